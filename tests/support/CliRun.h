#pragma once
// Runs a program, the command-line one by default, through the shell and
// keeps what it wrote.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace tessaly::testing {

struct CliRun { int status; std::string out, err; };

// The redirection says where standard output goes instead of the pipe.
inline CliRun runProgram(const std::string& program, const std::string& arguments, const std::string& redirect = "") {
  std::string errFile = (std::filesystem::temp_directory_path() / "tessaly-cli-err-XXXXXX").string();
  close(mkstemp(errFile.data()));
  const std::string command = program + " " + arguments + " 2>" + errFile + " " + redirect;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot start " + command);
  CliRun run{};
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errFile);
  run.err.assign(std::istreambuf_iterator<char>(err), {});
  std::remove(errFile.c_str());
  return run;
}

inline CliRun runCli(const std::string& arguments, const std::string& redirect = "") {
  return runProgram(TESSALY_CLI, arguments, redirect);
}

}  // namespace tessaly::testing

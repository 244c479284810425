// The manual pages and the README against the programs: every option of
// the command line's help, and every menu item of the window by its
// caption.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "tests/support/CliRun.h"
#include "tests/support/TempConfigHome.h"
#include "window/Captions.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::cli {
namespace {

std::string sourceFile(const std::string& path) {
  std::ifstream in(std::string(TESSALY_SOURCE_DIR) + "/" + path);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A manual page as it reads: troff's minus signs plain, its fonts dropped.
std::string manualText(const std::string& page) {
  const std::string source = sourceFile("docs/man/" + page);
  return std::regex_replace(std::regex_replace(source, std::regex(R"(\\f[BIRP])"), ""), std::regex(R"(\\-)"), "-");
}

TEST(Manual, EveryOptionOfTheHelpIsInTheManualAndTheReadme) {
  testing::TempConfigHome home;
  const std::string help = testing::runCli("--help").out;
  const std::string manual = manualText("tessaly-cli.1"), readme = sourceFile("README.md");
  const std::regex option("--[a-z]+");
  const std::set<std::string> options(std::sregex_token_iterator(help.begin(), help.end(), option), {});
  EXPECT_GE(options.size(), 20u);
  for (const std::string& o : options) {
    EXPECT_NE(manual.find(o), std::string::npos) << o;
    EXPECT_NE(readme.find(o), std::string::npos) << o;
  }
}

TEST(Manual, TheWindowsPageNamesEveryMenuItem) {
  const std::string manual = manualText("tessaly.1");
  const auto named = [&manual](std::string_view control, std::string_view english) {
    if (!control.starts_with("me")) return;
    std::string caption(english);
    std::erase(caption, '&');
    const std::string_view ellipsis = "…";
    if (caption.ends_with(ellipsis)) caption.resize(caption.size() - ellipsis.size());
    EXPECT_NE(manual.find(caption), std::string::npos) << caption;
  };
  for (const ElementCaption& row : tailCaptions()) named(row.control.text(), row.english);
  for (const CaptionRow& row : additionCaptions()) named(row.control, row.english);
}

}  // namespace
}  // namespace tessaly::cli

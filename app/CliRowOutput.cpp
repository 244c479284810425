#include "app/CliRowOutput.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "almanac/Csv.h"
#include "almanac/Table.h"
#include "app/CliReport.h"

namespace tessaly::cli {
namespace {

using almanac::Column;

std::vector<std::string> momentTexts(const std::vector<Column>& columns, const WindowModel& fields) {
  std::vector<std::string> texts;
  texts.reserve(columns.size());
  for (const Column& c : columns) texts.push_back(almanac::columnText(c, fields.fields()));
  return texts;
}

std::vector<std::string> captions(const std::vector<Column>& columns, Language language) {
  std::vector<std::string> texts;
  for (const Column& c : columns) texts.emplace_back(almanac::columnCaption(c, language));
  return texts;
}

class TableOutput : public RowOutput {
 public:
  TableOutput(std::ostream& out, std::vector<Column> columns, Language language, std::size_t pageRows)
      : RowOutput(out), columns_(std::move(columns)),
        table_(out, captions(columns_, language), widths(columns_), pageRows) {}
  void momentText(const WindowModel& fields, std::string& text) const override {
    table_.lineText(momentTexts(columns_, fields), text);
  }
  void eventText(const almanac::EventRow& row, std::string& text) const override {
    table_.lineText(almanac::eventRowTexts(row, columns_), text);
  }
  void writeRow(const std::string& text) override { table_.writeLine(text); }
  bool paged() const override { return table_.paged(); }

 private:
  static std::vector<std::size_t> widths(const std::vector<Column>& columns) {
    std::vector<std::size_t> w;
    for (const Column& c : columns) w.push_back(c.width);
    return w;
  }
  std::vector<Column> columns_;
  almanac::Table table_;
};

class CsvOutput : public RowOutput {
 public:
  CsvOutput(std::ostream& out, std::vector<Column> columns, Language language)
      : RowOutput(out), columns_(std::move(columns)) {
    almanac::writeCsvRow(out_, captions(columns_, language));
  }
  void momentText(const WindowModel& fields, std::string& text) const override {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (i) text += ',';
      const std::size_t start = text.size();
      almanac::appendColumnText(columns_[i], fields.fields(), text);
      almanac::quoteCsvFieldFrom(text, start);
    }
    text += "\r\n";
  }
  void eventText(const almanac::EventRow& row, std::string& text) const override {
    almanac::appendCsvRow(text, almanac::eventRowTexts(row, columns_));
  }

 private:
  std::vector<Column> columns_;
};

class JsonOutput : public RowOutput {
 public:
  using RowOutput::RowOutput;
  void momentText(const WindowModel& fields, std::string& text) const override { text += jsonLine(fields); }
  void eventText(const almanac::EventRow& row, std::string& text) const override { text += eventJsonLine(row); }
};

}  // namespace

std::unique_ptr<RowOutput> rowOutput(Format format, std::ostream& out, std::vector<Column> columns,
                                     Language language, std::size_t pageRows) {
  switch (format) {
    case Format::Csv: return std::make_unique<CsvOutput>(out, std::move(columns), language);
    case Format::Json: return std::make_unique<JsonOutput>(out);
    default: return std::make_unique<TableOutput>(out, std::move(columns), language, pageRows);
  }
}

std::size_t terminalPageRows() {
  winsize size{};
  if (isatty(STDOUT_FILENO) != 1 || ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_row < 4) return 0;
  return size.ws_row - 2u;  // the captions and the rule below them
}

}  // namespace tessaly::cli

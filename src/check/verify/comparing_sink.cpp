#include "check/verify/comparing_sink.h"

#include <algorithm>

#include "export/line_format.h"
#include "export/terminal_lines.h"

namespace skarvik::check {
namespace {

using enum FindingId;

// A TRM line of the terminal table's pass: its creator is the plain one.
bool IsFirstPassTrm(std::string_view line) {
  const std::vector<std::string_view> fields = SplitFields(line);
  const std::size_t creator = *kTrmLine.indexOf(FieldRole::kCreator);
  return fields.size() > creator && fields[0] == kTrmLine.word && fields[creator] == kImportCreator;
}

}  // namespace

void ComparingSink::add(FindingId which, Example example) {
  example.file = file_.name;
  findings_.add(MakeFinding(which, {{"file", file_.name}}), file_.name, std::move(example));
}

std::string ComparingSink::keyOf(std::span<const std::string_view> fields) const {
  return KeyOfLine(LayoutOf(file_, fields.empty() ? "" : fields[0]), fields);
}

// One more line of the file into the window; its line end is checked here.
bool ComparingSink::readLine() {
  std::string text;
  if (!present() || !std::getline(*in_, text)) return false;
  const bool ended = !in_->eof() && !text.empty() && text.back() == '\r';
  if (ended) text.pop_back();
  actual_.push_back({std::move(text), ++fileLine_});
  if (!ended) {
    const FileLine& line = actual_.back();
    const std::vector<std::string_view> split = SplitFields(line.text);
    add(kVerifyLineEnd, {.line = line.number, .key = keyOf(split), .value = line.text});
  }
  return true;
}

void ComparingSink::fill(std::size_t lines) {
  while (actual_.size() < lines && readLine()) {
  }
}

std::string ComparingSink::joined(std::size_t lines) const {
  std::string text;
  for (std::size_t i = 0; i < lines && i < actual_.size(); ++i) {
    text.append(i == 0 ? "" : "\n").append(actual_[i].text);
  }
  return text;
}

bool ComparingSink::matchesAt(const ExpectedLine& line, std::size_t at) {
  fill(at + line.fileLines);
  if (at + line.fileLines > actual_.size()) return false;
  std::string text = actual_[at].text;
  for (std::size_t i = 1; i < line.fileLines; ++i) text.append("\n").append(actual_[at + i].text);
  return text == line.text;
}

void ComparingSink::writeFields(std::span<const std::string_view> fields) {
  progress_.rows(1);
  ExpectedLine line{.fields = {fields.begin(), fields.end()},
                    .number = ++counts_.expected,
                    .fileLines = FileLinesOf(fields)};
  AppendFields(line.text, fields);
  if (!present()) {
    ++counts_.missing;  // one finding for the whole file, not one per line
    return;
  }
  expected_.push_back(std::move(line));
  drain(false);
}

void ComparingSink::drain(bool final) {
  while (!expected_.empty() && step(final)) {
  }
}

// Where the file has line further on within the window; actual_.size()
// when it has not.
std::size_t ComparingSink::foundAt(const ExpectedLine& line) {
  std::size_t at = 1;
  while (at < actual_.size() && !matchesAt(line, at)) ++at;
  return at;
}

// Whether the export writes the file's next line further on.
bool ComparingSink::comesLater(const FileLine& line) const {
  return std::any_of(expected_.begin() + 1, expected_.end(), [&](const ExpectedLine& e) {
    return e.fileLines == 1 && e.text == line.text;
  });
}

// Decides the line at the front of either side; false to wait for more
// lines of the export.
bool ComparingSink::step(bool final) {
  fill(kWindow);
  const ExpectedLine& front = expected_.front();
  if (actual_.empty()) {
    missing(front);
  } else if (matchesAt(front, 0)) {
    equal(front);
  } else if (const std::size_t at = foundAt(front); at < actual_.size()) {
    for (std::size_t i = 0; i < at; ++i) extra();  // lines the export does not write
    return true;
  } else if (comesLater(actual_.front())) {
    missing(front);
  } else if (!final && expected_.size() < kWindow) {
    return false;
  } else {
    different(front);
  }
  expected_.pop_front();
  return true;
}

void ComparingSink::equal(const ExpectedLine& line) {
  ++counts_.equal;
  actual_.erase(actual_.begin(), actual_.begin() + static_cast<long>(line.fileLines));
}

void ComparingSink::missing(const ExpectedLine& line) {
  ++counts_.missing;
  const std::vector<std::string_view> fields(line.fields.begin(), line.fields.end());
  add(kVerifyMissingLines, {.line = line.number, .key = keyOf(fields), .value = line.text});
}

// The line at the front of the file is one the export does not write. The
// communication rows of the first pass's TRM lines are gone after a purge.
void ComparingSink::extra() {
  const FileLine line = std::move(actual_.front());
  actual_.pop_front();
  if (purged_ && IsFirstPassTrm(line.text)) {
    ++counts_.notRebuilt;
    return;
  }
  ++counts_.extra;
  checkFieldCount(line);
  const std::vector<std::string_view> split = SplitFields(line.text);
  add(kVerifyExtraLines, {.line = line.number, .key = keyOf(split), .value = line.text});
}

void ComparingSink::different(const ExpectedLine& line) {
  ++counts_.different;
  const FileLine found{.text = joined(line.fileLines), .number = actual_.front().number};
  actual_.erase(actual_.begin(),
                actual_.begin() + static_cast<long>(std::min(line.fileLines, actual_.size())));
  checkFieldCount(found);
  const std::vector<std::string_view> actual = SplitFields(found.text);
  std::size_t i = 0;
  while (i < line.fields.size() && i < actual.size() && line.fields[i] == actual[i]) ++i;
  const std::vector<std::string_view> fields(line.fields.begin(), line.fields.end());
  const LineLayout& layout = LayoutOf(file_, fields[0]);
  add(kVerifyDifferent,
      {.line = found.number,
       .key = KeyOfLine(layout, fields),
       .column = i < layout.fields.size() ? std::string(layout.fields[i].name) : "?",
       .value = i < fields.size() ? std::string(fields[i]) : "",
       .other = i < actual.size() ? std::string(actual[i]) : std::string(),
       .effect = "field " + std::to_string(i + 1) + " differs first"});
}

// A line the export writes with a comma inside a value was counted by the
// preflight; here only the file's own lines are held to the format.
void ComparingSink::checkFieldCount(const FileLine& line) {
  const std::size_t fields = FieldCount(line.text);
  const std::vector<std::string_view> split = SplitFields(line.text);
  const LineLayout& layout = LayoutOf(file_, split.empty() ? "" : split[0]);
  for (const LineLayout* kind : file_.lines) {
    if (kind->fields.size() == fields) return;
  }
  add(kVerifyFieldCount, {.line = line.number,
                          .key = KeyOfLine(layout, split),
                          .value = line.text,
                          .effect = std::to_string(fields) + " fields instead of " +
                                    std::to_string(layout.fields.size())});
}

void ComparingSink::finish() {
  drain(true);
  for (fill(1); !actual_.empty(); fill(1)) extra();
}

}  // namespace skarvik::check

#include "check/verify.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "base/text_stream.h"
#include "check/finding_list.h"
#include "check/line_formats.h"
#include "export/balance_export.h"
#include "export/device_export.h"
#include "export/key_export.h"

namespace skarvik::check {
namespace {

struct FileCounts {
  long expected = 0;
  long equal = 0;
  long different = 0;
  long missing = 0;
  long extra = 0;
  long notRebuilt = 0;
};

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t comma; (comma = line.find(',')) != std::string_view::npos;) {
    fields.push_back(line.substr(0, comma));
    line.remove_prefix(comma + 1);
  }
  if (!line.empty()) fields.push_back(line);
  return fields;
}

// A TRM line of the terminal table's pass: its creator is the plain one.
bool IsFirstPassTrm(std::string_view line) {
  const std::vector<std::string_view> fields = SplitFields(line);
  return fields.size() > 21 && fields[0] == "TRM" && fields[21] == "VKImport";
}

class ComparingSink : public LineSink {
 public:
  ComparingSink(std::string_view file, FindingList& findings, bool purged, Progress& progress)
      : file_(file),
        in_(std::string(file), std::ios::binary),
        findings_(findings),
        purged_(purged),
        progress_(progress) {}

  bool present() const { return in_.is_open(); }
  const FileCounts& counts() const { return counts_; }
  std::string_view file() const { return file_; }

  void writeFields(std::span<const std::string_view> fields) override;
  void finish();

 private:
  bool nextActual(std::size_t fileLines = 1);
  void checkShape();
  void compare(std::span<const std::string_view> fields);
  void add(const char* id, const char* title, Example example) {
    example.file = std::string(file_);
    findings_.add(id, Severity::kError, std::string(file_) + ": " + title, std::string(file_),
                  std::move(example));
  }

  std::string_view file_;
  std::ifstream in_;
  FindingList& findings_;
  bool purged_;
  Progress& progress_;
  FileCounts counts_;
  long actualLine_ = 0;  // the last line of the file read
  long lineStart_ = 0;   // the first line of the file that actual_ holds
  bool lineEnded_ = true;
  std::string actual_;
  std::string part_;
  std::string expected_;
};

// The next line of the file, without its line end, in actual_. A value
// with a line feed was written as CR LF like every line end, so a line the
// export writes with n line feeds inside stands on n + 1 lines of the file:
// they are read as one, joined again by a line feed.
bool ComparingSink::nextActual(std::size_t fileLines) {
  actual_.clear();
  lineStart_ = actualLine_ + 1;
  lineEnded_ = true;
  for (std::size_t i = 0; i < fileLines; ++i) {
    if (!present() || !std::getline(in_, part_)) {
      if (i == 0) return false;
      break;
    }
    ++actualLine_;
    const bool ended = !in_.eof() && !part_.empty() && part_.back() == '\r';
    if (ended) part_.pop_back();
    lineEnded_ = lineEnded_ && ended;
    actual_.append(i == 0 ? "" : "\n").append(part_);
  }
  checkShape();
  return true;
}

void ComparingSink::checkShape() {
  const std::size_t fields =
      static_cast<std::size_t>(std::count(actual_.begin(), actual_.end(), ','));
  const std::vector<std::string_view> split = SplitFields(actual_);
  const LineFormat& format = FormatOf(file_, split.empty() ? "" : split[0]);
  bool known = false;
  for (const LineFormat& f : FormatsOf(file_)) known = known || f.fields.size() == fields;
  // A line the export writes this way was counted by the preflight; here
  // only a line that differs from it is the file's own fault.
  if (!known && actual_ != expected_) {
    add("verify.field-count", "lines whose field count is not the file's",
        {.line = lineStart_,
         .key = KeyOf(format, split),
         .value = actual_,
         .effect = std::to_string(fields) + " fields instead of " +
                   std::to_string(format.fields.size())});
  }
  if (!lineEnded_) {
    add("verify.line-end", "lines not ended by CR LF",
        {.line = lineStart_, .key = KeyOf(format, split), .value = actual_});
  }
}

void ComparingSink::writeFields(std::span<const std::string_view> fields) {
  progress_.rows(1);
  ++counts_.expected;
  if (!present()) {
    ++counts_.missing;  // one finding for the whole file, not one per line
    return;
  }
  expected_.clear();
  for (const std::string_view field : fields) expected_.append(field).append(",");
  const auto fileLines =
      1 + static_cast<std::size_t>(std::count(expected_.begin(), expected_.end(), '\n'));
  while (nextActual(fileLines)) {
    // The communication rows these lines came from are gone after a purge.
    if (purged_ && actual_ != expected_ && IsFirstPassTrm(actual_)) {
      ++counts_.notRebuilt;
      continue;
    }
    compare(fields);
    return;
  }
  ++counts_.missing;
  add("verify.missing-lines", "lines the file lacks",
      {.line = counts_.expected,
       .key = KeyOf(FormatOf(file_, fields[0]), fields),
       .value = expected_});
}

void ComparingSink::compare(std::span<const std::string_view> fields) {
  if (actual_ == expected_) {
    ++counts_.equal;
    return;
  }
  ++counts_.different;
  const std::vector<std::string_view> actual = SplitFields(actual_);
  std::size_t i = 0;
  while (i < fields.size() && i < actual.size() && fields[i] == actual[i]) ++i;
  const LineFormat& format = FormatOf(file_, fields[0]);
  add("verify.different", "lines that differ",
      {.line = lineStart_,
       .key = KeyOf(format, fields),
       .column = i < format.fields.size() ? std::string(format.fields[i]) : "?",
       .value = i < fields.size() ? std::string(fields[i]) : "",
       .other = i < actual.size() ? std::string(actual[i]) : std::string(),
       .effect = "field " + std::to_string(i + 1) + " differs first"});
}

void ComparingSink::finish() {
  while (nextActual()) {
    if (purged_ && IsFirstPassTrm(actual_)) {
      ++counts_.notRebuilt;
      continue;
    }
    ++counts_.extra;
    const std::vector<std::string_view> split = SplitFields(actual_);
    add("verify.extra-lines", "lines the export would not write",
        {.line = lineStart_,
         .key = KeyOf(FormatOf(file_, split.empty() ? "" : split[0]), split),
         .value = actual_});
  }
}

std::string Summary(const ComparingSink& sink) {
  if (!sink.present()) return "missing";
  const FileCounts& c = sink.counts();
  return Format("%ld equal, %ld different, %ld missing, %ld extra", c.equal, c.different, c.missing,
                c.extra);
}

// Every line the exports would write, into one comparing sink per file.
void WriteExpectedLines(Session& session, std::span<ComparingSink> sinks, Progress& progress) {
  progress.phase("Device.dat");
  WriteDeviceLines(session, sinks[0]);
  if (sinks.size() == 1) return;
  progress.phase("SldKopf.dat and SldPos.dat");
  WriteTablePair(session, kBalanceTables, sinks[1], sinks[2]);
  progress.phase("TstKopf.dat and TstPos.dat");
  WriteTablePair(session, kKeyTables, sinks[3], sinks[4]);
}

}  // namespace

Section RunVerify(Session& session, std::size_t maxExamples, bool purged, Progress& progress) {
  FindingList findings(maxExamples);
  std::vector<ComparingSink> sinks;
  sinks.reserve(std::size(kFiles));
  for (const std::string_view file : kFiles) {
    sinks.emplace_back(file, findings, purged && file == kFiles[0], progress);
    if (session.specialSource()) break;
  }
  WriteExpectedLines(session, sinks, progress);

  Section section{.id = "files", .title = "Files compared with the database"};
  long notRebuilt = 0;
  for (ComparingSink& sink : sinks) {
    sink.finish();
    if (!sink.present()) {
      findings.add("verify.missing-file", Severity::kError,
                   std::string(sink.file()) + " is missing", std::string(sink.file()),
                   {.file = std::string(sink.file())});
    }
    section.facts.push_back({std::string(sink.file()), Summary(sink)});
    notRebuilt += sink.counts().notRebuilt;
  }
  findings.addCount("verify.purged-communication", Severity::kWarning,
                    "TRM lines of the terminal table that cannot be rebuilt: the run emptied "
                    "VKSYSTEM.Vks1140Com after reading it",
                    notRebuilt);
  section.findings = findings.take();
  return section;
}

}  // namespace skarvik::check

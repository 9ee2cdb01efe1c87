// The comparison of one file with the lines an export would write, as
// verify runs it: line by line beside the file, within a window on both
// sides, so that nothing is held but the lines of the window and the
// examples kept.
#pragma once

#include <deque>
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check/report/finding_kinds.h"
#include "check/report/finding_list.h"
#include "check/report/progress.h"
#include "export/export_plan.h"

namespace skarvik::check {

struct FileCounts {
  long expected = 0;
  long equal = 0;
  long different = 0;
  long missing = 0;
  long extra = 0;
  long notRebuilt = 0;
};

// A line of the file as read, without its line end.
struct FileLine {
  std::string text;
  long number = 0;
};

// A line the export would write, with its fields for the report.
struct ExpectedLine {
  std::string text;  // fields each followed by a comma, no line end
  std::vector<std::string> fields;
  long number = 0;
  std::size_t fileLines = 1;  // the lines of the file it stands on
};

// Compares the lines an export hands over with the file, in order, with a
// window on both sides: a line inserted into or dropped from the file, or
// added to or removed from the database, shows as one line extra or
// missing, and the lines after it compare equal again. The window bounds
// what is held: the memory does not grow with the file.
class ComparingSink : public LineSink {
 public:
  // in: the file as read, nullptr when it is missing; it must outlive the
  // sink. purged: the TRM lines of the terminal table's pass are not
  // rebuilt, since the run emptied the table they come from.
  ComparingSink(const PlannedFile& file, std::istream* in, FindingList& findings, bool purged,
                Progress& progress)
      : file_(file), in_(in), findings_(findings), purged_(purged), progress_(progress) {}

  bool present() const { return in_ != nullptr; }
  const FileCounts& counts() const { return counts_; }
  const PlannedFile& file() const { return file_; }

  void writeFields(std::span<const std::string_view> fields) override;
  void finish();

 private:
  static constexpr std::size_t kWindow = 64;

  bool readLine();
  void fill(std::size_t lines);
  bool matchesAt(const ExpectedLine& line, std::size_t at);
  std::size_t foundAt(const ExpectedLine& line);
  bool comesLater(const FileLine& line) const;
  std::string joined(std::size_t lines) const;
  void drain(bool final);
  bool step(bool final);
  void equal(const ExpectedLine& line);
  void missing(const ExpectedLine& line);
  void extra();
  void different(const ExpectedLine& line);
  void checkFieldCount(const FileLine& line);
  void add(FindingId which, Example example);
  std::string keyOf(std::span<const std::string_view> fields) const;

  const PlannedFile& file_;
  std::istream* in_;
  FindingList& findings_;
  bool purged_;
  Progress& progress_;
  FileCounts counts_;
  long fileLine_ = 0;
  std::deque<FileLine> actual_;
  std::deque<ExpectedLine> expected_;
};

}  // namespace skarvik::check

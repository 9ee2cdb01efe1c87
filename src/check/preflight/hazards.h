// The values that the files carry in a form the newer system's import will
// misread: a comma that moves every later field of its line, a line break
// that splits the line, a NUL or a length that cuts the value, and a key
// ending in blanks that finds nothing on a database comparing them exactly.
//
// Commas and line breaks are seen in the fields of the lines as written.
// What a cut takes away can only be seen in the row as the driver delivered
// it, before the cursor cut and trimmed it; such a hazard waits until the
// row's line is written, so that a row that never becomes a line counts
// nothing.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check/report/finding_list.h"
#include "db/cursor_observer.h"
#include "export/export_plan.h"

namespace skarvik::check {

class Hazards {
 public:
  explicit Hazards(FindingList& findings) : findings_(findings) {}

  // A row as the driver delivered it; lookupKey names the row where it has
  // no key column of its own.
  void rowFetched(std::span<const RawField> fields, std::string_view lookupKey);
  // The rows fetched since the last line will not become lines.
  void dropPending() { pending_.clear(); }
  // Line number line of file is written with these fields.
  void lineWritten(const PlannedFile& file, long line, std::span<const std::string_view> fields);

 private:
  struct Pending {
    Finding kind;
    Example example;
  };
  void checkRawField(const RawField& field, std::span<const RawField> row,
                     std::string_view lookupKey);
  void checkWrittenFields(const PlannedFile& file, long line,
                          std::span<const std::string_view> fields);

  FindingList& findings_;
  std::vector<Pending> pending_;
};

}  // namespace skarvik::check

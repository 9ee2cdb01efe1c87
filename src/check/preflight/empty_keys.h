// Rows whose key, as the export trimmed it, is empty: the lookups run with
// an empty key, or the line goes out without one. Such a row is hard to
// find in the database, so each example locates it: by the file and line
// its line is written to, or, when it becomes no line, by the other values
// it holds. A row waits until the export has decided its line, as a
// hazard does.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "check/report/finding_list.h"
#include "db/cursor_observer.h"
#include "export/export_plan.h"

namespace skarvik::check {

class EmptyKeys {
 public:
  explicit EmptyKeys(FindingList& findings) : findings_(findings) {}

  // A row of kind was fetched; the line written next is its own.
  void rowFetched(CursorKind kind, std::span<const RawField> row);
  // Line number line of file is written: the rows waiting are on it.
  void lineWritten(const PlannedFile& file, long line);
  // The rows waiting become no line.
  void dropPending();

 private:
  struct Pending {
    Finding kind;
    Example example;
    std::string values;  // the row's other written values
  };
  FindingList& findings_;
  std::vector<Pending> pending_;
};

}  // namespace skarvik::check

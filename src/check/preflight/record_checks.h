// What the newer system's import makes of the records the files hold, which
// no check of a single value can see: a terminal model it does not know, and
// a key that an earlier line of the same kind already had.
//
// Lines of a kind whose key is a single field (a terminal, a table) are
// held against every key of that kind before them. Lines whose key is a
// block key and a key within the block (a terminal's readers, a table's
// positions) come block by block, as each lookup writes them: a key repeats
// within its block, or the whole block repeats one written before. So the
// memory holds the block keys and one block's keys, never all the lines.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "check/report/finding_list.h"
#include "export/export_plan.h"

namespace skarvik::check {

class RecordChecks {
 public:
  explicit RecordChecks(FindingList& findings) : findings_(findings) {}

  // Line number line of file, of layout, is written with fields.
  // storedModel is the model its row held before the export brought it
  // into form ("" when not known).
  void lineWritten(const PlannedFile& file, const LineLayout& layout, long line,
                   std::span<const std::string_view> fields, std::string_view storedModel);

 private:
  // What is held of the lines of one layout in one file.
  struct Kind {
    std::vector<std::size_t> keyFields;                // where the key stands in a line
    std::unordered_map<std::string, long> firstLines;  // by key, or by block key
    std::string block;                                 // the block under way
    bool blockOpen = false;
    long earlierBlock = 0;  // where the block was written before; 0: it was not
    long indexInBlock = 0;
    std::unordered_map<std::string, long> inBlock;  // by the key within the block
  };

  void checkModel(const PlannedFile& file, const LineLayout& layout, long line,
                  std::span<const std::string_view> fields, std::string_view storedModel);
  // The line where the key of this line stood before; 0 when it did not.
  long earlierLine(Kind& kind, long line, std::span<const std::string_view> fields);
  long earlierInBlock(Kind& kind, std::string_view block, std::string_view key, long line);

  FindingList& findings_;
  std::map<const LineLayout*, Kind> kinds_;
};

}  // namespace skarvik::check

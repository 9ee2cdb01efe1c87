// What repair will do, before it is written or applied: one change per row,
// each a statement on the same qualified table the export reads, guarded so
// that a row changed since the plan is not touched; the keys renamed with
// every row that refers to them; and, as templates, what only the
// administrator can decide.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace skarvik::check {

// UPDATE table SET column = newValue WHERE where[0] = ... AND ... ; the
// changed column's old value is the last condition.
struct Statement {
  std::string table;  // as the plan names it: "Vks1140Trm"
  std::string column;
  std::string newValue;
  std::vector<std::pair<std::string, std::string>> where;  // column, value as stored
  std::int64_t rows = 0;                                   // the rows the same WHERE matches now
};

// One change: a value mended in its row, or a key renamed with its
// references. Its statements run in order.
struct Fix {
  std::string findingId;  // the finding it mends: "hazard.comma"
  std::string table;
  std::string key;  // the row's key, as stored
  std::string column;
  std::string oldValue;
  std::string newValue;
  std::string rules;  // the rules that changed it: "comma, trailing blanks"
  std::vector<Statement> statements;
  std::vector<std::string> notes;  // said in the script, above the statements
};

// What only the administrator can decide; nothing is changed for it.
struct Template {
  std::string findingId;
  std::string table;
  std::string key;
  std::string column;
  std::string value;
  std::string why;
  std::vector<std::string> lines;     // the rows that tell it apart, or what to fill in
  std::vector<Statement> statements;  // what would be run, to be decided on
};

// A value longer than its field: the export's cut is the system's
// behaviour, so it is only shown.
struct CutValue {
  std::string table;
  std::string key;
  std::string column;
  std::string value;
  std::string written;  // what the export will write
  std::string holds;    // what the rules would mend in the written text: "comma"
};

struct RepairPlan {
  std::vector<Fix> fixes;
  std::vector<Template> templates;
  std::vector<CutValue> cuts;

  std::size_t statementCount() const;
};

}  // namespace skarvik::check

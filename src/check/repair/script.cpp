#include "check/repair/script.h"

#include "db/sql_text.h"
#include "skarvik_version.h"

namespace skarvik::check {
namespace {

constexpr std::string_view kUpdate = "UPDATE ";

std::string Quoted(std::string_view value) { return "\"" + std::string(value) + "\""; }

std::string Header(const RepairPlan& plan, const ScriptSource& source) {
  const std::size_t count = plan.statementCount();
  std::string text = CommentLine("skarvik-check repair, data source " + source.dataSource + ", " +
                                 source.time + ", skarvik-check " + kSkarvikVersion);
  text += CommentLine(std::to_string(count) + (count == 1 ? " statement" : " statements") +
                      " in one transaction; the comments after them change nothing.");
  text += CommentLine("Run it with: " + RunCommand(source.system));
  text += CommentLine("or through the data source: skarvik-check repair " + source.dataSource +
                      " --apply FILE");
  text += CommentLine(
      "Either gives the same database only while the database has not changed "
      "since this was planned; --apply plans again and refuses if it has.");
  return text;
}

std::string FixComment(const Fix& fix) {
  std::string text = fix.findingId + ": " + fix.table + ", key " + Quoted(fix.key) + ", " +
                     fix.column + ": " + Quoted(fix.oldValue) + " -> " + Quoted(fix.newValue) +
                     (fix.rules.empty() ? "" : " (" + fix.rules + ")");
  std::string lines = CommentLine(text);
  for (const std::string& note : fix.notes) lines += CommentLine("  " + note);
  return lines;
}

std::string TemplateText(DatabaseSystem system, const Template& t) {
  std::string text = CommentLine(t.findingId + ": " + t.table + ", key " + Quoted(t.key) + ", " +
                                 t.column + " " + Quoted(t.value) + ": " + t.why);
  for (const std::string& line : t.lines) text += CommentLine("  " + line);
  for (const Statement& s : t.statements) text += CommentLine("  " + StatementLine(system, s));
  return text;
}

std::string Leftovers(DatabaseSystem system, const RepairPlan& plan) {
  std::string text;
  if (!plan.cuts.empty()) {
    text += "\n" + CommentLine(
                       "Values longer than their field, which the export cuts: shorten "
                       "them by their meaning.");
  }
  for (const CutValue& cut : plan.cuts) {
    text +=
        CommentLine("hazard.cut: " + cut.table + ", key " + Quoted(cut.key) + ", " + cut.column +
                    " " + Quoted(cut.value) + " is written as " + Quoted(cut.written) +
                    (cut.holds.empty() ? "" : ", which holds what repair mends: " + cut.holds));
  }
  if (!plan.templates.empty()) {
    text +=
        "\n" + CommentLine("Templates: only you can decide these; nothing is changed for them.");
  }
  for (const Template& t : plan.templates) text += TemplateText(system, t);
  return text;
}

}  // namespace

std::string StatementLine(DatabaseSystem system, const Statement& statement) {
  std::string line = std::string(kUpdate) + TableName(statement.table, false) + " SET " +
                     statement.column + " = " + SqlLiteral(system, statement.newValue);
  for (std::size_t i = 0; i < statement.where.size(); ++i) {
    line.append(i == 0 ? " WHERE " : " AND ").append(statement.where[i].first).append(" = ");
    line.append(SqlLiteral(system, statement.where[i].second));
  }
  return line + "; -- " + std::to_string(statement.rows) + (statement.rows == 1 ? " row" : " rows");
}

std::string RepairScript(const RepairPlan& plan, const ScriptSource& source) {
  std::string script = Header(plan, source) + ScriptOpening(source.system);
  for (const Fix& fix : plan.fixes) {
    script += "\n" + FixComment(fix);
    for (const Statement& statement : fix.statements) {
      script += StatementLine(source.system, statement) + "\n";
    }
  }
  script += "\n" + ScriptClosing(source.system);
  return script + Leftovers(source.system, plan);
}

std::vector<std::string> StatementLines(std::string_view script) {
  std::vector<std::string> lines;
  while (!script.empty()) {
    const std::size_t end = script.find('\n');
    const std::string_view line = script.substr(0, end);
    if (line.substr(0, kUpdate.size()) == kUpdate) lines.emplace_back(line);
    script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
  }
  return lines;
}

}  // namespace skarvik::check

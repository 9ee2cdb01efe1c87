#include "check/repair/repair.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "base/platform.h"
#include "check/preflight/source_section.h"
#include "check/repair/apply.h"
#include "check/repair/planner.h"
#include "check/repair/repair_json.h"
#include "check/repair/script.h"
#include "check/source/character_set.h"
#include "check/source/database_facts.h"

namespace skarvik::check {
namespace {

constexpr char kName[] = "skarvik-check repair: ";

// The tables and what was planned from them; the tables' planned columns
// must stay where they are while the stored tables point to them.
struct Planned {
  std::vector<PlannedTable> tables = PlannedTables();
  std::vector<StoredTable> stored;
  RepairPlan plan;
  DatabaseSystem system = DatabaseSystem::kSqlite;
};

// Why repair cannot plan on this connection, or "".
std::string Unfit(Session& session, Planned& planned) {
  const std::string dbms = InfoText(session, SQL_DBMS_NAME);
  const std::optional<DatabaseSystem> system = DatabaseSystemOf(dbms);
  if (!system) return "it writes scripts for SQLite, PostgreSQL and MariaDB, not for " + dbms;
  planned.system = *system;
  if (SeverityOf(CharacterSetCheck(session)) != Severity::kInfo) {
    return "the data source converts texts, so it would mend bytes the database does not hold";
  }
  for (const PlannedTable& table : planned.tables) {
    std::string error;
    std::optional<StoredTable> stored = ReadStoredTable(session, table, error);
    if (!stored) return table.name + " does not answer: " + error;
    stored->system = planned.system;
    planned.stored.push_back(std::move(*stored));
  }
  return "";
}

std::string Summary(const RepairPlan& plan) {
  const auto count = [](std::size_t n, const char* noun) {
    return Counted(static_cast<std::int64_t>(n), noun);
  };
  return count(plan.statementCount(), "statement") + " for " + count(plan.fixes.size(), "change") +
         ", " + count(plan.templates.size(), "template") + ", " + count(plan.cuts.size(), "value") +
         " cut by the export";
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  return static_cast<bool>(file << bytes) && static_cast<bool>(file.flush());
}

RepairResult WritePlan(const Planned& planned, const RepairOptions& options, std::ostream& out,
                       std::ostream& err) {
  const std::string script = RepairScript(
      planned.plan,
      {.system = planned.system, .dataSource = options.dataSource, .time = LocalTime()});
  if (!options.output.empty() && !WriteFile(options.output, script)) {
    err << kName << "cannot write " << options.output << "\n";
    return {.exit = kCheckCannotRun};
  }
  if (options.json) {
    WriteRepairJson(planned.plan, planned.system, options.dataSource, out);
  } else if (options.output.empty()) {
    out << script;
  }
  out.flush();
  err << kName << Summary(planned.plan)
      << (options.output.empty() ? "" : "; the script is in " + options.output) << "\n";
  return {};
}

// Where the reviewed script and the plan made now part; "" when they agree.
std::string Changed(const std::vector<std::string>& reviewed,
                    const std::vector<std::string>& planned) {
  for (std::size_t i = 0; i < reviewed.size() || i < planned.size(); ++i) {
    const std::string number = "statement " + std::to_string(i + 1);
    if (i >= reviewed.size()) return number + " is new: " + planned[i];
    if (i >= planned.size()) return number + " of the script is no longer needed: " + reviewed[i];
    if (reviewed[i] != planned[i]) {
      return number + " of the script reads " + reviewed[i] + " where the plan now has " +
             planned[i];
    }
  }
  return "";
}

std::vector<std::string> PlannedLines(const Planned& planned) {
  std::vector<std::string> lines;
  for (const Fix& fix : planned.plan.fixes) {
    for (const Statement& s : fix.statements) lines.push_back(StatementLine(planned.system, s));
  }
  return lines;
}

// Asked on the terminal unless --yes; without one to ask on, --yes is
// needed.
bool Confirmed(const RepairOptions& options, std::size_t count, std::ostream& err) {
  if (options.yes) return true;
  if (!IsTerminal(stdin) || !IsTerminal(stderr)) {
    err << kName << "--apply changes the database: without a terminal to ask on, give --yes\n";
    return false;
  }
  err << "Apply " << Counted(static_cast<std::int64_t>(count), "statement") << " to "
      << options.dataSource << " in one transaction? [y/N] " << std::flush;
  std::string answer;
  std::getline(std::cin, answer);
  return answer == "y" || answer == "Y" || answer == "yes" || answer == "YES";
}

std::string Reviewed(const std::string& path, bool& read) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  read = static_cast<bool>(file);
  return bytes.str();
}

RepairResult Apply(Session& session, const Planned& planned, const RepairOptions& options,
                   std::ostream& err) {
  bool read = false;
  const std::string script = Reviewed(options.applyFile, read);
  if (!read) {
    err << kName << "cannot read " << options.applyFile << "; nothing was applied\n";
    return {.exit = kCheckCannotRun};
  }
  std::string refusal = Changed(StatementLines(script), PlannedLines(planned));
  if (!refusal.empty()) {
    refusal =
        "the script's statements are not the plan's now (the database or the script "
        "changed): " +
        refusal;
  }
  std::vector<std::string> tables;
  for (const PlannedTable& table : planned.tables) tables.push_back(table.name);
  if (refusal.empty()) refusal = CannotRollBack(session, planned.system, tables);
  if (!refusal.empty()) {
    err << kName << refusal << "; nothing was applied\n";
    return {.exit = kCheckCannotRun};
  }
  const std::size_t count = planned.plan.statementCount();
  if (!Confirmed(options, count, err)) {
    err << kName << "nothing was applied\n";
    return {.exit = kCheckCannotRun};
  }
  const ApplyOutcome outcome = ApplyRepair(session, planned.system, planned.plan);
  if (!outcome.committed) {
    err << kName << outcome.failure << "\n";
    return {.exit = kCheckCannotRun};
  }
  err << kName << "applied " << Counted(static_cast<std::int64_t>(count), "statement")
      << " in one transaction\n";
  return {.applied = true};
}

}  // namespace

RepairResult RunRepair(Session& session, const RepairOptions& options, std::ostream& out,
                       std::ostream& err) {
  Planned planned;
  if (const std::string unfit = Unfit(session, planned); !unfit.empty()) {
    err << kName << "cannot plan on " << options.dataSource << ": " << unfit << "\n";
    return {.exit = kCheckCannotRun};
  }
  planned.plan = PlanRepair({.session = session, .tables = planned.stored, .comma = options.comma});
  if (options.applyFile.empty()) return WritePlan(planned, options, out, err);
  return Apply(session, planned, options, err);
}

}  // namespace skarvik::check

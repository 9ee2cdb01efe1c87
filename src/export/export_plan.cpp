#include "export/export_plan.h"

#include <deque>

#include "db/cursor.h"
#include "export/balance_export.h"
#include "export/communication_parameters.h"
#include "export/device_export.h"
#include "export/key_export.h"
#include "export/key_positions.h"
#include "export/output_file.h"
#include "export/reader_lines.h"
#include "export/terminal_assignment.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

template <const auto& kQuery>
constexpr PlannedQuery Planned() {
  return {.facts = [] { return FactsOf(kQuery); },
          .tryOnce = [](Session& session) { Cursor(session, kQuery).first(""); }};
}

void WriteDevices(Session& session, std::span<LineSink* const> sinks) {
  WriteDeviceLines(session, *sinks[0]);
}

void WriteBalanceTables(Session& session, std::span<LineSink* const> sinks) {
  WriteTablePair(session, kBalanceTables, *sinks[0], *sinks[1]);
}

void WriteKeyTables(Session& session, std::span<LineSink* const> sinks) {
  WriteTablePair(session, kKeyTables, *sinks[0], *sinks[1]);
}

constexpr PlannedQuery kDeviceQueries[] = {
    Planned<kTerminalQuery>(),
    Planned<kCommunicationQuery>(),
    Planned<kReaderQuery>(),
    Planned<kTypeTableQuery>(),
};
// A table is asked for its terminal type before its header is written.
constexpr PlannedQuery kBalanceHeaderQueries[] = {Planned<kAssignmentBySal>(),
                                                  Planned<kBalanceHeaderQuery>()};
constexpr PlannedQuery kBalancePositionQueries[] = {Planned<kBalancePositionQuery>()};
constexpr PlannedQuery kKeyHeaderQueries[] = {Planned<kAssignmentByTas>(),
                                              Planned<kKeyHeaderQuery>()};
constexpr PlannedQuery kKeyPositionQueries[] = {Planned<kKeyPositionQuery>()};

constexpr const LineLayout* kDeviceLines[] = {&kTrmLine, &kReaderLine};
constexpr const LineLayout* kBalanceHeaderLines[] = {&kBalanceHeaderLine};
constexpr const LineLayout* kBalancePositionLines[] = {&kBalancePositionLine};
constexpr const LineLayout* kKeyHeaderLines[] = {&kKeyHeaderLine};
constexpr const LineLayout* kKeyPositionLines[] = {&kKeyPositionLine};

using enum OnSpecialSource;

// The special data source writes terminals and their readers only.
constexpr PlannedFile kPlan[] = {
    {.name = "Device.dat",
     .recordWord = "Terminals",
     .queries = kDeviceQueries,
     .writer = &WriteDevices,
     .special = kWritten,
     .lines = kDeviceLines},
    {.name = "SldKopf.dat",
     .recordWord = "SaldoKopfsatz",
     .queries = kBalanceHeaderQueries,
     .writer = &WriteBalanceTables,
     .special = kNotWritten,
     .tables = "balance",
     .lines = kBalanceHeaderLines},
    {.name = "SldPos.dat",
     .recordWord = "SaldoPostensatz",
     .queries = kBalancePositionQueries,
     .writer = &WriteBalanceTables,
     .special = kNotWritten,
     .lines = kBalancePositionLines},
    {.name = "TstKopf.dat",
     .recordWord = "TstTabKopfsatz",
     .queries = kKeyHeaderQueries,
     .writer = &WriteKeyTables,
     .special = kNotWritten,
     .tables = "key",
     .lines = kKeyHeaderLines},
    {.name = "TstPos.dat",
     .recordWord = "TstTabPostensatz",
     .queries = kKeyPositionQueries,
     .writer = &WriteKeyTables,
     .special = kNotWritten,
     .lines = kKeyPositionLines},
};

}  // namespace

std::span<const PlannedFile> ExportPlan() { return kPlan; }

bool WrittenOn(const PlannedFile& file, const Session& session) {
  return file.special == kWritten || !session.specialSource();
}

std::vector<std::span<const PlannedFile>> WriterGroups(const Session& session) {
  std::vector<std::span<const PlannedFile>> groups;
  const std::span<const PlannedFile> plan = ExportPlan();
  for (std::size_t first = 0, end = 0; first < plan.size(); first = end) {
    end = first + 1;
    while (end < plan.size() && plan[end].writer == plan[first].writer) ++end;
    if (WrittenOn(plan[first], session)) groups.push_back(plan.subspan(first, end - first));
  }
  return groups;
}

std::string NamesOf(std::span<const PlannedFile> files) {
  std::string names;
  for (const PlannedFile& file : files)
    names.append(names.empty() ? "" : " and ").append(file.name);
  return names;
}

void WritePlannedLines(Session& session,
                       const std::function<LineSink&(const PlannedFile&)>& sinkFor,
                       const std::function<void(std::span<const PlannedFile>)>& before) {
  for (const std::span<const PlannedFile> group : WriterGroups(session)) {
    before(group);
    std::vector<LineSink*> sinks;
    for (const PlannedFile& file : group) sinks.push_back(&sinkFor(file));
    group.front().writer(session, sinks);
  }
}

bool ExportFiles(Session& session, std::span<const PlannedFile> group) {
  std::deque<OutputFile> files;
  std::vector<LineSink*> sinks;
  for (const PlannedFile& planned : group) {
    OutputFile& file = files.emplace_back(planned.name, planned.recordWord);
    if (!file.isOpen()) return false;
    sinks.push_back(&file);
  }
  group.front().writer(session, sinks);
  bool whole = true;
  for (OutputFile& file : files) whole = file.finish() && whole;
  return whole;
}

std::string_view TableRead(CursorKind kind) {
  for (const PlannedFile& file : kPlan) {
    for (const PlannedQuery& query : file.queries) {
      if (const QueryFacts facts = query.facts(); facts.cursor == kind) return facts.table;
    }
  }
  return {};
}

const PlannedFile* FindPlannedFile(std::string_view name) {
  for (const PlannedFile& file : kPlan) {
    if (file.name == name) return &file;
  }
  return nullptr;
}

const LineLayout& LayoutOf(const PlannedFile& file, std::string_view firstField) {
  for (const LineLayout* layout : file.lines) {
    if (layout->word.empty() || layout->word == firstField) return *layout;
  }
  return *file.lines.front();
}

std::string KeyOfLine(const LineLayout& layout, std::span<const std::string_view> fields) {
  std::string key;
  for (const std::size_t i : layout.indexesOf(FieldRole::kKey)) {
    if (i >= fields.size()) break;
    key.append(key.empty() ? "" : ", ").append(fields[i]);
  }
  return key;
}

}  // namespace skarvik

#include "check/forecast.h"

#include <set>
#include <string>

#include "check/database_facts.h"
#include "check/finding_list.h"
#include "check/hazards.h"
#include "export/balance_export.h"
#include "export/device_export.h"
#include "export/key_export.h"

namespace skarvik::check {
namespace {

using enum CursorKind;

// A sink that counts the lines of one file and shows them to the hazards.
class CountingSink : public LineSink {
 public:
  CountingSink(std::string_view file, Hazards& hazards) : file_(file), hazards_(hazards) {}
  void writeFields(std::span<const std::string_view> fields) override {
    hazards_.lineWritten(file_, ++lines_, fields);
  }
  long lines() const { return lines_; }
  std::string_view file() const { return file_; }

 private:
  std::string_view file_;
  Hazards& hazards_;
  long lines_ = 0;
};

// A one-row lookup under way: its key and whether a row came.
struct Lookup {
  bool open = false;
  bool found = false;
  std::string key;
};

// The rows reached by the lookups of one kind. A key looked up again finds
// the same rows again; they are counted once.
struct Reach {
  std::set<std::string> keys;
  bool counting = false;
  std::int64_t rows = 0;
};

class ForecastWatch : public CursorObserver {
 public:
  ForecastWatch(FindingList& findings, Hazards& hazards, Progress& progress)
      : findings_(findings), hazards_(hazards), progress_(progress) {}

  // The table export that runs next: the type table is asked for its
  // tables in the name of this word ("balance" or "key").
  void tablesOf(const char* word) { tableWord_ = word; }
  void finishLookups();
  std::int64_t reached(CursorKind kind) const { return reach(kind).rows; }

  void opened(CursorKind kind, std::string_view key) override;
  void fetched(CursorKind kind, std::span<const RawField> fields) override;
  void leftUnread(CursorKind kind, std::string_view key) override;

 private:
  Reach& reach(CursorKind kind) { return kind == kReader ? readers_ : positions_[kind == kTstPos]; }
  const Reach& reach(CursorKind kind) const {
    return kind == kReader ? readers_ : positions_[kind == kTstPos];
  }

  FindingList& findings_;
  Hazards& hazards_;
  Progress& progress_;
  const char* tableWord_ = "";
  Lookup communication_;
  Lookup assignment_;
  Reach readers_;
  Reach positions_[2];  // balance, key
};

void ForecastWatch::finishLookups() {
  if (communication_.open && !communication_.found) {
    findings_.add("forecast.no-communication-row", Severity::kWarning,
                  "terminals without a communication row: no TRM line, their readers are "
                  "still written",
                  "", {.file = "Device.dat", .key = communication_.key});
  }
  if (assignment_.open && !assignment_.found) {
    findings_.add(std::string("forecast.unassigned-") + tableWord_ + "-tables", Severity::kWarning,
                  std::string(tableWord_) +
                      " tables that no terminal type names: left out with "
                      "their positions",
                  "", {.key = assignment_.key});
  }
  communication_ = {};
  assignment_ = {};
}

void ForecastWatch::opened(CursorKind kind, std::string_view key) {
  if (kind == kComParm || kind == kGetTerm || kind == kReader) finishLookups();
  if (kind == kComParm) communication_ = {.open = true, .key = std::string(key)};
  if (kind == kGetTerm) assignment_ = {.open = true, .key = std::string(key)};
  if (kind == kReader || kind == kSldPos || kind == kTstPos) {
    // The line of the terminal or table before has been decided.
    hazards_.dropPending();
    Reach& r = reach(kind);
    r.counting = r.keys.insert(std::string(key)).second;
  }
}

void ForecastWatch::fetched(CursorKind kind, std::span<const RawField> fields) {
  progress_.rows(1);
  switch (kind) {
    case kTermAlt:
    case kVks114Tsm:
    case kSldKopf:
    case kTstKopf:
      finishLookups();
      hazards_.dropPending();
      hazards_.rowFetched(kind, fields, "");
      break;
    case kComParm:
      communication_.found = true;
      hazards_.rowFetched(kind, fields, communication_.key);
      break;
    case kGetTerm:  // its type is brought to a model string before use
      assignment_.found = true;
      break;
    case kReader:
    case kSldPos:
    case kTstPos:
      if (reach(kind).counting) ++reach(kind).rows;
      hazards_.rowFetched(kind, fields, "");
      break;
  }
}

void ForecastWatch::leftUnread(CursorKind kind, std::string_view key) {
  if (kind != kComParm) return;
  findings_.add("forecast.second-communication-row", Severity::kWarning,
                "second communication rows of a terminal: the first one wins", "",
                {.key = std::string(key)});
}

// Rows of a table that no lookup reaches, from the exact count of both.
void Unreached(Session& session, FindingList& findings, std::string_view table,
               std::int64_t reached, const char* id, const char* title) {
  if (const std::optional<std::int64_t> rows = CountRows(session, table)) {
    findings.addCount(id, Severity::kWarning, title, *rows - reached);
  }
}

// The export's own code, into one counting sink per file.
void RunExports(Session& session, ForecastWatch& watch, std::span<CountingSink> sinks,
                Progress& progress) {
  progress.phase("Device.dat");
  WriteDeviceLines(session, sinks[0]);
  watch.finishLookups();
  if (session.specialSource()) return;
  progress.phase("SldKopf.dat and SldPos.dat");
  watch.tablesOf("balance");
  WriteTablePair(session, kBalanceTables, sinks[1], sinks[2]);
  watch.finishLookups();
  progress.phase("TstKopf.dat and TstPos.dat");
  watch.tablesOf("key");
  WriteTablePair(session, kKeyTables, sinks[3], sinks[4]);
  watch.finishLookups();
}

// Lines per file and rows per table, and the rows no lookup reached.
Section Summarize(Session& session, const ForecastWatch& watch, std::span<CountingSink> sinks,
                  FindingList& findings) {
  Section section{.id = "forecast", .title = "Forecast per file"};
  for (const CountingSink& sink : sinks.first(session.specialSource() ? 1 : sinks.size())) {
    section.facts.push_back({std::string(sink.file()) + " lines", sink.lines()});
  }
  AddTableCounts(session, section);
  Unreached(session, findings, "Vks401Zls", watch.reached(kReader), "forecast.unreached-readers",
            "readers that no terminal's lookup reaches");
  if (!session.specialSource()) {
    Unreached(session, findings, "G2101SalLst", watch.reached(kSldPos),
              "forecast.unreached-balance-positions",
              "balance positions that no exported table's lookup reaches");
    Unreached(session, findings, "O2108Tta", watch.reached(kTstPos),
              "forecast.unreached-key-positions",
              "key positions that no exported table's lookup reaches");
  }
  section.findings = findings.take();
  return section;
}

}  // namespace

Forecast RunForecast(Session& session, std::size_t maxExamples, Progress& progress) {
  FindingList forecastFindings(maxExamples);
  FindingList hazardFindings(maxExamples);
  Hazards hazards(hazardFindings);
  ForecastWatch watch(forecastFindings, hazards, progress);
  CountingSink sinks[] = {{"Device.dat", hazards},
                          {"SldKopf.dat", hazards},
                          {"SldPos.dat", hazards},
                          {"TstKopf.dat", hazards},
                          {"TstPos.dat", hazards}};
  session.observeCursors(&watch);
  RunExports(session, watch, sinks, progress);
  hazards.dropPending();
  session.observeCursors(nullptr);
  progress.phase("counting rows");
  Forecast result{.forecast = Summarize(session, watch, sinks, forecastFindings),
                  .hazards = {.id = "hazards", .title = "Hazards per column"}};
  result.hazards.findings = hazardFindings.take();
  return result;
}

}  // namespace skarvik::check

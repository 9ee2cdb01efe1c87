#include "check/forecast.h"

#include <set>
#include <string>

#include "check/database_facts.h"
#include "check/finding_kinds.h"
#include "check/finding_list.h"
#include "check/hazards.h"
#include "db/cursor.h"
#include "export/export_plan.h"

namespace skarvik::check {
namespace {

using enum CursorKind;
using enum FindingId;

// A sink that counts the lines of one file and shows them to the hazards.
class CountingSink : public LineSink {
 public:
  CountingSink(const PlannedFile& file, Hazards& hazards) : file_(file), hazards_(hazards) {}
  void writeFields(std::span<const std::string_view> fields) override {
    hazards_.lineWritten(file_, ++lines_, fields);
  }
  long lines() const { return lines_; }
  const PlannedFile& file() const { return file_; }

 private:
  const PlannedFile& file_;
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

  // The files the export writes next; the type table is asked for their
  // kind of table.
  void writing(std::span<const PlannedFile> files) {
    finishLookups();
    files_ = files;
  }
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
  std::span<const PlannedFile> files_;
  Lookup communication_;
  Lookup assignment_;
  Reach readers_;
  Reach positions_[2];  // balance, key
};

void ForecastWatch::finishLookups() {
  if (communication_.open && !communication_.found) {
    findings_.add(MakeFinding(kNoCommunicationRow), "",
                  {.file = files_.front().name, .key = communication_.key});
  }
  if (assignment_.open && !assignment_.found) {
    findings_.add(MakeFinding(kUnassignedTables, {{"kind", files_.front().tables}}), "",
                  {.key = assignment_.key});
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
      hazards_.rowFetched(fields, "");
      break;
    case kComParm:
      communication_.found = true;
      hazards_.rowFetched(fields, communication_.key);
      break;
    case kGetTerm:  // its type is brought to a model string before use
      assignment_.found = true;
      break;
    case kReader:
    case kSldPos:
    case kTstPos:
      if (reach(kind).counting) ++reach(kind).rows;
      hazards_.rowFetched(fields, "");
      break;
  }
}

void ForecastWatch::leftUnread(CursorKind kind, std::string_view key) {
  if (kind != kComParm) return;
  findings_.add(MakeFinding(kSecondCommunicationRow), "", {.key = std::string(key)});
}

// Rows of the table kind reads that no lookup reaches, from the exact count
// of both.
void Unreached(Session& session, FindingList& findings, CursorKind kind, std::int64_t reached,
               FindingId which) {
  if (const std::optional<std::int64_t> rows = CountRows(session, TableRead(kind))) {
    findings.addCount(MakeFinding(which), *rows - reached);
  }
}

// The export's own code, into one counting sink per file.
void RunExports(Session& session, ForecastWatch& watch, std::span<CountingSink> sinks,
                Progress& progress) {
  for (const std::span<const PlannedFile> group : WriterGroups(session)) {
    progress.phase(NamesOf(group));
    watch.writing(group);
    std::vector<LineSink*> groupSinks;
    for (CountingSink& sink : sinks) {
      if (In(group, sink.file())) groupSinks.push_back(&sink);
    }
    WriteGroup(session, group, groupSinks);
  }
  watch.finishLookups();
}

// Lines per file and rows per table, and the rows no lookup reached.
Section Summarize(Session& session, const ForecastWatch& watch, std::span<CountingSink> sinks,
                  FindingList& findings) {
  Section section{.id = "forecast", .title = "Forecast per file"};
  for (const CountingSink& sink : sinks) {
    section.facts.push_back({std::string(sink.file().name) + " lines", sink.lines()});
  }
  AddTableCounts(session, section);
  Unreached(session, findings, kReader, watch.reached(kReader), kUnreachedReaders);
  if (RunsOn(kSldPos, session)) {
    Unreached(session, findings, kSldPos, watch.reached(kSldPos), kUnreachedBalancePositions);
  }
  if (RunsOn(kTstPos, session)) {
    Unreached(session, findings, kTstPos, watch.reached(kTstPos), kUnreachedKeyPositions);
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
  std::vector<CountingSink> sinks;
  sinks.reserve(ExportPlan().size());
  for (const PlannedFile& file : ExportPlan()) {
    if (WrittenOn(file, session)) sinks.emplace_back(file, hazards);
  }
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

#include "check/forecast.h"

#include <algorithm>
#include <string>
#include <vector>

#include "check/database_facts.h"
#include "check/finding_kinds.h"
#include "check/finding_list.h"
#include "check/forecast_watch.h"
#include "check/hazards.h"
#include "check/near_misses.h"
#include "check/record_checks.h"
#include "db/cursor.h"
#include "export/export_plan.h"

namespace skarvik::check {
namespace {

using enum CursorKind;
using enum FindingId;

// A sink that counts the records of one file and the lines the file will
// hold, and shows each line to the watch. A value's line feed is written
// as CR LF like every line end, so the import reads one more line for each.
class CountingSink : public LineSink {
 public:
  CountingSink(const PlannedFile& file, ForecastWatch& watch) : file_(file), watch_(watch) {}
  void writeFields(std::span<const std::string_view> fields) override {
    ++records_;
    watch_.lineWritten(file_, lines_ + 1, fields);
    ++lines_;
    for (const std::string_view field : fields) {
      lines_ += static_cast<long>(std::count(field.begin(), field.end(), '\n'));
    }
  }
  long records() const { return records_; }
  long lines() const { return lines_; }
  const PlannedFile& file() const { return file_; }

 private:
  const PlannedFile& file_;
  ForecastWatch& watch_;
  long records_ = 0;
  long lines_ = 0;
};

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
  WritePlannedLines(
      session,
      [&](const PlannedFile& file) -> LineSink& {
        return *std::find_if(sinks.begin(), sinks.end(),
                             [&](const CountingSink& sink) { return &sink.file() == &file; });
      },
      [&](std::span<const PlannedFile> group) {
        progress.phase(NamesOf(group));
        watch.writing(group);
      });
  watch.finishLookups();
}

// Records and lines per file and rows per table, and the rows no lookup
// reached.
Section Summarize(Session& session, const ForecastWatch& watch, std::span<CountingSink> sinks,
                  FindingList& findings) {
  Section section{.id = "forecast", .title = "Forecast per file"};
  for (const CountingSink& sink : sinks) {
    const std::string file = sink.file().name;
    section.facts.push_back({file + " records", sink.records()});
    section.facts.push_back({file + " lines", sink.lines()});
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
  RecordChecks records(forecastFindings);
  NearMisses nearMisses;
  ForecastWatch watch({.findings = forecastFindings,
                       .hazards = hazards,
                       .records = records,
                       .nearMisses = nearMisses,
                       .progress = progress});
  std::vector<CountingSink> sinks;
  sinks.reserve(ExportPlan().size());
  for (const PlannedFile& file : ExportPlan()) {
    if (WrittenOn(file, session)) sinks.emplace_back(file, watch);
  }
  session.observeCursors(&watch);
  RunExports(session, watch, sinks, progress);
  hazards.dropPending();
  session.observeCursors(nullptr);
  progress.phase("counting rows");
  nearMisses.report(session, forecastFindings);
  Forecast result{.forecast = Summarize(session, watch, sinks, forecastFindings),
                  .hazards = {.id = "hazards", .title = "Hazards per column"}};
  result.hazards.findings = hazardFindings.take();
  return result;
}

}  // namespace skarvik::check

#include "check/preflight/forecast.h"

#include <algorithm>
#include <string>
#include <vector>

#include "check/preflight/forecast_watch.h"
#include "check/preflight/hazards.h"
#include "check/preflight/near_misses.h"
#include "check/preflight/record_checks.h"
#include "check/report/finding_kinds.h"
#include "check/report/finding_list.h"
#include "check/source/database_facts.h"
#include "db/cursor.h"
#include "export/export_plan.h"
#include "export/line_format.h"

namespace skarvik::check {
namespace {

using enum CursorKind;
using enum FindingId;

// A sink that counts the records of one file and the lines the file will
// hold, and shows each line to the watch.
class CountingSink : public LineSink {
 public:
  CountingSink(const PlannedFile& file, ForecastWatch& watch) : file_(file), watch_(watch) {}
  void writeFields(std::span<const std::string_view> fields) override {
    ++records_;
    watch_.lineWritten(file_, lines_ + 1, fields);
    lines_ += static_cast<long>(FileLinesOf(fields));
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

// The query failures of the forecast: those after the first ones.
struct FailuresSince {
  const QueryFailures& failures;
  std::size_t first;
};

// Rows of the table kind reads that no lookup reaches, from the exact count
// of both; not counted when the lookups of kind failed, which reached
// nothing for that reason alone.
void Unreached(Session& session, const ForecastWatch& watch, const FailuresSince& failed,
               FindingList& findings, CursorKind kind, FindingId which) {
  if (!RunsOn(kind, session) || failed.failures.failedSince(failed.first, kind)) return;
  if (const std::optional<std::int64_t> rows = CountRows(session, TableRead(kind))) {
    findings.addCount(MakeFinding(which), *rows - watch.reached(kind));
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
                  const FailuresSince& failed, FindingList& findings) {
  Section section{.id = "forecast", .title = "Forecast per file"};
  for (const CountingSink& sink : sinks) {
    const std::string file = sink.file().name;
    section.facts.push_back({file + " records", sink.records()});
    section.facts.push_back({file + " lines", sink.lines()});
  }
  AddTableCounts(session, section);
  Unreached(session, watch, failed, findings, kReaders, kUnreachedReaders);
  Unreached(session, watch, failed, findings, kBalancePositions, kUnreachedBalancePositions);
  Unreached(session, watch, failed, findings, kKeyPositions, kUnreachedKeyPositions);
  section.findings = findings.take();
  return section;
}

}  // namespace

Forecast RunForecast(Session& session, std::size_t maxExamples, const QueryFailures& failures,
                     Progress& progress) {
  FindingList forecastFindings(maxExamples);
  FindingList hazardFindings(maxExamples);
  Hazards hazards(hazardFindings);
  RecordChecks records(forecastFindings);
  EmptyKeys emptyKeys(forecastFindings);
  NearMisses nearMisses;
  ForecastWatch watch({.findings = forecastFindings,
                       .hazards = hazards,
                       .records = records,
                       .emptyKeys = emptyKeys,
                       .nearMisses = nearMisses,
                       .progress = progress});
  std::vector<CountingSink> sinks;
  sinks.reserve(ExportPlan().size());
  for (const PlannedFile& file : ExportPlan()) {
    if (WrittenOn(file, session)) sinks.emplace_back(file, watch);
  }
  session.observeCursors(&watch);
  const FailuresSince failed{.failures = failures, .first = failures.count()};
  RunExports(session, watch, sinks, progress);
  failures.report(failed.first, forecastFindings);
  watch.dropPending();
  session.observeCursors(nullptr);
  progress.phase("counting rows");
  nearMisses.report(session, forecastFindings);
  Forecast result{.forecast = Summarize(session, watch, sinks, failed, forecastFindings),
                  .hazards = {.id = "hazards", .title = "Hazards per column"}};
  result.hazards.findings = hazardFindings.take();
  return result;
}

}  // namespace skarvik::check

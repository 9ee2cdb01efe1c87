#include "check/preflight/preflight.h"

#include "check/preflight/driver_fitness.h"
#include "check/preflight/forecast.h"
#include "check/preflight/source_section.h"

namespace skarvik::check {

void AddPreflightSections(Session& session, std::size_t maxExamples, const QueryFailures& failures,
                          Progress& progress, Report& report) {
  progress.phase("driver fitness");
  report.sections.push_back(DriverSection(session, failures));
  Forecast forecast = RunForecast(session, maxExamples, failures, progress);
  report.sections.push_back(std::move(forecast.forecast));
  report.sections.push_back(std::move(forecast.hazards));
  report.sections.push_back(PurgeSection(session));
}

}  // namespace skarvik::check

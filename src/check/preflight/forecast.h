// The forecast of a migration: the export's own queries run through the
// export's own code, on this very database, into sinks that count instead of
// writing. A watch on the session's cursors sees what never becomes a line:
// terminals whose communication row is not found, the rows a lookup leaves
// unread, tables that no terminal type names, and how many readers and
// positions the lookups reach. The counts are exact because nothing is
// re-implemented: the database answers the export's queries with its own
// comparison rules.
#pragma once

#include "check/report/progress.h"
#include "check/report/report.h"
#include "check/source/query_failures.h"
#include "db/session.h"

namespace skarvik::check {

struct Forecast {
  Section forecast;  // rows, lines, and the rows that will not become lines
  Section hazards;   // the values the import will misread
};

// Every query failure on the way is a finding of the forecast: the files
// it feeds are forecast short.
Forecast RunForecast(Session& session, std::size_t maxExamples, const QueryFailures& failures,
                     Progress& progress);

}  // namespace skarvik::check

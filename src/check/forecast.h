// The forecast of a migration: the export's own queries run through the
// export's own code, on this very database, into sinks that count instead of
// writing. A watch on the session's cursors sees what never becomes a line:
// terminals whose communication row is not found, the rows a lookup leaves
// unread, tables that no terminal type names, and how many readers and
// positions the lookups reach. The counts are exact because nothing is
// re-implemented: the database answers the export's queries with its own
// comparison rules.
#pragma once

#include "check/progress.h"
#include "check/report.h"
#include "db/session.h"

namespace skarvik::check {

struct Forecast {
  Section forecast;  // rows, lines, and the rows that will not become lines
  Section hazards;   // the values the import will misread
};

Forecast RunForecast(Session& session, std::size_t maxExamples, Progress& progress);

}  // namespace skarvik::check

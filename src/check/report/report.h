// What skarvik-check found, before it is shown.
//
// A report is a list of sections in a fixed order, each with facts (plain
// values: a name and a text or a number) and findings (checks with a
// severity, an exact count and a few examples). The checks fill it in; the
// renderers (text for a console, JSON for a script) show it; the verdict and
// the exit code are taken from it only once it is complete. Texts that come
// from the database are kept as their ISO-8859-1 bytes; each renderer shows
// them in its own way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace skarvik::check {

enum class Severity { kInfo, kWarning, kError, kBlocker };

// One occurrence behind a finding, as far as it is known.
struct Example {
  std::string file;    // "Device.dat", or empty
  long line = 0;       // 1-based line of that file, 0 when none
  std::string key;     // the record's key, as stored
  std::string column;  // the column (or the file's field) concerned
  std::string value;   // the value as stored, or as the export would write it
  // verify: the value the file holds instead, also when it is empty
  std::optional<std::string> other;
  std::string effect;  // what the newer system's import will see
};

struct Finding {
  std::string id;  // stable check id, such as "hazard.comma"
  Severity severity = Severity::kInfo;
  std::string title;  // one line
  std::int64_t count = 0;
  // For checks that pass or fail (the driver's fitness): true or false;
  // empty for counts.
  std::variant<std::monostate, bool> passed;
  std::vector<Example> examples;  // at most the --examples cap
};

struct Fact {
  std::string name;
  std::variant<std::string, std::int64_t> value;
};

struct Section {
  std::string id;     // "environment", "source", "driver", "forecast", "hazards", "purge", "files"
  std::string title;  // "Where it runs"
  std::vector<Fact> facts;
  std::vector<Finding> findings;
};

struct Report {
  std::string command;     // "preflight" or "verify"
  std::string dataSource;  // as given
  std::vector<Section> sections;
};

struct Verdict {
  std::int64_t blockers = 0;
  std::int64_t errors = 0;
  std::int64_t warnings = 0;
};

// The severity a finding counts with and is shown with: its own, but info
// for a check that passed and for a count that found nothing, so that a
// check may be listed whatever its outcome.
Severity SeverityOf(const Finding& finding);

// "1 blocker", "0 blockers", "2 warnings".
std::string Counted(std::int64_t count, const char* noun);

// "blocker", "error", "warning" or "info".
const char* SeverityName(Severity severity);

// Counts the findings of warning severity and above (a passed check is
// info and counts nothing).
Verdict VerdictOf(const Report& report);

// "preflight: 1 blocker, 3 errors, 2 warnings"
std::string VerdictLine(const Report& report);

// The exit status of skarvik-check, set once the whole report is written.
enum CheckExit : int {
  kCheckPassed = 0,     // no finding at or above the --fail-on level
  kCheckFindings = 1,   // findings at or above it
  kCheckCannotRun = 2,  // a wrong command line, no usable settings, no connection
};

// kCheckFindings when any finding is at or above failOn, else kCheckPassed.
CheckExit CheckExitOf(const Report& report, Severity failOn);

}  // namespace skarvik::check

// The command line of skarvik-check: which check, on which data source, and
// how its report is shown; or which findings to explain.
//
//   skarvik-check preflight <Odbc-Quelle> [--format text|json] [--quiet]
//                 [--fail-on blocker|error|warning] [--examples N]
//   skarvik-check verify <Odbc-Quelle> [the same options]
//   skarvik-check findings [ID] [--format text|json]
//
// Parsing never exits the program itself: it hands back either the options
// or the exit code to end with at once (kCheckPassed after --help or
// --version, whose text went to out; kCheckCannotRun after a wrong command
// line, whose message went to err), so that main decides and a test can look at both.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "check/report/report.h"

namespace skarvik::check {

struct CheckOptions {
  enum class Command { kPreflight, kVerify, kFindings, kRepair };
  enum class Format { kText, kJson };
  Command command = Command::kPreflight;
  std::string dataSource;                // the checks
  std::optional<std::string> findingId;  // findings: the one asked for, as given
  Format format = Format::kText;
  bool quiet = false;
  Severity failOn = Severity::kError;
  int examples = 5;  // the cap of examples per finding, 0 or more
  // repair
  std::string output;     // the script's file; "" for standard output
  std::string applyFile;  // a reviewed script to apply; "" to plan only
  bool yes = false;       // apply without asking
  char comma = ';';       // what a comma in a value becomes
};

struct ParsedCommandLine {
  std::optional<CheckOptions> options;  // empty: exit at once with exitCode
  int exitCode = 0;
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err);

}  // namespace skarvik::check

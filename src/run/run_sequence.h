// The run of Skarvik: command line, start line, session, the exports in
// their fixed order, the optional purge, end line and exit code. Nothing is
// retried and no export is skipped because an earlier one failed; the exit
// code tells afterwards what went wrong. This is the one room that knows
// all the others, and the one place where results become the system's
// integers.
#pragma once

namespace skarvik {

// The exit status of skarvik.
enum SkarvikExit : int {
  kExitOk = 0,
  kExitQueryFailed = 1,  // a query failure stands in the run log
  kExitFileFailed = 90,  // an output file could not be created or written
  kExitNotStarted = -1,  // parameter error or failed connection
};

// Runs the whole migration; the result is the process's exit code.
int RunSkarvik(int argc, char* argv[]);

}  // namespace skarvik

#include "run/run_sequence.h"

#include <cstring>

#include "base/text_stream.h"
#include "db/session.h"
#include "export/export_plan.h"
#include "export/purge_rule.h"
#include "run/purge.h"
#include "run/run_log.h"
#include "run/usage.h"
#include "site/login.h"

namespace skarvik {
namespace {

constexpr char kStartLine[] =
    "\n>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>Import Skarvik gestartet:";
constexpr char kEndLine[] =
    "\n<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<Import Skarvik beendet:";

bool IsDebugOption(char* argument) { return std::strcmp(StrUpper(argument), "/D") == 0; }

// Every export runs whatever the one before returned; a file that was not
// written whole outweighs a failure in the run log.
SkarvikExit SkarvikExitOf(bool filesWritten, const Session& session) {
  if (!filesWritten) return kExitFileFailed;
  return session.queryFailures() > 0 ? kExitQueryFailed : kExitOk;
}

// Every file of the plan that this session writes, in plan order; false
// unless every one was written whole. The purge empties the table the
// device export has just read: only a whole Device.dat, with no query
// failure, holds what it deletes, so anything less leaves it.
bool ExportAll(Session& session) {
  bool filesWritten = true;
  for (const std::span<const PlannedFile> group : WriterGroups(session)) {
    const bool whole = ExportFiles(session, group);
    filesWritten = whole && filesWritten;
    if (ReadsPurgedTable(group) && whole && session.queryFailures() == 0 &&
        PurgesCommunicationTable(session)) {
      SQL_DeleteComParm(session);
    }
  }
  return filesWritten;
}

}  // namespace

int RunSkarvik(int argc, char* argv[]) {
  if (argc < 2) {
    PrintUsage();
    return kExitNotStarted;
  }
  const bool debugFlag = argc > 2 && IsDebugOption(argv[2]);
  RunLog log;
  log.append(kStartLine);

  Session session(log, debugFlag);
  if (!session.OpenSourceDb(argv[1], &LookUpLogin)) {
    log.append(
        Format("Verbinden mit Quell-Datenbank fehlgeschlagen, Fehler: %d", kConnectionFailed));
    return kExitNotStarted;
  }
  const bool filesWritten = ExportAll(session);
  session.SQL_CloseConnection();
  log.append(kEndLine);
  return SkarvikExitOf(filesWritten, session);
}

}  // namespace skarvik

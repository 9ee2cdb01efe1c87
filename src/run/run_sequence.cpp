#include "run/run_sequence.h"

#include <cstring>

#include "base/text_stream.h"
#include "db/session.h"
#include "export/balance_export.h"
#include "export/device_export.h"
#include "export/key_export.h"
#include "run/login.h"
#include "run/purge.h"
#include "run/run_log.h"
#include "run/usage.h"

namespace skarvik {
namespace {

constexpr char kStartLine[] =
    "\n>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>Import Skarvik gestartet:";
constexpr char kEndLine[] =
    "\n<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<Import Skarvik beendet:";

bool IsDebugOption(char* argument) { return std::strcmp(StrUpper(argument), "/D") == 0; }

// Every export runs whatever the one before returned; a file that was not
// written whole outweighs a failure in the run log.
int ExitCodeOf(bool filesWritten, const Session& session) {
  if (!filesWritten) return kExitFileFailed;
  return session.queryFailures() > 0 ? kExitQueryFailed : kExitOk;
}

}  // namespace

int RunSkarvik(int argc, char* argv[]) {
  if (argc < 2) {
    PrintUsage();
    return kExitNotStarted;
  }
  const bool debugFlag = argc > 2 && IsDebugOption(argv[2]);
  RunLog log;
  log.writeLine(kStartLine);

  Session session(log, debugFlag);
  const int opened = session.OpenSourceDb(argv[1], &LookUpLogin);
  if (opened != 0) {
    log.writeLine(Format("Verbinden mit Quell-Datenbank fehlgeschlagen, Fehler: %d", opened));
    return opened;
  }
  bool filesWritten = ExportDevices(session);
  // The purge empties the table the device export has just read. Only a
  // whole Device.dat holds what it deletes, so anything less leaves it.
  const bool devicesWhole = filesWritten && session.queryFailures() == 0;
  if (devicesWhole && PurgesCommunicationTable(session.dbSystem().view())) {
    SQL_DeleteComParm(session);
  }
  if (!session.specialSource()) {
    filesWritten = ExportBalanceTables(session) && filesWritten;
    filesWritten = ExportKeyTables(session) && filesWritten;
  }
  session.SQL_CloseConnection();
  log.writeLine(kEndLine);
  return ExitCodeOf(filesWritten, session);
}

}  // namespace skarvik

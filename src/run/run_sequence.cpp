#include "run/run_sequence.h"

#include <cstring>

#include "db/session.h"
#include "export/balance_export.h"
#include "export/device_export.h"
#include "export/key_export.h"
#include "export/output_file.h"
#include "run/purge.h"
#include "run/run_log.h"
#include "run/text_stream.h"
#include "run/usage.h"

namespace skarvik {
namespace {

constexpr char kStartLine[] =
    "\n>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>Import Skarvik gestartet:";
constexpr char kEndLine[] =
    "\n<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<Import Skarvik beendet:";

bool IsDebugOption(char* argument) { return std::strcmp(StrUpper(argument), "/D") == 0; }

bool NeedsPurge(Text<41>& dbSystem) {
  StrUpper(dbSystem.data());
  return dbSystem == "MSSQL" || dbSystem == "SQLSERVER";
}

// Every export runs whatever the one before returned; the worst of them
// decides the exit code together with the failures in the run log.
class RunOutcome {
 public:
  void note(int exportResult) { fileFailed_ = fileFailed_ || exportResult == kOutputFileFailed; }
  int exitCode(const Session& session) const {
    if (fileFailed_) return kExitFileFailed;
    return session.queryFailures() > 0 ? kExitQueryFailed : kExitOk;
  }

 private:
  bool fileFailed_ = false;
};

}  // namespace

int RunSkarvik(int argc, char* argv[]) {
  if (argc < 2) {
    PrintUsage();
    return kExitNotStarted;
  }
  const bool debugFlag = argc > 2 && IsDebugOption(argv[2]);
  WriteLog(kStartLine);

  Session session(debugFlag);
  const int opened = session.OpenSourceDb(argv[1]);
  if (opened != 0) {
    WriteLog(Format("Verbinden mit Quell-Datenbank fehlgeschlagen, Fehler: %d", opened));
    return opened;
  }
  if (NeedsPurge(session.dbSystem())) SQL_DeleteComParm(session);

  RunOutcome outcome;
  outcome.note(ExportDevices(session));
  if (!session.specialSource()) {
    outcome.note(ExportBalanceTables(session));
    outcome.note(ExportKeyTables(session));
  }
  session.SQL_CloseConnection();
  WriteLog(kEndLine);
  return outcome.exitCode(session);
}

}  // namespace skarvik

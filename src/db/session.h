// The one ODBC connection of a run.
//
// A Session owns the environment and the connection handle (declared in this
// order, so the connection is released first). It chooses the login: the
// built-in one for the special data source "KELVARION_VK", for every other
// source the one its caller looks up (the run sequence reads the settings
// file). It also records which kind of source is in use, which decides the
// table-name form and the concurrency of every query and which exports run.
//
// The session is handed the run log. Every query failure of the run is
// written there through the session, which counts them, so that the run can
// end with an honest exit code. Cursors borrow the session: it must outlive
// them, and the log must outlive the session.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "base/log_sink.h"
#include "base/text.h"
#include "db/cursor_observer.h"
#include "db/diagnostics.h"
#include "db/odbc.h"
#include "db/odbc_handle.h"

namespace skarvik {

inline constexpr char kSpecialDataSource[] = "KELVARION_VK";
// The user name of the special data source's built-in login.
inline constexpr char kBuiltInUser[] = "Kelvarion";
// The longest data source name the old system takes; a longer one is not
// connected at all.
inline constexpr std::size_t kMaxDataSourceName = 40;

// Whether a data source name, in any letter case, is the special one.
bool IsSpecialDataSource(std::string_view dataSourceName);

// The number a failed connection shows after "Fehler:", on the console and
// in the run log, as the old system showed it.
inline constexpr int kConnectionFailed = -1;

// The login of an ordinary data source and the database system it runs on.
struct Login {
  Text<200> userName;
  Text<200> password;
  Text<41> dbSystem;
};

// Fills in the login of an ordinary data source.
using LoginLookup = std::function<void(Login&)>;

// A query failure as the session logged it: the two lines of the run log.
struct LoggedFailure {
  std::string_view tag;
  std::string_view errorLine;      // "     TAG, ERROR: n, message"
  std::string_view statementLine;  // "     sqlStmt : text"
};

// Hears of every query failure the session logs. The run needs none: its
// log has the lines. A companion that must not pass over a failure does.
class FailureListener {
 public:
  virtual ~FailureListener() = default;
  virtual void failed(const LoggedFailure& failure) = 0;
};

class Session {
 public:
  explicit Session(LogSink& log, bool debugFlag = false) : log_(log), debugFlag_(debugFlag) {}
  ~Session() { SQL_CloseConnection(); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Upper-cases dataSourceName in place and connects; true when connected.
  // lookUpLogin is asked only for an ordinary data source. A failure is
  // shown on the console.
  bool OpenSourceDb(char* dataSourceName, const LoginLookup& lookUpLogin);

  enum class Connect { kConnected, kNameTooLong, kRefused };
  // OpenSourceDb without a word on the console; a refusal leaves the
  // driver's account in connectDiag().
  Connect connect(char* dataSourceName, const LoginLookup& lookUpLogin);
  const DiagRecord& connectDiag() const { return connectDiag_; }
  // Asks the driver for a read-only connection; before connect().
  void requestReadOnly() { readOnly_ = true; }
  // Every cursor of the session reports to observer from now on; nullptr
  // stops it. The observer must outlive the cursors.
  void observeCursors(CursorObserver* observer) { observer_ = observer; }
  CursorObserver* cursorObserver() const { return observer_; }
  // Every failure logged from now on is also told to listener; nullptr
  // stops it. The listener must outlive the session.
  void listenToFailures(FailureListener* listener) { failureListener_ = listener; }
  // True when connected; a refusal leaves the driver's account in
  // connectDiag() and, with the debug flag, on the console.
  bool SQL_OpenConnection(const char* userName, const char* password, const char* dataSourceName);
  void SQL_CloseConnection();

  SQLHDBC hDbc() const { return dbc_.get(); }
  bool specialSource() const { return specialSource_; }
  bool unqualifiedNames() const { return unqualifiedNames_; }
  const Text<41>& dbSystem() const { return dbSystem_; }

  LogSink& log() { return log_; }
  // Writes the two failure lines of a query to the run log and counts them.
  void logQueryFailure(std::string_view tag, long number, std::string_view message,
                       std::string_view stmtText);
  int queryFailures() const { return queryFailures_; }

 private:
  LogSink& log_;
  bool debugFlag_;
  EnvHandle env_;
  DbcHandle dbc_;
  bool connected_ = false;
  bool specialSource_ = false;
  bool unqualifiedNames_ = false;
  Text<41> dbSystem_;
  int queryFailures_ = 0;
  bool readOnly_ = false;
  DiagRecord connectDiag_;
  CursorObserver* observer_ = nullptr;
  FailureListener* failureListener_ = nullptr;
};

}  // namespace skarvik

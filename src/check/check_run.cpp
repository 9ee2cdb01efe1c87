#include "check/check_run.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "base/platform.h"
#include "check/database_facts.h"
#include "check/driver_fitness.h"
#include "check/environment.h"
#include "check/finding_kinds.h"
#include "check/forecast.h"
#include "check/json_report.h"
#include "check/text_report.h"
#include "check/verify.h"
#include "db/sql_text.h"
#include "site/login.h"
#include "skarvik_version.h"

namespace skarvik::check {
namespace {

// The check's own run log: the failure lines of the export's queries are
// shown in the report, and the real run log is left alone.
class FailureLines : public LogSink {
 public:
  void writeLine(std::string_view text) override { lines.emplace_back(text); }
  std::vector<std::string> lines;
};

std::string LocalTime() {
  const std::time_t now = std::time(nullptr);
  char text[32] = "";
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
  return text;
}

std::string LoginName(bool specialSource) {
  if (specialSource) return "Kelvarion (the built-in login)";
  Login login;
  LookUpLogin(login);
  login.password.wipe();
  return std::string(login.userName.view());
}

Section SourceSection(Session& session, const CheckOptions& options) {
  Section section{.id = "source", .title = "Source"};
  auto fact = [&](const char* name, std::string value) { section.facts.push_back({name, value}); };
  fact("data source", options.dataSource);
  fact("driver", InfoText(session, SQL_DRIVER_NAME));
  fact("driver version", InfoText(session, SQL_DRIVER_VER));
  fact("database system", InfoText(session, SQL_DBMS_NAME));
  fact("database version", InfoText(session, SQL_DBMS_VER));
  fact("login", LoginName(session.specialSource()));
  fact("DB_SYSTEM", std::string(session.dbSystem().view()));
  fact("program", std::string("skarvik-check ") + kSkarvikVersion);
  fact("time", LocalTime());
  return section;
}

Section PurgeSection(Session& session) {
  Section section{.id = "purge", .title = "The purge"};
  if (!PurgesCommunicationTable(session)) {
    section.facts.push_back({"purge", std::string("none: the run deletes nothing")});
    return section;
  }
  const std::string_view table = TableRead(CursorKind::kComParm);
  Finding purge = MakeFinding(FindingId::kPurge, {{"table", TableName(table, false)}});
  purge.count = CountRows(session, table).value_or(0);
  section.findings.push_back(std::move(purge));
  return section;
}

Section ConnectionFailed(const Session& session, Session::Connect outcome) {
  Section section{.id = "source", .title = "Source"};
  std::string detail = "the data source name is longer than 40 characters";
  if (outcome == Session::Connect::kRefused) {
    detail = std::string(session.connectDiag().sqlState.c_str()) + " " +
             session.connectDiag().message.c_str();
  }
  Finding failed = MakeFinding(FindingId::kConnection);
  failed.count = 1;
  failed.examples.push_back({.effect = detail});
  section.findings.push_back(std::move(failed));
  return section;
}

void Render(const Report& report, const CheckOptions& options, std::ostream& out) {
  if (options.format == CheckOptions::Format::kJson) {
    WriteJsonReport(report, options.quiet, out);
  } else {
    WriteTextReport(report, options.quiet, out);
  }
  out.flush();
}

void AddSections(Session& session, const CheckOptions& options, const FailureLines& log,
                 Report& report) {
  Progress progress(stderr, IsTerminal(stderr));
  report.sections.push_back(SourceSection(session, options));
  const auto examples = static_cast<std::size_t>(options.examples);
  if (options.command == CheckOptions::Command::kVerify) {
    report.sections.push_back(
        RunVerify(session, examples, PurgesCommunicationTable(session), progress));
    progress.finish();
    return;
  }
  progress.phase("driver fitness");
  report.sections.push_back(DriverSection(session, log.lines));
  Forecast forecast = RunForecast(session, examples, progress);
  report.sections.push_back(std::move(forecast.forecast));
  report.sections.push_back(std::move(forecast.hazards));
  report.sections.push_back(PurgeSection(session));
  progress.finish();
}

}  // namespace

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& /*err*/) {
  Report report{
      .command = options.command == CheckOptions::Command::kVerify ? "verify" : "preflight",
      .dataSource = options.dataSource};
  std::string name = options.dataSource;
  report.sections.push_back(EnvironmentSection(IsSpecialDataSource(name)));

  FailureLines log;
  Session session(log);
  session.requestReadOnly();
  const Session::Connect outcome = session.connect(name.data(), &LookUpLogin);
  if (outcome != Session::Connect::kConnected) {
    report.sections.push_back(ConnectionFailed(session, outcome));
    Render(report, options, out);
    return kCheckCannotRun;
  }
  AddSections(session, options, log, report);
  session.SQL_CloseConnection();
  Render(report, options, out);
  return ExitCodeOf(report, options.failOn);
}

}  // namespace skarvik::check

#include "check/check_run.h"

#include "base/platform.h"
#include "check/preflight/environment.h"
#include "check/preflight/preflight.h"
#include "check/preflight/source_section.h"
#include "check/repair/repair.h"
#include "check/report/json_report.h"
#include "check/report/text_report.h"
#include "check/source/query_failures.h"
#include "check/verify/verify.h"
#include "site/login.h"

namespace skarvik::check {
namespace {

void Render(const Report& report, const CheckOptions& options, std::ostream& out) {
  if (options.format == CheckOptions::Format::kJson) {
    WriteJsonReport(report, options.quiet, out);
  } else {
    WriteTextReport(report, options.quiet, out);
  }
  out.flush();
}

void AddSections(Session& session, const CheckOptions& options, const QueryFailures& failures,
                 Report& report) {
  Progress progress(stderr, IsTerminal(stderr));
  report.sections.push_back(SourceSection(session, options.dataSource));
  const auto examples = static_cast<std::size_t>(options.examples);
  if (options.command == CheckOptions::Command::kVerify) {
    report.sections.push_back(RunVerify(session, examples, failures, progress));
  } else {
    AddPreflightSections(session, examples, failures, progress, report);
  }
  progress.finish();
}

}  // namespace

int RunRepairCheck(const CheckOptions& options, std::ostream& out, std::ostream& err) {
  std::string name = options.dataSource;
  if (IsSpecialDataSource(name)) {
    err << "skarvik-check repair: " << kSpecialDataSource
        << " reads its tables without VKSYSTEM. through read-only cursors; repair the "
           "database through an ordinary data source\n";
    return kCheckCannotRun;
  }
  QueryFailures failures;
  Session session(failures);
  if (options.applyFile.empty()) session.requestReadOnly();
  if (session.connect(name.data(), &LookUpLogin) != Session::Connect::kConnected) {
    err << "skarvik-check repair: the connection to " << options.dataSource
        << " failed: " << Described(session.connectDiag()) << "\n";
    return kCheckCannotRun;
  }
  const RepairResult result = RunRepair(session,
                                        {.dataSource = options.dataSource,
                                         .output = options.output,
                                         .applyFile = options.applyFile,
                                         .yes = options.yes,
                                         .comma = options.comma,
                                         .json = options.format == CheckOptions::Format::kJson},
                                        out, err);
  session.SQL_CloseConnection();
  if (!result.applied) return result.exit;
  CheckOptions after = options;
  after.command = CheckOptions::Command::kPreflight;
  return RunCheck(after, out);
}

int RunCheck(const CheckOptions& options, std::ostream& out) {
  Report report{
      .command = options.command == CheckOptions::Command::kVerify ? "verify" : "preflight",
      .dataSource = options.dataSource};
  std::string name = options.dataSource;
  report.sections.push_back(EnvironmentSection(IsSpecialDataSource(name)));

  QueryFailures failures;
  Session session(failures);
  session.listenToFailures(&failures);
  session.requestReadOnly();
  const Session::Connect outcome = session.connect(name.data(), &LookUpLogin);
  if (outcome != Session::Connect::kConnected) {
    report.sections.push_back(ConnectionFailedSection(session, outcome));
    Render(report, options, out);
    return kCheckCannotRun;
  }
  AddSections(session, options, failures, report);
  session.SQL_CloseConnection();
  Render(report, options, out);
  return CheckExitOf(report, options.failOn);
}

}  // namespace skarvik::check

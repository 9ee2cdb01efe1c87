#include "check/preflight/source_section.h"

#include <ctime>

#include "check/report/finding_kinds.h"
#include "check/source/database_facts.h"
#include "db/sql_text.h"
#include "export/purge_rule.h"
#include "site/login.h"
#include "skarvik_version.h"

namespace skarvik::check {
std::string LocalTime() {
  const std::time_t now = std::time(nullptr);
  char text[32] = "";
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
  return text;
}

namespace {

std::string LoginName(bool specialSource) {
  if (specialSource) return std::string(kBuiltInUser) + " (the built-in login)";
  Login login;
  LookUpLogin(login);
  login.password.wipe();
  return std::string(login.userName.view());
}

}  // namespace

Section SourceSection(Session& session, const std::string& dataSource) {
  Section section{.id = "source", .title = "Source"};
  auto fact = [&](const char* name, std::string value) { section.facts.push_back({name, value}); };
  fact("data source", dataSource);
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
  Finding purge = MakeFinding(FindingId::kPurge, {{"table", TableName(PurgedTable(), false)}});
  purge.count = CountRows(session, PurgedTable()).value_or(0);
  section.findings.push_back(std::move(purge));
  return section;
}

Section ConnectionFailedSection(const Session& session, Session::Connect outcome) {
  Section section{.id = "source", .title = "Source"};
  std::string detail =
      "the data source name is longer than " + std::to_string(kMaxDataSourceName) + " characters";
  if (outcome == Session::Connect::kRefused) {
    detail = Described(session.connectDiag());
  }
  Finding failed = MakeFinding(FindingId::kConnection);
  failed.count = 1;
  failed.examples.push_back({.effect = detail});
  section.findings.push_back(std::move(failed));
  return section;
}

}  // namespace skarvik::check

#include "check/repair/repair_json.h"

#include <nlohmann/json.hpp>

#include "check/repair/script.h"
#include "check/report/escape.h"

namespace skarvik::check {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kFormatVersion = 1;

Json Texts(const std::vector<std::string>& texts) {
  Json json = Json::array();
  for (const std::string& text : texts) json.push_back(Latin1ToUtf8(text));
  return json;
}

Json StatementsJson(DatabaseSystem system, const std::vector<Statement>& statements) {
  Json json = Json::array();
  for (const Statement& s : statements) {
    json.push_back({{"sql", Latin1ToUtf8(StatementLine(system, s))}, {"rows", s.rows}});
  }
  return json;
}

Json FixJson(DatabaseSystem system, const Fix& fix) {
  return {{"finding", fix.findingId},
          {"table", fix.table},
          {"key", Latin1ToUtf8(fix.key)},
          {"column", fix.column},
          {"old", Latin1ToUtf8(fix.oldValue)},
          {"new", Latin1ToUtf8(fix.newValue)},
          {"rules", fix.rules},
          {"notes", Texts(fix.notes)},
          {"statements", StatementsJson(system, fix.statements)}};
}

Json TemplateJson(DatabaseSystem system, const Template& t) {
  return {{"finding", t.findingId},         {"table", t.table},
          {"key", Latin1ToUtf8(t.key)},     {"column", t.column},
          {"value", Latin1ToUtf8(t.value)}, {"why", Latin1ToUtf8(t.why)},
          {"lines", Texts(t.lines)},        {"statements", StatementsJson(system, t.statements)}};
}

Json CutJson(const CutValue& cut) {
  return {{"table", cut.table},
          {"key", Latin1ToUtf8(cut.key)},
          {"column", cut.column},
          {"value", Latin1ToUtf8(cut.value)},
          {"written", Latin1ToUtf8(cut.written)},
          {"holds", cut.holds}};
}

}  // namespace

void WriteRepairJson(const RepairPlan& plan, DatabaseSystem system, const std::string& dataSource,
                     std::ostream& out) {
  Json fixes = Json::array();
  for (const Fix& fix : plan.fixes) fixes.push_back(FixJson(system, fix));
  Json cuts = Json::array();
  for (const CutValue& cut : plan.cuts) cuts.push_back(CutJson(cut));
  Json templates = Json::array();
  for (const Template& t : plan.templates) templates.push_back(TemplateJson(system, t));
  const Json document = {{"format", "skarvik-check-repair"},
                         {"formatVersion", kFormatVersion},
                         {"dataSource", Latin1ToUtf8(dataSource)},
                         {"statements", plan.statementCount()},
                         {"fixes", std::move(fixes)},
                         {"cuts", std::move(cuts)},
                         {"templates", std::move(templates)}};
  out << document.dump(2) << '\n';
}

}  // namespace skarvik::check

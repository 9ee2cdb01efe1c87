#include "check/report/json_report.h"

#include <nlohmann/json.hpp>

#include "check/report/escape.h"

namespace skarvik::check {

namespace {

using Json = nlohmann::ordered_json;

constexpr int kFormatVersion = 1;

Json ExampleJson(const Example& example) {
  Json json = Json::object();
  const auto text = [&json](const char* name, const std::string& value) {
    if (!value.empty()) json[name] = Latin1ToUtf8(value);
  };
  text("file", example.file);
  if (example.line > 0) json["line"] = example.line;
  text("key", example.key);
  text("column", example.column);
  text("value", example.value);
  if (example.other) json["other"] = Latin1ToUtf8(*example.other);
  text("effect", example.effect);
  return json;
}

Json FindingJson(const Finding& finding) {
  Json json = {{"id", Latin1ToUtf8(finding.id)},
               {"severity", SeverityName(SeverityOf(finding))},
               {"title", Latin1ToUtf8(finding.title)},
               {"count", finding.count}};
  if (const bool* passed = std::get_if<bool>(&finding.passed)) json["passed"] = *passed;
  json["examples"] = Json::array();
  for (const Example& example : finding.examples) json["examples"].push_back(ExampleJson(example));
  return json;
}

Json FactsJson(const std::vector<Fact>& facts) {
  Json json = Json::object();
  for (const Fact& fact : facts) {
    Json& value = json[Latin1ToUtf8(fact.name)];
    if (const auto* text = std::get_if<std::string>(&fact.value)) {
      value = Latin1ToUtf8(*text);
    } else {
      value = std::get<std::int64_t>(fact.value);
    }
  }
  return json;
}

// Empty when quiet leaves nothing of the section.
std::optional<Json> SectionJson(const Section& section, bool quiet) {
  Json findings = Json::array();
  for (const Finding& finding : section.findings) {
    if (!quiet || SeverityOf(finding) >= Severity::kError) findings.push_back(FindingJson(finding));
  }
  if (quiet && findings.empty()) return std::nullopt;
  return Json{{"id", Latin1ToUtf8(section.id)},
              {"title", Latin1ToUtf8(section.title)},
              {"facts", quiet ? Json::object() : FactsJson(section.facts)},
              {"findings", std::move(findings)}};
}

}  // namespace

void WriteJsonReport(const Report& report, bool quiet, std::ostream& out) {
  Json sections = Json::array();
  for (const Section& section : report.sections) {
    if (std::optional<Json> json = SectionJson(section, quiet))
      sections.push_back(*std::move(json));
  }
  const Verdict verdict = VerdictOf(report);
  const Json document = {{"format", "skarvik-check-report"},
                         {"formatVersion", kFormatVersion},
                         {"command", Latin1ToUtf8(report.command)},
                         {"dataSource", Latin1ToUtf8(report.dataSource)},
                         {"sections", std::move(sections)},
                         {"verdict",
                          {{"blockers", verdict.blockers},
                           {"errors", verdict.errors},
                           {"warnings", verdict.warnings}}}};
  out << document.dump(2) << '\n';
}

}  // namespace skarvik::check

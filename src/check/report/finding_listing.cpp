#include "check/report/finding_listing.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "check/report/console.h"

namespace skarvik::check {

namespace {

using Json = nlohmann::ordered_json;

constexpr int kFormatVersion = 1;
constexpr std::size_t kFieldIndent = 3;

struct Field {
  std::string_view name;
  std::string text;
};

// "a line of the file" -> "A line of the file."
std::string Sentence(std::string_view meaning) {
  std::string sentence(meaning);
  if (sentence.empty()) return sentence;
  sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
  if (sentence.back() != '.') sentence += '.';
  return sentence;
}

std::string_view RepairText(Repair repair) {
  switch (repair) {
    case Repair::kMends:
      return "mends the rows";
    case Repair::kTemplate:
      return "writes a template to decide on";
    case Repair::kNone:
      break;
  }
  return "none";
}

// What the console and the script are told of one kind after its id, in
// this order. A column of the table that they should show joins here.
std::vector<Field> FieldsOf(const FindingKind& kind) {
  return {{"severity", SeverityName(kind.severity)},
          {"title", std::string(kind.title)},
          {"meaning", Sentence(kind.meaning)},
          {"repair", std::string(RepairText(kind.repair))}};
}

// text wrapped to end in the last console column when it starts at column,
// each line after the first indented to start there too.
std::string Hanging(std::string_view text, std::size_t column) {
  std::string wrapped = Wrapped(text, kConsoleColumns - column);
  const std::string indent = "\n" + std::string(column, ' ');
  for (std::size_t at = 0; (at = wrapped.find('\n', at)) != std::string::npos; at += indent.size())
    wrapped.replace(at, 1, indent);
  return wrapped;
}

void WriteKindText(const FindingKind& kind, std::ostream& out) {
  const std::vector<Field> fields = FieldsOf(kind);
  std::size_t nameWidth = 0;
  for (const Field& field : fields) nameWidth = std::max(nameWidth, field.name.size());
  const std::size_t valueColumn = kFieldIndent + nameWidth + 2;
  out << kind.id << '\n';
  for (const Field& field : fields) {
    std::string line = std::string(kFieldIndent, ' ').append(field.name);
    line.resize(valueColumn, ' ');
    out << line << Hanging(field.text, valueColumn) << '\n';
  }
}

Json KindJson(const FindingKind& kind) {
  Json json = {{"id", std::string(kind.id)}};
  for (const Field& field : FieldsOf(kind)) json[std::string(field.name)] = field.text;
  return json;
}

// A backslash shown as one. No line written starts with a dot or an
// apostrophe, which troff would take for a request.
std::string Troff(std::string_view text) {
  std::string escaped;
  for (const char c : text) escaped += c == '\\' ? std::string("\\e") : std::string(1, c);
  return escaped;
}

// "driver.table.{table}" -> "driver.table.\fI{table}\fB": the parts in
// italics inside the bold id.
std::string TroffId(std::string_view id) {
  std::string shown;
  for (const char c : Troff(id)) {
    if (c == '{') shown += "\\fI";
    shown += c;
    if (c == '}') shown += "\\fB";
  }
  return shown;
}

}  // namespace

void WriteFindingsText(std::span<const FindingKind> kinds, std::ostream& out) {
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (i > 0) out << '\n';
    WriteKindText(kinds[i], out);
  }
}

void WriteFindingsJson(std::span<const FindingKind> kinds, std::ostream& out) {
  Json findings = Json::array();
  for (const FindingKind& kind : kinds) findings.push_back(KindJson(kind));
  const Json document = {{"format", "skarvik-check-findings"},
                         {"formatVersion", kFormatVersion},
                         {"findings", std::move(findings)}};
  out << document.dump(2) << '\n';
}

void WriteFindingsManual(std::span<const FindingKind> kinds, std::ostream& out) {
  for (const FindingKind& kind : kinds) {
    out << ".TP\n.B " << TroffId(kind.id) << '\n'
        << '(' << SeverityName(kind.severity) << ") " << Troff(Sentence(kind.meaning)) << '\n';
  }
}

}  // namespace skarvik::check

#include "check/report/text_report.h"

#include <algorithm>
#include <string>

#include "check/report/console.h"
#include "check/report/escape.h"

namespace skarvik::check {

namespace {

constexpr std::size_t kFactIndent = 3;
constexpr std::size_t kExampleIndent = 6;

std::string Blanks(std::size_t count) { return std::string(count, ' '); }

std::string Quoted(std::string_view bytes) { return "\"" + Escaped(bytes) + "\""; }

// "[ERROR]": the severities that count shout, info does not.
std::string Tag(Severity severity) {
  std::string name = SeverityName(severity);
  if (severity != Severity::kInfo) {
    for (char& c : name) c = static_cast<char>(c - 'a' + 'A');
  }
  return "[" + name + "]";
}

// The count, or the outcome of a check that passes or fails.
std::string CountText(const Finding& finding) {
  if (const bool* passed = std::get_if<bool>(&finding.passed)) {
    return *passed ? "passed" : "FAILED";
  }
  return std::to_string(finding.count);
}

bool Raised(const Finding& finding) { return SeverityOf(finding) >= Severity::kError; }

// Where the example is and what it holds: `Device.dat line 3, key "T01",
// TrmNam = "Kasse, 1", file has "Kasse 1"`; the parts not known are left out.
std::string ExampleText(const Example& example) {
  std::vector<std::string> parts;
  std::string where = Escaped(example.file);
  if (example.line > 0)
    where += (where.empty() ? "line " : " line ") + std::to_string(example.line);
  if (!where.empty()) parts.push_back(where);
  if (!example.key.empty()) parts.push_back("key " + Quoted(example.key));
  const bool hasValue = !example.value.empty() || example.other.has_value();
  if (!example.column.empty()) {
    parts.push_back(Escaped(example.column) + (hasValue ? " = " + Quoted(example.value) : ""));
  } else if (hasValue) {
    parts.push_back(Quoted(example.value));
  }
  if (example.other) parts.push_back("file has " + Quoted(*example.other));
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}

void WriteExample(const Example& example, std::ostream& out) {
  const std::string text = ExampleText(example);
  out << Blanks(kExampleIndent) << text;
  if (!example.effect.empty()) {
    const std::string effect = "-> " + Escaped(example.effect);
    if (text.empty()) {
      out << effect;
    } else if (kExampleIndent + text.size() + 1 + effect.size() <= kConsoleColumns) {
      out << ' ' << effect;
    } else {
      out << '\n' << Blanks(kExampleIndent + 2) << effect;
    }
  }
  out << '\n';
}

void WriteFinding(const Finding& finding, std::size_t countWidth, std::ostream& out) {
  const std::string tag = Tag(SeverityOf(finding));
  const std::string count = CountText(finding);
  out << Blanks(kFactIndent) << tag << Blanks(10 - tag.size())
      << Blanks(countWidth - std::min(countWidth, count.size())) << count << "  "
      << Escaped(finding.title) << '\n';
  for (const Example& example : finding.examples) WriteExample(example, out);
  const auto shown = static_cast<std::int64_t>(finding.examples.size());
  if (shown > 0 && finding.count > shown &&
      std::holds_alternative<std::monostate>(finding.passed)) {
    out << Blanks(kExampleIndent) << "... and " << finding.count - shown << " more\n";
  }
}

void WriteFacts(const std::vector<Fact>& facts, std::ostream& out) {
  std::size_t nameWidth = 0;
  for (const Fact& fact : facts) nameWidth = std::max(nameWidth, Printable(fact.name).size());
  for (const Fact& fact : facts) {
    const std::string name = Printable(fact.name);
    const std::string value = std::holds_alternative<std::string>(fact.value)
                                  ? Printable(std::get<std::string>(fact.value))
                                  : std::to_string(std::get<std::int64_t>(fact.value));
    out << Blanks(kFactIndent) << name;
    if (!value.empty()) out << Blanks(nameWidth - name.size() + 2) << value;
    out << '\n';
  }
}

// The widest count column of the report, so that titles line up throughout.
std::size_t CountWidth(const Report& report) {
  std::size_t width = 6;  // "passed", "FAILED"
  for (const Section& section : report.sections) {
    for (const Finding& finding : section.findings) {
      width = std::max(width, CountText(finding).size());
    }
  }
  return width;
}

void WriteSection(std::size_t number, const Section& section, bool quiet, std::size_t countWidth,
                  std::ostream& out) {
  if (quiet && std::none_of(section.findings.begin(), section.findings.end(), Raised)) return;
  out << number << ". " << Escaped(section.title) << '\n';
  if (!quiet) WriteFacts(section.facts, out);
  for (const Finding& finding : section.findings) {
    if (!quiet || Raised(finding)) WriteFinding(finding, countWidth, out);
  }
  out << '\n';
}

}  // namespace

void WriteTextReport(const Report& report, bool quiet, std::ostream& out) {
  if (!quiet) {
    out << "skarvik-check " << Escaped(report.command) << ", data source "
        << Escaped(report.dataSource) << "\n\n";
  }
  const std::size_t countWidth = CountWidth(report);
  for (std::size_t number = 0; number < report.sections.size(); ++number) {
    WriteSection(number, report.sections[number], quiet, countWidth, out);
  }
  out << Escaped(VerdictLine(report)) << '\n';
}

}  // namespace skarvik::check

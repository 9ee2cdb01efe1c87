#include "check/hazards.h"

#include <algorithm>

#include "base/text_stream.h"
#include "check/line_formats.h"

namespace skarvik::check {
namespace {

// Columns whose stored value never reaches a file: the creator columns
// (the import's own name stands there), the key position's type and
// stored position, the type table's TsmKsw, and TttTas, which the model
// table always decides.
constexpr std::string_view kNeverWritten[] = {"TrmErf", "TsmErf", "ZlsErf", "TslErf",
                                              "TsaErf", "TttErf", "TtaErf", "TtaAps",
                                              "TtaTyp", "TsmKsw", "TttTas"};

// Long texts of which the newer system keeps 30 characters, however wide
// they are fetched.
constexpr std::string_view kKeptThirty[] = {"TslTxt", "TttTxt", "TtaTxt"};
constexpr std::size_t kThirty = 30;

// The columns whose value is the key of a later lookup.
struct LookupKey {
  CursorKind kind;
  std::string_view column;
};
constexpr LookupKey kLookupKeys[] = {{CursorKind::kTermAlt, "TrmNam"},
                                     {CursorKind::kVks114Tsm, "TsmNam"},
                                     {CursorKind::kSldKopf, "TslNam"},
                                     {CursorKind::kTstKopf, "TttNam"}};

template <std::size_t N>
bool Contains(const std::string_view (&names)[N], std::string_view name) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool IsLookupKey(CursorKind kind, std::string_view column) {
  return std::any_of(std::begin(kLookupKeys), std::end(kLookupKeys),
                     [&](const LookupKey& k) { return k.kind == kind && k.column == column; });
}

std::string_view WithoutTrailingBlanks(std::string_view value) {
  const std::size_t end = value.find_last_not_of(" \t");
  return end == std::string_view::npos ? std::string_view() : value.substr(0, end + 1);
}

// The key of a row as the export uses it: the first column, cut and trimmed.
std::string KeyOfRow(std::span<const RawField> fields) {
  if (fields.empty()) return "";
  std::string_view value = fields[0].value;
  value = value.substr(0, std::min(value.find('\0'), fields[0].width - 1));
  return std::string(WithoutTrailingBlanks(value));
}

}  // namespace

// The names are compared once per column; after that the column's name,
// a query's own constant, finds its rule by address.
const Hazards::ColumnRule& Hazards::ruleFor(CursorKind kind, const RawField& field) {
  const auto [at, added] = rules_.try_emplace(field.column);
  if (added) {
    at->second = {.written = !Contains(kNeverWritten, field.column),
                  .kept = Contains(kKeptThirty, field.column) ? kThirty : field.width - 1,
                  .lookupKey = IsLookupKey(kind, field.column)};
  }
  return at->second;
}

void Hazards::rowFetched(CursorKind kind, std::span<const RawField> fields,
                         std::string_view lookupKey) {
  for (const RawField& field : fields) {
    const ColumnRule& rule = ruleFor(kind, field);
    if (rule.written) checkRawField(rule, field, fields, lookupKey);
  }
}

// Most values hold no hazard: nothing is built for them.
void Hazards::checkRawField(const ColumnRule& rule, const RawField& field,
                            std::span<const RawField> row, std::string_view lookupKey) {
  const std::string_view trimmed = WithoutTrailingBlanks(field.value);
  const std::size_t nul = trimmed.find('\0');
  const std::string_view text = trimmed.substr(0, nul);
  const std::size_t kept = rule.kept;
  auto wait = [&](const char* id, Severity severity, const char* what, std::string effect) {
    pending_.push_back({id,
                        severity,
                        std::string(what) + " " + field.column,
                        {.key = lookupKey.empty() ? KeyOfRow(row) : std::string(lookupKey),
                         .column = field.column,
                         .value = std::string(trimmed),
                         .effect = std::move(effect)}});
  };
  if (nul != std::string_view::npos) {
    wait("hazard.nul", Severity::kError, "NUL byte in",
         "cut at the NUL byte to " + std::to_string(std::min(nul, kept)) + " characters");
  }
  if (text.size() > kept || field.cut) {
    const std::string_view cut = WithoutTrailingBlanks(text.substr(0, kept));
    wait("hazard.cut", Severity::kError, "value longer than its field:",
         "cut to " + std::to_string(kept) + " characters: " + std::string(cut));
  }
  // A key is looked up whether or not its row becomes a line; on a database
  // that compares blanks exactly it is why the row has no line.
  const std::string_view stored = field.value.substr(0, field.value.find('\0'));
  if (rule.lookupKey && !text.empty() && stored.size() > text.size()) {
    findings_.add("hazard.key-blanks", Severity::kWarning,
                  "key ending in blanks or tabs: " + std::string(field.column), field.column,
                  {.key = std::string(text),
                   .column = field.column,
                   .value = std::string(stored),
                   .effect = "looked up as \"" + std::string(text) +
                             "\": a database that compares blanks exactly finds nothing for it"});
  }
}

void Hazards::lineWritten(std::string_view file, long line,
                          std::span<const std::string_view> fields) {
  for (Pending& p : pending_) {
    p.example.file = std::string(file);
    p.example.line = line;
    findings_.add(p.id, p.severity, p.title, p.example.column, std::move(p.example));
  }
  pending_.clear();
  checkWrittenFields(file, line, fields);
}

// The import splits at every comma and ends the line at every line break.
void Hazards::checkWrittenFields(std::string_view file, long line,
                                 std::span<const std::string_view> fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string_view value = fields[i];
    if (value.find_first_of(",\r\n") == std::string_view::npos) continue;
    const LineFormat& format = FormatOf(file, fields[0]);
    const std::string column(i < format.fields.size() ? format.fields[i] : "?");
    auto add = [&](const char* id, const char* what, std::string effect) {
      findings_.add(id, Severity::kError, std::string(what) + " in " + column, column,
                    {.file = std::string(file),
                     .line = line,
                     .key = KeyOf(format, fields),
                     .column = column,
                     .value = std::string(value),
                     .effect = std::move(effect)});
    };
    const auto commas = static_cast<std::size_t>(std::count(value.begin(), value.end(), ','));
    if (commas > 0) {
      add("hazard.comma", "comma",
          std::to_string(fields.size() + commas) + " fields instead of " +
              std::to_string(fields.size()) + " from field " + std::to_string(i + 2) + " on");
    }
    if (value.find('\n') != std::string_view::npos) {
      add("hazard.line-feed", "line feed", "line split inside field " + std::to_string(i + 1));
    }
    if (value.find('\r') != std::string_view::npos) {
      add("hazard.carriage-return", "carriage return",
          "line may split inside field " + std::to_string(i + 1));
    }
  }
}

}  // namespace skarvik::check

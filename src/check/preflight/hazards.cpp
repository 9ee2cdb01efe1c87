#include "check/preflight/hazards.h"

#include <algorithm>
#include <string>

#include "check/preflight/misread_bytes.h"
#include "check/report/finding_kinds.h"

namespace skarvik::check {
namespace {

using enum FindingId;

// The key of a row as the export uses it: its first column, as fetched.
std::string KeyOfRow(std::span<const RawField> fields) {
  return fields.empty() ? "" : std::string(fields[0].fetched);
}

}  // namespace

void Hazards::rowFetched(std::span<const RawField> fields, std::string_view lookupKey) {
  for (const RawField& field : fields) {
    if (field.use != ColumnUse::kReadOnly) checkRawField(field, fields, lookupKey);
  }
}

// Most values hold no hazard: nothing is built for them.
void Hazards::checkRawField(const RawField& field, std::span<const RawField> row,
                            std::string_view lookupKey) {
  const std::string_view trimmed = RTrimmed(field.value);
  const std::size_t nul = trimmed.find('\0');
  const std::string_view text = trimmed.substr(0, nul);
  const std::size_t kept = field.kept;
  auto wait = [&](FindingId which, std::string effect) {
    pending_.push_back({MakeFinding(which, {{"column", field.column}}),
                        {.key = lookupKey.empty() ? KeyOfRow(row) : std::string(lookupKey),
                         .column = field.column,
                         .value = std::string(trimmed),
                         .effect = std::move(effect)}});
  };
  if (nul != std::string_view::npos) {
    wait(kHazardNul,
         "cut at the NUL byte to " + std::to_string(std::min(nul, kept)) + " characters");
  }
  if (text.size() > kept || field.cut) {
    const std::string_view cut = RTrimmed(text.substr(0, kept));
    wait(kHazardCut, "cut to " + std::to_string(kept) + " characters: " + std::string(cut));
  }
  // A key is looked up whether or not its row becomes a line; on a database
  // that compares blanks exactly it is why the row has no line.
  const std::string_view stored = field.value.substr(0, field.value.find('\0'));
  if (field.use == ColumnUse::kLookupKey && !text.empty() && stored.size() > text.size()) {
    findings_.add(MakeFinding(kHazardKeyBlanks, {{"column", field.column}}), field.column,
                  {.key = std::string(text),
                   .column = field.column,
                   .value = std::string(stored),
                   .effect = "looked up as \"" + std::string(text) +
                             "\": a database that compares blanks exactly finds nothing for it"});
  }
}

void Hazards::lineWritten(const PlannedFile& file, long line,
                          std::span<const std::string_view> fields) {
  for (Pending& p : pending_) {
    p.example.file = file.name;
    p.example.line = line;
    findings_.add(p.kind, p.example.column, std::move(p.example));
  }
  pending_.clear();
  checkWrittenFields(file, line, fields);
}

namespace {

// Whether the value holds a byte any rule below looks at: most do not.
bool WorthALook(std::string_view value) {
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == ',' || byte < 0x20 || byte >= 0x7F) return true;
  }
  return false;
}

}  // namespace

// The import splits at every comma, ends the line at every line break and
// reads every byte as ISO-8859-1.
void Hazards::checkWrittenFields(const PlannedFile& file, long line,
                                 std::span<const std::string_view> fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!WorthALook(fields[i])) continue;
    const LineLayout& layout = LayoutOf(file, fields[0]);
    const std::string column(i < layout.fields.size() ? layout.fields[i].name : "?");
    const std::string_view value = fields[i];
    auto add = [&](FindingId which, std::string effect) {
      findings_.add(MakeFinding(which, {{"column", column}}), column,
                    {.file = file.name,
                     .line = line,
                     .key = KeyOfLine(layout, fields),
                     .column = column,
                     .value = std::string(value),
                     .effect = std::move(effect)});
    };
    const auto commas = static_cast<std::size_t>(std::count(value.begin(), value.end(), ','));
    if (commas > 0) {
      add(kHazardComma, std::to_string(fields.size() + commas) + " fields instead of " +
                            std::to_string(fields.size()) + " from field " + std::to_string(i + 2) +
                            " on");
    }
    if (value.find('\n') != std::string_view::npos) {
      add(kHazardLineFeed, "line split inside field " + std::to_string(i + 1));
    }
    if (value.find('\r') != std::string_view::npos) {
      add(kHazardCarriageReturn, "line may split inside field " + std::to_string(i + 1));
    }
    if (std::optional<std::string> control = ControlByte(value)) add(kHazardControlByte, *control);
    if (std::optional<std::string> utf8 = Utf8Text(value)) add(kHazardUtf8, *utf8);
  }
}

}  // namespace skarvik::check

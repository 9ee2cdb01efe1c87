#include "check/preflight/empty_keys.h"

#include "check/report/finding_kinds.h"

namespace skarvik::check {
namespace {

using enum CursorKind;

// What the export does with a row of this kind whose key is empty.
std::string_view WithEmptyKey(CursorKind kind) {
  switch (kind) {
    case kTerminals:
      return "its communication row and its readers are looked up by an empty name";
    case kTypeTable:
      return "written as a TRM line without a name, with the readers of an empty name";
    case kBalanceHeaders:
    case kKeyHeaders:
      return "its terminal type and its positions are looked up by an empty name";
    case kReaders:
    case kBalancePositions:
    case kKeyPositions:
      return "its line goes out with an empty key";
    case kCommunication:
    case kAssignment:
      break;
  }
  return "";
}

bool IsKey(const RawField& field) {
  return field.use == ColumnUse::kLookupKey || field.use == ColumnUse::kRowKey;
}

// `TrmMod = "1", TrmTxt = "Kasse"`: what else the row writes, as the
// database holds it, which is what a search for the row needs.
std::string OtherValues(std::span<const RawField> row, const RawField& key) {
  std::string values;
  for (const RawField& field : row) {
    const std::string_view stored = RTrimmed(field.value.substr(0, field.value.find('\0')));
    if (&field == &key || field.use == ColumnUse::kReadOnly || stored.empty()) continue;
    values.append(values.empty() ? "" : ", ").append(field.column).append(" = \"");
    values.append(stored).append("\"");
  }
  return values;
}

}  // namespace

void EmptyKeys::rowFetched(CursorKind kind, std::span<const RawField> row) {
  for (const RawField& field : row) {
    if (!IsKey(field) || !field.fetched.empty()) continue;
    pending_.push_back(
        {.kind = MakeFinding(FindingId::kEmptyKey, {{"column", field.column}}),
         .example = {.key = field.use == ColumnUse::kRowKey ? std::string(row[0].fetched) : "",
                     .column = field.column,
                     .effect = std::string(field.column) +
                               " is \"\": " + std::string(WithEmptyKey(kind))},
         .values = OtherValues(row, field)});
  }
}

void EmptyKeys::lineWritten(const PlannedFile& file, long line) {
  for (Pending& p : pending_) {
    p.example.file = file.name;
    p.example.line = line;
    findings_.add(p.kind, p.example.column, std::move(p.example));
  }
  pending_.clear();
}

void EmptyKeys::dropPending() {
  for (Pending& p : pending_) {
    p.example.effect += p.values.empty() ? "; no line is written, and the row holds no other value"
                                         : "; no line is written; the row holds " + p.values;
    findings_.add(p.kind, p.example.column, std::move(p.example));
  }
  pending_.clear();
}

}  // namespace skarvik::check

#include "check/preflight/forecast_watch.h"

#include "check/report/finding_kinds.h"
#include "export/terminal_lines.h"

namespace skarvik::check {
namespace {

using enum CursorKind;
using enum FindingId;

// The model a row holds, as stored; empty when the row has no model column.
std::string StoredModel(std::span<const RawField> fields) {
  for (const RawField& field : fields) {
    if (field.use == ColumnUse::kModel) {
      return std::string(RTrimmed(field.value.substr(0, field.value.find('\0'))));
    }
  }
  return "";
}

}  // namespace

void ForecastWatch::writing(std::span<const PlannedFile> files) {
  finishLookups();
  files_ = files;
}

void ForecastWatch::lineWritten(const PlannedFile& file, long line,
                                std::span<const std::string_view> fields) {
  const LineLayout& layout = LayoutOf(file, fields.empty() ? "" : fields[0]);
  checks_.hazards.lineWritten(file, line, fields);
  checks_.records.lineWritten(file, layout, line, fields, storedModel_);
  checks_.emptyKeys.lineWritten(file, line);
  if (&layout == &kTrmLine) trmLineWritten_ = true;
}

// A lookup that found nothing is looked for again later under other
// spellings of its key, in the table the plan's query of kind reads.
void ForecastWatch::missed(CursorKind kind, const Lookup& lookup) {
  for (const PlannedFile& file : files_) {
    for (const PlannedQuery& query : file.queries) {
      const QueryFacts facts = query.facts();
      if (facts.cursor == kind) return checks_.nearMisses.missed(facts, lookup.key);
    }
  }
}

void ForecastWatch::finishLookups() {
  if (communication_.open && !communication_.found) {
    checks_.findings.add(MakeFinding(kNoCommunicationRow), "",
                         {.file = files_.front().name, .key = communication_.key});
    missed(kCommunication, communication_);
  }
  if (assignment_.open && !assignment_.found) {
    checks_.findings.add(MakeFinding(kUnassignedTables, {{"kind", files_.front().tables}}), "",
                         {.key = assignment_.key});
    missed(kAssignment, assignment_);
  }
  // A terminal without readers is nothing unusual, unless they are stored
  // under another spelling of its name.
  if (readers_.open && !readers_.found && readers_.afterTrmLine) missed(kReaders, readers_);
  communication_ = {};
  assignment_ = {};
  readers_ = {};
}

void ForecastWatch::opened(CursorKind kind, std::string_view key) {
  if (kind == kCommunication || kind == kAssignment || kind == kReaders) finishLookups();
  if (kind == kCommunication) communication_ = {.open = true, .key = std::string(key)};
  if (kind == kAssignment) assignment_ = {.open = true, .key = std::string(key)};
  if (kind == kReaders) {
    readers_ = {.open = true, .key = std::string(key), .afterTrmLine = trmLineWritten_};
  }
  if (kind == kReaders || kind == kBalancePositions || kind == kKeyPositions) {
    // The line of the terminal or table before has been decided.
    dropPending();
    Reach& r = reach(kind);
    r.counting = r.keys.insert(std::string(key)).second;
  }
}

// A terminal, type or table row: the record the next lines are written from.
void ForecastWatch::recordFetched(CursorKind kind, std::span<const RawField> fields) {
  finishLookups();
  trmLineWritten_ = false;
  storedModel_ = StoredModel(fields);
  dropPending();
  checks_.hazards.rowFetched(fields, "");
  checks_.emptyKeys.rowFetched(kind, fields);
}

void ForecastWatch::dropPending() {
  checks_.hazards.dropPending();
  checks_.emptyKeys.dropPending();
}

void ForecastWatch::fetched(CursorKind kind, std::span<const RawField> fields) {
  checks_.progress.rows(1);
  switch (kind) {
    case kTerminals:
    case kTypeTable:
    case kBalanceHeaders:
    case kKeyHeaders:
      recordFetched(kind, fields);
      break;
    case kCommunication:
      communication_.found = true;
      checks_.hazards.rowFetched(fields, communication_.key);
      break;
    case kAssignment:  // its type is brought to a model string before use
      assignment_.found = true;
      if (const std::string model = StoredModel(fields); !model.empty()) storedModel_ = model;
      break;
    case kReaders:
    case kBalancePositions:
    case kKeyPositions:
      readers_.found = readers_.found || kind == kReaders;
      if (reach(kind).counting) ++reach(kind).rows;
      checks_.hazards.rowFetched(fields, "");
      checks_.emptyKeys.rowFetched(kind, fields);
      break;
  }
}

void ForecastWatch::leftUnread(CursorKind kind, std::string_view key) {
  if (kind != kCommunication) return;
  checks_.findings.add(MakeFinding(kSecondCommunicationRow), "", {.key = std::string(key)});
}

ForecastWatch::Reach& ForecastWatch::reach(CursorKind kind) {
  return kind == kReaders ? readerReach_ : positionReach_[kind == kKeyPositions];
}

const ForecastWatch::Reach& ForecastWatch::reach(CursorKind kind) const {
  return kind == kReaders ? readerReach_ : positionReach_[kind == kKeyPositions];
}

}  // namespace skarvik::check

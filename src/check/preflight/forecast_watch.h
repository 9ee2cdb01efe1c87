// The forecast's watch on the export at work: it sees every cursor open,
// every row as the driver delivered it and every line as the export hands
// it over, and tells the checks what each of them needs. What never becomes
// a line is seen here: terminals whose communication row is not found, the
// rows a lookup leaves unread, tables that no terminal type names, lookups
// that find nothing, and how many readers and positions the lookups reach.
#pragma once

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "check/preflight/empty_keys.h"
#include "check/preflight/hazards.h"
#include "check/preflight/near_misses.h"
#include "check/preflight/record_checks.h"
#include "check/report/finding_list.h"
#include "check/report/progress.h"
#include "db/cursor_observer.h"
#include "export/export_plan.h"

namespace skarvik::check {

// The checks the watch feeds, and where their findings go.
struct ForecastChecks {
  FindingList& findings;  // what will not become a line, or not as meant
  Hazards& hazards;
  RecordChecks& records;
  EmptyKeys& emptyKeys;
  NearMisses& nearMisses;
  Progress& progress;
};

class ForecastWatch : public CursorObserver {
 public:
  explicit ForecastWatch(const ForecastChecks& checks) : checks_(checks) {}

  // The files the export writes next.
  void writing(std::span<const PlannedFile> files);
  // Line number line of file is written with fields.
  void lineWritten(const PlannedFile& file, long line, std::span<const std::string_view> fields);
  // Decides the lookups under way: the export is past them.
  void finishLookups();
  // The rows fetched since the last line will not become lines.
  void dropPending();
  std::int64_t reached(CursorKind kind) const { return reach(kind).rows; }

  void opened(CursorKind kind, std::string_view key) override;
  void fetched(CursorKind kind, std::span<const RawField> fields) override;
  void leftUnread(CursorKind kind, std::string_view key) override;

 private:
  // A lookup under way: its key and whether a row came.
  struct Lookup {
    bool open = false;
    bool found = false;
    std::string key;
    bool afterTrmLine = false;  // readers: the terminal's TRM line was written
  };
  // The rows reached by the lookups of one kind. A key looked up again
  // finds the same rows again; they are counted once.
  struct Reach {
    std::set<std::string> keys;
    bool counting = false;
    std::int64_t rows = 0;
  };

  void recordFetched(CursorKind kind, std::span<const RawField> fields);
  void missed(CursorKind kind, const Lookup& lookup);
  Reach& reach(CursorKind kind);
  const Reach& reach(CursorKind kind) const;

  ForecastChecks checks_;
  std::span<const PlannedFile> files_;
  Lookup communication_;
  Lookup assignment_;
  Lookup readers_;
  bool trmLineWritten_ = false;  // since the last terminal row
  std::string storedModel_;      // the model of the last record row, as stored
  Reach readerReach_;
  Reach positionReach_[2];  // balance, key
};

}  // namespace skarvik::check

#include "db/cursor_policy.h"

namespace skarvik {
namespace {

using enum CursorKind;
using enum TableNames;
using enum Concurrency;
using enum FailureNumber;

// The lookups (kCommunication, kAssignment) open, fetch one row and close in one
// call; their failures carry one tag for both steps, as does the reader
// cursor. The communication lookup alone leaves the statement attributes to
// the driver.
constexpr CursorPolicy kCursorTable[] = {
    {.kind = kTerminals,
     .openTag = "SQL_Open_TermAlt",
     .fetchTag = "SQL_Fetch_TermAlt",
     .names = kBothForms,
     .concurrency = kByNames,
     .openShows = kNative},
    {.kind = kCommunication,
     .openTag = "SQL_GetComParm",
     .fetchTag = "SQL_GetComParm",
     .names = kBothForms,
     .concurrency = kNotSet,
     .openShows = kNative},
    {.kind = kReaders,
     .openTag = "SQL_OpenReader",
     .fetchTag = "SQL_OpenReader",
     .names = kBothForms,
     .concurrency = kByNames,
     .openShows = kNative},
    {.kind = kBalanceHeaders,
     .openTag = "SQL_Open_SldKopfAlt",
     .fetchTag = "SQL_Fetch_SldKopfAlt",
     .names = kQualifiedOnly,
     .concurrency = kByNames,
     .openShows = kSqlError},
    {.kind = kAssignment,
     .openTag = "SQL_GetTerm",
     .fetchTag = "SQL_GetTerm",
     .names = kQualifiedOnly,
     .concurrency = kByNames,
     .openShows = kSqlError},
    {.kind = kBalancePositions,
     .openTag = "SQL_Open_SldPosAlt",
     .fetchTag = "SQL_Fetch_SldPosAlt",
     .names = kQualifiedOnly,
     .concurrency = kByNames,
     .openShows = kSqlError},
    {.kind = kKeyHeaders,
     .openTag = "SQL_Open_TstKopfAlt",
     .fetchTag = "SQL_Fetch_TstKopfAlt",
     .names = kQualifiedOnly,
     .concurrency = kByNames,
     .openShows = kSqlError},
    {.kind = kKeyPositions,
     .openTag = "SQL_Open_TstPosAlt",
     .fetchTag = "SQL_Fetch_TstPosAlt",
     .names = kQualifiedOnly,
     .concurrency = kByNames,
     .openShows = kSqlError},
    // The type table is read only on ordinary data sources.
    {.kind = kTypeTable,
     .openTag = "SQL_Open_Vks114Tsm",
     .fetchTag = "SQL_Fetch_Vks114Tsm",
     .names = kQualifiedOnly,
     .concurrency = kAlwaysLock,
     .openShows = kNative},
};

constexpr bool TableFollowsKindOrder() {
  for (std::size_t i = 0; i < std::size(kCursorTable); ++i) {
    if (static_cast<std::size_t>(kCursorTable[i].kind) != i) return false;
  }
  return true;
}
static_assert(TableFollowsKindOrder(), "one row per cursor, in CursorKind order");

}  // namespace

const CursorPolicy& PolicyFor(CursorKind kind) {
  return kCursorTable[static_cast<std::size_t>(kind)];
}

}  // namespace skarvik

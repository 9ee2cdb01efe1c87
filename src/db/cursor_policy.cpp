#include "db/cursor_policy.h"

namespace skarvik {
namespace {

using enum CursorKind;
using enum Concurrency;
using enum FailureNumber;

constexpr CursorPolicy kCursorTable[] = {
    {kTermAlt, "SQL_Open_TermAlt", "SQL_Fetch_TermAlt", true, kByNames, kNative, kNative, true},
    {kComParm, "SQL_GetComParm", "SQL_GetComParm", true, kNotSet, kNative, kSqlError, true},
    {kReader, "SQL_OpenReader", "SQL_OpenReader", true, kByNames, kNative, kNative, true},
    {kSldKopf, "SQL_Open_SldKopfAlt", "SQL_Fetch_SldKopfAlt", false, kByNames, kSqlError, kSqlError,
     true},
    {kGetTerm, "SQL_GetTerm", "SQL_GetTerm", false, kByNames, kSqlError, kSqlError, true},
    {kSldPos, "SQL_Open_SldPosAlt", "SQL_Fetch_SldPosAlt", false, kByNames, kSqlError, kSqlError,
     true},
    {kTstKopf, "SQL_Open_TstKopfAlt", "SQL_Fetch_TstKopfAlt", false, kByNames, kSqlError, kSqlError,
     true},
    {kTstPos, "SQL_Open_TstPosAlt", "SQL_Fetch_TstPosAlt", false, kByNames, kSqlError, kSqlError,
     true},
    {kVks114Tsm, "SQL_Open_Vks114Tsm", "SQL_Fetch_Vks114Tsm", false, kAlwaysLock, kNative, kNative,
     true},
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

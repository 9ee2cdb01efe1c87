// Every kind of finding skarvik-check reports, in one table: its stable id,
// its severity, its title and what it means. The checks take a finding's
// id, severity and title from here; skarvik-check findings and the manual
// page list every row.
//
// Some ids and titles have parts filled in at run time, written {name} in
// the table: one id per table ("driver.table.{table}") or per settings key.
// Fill() puts the values in.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "check/report/report.h"

namespace skarvik::check {

enum class FindingId {
  kNoSettingsFile,
  kMissingSetting,
  kSettingAnsweredByOther,
  kMalformedSetting,
  kNoLog,
  kWorkDirReadOnly,
  kConnection,
  kQueryFailed,
  kSecondStatement,
  kCursorAttributes,
  kCharacterSet,
  kTableAnswers,
  kAssignmentAnswers,
  kNoCommunicationRow,
  kSecondCommunicationRow,
  kUnassignedTables,
  kUnreachedReaders,
  kUnreachedBalancePositions,
  kUnreachedKeyPositions,
  kUnknownModel,
  kRepeatedKey,
  kEmptyKey,
  kNearMiss,
  kHazardComma,
  kHazardLineFeed,
  kHazardCarriageReturn,
  kHazardNul,
  kHazardCut,
  kHazardKeyBlanks,
  kHazardControlByte,
  kHazardUtf8,
  kPurge,
  kVerifyMissingFile,
  kVerifyLineEnd,
  kVerifyMissingLines,
  kVerifyExtraLines,
  kVerifyDifferent,
  kVerifyFieldCount,
  kVerifyPurgedCommunication,
};

// What skarvik-check repair does for a finding of the kind.
enum class Repair {
  kNone,      // nothing: it lies outside the rows, or only the run decides it
  kMends,     // a statement mends the rows
  kTemplate,  // the script shows it for the administrator to decide
};

struct FindingKind {
  FindingId which;
  std::string_view id;  // stable: scripts select findings by it
  Severity severity;    // what it counts with when it is found or fails
  std::string_view title;
  std::string_view meaning;  // one line, shown as a sentence where the kinds are listed
  Repair repair = Repair::kNone;
};

const FindingKind& KindOf(FindingId which);

// Every row, in the order of FindingId.
std::span<const FindingKind> FindingKinds();

using Parts = std::initializer_list<std::pair<std::string_view, std::string_view>>;

// pattern with each {name} of parts replaced by its value.
std::string Fill(std::string_view pattern, Parts parts);

// A finding of the kind, nothing counted yet, its id and title filled in.
Finding MakeFinding(FindingId which, Parts parts = {});

// finding as a check that passed or failed once, with detail as its one
// example's effect when there is any.
Finding Checked(Finding finding, bool passed, std::string detail = "");

}  // namespace skarvik::check

#include "check/report/finding_kinds.h"

namespace skarvik::check {
namespace {

using enum FindingId;
using enum Severity;

constexpr FindingKind kKinds[] = {
    {.which = kNoSettingsFile,
     .id = "environment.no-settings-file",
     .severity = kBlocker,
     .title = "no settings file: the run logs in with an empty login",
     .meaning = "an ordinary data source finds no settings file, so the run has no login"},
    {.which = kMissingSetting,
     .id = "environment.missing-{key}",
     .severity = kError,
     .title = "{key} not found in the settings file",
     .meaning = "LOGIN or PASS is missing, so the run logs in with an empty value"},
    {.which = kSettingAnsweredByOther,
     .id = "environment.answered-by-other-{key}",
     .severity = kWarning,
     .title = "{key} is answered by another entry (number 0 or an empty section answers "
              "every lookup)",
     .meaning = "the lookup of the key finds another key's entry first"},
    {.which = kMalformedSetting,
     .id = "environment.malformed-{key}",
     .severity = kError,
     .title = "{key} is not upper-case hexadecimal in blocks of {digits} digits",
     .meaning = "the value cannot be an enciphered one and deciphers to garbage"},
    {.which = kNoLog,
     .id = "environment.no-log",
     .severity = kWarning,
     .title = "the log directory is missing or read-only: the run writes no log at all",
     .meaning = "no run log, so failed queries and left-out tables go unrecorded"},
    {.which = kWorkDirReadOnly,
     .id = "environment.work-dir-read-only",
     .severity = kBlocker,
     .title = "the working directory is not writable: no file can be written",
     .meaning = "the five files cannot be created where the run writes them"},
    {.which = kConnection,
     .id = "source.connection",
     .severity = kBlocker,
     .title = "the connection failed",
     .meaning = "the data source refused the login, or its name is too long"},
    {.which = kQueryFailed,
     .id = "source.query-failed",
     .severity = kBlocker,
     .title = "{tag} failed",
     .meaning = "a query of the export failed, as the run log shows it; what it reads is not "
                "forecast or compared"},
    {.which = kSecondStatement,
     .id = "driver.second-statement",
     .severity = kBlocker,
     .title = "a second statement runs while the first still has rows",
     .meaning = "the driver cannot nest the reader query inside the terminal query"},
    {.which = kCursorAttributes,
     .id = "driver.cursor-attributes",
     .severity = kInfo,
     .title = "the cursor the export asks for",
     .meaning = "what the driver made of the cursor the export asks for; it always passes"},
    {.which = kCharacterSet,
     .id = "driver.character-set",
     .severity = kBlocker,
     .title = "an ISO-8859-1 byte comes back as the same single byte",
     .meaning = "the data source converts texts, which would change every umlaut"},
    {.which = kTableAnswers,
     .id = "driver.table.{table}",
     .severity = kBlocker,
     .title = "{name} answers {tag}",
     .meaning = "the table does not answer the export's own query text"},
    {.which = kAssignmentAnswers,
     .id = "driver.table.{table}.assignment",
     .severity = kBlocker,
     .title = "{name} answers {tag}",
     .meaning = "the type table does not answer the lookup of a table's terminal type"},
    {.which = kNoCommunicationRow,
     .id = "forecast.no-communication-row",
     .severity = kWarning,
     .title = "terminals without a communication row: no TRM line, their readers are still "
              "written",
     .meaning = "a terminal gets no TRM line, while its readers are written"},
    {.which = kSecondCommunicationRow,
     .id = "forecast.second-communication-row",
     .severity = kWarning,
     .title = "second communication rows of a terminal: the first one wins",
     .meaning = "a terminal has several communication rows; only the first is written"},
    {.which = kUnassignedTables,
     .id = "forecast.unassigned-{kind}-tables",
     .severity = kWarning,
     .title = "{kind} tables that no terminal type names: left out with their positions",
     .meaning = "a balance or key table is left out, with its positions"},
    {.which = kUnreachedReaders,
     .id = "forecast.unreached-readers",
     .severity = kWarning,
     .title = "readers that no terminal's lookup reaches",
     .meaning = "readers of no terminal the export writes are never read"},
    {.which = kUnreachedBalancePositions,
     .id = "forecast.unreached-balance-positions",
     .severity = kWarning,
     .title = "balance positions that no exported table's lookup reaches",
     .meaning = "balance positions of no exported table are never read"},
    {.which = kUnreachedKeyPositions,
     .id = "forecast.unreached-key-positions",
     .severity = kWarning,
     .title = "key positions that no exported table's lookup reaches",
     .meaning = "key positions of no exported table are never read"},
    {.which = kUnknownModel,
     .id = "forecast.unknown-model",
     .severity = kError,
     .title = "{file}: lines whose model is written as ???",
     .meaning = "the model code is one the newer system does not know, so the line says ???",
     .repair = Repair::kTemplate},
    {.which = kRepeatedKey,
     .id = "forecast.repeated-key",
     .severity = kError,
     .title = "{file}: lines whose {key} repeats an earlier line's",
     .meaning = "the import takes two lines of one kind with one key for one record",
     .repair = Repair::kTemplate},
    {.which = kEmptyKey,
     .id = "forecast.empty-key",
     .severity = kError,
     .title = "rows whose key {column} is empty",
     .meaning = "a terminal, reader, table or position without a key, looked up or written so",
     .repair = Repair::kTemplate},
    {.which = kNearMiss,
     .id = "forecast.near-miss",
     .severity = kWarning,
     .title = "keys found nowhere that {table} holds in other letter case or with blanks at "
              "the end: {column}",
     .meaning = "a lookup finds nothing where the table holds the key spelt a little otherwise",
     .repair = Repair::kMends},
    {.which = kHazardComma,
     .id = "hazard.comma",
     .severity = kError,
     .title = "comma in {column}",
     .meaning = "the import splits the line at the comma and every later field moves",
     .repair = Repair::kMends},
    {.which = kHazardLineFeed,
     .id = "hazard.line-feed",
     .severity = kError,
     .title = "line feed in {column}",
     .meaning = "the value's line feed is written as CR LF and ends the line there",
     .repair = Repair::kMends},
    {.which = kHazardCarriageReturn,
     .id = "hazard.carriage-return",
     .severity = kError,
     .title = "carriage return in {column}",
     .meaning = "the value's carriage return may end the line for the import",
     .repair = Repair::kMends},
    {.which = kHazardNul,
     .id = "hazard.nul",
     .severity = kError,
     .title = "NUL byte in {column}",
     .meaning = "the value is cut at its NUL byte",
     .repair = Repair::kTemplate},
    {.which = kHazardCut,
     .id = "hazard.cut",
     .severity = kError,
     .title = "value longer than its field: {column}",
     .meaning = "the value is cut to what its field keeps",
     .repair = Repair::kTemplate},
    {.which = kHazardKeyBlanks,
     .id = "hazard.key-blanks",
     .severity = kWarning,
     .title = "key ending in blanks or tabs: {column}",
     .meaning = "the trimmed key finds nothing on a database that compares blanks exactly",
     .repair = Repair::kMends},
    {.which = kHazardControlByte,
     .id = "hazard.control-byte",
     .severity = kWarning,
     .title = "control byte in {column}",
     .meaning = "a byte ISO-8859-1 reads as a control character, often a Windows-1252 one",
     .repair = Repair::kMends},
    {.which = kHazardUtf8,
     .id = "hazard.utf-8",
     .severity = kWarning,
     .title = "UTF-8 text in {column}",
     .meaning = "a text stored as UTF-8: the import reads each letter beyond ASCII as two",
     .repair = Repair::kMends},
    {.which = kPurge,
     .id = "purge.communication-table",
     .severity = kBlocker,
     .title = "DB_SYSTEM makes the run delete every row of {table} after the device export; "
              "this cannot be undone",
     .meaning = "the run will empty the communication table after the device export"},
    {.which = kVerifyMissingFile,
     .id = "verify.missing-file",
     .severity = kError,
     .title = "{file} is missing",
     .meaning = "a file the run writes is not in the working directory"},
    {.which = kVerifyLineEnd,
     .id = "verify.line-end",
     .severity = kError,
     .title = "{file}: lines not ended by CR LF",
     .meaning = "a line of the file does not end with CR LF"},
    {.which = kVerifyMissingLines,
     .id = "verify.missing-lines",
     .severity = kError,
     .title = "{file}: lines the file lacks",
     .meaning = "the export would write a line the file does not hold"},
    {.which = kVerifyExtraLines,
     .id = "verify.extra-lines",
     .severity = kError,
     .title = "{file}: lines the export would not write",
     .meaning = "the file holds a line the export would not write"},
    {.which = kVerifyDifferent,
     .id = "verify.different",
     .severity = kError,
     .title = "{file}: lines that differ",
     .meaning = "a line of the file differs from the one the export would write"},
    {.which = kVerifyFieldCount,
     .id = "verify.field-count",
     .severity = kError,
     .title = "{file}: lines whose field count is not the file's",
     .meaning = "a line of the file has more or fewer fields than its kind of line"},
    {.which = kVerifyPurgedCommunication,
     .id = "verify.purged-communication",
     .severity = kWarning,
     .title = "TRM lines of the terminal table that cannot be rebuilt: the run emptied "
              "{table} after reading it",
     .meaning = "after a purge the terminals' TRM lines cannot be compared"},
};

constexpr bool TableFollowsIdOrder() {
  for (std::size_t i = 0; i < std::size(kKinds); ++i) {
    if (static_cast<std::size_t>(kKinds[i].which) != i) return false;
  }
  return true;
}
static_assert(TableFollowsIdOrder(), "one row per finding, in FindingId order");

}  // namespace

const FindingKind& KindOf(FindingId which) { return kKinds[static_cast<std::size_t>(which)]; }

std::span<const FindingKind> FindingKinds() { return kKinds; }

std::string Fill(std::string_view pattern, Parts parts) {
  std::string text;
  while (!pattern.empty()) {
    const std::size_t open = pattern.find('{');
    const std::size_t close = pattern.find('}', open);
    if (open == std::string_view::npos || close == std::string_view::npos) break;
    text.append(pattern.substr(0, open));
    const std::string_view name = pattern.substr(open + 1, close - open - 1);
    for (const auto& [part, value] : parts) {
      if (part == name) text.append(value);
    }
    pattern.remove_prefix(close + 1);
  }
  return text.append(pattern);
}

Finding Checked(Finding finding, bool passed, std::string detail) {
  finding.count = passed ? 0 : 1;
  finding.passed = passed;
  if (!detail.empty()) finding.examples.push_back({.effect = std::move(detail)});
  return finding;
}

Finding MakeFinding(FindingId which, Parts parts) {
  const FindingKind& kind = KindOf(which);
  return {.id = Fill(kind.id, parts), .severity = kind.severity, .title = Fill(kind.title, parts)};
}

}  // namespace skarvik::check

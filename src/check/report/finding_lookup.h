// Which kind of finding an id belongs to, for an administrator who has an id
// from a report and wants to know what it means.
//
// A report fills the {parts} of an id pattern in ("driver.table.{table}"
// becomes "driver.table.Vks114Tsm"), so an id is looked up against the
// patterns: the text around the parts must be equal, letter case included,
// and each part stands for one or more characters, none of them a dot. The
// parts the checks fill in (table, column, file, settings key, kind of
// table) never hold a dot, and the dot keeps "driver.table.{table}" from
// taking "driver.table.Vks114Tsm.assignment" as a table named
// "Vks114Tsm.assignment". The pattern itself, as the table writes it, is
// found as well.
#pragma once

#include <string_view>

#include "check/report/finding_kinds.h"

namespace skarvik::check {

// The kind id belongs to: the one whose pattern is id, else the first whose
// pattern matches it; nullptr when none does.
const FindingKind* FindingKindOf(std::string_view id);

}  // namespace skarvik::check

// Building the SQL texts of the old system's queries.
//
// The texts are executed exactly as the old system wrote them, blanks
// included, because the run log shows them and administrators compare them
// with the old system's logs: two blanks after "SELECT" and after the comma
// that closes every group of columns.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace skarvik {

// "SELECT  A, B,  C, D" for names {A,B,C,D} in groups of two.
std::string SelectList(std::span<const char* const> names, int columnsPerGroup);

// The text without its "VKSYSTEM." qualifiers, for the special data source.
std::string Unqualified(std::string_view text);

// The old table a query text reads: the name after its "VKSYSTEM." ("" when
// the text names none).
std::string_view TableOf(std::string_view text);

// The column a keyed query text compares its key with: the name before its
// " = '%s'" ("" for a text without a key).
std::string_view KeyColumnOf(std::string_view text);

// table as the SQL texts of a session name it: "VKSYSTEM.Vks1140Trm", or
// without the qualifier on the special data source.
std::string TableName(std::string_view table, bool unqualifiedNames);

// Puts key in place of the "%s" of text. Every single quote in the key is
// doubled, so a name with a quote reads as itself and not as the end of the
// literal around it.
std::string KeyedSql(std::string_view text, std::string_view key);

}  // namespace skarvik

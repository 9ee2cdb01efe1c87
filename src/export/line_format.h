// The one line format of the five files: every field followed by a comma,
// the last one included, with no quoting and no escaping, and the line
// ended by a line feed that the text stream writes as CR LF. The output
// file writes lines by these rules; skarvik-check reads the files back and
// counts their lines by the same ones.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skarvik {

// Appends the fields of one line to line, each followed by its comma; the
// line end is the writer's.
void AppendFields(std::string& line, std::span<const std::string_view> fields);

// A line as a file holds it, without its line end, cut at every comma.
// What follows the last comma is a field of its own only when it is not
// empty, as in a line that lost its end.
std::vector<std::string_view> SplitFields(std::string_view line);

// The fields a line of a file holds: one per comma.
std::size_t FieldCount(std::string_view line);

// The lines of a file that one written line stands on: a value's line feed
// is written as CR LF like every line end, so n of them make n + 1 lines.
std::size_t FileLinesOf(std::span<const std::string_view> fields);

}  // namespace skarvik

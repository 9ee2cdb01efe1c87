// What is written for a person at a console: an 80-column Windows console
// wraps once the 80th column is written, so a line of 80 would leave an
// empty line behind it, and a CR would return only to the start of its
// last row.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skarvik::check {

inline constexpr std::size_t kConsoleColumns = 79;

// text with each of its lines broken between words to fit in columns; a
// word longer than that stands alone on its line.
std::string Wrapped(std::string_view text, std::size_t columns = kConsoleColumns);

}  // namespace skarvik::check

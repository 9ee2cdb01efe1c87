// Bytes the newer system's import reads as something else than was meant.
//
// The files are ISO-8859-1, in which 0x01 to 0x1F, 0x7F and 0x80 to 0x9F
// are control characters. A text typed on Windows was often stored in
// Windows-1252, which keeps the euro sign, dashes and typographic quotes at
// 0x80 to 0x9F; a text stored as UTF-8 arrives as two or more letters per
// letter meant. CR, LF and NUL have findings of their own and are left out
// here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skarvik::check {

// What the first control byte of value is ("0x80: the euro sign in
// Windows-1252, a control character in ISO-8859-1"); nothing when it has
// none. The bytes of UTF-8 text are that text's, not control bytes.
std::optional<std::string> ControlByte(std::string_view value);

// When the bytes of value above 0x7F all form well-formed UTF-8, what its
// first letter becomes ("read as Ã¤ where ä was meant", in ISO-8859-1
// bytes); nothing otherwise.
std::optional<std::string> Utf8Text(std::string_view value);

}  // namespace skarvik::check

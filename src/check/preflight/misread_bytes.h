// Bytes the newer system's import reads as something else than was meant.
//
// The files are ISO-8859-1, in which 0x01 to 0x1F, 0x7F and 0x80 to 0x9F
// are control characters. A text typed on Windows was often stored in
// Windows-1252, which keeps the euro sign, dashes and typographic quotes at
// 0x80 to 0x9F; a text stored as UTF-8 arrives as two or more letters per
// letter meant. CR, LF and NUL have findings of their own and are left out
// here.
#pragma once

#include <cstddef>
#include <cstdint>
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

// A character Windows-1252 keeps at one of the bytes 0x80 to 0x9F.
struct Windows1252Character {
  std::uint32_t codePoint = 0;
  std::string_view name;    // "the euro sign"
  std::string_view mended;  // what stands for it in ISO-8859-1: "EUR"
};

// The character Windows-1252 keeps at byte; nothing for a byte outside 0x80
// to 0x9F and for the five bytes there it leaves empty.
const Windows1252Character* Windows1252AtByte(std::uint8_t byte);

// The character of Windows-1252's 0x80 to 0x9F with this code point; nothing
// for every other code point.
const Windows1252Character* Windows1252OfCodePoint(std::uint32_t point);

// Whether value is UTF-8 text: every byte above 0x7F belongs to a
// well-formed sequence, and there is at least one.
bool IsUtf8Text(std::string_view value);

// The length of the well-formed UTF-8 sequence bytes starts with; 0 when it
// starts with none (an ASCII byte is no sequence). No overlong forms, no
// surrogates, nothing above U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view bytes);

// The code point of a well-formed sequence.
std::uint32_t Utf8CodePoint(std::string_view sequence);

// A code point as written in messages: "U+20AC".
std::string CodePointName(std::uint32_t point);

}  // namespace skarvik::check

// How a value from the database is shown, whatever bytes it holds.
//
// The old database keeps its texts as ISO-8859-1 bytes and lets them hold
// anything: a CR, an LF, a NUL, a tab. The text report must show such a
// value on one plain ASCII line, and show it unambiguously (Escaped); the
// JSON report must be valid UTF-8 (Latin1ToUtf8).
#pragma once

#include <string>
#include <string_view>

namespace skarvik::check {

// Every byte below 0x20 and above 0x7E as \xNN (upper-case hex), a
// backslash as \\, the rest as it is: "Kasse\r\n1" shows as Kasse\x0D\x0A1,
// "Müller" (ISO-8859-1) as M\xFCller.
std::string Escaped(std::string_view bytes);

// ISO-8859-1 maps byte for byte to U+0000..U+00FF, so every byte from 0x80
// on becomes its two-byte UTF-8 form and the rest stays.
std::string Latin1ToUtf8(std::string_view bytes);

// Escaped for the program's own texts, such as a Windows path: a backslash
// stays single, since no database value stands beside it.
std::string Printable(std::string_view bytes);

}  // namespace skarvik::check

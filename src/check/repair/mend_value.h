// How one stored value is mended so that the newer system's import reads
// what was meant: ISO-8859-1 only, no control bytes, no line breaks, no
// commas, and for a key no blanks at its end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace skarvik::check {

// Each rule that can change a stored value, in the order they are applied.
enum class Mend { kUtf8, kWindows1252, kControlByte, kLineBreak, kComma, kTrim };

struct MendRules {
  // What a comma becomes: one printable ASCII byte other than the comma,
  // which the caller has checked.
  char comma = ';';
  // A key, whose blanks and tabs at the end are stored: they are removed.
  bool trim = false;
  // The most characters the mended value may have, its column's and its
  // field's room both; 0 for no limit.
  std::size_t maxLength = 0;
};

struct Mended {
  std::string value;          // the bytes after every rule, ISO-8859-1
  std::vector<Mend> applied;  // the rules that changed something, in Mend's order, each once
  std::string refusal;        // not empty: value is the stored one, unchanged, and this says why
};

// The value as the rules mend it, or refused: a value holding a NUL byte, a
// character ISO-8859-1 has no form for, or a changed value longer than
// maxLength. Mending a mended value changes nothing, so a second repair
// finds nothing left to do.
Mended MendValue(std::string_view stored, const MendRules& rules);

// A rule's short English name for the script's comments: "UTF-8",
// "Windows-1252", "control byte", "line break", "comma", "trailing blanks".
std::string_view MendName(Mend mend);

}  // namespace skarvik::check

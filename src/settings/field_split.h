// The two text operations the settings file's lines are split with.
//
// Lines are split at ";" by position: NthCharPos finds the separators and
// SubStr copies what lies between them into a fixed buffer. Both are bounded:
// they read nothing beyond the end of the text and write nothing beyond the
// destination.
#pragma once

#include <span>
#include <string_view>

namespace skarvik {

// The 0-based position of the n-th occurrence of c in text. When c occurs
// fewer than n times (or n is below 1) this is the position of its last
// occurrence; when it does not occur at all, -1.
int NthCharPos(std::string_view text, char c, int n);

// Copies length characters of text from start into dest and ends the copy
// with a NUL; a length of 0 copies from start to the end of the text. The
// copy stops at the end of the text and is cut to dest.size() - 1
// characters. A negative length or start copies nothing and leaves dest as
// it was.
void SubStr(std::string_view text, int start, int length, std::span<char> dest);

}  // namespace skarvik

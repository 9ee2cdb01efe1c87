// Terminal type codes: the old database stores a terminal's model either as
// a model string ("8373-011") or as a small numeric code, and the newer
// system knows only model strings.
#pragma once

#include "base/text.h"

namespace skarvik {

using ModelString = Text<9>;

// A type text shorter than this is a numeric code; longer ones are models.
inline constexpr std::size_t kModelStringMinLength = 7;

// Turns the numeric code in typeText into its model string, or "???" for an
// unknown code. A family-8373 code (30 to 37) becomes "8374-010" when the
// terminal's application text names the 8374 family.
void MapTerminalType(ModelString& typeText, const char* appText);

}  // namespace skarvik

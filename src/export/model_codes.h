// The terminal models of the two systems and how the old one's codes become
// the newer one's, in one place: the numeric type codes, the 8374 upgrade,
// the successors a model is written as, the models without a built-in
// reader, and what a key table header of each model carries.
//
// The old database stores a terminal's model either as a model string
// ("8373-011") or as a small numeric code; the newer system knows only
// model strings.
#pragma once

#include <span>
#include <string_view>

#include "base/text.h"

namespace skarvik {

using ModelString = Text<9>;

// A type text shorter than this is a numeric code; longer ones are models.
inline constexpr std::size_t kModelStringMinLength = 7;

// What an unknown numeric code becomes; the newer system knows no such model.
inline constexpr std::string_view kUnknownModel = "???";

// A numeric type code of the old system and the model it stands for.
struct TypeCode {
  int code;
  std::string_view model;
};

// Every code the export knows, in the order of their codes.
std::span<const TypeCode> TypeCodes();

// Turns the numeric code in typeText into its model string, or "???" for an
// unknown code. A family-8373 code (30 to 37) becomes "8374-010" when the
// terminal's application text names the 8374 family.
void MapTerminalType(ModelString& typeText, const char* appText);

// What a type stored in the terminal-type table becomes on its way out as
// the model of a balance table: a numeric code turns into its model string,
// every 8316-3 model is the 8316-300 of the newer system, and an 8374-010
// is taken for its successor 8374-050.
void NormalizeAssignedModel(ModelString& model);

// Whether the reader at address 1 of a terminal of this model is built in.
bool HasInternalReader(std::string_view model);

// The models the newer system knows key tables for, and what a key table
// header of each model carries there. The old system's own values mean
// nothing to the newer one.
struct KeyModel {
  std::string_view TttTtp;  // the model exactly as fetched
  std::string_view TttArt;
  std::string_view TttTas;      // "1" or "2"
  std::string_view renamedTo;   // the model written instead; empty: unchanged
  std::string_view modelValue;  // written in place of the header's text
};

// The row for model, or nullptr for a model outside the table.
const KeyModel* FindKeyModel(std::string_view model);

// TttTas of a key table whose model is outside the table.
inline constexpr std::string_view kUnlistedTttTas = "1";

}  // namespace skarvik

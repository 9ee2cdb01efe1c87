// The hexadecimal text form of the settings values.
//
// Each byte is two digits, high digit first. The reading is the old system's
// and deliberately lax: only "0"-"9" and upper-case "A"-"F" mean what they
// look like; any other character still gives a (wrong) byte rather than an
// error, so a damaged value deciphers to garbage instead of failing the run.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace skarvik {

// Turns text.size() / 2 digit pairs into bytes, at most out.size() of them;
// an odd last digit is not read.
void HexToBin(std::string_view text, std::span<std::uint8_t> out);

// Upper-case digits, the form HexToBin reads back.
std::string BinToHex(std::span<const std::uint8_t> bytes);

// Whether HexToBin reads every character of the text as the digit it shows.
bool IsUpperHex(std::string_view text);

}  // namespace skarvik

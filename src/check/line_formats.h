// The lines of the five files as the newer system's import reads them: how
// many fields each kind of line has, what each field is called, and which
// fields name the record. The import splits a line at every comma and ends
// it at every line break, so this is what a value with either moves.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skarvik::check {

struct LineFormat {
  std::string_view file;
  std::string_view firstField;               // "TRM", "LESINT"/"LESEXT" or "" for any
  std::span<const std::string_view> fields;  // names, 1-based in messages
  std::span<const int> keyFields;            // 0-based indexes that name the record
};

// The formats of one file (Device.dat has two kinds of line).
std::span<const LineFormat> FormatsOf(std::string_view file);

// The format a line of file belongs to, judged by its first field.
const LineFormat& FormatOf(std::string_view file, std::string_view firstField);

// "T1" or "T1, 3": the record's key fields joined.
std::string KeyOf(const LineFormat& format, std::span<const std::string_view> fields);

// The key of a line of file, its format judged by its own first field.
std::string KeyOfLine(std::string_view file, std::span<const std::string_view> fields);

// The five files in the order the run writes them.
inline constexpr std::string_view kFiles[] = {"Device.dat", "SldKopf.dat", "SldPos.dat",
                                              "TstKopf.dat", "TstPos.dat"};

}  // namespace skarvik::check

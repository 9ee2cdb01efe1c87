// A query's column: its name in the SQL text, the record field it is
// fetched into, and what becomes of its value on the way into the files. A
// query states its columns once, as an array of these, and that one list
// builds both the select list and the bindings, so the two can never
// disagree on order or width; a companion that checks a migration reads the
// same list to know which values reach a file and how much of them.
#pragma once

#include <cstddef>

#include "base/text.h"

namespace skarvik {

// What becomes of a column's value.
enum class ColumnUse {
  kWritten,    // written to a file, as much of it as the field holds
  kLookupKey,  // written, and the key that the later lookups of the row run with
  kRowKey,     // written, and names the row among the rows of its lookup
  kModel,      // written, and the terminal model the row is of, as stored
  kReadOnly,   // read, never written: the import's own value or a derived one stands there
};

template <class Record>
struct Column {
  const char* name;
  char* (*field)(Record&);
  std::size_t width;  // bytes of the field, its NUL included
  ColumnUse use;
  std::size_t kept;  // characters of the value a file keeps
  // For a long column of which the newer system keeps only the beginning:
  // puts what fits into the narrower field that is written, after every
  // field was trimmed.
  void (*cut)(Record&) = nullptr;
};

namespace detail {

template <auto kMember>
struct FieldOf;

template <class R, std::size_t kSize, Text<kSize> R::*kMember>
struct FieldOf<kMember> {
  using Record = R;  // the struct that declares the field
  static constexpr std::size_t kWidth = kSize;
  template <class Derived>
  static char* get(Derived& record) {
    return (record.*kMember).data();
  }
};

template <auto kWhole, auto kCut, class Record>
void CutInto(Record& row) {
  (row.*kCut).assignCut((row.*kWhole).view());
}

}  // namespace detail

// ColumnOf<&TerminalRecord::TrmNam>("TrmNam", ColumnUse::kLookupKey).
template <auto kMember, class Record = typename detail::FieldOf<kMember>::Record>
constexpr Column<Record> ColumnOf(const char* name, ColumnUse use = ColumnUse::kWritten) {
  using Field = detail::FieldOf<kMember>;
  return {.name = name,
          .field = &Field::template get<Record>,
          .width = Field::kWidth,
          .use = use,
          .kept = Field::kWidth - 1};
}

// A long column fetched whole into kWhole, of which the file keeps what fits
// into kCut, without the blanks the cut leaves at its end:
// CutColumn<&H::TslTxt, &H::text>("TslTxt").
template <auto kWhole, auto kCut, class Record = typename detail::FieldOf<kWhole>::Record>
constexpr Column<Record> CutColumn(const char* name) {
  Column<Record> result = ColumnOf<kWhole, Record>(name);
  result.kept = detail::FieldOf<kCut>::kWidth - 1;
  result.cut = &detail::CutInto<kWhole, kCut, Record>;
  return result;
}

}  // namespace skarvik

// A query's column: its name in the SQL text and the record field it is
// fetched into. A query states its columns once, as an array of these, and
// that one list builds both the select list and the bindings, so the two can
// never disagree on order or width.
#pragma once

#include <cstddef>

#include "base/text.h"

namespace skarvik {

template <class Record>
struct Column {
  const char* name;
  char* (*field)(Record&);
  std::size_t width;  // bytes of the field, its NUL included
};

namespace detail {

template <auto kMember>
struct FieldOf;

template <class R, std::size_t N, Text<N> R::*kMember>
struct FieldOf<kMember> {
  using Record = R;  // the struct that declares the field
  static constexpr std::size_t kWidth = N;
  template <class Derived>
  static char* Get(Derived& record) {
    return (record.*kMember).data();
  }
};

}  // namespace detail

// column<&TerminalRecord::TrmNam>("TrmNam"). A record that inherits some of
// its fields names itself: column<&Base::Field, Record>("Field").
template <auto kMember, class Record = typename detail::FieldOf<kMember>::Record>
constexpr Column<Record> column(const char* name) {
  using Field = detail::FieldOf<kMember>;
  return {name, &Field::template Get<Record>, Field::kWidth};
}

}  // namespace skarvik

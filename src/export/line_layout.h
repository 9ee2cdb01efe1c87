// The layout of one kind of line: its fields in order, each with its name
// and what fills it from the record the export hands over. The export
// writes its lines through these layouts, and a companion that checks a
// migration reads the same layouts to name a line's fields and its key, so
// the order of a line is stated once.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "export/line_sink.h"

namespace skarvik {

// What a field means to the newer system beyond its value.
enum class FieldRole {
  kValue,
  kKey,      // part of the key that names the line's record
  kCreator,  // the creator word the import's own lines carry
  kModel,    // the terminal model
};

struct LineField {
  std::string_view name;  // the column, or what fills it ("dial number")
  std::string_view (*value)(const void* record);
  FieldRole role = FieldRole::kValue;
};

struct LineLayout {
  std::string_view word;  // the word every line of this kind opens with; "" for any
  std::span<const LineField> fields;

  // Every field of the role, in line order.
  std::vector<std::size_t> indexesOf(FieldRole role) const {
    std::vector<std::size_t> indexes;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].role == role) indexes.push_back(i);
    }
    return indexes;
  }

  // The first field of the role, if the line has one.
  std::optional<std::size_t> indexOf(FieldRole role) const {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].role == role) return i;
    }
    return std::nullopt;
  }
};

namespace detail {

template <auto kMember, class Record>
std::string_view ViewOf(const void* record) {
  return (static_cast<const Record*>(record)->*kMember).view();
}

template <auto kOuter, auto kInner, class Record>
std::string_view NestedViewOf(const void* record) {
  return ((static_cast<const Record*>(record)->*kOuter).*kInner).view();
}

template <const char* kWord>
std::string_view WordOf(const void* /*record*/) {
  return kWord;
}

template <auto kMember>
struct MemberOf;
template <class R, class T, T R::*kMember>
struct MemberOf<kMember> {
  using Record = R;
};

}  // namespace detail

// A field filled by a Text member of the record: Field<&R::TrmNam>("TrmNam").
template <auto kMember, class Record = typename detail::MemberOf<kMember>::Record>
constexpr LineField Field(std::string_view name, FieldRole role = FieldRole::kValue) {
  return {.name = name, .value = &detail::ViewOf<kMember, Record>, .role = role};
}

// A field filled by a Text member of a struct member of the record.
template <auto kOuter, auto kInner, class Record = typename detail::MemberOf<kOuter>::Record>
constexpr LineField NestedField(std::string_view name) {
  return {.name = name, .value = &detail::NestedViewOf<kOuter, kInner, Record>};
}

// The word a kind of line opens with, the same on every line of it.
template <const char* kWord>
constexpr LineField WordField() {
  return {.name = kWord, .value = &detail::WordOf<kWord>};
}

// Hands record to sink as one line of layout. The record must be the one
// the layout's fields were made for.
template <class Record>
void WriteLine(LineSink& sink, const LineLayout& layout, const Record& record) {
  constexpr std::size_t kMostFields = 48;
  std::array<std::string_view, kMostFields> values;
  const std::size_t count = layout.fields.size() < kMostFields ? layout.fields.size() : kMostFields;
  for (std::size_t i = 0; i < count; ++i) values[i] = layout.fields[i].value(&record);
  sink.writeFields(std::span(values).first(count));
}

}  // namespace skarvik

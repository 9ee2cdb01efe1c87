// The terminal models the newer system knows key tables for, and what a key
// table header of each model carries there: its TttArt, its TttTas ("1" or
// "2") and its model value. The old system's own values mean nothing to the
// newer one; only a model outside the table keeps its stored TttArt and its
// text as model value. Two models are written as their successors.
#pragma once

#include <string_view>

#include "export/key_records.h"

namespace skarvik {

struct KeyModel {
  std::string_view TttTtp;  // the model exactly as fetched
  std::string_view TttArt;
  std::string_view TttTas;
  std::string_view renamedTo;  // the model written instead; empty: unchanged
  std::string_view modelValue;
};

// The row for model, or nullptr for a model outside the table.
const KeyModel* FindKeyModel(std::string_view model);

// Sets TttArt, TttTas, the model value and the model of the header from its
// row; a model outside the table keeps all but TttTas, which becomes "1".
// Expects the model value to hold the header's text already.
void ApplyKeyModel(KeyTableHeader& header);

}  // namespace skarvik

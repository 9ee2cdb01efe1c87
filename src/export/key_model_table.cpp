#include "export/key_model_table.h"

namespace skarvik {
namespace {

constexpr KeyModel kKeyModels[] = {
    {"8373-022", "1", "1", "", "14"},         {"8373-021", "2", "1", "", "13"},
    {"8374-010", "3", "1", "8374-050", "15"}, {"8374-050", "3", "1", "", "15"},
    {"8326-010", "4", "2", "", "3"},          {"8326-300", "5", "1", "", "4"},
    {"8359-001", "6", "2", "", "5"},          {"8373-011", "7", "2", "", "11"},
    {"8373-012", "8", "1", "", "12"},         {"8316-001", "9", "2", "", "1"},
    {"8373-002", "10", "1", "", "10"},        {"8372-006", "15", "1", "", "6"},
    {"8372-008", "13", "2", "", "7"},         {"8372-009", "11", "1", "", "8"},
    {"8316-300", "12", "1", "", "2"},         {"8373-001", "14", "2", "", "9"},
    {"8316-301", "12", "1", "8316-300", "2"},
};

constexpr std::string_view kUnlistedTttTas = "1";

}  // namespace

const KeyModel* FindKeyModel(std::string_view model) {
  for (const KeyModel& row : kKeyModels) {
    if (row.TttTtp == model) return &row;
  }
  return nullptr;
}

void ApplyKeyModel(KeyTableHeader& header) {
  const KeyModel* row = FindKeyModel(header.TttTtp.view());
  if (row == nullptr) {
    header.TttTas.assign(kUnlistedTttTas);
    return;
  }
  header.TttArt.assign(row->TttArt);
  header.TttTas.assign(row->TttTas);
  header.modelValue.assign(row->modelValue);
  if (!row->renamedTo.empty()) header.TttTtp.assign(row->renamedTo);
}

}  // namespace skarvik

#include "export/model_codes.h"

#include <cstdlib>
#include <cstring>

namespace skarvik {
namespace {

constexpr TypeCode kTypeCodes[] = {
    {.code = 1, .model = "8316-001"},   {.code = 2, .model = "8316-300"},
    {.code = 3, .model = "8316-301"},   {.code = 4, .model = "8326-010"},
    {.code = 5, .model = "8326-300"},   {.code = 6, .model = "8357-010"},
    {.code = 7, .model = "8357-020"},   {.code = 8, .model = "8357-030"},
    {.code = 10, .model = "8359-001"},  {.code = 11, .model = "8359-002"},
    {.code = 20, .model = "8372-006"},  {.code = 21, .model = "8372-008"},
    {.code = 22, .model = "8372-009"},  {.code = 30, .model = "8373-001"},
    {.code = 31, .model = "8373-002"},  {.code = 32, .model = "8373-011"},
    {.code = 33, .model = "8373-012"},  {.code = 34, .model = "8373-021"},
    {.code = 35, .model = "8373-022"},  {.code = 36, .model = "8373-071"},
    {.code = 37, .model = "8373-072"},  {.code = 621, .model = "8373-621"},
    {.code = 631, .model = "8373-631"},
};

// The 8373 codes that an application text of the 8374 family turns into
// the first 8374 model.
constexpr int kFirst8373Code = 30;
constexpr int kLast8373Code = 37;
constexpr char kFamily8374[] = "8374";
constexpr std::string_view kFirst8374Model = "8374-010";

// The models written as their successors.
constexpr std::string_view k8374Successor = "8374-050";
constexpr std::string_view k8316Family3 = "8316-3";
constexpr std::string_view k8316Successor = "8316-300";

constexpr std::string_view kModelsWithoutInternalReader[] = {"8316-301", "8359-002", "8374-010",
                                                             "8374-614"};

constexpr KeyModel kKeyModels[] = {
    {.TttTtp = "8373-022", .TttArt = "1", .TttTas = "1", .modelValue = "14"},
    {.TttTtp = "8373-021", .TttArt = "2", .TttTas = "1", .modelValue = "13"},
    {.TttTtp = kFirst8374Model,
     .TttArt = "3",
     .TttTas = "1",
     .renamedTo = k8374Successor,
     .modelValue = "15"},
    {.TttTtp = k8374Successor, .TttArt = "3", .TttTas = "1", .modelValue = "15"},
    {.TttTtp = "8326-010", .TttArt = "4", .TttTas = "2", .modelValue = "3"},
    {.TttTtp = "8326-300", .TttArt = "5", .TttTas = "1", .modelValue = "4"},
    {.TttTtp = "8359-001", .TttArt = "6", .TttTas = "2", .modelValue = "5"},
    {.TttTtp = "8373-011", .TttArt = "7", .TttTas = "2", .modelValue = "11"},
    {.TttTtp = "8373-012", .TttArt = "8", .TttTas = "1", .modelValue = "12"},
    {.TttTtp = "8316-001", .TttArt = "9", .TttTas = "2", .modelValue = "1"},
    {.TttTtp = "8373-002", .TttArt = "10", .TttTas = "1", .modelValue = "10"},
    {.TttTtp = "8372-006", .TttArt = "15", .TttTas = "1", .modelValue = "6"},
    {.TttTtp = "8372-008", .TttArt = "13", .TttTas = "2", .modelValue = "7"},
    {.TttTtp = "8372-009", .TttArt = "11", .TttTas = "1", .modelValue = "8"},
    {.TttTtp = k8316Successor, .TttArt = "12", .TttTas = "1", .modelValue = "2"},
    {.TttTtp = "8373-001", .TttArt = "14", .TttTas = "2", .modelValue = "9"},
    {.TttTtp = "8316-301",
     .TttArt = "12",
     .TttTas = "1",
     .renamedTo = k8316Successor,
     .modelValue = "2"},
};

bool Upgrades8374(int code, const char* appText) {
  return appText[0] != '\0' && code >= kFirst8373Code && code <= kLast8373Code &&
         std::strstr(appText, kFamily8374) != nullptr;
}

}  // namespace

void MapTerminalType(ModelString& typeText, const char* appText) {
  const int code = std::atoi(typeText.cStr());
  typeText.assign(kUnknownModel);
  for (const TypeCode& entry : kTypeCodes) {
    if (entry.code == code) typeText.assign(entry.model);
  }
  if (Upgrades8374(code, appText)) typeText.assign(kFirst8374Model);
}

void NormalizeAssignedModel(ModelString& model) {
  // The type table has no application text, so the 8374 upgrade of the
  // terminal table never applies to a code found here.
  if (model.size() < kModelStringMinLength) MapTerminalType(model, "");
  if (model.view().find(k8316Family3) != std::string_view::npos) model.assign(k8316Successor);
  if (model == kFirst8374Model) model.assign(k8374Successor);
}

bool HasInternalReader(std::string_view model) {
  for (const std::string_view excluded : kModelsWithoutInternalReader) {
    if (model == excluded) return false;
  }
  return true;
}

std::span<const TypeCode> TypeCodes() { return kTypeCodes; }

const KeyModel* FindKeyModel(std::string_view model) {
  for (const KeyModel& row : kKeyModels) {
    if (row.TttTtp == model) return &row;
  }
  return nullptr;
}

}  // namespace skarvik

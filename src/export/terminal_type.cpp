#include "export/terminal_type.h"

#include <cstdlib>
#include <cstring>

namespace skarvik {
namespace {

struct TypeCode {
  int code;
  const char* model;
};

constexpr TypeCode kTypeCodes[] = {
    {1, "8316-001"},  {2, "8316-300"},   {3, "8316-301"},   {4, "8326-010"},  {5, "8326-300"},
    {6, "8357-010"},  {7, "8357-020"},   {8, "8357-030"},   {10, "8359-001"}, {11, "8359-002"},
    {20, "8372-006"}, {21, "8372-008"},  {22, "8372-009"},  {30, "8373-001"}, {31, "8373-002"},
    {32, "8373-011"}, {33, "8373-012"},  {34, "8373-021"},  {35, "8373-022"}, {36, "8373-071"},
    {37, "8373-072"}, {621, "8373-621"}, {631, "8373-631"},
};

constexpr char kUnknownModel[] = "???";
constexpr char kFamily8374[] = "8374";
constexpr char kFamily8374Model[] = "8374-010";

bool Upgrades8374(int code, const char* appText) {
  return appText[0] != '\0' && code >= 30 && code <= 37 &&
         std::strstr(appText, kFamily8374) != nullptr;
}

}  // namespace

void MapTerminalType(ModelString& typeText, const char* appText) {
  const int code = std::atoi(typeText.c_str());
  typeText.assign(kUnknownModel);
  for (const TypeCode& entry : kTypeCodes) {
    if (entry.code == code) typeText.assign(entry.model);
  }
  if (Upgrades8374(code, appText)) typeText.assign(kFamily8374Model);
}

}  // namespace skarvik

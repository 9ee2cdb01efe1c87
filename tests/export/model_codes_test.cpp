#include "export/model_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace skarvik {
namespace {

TEST(ModelCodes, StoredTypesBecomeTheModelsTheNewerSystemKnows) {
  struct Case {
    std::string stored;
    std::string model;
  } cases[] = {
      {"3", "8316-300"},  // a numeric code is mapped first, then renamed
      {"2", "8316-300"},
      {"1", "8316-001"},
      {"30", "8373-001"},  // no application text: never an 8374
      {"99", "???"},
      {"", "???"},
      {"8316-3", "???"},        // six characters are a code, and not a known one
      {"X8316-3", "8316-300"},  // seven are a model; the family part may stand anywhere
      {"8316-399", "8316-300"},
      {"8316-30", "8316-300"},
      {"8316-201", "8316-201"},
      {"8374-010", "8374-050"},
      {"8374-01", "8374-01"},
      {"8374-050", "8374-050"},
      {"8373-01", "8373-01"},
  };
  for (const Case& c : cases) {
    ModelString model;
    model.assign(c.stored);
    NormalizeAssignedModel(model);
    EXPECT_EQ(model.view(), c.model) << "case " << c.stored;
  }
}

// A code is read as a number as far as it goes ("036", " 5", "5a").
TEST(ModelCodes, NumericCodesBecomeTheirModelsAndUnknownOnesQuestionMarks) {
  struct Case {
    std::string stored;
    std::string model;
  } cases[] = {
      {"1", "8316-001"},   {"2", "8316-300"},  {"3", "8316-301"},  {"4", "8326-010"},
      {"8", "8357-030"},   {"10", "8359-001"}, {"11", "8359-002"}, {"20", "8372-006"},
      {"22", "8372-009"},  {"30", "8373-001"}, {"37", "8373-072"}, {"621", "8373-621"},
      {"631", "8373-631"}, {"0", "???"},       {"9", "???"},       {"12", "???"},
      {"19", "???"},       {"23", "???"},      {"29", "???"},      {"38", "???"},
      {"620", "???"},      {"-1", "???"},      {"", "???"},        {"123456", "???"},
      {"036", "8373-071"}, {" 5", "8326-300"}, {"5a", "8326-300"},
  };
  for (const Case& c : cases) {
    ModelString model;
    model.assign(c.stored);
    MapTerminalType(model, "");
    EXPECT_EQ(model.view(), c.model) << "case " << c.stored;
  }
}

// Wherever the application text names the 8374 family.
TEST(ModelCodes, An8374ApplicationTextUpgradesOnlyThe8373Codes) {
  struct Case {
    std::string stored;
    std::string app;
    std::string model;
  } cases[] = {
      {"30", "x8374y", "8374-010"}, {"37", "8374", "8374-010"}, {"32", "837", "8373-011"},
      {"621", "8374", "8373-621"},  {"29", "8374", "???"},      {"38", "8374", "???"},
  };
  for (const Case& c : cases) {
    ModelString model;
    model.assign(c.stored);
    MapTerminalType(model, c.app.c_str());
    EXPECT_EQ(model.view(), c.model) << "case " << c.stored << " with " << c.app;
  }
}

TEST(ModelCodes, KeyModelsAreFoundByTheirExactModelOnly) {
  struct Case {
    std::string_view model;
    std::string_view art;  // "" for no row
    std::string_view renamedTo;
    std::string_view modelValue;
  } cases[] = {
      {"8373-022", "1", "", "14"}, {"8374-010", "3", "8374-050", "15"},
      {"8374-050", "3", "", "15"}, {"8316-301", "12", "8316-300", "2"},
      {"8357-010", "", "", ""},    {"", "", "", ""},
      {"8373-02", "", "", ""},     {"8373-0221", "", "", ""},
      {"8373-022 ", "", "", ""},   {" 8373-022", "", "", ""},
  };
  for (const Case& c : cases) {
    const KeyModel* row = FindKeyModel(c.model);
    const KeyModel found = row != nullptr ? *row : KeyModel{};
    EXPECT_EQ(found.TttArt, c.art) << "case " << c.model;
    EXPECT_EQ(found.renamedTo, c.renamedTo) << "case " << c.model;
    EXPECT_EQ(found.modelValue, c.modelValue) << "case " << c.model;
  }
}

}  // namespace
}  // namespace skarvik

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

}  // namespace
}  // namespace skarvik

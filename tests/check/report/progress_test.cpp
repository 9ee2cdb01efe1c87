#include "check/report/progress.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <functional>

namespace skarvik::check {
namespace {

// What a Progress wrote to its stream, its destructor included.
std::string Written(bool enabled, const std::function<void(Progress&)>& use) {
  char* buffer = nullptr;
  size_t size = 0;
  FILE* stream = open_memstream(&buffer, &size);
  {
    Progress progress(stream, enabled);
    use(progress);
  }
  fclose(stream);
  std::string text(buffer, size);
  free(buffer);
  return text;
}

TEST(Progress, EachPhaseRewritesTheLineAndBlanksCoverALongerOne) {
  EXPECT_EQ(Written(true,
                    [](Progress& progress) {
                      progress.phase("Device.dat");
                      progress.phase("SldPos.dat");
                      progress.phase("Pos");
                      progress.finish();
                    }),
            "\rDevice.dat: 0 rows read"
            "\rSldPos.dat: 0 rows read"
            "\rPos: 0 rows read       "
            "\r                       \r");
}

TEST(Progress, DestructorClearsTheLineOnce) {
  EXPECT_EQ(Written(true, [](Progress& progress) { progress.phase("x"); }),
            "\rx: 0 rows read\r              \r");
  EXPECT_EQ(Written(true,
                    [](Progress& progress) {
                      progress.phase("x");
                      progress.finish();
                    }),
            "\rx: 0 rows read\r              \r");
}

TEST(Progress, DisabledWritesNothing) {
  EXPECT_EQ(Written(false,
                    [](Progress& progress) {
                      progress.phase("Device.dat");
                      progress.rows(100000);
                      progress.finish();
                    }),
            "");
}

}  // namespace
}  // namespace skarvik::check

// Our Blowfish against nettle's on random keys and blocks. nettle reads the
// halves most significant byte first, so the halves are loaded that way here.
#include <gtest/gtest.h>
#include <nettle/blowfish.h>

#include <cstdint>
#include <random>
#include <vector>

#include "settings/blowfish.h"

namespace skarvik {
namespace {

std::uint32_t LoadBigEndian(const std::uint8_t* b) {
  return (std::uint32_t{b[0]} << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
}

TEST(BlowfishNettle, AgreesOnRandomKeysAndBlocks) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<std::size_t> key_length(BLOWFISH_MIN_KEY_SIZE,
                                                        BLOWFISH_MAX_KEY_SIZE);
  int compared = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> key(key_length(random));
    for (auto& b : key) b = static_cast<std::uint8_t>(byte(random));
    std::uint8_t block[8];
    for (auto& b : block) b = static_cast<std::uint8_t>(byte(random));

    blowfish_ctx theirs;
    if (!blowfish_set_key(&theirs, key.size(), key.data())) {
      continue;  // nettle refuses weak keys; there is nothing to compare
    }
    BlowfishState ours;
    BlowfishInit(ours, {reinterpret_cast<const char*>(key.data()), key.size()});

    std::uint8_t expected[8];
    blowfish_encrypt(&theirs, sizeof block, expected, block);
    std::uint32_t left = LoadBigEndian(block);
    std::uint32_t right = LoadBigEndian(block + 4);
    BlowfishEncrypt(ours, left, right);
    ASSERT_EQ(left, LoadBigEndian(expected)) << "round " << round;
    ASSERT_EQ(right, LoadBigEndian(expected + 4)) << "round " << round;

    BlowfishDecrypt(ours, left, right);
    ASSERT_EQ(left, LoadBigEndian(block)) << "round " << round;
    ASSERT_EQ(right, LoadBigEndian(block + 4)) << "round " << round;
    ++compared;
  }
  EXPECT_GT(compared, 2900);
}

}  // namespace
}  // namespace skarvik

#include "settings/blowfish.h"

#include <algorithm>
#include <utility>

#include "settings/blowfish_tables.h"

namespace skarvik {
namespace {

std::uint32_t Round(const BlowfishState& s, std::uint32_t x) {
  return ((s.sBoxes[0][x >> 24] + s.sBoxes[1][(x >> 16) & 0xFF]) ^ s.sBoxes[2][(x >> 8) & 0xFF]) +
         s.sBoxes[3][x & 0xFF];
}

// The next four key bytes as one word, first byte most significant; the key
// starts over at its first byte after its last.
std::uint32_t NextKeyWord(std::string_view key, std::size_t& pos) {
  std::uint32_t word = 0;
  for (int i = 0; i < 4; ++i) {
    word = (word << 8) | static_cast<unsigned char>(key[pos]);
    pos = (pos + 1) % key.size();
  }
  return word;
}

}  // namespace

void BlowfishInit(BlowfishState& state, std::string_view key) {
  std::copy(&kBlowfishInitialS[0][0],
            &kBlowfishInitialS[0][0] + sizeof state.sBoxes / sizeof(std::uint32_t),
            &state.sBoxes[0][0]);
  std::size_t pos = 0;
  for (int i = 0; i < 18; ++i) {
    state.pArray[i] = kBlowfishInitialP[i] ^ (key.empty() ? 0 : NextKeyWord(key, pos));
  }
  // One chain of encryptions from a zero block fills P and then the S-boxes.
  std::uint32_t left = 0;
  std::uint32_t right = 0;
  for (int i = 0; i < 18; i += 2) {
    BlowfishEncrypt(state, left, right);
    state.pArray[i] = left;
    state.pArray[i + 1] = right;
  }
  for (auto& box : state.sBoxes) {
    for (int i = 0; i < 256; i += 2) {
      BlowfishEncrypt(state, left, right);
      box[i] = left;
      box[i + 1] = right;
    }
  }
}

void BlowfishEncrypt(const BlowfishState& state, std::uint32_t& left, std::uint32_t& right) {
  std::uint32_t l = left;
  std::uint32_t r = right;
  for (int i = 0; i < 16; ++i) {
    l ^= state.pArray[i];
    r ^= Round(state, l);
    std::swap(l, r);
  }
  std::swap(l, r);
  right = r ^ state.pArray[16];
  left = l ^ state.pArray[17];
}

void BlowfishDecrypt(const BlowfishState& state, std::uint32_t& left, std::uint32_t& right) {
  std::uint32_t l = left;
  std::uint32_t r = right;
  for (int i = 17; i > 1; --i) {
    l ^= state.pArray[i];
    r ^= Round(state, l);
    std::swap(l, r);
  }
  std::swap(l, r);
  right = r ^ state.pArray[1];
  left = l ^ state.pArray[0];
}

void WipeBlowfishState(BlowfishState& state) {
  // Writes through a volatile pointer count as observable, so they survive
  // the optimiser even though the state dies right after.
  volatile unsigned char* bytes = reinterpret_cast<unsigned char*>(&state);
  for (std::size_t i = 0; i < sizeof(state); ++i) {
    bytes[i] = 0;
  }
}

}  // namespace skarvik

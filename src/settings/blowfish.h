// The Blowfish block cipher (64-bit blocks, 16 rounds) on one key schedule.
//
// A block is handled as two 32-bit halves; how bytes become halves is the
// caller's business (the settings values read each half least significant
// byte first). The state holds derived key material: whoever builds it with
// BlowfishInit wipes it with WipeBlowfishState when done.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace skarvik {

struct BlowfishState {
  std::uint32_t pArray[18];
  std::uint32_t sBoxes[4][256];
};

// Builds the key schedule from the key's bytes. An empty key leaves the
// subkeys as they start out, pi's digits, instead of failing.
void BlowfishInit(BlowfishState& state, std::string_view key);

void BlowfishEncrypt(const BlowfishState& state, std::uint32_t& left, std::uint32_t& right);
void BlowfishDecrypt(const BlowfishState& state, std::uint32_t& left, std::uint32_t& right);

// Overwrites every word of the state with 0 in a way the compiler keeps
// even though the state is not read again.
void WipeBlowfishState(BlowfishState& state);

}  // namespace skarvik

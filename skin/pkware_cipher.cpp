#include "skin/pkware_cipher.h"

#include "skin/crc32.h"

namespace {
constexpr std::uint32_t kKeyMultiplier = 134775813u;
}  // namespace

PkwareCipher::PkwareCipher(std::string_view password) {
  for (char c : password) UpdateKeys(static_cast<std::uint8_t>(c));
}

void PkwareCipher::UpdateKeys(std::uint8_t plain) {
  keys_[0] = Crc32Step(keys_[0], plain);
  keys_[1] = (keys_[1] + (keys_[0] & 0xFFu)) * kKeyMultiplier + 1u;
  keys_[2] = Crc32Step(keys_[2], static_cast<std::uint8_t>(keys_[1] >> 24));
}

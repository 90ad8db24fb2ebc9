// The traditional PKWARE password encryption of ZIP members: three 32-bit keys set from
// the password and stepped with every plain byte. The same keys encrypt and decrypt.
//
//   PkwareCipher cipher(password);
//   for (auto& byte : header) byte = cipher.Decrypt(byte);
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class PkwareCipher {
 public:
  static constexpr std::size_t kHeaderSize = 12;

  explicit PkwareCipher(std::string_view password);

  std::uint8_t Decrypt(std::uint8_t cipher_byte) {
    const std::uint8_t plain = cipher_byte ^ KeyStreamByte();
    UpdateKeys(plain);
    return plain;
  }
  std::uint8_t Encrypt(std::uint8_t plain_byte) {
    const std::uint8_t cipher_byte = plain_byte ^ KeyStreamByte();
    UpdateKeys(plain_byte);
    return cipher_byte;
  }

 private:
  std::uint8_t KeyStreamByte() const {
    const std::uint32_t temp = (keys_[2] | 2u) & 0xFFFFu;
    return static_cast<std::uint8_t>((temp * (temp ^ 1u)) >> 8);
  }
  void UpdateKeys(std::uint8_t plain);

  std::uint32_t keys_[3] = {0x12345678u, 0x23456789u, 0x34567890u};
};

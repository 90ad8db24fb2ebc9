// MD5 message digest (RFC 1321). The client never sends the password, only this digest
// of its ANSI bytes, printed as 32 lowercase hex digits.
//
//   std::string hex = DigestToHex(DigestOfString(password));
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using Digest = std::array<std::uint8_t, 16>;

struct DigestContext {
  std::uint32_t state[4];     // chaining values A, B, C, D
  std::uint32_t count[2];     // message length in bits, low word first
  std::uint8_t buffer[64];    // input not yet transformed
};
static_assert(sizeof(DigestContext) == 88);

void DigestInit(DigestContext& context);
void DigestUpdate(DigestContext& context, const void* input, std::int32_t length);
// Pads, writes the digest and wipes the whole context.
void DigestFinal(DigestContext& context, Digest& digest);

Digest DigestOfString(std::string_view bytes);
std::string DigestToHex(const Digest& digest);

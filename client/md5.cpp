#include "client/md5.h"

#include <cstring>

namespace {

constexpr std::size_t kBlockSize = 64;

std::uint32_t LoadLittleEndian(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}

void StoreLittleEndian(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
  p[2] = static_cast<std::uint8_t>(v >> 16);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}

constexpr std::uint32_t RotateLeft(std::uint32_t v, int s) { return v << s | v >> (32 - s); }

// The round functions in the forms that need the fewest dependent operations:
// F and G select bits, so they can be written with one AND less than the RFC's text,
// and G's two terms never share a set bit, so they may be added one after the other.
#define MD5_STEP_F(a, b, c, d, x, s, t) \
  a += ((c ^ d) & b ^ d) + (x) + (t);    \
  a = RotateLeft(a, s) + b
#define MD5_STEP_G(a, b, c, d, x, s, t) \
  a += (~d & c) + (x) + (t);             \
  a += d & b;                            \
  a = RotateLeft(a, s) + b
#define MD5_STEP_H(a, b, c, d, x, s, t) \
  a += (b ^ c ^ d) + (x) + (t);          \
  a = RotateLeft(a, s) + b
#define MD5_STEP_I(a, b, c, d, x, s, t) \
  a += ((~d | b) ^ c) + (x) + (t);       \
  a = RotateLeft(a, s) + b

void Transform(std::uint32_t state[4], const std::uint8_t* block) {
  std::uint32_t x[16];
  for (int i = 0; i < 16; ++i) x[i] = LoadLittleEndian(block + 4 * i);
  std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];

  MD5_STEP_F(a, b, c, d, x[0], 7, 0xd76aa478);
  MD5_STEP_F(d, a, b, c, x[1], 12, 0xe8c7b756);
  MD5_STEP_F(c, d, a, b, x[2], 17, 0x242070db);
  MD5_STEP_F(b, c, d, a, x[3], 22, 0xc1bdceee);
  MD5_STEP_F(a, b, c, d, x[4], 7, 0xf57c0faf);
  MD5_STEP_F(d, a, b, c, x[5], 12, 0x4787c62a);
  MD5_STEP_F(c, d, a, b, x[6], 17, 0xa8304613);
  MD5_STEP_F(b, c, d, a, x[7], 22, 0xfd469501);
  MD5_STEP_F(a, b, c, d, x[8], 7, 0x698098d8);
  MD5_STEP_F(d, a, b, c, x[9], 12, 0x8b44f7af);
  MD5_STEP_F(c, d, a, b, x[10], 17, 0xffff5bb1);
  MD5_STEP_F(b, c, d, a, x[11], 22, 0x895cd7be);
  MD5_STEP_F(a, b, c, d, x[12], 7, 0x6b901122);
  MD5_STEP_F(d, a, b, c, x[13], 12, 0xfd987193);
  MD5_STEP_F(c, d, a, b, x[14], 17, 0xa679438e);
  MD5_STEP_F(b, c, d, a, x[15], 22, 0x49b40821);

  MD5_STEP_G(a, b, c, d, x[1], 5, 0xf61e2562);
  MD5_STEP_G(d, a, b, c, x[6], 9, 0xc040b340);
  MD5_STEP_G(c, d, a, b, x[11], 14, 0x265e5a51);
  MD5_STEP_G(b, c, d, a, x[0], 20, 0xe9b6c7aa);
  MD5_STEP_G(a, b, c, d, x[5], 5, 0xd62f105d);
  MD5_STEP_G(d, a, b, c, x[10], 9, 0x02441453);
  MD5_STEP_G(c, d, a, b, x[15], 14, 0xd8a1e681);
  MD5_STEP_G(b, c, d, a, x[4], 20, 0xe7d3fbc8);
  MD5_STEP_G(a, b, c, d, x[9], 5, 0x21e1cde6);
  MD5_STEP_G(d, a, b, c, x[14], 9, 0xc33707d6);
  MD5_STEP_G(c, d, a, b, x[3], 14, 0xf4d50d87);
  MD5_STEP_G(b, c, d, a, x[8], 20, 0x455a14ed);
  MD5_STEP_G(a, b, c, d, x[13], 5, 0xa9e3e905);
  MD5_STEP_G(d, a, b, c, x[2], 9, 0xfcefa3f8);
  MD5_STEP_G(c, d, a, b, x[7], 14, 0x676f02d9);
  MD5_STEP_G(b, c, d, a, x[12], 20, 0x8d2a4c8a);

  MD5_STEP_H(a, b, c, d, x[5], 4, 0xfffa3942);
  MD5_STEP_H(d, a, b, c, x[8], 11, 0x8771f681);
  MD5_STEP_H(c, d, a, b, x[11], 16, 0x6d9d6122);
  MD5_STEP_H(b, c, d, a, x[14], 23, 0xfde5380c);
  MD5_STEP_H(a, b, c, d, x[1], 4, 0xa4beea44);
  MD5_STEP_H(d, a, b, c, x[4], 11, 0x4bdecfa9);
  MD5_STEP_H(c, d, a, b, x[7], 16, 0xf6bb4b60);
  MD5_STEP_H(b, c, d, a, x[10], 23, 0xbebfbc70);
  MD5_STEP_H(a, b, c, d, x[13], 4, 0x289b7ec6);
  MD5_STEP_H(d, a, b, c, x[0], 11, 0xeaa127fa);
  MD5_STEP_H(c, d, a, b, x[3], 16, 0xd4ef3085);
  MD5_STEP_H(b, c, d, a, x[6], 23, 0x04881d05);
  MD5_STEP_H(a, b, c, d, x[9], 4, 0xd9d4d039);
  MD5_STEP_H(d, a, b, c, x[12], 11, 0xe6db99e5);
  MD5_STEP_H(c, d, a, b, x[15], 16, 0x1fa27cf8);
  MD5_STEP_H(b, c, d, a, x[2], 23, 0xc4ac5665);

  MD5_STEP_I(a, b, c, d, x[0], 6, 0xf4292244);
  MD5_STEP_I(d, a, b, c, x[7], 10, 0x432aff97);
  MD5_STEP_I(c, d, a, b, x[14], 15, 0xab9423a7);
  MD5_STEP_I(b, c, d, a, x[5], 21, 0xfc93a039);
  MD5_STEP_I(a, b, c, d, x[12], 6, 0x655b59c3);
  MD5_STEP_I(d, a, b, c, x[3], 10, 0x8f0ccc92);
  MD5_STEP_I(c, d, a, b, x[10], 15, 0xffeff47d);
  MD5_STEP_I(b, c, d, a, x[1], 21, 0x85845dd1);
  MD5_STEP_I(a, b, c, d, x[8], 6, 0x6fa87e4f);
  MD5_STEP_I(d, a, b, c, x[15], 10, 0xfe2ce6e0);
  MD5_STEP_I(c, d, a, b, x[6], 15, 0xa3014314);
  MD5_STEP_I(b, c, d, a, x[13], 21, 0x4e0811a1);
  MD5_STEP_I(a, b, c, d, x[4], 6, 0xf7537e82);
  MD5_STEP_I(d, a, b, c, x[11], 10, 0xbd3af235);
  MD5_STEP_I(c, d, a, b, x[2], 15, 0x2ad7d2bb);
  MD5_STEP_I(b, c, d, a, x[9], 21, 0xeb86d391);

  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
}

#undef MD5_STEP_F
#undef MD5_STEP_G
#undef MD5_STEP_H
#undef MD5_STEP_I

}  // namespace

void DigestInit(DigestContext& context) {
  context.state[0] = 0x67452301;
  context.state[1] = 0xefcdab89;
  context.state[2] = 0x98badcfe;
  context.state[3] = 0x10325476;
  context.count[0] = context.count[1] = 0;
  std::memset(context.buffer, 0, sizeof context.buffer);
}

void DigestUpdate(DigestContext& context, const void* input, std::int32_t length) {
  if (length <= 0) return;
  const auto* bytes = static_cast<const std::uint8_t*>(input);
  const auto n = static_cast<std::uint32_t>(length);

  std::size_t buffered = (context.count[0] >> 3) % kBlockSize;
  const std::uint32_t low = context.count[0] + (n << 3);
  if (low < context.count[0]) ++context.count[1];
  context.count[0] = low;
  context.count[1] += n >> 29;

  std::size_t consumed = 0;
  if (buffered != 0) {
    const std::size_t room = kBlockSize - buffered;
    if (n < room) {
      std::memcpy(context.buffer + buffered, bytes, n);
      return;
    }
    std::memcpy(context.buffer + buffered, bytes, room);
    Transform(context.state, context.buffer);
    consumed = room;
  }
  for (; consumed + kBlockSize <= n; consumed += kBlockSize) Transform(context.state, bytes + consumed);
  std::memcpy(context.buffer, bytes + consumed, n - consumed);
}

void DigestFinal(DigestContext& context, Digest& digest) {
  // The padding is one 0x80 byte and zeros up to 56 bytes modulo 64, then the bit count;
  // it is built in the buffer itself, which saves two passes through DigestUpdate.
  constexpr std::size_t kLengthOffset = kBlockSize - 8;
  std::size_t buffered = (context.count[0] >> 3) % kBlockSize;
  context.buffer[buffered++] = 0x80;
  if (buffered > kLengthOffset) {
    std::memset(context.buffer + buffered, 0, kBlockSize - buffered);
    Transform(context.state, context.buffer);
    buffered = 0;
  }
  std::memset(context.buffer + buffered, 0, kLengthOffset - buffered);
  StoreLittleEndian(context.buffer + kLengthOffset, context.count[0]);
  StoreLittleEndian(context.buffer + kLengthOffset + 4, context.count[1]);
  Transform(context.state, context.buffer);

  for (int i = 0; i < 4; ++i) StoreLittleEndian(digest.data() + 4 * i, context.state[i]);
  std::memset(&context, 0, sizeof context);
}

Digest DigestOfString(std::string_view bytes) {
  DigestContext context;
  DigestInit(context);
  // One update takes a signed 32-bit count; longer input goes in pieces.
  constexpr std::size_t kLargestUpdate = 0x40000000;
  while (bytes.size() > kLargestUpdate) {
    DigestUpdate(context, bytes.data(), static_cast<std::int32_t>(kLargestUpdate));
    bytes.remove_prefix(kLargestUpdate);
  }
  DigestUpdate(context, bytes.data(), static_cast<std::int32_t>(bytes.size()));
  Digest digest;
  DigestFinal(context, digest);
  return digest;
}

std::string DigestToHex(const Digest& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex(2 * digest.size(), '\0');
  for (std::size_t i = 0; i < digest.size(); ++i) {
    hex[2 * i] = kDigits[digest[i] >> 4];
    hex[2 * i + 1] = kDigits[digest[i] & 0x0f];
  }
  return hex;
}

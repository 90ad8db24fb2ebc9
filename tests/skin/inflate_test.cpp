// Our DEFLATE decoder against crafted streams (each written with the bit writer and
// expecting one outcome) and, where zlib is at hand, against zlib's own compressor.
#include "skin/inflate.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/skin/deflate_bit_writer.h"

#if defined(TARNWICK_TEST_WITH_ZLIB)
#include <zlib.h>
#endif

namespace {

constexpr std::size_t kNoLimit = std::size_t{1} << 30;

struct Decoded {
  InflateStatus status;
  std::vector<std::uint8_t> bytes;
};

Decoded Decode(const std::vector<std::uint8_t>& stream, std::size_t limit = kNoLimit) {
  MemorySource source(stream);
  VectorSink sink(limit);
  const InflateStatus status = Inflate(source, sink);
  return {status, sink.Bytes()};
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string text;
  for (std::uint8_t b : bytes) {
    text += digits[b >> 4];
    text += digits[b & 15];
    text += ' ';
  }
  return text;
}

std::vector<std::uint8_t> Repeat(char c, std::size_t n) { return std::vector<std::uint8_t>(n, static_cast<std::uint8_t>(c)); }
std::vector<std::uint8_t> Text(std::string_view s) { return {s.begin(), s.end()}; }

// Block header: BFINAL then BTYPE.
DeflateBitWriter Block(bool last, unsigned type) {
  DeflateBitWriter w;
  w.Bits(last ? 1 : 0, 1).Bits(type, 2);
  return w;
}

// A dynamic block header whose literal/length code has 'a' (1 bit, code 0) and end of
// block (code 1), or, with `incomplete`, end of block as a 2-bit code 10 leaving 11 unused;
// one distance code of length 1. The code-length code is complete: 1 -> "0", 2 -> "10",
// 18 -> "11".
DeflateBitWriter SmallDynamicHeader(bool incomplete) {
  DeflateBitWriter w = Block(true, 2);
  w.Bits(0, 5).Bits(0, 5).Bits(14, 4);  // HLIT 257, HDIST 1, HCLEN 18
  // Code-length code lengths in the order 16 17 18 0 8 7 9 6 10 5 11 4 12 3 13 2 14 1.
  const unsigned order_lengths[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1};
  for (unsigned length : order_lengths) w.Bits(length, 3);
  // Canonical codes: length 1: symbol 1 -> 0; length 2: symbol 2 -> 10, symbol 18 -> 11.
  auto zeros = [&](unsigned n) { w.Code(3, 2).Bits(n - 11, 7); };  // 18: 11-138 zeros
  zeros(97);                                    // symbols 0-96
  w.Code(0, 1);                                 // 'a' (97): length 1
  zeros(138);                                   // 98-235
  zeros(20);                                    // 236-255
  if (incomplete) w.Code(2, 2); else w.Code(0, 1);  // 256: length 2 or 1
  w.Code(0, 1);                                 // distance 0: length 1
  return w;
}

struct CraftedCase {
  const char* description;
  std::function<DeflateBitWriter()> write;
  InflateStatus expected;
  std::vector<std::uint8_t> expected_output;  // checked when expected is kDone
};

std::ostream& operator<<(std::ostream& out, const CraftedCase& c) { return out << c.description; }

const CraftedCase kCraftedCases[] = {
    {"stored block", [] {
       DeflateBitWriter w = Block(true, 0);
       w.AlignToByte().Bits(5, 16).Bits(~5u & 0xFFFF, 16);
       for (char c : std::string("hello")) w.Byte(c);
       return w;
     }, InflateStatus::kDone, Text("hello")},
    {"empty stored block", [] { return Block(true, 0).AlignToByte().Bits(0, 16).Bits(0xFFFF, 16); },
     InflateStatus::kDone, {}},
    {"stored block whose NLEN is not the complement is still copied", [] {
       DeflateBitWriter w = Block(true, 0);
       w.AlignToByte().Bits(2, 16).Bits(0, 16).Byte('o').Byte('k');
       return w;
     }, InflateStatus::kDone, Text("ok")},
    {"fixed literals", [] { return Block(true, 1).FixedLiteral('a').FixedLiteral(200).FixedLiteral('c').FixedEndOfBlock(); },
     InflateStatus::kDone, {'a', 200, 'c'}},
    {"overlapping copy distance 1 length 258", [] { return Block(true, 1).FixedLiteral('z').FixedMatch(258, 1).FixedEndOfBlock(); },
     InflateStatus::kDone, Repeat('z', 259)},
    {"overlapping copy distance 2 repeats a pair", [] {
       return Block(true, 1).FixedLiteral('a').FixedLiteral('b').FixedMatch(5, 2).FixedEndOfBlock();
     }, InflateStatus::kDone, Text("abababa")},
    {"overlapping copy distance 3 length 258 repeats a pixel", [] {
       return Block(true, 1).FixedLiteral('r').FixedLiteral('g').FixedLiteral('b').FixedMatch(258, 3).FixedEndOfBlock();
     }, InflateStatus::kDone, [] {
       std::vector<std::uint8_t> pixels;
       for (int i = 0; i < 261; ++i) pixels.push_back("rgb"[i % 3]);
       return pixels;
     }()},
    {"overlapping copy distance 7 length 100", [] {
       DeflateBitWriter w = Block(true, 1);
       for (char c : std::string("seven!?")) w.FixedLiteral(c);
       return w.FixedMatch(100, 7).FixedEndOfBlock();
     }, InflateStatus::kDone, [] {
       std::vector<std::uint8_t> bytes;
       for (int i = 0; i < 107; ++i) bytes.push_back("seven!?"[i % 7]);
       return bytes;
     }()},
    {"copy of distance 10 length 8 reads earlier bytes only", [] {
       DeflateBitWriter w = Block(true, 1);
       for (char c : std::string("0123456789")) w.FixedLiteral(c);
       return w.FixedMatch(8, 10).FixedEndOfBlock();
     }, InflateStatus::kDone, Text("012345678901234567")},
    {"fixed block, then stored last block", [] {
       DeflateBitWriter w = Block(false, 1);
       w.FixedLiteral('x').FixedEndOfBlock().Bits(1, 1).Bits(0, 2).AlignToByte().Bits(1, 16).Bits(0xFFFE, 16).Byte('y');
       return w;
     }, InflateStatus::kDone, Text("xy")},
    {"small dynamic block", [] { return SmallDynamicHeader(false).Code(0, 1).Code(0, 1).Code(0, 1).Code(1, 1); },
     InflateStatus::kDone, Text("aaa")},
    {"dynamic block hitting an unused slot of an incomplete code", [] {
       return SmallDynamicHeader(true).Code(0, 1).Code(3, 2);
     }, InflateStatus::kBadData, {}},
    {"distance further back than the output", [] { return Block(true, 1).FixedLiteral('a').FixedMatch(3, 2).FixedEndOfBlock(); },
     InflateStatus::kBadData, {}},
    {"match before any output", [] { return Block(true, 1).FixedMatch(3, 1).FixedEndOfBlock(); },
     InflateStatus::kBadData, {}},
    {"fixed length symbol 286", [] { return Block(true, 1).FixedLiteral('a').FixedSymbol(286).Bits(0, 5); },
     InflateStatus::kBadData, {}},
    {"fixed distance symbol 30", [] { return Block(true, 1).FixedLiteral('a').FixedSymbol(257).Code(30, 5).FixedEndOfBlock(); },
     InflateStatus::kBadData, {}},
    {"block type 3", [] { return Block(true, 3).Bits(0, 16); }, InflateStatus::kBadData, {}},
    {"HLIT above 286", [] { return Block(true, 2).Bits(30, 5).Bits(0, 5).Bits(0, 4).Bits(0, 32); },
     InflateStatus::kBadData, {}},
    {"HDIST above 30", [] { return Block(true, 2).Bits(0, 5).Bits(30, 5).Bits(0, 4).Bits(0, 32); },
     InflateStatus::kBadData, {}},
    {"over-subscribed code-length code", [] {
       DeflateBitWriter w = Block(true, 2);
       w.Bits(0, 5).Bits(0, 5).Bits(0, 4);  // four code-length codes: 16 17 18 0
       return w.Bits(1, 3).Bits(1, 3).Bits(1, 3).Bits(0, 3).Bits(0, 32);  // three codes of 1 bit
     }, InflateStatus::kBadData, {}},
    {"over-subscribed literal/length code", [] {
       DeflateBitWriter w = Block(true, 2);
       w.Bits(0, 5).Bits(0, 5).Bits(14, 4);
       const unsigned order_lengths[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1};
       for (unsigned length : order_lengths) w.Bits(length, 3);
       // Every one of the 258 lengths is 1: far more 1-bit codes than there is room for.
       for (int i = 0; i < 258; ++i) w.Code(0, 1);
       return w.Bits(0, 32);
     }, InflateStatus::kBadData, {}},
    {"repeat code 16 with no previous length", [] {
       DeflateBitWriter w = Block(true, 2);
       w.Bits(0, 5).Bits(0, 5).Bits(0, 4);  // code-length codes 16 17 18 0
       // Codes go to symbols in symbol order: 0 -> "0", 16 -> "1".
       w.Bits(1, 3).Bits(0, 3).Bits(0, 3).Bits(1, 3);
       return w.Code(1, 1).Bits(0, 2).Bits(0, 32);
     }, InflateStatus::kBadData, {}},
    {"zero run past HLIT + HDIST lengths", [] {
       DeflateBitWriter w = Block(true, 2);
       w.Bits(0, 5).Bits(0, 5).Bits(0, 4);
       w.Bits(0, 3).Bits(0, 3).Bits(1, 3).Bits(1, 3);  // 0 -> "0", 18 -> "1"
       w.Code(1, 1).Bits(127, 7).Code(1, 1).Bits(127, 7);  // 276 zeros of 258
       return w.Bits(0, 32);
     }, InflateStatus::kBadData, {}},
    {"empty input", [] { return DeflateBitWriter(); }, InflateStatus::kTruncatedInput, {}},
    {"fixed block cut before end of block", [] { return Block(true, 1).FixedLiteral('a').FixedLiteral('b'); },
     InflateStatus::kTruncatedInput, {}},
    {"stored block shorter than LEN", [] {
       return Block(true, 0).AlignToByte().Bits(10, 16).Bits(~10u & 0xFFFF, 16).Byte('a').Byte('b');
     }, InflateStatus::kTruncatedInput, {}},
    {"stored header cut short", [] { return Block(true, 0).AlignToByte().Bits(10, 16); },
     InflateStatus::kTruncatedInput, {}},
    {"non-last block with nothing after it", [] { return Block(false, 1).FixedLiteral('a').FixedEndOfBlock(); },
     InflateStatus::kTruncatedInput, {}},
};

class CraftedStreamTest : public testing::TestWithParam<CraftedCase> {};

TEST_P(CraftedStreamTest, GivesItsOneOutcome) {
  const CraftedCase& c = GetParam();
  const std::vector<std::uint8_t> stream = c.write().Bytes();
  const Decoded decoded = Decode(stream);
  EXPECT_EQ(InflateStatusName(decoded.status), std::string(InflateStatusName(c.expected)))
      << c.description << "\nstream: " << Hex(stream);
  if (c.expected == InflateStatus::kDone) {
    EXPECT_EQ(decoded.bytes, c.expected_output) << c.description << "\nstream: " << Hex(stream);
  }
}

std::string CaseName(const testing::TestParamInfo<CraftedCase>& info) {
  std::string name;
  for (const char* p = info.param.description; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Crafted, CraftedStreamTest, testing::ValuesIn(kCraftedCases), CaseName);

// Stored blocks longer than the window, so that flushing and refilling run many times.
std::vector<std::uint8_t> PatternBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

std::vector<std::uint8_t> StoredStream(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out;
  std::size_t done = 0;
  do {
    const std::size_t piece = std::min<std::size_t>(data.size() - done, 65535);
    const bool last = done + piece == data.size();
    DeflateBitWriter header = Block(last, 0);
    header.AlignToByte().Bits(static_cast<std::uint32_t>(piece), 16).Bits(static_cast<std::uint32_t>(~piece & 0xFFFF), 16);
    out.insert(out.end(), header.Bytes().begin(), header.Bytes().end());
    out.insert(out.end(), data.begin() + done, data.begin() + done + piece);
    done += piece;
  } while (done < data.size());
  return out;
}

TEST(InflateStoredTest, LongStoredDataComesBackWhole) {
  const auto data = PatternBytes(300000, 7);
  const Decoded decoded = Decode(StoredStream(data));
  ASSERT_EQ(decoded.status, InflateStatus::kDone);
  EXPECT_EQ(decoded.bytes, data);
}

// Gives one byte per read, so every refill path runs.
class TrickleSource final : public ByteSource {
 public:
  explicit TrickleSource(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  std::optional<std::size_t> Read(std::span<std::uint8_t> into) override {
    if (position_ == bytes_.size() || into.empty()) return std::size_t{0};
    into[0] = bytes_[position_++];
    return std::size_t{1};
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t position_ = 0;
};

TEST(InflateStoredTest, SourceGivingOneByteAtATime) {
  const auto data = PatternBytes(70000, 11);
  const auto stream = StoredStream(data);
  TrickleSource source(stream);
  VectorSink sink(kNoLimit);
  ASSERT_EQ(Inflate(source, sink), InflateStatus::kDone);
  EXPECT_EQ(sink.Bytes(), data);
}

class FailingSource final : public ByteSource {
 public:
  std::optional<std::size_t> Read(std::span<std::uint8_t>) override { return std::nullopt; }
};

TEST(InflateEndsTest, ReadErrorIsReported) {
  FailingSource source;
  VectorSink sink(kNoLimit);
  EXPECT_EQ(Inflate(source, sink), InflateStatus::kReadError);
}

TEST(InflateEndsTest, FullSinkStopsAnExpandingStream) {
  // 'a' and then 400 matches of 258: far more than the sink's 10,000 bytes.
  DeflateBitWriter w = Block(true, 1);
  w.FixedLiteral('a');
  for (int i = 0; i < 400; ++i) w.FixedMatch(258, 1);
  w.FixedEndOfBlock();
  const Decoded decoded = Decode(w.Bytes(), 10000);
  EXPECT_EQ(decoded.status, InflateStatus::kOutputRefused);
  EXPECT_LE(decoded.bytes.size(), 10000u);
}

#if defined(TARNWICK_TEST_WITH_ZLIB)

std::vector<std::uint8_t> ZlibRawDeflate(const std::vector<std::uint8_t>& data, int level, int strategy) {
  z_stream z{};
  EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, -15, 9, strategy), Z_OK);
  std::vector<std::uint8_t> out(deflateBound(&z, data.size()) + 16);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

struct RoundTripCase {
  const char* description;
  std::function<std::vector<std::uint8_t>()> make;
  int level;
  int strategy;
};

std::ostream& operator<<(std::ostream& out, const RoundTripCase& c) { return out << c.description; }

std::vector<std::uint8_t> EnglishLikeText(std::size_t size) {
  static const char* words[] = {"skin ", "bitmap ", "title ", "bar ", "button ", "the ", "of ", "caption\n", "menu ", "edit "};
  std::mt19937 random(3);
  std::vector<std::uint8_t> text;
  while (text.size() < size) {
    const char* word = words[random() % 10];
    text.insert(text.end(), word, word + std::strlen(word));
  }
  text.resize(size);
  return text;
}

std::vector<std::uint8_t> GradientWithNoise(std::size_t size) {
  std::mt19937 random(5);
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>((i / 3) % 251 + (random() % 8 == 0 ? random() % 4 : 0));
  return bytes;
}

const RoundTripCase kRoundTripCases[] = {
    {"text level 9", [] { return EnglishLikeText(500000); }, 9, Z_DEFAULT_STRATEGY},
    {"text level 1", [] { return EnglishLikeText(200000); }, 1, Z_DEFAULT_STRATEGY},
    {"random bytes level 6", [] { return PatternBytes(200000, 1); }, 6, Z_DEFAULT_STRATEGY},
    {"random bytes level 0 (stored)", [] { return PatternBytes(150000, 2); }, 0, Z_DEFAULT_STRATEGY},
    {"gradient level 9", [] { return GradientWithNoise(400000); }, 9, Z_DEFAULT_STRATEGY},
    {"one byte run level 9", [] { return Repeat('q', 300000); }, 9, Z_DEFAULT_STRATEGY},
    {"fixed codes only", [] { return EnglishLikeText(100000); }, 6, Z_FIXED},
    {"Huffman only", [] { return GradientWithNoise(100000); }, 6, Z_HUFFMAN_ONLY},
    {"run-length only", [] { return GradientWithNoise(100000); }, 6, Z_RLE},
    {"single byte", [] { return Text("x"); }, 9, Z_DEFAULT_STRATEGY},
    {"nothing", [] { return std::vector<std::uint8_t>(); }, 9, Z_DEFAULT_STRATEGY},
};

class ZlibRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(ZlibRoundTripTest, DecodesWhatZlibEncoded) {
  const RoundTripCase& c = GetParam();
  const auto data = c.make();
  const auto stream = ZlibRawDeflate(data, c.level, c.strategy);
  const Decoded decoded = Decode(stream);
  ASSERT_EQ(decoded.status, InflateStatus::kDone) << c.description << " (" << InflateStatusName(decoded.status) << ")";
  ASSERT_EQ(decoded.bytes.size(), data.size()) << c.description;
  EXPECT_TRUE(decoded.bytes == data) << c.description;

  // The same stream cut anywhere before its end never decodes as complete.
  for (std::size_t cut : {stream.size() / 2, stream.size() - 1}) {
    if (cut == 0 || cut >= stream.size()) continue;
    const std::vector<std::uint8_t> cut_stream(stream.begin(), stream.begin() + cut);
    EXPECT_NE(Decode(cut_stream).status, InflateStatus::kDone) << c.description << " cut at " << cut;
  }
}

INSTANTIATE_TEST_SUITE_P(Zlib, ZlibRoundTripTest, testing::ValuesIn(kRoundTripCases),
                         [](const testing::TestParamInfo<RoundTripCase>& info) {
                           std::string name;
                           for (const char* p = info.param.description; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

#endif  // TARNWICK_TEST_WITH_ZLIB

}  // namespace

#include "skin/inflate.h"

#include <array>
#include <cstring>
#include <memory>

#include "skin/deflate_format.h"
#include "skin/huffman_tree.h"

namespace {

using namespace deflate_format;

constexpr std::size_t kInputBufferSize = 16 * 1024;
// Zeros after the last input byte: peeking reads whole words past the bits in use, and at
// the end of input those words are padding (a multiple of 4, and room for the words that a
// symbol may look ahead before the truncation check notices).
constexpr std::size_t kInputPadding = 64;
// The careful path refills when fewer unread bytes remain than one block header element or
// symbol (with its extra bits and look-ahead word) can need.
constexpr std::size_t kRefillMargin = 32;
static_assert(kRefillMargin + 8 <= kInputPadding);
// The fast loop runs while this many real input bytes remain from where its next refill
// loads: a round's two refills advance at most 7 bytes each and load 8 bytes.
constexpr std::size_t kFastInputMargin = 16;
static_assert(kFastInputMargin >= 7 + 8);

constexpr std::size_t kFlushThreshold = 64 * 1024;
constexpr std::size_t kFlushPiece = 32 * 1024;
constexpr std::size_t kWindowSize = kFlushThreshold + kMaxMatchLength;
static_assert(kWindowSize == 65794);
// After a flush the last 32 KiB stay, which is as far back as a distance can reach.
static_assert(kFlushThreshold - kFlushPiece >= kMaxDistance);
constexpr std::size_t kStoredPiece = 16 * 1024;
// A chunked match copy may write fewer than this many bytes past the match's end.
constexpr std::size_t kChunkOverrun = 16;
// The fast loop runs while a round's output fits: a literal, then the longest match with
// its overrun.
constexpr std::size_t kFastWindowRoom = 1 + kMaxMatchLength + kChunkOverrun;

constexpr std::uint32_t LowBits(unsigned count) { return count >= 32 ? 0xFFFFFFFFu : (1u << count) - 1; }

std::uint32_t LoadLittleEndian32(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

std::uint64_t LoadLittleEndian64(const std::uint8_t* bytes) {
  return std::uint64_t{LoadLittleEndian32(bytes)} | std::uint64_t{LoadLittleEndian32(bytes + 4)} << 32;
}

// Masks for extra-bit values, a load being cheaper than building one per symbol. Extra-bit
// counts come from our own tables, so they never pass kMaxDistanceExtraBits.
constexpr std::array<std::uint32_t, kMaxDistanceExtraBits + 1> kLowBitMasks = [] {
  std::array<std::uint32_t, kMaxDistanceExtraBits + 1> masks{};
  for (unsigned count = 0; count < masks.size(); ++count) masks[count] = LowBits(count);
  return masks;
}();

// For a distance d below eight: the low d bytes of a word, and the factor that repeats them
// across the word (a d-byte value times 1 + 2^(8d) + 2^(16d) + ..., the products never
// overlapping).
constexpr std::array<std::uint64_t, 8> kPatternMasks = [] {
  std::array<std::uint64_t, 8> masks{};
  for (unsigned d = 1; d < 8; ++d) masks[d] = (std::uint64_t{1} << (8 * d)) - 1;
  return masks;
}();
constexpr std::array<std::uint64_t, 8> kPatternRepeats = [] {
  std::array<std::uint64_t, 8> repeats{};
  for (unsigned d = 1; d < 8; ++d) {
    for (unsigned shift = 0; shift < 64; shift += 8 * d) repeats[d] |= std::uint64_t{1} << shift;
  }
  return repeats;
}();

constexpr std::array<std::uint8_t, 8> kPatternSteps = {0, 8, 8, 6, 8, 5, 6, 7};  // d * (8 / d)

struct FixedTables {
  THuffmanTree literal_length{kMaxCodeLength};
  THuffmanTree distance{kMaxCodeLength};
  FixedTables() {
    std::array<std::uint8_t, kFixedLiteralLengthCodes> lengths{};
    for (unsigned i = 0; i < kFixedLiteralLengthCodes; ++i) lengths[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
    literal_length.Build(lengths, 0, lengths.size(), kFirstLengthSymbol, kLengthExtraBits);
    std::array<std::uint8_t, kFixedDistanceCodes> distance_lengths;
    distance_lengths.fill(5);
    distance.Build(distance_lengths, 0, distance_lengths.size(), 0, kDistanceExtraBits);
  }
};

// Built once, on first use, and shared by every decoder afterwards.
const FixedTables& TheFixedTables() {
  static const FixedTables tables;
  return tables;
}

class Inflater {
 public:
  Inflater(ByteSource& source, ByteSink& sink) : source_(source), sink_(sink) {}

  InflateStatus Run() {
    if (InflateStatus status = Prime(); status != InflateStatus::kDone) return status;
    bool last_block = false;
    while (!last_block) {
      if (InflateStatus status = EnsureInput(); status != InflateStatus::kDone) return status;
      last_block = Take(1) != 0;
      const unsigned type = Take(2);
      InflateStatus status = InflateStatus::kBadData;
      if (type == 0) {
        status = StoredBlock();
      } else if (type == 1) {
        status = CodedBlock(TheFixedTables().literal_length, TheFixedTables().distance);
      } else if (type == 2) {
        status = DynamicBlock();
      }
      if (status != InflateStatus::kDone) return status;
      if (PastInput()) return InflateStatus::kTruncatedInput;
    }
    return sink_.Write({window_.get(), out_}) ? InflateStatus::kDone : InflateStatus::kOutputRefused;
  }

 private:
  // --- input: 32-bit words from the 16 KiB buffer --------------------------------------
  // bits_ holds the unconsumed bits of the current word (bits_left_ of them, 1 to 32, right
  // aligned); next_ is where the word after it starts in the buffer.

  InflateStatus Prime() {
    if (InflateStatus status = Refill(); status != InflateStatus::kDone) return status;
    bits_ = LoadLittleEndian32(&input_[0]);
    next_ = 4;
    bits_left_ = 32;
    return InflateStatus::kDone;
  }

  // Moves the unread bytes (and the current word's, which stored blocks may still need) to
  // the front and reads more; at end of input pads with zeros.
  InflateStatus Refill() {
    const std::size_t keep_from = next_ >= 4 ? next_ - 4 : 0;
    std::memmove(&input_[0], &input_[keep_from], filled_ - keep_from);
    filled_ -= keep_from;
    next_ -= keep_from;
    while (!source_ended_ && filled_ < kInputBufferSize) {
      const std::optional<std::size_t> got = source_.Read({&input_[filled_], kInputBufferSize - filled_});
      if (!got) return InflateStatus::kReadError;
      if (*got == 0) source_ended_ = true;
      filled_ += *got;
    }
    std::memset(&input_[filled_], 0, input_.size() - filled_);
    return InflateStatus::kDone;
  }

  InflateStatus EnsureInput() {
    if (!source_ended_ && RealBytesAhead() < kRefillMargin) return Refill();
    return InflateStatus::kDone;
  }

  // Padding may already be in use at the end of input, so next_ can pass filled_.
  std::size_t RealBytesAhead() const { return next_ < filled_ ? filled_ - next_ : 0; }

  // True once a bit of the zero padding has been consumed: the stream was cut short.
  bool PastInput() const { return next_ * 8 - bits_left_ > filled_ * 8; }

  // At least 33 bits: the current word's remaining bits followed by the whole next word.
  std::uint64_t Peek() const { return bits_ | std::uint64_t{LoadLittleEndian32(&input_[next_])} << bits_left_; }

  // count is at most 32: never more than the peeked bits can hold.
  void Consume(unsigned count) {
    if (count < bits_left_) {
      bits_ >>= count;
      bits_left_ -= count;
      return;
    }
    count -= bits_left_;
    bits_ = LoadLittleEndian32(&input_[next_]) >> count;
    next_ += 4;
    bits_left_ = 32 - count;
  }

  unsigned Take(unsigned count) {
    const unsigned value = static_cast<unsigned>(Peek() & LowBits(count));
    Consume(count);
    return value;
  }

  // --- output: the window -----------------------------------------------------------------

  bool FlushIfFull() {
    if (out_ < kFlushThreshold) return true;
    if (!sink_.Write({window_.get(), kFlushPiece})) return false;
    std::memmove(window_.get(), window_.get() + kFlushPiece, out_ - kFlushPiece);
    out_ -= kFlushPiece;
    return true;
  }

  // --- blocks -----------------------------------------------------------------------------

  InflateStatus StoredBlock() {
    Consume(bits_left_ % 8);
    const unsigned length = Take(16);
    Take(16);  // NLEN, the complement of LEN, is not checked: the copy is bounded by LEN alone
    if (PastInput()) return InflateStatus::kTruncatedInput;
    // The remaining whole bytes of the bit buffer are still in the input buffer just before
    // next_, so the copy continues byte-wise from there.
    next_ -= bits_left_ / 8;
    std::size_t left = length;
    while (left > 0) {
      if (next_ == filled_) {
        if (source_ended_) return InflateStatus::kTruncatedInput;
        if (InflateStatus status = Refill(); status != InflateStatus::kDone) return status;
        continue;
      }
      std::size_t piece = left < kStoredPiece ? left : kStoredPiece;
      if (piece > filled_ - next_) piece = filled_ - next_;
      if (piece > kFlushThreshold - out_) piece = kFlushThreshold - out_;
      std::memcpy(window_.get() + out_, &input_[next_], piece);
      out_ += piece;
      next_ += piece;
      left -= piece;
      if (!FlushIfFull()) return InflateStatus::kOutputRefused;
    }
    if (InflateStatus status = EnsureInput(); status != InflateStatus::kDone) return status;
    bits_ = LoadLittleEndian32(&input_[next_]);
    next_ += 4;
    bits_left_ = 32;
    return InflateStatus::kDone;
  }

  InflateStatus DynamicBlock() {
    const unsigned literal_length_count = Take(5) + 257;
    const unsigned distance_count = Take(5) + 1;
    const unsigned code_length_count = Take(4) + 4;
    if (literal_length_count > kMaxLiteralLengthCodes || distance_count > kMaxDistanceCodes) {
      return InflateStatus::kBadData;
    }
    std::array<std::uint8_t, kCodeLengthCodes> code_length_lengths{};
    for (unsigned i = 0; i < code_length_count; ++i) {
      if (InflateStatus status = EnsureInput(); status != InflateStatus::kDone) return status;
      code_length_lengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(Take(3));
    }
    if (!code_length_tree_.Build(code_length_lengths, 0, kCodeLengthCodes, kCodeLengthCodes, {})) {
      return InflateStatus::kBadData;
    }

    std::array<std::uint8_t, kMaxLiteralLengthCodes + kMaxDistanceCodes> lengths{};
    const unsigned total = literal_length_count + distance_count;
    unsigned filled = 0;
    while (filled < total) {
      if (InflateStatus status = EnsureInput(); status != InflateStatus::kDone) return status;
      if (PastInput()) return InflateStatus::kTruncatedInput;
      const std::uint64_t peeked = Peek();
      const std::uint32_t entry = code_length_tree_.Lookup(static_cast<std::uint32_t>(peeked) & code_length_tree_.IndexMask());
      if (entry == THuffmanTree::kUnreachedSlot) return InflateStatus::kBadData;
      const unsigned symbol = THuffmanTree::EntrySymbol(entry);
      Consume(THuffmanTree::EntryCodeLength(entry));
      if (symbol < 16) {
        lengths[filled++] = static_cast<std::uint8_t>(symbol);
        continue;
      }
      std::uint8_t repeated = 0;
      unsigned repeat = 0;
      if (symbol == 16) {
        if (filled == 0) return InflateStatus::kBadData;
        repeated = lengths[filled - 1];
        repeat = 3 + Take(2);
      } else if (symbol == 17) {
        repeat = 3 + Take(3);
      } else {
        repeat = 11 + Take(7);
      }
      if (repeat > total - filled) return InflateStatus::kBadData;
      for (unsigned i = 0; i < repeat; ++i) lengths[filled++] = repeated;
    }
    if (PastInput()) return InflateStatus::kTruncatedInput;
    if (!literal_length_tree_.Build(lengths, 0, literal_length_count, kFirstLengthSymbol, kLengthExtraBits) ||
        !distance_tree_.Build(lengths, literal_length_count, distance_count, 0, kDistanceExtraBits)) {
      return InflateStatus::kBadData;
    }
    return CodedBlock(literal_length_tree_, distance_tree_);
  }

  enum class Symbol { kContinue, kEndOfBlock, kBadData };

  // Decodes one literal or one length/distance pair into the window. The caller makes sure
  // enough input bytes (real or padding) follow and that the window has room for a match.
  Symbol DecodeOne(const THuffmanTree& literal_length, const THuffmanTree& distance) {
    std::uint64_t peeked = Peek();
    std::uint32_t entry = literal_length.Lookup(static_cast<std::uint32_t>(peeked) & literal_length.IndexMask());
    const unsigned symbol = THuffmanTree::EntrySymbol(entry);
    // An unreached slot's symbol field is 0xFFFF, so it never passes as a literal.
    if (symbol < kLiteralCount) {
      window_[out_++] = static_cast<std::uint8_t>(symbol);
      Consume(THuffmanTree::EntryCodeLength(entry));
      return Symbol::kContinue;
    }
    if (entry == THuffmanTree::kUnreachedSlot || symbol > kLastLengthSymbol) return Symbol::kBadData;
    unsigned code_length = THuffmanTree::EntryCodeLength(entry);
    if (symbol == kEndOfBlockSymbol) {
      Consume(code_length);
      return Symbol::kEndOfBlock;
    }
    unsigned extra = THuffmanTree::EntryExtraBits(entry);
    const unsigned length = kLengthBase[symbol - kFirstLengthSymbol] +
                            (static_cast<std::uint32_t>(peeked >> code_length) & LowBits(extra));
    Consume(code_length + extra);

    peeked = Peek();
    entry = distance.Lookup(static_cast<std::uint32_t>(peeked) & distance.IndexMask());
    const unsigned distance_symbol = THuffmanTree::EntrySymbol(entry);
    if (entry == THuffmanTree::kUnreachedSlot || distance_symbol >= kMaxDistanceCodes) return Symbol::kBadData;
    code_length = THuffmanTree::EntryCodeLength(entry);
    extra = THuffmanTree::EntryExtraBits(entry);
    const std::size_t back = kDistanceBase[distance_symbol] +
                             (static_cast<std::uint32_t>(peeked >> code_length) & LowBits(extra));
    Consume(code_length + extra);

    // The window keeps every byte produced so far, up to the last 32 KiB, so a distance up
    // to out_ is a distance up to the bytes produced; out_ < kFlushThreshold leaves room
    // for the longest match.
    if (back > out_ || length > kWindowSize - out_) return Symbol::kBadData;
    CopyMatch(window_.get(), out_, back, length);
    out_ += length;
    return Symbol::kContinue;
  }

  // Copies `length` bytes from `back` bytes behind window[out]; the caller advances out.
  static void CopyMatch(std::uint8_t* window, std::size_t out, std::size_t back, unsigned length) {
    if (out + length + kChunkOverrun <= kWindowSize) {
      CopyMatchInChunks(window + out, back, length);
      return;
    }
    // Byte by byte, forward: with a distance below the length the copy reads bytes it has
    // just written, which is how a short pattern repeats.
    std::uint8_t* const to = window + out;
    const std::uint8_t* const from = to - back;
    for (unsigned i = 0; i < length; ++i) to[i] = from[i];
  }

  static void Copy8(std::uint8_t* to, const std::uint8_t* from) {
    std::uint64_t chunk;
    std::memcpy(&chunk, from, 8);
    std::memcpy(to, &chunk, 8);
  }

  // Copies a match in eight-byte chunks, writing under kChunkOverrun bytes past its end
  // (output that follows overwrites them); the caller makes sure the window has that room.
  static void CopyMatchInChunks(std::uint8_t* to, std::size_t back, unsigned length) {
    std::uint8_t* const end = to + length;
    if (back >= 8) [[likely]] {
      // Eight bytes at a time is safe even when the match overlaps itself: each chunk reads
      // bytes at least eight behind, which were all written before. Two chunks a round, as
      // most matches are short.
      const std::uint8_t* from = to - back;
      do {
        Copy8(to, from);
        Copy8(to + 8, from + 8);
        to += 16;
        from += 16;
      } while (to < end);
      return;
    }
    // A short distance repeats a pattern of `back` bytes. It is built in a register from
    // the bytes before the match and stored every `step` bytes, a multiple of `back` that
    // fits a chunk; reading back bytes just stored, a chunk at a time, would stall on every
    // chunk. (24-bit pixels make distance 3 common in skin bitmaps.)
    std::uint64_t before;
    std::memcpy(&before, to - back, 8);
    const std::uint64_t pattern = (before & kPatternMasks[back]) * kPatternRepeats[back];
    const std::size_t step = kPatternSteps[back];
    do {
      std::memcpy(to, &pattern, 8);
      to += step;
    } while (to < end);
  }

  // The inner loop while input and window ends are both far away: no refill, padding or
  // flush check per symbol. Here the bits are kept in a 64-bit buffer, refilled by one
  // unaligned eight-byte load to at least 56 bits, which covers a literal/length code with
  // its extra bits and one more code of either alphabet; only a distance after a literal
  // and a length may need a second refill. On leaving, the 32-bit word state is rebuilt
  // from the bit position reached. It works on local copies of the decoder's state, which
  // the compiler can keep in registers (window stores could otherwise alias the members).
  Symbol FastLoop(const THuffmanTree& literal_length, const THuffmanTree& distance) {
    const std::uint8_t* const input = input_.data();
    std::uint8_t* const window = window_.get();
    const std::uint32_t* const literal_table = literal_length.Table();
    const std::uint32_t literal_mask = literal_length.IndexMask();
    const std::uint32_t* const distance_table = distance.Table();
    const std::uint32_t distance_mask = distance.IndexMask();

    // `position` is where the next refill loads; the bits of `buffer` above `available`
    // are zeros or the stream's own next bits, so a refill may OR a load over them.
    const std::size_t start_bit = next_ * 8 - bits_left_;
    std::size_t position = start_bit / 8 + 7;
    std::uint64_t buffer = LoadLittleEndian64(input + start_bit / 8) >> (start_bit % 8);
    unsigned available = 56 - static_cast<unsigned>(start_bit % 8);
    // Two refills in a round advance at most 14 bytes, and every load stays before filled_:
    // only real input bits are consumed here.
    const std::size_t last_position = filled_ - kFastInputMargin;
    std::size_t out = out_;
    const std::size_t last_out = kWindowSize - kFastWindowRoom;

    auto refill = [&] {
      buffer |= LoadLittleEndian64(input + position) << available;
      position += 7 - available / 8;
      available |= 56;
    };
    auto consume = [&](unsigned count) {
      buffer >>= count;
      available -= count;
    };
    auto is_literal = [](std::uint32_t entry) { return (entry & 0xFF00u) == 0; };

    Symbol result = Symbol::kContinue;
    while (position <= last_position && out <= last_out) {
      refill();
      std::uint32_t entry = literal_table[buffer & literal_mask];
      if (is_literal(entry)) {
        consume(THuffmanTree::EntryCodeLength(entry));
        window[out++] = static_cast<std::uint8_t>(entry);
        // At least 41 bits are left: room for another literal, or a length with its extra
        // bits.
        entry = literal_table[buffer & literal_mask];
        if (is_literal(entry)) {
          consume(THuffmanTree::EntryCodeLength(entry));
          window[out++] = static_cast<std::uint8_t>(entry);
          continue;
        }
      }
      // One test sends the end of block and every bad symbol (an unreached slot's is
      // 0xFFFF) out of the common path.
      unsigned symbol = THuffmanTree::EntrySymbol(entry);
      unsigned code_length = THuffmanTree::EntryCodeLength(entry);
      if (symbol - kFirstLengthSymbol >= kLengthSymbolCount) {
        if (symbol == kEndOfBlockSymbol) {
          consume(code_length);
          result = Symbol::kEndOfBlock;
        } else {
          result = Symbol::kBadData;
        }
        break;
      }
      unsigned extra = THuffmanTree::EntryExtraBits(entry);
      const unsigned length =
          kLengthBase[symbol - kFirstLengthSymbol] + (static_cast<std::uint32_t>(buffer >> code_length) & kLowBitMasks[extra]);
      consume(code_length + extra);

      if (available < kMaxCodeLength + kMaxDistanceExtraBits) refill();
      entry = distance_table[buffer & distance_mask];
      symbol = THuffmanTree::EntrySymbol(entry);
      if (symbol >= kMaxDistanceCodes) {
        result = Symbol::kBadData;
        break;
      }
      code_length = THuffmanTree::EntryCodeLength(entry);
      extra = THuffmanTree::EntryExtraBits(entry);
      const std::size_t back =
          kDistanceBase[symbol] + (static_cast<std::uint32_t>(buffer >> code_length) & kLowBitMasks[extra]);
      consume(code_length + extra);
      if (back > out) {
        result = Symbol::kBadData;
        break;
      }
      CopyMatchInChunks(window + out, back, length);
      out += length;
    }
    const std::size_t end_bit = position * 8 - available;
    next_ = end_bit / 8 + 4;
    bits_left_ = 32 - static_cast<unsigned>(end_bit % 8);
    bits_ = LoadLittleEndian32(input + end_bit / 8) >> (end_bit % 8);
    out_ = out;
    return result;
  }

  // True when the fast loop will decode at least one round: its first refill loads up to
  // 6 bytes past next_ (see FastLoop's start), so this is its own entry test.
  bool FastLoopCanRun() const {
    return RealBytesAhead() >= kFastInputMargin + 6 && out_ <= kWindowSize - kFastWindowRoom;
  }

  InflateStatus CodedBlock(const THuffmanTree& literal_length, const THuffmanTree& distance) {
    for (;;) {
      if (FastLoopCanRun()) {
        const Symbol decoded = FastLoop(literal_length, distance);
        if (decoded == Symbol::kBadData) return InflateStatus::kBadData;
        if (decoded == Symbol::kEndOfBlock) return FlushIfFull() ? InflateStatus::kDone : InflateStatus::kOutputRefused;
      }
      // Careful step near the ends.
      if (!FlushIfFull()) return InflateStatus::kOutputRefused;
      if (InflateStatus status = EnsureInput(); status != InflateStatus::kDone) return status;
      if (FastLoopCanRun()) continue;
      if (PastInput()) return InflateStatus::kTruncatedInput;
      const Symbol decoded = DecodeOne(literal_length, distance);
      if (PastInput()) return InflateStatus::kTruncatedInput;
      if (decoded == Symbol::kBadData) return InflateStatus::kBadData;
      if (decoded == Symbol::kEndOfBlock) return FlushIfFull() ? InflateStatus::kDone : InflateStatus::kOutputRefused;
    }
  }

  ByteSource& source_;
  ByteSink& sink_;
  std::array<std::uint8_t, kInputBufferSize + kInputPadding> input_;  // Refill writes before any read
  std::size_t filled_ = 0;
  std::size_t next_ = 0;
  bool source_ended_ = false;
  std::uint32_t bits_ = 0;
  unsigned bits_left_ = 32;

  // Zeroed once: a short-distance match loads the word just before it, whose bytes from the
  // match on may not have been written yet (they are masked off, but are then never
  // indeterminate).
  std::unique_ptr<std::uint8_t[]> window_ = std::make_unique<std::uint8_t[]>(kWindowSize);
  std::size_t out_ = 0;

  THuffmanTree code_length_tree_{kMaxCodeLengthCodeLength};
  THuffmanTree literal_length_tree_{kMaxCodeLength};
  THuffmanTree distance_tree_{kMaxCodeLength};
};

}  // namespace

const char* InflateStatusName(InflateStatus status) {
  switch (status) {
    case InflateStatus::kDone: return "done";
    case InflateStatus::kBadData: return "bad data";
    case InflateStatus::kTruncatedInput: return "truncated input";
    case InflateStatus::kReadError: return "read error";
    case InflateStatus::kOutputRefused: return "output refused";
  }
  return "unknown";
}

InflateStatus Inflate(ByteSource& source, ByteSink& sink) {
  auto inflater = std::make_unique<Inflater>(source, sink);
  return inflater->Run();
}

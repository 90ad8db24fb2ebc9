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
// The fast loop runs while this many real input bytes remain: a literal/length and a
// distance with their extra bits take at most 48 bits, the look-ahead word 4 more bytes.
constexpr std::size_t kFastInputMargin = 16;
static_assert(kFastInputMargin * 8 >= 2 * kMaxCodeLength + kMaxLengthExtraBits + kMaxDistanceExtraBits + 32);

constexpr std::size_t kFlushThreshold = 64 * 1024;
constexpr std::size_t kFlushPiece = 32 * 1024;
constexpr std::size_t kWindowSize = kFlushThreshold + kMaxMatchLength;
static_assert(kWindowSize == 65794);
// After a flush the last 32 KiB stay, which is as far back as a distance can reach.
static_assert(kFlushThreshold - kFlushPiece >= kMaxDistance);
constexpr std::size_t kStoredPiece = 16 * 1024;

constexpr std::uint32_t LowBits(unsigned count) { return count >= 32 ? 0xFFFFFFFFu : (1u << count) - 1; }

std::uint32_t LoadLittleEndian32(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

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
    std::uint8_t* to = window + out;
    const std::uint8_t* from = to - back;
    if (back == 1) {
      std::memset(to, *from, length);
    } else if (back >= 8 && out + length + 8 <= kWindowSize) {
      // Eight bytes at a time is safe even when the match overlaps itself: each chunk reads
      // bytes at least eight behind, which were all written before.
      std::uint8_t* const end = to + length;
      do {
        std::uint64_t chunk;
        std::memcpy(&chunk, from, 8);
        std::memcpy(to, &chunk, 8);
        to += 8;
        from += 8;
      } while (to < end);
    } else if (back < 8 && out + length + 8 <= kWindowSize) {
      // A short distance repeats a pattern of `back` bytes, so any multiple of it reads the
      // same bytes. After the first `step` bytes go byte by byte, eight-byte chunks from
      // `step` behind read only bytes of the pattern already written. (24-bit pixels make
      // distance 3 common in skin bitmaps.)
      const std::size_t step = back * ((8 + back - 1) / back);
      const std::size_t head = length < step ? length : step;
      for (std::size_t i = 0; i < head; ++i) to[i] = from[i];
      for (std::uint8_t* chunk_to = to + head; chunk_to < to + length; chunk_to += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, chunk_to - step, 8);
        std::memcpy(chunk_to, &chunk, 8);
      }
    } else {
      // Byte by byte, forward: with a distance below the length the copy reads bytes it has
      // just written, which is how a short pattern repeats.
      for (unsigned i = 0; i < length; ++i) to[i] = from[i];
    }
  }

  // The inner loop while input and window ends are both far away: no refill, padding or
  // flush check per symbol. It keeps the peeked combination of the current word's bits and
  // the following word in one register, adding the next word whenever no more than one
  // word's worth is left, and hands the 32-bit word state back on leaving. It works on local
  // copies of the decoder's state, which the compiler can keep in registers (window stores
  // could otherwise alias the members).
  Symbol FastLoop(const THuffmanTree& literal_length, const THuffmanTree& distance) {
    const std::uint8_t* const input = input_.data();
    std::uint8_t* const window = window_.get();
    // Here `next` runs one word ahead of next_, so this is next_ <= filled_ - margin: the
    // caller's entry test, which makes the loop leave only when the caller will not enter
    // again at once.
    const std::size_t last_fast_next = filled_ - kFastInputMargin + 4;
    const std::uint32_t* const literal_table = literal_length.Table();
    const std::uint32_t literal_mask = literal_length.IndexMask();
    const std::uint32_t* const distance_table = distance.Table();
    const std::uint32_t distance_mask = distance.IndexMask();
    // available counts the valid bits of `peeked`: after a top-up at least 33, more than
    // any one code with its extra bits needs.
    std::uint64_t peeked = bits_ | std::uint64_t{LoadLittleEndian32(input + next_)} << bits_left_;
    unsigned available = bits_left_ + 32;
    std::size_t next = next_ + 4;
    std::size_t out = out_;
    auto top_up = [&] {
      if (available <= 32) {
        peeked |= std::uint64_t{LoadLittleEndian32(input + next)} << available;
        next += 4;
        available += 32;
      }
    };
    auto consume = [&](unsigned count) {
      peeked >>= count;
      available -= count;
    };

    Symbol result = Symbol::kContinue;
    while (next <= last_fast_next && out < kFlushThreshold) {
      top_up();
      std::uint32_t entry = literal_table[static_cast<std::uint32_t>(peeked) & literal_mask];
      unsigned symbol = THuffmanTree::EntrySymbol(entry);
      if (symbol < kLiteralCount) {
        window[out++] = static_cast<std::uint8_t>(symbol);
        consume(THuffmanTree::EntryCodeLength(entry));
        continue;
      }
      if (entry == THuffmanTree::kUnreachedSlot || symbol > kLastLengthSymbol) {
        result = Symbol::kBadData;
        break;
      }
      unsigned code_length = THuffmanTree::EntryCodeLength(entry);
      if (symbol == kEndOfBlockSymbol) {
        consume(code_length);
        result = Symbol::kEndOfBlock;
        break;
      }
      unsigned extra = THuffmanTree::EntryExtraBits(entry);
      const unsigned length = kLengthBase[symbol - kFirstLengthSymbol] +
                              (static_cast<std::uint32_t>(peeked >> code_length) & LowBits(extra));
      consume(code_length + extra);

      top_up();
      entry = distance_table[static_cast<std::uint32_t>(peeked) & distance_mask];
      symbol = THuffmanTree::EntrySymbol(entry);
      if (entry == THuffmanTree::kUnreachedSlot || symbol >= kMaxDistanceCodes) {
        result = Symbol::kBadData;
        break;
      }
      code_length = THuffmanTree::EntryCodeLength(entry);
      extra = THuffmanTree::EntryExtraBits(entry);
      const std::size_t back = kDistanceBase[symbol] + (static_cast<std::uint32_t>(peeked >> code_length) & LowBits(extra));
      consume(code_length + extra);
      if (back > out) {  // out < kFlushThreshold, so the longest match fits
        result = Symbol::kBadData;
        break;
      }
      CopyMatch(window, out, back, length);
      out += length;
    }
    // Back to one partly used word plus the position of the word after it.
    if (available > 32) {
      bits_left_ = available - 32;
      bits_ = static_cast<std::uint32_t>(peeked) & LowBits(bits_left_);
      next_ = next - 4;
    } else if (available > 0) {
      bits_left_ = available;
      bits_ = static_cast<std::uint32_t>(peeked);
      next_ = next;
    } else {
      bits_ = LoadLittleEndian32(input + next);
      bits_left_ = 32;
      next_ = next + 4;
    }
    out_ = out;
    return result;
  }

  InflateStatus CodedBlock(const THuffmanTree& literal_length, const THuffmanTree& distance) {
    for (;;) {
      if (RealBytesAhead() >= kFastInputMargin && out_ < kFlushThreshold) {
        const Symbol decoded = FastLoop(literal_length, distance);
        if (decoded == Symbol::kBadData) return InflateStatus::kBadData;
        if (decoded == Symbol::kEndOfBlock) return FlushIfFull() ? InflateStatus::kDone : InflateStatus::kOutputRefused;
      }
      // Careful step near the ends.
      if (!FlushIfFull()) return InflateStatus::kOutputRefused;
      if (InflateStatus status = EnsureInput(); status != InflateStatus::kDone) return status;
      if (RealBytesAhead() >= kFastInputMargin) continue;
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

  std::unique_ptr<std::uint8_t[]> window_ = std::make_unique_for_overwrite<std::uint8_t[]>(kWindowSize);
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

// Where the DEFLATE decoder reads from and writes to: a file, a memory buffer, or a test's
// vector. Sources report end of input as 0 bytes and a read error as no value; sinks
// report a write they could not take in full as false.
//
//   MemorySource source(compressed);
//   VectorSink sink(/*limit=*/1 << 20);
//   InflateStatus status = Inflate(source, sink);
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::optional<std::size_t> Read(std::span<std::uint8_t> into) = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::optional<std::size_t> Read(std::span<std::uint8_t> into) override {
    const std::size_t count = std::min(into.size(), bytes_.size() - position_);
    if (count != 0) std::memcpy(into.data(), bytes_.data() + position_, count);
    position_ += count;
    return count;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Collects output in memory and refuses to grow past `limit` bytes, so that a small stream
// that expands without end cannot take all memory.
class VectorSink final : public ByteSink {
 public:
  explicit VectorSink(std::size_t limit) : limit_(limit) {}
  bool Write(std::span<const std::uint8_t> bytes) override {
    if (bytes.size() > limit_ - bytes_.size()) return false;
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return true;
  }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::size_t limit_;
  std::vector<std::uint8_t> bytes_;
};

// An open C stream that is closed when its owner goes, plus the file source and sink the
// skin reader decodes through. Portable: plain <cstdio>, ANSI file names.
//
//   FileHandle file = FileHandle::Open(path, "rb");
//   if (!file) return failure;
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "skin/byte_stream.h"

class FileHandle {
 public:
  FileHandle() = default;
  static FileHandle Open(const std::string& path, const char* mode);
  ~FileHandle();
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  FileHandle(FileHandle&& other) noexcept;
  FileHandle& operator=(FileHandle&& other) noexcept;

  explicit operator bool() const { return stream_ != nullptr; }
  std::FILE* Get() const { return stream_; }
  // Closes now and tells whether everything written reached the file.
  bool Close();

  bool Seek(std::uint64_t offset);
  std::optional<std::uint64_t> Size();
  bool ReadExactly(std::span<std::uint8_t> into);
  bool Skip(std::uint64_t count);

 private:
  explicit FileHandle(std::FILE* stream) : stream_(stream) {}
  std::FILE* stream_ = nullptr;
};

// Reads at most `limit` bytes from the stream's current position onward.
class FileSource final : public ByteSource {
 public:
  FileSource(FileHandle& file, std::uint64_t limit) : file_(file), left_(limit) {}
  std::optional<std::size_t> Read(std::span<std::uint8_t> into) override;

 private:
  FileHandle& file_;
  std::uint64_t left_;
};

// Writes to the stream and refuses anything past `limit` bytes in total.
class FileSink final : public ByteSink {
 public:
  FileSink(FileHandle& file, std::uint64_t limit) : file_(file), left_(limit) {}
  bool Write(std::span<const std::uint8_t> bytes) override;
  std::uint64_t Written() const { return written_; }
  // True once a write was refused because it would have gone past the limit.
  bool Overflowed() const { return overflowed_; }

 private:
  FileHandle& file_;
  std::uint64_t left_;
  std::uint64_t written_ = 0;
  bool overflowed_ = false;
};

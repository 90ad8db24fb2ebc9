#include "skin/file_handle.h"

#include <algorithm>
#include <utility>

FileHandle FileHandle::Open(const std::string& path, const char* mode) {
  return FileHandle(std::fopen(path.c_str(), mode));
}

FileHandle::~FileHandle() { Close(); }

FileHandle::FileHandle(FileHandle&& other) noexcept : stream_(std::exchange(other.stream_, nullptr)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    Close();
    stream_ = std::exchange(other.stream_, nullptr);
  }
  return *this;
}

bool FileHandle::Close() {
  if (stream_ == nullptr) return true;
  const bool closed = std::fclose(std::exchange(stream_, nullptr)) == 0;
  return closed;
}

bool FileHandle::Seek(std::uint64_t offset) {
  if (offset > static_cast<std::uint64_t>(INT64_MAX)) return false;
#if defined(_WIN32)
  return _fseeki64(stream_, static_cast<long long>(offset), SEEK_SET) == 0;
#else
  return fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

std::optional<std::uint64_t> FileHandle::Size() {
#if defined(_WIN32)
  const long long here = _ftelli64(stream_);
  if (here < 0 || _fseeki64(stream_, 0, SEEK_END) != 0) return std::nullopt;
  const long long size = _ftelli64(stream_);
  if (size < 0 || _fseeki64(stream_, here, SEEK_SET) != 0) return std::nullopt;
#else
  const off_t here = ftello(stream_);
  if (here < 0 || fseeko(stream_, 0, SEEK_END) != 0) return std::nullopt;
  const off_t size = ftello(stream_);
  if (size < 0 || fseeko(stream_, here, SEEK_SET) != 0) return std::nullopt;
#endif
  return static_cast<std::uint64_t>(size);
}

bool FileHandle::ReadExactly(std::span<std::uint8_t> into) {
  return std::fread(into.data(), 1, into.size(), stream_) == into.size();
}

bool FileHandle::Skip(std::uint64_t count) {
#if defined(_WIN32)
  const long long here = _ftelli64(stream_);
#else
  const long long here = ftello(stream_);
#endif
  if (here < 0) return false;
  return Seek(static_cast<std::uint64_t>(here) + count);
}

std::optional<std::size_t> FileSource::Read(std::span<std::uint8_t> into) {
  const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(into.size(), left_));
  if (wanted == 0) return std::size_t{0};
  const std::size_t got = std::fread(into.data(), 1, wanted, file_.Get());
  if (got < wanted && std::ferror(file_.Get())) return std::nullopt;
  left_ -= got;
  return got;
}

bool FileSink::Write(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > left_) {
    overflowed_ = true;
    return false;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_.Get()) != bytes.size()) return false;
  left_ -= bytes.size();
  written_ += bytes.size();
  return true;
}

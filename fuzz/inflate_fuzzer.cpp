// Our DEFLATE decoder against zlib's raw inflate on the same input: where zlib decodes the
// whole stream we must give the same bytes; elsewhere the two partial outputs must agree as
// far as both go (we accept a few streams zlib refuses, such as incomplete codes).
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/inflate.h"

namespace {

// Enough for every expansion the fuzzer's inputs reach in practice, small enough to keep
// runs fast; both decoders stop there and are compared on what they produced.
constexpr std::size_t kOutputLimit = 256 << 10;

struct ZlibOutcome {
  bool complete = false;
  bool hit_limit = false;
  std::vector<std::uint8_t> bytes;
};

ZlibOutcome ZlibInflate(const std::uint8_t* data, std::size_t size) {
  ZlibOutcome outcome;
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) std::abort();
  static std::uint8_t output[kOutputLimit];
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(size);
  z.next_out = output;
  z.avail_out = static_cast<uInt>(kOutputLimit);
  const int result = inflate(&z, Z_FINISH);
  outcome.complete = result == Z_STREAM_END;
  outcome.hit_limit = z.avail_out == 0 && !outcome.complete;
  outcome.bytes.assign(output, output + z.total_out);
  inflateEnd(&z);
  return outcome;
}

bool IsPrefix(const std::vector<std::uint8_t>& shorter, const std::vector<std::uint8_t>& longer) {
  return shorter.size() <= longer.size() && std::equal(shorter.begin(), shorter.end(), longer.begin());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemorySource source({data, size});
  VectorSink sink(kOutputLimit);
  const InflateStatus status = Inflate(source, sink);
  const std::vector<std::uint8_t>& ours = sink.Bytes();
  const ZlibOutcome zlib = ZlibInflate(data, size);

  if (zlib.complete && (status != InflateStatus::kDone || ours != zlib.bytes)) std::abort();
  if (status == InflateStatus::kDone && !zlib.hit_limit && !IsPrefix(zlib.bytes, ours)) std::abort();
  if (!IsPrefix(ours, zlib.bytes) && !IsPrefix(zlib.bytes, ours)) std::abort();
  return 0;
}

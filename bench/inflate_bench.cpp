// Inflate speed of our DEFLATE decoder beside zlib and libdeflate on the same two streams
// (zlib level 9): a skin-like payload of 24-bit BMPs and a text payload, both ~4 MiB.
//   inflate_bench                  MB/s of each decoder and our ratios to the others
//   inflate_bench --once DECODER PAYLOAD
//                                  one decode, for valgrind --tool=callgrind
//                                  (DECODER: ours|zlib|libdeflate, PAYLOAD: skin|text)
#include <libdeflate.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "skin/inflate.h"
#include "skin/skin_file_writer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kPayloadSize = 4 << 20;

Bytes SkinLikePayload() {
  std::mt19937 random(1234);
  Bytes payload;
  int picture = 0;
  while (payload.size() < kPayloadSize) {
    const int width = 200 + 40 * (picture % 5);
    const int height = 120 + 30 * (picture % 3);
    const int kind = picture % 4;
    const Bytes bmp = MakeBmpFile(width, height, [&](int x, int y) -> std::uint32_t {
      switch (kind) {
        case 0:  // vertical gradient, like a title bar
          return static_cast<std::uint32_t>(((y * 255 / height) << 16) | ((y * 180 / height) << 8) | 0x40);
        case 1:  // flat face with a frame
          return (x < 2 || y < 2 || x >= width - 2 || y >= height - 2) ? 0x404040u : 0xD4D0C8u;
        case 2:  // diagonal gradient with a little noise
          return static_cast<std::uint32_t>((((x + y) & 0xFF) << 8) | (random() % 8 == 0 ? random() & 0x0F : 0));
        default:  // magenta background with a noisy glyph in the middle
          return (x > width / 3 && x < 2 * width / 3 && y > height / 3 && y < 2 * height / 3)
                     ? static_cast<std::uint32_t>(random() & 0xFFFFFF)
                     : 0xFF00FFu;
      }
    });
    payload.insert(payload.end(), bmp.begin(), bmp.end());
    ++picture;
  }
  payload.resize(kPayloadSize);
  return payload;
}

Bytes TextPayload() {
  // Words drawn with falling frequencies, sentences and lines, as prose has them.
  static const char* const kWords[] = {
      "the", "of", "and", "to", "a", "in", "is", "that", "for", "it", "as", "was", "with", "be", "by", "on",
      "not", "he", "this", "are", "or", "his", "from", "at", "which", "but", "have", "an", "had", "they",
      "you", "were", "their", "one", "all", "we", "can", "her", "has", "there", "been", "if", "more", "when",
      "will", "would", "who", "so", "no", "window", "skin", "bitmap", "caption", "button", "menu", "server",
      "address", "password", "connection", "resolution", "dynamic", "client", "update", "request", "answer"};
  constexpr int kWordCount = sizeof kWords / sizeof kWords[0];
  std::mt19937 random(99);
  std::string text;
  int in_line = 0;
  bool capital = true;
  while (text.size() < kPayloadSize) {
    const double u = std::uniform_real_distribution<double>(0, 1)(random);
    std::string word = kWords[static_cast<int>(kWordCount * u * u * u) % kWordCount];
    if (random() % 50 == 0) word += std::to_string(random() % 2000);
    if (capital) word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    capital = false;
    text += word;
    in_line += static_cast<int>(word.size()) + 1;
    if (random() % 12 == 0) {
      text += random() % 3 == 0 ? ", " : ". ";
      capital = text.back() == ' ' && text[text.size() - 2] == '.';
    } else {
      text += ' ';
    }
    if (in_line > 72) {
      text += '\n';
      in_line = 0;
    }
  }
  text.resize(kPayloadSize);
  return Bytes(text.begin(), text.end());
}

Bytes ZlibLevel9(const Bytes& data) {
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&z, data.size()));
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

class BufferSink final : public ByteSink {
 public:
  explicit BufferSink(Bytes& buffer) : buffer_(buffer) {}
  bool Write(std::span<const std::uint8_t> bytes) override {
    if (bytes.size() > buffer_.size() - used_) return false;
    std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
    return true;
  }
  std::size_t Used() const { return used_; }

 private:
  Bytes& buffer_;
  std::size_t used_ = 0;
};

std::size_t DecodeOurs(const Bytes& stream, Bytes& out) {
  MemorySource source(stream);
  BufferSink sink(out);
  return Inflate(source, sink) == InflateStatus::kDone ? sink.Used() : 0;
}

std::size_t DecodeZlib(const Bytes& stream, Bytes& out) {
  z_stream z{};
  inflateInit2(&z, -15);
  z.next_in = const_cast<Bytef*>(stream.data());
  z.avail_in = static_cast<uInt>(stream.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const bool done = inflate(&z, Z_FINISH) == Z_STREAM_END;
  const std::size_t produced = z.total_out;
  inflateEnd(&z);
  return done ? produced : 0;
}

std::size_t DecodeLibdeflate(const Bytes& stream, Bytes& out) {
  static libdeflate_decompressor* const decompressor = libdeflate_alloc_decompressor();
  std::size_t produced = 0;
  const auto result = libdeflate_deflate_decompress(decompressor, stream.data(), stream.size(), out.data(),
                                                    out.size(), &produced);
  return result == LIBDEFLATE_SUCCESS ? produced : 0;
}

using Decoder = std::function<std::size_t(const Bytes&, Bytes&)>;

struct NamedDecoder {
  const char* name;
  Decoder decode;
};

const NamedDecoder kDecoders[] = {{"ours", DecodeOurs}, {"zlib", DecodeZlib}, {"libdeflate", DecodeLibdeflate}};

double MegabytesPerSecond(const Decoder& decode, const Bytes& stream, const Bytes& expected) {
  Bytes out(expected.size());
  if (decode(stream, out) != expected.size() || out != expected) return -1;
  double best = 0;
  for (int round = 0; round < 5; ++round) {
    const auto start = std::chrono::steady_clock::now();
    int runs = 0;
    std::chrono::duration<double> elapsed{};
    do {
      decode(stream, out);
      ++runs;
      elapsed = std::chrono::steady_clock::now() - start;
    } while (elapsed.count() < 0.3);
    best = std::max(best, runs * expected.size() / elapsed.count() / 1e6);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  struct Payload {
    const char* name;
    Bytes data;
    Bytes stream;
  };
  std::vector<Payload> payloads;
  for (const char* name : {"skin", "text"}) {
    if (argc == 4 && std::strcmp(argv[3], name) != 0) continue;
    Bytes data = std::strcmp(name, "skin") == 0 ? SkinLikePayload() : TextPayload();
    Bytes stream = ZlibLevel9(data);
    payloads.push_back({name, std::move(data), std::move(stream)});
  }

  if (argc == 4 && std::strcmp(argv[1], "--once") == 0) {
    for (const NamedDecoder& decoder : kDecoders) {
      if (std::strcmp(decoder.name, argv[2]) != 0) continue;
      for (Payload& payload : payloads) {
        Bytes out(payload.data.size());
        const std::size_t produced = decoder.decode(payload.stream, out);
        std::printf("%s %s: %zu bytes %s\n", decoder.name, payload.name, produced,
                    produced == payload.data.size() && out == payload.data ? "ok" : "WRONG");
        return produced == payload.data.size() ? 0 : 1;
      }
    }
    std::fprintf(stderr, "usage: inflate_bench --once ours|zlib|libdeflate skin|text\n");
    return 2;
  }
  if (argc != 1) {
    std::fprintf(stderr, "usage: inflate_bench [--once ours|zlib|libdeflate skin|text]\n");
    return 2;
  }

  for (const Payload& payload : payloads) {
    std::printf("%s payload: %zu bytes, zlib level 9 stream %zu bytes\n", payload.name, payload.data.size(),
                payload.stream.size());
    double speed[3] = {};
    for (int i = 0; i < 3; ++i) {
      speed[i] = MegabytesPerSecond(kDecoders[i].decode, payload.stream, payload.data);
      std::printf("  %-10s %8.1f MB/s%s\n", kDecoders[i].name, speed[i], speed[i] < 0 ? "  (WRONG OUTPUT)" : "");
    }
    std::printf("  ours/zlib %.2f  ours/libdeflate %.2f\n", speed[0] / speed[1], speed[0] / speed[2]);
  }
  return 0;
}

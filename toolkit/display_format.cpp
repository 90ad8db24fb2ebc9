#include "toolkit/display_format.h"

#include <atomic>

namespace {

constexpr int kNotAsked = 0;

// Bits per pixel of the display, or kNotAsked. Paints may run on more than one thread.
std::atomic<int> display_bits{kNotAsked};

int AskDisplayBits() {
  const HDC screen = GetDC(nullptr);
  if (!screen) return 32;
  const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return bits > 0 ? bits : 32;
}

}  // namespace

PixelFormat DisplayPixelFormat() {
  int bits = display_bits.load(std::memory_order_relaxed);
  if (bits == kNotAsked) {
    bits = AskDisplayBits();
    display_bits.store(bits, std::memory_order_relaxed);
  }
  if (bits >= 32) return PixelFormat::pf32bit;
  return bits > 8 ? PixelFormat::pf24bit : PixelFormat::pf8bit;
}

void ForgetDisplayPixelFormat() { display_bits.store(kNotAsked, std::memory_order_relaxed); }

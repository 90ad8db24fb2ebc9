#include "toolkit/gdi_handles.h"

#include <array>
#include <atomic>
#include <stdexcept>

namespace {
std::array<std::atomic<int>, kGdiKindCount> live_counts{};
}

int LiveGdiObjectCount(GdiKind kind) { return live_counts[static_cast<int>(kind)].load(); }

int LiveGdiObjectCount() {
  int total = 0;
  for (const auto& count : live_counts) total += count.load();
  return total;
}

namespace gdi_detail {
void CountAcquired(GdiKind kind) { ++live_counts[static_cast<int>(kind)]; }
void CountReleased(GdiKind kind) { --live_counts[static_cast<int>(kind)]; }
void Release(HGDIOBJ object) { DeleteObject(object); }
void Release(HICON icon) { DestroyIcon(icon); }
}  // namespace gdi_detail

using gdi_detail::CountAcquired;
using gdi_detail::CountReleased;

MemoryDC::MemoryDC(HDC compatible_with) : dc_(CreateCompatibleDC(compatible_with)) {
  if (!dc_) throw std::runtime_error("CreateCompatibleDC failed");
  CountAcquired(GdiKind::DeviceContext);
}

MemoryDC::~MemoryDC() {
  if (dc_) {
    DeleteDC(dc_);
    CountReleased(GdiKind::DeviceContext);
  }
}

MemoryDC& MemoryDC::operator=(MemoryDC&& other) noexcept {
  if (this != &other) {
    MemoryDC old(std::move(*this));
    dc_ = std::exchange(other.dc_, nullptr);
  }
  return *this;
}

ClientDC::ClientDC(HWND window) : window_(window), dc_(GetDC(window)) {
  if (!dc_) throw std::runtime_error("GetDC failed");
  CountAcquired(GdiKind::DeviceContext);
}

ClientDC::~ClientDC() {
  if (dc_) {
    ReleaseDC(window_, dc_);
    CountReleased(GdiKind::DeviceContext);
  }
}

ClientDC& ClientDC::operator=(ClientDC&& other) noexcept {
  if (this != &other) {
    ClientDC old(std::move(*this));
    window_ = std::exchange(other.window_, nullptr);
    dc_ = std::exchange(other.dc_, nullptr);
  }
  return *this;
}

WindowDC::WindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {
  if (!dc_) throw std::runtime_error("GetWindowDC failed");
  CountAcquired(GdiKind::DeviceContext);
}

WindowDC::~WindowDC() {
  if (dc_) {
    ReleaseDC(window_, dc_);
    CountReleased(GdiKind::DeviceContext);
  }
}

WindowDC& WindowDC::operator=(WindowDC&& other) noexcept {
  if (this != &other) {
    WindowDC old(std::move(*this));
    window_ = std::exchange(other.window_, nullptr);
    dc_ = std::exchange(other.dc_, nullptr);
  }
  return *this;
}

PaintDC::PaintDC(HWND window) : window_(window) {
  dc_ = BeginPaint(window_, &paint_);
  // EndPaint is owed even when BeginPaint gave no device context, so the wrapper keeps
  // the window either way.
  if (dc_) CountAcquired(GdiKind::DeviceContext);
}

PaintDC::~PaintDC() {
  if (!window_) return;
  EndPaint(window_, &paint_);
  if (dc_) CountReleased(GdiKind::DeviceContext);
}

ObjectSelection::ObjectSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {
  if (!previous_ || previous_ == HGDI_ERROR) {
    dc_ = nullptr;
    previous_ = nullptr;
  }
}

ObjectSelection::~ObjectSelection() {
  if (dc_) SelectObject(dc_, previous_);
}

SavedDC::SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {
  if (saved_ == 0) dc_ = nullptr;
}

SavedDC::~SavedDC() {
  if (dc_) RestoreDC(dc_, saved_);
}

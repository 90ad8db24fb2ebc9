// One owner per GDI handle. Each wrapper releases its handle the one way it was
// acquired, cannot be copied, can be moved, and is counted per kind so that an endurance
// run can prove that nothing leaks.
//
//   OwnedBrush brush(CreateSolidBrush(RGB(255, 0, 0)));
//   ClientDC dc(window);
//   ObjectSelection select(dc.Get(), brush.Get());   // old brush back when it ends
//   int brushes = LiveGdiObjectCount(GdiKind::Brush);
#pragma once

#include <windows.h>

#include <utility>

enum class GdiKind { Pen, Brush, Font, Bitmap, Region, DeviceContext, Icon };
inline constexpr int kGdiKindCount = 7;

// Handles of that kind now held by our wrappers.
int LiveGdiObjectCount(GdiKind kind);
// All kinds together.
int LiveGdiObjectCount();

namespace gdi_detail {
void CountAcquired(GdiKind kind);
void CountReleased(GdiKind kind);
void Release(HGDIOBJ object);
void Release(HICON icon);
}  // namespace gdi_detail

// Owns a handle released with DeleteObject (or DestroyIcon).
template <typename Handle, GdiKind Kind>
class OwnedGdiHandle {
 public:
  OwnedGdiHandle() = default;
  explicit OwnedGdiHandle(Handle handle) { Reset(handle); }
  ~OwnedGdiHandle() { Reset(); }
  OwnedGdiHandle(const OwnedGdiHandle&) = delete;
  OwnedGdiHandle& operator=(const OwnedGdiHandle&) = delete;
  OwnedGdiHandle(OwnedGdiHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedGdiHandle& operator=(OwnedGdiHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Takes ownership of a new handle (null leaves the wrapper empty), releasing the old one.
  void Reset(Handle handle = nullptr) {
    if (handle_ == handle) return;
    if (handle_) {
      gdi_detail::Release(handle_);
      gdi_detail::CountReleased(Kind);
    }
    handle_ = handle;
    if (handle_) gdi_detail::CountAcquired(Kind);
  }
  // Gives ownership away, e.g. a region handed to SetWindowRgn, which the window then owns.
  [[nodiscard]] Handle Detach() {
    if (handle_) gdi_detail::CountReleased(Kind);
    return std::exchange(handle_, nullptr);
  }

 private:
  Handle handle_ = nullptr;
};

using OwnedPen = OwnedGdiHandle<HPEN, GdiKind::Pen>;
using OwnedBrush = OwnedGdiHandle<HBRUSH, GdiKind::Brush>;
using OwnedFont = OwnedGdiHandle<HFONT, GdiKind::Font>;
using OwnedBitmap = OwnedGdiHandle<HBITMAP, GdiKind::Bitmap>;
using OwnedRegion = OwnedGdiHandle<HRGN, GdiKind::Region>;
using OwnedIcon = OwnedGdiHandle<HICON, GdiKind::Icon>;

// CreateCompatibleDC / DeleteDC.
class MemoryDC {
 public:
  // Compatible with the screen when no device context is given. Throws std::runtime_error
  // when the system has no device context left.
  explicit MemoryDC(HDC compatible_with = nullptr);
  ~MemoryDC();
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  MemoryDC(MemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  MemoryDC& operator=(MemoryDC&& other) noexcept;
  HDC Get() const { return dc_; }

 private:
  HDC dc_ = nullptr;
};

// GetDC / ReleaseDC (the client area; a null window is the screen).
class ClientDC {
 public:
  explicit ClientDC(HWND window);
  ~ClientDC();
  ClientDC(const ClientDC&) = delete;
  ClientDC& operator=(const ClientDC&) = delete;
  ClientDC(ClientDC&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  ClientDC& operator=(ClientDC&& other) noexcept;
  HDC Get() const { return dc_; }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// GetWindowDC / ReleaseDC (the whole window, non-client area included).
class WindowDC {
 public:
  explicit WindowDC(HWND window);
  ~WindowDC();
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  WindowDC(WindowDC&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDC& operator=(WindowDC&& other) noexcept;
  HDC Get() const { return dc_; }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// BeginPaint / EndPaint, for WM_PAINT only.
class PaintDC {
 public:
  explicit PaintDC(HWND window);
  ~PaintDC();
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  PaintDC(PaintDC&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), paint_(other.paint_), dc_(std::exchange(other.dc_, nullptr)) {}
  PaintDC& operator=(PaintDC&&) = delete;
  HDC Get() const { return dc_; }
  const PAINTSTRUCT& Paint() const { return paint_; }

 private:
  HWND window_ = nullptr;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// SelectObject, and the object it replaced put back at the end.
class ObjectSelection {
 public:
  ObjectSelection(HDC dc, HGDIOBJ object);
  ~ObjectSelection();
  ObjectSelection(const ObjectSelection&) = delete;
  ObjectSelection& operator=(const ObjectSelection&) = delete;
  ObjectSelection(ObjectSelection&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
  ObjectSelection& operator=(ObjectSelection&&) = delete;

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// SaveDC / RestoreDC on a bare device context. (A Canvas has its own guard, which also
// keeps its pen, brush and font selections right: CanvasStateGuard in canvas.h.)
class SavedDC {
 public:
  explicit SavedDC(HDC dc);
  ~SavedDC();
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;
  SavedDC(SavedDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)), saved_(other.saved_) {}
  SavedDC& operator=(SavedDC&&) = delete;

 private:
  HDC dc_ = nullptr;
  int saved_ = 0;
};

// The brush of a canvas: a solid colour, clear (fills nothing, text without background)
// or a pattern made from a bitmap, with a lazily made HBRUSH.
//
//   canvas.Brush().SetBitmap(&tile);     // the brush keeps its own copy of the tile
//   canvas.FillRect(client);
//   canvas.Brush().SetBitmap(nullptr);   // back to the solid colour
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "toolkit/color.h"
#include "toolkit/gdi_handles.h"

class Bitmap;

enum class BrushStyle { bsSolid, bsClear };

class Brush {
 public:
  Brush();
  ~Brush();
  Brush(const Brush&) = delete;
  Brush& operator=(const Brush&) = delete;

  void Assign(const Brush& other);

  TColor Color() const { return color_; }
  void SetColor(TColor color);  // also makes a clear brush solid again
  BrushStyle Style() const { return style_; }
  void SetStyle(BrushStyle style);
  // The pattern, or null for none. The brush copies the picture, so the caller's bitmap
  // may change or die afterwards without effect on the brush.
  const Bitmap* Pattern() const { return pattern_.get(); }
  void SetBitmap(const Bitmap* pattern);

  HBRUSH Handle() const;  // owned by this object; throws std::runtime_error on failure

  std::function<void()> OnChange;

 private:
  friend class Canvas;
  void Changed();

  TColor color_ = clWhite;
  BrushStyle style_ = BrushStyle::bsSolid;
  std::unique_ptr<Bitmap> pattern_;
  mutable OwnedBrush handle_;
  std::function<void()> before_handle_release_;
};

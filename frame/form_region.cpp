#include "frame/form_region.h"

#include <algorithm>
#include <vector>

#include "frame/form.h"

namespace {

void AddRect(HRGN target, int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  OwnedRegion part(CreateRectRgn(left, top, right, bottom));
  CombineRgn(target, target, part.Get(), RGN_OR);
}

void AddRegion(HRGN target, const OwnedRegion& part) { CombineRgn(target, target, part.Get(), RGN_OR); }

// Rows first .. last of the picture: each maximal run of non-transparent pixels becomes
// one rectangle, moved down by `offset`.
void AddOpaqueRuns(HRGN target, const Bitmap& picture, int first, int last, TColor transparent, int offset) {
  for (int y = first; y <= last; ++y) {
    const std::vector<TColor> row = picture.RowColors(y);
    const int width = static_cast<int>(row.size());
    int x = 0;
    while (x < width) {
      while (x < width && row[static_cast<std::size_t>(x)] == transparent) ++x;
      const int start = x;
      while (x < width && row[static_cast<std::size_t>(x)] != transparent) ++x;
      if (x > start) AddRect(target, start, y + offset, x, y + offset + 1);
    }
  }
}

// One picture's part of the shape: rows above the scanned band whole, the band cut out,
// the rows below it whole.
void AddPicturePart(HRGN target, const Bitmap& picture, int width, int min_row, int max_row, TColor transparent,
                    int offset) {
  const int rows = picture.Height();
  if (min_row >= 1) AddRect(target, 0, offset, width, offset + std::min(min_row, rows));
  const int first = min_row == -1 ? 0 : std::max(min_row, 0);
  const int last = min_row >= max_row ? rows - 1 : std::min(max_row, rows - 1);
  AddOpaqueRuns(target, picture, first, last, transparent, offset);
  AddRect(target, 0, offset + last + 1, width, offset + rows);
}

}  // namespace

OwnedRegion MakeRoundedRegion(int width, int height, int top_radius, int bottom_radius) {
  const int h = height / 2;
  const int r = top_radius;
  const int rb = bottom_radius == -1 ? 0 : bottom_radius;
  OwnedRegion shape(CreateRectRgn(0, 0, 0, 0));
  // Each half is a rounded rectangle whose inner corners are squared off again, so only
  // the window's own corners come out round.
  AddRegion(shape.Get(), OwnedRegion(CreateRoundRectRgn(0, 0, width + 1, h + 1, r, r)));
  AddRect(shape.Get(), 0, h - 2 * r, 2 * r, h);
  AddRect(shape.Get(), width - 2 * r, h - 2 * r, width, h);
  AddRegion(shape.Get(), OwnedRegion(CreateRoundRectRgn(0, h, width + 1, height + 1, rb, rb)));
  AddRect(shape.Get(), 0, h, 2 * rb, h + 2 * rb);
  AddRect(shape.Get(), width - 2 * rb, h, width, h + 2 * rb);
  return shape;
}

void BuildRegionFromBitmaps(HWND window, const Bitmap* title, const Bitmap* bottom, int width, int height,
                            TColor transparent, const RegionLimits& limits, bool bottom_flag, bool title_flag) {
  OwnedRegion shape(CreateRectRgn(0, 0, 0, 0));
  const int title_height = title_flag && title ? title->Height() : 0;
  const int bottom_height = bottom_flag && bottom ? bottom->Height() : 0;
  if (title_flag && title) {
    AddPicturePart(shape.Get(), *title, width, limits.title_min, limits.title_max, transparent, 0);
  }
  AddRect(shape.Get(), 0, title_height, width, height - bottom_height);
  if (bottom_flag && bottom) {
    AddPicturePart(shape.Get(), *bottom, width, limits.bottom_min, limits.bottom_max, transparent,
                   height - bottom_height);
  } else {
    AddRect(shape.Get(), 0, height - bottom_height, width, height);
  }
  // The window owns the region from here on.
  SetWindowRgn(window, shape.Detach(), TRUE);
}

void TsuiForm::UpdateRegion() {
  if (closing_ || !host_ || !host_->HandleAllocated()) return;
  RECT window_rect;
  GetWindowRect(host_->Handle(), &window_rect);
  const int width = window_rect.right - window_rect.left;
  const int height = window_rect.bottom - window_rect.top;
  if (uses_file_theme_) {
    given_shape_.reset();
    const bool normal_or_top_level = !HostIsMDIChild() || host_->WindowState() == TWindowState::wsNormal;
    if ((title_needs_region_ || bottom_needs_region_) && normal_or_top_level) {
      title_bar_->Repaint();
      BuildRegionFromBitmaps(host_->Handle(), title_bar_->GetFrameImage(-1), &bottom_image_, width, height,
                             region_trans_color_, region_limits_, bottom_needs_region_, title_needs_region_);
    } else {
      SetWindowRgn(host_->Handle(), OwnedRegion(CreateRectRgn(0, 0, width, height)).Detach(), TRUE);
    }
    return;
  }
  const RoundedShape shape{host_->Handle(), width, height, RoundCorner(), RoundCornerBottom()};
  if (given_shape_ == shape) return;
  SetWindowRgn(host_->Handle(), MakeRoundedRegion(width, height, shape.top_radius, shape.bottom_radius).Detach(),
               TRUE);
  given_shape_ = shape;
}

#include "tools/controlgallery/controls_page.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "skin/fill_drawing.h"

namespace {

constexpr int kMargin = 8;
constexpr int kHeadingHeight = 17;
constexpr int kCaptionHeight = 13;
constexpr int kLabelColumn = 86;
constexpr int kStateColumn = 96;
constexpr int kRowGap = 6;
constexpr int kLookGap = 10;
constexpr TColor kBackground = RGBColor(236, 236, 236);
constexpr TColor kHeading = RGBColor(0, 51, 153);
constexpr TColor kCaption = RGBColor(70, 70, 70);
constexpr TColor kMissing = RGBColor(160, 160, 160);
constexpr TColor kRule = RGBColor(200, 200, 200);

void WriteLabel(Canvas& canvas, int x, int y, const std::string& text, TColor color, bool bold = false) {
  canvas.Brush().SetStyle(BrushStyle::bsClear);
  canvas.Font().SetBold(bold);
  canvas.Font().SetColor(color);
  canvas.TextOut(x, y, text);
  canvas.Font().SetBold(false);
}

int TallestPicture(const std::vector<Shot>& shots) {
  int tallest = 0;
  for (const Shot& shot : shots) tallest = std::max(tallest, shot.picture.Height());
  return tallest;
}

}  // namespace

ControlsPage::ControlsPage(TComponent* owner, std::vector<LookRow> rows) : TCustomControl(owner), rows_(std::move(rows)) {
  Bitmap measuring;
  measuring.SetSize(1, 1);
  content_height_ = LayOut(measuring.Canvas(), false);
}

int ControlsPage::LayOut(::Canvas& canvas, bool draw) {
  canvas.Font().SetName("Tahoma");
  canvas.Font().SetHeight(-11);
  const int menu_left = kMargin + kLabelColumn + static_cast<int>(kControlStates.size()) * kStateColumn + 12;
  int y = kMargin;
  for (const LookRow& row : rows_) {
    if (draw) WriteLabel(canvas, kMargin, y, row.title, kHeading, true);
    const int grid_top = y + kHeadingHeight;
    int line_top = grid_top;
    const std::pair<const char*, const std::vector<Shot>*> lines[] = {
        {"TsuiButton", &row.shots.button}, {"TsuiCheckBox", &row.shots.check_box}, {"TsuiEdit", &row.shots.edit}};
    for (const auto& [label, shots] : lines) {
      const int picture_height = std::max(TallestPicture(*shots), 17);
      if (draw) {
        WriteLabel(canvas, kMargin, line_top + kCaptionHeight + (picture_height - kCaptionHeight) / 2, label, clBlack);
        int x = kMargin + kLabelColumn;
        for (const Shot& shot : *shots) {
          if (shot.picture.Empty()) {
            WriteLabel(canvas, x, line_top, StateName(shot.state), kMissing);
            WriteLabel(canvas, x, line_top + kCaptionHeight + 2, "(no such state)", kMissing);
          } else {
            WriteLabel(canvas, x, line_top, StateName(shot.state), kCaption);
            canvas.Draw(x, line_top + kCaptionHeight, shot.picture);
          }
          x += kStateColumn;
        }
      }
      line_top += kCaptionHeight + picture_height + kRowGap;
    }
    if (draw) {
      WriteLabel(canvas, menu_left, grid_top, "TsuiPopupMenu drop-down", kCaption);
      canvas.Draw(menu_left, grid_top + kCaptionHeight, row.drop_down);
    }
    content_width_ = std::max(content_width_, menu_left + row.drop_down.Width() + kMargin);
    const int bottom = std::max(line_top, grid_top + kCaptionHeight + row.drop_down.Height() + kRowGap);
    y = bottom + kLookGap / 2;
    if (draw && &row != &rows_.back()) FillRectColor(canvas, {kMargin, y - 1, content_width_ - kMargin, y}, kRule);
    y += kLookGap / 2;
  }
  return y;
}

void ControlsPage::Render(::Canvas& canvas) {
  FillRectColor(canvas, {0, 0, Width(), Height()}, kBackground);
  LayOut(canvas, true);
}

// Drawn off-screen first so the page does not flicker while it fills in.
void ControlsPage::Paint() {
  Bitmap buffer;
  buffer.SetSize(Width(), Height());
  Render(buffer.Canvas());
  Canvas().Draw(0, 0, buffer);
}

// The title bar's picture: sections, buttons, icon and caption, drawn off-screen and
// copied to the window in one step.
#include <windows.h>

#include <algorithm>

#include "frame/frame_messages.h"
#include "frame/title_bar.h"
#include "skin/fill_drawing.h"
#include "skin/text_fitting.h"
#include "toolkit/system_locale.h"

namespace {

constexpr char kEllipsis[] = "...";

// The byte length of the text without its last character (a GBK pair counts as one).
std::size_t WithoutLastCharacter(const std::string& text) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size();) {
    last = i;
    i += IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() ? 2 : 1;
  }
  return last;
}

void CopyPicture(Bitmap& target, const Picture& picture) {
  const Bitmap& source = *picture.Graphic();
  BitBlt(target.Canvas().Handle(), 0, 0, source.Width(), source.Height(), source.SourceDC(), 0, 0, SRCCOPY);
}

}  // namespace

void TsuiTitleBar::Paint() {
  const RECT client = ClientRect();
  if (client.right <= 0 || client.bottom <= 0) return;
  Bitmap image;
  image.SetSize(client.right, client.bottom);
  image.Canvas().Brush().SetStyle(BrushStyle::bsClear);
  image.Canvas().Font().Assign(Font());
  PaintSections(image);
  PaintButtons(image);
  if (HDC target = Canvas().Handle()) {
    BitBlt(target, 0, 0, client.right, client.bottom, image.Canvas().Handle(), 0, 0, SRCCOPY);
  }
}

void TsuiTitleBar::PaintSections(Bitmap& image) {
  if (!Parent()) return;
  const int width = image.Width();
  const int height = image.Height();
  const int inset = FrameInset();
  int dx = 0;
  int dy = 0;
  if (IsOnSkinnedForm()) {
    dx = inset != 0 ? inset : 3;
    dy = 3;
  }
  int buttons_width = 0;
  for (int i = 0; i < buttons_.Count(); ++i) buttons_width += buttons_.Item(i).PicNormal().Width() + button_interval_;

  frame_image_.SetSize(width + 2 * dx, height + dy);
  frame_image_on_back_.SetSize(width + 2 * dx, height + dy);
  FillRectColor(frame_image_on_back_.Canvas(), {0, 0, frame_image_on_back_.Width(), frame_image_on_back_.Height()},
                back_color_);

  ::Canvas& canvas = image.Canvas();
  ::Canvas& frame = frame_image_.Canvas();
  int x = -dx;
  int r = width + dx;
  const TsuiTitleBarSection* client = nullptr;
  int left_width = 0;
  bool caption_drawn = false;
  for (int i = 0; i < sections_.Count(); ++i) {
    const TsuiTitleBarSection& section = sections_.Item(i);
    if (!section.Picture().HasImage()) continue;
    const Bitmap& picture = *section.Picture().Graphic();
    if (section.CapSec()) {
      const int next_width = i + 1 < sections_.Count() ? sections_.Item(i + 1).Width() : 0;
      section_caption_ =
          FitTextWithEllipsis(canvas, Caption(), width - left_btn_x_offset_ - buttons_width - next_width - 21);
      const int w = canvas.TextWidth(section_caption_) + left_btn_x_offset_ - left_width + 17;
      canvas.StretchDraw({x, -dy, x + w, -dy + picture.Height()}, picture);
      frame.StretchDraw({x + dx, 0, x + dx + w, picture.Height()}, picture);
      x += w;
      caption_drawn = true;
      continue;
    }
    switch (section.Align()) {
      case TsuiTitleBarAlign::suiLeft:
        canvas.Draw(x, -dy, picture);
        frame.Draw(x + dx, 0, picture);
        x += picture.Width();
        left_width = picture.Width();
        break;
      case TsuiTitleBarAlign::suiRight:
        if (uses_file_theme_) {
          // Where the theme's cap is see-through, the form's colour shows.
          Bitmap backed;
          backed.SetSize(picture.Width(), picture.Height());
          FillRectColor(backed.Canvas(), {0, 0, picture.Width(), picture.Height()}, back_color_);
          Bitmap keyed(picture);
          keyed.SetTransparentColor(trans_color_);
          keyed.SetTransparent(true);
          backed.Canvas().Draw(0, 0, keyed);
          canvas.Draw(r - picture.Width(), -dy, backed);
        } else {
          canvas.Draw(r - picture.Width(), -dy, picture);
        }
        frame.Draw(r + dx - picture.Width(), 0, picture);
        r -= picture.Width();
        break;
      case TsuiTitleBarAlign::suiClient:
        client = &section;
        break;
    }
  }
  // Caps wider than the bar leave no room for the middle; a reversed rectangle would
  // draw it mirrored.
  if (client && r > x) {
    const Bitmap& picture = *client->Picture().Graphic();
    canvas.StretchDraw({x, -dy, r, -dy + picture.Height()}, picture);
    frame.StretchDraw({x + dx, 0, r + dx, picture.Height()}, picture);
  }
  frame_image_on_back_.Canvas().Draw(0, 0, frame_image_);
  if (caption_drawn && IsOnSkinnedForm()) {
    Parent()->Perform(CM_TITLE_FRAME_CHANGED);
  } else if (!caption_drawn) {
    section_caption_.clear();
  }
}

void TsuiTitleBar::PaintButtons(Bitmap& image) {
  if (!Parent()) return;
  const int width = image.Width();
  const int inset = FrameInset();
  Bitmap scratch;
  if (uses_file_theme_) {
    scratch.SetPixelFormat(PixelFormat::pf24bit);
    scratch.SetTransparentColor(trans_color_);
  }
  POINT mouse{-1, -1};
  GetCursorPos(&mouse);
  if (HandleAllocated()) ScreenToClient(Handle(), &mouse);
  hot_button_ = -1;
  int control_box = -1;
  ::Canvas& canvas = image.Canvas();

  const auto draw_state = [&](const TsuiTitleBarButton& button, int index, int x, int y, const RECT& hit) {
    if (PointInRect(mouse, hit)) {
      hot_button_ = index;
      CopyPicture(scratch, mouse_is_down_ ? button.PicMouseDown() : button.PicMouseOn());
    } else {
      CopyPicture(scratch, button.PicNormal());
    }
    canvas.Draw(x, y, scratch);
  };

  int c = width + inset - right_btn_x_offset_ - 1;
  for (int i = 0; i < buttons_.Count(); ++i) {
    const TsuiTitleBarButton& button = buttons_.Item(i);
    if (!button.Visible() || !button.HasAllPictures()) continue;
    const int w = button.PicNormal().Width();
    const int h = button.PicNormal().Height();
    scratch.SetSize(w, h);
    scratch.SetTransparent(button.Transparent());
    if (button.ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
      control_box = i;
      continue;
    }
    c -= button.ButtonType() == TsuiTitleBarBtnType::suiClose ? w : w + button_interval_ + 1;
    if (width < c + w + 1) c = width - w - 1;
    draw_state(button, i, c, button_top_, {c, button_top_, c + w, button_top_ + h});
  }

  int x0 = std::max(left_btn_x_offset_ - inset - 3, 0);
  if (control_box >= 0) {
    const TsuiTitleBarButton& button = buttons_.Item(control_box);
    const int w = button.PicNormal().Width();
    const int h = button.PicNormal().Height();
    const RECT hit{x0, icon_top_, x0 + w, icon_top_ + h};
    if (draw_app_icon_) {
      if (PointInRect(mouse, hit)) hot_button_ = control_box;
      LoadAppIcon();
      app_icon_.Draw(canvas, x0 + 3, icon_top_);
      x0 += 21;
    } else {
      scratch.SetSize(w, h);
      scratch.SetTransparent(button.Transparent());
      draw_state(button, control_box, x0, icon_top_ - 1, hit);
      x0 += w + 5;
    }
  }
  if (x0 == 0) x0 = 6;

  if (!form_active_) canvas.Font().SetColor(inactive_caption_color_);
  const std::string text = section_caption_.empty() ? FittedCaption(canvas, c - x0) : section_caption_;
  int y = button_top_;
  if (uses_file_theme_) {
    y = caption_top_ - 3;
  } else if (effective_style_ == TsuiUIStyle::Protein) {
    y += 3;
  }
  int x = x0;
  if (UseRightToLeftReading() && SystemLocaleReadsRightToLeft()) x = c - canvas.TextWidth(text) - 10;
  canvas.TextOut(x, y, text);
}

std::string TsuiTitleBar::FittedCaption(::Canvas& canvas, int space) {
  std::string text = Caption();
  if (canvas.TextWidth(text) <= space) return text;
  // Whole characters only: half a GBK pair would show as a stray glyph.
  while (!text.empty() && canvas.TextWidth(text + kEllipsis) > space) text.resize(WithoutLastCharacter(text));
  return text + kEllipsis;
}

void TsuiTitleBar::LoadAppIcon() {
  if (app_icon_loaded_) return;
  app_icon_loaded_ = true;
  app_icon_.LoadFromResourceName(GetModuleHandleA(nullptr), "MAINICON", 16, 16);
}

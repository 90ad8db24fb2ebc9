#include "frame/form.h"

namespace {

// The built-in styles whose client area is a tiled picture rather than a colour.
const char* BackgroundTile(TsuiUIStyle style) {
  switch (style) {
    case TsuiUIStyle::MacOS: return "MACOS_FORM_BACKGROUND";
    case TsuiUIStyle::Protein: return "PROTEIN_FORM_BACKGROUND";
    default: return nullptr;
  }
}

}  // namespace

void TsuiForm::Paint() {
  if (closing_) return;
  const RECT client = ClientRect();
  const char* tile = uses_file_theme_ ? nullptr : BackgroundTile(effective_style_);
  if (tile && client.right > 0 && client.bottom > 0) {
    Bitmap pattern;
    pattern.LoadFromResourceName(GetModuleHandleA(nullptr), tile);
    Bitmap buffer;
    buffer.SetSize(client.right, client.bottom);
    buffer.Canvas().Brush().SetBitmap(&pattern);
    buffer.Canvas().FillRect(client);
    BitBlt(Canvas().Handle(), 0, 0, client.right, client.bottom, buffer.Canvas().Handle(), 0, 0, SRCCOPY);
  } else {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(client);
  }
  PaintFrame();
}

#include "toolkit/custom_control.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintTo(HDC dc) { PaintWindow(dc); }

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(Font());
  try {
    Paint();
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

void TCustomControl::Paint() {
  canvas_.Brush().SetColor(Color());
  canvas_.FillRect(ClientRect());
}

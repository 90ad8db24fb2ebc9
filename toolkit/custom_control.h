// A windowed control that draws itself in Paint on its Canvas. The canvas is the
// window's during WM_PAINT; PaintTo lends it any other device context (an off-screen
// bitmap), so the same Paint draws there.
//
//   class TSwatch : public TCustomControl {
//     void Paint() override { Canvas().Brush().SetColor(clRed); Canvas().FillRect(ClientRect()); }
//   };
#pragma once

#include "toolkit/canvas.h"
#include "toolkit/win_control.h"

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);

  std::string_view ClassName() const override { return "TCustomControl"; }

  ::Canvas& Canvas() { return canvas_; }
  // Paints the control (without its painted children) onto the device context.
  void PaintTo(HDC dc);

 protected:
  virtual void Paint();
  void PaintWindow(HDC dc) override;

 private:
  ::Canvas canvas_;
};

// The page of the controls gallery: per look one row with its heading, the pictures of
// the button, check box and edit box in every state (each cell captioned with its state)
// and the menu's drop-down beside them.
//
//   auto* page = new ControlsPage(form, std::move(rows));
//   form->SetClientSize(page->ContentWidth(), page->ContentHeight());
#pragma once

#include <string>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/custom_control.h"
#include "tools/controlgallery/state_shots.h"

struct LookRow {
  std::string title;
  LookShots shots;
  Bitmap drop_down;
};

class ControlsPage : public TCustomControl {
 public:
  ControlsPage(TComponent* owner, std::vector<LookRow> rows);
  std::string_view ClassName() const override { return "ControlsPage"; }

  int ContentWidth() const { return content_width_; }
  int ContentHeight() const { return content_height_; }

 protected:
  void Paint() override;

 private:
  void Render(::Canvas& canvas);
  // Lays the rows out on the canvas; answers the bottom of the last one.
  int LayOut(::Canvas& canvas, bool draw);

  std::vector<LookRow> rows_;
  int content_width_ = 0;
  int content_height_ = 0;
};

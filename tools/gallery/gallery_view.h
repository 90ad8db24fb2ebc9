// One window that shows every built-in picture of every style, labelled with its
// resource name and size, then the pictures and colours of a file theme if one is given.
//
//   auto* view = new GalleryView(form, theme);   // theme may be null
//   view->SetParent(form);
//   view->SetAlign(TAlign::alClient);
#pragma once

#include "skin/file_theme.h"
#include "toolkit/bitmap.h"
#include "toolkit/custom_control.h"

class GalleryView : public TCustomControl {
 public:
  GalleryView(TComponent* owner, TsuiFileTheme* theme);
  std::string_view ClassName() const override { return "GalleryView"; }

 protected:
  void Paint() override;
  void Resize() override;

 private:
  void Render();

  TsuiFileTheme* theme_;
  Bitmap buffer_;
};

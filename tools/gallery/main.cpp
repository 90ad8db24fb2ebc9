// The style gallery: every built-in picture of the five styles in one window, and the
// pictures and colours of a skin file when one is named.
//
//   gallery.exe [SKINFILE [PASSWORD]]
#include <string>

#include "skin/file_theme.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "tools/gallery/gallery_view.h"

int main(int argc, char** argv) {
  Application().Initialize();
  Application().SetTitle("Tarnwick style gallery");
  auto* form = new TForm(nullptr);
  form->SetCaption("Tarnwick style gallery");
  form->SetBounds(0, 0, 1280, 1024);
  TsuiFileTheme* theme = nullptr;
  if (argc > 1) {
    theme = new TsuiFileTheme(form);
    theme->SetThemeFile(argv[1]);
    if (argc > 2) theme->SetPassword(argv[2]);
  }
  auto* view = new GalleryView(form, theme);
  view->SetParent(form);
  view->SetAlign(TAlign::alClient);
  Application().AddForm(form);
  Application().Run();
  return 0;
}

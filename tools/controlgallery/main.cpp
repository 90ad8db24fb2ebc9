// The controls gallery: the skinned button, check box, edit box and pop-up menu in each
// of the five built-in styles and, when a skin file is named, in its look, every one in
// the states normal, hover, pressed, focused, checked and disabled.
//
//   controlgallery.exe [SKINFILE [PASSWORD]]
#include <windows.h>

#include <string>
#include <vector>

#include "skin/file_theme.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "tools/controlgallery/controls_page.h"
#include "tools/controlgallery/menu_drop_down.h"
#include "tools/controlgallery/state_shots.h"

namespace {

constexpr TsuiUIStyle kStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                   TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};

std::vector<Look> Looks(TsuiFileTheme* theme) {
  std::vector<Look> looks;
  for (const TsuiUIStyle style : kStyles) looks.push_back({std::string(UIStyleIdentifier(style)), style, nullptr});
  if (theme) {
    looks.push_back({"File theme: " + (theme->Ready() ? theme->ThemeFile() : std::string("not ready")),
                     TsuiUIStyle::FromThemeFile, theme});
  }
  return looks;
}

}  // namespace

int main(int argc, char** argv) {
  Application().Initialize();
  Application().SetTitle("Tarnwick controls gallery");
  auto* form = new TForm(nullptr);
  form->SetCaption("Tarnwick controls gallery");
  form->SetBounds(8, 8, 900, 600);
  TsuiFileTheme* theme = nullptr;
  if (argc > 1) {
    theme = new TsuiFileTheme(form);
    theme->SetThemeFile(argv[1]);
    if (argc > 2) theme->SetPassword(argv[2]);
  }

  // Hover, press and focus need real windows on a shown, active form.
  form->Show();
  SetForegroundWindow(form->Handle());
  Application().ProcessMessages();
  std::vector<LookRow> rows;
  for (const Look& look : Looks(theme)) {
    rows.push_back({look.name, ShootControls(*form, look), DrawMenuDropDown(*form, look)});
  }

  auto* page = new ControlsPage(form, std::move(rows));
  page->SetParent(form);
  page->SetAlign(TAlign::alClient);
  form->SetClientSize(page->ContentWidth(), page->ContentHeight());
  Application().AddForm(form);
  Application().Run();
  return 0;
}

// The skinned frame on show: a window with the skinned form, its title bar, a menu bar
// and a few controls, in the style named on the command line or a skin file's look.
//
//   framedemo.exe MacOS | WinXP | DeepBlue | Protein | BlueGlass | SKINFILE [PASSWORD]
#include <string>

#include "controls/main_menu.h"
#include "frame/form.h"
#include "skin/file_theme.h"
#include "skin/ui_style.h"
#include "toolkit/application.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/menu.h"
#include "toolkit/push_button.h"

namespace {

void AddMenu(TsuiMainMenu& menu, const char* caption, std::initializer_list<const char*> items) {
  auto* top = new TMenuItem(&menu);
  top->SetCaption(caption);
  for (const char* text : items) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(text);
    top->Add(item);
  }
  menu.Items().Add(top);
}

template <typename Control>
Control* Place(TForm& owner, TWinControl& parent, int left, int top, int width, int height, const char* text) {
  auto* control = new Control(&owner);
  control->SetParent(&parent);
  control->SetBounds(left, top, width, height);
  control->SetCaption(text);
  return control;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string look = argc > 1 ? argv[1] : "MacOS";
  const bool built_in = UIStyleFromIdentifier(look).has_value();
  Application().Initialize();
  Application().SetTitle("Tarnwick frame demo");

  auto* host = new TForm(nullptr);
  host->SetBorderStyle(TFormBorderStyle::bsDialog);
  host->SetBorderIcons(biSystemMenu | biMinimize);
  host->SetCaption("Tarnwick frame demo - " + (built_in ? look : std::string("skin file")));
  host->SetBounds(80, 80, 300, 220);

  auto* menu = new TsuiMainMenu(host);
  AddMenu(*menu, "&File", {"&Open...", "-", "E&xit"});
  AddMenu(*menu, "&View", {"&Status bar", "&Refresh"});
  AddMenu(*menu, "&Help", {"&About"});
  menu->HookAllItems();

  auto* form = new TsuiForm(host);
  form->SetMenu(menu);
  // The form hands its style on to its owner-drawn menu.
  if (const auto style = UIStyleFromIdentifier(look)) {
    form->SetUIStyle(*style);
  } else {
    auto* theme = new TsuiFileTheme(host);
    theme->SetThemeFile(look);
    if (argc > 2) theme->SetPassword(argv[2]);
    form->SetFileTheme(theme);
    form->SetUIStyle(TsuiUIStyle::FromThemeFile);
  }
  form->SetCaption(host->Caption());

  Place<TLabel>(*host, *form, 20, 62, 60, 14, "User name:")->SetTransparent(true);
  Place<TEdit>(*host, *form, 90, 58, 150, 21, "demo");
  Place<TLabel>(*host, *form, 20, 94, 60, 14, "Password:")->SetTransparent(true);
  Place<TEdit>(*host, *form, 90, 90, 150, 21, "");
  Place<TButton>(*host, *form, 90, 130, 70, 24, "Log in");
  Place<TButton>(*host, *form, 170, 130, 70, 24, "Close")->OnClick = [host](TComponent*) { host->Close(); };

  Application().AddForm(host);
  Application().Run();
  return 0;
}

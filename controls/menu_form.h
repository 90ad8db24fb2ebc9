// What an owner-drawn main menu asks of the skinned form that shows it in its menu bar.
// The form sets itself as the menu's `MenuForm` when it takes the menu, and clears it
// when it lets the menu go or is destroyed first.
//
//   class TsuiForm : public TPanel, public TsuiMenuForm { ... };
//   menu->SetMenuForm(this);
#pragma once

class TsuiMenuForm {
 public:
  // One button per top-level item, after the menu gave its items their handlers.
  virtual void RebuildMenuBar() = 0;
  // The buttons take their items' captions and enabled states again.
  virtual void SyncMenuBarItems() = 0;
  // The bar takes the menu's font settings again and repaints.
  virtual void UpdateMenuBarFont() = 0;

 protected:
  ~TsuiMenuForm() = default;
};

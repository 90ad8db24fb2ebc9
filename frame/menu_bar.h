// The strip under a skinned form's title bar that shows the form's main menu: one flat
// button per top-level item. A press drops the item's sub-menu below its button; while one
// is open, moving onto another button or pressing Left or Right opens that one instead.
//
//   auto* bar = new TsuiMenuBar(skinned_form);   // made by TsuiForm::CreateMenuBar
//   bar->TrackMenus(0);                          // the first button's menu, as if clicked
#pragma once

#include <windows.h>

#include "toolkit/tool_bar.h"

class TsuiForm;

class TsuiMenuBar : public TToolBar {
 public:
  // The tag of a button that was last drawn hot or pressed: keyboard access without Alt
  // is open while one carries it.
  static constexpr int kHotOrPressedMark = 888;

  explicit TsuiMenuBar(TsuiForm* form);
  ~TsuiMenuBar() override;

  std::string_view ClassName() const override { return "TsuiMenuBar"; }
  TsuiForm* Form() const { return form_; }

  // Drops the button's sub-menu and follows the user from button to button until a menu
  // closes without another one wanted; the chosen item is clicked before it returns.
  void TrackMenus(int index);
  // The button under the point of the bar's client area, or -1.
  int ButtonAt(POINT client_point) const;
  bool AnyButtonMarked() const;
  // A button's menu drops down the way TrackMenus drops it.
  void DropDown(TToolButton& button) override;

 protected:
  void WndProc(TMessage& message) override;

 private:
  static LRESULT CALLBACK MenuMessageFilter(int code, WPARAM wparam, LPARAM lparam);
  // True when the message was taken: the open menu is to close for another one.
  bool FilterMenuMessage(const MSG& message);
  bool HasDropDown(int index) const;
  // The next button along (step -1 or +1, wrapping round) that drops a menu, or -1.
  int NeighbourWithMenu(int from, int step) const;
  bool HandleAccelerator(TMessage& message);

  TsuiForm* form_;
  int tracked_ = -1;
  int next_ = -1;
  HMENU top_menu_ = nullptr;
  HMENU selected_menu_ = nullptr;
  bool selected_item_opens_menu_ = false;
};

// Menus: trees of items, shown as a window's menu bar (TMainMenu) or at a point
// (TPopupMenu). Owner-drawn items are measured and drawn by their OnMeasureItem and
// OnDrawItem handlers.
//
//   auto* menu = new TMainMenu(form);
//   auto* file = new TMenuItem(form);  file->SetCaption("程序(&P)");  menu->Items().Add(file);
//   auto* quit = new TMenuItem(form);  quit->SetCaption("退出程序(&Q)");  file->Add(quit);
//   quit->OnClick = [](TComponent*) { Application().Terminate(); };
//   form->SetMenu(menu);
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/canvas.h"
#include "toolkit/component.h"
#include "toolkit/message.h"

class ImageList;
class TMenu;

// Key code in the low byte, modifiers as flags: the platform's shortcut encoding.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShortCut modifiers);
// "Ctrl+S", "Shift+F5", "Alt+Del": the key's own name from the keyboard layout.
std::string ShortCutToText(TShortCut shortcut);

using TMenuMeasureItemEvent = std::function<void(TComponent* sender, Canvas& canvas, int& width, int& height)>;
using TMenuDrawItemEvent = std::function<void(TComponent* sender, Canvas& canvas, RECT rect, bool selected)>;
using TMenuChangeEvent = std::function<void(TComponent* sender, class TMenuItem* source, bool rebuild)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  std::string_view ClassName() const override { return "TMenuItem"; }
  const ::ClassInfo& ClassInfo() const override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Default() const { return default_; }
  void SetDefault(bool is_default);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  TShortCut ShortCut() const { return shortcut_; }
  void SetShortCut(TShortCut shortcut);

  // Children in order. An item belongs to at most one parent item.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  TMenuItem* ParentItem() const { return parent_item_; }
  int MenuIndex() const;
  TMenu* OwningMenu() const;
  WORD Command() const { return command_; }
  // The sub-menu of an item with children, made with the menu.
  HMENU SubMenuHandle() const { return sub_menu_; }

  virtual void Click();
  // Measure and draw of an owner-drawn item; the events decide, the defaults give the
  // caption's size and draw it plainly.
  virtual void MeasureItem(Canvas& canvas, int& width, int& height);
  virtual void DrawItem(Canvas& canvas, RECT rect, bool selected);

  void SetParentComponent(TComponent* parent) override;

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

 private:
  friend class TMenu;
  void Changed(bool rebuild);
  void AppendTo(HMENU menu, bool owner_draw, bool right_to_left);
  void DestroySubMenu();

  std::string caption_;
  bool enabled_ = true;
  bool checked_ = false;
  bool default_ = false;
  bool visible_ = true;
  int image_index_ = -1;
  TShortCut shortcut_ = 0;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_item_ = nullptr;
  TMenu* root_of_ = nullptr;  // set on a menu's invisible root item
  WORD command_;
  HMENU sub_menu_ = nullptr;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  const ::ClassInfo& ClassInfo() const override;

  // The invisible root whose children are the menu's top-level items.
  TMenuItem& Items() { return *items_; }
  const TMenuItem& Items() const { return *items_; }
  // The Win32 menu, made on first use and rebuilt after a change of the tree.
  HMENU Handle();
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool owner_draw);
  const ImageList* Images() const { return images_; }
  void SetImages(const ImageList* images);
  // When on, items without a "&" get one picked that no sibling uses yet.
  bool AutoHotkeys() const { return auto_hotkeys_; }
  void SetAutoHotkeys(bool on);
  bool RightToLeft() const { return right_to_left_; }
  void SetRightToLeft(bool on);

  // The item with that command number in this menu, or null.
  TMenuItem* FindItem(WORD command) const;
  // Clicks the enabled item whose shortcut is the key with the modifiers; true if any.
  bool DispatchShortCut(WORD key, TShortCut shift_and_ctrl, bool alt);
  // The menu-change notification: after any change of an item, and after rebuilds.
  TMenuChangeEvent OnChange;

 protected:
  virtual HMENU CreateMenuHandle() = 0;
  // A change of the tree: the handle is remade, the menu's users are told.
  virtual void MenuChanged(TMenuItem* source, bool rebuild);

 private:
  friend class TMenuItem;
  void DestroyHandle();
  void Rebuild();

  std::unique_ptr<TMenuItem> items_;
  HMENU handle_ = nullptr;
  bool owner_draw_ = false;
  const ImageList* images_ = nullptr;
  bool auto_hotkeys_ = true;
  bool right_to_left_ = false;
};

class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
  std::string_view ClassName() const override { return "TMainMenu"; }
  const ::ClassInfo& ClassInfo() const override;

 protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  void MenuChanged(TMenuItem* source, bool rebuild) override;
};

class TPopupMenu : public TMenu {
 public:
  using TMenu::TMenu;
  std::string_view ClassName() const override { return "TPopupMenu"; }
  const ::ClassInfo& ClassInfo() const override;

  // Shows the menu at the screen point and handles the chosen item's click before it
  // returns.
  void Popup(int x, int y);
  TNotifyEvent OnPopup;

 protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }
};

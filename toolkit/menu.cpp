#include "toolkit/menu.h"

#include <algorithm>
#include <map>
#include <set>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/menu_owner_draw.h"
#include "toolkit/published_properties.h"
#include "toolkit/user_handles.h"
#include "toolkit/utility_window.h"

namespace {

int live_menu_handles = 0;

// Item data that comes back from the system is only trusted if it names a live item.
std::map<WORD, TMenuItem*>& LiveItems() {
  static std::map<WORD, TMenuItem*> items;
  return items;
}

WORD NextFreeCommand() {
  static WORD next = 0x100;
  for (int tries = 0; tries < 0x10000; ++tries) {
    const WORD candidate = next++;
    if (next < 0x100) next = 0x100;  // keep clear of the dialog button numbers
    if (!LiveItems().count(candidate)) return candidate;
  }
  throw std::runtime_error("No free menu command numbers");
}

TMenuItem* LiveItem(ULONG_PTR data) {
  for (const auto& [command, item] : LiveItems()) {
    if (reinterpret_cast<ULONG_PTR>(item) == data) return item;
  }
  return nullptr;
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The access key of a caption: the character after a single "&" ("&&" is a plain "&").
char AccessKey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return UpperAscii(caption[i + 1]);
  }
  return 0;
}

std::string WithoutAccessMarks(const std::string& caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

// Gives a caption without an access key the first ASCII letter or digit not yet taken.
std::string AutoHotkeyCaption(const std::string& caption, std::set<char>& used) {
  if (caption == "-") return caption;
  if (const char key = AccessKey(caption)) {
    used.insert(key);
    return caption;
  }
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const auto byte = static_cast<unsigned char>(caption[i]);
    if (byte >= 0x80) {
      ++i;  // a GBK lead byte and its trail byte are one character
      continue;
    }
    const char upper = UpperAscii(caption[i]);
    const bool usable = (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9');
    if (usable && !used.count(upper)) {
      used.insert(upper);
      return caption.substr(0, i) + "&" + caption.substr(i);
    }
  }
  return caption;
}

const char* FixedKeyName(WORD key) {
  switch (key) {
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_ESCAPE: return "Esc";
    case VK_RETURN: return "Enter";
    case VK_SPACE: return "Space";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_END: return "End";
    case VK_HOME: return "Home";
    case VK_LEFT: return "Left";
    case VK_UP: return "Up";
    case VK_RIGHT: return "Right";
    case VK_DOWN: return "Down";
    case VK_INSERT: return "Ins";
    case VK_DELETE: return "Del";
    default: return nullptr;
  }
}

}  // namespace

int LiveMenuHandleCount() { return live_menu_handles; }

TShortCut ShortCut(WORD key, TShortCut modifiers) { return static_cast<TShortCut>((key & 0xFF) | modifiers); }

std::string ShortCutToText(TShortCut shortcut) {
  const WORD key = shortcut & 0xFF;
  std::string name;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
    name = std::string(1, static_cast<char>(key));
  } else if (key >= VK_F1 && key <= VK_F24) {
    name = "F" + std::to_string(key - VK_F1 + 1);
  } else if (const char* fixed = FixedKeyName(key)) {
    name = fixed;
  } else if (key != 0) {
    char buffer[64] = {};
    const LONG scan = static_cast<LONG>(MapVirtualKeyA(key, 0 /* MAPVK_VK_TO_VSC */)) << 16;
    if (GetKeyNameTextA(scan, buffer, sizeof buffer - 1) > 0) name = buffer;
  }
  if (name.empty()) return "";
  std::string text;
  if (shortcut & scShift) text += "Shift+";
  if (shortcut & scCtrl) text += "Ctrl+";
  if (shortcut & scAlt) text += "Alt+";
  return text + name;
}

// ---- TMenuItem ----

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextFreeCommand()) {
  LiveItems()[command_] = this;
}

TMenuItem::~TMenuItem() {
  LiveItems().erase(command_);
  for (TMenuItem* child : items_) child->parent_item_ = nullptr;
  // Owned children go with their owner; items owned elsewhere just lose this parent.
  if (parent_item_) parent_item_->Remove(this);
}

const ClassInfo& TMenuItem::ClassInfo() const {
  static const ::ClassInfo info(
      "TMenuItem", &TComponent::ClassInfo(),
      {StringProperty<TMenuItem>("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
       BooleanProperty<TMenuItem>("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
       BooleanProperty<TMenuItem>("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
       BooleanProperty<TMenuItem>("Default", &TMenuItem::Default, &TMenuItem::SetDefault),
       BooleanProperty<TMenuItem>("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
       IntegerProperty<TMenuItem>("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex),
       IntegerProperty<TMenuItem>("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut),
       EventMember<TMenuItem, TNotifyEvent>("OnClick", &TMenuItem::OnClick),
       EventMember<TMenuItem, TMenuMeasureItemEvent>("OnMeasureItem", &TMenuItem::OnMeasureItem),
       EventMember<TMenuItem, TMenuDrawItemEvent>("OnDrawItem", &TMenuItem::OnDrawItem)});
  return info;
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(true);
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(false);
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(false);
}

void TMenuItem::SetDefault(bool is_default) {
  if (is_default == default_) return;
  default_ = is_default;
  Changed(false);
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(true);
}

void TMenuItem::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  Changed(false);
}

void TMenuItem::SetShortCut(TShortCut shortcut) {
  if (shortcut == shortcut_) return;
  shortcut_ = shortcut;
  Changed(true);
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) throw std::invalid_argument("A menu item cannot hold itself");
  for (const TMenuItem* up = this; up; up = up->parent_item_) {
    if (up == item) throw std::invalid_argument("A menu item cannot hold its own parent");
  }
  if (item->parent_item_) item->parent_item_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_item_ = this;
  Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto found = std::find(items_.begin(), items_.end(), item);
  if (found == items_.end()) return;
  items_.erase(found);
  item->parent_item_ = nullptr;
  Changed(true);
}

int TMenuItem::MenuIndex() const {
  if (!parent_item_) return -1;
  const auto& siblings = parent_item_->items_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TMenu* TMenuItem::OwningMenu() const {
  const TMenuItem* top = this;
  for (int depth = 0; top->parent_item_ && depth < 1000; ++depth) top = top->parent_item_;
  return top->root_of_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    menu->Items().Add(this);
  } else if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
  }
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(Canvas& canvas, int& width, int& height) {
  if (IsLine()) {
    width = 10;
    height = 8;
  } else {
    const SIZE text = canvas.TextExtent(WithoutAccessMarks(caption_));
    width = text.cx + 24;
    height = std::max<int>(text.cy + 4, 18);
  }
  if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::DrawItem(Canvas& canvas, RECT rect, bool selected) {
  if (OnDrawItem) {
    OnDrawItem(this, canvas, rect, selected);
    return;
  }
  canvas.Brush().SetColor(selected ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (IsLine()) {
    const int middle = (rect.top + rect.bottom) / 2;
    canvas.Pen().SetColor(clGrayText);
    canvas.MoveTo(rect.left + 2, middle);
    canvas.LineTo(rect.right - 2, middle);
    return;
  }
  canvas.Font().SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
  canvas.Brush().SetStyle(BrushStyle::bsClear);
  RECT text = rect;
  text.left += 12;
  canvas.DrawText(caption_, text, DT_SINGLELINE | DT_VCENTER);
}

void TMenuItem::Changed(bool rebuild) {
  if (TMenu* menu = OwningMenu()) menu->MenuChanged(this, rebuild);
}

void TMenuItem::AppendTo(HMENU menu, bool owner_draw, bool right_to_left) {
  if (!visible_) return;
  std::set<char> used;
  std::string text = caption_;
  const TMenu* owning = OwningMenu();
  if (owning && owning->AutoHotkeys() && parent_item_) {
    for (const TMenuItem* sibling : parent_item_->items_) {
      if (sibling != this) {
        if (const char key = AccessKey(sibling->caption_)) used.insert(key);
      }
    }
    text = AutoHotkeyCaption(caption_, used);
  }
  if (shortcut_) text += "\t" + ShortCutToText(shortcut_);

  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
  info.fType = owner_draw ? MFT_OWNERDRAW : IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (right_to_left) info.fType |= MFT_RIGHTORDER;
  info.fState = (enabled_ ? 0 : MFS_DISABLED) | (checked_ ? MFS_CHECKED : 0) | (default_ ? MFS_DEFAULT : 0);
  info.wID = command_;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  if (!IsLine() || owner_draw) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  if (!items_.empty()) {
    sub_menu_ = CreatePopupMenu();
    if (sub_menu_) ++live_menu_handles;
    for (TMenuItem* child : items_) child->AppendTo(sub_menu_, owner_draw, right_to_left);
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = sub_menu_;
  }
  InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::DestroySubMenu() {
  if (sub_menu_) --live_menu_handles;
  sub_menu_ = nullptr;  // destroyed with the menu it hangs in
  for (TMenuItem* child : items_) child->DestroySubMenu();
}

// ---- TMenu ----

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->root_of_ = this;
}

TMenu::~TMenu() {
  DestroyHandle();
  items_->root_of_ = nullptr;
}

const ClassInfo& TMenu::ClassInfo() const {
  static const ::ClassInfo info("TMenu", &TComponent::ClassInfo(),
                                {BooleanProperty<TMenu>("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw),
                                 BooleanProperty<TMenu>("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys),
                                 BooleanProperty<TMenu>("RightToLeft", &TMenu::RightToLeft, &TMenu::SetRightToLeft),
                                 EventMember<TMenu, TMenuChangeEvent>("OnChange", &TMenu::OnChange)});
  return info;
}

HMENU TMenu::Handle() {
  if (!handle_) {
    handle_ = CreateMenuHandle();
    if (handle_) ++live_menu_handles;
    for (TMenuItem* item : items_->items_) item->AppendTo(handle_, owner_draw_, right_to_left_);
  }
  return handle_;
}

void TMenu::DestroyHandle() {
  if (!handle_) return;
  DestroyMenu(handle_);
  --live_menu_handles;
  handle_ = nullptr;
  items_->DestroySubMenu();
}

void TMenu::Rebuild() { DestroyHandle(); }

void TMenu::SetOwnerDraw(bool owner_draw) {
  if (owner_draw == owner_draw_) return;
  owner_draw_ = owner_draw;
  MenuChanged(nullptr, true);
}

void TMenu::SetImages(const ImageList* images) {
  images_ = images;
  MenuChanged(nullptr, false);
}

void TMenu::SetAutoHotkeys(bool on) {
  if (on == auto_hotkeys_) return;
  auto_hotkeys_ = on;
  MenuChanged(nullptr, true);
}

void TMenu::SetRightToLeft(bool on) {
  if (on == right_to_left_) return;
  right_to_left_ = on;
  MenuChanged(nullptr, true);
}

void TMenu::MenuChanged(TMenuItem* source, bool) {
  // Even a state change is rebuilt, so the handle never disagrees with the items.
  Rebuild();
  if (OnChange) OnChange(this, source, true);
}

TMenuItem* TMenu::FindItem(WORD command) const {
  const auto found = LiveItems().find(command);
  if (found == LiveItems().end() || found->second->OwningMenu() != this) return nullptr;
  return found->second;
}

namespace {

TMenuItem* FindShortCut(const TMenuItem& parent, TShortCut wanted) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Item(i);
    if (!item->Enabled() || !item->Visible()) continue;
    if (item->ShortCut() == wanted) return item;
    if (TMenuItem* inner = FindShortCut(*item, wanted)) return inner;
  }
  return nullptr;
}

}  // namespace

bool TMenu::DispatchShortCut(WORD key, TShortCut shift_and_ctrl, bool alt) {
  TShortCut modifiers = 0;
  if (shift_and_ctrl & MK_SHIFT) modifiers |= scShift;
  if (shift_and_ctrl & MK_CONTROL) modifiers |= scCtrl;
  if (alt) modifiers |= scAlt;
  TMenuItem* item = FindShortCut(*items_, ShortCut(key, modifiers));
  if (!item || key == 0) return false;
  item->Click();
  return true;
}

const ClassInfo& TMainMenu::ClassInfo() const {
  static const ::ClassInfo info("TMainMenu", &TMenu::ClassInfo(), {});
  return info;
}

void TMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  // The form's menu bar holds the old handle: let go of it before it is destroyed.
  auto* form = dynamic_cast<TForm*>(Owner());
  const bool shown = form && form->Menu() == this && form->HandleAllocated();
  if (shown) ::SetMenu(form->Handle(), nullptr);
  TMenu::MenuChanged(source, rebuild);
  if (shown) form->MenuChanged();
}

const ClassInfo& TPopupMenu::ClassInfo() const {
  static const ::ClassInfo info("TPopupMenu", &TMenu::ClassInfo(),
                                {EventMember<TPopupMenu, TNotifyEvent>("OnPopup", &TPopupMenu::OnPopup)});
  return info;
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  TForm* main = Application().MainForm();
  const HWND owner = main && main->HandleAllocated() ? main->Handle() : MenuOwnerWindow();
  UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY;
  if (RightToLeft()) flags |= TPM_RIGHTALIGN | TPM_LAYOUTRTL;
  const auto command = static_cast<WORD>(TrackPopupMenuEx(Handle(), flags, x, y, owner, nullptr));
  if (command != 0) DispatchMenuCommand(command);
}

// ---- routes from window messages ----

bool HandleMenuOwnerDraw(TMessage& message) {
  if (message.msg == WM_MEASUREITEM || message.msg == WM_MEASUREITEM + kReflectedOffset) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.lParam);
    TMenuItem* item = LiveItem(measure->itemData);
    if (!item) return false;
    ClientDC screen(nullptr);
    Canvas canvas(screen.Get());
    int width = 0, height = 0;
    item->MeasureItem(canvas, width, height);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    message.result = TRUE;
    return true;
  }
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.lParam);
  TMenuItem* item = LiveItem(draw->itemData);
  if (!item) return false;
  Canvas canvas(draw->hDC);
  item->DrawItem(canvas, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
  message.result = TRUE;
  return true;
}

bool DispatchMenuCommand(WORD command) {
  const auto found = LiveItems().find(command);
  if (found == LiveItems().end()) return false;
  found->second->Click();
  return true;
}

bool HandleMenuChar(TMessage& message) {
  const auto menu = reinterpret_cast<HMENU>(message.lParam);
  const char wanted = UpperAscii(static_cast<char>(LOWORD(message.wParam)));
  const int count = GetMenuItemCount(menu);
  for (int index = 0; index < count; ++index) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(index), TRUE, &info)) continue;
    const TMenuItem* item = LiveItem(info.dwItemData);
    if (item && item->Enabled() && AccessKey(item->Caption()) == wanted) {
      message.result = MAKELRESULT(index, MNC_EXECUTE);
      return true;
    }
  }
  return false;
}

#include "frame/title_bar_popup_menu.h"

#include "frame/title_bar.h"
#include "toolkit/application.h"
#include "toolkit/system_locale.h"

namespace {

constexpr char kMinimizeCaption[] = "Mi&nimize";
constexpr char kMaximizeCaption[] = "Ma&ximize/Restore";
constexpr char kCloseCaption[] = "&Close";
constexpr int kMinimizeItem = 0;
constexpr int kMaximizeItem = 1;
constexpr int kCloseItem = 3;
constexpr int kRightToLeftOffset = 176;

bool HasVisibleButton(const TsuiTitleBar& title_bar, TsuiTitleBarBtnType type) {
  const TsuiTitleBarButtons& buttons = title_bar.Buttons();
  for (int i = 0; i < buttons.Count(); ++i) {
    if (buttons.Item(i).ButtonType() == type && buttons.Item(i).Visible()) return true;
  }
  return false;
}

}  // namespace

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar& title_bar) : TsuiPopupMenu(nullptr), title_bar_(title_bar) {
  SetAutoHotkeys(false);
  const auto add = [this](const char* caption, void (TsuiTitleBarPopupMenu::*handler)(TComponent*)) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    if (handler) item->OnClick = [this, handler](TComponent* sender) { (this->*handler)(sender); };
    Items().Add(item);
  };
  add(kMinimizeCaption, &TsuiTitleBarPopupMenu::Minimize);
  add(kMaximizeCaption, &TsuiTitleBarPopupMenu::MaximizeOrRestore);
  add("-", nullptr);
  add(kCloseCaption, &TsuiTitleBarPopupMenu::Close);
  HookAllItems();
}

void TsuiTitleBarPopupMenu::Popup(int x, int y) {
  if (title_bar_.UseRightToLeftReading() && SystemLocaleReadsRightToLeft()) x += kRightToLeftOffset;
  Items().Item(kMinimizeItem)->SetEnabled(HasVisibleButton(title_bar_, TsuiTitleBarBtnType::suiMin));
  Items().Item(kMaximizeItem)->SetEnabled(HasVisibleButton(title_bar_, TsuiTitleBarBtnType::suiMax));
  Items().Item(kCloseItem)->SetEnabled(HasVisibleButton(title_bar_, TsuiTitleBarBtnType::suiClose));
  TsuiPopupMenu::Popup(x, y);
}

void TsuiTitleBarPopupMenu::Minimize(TComponent*) { title_bar_.MinimizeHost(); }

void TsuiTitleBarPopupMenu::MaximizeOrRestore(TComponent*) {
  TsuiTitleBarButtons& buttons = title_bar_.Buttons();
  for (int i = 0; i < buttons.Count(); ++i) {
    TsuiTitleBarButton& button = buttons.Item(i);
    if (button.ButtonType() == TsuiTitleBarBtnType::suiMax && button.Visible()) button.Click();
  }
}

void TsuiTitleBarPopupMenu::Close(TComponent*) {
  if (TForm* host = title_bar_.HostForm()) host->Close();
}

bool OpenWindowMenuOnAltSpace(TsuiTitleBar& title_bar, const MSG& message) {
  if (message.message != WM_SYSCHAR || message.wParam != ' ') return false;
  TForm* window = Application().MainForm() ? Application().MainForm() : title_bar.HostForm();
  if (!window) return false;
  RECT bounds{};
  if (window->HandleAllocated()) GetWindowRect(window->Handle(), &bounds);
  title_bar.PopupMenu().Popup(bounds.left, bounds.top + title_bar.Height());
  return true;
}

// The buttons of a title bar: typed (maximise/restore, minimise, close, help, control
// box, custom), each with three state pictures that its style fills from the 18-frame
// title-button strip, each performing its window command when clicked.
//
//   TsuiTitleBarButton& help = title_bar->Buttons().Add();
//   help.SetButtonType(TsuiTitleBarBtnType::suiHelp);   // pictures from the current style
//   help.Click();
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "skin/ui_style.h"
#include "toolkit/persistent.h"
#include "toolkit/picture.h"
#include "toolkit/published_properties.h"

class TPopupMenu;
class TsuiTitleBar;
class TsuiTitleBarButtons;

enum class TsuiTitleBarBtnType : std::uint8_t {
  suiMax = 0,
  suiMin = 1,
  suiClose = 2,
  suiHelp = 3,
  suiControlBox = 4,
  suiCustom = 5,
};

inline constexpr EnumName<TsuiTitleBarBtnType> kTitleBarBtnTypeNames[] = {
    {"suiMax", TsuiTitleBarBtnType::suiMax},     {"suiMin", TsuiTitleBarBtnType::suiMin},
    {"suiClose", TsuiTitleBarBtnType::suiClose}, {"suiHelp", TsuiTitleBarBtnType::suiHelp},
    {"suiControlBox", TsuiTitleBarBtnType::suiControlBox}, {"suiCustom", TsuiTitleBarBtnType::suiCustom},
};

class TsuiTitleBarButton : public TPersistent {
 public:
  explicit TsuiTitleBarButton(TsuiTitleBarButtons& collection);

  std::string_view ClassName() const override { return "TsuiTitleBarButton"; }
  const ::ClassInfo& ClassInfo() const override;

  TsuiUIStyle UIStyle() const { return ui_style_; }
  void SetUIStyle(TsuiUIStyle style);
  TsuiTitleBarBtnType ButtonType() const { return button_type_; }
  // A second control box is refused with an error box; the type stays.
  void SetButtonType(TsuiTitleBarBtnType type);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  int Top() const { return top_; }
  void SetTop(int top);
  // Opened by a control box instead of the title bar's own window menu.
  TPopupMenu* ControlBoxMenu() const { return control_box_menu_; }
  void SetControlBoxMenu(TPopupMenu* menu);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  const Picture& PicNormal() const { return pic_normal_; }
  const Picture& PicMouseOn() const { return pic_mouse_on_; }
  const Picture& PicMouseDown() const { return pic_mouse_down_; }
  void SetPicNormal(const Picture& picture);
  void SetPicMouseOn(const Picture& picture);
  void SetPicMouseDown(const Picture& picture);
  // Drawn (and hit) only with an image in all three states.
  bool HasAllPictures() const;

  // Transparent, pictures and Top from the style (a custom button keeps its pictures).
  void LoadStylePictures();
  // A maximise button shows restore while the window is maximised.
  void UpdateMaxPicture();
  // The button's window command.
  void Click();

  // Visible, type, transparency, top, style, pictures and menu, in that order.
  void Assign(const TsuiTitleBarButton& other);

  TsuiTitleBar* TitleBar() const;

 private:
  friend class TsuiTitleBar;
  // The menu is being freed.
  void ForgetControlBoxMenu() { control_box_menu_ = nullptr; }
  void LoadFrames(int first_frame);
  void Changed();
  static void LoadResource(Picture& picture, const std::string& name);
  void SetPicNormalFromBmpBytes(std::span<const std::uint8_t> file);
  void SetPicNormalFromResource(const std::string& name);
  void SetPicMouseOnFromBmpBytes(std::span<const std::uint8_t> file);
  void SetPicMouseOnFromResource(const std::string& name);
  void SetPicMouseDownFromBmpBytes(std::span<const std::uint8_t> file);
  void SetPicMouseDownFromResource(const std::string& name);

  TsuiTitleBarButtons& collection_;
  TsuiUIStyle ui_style_ = TsuiUIStyle::DeepBlue;
  TsuiTitleBarBtnType button_type_ = TsuiTitleBarBtnType::suiCustom;
  bool transparent_ = false;
  int top_ = 2;
  TPopupMenu* control_box_menu_ = nullptr;
  bool visible_ = true;
  Picture pic_normal_;
  Picture pic_mouse_on_;
  Picture pic_mouse_down_;
};

class TsuiTitleBarButtons {
 public:
  explicit TsuiTitleBarButtons(TsuiTitleBar* title_bar);
  TsuiTitleBarButtons(const TsuiTitleBarButtons&) = delete;
  TsuiTitleBarButtons& operator=(const TsuiTitleBarButtons&) = delete;

  TsuiTitleBar* Owner() const { return title_bar_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TsuiTitleBarButton& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  int IndexOf(const TsuiTitleBarButton& button) const;
  TsuiTitleBarButton& Add();
  void Clear();
  // Clears, then adds a copy of every item of the other collection.
  void Assign(const TsuiTitleBarButtons& other);

  // Told of every change of an item: the title bar repaints.
  void Changed();

 private:
  TsuiTitleBar* title_bar_;
  std::vector<std::unique_ptr<TsuiTitleBarButton>> items_;
};

// A strip of flat buttons with captions, laid out left to right (in rows when it wraps)
// and drawn by the bar itself. A button can stand for a menu item: pressing it drops the
// item's sub-menu down below the button. The drawing of the strip and of each button can
// be taken over through the custom-draw events.
//
//   auto* bar = new TToolBar(form);  bar->SetParent(form);  bar->SetShowCaptions(true);
//   TToolButton* button = bar->AddButton();  button->SetMenuItem(file_item);
//   bar->OnCustomDrawButton = [](TToolBar*, TToolButton* b, Canvas& c, const RECT& r,
//                                TToolButtonDrawState state, bool& draw_default) { ... };
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/canvas.h"
#include "toolkit/component.h"
#include "toolkit/custom_control.h"

class TMenuItem;
class TToolBar;

// One button of a bar, made and freed by the bar.
class TToolButton : public TComponent {
 public:
  ~TToolButton() override;  // leaves the bar
  std::string_view ClassName() const override { return "TToolButton"; }

  TToolBar& Bar() const { return bar_; }
  int Index() const;
  // Its caption and enabled state follow the menu item's while one is set.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool grouped);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  TMenuItem* MenuItem() const { return menu_item_; }
  void SetMenuItem(TMenuItem* item);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  // Held down, as while its menu is open; drawn pressed.
  bool Pressed() const { return pressed_; }
  void SetPressed(bool pressed);
  // The button's place in the bar's client area.
  RECT BoundsRect() const;
  // A button of a menu item with sub-items drops them down; any other clicks its item
  // or raises OnClick.
  void Click();

  TNotifyEvent OnClick;
  void Notification(TComponent* component, Operation operation) override;

 private:
  friend class TToolBar;
  explicit TToolButton(TToolBar& bar);

  TToolBar& bar_;
  std::string caption_;
  bool enabled_ = true;
  bool grouped_ = false;
  bool auto_size_ = false;
  bool pressed_ = false;
  TMenuItem* menu_item_ = nullptr;
  int tag_ = 0;
};

struct TToolButtonDrawState {
  bool hot = false;
  bool pressed = false;
  bool disabled = false;
};

using TToolBarCustomDrawEvent = std::function<void(TToolBar* sender, Canvas& canvas, const RECT& rect, bool& draw_default)>;
using TToolButtonCustomDrawEvent = std::function<void(TToolBar* sender, TToolButton* button, Canvas& canvas,
                                                      const RECT& rect, TToolButtonDrawState state, bool& draw_default)>;

// The strip: drawn by OnCustomDraw when it is set (clearing draw_default there skips the
// buttons' own drawing too), else filled with the bar's colour. Each button: drawn by
// OnCustomDrawButton, then, unless it cleared draw_default, as a flat button (a raised edge
// when hot, a sunken one when pressed) with its caption centred.
class TToolBar : public TCustomControl {
 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;

  std::string_view ClassName() const override { return "TToolBar"; }

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool ShowCaptions() const { return show_captions_; }
  void SetShowCaptions(bool show);
  // Buttons that do not fit the bar's width go on to another row.
  bool Wrapable() const { return wrapable_; }
  void SetWrapable(bool wrapable);
  // The bar's height follows its rows of buttons.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  int ButtonHeight() const { return button_height_; }
  void SetButtonHeight(int height);

  // A new button at the position (the end for -1 or past it).
  TToolButton* AddButton(int index = -1);
  void DeleteButton(TToolButton* button);
  void ClearButtons();
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TToolButton* Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  int IndexOf(const TToolButton* button) const;
  // The number of rows the buttons take now.
  int RowCount() const;
  // The enabled button under the mouse, drawn hot; -1 for none.
  int HotIndex() const { return hot_index_; }
  void SetHotIndex(int index);

  // Drops the sub-menu of the button's menu item down below the button, the button held
  // pressed meanwhile; returns once the menu is closed (its chosen item clicked).
  virtual void DropDown(TToolButton& button);

  TToolBarCustomDrawEvent OnCustomDraw;
  TToolButtonCustomDrawEvent OnCustomDrawButton;

 protected:
  // Drops the menu down below button `index`, the button held pressed meanwhile; answers
  // the command chosen, 0 for none.
  int TrackButtonMenu(int index, HMENU menu);
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void Resize() override;
  void FontChanged() override;
  void WndProc(TMessage& message) override;

 private:
  friend class TToolButton;
  void ButtonChanged();
  void ButtonGone(TToolButton& button);
  void InvalidateButton(const TToolButton* button);
  int IndexAt(int x, int y) const;
  // Lays the buttons out again when they, their captions or the bar's width changed.
  void EnsureLayout() const;
  void FitHeight();
  void DrawButton(TToolButton& button, const RECT& rect, TToolButtonDrawState state);

  std::vector<TToolButton*> buttons_;
  // The buttons' places, in the order of buttons_, for the width they were laid out in.
  mutable std::vector<RECT> layout_;
  mutable int layout_rows_ = 0;
  mutable int layout_width_ = -1;
  mutable bool layout_valid_ = false;
  int hot_index_ = -1;
  TToolButton* mouse_pressed_ = nullptr;  // pressed with the mouse, clicked if released over it
  bool flat_ = true;
  bool show_captions_ = true;
  bool wrapable_ = false;
  bool auto_size_ = false;
  int button_height_ = 22;
};

// How a skinned button answers the mouse and the keyboard: auto-repeat, clicks, Space,
// accelerators, default and cancel buttons, modal results and mouse-over.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/button.h"
#include "tests/controls/button_fixture.h"
#include "toolkit/edit.h"

namespace {

// Posts a key message and lets the application's loop handle it, as a real key would.
void PressKey(HWND window, UINT message, WPARAM key) {
  PostMessageA(window, message, key, 0);
  Pump();
}

// Holds the keys down in the thread's keyboard state for as long as it lives.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<BYTE> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    for (const BYTE key : keys) state[key] |= 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved_[256] = {};
};

class ButtonInputTest : public ButtonFormTest {
 protected:
  TsuiButton* Counted(TsuiUIStyle style, int left, int top, const std::string& caption, std::string name) {
    TsuiButton* button = AddButton(style, left, top, caption);
    button->OnClick = [this, name](TComponent*) { clicks_ += name + ";"; };
    return button;
  }
  std::string clicks_;
};

TEST_F(ButtonInputTest, HoldingTheLeftButtonRepeatsAtTheIntervalThenClicksOnce) {
  TsuiButton* button = Counted(TsuiUIStyle::WinXP, 20, 20, "Hold", "hold");
  int repeats = 0;
  button->OnMouseContinuouslyDown = [&](TComponent* sender) {
    EXPECT_EQ(sender, button);
    ++repeats;
  };
  ASSERT_EQ(button->MouseContinuouslyDownInterval(), 100);
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  ASSERT_NE(button->RepeatTimer(), nullptr);
  EXPECT_EQ(button->RepeatTimer()->Interval(), 100u);
  EXPECT_EQ(repeats, 0) << "the first repeat comes after a whole interval";
  // About 350 ms of holding.
  ASSERT_TRUE(PumpUntil([&] { return repeats >= 3; }));
  SendMessageA(button->Handle(), WM_LBUTTONUP, 0, PointParam(10, 10));
  EXPECT_EQ(repeats, 3);
  EXPECT_EQ(clicks_, "hold;");
  EXPECT_EQ(button->RepeatTimer(), nullptr);
  EXPECT_FALSE(button->IsPressed());
  PumpFor(250);
  EXPECT_EQ(repeats, 3) << "the repeat ends with the click";
}

TEST_F(ButtonInputTest, AShortClickFiresNoRepeat) {
  TsuiButton* button = Counted(TsuiUIStyle::WinXP, 20, 20, "Tap", "tap");
  int repeats = 0;
  button->OnMouseContinuouslyDown = [&](TComponent*) { ++repeats; };
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  SendMessageA(button->Handle(), WM_LBUTTONUP, 0, PointParam(10, 10));
  EXPECT_EQ(clicks_, "tap;");
  EXPECT_EQ(button->RepeatTimer(), nullptr);
  PumpFor(250);
  EXPECT_EQ(repeats, 0);
}

TEST_F(ButtonInputTest, AQuickSecondClickIsAClickOfItsOwn) {
  TsuiButton* button = Counted(TsuiUIStyle::WinXP, 20, 20, "Twice", "twice");
  const auto style = GetClassLongPtrA(button->Handle(), GCL_STYLE);
  EXPECT_FALSE(style & CS_DBLCLKS);
  for (int i = 0; i < 2; ++i) {
    SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
    SendMessageA(button->Handle(), WM_LBUTTONUP, 0, PointParam(10, 10));
  }
  EXPECT_EQ(clicks_, "twice;twice;");
}

TEST_F(ButtonInputTest, ANegativeIntervalCountsAsZero) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  button->SetMouseContinuouslyDownInterval(-40);
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  ASSERT_NE(button->RepeatTimer(), nullptr);
  EXPECT_EQ(button->RepeatTimer()->Interval(), 0u);
}

TEST_F(ButtonInputTest, PressingTakesTheFocusOnlyWithATabStop) {
  TsuiButton* stop = AddButton(TsuiUIStyle::WinXP, 20, 20);
  TsuiButton* no_stop = AddButton(TsuiUIStyle::WinXP, 120, 20);
  no_stop->SetTabStop(false);
  SendMessageA(no_stop->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  EXPECT_FALSE(no_stop->Focused());
  SendMessageA(stop->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  EXPECT_TRUE(stop->Focused());
  EXPECT_EQ(form_->ActiveControl(), stop);
}

TEST_F(ButtonInputTest, LeavingOrCancelModeEndsThePressWithoutAClick) {
  TsuiButton* button = Counted(TsuiUIStyle::WinXP, 20, 20, "Leave", "leave");
  int exits = 0;
  button->OnMouseExit = [&](TComponent*) { ++exits; };
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  SendMessageA(button->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_FALSE(button->IsHovered());
  EXPECT_EQ(button->RepeatTimer(), nullptr);
  EXPECT_EQ(exits, 1);
  SendMessageA(button->Handle(), WM_LBUTTONUP, 0, PointParam(200, 10));
  EXPECT_EQ(clicks_, "");

  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  ASSERT_NE(button->RepeatTimer(), nullptr);
  SendMessageA(button->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_EQ(button->RepeatTimer(), nullptr);
}

TEST_F(ButtonInputTest, MovingOutsideWhileHeldShowsTheButtonUnpressed) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(80, 27));
  EXPECT_TRUE(button->IsPressed()) << "the right and bottom edges still count as inside";
  SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(81, 10));
  EXPECT_FALSE(button->IsPressed());
  EXPECT_FALSE(button->IsHovered());
}

TEST_F(ButtonInputTest, ReleasingTheLeftButtonEndsTheRepeatWhereverThePressWent) {
  TsuiButton* button = Counted(TsuiUIStyle::WinXP, 20, 20, "Wander", "wander");
  button->SetMouseContinuouslyDownInterval(20);
  int repeats = 0;
  button->OnMouseContinuouslyDown = [&](TComponent*) { ++repeats; };
  struct Route {
    const char* description;
    POINT release;
    const char* clicks;
  };
  for (const Route& route : {Route{"out_and_back_in", {10, 10}, "wander;"}, Route{"released_outside", {120, 10}, ""}}) {
    clicks_.clear();
    SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
    SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(120, 10));
    SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointParam(route.release.x, route.release.y));
    SendMessageA(button->Handle(), WM_LBUTTONUP, 0, PointParam(route.release.x, route.release.y));
    EXPECT_EQ(clicks_, route.clicks) << route.description;
    EXPECT_EQ(button->RepeatTimer(), nullptr) << route.description;
    const int before = repeats;
    PumpFor(100);
    EXPECT_EQ(repeats, before) << route.description;
  }
}

TEST_F(ButtonInputTest, TheMouseOverShowsTheHoverFaceAndTellsEnterAndExit) {
  TsuiButton* button = AddButton(TsuiUIStyle::DeepBlue, 20, 20);
  button->SetTabStop(false);
  std::string events;
  button->OnMouseEnter = [&](TComponent*) { events += "enter;"; };
  button->OnMouseExit = [&](TComponent*) { events += "exit;"; };
  CursorOver(*button);
  SendMessageA(button->Handle(), WM_MOUSEMOVE, 0, PointParam(40, 13));
  EXPECT_TRUE(button->IsHovered());
  EXPECT_EQ(FirstDifference(Shoot(*button), ReferenceFace(TsuiUIStyle::DeepBlue, 2, kButtonBackground, 80, 27, false)),
            "");
  ParkCursor();
  SendMessageA(button->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(button->IsHovered());
  EXPECT_EQ(events, "enter;exit;");
}

TEST_F(ButtonInputTest, SpaceShowsThePressedFaceAndClicksOnRelease) {
  TsuiButton* button = Counted(TsuiUIStyle::MacOS, 20, 20, "", "space");
  button->SetFocus();
  Pump();
  ASSERT_TRUE(button->Focused());
  PressKey(button->Handle(), WM_KEYDOWN, VK_SPACE);
  EXPECT_TRUE(button->IsPressed());
  EXPECT_EQ(clicks_, "");
  EXPECT_EQ(FirstDifference(Shoot(*button), ReferenceFace(TsuiUIStyle::MacOS, 3, kFormBackground, 80, 27, true)), "");
  PressKey(button->Handle(), WM_KEYUP, VK_SPACE);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_EQ(clicks_, "space;");
  EXPECT_EQ(FirstDifference(Shoot(*button), ReferenceFace(TsuiUIStyle::MacOS, 1, kFormBackground, 80, 27, true)), "");
}

TEST_F(ButtonInputTest, APlainLetterReachesASiblingsAcceleratorOnlyFromASkinnedButton) {
  TsuiButton* alpha = Counted(TsuiUIStyle::WinXP, 20, 20, "&Alpha", "alpha");
  Counted(TsuiUIStyle::WinXP, 120, 20, "&Beta", "beta");
  auto* edit = Keep(new TEdit(form_));
  edit->SetParent(form_);
  edit->SetBounds(20, 80, 100, 22);
  EXPECT_EQ(SendMessageA(alpha->Handle(), WM_SKINBUTTONQUERY, 0, 0), 1);
  EXPECT_EQ(SendMessageA(edit->Handle(), WM_SKINBUTTONQUERY, 0, 0), 0);

  alpha->SetFocus();
  Pump();
  PressKey(alpha->Handle(), WM_CHAR, 'b');
  EXPECT_EQ(clicks_, "beta;");

  edit->SetFocus();
  Pump();
  PressKey(edit->Handle(), WM_CHAR, 'b');
  EXPECT_EQ(clicks_, "beta;") << "typed into the edit box";
  EXPECT_EQ(edit->Text(), "b");
  PressKey(edit->Handle(), WM_SYSCHAR, 'b');
  EXPECT_EQ(clicks_, "beta;") << "without Alt held";
  {
    HeldKeys alt({VK_MENU});
    PressKey(edit->Handle(), WM_SYSCHAR, 'B');
  }
  EXPECT_EQ(clicks_, "beta;beta;");
}

TEST_F(ButtonInputTest, ADisabledButtonIgnoresItsAccelerator) {
  TsuiButton* alpha = Counted(TsuiUIStyle::WinXP, 20, 20, "&Alpha", "alpha");
  TsuiButton* beta = Counted(TsuiUIStyle::WinXP, 120, 20, "&Beta", "beta");
  beta->SetEnabled(false);
  alpha->SetFocus();
  Pump();
  PressKey(alpha->Handle(), WM_CHAR, 'b');
  PressKey(alpha->Handle(), WM_CHAR, 'x');
  EXPECT_EQ(clicks_, "");
  PressKey(alpha->Handle(), WM_CHAR, 'A');
  EXPECT_EQ(clicks_, "alpha;");
}

class DefaultButtonTest : public ButtonInputTest {
 protected:
  void SetUp() override {
    ButtonInputTest::SetUp();
    ok_ = Counted(TsuiUIStyle::WinXP, 20, 20, "OK", "ok");
    ok_->SetDefault(true);
    cancel_ = Counted(TsuiUIStyle::WinXP, 120, 20, "Cancel", "cancel");
    cancel_->SetCancel(true);
    other_ = Counted(TsuiUIStyle::WinXP, 220, 20, "Other", "other");
    edit_ = Keep(new TEdit(form_));
    edit_->SetParent(form_);
    edit_->SetBounds(20, 80, 100, 22);
    edit_->SetFocus();
    Pump();
  }
  TsuiButton* ok_ = nullptr;
  TsuiButton* cancel_ = nullptr;
  TsuiButton* other_ = nullptr;
  TEdit* edit_ = nullptr;
};

TEST_F(DefaultButtonTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
  EXPECT_TRUE(ok_->ActiveDefault());
  EXPECT_FALSE(other_->ActiveDefault());
  PressKey(edit_->Handle(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicks_, "ok;");
  PressKey(edit_->Handle(), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(clicks_, "ok;cancel;");
  {
    HeldKeys shift({VK_SHIFT});
    PressKey(edit_->Handle(), WM_KEYDOWN, VK_RETURN);
    PressKey(edit_->Handle(), WM_KEYDOWN, VK_ESCAPE);
  }
  EXPECT_EQ(clicks_, "ok;cancel;") << "not with Shift held";
}

TEST_F(DefaultButtonTest, EnterGoesToTheFocusedSkinnedButton) {
  other_->SetFocus();
  Pump();
  EXPECT_TRUE(other_->ActiveDefault());
  EXPECT_FALSE(ok_->ActiveDefault());
  PressKey(other_->Handle(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicks_, "other;");
  edit_->SetFocus();
  Pump();
  EXPECT_FALSE(other_->ActiveDefault());
  EXPECT_TRUE(ok_->ActiveDefault());
}

TEST_F(DefaultButtonTest, MakingAnotherButtonTheDefaultTakesEffectAtOnce) {
  ok_->SetDefault(false);
  other_->SetDefault(true);
  EXPECT_FALSE(ok_->ActiveDefault());
  EXPECT_TRUE(other_->ActiveDefault());
  PressKey(edit_->Handle(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicks_, "other;");
}

TEST_F(ButtonInputTest, AClickGivesTheFormItsModalResultEvenZero) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  form_->SetModalResult(IDRETRY);
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  SendMessageA(button->Handle(), WM_LBUTTONUP, 0, PointParam(10, 10));
  EXPECT_EQ(form_->ModalResult(), 0);
}

TEST_F(ButtonInputTest, ModalResultEndsAModalForm) {
  TForm dialog(nullptr);
  dialog.SetBounds(120, 120, 200, 120);
  auto* yes = new TsuiButton(&dialog);
  yes->SetParent(&dialog);
  yes->SetBounds(10, 10, 80, 27);
  yes->SetModalResult(IDYES);
  const HWND button_window = yes->Handle();
  PostMessageA(button_window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  PostMessageA(button_window, WM_LBUTTONUP, 0, PointParam(10, 10));
  // Should the click not end it, closing the form does (with another result).
  PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), IDYES);
}

TEST_F(ButtonInputTest, TheCaptionFollowsTheWindowText) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20, "First");
  char text[32] = {};
  GetWindowTextA(button->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "First");
  SetWindowTextA(button->Handle(), "Second");
  EXPECT_EQ(button->Caption(), "Second");
}

TEST_F(ButtonInputTest, AHandlerThatDisablesTheButtonEndsTheRepeat) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  button->SetMouseContinuouslyDownInterval(20);
  int repeats = 0;
  button->OnMouseContinuouslyDown = [&](TComponent*) {
    ++repeats;
    button->SetEnabled(false);
  };
  SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 10));
  ASSERT_TRUE(PumpUntil([&] { return repeats >= 1; }));
  PumpFor(150);
  EXPECT_EQ(repeats, 1);
  EXPECT_EQ(button->RepeatTimer(), nullptr);
  EXPECT_FALSE(button->IsPressed());
}

}  // namespace

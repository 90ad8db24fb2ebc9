#include "toolkit/form.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/window_message_counter.h"
#include "toolkit/application.h"
#include "toolkit/edit.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/push_button.h"

namespace {

void Pump() { Application().ProcessMessages(); }

// Posts a key message to the window and lets the application's loop handle it, as a
// real key press would arrive.
void PressKey(HWND window, UINT message, WPARAM key) {
  PostMessageA(window, message, key, 0);
  Pump();
}

class DialogFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = new TForm(nullptr);
    form_->SetCaption("Dialog keys");
    form_->SetBounds(100, 100, 300, 200);
    user_ = Add<TEdit>(10, 10);
    disabled_ = Add<TEdit>(10, 40);
    disabled_->SetEnabled(false);
    ok_ = Add<TButton>(10, 70);
    ok_->SetCaption("OK");
    ok_->SetDefault(true);
    cancel_ = Add<TButton>(100, 70);
    cancel_->SetCaption("Cancel");
    cancel_->SetCancel(true);
    exit_ = Add<TButton>(190, 70);
    exit_->SetCaption("E&xit");
    ok_->OnClick = [this](TComponent*) { clicks_ += "ok;"; };
    cancel_->OnClick = [this](TComponent*) { clicks_ += "cancel;"; };
    exit_->OnClick = [this](TComponent*) { clicks_ += "exit;"; };
    form_->Show();
    SetForegroundWindow(form_->Handle());
    user_->SetFocus();
    Pump();
  }
  void TearDown() override { delete form_; }

  template <typename Control>
  Control* Add(int left, int top) {
    auto* control = new Control(form_);
    control->SetParent(form_);
    control->SetBounds(left, top, 80, 22);
    return control;
  }

  TForm* form_ = nullptr;
  TEdit* user_ = nullptr;
  TEdit* disabled_ = nullptr;
  TButton* ok_ = nullptr;
  TButton* cancel_ = nullptr;
  TButton* exit_ = nullptr;
  std::string clicks_;
};

TEST_F(DialogFormTest, TabSkipsTheDisabledControlAndWrapsAround) {
  EXPECT_EQ(form_->FindNextControl(user_, true), ok_);
  EXPECT_EQ(form_->FindNextControl(ok_, false), user_);
  EXPECT_EQ(form_->FindNextControl(exit_, true), user_);
  EXPECT_EQ(form_->FindNextControl(user_, false), exit_);

  ASSERT_TRUE(user_->Focused());
  PressKey(user_->Handle(), WM_KEYDOWN, VK_TAB);
  EXPECT_TRUE(ok_->Focused());
  EXPECT_EQ(form_->ActiveControl(), ok_);
  EXPECT_EQ(clicks_, "");
}

TEST_F(DialogFormTest, TabOrderCanBeRearranged) {
  exit_->SetTabOrder(0);
  EXPECT_EQ(exit_->TabOrder(), 0);
  EXPECT_EQ(user_->TabOrder(), 1);
  EXPECT_EQ(form_->FindNextControl(exit_, true), user_);
  cancel_->SetTabOrder(99);  // past the end: last
  EXPECT_EQ(cancel_->TabOrder(), 4);
}

TEST_F(DialogFormTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
  PressKey(user_->Handle(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicks_, "ok;");
  PressKey(user_->Handle(), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(clicks_, "ok;cancel;");
  // A disabled default button is not offered the key.
  ok_->SetEnabled(false);
  PressKey(user_->Handle(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicks_, "ok;cancel;");
}

TEST_F(DialogFormTest, AcceleratorsReachTheirControls) {
  PressKey(user_->Handle(), WM_SYSCHAR, 'x');
  EXPECT_EQ(clicks_, "exit;");
  EXPECT_TRUE(exit_->Focused());

  auto* label = new TLabel(form_);
  label->SetParent(form_);
  label->SetCaption("&User");
  label->SetFocusControl(user_);
  PressKey(exit_->Handle(), WM_SYSCHAR, 'U');
  EXPECT_TRUE(user_->Focused());
  // An edit box keeps its own characters: typing "x" there is text, not the accelerator.
  PressKey(user_->Handle(), WM_CHAR, 'x');
  EXPECT_EQ(clicks_, "exit;");
  EXPECT_EQ(user_->Text(), "x");
}

TEST_F(DialogFormTest, FocusChangeCancelsThePressOfTheControlLeft) {
  int cancels = 0;
  TWndMethod saved = ok_->WindowProc;
  ok_->WindowProc = [&](TMessage& message) {
    if (message.msg == CM_CANCEL_MODE) ++cancels;
    saved(message);
  };
  ok_->SetFocus();
  Pump();
  user_->SetFocus();
  Pump();
  EXPECT_EQ(cancels, 1);
  EXPECT_EQ(form_->ActiveControl(), user_);
  ok_->WindowProc = saved;
}

TEST(FormTest, ScreenCentredDialogHasAFixedFrame) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetBorderIcons(biSystemMenu | biMinimize);
  form.SetPosition(TPosition::poScreenCenter);
  form.SetClientSize(254, 181);
  form.SetBounds(534, 413, form.Width(), form.Height());
  form.Show();
  RECT window;
  GetWindowRect(form.Handle(), &window);
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 254);
  EXPECT_EQ(client.bottom, 181);
  const int screen_w = GetSystemMetrics(SM_CXSCREEN);
  const int screen_h = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NEAR(window.left + (window.right - window.left) / 2, screen_w / 2, 1);
  EXPECT_NEAR(window.top + (window.bottom - window.top) / 2, screen_h / 2, 1);
  const LONG style = GetWindowLongA(form.Handle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

TEST(FormTest, WindowStateIsSetAndReadBack) {
  TForm form(nullptr);
  form.SetBounds(50, 50, 300, 200);
  form.Show();
  Pump();
  EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
  form.SetWindowState(TWindowState::wsMaximized);
  Pump();
  EXPECT_TRUE(IsZoomed(form.Handle()));
  EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
  form.SetWindowState(TWindowState::wsMinimized);
  Pump();
  EXPECT_TRUE(IsIconic(form.Handle()));
  EXPECT_EQ(form.WindowState(), TWindowState::wsMinimized);
  // Changes made outside the form (the user, the system) are what it reports: restoring
  // a window minimised from maximised brings it back maximised, then to normal.
  ShowWindow(form.Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
  ShowWindow(form.Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
  EXPECT_EQ(form.Width(), 300);
}

TEST(FormTest, MinimumSizeHoldsAgainstResizing) {
  TForm form(nullptr);
  form.SetMinWidth(130);
  form.SetMinHeight(23);
  form.SetBounds(50, 50, 300, 200);
  form.Show();
  MoveWindow(form.Handle(), 50, 50, 40, 10, TRUE);
  Pump();
  RECT window;
  GetWindowRect(form.Handle(), &window);
  EXPECT_GE(window.right - window.left, 130);
  EXPECT_GE(window.bottom - window.top, 23);
  EXPECT_EQ(form.Width(), window.right - window.left);
}

TEST(FormTest, CloseAsksFirstAndCanBeRefused) {
  TForm form(nullptr);
  form.Show();
  bool allow = false;
  int asked = 0;
  form.OnCloseQuery = [&](TComponent*, bool& can_close) {
    ++asked;
    can_close = allow;
  };
  SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  allow = true;
  form.Close();
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(form.ModalResult(), IDCANCEL);
}

// A 30-pixel high button aligned to the top of the form and an edit box filling the rest.
std::pair<TButton*, TEdit*> AddTopAndClient(TForm& form) {
  auto* top = new TButton(&form);
  top->SetParent(&form);
  top->SetHeight(30);
  top->SetAlign(TAlign::alTop);
  auto* client = new TEdit(&form);
  client->SetParent(&form);
  client->SetAlign(TAlign::alClient);
  return {top, client};
}

TEST(FormTest, AlignedChildrenFollowTheClientArea) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  const auto [top, client] = AddTopAndClient(form);
  form.Show();
  form.SetClientSize(200, 100);
  Pump();
  EXPECT_EQ(top->BoundsRect().right, 200);
  EXPECT_EQ(top->Height(), 30);
  EXPECT_EQ(client->Top(), 30);
  EXPECT_EQ(client->Width(), 200);
  EXPECT_EQ(client->Height(), 70);
  client->ScrollBy(0, 0);
  form.ScrollBy(5, -10);
  EXPECT_EQ(client->Left(), 5);
  EXPECT_EQ(client->Top(), 20);
}

TEST(FormTest, AFormThatAppearsIsPaintedWholeWhileItIsActivatedAndEachControlOnce) {
  TForm form(nullptr);
  form.SetBounds(120, 110, 300, 200);
  std::vector<TPanel*> panels;
  for (int i = 0; i < 3; ++i) {
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(10 + 90 * i, 10, 80, 60);
    panels.push_back(panel);
  }
  WindowMessageCounter paints;
  ASSERT_TRUE(paints.Hooked());
  form.Show();
  ASSERT_EQ(GetForegroundWindow(), form.Handle());
  // Nothing is left for the message loop: the controls were not erased first and painted
  // later, each through a device context of its own.
  EXPECT_FALSE(GetUpdateRect(form.Handle(), nullptr, FALSE));
  for (TPanel* panel : panels) EXPECT_FALSE(GetUpdateRect(panel->Handle(), nullptr, FALSE));
  Pump();
  for (TPanel* panel : panels) EXPECT_EQ(paints.PaintsOf(panel->Handle()), 1);
}

TEST(FormTest, RealigningControlsThatAlreadyFitMovesNoWindow) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  const auto [top, client] = AddTopAndClient(form);
  form.Show();
  Pump();
  const RECT fitted = client->BoundsRect();
  WindowMessageCounter counted;
  form.Realign();
  client->SetBounds(fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top);
  EXPECT_EQ(counted.PositionChangesOf(top->Handle()), 0);
  EXPECT_EQ(counted.PositionChangesOf(client->Handle()), 0);
  // A real change still reaches the window.
  top->SetHeight(40);
  EXPECT_EQ(counted.PositionChangesOf(top->Handle()), 1);
  EXPECT_EQ(counted.PositionChangesOf(client->Handle()), 1);
  RECT window_rect;
  GetWindowRect(client->Handle(), &window_rect);
  EXPECT_EQ(window_rect.bottom - window_rect.top, client->Height());
  EXPECT_EQ(client->Top(), 40);
}

}  // namespace

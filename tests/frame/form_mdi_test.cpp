// A skinned form on an MDI child of the program's main window, a multiple-document frame:
// no menu bar, the title bar's active state from the client's activation, the hidden title
// bar while maximised, and the sizing edges of a single-border child.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/frame/form_test_support.h"

namespace {

TForm& MDIFrame() {
  static TForm* frame = [] {
    auto* made = new TForm(nullptr);
    made->SetFormStyle(TFormStyle::fsMDIForm);
    made->SetBounds(40, 40, 560, 420);
    Application().AddForm(made);  // the main window
    made->Show();
    return made;
  }();
  return *frame;
}

class MDIChildTest : public ::testing::Test {
 protected:
  TForm* MakeChild(TFormBorderStyle border, int left) {
    auto* child = new TForm(&frame_);
    child->SetFormStyle(TFormStyle::fsMDIChild);
    child->SetBorderStyle(border);
    child->SetBounds(left, 10, 220, 160);
    child->Show();
    Pump();
    return child;
  }
  void TearDown() override {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) delete *it;
    Pump();
  }
  TsuiForm& Skin(TForm* child) {
    children_.push_back(child);
    auto* form = new TsuiForm(child);
    form->SetUIStyle(TsuiUIStyle::MacOS);
    Pump();
    return *form;
  }
  HWND Client() { return frame_.ClientHandle(); }

  TForm& frame_ = MDIFrame();
  std::vector<TForm*> children_;
};

TEST_F(MDIChildTest, ChildHasNoMenuBarAndAnswersTheDefaultInset) {
  TsuiForm& form = Skin(MakeChild(TFormBorderStyle::bsSizeable, 10));
  TMainMenu menu(&frame_);
  auto* item = new TMenuItem(&menu);
  item->SetCaption("&File");
  menu.Items().Add(item);
  form.SetMenu(&menu);
  EXPECT_EQ(form.MenuBar(), nullptr);
  EXPECT_EQ(form.MenuBarHeight(), 0);
  // Nobody answers the frame queries for a child: 0 each, so the inset is 0 - 1.
  EXPECT_EQ(SendMessageA(form.HostForm()->Handle(), 0x26C3, 0, 0), -1);
  EXPECT_EQ(GetWindowLongA(form.HostForm()->Handle(), GWL_STYLE) & WS_CAPTION, 0);
  form.SetMenu(nullptr);
}

TEST_F(MDIChildTest, ClientActivationDrivesTheTitleBar) {
  TsuiForm& first = Skin(MakeChild(TFormBorderStyle::bsSizeable, 10));
  TsuiForm& second = Skin(MakeChild(TFormBorderStyle::bsSizeable, 120));
  SendMessageA(Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first.HostForm()->Handle()), 0);
  Pump();
  EXPECT_TRUE(first.TitleBar()->FormActive());
  EXPECT_FALSE(second.TitleBar()->FormActive());
  SendMessageA(Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second.HostForm()->Handle()), 0);
  Pump();
  EXPECT_FALSE(first.TitleBar()->FormActive());
  EXPECT_TRUE(second.TitleBar()->FormActive());
}

TEST_F(MDIChildTest, MaximisedChildHidesItsTitleBarAndShowsItAgainWhenRestored) {
  TsuiForm& form = Skin(MakeChild(TFormBorderStyle::bsSizeable, 10));
  const HWND child = form.HostForm()->Handle();
  auto* label_place = new TPanel(form.HostForm());
  label_place->SetParent(&form);
  label_place->SetBounds(10, 60, 40, 20);
  SendMessageA(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  ASSERT_TRUE(IsZoomed(child));
  EXPECT_FALSE(form.TitleBarVisible());
  EXPECT_EQ(label_place->Top(), 60 - (form.TitleBar()->Height() - 3));
  SendMessageA(Client(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  ASSERT_FALSE(IsZoomed(child));
  EXPECT_TRUE(form.TitleBarVisible());
  EXPECT_EQ(label_place->Top(), 60);
}

TEST_F(MDIChildTest, SingleBorderChildCannotBeSizedFromItsEdges) {
  TsuiForm& single = Skin(MakeChild(TFormBorderStyle::bsSingle, 10));
  TsuiForm& sizeable = Skin(MakeChild(TFormBorderStyle::bsSizeable, 250));
  const auto hit_left_edge = [](TsuiForm& form) {
    RECT r;
    GetWindowRect(form.HostForm()->Handle(), &r);
    return SendMessageA(form.HostForm()->Handle(), WM_NCHITTEST, 0, MAKELPARAM(r.left, (r.top + r.bottom) / 2));
  };
  EXPECT_EQ(hit_left_edge(single), HTBORDER);
  EXPECT_EQ(hit_left_edge(sizeable), HTLEFT);
}

}  // namespace

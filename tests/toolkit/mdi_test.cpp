// A multiple-document window: a frame form with the system's MDI client, and child forms
// that the client activates, maximises and restores.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "toolkit/application.h"
#include "toolkit/form.h"

namespace {

void Pump() { Application().ProcessMessages(); }

std::string ClassNameOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT RectIn(HWND window, HWND parent) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class MDITest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_.SetFormStyle(TFormStyle::fsMDIForm);
    frame_.SetCaption("Frame");
    frame_.SetBounds(40, 40, 500, 380);
    frame_.Show();
    Pump();
  }

  TForm* AddChild(const char* caption, int* activations, int* deactivations) {
    auto* child = new TForm(&frame_);
    child->SetFormStyle(TFormStyle::fsMDIChild);
    child->SetCaption(caption);
    child->SetBounds(10, 10, 200, 150);
    child->OnActivate = [activations](TComponent*) { ++*activations; };
    child->OnDeactivate = [deactivations](TComponent*) { ++*deactivations; };
    child->Show();
    Pump();
    return child;
  }

  HWND Client() const { return frame_.ClientHandle(); }
  HWND Active(BOOL* maximised = nullptr) const {
    return reinterpret_cast<HWND>(SendMessageA(Client(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximised)));
  }

  TForm frame_{nullptr};
};

TEST_F(MDITest, TheFrameHoldsAnMDIClientThatFollowsItsClientArea) {
  ASSERT_NE(Client(), nullptr);
  EXPECT_EQ(ClassNameOf(Client()), "MDIClient");
  EXPECT_EQ(GetParent(Client()), frame_.Handle());
  // The frame's sizes reach the client only through the frame's default procedure.
  for (int width : {500, 360}) {
    MoveWindow(frame_.Handle(), 40, 40, width, 300, TRUE);
    Pump();
    RECT frame_client;
    GetClientRect(frame_.Handle(), &frame_client);
    const RECT client = RectIn(Client(), frame_.Handle());
    EXPECT_EQ(client.left, 0) << "frame width " << width;
    EXPECT_EQ(client.top, 0) << "frame width " << width;
    EXPECT_EQ(client.right, frame_client.right) << "frame width " << width;
    EXPECT_EQ(client.bottom, frame_client.bottom) << "frame width " << width;
  }
}

TEST_F(MDITest, ChildrenLiveInTheClientAndHearOfTheirActivation) {
  int first_on = 0, first_off = 0, second_on = 0, second_off = 0;
  TForm* first = AddChild("First", &first_on, &first_off);
  EXPECT_EQ(GetParent(first->Handle()), Client());
  EXPECT_TRUE(GetWindowLongA(first->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_EQ(Active(), first->Handle());
  EXPECT_EQ(frame_.ActiveMDIChild(), first);
  EXPECT_EQ(first_on, 1);

  TForm* second = AddChild("Second", &second_on, &second_off);
  EXPECT_EQ(Active(), second->Handle());
  EXPECT_EQ(second_on, 1);
  EXPECT_EQ(first_off, 1) << "WM_MDIACTIVATE reaches the child that loses the activation";

  SendMessageA(Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->Handle()), 0);
  Pump();
  EXPECT_EQ(frame_.ActiveMDIChild(), first);
  EXPECT_EQ(first_on, 2);
  EXPECT_EQ(second_off, 1);

  // Freed through the client, which then activates the one left.
  delete first;
  Pump();
  EXPECT_EQ(frame_.ActiveMDIChild(), second);
  EXPECT_EQ(second_on, 2);
}

TEST_F(MDITest, AChildIsMaximisedOverTheClientAndRestored) {
  int on = 0, off = 0;
  TForm* child = AddChild("Child", &on, &off);
  const RECT before = RectIn(child->Handle(), Client());

  child->SetWindowState(TWindowState::wsMaximized);
  Pump();
  BOOL maximised = FALSE;
  EXPECT_EQ(Active(&maximised), child->Handle());
  EXPECT_TRUE(maximised);
  EXPECT_TRUE(IsZoomed(child->Handle()));
  EXPECT_EQ(child->WindowState(), TWindowState::wsMaximized);
  RECT client_area;
  GetClientRect(Client(), &client_area);
  RECT child_client;
  GetClientRect(child->Handle(), &child_client);
  EXPECT_EQ(child_client.right, client_area.right) << "the child's client fills the MDI client";
  EXPECT_EQ(child_client.bottom, client_area.bottom);

  // The system's own command takes the child's default procedure.
  SendMessageA(child->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_FALSE(IsZoomed(child->Handle()));
  const RECT restored = RectIn(child->Handle(), Client());
  EXPECT_EQ(restored.left, before.left);
  EXPECT_EQ(restored.top, before.top);
  EXPECT_EQ(restored.right, before.right);
  EXPECT_EQ(restored.bottom, before.bottom);

  child->SetWindowState(TWindowState::wsMaximized);
  child->SetWindowState(TWindowState::wsNormal);
  Pump();
  EXPECT_FALSE(IsZoomed(child->Handle()));
  EXPECT_EQ(child->WindowState(), TWindowState::wsNormal);
}

TEST(MDIChildWithoutFrameTest, IsAClearError) {
  TForm child(nullptr);
  child.SetFormStyle(TFormStyle::fsMDIChild);
  child.SetBounds(0, 0, 200, 150);
  EXPECT_GT(child.ClientWidth(), 0) << "the size is worked out without a window";
  EXPECT_FALSE(child.HandleAllocated());
  try {
    child.Handle();
    FAIL() << "a child form was made without a frame";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("no MDI frame"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(child.HandleAllocated());
}

}  // namespace

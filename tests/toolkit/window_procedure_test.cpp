// The replaceable window procedure as a frame that draws its own border uses it: save the
// form's procedure, put one in front that answers some messages and passes on the rest,
// and put the saved one back.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/custom_control.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

namespace {

constexpr UINT kFrameInsetQuery = 0x26C3;  // a private question the replacement answers
constexpr LRESULT kFrameInsetAnswer = 7;
constexpr int kInset = 5;

void FrameChanged(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

class ReplacedWindowProcedureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.SetBounds(50, 50, 300, 200);
    form_.Show();
    Application().ProcessMessages();
    plain_ = ClientSize(form_.Handle());
    saved_ = form_.WindowProc;
    form_.WindowProc = [this](TMessage& message) { Replacement(message); };
    FrameChanged(form_.Handle());
  }
  void TearDown() override { form_.WindowProc = saved_; }

  void Replacement(TMessage& message) {
    if (message.msg == kFrameInsetQuery) {
      message.result = kFrameInsetAnswer;  // answered here; the saved procedure never sees it
      return;
    }
    if (message.msg == WM_NCCALCSIZE) {
      saved_(message);
      // With wParam set the first of three rectangles becomes the client; without, the one.
      RECT& client = message.wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(message.lParam)->rgrc[0]
                                    : *reinterpret_cast<RECT*>(message.lParam);
      InflateRect(&client, -kInset, -kInset);
      return;
    }
    if (message.msg == CM_RECREATED) {
      ++recreations_;
      recreated_window_ = form_.Handle();
    }
    saved_(message);
  }

  TForm form_{nullptr};
  TWndMethod saved_;
  SIZE plain_{};
  int recreations_ = 0;
  HWND recreated_window_ = nullptr;
};

TEST_F(ReplacedWindowProcedureTest, AnswersItsOwnMessagesAndPassesTheRestOn) {
  const SIZE inset = ClientSize(form_.Handle());
  EXPECT_EQ(inset.cx, plain_.cx - 2 * kInset);
  EXPECT_EQ(inset.cy, plain_.cy - 2 * kInset);
  EXPECT_EQ(SendMessageA(form_.Handle(), kFrameInsetQuery, 0, 0), kFrameInsetAnswer);

  // Passed on: the saved procedure still keeps the object's record of the window.
  SetWindowTextA(form_.Handle(), "Passed on");
  MoveWindow(form_.Handle(), 60, 70, 320, 210, TRUE);
  EXPECT_EQ(form_.Left(), 60);
  EXPECT_EQ(form_.Width(), 320);
  EXPECT_EQ(form_.ClientWidth(), ClientSize(form_.Handle()).cx);
  char caption[32] = {};
  GetWindowTextA(form_.Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Passed on");
}

TEST_F(ReplacedWindowProcedureTest, PuttingTheSavedProcedureBackUndoesTheReplacement) {
  form_.WindowProc = saved_;
  FrameChanged(form_.Handle());
  const SIZE restored = ClientSize(form_.Handle());
  EXPECT_EQ(restored.cx, plain_.cx);
  EXPECT_EQ(restored.cy, plain_.cy);
  EXPECT_EQ(SendMessageA(form_.Handle(), kFrameInsetQuery, 0, 0), 0);
}

TEST_F(ReplacedWindowProcedureTest, TheReplacementOutlivesARecreatedWindowAndHearsOfIt) {
  const HWND before = form_.Handle();
  form_.SetBorderStyle(TFormBorderStyle::bsDialog);  // a style that needs a new window
  Application().ProcessMessages();
  EXPECT_EQ(recreations_, 1);
  EXPECT_NE(recreated_window_, nullptr);
  EXPECT_EQ(recreated_window_, form_.Handle());
  EXPECT_FALSE(IsWindow(before) && TWinControl::FromHandle(before) == &form_);
  // The new window was built through the replacement too.
  EXPECT_EQ(SendMessageA(form_.Handle(), kFrameInsetQuery, 0, 0), kFrameInsetAnswer);
  RECT window{};
  GetWindowRect(form_.Handle(), &window);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, GetWindowLongA(form_.Handle(), GWL_STYLE), FALSE,
                     GetWindowLongA(form_.Handle(), GWL_EXSTYLE));
  const SIZE client = ClientSize(form_.Handle());
  EXPECT_EQ(client.cx, window.right - window.left - (frame.right - frame.left) - 2 * kInset);
}

TEST(RecreationNoticeTest, AReparentedWindowedControlIsToldOnceAndKeepsItsWindowedChildren) {
  TForm form(nullptr);
  form.Show();
  auto* first = new TPanel(&form);
  first->SetParent(&form);
  auto* second = new TPanel(&form);
  second->SetParent(&form);
  auto* moved = new TPanel(&form);
  moved->SetParent(first);
  auto* inner = new TPanel(&form);
  inner->SetParent(moved);
  ASSERT_TRUE(inner->HandleAllocated());
  int recreated = 0;
  TWndMethod saved = moved->WindowProc;
  moved->WindowProc = [&](TMessage& message) {
    if (message.msg == CM_RECREATED) ++recreated;
    saved(message);
  };
  const HWND window = moved->Handle();
  moved->SetParent(second);
  EXPECT_EQ(recreated, 1);
  EXPECT_EQ(moved->Handle(), window);
  EXPECT_EQ(GetParent(window), second->Handle());
  EXPECT_EQ(GetParent(inner->Handle()), window);
  moved->WindowProc = saved;
}

}  // namespace

// A child of our own class whose style gives it a frame.
class FramedSwatch : public TCustomControl {
 public:
  FramedSwatch(TComponent* owner, DWORD style, DWORD ex_style) : TCustomControl(owner), style_(style), ex_style_(ex_style) {}

 protected:
  void CreateParams(TCreateParams& params) override {
    TCustomControl::CreateParams(params);
    params.style |= style_;
    params.ex_style |= ex_style_;
  }
  void Paint() override {
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect(ClientRect());
  }

 private:
  DWORD style_;
  DWORD ex_style_;
};

TEST(NonClientPaintTest, TheSystemStillDrawsTheFramesOfChildrenThatHaveOne) {
  TForm form(nullptr);
  form.SetBounds(60, 60, 300, 200);
  form.SetColor(clLime);
  auto* bordered = new FramedSwatch(&form, WS_BORDER, 0);
  auto* edged = new FramedSwatch(&form, 0, WS_EX_CLIENTEDGE);
  auto* plain = new FramedSwatch(&form, 0, 0);
  int left = 10;
  for (TCustomControl* swatch : {static_cast<TCustomControl*>(bordered), static_cast<TCustomControl*>(edged),
                                 static_cast<TCustomControl*>(plain)}) {
    swatch->SetParent(&form);
    swatch->SetBounds(left, 10, 40, 30);
    left += 60;
  }
  form.Show();
  SetForegroundWindow(form.Handle());
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Application().ProcessMessages();
  const auto corner = [](TCustomControl* swatch) {
    const HDC dc = GetWindowDC(swatch->Handle());
    const COLORREF pixel = GetPixel(dc, 0, 0);
    ReleaseDC(swatch->Handle(), dc);
    return pixel;
  };
  EXPECT_EQ(corner(bordered), ColorToRGB(clWindowFrame)) << "the border";
  EXPECT_EQ(corner(edged), ColorToRGB(clBtnShadow)) << "the sunken edge";
  EXPECT_EQ(corner(plain), ColorToRGB(clRed)) << "all client area";
}

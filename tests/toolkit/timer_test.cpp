#include "toolkit/timer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/class_registry.h"
#include "toolkit/description_reader.h"
#include "toolkit/published_properties.h"

namespace {

// Runs the message loop for about `milliseconds`, counting the timer's ticks.
void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Application().ProcessMessages();
  }
}

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    timer_.SetOnTimer([this](TComponent* sender) {
      EXPECT_EQ(sender, &timer_);
      ++ticks_;
    });
  }
  TComponent owner_{nullptr};
  TTimer timer_{&owner_};
  int ticks_ = 0;
};

TEST_F(TimerTest, TicksComeThroughTheMessageLoop) {
  timer_.SetInterval(50);
  EXPECT_TRUE(timer_.Running());
  PumpFor(400);
  EXPECT_GE(ticks_, 2);
}

TEST_F(TimerTest, IntervalChangeNeverStartsAStoppedTimer) {
  timer_.SetEnabled(false);
  EXPECT_FALSE(timer_.Running());
  timer_.SetInterval(30);
  EXPECT_FALSE(timer_.Running());
  timer_.SetInterval(30);
  EXPECT_FALSE(timer_.Running());
  PumpFor(200);
  EXPECT_EQ(ticks_, 0);
  timer_.SetEnabled(true);
  EXPECT_TRUE(timer_.Running());
  EXPECT_EQ(timer_.Interval(), 30u);
}

TEST_F(TimerTest, NoHandlerOrZeroIntervalMeansNoSystemTimer) {
  TTimer bare(&owner_);
  EXPECT_TRUE(bare.Enabled());
  EXPECT_FALSE(bare.Running());
  timer_.SetInterval(0);
  EXPECT_FALSE(timer_.Running());
  EXPECT_TRUE(timer_.Enabled());
}

// Margins are wide (a third of the interval) as the test bed's clock is shared.
TEST_F(TimerTest, SameIntervalKeepsTheCountdownAnotherRestartsIt) {
  timer_.SetInterval(900);
  PumpFor(600);
  ASSERT_EQ(ticks_, 0);
  timer_.SetInterval(900);  // unchanged: the tick still comes at about 900 ms
  PumpFor(550);
  EXPECT_EQ(ticks_, 1);

  ticks_ = 0;
  timer_.SetInterval(901);  // starts a fresh countdown of 901 ms from here
  PumpFor(600);
  timer_.SetInterval(900);  // and again
  PumpFor(600);
  EXPECT_EQ(ticks_, 0);
  PumpFor(600);
  EXPECT_EQ(ticks_, 1);
}

TEST(TimerDescriptionTest, StoredTimerRunsAfterReadingAndKeepsItsInterval) {
  RegisterComponentClass<TTimer>("TTimer");
  class Host : public TComponent {
   public:
    Host() : TComponent(nullptr) {}
    std::string_view ClassName() const override { return "THost"; }
  } host;
  HandlerTable handlers;
  handlers.Add<TNotifyEvent>("Timer1Timer", [](TComponent*) {});
  ReadDescription(host,
                  "object Host1: THost\n object Timer1: TTimer\n  Interval = 5000\n  OnTimer = Timer1Timer\n end\nend\n",
                  "host.dfm", handlers);
  auto* timer = dynamic_cast<TTimer*>(host.FindComponent("Timer1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Running());
  EXPECT_EQ(timer->Interval(), 5000u);
  timer->SetInterval(300000);
  EXPECT_TRUE(timer->Running());
  EXPECT_THROW(SetPublishedProperty(*timer, "Interval", "-1"), PropertyValueError);
  EXPECT_EQ(timer->Interval(), 300000u);
}

}  // namespace

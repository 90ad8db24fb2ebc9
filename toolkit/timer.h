// A window timer whose ticks come through the message loop.
//
//   auto* timer = new TTimer(form);
//   timer->SetOnTimer([](TComponent*) { ... });
//   timer->SetInterval(300000);   // restarts the countdown if running; never starts it
#pragma once

#include <windows.h>

#include "toolkit/component.h"
#include "toolkit/message.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  std::string_view ClassName() const override { return "TTimer"; }
  const ::ClassInfo& ClassInfo() const override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  // The same value changes nothing; another value restarts a running countdown. A
  // stopped timer stays stopped. 0 stops the ticks while keeping Enabled.
  void SetInterval(unsigned interval);
  void SetIntervalStored(int interval);
  int IntervalStored() const { return static_cast<int>(interval_); }
  // The system timer is running.
  bool Running() const { return running_; }

  // A timer without a handler does not run; setting one starts an enabled timer.
  const TNotifyEvent& OnTimer() const { return on_timer_; }
  void SetOnTimer(TNotifyEvent handler);
  void Loaded() override;

  // Called by the utility window for WM_TIMER with our id.
  static void Tick(UINT_PTR id);

 private:
  void UpdateTimer();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  bool running_ = false;
  UINT_PTR id_;
  TNotifyEvent on_timer_;
};

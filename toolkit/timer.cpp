#include "toolkit/timer.h"

#include <map>
#include <stdexcept>

#include "toolkit/published_properties.h"
#include "toolkit/uncaught_exception.h"
#include "toolkit/user_handles.h"
#include "toolkit/utility_window.h"

namespace {

std::map<UINT_PTR, TTimer*>& LiveTimers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}

int running_timers = 0;

UINT_PTR NextTimerId() {
  static UINT_PTR next = 1;
  while (LiveTimers().count(next)) ++next;
  return next++;
}

}  // namespace

int RunningTimerCount() { return running_timers; }

TTimer::TTimer(TComponent* owner) : TComponent(owner), id_(NextTimerId()) {
  LiveTimers()[id_] = this;
  UpdateTimer();
}

TTimer::~TTimer() {
  enabled_ = false;
  UpdateTimer();
  LiveTimers().erase(id_);
}

const ClassInfo& TTimer::ClassInfo() const {
  static const ::ClassInfo info("TTimer", &TComponent::ClassInfo(),
                                {BooleanProperty<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled),
                                 IntegerProperty<TTimer>("Interval", &TTimer::IntervalStored, &TTimer::SetIntervalStored),
                                 EventProperty<TTimer, TNotifyEvent>("OnTimer", &TTimer::SetOnTimer)});
  return info;
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::SetIntervalStored(int interval) {
  if (interval < 0) throw PropertyValueError("A timer interval cannot be negative");
  SetInterval(static_cast<unsigned>(interval));
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  on_timer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

// Setting a window timer again with the same id starts its countdown afresh.
void TTimer::UpdateTimer() {
  const bool wanted = enabled_ && interval_ > 0 && on_timer_ && !Loading();
  if (running_) {
    KillTimer(UtilityWindow(), id_);
    running_ = false;
    --running_timers;
  }
  if (wanted) {
    if (!SetTimer(UtilityWindow(), id_, interval_, nullptr)) throw std::runtime_error("Not enough timers are available");
    running_ = true;
    ++running_timers;
  }
}

void TTimer::Tick(UINT_PTR id) {
  const auto found = LiveTimers().find(id);
  if (found == LiveTimers().end()) return;
  TTimer* timer = found->second;
  if (timer->on_timer_) timer->on_timer_(timer);
}

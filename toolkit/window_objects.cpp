#include "toolkit/window_objects.h"

#include <unordered_map>

namespace {

// Windows may be made and destroyed on more than one thread (a test's or a dialog's).
SRWLOCK table_lock = SRWLOCK_INIT;

std::unordered_map<HWND, TWinControl*>& Table() {
  static std::unordered_map<HWND, TWinControl*> table;
  return table;
}

class ExclusiveLock {
 public:
  ExclusiveLock() { AcquireSRWLockExclusive(&table_lock); }
  ~ExclusiveLock() { ReleaseSRWLockExclusive(&table_lock); }
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;
};

class SharedLock {
 public:
  SharedLock() { AcquireSRWLockShared(&table_lock); }
  ~SharedLock() { ReleaseSRWLockShared(&table_lock); }
  SharedLock(const SharedLock&) = delete;
  SharedLock& operator=(const SharedLock&) = delete;
};

}  // namespace

void RememberWindowObject(HWND window, TWinControl* control) {
  ExclusiveLock lock;
  Table()[window] = control;
}

void ForgetWindowObject(HWND window, const TWinControl* control) {
  ExclusiveLock lock;
  const auto found = Table().find(window);
  if (found != Table().end() && found->second == control) Table().erase(found);
}

TWinControl* WindowObject(HWND window) {
  SharedLock lock;
  const auto found = Table().find(window);
  return found == Table().end() ? nullptr : found->second;
}

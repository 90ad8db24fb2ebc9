#include "toolkit/window_objects.h"

#include <mutex>
#include <shared_mutex>
#include <unordered_map>

namespace {

struct ObjectTable {
  // Windows may be made and destroyed on more than one thread (a test's or a dialog's).
  std::shared_mutex lock;
  std::unordered_map<HWND, TWinControl*> objects;
};

ObjectTable& Table() {
  static ObjectTable table;
  return table;
}

}  // namespace

void RememberWindowObject(HWND window, TWinControl* control) {
  ObjectTable& table = Table();
  const std::unique_lock lock(table.lock);
  table.objects[window] = control;
}

void ForgetWindowObject(HWND window, const TWinControl* control) {
  ObjectTable& table = Table();
  const std::unique_lock lock(table.lock);
  const auto found = table.objects.find(window);
  if (found != table.objects.end() && found->second == control) table.objects.erase(found);
}

TWinControl* WindowObject(HWND window) {
  ObjectTable& table = Table();
  const std::shared_lock lock(table.lock);
  const auto found = table.objects.find(window);
  return found == table.objects.end() ? nullptr : found->second;
}

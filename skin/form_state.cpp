#include "skin/form_state.h"

#include "toolkit/application.h"

namespace {

// The toolkit's forms keep no active flag of their own; the system's active window is
// the same fact.
bool FormOwnActiveFlag(TForm* form) {
  return form && form->HandleAllocated() && GetActiveWindow() == form->Handle();
}

// The MDI client window of a frame form, or null when the form is no MDI frame.
HWND MdiClientOf(TForm* form) {
  if (!form || !form->HandleAllocated()) return nullptr;
  return FindWindowExA(form->Handle(), nullptr, "MDICLIENT", nullptr);
}

}  // namespace

void GetWorkArea(RECT& area) {
  TForm* main_form = Application().MainForm();
  if (main_form && main_form->HandleAllocated()) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    const HMONITOR monitor = MonitorFromWindow(main_form->Handle(), MONITOR_DEFAULTTONEAREST);
    if (monitor && GetMonitorInfoA(monitor, &info)) {
      area = info.rcWork;
      return;
    }
  }
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
}

void SetBoundsFromRect(TControl& control, const RECT& rect) {
  control.SetLeft(rect.left);
  control.SetTop(rect.top);
  control.SetWidth(rect.right - rect.left);
  control.SetHeight(rect.bottom - rect.top);
}

bool IsFormActive(TForm* form) {
  TForm* main_form = Application().MainForm();
  if (!main_form) return FormOwnActiveFlag(form);
  const HWND mdi_client = MdiClientOf(main_form);
  if (mdi_client && form == main_form) return true;
  if (!Application().Active()) return false;
  if (!form || form == main_form) return true;
  if (mdi_client && form->HandleAllocated() &&
      reinterpret_cast<HWND>(SendMessageA(mdi_client, WM_MDIGETACTIVE, 0, 0)) == form->Handle()) {
    return true;
  }
  return FormOwnActiveFlag(form);
}

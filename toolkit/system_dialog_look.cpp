#include "toolkit/system_dialog_look.h"

namespace {

// The activation context of the program's manifest, made on first use and kept until the
// program ends; none when the program has no such manifest.
class DialogContext {
 public:
  DialogContext() {
    ACTCTXA request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
    request.hModule = GetModuleHandleA(nullptr);
    request.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
    const HANDLE context = CreateActCtxA(&request);
    if (context != INVALID_HANDLE_VALUE) context_ = context;
  }
  ~DialogContext() {
    if (context_) ReleaseActCtx(context_);
  }
  DialogContext(const DialogContext&) = delete;
  DialogContext& operator=(const DialogContext&) = delete;

  HANDLE Get() const { return context_; }

 private:
  HANDLE context_ = nullptr;
};

HANDLE ProgramDialogContext() {
  static const DialogContext context;
  return context.Get();
}

}  // namespace

SystemDialogLook::SystemDialogLook() {
  if (const HANDLE context = ProgramDialogContext()) active_ = ActivateActCtx(context, &cookie_) != FALSE;
}

SystemDialogLook::~SystemDialogLook() {
  if (active_) DeactivateActCtx(0, cookie_);
}

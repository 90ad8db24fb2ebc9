#include "toolkit/application.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/form.h"
#include "toolkit/system_dialog_look.h"
#include "toolkit/uncaught_exception.h"

namespace {

std::string ProgramFileTitle() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path, length);
  const std::size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace

TApplication::TApplication() : title_(ProgramFileTitle()) {}

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::Initialize() { terminated_ = false; }

void TApplication::AddForm(TForm* form) {
  forms_.push_back(form);
  if (!main_form_) main_form_ = form;
  form->DoCreate();
}

void TApplication::Run() {
  if (main_form_) main_form_->Show();
  while (!terminated_ && HandleMessage()) {
  }
  // Forms go in reverse order of creation, as they may refer to earlier ones.
  while (!forms_.empty()) {
    TForm* form = forms_.back();
    forms_.pop_back();
    if (form == main_form_) main_form_ = nullptr;
    delete form;
  }
}

bool TApplication::HandleMessage() {
  MSG message;
  const BOOL got = GetMessageA(&message, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    terminated_ = true;
    return false;
  }
  Dispatch(message);
  return true;
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      return;
    }
    Dispatch(message);
  }
}

bool TApplication::Dispatch(MSG& message) {
  try {
    bool handled = false;
    // A hook may remove itself (its form is being freed) while it runs.
    for (auto it = hooks_.begin(); it != hooks_.end() && !handled;) {
      auto current = it++;
      TMessageHook hook = *current;
      hook(message, handled);
    }
    if (handled) return true;
    const std::vector<TForm*> forms = live_forms_;
    for (TForm* form : forms) {
      if (form->HandleAllocated() && form->HandleDialogMessage(message)) return true;
    }
  } catch (...) {
    HandleException(std::current_exception());
    return true;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
  return true;
}

void TApplication::FormCreated(TForm* form) { live_forms_.push_back(form); }

void TApplication::FormDestroyed(TForm* form) {
  live_forms_.erase(std::remove(live_forms_.begin(), live_forms_.end(), form), live_forms_.end());
  forms_.remove(form);
  if (main_form_ == form) main_form_ = nullptr;
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::Minimize() {
  if (main_form_ && main_form_->HandleAllocated()) ShowWindow(main_form_->Handle(), SW_MINIMIZE);
}

HWND TApplication::BoxOwner() const {
  if (main_form_ && main_form_->HandleAllocated() && IsWindowVisible(main_form_->Handle())) {
    return main_form_->Handle();
  }
  return nullptr;
}

int TApplication::MessageBox(const std::string& text) {
  const SystemDialogLook look;
  return ::MessageBoxA(BoxOwner(), text.c_str(), title_.c_str(), MB_OK);
}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && message.back() != '.') return message + ".";
  return message;
}

void TApplication::ShowException(const std::string& message) {
  const SystemDialogLook look;
  ::MessageBoxA(BoxOwner(), ErrorBoxText(message).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::HandleException(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& caught) {
    ShowException(caught.what());
  } catch (...) {
    ShowException("Unknown error");
  }
}

std::list<TMessageHook>::iterator TApplication::AddHook(TMessageHook hook) {
  return hooks_.insert(hooks_.end(), std::move(hook));
}

void TApplication::RemoveHook(std::list<TMessageHook>::iterator hook) { hooks_.erase(hook); }

MessageHook::MessageHook(TMessageHook hook) : hook_(Application().AddHook(std::move(hook))) {}

MessageHook::~MessageHook() { Application().RemoveHook(hook_); }

void HandleUncaughtException(std::exception_ptr error) { Application().HandleException(error); }

// The application object: the message loop with its application-wide message hooks,
// the main form, the title, the message box and the top-level error box.
//
//   Application().Initialize();
//   auto* form = Application().CreateForm<TForm1>();   // the first form is the main form
//   Application().Run();                                // until the main form closes
//   MessageHook hook([](MSG& m, bool& handled) { ... });  // active while it lives
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <list>
#include <string>
#include <vector>

class TForm;

using TMessageHook = std::function<void(MSG& message, bool& handled)>;

class TApplication {
 public:
  TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  void Initialize();
  // Builds the form (its constructor reads its description), makes the first one the
  // main form, and calls its OnCreate.
  template <typename Form>
  Form* CreateForm() {
    auto* form = new Form(nullptr);
    AddForm(form);
    return form;
  }
  void AddForm(TForm* form);
  // Every form, however made, takes part in dialog-key handling while it lives.
  void FormCreated(TForm* form);
  void FormDestroyed(TForm* form);
  TForm* MainForm() const { return main_form_; }

  // Shows the main form and runs the loop until Terminate; frees the forms at the end.
  void Run();
  // Waits for one message and handles it: hooks, dialog keys, dispatch. False once a
  // WM_QUIT came.
  bool HandleMessage();
  // Handles what is queued now, without waiting.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The program file's name without directory and extension, unless set.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }
  void Minimize();

  // Text, OK button, no icon, the title as caption. Returns the button pressed.
  int MessageBox(const std::string& text);
  // The top-level handler: an error box with the message (a full stop added when it
  // ends without one); the program goes on.
  void ShowException(const std::string& message);
  void HandleException(std::exception_ptr error);

 private:
  friend class MessageHook;
  std::list<TMessageHook>::iterator AddHook(TMessageHook hook);
  void RemoveHook(std::list<TMessageHook>::iterator hook);
  bool Dispatch(MSG& message);
  HWND BoxOwner() const;

  std::string title_;
  TForm* main_form_ = nullptr;
  std::list<TForm*> forms_;  // made by CreateForm, freed by Run
  std::vector<TForm*> live_forms_;
  std::list<TMessageHook> hooks_;
  bool terminated_ = false;
  bool active_ = false;
};

TApplication& Application();

// The text the error box shows for an error message.
std::string ErrorBoxText(const std::string& message);

// An application-wide message hook for as long as the object lives.
class MessageHook {
 public:
  explicit MessageHook(TMessageHook hook);
  ~MessageHook();
  MessageHook(const MessageHook&) = delete;
  MessageHook& operator=(const MessageHook&) = delete;

 private:
  std::list<TMessageHook>::iterator hook_;
};

// The main window: the form description "TFORM1" with its controls, and the handlers
// that tie them to the connection controller and the service commands.
//
//   Application().Initialize();
//   Application().CreateForm<TForm1>();
//   Application().Run();
#pragma once

#include <optional>
#include <string>

#include "client/connection_controller.h"
#include "client/service_commands.h"
#include "client/settings_file_store.h"
#include "toolkit/form.h"

class TControl;
class TTimer;

// Where the window keeps its settings and sends its requests; tests point both elsewhere.
struct Form1Environment {
  std::string settings_path;
  std::string script_address;
  // When set, the timer runs at this interval whatever the controller asks for, so that
  // a long run of timer-driven exchanges takes seconds instead of days.
  std::optional<unsigned> timer_interval = std::nullopt;
};
Form1Environment ProductionEnvironment();

class TForm1 : public TForm, private ConnectionView, private CommandPlatform {
 public:
  explicit TForm1(TComponent* owner);
  TForm1(TComponent* owner, Form1Environment environment);
  ~TForm1() override;

  std::string_view ClassName() const override { return "TForm1"; }

  // Event handlers, bound by name in the description.
  void FormCreate(TComponent* sender);
  void Timer1Timer(TComponent* sender);
  void suiButton1Click(TComponent* sender);
  void suiButton2Click(TComponent* sender);
  void suiButton3Click(TComponent* sender);
  void suiButton4Click(TComponent* sender);
  void I1Click(TComponent* sender);
  void R1Click(TComponent* sender);
  void O1Click(TComponent* sender);
  void QF1Click(TComponent* sender);
  void H2Click(TComponent* sender);
  void A1Click(TComponent* sender);
  void V1Click(TComponent* sender);
  void R2Click(TComponent* sender);
  void F1Click(TComponent* sender);

  ConnectionController& Controller() { return controller_; }

 private:
  // ConnectionView
  std::string UserNameText() const override;
  void SetUserNameText(const std::string& text) override;
  std::string PasswordText() const override;
  void SetPasswordText(const std::string& text) override;
  void SetStatusText(const std::string& text) override;
  void SetAddressText(const std::string& text) override;
  void SetLoginEnabled(bool enabled) override;
  void SetDisconnectEnabled(bool enabled) override;
  void SetTimerInterval(unsigned milliseconds) override;
  void SetTimerEnabled(bool enabled) override;

  // CommandPlatform
  CommandOutcome RunAndWait(const std::string& command_line, int show_flag,
                            std::chrono::milliseconds limit) override;
  bool Start(const std::string& command_line, int show_flag) override;
  void OpenPage(const std::string& address) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  void CloseMainWindow() override;

  template <typename Control>
  Control& Find(const char* name) const;
  // Errors of the settings file go to the application's error box; the window stays.
  template <typename Action>
  void Guarded(Action action);

  SettingsFileStore store_;
  ConnectionController controller_;
  ServiceCommands commands_;
  std::optional<unsigned> timer_interval_;
  // The controls the handlers drive, found by name once the description is read.
  TControl* suiEdit1 = nullptr;
  TControl* suiEdit2 = nullptr;
  TControl* suiButton1 = nullptr;
  TControl* suiButton2 = nullptr;
  TControl* Label5 = nullptr;
  TControl* Label7 = nullptr;
  TTimer* Timer1 = nullptr;
};

#include "client/Unit1.h"

#include <windows.h>

#include <shellapi.h>

#include <stdexcept>

#include "client/process_runner.h"
#include "client/settings_file.h"
#include "client/update_request.h"
#include "toolkit/application.h"
#include "toolkit/control.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"
#include "toolkit/timer.h"

namespace {

constexpr char kDescriptionResource[] = "TFORM1";

}  // namespace

Form1Environment ProductionEnvironment() { return {SettingsFilePath(), UpdateScriptAddress()}; }

TForm1::TForm1(TComponent* owner) : TForm1(owner, ProductionEnvironment()) {}

TForm1::TForm1(TComponent* owner, Form1Environment environment)
    : TForm(owner), store_(std::move(environment.settings_path)), controller_(*this, store_), commands_(*this),
      timer_interval_(environment.timer_interval) {
  controller_.SetScriptAddress(std::move(environment.script_address));

  HandlerTable handlers;
  const auto bind = [&](const char* name, void (TForm1::*handler)(TComponent*)) {
    handlers.Add<TNotifyEvent>(name, [this, handler](TComponent* sender) { (this->*handler)(sender); });
  };
  bind("FormCreate", &TForm1::FormCreate);
  bind("Timer1Timer", &TForm1::Timer1Timer);
  bind("suiButton1Click", &TForm1::suiButton1Click);
  bind("suiButton2Click", &TForm1::suiButton2Click);
  bind("suiButton3Click", &TForm1::suiButton3Click);
  bind("suiButton4Click", &TForm1::suiButton4Click);
  bind("I1Click", &TForm1::I1Click);
  bind("R1Click", &TForm1::R1Click);
  bind("O1Click", &TForm1::O1Click);
  bind("QF1Click", &TForm1::QF1Click);
  bind("H2Click", &TForm1::H2Click);
  bind("A1Click", &TForm1::A1Click);
  bind("V1Click", &TForm1::V1Click);
  bind("R2Click", &TForm1::R2Click);
  bind("F1Click", &TForm1::F1Click);
  ReadDescriptionResource(*this, kDescriptionResource, handlers);

  suiEdit1 = &Find<TControl>("suiEdit1");
  suiEdit2 = &Find<TControl>("suiEdit2");
  suiButton1 = &Find<TControl>("suiButton1");
  suiButton2 = &Find<TControl>("suiButton2");
  Label5 = &Find<TControl>("Label5");
  Label7 = &Find<TControl>("Label7");
  Timer1 = &Find<TTimer>("Timer1");
}

TForm1::~TForm1() = default;

template <typename Control>
Control& TForm1::Find(const char* name) const {
  auto* control = dynamic_cast<Control*>(FindComponent(name));
  if (!control) throw std::logic_error(std::string("the main window's description lacks ") + name);
  return *control;
}

template <typename Action>
void TForm1::Guarded(Action action) {
  try {
    action();
  } catch (...) {
    Application().HandleException(std::current_exception());
  }
}

void TForm1::FormCreate(TComponent*) {
  Guarded([this] { controller_.StartUp(); });
}
void TForm1::Timer1Timer(TComponent*) {
  Guarded([this] { controller_.Login(); });
}
void TForm1::suiButton1Click(TComponent*) {
  Guarded([this] { controller_.LoginClicked(); });
}
void TForm1::suiButton2Click(TComponent*) {
  Guarded([this] { controller_.Disconnect(); });
}
void TForm1::suiButton3Click(TComponent*) { commands_.InstallService(); }
void TForm1::suiButton4Click(TComponent*) { commands_.UninstallService(); }
void TForm1::I1Click(TComponent*) { commands_.InstallService(); }
void TForm1::R1Click(TComponent*) { commands_.UninstallService(); }
void TForm1::O1Click(TComponent*) { commands_.OnlineUpgrade(); }
void TForm1::QF1Click(TComponent*) { Close(); }
void TForm1::H2Click(TComponent*) { commands_.OpenHelpPage(); }
void TForm1::A1Click(TComponent*) { commands_.OpenOpenSourcePage(); }
void TForm1::V1Click(TComponent*) { commands_.OpenHomePage(); }
void TForm1::R2Click(TComponent*) { commands_.OpenRegistrationPage(); }
void TForm1::F1Click(TComponent*) { commands_.OpenPasswordRecoveryPage(); }

std::string TForm1::UserNameText() const { return suiEdit1->Text(); }
void TForm1::SetUserNameText(const std::string& text) { suiEdit1->SetText(text); }
std::string TForm1::PasswordText() const { return suiEdit2->Text(); }
void TForm1::SetPasswordText(const std::string& text) { suiEdit2->SetText(text); }
void TForm1::SetStatusText(const std::string& text) { Label5->SetCaption(text); }
void TForm1::SetAddressText(const std::string& text) { Label7->SetCaption(text); }
void TForm1::SetLoginEnabled(bool enabled) { suiButton1->SetEnabled(enabled); }
void TForm1::SetDisconnectEnabled(bool enabled) { suiButton2->SetEnabled(enabled); }
void TForm1::SetTimerInterval(unsigned milliseconds) { Timer1->SetInterval(timer_interval_.value_or(milliseconds)); }
void TForm1::SetTimerEnabled(bool enabled) { Timer1->SetEnabled(enabled); }

CommandOutcome TForm1::RunAndWait(const std::string& command_line, int show_flag, std::chrono::milliseconds limit) {
  return ::RunAndWait(command_line, show_flag, limit);
}
bool TForm1::Start(const std::string& command_line, int show_flag) { return StartDetached(command_line, show_flag); }
void TForm1::OpenPage(const std::string& address) {
  ShellExecuteA(Handle(), "Open", address.c_str(), "", "", SW_SHOWNORMAL);
}
void TForm1::ShowMessage(const std::string& text) { Application().MessageBox(text); }
void TForm1::ShowError(const std::string& text) { Application().ShowException(text); }
void TForm1::CloseMainWindow() { Close(); }

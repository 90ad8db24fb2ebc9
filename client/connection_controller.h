// The main window's logic: start-up display, the login exchange (every "登陆" click and
// every timer tick), the quit exchange ("断开"), and keeping the status, the address,
// the two buttons, the timer and the settings file in step with the outcome.
//
//   ConnectionController controller(window, settings_file);
//   controller.StartUp();       // from the window's creation handler
//   controller.Login();         // from the timer's tick
//   controller.LoginClicked();  // from "登陆"
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "client/client_settings.h"
#include "client/http_client.h"
#include "client/update_request.h"

// What the controller drives on the window.
class ConnectionView {
 public:
  virtual ~ConnectionView() = default;
  virtual std::string UserNameText() const = 0;  // suiEdit1
  virtual void SetUserNameText(const std::string& text) = 0;
  virtual std::string PasswordText() const = 0;  // suiEdit2
  virtual void SetPasswordText(const std::string& text) = 0;
  virtual void SetStatusText(const std::string& text) = 0;   // Label5
  virtual void SetAddressText(const std::string& text) = 0;  // Label7
  virtual void SetLoginEnabled(bool enabled) = 0;            // suiButton1, "登陆"
  virtual void SetDisconnectEnabled(bool enabled) = 0;       // suiButton2, "断开"
  // Timer1: the same interval again changes nothing; another one restarts the countdown;
  // neither starts a stopped timer.
  virtual void SetTimerInterval(unsigned milliseconds) = 0;
  virtual void SetTimerEnabled(bool enabled) = 0;
};

// Where the five settings live. Every operation raises InOutError on failure; the
// controller lets it pass to the application's top-level handler.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual ClientSettings Load() = 0;  // creates the defaults when nothing is stored yet
  virtual void Save(const ClientSettings& values) = 0;
  virtual ClientSettings Reload() = 0;
};

inline constexpr unsigned kConnectedInterval = 300'000;     // five minutes
inline constexpr unsigned kNotConnectedInterval = 60'000;   // one minute

class ConnectionController {
 public:
  ConnectionController(ConnectionView& view, SettingsStore& store);

  void StartUp();
  void Login();
  // A click also starts the timer again, which a disconnect stopped: without it the
  // window would say "已连接" while no update is ever sent again.
  void LoginClicked();
  void Disconnect();

  const ClientSettings& Settings() const { return settings_; }
  const std::string& LastResponse() const { return last_response_; }

  // Test and development seams: where the requests go, what time it is, how long an
  // exchange may take.
  void SetScriptAddress(std::string script_address) { script_address_ = std::move(script_address); }
  void SetClock(std::function<LocalTime()> clock) { clock_ = std::move(clock); }
  void SetExchangeTimeLimit(std::chrono::milliseconds limit) { time_limit_ = limit; }

 private:
  std::string Fetch(const std::string& address);

  ConnectionView& view_;
  SettingsStore& store_;
  ClientSettings settings_;
  std::string last_response_;
  // The HTTP client of the exchange under way; none between exchanges, so that nothing
  // (cookies, connection) carries from one exchange to the next.
  std::unique_ptr<HttpClient> IdHTTP1;
  std::string script_address_ = UpdateScriptAddress();
  std::function<LocalTime()> clock_ = CurrentLocalTime;
  std::chrono::milliseconds time_limit_ = kExchangeTimeLimit;
};

#include "client/connection_controller.h"

#include "client/ui_texts.h"

namespace {

constexpr char kStateConnected[] = "1";
constexpr char kStateNotConnected[] = "0";
constexpr char kNoAddress[] = "127.0.0.1";
constexpr char kContentType[] = "Text/Html";
constexpr char kUserAgent[] = "TarnWick+";

}  // namespace

ConnectionController::ConnectionController(ConnectionView& view, SettingsStore& store)
    : view_(view), store_(store) {}

void ConnectionController::StartUp() {
  // The first login comes with the first tick, five minutes from now.
  view_.SetTimerInterval(kConnectedInterval);
  settings_ = store_.Load();
  view_.SetUserNameText(settings_.UserName);
  view_.SetPasswordText(settings_.UserPassword);
  view_.SetAddressText(settings_.AddressText);
  if (settings_.ConnectionState == kStateNotConnected) {
    view_.SetStatusText(ui_text::kNotConnected);
    view_.SetDisconnectEnabled(false);
    view_.SetLoginEnabled(true);
  } else if (settings_.ConnectionState == kStateConnected) {
    view_.SetStatusText(ui_text::kConnected);
    view_.SetDisconnectEnabled(true);
    view_.SetLoginEnabled(false);
  }
}

std::string ConnectionController::Fetch(const std::string& address) {
  IdHTTP1->Request.ContentType = kContentType;
  IdHTTP1->Request.UserAgent = kUserAgent;
  IdHTTP1->TimeLimit = time_limit_;
  return FetchText(*IdHTTP1, address);
}

void ConnectionController::Login() {
  view_.SetLoginEnabled(false);
  view_.SetStatusText(ui_text::kConnecting);
  settings_.UserName = view_.UserNameText();
  settings_.UserPassword = view_.PasswordText();
  store_.Save(settings_);
  settings_ = store_.Reload();
  view_.SetUserNameText(settings_.UserName);
  view_.SetPasswordText(settings_.UserPassword);
  view_.SetAddressText(settings_.AddressText);

  IdHTTP1 = std::make_unique<HttpClient>();
  const std::string address =
      BuildLoginAddress(script_address_, settings_.UserName, settings_.UserPassword, clock_());
  try {
    last_response_.clear();
    last_response_ = Fetch(address);
  } catch (const std::exception&) {
    // Whatever failed, the outcome is decided from the (empty) response below.
  }

  if (!last_response_.empty()) {
    view_.SetAddressText(last_response_);
    settings_.AddressText = last_response_;
    settings_.ConnectionState = kStateConnected;
    view_.SetStatusText(ui_text::kConnected);
    view_.SetDisconnectEnabled(true);
    view_.SetLoginEnabled(false);
  } else {
    view_.SetStatusText(ui_text::kNotConnected);
    settings_.ConnectionState = kStateNotConnected;
    settings_.AddressText = kNoAddress;
    view_.SetDisconnectEnabled(false);
    view_.SetLoginEnabled(true);
  }
  IdHTTP1.reset();
  store_.Save(settings_);
  view_.SetTimerInterval(settings_.ConnectionState == kStateConnected ? kConnectedInterval
                                                                      : kNotConnectedInterval);
}

void ConnectionController::LoginClicked() {
  Login();
  view_.SetTimerEnabled(true);
}

void ConnectionController::Disconnect() {
  last_response_.clear();
  try {
    IdHTTP1 = std::make_unique<HttpClient>();
    last_response_ =
        Fetch(BuildQuitAddress(script_address_, settings_.UserName, settings_.UserPassword, clock_()));
  } catch (const std::exception&) {
    view_.SetStatusText(ui_text::kRequestFailed);
  }
  IdHTTP1.reset();

  if (last_response_.empty()) {
    view_.SetStatusText(ui_text::kRequestFailed);
    return;
  }
  view_.SetDisconnectEnabled(false);
  view_.SetLoginEnabled(true);
  view_.SetTimerEnabled(false);
  view_.SetStatusText(ui_text::kNotConnected);
  view_.SetAddressText(kNoAddress);
  // The record keeps its state and address; the next login saves them again before
  // its exchange decides anew.
  ClientSettings stored = settings_;
  stored.ConnectionState = kStateNotConnected;
  stored.AddressText = kNoAddress;
  store_.Save(stored);
}

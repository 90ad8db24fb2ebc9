#include "toolkit/edit.h"

#include <algorithm>

#include "toolkit/published_properties.h"

namespace {
const EnumName<TEditCharCase> kCharCaseNames[] = {{"ecNormal", TEditCharCase::ecNormal},
                                                  {"ecUpperCase", TEditCharCase::ecUpperCase},
                                                  {"ecLowerCase", TEditCharCase::ecLowerCase}};
const EnumName<TEditBorderStyle> kEditBorderNames[] = {{"bsNone", TEditBorderStyle::bsNone},
                                                       {"bsSingle", TEditBorderStyle::bsSingle}};
}  // namespace

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

const ClassInfo& TEdit::ClassInfo() const {
  static const ::ClassInfo info(
      "TEdit", &TWinControl::ClassInfo(),
      {StringProperty<TEdit>("PasswordChar", &TEdit::PasswordCharText, &TEdit::SetPasswordCharText),
       IntegerProperty<TEdit>("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength),
       BooleanProperty<TEdit>("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly),
       BooleanProperty<TEdit>("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect),
       EnumProperty<TEdit>("CharCase", kCharCaseNames, &TEdit::CharCase, &TEdit::SetCharCase),
       EnumProperty<TEdit>("BorderStyle", kEditBorderNames, &TEdit::EditBorderStyle, &TEdit::SetEditBorderStyle),
       EventMember<TEdit, TNotifyEvent>("OnChange", &TEdit::OnChange)});
  return info;
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.system_class = "EDIT";
  params.window_class = "Tarnwick.TEdit";
  params.style |= ES_AUTOHSCROLL;
  if (read_only_) params.style |= ES_READONLY;
  if (char_case_ == TEditCharCase::ecUpperCase) params.style |= ES_UPPERCASE;
  if (char_case_ == TEditCharCase::ecLowerCase) params.style |= ES_LOWERCASE;
  // A password box from the start masks with "*" already: told that character after it is
  // made, it has nothing to restyle and redraw.
  if (password_char_) params.style |= ES_PASSWORD;
  if (border_style_ == TEditBorderStyle::bsSingle) params.ex_style |= WS_EX_CLIENTEDGE;
  params.caption = TControl::Text();
}

void TEdit::CreateHandleDone() {
  if (password_char_) SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(password_char_), 0);
  if (max_length_ > 0) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

const std::string& TEdit::Text() const {
  if (!HandleAllocated()) return TControl::Text();
  HWND window = const_cast<TEdit*>(this)->Handle();
  const int length = std::max(GetWindowTextLengthA(window), 0);
  text_cache_.assign(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text_cache_.data(), length + 1);
  text_cache_.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
  return text_cache_;
}

void TEdit::SetText(const std::string& text) {
  TControl::SetText(text);  // TextChanged puts it into the window
}

void TEdit::SetPasswordChar(char character) {
  if (character == password_char_) return;
  password_char_ = character;
  if (HandleAllocated()) {
    SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(character), 0);
    Invalidate();
  }
}

void TEdit::SetPasswordCharText(const std::string& text) {
  if (text.size() > 1) throw PropertyValueError("PasswordChar takes one character");
  SetPasswordChar(text.empty() ? '\0' : text[0]);
}

void TEdit::SetMaxLength(int length) {
  length = std::max(length, 0);
  if (length == max_length_) return;
  max_length_ = length;
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TEdit::SetReadOnly(bool read_only) {
  if (read_only == read_only_) return;
  read_only_ = read_only;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, read_only, 0);
}

void TEdit::SetCharCase(TEditCharCase char_case) {
  if (char_case == char_case_) return;
  TControl::SetText(Text());  // kept across the re-creation
  char_case_ = char_case;
  RecreateWnd();
}

void TEdit::SetEditBorderStyle(TEditBorderStyle style) {
  if (style == border_style_) return;
  TControl::SetText(Text());
  border_style_ = style;
  RecreateWnd();
}

void TEdit::SelectAll() {
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TEdit::DoEnter() {
  if (auto_select_) SelectAll();
  TWinControl::DoEnter();
}

void TEdit::ColorChanged() {
  background_.Reset();
  TWinControl::ColorChanged();
}

void TEdit::WndProc(TMessage& message) {
  switch (message.msg) {
    case CN_COMMAND:
      if (HIWORD(message.wParam) == EN_CHANGE && OnChange) OnChange(this);
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(message.wParam);
      SetTextColor(dc, ColorToRGB(Font().Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      if (!background_) background_.Reset(CreateSolidBrush(ColorToRGB(Color())));
      message.result = reinterpret_cast<LRESULT>(background_.Get());
      return;
    }
    default:
      TWinControl::WndProc(message);
  }
}

// A stand-in for the skinned components: a windowed control under any class name that
// publishes `UIStyle` and (unless told otherwise) `FileTheme`, and logs every assignment.
//
//   auto* button = new SkinnedProbe(form, "TsuiButton");
//   button->SetParent(form);
//   ApplyStyleToChildren(*form, TsuiUIStyle::WinXP, nullptr);
//   EXPECT_EQ(button->log, "FileTheme=nil;UIStyle=WinXP;");
#pragma once

#include <string>

#include "skin/file_theme.h"
#include "skin/ui_style.h"
#include "skin/ui_style_property.h"
#include "toolkit/published_properties.h"
#include "toolkit/win_control.h"

enum class ProbeProperties { StyleAndTheme, StyleOnly };

class SkinnedProbe : public TWinControl {
 public:
  SkinnedProbe(TComponent* owner, std::string class_name, ProbeProperties properties = ProbeProperties::StyleAndTheme)
      : TWinControl(owner), class_name_(std::move(class_name)), properties_(properties) {}

  std::string_view ClassName() const override { return class_name_; }
  const ::ClassInfo& ClassInfo() const override {
    static const ::ClassInfo both(
        "SkinnedProbe", &TWinControl::ClassInfo(),
        {EnumProperty<SkinnedProbe>("UIStyle", kUIStyleNames, &SkinnedProbe::UIStyle, &SkinnedProbe::SetUIStyle),
         ReferenceProperty<SkinnedProbe, TsuiFileTheme>("FileTheme", &SkinnedProbe::FileTheme,
                                                        &SkinnedProbe::SetFileTheme)});
    static const ::ClassInfo style_only(
        "SkinnedStyleProbe", &TWinControl::ClassInfo(),
        {EnumProperty<SkinnedProbe>("UIStyle", kUIStyleNames, &SkinnedProbe::UIStyle, &SkinnedProbe::SetUIStyle)});
    return properties_ == ProbeProperties::StyleAndTheme ? both : style_only;
  }

  TsuiUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TsuiUIStyle style) {
    style_ = style;
    log += "UIStyle=" + std::string(UIStyleIdentifier(style)) + ";";
  }
  TsuiFileTheme* FileTheme() const { return theme_; }
  void SetFileTheme(TsuiFileTheme* theme) {
    theme_ = theme;
    if (theme) theme->FreeNotification(this);
    log += "FileTheme=" + (theme ? (theme->Name().empty() ? std::string("unnamed") : theme->Name()) : "nil") + ";";
  }

  void Notification(TComponent* component, Operation operation) override {
    if (operation == Operation::Remove && component == theme_) theme_ = nullptr;
    TWinControl::Notification(component, operation);
  }

  std::string log;

 private:
  std::string class_name_;
  ProbeProperties properties_;
  TsuiUIStyle style_ = TsuiUIStyle::DeepBlue;
  TsuiFileTheme* theme_ = nullptr;
};

// A new skinned button's values, the style it takes from its form, and a button read from
// a stored form description.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/button.h"
#include "tests/controls/button_fixture.h"
#include "skin/component_styling.h"
#include "tests/skin/skinned_probe.h"
#include "toolkit/description_reader.h"
#include "toolkit/published_properties.h"

namespace {

class ButtonCreationTest : public ButtonFormTest {};

TEST_F(ButtonCreationTest, ANewButtonHasItsCreationValues) {
  TsuiButton button(nullptr);
  EXPECT_EQ(button.Width(), 80);
  EXPECT_EQ(button.Height(), 27);
  EXPECT_EQ(button.UIStyle(), TsuiUIStyle::DeepBlue) << "no form, no skinned form";
  EXPECT_FALSE(button.Transparent()) << "as DeepBlue has it";
  EXPECT_TRUE(button.TabStop());
  EXPECT_EQ(button.TabOrder(), -1);
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(button.Caption(), "");
  EXPECT_FALSE(button.Default());
  EXPECT_FALSE(button.Cancel());
  EXPECT_FALSE(button.AutoSize());
  EXPECT_EQ(button.ModalResult(), 0);
  EXPECT_EQ(button.FocusedRectMargin(), 2);
  EXPECT_EQ(button.MouseContinuouslyDownInterval(), 100);
  EXPECT_EQ(button.Spacing(), 4);
  EXPECT_EQ(button.Layout(), TButtonLayout::blGlyphLeft);
  EXPECT_TRUE(button.Glyph().Empty());
  EXPECT_EQ(button.FileTheme(), nullptr);
  EXPECT_EQ(button.RepeatTimer(), nullptr);
  EXPECT_FALSE(button.IsHovered());
  EXPECT_FALSE(button.IsPressed());
  EXPECT_FALSE(button.BoldCaptionOnce());
  EXPECT_EQ(button.Font().Color(), clBlack);
  button.SetResHandle(1234);
  EXPECT_EQ(button.ResHandle(), 0);
}

TEST_F(ButtonCreationTest, TakesTheStyleOfTheFormsSkinnedForm) {
  auto* skinned_form = Keep(new SkinnedProbe(form_, "TsuiForm"));
  skinned_form->SetParent(form_);
  skinned_form->SetUIStyle(TsuiUIStyle::MacOS);
  auto* button = Keep(new TsuiButton(form_));
  EXPECT_EQ(button->UIStyle(), TsuiUIStyle::MacOS);
  EXPECT_TRUE(button->Transparent());
  EXPECT_TRUE(button->SkinTransparent());
}

TEST_F(ButtonCreationTest, WindowCreationMakesTheDefaultButtonTheActiveOne) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  EXPECT_FALSE(button->ActiveDefault());
  auto* later = Keep(new TsuiButton(form_));
  later->SetDefault(true);
  EXPECT_FALSE(later->ActiveDefault()) << "no window yet";
  later->SetParent(form_);
  ASSERT_TRUE(later->HandleAllocated());
  EXPECT_TRUE(later->ActiveDefault());
}

TEST_F(ButtonCreationTest, AStyleChangeReplacesWhatTheStyleSet) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  button->Font().SetColor(clRed);
  button->SetTransparent(true);
  button->SetUIStyle(TsuiUIStyle::Protein);
  EXPECT_FALSE(button->Transparent());
  EXPECT_EQ(button->Font().Color(), clBlack);
  button->SetUIStyle(TsuiUIStyle::BlueGlass);
  EXPECT_TRUE(button->Transparent());
}

TEST_F(ButtonCreationTest, TheFormCanPassItsStyleToTheButton) {
  TsuiButton* button = AddButton(TsuiUIStyle::WinXP, 20, 20);
  ApplyStyleToChildren(*form_, TsuiUIStyle::BlueGlass, nullptr);
  EXPECT_EQ(button->UIStyle(), TsuiUIStyle::BlueGlass);
  EXPECT_TRUE(button->Transparent());
}

// The text a description stores for a picture: its BMP file bytes in hexadecimal.
std::string StoredPicture(const Bitmap& picture) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text = "{ ";
  for (const std::uint8_t byte : picture.SaveToBmpBytes()) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text + " }";
}

TEST(ButtonDescriptionTest, AStoredTransparentOverridesWhatTheStoredStyleSet) {
  RegisterButtonClass();
  TForm root(nullptr);
  HandlerTable handlers;
  int clicks = 0;
  handlers.Add<TNotifyEvent>("suiButton1Click", [&](TComponent*) { ++clicks; });
  Bitmap glyph;
  glyph.SetSize(32, 16);
  ReadDescription(root,
                  "object Form9: TForm\n"
                  "  object suiButton1: TsuiButton\n"
                  "    Left = 18\n"
                  "    Top = 120\n"
                  "    Width = 46\n"
                  "    Height = 22\n"
                  "    UIStyle = MacOS\n"
                  "    Transparent = False\n"
                  "    Caption = \"Log in\"\n"
                  "    Default = True\n"
                  "    ModalResult = 1\n"
                  "    Layout = blGlyphTop\n"
                  "    Spacing = 7\n"
                  "    MouseContinuouslyDownInterval = 250\n"
                  "    FocusedRectMargin = 3\n"
                  "    OnClick = suiButton1Click\n"
                  "    Glyph = " + StoredPicture(glyph) + "\n"
                  "  end\n"
                  "end\n",
                  "form9.dfm", handlers);
  auto* button = dynamic_cast<TsuiButton*>(root.FindComponent("suiButton1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Parent(), &root);
  EXPECT_EQ(button->UIStyle(), TsuiUIStyle::MacOS);
  EXPECT_FALSE(button->Transparent());
  EXPECT_FALSE(button->SkinTransparent());
  EXPECT_EQ(button->Width(), 46);
  EXPECT_EQ(button->Caption(), "Log in");
  EXPECT_TRUE(button->Default());
  EXPECT_EQ(button->ModalResult(), 1);
  EXPECT_EQ(button->Layout(), TButtonLayout::blGlyphTop);
  EXPECT_EQ(button->Spacing(), 7);
  EXPECT_EQ(button->MouseContinuouslyDownInterval(), 250);
  EXPECT_EQ(button->FocusedRectMargin(), 3);
  EXPECT_EQ(GetPublishedProperty(*button, "UIStyle"), "MacOS");
  EXPECT_EQ(button->Glyph().Width(), 32);
  EXPECT_EQ(button->Glyph().Height(), 16);
  button->Click();
  EXPECT_EQ(clicks, 1);
}

}  // namespace

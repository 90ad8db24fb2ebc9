// TsuiEdit on a shown form under Wine: its two border rings read back from the screen for
// each style, file theme and stored description, and text typed through the message loop
// into the system control, masked when a password character is set.
#include "controls/edit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "skin/file_theme.h"
#include "tests/controls/shared_form.h"
#include "tests/skin/skin_fixture.h"
#include "tests/skin/skinned_probe.h"
#include "toolkit/description_reader.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/handler_table.h"
#include "toolkit/panel.h"
#include "toolkit/standard_classes.h"

namespace {

const auto* const kForm = ::testing::AddGlobalTestEnvironment(new SharedFormEnvironment(520, 60));

constexpr TColor kMacOSBorder = 0x7F7F7F;
constexpr TColor kWinXPBorder = 0x686868;
constexpr TColor kBlack = 0x000000;
constexpr TColor kThemeBorder = 0x00336699;
constexpr TColor kRed = 0x0000FF;
constexpr int kWidth = 110;
constexpr int kHeight = 19;

Bytes SkinWithBorderColour() {
  return MakeSkinFile(BuildSkinDataFile({IntegerEntry("SKIN2_CONTROLBORDERCOLOR", kThemeBorder)}), {});
}

// Every pixel of the outer ring in the border colour and of the ring inside it in the
// edit box's own colour, read from its window on the screen.
::testing::AssertionResult HasBorder(TsuiEdit& edit, TColor border) {
  const WindowDC dc(edit.Handle());
  const COLORREF inner = ColorToRGB(edit.Color());
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const int ring = std::min(std::min(x, kWidth - 1 - x), std::min(y, kHeight - 1 - y));
      if (ring > 1) continue;
      const COLORREF expected = ring == 0 ? border : inner;
      const COLORREF seen = GetPixel(dc.Get(), x, y);
      if (seen != expected) {
        std::ostringstream text;
        text << (ring == 0 ? "outer" : "inner") << " ring pixel " << x << "," << y << " is 0x" << std::hex << seen
             << ", expected 0x" << expected;
        return ::testing::AssertionFailure() << text.str();
      }
    }
  }
  return ::testing::AssertionSuccess();
}

class EditTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterStandardClasses();
    RegisterEditClass();
    folder_ = new SkinFolder;
    ready_ = new TsuiFileTheme(nullptr);
    ready_->SetThemeFile(folder_->Write("border.skn", SkinWithBorderColour()));
    not_ready_ = new TsuiFileTheme(nullptr);
  }
  static void TearDownTestSuite() {
    delete ready_;
    delete not_ready_;
    delete folder_;
  }
  void TearDown() override {
    for (auto it = owned_.rbegin(); it != owned_.rend(); ++it) delete *it;
    ::SetFocus(SharedForm().Handle());
    PumpMessages();
  }

  template <typename T>
  T* Own(T* component) {
    owned_.push_back(component);
    return component;
  }

  TsuiEdit* NewEdit(int row = 0) {
    auto* edit = Own(new TsuiEdit(&SharedForm()));
    edit->SetParent(&SharedForm());
    edit->SetBounds(20, 20 + 30 * row, kWidth, kHeight);
    return edit;
  }

  static inline SkinFolder* folder_ = nullptr;
  static inline TsuiFileTheme* ready_ = nullptr;
  static inline TsuiFileTheme* not_ready_ = nullptr;
  std::vector<TComponent*> owned_;
};

TEST_F(EditTest, IsTheSystemControlWithATwoPixelFrameInsteadOfItsEdge) {
  TsuiEdit* edit = NewEdit();
  EXPECT_GT(SendMessageA(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 0) << "only the system's edit control answers";
  EXPECT_EQ(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(GetWindowLongA(edit->Handle(), GWL_STYLE) & WS_BORDER, 0);
  RECT client{};
  GetClientRect(edit->Handle(), &client);
  EXPECT_EQ(client.right, kWidth - 4);
  EXPECT_EQ(client.bottom, kHeight - 4);
  POINT origin{0, 0};
  ClientToScreen(edit->Handle(), &origin);
  RECT window{};
  GetWindowRect(edit->Handle(), &window);
  EXPECT_EQ(origin.x - window.left, 2);
  EXPECT_EQ(origin.y - window.top, 2);
}

struct InitialCase {
  const char* description;
  const char* skinned_form_style;  // null: no skinned form on the owner
  TsuiUIStyle expected_style;
  TColor expected_border;
};

void PrintTo(const InitialCase& c, std::ostream* os) { *os << c.description; }

class EditInitialStyleTest : public EditTest, public ::testing::WithParamInterface<InitialCase> {};

TEST_P(EditInitialStyleTest, StartsInTheStyleOfTheOwnersSkinnedForm) {
  const InitialCase& c = GetParam();
  if (c.skinned_form_style) {
    auto* skinned_form = Own(new SkinnedProbe(&SharedForm(), "TsuiForm"));
    skinned_form->SetParent(&SharedForm());
    skinned_form->SetBounds(300, 200, 4, 4);
    SetPublishedProperty(*skinned_form, "UIStyle", c.skinned_form_style);
  }
  TsuiEdit* edit = NewEdit();
  PumpMessages();
  EXPECT_EQ(edit->UIStyle(), c.expected_style);
  EXPECT_EQ(edit->BorderColor(), c.expected_border);
  EXPECT_TRUE(HasBorder(*edit, c.expected_border));
}

INSTANTIATE_TEST_SUITE_P(Owners, EditInitialStyleTest, ::testing::Values(
    InitialCase{"on_a_macos_skinned_form", "MacOS", TsuiUIStyle::MacOS, kMacOSBorder},
    InitialCase{"on_a_winxp_skinned_form", "WinXP", TsuiUIStyle::WinXP, kWinXPBorder},
    InitialCase{"on_a_form_without_one", nullptr, TsuiUIStyle::DeepBlue, kBlack}),
    [](const auto& info) { return std::string(info.param.description); });

enum class ThemeState { None, NotReady, Ready };

struct StyleCase {
  const char* description;
  TsuiUIStyle style;
  ThemeState theme;
  TColor expected_border;
};

void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.description; }

class EditStyleTest : public EditTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(EditStyleTest, TakesTheBorderColourOfTheStyleOrTheReadyTheme) {
  const StyleCase& c = GetParam();
  TsuiEdit* edit = NewEdit();
  edit->SetBorderColor(kRed);
  edit->SetFileTheme(c.theme == ThemeState::Ready ? ready_ : c.theme == ThemeState::NotReady ? not_ready_ : nullptr);
  edit->SetUIStyle(c.style);
  PumpMessages();
  EXPECT_EQ(edit->BorderColor(), c.expected_border);
  EXPECT_TRUE(HasBorder(*edit, c.expected_border));
}

INSTANTIATE_TEST_SUITE_P(Styles, EditStyleTest, ::testing::Values(
    StyleCase{"macos", TsuiUIStyle::MacOS, ThemeState::None, kMacOSBorder},
    StyleCase{"winxp", TsuiUIStyle::WinXP, ThemeState::None, kWinXPBorder},
    StyleCase{"deepblue", TsuiUIStyle::DeepBlue, ThemeState::None, kBlack},
    StyleCase{"protein", TsuiUIStyle::Protein, ThemeState::None, kBlack},
    StyleCase{"blueglass", TsuiUIStyle::BlueGlass, ThemeState::None, kBlack},
    StyleCase{"from_theme_file_without_theme", TsuiUIStyle::FromThemeFile, ThemeState::None, kBlack},
    StyleCase{"from_theme_file_not_ready", TsuiUIStyle::FromThemeFile, ThemeState::NotReady, kBlack},
    StyleCase{"from_theme_file_ready", TsuiUIStyle::FromThemeFile, ThemeState::Ready, kThemeBorder},
    StyleCase{"builtin_style_beside_a_ready_theme", TsuiUIStyle::MacOS, ThemeState::Ready, kMacOSBorder}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(EditTest, AssigningTheThemeAppliesTheStyleAgain) {
  TsuiEdit* edit = NewEdit();
  edit->SetUIStyle(TsuiUIStyle::FromThemeFile);
  ASSERT_EQ(edit->BorderColor(), kBlack);
  edit->SetFileTheme(ready_);
  PumpMessages();
  EXPECT_EQ(edit->BorderColor(), kThemeBorder);
  EXPECT_TRUE(HasBorder(*edit, kThemeBorder));
}

TEST_F(EditTest, DestroyingItsThemeSwitchesToDeepBlue) {
  auto theme = std::make_unique<TsuiFileTheme>(nullptr);
  theme->SetThemeFile(folder_->Write("gone.skn", SkinWithBorderColour()));
  TsuiEdit* edit = NewEdit();
  edit->SetUIStyle(TsuiUIStyle::MacOS);
  edit->SetFileTheme(theme.get());
  edit->SetUIStyle(TsuiUIStyle::FromThemeFile);
  PumpMessages();
  ASSERT_TRUE(HasBorder(*edit, kThemeBorder));

  theme.reset();
  PumpMessages();

  EXPECT_EQ(edit->FileTheme(), nullptr);
  EXPECT_EQ(edit->UIStyle(), TsuiUIStyle::DeepBlue) << "not back to MacOS";
  EXPECT_TRUE(HasBorder(*edit, kBlack));
}

struct StoredCase {
  const char* description;
  const char* properties;  // stored lines of the edit box
  TColor expected_border;
};

void PrintTo(const StoredCase& c, std::ostream* os) { *os << c.description; }

class EditStoredTest : public EditTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(EditStoredTest, AStoredBorderColourOverridesTheStyleUntilTheStyleChanges) {
  const StoredCase& c = GetParam();
  auto* host = Own(new TPanel(&SharedForm()));
  host->SetParent(&SharedForm());
  host->SetBounds(0, 0, 200, 100);
  const std::string text = std::string("object Host1: TPanel\n  object suiEdit1: TsuiEdit\n") +
                           "    Left = 20\n    Top = 20\n    Width = 110\n    Height = 19\n" + c.properties +
                           "  end\nend\n";
  ReadDescription(*host, text, "stored.dfm", HandlerTable());
  auto* edit = dynamic_cast<TsuiEdit*>(host->FindComponent("suiEdit1"));
  ASSERT_NE(edit, nullptr);
  PumpMessages();
  EXPECT_EQ(edit->BorderColor(), c.expected_border);
  EXPECT_TRUE(HasBorder(*edit, c.expected_border));

  edit->SetUIStyle(TsuiUIStyle::WinXP);
  PumpMessages();
  EXPECT_EQ(edit->BorderColor(), kWinXPBorder) << "a change of style at run time replaces it";
  EXPECT_TRUE(HasBorder(*edit, kWinXPBorder));
}

INSTANTIATE_TEST_SUITE_P(Descriptions, EditStoredTest, ::testing::Values(
    StoredCase{"style_alone", "    UIStyle = MacOS\n", kMacOSBorder},
    StoredCase{"colour_after_the_style", "    UIStyle = MacOS\n    BorderColor = clRed\n", kRed},
    StoredCase{"numeric_colour_among_other_edit_properties",
               "    UIStyle = MacOS\n    BorderColor = 13158\n    PasswordChar = \"*\"\n    TabOrder = 6\n", 13158}),
    [](const auto& info) { return std::string(info.param.description); });

void Type(HWND window, const std::string& text) {
  for (const char c : text) PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
  PumpMessages();
}

TEST_F(EditTest, TypedTextReachesTheSystemControl) {
  TsuiEdit* edit = NewEdit();
  int changes = 0;
  edit->OnChange = [&](TComponent*) { ++changes; };
  edit->SetFocus();
  Type(edit->Handle(), "tarn\b\bwick");
  EXPECT_EQ(edit->Text(), "tawick");
  char window_text[32] = {};
  GetWindowTextA(edit->Handle(), window_text, sizeof window_text);
  EXPECT_STREQ(window_text, "tawick");
  EXPECT_EQ(changes, 10);
  EXPECT_TRUE(HasBorder(*edit, edit->BorderColor())) << "typing leaves the border";
}

// The client area as the screen shows it.
std::vector<COLORREF> ClientPixels(TsuiEdit& edit) {
  const ClientDC dc(edit.Handle());
  std::vector<COLORREF> pixels;
  for (int y = 0; y < kHeight - 4; ++y)
    for (int x = 0; x < kWidth - 4; ++x) pixels.push_back(GetPixel(dc.Get(), x, y));
  return pixels;
}

TEST_F(EditTest, APasswordShowsOneMaskPerCharacterAndKeepsTheText) {
  TsuiEdit* password = NewEdit(0);
  TsuiEdit* stars = NewEdit(1);
  TsuiEdit* plain = NewEdit(2);
  password->SetPasswordChar('*');
  password->SetFocus();
  Type(password->Handle(), "pw1");
  stars->SetText("***");
  plain->SetText("pw1");
  ::SetFocus(SharedForm().Handle());  // no caret in any of them
  PumpMessages();

  EXPECT_EQ(password->Text(), "pw1");
  EXPECT_EQ(SendMessageA(password->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_EQ(ClientPixels(*password), ClientPixels(*stars)) << "shows ***";
  EXPECT_NE(ClientPixels(*password), ClientPixels(*plain)) << "never the characters";
}

TEST_F(EditTest, AMaskCharacterGivenBeforeTheWindowIsMadeIsTheOneShown) {
  auto* hashes = Own(new TsuiEdit(&SharedForm()));
  hashes->SetPasswordChar('#');
  hashes->SetParent(&SharedForm());
  hashes->SetBounds(20, 20, kWidth, kHeight);
  TsuiEdit* shown = NewEdit(1);
  hashes->SetText("pw");
  shown->SetText("##");
  PumpMessages();
  EXPECT_EQ(hashes->Text(), "pw");
  EXPECT_EQ(SendMessageA(hashes->Handle(), EM_GETPASSWORDCHAR, 0, 0), '#');
  EXPECT_EQ(ClientPixels(*hashes), ClientPixels(*shown)) << "shows ##";
}

}  // namespace

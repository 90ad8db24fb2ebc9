#include "skin/style_resolution.h"

#include <gtest/gtest.h>

#include <ostream>

#include "skin/file_theme.h"
#include "tests/skin/skin_fixture.h"
#include "tests/skin/skinned_probe.h"
#include "toolkit/form.h"

namespace {

enum class ThemeState { None, NotReady, Ready };

struct ResolveCase {
  const char* description;
  TsuiUIStyle style;
  ThemeState theme;
  bool expected_result;
  TsuiUIStyle expected_style;
};

void PrintTo(const ResolveCase& c, std::ostream* os) { *os << c.description; }

class ResolveUIStyleTest : public ::testing::TestWithParam<ResolveCase> {
 protected:
  static void SetUpTestSuite() {
    folder_ = new SkinFolder;
    ready_ = new TsuiFileTheme(nullptr);
    ready_->SetThemeFile(folder_->Write(
        "ready.skn", MakeSkinFile(BuildSkinDataFile({IntegerEntry("SKIN2_FORMCOLOR", 0x00ABCDEF)}), {})));
    not_ready_ = new TsuiFileTheme(nullptr);
    Bytes damaged = MakeSkinFile(BuildSkinDataFile({IntegerEntry("SKIN2_FORMCOLOR", 1)}), {});
    damaged[0] = 'P';
    not_ready_->SetThemeFile(folder_->Write("damaged.skn", damaged));
  }
  static void TearDownTestSuite() {
    delete ready_;
    delete not_ready_;
    delete folder_;
  }
  static const TsuiFileTheme* Theme(ThemeState state) {
    return state == ThemeState::Ready ? ready_ : state == ThemeState::NotReady ? not_ready_ : nullptr;
  }

  static inline SkinFolder* folder_ = nullptr;
  static inline TsuiFileTheme* ready_ = nullptr;
  static inline TsuiFileTheme* not_ready_ = nullptr;
};

TEST_P(ResolveUIStyleTest, ChoosesTheSource) {
  const ResolveCase& c = GetParam();
  ASSERT_TRUE(ready_->Ready());
  ASSERT_FALSE(not_ready_->Ready());
  TsuiUIStyle effective = static_cast<TsuiUIStyle>(77);
  EXPECT_EQ(ResolveUIStyle(Theme(c.theme), c.style, effective), c.expected_result);
  EXPECT_EQ(effective, c.expected_style);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResolveUIStyleTest, ::testing::Values(
    ResolveCase{"builtin_without_theme", TsuiUIStyle::WinXP, ThemeState::None, false, TsuiUIStyle::WinXP},
    ResolveCase{"builtin_beside_a_ready_theme", TsuiUIStyle::MacOS, ThemeState::Ready, false, TsuiUIStyle::MacOS},
    ResolveCase{"from_file_without_theme", TsuiUIStyle::FromThemeFile, ThemeState::None, false, TsuiUIStyle::DeepBlue},
    ResolveCase{"from_file_not_ready", TsuiUIStyle::FromThemeFile, ThemeState::NotReady, false, TsuiUIStyle::DeepBlue},
    ResolveCase{"from_file_ready", TsuiUIStyle::FromThemeFile, ThemeState::Ready, true, TsuiUIStyle::FromThemeFile},
    ResolveCase{"high_bit_ignored", static_cast<TsuiUIStyle>(0x80 | 5), ThemeState::None, false, TsuiUIStyle::BlueGlass},
    ResolveCase{"high_bit_from_file", static_cast<TsuiUIStyle>(0x80), ThemeState::Ready, true, TsuiUIStyle::FromThemeFile}),
    [](const auto& info) { return std::string(info.param.description); });

class GetFormUIStyleTest : public ::testing::Test {
 protected:
  void TearDown() override { delete form_; }

  SkinnedProbe* AddChild(const char* class_name, TsuiUIStyle style) {
    auto* child = new SkinnedProbe(form_, class_name);
    child->SetParent(form_);
    child->SetUIStyle(style);
    return child;
  }

  TForm* form_ = new TForm(nullptr);
};

TEST_F(GetFormUIStyleTest, TakesTheFirstSkinnedFormAmongTheChildControls) {
  AddChild("TsuiButton", TsuiUIStyle::Protein);
  AddChild("TsuiForm", TsuiUIStyle::WinXP);
  AddChild("TsuiForm", TsuiUIStyle::MacOS);
  EXPECT_EQ(GetFormUIStyle(form_), TsuiUIStyle::WinXP);
}

TEST_F(GetFormUIStyleTest, AFormWithoutASkinnedFormGivesDeepBlue) {
  AddChild("TsuiButton", TsuiUIStyle::Protein);
  EXPECT_EQ(GetFormUIStyle(form_), TsuiUIStyle::DeepBlue);
}

TEST_F(GetFormUIStyleTest, ASkinnedFormOwnedElsewhereStillCountsAsAChild) {
  TComponent elsewhere(nullptr);
  auto* skinned = new SkinnedProbe(&elsewhere, "TsuiForm");
  skinned->SetUIStyle(TsuiUIStyle::BlueGlass);
  skinned->SetParent(form_);
  EXPECT_EQ(GetFormUIStyle(form_), TsuiUIStyle::BlueGlass);
  skinned->SetParent(nullptr);
}

TEST(GetFormUIStyleOwnerTest, AnOwnerThatIsNoFormGivesDeepBlue) {
  TComponent plain(nullptr);
  EXPECT_EQ(GetFormUIStyle(&plain), TsuiUIStyle::DeepBlue);
  EXPECT_EQ(GetFormUIStyle(nullptr), TsuiUIStyle::DeepBlue);
  // A skinned form inside a panel-like container is not the form's own child.
  SkinnedProbe container(nullptr, "TPanel");
  auto* skinned = new SkinnedProbe(&container, "TsuiForm");
  skinned->SetParent(&container);
  skinned->SetUIStyle(TsuiUIStyle::MacOS);
  EXPECT_EQ(GetFormUIStyle(&container), TsuiUIStyle::DeepBlue);
}

}  // namespace

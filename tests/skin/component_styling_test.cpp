#include "skin/component_styling.h"

#include <gtest/gtest.h>

#include "skin/file_theme.h"
#include "tests/skin/skinned_probe.h"
#include "toolkit/form.h"
#include "toolkit/label.h"

namespace {

class ApplyStyleToChildrenTest : public ::testing::Test {
 protected:
  ApplyStyleToChildrenTest() {
    theme_->SetName("suiFileTheme1");
    button_->SetParent(form_);
    plain_->SetParent(form_);
    style_only_->SetParent(form_);
    container_->SetParent(form_);
    grandchild_->SetParent(container_);
    label_->SetParent(form_);
  }
  ~ApplyStyleToChildrenTest() override { delete form_; }

  TForm* form_ = new TForm(nullptr);
  TsuiFileTheme* theme_ = new TsuiFileTheme(form_);
  SkinnedProbe* button_ = new SkinnedProbe(form_, "TsuiButton");
  SkinnedProbe* plain_ = new SkinnedProbe(form_, "TOtherButton");
  SkinnedProbe* style_only_ = new SkinnedProbe(form_, "TsuiStyleOnly", ProbeProperties::StyleOnly);
  SkinnedProbe* container_ = new SkinnedProbe(form_, "TsuiPanel");
  SkinnedProbe* grandchild_ = new SkinnedProbe(form_, "TsuiEdit");
  TLabel* label_ = new TLabel(form_);
};

TEST_F(ApplyStyleToChildrenTest, SetsThemeThenStyleOnDirectChildrenThatPublishBoth) {
  ApplyStyleToChildren(*form_, TsuiUIStyle::WinXP, theme_);
  EXPECT_EQ(button_->log, "FileTheme=suiFileTheme1;UIStyle=WinXP;");
  EXPECT_EQ(plain_->log, "FileTheme=suiFileTheme1;UIStyle=WinXP;") << "any class that publishes both";
  EXPECT_EQ(container_->log, "FileTheme=suiFileTheme1;UIStyle=WinXP;");
  EXPECT_EQ(style_only_->log, "") << "publishes no FileTheme";
  EXPECT_EQ(grandchild_->log, "") << "grandchildren are not visited";
  EXPECT_EQ(button_->FileTheme(), theme_);
  EXPECT_EQ(button_->UIStyle(), TsuiUIStyle::WinXP);
}

TEST_F(ApplyStyleToChildrenTest, NoThemeClearsTheReference) {
  button_->SetFileTheme(theme_);
  button_->log.clear();
  ApplyStyleToChildren(*form_, TsuiUIStyle::MacOS, nullptr);
  EXPECT_EQ(button_->log, "FileTheme=nil;UIStyle=MacOS;");
  EXPECT_EQ(button_->FileTheme(), nullptr);
}

TEST_F(ApplyStyleToChildrenTest, AnUnnamedThemeOfAnotherOwnerIsHandedOverAsItIs) {
  TsuiFileTheme stranger(nullptr);
  ApplyStyleToChildren(*form_, TsuiUIStyle::FromThemeFile, &stranger);
  EXPECT_EQ(button_->FileTheme(), &stranger);
  EXPECT_EQ(button_->log, "FileTheme=unnamed;UIStyle=FromThemeFile;");
}

TEST_F(ApplyStyleToChildrenTest, PublishedReferenceIsRecognisesOnlyTheTarget) {
  TsuiFileTheme other(form_);
  other.SetName("suiFileTheme2");
  button_->SetFileTheme(theme_);
  EXPECT_TRUE(PublishedReferenceIs(*button_, "FileTheme", *theme_));
  EXPECT_FALSE(PublishedReferenceIs(*button_, "FileTheme", other));
  EXPECT_FALSE(PublishedReferenceIs(*plain_, "FileTheme", *theme_)) << "refers to none";
  EXPECT_FALSE(PublishedReferenceIs(*style_only_, "FileTheme", *theme_)) << "publishes none";
  EXPECT_FALSE(PublishedReferenceIs(*label_, "FileTheme", *theme_));
}

TEST_F(ApplyStyleToChildrenTest, AssigningAReferenceThatIsNotPublishedIsRefused) {
  EXPECT_THROW(AssignPublishedReference(*label_, "FileTheme", theme_), PropertyValueError);
  EXPECT_THROW(AssignPublishedReference(*button_, "FileTheme", label_), PropertyValueError)
      << "a label is no file theme";
  EXPECT_EQ(button_->FileTheme(), nullptr);
}

}  // namespace

#include "skin/file_theme.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "tests/skin/skin_fixture.h"
#include "tests/skin/skinned_probe.h"
#include "toolkit/class_registry.h"
#include "toolkit/form.h"

namespace {

constexpr TColor kMissing = static_cast<TColor>(-1);
constexpr TColor kMarker = RGBColor(1, 2, 3);

// The skin file's pixels are 0x00RRGGBB; each one names its position.
std::uint32_t SkinPixel(int x, int y) {
  return (static_cast<std::uint32_t>(10 + x * 7) << 16) | (static_cast<std::uint32_t>(20 + y * 30) << 8) | 50u;
}
TColor ExpectedPixel(int x, int y) {
  return RGBColor(static_cast<std::uint8_t>(10 + x * 7), static_cast<std::uint8_t>(20 + y * 30), 50);
}

Bytes SkinWithFormColor(std::int32_t form_color) {
  return MakeSkinFile(BuildSkinDataFile({
                          IntegerEntry("SKIN2_FORMCOLOR", form_color),
                          IntegerEntry("SKIN2_TRANSCOLOR", 0xFF00FF),
                          IntegerEntry("SKIN2_TITLEBARBUTTONPOSY", 7),
                          IntegerEntry("SKIN2_TITLEBARICONPOSX", -3),
                          BooleanEntry("SKIN2_BUTTONTRANS", true),
                          BooleanEntry("SKIN2_TITLEFIVESECT", false),
                          BitmapEntry("SKIN2_BUTTON", MakeBmpFile(30, 5, SkinPixel)),
                      }),
                      {});
}

Bytes SkinWithoutFormColor() {
  return MakeSkinFile(BuildSkinDataFile({IntegerEntry("SKIN2_TITLEFONTCOLOR", 0x000000FF)}), {});
}

Bytes EncryptedSkin(std::int32_t form_color, const std::string& password) {
  SkinArchiveOptions options;
  options.password = password;
  return MakeSkinFile(BuildSkinDataFile({IntegerEntry("SKIN2_FORMCOLOR", form_color)}), options);
}

std::string ProgramDirectory() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string full(path, length);
  return full.substr(0, full.find_last_of('\\'));
}

class FileThemeTest : public ::testing::Test {
 protected:
  SkinFolder folder_;
  TsuiFileTheme theme_{nullptr};
};

enum class Kind { Color, Integer, Boolean };

struct LookupCase {
  const char* description;
  Kind kind;
  int key;
  std::int64_t expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.description << " (key " << c.key << ")"; }

class FileThemeLookupTest : public FileThemeTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(FileThemeLookupTest, ReadsTheKeyNameOfTheNumber) {
  const LookupCase& c = GetParam();
  theme_.SetThemeFile(folder_.Write("plain.skn", SkinWithFormColor(0x00123456)));
  ASSERT_TRUE(theme_.Ready());
  switch (c.kind) {
    case Kind::Color: EXPECT_EQ(theme_.GetColor(c.key), static_cast<TColor>(c.expected)); break;
    case Kind::Integer: EXPECT_EQ(theme_.GetInteger(c.key), c.expected); break;
    case Kind::Boolean: EXPECT_EQ(theme_.GetBoolean(c.key), c.expected != 0); break;
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, FileThemeLookupTest, ::testing::Values(
    LookupCase{"form_colour", Kind::Color, 2, 0x00123456},
    LookupCase{"transparent_colour", Kind::Color, 0, 0xFF00FF},
    LookupCase{"missing_colour", Kind::Color, 1, kMissing},
    LookupCase{"colour_key_masked", Kind::Color, 128 + 2, 0x00123456},
    LookupCase{"colour_number_without_key", Kind::Color, 100, kMissing},
    LookupCase{"button_top", Kind::Integer, 4, 7},
    LookupCase{"key_132_reads_key_4", Kind::Integer, 132, 7},
    LookupCase{"negative_integer", Kind::Integer, 0, -3},
    LookupCase{"missing_integer", Kind::Integer, 1, -1},
    LookupCase{"button_transparent", Kind::Boolean, 5, 1},
    LookupCase{"stored_false", Kind::Boolean, 0, 0},
    LookupCase{"missing_boolean", Kind::Boolean, 6, 0}),
    [](const auto& info) { return std::string(info.param.description); });

TEST_F(FileThemeTest, ASkinWithoutTheFormColourGivesMinusOne) {
  theme_.SetThemeFile(folder_.Write("bare.skn", SkinWithoutFormColor()));
  ASSERT_TRUE(theme_.Ready());
  EXPECT_EQ(theme_.GetColor(2), kMissing);
  EXPECT_EQ(theme_.GetColor(1), 255u) << "a colour stored as 0x000000FF is pure red";
}

TEST_F(FileThemeTest, NothingLoadedGivesTheSentinels) {
  EXPECT_FALSE(theme_.Ready());
  EXPECT_EQ(theme_.ThemeFile(), "");
  EXPECT_EQ(theme_.GetColor(2), 0u);
  EXPECT_EQ(theme_.GetInteger(4), 0);
  EXPECT_FALSE(theme_.GetBoolean(5));
  EXPECT_EQ(theme_.GetBitmap(15), nullptr);
  for (const auto& [index, count] : {std::pair{2, 3}, std::pair{0, 0}}) {
    Bitmap destination;
    destination.SetSize(4, 4);
    theme_.CopyThemeBitmap(15, destination, index, count);
    EXPECT_TRUE(destination.Empty()) << "frame " << index << " of " << count;
  }
}

TEST_F(FileThemeTest, BitmapsAreKeptByTheThemeAndCopiedWholeOrByFrame) {
  theme_.SetThemeFile(folder_.Write("plain.skn", SkinWithFormColor(1)));
  ASSERT_TRUE(theme_.Ready());
  Bitmap* strip = theme_.GetBitmap(15);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(theme_.GetBitmap(15), strip) << "the same object every time";
  ASSERT_EQ(strip->Width(), 30);
  ASSERT_EQ(strip->Height(), 5);
  EXPECT_EQ(strip->Pixel(29, 4), ExpectedPixel(29, 4));

  Bitmap frame;
  theme_.CopyThemeBitmap(15, frame, 2, 3);
  ASSERT_EQ(frame.Width(), 10);
  ASSERT_EQ(frame.Height(), 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(frame.Pixel(x, y), ExpectedPixel(10 + x, y)) << x << "," << y;

  Bitmap whole;
  theme_.CopyThemeBitmap(15, whole, 0, 3);
  ASSERT_EQ(whole.Width(), 30) << "a zero frame index copies the whole picture";
  EXPECT_EQ(whole.Pixel(17, 2), ExpectedPixel(17, 2));
  whole.Canvas().SetPixel(17, 2, kMarker);
  EXPECT_EQ(strip->Pixel(17, 2), ExpectedPixel(17, 2)) << "the copy is the caller's own";

  Bitmap missing;
  missing.SetSize(4, 4);
  theme_.CopyThemeBitmap(16, missing, 0, 0);
  EXPECT_TRUE(missing.Empty()) << "an absent bitmap empties the destination";
  Bitmap outside;
  theme_.CopyThemeBitmap(15, outside, 4, 3);
  EXPECT_TRUE(outside.Empty()) << "frame 4 of 3";
}

TEST_F(FileThemeTest, ABareFileNameIsFoundBesideTheProgram) {
  const std::string name = "tarnwick-theme-" + std::to_string(GetCurrentProcessId()) + ".skn";
  const std::string beside = ProgramDirectory() + "\\" + name;
  {
    std::FILE* file = std::fopen(beside.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const Bytes bytes = SkinWithFormColor(0x00445566);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  // Elsewhere than the program's folder, so that the bare name alone finds nothing.
  char previous_directory[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous_directory);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path("").c_str()));
  theme_.SetThemeFile(name);
  SetCurrentDirectoryA(previous_directory);
  EXPECT_TRUE(theme_.Ready());
  EXPECT_EQ(theme_.ThemeFile(), beside);
  EXPECT_EQ(theme_.GetColor(2), 0x00445566u);

  TsuiFileTheme by_path(nullptr);
  by_path.SetThemeFile("Z:\\no\\such\\folder\\" + name);
  EXPECT_TRUE(by_path.Ready()) << "the file name part of a path that does not exist";
  EXPECT_EQ(by_path.ThemeFile(), beside);
  DeleteFileA(beside.c_str());
}

TEST_F(FileThemeTest, ANameFoundNowhereKeepsThePreviousTheme) {
  const std::string path = folder_.Write("plain.skn", SkinWithFormColor(0x00ABCDEF));
  theme_.SetThemeFile(path);
  ASSERT_TRUE(theme_.Ready());
  for (const std::string& name : {std::string("tarnwick-no-such-theme.skn"), std::string(""),
                                  folder_.Path(""), folder_.Path("missing.skn")}) {
    theme_.SetThemeFile(name);
    EXPECT_EQ(theme_.ThemeFile(), path) << "after \"" << name << "\"";
    EXPECT_TRUE(theme_.Ready()) << "after \"" << name << "\"";
    EXPECT_EQ(theme_.GetColor(2), 0x00ABCDEFu) << "after \"" << name << "\"";
  }
}

TEST_F(FileThemeTest, AnEmptyPasswordDoesNotReloadAndAnyOtherDoes) {
  const std::string path = folder_.Write("plain.skn", SkinWithFormColor(0x00000011));
  theme_.SetThemeFile(path);
  ASSERT_EQ(theme_.GetColor(2), 0x11u);
  folder_.Write("plain.skn", SkinWithFormColor(0x00000022));

  theme_.SetPassword("");
  EXPECT_EQ(theme_.GetColor(2), 0x11u) << "not reloaded";
  theme_.SetPassword("anything");
  EXPECT_EQ(theme_.GetColor(2), 0x22u) << "reloaded; an unencrypted skin ignores the password";
  EXPECT_EQ(theme_.Password(), "anything");
  EXPECT_TRUE(theme_.Ready());
}

TEST_F(FileThemeTest, AnEncryptedSkinLoadsOnceThePasswordArrives) {
  const std::string path = folder_.Write("secret.skn", EncryptedSkin(0x00303030, "tarn-pass"));
  // The order in which a stored description applies them.
  SetPublishedProperty(theme_, "ThemeFile", QuoteDescriptionString(path));
  EXPECT_FALSE(theme_.Ready());
  EXPECT_EQ(theme_.ThemeFile(), path) << "found, though not loaded";
  SetPublishedProperty(theme_, "Password", "\"wrong\"");
  EXPECT_FALSE(theme_.Ready());
  SetPublishedProperty(theme_, "Password", "\"tarn-pass\"");
  EXPECT_TRUE(theme_.Ready());
  EXPECT_EQ(theme_.GetColor(2), 0x00303030u);
}

struct BadSkinCase {
  const char* description;
  Bytes (*make)();
  const char* password;
};

void PrintTo(const BadSkinCase& c, std::ostream* os) { *os << c.description; }

class FileThemeBadSkinTest : public FileThemeTest, public ::testing::WithParamInterface<BadSkinCase> {};

TEST_P(FileThemeBadSkinTest, IsNotReadyAndDropsThePreviousSkin) {
  const BadSkinCase& c = GetParam();
  theme_.SetThemeFile(folder_.Write("good.skn", SkinWithFormColor(0x00777777)));
  ASSERT_TRUE(theme_.Ready());
  theme_.SetPassword(c.password);
  ASSERT_TRUE(theme_.Ready());

  const std::string bad = folder_.Write("bad.skn", c.make());
  theme_.SetThemeFile(bad);
  EXPECT_FALSE(theme_.Ready());
  EXPECT_EQ(theme_.ThemeFile(), bad);
  EXPECT_EQ(theme_.GetColor(2), 0u) << "nothing is loaded any more";
  EXPECT_EQ(theme_.GetBitmap(15), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Files, FileThemeBadSkinTest, ::testing::Values(
    BadSkinCase{"ordinary_zip_marker", [] { Bytes b = SkinWithFormColor(1); b[0] = 'P'; return b; }, ""},
    BadSkinCase{"cut_in_half", [] { Bytes b = SkinWithFormColor(1); b.resize(b.size() / 2); return b; }, ""},
    BadSkinCase{"empty_file", [] { return Bytes{}; }, ""},
    BadSkinCase{"archive_comment", [] {
      SkinArchiveOptions options;
      options.archive_comment = "hello";
      return MakeSkinFile(BuildSkinDataFile({IntegerEntry("SKIN2_FORMCOLOR", 1)}), options);
    }, ""},
    BadSkinCase{"damaged_member", [] {
      Bytes b = SkinWithFormColor(1);
      for (std::size_t i = 40; i < 200 && i < b.size(); ++i) b[i] ^= 0x5A;
      return b;
    }, ""},
    BadSkinCase{"encrypted_without_password", [] { return EncryptedSkin(1, "tarn-pass"); }, ""},
    BadSkinCase{"encrypted_wrong_password", [] { return EncryptedSkin(1, "tarn-pass"); }, "other"}),
    [](const auto& info) { return std::string(info.param.description); });

class FileThemeUsersTest : public ::testing::Test {
 protected:
  FileThemeUsersTest() {
    theme_->SetName("suiFileTheme1");
    other_theme_->SetName("suiFileTheme2");
    skinned_form_->SetParent(form_);
    button_->SetParent(form_);
    for (SkinnedProbe* user : {skinned_form_, button_, not_skinned_}) user->SetFileTheme(theme_);
    elsewhere_->SetFileTheme(other_theme_);
    for (SkinnedProbe* probe : {skinned_form_, button_, not_skinned_, elsewhere_, idle_}) probe->log.clear();
    form_->SetBounds(20, 20, 200, 120);
    form_->Handle();
    saved_procedure_ = form_->WindowProc;
    form_->WindowProc = [this](TMessage& message) {
      if (message.msg == WM_NCCALCSIZE) ++frame_recalculations_;
      saved_procedure_(message);
    };
  }
  ~FileThemeUsersTest() override {
    form_->WindowProc = saved_procedure_;
    delete form_;
  }

  SkinFolder folder_;
  TForm* form_ = new TForm(nullptr);
  TsuiFileTheme* theme_ = new TsuiFileTheme(form_);
  TsuiFileTheme* other_theme_ = new TsuiFileTheme(form_);
  SkinnedProbe* skinned_form_ = new SkinnedProbe(form_, "TsuiForm");
  SkinnedProbe* button_ = new SkinnedProbe(form_, "TsuiButton");
  SkinnedProbe* not_skinned_ = new SkinnedProbe(form_, "TSkinLikeButton");
  SkinnedProbe* elsewhere_ = new SkinnedProbe(form_, "TsuiEdit");
  SkinnedProbe* idle_ = new SkinnedProbe(form_, "TsuiCheckBox");
  TWndMethod saved_procedure_;
  int frame_recalculations_ = 0;
};

TEST_F(FileThemeUsersTest, AfterALoadEveryOwnedTsuiComponentUsingTheThemeIsReassigned) {
  theme_->SetThemeFile(folder_.Write("plain.skn", SkinWithFormColor(1)));
  ASSERT_TRUE(theme_->Ready());
  const std::string reassigned = "FileTheme=nil;FileTheme=suiFileTheme1;";
  EXPECT_EQ(skinned_form_->log, reassigned);
  EXPECT_EQ(button_->log, reassigned);
  EXPECT_EQ(not_skinned_->log, "") << "its class name does not start with Tsui";
  EXPECT_EQ(elsewhere_->log, "") << "uses another theme";
  EXPECT_EQ(idle_->log, "") << "uses no theme";
  EXPECT_EQ(button_->FileTheme(), theme_);
  EXPECT_EQ(frame_recalculations_, 0) << "the first theme file needs no new frame";

  button_->log.clear();
  theme_->SetThemeFile(folder_.Write("second.skn", SkinWithFormColor(2)));
  EXPECT_EQ(button_->log, reassigned);
  EXPECT_GT(frame_recalculations_, 0) << "a later skin makes the form recalculate its frame";
}

TEST_F(FileThemeUsersTest, AFailedLoadReassignsNobody) {
  Bytes damaged = SkinWithFormColor(1);
  damaged[1] = 'X';
  theme_->SetThemeFile(folder_.Write("damaged.skn", damaged));
  EXPECT_FALSE(theme_->Ready());
  EXPECT_EQ(button_->log, "");
  EXPECT_EQ(frame_recalculations_, 0);
}

TEST(FileThemeOwnerTest, AThemeOwnedByANonFormLoadsWithoutWalkingAnything) {
  SkinFolder folder;
  TComponent owner(nullptr);
  auto* theme = new TsuiFileTheme(&owner);
  theme->SetName("suiFileTheme1");
  auto* user = new SkinnedProbe(&owner, "TsuiButton");
  user->SetFileTheme(theme);
  user->log.clear();
  theme->SetThemeFile(folder.Write("plain.skn", SkinWithFormColor(1)));
  EXPECT_TRUE(theme->Ready());
  EXPECT_EQ(user->log, "");
}

TEST(FileThemeClassTest, PublishesItsPropertiesInOrderAndIsRegistered) {
  TComponent owner(nullptr);
  RegisterFileThemeClass();
  TComponent* created = CreateRegisteredComponent("TsuiFileTheme", &owner);
  auto* theme = dynamic_cast<TsuiFileTheme*>(created);
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(theme->Owner(), &owner);

  const auto properties = theme->ClassInfo().All();
  ASSERT_GE(properties.size(), 3u);
  EXPECT_EQ(properties[properties.size() - 3]->name, "ThemeFile");
  EXPECT_EQ(properties[properties.size() - 2]->name, "Password");
  EXPECT_EQ(properties[properties.size() - 1]->name, "Ready");

  SetPublishedProperty(*theme, "Ready", "True");
  EXPECT_FALSE(theme->Ready()) << "only a load makes a theme ready";
  EXPECT_EQ(GetPublishedProperty(*theme, "Ready"), "False");
}

}  // namespace

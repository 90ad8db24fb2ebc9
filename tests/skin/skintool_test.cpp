// skintool as a user runs it: pack a folder, list and extract the skin file it made.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "tests/skin/skin_fixture.h"

namespace {

struct ToolRun {
  int status;
  std::string output;
};

ToolRun Skintool(const std::string& arguments) {
  const std::string command = std::string(TARNWICK_SKINTOOL) + " " + arguments + " 2>/dev/null";
  ToolRun run{-1, {}};
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 256> chunk;
    while (std::fgets(chunk.data(), chunk.size(), pipe)) run.output += chunk.data();
    run.status = pclose(pipe);
  }
  return run;
}

class SkintoolTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder_.Path("in"));
    bmp_ = MakeBmpFile(6, 2, [](int x, int y) { return static_cast<std::uint32_t>(x * 0x102030 + y); });
    folder_.Write("in/TitleBar.bmp", bmp_);
    std::ofstream(folder_.Path("in/entries.txt"))
        << "# colours are 0x00BBGGRR\nint BorderColor 0xFF\nint Offset -3\n\nbool Gradient true\n"
        << "string Author Tarnwick team\n";
  }
  SkinFolder folder_;
  Bytes bmp_;
};

TEST_F(SkintoolTest, PackThenListShowsEveryEntry) {
  ASSERT_EQ(Skintool("pack " + folder_.Path("in") + " " + folder_.Path("a.skn")).status, 0);
  const ToolRun list = Skintool("list " + folder_.Path("a.skn"));
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.output,
            "TitleBar\tbitmap\t6x2 24-bit\nBorderColor\tint\t255\nOffset\tint\t-3\nGradient\tbool\t1\n"
            "Author\tstring\tTarnwick team\n");
}

TEST_F(SkintoolTest, PasswordIsNeededToList) {
  ASSERT_EQ(Skintool("pack " + folder_.Path("in") + " " + folder_.Path("b.skn") + " --password pw").status, 0);
  EXPECT_NE(Skintool("list " + folder_.Path("b.skn")).status, 0);
  EXPECT_NE(Skintool("list --password wrong " + folder_.Path("b.skn")).status, 0);
  EXPECT_EQ(Skintool("list --password pw " + folder_.Path("b.skn")).status, 0);
}

TEST_F(SkintoolTest, ExtractGivesBackTheBitmapAndEntries) {
  ASSERT_EQ(Skintool("pack " + folder_.Path("in") + " " + folder_.Path("c.skn") + " --password pw").status, 0);
  ASSERT_EQ(Skintool("extract --password pw " + folder_.Path("c.skn") + " " + folder_.Path("out")).status, 0);
  EXPECT_EQ(ReadFileBytes(folder_.Path("out/TitleBar.bmp")), bmp_);
  const Bytes entries = ReadFileBytes(folder_.Path("out/entries.txt"));
  EXPECT_EQ(std::string(entries.begin(), entries.end()),
            "int BorderColor 255\nint Offset -3\nbool Gradient 1\nstring Author Tarnwick team\n");
}

TEST_F(SkintoolTest, RefusesWhatItCannotRead) {
  std::ofstream(folder_.Path("in/entries.txt"), std::ios::app) << "colour Face 12\n";
  EXPECT_NE(Skintool("pack " + folder_.Path("in") + " " + folder_.Path("d.skn")).status, 0);
  folder_.Write("broken.skn", Bytes{'S', 'K', 1, 2, 3});
  EXPECT_NE(Skintool("list " + folder_.Path("broken.skn")).status, 0);
  EXPECT_NE(Skintool("frobnicate").status, 0);
}

}  // namespace

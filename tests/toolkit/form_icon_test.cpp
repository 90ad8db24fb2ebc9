// A form's icon and its close event, as a stored description gives them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/description_reader.h"
#include "toolkit/form.h"
#include "toolkit/icon_file.h"

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

void PutWord(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutDword(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutWord(out, static_cast<std::uint16_t>(value));
  PutWord(out, static_cast<std::uint16_t>(value >> 16));
}

// An .ico file of one side x side image, 32 bits, every pixel opaque in the colour.
std::vector<std::uint8_t> IcoFile(TColor color, int side) {
  std::vector<std::uint8_t> image;
  PutDword(image, 40);
  PutDword(image, side);
  PutDword(image, 2 * side);  // colour rows and mask rows
  PutWord(image, 1);
  PutWord(image, 32);
  for (int i = 0; i < 6; ++i) PutDword(image, 0);
  for (int pixel = 0; pixel < side * side; ++pixel) {
    image.push_back(static_cast<std::uint8_t>(color >> 16));  // blue
    image.push_back(static_cast<std::uint8_t>(color >> 8));   // green
    image.push_back(static_cast<std::uint8_t>(color));        // red
    image.push_back(0xFF);
  }
  const int mask_row = ((side + 31) / 32) * 4;
  image.insert(image.end(), static_cast<std::size_t>(mask_row * side), 0);

  std::vector<std::uint8_t> file;
  PutWord(file, 0);
  PutWord(file, 1);
  PutWord(file, 1);
  file.push_back(static_cast<std::uint8_t>(side));
  file.push_back(static_cast<std::uint8_t>(side));
  PutWord(file, 0);
  PutWord(file, 1);
  PutWord(file, 32);
  PutDword(file, static_cast<std::uint32_t>(image.size()));
  PutDword(file, 22);
  file.insert(file.end(), image.begin(), image.end());
  return file;
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  char digits[3];
  for (std::uint8_t byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02X", byte);
    text += digits;
  }
  return text;
}

void ReadForm(TForm& form, const std::string& properties, const HandlerTable& handlers = {}) {
  ReadDescription(form, "object Form1: TForm\n" + properties + "end\n", "form1.dfm", handlers);
}

TColor IconPixel(const Icon& icon) {
  Bitmap surface;
  surface.SetSize(4, 4);  // white
  icon.Draw(surface.Canvas(), 0, 0);
  return surface.Pixel(1, 1);
}

TEST(FormIconTest, EmbeddedIcoBytesBecomeTheWindowsIcon) {
  TForm form(nullptr);
  ReadForm(form, "  Icon = {" + Hex(IcoFile(kRed, 2)) + "}\n");
  ASSERT_FALSE(form.Icon().Empty());
  EXPECT_EQ(form.Icon().Width(), 2);
  EXPECT_EQ(IconPixel(form.Icon()), kRed);
  form.Show();
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form.Handle(), WM_GETICON, ICON_BIG, 0)), form.Icon().Handle());
  // A second icon given to a window that exists reaches it at once.
  form.SetIconFromFile(IcoFile(kBlue, 2));
  EXPECT_EQ(IconPixel(form.Icon()), kBlue);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form.Handle(), WM_GETICON, ICON_SMALL, 0)), form.Icon().Handle());
}

TEST(FormIconTest, AResourceNameLoadsTheProgramsIcon) {
  TForm form(nullptr);
  ReadForm(form, "  Icon = \"FORM_TEST_ICON\"\n");
  ASSERT_FALSE(form.Icon().Empty());
  EXPECT_EQ(IconPixel(form.Icon()), kBlue);
}

TEST(FormIconTest, AnUnknownResourceIsAClearErrorAndKeepsTheIcon) {
  TForm form(nullptr);
  form.SetIconFromFile(IcoFile(kRed, 2));
  try {
    ReadForm(form, "  Icon = \"NO_SUCH_ICON\"\n");
    FAIL() << "no error";
  } catch (const DescriptionError& error) {
    EXPECT_NE(std::string(error.what()).find("NO_SUCH_ICON"), std::string::npos) << error.what();
  }
  EXPECT_EQ(IconPixel(form.Icon()), kRed);
}

struct BadIcoCase {
  const char* description;
  std::size_t at;  // offset of the field changed, -1 to cut the file instead
  std::vector<std::uint8_t> bytes;
  std::size_t keep;  // bytes kept of the file (all when 0)
};

void PrintTo(const BadIcoCase& c, std::ostream* out) { *out << c.description; }

std::vector<std::uint8_t> Spoiled(const BadIcoCase& c) {
  std::vector<std::uint8_t> file = IcoFile(kRed, 2);
  for (std::size_t i = 0; i < c.bytes.size(); ++i) file[c.at + i] = c.bytes[i];
  if (c.keep != 0) file.resize(c.keep);
  return file;
}

class BadIcoBytesTest : public ::testing::TestWithParam<BadIcoCase> {};

TEST_P(BadIcoBytesTest, AreRefusedWithAClearErrorAndTheIconStays) {
  const std::vector<std::uint8_t> file = Spoiled(GetParam());
  EXPECT_FALSE(ChooseIconImage(file, 32, 32).has_value());
  TForm form(nullptr);
  form.SetIconFromFile(IcoFile(kBlue, 2));
  try {
    ReadForm(form, "  Icon = {" + Hex(file) + "}\n");
    FAIL() << "no error";
  } catch (const DescriptionError& error) {
    EXPECT_NE(std::string(error.what()).find("icon"), std::string::npos) << error.what();
  }
  EXPECT_EQ(IconPixel(form.Icon()), kBlue);
}

// The file: 6-byte header, one 16-byte entry (size at 14, offset at 18), the image at 22
// (its header: width at 26, height at 30, bits at 36).
const BadIcoCase kBadIcos[] = {
    {"empty", 0, {}, 1},
    {"header_only", 0, {}, 6},
    {"cursor_not_icon", 2, {2, 0}, 0},
    {"no_images", 4, {0, 0}, 0},
    {"more_entries_than_bytes", 4, {0xFF, 0}, 0},
    {"image_past_the_end", 18, {0xF0, 0xFF, 0, 0}, 0},
    {"image_size_wraps_around", 14, {0xFF, 0xFF, 0xFF, 0xFF}, 0},
    {"file_cut_inside_the_image", 0, {}, 50},
    {"bitmap_wider_than_its_bytes", 26, {0, 1, 0, 0}, 0},
    {"negative_height", 30, {0xFC, 0xFF, 0xFF, 0xFF}, 0},
    {"unknown_colour_depth", 36, {7, 0}, 0},
    {"header_size_past_the_image", 22, {0xFF, 0, 0, 0}, 0},
};

INSTANTIATE_TEST_SUITE_P(Table, BadIcoBytesTest, ::testing::ValuesIn(kBadIcos),
                         [](const auto& info) { return std::string(info.param.description); });

TEST(IconFileTest, ChoosesTheImageNearestTheWantedSize) {
  // Two images: 2 x 2 then 4 x 4, the second placed after the first.
  std::vector<std::uint8_t> small = IcoFile(kRed, 2);
  std::vector<std::uint8_t> large = IcoFile(kBlue, 4);
  std::vector<std::uint8_t> file;
  PutWord(file, 0);
  PutWord(file, 1);
  PutWord(file, 2);
  const std::size_t small_image = small.size() - 22;
  const std::size_t large_image = large.size() - 22;
  file.insert(file.end(), small.begin() + 6, small.begin() + 22);
  file.insert(file.end(), large.begin() + 6, large.begin() + 22);
  const std::uint32_t first = 6 + 2 * 16;
  const std::uint32_t second = first + static_cast<std::uint32_t>(small_image);
  for (int i = 0; i < 4; ++i) file[18 + i] = static_cast<std::uint8_t>(first >> (8 * i));
  for (int i = 0; i < 4; ++i) file[34 + i] = static_cast<std::uint8_t>(second >> (8 * i));
  file.insert(file.end(), small.begin() + 22, small.end());
  file.insert(file.end(), large.begin() + 22, large.end());

  const auto near_small = ChooseIconImage(file, 2, 2);
  ASSERT_TRUE(near_small.has_value());
  EXPECT_EQ(near_small->offset, first);
  EXPECT_EQ(near_small->size, small_image);
  const auto near_large = ChooseIconImage(file, 32, 32);
  ASSERT_TRUE(near_large.has_value());
  EXPECT_EQ(near_large->offset, second);
  EXPECT_EQ(near_large->size, large_image);
  EXPECT_EQ(near_large->width, 4);
}

TEST(FormCloseEventTest, OnCloseIsBoundFromTheDescriptionAndRunsOnClose) {
  int closed = 0;
  HandlerTable handlers;
  handlers.Add<TNotifyEvent>("FormClose", [&](TComponent*) { ++closed; });
  TForm form(nullptr);
  ReadForm(form, "  OnClose = FormClose\n", handlers);
  form.Show();
  form.Close();
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  // A close that OnCloseQuery refuses does not reach OnClose.
  form.OnCloseQuery = [](TComponent*, bool& can_close) { can_close = false; };
  form.Show();
  form.Close();
  EXPECT_EQ(closed, 1);
}

}  // namespace

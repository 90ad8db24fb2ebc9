#include "toolkit/font.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "toolkit/color.h"

namespace {

TEST(ColorToRGB, PlainColoursKeepTheirValueAndSystemColoursTakeTheSystems) {
  const struct { TColor color; COLORREF expected; } cases[] = {
      {clRed, 0x0000FF}, {0x00123456, 0x123456}, {clWhite, 0xFFFFFF}, {clNone, 0xFFFFFF},
      {clBtnFace, GetSysColor(COLOR_BTNFACE)}, {clWindow, GetSysColor(COLOR_WINDOW)},
      {clInactiveCaption, GetSysColor(COLOR_INACTIVECAPTION)}, {clHighlight, GetSysColor(COLOR_HIGHLIGHT)}};
  for (const auto& c : cases) EXPECT_EQ(ColorToRGB(c.color), c.expected) << std::hex << "colour 0x" << c.color;
  EXPECT_NE(ColorToRGB(clBtnFace), COLORREF{COLOR_BTNFACE}) << "a system colour is not its own index";
  EXPECT_EQ(clInactiveCaption, 0x80000003u);
}

TEST(Font, PointsAndPixelsConvertAtTheScreenResolution) {
  Font font;
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -MulDiv(9, ScreenPixelsPerInch(), 72));
  EXPECT_EQ(font.Size(), 9);
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), MulDiv(16, 72, ScreenPixelsPerInch()));
}

TEST(Font, OnChangeFiresOncePerRealChangeAndTheHandleFollows) {
  Font font;
  int changes = 0;
  font.OnChange = [&] { ++changes; };
  HFONT first = font.Handle();
  font.SetName(font.Name());
  font.SetHeight(font.Height());
  font.SetName("");
  EXPECT_EQ(changes, 0) << "equal values and an empty name change nothing";
  EXPECT_EQ(font.Handle(), first);
  font.SetColor(clRed);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(font.Handle(), first) << "the colour is not part of the handle";
  font.SetBold(true);
  EXPECT_EQ(changes, 2);
  LOGFONTA made{};
  ASSERT_TRUE(GetObjectA(font.Handle(), sizeof made, &made));
  EXPECT_GE(made.lfWeight, FW_BOLD);
  font.SetCharset(GB2312_CHARSET);
  ASSERT_TRUE(GetObjectA(font.Handle(), sizeof made, &made));
  EXPECT_EQ(made.lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(changes, 3);
}

TEST(Font, AssignTakesEveryAttributeWithOneNotice) {
  Font source;
  source.SetName("Tahoma");
  source.SetHeight(-13);
  source.SetStyle(fsBold | fsUnderline);
  source.SetColor(clWhite);
  source.SetCharset(GB2312_CHARSET);
  Font target;
  int changes = 0;
  target.OnChange = [&] { ++changes; };
  target.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(target.Name(), "Tahoma");
  EXPECT_EQ(target.Height(), -13);
  EXPECT_TRUE(target.Bold());
  EXPECT_TRUE(target.Underline());
  EXPECT_FALSE(target.Italic());
  EXPECT_EQ(target.Color(), clWhite);
  EXPECT_EQ(target.Charset(), GB2312_CHARSET);
  target.Assign(source);
  EXPECT_EQ(changes, 1) << "assigning the same again changes nothing";
}

TEST(Font, TakesTheSystemMenuFontAndKeepsItsColour) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  Font font;
  font.SetColor(clMenuText);
  font.SetFromLogFont(metrics.lfMenuFont);
  EXPECT_EQ(font.Name(), metrics.lfMenuFont.lfFaceName);
  EXPECT_EQ(font.Height(), metrics.lfMenuFont.lfHeight);
  EXPECT_EQ(font.Color(), clMenuText);
}

TEST(Font, AFaceNameLongerThanTheFieldIsCut) {
  Font font;
  font.SetName(std::string(80, 'A'));
  const LOGFONTA log_font = font.LogFont();
  EXPECT_EQ(std::string(log_font.lfFaceName), std::string(LF_FACESIZE - 1, 'A'));
  EXPECT_NE(font.Handle(), nullptr);
}

}  // namespace

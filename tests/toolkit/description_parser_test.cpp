#include "toolkit/description_parser.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TEST(DescriptionParserTest, ReadsEveryKindOfValueInStoredOrder) {
  const std::string text =
      "object Form1: TForm1\n"
      "  Left = -12\n"
      "  Tag = $7F\n"
      "  Caption = \"Tarnwick\xB6\xAF\xCC\xAC \\\"q\\\" \\x41\"\n"
      "  Visible = True\n"
      "  BorderIcons = [biSystemMenu, biMinimize]\n"
      "  Empty = []\n"
      "  Glyph = { 424D\n 00ff }\n"
      "  Font.Height = -11 // comment\n"
      "  Sections = <\n"
      "    item\n"
      "      Width = 48\n"
      "    end\n"
      "    item\n"
      "    end>\n"
      "  object Label1: TLabel\n"
      "    Caption = \"\"\n"
      "  end\n"
      "end\n";
  const DescriptionObject root = ParseDescription(text, "form.dfm");
  EXPECT_EQ(root.name, "Form1");
  EXPECT_EQ(root.class_name, "TForm1");
  ASSERT_EQ(root.properties.size(), 9u);
  const auto& p = root.properties;
  EXPECT_EQ(p[0].name, "Left");
  EXPECT_EQ(p[0].value.kind, ValueKind::Integer);
  EXPECT_EQ(p[0].value.integer, -12);
  EXPECT_EQ(p[1].value.integer, 127);
  EXPECT_EQ(p[2].value.kind, ValueKind::String);
  EXPECT_EQ(p[2].value.text, "Tarnwick\xB6\xAF\xCC\xAC \"q\" A");
  EXPECT_EQ(p[3].value.kind, ValueKind::Identifier);
  EXPECT_EQ(p[3].value.text, "True");
  EXPECT_EQ(p[4].value.identifiers, (std::vector<std::string>{"biSystemMenu", "biMinimize"}));
  EXPECT_TRUE(p[5].value.identifiers.empty());
  EXPECT_EQ(p[5].value.kind, ValueKind::Set);
  EXPECT_EQ(p[6].value.bytes, (std::vector<std::uint8_t>{0x42, 0x4D, 0x00, 0xFF}));
  EXPECT_EQ(p[7].name, "Font.Height");
  EXPECT_EQ(p[7].line, 10);  // the binary value spans lines 8 and 9
  ASSERT_EQ(p[8].value.items.size(), 2u);
  EXPECT_EQ(p[8].value.items[0].line, 12);
  ASSERT_EQ(p[8].value.items[0].properties.size(), 1u);
  EXPECT_EQ(p[8].value.items[0].properties[0].value.integer, 48);
  EXPECT_TRUE(p[8].value.items[1].properties.empty());
  ASSERT_EQ(root.children.size(), 1u);
  EXPECT_EQ(root.children[0].name, "Label1");
  EXPECT_EQ(root.children[0].line, 17);
  EXPECT_EQ(root.children[0].properties[0].value.text, "");
}

TEST(DescriptionParserTest, IntegerLimitsAreExact) {
  EXPECT_EQ(ParseDescriptionValue("9223372036854775807", "v").integer, std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(ParseDescriptionValue("-9223372036854775808", "v").integer, std::numeric_limits<std::int64_t>::min());
  EXPECT_THROW(ParseDescriptionValue("9223372036854775808", "v"), DescriptionError);
  EXPECT_THROW(ParseDescriptionValue("-9223372036854775809", "v"), DescriptionError);
}

struct BadText {
  const char* description;
  std::string text;
  int line;
  const char* message_part;
};

void PrintTo(const BadText& bad, std::ostream* out) { *out << bad.description << ": " << bad.text; }

class DescriptionParserErrorTest : public ::testing::TestWithParam<BadText> {};

TEST_P(DescriptionParserErrorTest, FailsWithFileAndLine) {
  const BadText& bad = GetParam();
  try {
    ParseDescription(bad.text, "bad.dfm");
    FAIL() << "no error for: " << bad.text;
  } catch (const DescriptionError& error) {
    EXPECT_EQ(error.File(), "bad.dfm");
    EXPECT_EQ(error.Line(), bad.line) << error.what();
    EXPECT_NE(error.Message().find(bad.message_part), std::string::npos) << error.what();
    EXPECT_EQ(std::string(error.what()).rfind("bad.dfm(" + std::to_string(bad.line) + "): ", 0), 0u);
  }
}

std::string DeeplyNested(int levels) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += "object A" + std::to_string(i) + ": T\n";
  for (int i = 0; i < levels; ++i) text += "end\n";
  return text;
}

const BadText kBadTexts[] = {
    {"empty", "", 1, "\"object\" expected"},
    {"no_end", "object A: T\n  X = 1\n", 3, "\"end\" expected"},
    {"missing_colon", "object A T\nend", 1, "':' expected"},
    {"missing_equals", "object A: T\n X 1\nend", 2, "'=' expected"},
    {"missing_value", "object A: T\n X = ]\nend", 2, "a value is expected"},
    {"unterminated_string", "object A: T\n X = \"abc\nend", 2, "unterminated string"},
    {"bad_escape", "object A: T\n X = \"\\q\"\nend", 2, "unknown escape"},
    {"short_hex_escape", "object A: T\n X = \"\\x4\"\nend", 2, "two hex digits"},
    {"odd_binary", "object A: T\n X = { 424 }\nend", 2, "odd number"},
    {"bad_binary", "object A: T\n X = {\n 42zz }\nend", 3, "non-hex"},
    {"unterminated_binary", "object A: T\n X = { 42", 2, "unterminated binary"},
    {"bad_set", "object A: T\n X = [a b]\nend", 2, "',' expected"},
    {"bad_collection", "object A: T\n X = < Y = 1 >\nend", 2, "\"item\" or '>' expected"},
    {"open_item", "object A: T\n X = < item\n", 3, "\"end\" expected for a collection item"},
    {"trailing_text", "object A: T\nend\nend", 3, "text after the end"},
    {"stray_character", "object A: T\n X = 1\n # \nend", 3, "unexpected character '#'"},
    {"control_byte", std::string("object A: T\n\x01\nend"), 2, "unexpected character 0x01"},
    {"number_glued_to_name", "object A: T\n X = 12ab\nend", 2, "malformed number"},
    {"bare_minus", "object A: T\n X = -\nend", 2, "a number is expected"},
    {"too_large", "object A: T\n X = 99999999999999999999\nend", 2, "out of range"},
    {"dotted_class", "object A: T.U\nend", 1, "class name expected"},
    {"malformed_dotted_name", "object A: T\n Font..Height = 1\nend", 2, "malformed name"},
    {"too_deep", DeeplyNested(kMaxDescriptionNesting + 1), kMaxDescriptionNesting + 1, "nested too deeply"},
};

INSTANTIATE_TEST_SUITE_P(Table, DescriptionParserErrorTest, ::testing::ValuesIn(kBadTexts),
                         [](const auto& info) { return std::string(info.param.description); });

TEST(DescriptionParserTest, NestingJustWithinTheBoundIsRead) {
  EXPECT_NO_THROW(ParseDescription(DeeplyNested(kMaxDescriptionNesting), "deep.dfm"));
}

}  // namespace

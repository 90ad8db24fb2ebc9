// The skin file reader end to end: stores and lookups, the chain rule, passwords, and
// damaged inner data, which must leave the reader not loaded with its temporary file gone.
#include "skin/skin_file_reader.h"

#include <gtest/gtest.h>

#include <functional>

#include "skin/temp_file_name.h"
#include "tests/skin/skin_fixture.h"

namespace {

Bytes SmallBmp(int width = 3, int height = 2) {
  return MakeBmpFile(width, height, [](int x, int y) { return static_cast<std::uint32_t>(0x010203 * (x + y)); });
}

struct LoadedSkin {
  SkinFolder folder;
  std::string temporary;
  std::unique_ptr<Tsk2SkinFileReader> reader;
};

std::unique_ptr<LoadedSkin> Load(const Bytes& member, const SkinArchiveOptions& options = {},
                                 std::string_view password = "") {
  auto loaded = std::make_unique<LoadedSkin>();
  const std::string path = loaded->folder.Write("theme.skn", MakeSkinFile(member, options));
  loaded->temporary = loaded->folder.Path("{extracted}");
  loaded->reader = std::make_unique<Tsk2SkinFileReader>(path, password, loaded->temporary);
  return loaded;
}

TEST(SkinFileReaderTest, ReadsEveryKindOfEntry) {
  const Bytes bmp = SmallBmp(5, 4);
  const auto skin = Load(BuildSkinDataFile({BitmapEntry("TitleBar", bmp), IntegerEntry("BorderColor", 0xFF),
                                            IntegerEntry("Negative", -5), BooleanEntry("Gradient", true),
                                            BooleanEntry("Flat", false), StringEntry("Author", "Tarnwick")}));
  const Tsk2SkinFileReader& reader = *skin->reader;
  ASSERT_TRUE(reader.IsLoaded());
  const SkinBitmap* bitmap = reader.GetBitmap("titlebar");
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->file_bytes, bmp);
  EXPECT_EQ(bitmap->facts.width, 5);
  EXPECT_EQ(bitmap->facts.height, 4);
  EXPECT_EQ(reader.GetInteger("BorderColor"), 255);  // pure red in 0x00BBGGRR
  EXPECT_EQ(reader.GetInteger("BORDERCOLOR"), 255);
  EXPECT_EQ(reader.GetInteger("Negative"), -5);
  EXPECT_TRUE(reader.GetBoolean("gradient"));
  EXPECT_FALSE(reader.GetBoolean("Flat"));
  EXPECT_EQ(reader.StringTexts().at("author"), "Tarnwick");
  EXPECT_FALSE(FileExists(skin->temporary));
}

TEST(SkinFileReaderTest, MissingNamesGiveTheSentinels) {
  const auto skin = Load(BuildSkinDataFile({IntegerEntry("Only", 7)}));
  ASSERT_TRUE(skin->reader->IsLoaded());
  EXPECT_EQ(skin->reader->GetInteger("Absent"), -1);
  EXPECT_FALSE(skin->reader->GetBoolean("Absent"));
  EXPECT_EQ(skin->reader->GetBitmap("Absent"), nullptr);
  // A name of another kind is not found in this kind's store.
  EXPECT_FALSE(skin->reader->GetBoolean("Only"));
}

TEST(SkinFileReaderTest, FirstEntryOfANameWins) {
  const auto skin = Load(BuildSkinDataFile({IntegerEntry("Size", 1), IntegerEntry("SIZE", 2), IntegerEntry("size", 3)}));
  ASSERT_TRUE(skin->reader->IsLoaded());
  EXPECT_EQ(skin->reader->GetInteger("Size"), 1);
  EXPECT_EQ(skin->reader->IntegerTexts().size(), 1u);
}

TEST(SkinFileReaderTest, ChainOfNRecordsGivesNEntries) {
  for (int n : {1, 2, 17}) {
    std::vector<SkinWriterEntry> entries;
    for (int i = 0; i < n; ++i) entries.push_back(IntegerEntry("Value" + std::to_string(i), i * 10));
    const auto skin = Load(BuildSkinDataFile(entries));
    ASSERT_TRUE(skin->reader->IsLoaded()) << n;
    EXPECT_EQ(skin->reader->IntegerTexts().size(), static_cast<std::size_t>(n)) << n;
    EXPECT_EQ(skin->reader->GetInteger("Value" + std::to_string(n - 1)), (n - 1) * 10) << n;
  }
}

TEST(SkinFileReaderTest, FirstRecordEndingTheChainGivesALoadedEmptyReader) {
  Bytes member = BuildSkinDataFile({IntegerEntry("NeverRead", 1)});
  Poke32(member, RecordAt(0) + 73, 0);
  const auto skin = Load(member);
  EXPECT_TRUE(skin->reader->IsLoaded());
  EXPECT_TRUE(skin->reader->IntegerTexts().empty());
}

TEST(SkinFileReaderTest, UnknownEntryTypeIsSkipped) {
  SkinWriterEntry odd = IntegerEntry("Odd", 9);
  odd.type = 7;
  const auto skin = Load(BuildSkinDataFile({odd, IntegerEntry("Even", 8)}));
  ASSERT_TRUE(skin->reader->IsLoaded());
  EXPECT_EQ(skin->reader->GetInteger("Odd"), -1);
  EXPECT_EQ(skin->reader->GetInteger("Even"), 8);
}

TEST(SkinFileReaderTest, OversizedIntegerAndBooleanAreReadOnlyUpToTheirField) {
  SkinWriterEntry integer = IntegerEntry("Wide", 0x01020304);
  integer.data.resize(100, 0xEE);
  SkinWriterEntry boolean = BooleanEntry("Long", true);
  boolean.data.resize(50, 0);
  const auto skin = Load(BuildSkinDataFile({integer, boolean}));
  ASSERT_TRUE(skin->reader->IsLoaded());
  EXPECT_EQ(skin->reader->GetInteger("Wide"), 0x01020304);
  EXPECT_TRUE(skin->reader->GetBoolean("Long"));
}

TEST(SkinFileReaderTest, EncryptedSkinNeedsItsPassword) {
  const Bytes member = BuildSkinDataFile({IntegerEntry("Locked", 42)});
  SkinArchiveOptions options;
  options.password = "open sesame";
  const auto right = Load(member, options, "open sesame");
  EXPECT_TRUE(right->reader->IsLoaded());
  EXPECT_EQ(right->reader->GetInteger("Locked"), 42);
  for (std::string_view wrong : {"open sesamE", ""}) {
    const auto skin = Load(member, options, wrong);
    EXPECT_FALSE(skin->reader->IsLoaded()) << wrong;
    EXPECT_EQ(skin->reader->GetInteger("Locked"), -1) << wrong;
    EXPECT_FALSE(FileExists(skin->temporary)) << wrong;
  }
}

TEST(SkinFileReaderTest, DamagedArchiveRaisesTheReadError) {
  SkinFolder folder;
  const std::string path = folder.Write("zip.skn", MakeSkinFile(BuildSkinDataFile({}), [] {
    SkinArchiveOptions options;
    options.marker_first_byte = 'P';
    return options;
  }()));
  const std::string temporary = folder.Path("{extracted}");
  try {
    Tsk2SkinFileReader reader(path, "", temporary);
    ADD_FAILURE() << "no error raised";
  } catch (const SkinFileError& error) {
    EXPECT_STREQ(error.what(), "Failed to read skin file!");
  }
  EXPECT_FALSE(FileExists(temporary));
}

struct DamagedCase {
  const char* description;
  std::function<Bytes()> member;
};

std::ostream& operator<<(std::ostream& out, const DamagedCase& c) { return out << c.description; }

Bytes TwoIntegers() { return BuildSkinDataFile({IntegerEntry("A", 1), IntegerEntry("B", 2)}); }

const DamagedCase kDamagedCases[] = {
    {"chain looping back to the first record", [] {
       Bytes m = TwoIntegers();
       Poke32(m, RecordAt(1) + 73, static_cast<std::uint32_t>(RecordAt(0)));
       return m;
     }},
    {"record pointing to itself", [] {
       Bytes m = TwoIntegers();
       Poke32(m, RecordAt(0) + 73, static_cast<std::uint32_t>(RecordAt(0)));
       return m;
     }},
    {"next record past the end", [] {
       Bytes m = TwoIntegers();
       Poke32(m, RecordAt(0) + 73, static_cast<std::uint32_t>(m.size() - 10));
       return m;
     }},
    {"first entry offset past the end", [] {
       Bytes m = TwoIntegers();
       Poke32(m, 20, 0xFFFFFFF0u);
       return m;
     }},
    {"header length below 24", [] {
       Bytes m = TwoIntegers();
       Poke32(m, 12, 16);
       return m;
     }},
    {"header length past the end", [] {
       Bytes m = TwoIntegers();
       Poke32(m, 12, static_cast<std::uint32_t>(m.size() + 1));
       return m;
     }},
    {"member shorter than a header", [] { return Bytes(20, 0); }},
    {"integer data offset past the end", [] {
       Bytes m = TwoIntegers();
       Poke32(m, RecordAt(1) + 65, static_cast<std::uint32_t>(m.size() - 2));
       return m;
     }},
    {"string data size of 4 GiB", [] {
       SkinWriterEntry text = StringEntry("Text", "abc");
       text.recorded_size = 0xFFFFFFFFu;
       return BuildSkinDataFile({text});
     }},
    {"bitmap data size past the end", [] {
       SkinWriterEntry bitmap = BitmapEntry("Face", SmallBmp());
       bitmap.recorded_size = static_cast<std::uint32_t>(SmallBmp().size() + 1000);
       return BuildSkinDataFile({bitmap});
     }},
    {"bitmap that is not a BMP file", [] {
       return BuildSkinDataFile({BitmapEntry("Face", Bytes(200, 0x42))});
     }},
    {"bitmap whose pixels run past its data", [] {
       Bytes bmp = SmallBmp(8, 8);
       bmp.resize(bmp.size() - 10);
       return BuildSkinDataFile({BitmapEntry("Face", bmp)});
     }},
    {"many records sharing one large string", [] {
       std::vector<SkinWriterEntry> entries;
       entries.push_back(StringEntry("Big", std::string(4000, 'x')));
       for (int i = 0; i < 10; ++i) entries.push_back(StringEntry("Copy" + std::to_string(i), ""));
       Bytes m = BuildSkinDataFile(entries);
       const std::uint32_t big_data = static_cast<std::uint32_t>(RecordAt(entries.size() + 1));
       for (std::size_t i = 1; i < entries.size(); ++i) {
         Poke32(m, RecordAt(i) + 65, big_data);
         Poke32(m, RecordAt(i) + 69, 4000);
       }
       return m;
     }},
};

class DamagedSkinTest : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedSkinTest, IsNotLoadedAndLeavesNoTemporaryFile) {
  const DamagedCase& c = GetParam();
  std::unique_ptr<LoadedSkin> skin;
  ASSERT_NO_THROW(skin = Load(c.member())) << c.description;
  EXPECT_FALSE(skin->reader->IsLoaded()) << c.description;
  EXPECT_EQ(skin->reader->GetInteger("A"), -1) << c.description;
  EXPECT_FALSE(FileExists(skin->temporary)) << c.description;
  EXPECT_EQ(skin->folder.FileCount(), 1u) << c.description;  // only the skin file itself
}

INSTANTIATE_TEST_SUITE_P(Damaged, DamagedSkinTest, testing::ValuesIn(kDamagedCases),
                         [](const testing::TestParamInfo<DamagedCase>& info) {
                           std::string name;
                           for (const char* p = info.param.description; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

TEST(TemporaryFilePathTest, IsABracedGuidInTheTemporaryFolder) {
  const std::string first = NewTemporaryFilePath();
  const std::string second = NewTemporaryFilePath();
  EXPECT_NE(first, second);
  const std::string name = std::filesystem::path(first).filename().string();
  ASSERT_EQ(name.size(), 38u) << first;
  EXPECT_EQ(name.front(), '{');
  EXPECT_EQ(name.back(), '}');
  for (std::size_t i : {9u, 14u, 19u, 24u}) EXPECT_EQ(name[i], '-') << first;
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(first).parent_path())) << first;
}

TEST(TemporaryFilePathTest, ReaderWithTheSystemTemporaryFileLoads) {
  SkinFolder folder;
  const std::string path = folder.Write("theme.skn", MakeSkinFile(BuildSkinDataFile({IntegerEntry("X", 3)}), {}));
  Tsk2SkinFileReader reader(path, "");
  EXPECT_TRUE(reader.IsLoaded());
  EXPECT_EQ(reader.GetInteger("x"), 3);
}

}  // namespace

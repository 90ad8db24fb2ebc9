// The "SK" archive layer: which archives give success, failure or rejection, and that the
// output file exists afterwards only on success.
#include "skin/skin_archive.h"

#include <gtest/gtest.h>

#include <functional>

#include "skin/skin_data_file.h"
#include "tests/skin/skin_fixture.h"

namespace {

Bytes SampleMember() {
  std::vector<SkinWriterEntry> entries;
  entries.push_back(IntegerEntry("FormColor", 0x123456));
  entries.push_back(StringEntry("Author", std::string(3000, 'w')));
  entries.push_back(BitmapEntry("Face", MakeBmpFile(40, 20, [](int x, int y) { return static_cast<std::uint32_t>(x * y); })));
  return BuildSkinDataFile(entries);
}

SkinArchiveOptions WithPassword(std::string password, bool data_descriptor = false) {
  SkinArchiveOptions options;
  options.password = std::move(password);
  options.data_descriptor_flag = data_descriptor;
  return options;
}

// Layout of what BuildSkinArchive writes with the default member name.
constexpr std::size_t kEndRecord = 22;
constexpr std::size_t kCentralHeader = 46 + 12;

struct ArchiveCase {
  const char* description;
  std::function<Bytes()> make;
  const char* password;
  ExtractResult expected;
};

std::ostream& operator<<(std::ostream& out, const ArchiveCase& c) { return out << c.description; }

const ArchiveCase kArchiveCases[] = {
    {"plain member", [] { return MakeSkinFile(SampleMember(), {}); }, "", ExtractResult::kSuccess},
    {"plain member, a password given anyway", [] { return MakeSkinFile(SampleMember(), {}); }, "x", ExtractResult::kSuccess},
    {"member name in lower case", [] {
       SkinArchiveOptions options;
       options.member_name = "skindata.sk2";
       return MakeSkinFile(SampleMember(), options);
     }, "", ExtractResult::kSuccess},
    {"encrypted, right password", [] { return MakeSkinFile(SampleMember(), WithPassword("s3cret")); }, "s3cret",
     ExtractResult::kSuccess},
    {"encrypted with data descriptor flag, check byte from the time", [] {
       return MakeSkinFile(SampleMember(), WithPassword("s3cret", true));
     }, "s3cret", ExtractResult::kSuccess},
    {"encrypted, wrong password", [] { return MakeSkinFile(SampleMember(), WithPassword("s3cret")); }, "secret",
     ExtractResult::kRejected},
    {"encrypted, empty password", [] { return MakeSkinFile(SampleMember(), WithPassword("s3cret")); }, "",
     ExtractResult::kRejected},
    {"recorded size one more than decoded", [] {
       SkinArchiveOptions options;
       options.recorded_uncompressed_size = static_cast<std::uint32_t>(SampleMember().size() + 1);
       return MakeSkinFile(SampleMember(), options);
     }, "", ExtractResult::kRejected},
    {"recorded size one less than decoded", [] {
       SkinArchiveOptions options;
       options.recorded_uncompressed_size = static_cast<std::uint32_t>(SampleMember().size() - 1);
       return MakeSkinFile(SampleMember(), options);
     }, "", ExtractResult::kRejected},
    {"small stream expanding to 8 MiB, recorded as 100 bytes", [] {
       const Bytes big(8 << 20, 'a');
       SkinArchiveOptions options;
       options.recorded_uncompressed_size = 100;
       return MakeSkinFile(big, options);
     }, "", ExtractResult::kRejected},
    {"ordinary ZIP marker PK", [] {
       SkinArchiveOptions options;
       options.marker_first_byte = 'P';
       return MakeSkinFile(SampleMember(), options);
     }, "", ExtractResult::kFailure},
    {"archive comment", [] {
       SkinArchiveOptions options;
       options.archive_comment = "made by hand";
       return MakeSkinFile(SampleMember(), options);
     }, "", ExtractResult::kFailure},
    {"no member of that name", [] {
       SkinArchiveOptions options;
       options.member_name = "SKINDATA.SK3";
       return MakeSkinFile(SampleMember(), options);
     }, "", ExtractResult::kFailure},
    {"empty member", [] { return MakeSkinFile({}, {}); }, "", ExtractResult::kFailure},
    {"damaged DEFLATE data (block type 3)", [] {
       const Bytes member = SampleMember();
       return BuildSkinArchive(member, Bytes{0x07, 0, 0, 0}, {});
     }, "", ExtractResult::kFailure},
    {"cut in the middle", [] {
       Bytes file = MakeSkinFile(SampleMember(), {});
       file.resize(file.size() / 2);
       return file;
     }, "", ExtractResult::kFailure},
    {"only the marker", [] { return Bytes{'S', 'K', 3, 4}; }, "", ExtractResult::kFailure},
    {"directory offset past the end record", [] {
       Bytes file = MakeSkinFile(SampleMember(), {});
       Poke32(file, file.size() - kEndRecord + 16, static_cast<std::uint32_t>(file.size()));
       return file;
     }, "", ExtractResult::kFailure},
    {"name length running past the end record", [] {
       Bytes file = MakeSkinFile(SampleMember(), {});
       const std::size_t central = file.size() - kEndRecord - kCentralHeader;
       file[central + 28] = 0xFF;
       file[central + 29] = 0x7F;
       return file;
     }, "", ExtractResult::kFailure},
    {"local header offset past the end", [] {
       Bytes file = MakeSkinFile(SampleMember(), {});
       Poke32(file, file.size() - kEndRecord - kCentralHeader + 42, 0xFFFFFF00u);
       return file;
     }, "", ExtractResult::kFailure},
    {"encrypted member shorter than its header", [] {
       Bytes small = BuildSkinArchive(SampleMember(), Bytes{1, 2, 3}, {});
       small[6] |= 1;  // local flags
       small[small.size() - kEndRecord - kCentralHeader + 8] |= 1;  // central flags: encrypted
       return small;
     }, "pw", ExtractResult::kFailure},
};

class SkinArchiveTest : public testing::TestWithParam<ArchiveCase> {};

TEST_P(SkinArchiveTest, GivesItsResultAndLeavesOutputOnlyOnSuccess) {
  const ArchiveCase& c = GetParam();
  SkinFolder folder;
  const Bytes file = c.make();
  const std::string archive = folder.Write("theme.skn", file);
  const std::string output = folder.Path("member.out");
  const ExtractResult result = ExtractSkinMember(archive, kSkinMemberName, output, c.password);
  EXPECT_EQ(static_cast<int>(result), static_cast<int>(c.expected)) << c.description;
  EXPECT_EQ(FileExists(output), c.expected == ExtractResult::kSuccess) << c.description;
  if (c.expected == ExtractResult::kSuccess) {
    EXPECT_EQ(ReadFileBytes(output), SampleMember()) << c.description;
  }
}

INSTANTIATE_TEST_SUITE_P(Archives, SkinArchiveTest, testing::ValuesIn(kArchiveCases),
                         [](const testing::TestParamInfo<ArchiveCase>& info) {
                           std::string name;
                           for (const char* p = info.param.description; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

TEST(SkinArchiveFileTest, MissingArchiveFailsAndCreatesNothing) {
  SkinFolder folder;
  const std::string output = folder.Path("member.out");
  EXPECT_EQ(ExtractSkinMember(folder.Path("absent.skn"), kSkinMemberName, output, ""), ExtractResult::kFailure);
  EXPECT_FALSE(FileExists(output));
}

}  // namespace

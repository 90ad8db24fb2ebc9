// The outer layer of a skin file: a ZIP-layout archive marked "SK" instead of "PK". Finds
// one member by name (letter case ignored), decrypts it when it is password protected and
// decodes its DEFLATE data into a file of its own.
//
//   ExtractResult result = ExtractSkinMember(skin_path, "SKINDATA.SK2", temp_path, password);
//   if (result == ExtractResult::kRejected) { /* silently not loaded */ }
#pragma once

#include <string>
#include <string_view>

enum class ExtractResult {
  kSuccess = 0,
  kFailure = 1,   // missing or damaged archive, member not found, decoding failed
  kRejected = 2,  // password missing or wrong, decoded length not the one recorded
};

inline constexpr std::string_view kSkinMemberName = "SKINDATA.SK2";

// Whenever the result is not kSuccess, output_path does not exist afterwards.
ExtractResult ExtractSkinMember(const std::string& archive_path, std::string_view member_name,
                                const std::string& output_path, std::string_view password);

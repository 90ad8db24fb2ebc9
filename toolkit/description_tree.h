// What a stored form description says, before anything is created from it.
//
//   object Form1: TForm1
//     Caption = "Tarnwick"          string (GBK bytes allowed)
//     Left = -12                     integer (decimal or $hex)
//     Visible = True                 identifier: boolean, enumeration, colour, reference, handler
//     BorderIcons = [biSystemMenu]   set
//     Glyph = { 424D3600... }        binary (BMP bytes)
//     Sections = < item Width = 4 end >   collection
//     object Label1: TLabel ... end  nested object
//   end
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ValueKind { Integer, String, Identifier, Set, Binary, Collection };

struct PropertyAssignment;

struct CollectionItemDescription {
  int line = 0;
  std::vector<PropertyAssignment> properties;
};

struct DescriptionValue {
  ValueKind kind = ValueKind::Integer;
  int line = 0;
  std::int64_t integer = 0;
  std::string text;                      // String and Identifier
  std::vector<std::string> identifiers;  // Set
  std::vector<std::uint8_t> bytes;       // Binary
  std::vector<CollectionItemDescription> items;
};

struct PropertyAssignment {
  std::string name;  // may be dotted: "Font.Height"
  DescriptionValue value;
  int line = 0;
};

struct DescriptionObject {
  std::string name;
  std::string class_name;
  int line = 0;
  std::vector<PropertyAssignment> properties;
  std::vector<DescriptionObject> children;
};

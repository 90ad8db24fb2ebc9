#include "toolkit/color_property.h"

#include <limits>

#include "toolkit/text_compare.h"

namespace {

struct NamedColor {
  std::string_view name;
  TColor color;
};

const NamedColor kColorNames[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clNone", clNone}, {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption}, {"clMenu", clMenu}, {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame}, {"clMenuText", clMenuText}, {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText}, {"clActiveBorder", clActiveBorder}, {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace}, {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},
    {"clBtnText", clBtnText}, {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText}, {"clInfoBk", clInfoBk},
};

struct NamedCharset {
  std::string_view name;
  TFontCharset charset;
};

const NamedCharset kCharsetNames[] = {
    {"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"SYMBOL_CHARSET", SYMBOL_CHARSET},
    {"GB2312_CHARSET", GB2312_CHARSET}, {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
    {"OEM_CHARSET", OEM_CHARSET},
};

const EnumName<std::uint32_t> kFontStyleNames[] = {
    {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};

}  // namespace

std::optional<TColor> ColorFromName(std::string_view name) {
  for (const NamedColor& entry : kColorNames) {
    if (SameTextIgnoringCase(entry.name, name)) return entry.color;
  }
  return std::nullopt;
}

std::string ColorToText(TColor color) {
  for (const NamedColor& entry : kColorNames) {
    if (entry.color == color) return std::string(entry.name);
  }
  return std::to_string(color);
}

TColor ColorFromValue(std::string_view property, const DescriptionValue& value) {
  if (value.kind == ValueKind::Identifier) {
    if (const auto color = ColorFromName(value.text)) return *color;
  } else if (value.kind == ValueKind::Integer && value.integer >= std::numeric_limits<std::int32_t>::min() &&
             value.integer <= std::numeric_limits<std::uint32_t>::max()) {
    // Negative numbers are how system colours look when stored as signed 32-bit values.
    return static_cast<TColor>(static_cast<std::uint32_t>(value.integer));
  }
  FailPropertyValue(property, value, "a colour name or number");
}

std::optional<TFontCharset> CharsetFromName(std::string_view name) {
  for (const NamedCharset& entry : kCharsetNames) {
    if (SameTextIgnoringCase(entry.name, name)) return entry.charset;
  }
  return std::nullopt;
}

std::string CharsetToText(TFontCharset charset) {
  for (const NamedCharset& entry : kCharsetNames) {
    if (entry.charset == charset) return std::string(entry.name);
  }
  return std::to_string(charset);
}

std::vector<PropertyInfo> FontPropertyList(const std::string& prefix, std::function<::Font&(TPersistent&)> font) {
  auto read = [font](const TPersistent& object) -> const ::Font& { return font(const_cast<TPersistent&>(object)); };
  const std::string name = prefix + ".Name";
  const std::string height = prefix + ".Height";
  const std::string size = prefix + ".Size";
  const std::string color = prefix + ".Color";
  const std::string charset = prefix + ".Charset";
  const std::string style = prefix + ".Style";
  return {
      {name,
       [font, name](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
         if (value.kind != ValueKind::String || value.text.empty()) FailPropertyValue(name, value, "a face name");
         font(object).SetName(value.text);
       },
       [read](const TPersistent& object) { return QuoteDescriptionString(read(object).Name()); }},
      {height,
       [font, height](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
         if (value.kind != ValueKind::Integer || value.integer < -1000 || value.integer > 1000) {
           FailPropertyValue(height, value, "a height in pixels from -1000 to 1000");
         }
         font(object).SetHeight(static_cast<int>(value.integer));
       },
       [read](const TPersistent& object) { return std::to_string(read(object).Height()); }},
      {size,
       [font, size](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
         if (value.kind != ValueKind::Integer || value.integer < 1 || value.integer > 1000) {
           FailPropertyValue(size, value, "a size in points from 1 to 1000");
         }
         font(object).SetSize(static_cast<int>(value.integer));
       },
       [read](const TPersistent& object) { return std::to_string(read(object).Size()); }},
      {color,
       [font, color](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
         font(object).SetColor(ColorFromValue(color, value));
       },
       [read](const TPersistent& object) { return ColorToText(read(object).Color()); }},
      {charset,
       [font, charset](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
         std::optional<TFontCharset> known;
         if (value.kind == ValueKind::Identifier) known = CharsetFromName(value.text);
         if (value.kind == ValueKind::Integer && value.integer >= 0 && value.integer <= 255) {
           known = static_cast<TFontCharset>(value.integer);
         }
         if (!known) FailPropertyValue(charset, value, "a charset name or a number from 0 to 255");
         font(object).SetCharset(*known);
       },
       [read](const TPersistent& object) { return CharsetToText(read(object).Charset()); }},
      {style,
       [font, style](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
         if (value.kind != ValueKind::Set) FailPropertyValue(style, value, "a set of fsBold, fsItalic ...");
         FontStyles styles = 0;
         for (const std::string& element : value.identifiers) {
           bool known = false;
           for (const auto& entry : kFontStyleNames) {
             if (SameTextIgnoringCase(entry.name, element)) {
               styles |= entry.value;
               known = true;
             }
           }
           if (!known) throw PropertyValueError("unknown element " + element + " in the set of " + style);
         }
         font(object).SetStyle(styles);
       },
       [read](const TPersistent& object) {
         std::string text = "[";
         for (const auto& entry : kFontStyleNames) {
           if (read(object).Style() & entry.value) text += (text.size() > 1 ? ", " : "") + std::string(entry.name);
         }
         return text + "]";
       }},
  };
}

std::vector<PropertyInfo> Concatenate(std::vector<PropertyInfo> first, std::vector<PropertyInfo> second) {
  for (PropertyInfo& property : second) first.push_back(std::move(property));
  return first;
}

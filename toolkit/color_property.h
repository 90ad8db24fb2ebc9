// Colours and fonts as published properties: a colour is stored as a number or as one
// of the named colours (clBtnFace, clRed ...); a font is published as "Font.Name",
// "Font.Height" and its other attributes.
//
//   ColorProperty<TControl>("Color", &TControl::Color, &TControl::SetColor)
//   FontProperties<TControl>("Font", &TControl::Font)   // appended to a property list
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/published_properties.h"

std::optional<TColor> ColorFromName(std::string_view name);
std::string ColorToText(TColor color);  // the name when there is one, else the number
TColor ColorFromValue(std::string_view property, const DescriptionValue& value);

std::optional<TFontCharset> CharsetFromName(std::string_view name);
std::string CharsetToText(TFontCharset charset);

template <typename C, typename Get, typename Set>
PropertyInfo ColorProperty(std::string name, Get get, Set set) {
  return {name,
          [name, set](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
            (PropertyTarget<C>(object).*set)(ColorFromValue(name, value));
          },
          [get](const TPersistent& object) { return ColorToText((static_cast<const C&>(object).*get)()); }};
}

// The font is reached through the owner's accessor; its own OnChange tells the owner.
std::vector<PropertyInfo> FontPropertyList(const std::string& prefix, std::function<::Font&(TPersistent&)> font);

template <typename C>
std::vector<PropertyInfo> FontProperties(const std::string& prefix, ::Font& (C::*font)()) {
  return FontPropertyList(prefix, [font](TPersistent& object) -> ::Font& { return (PropertyTarget<C>(object).*font)(); });
}

// Joins property lists in order, for classes that publish a font among other properties.
std::vector<PropertyInfo> Concatenate(std::vector<PropertyInfo> first, std::vector<PropertyInfo> second);

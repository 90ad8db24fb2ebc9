// The published style properties that both skinned menus share, in their declaration
// order, over the class's own accessors.
//
//   static const ::ClassInfo info("TsuiPopupMenu", &TPopupMenu::ClassInfo(),
//                                 SkinMenuProperties<TsuiPopupMenu>());
#pragma once

#include <optional>
#include <vector>

#include "skin/file_theme.h"
#include "skin/ui_style_property.h"
#include "toolkit/color_property.h"
#include "toolkit/published_properties.h"

template <typename C>
PropertyInfo CharsetProperty(std::string name, TFontCharset (C::*get)() const, void (C::*set)(TFontCharset)) {
  return {name,
          [name, set](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
            std::optional<TFontCharset> known;
            if (value.kind == ValueKind::Identifier) known = CharsetFromName(value.text);
            if (value.kind == ValueKind::Integer && value.integer >= 0 && value.integer <= 255) {
              known = static_cast<TFontCharset>(value.integer);
            }
            if (!known) FailPropertyValue(name, value, "a charset name or a number from 0 to 255");
            (PropertyTarget<C>(object).*set)(*known);
          },
          [get](const TPersistent& object) { return CharsetToText((static_cast<const C&>(object).*get)()); }};
}

template <typename C>
std::vector<PropertyInfo> SkinMenuProperties() {
  return {EnumProperty<C>("UIStyle", kUIStyleNames, &C::UIStyle, &C::SetUIStyle),
          IntegerProperty<C>("MenuItemHeight", &C::MenuItemHeight, &C::SetMenuItemHeight),
          IntegerProperty<C>("SeparatorHeight", &C::SeparatorHeight, &C::SetSeparatorHeight),
          ColorProperty<C>("BarColor", &C::BarColor, &C::SetBarColor),
          ColorProperty<C>("BarToColor", &C::BarToColor, &C::SetBarToColor),
          IntegerProperty<C>("BarWidth", &C::BarWidth, &C::SetBarWidth),
          ColorProperty<C>("Color", &C::Color, &C::SetColor),
          ColorProperty<C>("SeparatorColor", &C::SeparatorColor, &C::SetSeparatorColor),
          ColorProperty<C>("SelectedBorderColor", &C::SelectedBorderColor, &C::SetSelectedBorderColor),
          ColorProperty<C>("SelectedColor", &C::SelectedColor, &C::SetSelectedColor),
          ColorProperty<C>("SelectedFontColor", &C::SelectedFontColor, &C::SetSelectedFontColor),
          ColorProperty<C>("FontColor", &C::FontColor, &C::SetFontColor),
          ColorProperty<C>("BorderColor", &C::BorderColor, &C::SetBorderColor),
          BooleanProperty<C>("FlatMenu", &C::FlatMenu, &C::SetFlatMenu),
          StringProperty<C>("FontName", &C::FontName, &C::SetFontName),
          IntegerProperty<C>("FontSize", &C::FontSize, &C::SetFontSize),
          CharsetProperty<C>("FontCharset", &C::FontCharset, &C::SetFontCharset),
          BooleanProperty<C>("UseSystemFont", &C::UseSystemFont, &C::SetUseSystemFont),
          ReferenceProperty<C, TsuiFileTheme>("FileTheme", &C::FileTheme, &C::SetFileTheme),
          BooleanProperty<C>("OwnerDraw", &C::OwnerDraw, &C::SetOwnerDraw)};
}

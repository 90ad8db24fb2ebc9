#include "controls/glyph_layout.h"

GlyphPlacement PlaceGlyph(TButtonLayout layout, GlyphExtent button, GlyphExtent caption, GlyphExtent glyph,
                          int spacing) {
  const int tw = caption.width, th = caption.height;
  const int gw = glyph.width, gh = glyph.height;
  const int w = button.width, h = button.height;
  switch (layout) {
    case TButtonLayout::blGlyphRight: {
      const GlyphPoint g{(w + tw + spacing - gw) / 2, (h - gh) / 2};
      return {g, {g.x - tw - spacing, (h - th) / 2}};
    }
    case TButtonLayout::blGlyphTop: {
      const GlyphPoint g{(w - gw) / 2, (h - (th + gh + spacing)) / 2};
      return {g, {(w - tw) / 2, g.y + gh + spacing}};
    }
    case TButtonLayout::blGlyphBottom: {
      const GlyphPoint g{(w - gw) / 2, (h + th + spacing - gh) / 2};
      return {g, {(w - tw) / 2, g.y - th - spacing}};
    }
    case TButtonLayout::blGlyphLeft:
    default: {
      const GlyphPoint g{(w - (tw + gw + spacing)) / 2, (h - gh) / 2};
      return {g, {g.x + gw + spacing, (h - th) / 2}};
    }
  }
}

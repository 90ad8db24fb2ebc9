#include "skin/text_fitting.h"

#include <vector>

namespace {

// Byte offsets at which each character of ANSI text ends.
std::vector<std::size_t> CharacterEnds(const std::string& text) {
  std::vector<std::size_t> ends;
  for (std::size_t i = 0; i < text.size();) {
    const bool lead = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size();
    i += lead ? 2 : 1;
    ends.push_back(i);
  }
  return ends;
}

}  // namespace

std::string FitTextWithEllipsis(Canvas& canvas, const std::string& text, int limit) {
  if (canvas.TextWidth(text) <= limit) return text;
  const std::vector<std::size_t> ends = CharacterEnds(text);
  std::string fitted;
  for (std::size_t i = 1;; ++i) {
    if (i >= ends.size()) return text;
    fitted = text.substr(0, ends[i - 1]) + "...";
    if (canvas.TextWidth(fitted) >= limit) return fitted;
  }
}

bool PointInRect(const POINT& point, const RECT& rect) {
  return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}

#include "skin/menu_setup.h"

#include <windows.h>

#include <cstddef>
#include <vector>

namespace {

// The metrics without the padded-border field that later systems added: every system
// we run on accepts this size.
constexpr UINT kClassicNonClientMetricsSize = 340;
static_assert(sizeof(NONCLIENTMETRICSA) >= kClassicNonClientMetricsSize);

}  // namespace

void CreateMenuFont(Font& font) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = kClassicNonClientMetricsSize;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kClassicNonClientMetricsSize, &metrics, 0)) return;
  font.SetFromLogFont(metrics.lfMenuFont);
  font.SetColor(clMenuText);
}

void SetMenuOwnerDrawHandlers(TMenuItem& item, const TMenuMeasureItemEvent& measure, const TMenuDrawItemEvent& draw) {
  // An explicit stack: a menu tree as deep as its builder likes cannot exhaust ours.
  std::vector<TMenuItem*> pending{&item};
  while (!pending.empty()) {
    TMenuItem* current = pending.back();
    pending.pop_back();
    current->OnMeasureItem = measure;
    current->OnDrawItem = draw;
    for (int i = current->Count() - 1; i >= 0; --i) pending.push_back(current->Item(i));
  }
}

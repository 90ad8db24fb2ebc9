#include "tools/controlgallery/menu_drop_down.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/popup_menu.h"
#include "skin/fill_drawing.h"
#include "skin/menu_setup.h"

namespace {

struct ItemSpec {
  const char* caption;
  bool selected;
  bool checked;
  bool enabled;
};

// The pointer rests on the second item; pressing or keyboard selection look the same.
constexpr ItemSpec kItems[] = {
    {"Normal", false, false, true},  {"Hover / selected", true, false, true}, {"-", false, false, true},
    {"Checked", false, true, true},  {"Checked, hover", true, true, true},    {"Disabled", false, false, false},
};

}  // namespace

Bitmap DrawMenuDropDown(TComponent& owner, const Look& look) {
  auto menu = std::make_unique<TsuiPopupMenu>(&owner);
  if (look.theme) menu->SetFileTheme(look.theme);
  menu->SetUIStyle(look.style);
  std::vector<TMenuItem*> items;
  for (const ItemSpec& spec : kItems) {
    auto* item = new TMenuItem(menu.get());
    item->SetCaption(spec.caption);
    item->SetChecked(spec.checked);
    item->SetEnabled(spec.enabled);
    menu->Items().Add(item);
    items.push_back(item);
  }
  menu->HookAllItems();

  Bitmap measuring;
  measuring.SetSize(1, 1);
  CreateMenuFont(measuring.Canvas().Font());
  std::vector<int> heights;
  int width = 0;
  for (TMenuItem* item : items) {
    int item_width = 0;
    int item_height = 0;
    menu->MeasureSkinMenuItem(item, measuring.Canvas(), item_width, item_height);
    width = std::max(width, item_width);
    heights.push_back(item_height);
  }
  // The system widens owner-drawn items by a check mark, as it does in a real menu.
  width += GetSystemMetrics(SM_CXMENUCHECK);

  constexpr int kFrame = 1;
  int height = 0;
  for (const int item_height : heights) height += item_height;
  Bitmap picture;
  picture.SetSize(width + 2 * kFrame, height + 2 * kFrame);
  FillRectColor(picture.Canvas(), {0, 0, picture.Width(), picture.Height()}, menu->Color());
  FrameRectColor(picture.Canvas(), {0, 0, picture.Width(), picture.Height()}, menu->BorderColor());
  int top = kFrame;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const RECT rect{kFrame, top, kFrame + width, top + heights[i]};
    menu->DrawSkinMenuItem(items[i], picture.Canvas(), rect, kItems[i].selected);
    top += heights[i];
  }
  return picture;
}

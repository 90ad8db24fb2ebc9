#include "toolkit/panel.h"

#include "toolkit/published_properties.h"

namespace {
const EnumName<TBevelCut> kBevelNames[] = {
    {"bvNone", TBevelCut::bvNone}, {"bvLowered", TBevelCut::bvLowered}, {"bvRaised", TBevelCut::bvRaised}};
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

const ClassInfo& TPanel::ClassInfo() const {
  static const ::ClassInfo info("TPanel", &TWinControl::ClassInfo(),
                                {EnumProperty<TPanel>("BevelOuter", kBevelNames, &TPanel::BevelOuter,
                                                      &TPanel::SetBevelOuter)});
  return info;
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  if (bevel == bevel_outer_) return;
  bevel_outer_ = bevel;
  Invalidate();
}

void TPanel::TextChanged() { Invalidate(); }

void TPanel::Paint() {
  RECT rect = ClientRect();
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(rect);
  if (bevel_outer_ != TBevelCut::bvNone) {
    DrawEdge(Canvas().Handle(), &rect, bevel_outer_ == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
             BF_RECT);
  }
  if (!Caption().empty()) {
    Canvas().Brush().SetStyle(BrushStyle::bsClear);
    Canvas().Font().Assign(Font());
    Canvas().DrawText(Caption(), rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  }
}

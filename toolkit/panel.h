// A plain container: its colour, an optional raised or lowered edge, a centred caption.
#pragma once

#include "toolkit/custom_control.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* owner);

  std::string_view ClassName() const override { return "TPanel"; }
  const ::ClassInfo& ClassInfo() const override;

  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut bevel);

 protected:
  void Paint() override;
  void TextChanged() override;

 private:
  TBevelCut bevel_outer_ = TBevelCut::bvRaised;
};

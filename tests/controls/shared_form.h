// One shown form for all the tests of a program: Wine takes seconds to destroy a
// top-level window, so the tests put their controls on this one and free only those.
//
//   const auto* const kForm = ::testing::AddGlobalTestEnvironment(new SharedFormEnvironment(100, 80));
//   auto* box = new TsuiCheckBox(&SharedForm());
//   box->SetParent(&SharedForm());
//   PumpMessages();   // what showing, painting and posted input queued
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/application.h"
#include "toolkit/color.h"
#include "toolkit/form.h"

inline void PumpMessages() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

inline constexpr TColor kSharedFormColor = RGBColor(40, 160, 90);

class SharedFormEnvironment : public ::testing::Environment {
 public:
  // Programs that may run side by side on one display keep their forms apart.
  SharedFormEnvironment(int left, int top) : left_(left), top_(top) {}

  void SetUp() override {
    form_ = new TForm(nullptr);
    form_->SetBounds(left_, top_, 360, 240);
    form_->SetColor(kSharedFormColor);
    form_->Show();
    PumpMessages();
  }
  void TearDown() override {
    delete form_;
    form_ = nullptr;
  }

  static TForm& Form() { return *form_; }

 private:
  int left_;
  int top_;
  static inline TForm* form_ = nullptr;
};

inline TForm& SharedForm() { return SharedFormEnvironment::Form(); }

// Reading what a check box paints, and the pictures it should show: frames of the
// built-in strips straight from the program's resources, cut here by column arithmetic.
//
//   Bitmap face = PaintedFace(*box);
//   EXPECT_TRUE(ShowsPicture(face, 1, 3, StripFrame("WINXP_CHECKBOX", 4, 3)));
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "controls/check_box.h"
#include "toolkit/bitmap.h"

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<TColor> pixels;
  TColor At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

inline Picture PictureOf(const Bitmap& bitmap, int left, int top, int width, int height) {
  Picture picture{width, height, {}};
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) picture.pixels.push_back(bitmap.Pixel(x, y));
  return picture;
}

// Frame `index` (from 1) of `count` equal frames of the named bitmap resource.
inline Picture StripFrame(const char* resource, int count, int index) {
  Bitmap strip;
  strip.LoadFromResourceName(GetModuleHandleA(nullptr), resource);
  const int frame_width = strip.Width() / count;
  const int left = index == count ? strip.Width() - frame_width : frame_width * (index - 1);
  return PictureOf(strip, left, 0, frame_width, strip.Height());
}

inline ::testing::AssertionResult ShowsPicture(const Bitmap& face, int left, int top, const Picture& expected) {
  if (left + expected.width > face.Width() || top + expected.height > face.Height()) {
    return ::testing::AssertionFailure() << "a " << expected.width << "x" << expected.height << " picture at " << left
                                         << "," << top << " does not fit a " << face.Width() << "x" << face.Height()
                                         << " face";
  }
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      const TColor painted = face.Pixel(left + x, top + y);
      if (painted != expected.At(x, y)) {
        std::ostringstream text;
        text << "picture pixel " << x << "," << y << " is 0x" << std::hex << painted << ", expected 0x"
             << expected.At(x, y);
        return ::testing::AssertionFailure() << text.str();
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// What the box paints through its own Paint, onto a bitmap of the size it has afterwards
// (auto-size settles during the first paint).
inline Bitmap PaintedFace(TsuiCheckBox& box) {
  Bitmap scratch;
  scratch.SetSize(box.Width() + 64, box.Height() + 64);
  box.PaintTo(scratch.Canvas().Handle());
  Bitmap face;
  face.SetSize(box.Width(), box.Height());
  box.PaintTo(face.Canvas().Handle());
  return face;
}

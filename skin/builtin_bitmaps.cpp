#include "skin/builtin_bitmaps.h"

#include <windows.h>

#include <string>

#include "skin/strip_drawing.h"

void LoadBuiltInBitmap(TsuiUIStyle style, int element, Bitmap* destination) {
  if (!destination || LookupBuiltInEntry(style, element).kind != BuiltInKind::Bitmap) return;
  const std::string_view name = GetBuiltInBitmapName(style, element);
  // The spare bitmap rows carry an empty name: they mean "no picture", not a resource.
  if (name.empty()) return;
  destination->LoadFromResourceName(GetModuleHandleA(nullptr), std::string(name));
}

void GetBuiltInBitmap(TsuiUIStyle style, int element, Bitmap* destination, int frame_index, int frame_count) {
  if (!destination) return;
  if (frame_count == 0) {
    LoadBuiltInBitmap(style, element, destination);
    return;
  }
  Bitmap strip;
  LoadBuiltInBitmap(style, element, &strip);
  ExtractStripFrame(strip, *destination, frame_count, frame_index);
}

#include "tools/stylegen/picture_set.h"

#include <fstream>
#include <stdexcept>

#include "tools/stylegen/bmp_encoder.h"
#include "tools/stylegen/control_pictures.h"
#include "tools/stylegen/extra_pictures.h"
#include "tools/stylegen/main_window_pictures.h"
#include "tools/stylegen/style_look.h"

namespace {

void AddBitmap(std::vector<PictureFile>& set, const std::string& folder, const std::string& name,
               const Image& image, BmpDepth depth = BmpDepth::Bits24) {
  set.push_back({folder + "/" + name + ".bmp", EncodeBmp(image, depth)});
}

void AddStyle(std::vector<PictureFile>& set, const StyleLook& look) {
  auto add = [&](const std::string& suffix, const Image& image) { AddBitmap(set, "styles", look.prefix + suffix, image); };
  add("BUTTON", ButtonStrip(look));
  add("CHECKBOX", CheckBoxStrip(look));
  add("RADIOBUTTON", RadioButtonStrip(look));
  add("TITLEBTN", TitleButtonStrip(look));
  add("TITLE_LEFT", TitleSectionPicture(look, TitleSection::Left));
  add("TITLE_CLIENT", TitleSectionPicture(look, TitleSection::Client));
  add("TITLE_RIGHT", TitleSectionPicture(look, TitleSection::Right));
  add("PROGRESSBAR", ProgressBarStrip(look));
  add("TRACKBAR_BAR", TrackBarBar(look));
  add("TRACKBAR_SLIDER", TrackBarSlider(look, false));
  add("TRACKBAR_SLIDER_V", TrackBarSlider(look, true));
  add("SCROLLBAR_BUTTON", ScrollBarButtonStrip(look));
  add("SCROLLBAR_TRACK", ScrollBarTrackStrip(look));
  add("CHECKLIST", CheckListStrip(look));
  add("TAB", TabStrip(look));
  add("TAB_LINE", TabLine(look));
  add("SIDECHENNEL_HANDLE", SideChannelHandle(look));
  add("SIDECHENNEL_BAR", SideChannelBar(look));
}

void AddSharedPictures(std::vector<PictureFile>& set) {
  const StyleLook& mac = LookOf(TsuiUIStyle::MacOS);
  const StyleLook& xp = LookOf(TsuiUIStyle::WinXP);
  AddBitmap(set, "styles", "MACOS_SCROLLBUTTON", ScrollButtonStrip(mac));
  AddBitmap(set, "styles", "WINXP_SCROLLBUTTON", ScrollButtonStrip(xp));
  AddBitmap(set, "styles", "MORE_SCROLLBUTTON", ScrollButtonStrip(LookOf(TsuiUIStyle::DeepBlue)));
  AddBitmap(set, "styles", "MACOS_COMBOBOX_BUTTON", ComboBoxButtonStrip(mac));
  AddBitmap(set, "styles", "WINXP_COMBOBOX_BUTTON", ComboBoxButtonStrip(xp));
  AddBitmap(set, "styles", "MACOS_MENU_BAR", MacMenuBar());
  AddBitmap(set, "styles", "MACOS_MENU_SELECT", MacMenuSelect());
  AddBitmap(set, "styles", "MENU_CHECKED", MenuCheckedMark());
  AddBitmap(set, "styles", "MACOS_FORM_BACKGROUND", FormBackgroundTile(mac));
  AddBitmap(set, "styles", "PROTEIN_FORM_BACKGROUND", FormBackgroundTile(LookOf(TsuiUIStyle::Protein)));
}

void AddMainWindowPictures(std::vector<PictureFile>& set) {
  const std::pair<MainWindowButton, const char*> buttons[] = {{MainWindowButton::Close, "CLOSE"},
                                                              {MainWindowButton::Minimize, "MINIMIZE"}};
  const std::pair<ButtonState, const char*> states[] = {
      {ButtonState::Normal, "NORMAL"}, {ButtonState::Hover, "HOVER"}, {ButtonState::Pressed, "PRESSED"}};
  for (const auto& [button, buttonName] : buttons)
    for (const auto& [state, stateName] : states)
      AddBitmap(set, "main_window", std::string("TITLEBTN_") + buttonName + "_" + stateName,
                MainWindowButtonPicture(button, state), BmpDepth::Bits32);
  const StyleLook& mac = LookOf(TsuiUIStyle::MacOS);
  AddBitmap(set, "main_window", "TITLE_LEFT", TitleSectionPicture(mac, TitleSection::Left), BmpDepth::Bits8);
  AddBitmap(set, "main_window", "TITLE_RIGHT", TitleSectionPicture(mac, TitleSection::Right), BmpDepth::Bits8);
  AddBitmap(set, "main_window", "TITLE_CLIENT", TitleSectionPicture(mac, TitleSection::Client), BmpDepth::Bits8);
  const IconPicture icon = ProgramIcon();
  set.push_back({"main_window/TARNWICK.ico", EncodeIcon(icon.colours, icon.alpha)});
}

}  // namespace

std::vector<PictureFile> BuildPictureSet() {
  std::vector<PictureFile> set;
  for (TsuiUIStyle style : kBuiltInStyles) AddStyle(set, LookOf(style));
  AddSharedPictures(set);
  AddMainWindowPictures(set);
  return set;
}

void WritePictureSet(const std::filesystem::path& root) {
  for (const PictureFile& file : BuildPictureSet()) {
    const std::filesystem::path path = root / file.relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
  }
}

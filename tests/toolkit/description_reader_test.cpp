#include "toolkit/description_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/class_registry.h"
#include "toolkit/component.h"
#include "toolkit/published_properties.h"

namespace {

using PingEvent = std::function<void(TComponent* sender)>;
using CountEvent = std::function<void(int)>;

enum class Mode { Off, Slow, Fast };
const EnumName<Mode> kModeNames[] = {{"mdOff", Mode::Off}, {"mdSlow", Mode::Slow}, {"mdFast", Mode::Fast}};
const EnumName<std::uint32_t> kSideNames[] = {{"sdLeft", 1}, {"sdTop", 2}, {"sdRight", 4}};

std::vector<std::string> g_log;  // every setter call and Loaded, in order

class Section : public TPersistent {
 public:
  std::string_view ClassName() const override { return "TTestSection"; }
  const ::ClassInfo& ClassInfo() const override {
    static const ::ClassInfo info("TTestSection", nullptr,
                                  {IntegerProperty<Section>("Width", &Section::Width, &Section::SetWidth)});
    return info;
  }
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }

 private:
  int width_ = 0;
};

class Widget : public TComponent {
 public:
  using TComponent::TComponent;
  std::string_view ClassName() const override { return "TTestWidget"; }
  const ::ClassInfo& ClassInfo() const override {
    static const ::ClassInfo info(
        "TTestWidget", &TComponent::ClassInfo(),
        {IntegerProperty<Widget>("Count", &Widget::Count, &Widget::SetCount),
         StringProperty<Widget>("Title", &Widget::Title, &Widget::SetTitle),
         BooleanProperty<Widget>("Flag", &Widget::Flag, &Widget::SetFlag),
         EnumProperty<Widget>("Mode", kModeNames, &Widget::GetMode, &Widget::SetMode),
         SetProperty<Widget>("Sides", kSideNames, &Widget::Sides, &Widget::SetSides),
         ReferenceProperty<Widget, Widget>("Buddy", &Widget::Buddy, &Widget::SetBuddy),
         EventProperty<Widget, PingEvent>("OnPing", &Widget::SetOnPing),
         PictureProperty<Widget>("Picture", &Widget::SetPictureBytes, &Widget::SetPictureResource),
         CollectionProperty<Widget>("Sections", &Widget::ClearSections, &Widget::AddSection)});
    return info;
  }

  int Count() const { return count_; }
  void SetCount(int count) {
    count_ = count;
    g_log.push_back(Name() + ".Count=" + std::to_string(count));
  }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) {
    title_ = title;
    g_log.push_back(Name() + ".Title");
  }
  bool Flag() const { return flag_; }
  void SetFlag(bool flag) { flag_ = flag; }
  Mode GetMode() const { return mode_; }
  void SetMode(Mode mode) { mode_ = mode; }
  std::uint32_t Sides() const { return sides_; }
  void SetSides(std::uint32_t sides) { sides_ = sides; }
  Widget* Buddy() const { return buddy_; }
  void SetBuddy(Widget* buddy) {
    buddy_ = buddy;
    if (buddy) buddy->FreeNotification(this);
    g_log.push_back(Name() + ".Buddy");
  }
  void SetOnPing(PingEvent event) { on_ping_ = std::move(event); }
  void Ping() {
    if (on_ping_) on_ping_(this);
  }
  void SetPictureBytes(std::span<const std::uint8_t> bytes) { picture_.assign(bytes.begin(), bytes.end()); }
  void SetPictureResource(const std::string& name) { picture_resource_ = name; }
  void ClearSections() { sections_.clear(); }
  TPersistent& AddSection() { return *sections_.emplace_back(std::make_unique<Section>()); }

  void SetParentComponent(TComponent* parent) override { parent_ = parent; }
  void Loaded() override {
    g_log.push_back(Name() + ".Loaded" + (buddy_ ? "+buddy" : ""));
    TComponent::Loaded();
  }
  void Notification(TComponent* component, Operation operation) override {
    if (operation == Operation::Remove && component == buddy_) buddy_ = nullptr;
    TComponent::Notification(component, operation);
  }

  TComponent* parent_ = nullptr;
  std::vector<std::uint8_t> picture_;
  std::string picture_resource_;
  std::vector<std::unique_ptr<Section>> sections_;

 private:
  int count_ = 0;
  std::string title_;
  bool flag_ = false;
  Mode mode_ = Mode::Off;
  std::uint32_t sides_ = 0;
  Widget* buddy_ = nullptr;
  PingEvent on_ping_;
};

class Root : public Widget {
 public:
  Root() : Widget(nullptr) {}
  std::string_view ClassName() const override { return "TTestRoot"; }
};

class DescriptionReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    RegisterComponentClass<Widget>("TTestWidget");
    handlers_.Add<PingEvent>("Widget1Ping", [this](TComponent* sender) { pinged_by_ = sender; });
    handlers_.Add<CountEvent>("CountChanged", [](int) {});
  }
  Widget* Child(const char* name) { return dynamic_cast<Widget*>(root_.FindComponent(name)); }

  Root root_;
  HandlerTable handlers_;
  TComponent* pinged_by_ = nullptr;
};

TEST_F(DescriptionReaderTest, BuildsNestedChildrenInStoredOrderThenResolvesAndLoads) {
  const char* text =
      "object Root1: TTestRoot\n"
      "  Count = 1\n"
      "  Title = \"root\"\n"
      "  object Widget1: TTestWidget\n"
      "    Buddy = Widget2\n"
      "    Title = \"first\"\n"
      "    Count = 2\n"
      "    OnPing = Widget1Ping\n"
      "    Mode = mdFast\n"
      "    Sides = [sdLeft, sdRight]\n"
      "    Flag = True\n"
      "    Picture = { 424D0102 }\n"
      "    Sections = < item Width = 48 end item Width = 10 end >\n"
      "    object Widget2: TTestWidget\n"
      "      Count = 3\n"
      "      Picture = \"MACOS_BUTTON\"\n"
      "    end\n"
      "  end\n"
      "end\n";
  ReadDescription(root_, text, "root.dfm", handlers_);

  EXPECT_EQ(g_log, (std::vector<std::string>{"Root1.Count=1", "Root1.Title", "Widget1.Title", "Widget1.Count=2",
                                             "Widget2.Count=3", "Widget1.Buddy", "Root1.Loaded",
                                             "Widget1.Loaded+buddy", "Widget2.Loaded"}));
  Widget* first = Child("Widget1");
  Widget* second = Child("Widget2");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(root_.ComponentCount(), 2);
  EXPECT_EQ(first->Owner(), &root_);
  EXPECT_EQ(second->Owner(), &root_);
  EXPECT_EQ(first->parent_, &root_);
  EXPECT_EQ(second->parent_, first);
  EXPECT_EQ(first->Buddy(), second);
  EXPECT_EQ(first->GetMode(), Mode::Fast);
  EXPECT_EQ(first->Sides(), 5u);
  EXPECT_TRUE(first->Flag());
  EXPECT_EQ(first->picture_, (std::vector<std::uint8_t>{0x42, 0x4D, 0x01, 0x02}));
  EXPECT_EQ(second->picture_resource_, "MACOS_BUTTON");
  ASSERT_EQ(first->sections_.size(), 2u);
  EXPECT_EQ(first->sections_[0]->Width(), 48);
  EXPECT_EQ(first->sections_[1]->Width(), 10);
  EXPECT_FALSE(first->Loading());
  first->Ping();
  EXPECT_EQ(pinged_by_, first);

  // The reference is a real one: freeing the referenced component clears it.
  delete second;
  EXPECT_EQ(first->Buddy(), nullptr);
}

TEST_F(DescriptionReaderTest, PropertiesReadBackInTheirStoredForm) {
  ReadDescription(root_,
                  "object Root1: TTestRoot\n object Widget1: TTestWidget\n Mode = mdSlow\n Sides = [sdTop, sdRight]\n"
                  " Title = \"a\\\"b\"\n Flag = False\n Buddy = Root1\n end\nend\n",
                  "root.dfm", handlers_);
  Widget* first = Child("Widget1");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetPublishedProperty(*first, "Mode"), "mdSlow");
  EXPECT_EQ(GetPublishedProperty(*first, "sides"), "[sdTop, sdRight]");
  EXPECT_EQ(GetPublishedProperty(*first, "Title"), "\"a\\\"b\"");
  EXPECT_EQ(GetPublishedProperty(*first, "Flag"), "False");
  EXPECT_EQ(GetPublishedProperty(*first, "Buddy"), "Root1");
  SetPublishedProperty(*first, "Count", "42");
  EXPECT_EQ(first->Count(), 42);
  EXPECT_EQ(g_log.back(), "Widget1.Count=42");  // the setter itself ran
  EXPECT_TRUE(HasPublishedProperty(*first, "Name"));
  EXPECT_TRUE(HasPublishedProperty(*first, "OnPing"));
  EXPECT_FALSE(HasPublishedProperty(*first, "Colour"));
  EXPECT_THROW(SetPublishedProperty(*first, "Count", "\"x\""), PropertyValueError);
  EXPECT_EQ(first->Count(), 42);
}

TEST_F(DescriptionReaderTest, PublishedPropertiesListBaseFirstInDeclarationOrder) {
  std::vector<std::string> names;
  for (const PropertyInfo* property : root_.ClassInfo().All()) names.push_back(property->name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Count", "Title", "Flag", "Mode", "Sides", "Buddy", "OnPing",
                                             "Picture", "Sections"}));
}

struct BadDescription {
  const char* description;
  const char* body;  // placed inside "object Root1: TTestRoot" ... "end", from line 2
  int line;
  const char* message_part;
};

void PrintTo(const BadDescription& bad, std::ostream* out) { *out << bad.description << ": " << bad.body; }

class DescriptionReaderErrorTest : public DescriptionReaderTest,
                                   public ::testing::WithParamInterface<BadDescription> {};

TEST_P(DescriptionReaderErrorTest, FailsWithLineAndLeavesNoChildren) {
  const BadDescription& bad = GetParam();
  const std::string text = std::string("object Root1: TTestRoot\n") + bad.body + "end\n";
  try {
    ReadDescription(root_, text, "bad.dfm", handlers_);
    FAIL() << "no error for: " << bad.body;
  } catch (const DescriptionError& error) {
    EXPECT_EQ(error.File(), "bad.dfm");
    EXPECT_EQ(error.Line(), bad.line) << error.what();
    EXPECT_NE(error.Message().find(bad.message_part), std::string::npos) << error.what();
  }
  EXPECT_EQ(root_.ComponentCount(), 0);
  EXPECT_FALSE(root_.Loading());
}

const BadDescription kBadDescriptions[] = {
    {"unknown_class", " Count = 1\n object W: TNoSuchClass\n end\n", 3, "unknown class TNoSuchClass"},
    {"unknown_property", " object W: TTestWidget\n  Colour = 1\n end\n", 3, "unknown property Colour"},
    {"unknown_item_property", " Sections = <\n  item\n   Height = 1\n  end>\n", 4, "unknown property Height"},
    {"integer_as_text", " Count = \"12\"\n", 2, "an integer is expected"},
    {"integer_too_large", " Count = 4294967296\n", 2, "invalid value 4294967296"},
    {"not_boolean", " Flag = Yes\n", 2, "True or False"},
    {"unknown_enum", " Mode = mdWarp\n", 2, "invalid value mdWarp"},
    {"unknown_set_element", " Sides = [sdLeft, sdBottom]\n", 2, "unknown element sdBottom"},
    {"unknown_reference", " Count = 1\n Buddy = Nobody\n", 3, "unknown component Nobody"},
    {"unknown_handler", " OnPing = NoHandler\n", 2, "unknown handler NoHandler"},
    {"handler_of_other_type", " OnPing = CountChanged\n", 2, "does not fit"},
    {"picture_as_number", " Picture = 5\n", 2, "picture bytes"},
    {"duplicate_name", " object W: TTestWidget\n end\n object w: TTestWidget\n end\n", 4, "already exists"},
    {"syntax_inside", " object W: TTestWidget\n  Count = = 1\n end\n", 3, "a value is expected"},
};

INSTANTIATE_TEST_SUITE_P(Table, DescriptionReaderErrorTest, ::testing::ValuesIn(kBadDescriptions),
                         [](const auto& info) { return std::string(info.param.description); });

TEST_F(DescriptionReaderTest, RootOfAnotherClassIsRefused) {
  try {
    ReadDescription(root_, "object Root1: TOther\nend\n", "other.dfm", handlers_);
    FAIL();
  } catch (const DescriptionError& error) {
    EXPECT_EQ(error.Line(), 1);
    EXPECT_NE(error.Message().find("TOther"), std::string::npos);
  }
}

}  // namespace

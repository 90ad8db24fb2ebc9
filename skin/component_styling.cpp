#include "skin/component_styling.h"

#include <string>

#include "skin/file_theme.h"
#include "toolkit/published_properties.h"
#include "toolkit/text_compare.h"

namespace {

// Hands the one component we mean to the property, instead of looking a name up among
// the owner's components: the target need not be named, nor be owned by that owner.
class DirectReferenceContext : public PropertyReadContext {
 public:
  explicit DirectReferenceContext(TComponent* target) : target_(target) {}
  void ResolveReference(const std::string&, int, std::function<void(TComponent*)> assign) override {
    assign(target_);
  }
  const std::any* FindHandler(std::string_view) const override { return nullptr; }

 private:
  TComponent* target_;
};

}  // namespace

bool PublishedReferenceIs(const TPersistent& object, std::string_view property, const TComponent& target) {
  const PropertyInfo* info = object.ClassInfo().Find(property);
  if (!info || !info->get || target.Name().empty()) return false;
  const std::string referenced = info->get(object);
  if (!SameTextIgnoringCase(referenced, target.Name())) return false;
  // Siblings carry distinct names, so the name found among the target's siblings is the
  // target itself unless another owner's component shares it.
  const TComponent* owner = target.Owner();
  return !owner || owner->FindComponent(referenced) == &target;
}

void AssignPublishedReference(TPersistent& object, std::string_view property, TComponent* target) {
  PropertyAssignment assignment;
  assignment.name = std::string(property);
  assignment.line = 1;
  assignment.value.kind = ValueKind::Identifier;
  // Any identifier but "nil" makes the property ask the context for its component.
  assignment.value.text = target ? "component" : "nil";
  DirectReferenceContext context(target);
  try {
    ApplyPropertyAssignment(object, assignment, context);
  } catch (const AssignmentError& error) {
    throw PropertyValueError(error.what());
  }
}

void ApplyStyleToChildren(TWinControl& form, TsuiUIStyle style, TsuiFileTheme* file_theme) {
  const std::string_view identifier = UIStyleIdentifier(style);
  if (identifier.empty()) return;
  // By index: a child's setter may add or remove controls of the form.
  for (std::size_t i = 0; i < form.Controls().size(); ++i) {
    TControl& child = *form.Controls()[i];
    if (!HasPublishedProperty(child, "FileTheme") || !HasPublishedProperty(child, "UIStyle")) continue;
    AssignPublishedReference(child, "FileTheme", file_theme);
    SetPublishedProperty(child, "UIStyle", identifier);
  }
}

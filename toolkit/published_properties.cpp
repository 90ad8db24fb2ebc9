#include "toolkit/published_properties.h"

#include "toolkit/component.h"
#include "toolkit/description_parser.h"

ClassInfo::ClassInfo(std::string class_name, const ClassInfo* base, std::vector<PropertyInfo> own)
    : name_(std::move(class_name)), base_(base), own_(std::move(own)) {}

const PropertyInfo* ClassInfo::Find(std::string_view name) const {
  for (const ClassInfo* info = this; info; info = info->base_) {
    for (const PropertyInfo& property : info->own_) {
      if (SameTextIgnoringCase(property.name, name)) return &property;
    }
  }
  return nullptr;
}

std::vector<const PropertyInfo*> ClassInfo::All() const {
  std::vector<const PropertyInfo*> all = base_ ? base_->All() : std::vector<const PropertyInfo*>{};
  for (const PropertyInfo& property : own_) all.push_back(&property);
  return all;
}

bool ClassInfo::InheritsFrom(std::string_view class_name) const {
  for (const ClassInfo* info = this; info; info = info->base_) {
    if (SameTextIgnoringCase(info->name_, class_name)) return true;
  }
  return false;
}

std::string QuoteDescriptionString(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\r') {
      quoted += "\\r";
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

void FailPropertyValue(std::string_view property, const DescriptionValue& value, std::string_view expected) {
  std::string shown;
  switch (value.kind) {
    case ValueKind::Integer: shown = std::to_string(value.integer); break;
    case ValueKind::String: shown = QuoteDescriptionString(value.text); break;
    case ValueKind::Identifier: shown = value.text; break;
    case ValueKind::Set: shown = "a set"; break;
    case ValueKind::Binary: shown = "binary data"; break;
    case ValueKind::Collection: shown = "a collection"; break;
  }
  throw PropertyValueError("invalid value " + shown + " for " + std::string(property) + ": " +
                           std::string(expected) + " is expected");
}

void ApplyPropertyAssignment(TPersistent& object, const PropertyAssignment& assignment, PropertyReadContext& context) {
  const PropertyInfo* property = object.ClassInfo().Find(assignment.name);
  if (!property || !property->set) {
    throw AssignmentError(assignment.line, "unknown property " + assignment.name + " of class " +
                                               std::string(object.ClassName()));
  }
  try {
    property->set(object, assignment.value, context);
  } catch (const AssignmentError&) {
    throw;  // from an item of a collection, already with its own line
  } catch (const std::exception& error) {
    throw AssignmentError(assignment.line, error.what());
  }
}

namespace {

// Setting by text on a live object: references resolve at once among the owner's
// components, and there is no handler table.
class ImmediateContext : public PropertyReadContext {
 public:
  explicit ImmediateContext(const TPersistent& object) : object_(object) {}

  void ResolveReference(const std::string& name, int, std::function<void(TComponent*)> assign) override {
    const auto* component = dynamic_cast<const TComponent*>(&object_);
    TComponent* scope = component ? component->Owner() : nullptr;
    TComponent* found = scope ? scope->FindComponent(name) : nullptr;
    if (!found) throw PropertyValueError("no component named " + name);
    assign(found);
  }
  const std::any* FindHandler(std::string_view) const override { return nullptr; }

 private:
  const TPersistent& object_;
};

}  // namespace

bool HasPublishedProperty(const TPersistent& object, std::string_view name) {
  return object.ClassInfo().Find(name) != nullptr;
}

void SetPublishedProperty(TPersistent& object, std::string_view name, std::string_view value_text) {
  PropertyAssignment assignment;
  assignment.name = std::string(name);
  assignment.line = 1;
  try {
    assignment.value = ParseDescriptionValue(value_text, assignment.name);
    ImmediateContext context(object);
    ApplyPropertyAssignment(object, assignment, context);
  } catch (const DescriptionError& error) {
    throw PropertyValueError(error.Message());
  } catch (const AssignmentError& error) {
    throw PropertyValueError(error.what());
  }
}

std::string GetPublishedProperty(const TPersistent& object, std::string_view name) {
  const PropertyInfo* property = object.ClassInfo().Find(name);
  if (!property) {
    throw PropertyValueError("unknown property " + std::string(name) + " of class " + std::string(object.ClassName()));
  }
  if (!property->get) throw PropertyValueError("property " + property->name + " has no text form");
  return property->get(object);
}

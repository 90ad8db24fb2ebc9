// Published properties: each class lists its own in declaration order after its base's,
// and they are set and read by name, in the text form a stored description uses.
//
//   const ClassInfo& TTimer::ClassInfo() const {
//     static const ::ClassInfo info("TTimer", &TComponent::ClassInfo(...), {
//         BooleanProperty<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled),
//         IntegerProperty<TTimer>("Interval", &TTimer::Interval, &TTimer::SetInterval)});
//     return info;
//   }
//   SetPublishedProperty(timer, "Interval", "300000");  // runs SetInterval's side effects
//
// A setter reached by name is the class's own setter, so it does exactly what a direct
// call does.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/description_tree.h"
#include "toolkit/persistent.h"
#include "toolkit/text_compare.h"

class TComponent;

// Raised by a property for a value it cannot take; the reader adds file and line.
class PropertyValueError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// A stored assignment that failed, with the line it stands on; the reader adds the file.
class AssignmentError : public std::runtime_error {
 public:
  AssignmentError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

// What a property needs from whoever applies a value beyond the value itself.
class PropertyReadContext {
 public:
  virtual ~PropertyReadContext() = default;
  // References may name components described further down, so they are assigned
  // once everything exists (or at once, when set by text on a live component).
  virtual void ResolveReference(const std::string& name, int line, std::function<void(TComponent*)> assign) = 0;
  // The handler registered under the name, or null.
  virtual const std::any* FindHandler(std::string_view name) const = 0;
};

struct PropertyInfo {
  std::string name;
  std::function<void(TPersistent&, const DescriptionValue&, PropertyReadContext&)> set;
  std::function<std::string(const TPersistent&)> get;  // empty when the value has no text form
};

class ClassInfo {
 public:
  ClassInfo(std::string class_name, const ClassInfo* base, std::vector<PropertyInfo> own);

  const std::string& Name() const { return name_; }
  const ClassInfo* Base() const { return base_; }
  // The property of that name (letter case ignored), the class's own before its bases'.
  const PropertyInfo* Find(std::string_view name) const;
  // Every published property, the bases' first, each in declaration order.
  std::vector<const PropertyInfo*> All() const;
  bool InheritsFrom(std::string_view class_name) const;

 private:
  std::string name_;
  const ClassInfo* base_;
  std::vector<PropertyInfo> own_;
};

bool HasPublishedProperty(const TPersistent& object, std::string_view name);
// Text forms as in a description: 12, "text", True, clRed, [akLeft, akTop], Form1.
// References resolve among the components of the object's owner. Raise
// PropertyValueError for an unknown property or a value it refuses.
void SetPublishedProperty(TPersistent& object, std::string_view name, std::string_view value_text);
std::string GetPublishedProperty(const TPersistent& object, std::string_view name);

// Applies one stored assignment (used by the description reader and by collections).
void ApplyPropertyAssignment(TPersistent& object, const PropertyAssignment& assignment, PropertyReadContext& context);

// ---- Building blocks for ClassInfo tables ----

template <typename E>
struct EnumName {
  std::string_view name;
  E value;
};

std::string QuoteDescriptionString(std::string_view text);
[[noreturn]] void FailPropertyValue(std::string_view property, const DescriptionValue& value, std::string_view expected);

template <typename C>
C& PropertyTarget(TPersistent& object) {
  return static_cast<C&>(object);
}

template <typename C, typename Get, typename Set>
PropertyInfo IntegerProperty(std::string name, Get get, Set set) {
  return {name,
          [name, set](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
            if (value.kind != ValueKind::Integer || value.integer < std::numeric_limits<int>::min() ||
                value.integer > std::numeric_limits<int>::max()) {
              FailPropertyValue(name, value, "an integer");
            }
            (PropertyTarget<C>(object).*set)(static_cast<int>(value.integer));
          },
          [get](const TPersistent& object) { return std::to_string((static_cast<const C&>(object).*get)()); }};
}

template <typename C, typename Get, typename Set>
PropertyInfo BooleanProperty(std::string name, Get get, Set set) {
  return {name,
          [name, set](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
            const bool is_true = value.kind == ValueKind::Identifier && SameTextIgnoringCase(value.text, "True");
            const bool is_false = value.kind == ValueKind::Identifier && SameTextIgnoringCase(value.text, "False");
            if (!is_true && !is_false) FailPropertyValue(name, value, "True or False");
            (PropertyTarget<C>(object).*set)(is_true);
          },
          [get](const TPersistent& object) {
            return std::string((static_cast<const C&>(object).*get)() ? "True" : "False");
          }};
}

template <typename C, typename Get, typename Set>
PropertyInfo StringProperty(std::string name, Get get, Set set) {
  return {name,
          [name, set](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
            if (value.kind != ValueKind::String) FailPropertyValue(name, value, "a string");
            (PropertyTarget<C>(object).*set)(value.text);
          },
          [get](const TPersistent& object) {
            return QuoteDescriptionString((static_cast<const C&>(object).*get)());
          }};
}

template <typename C, typename E, std::size_t N, typename Get, typename Set>
PropertyInfo EnumProperty(std::string name, const EnumName<E> (&names)[N], Get get, Set set) {
  const std::span<const EnumName<E>> table(names);
  return {name,
          [name, table, set](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
            if (value.kind == ValueKind::Identifier) {
              for (const auto& entry : table) {
                if (SameTextIgnoringCase(entry.name, value.text)) {
                  (PropertyTarget<C>(object).*set)(entry.value);
                  return;
                }
              }
            }
            FailPropertyValue(name, value, "one of its enumeration's names");
          },
          [table, get](const TPersistent& object) {
            const E current = (static_cast<const C&>(object).*get)();
            for (const auto& entry : table) {
              if (entry.value == current) return std::string(entry.name);
            }
            return std::to_string(static_cast<long long>(current));
          }};
}

// A set of flags: each name stands for one bit of an unsigned mask.
template <typename C, std::size_t N, typename Get, typename Set>
PropertyInfo SetProperty(std::string name, const EnumName<std::uint32_t> (&names)[N], Get get, Set set) {
  const std::span<const EnumName<std::uint32_t>> table(names);
  return {name,
          [name, table, set](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
            if (value.kind != ValueKind::Set) FailPropertyValue(name, value, "a set such as [a, b]");
            std::uint32_t mask = 0;
            for (const std::string& element : value.identifiers) {
              bool known = false;
              for (const auto& entry : table) {
                if (SameTextIgnoringCase(entry.name, element)) {
                  mask |= entry.value;
                  known = true;
                }
              }
              if (!known) throw PropertyValueError("unknown element " + element + " in the set of " + name);
            }
            (PropertyTarget<C>(object).*set)(mask);
          },
          [table, get](const TPersistent& object) {
            const std::uint32_t mask = (static_cast<const C&>(object).*get)();
            std::string text = "[";
            for (const auto& entry : table) {
              if (mask & entry.value) text += (text.size() > 1 ? ", " : "") + std::string(entry.name);
            }
            return text + "]";
          }};
}

// A reference to another component, by its name; "nil" clears it.
template <typename C, typename T, typename Get, typename Set>
PropertyInfo ReferenceProperty(std::string name, Get get, Set set) {
  return {name,
          [name, set](TPersistent& object, const DescriptionValue& value, PropertyReadContext& context) {
            if (value.kind != ValueKind::Identifier) FailPropertyValue(name, value, "a component name");
            C& target = PropertyTarget<C>(object);
            if (SameTextIgnoringCase(value.text, "nil")) {
              (target.*set)(nullptr);
              return;
            }
            const std::string referenced = value.text;
            context.ResolveReference(referenced, value.line, [&target, set, name, referenced](TComponent* found) {
              T* typed = dynamic_cast<T*>(found);
              if (!typed) throw PropertyValueError(referenced + " is not of the kind that " + name + " refers to");
              (target.*set)(typed);
            });
          },
          [get](const TPersistent& object) {
            const T* referenced = (static_cast<const C&>(object).*get)();
            return referenced ? std::string(referenced->Name()) : std::string("nil");
          }};
}

// An event bound to a handler that the form class registered under that name. The
// handler must have the event's own type.
template <typename C, typename Handler, typename Set>
PropertyInfo EventProperty(std::string name, Set set) {
  return {name,
          [name, set](TPersistent& object, const DescriptionValue& value, PropertyReadContext& context) {
            if (value.kind != ValueKind::Identifier) FailPropertyValue(name, value, "a handler name");
            const std::any* handler = context.FindHandler(value.text);
            if (!handler) throw PropertyValueError("unknown handler " + value.text + " for " + name);
            const Handler* typed = std::any_cast<Handler>(handler);
            if (!typed) throw PropertyValueError("handler " + value.text + " does not fit the event " + name);
            (PropertyTarget<C>(object).*set)(*typed);
          },
          {}};
}

// The same, for an event that is a public member of its class.
template <typename C, typename Handler>
PropertyInfo EventMember(std::string name, Handler C::*field) {
  return {name,
          [name, field](TPersistent& object, const DescriptionValue& value, PropertyReadContext& context) {
            if (value.kind != ValueKind::Identifier) FailPropertyValue(name, value, "a handler name");
            const std::any* handler = context.FindHandler(value.text);
            if (!handler) throw PropertyValueError("unknown handler " + value.text + " for " + name);
            const Handler* typed = std::any_cast<Handler>(handler);
            if (!typed) throw PropertyValueError("handler " + value.text + " does not fit the event " + name);
            PropertyTarget<C>(object).*field = *typed;
          },
          {}};
}

// Picture bytes embedded in the description, or the name of a bitmap resource.
template <typename C, typename SetBytes, typename SetResource>
PropertyInfo PictureProperty(std::string name, SetBytes set_bytes, SetResource set_resource) {
  return {name,
          [name, set_bytes, set_resource](TPersistent& object, const DescriptionValue& value, PropertyReadContext&) {
            if (value.kind == ValueKind::Binary) {
              (PropertyTarget<C>(object).*set_bytes)(std::span<const std::uint8_t>(value.bytes));
            } else if (value.kind == ValueKind::String) {
              (PropertyTarget<C>(object).*set_resource)(value.text);
            } else {
              FailPropertyValue(name, value, "picture bytes { ... } or a resource name");
            }
          },
          {}};
}

// A collection: the stored items replace the current ones, each item being added and
// then given its own properties in stored order.
template <typename C>
PropertyInfo CollectionProperty(std::string name, void (C::*clear)(), TPersistent& (C::*add)()) {
  return {name,
          [name, clear, add](TPersistent& object, const DescriptionValue& value, PropertyReadContext& context) {
            if (value.kind != ValueKind::Collection) FailPropertyValue(name, value, "a collection < item ... end >");
            C& target = PropertyTarget<C>(object);
            (target.*clear)();
            for (const CollectionItemDescription& item : value.items) {
              TPersistent& added = (target.*add)();
              for (const PropertyAssignment& assignment : item.properties) {
                ApplyPropertyAssignment(added, assignment, context);
              }
            }
          },
          {}};
}

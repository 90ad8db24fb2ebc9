#include "toolkit/class_registry.h"

#include <map>

namespace {

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lowered;
}

std::map<std::string, ComponentFactory>& Registry() {
  static std::map<std::string, ComponentFactory> registry;
  return registry;
}

}  // namespace

void RegisterComponentClass(const std::string& class_name, ComponentFactory factory) {
  Registry()[Lowered(class_name)] = std::move(factory);
}

bool IsComponentClassRegistered(std::string_view class_name) {
  return Registry().count(Lowered(class_name)) != 0;
}

TComponent* CreateRegisteredComponent(std::string_view class_name, TComponent* owner) {
  const auto found = Registry().find(Lowered(class_name));
  return found == Registry().end() ? nullptr : found->second(owner);
}

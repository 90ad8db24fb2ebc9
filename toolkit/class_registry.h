// Component classes that a stored description may name, by class name.
//
//   RegisterComponentClass<TLabel>("TLabel");
//   TComponent* label = CreateRegisteredComponent("TLabel", form);  // null if unknown
#pragma once

#include <functional>
#include <string>
#include <string_view>

class TComponent;

using ComponentFactory = std::function<TComponent*(TComponent* owner)>;

void RegisterComponentClass(const std::string& class_name, ComponentFactory factory);
bool IsComponentClassRegistered(std::string_view class_name);
// The new component, owned by `owner`; null when no class of that name is registered.
TComponent* CreateRegisteredComponent(std::string_view class_name, TComponent* owner);

template <typename T>
void RegisterComponentClass(const std::string& class_name) {
  RegisterComponentClass(class_name, [](TComponent* owner) -> TComponent* { return new T(owner); });
}

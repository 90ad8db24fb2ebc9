#include "toolkit/component.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/published_properties.h"
#include "toolkit/text_compare.h"

namespace {

bool IsIdentifier(std::string_view text) {
  if (text.empty()) return false;
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!letter(text.front())) return false;
  return std::all_of(text.begin(), text.end(), [&](char c) { return letter(c) || digit(c); });
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* owner) : owner_(nullptr) {
  if (owner) owner->InsertOwned(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  // Listeners may unregister others while being told, so each is taken off first.
  while (!free_notifies_.empty()) {
    TComponent* listener = free_notifies_.back();
    free_notifies_.pop_back();
    Erase(listener->free_notifies_, this);
    listener->Notification(this, Operation::Remove);
  }
  if (owner_) owner_->RemoveOwned(this);
}

const ClassInfo& TComponent::ClassInfo() const {
  static const ::ClassInfo info("TComponent", nullptr, {StringProperty<TComponent>("Name", &TComponent::Name, &TComponent::SetName)});
  return info;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : components_) {
    if (SameTextIgnoringCase(component->name_, name)) return component;
  }
  return nullptr;
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsIdentifier(name)) {
    throw std::invalid_argument("\"" + name + "\" is not a valid component name");
  }
  if (owner_) {
    TComponent* same = owner_->FindComponent(name);
    if (same && same != this) {
      throw std::invalid_argument("A component named " + name + " already exists");
    }
  }
  name_ = name;
}

void TComponent::FreeNotification(TComponent* listener) {
  if (!listener || listener == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), listener) == free_notifies_.end()) {
    free_notifies_.push_back(listener);
    // Mutual, so that whichever goes first the other holds no dangling pointer.
    listener->free_notifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* listener) {
  if (!listener) return;
  Erase(free_notifies_, listener);
  Erase(listener->free_notifies_, this);
}

void TComponent::Notification(TComponent* component, Operation operation) {
  if (operation == Operation::Remove) RemoveFreeNotification(component);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    delete components_.back();  // its destructor takes it off the list
  }
}

void TComponent::InsertOwned(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::RemoveOwned(TComponent* component) {
  Erase(components_, component);
  component->owner_ = nullptr;
  NotifyOwnedOfRemoval(component);
}

// Components of one owner refer to each other freely (a form's menu, a label's focus
// control), so every one of them hears of a sibling's removal, and so does the owner.
void TComponent::NotifyOwnedOfRemoval(TComponent* removed) {
  Notification(removed, Operation::Remove);
  // A notified component may free others; walk a copy and skip those already gone.
  const std::vector<TComponent*> snapshot = components_;
  for (TComponent* sibling : snapshot) {
    if (std::find(components_.begin(), components_.end(), sibling) != components_.end()) {
      sibling->Notification(removed, Operation::Remove);
    }
  }
}

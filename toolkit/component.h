// Components: owned in creation order, named, told when a component they asked about is
// removed.
//
//   TComponent form(nullptr);
//   auto* timer = new TTimer(&form);     // form owns and frees the timer
//   menu->FreeNotification(skinned_form);  // skinned_form->Notification(menu, Operation::Remove) on free
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/persistent.h"

enum class Operation { Insert, Remove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  std::string_view ClassName() const override { return "TComponent"; }
  const ::ClassInfo& ClassInfo() const override;

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // The owned component of that name (letter case ignored), or null.
  TComponent* FindComponent(std::string_view name) const;

  const std::string& Name() const { return name_; }
  // Refuses (std::invalid_argument) a name that is not an identifier or that a sibling
  // under the same owner already carries: references in descriptions resolve by name.
  void SetName(const std::string& name);

  // Asks that `listener` be told through Notification(this, Remove) when this component
  // is removed. Both sides forget each other when either goes first.
  void FreeNotification(TComponent* listener);
  void RemoveFreeNotification(TComponent* listener);

  // Told of components inserted into or removed from this one's owner, and of removals
  // it asked for. Overrides drop their references and then call the base.
  virtual void Notification(TComponent* component, Operation operation);

  // While a description is read into the component, Loading() is true; Loaded() runs
  // once the whole description, references included, has been applied.
  bool Loading() const { return loading_; }
  void BeginLoading() { loading_ = true; }
  virtual void Loaded() { loading_ = false; }
  // Components of this toolkit only ever run inside the program, never in a designer;
  // the skinned layer still asks, so the question has an answer.
  bool Designing() const { return false; }

  // A description nests objects inside others; a control takes its enclosing object
  // as its parent, other components ignore it.
  virtual void SetParentComponent(TComponent* parent);

 protected:
  // Frees the owned components, last created first. A class whose destructor still
  // needs its own state while its components go (a form with child windows) calls this
  // first; otherwise ~TComponent does it.
  void DestroyComponents();

 private:
  void InsertOwned(TComponent* component);
  void RemoveOwned(TComponent* component);
  void NotifyOwnedOfRemoval(TComponent* removed);

  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  bool loading_ = false;
};

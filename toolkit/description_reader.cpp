#include "toolkit/description_reader.h"

#include <windows.h>

#include <vector>

#include "toolkit/class_registry.h"
#include "toolkit/component.h"
#include "toolkit/description_parser.h"
#include "toolkit/published_properties.h"

namespace {

class Reader : public PropertyReadContext {
 public:
  Reader(TComponent& root, const std::string& file, const HandlerTable& handlers)
      : root_(root), file_(file), handlers_(handlers) {}

  void Read(const DescriptionObject& description) {
    try {
      if (!SameTextIgnoringCase(description.class_name, root_.ClassName())) {
        throw DescriptionError(file_, description.line, "the description is of class " + description.class_name +
                                                            ", not " + std::string(root_.ClassName()));
      }
      root_.BeginLoading();
      read_.push_back(&root_);
      Name(root_, description);
      ApplyAll(root_, description);
      ResolveReferences();
    } catch (...) {
      Undo();
      throw;
    }
    for (TComponent* component : read_) component->Loaded();
  }

  void ResolveReference(const std::string& name, int line, std::function<void(TComponent*)> assign) override {
    references_.push_back({name, line, std::move(assign)});
  }
  const std::any* FindHandler(std::string_view name) const override { return handlers_.Find(name); }

 private:
  struct PendingReference {
    std::string name;
    int line;
    std::function<void(TComponent*)> assign;
  };

  void Name(TComponent& component, const DescriptionObject& description) {
    try {
      component.SetName(description.name);
    } catch (const std::exception& error) {
      throw DescriptionError(file_, description.line, error.what());
    }
  }

  void ApplyAll(TComponent& component, const DescriptionObject& description) {
    for (const PropertyAssignment& assignment : description.properties) {
      try {
        ApplyPropertyAssignment(component, assignment, *this);
      } catch (const AssignmentError& error) {
        throw DescriptionError(file_, error.Line(), error.what());
      }
    }
    for (const DescriptionObject& child : description.children) CreateChild(component, child);
  }

  void CreateChild(TComponent& parent, const DescriptionObject& description) {
    TComponent* child = CreateRegisteredComponent(description.class_name, &root_);
    if (!child) throw DescriptionError(file_, description.line, "unknown class " + description.class_name);
    created_.push_back(child);
    child->BeginLoading();
    read_.push_back(child);
    Name(*child, description);
    try {
      child->SetParentComponent(&parent);
    } catch (const std::exception& error) {
      throw DescriptionError(file_, description.line, error.what());
    }
    ApplyAll(*child, description);
  }

  TComponent* Lookup(const std::string& name) const {
    if (SameTextIgnoringCase(name, root_.Name())) return &root_;
    return root_.FindComponent(name);
  }

  void ResolveReferences() {
    for (const PendingReference& reference : references_) {
      TComponent* found = Lookup(reference.name);
      if (!found) throw DescriptionError(file_, reference.line, "unknown component " + reference.name);
      try {
        reference.assign(found);
      } catch (const std::exception& error) {
        throw DescriptionError(file_, reference.line, error.what());
      }
    }
  }

  void Undo() {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
    root_.Loaded();
  }

  TComponent& root_;
  const std::string& file_;
  const HandlerTable& handlers_;
  std::vector<TComponent*> read_;
  std::vector<TComponent*> created_;
  std::vector<PendingReference> references_;
};

}  // namespace

void ReadDescription(TComponent& root, std::string_view text, const std::string& file_name,
                     const HandlerTable& handlers) {
  const DescriptionObject description = ParseDescription(text, file_name);
  Reader(root, file_name, handlers).Read(description);
}

void ReadDescriptionResource(TComponent& root, const std::string& resource_name, const HandlerTable& handlers) {
  // Resource memory belongs to the loaded module and needs no release.
  HRSRC found = FindResourceA(nullptr, resource_name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw DescriptionError(resource_name, 0, "no description resource of that name");
  const DWORD size = SizeofResource(nullptr, found);
  ReadDescription(root, std::string_view(static_cast<const char*>(bytes), size), resource_name, handlers);
}

// The event handlers that a form class offers to its stored description, by name.
//
//   HandlerTable handlers;
//   handlers.Add<NotifyEvent>("Timer1Timer", [this](TObject* sender) { Timer1Timer(sender); });
//   ReadDescription(*this, text, "main.dfm", handlers);
#pragma once

#include <any>
#include <map>
#include <string>
#include <string_view>

#include "toolkit/text_compare.h"

class HandlerTable {
 public:
  // The handler is stored as the event type given, so that binding it to an event of
  // another type is caught when the description is read.
  template <typename Event>
  void Add(const std::string& name, Event handler) {
    handlers_[Key(name)] = std::any(std::move(handler));
  }
  const std::any* Find(std::string_view name) const {
    const auto found = handlers_.find(Key(name));
    return found == handlers_.end() ? nullptr : &found->second;
  }

 private:
  static std::string Key(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
  }
  std::map<std::string, std::any> handlers_;
};

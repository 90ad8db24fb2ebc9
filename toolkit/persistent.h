// The root of everything that a stored form description can set properties on:
// components and the items of their collections. Each class names its published
// properties through ClassInfo() (see published_properties.h).
#pragma once

#include <string_view>

class ClassInfo;

class TPersistent {
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;
  virtual ~TPersistent() = default;

  virtual std::string_view ClassName() const = 0;
  // The published properties of the object's most derived class, its bases' included.
  virtual const ::ClassInfo& ClassInfo() const = 0;
};

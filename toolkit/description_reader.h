// Reads a stored form description into a live root component (a form): the root's own
// properties, then every nested object created by class name, owned by the root and
// parented to the enclosing object, each given its properties in stored order.
// References are resolved after the whole text is read, then every component read
// gets Loaded(). Any fault raises DescriptionError with file and line; the components
// created by a failed read are freed again.
//
//   ReadDescription(form, text, "main.dfm", handlers);
//   ReadDescriptionResource(form, "TFORM1", handlers);   // RCDATA compiled into the program
#pragma once

#include <string>
#include <string_view>

#include "toolkit/description_error.h"
#include "toolkit/handler_table.h"

class TComponent;

void ReadDescription(TComponent& root, std::string_view text, const std::string& file_name,
                     const HandlerTable& handlers);
void ReadDescriptionResource(TComponent& root, const std::string& resource_name, const HandlerTable& handlers);

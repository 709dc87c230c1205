#pragma once

// Controls made from their initial properties, kept by area of the window, in the creation
// order that a separate list gives.

#include <span>
#include <string_view>
#include <vector>

#include "framework/control.h"

namespace form {

// A control, or an element of a control array, in the creation order.
struct ControlRef {
  std::string_view name;
  int index = fw::kNoIndex;
};

// The properties `props` in the order of `order`. Raises the framework's RuntimeException when an
// entry has no properties, or when properties are left that no entry names (a control that would
// never be made): both are mistakes in the window's tables.
std::vector<fw::ControlSpec> inCreationOrder(std::span<const ControlRef> order,
                                             std::vector<fw::ControlSpec> props);

}  // namespace form

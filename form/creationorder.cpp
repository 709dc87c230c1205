#include "form/creationorder.h"

#include <algorithm>
#include <string>

#include "framework/exceptions.h"

namespace form {
namespace {

std::string describe(std::string_view name, int index) {
  std::string text(name);
  if (index != fw::kNoIndex) text += "(" + std::to_string(index) + ")";
  return text;
}

}  // namespace

std::vector<fw::ControlSpec> inCreationOrder(std::span<const ControlRef> order,
                                             std::vector<fw::ControlSpec> props) {
  std::vector<fw::ControlSpec> ordered;
  ordered.reserve(order.size());
  for (const ControlRef& ref : order) {
    const auto found = std::ranges::find_if(props, [&](const fw::ControlSpec& p) {
      return p.Name == ref.name && p.Index == ref.index;
    });
    if (found == props.end()) {
      throw fw::RuntimeException("No initial properties for " + describe(ref.name, ref.index));
    }
    ordered.push_back(std::move(*found));
    props.erase(found);
  }
  if (!props.empty()) {
    throw fw::RuntimeException("No place in the creation order for " +
                               describe(props.front().Name, props.front().Index));
  }
  return ordered;
}

}  // namespace form

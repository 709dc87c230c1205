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
  std::vector<bool> taken(props.size(), false);
  for (const ControlRef& ref : order) {
    const auto found = std::ranges::find_if(props, [&](const fw::ControlSpec& p) {
      return p.Name == ref.name && p.Index == ref.index;
    });
    const auto at = static_cast<size_t>(found - props.begin());
    if (found == props.end() || taken[at]) {
      throw fw::RuntimeException("No initial properties for " + describe(ref.name, ref.index));
    }
    taken[at] = true;
    ordered.push_back(std::move(*found));
  }
  if (const auto left = std::ranges::find(taken, false); left != taken.end()) {
    const fw::ControlSpec& stray = props[static_cast<size_t>(left - taken.begin())];
    throw fw::RuntimeException("No place in the creation order for " +
                               describe(stray.Name, stray.Index));
  }
  return ordered;
}

}  // namespace form

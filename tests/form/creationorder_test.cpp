#include "form/creationorder.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/exceptions.h"

namespace {

using form::ControlRef;

// Properties kept by area come out in the creation order; a control whose properties no entry
// names, an entry without properties and one named twice are mistakes that stop the window.
TEST(CreationOrder, EveryControlHasExactlyOneEntry) {
  const std::vector<fw::ControlSpec> props = {
      {.Name = "StartEF"}, {.Name = "PrefixEF", .Index = 0}, {.Name = "PrefixEF", .Index = 1}};
  const ControlRef order[] = {{"PrefixEF", 1}, {"StartEF"}, {"PrefixEF", 0}};
  std::vector<std::string> names;
  for (const auto& p : form::inCreationOrder(order, props)) {
    names.push_back(p.Name + std::to_string(p.Index));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"PrefixEF1", "StartEF-2147483648", "PrefixEF0"}));

  const ControlRef forgotten[] = {{"PrefixEF", 1}, {"StartEF"}};
  const ControlRef unknown[] = {{"PrefixEF", 1}, {"StartEF"}, {"PrefixEF", 0}, {"StopEF"}};
  const ControlRef twice[] = {{"PrefixEF", 1}, {"StartEF"}, {"PrefixEF", 0}, {"StartEF"}};
  EXPECT_THROW(form::inCreationOrder(forgotten, props), fw::RuntimeException);
  EXPECT_THROW(form::inCreationOrder(unknown, props), fw::RuntimeException);
  EXPECT_THROW(form::inCreationOrder(twice, props), fw::RuntimeException);
}

}  // namespace

#pragma once

#include <string>
#include <utility>
#include <vector>

#include "exceptions.h"

namespace fw {

// A dynamic array indexed from 0 to Ubound(). Every access is checked: an index outside the
// array raises OutOfBoundsException and never touches memory outside it.
template <class T>
class Array {
 public:
  Array() = default;
  // An array of lastIndex + 1 default elements (lastIndex -1 gives an empty array). There is
  // deliberately no initializer-list constructor: Array<int>{50} would be one element.
  explicit Array(int lastIndex) : items_(lastIndex < 0 ? 0 : static_cast<size_t>(lastIndex) + 1) {}
  explicit Array(std::vector<T> items) : items_(std::move(items)) {}

  T& operator[](int index) { return items_[checked(index)]; }
  const T& operator[](int index) const { return items_[checked(index)]; }

  int Ubound() const noexcept { return static_cast<int>(items_.size()) - 1; }
  int size() const noexcept { return static_cast<int>(items_.size()); }
  void Append(T item) { items_.push_back(std::move(item)); }

  const std::vector<T>& items() const noexcept { return items_; }
  auto begin() const noexcept { return items_.begin(); }
  auto end() const noexcept { return items_.end(); }

  bool operator==(const Array&) const = default;

 private:
  size_t checked(int index) const {
    if (index < 0 || index >= size()) {
      throw OutOfBoundsException("Array index " + std::to_string(index) + " outside 0.." +
                                 std::to_string(Ubound()));
    }
    return static_cast<size_t>(index);
  }

  std::vector<T> items_;
};

}  // namespace fw

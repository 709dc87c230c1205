#pragma once

// The controls of the Static Attributes window as data.

#include <vector>

#include "framework/control.h"

namespace form {

// The 57 controls of the Static Attributes window with their creation-time properties, in
// creation order, which is also the tab order (but for the blank viewer, which is at 0): 23 of
// the 27 attribute fields in their grid of six columns and four rows (the sixth column has no
// fourth row) with a label centred above each, the four URL rows that hold the other four, URLEF
// with its label and the blank viewer at the bottom. No control has an event of its own.
std::vector<fw::ControlSpec> StaticAttrControls();

}  // namespace form

#pragma once

// The state of the processor's vector registers, which Qt's drawing leaves in a form that slows
// the program's own floating-point code down.

namespace qtui {

// Marks the upper halves of the AVX registers as unused (vzeroupper) on a processor that has
// AVX; does nothing on any other. Called wherever control comes back to the program's code from
// Qt's event processing or drawing: the start of a handler, and the return of a yield, a redraw,
// a window shown, a message box or a file dialog.
void clearUpperVectorState() noexcept;

}  // namespace qtui

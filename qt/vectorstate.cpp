#include "vectorstate.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace qtui {

// Qt's raster drawing fills spans with AVX2 code (QtGui's 32- and 64-bit memory fills) that
// returns with the upper halves of the YMM registers still in use: the fills hand their 256-bit
// value to a common helper in a register and reach it by a tail jump, and that helper returns
// without vzeroupper. So a widget drawn leaves them in use, and nothing on the way back to the
// program clears them. The program and Qt are built for baseline x86-64, whose SSE code is not
// VEX-encoded, while the C library's log and pow are VEX code: with the upper halves in use,
// each such SSE instruction waits on the whole register it merges into, or each change between
// the two kinds of code pays a state switch, depending on the processor. A Go run then took from
// 1.3 to over 4 times as long per device. vzeroupper costs about a cycle and only drops state
// that nothing needs once the drawing is done.
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
namespace {
__attribute__((target("avx"))) void zeroUpperHalves() noexcept { _mm256_zeroupper(); }
}  // namespace

void clearUpperVectorState() noexcept {
  if (__builtin_cpu_supports("avx")) zeroUpperHalves();
}
#else
void clearUpperVectorState() noexcept {}
#endif

}  // namespace qtui

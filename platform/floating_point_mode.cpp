// The processor's floating-point control, the same on every operating system
// of one processor family.
#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

#include "platform/platform.hpp"

namespace tensor3d::platform {

void setFloatingPointMode() {
#if defined(__x86_64__) || defined(__i386__)
  // MXCSR: flush-to-zero (bit 15), denormals-are-zero (bit 6), every
  // exception masked (bits 7 to 12).
  _mm_setcsr(_mm_getcsr() | 0x8040u | 0x1F80u);
#elif defined(__aarch64__)
  // FPCR: FZ (bit 24) takes denormal operands and results as zero; the trap
  // enables (bits 8 to 12 and 15) are cleared.
  unsigned long control;
  __asm__ volatile("mrs %0, fpcr" : "=r"(control));
  control |= (1ul << 24);
  control &= ~0x9F00ul;
  __asm__ volatile("msr fpcr, %0" : : "r"(control));
#else
#error "no floating-point control for this processor"
#endif
}

}  // namespace tensor3d::platform

#include "base/aside.h"

namespace lumo {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {

__attribute__((target("avx"))) void zeroUpperHalves()
{
    __builtin_ia32_vzeroupper();
}

} // namespace

void clearVectorUpperState()
{
    // The instruction exists only where AVX does.
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        zeroUpperHalves();
}

#else

void clearVectorUpperState() {}

#endif

} // namespace lumo

#include "core/platform/line_ends.h"

namespace bm::platform {

MachineBits machineBits() {
#if defined(BM_HAS_MACHINE_BITS)
    static const MachineBits bits = [] {
        __builtin_cpu_init();
        if (!__builtin_cpu_supports("popcnt")) {
            return MachineBits::Portable;
        }
        // Depositing bits is slow microcode on the other maker's parts of
        // before 2020, slower than the portable pick.
        return __builtin_cpu_supports("bmi2") && __builtin_cpu_is("intel") ? MachineBits::Deposit
                                                                           : MachineBits::Popcount;
    }();
    return bits;
#else
    return MachineBits::Portable;
#endif
}

} // namespace bm::platform

#pragma once

// Line ends found 64 bytes at a time, for readers that skip whole blocks of
// short lines (a wrestlers file is a million of them). The standard library
// has no byte masks, so the machine's vector compare is used where the
// compiler offers one, and a plain loop elsewhere.

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace bm::platform {

inline constexpr std::size_t kLineEndBlock = 64;

// Bit i is set when byte i of the 64 at `p` is a CR.
inline std::uint64_t lineEndMask(const char* p) {
    std::uint64_t mask = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    for (std::size_t i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const auto bits = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, cr)));
        mask |= std::uint64_t{bits} << (16 * i);
    }
#else
    for (std::size_t i = 0; i < kLineEndBlock; ++i) {
        mask |= std::uint64_t{p[i] == '\r'} << i;
    }
#endif
    return mask;
}

namespace detail {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

// Byte i: how many bits of byte i of `x` are set.
constexpr std::uint64_t bitsPerByte(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555ULL;
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    return (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
}

// [byte][k]: where the (k+1)-th set bit of `byte` stands.
inline constexpr auto kNthInByte = [] {
    std::array<std::array<std::uint8_t, 8>, 256> table{};
    for (std::size_t byte = 0; byte < 256; ++byte) {
        std::size_t k = 0;
        for (std::uint8_t bit = 0; bit < 8; ++bit) {
            if ((byte >> bit) & 1U) {
                table[byte][k++] = bit;
            }
        }
    }
    return table;
}();

} // namespace detail

// How many bits of `mask` are set: no popcount instruction is taken for
// granted (without one, std::popcount is a library call).
constexpr unsigned bitCount(std::uint64_t mask) {
    return static_cast<unsigned>((detail::bitsPerByte(mask) * detail::kOnes) >> 56);
}

// Where the k-th set bit of `mask` stands, 1 <= k <= bitCount(mask). Without
// a branch: which byte holds it is as unforeseeable as the lengths of lines.
constexpr unsigned nthBit(std::uint64_t mask, unsigned k) {
    using detail::kOnes;
    constexpr std::uint64_t kHigh = kOnes << 7;
    const std::uint64_t upTo = detail::bitsPerByte(mask) * kOnes; // byte i: bytes 0..i
    // The high bit of each byte whose running count has reached k (no byte
    // exceeds 64, so nothing borrows).
    const std::uint64_t reached = ((upTo | kHigh) - k * kOnes) & kHigh;
    const auto byte = 8 - static_cast<unsigned>(((reached >> 7) * kOnes) >> 56);
    const auto before = static_cast<unsigned>(((upTo << 8) >> (8 * byte)) & 0xFF);
    const auto bits = static_cast<std::size_t>((mask >> (8 * byte)) & 0xFF);
    return 8 * byte + detail::kNthInByte[bits][k - before - 1];
}

// The same two operations as a type, for a loop written once for each way of
// doing them.
struct PortableBits {
    static unsigned count(std::uint64_t mask) { return bitCount(mask); }
    static unsigned nth(std::uint64_t mask, unsigned k) { return nthBit(mask, k); }
};

// Most machines count and pick bits in one instruction each, but not every
// one that runs x86-64 code has them: they are asked for once, at run time,
// and a loop that uses them is compiled for them alone (a function marked
// BM_POPCOUNT_BITS or BM_DEPOSIT_BITS carries the target and flattens the
// loop into itself, so that the instructions are allowed there).
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define BM_HAS_MACHINE_BITS 1
#define BM_POPCOUNT_BITS [[gnu::target("popcnt"), gnu::flatten]]
#define BM_DEPOSIT_BITS [[gnu::target("popcnt,bmi2"), gnu::flatten]]

struct PopcountBits {
    [[gnu::target("popcnt")]] static unsigned count(std::uint64_t mask) {
        return static_cast<unsigned>(__builtin_popcountll(mask));
    }
    static unsigned nth(std::uint64_t mask, unsigned k) { return nthBit(mask, k); }
};

struct DepositBits {
    [[gnu::target("popcnt")]] static unsigned count(std::uint64_t mask) {
        return static_cast<unsigned>(__builtin_popcountll(mask));
    }
    // The k-th set bit is where a lone bit k-1 lands when deposited into the
    // mask's set bits.
    [[gnu::target("bmi2")]] static unsigned nth(std::uint64_t mask, unsigned k) {
        return static_cast<unsigned>(
            __builtin_ctzll(__builtin_ia32_pdep_di(std::uint64_t{1} << (k - 1), mask)));
    }
};
#endif

enum class MachineBits { Portable, Popcount, Deposit };
// The best of the ways above this machine runs well.
MachineBits machineBits();

} // namespace bm::platform

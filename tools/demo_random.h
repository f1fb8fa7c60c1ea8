// A small fixed-seed generator: the same numbers on every machine and every
// run (the standard distributions are not specified bit for bit).
#pragma once

#include <cstdint>
#include <span>

namespace kelvor::demo {

class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

    // splitmix64
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A number in [lo, hi]; lo when hi < lo.
    int Between(int lo, int hi) {
        if (hi <= lo) return lo;
        const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
        return static_cast<int>(lo + static_cast<std::int64_t>(Next() % span));
    }

    // True with the given chance in percent.
    bool Chance(int percent) { return Between(0, 99) < percent; }

    template <typename T>
    const T& Pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(Between(0, static_cast<int>(items.size()) - 1))];
    }

private:
    std::uint64_t state_;
};

}  // namespace kelvor::demo

// Deterministic pseudo-random numbers for the payload generator.
//
// std::mt19937 produces the same sequence on every platform; the standard distributions do not, so the
// ranges are mapped here by hand. Every piece of generated content is seeded from fixed values, which
// keeps the output identical from run to run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

namespace payload {

class Prng {
public:
    explicit Prng(std::uint32_t seed) : engine(seed) {}

    // Seed derived from a text (FNV-1a), so that a file's content depends on its name only.
    static std::uint32_t SeedFromText(std::string_view text, std::uint32_t salt = 0)
    {
        std::uint32_t hash = 2166136261u ^ salt;
        for (char c : text) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 16777619u;
        }
        return hash;
    }

    std::uint32_t Next() { return static_cast<std::uint32_t>(engine()); }

    // Uniform in [0, bound); 0 when bound is 0.
    std::uint32_t Below(std::uint32_t bound)
    {
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(Next()) * bound) >> 32);
    }

    // Uniform in [low, high], both inclusive.
    std::int32_t Between(std::int32_t low, std::int32_t high)
    {
        return low + static_cast<std::int32_t>(Below(static_cast<std::uint32_t>(high - low) + 1u));
    }

    // Uniform in [0, 1).
    double Unit() { return Next() / 4294967296.0; }

    bool Chance(double probability) { return Unit() < probability; }

    std::uint8_t Byte() { return static_cast<std::uint8_t>(Next() >> 24); }

    template <typename T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[Below(static_cast<std::uint32_t>(items.size()))];
    }

    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N])
    {
        return items[Below(static_cast<std::uint32_t>(N))];
    }

    // Index chosen with probability proportional to its weight.
    std::size_t Weighted(const std::vector<std::uint32_t>& weights)
    {
        std::uint32_t total = 0;
        for (std::uint32_t weight : weights) {
            total += weight;
        }
        std::uint32_t roll = Below(total);
        for (std::size_t index = 0; index < weights.size(); ++index) {
            if (roll < weights[index]) {
                return index;
            }
            roll -= weights[index];
        }
        return weights.size() - 1;
    }

private:
    std::mt19937 engine;
};

} // namespace payload

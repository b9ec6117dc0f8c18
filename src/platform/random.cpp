#include "platform/random.h"

#include <chrono>
#include <random>

namespace glifora {
namespace {
std::mt19937& Generator() {
    static std::mt19937 gen(5489u);
    return gen;
}
}  // namespace

void SeedRandom(uint32_t seed) { Generator().seed(seed); }

void SeedRandomFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<uint32_t>(now ^ (now >> 32)));
}

float Rnd() { return static_cast<float>(Generator()() >> 8) * (1.0f / 16777216.0f); }

}  // namespace glifora

#include "platform/random.h"

#include <algorithm>
#include <chrono>

namespace glifora {
namespace {

// The 32-bit Mersenne Twister (the sequence of std::mt19937, which the tests
// check draw for draw), kept in 32-bit words and tempered a block at a time:
// the standard one stores its words in 64 bits and tempers one draw per call,
// which made it most of the time of the noise filter.
class Twister {
  public:
    void Seed(uint32_t seed) {
        state_[0] = seed;
        for (uint32_t i = 1; i < kN; ++i)
            state_[i] = 1812433253u * (state_[i - 1] ^ (state_[i - 1] >> 30)) + i;
        next_ = kN;
    }

    uint32_t Next() {
        if (next_ == kN) Twist();
        return Temper(state_[next_++]);
    }

    // Rnd's value of each of the next `count` draws.
    void FillUnit(float* out, size_t count) {
        while (count > 0) {
            if (next_ == kN) Twist();
            const size_t block = std::min<size_t>(count, kN - next_);
            const uint32_t* words = state_ + next_;
            for (size_t i = 0; i < block; ++i) out[i] = Unit(Temper(words[i]));
            next_ += static_cast<uint32_t>(block);
            out += block;
            count -= block;
        }
    }

    static float Unit(uint32_t draw) {
        return static_cast<float>(static_cast<int32_t>(draw >> 8)) * (1.0f / 16777216.0f);
    }

  private:
    static constexpr uint32_t kN = 624, kM = 397;

    static uint32_t Temper(uint32_t y) {
        y ^= y >> 11;
        y ^= (y << 7) & 0x9D2C5680u;
        y ^= (y << 15) & 0xEFC60000u;
        return y ^ (y >> 18);
    }
    static uint32_t Mix(uint32_t upper, uint32_t lower, uint32_t far) {
        const uint32_t y = (upper & 0x80000000u) | (lower & 0x7FFFFFFFu);
        return far ^ (y >> 1) ^ ((y & 1u) ? 0x9908B0DFu : 0u);
    }
    // The three ranges of the recurrence, split so that no index wraps.
    void Twist() {
        uint32_t i = 0;
        for (; i < kN - kM; ++i) state_[i] = Mix(state_[i], state_[i + 1], state_[i + kM]);
        for (; i < kN - 1; ++i) state_[i] = Mix(state_[i], state_[i + 1], state_[i + kM - kN]);
        state_[kN - 1] = Mix(state_[kN - 1], state_[0], state_[kM - 1]);
        next_ = 0;
    }

    uint32_t state_[kN] = {};
    uint32_t next_ = kN;
};

Twister& Generator() {
    static Twister gen = [] {
        Twister t;
        t.Seed(5489u);
        return t;
    }();
    return gen;
}

}  // namespace

void SeedRandom(uint32_t seed) {
    Generator().Seed(seed);
}

void SeedRandomFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<uint32_t>(now ^ (now >> 32)));
}

float Rnd() {
    return Twister::Unit(Generator().Next());
}

void RndFill(float* out, size_t count) {
    Generator().FillUnit(out, count);
}

}  // namespace glifora

#pragma once
// The program-wide random generator. Every random draw of the program (web
// palette, noise, smoke, random dithering) comes from here, in the order the
// algorithms make them, so a fixed seed reproduces a run exactly.

#include <cstddef>
#include <cstdint>

namespace glifora {

// Seeds the generator; at start-up the program seeds it from the clock.
void SeedRandom(uint32_t seed);
void SeedRandomFromClock();
// Uniform single-precision value in [0, 1): 24 random bits, never 1.
[[nodiscard]] float Rnd();
// The next `count` values of Rnd, in order, into `out`: the same draws as
// `count` calls, made in one loop for the filters that draw per pixel.
void RndFill(float* out, size_t count);

}  // namespace glifora

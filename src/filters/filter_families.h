#pragma once
// The filters run by the engine, one function per effect. Each works on
// FilterPixels with one integer parameter and reports its progress; the
// catalogue (effect_catalogue.h) ties them to their codes.

#include "filters/filter_pixels.h"

namespace glifora::filters {

// Colour and tone (tone_filters.cpp).
void Negative(const FilterPixels& px, int p, FilterProgress& progress);         // 2
void GreyScale(const FilterPixels& px, int p, FilterProgress& progress);        // 12
void Brightness(const FilterPixels& px, int p, FilterProgress& progress);       // 14
void ChannelExchange(const FilterPixels& px, int p, FilterProgress& progress);  // 16
void Contrast(const FilterPixels& px, int p, FilterProgress& progress);         // 17
void Saturation(const FilterPixels& px, int p, FilterProgress& progress);       // 30
void Gamma(const FilterPixels& px, int p, FilterProgress& progress);            // 31
void OldPhoto(const FilterPixels& px, int p, FilterProgress& progress);         // 32

// Neighbourhood (neighbourhood_filters.cpp).
void Sharpen(const FilterPixels& px, int p, FilterProgress& progress);         // 1
void Blur(const FilterPixels& px, int p, FilterProgress& progress);            // 3
void Smoke(const FilterPixels& px, int p, FilterProgress& progress);           // 5
void EdgeEnhance(const FilterPixels& px, int p, FilterProgress& progress);     // 6
void MarkContours(const FilterPixels& px, int p, FilterProgress& progress);    // 7
void Enhance(const FilterPixels& px, int p, FilterProgress& progress);         // 8
void EnhanceMore(const FilterPixels& px, int p, FilterProgress& progress);     // 9
void Engrave(const FilterPixels& px, int p, FilterProgress& progress);         // 10
void EngraveMore(const FilterPixels& px, int p, FilterProgress& progress);     // 11
void Relief(const FilterPixels& px, int p, FilterProgress& progress);          // 13
void Dilate(const FilterPixels& px, int p, FilterProgress& progress);          // 25
void Erode(const FilterPixels& px, int p, FilterProgress& progress);           // 26
void JoinedContours(const FilterPixels& px, int p, FilterProgress& progress);  // 27

// Special effects (special_effects.cpp).
void Diffuse(const FilterPixels& px, int p, FilterProgress& progress);      // 4
void Pixelate(const FilterPixels& px, int p, FilterProgress& progress);     // 15
void Watercolour(const FilterPixels& px, int p, FilterProgress& progress);  // 24
void AddNoise(const FilterPixels& px, int p, FilterProgress& progress);     // 29

// Black and white (black_white_filters.cpp).
void Method1(const FilterPixels& px, int p, FilterProgress& progress);  // 18
void Method2(const FilterPixels& px, int p, FilterProgress& progress);  // 19
void Method3(const FilterPixels& px, int p, FilterProgress& progress);  // 20
void Method4(const FilterPixels& px, int p, FilterProgress& progress);  // 21
void Method5(const FilterPixels& px, int p, FilterProgress& progress);  // 22
void Method6(const FilterPixels& px, int p, FilterProgress& progress);  // 23

// Shared by the filters that take the picture's mean grey level: the sum of
// (blue + green + red) \ 3 over all pixels, divided by the pixel count.
[[nodiscard]] int AverageGrey(const FilterPixels& px);

// (b, g, r) after contrast's balancing: a channel out of 0..255 is cut to the
// limit and half its excess (truncated) goes to each of the other two, in the
// order blue, green, red, until all three fit.
void BalanceChannels(int& b, int& g, int& r);

}  // namespace glifora::filters

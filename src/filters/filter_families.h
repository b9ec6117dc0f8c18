#pragma once
// The filters run by the engine, one function per effect. Each works on
// FilterPixels with one integer parameter and reports its progress; the
// catalogue (effect_catalogue.h) ties them to their codes and holds the rules
// of their parameters. Each gives the same bytes on any number of threads.

#include "filters/filter_pixels.h"

namespace glifora::filters {

// Colour and tone (tone_filters.cpp).
void Negative(const FilterPixels& px, int p, FilterProgress& progress);
void GreyScale(const FilterPixels& px, int p, FilterProgress& progress);
void Brightness(const FilterPixels& px, int p, FilterProgress& progress);
void ChannelExchange(const FilterPixels& px, int p, FilterProgress& progress);
void Contrast(const FilterPixels& px, int p, FilterProgress& progress);
void Saturation(const FilterPixels& px, int p, FilterProgress& progress);
void Gamma(const FilterPixels& px, int p, FilterProgress& progress);
void OldPhoto(const FilterPixels& px, int p, FilterProgress& progress);

// Neighbourhood (neighbourhood_filters.cpp).
void Sharpen(const FilterPixels& px, int p, FilterProgress& progress);
void Blur(const FilterPixels& px, int p, FilterProgress& progress);
void Smoke(const FilterPixels& px, int p, FilterProgress& progress);
void EdgeEnhance(const FilterPixels& px, int p, FilterProgress& progress);
void MarkContours(const FilterPixels& px, int p, FilterProgress& progress);
void Enhance(const FilterPixels& px, int p, FilterProgress& progress);
void EnhanceMore(const FilterPixels& px, int p, FilterProgress& progress);
void Engrave(const FilterPixels& px, int p, FilterProgress& progress);
void EngraveMore(const FilterPixels& px, int p, FilterProgress& progress);
void Relief(const FilterPixels& px, int p, FilterProgress& progress);
void Dilate(const FilterPixels& px, int p, FilterProgress& progress);
void Erode(const FilterPixels& px, int p, FilterProgress& progress);
void JoinedContours(const FilterPixels& px, int p, FilterProgress& progress);

// Special effects (special_effects.cpp).
void Diffuse(const FilterPixels& px, int p, FilterProgress& progress);
void Pixelate(const FilterPixels& px, int p, FilterProgress& progress);
void Watercolour(const FilterPixels& px, int p, FilterProgress& progress);
void AddNoise(const FilterPixels& px, int p, FilterProgress& progress);

// Black and white (black_white_filters.cpp).
void Method1(const FilterPixels& px, int p, FilterProgress& progress);
void Method2(const FilterPixels& px, int p, FilterProgress& progress);
void Method3(const FilterPixels& px, int p, FilterProgress& progress);
void Method4(const FilterPixels& px, int p, FilterProgress& progress);
void Method5(const FilterPixels& px, int p, FilterProgress& progress);
void Method6(const FilterPixels& px, int p, FilterProgress& progress);

// Shared by the filters that take the picture's mean grey level: the sum of
// (blue + green + red) \ 3 over all pixels, divided by the pixel count.
[[nodiscard]] int AverageGrey(const FilterPixels& px);

// (b, g, r) after contrast's balancing: a channel out of 0..255 is cut to the
// limit and half its excess (truncated) goes to each of the other two, in the
// order blue, green, red, until all three fit.
void BalanceChannels(int& b, int& g, int& r);

}  // namespace glifora::filters

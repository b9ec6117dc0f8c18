#include "cli/sample_picture.h"

#include <cmath>
#include <cstdlib>

namespace glifora {

Raster SamplePicture() {
    constexpr int W = 320, H = 200;
    Raster r(W, H);
    auto mix = [](int a, int b, double t) { return static_cast<int>(a + (b - a) * t); };
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const double ty = static_cast<double>(y) / H;
            // Sky from deep blue to pale near the horizon.
            int red = mix(20, 210, ty), green = mix(40, 225, ty), blue = mix(110, 245, ty);
            // Sun.
            const double dx = x - 230.0, dy = y - 55.0;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d < 28)
                red = 255, green = 240, blue = 170;
            else if (d < 34)
                red = mix(255, red, (d - 28) / 6), green = mix(240, green, (d - 28) / 6);
            // Two mountains.
            const int peak1 = 70 + std::abs(x - 90) * 3 / 4;
            const int peak2 = 95 + std::abs(x - 190) * 2 / 3;
            if (y > peak1 || y > peak2) {
                const bool near = y > peak2;
                const int shade = near ? 70 : 110;
                red = shade, green = shade + 10, blue = shade + 20;
                // Snow on the far peak.
                if (!near && y < 92) red = green = blue = 250;
            }
            // Ground, darker toward the bottom, with furrows.
            if (y > 150) {
                const int g = mix(120, 30, (y - 150) / 50.0) - ((x + y) % 16 < 3 ? 25 : 0);
                red = g / 2, green = g, blue = g / 3;
            }
            r.SetPixel(x, y, MakeColor(red, green, blue));
        }
    }
    return r;
}

}  // namespace glifora

#include "textart/art_quality.h"

#include <algorithm>
#include <cmath>

namespace glifora {

std::vector<std::string> TextRows(const std::string& text) {
    std::vector<std::string> rows;
    std::string row;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            rows.push_back(std::move(row));
            row.clear();
        } else {
            row.push_back(c);
        }
    }
    if (!row.empty()) rows.push_back(std::move(row));
    return rows;
}

GreyPlane RenderText(const std::vector<std::string>& rows, int columns, const GlyphShapes& shapes) {
    const int cw = shapes.width, ch = shapes.height;
    GreyPlane out(columns * cw, static_cast<int>(rows.size()) * ch);
    if (out.Empty()) return out;
    for (size_t r = 0; r < rows.size(); ++r) {
        const int cells = std::min(columns, static_cast<int>(rows[r].size()));
        for (int c = 0; c < cells; ++c) {
            const auto& ink = shapes.ink[static_cast<uint8_t>(rows[r][c])];
            if (ink.empty()) continue;
            for (int y = 0; y < ch; ++y)
                for (int x = 0; x < cw; ++x)
                    if (ink[static_cast<size_t>(y) * cw + x])
                        out.At(c * cw + x, static_cast<int>(r) * ch + y) = 0.0f;
        }
    }
    return out;
}

double DarkestGlyphGrey(const GlyphShapes& shapes, int first, int last) {
    double darkest = 255.0;
    for (int c = std::max(first, 0); c <= std::min(last, 255); ++c) {
        const auto& ink = shapes.ink[c];
        if (ink.empty() || !PrintableCode(c)) continue;
        double count = 0;
        for (uint8_t i : ink) count += i;
        darkest = std::min(darkest, 255.0 * (1.0 - count / static_cast<double>(ink.size())));
    }
    return darkest;
}

double Correlation(const std::vector<float>& a, const std::vector<float>& b) {
    const size_t n = std::min(a.size(), b.size());
    if (n == 0) return 0.0;
    double ma = 0, mb = 0;
    for (size_t i = 0; i < n; ++i) {
        ma += a[i];
        mb += b[i];
    }
    ma /= n;
    mb /= n;
    double sab = 0, saa = 0, sbb = 0;
    for (size_t i = 0; i < n; ++i) {
        const double da = a[i] - ma, db = b[i] - mb;
        sab += da * db;
        saa += da * da;
        sbb += db * db;
    }
    // Rounding leaves a constant picture a tiny variance; treat it as none.
    if (saa <= 1e-9 * n || sbb <= 1e-9 * n) return 0.0;
    return sab / std::sqrt(saa * sbb);
}

namespace {

std::vector<float> BandPass(const GreyPlane& p, int cw, int ch) {
    const GreyPlane fine = GaussianBlur(p, cw / 4.0, ch / 4.0);
    const GreyPlane coarse = GaussianBlur(p, cw * 2.0, ch * 2.0);
    std::vector<float> out(fine.v.size());
    for (size_t i = 0; i < out.size(); ++i) out[i] = fine.v[i] - coarse.v[i];
    return out;
}

}  // namespace

ArtQuality MeasureArtQuality(const GreyPlane& rendering, const GreyPlane& reference, int cellWidth,
                             int cellHeight, double darkestGrey) {
    ArtQuality q;
    if (rendering.Empty() || rendering.width != reference.width ||
        rendering.height != reference.height || cellWidth <= 0 || cellHeight <= 0)
        return q;
    const GreyPlane r = GaussianBlur(rendering, cellWidth / 2.0, cellHeight / 2.0);
    const GreyPlane s = GaussianBlur(reference, cellWidth / 2.0, cellHeight / 2.0);
    // Ink can be no darker than the darkest glyph: that glyph's grey is black.
    const double gain = darkestGrey < 255.0 ? 255.0 / (255.0 - darkestGrey) : 1.0;
    double sum = 0;
    for (size_t i = 0; i < r.v.size(); ++i)
        sum += std::fabs(255.0 - (255.0 - r.v[i]) * gain - s.v[i]);
    q.tone = sum / static_cast<double>(r.v.size());
    q.structure = Correlation(BandPass(rendering, cellWidth, cellHeight),
                              BandPass(reference, cellWidth, cellHeight));
    return q;
}

}  // namespace glifora

#pragma once
// Helpers several test files share: a test with its own temporary folder and
// bitmaps written into it, the face the text art is really measured in, and
// terminal text with its colour escapes taken out.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QTemporaryDir>
#include <string>

#include "platform/raster.h"
#include "platform/text_metrics.h"
#include "test_support.h"

namespace glifora::test {

class InTempDir : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    [[nodiscard]] std::string Path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    // Writes `picture` as a bitmap called `name` in the folder; returns its path.
    std::string Bmp(const std::string& name, const Raster& picture) {
        const std::string path = Path(name);
        WriteFile(path, EncodePicture(picture, "BMP"));
        return path;
    }
};

// A picture whose left half is `left` and right half `right`.
inline Raster HalfAndHalf(int width, int height, ColorValue left, ColorValue right) {
    Raster r(width, height, right);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x) r.SetPixel(x, y, left);
    return r;
}

// The family the glyphs are measured in when `face` is asked for.
inline std::string UsedFace(const char* face, int points = 6) {
    return QFontInfo(MakeTextArtFont(face, points)).family().toStdString();
}

// `text` without its SGR escapes (ESC [ ... m).
inline std::string StripSgr(const std::string& text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\x1b' && i + 1 < text.size() && text[i + 1] == '[') {
            i = text.find('m', i);
            continue;
        }
        plain.push_back(text[i]);
    }
    return plain;
}

}  // namespace glifora::test

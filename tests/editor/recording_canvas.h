#pragma once
// An editor canvas that records what the document asks it to draw.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editor_document.h"

namespace glifora::test {

class RecordingCanvas final : public EditorCanvas {
  public:
    struct Print {
        CanvasPoint at;
        std::string text;
        Ink ink;
        friend bool operator==(const Print&, const Print&) = default;
    };
    std::vector<Print> prints;
    std::vector<std::pair<CanvasPoint, CanvasPoint>> inversions;
    int clears = 0;

    void PrintText(CanvasPoint at, const std::string& ansi, Ink ink) override {
        prints.push_back({at, ansi, ink});
    }
    void ClearCanvas() override { ++clears; }
    void InvertRectangle(CanvasPoint a, CanvasPoint b) override { inversions.push_back({a, b}); }
};

// A cleared document drawing on a recording canvas, which starts empty.
class CanvasDocumentTest : public ::testing::Test {
  protected:
    EditorDocument doc;
    RecordingCanvas canvas;

    void SetUp() override {
        doc.SetCanvas(&canvas);
        doc.ClearScreen();
        canvas = {};
    }
};

// The characters of cells (first..last columns) of one row, "" shown as "_".
inline std::string RowText(const EditorDocument& d, int row, int first, int last) {
    std::string s;
    for (int x = first; x <= last; ++x) {
        const std::string& c = d.Cell(x, row);
        s += c.empty() ? "_" : c;
    }
    return s;
}

// Rows first..last of those cells, joined by "/".
inline std::string Rows(const EditorDocument& d, int first, int last, int from, int to) {
    std::string s;
    for (int y = first; y <= last; ++y) s += (y > first ? "/" : "") + RowText(d, y, from, to);
    return s;
}

}  // namespace glifora::test

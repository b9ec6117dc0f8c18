#pragma once
// Small GIF files built byte by byte: 1 x 1 pictures with two-colour tables,
// so each piece's offset is known exactly.

#include <string>

namespace glifora::test {

// Signature and a 1 x 1 logical screen with a global table of white, black.
inline std::string GifHeader(const char* signature = "GIF89a") {
    return std::string(signature) + std::string("\x01\x00\x01\x00\x80\x00\x00", 7) +
           std::string("\xFF\xFF\xFF\x00\x00\x00", 6);
}
inline std::string GraphicControl() {
    return std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
}
inline std::string Comment(const std::string& text) {
    return std::string("\x21\xFE", 2) + static_cast<char>(text.size()) + text +
           std::string(1, '\0');
}
// A 1 x 1 image of colour `index` (0 or 1). With a local table, colour 0 is
// 21 F9 04: the bytes of a graphic control extension inside image data.
inline std::string GifImage(int index, bool localTable = false) {
    std::string s("\x2C\x00\x00\x00\x00\x01\x00\x01\x00", 9);
    s += localTable ? '\x80' : '\x00';
    if (localTable) s += std::string("\x21\xF9\x04\x00\x00\x00", 6);
    // LZW, minimum code size 2: clear, the index, end of information.
    s += std::string("\x02\x02", 2) + (index ? '\x4C' : '\x44') + std::string("\x01\x00", 2);
    return s;
}
inline std::string GifFrame(int index, bool localTable = false) {
    return GraphicControl() + GifImage(index, localTable);
}

}  // namespace glifora::test

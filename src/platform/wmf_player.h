#pragma once
// Windows metafiles (WMF) played onto a white picture with QPainter.
//
// Size: a placeable file (key 9AC6CDD7) gives its bounding box and units per
// inch, and the picture is that box at 96 dots per inch; a plain file takes
// the size of its first window extent, one logical unit to a pixel. Playback
// starts as if the caller had mapped that window onto the whole picture
// (anisotropic mode); the file's own window, viewport and map-mode records then
// act as they do on a 96 dpi screen. Many files draw past the window they
// declare; when what the records draw reaches beyond the picture under that
// mapping, the picture shows the window together with the whole drawing,
// each axis scaled to fit. A drawing that stays on the picture is not moved.
//
// Every length, count and index comes from the file and is checked before use;
// a broken file is a failed load with a Spanish reason. The work of drawing is
// bounded too (see PlayWmf), so no file makes the player run for long.

#include <cstdint>
#include <string_view>

#include "platform/picture_decoder.h"

namespace glifora {

// True for data that begins with a placeable header or a plain metafile header.
[[nodiscard]] bool LooksLikeWmf(std::string_view bytes);

// Plays the metafile. Neither the picture nor any bitmap in it may take more
// than `byteLimit` bytes at 4 bytes a pixel, and the total area drawn may not
// exceed `byteLimit` pixels times 4 (thousands of full-picture fills).
[[nodiscard]] PictureLoad PlayWmf(std::string_view bytes, uint64_t byteLimit = kDecodeByteLimit);

}  // namespace glifora

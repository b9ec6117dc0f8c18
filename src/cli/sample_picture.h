#pragma once
// The built-in sample picture: a small landscape drawn in code, so that the
// program can show text art with no picture at hand.

#include "platform/raster.h"

namespace glifora {

[[nodiscard]] Raster SamplePicture();

}  // namespace glifora

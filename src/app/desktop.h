#pragma once

namespace glifora {

// Starts the desktop program: `glifora [PICTURE]` or `glifora --all-features`.
int RunDesktop(int argc, char** argv);

}  // namespace glifora

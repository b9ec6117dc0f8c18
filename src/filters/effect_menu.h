#pragma once
// The filter part of the main window's "Imagen" menu, built from the effect
// catalogue and the flips and mirrors: submenus with their design names and
// captions, and entries that say what they run. The window turns it into
// QMenus and QActions; nothing here depends on Qt.

#include <string>
#include <vector>

#include "filters/flips_mirrors.h"

namespace glifora {

struct ImageMenuItem {
    enum class Kind { Submenu, Effect, Geometric };
    Kind kind = Kind::Effect;
    std::string name;  // design name: "mnuColores", "mnuGrises", "mnuRGB"
    int index = 0;     // place in an indexed entry (mnuRGB 1 to 5), else 0
    std::string caption;
    int code = 0;                                  // Effect: the code passed to ApplyEffect
    int parameter = 0;                             // Effect: the fixed parameter passed with it
    GeometricOp op = GeometricOp::FlipHorizontal;  // Geometric
    std::vector<ImageMenuItem> children;           // Submenu, in menu order
};

// "Girar", "Colores", "Intensidad", "Bordes", "Efectos", "Espejos", in this
// order, each a submenu with its entries ("Colores" holds the submenus
// "Blanco y negro" and "Intercambiar RGB").
[[nodiscard]] std::vector<ImageMenuItem> ImageMenuModel();

}  // namespace glifora

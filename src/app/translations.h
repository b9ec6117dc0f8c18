#pragma once
// Spanish for the parts of the window that Qt draws itself: the file dialog,
// standard buttons, message boxes, shortcut texts, dates and numbers.

#include <QString>

namespace glifora {

// Installs Qt's own Spanish catalogues (from Qt's translations folder) and
// makes Spanish (Spain) the default locale. Call once, after the application
// object exists; later calls change nothing. Returns false when Qt's
// catalogue is missing (the program then keeps English standard texts).
bool InstallSpanish();

}  // namespace glifora

#pragma once
// Windows and dialogs give every control its design name as its Qt object
// name, so that tests and the settings code find it by that name. UTF-8
// names (sldTamaño) are kept as they are.

#include <QObject>
#include <QString>

namespace glifora {

template <typename T>
T* Named(T* object, const char* name) {
    object->setObjectName(QString::fromUtf8(name));
    return object;
}

}  // namespace glifora

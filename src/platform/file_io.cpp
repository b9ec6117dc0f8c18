#include "platform/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace glifora {

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    const QString qpath = QString::fromStdString(path);
    if (path.empty()) return fail("ruta vacía");
    if (QFileInfo(qpath).isDir()) return fail("es una carpeta");
    QSaveFile file(qpath);
    if (!file.open(QIODevice::WriteOnly)) return fail("no se puede crear el archivo");
    const qint64 n = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), n) != n) {
        file.cancelWriting();
        return fail("no se puede escribir el archivo");
    }
    if (!file.commit()) return fail("no se puede escribir el archivo");
    return true;
}

std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t limit,
                                         std::string* error) {
    auto fail = [&](const char* why) -> std::optional<std::string> {
        if (error) *error = why;
        return std::nullopt;
    };
    const QString qpath = QString::fromStdString(path);
    const QFileInfo info(qpath);
    if (!info.exists()) return fail("no existe el archivo");
    if (info.isDir()) return fail("es una carpeta, no un archivo");
    QFile file(qpath);
    if (!file.open(QIODevice::ReadOnly)) return fail("no se puede leer el archivo");
    if (static_cast<uint64_t>(file.size()) > limit) return fail("el archivo es demasiado grande");
    std::string data;
    data.resize(static_cast<size_t>(file.size()));
    const qint64 got = file.read(data.data(), static_cast<qint64>(data.size()));
    if (got < 0) return fail("no se puede leer el archivo");
    data.resize(static_cast<size_t>(got));
    return data;
}

}  // namespace glifora

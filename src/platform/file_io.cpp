#include "platform/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace glifora {

struct AtomicFileWriter::State {
    explicit State(const QString& path) : file(path) {}
    QSaveFile file;
    const char* error = nullptr;  // the first failure, kept for Commit
};

AtomicFileWriter::AtomicFileWriter(const std::string& path)
    : state_(std::make_unique<State>(QString::fromStdString(path))) {
    if (path.empty())
        state_->error = "ruta vacía";
    else if (QFileInfo(QString::fromStdString(path)).isDir())
        state_->error = "es una carpeta";
    else if (!state_->file.open(QIODevice::WriteOnly))
        state_->error = "no se puede crear el archivo";
}

AtomicFileWriter::~AtomicFileWriter() {
    if (state_->file.isOpen()) state_->file.cancelWriting();
}

bool AtomicFileWriter::Append(std::string_view bytes) {
    if (state_->error) return false;
    const qint64 n = static_cast<qint64>(bytes.size());
    if (state_->file.write(bytes.data(), n) != n) state_->error = "no se puede escribir el archivo";
    return state_->error == nullptr;
}

bool AtomicFileWriter::Commit(std::string* error) {
    if (!state_->error && !state_->file.commit()) state_->error = "no se puede escribir el archivo";
    if (!state_->error) return true;
    if (state_->file.isOpen()) state_->file.cancelWriting();
    if (error) *error = state_->error;
    return false;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    AtomicFileWriter writer(path);
    writer.Append(bytes);
    return writer.Commit(error);
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

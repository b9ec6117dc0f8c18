#include "test_support.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QProcess>
#include <random>

#include "platform/qt_raster.h"

namespace glifora::test {

CommandResult RunGlifora(const std::vector<std::string>& args,
                         const std::vector<std::string>& unset) {
    return RunProgram(GLIFORA_BINARY, args, unset);
}

CommandResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& unset) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const std::string& name : unset) env.remove(QString::fromStdString(name));
    p.setProcessEnvironment(env);
    QStringList list;
    for (const auto& a : args) list << QString::fromStdString(a);
    p.setProgram(QString::fromStdString(program));
    p.setArguments(list);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start();
    p.waitForFinished(120000);
    CommandResult r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

std::string ReadFile(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

bool FileExists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

Raster RandomRaster(int w, int h, unsigned seed) {
    std::mt19937 gen(seed);
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) r.SetPixel(x, y, static_cast<ColorValue>(gen() & 0xFFFFFF));
    return r;
}

std::string EncodePicture(const Raster& r, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    writer.write(ImageFromRaster(r));
    return bytes.toStdString();
}

}  // namespace glifora::test

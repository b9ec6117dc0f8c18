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
    std::map<std::string, std::string> env;
    for (const std::string& name : unset) env[name] = "";
    return RunProgram(GLIFORA_BINARY, args, env);
}

CommandResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env) {
    QProcess p;
    QProcessEnvironment changed = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : env) {
        if (value.empty())
            changed.remove(QString::fromStdString(name));
        else
            changed.insert(QString::fromStdString(name), QString::fromStdString(value));
    }
    p.setProcessEnvironment(changed);
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

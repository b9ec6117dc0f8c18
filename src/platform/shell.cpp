#include "platform/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace glifora {
namespace {

ShellOpener& Opener() {
    static ShellOpener opener;
    return opener;
}

bool DesktopOpen(const std::string& target) {
    const QString t = QString::fromStdString(target);
    QUrl url;
    if (t.startsWith("mailto:") || t.contains("://"))
        url = QUrl(t);
    else
        url = QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}

}  // namespace

bool ShellOpen(const std::string& target) {
    if (!Opener()) return DesktopOpen(target);
    Opener()(target);
    return true;
}

ShellOpener SetShellOpener(ShellOpener opener) {
    ShellOpener previous = std::move(Opener());
    Opener() = std::move(opener);
    return previous;
}

bool StartCharacterMap() {
    for (const char* program : {"gucharmap", "gnome-characters", "kcharselect"}) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) return QProcess::startDetached(path, {});
    }
    return false;
}

std::string UserTempFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isDir())
        return QDir::cleanPath(QString::fromLocal8Bit(runtime)).toStdString();
    return QDir::cleanPath(QDir::tempPath()).toStdString();
}

}  // namespace glifora

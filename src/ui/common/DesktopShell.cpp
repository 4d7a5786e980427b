#include "ui/common/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

namespace marlo {

namespace {

constexpr int kQueryMilliseconds = 5000;

}  // namespace

std::optional<QString> registeredApplication(const QString& mimeType, const QString& xdgMime) {
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(kQueryMilliseconds)) {
        query.kill();
        query.waitForFinished();
        return std::nullopt;
    }
    if (query.exitStatus() != QProcess::NormalExit) return std::nullopt;
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

DesktopShell::DesktopShell()
    : DesktopShell([](const QString& mimeType) { return registeredApplication(mimeType); },
                   [](const QUrl& link) { return QDesktopServices::openUrl(link); }) {}

DesktopShell::DesktopShell(ApplicationLookup lookup, Opener opener)
    : lookup_(std::move(lookup)), opener_(std::move(opener)) {}

bool DesktopShell::openLink(const QUrl& link) {
    if (link.isLocalFile()) {
        // A file that is not there (a manual that was not installed) opens nowhere.
        if (!QFileInfo(link.toLocalFile()).isFile()) return false;
        const QString mimeType = QMimeDatabase().mimeTypeForFile(link.toLocalFile()).name();
        const std::optional<QString> application = lookup_(mimeType);
        if (application && application->isEmpty()) return false;
    }
    return opener_(link);
}

}  // namespace marlo

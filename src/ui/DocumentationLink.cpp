#include "ui/DocumentationLink.h"

#include <QCoreApplication>
#include <QDir>

namespace marlo {

QUrl documentationLink() {
    const QString configured = QStringLiteral(MARLO_DOCUMENTATION_URL);
    if (!configured.isEmpty()) return QUrl(configured);
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return QUrl::fromLocalFile(QDir::cleanPath(
        programFolder.filePath(QStringLiteral("../share/marlo-veen/files/documentation.pdf"))));
}

}  // namespace marlo

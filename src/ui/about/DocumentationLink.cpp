#include "ui/about/DocumentationLink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "i18n/texts/OutputTexts.h"
#include "i18n/texts/WindowNoticeTexts.h"

namespace marlo {

QUrl documentationLink(Language language) {
    const QString configured = QStringLiteral(MARLO_DOCUMENTATION_URL);
    if (!configured.isEmpty()) return QUrl(configured);
    const std::string_view code = isoCode(language);
    const QString name = QStringLiteral("documentation-%1.pdf")
                             .arg(QString::fromLatin1(code.data(), std::ssize(code)));
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString installed = QDir::cleanPath(
        programFolder.filePath(QStringLiteral("../share/marlo-veen/files/") + name));
    // A program started from its build folder finds the manual built beside it.
    const QString built =
        QDir::cleanPath(programFolder.filePath(QStringLiteral("../files/") + name));
    const bool runsFromBuild = !QFileInfo::exists(installed) && QFileInfo::exists(built);
    return QUrl::fromLocalFile(runsFromBuild ? built : installed);
}

void openDocumentation(Shell& shell, WindowMessages& messages, const QUrl& link) {
    if (!shell.openLink(link))
        messages.showError(output_text::kCannotOpenDocumentation,
                           link.isLocalFile() ? link.toLocalFile() : link.toString());
}

void offerDocumentation(Shell& shell, WindowMessages& messages, const QUrl& link) {
    if (shell.openLink(link)) return;
    if (link.isLocalFile())
        messages.notify(messages.text(window_notice_text::kNoPdfProgram) + link.toLocalFile());
    else
        messages.notify(messages.text(output_text::kCannotOpenDocumentation) + link.toString());
}

}  // namespace marlo

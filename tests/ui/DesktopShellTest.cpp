#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "ui/common/DesktopShell.h"

namespace marlo {
namespace {

// A shell whose desktop knows an application for PDF files only, and whose opener, like the
// desktop's, reports success for whatever it is given.
struct PdfOnlyDesktop {
    std::vector<QString> askedTypes;
    std::vector<QUrl> opened;
    bool canAsk = true;

    DesktopShell shell() {
        return DesktopShell(
            [this](const QString& mimeType) -> std::optional<QString> {
                askedTypes.push_back(mimeType);
                if (!canAsk) return std::nullopt;
                return mimeType == "application/pdf" ? QStringLiteral("viewer.desktop") : QString();
            },
            [this](const QUrl& link) {
                opened.push_back(link);
                return true;
            });
    }
};

QUrl emptyFile(const QTemporaryDir& folder, const QString& name) {
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return QUrl::fromLocalFile(file.fileName());
}

TEST(DesktopShell, aFileWithNoRegisteredApplication_isNotOpenedAndReportsFailure) {
    PdfOnlyDesktop desktop;
    DesktopShell shell = desktop.shell();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    // The workbook of the Excel command: no spreadsheet application on this desktop.
    EXPECT_FALSE(shell.openLink(emptyFile(folder, "New-1.xlsx")));
    ASSERT_EQ(desktop.askedTypes.size(), 1u);
    EXPECT_EQ(desktop.askedTypes[0],
              "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");
    EXPECT_TRUE(desktop.opened.empty());

    // The manual opens where a PDF viewer is registered, unless it is not there at all.
    const QUrl manual = emptyFile(folder, "documentation-en.pdf");
    EXPECT_TRUE(shell.openLink(manual));
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0], manual);
    EXPECT_FALSE(shell.openLink(QUrl::fromLocalFile(folder.filePath("documentation-de.pdf"))));
    EXPECT_EQ(desktop.opened.size(), 1u);

    // A mail link or a web address goes to the desktop unasked.
    EXPECT_TRUE(shell.openLink(QUrl("mailto:support@example.org")));
    EXPECT_EQ(desktop.askedTypes.size(), 2u);
    EXPECT_EQ(desktop.opened.size(), 2u);

    // A desktop that cannot be asked is left to open the file itself.
    desktop.canAsk = false;
    EXPECT_TRUE(shell.openLink(emptyFile(folder, "plan.xlsx")));
    EXPECT_EQ(desktop.opened.size(), 3u);
}

TEST(DesktopShell, registeredApplication_readsTheDesktopsAnswer) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString program = folder.filePath("xdg-mime");
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\n"
        "if [ \"$1 $2 $3\" = \"query default application/pdf\" ]; then\n"
        "  echo viewer.desktop\n"
        "fi\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(registeredApplication("application/pdf", program), "viewer.desktop");
    EXPECT_EQ(registeredApplication("application/vnd.ms-excel", program), "");
    EXPECT_EQ(registeredApplication("application/pdf", folder.filePath("missing")), std::nullopt);
}

}  // namespace
}  // namespace marlo

// Builds a user manual PDF from Markdown parts (one per language), with the pictures they name.
// Runs at build time without a display (QT_QPA_PLATFORM=offscreen). The cover shows one subtitle
// per --subtitle and the version after the --version-label.
//
//   manual_builder --output files/documentation-en.pdf --version 1.3.4 --icon icon.svg
//                  --subtitle "User manual" --version-label Version en.md

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "ManualPdf.h"

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("output"), QStringLiteral("PDF file to write."), QStringLiteral("file")});
    parser.addOption(
        {QStringLiteral("version"), QStringLiteral("Program version."), QStringLiteral("version")});
    parser.addOption({QStringLiteral("icon"), QStringLiteral("Program icon (SVG) for the cover."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("subtitle"),
                      QStringLiteral("Subtitle of the cover; may be given once per part."),
                      QStringLiteral("text")});
    parser.addOption({QStringLiteral("version-label"),
                      QStringLiteral("Word before the version on the cover."),
                      QStringLiteral("text"), QStringLiteral("Version")});
    parser.addPositionalArgument(QStringLiteral("parts"), QStringLiteral("Markdown parts."));
    parser.process(application);
    if (!parser.isSet(QStringLiteral("output")) || parser.positionalArguments().isEmpty()) {
        parser.showHelp(2);
    }

    QStringList parts;
    QString folder;
    for (const QString& path : parser.positionalArguments()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "manual_builder: cannot read %s\n", qPrintable(path));
            return 1;
        }
        parts.append(QString::fromUtf8(file.readAll()));
        folder = QFileInfo(path).absolutePath();
    }

    const marlo::ManualCover cover{QStringLiteral("marlo-veen"),
                                   parser.values(QStringLiteral("subtitle")),
                                   parser.value(QStringLiteral("version-label")) +
                                       QLatin1Char(' ') + parser.value(QStringLiteral("version")),
                                   parser.value(QStringLiteral("icon"))};
    const QString output = parser.value(QStringLiteral("output"));
    if (!marlo::writeManualPdf(output, cover, parts, folder)) {
        std::fprintf(stderr, "manual_builder: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}

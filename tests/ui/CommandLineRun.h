#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace marlo {

inline QByteArray fileBytes(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The text of a PDF file as pdftotext reads it, to compare documents without their dates of
// creation.
inline QString pdfText(const QString& file) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    pdftotext.waitForFinished(60000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Runs the command line with a home of its own in `folder`, so that no stored settings of this
// machine count; it must finish with status 0.
inline void runCommandLine(const QTemporaryDir& folder, const QStringList& arguments) {
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       folder.filePath(QStringLiteral("home/config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       folder.filePath(QStringLiteral("home/data")));
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(MARLO_CLI_BINARY), arguments);
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
}

}  // namespace marlo

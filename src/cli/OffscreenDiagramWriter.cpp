#include "cli/OffscreenDiagramWriter.h"

#include <cstdio>

#include "drawing/DiagramFiles.h"

namespace marlo {

namespace {

// Qt's notices about the platform (no runtime folder, no display) are no business of the
// command line's user; a failure to write shows in the command's own message.
void dropQtNotices(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

bool OffscreenDiagramWriter::operator()(const DiagramLayout& layout, const std::string& path,
                                        const std::string& title) {
    if (!QGuiApplication::instance()) {
        qInstallMessageHandler(dropQtNotices);
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    // The command line has made sure that the name ends in .pdf or .svg.
    const std::optional<DiagramFileFormat> format = diagramFileFormat(path);
    return format && saveDiagram(layout, QString::fromStdString(path), *format,
                                 QString::fromStdString(title));
}

}  // namespace marlo

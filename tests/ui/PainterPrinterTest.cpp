#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <string>

#include "ui/PainterPrinter.h"

namespace marlo {
namespace {

TEST(PainterPrinter, linesBeyondThePageEnd_continueOnNewPages) {
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("long.pdf")));
    PainterPrinter painter(printer);
    painter.setFontName("Liberation Mono");
    painter.setFontSize(10);
    for (int i = 1; i <= 200; ++i) {
        painter.printText(1, "line " + std::to_string(i));
        painter.endLine();
    }
    painter.endDocument();
    ASSERT_TRUE(painter.succeeded());

    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    const qsizetype pages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r");
    EXPECT_GE(pages, 3) << "200 lines of 10 points take more than two pages";
    EXPECT_LE(pages, 5);
}

}  // namespace
}  // namespace marlo

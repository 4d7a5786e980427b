#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>

#include "labelpaint/LabelDocumentFiles.h"
#include "labels/LabelCode.h"
#include "labels/LabelComposer.h"
#include "labels/PieceLabels.h"
#include "labels/SawSheet.h"

namespace marlo {
namespace {

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The texts of every barcode on the pages of a PDF, rendered at 300 dpi as a printer would; only
// the top left `widthMm` × `heightMm` of each page when given.
std::vector<std::string> decodedBarcodes(const QString& pdf, const QString& folder,
                                         double widthMm = 0, double heightMm = 0) {
    QStringList arguments = {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png")};
    if (widthMm > 0)
        arguments << QStringLiteral("-W") << QString::number(std::ceil(widthMm / 25.4 * 300))
                  << QStringLiteral("-H") << QString::number(std::ceil(heightMm / 25.4 * 300));
    output(QStringLiteral("pdftoppm"), arguments << pdf << folder + "/page");
    QStringList pages;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("page*.png")}))
        pages << folder + '/' + name;
    EXPECT_FALSE(pages.isEmpty());
    std::vector<std::string> codes;
    const QString decoded =
        output(QStringLiteral("zbarimg"),
               QStringList{QStringLiteral("-q"), QStringLiteral("--raw")} + pages);
    for (const QString& line : decoded.split('\n', Qt::SkipEmptyParts))
        codes.push_back(line.toStdString());
    return codes;
}

// A finished plan of these patterns, cut from this stock (none: the parameters' rod length).
CuttingPlan planOf(PatternTable patterns, StockList stock = {}) {
    return {RunStatus::Finished, 0, std::move(patterns), {}, std::move(stock)};
}

RodPattern pattern(int16_t sequence, int16_t rods, std::vector<int16_t> lengths) {
    RodPattern p;
    p.sequence = sequence;
    p.rods = rods;
    p.pieceCount = static_cast<int16_t>(lengths.size());
    std::copy(lengths.begin(), lengths.end(), p.lengths.begin());
    return p;
}

TEST(LabelPdfTest, everyLayout_printsOneReadableBarcodePerPiece) {
    const CuttingList list = {{"2000", "3"}, {"1500", "2"}, {"1000", "4"}, {"480", "3"}};
    PatternTable patterns;
    patterns.append() = pattern(1, 2, {2000, 1500, 1000, 1000});
    patterns.append() = pattern(2, 1, {2000, 480, 480, 480});
    JobParameters parameters;
    parameters.trim = 5;
    const SawList saw = sawList(list, planOf(patterns), parameters);
    const JobHeader header{"Stavebniny Kováč", "Okná", "RAL 9016"};
    const std::vector<PieceLabel> labels =
        pieceLabels(header, saw, labelReference("/jobs/Zákazka 42.opt", ""), "2026-12-08");
    std::vector<std::string> expected;
    for (const PieceLabel& label : labels) expected.push_back(label.code);
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(expected.size(), 12u);
    EXPECT_EQ(expected.front(), "Zakazka4/1/1/1/1");

    const StringCatalogue catalogue(Language::Czech);
    for (const LabelSheetLayout& layout : labelSheetLayouts()) {
        SCOPED_TRACE(layout.name);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("labels.pdf"));
        const int start = layout.isRoll() ? 1 : 4;
        ASSERT_TRUE(savePagedDocumentPdf(composePieceLabels(labels, layout, start, catalogue),
                                         pdf.toStdString(), QStringLiteral("Labels")));
        std::vector<std::string> decoded = decodedBarcodes(pdf, folder.path());
        std::sort(decoded.begin(), decoded.end());
        EXPECT_EQ(decoded, expected);

        // Each barcode's text is printed on its label, and each piece of the plan has one label.
        const QString text = output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        std::map<int, int> perLength;
        for (const std::string& code : decoded) {
            EXPECT_TRUE(text.contains(QString::fromStdString(code))) << code;
            const auto label = std::find_if(labels.begin(), labels.end(),
                                            [&](const PieceLabel& l) { return l.code == code; });
            if (label != labels.end()) ++perLength[label->length];
        }
        EXPECT_EQ(perLength, (std::map<int, int>{{480, 3}, {1000, 4}, {1500, 2}, {2000, 3}}));
        EXPECT_TRUE(text.contains(QStringLiteral("Způsob 1 · tyč 2 z 2 · kus 3")));

        // The longest code a large job gives still reads on the layout's labels.
        PieceLabel longest = labels.front();
        longest.code = pieceLabelCode("Zakazka4", 100, 200, 999, 97);
        QTemporaryDir other;
        const QString single = other.filePath(QStringLiteral("longest.pdf"));
        ASSERT_TRUE(savePagedDocumentPdf(composePieceLabels({longest}, layout, 1, catalogue),
                                         single.toStdString(), QStringLiteral("Labels")));
        EXPECT_EQ(decodedBarcodes(single, other.path(), layout.labelWidth,
                                  layout.top + layout.labelHeight),
                  std::vector<std::string>{longest.code});
    }
}

TEST(LabelPdfTest, offcutLabelsAndSawSheet_readBack) {
    QTemporaryDir folder;
    const StringCatalogue catalogue(Language::English);
    const QString offcuts = folder.filePath(QStringLiteral("offcuts.pdf"));
    const std::vector<OffcutLabel> labels = {{"Alu 40x40", 1234, "R-000123", "Job 7, pattern 2"}};
    ASSERT_TRUE(savePagedDocumentPdf(
        composeOffcutLabels(labels, *findLabelSheetLayout("roll-100x50"), 1, catalogue),
        offcuts.toStdString(), QStringLiteral("Offcuts")));
    EXPECT_EQ(decodedBarcodes(offcuts, folder.path()), std::vector<std::string>{"R-000123"});
    const QString offcutText = output(QStringLiteral("pdftotext"), {offcuts, QStringLiteral("-")});
    EXPECT_TRUE(offcutText.contains(QStringLiteral("1234 mm")));
    EXPECT_TRUE(offcutText.contains(QStringLiteral("Origin: Job 7, pattern 2")));

    PatternTable patterns;
    patterns.append() = pattern(1, 3, {2000, 1500});
    JobParameters parameters;
    parameters.trim = 10;
    const SawList saw = sawList({{"1500", "3"}, {"2000", "3"}}, planOf(patterns), parameters);
    const QString sheet = folder.filePath(QStringLiteral("saw.pdf"));
    ASSERT_TRUE(savePagedDocumentPdf(
        composeSawSheet({"ACME", "Frames", "White"}, saw, "2026-12-08", catalogue),
        sheet.toStdString(), QStringLiteral("Saw list")));
    const QString text = output(QStringLiteral("pdftotext"),
                                {QStringLiteral("-layout"), sheet, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("1\\s+2000 mm\\s+2010 mm\\s+2"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("2\\s+1500 mm\\s+3516 mm\\s+1"))));
    EXPECT_TRUE(text.contains(QStringLiteral("Leftover: 2474 mm")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 / 1")));
}

}  // namespace
}  // namespace marlo

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

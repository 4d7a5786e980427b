#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>

#include "../labels/ProductionPlanFixture.h"
#include "labelpaint/LabelDocumentFiles.h"
#include "labels/LabelCode.h"
#include "labels/LabelComposer.h"
#include "labels/PartsCheckList.h"
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

TEST(LabelPdfTest, productionJob_labelsSawSheetAndCheckListReadBackWithTheirParts) {
    const ProductionJob job = fixture::threeMaterialJob();
    const ProductionPlan plan = fixture::threeMaterialPlan(job);
    const StringCatalogue catalogue(Language::English);
    const std::vector<PieceLabel> labels = productionPieceLabels(
        job, plan, labelReference("/jobs/Považská 12.mvjob", ""), "2026-12-10");
    std::vector<std::string> expected;
    for (const PieceLabel& label : labels) expected.push_back(label.code);
    std::sort(expected.begin(), expected.end());
    // The aluminium's first pattern, its second rod: the jamb of W12, the part numbered 1.
    EXPECT_TRUE(std::binary_search(expected.begin(), expected.end(), "Povazska/1/1/2/2"));

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("labels.pdf"));
    ASSERT_TRUE(savePagedDocumentPdf(
        composePieceLabels(labels, *findLabelSheetLayout("a4-3x8"), 1, catalogue),
        pdf.toStdString(), QStringLiteral("Labels")));
    std::vector<std::string> decoded = decodedBarcodes(pdf, folder.path());
    std::sort(decoded.begin(), decoded.end());
    EXPECT_EQ(decoded, expected);
    // Every label's mark, material and order are on the page, as often as the part has pieces.
    const QString text = output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_EQ(text.count(QStringLiteral("W12 jamb")), 5);
    EXPECT_EQ(text.count(QStringLiteral("AL 70x45 · Order: 2026-118")), 4);
    EXPECT_EQ(text.count(QStringLiteral("=W13 sill")), 2);
    EXPECT_EQ(text.count(QStringLiteral("PVC 82")), 9);  // W14 head has no order
    EXPECT_EQ(text.count(QStringLiteral("Order:")), 17);

    // The longest code of a large job still reads on every layout beside the extra line.
    for (const LabelSheetLayout& layout : labelSheetLayouts()) {
        SCOPED_TRACE(layout.name);
        PieceLabel longest = labels.front();
        longest.part->material = "Aluminium frame profile 70x45 anodised";
        longest.code = pieceLabelCode("Zakazka4", 9999, 200, 999, 97);
        QTemporaryDir other;
        const QString single = other.filePath(QStringLiteral("longest.pdf"));
        ASSERT_TRUE(savePagedDocumentPdf(composePieceLabels({longest}, layout, 1, catalogue),
                                         single.toStdString(), QStringLiteral("Labels")));
        EXPECT_EQ(decodedBarcodes(single, other.path(), layout.labelWidth,
                                  layout.top + layout.labelHeight),
                  std::vector<std::string>{longest.code});
    }

    // The saw sheet: a section per material, each cut with its part's number, mark and order.
    const QString sheet = folder.filePath(QStringLiteral("saw.pdf"));
    ASSERT_TRUE(savePagedDocumentPdf(composeProductionSawSheet(job, plan, "2026-12-10", catalogue),
                                     sheet.toStdString(), QStringLiteral("Saw list")));
    const QString sawText = output(QStringLiteral("pdftotext"),
                                   {QStringLiteral("-layout"), sheet, QStringLiteral("-")});
    for (const char* material : {"Material: AL 70x45", "Material: PVC 82", "Material: Steel 30"})
        EXPECT_EQ(sawText.count(QString::fromUtf8(material)), 1) << material;
    EXPECT_TRUE(sawText.contains(QRegularExpression(QStringLiteral(
        "Rod 1\\s+Cut[^\\n]*\\n\\s*1\\s+1480 mm\\s+1490 mm\\s+1\\s+W12 jamb\\s+2026-117"))))
        << sawText.toStdString();
    EXPECT_TRUE(sawText.contains(QRegularExpression(
        QStringLiteral("Rod 2\\s+Cut[^\\n]*\\n\\s*1\\s+1480 mm\\s+1490 mm\\s+1\\s+W12 jamb"))));
    // The saw's order: the aluminium's second pattern first.
    EXPECT_LT(sawText.indexOf(QStringLiteral("Pattern 2")),
              sawText.indexOf(QStringLiteral("Pattern 1")));
    EXPECT_TRUE(sawText.contains(QStringLiteral("Page 3 / 3")));

    // The check list: each part, and each piece where it is cut or not cut.
    const QString check = folder.filePath(QStringLiteral("check.pdf"));
    ASSERT_TRUE(savePagedDocumentPdf(composePartsCheckList(job, plan, "2026-12-10", catalogue),
                                     check.toStdString(), QStringLiteral("Parts check list")));
    const QString checkText = output(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), check, QStringLiteral("-")});
    EXPECT_TRUE(checkText.contains(QRegularExpression(
        QStringLiteral("7\\s+W15 bar\\s+Steel 30\\s+7000 mm\\s+1\\s+2026-120\\s+0 of 1 cut"))))
        << checkText.toStdString();
    EXPECT_TRUE(checkText.contains(QStringLiteral("not cut")));
    EXPECT_EQ(checkText.count(QStringLiteral("P2 rod 1")), 1 + 1 + 4);
}

// A post cut at 45° and −22.5°: its label shows both angles beside the post's outline, and the
// longest code of a large job still reads there on every layout.
TEST(LabelPdfTest, angledPartLabel_showsItsAnglesAndKeepsItsBarcodeReadable) {
    const ProductionJob job = fixture::angledJob();
    const std::vector<PieceLabel> labels =
        productionPieceLabels(job, fixture::threeMaterialPlan(job), "JOB", "2026-12-10");
    const auto post = std::find_if(labels.begin(), labels.end(),
                                   [](const PieceLabel& label) { return label.row == 5; });
    ASSERT_NE(post, labels.end());
    PieceLabel longest = *post;
    longest.code = pieceLabelCode("Zakazka4", 9999, 200, 999, 97);
    const StringCatalogue catalogue(Language::English);
    for (const LabelSheetLayout& layout : labelSheetLayouts()) {
        SCOPED_TRACE(layout.name);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("post.pdf"));
        const PagedDocument document = composePieceLabels({longest}, layout, 1, catalogue);
        ASSERT_EQ(document.pages.front().lines.size(), 4u);
        ASSERT_TRUE(savePagedDocumentPdf(document, pdf.toStdString(), QStringLiteral("Labels")));
        EXPECT_EQ(
            decodedBarcodes(pdf, folder.path(), layout.labelWidth, layout.top + layout.labelHeight),
            std::vector<std::string>{longest.code});
        const QString text = output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.contains(QStringLiteral("45° | −22.5°"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("W14 post")));
    }
}

}  // namespace
}  // namespace marlo

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "../diagram/DiagramTestSupport.h"
#include "drawing/DiagramFiles.h"

namespace marlo {
namespace {

using namespace marlo::testing;

constexpr double kPointsPerMm = 72.0 / 25.4;

struct Word {
    double xMin, yMin, xMax, yMax;  // points
    QString text;
};

// The words pdftotext finds on each page, with their boxes.
std::vector<std::vector<Word>> pdfWords(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(60000));
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    std::vector<std::vector<Word>> pages;
    static const QRegularExpression item(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    for (auto match = item.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        if (found.captured(0) == QLatin1String("<page ")) {
            pages.emplace_back();
            continue;
        }
        pages.back().push_back({found.captured(1).toDouble(), found.captured(2).toDouble(),
                                found.captured(3).toDouble(), found.captured(4).toDouble(),
                                found.captured(5)});
    }
    return pages;
}

bool readInside(const std::vector<Word>& words, const RectMm& box, int16_t length) {
    for (const Word& word : words) {
        const double x = (word.xMin + word.xMax) / 2 / kPointsPerMm;
        const double y = (word.yMin + word.yMax) / 2 / kPointsPerMm;
        if (word.text == QString::number(length) && x > box.x && x < box.right() && y > box.y &&
            y < box.bottom())
            return true;
    }
    return false;
}

// Fifty patterns of two to eight pieces, some of them narrow enough for upright text.
std::vector<RodPattern> fiftyPatterns() {
    std::vector<RodPattern> patterns;
    for (int i = 0; i < 50; ++i) {
        std::vector<int> lengths = {1200 + 17 * i, 650 + 3 * i};
        for (int j = 0; j < i % 7; ++j) lengths.push_back(140 + 90 * j + i);
        patterns.push_back(patternOf(1 + i % 5, lengths, 6000, 4));
    }
    numberPatterns(patterns);
    return patterns;
}

TEST(DiagramFiles, pdfOfFiftyPatterns_readsBackEveryPieceLengthInsideItsBox) {
    const std::vector<RodPattern> patterns = fiftyPatterns();
    const DiagramLayout layout =
        composeDiagram(sourceOf(patterns, 6000, 4), StringCatalogue(Language::English));
    ASSERT_GT(layout.pages.size(), 1u);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("diagram.pdf"));
    ASSERT_TRUE(saveDiagram(layout, path.toStdString(), DiagramFileFormat::Pdf,
                            QStringLiteral("Cutting diagram")));
    const std::vector<std::vector<Word>> words = pdfWords(path);
    ASSERT_EQ(words.size(), layout.pages.size());

    int pieces = 0, upright = 0;
    for (size_t p = 0; p < layout.pages.size(); ++p) {
        for (const DiagramBox& box : layout.pages[p].boxes) {
            if (box.kind != BoxKind::Piece && box.kind != BoxKind::Waste) continue;
            EXPECT_TRUE(readInside(words[p], box.rect, box.length))
                << "page " << p + 1 << ", pattern " << box.pattern + 1 << ": " << box.length;
            pieces += box.kind == BoxKind::Piece;
        }
        for (const DiagramText& text : layout.pages[p].texts) upright += text.rotated;
    }
    int expected = 0;
    for (const RodPattern& pattern : patterns) expected += pattern.pieceCount;
    EXPECT_EQ(pieces, expected);
    EXPECT_GT(upright, 0);

    // The SVG holds the same texts, the pages one below another.
    const QByteArray svg = diagramSvg(layout, QStringLiteral("Cutting diagram"));
    EXPECT_TRUE(svg.contains("<svg"));
    for (const RodPattern& pattern : patterns)
        for (int i = 0; i < pattern.pieceCount; ++i)
            EXPECT_TRUE(svg.contains(">" + QByteArray::number(pattern.lengths[i]) + "<"))
                << pattern.lengths[i];

    // A file that cannot be written leaves nothing behind.
    const QString missing = folder.filePath(QStringLiteral("missing/diagram.svg"));
    EXPECT_FALSE(
        saveDiagram(layout, missing.toStdString(), DiagramFileFormat::Svg, QStringLiteral("x")));
    EXPECT_FALSE(QFile::exists(missing));
}

// An SVG file keeps no clip: the hatch lines of a waste end at its box, off the piece beside it
// and short of the rod's end, and the hatch still covers the box from one end to the other.
TEST(DiagramFiles, svgHatching_staysInsideTheWasteBox) {
    const RectMm waste{60, 20, 30, 8};
    DiagramLayout layout;
    layout.pages.emplace_back();
    DiagramPage& page = layout.pages.back();
    page.boxes.push_back({{20, 20, 40, 8}, BoxKind::Piece});
    page.boxes.push_back({waste, BoxKind::Waste});
    page.hatches.push_back({waste});

    const QString svg = QString::fromUtf8(diagramSvg(layout, QStringLiteral("x")));
    constexpr double kUnitsPerMm = 10;  // the file's 254 units to the inch
    static const QRegularExpression polyline(QStringLiteral("<polyline[^>]*points=\"([^\"]*)\""));
    double left = 1e9, right = -1e9;
    int lines = 0;
    for (auto match = polyline.globalMatch(svg); match.hasNext(); ++lines) {
        const QStringList points =
            match.next().captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& point : points) {
            const double x = point.section(QLatin1Char(','), 0, 0).toDouble() / kUnitsPerMm;
            const double y = point.section(QLatin1Char(','), 1, 1).toDouble() / kUnitsPerMm;
            EXPECT_GE(x, waste.x - 0.01);
            EXPECT_LE(x, waste.right() + 0.01);
            EXPECT_GE(y, waste.y - 0.01);
            EXPECT_LE(y, waste.bottom() + 0.01);
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    EXPECT_GT(lines, 20);
    EXPECT_NEAR(left, waste.x, 0.2);
    EXPECT_NEAR(right, waste.right(), 1.3);
}

}  // namespace
}  // namespace marlo

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

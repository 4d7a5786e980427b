#include <QDir>
#include <QTemporaryDir>
#include <QToolButton>

#include "CommandLineRun.h"
#include "WindowTest.h"
#include "jobfile/JobFile.h"
#include "stock/StockStore.h"

namespace marlo {
namespace {

// The window and the command line plan the same job from the same material of a real SQLite
// store, with rods of three lengths and two offcuts, and must give the saw the same outputs.
class OutputsMatchCliTest : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        storeLaterStart(Language::English);
        url = "sqlite:" + path("stock.sqlite").toStdString();
        saveSetting(store, settings::kStockStore, url);
        saveSetting(store, settings::kMaterial, "Profile");
        saveSetting(store, settings::kCutThickness, "4");
        saveSetting(store, settings::kTrim, "5");
        saveMethodChoice(store, {OptimisationMethod::FewestRods, 10, 1});
        std::unique_ptr<StockStore> stockStore = std::move(*StockStore::open(url).value);
        ASSERT_FALSE(
            stockStore->replaceStock("Profile",
                                     {{{6500, 2, 33.0, StockKind::Rod, ""},
                                       {6000, std::nullopt, 30.0, StockKind::Rod, ""},
                                       {4000, std::nullopt, 21.0, StockKind::Rod, ""},
                                       {2400, 1, std::nullopt, StockKind::Offcut, "R-0001"},
                                       {1850, 1, std::nullopt, StockKind::Offcut, "R-0002"}}},
                                     100));
        const Job job{{"ACME", "Frames", "White"},
                      {{"2300", "4"}, {"1700", "5"}, {"1200", "6"}, {"800", "4"}}};
        ASSERT_TRUE(writeJobFile(path("frames.opt").toStdString(), job));
    }

    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    void planInTheWindow() {
        start();
        window->openJobFile(path("frames.opt"));
        QTest::mouseClick(find<QToolButton>(QStringLiteral("Command6")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 30000);
        ASSERT_TRUE(window->resultPresent());
    }

    void exportFromTheWindow(const char* command, const QString& file) {
        dialogs.files = {file};
        action(QString::fromLatin1(command))->trigger();
    }

    // Every parameter the window used is given as a flag.
    void planOnTheCommandLine(const QStringList& outputs) {
        runCommandLine(folder, QStringList{"optimise", path("frames.opt"), "--store",
                                           QString::fromStdString(url), "--material", "Profile",
                                           "--cut-thickness", "4", "--trim", "5", "--time-limit",
                                           "10", "--language", "en"} +
                                   outputs);
    }

    // The workbook's sheets and strings, without the archive's dates and the document's properties.
    static QByteArray workbookContent(const QString& file) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, QStringLiteral("xl/*")});
        unzip.waitForFinished(60000);
        return unzip.readAllStandardOutput();
    }

    QTemporaryDir folder;
    std::string url;
};

TEST_F(OutputsMatchCliTest, planFromStock_sawListSawSheetAndLabels_areTheCommandLinesOwn) {
    planInTheWindow();
    exportFromTheWindow("mnu_export_pilovy_zoznam_csv", path("window-saw.csv"));
    exportFromTheWindow("mnu_export_pilovy_zoznam_pdf", path("window-saw.pdf"));
    withDialog([&] { exportFromTheWindow("mnu_export_stitky_pdf", path("window-labels.pdf")); },
               [](QDialog* dialog) { dialog->accept(); });
    planOnTheCommandLine({"--saw-list", path("cli-saw.csv"), "--saw-sheet", path("cli-saw.pdf"),
                          "--labels", path("cli-labels.pdf")});

    const QByteArray sawList = fileBytes(path("window-saw.csv"));
    EXPECT_EQ(sawList, fileBytes(path("cli-saw.csv")));
    // Each pattern on its own stock: more than one rod length, and an offcut by its identifier.
    EXPECT_TRUE(sawList.contains(";6500;") || sawList.contains(";4000;")) << sawList.data();
    EXPECT_TRUE(sawList.contains(";R-000")) << sawList.data();
    const QString sawSheet = pdfText(path("window-saw.pdf"));
    EXPECT_FALSE(sawSheet.contains(QStringLiteral(": -"))) << "no leftover below nothing";
    EXPECT_EQ(sawSheet, pdfText(path("cli-saw.pdf")));
    EXPECT_EQ(pdfText(path("window-labels.pdf")), pdfText(path("cli-labels.pdf")));
}

TEST_F(OutputsMatchCliTest, planFromStock_reportWorkbookAndDiagram_areTheCommandLinesOwn) {
    planInTheWindow();
    exportFromTheWindow("mnu_export_subor", path("window-plan.txt"));
    exportFromTheWindow("mnu_export_pdf", path("window-plan.pdf"));
    exportFromTheWindow("mnu_export_diagram_pdf", path("window-diagram.pdf"));
    action(QStringLiteral("mnu_export_excel"))->trigger();
    ASSERT_EQ(shell.links.size(), 1u);
    const QString workbook = shell.links[0].toLocalFile();
    planOnTheCommandLine({"--report", path("cli-plan.txt"), "--pdf", path("cli-plan.pdf"),
                          "--diagram", path("cli-diagram.pdf"), "--xlsx", path("cli-plan.xlsx")});

    const QByteArray report = fileBytes(path("window-plan.txt"));
    EXPECT_TRUE(report.contains("6500") || report.contains("4000")) << report.data();
    EXPECT_EQ(report, fileBytes(path("cli-plan.txt")));
    const QString printout = pdfText(path("window-plan.pdf"));
    const QString diagram = pdfText(path("window-diagram.pdf"));
    EXPECT_TRUE(printout.contains(QStringLiteral("R-000"))) << printout.toStdString();
    EXPECT_TRUE(diagram.contains(QStringLiteral("R-000"))) << diagram.toStdString();
    EXPECT_EQ(printout, pdfText(path("cli-plan.pdf")));
    EXPECT_EQ(diagram, pdfText(path("cli-diagram.pdf")));
    const QByteArray sheets = workbookContent(workbook);
    EXPECT_TRUE(sheets.contains("R-000")) << "the offcuts by their identifiers";
    EXPECT_EQ(sheets, workbookContent(path("cli-plan.xlsx")));
    QFile::remove(workbook);
}

}  // namespace
}  // namespace marlo

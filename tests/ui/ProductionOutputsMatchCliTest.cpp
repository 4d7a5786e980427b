#include <QAction>
#include <QTemporaryDir>
#include <QToolButton>

#include "CommandLineRun.h"
#include "WindowTest.h"

namespace marlo {
namespace {

// Three materials, each cut from its own rod length (the store holds nothing yet).
constexpr char kJob[] = R"({
  "format": "marlo-veen job", "version": 1,
  "header": {"customer": "Okna Novak", "name": "Frames 12", "colour": "RAL 9016"},
  "materials": [{"name": "Frame 70", "rod_length": 6500}, {"name": "Bead 20", "rod_length": 6000},
                {"name": "Sash 60", "rod_length": 5000}],
  "parts": [
    {"mark": "F1", "material": "Frame 70", "length": 2000, "pieces": 6, "order": "A-1"},
    {"mark": "F2", "material": "Frame 70", "length": 1500, "pieces": 4, "order": "A-1"},
    {"mark": "B1", "material": "Bead 20", "length": 900, "pieces": 10, "order": "A-2"},
    {"mark": "S1", "material": "Sash 60", "length": 1200, "pieces": 5},
    {"mark": "S2", "material": "Sash 60", "length": 700, "pieces": 3, "order": "A-2"}
  ]
})";

class ProductionOutputsMatchCli : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        storeLaterStart(Language::English);
        url = "sqlite:" + path("stock.sqlite").toStdString();
        saveSetting(store, settings::kStockStore, url);
        saveSetting(store, settings::kCutThickness, "4");
        saveSetting(store, settings::kTrim, "5");
        saveMethodChoice(store, {OptimisationMethod::FewestRods, 10, 1});
        QFile job(path("frames.mvjob"));
        ASSERT_TRUE(job.open(QIODevice::WriteOnly));
        job.write(kJob);
    }

    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    void exportFromTheWindow(const char* command, const QString& file) {
        dialogs.files = {file};
        action(QString::fromLatin1(command))->trigger();
    }

    // Every parameter the window used is given as a flag.
    void planOnTheCommandLine(const QStringList& outputs) {
        runCommandLine(
            folder, QStringList{"optimise", path("frames.mvjob"), "--store",
                                QString::fromStdString(url), "--cut-thickness", "4", "--trim", "5",
                                "--time-limit", "10", "--language", "en"} +
                        outputs);
    }

    QTemporaryDir folder;
    std::string url;
};

TEST_F(ProductionOutputsMatchCli, plannedJob_reportSawListAndPartsCheckList_areTheCommandLinesOwn) {
    start();
    window->openJobFile(path("frames.mvjob"));
    QAction* partsCheckList = action(QStringLiteral("mnu_export_kontrolny_zoznam"));
    EXPECT_FALSE(partsCheckList->isEnabled()) << "nothing planned yet";
    QTest::mouseClick(find<QToolButton>(QStringLiteral("Command6")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 30000);
    ASSERT_TRUE(partsCheckList->isEnabled());
    ASSERT_TRUE(action(QStringLiteral("mnu_export_subor"))->isEnabled());

    exportFromTheWindow("mnu_export_subor", path("window-plan.txt"));
    exportFromTheWindow("mnu_export_pilovy_zoznam_csv", path("window-saw.csv"));
    exportFromTheWindow("mnu_export_kontrolny_zoznam", path("window-parts.csv"));
    exportFromTheWindow("mnu_export_kontrolny_zoznam", path("window-parts.pdf"));
    exportFromTheWindow("mnu_export_diagram_pdf", path("window-diagram.pdf"));
    planOnTheCommandLine({"--report", path("cli-plan.txt"), "--saw-list", path("cli-saw.csv"),
                          "--parts-list", path("cli-parts.csv"), "--diagram",
                          path("cli-diagram.pdf")});
    EXPECT_TRUE(dialogs.messages.empty());

    // Every material's report in the one file, each headed by its material.
    const QByteArray report = fileBytes(path("window-plan.txt"));
    for (const char* material : {"Frame 70", "Bead 20", "Sash 60"})
        EXPECT_TRUE(report.contains(material)) << material;
    EXPECT_EQ(report, fileBytes(path("cli-plan.txt")));
    const QByteArray sawList = fileBytes(path("window-saw.csv"));
    EXPECT_TRUE(sawList.contains("S2")) << sawList.data();
    EXPECT_EQ(sawList, fileBytes(path("cli-saw.csv")));
    const QByteArray parts = fileBytes(path("window-parts.csv"));
    EXPECT_TRUE(parts.contains("F1") && parts.contains("B1")) << parts.data();
    EXPECT_EQ(parts, fileBytes(path("cli-parts.csv")));
    // The PDF filter's name gives the pages, not the CSV text.
    EXPECT_TRUE(fileBytes(path("window-parts.pdf")).startsWith("%PDF"));
    const QString diagram = pdfText(path("window-diagram.pdf"));
    EXPECT_TRUE(diagram.contains(QStringLiteral("Sash 60"))) << diagram.toStdString();
    EXPECT_EQ(diagram, pdfText(path("cli-diagram.pdf")));

    // Opening the job again drops its plan: the check list waits for a new one.
    window->openJobFile(path("frames.mvjob"));
    EXPECT_FALSE(partsCheckList->isEnabled());
}

}  // namespace
}  // namespace marlo

#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "WindowTest.h"
#include "jobfile/ProductionJobFile.h"
#include "reports/ProductionJobMessages.h"

namespace marlo {
namespace {

// Two materials cut from their rod lengths (one its own, one the parameters'), a third whose only
// part is longer than its rods, and fields of a newer program at the top and in a part.
constexpr char kJob[] = R"({
  "format": "marlo-veen job", "version": 1, "planner": {"shift": "early"},
  "header": {"customer": "Okna Novak", "name": "Frames 12", "colour": "RAL 9016", "note": "rush"},
  "materials": [{"name": "Frame 70", "rod_length": 6500}, {"name": "Bead 20"}],
  "parts": [
    {"mark": "F1", "material": "Frame 70", "length": 2000, "pieces": 6, "order": "A-1",
     "note": "drain", "angles": [45, 45], "station": 3},
    {"mark": "F2", "material": "Frame 70", "length": 1500, "pieces": 4, "order": "A-1"},
    {"mark": "B1", "material": "Bead 20", "length": 900, "pieces": 10},
    {"mark": "S1", "material": "Sill", "length": 7000, "pieces": 1}
  ]
})";

class ProductionJobWindow : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        storeLaterStart(Language::English);
        // An empty store: every material is cut from its rod length.
        saveSetting(store, settings::kStockStore,
                    "sqlite:" + folder.filePath("stock.sqlite").toStdString());
        start();
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    void click(const char* button) {
        QTest::mouseClick(find<QToolButton>(QLatin1String(button)), Qt::LeftButton);
    }
    QAbstractItemModel* parts() const {
        return find<QTableView>(QStringLiteral("ProductionParts"))->model();
    }
    QString part(int row, int column) const {
        return parts()->index(row, column).data().toString();
    }

    QTemporaryDir folder;
};

TEST_F(ProductionJobWindow, openEditPlanSaveReopen_keepsTheEditAndTheUnknownFields) {
    const QString opened = writeFile(QStringLiteral("frames.mvjob"), kJob);
    dialogs.files = {opened};
    click("Command7_1");
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].filter,
              "All files (*.*)|*.*|Jobs (*.opt, *.mvjob)|*.opt *.mvjob");
    EXPECT_EQ(window->windowTitle(), "marlo-veen : " + opened);
    EXPECT_EQ(box("Text5")->text(), "Okna Novak");
    EXPECT_EQ(box("Text3")->text(), "Frames 12");
    EXPECT_FALSE(grid("Grid1")->isVisible()) << "the parts grid takes the cutting list's place";
    ASSERT_EQ(parts()->rowCount(), 4);
    EXPECT_EQ(part(0, 0), "F1");
    EXPECT_EQ(part(0, 5), "drain");
    QTableWidget* materials = grid("ProductionMaterials");
    EXPECT_EQ(rows(materials), (std::vector<QStringList>{
                                   {"Frame 70", "10", "18000", "6", "0", "one rod length (6500)"},
                                   {"Bead 20", "10", "9000", "6", "0", "one rod length (6000)"},
                                   {"Sill", "1", "7000", "6", "0", "one rod length (6000)"}}));

    // A length that is no whole number is refused and the cell keeps its value.
    EXPECT_FALSE(parts()->setData(parts()->index(1, 2), "15x0"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The length must be a whole number from 1 to 100000 mm.");
    EXPECT_EQ(part(1, 2), "1500");
    EXPECT_FALSE(window->jobChanged());
    EXPECT_TRUE(parts()->setData(parts()->index(1, 3), "8"));
    EXPECT_TRUE(window->jobChanged());
    EXPECT_EQ(rows(materials)[0],
              (QStringList{"Frame 70", "14", "24000", "6", "0", "one rod length (6500)"}));

    click("Command6");
    QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!label("ProductionPrice").isEmpty(), 60000);
    // 6 × 2000 + 8 × 1500 on 6500: three 2000s to a rod, then four 1500s: 2 + 2 rods; beads:
    // six of 900 to a 6000 rod, 2 rods. The sill is longer than its rods.
    const std::vector<QStringList> summary = rows(materials);
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_EQ(summary[0].mid(6), (QStringList{"4", "", summary[0][8], "4 (proven)"}));
    EXPECT_EQ(summary[1].mid(6, 1), QStringList{"2"});
    EXPECT_EQ(summary[2].mid(6), QStringList{"not planned"});
    EXPECT_EQ(label("ProductionPrice"), "All materials: not proven");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains("Material Sill cannot be planned"))
        << dialogs.messages[1].text.toStdString();
    // The first material's plan is the one shown in the result grid and totals.
    EXPECT_EQ(totals()[0], "4");
    QTableWidget* plan = grid("Grid2");
    ASSERT_GT(plan->rowCount(), 0);
    // Every piece's cell names the mark it is cut for and on how many rods.
    for (int row = 0; row < plan->rowCount(); ++row)
        for (int piece = 4; piece < plan->columnCount() && plan->item(row, piece); ++piece)
            EXPECT_TRUE(plan->item(row, piece)
                            ->toolTip()
                            .startsWith(plan->item(row, piece)->text() == "2000" ? "Mark\nF1 × "
                                                                                 : "Mark\nF2 × "))
                << plan->item(row, piece)->toolTip().toStdString();
    materials->setCurrentCell(1, 0);
    EXPECT_EQ(totals()[0], "2");

    const QString saved = folder.filePath("saved.mvjob");
    dialogs.files = {saved};
    click("Command7_3");
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].filter,
              "All files (*.*)|*.*|Production jobs (*.mvjob)|*.mvjob");
    EXPECT_FALSE(window->jobChanged());
    EXPECT_EQ(window->windowTitle(), "marlo-veen : " + saved);

    const ProductionJobFileRead reread = readProductionJobFile(saved.toStdString());
    ASSERT_EQ(reread.status, ProductionJobFileStatus::Read);
    ProductionJobFileRead original = parseProductionJob(kJob);
    original.job.parts[1].part.pieces = 8;
    EXPECT_EQ(reread.job, original.job) << "the edit, the note and every unknown field are kept";

    window->openJobFile(saved);
    EXPECT_EQ(part(1, 3), "8");
    EXPECT_TRUE(label("ProductionPrice").isEmpty());
}

TEST_F(ProductionJobWindow, openNewerOrDamagedFile_refusedWithTheCoresMessage) {
    const QString newer =
        writeFile(QStringLiteral("newer.mvjob"), R"({"format": "marlo-veen job", "version": 7})");
    const QString damaged = writeFile(QStringLiteral("damaged.mvjob"), R"({"format": "marlo)");
    for (const QString& path : {newer, damaged}) {
        dialogs.messages.clear();
        window->openJobFile(path);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, QString::fromStdString(productionJobFileMessage(
                                                readProductionJobFile(path.toStdString()),
                                                path.toStdString(), window->catalogue())));
        EXPECT_EQ(window->windowTitle(), "Marlo-veen : New");
        EXPECT_TRUE(grid("Grid1")->isVisible());
    }
    // The cutting list is back for a *.opt job after a production job.
    window->openJobFile(writeFile(QStringLiteral("frames.mvjob"), kJob));
    EXPECT_FALSE(grid("Grid1")->isVisible());
    click("Command7_0");
    EXPECT_TRUE(grid("Grid1")->isVisible());
    EXPECT_FALSE(find<QTableView>(QStringLiteral("ProductionParts"))->isVisible());
}

TEST_F(ProductionJobWindow, stopPress_keepsTheBestPlanSoFar) {
    // The triplets on rods of 1000 without cut loss: the proof of 40 rods takes a moment.
    saveSetting(store, settings::kCutThickness, "0");
    ProductionJob job;
    job.materials.push_back({"Bar", {}, {}, 1000, {}, {}, {}});
    for (const auto& [length, pieces] : tripletPieces())
        job.parts.push_back(
            {{"L" + std::to_string(length), "Bar", length, pieces, "", "", 0.0, 0.0}, {}});
    const QString path = folder.filePath(QStringLiteral("triplets.mvjob"));
    ASSERT_TRUE(writeProductionJobFile(path.toStdString(), job));
    window->close();
    start();
    window->openJobFile(path);

    click("Command6");
    EXPECT_TRUE(window->isRunning());
    QTest::qWait(20);
    click("Command6");
    EXPECT_FALSE(window->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!label("ProductionPrice").isEmpty(), 10000);
    const QStringList bar = rows(grid("ProductionMaterials"))[0];
    ASSERT_GE(bar.size(), 7);
    EXPECT_TRUE(bar[6].endsWith(" (stopped)")) << bar[6].toStdString();
    EXPECT_EQ(label("RunStatus"), "Fewest rods: stopped, best plan so far");
    EXPECT_EQ(totals()[0], bar[6].section(QLatin1Char(' '), 0, 0));
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace marlo

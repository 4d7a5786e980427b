#include <QAction>
#include <QFile>
#include <QInputDialog>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "WindowTest.h"
#include "jobfile/ProductionJobFile.h"
#include "partslist/PartsImport.h"
#include "stock/StockStore.h"

namespace marlo {
namespace {

// Three materials the store holds (the first with the profile height its mitred part needs), the
// third under a name the store does not know ("Sash60" for its "Sash 60"); the job's own cut
// thickness for it goes with the name.
constexpr char kJob[] = R"({
  "format": "marlo-veen job", "version": 1,
  "header": {"customer": "Okna Novak", "name": "Frames 12"},
  "materials": [{"name": "Frame 70", "profile_height": 70}, {"name": "Bead 20", "trim": 10},
                {"name": "Sash60", "cut_thickness": 3}],
  "parts": [
    {"mark": "F1", "material": "Frame 70", "length": 2000, "pieces": 6, "order": "A-1",
     "note": "drain", "angles": [45, 0]},
    {"mark": "B1", "material": "Bead 20", "length": 900, "pieces": 10},
    {"mark": "S1", "material": "Sash60", "length": 1200, "pieces": 5, "order": "A-2"}
  ]
})";

class ProductionMaterials : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        storeLaterStart(Language::English);
        url = "sqlite:" + folder.filePath("stock.sqlite").toStdString();
        saveSetting(store, settings::kStockStore, url);
        saveSetting(store, settings::kCutThickness, "4");
        saveMethodChoice(store, {OptimisationMethod::FewestRods, 10, 1});
        ASSERT_FALSE(open()->replaceStock("Frame 70", {{{6500, 10, 30.0, StockKind::Rod, ""}}}));
        ASSERT_FALSE(open()->replaceStock("Bead 20", {{{6000, 5, 12.0, StockKind::Rod, ""}}}));
        ASSERT_FALSE(open()->replaceStock("Sash 60", {{{5000, 4, 20.0, StockKind::Rod, ""}}}));
        QFile job(folder.filePath("frames.mvjob"));
        ASSERT_TRUE(job.open(QIODevice::WriteOnly));
        job.write(kJob);
        job.close();
        start();
        window->openJobFile(job.fileName());
    }

    std::unique_ptr<StockStore> open() const { return std::move(*StockStore::open(url).value); }
    // The rods of the material's first stock row as the store holds them now.
    int rodsInStore(const std::string& material) const {
        return *open()->stockOf(material).value->list.items[0].quantity;
    }
    void optimise() {
        QTest::mouseClick(find<QToolButton>(QStringLiteral("Command6")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!label("ProductionPrice").isEmpty(), 60000);
    }
    QString lastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }
    // The unknown name taken for the store's "Sash 60" through the grid's double-click.
    void chooseSash() {
        withDialog(
            [this] { emit grid("ProductionMaterials")->cellDoubleClicked(2, 0); },
            [](QDialog* dialog) {
                auto* choice = qobject_cast<QInputDialog*>(dialog);
                ASSERT_NE(choice, nullptr);
                EXPECT_EQ(choice->objectName(), "StoreMaterialChoice");
                EXPECT_EQ(choice->comboBoxItems(), (QStringList{"Bead 20", "Frame 70", "Sash 60"}));
                choice->setTextValue(QStringLiteral("Sash 60"));
                choice->accept();
            });
    }

    QTemporaryDir folder;
    std::string url;
};

TEST_F(ProductionMaterials, unknownName_takesTheStoresMaterialKeptAfterSaveAndReopen) {
    QTableWidget* materials = grid("ProductionMaterials");
    EXPECT_EQ(rows(materials),
              (std::vector<QStringList>{
                  {"Frame 70", "6", "12000", "4", "0", "70", "", "store (rows: 1)"},
                  {"Bead 20", "10", "9000", "4", "10", "", "", "store (rows: 1)"},
                  {"Sash60", "5", "6000", "3", "0", "", "", "one rod length (6000)"}}));
    EXPECT_EQ(materials->item(0, 7)->toolTip(), "6500 mm × 10");
    EXPECT_TRUE(materials->item(0, 0)->toolTip().isEmpty());
    EXPECT_TRUE(materials->item(2, 0)->toolTip().startsWith("The store has no material"));
    // A known name offers nothing.
    emit materials->cellDoubleClicked(0, 0);
    // The store's name typed into a part takes its rods from that stock at once.
    QAbstractItemModel* parts = find<QTableView>(QStringLiteral("ProductionParts"))->model();
    ASSERT_TRUE(parts->setData(parts->index(2, 1), "Sash 60"));
    EXPECT_EQ(rows(materials)[2][7], "store (rows: 1)");
    action(QStringLiteral("mnu_spat"))->trigger();
    EXPECT_EQ(rows(materials)[2][7], "one rod length (6000)");

    chooseSash();
    EXPECT_TRUE(window->jobChanged());
    EXPECT_EQ(rows(materials)[2],
              (QStringList{"Sash 60", "5", "6000", "3", "0", "", "", "store (rows: 1)"}));
    EXPECT_TRUE(materials->item(2, 0)->toolTip().isEmpty());
    EXPECT_EQ(grid("ProductionMaterials")->rowCount(), 3);

    const QString saved = folder.filePath("saved.mvjob");
    dialogs.files = {saved};
    QTest::mouseClick(find<QToolButton>(QStringLiteral("Command7_3")), Qt::LeftButton);
    const ProductionJobFileRead reread = readProductionJobFile(saved.toStdString());
    ASSERT_EQ(reread.status, ProductionJobFileStatus::Read);
    EXPECT_EQ(reread.job.parts[2].part.material, "Sash 60");
    ASSERT_EQ(reread.job.materials.size(), 3u);
    EXPECT_EQ(reread.job.materials[2].name, "Sash 60");
    EXPECT_EQ(reread.job.materials[2].cutThickness, std::optional<int16_t>(3));
    window->openJobFile(saved);
    EXPECT_EQ(rows(materials)[2],
              (QStringList{"Sash 60", "5", "6000", "3", "0", "", "", "store (rows: 1)"}));
}

TEST_F(ProductionMaterials, bookPlannedJob_allMaterialsOrNoneAndReturnGivesThemBack) {
    QAction* book = action(QStringLiteral("mnu_zauctovat"));
    // A material cut from a rod length of its own takes nothing from the store: the others can be
    // booked, as the command line books them.
    optimise();
    EXPECT_TRUE(book->isEnabled());
    chooseSash();
    optimise();
    ASSERT_TRUE(book->isEnabled());
    EXPECT_EQ(label("RunStatus"), "Lowest price from stock: finished")
        << "the shown material's plan names the method that made it";
    // Frame 70: three 2000s to a 6500 rod, 2 rods; beads: six 900s to a 5980 rod, 2 rods;
    // sashes: four 1200s to a 5000 rod, 2 rods.
    const std::vector<QStringList> planned = rows(grid("ProductionMaterials"));
    EXPECT_EQ(planned[0][8], "2");
    EXPECT_EQ(planned[1][8], "2");
    EXPECT_EQ(planned[2][8], "2");

    // Another workstation takes beads meanwhile: nothing is booked, and the message names the
    // material that lacks them.
    {
        const std::unique_ptr<StockStore> other = open();
        const MaterialStock beads = *other->stockOf("Bead 20").value;
        ASSERT_FALSE(other->changeStockRow("Bead 20", beads.rowKeys[0], beads.list.items[0],
                                           {6000, 1, 12.0, StockKind::Rod, ""}));
    }
    book->trigger();
    EXPECT_TRUE(lastMessage().startsWith(
        "The stock has changed since the plan was made; nothing was booked:\nMaterial: Bead 20\n"))
        << lastMessage().toStdString();
    EXPECT_FALSE(lastMessage().contains("Frame 70"));
    EXPECT_EQ(rodsInStore("Frame 70"), 10);
    EXPECT_EQ(rodsInStore("Sash 60"), 4);
    EXPECT_EQ(rodsInStore("Bead 20"), 1);

    ASSERT_FALSE(open()->replaceStock("Bead 20", {{{6000, 5, 12.0, StockKind::Rod, ""}}}));
    // A press right after a run's end counts as a late stop press.
    QTest::qWait(600);
    optimise();
    book->trigger();
    EXPECT_TRUE(lastMessage().startsWith("Booked; new offcuts: R-0001 ("))
        << lastMessage().toStdString();
    EXPECT_EQ(rodsInStore("Frame 70"), 8);
    EXPECT_EQ(rodsInStore("Bead 20"), 3);
    EXPECT_EQ(rodsInStore("Sash 60"), 2);
    EXPECT_FALSE(book->isEnabled()) << "booked once only";

    action(QStringLiteral("mnu_vratit"))->trigger();
    EXPECT_EQ(rodsInStore("Frame 70"), 10);
    EXPECT_EQ(rodsInStore("Bead 20"), 5);
    EXPECT_EQ(rodsInStore("Sash 60"), 4);
    for (const char* material : {"Frame 70", "Bead 20", "Sash 60"})
        EXPECT_EQ(open()->stockOf(material).value->list.items.size(), 1u) << "offcuts out again";
    EXPECT_TRUE(book->isEnabled());
}

TEST_F(ProductionMaterials, exportPartsList_readsBackAsTheJobsParts) {
    QAction* exportList = action(QStringLiteral("mnu_export_kusovnik"));
    ASSERT_TRUE(exportList->isEnabled());
    const ProductionJob job =
        readProductionJobFile(folder.filePath("frames.mvjob").toStdString()).job;
    std::vector<Part> parts;
    for (const PartRow& row : job.parts) parts.push_back(row.part);
    for (const char* name : {"parts.csv", "parts.xlsx"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        dialogs.files = {path};
        exportList->trigger();
        EXPECT_EQ(dialogs.fileRequests.back().fileName, folder.filePath("frames.csv"));
        const PartsImport read = importParts(path.toStdString(), {});
        EXPECT_EQ(read.failure, 0) << name;
        EXPECT_TRUE(read.refused.empty()) << name;
        EXPECT_EQ(read.parts, parts) << name;
    }
    // A name of neither type is refused rather than written in a guessed format.
    const size_t messages = dialogs.messages.size();
    dialogs.files = {folder.filePath("parts.txt")};
    exportList->trigger();
    ASSERT_EQ(dialogs.messages.size(), messages + 1);
    EXPECT_EQ(lastMessage(),
              "A parts list is written as a CSV file (.csv) or an Excel file (.xlsx).");
    EXPECT_FALSE(QFile::exists(folder.filePath("parts.txt")));

    QTest::mouseClick(find<QToolButton>(QStringLiteral("Command7_0")), Qt::LeftButton);
    EXPECT_FALSE(exportList->isEnabled()) << "a *.opt job has no parts list";
}

}  // namespace
}  // namespace marlo

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QToolButton>

#include "ProductionWindowTest.h"
#include "jobfile/ProductionJobFile.h"

namespace marlo {
namespace {

// Frame pieces with mitred ends of a material the job does not list (cut from the parameters'
// rods of 2500), and beads cut square from rods of their own.
constexpr char kJob[] = R"({
  "format": "marlo-veen job", "version": 1, "header": {"name": "Windows 3"},
  "materials": [{"name": "Bead 20", "rod_length": 3000}],
  "parts": [
    {"mark": "Top", "material": "Alu 80", "length": 1200, "pieces": 2, "angles": [45, 45]},
    {"mark": "Side", "material": "Alu 80", "length": 1000, "pieces": 2, "angles": [45, -45]},
    {"mark": "Sill", "material": "Alu 80", "length": 700, "pieces": 1},
    {"mark": "B1", "material": "Bead 20", "length": 900, "pieces": 3}
  ]
})";

// The columns of the materials grid while a part has angled ends.
enum { kHeight = 5, kTurn = 6, kRods = 8, kWaste = 10 };

class MitreMaterials : public ProductionWindowTest {
  protected:
    void SetUp() override {
        ProductionWindowTest::SetUp();
        saveSetting(store, settings::kCutThickness, "4");
        saveSetting(store, settings::kRodLength, "2500");
        saveMethodChoice(store, {OptimisationMethod::FewestRods, 10, 1});
        window->close();
        start();
    }

    QTableWidget* materials() const { return grid(QStringLiteral("ProductionMaterials")); }
    QTableWidgetItem* cell(int row, int column) const { return materials()->item(row, column); }
    // Alu's profile height, whether it turns, and the Sill's pieces, as the grids show them.
    QStringList shown() const {
        return {cell(0, kHeight)->text(),
                cell(0, kTurn)->checkState() == Qt::Checked ? "turned" : "not turned", part(2, 3)};
    }
    // The first key opens the cell's editor, the others go to it; Enter stores the cell.
    void typeHeight(const QString& text) {
        materials()->setCurrentCell(0, kHeight);
        materials()->setFocus();
        QTest::keyClicks(materials(), text.left(1));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, text.mid(1));
        EXPECT_EQ(editor->text(), text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor stores its text once the key has been handled.
        QTRY_COMPARE(QApplication::focusWidget(), materials());
    }
    void pressSpaceOnTurn() {
        materials()->setCurrentCell(0, kTurn);
        materials()->setFocus();
        QTest::keyClick(materials(), Qt::Key_Space);
    }
    void optimise() {
        QTest::mouseClick(find<QToolButton>(QStringLiteral("Command6")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!label("ProductionPrice").isEmpty(), 60000);
    }
    ProductionJob saveAs(const QString& name) {
        const QString path = folder.filePath(name);
        dialogs.files = {path};
        QTest::mouseClick(find<QToolButton>(QStringLiteral("Command7_3")), Qt::LeftButton);
        const ProductionJobFileRead reread = readProductionJobFile(path.toStdString());
        EXPECT_EQ(reread.status, ProductionJobFileStatus::Read);
        return reread.job;
    }
};

TEST_F(MitreMaterials, profileHeightAndTurning_editedInTheGrid_undoneSavedReopenedAndPlanned) {
    window->openJobFile(writeFile(QStringLiteral("windows.mvjob"), kJob));
    QAction* undo = action("mnu_spat");
    QAction* redo = action("mnu_znova");
    ASSERT_FALSE(materials()->isColumnHidden(kHeight));
    EXPECT_EQ(materials()->horizontalHeaderItem(kHeight)->text(), "Profile height");
    EXPECT_EQ(materials()->horizontalHeaderItem(kTurn)->text(), "Turn over");
    EXPECT_EQ(rows(materials()),
              (std::vector<QStringList>{
                  {"Alu 80", "5", "5100", "4", "0", "", "", "one rod length (2500)"},
                  {"Bead 20", "3", "2700", "4", "0", "", "", "one rod length (3000)"}}));
    EXPECT_EQ(cell(0, kHeight)->toolTip(),
              "The angled cuts of this material need the profile height.");
    // The square beads need neither setting.
    EXPECT_FALSE(cell(1, kHeight)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(cell(1, kTurn)->data(Qt::CheckStateRole).isValid());

    optimise();
    EXPECT_EQ(rows(materials())[0][kRods], "not planned");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Material Alu 80 cannot be planned: the profile height is missing, which the angled "
              "cuts need.")
        << "no stock is missing";

    // A height out of bounds is refused, the cell keeps its value and no step is made.
    for (const char* refused : {"8x", "0", "40000", "80.5"}) {
        typeHeight(QString::fromLatin1(refused));
        EXPECT_EQ(dialogs.messages.back().text,
                  "The profile height must be a whole number from 1 to 32767 mm, or empty.")
            << refused;
        EXPECT_EQ(cell(0, kHeight)->text(), "") << refused;
    }
    EXPECT_EQ(dialogs.messages.size(), 5u);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(window->jobChanged());

    // Each setting is a step among the parts' edits; the plan of the job as it was goes.
    std::vector<QStringList> states{shown()};
    typeHeight(QStringLiteral("80"));
    EXPECT_TRUE(cell(0, kHeight)->toolTip().isEmpty());
    EXPECT_TRUE(window->jobChanged());
    EXPECT_TRUE(label("ProductionPrice").isEmpty());
    states.push_back(shown());
    ASSERT_TRUE(parts()->setData(parts()->index(2, 3), "2"));
    states.push_back(shown());
    pressSpaceOnTurn();
    states.push_back(shown());
    EXPECT_EQ(states.back(), (QStringList{"80", "turned", "2"}));
    typeHeight(QStringLiteral("080"));
    EXPECT_EQ(cell(0, kHeight)->text(), "80") << "the same height makes no step";

    for (std::size_t step = states.size() - 1; step > 0; --step) {
        undo->trigger();
        EXPECT_EQ(shown(), states[step - 1]) << "undo to state " << step - 1;
    }
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(saveAs(QStringLiteral("undone.mvjob")), parseProductionJob(kJob).job)
        << "undone, the job lists no settings of Alu 80";
    for (std::size_t step = 1; step < states.size(); ++step) {
        redo->trigger();
        EXPECT_EQ(shown(), states[step]) << "redo to state " << step;
    }

    ProductionJob expected = parseProductionJob(kJob).job;
    expected.parts[2].part.pieces = 2;
    expected.materials.push_back({"Alu 80", {}, {}, {}, 80, true, {}});
    EXPECT_EQ(saveAs(QStringLiteral("saved.mvjob")), expected);
    window->openJobFile(folder.filePath(QStringLiteral("saved.mvjob")));
    EXPECT_EQ(shown(), states.back());
    EXPECT_FALSE(undo->isEnabled());

    // A setting changed while the job is planned ends the run, as a part's edit does.
    QTest::mouseClick(find<QToolButton>(QStringLiteral("Command6")), Qt::LeftButton);
    ASSERT_TRUE(window->isRunning());
    pressSpaceOnTurn();
    EXPECT_FALSE(window->isRunning());
    EXPECT_EQ(shown()[1], "not turned");
    undo->trigger();
    EXPECT_EQ(shown()[1], "turned");

    // Planned with the height, turned and not: the neighbours that share a cut leave longer
    // leftovers on the same rods. (A press just after a run's end counts as a late stop press.)
    const std::size_t messages = dialogs.messages.size();
    QTest::qWait(600);
    optimise();
    const QStringList turned = rows(materials())[0];
    EXPECT_EQ(turned[kRods], "3");
    EXPECT_EQ(rows(materials())[1][kRods], "1");
    EXPECT_EQ(label("ProductionPrice"), "All materials: proven optimal");
    pressSpaceOnTurn();
    QTest::qWait(600);
    optimise();
    const QStringList unturned = rows(materials())[0];
    EXPECT_EQ(unturned[kRods], "3");
    EXPECT_GT(turned[kWaste].toInt(), unturned[kWaste].toInt());
    EXPECT_EQ(dialogs.messages.size(), messages) << "both plans without a fault";
}

}  // namespace
}  // namespace marlo

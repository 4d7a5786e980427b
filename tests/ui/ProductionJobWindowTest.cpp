#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "ProductionWindowTest.h"
#include "jobfile/ProductionJobFile.h"
#include "reports/ProductionJobMessages.h"

namespace marlo {
namespace {

// Two materials cut from their rod lengths (one its own, with the profile height its mitred part
// needs; one the parameters'), a third whose only part is longer than its rods, and fields of a
// newer program at the top and in a part.
constexpr char kJob[] = R"({
  "format": "marlo-veen job", "version": 1, "planner": {"shift": "early"},
  "header": {"customer": "Okna Novak", "name": "Frames 12", "colour": "RAL 9016", "note": "rush"},
  "materials": [{"name": "Frame 70", "rod_length": 6500, "profile_height": 70},
                {"name": "Bead 20"}],
  "parts": [
    {"mark": "F1", "material": "Frame 70", "length": 2000, "pieces": 6, "order": "A-1",
     "note": "drain", "angles": [45, 45], "station": 3},
    {"mark": "F2", "material": "Frame 70", "length": 1500, "pieces": 4, "order": "A-1"},
    {"mark": "B1", "material": "Bead 20", "length": 900, "pieces": 10},
    {"mark": "S1", "material": "Sill", "length": 7000, "pieces": 1}
  ]
})";

class ProductionJobWindow : public ProductionWindowTest {
  protected:
    void click(const char* button) {
        QTest::mouseClick(find<QToolButton>(QLatin1String(button)), Qt::LeftButton);
    }
    QTableView* partsTable() const { return find<QTableView>(QStringLiteral("ProductionParts")); }
    // Every cell of the parts as the grid shows them, Angle 1 and Angle 2 included.
    std::vector<QStringList> shownParts() const {
        std::vector<QStringList> result;
        for (int row = 0; row < parts()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < parts()->columnCount(); ++column)
                cells << part(row, column);
            result.push_back(cells);
        }
        return result;
    }
    void pasteAt(int row, int column, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        partsTable()->setCurrentIndex(parts()->index(row, column));
        partsTable()->setFocus();
        QTest::keyClick(partsTable(), Qt::Key_V, Qt::ControlModifier);
    }
    ProductionJob savedJob() {
        const QString saved = folder.filePath("saved.mvjob");
        dialogs.files = {saved};
        click("Command7_3");
        const ProductionJobFileRead reread = readProductionJobFile(saved.toStdString());
        EXPECT_EQ(reread.status, ProductionJobFileStatus::Read);
        return reread.job;
    }
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
    EXPECT_EQ(rows(materials),
              (std::vector<QStringList>{
                  {"Frame 70", "10", "18000", "6", "0", "70", "", "one rod length (6500)"},
                  {"Bead 20", "10", "9000", "6", "0", "", "", "one rod length (6000)"},
                  {"Sill", "1", "7000", "6", "0", "", "", "one rod length (6000)"}}));

    // A length that is no whole number is refused and the cell keeps its value.
    EXPECT_FALSE(parts()->setData(parts()->index(1, 2), "15x0"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The length must be a whole number from 1 to 100000 mm.");
    EXPECT_EQ(part(1, 2), "1500");
    EXPECT_FALSE(window->jobChanged());
    EXPECT_TRUE(parts()->setData(parts()->index(1, 3), "8"));
    EXPECT_TRUE(window->jobChanged());
    EXPECT_EQ(rows(materials)[0], (QStringList{"Frame 70", "14", "24000", "6", "0", "70", "",
                                               "one rod length (6500)"}));

    click("Command6");
    QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!label("ProductionPrice").isEmpty(), 60000);
    // 6 × 2000 + 8 × 1500 on 6500: three 2000s to a rod, then four 1500s: 2 + 2 rods; beads:
    // six of 900 to a 6000 rod, 2 rods. The sill is longer than its rods.
    const std::vector<QStringList> summary = rows(materials);
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_EQ(summary[0].mid(8), (QStringList{"4", "", summary[0][10], "4 (proven)"}));
    EXPECT_EQ(summary[1].mid(8, 1), QStringList{"2"});
    EXPECT_EQ(summary[2].mid(8), QStringList{"not planned"});
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

    // An edit while the job is planned ends the run, and the edited job can be planned again.
    // (A press just after a run's end is taken for a late Stop: the test waits past it.)
    QTest::qWait(600);
    click("Command6");
    ASSERT_TRUE(window->isRunning());
    EXPECT_TRUE(parts()->setData(parts()->index(0, 3), "7"));
    EXPECT_FALSE(window->isRunning());
    EXPECT_TRUE(find<QToolButton>(QStringLiteral("Command6"))->isEnabled());
}

TEST_F(ProductionJobWindow, editAddDeletePaste_eachOneStepOfTheEditMenusUndoAndRedo) {
    window->openJobFile(writeFile(QStringLiteral("frames.mvjob"), kJob));
    QAction* undo = action("mnu_spat");
    QAction* redo = action("mnu_znova");
    EXPECT_FALSE(undo->isEnabled()) << "an opened job starts a fresh history";
    // The header's typing undone shows the job through the job editor, whose cutting list is
    // empty: Optimise stays offered for the parts.
    box("Text5")->setText("Okna Nova");
    undo->trigger();
    EXPECT_EQ(box("Text5")->text(), "Okna Novak");
    EXPECT_TRUE(find<QToolButton>(QStringLiteral("Command6"))->isEnabled());
    std::vector<std::vector<QStringList>> states{shownParts()};
    ASSERT_EQ(states[0].size(), 4u);
    EXPECT_EQ(states[0][0].mid(6), (QStringList{"45", "45"})) << "the angle columns are shown";

    // A cell typed in and stored with Enter, which moves on to the next cell.
    partsTable()->setCurrentIndex(parts()->index(1, 3));
    QTest::keyClicks(partsTable(), "8");
    auto* editor = partsTable()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "8");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(part(1, 3), QString("8"));
    EXPECT_EQ(partsTable()->currentIndex(), parts()->index(1, 4));
    states.push_back(shownParts());

    // A new part takes the current part's material and order, without pieces.
    click("ProductionPartsAdd");
    ASSERT_EQ(parts()->rowCount(), 5);
    EXPECT_EQ(shownParts()[4], (QStringList{"", "Frame 70", "1500", "0", "A-1", "", "0", "0"}));
    states.push_back(shownParts());

    // Two selected parts are deleted after the cutting list's question.
    QItemSelectionModel* selection = partsTable()->selectionModel();
    selection->select(parts()->index(0, 1), QItemSelectionModel::ClearAndSelect);
    selection->select(parts()->index(2, 4), QItemSelectionModel::Select);
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    QTest::keyClick(partsTable(), Qt::Key_Delete);
    EXPECT_EQ(shownParts(), states.back()) << "No keeps them";
    QTest::keyClick(partsTable(), Qt::Key_Delete);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "Are you sure you want to delete 2 selected items?");
    ASSERT_EQ(parts()->rowCount(), 3);
    EXPECT_EQ(part(0, 0), "F2");
    EXPECT_EQ(part(1, 0), "S1");
    states.push_back(shownParts());

    // Two columns of three rows at Mark of the last part: one part changed, two added.
    pasteAt(2, 0, "N1\tBead 20\nN2\tBead 20\r\nN3\tSill\n");
    ASSERT_EQ(parts()->rowCount(), 5);
    EXPECT_EQ(shownParts()[2].mid(0, 4), (QStringList{"N1", "Bead 20", "1500", "0"}));
    EXPECT_EQ(shownParts()[4].mid(0, 2), (QStringList{"N3", "Sill"}));
    states.push_back(shownParts());
    EXPECT_TRUE(window->jobChanged());

    for (std::size_t step = states.size() - 1; step > 0; --step) {
        partsTable()->setFocus();
        QTest::keyClick(partsTable(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(shownParts(), states[step - 1]) << "undo to state " << step - 1;
    }
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(find<QToolButton>(QStringLiteral("Command6"))->isEnabled());
    for (std::size_t step = 1; step < states.size(); ++step) {
        redo->trigger();
        EXPECT_EQ(shownParts(), states[step]) << "redo to state " << step;
    }
    const ProductionJob saved = savedJob();
    ASSERT_EQ(saved.parts.size(), 5u);
    EXPECT_EQ(saved.parts[2].part.mark, "N1");
    EXPECT_EQ(saved.parts[0].part.pieces, 8) << "F2 with its typed pieces";
}

TEST_F(ProductionJobWindow, pasteOutOfBounds_refusedNamingTheRowWithNothingPasted) {
    window->openJobFile(writeFile(QStringLiteral("frames.mvjob"), kJob));
    const std::vector<QStringList> before = shownParts();
    // The second row's angle is beyond the bound; its first row alone would have fitted.
    pasteAt(1, 2, "1600\t2\n1700\t3\tB\tnote\t80\n1800\t4\n1900\t5\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Nothing was pasted. Row 2 of the pasted text, cell 5: The angle must be a number "
              "from -75 to 75 degrees.");
    // A cell beyond the last column, and a fraction of a millimetre.
    pasteAt(3, 5, "n\t10\t20\t30\n");
    pasteAt(0, 2, "\n\n2000,5\n");
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[1].text,
              "Nothing was pasted. Row 1 of the pasted text, cell 4: The grid has no column for "
              "this cell.");
    EXPECT_EQ(dialogs.messages[2].text,
              "Nothing was pasted. Row 3 of the pasted text, cell 1: The length must be a whole "
              "number from 1 to 100000 mm.");
    EXPECT_EQ(shownParts(), before);
    EXPECT_FALSE(action("mnu_spat")->isEnabled()) << "no step for a refused paste";
    EXPECT_FALSE(window->jobChanged());
}

TEST_F(ProductionJobWindow, filteredAndSortedEdits_reachTheirParts_andTheSavedJobReopensEqual) {
    // A job without angles hides their columns until a part has one.
    ProductionJobFileRead original = parseProductionJob(kJob);
    ProductionJob job = original.job;
    job.parts[0].part.startAngle = 0;
    job.parts[0].part.endAngle = 0;
    job.parts.push_back({{"F3", "Frame 70", 800, 2, "B-7", "", 0, 0}, {}});
    const QString path = folder.filePath(QStringLiteral("plain.mvjob"));
    ASSERT_TRUE(writeProductionJobFile(path.toStdString(), job));
    window->openJobFile(path);
    EXPECT_TRUE(partsTable()->isColumnHidden(6));
    EXPECT_TRUE(partsTable()->isColumnHidden(7));

    // Frame parts of order A, shortest first: F2 (1500) before F1 (2000).
    find<QLineEdit>(QStringLiteral("ProductionPartsMaterialFilter"))->setText("frame");
    find<QLineEdit>(QStringLiteral("ProductionPartsOrderFilter"))->setText("a-");
    partsTable()->horizontalHeader()->setSortIndicator(2, Qt::AscendingOrder);
    ASSERT_EQ(parts()->rowCount(), 2);
    EXPECT_EQ(part(0, 0), "F2");
    EXPECT_EQ(parts()->headerData(0, Qt::Vertical).toInt(), 2) << "the job's row number";
    EXPECT_TRUE(parts()->setData(parts()->index(0, 3), "9"));
    EXPECT_TRUE(parts()->setData(parts()->index(1, 6), "-30"));
    EXPECT_FALSE(partsTable()->isColumnHidden(6));
    EXPECT_FALSE(parts()->setData(parts()->index(1, 7), "75.5"));
    // The longer length moves F2 below F1 in the sorted view.
    EXPECT_TRUE(parts()->setData(parts()->index(0, 2), "2500"));
    EXPECT_EQ(part(0, 0), "F1");
    pasteAt(0, 4, "A-2\nA-3\n");
    EXPECT_EQ(part(0, 4), "A-2");
    EXPECT_EQ(part(1, 4), "A-3");

    // The header's third click goes back to the job's order; the filter's end shows every part.
    find<QLineEdit>(QStringLiteral("ProductionPartsMaterialFilter"))->clear();
    find<QLineEdit>(QStringLiteral("ProductionPartsOrderFilter"))->clear();
    partsTable()->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    EXPECT_EQ(part(0, 0), "F1");
    EXPECT_EQ(part(4, 0), "F3");

    job.parts[0].part.startAngle = -30;
    job.parts[0].part.order = "A-2";
    job.parts[1].part.pieces = 9;
    job.parts[1].part.length = 2500;
    job.parts[1].part.order = "A-3";
    const ProductionJob saved = savedJob();
    EXPECT_EQ(saved, job) << "the edits reached their parts, nothing else changed";
    window->openJobFile(folder.filePath("saved.mvjob"));
    EXPECT_EQ(part(0, 6), "-30");
    EXPECT_EQ(part(1, 2), "2500");
}

}  // namespace
}  // namespace marlo

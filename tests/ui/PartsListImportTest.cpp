#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "ProductionWindowTest.h"
#include "jobfile/ProductionJobFile.h"
#include "settings/PartsListColumns.h"

namespace marlo {
namespace {

class PartsListImport : public ProductionWindowTest {
  protected:
    // Imports the file through the File menu; a changed job on screen is not saved.
    void importFile(const QString& path, const char* command = "mnu_import_kusovnika") {
        if (window->jobChanged()) dialogs.answers.push_back(MessageAnswer::No);
        dialogs.files = {path};
        action(QLatin1String(command))->trigger();
    }
    QString lastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }
    static void choose(QDialog* dialog, const char* key, int column) {
        auto* choice = dialog->findChild<QComboBox*>(QStringLiteral("PartsColumn_") + key);
        ASSERT_NE(choice, nullptr) << key;
        choice->setCurrentIndex(column);
    }
};

TEST_F(PartsListImport, eachFileKind_opensAnUntitledJobThatSaveNamesAsMvjob) {
    const QString untitled = window->windowTitle();
    for (const char* name : {"window-frames.csv", "window-frames.xlsx"}) {
        importFile(QStringLiteral(MARLO_SOURCE_DIR "/samples/") + name);
        ASSERT_EQ(parts()->rowCount(), 251) << name;
        EXPECT_EQ(part(0, 0), "W1 left jamb") << name;
        EXPECT_EQ(window->windowTitle(), untitled) << name;
        EXPECT_TRUE(window->jobChanged()) << name;
        EXPECT_TRUE(find<QWidget>(QStringLiteral("ProductionMaterials"))->isVisible());
    }
    EXPECT_EQ(dialogs.fileRequests.back().filter.section(QLatin1Char('|'), 3, 3),
              "*.csv *.tsv *.xlsx *.ods *.xls");

    // The workbooks of two sheets offer both; the second gives its parts and names the rounding.
    for (const char* name : {"parts-two-sheets.ods", "parts-two-sheets.xls"}) {
        QStringList offered;
        withDialog(
            [&] { importFile(QStringLiteral(MARLO_TEST_DATA_DIR "/../partslist/data/") + name); },
            [&](QDialog* dialog) {
                auto* choice = qobject_cast<QInputDialog*>(dialog);
                ASSERT_NE(choice, nullptr);
                EXPECT_EQ(choice->objectName(), "PartsListSheet");
                offered = choice->comboBoxItems();
                choice->setTextValue(QStringLiteral("Sashes"));
                choice->accept();
            });
        EXPECT_EQ(offered, (QStringList{"Frames", "Sashes"})) << name;
        ASSERT_EQ(parts()->rowCount(), 2) << name;
        EXPECT_EQ(part(0, 0), "S1 sash top") << name;
        EXPECT_TRUE(lastMessage().startsWith("Row 3: ")) << lastMessage().toStdString();
    }

    // Save asks for the production job's file and writes the parts there.
    const QString saved = folder.filePath(QStringLiteral("sashes.mvjob"));
    dialogs.files = {saved};
    action(QStringLiteral("mnu_ulozit"))->trigger();
    EXPECT_TRUE(dialogs.fileRequests.back().filter.endsWith("|*.mvjob"));
    const ProductionJobFileRead read = readProductionJobFile(saved.toStdString());
    ASSERT_EQ(read.status, ProductionJobFileStatus::Read);
    EXPECT_EQ(read.job.parts.size(), 2u);
    EXPECT_EQ(read.job.header.name, "parts-two-sheets");
    EXPECT_FALSE(window->jobChanged());

    // A list of many rounded lengths names the first twenty and counts the rest.
    QByteArray rounded = "Mark;Material;Length;Pieces\n";
    for (int row = 0; row < 30; ++row) rounded += "P;Bar;1000.4;1\n";
    importFile(writeFile(QStringLiteral("rounded.csv"), rounded));
    ASSERT_EQ(parts()->rowCount(), 30);
    const QStringList shown = lastMessage().split(QLatin1Char('\n'));
    ASSERT_EQ(shown.size(), 21);
    EXPECT_EQ(shown.back(), "… (more rows: 10)");

    importFile(writeFile(QStringLiteral("parts.tsv"),
                         "Mark\tMaterial\tLength\tPieces\nT1\tBar\t1500\t2\n"));
    ASSERT_EQ(parts()->rowCount(), 1);
    EXPECT_EQ(part(0, 2), "1500");
}

TEST_F(PartsListImport, unknownHeader_columnDialogMapsIt_andTheSameHeaderNeedsNoDialog) {
    const QByteArray header = "P1;P2;P3;P4\r\n";
    const QString first =
        writeFile(QStringLiteral("first.csv"), header + "A1;Frame;1200;2\r\nA2;Frame;800;4\r\n");
    withDialog([&] { importFile(first); },
               [&](QDialog* dialog) {
                   EXPECT_EQ(dialog->objectName(), "PartsColumns");
                   auto* rows =
                       dialog->findChild<QTableWidget*>(QStringLiteral("PartsColumnsRows"));
                   ASSERT_NE(rows, nullptr);
                   EXPECT_EQ(rows->item(0, 2)->text(), "P3");
                   EXPECT_EQ(rows->item(2, 1)->text(), "Frame");
                   auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("PartsColumnsOk"));
                   choose(dialog, "mark", 1);
                   choose(dialog, "length", 3);
                   choose(dialog, "pieces", 4);
                   EXPECT_FALSE(ok->isEnabled()) << "a material column is required";
                   choose(dialog, "material", 2);
                   ASSERT_TRUE(ok->isEnabled());
                   QTest::mouseClick(ok, Qt::LeftButton);
               });
    ASSERT_EQ(parts()->rowCount(), 2);
    EXPECT_EQ(part(1, 0), "A2");
    EXPECT_EQ(part(1, 1), "Frame");
    EXPECT_EQ(part(1, 2), "800");
    EXPECT_EQ(rememberedColumns(store, {"P1", "P2", "P3", "P4"}),
              "mark=A,material=B,length=C,pieces=D");

    // Another list of that header imports at once.
    const QString second = writeFile(QStringLiteral("second.csv"), header + "B7;Sash;640;6\r\n");
    bool asked = false;
    {
        const auto watch = whenDialogOpens([&](QDialog*) { asked = true; });
        importFile(second);
    }
    EXPECT_FALSE(asked);
    ASSERT_EQ(parts()->rowCount(), 1);
    EXPECT_EQ(part(0, 2), "640");

    // Asked for, the dialog shows the remembered columns.
    int length = -1;
    withDialog(
        [&] { importFile(second, "mnu_import_kusovnika_stlpce"); },
        [&](QDialog* dialog) {
            length =
                dialog->findChild<QComboBox*>(QStringLiteral("PartsColumn_length"))->currentIndex();
        });
    EXPECT_EQ(length, 3);
}

TEST_F(PartsListImport, refusedRows_correctedRowIsAdded_andTheOtherIsNamed) {
    const QString list = writeFile(QStringLiteral("refused.csv"),
                                   "Mark;Material;Length;Quantity\r\nF1;Frame;2000;2\r\n"
                                   "F2;Frame;12a;3\r\nF3;Frame;1500;x\r\n");
    withDialog(
        [&] { importFile(list); },
        [&](QDialog* dialog) {
            EXPECT_EQ(dialog->objectName(), "RefusedRows");
            auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("RefusedRowsGrid"));
            ASSERT_NE(grid, nullptr);
            EXPECT_EQ(rows(grid),
                      (std::vector<QStringList>{
                          {"3", "the length is not a number: 12a", "F2", "Frame", "12a", "3"},
                          {"4", "the quantity is not a number: x", "F3", "Frame", "1500", "x"}}));
            grid->item(0, 4)->setText(QStringLiteral("1200"));
            EXPECT_EQ(grid->item(0, 1)->text(), "") << "the row reads now";
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("RefusedRowsOk")),
                              Qt::LeftButton);
        });
    ASSERT_EQ(parts()->rowCount(), 2);
    EXPECT_EQ(part(1, 0), "F2");
    EXPECT_EQ(part(1, 2), "1200");
    EXPECT_TRUE(lastMessage().startsWith("These rows of the parts list were not imported:\nRow 4 "))
        << lastMessage().toStdString();
    EXPECT_FALSE(lastMessage().contains("Row 3")) << lastMessage().toStdString();
}

}  // namespace
}  // namespace marlo

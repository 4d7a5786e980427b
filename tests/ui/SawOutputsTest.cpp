#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

#include "WindowTest.h"
#include "labels/LabelSettings.h"
#include "ui/labels/LabelDialog.h"

namespace marlo {
namespace {

class SawOutputsTest : public WindowTest {
  protected:
    void SetUp() override {
        storeLaterStart(Language::English);
        start();
        ASSERT_TRUE(folder.isValid());
    }

    static QString pdfText(const QString& path) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        pdftotext.waitForFinished(60000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

    void optimiseWorkedExample() {
        box("Text5")->setText("ACME");
        typeRow("2000", "3");
        typeRow("1500", "2");
        typeRow("1000", "4");
        QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
        ASSERT_TRUE(window->resultPresent());
    }

    QTemporaryDir folder;
};

TEST_F(SawOutputsTest, labelDialog_remembersItsChoice_andTheSawListIsPrintedAndExported) {
    const QStringList commands = {"mnu_tlacit_stitky", "mnu_export_stitky_pdf",
                                  "mnu_tlacit_pilovy_zoznam", "mnu_export_pilovy_zoznam_pdf",
                                  "mnu_export_pilovy_zoznam_csv"};
    for (const QString& name : commands)
        EXPECT_FALSE(action(name)->isEnabled()) << name.toStdString();
    EXPECT_EQ(action("mnu_tlacit_stitky")->text(), "Print labels…");
    optimiseWorkedExample();
    for (const QString& name : commands)
        EXPECT_TRUE(action(name)->isEnabled()) << name.toStdString();

    // Labels on a 2 × 7 sheet from its third sticker: nine pieces fit the first sheet.
    const QString labels = folder.filePath("labels.pdf");
    dialogs.files = {labels};
    withDialog([&] { action("mnu_export_stitky_pdf")->trigger(); },
               [&](QDialog* dialog) {
                   auto* labelDialog = dynamic_cast<LabelDialog*>(dialog);
                   ASSERT_NE(labelDialog, nullptr);
                   EXPECT_EQ(dialog->windowTitle(), "Labels");
                   auto* layout = dialog->findChild<QComboBox*>("layoutBox");
                   auto* start = dialog->findChild<QSpinBox*>("startBox");
                   EXPECT_EQ(layout->currentText(), "A4 sheet, 3 × 8 labels of 70 × 37 mm");
                   layout->setCurrentIndex(layout->findData("a4-2x7"));
                   EXPECT_EQ(start->maximum(), 14);
                   start->setValue(3);
                   EXPECT_EQ(dialog->findChild<QLabel*>("labelSummary")->text(),
                             "Labels: 9    Pages: 1");
                   EXPECT_EQ(labelDialog->document().pageWidth, 210);
                   EXPECT_EQ(labelDialog->document().pages.size(), 1u);
                   dialog->accept();
               });
    EXPECT_EQ(readLabelSettings(store), (LabelSettings{"a4-2x7", 3}));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, "New-labels.pdf");
    const QString text = pdfText(labels);
    EXPECT_EQ(text.count("2000 mm"), 3);
    EXPECT_TRUE(text.contains("Pattern 1 · rod 2 of 2 · piece 4")) << text.toStdString();
    EXPECT_TRUE(text.contains("ACME/3/1/2/4"));

    // The dialog opens with the last choice; a roll has one sticker a page; Cancel writes nothing.
    withDialog([&] { action("mnu_tlacit_stitky")->trigger(); },
               [&](QDialog* dialog) {
                   auto* layout = dialog->findChild<QComboBox*>("layoutBox");
                   auto* start = dialog->findChild<QSpinBox*>("startBox");
                   EXPECT_EQ(layout->currentData().toString(), "a4-2x7");
                   EXPECT_EQ(start->value(), 3);
                   layout->setCurrentIndex(layout->findData("roll-62x29"));
                   EXPECT_EQ(start->value(), 1);
                   EXPECT_FALSE(start->isEnabled());
                   EXPECT_EQ(dialog->findChild<QLabel*>("labelSummary")->text(),
                             "Labels: 9    Pages: 9");
                   dialog->reject();
               });
    EXPECT_EQ(dialogs.printerRequests, 0);
    EXPECT_EQ(readLabelSettings(store), (LabelSettings{"a4-2x7", 3}));

    // Without a printer the print commands point to the PDF exports, and open nothing.
    dialogs.hasPrinter = false;
    action("mnu_tlacit_stitky")->trigger();
    action("mnu_tlacit_pilovy_zoznam")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        "No printer is installed. Use \"Export labels as PDF…\" to save the labels as a file.");
    EXPECT_EQ(dialogs.messages[1].text,
              "No printer is installed. Use \"Export saw list as PDF…\" "
              "to save the saw list as a file.");
    dialogs.messages.clear();
    dialogs.hasPrinter = true;

    // The saw list on paper, as PDF and as CSV.
    dialogs.printerAccepted = true;
    dialogs.printToPdf = folder.filePath("printed.pdf");
    action("mnu_tlacit_pilovy_zoznam")->trigger();
    EXPECT_TRUE(pdfText(dialogs.printToPdf).contains("Saw list"));
    const QString sheet = folder.filePath("saw.pdf"), csv = folder.filePath("saw.csv");
    dialogs.files = {sheet, csv};
    action("mnu_export_pilovy_zoznam_pdf")->trigger();
    EXPECT_EQ(dialogs.fileRequests.back().fileName, "New-saw.pdf");
    action("mnu_export_pilovy_zoznam_csv")->trigger();
    const QString sheetText = pdfText(sheet);
    EXPECT_TRUE(sheetText.contains("Leftover: 482 mm – waste"));
    EXPECT_TRUE(sheetText.contains("Leftover: 4000 mm – keep"));
    EXPECT_EQ(dialogs.fileRequests.back().filter, "All files (*.*)|*.*|CSV files (*.csv)|*.csv");
    EXPECT_EQ(dialogs.fileRequests.back().fileName, "New-saw.csv");
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "pattern;rods;stock_length;stock_id;cut;length;position;row\r\n"
              "1;2;6000;;1;2000;2000;1\r\n1;2;6000;;2;1500;3506;2\r\n1;2;6000;;3;1000;4512;3\r\n"
              "1;2;6000;;4;1000;5518;3\r\n2;1;6000;;1;2000;2000;1\r\n");
    EXPECT_TRUE(dialogs.messages.empty());

    // A folder in the way is left alone, and the operator is told.
    QDir(folder.path()).mkdir("taken.csv");
    dialogs.files = {folder.filePath("taken.csv")};
    action("mnu_export_pilovy_zoznam_csv")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The file cannot be written: " + folder.filePath("taken.csv"));
}

}  // namespace
}  // namespace marlo

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolButton>

#include "WindowTest.h"
#include "jobfile/Cp1250.h"
#include "reports/ReportSummary.h"
#include "reports/TextReport.h"

namespace marlo {
namespace {

// Print, Text and Excel of a shown result, from the menu and the toolbar.
class ReportCommandsTest : public WindowTest {
  protected:
    void SetUp() override {
        storeLaterStart(Language::English);
        start();
        ASSERT_TRUE(folder.isValid());
    }

    void optimiseWorkedExample() {
        box("Text5")->setText("ACME");
        box("Text3")->setText("Frames");
        box("Text4")->setText("White");
        typeRow("2000", "3");
        typeRow("1500", "2");
        typeRow("1000", "4");
        QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
        ASSERT_TRUE(window->resultPresent());
    }

    static QByteArray fileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
};

TEST_F(ReportCommandsTest, text_writesTheReportUnderTheChosenNameOrNothingWhenCancelled) {
    optimiseWorkedExample();
    const QString path = folder.filePath("plan");
    dialogs.files = {QString(), path};

    action("mnu_export_subor")->trigger();  // cancelled
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, "New");
    EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 2);
    EXPECT_EQ(dialogs.fileRequests[0].filter, "All files (*.*)|*.*|Supported files (*.txt)|*.txt");
    EXPECT_FALSE(QFile::exists(path));

    const bool changedBefore = window->jobChanged();
    QTest::mouseClick(find<QToolButton>("Command7_6"), Qt::LeftButton);
    const QByteArray expected =
        fileBytes(QStringLiteral(MARLO_SOURCE_DIR "/tests/reports/data/worked-example-en.txt"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(fileBytes(path), expected);  // no extension added, Windows-1250, CR LF
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(window->resultPresent());
    EXPECT_EQ(window->jobChanged(), changedBefore);
}

TEST_F(ReportCommandsTest, text_intoAFolderThatIsNotThere_saysSoAndKeepsTheResult) {
    optimiseWorkedExample();
    const QString path = folder.filePath("missing/plan.txt");
    dialogs.files = {path};
    action("mnu_export_subor")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The file cannot be written: " + path);
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_TRUE(window->resultPresent());
}

TEST_F(ReportCommandsTest, excel_writesAWorkbookAndHandsItToTheSpreadsheetApplication) {
    optimiseWorkedExample();
    QTest::mouseClick(find<QToolButton>("Command7_5"), Qt::LeftButton);
    ASSERT_EQ(shell.links.size(), 1u);
    const QString file = shell.links[0].toLocalFile();
    EXPECT_TRUE(file.endsWith(".xlsx")) << file.toStdString();
    EXPECT_TRUE(file.startsWith(QDir::tempPath())) << file.toStdString();
    EXPECT_TRUE(fileBytes(file).startsWith("PK"));  // a zip archive
    EXPECT_TRUE(dialogs.messages.empty());

    // With nothing to open it, the message names the file, which stays for the user.
    shell.opens = false;
    action("mnu_export_excel")->trigger();
    ASSERT_EQ(shell.links.size(), 2u);
    const QString second = shell.links[1].toLocalFile();
    EXPECT_NE(second, file);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The spreadsheet cannot be opened. It was saved as: " + second);
    EXPECT_TRUE(QFile::exists(second));
    QFile::remove(file);
    QFile::remove(second);
}

// The Excel command's Ctrl+E reaches it wherever the cursor is, a header box included.
TEST_F(ReportCommandsTest, excel_ctrlE_exportsWhileTypingInAHeaderBox) {
    optimiseWorkedExample();
    for (const char* name : {"Text5", "Text3", "Text4", "Text1"}) {
        QTest::mouseClick(box(name), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), box(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    }
    EXPECT_EQ(shell.links.size(), 4u);
    EXPECT_EQ(box("Text5")->text(), "ACME");
    for (const QUrl& link : shell.links) QFile::remove(link.toLocalFile());
}

TEST_F(ReportCommandsTest, print_drawsEveryCopyIntoThePdfAndNothingWhenCancelled) {
    optimiseWorkedExample();
    dialogs.printToPdf = folder.filePath("plan.pdf");
    action("mnu_tlacit")->trigger();  // the printer dialog is cancelled
    EXPECT_EQ(dialogs.printerRequests, 1);
    EXPECT_FALSE(QFile::exists(dialogs.printToPdf));

    dialogs.printerAccepted = true;
    dialogs.printCopies = 2;
    QTest::mouseClick(find<QToolButton>("Command7_4"), Qt::LeftButton);
    const QByteArray pdf = fileBytes(dialogs.printToPdf);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    // One page per copy: the page end of the last copy leaves no empty page behind.
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 2)
        << pdf.count("/Type /Page");
    EXPECT_TRUE(dialogs.messages.empty());
}

// With no printer on the machine, printing the report or the diagram says so and names the
// PDF export instead of opening a printer dialog that can only fail.
TEST_F(ReportCommandsTest, print_withNoPrinterInstalled_pointsToThePdfExport) {
    optimiseWorkedExample();
    dialogs.hasPrinter = false;
    dialogs.printerAccepted = true;
    dialogs.printToPdf = folder.filePath("printed.pdf");

    action("mnu_tlacit")->trigger();
    action("mnu_tlacit_diagram")->trigger();
    EXPECT_EQ(dialogs.printerRequests, 0);
    EXPECT_FALSE(QFile::exists(dialogs.printToPdf));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "No printer is installed. Use \"Export PDF…\" to save the printout as a file.");
    EXPECT_EQ(dialogs.messages[1].text,
              "No printer is installed. Use \"Export diagram as PDF\" to save the diagram as a "
              "file.");
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_TRUE(window->resultPresent());
}

TEST_F(ReportCommandsTest, moreThanHundredDimensions_endEveryReportWithAMessage) {
    for (int i = 0; i < 101; ++i) typeRow(QString::number(1400 + i), "1");
    QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
    ASSERT_TRUE(window->resultPresent());
    dialogs.files = {folder.filePath("plan.txt")};
    dialogs.printerAccepted = true;
    dialogs.printToPdf = folder.filePath("plan.pdf");

    for (const char* command : {"mnu_export_subor", "mnu_export_excel", "mnu_tlacit"})
        action(command)->trigger();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    for (const MessageRequest& message : dialogs.messages)
        EXPECT_EQ(message.text, "More than 100 different dimensions; the report cannot be made.");
    EXPECT_FALSE(QFile::exists(folder.filePath("plan.txt")));
    EXPECT_FALSE(QFile::exists(folder.filePath("plan.pdf")));
    EXPECT_TRUE(shell.links.empty());
}

TEST_F(ReportCommandsTest, exportPdf_writesThePrintoutUnderTheChosenName) {
    EXPECT_FALSE(action("mnu_export_pdf")->isEnabled());
    optimiseWorkedExample();
    EXPECT_EQ(action("mnu_export_pdf")->text(), "Export PDF…");
    ASSERT_TRUE(action("mnu_export_pdf")->isEnabled());
    const QString path = folder.filePath("plan.pdf");
    dialogs.files = {QString(), path};

    action("mnu_export_pdf")->trigger();  // cancelled
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, "New.pdf");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "All files (*.*)|*.*|Supported files (*.pdf)|*.pdf");
    EXPECT_FALSE(QFile::exists(path));

    action("mnu_export_pdf")->trigger();
    const QByteArray pdf = fileBytes(path);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
    EXPECT_TRUE(dialogs.messages.empty());

    // A target that is not a regular file is refused and left as it is.
    const QString folderTarget = folder.filePath("sub");
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    dialogs.files = {folderTarget};
    action("mnu_export_pdf")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The file cannot be written: " + folderTarget);
    EXPECT_TRUE(QFileInfo(folderTarget).isDir());
}

// Each report orders the list again and warns once of each row that does not fit the rod.
TEST_F(ReportCommandsTest, rowsLongerThanTheRod_areWarnedOfOncePerRowByEveryReport) {
    dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Yes};  // keep the two long rows
    typeRow("7000", "1");
    typeRow("2000", "3");
    typeRow("6500", "2");
    QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
    ASSERT_TRUE(window->resultPresent());
    dialogs.messages.clear();
    dialogs.files = {folder.filePath("plan.txt"), folder.filePath("plan.pdf")};
    dialogs.printerAccepted = true;
    dialogs.printToPdf = folder.filePath("printed.pdf");

    for (const char* command :
         {"mnu_tlacit", "mnu_export_subor", "mnu_export_excel", "mnu_export_pdf"}) {
        action(command)->trigger();
        ASSERT_EQ(dialogs.messages.size(), 2u) << command;
        for (const MessageRequest& message : dialogs.messages) {
            EXPECT_EQ(message.text,
                      "Some dimension is greater than the rod length; dimension omitted.");
            EXPECT_EQ(message.title, "chyba");
        }
        dialogs.messages.clear();
    }
    for (const char* file : {"plan.txt", "plan.pdf", "printed.pdf"})
        EXPECT_TRUE(QFile::exists(folder.filePath(file))) << file;
    for (const QUrl& link : shell.links) QFile::remove(link.toLocalFile());
}

}  // namespace
}  // namespace marlo

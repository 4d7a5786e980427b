#include <QDir>
#include <QFile>
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

}  // namespace
}  // namespace marlo

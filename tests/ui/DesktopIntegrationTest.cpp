#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <filesystem>

#include "WindowTest.h"
#include "jobfile/JobFile.h"
#include "settings/RecentJobs.h"
#include "ui/common/FilePaths.h"

namespace marlo {
namespace {

const QString kNewTitle = QStringLiteral("Marlo-veen : New");
const QString kSample = QStringLiteral(MARLO_SOURCE_DIR "/samples/worked-example.opt");
const std::vector<QStringList> kSampleRows{{"2000", "3"}, {"1500", "2"}, {"1000", "4"}};

class DesktopIntegration : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        storeLaterStart(Language::English);
    }

    // The start-up as the program runs it with a job file on its command line.
    void startWith(const QString& jobFile) {
        window = std::make_unique<MainWindow>(UiContext{dialogs, store, shell});
        window->startUp(jobFile);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    static void writeFile(const QString& file, const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    static QByteArray contents(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    // A file dragged from the file manager and dropped on the main window; false when the window
    // does not take the drag.
    bool drop(const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        return dropped.isAccepted();
    }

    QString lastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }

    QTemporaryDir folder;
};

TEST_F(DesktopIntegration, commandLine_opensTheJobAfterStartUpOrRefusesItWithMessage57) {
    startWith(kSample);
    const QString sample = QFileInfo(kSample).absoluteFilePath();
    EXPECT_EQ(window->windowTitle(), "marlo-veen : " + sample);
    EXPECT_EQ(rows(grid("Grid1")), kSampleRows);
    EXPECT_FALSE(window->jobChanged());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(readRecentJobs(store), std::vector<std::string>{sample.toStdString()});
    window->close();

    const QString refused = path("notes.opt");
    writeFile(refused, "shopping list\r\nbread\r\n");
    startWith(refused);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "This format is not supported");
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_EQ(window->windowTitle(), kNewTitle);
    EXPECT_TRUE(window->jobFileName().isEmpty());
    EXPECT_EQ(grid("Grid1")->rowCount(), 0);
    EXPECT_EQ(readRecentJobs(store).size(), 1u) << "a refused file is not remembered";
    window->close();

    // A name in bytes that are no UTF-8 (Latin-1 here) opens that file, and Save writes it back.
    const std::filesystem::path latin1 = folder.path().toStdString() + "/r\xe8z.opt";
    std::filesystem::copy_file(kSample.toStdString(), latin1);
    startWith(fileNameText(latin1.string()));
    EXPECT_EQ(rows(grid("Grid1")), kSampleRows);
    EXPECT_TRUE(dialogs.messages.size() == 1u) << "no message beyond the refusal above";
    typeRow("800", "1");
    action("mnu_ulozit")->trigger();
    EXPECT_EQ(readJobFile(latin1).job.list.size(), kSampleRows.size() + 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path().toStdString()), {}),
              2)
        << "no file under a changed name";
    EXPECT_EQ(readRecentJobs(store).size(), 1u) << "the settings file cannot spell the name";
    std::filesystem::remove(latin1);  // a name the temporary folder's own clean-up cannot spell
}

TEST_F(DesktopIntegration, droppedAndRecentJobs_openThroughTheSavePrompt_goneFilesAreRemoved) {
    startWith({});
    typeRow("800", "1");
    EXPECT_FALSE(drop(path("list.pdf"))) << "only job files and parts lists are taken";

    dialogs.answers = {MessageAnswer::Cancel};
    EXPECT_TRUE(drop(kSample));
    EXPECT_EQ(lastMessage(), "Do you want to save the changes?");
    EXPECT_EQ(rows(grid("Grid1")), (std::vector<QStringList>{{"800", "1"}})) << "Cancel keeps it";

    dialogs.answers = {MessageAnswer::No};
    EXPECT_TRUE(drop(kSample));
    EXPECT_EQ(rows(grid("Grid1")), kSampleRows);

    // A saved job joins the recent jobs first; one that has gone since is removed when chosen.
    const QString copy = path("copy.opt");
    dialogs.files = {copy};
    action("mnu_ulozit_ako")->trigger();
    EXPECT_EQ(readRecentJobs(store).size(), 2u);
    EXPECT_EQ(action("mnu_posledna_1")->text(), "&1 " + copy);
    QFile::remove(copy);
    const size_t asked = dialogs.messages.size();
    action("mnu_posledna_1")->trigger();
    ASSERT_EQ(dialogs.messages.size(), asked + 1);
    EXPECT_EQ(lastMessage(),
              "The file no longer exists and was removed from the recent jobs: " + copy);
    EXPECT_EQ(readRecentJobs(store),
              std::vector<std::string>{QFileInfo(kSample).absoluteFilePath().toStdString()});
    EXPECT_EQ(window->windowTitle(), "marlo-veen : " + copy) << "the job on screen stays";

    window->resetScreen();
    action("mnu_posledna_1")->trigger();
    EXPECT_EQ(rows(grid("Grid1")), kSampleRows);
}

TEST_F(DesktopIntegration, pasteList_fromACalcCopy_asksOnceForLongDimensionsAndNamesRefusedRows) {
    startWith({});
    typeRow("500", "1");
    // LibreOffice Calc's copy of a small sheet (see tests/jobfile/data), and one row longer than
    // the rod.
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(contents(MARLO_SOURCE_DIR "/tests/jobfile/data/cutting-list-tab.csv")) +
        "7000\t1\n");
    dialogs.answers = {MessageAnswer::No};
    grid("Grid1")->setFocus();
    QTest::keyClick(grid("Grid1"), Qt::Key_V, Qt::ControlModifier);

    EXPECT_EQ(
        rows(grid("Grid1")),
        (std::vector<QStringList>{{"500", "1"}, {"2000", "3"}, {"1250.5", "4"}, {"1500", "2"}}));
    EXPECT_TRUE(window->jobChanged());
    EXPECT_TRUE(find<QToolButton>("Command6")->isEnabled());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Rows with a dimension greater than rod length: 1. Do you "
              "want to enter these dimensions?");
    EXPECT_EQ(dialogs.messages[0].defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(dialogs.messages[1].text,
              "These rows were not taken into the list:\n"
              "Row 5: the dimension is not a number from 0 to 32767\n"
              "Row 6: the number of pieces is missing or not a number from 0 to 32767\n"
              "Row 7: more than two columns\n"
              "Row 9: the dimension is greater than rod length");

    // Ctrl+V in a text box pastes text there; Edit → Paste list of a text without rows says so.
    QGuiApplication::clipboard()->setText("Dimension;pieces");
    QTest::mouseClick(box("Text5"), Qt::LeftButton);
    QTest::keyClick(box("Text5"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("Text5")->text(), "Dimension;pieces");
    EXPECT_EQ(dialogs.messages.size(), 2u);
    action("mnu_vlozit_zoznam")->trigger();
    EXPECT_EQ(lastMessage(), "The text holds no row of a cutting list.");
    EXPECT_EQ(grid("Grid1")->rowCount(), 4);
}

TEST_F(DesktopIntegration, exportAndImportList_roundTripAsCsvAndFailuresAreReported) {
    startWith({});
    typeRow("2000", "3");
    typeRow("1250.5", "2");
    const QString csv = path("list.csv");
    dialogs.files = {csv};
    action("mnu_export_zoznamu")->trigger();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].filter, "All files (*.*)|*.*|CSV lists (*.csv)|*.csv");
    EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 2);
    EXPECT_EQ(contents(csv),
              "\xEF\xBB\xBF"
              "Dimension;pieces\r\n2000;3\r\n1250.5;2\r\n");

    dialogs.answers = {MessageAnswer::No};
    action("mnu_novy")->trigger();
    dialogs.files = {csv, csv};
    action("mnu_import_zoznamu")->trigger();
    action("mnu_import_zoznamu")->trigger();
    EXPECT_EQ(
        rows(grid("Grid1")),
        (std::vector<QStringList>{{"2000", "3"}, {"1250.5", "2"}, {"2000", "3"}, {"1250.5", "2"}}));
    EXPECT_TRUE(window->jobChanged());

    const size_t asked = dialogs.messages.size();
    dialogs.files = {folder.path(), path("missing.csv"), path("no folder/list.csv")};
    action("mnu_import_zoznamu")->trigger();
    action("mnu_import_zoznamu")->trigger();
    action("mnu_export_zoznamu")->trigger();
    ASSERT_EQ(dialogs.messages.size(), asked + 3);
    EXPECT_EQ(dialogs.messages[asked].text,
              "This is not a list file, or it is too large: " + folder.path());
    EXPECT_EQ(dialogs.messages[asked + 1].text, "The file cannot be read: " + path("missing.csv"));
    EXPECT_EQ(dialogs.messages[asked + 2].text,
              "The file cannot be written: " + path("no folder/list.csv"));
    EXPECT_EQ(dialogs.messages[asked + 2].title, "Error");
    EXPECT_EQ(grid("Grid1")->rowCount(), 4);
}

TEST_F(DesktopIntegration, documentation_isTheManualOfTheChosenLanguage) {
    saveSetting(store, settings::kLanguage, settingsName(Language::German));
    startWith({});
    withDialog([&] { action("mnu_about")->trigger(); },
               [&](QDialog* about) {
                   QTest::mouseClick(about->findChild<QLabel*>("Label3"), Qt::LeftButton);
               });
    ASSERT_EQ(shell.links.size(), 1u);
    EXPECT_TRUE(shell.links[0].toString().endsWith("/files/documentation-de.pdf"));
    EXPECT_EQ(action("mnu_vlozit_zoznam")->text(), "Liste einfügen");
}

}  // namespace
}  // namespace marlo

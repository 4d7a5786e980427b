#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>

#include "WindowTest.h"

namespace marlo {
namespace {

const QString kNewTitle = QStringLiteral("Marlo-veen : New");
const QString kJobFilter = QStringLiteral("All files (*.*)|*.*|Supported files (*.opt)|*.opt");

class FileCommands : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        storeLaterStart(Language::English);
        start();
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    void click(const char* button) {
        QTest::mouseClick(find<QToolButton>(QLatin1String(button)), Qt::LeftButton);
    }

    // The job of the file format's example, typed with the keyboard.
    void typeExampleJob() {
        QTest::mouseClick(box("Text5"), Qt::LeftButton);
        typeIntoFocus("K-15");
        pressEnterInFocus();
        pressEnterInFocus();
        typeIntoFocus("white");
        pressEnterInFocus();
        typeRow("1200", "4");
        typeRow("850", "10");
    }

    QStringList headerTexts() const {
        return {box("Text5")->text(), box("Text3")->text(), box("Text4")->text()};
    }

    static QByteArray contents(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    static void writeFile(const QString& file, const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    // The save prompt as it must be asked: Yes, No and Cancel with Yes as the default, no icon.
    void expectSavePrompt(const MessageRequest& asked, const QString& text) const {
        EXPECT_EQ(asked.text, text);
        EXPECT_EQ(asked.title, "marlo-veen");
        EXPECT_EQ(asked.buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(asked.defaultAnswer, MessageAnswer::Yes);
        EXPECT_EQ(asked.icon, MessageIcon::None);
    }

    void expectNewEmptyJob() const {
        EXPECT_EQ(window->windowTitle(), kNewTitle);
        EXPECT_TRUE(window->jobFileName().isEmpty());
        EXPECT_FALSE(window->jobChanged());
        EXPECT_EQ(grid("Grid1")->rowCount(), 0);
        EXPECT_EQ(headerTexts(), QStringList({"", "", ""}));
        EXPECT_FALSE(find<QToolButton>("Command6")->isEnabled());
    }

    QTemporaryDir folder;
};

TEST_F(FileCommands, saveCloseAndReopen_givesTheSameJobAndTheFileOfTheFormatExample) {
    typeExampleJob();
    const QString file = path("a.opt");
    dialogs.files = {file};
    click("Command7_2");

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].filter, kJobFilter);
    EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 2);
    EXPECT_EQ(contents(file), QByteArray("optimalizacia\r\nK-15\r\n\r\nwhite\r\n"
                                         "1200\r\n4\r\n850\r\n10\r\n"));
    EXPECT_FALSE(window->jobChanged());
    EXPECT_EQ(window->jobFileName(), file);
    EXPECT_EQ(window->windowTitle(), kNewTitle) << "a job saved by Save stays new";

    click("Command7_2");
    EXPECT_EQ(dialogs.fileRequests.size(), 1u) << "nothing to save";

    typeRow("600", "2");
    dialogs.files = {QString()};
    click("Command7_2");
    ASSERT_EQ(dialogs.fileRequests.size(), 2u) << "the new job asks for its name again";
    EXPECT_EQ(dialogs.fileRequests[1].fileName, file);
    EXPECT_TRUE(window->jobChanged());

    dialogs.answers = {MessageAnswer::No};
    click("Command7_7");
    expectSavePrompt(dialogs.messages.back(),
                     QStringLiteral("Do you want to save the changes to %1?").arg(file));
    EXPECT_FALSE(window->isVisible());

    start();
    dialogs.files = {file};
    click("Command7_1");
    EXPECT_EQ(headerTexts(), QStringList({"K-15", "", "white"}));
    EXPECT_EQ(rows(grid("Grid1")), (std::vector<QStringList>{{"1200", "4"}, {"850", "10"}}));
    EXPECT_EQ(window->windowTitle(), "marlo-veen : " + file);
    EXPECT_FALSE(window->jobChanged());
    for (const char* name : {"Command2", "Command3", "Command6"})
        EXPECT_TRUE(find<QToolButton>(QLatin1String(name))->isEnabled()) << name;
    EXPECT_TRUE(action("mnu_optimalizuj")->isEnabled());
}

TEST_F(FileCommands, saveAs_bindsTheJobToTheFileAndLaterSavesWriteThereWithoutADialog) {
    const QString file = path("job without extension");
    dialogs.files = {file};
    click("Command7_3");
    EXPECT_EQ(contents(file), QByteArray("optimalizacia\r\n\r\n\r\n\r\n"))
        << "an unchanged job is written too, under the name exactly as chosen";
    EXPECT_EQ(window->windowTitle(), "marlo-veen : " + file);

    typeRow("700", "3");
    click("Command7_2");
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(contents(file).endsWith("700\r\n3\r\n"));
    EXPECT_FALSE(window->jobChanged());

    // A save that fails says so, keeps the job changed and bound to its file.
    typeRow("800", "1");
    const QString unreachable = path("missing/b.opt");
    dialogs.files = {unreachable};
    click("Command7_3");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The file cannot be written: " + unreachable);
    EXPECT_EQ(dialogs.messages[0].title, "Error");
    EXPECT_TRUE(window->jobChanged());
    EXPECT_EQ(window->jobFileName(), file);
    EXPECT_EQ(window->windowTitle(), "marlo-veen : " + file);
    EXPECT_TRUE(contents(file).endsWith("700\r\n3\r\n")) << "the bound file is untouched";

    click("Command7_2");
    EXPECT_TRUE(contents(file).endsWith("800\r\n1\r\n"));
}

TEST_F(FileCommands, savePrompt_eachAnswerOfNewOpenAndClose) {
    typeRow("1000", "1");

    dialogs.answers = {MessageAnswer::Cancel};
    click("Command7_0");
    expectSavePrompt(dialogs.messages.back(), "Do you want to save the changes?");
    EXPECT_EQ(grid("Grid1")->rowCount(), 1) << "Cancel keeps the job";
    EXPECT_TRUE(window->jobChanged());

    dialogs.answers = {MessageAnswer::Cancel};
    click("Command7_1");
    EXPECT_TRUE(dialogs.fileRequests.empty()) << "Cancel ends Open before its dialog";
    EXPECT_EQ(grid("Grid1")->rowCount(), 1);

    dialogs.answers = {MessageAnswer::Cancel};
    window->close();
    EXPECT_TRUE(window->isVisible()) << "Cancel keeps the window open";

    // Yes and then a cancelled save dialog keeps the job instead of losing it.
    dialogs.answers = {MessageAnswer::Yes};
    dialogs.files = {QString()};
    click("Command7_0");
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(grid("Grid1")->rowCount(), 1);
    EXPECT_TRUE(window->jobChanged());

    const QString file = path("saved.opt");
    dialogs.answers = {MessageAnswer::Yes};
    dialogs.files = {file};
    click("Command7_0");
    EXPECT_TRUE(contents(file).endsWith("1000\r\n1\r\n"));
    expectNewEmptyJob();

    typeRow("2000", "2");
    dialogs.answers = {MessageAnswer::No};
    click("Command7_0");
    expectNewEmptyJob();
    EXPECT_TRUE(contents(file).endsWith("1000\r\n1\r\n")) << "No saves nothing";

    const size_t asked = dialogs.messages.size();
    click("Command7_0");
    EXPECT_EQ(dialogs.messages.size(), asked) << "an unchanged job is not asked about";
}

TEST_F(FileCommands, open_wrongSignature_showsMessage57AndKeepsTheNewJob) {
    const QString wrong = path("capital.opt");
    writeFile(wrong, "Optimalizacia\r\nK-15\r\n\r\n\r\n1200\r\n4\r\n");
    typeRow("1000", "1");
    dialogs.answers = {MessageAnswer::No};
    dialogs.files = {wrong};
    click("Command7_1");

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "This format is not supported");
    EXPECT_EQ(dialogs.messages[1].title, "Error");
    EXPECT_EQ(dialogs.messages[1].buttons, MessageButtons::Ok);
    expectNewEmptyJob();

    dialogs.files = {path("not there.opt")};
    click("Command7_1");
    EXPECT_EQ(dialogs.messages.size(), 2u) << "an unreadable file ends Open silently";
    expectNewEmptyJob();
}

TEST_F(FileCommands, openOfALongJob_showsItsLast20Rows) {
    QByteArray bytes = "optimalizacia\r\nA\r\nB\r\nC\r\n";
    for (int row = 1; row <= 25; ++row) bytes += QByteArray::number(100 + row) + "\r\n1\r\n";
    bytes += "999\r\n";  // a dimension without its pieces is dropped
    writeFile(path("long.opt"), bytes);

    dialogs.files = {path("long.opt")};
    action("mnu_otvorit")->trigger();

    QTableWidget* list = grid("Grid1");
    EXPECT_EQ(list->rowCount(), 25);
    EXPECT_EQ(list->rowAt(0), 5) << "rows 6 to 25 in view";
    EXPECT_EQ(list->currentRow(), 24);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
}

}  // namespace
}  // namespace marlo

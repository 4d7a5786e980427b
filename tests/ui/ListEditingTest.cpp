#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <tuple>

#include "WindowTest.h"

namespace marlo {
namespace {

class ListEditing : public WindowTest {
  protected:
    void SetUp() override {
        storeLaterStart(Language::English);
        start();
    }

    QToolButton* button(const char* name) const { return find<QToolButton>(QLatin1String(name)); }

    std::vector<QStringList> listRows() const { return rows(grid("Grid1")); }

    // Selects list rows first..last (1-based) as a shift-click would.
    void selectRows(int first, int last) {
        QTableWidget* list = grid("Grid1");
        list->setCurrentCell(first - 1, 0,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list->selectionModel()->select(
            QItemSelection(list->model()->index(first - 1, 0), list->model()->index(last - 1, 1)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    void clickRow(int row) {
        QTableWidget* list = grid("Grid1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row - 1, 0)).center());
    }

    void doubleClickRow(int row) {
        QTableWidget* list = grid("Grid1");
        const QPoint place = list->visualItemRect(list->item(row - 1, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, place);
    }
};

// A job file holds Windows-1250: the header boxes take no character it would lose.
TEST_F(ListEditing, headerBoxes_refuseTypedOrPastedCharactersAJobFileCannotHold) {
    QLineEdit* customer = box("Text5");
    QTest::mouseClick(customer, Qt::LeftButton);
    // Typed one character at a time, as a keyboard layout delivers letters without a key code.
    for (const QChar character : QString::fromUtf8("Žlté Ø→ Ñokno")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(customer, &press);
    }
    EXPECT_EQ(customer->text(), QString::fromUtf8("Žlté  okno"));

    for (const char* name : {"Text3", "Text4", "Text5"}) {
        QLineEdit* header = box(name);
        header->setText("Frame");
        header->selectAll();
        QApplication::clipboard()->setText(QString::fromUtf8("Ø 40 → 60"));
        header->paste();
        EXPECT_EQ(header->text(), "Frame") << name;
        QApplication::clipboard()->setText(QString::fromUtf8("Rám č. 40 – Größe"));
        header->paste();
        EXPECT_EQ(header->text(), QString::fromUtf8("Rám č. 40 – Größe")) << name;
    }
}

TEST_F(ListEditing, keyboardEntry_movesThroughTheBoxesAndAddsRowsWithEnter) {
    QTest::mouseClick(box("Text5"), Qt::LeftButton);
    typeIntoFocus("ACME");
    pressEnterInFocus();
    EXPECT_EQ(QApplication::focusWidget(), box("Text3"));
    typeIntoFocus("Hall 4");
    pressEnterInFocus();
    EXPECT_EQ(QApplication::focusWidget(), box("Text4"));
    typeIntoFocus("RAL 9010");
    pressEnterInFocus();
    EXPECT_EQ(QApplication::focusWidget(), box("Text1"));
    EXPECT_TRUE(window->jobChanged());

    typeIntoFocus("2000");
    EXPECT_FALSE(button("Command1")->isEnabled()) << "pieces still empty";
    pressEnterInFocus();
    EXPECT_EQ(QApplication::focusWidget(), box("Text2"));
    typeIntoFocus("3");
    EXPECT_TRUE(button("Command1")->isEnabled());
    pressEnterInFocus();

    EXPECT_EQ(listRows(), (std::vector<QStringList>{{"2000", "3"}}));
    EXPECT_EQ(QApplication::focusWidget(), box("Text1"));
    EXPECT_TRUE(box("Text1")->text().isEmpty());
    EXPECT_FALSE(button("Command1")->isEnabled());
    EXPECT_TRUE(button("Command2")->isEnabled());
    EXPECT_TRUE(button("Command3")->isEnabled());
    EXPECT_TRUE(button("Command6")->isEnabled());
    EXPECT_TRUE(action("mnu_optimalizuj")->isEnabled());

    typeRow(" 1500.4 ", "2");
    const Job job = window->job();
    EXPECT_EQ(job.header, (JobHeader{"ACME", "Hall 4", "RAL 9010"}));
    EXPECT_EQ(job.list, (CuttingList{{"2000", "3"}, {" 1500.4 ", "2"}})) << "texts as typed";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ListEditing, add_refusesBadNumbersSilentlyAndAsksAboutDimensionsOverTheRodLength) {
    typeRow("abc", "1");
    EXPECT_EQ(QApplication::focusWidget(), box("Text1"));
    EXPECT_EQ(box("Text1")->selectedText(), "abc");
    typeRow("-1", "1");
    EXPECT_EQ(box("Text1")->selectedText(), "-1");
    typeRow("100", "x");
    EXPECT_EQ(QApplication::focusWidget(), box("Text2"));
    EXPECT_EQ(box("Text2")->selectedText(), "x");
    typeRow("40000", "1");
    EXPECT_EQ(box("Text1")->selectedText(), "40000") << "beyond 16 bits";
    EXPECT_TRUE(listRows().empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(window->jobChanged());

    typeRow("0", "0");
    typeRow("6000", "1");
    EXPECT_TRUE(dialogs.messages.empty()) << "equal to the rod length is accepted silently";

    dialogs.answers = {MessageAnswer::No};
    typeRow("6001", "1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const MessageRequest& question = dialogs.messages[0];
    EXPECT_EQ(question.text,
              "The dimension is greater than rod length. Do you want to enter "
              "this dimension?");
    EXPECT_EQ(question.title, "marlo-veen");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(box("Text1")->selectedText(), "6001");
    EXPECT_EQ(listRows().size(), 2u);

    dialogs.answers = {MessageAnswer::Yes};
    QTest::keyClick(box("Text2"), Qt::Key_Return);
    EXPECT_EQ(listRows(), (std::vector<QStringList>{{"0", "0"}, {"6000", "1"}, {"6001", "1"}}));
}

TEST_F(ListEditing, longList_growsTheGridUpTo20RowsThenScrollsToTheLastRows) {
    QTableWidget* list = grid("Grid1");
    const int emptyHeight = list->height();
    typeRow("1000", "1");
    const int rowHeight = list->height() - emptyHeight;
    EXPECT_EQ(rowHeight, 16);
    for (int i = 2; i <= 20; ++i) typeRow(QString::number(1000 + i), "1");
    EXPECT_EQ(list->height(), emptyHeight + 20 * rowHeight);
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    const int narrowWidth = list->width();

    typeRow("1021", "1");
    EXPECT_EQ(list->height(), emptyHeight + 20 * rowHeight) << "fixed height from 22 rows";
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GT(list->width(), narrowWidth) << "room for the scroll bar";
    EXPECT_EQ(list->rowAt(0), 1) << "rows 2 to 21 in view";
    typeRow("1022", "1");
    EXPECT_EQ(list->rowAt(0), 2);
}

TEST_F(ListEditing, delete_asksWithTheCountAndClosesTheGap) {
    for (int i = 1; i <= 7; ++i) typeRow(QString::number(i * 100), QString::number(i));
    window->findChild<QWidget*>("Text5")->setFocus();
    window->findChild<QLineEdit*>("Text5")->setText("kept");

    selectRows(3, 5);
    dialogs.answers = {MessageAnswer::No};
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Are you sure you want to delete 3 selected items?");
    EXPECT_EQ(dialogs.messages[0].defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(listRows().size(), 7u);

    dialogs.answers = {MessageAnswer::Yes};
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_EQ(listRows(),
              (std::vector<QStringList>{{"100", "1"}, {"200", "2"}, {"600", "6"}, {"700", "7"}}));
    EXPECT_EQ(grid("Grid1")->currentRow(), 2) << "list row 3 is current";
    EXPECT_TRUE(button("Command3")->isEnabled());

    // The last row goes: the new last row becomes current. The Delete key works as the button.
    clickRow(4);
    dialogs.answers = {MessageAnswer::Yes};
    QTest::keyClick(grid("Grid1"), Qt::Key_Delete);
    EXPECT_EQ(dialogs.messages.back().text, "Are you sure to delete one selected item?");
    EXPECT_EQ(listRows().size(), 3u);
    EXPECT_EQ(grid("Grid1")->currentRow(), 2);

    selectRows(1, 3);
    dialogs.answers = {MessageAnswer::Yes};
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_TRUE(listRows().empty());
    EXPECT_FALSE(button("Command2")->isEnabled());
    EXPECT_FALSE(button("Command3")->isEnabled());
    EXPECT_FALSE(button("Command6")->isEnabled());
    EXPECT_FALSE(action("mnu_optimalizuj")->isEnabled());

    const size_t asked = dialogs.messages.size();
    QTest::keyClick(grid("Grid1"), Qt::Key_Delete);
    EXPECT_EQ(dialogs.messages.size(), asked) << "nothing to delete, nothing asked";
    EXPECT_EQ(window->job().header.customer, "kept");
}

TEST_F(ListEditing, deleteOfFiveRows_usesThePluralOfFiveAndMore) {
    storeLaterStart(Language::Slovak);
    window->close();
    start();
    for (int i = 1; i <= 6; ++i) typeRow(QString::number(i * 100), "1");
    selectRows(1, 5);
    dialogs.answers = {MessageAnswer::No};
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.back().text,
              QStringLiteral("Chcete vymazať 5 označených položiek?"));
    selectRows(1, 4);
    dialogs.answers = {MessageAnswer::No};
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Chcete vymazať 4 označené položky?"));
}

TEST_F(ListEditing, editDialog_stepsWithArrowsAndWritesTheRowOnEnter) {
    typeRow("1200", "1");
    typeRow("800", "2");
    EXPECT_TRUE(window->jobChanged());

    QTableWidget* list = grid("Grid1");
    withDialog([&] { doubleClickRow(1); },
               [&](QDialog* dialog) {
                   EXPECT_EQ(dialog->windowTitle(), "Edit");
                   auto* dimension = dialog->findChild<QLineEdit*>("Text1");
                   auto* pieces = dialog->findChild<QLineEdit*>("Text2");
                   EXPECT_EQ(dimension->text(), "1200");
                   EXPECT_EQ(pieces->text(), "1");
                   QTest::keyClick(dimension, Qt::Key_Up);
                   EXPECT_EQ(dimension->text(), "1201");
                   QTest::keyClick(dimension, Qt::Key_Return);
                   EXPECT_EQ(QApplication::focusWidget(), pieces);
                   QTest::keyClick(pieces, Qt::Key_Down);
                   EXPECT_EQ(pieces->text(), "1") << "never below 1";
                   QTest::keyClick(pieces, Qt::Key_Return);
                   EXPECT_FALSE(dialog->isVisible());
               });
    EXPECT_EQ(listRows(), (std::vector<QStringList>{{"1201", "1"}, {"800", "2"}}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ListEditing, editDialog_refusesBadTextsAndTakesLongDimensionsWithoutAQuestion) {
    typeRow("500", "4");
    clickRow(1);
    withDialog([&] { QTest::mouseClick(button("Command3"), Qt::LeftButton); },
               [&](QDialog* dialog) {
                   auto* dimension = dialog->findChild<QLineEdit*>("Text1");
                   auto* pieces = dialog->findChild<QLineEdit*>("Text2");
                   pieces->setText("abc");
                   QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
                   EXPECT_TRUE(dialog->isVisible());
                   EXPECT_EQ(pieces->selectedText(), "abc");
                   pieces->setText("2");
                   dimension->setText("9000");
                   QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
                   EXPECT_FALSE(dialog->isVisible());
               });
    EXPECT_EQ(listRows(), (std::vector<QStringList>{{"9000", "2"}}));
    EXPECT_TRUE(dialogs.messages.empty());

    withDialog([&] { QTest::mouseClick(button("Command3"), Qt::LeftButton); },
               [&](QDialog* dialog) {
                   dialog->findChild<QLineEdit*>("Text1")->setText("1");
                   QTest::mouseClick(dialog->findChild<QPushButton*>("Command2"), Qt::LeftButton);
               });
    EXPECT_EQ(listRows(), (std::vector<QStringList>{{"9000", "2"}})) << "Cancel keeps the row";

    // Enter on a focused button presses it, Return and the keypad's Enter alike.
    for (const auto& [buttonName, key, expected] : {std::tuple{"Command2", Qt::Key_Return, "9000"},
                                                    std::tuple{"Command1", Qt::Key_Enter, "7"}}) {
        withDialog([&] { QTest::mouseClick(button("Command3"), Qt::LeftButton); },
                   [&](QDialog* dialog) {
                       dialog->findChild<QLineEdit*>("Text1")->setText("7");
                       auto* pressed = dialog->findChild<QPushButton*>(buttonName);
                       pressed->setFocus();
                       QTest::keyClick(pressed, key);
                       EXPECT_FALSE(dialog->isVisible()) << buttonName;
                   });
        EXPECT_EQ(listRows()[0][0], expected) << buttonName;
    }
}

TEST_F(ListEditing, editButton_needsExactlyOneSelectedRow) {
    typeRow("500", "1");
    typeRow("600", "1");
    selectRows(1, 2);
    EXPECT_FALSE(button("Command3")->isEnabled());
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    clickRow(2);
    EXPECT_TRUE(button("Command3")->isEnabled());
}

}  // namespace
}  // namespace marlo

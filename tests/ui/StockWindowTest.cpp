#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWindow>
#include <fstream>
#include <sstream>

#include "WindowTest.h"
#include "jobfile/StockListText.h"
#include "stock/StockStore.h"

namespace marlo {
namespace {

std::string fileBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class StockWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        storeLaterStart();
        storeUrl = "sqlite:" + folder.filePath(QStringLiteral("stock.sqlite")).toStdString();
        saveSetting(store, settings::kStockStore, storeUrl);
    }

    // The Stock window is a window of its own, found among the open windows.
    QDialog* openStockWindow() {
        action(QStringLiteral("mnu_sklad"))->trigger();
        stockWindow = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("Sklad") && top->isVisible())
                stockWindow = qobject_cast<QDialog*>(top);
        EXPECT_NE(stockWindow, nullptr);
        return stockWindow;
    }
    template <typename T>
    T* in(const char* name) const {
        T* widget = stockWindow->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* name) {
        in<QPushButton>(name)->click();
        QCoreApplication::processEvents();
    }
    // Types into a cell as the user does; the store has the change once the events have run.
    void type(const char* table, int row, int column, const QString& text) {
        in<QTableWidget>(table)->item(row, column)->setText(text);
        QCoreApplication::processEvents();
    }
    QStringList materialNames() {
        QStringList names;
        auto* list = in<QListWidget>("lstMaterialy");
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        return names;
    }
    std::vector<QStringList> visibleRows(const char* table) {
        auto* grid = in<QTableWidget>(table);
        const std::vector<QStringList> all = rows(grid);
        std::vector<QStringList> result;
        for (int row = 0; row < grid->rowCount(); ++row)
            if (!grid->isRowHidden(row)) result.push_back(all[row]);
        return result;
    }
    // The stock as another program reads it from the store.
    std::vector<StockItem> storedStock(const std::string& material) {
        auto opened = StockStore::open(storeUrl);
        EXPECT_TRUE(opened.value) << opened.error.detail;
        const auto stock = (*opened.value)->stockOf(material);
        return stock.value ? stock.value->list.items : std::vector<StockItem>{};
    }
    QString lastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }

    QTemporaryDir folder;
    std::string storeUrl;
    QDialog* stockWindow = nullptr;
};

TEST_F(StockWindowTest,
       materialsRowsAndOffcuts_areEditedInTheStoreFilteredSortedAndCarriedThroughCsv) {
    start();
    ASSERT_TRUE(openStockWindow());
    EXPECT_EQ(stockWindow->windowTitle(), QStringLiteral("Stock"));
    EXPECT_EQ(in<QLineEdit>("txtSklad")->text().toStdString(), storeUrl);
    EXPECT_TRUE(materialNames().isEmpty());

    in<QLineEdit>("txtMaterial")->setText(QStringLiteral("Profile 70"));
    click("cmdPridatMaterial");
    EXPECT_EQ(materialNames(), QStringList{QStringLiteral("Profile 70")});

    // A new row is stored once its length is typed; each cell then changes it in place.
    click("cmdPridatZasobu");
    type("grdZasoby", 0, 0, QStringLiteral("6000"));
    EXPECT_EQ(rows(in<QTableWidget>("grdZasoby")),
              (std::vector<QStringList>{{"6000", "unlimited"}}));
    type("grdZasoby", 0, 1, QStringLiteral("10"));
    type("grdZasoby", 0, 2, QStringLiteral("12,5"));
    click("cmdPridatZasobu");
    type("grdZasoby", 1, 0, QStringLiteral("3000"));
    click("cmdPridatZvysok");
    type("grdZvysky", 0, 1, QStringLiteral("1200"));
    click("cmdPridatZvysok");
    type("grdZvysky", 1, 0, QStringLiteral("B-7"));
    type("grdZvysky", 1, 1, QStringLiteral("2500"));
    EXPECT_EQ(rows(in<QTableWidget>("grdZasoby")),
              (std::vector<QStringList>{{"6000", "10", "12.50"}, {"3000", "unlimited"}}));
    EXPECT_EQ(rows(in<QTableWidget>("grdZvysky")),
              (std::vector<QStringList>{{"B-7", "2500"}, {"R-0001", "1200"}}));

    // A value that cannot be stored is refused with a message; the store keeps the row.
    type("grdZasoby", 0, 1, QStringLiteral("many"));
    EXPECT_EQ(lastMessage(), QStringLiteral("This value cannot be stored: many"));
    const std::vector<StockItem> stored = {
        {6000, 10, 12.5, StockKind::Rod, ""},
        {3000, std::nullopt, std::nullopt, StockKind::Rod, ""},
        {2500, 1, std::nullopt, StockKind::Offcut, "B-7"},
        {1200, 1, std::nullopt, StockKind::Offcut, "R-0001"},
    };
    EXPECT_EQ(storedStock("Profile 70"), stored);

    // The filter hides what is shorter; a column header sorts by value.
    in<QLineEdit>("txtDlzkaOd")->setText(QStringLiteral("2000"));
    EXPECT_EQ(visibleRows("grdZasoby").size(), 2u);
    EXPECT_EQ(visibleRows("grdZvysky"), (std::vector<QStringList>{{"B-7", "2500"}}));
    in<QLineEdit>("txtDlzkaOd")->clear();
    in<QTableWidget>("grdZasoby")->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(rows(in<QTableWidget>("grdZasoby"))[0][0], QStringLiteral("3000"));

    in<QTableWidget>("grdZasoby")->selectRow(0);
    click("cmdZmazatZasobu");
    in<QTableWidget>("grdZvysky")->selectRow(1);
    click("cmdZmazatZvysok");
    auto* minimum = in<QSpinBox>("txtMinZvysok");
    minimum->setValue(500);
    emit minimum->editingFinished();
    const std::vector<StockItem> left = {stored[0], stored[2]};
    EXPECT_EQ(storedStock("Profile 70"), left);

    // Export writes the store's stock; import replaces it once the user agrees.
    const QString exported = folder.filePath(QStringLiteral("out.csv"));
    dialogs.files = {exported};
    click("cmdExportCsv");
    EXPECT_EQ(readStockListFile(exported.toStdString()).stock.list.items, left);
    const QString imported = folder.filePath(QStringLiteral("in.csv"));
    std::ofstream(imported.toStdString()) << "length;quantity;price;kind;id\n2500;4;;rod;\n";
    dialogs.files = {imported, imported};
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    click("cmdImportCsv");
    EXPECT_EQ(lastMessage(), QStringLiteral("Replace the stock rows and offcuts of the material "
                                            "Profile 70 by those of the file?"));
    EXPECT_EQ(storedStock("Profile 70"), left);
    click("cmdImportCsv");
    EXPECT_EQ(rows(in<QTableWidget>("grdZasoby")), (std::vector<QStringList>{{"2500", "4"}}));
    EXPECT_EQ(in<QTableWidget>("grdZvysky")->rowCount(), 0);

    in<QLineEdit>("txtMaterial")->setText(QStringLiteral("Profile 80"));
    click("cmdPremenovatMaterial");
    EXPECT_EQ(materialNames(), QStringList{QStringLiteral("Profile 80")});
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    click("cmdZmazatMaterial");
    EXPECT_EQ(materialNames(), QStringList{QStringLiteral("Profile 80")});
    click("cmdZmazatMaterial");
    EXPECT_EQ(
        lastMessage(),
        QStringLiteral("Delete the material Profile 80 with all its stock rows and offcuts?"));
    EXPECT_TRUE(materialNames().isEmpty());
    EXPECT_FALSE(in<QTableWidget>("grdZasoby")->isEnabled());
}

TEST_F(StockWindowTest, storeFailures_showAMessageAndChangeNothing) {
    // A file that is no stock store is named so and left as it was.
    const QString damaged = folder.filePath(QStringLiteral("damaged.sqlite"));
    std::ofstream(damaged.toStdString(), std::ios::binary) << std::string(4096, 'x');
    saveSetting(store, settings::kStockStore, "sqlite:" + damaged.toStdString());
    start();
    ASSERT_TRUE(openStockWindow());
    EXPECT_TRUE(
        lastMessage().startsWith(QStringLiteral("This is not a stock store, or it is damaged: ")))
        << lastMessage().toStdString();
    EXPECT_FALSE(in<QWidget>("lstMaterialy")->isEnabled());
    EXPECT_EQ(fileBytes(damaged), std::string(4096, 'x'));

    // Another store opened from the window is remembered.
    {
        auto opened = StockStore::open(storeUrl);
        ASSERT_TRUE(opened.value);
        ASSERT_FALSE(
            (*opened.value)->replaceStock("Tube 40", {{{2500, 5, {}, StockKind::Rod, ""}}}));
    }
    in<QLineEdit>("txtSklad")->setText(QString::fromStdString(storeUrl));
    click("cmdOtvoritSklad");
    EXPECT_EQ(readSetting(store, settings::kStockStore), storeUrl);
    EXPECT_EQ(materialNames(), QStringList{QStringLiteral("Tube 40")});

    // A bad stock list is refused whole.
    const QString bad = folder.filePath(QStringLiteral("bad.csv"));
    std::ofstream(bad.toStdString()) << "length;quantity\n2000;3\n-5;1\n";
    dialogs.files = {bad};
    click("cmdImportCsv");
    EXPECT_TRUE(lastMessage().endsWith(QStringLiteral("Nothing was changed.")))
        << lastMessage().toStdString();
    // Rods another program took after the window read the row are not put back by an edit.
    {
        auto opened = StockStore::open(storeUrl);
        const MaterialStock tube = *(*opened.value)->stockOf("Tube 40").value;
        ASSERT_FALSE((*opened.value)
                         ->changeStockRow("Tube 40", tube.rowKeys[0], tube.list.items[0],
                                          {2500, 2, {}, StockKind::Rod, ""}));
    }
    type("grdZasoby", 0, 2, QStringLiteral("3"));
    EXPECT_TRUE(lastMessage().startsWith(
        QStringLiteral("The stock list cannot be stored: stock row 2500 is gone or was changed")))
        << lastMessage().toStdString();
    EXPECT_EQ(storedStock("Tube 40"),
              (std::vector<StockItem>{{2500, 2, std::nullopt, StockKind::Rod, ""}}));
    EXPECT_EQ(rows(in<QTableWidget>("grdZasoby")), (std::vector<QStringList>{{"2500", "2"}}));

    // So is a change to a material another program deleted meanwhile.
    {
        auto opened = StockStore::open(storeUrl);
        ASSERT_FALSE((*opened.value)->deleteMaterial("Tube 40"));
    }
    type("grdZasoby", 0, 1, QStringLiteral("7"));
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Unknown material: Tube 40")))
        << lastMessage().toStdString();
    auto opened = StockStore::open(storeUrl);
    EXPECT_TRUE((*opened.value)->materials().value->empty());
}

TEST_F(StockWindowTest, storeBox_emptyOpensTheUsersOwnStore_aFailedOpenKeepsTheOpenStore) {
    {
        auto opened = StockStore::open(storeUrl);
        ASSERT_TRUE(opened.value);
        ASSERT_FALSE(
            (*opened.value)->replaceStock("Tube 40", {{{2500, 5, {}, StockKind::Rod, ""}}}));
    }
    start();
    ASSERT_TRUE(openStockWindow());
    auto* address = in<QLineEdit>("txtSklad");

    // An address of no store is named once, with the forms an address takes once; the store
    // that was open stays open, its address back in the box.
    address->setText(QStringLiteral("mysql://stock/shop"));
    click("cmdOtvoritSklad");
    EXPECT_EQ(lastMessage().count(QStringLiteral("mysql://stock/shop")), 1)
        << lastMessage().toStdString();
    EXPECT_EQ(lastMessage().count(QStringLiteral("sqlite:PATH")), 1) << lastMessage().toStdString();
    EXPECT_EQ(address->text().toStdString(), storeUrl);
    EXPECT_EQ(materialNames(), QStringList{QStringLiteral("Tube 40")});
    EXPECT_TRUE(in<QWidget>("lstMaterialy")->isEnabled());
    EXPECT_EQ(readSetting(store, settings::kStockStore), storeUrl);
    // A store that cannot be made keeps it open too.
    const QString blocked = folder.filePath(QStringLiteral("blocked"));
    std::ofstream(blocked.toStdString()) << "x";
    address->setText(QStringLiteral("sqlite:") + blocked + QStringLiteral("/stock.sqlite"));
    click("cmdOtvoritSklad");
    EXPECT_EQ(lastMessage().count(blocked), 1) << lastMessage().toStdString();
    EXPECT_EQ(materialNames(), QStringList{QStringLiteral("Tube 40")});
    EXPECT_EQ(address->text().toStdString(), storeUrl);

    // Empty is the user's own store, made at its first use; the settings say so by empty.
    const size_t messages = dialogs.messages.size();
    const QString data = folder.filePath(QStringLiteral("data"));
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    address->clear();
    click("cmdOtvoritSklad");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(dialogs.messages.size(), messages) << lastMessage().toStdString();
    const QString own = data + QStringLiteral("/marlo-veen/stock.sqlite");
    EXPECT_TRUE(QFileInfo::exists(own));
    EXPECT_EQ(address->text(), QStringLiteral("sqlite:") + own);
    EXPECT_TRUE(materialNames().isEmpty());
    EXPECT_TRUE(in<QWidget>("lstMaterialy")->isEnabled());
    EXPECT_EQ(readSetting(store, settings::kStockStore), "");
}

TEST_F(StockWindowTest, cellKeys_tabAndShiftTabStayInTheRow_enterStoresTheCell) {
    start();
    ASSERT_TRUE(openStockWindow());
    ASSERT_TRUE(QTest::qWaitForWindowActive(stockWindow));
    in<QLineEdit>("txtMaterial")->setText(QStringLiteral("Profile 70"));
    click("cmdPridatMaterial");
    auto* rows = in<QTableWidget>("grdZasoby");
    auto* offcuts = in<QTableWidget>("grdZvysky");
    // A key as the user presses it: the window has done its work before the next one.
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCoreApplication::processEvents();
    };
    const auto inTable = [](const QTableWidget* table) {
        QWidget* focus = QApplication::focusWidget();
        return focus == table || table->isAncestorOf(focus);
    };

    // The new row's length, Tab, its quantity, Tab, its price; each Tab stores the cell.
    click("cmdPridatZasobu");
    typeIntoFocus(QStringLiteral("6000"));
    press(Qt::Key_Tab);
    EXPECT_EQ(rows->currentColumn(), 1);
    typeIntoFocus(QStringLiteral("10"));
    press(Qt::Key_Tab);
    typeIntoFocus(QStringLiteral("12,5"));
    // Shift+Tab goes back; from the row's first cell round to its last.
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(rows->currentColumn(), 1);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(rows->currentColumn(), 2);
    EXPECT_TRUE(inTable(rows));
    typeIntoFocus(QStringLiteral("13"));
    press(Qt::Key_Return);
    EXPECT_EQ(storedStock("Profile 70"),
              (std::vector<StockItem>{{6000, 10, 13.0, StockKind::Rod, ""}}));
    EXPECT_EQ(rows->currentColumn(), 2);
    EXPECT_TRUE(inTable(rows));
    // Tab on a cell not being edited stays in the row as well.
    press(Qt::Key_Tab);
    EXPECT_EQ(rows->currentColumn(), 0);
    EXPECT_TRUE(inTable(rows));

    // A stored offcut's identifier and origin cannot be changed: Tab goes between its length
    // and its price.
    click("cmdPridatZvysok");
    typeIntoFocus(QStringLiteral("1200"));
    press(Qt::Key_Tab);
    EXPECT_EQ(offcuts->currentColumn(), 2);
    typeIntoFocus(QStringLiteral("4"));
    press(Qt::Key_Tab);
    EXPECT_EQ(offcuts->currentColumn(), 1);
    typeIntoFocus(QStringLiteral("1100"));
    press(Qt::Key_Return);
    EXPECT_TRUE(inTable(offcuts));
    EXPECT_EQ(storedStock("Profile 70"),
              (std::vector<StockItem>{{6000, 10, 13.0, StockKind::Rod, ""},
                                      {1100, 1, 4.0, StockKind::Offcut, "R-0001"}}));

    // Nothing typed reached another box, and the store was never asked to open it.
    EXPECT_EQ(in<QLineEdit>("txtSklad")->text().toStdString(), storeUrl);
    EXPECT_EQ(in<QLineEdit>("txtMaterial")->text(), QStringLiteral("Profile 70"));
    EXPECT_TRUE(in<QLineEdit>("txtDlzkaOd")->text().isEmpty());
    EXPECT_TRUE(dialogs.messages.empty()) << lastMessage().toStdString();
}

TEST_F(StockWindowTest, window_ofItsOwnBesideTheMainWindow_opensOnTheChosenMaterial_keepsItsPlace) {
    {
        auto opened = StockStore::open(storeUrl);
        ASSERT_TRUE(opened.value);
        for (const char* material : {"Profile 70", "Tube 40"})
            ASSERT_FALSE(
                (*opened.value)->replaceStock(material, {{{2500, 5, {}, StockKind::Rod, ""}}}));
    }
    saveSetting(store, settings::kMaterial, "Tube 40");
    start();
    ASSERT_TRUE(openStockWindow());
    EXPECT_EQ(in<QListWidget>("lstMaterialy")->currentItem()->text(), QStringLiteral("Tube 40"));
    EXPECT_EQ(in<QLineEdit>("txtMaterial")->text(), QStringLiteral("Tube 40"));
    // Not held in front of the main window: the window system may put either on top.
    EXPECT_EQ(stockWindow->parentWidget(), nullptr);
    ASSERT_NE(stockWindow->windowHandle(), nullptr);
    EXPECT_EQ(stockWindow->windowHandle()->transientParent(), nullptr);
    EXPECT_EQ(stockWindow->windowType(), Qt::Window);
    // Whole on the screen, beginning where the main window ends, unless the screen is too small.
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(stockWindow->frameGeometry()))
        << stockWindow->frameGeometry().x() << ' ' << stockWindow->frameGeometry().width();
    const QRect main = window->frameGeometry();
    if (screen.right() - main.right() >= stockWindow->frameGeometry().width()) {
        EXPECT_EQ(stockWindow->frameGeometry().left(), main.right() + 1);
    }

    // Closed where the user put it, it opens there again.
    const QRect placed(20, 40, 760, 420);
    stockWindow->setGeometry(placed);
    QCoreApplication::processEvents();
    stockWindow->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(readSetting(store, settings::kStockWindowGeometry).empty());
    ASSERT_TRUE(openStockWindow());
    EXPECT_EQ(stockWindow->geometry(), placed);
}

}  // namespace
}  // namespace marlo

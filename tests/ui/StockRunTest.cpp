#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>

#include "WindowTest.h"
#include "stock/StockStore.h"
#include "ui/labels/LabelDialog.h"

namespace marlo {
namespace {

// The window planning from a material of a real SQLite stock store, and booking the plan.
// The stock: two 6000 rods at 30, 3000 rods without limit at 16, and an offcut of 2500. For
// 2500 × 1 and 2900 × 2 the cheapest plan cuts the 2500 from the offcut and both 2900 from one
// 6000 rod: price 30, one leftover of 200.
class StockRunTest : public WindowTest {
  protected:
    void SetUp() override {
        storeLaterStart();
        url = "sqlite:" + folder.filePath(QStringLiteral("stock.sqlite")).toStdString();
        saveSetting(store, settings::kStockStore, url);
        saveSetting(store, settings::kMaterial, "Profile");
        saveSetting(store, settings::kCutThickness, "0");
        saveMethodChoice(store, {OptimisationMethod::Search, 10});
        ASSERT_FALSE(open()->replaceStock("Profile",
                                          {{{6000, 2, 30.0, StockKind::Rod, ""},
                                            {3000, std::nullopt, 16.0, StockKind::Rod, ""},
                                            {2500, 1, std::nullopt, StockKind::Offcut, "A-7"}}},
                                          100));
    }

    std::unique_ptr<StockStore> open() const { return std::move(*StockStore::open(url).value); }
    StockList stockNow() const { return open()->stockOf("Profile").value->list; }

    // A press within half a second after a run ended counts as a late stop press.
    void optimise() {
        QTest::qWait(550);
        QTest::mouseClick(find<QToolButton>(QStringLiteral("Command6")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), 15000);
    }
    void typeJob() {
        typeRow("2500", "1");
        typeRow("2900", "2");
    }
    QString lastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }

    QTemporaryDir folder;
    std::string url;
};

TEST_F(StockRunTest, planFromMaterial_showsStockAndPrice_isBookedAndReturnedExactly) {
    start();
    EXPECT_TRUE(find<QLabel>(QStringLiteral("StockLine"))->isVisible());
    EXPECT_EQ(label(QStringLiteral("StockLine")), "Stock: Profile – plan at the lowest price");
    EXPECT_EQ(label(QStringLiteral("Label15")), "Profile");
    EXPECT_FALSE(action(QStringLiteral("mnu_zauctovat"))->isEnabled());
    typeJob();
    optimise();

    EXPECT_EQ(
        headers(grid(QStringLiteral("Grid2"))).mid(0, 6),
        QStringList({"Seq. No.", "No. of rods", "Waste", "No. of pieces", "Rod length", "Dim1"}));
    std::vector<QStringList> shown = rows(grid(QStringLiteral("Grid2")));
    std::sort(shown.begin(), shown.end());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].mid(1), QStringList({"1", "0", "1", "2500 A-7", "2500"}));
    EXPECT_EQ(shown[1].mid(1), QStringList({"1", "200", "2", "6000", "2900", "2900"}));
    EXPECT_EQ(label(QStringLiteral("LowerBoundCaption")), "Lower bound of the price");
    EXPECT_EQ(label(QStringLiteral("LowerBoundValue")), QStringLiteral("30.00  \u2714"));
    EXPECT_TRUE(label(QStringLiteral("StockTotals")).startsWith("Total price: 30.00\n"));
    EXPECT_EQ(label(QStringLiteral("RunStatus")), "Lowest price from stock: finished");

    // Booking takes the 6000 rod and the offcut, and keeps the leftover of 200 as a new offcut.
    action(QStringLiteral("mnu_zauctovat"))->trigger();
    EXPECT_TRUE(lastMessage().startsWith("Booked; new offcuts: R-")) << lastMessage().toStdString();
    EXPECT_TRUE(lastMessage().endsWith(" (200 mm)")) << lastMessage().toStdString();
    StockList booked = stockNow();
    ASSERT_EQ(booked.items.size(), 3u);
    EXPECT_EQ(booked.items[0].quantity, 1);
    EXPECT_EQ(booked.items[2].length, 200);
    EXPECT_FALSE(action(QStringLiteral("mnu_zauctovat"))->isEnabled()) << "booked once only";

    action(QStringLiteral("mnu_vratit"))->trigger();
    EXPECT_EQ(lastMessage(), "The stock of the last booking has been returned.");
    const StockList returned = stockNow();
    ASSERT_EQ(returned.items.size(), 3u);
    EXPECT_EQ(returned.items[0].quantity, 2);
    EXPECT_EQ(returned.items[2].id, "A-7");
    EXPECT_TRUE(action(QStringLiteral("mnu_zauctovat"))->isEnabled());
}

TEST_F(StockRunTest, decimalCommaLocale_showsPricesWithACommaInTheResultAndTheStockWindow) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::shared_ptr<void> cLocaleAgain(nullptr,
                                             [](void*) { QLocale::setDefault(QLocale::c()); });
    start();
    typeJob();
    optimise();
    EXPECT_TRUE(label(QStringLiteral("StockTotals")).startsWith("Total price: 30,00\n"))
        << label(QStringLiteral("StockTotals")).toStdString();
    EXPECT_EQ(label(QStringLiteral("LowerBoundValue")), QStringLiteral("30,00  \u2714"));

    action(QStringLiteral("mnu_sklad"))->trigger();
    QTableWidget* stockRows = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("Sklad") && top->isVisible())
            stockRows = top->findChild<QTableWidget*>(QStringLiteral("grdZasoby"));
    ASSERT_NE(stockRows, nullptr);
    std::vector<QStringList> shown = rows(stockRows);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown,
              (std::vector<QStringList>{{"3000", "unlimited", "16,00"}, {"6000", "2", "30,00"}}));
    // A row changed in another cell keeps its price: the comma reads back as the decimal point.
    const int row = stockRows->item(0, 0)->text() == QStringLiteral("6000") ? 0 : 1;
    stockRows->item(row, 1)->setText(QStringLiteral("5"));
    QCoreApplication::processEvents();
    ASSERT_EQ(stockNow().items.size(), 3u);
    EXPECT_EQ(stockNow().items[0].quantity, 5);
    EXPECT_EQ(stockNow().items[0].price, 30.0);
}

TEST_F(StockRunTest, bookedPlan_labelsTheNewOffcutsAfterThePieces_untilTheBookingIsReturned) {
    start();
    typeJob();
    optimise();
    // The labels of the pieces and, once booked, of the offcut of 200 the booking keeps.
    const auto labelTexts = [this](const QString& summary) {
        std::vector<std::string> texts;
        withDialog(
            [this] { action(QStringLiteral("mnu_export_stitky_pdf"))->trigger(); },
            [&](QDialog* dialog) {
                EXPECT_EQ(dialog->findChild<QLabel*>("labelSummary")->text(), summary);
                for (const DiagramPage& page : dynamic_cast<LabelDialog*>(dialog)->document().pages)
                    for (const DiagramText& text : page.texts) texts.push_back(text.text);
                dialog->reject();
            });
        return texts;
    };
    const auto has = [](const std::vector<std::string>& texts, const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_FALSE(has(labelTexts("Labels: 3    Pages: 1"), "Profile"));

    action(QStringLiteral("mnu_zauctovat"))->trigger();
    const std::string offcut = stockNow().items[2].id;
    ASSERT_TRUE(offcut.starts_with("R-")) << offcut;
    const std::vector<std::string> booked = labelTexts("Labels: 4    Pages: 1");
    EXPECT_TRUE(has(booked, offcut));
    EXPECT_TRUE(has(booked, "Profile"));

    action(QStringLiteral("mnu_vratit"))->trigger();
    EXPECT_FALSE(has(labelTexts("Labels: 3    Pages: 1"), offcut));
}

TEST_F(StockRunTest, storeOutOfReach_isNotAskedAgainByEachParametersDialog_butByARun) {
    // The store cannot be made while a plain file stands where its folder would be.
    const QString blocked = folder.filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(QFile(blocked).open(QIODevice::WriteOnly));
    const QString path = blocked + QStringLiteral("/stock.sqlite");
    saveSetting(store, settings::kStockStore, "sqlite:" + path.toStdString());
    start();
    const auto materialsListed = [this] {
        int listed = 0;
        withDialog([this] { QTest::mouseClick(find<QToolButton>("Command7_8"), Qt::LeftButton); },
                   [&](QDialog* dialog) {
                       listed =
                           dialog->findChild<QComboBox*>(QStringLiteral("StockChoice"))->count();
                       dialog->reject();
                   });
        return listed;
    };
    const int outOfReach = materialsListed();
    EXPECT_TRUE(dialogs.messages.empty());

    // The way is free again, yet the next dialog does not wait for the store once more.
    ASSERT_TRUE(QFile::remove(blocked));
    EXPECT_EQ(materialsListed(), outOfReach);
    EXPECT_FALSE(QFileInfo::exists(path));

    // A run asks for the store at once: it is made, empty, and says so.
    typeJob();
    optimise();
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(dialogs.messages.empty());
    EXPECT_FALSE(window->resultPresent());
}

TEST_F(StockRunTest, changedOrShortStock_isRefusedWithWhatIsMissing_andOneRodLengthRunsAsBefore) {
    start();
    typeJob();
    optimise();
    // Another workstation takes the offcut meanwhile: the booking is refused and changes nothing.
    ASSERT_FALSE(open()->deleteOffcut("Profile", "A-7"));
    action(QStringLiteral("mnu_zauctovat"))->trigger();
    EXPECT_TRUE(lastMessage().startsWith(
        "The stock has changed since the plan was made; nothing was booked:\n"))
        << lastMessage().toStdString();
    EXPECT_TRUE(lastMessage().contains("A-7"));
    EXPECT_TRUE(lastMessage().endsWith("Optimise again to plan from the stock as it is now."));
    EXPECT_EQ(stockNow().items[0].quantity, 2);
    // It also edits the 6000 row down to no rods (the row gets a new key): the message says
    // what is short, not that the row is gone.
    const MaterialStock edited = *open()->stockOf("Profile").value;
    ASSERT_FALSE(open()->changeStockRow("Profile", edited.rowKeys[0], edited.list.items[0],
                                        {6000, 0, 30.0, StockKind::Rod, ""}));
    action(QStringLiteral("mnu_zauctovat"))->trigger();
    EXPECT_TRUE(lastMessage().contains("\nRods of 6000 mm: 1 needed, 0 in stock.\n"))
        << lastMessage().toStdString();
    EXPECT_EQ(stockNow().items[0].quantity, 0);

    // Stock too small for the list: the message names what stays uncut, and no plan is shown.
    ASSERT_FALSE(open()->replaceStock("Profile", {{{6000, 1, 30.0, StockKind::Rod, ""}}}));
    optimise();
    EXPECT_TRUE(lastMessage().startsWith("The stock does not hold the whole list"))
        << lastMessage().toStdString();
    EXPECT_TRUE(lastMessage().contains("Stock missing, at least (mm): "))
        << lastMessage().toStdString();
    EXPECT_FALSE(window->resultPresent());
    EXPECT_EQ(grid(QStringLiteral("Grid2"))->rowCount(), 0);

    // Back to the single rod length: no stock line, no stock column, the method as chosen. A
    // trim that leaves no rod is refused; one that does is kept and counts as waste.
    withDialog([this] { QTest::mouseClick(find<QToolButton>("Command7_8"), Qt::LeftButton); },
               [this](QDialog* dialog) {
                   dialog->findChild<QComboBox*>(QStringLiteral("StockChoice"))->setCurrentIndex(0);
                   auto* trim = dialog->findChild<QLineEdit*>(QStringLiteral("TrimBox"));
                   auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
                   trim->setText(QStringLiteral("3000"));
                   ok->click();
                   EXPECT_EQ(lastMessage(), "The trim at both ends is longer than the rod.");
                   EXPECT_TRUE(dialog->isVisible());
                   trim->setText(QStringLiteral("50"));
                   ok->click();
               });
    EXPECT_EQ(readSetting(store, settings::kMaterial), "");
    EXPECT_EQ(readSetting(store, settings::kTrim), "50");
    EXPECT_FALSE(find<QLabel>(QStringLiteral("StockLine"))->isVisible());
    EXPECT_EQ(label(QStringLiteral("Label15")), "6000");
    optimise();
    EXPECT_EQ(headers(grid(QStringLiteral("Grid2"))).mid(0, 5),
              QStringList({"Seq. No.", "No. of rods", "Waste", "No. of pieces", "Dim1"}));
    EXPECT_EQ(label(QStringLiteral("RunStatus")), "Rod-by-rod search: finished");
    // Two rods of 6000, 5900 usable: 8300 mm of pieces in 12000 mm of rods, the trim wasted too
    // (of the usable length alone it would read 70.34).
    EXPECT_EQ(label(QStringLiteral("Label4_1")), "2");
    EXPECT_EQ(label(QStringLiteral("Label4_7")), "69.17");
    EXPECT_EQ(label(QStringLiteral("LowerBoundCaption")), "Lower bound (rods)");
    EXPECT_FALSE(find<QLabel>(QStringLiteral("StockTotals"))->isVisible());
}

// A list the stock cannot hold whose run takes a while: the run shows its progress, and at its
// end neither progress nor totals stay, as there is no plan.
TEST_F(StockRunTest, stockTooSmallForALongList_leavesNeitherProgressNorTotals) {
    ASSERT_FALSE(open()->replaceStock(
        "Profile", {{{6000, 20, 30.0, StockKind::Rod, ""}, {2000, 2, 10.0, StockKind::Rod, ""}}}));
    start();
    for (int i = 0; i < 30; ++i) typeRow(QString::number(830 + 67 * i), QString::number(3 + i % 3));
    optimise();
    EXPECT_TRUE(lastMessage().startsWith("The stock does not hold the whole list"));
    EXPECT_FALSE(window->resultPresent());
    EXPECT_EQ(find<QProgressBar>(QStringLiteral("ProgressBar1"))->value(), 0);
    EXPECT_EQ(label(QStringLiteral("Label3")), "0 %");
    for (int value = 1; value < 10; value += 2)
        EXPECT_EQ(label(QStringLiteral("Label4_%1").arg(value)), "") << value;
    EXPECT_EQ(label(QStringLiteral("RunStatus")), "Lowest price from stock: aborted");
}

}  // namespace
}  // namespace marlo

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "WindowTest.h"

namespace marlo {
namespace {

class Parameters : public WindowTest {
  protected:
    void SetUp() override { storeLaterStart(Language::English); }

    // Runs `inDialog` in the parameters dialog opened from the toolbar.
    void inParameters(const std::function<void()>& inDialog) {
        withDialog([this] { QTest::mouseClick(find<QToolButton>("Command7_8"), Qt::LeftButton); },
                   [&](QDialog* opened) {
                       dialog = opened;
                       inDialog();
                   });
    }

    template <typename T>
    T* control(const char* name) const {
        T* found = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* text(int box) const {
        return control<QLineEdit>(QStringLiteral("Text%1").arg(box).toLatin1().constData());
    }
    void clickControl(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QStringList boxTexts() const {
        return {text(1)->text(), text(2)->text(), text(3)->text(), text(4)->text()};
    }

    void optimiseWorkedExample() {
        typeRow("2000", "3");
        typeRow("1500", "2");
        typeRow("1000", "4");
        QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
        ASSERT_TRUE(window->resultPresent());
    }

    QDialog* dialog = nullptr;
};

TEST_F(Parameters, dialog_showsTheStoredValuesStepsThemAndCancelChangesNothing) {
    start();
    inParameters([&] {
        EXPECT_EQ(dialog->windowTitle(), "Parameters");
        EXPECT_EQ(control<QGroupBox>("Frame1")->title(), "Dimension settings");
        EXPECT_EQ(control<QRadioButton>("Option1_1")->text(), "Don't optimize waste borders ...");
        EXPECT_EQ(control<QCheckBox>("Check1")->text(), "Sort the output of the smallest waste");
        EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>("Command1"));

        EXPECT_EQ(boxTexts(), QStringList({"200", "500", "6", "6000"}));
        EXPECT_TRUE(control<QRadioButton>("Option1_1")->isChecked());
        EXPECT_FALSE(text(1)->isEnabled());
        EXPECT_FALSE(text(2)->isEnabled());
        EXPECT_TRUE(control<QRadioButton>("Option2_1")->isChecked());
        EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
        EXPECT_TRUE(control<QCheckBox>("Check1")->isEnabled());

        clickControl(text(4));
        QTest::keyClick(text(4), Qt::Key_Up);
        EXPECT_EQ(text(4)->text(), "6001");
        text(3)->setText("2");
        clickControl(text(3));
        QTest::keyClick(text(3), Qt::Key_Down);
        EXPECT_EQ(text(3)->text(), "1");
        QTest::keyClick(text(3), Qt::Key_Down);
        EXPECT_EQ(text(3)->text(), "1") << "never below 1";

        clickControl(control<QRadioButton>("Option1_0"));
        EXPECT_TRUE(text(1)->isEnabled());
        EXPECT_TRUE(text(2)->isEnabled());
        clickControl(control<QRadioButton>("Option2_0"));
        EXPECT_FALSE(control<QCheckBox>("Check1")->isEnabled());

        clickControl(control<QPushButton>("Command2"));
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(readSetting(store, settings::kRodLength), "6000");
    EXPECT_EQ(readSetting(store, settings::kWasteBordersMode), "1");
    EXPECT_EQ(window->parameters(), JobParameters{});
}

TEST_F(Parameters, badValue_isRefusedWithMessage91WhenTheBoxLosesTheFocusAndByOk) {
    start();
    inParameters([&] {
        const auto refusedAfterLeaving = [&](const QString& typed) {
            dialogs.messages.clear();
            clickControl(text(4));
            typeIntoFocus(typed);
            clickControl(text(3));
            EXPECT_TRUE(QTest::qWaitFor([&] { return !dialogs.messages.empty(); }, 1000))
                << typed.toStdString();
            EXPECT_EQ(QApplication::focusWidget(), text(4)) << typed.toStdString();
        };
        refusedAfterLeaving("-5");
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "Error!");
        EXPECT_EQ(dialogs.messages[0].title, "Error");
        EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::Ok);
        refusedAfterLeaving("abc");
        refusedAfterLeaving("32768");

        dialogs.messages.clear();
        clickControl(control<QPushButton>("Command1"));
        EXPECT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialog->isVisible()) << "OK stores nothing while a value is refused";

        typeIntoFocus("0");
        clickControl(text(3));
        QTest::qWait(20);
        EXPECT_EQ(dialogs.messages.size(), 1u) << "0 is a value";
        EXPECT_EQ(QApplication::focusWidget(), text(3));
    });
    EXPECT_EQ(readSetting(store, settings::kRodLength), "6000");
}

TEST_F(Parameters, ok_storesEveryValueUpdatesTheWindowAndResetsAShownResult) {
    saveSetting(store, settings::kCutThickness, " 6.4");
    start();
    optimiseWorkedExample();

    inParameters([&] { clickControl(control<QPushButton>("Command2")); });
    EXPECT_TRUE(window->resultPresent()) << "Cancel keeps the result";

    inParameters([&] {
        EXPECT_EQ(text(3)->text(), " 6.4") << "the stored text as it stands";
        clickControl(control<QRadioButton>("Option1_0"));
        clickControl(control<QRadioButton>("Option2_0"));
        clickControl(text(4));
        typeIntoFocus("6500");
        pressEnterInFocus();
        EXPECT_FALSE(dialog->isVisible()) << "Enter in the last box is OK";
    });
    EXPECT_EQ(readSetting(store, settings::kMinWasteDimension), "200");
    EXPECT_EQ(readSetting(store, settings::kCutThickness), "6.4");
    EXPECT_EQ(readSetting(store, settings::kRodLength), "6500");
    EXPECT_EQ(readSetting(store, settings::kWasteBordersMode), "0");
    EXPECT_EQ(readSetting(store, settings::kStartMethod), "0");
    EXPECT_EQ(readSetting(store, settings::kSortOutputByWaste), "1") << "stored while disabled";
    const JobParameters changed = window->parameters();
    EXPECT_EQ(changed.cutThickness, 6);
    EXPECT_EQ(changed.rodLength, 6500);
    EXPECT_EQ(changed.wasteBordersMode, 0);
    EXPECT_EQ(changed.startMethod, 0);
    EXPECT_EQ(changed.sortOutputByWaste, 1);
    EXPECT_EQ(label("Label14"), "6");
    EXPECT_EQ(label("Label15"), "6500");
    EXPECT_FALSE(window->resultPresent());
    EXPECT_EQ(grid("Grid2")->rowCount(), 0);
    EXPECT_FALSE(action("mnu_export_subor")->isEnabled());
    EXPECT_TRUE(window->jobChanged()) << "parameters are not part of the job";
    EXPECT_TRUE(dialogs.messages.empty());

    // Enter moves through the enabled boxes only.
    inParameters([&] {
        clickControl(control<QRadioButton>("Option1_1"));
        clickControl(text(3));
        pressEnterInFocus();
        EXPECT_EQ(QApplication::focusWidget(), text(4));
        QTest::keyClick(text(4), Qt::Key_Down);
        pressEnterInFocus();
    });
    EXPECT_EQ(readSetting(store, settings::kRodLength), "6499");
    EXPECT_EQ(readSetting(store, settings::kWasteBordersMode), "1");
}

// What the dialog and the main window show is what the next run uses.
TEST_F(Parameters, senselessOrLongDecimalValues_showAndStoreWhatTheRunUses) {
    saveSetting(store, settings::kCutThickness, "-3");
    saveSetting(store, settings::kRodLength, "0");
    saveSetting(store, settings::kSortOutputByWaste, "x");
    saveSetting(store, settings::kStartMethod, "7");
    start();
    EXPECT_EQ(label("Label14"), "6");
    EXPECT_EQ(label("Label15"), "6000");
    inParameters([&] {
        EXPECT_EQ(boxTexts(), (QStringList{"200", "500", "6", "6000"}));
        EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
        EXPECT_TRUE(control<QRadioButton>("Option2_1")->isChecked());
        text(4)->setText("1200.49999999999999999");
        clickControl(control<QPushButton>("Command1"));
    });
    EXPECT_EQ(readSetting(store, settings::kRodLength), "1200.49999999999999999");
    EXPECT_EQ(window->parameters().rodLength, 1200);
    start();
    EXPECT_EQ(window->parameters().rodLength, 1200) << "read back as it was used";
    EXPECT_EQ(label("Label15"), "1200");
}

TEST_F(Parameters, methodGroups_fewestRodsDisablesTheSearchSwitchesButNotTheSort) {
    start();
    inParameters([&] {
        auto* search = control<QGroupBox>("SearchSettingsFrame");
        EXPECT_EQ(search->title(), "Settings of the rod-by-rod search");
        EXPECT_EQ(control<QGroupBox>("Frame3")->parentWidget(), search);
        EXPECT_EQ(control<QGroupBox>("Frame2")->parentWidget(), search);
        EXPECT_EQ(control<QGroupBox>("Frame3")->title(), "Method of optimizing");
        EXPECT_EQ(control<QGroupBox>("MethodFrame")->title(), "Method");
        EXPECT_EQ(control<QCheckBox>("Check1")->toolTip(), "Applies to both methods");
        clickControl(control<QRadioButton>("Option1_0"));
        clickControl(control<QRadioButton>("Option2_0"));
        EXPECT_FALSE(control<QCheckBox>("Check1")->isEnabled());

        control<QRadioButton>("MethodFewestRods")->click();
        for (const char* name : {"Option1_0", "Option1_1", "Option2_0", "Option2_1"})
            EXPECT_FALSE(control<QRadioButton>(name)->isEnabled()) << name;
        EXPECT_FALSE(text(1)->isEnabled());
        EXPECT_FALSE(text(2)->isEnabled());
        EXPECT_TRUE(text(3)->isEnabled());
        EXPECT_TRUE(text(4)->isEnabled());
        EXPECT_TRUE(control<QCheckBox>("Check1")->isEnabled()) << "the sort serves both methods";
        EXPECT_TRUE(control<QLineEdit>("TimeLimit")->isEnabled());

        control<QRadioButton>("MethodSearch")->click();
        EXPECT_TRUE(control<QRadioButton>("Option2_1")->isEnabled());
        EXPECT_TRUE(text(1)->isEnabled());
        EXPECT_FALSE(control<QCheckBox>("Check1")->isEnabled());
        clickControl(control<QRadioButton>("Option1_1"));
        EXPECT_FALSE(text(1)->isEnabled());

        EXPECT_FALSE(control<QLineEdit>("Threads")->isEnabled());

        // Chosen again, the fewest-rods method is kept with the switches as they were set; its
        // threads run from 0 (every core) to 256.
        control<QRadioButton>("MethodFewestRods")->click();
        auto* threads = control<QLineEdit>("Threads");
        EXPECT_EQ(threads->text(), "0");
        threads->setText(QStringLiteral("300"));
        clickControl(control<QPushButton>("Command1"));
        EXPECT_EQ(dialogs.messages.size(), 1u);
        threads->setText(QStringLiteral("2"));
        dialogs.messages.clear();
        clickControl(control<QPushButton>("Command1"));
    });
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(readSetting(store, settings::kThreads), "2");
    EXPECT_EQ(readSetting(store, settings::kMethod), "1");
    EXPECT_EQ(readSetting(store, settings::kStartMethod), "0");
    EXPECT_EQ(readSetting(store, settings::kWasteBordersMode), "1");
}

}  // namespace
}  // namespace marlo

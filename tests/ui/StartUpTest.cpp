#include <QFile>
#include <QGuiApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>

#include "WindowTest.h"
#include "settings/QSettingsStore.h"
#include "ui/startup/SplashScreen.h"
#include "version.h"

namespace marlo {
namespace {

using StartUp = WindowTest;

// The commands that need a list or a result are all disabled in an empty job.
void expectEmptyJobCommands(const MainWindow& window) {
    for (const char* name :
         {"Command1", "Command2", "Command3", "Command6", "Command7_4", "Command7_5", "Command7_6"})
        EXPECT_FALSE(window.findChild<QWidget*>(QLatin1String(name))->isEnabled()) << name;
    for (const char* name :
         {"mnu_optimalizuj", "mnu_tlacit", "mnu_export", "mnu_export_excel", "mnu_export_subor"})
        EXPECT_FALSE(window.findChild<QAction*>(QLatin1String(name))->isEnabled()) << name;
    for (const char* name : {"Command7_0", "Command7_3", "Command7_9", "Text1", "Text5"})
        EXPECT_TRUE(window.findChild<QWidget*>(QLatin1String(name))->isEnabled()) << name;
}

TEST_F(StartUp, firstStart_writesDefaultsOpensDocumentationOnceAndShowsSlovakEmptyJob) {
    // The language form closed without OK keeps the default language.
    const auto closeLanguageForm = whenDialogOpens([](QDialog*) {});
    start();

    EXPECT_TRUE(window->isFirstStart());
    EXPECT_EQ(readSetting(store, settings::kRodLength), "6000");
    EXPECT_EQ(readSetting(store, settings::kLanguage), "slovak");
    ASSERT_EQ(shell.links.size(), 1u);
    EXPECT_TRUE(shell.links[0].toString().endsWith(QLatin1String("/files/documentation-sk.pdf")));
    EXPECT_EQ(readSetting(store, settings::kDocumentation), "0");
    EXPECT_TRUE(dialogs.messages.empty());

    EXPECT_EQ(window->windowTitle(), QStringLiteral("marlo-veen : Nový"));
    EXPECT_EQ(label("Label7"), QStringLiteral("Zákazka"));
    EXPECT_EQ(label("Label14"), "6");
    EXPECT_EQ(label("Label15"), "6000");
    EXPECT_EQ(label("Label3"), "0 %");
    EXPECT_TRUE(action("mnu_slovak")->isChecked());
    EXPECT_FALSE(action("mnu_english")->isChecked());
    EXPECT_EQ(headers(grid("Grid1")), QStringList({"Rozmer", "ks"}));
    EXPECT_EQ(grid("Grid1")->rowCount(), 0);
    EXPECT_EQ(headers(grid("Grid2")), QStringList({"por.č.", "počet tyčí", "odpad", "počet ks"}));
    expectEmptyJobCommands(*window);
    EXPECT_FALSE(window->jobChanged());
    EXPECT_EQ(QApplication::focusWidget(), box("Text5"));
}

// With no program for PDF documents the main window is on the screen before a notice, not an
// error, names the manual's file; the manual is not offered again.
TEST_F(StartUp, firstStart_withoutPdfProgram_showsTheWindowThenANoticeNamingTheManual) {
    const auto closeLanguageForm = whenDialogOpens([](QDialog*) {});
    shell.opens = false;
    bool windowShown = false;
    dialogs.onMessage = [this, &windowShown](const MessageRequest&) {
        windowShown = window->isVisible() && window->size() == window->sizeHint();
    };
    start();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(windowShown);
    const MessageRequest& notice = dialogs.messages[0];
    EXPECT_EQ(notice.icon, MessageIcon::Information);
    EXPECT_EQ(notice.title, QStringLiteral("marlo-veen"));
    ASSERT_EQ(shell.links.size(), 1u);
    EXPECT_TRUE(notice.text.endsWith(QStringLiteral("v súbore: ") + shell.links[0].toLocalFile()))
        << notice.text.toStdString();
    EXPECT_EQ(readSetting(store, settings::kDocumentation), "0");
}

TEST_F(StartUp, laterStart_takesStoredSettingsAndOpensCentredWithoutDocumentation) {
    storeLaterStart(Language::English);
    saveSetting(store, settings::kRodLength, "6500");

    start();

    EXPECT_FALSE(window->isFirstStart());
    EXPECT_TRUE(shell.links.empty());
    EXPECT_EQ(window->parameters().rodLength, 6500);
    EXPECT_EQ(label("Label15"), "6500");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Marlo-veen : New"));
    EXPECT_EQ(label("Label7"), "Customer");
    EXPECT_EQ(label("Label4_0"), "Total number of rods : (pcs)");
    EXPECT_EQ(action("mnu_subor")->text(), "File");
    EXPECT_EQ(action("mnu_optimalizuj")->text(), "Optimize");
    EXPECT_EQ(action("mnu_novy")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(action("mnu_exit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(find<QToolButton>("Command7_8")->toolTip(), "Parameters");
    EXPECT_EQ(find<QToolButton>("Command1")->toolTip(), "Add");
    for (const char* other : {"mnu_slovak", "mnu_german", "mnu_czech", "mnu_dutch"})
        EXPECT_FALSE(action(QLatin1String(other))->isChecked()) << other;
    EXPECT_TRUE(action("mnu_english")->isChecked());
    expectEmptyJobCommands(*window);

    const QRect screen = window->screen()->availableGeometry();
    EXPECT_EQ(window->size(), window->sizeHint());
    EXPECT_EQ(window->x(), screen.left() + std::max(0, (screen.width() - window->width()) / 2));
    EXPECT_EQ(window->y(), screen.top() + std::max(0, (screen.height() - window->height()) / 2));
    EXPECT_EQ(QApplication::focusWidget(), box("Text5"));
}

TEST(QSettingsStore, keepsValuesInAnIniFileOfTheApplicationAcrossStarts) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QSettingsStore first(folder.path());
    EXPECT_EQ(first.get("Optimalizacia", "nastavenia", "jazyk"), "");

    EXPECT_TRUE(writeDefaultSettings(first));
    saveSetting(first, settings::kLanguage, "czech");

    EXPECT_TRUE(QFile::exists(folder.filePath("Optimalizacia.ini")));
    QSettingsStore later(folder.path());
    EXPECT_FALSE(writeDefaultSettings(later));
    EXPECT_EQ(readSetting(later, settings::kMinWasteDimension), "200");
    EXPECT_EQ(readSettings(later).language, Language::Czech);
    later.save("Optimalizacia", "nastavenia", "dokumentacia", "0");
    EXPECT_EQ(first.get("Optimalizacia", "nastavenia", "dokumentacia"), "0");
}

TEST(QSettingsStore, firstAndLaterStartOfTheWindowOverATemporaryStore) {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    QSettingsStore store(folder.path());
    {
        const auto chooseEnglish = whenDialogOpens([](QDialog* form) {
            form->findChild<QRadioButton*>("Option1_3")->click();
            form->findChild<QPushButton*>("Command1")->click();
        });
        MainWindow window(UiContext{dialogs, store, shell});
        window.startUp();
        EXPECT_TRUE(window.isFirstStart());
        EXPECT_EQ(window.windowTitle(), "Marlo-veen : New");
        window.close();
    }
    saveSetting(store, settings::kRodLength, "7000");
    {
        MainWindow window(UiContext{dialogs, store, shell});
        window.startUp();
        EXPECT_FALSE(window.isFirstStart());
        EXPECT_EQ(window.parameters().rodLength, 7000);
        EXPECT_EQ(window.catalogue().language(), Language::English);
        EXPECT_TRUE(window.findChild<QAction*>("mnu_english")->isChecked());
        window.close();
    }
    EXPECT_EQ(shell.links.size(), 1u) << "the documentation opens at the first start only";
}

TEST(Splash, showsVersionInARoundedWindowAndOpensTheMainWindowOnTheThirdTick) {
    int shown = 0;
    SplashScreen splash([&shown] { ++shown; });
    splash.show();

    EXPECT_EQ(splash.size(), QSize(400, 300));
    EXPECT_EQ(splash.findChild<QLabel*>("Label4")->text(), QStringLiteral("rev ") + kVersionText);
    EXPECT_FALSE(splash.mask().contains(QPoint(0, 0))) << "the corners are cut";
    EXPECT_TRUE(splash.mask().contains(QPoint(200, 150)));

    QTest::qWait(1250);
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown == 1; }, 1000));
    EXPECT_FALSE(splash.isVisible());
}

}  // namespace
}  // namespace marlo

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "WindowTest.h"
#include "ui/about/AboutDialog.h"
#include "version.h"

namespace marlo {
namespace {

using Languages = WindowTest;

// A few texts of the main window in one language.
struct LanguageView {
    const char* menuItem;
    const char* stored;
    QString fileMenu;
    QString saveAsToolTip;  // Command7_3
    QString listHeader;     // Grid1, first column
    QString resultHeader;   // Grid2, second column
    QString totalsCaption;  // Label4_0
    QString title;
    QString qtCancel;  // Qt's own standard button
};

const LanguageView kViews[] = {
    {"mnu_german", "german", "Datei", "Speichern unter", "Abmessung", "Anz. Stangen",
     "Gesamtanzahl Stangen : (Stk.)", "marlo-veen : Neu", "Abbrechen"},
    {"mnu_czech", "czech", "Soubor", "Uložit jako", "Rozměr", "počet tyčí",
     "Celkový počet tyčí : (ks)", "marlo-veen : Nový", "Zrušit"},
    {"mnu_dutch", "dutch", "Bestand", "Opslaan als", "Afmeting", "Aantal staven",
     "Totaal aantal staven: (stuks)", "Marlo-veen : Nieuw", "Annuleren"},
    {"mnu_english", "english", "File", "Save as", "Dimension", "No. of rods",
     "Total number of rods : (pcs)", "Marlo-veen : New", "Cancel"},
    {"mnu_slovak", "slovak", "Súbor", "Uložiť ako", "Rozmer", "počet tyčí",
     "Celkový počet tyčí : (ks)", "marlo-veen : Nový", "Zrušiť"},
};

const char* const kLanguageItems[] = {"mnu_czech", "mnu_german", "mnu_dutch", "mnu_english",
                                      "mnu_slovak"};

void expectTicked(const MainWindow& window, const char* ticked) {
    for (const char* item : kLanguageItems) {
        EXPECT_EQ(window.findChild<QAction*>(QLatin1String(item))->isChecked(),
                  std::string_view(item) == ticked)
            << item;
    }
}

TEST_F(Languages, switchToEachLanguage_reloadsEveryCaptionAtOnceAndStoresTheChoice) {
    storeLaterStart(Language::Slovak);
    start();
    for (const LanguageView& view : kViews) {
        typeRow("1000", "1");
        dialogs.answers = {MessageAnswer::No};
        action(QLatin1String(view.menuItem))->trigger();

        EXPECT_EQ(action("mnu_subor")->text(), view.fileMenu) << view.stored;
        EXPECT_EQ(find<QToolButton>("Command7_3")->toolTip(), view.saveAsToolTip);
        EXPECT_EQ(headers(grid("Grid1"))[0], view.listHeader);
        EXPECT_EQ(headers(grid("Grid2"))[1], view.resultHeader);
        EXPECT_EQ(label("Label4_0"), view.totalsCaption);
        EXPECT_EQ(window->windowTitle(), view.title);
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), view.qtCancel);
        expectTicked(*window, view.menuItem);
        EXPECT_EQ(readSetting(store, settings::kLanguage), view.stored);
        EXPECT_EQ(grid("Grid1")->rowCount(), 0) << "the screen is reset";
        EXPECT_FALSE(window->jobChanged());
    }
    EXPECT_EQ(dialogs.messages.size(), std::size(kViews)) << "one prompt per changed job";
    EXPECT_EQ(dialogs.messages[0].text, "Chcete uložiť zmeny?") << "asked in the old language";

    start();
    EXPECT_EQ(window->catalogue().language(), Language::Slovak);
    expectTicked(*window, "mnu_slovak");
}

TEST_F(Languages, switchWithUnsavedChangesOfANamedJob_asksAndCancelKeepsEverything) {
    QTemporaryDir folder;
    const QString file = folder.filePath("a.opt");
    storeLaterStart(Language::German);
    start();
    typeRow("1000", "1");
    dialogs.files = {file};
    action("mnu_ulozit_ako")->trigger();
    typeRow("2000", "2");

    dialogs.answers = {MessageAnswer::Cancel};
    action("mnu_english")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral("Möchten Sie die Änderungen an dieser Datei speichern: %1?").arg(file));
    expectTicked(*window, "mnu_german");
    EXPECT_EQ(action("mnu_subor")->text(), "Datei");
    EXPECT_EQ(grid("Grid1")->rowCount(), 2);
    EXPECT_EQ(readSetting(store, settings::kLanguage), "german");

    dialogs.answers = {MessageAnswer::Yes};
    action("mnu_english")->trigger();
    EXPECT_EQ(dialogs.fileRequests.size(), 1u) << "Save writes the bound file without a dialog";
    expectTicked(*window, "mnu_english");
    EXPECT_EQ(window->windowTitle(), "Marlo-veen : New");
    EXPECT_TRUE(window->jobFileName().isEmpty());
}

// Chooses option `option` of the first-start language form with the keyboard and presses OK;
// checks the form and that it comes before the main window and the documentation.
class FirstStart : public WindowTest {
  protected:
    void startChoosing(int option) {
        bool shown = false;
        const auto watch = whenDialogOpens([&](QDialog* form) {
            shown = true;
            EXPECT_EQ(form->windowTitle(), "Please choose your language");
            QStringList captions;
            for (int i = 0; i < 5; ++i) {
                const auto* item =
                    form->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(i));
                captions << item->text();
                EXPECT_EQ(item->isChecked(), i == 0);
            }
            EXPECT_EQ(captions,
                      QStringList({"česky", "deutsch", "nederlands", "english", "slovensky"}));
            EXPECT_FALSE(window->isVisible());
            EXPECT_TRUE(shell.links.empty()) << "the documentation opens after the form";
            form->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(option))->click();
            form->findChild<QPushButton*>("Command1")->click();
        });
        start();
        EXPECT_TRUE(shown);
        EXPECT_EQ(shell.links.size(), 1u);
    }
};

TEST_F(FirstStart, okWithoutChange_choosesCzechBeforeTheWindowShowsItsTexts) {
    startChoosing(0);
    EXPECT_EQ(readSetting(store, settings::kLanguage), "czech");
    EXPECT_EQ(window->catalogue().language(), Language::Czech);
    expectTicked(*window, "mnu_czech");
    EXPECT_EQ(action("mnu_subor")->text(), "Soubor");
    EXPECT_EQ(window->windowTitle(), "marlo-veen : Nový");
    EXPECT_EQ(headers(grid("Grid1")), QStringList({"Rozměr", "ks"}));
}

TEST_F(FirstStart, slovensky_choosesSlovakAndTheNextStartAsksNoMore) {
    startChoosing(4);
    EXPECT_EQ(readSetting(store, settings::kLanguage), "slovak");
    EXPECT_EQ(window->catalogue().language(), Language::Slovak);
    expectTicked(*window, "mnu_slovak");

    start();
    EXPECT_EQ(shell.links.size(), 1u);
    expectTicked(*window, "mnu_slovak");
}

TEST_F(Languages, about_showsTheVersionAndHandsTheMailAndDocumentationLinksToTheShell) {
    storeLaterStart(Language::Slovak);
    start();
    const QString version =
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
    withDialog([&] { QTest::mouseClick(find<QToolButton>("Command7_9"), Qt::LeftButton); },
               [&](QDialog* about) {
                   EXPECT_EQ(about->windowTitle(), "About");
                   EXPECT_EQ(about->findChild<QLabel*>("lbltxt_0")->text(), "MARLO-VEEN");
                   EXPECT_EQ(about->findChild<QLabel*>("Label4")->text(), "version " + version);
                   EXPECT_EQ(about->findChild<QLabel*>("Label2")->text(), "Documentation :");
                   const auto* mail = about->findChild<QLabel*>("Label1");
                   QTest::mouseClick(about->findChild<QLabel*>("Label1"), Qt::LeftButton);
                   ASSERT_EQ(shell.links.size(), 1u);
                   EXPECT_EQ(shell.links[0].toString(),
                             "mailto:" + mail->text() + "?subject=marlo-veen " + version);
                   QTest::mouseClick(about->findChild<QLabel*>("Label3"), Qt::LeftButton);
                   ASSERT_EQ(shell.links.size(), 2u);
                   EXPECT_TRUE(shell.links[1].toString().endsWith("/files/documentation-sk.pdf"));
                   EXPECT_EQ(about->findChild<QLabel*>("Label3")->text(),
                             shell.links[1].toString());
                   QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton);
                   EXPECT_FALSE(about->isVisible());
               });
}

TEST(AboutMailLink, buildsTheMailLinkWithoutEscapingAndWithoutASecondPrefix) {
    EXPECT_EQ(AboutDialog::mailLink("MailTo:help@firm.sk", "", ""), "MailTo:help@firm.sk");
    EXPECT_EQ(AboutDialog::mailLink("help@firm.sk", "marlo-veen 1.3.4", ""),
              "mailto:help@firm.sk?subject=marlo-veen 1.3.4");
    EXPECT_EQ(AboutDialog::mailLink("help@firm.sk", "", "Hi & bye"),
              "mailto:help@firm.sk?body=Hi & bye");
    EXPECT_EQ(AboutDialog::mailLink("mailto:help@firm.sk", "s", "b"),
              "mailto:help@firm.sk?subject=s&body=b");
    EXPECT_EQ(AboutDialog::mailLink("mail", "", ""), "mailto:mail") << "shorter than the prefix";

    RecordingShell shell;
    ScriptedDialogs dialogs;
    const StringCatalogue english(Language::English);
    WindowMessages messages(nullptr, dialogs, english);
    const QString manual = QStringLiteral("/opt/marlo-veen/files/documentation-en.pdf");
    AboutDialog about(shell, messages, QUrl::fromLocalFile(manual));
    about.openMail("help@firm.sk", "Q", "");
    ASSERT_EQ(shell.links.size(), 1u);
    EXPECT_EQ(shell.links[0].toString(), "mailto:help@firm.sk?subject=Q");
    EXPECT_TRUE(dialogs.messages.empty());

    // Without a mail program, or anything that opens the manual, a message names what failed.
    shell.opens = false;
    about.openMail("help@firm.sk", "Q", "");
    QTest::mouseClick(about.findChild<QLabel*>("Label3"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "No mail program could be opened for help@firm.sk");
    EXPECT_EQ(dialogs.messages[1].text, "The documentation cannot be opened: " + manual);
}

}  // namespace
}  // namespace marlo

#include "ui/main/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/DesktopTexts.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/OutputTexts.h"
#include "i18n/texts/RunControlTexts.h"
#include "i18n/texts/WindowImportTexts.h"
#include "ui/common/FormControls.h"

namespace marlo {

MainMenus::MainMenus(QMainWindow* window, WindowMessages& messages)
    : QObject(window), messages_(messages) {
    buildMenus(window);
    buildToolbar(window);
}

void MainMenus::buildMenus(QMainWindow* window) {
    auto action = [window](QWidget* owner, const char* name, const QKeySequence& shortcut = {}) {
        auto* item = new QAction(window);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(shortcut);
        owner->addAction(item);
        return item;
    };
    auto menu = [](QWidget* owner, const char* name) {
        auto* item = new QMenu(owner);
        item->setObjectName(QLatin1String(name));
        item->menuAction()->setObjectName(QLatin1String(name));
        owner->addAction(item->menuAction());
        return item;
    };

    MainCommands& c = commands_;
    QMenuBar* bar = window->menuBar();
    fileMenu_ = menu(bar, "mnu_subor");
    c.newJob = action(fileMenu_, "mnu_novy", QKeySequence(Qt::CTRL | Qt::Key_N));
    c.openJob = action(fileMenu_, "mnu_otvorit", QKeySequence(Qt::CTRL | Qt::Key_O));
    c.saveJob = action(fileMenu_, "mnu_ulozit", QKeySequence(Qt::CTRL | Qt::Key_S));
    c.saveJobAs = action(fileMenu_, "mnu_ulozit_ako");
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("nothing3"));
    c.importList = action(fileMenu_, "mnu_import_zoznamu");
    c.importPartsList = action(fileMenu_, "mnu_import_kusovnika");
    c.importPartsListWithColumns = action(fileMenu_, "mnu_import_kusovnika_stlpce");
    c.exportList = action(fileMenu_, "mnu_export_zoznamu");
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("nothing1"));
    c.print = action(fileMenu_, "mnu_tlacit", QKeySequence(Qt::CTRL | Qt::Key_P));
    c.exportPdf = action(fileMenu_, "mnu_export_pdf");
    c.printDiagram = action(fileMenu_, "mnu_tlacit_diagram");
    exportMenu_ = menu(fileMenu_, "mnu_export");
    c.exportSpreadsheet =
        action(exportMenu_, "mnu_export_excel", QKeySequence(Qt::CTRL | Qt::Key_E));
    c.exportText = action(exportMenu_, "mnu_export_subor", QKeySequence(Qt::CTRL | Qt::Key_T));
    c.exportDiagramPdf = action(exportMenu_, "mnu_export_diagram_pdf");
    c.exportDiagramSvg = action(exportMenu_, "mnu_export_diagram_svg");
    c.showDiagram = action(fileMenu_, "mnu_diagram", QKeySequence(Qt::CTRL | Qt::Key_D));
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("nothing4"));
    recentJobsMenu_ = menu(fileMenu_, "mnu_posledne_zakazky");
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("nothing2"));
    c.exit = action(fileMenu_, "mnu_exit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    editMenu_ = menu(bar, "mnu_upravy");
    c.undo = action(editMenu_, "mnu_spat", QKeySequence::Undo);
    c.redo = action(editMenu_, "mnu_znova", QKeySequence(Qt::CTRL | Qt::Key_Y));
    c.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    editMenu_->addSeparator()->setObjectName(QStringLiteral("nothing5"));
    c.pasteList = action(editMenu_, "mnu_vlozit_zoznam", QKeySequence::Paste);
    // The shortcut belongs to the cutting list (the main window adds the command to it), so that
    // Ctrl+V in a text box still pastes text.
    c.pasteList->setShortcutContext(Qt::WidgetShortcut);

    settingsMenu_ = menu(bar, "mnu_nastavenia");
    languageMenu_ = menu(settingsMenu_, "mnu_jazyk");
    // The language names are the same in every language.
    languageActions_ = {{{action(languageMenu_, "mnu_czech"), Language::Czech},
                         {action(languageMenu_, "mnu_german"), Language::German},
                         {action(languageMenu_, "mnu_dutch"), Language::Dutch},
                         {action(languageMenu_, "mnu_english"), Language::English},
                         {action(languageMenu_, "mnu_slovak"), Language::Slovak}}};
    const char* languageNames[] = {"Česky", "Deutsch", "Nederlands", "English", "Slovensky"};
    for (size_t i = 0; i < languageActions_.size(); ++i) {
        const auto [item, chosen] = languageActions_[i];
        item->setText(QString::fromUtf8(languageNames[i]));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, chosen] { emit languageChosen(chosen); });
    }
    c.parameters = action(settingsMenu_, "mnu_parametre");

    c.about = action(bar, "mnu_about");
    // F5 does what the Optimise button does: starts a run, or stops the run that is going.
    c.optimise = action(bar, "mnu_optimalizuj", QKeySequence(Qt::Key_F5));
}

void MainMenus::buildToolbar(QMainWindow* window) {
    QToolBar* toolbar = window->addToolBar(QString());
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setEnabled(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);

    // The buttons Command7_0 .. Command7_9 and the diagram button: picture, command, and whether
    // a separator follows.
    const MainCommands& c = commands_;
    const struct {
        const char* picture;
        QAction* command;
        bool separatorAfter;
    } buttons[] = {
        {"new", c.newJob, false},      {"open", c.openJob, false},
        {"save", c.saveJob, false},    {"save-as", c.saveJobAs, true},
        {"print", c.print, false},     {"excel", c.exportSpreadsheet, false},
        {"text", c.exportText, false}, {"diagram", c.showDiagram, true},
        {"close", c.exit, true},       {"parameters", c.parameters, false},
        {"about", c.about, false},
    };
    int numbered = 0;
    for (const auto& [pictureName, command, separatorAfter] : buttons) {
        // The diagram button came after the numbered ones; it keeps a name of its own.
        const QString name = command == c.showDiagram
                                 ? QStringLiteral("diagramButton")
                                 : QStringLiteral("Command7_%1").arg(numbered++);
        QToolButton* button = pictureButton(name, QLatin1String(pictureName), 24, toolbar);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, command, &QAction::trigger);
        toolbar->addWidget(button);
        if (separatorAfter) toolbar->addSeparator();
        toolbarButtons_.emplace_back(button, command);
    }
}

void MainMenus::loadTexts() {
    const MainCommands& c = commands_;
    fileMenu_->setTitle(messages_.text(core_text::kFileMenu));
    c.newJob->setText(messages_.text(core_text::kNew));
    c.openJob->setText(messages_.text(core_text::kOpen));
    c.saveJob->setText(messages_.text(core_text::kSave));
    c.saveJobAs->setText(messages_.text(core_text::kSaveAs));
    c.importList->setText(messages_.text(desktop_text::kImportList));
    c.exportList->setText(messages_.text(desktop_text::kExportList));
    c.importPartsList->setText(messages_.text(window_import_text::kImportPartsList));
    c.importPartsListWithColumns->setText(messages_.text(window_import_text::kImportWithColumns));
    recentJobsMenu_->setTitle(messages_.text(desktop_text::kRecentJobs));
    editMenu_->setTitle(messages_.text(desktop_text::kEditMenu));
    c.undo->setText(messages_.text(run_text::kUndo));
    c.redo->setText(messages_.text(run_text::kRedo));
    c.pasteList->setText(messages_.text(desktop_text::kPasteList));
    c.print->setText(messages_.text(core_text::kPrint));
    c.exportPdf->setText(messages_.text(output_text::kExportPdf));
    exportMenu_->setTitle(messages_.text(core_text::kExport));
    c.exportSpreadsheet->setText(messages_.text(core_text::kExcel));
    c.exportText->setText(messages_.text(core_text::kText));
    c.exit->setText(messages_.text(core_text::kClose));
    settingsMenu_->setTitle(messages_.text(core_text::kSettingsMenu));
    c.parameters->setText(messages_.text(core_text::kParameters));
    languageMenu_->setTitle(messages_.text(core_text::kLanguage));
    c.about->setText(messages_.text(core_text::kAbout));
    c.optimise->setText(messages_.text(core_text::kOptimise));
    c.showDiagram->setText(messages_.text(diagram_text::kTitle));
    c.printDiagram->setText(messages_.text(diagram_text::kPrint));
    c.exportDiagramPdf->setText(messages_.text(diagram_text::kExportPdf));
    c.exportDiagramSvg->setText(messages_.text(diagram_text::kExportSvg));
    // A toolbar button's tip is the text of its command.
    for (const auto& [button, command] : toolbarButtons_) button->setToolTip(command->text());
}

void MainMenus::showLanguageTicks(Language current) {
    for (const auto& [item, language] : languageActions_) item->setChecked(current == language);
}

void MainMenus::enableResultCommands(bool enabled) {
    const MainCommands& c = commands_;
    for (QAction* command :
         {c.print, c.exportPdf, exportMenu_->menuAction(), c.exportText, c.exportSpreadsheet,
          c.printDiagram, c.exportDiagramPdf, c.exportDiagramSvg})
        command->setEnabled(enabled);
    for (const auto& [button, command] : toolbarButtons_) {
        if (command == c.print || command == c.exportSpreadsheet || command == c.exportText)
            button->setEnabled(enabled);
    }
}

}  // namespace marlo

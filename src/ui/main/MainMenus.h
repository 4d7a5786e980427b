#pragma once

#include <QObject>
#include <array>
#include <utility>
#include <vector>

#include "i18n/Language.h"
#include "ui/common/WindowMessages.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;

namespace marlo {

// The commands of the main window's menus. Each toolbar button triggers one of them.
struct MainCommands {
    QAction* newJob;
    QAction* openJob;
    QAction* saveJob;
    QAction* saveJobAs;
    QAction* print;
    QAction* exportPdf;
    QAction* exportSpreadsheet;
    QAction* exportText;
    QAction* exit;
    QAction* parameters;
    QAction* about;
    QAction* optimise;
    QAction* undo;       // Ctrl+Z
    QAction* redo;       // Ctrl+Y, Ctrl+Shift+Z
    QAction* pasteList;  // Ctrl+V while the cutting list has the focus
    QAction* importList;
    QAction* exportList;
    QAction* importPartsList;             // a parts list as a new production job
    QAction* importPartsListWithColumns;  // the same, the columns chosen by the operator
    QAction* showDiagram;
    QAction* printDiagram;
    QAction* exportDiagramPdf;
    QAction* exportDiagramSvg;
};

// The menu bar and the toolbar of the main window: builds them, gives them their texts and keeps
// the language ticks and the result commands' state. What a command does is connected by the
// main window; a new command is a new action here (built in the constructor, its text in
// loadTexts) and, when it needs a toolbar button, a new row in the toolbar table.
class MainMenus : public QObject {
    Q_OBJECT

  public:
    MainMenus(QMainWindow* window, WindowMessages& messages);

    const MainCommands& commands() const { return commands_; }
    // The File menu, which other command groups add their commands to.
    QMenu* fileMenu() const { return fileMenu_; }
    // The File menu's submenu of the last job files, filled by RecentJobsMenu.
    QMenu* recentJobsMenu() const { return recentJobsMenu_; }
    void loadTexts();
    void showLanguageTicks(Language current);
    // Print and the exports (PDF, text, spreadsheet, diagram), in the menu and on the toolbar.
    void enableResultCommands(bool enabled);

  signals:
    void languageChosen(Language chosen);

  private:
    void buildMenus(QMainWindow* window);
    void buildToolbar(QMainWindow* window);

    WindowMessages& messages_;
    MainCommands commands_{};
    QMenu* fileMenu_;
    QMenu* exportMenu_;
    QMenu* recentJobsMenu_;
    QMenu* editMenu_;
    QMenu* settingsMenu_;
    QMenu* languageMenu_;
    std::array<std::pair<QAction*, Language>, 5> languageActions_{};
    // Each toolbar button with the command it triggers.
    std::vector<std::pair<QToolButton*, QAction*>> toolbarButtons_;
};

}  // namespace marlo

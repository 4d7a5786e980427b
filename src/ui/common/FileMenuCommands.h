#pragma once

class QAction;
class QMenu;
class QWidget;

namespace marlo {

// A command that a part of the window adds to the File menu, after the menu's own commands and
// before the recent jobs (`nothing4`), named `name`.
QAction* addFileCommand(QWidget* window, QMenu* fileMenu, const char* name);
// The separator that opens such a group of commands, named `name`.
void addFileSeparator(QMenu* fileMenu, const char* name);

}  // namespace marlo

#pragma once

class QPushButton;
class QTableWidget;
class QWidget;

namespace marlo {

// A button of the Stock window: named for tests and automation, never the dialog's default, so
// that Enter stays with the box or cell it is typed in.
QPushButton* stockButton(QWidget* parent, const char* name);

// A table of the Stock window: whole rows selected one at a time, rows as high as a line of text,
// columns ten digits wide, the last one stretched, sorted by a click on a heading and in the
// store's order until then.
QTableWidget* stockTable(QWidget* parent, const char* name, int columns);

}  // namespace marlo

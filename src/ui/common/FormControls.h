#pragma once

#include <QSize>
#include <QString>
#include <initializer_list>
#include <string>

class QLabel;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;
class QWidget;

namespace marlo {

// The building blocks the parts of the main window share: named controls, the two grids' set-up
// and measures, and captions sized for every language.

// The height of a grid row, header included, in twips.
inline constexpr int kGridRowTwips = 240;

QString qText(const std::string& text);

QTableWidgetItem* centredItem(const QString& text);
QLabel* namedLabel(const QString& name, QWidget* parent);
// A button showing one of the program's pictures, reached by Tab but not taking the focus by a
// click.
QToolButton* pictureButton(const QString& name, const QString& pictureName, int iconSize,
                           QWidget* parent);

// Whole rows selected, no editing in place, fixed row heights and no row header.
void setUpGrid(QTableWidget* grid);
// The size of a grid that shows `visibleRows` rows (header included) of columns `dataWidth` wide,
// with or without scroll bars.
QSize gridSize(const QTableWidget* grid, int visibleRows, int dataWidth, bool horizontalBar,
               bool verticalBar);
// Sizes the grid to show `visibleRows` rows, with the scroll bars asked for.
void fitGrid(QTableWidget* grid, int visibleRows, int dataWidth, bool horizontalBar,
             bool verticalBar);

// A grid's room is a widget that holds the grid, whose minimum is the designed size and which may
// grow with the window. The rows it shows (header included): the designed rows, and one more for
// every row height the room has grown by.
int roomRows(const QWidget* room, int designedRows);

// The width of the widest text of these offsets in any language: captions get the room of their
// longest translation, so that the window keeps its layout in every language.
int widestCaption(const QLabel* label, std::initializer_list<int> offsets);

}  // namespace marlo

#pragma once

#include <QWidget>

#include "diagram/DiagramLayout.h"

class QAction;
class QScrollArea;
class QToolBar;

namespace marlo {

class DiagramCanvas;

// The window of the cutting diagram: the pages of the shown result, scrollable, zoomed with
// Ctrl and the mouse wheel, with the diagram's print and export commands above them. It shows
// what it is given and is emptied when the result goes.
class DiagramWindow : public QWidget {
    Q_OBJECT

  public:
    explicit DiagramWindow(QWidget* parent);

    // The print and export commands of the diagram, shown on the window's own toolbar.
    void addCommands(const QList<QAction*>& commands);
    void loadTexts(const QString& title);
    void showDiagram(DiagramLayout layout);
    void clear();

    DiagramCanvas* canvas() const { return canvas_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Zooms by the wheel's turn, keeping the point under the mouse where it is.
    void zoomAt(QPointF viewportPoint, int wheelAngle);

    QToolBar* toolbar_;
    QScrollArea* scroll_;
    DiagramCanvas* canvas_;
};

}  // namespace marlo

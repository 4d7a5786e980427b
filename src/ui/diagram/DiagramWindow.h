#pragma once

#include <QWidget>

#include "diagram/DiagramLayout.h"

class QAction;
class QScrollArea;
class QToolBar;

namespace marlo {

class DiagramCanvas;

// The window of the cutting diagram: the pages of the shown result, scrollable, zoomed with
// Ctrl and the mouse wheel or with the zoom commands (Ctrl+plus, Ctrl+minus, Ctrl+0), with the
// diagram's print, export and zoom commands above them. It shows
// what it is given and is emptied when the result goes.
class DiagramWindow : public QWidget {
    Q_OBJECT

  public:
    explicit DiagramWindow(QWidget* parent);

    // The print and export commands of the diagram, shown on the window's own toolbar.
    void addCommands(const QList<QAction*>& commands);
    void loadTexts(const QString& title);
    void loadZoomTexts(const QString& zoomIn, const QString& zoomOut, const QString& actualSize);
    void showDiagram(DiagramLayout layout);
    void clear();

    DiagramCanvas* canvas() const { return canvas_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Zooms by notches of the wheel in (positive) or out (negative), or back to the real size
    // (0), keeping the middle of the view in place.
    void zoomStep(int notches);
    // Zooms to `zoom`, keeping the canvas point under the viewport point where it is.
    void zoomTo(QPointF viewportPoint, double zoom);
    void addZoomCommands();

    QToolBar* toolbar_;
    QAction* zoomIn_;
    QAction* zoomOut_;
    QAction* actualSize_;
    QScrollArea* scroll_;
    DiagramCanvas* canvas_;
};

}  // namespace marlo

#pragma once

#include <QWidget>

#include "diagram/DiagramLayout.h"

namespace marlo {

// The pages of the cutting diagram one below another on a grey ground, at a zoom factor of
// their real size on the screen. Its size follows the pages and the zoom, for a scroll area;
// without pages it takes no room.
class DiagramCanvas : public QWidget {
    Q_OBJECT

  public:
    static constexpr double kLeastZoom = 0.25;
    static constexpr double kMostZoom = 4.0;

    explicit DiagramCanvas(QWidget* parent = nullptr);

    void showDiagram(DiagramLayout layout);
    const DiagramLayout& diagram() const { return diagram_; }
    // Kept between the least and the most zoom.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // Screen pixels per millimetre of the diagram at the current zoom.
    double pixelsPerMm() const;
    // The margin around the pages, in pixels.
    static constexpr int kMargin = 12;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void fitSize();

    DiagramLayout diagram_;
    double zoom_ = 1.0;
};

}  // namespace marlo

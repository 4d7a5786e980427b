#include "ui/main/OpeningAnimation.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/common/Twips.h"

namespace marlo {

namespace {

constexpr int kAnimationStepTwips = 90;

}  // namespace

void growIntoView(QWidget& window, QSize designed) {
    const int width = designed.width();
    const int height = designed.height();
    const int step = pixels(kAnimationStepTwips);
    // The window system keeps a window at least one pixel in each direction.
    window.setMinimumSize(1, 1);
    window.setMaximumSize(width, height);
    window.resize(1, 1);
    if (const QScreen* screen = window.screen()) {
        // Centred; on a screen too small for it, the menus stay in reach.
        const QRect available = screen->availableGeometry();
        window.move(available.left() + std::max(0, (available.width() - width) / 2),
                    available.top() + std::max(0, (available.height() - height) / 2));
    }
    window.show();
    for (int w = window.width(); w <= width; w += step) {
        window.resize(w, 1);
        QCoreApplication::processEvents();
    }
    for (int h = window.height(); h <= height; h += step) {
        window.resize(width, h);
        QCoreApplication::processEvents();
    }
    window.setMinimumSize(width, height);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

}  // namespace marlo

#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

class QLabel;
class QSvgRenderer;
class QTimer;

namespace marlo {

// The splash window: a rounded 400 x 300 picture with the version. On its third timer tick
// (500 ms each) it runs `showMainWindow` and closes itself.
class SplashScreen : public QWidget {
    Q_OBJECT

  public:
    explicit SplashScreen(std::function<void()> showMainWindow, QWidget* parent = nullptr);
    ~SplashScreen() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void countTick();

    std::function<void()> showMainWindow_;
    int16_t ticks_ = 0;
    QSvgRenderer* picture_;
    QLabel* versionLabel_;
    QTimer* timer_;
};

}  // namespace marlo

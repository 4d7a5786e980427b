#include "ui/startup/SplashScreen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

#include "ui/common/ProgramStyle.h"
#include "version.h"

namespace marlo {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kCornerEllipse = 20;

}  // namespace

SplashScreen::SplashScreen(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      showMainWindow_(std::move(showMainWindow)),
      picture_(new QSvgRenderer(picturePath(QStringLiteral("splash")), this)),
      versionLabel_(new QLabel(this)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("uvod"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kWidth, kHeight);

    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, kWidth, kHeight), kCornerEllipse / 2.0, kCornerEllipse / 2.0);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));

    versionLabel_->setObjectName(QStringLiteral("Label4"));
    versionLabel_->setText(QStringLiteral("rev ") + QString::fromLatin1(kVersionText));
    versionLabel_->setStyleSheet(QStringLiteral("color: #c9d3dd;"));
    versionLabel_->adjustSize();
    versionLabel_->move(kWidth - versionLabel_->width() - 40,
                        kHeight - versionLabel_->height() - 30);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &SplashScreen::countTick);
    timer_->start();
}

SplashScreen::~SplashScreen() = default;

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_->render(&painter, QRectF(rect()));
}

void SplashScreen::countTick() {
    ++ticks_;
    if (ticks_ <= 2) return;
    timer_->stop();
    showMainWindow_();
    close();
}

}  // namespace marlo

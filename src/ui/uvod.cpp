#include "ui/uvod.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

#include "ui/ProgramStyle.h"
#include "version.h"

namespace marlo {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kCornerEllipse = 20;

}  // namespace

uvod::uvod(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      showMainWindow_(std::move(showMainWindow)),
      picture_(new QSvgRenderer(picturePath(QStringLiteral("splash")), this)),
      Label4_(new QLabel(this)),
      Timer1_(new QTimer(this)) {
    setObjectName(QStringLiteral("uvod"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kWidth, kHeight);

    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, kWidth, kHeight), kCornerEllipse / 2.0, kCornerEllipse / 2.0);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));

    Label4_->setObjectName(QStringLiteral("Label4"));
    Label4_->setText(QStringLiteral("rev ") + QString::fromLatin1(kVersionText));
    Label4_->setStyleSheet(QStringLiteral("color: #c9d3dd;"));
    Label4_->adjustSize();
    Label4_->move(kWidth - Label4_->width() - 40, kHeight - Label4_->height() - 30);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(500);
    connect(Timer1_, &QTimer::timeout, this, &uvod::Timer1_Timer);
    Timer1_->start();
}

uvod::~uvod() = default;

void uvod::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_->render(&painter, QRectF(rect()));
}

void uvod::Timer1_Timer() {
    ++ticks_;
    if (ticks_ <= 2) return;
    Timer1_->stop();
    showMainWindow_();
    close();
}

}  // namespace marlo

#include "ui/About.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "ui/DocumentationLink.h"
#include "ui/Twips.h"
#include "version.h"

namespace marlo {

namespace {

const QString kMailPrefix = QStringLiteral("mailto:");
const QString kSupportAddress = QStringLiteral(MARLO_SUPPORT_MAIL);

QString versionNumbers() {
    return QString::fromLatin1(kVersionText);
}

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// A label that reads as a link: blue, with the hand pointer.
void showAsLink(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
}

}  // namespace

About::About(Shell& shell, QWidget* parent)
    : QDialog(parent),
      shell_(shell),
      documentation_(documentationLink()),
      lbltxt_0_(namedLabel(QStringLiteral("lbltxt_0"), QStringLiteral("MARLO-VEEN"), this)),
      lbltxt_1_(namedLabel(QStringLiteral("lbltxt_1"),
                           QStringLiteral("Cutting optimisation of stock rods"), this)),
      Label4_(namedLabel(QStringLiteral("Label4"), QString(), this)),
      Label1_(namedLabel(QStringLiteral("Label1"), kSupportAddress, this)),
      Label2_(namedLabel(QStringLiteral("Label2"), QStringLiteral("Documentation :"), this)),
      Label3_(namedLabel(QStringLiteral("Label3"), documentation_.toString(), this)),
      Command1_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    Label4_->setText(QStringLiteral("version ") + versionNumbers());
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setFixedSize(pixels(855), pixels(375));
    Command1_->setDefault(true);
    for (QLabel* link : {Label1_, Label3_}) {
        showAsLink(link);
        link->installEventFilter(this);
    }

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(pixels(360), pixels(240), pixels(360), pixels(240));
    layout->setHorizontalSpacing(pixels(360));
    layout->setVerticalSpacing(pixels(120));
    layout->addWidget(lbltxt_0_, 0, 0);
    layout->addWidget(Label4_, 0, 1, Qt::AlignRight);
    layout->addWidget(lbltxt_1_, 1, 0, 1, 2);
    layout->addWidget(Label1_, 2, 0);
    layout->addWidget(Command1_, 2, 1, Qt::AlignRight);
    layout->setRowMinimumHeight(3, pixels(120));
    layout->addWidget(Label2_, 4, 0, 1, 2);
    layout->addWidget(Label3_, 5, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
}

bool About::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label1_) Label1_Click();
        if (watched == Label3_) Label3_Click();
    }
    return QDialog::eventFilter(watched, event);
}

void About::Label1_Click() {
    OpenEmail(kSupportAddress, QStringLiteral("marlo-veen ") + versionNumbers(), QString());
}

void About::Label3_Click() {
    shell_.openLink(documentation_);
}

void About::OpenEmail(const QString& address, const QString& subject, const QString& body) {
    shell_.openLink(QUrl(mailLink(address, subject, body)));
}

QString About::mailLink(const QString& address, const QString& subject, const QString& body) {
    QString link = address;
    if (address.left(kMailPrefix.size()).toLower() != kMailPrefix) link.prepend(kMailPrefix);
    if (!subject.isEmpty()) link += QStringLiteral("?subject=") + subject;
    if (!body.isEmpty())
        link += (subject.isEmpty() ? QStringLiteral("?") : QStringLiteral("&")) +
                QStringLiteral("body=") + body;
    return link;
}

}  // namespace marlo

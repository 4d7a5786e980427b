#include "ui/about/AboutDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <utility>

#include "i18n/texts/OutputTexts.h"
#include "ui/about/DocumentationLink.h"
#include "ui/common/Twips.h"
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

AboutDialog::AboutDialog(Shell& shell, WindowMessages& messages, QUrl documentation,
                         QWidget* parent)
    : QDialog(parent),
      shell_(shell),
      messages_(messages),
      documentation_(std::move(documentation)),
      nameLabel_(namedLabel(QStringLiteral("lbltxt_0"), QStringLiteral("MARLO-VEEN"), this)),
      descriptionLabel_(namedLabel(QStringLiteral("lbltxt_1"),
                                   QStringLiteral("Cutting optimisation of stock rods"), this)),
      versionLabel_(namedLabel(QStringLiteral("Label4"), QString(), this)),
      mailLink_(namedLabel(QStringLiteral("Label1"), kSupportAddress, this)),
      documentationCaption_(
          namedLabel(QStringLiteral("Label2"), QStringLiteral("Documentation :"), this)),
      documentationLink_(namedLabel(QStringLiteral("Label3"), documentation_.toString(), this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    versionLabel_->setText(QStringLiteral("version ") + versionNumbers());
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setFixedSize(pixels(855), pixels(375));
    okButton_->setDefault(true);
    for (QLabel* link : {mailLink_, documentationLink_}) {
        showAsLink(link);
        link->installEventFilter(this);
    }

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(pixels(360), pixels(240), pixels(360), pixels(240));
    layout->setHorizontalSpacing(pixels(360));
    layout->setVerticalSpacing(pixels(120));
    layout->addWidget(nameLabel_, 0, 0);
    layout->addWidget(versionLabel_, 0, 1, Qt::AlignRight);
    layout->addWidget(descriptionLabel_, 1, 0, 1, 2);
    layout->addWidget(mailLink_, 2, 0);
    layout->addWidget(okButton_, 2, 1, Qt::AlignRight);
    layout->setRowMinimumHeight(3, pixels(120));
    layout->addWidget(documentationCaption_, 4, 0, 1, 2);
    layout->addWidget(documentationLink_, 5, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == mailLink_) startSupportMail();
        if (watched == documentationLink_) openDocumentation();
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::startSupportMail() {
    openMail(kSupportAddress, QStringLiteral("marlo-veen ") + versionNumbers(), QString());
}

void AboutDialog::openDocumentation() {
    marlo::openDocumentation(shell_, messages_, documentation_);
}

void AboutDialog::openMail(const QString& address, const QString& subject, const QString& body) {
    if (!shell_.openLink(QUrl(mailLink(address, subject, body))))
        messages_.showError(output_text::kCannotOpenMail, address);
}

QString AboutDialog::mailLink(const QString& address, const QString& subject, const QString& body) {
    QString link = address;
    if (address.left(kMailPrefix.size()).toLower() != kMailPrefix) link.prepend(kMailPrefix);
    if (!subject.isEmpty()) link += QStringLiteral("?subject=") + subject;
    if (!body.isEmpty())
        link += (subject.isEmpty() ? QStringLiteral("?") : QStringLiteral("&")) +
                QStringLiteral("body=") + body;
    return link;
}

}  // namespace marlo

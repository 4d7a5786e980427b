#include "ui/job/ItemEditDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "i18n/texts/CoreTexts.h"
#include "model/NumericText.h"
#include "ui/common/EntryBoxes.h"
#include "ui/common/Twips.h"

namespace marlo {

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

// Refuses a box that does not hold an accepted number: its text is selected for retyping.
bool checkEntry(QLineEdit* box) {
    if (isAcceptedNumber(box->text().toStdString())) return true;
    box->setFocus();
    box->selectAll();
    return false;
}

}  // namespace

ItemEditDialog::ItemEditDialog(const StringCatalogue& catalogue, const CutItem& row,
                               QWidget* parent)
    : QDialog(parent),
      initial_(row),
      dimensionCaption_(new QLabel(qText(catalogue.text(core_text::kDimension)), this)),
      piecesCaption_(new QLabel(qText(catalogue.text(core_text::kPieces)), this)),
      dimensionBox_(new QLineEdit(qText(row.dimension), this)),
      piecesBox_(new QLineEdit(qText(row.pieces), this)),
      okButton_(new QPushButton(qText(catalogue.text(core_text::kOk)), this)),
      cancelButton_(new QPushButton(qText(catalogue.text(core_text::kCancel)), this)) {
    setObjectName(QStringLiteral("edit"));
    setWindowTitle(qText(catalogue.text(core_text::kEditLower)));
    setModal(true);
    dimensionCaption_->setObjectName(QStringLiteral("Label1"));
    piecesCaption_->setObjectName(QStringLiteral("Label2"));
    dimensionBox_->setObjectName(QStringLiteral("Text1"));
    piecesBox_->setObjectName(QStringLiteral("Text2"));
    okButton_->setObjectName(QStringLiteral("Command1"));
    cancelButton_->setObjectName(QStringLiteral("Command2"));

    // Enter belongs to the entry boxes: it moves on, and in the last box runs OK. On a focused
    // button it presses that button.
    for (QPushButton* button : {okButton_, cancelButton_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        EnterClicksButton::install(button);
        button->setMinimumWidth(pixels(1200));
    }
    for (QLineEdit* box : {dimensionBox_, piecesBox_}) {
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(pixels(1500));
        SelectAllOnFocus::install(box);
        ArrowKeysStepValue::install(box);
    }
    dimensionCaption_->setBuddy(dimensionBox_);
    piecesCaption_->setBuddy(piecesBox_);

    auto* fields = new QGridLayout;
    fields->addWidget(dimensionCaption_, 0, 0);
    fields->addWidget(dimensionBox_, 0, 1);
    fields->addWidget(piecesCaption_, 1, 0);
    fields->addWidget(piecesBox_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(pixels(120));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(dimensionBox_, &QLineEdit::returnPressed, piecesBox_, qOverload<>(&QWidget::setFocus));
    connect(piecesBox_, &QLineEdit::returnPressed, this, &ItemEditDialog::acceptChangedRow);
    connect(okButton_, &QPushButton::clicked, this, &ItemEditDialog::acceptChangedRow);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    dimensionBox_->setFocus();
}

CutItem ItemEditDialog::item() const {
    return {dimensionBox_->text().toStdString(), piecesBox_->text().toStdString()};
}

void ItemEditDialog::acceptChangedRow() {
    if (item() == initial_) {
        reject();
        return;
    }
    if (!checkEntry(dimensionBox_) || !checkEntry(piecesBox_)) return;
    accept();
}

}  // namespace marlo

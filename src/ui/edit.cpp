#include "ui/edit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/EntryBoxes.h"
#include "ui/NumericEntry.h"
#include "ui/Twips.h"

namespace marlo {

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

// Refuses a box that does not hold an accepted number: its text is selected for retyping.
bool checkEntry(QLineEdit* box) {
    if (isAcceptedEntry(box->text().toStdString())) return true;
    box->setFocus();
    box->selectAll();
    return false;
}

}  // namespace

edit::edit(const StringCatalogue& catalogue, const CutItem& row, QWidget* parent)
    : QDialog(parent),
      initial_(row),
      Label1_(new QLabel(qText(catalogue.text(4)), this)),
      Label2_(new QLabel(qText(catalogue.text(5)), this)),
      Text1_(new QLineEdit(qText(row.dimension), this)),
      Text2_(new QLineEdit(qText(row.pieces), this)),
      Command1_(new QPushButton(qText(catalogue.text(39)), this)),
      Command2_(new QPushButton(qText(catalogue.text(40)), this)) {
    setObjectName(QStringLiteral("edit"));
    setWindowTitle(qText(catalogue.text(68)));
    setModal(true);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label2_->setObjectName(QStringLiteral("Label2"));
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text2_->setObjectName(QStringLiteral("Text2"));
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command2_->setObjectName(QStringLiteral("Command2"));

    // Enter belongs to the entry boxes: it moves on, and in the last box runs OK.
    for (QPushButton* button : {Command1_, Command2_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setMinimumWidth(pixels(1200));
    }
    for (QLineEdit* box : {Text1_, Text2_}) {
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(pixels(1500));
        SelectAllOnFocus::install(box);
        ArrowKeysStepValue::install(box);
    }
    Label1_->setBuddy(Text1_);
    Label2_->setBuddy(Text2_);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1_, 0, 0);
    fields->addWidget(Text1_, 0, 1);
    fields->addWidget(Label2_, 1, 0);
    fields->addWidget(Text2_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1_);
    buttons->addWidget(Command2_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(pixels(120));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Text1_, &QLineEdit::returnPressed, Text2_, qOverload<>(&QWidget::setFocus));
    connect(Text2_, &QLineEdit::returnPressed, this, &edit::Command1_Click);
    connect(Command1_, &QPushButton::clicked, this, &edit::Command1_Click);
    connect(Command2_, &QPushButton::clicked, this, &QDialog::reject);
    Text1_->setFocus();
}

CutItem edit::item() const {
    return {Text1_->text().toStdString(), Text2_->text().toStdString()};
}

void edit::Command1_Click() {
    if (item() == initial_) {
        reject();
        return;
    }
    if (!checkEntry(Text1_) || !checkEntry(Text2_)) return;
    accept();
}

}  // namespace marlo

#include "ui/labels/LabelDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "i18n/texts/SawOutputTexts.h"
#include "labels/LabelComposer.h"
#include "ui/labels/LabelPreview.h"

namespace marlo {

namespace {

QString text(const StringCatalogue& catalogue, int offset) {
    return QString::fromStdString(catalogue.text(offset));
}

}  // namespace

LabelDialog::LabelDialog(QWidget* parent, const StringCatalogue& catalogue,
                         std::vector<PieceLabel> labels, std::vector<OffcutLabel> offcuts,
                         const LabelSettings& initial)
    : QDialog(parent),
      catalogue_(catalogue),
      labels_(std::move(labels)),
      offcuts_(std::move(offcuts)) {
    setObjectName(QStringLiteral("LabelDialog"));
    setWindowTitle(text(catalogue, saw_text::kLabels));
    layoutBox_ = new QComboBox(this);
    layoutBox_->setObjectName(QStringLiteral("layoutBox"));
    const std::vector<LabelSheetLayout>& layouts = labelSheetLayouts();
    for (size_t i = 0; i < layouts.size(); ++i)
        layoutBox_->addItem(text(catalogue, saw_text::kFirstLayoutName + static_cast<int>(i)),
                            QString::fromStdString(layouts[i].name));
    layoutBox_->setCurrentIndex(
        std::max(0, layoutBox_->findData(QString::fromStdString(initial.layout))));
    startBox_ = new QSpinBox(this);
    startBox_->setObjectName(QStringLiteral("startBox"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("labelSummary"));
    preview_ = new LabelPreview(this);

    auto* fields = new QFormLayout;
    fields->addRow(text(catalogue, saw_text::kLayout), layoutBox_);
    fields->addRow(text(catalogue, saw_text::kStartAt), startBox_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(text(catalogue, 39));
    buttons->button(QDialogButtonBox::Cancel)->setText(text(catalogue, 40));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addWidget(preview_, 1);
    column->addWidget(summary_);
    column->addWidget(buttons);
    resize(460, 640);

    const auto layoutChanged = [this] {
        const LabelSheetLayout* layout =
            findLabelSheetLayout(layoutBox_->currentData().toString().toStdString());
        startBox_->setRange(1, layout->labelsPerPage());
        startBox_->setEnabled(!layout->isRoll());
        recompose();
    };
    layoutChanged();
    startBox_->setValue(initial.start);
    connect(layoutBox_, &QComboBox::currentIndexChanged, this, layoutChanged);
    connect(startBox_, &QSpinBox::valueChanged, this, &LabelDialog::recompose);
    recompose();
}

LabelSettings LabelDialog::choice() const {
    return {layoutBox_->currentData().toString().toStdString(), startBox_->value()};
}

PagedDocument LabelDialog::document() const {
    const LabelSettings chosen = choice();
    return composePieceAndOffcutLabels(labels_, offcuts_, *findLabelSheetLayout(chosen.layout),
                                       chosen.start, catalogue_);
}

void LabelDialog::recompose() {
    const LabelSettings chosen = choice();
    const LabelSheetLayout& layout = *findLabelSheetLayout(chosen.layout);
    // Only the first sheet is shown: a job of thousands of pieces keeps the dialog quick.
    const auto perPage = static_cast<size_t>(layout.labelsPerPage());
    const auto skipped = static_cast<size_t>(chosen.start - 1);
    const size_t count = labels_.size() + offcuts_.size();
    const size_t onFirstPage = std::min(count, perPage - skipped);
    const size_t piecesFirst = std::min(labels_.size(), onFirstPage);
    const std::vector<PieceLabel> first(labels_.begin(),
                                        labels_.begin() + static_cast<ptrdiff_t>(piecesFirst));
    const std::vector<OffcutLabel> offcutsFirst(
        offcuts_.begin(), offcuts_.begin() + static_cast<ptrdiff_t>(onFirstPage - piecesFirst));
    preview_->setDocument(
        composePieceAndOffcutLabels(first, offcutsFirst, layout, chosen.start, catalogue_), layout);
    const size_t pages = (skipped + count + perPage - 1) / perPage;
    summary_->setText(text(catalogue_, saw_text::kLabels) + QStringLiteral(": %1    ").arg(count) +
                      text(catalogue_, saw_text::kPages) + QStringLiteral(": %1").arg(pages));
}

}  // namespace marlo

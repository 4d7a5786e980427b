#include "ui/production/RefusedRowsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "i18n/texts/PartsListTexts.h"
#include "i18n/texts/WindowImportTexts.h"
#include "partslist/PartRow.h"
#include "ui/common/FormControls.h"

namespace marlo {

namespace {

// The grid's columns: the row's number and reason, then the parts' columns.
constexpr int kReasonColumn = 1;
constexpr int kFirstCellColumn = 2;

// The cells as the operator sees and types them: as typed text, so that "1,250" is refused as
// ambiguous whatever kind of file the row came from.
PartRowRead readRow(const RefusedRow& row) {
    PartRowRules rules;
    for (std::size_t i = 0; i < kPartColumnCount; ++i) rules.places[i] = i;
    rules.typedNumbers = true;
    const SheetRow cells{row.problem.row, {row.cells.begin(), row.cells.end()}};
    return readPartRow(cells, rules);
}

QString reasonText(const RowProblem& problem, const WindowMessages& messages) {
    QString text = messages.text(problem.reason);
    if (!problem.cell.empty()) text += QStringLiteral(": ") + qText(problem.cell);
    return text;
}

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

RefusedRowsDialog::RefusedRowsDialog(QWidget* parent, const WindowMessages& messages,
                                     std::vector<RefusedRow> rows)
    : QDialog(parent), messages_(messages), rows_(std::move(rows)) {
    setObjectName(QStringLiteral("RefusedRows"));
    setWindowTitle(messages.text(window_import_text::kRefusedTitle));
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(messages.text(window_import_text::kRefusedExplanation), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    grid_ = new QTableWidget(static_cast<int>(rows_.size()),
                             kFirstCellColumn + static_cast<int>(kPartColumnCount), this);
    grid_->setObjectName(QStringLiteral("RefusedRowsGrid"));
    QStringList captions{messages.text(window_import_text::kRowColumn),
                         messages.text(window_import_text::kReasonColumn)};
    for (int i = 0; i < static_cast<int>(kPartColumnCount); ++i)
        captions << messages.text(parts_text::kFirstColumnName + i);
    grid_->setHorizontalHeaderLabels(captions);
    grid_->verticalHeader()->hide();
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const RefusedRow& row = rows_[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, fixedItem(QString::number(row.problem.row)));
        grid_->setItem(r, kReasonColumn, fixedItem(reasonText(row.problem, messages)));
        for (std::size_t c = 0; c < kPartColumnCount; ++c)
            grid_->setItem(r, kFirstCellColumn + static_cast<int>(c),
                           new QTableWidgetItem(qText(row.cells[c])));
    }
    grid_->resizeColumnsToContents();
    connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() >= kFirstCellColumn) rowEdited(item->row());
    });
    layout->addWidget(grid_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("RefusedRowsButtons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("RefusedRowsOk"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(900, 400);
}

RefusedRow RefusedRowsDialog::shownRow(int row) const {
    RefusedRow shown = rows_[static_cast<std::size_t>(row)];
    for (std::size_t c = 0; c < kPartColumnCount; ++c)
        shown.cells[c] =
            grid_->item(row, kFirstCellColumn + static_cast<int>(c))->text().toStdString();
    return shown;
}

void RefusedRowsDialog::rowEdited(int row) {
    const PartRowRead read = readRow(shownRow(row));
    grid_->item(row, kReasonColumn)
        ->setText(read.part ? QString() : reasonText(read.refusal, messages_));
}

RefusedRowsDialog::Outcome RefusedRowsDialog::outcome() const {
    Outcome outcome;
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        if (result() != QDialog::Accepted) {
            outcome.refused.push_back(rows_[static_cast<std::size_t>(r)].problem);
            continue;
        }
        PartRowRead read = readRow(shownRow(r));
        for (RowProblem& warning : read.warnings) outcome.warnings.push_back(std::move(warning));
        if (read.part)
            outcome.parts.push_back(std::move(*read.part));
        else
            outcome.refused.push_back(std::move(read.refusal));
    }
    return outcome;
}

}  // namespace marlo

#include "ui/production/PartsColumnsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "i18n/texts/PartsListTexts.h"
#include "i18n/texts/WindowImportTexts.h"
#include "ui/common/FormControls.h"

namespace marlo {

namespace {

// Enough rows to tell the header and the kind of each column's values.
constexpr std::size_t kShownRows = 8;

ColumnPlaces placesOfChoices(const std::array<QComboBox*, kPartColumnCount>& choices) {
    ColumnPlaces places;
    for (std::size_t i = 0; i < kPartColumnCount; ++i) {
        const int column = choices[i]->currentData().toInt();
        if (column > 0) places[i] = static_cast<std::size_t>(column - 1);
    }
    return places;
}

QTableWidget* firstRowsGrid(const SheetTable& table, int columns, QWidget* parent) {
    const std::size_t rows = std::min(table.rows.size(), kShownRows);
    auto* grid = new QTableWidget(static_cast<int>(rows), columns, parent);
    grid->setObjectName(QStringLiteral("PartsColumnsRows"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList letters;
    for (int c = 1; c <= columns; ++c) letters << qText(lettersOfColumn(c));
    grid->setHorizontalHeaderLabels(letters);
    QStringList numbers;
    for (std::size_t r = 0; r < rows; ++r) {
        const SheetRow& row = table.rows[r];
        numbers << QString::number(row.number);
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            grid->setItem(static_cast<int>(r), static_cast<int>(c),
                          new QTableWidgetItem(qText(row.cells[c])));
    }
    grid->setVerticalHeaderLabels(numbers);
    grid->resizeColumnsToContents();
    return grid;
}

}  // namespace

PartsColumnsDialog::PartsColumnsDialog(QWidget* parent, const WindowMessages& messages,
                                       const SheetTable& table, const ColumnPlaces& chosen)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PartsColumns"));
    setWindowTitle(messages.text(window_import_text::kColumnsTitle));
    std::size_t columns = 1;
    for (std::size_t r = 0; r < std::min(table.rows.size(), kShownRows); ++r)
        columns = std::max(columns, table.rows[r].cells.size());
    const std::vector<std::string> none;
    const std::vector<std::string>& header = table.rows.empty() ? none : table.rows[0].cells;

    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(messages.text(window_import_text::kColumnsExplanation), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    layout->addWidget(new QLabel(messages.text(window_import_text::kFirstRows), this));
    layout->addWidget(firstRowsGrid(table, static_cast<int>(columns), this));

    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < kPartColumnCount; ++i) {
        auto* choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("PartsColumn_") +
                              qText(std::string(kPartColumnKeys[i])));
        choice->addItem(messages.text(window_import_text::kNoColumn), 0);
        for (std::size_t c = 0; c < columns; ++c) {
            QString name = qText(lettersOfColumn(static_cast<int>(c) + 1));
            if (c < header.size() && !header[c].empty())
                name += QStringLiteral(": ") + qText(header[c]);
            choice->addItem(name, static_cast<int>(c) + 1);
        }
        if (chosen[i] && *chosen[i] < columns)
            choice->setCurrentIndex(static_cast<int>(*chosen[i]) + 1);
        connect(choice, &QComboBox::currentIndexChanged, this, &PartsColumnsDialog::enableOk);
        form->addRow(messages.text(parts_text::kFirstColumnName + static_cast<int>(i)), choice);
        choices_[i] = choice;
    }
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("PartsColumnsButtons"));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("PartsColumnsOk"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    enableOk();
}

std::string PartsColumnsDialog::mapping() const {
    return mappingOfPlaces(placesOfChoices(choices_));
}

void PartsColumnsDialog::enableOk() {
    const ColumnPlaces places = placesOfChoices(choices_);
    const auto has = [&](PartColumn column) {
        return places[static_cast<std::size_t>(column)].has_value();
    };
    ok_->setEnabled(has(PartColumn::Length) && has(PartColumn::Pieces) &&
                    has(PartColumn::Material));
}

}  // namespace marlo

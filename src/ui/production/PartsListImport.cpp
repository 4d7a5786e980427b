#include "ui/production/PartsListImport.h"

#include <QInputDialog>
#include <QStringList>
#include <algorithm>
#include <string>
#include <utility>

#include "i18n/texts/PartsListTexts.h"
#include "i18n/texts/WindowImportTexts.h"
#include "partslist/ColumnMapping.h"
#include "partslist/PartsImportMessages.h"
#include "partslist/SheetFile.h"
#include "partslist/SheetFormat.h"
#include "settings/PartsListColumns.h"
#include "ui/common/FilePaths.h"
#include "ui/common/FormControls.h"
#include "ui/production/PartsColumnsDialog.h"
#include "ui/production/RefusedRowsDialog.h"

namespace marlo {

namespace {

constexpr int kPartsListsFirst = 2;  // the filter of parts lists is shown first

// The import's failures that the operator's choice of columns can mend.
bool columnsMissing(int failure) {
    return failure == parts_text::kNoLengthColumn || failure == parts_text::kNoPiecesColumn ||
           failure == parts_text::kNoMaterialColumn || failure == parts_text::kBadMapping ||
           failure == parts_text::kUnknownMappingColumn;
}

QString lines(const std::vector<std::string>& texts) {
    QStringList joined;
    for (const std::string& text : texts) joined << qText(text);
    return joined.join(QLatin1Char('\n'));
}

// The problems of a list of hundreds of bad rows in a message that still fits the screen: the
// first ones, then how many more there are.
constexpr std::size_t kShownProblems = 20;

QString shortenedLines(std::vector<std::string> texts, const StringCatalogue& catalogue) {
    if (texts.size() > kShownProblems + 1) {
        const std::size_t more = texts.size() - kShownProblems;
        texts.resize(kShownProblems);
        texts.push_back(
            fillIn(catalogue.text(window_import_text::kMoreProblems), {std::to_string(more)}));
    }
    return lines(texts);
}

}  // namespace

PartsListImport::PartsListImport(QWidget* window, Dialogs& dialogs, SettingsStore& store,
                                 WindowMessages& messages)
    : window_(window), dialogs_(dialogs), store_(store), messages_(messages) {}

std::optional<QString> PartsListImport::chooseFile() {
    std::optional<QString> path = dialogs_.openFileName(
        window_, {messages_.text(window_import_text::kOpenFilter), kPartsListsFirst, QString()});
    if (path && path->isEmpty()) return std::nullopt;
    return path;
}

std::optional<ProductionJob> PartsListImport::read(const QString& path, ColumnQuestion question) {
    const std::optional<SheetRead> sheet = readSheet(path);
    if (!sheet) return std::nullopt;
    const std::vector<std::string> header =
        sheet->table.rows.empty() ? std::vector<std::string>() : sheet->table.rows[0].cells;
    std::string columns = rememberedColumns(store_, header);
    PartsImport import = partsOfSheetRead(*sheet, filePath(path), {{}, columns, {}});
    if (question == ColumnQuestion::Always || columnsMissing(import.failure)) {
        const std::optional<std::string> chosen = chooseColumns(*sheet, columns);
        if (!chosen) return std::nullopt;
        columns = *chosen;
        rememberColumns(store_, header, columns);
        import = partsOfSheetRead(*sheet, filePath(path), {{}, columns, {}});
    }
    if (import.failure) {
        messages_.showError(lines(partsImportMessages(import, messages_.catalogue())));
        return std::nullopt;
    }
    if (!import.refused.empty()) correctRefusedRows(*sheet, columns, import);
    showProblems(import);
    if (import.parts.empty()) return std::nullopt;
    return productionJobOfParts(filePath(path).stem().string(), std::move(import.parts));
}

std::optional<SheetRead> PartsListImport::readSheet(const QString& path) {
    SheetRead sheet = readSheetFile(filePath(path), {});
    if (sheet.fault == SheetFault::None && sheet.sheetNames.size() > 1) {
        QInputDialog choice(window_);
        choice.setObjectName(QStringLiteral("PartsListSheet"));
        choice.setWindowTitle(messages_.text(window_import_text::kSheetTitle));
        choice.setLabelText(messages_.text(window_import_text::kSheetQuestion));
        QStringList names;
        for (const std::string& name : sheet.sheetNames) names << qText(name);
        choice.setComboBoxItems(names);
        choice.setComboBoxEditable(false);
        if (choice.exec() != QDialog::Accepted) return std::nullopt;
        // By its name, which the reader matches before any place: a sheet named "2" is not the
        // second one. Workbooks keep names unique whatever their letter case.
        const auto chosen = names.indexOf(choice.textValue());
        if (chosen > 0)
            sheet = readSheetFile(filePath(path), sheet.sheetNames[static_cast<size_t>(chosen)]);
    }
    if (sheet.fault != SheetFault::None) {
        const PartsImport failed = partsOfSheetRead(sheet, filePath(path), {});
        messages_.showError(lines(partsImportMessages(failed, messages_.catalogue())));
        return std::nullopt;
    }
    return sheet;
}

std::optional<std::string> PartsListImport::chooseColumns(const SheetRead& sheet,
                                                          const std::string& known) {
    if (sheet.table.rows.empty()) return known;
    const std::vector<std::string>& header = sheet.table.rows[0].cells;
    ColumnsFound found = findColumns(header, known);
    if (found.failure) found = findColumns(header, {});
    PartsColumnsDialog dialog(window_, messages_, sheet.table, found.places);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.mapping();
}

void PartsListImport::correctRefusedRows(const SheetRead& sheet, const std::string& columns,
                                         PartsImport& import) {
    const ColumnPlaces places = findColumns(sheet.table.rows[0].cells, columns).places;
    std::vector<RefusedRow> rows;
    for (const RowProblem& problem : import.refused) {
        RefusedRow row{problem, {}};
        const auto found = std::lower_bound(
            sheet.table.rows.begin(), sheet.table.rows.end(), problem.row,
            [](const SheetRow& sheetRow, int number) { return sheetRow.number < number; });
        if (found != sheet.table.rows.end() && found->number == problem.row)
            for (std::size_t i = 0; i < kPartColumnCount; ++i)
                if (places[i] && *places[i] < found->cells.size())
                    row.cells[i] = found->cells[*places[i]];
        rows.push_back(std::move(row));
    }
    RefusedRowsDialog dialog(window_, messages_, std::move(rows));
    dialog.exec();
    RefusedRowsDialog::Outcome outcome = dialog.outcome();
    for (Part& part : outcome.parts) import.parts.push_back(std::move(part));
    import.refused = std::move(outcome.refused);
    for (RowProblem& warning : outcome.warnings) import.warnings.push_back(std::move(warning));
}

void PartsListImport::showProblems(const PartsImport& import) {
    const QString problems =
        shortenedLines(partsImportMessages(import, messages_.catalogue()), messages_.catalogue());
    if (import.parts.empty()) {
        messages_.showError(messages_.text(window_import_text::kNoParts) +
                            (problems.isEmpty() ? QString() : QLatin1Char('\n') + problems));
    } else if (!import.refused.empty()) {
        messages_.showError(messages_.text(window_import_text::kNotImported) + QLatin1Char('\n') +
                            problems);
    } else if (!problems.isEmpty()) {
        messages_.notify(problems);
    }
}

bool isPartsListFileName(const QString& path) {
    return sheetFormatOf(filePath(path)).has_value();
}

}  // namespace marlo

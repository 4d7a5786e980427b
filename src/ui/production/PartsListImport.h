#pragma once

#include <QString>
#include <optional>

#include "model/ProductionJob.h"
#include "partslist/PartsImport.h"
#include "settings/SettingsStore.h"
#include "ui/common/Dialogs.h"
#include "ui/common/WindowMessages.h"

class QWidget;

namespace marlo {

// When the operator chooses the columns of a parts list.
enum class ColumnQuestion {
    WhenUnknown,  // only for a header that names no columns the import can use
    Always,       // every time, the remembered or recognised columns chosen at first
};

// Importing the office's parts list (CSV, TSV, XLSX, ODS, XLS) in the main window through the
// core's importer, with the operator's choices: the sheet of a workbook of several, the columns
// of a header the import does not recognise (remembered per header in the settings store), and
// corrections of the rows that could not be read. Every row that is not imported is named.
class PartsListImport {
  public:
    PartsListImport(QWidget* window, Dialogs& dialogs, SettingsStore& store,
                    WindowMessages& messages);

    // The parts list chosen in the open dialog; nothing when it was cancelled.
    std::optional<QString> chooseFile();
    // The list's parts as a new production job named after the file; nothing when the file
    // cannot be read, holds no part or the operator cancelled a choice (messages shown).
    std::optional<ProductionJob> read(const QString& path, ColumnQuestion question);

  private:
    std::optional<SheetRead> readSheet(const QString& path);
    std::optional<std::string> chooseColumns(const SheetRead& sheet, const std::string& known);
    void correctRefusedRows(const SheetRead& sheet, const std::string& columns,
                            PartsImport& import);
    void showProblems(const PartsImport& import);

    QWidget* window_;
    Dialogs& dialogs_;
    SettingsStore& store_;
    WindowMessages& messages_;
};

// Whether the file is one the parts-list import reads, by its name.
bool isPartsListFileName(const QString& path);

}  // namespace marlo

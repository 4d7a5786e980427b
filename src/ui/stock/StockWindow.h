#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "i18n/StringCatalogue.h"
#include "settings/SettingsStore.h"
#include "stock/StockStore.h"
#include "ui/common/Dialogs.h"
#include "ui/common/WindowMessages.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace marlo {

class OffcutTable;
class StockRowTable;
class StockTable;
class StoreBox;

// The Stock window: the materials of the stock store the settings name, and the chosen
// material's stock rows and offcuts, edited in place one row at a time. Every change goes to the
// store at once and the tables are read back from it; a change the store refuses is shown in a
// message and leaves the store as it was. A window of its own beside the main window, not kept
// in front of it; the settings remember its place when it closes.
class StockWindow : public QDialog {
  public:
    // Opens on `material` when the store has it, else on the first material.
    StockWindow(const StringCatalogue& catalogue, Dialogs& dialogs, SettingsStore& settings,
                const std::string& material);
    ~StockWindow() override;

    void loadTexts();

  private:
    void buildControls();
    void showMaterials(const QString& chosen);
    void showStock();
    void fillTables();
    void applyFilter();

    void addMaterial();
    void renameMaterial();
    void deleteMaterial();
    void addRow(StockTable& table);
    void deleteRow(const StockTable& table);
    void rowEdited(const StockTable& table, const QTableWidgetItem* item);
    void saveMinimumOffcutLength();
    void importCsv();
    void exportCsv();

    // False after showing the error's message; the store is unchanged.
    bool succeeded(const StoreError& error);
    std::string material() const;

    const StringCatalogue& catalogue_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    WindowMessages messages_;
    std::unique_ptr<StockStore> store_;
    std::optional<MaterialStock> stock_;
    bool filling_ = false;

    StoreBox* storeBox_;
    QWidget* storeContents_;
    QLabel* materialsLabel_;
    QListWidget* materials_;
    QLabel* nameLabel_;
    QLineEdit* materialName_;
    QPushButton* addMaterial_;
    QPushButton* renameMaterial_;
    QPushButton* deleteMaterial_;
    QLabel* filterLabel_;
    QLineEdit* lengthFilter_;
    QLabel* minimumLabel_;
    QSpinBox* minimumOffcutLength_;
    QPushButton* importCsv_;
    QPushButton* exportCsv_;
    QLabel* stockRowsLabel_;
    std::unique_ptr<StockRowTable> stockRows_;
    QPushButton* addStockRow_;
    QPushButton* deleteStockRow_;
    QLabel* offcutsLabel_;
    std::unique_ptr<OffcutTable> offcuts_;
    QPushButton* addOffcut_;
    QPushButton* deleteOffcut_;
};

}  // namespace marlo

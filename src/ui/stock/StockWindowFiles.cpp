#include <QStringList>

#include "i18n/texts/StockStoreTexts.h"
#include "jobfile/StockListText.h"
#include "stock/StockListMessages.h"
#include "stock/StoreMessages.h"
#include "ui/stock/StockWindow.h"

namespace marlo {

// The Stock window's Import CSV… and Export CSV…: the chosen material's stock from and to a stock
// list file.
void StockWindow::importCsv() {
    if (!store_ || !stock_) return;
    const std::optional<QString> path =
        dialogs_.openFileName(this, {messages_.text(store_text::kStockListFilter), 1, QString()});
    if (!path) return;
    const StockListFileRead read = readStockListFile(path->toStdString());
    const std::vector<std::string> faults = stockListFaults(read, path->toStdString(), catalogue_);
    if (!faults.empty()) {
        QStringList lines;
        for (const std::string& fault : faults) lines << QString::fromStdString(fault);
        // Refused lines come with the assurance that the material's stock stays as it was.
        if (!read.stock.refused.empty()) lines << messages_.text(store_text::kNothingChanged);
        messages_.showError(lines.join(QLatin1Char('\n')));
        return;
    }
    // Import replaces what the material has: the user confirms before any of it is lost.
    if (!stock_->list.items.empty()) {
        const std::string question =
            fillIn(catalogue_.text(store_text::kReplaceStockQuestion), {material()});
        if (messages_.ask(QString::fromStdString(question)) != MessageAnswer::Yes) return;
    }
    succeeded(store_->replaceStock(material(), read.stock.list));
    showStock();
}

void StockWindow::exportCsv() {
    if (!store_ || !stock_) return;
    const std::optional<QString> path =
        dialogs_.saveFileName(this, {messages_.text(store_text::kStockListFilter), 1,
                                     QString::fromStdString(material()) + QStringLiteral(".csv")});
    if (!path) return;
    // What the store holds now, not what the window read before.
    StoreResult<MaterialStock> current = store_->stockOf(material());
    if (!current.value) {
        succeeded(current.error);
        return;
    }
    if (!writeStockListFile(path->toStdString(), current.value->list))
        messages_.showError(msg::kCannotWriteFile, *path);
}

}  // namespace marlo

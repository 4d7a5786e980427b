#include "ui/stock/StoreBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "i18n/texts/StockStoreTexts.h"
#include "settings/ProgramSettings.h"
#include "stock/StoreLocation.h"
#include "ui/stock/StockSession.h"

namespace marlo {

StoreBox::StoreBox(QWidget* parent, WindowMessages& messages, SettingsStore& settings,
                   std::function<void(std::unique_ptr<StockStore>)> opened)
    : QWidget(parent), messages_(messages), settings_(settings), opened_(std::move(opened)) {
    label_ = new QLabel(this);
    url_ = new QLineEdit(this);
    url_->setObjectName(QStringLiteral("txtSklad"));
    url_->setText(QString::fromStdString(configuredStoreUrl(settings_)));
    open_ = new QPushButton(this);
    open_->setObjectName(QStringLiteral("cmdOtvoritSklad"));
    open_->setAutoDefault(false);
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(label_);
    line->addWidget(url_, 1);
    line->addWidget(open_);
    connect(open_, &QPushButton::clicked, this, &StoreBox::open);
    connect(url_, &QLineEdit::returnPressed, this, &StoreBox::open);
}

void StoreBox::loadTexts() {
    label_->setText(messages_.text(store_text::kStoreLabel));
    open_->setText(messages_.text(store_text::kOpenStore));
}

void StoreBox::open() {
    const std::string typed = url_->text().trimmed().toStdString();
    const std::string url = typed.empty() ? defaultStoreUrl() : typed;
    StoreResult<std::unique_ptr<StockStore>> opened = StockStore::open(url, kWindowLockWait);
    if (!opened.value) {
        messages_.showError(storeOpenFailure(opened.error, url, messages_.catalogue()));
        if (!openUrl_.empty()) url_->setText(QString::fromStdString(openUrl_));
        return;
    }
    openUrl_ = url;
    url_->setText(QString::fromStdString(url));
    // Empty stays empty: the user's own store, wherever the data folder is.
    saveSetting(settings_, settings::kStockStore, typed);
    opened_(std::move(*opened.value));
}

}  // namespace marlo

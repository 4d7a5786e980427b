#include "ui/stock/StockChoiceBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "i18n/texts/StockListTexts.h"
#include "i18n/texts/StockStoreTexts.h"
#include "ui/common/EntryBoxes.h"
#include "ui/common/Twips.h"

namespace marlo {

StockChoiceBox::StockChoiceBox(const StringCatalogue& catalogue,
                               const std::vector<std::string>& materials, const std::string& chosen,
                               int16_t trim, QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(QStringLiteral("StockFrame"));
    const auto text = [&catalogue](int offset) {
        return QString::fromStdString(catalogue.text(offset));
    };
    setTitle(text(stock_text::kStock));
    stockCaption_ = new QLabel(text(store_text::kMaterial) + QLatin1Char(':'), this);
    stock_ = new QComboBox(this);
    stock_->setObjectName(QStringLiteral("StockChoice"));
    stock_->addItem(text(stock_text::kOneRodLength), QString());
    std::vector<std::string> offered = materials;
    if (!chosen.empty() && std::find(offered.begin(), offered.end(), chosen) == offered.end())
        offered.push_back(chosen);
    for (const std::string& material : offered) {
        const QString name = QString::fromStdString(material);
        stock_->addItem(name, name);
    }
    stock_->setCurrentIndex(std::max(0, stock_->findData(QString::fromStdString(chosen))));
    stockCaption_->setBuddy(stock_);

    trimCaption_ = new QLabel(text(stock_text::kTrim), this);
    trim_ = numberBox(QStringLiteral("TrimBox"), trim, this);
    trimCaption_->setBuddy(trim_);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(pixels(180));
    layout->addWidget(stockCaption_, 0, 0);
    layout->addWidget(stock_, 0, 1);
    layout->addWidget(trimCaption_, 1, 0);
    layout->addWidget(trim_, 1, 1, Qt::AlignRight);
    layout->setColumnStretch(0, 1);
    connect(stock_, &QComboBox::currentIndexChanged, this,
            [this](int index) { emit materialChosen(index > 0); });
}

std::string StockChoiceBox::material() const {
    return stock_->currentData().toString().toStdString();
}

}  // namespace marlo

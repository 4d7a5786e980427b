#include "ui/run/LowerBoundLine.h"

#include <QGridLayout>
#include <QLabel>

#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "optimiser/NumberFormats.h"
#include "settings/UserLocale.h"
#include "ui/common/FormControls.h"
#include "ui/common/Twips.h"

namespace marlo {

LowerBoundLine::LowerBoundLine(QWidget* frame, QGridLayout* grid, int row, WindowMessages& messages)
    : QObject(frame), messages_(messages) {
    caption_ = namedLabel(QStringLiteral("LowerBoundCaption"), frame);
    value_ = namedLabel(QStringLiteral("LowerBoundValue"), frame);
    value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value_->setFrameShape(QFrame::Panel);
    value_->setFrameShadow(QFrame::Sunken);
    value_->setMinimumWidth(pixels(1500));
    grid->addWidget(caption_, row, 0);
    grid->addWidget(value_, row, 1);
}

void LowerBoundLine::loadTexts() {
    showValue();
}

void LowerBoundLine::show(std::optional<int> bound, bool optimal, bool proofSought) {
    bound_ = bound ? std::optional<QString>(QString::number(*bound)) : std::nullopt;
    price_ = false;
    optimal_ = optimal;
    proofSought_ = proofSought;
    showValue();
}

void LowerBoundLine::showPrice(std::optional<double> bound, bool optimal) {
    bound_ = bound ? std::optional<QString>(
                         QString::fromStdString(formatPrice(*bound, localeDecimalSeparator())))
                   : std::nullopt;
    price_ = true;
    optimal_ = optimal;
    proofSought_ = true;
    showValue();
}

void LowerBoundLine::clear() {
    show(std::nullopt, false, false);
}

void LowerBoundLine::showValue() {
    caption_->setText(
        messages_.text(price_ ? stock_text::kPriceLowerBound : fewest_text::kLowerBound));
    if (!bound_) {
        value_->clear();
        value_->setToolTip({});
        return;
    }
    // The mark: a check for a proven plan; "not proven" only where a proof was sought.
    QString text = *bound_;
    if (optimal_)
        text += QStringLiteral("  \u2714");
    else if (proofSought_)
        text += QStringLiteral("  ?");
    value_->setText(text);
    value_->setToolTip(optimal_       ? messages_.text(fewest_text::kProvenOptimal)
                       : proofSought_ ? messages_.text(fewest_text::kNotProven)
                                      : QString());
}

}  // namespace marlo

#include "ui/parameters/MethodChoiceBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/RunControlTexts.h"
#include "model/NumericText.h"
#include "settings/ProgramSettings.h"
#include "ui/common/EntryBoxes.h"
#include "ui/common/Twips.h"

namespace marlo {

MethodChoiceBox::MethodChoiceBox(const StringCatalogue& catalogue, const MethodChoice& shown,
                                 QWidget* parent)
    : QGroupBox(parent), shown_(shown) {
    setObjectName(QStringLiteral("MethodFrame"));
    const auto text = [&catalogue](int offset) {
        return QString::fromStdString(catalogue.text(offset));
    };
    setTitle(text(fewest_text::kMethod));
    search_ = new QRadioButton(text(fewest_text::kSearchMethod), this);
    search_->setObjectName(QStringLiteral("MethodSearch"));
    fewestRods_ = new QRadioButton(text(fewest_text::kFewestRodsMethod), this);
    fewestRods_->setObjectName(QStringLiteral("MethodFewestRods"));
    for (QRadioButton* option : {search_, fewestRods_}) option->setFocusPolicy(Qt::TabFocus);
    timeLimitCaption_ = new QLabel(text(fewest_text::kTimeLimit), this);
    timeLimit_ = numberBox(QStringLiteral("TimeLimit"), shown.timeLimitSeconds, this);
    timeLimitCaption_->setBuddy(timeLimit_);

    threadsCaption_ = new QLabel(text(run_text::kThreads), this);
    threads_ = numberBox(QStringLiteral("Threads"), shown.threads, this);
    threadsCaption_->setBuddy(threads_);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(pixels(180));
    layout->addWidget(search_, 0, 0, 1, 2);
    layout->addWidget(fewestRods_, 1, 0, 1, 2);
    layout->addWidget(timeLimitCaption_, 2, 0);
    layout->addWidget(timeLimit_, 2, 1);
    layout->addWidget(threadsCaption_, 3, 0);
    layout->addWidget(threads_, 3, 1);
    layout->setColumnStretch(0, 1);

    (shown.method == OptimisationMethod::FewestRods ? fewestRods_ : search_)->setChecked(true);
    timeLimit_->setEnabled(fewestRods_->isChecked());
    threads_->setEnabled(fewestRods_->isChecked());
    connect(fewestRods_, &QRadioButton::toggled, timeLimit_, &QLineEdit::setEnabled);
    connect(fewestRods_, &QRadioButton::toggled, threads_, &QLineEdit::setEnabled);
    connect(fewestRods_, &QRadioButton::toggled, this, &MethodChoiceBox::fewestRodsChosen);
}

void MethodChoiceBox::setMethodFixed(bool fixed) {
    if (fixed == fixed_) return;
    fixed_ = fixed;
    if (fixed) {
        searchBeforeFixed_ = search_->isChecked();
        fewestRods_->setChecked(true);
    } else {
        (searchBeforeFixed_ ? search_ : fewestRods_)->setChecked(true);
    }
    search_->setEnabled(!fixed);
    fewestRods_->setEnabled(!fixed);
    // Plans from stock are made on one thread.
    threads_->setEnabled(!fixed && fewestRods_->isChecked());
}

bool MethodChoiceBox::timeLimitAccepted() const {
    const std::optional<int16_t> seconds = toInt16(timeLimit_->text().toStdString());
    return seconds && *seconds >= 1;
}

bool MethodChoiceBox::threadsAccepted() const {
    const std::optional<int16_t> threads = toInt16(threads_->text().toStdString());
    return threads && *threads >= 0 && *threads <= settings::kMostThreads;
}

MethodChoice MethodChoiceBox::chosen() const {
    MethodChoice choice = shown_;
    const bool search = fixed_ ? searchBeforeFixed_ : search_->isChecked();
    choice.method = search ? OptimisationMethod::Search : OptimisationMethod::FewestRods;
    if (timeLimitAccepted()) choice.timeLimitSeconds = *toInt16(timeLimit_->text().toStdString());
    if (threadsAccepted()) choice.threads = *toInt16(threads_->text().toStdString());
    return choice;
}

}  // namespace marlo

#include "ui/startup/LanguageDialog.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/ProgramSettings.h"
#include "ui/common/Twips.h"

namespace marlo {

namespace {

struct LanguageOption {
    const char* caption;
    Language language;
};
constexpr std::array<LanguageOption, 5> kOptions = {{
    {"česky", Language::Czech},
    {"deutsch", Language::German},
    {"nederlands", Language::Dutch},
    {"english", Language::English},
    {"slovensky", Language::Slovak},
}};

// The form's measures in twips: the options stand 1320 from the left edge, one every 360, the
// button below them.
constexpr int kOptionsLeftTwips = 1320;
constexpr int kOptionsTopTwips = 360;
constexpr int kOptionStepTwips = 360;
constexpr int kOptionHeightTwips = 255;
constexpr int kButtonLeftTwips = 1200;
constexpr int kButtonWidthTwips = 1095;
constexpr int kButtonHeightTwips = 375;
constexpr int kFormWidthTwips = 3720;
constexpr int kFrameButtonsTwips = 1500;

}  // namespace

LanguageDialog::LanguageDialog(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), okButton_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("language"));
    setWindowTitle(QStringLiteral("Please choose your language"));
    setModal(true);

    auto* options = new QVBoxLayout;
    options->setSpacing(pixels(kOptionStepTwips - kOptionHeightTwips));
    for (size_t i = 0; i < kOptions.size(); ++i) {
        options_[i] = new QRadioButton(QString::fromUtf8(kOptions[i].caption), this);
        options_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        options_[i]->setMinimumHeight(pixels(kOptionHeightTwips));
        options->addWidget(options_[i]);
    }
    options_[0]->setChecked(true);
    auto* optionsRow = new QHBoxLayout;
    optionsRow->addSpacing(pixels(kOptionsLeftTwips));
    optionsRow->addLayout(options);
    optionsRow->addStretch();

    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setFixedSize(pixels(kButtonWidthTwips), pixels(kButtonHeightTwips));
    okButton_->setDefault(true);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addSpacing(pixels(kButtonLeftTwips));
    buttonRow->addWidget(okButton_);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, pixels(kOptionsTopTwips), 0, pixels(kOptionsTopTwips));
    layout->addLayout(optionsRow);
    layout->addSpacing(pixels(kOptionStepTwips - kOptionHeightTwips));
    layout->addLayout(buttonRow);
    // The window frame shows the caption in its own, usually larger and bold font, beside its
    // icon and buttons: the form is made wide enough for the caption to show whole.
    QFont captionFont = font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.4);
    const int captionRoom =
        QFontMetrics(captionFont).horizontalAdvance(windowTitle()) + pixels(kFrameButtonsTwips);
    const QSize content = sizeHint();
    setFixedSize(std::max({pixels(kFormWidthTwips), captionRoom, content.width()}),
                 content.height());

    connect(okButton_, &QPushButton::clicked, this, &LanguageDialog::storeChoice);
}

Language LanguageDialog::chosen() const {
    for (size_t i = 0; i < kOptions.size(); ++i) {
        if (options_[i]->isChecked()) return kOptions[i].language;
    }
    return kOptions[0].language;
}

void LanguageDialog::storeChoice() {
    saveSetting(settings_, settings::kLanguage, settingsName(chosen()));
    accept();
}

}  // namespace marlo

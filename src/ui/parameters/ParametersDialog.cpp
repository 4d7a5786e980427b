#include "ui/parameters/ParametersDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <string_view>
#include <type_traits>
#include <utility>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/RunControlTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "model/NumericText.h"
#include "settings/ProgramSettings.h"
#include "ui/common/EntryBoxes.h"
#include "ui/common/NumericEntry.h"
#include "ui/common/Twips.h"
#include "ui/parameters/MethodChoiceBox.h"
#include "ui/stock/StockChoiceBox.h"

namespace marlo {

namespace {

constexpr int kBoxTwips = 1000;
constexpr int kButtonTwips = 1200;

// What each of the boxes Text1 .. Text4 holds: its caption, its key in the store and its
// parameter.
struct LengthBox {
    int caption;
    std::string_view key;
    int16_t JobParameters::*parameter;
};
constexpr std::array<LengthBox, 4> kLengthBoxes = {{
    {32, settings::kMinWasteDimension, &JobParameters::minWasteDimension},
    {33, settings::kMaxWasteDimension, &JobParameters::maxWasteDimension},
    {34, settings::kCutThickness, &JobParameters::cutThickness},
    {35, settings::kRodLength, &JobParameters::rodLength},
}};

std::string_view switchText(bool set) {
    return set ? "1" : "0";
}

template <typename Control>
Control* named(Control* control, const QString& name) {
    control->setObjectName(name);
    // Buttons and options take the focus by the keyboard only: clicking one never sends a
    // half-typed box through its check.
    if constexpr (std::is_base_of_v<QAbstractButton, Control>)
        control->setFocusPolicy(Qt::TabFocus);
    return control;
}

}  // namespace

ParametersDialog::ParametersDialog(const StringCatalogue& catalogue, SettingsStore& settings,
                                   Dialogs& dialogs, const JobParameters& current,
                                   const std::vector<std::string>& materials,
                                   const std::string& material, QWidget* parent)
    : QDialog(parent),
      catalogue_(catalogue),
      settings_(settings),
      dialogs_(dialogs),
      parameters_(current),
      methodChoice_(peekSettings(settings).methodChoice),
      material_(material) {
    setObjectName(QStringLiteral("Parametre"));
    setModal(true);
    buildControls();
    stockChoiceBox_ = new StockChoiceBox(catalogue_, materials, material_,
                                         peekSettings(settings_).parameters.trim, this);
    stockChoiceBox_->trimBox()->installEventFilter(this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, stockChoiceBox_);
    connect(stockChoiceBox_, &StockChoiceBox::materialChosen, this,
            &ParametersDialog::enableSearchSwitches);
    showStoredValues();
    enableSearchSwitches();
}

void ParametersDialog::buildControls() {
    lengthsFrame_ = named(new QGroupBox(this), QStringLiteral("Frame1"));
    searchFrame_ = named(new QGroupBox(this), QStringLiteral("SearchSettingsFrame"));
    bordersFrame_ = named(new QGroupBox(searchFrame_), QStringLiteral("Frame2"));
    methodFrame_ = named(new QGroupBox(searchFrame_), QStringLiteral("Frame3"));
    auto* search = new QVBoxLayout(searchFrame_);
    search->addWidget(bordersFrame_);
    search->addWidget(methodFrame_);
    auto* lengths = new QGridLayout(lengthsFrame_);
    lengths->setHorizontalSpacing(pixels(180));
    for (int i = 0; i < 4; ++i) {
        lengthCaptions_[i] = named(new QLabel(lengthsFrame_), QStringLiteral("Label%1").arg(i + 1));
        lengthBoxes_[i] = named(new QLineEdit(lengthsFrame_), QStringLiteral("Text%1").arg(i + 1));
        lengthBoxes_[i]->setAlignment(Qt::AlignRight);
        lengthBoxes_[i]->setFixedWidth(pixels(kBoxTwips));
        lengthCaptions_[i]->setBuddy(lengthBoxes_[i]);
        SelectAllOnFocus::install(lengthBoxes_[i]);
        ArrowKeysStepValue::install(lengthBoxes_[i]);
        lengthBoxes_[i]->installEventFilter(this);
        lengths->addWidget(lengthCaptions_[i], i, 0);
        lengths->addWidget(lengthBoxes_[i], i, 1);
    }
    lengths->setColumnStretch(0, 1);

    auto* borders = new QVBoxLayout(bordersFrame_);
    auto* method = new QVBoxLayout(methodFrame_);
    for (int i = 0; i < 2; ++i) {
        borderOptions_[i] =
            named(new QRadioButton(bordersFrame_), QStringLiteral("Option1_%1").arg(i));
        methodOptions_[i] =
            named(new QRadioButton(methodFrame_), QStringLiteral("Option2_%1").arg(i));
        borders->addWidget(borderOptions_[i]);
        method->addWidget(methodOptions_[i]);
    }
    sortByWasteBox_ = named(new QCheckBox(this), QStringLiteral("Check1"));
    methodChoiceBox_ = new MethodChoiceBox(catalogue_, methodChoice_, this);

    okButton_ = named(new QPushButton(this), QStringLiteral("Command1"));
    cancelButton_ = named(new QPushButton(this), QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {okButton_, cancelButton_}) {
        button->setMinimumWidth(pixels(kButtonTwips));
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(pixels(120));
    layout->addWidget(lengthsFrame_);
    layout->addWidget(methodChoiceBox_);
    layout->addWidget(searchFrame_);
    layout->addWidget(sortByWasteBox_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < 2; ++i) {
        connect(borderOptions_[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) enableSearchSwitches();
        });
        connect(methodOptions_[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) enableSearchSwitches();
        });
    }
    connect(methodChoiceBox_, &MethodChoiceBox::fewestRodsChosen, this,
            &ParametersDialog::enableSearchSwitches);
    connect(okButton_, &QPushButton::clicked, this, &ParametersDialog::storeAndAccept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void ParametersDialog::showStoredValues() {
    setWindowTitle(text(core_text::kParameters));
    lengthsFrame_->setTitle(text(core_text::kDimensionSettings));
    for (int i = 0; i < 4; ++i) lengthCaptions_[i]->setText(text(kLengthBoxes[i].caption));
    searchFrame_->setTitle(text(run_text::kSearchSettings));
    bordersFrame_->setTitle(text(core_text::kOptimisationFrame));
    borderOptions_[0]->setText(text(core_text::kOptimiseWasteBorders));
    borderOptions_[1]->setText(text(core_text::kKeepWasteBorders));
    methodFrame_->setTitle(text(core_text::kStartMethodFrame));
    methodOptions_[0]->setText(text(core_text::kStartWithSmallestWaste));
    methodOptions_[1]->setText(text(core_text::kStartWithLargestDimension));
    sortByWasteBox_->setText(text(core_text::kSortByWaste));
    sortByWasteBox_->setToolTip(text(run_text::kBothMethods));
    okButton_->setText(text(core_text::kOk));
    cancelButton_->setText(text(core_text::kCancel));

    // The stored texts as they stand, unless the program reads one as another value (a value
    // that makes no sense reads as its default): then the value it uses.
    const JobParameters used = peekSettings(settings_).parameters;
    for (int i = 0; i < 4; ++i) {
        const std::string stored = readSetting(settings_, kLengthBoxes[i].key);
        const int16_t value = used.*kLengthBoxes[i].parameter;
        lengthBoxes_[i]->setText(
            QString::fromStdString(toInt16(stored) == value ? stored : std::to_string(value)));
    }
    borderOptions_[used.wasteBordersMode != 0 ? 1 : 0]->setChecked(true);
    methodOptions_[used.startMethod != 0 ? 1 : 0]->setChecked(true);
    sortByWasteBox_->setChecked(used.sortOutputByWaste != 0);
}

void ParametersDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    okButton_->setFocus();
}

// The search's switches, and the waste band's bounds when the band is optimised, apply only
// while the search is the chosen method and the rods are of the single length, the rod length
// only to the latter. The search sorts
// its output only when it starts with the largest dimension; the exact methods always may.
void ParametersDialog::enableSearchSwitches() {
    const bool fromStock = !stockChoiceBox_->material().empty();
    methodChoiceBox_->setMethodFixed(fromStock);
    const bool search =
        !fromStock && methodChoiceBox_->chosen().method == OptimisationMethod::Search;
    searchFrame_->setEnabled(search);
    const bool bounds = search && borderOptions_[0]->isChecked();
    lengthBoxes_[0]->setEnabled(bounds);
    lengthBoxes_[1]->setEnabled(bounds);
    // Rods from stock have the lengths of its rows.
    lengthBoxes_[3]->setEnabled(!fromStock);
    sortByWasteBox_->setEnabled(!search || !methodOptions_[0]->isChecked());
}

bool ParametersDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* box = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed(static_cast<int>(std::find(lengthBoxes_.begin(), lengthBoxes_.end(), box) -
                                          lengthBoxes_.begin()));
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving the window (another program, a menu) is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            checkAfterFocusMoved(box);
    }
    return QDialog::eventFilter(watched, event);
}

void ParametersDialog::enterPressed(int box) {
    for (int next = box + 1; next < 4; ++next) {
        if (lengthBoxes_[next]->isEnabled()) {
            lengthBoxes_[next]->setFocus();
            return;
        }
    }
    storeAndAccept();
}

void ParametersDialog::checkAfterFocusMoved(QLineEdit* box) {
    // The message waits until the focus has settled on the new control; it then takes the focus
    // back to the box.
    QTimer::singleShot(0, box, [this, box] {
        if (isVisible() && !box->hasFocus()) check(box);
    });
}

bool ParametersDialog::check(QLineEdit* box) {
    if (isAcceptedNumber(box->text().toStdString())) return true;
    showValueError();
    box->setFocus();
    box->selectAll();
    return false;
}

void ParametersDialog::showValueError() {
    dialogs_.message(this, {text(core_text::kInvalidValue), text(msg::kError), MessageButtons::Ok,
                            MessageAnswer::Ok, MessageIcon::Error});
}

void ParametersDialog::storeAndAccept() {
    // Nothing is stored while a box holds a value that cannot be a parameter.
    for (QLineEdit* box : lengthBoxes_) {
        if (!check(box)) return;
    }
    if (!check(stockChoiceBox_->trimBox()) || !trimFitsRod()) return;
    for (auto [accepted, box] :
         {std::pair{methodChoiceBox_->timeLimitAccepted(), methodChoiceBox_->timeLimitBox()},
          std::pair{methodChoiceBox_->threadsAccepted(), methodChoiceBox_->threadsBox()}}) {
        if (accepted) continue;
        showValueError();
        box->setFocus();
        box->selectAll();
        return;
    }
    for (int i = 0; i < 4; ++i) {
        const std::string typed = lengthBoxes_[i]->text().toStdString();
        saveSetting(settings_, kLengthBoxes[i].key, *plainNumericText(typed));
        parameters_.*kLengthBoxes[i].parameter = *toInt16(typed);
    }
    parameters_.trim = *toInt16(stockChoiceBox_->trimBox()->text().toStdString());
    saveAddedSetting(settings::kTrim, std::to_string(parameters_.trim), "0");
    const bool dontOptimiseBorders = !borderOptions_[0]->isChecked();
    saveSetting(settings_, settings::kWasteBordersMode, switchText(dontOptimiseBorders));
    parameters_.wasteBordersMode = dontOptimiseBorders ? 1 : 0;
    const bool largestFirst = !methodOptions_[0]->isChecked();
    saveSetting(settings_, settings::kStartMethod, switchText(largestFirst));
    parameters_.startMethod = largestFirst ? 1 : 0;
    const bool sorted = sortByWasteBox_->isChecked();
    saveSetting(settings_, settings::kSortOutputByWaste, switchText(sorted));
    parameters_.sortOutputByWaste = sorted ? 1 : 0;
    methodChoice_ = methodChoiceBox_->chosen();
    saveMethodChoice(settings_, methodChoice_);
    material_ = stockChoiceBox_->material();
    saveAddedSetting(settings::kMaterial, material_, "");
    accept();
}

// A key the program added to the settings is written once it holds more than its default, so
// that the settings of a user who never used it stay as they were.
void ParametersDialog::saveAddedSetting(std::string_view key, const std::string& value,
                                        std::string_view absent) {
    if (value == absent && readSetting(settings_, key).empty()) return;
    saveSetting(settings_, key, value);
}

// The trim at both ends must leave some of the rod to cut.
bool ParametersDialog::trimFitsRod() {
    QLineEdit* box = stockChoiceBox_->trimBox();
    const int16_t trim = *toInt16(box->text().toStdString());
    const int16_t rodLength = *toInt16(lengthBoxes_[3]->text().toStdString());
    if (2 * trim < rodLength) return true;
    dialogs_.message(this, {text(stock_text::kTrimTooLong), text(msg::kError), MessageButtons::Ok,
                            MessageAnswer::Ok, MessageIcon::Error});
    box->setFocus();
    box->selectAll();
    return false;
}

QString ParametersDialog::text(int offset) const {
    return QString::fromStdString(catalogue_.text(offset));
}

}  // namespace marlo

#include "ui/Parametre.h"

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

#include "model/NumericText.h"
#include "settings/ProgramSettings.h"
#include "ui/EntryBoxes.h"
#include "ui/NumericEntry.h"
#include "ui/Twips.h"

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

bool storedSwitchSet(const SettingsStore& store, std::string_view key) {
    return toInt16(readSetting(store, key)).value_or(0) != 0;
}

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

Parametre::Parametre(const StringCatalogue& catalogue, SettingsStore& settings, Dialogs& dialogs,
                     const JobParameters& current, QWidget* parent)
    : QDialog(parent),
      catalogue_(catalogue),
      settings_(settings),
      dialogs_(dialogs),
      parameters_(current) {
    setObjectName(QStringLiteral("Parametre"));
    setModal(true);
    buildControls();
    Form_Load();
}

void Parametre::buildControls() {
    Frame1_ = named(new QGroupBox(this), QStringLiteral("Frame1"));
    Frame2_ = named(new QGroupBox(this), QStringLiteral("Frame2"));
    Frame3_ = named(new QGroupBox(this), QStringLiteral("Frame3"));
    auto* lengths = new QGridLayout(Frame1_);
    lengths->setHorizontalSpacing(pixels(180));
    for (int i = 0; i < 4; ++i) {
        Label_[i] = named(new QLabel(Frame1_), QStringLiteral("Label%1").arg(i + 1));
        Text_[i] = named(new QLineEdit(Frame1_), QStringLiteral("Text%1").arg(i + 1));
        Text_[i]->setAlignment(Qt::AlignRight);
        Text_[i]->setFixedWidth(pixels(kBoxTwips));
        Label_[i]->setBuddy(Text_[i]);
        SelectAllOnFocus::install(Text_[i]);
        ArrowKeysStepValue::install(Text_[i]);
        Text_[i]->installEventFilter(this);
        lengths->addWidget(Label_[i], i, 0);
        lengths->addWidget(Text_[i], i, 1);
    }
    lengths->setColumnStretch(0, 1);

    auto* borders = new QVBoxLayout(Frame2_);
    auto* method = new QVBoxLayout(Frame3_);
    for (int i = 0; i < 2; ++i) {
        Option1_[i] = named(new QRadioButton(Frame2_), QStringLiteral("Option1_%1").arg(i));
        Option2_[i] = named(new QRadioButton(Frame3_), QStringLiteral("Option2_%1").arg(i));
        borders->addWidget(Option1_[i]);
        method->addWidget(Option2_[i]);
    }
    Check1_ = named(new QCheckBox(this), QStringLiteral("Check1"));

    Command1_ = named(new QPushButton(this), QStringLiteral("Command1"));
    Command2_ = named(new QPushButton(this), QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {Command1_, Command2_}) {
        button->setMinimumWidth(pixels(kButtonTwips));
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(pixels(120));
    layout->addWidget(Frame1_);
    layout->addWidget(Frame2_);
    layout->addWidget(Frame3_);
    layout->addWidget(Check1_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < 2; ++i) {
        connect(Option1_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) Option1_Click(i);
        });
        connect(Option2_[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) Option2_Click();
        });
    }
    connect(Command1_, &QPushButton::clicked, this, &Parametre::Command1_Click);
    connect(Command2_, &QPushButton::clicked, this, &QDialog::reject);
}

void Parametre::Form_Load() {
    setWindowTitle(text(29));
    Frame1_->setTitle(text(31));
    for (int i = 0; i < 4; ++i) Label_[i]->setText(text(kLengthBoxes[i].caption));
    Frame2_->setTitle(text(36));
    Option1_[0]->setText(text(37));
    Option1_[1]->setText(text(38));
    Frame3_->setTitle(text(95));
    Option2_[0]->setText(text(96));
    Option2_[1]->setText(text(97));
    Check1_->setText(text(98));
    Command1_->setText(text(39));
    Command2_->setText(text(40));

    for (int i = 0; i < 4; ++i)
        Text_[i]->setText(QString::fromStdString(readSetting(settings_, kLengthBoxes[i].key)));
    const bool dontOptimiseBorders = storedSwitchSet(settings_, settings::kWasteBordersMode);
    const bool largestFirst = storedSwitchSet(settings_, settings::kStartMethod);
    Option1_[dontOptimiseBorders ? 1 : 0]->setChecked(true);
    Option2_[largestFirst ? 1 : 0]->setChecked(true);
    Check1_->setChecked(storedSwitchSet(settings_, settings::kSortOutputByWaste));
}

void Parametre::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Command1_->setFocus();
}

void Parametre::Option1_Click(int index) {
    Text_[0]->setEnabled(index == 0);
    Text_[1]->setEnabled(index == 0);
}

void Parametre::Option2_Click() {
    Check1_->setEnabled(!Option2_[0]->isChecked());
}

bool Parametre::eventFilter(QObject* watched, QEvent* event) {
    auto* box = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed(
                static_cast<int>(std::find(Text_.begin(), Text_.end(), box) - Text_.begin()));
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

void Parametre::enterPressed(int box) {
    for (int next = box + 1; next < 4; ++next) {
        if (Text_[next]->isEnabled()) {
            Text_[next]->setFocus();
            return;
        }
    }
    Command1_Click();
}

void Parametre::checkAfterFocusMoved(QLineEdit* box) {
    // The message waits until the focus has settled on the new control; it then takes the focus
    // back to the box.
    QTimer::singleShot(0, box, [this, box] {
        if (isVisible() && !box->hasFocus()) check(box);
    });
}

bool Parametre::check(QLineEdit* box) {
    if (isAcceptedEntry(box->text().toStdString())) return true;
    napis();
    box->setFocus();
    box->selectAll();
    return false;
}

void Parametre::napis() {
    dialogs_.message(this, {text(91), text(msg::kError), MessageButtons::Ok, MessageAnswer::Ok,
                            MessageIcon::Error});
}

void Parametre::Command1_Click() {
    // Nothing is stored while a box holds a value that cannot be a parameter.
    for (QLineEdit* box : Text_) {
        if (!check(box)) return;
    }
    for (int i = 0; i < 4; ++i) {
        const std::string typed = Text_[i]->text().toStdString();
        saveSetting(settings_, kLengthBoxes[i].key, *entryValueText(typed));
        parameters_.*kLengthBoxes[i].parameter = *toInt16(typed);
    }
    const bool dontOptimiseBorders = !Option1_[0]->isChecked();
    saveSetting(settings_, settings::kWasteBordersMode, switchText(dontOptimiseBorders));
    parameters_.wasteBordersMode = dontOptimiseBorders ? 1 : 0;
    const bool largestFirst = !Option2_[0]->isChecked();
    saveSetting(settings_, settings::kStartMethod, switchText(largestFirst));
    parameters_.startMethod = largestFirst ? 1 : 0;
    const bool sorted = Check1_->isChecked();
    saveSetting(settings_, settings::kSortOutputByWaste, switchText(sorted));
    parameters_.sortOutputByWaste = sorted ? 1 : 0;
    accept();
}

QString Parametre::text(int offset) const {
    return QString::fromStdString(catalogue_.text(offset));
}

}  // namespace marlo

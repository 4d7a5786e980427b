#pragma once

#include <QDialog>
#include <array>

#include "i18n/StringCatalogue.h"
#include "model/JobParameters.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace marlo {

// The parameters dialog: the waste band, cut thickness, rod length and the three method switches
// as the settings store holds them. OK stores every value and returns Accepted, parameters() then
// holds them; Cancel and closing the window store and change nothing.
//
// A box that does not hold a number from 0 to 32767 is refused with message 91 when it loses the
// focus to another control of the dialog, and again by OK.
class Parametre : public QDialog {
    Q_OBJECT

  public:
    Parametre(const StringCatalogue& catalogue, SettingsStore& settings, Dialogs& dialogs,
              const JobParameters& current, QWidget* parent = nullptr);

    const JobParameters& parameters() const { return parameters_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void Form_Load();
    void Option1_Click(int index);
    void Option2_Click();
    void Command1_Click();
    void enterPressed(int box);
    void checkAfterFocusMoved(QLineEdit* box);
    bool check(QLineEdit* box);
    void napis();
    QString text(int offset) const;

    const StringCatalogue& catalogue_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
    JobParameters parameters_;

    QGroupBox* Frame1_;
    QGroupBox* Frame2_;
    QGroupBox* Frame3_;
    std::array<QLabel*, 4> Label_;    // Label1 .. Label4
    std::array<QLineEdit*, 4> Text_;  // Text1 .. Text4
    std::array<QRadioButton*, 2> Option1_;
    std::array<QRadioButton*, 2> Option2_;
    QCheckBox* Check1_;
    QPushButton* Command1_;
    QPushButton* Command2_;
};

}  // namespace marlo

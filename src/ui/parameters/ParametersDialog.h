#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "settings/SettingsStore.h"
#include "ui/common/Dialogs.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace marlo {

class MethodChoiceBox;
class StockChoiceBox;

// The parameters dialog: the waste band, cut thickness, rod length and the three method switches
// as the settings store holds them, and the choice of the method with its time limit. The
// switches of the rod-by-rod search (waste band, start method) stand in a frame of their own
// below the method choice and are disabled, with the waste band's bounds, while the fewest-rods
// method is chosen; the sort switch serves both methods. OK stores
// every value and returns Accepted, parameters() and methodChoice() then hold them; Cancel and
// closing the window store and change nothing.
//
// A box that does not hold a number from 0 to 32767 is refused with message 91 when it loses the
// focus to another control of the dialog, and again by OK.
class ParametersDialog : public QDialog {
    Q_OBJECT

  public:
    ParametersDialog(const StringCatalogue& catalogue, SettingsStore& settings, Dialogs& dialogs,
                     const JobParameters& current, const std::vector<std::string>& materials,
                     const std::string& material, QWidget* parent = nullptr);

    const JobParameters& parameters() const { return parameters_; }
    const MethodChoice& methodChoice() const { return methodChoice_; }
    // The material of the stock store the runs plan from; empty for the single rod length.
    const std::string& material() const { return material_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void showStoredValues();
    void enableSearchSwitches();
    void storeAndAccept();
    void enterPressed(int box);
    void checkAfterFocusMoved(QLineEdit* box);
    bool check(QLineEdit* box);
    void showValueError();
    bool trimFitsRod();
    void saveAddedSetting(std::string_view key, const std::string& value, std::string_view absent);
    QString text(int offset) const;

    const StringCatalogue& catalogue_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
    JobParameters parameters_;
    MethodChoice methodChoice_;
    std::string material_;

    QGroupBox* lengthsFrame_;
    QGroupBox* bordersFrame_;
    QGroupBox* methodFrame_;
    QGroupBox* searchFrame_;                 // holds bordersFrame_ and methodFrame_
    std::array<QLabel*, 4> lengthCaptions_;  // Label1 .. Label4
    std::array<QLineEdit*, 4> lengthBoxes_;  // Text1 .. Text4
    std::array<QRadioButton*, 2> borderOptions_;
    std::array<QRadioButton*, 2> methodOptions_;
    QCheckBox* sortByWasteBox_;
    MethodChoiceBox* methodChoiceBox_;
    StockChoiceBox* stockChoiceBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace marlo

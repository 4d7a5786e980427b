#pragma once

#include <QDialog>
#include <array>

#include "i18n/Language.h"
#include "settings/SettingsStore.h"

class QPushButton;
class QRadioButton;

namespace marlo {

// The language form of the first start: five options, Czech selected. OK stores the chosen
// language under "jazyk" and returns Accepted; closing the form otherwise stores nothing. Its
// texts are the same in every language.
class LanguageDialog : public QDialog {
    Q_OBJECT

  public:
    explicit LanguageDialog(SettingsStore& settings, QWidget* parent = nullptr);

    // The language of the first selected option.
    Language chosen() const;

  private:
    void storeChoice();

    SettingsStore& settings_;
    std::array<QRadioButton*, 5> options_;
    QPushButton* okButton_;
};

}  // namespace marlo

#pragma once

#include <QTranslator>

#include "i18n/Language.h"

namespace marlo {

// Qt's own texts (the standard buttons of message boxes, the file and printer dialogs) in the
// chosen language, from the translations Qt ships (qtbase_<code>.qm). English needs none; a
// missing translation leaves Qt's English texts.
class QtTranslation {
    // Some shipped translations (Slovak) predate the context in which Qt 6 looks up the texts of
    // standard buttons, but hold the same texts under the context Qt used before.
    class BaseTranslator : public QTranslator {
      public:
        QString translate(const char* context, const char* source, const char* disambiguation,
                          int n) const override;
    };

  public:
    QtTranslation() = default;
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;
    ~QtTranslation();

    void use(Language language);

  private:
    BaseTranslator translator_;
    bool installed_ = false;
};

}  // namespace marlo

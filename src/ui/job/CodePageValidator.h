#pragma once

#include <QValidator>

namespace marlo {

// Refuses typed or pasted text with characters that a job file (Windows-1250) cannot hold, so
// that nothing typed into a header box is lost when the job is saved.
class CodePageValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

}  // namespace marlo

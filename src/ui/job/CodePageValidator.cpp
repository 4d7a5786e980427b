#include "ui/job/CodePageValidator.h"

#include "jobfile/Cp1250.h"

namespace marlo {

QValidator::State CodePageValidator::validate(QString& input, int&) const {
    return fitsCp1250(input.toStdString()) ? Acceptable : Invalid;
}

}  // namespace marlo

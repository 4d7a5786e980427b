#include "ui/common/DeleteRowsQuestion.h"

#include "i18n/texts/CoreTexts.h"

namespace marlo {

QString deleteRowsQuestion(const WindowMessages& messages, int count) {
    if (count == 1) return messages.text(core_text::kDeleteOneQuestion);
    return messages.text(core_text::kDeleteQuestion) + QString::number(count) +
           messages.text(count <= 4 ? core_text::kDeleteQuestionEndFew
                                    : core_text::kDeleteQuestionEndMany);
}

}  // namespace marlo

#pragma once

#include <QString>

#include "ui/common/WindowMessages.h"

namespace marlo {

// The question whether to delete this many selected rows of a list, worded for the count.
QString deleteRowsQuestion(const WindowMessages& messages, int count);

}  // namespace marlo

#pragma once

#include <QPrinter>
#include <functional>

#include "ui/common/WindowMessages.h"

namespace marlo {

// Paints a document on a printer set up by the print dialog. Every copy is drawn whole, so that
// copies come out alike on every printer; a failure names the printer or the file.
void printEveryCopy(QPrinter& printer, WindowMessages& messages,
                    const std::function<bool(QPrinter& printer, int copies)>& paint);

}  // namespace marlo

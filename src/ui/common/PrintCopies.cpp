#include "ui/common/PrintCopies.h"

#include "i18n/StringCatalogue.h"

namespace marlo {

void printEveryCopy(QPrinter& printer, WindowMessages& messages,
                    const std::function<bool(QPrinter& printer, int copies)>& paint) {
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    if (!paint(printer, copies))
        messages.showError(messages.text(msg::kCannotWriteFile) +
                           (printer.outputFileName().isEmpty() ? printer.printerName()
                                                               : printer.outputFileName()));
}

}  // namespace marlo

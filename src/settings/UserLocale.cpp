#include "settings/UserLocale.h"

#include <QLocale>

namespace marlo {

char localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode())
                                                          : '.';
}

}  // namespace marlo

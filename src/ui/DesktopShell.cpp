#include "ui/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace marlo {

bool DesktopShell::openLink(const QUrl& link) {
    return QDesktopServices::openUrl(link);
}

}  // namespace marlo

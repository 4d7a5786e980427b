#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "ui/common/Shell.h"

namespace marlo {

// The desktop entry of the application registered for a MIME type, as `xdg-mime query default`
// names it ("libreoffice-calc.desktop"); empty when none is registered; nothing when the desktop
// cannot be asked (the program is missing or does not answer).
std::optional<QString> registeredApplication(const QString& mimeType,
                                             const QString& xdgMime = QStringLiteral("xdg-mime"));

// Opens links with the user's default application for them. The desktop's opener reports
// success as soon as it has started, even when nothing can show the file, so a local file that
// is missing or whose type has no application registered counts as not opened without handing
// it over.
class DesktopShell : public Shell {
  public:
    using ApplicationLookup = std::function<std::optional<QString>(const QString& mimeType)>;
    using Opener = std::function<bool(const QUrl& link)>;

    DesktopShell();
    DesktopShell(ApplicationLookup lookup, Opener opener);

    bool openLink(const QUrl& link) override;

  private:
    ApplicationLookup lookup_;
    Opener opener_;
};

}  // namespace marlo

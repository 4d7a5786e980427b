#pragma once

#include "ui/Shell.h"

namespace marlo {

// Opens links with the user's default application for them.
class DesktopShell : public Shell {
  public:
    bool openLink(const QUrl& link) override;
};

}  // namespace marlo

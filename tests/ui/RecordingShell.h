#pragma once

#include <QUrl>
#include <vector>

#include "ui/Shell.h"

namespace marlo {

// Records the links the windows hand to the desktop.
class RecordingShell : public Shell {
  public:
    bool openLink(const QUrl& link) override {
        links.push_back(link);
        return true;
    }

    std::vector<QUrl> links;
};

}  // namespace marlo

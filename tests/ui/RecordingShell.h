#pragma once

#include <QUrl>
#include <vector>

#include "ui/common/Shell.h"

namespace marlo {

// Records the links the windows hand to the desktop.
class RecordingShell : public Shell {
  public:
    bool openLink(const QUrl& link) override {
        links.push_back(link);
        return opens;
    }

    std::vector<QUrl> links;
    bool opens = true;  // false: no application takes the link
};

}  // namespace marlo

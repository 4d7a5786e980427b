#pragma once

class QUrl;

namespace marlo {

// Hands links to the desktop: a mail link, the user documentation.
class Shell {
  public:
    virtual ~Shell() = default;
    // False when nothing could open the link.
    virtual bool openLink(const QUrl& link) = 0;
};

}  // namespace marlo

#pragma once

#include <QUrl>

#include "i18n/Language.h"
#include "ui/common/Shell.h"
#include "ui/common/WindowMessages.h"

namespace marlo {

// The user manual in `language`, files/documentation-<code>.pdf ("documentation-de.pdf"), unless
// the build names a web address for it. Run from the build folder (the program in <build>/app),
// the manual built beside it in <build>/files is taken; installed (the program in <prefix>/bin),
// the one in <prefix>/share/marlo-veen/files.
QUrl documentationLink(Language language);

// Hands the manual to the desktop; when nothing opens it, a message names its file or address.
void openDocumentation(Shell& shell, WindowMessages& messages, const QUrl& link);

// The manual offered at a start, unasked: when nothing opens it, a notice names its file (no PDF
// program is set up) or its address.
void offerDocumentation(Shell& shell, WindowMessages& messages, const QUrl& link);

}  // namespace marlo

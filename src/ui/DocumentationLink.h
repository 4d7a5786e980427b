#pragma once

#include <QUrl>

namespace marlo {

// The user manual, files/documentation.pdf, unless the build names a web address for it. Run from
// the build folder (the program in <build>/app), the manual built beside it in <build>/files is
// taken; installed (the program in <prefix>/bin), the one in <prefix>/share/marlo-veen/files.
QUrl documentationLink();

}  // namespace marlo

#pragma once

#include <QUrl>

namespace marlo {

// The user manual: files/documentation.pdf in the program's data folder (share/marlo-veen beside
// the folder of the executable), unless the build names a web address for it.
QUrl documentationLink();

}  // namespace marlo

#pragma once

#include <QString>
#include <filesystem>
#include <string_view>

namespace marlo {

// File names in the windows are QStrings; on disk they are bytes, which need not be UTF-8. A
// byte that is no part of valid UTF-8 is kept in the QString as the lone surrogate U+DC80 +
// (byte - 0x80), so that a name given on the command line opens, and saves back to, the very
// file it names.
QString fileNameText(std::string_view bytes);

// The bytes of a file name made by fileNameText, or typed or chosen in a dialog (UTF-8).
std::filesystem::path filePath(const QString& name);

}  // namespace marlo

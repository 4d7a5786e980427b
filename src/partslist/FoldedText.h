#pragma once

#include <string>
#include <string_view>

namespace marlo {

// The text as names are compared in parts lists: letters in lower case and without their accents
// ("Länge" and "LANGE" both give "lange", "Dĺžka" gives "dlzka", "Maß" gives "mass"). Only the
// Latin letters of Western and Central European languages are folded; any other character stays
// as it is.
std::string foldedText(std::string_view text);

}  // namespace marlo

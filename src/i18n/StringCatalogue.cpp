#include "i18n/StringCatalogue.h"

#include "i18n/CatalogueTexts.h"

namespace marlo {

namespace {

const std::string kNoText;

// Bases 100, 300, 500, 700, 900 give the columns 0..4.
int columnOf(int base) {
    return (base - 100) / 200;
}

bool isBase(int base) {
    return base == 100 || base == 300 || base == 500 || base == 700 || base == 900;
}

const std::string& lookUp(int base, int offset) {
    if (!isBase(base) || offset < 1 || offset > kCatalogueOffsetCount) {
        return kNoText;
    }
    return catalogueRows()[offset - 1][columnOf(base)];
}

}  // namespace

const std::string& StringCatalogue::text(int offset) const {
    return lookUp(static_cast<int>(language_), offset);
}

const std::string& StringCatalogue::byId(int id) {
    if (id < 0) {
        return kNoText;
    }
    return lookUp(id / 100 * 100, id % 100);
}

}  // namespace marlo

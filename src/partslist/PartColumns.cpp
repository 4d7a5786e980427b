#include "partslist/PartColumns.h"

#include <string>
#include <utility>

#include "partslist/FoldedText.h"

namespace marlo {

namespace {

// The header names of each column as headerKey leaves them: Slovak, German, English, Czech and
// Dutch words together, as office programs and workshops write them.
constexpr std::pair<std::string_view, PartColumn> kHeaderNames[] = {
    {"mark", PartColumn::Mark},          {"position", PartColumn::Mark},
    {"pos", PartColumn::Mark},           {"part", PartColumn::Mark},
    {"item", PartColumn::Mark},          {"znacka", PartColumn::Mark},
    {"pozicia", PartColumn::Mark},       {"dielec", PartColumn::Mark},
    {"teil", PartColumn::Mark},          {"bezeichnung", PartColumn::Mark},
    {"pozice", PartColumn::Mark},        {"dil", PartColumn::Mark},
    {"merk", PartColumn::Mark},          {"positie", PartColumn::Mark},
    {"onderdeel", PartColumn::Mark},     {"material", PartColumn::Material},
    {"materiaal", PartColumn::Material}, {"profile", PartColumn::Material},
    {"profil", PartColumn::Material},    {"profiel", PartColumn::Material},
    {"article", PartColumn::Material},   {"artikel", PartColumn::Material},
    {"length", PartColumn::Length},      {"dimension", PartColumn::Length},
    {"dlzka", PartColumn::Length},       {"rozmer", PartColumn::Length},
    {"lange", PartColumn::Length},       {"mass", PartColumn::Length},
    {"delka", PartColumn::Length},       {"lengte", PartColumn::Length},
    {"maat", PartColumn::Length},        {"quantity", PartColumn::Pieces},
    {"qty", PartColumn::Pieces},         {"pieces", PartColumn::Pieces},
    {"pcs", PartColumn::Pieces},         {"mnozstvo", PartColumn::Pieces},
    {"pocet", PartColumn::Pieces},       {"ks", PartColumn::Pieces},
    {"menge", PartColumn::Pieces},       {"anzahl", PartColumn::Pieces},
    {"stuck", PartColumn::Pieces},       {"stk", PartColumn::Pieces},
    {"mnozstvi", PartColumn::Pieces},    {"aantal", PartColumn::Pieces},
    {"stuks", PartColumn::Pieces},       {"st", PartColumn::Pieces},
    {"order", PartColumn::Order},        {"zakazka", PartColumn::Order},
    {"objednavka", PartColumn::Order},   {"auftrag", PartColumn::Order},
    {"opdracht", PartColumn::Order},     {"bestellung", PartColumn::Order},
    {"note", PartColumn::Note},          {"poznamka", PartColumn::Note},
    {"bemerkung", PartColumn::Note},     {"notiz", PartColumn::Note},
    {"opmerking", PartColumn::Note},     {"angle1", PartColumn::StartAngle},
    {"uhol1", PartColumn::StartAngle},   {"winkel1", PartColumn::StartAngle},
    {"uhel1", PartColumn::StartAngle},   {"hoek1", PartColumn::StartAngle},
    {"angle2", PartColumn::EndAngle},    {"uhol2", PartColumn::EndAngle},
    {"winkel2", PartColumn::EndAngle},   {"uhel2", PartColumn::EndAngle},
    {"hoek2", PartColumn::EndAngle},
};

// The header folded, with only its letters and digits, and without a part in brackets: "Länge
// (mm)" and "LANGE" both give "lange", "Winkel 1" gives "winkel1", "Stk." gives "stk".
std::string headerKey(std::string_view header) {
    std::string key;
    int brackets = 0;
    for (const char c : foldedText(header)) {
        if (c == '(' || c == '[') ++brackets;
        if ((c == ')' || c == ']') && brackets > 0) --brackets;
        const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                   static_cast<unsigned char>(c) >= 0x80;
        if (brackets == 0 && letterOrDigit) key += c;
    }
    return key;
}

}  // namespace

std::optional<PartColumn> columnOfHeader(std::string_view header) {
    const std::string key = headerKey(header);
    for (const auto& [name, column] : kHeaderNames)
        if (name == key) return column;
    return std::nullopt;
}

}  // namespace marlo

#include <gtest/gtest.h>

#include "PartsTestSupport.h"
#include "i18n/StringCatalogue.h"
#include "i18n/texts/PartsListTexts.h"
#include "partslist/PartsImport.h"
#include "partslist/PartsImportMessages.h"
#include "partslist/TextSheet.h"
#include "reports/PartsExport.h"

namespace marlo {
namespace {

using namespace parts_text;

PartsImport importText(std::string_view text, const PartsImportOptions& options = {}) {
    const SheetRead sheet = textSheet(text);
    EXPECT_EQ(sheet.fault, SheetFault::None);
    return partsOfSheet(sheet.table, options);
}

TEST(PartsImport, headerNames_ofEveryLanguageAndSpelling_nameTheirColumns) {
    const Part part{"W1 jamb", "AL 70", 1200, 3, "A-1", "spare", 45, -30};
    const std::string row = "W1 jamb;AL 70;1200;3;A-1;spare;45;-30";
    // The columns' names of each language, as the catalogue gives them, read back.
    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        std::string header;
        for (int column = 7; column >= 0; --column)  // reversed: the names, not the order, count
            header += catalogue.text(kFirstColumnName + column) + (column ? ";" : "");
        const std::string reversed = "-30;45;spare;A-1;3;1200;AL 70;W1 jamb";
        EXPECT_EQ(importText(header + "\n" + reversed).parts, std::vector<Part>{part}) << header;
        // A parts list this program exported, under the captions of its grid, reads back.
        ProductionJob exported;
        exported.parts.push_back({part, {}});
        const std::string csv = partsCsv(exported, catalogue);
        EXPECT_EQ(importText(csv).parts, std::vector<Part>{part}) << csv;
    }
    // Other words and spellings: letter case, accents, dots, a unit in brackets.
    for (const char* header : {"Pos.;Artikel;LÄNGE [mm];Stück;Auftrag;Notiz;Winkel1;WINKEL 2",
                               "Dielec;Profil;Rozmer (mm);ks;Objednávka;Poznámka;Uhol 1;Uhol 2",
                               "Díl;Profil;Rozměr;Množství;Zakázka;Poznámka;Úhel 1;Úhel 2",
                               "Onderdeel;Profiel;Maat;St.;Opdracht;Opmerking;Hoek 1;Hoek 2",
                               "Item;Article;Dimension;Qty;Order;Note;Angle 1;Angle 2",
                               "Teil;Material;Maß;Stk;Auftrag;Bemerkung;Winkel 1;Winkel 2"})
        EXPECT_EQ(importText(std::string(header) + "\n" + row).parts, std::vector<Part>{part})
            << header;
    // Unknown columns are left aside; of two columns with one name the first counts.
    EXPECT_EQ(importText("Weight;Length;Pcs;Length;Material\n9;500;2;700;AL").parts,
              (std::vector<Part>{{"", "AL", 500, 2, "", "", 0, 0}}));
}

TEST(PartsImport, columnMapping_lettersOrHeaderTexts_supplyAndOverrideTheHeader) {
    const std::string list = "Teil-Nr;Kunde;Profil-Bez;Zuschnitt;Anz\nT1;K-9;AL 50;800;2\n";
    const std::vector<Part> expected{{"T1", "AL 50", 800, 2, "K-9", "", 0, 0}};
    EXPECT_EQ(importText(
                  list, test::options({}, "mark=A,order=b,material=Profil-Bez,length=D,pieces=anz"))
                  .parts,
              expected);
    // With letters only and no header, the first row is the first part.
    EXPECT_EQ(
        importText("T1;K-9;AL 50;800;2", test::options({},
                                                       "mark=A, order=B, material=C, length=D, "
                                                       "pieces=E"))
            .parts,
        expected);
    // The mapping overrides the header's own names; the column it takes from another is no
    // longer that one's.
    EXPECT_EQ(importText("Length;Pieces;Cut\n100;2;900", test::options({}, "length=C", "M")).parts,
              (std::vector<Part>{{"", "M", 900, 2, "", "", 0, 0}}));
    EXPECT_EQ(importText("Length;Pieces\n100;2", test::options({}, "mark=A", "M")).failure,
              kNoLengthColumn);

    const std::pair<const char*, int> faults[] = {{"length", kBadMapping},
                                                  {"size=D", kBadMapping},
                                                  {"length=", kBadMapping},
                                                  {"length=D,length=E", kBadMapping},
                                                  {"length=AAAA", kUnknownMappingColumn},
                                                  {"length=Gewicht", kUnknownMappingColumn}};
    for (const auto& [mapping, failure] : faults) {
        const PartsImport import = importText(list, test::options({}, mapping));
        EXPECT_EQ(import.failure, failure) << mapping;
        EXPECT_TRUE(import.parts.empty()) << mapping;
    }
    EXPECT_EQ(importText(list, test::options({}, "pieces=E,length=Gewicht")).failureDetail,
              "length=Gewicht");
    EXPECT_EQ(importText("Note;Order\nx;y").failure, kNoLengthColumn);
    EXPECT_EQ(importText("Length;Order\n100;y").failure, kNoPiecesColumn);
    EXPECT_EQ(importText(" ; \n\n").failure, kEmptySheet);
}

TEST(PartsImport, rowChecks_badCells_refuseTheirRowsByTheirNumbersAndSayWhy) {
    const PartsImport import = importText(
        "Mark;Material;Length;Pieces;Angle 1;Angle 2\n"
        "\n"
        "A;AL;;1\n"                    // 3
        "B;AL;100001;1\n"              // 4
        "C;AL;0,4;1\n"                 // 5: rounds to 0
        "D;AL;500;2.5\n"               // 6
        "E;AL;500;100001\n"            // 7
        "F;AL;500\n"                   // 8
        "G;AL;500;1;x\n"               // 9
        "H;AL;500;1;-75;75.5\n"        // 10
        "I;;500;1\n"                   // 11: no material, no default
        ";AL;100000;100000;-75;75\n"   // 12: no mark, every bound reached
        "K;AL;12a;1\n"                 // 13
        "M;AL;1e3;1\n"                 // 14
        "\"N\";\" AL 70 \";0,5;1\n");  // 15
    EXPECT_EQ(import.parts, (std::vector<Part>{{"", "AL", 100000, 100000, "", "", -75, 75},
                                               {"N", "AL 70", 1, 1, "", "", 0, 0}}));
    EXPECT_EQ(import.refused, (std::vector<RowProblem>{{3, kLengthMissing, ""},
                                                       {4, kLengthOutOfRange, "100001"},
                                                       {5, kLengthOutOfRange, "0,4"},
                                                       {6, kPiecesOutOfRange, "2.5"},
                                                       {7, kPiecesOutOfRange, "100001"},
                                                       {8, kPiecesMissing, ""},
                                                       {9, kAngleNotANumber, "x"},
                                                       {10, kAngleOutOfRange, "75.5"},
                                                       {11, kMaterialMissing, ""},
                                                       {13, kLengthNotANumber, "12a"},
                                                       {14, kLengthNotANumber, "1e3"}}));
    EXPECT_EQ(import.warnings, (std::vector<RowProblem>{{15, kLengthRounded, "0,5"}}));

    // A default material fills empty material cells; long cells are shortened for messages.
    const PartsImport filled =
        importText("Mark;Material;Length;Pieces\nI;;500;1\nJ;AL;" + std::string(100, '9') + ";1",
                   test::options({}, {}, "Steel 30x20"));
    EXPECT_EQ(filled.parts, (std::vector<Part>{{"I", "Steel 30x20", 500, 1, "", "", 0, 0}}));
    EXPECT_EQ(filled.refused.at(0).cell, std::string(60, '9') + "…");
}

TEST(PartsImport, messages_nameRowsReasonsAndCellsInTheCataloguesLanguage) {
    const PartsImport import = importText("Length;Pieces;Material\n12a;1;AL\n100.4;1;AL\n");
    EXPECT_EQ(partsImportMessages(import, StringCatalogue(Language::English)),
              (std::vector<std::string>{"Row 2 skipped: the length is not a number: 12a",
                                        "Row 3: length rounded to whole millimetres: 100.4"}));
    EXPECT_EQ(partsImportMessages(import, StringCatalogue(Language::German)).at(0),
              "Zeile 2 ausgelassen: die Länge ist keine Zahl: 12a");
    EXPECT_EQ(
        partsImportMessages(importText("Length;Pieces\n1;1"), StringCatalogue(Language::Czech)),
        (std::vector<std::string>{"Kusovník nemá sloupec materiálů a není zadán výchozí "
                                  "materiál: "}));
    EXPECT_TRUE(partsImportMessages(importText("Length;Pieces;Material\n1;1;AL"), StringCatalogue())
                    .empty());
    EXPECT_EQ(partsImportMessages(importParts("/no/such/parts.csv", {}),
                                  StringCatalogue(Language::English)),
              (std::vector<std::string>{"The file cannot be read: /no/such/parts.csv"}));

    // Every text of the block in every language; the ones a detail follows end with ": ".
    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        for (int offset = kRow; offset < kFirstColumnName + 8; ++offset)
            EXPECT_FALSE(catalogue.text(offset).empty()) << offset;
        for (int offset = kUnknownType; offset <= kUnknownMappingColumn; ++offset)
            EXPECT_TRUE(catalogue.text(offset).ends_with(": ")) << catalogue.text(offset);
    }
    EXPECT_LE(kFirstColumnName + 8, kPartsListTextsFirst + 50);
}

}  // namespace
}  // namespace marlo

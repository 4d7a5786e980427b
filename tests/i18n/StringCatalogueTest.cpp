#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>

#include "i18n/StringCatalogue.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "i18n/texts/StockStoreTexts.h"

namespace marlo {
namespace {

constexpr int kOffsetCount = 98;

struct Quoted {
    int offset;
    const char* text;
};

// Texts that other parts of the program, stored reports and users rely on word for word.
const Quoted kEnglish[] = {
    {1, "Customer"},
    {2, "Name"},
    {3, "Colour"},
    {4, "Dimension"},
    {5, "pieces"},
    {6, "Delete"},
    {7, "Edit"},
    {8, "Optimize"},
    {9, "Seq. No."},
    {10, "No. of rods"},
    {11, "Waste"},
    {12, "No. of pieces"},
    {13, "Dim1"},
    {14, "Dim2"},
    {15, "Dim3"},
    {16, "Dim"},
    {17, "Add"},
    {18, "File"},
    {19, "New"},
    {20, "Open"},
    {21, "Save"},
    {22, "Save as"},
    {23, "Print"},
    {24, "Export"},
    {25, "Excel"},
    {26, "Text"},
    {27, "Close"},
    {28, "Settings"},
    {29, "Parameters"},
    {30, "Language"},
    {31, "Dimension settings"},
    {32, "Minimum dimension of waste"},
    {33, "Maximum dimension of waste"},
    {34, "Slice thickness"},
    {35, "Rod length"},
    {36, "Optimization"},
    {37, "Optimize waste borders ..."},
    {38, "Don't optimize waste borders ..."},
    {39, "OK"},
    {40, "Cancel"},
    {41, "Evaluation"},
    {42, "Total number of rods : (pcs)"},
    {43, "Total waste : (mm)"},
    {44, "Total amount of waste : (pcs)"},
    {45, "Total efficiency : (%)"},
    {46, "Calculated possibilities"},
    {47, "The dimension is greater than rod length. Do you want to enter this dimension?"},
    {48, "Are you sure to delete one selected item?"},
    {49, "Are you sure you want to delete "},
    {50, " selected items?"},
    {51, " selected items?"},
    {52, "Optimization interrupted!"},
    {53, "Do you want to save the changes?"},
    {54, "Do you want to save the changes to "},
    {55, "All files"},
    {56, "Supported files"},
    {57, "This format is not supported"},
    {63, "Marlo-veen : New"},
    {64, "Some dimension is greater than the rod length; dimension omitted."},
    {65, "no. of"},
    {66, "Rods"},
    {67, "Seq."},
    {68, "Edit"},
    {69, "Summary"},
    {70, "Total number of rods"},
    {71, "Total waste"},
    {72, "Total amount of waste"},
    {73, "Total efficiency"},
    {74, "All files (*.*)|*.*|Supported files (*.txt)|*.txt"},
    {75, "    Total number of rods   (pcs)  :   "},
    {76, "    Total waste             (mm)  :   "},
    {77, "    Total amount of waste  (pcs)  :   "},
    {78, "    Total efficiency         (%)  :   "},
    {79, "    Total calculated possibilities:   "},
    {80, "Error"},
    {81, "All files (*.*)|*.*|Supported files (*.opt)|*.opt"},
    {82, "Number"},
    {83, "Pcs"},
    {84, "No. of"},
    {85, "Rods"},
    {86, "About"},
    {91, "Error!"},
    {92, "    Length of the rod       (mm)  :   "},
    {93, "    Slice thickness         (mm)  :   "},
    {94, "Too many short dimensions, optimization will be cancelled!"},
    {95, "Method of optimizing"},
    {96, "Start with the smallest waste"},
    {97, "Start with the largest dimension"},
    {98, "Sort the output of the smallest waste"},
};

const Quoted kSlovak[] = {
    {1, "Zákazka"},
    {2, "Názov"},
    {3, "Farba"},
    {4, "Rozmer"},
    {5, "ks"},
    {6, "Vymazať"},
    {7, "Editovať"},
    {8, "Optimalizuj"},
    {9, "por.č."},
    {10, "počet tyčí"},
    {11, "odpad"},
    {12, "počet ks"},
    {13, "rozmer1"},
    {14, "rozmer2"},
    {15, "rozmer3"},
    {16, "rozmer"},
    {17, "Pridať"},
    {18, "Súbor"},
    {19, "Nový"},
    {20, "Otvoriť"},
    {21, "Uložiť"},
    {22, "Uložiť ako"},
    {23, "Tlačiť"},
    {24, "Export"},
    {25, "Excel"},
    {26, "Text"},
    {27, "Zavrieť"},
    {28, "Nastavenia"},
    {29, "Parametre"},
    {30, "Jazyk"},
    {31, "Nastavenie rozmerov"},
    {32, "Minimálny rozmer odpadu"},
    {33, "Maximálny rozmer odpadu"},
    {34, "Hrúbka rezu"},
    {35, "Dĺžka tyče"},
    {36, "Optimalizácia"},
    {37, "Optimalizovať odpad v hraniciach ..."},
    {38, "Neoptimalizovať odpad v hraniciach ..."},
    {39, "OK"},
    {40, "Zrušiť"},
    {41, "Vyhodnotenie"},
    {42, "Celkový počet tyčí : (ks)"},
    {43, "Celkový odpad : (mm)"},
    {44, "Celkový počet odpadu : (ks)"},
    {45, "Celková využiteľnosť : (%)"},
    {46, "Kalkulované možnosti"},
    {47, "Rozmer je väčší ako dĺžka tyče. Chcete zapísať tento rozmer?"},
    {48, "Chcete vymazať 1 označenú položku?"},
    {49, "Chcete vymazať "},
    {50, " označené položky?"},
    {51, " označených položiek?"},
    {52, "Optimalizácia prerušená!"},
    {53, "Chcete uložiť zmeny?"},
    {54, "Chcete uložiť zmeny súboru "},
    {55, "Všetky súbory"},
    {56, "Súbory typu"},
    {57, "Nepodporovaný formát súboru"},
    {63, "marlo-veen : Nový"},
    {64, "Niektorý rozmer je väčší ako dĺžka tyče, rozmer vynechávam."},
    {65, "počet"},
    {66, "tyčí"},
    {67, "por."},
    {68, "editácia"},
    {69, "Sumarizácia"},
    {70, "Celkový počet tyčí"},
    {71, "Celkový odpad"},
    {72, "Celkový počet odpadu"},
    {73, "Celková využiteľnosť"},
    {74, "Všetky súbory (*.*)|*.*|Súbory typu (*.txt)|*.txt"},
    {75, "    Celkový počet tyčí   (ks)  :   "},
    {76, "    Celkový odpad        (mm)  :   "},
    {77, "    Celkový počet odpadu (ks)  :   "},
    {78, "    Celková využiteľnosť  (%)  :   "},
    {79, "    Kalkulované možnosti       :   "},
    {80, "chyba"},
    {81, "Všetky súbory (*.*)|*.*|Súbory typu (*.opt)|*.opt"},
    {82, "číslo"},
    {83, "ks"},
    {84, "počet"},
    {85, "tyčí"},
    {86, "Info"},
    {91, "Chybný údaj!"},
    {92, "    Dĺžka tyče           (mm)  :   "},
    {93, "    Hrúbka rezu          (mm)  :   "},
    {94, "Príliš mnoho krátkych rozmerov, optimalizácia bude prerušená!"},
    {95, "Spôsob optimalizácie"},
    {96, "Začať s najmenším odpadom"},
    {97, "Začať s najväčšími rozmermi"},
    {98, "Výstup zoradiť podľa najmenšieho odpadu"},
};

const Quoted kGerman[] = {
    {42, "Gesamtanzahl Stangen : (Stk.)"},
    {49, "Möchten Sie die "},
    {50, " markierten Zeilen löschen?"},
    {54, "Möchten Sie die Änderungen an dieser Datei speichern: "},
    {63, "marlo-veen : Neu"},
    {74, "Alle Dateien (*.*)|*.*|Textdateien (*.txt)|*.txt"},
    {75, "    Gesamtanzahl Stangen  (Stk.)  :   "},
    {84, "Stang."},
    {85, "Anzahl"},
    {92, "    Stangenlänge            (mm)  :   "},
};

const Quoted kCzech[] = {
    {42, "Celkový počet tyčí : (ks)"},
    {49, "Chcete vymazat "},
    {50, " označené položky?"},
    {54, "Chcete uložit změny souboru "},
    {63, "marlo-veen : Nový"},
    {74, "Všechny soubory (*.*)|*.*|Soubory typu (*.txt)|*.txt"},
    {75, "    Celkový počet tyčí   (ks)  :   "},
    {84, "počet"},
    {85, "tyčí"},
    {92, "    Délka tyče           (mm)  :   "},
};

const Quoted kDutch[] = {
    {42, "Totaal aantal staven: (stuks)"},
    {54, "Wilt u de wijzigingen opslaan in "},
    {63, "Marlo-veen : Nieuw"},
    {74, "Alle bestanden (*.*)|*.*|Tekstbestanden (*.txt)|*.txt"},
    {75, "    Totaal aantal staven (stuks)  :   "},
    {84, "Aantal"},
    {85, "Staven"},
    {92, "    Staaflengte             (mm)  :   "},
};

// Characters, not bytes: the report layout counts letters such as "č" as one column.
std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (unsigned char byte : utf8) {
        if ((byte & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::size_t colonColumn(const std::string& label) {
    return characterCount(std::string_view(label).substr(0, label.find(':')));
}

template <std::size_t N>
void expectQuoted(Language language, const Quoted (&quoted)[N]) {
    const StringCatalogue catalogue(language);
    for (const Quoted& entry : quoted) {
        EXPECT_EQ(catalogue.text(entry.offset), entry.text) << "offset " << entry.offset;
        EXPECT_EQ(StringCatalogue::byId(static_cast<int>(language) + entry.offset), entry.text)
            << "offset " << entry.offset;
    }
}

TEST(StringCatalogueTest, englishAndSlovakTexts_standAsQuoted) {
    expectQuoted(Language::English, kEnglish);
    expectQuoted(Language::Slovak, kSlovak);
}

TEST(StringCatalogueTest, germanCzechAndDutchQuotedTexts_standAsQuoted) {
    expectQuoted(Language::German, kGerman);
    expectQuoted(Language::Czech, kCzech);
    expectQuoted(Language::Dutch, kDutch);

    const StringCatalogue german(Language::German);
    EXPECT_EQ(german.text(18), "Datei");
    EXPECT_EQ(german.text(17), "Hinzufügen");
    const StringCatalogue dutch(Language::Dutch);
    EXPECT_EQ(dutch.text(11), "Afval");
}

TEST(StringCatalogueTest, everyOffsetOfEveryLanguage_hasText) {
    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        for (int offset = 1; offset <= kOffsetCount; ++offset) {
            EXPECT_FALSE(catalogue.text(offset).empty())
                << "language " << static_cast<int>(language) << ", offset " << offset;
        }
    }
}

TEST(StringCatalogueTest, text_followsTheCurrentLanguage) {
    StringCatalogue catalogue(Language::English);
    EXPECT_EQ(catalogue.text(1), "Customer");
    catalogue.setLanguage(Language::Slovak);
    EXPECT_EQ(catalogue.language(), Language::Slovak);
    EXPECT_EQ(catalogue.text(1), "Zákazka");
    EXPECT_EQ(StringCatalogue().text(1), "Zákazka");
    EXPECT_EQ(&catalogue.text(1), &StringCatalogue::byId(101));
}

TEST(StringCatalogueTest, deleteConfirmation_joinsStartCountAndPluralEnding) {
    const StringCatalogue slovak(Language::Slovak);
    EXPECT_NE(slovak.text(51), slovak.text(50));
    EXPECT_EQ(slovak.text(51), " označených položiek?");
    const StringCatalogue czech(Language::Czech);
    EXPECT_NE(czech.text(51), czech.text(50));
    const StringCatalogue english(Language::English);
    EXPECT_EQ(english.text(51), english.text(50));
    const StringCatalogue german(Language::German);
    EXPECT_EQ(german.text(49) + "3" + german.text(50),
              "Möchten Sie die 3 markierten Zeilen löschen?");
    const StringCatalogue dutch(Language::Dutch);
    EXPECT_EQ(dutch.text(49) + "5" + dutch.text(51),
              "Weet u zeker dat u de 5 geselecteerde regels wilt verwijderen?");

    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        EXPECT_EQ(catalogue.text(49).back(), ' ') << static_cast<int>(language);
        EXPECT_EQ(catalogue.text(50).front(), ' ') << static_cast<int>(language);
        EXPECT_EQ(catalogue.text(51).front(), ' ') << static_cast<int>(language);
    }
}

TEST(StringCatalogueTest, newJobCaption_isPrefixOfThirteenCharactersAndTheWordNew) {
    const struct {
        Language language;
        const char* word;
    } expected[] = {{Language::Slovak, "Nový"},
                    {Language::German, "Neu"},
                    {Language::English, "New"},
                    {Language::Czech, "Nový"},
                    {Language::Dutch, "Nieuw"}};
    for (const auto& entry : expected) {
        const std::string& caption = StringCatalogue(entry.language).text(63);
        ASSERT_GT(caption.size(), 13u);
        const std::string prefix = caption.substr(0, 13);
        EXPECT_TRUE(prefix == "marlo-veen : " || prefix == "Marlo-veen : ") << caption;
        EXPECT_EQ(caption.substr(13), entry.word);
    }
}

TEST(StringCatalogueTest, reportLabels_keepTheirBlanksAndLineUpTheirColons) {
    const int labels[] = {75, 76, 77, 78, 79, 92, 93};
    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        for (int offset : labels) {
            const std::string& label = catalogue.text(offset);
            EXPECT_TRUE(label.starts_with("    ") && label.ends_with(":   "))
                << "language " << static_cast<int>(language) << ": \"" << label << '"';
            EXPECT_EQ(label.find(':'), label.size() - 4) << label;
        }
        for (int offset :
             {76, 77, 78, 79, 92, 93, fewest_text::kLowerBoundLine, stock_text::kPriceLine,
              stock_text::kPriceBoundLine, stock_text::kMaterialLine, stock_text::kLeftoversLine,
              stock_text::kTrimLine, stock_text::kMaterialNameLine}) {
            EXPECT_EQ(colonColumn(catalogue.text(offset)), colonColumn(catalogue.text(75)))
                << catalogue.text(offset);
        }
    }
}

// The word for the stock names the Parameters dialog's stock frame, each pattern's stock in the
// reports and the line above the result alike; the frame's own field, the material, has a word of
// its own.
TEST(StringCatalogueTest, stockWord_namesTheStockAndNotTheMaterial) {
    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        const std::string& stock = catalogue.text(stock_text::kStock);
        EXPECT_TRUE(catalogue.text(stock_text::kStockLine).starts_with(stock + ": "))
            << catalogue.text(stock_text::kStockLine);
        EXPECT_NE(stock, catalogue.text(store_text::kMaterial));
    }
}

TEST(StringCatalogueTest, messagesFollowedByAPath_endWithColonAndBlank) {
    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        for (int offset :
             {msg::kCannotWriteFile, msg::kCannotOpenSpreadsheet, msg::kCannotReadFile}) {
            EXPECT_TRUE(catalogue.text(offset).ends_with(": ")) << catalogue.text(offset);
        }
    }
}

TEST(StringCatalogueTest, fileFilters_pairLabelsWithPatterns) {
    for (Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        for (const auto& [offset, pattern] : {std::pair{74, "*.txt"}, std::pair{81, "*.opt"}}) {
            const std::string& filter = catalogue.text(offset);
            const std::string tail = std::string(" (") + pattern + ")|" + pattern;
            EXPECT_TRUE(filter.ends_with(tail)) << filter;
            EXPECT_NE(filter.find(" (*.*)|*.*|"), std::string::npos) << filter;
        }
    }
}

TEST(StringCatalogueTest, idsAndOffsetsOutsideTheCatalogue_giveEmptyText) {
    for (int id : {INT_MIN, -501, -1, 0, 1, 99, 100, 300, 500, 900, 1100, 1101, INT_MAX}) {
        EXPECT_EQ(StringCatalogue::byId(id), "") << id;
    }
    EXPECT_EQ(StringCatalogue::byId(198), "Výstup zoradiť podľa najmenšieho odpadu");
    EXPECT_EQ(StringCatalogue::byId(901), "Klant");

    const StringCatalogue english(Language::English);
    for (int offset : {INT_MIN, -1, 0, 200, 201, INT_MAX}) {
        EXPECT_EQ(english.text(offset), "") << offset;
    }
    EXPECT_EQ(StringCatalogue(static_cast<Language>(200)).text(1), "");
}

}  // namespace
}  // namespace marlo

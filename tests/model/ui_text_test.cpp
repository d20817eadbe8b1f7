#include "resources/ui_text.h"

#include <gtest/gtest.h>

#include "resources/string_table.h"

namespace {

struct LanguageGuard {
    ~LanguageGuard() { SetUiLanguage(UiLanguage::German); }
};

TEST(UiText, GermanPassesThroughAndEnglishComesFromTheCatalogueOrIsRecordedAsMissing) {
    LanguageGuard guard;
    ClearUntranslatedTexts();
    EXPECT_STREQ(Tr("Zeile"), "Zeile");
    EXPECT_TRUE(UntranslatedTexts().empty());

    SetUiLanguage(UiLanguage::English);
    EXPECT_STREQ(Tr("Zeile"), "Line");
    EXPECT_EQ(Tr(std::string_view("Zeile")), "Line");
    EXPECT_STREQ(Tr("Kein solcher Text"), "Kein solcher Text");
    EXPECT_STREQ(Tr("Kein solcher Text"), "Kein solcher Text");
    EXPECT_EQ(UntranslatedTexts(), std::vector<std::string>{"Kein solcher Text"});
    ClearUntranslatedTexts();
    EXPECT_GT(CatalogueSize(), 0u);
}

}  // namespace

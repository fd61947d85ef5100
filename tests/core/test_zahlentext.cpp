#include "zahlentext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace grobrechner;

namespace {

struct Gelesen {
    const char* text;
    double wert;
};

const Gelesen zahlen[] = {
    {"1000", 1000},  {"1.200", 1200},    {"1.050.000", 1050000}, {",5", 0.5},    {"0,5", 0.5},
    {"1,", 1},       {"080", 80},        {"00", 0},             {"-5", -5},     {"+7", 7},
    {"-,5", -0.5},   {"12,25", 12.25},   {"1.200,5", 1200.5},   {" 5 ", 5},     {"94.300", 94300},
    {"-14.690", -14690}, {"999", 999},   {"0", 0},
};

const char* keineZahlen[] = {
    "",    " ",     "abc",   "inf",   "nan",  "1.2",  "1.20",  "1.2000", ".5",   "1.",    "1..200", "12.00,5",
    "1e3", "1E3",   ",",     "-",     "+",    "--5",  "5-",    "1,2,3",  "1 000", "0x10",  "5a",     "a5",
    "1,.", "1.000.00", "١٢", "５",    "- 5",  "1,5.", "Infinity",
};

} // namespace

TEST(ZahlAusText, ReadsGermanNumberTexts)
{
    for (const Gelesen& g : zahlen) {
        const auto wert = zahlAusText(g.text);
        ASSERT_TRUE(wert.has_value()) << g.text;
        EXPECT_EQ(*wert, g.wert) << g.text;
    }
}

TEST(ZahlAusText, RefusesWhatIsNoNumber)
{
    for (const char* text : keineZahlen) {
        EXPECT_FALSE(zahlAusText(text).has_value()) << '"' << text << '"';
        EXPECT_FALSE(singleAusText(text).has_value()) << '"' << text << '"';
    }
}

TEST(OhneGruppen, DropsTheGroupsOfNumbersAndLeavesOtherTexts)
{
    for (const Gelesen& g : zahlen) {
        const auto text = ohneGruppen(g.text);
        ASSERT_TRUE(text.has_value()) << g.text;
        EXPECT_EQ(text->find_first_of(". "), std::string::npos) << g.text;
        EXPECT_EQ(zahlAusText(*text), g.wert) << g.text;
    }
    for (const char* text : keineZahlen)
        EXPECT_FALSE(ohneGruppen(text).has_value()) << '"' << text << '"';
}

TEST(ZahlAusText, RefusesNumbersBeyondTheFloatRange)
{
    const std::string riesig = "1" + std::string(60, '0');
    EXPECT_FALSE(singleAusText(riesig).has_value());
    EXPECT_TRUE(zahlAusText(riesig).has_value());
}

TEST(SingleAusText, RoundsOnceDirectlyToFloat)
{
    EXPECT_EQ(*singleAusText("0,1"), 0.1f);
    EXPECT_EQ(*singleAusText("4,5"), 4.5f);
    EXPECT_EQ(*singleAusText("1.200"), 1200.0f);
    // 16777217 lies between two floats; a detour through double must not move it.
    EXPECT_EQ(*singleAusText("16.777.217"), 16777216.0f);
}

TEST(FormatGanzzahl, GroupsThousandsAndRoundsHalvesAwayFromZero)
{
    const struct {
        double wert;
        const char* text;
    } faelle[] = {
        {1000, "1.000"},       {109530, "109.530"}, {2.5, "3"},        {-2.5, "-3"},        {-14690, "-14.690"},
        {0, "0"},              {0.4, "0"},           {-0.4, "0"},        {999.5, "1.000"},    {1525.2, "1.525"},
        {8774.55, "8.775"},    {254200, "254.200"},  {1234567, "1.234.567"}, {241.49999999999997, "241"},
        {1e15, "1.000.000.000.000.000"},  {123, "123"}, {-999, "-999"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(formatGanzzahl(f.wert), f.text) << f.wert;
}

TEST(FormatGanzzahl, BeyondSixtyFourBitsStillPrintsAllDigits)
{
    EXPECT_EQ(formatGanzzahl(1e20), "100.000.000.000.000.000.000");
    EXPECT_EQ(formatGanzzahl(-3.4028234663852886e38).substr(0, 9), "-340.282.");
}

TEST(FormatGanzzahl, UndefinedFiguresShowADash)
{
    EXPECT_EQ(formatGanzzahl(std::numeric_limits<double>::quiet_NaN()), "–");
    EXPECT_EQ(formatGanzzahl(std::numeric_limits<double>::infinity()), "–");
    EXPECT_EQ(formatEineStelle(std::numeric_limits<double>::infinity()), "–");
    EXPECT_EQ(zahltext(std::numeric_limits<float>::quiet_NaN()), "–");
}

TEST(FormatEineStelle, OneDecimalWithAComma)
{
    const struct {
        double wert;
        const char* text;
    } faelle[] = {
        {35.4, "35,4"}, {35.40084985839705, "35,4"}, {25, "25"}, {0, "0"},   {-50, "-50"}, {0.25, "0,3"},
        {0.05, "0,1"},  {-0.25, "-0,3"},             {1234.5, "1234,5"},     {0.04, "0"},  {-0.04, "0"},
        {9.96, "10"},   {0.5, "0,5"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(formatEineStelle(f.wert), f.text) << f.wert;
}

TEST(Zahltext, ShortestFloatTextWithADecimalComma)
{
    const struct {
        float wert;
        const char* text;
    } faelle[] = {
        {12.5f, "12,5"}, {50, "50"}, {0.5f, "0,5"}, {4.5f, "4,5"}, {2.5f, "2,5"}, {0.1f, "0,1"},
        {120, "120"},    {-5, "-5"}, {0, "0"},      {-0.0f, "0"},  {1200, "1200"}, {16000, "16000"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zahltext(f.wert), f.text) << f.wert;
}

TEST(Zahltext, GroupedThousandsInTheWholePartOnly)
{
    const struct {
        float wert;
        const char* text;
    } faelle[] = {
        {1000, "1.000"}, {1250.5f, "1.250,5"}, {-1234, "-1.234"}, {999.5f, "999,5"},
        {0.125f, "0,125"}, {1000000, "1.000.000"}, {-0.5f, "-0,5"}, {std::numeric_limits<float>::infinity(), "–"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zahltextGruppiert(f.wert), f.text) << f.wert;
}

TEST(Zahltext, ReadsBackToTheSameFloat)
{
    for (auto* schreiben : {&zahltext, &zahltextGruppiert})
        for (float wert : {0.1f, 4.5f, 12.34f, 99.99f, 1e-3f, 123456.7f, 3.4e38f}) {
            const auto zurueck = singleAusText(schreiben(wert));
            ASSERT_TRUE(zurueck.has_value()) << wert;
            EXPECT_EQ(*zurueck, wert);
        }
}

TEST(FormatGanzzahl, ReadsBackAsTheSameWholeNumber)
{
    for (double wert : {0.0, 7.0, 999.0, 1000.0, 12345.0, -14690.0, 1050000.0, 123456789012.0}) {
        const auto zurueck = zahlAusText(formatGanzzahl(wert));
        ASSERT_TRUE(zurueck.has_value()) << wert;
        EXPECT_EQ(*zurueck, wert);
    }
}

#include "eingabe.h"

TEST(EingabeLesen, AppliesTheLowerBoundToTheNumberTheTextStandsFor)
{
    const struct {
        const char* text;
        std::optional<float> ueberNull;
        std::optional<float> abNull;
    } faelle[] = {
        {"5", 5.0f, 5.0f},         {"0,5", 0.5f, 0.5f},  {"0", {}, 0.0f},      {"00", {}, 0.0f},
        {"-5", {}, {}},            {"", {}, {}},         {"abc", {}, {}},      {"1.200", 1200.0f, 1200.0f},
        {"1.2", {}, {}},           {",5", 0.5f, 0.5f},   {"-0", {}, -0.0f},    {" 7", 7.0f, 7.0f},
        {"1e3", {}, {}},           {"080", 80.0f, 80.0f},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(eingabeLesen(f.text, Untergrenze::UeberNull), f.ueberNull) << f.text;
        EXPECT_EQ(eingabeLesen(f.text, Untergrenze::AbNull), f.abNull) << f.text;
    }
}

#include "ergebnisblatt.h"

#include "zahlentext.h"

#include <gtest/gtest.h>

#include <string>

using namespace grobrechner;

namespace {

const std::string strich(undefiniert);

} // namespace

TEST(Abweichung, WholePercentWithHalvesToEven)
{
    struct Fall {
        const char* bestand;
        const char* saniert;
        std::string erwartet;
    };
    const Fall faelle[] = {
        {"94.300", "58.990", "-37 %"},
        {"200", "135", "-32 %"},  // −32.5
        {"205", "195", "-5 %"},   // −4.878…
        {"200", "199", "0 %"},    // −0.5, no "-0"
        {"200", "201", "0 %"},    // 0.5
        {"200", "203", "2 %"},    // 1.5
        {"200", "205", "2 %"},    // 2.5
        {"200", "207", "4 %"},    // 3.5
        {"100", "100", "0 %"},
        {"100", "250", "150 %"},
        {"-3.485", "1.571", "-145 %"},
        {"100", "32.867", "32767 %"},
        {"100", "-32.668", "-32768 %"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(abweichungstext(f.bestand, f.saniert), f.erwartet) << f.bestand << " / " << f.saniert;
}

TEST(Abweichung, BeyondTheSixteenBitRangeShowsAsComputed)
{
    EXPECT_EQ(abweichungstext("100", "32.868"), "32768 %");
    EXPECT_EQ(abweichungstext("100", "-32.669"), "-32769 %");
    EXPECT_EQ(abweichungstext("1", "400"), "39900 %");
    EXPECT_EQ(abweichungstext("1", "1.000.000.000"), "99999999900 %");
}

TEST(Abweichung, UndefinedWithoutAnExistingTotalOrANumber)
{
    const char* faelle[][2] = {
        {"0", "20.860"}, {"0", "0"}, {"-0", "5"}, {"", "100"}, {"100", ""}, {"abc", "100"},
        {"1.2", "100"},  {"100", "\u2013"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(abweichungstext(f[0], f[1]), strich) << f[0] << " / " << f[1];
}

TEST(Gesamtkosten, AddsTheDisplayedTextsInSinglePrecision)
{
    struct Fall {
        const char* errichtung;
        const char* betrieb;
        std::string erwartet;
    };
    const Fall faelle[] = {
        {"1.050.000", "250.000", "1.300.000"},
        {"48.250", "61.733", "109.983"},
        {"0", "1.234", "1.234"},
        {"50.000", "-14.690", "35.310"},
        // 16777217 has no float; the sum rounds to the even neighbour.
        {"16.777.216", "1", "16.777.216"},
        {"1.2", "5", strich},
        {"5", "", strich},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(gesamtkostentext(f.errichtung, f.betrieb), f.erwartet) << f.errichtung << " + " << f.betrieb;
}

TEST(Sanierungsblatt, TotalPaybackAndSaving)
{
    struct Fall {
        const char* name;
        const char* sanko;
        const char* bestand;
        const char* saniert;
        std::string ges, amo, gesersp;
    };
    const Fall faelle[] = {
        {"worked example", "50.000", "94.300", "58.990", "108.990", "35,4", "-14.690"},
        {"no renovation cost", "0", "94.300", "58.990", "58.990", "0", "35.310"},
        {"saving equals cost", "35.310", "94.300", "58.990", "94.300", "25", "0"},
        {"renovated dearer", "20.000", "50.000", "60.000", "80.000", strich, "-30.000"},
        {"equal totals", "50.000", "58.990", "58.990", "108.990", strich, "-50.000"},
        {"equal totals, no cost", "0", "58.990", "58.990", "58.990", strich, "0"},
        // An electricity price of 0 leaves the existing installation without cost.
        {"price 0", "50.000", "0", "20.860", "70.860", strich, "-70.860"},
        {"large texts", "1.050.000", "2.000.000", "1.000.000", "2.050.000", "26,3", "-50.000"},
        {"no renovation cost text", strich.c_str(), "94.300", "58.990", strich, strich, strich},
        {"no existing total", "50.000", strich.c_str(), "58.990", "108.990", strich, strich},
    };
    for (const Fall& f : faelle) {
        const Sanierungsblatt b = sanierungsblatt(f.sanko, f.bestand, f.saniert);
        EXPECT_EQ(b.ges, f.ges) << f.name;
        EXPECT_EQ(b.amo, f.amo) << f.name;
        EXPECT_EQ(b.gesersp, f.gesersp) << f.name;
    }
}

#include "sanierungskosten.h"
#include "zahlentext.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>

using namespace grobrechner;

namespace {

using Posten = std::array<std::int64_t, 9>;

const Preise april2009;

// The count as the input screen stores it: typed German text read to float.
constexpr Leuchtenart T = Leuchtenart::technisch;
constexpr Leuchtenart D = Leuchtenart::dekorativ;
// Whether the existing masts are reused, whether a new cabinet is built.
constexpr bool ja = true, nein = false;

Kalkulationsdaten auftrag(Leuchtenart leuchtenart, bool mast, bool verteiler, const char* anzahl)
{
    Kalkulationsdaten d;
    d.leuchtenart = leuchtenart;
    d.mast = mast;
    d.verteiler = verteiler;
    d.anzahllp = singleAusText(anzahl).value();
    return d;
}

struct Beispiel {
    Leuchtenart leuchtenart;
    bool mast;
    bool verteiler;
    const char* anzahl;
    Posten posten;
    std::int32_t summe;
    const char* summentext;
};

const Beispiel beispiele[] = {
    {T, nein, ja, "30", {22500, 7500, 1650, 1800, 1200, 750, 900, 7500, 1200}, 45000, "45.000"},
    {T, ja, ja, "30", {22500, 0, 0, 0, 1200, 750, 900, 7500, 1200}, 34050, "34.050"},
    {D, nein, nein, "10", {9500, 6000, 550, 600, 500, 250, 500, 0, 400}, 18300, "18.300"},
    {T, ja, ja, "25", {18750, 0, 0, 0, 1000, 625, 750, 0, 1000}, 22125, "22.125"},
    {D, ja, ja, "75", {71250, 0, 0, 0, 3000, 1875, 2250, 15000, 3000}, 96375, "96.375"},
    {T, nein, nein, "2,5", {1875, 625, 138, 150, 500, 62, 500, 0, 100}, 3950, "3.950"},
    // 999 light points, the most the field takes: 20 cabinets, and every
    // product worked out by hand.
    {T, nein, ja, "999", {749250, 249750, 54945, 59940, 39960, 24975, 29970, 150000, 39960}, 1398750,
     "1.398.750"},
    {D, nein, ja, "999", {949050, 599400, 54945, 59940, 39960, 24975, 29970, 150000, 39960}, 1948200,
     "1.948.200"},
};

std::string fall(const Beispiel& b)
{
    return std::string(b.leuchtenart == T ? "techn" : "deko") + " Maste weiter " + (b.mast ? "ja" : "nein")
           + " Verteiler " + (b.verteiler ? "ja" : "nein") + " N=" + b.anzahl;
}

} // namespace

TEST(Sanierungskosten, WorkedExamplesToTheDigit)
{
    for (const Beispiel& b : beispiele) {
        SCOPED_TRACE(fall(b));
        const Sanierungskosten k = sanierungskostenBerechnen(auftrag(b.leuchtenart, b.mast, b.verteiler, b.anzahl), april2009);
        EXPECT_EQ(k.posten, b.posten);
        EXPECT_EQ(k.summe, b.summe);
        EXPECT_EQ(formatGanzzahl(k.summe), b.summentext);
    }
}

TEST(Sanierungskosten, OneCabinetPerFiftyLightPointsHalvesToEven)
{
    const struct {
        const char* anzahl;
        std::int32_t verteiler;
    } faelle[] = {
        {"1", 0}, {"25", 0}, {"26", 1}, {"74", 1}, {"75", 2}, {"76", 2}, {"125", 2}, {"126", 3}, {"175", 4},
        {"999", 20}, {"25,5", 1}, {"24,5", 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.anzahl);
        const Sanierungskosten mit = sanierungskostenBerechnen(auftrag(T, nein, ja, f.anzahl), april2009);
        EXPECT_EQ(mit.verteilerzahl, f.verteiler);
        EXPECT_EQ(mit.posten[7], f.verteiler * 7500);
        // Without a new cabinet nothing is priced, whatever the count.
        const Sanierungskosten ohne = sanierungskostenBerechnen(auftrag(T, nein, nein, f.anzahl), april2009);
        EXPECT_EQ(ohne.posten[7], 0);
        EXPECT_EQ(mit.summe - ohne.summe, f.verteiler * 7500);
    }
}

TEST(Sanierungskosten, FlatAmountsForSmallCounts)
{
    // Term 5 is 40 € per light point but at least 500 € up to 12 light points,
    // term 7 30 € but 500 € up to 16: the flat amount is no minimum beyond that.
    const struct {
        const char* anzahl;
        std::int32_t posten5;
        std::int32_t posten7;
    } faelle[] = {
        {"1", 500, 500},     {",05", 500, 500}, {"12", 500, 500}, {"12,1", 484, 500}, {"13", 520, 500},
        {"16", 640, 500},    {"16,5", 660, 495}, {"17", 680, 510}, {"30", 1200, 900},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.anzahl);
        const Sanierungskosten k = sanierungskostenBerechnen(auftrag(T, ja, nein, f.anzahl), april2009);
        EXPECT_EQ(k.posten[4], f.posten5);
        EXPECT_EQ(k.posten[6], f.posten7);
    }
}

TEST(Sanierungskosten, ReusedMastsRemoveExactlyTheMastTerms)
{
    for (Leuchtenart leuchtenart : {T, D})
        for (bool verteiler : {ja, nein})
            for (const char* anzahl : {"2,5", "12", "30", "999"}) {
                SCOPED_TRACE(std::string(leuchtenart == T ? "techn" : "deko") + (verteiler ? " ja " : " nein ") + anzahl);
                const Sanierungskosten neu = sanierungskostenBerechnen(auftrag(leuchtenart, nein, verteiler, anzahl), april2009);
                const Sanierungskosten weiter = sanierungskostenBerechnen(auftrag(leuchtenart, ja, verteiler, anzahl), april2009);
                for (std::size_t i = 0; i < 9; ++i) {
                    SCOPED_TRACE("Posten " + std::to_string(i + 1));
                    if (i >= 1 && i <= 3) {
                        EXPECT_EQ(weiter.posten[i], 0);
                        EXPECT_GT(neu.posten[i], 0);
                    } else {
                        EXPECT_EQ(weiter.posten[i], neu.posten[i]);
                    }
                }
                EXPECT_EQ(neu.summe - weiter.summe, neu.posten[1] + neu.posten[2] + neu.posten[3]);
            }
}

TEST(Sanierungskosten, FractionalCountsRoundEachProductHalvesToEven)
{
    // Products of the typed decimal count: halves go to the even euro, also
    // where the float nearest the count lies a hair off the half.
    const struct {
        const char* anzahl;
        std::size_t posten; // 1-based
        std::int32_t euro;
    } faelle[] = {
        {"2,5", 3, 138},  // 137,5
        {"2,5", 6, 62},   // 62,5
        {"0,3", 3, 16},   // 16,5
        {"0,3", 4, 18},   // 18,0
        {"0,7", 6, 18},   // 17,5
        {"0,1", 6, 2},    // 2,5
        {"1,1", 3, 60},   // 60,5
        {"2,1", 3, 116},  // 115,5
        {"8,1", 6, 202},  // 202,5
        {",15", 1, 112},  // 112,5
        {",13", 9, 5},    // 5,2
        {"4,5", 9, 180},  // exact
        {"4,7", 6, 118},  // 117,5
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.anzahl) + " Posten " + std::to_string(f.posten));
        const Sanierungskosten k = sanierungskostenBerechnen(auftrag(T, nein, nein, f.anzahl), april2009);
        EXPECT_EQ(k.posten[f.posten - 1], f.euro);
    }
    // Decorative luminaires: 0,13 × 950 = 123,5.
    EXPECT_EQ(sanierungskostenBerechnen(auftrag(D, nein, nein, ",13"), april2009).posten[0], 124);
}

TEST(Sanierungskosten, CountsNoInputGivesArePricedAtTheirBound)
{
    // Found by fuzzing: a huge or undefined count once overflowed the products.
    Kalkulationsdaten d;
    d.leuchtenart = D;
    d.anzahllp = 100000;
    const std::int64_t amRand = sanierungskostenBerechnen(d, april2009).summe;
    EXPECT_GT(amRand, 0);
    for (float riesig : {1e6f, 3.4e38f, std::numeric_limits<float>::infinity()}) {
        d.anzahllp = riesig;
        EXPECT_EQ(sanierungskostenBerechnen(d, april2009).summe, amRand) << riesig;
    }
    d.anzahllp = 0;
    const std::int64_t ohne = sanierungskostenBerechnen(d, april2009).summe;
    d.anzahllp = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(sanierungskostenBerechnen(d, april2009).summe, ohne);
}

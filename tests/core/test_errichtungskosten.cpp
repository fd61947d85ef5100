#include "errichtungskosten.h"
#include "zahlentext.h"

#include <gtest/gtest.h>

#include <vector>

using namespace grobrechner;

namespace {

const Preise april2009;

constexpr Leuchtenart T = Leuchtenart::technisch;
constexpr Leuchtenart D = Leuchtenart::dekorativ;

Kalkulationsdaten eingaben(float laenge, Leuchtenart art, bool verteiler, float grabung)
{
    Kalkulationsdaten d;
    d.strlaenge = laenge;
    d.leuchtenart = art;
    d.verteiler = verteiler;
    d.grabungsl = grabung;
    return d;
}

struct Beispiel {
    const char* name;
    float laenge;
    Leuchtenart art;
    bool verteiler;
    float grabung;
    float abstand;
    double anzahl;
    std::array<float, 8> posten;
    const char* summe;
};

// The worked examples of both roads, every term and the total as shown.
const Beispiel beispiele[] = {
    {"Land 1000 m techn", 1000, T, true, 200, 30, 34,
     {34000, 5440, 1360, 850, 1020, 7500, 58000, 1360}, "109.530"},
    {"Land 1000 m deko", 1000, D, false, 0, 25, 41,
     {63550, 6560, 1640, 1025, 1230, 0, 40000, 1640}, "115.645"},
    {"Land 300 m", 300, T, true, 0, 25, 13, {13000, 2080, 520, 325, 500, 7500, 12000, 520}, "36.445"},
    {"Land 1500 m", 1500, T, true, 1500, 40, 38,
     {38000, 6080, 1520, 950, 1140, 15000, 195000, 1520}, "259.210"},
    {"Gemeinde 1000 m", 1000, T, true, 100, 30, 34,
     {34000, 5440, 1360, 850, 1020, 7500, 49000, 1360}, "100.530"},
    {"Gemeinde 300 m deko", 300, D, false, 0, 25, 13,
     {20150, 2080, 520, 325, 500, 0, 12000, 520}, "36.095"},
};

TEST(Errichtungskosten, WorkedExamplesToTheDigit)
{
    for (const Beispiel& b : beispiele) {
        SCOPED_TRACE(b.name);
        const Errichtungskosten k = errichtungskostenBerechnen(eingaben(b.laenge, b.art, b.verteiler, b.grabung), b.abstand, april2009);
        EXPECT_EQ(k.anzahl, b.anzahl);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(k.posten[i], b.posten[i]) << "term " << i + 1;
        EXPECT_EQ(formatGanzzahl(k.summe), b.summe);
    }
}

TEST(Errichtungskosten, StateRoadExamplesTakeTheirSpacingFromTheTable)
{
    struct Fall {
        float hoehe;
        Leuchtenart art;
        float abstand;
    };
    // The four state-road examples above: 6 m techn, 6 m deko, 5 m techn, 8 m techn.
    const Fall faelle[] = {{6, T, 30}, {6, D, 25}, {5, T, 25}, {8, T, 40}};
    for (const Fall& f : faelle)
        EXPECT_EQ(landesstrassenabstand(f.hoehe, f.art), f.abstand) << f.hoehe << " " << (f.art == T);
}

TEST(Errichtungskosten, FlatAmountsEndAtTwelveAndSixteenLightPoints)
{
    struct Fall {
        float laenge; // at 10 m spacing
        double anzahl;
        float posten3;
        float posten5;
    };
    const Fall faelle[] = {
        {110, 12, 500, 500}, // not 480
        {120, 13, 520, 500},
        {150, 16, 640, 500}, // not 480
        {160, 17, 680, 510},
    };
    for (const Fall& f : faelle) {
        const Errichtungskosten k = errichtungskostenBerechnen(eingaben(f.laenge, T, true, 0), 10, april2009);
        EXPECT_EQ(k.anzahl, f.anzahl);
        EXPECT_EQ(k.posten[2], f.posten3) << f.anzahl;
        EXPECT_EQ(k.posten[4], f.posten5) << f.anzahl;
    }
}

TEST(Errichtungskosten, OneMoreCabinetForEveryFull1500Metres)
{
    struct Fall {
        float laenge;
        bool verteiler;
        float posten6;
    };
    const Fall faelle[] = {
        {1499, true, 7500},    {1500, true, 15000},  {2999, true, 15000}, {3000, true, 22500},
        {1499, false, 0},     {1500, false, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(errichtungskostenBerechnen(eingaben(f.laenge, T, f.verteiler, 0), 30, april2009).posten[5], f.posten6)
            << f.laenge << " " << f.verteiler;
}

TEST(Errichtungskosten, DiggingCostsFortyInSoilAndHundredThirtyInAsphalt)
{
    EXPECT_EQ(errichtungskostenBerechnen(eingaben(800, T, true, 800), 30, april2009).posten[6], 800 * 130);
    EXPECT_EQ(errichtungskostenBerechnen(eingaben(800, T, true, 0), 30, april2009).posten[6], 800 * 40);
    EXPECT_EQ(errichtungskostenBerechnen(eingaben(800, T, true, 300), 30, april2009).posten[6], 500 * 40 + 300 * 130);
}

TEST(Errichtungskosten, DecorativeLuminairesAtFiveMetres)
{
    ASSERT_EQ(landesstrassenabstand(5, D), 20);
    // 100 m at 20 m: six light points at 1550 €.
    const Errichtungskosten k = errichtungskostenBerechnen(eingaben(100, D, false, 0), 20, april2009);
    EXPECT_EQ(k.anzahl, 6);
    EXPECT_EQ(k.posten[0], 6 * 1550);
}

TEST(Errichtungskosten, LightPointsAtBothEndsAndAfterEveryFullSpacing)
{
    struct Fall {
        float laenge;
        float abstand;
        double anzahl;
    };
    const Fall faelle[] = {
        {10, 25, 1},     // shorter than one spacing
        {25, 25, 2},     // exactly one
        {1000, 25, 41},  // an exact multiple: a light point at each end
        {990, 100, 10},  // 9,9 spacings
        {100, 0.5f, 201},
        {0.5f, 0.5f, 2},
        {99999, 0.5f, 199999},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(errichtungskostenBerechnen(eingaben(f.laenge, T, false, 0), f.abstand, april2009).anzahl, f.anzahl)
            << f.laenge << " / " << f.abstand;
}

TEST(Errichtungskosten, FractionalSpacingAsTyped)
{
    const std::optional<float> abstand = singleAusText(",5");
    ASSERT_TRUE(abstand);
    const Errichtungskosten k = errichtungskostenBerechnen(eingaben(1000, T, true, 0), *abstand, april2009);
    EXPECT_EQ(k.anzahl, 2001);
    EXPECT_EQ(k.posten[0], 2001000);
    EXPECT_EQ(k.posten[2], 2001 * 40);
}

TEST(Errichtungskosten, EveryTermIsKeptInSinglePrecision)
{
    // 199 999 light points at 1550 € make 309 998 450 €, which a float holds
    // only to a multiple of 32.
    const Errichtungskosten k = errichtungskostenBerechnen(eingaben(99999, D, false, 0), 0.5f, april2009);
    EXPECT_EQ(k.posten[0], static_cast<float>(309998450.0));
    EXPECT_NE(static_cast<double>(k.posten[0]), 309998450.0);
    double summe = 0;
    for (float p : k.posten)
        summe += p;
    EXPECT_EQ(k.summe, static_cast<float>(summe));
}

TEST(Erdreichlaenge, StreetLessAsphaltFromTheTypedTexts)
{
    struct Fall {
        const char* strasse;
        const char* asphalt;
        std::optional<double> erdreich;
    };
    const Fall faelle[] = {
        {"1000", "200", 800},   {"1200", "50", 1150}, {"1.200", "0", 1200}, {"100", "130", -30},
        {"0,5", ",25", 0.25},   {"1000", "", {}},     {"", "200", {}},      {"12a", "5", {}},
        {"1.2", "0", {}},       {"1e3", "0", {}},     {"1000", "   ", {}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(erdreichlaenge(f.strasse, f.asphalt), f.erdreich) << f.strasse << " - " << f.asphalt;
}

TEST(Regelabstand, SpacingPerHeightAndStyle)
{
    struct Fall {
        float hoehe;
        float techn;
        float deko;
    };
    const Fall faelle[] = {{5, 25, 20}, {6, 30, 25}, {7, 35, 30}, {8, 40, 35}};
    ASSERT_EQ(regelabstaende().size(), std::size(faelle));
    for (const Fall& f : faelle) {
        EXPECT_EQ(landesstrassenabstand(f.hoehe, T), f.techn) << f.hoehe;
        EXPECT_EQ(landesstrassenabstand(f.hoehe, D), f.deko) << f.hoehe;
    }
}

TEST(Regelabstand, UnknownHeightsHaveNoSpacing)
{
    for (float hoehe : {0.0f, 4.5f, 5.5f, 9.0f, -6.0f})
        EXPECT_FALSE(landesstrassenabstand(hoehe, T)) << hoehe;
}

TEST(Abstandsempfehlung, TextsAndMaximaOfEveryRow)
{
    struct Fall {
        float hoehe;
        float maximum;
        const char* techn;
        const char* deko;
    };
    const Fall faelle[] = {
        {4.5f, 35, "Bei 4,5 m Lichtpunkthöhe empfehlen wir 20 m Lichtpunktabstand, maximal 35 m!",
         "Bei 4,5 m Lichtpunkthöhe empfehlen wir 18 m Lichtpunktabstand, maximal 35 m!"},
        {5, 40, "Bei 5 m Lichtpunkthöhe empfehlen wir 25 m Lichtpunktabstand, maximal 40 m!",
         "Bei 5 m Lichtpunkthöhe empfehlen wir 20 m Lichtpunktabstand, maximal 40 m!"},
        {6, 50, "Bei 6 m Lichtpunkthöhe empfehlen wir 30 m Lichtpunktabstand, maximal 50 m!",
         "Bei 6 m Lichtpunkthöhe empfehlen wir 25 m Lichtpunktabstand, maximal 50 m!"},
        {7, 50, "Bei 7 m Lichtpunkthöhe empfehlen wir 35 m Lichtpunktabstand, maximal 50 m!",
         "Bei 7 m Lichtpunkthöhe empfehlen wir 30 m Lichtpunktabstand, maximal 50 m!"},
        {8, 50, "Bei 8 m Lichtpunkthöhe empfehlen wir 40 m Lichtpunktabstand, maximal 50 m!",
         "Bei 8 m Lichtpunkthöhe empfehlen wir 35 m Lichtpunktabstand, maximal 50 m!"},
    };
    ASSERT_EQ(abstandsempfehlungen().size(), std::size(faelle));
    for (const Fall& f : faelle) {
        const Abstandsempfehlung* z = abstandsempfehlung(f.hoehe);
        ASSERT_TRUE(z) << f.hoehe;
        EXPECT_EQ(z->maximum, f.maximum);
        EXPECT_EQ(empfehlungstext(*z, T), f.techn);
        EXPECT_EQ(empfehlungstext(*z, D), f.deko);
    }
}

TEST(Abstandsempfehlung, UnknownHeightsHaveNoRow)
{
    for (float hoehe : {0.0f, 4.0f, 5.5f, 9.0f})
        EXPECT_EQ(abstandsempfehlung(hoehe), nullptr) << hoehe;
}

} // namespace

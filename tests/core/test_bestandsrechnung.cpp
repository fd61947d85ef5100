#include "bestandsrechnung.h"

#include "betriebskosten.h"
#include "ergebnisblatt.h"
#include "lampenkatalog.h"
#include "zahlentext.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace grobrechner;

namespace {

const Preise april2009;

// 80 W mercury vapour existing against the 50 W sodium lamp, both behind a
// twilight switch without switch-off or dimming, 40 light points at 15 Cent/kWh.
Kalkulationsdaten sanierung()
{
    Kalkulationsdaten d;
    eintrittswerteSetzen(d, Pfad::Sanierung);
    d.anzahllp = 40;
    d.strompreis = 15;
    return d;
}

void astroNeunStundenGedimmt(Kalkulationsdaten& d)
{
    d.schaltungb = d.schaltung = {Einschaltung::Astronomisch, true, 9, true};
}

using Anzeige = std::array<std::string, 7>;

Anzeige anzeige(const Bestandsergebnis& r)
{
    return {formatGanzzahl(r.betrstdjahr), formatGanzzahl(r.energiejahr), formatGanzzahl(r.energiekojahr),
            formatGanzzahl(r.energie25),   formatGanzzahl(r.energieko25), formatGanzzahl(r.wartinstko25),
            formatGanzzahl(r.betrkoges)};
}

std::string abweichung(const Kalkulationsdaten& d)
{
    return abweichungstext(formatGanzzahl(Bestandsrechnung(d).betrkoges),
                           formatGanzzahl(Betriebskostenrechnung(d, april2009).betrkoges));
}

} // namespace

TEST(Bestandsrechnung, WorkedExamplesToTheDigit)
{
    struct Beispiel {
        const char* name;
        void (*aendern)(Kalkulationsdaten&);
        Anzeige erwartet;
    };
    const Beispiel beispiele[] = {
        {"80 W mercury", [](Kalkulationsdaten&) {},
         {"4.100", "15.088", "2.263", "377.200", "56.580", "37.720", "94.300"}},
        // 615 h burn, 766.5 h are dimmed: everything but the hours runs negative.
        {"astro, 9 h off, dimmed", astroNeunStundenGedimmt,
         {"615", "-558", "-84", "-13.938", "-2.091", "-1.394", "-3.485"}},
        {"price 0", [](Kalkulationsdaten& d) { d.strompreis = 0; },
         {"4.100", "15.088", "0", "377.200", "0", "0", "0"}},
        {"no light points", [](Kalkulationsdaten& d) { d.anzahllp = 0; }, {"4.100", "0", "0", "0", "0", "0", "0"}},
    };
    for (const Beispiel& b : beispiele) {
        Kalkulationsdaten d = sanierung();
        b.aendern(d);
        EXPECT_EQ(anzeige(Bestandsrechnung(d)), b.erwartet) << b.name;
    }
}

TEST(Bestandsrechnung, ReadsTheExistingInstallationOnly)
{
    Kalkulationsdaten d = sanierung();
    d.schaltung = {Einschaltung::Astronomisch, true, 5, true};
    d.lampe = lampeMitOption("Option7");
    d.bestandslampe = bestandslampeMitOption("Option26"); // its life counts for nothing here
    EXPECT_EQ(anzeige(Bestandsrechnung(d)),
              (Anzeige{"4.100", "15.088", "2.263", "377.200", "56.580", "37.720", "94.300"}));

    d.schaltungb.abschaltung = true;
    d.schaltungb.abschaltdauer = 2;
    EXPECT_EQ(Bestandsrechnung(d).betrstdjahr, 3370);
}

TEST(Sanierungsvergleich, WorkedExampleGivesMinus37Percent)
{
    const Kalkulationsdaten d = sanierung();
    EXPECT_EQ(formatGanzzahl(Bestandsrechnung(d).betrkoges), "94.300");
    EXPECT_EQ(formatGanzzahl(Betriebskostenrechnung(d, april2009).betrkoges), "58.990");
    EXPECT_EQ(abweichung(d), "-37 %");
}

TEST(Sanierungsvergleich, EqualPowerGivesEqualEnergyButNotEqualTotals)
{
    Kalkulationsdaten d = sanierung();
    d.wattageb = 100; // 100 W · 1.15 = 115 W per light point
    d.lampe = lampeMitOption("Option3");
    ASSERT_EQ(d.lampe->systemleistung, 115);

    const Bestandsergebnis b = Bestandsrechnung(d);
    const Betriebskostenergebnis n = Betriebskostenrechnung(d, april2009);
    EXPECT_EQ(b.betrstdjahr, n.betrstdjahr);
    EXPECT_EQ(b.energiejahr, n.energiejahr);
    EXPECT_EQ(b.energiekojahr, n.energiekojahr);
    EXPECT_EQ(b.energie25, n.energie25);
    EXPECT_EQ(b.energieko25, n.energieko25);
    EXPECT_EQ(formatGanzzahl(b.energieko25), "70.725");
    // Existing: 70725 + 47150; renovated: 70725 + 48 · 7 · 40 + 7 · 34.5 · 40.
    EXPECT_EQ(formatGanzzahl(b.betrkoges), "117.875");
    EXPECT_EQ(formatGanzzahl(n.betrkoges), "93.825");
    EXPECT_EQ(abweichung(d), "-20 %");
}

TEST(Sanierungsvergleich, NegativeTotalsStillGiveADeviation)
{
    Kalkulationsdaten d = sanierung();
    astroNeunStundenGedimmt(d);
    // 1571 · (100 / −3485) − 100 = −145.08
    EXPECT_EQ(abweichung(d), "-145 %");
}

TEST(Sanierungsvergleich, PriceZeroLeavesTheDeviationUndefined)
{
    Kalkulationsdaten d = sanierung();
    d.strompreis = 0;
    EXPECT_EQ(formatGanzzahl(Betriebskostenrechnung(d, april2009).betrkoges), "20.860");
    EXPECT_EQ(abweichung(d), undefiniert);
}

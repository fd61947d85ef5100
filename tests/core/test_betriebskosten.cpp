#include "betriebskosten.h"

#include "lampenkatalog.h"
#include "zahlentext.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace grobrechner;

namespace {

const Preise april2009;

// 50 W sodium lamp, twilight switch, neither switch-off nor dimming,
// 40 light points at 15 Cent/kWh.
Kalkulationsdaten beispielA()
{
    Kalkulationsdaten d;
    eintrittswerteSetzen(d, Pfad::Gemeindestrasse);
    d.anzahllp = 40;
    d.strompreis = 15;
    return d;
}


using Anzeige = std::array<std::string, 8>;

// The eight figures as the result screen shows them.
Anzeige anzeige(const Betriebskostenergebnis& r)
{
    return {formatGanzzahl(r.betrstdjahr),   formatGanzzahl(r.energiejahr),   formatGanzzahl(r.energiekojahr),
            formatGanzzahl(r.energie25),     formatGanzzahl(r.energieko25),   formatGanzzahl(r.lampenersko25),
            formatGanzzahl(r.wartinstko25),  formatGanzzahl(r.betrkoges)};
}

struct Beispiel {
    const char* name;
    void (*aendern)(Kalkulationsdaten&);
    Anzeige erwartet;
};

const Beispiel beispiele[] = {
    {"A", [](Kalkulationsdaten&) {},
     {"4.100", "10.168", "1.525", "254.200", "38.130", "11.200", "9.660", "58.990"}},
    {"B: astro, 6 h off, dimmed", [](Kalkulationsdaten& d) { d.schaltung = {Einschaltung::Astronomisch, true, 6, true}; },
     {"1.710", "2.340", "351", "58.497", "8.775", "3.200", "2.760", "14.735"}},
    // 615 h a year burn, 766.5 h are dimmed: the energy runs negative.
    {"astro, 9 h off, dimmed", [](Kalkulationsdaten& d) { d.schaltung = {Einschaltung::Astronomisch, true, 9, true}; },
     {"615", "-376", "-56", "-9.393", "-1.409", "1.600", "1.380", "1.571"}},
    {"state road entry lamp",
     [](Kalkulationsdaten& d) {
         eintrittswerteSetzen(d, Pfad::Landesstrasse);
         d.strompreis = 15;
     },
     {"4.100", "13.612", "2.042", "340.300", "51.045", "11.200", "9.660", "71.905"}},
    {"price 0", [](Kalkulationsdaten& d) { d.strompreis = 0; },
     {"4.100", "10.168", "0", "254.200", "0", "11.200", "9.660", "20.860"}},
    {"no light points", [](Kalkulationsdaten& d) { d.anzahllp = 0; },
     {"4.100", "0", "0", "0", "0", "0", "0", "0"}},
};

} // namespace

TEST(Betriebskostenrechnung, WorkedExamplesToTheDigit)
{
    for (const Beispiel& b : beispiele) {
        Kalkulationsdaten d = beispielA();
        b.aendern(d);
        EXPECT_EQ(anzeige(Betriebskostenrechnung(d, april2009)), b.erwartet) << b.name;
    }
}

TEST(Betriebskostenrechnung, BurningHoursFollowSwitchingAndSwitchOff)
{
    using E = Einschaltung;
    struct Fall {
        Schaltung schaltung;
        float stunden;
    };
    const Fall faelle[] = {
        {{E::Daemmerungsschalter, false, 6, false}, 4100}, {{E::Astronomisch, false, 6, false}, 3900},
        {{E::Daemmerungsschalter, true, 6, false}, 1910},  {{E::Daemmerungsschalter, true, 1.5, false}, 3552.5},
        {{E::Daemmerungsschalter, true, 0, false}, 4100},
        // A switch-off without a duration does not reduce the hours.
        {{E::Astronomisch, true, std::nullopt, false}, 3900},
    };
    for (const Fall& f : faelle) {
        Kalkulationsdaten d = beispielA();
        d.schaltung = f.schaltung;
        EXPECT_EQ(Betriebskostenrechnung(d, april2009).betrstdjahr, f.stunden) << f.stunden;
    }
}

TEST(Betriebskostenrechnung, LampChangesFollowTheDimmedLife)
{
    struct Fall {
        Einschaltung einschaltung;
        bool absenkung;
        float lebensdauer;
        float gedimmt;
        float wechsel;
    };
    using E = Einschaltung;
    const Fall faelle[] = {
        {E::Daemmerungsschalter, false, 16000, 16000, 7}, // 6.4 → 7
        {E::Daemmerungsschalter, true, 16000, 22000, 5},  // 4.66 → 5
        {E::Daemmerungsschalter, true, 12000, 9000, 12},  // 11.39 → 12
        {E::Daemmerungsschalter, true, 8000, 6500, 16},   // 15.77 → 16
        {E::Daemmerungsschalter, true, 15000, 12000, 9},  // once only, never on to 9000 h
        {E::Daemmerungsschalter, true, 7000, 7000, 15},   // not in the table
        {E::Daemmerungsschalter, false, 15000, 15000, 7},
        // A whole-number quotient k still needs k + 1 lamps.
        {E::Astronomisch, true, 8000, 6500, 16},          // 3900 · 25 / 6500 = 15
        {E::Daemmerungsschalter, false, 20500, 20500, 6}, // 4100 · 25 / 20500 = 5
    };
    for (const Fall& f : faelle) {
        const Lampendaten lampe{62, f.lebensdauer, 40, 30};
        const Betriebskostenergebnis r =
            Betriebskostenrechnung(lampe, {f.einschaltung, false, std::nullopt, f.absenkung}, 40, 15);
        SCOPED_TRACE(f.lebensdauer);
        EXPECT_EQ(r.lebensdauer, f.gedimmt);
        EXPECT_EQ(r.lampenwechsel, f.wechsel);
        EXPECT_EQ(r.lampenersko25, 40 * f.wechsel * 40);
    }
}

TEST(Betriebskostenrechnung, MaintenanceIsShownFromDoubleButAddedAsFloat)
{
    Kalkulationsdaten d = beispielA();
    d.anzahllp = 1;
    d.strompreis = 0;
    const Betriebskostenergebnis r = Betriebskostenrechnung(d, april2009);
    ASSERT_EQ(r.lampenwechsel, 7);
    // 7 · 30 · 1.15 is a hair below 241.5 in double and exactly 241.5 in float.
    EXPECT_LT(r.wartinstko25, 241.5);
    EXPECT_EQ(formatGanzzahl(r.wartinstko25), "241");
    // The total adds 241.5 + 0 + 280 = 521.5, a half that rounds up.
    EXPECT_EQ(r.betrkoges, 521.5f);
    EXPECT_EQ(formatGanzzahl(r.betrkoges), "522");
}

TEST(Betriebskostenrechnung, DimmingNeverAccumulates)
{
    Kalkulationsdaten d = beispielA();
    d.lampe = lampeMitOption("Option16");
    ASSERT_EQ(d.lampe->lebensdauer, 15000);
    d.schaltung.absenkung = true;

    const Betriebskostenergebnis erstes = Betriebskostenrechnung(d, april2009);
    const Betriebskostenergebnis zweites = Betriebskostenrechnung(d, april2009);
    EXPECT_EQ(erstes.lebensdauer, 12000);
    EXPECT_EQ(zweites, erstes);

    d.schaltung.absenkung = false;
    const Betriebskostenergebnis ohne = Betriebskostenrechnung(d, april2009);
    EXPECT_EQ(ohne.lebensdauer, 15000);
    EXPECT_EQ(ohne.lampenwechsel, 7); // 4100 · 25 / 15000 = 6.83
}

#include "betriebskosten.h"

#include "lampenkatalog.h"
#include "zahlentext.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace grobrechner;

namespace {

// 50 W sodium lamp, twilight switch, neither switch-off nor dimming,
// 40 light points at 15 Cent/kWh.
Kalkulationsdaten beispielA()
{
    Kalkulationsdaten d;
    startwerteSetzen(d);
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
    {"B: astro, 6 h off, dimmed",
     [](Kalkulationsdaten& d) {
         d.einschaltung = "astro";
         d.abschaltung = "ja";
         d.abschaltdauer = "6";
         d.absenkung = "ja";
     },
     {"1.710", "2.340", "351", "58.497", "8.775", "3.200", "2.760", "14.735"}},
    // 615 h a year burn, 766.5 h are dimmed: the energy runs negative.
    {"astro, 9 h off, dimmed",
     [](Kalkulationsdaten& d) {
         d.einschaltung = "astro";
         d.abschaltung = "ja";
         d.abschaltdauer = "9";
         d.absenkung = "ja";
     },
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
        EXPECT_EQ(anzeige(Betriebskostenrechnung(d)), b.erwartet) << b.name;
    }
}

TEST(Betriebskostenrechnung, BurningHoursFollowSwitchingAndSwitchOff)
{
    struct Fall {
        const char* einschaltung;
        const char* abschaltung;
        const char* dauer;
        float stunden;
    };
    const Fall faelle[] = {
        {"dämm", "nein", "6", 4100},  {"astro", "nein", "6", 3900}, {"Dämm", "nein", "", 3900},
        {"", "nein", "", 3900},       {"dämm", "ja", "6", 1910},    {"dämm", "Ja", "6", 4100},
        {"dämm", "ja", "1,5", 3552.5}, {"dämm", "ja", "0", 4100},
        // A duration that is no number does not reduce the hours.
        {"dämm", "ja", "x", 4100},    {"astro", "ja", "", 3900},
    };
    for (const Fall& f : faelle) {
        Kalkulationsdaten d = beispielA();
        d.einschaltung = f.einschaltung;
        d.abschaltung = f.abschaltung;
        d.abschaltdauer = f.dauer;
        EXPECT_EQ(Betriebskostenrechnung(d).betrstdjahr, f.stunden)
            << f.einschaltung << '/' << f.abschaltung << '/' << f.dauer;
    }
}

TEST(Betriebskostenrechnung, LampChangesFollowTheDimmedLife)
{
    struct Fall {
        const char* einschaltung;
        const char* absenkung;
        float lebensdauer;
        float gedimmt;
        float wechsel;
    };
    const Fall faelle[] = {
        {"dämm", "nein", 16000, 16000, 7},   // 6.4 → 7
        {"dämm", "ja", 16000, 22000, 5},     // 4.66 → 5
        {"dämm", "ja", 12000, 9000, 12},     // 11.39 → 12
        {"dämm", "ja", 8000, 6500, 16},      // 15.77 → 16
        {"dämm", "ja", 15000, 12000, 9},     // once only, never on to 9000 h
        {"dämm", "ja", 7000, 7000, 15},      // not in the table
        {"dämm", "nein", 15000, 15000, 7},
        // A whole-number quotient k still needs k + 1 lamps.
        {"astro", "ja", 8000, 6500, 16},     // 3900 · 25 / 6500 = 15
        {"dämm", "nein", 20500, 20500, 6},   // 4100 · 25 / 20500 = 5
    };
    for (const Fall& f : faelle) {
        Kalkulationsdaten d = beispielA();
        d.einschaltung = f.einschaltung;
        d.absenkung = f.absenkung;
        d.lebensdauer = f.lebensdauer;
        const Betriebskostenergebnis r = Betriebskostenrechnung(d);
        SCOPED_TRACE(f.lebensdauer);
        EXPECT_EQ(r.lebensdauer, f.gedimmt);
        EXPECT_EQ(r.lampenwechsel, f.wechsel);
        EXPECT_EQ(r.lampenersko25, d.lampenpreis * f.wechsel * d.anzahllp);
    }
}

TEST(Betriebskostenrechnung, MaintenanceIsShownFromDoubleButAddedAsFloat)
{
    Kalkulationsdaten d = beispielA();
    d.anzahllp = 1;
    d.strompreis = 0;
    const Betriebskostenergebnis r = Betriebskostenrechnung(d);
    ASSERT_EQ(r.lampenwechsel, 7);
    // 7 · 30 · 1.15 is a hair below 241.5 in double and exactly 241.5 in float.
    EXPECT_LT(r.wartinstko25, 241.5);
    EXPECT_EQ(formatGanzzahl(r.wartinstko25), "241");
    // The total adds 241.5 + 0 + 280 = 521.5, a half that rounds up.
    EXPECT_EQ(r.betrkoges, 521.5f);
    EXPECT_EQ(formatGanzzahl(r.betrkoges), "522");
}

TEST(Betriebskostenrechnung, DimmingNeverAccumulatesAndLeavesTheRecordAlone)
{
    Kalkulationsdaten d = beispielA();
    lampeWaehlen(d, lampenauswahl(Pfad::Gemeindestrasse), *lampeMitOption("Option16"));
    ASSERT_EQ(d.lebensdauer, 15000);
    d.absenkung = "ja";

    const Betriebskostenergebnis erstes = Betriebskostenrechnung(d);
    const Betriebskostenergebnis zweites = Betriebskostenrechnung(d);
    EXPECT_EQ(erstes.lebensdauer, 12000);
    EXPECT_EQ(zweites.lebensdauer, 12000);
    EXPECT_EQ(anzeige(erstes), anzeige(zweites));
    EXPECT_EQ(d.lebensdauer, 15000);

    d.absenkung = "nein";
    const Betriebskostenergebnis ohne = Betriebskostenrechnung(d);
    EXPECT_EQ(ohne.lebensdauer, 15000);
    EXPECT_EQ(ohne.lampenwechsel, 7); // 4100 · 25 / 15000 = 6.83
}

TEST(Betriebskostentexte, EnteredValues)
{
    Kalkulationsdaten d = beispielA();
    EXPECT_EQ(leuchtmitteltext(d), "Natriumdampf-Hochdrucklampe,   50 Watt");
    EXPECT_EQ(strompreistext(d), "15");
    d.strompreis = 12.5f;
    EXPECT_EQ(strompreistext(d), "12,5");
    lampeWaehlen(d, lampenauswahl(Pfad::Sanierung), *lampeMitOption("Option11"));
    EXPECT_EQ(leuchtmitteltext(d), "Halogen-Metalldampflampe (CP),   45 Watt");

    EXPECT_EQ(einschaltungstext("dämm"), "Dämmerungsschalter, ZSU, RSS über Dämmerungsschalter");
    for (const char* anders : {"astro", "Dämm", ""})
        EXPECT_EQ(einschaltungstext(anders), "Astronomische ZSU, RSS über astronomische ZSU") << anders;
}

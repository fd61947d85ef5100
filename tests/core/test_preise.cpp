// Prices of one's own, the price index, LED luminaires and CO₂ through the cost
// models and the texts of the results. The figures at the program's own prices
// are those of the other core tests, which run at Preise{}.
#include "bildschirmtexte.h"
#include "pfadzustand.h"
#include "preise.h"
#include "zahlentext.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

using namespace grobrechner;

namespace {

Preise mitIndex(float index)
{
    Preise p;
    p.preisindex = index;
    return p;
}

// The operating costs of a path for 40 light points of the 30 W LED, twilight
// switch, dimmed at night, 25 Cent/kWh.
Betriebstexte ledBetrieb(Pfad pfad, const Preise& preise)
{
    Kalkulationsdaten d;
    eintrittswerteSetzen(d, pfad);
    d.anzahllp = 40;
    d.lampe = lampeMitOption("optled2");
    d.schaltung.absenkung = true;
    d.strompreis = 25;
    Pfadzustand z{pfad, {preise}};
    schrittBerechnen(z, d, Schritt::Betrieb);
    return betriebstexte(z);
}

} // namespace

TEST(LedLeuchte, WorkedExampleOnEveryPath)
{
    // 30 W burn 4100 h, less 766,5 h dimmed: 30 · 4100 − 30 · 766,5 = 100 005 Wh
    // per light point and year.
    //   energy per year      40 · 100 005 / 1000          =   4 000,2 kWh
    //   its cost             4 000,2 · 0,25               =   1 000,05 €
    //   over 25 years        4 000,2 · 25                 = 100 005 kWh, 25 001,25 €
    //   lamp changes         4100 · 25 / 100 000 = 1,025 → 1 (the first head came with the luminaire)
    //   lamps                1 · 280 · 40                 =  11 200 €
    //   maintenance          1 · 30 · 1,15 · 40           =   1 380 €
    //   total                1 380 + 25 001,25 + 11 200   =  37 581,25 €
    //   CO₂                  4 000,2 · 363 / 10⁶ = 1,452 t/a; 100 005 · 363 / 10⁶ = 36,30 t
    // At a price index of 185 % the LED head keeps its price of today, the
    // maintenance rises to 1 · 55,5 · 1,15 · 40 = 2 553 €, the total to 38 754,25 €.
    const std::array<std::string, betriebszeilen> heute = {
        "4.100", "4.000", "1.000", "100.005", "25.001", "11.200", "1.380", "37.581", "1,5", "36,3"};
    std::array<std::string, betriebszeilen> index185 = heute;
    index185[Wartung25] = "2.553";
    index185[Gesamt] = "38.754";
    for (Pfad pfad : allePfade) {
        SCOPED_TRACE(static_cast<int>(pfad));
        const Betriebstexte t = ledBetrieb(pfad, Preise{});
        EXPECT_EQ(t.geplant.leuchtmittel, "LED-Leuchte,   30 Watt");
        EXPECT_EQ(t.geplant.zahlen, heute);
        EXPECT_EQ(ledBetrieb(pfad, mitIndex(185)).geplant.zahlen, index185);
    }
}

TEST(Preisindex, ScalesEveryConstructionAndRenovationPrice)
{
    // 1000 m, 6 m masts 30 m apart, technical, a cabinet, 200 m in asphalt:
    // 34 light points. At 185 %: 34 · 1850 + 34 · 296 + 34 · 74 + 34 · 46,25
    // + 34 · 55,5 + 13 875 + (800 · 74 + 200 · 240,5) + 34 · 74 = 202 630,5 €.
    Kalkulationsdaten d;
    d.strlaenge = 1000;
    d.grabungsl = 200;
    const Errichtungskosten e = errichtungskostenBerechnen(d, 30, mitIndex(185));
    EXPECT_EQ(e.posten, (std::array<float, 8>{62900, 10064, 2516, 1572.5f, 1887, 13875, 107300, 2516}));
    EXPECT_EQ(formatGanzzahl(e.summe), "202.631");

    // 30 technical light points on new masts with a cabinet: each term at
    // 185 % rounds halves to even, 30 · 101,75 = 3 052,5 → 3 052 and
    // 30 · 46,25 = 1 387,5 → 1 388.
    d.anzahllp = 30;
    const Sanierungskosten s = sanierungskostenBerechnen(d, mitIndex(185));
    EXPECT_EQ(s.posten, (std::array<std::int64_t, 9>{41625, 13875, 3052, 3330, 2220, 1388, 1665, 13875, 2220}));
    EXPECT_EQ(s.summe, 83250);
}

TEST(Preise, OwnPricesEnterWhereTheirTermsAre)
{
    // A flat amount, a price per metre, a cabinet and a lamp: each moves its own term only.
    Preise p;
    p.errPauschale3 = 612.5f;
    p.errGrabungAsphalt = 100;
    p.sanVerteiler = 8000.25f;
    p.lampenpreise[katalogindex(*lampeMitOption("Option1"))] = 45.5f;
    Kalkulationsdaten d;
    d.strlaenge = 300; // 13 light points at 25 m: term 3 is not flat
    d.grabungsl = 100;
    const Errichtungskosten e = errichtungskostenBerechnen(d, 25, p);
    const Errichtungskosten vorher = errichtungskostenBerechnen(d, 25, Preise{});
    EXPECT_EQ(e.posten[2], vorher.posten[2]);
    EXPECT_EQ(e.posten[6], 200 * 40 + 100 * 100);
    EXPECT_EQ(errichtungskostenBerechnen(d, 30, p).posten[2], 612.5f); // 11 light points

    d.anzahllp = 26; // one cabinet
    EXPECT_EQ(sanierungskostenBerechnen(d, p).posten[7], 8000); // 8 000,25 € to whole euros

    eintrittswerteSetzen(d, Pfad::Gemeindestrasse);
    d.anzahllp = 40;
    EXPECT_EQ(Betriebskostenrechnung(d, p).lampenersko25, 45.5f * 7 * 40);
}

TEST(Co2, TonnesWithOneDecimalHalvesAwayFromZero)
{
    const struct {
        float kwh;
        float faktor;
        const char* text;
    } faelle[] = {
        {10168, 363, "3,7"},             // 3,690984
        {254200, 363, "92,3"},           // 92,2746
        {10000, 365, "3,7"},             // exactly 3,65
        {-376, 363, "-0,1"},             // dimming can make the energy negative
        {-100, 363, "0,0"},              // -0,0363: no sign on a zero
        {10000000, 363, "3.630,0"},      // grouped
        {254200, 0, "0,0"},              // a factor of 0
        {0, 363, "0,0"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(co2text(f.kwh, f.faktor), f.text) << f.kwh << " kWh · " << f.faktor << " g/kWh";
}

TEST(Co2, TheRenovationSavingComesFromTheFiguresShown)
{
    const struct {
        const char* bestand;
        const char* saniert;
        const char* ersparnis;
    } faelle[] = {
        {"102,7", "69,2", "33,5"}, {"1.234,5", "0,1", "1.234,4"}, {"0,1", "0,3", "-0,2"},
        {"2,0", "2,0", "0,0"},     {"", "1,0", "–"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zehntelDifferenz(f.bestand, f.saniert), f.ersparnis) << f.bestand << " − " << f.saniert;
}

TEST(Ergebnisblatt, PaybackBeyondTwentyFiveYearsGetsItsNote)
{
    const char* keine = "keine Amortisation innerhalb von 25 Jahren";
    const struct {
        const char* sanko;
        const char* bestand;
        const char* saniert;
        const char* amo;
        const char* hinweis;
    } faelle[] = {
        {"50.000", "94.300", "58.990", "35,4", keine},
        {"1.000", "2.000", "1.000", "25", ""},      // exactly the horizon
        {"1.004", "2.000", "1.000", "25,1", keine},
        {"1.000", "1.000", "2.000", "–", keine},    // the renovation costs more to run: never
        {"1.000", "1.000", "1.000", "–", keine},    // no saving at all
        {"0", "2.000", "1.000", "0", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.amo);
        const Sanierungsblatt b = sanierungsblatt(f.sanko, f.bestand, f.saniert);
        EXPECT_EQ(b.amo, f.amo);
        EXPECT_EQ(b.amohinweis, f.hinweis);
    }
}

TEST(Datenbasis, SaysWhichPricesAndWhichFactor)
{
    Preise eigenerPreis;
    eigenerPreis.wartungJeWechsel = 32;
    Preise andererFaktor;
    andererFaktor.co2faktor = 420.5f;
    const struct {
        Berechnungsgrundlage grundlage;
        const char* text;
    } faelle[] = {
        {{}, "Datenbasis: Preisstand April 2009; CO₂-Faktor 363 g/kWh"},
        {{mitIndex(185)}, "Datenbasis: Eigene Preise, Preisindex 185 % gegenüber April 2009; CO₂-Faktor 363 g/kWh"},
        {{mitIndex(102.5f)},
         "Datenbasis: Eigene Preise, Preisindex 102,5 % gegenüber April 2009; CO₂-Faktor 363 g/kWh"},
        {{eigenerPreis}, "Datenbasis: Eigene Preise, Preisindex 100 % gegenüber April 2009; CO₂-Faktor 363 g/kWh"},
        {{andererFaktor}, "Datenbasis: Preisstand April 2009; CO₂-Faktor 420,5 g/kWh"},
        {{mitIndex(185), true},
         "Datenbasis: Preise aus der Datei: Eigene Preise, Preisindex 185 % gegenüber April 2009; CO₂-Faktor 363 "
         "g/kWh"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(datenbasistext(f.grundlage), f.text);

    // A step without figures has no basis to tell.
    Kalkulationsdaten d;
    d.anzahllp = 30;
    Pfadzustand z{Pfad::Sanierung, {mitIndex(185)}};
    EXPECT_EQ(datenbasistext(z, Schritt::Kosten), "");
    schrittBerechnen(z, d, Schritt::Kosten);
    EXPECT_EQ(datenbasistext(z, Schritt::Kosten), datenbasistext(z.grundlage));
    EXPECT_EQ(datenbasistext(z, Schritt::Ergebnisblatt), "");
}

TEST(Preisposten, EveryAmountOnceUnderItsOwnName)
{
    // Two rows with one name would share one stored setting.
    std::set<std::string_view> schluessel;
    std::set<const float*> felder;
    Preise p;
    for (const Preisposten& posten : preisposten()) {
        EXPECT_TRUE(schluessel.insert(posten.schluessel).second) << posten.schluessel;
        EXPECT_TRUE(felder.insert(&betrag(p, posten)).second) << posten.schluessel;
    }
    // Every float of the struct but the index, the factor and the three rates is an amount.
    EXPECT_EQ(felder.size() + 5, sizeof(Preise) / sizeof(float));
}

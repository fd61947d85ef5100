// What a renovation is worth today, its grant, and the two cost lines of its
// chart; the present value of a new installation.
#include "berechnung.h"
#include "bildschirmtexte.h"
#include "wirtschaftlichkeit.h"
#include "zahlentext.h"

#include <gtest/gtest.h>

using namespace grobrechner;

namespace {

// A renovation from its yearly figures: renovation costs, energy cost and the
// rest of the cost per year of the existing and the renovated installation,
// and their energy per year.
Pfadzustand sanierung(float kosten, float eb, float ob, float en, float on, float energieb, float energien,
                      const Preise& preise)
{
    Pfadzustand z{Pfad::Sanierung, {preise}};
    Sanierungskosten s;
    s.summe = kosten;
    z.sanierung = Sanierungsstand{{}, s};
    Betriebskostenergebnis neu;
    neu.energiejahr = energien;
    neu.energiekojahr = en;
    neu.energieko25 = en * 25;
    neu.betrkoges = (en + on) * 25;
    Bestandsergebnis alt;
    alt.energiejahr = energieb;
    alt.energiekojahr = eb;
    alt.energieko25 = eb * 25;
    alt.betrkoges = (eb + ob) * 25;
    z.betrieb = Betriebsstand{{}, neu, alt};
    return z;
}

Preise saetze(float zins, float steigerung, float quote)
{
    Preise p;
    p.zins = zins;
    p.steigerung = steigerung;
    p.foerderquote = quote;
    return p;
}

// A renovation computed through the engine: 30 light points of 125 W mercury
// vapour lamps replaced by 30 W LED luminaires on the old masts.
Ergebnis ledSanierung(const Preise& preise)
{
    Kalkulation k{Pfad::Sanierung, Schritt::Ergebnisblatt, {}};
    k.daten.anzahllp = 30;
    k.daten.mast = true;
    k.daten.verteiler = false;
    eintrittswerteSetzen(k.daten, Pfad::Sanierung);
    k.daten.lampe = lampeMitSchluessel("LED 30 W");
    k.daten.wattageb = 125;
    k.daten.strompreis = 25;
    return berechnen(k, {preise});
}

} // namespace

TEST(Sanierungswirtschaft, WorkedExampleByHand)
{
    // S = 42.900 €; existing 7.073 €/a energy + 4.715 €/a other, renovated
    // 1.600 €/a + 1.006 €/a; i = 2 %, g = 2 %, q = 25 %; 77 % less energy.
    //   grant          0,25 · 42.900                        = 10.725 €, own share I = 32.175 €
    //   saving year t  5.473 · 1,02^(t−1) + 3.709, discounted by 1,02^t:
    //                  5.473 / 1,02 = 5.365,69 each year plus 3.709 / 1,02^t
    //   present value  25 · 5.365,69 + 3.709 · 19,5235 − 32.175 = 174.379,66 €
    //   dynamic        after 3 years 26.793,38 €, after 4 35.585,61 €:
    //                  3 + (32.175 − 26.793,38) / (35.585,61 − 26.793,38) = 3,61 years
    const Sanierungswirtschaft w =
        sanierungswirtschaft(sanierung(42900, 7073, 4715, 1600, 1006, 47153, 10667, saetze(2, 2, 25)));
    EXPECT_DOUBLE_EQ(w.foerderung, 10725);
    EXPECT_EQ(w.foerderhinweis, "");
    EXPECT_DOUBLE_EQ(w.eigenanteil, 32175);
    EXPECT_NEAR(w.kapitalwert, 174379.66, 0.01);
    ASSERT_TRUE(w.dynamischeAmortisation);
    EXPECT_NEAR(*w.dynamischeAmortisation, 3.612, 0.001);
    EXPECT_NEAR(*w.energieeinsparung, 0.7738, 0.0001);
}

TEST(Sanierungswirtschaft, AGrantOnlyForHalfTheCo2AndFromFiveThousandEuros)
{
    const struct {
        float kosten, energien, quote;
        double foerderung;
        const char* hinweis;
    } faelle[] = {
        {42900, 50000, 25, 10725, ""},
        {42900, 60000, 25, 0, "CO₂-Minderung nur 40 % – gefördert wird ab 50 %"},
        {42900, 50100, 25, 0, "CO₂-Minderung nur 49 % – gefördert wird ab 50 %"}, // 49,9 %: cut, never 50
        {15000, 50000, 25, 0, "Zuwendung unter 5.000 €"},
        {20000, 50000, 25, 5000, ""},
        {42900, 90000, 0, 0, ""}, // no rate, nothing to say
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.hinweis);
        const Sanierungswirtschaft w =
            sanierungswirtschaft(sanierung(f.kosten, 7000, 4000, 2000, 1000, 100000, f.energien, saetze(2, 2, f.quote)));
        EXPECT_DOUBLE_EQ(w.foerderung, f.foerderung);
        EXPECT_EQ(w.foerderhinweis, f.hinweis);
        EXPECT_DOUBLE_EQ(w.eigenanteil, f.kosten - f.foerderung);
    }
}

TEST(Sanierungswirtschaft, WithoutInterestRiseOrGrantItIsTheSheetsOwnSaving)
{
    // The sheet's figures are worked out from rounded texts: ±2 €, ±0,1 years.
    const Ergebnis e = ledSanierung(saetze(0, 0, 0));
    const Sanierungsblatt blatt = sanierungsblatttexte(e.zustand).eigene;
    const Sanierungswirtschaft w = sanierungswirtschaft(e.zustand);
    ASSERT_TRUE(w.dynamischeAmortisation) << blatt.amo;
    EXPECT_NEAR(w.kapitalwert, *zahlAusText(blatt.gesersp), 2);
    EXPECT_NEAR(*w.dynamischeAmortisation, *zahlAusText(blatt.amo), 0.1);
    // Nominal, the chart's lines meet where the payback ends.
    ASSERT_TRUE(w.verlauf.schnittjahr);
    EXPECT_NEAR(*w.verlauf.schnittjahr, *w.dynamischeAmortisation, 1e-9);
}

TEST(Sanierungswirtschaft, TheChartCrossesAtTheUndiscountedPaybackWithTheRiseAndTheGrant)
{
    const Sanierungswirtschaft ohneZins = sanierungswirtschaft(ledSanierung(saetze(0, 3, 25)).zustand);
    ASSERT_TRUE(ohneZins.verlauf.schnittjahr && ohneZins.dynamischeAmortisation);
    EXPECT_NEAR(*ohneZins.verlauf.schnittjahr, *ohneZins.dynamischeAmortisation, 1e-9);
    EXPECT_DOUBLE_EQ(ohneZins.verlauf.saniert[0], ohneZins.eigenanteil);
    // Interest delays the payback; the nominal lines do not know of it.
    const Sanierungswirtschaft mitZins = sanierungswirtschaft(ledSanierung(saetze(5, 3, 25)).zustand);
    EXPECT_GT(*mitZins.dynamischeAmortisation, *ohneZins.dynamischeAmortisation);
    EXPECT_EQ(mitZins.verlauf, ohneZins.verlauf);
}

TEST(Sanierungswirtschaft, NoPaybackWhenTheRenovationCostsMoreToRun)
{
    const Sanierungswirtschaft w =
        sanierungswirtschaft(sanierung(10000, 1000, 1000, 1500, 1000, 100, 150, saetze(2, 2, 0)));
    EXPECT_FALSE(w.dynamischeAmortisation);
    EXPECT_FALSE(w.verlauf.schnittjahr);
    EXPECT_LT(w.kapitalwert, -10000);
}

TEST(Barwert, WithoutInterestOrRiseTheSheetsTotal)
{
    for (Pfad pfad : {Pfad::Landesstrasse, Pfad::Gemeindestrasse}) {
        Kalkulation k{pfad, Schritt::Ergebnisblatt, {}};
        k.daten.strlaenge = 1000;
        k.daten.lphoehe = 6;
        k.daten.lpabstand = 30;
        eintrittswerteSetzen(k.daten, pfad);
        k.daten.strompreis = 15;
        const Ergebnis e = berechnen(k, {saetze(0, 0, 0)});
        EXPECT_NEAR(*barwertDerGesamtkosten(e.zustand), *zahlAusText(neuerrichtungsblatttexte(e.zustand).ges), 2);
        EXPECT_LT(*barwertDerGesamtkosten(berechnen(k, {saetze(2, 0, 0)}).zustand),
                  *barwertDerGesamtkosten(e.zustand));
    }
}

TEST(Wirtschaftsbasis, RatesWithAtLeastOneDecimal)
{
    EXPECT_EQ(wirtschaftsbasistext(Preise{}, true),
              "Kalkulationszins 2,0 %, Strompreissteigerung 2,0 % pro Jahr, Förderquote 0 %");
    EXPECT_EQ(wirtschaftsbasistext(saetze(3.25f, -1, 40), false),
              "Kalkulationszins 3,25 %, Strompreissteigerung -1,0 % pro Jahr");
}

#include "bildschirmtexte.h"

#include "zahlentext.h"

#include <gtest/gtest.h>

using namespace grobrechner;

namespace {

// The path state as the screens leave it: step 2 and step 4 opened, in turn,
// from one record.
Pfadzustand durchgerechnet(Pfad pfad, Kalkulationsdaten& d)
{
    Pfadzustand z{pfad};
    schrittBerechnen(z, d, Schritt::Kosten);
    eintrittswerteSetzen(d, pfad);
    d.strompreis = 15;
    schrittBerechnen(z, d, Schritt::Betrieb);
    return z;
}

} // namespace

TEST(Pfadzustand, AConstructionWritesItsLightPointsWhereTheOperatingCostsReadThem)
{
    struct Fall {
        Pfad pfad;
        float hoehe;
        float abstand;
        const char* lichtpunkthoehe;
        const char* lichtpunktabstand;
        const char* anzahl;
    };
    // 1000 m: the state road takes 30 m from its table for 6 m masts, the
    // municipal road the 35 m the user typed for 4,5 m masts.
    const Fall faelle[] = {
        {Pfad::Landesstrasse, 6, 99, "6", "30", "34"},
        {Pfad::Gemeindestrasse, 4.5f, 35, "4,5", "35", "29"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.lichtpunkthoehe);
        Kalkulationsdaten d;
        d.strlaenge = 1000;
        d.lphoehe = f.hoehe;
        d.lpabstand = f.abstand;
        const Pfadzustand z = durchgerechnet(f.pfad, d);
        const Errichtungstexte t = errichtungstexte(z);
        EXPECT_EQ(t.lichtpunkthoehe, f.lichtpunkthoehe);
        EXPECT_EQ(t.lichtpunktabstand, f.lichtpunktabstand);
        EXPECT_EQ(t.anzahllp, f.anzahl);
        EXPECT_EQ(formatGanzzahl(d.anzahllp), f.anzahl);
        EXPECT_EQ(z.betrieb->eingaben.anzahllp, d.anzahllp);
    }
}

TEST(Pfadzustand, AHeightWithoutASpacingPricesNothing)
{
    // No input lets this through; the screen must still open, with empty figures.
    Kalkulationsdaten d;
    d.strlaenge = 1000;
    d.lphoehe = 4.5f;
    d.anzahllp = 12;
    Pfadzustand z{Pfad::Landesstrasse};
    schrittBerechnen(z, d, Schritt::Kosten);
    const Errichtungstexte t = errichtungstexte(z);
    EXPECT_EQ(t.strassenlaenge, "1.000");
    EXPECT_EQ(t.anzahllp, "");
    EXPECT_EQ(t.errko, "");
    EXPECT_EQ(d.anzahllp, 12);
}

TEST(Pfadzustand, ClosingAStepDropsItsFigures)
{
    Kalkulationsdaten d;
    d.anzahllp = 30;
    Pfadzustand z = durchgerechnet(Pfad::Sanierung, d);
    ASSERT_TRUE(z.sanierung && z.betrieb && z.betrieb->bestand);
    schrittVerwerfen(z, Schritt::Betrieb);
    EXPECT_FALSE(z.betrieb);
    EXPECT_TRUE(z.sanierung);
    EXPECT_EQ(betriebstexte(z).geplant.zahlen[Gesamt], "");
    schrittVerwerfen(z, Schritt::Kosten);
    EXPECT_FALSE(z.sanierung);
}

TEST(Bildschirmtexte, EnteredValuesReadAsTheScreensShowThem)
{
    Kalkulationsdaten d;
    d.leuchtenart = Leuchtenart::dekorativ;
    d.verteiler = false;
    d.mast = true;
    d.anzahllp = 2.5f;
    Pfadzustand z = durchgerechnet(Pfad::Sanierung, d);
    const Sanierungstexte s = sanierungstexte(z);
    EXPECT_EQ(s.leuchtenart, "dekorative Leuchte");
    EXPECT_EQ(s.maste, "ja");
    EXPECT_EQ(s.verteiler, "nein");
    EXPECT_EQ(s.lp, "2,5");

    // The renovation names the CosmoPolis lamps in their short form.
    d.lampe = lampeMitOption("Option11");
    d.schaltung = {Einschaltung::Astronomisch, true, 4, true};
    d.strompreis = 12.5f;
    d.wattageb = 125;
    d.bestandslampe = bestandslampeMitOption("Option27");
    schrittBerechnen(z, d, Schritt::Betrieb);
    const Betriebstexte b = betriebstexte(z);
    EXPECT_EQ(b.geplant.leuchtmittel, "Halogen-Metalldampflampe (CP),   45 Watt");
    EXPECT_EQ(b.geplant.einschaltung, "Astronomische ZSU, RSS über astronomische ZSU");
    EXPECT_EQ(b.geplant.abschaltung, "ja");
    EXPECT_EQ(b.geplant.absenkung, "ja");
    EXPECT_EQ(b.strompreis, "12,5");
    EXPECT_EQ(b.bestand.leuchtmittel, "Halogen-Metalldampflampen,");
    EXPECT_EQ(b.bestand.wattage, "125 Watt");
    EXPECT_EQ(b.bestand.einschaltung, "Dämmerungsschalter, ZSU, RSS über Dämmerungsschalter");
    EXPECT_EQ(b.bestand.abschaltung, "nein");
}

TEST(Bildschirmtexte, AStateRoadShowsNoSwitchOffAndTheLongCosmoPolisName)
{
    Kalkulationsdaten d;
    d.strlaenge = 500;
    d.lphoehe = 5;
    Pfadzustand z = durchgerechnet(Pfad::Landesstrasse, d);
    d.lampe = lampeMitOption("Option11");
    schrittBerechnen(z, d, Schritt::Betrieb);
    const Betriebstexte b = betriebstexte(z);
    EXPECT_EQ(b.geplant.abschaltung, "");
    EXPECT_EQ(b.geplant.leuchtmittel, "Halogen-Metalldampflampe (CosmoPolis),   45 Watt");
    EXPECT_EQ(b.bestand.zahlen[Gesamt], "") << "a new installation has no existing one";
    EXPECT_EQ(b.abweichung, "");
}

TEST(Ergebnisblatt, TheRenovationSheetsWorkedExampleFromTheRecord)
{
    // 40 technical luminaires on new masts without a cabinet cost 40 · 1250 €,
    // and at 15 Cent/kWh 80 W mercury vapour lamps against the 50 W sodium lamp
    // run 94.300 € against 58.990 € over 25 years.
    Kalkulationsdaten d;
    d.anzahllp = 40;
    d.verteiler = false;
    const Sanierungsblatttexte t = sanierungsblatttexte(durchgerechnet(Pfad::Sanierung, d));
    EXPECT_EQ(t.sanierung.sanko, "50.000");
    EXPECT_EQ(t.betrieb.bestand.zahlen[Gesamt], "94.300");
    EXPECT_EQ(t.betrieb.geplant.zahlen[Gesamt], "58.990");
    EXPECT_EQ(t.betrieb.abweichung, "-37 %");
    EXPECT_EQ(t.eigene.ges, "108.990");
    EXPECT_EQ(t.eigene.amo, "35,4");
    EXPECT_EQ(t.eigene.gesersp, "-14.690");
}

TEST(Ergebnisblatt, SheetFiguresComeFromTheRoundedFiguresShown)
{
    // Each figure is shown rounded down; the unrounded sum would round up.
    Pfadzustand z{Pfad::Gemeindestrasse};
    Errichtungskosten kosten;
    kosten.summe = 100.4f;
    z.errichtung = Errichtungsstand{{}, 30.0f, kosten};
    Betriebskostenergebnis geplant;
    geplant.betrkoges = 200.4f;
    z.betrieb = Betriebsstand{{}, geplant, std::nullopt};
    EXPECT_EQ(neuerrichtungsblatttexte(z).ges, "300");

    z.pfad = Pfad::Sanierung;
    Sanierungskosten sanierung;
    sanierung.summe = 300;
    z.sanierung = Sanierungsstand{{}, sanierung};
    Bestandsergebnis bestand;
    bestand.betrkoges = 399.6f;
    z.betrieb->bestand = bestand;
    const Sanierungsblatttexte t = sanierungsblatttexte(z);
    // Shown: 300, 400 and 200; the payback is 300 / (400 − 200) · 25.
    EXPECT_EQ(t.eigene.ges, "500");
    EXPECT_EQ(t.eigene.amo, "37,5");
    EXPECT_EQ(t.eigene.gesersp, "-100");
    EXPECT_EQ(t.betrieb.abweichung, "-50 %");
}

TEST(Bildschirmtexte, TheNameIsTheOneTheLatestStepWasWorkedOutFor)
{
    for (Pfad pfad : allePfade) {
        Kalkulationsdaten d;
        d.strlaenge = 1000;
        d.lphoehe = 6;
        d.lpabstand = 30;
        d.anzahllp = 30;
        Pfadzustand z{pfad};
        EXPECT_EQ(bezeichnungstext(z), "");
        d.bezeichnung = "Ahornweg";
        schrittBerechnen(z, d, Schritt::Kosten);
        d.bezeichnung = "Birkenweg";
        EXPECT_EQ(bezeichnungstext(z), "Ahornweg");
        schrittBerechnen(z, d, Schritt::Betrieb);
        EXPECT_EQ(bezeichnungstext(z), "Birkenweg");
    }
}

#include "kalkulationsdaten.h"

#include <gtest/gtest.h>

using namespace grobrechner;

namespace {

Kalkulationsdaten gestartet()
{
    Kalkulationsdaten d;
    startwerteSetzen(d);
    return d;
}

// A record whose every field holds something no reset writes.
Kalkulationsdaten benutzt()
{
    Kalkulationsdaten d = gestartet();
    d.leuchtenart = "deko";
    d.strlaenge = 1000;
    d.lphoehe = 6;
    d.lpabstand = 30;
    d.anzahllp = 34;
    d.verteiler = "nein";
    d.mast = "ja";
    d.grabungsl = 200;
    d.leuchtmittel = "Halogen-Metalldampflampe";
    d.wattage = 150;
    d.systemleistung = 170;
    d.lebensdauer = 6500;
    d.lampenpreis = 106;
    d.einschaltung = "astro";
    d.abschaltung = "ja";
    d.abschaltdauer = "8";
    d.absenkung = "ja";
    d.strompreis = 18;
    d.wattageb = 125;
    d.leuchtmittelb = "Leuchtstofflampen";
    d.lebensdauerb = 12000;
    d.einschaltungb = "astro";
    d.abschaltungb = "ja";
    d.abschaltdauerb = "3";
    d.absenkungb = "ja";
    return d;
}

bool gleich(const Kalkulationsdaten& a, const Kalkulationsdaten& b)
{
    return a.leuchtenart == b.leuchtenart && a.strlaenge == b.strlaenge && a.lphoehe == b.lphoehe
        && a.lpabstand == b.lpabstand && a.anzahllp == b.anzahllp && a.verteiler == b.verteiler && a.mast == b.mast
        && a.grabungsl == b.grabungsl && a.leuchtmittel == b.leuchtmittel && a.wattage == b.wattage
        && a.systemleistung == b.systemleistung && a.lebensdauer == b.lebensdauer && a.lampenpreis == b.lampenpreis
        && a.einschaltung == b.einschaltung && a.abschaltung == b.abschaltung && a.abschaltdauer == b.abschaltdauer
        && a.absenkung == b.absenkung && a.strompreis == b.strompreis && a.wattageb == b.wattageb
        && a.leuchtmittelb == b.leuchtmittelb && a.lebensdauerb == b.lebensdauerb
        && a.einschaltungb == b.einschaltungb && a.abschaltungb == b.abschaltungb
        && a.abschaltdauerb == b.abschaltdauerb && a.absenkungb == b.absenkungb;
}

} // namespace

TEST(Startwerte, NumbersAreZeroAndTextsHoldTheDefaults)
{
    const Kalkulationsdaten d = gestartet();
    EXPECT_EQ(d.leuchtenart, "techn");
    EXPECT_EQ(d.strlaenge, 0);
    EXPECT_EQ(d.lphoehe, 0);
    EXPECT_EQ(d.lpabstand, 0);
    EXPECT_EQ(d.anzahllp, 0);
    EXPECT_EQ(d.verteiler, "ja");
    EXPECT_EQ(d.mast, "nein");
    EXPECT_EQ(d.grabungsl, 0);
    EXPECT_EQ(d.leuchtmittel, "Natriumdampf-Hochdrucklampe");
    EXPECT_EQ(d.systemleistung, 62);
    EXPECT_EQ(d.wattage, 50);
    EXPECT_EQ(d.lebensdauer, 16000);
    EXPECT_EQ(d.lampenpreis, 40);
    EXPECT_EQ(d.einschaltung, "dämm");
    EXPECT_EQ(d.abschaltung, "nein");
    EXPECT_EQ(d.absenkung, "nein");
    EXPECT_EQ(d.strompreis, 0);
    EXPECT_EQ(d.einschaltungb, "dämm");
    EXPECT_EQ(d.abschaltungb, "nein");
    EXPECT_EQ(d.absenkungb, "nein");
    EXPECT_EQ(d.wattageb, 80);
    EXPECT_EQ(d.leuchtmittelb, "Quecksilberdampflampen");
    EXPECT_EQ(d.lebensdauerb, 7000);
    EXPECT_EQ(d.abschaltdauer, "");
    EXPECT_EQ(d.abschaltdauerb, "");
}

TEST(Startwerte, ReplaceWhateverWasThere)
{
    Kalkulationsdaten d = benutzt();
    startwerteSetzen(d);
    EXPECT_TRUE(gleich(d, gestartet()));
}

TEST(Pfadstart, StateRoadResetsItsFiveFieldsOnly)
{
    Kalkulationsdaten d = benutzt();
    Kalkulationsdaten erwartet = benutzt();
    erwartet.leuchtenart = "techn";
    erwartet.strlaenge = 0;
    erwartet.lphoehe = 0;
    erwartet.verteiler = "ja";
    erwartet.grabungsl = 0;
    pfadZuruecksetzen(d, Pfad::Landesstrasse);
    EXPECT_TRUE(gleich(d, erwartet));
    // The municipal spacing of an earlier calculation survives.
    EXPECT_EQ(d.lpabstand, 30);
}

TEST(Pfadstart, MunicipalRoadAlsoResetsTheSpacing)
{
    Kalkulationsdaten d = benutzt();
    Kalkulationsdaten erwartet = benutzt();
    erwartet.leuchtenart = "techn";
    erwartet.strlaenge = 0;
    erwartet.lphoehe = 0;
    erwartet.lpabstand = 0;
    erwartet.verteiler = "ja";
    erwartet.grabungsl = 0;
    pfadZuruecksetzen(d, Pfad::Gemeindestrasse);
    EXPECT_TRUE(gleich(d, erwartet));
}

TEST(Pfadstart, RenovationResetsCountAndMastsAndKeepsTheLengths)
{
    Kalkulationsdaten d = benutzt();
    Kalkulationsdaten erwartet = benutzt();
    erwartet.leuchtenart = "techn";
    erwartet.anzahllp = 0;
    erwartet.verteiler = "ja";
    erwartet.mast = "nein";
    pfadZuruecksetzen(d, Pfad::Sanierung);
    EXPECT_TRUE(gleich(d, erwartet));
    EXPECT_EQ(d.strlaenge, 1000);
    EXPECT_EQ(d.grabungsl, 200);
}

TEST(Eintrittswerte, StateRoadStartsFromThe70WattLamp)
{
    Kalkulationsdaten d = benutzt();
    Kalkulationsdaten erwartet = benutzt();
    erwartet.leuchtmittel = "Natriumdampf-Hochdrucklampe";
    erwartet.systemleistung = 83;
    erwartet.wattage = 70;
    erwartet.lebensdauer = 16000;
    erwartet.lampenpreis = 40;
    erwartet.einschaltung = "dämm";
    erwartet.abschaltung = "nein";
    erwartet.abschaltdauer = "6";
    erwartet.absenkung = "nein";
    erwartet.strompreis = 0;
    eintrittswerteSetzen(d, Pfad::Landesstrasse);
    EXPECT_TRUE(gleich(d, erwartet));
}

TEST(Eintrittswerte, MunicipalRoadStartsFromThe50WattLampAndLeavesTheExistingInstallation)
{
    Kalkulationsdaten d = benutzt();
    Kalkulationsdaten erwartet = benutzt();
    erwartet.leuchtmittel = "Natriumdampf-Hochdrucklampe";
    erwartet.systemleistung = 62;
    erwartet.wattage = 50;
    erwartet.lebensdauer = 16000;
    erwartet.lampenpreis = 40;
    erwartet.einschaltung = "dämm";
    erwartet.abschaltung = "nein";
    erwartet.abschaltdauer = "6";
    erwartet.absenkung = "nein";
    erwartet.strompreis = 0;
    eintrittswerteSetzen(d, Pfad::Gemeindestrasse);
    EXPECT_TRUE(gleich(d, erwartet));
}

TEST(Eintrittswerte, RenovationAlsoResetsTheExistingInstallation)
{
    Kalkulationsdaten d = benutzt();
    Kalkulationsdaten erwartet = benutzt();
    erwartet.leuchtmittel = "Natriumdampf-Hochdrucklampe";
    erwartet.systemleistung = 62;
    erwartet.wattage = 50;
    erwartet.lebensdauer = 16000;
    erwartet.lampenpreis = 40;
    erwartet.einschaltung = "dämm";
    erwartet.abschaltung = "nein";
    erwartet.abschaltdauer = "6";
    erwartet.absenkung = "nein";
    erwartet.strompreis = 0;
    erwartet.einschaltungb = "dämm";
    erwartet.abschaltungb = "nein";
    erwartet.abschaltdauerb = "6";
    erwartet.absenkungb = "nein";
    erwartet.wattageb = 80;
    erwartet.leuchtmittelb = "Quecksilberdampflampen";
    erwartet.lebensdauerb = 7000;
    eintrittswerteSetzen(d, Pfad::Sanierung);
    EXPECT_TRUE(gleich(d, erwartet));
}

TEST(Eintrittswerte, EnteringTwiceGivesTheSameRecord)
{
    for (Pfad p : allePfade) {
        Kalkulationsdaten einmal = benutzt();
        eintrittswerteSetzen(einmal, p);
        Kalkulationsdaten zweimal = einmal;
        zweimal.wattage = 250;
        zweimal.abschaltdauer = "9";
        eintrittswerteSetzen(zweimal, p);
        EXPECT_TRUE(gleich(einmal, zweimal));
    }
}

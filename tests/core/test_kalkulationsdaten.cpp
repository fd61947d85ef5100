#include "kalkulationsdaten.h"

#include <gtest/gtest.h>

#include <set>

using namespace grobrechner;

namespace {

// A record whose every field holds something neither a reset nor an entry writes.
Kalkulationsdaten benutzt()
{
    Kalkulationsdaten d;
    d.bezeichnung = "Ahornweg";
    d.leuchtenart = Leuchtenart::dekorativ;
    d.strlaenge = 1000;
    d.lphoehe = 6;
    d.lpabstand = 30;
    d.anzahllp = 34;
    d.verteiler = false;
    d.mast = true;
    d.grabungsl = 200;
    d.lampe = lampeMitOption("Option7");
    d.schaltung = {Einschaltung::Astronomisch, true, 8, true};
    d.strompreis = 18;
    d.wattageb = 125;
    d.bestandslampe = bestandslampeMitOption("Option22");
    d.schaltungb = {Einschaltung::Astronomisch, true, 3, true};
    return d;
}

// The switching an operating-cost input starts from.
const Schaltung eintritt{Einschaltung::Daemmerungsschalter, false, 6, false};

} // namespace

TEST(Startwerte, AFreshRecordHoldsTheStartValues)
{
    const Kalkulationsdaten d;
    EXPECT_EQ(d.bezeichnung, "");
    EXPECT_EQ(d.leuchtenart, Leuchtenart::technisch);
    for (float zahl : {d.strlaenge, d.lphoehe, d.lpabstand, d.anzahllp, d.grabungsl, d.strompreis})
        EXPECT_EQ(zahl, 0);
    EXPECT_TRUE(d.verteiler);
    EXPECT_FALSE(d.mast);
    // The 50 W sodium lamp against 80 W mercury vapour lamps, and no switch-off
    // duration until a path enters its operating step.
    EXPECT_EQ(d.lampe, lampeMitOption("Option1"));
    EXPECT_EQ(d.bestandslampe, bestandslampeMitOption("Option23"));
    EXPECT_EQ(d.wattageb, 80);
    const Schaltung start{Einschaltung::Daemmerungsschalter, false, std::nullopt, false};
    EXPECT_EQ(d.schaltung, start);
    EXPECT_EQ(d.schaltungb, start);
}

TEST(Pfadstart, EachPathResetsItsOwnFieldsOnly)
{
    struct Fall {
        Pfad pfad;
        void (*erwartet)(Kalkulationsdaten&);
    };
    const Fall faelle[] = {
        // The municipal spacing of an earlier calculation survives a state road.
        {Pfad::Landesstrasse, [](Kalkulationsdaten& d) { d.strlaenge = d.lphoehe = d.grabungsl = 0; }},
        {Pfad::Gemeindestrasse, [](Kalkulationsdaten& d) { d.strlaenge = d.lphoehe = d.lpabstand = d.grabungsl = 0; }},
        // The lengths of an earlier construction survive a renovation.
        {Pfad::Sanierung,
         [](Kalkulationsdaten& d) {
             d.anzahllp = 0;
             d.mast = false;
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(static_cast<int>(f.pfad));
        Kalkulationsdaten erwartet = benutzt();
        erwartet.bezeichnung.clear(); // a new calculation starts without a name
        erwartet.leuchtenart = Leuchtenart::technisch;
        erwartet.verteiler = true;
        f.erwartet(erwartet);
        Kalkulationsdaten d = benutzt();
        pfadZuruecksetzen(d, f.pfad);
        EXPECT_EQ(d, erwartet);
    }
}

TEST(Eintrittswerte, TheOperatingStepStartsFromTheScreensDefaults)
{
    struct Fall {
        Pfad pfad;
        const char* lampe;
        bool mitBestand;
    };
    // The state road starts from the 70 W lamp, the others from the 50 W lamp;
    // only the renovation resets its existing installation too.
    const Fall faelle[] = {
        {Pfad::Landesstrasse, "Option2", false},
        {Pfad::Gemeindestrasse, "Option1", false},
        {Pfad::Sanierung, "Option1", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(static_cast<int>(f.pfad));
        Kalkulationsdaten erwartet = benutzt();
        erwartet.lampe = lampeMitOption(f.lampe);
        erwartet.schaltung = eintritt;
        erwartet.strompreis = 0;
        if (f.mitBestand) {
            erwartet.wattageb = 80;
            erwartet.bestandslampe = &bestandsvorgabe();
            erwartet.schaltungb = eintritt;
        }
        Kalkulationsdaten d = benutzt();
        eintrittswerteSetzen(d, f.pfad);
        EXPECT_EQ(d, erwartet);
        EXPECT_EQ(d.lampe, &vorgabelampe(lampenauswahl(f.pfad))) << "the record agrees with the selected option";
    }
}

#include "eingabefelder.h"

TEST(Eingabefelder, EveryInputBelongsToOneStepAndIsCopiedAlone)
{
    // Step 1 and step 3 of all paths together take every input; a copy of one
    // input changes that one and leaves the rest.
    std::set<Eingabefeld> gesehen;
    for (Pfad pfad : allePfade)
        for (Schritt schritt : {Schritt::Eingabe, Schritt::Betriebseingabe})
            for (Eingabefeld feld : eingabefelder(pfad, schritt)) {
                gesehen.insert(feld);
                Kalkulationsdaten d;
                uebernehmen(d, benutzt(), feld);
                EXPECT_NE(d, Kalkulationsdaten{}) << static_cast<int>(feld) << " is not copied";
                uebernehmen(d, Kalkulationsdaten{}, feld);
                EXPECT_EQ(d, Kalkulationsdaten{}) << static_cast<int>(feld) << " copies more than itself";
            }
    EXPECT_EQ(gesehen.size(), static_cast<std::size_t>(Eingabefeld::absenkungb) + 1);
    EXPECT_TRUE(eingabefelder(Pfad::Sanierung, Schritt::Kosten).empty());
}

TEST(Eingabefelder, ANumberPassesAsItsFieldWouldTakeIt)
{
    const struct {
        Eingabefeld feld;
        Pfad pfad;
        double wert;
        bool passt;
    } faelle[] = {
        {Eingabefeld::strlaenge, Pfad::Landesstrasse, 99999, true},
        {Eingabefeld::strlaenge, Pfad::Landesstrasse, 100000, false}, // six characters
        {Eingabefeld::strlaenge, Pfad::Landesstrasse, 0.5, true},
        {Eingabefeld::strlaenge, Pfad::Landesstrasse, 0, false},
        {Eingabefeld::grabungsl, Pfad::Gemeindestrasse, 0, true},
        {Eingabefeld::grabungsl, Pfad::Gemeindestrasse, -1, false},
        {Eingabefeld::anzahllp, Pfad::Sanierung, 2.5, true},
        {Eingabefeld::anzahllp, Pfad::Sanierung, 2.25, false},
        {Eingabefeld::abschaltdauer, Pfad::Gemeindestrasse, 9, true},
        {Eingabefeld::abschaltdauerb, Pfad::Sanierung, 0.5, false},
        {Eingabefeld::strompreis, Pfad::Landesstrasse, 0, true},
        {Eingabefeld::strompreis, Pfad::Gemeindestrasse, 0, false},
        {Eingabefeld::wattageb, Pfad::Sanierung, 999, true},
        // Not the number a typed "0,1" stands for, but the float it was kept as.
        {Eingabefeld::lpabstand, Pfad::Gemeindestrasse, static_cast<double>(0.1f), false},
        {Eingabefeld::lpabstand, Pfad::Gemeindestrasse, 1e300, false},
    };
    for (const auto& f : faelle) {
        const std::optional<Zahlfeld> feld = zahlfeld(f.feld, f.pfad);
        ASSERT_TRUE(feld.has_value()) << static_cast<int>(f.feld);
        EXPECT_EQ(zahlPasst(*feld, f.wert), f.passt) << static_cast<int>(f.feld) << ": " << f.wert;
    }
    EXPECT_FALSE(zahlfeld(Eingabefeld::lphoehe, Pfad::Landesstrasse).has_value()) << "chosen from a list";
}

TEST(Eingabefelder, ANamePastedFromATableStaysOnOneLine)
{
    const struct {
        const char* eingabe;
        const char* zeile;
    } faelle[] = {
        {"Ahornweg\t2. BA", "Ahornweg 2. BA"},
        {"Ahornweg\r\nSüd", "Ahornweg Süd"},
        {"Ahornweg\n\nSüd\r", "Ahornweg  Süd "},
        {"Ahornweg\xC2\x85Süd", "Ahornweg Süd"},                 // NEL, a C1 control
        {"Ahornweg\xC2\xA0Süd „Nord“", "Ahornweg\xC2\xA0Süd „Nord“"}, // no-break space and quotes stay
    };
    for (const auto& f : faelle)
        EXPECT_EQ(bezeichnungEinzeilig(f.eingabe), f.zeile) << f.eingabe;
}

TEST(Eingabefelder, TheRulesBetweenInputsHoldOnceForScreensFilesAndLists)
{
    // One row per rule and side of its bound; an empty message means it holds.
    const auto mit = [](auto aendern) {
        Kalkulationsdaten d;
        d.strlaenge = 100;
        d.lphoehe = 4.5f; // the recommendation allows up to 35 m
        d.lpabstand = 35;
        aendern(d);
        return d;
    };
    const struct {
        Kalkulationsdaten d;
        Eingabefeld feld;
        Pfad pfad;
        const char* meldung;
    } faelle[] = {
        {mit([](auto&) {}), Eingabefeld::lpabstand, Pfad::Gemeindestrasse, ""},
        {mit([](auto& d) { d.lpabstand = 35.5f; }), Eingabefeld::lpabstand, Pfad::Gemeindestrasse,
         "Der Lichtpunktabstand 35,5 m ist größer als die 35 m, die bei 4,5 m Lichtpunkthöhe möglich sind."},
        {mit([](auto& d) { d.lphoehe = 9; }), Eingabefeld::lpabstand, Pfad::Gemeindestrasse,
         "Der Lichtpunktabstand 35 m ist größer als die 0 m, die bei 9 m Lichtpunkthöhe möglich sind."},
        {mit([](auto& d) { d.grabungsl = 100; }), Eingabefeld::grabungsl, Pfad::Landesstrasse, ""},
        {mit([](auto& d) { d.grabungsl = 100.5f; }), Eingabefeld::grabungsl, Pfad::Landesstrasse,
         "Die Grabungslänge im Asphalt (100,5 m) ist größer als die Straßenlänge (100 m)."},
        {mit([](auto& d) { d.schaltung.abschaltung = true; }), Eingabefeld::abschaltung, Pfad::Gemeindestrasse, ""},
        {mit([](auto& d) { d.schaltung.abschaltung = true; }), Eingabefeld::abschaltung, Pfad::Landesstrasse,
         "Auf diesem Pfad wird die Anlage nachts nie abgeschaltet."},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zusammenPruefen(f.d, f.feld, f.pfad), f.meldung);
    EXPECT_TRUE(hoehePasst(Pfad::Gemeindestrasse, 4.5));
    EXPECT_FALSE(hoehePasst(Pfad::Landesstrasse, 4.5));
    EXPECT_EQ(hoehenliste(Pfad::Landesstrasse), "5, 6, 7, 8");
    EXPECT_EQ(zahlregel(*zahlfeld(Eingabefeld::grabungsl, Pfad::Gemeindestrasse)), "Zahlen ab 0 mit höchstens 5 Zeichen");
}

TEST(Eingabefelder, EachInputHasItsOwnKeyAndCaption)
{
    std::set<std::string_view> schluessel, beschriftungen;
    for (Eingabefeld f : alleEingabefelder()) {
        EXPECT_TRUE(schluessel.insert(eingabeschluessel(f)).second) << eingabeschluessel(f);
        EXPECT_TRUE(beschriftungen.insert(eingabebeschriftung(f)).second) << eingabebeschriftung(f);
    }
    EXPECT_EQ(eingabeschluessel(Eingabefeld::grabungsl), "grabungsl");
    EXPECT_EQ(eingabebeschriftung(Eingabefeld::abschaltdauerb), "Abschaltdauer des Bestands");
}

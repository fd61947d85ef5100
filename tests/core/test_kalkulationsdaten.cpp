#include "kalkulationsdaten.h"

#include <gtest/gtest.h>

using namespace grobrechner;

namespace {

// A record whose every field holds something neither a reset nor an entry writes.
Kalkulationsdaten benutzt()
{
    Kalkulationsdaten d;
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

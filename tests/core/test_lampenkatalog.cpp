#include "lampenkatalog.h"

#include "zahlentext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace grobrechner;

namespace {

using K = Kalkulationsdaten;

struct Textfeld {
    const char* name;
    std::string K::*feld;
};
struct Zahlfeld {
    const char* name;
    float K::*feld;
};

const Textfeld textfelder[] = {
    {"leuchtenart", &K::leuchtenart},   {"verteiler", &K::verteiler},         {"mast", &K::mast},
    {"leuchtmittel", &K::leuchtmittel}, {"einschaltung", &K::einschaltung},   {"abschaltung", &K::abschaltung},
    {"abschaltdauer", &K::abschaltdauer}, {"absenkung", &K::absenkung},       {"leuchtmittelb", &K::leuchtmittelb},
    {"einschaltungb", &K::einschaltungb}, {"abschaltungb", &K::abschaltungb}, {"abschaltdauerb", &K::abschaltdauerb},
    {"absenkungb", &K::absenkungb},
};
const Zahlfeld zahlfelder[] = {
    {"strlaenge", &K::strlaenge},   {"lphoehe", &K::lphoehe},       {"lpabstand", &K::lpabstand},
    {"anzahllp", &K::anzahllp},     {"grabungsl", &K::grabungsl},   {"wattage", &K::wattage},
    {"systemleistung", &K::systemleistung}, {"lebensdauer", &K::lebensdauer}, {"lampenpreis", &K::lampenpreis},
    {"strompreis", &K::strompreis}, {"wattageb", &K::wattageb},     {"lebensdauerb", &K::lebensdauerb},
};

// A record in which no field holds a value any choice writes.
K fremd()
{
    K d;
    for (const Textfeld& t : textfelder)
        d.*t.feld = "?";
    for (const Zahlfeld& z : zahlfelder)
        d.*z.feld = -1;
    return d;
}

std::set<std::string> geaendert(const K& vorher, const K& nachher)
{
    std::set<std::string> namen;
    for (const Textfeld& t : textfelder)
        if (vorher.*t.feld != nachher.*t.feld)
            namen.insert(t.name);
    for (const Zahlfeld& z : zahlfelder)
        if (vorher.*z.feld != nachher.*z.feld)
            namen.insert(z.name);
    return namen;
}


} // namespace

TEST(Lampenkatalog, OffersOption1To16WithoutOption14)
{
    std::set<std::string> optionen;
    for (const Lampe& l : Lampenkatalog)
        optionen.insert(std::string(l.option));
    std::set<std::string> erwartet;
    for (int i = 1; i <= 16; ++i)
        if (i != 14)
            erwartet.insert("Option" + std::to_string(i));
    EXPECT_EQ(optionen, erwartet);
    EXPECT_EQ(lampeMitOption("Option14"), nullptr);
    for (const Lampe& l : Lampenkatalog)
        EXPECT_EQ(lampeMitOption(l.option), &l);
}

TEST(Lampenkatalog, RowsAgreeWithTheirCaptionsAndFamilies)
{
    // The lives are those the dimming table knows, one per family.
    const float lebensdauerJeFamilie[] = {16000, 15000, 8000, 12000};
    int vorigeSpalte = 0;
    for (const Lampe& l : Lampenkatalog) {
        SCOPED_TRACE(std::string(l.option));
        const std::string anfang = zahltext(l.wattage) + " Watt, ";
        EXPECT_EQ(std::string(l.beschriftung).substr(0, anfang.size()), anfang);
        EXPECT_TRUE(l.beschriftung.ends_with(" lm"));
        EXPECT_GT(l.systemleistung, l.wattage);
        EXPECT_EQ(l.lebensdauer, lebensdauerJeFamilie[static_cast<int>(l.familie)]);
        // The left column comes first, then the right one.
        EXPECT_GE(spalte(l.familie), vorigeSpalte);
        vorigeSpalte = spalte(l.familie);
    }
}

TEST(Lampenauswahl, EachScreenHasItsDefaultDisabledRowsAndTexts)
{
    struct Fall {
        Pfad pfad;
        const char* vorgabe;
        std::vector<std::string> gesperrt;
        const char* kompakt;
        const char* cosmopolis;
        bool abschaltung;
        bool empfohlen;
    };
    const Fall faelle[] = {
        {Pfad::Landesstrasse, "Option2", {"Option1", "Option10", "Option4"}, "Kompaktleuchtstofflampen",
         "Halogen-Metalldampflampe (CosmoPolis)", false, false},
        {Pfad::Gemeindestrasse, "Option1", {}, "Kompaktleuchtstofflampe", "Halogen-Metalldampflampe (CosmoPolis)",
         true, true},
        {Pfad::Sanierung, "Option1", {}, "Kompaktleuchtstofflampe", "Halogen-Metalldampflampe (CP)", true, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(static_cast<int>(f.pfad));
        const Lampenauswahl& a = lampenauswahl(f.pfad);
        EXPECT_EQ(vorgabelampe(a).option, f.vorgabe);
        EXPECT_TRUE(waehlbar(a, vorgabelampe(a)));
        std::vector<std::string> gesperrt;
        for (const Lampe& l : Lampenkatalog)
            if (!waehlbar(a, l))
                gesperrt.push_back(std::string(l.option));
        std::sort(gesperrt.begin(), gesperrt.end());
        EXPECT_EQ(gesperrt, f.gesperrt);
        EXPECT_EQ(gruppenueberschrift(a, Lampenfamilie::Kompaktleuchtstoff), f.kompakt);
        EXPECT_EQ(leuchtmitteltyp(a, *lampeMitOption("Option13")), f.cosmopolis);
        EXPECT_EQ(a.abschaltungWaehlbar, f.abschaltung);
        EXPECT_EQ(a.neinEmpfohlen, f.empfohlen);
    }
}

TEST(Lampenauswahl, OnlyTheCosmoPolisTypeTextDependsOnTheScreen)
{
    for (const Lampe& l : Lampenkatalog) {
        SCOPED_TRACE(std::string(l.option));
        K neu = fremd();
        K saniert = fremd();
        lampeWaehlen(neu, lampenauswahl(Pfad::Gemeindestrasse), l);
        lampeWaehlen(saniert, lampenauswahl(Pfad::Sanierung), l);
        EXPECT_EQ(geaendert(neu, saniert).empty(), l.familie != Lampenfamilie::CosmoPolis);
        EXPECT_EQ(saniert.wattage, neu.wattage);
        EXPECT_EQ(saniert.lampenpreis, neu.lampenpreis);
    }
}

TEST(Lampenwahl, WritesExactlyTheFiveLampFields)
{
    const std::set<std::string> fuenf = {"leuchtmittel", "systemleistung", "wattage", "lebensdauer", "lampenpreis"};
    for (Pfad p : allePfade) {
        for (const Lampe& l : Lampenkatalog) {
            const K vorher = fremd();
            K d = vorher;
            lampeWaehlen(d, lampenauswahl(p), l);
            EXPECT_EQ(geaendert(vorher, d), fuenf) << l.option;
            EXPECT_EQ(d.wattage, l.wattage);
            EXPECT_EQ(d.lebensdauer, l.lebensdauer);
        }
    }
}

TEST(Lampenwahl, The35WattMetalHalideLampHas45WattAnd45Euro)
{
    K d = fremd();
    lampeWaehlen(d, lampenauswahl(Pfad::Landesstrasse), *lampeMitOption("Option9"));
    EXPECT_EQ(d.leuchtmittel, "Halogen-Metalldampflampe");
    EXPECT_EQ(d.wattage, 35);
    EXPECT_EQ(d.systemleistung, 45);
    EXPECT_EQ(d.lampenpreis, 45);
    EXPECT_EQ(d.lebensdauer, 8000);
}

TEST(Lampenwahl, EntryValuesAndStartValuesMatchTheDefaultRows)
{
    for (Pfad p : allePfade) {
        SCOPED_TRACE(static_cast<int>(p));
        K eingetreten = fremd();
        eintrittswerteSetzen(eingetreten, p);
        K gewaehlt = eingetreten;
        lampeWaehlen(gewaehlt, lampenauswahl(p), vorgabelampe(lampenauswahl(p)));
        EXPECT_TRUE(geaendert(eingetreten, gewaehlt).empty());
        if (eintrittswerte(p).mitBestand) {
            bestandslampeWaehlen(gewaehlt, bestandsvorgabe());
            EXPECT_TRUE(geaendert(eingetreten, gewaehlt).empty());
        }
    }
    K gestartet = fremd();
    startwerteSetzen(gestartet);
    K gewaehlt = gestartet;
    lampeWaehlen(gewaehlt, lampenauswahl(Pfad::Gemeindestrasse), vorgabelampe(lampenauswahl(Pfad::Gemeindestrasse)));
    bestandslampeWaehlen(gewaehlt, bestandsvorgabe());
    EXPECT_TRUE(geaendert(gestartet, gewaehlt).empty());
}

TEST(Bestandskatalog, ChoosingARowWritesTypeAndLifeOnly)
{
    std::set<std::string> optionen;
    for (const Bestandslampe& l : Bestandskatalog) {
        optionen.insert(std::string(l.option));
        const K vorher = fremd();
        K d = vorher;
        bestandslampeWaehlen(d, l);
        EXPECT_EQ(geaendert(vorher, d), (std::set<std::string>{"leuchtmittelb", "lebensdauerb"})) << l.option;
        EXPECT_EQ(d.leuchtmittelb, l.beschriftung);
        EXPECT_TRUE(d.leuchtmittelb.ends_with("lampen")) << "existing lamp types are plural";
    }
    EXPECT_EQ(optionen, (std::set<std::string>{"Option22", "Option23", "Option24", "Option25", "Option26", "Option27"}));
    EXPECT_EQ(bestandsvorgabe().option, "Option23");
}

#include "lampenkatalog.h"

#include "zahlentext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace grobrechner;


TEST(Lampenkatalog, OffersOption1To16WithoutOption14AndSixLedLuminaires)
{
    std::set<std::string> optionen;
    for (const Lampe& l : Lampenkatalog)
        optionen.insert(std::string(l.option));
    std::set<std::string> erwartet;
    for (int i = 1; i <= 16; ++i)
        if (i != 14)
            erwartet.insert("Option" + std::to_string(i));
    for (int i = 1; i <= 6; ++i)
        erwartet.insert("optled" + std::to_string(i));
    EXPECT_EQ(optionen, erwartet);
    EXPECT_EQ(lampeMitOption("Option14"), nullptr);
    for (const Lampe& l : Lampenkatalog)
        EXPECT_EQ(lampeMitOption(l.option), &l);
}

TEST(Lampenkatalog, RowsAgreeWithTheirCaptionsAndFamilies)
{
    // The lives are those the dimming table knows, one per family, and the
    // LED's 100 000 h, which dimming leaves as they are.
    const float lebensdauerJeFamilie[] = {16000, 15000, 8000, 12000, 100000};
    int vorigeSpalte = 0;
    for (const Lampe& l : Lampenkatalog) {
        SCOPED_TRACE(std::string(l.option));
        const std::string anfang = zahltext(l.wattage) + " Watt, ";
        EXPECT_EQ(std::string(l.beschriftung).substr(0, anfang.size()), anfang);
        EXPECT_TRUE(l.beschriftung.ends_with(" lm"));
        // An LED luminaire has no gear of its own.
        if (l.familie == Lampenfamilie::LED) {
            EXPECT_EQ(l.systemleistung, l.wattage);
        } else {
            EXPECT_GT(l.systemleistung, l.wattage);
        }
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

TEST(Lampenkatalog, The35WattMetalHalideLampHas45WattAnd45Euro)
{
    const Lampe& l = *lampeMitOption("Option9");
    EXPECT_EQ(l.leuchtmittel, "Halogen-Metalldampflampe");
    EXPECT_EQ(l.wattage, 35);
    EXPECT_EQ(l.systemleistung, 45);
    EXPECT_EQ(l.lampenpreis, 45);
    EXPECT_EQ(l.lebensdauer, 8000);
}

TEST(Bestandskatalog, SixPluralLampTypesUnderTheirOwnCaptions)
{
    std::set<std::string> optionen;
    for (const Bestandslampe& l : Bestandskatalog) {
        optionen.insert(std::string(l.option));
        EXPECT_EQ(bestandslampeMitOption(l.option), &l);
        EXPECT_EQ(l.leuchtmittelb, l.beschriftung);
        EXPECT_TRUE(l.leuchtmittelb.ends_with("lampen")) << "existing lamp types are plural";
    }
    EXPECT_EQ(optionen, (std::set<std::string>{"Option22", "Option23", "Option24", "Option25", "Option26", "Option27"}));
    EXPECT_EQ(bestandsvorgabe().option, "Option23");
}

TEST(Lampenkatalog, LedLuminairesStandInOrderWithTheirPrices)
{
    // 130 lm/W; the heads up to 40 W cost 280 €, 60 W 350 €, the larger 450 €.
    const struct {
        const char* option;
        const char* beschriftung;
        float watt;
        float preis;
    } zeilen[] = {
        {"optled1", "20 Watt, 2.600 lm", 20, 280},  {"optled2", "30 Watt, 3.900 lm", 30, 280},
        {"optled3", "40 Watt, 5.200 lm", 40, 280},  {"optled4", "60 Watt, 7.800 lm", 60, 350},
        {"optled5", "90 Watt, 11.700 lm", 90, 450}, {"optled6", "120 Watt, 15.600 lm", 120, 450},
    };
    const Lampe* vorige = nullptr;
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.option);
        const Lampe* l = lampeMitOption(z.option);
        ASSERT_NE(l, nullptr);
        if (vorige) {
            EXPECT_EQ(l, vorige + 1) << "the group keeps its order";
        }
        vorige = l;
        EXPECT_EQ(l->beschriftung, z.beschriftung);
        EXPECT_EQ(l->leuchtmittel, "LED-Leuchte");
        EXPECT_EQ(l->wattage, z.watt);
        EXPECT_EQ(l->lampenpreis, z.preis);
        EXPECT_EQ(l->lebensdauer, 100000);
        EXPECT_EQ(spalte(l->familie), 0);
    }
    EXPECT_EQ(gruppenueberschrift(lampenauswahl(Pfad::Gemeindestrasse), Lampenfamilie::LED), "LED-Leuchten");
}

TEST(Lampenkatalog, EveryLampIsFoundByItsOwnKey)
{
    // Files, messages and street lists name lamps by these keys: each once.
    for (const Lampe& l : Lampenkatalog)
        EXPECT_EQ(lampeMitSchluessel(lampenschluessel(l)), &l) << lampenschluessel(l);
    for (const Bestandslampe& l : Bestandskatalog)
        EXPECT_EQ(bestandslampeMitSchluessel(bestandsschluessel(l)), &l) << bestandsschluessel(l);
    const struct {
        const char* option;
        const char* schluessel;
    } beispiele[] = {{"Option2", "Natriumdampf 70 W"},   {"Option16", "Kompaktleuchtstoff 120 W"},
                     {"Option9", "Halogen-Metalldampf 35 W"}, {"Option12", "CosmoPolis 60 W"},
                     {"optled2", "LED 30 W"}};
    for (const auto& b : beispiele)
        EXPECT_EQ(lampenschluessel(*lampeMitOption(b.option)), b.schluessel);
    EXPECT_EQ(lampeMitSchluessel("LED 25 W"), nullptr);
    EXPECT_EQ(bestandslampeMitSchluessel("Option23"), nullptr);
}

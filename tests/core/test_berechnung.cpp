// The engine: a calculation computed whole, as its screens would, and the
// years of its operation.
#include "berechnung.h"
#include "bildschirmtexte.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace grobrechner;

namespace {

Kalkulation sanierung(Schritt schritt)
{
    Kalkulation k{Pfad::Sanierung, schritt, {}};
    k.daten.anzahllp = 40;
    k.daten.verteiler = false;
    eintrittswerteSetzen(k.daten, Pfad::Sanierung);
    k.daten.strompreis = 15;
    return k;
}

} // namespace

TEST(Berechnung, StopsAtTheStepItWasSavedFrom)
{
    const Ergebnis zwei = berechnen(sanierung(Schritt::Kosten), {});
    EXPECT_TRUE(zwei.zustand.sanierung);
    EXPECT_FALSE(zwei.zustand.betrieb);
    EXPECT_FALSE(zwei.reihe);
    const Ergebnis drei = berechnen(sanierung(Schritt::Betriebseingabe), {});
    EXPECT_FALSE(drei.zustand.betrieb) << "the operating costs are worked out on step 4";
    const Ergebnis fuenf = berechnen(sanierung(Schritt::Ergebnisblatt), {});
    ASSERT_TRUE(fuenf.reihe && fuenf.bestandsreihe);
    // The renovation sheet's worked example: 40 luminaires on new masts without
    // a cabinet, 50.000 €, and 94.300 € against 58.990 € over 25 years.
    EXPECT_EQ(sanierungsblatttexte(fuenf.zustand).eigene.ges, "108.990");
}

TEST(Berechnung, TheInputsOfTheRecordDecideNotWhatElseItHolds)
{
    // Stale operating fields of another path change nothing before step 3.
    Kalkulation k{Pfad::Gemeindestrasse, Schritt::Kosten, {}};
    k.daten.strlaenge = 1000;
    k.daten.lphoehe = 6;
    k.daten.lpabstand = 30;
    Kalkulation andere = k;
    andere.daten.strompreis = 99;
    andere.daten.anzahllp = 7;
    const Ergebnis e = berechnen(k, {});
    EXPECT_EQ(berechnen(andere, {}).zustand.errichtung->kosten, e.zustand.errichtung->kosten);
    EXPECT_EQ(e.kalkulation.daten.anzahllp, 34) << "a construction writes its light points into the record";
}

TEST(Jahresreihe, TheYearsAddUpToThe25YearFigures)
{
    const Ergebnis e = berechnen(sanierung(Schritt::Ergebnisblatt), {});
    const auto summe = [](const Jahresreihe& r, double Jahreswerte::*wert) {
        return std::accumulate(r.begin(), r.end(), 0.0, [&](double s, const Jahreswerte& j) { return s + j.*wert; });
    };
    const Betriebskostenergebnis& g = e.zustand.betrieb->geplant;
    EXPECT_NEAR(summe(*e.reihe, &Jahreswerte::energiekosten), g.energieko25, 1e-6);
    EXPECT_NEAR(summe(*e.reihe, &Jahreswerte::lampenersatz), g.lampenersko25, 1e-6);
    EXPECT_NEAR(summe(*e.reihe, &Jahreswerte::wartung), g.wartinstko25, 1e-6);
    EXPECT_NEAR(summe(*e.bestandsreihe, &Jahreswerte::energie), e.zustand.betrieb->bestand->energie25, 1e-6);
    EXPECT_EQ(summe(*e.bestandsreihe, &Jahreswerte::lampenersatz), 0);
}

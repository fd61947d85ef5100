#include "berechnung.h"

#include "eingabefelder.h"

namespace grobrechner {

namespace {

Jahresreihe gleichmaessig(double energie25, double energieko25, double lampenersatz25, double wartung25)
{
    Jahreswerte jahr{energie25 / betriebsjahre, energieko25 / betriebsjahre, lampenersatz25 / betriebsjahre,
                     wartung25 / betriebsjahre};
    Jahresreihe reihe;
    reihe.fill(jahr);
    return reihe;
}

} // namespace

Jahresreihe jahresreihe(const Betriebskostenergebnis& e)
{
    return gleichmaessig(e.energie25, e.energieko25, e.lampenersko25, e.wartinstko25);
}

Jahresreihe jahresreihe(const Bestandsergebnis& e)
{
    return gleichmaessig(e.energie25, e.energieko25, 0, e.wartinstko25);
}

Ergebnis berechnen(const Kalkulation& k, const Berechnungsgrundlage& grundlage)
{
    Ergebnis e{k, Pfadzustand{k.pfad, grundlage}, std::nullopt, std::nullopt};
    Kalkulationsdaten& d = e.kalkulation.daten;
    d = {};
    pfadZuruecksetzen(d, k.pfad);
    for (Eingabefeld f : eingabefelder(k.pfad, Schritt::Eingabe))
        uebernehmen(d, k.daten, f);
    for (Schritt s : alleSchritte) {
        if (nummer(s) > nummer(k.schritt))
            break;
        if (s == Schritt::Betriebseingabe) {
            eintrittswerteSetzen(d, k.pfad);
            for (Eingabefeld f : eingabefelder(k.pfad, s))
                uebernehmen(d, k.daten, f);
        }
        schrittBerechnen(e.zustand, d, s);
    }
    if (const auto& betrieb = e.zustand.betrieb) {
        e.reihe = jahresreihe(betrieb->geplant);
        if (betrieb->bestand)
            e.bestandsreihe = jahresreihe(*betrieb->bestand);
    }
    return e;
}

} // namespace grobrechner

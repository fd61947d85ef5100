// Every cost model and every screen text fed with arbitrary records: the values
// the input screens allow and far beyond, at the program's own prices or at any
// the price settings allow. Nothing may crash or run into undefined behaviour
// (the sanitizers watch).
#include "bildschirmtexte.h"
#include "kalkulationsdaten.h"
#include "pfadzustand.h"
#include "preise.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

using namespace grobrechner;

namespace {

float zahl(FuzzedDataProvider& f, float bis)
{
    // Mostly values a screen lets through, sometimes anything a float holds.
    if (f.ConsumeBool())
        return f.ConsumeFloatingPointInRange<float>(0, bis);
    return f.ConsumeFloatingPoint<float>();
}

Schaltung schaltung(FuzzedDataProvider& f)
{
    Schaltung s;
    s.einschaltung = f.ConsumeBool() ? Einschaltung::Daemmerungsschalter : Einschaltung::Astronomisch;
    s.abschaltung = f.ConsumeBool();
    if (f.ConsumeBool())
        s.abschaltdauer = f.ConsumeBool() ? f.ConsumeFloatingPointInRange<double>(0, 9) : f.ConsumeFloatingPoint<double>();
    s.absenkung = f.ConsumeBool();
    return s;
}

// The settings refuse prices and indices outside their bounds; within them, anything.
Preise preise(FuzzedDataProvider& f)
{
    Preise p;
    if (!f.ConsumeBool())
        return p;
    for (const Preisposten& posten : preisposten())
        betrag(p, posten) = f.ConsumeFloatingPointInRange<float>(0, hoechstpreis);
    p.preisindex = f.ConsumeFloatingPointInRange<float>(kleinsterPreisindex, groessterPreisindex);
    p.co2faktor = f.ConsumeFloatingPointInRange<float>(0, 1e6f);
    return p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    FuzzedDataProvider f(daten, groesse);
    Kalkulationsdaten d;
    d.leuchtenart = f.ConsumeBool() ? Leuchtenart::technisch : Leuchtenart::dekorativ;
    d.strlaenge = zahl(f, 99999);
    d.lphoehe = zahl(f, 8);
    d.lpabstand = zahl(f, 99);
    d.anzahllp = zahl(f, 999);
    d.verteiler = f.ConsumeBool();
    d.mast = f.ConsumeBool();
    d.grabungsl = zahl(f, 99999);
    d.lampe = &Lampenkatalog[f.ConsumeIntegralInRange<std::size_t>(0, Lampenkatalog.size() - 1)];
    d.schaltung = schaltung(f);
    d.strompreis = zahl(f, 99);
    d.wattageb = zahl(f, 999);
    d.bestandslampe = &Bestandskatalog[f.ConsumeIntegralInRange<std::size_t>(0, Bestandskatalog.size() - 1)];
    d.schaltungb = schaltung(f);

    // A lamp of any life, dimmed or not.
    const Lampendaten lampe{zahl(f, 300), zahl(f, 30000), zahl(f, 200), zahl(f, 100)};
    (void)Betriebskostenrechnung(lampe, d.schaltung, d.anzahllp, d.strompreis);

    const Pfad pfad = allePfade[f.ConsumeIntegralInRange<std::size_t>(0, std::size(allePfade) - 1)];
    const Preise p = preise(f);
    Pfadzustand z{pfad, {p}};
    schrittBerechnen(z, d, Schritt::Kosten);
    schrittBerechnen(z, d, Schritt::Betrieb);
    (void)datenbasistext(z, Schritt::Ergebnisblatt);
    if (pfad == Pfad::Sanierung)
        (void)sanierungsblatttexte(z);
    else
        (void)neuerrichtungsblatttexte(z);
    return 0;
}

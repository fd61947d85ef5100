// Every cost model fed with arbitrary records: the values the input screens
// allow and far beyond, and arbitrary keywords. Nothing may crash or run into
// undefined behaviour (the sanitizers watch).
#include "bestandsrechnung.h"
#include "betriebskosten.h"
#include "errichtungskosten.h"
#include "kalkulationsdaten.h"
#include "lampenkatalog.h"
#include "sanierungskosten.h"
#include "zahlentext.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

using namespace grobrechner;

namespace {

std::string stichwort(FuzzedDataProvider& f, const char* a, const char* b)
{
    switch (f.ConsumeIntegralInRange(0, 2)) {
    case 0:
        return a;
    case 1:
        return b;
    default:
        return f.ConsumeRandomLengthString(8);
    }
}

float zahl(FuzzedDataProvider& f, float bis)
{
    // Mostly values a screen lets through, sometimes anything a float holds.
    if (f.ConsumeBool())
        return f.ConsumeFloatingPointInRange<float>(0, bis);
    return f.ConsumeFloatingPoint<float>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    FuzzedDataProvider f(daten, groesse);
    Kalkulationsdaten d;
    startwerteSetzen(d);
    d.leuchtenart = stichwort(f, "techn", "deko");
    d.strlaenge = zahl(f, 99999);
    d.lphoehe = zahl(f, 8);
    d.lpabstand = zahl(f, 99);
    d.anzahllp = zahl(f, 999);
    d.verteiler = stichwort(f, "ja", "nein");
    d.mast = stichwort(f, "ja", "nein");
    d.grabungsl = zahl(f, 99999);
    const Lampe& lampe = Lampenkatalog[f.ConsumeIntegralInRange<std::size_t>(0, Lampenkatalog.size() - 1)];
    lampeWaehlen(d, lampenauswahl(f.ConsumeBool() ? Pfad::Sanierung : Pfad::Gemeindestrasse), lampe);
    if (f.ConsumeBool())
        d.lebensdauer = zahl(f, 30000);
    d.einschaltung = stichwort(f, "dämm", "astro");
    d.abschaltung = stichwort(f, "ja", "nein");
    d.abschaltdauer = f.ConsumeRandomLengthString(4);
    d.absenkung = stichwort(f, "ja", "nein");
    d.strompreis = zahl(f, 99);
    d.wattageb = zahl(f, 999);
    d.einschaltungb = stichwort(f, "dämm", "astro");
    d.abschaltungb = stichwort(f, "ja", "nein");
    d.abschaltdauerb = f.ConsumeRandomLengthString(4);
    d.absenkungb = stichwort(f, "ja", "nein");

    const float abstand = zahl(f, 99);
    if (abstand > 0)
        (void)errichtungskostenBerechnen(d, abstand);
    if (const auto regel = landesstrassenabstand(d.lphoehe, d.leuchtenart))
        (void)errichtungskostenBerechnen(d, *regel);
    (void)sanierungskostenBerechnen(d);

    const Betriebskostenergebnis b = Betriebskostenrechnung(d);
    for (double figur : {double(b.betrstdjahr), double(b.energiejahr), double(b.energiekojahr), double(b.energie25),
                         double(b.energieko25), double(b.lampenersko25), b.wartinstko25, double(b.betrkoges)})
        (void)formatGanzzahl(figur);
    const Bestandsergebnis e = Bestandsrechnung(d);
    for (float figur : {e.betrstdjahr, e.energiejahr, e.energiekojahr, e.energie25, e.energieko25, e.wartinstko25,
                        e.betrkoges})
        (void)formatGanzzahl(figur);
    (void)leuchtmitteltext(d);
    (void)strompreistext(d);
    (void)bestandsleuchtmitteltext(d);
    (void)bestandswattagetext(d);
    return 0;
}

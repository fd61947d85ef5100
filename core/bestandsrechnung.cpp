#include "bestandsrechnung.h"

#include "betriebsgrundlagen.h"

namespace grobrechner {

namespace {

// Only the lamp wattage of an existing installation is known; its gear adds 15 %.
constexpr double vorschaltgeraet = 1.15;
// Maintenance and inspection, lamp replacement included, cost 40 for every 60
// spent on energy.
constexpr double wartungsanteil = 40;
constexpr double energieanteil = 60;

} // namespace

Bestandsergebnis Bestandsrechnung(const Kalkulationsdaten& d)
{
    using namespace betrieb;
    Bestandsergebnis r;

    const float b = brennstunden(d.schaltungb);
    r.betrstdjahr = b;

    const double watt = d.wattageb;
    float p = static_cast<float>(watt * b * vorschaltgeraet);
    if (d.schaltungb.absenkung)
        p = static_cast<float>(p - watt * dimmstunden * vorschaltgeraet);

    const Energie e = energie(d.anzahllp, p, d.strompreis);
    r.energiejahr = e.energiejahr;
    r.energiekojahr = e.energiekojahr;
    r.energie25 = e.energie25;
    r.energieko25 = e.energieko25;
    r.wartinstko25 = static_cast<float>(e.energieko25Exakt / energieanteil * wartungsanteil);

    const double k = r.energieko25;
    const double w = r.wartinstko25;
    r.betrkoges = static_cast<float>(k + w);
    return r;
}

} // namespace grobrechner

#include "betriebskosten.h"

#include "betriebsgrundlagen.h"

#include <cmath>

namespace grobrechner {

namespace {

// The surcharge on the maintenance and inspection per lamp change.
constexpr double wartungszuschlag = 1.15;

struct Dimmung {
    float ohne;
    float mit;
};

// Lives of the catalogue's lamp families without and with night dimming. An
// LED's 100 000 h are not in it: dimming does not shorten them.
constexpr Dimmung dimmtabelle[] = {{16000, 22000}, {12000, 9000}, {8000, 6500}, {15000, 12000}};

} // namespace

float gedimmteLebensdauer(float lebensdauer)
{
    // One lookup, never a chain: 15000 h becomes 12000 h and not 9000 h.
    for (const Dimmung& z : dimmtabelle)
        if (lebensdauer == z.ohne)
            return z.mit;
    return lebensdauer;
}

Betriebskostenergebnis Betriebskostenrechnung(const Lampendaten& lampe, const Schaltung& schaltung, float anzahllp,
                                              float strompreis)
{
    using namespace betrieb;
    Betriebskostenergebnis r;

    const float b = brennstunden(schaltung);
    r.betrstdjahr = b;

    const double leistung = lampe.systemleistung;
    float p = static_cast<float>(leistung * b);
    if (schaltung.absenkung)
        p = static_cast<float>(p - leistung * dimmstunden);

    const Energie e = energie(anzahllp, p, strompreis);
    r.energiejahr = e.energiejahr;
    r.energiekojahr = e.energiekojahr;
    r.energie25 = e.energie25;
    r.energieko25 = e.energieko25;

    r.lebensdauer = schaltung.absenkung ? gedimmteLebensdauer(lampe.lebensdauer) : lampe.lebensdauer;
    // A lamp is bought for every life begun: a quotient that is a whole number
    // k still needs k + 1 lamps. An LED head that came with its luminaire is
    // replaced only for every life used up.
    const double leben = std::floor(static_cast<double>(b) * jahre / r.lebensdauer);
    const float n = static_cast<float>(lampe.ersterKopfInbegriffen ? leben : leben + 1);
    r.lampenwechsel = n;

    const double anzahl = anzahllp;
    r.lampenersko25 = static_cast<float>(lampe.lampenpreis * n * anzahl);
    r.wartinstko25 = static_cast<double>(n) * lampe.wartungJeWechsel * wartungszuschlag * anzahl;

    const double w = static_cast<float>(r.wartinstko25);
    const double k = e.energieko25;
    const double l = r.lampenersko25;
    r.betrkoges = static_cast<float>(w + k + l);
    return r;
}

Betriebskostenergebnis Betriebskostenrechnung(const Kalkulationsdaten& d, const Preise& preise)
{
    const Lampe& l = *d.lampe;
    return Betriebskostenrechnung(
        {l.systemleistung, l.lebensdauer, preise.lampenpreis(l), preise.indexiert(preise.wartungJeWechsel),
         l.familie == Lampenfamilie::LED},
        d.schaltung, d.anzahllp, d.strompreis);
}

} // namespace grobrechner

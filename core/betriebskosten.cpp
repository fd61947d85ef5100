#include "betriebskosten.h"

#include "betriebsgrundlagen.h"
#include "zahlentext.h"

#include <cmath>

namespace grobrechner {

namespace {

// Maintenance and inspection per lamp change and light point, with its surcharge.
constexpr double wartungJeWechsel = 30;
constexpr double wartungszuschlag = 1.15;

struct Dimmung {
    float ohne;
    float mit;
};

// Lives of the catalogue's lamp families without and with night dimming.
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

Betriebskostenergebnis Betriebskostenrechnung(const Kalkulationsdaten& d)
{
    using namespace betrieb;
    const bool gedimmt = d.absenkung == "ja";
    Betriebskostenergebnis r;

    const float b = brennstunden(d.einschaltung, d.abschaltung, d.abschaltdauer);
    r.betrstdjahr = b;

    const double leistung = d.systemleistung;
    float p = static_cast<float>(leistung * b);
    if (gedimmt)
        p = static_cast<float>(p - leistung * dimmstunden);

    const Energie e = energie(d.anzahllp, p, d.strompreis);
    r.energiejahr = e.energiejahr;
    r.energiekojahr = e.energiekojahr;
    r.energie25 = e.energie25;
    r.energieko25 = e.energieko25;

    r.lebensdauer = gedimmt ? gedimmteLebensdauer(d.lebensdauer) : d.lebensdauer;
    // A quotient that is a whole number k still needs k + 1 lamps.
    const float n = static_cast<float>(std::floor(static_cast<double>(b) * jahre / r.lebensdauer) + 1);
    r.lampenwechsel = n;

    const double anzahl = d.anzahllp;
    r.lampenersko25 = static_cast<float>(static_cast<double>(d.lampenpreis) * n * anzahl);
    r.wartinstko25 = static_cast<double>(n) * wartungJeWechsel * wartungszuschlag * anzahl;

    const double w = static_cast<float>(r.wartinstko25);
    const double k = e.energieko25;
    const double l = r.lampenersko25;
    r.betrkoges = static_cast<float>(w + k + l);
    return r;
}

std::string einschaltungstext(std::string_view einschaltung)
{
    return einschaltung == "dämm" ? "Dämmerungsschalter, ZSU, RSS über Dämmerungsschalter"
                                  : "Astronomische ZSU, RSS über astronomische ZSU";
}

std::string leuchtmitteltext(const Kalkulationsdaten& d)
{
    return d.leuchtmittel + ",   " + zahltext(d.wattage) + " Watt";
}

std::string strompreistext(const Kalkulationsdaten& d)
{
    return zahltext(d.strompreis);
}

} // namespace grobrechner

#include "betriebsgrundlagen.h"


namespace grobrechner::betrieb {

float brennstunden(const Schaltung& s)
{
    float b = s.einschaltung == Einschaltung::Daemmerungsschalter ? 4100.0f : 3900.0f;
    if (s.abschaltung && s.abschaltdauer)
        b = static_cast<float>(b - *s.abschaltdauer * 365);
    return b;
}

Energie energie(float anzahllp, float verbrauch, float strompreis)
{
    const double n = anzahllp;
    const double p = verbrauch;
    const double s = strompreis;
    Energie e{};
    e.energiejahr = static_cast<float>(n * p / wattstundenJeKwh);
    e.energiekojahr = static_cast<float>(n * p * s / centJeEuro / wattstundenJeKwh);
    e.energie25 = static_cast<float>(n * p * jahre / wattstundenJeKwh);
    e.energieko25Exakt = p * jahre * n * s / centJeEuro / wattstundenJeKwh;
    e.energieko25 = static_cast<float>(e.energieko25Exakt);
    return e;
}

} // namespace grobrechner::betrieb

#include "betriebsgrundlagen.h"

#include "zahlentext.h"

#include <optional>

namespace grobrechner::betrieb {

float brennstunden(std::string_view einschaltung, std::string_view abschaltung, std::string_view abschaltdauer)
{
    float b = einschaltung == "dämm" ? 4100.0f : 3900.0f;
    if (abschaltung == "ja") {
        const std::optional<double> h = zahlAusText(abschaltdauer);
        if (h)
            b = static_cast<float>(b - *h * 365);
    }
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

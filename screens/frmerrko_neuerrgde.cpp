#include "frmerrko_neuerrgde.h"

#include "kalkulationsdaten.h"

namespace grobrechner {

namespace {

using Z = Errichtungsergebnis::Zeile;

const Errichtungsergebnis::Art gemeindestrasse{
    // The input screen lets no spacing through that is not above 0.
    [](const Kalkulationsdaten& d) { return d.lpabstand > 0 ? std::optional<float>(d.lpabstand) : std::nullopt; },
    {Z::Leuchtenart, Z::Strassenlaenge, Z::Lichtpunkthoehe, Z::Lichtpunktabstand, Z::Verteiler, Z::Grabungslaenge},
    {Z::Anzahl, Z::Kosten},
};

} // namespace

frmerrko_neuerrgde::frmerrko_neuerrgde(Umgebung& umgebung)
    : Errichtungsergebnis(QStringLiteral("frmerrko_neuerrgde"), umgebung, gemeindestrasse)
{
}

} // namespace grobrechner

#include "pfadzustand.h"

namespace grobrechner {

namespace {

std::optional<float> abstandFuer(Pfad pfad, const Kalkulationsdaten& d)
{
    // The state road takes the spacing from its table; on the municipal road
    // the user chose it, and the input lets none through that is not above 0.
    if (pfad == Pfad::Landesstrasse)
        return landesstrassenabstand(d.lphoehe, d.leuchtenart);
    return d.lpabstand > 0 ? std::optional<float>(d.lpabstand) : std::nullopt;
}

} // namespace

void schrittBerechnen(Pfadzustand& z, Kalkulationsdaten& d, Schritt schritt)
{
    const Preise& preise = z.grundlage.preise;
    if (schritt == Schritt::Kosten && z.pfad == Pfad::Sanierung) {
        z.sanierung = Sanierungsstand{d, sanierungskostenBerechnen(d, preise)};
    } else if (schritt == Schritt::Kosten) {
        Errichtungsstand stand{d, abstandFuer(z.pfad, d), std::nullopt};
        if (stand.abstand) {
            stand.kosten = errichtungskostenBerechnen(d, *stand.abstand, preise);
            d.anzahllp = static_cast<float>(stand.kosten->anzahl);
            stand.eingaben.anzahllp = d.anzahllp;
        }
        z.errichtung = stand;
    } else if (schritt == Schritt::Betrieb) {
        Betriebsstand stand{d, Betriebskostenrechnung(d, preise), std::nullopt};
        if (z.pfad == Pfad::Sanierung)
            stand.bestand = Bestandsrechnung(d);
        z.betrieb = stand;
    }
}

void schrittVerwerfen(Pfadzustand& z, Schritt schritt)
{
    if (schritt == Schritt::Kosten) {
        z.errichtung.reset();
        z.sanierung.reset();
    } else if (schritt == Schritt::Betrieb) {
        z.betrieb.reset();
    }
}

} // namespace grobrechner

#include "errichtungskosten.h"

#include "zahlentext.h"

#include <algorithm>
#include <cmath>

namespace grobrechner {

namespace {

constexpr Regelabstand regeltabelle[] = {
    {5, 25, 20},
    {6, 30, 25},
    {7, 35, 30},
    {8, 40, 35},
};

constexpr Abstandsempfehlung empfehlungstabelle[] = {
    {4.5f, 20, 18, 35},
    {5, 25, 20, 40},
    {6, 30, 25, 50},
    {7, 35, 30, 50},
    {8, 40, 35, 50},
};

template <typename Zeile>
const Zeile* zeileZu(std::span<const Zeile> tabelle, float hoehe)
{
    const auto it = std::find_if(tabelle.begin(), tabelle.end(), [&](const Zeile& z) { return z.hoehe == hoehe; });
    return it == tabelle.end() ? nullptr : &*it;
}

template <typename Zeile>
float spalte(const Zeile& z, Leuchtenart leuchtenart)
{
    return leuchtenart == Leuchtenart::technisch ? z.techn : z.deko;
}

// Up to these many light points terms 3 and 5 are flat; one cabinet serves
// this many metres of street.
constexpr double bisLichtpunkte3 = 12;
constexpr double bisLichtpunkte5 = 16;
constexpr double meterJeVerteiler = 1500;

} // namespace

std::span<const Regelabstand> regelabstaende() { return regeltabelle; }

std::optional<float> landesstrassenabstand(float hoehe, Leuchtenart leuchtenart)
{
    if (const Regelabstand* z = zeileZu(regelabstaende(), hoehe))
        return spalte(*z, leuchtenart);
    return std::nullopt;
}

std::span<const Abstandsempfehlung> abstandsempfehlungen() { return empfehlungstabelle; }

const Abstandsempfehlung* abstandsempfehlung(float hoehe) { return zeileZu(abstandsempfehlungen(), hoehe); }

std::string empfehlungstext(const Abstandsempfehlung& z, Leuchtenart leuchtenart)
{
    return "Bei " + zahltext(z.hoehe) + " m Lichtpunkthöhe empfehlen wir " + zahltext(spalte(z, leuchtenart))
           + " m Lichtpunktabstand, maximal " + zahltext(z.maximum) + " m!";
}

std::optional<double> erdreichlaenge(std::string_view strassenlaenge, std::string_view asphaltlaenge)
{
    const std::optional<double> strasse = zahlAusText(strassenlaenge);
    const std::optional<double> asphalt = zahlAusText(asphaltlaenge);
    if (!strasse || !asphalt)
        return std::nullopt;
    return *strasse - *asphalt;
}

Errichtungskosten errichtungskostenBerechnen(const Kalkulationsdaten& d, float abstand, const Preise& preise)
{
    // Each term is formed in double and kept in single precision, as the
    // figures have always been rounded; the order of the steps matters.
    // Every price, € including VAT, enters where its constant used to stand.
    const auto preis = [&preise](float Preise::*feld) { return preise.indexiert(preise.*feld); };
    const double laenge = d.strlaenge;
    Errichtungskosten k;
    // One light point at the start and one after each full spacing.
    const double n = k.anzahl = std::floor(laenge / abstand) + 1;
    auto& p = k.posten;
    using P = Preise;
    p[0] = static_cast<float>(n * preis(d.leuchtenart == Leuchtenart::technisch ? &P::errLeuchteTechn
                                                                                 : &P::errLeuchteDeko));
    p[1] = static_cast<float>(n * preis(&P::errPosten2));
    p[2] = static_cast<float>(n <= bisLichtpunkte3 ? preis(&P::errPauschale3) : n * preis(&P::errPosten3));
    p[3] = static_cast<float>(n * preis(&P::errPosten4));
    p[4] = static_cast<float>(n <= bisLichtpunkte5 ? preis(&P::errPauschale5) : n * preis(&P::errPosten5));
    // One cabinet, and one more for every full 1500 m.
    p[5] = d.verteiler ? static_cast<float>((std::floor(laenge / meterJeVerteiler) + 1) * preis(&P::errVerteiler))
                       : 0.0f;
    // What is not dug in asphalt is dug in soil.
    const float erdreich = static_cast<float>(laenge - d.grabungsl);
    const float kostenErdreich = static_cast<float>(erdreich * preis(&P::errGrabungErdreich));
    const float kostenAsphalt = static_cast<float>(d.grabungsl * preis(&P::errGrabungAsphalt));
    p[6] = static_cast<float>(static_cast<double>(kostenErdreich) + kostenAsphalt);
    p[7] = static_cast<float>(n * preis(&P::errPosten8));

    double summe = 0;
    for (float posten : p)
        summe += posten;
    k.summe = static_cast<float>(summe);
    return k;
}

} // namespace grobrechner

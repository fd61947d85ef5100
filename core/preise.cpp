#include "preise.h"

#include "zahlentext.h"

#include <cmath>
#include <string>
#include <vector>

namespace grobrechner {

std::array<float, lampenzahl> katalogpreise()
{
    std::array<float, lampenzahl> preise{};
    for (std::size_t i = 0; i < lampenzahl; ++i)
        preise[i] = Lampenkatalog[i].lampenpreis;
    return preise;
}

double Preise::indexiert(float stand2009) const
{
    // At 100 % the price stays the very number it was; a product with 100 / 100
    // could differ in the last bit once the cost models multiply on.
    const double preis = stand2009;
    return preisindex == 100 ? preis : preis * preisindex / 100;
}

double Preise::lampenpreis(const Lampe& lampe) const
{
    const float preis = lampenpreise[katalogindex(lampe)];
    return lampe.familie == Lampenfamilie::LED ? preis : indexiert(preis);
}

bool Preise::eigenePreise() const
{
    Preise stand2009;
    stand2009.co2faktor = co2faktor;
    stand2009.zins = zins;
    stand2009.steigerung = steigerung;
    stand2009.foerderquote = foerderquote;
    return *this != stand2009;
}

bool preisZulaessig(float preis) { return preis >= 0 && preis <= hoechstpreis; }

bool preisindexZulaessig(float index) { return index >= kleinsterPreisindex && index <= groessterPreisindex; }

bool co2faktorZulaessig(float faktor) { return faktor >= 0 && faktor <= groessterCo2faktor; }

bool zinsZulaessig(float prozent) { return prozent >= 0 && prozent <= 20; }

bool steigerungZulaessig(float prozent) { return prozent >= -10 && prozent <= 20; }

bool foerderquoteZulaessig(float prozent) { return prozent >= 0 && prozent <= 100; }

std::span<const Satz> saetze()
{
    static const Satz alle[] = {
        {"zins", "Kalkulationszins in % pro Jahr", "den Kalkulationszins", &Preise::zins, zinsZulaessig, 0, 20, true},
        {"steigerung", "Strompreissteigerung in % pro Jahr", "die Strompreissteigerung", &Preise::steigerung,
         steigerungZulaessig, -10, 20, true},
        {"foerderquote", "Förderquote in % der Sanierungskosten", "die Förderquote", &Preise::foerderquote,
         foerderquoteZulaessig, 0, 100, false},
    };
    return alle;
}

std::string satztext(float prozent)
{
    std::string text = zahltext(prozent);
    if (text.find(',') == std::string::npos)
        text += ",0";
    return text;
}

std::string satztext(const Satz& satz, float prozent) { return satz.zinssatz ? satztext(prozent) : zahltext(prozent); }

namespace {

using G = Preisgruppe;
using P = Preise;

constexpr std::string_view jeLichtpunkt = "€ je Lichtpunkt";
constexpr std::string_view pauschal = "€ pauschal";

// The construction and renovation terms are numbered as the cost models number
// them; the first is the luminaire, the eighth of a renovation its cabinets.
// A construction's luminaire is priced with its mast: it costs what a
// renovation's luminaire and new mast cost together. Terms that have no name
// of their own are captioned by how the cost models charge them.
const Preisposten feste[] = {
    {G::Errichtung, "errichtung/leuchteTechn", "Technische Leuchte mit Mast", jeLichtpunkt, &P::errLeuchteTechn, nullptr},
    {G::Errichtung, "errichtung/leuchteDeko", "Dekorative Leuchte mit Mast", jeLichtpunkt, &P::errLeuchteDeko, nullptr},
    {G::Errichtung, "errichtung/posten2", "Kostenanteil 2, für jeden Lichtpunkt", jeLichtpunkt, &P::errPosten2, nullptr},
    {G::Errichtung, "errichtung/pauschale3", "Kostenanteil 3: Pauschale bis 12 Lichtpunkte", pauschal,
     &P::errPauschale3, nullptr},
    {G::Errichtung, "errichtung/posten3", "Kostenanteil 3 bei mehr als 12 Lichtpunkten, statt der Pauschale",
     jeLichtpunkt, &P::errPosten3, nullptr},
    {G::Errichtung, "errichtung/posten4", "Kostenanteil 4, für jeden Lichtpunkt", jeLichtpunkt, &P::errPosten4, nullptr},
    {G::Errichtung, "errichtung/pauschale5", "Kostenanteil 5: Pauschale bis 16 Lichtpunkte", pauschal,
     &P::errPauschale5, nullptr},
    {G::Errichtung, "errichtung/posten5", "Kostenanteil 5 bei mehr als 16 Lichtpunkten, statt der Pauschale",
     jeLichtpunkt, &P::errPosten5, nullptr},
    {G::Errichtung, "errichtung/verteiler", "Neuer Verteilerkasten: einer, dazu einer je volle 1.500 m",
     "€ je Verteiler", &P::errVerteiler, nullptr},
    {G::Errichtung, "errichtung/grabungErdreich", "Grabung im Erdreich (Straßenlänge ohne die Grabung im Asphalt)",
     "€ je m", &P::errGrabungErdreich, nullptr},
    {G::Errichtung, "errichtung/grabungAsphalt", "Grabung im Asphalt", "€ je m", &P::errGrabungAsphalt, nullptr},
    {G::Errichtung, "errichtung/posten8", "Kostenanteil 8, für jeden Lichtpunkt", jeLichtpunkt, &P::errPosten8, nullptr},

    {G::Sanierung, "sanierung/leuchteTechn", "Technische Leuchte", jeLichtpunkt, &P::sanLeuchteTechn, nullptr},
    {G::Sanierung, "sanierung/leuchteDeko", "Dekorative Leuchte", jeLichtpunkt, &P::sanLeuchteDeko, nullptr},
    {G::Sanierung, "sanierung/mastTechn", "Neuer Mast für eine technische Leuchte", jeLichtpunkt, &P::sanMastTechn,
     nullptr},
    {G::Sanierung, "sanierung/mastDeko", "Neuer Mast für eine dekorative Leuchte", jeLichtpunkt, &P::sanMastDeko,
     nullptr},
    {G::Sanierung, "sanierung/posten3", "Kostenanteil 3 bei neuen Masten, für jeden Lichtpunkt", jeLichtpunkt,
     &P::sanPosten3, nullptr},
    {G::Sanierung, "sanierung/posten4", "Kostenanteil 4 bei neuen Masten, für jeden Lichtpunkt", jeLichtpunkt,
     &P::sanPosten4, nullptr},
    {G::Sanierung, "sanierung/pauschale5", "Kostenanteil 5: Pauschale bis 12 Lichtpunkte", pauschal,
     &P::sanPauschale5, nullptr},
    {G::Sanierung, "sanierung/posten5", "Kostenanteil 5 bei mehr als 12 Lichtpunkten, statt der Pauschale",
     jeLichtpunkt, &P::sanPosten5, nullptr},
    {G::Sanierung, "sanierung/posten6", "Kostenanteil 6, für jeden Lichtpunkt", jeLichtpunkt, &P::sanPosten6, nullptr},
    {G::Sanierung, "sanierung/pauschale7", "Kostenanteil 7: Pauschale bis 16 Lichtpunkte", pauschal,
     &P::sanPauschale7, nullptr},
    {G::Sanierung, "sanierung/posten7", "Kostenanteil 7 bei mehr als 16 Lichtpunkten, statt der Pauschale",
     jeLichtpunkt, &P::sanPosten7, nullptr},
    {G::Sanierung, "sanierung/verteiler", "Neuer Verteilerkasten: einer je 50 Lichtpunkte, gerundet",
     "€ je Verteiler", &P::sanVerteiler, nullptr},
    {G::Sanierung, "sanierung/posten9", "Kostenanteil 9, für jeden Lichtpunkt", jeLichtpunkt, &P::sanPosten9, nullptr},

    {G::Wartung, "wartung/jeWechsel", "Wartung und Instandhaltung (zuzüglich 15 %)", "€ je Lampenwechsel",
     &P::wartungJeWechsel, nullptr},
};

struct Liste {
    std::array<std::string, lampenzahl> lampenschluessel;
    std::vector<Preisposten> posten;

    Liste()
        : posten(std::begin(feste), std::end(feste))
    {
        for (std::size_t i = 0; i < lampenzahl; ++i) {
            const Lampe& l = Lampenkatalog[i];
            lampenschluessel[i] = "lampen/" + std::string(l.option);
            const bool led = l.familie == Lampenfamilie::LED;
            posten.push_back({led ? G::LED : G::Lampen, lampenschluessel[i], l.beschriftung,
                              led ? "€ je Leuchte" : "€ je Lampe", nullptr, &l});
        }
    }
};

} // namespace

std::span<const Preisposten> preisposten()
{
    static const Liste liste;
    return liste.posten;
}

float& betrag(Preise& preise, const Preisposten& posten)
{
    return posten.feld ? preise.*posten.feld : preise.lampenpreise[katalogindex(*posten.lampe)];
}

float betrag(const Preise& preise, const Preisposten& posten)
{
    return posten.feld ? preise.*posten.feld : preise.lampenpreise[katalogindex(*posten.lampe)];
}

std::string postenname(const Preisposten& posten)
{
    if (posten.lampe)
        return std::string(posten.lampe->leuchtmittel) + " " + std::string(posten.bezeichnung);
    // Construction and renovation have captions in common.
    if (posten.gruppe == G::Errichtung)
        return "Errichtung: " + std::string(posten.bezeichnung);
    if (posten.gruppe == G::Sanierung)
        return "Sanierung: " + std::string(posten.bezeichnung);
    return std::string(posten.bezeichnung);
}

} // namespace grobrechner

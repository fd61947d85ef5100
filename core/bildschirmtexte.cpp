#include "bildschirmtexte.h"

#include "zahlentext.h"

namespace grobrechner {

namespace {

// The maintenance of an existing installation already contains its lamps.
constexpr const char* lampenersatzImBestand =
    "Anteilige Lampenersatzkosten\nsind in den Wartungs- und\nInstandhaltungskosten enthalten";

std::array<std::string, betriebszeilen> figuren(const Betriebskostenergebnis& e, float co2faktor)
{
    // The maintenance shows the double product (7 lamp changes at one light
    // point show "241"), while the total has added it as a float.
    return {formatGanzzahl(e.betrstdjahr),  formatGanzzahl(e.energiejahr),   formatGanzzahl(e.energiekojahr),
            formatGanzzahl(e.energie25),    formatGanzzahl(e.energieko25),   formatGanzzahl(e.lampenersko25),
            formatGanzzahl(e.wartinstko25), formatGanzzahl(e.betrkoges),     co2text(e.energiejahr, co2faktor),
            co2text(e.energie25, co2faktor)};
}

std::array<std::string, betriebszeilen> figuren(const Bestandsergebnis& e, float co2faktor)
{
    return {formatGanzzahl(e.betrstdjahr),  formatGanzzahl(e.energiejahr), formatGanzzahl(e.energiekojahr),
            formatGanzzahl(e.energie25),    formatGanzzahl(e.energieko25), lampenersatzImBestand,
            formatGanzzahl(e.wartinstko25), formatGanzzahl(e.betrkoges),   co2text(e.energiejahr, co2faktor),
            co2text(e.energie25, co2faktor)};
}

} // namespace

std::string co2text(float kwh, float faktor)
{
    // The product of two floats is exact in double, and one division gives the
    // tenths of a tonne with a single rounding: a figure that lies exactly on a
    // half rounds away from zero, as it does by hand.
    return formatZehntel(static_cast<double>(kwh) * faktor / 100000);
}

std::string datenbasistext(const Berechnungsgrundlage& g)
{
    const Preise& p = g.preise;
    const std::string preise = p.eigenePreise()
                                   ? "Eigene Preise, Preisindex " + zahltext(p.preisindex) + " % gegenüber April 2009"
                                   : "Preisstand April 2009";
    return std::string("Datenbasis: ") + (g.ausDatei ? "Preise aus der Datei: " : "") + preise + "; CO₂-Faktor "
           + zahltext(p.co2faktor) + " g/kWh";
}

std::string datenbasistext(const Pfadzustand& z, Schritt schritt)
{
    const bool gerechnet = schritt == Schritt::Kosten ? z.errichtung || z.sanierung
                                                      : istErgebnis(schritt) && z.betrieb.has_value();
    return gerechnet ? datenbasistext(z.grundlage) : std::string();
}

std::string jaNeinText(bool ja) { return ja ? "ja" : "nein"; }

std::string leuchtenartText(Leuchtenart leuchtenart)
{
    return leuchtenart == Leuchtenart::dekorativ ? "dekorative Leuchte" : "technische Leuchte";
}

std::string einschaltungstext(Einschaltung einschaltung)
{
    return einschaltung == Einschaltung::Daemmerungsschalter ? "Dämmerungsschalter, ZSU, RSS über Dämmerungsschalter"
                                                             : "Astronomische ZSU, RSS über astronomische ZSU";
}

std::string bezeichnungstext(const Pfadzustand& z)
{
    if (z.betrieb)
        return z.betrieb->eingaben.bezeichnung;
    if (z.errichtung)
        return z.errichtung->eingaben.bezeichnung;
    return z.sanierung ? z.sanierung->eingaben.bezeichnung : std::string();
}

Errichtungstexte errichtungstexte(const Pfadzustand& z)
{
    Errichtungstexte t;
    if (!z.errichtung)
        return t;
    const Errichtungsstand& s = *z.errichtung;
    const Kalkulationsdaten& d = s.eingaben;
    t.leuchtenart = leuchtenartText(d.leuchtenart);
    t.strassenlaenge = formatGanzzahl(d.strlaenge);
    // The state road offers whole heights only; the municipal road shows 4,5 as typed.
    t.lichtpunkthoehe = z.pfad == Pfad::Landesstrasse ? formatGanzzahl(d.lphoehe) : zahltext(d.lphoehe);
    // A fractional spacing shows as typed ("0,5"), not rounded to "1".
    if (s.abstand)
        t.lichtpunktabstand = zahltext(*s.abstand);
    t.verteiler = jaNeinText(d.verteiler);
    t.grabungslaenge = formatGanzzahl(d.grabungsl);
    if (s.kosten) {
        t.anzahllp = formatGanzzahl(s.kosten->anzahl);
        t.errko = formatGanzzahl(s.kosten->summe);
    }
    return t;
}

Sanierungstexte sanierungstexte(const Pfadzustand& z)
{
    Sanierungstexte t;
    if (!z.sanierung)
        return t;
    const Kalkulationsdaten& d = z.sanierung->eingaben;
    t.leuchtenart = leuchtenartText(d.leuchtenart);
    t.maste = jaNeinText(d.mast);
    t.verteiler = jaNeinText(d.verteiler);
    t.lp = zahltext(d.anzahllp);
    t.sanko = formatGanzzahl(z.sanierung->kosten.summe);
    return t;
}

Betriebstexte betriebstexte(const Pfadzustand& z)
{
    Betriebstexte t;
    if (!z.betrieb)
        return t;
    const Betriebsstand& s = *z.betrieb;
    const Kalkulationsdaten& d = s.eingaben;
    t.strompreis = zahltext(d.strompreis);

    Anlagentexte& g = t.geplant;
    g.leuchtmittel = std::string(leuchtmitteltyp(lampenauswahl(z.pfad), *d.lampe)) + ",   "
                     + zahltext(d.lampe->wattage) + " Watt";
    g.einschaltung = einschaltungstext(d.schaltung.einschaltung);
    if (lampenauswahl(z.pfad).abschaltungWaehlbar)
        g.abschaltung = jaNeinText(d.schaltung.abschaltung);
    g.absenkung = jaNeinText(d.schaltung.absenkung);
    g.zahlen = figuren(s.geplant, z.grundlage.preise.co2faktor);

    if (!s.bestand)
        return t;
    Anlagentexte& b = t.bestand;
    b.leuchtmittel = std::string(d.bestandslampe->leuchtmittelb) + ",";
    b.wattage = zahltext(d.wattageb) + " Watt";
    b.einschaltung = einschaltungstext(d.schaltungb.einschaltung);
    b.abschaltung = jaNeinText(d.schaltungb.abschaltung);
    b.absenkung = jaNeinText(d.schaltungb.absenkung);
    b.zahlen = figuren(*s.bestand, z.grundlage.preise.co2faktor);
    // From the totals as shown, so the percentage matches what a reader works out.
    t.abweichung = abweichungstext(b.zahlen[Gesamt], g.zahlen[Gesamt]);
    return t;
}

Neuerrichtungsblatttexte neuerrichtungsblatttexte(const Pfadzustand& z)
{
    Neuerrichtungsblatttexte t{errichtungstexte(z), betriebstexte(z), {}};
    t.ges = gesamtkostentext(t.errichtung.errko, t.betrieb.geplant.zahlen[Gesamt]);
    return t;
}

Sanierungsblatttexte sanierungsblatttexte(const Pfadzustand& z)
{
    Sanierungsblatttexte t{sanierungstexte(z), betriebstexte(z), {}};
    const Anlagentexte& b = t.betrieb.bestand;
    const Anlagentexte& g = t.betrieb.geplant;
    t.eigene = sanierungsblatt(t.sanierung.sanko, b.zahlen[Gesamt], g.zahlen[Gesamt]);
    t.eigene.co2ersp = zehntelDifferenz(b.zahlen[Co225], g.zahlen[Co225]);
    return t;
}

} // namespace grobrechner

#include "bildschirmtexte.h"

#include "zahlentext.h"

namespace grobrechner {

namespace {

// The maintenance of an existing installation already contains its lamps.
constexpr const char* lampenersatzImBestand =
    "Anteilige Lampenersatzkosten\nsind in den Wartungs- und\nInstandhaltungskosten enthalten";

std::array<std::string, betriebszeilen> figuren(const Betriebskostenergebnis& e)
{
    // The maintenance shows the double product (7 lamp changes at one light
    // point show "241"), while the total has added it as a float.
    return {formatGanzzahl(e.betrstdjahr), formatGanzzahl(e.energiejahr), formatGanzzahl(e.energiekojahr),
            formatGanzzahl(e.energie25),   formatGanzzahl(e.energieko25), formatGanzzahl(e.lampenersko25),
            formatGanzzahl(e.wartinstko25), formatGanzzahl(e.betrkoges)};
}

std::array<std::string, betriebszeilen> figuren(const Bestandsergebnis& e)
{
    return {formatGanzzahl(e.betrstdjahr), formatGanzzahl(e.energiejahr), formatGanzzahl(e.energiekojahr),
            formatGanzzahl(e.energie25),   formatGanzzahl(e.energieko25), lampenersatzImBestand,
            formatGanzzahl(e.wartinstko25), formatGanzzahl(e.betrkoges)};
}

} // namespace

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
    g.zahlen = figuren(s.geplant);

    if (!s.bestand)
        return t;
    Anlagentexte& b = t.bestand;
    b.leuchtmittel = std::string(d.bestandslampe->leuchtmittelb) + ",";
    b.wattage = zahltext(d.wattageb) + " Watt";
    b.einschaltung = einschaltungstext(d.schaltungb.einschaltung);
    b.abschaltung = jaNeinText(d.schaltungb.abschaltung);
    b.absenkung = jaNeinText(d.schaltungb.absenkung);
    b.zahlen = figuren(*s.bestand);
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
    t.eigene = sanierungsblatt(t.sanierung.sanko, t.betrieb.bestand.zahlen[Gesamt], t.betrieb.geplant.zahlen[Gesamt]);
    return t;
}

} // namespace grobrechner

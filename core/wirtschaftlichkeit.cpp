#include "wirtschaftlichkeit.h"

#include "zahlentext.h"

#include <cmath>

namespace grobrechner {

namespace {

double anteil(float prozent) { return static_cast<double>(prozent) / 100; }

} // namespace

Kostenjahre kostenjahre(double energiekostenJahr, double energiekosten25, double gesamt25, double steigerung)
{
    const double rest = (gesamt25 - energiekosten25) / wirtschaftsjahre;
    Kostenjahre kosten{};
    double faktor = 1;
    for (double& jahr : kosten) {
        jahr = energiekostenJahr * faktor + rest;
        faktor *= 1 + steigerung;
    }
    return kosten;
}

Kostenjahre kostenjahre(const Betriebskostenergebnis& e, double steigerung)
{
    return kostenjahre(e.energiekojahr, e.energieko25, e.betrkoges, steigerung);
}

Kostenjahre kostenjahre(const Bestandsergebnis& e, double steigerung)
{
    return kostenjahre(e.energiekojahr, e.energieko25, e.betrkoges, steigerung);
}

double barwert(const Kostenjahre& kosten, double zins)
{
    double summe = 0;
    double abzinsung = 1;
    for (double jahr : kosten) {
        abzinsung *= 1 + zins;
        summe += jahr / abzinsung;
    }
    return summe;
}

Sanierungswirtschaft sanierungswirtschaft(const Pfadzustand& z)
{
    Sanierungswirtschaft w;
    if (!z.sanierung || !z.betrieb || !z.betrieb->bestand)
        return w;
    const Preise& p = z.grundlage.preise;
    const Betriebskostenergebnis& neu = z.betrieb->geplant;
    const Bestandsergebnis& alt = *z.betrieb->bestand;
    const double sanierungskosten = z.sanierung->kosten.summe;

    if (alt.energiejahr > 0)
        w.energieeinsparung = 1 - static_cast<double>(neu.energiejahr) / alt.energiejahr;
    // The CO₂ of both comes from one factor: its saving is the energy's.
    const double quote = anteil(p.foerderquote);
    if (quote > 0) {
        const double zuwendung = quote * sanierungskosten;
        if (!w.energieeinsparung)
            w.foerderhinweis = "CO₂-Minderung nicht bestimmbar – gefördert wird ab 50 %";
        else if (*w.energieeinsparung < mindestminderung)
            // Cut, not rounded: 49,6 % must not read as the 50 % it misses.
            w.foerderhinweis = "CO₂-Minderung nur " + formatGanzzahl(std::trunc(*w.energieeinsparung * 100))
                               + " % – gefördert wird ab 50 %";
        else if (zuwendung < mindestzuwendung)
            w.foerderhinweis = "Zuwendung unter 5.000 €";
        else
            w.foerderung = zuwendung;
    }
    w.eigenanteil = sanierungskosten - w.foerderung;

    const double zins = anteil(p.zins);
    const double steigerung = anteil(p.steigerung);
    const Kostenjahre bestand = kostenjahre(alt, steigerung);
    const Kostenjahre saniert = kostenjahre(neu, steigerung);

    // Discounted, the saving of each year; its sum less the own share.
    w.kapitalwert = -w.eigenanteil;
    double vorher = 0;
    double abzinsung = 1;
    if (w.eigenanteil <= 0)
        w.dynamischeAmortisation = 0;
    for (int t = 1; t <= wirtschaftsjahre; ++t) {
        abzinsung *= 1 + zins;
        const double jetzt = vorher + (bestand[t - 1] - saniert[t - 1]) / abzinsung;
        if (!w.dynamischeAmortisation && jetzt >= w.eigenanteil)
            w.dynamischeAmortisation = t - 1 + (w.eigenanteil - vorher) / (jetzt - vorher);
        vorher = jetzt;
    }
    w.kapitalwert += vorher;

    // Nominal, the two lines of the chart and where they meet.
    Kostenverlauf& v = w.verlauf;
    v.saniert[0] = w.eigenanteil;
    if (v.saniert[0] <= v.bestand[0])
        v.schnittjahr = 0;
    for (int t = 1; t <= wirtschaftsjahre; ++t) {
        v.bestand[t] = v.bestand[t - 1] + bestand[t - 1];
        v.saniert[t] = v.saniert[t - 1] + saniert[t - 1];
        const double abstandVorher = v.saniert[t - 1] - v.bestand[t - 1];
        const double abstand = v.saniert[t] - v.bestand[t];
        if (!v.schnittjahr && abstand <= 0)
            v.schnittjahr = t - 1 + abstandVorher / (abstandVorher - abstand);
    }
    return w;
}

std::optional<double> barwertDerGesamtkosten(const Pfadzustand& z)
{
    if (!z.errichtung || !z.errichtung->kosten || !z.betrieb)
        return std::nullopt;
    const Preise& p = z.grundlage.preise;
    return z.errichtung->kosten->summe + barwert(kostenjahre(z.betrieb->geplant, anteil(p.steigerung)), anteil(p.zins));
}

std::string wirtschaftsbasistext(const Preise& p, bool mitFoerderquote)
{
    std::string text = "Kalkulationszins " + satztext(p.zins) + " %, Strompreissteigerung " + satztext(p.steigerung)
                       + " % pro Jahr";
    if (mitFoerderquote)
        text += ", Förderquote " + zahltext(p.foerderquote) + " %";
    return text;
}

} // namespace grobrechner

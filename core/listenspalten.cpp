#include "listenspalten.h"

#include "berechnung.h"
#include "zahlentext.h"

#include <algorithm>

namespace grobrechner {

namespace {

using S = Listensumme;

constexpr Ergebnisspalte spalten[] = {
    {"Lichtpunkte", {"lblanzahllp", "lbllp"}},
    {"Investition €", {"lblerrko", "lblsanko"}, &S::investition},
    {"Betriebskosten 25 Jahre €", {"lblbetrkoges"}, &S::betriebJahrNachher, betriebsjahre},
    {"Betriebskosten Bestand 25 Jahre €", {"lblbetrkogesb"}, &S::betriebJahrVorher, betriebsjahre},
    {"Gesamtkosten 25 Jahre €", {"lblges"}},
    {"Energie pro Jahr kWh", {"lblenergiejahr"}},
    {"Energie Bestand pro Jahr kWh", {"lblenergiejahrb"}},
    {"Amortisation Jahre", {"lblamo"}},
    {"Gesamtersparnis 25 Jahre €", {"lblgesersp"}, &S::ersparnis25},
    {"CO₂ pro Jahr t", {"lblco2jahr"}, &S::co2JahrNachher},
    {"CO₂ Bestand pro Jahr t", {"lblco2jahrb"}, &S::co2JahrVorher},
    // What a renovation is worth beyond the plain sums; a new street's sheet has none of it.
    {"Förderung €", {"lblfoerderung"}},
    {"Kapitalwert €", {"lblkapitalwert"}},
    {"Dynamische Amortisation Jahre", {"lbldynamo"}},
};

// Every visible label of the sheet, in the order of its rows.
template <typename Tun>
void jedesFeld(const Blattinhalt& blatt, Tun tun)
{
    for (const Blatttabelle& t : blatt.tabellen)
        for (const Blattzeile& r : t.zeilen) {
            if (r.verborgen)
                continue;
            tun(r.beschriftung);
            for (const Wert& w : r.werte)
                for (const Feld& f : w.teile)
                    tun(f);
        }
}

std::string plural(int n, const char* eins, const char* mehrere)
{
    return std::to_string(n) + " " + (n == 1 ? eins : mehrere);
}

} // namespace

Listensumme& Listensumme::operator+=(const Listensumme& teil)
{
    for (double Listensumme::*betrag : {&S::investition, &S::betriebJahrVorher, &S::betriebJahrNachher,
                                        &S::ersparnis25, &S::co2JahrVorher, &S::co2JahrNachher})
        this->*betrag += teil.*betrag;
    berechnet += teil.berechnet;
    nichtBerechnet += teil.nichtBerechnet;
    return *this;
}

std::span<const Ergebnisspalte> ergebnisspalten() { return spalten; }

std::vector<std::string> ergebniszellen(const Blattinhalt& blatt)
{
    std::vector<std::string> zellen(std::size(spalten));
    std::vector<bool> gefunden(std::size(spalten));
    jedesFeld(blatt, [&](const Feld& f) {
        for (std::size_t i = 0; i < std::size(spalten); ++i) {
            const auto& namen = spalten[i].felder;
            // A column with one label leaves its second name empty, as are the names of plain captions.
            if (gefunden[i] || f.name.empty() || std::find(namen.begin(), namen.end(), f.name) == namen.end())
                continue;
            gefunden[i] = true;
            zellen[i] = ohneGruppen(f.text).value_or(f.text);
        }
    });
    return zellen;
}

void addieren(Listensumme& summe, const std::vector<std::string>& zellen)
{
    for (std::size_t i = 0; i < std::size(spalten) && i < zellen.size(); ++i)
        if (spalten[i].summe)
            if (const std::optional<double> zahl = zahlAusText(zellen[i]))
                summe.*spalten[i].summe += *zahl / spalten[i].teiler;
}

std::optional<double> amortisationInnerhalb(const Blattinhalt& blatt)
{
    std::optional<double> jahre;
    bool darueber = false;
    for (const Blatttabelle& t : blatt.tabellen)
        for (const Blattzeile& r : t.zeilen) {
            // The sheet's own note says when a payback shown lies beyond the horizon.
            if (r.beschriftung.name == "lblamohinweis")
                darueber = !r.verborgen;
            for (const Wert& w : r.werte)
                for (const Feld& f : w.teile)
                    if (f.name == "lblamo")
                        jahre = zahlAusText(f.text);
        }
    return darueber ? std::nullopt : jahre;
}

std::string summentext(const Listensumme& s)
{
    std::string text = plural(s.berechnet, "Straße berechnet", "Straßen berechnet");
    if (s.nichtBerechnet > 0)
        text += ", " + plural(s.nichtBerechnet, "Zeile nicht berechnet", "Zeilen nicht berechnet");
    const auto euro = [](double betrag) { return formatGanzzahl(betrag) + " €"; };
    const auto tonnen = [](double t) { return formatZehntel(t * 10) + " t"; };
    return text + " · Investition " + euro(s.investition) + " · Betriebskosten pro Jahr vorher "
           + euro(s.betriebJahrVorher) + ", nachher " + euro(s.betriebJahrNachher)
           + " · Ersparnis der Sanierungen über 25 Jahre " + euro(s.ersparnis25) + " · CO₂ pro Jahr vorher "
           + tonnen(s.co2JahrVorher) + ", nachher " + tonnen(s.co2JahrNachher);
}

} // namespace grobrechner

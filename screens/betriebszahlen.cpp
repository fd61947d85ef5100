#include "betriebszahlen.h"

#include "bestandsrechnung.h"
#include "betriebskosten.h"
#include "wertetabelle.h"
#include "zahlentext.h"

#include <QLabel>

#include <optional>
#include <string>

namespace grobrechner {

namespace {

struct Zeilenbild {
    const char* beschriftung;
    const char* wertName;
    const char* einheit;
};

// In the order of Betriebszahlen::Zeile.
const Zeilenbild zeilenbilder[Betriebszahlen::anzahl] = {
    {"Betriebsstunden pro Jahr:", "lblbetrstdjahr", "Std."},
    {"Energieverbrauch pro Jahr:", "lblenergiejahr", "kWh/a"},
    {"Energiekosten pro Jahr:", "lblenergiekojahr", "€/a"},
    {"Energieverbrauch für 25 Jahre:", "lblenergie25", "kWh"},
    {"Energiekosten für 25 Jahre:", "lblenergieko25", "€"},
    {"Lampenersatzkosten für 25 Jahre:", "lbllampenersko25", "€"},
    {"Wartungs- / Instandhaltungs- kosten für 25 Jahre:", "lblwartinstko25", "€"},
    {"Betriebskosten gesamt für 25 Jahre (Grobkosten):", "lblbetrkoges", "€"},
};

using Figuren = std::array<std::optional<double>, Betriebszahlen::anzahl>;

void figurenZeigen(const std::array<QLabel*, Betriebszahlen::anzahl>& werte, const Figuren& figuren)
{
    for (int z = 0; z < Betriebszahlen::anzahl; ++z)
        if (figuren[z])
            werte[z]->setText(QString::fromStdString(formatGanzzahl(*figuren[z])));
}

QString text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

Betriebszahlen::Betriebszahlen(Wertetabelle& tabelle, const Namen& namen)
{
    for (int z = 0; z < anzahl; ++z) {
        const Zeilenbild& bild = zeilenbilder[z];
        const bool gesamt = z == Gesamt;
        const std::string wertName = std::string(bild.wertName) + namen.endung;
        m_werte[z] = tabelle.zeile({namen.beschriftung[z],
                                    gesamt && namen.gesamtbeschriftung ? namen.gesamtbeschriftung : bild.beschriftung,
                                    wertName.c_str(), namen.einheit[z], bild.einheit, gesamt});
    }
}

void Betriebszahlen::zeigen(const Betriebskostenergebnis& e) const
{
    // The maintenance shows the double product (7 lamp changes at one light
    // point show "241"), while the total has added it as a float.
    figurenZeigen(m_werte, {e.betrstdjahr, e.energiejahr, e.energiekojahr, e.energie25, e.energieko25,
                            e.lampenersko25, e.wartinstko25, e.betrkoges});
}

void Betriebszahlen::zeigen(const Bestandsergebnis& e) const
{
    figurenZeigen(m_werte, {e.betrstdjahr, e.energiejahr, e.energiekojahr, e.energie25, e.energieko25,
                            std::nullopt, e.wartinstko25, e.betrkoges});
}

void anlagenwerteZeigen(const Anlagenwerte& l, const Kalkulationsdaten& d)
{
    l.lbleinschaltung->setText(text(einschaltungstext(d.einschaltung)));
    l.lblleuchtmittel->setText(text(leuchtmitteltext(d)));
    if (l.lblabschaltung)
        l.lblabschaltung->setText(text(d.abschaltung));
    l.lblabsenkung->setText(text(d.absenkung));
}

} // namespace grobrechner

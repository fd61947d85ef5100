#include "betriebszahlen.h"

#include "wertetabelle.h"

#include <QLabel>

#include <string>

namespace grobrechner {

namespace {

struct Zeilenbild {
    const char* beschriftung;
    const char* wertName;
    const char* einheit;
};

// In the order of Betriebszeile.
const Zeilenbild zeilenbilder[betriebszeilen] = {
    {"Betriebsstunden pro Jahr:", "lblbetrstdjahr", "Std."},
    {"Energieverbrauch pro Jahr:", "lblenergiejahr", "kWh/a"},
    {"Energiekosten pro Jahr:", "lblenergiekojahr", "€/a"},
    {"Energieverbrauch für 25 Jahre:", "lblenergie25", "kWh"},
    {"Energiekosten für 25 Jahre:", "lblenergieko25", "€"},
    {"Lampenersatzkosten für 25 Jahre:", "lbllampenersko25", "€"},
    {"Wartungs- / Instandhaltungs- kosten für 25 Jahre:", "lblwartinstko25", "€"},
    {"Betriebskosten gesamt für 25 Jahre (Grobkosten):", "lblbetrkoges", "€"},
    {"CO₂-Ausstoß pro Jahr:", "lblco2jahr", "t/a"},
    {"CO₂-Ausstoß für 25 Jahre:", "lblco225", "t"},
};

void setzen(QLabel* label, const std::string& text)
{
    if (label)
        label->setText(QString::fromStdString(text));
}

} // namespace

Betriebszahlen::Betriebszahlen(Wertetabelle& tabelle, const Namen& namen)
{
    for (int z = 0; z < betriebszeilen; ++z) {
        const Zeilenbild& bild = zeilenbilder[z];
        if (z == Co2Jahr)
            tabelle.abstand(8); // the CO₂ apart from the costs
        const bool gesamt = z == Gesamt;
        const std::string wertName = std::string(bild.wertName) + namen.endung;
        m_werte[z] = tabelle.zeile({namen.beschriftung[z],
                                    gesamt && namen.gesamtbeschriftung ? namen.gesamtbeschriftung : bild.beschriftung,
                                    wertName.c_str(), namen.einheit[z], bild.einheit, gesamt});
    }
}

void Betriebszahlen::zeigen(const std::array<std::string, betriebszeilen>& texte) const
{
    for (int z = 0; z < betriebszeilen; ++z)
        setzen(m_werte[z], texte[z]);
}

void anlagenwerteZeigen(const Anlagenwerte& l, const Anlagentexte& t)
{
    setzen(l.lbleinschaltung, t.einschaltung);
    setzen(l.lblleuchtmittel, t.leuchtmittel);
    setzen(l.lblabschaltung, t.abschaltung);
    setzen(l.lblabsenkung, t.absenkung);
    setzen(l.lblwattage, t.wattage);
}

} // namespace grobrechner

#include "frmerg_san.h"

#include "anlagenvergleich.h"
#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

namespace grobrechner {

namespace {

struct Sanierungszeile {
    Blattzeile zeile;
    const std::string* (*text)(const Sanierungsblatttexte& t);
};

const Sanierungszeile sanierung[] = {
    {{"Label3", "Art der Leuchte:", "lblleuchtenart"},
     [](const Sanierungsblatttexte& t) { return &t.sanierung.leuchtenart; }},
    {{"Label12", "Anzahl der zu sanierenden Lichtpunkte:", "lbllp", "Label13", "Stk."},
     [](const Sanierungsblatttexte& t) { return &t.sanierung.lp; }},
    {{"Label9", "Verteilerneuerrichtung:", "lblverteiler"},
     [](const Sanierungsblatttexte& t) { return &t.sanierung.verteiler; }},
    {{"Label8", "Weiterverwendung der Maste:", "lblmaste"},
     [](const Sanierungsblatttexte& t) { return &t.sanierung.maste; }},
};

const Sanierungszeile ergebnis[] = {
    {{"Label1", "Sanierungskosten (Grobkosten):", "lblsanko", "Label20", "€"},
     [](const Sanierungsblatttexte& t) { return &t.sanierung.sanko; }},
    // Two blanks before the parenthesis.
    {{"Label49", "Gesamtkosten der zu sanierenden Anlage über 25 Jahre  (Grobkosten)", "lblges", "Label47", "€",
      true},
     [](const Sanierungsblatttexte& t) { return &t.eigene.ges; }},
    {{"Label14", "Amortisation", "lblamo", "Label43", "Jahre"}, // ergebnis[amortisation]
     [](const Sanierungsblatttexte& t) { return &t.eigene.amo; }},
    {{"Label48", "Gesamtersparnis über 25 Jahre", "lblgesersp", "Label51", "€"},
     [](const Sanierungsblatttexte& t) { return &t.eigene.gesersp; }},
    {{"Labelco2ersp", "CO₂-Einsparung über 25 Jahre", "lblco2ersp", "Labelco2erspeinheit", "t"},
     [](const Sanierungsblatttexte& t) { return &t.eigene.co2ersp; }},
};

constexpr std::size_t amortisation = 2;

// The existing installation carries the row captions.
const Anlagenvergleich::Namen namen{
    "Label18", "Label19", nullptr, "Label15", "Label4", "Label5", "Label6", "Label7", "Label10", nullptr,
    {{"Label22", "Label38", "Label39", "Label40", "Label42", "Label44", "Label45", "Label46", "Labelco2jahr",
      "Labelco225"},
     {"Label21", "Label23", "Label24", "Label25", "Label26", nullptr, "Label35", "Label36", "Labelco2jahreinheitb",
      "Labelco225einheitb"},
     "b"},
    {{},
     {"Label30", "Label31", "Label32", "Label33", "Label34", "Label27", "Label28", "Label29", "Labelco2jahreinheit",
      "Labelco225einheit"}},
};

} // namespace

frmerg_san::frmerg_san(Umgebung& umgebung)
    : Gesamtblatt(QStringLiteral("frmerg_san"), umgebung, Anordnung::untereinander)
{
    const Sanierungsblatttexte texte = sanierungsblatttexte(zustand());
    Wertetabelle werte(links());
    werte.ueberschrift("Label16", QStringLiteral("Eingegebene Werte"));
    for (const Sanierungszeile& z : sanierung)
        zeigen(werte.zeile(z.zeile), *z.text(texte));
    werte.abstand(16);
    werte.ueberschrift("Label17", QStringLiteral("Berechnungsergebnis"));
    for (const Sanierungszeile& z : ergebnis) {
        zeigen(werte.zeile(z.zeile), *z.text(texte));
        if (&z == &ergebnis[amortisation]) {
            // Right under the payback, how to read one beyond the horizon; otherwise nothing.
            QLabel* hinweis = werte.anmerkung("lblamohinweis");
            zeigen(hinweis, texte.eigene.amohinweis);
            hinweis->setHidden(texte.eigene.amohinweis.empty());
        }
    }

    const Anlagenvergleich vergleich(rechts(), namen);
    QGridLayout* raster = vergleich.raster();
    raster->setColumnMinimumWidth(2, raster->horizontalSpacing() * 2);
    vergleich.zeigen(texte.betrieb, &Gesamtblatt::zeigen);
    layoutAbschliessen();
}

} // namespace grobrechner

#include "neuerrichtungsblatt.h"

#include "betriebszahlen.h"
#include "ergebnisblatt.h"
#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

#include <utility>
#include <vector>

namespace grobrechner {

namespace {

namespace a = anlagenbeschriftung;

const Blattzeile leuchtenart{"Label4", "Art der Leuchte:", "lblleuchtenart"};
const Blattzeile strassenlaenge{"Label5", "Sträßenlänge:", "lblstraßenlänge", "Label6", "m"};
const Blattzeile lichtpunkthoehe{"Label7", "Lichtpunkthöhe:", "lbllichtpunkthöhe", "Label8", "m"};
const Blattzeile lichtpunktabstand{"Label9", "Lichtpunktabstand:", "lbllichtpunktabstand", "Label10", "m"};
const Blattzeile verteiler{"Label11", "Verteilerneuerrichtung:", "lblverteiler"};
const Blattzeile grabungslaenge{"Label12", "Grabungslänge im Asphalt:", "lblgrabungslänge", "Label13", "m"};
const Blattzeile anzahl{"Label15", "Anzahl der LP (aufgerundet):", "lblanzahllp", "Label16", "Stk."};
const Blattzeile errichtungskosten{"Label17", "Errichtungskosten (Grobkosten):", "lblerrko", "Label18", "€"};
// Two blanks before the parenthesis.
const Blattzeile gesamtkosten{"Label19", "Gesamtkosten der Anlage über 25 Jahre  (Grobkosten)", "lblges", "Label20",
                              "€", true};

const Blattzeile anlage[] = {
    {"Label21", a::leuchtmittel, "lblleuchtmittel"},
    {"Label22", a::einschaltung, "lbleinschaltung"},
    {"Label23", a::abschaltung, "lblabschaltung"},
    {"Label24", a::absenkung, "lblabsenkung"},
    {"Label25", a::strompreis, "lblstrompreis", "Label26", a::strompreiseinheit},
};

const Betriebszahlen::Namen betriebsnamen{
    {"Label27", "Label28", "Label29", "Label30", "Label31", "Label32", "Label33", "Label34"},
    {"Label35", "Label36", "Label37", "Label38", "Label39", "Label40", "Label41", "Label42"},
};

// A value label and the label of the source screen it shows.
using Kopie = std::pair<QLabel*, const char*>;

} // namespace

Neuerrichtungsblatt::Neuerrichtungsblatt(const QString& name, Umgebung& umgebung, const Art& art)
    : Gesamtblatt(name, umgebung)
{
    // Rows are copied in the order they are laid out.
    std::vector<Kopie> errichtung;
    Wertetabelle werte(links());
    const auto zeile = [&](const Blattzeile& z, const char* quelle = nullptr) {
        errichtung.emplace_back(werte.zeile(z), quelle);
    };
    werte.ueberschrift("Label3", QStringLiteral("Eingegebene Werte"));
    zeile(leuchtenart);
    zeile(strassenlaenge);
    zeile(lichtpunkthoehe);
    if (!art.abstandIstErgebnis)
        zeile(lichtpunktabstand, art.abstandQuelle);
    zeile(verteiler);
    zeile(grabungslaenge);
    werte.abstand(16);
    werte.ueberschrift("Label14", QStringLiteral("Berechnungsergebnis"));
    if (art.abstandIstErgebnis)
        zeile(lichtpunktabstand, art.abstandQuelle);
    zeile(anzahl);
    zeile(errichtungskosten);
    werte.abstand(16);
    werte.zeile(gesamtkosten);

    std::vector<QLabel*> betrieb;
    Wertetabelle betriebswerte(rechts());
    for (const Blattzeile& z : anlage)
        betrieb.push_back(betriebswerte.zeile(z));
    if (!art.abschaltungGezeigt) {
        findChild<QLabel*>(QStringLiteral("Label23"))->hide();
        findChild<QLabel*>(QStringLiteral("lblabschaltung"))->hide();
    }
    betriebswerte.abstand(16);
    const Betriebszahlen zahlen(betriebswerte, betriebsnamen);
    for (int z = 0; z < Betriebszahlen::anzahl; ++z)
        betrieb.push_back(zahlen.wert(static_cast<Betriebszahlen::Zeile>(z)));

    for (const auto& [ziel, quelle] : errichtung)
        uebernehmen(2, ziel, quelle);
    for (QLabel* ziel : betrieb)
        uebernehmen(4, ziel);
    zeigen("lblges", gesamtkostentext(angezeigt("lblerrko"), angezeigt("lblbetrkoges")));
    layoutAbschliessen();
}

} // namespace grobrechner

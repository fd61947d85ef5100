#include "neuerrichtungsblatt.h"

#include "betriebszahlen.h"
#include "bildschirmtexte.h"
#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

namespace grobrechner {

namespace {

namespace a = anlagenbeschriftung;
using E = Errichtungstexte;

struct Errichtungszeile {
    Blattzeile zeile;
    std::string Errichtungstexte::*text;
};

const Errichtungszeile leuchtenart{{"Label4", "Art der Leuchte:", "lblleuchtenart"}, &E::leuchtenart};
const Errichtungszeile strassenlaenge{{"Label5", "Sträßenlänge:", "lblstraßenlänge", "Label6", "m"},
                                      &E::strassenlaenge};
const Errichtungszeile lichtpunkthoehe{{"Label7", "Lichtpunkthöhe:", "lbllichtpunkthöhe", "Label8", "m"},
                                       &E::lichtpunkthoehe};
const Errichtungszeile lichtpunktabstand{{"Label9", "Lichtpunktabstand:", "lbllichtpunktabstand", "Label10", "m"},
                                         &E::lichtpunktabstand};
const Errichtungszeile verteiler{{"Label11", "Verteilerneuerrichtung:", "lblverteiler"}, &E::verteiler};
const Errichtungszeile grabungslaenge{{"Label12", "Grabungslänge im Asphalt:", "lblgrabungslänge", "Label13", "m"},
                                      &E::grabungslaenge};
const Errichtungszeile anzahl{{"Label15", "Anzahl der LP (aufgerundet):", "lblanzahllp", "Label16", "Stk."},
                              &E::anzahllp};
const Errichtungszeile errichtungskosten{{"Label17", "Errichtungskosten (Grobkosten):", "lblerrko", "Label18", "€"},
                                         &E::errko};
// Two blanks before the parenthesis.
const Blattzeile gesamtkosten{"Label19", "Gesamtkosten der Anlage über 25 Jahre  (Grobkosten)", "lblges", "Label20",
                              "€", true};

const Blattzeile leuchtmittel{"Label21", a::leuchtmittel, "lblleuchtmittel"};
const Blattzeile einschaltung{"Label22", a::einschaltung, "lbleinschaltung"};
const Blattzeile abschaltung{"Label23", a::abschaltung, "lblabschaltung"};
const Blattzeile absenkung{"Label24", a::absenkung, "lblabsenkung"};
const Blattzeile strompreis{"Label25", a::strompreis, "lblstrompreis", "Label26", a::strompreiseinheit};

const Betriebszahlen::Namen betriebsnamen{
    {"Label27", "Label28", "Label29", "Label30", "Label31", "Label32", "Label33", "Label34", "Labelco2jahr",
     "Labelco225"},
    {"Label35", "Label36", "Label37", "Label38", "Label39", "Label40", "Label41", "Label42", "Labelco2jahreinheit",
     "Labelco225einheit"},
};

} // namespace

Neuerrichtungsblatt::Neuerrichtungsblatt(const Pfadbildschirm& bildschirm, Umgebung& umgebung, const Art& art)
    : Gesamtblatt(bildschirm, umgebung)
{
    const Neuerrichtungsblatttexte texte = neuerrichtungsblatttexte(zustand());
    Wertetabelle werte(links());
    const auto zeile = [&](const Errichtungszeile& z) { zeigen(werte.zeile(z.zeile), texte.errichtung.*z.text); };
    werte.ueberschrift("Label3", QStringLiteral("Eingegebene Werte"));
    zeile(leuchtenart);
    zeile(strassenlaenge);
    zeile(lichtpunkthoehe);
    if (!art.abstandIstErgebnis)
        zeile(lichtpunktabstand);
    zeile(verteiler);
    zeile(grabungslaenge);
    werte.abstand(16);
    werte.ueberschrift("Label14", QStringLiteral("Berechnungsergebnis"));
    if (art.abstandIstErgebnis)
        zeile(lichtpunktabstand);
    zeile(anzahl);
    zeile(errichtungskosten);
    werte.abstand(16);
    zeigen(werte.zeile(gesamtkosten), texte.ges);

    const Anlagentexte& anlage = texte.betrieb.geplant;
    Wertetabelle betriebswerte(rechts());
    QLabel* lblleuchtmittel = betriebswerte.zeile(leuchtmittel);
    QLabel* lbleinschaltung = betriebswerte.zeile(einschaltung);
    QLabel* lblabschaltung = betriebswerte.zeile(abschaltung);
    QLabel* lblabsenkung = betriebswerte.zeile(absenkung);
    zeigen(betriebswerte.zeile(strompreis), texte.betrieb.strompreis);
    for (auto [label, text] : {std::pair{lblleuchtmittel, &anlage.leuchtmittel},
                               {lbleinschaltung, &anlage.einschaltung},
                               {lblabschaltung, &anlage.abschaltung},
                               {lblabsenkung, &anlage.absenkung}})
        zeigen(label, *text);
    if (!art.abschaltungGezeigt) {
        findChild<QLabel*>(QStringLiteral("Label23"))->hide();
        lblabschaltung->hide();
    }
    betriebswerte.abstand(16);
    const Betriebszahlen zahlen(betriebswerte, betriebsnamen);
    for (int z = 0; z < betriebszeilen; ++z)
        zeigen(zahlen.wert(static_cast<Betriebszeile>(z)), anlage.zahlen[z]);
    layoutAbschliessen();
}

} // namespace grobrechner

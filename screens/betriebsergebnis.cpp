#include "betriebsergebnis.h"

#include "betriebszahlen.h"
#include "wertetabelle.h"

#include <QGridLayout>
#include <QLabel>

#include <array>

namespace grobrechner {

namespace {

// In the order of Betriebsergebnis::Eingabe.
const Wertetabelle::Zeile eingabebilder[] = {
    {"Label13", anlagenbeschriftung::leuchtmittel, "lblleuchtmittel"},
    {"Label12", anlagenbeschriftung::einschaltung, "lbleinschaltung"},
    {"Label8", anlagenbeschriftung::abschaltung, "lblabschaltung"},
    {"Label9", anlagenbeschriftung::absenkung, "lblabsenkung"},
    {"Label3", anlagenbeschriftung::strompreis, "lblstrompreis", "Label20", anlagenbeschriftung::strompreiseinheit},
};

Betriebszahlen::Namen namen(const char* gesamtbeschriftung)
{
    return {{"Label5", "Label6", "Label4", "Label7", "Label10", "Label11", "Label14", "Label15", "Labelco2jahr",
             "Labelco225"},
            {"Label18", "Label19", "Label21", "Label22", "Label23", "Label24", "Label25", "Label26",
             "Labelco2jahreinheit", "Labelco225einheit"},
            "",
            gesamtbeschriftung};
}

} // namespace

Betriebsergebnis::Betriebsergebnis(const Pfadbildschirm& bildschirm, Umgebung& umgebung, const Art& art)
    : Pfadformular(bildschirm, umgebung)
{
    Wertetabelle tabelle(rahmen().inhalt());
    tabelle.ueberschrift("Label16", QStringLiteral("Eingegebene Werte"));
    std::array<QLabel*, std::size(eingabebilder)> eingaben{};
    const auto wert = [&](Eingabe e) -> QLabel*& { return eingaben[static_cast<std::size_t>(e)]; };
    for (Eingabe e : art.eingegeben) {
        wert(e) = tabelle.zeile(eingabebilder[static_cast<std::size_t>(e)]);
    }
    // Lamp type and wattage belong together on one line.
    wert(Eingabe::Leuchtmittel)->setWordWrap(false);
    QLabel* lblabschaltung = wert(Eingabe::Abschaltung);
    if (!art.abschaltungGezeigt) {
        lblabschaltung->hide();
        findChild<QLabel*>(QStringLiteral("Label8"))->hide();
    }
    tabelle.abstand(16);
    tabelle.ueberschrift("Label17", QStringLiteral("Berechnungsergebnis"));
    const Betriebszahlen zahlen(tabelle, namen(art.gesamtbeschriftung));
    tabelle.raster()->setRowStretch(tabelle.zeilen(), 1);

    const Betriebstexte texte = betriebstexte(zustand());
    anlagenwerteZeigen({wert(Eingabe::Einschaltung), wert(Eingabe::Leuchtmittel), lblabschaltung,
                        wert(Eingabe::Absenkung)},
                       texte.geplant);
    wert(Eingabe::Strompreis)->setText(QString::fromStdString(texte.strompreis));
    zahlen.zeigen(texte.geplant.zahlen);
}

} // namespace grobrechner

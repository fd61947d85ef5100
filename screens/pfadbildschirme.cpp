#include "pfadbildschirme.h"

#include "bildschirme.h"
#include "frmbetrko_gde.h"
#include "frmbetrko_land.h"
#include "frmbetrko_san.h"
#include "frmbetrkoerg_gde.h"
#include "frmbetrkoerg_land.h"
#include "frmbetrkoerg_san.h"
#include "frmerg_gde.h"
#include "frmerg_land.h"
#include "frmerg_san.h"
#include "frmerrko_neuerrgde.h"
#include "frmerrko_neuerrland.h"
#include "frmneuerrgde.h"
#include "frmneuerrland.h"
#include "frmsan.h"
#include "frmsanko.h"
#include "texte.h"

#include <array>

namespace grobrechner {

namespace {
const QString errichtung = QStringLiteral("Errichtungskosten berechnen");
const QString errichtungHinweis = QStringLiteral("Berechnet die Errichtungskosten.");
const QString betrieb = QStringLiteral("Betriebskosten berechnen");
const QString betriebHinweis = QStringLiteral("Berechnet die Betriebskosten.");
const QString zurBetriebskostenberechnung = QStringLiteral("zur Betriebskostenberechnung");
const QString zurBetriebskostenberechnungHinweis =
    QStringLiteral("Öffnet das Formular zur Betriebskostenberechnung.");
const QString zumErgebnisblatt = QStringLiteral("zum Ergebnisblatt");
const QString zumErgebnisblattHinweis = QStringLiteral("Öffnet das Ergebnisblatt.");

QString druckzeile(const char* was) { return QStringLiteral("Dieser Grobrechner dient zur Grobabschätzung der ") + QString::fromUtf8(was); }

template <typename T>
Pfadformular* neu(Umgebung& umgebung)
{
    return new T(umgebung);
}

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A row with the screen's name and title as the core knows them.
struct Zeile {
    Pfad pfad;
    Schritt schritt;
    Pfadformular* (*erzeugen)(Umgebung&);
    QString eigentumLabel;
    QString druckzeile;
    QString vorwaerts;
    QString vorwaertsHinweis;
    QString fenstertitel;
    QString hintergrundHinweis;
    bool vorwaertsHinweisBeiDruck = false;
    bool druckHinweisBeiDruck = false;
};

std::array<Pfadbildschirm, 15> tabelle()
{
    const QString& prog = texte::programmname;
    const QString& grund = texte::hintergrund;
    using P = Pfad;
    using S = Schritt;
    const Zeile zeilen[] = {
        {P::Landesstrasse, S::Eingabe, neu<frmneuerrland>, "Label12", {}, errichtung, errichtungHinweis, prog, grund},
        {P::Landesstrasse, S::Kosten, neu<frmerrko_neuerrland>, "Label18",
         druckzeile("Errichtungskosten von Landesstraßen!"), zurBetriebskostenberechnung,
         zurBetriebskostenberechnungHinweis, prog, grund},
        {P::Landesstrasse, S::Betriebseingabe, neu<frmbetrko_land>, "Label12", {}, betrieb, betriebHinweis, prog,
         grund},
        {P::Landesstrasse, S::Betrieb, neu<frmbetrkoerg_land>, "Label1", druckzeile("Betriebskosten von Landesstraßen!"),
         zumErgebnisblatt, zumErgebnisblattHinweis, prog, grund},
        {P::Landesstrasse, S::Ergebnisblatt, neu<frmerg_land>, "Label1",
         druckzeile("Errichtungs- und Betriebskosten von Landesstraßen!"), {}, {}, prog, grund},

        {P::Gemeindestrasse, S::Eingabe, neu<frmneuerrgde>, "Label12", {}, errichtung, errichtungHinweis, prog, grund},
        {P::Gemeindestrasse, S::Kosten, neu<frmerrko_neuerrgde>, "Label18",
         druckzeile("Errichtungskosten von Gemeindestraßen!"), zurBetriebskostenberechnung,
         zurBetriebskostenberechnungHinweis, prog, grund},
        {P::Gemeindestrasse, S::Betriebseingabe, neu<frmbetrko_gde>, "Label12", {}, betrieb, betriebHinweis, prog,
         grund, true},
        {P::Gemeindestrasse, S::Betrieb, neu<frmbetrkoerg_gde>, "Label1",
         druckzeile("Betriebskosten von Gemeindestraßen!"), zumErgebnisblatt, zumErgebnisblattHinweis, prog, grund},
        {P::Gemeindestrasse, S::Ergebnisblatt, neu<frmerg_gde>, "Label1",
         druckzeile("Errichtungs- und Betriebskosten von Gemeindestraßen!"), {}, {}, prog, grund},

        {P::Sanierung, S::Eingabe, neu<frmsan>, "Label12", {}, QStringLiteral("Sanierungskosten berechnen"),
         QStringLiteral("Berechnet die Sanierungskosten."), prog, grund},
        {P::Sanierung, S::Kosten, neu<frmsanko>, "Label12", druckzeile("Sanierungskosten von Gemeindestraßen!"),
         zurBetriebskostenberechnung, zurBetriebskostenberechnungHinweis,
         QStringLiteral("Grobrechner der Gemeindestraeße"), grund, false, true},
        {P::Sanierung, S::Betriebseingabe, neu<frmbetrko_san>, "Label12", {}, betrieb, betriebHinweis, prog, grund},
        // This screen's background hint and print caption end without "!".
        {P::Sanierung, S::Betrieb, neu<frmbetrkoerg_san>, "Label11",
         druckzeile("Betriebskosten von zu sanierenden Gemeindestraßen"), zumErgebnisblatt, zumErgebnisblattHinweis,
         prog, grund.chopped(1)},
        {P::Sanierung, S::Ergebnisblatt, neu<frmerg_san>, "Label11",
         druckzeile("Errichtungs- und Betriebskosten von zu sanierenden Gemeindestraßen!"), {}, {}, prog, grund},
    };
    std::array<Pfadbildschirm, 15> alle{};
    for (const Zeile& z : zeilen) {
        const Bildschirm& b = bildschirm(z.pfad, z.schritt);
        alle[static_cast<std::size_t>(static_cast<int>(z.pfad) * 5 + nummer(z.schritt) - 1)] = {
            z.pfad,           z.schritt,     text(b.name),
            text(b.titel),    z.eigentumLabel, z.druckzeile,
            z.vorwaerts,      z.vorwaertsHinweis, z.fenstertitel,
            z.hintergrundHinweis, z.vorwaertsHinweisBeiDruck, z.druckHinweisBeiDruck,
            z.erzeugen};
    }
    return alle;
}

const std::array<Pfadbildschirm, 15>& alle()
{
    static const std::array<Pfadbildschirm, 15> tabelle_ = tabelle();
    return tabelle_;
}

} // namespace

std::span<const Pfadbildschirm> pfadbildschirme() { return alle(); }

const Pfadbildschirm& pfadbildschirm(Pfad pfad, Schritt schritt)
{
    return alle()[static_cast<std::size_t>(static_cast<int>(pfad) * 5 + nummer(schritt) - 1)];
}

} // namespace grobrechner

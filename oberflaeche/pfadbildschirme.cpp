#include "pfadbildschirme.h"

#include "texte.h"

#include <algorithm>
#include <stdexcept>

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

std::vector<Pfadbildschirm> tabelle()
{
    const QString& prog = texte::programmname;
    const QString& grund = texte::hintergrund;
    using P = Pfad;
    return {
        {"frmneuerrland", P::Landesstrasse, 1, "Neuerrichtung einer Landesstraße", "Label12", {},
         errichtung, errichtungHinweis, prog, grund},
        {"frmerrko_neuerrland", P::Landesstrasse, 2, "Errichtungskosten der Landesstraße", "Label18",
         druckzeile("Errichtungskosten von Landesstraßen!"), zurBetriebskostenberechnung,
         zurBetriebskostenberechnungHinweis, prog, grund},
        {"frmbetrko_land", P::Landesstrasse, 3, "Neuerrichtung einer Landesstraße", "Label12", {}, betrieb,
         betriebHinweis, prog, grund},
        {"frmbetrkoerg_land", P::Landesstrasse, 4, "Betriebskosten der Landesstraße", "Label1",
         druckzeile("Betriebskosten von Landesstraßen!"), zumErgebnisblatt, zumErgebnisblattHinweis, prog, grund},
        {"frmerg_land", P::Landesstrasse, 5, "Ergebnisblatt - Neuerrichtung einer Landesstraße", "Label1",
         druckzeile("Errichtungs- und Betriebskosten von Landesstraßen!"), {}, {}, prog, grund},

        {"frmneuerrgde", P::Gemeindestrasse, 1, "Neuerrichtung einer Gemeindestraße", "Label12", {}, errichtung,
         errichtungHinweis, prog, grund},
        {"frmerrko_neuerrgde", P::Gemeindestrasse, 2, "Errichtungskosten der Gemeindestraße", "Label18",
         druckzeile("Errichtungskosten von Gemeindestraßen!"), zurBetriebskostenberechnung,
         zurBetriebskostenberechnungHinweis, prog, grund},
        {"frmbetrko_gde", P::Gemeindestrasse, 3, "Neuerrichtung einer Gemeindestraße", "Label12", {}, betrieb,
         betriebHinweis, prog, grund, true},
        {"frmbetrkoerg_gde", P::Gemeindestrasse, 4, "Betriebskosten der Gemeindestraße", "Label1",
         druckzeile("Betriebskosten von Gemeindestraßen!"), zumErgebnisblatt, zumErgebnisblattHinweis, prog, grund},
        {"frmerg_gde", P::Gemeindestrasse, 5, "Ergebnisblatt - Neuerrichtung einer Gemeindestraße", "Label1",
         druckzeile("Errichtungs- und Betriebskosten von Gemeindestraßen!"), {}, {}, prog, grund},

        {"frmsan", P::Sanierung, 1, "Sanierung einer Gemeindestraße", "Label12", {},
         QStringLiteral("Sanierungskosten berechnen"), QStringLiteral("Berechnet die Sanierungskosten."), prog,
         grund},
        {"frmsanko", P::Sanierung, 2, "Sanierungskosten der Straßenbeleuchtung", "Label12",
         druckzeile("Sanierungskosten von Gemeindestraßen!"), zurBetriebskostenberechnung,
         zurBetriebskostenberechnungHinweis, QStringLiteral("Grobrechner der Gemeindestraeße"), grund, false,
         true},
        {"frmbetrko_san", P::Sanierung, 3, "Sanierung einer Gemeindestraße", "Label12", {}, betrieb, betriebHinweis,
         prog, grund},
        // This screen's background hint and print caption end without "!".
        {"frmbetrkoerg_san", P::Sanierung, 4, "Betriebskosten der zu sanierenden Gemeindestraße", "Label11",
         druckzeile("Betriebskosten von zu sanierenden Gemeindestraßen"), zumErgebnisblatt,
         zumErgebnisblattHinweis, prog, grund.chopped(1)},
        {"frmerg_san", P::Sanierung, 5, "Ergebnisblatt - Sanierung einer Gemeindestraße", "Label11",
         druckzeile("Errichtungs- und Betriebskosten von zu sanierenden Gemeindestraßen!"), {}, {}, prog, grund},
    };
}

} // namespace

const std::vector<Pfadbildschirm>& pfadbildschirme()
{
    static const std::vector<Pfadbildschirm> alle = tabelle();
    return alle;
}

const Pfadbildschirm& pfadbildschirm(const QString& name)
{
    const auto& alle = pfadbildschirme();
    const auto it = std::find_if(alle.begin(), alle.end(), [&](const Pfadbildschirm& b) { return b.name == name; });
    if (it == alle.end())
        throw std::invalid_argument("unbekannter Bildschirm: " + name.toStdString());
    return *it;
}

const Pfadbildschirm& pfadbildschirm(Pfad pfad, int schritt)
{
    const auto& alle = pfadbildschirme();
    const auto it = std::find_if(alle.begin(), alle.end(),
                                 [&](const Pfadbildschirm& b) { return b.pfad == pfad && b.schritt == schritt; });
    if (it == alle.end())
        throw std::invalid_argument("kein Bildschirm an dieser Stelle des Pfads");
    return *it;
}

} // namespace grobrechner

#include "preiseinstellungen.h"

#include "einstellungen.h"

#include <QSettings>

#include <cmath>
#include <memory>

namespace grobrechner::preiseinstellungen {

namespace {

const QString gruppe = QStringLiteral("Preise");
const QString preisindexSchluessel = QStringLiteral("preisindex");
const QString co2faktorSchluessel = QStringLiteral("co2faktor");

QString text(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

QString schluessel(const Preisposten& posten)
{
    return QString::fromLatin1(posten.schluessel.data(), static_cast<qsizetype>(posten.schluessel.size()));
}

void lies(const QSettings& einstellungen, const QString& name, float& wert, bool (*zulaessig)(float))
{
    bool zahl = false;
    const double gelesen = einstellungen.value(name).toDouble(&zahl);
    // A double the float range cannot hold would turn into infinity.
    const auto f = static_cast<float>(gelesen);
    if (zahl && std::isfinite(gelesen) && std::isfinite(f) && zulaessig(f))
        wert = f;
}

} // namespace

Preise lesen()
{
    Preise p;
    QString fehler;
    const std::unique_ptr<QSettings> offen = einstellungenOeffnen(fehler);
    if (!offen)
        return p;
    QSettings& einstellungen = *offen;
    einstellungen.beginGroup(gruppe);
    for (const Preisposten& posten : preisposten())
        lies(einstellungen, schluessel(posten), betrag(p, posten), preisZulaessig);
    lies(einstellungen, preisindexSchluessel, p.preisindex, preisindexZulaessig);
    lies(einstellungen, co2faktorSchluessel, p.co2faktor, co2faktorZulaessig);
    for (const Satz& s : saetze())
        lies(einstellungen, text(s.schluessel), p.*s.wert, s.zulaessig);
    return p;
}

QString schreiben(const Preise& p)
{
    QString fehler;
    const std::unique_ptr<QSettings> offen = einstellungenOeffnen(fehler);
    if (!offen)
        return fehler;
    QSettings& einstellungen = *offen;
    einstellungen.beginGroup(gruppe);
    // Only what differs from the program's own values is stored, so that a
    // later version's own values reach whoever never changed them.
    const auto schreib = [&einstellungen](const QString& name, float wert, float vorgabe) {
        if (wert == vorgabe)
            einstellungen.remove(name);
        else
            einstellungen.setValue(name, static_cast<double>(wert)); // reads back as the same float
    };
    const Preise vorgaben;
    for (const Preisposten& posten : preisposten())
        schreib(schluessel(posten), betrag(p, posten), betrag(vorgaben, posten));
    schreib(preisindexSchluessel, p.preisindex, vorgaben.preisindex);
    schreib(co2faktorSchluessel, p.co2faktor, vorgaben.co2faktor);
    for (const Satz& s : saetze())
        schreib(text(s.schluessel), p.*s.wert, vorgaben.*s.wert);
    einstellungen.endGroup();
    return einstellungenSichern(einstellungen);
}

} // namespace grobrechner::preiseinstellungen

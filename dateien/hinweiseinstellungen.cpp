#include "hinweiseinstellungen.h"

#include "einstellungen.h"

#include <QSettings>

#include <memory>

namespace grobrechner::hinweiseinstellungen {

namespace {

const QString gruppe = QStringLiteral("Hinweise");

// The names the settings keep, fixed once and for all: a stored choice must
// still be found by every later version.
QString schluessel(Pfad pfad)
{
    switch (pfad) {
    case Pfad::Landesstrasse:
        return QStringLiteral("landesstrasseAusgeblendet");
    case Pfad::Gemeindestrasse:
        return QStringLiteral("gemeindestrasseAusgeblendet");
    case Pfad::Sanierung:
        break;
    }
    return QStringLiteral("sanierungAusgeblendet");
}

} // namespace

bool zeigen(Pfad pfad)
{
    QString fehler;
    const std::unique_ptr<QSettings> einstellungen = einstellungenOeffnen(fehler);
    // Only what ausblenden() writes hides them; a hand-edited word does not.
    return !einstellungen
           || einstellungen->value(gruppe + QLatin1Char('/') + schluessel(pfad)).toString() != QLatin1String("true");
}

QString ausblenden(Pfad pfad)
{
    QString fehler;
    const std::unique_ptr<QSettings> einstellungen = einstellungenOeffnen(fehler);
    if (!einstellungen)
        return fehler;
    einstellungen->setValue(gruppe + QLatin1Char('/') + schluessel(pfad), true);
    return einstellungenSichern(*einstellungen);
}

QString wiederZeigen()
{
    QString fehler;
    const std::unique_ptr<QSettings> einstellungen = einstellungenOeffnen(fehler);
    if (!einstellungen)
        return fehler;
    einstellungen->remove(gruppe);
    return einstellungenSichern(*einstellungen);
}

} // namespace grobrechner::hinweiseinstellungen

#include "preiseinstellungen.h"

#include "dateiursache.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>
#include <memory>
#include <sys/stat.h>

namespace grobrechner::preiseinstellungen {

namespace {

const QString gruppe = QStringLiteral("Preise");
const QString preisindexSchluessel = QStringLiteral("preisindex");
const QString co2faktorSchluessel = QStringLiteral("co2faktor");

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

// Where QSettings keeps the user's settings of this program.
QString einstellungsdatei()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
           + QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName()
           + QStringLiteral(".conf");
}

// The settings, unless something other than a regular file stands in their
// place: QSettings would open it and wait.
std::unique_ptr<QSettings> oeffnen(QString& fehler)
{
    const QString datei = einstellungsdatei();
    struct stat art {};
    if (::stat(QFile::encodeName(datei).constData(), &art) == 0 && !S_ISREG(art.st_mode)) {
        fehler = QStringLiteral("Die Einstellungsdatei „%1“ ist keine gewöhnliche Datei, sondern %2.")
                     .arg(QDir::toNativeSeparators(datei), dateiart(art.st_mode));
        return nullptr;
    }
    return std::make_unique<QSettings>(datei, QSettings::IniFormat);
}

} // namespace

Preise lesen()
{
    Preise p;
    QString fehler;
    const std::unique_ptr<QSettings> offen = oeffnen(fehler);
    if (!offen)
        return p;
    QSettings& einstellungen = *offen;
    einstellungen.beginGroup(gruppe);
    for (const Preisposten& posten : preisposten())
        lies(einstellungen, schluessel(posten), betrag(p, posten), preisZulaessig);
    lies(einstellungen, preisindexSchluessel, p.preisindex, preisindexZulaessig);
    lies(einstellungen, co2faktorSchluessel, p.co2faktor, co2faktorZulaessig);
    return p;
}

QString schreiben(const Preise& p)
{
    QString fehler;
    const std::unique_ptr<QSettings> offen = oeffnen(fehler);
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
    einstellungen.endGroup();
    einstellungen.sync();
    if (einstellungen.status() != QSettings::NoError)
        return QStringLiteral("Die Einstellungsdatei „%1“ ließ sich nicht schreiben; dürfen Sie in ihrem Ordner "
                              "schreiben, und ist auf dem Datenträger Platz?")
            .arg(QDir::toNativeSeparators(einstellungen.fileName()));
    return {};
}

} // namespace grobrechner::preiseinstellungen

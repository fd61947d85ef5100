#include "einstellungen.h"

#include "dateiursache.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace grobrechner {

namespace {

// Where QSettings keeps the user's settings of this program.
QString einstellungsdatei()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
           + QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName()
           + QStringLiteral(".conf");
}

} // namespace

std::unique_ptr<QSettings> einstellungenOeffnen(QString& fehler)
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

QString einstellungenSichern(QSettings& einstellungen)
{
    einstellungen.sync();
    if (einstellungen.status() != QSettings::NoError)
        return QStringLiteral("Die Einstellungsdatei „%1“ ließ sich nicht schreiben; dürfen Sie in ihrem Ordner "
                              "schreiben, und ist auf dem Datenträger Platz?")
            .arg(QDir::toNativeSeparators(einstellungen.fileName()));
    return {};
}

} // namespace grobrechner

#include "dateischreiben.h"

#include <QFileInfo>
#include <QSaveFile>

namespace grobrechner {

namespace {

QString grund(QFileDevice::FileError fehler)
{
    switch (fehler) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("Dort lässt sich keine Datei anlegen: Gibt es den Ordner, und dürfen Sie darin "
                              "schreiben?");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten; vielleicht ist der Datenträger voll.");
    case QFileDevice::RenameError:
        return QStringLiteral("Die fertig geschriebene Datei ließ sich nicht an ihren Platz bringen.");
    default:
        return QStringLiteral("Die Datei ließ sich nicht schreiben.");
    }
}

} // namespace

QString dateiSchreiben(const QString& dateiname, const std::function<QString(QIODevice&)>& schreiben)
{
    const bool gabEs = QFileInfo::exists(dateiname);
    QSaveFile datei(dateiname);
    QString fehler;
    if (datei.open(QIODevice::WriteOnly)) {
        fehler = schreiben(datei);
        // On a failure the temporary file goes; the old one was never touched.
        if (!fehler.isEmpty() || datei.error() != QFileDevice::NoError)
            datei.cancelWriting();
        if (datei.commit())
            return {};
    }
    if (fehler.isEmpty())
        fehler = grund(datei.error());
    return gabEs ? fehler + QStringLiteral(" Die bisherige Datei ist unverändert.") : fehler;
}

QString dateiSchreiben(const QString& dateiname, const QByteArray& inhalt)
{
    // A short write leaves its error in the file, which the above reports.
    return dateiSchreiben(dateiname, [&](QIODevice& datei) {
        datei.write(inhalt);
        return QString();
    });
}

} // namespace grobrechner

#include "dateischreiben.h"

#include "dateiursache.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace grobrechner {

namespace {

QByteArray lokal(const QString& name) { return QFile::encodeName(name); }

// What stands in the way of writing the file at all, before a byte is
// written: empty when nothing does. The final word comes from the writing
// itself; this only names the usual causes plainly.
QString zielPruefen(const QString& dateiname)
{
    struct stat ziel {};
    if (::stat(lokal(dateiname).constData(), &ziel) == 0) {
        if (S_ISDIR(ziel.st_mode))
            return QStringLiteral("Das ist ein Ordner, keine Datei.");
        if (!S_ISREG(ziel.st_mode))
            return QStringLiteral("Das ist keine gewöhnliche Datei, sondern %1; sie wird nicht ersetzt.")
                .arg(dateiart(ziel.st_mode));
        if (!QFileInfo(dateiname).isWritable())
            return QStringLiteral("Die Datei ist schreibgeschützt.");
    } else if (errno != ENOENT) {
        return ursache(errno);
    }
    const QFileInfo ordner(QFileInfo(dateiname).absolutePath());
    if (!ordner.exists())
        return QStringLiteral("Den Ordner „%1“ gibt es nicht.").arg(QDir::toNativeSeparators(ordner.filePath()));
    if (!ordner.isDir())
        return QStringLiteral("„%1“ ist kein Ordner.").arg(QDir::toNativeSeparators(ordner.filePath()));
    if (!ordner.isWritable())
        return QStringLiteral("Im Ordner „%1“ dürfen Sie keine Dateien anlegen.")
            .arg(QDir::toNativeSeparators(ordner.filePath()));
    return {};
}

// Puts the contents in the target's place: each write is checked (a write
// that stops short is tried again, and then tells its error), and the disk
// must hold every byte before the temporary file replaces the target.
QString ablegen(const QString& dateiname, const QByteArray& inhalt)
{
    // Unbuffered: every write goes to the system at once and reports its own
    // error, instead of a buffer failing unnoticed when the file is closed.
    QSaveFile datei(dateiname);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("Die Datei ließ sich nicht anlegen. %1").arg(ursacheAusText(datei.errorString()));
    const auto abbrechen = [&datei](const QString& grund) {
        datei.cancelWriting();
        datei.commit(); // removes the temporary file
        return grund;
    };
    for (qint64 geschrieben = 0; geschrieben < inhalt.size();) {
        const qint64 n = datei.write(inhalt.constData() + geschrieben, inhalt.size() - geschrieben);
        if (n <= 0)
            return abbrechen(QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten. %1")
                                 .arg(ursacheAusText(datei.errorString())));
        geschrieben += n;
    }
    if (::fsync(datei.handle()) != 0) {
        const int nummer = errno;
        return abbrechen(QStringLiteral("Die Datei ließ sich nicht vollständig auf den Datenträger bringen. %1")
                             .arg(ursache(nummer).isEmpty() ? ursacheAusText(qt_error_string(nummer))
                                                            : ursache(nummer)));
    }
    if (!datei.commit())
        return QStringLiteral("Die fertig geschriebene Datei ließ sich nicht an ihren Platz bringen. %1")
            .arg(ursacheAusText(datei.errorString()));
    return {};
}

} // namespace

QString dateiSchreiben(const QString& dateiname, const std::function<QString(QIODevice&)>& schreiben)
{
    const bool gabEs = QFileInfo::exists(dateiname);
    QString fehler = zielPruefen(dateiname);
    if (fehler.isEmpty()) {
        // Our files are small; in memory first, so that what failed while
        // making the contents never reaches the disk at all.
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        fehler = schreiben(puffer);
        if (fehler.isEmpty())
            fehler = ablegen(dateiname, puffer.data());
    }
    if (fehler.isEmpty())
        return {};
    return gabEs ? fehler + QStringLiteral(" Die bisherige Datei ist unverändert.") : fehler;
}

QString dateiSchreiben(const QString& dateiname, const QByteArray& inhalt)
{
    return dateiSchreiben(dateiname, [&](QIODevice& datei) {
        datei.write(inhalt); // into memory: it cannot fail short
        return QString();
    });
}

bool gleicheDatei(const QString& a, const QString& b)
{
    struct stat sa {};
    struct stat sb {};
    return ::stat(lokal(a).constData(), &sa) == 0 && ::stat(lokal(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace grobrechner

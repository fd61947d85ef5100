#include "dateilesen.h"

#include "dateiursache.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grobrechner {

namespace {

Dateiinhalt fehler(const QString& text) { return {{}, text, -1}; }

Dateiinhalt nichtGeoeffnet(int nummer)
{
    switch (nummer) {
    case ENOENT:
        return fehler(QStringLiteral("Die Datei gibt es nicht."));
    case EACCES:
    case EPERM:
        return fehler(QStringLiteral("Die Datei lässt sich nicht lesen; fehlen Ihnen die Leserechte?"));
    default: {
        const QString grund = ursache(nummer);
        return fehler(grund.isEmpty() ? ursacheAusText(qt_error_string(nummer)) : grund);
    }
    }
}

// Empty for a regular file; otherwise why it is not read.
QString artPruefen(mode_t modus)
{
    if (S_ISDIR(modus))
        return QStringLiteral("Das ist ein Ordner, keine Datei.");
    if (!S_ISREG(modus))
        return QStringLiteral("Das ist keine gewöhnliche Datei, sondern %1.").arg(dateiart(modus));
    return {};
}

} // namespace

Dateiinhalt dateiLesen(const QString& dateiname, qint64 hoechstens)
{
    const QByteArray name = QFile::encodeName(dateiname);
    // A look first, so that no device is even opened; the check on what was
    // opened below is the one that counts.
    struct stat vorher {};
    if (::stat(name.constData(), &vorher) != 0)
        return nichtGeoeffnet(errno);
    if (QString art = artPruefen(vorher.st_mode); !art.isEmpty())
        return fehler(art);

    // Without waiting: a pipe swapped in meanwhile opens at once and is refused.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nichtGeoeffnet(errno);
    QFile datei;
    if (!datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fehler(ursacheAusText(datei.errorString()));
    }
    struct stat geoeffnet {};
    if (::fstat(fd, &geoeffnet) != 0)
        return nichtGeoeffnet(errno);
    if (QString art = artPruefen(geoeffnet.st_mode); !art.isEmpty())
        return fehler(art);
    if (geoeffnet.st_size > hoechstens)
        return {{}, QStringLiteral("Die Datei ist zu groß."), geoeffnet.st_size};

    // A file that grows while it is read is still not read beyond the limit.
    Dateiinhalt gelesen{datei.read(hoechstens + 1), {}, -1};
    if (datei.error() != QFileDevice::NoError)
        return fehler(QStringLiteral("Beim Lesen der Datei ist ein Fehler aufgetreten. %1")
                          .arg(ursacheAusText(datei.errorString())));
    if (gelesen.inhalt.size() > hoechstens)
        return {{}, QStringLiteral("Die Datei ist zu groß."), gelesen.inhalt.size()};
    return gelesen;
}

} // namespace grobrechner

#include "dateiursache.h"

#include <cerrno>

namespace grobrechner {

QString ursache(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOSPC:
        return QStringLiteral("Der Datenträger ist voll.");
    case EDQUOT:
        return QStringLiteral("Der Speicherplatz, der Ihnen auf dem Datenträger zusteht, ist aufgebraucht.");
    case EFBIG:
        return QStringLiteral("Die Datei wäre größer, als der Datenträger oder das System erlaubt.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Dazu fehlen Ihnen die Rechte.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
        return QStringLiteral("Den Ordner gibt es nicht.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfads ist kein Ordner.");
    case EISDIR:
        return QStringLiteral("Das ist ein Ordner, keine Datei.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name der Datei ist zu lang.");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler; vielleicht ist er beschädigt oder "
                              "wurde entfernt.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Es sind zu viele Dateien zugleich geöffnet.");
    default:
        return {};
    }
}

QString ursacheAusText(const QString& systemtext)
{
    for (int nummer : {ENOSPC, EDQUOT, EFBIG, EACCES, EPERM, EROFS, ENOENT, ENOTDIR, EISDIR, ENAMETOOLONG, EIO,
                       EMFILE, ENFILE})
        if (systemtext == qt_error_string(nummer))
            return ursache(nummer);
    return systemtext.isEmpty() ? QStringLiteral("Der Grund ist unbekannt.")
                                : QStringLiteral("Das System meldet: %1.").arg(systemtext);
}

QString dateiart(mode_t modus)
{
    if (S_ISREG(modus))
        return {};
    if (S_ISDIR(modus))
        return QStringLiteral("ein Ordner");
    if (S_ISFIFO(modus))
        return QStringLiteral("eine benannte Pipe (FIFO)");
    if (S_ISCHR(modus) || S_ISBLK(modus))
        return QStringLiteral("ein Gerät");
    if (S_ISSOCK(modus))
        return QStringLiteral("ein Socket");
    return QStringLiteral("etwas anderes als eine gewöhnliche Datei");
}

} // namespace grobrechner

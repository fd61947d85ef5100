#include "dateiname.h"

namespace grobrechner {

QString dateinamenvorschlag(const QString& name, const QString& endung)
{
    QString datei;
    for (QChar c : name)
        datei += c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c) ? QChar('-') : c;
    datei = datei.trimmed();
    if (datei.isEmpty())
        datei = QStringLiteral("Kalkulation");
    return datei + QLatin1Char('.') + endung;
}

} // namespace grobrechner

#include "csvtext.h"

#include "zahlentext.h"

namespace grobrechner {

namespace {

QString zelle(const QString& text, bool wieGelesen)
{
    if (const auto zahl = ohneGruppen(text.toStdString()))
        return wieGelesen ? text : QString::fromStdString(*zahl);
    // A figure with its percent sign ("-37 %") is a number to a spreadsheet too.
    if (text.endsWith(QLatin1String(" %")) && ohneGruppen(text.chopped(2).toStdString()))
        return text;
    QString aus = text;
    if (!aus.isEmpty() && QStringLiteral("=+-@").contains(aus.front()))
        aus.prepend(QLatin1Char('\''));
    if (aus.contains(QLatin1Char(';')) || aus.contains(QLatin1Char('"')) || aus.contains(QLatin1Char('\n'))
        || aus.contains(QLatin1Char('\r'))) {
        aus.replace(QLatin1String("\""), QLatin1String("\"\""));
        aus = QLatin1Char('"') + aus + QLatin1Char('"');
    }
    return aus;
}

} // namespace

QByteArray csvText(const std::vector<std::vector<std::string>>& zeilen)
{
    QList<QStringList> texte;
    texte.reserve(static_cast<qsizetype>(zeilen.size()));
    for (const auto& zeile : zeilen) {
        QStringList zellen;
        for (const std::string& zelle : zeile)
            zellen << QString::fromStdString(zelle);
        texte << zellen;
    }
    return csvText(texte);
}

QByteArray csvText(const QList<QStringList>& zeilen) { return csvText(zeilen, 0); }

QByteArray csvText(const QList<QStringList>& zeilen, qsizetype wieGelesen)
{
    QString text;
    for (QStringList zeile : zeilen) {
        while (!zeile.isEmpty() && zeile.back().isEmpty())
            zeile.removeLast();
        for (qsizetype i = 0; i < zeile.size(); ++i)
            zeile[i] = zelle(zeile[i], i < wieGelesen);
        text += zeile.join(QLatin1Char(';')) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace grobrechner

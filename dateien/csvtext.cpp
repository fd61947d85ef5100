#include "csvtext.h"

#include "zahlentext.h"

#include <algorithm>

namespace grobrechner {

namespace {

// A cell without a group separator, blanks around it, a sign or formula
// character in front, or anything that needs quotes stays as it is, number or not.
bool schlicht(const QString& text)
{
    if (text.isEmpty() || QStringLiteral("=+-@").contains(text.front()) || text.front().isSpace()
        || text.back().isSpace())
        return false;
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == u'.' || c == u';' || c == u'"' || c == u'\n' || c == u'\r';
    });
}

QString zelle(const QString& text, bool wieGelesen)
{
    if (schlicht(text))
        return text;
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

QByteArray csvText(const QList<QStringList>& zeilen)
{
    Csvtext text;
    for (const QStringList& zeile : zeilen)
        text.zeile(zeile);
    return text.utf8();
}

Csvtext::Csvtext(qsizetype wieGelesen)
    : m_text("\xEF\xBB\xBF")
    , m_wieGelesen(wieGelesen)
{
}

void Csvtext::zeile(QStringList zellen)
{
    while (!zellen.isEmpty() && zellen.back().isEmpty())
        zellen.removeLast();
    QString zeile;
    for (qsizetype i = 0; i < zellen.size(); ++i) {
        if (i > 0)
            zeile += QLatin1Char(';');
        zeile += zelle(zellen[i], i < m_wieGelesen);
    }
    m_text += zeile.toUtf8();
    m_text += "\r\n";
}

} // namespace grobrechner

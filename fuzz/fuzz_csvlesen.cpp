// Street lists of any content: reading never crashes and says either what it
// read or why not; the table has unique column names, rows numbered upwards
// as a spreadsheet shows them, no empty record and no record shorter than the
// header; and written back with every cell quoted it reads the same again.
#include "csvlesen.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace grobrechner;

namespace {

// Low, so that lists over the limit come up as well.
constexpr int hoechsteZeilen = 64;

void pruefen(bool gilt)
{
    if (!gilt)
        std::abort();
}

QString zeile(const QStringList& zellen, QChar trenner)
{
    QStringList zitiert;
    for (QString z : zellen)
        zitiert << QLatin1Char('"') + z.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    return zitiert.join(trenner) + QLatin1String("\r\n");
}

// The separator after the header keeps that of a header with one column.
QByteArray zurueckgeschrieben(const Csvtabelle& t)
{
    QString text = zeile(t.kopf + QStringList{QString()}, t.trenner);
    for (const Csvzeile& z : t.zeilen)
        text += zeile(z.zellen, t.trenner);
    return text.toUtf8();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const CsvGelesen gelesen = csvLesen(inhalt, hoechsteZeilen);
    pruefen(gelesen.tabelle.has_value() == gelesen.fehler.isEmpty());
    if (!gelesen.tabelle)
        return 0;
    const Csvtabelle& t = *gelesen.tabelle;

    pruefen(t.trenner == u';' || t.trenner == u'\t' || t.trenner == u',');
    pruefen(!t.kopf.isEmpty() && t.zeilen.size() <= std::size_t{hoechsteZeilen});
    for (qsizetype i = 0; i < t.kopf.size(); ++i) {
        pruefen(!t.kopf[i].isEmpty() && t.kopf[i] == t.kopf[i].trimmed());
        for (qsizetype j = 0; j < i; ++j)
            pruefen(QString::compare(t.kopf[i], t.kopf[j], Qt::CaseInsensitive) != 0);
    }
    // No row beyond the lines there are, whichever of CR, LF or CRLF ends them.
    const qsizetype zeilen = inhalt.count('\n') + inhalt.count('\r') + 1;
    int vorige = 1;
    for (const Csvzeile& z : t.zeilen) {
        pruefen(z.zeile > vorige && z.zeile <= zeilen);
        vorige = z.zeile;
        pruefen(z.zellen.size() >= t.kopf.size());
        pruefen(std::any_of(z.zellen.begin(), z.zellen.end(), [](const QString& zelle) { return !zelle.isEmpty(); }));
    }

    const CsvGelesen wieder = csvLesen(zurueckgeschrieben(t), hoechsteZeilen);
    pruefen(wieder.tabelle && wieder.tabelle->utf8 && wieder.tabelle->trenner == t.trenner
            && wieder.tabelle->kopf == t.kopf && wieder.tabelle->zeilen.size() == t.zeilen.size());
    for (std::size_t i = 0; i < t.zeilen.size(); ++i)
        pruefen(wieder.tabelle->zeilen[i].zellen == t.zeilen[i].zellen
                && wieder.tabelle->zeilen[i].zeile == static_cast<int>(i) + 2);
    return 0;
}

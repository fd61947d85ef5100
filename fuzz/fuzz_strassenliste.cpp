// Street registers of any content: reading never crashes and either refuses
// the whole file with a reason or keeps one line per record of the CSV, with
// its row; every line is either computed, with a cell for each result column,
// and opens as a calculation, or its status names its own row and a column of
// the header (or, right of the header, the spreadsheet's letter of it) and why;
// the totals count every line once and the first order holds each line once.
#include "csvlesen.h"
#include "eingabefelder.h"
#include "strassenliste.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace grobrechner;

namespace {

void pruefen(bool gilt)
{
    if (!gilt)
        std::abort();
}

// A column of the header by its name, or a cell right of it by its letter.
bool spalteDerZeile(const Strassenliste& l, const QString& name, const Csvtabelle& t, std::size_t zeile)
{
    if (name.startsWith(QLatin1String("Spalte ")))
        for (qsizetype i = t.kopf.size(); i < t.zeilen[zeile].zellen.size(); ++i)
            if (spaltenbuchstaben(i) == name.mid(7))
                return !t.zeilen[zeile].zellen[i].trimmed().isEmpty();
    return std::any_of(l.kopf.begin(), l.kopf.end(),
                       [&](const QString& k) { return QString::compare(k, name, Qt::CaseInsensitive) == 0; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    const ListeGelesen gelesen = strassenlisteAusCsv(inhalt, {});
    pruefen(gelesen.liste.has_value() == gelesen.fehler.isEmpty());
    if (!gelesen.liste)
        return 0;
    const Strassenliste& l = *gelesen.liste;
    const CsvGelesen csv = csvLesen(inhalt);
    pruefen(csv.tabelle && csv.tabelle->zeilen.size() == l.zeilen.size() && !l.zeilen.empty());

    const auto ergebnisse = static_cast<qsizetype>(ergebnisspalten().size());
    for (std::size_t i = 0; i < l.zeilen.size(); ++i) {
        const Listenzeile& z = l.zeilen[i];
        pruefen(z.zeile == csv.tabelle->zeilen[i].zeile);
        pruefen(z.zellen.count('\0') == l.kopf.size() + (z.berechnet() ? ergebnisse : 0));
        pruefen(kalkulationDerZeile(l, z).has_value() == z.berechnet());
        if (z.berechnet()) {
            pruefen(z.pfad.has_value());
            continue;
        }
        const QString anfang = QStringLiteral("Zeile %1, ").arg(z.zeile);
        pruefen(z.fehler.startsWith(anfang));
        const qsizetype doppelpunkt = z.fehler.indexOf(QLatin1String(": "), anfang.size());
        pruefen(doppelpunkt > anfang.size() && doppelpunkt + 2 < z.fehler.size());
        pruefen(spalteDerZeile(l, z.fehler.mid(anfang.size(), doppelpunkt - anfang.size()), *csv.tabelle, i));
    }
    pruefen(l.summe.berechnet + l.summe.nichtBerechnet == static_cast<int>(l.zeilen.size()));
    std::vector<int> folge = l.rangfolge;
    std::sort(folge.begin(), folge.end());
    for (std::size_t i = 0; i < folge.size(); ++i)
        pruefen(folge[i] == static_cast<int>(i));
    return 0;
}

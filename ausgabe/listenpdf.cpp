#include "listenpdf.h"

#include "bericht.h"
#include "bildschirmtexte.h"
#include "dateischreiben.h"
#include "listenspalten.h"
#include "programm.h"

#include <QLocale>

#include <algorithm>

namespace grobrechner {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const QString titel = QStringLiteral("Straßenliste");

Bericht listenbericht(const Strassenliste& liste, const std::vector<int>& reihenfolge, const QString& listenname,
                      const QDateTime& jetzt)
{
    Bericht bericht({titel, listenname,
                     {QStringLiteral("Erstellt am ")
                          + QLocale(QLocale::German).toString(jetzt.date(), QStringLiteral("d. MMMM yyyy")),
                      QString::fromStdString(datenbasistext(liste.grundlage))},
                     text(anhaltspunkt)},
                    QPageLayout::Landscape);
    const std::vector<Listenspalte> spalten = anzeigespalten(liste);
    Berichtstabelle tabelle;
    tabelle.kennspalten = 1; // the name, in front of every part
    for (int i : reihenfolge) {
        const Listenzeile& zeile = liste.zeilen[static_cast<std::size_t>(i)];
        Berichtszeile r;
        for (const Listenspalte& s : spalten)
            r.zellen.push_back({zellentext(liste, zeile, s)});
        tabelle.zeilen.push_back(std::move(r));
    }
    // Figures stay on one line; the texts share the rest of the width by how
    // long they run, so that a reason wraps less than a priority would.
    for (std::size_t s = 0; s < spalten.size(); ++s) {
        tabelle.koepfe.push_back({spalten[s].name});
        if (spalten[s].zahlen) {
            tabelle.spalten.push_back({Qt::AlignRight});
            continue;
        }
        qsizetype laengste = 8;
        for (const Berichtszeile& r : tabelle.zeilen)
            laengste = std::max(laengste, r.zellen[s].text.size());
        tabelle.spalten.push_back({Qt::AlignLeft, static_cast<double>(std::min<qsizetype>(laengste, 40))});
    }
    Berichtszeile summe;
    summe.betont = true;
    summe.zellen.push_back({QStringLiteral("Summe: ") + QString::fromStdString(summentext(liste.summe)),
                            static_cast<int>(spalten.size()), Qt::AlignLeft});
    tabelle.zeilen.push_back(std::move(summe));
    if (const QString fehler = fehlerzeile(liste.summe); !fehler.isEmpty())
        tabelle.zeilen.push_back(Berichtszeile::anmerkung(fehler));
    bericht.tabelle(std::move(tabelle));
    return bericht;
}

// As the result sheets' reports say of themselves.
Dokumentangaben listenangaben(const Strassenliste& liste, const QString& listenname, const QDateTime& jetzt)
{
    return {listenname + QStringLiteral(" – ") + titel, text(programmname),
            titel + QStringLiteral("; ") + QString::fromStdString(datenbasistext(liste.grundlage)), text(programmname),
            jetzt};
}

} // namespace

QString listeAlsPdf(const QString& dateiname, const Strassenliste& liste, const std::vector<int>& reihenfolge,
                    const QString& listenname, const QDateTime& jetzt)
{
    const Bericht bericht = listenbericht(liste, reihenfolge, listenname, jetzt);
    const Dokumentangaben angaben = listenangaben(liste, listenname, jetzt);
    return dateiSchreiben(dateiname, [&](QIODevice& datei) { return bericht.schreiben(datei, angaben); });
}

} // namespace grobrechner

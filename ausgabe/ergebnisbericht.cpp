#include "ergebnisbericht.h"

#include "blattinhalt.h"
#include "dateischreiben.h"
#include "kostendiagramm.h"
#include "programm.h"
#include "wirtschaftlichkeit.h"

#include <QLocale>

#include <algorithm>

namespace grobrechner {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }
QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Labels side by side read as one text.
QString zusammen(const Wert& w)
{
    QStringList teile;
    for (const Feld& f : w.teile)
        teile << text(f.text);
    return teile.join(QLatin1Char(' '));
}

// Figure and unit columns as wide in every table of a report, so that the
// figures of tables one below the other stand in one line.
constexpr double zahlbreite = 24; // mm
constexpr double einheitbreite = 19;

// A table of the screen as the report sets it: the caption, then figure and
// unit of each installation, then the deviation where a comparison has one.
// A text in a figure's place stands over figure and unit, as on the screen.
Berichtstabelle berichtstabelle(const Blatttabelle& t)
{
    std::size_t anlagen = std::max<std::size_t>(t.koepfe.size(), 1);
    bool abweichung = !t.abweichungskopf.text.empty();
    for (const Blattzeile& z : t.zeilen) {
        anlagen = std::max(anlagen, z.werte.size());
        abweichung = abweichung || !z.abweichung.name.empty();
    }
    Berichtstabelle b;
    b.spalten.push_back({Qt::AlignLeft, 1});
    for (std::size_t i = 0; i < anlagen; ++i) {
        b.spalten.push_back({Qt::AlignRight, 0, zahlbreite});
        b.spalten.push_back({Qt::AlignLeft, 0, einheitbreite});
    }
    if (abweichung)
        b.spalten.push_back({Qt::AlignRight, 0, 0});
    if (!t.koepfe.empty()) {
        b.koepfe.push_back({});
        for (const Feld& kopf : t.koepfe)
            b.koepfe.push_back({text(kopf.text), 2, Qt::AlignHCenter});
        if (abweichung)
            b.koepfe.push_back({text(t.abweichungskopf.text), 1, Qt::AlignRight});
    }
    for (const Blattzeile& z : t.zeilen) {
        if (z.verborgen)
            continue;
        const double abstand = z.abstandDavor * 0.6; // the screen's pixels, as points
        switch (z.art) {
        case Zeilenart::Ueberschrift:
            b.zeilen.push_back(Berichtszeile::ueberschrift(text(z.beschriftung.text), abstand + 4));
            continue;
        case Zeilenart::Anmerkung:
            b.zeilen.push_back(Berichtszeile::anmerkung(text(z.beschriftung.text)));
            continue;
        case Zeilenart::Zahl:
        case Zeilenart::Text:
            break;
        }
        Berichtszeile r;
        r.betont = z.betont;
        r.abstandDavor = abstand;
        r.zellen.push_back({text(z.beschriftung.text)});
        for (std::size_t i = 0; i < anlagen; ++i) {
            if (i >= z.werte.size()) {
                r.zellen.push_back({QString(), 2});
                continue;
            }
            const Wert& w = z.werte[i];
            if (z.art == Zeilenart::Text || w.text) {
                r.zellen.push_back({zusammen(w), 2, Qt::AlignLeft});
            } else {
                r.zellen.push_back({zusammen(w)});
                r.zellen.push_back({text(w.einheit.text)});
            }
        }
        if (!z.abweichung.name.empty())
            r.zellen.push_back({text(z.abweichung.text)});
        b.zeilen.push_back(std::move(r));
    }
    return b;
}

} // namespace

Bericht ergebnisbericht(const Pfadzustand& zustand, Schritt schritt, const QDateTime& jetzt)
{
    const Blattinhalt inhalt = blattinhalt(zustand, schritt);
    Bericht bericht({text(inhalt.titel), text(inhalt.bezeichnung),
                     {QStringLiteral("Erstellt am ")
                          + QLocale(QLocale::German).toString(jetzt.date(), QStringLiteral("d. MMMM yyyy")),
                      text(inhalt.datenbasis)},
                     text(anhaltspunkt)});
    const bool sanierungsblatt = zustand.pfad == Pfad::Sanierung && schritt == Schritt::Ergebnisblatt;
    for (std::size_t i = 0; i < inhalt.tabellen.size(); ++i) {
        // The sheets' second table, beside the first on the screen, is the operation.
        if (i == 1)
            bericht.ueberschrift(QStringLiteral("Betriebskosten"));
        bericht.tabelle(berichtstabelle(inhalt.tabellen[i]));
        // The chart belongs to the economic figures that close the first table.
        if (i == 0 && sanierungsblatt) {
            const Kostenverlauf verlauf = sanierungswirtschaft(zustand).verlauf;
            bericht.zeichnung(
                80,
                [verlauf](QPainter& maler, const QRectF& rahmen, const QFont& schrift) {
                    kostendiagrammZeichnen(maler, rahmen, verlauf, schrift);
                },
                kostendiagrammBeschreibung(verlauf));
        }
    }
    return bericht;
}

Dokumentangaben ergebnisangaben(const Pfadzustand& zustand, Schritt schritt, const QDateTime& jetzt)
{
    const Blattinhalt inhalt = blattinhalt(zustand, schritt);
    const QString titel = text(inhalt.titel);
    return {inhalt.bezeichnung.empty() ? titel : text(inhalt.bezeichnung) + QStringLiteral(" – ") + titel,
            text(programmname), titel + QStringLiteral("; ") + text(inhalt.datenbasis), text(programmname), jetzt};
}

QString ergebnisberichtSchreiben(const QString& dateiname, const Pfadzustand& zustand, Schritt schritt,
                                 const QDateTime& jetzt)
{
    const Bericht bericht = ergebnisbericht(zustand, schritt, jetzt);
    const Dokumentangaben angaben = ergebnisangaben(zustand, schritt, jetzt);
    return dateiSchreiben(dateiname, [&](QIODevice& datei) { return bericht.schreiben(datei, angaben); });
}

} // namespace grobrechner

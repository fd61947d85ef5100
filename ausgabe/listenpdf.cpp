#include "listenpdf.h"

#include "bildschirmtexte.h"
#include "dateischreiben.h"
#include "listenspalten.h"
#include "programm.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace grobrechner {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// What the table needs to be drawn: the texts of its lines, the widths of its
// columns and the height of every line, in device pixels.
struct Tabelle {
    std::vector<Listenspalte> spalten;
    std::vector<QStringList> zeilen; // in the order printed
    std::vector<bool> abgelehnt;
    std::vector<qreal> breiten;
    std::vector<qreal> hoehen;
    qreal kopfhoehe = 0;
};

class Listendruck {
public:
    Listendruck(QPdfWriter& pdf, QPainter& maler)
        : m_maler(maler)
        , m_seite(QPointF(), pdf.pageLayout().paintRectPixels(pdf.resolution()).size())
        , m_mm(pdf.resolution() / 25.4)
    {
        m_zelle.setPointSizeF(7);
        m_kopf = m_zelle;
        m_kopf.setBold(true);
        m_titel = m_kopf;
        m_titel.setPointSizeF(10);
        m_klein = m_zelle;
        m_klein.setPointSizeF(7.5);
    }

    void tabelleMessen(Tabelle& t) const
    {
        const QFontMetricsF zelle(m_zelle, m_maler.device());
        const QFontMetricsF kopf(m_kopf, m_maler.device());
        const qreal rand = 2 * innen();
        // A figure never wraps: its column is as wide as its widest figure, and
        // as its head's longest word as far as that goes. The text columns take
        // what is left, each at least a little, and wrap a long name or reason.
        const std::size_t n = t.spalten.size();
        std::vector<qreal> natur(n), mindest(n);
        for (std::size_t s = 0; s < n; ++s) {
            qreal wort = 0;
            for (const QString& w : t.spalten[s].name.split(u' '))
                wort = std::max(wort, kopf.horizontalAdvance(w));
            const qreal hoechstens = (t.spalten[s].art == Listenspalte::Art::Status ? 60 : 38) * m_mm;
            qreal breite = 0;
            for (const QStringList& zeile : t.zeilen)
                breite = std::max(breite, std::min(hoechstens, zelle.horizontalAdvance(zeile[s])));
            if (t.spalten[s].zahlen) {
                natur[s] = mindest[s] = std::max(breite, std::min(wort, 11 * m_mm)) + rand;
            } else {
                natur[s] = std::max(breite, wort) + rand;
                // The name and the status (a reason is a sentence) keep more room.
                const bool breit = s == 0 || t.spalten[s].art == Listenspalte::Art::Status;
                mindest[s] = std::min(natur[s], (breit ? 26 : 12) * m_mm);
            }
        }
        const auto summe = [](const std::vector<qreal>& v) {
            qreal s = 0;
            for (qreal x : v)
                s += x;
            return s;
        };
        t.breiten = natur;
        if (summe(natur) > m_seite.width()) {
            qreal fest = 0, frei = 0, unten = 0;
            for (std::size_t s = 0; s < n; ++s) {
                if (t.spalten[s].zahlen) {
                    fest += natur[s];
                } else {
                    frei += natur[s];
                    unten += mindest[s];
                }
            }
            const qreal platz = m_seite.width() - fest;
            if (platz >= unten && frei > unten) {
                for (std::size_t s = 0; s < n; ++s)
                    if (!t.spalten[s].zahlen)
                        t.breiten[s] = mindest[s] + (natur[s] - mindest[s]) * (platz - unten) / (frei - unten);
            } else {
                // More columns than a page holds: all of them narrower alike.
                for (qreal& b : t.breiten)
                    b *= m_seite.width() / summe(natur);
            }
        }

        t.kopfhoehe = 0;
        for (std::size_t s = 0; s < t.spalten.size(); ++s)
            t.kopfhoehe = std::max(t.kopfhoehe, hoehe(kopf, t.spalten[s].name, t.breiten[s]));
        t.hoehen.clear();
        for (const QStringList& zeile : t.zeilen) {
            qreal h = 0;
            for (std::size_t s = 0; s < t.spalten.size(); ++s)
                h = std::max(h, hoehe(zelle, zeile[s], t.breiten[s]));
            t.hoehen.push_back(h);
        }
    }

    // Lines [von, bis) of each page, and whether the totals stand on it.
    struct Seite {
        std::size_t von = 0, bis = 0;
        bool tabelle = true;
    };

    std::vector<Seite> umbrechen(const Tabelle& t, qreal summenhoehe) const
    {
        std::vector<Seite> seiten{{0, 0}};
        qreal y = tabellenanfang() + t.kopfhoehe;
        for (std::size_t i = 0; i < t.hoehen.size(); ++i) {
            if (y + t.hoehen[i] > tabellenende() && seiten.back().bis > seiten.back().von) {
                seiten.push_back({i, i});
                y = tabellenanfang() + t.kopfhoehe;
            }
            y += t.hoehen[i];
            seiten.back().bis = i + 1;
        }
        if (y + summenhoehe + abstand() > tabellenende())
            seiten.push_back({t.hoehen.size(), t.hoehen.size(), false});
        return seiten;
    }

    qreal summenhoehe(const QString& summen) const
    {
        return hoehe(QFontMetricsF(m_klein, m_maler.device()), summen, m_seite.width()) + abstand();
    }

    void seiteZeichnen(const Tabelle& t, const Seite& s, int nummer, int seiten, const QString& titel,
                       const QString& datum, const QString& datenbasis)
    {
        QPainter& m = m_maler;
        m.setPen(Qt::black);
        m.setFont(m_titel);
        const QFontMetricsF titelmass(m_titel, m.device());
        m.drawText(QRectF(0, 0, m_seite.width(), titelmass.height()), Qt::AlignLeft | Qt::AlignTop, titel);
        m.setFont(m_klein);
        m.drawText(QRectF(0, 0, m_seite.width(), titelmass.height()), Qt::AlignRight | Qt::AlignBottom, datum);
        m.drawText(QRectF(0, titelmass.height(), m_seite.width(), zeilenhoehe()), Qt::AlignLeft | Qt::AlignTop,
                   datenbasis);
        m.drawText(QRectF(0, m_seite.height() - zeilenhoehe(), m_seite.width(), zeilenhoehe()),
                   Qt::AlignLeft | Qt::AlignBottom, text(programmname));
        m.drawText(QRectF(0, m_seite.height() - zeilenhoehe(), m_seite.width(), zeilenhoehe()),
                   Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Seite %1 von %2").arg(nummer).arg(seiten));
        if (!s.tabelle)
            return;

        qreal y = tabellenanfang();
        m.setFont(m_kopf);
        zeileZeichnen(t, y, t.kopfhoehe, [&](std::size_t spalte) { return t.spalten[spalte].name; });
        y += t.kopfhoehe;
        m.drawLine(QPointF(0, y), QPointF(m_seite.width(), y));
        m.setFont(m_zelle);
        for (std::size_t i = s.von; i < s.bis; ++i) {
            if (t.abgelehnt[i])
                m.fillRect(QRectF(0, y, m_seite.width(), t.hoehen[i]), QColor(0xfd, 0xe2, 0xe2));
            zeileZeichnen(t, y, t.hoehen[i], [&](std::size_t spalte) { return t.zeilen[i][spalte]; });
            y += t.hoehen[i];
            m.setPen(QColor(0xcc, 0xcc, 0xcc));
            m.drawLine(QPointF(0, y), QPointF(m_seite.width(), y));
            m.setPen(Qt::black);
        }
        m_unten = y;
    }

    void summenZeichnen(const QString& summen, bool aufNeuerSeite)
    {
        const qreal y = (aufNeuerSeite ? tabellenanfang() : m_unten) + abstand();
        m_maler.setFont(m_klein);
        m_maler.drawText(QRectF(0, y, m_seite.width(), m_seite.height() - y), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         summen);
    }

private:
    qreal innen() const { return 1.2 * m_mm; }
    qreal abstand() const { return 4 * m_mm; }
    qreal zeilenhoehe() const { return QFontMetricsF(m_klein, m_maler.device()).height(); }
    qreal tabellenanfang() const
    {
        return QFontMetricsF(m_titel, m_maler.device()).height() + zeilenhoehe() + abstand();
    }
    qreal tabellenende() const { return m_seite.height() - zeilenhoehe() - abstand(); }

    static int umbruch(const QFontMetricsF& mass, const QString& text, qreal breite)
    {
        // A word longer than its column breaks anywhere rather than run into the next one.
        const QStringList woerter = text.split(u' ');
        const bool passt = std::all_of(woerter.begin(), woerter.end(),
                                       [&](const QString& w) { return mass.horizontalAdvance(w) <= breite; });
        return passt ? Qt::TextWordWrap : Qt::TextWrapAnywhere;
    }

    qreal hoehe(const QFontMetricsF& mass, const QString& text, qreal breite) const
    {
        const qreal innenbreite = breite - 2 * innen();
        if (mass.horizontalAdvance(text) <= innenbreite)
            return mass.height() + innen();
        return mass.boundingRect(QRectF(0, 0, innenbreite, 1e9), umbruch(mass, text, innenbreite), text).height()
               + innen();
    }

    template <typename Text>
    void zeileZeichnen(const Tabelle& t, qreal y, qreal h, Text textVon)
    {
        const QFontMetricsF mass(m_maler.font(), m_maler.device());
        qreal x = 0;
        for (std::size_t s = 0; s < t.spalten.size(); ++s) {
            const QRectF feld(x + innen(), y + innen() / 2, t.breiten[s] - 2 * innen(), h - innen());
            const QString inhalt = textVon(s);
            const int ausrichtung = t.spalten[s].zahlen ? Qt::AlignRight : Qt::AlignLeft;
            m_maler.drawText(feld, ausrichtung | Qt::AlignTop | umbruch(mass, inhalt, feld.width()), inhalt);
            x += t.breiten[s];
        }
    }

    QPainter& m_maler;
    QRectF m_seite;
    qreal m_mm;
    QFont m_zelle, m_kopf, m_titel, m_klein;
    qreal m_unten = 0;
};

} // namespace

QString listeAlsPdf(const QString& dateiname, const Strassenliste& liste, const std::vector<int>& reihenfolge,
                    const QString& listenname, const QDate& datum)
{
    Tabelle t;
    t.spalten = anzeigespalten(liste);
    for (int i : reihenfolge) {
        const Listenzeile& zeile = liste.zeilen[static_cast<std::size_t>(i)];
        QStringList zellen;
        for (const Listenspalte& s : t.spalten)
            zellen << zellentext(liste, zeile, s);
        t.zeilen.push_back(zellen);
        t.abgelehnt.push_back(!zeile.berechnet());
    }
    const QString titel = QStringLiteral("Straßenliste „%1“").arg(listenname);
    const QString erstellt =
        QStringLiteral("Erstellt am %1").arg(QLocale(QLocale::German).toString(datum, QStringLiteral("d. MMMM yyyy")));
    const QString datenbasis = QString::fromStdString(datenbasistext(liste.grundlage));
    QString summen = QStringLiteral("Summe: ") + QString::fromStdString(summentext(liste.summe));
    if (const QString fehler = fehlerzeile(liste.summe); !fehler.isEmpty())
        summen += QStringLiteral("\n") + fehler;

    return dateiSchreiben(dateiname, [&](QIODevice& datei) -> QString {
        QPdfWriter pdf(&datei);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                      QPageLayout::Millimeter));
        pdf.setTitle(titel);
        pdf.setCreator(text(programmname));
        QPainter maler;
        if (!maler.begin(&pdf))
            return QStringLiteral("Das PDF ließ sich nicht anlegen.");
        Listendruck druck(pdf, maler);
        druck.tabelleMessen(t);
        const std::vector<Listendruck::Seite> seiten = druck.umbrechen(t, druck.summenhoehe(summen));
        for (std::size_t i = 0; i < seiten.size(); ++i) {
            if (i > 0 && !pdf.newPage())
                return QStringLiteral("Das PDF ließ sich nicht fortsetzen.");
            druck.seiteZeichnen(t, seiten[i], static_cast<int>(i) + 1, static_cast<int>(seiten.size()), titel,
                                erstellt, datenbasis);
        }
        druck.summenZeichnen(summen, !seiten.back().tabelle);
        return maler.end() ? QString() : QStringLiteral("Das PDF ließ sich nicht fertigstellen.");
    });
}

} // namespace grobrechner

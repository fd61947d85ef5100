#include "bericht.h"

#include "programm.h"

#include <QColor>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <memory>
#include <utility>

namespace grobrechner {

QFont berichtsschrift(double punkte, bool fett)
{
    QFont schrift(berichtsstil::schriftart);
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSizeF(punkte);
    schrift.setBold(fett);
    return schrift;
}

namespace {

const QColor akzent(QStringLiteral("#1d3a6b")); // the word mark's blue
const QColor grau(QStringLiteral("#4d4d4d"));
const QColor linienfarbe(QStringLiteral("#c4c4c4"));

constexpr int umbruch = Qt::TextWordWrap;

// Lengths on the writer, whose units are its dots.
struct Masse {
    explicit Masse(const QPaintDevice& geraet)
        : pt(geraet.logicalDpiY() / 72.0)
        , mm(geraet.logicalDpiY() / 25.4)
    {
    }
    double pt;
    double mm;
};

// A piece of the flow that is never split across pages.
struct Stueck {
    double hoehe = 0;
    double abstandDavor = 0;   // dropped at the top of a page
    bool mitNaechstem = false; // stands on the page of the piece after it
    bool mitVorigem = false;   // stands on the page of the piece before it
    int tabelle = -1;          // of a table's row or head: the table's number
    bool kopf = false;         // the column heads of `tabelle`
    std::function<void(QPainter&, const QRectF&)> zeichnen;
};

// Measures and draws texts on the writer, so that what is measured in the
// first pass is what is drawn in the second.
class Texte {
public:
    explicit Texte(const QPaintDevice& geraet)
        : m_geraet(geraet)
    {
    }

    double hoehe(const QFont& schrift, const QString& text, double breite, int ausrichtung = Qt::AlignLeft) const
    {
        const QFontMetricsF masse(schrift, &m_geraet);
        if (text.isEmpty())
            return masse.height();
        return masse.boundingRect(QRectF(0, 0, breite, 1e9), ausrichtung | umbruch, text).height();
    }
    double breite(const QFont& schrift, const QString& text) const
    {
        return QFontMetricsF(schrift, &m_geraet).horizontalAdvance(text);
    }
    // The widest word: narrower than that, a wrapping text runs over its edge.
    double wortbreite(const QFont& schrift, const QString& text) const
    {
        double breitestes = 0;
        // Lines break at blanks and after hyphens.
        static const QRegularExpression fuge(QStringLiteral("\\s+|(?<=-)"));
        for (const QString& wort : text.split(fuge, Qt::SkipEmptyParts))
            breitestes = std::max(breitestes, breite(schrift, wort));
        return breitestes;
    }

private:
    const QPaintDevice& m_geraet;
};

void schreiben(QPainter& maler, const QRectF& rahmen, const QFont& schrift, const QColor& farbe, int ausrichtung,
               const QString& text)
{
    maler.setFont(schrift);
    maler.setPen(farbe);
    maler.drawText(rahmen, ausrichtung | umbruch, text);
}

void linie(QPainter& maler, QPointF von, QPointF bis, const QColor& farbe, double breite)
{
    maler.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::FlatCap));
    maler.drawLine(von, bis);
}

// A block of text over the whole width.
Stueck textstueck(const Texte& texte, double breite, const QFont& schrift, const QColor& farbe, const QString& text,
                  double abstandDavor)
{
    Stueck s;
    s.hoehe = texte.hoehe(schrift, text, breite);
    s.abstandDavor = abstandDavor;
    s.zeichnen = [=](QPainter& maler, const QRectF& r) { schreiben(maler, r, schrift, farbe, Qt::AlignLeft, text); };
    return s;
}

Stueck ueberschriftstueck(const Texte& texte, const Masse& m, double breite, const QString& text, double abstandDavor)
{
    const QFont schrift = berichtsschrift(berichtsstil::ueberschrift, true);
    Stueck s;
    const double unten = 2.5 * m.pt;
    s.hoehe = texte.hoehe(schrift, text, breite) + unten;
    s.abstandDavor = abstandDavor;
    s.mitNaechstem = true;
    s.zeichnen = [=](QPainter& maler, const QRectF& r) {
        schreiben(maler, r.adjusted(0, 0, 0, -unten), schrift, akzent, Qt::AlignLeft, text);
        linie(maler, r.bottomLeft() - QPointF(0, unten / 2), r.bottomRight() - QPointF(0, unten / 2), akzent,
              0.6 * m.pt);
    };
    return s;
}

// --- Tables --------------------------------------------------------------------

// A table's columns laid out on the width, and its rows as pieces.
class Tabellensatz {
public:
    Tabellensatz(const Berichtstabelle& tabelle, const Texte& texte, const Masse& masse, double breite)
        : m_tabelle(tabelle)
        , m_texte(texte)
        , m_m(masse)
        , m_breite(breite)
        , m_rand(3 * masse.pt)
        , m_luft(2.2 * masse.pt)
    {
        spaltenbreiten();
    }

    // The head (where the table has one) and its rows, in their order.
    std::vector<Stueck> stuecke(int nummer) const
    {
        std::vector<Stueck> alle;
        if (!m_tabelle.koepfe.empty()) {
            Stueck kopf = zellenstueck(m_tabelle.koepfe, kopfschrift(), akzent, 0.9 * m_m.pt, false);
            kopf.kopf = true;
            kopf.mitNaechstem = true;
            alle.push_back(std::move(kopf));
        }
        for (const Berichtszeile& z : m_tabelle.zeilen) {
            Stueck s;
            switch (z.art) {
            case Berichtszeile::Art::Ueberschrift:
                s = ueberschriftstueck(m_texte, m_m, m_breite, text(z), 0);
                break;
            case Berichtszeile::Art::Anmerkung: {
                QFont schrift = berichtsschrift(berichtsstil::klein);
                schrift.setItalic(true);
                s = textstueck(m_texte, m_breite - 2 * m_rand, schrift, grau, text(z), 0);
                s.hoehe += m_luft;
                const auto zeichnen = s.zeichnen;
                const double rand = m_rand;
                s.zeichnen = [zeichnen, rand](QPainter& maler, const QRectF& r) {
                    zeichnen(maler, r.adjusted(rand, 0, -rand, 0));
                };
                s.mitVorigem = true;
                break;
            }
            case Berichtszeile::Art::Werte:
                s = zellenstueck(z.zellen, berichtsschrift(berichtsstil::text, z.betont), Qt::black, 0, z.betont);
                break;
            }
            s.abstandDavor = z.abstandDavor * m_m.pt;
            alle.push_back(std::move(s));
        }
        for (Stueck& s : alle)
            s.tabelle = nummer;
        return alle;
    }

    // How narrow each column can be: a fixed one as wide as its texts on one
    // line, one with a weight as its widest word.
    const std::vector<double>& mindestbreiten() const { return m_mindest; }

private:
    static QString text(const Berichtszeile& z) { return z.zellen.empty() ? QString() : z.zellen.front().text; }
    static QFont kopfschrift() { return berichtsschrift(berichtsstil::klein, true); }

    std::size_t spalten() const { return m_tabelle.spalten.size(); }
    bool fest(std::size_t spalte) const { return m_tabelle.spalten[spalte].gewicht <= 0; }

    // Fixed columns as wide as their widest text, which stays on one line; a
    // cell over several of them (a text in place of figure and unit, a head)
    // makes them at least as wide as its widest word. The width the columns with a
    // weight can spare beyond their widest words and a third of the table
    // then goes to the texts over several columns, in their order, so that
    // they wrap less; the rest is shared by weight.
    void spaltenbreiten()
    {
        const std::size_t n = spalten();
        m_breiten.assign(n, 0);
        for (std::size_t c = 0; c < n; ++c)
            m_breiten[c] = m_tabelle.spalten[c].mindestbreite * m_m.mm;
        double boden = 0; // what the columns with a weight need at least
        std::vector<double> woerter(n, 0);
        struct Spanne {
            std::size_t anfang, ende;
            double ganz;
        };
        std::vector<Spanne> spannen;
        const auto durchlaufen = [&](const std::vector<Berichtszelle>& zellen, const QFont& schrift, bool zeile) {
            std::size_t c = 0;
            for (const Berichtszelle& z : zellen) {
                const std::size_t ende = std::min(n, c + static_cast<std::size_t>(std::max(1, z.spalten)));
                bool alleFest = true;
                for (std::size_t k = c; k < ende; ++k)
                    alleFest = alleFest && fest(k);
                const double wort = m_texte.wortbreite(schrift, z.text) + 2 * m_rand;
                if (!alleFest && ende - c == 1)
                    woerter[c] = std::max(woerter[c], wort);
                if (alleFest && ende > c) {
                    const double ganz = m_texte.breite(schrift, z.text) + 2 * m_rand;
                    weiten(c, ende, ende - c == 1 && zeile ? ganz : wort);
                    if (ende - c > 1 && zeile)
                        spannen.push_back({c, ende, ganz});
                }
                c = ende;
            }
        };
        durchlaufen(m_tabelle.koepfe, kopfschrift(), false);
        for (const Berichtszeile& z : m_tabelle.zeilen)
            if (z.art == Berichtszeile::Art::Werte)
                durchlaufen(z.zellen, berichtsschrift(berichtsstil::text, z.betont), true);
        m_mindest.assign(n, 0);
        for (std::size_t c = 0; c < n; ++c)
            m_mindest[c] = fest(c) ? m_breiten[c] : woerter[c];
        double gewichte = 0;
        for (std::size_t c = 0; c < n; ++c)
            if (!fest(c)) {
                gewichte += m_tabelle.spalten[c].gewicht;
                boden += woerter[c];
            }
        if (gewichte > 0)
            boden = std::max(boden, m_breite / 3);
        for (const Spanne& sp : spannen)
            weiten(sp.anfang, sp.ende, std::min(sp.ganz, breite(sp.anfang, sp.ende) + m_breite - boden - belegt()));
        // A column whose share would be narrower than its widest word keeps
        // that width, and the others share what is left, so that together
        // they stay within the table's width.
        std::vector<bool> amWort(n, false);
        double frei = 0, teiler = 0;
        for (bool weiter = true; weiter;) {
            weiter = false;
            frei = std::max(0.0, m_breite - belegt());
            teiler = 0;
            for (std::size_t c = 0; c < n; ++c) {
                if (fest(c))
                    continue;
                if (amWort[c])
                    frei -= woerter[c];
                else
                    teiler += m_tabelle.spalten[c].gewicht;
            }
            for (std::size_t c = 0; c < n; ++c)
                if (!fest(c) && !amWort[c] && std::max(0.0, frei) * m_tabelle.spalten[c].gewicht / teiler < woerter[c])
                    amWort[c] = weiter = true;
        }
        for (std::size_t c = 0; c < n; ++c)
            if (!fest(c))
                m_breiten[c] = amWort[c] ? woerter[c] : std::max(0.0, frei) * m_tabelle.spalten[c].gewicht / teiler;
    }

    double breite(std::size_t anfang, std::size_t ende) const
    {
        double summe = 0;
        for (std::size_t k = anfang; k < ende; ++k)
            summe += m_breiten[k];
        return summe;
    }
    // The width of the fixed columns.
    double belegt() const
    {
        double summe = 0;
        for (std::size_t c = 0; c < spalten(); ++c)
            if (fest(c))
                summe += m_breiten[c];
        return summe;
    }
    // Widens the first of the columns so that together they are `noetig`
    // wide: over a figure and its unit, the figure's column, so that the
    // figures of all tables keep their place beside units of one width.
    void weiten(std::size_t anfang, std::size_t ende, double noetig)
    {
        const double da = breite(anfang, ende);
        if (noetig > da)
            m_breiten[anfang] += noetig - da;
    }

    // The cells side by side, each wrapping within its columns; a total is
    // ruled above, every other row below, the heads below in the accent.
    Stueck zellenstueck(const std::vector<Berichtszelle>& zellen, const QFont& schrift, const QColor& farbe,
                        double kopflinie, bool betont) const
    {
        struct Lage {
            double x, breite;
            int ausrichtung;
            QString text;
        };
        std::vector<Lage> lagen;
        double x = 0, hoehe = 0;
        std::size_t c = 0;
        for (const Berichtszelle& z : zellen) {
            if (c >= spalten())
                break;
            const std::size_t ende = std::min(spalten(), c + static_cast<std::size_t>(std::max(1, z.spalten)));
            double breite = 0;
            for (std::size_t k = c; k < ende; ++k)
                breite += m_breiten[k];
            const int ausrichtung =
                (z.ausrichtung.value_or(m_tabelle.spalten[c].ausrichtung) & Qt::AlignHorizontal_Mask).toInt()
                | Qt::AlignTop;
            lagen.push_back({x + m_rand, breite - 2 * m_rand, ausrichtung, z.text});
            hoehe = std::max(hoehe, m_texte.hoehe(schrift, z.text, breite - 2 * m_rand, ausrichtung));
            x += breite;
            c = ende;
        }
        const double breite = this->breite(0, spalten());
        const double luft = m_luft;
        const double duenn = 0.4 * m_m.pt, dick = 0.8 * m_m.pt;
        Stueck s;
        s.hoehe = std::max(hoehe, m_texte.hoehe(schrift, QString(), 0)) + 2 * luft;
        s.zeichnen = [=](QPainter& maler, const QRectF& r) {
            for (const Lage& l : lagen)
                schreiben(maler, QRectF(r.left() + l.x, r.top() + luft, l.breite, r.height() - 2 * luft), schrift,
                          farbe, l.ausrichtung, l.text);
            const double rechts = r.left() + breite;
            if (kopflinie > 0)
                linie(maler, {r.left(), r.bottom()}, {rechts, r.bottom()}, akzent, kopflinie);
            else if (betont)
                linie(maler, {r.left(), r.top()}, {rechts, r.top()}, akzent, dick);
            else
                linie(maler, {r.left(), r.bottom()}, {rechts, r.bottom()}, linienfarbe, duenn);
        };
        return s;
    }

    const Berichtstabelle& m_tabelle;
    const Texte& m_texte;
    Masse m_m;
    double m_breite;
    double m_rand; // left and right of a cell's text
    double m_luft; // above and below it
    std::vector<double> m_breiten;
    std::vector<double> m_mindest;
};

// The cells of a row (or the heads) over the columns of a part, in their
// order: each cell over as many of them as it spans; one over none is left out.
std::vector<Berichtszelle> zellenIn(const std::vector<Berichtszelle>& zellen, const std::vector<std::size_t>& spalten)
{
    std::vector<Berichtszelle> teil;
    std::size_t c = 0;
    for (const Berichtszelle& z : zellen) {
        const std::size_t ende = c + static_cast<std::size_t>(std::max(1, z.spalten));
        const auto anzahl =
            std::count_if(spalten.begin(), spalten.end(), [&](std::size_t s) { return s >= c && s < ende; });
        if (anzahl > 0) {
            teil.push_back(z);
            teil.back().spalten = static_cast<int>(anzahl);
        }
        c = ende;
    }
    return teil;
}

// The columns of each part of a table (see Berichtstabelle): all of them in
// one when they fit the width.
std::vector<std::vector<std::size_t>> spaltenteile(const std::vector<double>& mindest, std::size_t kennspalten,
                                                   double breite)
{
    const std::size_t n = mindest.size();
    const std::size_t kenn = std::min(kennspalten, n);
    double vorn = 0;
    for (std::size_t c = 0; c < kenn; ++c)
        vorn += mindest[c];
    // As many columns to a part as `platz` holds, at least one beside those in front.
    const auto packen = [&](double platz) {
        std::vector<std::vector<std::size_t>> teile;
        double belegt = 0;
        for (std::size_t c = kenn; c < n; ++c) {
            if (teile.empty() || (belegt + mindest[c] > platz && teile.back().size() > kenn)) {
                teile.emplace_back();
                for (std::size_t k = 0; k < kenn; ++k)
                    teile.back().push_back(k);
                belegt = vorn;
            }
            teile.back().push_back(c);
            belegt += mindest[c];
        }
        return teile;
    };
    std::vector<std::vector<std::size_t>> teile = packen(breite);
    if (teile.size() <= 1) {
        std::vector<std::size_t> alle(n);
        for (std::size_t c = 0; c < n; ++c)
            alle[c] = c;
        return {alle};
    }
    // The narrowest width that needs no more parts: the last part is not left
    // with a column or two while the others are full.
    double unten = vorn, oben = breite;
    for (int schritt = 0; schritt < 40; ++schritt) {
        const double mitte = (unten + oben) / 2;
        (packen(mitte).size() <= teile.size() ? oben : unten) = mitte;
    }
    return packen(oben);
}

// A part of a table with the given columns (see Berichtstabelle).
Berichtstabelle teiltabelle(const Berichtstabelle& tabelle, const std::vector<std::size_t>& spalten, bool letzter)
{
    Berichtstabelle teil;
    for (std::size_t c : spalten)
        teil.spalten.push_back(tabelle.spalten[c]);
    teil.koepfe = zellenIn(tabelle.koepfe, spalten);
    bool vorige = true; // whether the row before stands in this part
    for (const Berichtszeile& z : tabelle.zeilen) {
        const bool ueberAlle = z.art == Berichtszeile::Art::Werte && z.zellen.size() == 1
                               && static_cast<std::size_t>(z.zellen.front().spalten) >= tabelle.spalten.size();
        if (z.art == Berichtszeile::Art::Anmerkung ? !vorige : ueberAlle && !letzter) {
            vorige = false;
            continue;
        }
        teil.zeilen.push_back(z);
        if (z.art == Berichtszeile::Art::Werte)
            teil.zeilen.back().zellen = zellenIn(z.zellen, spalten);
        vorige = true;
    }
    return teil;
}

// --- The page frame ----------------------------------------------------------------

// The word mark as it stands on white paper. PDF/A-1 knows no transparency,
// and Qt's writer drops it there, which would leave the light cone one solid
// block; a translucent colour on white is that colour mixed with white, so
// the stops of its gradient are given that colour, opaque.
QByteArray wortmarke()
{
    QFile datei(QStringLiteral(":/bilder/lumenstelle.svg"));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    const QString svg = QString::fromUtf8(datei.readAll());
    static const QRegularExpression stopp(
        QStringLiteral("stop-color=\"(#[0-9a-fA-F]{6})\"\\s+stop-opacity=\"([0-9.]+)\""));
    QString deckend;
    qsizetype bis = 0;
    for (auto treffer = stopp.globalMatch(svg); treffer.hasNext();) {
        const QRegularExpressionMatch t = treffer.next();
        const QColor farbe(t.captured(1));
        const double deckung = std::clamp(t.captured(2).toDouble(), 0.0, 1.0);
        const auto mischen = [deckung](int anteil) { return qRound(255 - deckung * (255 - anteil)); };
        deckend += svg.mid(bis, t.capturedStart() - bis)
                   + QStringLiteral("stop-color=\"%1\"")
                         .arg(QColor(mischen(farbe.red()), mischen(farbe.green()), mischen(farbe.blue())).name());
        bis = t.capturedEnd();
    }
    return (deckend + svg.mid(bis)).toUtf8();
}

class Seitenrahmen {
public:
    Seitenrahmen(const Berichtskopf& kopf, const Texte& texte, const Masse& m, const QRectF& seite)
        : m_kopf(kopf)
        , m_m(m)
        , m_seite(seite)
        , m_wortmarke(wortmarke())
    {
        m_markenhoehe = 9 * m.mm;
        m_kopfhoehe = m_markenhoehe + 2.5 * m.mm;
        m_seitenzahlbreite = texte.breite(klein(), seitenzahl(999, 999));
        m_fusstext = seite.width() - m_seitenzahlbreite - 6 * m.mm;
        m_fusshoehe = 2.5 * m.mm + std::max(texte.hoehe(klein(), kopf.fusszeile, m_fusstext), texte.hoehe(klein(), {}, 0));
    }

    // Where the pieces of the flow go, with room left below the header.
    QRectF koerper() const
    {
        const double oben = m_kopfhoehe + 6 * m_m.mm;
        return QRectF(m_seite.left(), m_seite.top() + oben, m_seite.width(),
                      m_seite.height() - oben - m_fusshoehe - 4 * m_m.mm);
    }

    void zeichnen(QPainter& maler, int seite, int seiten) const
    {
        const QRectF& s = m_seite;
        QSvgRenderer marke(m_wortmarke);
        const QSizeF standard = marke.defaultSize();
        const double markenbreite =
            standard.height() > 0 ? m_markenhoehe * standard.width() / standard.height() : m_markenhoehe * 4;
        if (marke.isValid())
            marke.render(&maler, QRectF(s.left(), s.top(), markenbreite, m_markenhoehe));
        schreiben(maler, QRectF(s.left() + markenbreite, s.top(), s.width() - markenbreite, m_markenhoehe), klein(),
                  grau, Qt::AlignRight | Qt::AlignBottom, QString::fromUtf8(programmname.data(), static_cast<qsizetype>(programmname.size())));
        linie(maler, {s.left(), s.top() + m_kopfhoehe}, {s.right(), s.top() + m_kopfhoehe}, akzent, 0.8 * m_m.pt);

        const double fuss = s.bottom() - m_fusshoehe;
        linie(maler, {s.left(), fuss}, {s.right(), fuss}, linienfarbe, 0.6 * m_m.pt);
        const double text = fuss + 2.5 * m_m.mm;
        schreiben(maler, QRectF(s.left(), text, m_fusstext, s.bottom() - text), klein(), grau,
                  Qt::AlignLeft | Qt::AlignTop, m_kopf.fusszeile);
        schreiben(maler, QRectF(s.right() - m_seitenzahlbreite, text, m_seitenzahlbreite, s.bottom() - text), klein(),
                  grau, Qt::AlignRight | Qt::AlignTop, seitenzahl(seite, seiten));
    }

private:
    static QFont klein() { return berichtsschrift(berichtsstil::klein); }
    static QString seitenzahl(int seite, int seiten) { return QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten); }

    const Berichtskopf& m_kopf;
    Masse m_m;
    QRectF m_seite;
    QByteArray m_wortmarke;
    double m_markenhoehe = 0;
    double m_kopfhoehe = 0;
    double m_seitenzahlbreite = 0;
    double m_fusstext = 0; // the width of the footer line
    double m_fusshoehe = 0;
};

// --- The flow ------------------------------------------------------------------------

struct Platz {
    std::size_t stueck;
    double oben; // from the top of the page's body
};
using Seite = std::vector<Platz>;

// Lays the pieces on pages of the given height: a piece goes onto the next
// page when it does not fit, and so do the pieces it must stand with, unless
// they would not fit on a page of their own either. A table row that opens a
// page is preceded by its table's heads.
std::vector<Seite> umbrechen(const std::vector<Stueck>& stuecke, double hoehe)
{
    std::vector<std::size_t> koepfe;
    for (std::size_t i = 0; i < stuecke.size(); ++i)
        if (stuecke[i].kopf) {
            koepfe.resize(std::max(koepfe.size(), static_cast<std::size_t>(stuecke[i].tabelle) + 1), stuecke.size());
            koepfe[static_cast<std::size_t>(stuecke[i].tabelle)] = i;
        }
    std::vector<Seite> seiten(1);
    double y = 0;
    for (std::size_t i = 0; i < stuecke.size(); ++i) {
        const Stueck& s = stuecke[i];
        const double davor = seiten.back().empty() ? 0 : s.abstandDavor;
        double kette = davor + s.hoehe;
        for (std::size_t j = i; j + 1 < stuecke.size() && (stuecke[j].mitNaechstem || stuecke[j + 1].mitVorigem); ++j)
            kette += stuecke[j + 1].abstandDavor + stuecke[j + 1].hoehe;
        if (kette > hoehe)
            kette = davor + s.hoehe;
        double abstand = davor;
        if (!seiten.back().empty() && y + kette > hoehe) {
            seiten.emplace_back();
            y = 0;
            abstand = 0;
            const auto t = static_cast<std::size_t>(s.tabelle);
            if (s.tabelle >= 0 && !s.kopf && t < koepfe.size() && koepfe[t] < stuecke.size()) {
                seiten.back().push_back({koepfe[t], 0});
                y = stuecke[koepfe[t]].hoehe;
            }
        }
        y += abstand;
        seiten.back().push_back({i, y});
        y += s.hoehe;
    }
    return seiten;
}

} // namespace

Bericht::Bericht(Berichtskopf kopf, QPageLayout::Orientation ausrichtung)
    : m_kopf(std::move(kopf))
    , m_ausrichtung(ausrichtung)
{
}

void Bericht::ueberschrift(const QString& text) { m_bloecke.emplace_back(Ueberschrift{text}); }

void Bericht::absatz(const QString& text) { m_bloecke.emplace_back(Absatz{text}); }

void Bericht::tabelle(Berichtstabelle tabelle) { m_bloecke.emplace_back(std::move(tabelle)); }

void Bericht::zeichnung(double hoehe, Zeichner zeichnen, const QString& unterschrift)
{
    m_bloecke.emplace_back(Zeichnung{hoehe, std::move(zeichnen), unterschrift});
}

QString Bericht::schreiben(QIODevice& ziel, const Dokumentangaben& angaben) const
{
    const QPageLayout seite(QPageSize(QPageSize::A4), m_ausrichtung, QMarginsF(20, 12, 15, 12), QPageLayout::Millimeter);
    return pdfaSchreiben(ziel, angaben, seite, [&](QPdfWriter& pdf) -> QString {
        const Texte texte(pdf);
        const Masse m(pdf);
        const Seitenrahmen rahmen(m_kopf, texte, m, QRectF(QPointF(), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()));
        const QRectF koerper = rahmen.koerper();
        const double breite = koerper.width();

        // First pass: the pieces, each measured.
        std::vector<Stueck> stuecke;
        Stueck titel = textstueck(texte, breite, berichtsschrift(berichtsstil::titel, true), akzent, m_kopf.titel, 0);
        titel.hoehe += 2 * m.pt;
        stuecke.push_back(std::move(titel));
        if (!m_kopf.untertitel.isEmpty())
            stuecke.push_back(textstueck(texte, breite, berichtsschrift(berichtsstil::untertitel, true), Qt::black,
                                         m_kopf.untertitel, 2 * m.pt));
        for (const QString& zeile : m_kopf.angaben)
            stuecke.push_back(textstueck(texte, breite, berichtsschrift(berichtsstil::text), Qt::black, zeile, 2 * m.pt));
        for (Stueck& s : stuecke)
            s.mitNaechstem = true;
        const std::size_t titelblock = stuecke.size();
        int tabellen = 0;
        bool nachUeberschrift = false; // which keeps the room above itself
        for (const Block& block : m_bloecke) {
            const double abstand = nachUeberschrift ? 0 : (stuecke.size() == titelblock ? 8 : 12) * m.pt;
            nachUeberschrift = std::holds_alternative<Ueberschrift>(block);
            if (const auto* u = std::get_if<Ueberschrift>(&block)) {
                stuecke.push_back(ueberschriftstueck(texte, m, breite, u->text, abstand));
            } else if (const auto* a = std::get_if<Absatz>(&block)) {
                stuecke.push_back(textstueck(texte, breite, berichtsschrift(berichtsstil::text), Qt::black, a->text, 4 * m.pt));
            } else if (const auto* t = std::get_if<Berichtstabelle>(&block)) {
                // A table that fits is set as it was measured; the parts of a
                // wider one are measured each on its own.
                const Tabellensatz ganz(*t, texte, m, breite);
                const auto teile = spaltenteile(ganz.mindestbreiten(), t->kennspalten, breite);
                for (std::size_t i = 0; i < teile.size(); ++i) {
                    std::vector<Stueck> zeilen =
                        teile.size() == 1
                            ? ganz.stuecke(tabellen++)
                            : Tabellensatz(teiltabelle(*t, teile[i], i + 1 == teile.size()), texte, m, breite)
                                  .stuecke(tabellen++);
                    if (!zeilen.empty())
                        zeilen.front().abstandDavor =
                            std::max(zeilen.front().abstandDavor, i == 0 ? abstand : 12 * m.pt);
                    std::move(zeilen.begin(), zeilen.end(), std::back_inserter(stuecke));
                }
            } else if (const auto* z = std::get_if<Zeichnung>(&block)) {
                const double bild = z->hoehe * m.mm, luft = 3 * m.pt;
                const Stueck unterschrift =
                    textstueck(texte, breite, berichtsschrift(berichtsstil::text), grau, z->unterschrift, 0);
                Stueck s;
                s.hoehe = bild + (z->unterschrift.isEmpty() ? 0 : luft + unterschrift.hoehe);
                s.abstandDavor = abstand;
                const Zeichner zeichnen = z->zeichnen;
                s.zeichnen = [zeichnen, unterschrift, bild, luft](QPainter& maler, const QRectF& r) {
                    zeichnen(maler, QRectF(r.topLeft(), QSizeF(r.width(), bild)), berichtsschrift(berichtsstil::klein));
                    unterschrift.zeichnen(maler, QRectF(r.left(), r.top() + bild + luft, r.width(), unterschrift.hoehe));
                };
                stuecke.push_back(std::move(s));
            }
        }
        const std::vector<Seite> seiten = umbrechen(stuecke, koerper.height());

        // Second pass: the pages, now that their number is known.
        QPainter maler;
        if (!maler.begin(&pdf))
            return QStringLiteral("Das PDF ließ sich nicht anlegen.");
        maler.setRenderHint(QPainter::Antialiasing);
        const int anzahl = static_cast<int>(seiten.size());
        for (int nummer = 0; nummer < anzahl; ++nummer) {
            if (nummer > 0 && !pdf.newPage())
                return QStringLiteral("Das PDF ließ sich nicht fertigstellen.");
            rahmen.zeichnen(maler, nummer + 1, anzahl);
            for (const Platz& p : seiten[static_cast<std::size_t>(nummer)]) {
                const Stueck& s = stuecke[p.stueck];
                maler.save();
                s.zeichnen(maler, QRectF(koerper.left(), koerper.top() + p.oben, breite, s.hoehe));
                maler.restore();
            }
        }
        return maler.end() ? QString() : QStringLiteral("Das PDF ließ sich nicht fertigstellen.");
    });
}

} // namespace grobrechner

#include "csvlesen.h"

#include <QByteArrayView>
#include <QHash>
#include <QLocale>
#include <QStringDecoder>
#include <QStringView>

#include <algorithm>
#include <iterator>
#include <limits>
#include <optional>

namespace grobrechner {

namespace {

constexpr QChar anfuehrung = u'"';

bool zeilenende(QChar c) { return c == u'\n' || c == u'\r'; }
// A blank around a cell; a tab only where it does not separate.
bool leer(QChar c, QChar trenner) { return c != trenner && !zeilenende(c) && c.isSpace(); }
bool leer(const QStringList& zellen)
{
    return std::all_of(zellen.begin(), zellen.end(), [](const QString& z) { return z.isEmpty(); });
}

// Reads the records of a text one after the other, from pos on.
struct Leser {
    QStringView text;
    QChar trenner;
    qsizetype pos = 0;
    qsizetype offeneSpalte = 0; // the column of a quoted cell that is never closed
    qsizetype breite = 0;       // the cells a record is expected to have, to grow its list but once

    bool amEnde() const { return pos >= text.size(); }

    // The record at pos, with pos moved behind its line end; nothing when a
    // quoted cell runs to the end of the text.
    std::optional<QStringList> datensatz()
    {
        QStringList zellen;
        zellen.reserve(breite);
        const qsizetype n = text.size();
        for (;;) {
            qsizetype anfang = pos;
            while (anfang < n && leer(text[anfang], trenner))
                ++anfang;
            qsizetype ende = 0;
            if (anfang < n && text[anfang] == anfuehrung) {
                std::optional<QString> zelle = inAnfuehrung(anfang + 1);
                if (!zelle) {
                    offeneSpalte = zellen.size();
                    return std::nullopt;
                }
                // What follows the closing quote up to the separator is written, so it is kept.
                ende = feldende(pos);
                qsizetype bis = ende;
                while (bis > pos && leer(text[bis - 1], trenner))
                    --bis;
                *zelle += text.sliced(pos, bis - pos);
                zellen.append(*zelle);
            } else {
                ende = feldende(pos);
                zellen.append(text.sliced(pos, ende - pos).trimmed().toString());
            }
            if (ende == n) {
                pos = n;
                return zellen;
            }
            pos = ende + 1;
            if (text[ende] == trenner)
                continue;
            if (text[ende] == u'\r' && pos < n && text[pos] == u'\n')
                ++pos;
            return zellen;
        }
    }

    qsizetype feldende(qsizetype von) const
    {
        const qsizetype n = text.size();
        while (von < n && text[von] != trenner && !zeilenende(text[von]))
            ++von;
        return von;
    }

    // The text of a quoted cell from behind its opening quote, with pos moved
    // behind the closing one; nothing when it is never closed.
    std::optional<QString> inAnfuehrung(qsizetype von)
    {
        QString zelle;
        for (;;) {
            const qsizetype zu = text.indexOf(anfuehrung, von);
            if (zu < 0)
                return std::nullopt;
            zelle += text.sliced(von, zu - von);
            if (zu + 1 < text.size() && text[zu + 1] == anfuehrung) {
                zelle += anfuehrung;
                von = zu + 2;
                continue;
            }
            pos = zu + 1;
            return zelle;
        }
    }
};

// The separator of the header line at pos: the first of ";", tab and "," that
// occurs in it outside quotes. Which one separates is not known yet, so a
// quote opens a quoted name wherever any of them could start one.
QChar trennerDesKopfes(QStringView text, qsizetype pos)
{
    constexpr char16_t kandidaten[] = {u';', u'\t', u','};
    bool aussen[std::size(kandidaten)] = {};
    bool feldanfang = true;
    bool inAnfuehrung = false;
    for (qsizetype i = pos; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inAnfuehrung) {
            if (c != anfuehrung)
                continue;
            if (i + 1 < text.size() && text[i + 1] == anfuehrung)
                ++i;
            else
                inAnfuehrung = feldanfang = false;
            continue;
        }
        if (zeilenende(c))
            break;
        if (const auto k = std::find(std::begin(kandidaten), std::end(kandidaten), c.unicode());
            k != std::end(kandidaten)) {
            aussen[k - std::begin(kandidaten)] = true;
            feldanfang = true;
        } else if (c == anfuehrung && feldanfang) {
            inAnfuehrung = true;
        } else if (!c.isSpace()) {
            feldanfang = false;
        }
    }
    for (std::size_t k = 0; k < std::size(kandidaten); ++k)
        if (aussen[k])
            return kandidaten[k];
    return u';';
}

QString kopfPruefen(const QStringList& kopf, int zeile)
{
    // Keys folded as QString::compare(…, Qt::CaseInsensitive) folds them, so
    // that "Länge" and "LÄNGE" are one name; a hash keeps a wide header fast.
    QHash<QString, qsizetype> gesehen;
    for (qsizetype i = 0; i < kopf.size(); ++i) {
        if (kopf[i].isEmpty())
            return QStringLiteral("Zeile %1: Die Spalte %2 hat keine Überschrift; jede Spalte der Liste braucht einen "
                                  "Namen.")
                .arg(zeile)
                .arg(spaltenbuchstaben(i));
        const QString schluessel = kopf[i].toCaseFolded();
        if (const auto frueher = gesehen.constFind(schluessel); frueher != gesehen.constEnd()) {
            // Told apart only by capitals, the two would look like different names.
            const QString wie = kopf[*frueher] == kopf[i] ? QString() : QStringLiteral(" als „%1“").arg(kopf[*frueher]);
            return QStringLiteral("Zeile %1: Die Überschrift „%2“ der Spalte %3 steht schon%4 über Spalte %5; jeder "
                                  "Spaltenname darf nur einmal vorkommen, gleich wie groß oder klein geschrieben.")
                .arg(QString::number(zeile), kopf[i], spaltenbuchstaben(i), wie, spaltenbuchstaben(*frueher));
        }
        gesehen.insert(schluessel, i);
    }
    return {};
}

struct Gelesen {
    Csvtabelle tabelle;
    int kopfzeile = 0;
    QString fehler;
};

Gelesen tabelleLesen(QStringView text, int hoechsteZeilen, const Zeilenempfang& jeZeile = {})
{
    Gelesen g;
    Csvtabelle& t = g.tabelle;
    Leser leser{text, u';'};
    const auto offen = [&](int zeile) {
        g.fehler = QStringLiteral("Zeile %1, Spalte %2: Das Anführungszeichen am Anfang der Zelle wird bis zum Ende "
                                  "der Liste nicht geschlossen.")
                       .arg(QString::number(zeile), spaltenbuchstaben(leser.offeneSpalte));
        return g;
    };

    // The header is the first line that is not empty; its separator holds for the whole list.
    int zeile = 1;
    std::optional<QStringList> zellen;
    for (;; ++zeile) {
        if (leser.amEnde()) {
            g.fehler = QStringLiteral("Die Liste ist leer: Sie enthält weder eine Kopfzeile noch Straßen.");
            return g;
        }
        leser.trenner = trennerDesKopfes(text, leser.pos);
        zellen = leser.datensatz();
        if (!zellen)
            return offen(zeile);
        if (!leer(*zellen))
            break;
    }
    g.kopfzeile = zeile;
    t.trenner = leser.trenner;
    t.kopf = std::move(*zellen);
    // A name is looked up later; blanks quoted around it are no part of it.
    for (QString& name : t.kopf)
        name = name.trimmed();
    // One empty name stays, for the check to refuse a header of quoted blanks.
    while (t.kopf.size() > 1 && t.kopf.back().isEmpty())
        t.kopf.removeLast();
    g.fehler = kopfPruefen(t.kopf, zeile);
    if (!g.fehler.isEmpty())
        return g;
    leser.breite = t.kopf.size();
    int gelesen = 0;

    while (!leser.amEnde()) {
        ++zeile;
        std::optional<QStringList> datensatz = leser.datensatz();
        if (!datensatz)
            return offen(zeile);
        if (leer(*datensatz))
            continue;
        if (gelesen >= std::max(hoechsteZeilen, 0)) {
            g.fehler = QStringLiteral("Die Liste hat mehr als %1 Zeilen nach der Kopfzeile; so viele liest der "
                                      "Grobrechner nicht auf einmal. Bitte die Liste aufteilen.")
                           .arg(QLocale(QLocale::German, QLocale::Germany).toString(hoechsteZeilen));
            return g;
        }
        if (datensatz->size() < t.kopf.size())
            datensatz->resize(t.kopf.size());
        ++gelesen;
        if (jeZeile)
            jeZeile(t.kopf, {zeile, std::move(*datensatz)});
        else
            t.zeilen.push_back({zeile, std::move(*datensatz)});
    }
    return g;
}

// UTF-8 umlauts, "ß", the euro sign or typographic quotes. Read as
// Windows-1252 these bytes give "Ã¤", "â‚¬" and the like, which no German
// list holds on purpose.
bool utf8Umlaute(QByteArrayView bytes)
{
    const auto folgebyte = [&](qsizetype i) {
        return i < bytes.size() && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80;
    };
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const auto c = static_cast<unsigned char>(bytes[i + 1]);
        if (b == 0xC3 && folgebyte(i + 1))
            return true;
        if (b == 0xE2 && (c == 0x80 || c == 0x82) && folgebyte(i + 2))
            return true;
    }
    return false;
}

// A list in UTF-8 with some lines in another encoding, as when lines from
// another file were pasted into it: the first line with a byte that is no
// UTF-8 (it reads as U+FFFD).
QString gemischt(QStringView alsUtf8)
{
    const Gelesen g = tabelleLesen(alsUtf8, std::numeric_limits<int>::max());
    const auto ersetzt = [](const QStringList& zellen) {
        return std::any_of(zellen.begin(), zellen.end(),
                           [](const QString& z) { return z.contains(QChar::ReplacementCharacter); });
    };
    int zeile = 0;
    if (ersetzt(g.tabelle.kopf))
        zeile = g.kopfzeile;
    else if (const auto erste = std::find_if(g.tabelle.zeilen.begin(), g.tabelle.zeilen.end(),
                                             [&](const Csvzeile& z) { return ersetzt(z.zellen); });
             erste != g.tabelle.zeilen.end())
        zeile = erste->zeile;
    const QString wo = zeile > 0 ? QStringLiteral("in Zeile %1").arg(zeile) : QStringLiteral("an einer Stelle");
    return QStringLiteral("Die Liste ist in UTF-8 geschrieben, %1 aber in einer anderen Zeichenkodierung (wohl "
                          "Windows-1252); gelesen würden dort falsche Zeichen. Bitte die Liste in der "
                          "Tabellenkalkulation einheitlich speichern, am besten als „CSV UTF-8“.")
        .arg(wo);
}

CsvGelesen fehler(const QString& text) { return {std::nullopt, text}; }

} // namespace

QString spaltenbuchstaben(qsizetype index)
{
    QString name;
    for (qsizetype n = index + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(static_cast<char16_t>(u'A' + (n - 1) % 26)));
    return name;
}

CsvGelesen csvLesen(const QByteArray& inhalt, int hoechsteZeilen) { return csvLesen(inhalt, hoechsteZeilen, {}); }

CsvGelesen csvLesen(const QByteArray& inhalt, int hoechsteZeilen, const Zeilenempfang& jeZeile)
{
    // A workbook (.xlsx, .ods, .xls) or Excel's "Unicode-Text" (UTF-16) has
    // zero bytes; no text of a CSV file has.
    if (inhalt.contains('\0'))
        return fehler(QStringLiteral("Die Datei ist keine CSV-Textdatei, sondern wohl eine Arbeitsmappe (.xlsx, .ods) "
                                     "oder „Unicode-Text“. Bitte die Liste in der Tabellenkalkulation als „CSV "
                                     "UTF-8“ oder „CSV (Trennzeichen-getrennt)“ speichern."));

    // Stateless: a character cut off at the very end is an error, not held
    // back for more bytes that never come — a Windows-1252 list ending in "ß"
    // would lose it.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(inhalt); // drops a byte-order mark
    const bool istUtf8 = !utf8.hasError();
    if (!istUtf8) {
        if (inhalt.startsWith("\xEF\xBB\xBF") || utf8Umlaute(inhalt))
            return fehler(gemischt(text));
        // What a German spreadsheet writes as plain "CSV"; Qt decodes it through ICU.
        QStringDecoder windows1252("windows-1252");
        if (!windows1252.isValid())
            return fehler(QStringLiteral("Die Liste ist nicht in UTF-8 geschrieben, und Windows-1252 kann dieser "
                                         "Grobrechner nicht lesen. Bitte die Liste in der Tabellenkalkulation als "
                                         "„CSV UTF-8“ speichern."));
        text = windows1252.decode(inhalt);
    }

    Gelesen g = tabelleLesen(text, hoechsteZeilen, jeZeile);
    if (!g.fehler.isEmpty())
        return fehler(g.fehler);
    g.tabelle.utf8 = istUtf8;
    return {std::move(g.tabelle), {}};
}

} // namespace grobrechner

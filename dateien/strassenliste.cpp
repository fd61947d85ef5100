#include "strassenliste.h"

#include "berechnung.h"
#include "csvlesen.h"
#include "csvtext.h"
#include "dateilesen.h"
#include "dateischreiben.h"
#include "eingabefelder.h"
#include "lampenkatalog.h"
#include "zahlentext.h"

#include <QHash>
#include <QIODevice>
#include <QLocale>

#include <algorithm>
#include <atomic>
#include <map>
#include <thread>
#include <utility>

namespace grobrechner {

namespace {

using F = Eingabefeld;

const QString pfadName = QStringLiteral("Pfad");
const QString statusName = QStringLiteral("Status");
constexpr char zellenende = '\0';

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::size_t feldindex(Eingabefeld feld) { return static_cast<std::size_t>(feld); }
QString beschriftung(Eingabefeld feld) { return text(eingabebeschriftung(feld)); }

// A word as lists spell it: capitals, and umlauts written out, make no difference.
QString wortform(QStringView wort)
{
    const QStringView text = wort.trimmed();
    QString form;
    form.reserve(text.size() + 2);
    for (QChar c : text) {
        switch (const QChar klein = c.toCaseFolded(); klein.unicode()) {
        case u'ä':
            form += QLatin1String("ae");
            break;
        case u'ö':
            form += QLatin1String("oe");
            break;
        case u'ü':
            form += QLatin1String("ue");
            break;
        case u'ß':
            form += QLatin1String("ss");
            break;
        default:
            form += klein;
        }
    }
    return form;
}

// A lamp key as lists spell it: neither capitals nor blanks make a difference ("LED 30W").
QString lampenform(QStringView schluessel)
{
    QString w = wortform(schluessel);
    w.removeIf([](QChar c) { return c.isSpace(); });
    return w;
}

QString aufzaehlung(QStringList texte)
{
    for (QString& t : texte)
        t = QStringLiteral("„%1“").arg(t);
    const QString letzter = texte.takeLast();
    return texte.isEmpty() ? letzter : texte.join(QStringLiteral(", ")) + QStringLiteral(" oder ") + letzter;
}

// The words of a choice, with the forms a list may spell them in, made once.
template <typename T>
class Woerter {
public:
    Woerter(std::initializer_list<std::pair<T, const char*>> woerter)
    {
        for (const auto& [wert, wort] : woerter) {
            m_werte.push_back(wert);
            m_texte << QString::fromUtf8(wort);
            m_formen << wortform(m_texte.back());
        }
    }
    std::optional<T> wert(QStringView zelle) const
    {
        const qsizetype i = m_formen.indexOf(wortform(zelle));
        return i < 0 ? std::nullopt : std::optional<T>(m_werte[static_cast<std::size_t>(i)]);
    }
    QString text(T wert) const
    {
        const auto it = std::find(m_werte.begin(), m_werte.end(), wert);
        return it == m_werte.end() ? QString() : m_texte[it - m_werte.begin()];
    }
    // "„ja“ oder „nein“"
    QString auswahl() const { return aufzaehlung(m_texte); }

private:
    std::vector<T> m_werte;
    QStringList m_texte;
    QStringList m_formen;
};

const Woerter<Pfad> pfadwoerter{
    {Pfad::Landesstrasse, "Landesstraße"}, {Pfad::Gemeindestrasse, "Gemeindestraße"}, {Pfad::Sanierung, "Sanierung"}};
const Woerter<Leuchtenart> leuchtenarten{{Leuchtenart::technisch, "technisch"}, {Leuchtenart::dekorativ, "dekorativ"}};
const Woerter<Einschaltung> einschaltungen{{Einschaltung::Daemmerungsschalter, "Dämmerungsschalter"},
                                           {Einschaltung::Astronomisch, "astronomisch"}};
const Woerter<bool> jaNein{{true, "ja"}, {false, "nein"}};

QString passtNicht(QStringView zelle, const QString& moeglich)
{
    return QStringLiteral("„%1“ passt nicht; möglich ist %2").arg(zelle, moeglich);
}

// The catalogues by the form their keys take in a list, made once.
const QHash<QString, const Lampe*>& lampenNachForm()
{
    static const QHash<QString, const Lampe*> lampen = [] {
        QHash<QString, const Lampe*> h;
        for (const Lampe& l : Lampenkatalog)
            h.insert(lampenform(QString::fromStdString(lampenschluessel(l))), &l);
        return h;
    }();
    return lampen;
}

const QHash<QString, const Bestandslampe*>& bestandslampenNachForm()
{
    static const QHash<QString, const Bestandslampe*> lampen = [] {
        QHash<QString, const Bestandslampe*> h;
        for (const Bestandslampe& l : Bestandskatalog)
            h.insert(wortform(text(bestandsschluessel(l))), &l);
        return h;
    }();
    return lampen;
}

QString bestandsauswahl()
{
    QStringList namen;
    for (const Bestandslampe& l : Bestandskatalog)
        namen << text(bestandsschluessel(l));
    return aufzaehlung(namen);
}

// One cell into the record, as the input screens read their fields; empty
// when it passed, otherwise why not. The cell is not empty.
struct Zellleser {
    QStringView zelle;
    Eingabefeld feld;
    Pfad pfad;

    QString zahlLesen(double& wert) const
    {
        const std::optional<double> zahl = zahlAusText(zelle.toString().toStdString());
        // The height is chosen from a list: it must be one of its items exactly.
        if (feld == F::lphoehe) {
            if (!zahl || !hoehePasst(pfad, *zahl))
                return QStringLiteral("„%1“ wird nicht angeboten; möglich sind %2 m")
                    .arg(zelle, text(hoehenliste(pfad)));
        } else if (const std::optional<Zahlfeld> zf = zahlfeld(feld, pfad); !zahl || (zf && !zahlPasst(*zf, *zahl))) {
            return QStringLiteral("„%1“ passt nicht; die Eingabe nimmt nur %2 an")
                .arg(zelle, zf ? text(zahlregel(*zf)) : QStringLiteral("Zahlen"));
        }
        wert = *zahl;
        return {};
    }

    template <typename T>
    QString wortLesen(const Woerter<T>& woerter, T* w) const
    {
        const std::optional<T> wert = woerter.wert(zelle);
        if (!wert)
            return passtNicht(zelle, woerter.auswahl());
        *w = *wert;
        return {};
    }

    QString operator()(std::string* w) const
    {
        if (zelle.size() > bezeichnungZeichen)
            return QStringLiteral("länger als %1 Zeichen").arg(bezeichnungZeichen);
        const std::string name = zelle.toString().toStdString();
        if (name != bezeichnungEinzeilig(name))
            return QStringLiteral("enthält einen Zeilenumbruch, ein Steuer- oder ein unsichtbares Formatzeichen");
        *w = name;
        return {};
    }
    QString operator()(Leuchtenart* w) const { return wortLesen(leuchtenarten, w); }
    QString operator()(float* w) const
    {
        double wert = 0;
        QString fehler = zahlLesen(wert);
        if (fehler.isEmpty())
            *w = static_cast<float>(wert);
        return fehler;
    }
    QString operator()(bool* w) const { return wortLesen(jaNein, w); }
    QString operator()(Einschaltung* w) const { return wortLesen(einschaltungen, w); }
    // A duration keeps the number its text stands for, as the screens keep it.
    QString operator()(std::optional<double>* w) const
    {
        double wert = 0;
        QString fehler = zahlLesen(wert);
        if (fehler.isEmpty())
            *w = wert;
        return fehler;
    }
    QString operator()(const Lampe** w) const
    {
        const Lampe* lampe = lampenNachForm().value(lampenform(zelle));
        if (!lampe)
            return QStringLiteral("„%1“ gibt es im Lampenkatalog nicht (geschrieben wie „LED 30 W“ oder "
                                  "„Natriumdampf 70 W“)")
                .arg(zelle);
        if (!waehlbar(lampenauswahl(pfad), *lampe))
            return QStringLiteral("„%1“ ist auf dem Pfad „%2“ nicht wählbar").arg(zelle, pfadwoerter.text(pfad));
        *w = lampe;
        return {};
    }
    QString operator()(const Bestandslampe** w) const
    {
        const Bestandslampe* lampe = bestandslampenNachForm().value(wortform(zelle));
        if (!lampe)
            return passtNicht(zelle, bestandsauswahl());
        *w = lampe;
        return {};
    }
};

// Where the columns stand: indices into the cells of a line.
struct Spaltenplan {
    int pfad = -1;
    std::vector<int> felder; // per Eingabefeld
};

// A line checked: its calculation, or the column and why not.
struct Befund {
    std::optional<Pfad> pfad;
    std::optional<Kalkulation> kalkulation;
    QString spalte;
    QString grund;
};

// `zellen` are the cells of a line, in the columns the plan counts in.
Befund pruefen(const Spaltenplan& plan, const std::vector<QStringView>& zellen)
{
    const auto zelle = [&](int spalte) {
        return spalte >= 0 && spalte < static_cast<int>(zellen.size()) ? zellen[spalte] : QStringView();
    };
    Befund b;
    const auto fehler = [&](const QString& spalte, const QString& grund) {
        b.spalte = spalte;
        b.grund = grund;
        return b;
    };
    const QStringView pfadzelle = zelle(plan.pfad).trimmed();
    if (pfadzelle.isEmpty())
        return fehler(pfadName, QStringLiteral("fehlt"));
    b.pfad = pfadwoerter.wert(pfadzelle);
    if (!b.pfad)
        return fehler(pfadName, passtNicht(pfadzelle, pfadwoerter.auswahl()));
    const Pfad pfad = *b.pfad;

    // What the screens show as they open, then the cells in the order the screens check them.
    Kalkulation k{pfad, Schritt::Ergebnisblatt, {}};
    Kalkulationsdaten& d = k.daten;
    pfadZuruecksetzen(d, pfad);
    eintrittswerteSetzen(d, pfad);
    for (Schritt schritt : {Schritt::Eingabe, Schritt::Betriebseingabe})
        for (Eingabefeld feld : eingabefelder(pfad, schritt)) {
            const QStringView roh = zelle(plan.felder[feldindex(feld)]);
            const QStringView wert = roh.trimmed();
            if (!eingabeZaehlt(d, feld, pfad)) {
                // A duration without switch-off: its field stays hidden on the screen.
                if (!wert.isEmpty())
                    return fehler(beschriftung(feld),
                                  QStringLiteral("gilt nur, wenn „%1“ „ja“ ist, und muss sonst leer bleiben")
                                      .arg(beschriftung(feld == F::abschaltdauer ? F::abschaltung : F::abschaltungb)));
                continue;
            }
            if (wert.isEmpty()) {
                if (ohneVorgabe(feld))
                    return fehler(beschriftung(feld), QStringLiteral("fehlt"));
                continue;
            }
            // A name is taken as written, blanks and all.
            if (QString grund = std::visit(Zellleser{feld == F::bezeichnung ? roh : wert, feld, pfad}, eingabe(d, feld));
                !grund.isEmpty())
                return fehler(beschriftung(feld), grund);
            if (const std::string regel = zusammenPruefen(d, feld, pfad); !regel.empty())
                return fehler(beschriftung(feld), QString::fromStdString(regel));
        }
    for (Eingabefeld feld : alleEingabefelder())
        if (!eingabeZaehlt(d, feld, pfad) && !zelle(plan.felder[feldindex(feld)]).trimmed().isEmpty())
            return fehler(beschriftung(feld), QStringLiteral("gehört nicht zum Pfad „%1“ und muss leer bleiben")
                                                  .arg(pfadwoerter.text(pfad)));
    b.kalkulation = k;
    return b;
}

bool istErgebnisspalte(const QString& name)
{
    if (QString::compare(name, statusName, Qt::CaseInsensitive) == 0)
        return true;
    const std::span<const Ergebnisspalte> spalten = ergebnisspalten();
    return std::any_of(spalten.begin(), spalten.end(), [&](const Ergebnisspalte& s) {
        return QString::compare(name, text(s.name), Qt::CaseInsensitive) == 0;
    });
}

int spalteNamens(const QStringList& kopf, const QString& name)
{
    for (qsizetype i = 0; i < kopf.size(); ++i)
        if (QString::compare(kopf[i], name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

// Every cell of a line's text, inputs then results, split once.
std::vector<QStringView> zellenIn(const QString& text)
{
    std::vector<QStringView> zellen;
    qsizetype anfang = 0;
    for (qsizetype ende; (ende = text.indexOf(QChar(zellenende), anfang)) >= 0; anfang = ende + 1)
        zellen.push_back(QStringView(text).sliced(anfang, ende - anfang));
    return zellen;
}

QString segment(const QByteArray& zellen, qsizetype index)
{
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < index; ++i) {
        const qsizetype ende = zellen.indexOf(zellenende, anfang);
        if (ende < 0)
            return {};
        anfang = ende + 1;
    }
    const qsizetype ende = zellen.indexOf(zellenende, anfang);
    return ende < 0 ? QString() : QString::fromUtf8(zellen.constData() + anfang, ende - anfang);
}

ListeGelesen abgelehnt(const QString& fehler) { return {std::nullopt, fehler}; }

// The columns that the header lacks, as one message: "Bezeichnung" and
// "Pfad", and those the paths of the list need, each with the first line that
// needs it. Empty when none lacks.
QString fehlendeSpalten(const Strassenliste& liste, const Spaltenplan& plan)
{
    QStringList fehlen;
    for (const QString& name : {beschriftung(F::bezeichnung), pfadName})
        if (spalteNamens(liste.kopf, name) < 0)
            fehlen << QStringLiteral("„%1“").arg(name);
    if (plan.pfad >= 0) {
        std::map<Pfad, int> pfade; // the first line of each
        for (const Listenzeile& z : liste.zeilen)
            if (const auto pfad = pfadwoerter.wert(segment(z.zellen, plan.pfad)))
                pfade.emplace(*pfad, z.zeile);
        std::map<Eingabefeld, int> felder;
        for (const auto& [pfad, zeile] : pfade)
            for (Schritt schritt : {Schritt::Eingabe, Schritt::Betriebseingabe})
                for (Eingabefeld feld : eingabefelder(pfad, schritt))
                    if (ohneVorgabe(feld) && plan.felder[feldindex(feld)] < 0)
                        felder[feld] = felder.count(feld) ? std::min(felder[feld], zeile) : zeile;
        for (const auto& [feld, zeile] : felder)
            fehlen << QStringLiteral("„%1“ (gebraucht ab Zeile %2)").arg(beschriftung(feld)).arg(zeile);
    }
    if (fehlen.isEmpty())
        return {};
    const QString letzte = fehlen.takeLast();
    if (fehlen.isEmpty())
        return QStringLiteral("In der Kopfzeile der Liste fehlt die Spalte %1.").arg(letzte);
    return QStringLiteral("In der Kopfzeile der Liste fehlen die Spalten %1 und %2.")
        .arg(fehlen.join(QStringLiteral(", ")), letzte);
}

// What a line adds to the list beside its cells: its part of the totals and
// its place in the first order (a group and, for a renovation that pays back,
// its payback).
struct Berechnete {
    Listensumme summe;
    std::pair<int, double> rang;
};

// One line checked and computed: its input cells, as the list keeps them,
// get the result cells behind them, or the line its reason.
struct Zeilenrechner {
    const Spaltenplan& plan;
    const Berechnungsgrundlage& grundlage;

    // `ueberzaehlig`: the column of the first cell beyond the header with
    // something in it (a spreadsheet writes empty ones there), or -1.
    Berechnete operator()(Listenzeile& z, qsizetype ueberzaehlig) const
    {
        const QString text = QString::fromUtf8(z.zellen);
        Befund b = pruefen(plan, zellenIn(text));
        if (b.kalkulation && ueberzaehlig >= 0) {
            b.kalkulation.reset();
            b.spalte = QStringLiteral("Spalte %1").arg(spaltenbuchstaben(ueberzaehlig));
            b.grund = QStringLiteral("steht in keiner Spalte der Kopfzeile");
        }
        z.pfad = b.pfad;
        Berechnete e;
        if (!b.kalkulation) {
            z.fehler = QStringLiteral("Zeile %1, %2: %3").arg(QString::number(z.zeile), b.spalte, b.grund);
            e.summe.nichtBerechnet = 1;
            e.rang = {3, 0};
            return e;
        }
        const Blattinhalt blatt = berechnen(*b.kalkulation, grundlage).blatt(Schritt::Ergebnisblatt);
        const std::vector<std::string> ergebnisse = ergebniszellen(blatt);
        for (const std::string& zelle : ergebnisse)
            z.zellen.append(zelle.data(), static_cast<qsizetype>(zelle.size())).append(zellenende);
        z.zellen.squeeze();
        addieren(e.summe, ergebnisse);
        e.summe.berechnet = 1;
        const std::optional<double> amo = amortisationInnerhalb(blatt);
        e.rang = {*b.pfad != Pfad::Sanierung ? 2 : amo ? 0 : 1, amo.value_or(0)};
        return e;
    }
};

} // namespace

QString Strassenliste::eingabe(const Listenzeile& zeile, qsizetype spalte) const
{
    return spalte < 0 || spalte >= kopf.size() ? QString() : segment(zeile.zellen, spalte);
}

QString Strassenliste::ergebnis(const Listenzeile& zeile, qsizetype spalte) const
{
    return spalte < 0 || !zeile.berechnet() ? QString() : segment(zeile.zellen, kopf.size() + spalte);
}

ListeGelesen strassenlisteAusCsv(QByteArray inhalt, const Berechnungsgrundlage& grundlage,
                                 const Fortschritt& fortschritt)
{
    // Each line is kept as one string the moment it is read: a long list
    // never stands in memory as a table of single cells. The columns of an
    // earlier run's results are left out.
    Strassenliste liste;
    liste.grundlage = grundlage;
    std::vector<int> behalten;
    std::vector<int> ueberzaehlig; // per line, see Zeilenrechner
    const auto jeZeile = [&](const QStringList& kopf, Csvzeile&& roh) {
        if (liste.zeilen.empty())
            for (qsizetype i = 0; i < kopf.size(); ++i)
                if (!istErgebnisspalte(kopf[i]))
                    behalten.push_back(static_cast<int>(i));
        Listenzeile z;
        z.zeile = roh.zeile;
        for (int s : behalten)
            z.zellen.append(roh.zellen[s].toUtf8()).append(zellenende);
        z.zellen.squeeze();
        liste.zeilen.push_back(std::move(z));
        int rechts = -1;
        for (qsizetype s = kopf.size(); s < roh.zellen.size() && rechts < 0; ++s)
            if (!roh.zellen[s].trimmed().isEmpty())
                rechts = static_cast<int>(s);
        ueberzaehlig.push_back(rechts);
    };
    const CsvGelesen csv = csvLesen(inhalt, hoechsteListenzeilen, jeZeile);
    inhalt = QByteArray();
    if (!csv.tabelle)
        return abgelehnt(csv.fehler);
    const QStringList& kopf = csv.tabelle->kopf;
    for (qsizetype i = 0; i < kopf.size(); ++i)
        if (!istErgebnisspalte(kopf[i]))
            liste.kopf << kopf[i];
    liste.pfadspalte = spalteNamens(liste.kopf, pfadName);
    for (Eingabefeld feld : alleEingabefelder())
        liste.eingabespalten.push_back(spalteNamens(liste.kopf, beschriftung(feld)));
    const Spaltenplan plan{liste.pfadspalte, liste.eingabespalten};
    if (const QString fehlen = fehlendeSpalten(liste, plan); !fehlen.isEmpty())
        return abgelehnt(fehlen);
    if (liste.zeilen.empty())
        return abgelehnt(QStringLiteral("Die Liste enthält nur die Kopfzeile und keine Straße."));

    const int gesamt = static_cast<int>(liste.zeilen.size());
    std::vector<Berechnete> berechnete(liste.zeilen.size());
    const Zeilenrechner rechner{plan, grundlage};
    // The lines are independent of each other: they are computed side by side
    // on every core, in blocks handed out in turn. This thread reports the
    // progress; the figures add up afterwards, in the list's order, so that the
    // totals do not depend on who computed what.
    constexpr int block = 64;
    std::atomic<int> naechster{0};
    std::atomic<int> fertig{0};
    std::atomic<bool> abbruch{false};
    const auto arbeiten = [&](bool berichten) {
        while (!abbruch) {
            const int von = naechster.fetch_add(block);
            if (von >= gesamt)
                break;
            const int bis = std::min(von + block, gesamt);
            for (int i = von; i < bis; ++i) {
                const auto k = static_cast<std::size_t>(i);
                berechnete[k] = rechner(liste.zeilen[k], ueberzaehlig[k]);
            }
            fertig += bis - von;
            if (berichten && fortschritt && !fortschritt(fertig, gesamt))
                abbruch = true;
        }
    };
    const unsigned kerne = std::max(1U, std::min(std::thread::hardware_concurrency(), 8U));
    std::vector<std::thread> helfer;
    for (unsigned k = 1; k < kerne && static_cast<int>(k) * block * 4 < gesamt; ++k)
        helfer.emplace_back(arbeiten, false);
    arbeiten(true);
    for (std::thread& h : helfer)
        h.join();
    if (abbruch || (fortschritt && !fortschritt(gesamt, gesamt)))
        return {};
    for (const Berechnete& b : berechnete)
        liste.summe += b.summe;

    // Renovations by their payback, the shortest first, those without one
    // within 25 years after them; then the new streets, then what was refused.
    liste.rangfolge.resize(liste.zeilen.size());
    for (std::size_t i = 0; i < liste.rangfolge.size(); ++i)
        liste.rangfolge[i] = static_cast<int>(i);
    std::stable_sort(liste.rangfolge.begin(), liste.rangfolge.end(), [&](int a, int b) {
        return berechnete[static_cast<std::size_t>(a)].rang < berechnete[static_cast<std::size_t>(b)].rang;
    });
    return {std::move(liste), {}};
}

ListeGelesen strassenlisteLesen(const QString& dateiname, const Berechnungsgrundlage& grundlage,
                                const Fortschritt& fortschritt)
{
    Dateiinhalt gelesen = dateiLesen(dateiname, groessteListe);
    if (gelesen.zuGross >= 0)
        return abgelehnt(
            QStringLiteral("Die Datei ist %1 groß; eine Straßenliste darf höchstens %2 groß sein. Bitte die Liste "
                           "aufteilen.")
                .arg(QLocale(QLocale::German).formattedDataSize(gelesen.zuGross, 1, QLocale::DataSizeSIFormat),
                     QLocale(QLocale::German).formattedDataSize(groessteListe, 0, QLocale::DataSizeSIFormat)));
    if (!gelesen.fehler.isEmpty())
        return abgelehnt(gelesen.fehler);
    return strassenlisteAusCsv(std::move(gelesen.inhalt), grundlage, fortschritt);
}

std::optional<Kalkulation> kalkulationDerZeile(const Strassenliste& liste, const Listenzeile& zeile)
{
    if (!zeile.berechnet())
        return std::nullopt;
    const QString text = QString::fromUtf8(zeile.zellen);
    std::vector<QStringView> zellen = zellenIn(text);
    zellen.resize(static_cast<std::size_t>(liste.kopf.size()));
    return pruefen(Spaltenplan{liste.pfadspalte, liste.eingabespalten}, zellen).kalkulation;
}

std::vector<Listenspalte> anzeigespalten(const Strassenliste& liste)
{
    using A = Listenspalte::Art;
    const int name = liste.eingabespalten[feldindex(F::bezeichnung)];
    std::vector<Listenspalte> spalten{{A::Eingabe, name, liste.kopf[name]},
                                      {A::Eingabe, liste.pfadspalte, liste.kopf[liste.pfadspalte]}};
    for (qsizetype i = 0; i < liste.kopf.size(); ++i)
        if (i != liste.pfadspalte
            && std::find(liste.eingabespalten.begin(), liste.eingabespalten.end(), i) == liste.eingabespalten.end())
            spalten.push_back({A::Eingabe, i, liste.kopf[i]});
    spalten.push_back({A::Status, 0, statusName});
    const std::span<const Ergebnisspalte> ergebnisse = ergebnisspalten();
    for (std::size_t i = 0; i < ergebnisse.size(); ++i)
        spalten.push_back({A::Ergebnis, static_cast<qsizetype>(i), text(ergebnisse[i].name), true});
    return spalten;
}

QString zellentext(const Strassenliste& liste, const Listenzeile& zeile, const Listenspalte& spalte)
{
    switch (spalte.art) {
    case Listenspalte::Art::Eingabe:
        return liste.eingabe(zeile, spalte.index);
    case Listenspalte::Art::Status:
        return zeile.status();
    case Listenspalte::Art::Ergebnis:
        break;
    }
    return liste.ergebnis(zeile, spalte.index);
}

QString fehlerzeile(const Listensumme& summe)
{
    if (summe.nichtBerechnet == 0)
        return {};
    return (summe.nichtBerechnet == 1 ? QStringLiteral("1 Zeile nicht berechnet")
                                      : QStringLiteral("%1 Zeilen nicht berechnet").arg(summe.nichtBerechnet))
           + QStringLiteral(" – siehe Spalte Status");
}

namespace {

// The CSV in pieces of about 64 KB, each handed to `aus` as it is made.
void listeAlsCsv(const Strassenliste& liste, const std::function<void(const QByteArray&)>& aus)
{
    QStringList kopf = liste.kopf;
    kopf << statusName;
    for (const Ergebnisspalte& s : ergebnisspalten())
        kopf << text(s.name);
    Csvtext csv(liste.kopf.size());
    csv.zeile(kopf);
    const auto eingaben = static_cast<std::size_t>(liste.kopf.size());
    QStringList zellen;
    for (const Listenzeile& z : liste.zeilen) {
        zellen.clear();
        const QString text = QString::fromUtf8(z.zellen);
        const std::vector<QStringView> alle = zellenIn(text);
        for (std::size_t i = 0; i < alle.size(); ++i) {
            if (i == eingaben)
                zellen << z.status();
            zellen << alle[i].toString();
        }
        if (alle.size() == eingaben)
            zellen << z.status();
        csv.zeile(zellen);
        if (csv.utf8().size() > 65536)
            aus(csv.abholen());
    }
    aus(csv.abholen());
}

} // namespace

QByteArray listeAlsCsv(const Strassenliste& liste)
{
    QByteArray text;
    listeAlsCsv(liste, [&](const QByteArray& teil) { text += teil; });
    return text;
}

QString listeSpeichern(const QString& dateiname, const Strassenliste& liste)
{
    // Into the file's buffer piece by piece: the text of a long list is never held twice.
    return dateiSchreiben(dateiname, [&](QIODevice& datei) {
        listeAlsCsv(liste, [&](const QByteArray& teil) { datei.write(teil); });
        return QString();
    });
}

QByteArray listenvorlage()
{
    // The columns in the order a planner fills them: the street, then its operation, then the existing installation.
    constexpr F reihenfolge[] = {F::leuchtenart,    F::strlaenge,     F::lphoehe,       F::grabungsl,
                                 F::lpabstand,      F::anzahllp,      F::verteiler,     F::mast,
                                 F::lampe,          F::einschaltung,  F::abschaltung,   F::absenkung,
                                 F::abschaltdauer,  F::strompreis,    F::wattageb,      F::bestandslampe,
                                 F::einschaltungb,  F::abschaltungb,  F::abschaltdauerb, F::absenkungb};
    static_assert(std::size(reihenfolge) + 1 == static_cast<std::size_t>(F::absenkungb) + 1);
    // One street of each path; what a line leaves empty takes the value its screen opens with.
    const std::vector<std::vector<std::pair<F, const char*>>> beispiele = {
        {{F::bezeichnung, "Beispiel: Landesstraße L 123, Ortsdurchfahrt"}, {F::leuchtenart, "technisch"},
         {F::strlaenge, "1200"}, {F::lphoehe, "8"}, {F::grabungsl, "300"}, {F::verteiler, "ja"},
         {F::lampe, "Natriumdampf 100 W"}, {F::absenkung, "ja"}, {F::strompreis, "25"}},
        {{F::bezeichnung, "Beispiel: Ahornweg"}, {F::leuchtenart, "dekorativ"}, {F::strlaenge, "450"},
         {F::lphoehe, "5"}, {F::grabungsl, "100"}, {F::lpabstand, "30"}, {F::verteiler, "nein"},
         {F::lampe, "LED 30 W"}, {F::einschaltung, "astronomisch"}, {F::abschaltung, "ja"},
         {F::abschaltdauer, "4"}, {F::strompreis, "25"}},
        {{F::bezeichnung, "Beispiel: Birkenstraße"}, {F::leuchtenart, "technisch"}, {F::anzahllp, "24"},
         {F::verteiler, "nein"}, {F::mast, "ja"}, {F::lampe, "LED 40 W"}, {F::einschaltung, "astronomisch"},
         {F::absenkung, "ja"}, {F::strompreis, "25"}, {F::wattageb, "125"}, {F::bestandslampe, "Quecksilberdampflampen"},
         {F::einschaltungb, "Dämmerungsschalter"}, {F::abschaltungb, "nein"}, {F::absenkungb, "nein"}},
    };
    const Pfad pfade[] = {Pfad::Landesstrasse, Pfad::Gemeindestrasse, Pfad::Sanierung};

    QStringList kopf{beschriftung(F::bezeichnung), pfadName};
    for (F feld : reihenfolge)
        kopf << beschriftung(feld);
    Csvtext csv(kopf.size());
    csv.zeile(kopf);
    for (std::size_t i = 0; i < beispiele.size(); ++i) {
        QStringList zeile(kopf.size());
        zeile[1] = pfadwoerter.text(pfade[i]);
        for (const auto& [feld, wert] : beispiele[i])
            zeile[spalteNamens(kopf, beschriftung(feld))] = QString::fromUtf8(wert);
        csv.zeile(zeile);
    }
    return csv.utf8();
}

QString vorlageSpeichern(const QString& dateiname) { return dateiSchreiben(dateiname, listenvorlage()); }

} // namespace grobrechner

#include "strassenliste.h"

#include "berechnung.h"
#include "csvlesen.h"
#include "csvtext.h"
#include "dateilesen.h"
#include "dateischreiben.h"
#include "eingabefelder.h"
#include "listenzeile.h"

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

const QString statusName = QStringLiteral("Status");
constexpr char zellenende = '\0';

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::size_t feldindex(Eingabefeld feld) { return static_cast<std::size_t>(feld); }
QString beschriftung(Eingabefeld feld) { return text(eingabebeschriftung(feld)); }

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
    for (const QString& name : {beschriftung(F::bezeichnung), pfadspalte})
        if (spalteNamens(liste.kopf, name) < 0)
            fehlen << QStringLiteral("„%1“").arg(name);
    if (plan.pfad >= 0) {
        std::map<Pfad, int> pfade; // the first line of each
        for (const Listenzeile& z : liste.zeilen)
            if (const auto pfad = pfadInZelle(segment(z.zellen, plan.pfad)))
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
        Zeilenbefund b = zeilePruefen(plan, zellenIn(text));
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
    liste.pfadspalte = spalteNamens(liste.kopf, pfadspalte);
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
    return zeilePruefen(Spaltenplan{liste.pfadspalte, liste.eingabespalten}, zellen).kalkulation;
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

    QStringList kopf{beschriftung(F::bezeichnung), pfadspalte};
    for (F feld : reihenfolge)
        kopf << beschriftung(feld);
    Csvtext csv(kopf.size());
    csv.zeile(kopf);
    for (std::size_t i = 0; i < beispiele.size(); ++i) {
        QStringList zeile(kopf.size());
        zeile[1] = pfadname(pfade[i]);
        for (const auto& [feld, wert] : beispiele[i])
            zeile[spalteNamens(kopf, beschriftung(feld))] = QString::fromUtf8(wert);
        csv.zeile(zeile);
    }
    return csv.utf8();
}

QString vorlageSpeichern(const QString& dateiname) { return dateiSchreiben(dateiname, listenvorlage()); }

} // namespace grobrechner

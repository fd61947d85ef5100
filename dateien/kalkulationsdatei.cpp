#include "kalkulationsdatei.h"

#include "dateilesen.h"
#include "dateischreiben.h"
#include "eingabefelder.h"
#include "jsonpruefung.h"
#include "lampenkatalog.h"
#include "zahlentext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringDecoder>

#include <cmath>
#include <limits>

namespace grobrechner {

namespace {

using F = Eingabefeld;

const QString formatname = QStringLiteral("Grobrechner-Kalkulation");
// A calculation takes a few hundred bytes; anything near this is not one.
constexpr qint64 groessteDatei = 1024 * 1024;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

template <typename T>
struct Wort {
    T wert;
    const char* text;
};
const Wort<Pfad> pfadwoerter[] = {
    {Pfad::Landesstrasse, "landesstrasse"}, {Pfad::Gemeindestrasse, "gemeindestrasse"}, {Pfad::Sanierung, "sanierung"}};
const Wort<Leuchtenart> leuchtenarten[] = {
    {Leuchtenart::technisch, "technisch"}, {Leuchtenart::dekorativ, "dekorativ"}};
const Wort<Einschaltung> einschaltungen[] = {
    {Einschaltung::Daemmerungsschalter, "daemmerungsschalter"}, {Einschaltung::Astronomisch, "astronomisch"}};

template <typename T, std::size_t N>
QString wortFuer(const Wort<T> (&woerter)[N], T wert)
{
    for (const Wort<T>& w : woerter)
        if (w.wert == wert)
            return QString::fromUtf8(w.text);
    return {};
}

template <typename T, std::size_t N>
std::optional<T> wertFuer(const Wort<T> (&woerter)[N], const QJsonValue& json)
{
    for (const Wort<T>& w : woerter)
        if (json.toString() == QLatin1String(w.text))
            return w.wert;
    return std::nullopt;
}

template <typename T, std::size_t N>
QString auswahl(const Wort<T> (&woerter)[N])
{
    QStringList texte;
    for (const Wort<T>& w : woerter)
        texte << QStringLiteral("„%1“").arg(QString::fromUtf8(w.text));
    const QString letzter = texte.takeLast();
    return texte.join(QStringLiteral(", ")) + QStringLiteral(" oder ") + letzter;
}

// The number a float's plain text stands for: what the user typed, as JSON writes it.
double dezimal(float wert) { return zahlAusText(zahltext(wert)).value_or(wert); }

// A number of the file as a message shows it, with a decimal comma.
QString zahl(double wert)
{
    return QString::number(wert, 'f', QLocale::FloatingPointShortest).replace(QLatin1Char('.'), QLatin1Char(','));
}

// A price of the basis by its key in the file: the settings' key, for a lamp its key in the catalogue.
QString preisschluessel(const Preisposten& posten)
{
    return posten.lampe ? QStringLiteral("lampen/") + QString::fromStdString(lampenschluessel(*posten.lampe))
                        : text(posten.schluessel);
}

// One input as JSON.
struct Schreiber {
    QJsonValue operator()(const std::string* w) const { return QString::fromStdString(*w); }
    QJsonValue operator()(const Leuchtenart* w) const { return wortFuer(leuchtenarten, *w); }
    QJsonValue operator()(const float* w) const { return dezimal(*w); }
    QJsonValue operator()(const bool* w) const { return *w; }
    QJsonValue operator()(const Einschaltung* w) const { return wortFuer(einschaltungen, *w); }
    QJsonValue operator()(const std::optional<double>* w) const { return *w ? QJsonValue(**w) : QJsonValue(); }
    QJsonValue operator()(const Lampe* const* w) const { return QString::fromStdString(lampenschluessel(**w)); }
    QJsonValue operator()(const Bestandslampe* const* w) const { return text(bestandsschluessel(**w)); }
};

// One input from JSON into the record: empty when it passed, otherwise the problem.
struct Leser {
    const QJsonValue& json;
    Eingabefeld feld;
    Pfad pfad;
    int version;

    QString eintrag() const
    {
        return QStringLiteral("„%1“ (%2)").arg(text(eingabeschluessel(feld)), text(eingabebeschriftung(feld)));
    }
    QString muss(const QString& was) const { return QStringLiteral("%1 muss %2 sein.").arg(eintrag(), was); }

    QString zahlLesen(double& wert) const
    {
        if (!json.isDouble())
            return muss(QStringLiteral("eine Zahl"));
        wert = json.toDouble();
        // The height is chosen from a list: it must be one of its items exactly.
        if (feld == F::lphoehe)
            return hoehePasst(pfad, wert) ? QString()
                                          : QStringLiteral("%1 ist %2; angeboten werden nur %3 m.")
                                                .arg(eintrag(), zahl(wert), text(hoehenliste(pfad)));
        const std::optional<Zahlfeld> zf = zahlfeld(feld, pfad);
        if (zf && !zahlPasst(*zf, wert))
            return QStringLiteral("%1 ist %2; die Eingabe nimmt nur %3 an.")
                .arg(eintrag(), zahl(wert), text(zahlregel(*zf)));
        return {};
    }

    QString operator()(std::string* w) const
    {
        if (!json.isString())
            return muss(QStringLiteral("ein Text"));
        const QString s = json.toString();
        if (s.size() > bezeichnungZeichen)
            return QStringLiteral("%1 ist länger als %2 Zeichen.").arg(eintrag()).arg(bezeichnungZeichen);
        if (s.toStdString() != bezeichnungEinzeilig(s.toStdString()))
            return QStringLiteral("%1 enthält einen Zeilenumbruch, ein Steuer- oder ein unsichtbares "
                                  "Formatzeichen.")
                .arg(eintrag());
        *w = s.toStdString();
        return {};
    }
    // A choice, by one of its words.
    template <typename T, std::size_t N>
    QString wortLesen(const Wort<T> (&woerter)[N], T* w) const
    {
        const auto wert = wertFuer(woerter, json);
        if (!wert)
            return muss(auswahl(woerter));
        *w = *wert;
        return {};
    }
    QString operator()(Leuchtenart* w) const { return wortLesen(leuchtenarten, w); }
    QString operator()(float* w) const
    {
        double wert = 0;
        QString fehler = zahlLesen(wert);
        *w = static_cast<float>(wert);
        return fehler;
    }
    QString operator()(bool* w) const
    {
        if (!json.isBool())
            return muss(QStringLiteral("true oder false"));
        *w = json.toBool();
        return {};
    }
    QString operator()(Einschaltung* w) const { return wortLesen(einschaltungen, w); }
    QString operator()(std::optional<double>* w) const
    {
        double wert = 0;
        QString fehler = zahlLesen(wert);
        *w = wert;
        return fehler;
    }
    // The first format named lamps by their options.
    QString operator()(const Lampe** w) const
    {
        const std::string name = json.toString().toStdString();
        const Lampe* lampe = version == 1 ? lampeMitOption(name) : lampeMitSchluessel(name);
        if (!json.isString() || !lampe)
            return QStringLiteral("%1 „%2“ gibt es im Lampenkatalog nicht.").arg(eintrag(), json.toString());
        if (!waehlbar(lampenauswahl(pfad), *lampe))
            return QStringLiteral("%1 „%2“ ist auf diesem Pfad nicht wählbar.").arg(eintrag(), json.toString());
        *w = lampe;
        return {};
    }
    QString operator()(const Bestandslampe** w) const
    {
        const std::string name = json.toString().toStdString();
        const Bestandslampe* lampe = version == 1 ? bestandslampeMitOption(name) : bestandslampeMitSchluessel(name);
        if (!json.isString() || !lampe)
            return QStringLiteral("%1 „%2“ gibt es unter den Leuchtmitteln des Bestands nicht.")
                .arg(eintrag(), json.toString());
        *w = lampe;
        return {};
    }
};

std::vector<Eingabefeld> felderBis(Pfad pfad, Schritt schritt)
{
    std::vector<Eingabefeld> felder;
    for (Schritt s : alleSchritte)
        if (nummer(s) <= nummer(schritt))
            for (Eingabefeld f : eingabefelder(pfad, s))
                felder.push_back(f);
    return felder;
}

Gelesen fehler(const QString& text) { return {std::nullopt, std::nullopt, text}; }

const QString keineKalkulation = QStringLiteral("Die Datei ist keine Kalkulation des Grobrechners: ");

QString jsonFehler(const QByteArray& inhalt, const Jsonbefund& befund)
{
    if (befund.abgebrochen)
        return QStringLiteral("Die Datei bricht mitten im Inhalt ab; sie ist nicht vollständig gespeichert oder "
                              "übertragen worden.");
    const qsizetype zeile = inhalt.left(befund.stelle).count('\n') + 1;
    return QStringLiteral("Die Datei enthält fehlerhaftes JSON: In Zeile %1 %2.").arg(zeile).arg(befund.was);
}

bool ganzeZahl(const QJsonValue& v, int von, int bis)
{
    return v.isDouble() && v.toDouble() == std::floor(v.toDouble()) && v.toDouble() >= von && v.toDouble() <= bis;
}

QString unbekannterEintrag(const QJsonObject& objekt, const QStringList& bekannt, const QString& wo)
{
    for (const QString& schluessel : objekt.keys())
        if (!bekannt.contains(schluessel))
            return QStringLiteral("Der Eintrag „%1“ gehört nicht in %2.").arg(schluessel, wo);
    return {};
}

const QString grundlageName = QStringLiteral("grundlage");
const QString preisindexName = QStringLiteral("preisindex");
const QString co2faktorName = QStringLiteral("co2faktor");
const QString preiseName = QStringLiteral("preise");

QJsonObject grundlageAlsJson(const Berechnungsgrundlage& g)
{
    const Preise vorgaben;
    QJsonObject preise;
    for (const Preisposten& posten : preisposten())
        if (betrag(g.preise, posten) != betrag(vorgaben, posten))
            preise.insert(preisschluessel(posten), dezimal(betrag(g.preise, posten)));
    QJsonObject grundlage{
        {preisindexName, dezimal(g.preise.preisindex)},
        {co2faktorName, dezimal(g.preise.co2faktor)},
        {preiseName, preise},
    };
    for (const Satz& s : saetze())
        grundlage.insert(text(s.schluessel), dezimal(g.preise.*s.wert));
    return grundlage;
}

// One figure of the basis, within the bounds the price window puts on it.
QString grundwertLesen(const QJsonValue& json, const QString& name, bool (*zulaessig)(float), float& wert)
{
    const auto f = static_cast<float>(json.toDouble());
    if (!json.isDouble() || !std::isfinite(f) || !zulaessig(f))
        return QStringLiteral("„%1“ in der Grundlage ist keine zulässige Zahl.").arg(name);
    wert = f;
    return {};
}

QString grundlageLesen(const QJsonValue& json, Berechnungsgrundlage& g)
{
    if (!json.isObject())
        return QStringLiteral("Der Eintrag „grundlage“ fehlt oder ist kein Objekt.");
    const QJsonObject o = json.toObject();
    QStringList bekannteEintraege{preisindexName, co2faktorName, preiseName};
    for (const Satz& s : saetze())
        bekannteEintraege << text(s.schluessel);
    if (QString f = unbekannterEintrag(o, bekannteEintraege, QStringLiteral("die Grundlage")); !f.isEmpty())
        return f;
    for (const Satz& s : saetze())
        if (QString f = grundwertLesen(o.value(text(s.schluessel)), text(s.schluessel), s.zulaessig, g.preise.*s.wert);
            !f.isEmpty())
            return f;
    if (QString f = grundwertLesen(o.value(preisindexName), preisindexName, preisindexZulaessig, g.preise.preisindex);
        !f.isEmpty())
        return f;
    if (QString f = grundwertLesen(o.value(co2faktorName), co2faktorName, co2faktorZulaessig, g.preise.co2faktor);
        !f.isEmpty())
        return f;
    if (!o.value(preiseName).isObject())
        return QStringLiteral("Der Eintrag „preise“ der Grundlage fehlt oder ist kein Objekt.");
    const QJsonObject preise = o.value(preiseName).toObject();
    QStringList bekannt;
    for (const Preisposten& posten : preisposten())
        bekannt << preisschluessel(posten);
    if (QString f = unbekannterEintrag(preise, bekannt, QStringLiteral("die Preise der Grundlage")); !f.isEmpty())
        return f;
    for (const Preisposten& posten : preisposten())
        if (const QJsonValue preis = preise.value(preisschluessel(posten)); !preis.isUndefined())
            if (QString f = grundwertLesen(preis, preisschluessel(posten), preisZulaessig, betrag(g.preise, posten));
                !f.isEmpty())
                return f;
    g.ausDatei = true;
    return {};
}

} // namespace

QByteArray kalkulationAlsJson(const Kalkulation& k, const Berechnungsgrundlage& grundlage)
{
    QJsonObject eingaben;
    for (Eingabefeld f : felderBis(k.pfad, k.schritt))
        eingaben.insert(text(eingabeschluessel(f)), std::visit(Schreiber{}, eingabe(k.daten, f)));
    const QJsonObject datei{
        {QStringLiteral("format"), formatname},
        {QStringLiteral("formatversion"), kalkulationsformat},
        {QStringLiteral("pfad"), wortFuer(pfadwoerter, k.pfad)},
        {QStringLiteral("schritt"), nummer(k.schritt)},
        {QStringLiteral("eingaben"), eingaben},
        {grundlageName, grundlageAlsJson(grundlage)},
    };
    return QJsonDocument(datei).toJson(QJsonDocument::Indented);
}

Gelesen kalkulationAusJson(const QByteArray& inhalt)
{
    // An editor may have put a byte-order mark in front; it is still UTF-8.
    const QByteArray ohneMarke = inhalt.startsWith("\xEF\xBB\xBF") ? inhalt.mid(3) : inhalt;
    if (ohneMarke.trimmed().isEmpty())
        return fehler(QStringLiteral("Die Datei ist leer."));
    // A character cut in two at the very end is a cut-off file, told below.
    QStringDecoder utf8(QStringConverter::Utf8);
    [[maybe_unused]] const QString dekodiert = utf8.decode(ohneMarke); // decodes only when converted
    if (utf8.hasError())
        return fehler(QStringLiteral("Die Datei ist nicht in UTF-8 geschrieben, wie der Grobrechner seine "
                                     "Kalkulationen speichert."));
    const QByteArray anfang = ohneMarke.trimmed().left(1);
    if (anfang != "{" && anfang != "[")
        return fehler(keineKalkulation + QStringLiteral("Ihr Inhalt ist kein JSON."));
    // Strictly first: what Qt's reader would let pass, or read otherwise than
    // another program, is refused with what is wrong where.
    if (const Jsonbefund befund = jsonPruefen(ohneMarke); !befund.gut)
        return fehler(jsonFehler(ohneMarke, befund));
    const QJsonDocument dokument = QJsonDocument::fromJson(ohneMarke);
    if (!dokument.isObject())
        return fehler(keineKalkulation + QStringLiteral("Ihr JSON ist anders aufgebaut."));

    const QJsonObject datei = dokument.object();
    if (datei.value(QStringLiteral("format")) != formatname)
        return fehler(keineKalkulation + QStringLiteral("Der Eintrag „format“ fehlt oder lautet anders."));
    const QJsonValue version = datei.value(QStringLiteral("formatversion"));
    if (!ganzeZahl(version, 1, std::numeric_limits<int>::max()))
        return fehler(keineKalkulation + QStringLiteral("„formatversion“ ist keine gültige Versionsnummer."));
    if (version.toInt() > kalkulationsformat)
        return fehler(QStringLiteral("Die Datei wurde mit einer neueren Version des Grobrechners gespeichert "
                                     "(Dateiformat %1); diese Version liest nur die Dateiformate bis %2.")
                          .arg(version.toInt())
                          .arg(kalkulationsformat));
    const bool mitGrundlage = version.toInt() >= 2;
    QStringList oben{QStringLiteral("format"), QStringLiteral("formatversion"), QStringLiteral("pfad"),
                     QStringLiteral("schritt"), QStringLiteral("eingaben")};
    if (mitGrundlage)
        oben << grundlageName;
    if (QString f = unbekannterEintrag(datei, oben, QStringLiteral("eine Kalkulation")); !f.isEmpty())
        return fehler(f);

    Kalkulation k;
    const std::optional<Pfad> pfad = wertFuer(pfadwoerter, datei.value(QStringLiteral("pfad")));
    if (!pfad)
        return fehler(QStringLiteral("„pfad“ muss %1 sein.").arg(auswahl(pfadwoerter)));
    k.pfad = *pfad;
    if (!ganzeZahl(datei.value(QStringLiteral("schritt")), 1, 5))
        return fehler(QStringLiteral("„schritt“ muss eine ganze Zahl von 1 bis 5 sein."));
    k.schritt = *schrittNummer(datei.value(QStringLiteral("schritt")).toInt());
    if (!datei.value(QStringLiteral("eingaben")).isObject())
        return fehler(QStringLiteral("Der Eintrag „eingaben“ fehlt oder ist kein Objekt."));

    const QJsonObject eingaben = datei.value(QStringLiteral("eingaben")).toObject();
    const std::vector<Eingabefeld> felder = felderBis(k.pfad, k.schritt);
    QStringList bekannt;
    for (Eingabefeld f : felder)
        bekannt << text(eingabeschluessel(f));
    if (QString f = unbekannterEintrag(eingaben, bekannt, QStringLiteral("die Eingaben dieses Pfads und Schritts"));
        !f.isEmpty())
        return fehler(f);
    for (Eingabefeld f : felder) {
        const QJsonValue json = eingaben.value(text(eingabeschluessel(f)));
        if (json.isUndefined())
            return fehler(QStringLiteral("Die Eingabe „%1“ (%2) fehlt.")
                              .arg(text(eingabeschluessel(f)), text(eingabebeschriftung(f))));
        if (QString problem = std::visit(Leser{json, f, k.pfad, version.toInt()}, eingabe(k.daten, f));
            !problem.isEmpty())
            return fehler(problem);
        if (const std::string problem = zusammenPruefen(k.daten, f, k.pfad); !problem.empty())
            return fehler(QString::fromStdString(problem));
    }
    if (!mitGrundlage)
        return {k, std::nullopt, {}};
    Berechnungsgrundlage grundlage;
    if (QString f = grundlageLesen(datei.value(grundlageName), grundlage); !f.isEmpty())
        return fehler(f);
    return {k, grundlage, {}};
}

Gelesen kalkulationLesen(const QString& dateiname)
{
    const Dateiinhalt gelesen = dateiLesen(dateiname, groessteDatei);
    if (gelesen.zuGross >= 0)
        return fehler(QStringLiteral("Die Datei ist %1 groß, eine Kalkulation nur wenige Hundert Byte; "
                                     "das ist keine Kalkulation des Grobrechners.")
                          .arg(QLocale(QLocale::German)
                                   .formattedDataSize(gelesen.zuGross, 1, QLocale::DataSizeSIFormat)));
    if (!gelesen.fehler.isEmpty())
        return fehler(gelesen.fehler);
    return kalkulationAusJson(gelesen.inhalt);
}

QString kalkulationSpeichern(const QString& dateiname, const Kalkulation& kalkulation,
                             const Berechnungsgrundlage& grundlage)
{
    return dateiSchreiben(dateiname, kalkulationAlsJson(kalkulation, grundlage));
}

} // namespace grobrechner

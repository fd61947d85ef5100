#include "listenzeile.h"

#include "eingabefelder.h"
#include "lampenkatalog.h"
#include "zahlentext.h"

#include <QHash>

#include <algorithm>
#include <utility>

namespace grobrechner {

namespace {

using F = Eingabefeld;

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

} // namespace

std::optional<Pfad> pfadInZelle(QStringView zelle) { return pfadwoerter.wert(zelle); }

QString pfadname(Pfad pfad) { return pfadwoerter.text(pfad); }

Zeilenbefund zeilePruefen(const Spaltenplan& plan, const std::vector<QStringView>& zellen)
{
    const auto zelle = [&](int spalte) {
        return spalte >= 0 && spalte < static_cast<int>(zellen.size()) ? zellen[spalte] : QStringView();
    };
    Zeilenbefund b;
    const auto fehler = [&](const QString& spalte, const QString& grund) {
        b.spalte = spalte;
        b.grund = grund;
        return b;
    };
    const QStringView pfadzelle = zelle(plan.pfad).trimmed();
    if (pfadzelle.isEmpty())
        return fehler(pfadspalte, QStringLiteral("fehlt"));
    b.pfad = pfadwoerter.wert(pfadzelle);
    if (!b.pfad)
        return fehler(pfadspalte, passtNicht(pfadzelle, pfadwoerter.auswahl()));
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


} // namespace grobrechner

#include "pfadformular.h"

#include "bildschirmtexte.h"
#include "knopfreihe.h"
#include "navigation.h"
#include "texte.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace grobrechner {

namespace {

Ausstattung ausstattungVon(const Pfadbildschirm& b)
{
    Ausstattung a;
    a.name = b.name;
    a.eigentumLabel = b.eigentumLabel;
    a.fenstertitel = b.fenstertitel;
    a.hintergrundHinweis = b.hintergrundHinweis;
    return a;
}

struct Zurueck {
    const char* text;
    const char* hinweis;
};

// The back button of each step; step 1 has none.
const Zurueck zurueckJeSchritt[] = {
    {nullptr, nullptr},
    {"zurück zur Eingabe", "Zurück zur Eingabe."},
    {"zurück zum Ergebnis der Errichtungskosten", "Zurück zum Ergebnis der Errichtungskosten."},
    {"zurück zur Eingabe", "Zurück zur Eingabe."},
    {"zurück zu den Betriebskosten", "Zurück zu den Betriebskosten."},
};

bool istEingabe(int schritt) { return schritt == 1 || schritt == 3; }

} // namespace

Pfadformular::Pfadformular(const QString& name, Umgebung& umgebung)
    : Formular(ausstattungVon(pfadbildschirm(name)), umgebung.dienste)
    , m_beschreibung(pfadbildschirm(name))
    , m_umgebung(umgebung)
{
    const Pfadbildschirm& b = m_beschreibung;
    m_titel = rahmen().titelSetzen(QStringLiteral("Label2"), b.titel);
    Knopfreihe* zeile = rahmen().tastenzeile();

    if (b.istErgebnis()) {
        // What the figures rest on, read with them and printed with them.
        rahmen().fusszeileSetzen(QStringLiteral("lbldatenbasis"),
                                 QString::fromStdString(datenbasistext(zustand(), b.schritt)));
        m_drucken = rahmen().druckknopf();
        zeile->addWidget(m_drucken);
        if (b.druckHinweisBeiDruck)
            setPressHint(m_drucken, texte::druckenHinweis);
        else
            setHint(m_drucken, texte::druckenHinweis);
        connect(m_drucken, &QPushButton::clicked, this, &Pfadformular::drucken);
    }
    const Zurueck& z = zurueckJeSchritt[b.schritt - 1];
    if (z.text) {
        m_zurueck = knopf("cmdback", QString::fromUtf8(z.text));
        setHint(m_zurueck, QString::fromUtf8(z.hinweis));
        connect(m_zurueck, &QPushButton::clicked, this, [this] { navigation().zurueck(*this); });
    }
    m_hauptmenue = knopf("Command1", QStringLiteral("zum Hauptmenü"));
    setHint(m_hauptmenue, texte::hauptmenueHinweis);
    connect(m_hauptmenue, &QPushButton::clicked, this, [this] { navigation().hauptmenue(*this); });
    if (!b.vorwaerts.isEmpty()) {
        m_vorwaerts = knopf(istEingabe(b.schritt) ? "Command4" : "Command2", b.vorwaerts);
        if (b.vorwaertsHinweisBeiDruck)
            setPressHint(m_vorwaerts, b.vorwaertsHinweis);
        else
            setHint(m_vorwaerts, b.vorwaertsHinweis);
        connect(m_vorwaerts, &QPushButton::clicked, this, [this] { vorwaerts(); });
    }
    if (istEingabe(b.schritt)) {
        // Keyboard order: the calculate button comes before the others.
        setTabOrder(m_vorwaerts, m_zurueck ? m_zurueck : m_hauptmenue);
        if (m_zurueck)
            setTabOrder(m_zurueck, m_hauptmenue);
    } else {
        // The buttons in the order they stand; Enter goes on along the path
        // (or back to the main menu from the sheet), it never prints.
        QWidget* vorige = m_drucken;
        for (QPushButton* k : {m_zurueck, m_hauptmenue, m_vorwaerts})
            if (k) {
                setTabOrder(vorige, k);
                vorige = k;
            }
        (m_vorwaerts ? m_vorwaerts : m_hauptmenue)->setFocus();
    }
}

QPushButton* Pfadformular::knopf(const char* name, const QString& text)
{
    auto* k = new QPushButton(text, this);
    k->setObjectName(QString::fromUtf8(name));
    rahmen().tastenzeile()->addWidget(k);
    return k;
}

void Pfadformular::vorwaerts() { navigation().vor(*this); }

void Pfadformular::drucken()
{
    QList<QWidget*> knoepfe;
    for (QPushButton* k : {m_zurueck, m_hauptmenue, m_vorwaerts, m_drucken})
        if (k)
            knoepfe.append(k);
    rahmen().drucken(m_beschreibung.druckzeile, knoepfe, QPageLayout::Landscape);
}

void Pfadformular::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (istEingabe(m_beschreibung.schritt) && !qobject_cast<QPushButton*>(focusWidget())) {
            m_vorwaerts->click();
            return;
        }
        break;
    case Qt::Key_Escape:
        // Escape leaves the screen the way its back button does; step 1 has
        // none and goes back to the main menu.
        (m_zurueck ? m_zurueck : m_hauptmenue)->click();
        return;
    default:
        break;
    }
    Formular::keyPressEvent(ereignis);
}

} // namespace grobrechner

#include "rahmen.h"

#include "beschriftung.h"
#include "dateischreiben.h"
#include "dienste.h"
#include "fensterlage.h"
#include "formularausgabe.h"
#include "klickbar.h"
#include "klicksperre.h"
#include "knopfreihe.h"
#include "laengenwache.h"
#include "pdfausgabe.h"
#include "uhrzeile.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QWidget>

#include <algorithm>

namespace grobrechner {

namespace {

// The screen's own controls. QScrollArea asks for no more than 36 × 24 lines
// of text; this one asks for all the room the controls need, so that a window
// opens as large as its screen and the available area allow, and scrolls only
// what does not fit.
class Inhaltsflaeche final : public QScrollArea {
public:
    explicit Inhaltsflaeche(QWidget* eltern)
        : QScrollArea(eltern)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        // Not a stop of its own for Tab: the controls in it are.
        setFocusPolicy(Qt::NoFocus);
        // A scroll bar that comes or goes changes the width asked for.
        connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { updateGeometry(); });
    }

    QSize sizeHint() const override
    {
        const QWidget* w = widget();
        if (!w)
            return QScrollArea::sizeHint();
        // (A layout's hint is as high as wrapped text needs at the hint's width.)
        const int rand = 2 * frameWidth();
        QSize hinweis = w->sizeHint().expandedTo(w->minimumSize()) + QSize(rand, rand);
        // While the controls scroll up and down, the bar takes its width from
        // them; asking for it too keeps them from scrolling sideways as well.
        if (verticalScrollBar()->isVisibleTo(this))
            hinweis.rwidth() += verticalScrollBar()->sizeHint().width();
        return hinweis;
    }
};

QStatusBar* neueStatusleiste(QWidget& fenster, bool gewuenscht)
{
    if (!gewuenscht)
        return nullptr;
    auto* leiste = new QStatusBar(&fenster);
    leiste->setObjectName(QStringLiteral("StatusBar2"));
    leiste->setSizeGripEnabled(false);
    return leiste;
}

// The pictures of the picture buttons, one icon each for the whole program:
// every result screen has the same buttons, and an icon keeps what it has
// drawn at each size, so that a new screen neither parses nor draws them again.
QHash<QString, QIcon>& knopfsymbole()
{
    static QHash<QString, QIcon> symbole;
    return symbole;
}

QIcon knopfsymbol(const QString& bild)
{
    QHash<QString, QIcon>& symbole = knopfsymbole();
    if (const auto gefunden = symbole.constFind(bild); gefunden != symbole.cend())
        return *gefunden;
    // Emptied as the application ends, while the plugin that draws them is still there.
    if (symbole.isEmpty())
        qAddPostRoutine([] { knopfsymbole().clear(); });
    return *symbole.insert(bild, QIcon(QStringLiteral(":/bilder/%1.svg").arg(bild)));
}

// A button that shows one of our pictures, as high as the captions of the
// other buttons so the row stays even. Without Qt's SVG plugins the picture
// cannot be drawn and the button would be an empty square: it then reads `name`.
QPushButton* bildknopf(QWidget& fenster, const QString& objektname, const QString& bild, const QString& name,
                       const QString& tipp)
{
    auto* knopf = new QPushButton(&fenster);
    knopf->setObjectName(objektname);
    const int hoehe = knopf->fontMetrics().height();
    const QIcon symbol = knopfsymbol(bild);
    if (symbol.pixmap(QSize(hoehe, hoehe)).isNull()) {
        knopf->setText(name);
    } else {
        knopf->setIcon(symbol);
        knopf->setIconSize(QSize(hoehe, hoehe));
    }
    knopf->setAccessibleName(name);
    knopf->setToolTip(tipp);
    return knopf;
}

} // namespace

Rahmen::Rahmen(QWidget& fenster, const Ausstattung& a, Dienste& dienste)
    : QObject(&fenster)
    , m_fenster(fenster)
    , m_dienste(dienste)
    , m_statusleiste(neueStatusleiste(fenster, a.mitStatusleiste))
    , m_hinweise(m_statusleiste)
{
    fenster.setObjectName(a.name);
    fenster.setWindowTitle(a.fenstertitel);
    fenster.setAttribute(Qt::WA_DeleteOnClose);
    fenster.installEventFilter(this);
    if (m_statusleiste)
        m_laengenwache = new Laengenwache(m_statusleiste, this);
    m_ausgabe = new Formularausgabe(fenster, dienste, [this](const QString& text) { statusZeigen(text); });
    connect(this, &QObject::destroyed, this, [ausgabe = m_ausgabe] { delete ausgabe; });

    auto* haupt = new QVBoxLayout(&fenster);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    // The page: title, controls and buttons. In a window wider than they ask
    // for it keeps their width and stands in the middle, so that they do not
    // drift apart into the window's corners.
    auto* seite = new QWidget(&fenster);
    haupt->addWidget(seite, 1, Qt::AlignHCenter);
    auto* rand = m_rand = new QVBoxLayout(seite);
    rand->setContentsMargins(12, 8, 12, 8);
    rand->setSpacing(8);

    auto* kopf = m_kopf = new QHBoxLayout;
    kopf->addStretch(1);
    kopf->addWidget(new Uhrzeile(m_dienste.jetzt, &fenster));
    if (a.mitInfo) {
        auto* info = new KlickLabel(&fenster);
        info->setObjectName(QStringLiteral("lblinfo"));
        info->setText(QStringLiteral("INFO"));
        QFont schrift = info->font();
        schrift.setBold(true);
        info->setFont(schrift);
        info->setAccessibleName(QStringLiteral("Informationen zum Grobrechner"));
        connect(info, &KlickLabel::geklickt, this, &Rahmen::infoOeffnen);
        setHint(info, texte::infoHinweis);
        auto* f1 = new QShortcut(QKeySequence::HelpContents, &fenster);
        connect(f1, &QShortcut::activated, this, &Rahmen::infoOeffnen);
        kopf->addSpacing(12);
        kopf->addWidget(info);
    }
    rand->addLayout(kopf);

    m_flaeche = new Inhaltsflaeche(&fenster);
    m_inhalt = new QWidget(m_flaeche);
    m_flaeche->setWidget(m_inhalt);
    rand->addWidget(m_flaeche, 1);

    auto* fuss = new QHBoxLayout;
    auto* logo = new Bild(QStringLiteral("lumenstelle"), &fenster);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGroesse(QSize(120, 30));
    logo->setCursor(Qt::PointingHandCursor);
    logo->setAccessibleName(QStringLiteral("Homepage der Lumenstelle öffnen"));
    connect(logo, &Bild::geklickt, this, [this] { m_dienste.homepageOeffnen(texte::homepage); });
    fuss->addWidget(logo);

    auto* eigentum = new KlickLabel(&fenster);
    eigentum->setObjectName(a.eigentumLabel);
    eigentum->setText(texte::eigentumZeichen);
    QFont klein = eigentum->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    eigentum->setFont(klein);
    connect(eigentum, &KlickLabel::geklickt, this,
            [this] { m_dienste.meldungen->information(&m_fenster, texte::eigentumTitel, texte::eigentumText); });
    fuss->addWidget(eigentum);
    // The buttons take the rest of the width, right-aligned.
    m_tastenzeile = new Knopfreihe(8);
    fuss->addLayout(m_tastenzeile, 1);
    rand->addLayout(fuss);

    if (m_statusleiste) {
        haupt->addWidget(m_statusleiste);
        setHint(logo, texte::homepageHinweis);
        setHint(eigentum, texte::eigentumHinweis);
        if (!a.hintergrundHinweis.isEmpty()) {
            for (QWidget* hintergrund : {&fenster, seite, m_inhalt})
                setHint(hintergrund, a.hintergrundHinweis);
        }
    } else {
        eigentum->setToolTip(texte::eigentumHinweis);
        logo->setToolTip(texte::homepageHinweis);
    }
}

bool Rahmen::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt != &m_fenster)
        return false;
    if (ereignis->type() == QEvent::Show && !ereignis->spontaneous()) {
        Klicksperre::fensterErschienen(m_fenster);
        // By now the screen has all its fields, those of its forms included.
        if (m_laengenwache)
            for (QLineEdit* feld : m_fenster.findChildren<QLineEdit*>())
                m_laengenwache->bewachen(feld);
        // Qt keeps a window no smaller than its layout's minimum, which knows
        // nothing of wrapping text. At its narrowest the window wraps title and
        // buttons into the most lines; it is kept high enough for them, so no
        // width cuts them off.
        if (QLayout* l = m_fenster.layout()) {
            const QSize kleinste = l->totalMinimumSize();
            m_fenster.setMinimumSize(kleinste.width(),
                                     std::max(kleinste.height(), l->totalMinimumHeightForWidth(kleinste.width())));
        }
        return false;
    }
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    QScrollBar* leiste = m_flaeche->verticalScrollBar();
    switch (static_cast<QKeyEvent*>(ereignis)->key()) {
    case Qt::Key_PageUp:
        leiste->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    case Qt::Key_PageDown:
        leiste->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    case Qt::Key_Up:
        leiste->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Down:
        leiste->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    default:
        return false;
    }
}


QLabel* Rahmen::titelSetzen(const QString& name, const QString& text)
{
    auto* titel = new Beschriftung(text, &m_fenster);
    titel->setObjectName(name);
    QFont schrift = titel->font();
    schrift.setPointSizeF(schrift.pointSizeF() * 1.5);
    schrift.setBold(true);
    titel->setFont(schrift);
    titel->setWordWrap(true);
    delete m_kopf->takeAt(0); // the title takes the place of the spacer
    m_kopf->insertWidget(0, titel, 1);
    return titel;
}

QLabel* Rahmen::fusszeileSetzen(const QString& name, const QString& text)
{
    auto* zeile = new Beschriftung(text, &m_fenster);
    zeile->setObjectName(name);
    zeile->setWordWrap(true);
    QFont klein = zeile->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    zeile->setFont(klein);
    m_rand->insertWidget(m_rand->indexOf(m_flaeche) + 1, zeile);
    return zeile;
}

void Rahmen::zeileUeberInhalt(QWidget* zeile) { m_rand->insertWidget(m_rand->indexOf(m_flaeche), zeile); }

void Rahmen::statusZeigen(const QString& text)
{
    if (m_statusleiste)
        m_statusleiste->showMessage(text);
}

QPushButton* Rahmen::druckknopf()
{
    if (!m_druckknopf)
        m_druckknopf = bildknopf(m_fenster, QStringLiteral("Command3"), QStringLiteral("drucker"),
                                 QStringLiteral("Drucken"), QStringLiteral("Drucken"));
    return m_druckknopf;
}

QPushButton* Rahmen::pdfknopf()
{
    if (!m_pdfknopf) {
        m_pdfknopf = bildknopf(m_fenster, QStringLiteral("cmdpdf"), QStringLiteral("pdf"),
                               QStringLiteral("Als PDF speichern"), QStringLiteral("Als PDF speichern…"));
        setHint(m_pdfknopf, QStringLiteral("Speichert das aktuelle Formular als PDF-Datei."));
    }
    return m_pdfknopf;
}

void Rahmen::infoOeffnen()
{
    if (m_dienste.infoOeffnen)
        m_dienste.infoOeffnen(m_dienste, m_fenster);
}

} // namespace grobrechner

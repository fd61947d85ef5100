#include "rahmen.h"

#include "dienste.h"
#include "frminfo.h"
#include "klickbar.h"
#include "klicksperre.h"
#include "laengenwache.h"
#include "uhrzeile.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QStatusBar>
#include <QWidget>

namespace grobrechner {

namespace {
QStatusBar* neueStatusleiste(QWidget& fenster, bool gewuenscht)
{
    if (!gewuenscht)
        return nullptr;
    auto* leiste = new QStatusBar(&fenster);
    leiste->setObjectName(QStringLiteral("StatusBar2"));
    leiste->setSizeGripEnabled(false);
    return leiste;
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

    auto* haupt = new QVBoxLayout(&fenster);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    auto* rand = m_rand = new QVBoxLayout;
    rand->setContentsMargins(12, 8, 12, 8);
    rand->setSpacing(8);
    haupt->addLayout(rand, 1);

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

    m_inhalt = new QWidget(&fenster);
    rand->addWidget(m_inhalt, 1);

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
    fuss->addStretch(1);
    m_tastenzeile = new QHBoxLayout;
    m_tastenzeile->setSpacing(8);
    fuss->addLayout(m_tastenzeile);
    rand->addLayout(fuss);

    if (m_statusleiste) {
        haupt->addWidget(m_statusleiste);
        setHint(logo, texte::homepageHinweis);
        setHint(eigentum, texte::eigentumHinweis);
        if (!a.hintergrundHinweis.isEmpty()) {
            setHint(&fenster, a.hintergrundHinweis);
            setHint(m_inhalt, a.hintergrundHinweis);
        }
    } else {
        eigentum->setToolTip(texte::eigentumHinweis);
        logo->setToolTip(texte::homepageHinweis);
    }
}

bool Rahmen::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == &m_fenster && ereignis->type() == QEvent::Show && !ereignis->spontaneous()) {
        Klicksperre::fensterErschienen(m_fenster);
        // By now the screen has all its fields, those of its forms included.
        if (m_laengenwache)
            for (QLineEdit* feld : m_fenster.findChildren<QLineEdit*>())
                m_laengenwache->bewachen(feld);
    }
    return false;
}

QLabel* Rahmen::titelSetzen(const QString& name, const QString& text)
{
    auto* titel = new QLabel(text, &m_fenster);
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
    auto* zeile = new QLabel(text, &m_fenster);
    zeile->setObjectName(name);
    zeile->setWordWrap(true);
    QFont klein = zeile->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    zeile->setFont(klein);
    m_rand->insertWidget(m_rand->indexOf(m_inhalt) + 1, zeile);
    return zeile;
}

QPushButton* Rahmen::druckknopf()
{
    if (!m_druckknopf) {
        m_druckknopf = new QPushButton(&m_fenster);
        m_druckknopf->setObjectName(QStringLiteral("Command3"));
        // As high as the captions of the other buttons, so the row stays even.
        const int hoehe = m_druckknopf->fontMetrics().height();
        const QIcon symbol(QStringLiteral(":/bilder/drucker.svg"));
        if (symbol.pixmap(QSize(hoehe, hoehe)).isNull()) {
            // Without Qt's SVG plugins the symbol cannot be drawn and the
            // button would be an empty square.
            m_druckknopf->setText(QStringLiteral("Drucken"));
        } else {
            m_druckknopf->setIcon(symbol);
            m_druckknopf->setIconSize(QSize(hoehe, hoehe));
        }
        m_druckknopf->setAccessibleName(QStringLiteral("Drucken"));
        m_druckknopf->setToolTip(QStringLiteral("Drucken"));
    }
    return m_druckknopf;
}

void Rahmen::drucken(const QString& druckzeile, const QList<QWidget*>& ausblenden,
                     QPageLayout::Orientation ausrichtung)
{
    Meldungen& meldungen = *m_dienste.meldungen;
    if (!meldungen.frage(&m_fenster, texte::druckenTitel, texte::druckenFrage))
        return;
    // False once the window was closed while a box was open: then the routine
    // stops where it is. A description just shown is not shown again for the
    // next step (without a printer, rendering fails for the same reason as
    // setting the orientation).
    QString gezeigt;
    const auto melde = [&](const QString& fehler) {
        if (fehler.isEmpty() || fehler == gezeigt)
            return true;
        gezeigt = fehler;
        return meldungen.information(&m_fenster, texte::druckfehlerTitel, fehler);
    };

    std::unique_ptr<Druckauftrag> auftrag = m_dienste.neuerDruckauftrag();
    if (!melde(auftrag->ausrichtungSetzen(ausrichtung)))
        return;
    if (m_statusleiste && !druckzeile.isEmpty())
        m_statusleiste->showMessage(druckzeile);
    {
        // The printout shows the window without its buttons; they keep their
        // place meanwhile, so nothing else on the page moves.
        QList<QWidget*> versteckt;
        const auto zurueck = qScopeGuard([&] {
            for (QWidget* w : versteckt)
                w->show();
        });
        for (QWidget* w : ausblenden) {
            if (!w || w->isHidden())
                continue;
            QSizePolicy politik = w->sizePolicy();
            politik.setRetainSizeWhenHidden(true);
            w->setSizePolicy(politik);
            w->hide();
            versteckt.append(w);
        }
        if (!melde(auftrag->fensterDrucken(m_fenster)))
            return;
    }
    melde(auftrag->abschliessen());
}

void Rahmen::infoOeffnen()
{
    // Modal for the whole program, but not blocking: the caller returns at once.
    auto* info = new frminfo(m_dienste, &m_fenster);
    info->show();
}

} // namespace grobrechner

#include "leuchtenwahl.h"

#include "bildschirmtexte.h"
#include "formular.h"
#include "klickbar.h"

#include <QGridLayout>
#include <QRadioButton>

namespace grobrechner {

namespace {

KlickLabel* beispiel(const char* name, QWidget* eltern)
{
    auto* l = new KlickLabel(eltern);
    l->setObjectName(QString::fromUtf8(name));
    l->setText(QStringLiteral("Beispiel"));
    QFont unterstrichen = l->font();
    unterstrichen.setUnderline(true);
    l->setFont(unterstrichen);
    return l;
}

Bild* bild(const char* name, const QString& datei, const QString& beschreibung, QWidget* eltern)
{
    auto* b = new Bild(datei, eltern);
    b->setObjectName(QString::fromUtf8(name));
    b->setGroesse(QSize(100, 130));
    b->setAccessibleName(beschreibung);
    b->hide();
    return b;
}

} // namespace

Leuchtenwahl::Leuchtenwahl(const QString& titel, Leuchtenart& leuchtenart, Formular& formular, QWidget* eltern)
    : Optionspaar("Frame1", titel, {"opttechn", QString::fromStdString(leuchtenartText(Leuchtenart::technisch))},
                  {"optdeko", QString::fromStdString(leuchtenartText(Leuchtenart::dekorativ))},
                  [&leuchtenart](bool techn) { leuchtenart = techn ? Leuchtenart::technisch : Leuchtenart::dekorativ; },
                  true, eltern)
    , m_beispielTechn(beispiel("Label1", this))
    , m_beispielDeko(beispiel("Label3", this))
    , m_bildTechn(bild("imatechn", QStringLiteral("leuchte_technisch"), QStringLiteral("Beispiel einer technischen Leuchte"), this))
    , m_bildDeko(bild("imadeko", QStringLiteral("leuchte_dekorativ"), QStringLiteral("Beispiel einer dekorativen Leuchte"), this))
{
    // Options and their "Beispiel" side by side, the pictures to the right.
    delete layout();
    auto* raster = new QGridLayout(this);
    raster->addWidget(erste(), 0, 0);
    raster->addWidget(m_beispielTechn, 0, 1);
    raster->addWidget(zweite(), 1, 0);
    raster->addWidget(m_beispielDeko, 1, 1);
    raster->addWidget(m_bildTechn, 0, 2, 2, 1);
    raster->addWidget(m_bildDeko, 0, 3, 2, 1);
    raster->setColumnStretch(4, 1);

    connect(m_beispielTechn, &KlickLabel::geklickt, this, [this] { m_bildTechn->setVisible(m_bildTechn->isHidden()); });
    connect(m_beispielDeko, &KlickLabel::geklickt, this, [this] { m_bildDeko->setVisible(m_bildDeko->isHidden()); });
    formular.setHint(m_bildTechn, QStringLiteral("Das ist eine technische Leuchte."));
    formular.setHint(m_bildDeko, QStringLiteral("Das ist eine dekorative Leuchte."));
}

} // namespace grobrechner

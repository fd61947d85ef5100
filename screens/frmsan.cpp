#include "frmsan.h"

#include "pfadbildschirme.h"

#include "eingabefelder.h"
#include "eingabepruefung.h"
#include "kalkulationsdaten.h"
#include "leuchtenwahl.h"
#include "optionspaar.h"
#include "ui_frmsan.h"
#include "zahlentext.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace grobrechner {

frmsan::frmsan(Umgebung& umgebung)
    : Pfadformular(pfadbildschirm(Pfad::Sanierung, Schritt::Eingabe), umgebung)
    , m_ui(std::make_unique<Ui::frmsanInhalt>())
{
    QWidget* inhalt = rahmen().inhalt();
    m_ui->setupUi(inhalt);
    m_ui->txtlp->setMaxLength(zahlfeld(Eingabefeld::anzahllp, Pfad::Sanierung)->zeichen);
    // Three characters and a little room, at any font size.
    m_ui->txtlp->setMaximumWidth(m_ui->txtlp->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 8);

    m_leuchte = new Leuchtenwahl(QStringLiteral("Welche Leuchte wird zukünftig verwendet?"), daten().leuchtenart,
                                 *this, inhalt);
    m_ui->leuchte->addWidget(m_leuchte);
    m_maste = new Optionspaar("Frame3", QStringLiteral("Werden vorhandene Maste weiterverwendet?"),
                              {"optmastja", QStringLiteral("Ja")}, {"optmastnein", QStringLiteral("Nein")},
                              jaNeinFeld(daten().mast), false, inhalt);
    m_verteiler = verteilerwahl(daten().verteiler, inhalt);
    // Side by side in the order the keyboard takes them.
    m_ui->fragen->addWidget(m_verteiler, 1);
    m_ui->fragen->addWidget(m_maste, 1);

    // The name, the count, then the cabinet and the masts, the two buttons,
    // and the luminaire style last.
    QWidget* reihenfolge[] = {bezeichnungsfeld(),   m_ui->txtlp,       m_verteiler->erste(), m_verteiler->zweite(),
                              m_maste->erste(),     m_maste->zweite(), vorwaertsknopf(),     hauptmenueknopf(),
                              m_leuchte->erste(),   m_leuchte->zweite()};
    for (std::size_t i = 1; i < std::size(reihenfolge); ++i)
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
    m_ui->txtlp->setFocus();
}

frmsan::~frmsan() = default;

void frmsan::datenZeigen()
{
    Pfadformular::datenZeigen();
    const Kalkulationsdaten& d = daten();
    m_ui->txtlp->setText(QString::fromStdString(zahltext(d.anzahllp)));
    m_leuchte->zeigen(d.leuchtenart == Leuchtenart::technisch);
    m_verteiler->zeigen(d.verteiler);
    m_maste->zeigen(d.mast);
}

bool frmsan::eingabenUebernehmen()
{
    const std::optional<float> anzahl =
        zahlPruefen(*this, m_ui->txtlp, zahlfeld(Eingabefeld::anzahllp, Pfad::Sanierung)->grenze,
                    QStringLiteral("Eingabe fehlt"),
                    QStringLiteral("Bitte geben Sie die Anzahl der zu sanierenden Lichtpunkte ein!"));
    if (!anzahl)
        return false;
    daten().anzahllp = *anzahl;
    return true;
}

} // namespace grobrechner

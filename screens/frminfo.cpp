#include "frminfo.h"

#include "fensterlage.h"
#include "formularausgabe.h"
#include "knopfreihe.h"
#include "ui_frminfo.h"

#include <QBoxLayout>
#include <QPushButton>

namespace grobrechner {

namespace {
Ausstattung infoAusstattung()
{
    Ausstattung a;
    a.name = QStringLiteral("frminfo");
    a.eigentumLabel = QStringLiteral("Label16");
    a.hintergrundHinweis.clear();
    a.mitStatusleiste = false;
    a.mitInfo = false;
    return a;
}
} // namespace

frminfo::frminfo(Dienste& dienste, QWidget* eltern)
    : QDialog(eltern)
    , m_rahmen(*this, infoAusstattung(), dienste)
    , m_ui(std::make_unique<Ui::frminfoInhalt>())
{
    m_ui->setupUi(m_rahmen.inhalt());
    m_ui->imgback->setBild(QStringLiteral("strasse_daemmerung"));
    m_ui->imgback->setAccessibleName(QStringLiteral("Straße in der Dämmerung"));
    setWindowModality(Qt::ApplicationModal);

    QPushButton* drucken = m_rahmen.druckknopf();
    QPushButton* pdf = m_rahmen.pdfknopf();
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("Command4"));
    schliessen->setDefault(true);
    m_rahmen.tastenzeile()->addWidget(drucken);
    m_rahmen.tastenzeile()->addWidget(pdf);
    m_rahmen.tastenzeile()->addWidget(schliessen);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    connect(drucken, &QPushButton::clicked, this, [this, drucken, pdf, schliessen] {
        m_rahmen.ausgabe().drucken(QString(), {drucken, pdf, schliessen}, QPageLayout::Portrait);
    });
    // The notes belong to no calculation: the PDF carries no name.
    connect(pdf, &QPushButton::clicked, this, [this, drucken, pdf, schliessen] {
        m_rahmen.ausgabe().alsPdfSpeichern({QString(), {drucken, pdf, schliessen}, QPageLayout::Portrait, QString(), QString()});
    });
    resize(940, 660); // made to fit the screen as it opens
}

frminfo::~frminfo() = default;

void infoOeffnen(Dienste& dienste, QWidget& ueber)
{
    auto* info = new frminfo(dienste, &ueber);
    // At the size it was made for, or smaller on a small screen: its text
    // wraps to the width and scrolls.
    platzieren(*info, ueber, info->size(), Lage::mittigDarueber);
    info->show();
}

} // namespace grobrechner

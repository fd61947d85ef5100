#include "frmliste.h"

#include "bildschirmtexte.h"
#include "dateiname.h"
#include "dateischreiben.h"
#include "dienste.h"
#include "fensterlage.h"
#include "knopfreihe.h"
#include "listenmodell.h"
#include "listenpdf.h"
#include "preiseinstellungen.h"
#include "strassenliste.h"
#include "ui_frmliste.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QThread>

namespace grobrechner {

namespace {

Ausstattung listenAusstattung()
{
    Ausstattung a;
    a.name = QStringLiteral("frmliste");
    a.eigentumLabel = QStringLiteral("Label3");
    return a;
}

// A column no wider than this many average characters; the rest shows as a tooltip or in the export.
constexpr int breitesteSpalte = 40;

} // namespace

frmliste::frmliste(Dienste& dienste)
    : Formular(listenAusstattung(), dienste)
    , m_ui(std::make_unique<Ui::frmlisteInhalt>())
    , m_modell(new Listenmodell(this))
    , m_sortierung(new Listensortierung(this))
{
    rahmen().titelSetzen(QStringLiteral("Label1"), QStringLiteral("Straßenliste"));
    m_ui->setupUi(rahmen().inhalt());
    m_ui->spalte->setStretchFactor(m_ui->tblliste, 1);

    m_sortierung->setSourceModel(m_modell);
    QTableView* tabelle = m_ui->tblliste;
    tabelle->setModel(m_sortierung);
    // The list's own order until a head is clicked.
    tabelle->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tabelle->setSortingEnabled(true);
    tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabelle->verticalHeader()->setDefaultSectionSize(tabelle->fontMetrics().height() + 6);
    setHint(tabelle, QStringLiteral("Doppelklick oder Eingabetaste öffnet die Straße mit ihrem Ergebnisblatt; ein Klick "
                                    "auf eine Spaltenüberschrift sortiert nach ihr. Links steht die Zeile der Liste."));
    connect(tabelle, &QAbstractItemView::activated, this, &frmliste::zeileOeffnen);

    const auto knopf = [this](const char* name, const QString& text, const QString& hinweis) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(QString::fromUtf8(name));
        setHint(k, hinweis);
        rahmen().tastenzeile()->addWidget(k);
        return k;
    };
    QPushButton* oeffnen = knopf("cmdlisteoeffnen", QStringLiteral("Liste öffnen…"),
                                 QStringLiteral("Öffnet eine Straßenliste (CSV, eine Straße je Zeile) und berechnet "
                                                "jede Straße mit den aktuellen Preisen und Kennwerten."));
    oeffnen->setShortcut(QKeySequence::Open);
    connect(oeffnen, &QPushButton::clicked, this, &frmliste::listeWaehlen);
    QPushButton* vorlage = knopf("cmdvorlage", QStringLiteral("Vorlage speichern…"),
                                 QStringLiteral("Speichert eine Straßenliste zum Ausfüllen: alle Spalten, die der "
                                                "Grobrechner kennt, und je Pfad eine Beispielzeile."));
    connect(vorlage, &QPushButton::clicked, this, &frmliste::vorlageSpeichern);
    m_csv = knopf("cmdcsv", QStringLiteral("Als CSV speichern…"),
                  QStringLiteral("Speichert die berechnete Liste als CSV-Datei für eine Tabellenkalkulation: Ihre "
                                 "Spalten, dann Status und Ergebnisse, in der Reihenfolge der Liste."));
    connect(m_csv, &QPushButton::clicked, this, &frmliste::csvSpeichern);
    m_pdf = knopf("cmdpdf", QStringLiteral("Als PDF speichern…"),
                  QStringLiteral("Speichert die berechnete Liste als PDF (A4 quer) in der gezeigten Reihenfolge, mit "
                                 "den Summen."));
    connect(m_pdf, &QPushButton::clicked, this, &frmliste::pdfSpeichern);
    QPushButton* zurueck = knopf("Command1", QStringLiteral("zum Hauptmenü"), texte::hauptmenueHinweis);
    connect(zurueck, &QPushButton::clicked, this, &QWidget::close);
    m_csv->setEnabled(false);
    m_pdf->setEnabled(false);

    QWidget* folge[] = {tabelle, oeffnen, vorlage, m_csv, m_pdf, zurueck};
    for (std::size_t i = 1; i < std::size(folge); ++i)
        setTabOrder(folge[i - 1], folge[i]);
    oeffnen->setFocus();
    resize(hoechstens(QSize(1200, 720), *this));
}

frmliste::~frmliste() { anhalten(); }

void frmliste::anhalten()
{
    // A reading under way stops at its next block of lines; its result is passed over.
    if (m_abbruch)
        *m_abbruch = true;
    if (m_laeuft)
        m_laeuft->wait();
    m_aktiv = false;
}

void frmliste::listeWaehlen()
{
    const QString datei = rahmen().dienste().dateiwahl->oeffnen(
        this, QStringLiteral("Straßenliste öffnen"),
        QStringLiteral("Straßenlisten (*.csv *.txt);;Alle Dateien (*)"));
    if (!datei.isEmpty())
        laden(datei);
}

void frmliste::laden(const QString& datei)
{
    anhalten();
    const int lauf = ++m_lauf;
    auto abbruch = std::make_shared<std::atomic<bool>>(false);
    m_abbruch = abbruch;
    m_aktiv = true;
    // The prices as they stand now, for every line of this list.
    const Berechnungsgrundlage grundlage{preiseinstellungen::lesen()};
    m_ui->prgliste->setRange(0, 0);
    m_ui->prgliste->show();
    rahmen().statusZeigen(QStringLiteral("„%1“ wird gelesen und berechnet …").arg(QFileInfo(datei).fileName()));

    // The thread posts to this window only; the window waits for it before it goes.
    QThread* faden = QThread::create([this, lauf, datei, grundlage, abbruch] {
        const Fortschritt fortschritt = [this, lauf, abbruch](int fertig, int gesamt) {
            if (*abbruch)
                return false;
            QMetaObject::invokeMethod(
                this,
                [this, lauf, fertig, gesamt] {
                    if (lauf != m_lauf)
                        return;
                    m_ui->prgliste->setRange(0, gesamt);
                    m_ui->prgliste->setValue(fertig);
                },
                Qt::QueuedConnection);
            return true;
        };
        auto ergebnis = std::make_shared<ListeGelesen>(strassenlisteLesen(datei, grundlage, fortschritt));
        if (!*abbruch)
            QMetaObject::invokeMethod(
                this, [this, lauf, datei, ergebnis] { gelesen(lauf, datei, ergebnis); }, Qt::QueuedConnection);
    });
    connect(faden, &QThread::finished, faden, &QObject::deleteLater);
    m_laeuft = faden;
    faden->start();
}

void frmliste::gelesen(int lauf, const QString& datei, const std::shared_ptr<ListeGelesen>& ergebnis)
{
    if (lauf != m_lauf)
        return;
    m_aktiv = false;
    m_ui->prgliste->hide();
    rahmen().statusZeigen({});
    if (!ergebnis->liste) {
        rahmen().dienste().meldungen->information(
            this, texte::nichtLesbarTitel, texte::nichtLesbar.arg(QDir::toNativeSeparators(datei), ergebnis->fehler));
        emit geladen();
        return;
    }
    const auto liste = std::make_shared<const Strassenliste>(std::move(*ergebnis->liste));
    m_datei = datei;
    QTableView* tabelle = m_ui->tblliste;
    tabelle->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_modell->setzen(liste);
    tabelle->resizeColumnsToContents();
    const int hoechstens = tabelle->fontMetrics().averageCharWidth() * breitesteSpalte;
    for (int s = 0; s < m_modell->columnCount(); ++s)
        tabelle->setColumnWidth(s, std::min(tabelle->columnWidth(s), hoechstens));
    tabelle->updateGeometry();

    m_ui->lbldatei->setText(QStringLiteral("Straßenliste „%1“ mit %2 – %3")
                                .arg(QFileInfo(datei).fileName(),
                                     liste->zeilen.size() == 1 ? QStringLiteral("1 Zeile")
                                                               : QStringLiteral("%1 Zeilen").arg(liste->zeilen.size()),
                                     QString::fromStdString(datenbasistext(liste->grundlage))));
    const QString fehler = fehlerzeile(liste->summe);
    m_ui->lblfehler->setText(fehler);
    m_ui->lblfehler->setVisible(!fehler.isEmpty());
    m_ui->lblsumme->setText(QStringLiteral("Summe: ") + QString::fromStdString(summentext(liste->summe)));
    m_csv->setEnabled(true);
    m_pdf->setEnabled(true);
    emit geladen();
}

void frmliste::zeileOeffnen(const QModelIndex& index)
{
    if (!index.isValid() || !m_modell->liste())
        return;
    const Listenzeile& zeile = m_modell->zeile(m_sortierung->mapToSource(index).row());
    const std::optional<Kalkulation> kalkulation = kalkulationDerZeile(*m_modell->liste(), zeile);
    if (!kalkulation) {
        rahmen().dienste().meldungen->information(
            this, QStringLiteral("Zeile nicht berechnet"),
            zeile.fehler + QStringLiteral("\nBitte berichtigen Sie die Zeile in der Liste und öffnen Sie die Liste erneut."));
        return;
    }
    emit kalkulationGewaehlt(*kalkulation, m_modell->liste()->grundlage);
}

void frmliste::speichern(const QString& titel, const QString& vorschlag, const QString& filter, const QString& endung,
                         const std::function<QString(const QString&)>& schreiben)
{
    Dienste& d = rahmen().dienste();
    const QString ziel = d.dateiwahl->speichern(this, titel, vorschlag, filter, endung);
    if (ziel.isEmpty())
        return;
    const QString fehler =
        !m_datei.isEmpty() && gleicheDatei(ziel, m_datei)
            ? QStringLiteral("Das ist die Straßenliste selbst; sie würde überschrieben. Bitte wählen Sie einen "
                             "anderen Namen.")
            : schreiben(ziel);
    if (!fehler.isEmpty())
        d.meldungen->information(this, texte::nichtGespeichertTitel,
                                 texte::nichtGespeichert.arg(QDir::toNativeSeparators(ziel), fehler));
    else
        rahmen().statusZeigen(texte::gespeichert.arg(QFileInfo(ziel).fileName()));
}

void frmliste::vorlageSpeichern()
{
    speichern(QStringLiteral("Vorlage speichern"), dateinamenvorschlag(QStringLiteral("Straßenliste"), QStringLiteral("csv")),
              QStringLiteral("CSV-Dateien (*.csv)"), QStringLiteral("csv"),
              [](const QString& ziel) { return grobrechner::vorlageSpeichern(ziel); });
}

void frmliste::csvSpeichern()
{
    const Strassenliste* liste = m_modell->liste();
    if (!liste)
        return;
    speichern(QStringLiteral("Als CSV speichern"),
              dateinamenvorschlag(QFileInfo(m_datei).completeBaseName() + QStringLiteral(" berechnet"),
                                  QStringLiteral("csv")),
              QStringLiteral("CSV-Dateien (*.csv)"), QStringLiteral("csv"),
              [liste](const QString& ziel) { return listeSpeichern(ziel, *liste); });
}

void frmliste::pdfSpeichern()
{
    const Strassenliste* liste = m_modell->liste();
    if (!liste)
        return;
    // As the table shows the lines now.
    std::vector<int> reihenfolge;
    for (int r = 0; r < m_sortierung->rowCount(); ++r)
        reihenfolge.push_back(liste->rangfolge[static_cast<std::size_t>(
            m_sortierung->mapToSource(m_sortierung->index(r, 0)).row())]);
    const QString name = QFileInfo(m_datei).fileName();
    const QDateTime jetzt = rahmen().dienste().jetzt();
    speichern(QStringLiteral("Als PDF speichern"),
              dateinamenvorschlag(QFileInfo(m_datei).completeBaseName(), QStringLiteral("pdf")),
              QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"), [&](const QString& ziel) {
                  return listeAlsPdf(ziel, *liste, reihenfolge, name, jetzt);
              });
}

} // namespace grobrechner

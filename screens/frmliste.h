#pragma once

#include "formular.h"
#include "kalkulation.h"
#include "preise.h"

#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class QModelIndex;
class QPushButton;
class QThread;

namespace Ui {
class frmlisteInhalt;
}

namespace grobrechner {

class Listenmodell;
class Listensortierung;
struct ListeGelesen;

// "Straßenliste": a municipality's streets from one CSV list, each computed
// to its result sheet, ranked and added up; opened from the main menu in its
// place. A list is read and computed beside the window, which shows how far it
// has come and stays responsive. A double click (or Enter) on a computed line
// opens that street on its result sheet in the path screens.
class frmliste : public Formular {
    Q_OBJECT
public:
    explicit frmliste(Dienste& dienste);
    ~frmliste() override;

    // Reads and computes the list in the file; the table shows it when done.
    // A file refused whole changes nothing and says why in a box.
    void laden(const QString& datei);
    // Whether a list is being read or computed.
    bool laedt() const { return m_aktiv; }

signals:
    // The user wants to see a line's calculation on its result sheet.
    void kalkulationGewaehlt(const Kalkulation& kalkulation, const Berechnungsgrundlage& grundlage);
    // A list was read and computed (also one whose lines all failed), or refused.
    void geladen();

private:
    void listeWaehlen();
    void gelesen(int lauf, const QString& datei, const std::shared_ptr<ListeGelesen>& ergebnis);
    void zeileOeffnen(const QModelIndex& index);
    void vorlageSpeichern();
    void csvSpeichern();
    void pdfSpeichern();
    // Asks for a file to write and writes it; `schreiben` answers with an error or nothing.
    void speichern(const QString& titel, const QString& vorschlag, const QString& filter, const QString& endung,
                   const std::function<QString(const QString&)>& schreiben);
    void anhalten();

    std::unique_ptr<Ui::frmlisteInhalt> m_ui;
    Listenmodell* m_modell;
    Listensortierung* m_sortierung;
    QPushButton* m_csv;
    QPushButton* m_pdf;
    QString m_datei; // of the list shown
    int m_lauf = 0;  // the latest reading; an older one that ends is passed over
    bool m_aktiv = false;
    QPointer<QThread> m_laeuft;
    std::shared_ptr<std::atomic<bool>> m_abbruch;
};

} // namespace grobrechner

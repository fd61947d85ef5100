#pragma once

#include "formular.h"
#include "pfad.h"

#include <memory>

namespace Ui {
class frmgrsblInhalt;
}

namespace grobrechner {

// The main menu: the start screen, from which the user picks one of the three
// calculation paths.
class frmgrsbl : public Formular {
    Q_OBJECT
public:
    explicit frmgrsbl(Dienste& dienste);
    ~frmgrsbl() override;

signals:
    // The user has confirmed the notes of a path.
    void pfadGewaehlt(Pfad pfad);
    // The user wants to see or set the prices.
    void preiseGewaehlt();
    // The user has chosen a saved calculation to open.
    void dateiGewaehlt(const QString& datei);
    // The user wants to compute a list of streets.
    void listeGewaehlt();

private:
    void pfadAnbieten(Pfad pfad);
    void beenden();
    void oeffnen();

    std::unique_ptr<Ui::frmgrsblInhalt> m_ui;
};

// The notes shown before a path opens, one message box each.
QStringList pfadhinweise(Pfad pfad);

} // namespace grobrechner

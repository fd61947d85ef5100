#pragma once

#include "pfadformular.h"

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;

namespace Ui {
class NeuerrichtungseingabeInhalt;
}

namespace grobrechner {

class Leuchtenwahl;
class Optionspaar;

// The input screen of new lighting, for a state road (frmneuerrland) and a
// municipal road (frmneuerrgde): luminaire style, street length, mast height,
// cabinet and digging length, and on the municipal road the spacing the user
// chooses within the recommendation for the height. Calculating checks the
// entries in their order, writes each one into the record as soon as it has
// passed, and moves on to the construction costs. The heights offered and the
// limits of the fields come from the core (eingabefelder.h).
class Neuerrichtungseingabe : public Pfadformular {
    Q_OBJECT
public:
    // What sets the two roads apart.
    struct Art {
        bool abstandWaehlbar; // the user types the spacing
    };

    Neuerrichtungseingabe(const Pfadbildschirm& bildschirm, Umgebung& umgebung, const Art& art);
    ~Neuerrichtungseingabe() override;

    void datenZeigen() override;

protected:
    bool eingabenUebernehmen() override;

private:
    void abstandszeileAnlegen();
    void hoeheGewaehlt(int index);
    // The recommendation for the height and style in the record.
    void empfehlungAktualisieren();
    void erdreichAktualisieren();

    std::unique_ptr<Ui::NeuerrichtungseingabeInhalt> m_ui;
    Leuchtenwahl* m_leuchtenwahl;
    Optionspaar* m_verteilerwahl;
    // The spacing, its recommendation and the largest spacing accepted;
    // municipal road only. The hidden lblmaxlpa shows the maximum too.
    QLineEdit* txtlpabstand = nullptr;
    QLabel* lbllphinweis = nullptr;
    QLabel* lblmaxlpa = nullptr;
};

} // namespace grobrechner

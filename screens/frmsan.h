#pragma once

#include "pfadformular.h"

#include <memory>

namespace Ui {
class frmsanInhalt;
}

namespace grobrechner {

class Leuchtenwahl;
class Optionspaar;

// The renovation input: how many light points are renovated, which luminaire
// is used in future, whether the existing masts are reused and whether a new
// cabinet is built. The options write the record as they are clicked; the
// count is checked and written when the renovation costs are asked for.
class frmsan : public Pfadformular {
    Q_OBJECT
public:
    explicit frmsan(Umgebung& umgebung);
    ~frmsan() override;

    void datenZeigen() override;

protected:
    bool eingabenUebernehmen() override;

private:
    std::unique_ptr<Ui::frmsanInhalt> m_ui;
    Leuchtenwahl* m_leuchte;
    Optionspaar* m_verteiler;
    Optionspaar* m_maste;
};

} // namespace grobrechner

#pragma once

#include "betriebseingabe.h"
#include "schaltungswahl.h"

#include <optional>

namespace grobrechner {

class Bestandsleuchtmittelwahl;

// Operating costs of a renovation: the existing installation on the left
// (average wattage, lamp type, switching, switch-off, dimming — the "b"
// fields), the planned one on the right, one electricity price for both.
// The checks run wattage, price, planned duration, existing duration.
class frmbetrko_san : public Betriebseingabe {
    Q_OBJECT
public:
    explicit frmbetrko_san(Umgebung& umgebung);

    void datenZeigen() override;

protected:
    bool eingabenUebernehmen() override;

private:
    QLineEdit* txtwattageb;
    Bestandsleuchtmittelwahl* m_lampentyp;
    std::optional<Schaltungswahl> m_bestand;
};

} // namespace grobrechner

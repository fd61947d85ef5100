#include "bildschirme.h"

namespace grobrechner {

namespace {

// By path, then step.
constexpr Bildschirm tabelle[3][5] = {
    {
        {"frmneuerrland", "Neuerrichtung einer Landesstraße"},
        {"frmerrko_neuerrland", "Errichtungskosten der Landesstraße"},
        {"frmbetrko_land", "Neuerrichtung einer Landesstraße"},
        {"frmbetrkoerg_land", "Betriebskosten der Landesstraße"},
        {"frmerg_land", "Ergebnisblatt - Neuerrichtung einer Landesstraße"},
    },
    {
        {"frmneuerrgde", "Neuerrichtung einer Gemeindestraße"},
        {"frmerrko_neuerrgde", "Errichtungskosten der Gemeindestraße"},
        {"frmbetrko_gde", "Neuerrichtung einer Gemeindestraße"},
        {"frmbetrkoerg_gde", "Betriebskosten der Gemeindestraße"},
        {"frmerg_gde", "Ergebnisblatt - Neuerrichtung einer Gemeindestraße"},
    },
    {
        {"frmsan", "Sanierung einer Gemeindestraße"},
        {"frmsanko", "Sanierungskosten der Straßenbeleuchtung"},
        {"frmbetrko_san", "Sanierung einer Gemeindestraße"},
        {"frmbetrkoerg_san", "Betriebskosten der zu sanierenden Gemeindestraße"},
        {"frmerg_san", "Ergebnisblatt - Sanierung einer Gemeindestraße"},
    },
};

} // namespace

const Bildschirm& bildschirm(Pfad pfad, Schritt schritt)
{
    return tabelle[static_cast<int>(pfad)][nummer(schritt) - 1];
}

} // namespace grobrechner

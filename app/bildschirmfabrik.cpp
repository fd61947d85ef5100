#include "bildschirmfolge.h"
#include "frmbetrko_gde.h"
#include "frmbetrko_land.h"
#include "frmbetrko_san.h"
#include "frmbetrkoerg_gde.h"
#include "frmbetrkoerg_land.h"
#include "frmbetrkoerg_san.h"
#include "frmerg_gde.h"
#include "frmerg_land.h"
#include "frmerg_san.h"
#include "frmerrko_neuerrgde.h"
#include "frmerrko_neuerrland.h"
#include "frmneuerrgde.h"
#include "frmneuerrland.h"
#include "frmsan.h"
#include "frmsanko.h"

#include <QHash>

namespace grobrechner {

Pfadformular* bildschirmErzeugen(const QString& name, Umgebung& umgebung)
{
    using Erzeuger = Pfadformular* (*)(Umgebung&);
    // Every name of the screen table has its line here.
    static const QHash<QString, Erzeuger> bildschirme = {
        {QStringLiteral("frmneuerrland"), [](Umgebung& u) -> Pfadformular* { return new frmneuerrland(u); }},
        {QStringLiteral("frmerrko_neuerrland"), [](Umgebung& u) -> Pfadformular* { return new frmerrko_neuerrland(u); }},
        {QStringLiteral("frmneuerrgde"), [](Umgebung& u) -> Pfadformular* { return new frmneuerrgde(u); }},
        {QStringLiteral("frmerrko_neuerrgde"), [](Umgebung& u) -> Pfadformular* { return new frmerrko_neuerrgde(u); }},
        {QStringLiteral("frmsan"), [](Umgebung& u) -> Pfadformular* { return new frmsan(u); }},
        {QStringLiteral("frmsanko"), [](Umgebung& u) -> Pfadformular* { return new frmsanko(u); }},
        {QStringLiteral("frmbetrko_land"), [](Umgebung& u) -> Pfadformular* { return new frmbetrko_land(u); }},
        {QStringLiteral("frmbetrko_gde"), [](Umgebung& u) -> Pfadformular* { return new frmbetrko_gde(u); }},
        {QStringLiteral("frmbetrko_san"), [](Umgebung& u) -> Pfadformular* { return new frmbetrko_san(u); }},
        {QStringLiteral("frmbetrkoerg_land"), [](Umgebung& u) -> Pfadformular* { return new frmbetrkoerg_land(u); }},
        {QStringLiteral("frmbetrkoerg_gde"), [](Umgebung& u) -> Pfadformular* { return new frmbetrkoerg_gde(u); }},
        {QStringLiteral("frmbetrkoerg_san"), [](Umgebung& u) -> Pfadformular* { return new frmbetrkoerg_san(u); }},
        {QStringLiteral("frmerg_land"), [](Umgebung& u) -> Pfadformular* { return new frmerg_land(u); }},
        {QStringLiteral("frmerg_gde"), [](Umgebung& u) -> Pfadformular* { return new frmerg_gde(u); }},
        {QStringLiteral("frmerg_san"), [](Umgebung& u) -> Pfadformular* { return new frmerg_san(u); }},
    };
    return bildschirme.value(name)(umgebung);
}

} // namespace grobrechner

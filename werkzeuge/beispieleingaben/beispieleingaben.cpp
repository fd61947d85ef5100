#include "beispieleingaben.h"

#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QWidget>

#include <functional>

namespace grobrechner {

namespace {

void tippen(QWidget& s, const char* feld, const char* text)
{
    if (auto* f = s.findChild<QLineEdit*>(QString::fromUtf8(feld)))
        f->setText(QString::fromUtf8(text));
}

void neuerrichtung(QWidget& s)
{
    tippen(s, "txtstraßenlänge", "1000");
    if (auto* hoehe = s.findChild<QComboBox*>(QStringLiteral("cbolichtpunkthöhe"))) {
        // As the user chooses: the item is selected and activated.
        const int index = hoehe->findText(QStringLiteral("6"));
        hoehe->setCurrentIndex(index);
        emit hoehe->activated(index);
    }
    tippen(s, "txtlpabstand", "30");
    tippen(s, "txtgrabungslänge", "200");
}

void betrieb(QWidget& s)
{
    tippen(s, "txtstromko", "15");
    tippen(s, "txtwattageb", "80");
}

} // namespace

void beispieleingabenMachen(QWidget& schritt)
{
    static const QHash<QString, std::function<void(QWidget&)>> eingaben = {
        {QStringLiteral("frmneuerrland"), neuerrichtung},
        {QStringLiteral("frmneuerrgde"), neuerrichtung},
        {QStringLiteral("frmsan"), [](QWidget& s) { tippen(s, "txtlp", "30"); }},
        {QStringLiteral("frmbetrko_land"), betrieb},
        {QStringLiteral("frmbetrko_gde"), betrieb},
        {QStringLiteral("frmbetrko_san"), betrieb},
    };
    if (const auto e = eingaben.value(schritt.objectName()))
        e(schritt);
}

} // namespace grobrechner

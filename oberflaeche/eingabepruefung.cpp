#include "eingabepruefung.h"

#include "dienste.h"
#include "formular.h"

#include <QLineEdit>

namespace grobrechner {

bool eingabeBemaengeln(Formular& formular, QWidget* feld, const QString& titel, const QString& text, bool leeren)
{
    if (!formular.rahmen().dienste().meldungen->information(&formular, titel, text))
        return false; // the screen was closed while the box was open
    if (auto* zeile = qobject_cast<QLineEdit*>(feld); zeile && leeren)
        zeile->clear();
    feld->setFocus(Qt::OtherFocusReason);
    return true;
}

std::optional<float> zahlPruefen(Formular& formular, QLineEdit* feld, Untergrenze grenze, const QString& titel,
                                 const QString& text)
{
    const std::optional<float> wert = eingabeLesen(feld->text().toStdString(), grenze);
    if (!wert)
        eingabeBemaengeln(formular, feld, titel, text);
    return wert;
}

} // namespace grobrechner

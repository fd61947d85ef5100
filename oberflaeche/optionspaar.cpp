#include "optionspaar.h"

#include "umbrechendeoption.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace grobrechner {

Optionspaar::Optionspaar(const char* name, const QString& titel, const Wahl& erste, const Wahl& zweite,
                         Schreiben schreiben, bool ersteGewaehlt, QWidget* eltern)
    : QGroupBox(titel, eltern)
{
    setObjectName(QString::fromUtf8(name));
    auto* spalte = new QVBoxLayout(this);
    const auto option = [&](const Wahl& w, bool ist1) {
        auto* o = new UmbrechendeOption(w.text, this);
        o->setObjectName(QString::fromUtf8(w.name));
        spalte->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, schreiben, ist1] {
            schreiben(ist1);
            emit gewaehlt(ist1);
        });
        return o;
    };
    m_erste = option(erste, true);
    m_zweite = option(zweite, false);
    (ersteGewaehlt ? m_erste : m_zweite)->setChecked(true);
}

void Optionspaar::zeigen(bool ersteGewaehlt)
{
    (ersteGewaehlt ? m_erste : m_zweite)->setChecked(true);
}

Optionspaar::Schreiben jaNeinFeld(bool& feld)
{
    return [&feld](bool ja) { feld = ja; };
}

Optionspaar* verteilerwahl(bool& verteiler, QWidget* eltern)
{
    return new Optionspaar("Frame2", QStringLiteral("Wird der Verteiler neu errichtet?"), {"optvtja", QStringLiteral("Ja")},
                           {"optvtnein", QStringLiteral("Nein")}, jaNeinFeld(verteiler), true, eltern);
}

} // namespace grobrechner

#pragma once

#include <QGroupBox>
#include <QString>

#include <functional>

class QRadioButton;

namespace grobrechner {

// Two options in a captioned frame that write one field of the record at the
// moment the user clicks one of them (clicking the selected option writes it
// again). Used for the luminaire style, the cabinet, the masts and the
// switching choices. A caption wraps where the frame is narrower than it.
class Optionspaar : public QGroupBox {
    Q_OBJECT
public:
    struct Wahl {
        const char* name; // objectName of the option
        QString text;     // its caption
    };
    // Writes the choice into the record: true for the first option.
    using Schreiben = std::function<void(bool erste)>;

    // `erste` starts selected when `ersteGewaehlt` is true, `zweite` otherwise.
    Optionspaar(const char* name, const QString& titel, const Wahl& erste, const Wahl& zweite, Schreiben schreiben,
                bool ersteGewaehlt, QWidget* eltern);

    QRadioButton* erste() const { return m_erste; }
    QRadioButton* zweite() const { return m_zweite; }

    // Selects an option as the record has it, without writing the record.
    void zeigen(bool ersteGewaehlt);

signals:
    // After the record has been written; `erste` tells which one.
    void gewaehlt(bool erste);

private:
    QRadioButton* m_erste;
    QRadioButton* m_zweite;
};

// A yes/no field: "Ja" first, writing true.
Optionspaar::Schreiben jaNeinFeld(bool& feld);

// "Wird der Verteiler neu errichtet?" — Frame2 with optvtja / optvtnein writing
// `verteiler`; "Ja" starts selected, as the path buttons reset the field.
Optionspaar* verteilerwahl(bool& verteiler, QWidget* eltern);

} // namespace grobrechner

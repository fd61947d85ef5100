#pragma once

#include "textsatz.h"

#include <QLabel>

namespace grobrechner {

// A label that lays its plain text out once. QLabel lays the text out anew for
// every size it is asked: three times for a line that does not wrap (its
// size, the height of one line and its narrowest width, which then are one
// and the same), five times for wrapping text and once more for every width a
// layout asks the height of. On the result screens, with some sixty labels
// each, that was the largest part of a screen change. Here a line is measured
// once and wrapping text shaped once (Textsatz); rich text, margins, indents,
// frames, mnemonics and pictures are left to QLabel.
class Beschriftung : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int breite) const override;

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    bool einfach() const;
    // The size QLabel asks for at that width (negative: the width it would
    // choose).
    QSize groesseBei(int breite) const;

    // A line that does not wrap, as last measured, with its text and flags;
    // forgotten when the font changes.
    struct Zeile {
        QString text;
        int flags = 0;
        QSize box;
    };
    mutable Zeile m_zeile;
    Textsatz m_satz; // wrapping text
};

} // namespace grobrechner

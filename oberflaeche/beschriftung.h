#pragma once

#include <QLabel>
#include <QTextLayout>

#include <memory>
#include <utility>
#include <vector>

namespace grobrechner {

// A label that lays its plain text out once. QLabel lays the text out anew for
// every size it is asked: three times for a line that does not wrap (its
// size, the height of one line and its narrowest width, which then are one
// and the same), five times for wrapping text and once more for every width a
// layout asks the height of. On the result screens, with some sixty labels
// each, that was the largest part of a screen change. Here the text is shaped
// once and only broken into lines for each width, as QLabel breaks it. Rich
// text, margins, indents, frames, mnemonics and pictures are left to QLabel.
class Beschriftung : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    ~Beschriftung() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int breite) const override;

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    bool einfach() const;
    // The size QLabel asks for at that width (negative: the width it would
    // choose), the text laid out as QFontMetrics::boundingRect lays it out.
    QSize groesseBei(int breite) const;
    // The bounding box of the wrapped text at that line width.
    QSize umbrochen(int zeilenbreite) const;

    // The text as last laid out, with its flags, and what was measured of it.
    mutable QString m_text;
    mutable int m_flags = 0;
    mutable QSize m_box;                       // a line that does not wrap
    mutable std::unique_ptr<QTextLayout> m_satz; // wrapping text, shaped once
    mutable std::vector<std::pair<int, QSize>> m_umbrueche;
};

} // namespace grobrechner

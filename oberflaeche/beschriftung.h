#pragma once

#include <QLabel>

namespace grobrechner {

// A label that measures its line of plain text once. QLabel measures it three
// times as a layout first asks — its size, the height of one line and its
// narrowest width, each laying the text out anew — which for text that does
// not wrap are one and the same; on a result screen of some sixty labels that
// was the largest part of a screen change. Anything else (wrapping, rich text,
// margins, indents, frames, mnemonics, pictures) is measured by QLabel itself.
class Beschriftung : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    bool einfach() const;

    // The text's bounding box as last measured, for this text and these flags.
    mutable QString m_text;
    mutable int m_flags = 0;
    mutable QSize m_box;
};

} // namespace grobrechner

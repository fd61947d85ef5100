#pragma once

#include "textsatz.h"

#include <QRadioButton>

namespace grobrechner {

// An option whose caption wraps onto further lines where its frame is
// narrower than the caption, instead of being cut off or pushing the screen
// wider than the window: it asks for its caption on one line, makes do with
// the width of its longest word, and is as high as its lines. Clicks count on
// the mark and on the caption's lines, as on any option.
class UmbrechendeOption : public QRadioButton {
    Q_OBJECT
public:
    UmbrechendeOption(const QString& text, QWidget* eltern);

    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int breite) const override;

protected:
    void changeEvent(QEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;
    bool hitButton(const QPoint& punkt) const override;

private:
    // The width of the mark and the gaps around the caption.
    int rand() const;
    // Where the caption stands, wrapped to the option's width.
    QRect textflaeche() const;
    // The height of the caption wrapped to `textbreite`.
    int texthoehe(int textbreite) const;

    Textsatz m_satz;
};

} // namespace grobrechner

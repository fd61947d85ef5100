#pragma once

#include <QFont>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QTextLayout>

#include <memory>
#include <utility>
#include <vector>

class QEvent;

namespace grobrechner {

// Wrapping plain text in one font, shaped once and then only broken into
// lines. QFontMetrics::boundingRect lays a text out anew at each call, and the
// layouts ask a wrapping caption for its height at many widths while a screen
// opens; here each further width costs only the line breaking. The lines break
// and stand as QFontMetrics breaks them.
class Textsatz {
public:
    Textsatz();
    ~Textsatz();

    // Whether the text is one this breaks as QFontMetrics does: none with
    // tabs, returns, length variants or right-to-left script. (A caption with
    // a mnemonic also needs QFontMetrics, which leaves out the "&".)
    static bool geeignet(const QString& text);

    // What QFontMetrics(schrift).boundingRect(rahmen, flags | Qt::TextWordWrap,
    // text) gives for such a text. Another text or font is shaped anew.
    QRect rechteck(const QString& text, const QFont& schrift, const QRect& rahmen, int flags) const;
    // Shapes anew at the next call: for a widget's FontChange, which also
    // comes when its font is resolved again for another screen's resolution.
    void vergessen() { m_satz.reset(); }
    // Whether a widget's event means its text must be measured anew.
    static bool schriftGeaendert(const QEvent& ereignis);

private:
    // Width and height of the text broken into lines of that width.
    QSizeF umbrochen(int zeilenbreite) const;

    mutable QString m_text;
    mutable QFont m_schrift;
    mutable std::unique_ptr<QTextLayout> m_satz;
    mutable std::vector<std::pair<int, QSizeF>> m_breiten; // the last few line widths asked
};

} // namespace grobrechner

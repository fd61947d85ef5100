#include "beschriftung.h"

#include <QEvent>
#include <QStyle>

namespace grobrechner {

bool Beschriftung::einfach() const
{
    const QString t = text();
    return !t.isEmpty() && !wordWrap() && margin() == 0 && indent() <= 0 && frameWidth() == 0 && !buddy()
        && (textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(t)));
}

QSize Beschriftung::sizeHint() const
{
    if (!einfach())
        return QLabel::sizeHint();
    ensurePolished();
    // As QLabel measures: without centring, whose halving could round the size.
    const QString t = text();
    const int flags = int(QStyle::visualAlignment(t.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment()))
        & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    if (!m_box.isValid() || flags != m_flags || t != m_text) {
        m_box = fontMetrics().boundingRect(0, 0, 2000, 2000, flags, t).size();
        m_text = t;
        m_flags = flags;
    }
    const QMargins r = contentsMargins();
    return (m_box + QSize(r.left() + r.right(), r.top() + r.bottom())).expandedTo(minimumSize());
}

QSize Beschriftung::minimumSizeHint() const { return einfach() ? sizeHint() : QLabel::minimumSizeHint(); }

void Beschriftung::changeEvent(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FontChange || ereignis->type() == QEvent::StyleChange)
        m_box = QSize();
    QLabel::changeEvent(ereignis);
}

} // namespace grobrechner

#include "klicksperre.h"

#include <QApplication>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>

namespace grobrechner {

namespace {
constexpr const char* erschienenNach = "grobrechner_erschienen_nach_freigabe";
}

Klicksperre& Klicksperre::instanz()
{
    // One for the application: it sees every mouse button, whichever widget
    // it is meant for. Mouse events are rare enough for that to cost nothing.
    const QString name = QStringLiteral("grobrechner_klicksperre");
    if (auto* da = qApp->findChild<Klicksperre*>(name, Qt::FindDirectChildrenOnly))
        return *da;
    auto* neu = new Klicksperre(qApp);
    neu->setObjectName(name);
    qApp->installEventFilter(neu);
    return *neu;
}

void Klicksperre::fensterErschienen(QWidget& fenster)
{
    const Klicksperre& sperre = instanz();
    // A window that did not appear through a click (at start, or by a key
    // after a long while) is not held back by the last release.
    fenster.setProperty(erschienenNach, sperre.m_letzteFreigabe ? QVariant(*sperre.m_letzteFreigabe) : QVariant());
}

bool Klicksperre::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::MouseButtonPress && art != QEvent::MouseButtonRelease && art != QEvent::MouseButtonDblClick)
        return false;
    const quint64 zeit = static_cast<QMouseEvent*>(ereignis)->timestamp();
    bool sperren = false;
    if (auto* w = qobject_cast<QWidget*>(objekt)) {
        const QVariant freigabe = w->window()->property(erschienenNach);
        if (freigabe.isValid()) {
            const quint64 seit = freigabe.toULongLong();
            sperren = zeit >= seit && zeit - seit < quint64(QApplication::doubleClickInterval());
        }
    }
    if (art == QEvent::MouseButtonRelease)
        m_letzteFreigabe = zeit;
    return sperren;
}

} // namespace grobrechner

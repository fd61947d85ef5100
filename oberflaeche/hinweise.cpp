#include "hinweise.h"

#include <QEvent>
#include <QMouseEvent>
#include <QStatusBar>
#include <QVariant>
#include <QWidget>

namespace grobrechner {

namespace {
constexpr const char* beiBewegung = "grobrechner_hinweis";
constexpr const char* beiDruck = "grobrechner_druckhinweis";
} // namespace

Hinweise::Hinweise(QStatusBar* leiste, QObject* eltern)
    : QObject(eltern)
    , m_leiste(leiste)
{
}

void Hinweise::setHint(QWidget* element, const QString& text)
{
    element->setProperty(beiBewegung, text);
    // Mouse moves without a pressed button reach only widgets that track the
    // mouse; all others swallow them, which keeps the current hint.
    element->setMouseTracking(true);
    element->installEventFilter(this);
}

void Hinweise::setPressHint(QWidget* element, const QString& text)
{
    element->setProperty(beiDruck, text);
    element->installEventFilter(this);
}

bool Hinweise::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const char* art = nullptr;
    switch (ereignis->type()) {
    case QEvent::MouseMove:
        art = beiBewegung;
        break;
    case QEvent::MouseButtonPress:
        art = beiDruck;
        break;
    default:
        return false;
    }
    const QVariant text = objekt->property(art);
    if (!text.isValid())
        return false;
    if (m_leiste)
        m_leiste->showMessage(text.toString());
    // A hint of its own outranks the background's: the move goes no further.
    // Drags (a button held) pass on, so that buttons and fields behave as usual.
    if (ereignis->type() == QEvent::MouseMove
        && static_cast<QMouseEvent*>(ereignis)->buttons() == Qt::NoButton) {
        ereignis->accept();
        return true;
    }
    return false;
}

} // namespace grobrechner

#include "laengenwache.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>

namespace grobrechner {

namespace {

constexpr const char* bewacht = "grobrechner_laengenwache";
constexpr int ohneGrenze = 32767; // QLineEdit's maximum length when none is set

// Whether `text` fits into the field, in place of its selection or beside it.
bool passt(const QLineEdit& feld, const QString& text, bool ersetztAuswahl)
{
    const qsizetype bleibt = feld.text().size() - (ersetztAuswahl ? feld.selectedText().size() : 0);
    return bleibt + text.size() <= feld.maxLength();
}

// What QLineEdit would insert for a key: printable text without Ctrl (AltGr,
// which some systems report as Ctrl+Alt, still types).
bool tipptText(const QKeyEvent& taste)
{
    const QString text = taste.text();
    return !text.isEmpty() && text.front().isPrint()
        && (taste.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != Qt::ControlModifier;
}

} // namespace

Laengenwache::Laengenwache(QStatusBar* leiste, QObject* eltern)
    : QObject(eltern)
    , m_leiste(leiste)
{
}

QString Laengenwache::hinweisGetippt(int laenge)
{
    return QStringLiteral("Höchstens %1 Zeichen – die weiteren Zeichen wurden nicht übernommen.").arg(laenge);
}

QString Laengenwache::hinweisEingefuegt(int laenge)
{
    return QStringLiteral("Höchstens %1 Zeichen – der eingefügte Text wurde nicht übernommen.").arg(laenge);
}

void Laengenwache::bewachen(QLineEdit* feld)
{
    if (feld->maxLength() >= ohneGrenze || feld->property(bewacht).toBool())
        return;
    feld->setProperty(bewacht, true);
    feld->installEventFilter(this);
}

bool Laengenwache::eventFilter(QObject* objekt, QEvent* ereignis)
{
    auto* feld = qobject_cast<QLineEdit*>(objekt);
    if (!feld || feld->isReadOnly())
        return false;
    QClipboard* ablage = QGuiApplication::clipboard();
    switch (ereignis->type()) {
    case QEvent::KeyPress: {
        const auto& taste = *static_cast<QKeyEvent*>(ereignis);
        if (taste.matches(QKeySequence::Paste)) {
            einfuegen(*feld, ablage->text());
            return true;
        }
        if (tipptText(taste) && !passt(*feld, taste.text(), true)) {
            melden(hinweisGetippt(feld->maxLength()));
            return true;
        }
        return false;
    }
    case QEvent::InputMethod: {
        const auto& eingabe = *static_cast<QInputMethodEvent*>(ereignis);
        if (eingabe.commitString().isEmpty() || passt(*feld, eingabe.commitString(), true))
            return false;
        // The composition goes on; only the text it hands over is refused.
        QInputMethodEvent ohneText(eingabe.preeditString(), eingabe.attributes());
        QCoreApplication::sendEvent(feld, &ohneText);
        melden(eingabe.commitString().size() > 1 ? hinweisEingefuegt(feld->maxLength())
                                                 : hinweisGetippt(feld->maxLength()));
        return true;
    }
    case QEvent::Drop: {
        // Text dragged in from elsewhere lands where it is dropped, beside the
        // selection; text moved within the field keeps Qt's own handling.
        auto& ablegen = *static_cast<QDropEvent*>(ereignis);
        if (ablegen.source() == feld || !ablegen.mimeData()->hasText())
            return false;
        feld->deselect();
        feld->setCursorPosition(feld->cursorPositionAt(ablegen.position().toPoint()));
        einfuegen(*feld, ablegen.mimeData()->text(), false);
        ablegen.acceptProposedAction();
        return true;
    }
    case QEvent::MouseButtonRelease:
        // The X11 selection, pasted with the middle button.
        if (static_cast<QMouseEvent*>(ereignis)->button() == Qt::MiddleButton && ablage->supportsSelection()) {
            feld->deselect();
            einfuegen(*feld, ablage->text(QClipboard::Selection));
            return true;
        }
        return false;
    case QEvent::ContextMenu: {
        // Qt's own menu, its "Paste" running through here. The action is known
        // by its connection: it has no name in every Qt version.
        QMenu* menue = feld->createStandardContextMenu();
        for (QAction* aktion : menue->actions()) {
            const bool fuegtEin = QObject::disconnect(aktion, &QAction::triggered, feld, &QLineEdit::paste)
                || QObject::disconnect(aktion, SIGNAL(triggered()), feld, SLOT(paste()));
            if (fuegtEin)
                connect(aktion, &QAction::triggered, feld,
                        [this, feld] { einfuegen(*feld, QGuiApplication::clipboard()->text()); });
        }
        menue->setAttribute(Qt::WA_DeleteOnClose);
        menue->popup(static_cast<QContextMenuEvent*>(ereignis)->globalPos());
        return true;
    }
    default:
        return false;
    }
}

void Laengenwache::einfuegen(QLineEdit& feld, QString text, bool ersetztAuswahl)
{
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    if (!passt(feld, text, ersetztAuswahl)) {
        melden(text.size() > 1 ? hinweisEingefuegt(feld.maxLength()) : hinweisGetippt(feld.maxLength()));
        return;
    }
    feld.insert(text);
}

void Laengenwache::melden(const QString& text)
{
    if (m_leiste)
        m_leiste->showMessage(text);
}

} // namespace grobrechner

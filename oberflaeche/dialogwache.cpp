#include "dialogwache.h"

#include <QEvent>
#include <QWidget>

#include <memory>
#include <vector>

namespace grobrechner {

namespace {

// Watches one window while a dialog of it runs: the window does not delete
// itself on closing meanwhile, and when it is closed or hidden the dialog is
// closed too. Afterwards the window gets its own way of closing back, and if it
// was closed, the deletion it missed.
class Fensterwacht final : public QObject {
public:
    Fensterwacht(QWidget& fenster, QDialog& dialog)
        : m_fenster(&fenster)
        , m_dialog(&dialog)
        , m_loeschtSich(fenster.testAttribute(Qt::WA_DeleteOnClose))
    {
        fenster.setAttribute(Qt::WA_DeleteOnClose, false);
        fenster.installEventFilter(this);
        // A dialog closed through done() never sees a close event.
        if (auto* d = qobject_cast<QDialog*>(&fenster))
            connect(d, &QDialog::finished, this, [this] { m_geschlossen = true; });
    }

    ~Fensterwacht() override
    {
        if (!m_fenster)
            return;
        if (m_geschlossen && m_fenster->isHidden() && m_loeschtSich)
            m_fenster->deleteLater(); // now in the caller's event loop, not the dialog's
        else
            m_fenster->setAttribute(Qt::WA_DeleteOnClose, m_loeschtSich);
    }

    Fensterwacht(const Fensterwacht&) = delete;
    Fensterwacht& operator=(const Fensterwacht&) = delete;

    // The window is gone for the dialog's caller: deleted, closed or hidden.
    bool weg() const { return !m_fenster || m_weg; }

protected:
    bool eventFilter(QObject* /*objekt*/, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Close) {
            m_geschlossen = true;
        } else if (ereignis->type() == QEvent::Hide && !ereignis->spontaneous()) {
            // Hidden by the program (closed or left for another screen), not
            // merely minimised by the window manager.
            m_weg = true;
            if (m_dialog && m_dialog->isVisible())
                m_dialog->done(QDialog::Rejected);
        }
        return false;
    }

private:
    QPointer<QWidget> m_fenster;
    QPointer<QDialog> m_dialog;
    bool m_loeschtSich;
    bool m_geschlossen = false;
    bool m_weg = false;
};

} // namespace

Dialogwache::Dialogwache(QDialog* dialog)
    : m_dialog(dialog)
{
}

Dialogwache::~Dialogwache() { delete m_dialog.data(); }

std::optional<int> Dialogwache::ausfuehren()
{
    if (!m_dialog)
        return std::nullopt;
    std::vector<std::unique_ptr<Fensterwacht>> wachen;
    for (QWidget* w = m_dialog->parentWidget(); w; w = w->parentWidget()) {
        w = w->window();
        wachen.push_back(std::make_unique<Fensterwacht>(*w, *m_dialog));
    }
    const int ergebnis = m_dialog->exec();
    bool weg = !m_dialog;
    for (const auto& wache : wachen)
        weg = weg || wache->weg();
    if (weg)
        return std::nullopt;
    return ergebnis;
}

} // namespace grobrechner

#pragma once

#include <QDialog>
#include <QPointer>

#include <optional>

namespace grobrechner {

// Runs a modal dialog (a message box, a file dialog, any QDialog) over a window
// of the program so that neither can pull the other down.
//
// Windows delete themselves when they close, and the dialog's own event loop
// would carry out that deletion while the dialog still runs and its caller is
// still on the stack: the dialog freed twice, the caller working on a freed
// window. So while a dialog runs, the windows it belongs to (its parent's window
// and that one's parents) may close but are not deleted. A window that is closed
// or hidden meanwhile takes the dialog down with it and is deleted once the
// dialog has returned; the caller learns from the result that its window is gone
// and stops.
//
// Every modal dialog of the program runs through this class, never through a
// bare exec() or the static functions of QMessageBox, QFileDialog and the like.
class Dialogwache {
public:
    // Takes the dialog, which has a window of the program as its parent.
    explicit Dialogwache(QDialog* dialog);
    // Deletes the dialog, unless its window already has.
    ~Dialogwache();
    Dialogwache(const Dialogwache&) = delete;
    Dialogwache& operator=(const Dialogwache&) = delete;

    // Runs the dialog and gives its result; nothing when its window was closed,
    // hidden or deleted meanwhile, and then the caller leaves that window alone.
    std::optional<int> ausfuehren();

    // The dialog, to read what the user chose; null once it is gone.
    template <typename D = QDialog>
    D* dialog() const
    {
        return qobject_cast<D*>(m_dialog.data());
    }

private:
    QPointer<QDialog> m_dialog;
};

} // namespace grobrechner

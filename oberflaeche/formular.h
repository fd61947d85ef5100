#pragma once

#include "rahmen.h"

#include <QWidget>

namespace grobrechner {

struct Dienste;

// A screen in a window of its own: the main menu and the fifteen path screens.
class Formular : public QWidget {
    Q_OBJECT
public:
    Formular(const Ausstattung& ausstattung, Dienste& dienste, QWidget* eltern = nullptr);

    Rahmen& rahmen() { return m_rahmen; }
    void setHint(QWidget* element, const QString& text) { m_rahmen.setHint(element, text); }
    void setPressHint(QWidget* element, const QString& text) { m_rahmen.setPressHint(element, text); }

signals:
    // The window is about to close, by a button or by the window's frame.
    void schliesst(Formular* formular);

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    // Enter and Return press the focused button, as Space does; Qt leaves them
    // to the default button of dialogs.
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    Rahmen m_rahmen;
};

} // namespace grobrechner

#include "formular.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace grobrechner {

Formular::Formular(const Ausstattung& ausstattung, Dienste& dienste, QWidget* eltern)
    : QWidget(eltern, Qt::Window)
    , m_rahmen(*this, ausstattung, dienste)
{
}

void Formular::closeEvent(QCloseEvent* ereignis)
{
    QWidget::closeEvent(ereignis);
    if (ereignis->isAccepted())
        emit schliesst(this);
}

void Formular::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) {
        // At once, not animated: a click still pending could act on a screen
        // that the next key or click has already left.
        if (auto* knopf = qobject_cast<QPushButton*>(focusWidget()); knopf && knopf->isVisible()) {
            knopf->click();
            return;
        }
    }
    QWidget::keyPressEvent(ereignis);
}

} // namespace grobrechner

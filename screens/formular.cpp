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
        if (auto* knopf = qobject_cast<QPushButton*>(focusWidget()); knopf && knopf->isVisible()) {
            knopf->animateClick();
            return;
        }
    }
    QWidget::keyPressEvent(ereignis);
}

} // namespace grobrechner

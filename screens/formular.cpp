#include "formular.h"

#include <QCloseEvent>

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

} // namespace grobrechner

#include "sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace grobrechner {

bool qtAufDeutsch()
{
    QCoreApplication* anwendung = QCoreApplication::instance();
    const QString name = QStringLiteral("qtbase_de");
    if (anwendung->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly))
        return true;
    auto* uebersetzung = new QTranslator(anwendung);
    uebersetzung->setObjectName(name);
    if (uebersetzung->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(uebersetzung))
        return true;
    delete uebersetzung;
    return false;
}

} // namespace grobrechner

#include "erstesbild.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace grobrechner {

namespace {

// Watches the application's events until a window paints. Queued from there,
// the work runs once the painted picture has gone to the screen.
class ErstesBild final : public QObject {
public:
    explicit ErstesBild(std::function<void()> danach)
        : QObject(QCoreApplication::instance())
        , m_danach(std::move(danach))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint && objekt->isWidgetType() && static_cast<QWidget*>(objekt)->isWindow()
            && m_danach) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), std::exchange(m_danach, {}));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_danach;
};

} // namespace

void nachDemErstenBild(std::function<void()> danach) { new ErstesBild(std::move(danach)); }

} // namespace grobrechner

#pragma once

#include <QObject>
#include <QString>

class QStatusBar;
class QWidget;

namespace grobrechner {

// Status-bar hints of one screen. A hint is shown when the mouse moves over
// its widget (entering it from outside is a move too; a window that merely
// opens under a resting mouse shows no hint yet) and stays until another hint replaces it; widgets
// without a hint leave the bar as it is. (Qt's statusTip is not used: it clears
// the bar when the mouse leaves.)
class Hinweise : public QObject {
    Q_OBJECT
public:
    explicit Hinweise(QStatusBar* leiste, QObject* eltern = nullptr);

    void setHint(QWidget* element, const QString& text);
    // For the few elements whose hint appears only while a mouse button is
    // pressed on them, not when the mouse merely passes over.
    void setPressHint(QWidget* element, const QString& text);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QStatusBar* m_leiste;
};

} // namespace grobrechner

#pragma once

#include <QObject>
#include <QPointer>

class QLineEdit;
class QStatusBar;

namespace grobrechner {

// Keeps a field's maximum length from cutting input silently. Qt refuses a
// keystroke past the limit without a word and cuts a longer paste to fit, so
// "1.000.000" pasted into a five-character field would be priced as "1.000".
// Here a keystroke past the limit stays refused, an insertion of several
// characters that does not fit (paste by keyboard, context menu or middle
// button, drop, input method) is refused as a whole and the field keeps its
// text; either way the status bar says why. A single line break at the end of
// a pasted value (a spreadsheet cell carries one) is dropped first.
class Laengenwache : public QObject {
    Q_OBJECT
public:
    explicit Laengenwache(QStatusBar* leiste, QObject* eltern = nullptr);

    // Guards a field with a maximum length; others, and fields already
    // guarded, are left alone.
    void bewachen(QLineEdit* feld);

    static QString hinweisGetippt(int laenge);
    static QString hinweisEingefuegt(int laenge);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void einfuegen(QLineEdit& feld, QString text, bool ersetztAuswahl = true);
    void melden(const QString& text);

    QPointer<QStatusBar> m_leiste;
};

} // namespace grobrechner

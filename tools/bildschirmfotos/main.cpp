// Renders every screen of the program into a PNG file, offscreen, so that
// layouts can be looked at without a display:
//   bildschirmfotos [folder]        (default: ./bildschirmfotos)
// QT_SCALE_FACTOR=2 shows the screens at 200 %.
#include "anwendung.h"
#include "frminfo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

#include <functional>

using namespace grobrechner;

namespace {

// Message boxes answer themselves: notes are confirmed, questions get No.
class StilleMeldungen final : public Meldungen {
public:
    void information(QWidget*, const QString&, const QString&) override {}
    bool frage(QWidget*, const QString&, const QString&) override { return false; }
};

// What to type into a screen before its forward button is pressed, so that
// the next screen gets sensible figures to show.
using Eingabe = std::function<void(QWidget&)>;

// 1000 m street with 6 m masts (30 m apart on the municipal road), 200 m of it
// dug in asphalt.
void neuerrichtungEingeben(QWidget& s)
{
    s.findChild<QLineEdit*>(QStringLiteral("txtstraßenlänge"))->setText(QStringLiteral("1000"));
    auto* hoehe = s.findChild<QComboBox*>(QStringLiteral("cbolichtpunkthöhe"));
    hoehe->setCurrentIndex(hoehe->findText(QStringLiteral("6")));
    emit hoehe->activated(hoehe->currentIndex());
    if (auto* abstand = s.findChild<QLineEdit*>(QStringLiteral("txtlpabstand")))
        abstand->setText(QStringLiteral("30"));
    s.findChild<QLineEdit*>(QStringLiteral("txtgrabungslänge"))->setText(QStringLiteral("200"));
}

// 15 Cent/kWh; the renovation's existing lamps have 80 W.
void betriebEingeben(QWidget& s)
{
    s.findChild<QLineEdit*>(QStringLiteral("txtstromko"))->setText(QStringLiteral("15"));
    if (auto* wattage = s.findChild<QLineEdit*>(QStringLiteral("txtwattageb")))
        wattage->setText(QStringLiteral("80"));
}

const QHash<QString, Eingabe>& eingaben()
{
    static const QHash<QString, Eingabe> alle = {
        {QStringLiteral("frmneuerrland"), neuerrichtungEingeben},
        {QStringLiteral("frmneuerrgde"), neuerrichtungEingeben},
        {QStringLiteral("frmsan"),
         [](QWidget& s) { s.findChild<QLineEdit*>(QStringLiteral("txtlp"))->setText(QStringLiteral("30")); }},
        {QStringLiteral("frmbetrko_land"), betriebEingeben},
        {QStringLiteral("frmbetrko_gde"), betriebEingeben},
        {QStringLiteral("frmbetrko_san"), betriebEingeben},
    };
    return alle;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bildschirmfotos");
    QDir().mkpath(ziel);

    StilleMeldungen meldungen;
    Dienste dienste = Dienste::echt();
    dienste.meldungen = &meldungen;
    dienste.jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3)); };
    dienste.homepageOeffnen = [](const QUrl&) {};
    Anwendung anwendung(dienste);

    QTextStream aus(stdout);
    const auto foto = [&](QWidget& w) {
        w.show();
        QApplication::processEvents();
        const QString datei = QDir(ziel).filePath(w.objectName() + QStringLiteral(".png"));
        w.grab().save(datei);
        aus << datei << '\n';
    };

    frmgrsbl& menue = *anwendung.hauptmenue();
    foto(menue);
    {
        frminfo info(dienste, &menue);
        foto(info);
    }

    const char* pfadknoepfe[] = {"Command1", "Command3", "Command2"};
    for (const char* knopf : pfadknoepfe) {
        menue.findChild<QPushButton*>(QString::fromUtf8(knopf))->click();
        for (int k = 1; k <= 5; ++k) {
            auto* schritt = qobject_cast<Pfadformular*>(anwendung.folge().schritt(k));
            if (!schritt || !schritt->isVisible())
                break;
            if (const Eingabe e = eingaben().value(schritt->objectName()))
                e(*schritt);
            foto(*schritt);
            if (k < 5 && schritt->vorwaertsknopf())
                schritt->vorwaertsknopf()->click();
        }
        if (auto* letzter = qobject_cast<Pfadformular*>(anwendung.folge().schritt(5)))
            letzter->hauptmenueknopf()->click();
    }
    return 0;
}

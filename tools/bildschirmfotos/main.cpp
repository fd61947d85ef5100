// Renders every screen of the program into a PNG file, offscreen, so that
// layouts can be looked at without a display:
//   bildschirmfotos [folder]        (default: ./bildschirmfotos)
// QT_SCALE_FACTOR=2 shows the screens at 200 %.
#include "anwendung.h"
#include "beispieleingaben.h"
#include "frminfo.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTextStream>


using namespace grobrechner;

namespace {

// Message boxes answer themselves: notes are confirmed, questions get No.
class StilleMeldungen final : public Meldungen {
public:
    bool information(QWidget*, const QString&, const QString&) override { return true; }
    bool frage(QWidget*, const QString&, const QString&) override { return false; }
};

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
    menue.findChild<QPushButton*>(QStringLiteral("cmdpreise"))->click();
    if (frmpreise* preise = anwendung.preisfenster()) {
        foto(*preise);
        preise->close();
    }

    const char* pfadknoepfe[] = {"Command1", "Command3", "Command2"};
    for (const char* knopf : pfadknoepfe) {
        menue.findChild<QPushButton*>(QString::fromUtf8(knopf))->click();
        for (int k = 1; k <= 5; ++k) {
            auto* schritt = qobject_cast<Pfadformular*>(anwendung.folge().schritt(k));
            if (!schritt || !schritt->isVisible())
                break;
            beispieleingabenMachen(*schritt); // so the next screen has figures to show
            foto(*schritt);
            if (k < 5 && schritt->vorwaertsknopf())
                schritt->vorwaertsknopf()->click();
        }
        if (auto* letzter = qobject_cast<Pfadformular*>(anwendung.folge().schritt(5)))
            letzter->hauptmenueknopf()->click();
    }
    return 0;
}

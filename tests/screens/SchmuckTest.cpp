// Der Schmuck der Bildschirme ändert das Spiel nicht: dieselbe Saat und dieselben Klicks
// ergeben mit und ohne Animation, bei jedem Zoom und ganz ohne Fenster denselben Spielstand.
// Qt nimmt den Zoom (QT_SCALE_FACTOR) nur beim Anlegen der Anwendung; daher spielt je Fall ein
// eigener Prozess.
#include "Bildschirmtest.h"
#include "core/AutoOberflaeche.h"
#include "core/SpielstandDatei.h"
#include "flow/screens/Bildschirmfotos.h"
#include "squad/Spielsystem.h"
#include "squad/screens/SpielsystemFrm.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <cstring>

using namespace torvane;

namespace {

// Kindprozess: das Beispielspiel, System 4-4-2, ein Doppelklick aufs Hauptfenster, beide
// Manager schließen ab. Gibt Spieltag und Prüfsumme des Spielstands aus.
int Spielen(bool fenster, bool animation)
{
    QTemporaryDir ordner;
    QtOberflaeche ui;
    TestUmgebung(ordner, ui);
    AutoOberflaeche automat;
    if (fenster) FensterAnlegen();
    else OberflaecheSetzen(&automat);
    S.KlangAus = true;
    if (!BeispielSpielAnlegen()) return 1;
    if (!fenster) {
        WaehleSystem(0, GewaehltesSystem(0));
        WaehleSystem(0, 3);
        AbschlussClick();
        AbschlussClick();
    } else {
        SpielfensterZeigen();
        SpielsystemF->OhneAnimation->setChecked(!animation);
        SpielsystemF->zeigen();
        QTest::mouseClick(SpielsystemF->BitBtn[2], Qt::LeftButton);
        SpielsystemF->hide();
        QTest::mouseDClick(MainF, Qt::LeftButton);
        Klicker weiter;
        QTest::mouseClick(MenuF->AbschlussButton, Qt::LeftButton);
        QTest::mouseClick(MenuF->AbschlussButton, Qt::LeftButton);
    }
    const QByteArray summe =
        QCryptographicHash::hash(QByteArray::fromStdString(SpielstandSchreiben()), QCryptographicHash::Md5).toHex();
    std::printf("Spieltag %d %s\n", static_cast<int>(S.Spiel.Spieltag), summe.constData());
    OberflaecheSetzen(nullptr);
    return 0;
}

QString Lauf(int zoom, bool animation)
{
    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(qMax(zoom, 100) / 100.0));
    p.setProcessEnvironment(umgebung);
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--spielen"), QString::number(zoom > 0), QString::number(animation)});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) return QStringLiteral("Fehler: ") + p.readAllStandardError();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

} // namespace

class SchmuckTest : public QObject {
    Q_OBJECT

private slots:
    void gleicheSaatGleichesSpiel()
    {
        const QString ohneFenster = Lauf(0, false);
        QVERIFY2(ohneFenster.startsWith(QStringLiteral("Spieltag 1 ")), qPrintable(ohneFenster));
        const struct {
            int zoom;
            bool animation;
        } faelle[] = {{100, true}, {100, false}, {200, true}, {150, false}};
        for (const auto& f : faelle)
            QVERIFY2(Lauf(f.zoom, f.animation) == ohneFenster,
                     qPrintable(QStringLiteral("Zoom %1, Animation %2").arg(f.zoom).arg(f.animation)));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--spielen") == 0)
        return Spielen(std::atoi(argv[2]) != 0, std::atoi(argv[3]) != 0);
    SchmuckTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "SchmuckTest.moc"

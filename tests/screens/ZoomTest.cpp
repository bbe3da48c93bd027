// Die Fenstergröße (Zoom): gespeichert je Benutzer, beim Start an Qt gegeben.
// Qt liest den Faktor nur beim Anlegen der Anwendung; daher misst ein zweiter
// Prozess dieses Programms die Fenster bei 100 % und bei 200 %.
#include "Bildschirmtest.h"
#include "core/screens/Bilder.h"
#include "core/screens/DiskFrm.h"
#include "flow/screens/Bildschirmfotos.h"
#include "tools/screens/ProgrammInfoFrm.h"

#include <QComboBox>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <cstdio>
#include <cstring>

using namespace torvane;

namespace {

// Kindprozess: grabt Fenster und gibt je Zeile Name, Pixelgröße und die Lage der
// benannten Bedienelemente in Fensterkoordinaten aus.
int FensterMessen(int prozent)
{
    ZoomVorDemStartSetzen(prozent);
    int argc = 1;
    char name[] = "ZoomTest";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    QtOberflaeche ui;
    TestUmgebung(ordner, ui);
    S.KlangAus = true;
    if (!BeispielSpielAnlegen()) return 1;
    QWidget haupt;
    HauptfensterSetzen(&haupt);
    TDiskF disk(&haupt);
    disk.zeigen();
    TProgrammInfoF info(&haupt);
    info.show();
    QApplication::processEvents();
    for (QWidget* w : {static_cast<QWidget*>(&disk), static_cast<QWidget*>(&info)}) {
        const QSize s = w->grab().size();
        std::printf("%s %d %d\n", qPrintable(w->objectName()), s.width(), s.height());
        for (QWidget* k : w->findChildren<QWidget*>()) {
            if (k->objectName().isEmpty() || !k->isVisible()) continue;
            const QRect r(k->mapTo(w, QPoint(0, 0)), k->size());
            std::printf("%s/%s %d %d %d %d\n", qPrintable(w->objectName()), qPrintable(k->objectName()), r.x(),
                        r.y(), r.width(), r.height());
        }
    }
    const QPixmap bild = Bild(QStringLiteral("ball"), QSize(64, 64));
    std::printf("Bild %d %d\n", bild.width(), bild.height());
    HauptfensterSetzen(nullptr);
    OberflaecheSetzen(nullptr);
    return 0;
}

// Zeile "Name Zahlen..." je Eintrag.
QMap<QString, QList<int>> Messen(int prozent)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--messen"), QString::number(prozent)});
    QMap<QString, QList<int>> m;
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return m;
    for (const QString& zeile : QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList teile = zeile.split(u' ');
        QList<int> zahlen;
        for (qsizetype i = 1; i < teile.size(); ++i) zahlen << teile[i].toInt();
        m.insert(teile[0], zahlen);
    }
    return m;
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT

    QTemporaryDir einstellungen;

private slots:
    void initTestCase()
    {
        QVERIFY(einstellungen.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen.path());
    }

    // Nur die angebotenen Stufen werden gespeichert; Unsinn in der Datei gilt als 100 %.
    void stufenSpeichern()
    {
        QCOMPARE(ZoomGespeichert(), 100);
        for (const int z : {125, 200, 150}) {
            ZoomSpeichern(z);
            QCOMPARE(ZoomGespeichert(), z);
        }
        for (const int z : {0, 99, 175, 400, -200}) {
            ZoomSpeichern(z);
            QCOMPARE(ZoomGespeichert(), 150);
        }
        QSettings(QStringLiteral("Torvane"), QStringLiteral("Torvane")).setValue(QStringLiteral("Ansicht/Zoom"), 333);
        QCOMPARE(ZoomGespeichert(), 100);
    }

    // Angeboten wird nur, was das größte Fenster ganz auf den Bildschirm bringt.
    void passendeStufen()
    {
        const struct {
            QSize frei;
            QList<int> stufen;
        } faelle[] = {
            {{800, 600}, {100}},                      // zu klein selbst für 100 %: bleibt 100
            {{1600, 1200}, {100, 125, 150}},          // der Spieltag bei 200 % wäre 2000 breit
            {{1920, 1040}, {100, 125}},               // Full HD ohne Leiste: 150 % zu hoch
            {{2000, 1480}, {100, 125, 150, 200}},     // genau passend
            {{1999, 1480}, {100, 125, 150}},
        };
        for (const auto& f : faelle) QCOMPARE(PassendeZoomStufen(f.frei), f.stufen);
    }

    // Die Auswahl im Fenster "Info" zeigt nur passende Stufen und speichert sofort; passt die
    // gespeicherte nicht, steht die größte passende da, und das Öffnen allein ändert nichts.
    void auswahlImInfoFenster()
    {
        ZoomSpeichern(200);
        TProgrammInfoF info;
        const QList<int> passend = PassendeZoomStufen(FreiInPixeln());
        QCOMPARE(info.Zoom->count(), passend.size());
        QCOMPARE(info.Zoom->currentData().toInt(), passend.constLast());
        QCOMPARE(ZoomGespeichert(), 200);
        info.Zoom->setCurrentIndex(-1);
        info.Zoom->setCurrentIndex(0);
        QCOMPARE(ZoomGespeichert(), 100);
    }

    // Beim Start: verlangter Zoom vor gespeichertem; eine vom Benutzer gesetzte
    // QT_SCALE_FACTOR bleibt, solange nichts verlangt ist.
    void vorDemStart()
    {
        const QByteArray vorher = qgetenv("QT_SCALE_FACTOR");
        ZoomSpeichern(150);
        qunsetenv("QT_SCALE_FACTOR");
        ZoomVorDemStartSetzen(0);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
        ZoomVorDemStartSetzen(0);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
        ZoomVorDemStartSetzen(200);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        // Auf einem kleineren Bildschirm die größte Stufe, die passt; gespeichert bleibt die Wahl.
        ZoomVorDemStartSetzen(200, QSize(1600, 1200));
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
        ZoomVorDemStartSetzen(0, QSize(1600, 1200));
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
        QCOMPARE(ZoomGespeichert(), 150);
        qputenv("QT_SCALE_FACTOR", "1.25");
        ZoomVorDemStartSetzen(0);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.25"));
        if (vorher.isNull()) qunsetenv("QT_SCALE_FACTOR");
        else qputenv("QT_SCALE_FACTOR", vorher);
    }

    // Die Sprache: verlangt (--sprache) vor der Wahl im Fenster "Info", die vor der des Systems;
    // die Wahl speichert das Fenster sofort, "System" löscht sie wieder.
    void spracheVorDemStart()
    {
        Pfade.Sprachen = U(QDir::currentPath()) + "/locale/";
        const QByteArray lang = qgetenv("LANG"), language = qgetenv("LANGUAGE"), all = qgetenv("LC_ALL");
        qputenv("LANG", "de_DE.UTF-8");
        qunsetenv("LANGUAGE");
        qunsetenv("LC_ALL");
        SpracheVorDemStartSetzen("");
        QCOMPARE(Sprache(), std::string("de"));
        {
            TProgrammInfoF info;
            info.SpracheWahl->setCurrentIndex(info.SpracheWahl->findData(QStringLiteral("en")));
        }
        QCOMPARE(SpracheGespeichert(), QStringLiteral("en"));
        SpracheVorDemStartSetzen("");
        QCOMPARE(Sprache(), std::string("en"));
        SpracheVorDemStartSetzen("de");
        QCOMPARE(Sprache(), std::string("de"));
        {
            TProgrammInfoF info;
            QCOMPARE(info.SpracheWahl->currentData().toString(), QStringLiteral("en"));
            info.SpracheWahl->setCurrentIndex(0);
        }
        qputenv("LANG", "en_GB.UTF-8");
        SpracheVorDemStartSetzen("");
        QCOMPARE(Sprache(), std::string("en"));
        SpracheSetzen("de", "");
        if (lang.isNull()) qunsetenv("LANG");
        else qputenv("LANG", lang);
        if (!language.isNull()) qputenv("LANGUAGE", language);
        if (!all.isNull()) qputenv("LC_ALL", all);
    }

    // Bei 200 % hat jedes gegrabte Fenster die doppelte Pixelgröße, die Bedienelemente
    // liegen (in Fensterpunkten) an derselben Stelle, und Bilder haben volle Auflösung.
    void doppeltSoGross()
    {
        const auto klein = Messen(100);
        const auto gross = Messen(200);
        QVERIFY(!klein.isEmpty());
        QCOMPARE(gross.keys(), klein.keys());
        for (const QString& fenster : {QStringLiteral("DiskF"), QStringLiteral("ProgrammInfoF"), QStringLiteral("Bild")}) {
            QVERIFY2(klein.contains(fenster), qPrintable(fenster));
            QCOMPARE(gross[fenster], (QList<int>{2 * klein[fenster][0], 2 * klein[fenster][1]}));
        }
        QCOMPARE(klein[QStringLiteral("DiskF")], (QList<int>{420, 420}));
        for (auto it = klein.begin(); it != klein.end(); ++it) {
            if (!it.key().contains(u'/')) continue;
            for (qsizetype i = 0; i < it.value().size(); ++i)
                QVERIFY2(qAbs(gross[it.key()][i] - it.value()[i]) <= 2, qPrintable(it.key()));
        }
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--messen") == 0) return FensterMessen(std::atoi(argv[2]));
    QApplication app(argc, argv);
    ZoomTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "ZoomTest.moc"

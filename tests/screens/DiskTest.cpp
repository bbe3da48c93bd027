// Der Speicherbildschirm "Disk": speichern, auflisten, laden, verbotene Namen.
#include "core/Funky.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/screens/DiskFrm.h"
#include "core/screens/QtOberflaeche.h"
#include "flow/screens/Bildschirmfotos.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace torvane;

class DiskTest : public QObject {
    Q_OBJECT

    QtOberflaeche ui;
    QTemporaryDir ordner;
    QWidget haupt;
    TDiskF* disk = nullptr;
    int nachLaden = 0;
    int gesperrt = 0;

    QString datei(const QString& name) const { return ordner.path() + QStringLiteral("/Save/") + name + ".lig"; }

private slots:
    void initTestCase()
    {
        QVERIFY(ordner.isValid());
        Pfade.Programm = U(ordner.path()) + "/";
        Pfade.Daten = TORVANE_QUELLEN "/daten/";
        Pfade.Musik = TORVANE_QUELLEN "/musik/";
        Pfade.Save = Pfade.Programm + "Save/";
        OberflaecheSetzen(&ui);
        QtOberflaeche::nieZeigen = true;
        QtOberflaeche::tempo = 0.0;
        S.KlangAus = true;
        HauptfensterSetzen(&haupt);
        haupt.setGeometry(50, 50, 800, 600);
        haupt.show();
        StandardOrtSetzen(QPoint(150, 70));
        QVERIFY(BeispielSpielAnlegen());
        disk = new TDiskF(&haupt);
        disk->nachLaden = [this] { ++nachLaden; };
        disk->ladenGesperrt = [this] { ++gesperrt; };
    }

    void cleanupTestCase()
    {
        delete disk;
        OberflaecheSetzen(nullptr);
    }

    // Ohne Spielnamen schlägt das Feld Manager und Verein vor; der Ordner entsteht.
    void vorschlagUndOrdner()
    {
        S.Spielname.clear();
        disk->zeigen();
        QCOMPARE(disk->Edit1->text(), Q(S.Manager[0].Name.text() + " mit " + S.Manager[0].Vereinsname.text()));
        QVERIFY(QFile::exists(ordner.path() + "/Save"));
        QCOMPARE(disk->pos(), QPoint(150, 70));
    }

    // Ein verbotenes Zeichen wird beim Tippen abgewiesen, das Feld bleibt beim letzten guten Text.
    void verbotenerName()
    {
        disk->Edit1->clear();
        QtOberflaeche::protokoll.clear();
        QTest::keyClicks(disk->Edit1, QStringLiteral("Saison"));
        QCOMPARE(disk->Edit1->text(), QStringLiteral("Saison"));
        QTest::keyClicks(disk->Edit1, QStringLiteral("."));
        QCOMPARE(disk->Edit1->text(), QStringLiteral("Saison"));
        QTest::keyClicks(disk->Edit1, QStringLiteral("*"));
        QCOMPARE(disk->Edit1->text(), QStringLiteral("Saison"));
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:Verbotene Dateinamenangabe !"));
        QTest::keyClicks(disk->Edit1, QStringLiteral(" 2"));
        QCOMPARE(disk->Edit1->text(), QStringLiteral("Saison 2"));
    }

    // Speichern legt die Datei an und zeigt sie in der Liste; der Spielname folgt.
    void speichernUndListe()
    {
        disk->Edit1->setText(QStringLiteral("Testspiel"));
        QTest::mouseClick(disk->Speichern, Qt::LeftButton);
        QVERIFY(QFile::exists(datei("Testspiel")));
        QCOMPARE(S.Spielname, std::string("Testspiel"));
        QCOMPARE(disk->ListBox1->count(), 1);
        QCOMPARE(disk->ListBox1->item(0)->text(), QStringLiteral("Testspiel.lig"));
        // Ein vorhandener Name fragt erst; "Abbrechen" lässt die Datei unberührt.
        const auto groesse = QFile(datei("Testspiel")).size();
        S.Manager[0].Kontostand = 42;
        QtOberflaeche::vorgaben.push_back("Abbrechen");
        QTest::mouseClick(disk->Speichern, Qt::LeftButton);
        QVERIFY(QtOberflaeche::imProtokoll("Datei ist schon vorhanden."));
        QCOMPARE(QFile(datei("Testspiel")).size(), groesse);
    }

    // Laden: Listeneintrag wählen, Frage mit "Ja", der alte Stand ist zurück, danach gesperrt.
    void ladenUndSperre()
    {
        QVERIFY(S.Manager[0].Kontostand == 42);
        disk->Edit1->clear();
        const QRect zeile = disk->ListBox1->visualItemRect(disk->ListBox1->item(0));
        QTest::mouseClick(disk->ListBox1->viewport(), Qt::LeftButton, {}, zeile.center());
        QCOMPARE(disk->Edit1->text(), QStringLiteral("Testspiel"));
        QtOberflaeche::vorgaben.push_back("Ja");
        QtOberflaeche::protokoll.clear();
        QTest::mouseClick(disk->Laden, Qt::LeftButton);
        QVERIFY(S.Manager[0].Kontostand != 42);
        QCOMPARE(nachLaden, 1);
        QCOMPARE(gesperrt, 1);
        QVERIFY(QtOberflaeche::imProtokoll("Laden erst wieder beim nächsten Programmstart möglich."));
        QVERIFY(disk->isHidden());

        // Ein zweiter Versuch wird nur noch abgewiesen.
        disk->zeigen();
        QtOberflaeche::protokoll.clear();
        disk->Edit1->setText(QStringLiteral("Testspiel"));
        QTest::mouseClick(disk->Laden, Qt::LeftButton);
        QCOMPARE(nachLaden, 1);
        QVERIFY(!QtOberflaeche::imProtokoll("neues Spiel laden ?"));
        LadenSperreSetzen(false);
    }

    // Löschen fragt und entfernt die Datei aus Ordner und Liste.
    void loeschen()
    {
        disk->Edit1->setText(QStringLiteral("Testspiel"));
        QtOberflaeche::vorgaben.push_back("Ja");
        QTest::mouseClick(disk->Loeschen, Qt::LeftButton);
        QVERIFY(!QFile::exists(datei("Testspiel")));
        QCOMPARE(disk->ListBox1->count(), 0);
    }
};

QTEST_MAIN(DiskTest)
#include "DiskTest.moc"

// Der Speicherbildschirm "Disk": speichern, auflisten, laden, verbotene Namen.
#include "Bildschirmtest.h"
#include "core/SpielstandDatei.h"
#include "core/screens/DiskFrm.h"
#include "flow/screens/Bildschirmfotos.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace torvane;

class DiskTest : public QObject {
    Q_OBJECT

    QtOberflaeche ui;

private slots:
    void cleanupTestCase() { OberflaecheSetzen(nullptr); }

    // Vorschlag ohne Spielnamen, verbotene Zeichen, Speichern, Laden aus der Liste mit Sperre
    // danach, Löschen. Überschreiben und Sperre selbst prüfen die Regeltests (SpielstandDisk).
    void speichernLadenLoeschen()
    {
        QTemporaryDir ordner;
        TestUmgebung(ordner, ui);
        S.KlangAus = true;
        QWidget haupt;
        HauptfensterSetzen(&haupt);
        QVERIFY(BeispielSpielAnlegen());
        TDiskF disk(&haupt);
        int nachLaden = 0, gesperrt = 0;
        disk.nachLaden = [&] { ++nachLaden; };
        disk.nachLadesperre = [&] { ++gesperrt; };
        const QString datei = ordner.path() + QStringLiteral("/Save/Testspiel.lig");

        S.Spielname.clear();
        disk.zeigen();
        QCOMPARE(disk.Edit1->text(), Q(S.Manager[0].Name.text() + " mit " + S.Manager[0].Vereinsname.text()));

        // Ein verbotenes Zeichen wird beim Tippen abgewiesen, das Feld bleibt beim letzten guten Text.
        disk.Edit1->clear();
        QTest::keyClicks(disk.Edit1, QStringLiteral("Saison"));
        for (const char* zeichen : {".", "*"}) {
            QtOberflaeche::protokoll.clear();
            QTest::keyClicks(disk.Edit1, QString::fromLatin1(zeichen));
            QCOMPARE(disk.Edit1->text(), QStringLiteral("Saison"));
            QVERIFY(QtOberflaeche::imProtokoll("Dialog:Verbotene Dateinamenangabe !"));
        }
        QTest::keyClicks(disk.Edit1, QStringLiteral(" 2"));
        QCOMPARE(disk.Edit1->text(), QStringLiteral("Saison 2"));

        disk.Edit1->setText(QStringLiteral("Testspiel"));
        QTest::mouseClick(disk.Speichern, Qt::LeftButton);
        QVERIFY(QFile::exists(datei));
        QCOMPARE(S.Spielname, std::string("Testspiel"));
        QCOMPARE(disk.ListBox1->count(), 1);

        disk.Edit1->clear();
        const QRect zeile = disk.ListBox1->visualItemRect(disk.ListBox1->item(0));
        QTest::mouseClick(disk.ListBox1->viewport(), Qt::LeftButton, {}, zeile.center());
        QCOMPARE(disk.Edit1->text(), QStringLiteral("Testspiel"));
        QtOberflaeche::vorgaben.push_back("Ja");
        QtOberflaeche::protokoll.clear();
        QTest::mouseClick(disk.Laden, Qt::LeftButton);
        QCOMPARE(nachLaden, 1);
        QCOMPARE(gesperrt, 1);
        QVERIFY(QtOberflaeche::imProtokoll("Laden erst wieder beim nächsten Programmstart möglich."));
        QVERIFY(disk.isHidden());

        LadenSperreSetzen(false);
        disk.zeigen();
        disk.Edit1->setText(QStringLiteral("Testspiel"));
        QtOberflaeche::vorgaben.push_back("Ja");
        QTest::mouseClick(disk.Loeschen, Qt::LeftButton);
        QVERIFY(!QFile::exists(datei));
        QCOMPARE(disk.ListBox1->count(), 0);
        HauptfensterSetzen(nullptr);
    }
};

QTEST_MAIN(DiskTest)
#include "DiskTest.moc"

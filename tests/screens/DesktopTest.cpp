// Was vom Desktop kommt: ein Spielstand beim Start (Doppelklick im Dateimanager)
// und die Tastenkürzel des Menüs.
#include "Bildschirmtest.h"
#include "core/SpielstandDatei.h"
#include "core/screens/DiskFrm.h"
#include "flow/Zug.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "flow/screens/StartFrm.h"
#include "season/screens/EndeFrm.h"
#include "tools/screens/HilfeFrm.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtTest>

using namespace torvane;

namespace {

const QString Testdaten = QStringLiteral(TORVANE_QUELLEN "/tests/data/");

// Jede Datei unter ordner mit ihrem Inhalt: "nichts geschrieben" heißt, das bleibt gleich.
QMap<QString, QByteArray> Dateien(const QString& ordner)
{
    QMap<QString, QByteArray> m;
    for (QDirIterator it(ordner, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString d = it.next();
        QFile f(d);
        if (f.open(QIODevice::ReadOnly)) m.insert(d, f.readAll());
    }
    return m;
}

void Kuerzel(const char* taste)
{
    const QKeySequence k(QString::fromLatin1(taste));
    QTest::keyClick(MainF, k[0].key(), k[0].keyboardModifiers());
    QApplication::processEvents();
}

} // namespace

class DesktopTest : public Bildschirmtest {
    Q_OBJECT

    bool startbildschirm_ = false;
    bool ladenAngeboten_ = false;

    // Startet wie "torvane pfad": true, wenn danach das Menü ohne Startbildschirm kommt.
    // Erscheint der Startbildschirm, wird das Programm dort beendet.
    bool starten(const QString& pfad)
    {
        startbildschirm_ = ladenAngeboten_ = false;
        QTimer uhr;
        connect(&uhr, &QTimer::timeout, this, [this] {
            if (!Offen(StartF) || !StartF->StartKnopf->isVisible()) return;
            startbildschirm_ = true;
            ladenAngeboten_ = StartF->SpielLaden->isVisible();
            StartF->beendenGewuenscht = true;
            StartF->QDialog::done(QDialog::Rejected);
        });
        uhr.start(10);
        MainF->startDatei = U(pfad);
        const bool ok = MainF->spielAnlegen();
        return ok && MainF->startDatei.empty();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(fensterStarten());
        S.KlangAus = true;
    }

    // Beschädigt, zu kurz, fremde Version, fehlend: die Meldung des Spiels, dann der
    // Startbildschirm, und keine Datei wird geschrieben oder verändert. Gesperrt wird das Laden
    // nur von einem Spielstand, der geladen wurde.
    void schlechteDateiFuehrtZumStartbildschirm_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        const QString kaputt = QString::fromUtf8(BeschaedigtText);
        QTest::newRow("zu kurz") << "spielstand_gekuerzt.lig" << kaputt;
        QTest::newRow("zu lang") << "spielstand_verlaengert.lig" << kaputt;
        QTest::newRow("Vereinszahl") << "spielstand_vereinszahl.lig" << kaputt;
        QTest::newRow("fremde Version") << "spielstand_version2.lig" << "Spielstand eienr alten Torvane Version.";
        QTest::newRow("fehlt") << "gibt_es_nicht.lig" << "Datei nicht vorhanden !";
    }
    void schlechteDateiFuehrtZumStartbildschirm()
    {
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        LadenSperreSetzen(false);
        const QString fremd = ordner.path() + QStringLiteral("/Downloads/");
        QVERIFY(QDir().mkpath(fremd));
        if (QFile::exists(Testdaten + datei)) QVERIFY(QFile::copy(Testdaten + datei, fremd + datei));
        const auto vorher = Dateien(ordner.path());
        QtOberflaeche::protokoll.clear();

        QVERIFY(!starten(fremd + datei));
        QVERIFY(startbildschirm_);
        QVERIFY(QtOberflaeche::imProtokoll(U(meldung)));
        QVERIFY(!QtOberflaeche::imProtokoll("Laden erst wieder"));
        QVERIFY(!LadenGesperrt());
        QVERIFY(ladenAngeboten_);
        QVERIFY(S.Spielname.empty());
        QCOMPARE(Dateien(ordner.path()), vorher);
    }

    // Ein guter Spielstand außerhalb des Save-Ordners: ohne Frage (es läuft noch kein Spiel),
    // dieselbe Sperre wie "Laden" mit dem neuen Speicherort, dann das Menü mit dem geladenen
    // Spiel. Der Name für das automatische Speichern überschreibt keinen anderen Spielstand.
    void guterSpielstandOeffnetDasSpiel()
    {
        LadenSperreSetzen(false);
        QVERIFY(SaveOrdnerAnlegen());
        const QString gleichnamig = Q(SpielstandPfad("Pokalnacht"));
        QFile alt(gleichnamig);
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("anderes Spiel") > 0);
        alt.close();
        const QString pfad = ordner.path() + QStringLiteral("/Pokalnacht.lig");
        QVERIFY(BeispielSpielAnlegen());
        S.Manager[0].Name = "Anneliese";
        const int konto = S.Manager[0].Kontostand = 4711;
        QVERIFY(SpielstandDatei("save", U(pfad)));
        S.Manager[0].Kontostand = konto + 1;
        const auto vorher = Dateien(ordner.path());

        QtOberflaeche::protokoll.clear();
        QVERIFY(starten(pfad));
        QVERIFY(!startbildschirm_);
        QVERIFY(!QtOberflaeche::imProtokoll("Aktuelles Spiel Spiel abbrechen und"));
        QVERIFY(QtOberflaeche::imProtokoll("Laden erst wieder beim nächsten Programmstart möglich."));
        QVERIFY(QtOberflaeche::imProtokoll(SpeicherortText(SpielstandPfad("Pokalnacht (2)"))));
        QVERIFY(LadenGesperrt());
        QVERIFY(!S.Neuanlage);
        QVERIFY(MenuF->isVisible() && !MenuF->Disk->isVisible());
        QCOMPARE(S.Manager[0].Kontostand, konto);
        QCOMPARE(MenuF->P1->text(), QStringLiteral("Anneliese"));
        QCOMPARE(S.Spielname, std::string("Pokalnacht (2)"));
        QCOMPARE(Dateien(ordner.path()), vorher);

        // Im Save-Ordner selbst behält der Spielstand seinen Namen.
        QVERIFY(QFile::remove(gleichnamig) && QFile::copy(pfad, gleichnamig));
        QCOMPARE(SpielnameFuerDatei(U(gleichnamig)), std::string("Pokalnacht"));
        QCOMPARE(SpielnameFuerDatei(U(ordner.path()) + "/Spiel:1 | x.lig"), std::string("Spiel_1 _ x"));
    }

    // F1, Strg+S und Strg+Q wirken wie die Knöpfe, stehen in den Tipps und tun nichts,
    // solange ein modales Fenster offen, das Menü gesperrt oder der Knopf verborgen ist.
    void tastenkuerzel()
    {
        QVERIFY(MenuF->isVisible());
        QVERIFY(MenuF->Hilfe->toolTip().contains(QStringLiteral("(F1)")));
        QVERIFY(MenuF->Disk->toolTip().contains(QStringLiteral("(Strg+S)")));
        QVERIFY(MenuF->Tschuess->toolTip().contains(QStringLiteral("(Strg+Q)")));
        MainF->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainF));

        // Gesperrt nach dem Laden: "Disk" ist verborgen, Strg+S sagt, warum.
        QVERIFY(!MenuF->Disk->isVisible());
        QtOberflaeche::protokoll.clear();
        Kuerzel("Ctrl+S");
        QVERIFY(!Offen(DiskF));
        QVERIFY(QtOberflaeche::imProtokoll("Laden erst wieder beim nächsten Programmstart möglich."));
        LadenSperreSetzen(false);
        MenueAnzeigen();

        // Während des Tages ist das Menü gesperrt.
        MenuF->bedienungFreigeben(false);
        Kuerzel("F1");
        Kuerzel("Ctrl+S");
        QVERIFY(!Offen(HilfeF) && !Offen(DiskF));
        MenuF->bedienungFreigeben(true);

        // Ein modales Fenster hält alle Kürzel auf.
        {
            QDialog modal(MainF);
            modal.setModal(true);
            modal.show();
            QVERIFY(QTest::qWaitForWindowExposed(&modal));
            for (const char* k : {"F1", "Ctrl+S", "Ctrl+Q"}) {
                QTest::keyClick(&modal, QKeySequence(QString::fromLatin1(k))[0].key(),
                                QKeySequence(QString::fromLatin1(k))[0].keyboardModifiers());
                QVERIFY(!KuerzelFrei(MenuF->Hilfe));
            }
            QVERIFY(!Offen(HilfeF) && !Offen(DiskF) && !Offen(EndeF));
        }

        MainF->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainF));
        Kuerzel("F1");
        QVERIFY(Offen(HilfeF));
        // Strg+S schließt die Hilfe wie ein Klick auf "Disk".
        Kuerzel("Ctrl+S");
        QVERIFY(Offen(DiskF) && !Offen(HilfeF));
        DiskF->close();

        // Strg+Q fragt wie "Tschüss"; "Abbrechen" lässt das Spiel laufen.
        bool gefragt = false;
        Sobald([] { return Offen(EndeF); }, [&] {
            gefragt = true;
            EndeF->BitBtn2->click();
        });
        MainF->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainF));
        Kuerzel("Ctrl+Q");
        QTRY_VERIFY(gefragt);
        QVERIFY(MainF->isVisible() && !Offen(EndeF));
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"

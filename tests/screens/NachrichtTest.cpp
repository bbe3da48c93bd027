// Nachrichtenfenster und Zahlenrad der Qt-Oberfläche, offscreen.
#include "Bildschirmtest.h"
#include "core/Oberflaeche.h"
#include "core/screens/MailFrm.h"
#include "core/screens/RechnerFrm.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace torvane;

namespace {

bool MailOffen() { return Offen(MailF); }
bool RechnerOffen() { return Offen(RechnerF); }
QPushButton* Knopf(QWidget* w, const char* name) { return w->findChild<QPushButton*>(QString::fromLatin1(name)); }

} // namespace

class NachrichtTest : public QObject {
    Q_OBJECT

    QtOberflaeche ui;
    QWidget haupt;

private slots:
    void initTestCase()
    {
        Pfade.Musik = TORVANE_QUELLEN "/musik/";
        OberflaecheSetzen(&ui);
        HauptfensterSetzen(&haupt);
        FokusZurueckgeben(); // wie im Programm
        haupt.setGeometry(100, 80, 800, 600);
        haupt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt));
    }

    void init()
    {
        S = Spielstand{};
        S.KlangAus = true;
        QtOberflaeche::vorgaben.clear();
        QtOberflaeche::protokoll.clear();
        QtOberflaeche::nieZeigen = false;
        QtOberflaeche::tempo = 1.0;
    }

    void cleanupTestCase() { OberflaecheSetzen(nullptr); }

    // Jede Art zeigt ihre Knöpfe; der gedrückte landet in Befehl. "Auto…" hat keine,
    // schließt sich selbst und lässt Befehl in Ruhe.
    void arten_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QStringList>("sichtbar");
        QTest::addColumn<QString>("druecke");
        QTest::newRow("ok") << "ok" << QStringList{"Weiter"} << "Weiter";
        QTest::newRow("JEIN") << "JEIN" << QStringList{"Ja", "Nein"} << "Nein";
        QTest::newRow("Alles") << "Alles" << QStringList{"Weiter", "Ja", "Nein"} << "Ja";
        QTest::newRow("Auto300") << "Auto300" << QStringList{} << "";
    }
    void arten()
    {
        QFETCH(QString, art);
        QFETCH(QStringList, sichtbar);
        QFETCH(QString, druecke);
        S.Befehl = Befehlswert::Weiter; // was vorher galt; "Auto…" lässt es stehen
        QStringList gesehen;
        QString text;
        Sobald(MailOffen, [&] {
            for (const char* n : {"Weiter", "Ja", "Nein"})
                if (Knopf(MailF, n)->isVisible()) gesehen << QString::fromLatin1(n);
            text = MailF->findChild<QLabel*>("Text")->text();
            if (!druecke.isEmpty()) QTest::mouseClick(Knopf(MailF, druecke.toLatin1().constData()), Qt::LeftButton);
        });
        QElapsedTimer uhr;
        uhr.start();
        Nachricht("Neues vom Training", std::string("\r\nZeile 1") + NL + "Zeile 2", art.toStdString(), 0, 0, 1);
        const qint64 dauer = uhr.elapsed();
        QCOMPARE(gesehen, sichtbar);
        QCOMPARE(text, QStringLiteral("\nZeile 1\nZeile 2"));
        QCOMPARE(QString::fromStdString(std::string(BefehlName(S.Befehl))), druecke.isEmpty() ? QStringLiteral("weiter") : druecke);
        if (druecke.isEmpty()) QVERIFY2(dauer >= 250 && dauer < 3000, qPrintable(QString::number(dauer)));
        QVERIFY(MailF == nullptr);
    }

    // Eine unbekannte Art zeigt nur die Meldung, kein Fenster; Escape bei "JEIN" wählt nichts.
    void unbekannteArtUndEscape()
    {
        QtOberflaeche::nieZeigen = true;
        Nachricht("x", "y", "Quatsch");
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:Mail nicht definiert !"));
        QVERIFY(!QtOberflaeche::imProtokoll("Nachricht:x"));

        QtOberflaeche::nieZeigen = false;
        bool offenNachEscape = false;
        Sobald(MailOffen, [&] {
            QTest::keyClick(MailF, Qt::Key_Escape);
            offenNachEscape = MailF->isVisible();
            QTest::mouseClick(Knopf(MailF, "Ja"), Qt::LeftButton);
        });
        Nachricht("Frage", "Wirklich ?", "jein");
        QVERIFY(offenNachEscape);
        QCOMPARE(S.Befehl, Befehlswert::Ja);
    }

    // Nach einer Nachricht hat wieder das Fenster die Tastatur, aus dem sie kam (nicht das
    // Hauptfenster, dem alle gehören): sonst gingen Escape und Enter dort ins Leere.
    void tastaturZurueck()
    {
        QWidget markt(&haupt, Qt::Window);
        markt.setGeometry(150, 120, 300, 200);
        markt.show();
        markt.activateWindow();
        QTRY_VERIFY(markt.isActiveWindow());
        Sobald(MailOffen, [&] { QTest::mouseClick(Knopf(MailF, "Weiter"), Qt::LeftButton); });
        Nachricht("Markt", "abgelehnt", "ok");
        haupt.activateWindow(); // wie ein Fenstermanager, der dem Eltern die Tastatur gibt
        QTRY_VERIFY(markt.isActiveWindow());
    }

    // Die Räder laufen über (9 + 1 = 0, 0 - 1 = 9), der Anfangswert steht rechtsbündig; OK übernimmt
    // die Räder, jedes andere Schließen gibt 0; eine eingereihte Antwort ersetzt das Rad.
    void zahleneingabe()
    {
        // Erst merken, dann vergleichen: ein Fehlschlag im offenen Rad ließe es sonst offen stehen.
        QList<int> gesehen;
        Sobald(RechnerOffen, [&] {
            TRechnerF* r = RechnerF;
            gesehen << r->raeder[0]->ziffer() << r->raeder[8]->ziffer();
            QTest::mouseClick(r->raeder[8], Qt::LeftButton);
            QTest::mouseClick(r->raeder[0], Qt::RightButton);
            gesehen << r->zahl();
            QTest::mouseClick(r->findChild<QPushButton*>("Nullen"), Qt::LeftButton);
            gesehen << r->zahl();
            QTest::mouseClick(r->findChild<QPushButton*>("Anfangswert"), Qt::LeftButton);
            QTest::mouseClick(r->raeder[7], Qt::RightButton);
            QTest::mouseClick(r->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        S.KlangAus = false;
        QCOMPARE(Zahleneingabe(1234509, "Sitze"), 1234599);
        QCOMPARE(gesehen, (QList<int>{0, 9, 901234500, 0}));
        QVERIFY(QtOberflaeche::imProtokoll("Klang:rechner"));

        Sobald(RechnerOffen, [] {
            QTest::mouseClick(RechnerF->raeder[0], Qt::LeftButton);
            RechnerF->close();
        });
        QCOMPARE(Zahleneingabe(1000, "Sitze"), 0);
        // Negativ passt nicht aufs Rad.
        int negativ = -1;
        Sobald(RechnerOffen, [&] {
            negativ = RechnerF->zahl();
            QTest::keyClick(RechnerF, Qt::Key_Escape);
        });
        QCOMPARE(Zahleneingabe(-5, "Sitze"), 0);
        QCOMPARE(negativ, 0);

        // Getippt: die erste Ziffer ersetzt den Anfangswert, die Rücktaste nimmt die letzte,
        // eine zehnte Stelle passt nicht, Enter heißt OK.
        QList<int> getippt;
        Sobald(RechnerOffen, [&] {
            QTest::keyClicks(RechnerF, QStringLiteral("428"));
            QTest::keyClick(RechnerF, Qt::Key_Backspace);
            QTest::keyClick(RechnerF, Qt::Key_7);
            getippt << RechnerF->zahl();
            QTest::keyClicks(RechnerF, QStringLiteral("12345678"));
            QTest::keyClick(RechnerF, Qt::Key_Return);
        });
        QCOMPARE(Zahleneingabe(1000, "Sitze"), 427123456);
        QCOMPARE(getippt, QList<int>{427});

        QtOberflaeche::vorgaben = {"4711"};
        QCOMPARE(Zahleneingabe(5, "Wie viel ?"), 4711);
        QVERIFY(QtOberflaeche::imProtokoll("Zahl:Wie viel ?"));
    }
};

QTEST_MAIN(NachrichtTest)
#include "NachrichtTest.moc"

// Nachrichtenfenster und Zahlenrad der Qt-Oberfläche, offscreen.
#include "core/Funky.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "core/screens/MailFrm.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/RechnerFrm.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace torvane;

namespace {

// Führt tat aus, sobald das Nachrichtenfenster offen ist.
void BeiNachricht(std::function<void(TMailF*)> tat)
{
    auto* uhr = new QTimer;
    QObject::connect(uhr, &QTimer::timeout, [uhr, tat] {
        if (MailF && MailF->isVisible()) {
            uhr->stop();
            uhr->deleteLater();
            tat(MailF);
        }
    });
    uhr->start(10);
}

void BeiRechner(std::function<void(TRechnerF*)> tat)
{
    auto* uhr = new QTimer;
    QObject::connect(uhr, &QTimer::timeout, [uhr, tat] {
        if (RechnerF && RechnerF->isVisible()) {
            uhr->stop();
            uhr->deleteLater();
            tat(RechnerF);
        }
    });
    uhr->start(10);
}

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

    // Jede Art zeigt ihre Knöpfe; der gedrückte landet in Befehl.
    void arten_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QStringList>("sichtbar");
        QTest::addColumn<QString>("druecke");
        QTest::newRow("ok") << "ok" << QStringList{"Weiter"} << "Weiter";
        QTest::newRow("JEIN") << "JEIN" << QStringList{"Ja", "Nein"} << "Nein";
        QTest::newRow("Alles") << "Alles" << QStringList{"Weiter", "Ja", "Nein"} << "Ja";
    }
    void arten()
    {
        QFETCH(QString, art);
        QFETCH(QStringList, sichtbar);
        QFETCH(QString, druecke);
        QStringList gesehen;
        QString kopf, text;
        BeiNachricht([&](TMailF* f) {
            for (const char* n : {"Weiter", "Ja", "Nein"})
                if (Knopf(f, n)->isVisible()) gesehen << QString::fromLatin1(n);
            kopf = f->findChild<QLabel*>("Kopf")->text();
            text = f->findChild<QLabel*>("Text")->text();
            QTest::mouseClick(Knopf(f, druecke.toLatin1().constData()), Qt::LeftButton);
        });
        Nachricht("Neues vom Training", std::string("\r\nZeile 1") + NL + "Zeile 2", art.toStdString(), 0, 0, 1);
        QCOMPARE(gesehen, sichtbar);
        QCOMPARE(kopf, QStringLiteral("Neues vom Training"));
        QCOMPARE(text, QStringLiteral("\nZeile 1\nZeile 2"));
        QCOMPARE(QString::fromStdString(S.Befehl), druecke);
    }

    // "Auto…" hat keine Knöpfe, schließt sich selbst und lässt Befehl in Ruhe.
    void autoSchliesstSelbst()
    {
        S.Befehl = "vorher";
        bool ohneKnoepfe = false;
        BeiNachricht([&](TMailF* f) {
            ohneKnoepfe = !Knopf(f, "Weiter")->isVisible() && !Knopf(f, "Ja")->isVisible() &&
                          !Knopf(f, "Nein")->isVisible();
        });
        QElapsedTimer uhr;
        uhr.start();
        Nachricht("Spiel", "A U T O S P E I C H E N", "Auto300");
        const qint64 dauer = uhr.elapsed();
        QVERIFY(ohneKnoepfe);
        QVERIFY2(dauer >= 250 && dauer < 3000, qPrintable(QString::number(dauer)));
        QCOMPARE(S.Befehl, std::string("vorher"));
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
        BeiNachricht([](TMailF* f) {
            QTest::keyClick(f, Qt::Key_Escape);
            // Noch offen: ohne Wahl geht es bei Ja/Nein nicht weiter.
            QVERIFY(f->isVisible());
            QTest::mouseClick(Knopf(f, "Ja"), Qt::LeftButton);
        });
        Nachricht("Frage", "Wirklich ?", "jein");
        QCOMPARE(S.Befehl, std::string("Ja"));
    }

    // (0, 0) mittig auf dem Hauptfenster, sonst Abstand von seiner Ecke.
    void platzierung()
    {
        TMailF f(&haupt);
        f.fuellen("Kopf", "Text", NachrichtArtLesen("OK"), -1);
        f.platzieren(0, 0);
        QCOMPARE(f.geometry().center().x() / 4, haupt.frameGeometry().center().x() / 4);
        f.platzieren(30, 40);
        QCOMPARE(f.pos(), haupt.frameGeometry().topLeft() + QPoint(30, 40));
        QVERIFY(f.findChild<QLabel*>("Bild")->isHidden());
    }

    // Eingereihte Antworten ersetzen das Fenster, auch für Dialoge und das Zahlenrad.
    void vorgaben()
    {
        QtOberflaeche::vorgaben = {"Nein", "Ja", "4711"};
        Nachricht("Frage", "?", "JEIN");
        QCOMPARE(S.Befehl, std::string("Nein"));
        QVERIFY(Frage("Sicher ?"));
        QCOMPARE(Zahleneingabe(5, "Wie viel ?"), 4711);
        QVERIFY(QtOberflaeche::vorgaben.empty());
        QVERIFY(QtOberflaeche::imProtokoll("Nachricht:Frage|?"));
        QVERIFY(QtOberflaeche::imProtokoll("Zahl:Wie viel ?"));
    }

    // Die Räder laufen über: 9 + 1 = 0, 0 - 1 = 9; der Anfangswert steht rechtsbündig.
    void raederLaufenUeber()
    {
        TRechnerF r(&haupt);
        r.vorbereiten(1234509, "Frage");
        r.show();
        QCOMPARE(r.zahl(), 1234509);
        QCOMPARE(r.raeder[0]->ziffer(), 0);
        QCOMPARE(r.raeder[8]->ziffer(), 9);
        QTest::mouseClick(r.raeder[8], Qt::LeftButton);
        QCOMPARE(r.raeder[8]->ziffer(), 0);
        QTest::mouseClick(r.raeder[0], Qt::RightButton);
        QCOMPARE(r.raeder[0]->ziffer(), 9);
        QCOMPARE(r.zahl(), 901234500);
        QTest::mouseClick(r.findChild<QPushButton*>("Nullen"), Qt::LeftButton);
        QCOMPARE(r.zahl(), 0);
        QTest::mouseClick(r.findChild<QPushButton*>("Anfangswert"), Qt::LeftButton);
        QCOMPARE(r.zahl(), 1234509);
        // Hervorhebung unter der Maus
        QEnterEvent rein(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(r.raeder[3], &rein);
        QVERIFY(r.raeder[3]->hervorgehoben());
        QEvent raus(QEvent::Leave);
        QApplication::sendEvent(r.raeder[3], &raus);
        QVERIFY(!r.raeder[3]->hervorgehoben());
        // Mehr als neun Stellen oder negativ passt nicht aufs Rad.
        r.vorbereiten(-5, "Frage");
        QCOMPARE(r.zahl(), 0);
    }

    // OK übernimmt die Räder, jedes andere Schließen gibt 0; das Öffnen klingt nach "rechner".
    void zahleneingabeOkUndSchliessen()
    {
        BeiRechner([](TRechnerF* r) {
            QTest::mouseClick(r->raeder[8], Qt::LeftButton);
            QTest::mouseClick(r->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        S.KlangAus = false;
        QCOMPARE(Zahleneingabe(1000, "Sitze"), 1001);
        QVERIFY(QtOberflaeche::imProtokoll("Klang:rechner"));

        BeiRechner([](TRechnerF* r) {
            QTest::mouseClick(r->raeder[0], Qt::LeftButton);
            r->close();
        });
        QCOMPARE(Zahleneingabe(1000, "Sitze"), 0);

        BeiRechner([](TRechnerF* r) { QTest::keyClick(r, Qt::Key_Escape); });
        QCOMPARE(Zahleneingabe(77, "Sitze"), 0);
    }
};

QTEST_MAIN(NachrichtTest)
#include "NachrichtTest.moc"

// Ein neues Spiel über den Startbildschirm, Züge bis zum ersten Spieltag und das Menü.
#include "Bildschirmtest.h"
#include "flow/Zug.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "flow/screens/StartFrm.h"
#include "season/Pleite.h"
#include "season/screens/EndeFrm.h"
#include "season/screens/PleiteFrm.h"
#include "tools/screens/HilfeFrm.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QtTest>

using namespace torvane;

namespace {

std::string Text(const QLabel* l) { return U(l->text()); }

} // namespace

class SpielablaufTest : public Bildschirmtest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(fensterStarten());
        // Ohne Tongerät bleibt es still, das Protokoll hört trotzdem mit.
        S.KlangAus = false;
    }

    // Zwei Manager; doppelte Namen und doppelte Vereine werden abgewiesen.
    void neuesSpielMitZweiManagern()
    {
        bool fertig = false;
        QString verein1, verein2;
        Sobald([] { return Offen(StartF) && StartF->StartKnopf->isVisible(); }, [&] {
            fertig = true;
            QTest::mouseClick(StartF->StartKnopf, Qt::LeftButton);
            verein1 = StartF->VereinFeld->itemText(3);
            verein2 = StartF->VereinFeld->itemText(20);
            StartF->NameFeld->setText(QStringLiteral("Anna"));
            StartF->VereinFeld->setEditText(verein1);
            QTest::mouseClick(StartF->Aktivieren, Qt::LeftButton);

            StartF->NameFeld->setText(QStringLiteral("Anna"));
            StartF->VereinFeld->setEditText(verein2);
            QTest::mouseClick(StartF->Weiter, Qt::LeftButton);
            QVERIFY(QtOberflaeche::imProtokoll("Dialog:Name mehrfach vorhanden !"));
            StartF->NameFeld->setText(QStringLiteral("Bernd"));
            StartF->VereinFeld->setEditText(verein1);
            QTest::mouseClick(StartF->Weiter, Qt::LeftButton);
            QVERIFY(QtOberflaeche::imProtokoll("Dialog:Mannschaft mehrfach vorhanden !\r\n" + U(verein1)));
            QVERIFY(StartF->isVisible());

            // Zurück und wieder vor: die Felder zeigen, was im Slot steht.
            StartF->VereinFeld->setEditText(verein2);
            QTest::mouseClick(StartF->Zurueck, Qt::LeftButton);
            QCOMPARE(StartF->NameFeld->text(), QStringLiteral("Anna"));
            QTest::mouseClick(StartF->Aktivieren, Qt::LeftButton);
            QCOMPARE(StartF->NameFeld->text(), QStringLiteral("Bernd"));
            QCOMPARE(StartF->VereinFeld->currentText(), verein2);
            QtOberflaeche::vorgaben.push_back("Ok");
            QTest::mouseClick(StartF->Weiter, Qt::LeftButton);
        });
        QVERIFY(MainF->spielAnlegen());
        QVERIFY(fertig);
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:2 Spieler\r\nwurde(n) Ausgewählt !"));

        QCOMPARE(S.Manager[0].Name.text() + "/" + S.Manager[1].Name.text(), std::string("Anna/Bernd"));
        QCOMPARE(Q(S.Manager[0].Vereinsname.text() + "/" + S.Manager[1].Vereinsname.text()), verein1 + "/" + verein2);
        QCOMPARE(static_cast<int>(S.Manager[0].Liga), 4);
        QVERIFY(MenuF->isVisible() && LinkeF->isVisible());
        QCOMPARE(MenuF->P1->text(), QStringLiteral("Anna"));
        QCOMPARE(Text(MenuF->Label3D2), std::string("zum 1.Spieltag"));
    }

    // Beide Manager schließen ab (Maus und Enter), dann ist der erste Ligaspieltag gespielt.
    void zuegeBisZumSpieltag()
    {
        QtOberflaeche::protokoll.clear();
        Klicker weiter;
        QTest::mouseClick(MenuF->AbschlussButton, Qt::LeftButton);
        QCOMPARE(MenuF->P1->text(), QStringLiteral("Bernd"));
        QCOMPARE(S.Spiel.Spieltag, 0);

        MainF->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainF));
        QTest::keyClick(MainF, Qt::Key_Return);
        QCOMPARE(S.Spiel.Spieltag, 1);
        QCOMPARE(MenuF->P1->text(), QStringLiteral("Anna"));
        QVERIFY(QtOberflaeche::imProtokoll("Klang:klick"));
        for (int p = 1; p <= 9; ++p) QVERIFY(S.Ergebnisse[4][1][p].text() != "-:-");
        QVERIFY(SpielenF->isHidden() && MenuF->isVisible());
        QCOMPARE(MenuF->Panel1->height(), MenuF->vollHoehe);
    }

    // Menü: vor dem 34. Spieltag passt der lange Text ganz hinein; der Einsatzknopf stellt
    // Text und Anzeige nach; das Konto steht im Minus rot.
    void menueTexteEinsatzUndKonto()
    {
        S.Spiel.Spieltag = 33;
        MenueAnzeigen();
        QCOMPARE(Text(MenuF->Label3D1), std::string("Meisterschaft  LETZTER SPIELTAG"));
        QCOMPARE(Text(MenuF->Label3D2), std::string("zum 34.Spieltag"));
        QVERIFY(QFontMetrics(MenuF->Label3D1->font()).horizontalAdvance(MenuF->Label3D1->text()) <=
                MenuF->Label3D1->width());
        S.Spiel.Spieltag = 1;

        Manager_& mg = S.Manager[0];
        mg.Einsatz = 0;
        MenueAnzeigen();
        for (int i = 0; i < 2; ++i) QTest::mouseClick(MenuF->UpDown1Runter, Qt::LeftButton);
        QCOMPARE(static_cast<int>(mg.Einsatz), -20);
        QCOMPARE(Text(MenuF->L2), std::string("Nicht so doll !"));
        QCOMPARE(MenuF->Gauge2->value(), 20);

        const int32_t vorher = mg.Kontostand;
        mg.Kontostand = -1500;
        SpielstandGeaendert();
        QCOMPARE(MenuF->P5->text(), QStringLiteral("-1.500"));
        QVERIFY(MenuF->P5->styleSheet().contains(QStringLiteral("#d32f2f")));
        mg.Kontostand = vorher;
        SpielstandGeaendert();
        QVERIFY(!MenuF->P5->styleSheet().contains(QStringLiteral("#d32f2f")));
    }

    // "Neuer Spieler" legt einen dritten Manager an; dessen Pleite über den Bildschirm entfernt Bernd.
    void neuerSpielerUndPleite()
    {
        MenuF->hauptKlick(3);
        // Jeder Unterknopf mit Namen öffnet ein Fenster; nur die freien Plätze bleiben aus.
        for (int k = 0; k < MenuepunktZahl; ++k) {
            const Menuepunkt p = PunktAmPlatz(k);
            QCOMPARE(MenuF->knopf(p)->isEnabled(), !Frei(p));
            QVERIFY(!MenuF->knopf(p)->toolTip().contains(QStringLiteral("Kommt bald")) || Frei(p));
        }
        QtOberflaeche::vorgaben.push_back("Ok");
        QTest::mouseClick(MenuF->knopf(Menuepunkt::NeuerSpieler), Qt::LeftButton);
        QCOMPARE(S.Spiel.ManagerHoch, 2);
        const std::string neu = S.Manager[2].Name.text();
        QVERIFY(!neu.empty());

        S.AktManager = 1;
        QString label2;
        // Erst klicken, wenn das Warten auf "und Tschüss" begonnen hat: in der Pause davor
        // (Axt-Klang) nähme die Wartesperre den Klick nicht an.
        Sobald([] { return Offen(PleiteF) && WarteSperre::nimmtEingaben(PleiteF->BitBtn1); }, [&] {
            label2 = PleiteF->Label2->text();
            QTest::mouseClick(PleiteF->BitBtn1, Qt::LeftButton);
        });
        QVERIFY(PleiteAbwickeln());
        QCOMPARE(label2, QStringLiteral("Bernd hat´s geschafft"));
        QCOMPARE(S.Spiel.ManagerHoch, 1);
        QCOMPARE(S.Manager[1].Name.text(), neu);
        QVERIFY(PleiteF->isHidden());
        S.AktManager = 0;
    }

    // Die Hilfe liest und schreibt Hilfe.dat in Windows-1252 mit CRLF.
    void hilfeSpeichern()
    {
        const std::string daten = Pfade.Daten;
        Pfade.Daten = Pfade.Programm;
        QFile datei(Q(Pfade.Daten) + "Hilfe.dat");
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("Tore f\xfcr alle\r\nZweite Zeile\r\n");
        datei.close();
        HilfeF->zeigen();
        QCOMPARE(HilfeF->Memo1->toPlainText(), QStringLiteral("Tore für alle\nZweite Zeile\n"));
        HilfeF->Memo1->setPlainText(QStringLiteral("Größer\nBälle"));
        QVERIFY(HilfeF->speichern());
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), QByteArray("Gr\xf6\xdf" "er\r\nB\xe4lle"));
        HilfeF->close();
        Pfade.Daten = daten;
    }

    // "E N D E" mit Spielnamen: sichern, Klänge bis zum ausklingenden Glas; dann endet das Programm.
    void endeMitAutospeichern()
    {
        S.Spielname = "Abschied";
        QtOberflaeche::protokoll.clear();
        EndeF->show();
        QTest::mouseClick(EndeF->BitBtn1, Qt::LeftButton);
        QVERIFY(QFile::exists(Q(Pfade.Save) + "Abschied.lig"));
        std::vector<std::string> klaenge;
        for (const auto& z : QtOberflaeche::protokoll)
            if (z.rfind("Klang", 0) == 0) klaenge.push_back(z);
        QVERIFY(klaenge.size() >= 3);
        const std::vector<std::string> schluss(klaenge.end() - 3, klaenge.end());
        QCOMPARE(schluss, (std::vector<std::string>{"Klang:44mag", "Klang:scroll", "KlangEnde:glasbk"}));
        QVERIFY(MainF->isHidden());
    }
};

QTEST_MAIN(SpielablaufTest)
#include "SpielablaufTest.moc"

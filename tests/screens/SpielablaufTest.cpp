// Ein neues Spiel über den Startbildschirm, Züge bis zum ersten Spieltag und das Menü.
#include "core/Funky.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "flow/Zug.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "flow/screens/StartFrm.h"
#include "match/screens/SpielenFrm.h"
#include "match/screens/TabelleFrm.h"
#include "season/Pleite.h"
#include "season/screens/EndeFrm.h"
#include "season/screens/PleiteFrm.h"
#include "tools/screens/HilfeFrm.h"

#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace torvane;

namespace {

std::string Text(const QLabel* l) { return U(l->text()); }

} // namespace

class SpielablaufTest : public QObject {
    Q_OBJECT

    QtOberflaeche ui;
    QTemporaryDir ordner;
    QTimer weiterKlicker;
    QString verein1, verein2;

private slots:
    void initTestCase()
    {
        QVERIFY(ordner.isValid());
        Pfade.Programm = U(ordner.path()) + "/";
        Pfade.Daten = TORVANE_QUELLEN "/daten/";
        Pfade.Musik = TORVANE_QUELLEN "/musik/";
        Pfade.Grafik = Pfade.Programm;
        Pfade.Save = Pfade.Programm + "Save/";
        OberflaecheSetzen(&ui);
        QtOberflaeche::tempo = 0.0;
        QtOberflaeche::nieZeigen = true;
        // Ohne Tongerät bleibt es still, das Protokoll hört trotzdem mit.
        S.KlangAus = false;
        FensterAnlegen();
        MainF->show();
        // Der Spieltag wartet auf "Weiter": hier drückt ihn der Test.
        connect(&weiterKlicker, &QTimer::timeout, this, [] {
            if (TabelleF->isVisible() && TabelleF->Weiter->isVisible()) TabelleF->Weiter->click();
            else if (SpielenF->isVisible() && SpielenF->Weiter->isVisible()) SpielenF->Weiter->click();
        });
    }

    void cleanupTestCase()
    {
        weiterKlicker.stop();
        OberflaecheSetzen(nullptr);
    }

    // Zwei Manager; doppelte Namen und doppelte Vereine werden abgewiesen.
    void neuesSpielMitZweiManagern()
    {
        int schritt = 0;
        QTimer treiber;
        connect(&treiber, &QTimer::timeout, this, [&] {
            if (!StartF->isVisible()) return;
            switch (schritt) {
            case 0:
                if (!StartF->StartKnopf->isVisible()) return;
                QTest::mouseClick(StartF->StartKnopf, Qt::LeftButton);
                // Der Vorschlag steht schon in den Feldern.
                QVERIFY(!StartF->NameFeld->text().isEmpty());
                QVERIFY(StartF->VereinFeld->count() > 72);
                QCOMPARE(StartF->Ueberschrift->text(), QStringLiteral("1. Spieler"));
                QCOMPARE(StartF->Aktivieren->text(), QStringLiteral("2. Spieler Aktivieren"));
                QVERIFY(StartF->Zurueck->isHidden());
                verein1 = StartF->VereinFeld->itemText(3);
                verein2 = StartF->VereinFeld->itemText(20);
                StartF->NameFeld->setText(QStringLiteral("Anna"));
                StartF->VereinFeld->setEditText(verein1);
                QTest::mouseClick(StartF->Aktivieren, Qt::LeftButton);
                QCOMPARE(StartF->Ueberschrift->text(), QStringLiteral("2. Spieler"));
                QCOMPARE(StartF->Aktivieren->text(), QStringLiteral("3. Spieler Aktivieren"));
                QVERIFY(StartF->Zurueck->isVisible());

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

                schritt = 1;
                QtOberflaeche::vorgaben.push_back("Ok");
                QTest::mouseClick(StartF->Weiter, Qt::LeftButton);
                break;
            default: break;
            }
        });
        treiber.start(10);
        QVERIFY(MainF->spielAnlegen());
        treiber.stop();
        QCOMPARE(schritt, 1);
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:2 Spieler\r\nwurde(n) Ausgewählt !"));
        QCOMPARE(StartF->Fortschritt->text(), QStringLiteral("Los geht´s"));

        QCOMPARE(S.Spiel.ManagerHoch, 1);
        QCOMPARE(S.Manager[0].Name.text(), std::string("Anna"));
        QCOMPARE(Q(S.Manager[0].Vereinsname.text()), verein1);
        QCOMPARE(S.Manager[1].Name.text(), std::string("Bernd"));
        QCOMPARE(Q(S.Manager[1].Vereinsname.text()), verein2);
        QCOMPARE(static_cast<int>(S.Manager[0].Liga), 4);
        QCOMPARE(static_cast<int>(S.AktManager), 0);
        QVERIFY(MenuF->isVisible() && LinkeF->isVisible());
        QCOMPARE(MenuF->P1->text(), QStringLiteral("Anna"));
        QCOMPARE(MenuF->P2->text(), verein1);
        QCOMPARE(MenuF->P3->text(), QStringLiteral("1.Saison"));
        QCOMPARE(MenuF->P4->text(), QStringLiteral("Oberliga"));
        QCOMPARE(Text(MenuF->Label3D1), std::string("Meisterschaft"));
        QCOMPARE(Text(MenuF->Label3D2), std::string("zum 1.Spieltag"));
    }

    // Beide Manager schließen ab (Maus und Enter), dann ist der erste Ligaspieltag gespielt.
    void zuegeBisZumSpieltag()
    {
        QtOberflaeche::protokoll.clear();
        weiterKlicker.start(10);
        QTest::mouseClick(MenuF->AbschlussButton, Qt::LeftButton);
        QCOMPARE(static_cast<int>(S.AktManager), 1);
        QCOMPARE(MenuF->P1->text(), QStringLiteral("Bernd"));
        QCOMPARE(S.Spiel.Spieltag, 0);

        MainF->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainF));
        QTest::keyClick(MainF, Qt::Key_Return);
        weiterKlicker.stop();
        QCOMPARE(S.Spiel.Spieltag, 1);
        QCOMPARE(static_cast<int>(S.AktManager), 0);
        QCOMPARE(MenuF->P1->text(), QStringLiteral("Anna"));
        QVERIFY(QtOberflaeche::imProtokoll("Klang:klick"));
        // Jede Paarung der Oberliga hat ein Ergebnis.
        for (int p = 1; p <= 9; ++p) QVERIFY(S.Ergebnisse[4][1][p].text() != "-:-");
        QVERIFY(SpielenF->isHidden());
        QVERIFY(MenuF->isVisible());
        QCOMPARE(MenuF->Panel1->height(), MenuF->vollHoehe);
    }

    // Vor dem 34. Spieltag, im Pokal ohne eigenen Verein und am Saisonende.
    void menueTexte()
    {
        S.Spiel.Wettbewerb = 0;
        S.Spiel.Spieltag = 33;
        MenueAnzeigen();
        QCOMPARE(Text(MenuF->Label3D1), std::string("Meisterschaft  LETZTER SPIELTAG"));
        QCOMPARE(Text(MenuF->Label3D2), std::string("zum 34.Spieltag"));
        // Der lange Text passt ganz hinein.
        QVERIFY(QFontMetrics(MenuF->Label3D1->font()).horizontalAdvance(MenuF->Label3D1->text()) <=
                MenuF->Label3D1->width());
        S.Spiel.Spieltag = 34;
        MenueAnzeigen();
        QCOMPARE(Text(MenuF->Label3D1), std::string("1.Saison"));
        QCOMPARE(Text(MenuF->Label3D2), std::string("Saisonende"));
        S.Spiel.Spieltag = 1;
        S.Spiel.Wettbewerb = 1;
        VereinVon(0).DfbRunde = "";
        MenueAnzeigen();
        QCOMPARE(Text(MenuF->Label3D1), std::string("DFB Pokal"));
        QCOMPARE(Text(MenuF->Label3D2), std::string("Spielfrei"));
        S.Spiel.Wettbewerb = 0;
        MenueAnzeigen();
    }

    // Einsatz hoch und runter: Text, beide Anzeigen, Grenzen; das Konto rot im Minus.
    void einsatzUndKonto()
    {
        Manager_& mg = S.Manager[0];
        mg.Einsatz = 0;
        MenueAnzeigen();
        for (int i = 0; i < 3; ++i) QTest::mouseClick(MenuF->UpDown1Hoch, Qt::LeftButton);
        QCOMPARE(static_cast<int>(mg.Einsatz), 30);
        QCOMPARE(Text(MenuF->L2), std::string("Haut rein !"));
        QCOMPARE(MenuF->Gauge3->value(), 30);
        QCOMPARE(MenuF->Gauge2->value(), 0);
        for (int i = 0; i < 5; ++i) QTest::mouseClick(MenuF->UpDown1Runter, Qt::LeftButton);
        QCOMPARE(static_cast<int>(mg.Einsatz), -20);
        QCOMPARE(Text(MenuF->L2), std::string("Nicht so doll !"));
        QCOMPARE(MenuF->Gauge2->value(), 20);
        QCOMPARE(MenuF->Gauge3->value(), 0);
        mg.Einsatz = 100;
        QTest::mouseClick(MenuF->UpDown1Hoch, Qt::LeftButton);
        QCOMPARE(static_cast<int>(mg.Einsatz), 100);
        QCOMPARE(Text(MenuF->L2), std::string("Keine Angst vor Mord !"));
        mg.Einsatz = 0;

        const int32_t vorher = mg.Kontostand;
        mg.Kontostand = -1500;
        MainF->uhrTakt();
        QCOMPARE(MenuF->P5->text(), QStringLiteral("-1.500"));
        QVERIFY(MenuF->P5->styleSheet().contains(QStringLiteral("#d32f2f")));
        QVERIFY(LinkeF->Uhr->text().contains(QLatin1Char(':')));
        mg.Kontostand = vorher;
        MainF->uhrTakt();
        QVERIFY(!MenuF->P5->styleSheet().contains(QStringLiteral("#d32f2f")));
    }

    // Die Hauptknöpfe decken ihre Gruppe auf; Platzhalter bleiben weg, Ungebautes ist gesperrt.
    void hauptknoepfe()
    {
        MenuF->hauptKlick(0);
        QVERIFY(MenuF->K[0]->isVisible());
        QVERIFY(MenuF->K[4]->isHidden());
        QVERIFY(MenuF->K[5]->isHidden());
        QCOMPARE(MenuF->K[1]->y(), 244 + 27);
        MenuF->hauptKlick(3);
        QVERIFY(MenuF->K[0]->isHidden());
        for (int k = 18; k <= 23; ++k) QVERIFY(MenuF->K[k]->isVisible());
        QVERIFY(MenuF->K[18]->isEnabled());
        QVERIFY(MenuF->K[19]->isEnabled());
        QVERIFY(!MenuF->K[20]->isEnabled());
        QCOMPARE(MenuF->K[20]->toolTip(), QStringLiteral("Kommt bald"));
        QVERIFY(MenuF->M[3]->font().bold());
        QVERIFY(!MenuF->M[0]->font().bold());
    }

    // "Neuer Spieler" legt einen dritten Manager an.
    void neuerSpieler()
    {
        QtOberflaeche::vorgaben.push_back("Ok");
        QTest::mouseClick(MenuF->K[18], Qt::LeftButton);
        QCOMPARE(S.Spiel.ManagerHoch, 2);
        QVERIFY(!S.Manager[2].Name.leer());
        QVERIFY(QtOberflaeche::imProtokoll("Ein weiterer Spieler wurde Aktiviert."));
    }

    // Pleite von Manager 1 über den Bildschirm: Label2, Entfernen, "und Tschüss".
    void pleiteBildschirm()
    {
        S.AktManager = 1;
        const std::string nachfolger = S.Manager[2].Name.text();
        QString label2;
        QTimer tschuess;
        connect(&tschuess, &QTimer::timeout, this, [&] {
            if (!PleiteF->isVisible()) return;
            label2 = PleiteF->Label2->text();
            QTest::mouseClick(PleiteF->BitBtn1, Qt::LeftButton);
        });
        tschuess.start(10);
        QVERIFY(PleiteAbwickeln());
        tschuess.stop();
        QCOMPARE(label2, QStringLiteral("Bernd hat´s geschafft"));
        QCOMPARE(S.Spiel.ManagerHoch, 1);
        QCOMPARE(S.Manager[1].Name.text(), nachfolger);
        QVERIFY(PleiteF->isHidden());
        S.AktManager = 0;
    }

    // Die Hilfe liest und schreibt Hilfe.dat in Windows-1252 mit CRLF.
    void hilfeSpeichern()
    {
        const std::string daten = Pfade.Daten;
        Pfade.Daten = Pfade.Programm;
        QFile alt(Q(Pfade.Daten) + "Hilfe.dat");
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("Tore f\xfcr alle\r\nZweite Zeile\r\n");
        alt.close();
        HilfeF->zeigen();
        QCOMPARE(HilfeF->Memo1->toPlainText(), QStringLiteral("Tore für alle\nZweite Zeile\n"));
        HilfeF->Memo1->setPlainText(QStringLiteral("Größer\nBälle"));
        QVERIFY(HilfeF->speichern());
        QFile neu(Q(Pfade.Daten) + "Hilfe.dat");
        QVERIFY(neu.open(QIODevice::ReadOnly));
        QCOMPARE(neu.readAll(), QByteArray("Gr\xf6\xdf" "er\r\nB\xe4lle"));
        HilfeF->close();
        Pfade.Daten = daten;
    }

    // "E N D E" mit Spielnamen: sichern, Schütteln, Wegschieben, Glas; dann endet das Programm.
    void endeMitAutospeichern()
    {
        S.Spielname = "Abschied";
        QtOberflaeche::protokoll.clear();
        EndeF->show();
        QTest::mouseClick(EndeF->BitBtn1, Qt::LeftButton);
        QCOMPARE(EndeF->BitBtn1->text(), QStringLiteral("Autospeichern aktiv"));
        QVERIFY(QFile::exists(Q(Pfade.Save) + "Abschied.lig"));
        std::vector<std::string> klaenge;
        for (const auto& z : QtOberflaeche::protokoll)
            if (z.rfind("Klang", 0) == 0) klaenge.push_back(z);
        QVERIFY(klaenge.size() >= 3);
        QCOMPARE(klaenge[klaenge.size() - 3], std::string("Klang:44mag"));
        QCOMPARE(klaenge[klaenge.size() - 2], std::string("Klang:scroll"));
        QCOMPARE(klaenge.back(), std::string("KlangEnde:glasbk"));
        // Seitenleiste und Menü haben das Hauptfenster verlassen.
        QVERIFY(LinkeF->x() + LinkeF->width() < 0);
        QVERIFY(MenuF->x() > MainF->width());
        QVERIFY(MainF->isHidden());
    }
};

QTEST_MAIN(SpielablaufTest)
#include "SpielablaufTest.moc"

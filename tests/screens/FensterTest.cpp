// Kleine Fensterregeln: Klänge und Bilder vorhanden, Ligawahl, Menüknöpfe,
// Seitenleiste, Hauptfenster und die Bildschirmfotos.
#include "Bildschirmtest.h"
#include "core/Konto.h"
#include "core/screens/Bilder.h"
#include "finance/Vermoegen.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/LigawahlFrm.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QtTest>

using namespace torvane;

class FensterTest : public Bildschirmtest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(spielfensterStarten());
    }

    // Jeder Klang, den das Spiel spielt, liegt in musik/, gleich wie er geschrieben ist.
    void klangDateien()
    {
        for (const char* n : {"klick", "klick2", "kasse", "tataa", "tataA", "saisonende", "error", "scroll", "Pfiff1",
                              "Pfiff2", "ToorH", "ToorG", "Lach", "trans", "ding", "Ding", "userwarn", "rechner",
                              "Rechner", "kling", "ton1", "speichern", "Speichern", "aus", "Explosion", "44mag",
                              "glasbk", "axe", "OhOh", "laser", "bumm", "torvane"})
            QVERIFY2(!KlangDatei(QString::fromLatin1(n)).isEmpty(), n);
        QCOMPARE(QFileInfo(KlangDatei("tataA")).fileName(), QStringLiteral("tataa.wav"));
        QVERIFY(KlangDatei("gibtsnicht").isEmpty());
    }

    // Bilder 0..9 und 101..112 sind gemalt; die Nachbarn der Bereiche zeigen keins.
    void nachrichtBilder()
    {
        for (int i = 0; i <= 112; i += (i == 9 ? 92 : 1)) {
            const QString name = NachrichtBildName(i);
            QVERIFY2(!name.isEmpty(), qPrintable(QString::number(i)));
            QVERIFY2(Bild(name, QSize(40, 40)).toImage().pixelColor(20, 20).alpha() > 0, qPrintable(name));
        }
        for (int i : {-1, 10, 100, 113}) QVERIFY(NachrichtBildName(i).isEmpty());
    }

    // Ein Hauptknopf deckt genau die beschrifteten Punkte seiner Gruppe auf, in der Reihenfolge der Tafel.
    void gruppenNachDerTafel()
    {
        for (int n = 0; n < MenuepunktZahl / PunkteJeGruppe; ++n) {
            MenuF->hauptKlick(n);
            QStringList gezeigt, erwartet;
            for (int k = 0; k < MenuepunktZahl; ++k) {
                const Menuepunkt p = PunktAmPlatz(k);
                if (MenuF->knopf(p)->isVisible()) gezeigt << MenuF->knopf(p)->text();
                if (k / PunkteJeGruppe == n && !Frei(p)) erwartet << QString::fromUtf8(Eintrag(p).text);
            }
            QCOMPARE(gezeigt, erwartet);
        }
    }

    // "Tabelle" öffnet erst nach der Ligawahl, mit dem ersten Verein der gewählten Liga;
    // ohne Wahl bleibt die Liga, ohne Öffner ist der Knopf gesperrt.
    void unterknopfMitLigawahl()
    {
        S.Optionen[S.AktManager][OptAnzeigeLiga] = 0;
        int geoeffnet = 0;
        MenuF->oeffnerSetzen(Menuepunkt::Tabelle, [&] { ++geoeffnet; });
        const float punkte = S.Manager[S.AktManager].Managerpunkte;
        Sobald([] { return Offen(LigawahlF); },
               [] { QTest::mouseClick(LigawahlF->findChild<QPushButton*>("Liga2"), Qt::LeftButton); });
        MenuF->unterKlick(Menuepunkt::Tabelle);
        QCOMPARE(geoeffnet, 1);
        QCOMPARE(S.Spiel.AnzeigeLiga, 2);
        QCOMPARE(S.Spiel.AnzeigeErster, 19);
        QVERIFY(S.Manager[S.AktManager].Managerpunkte > punkte);

        QtOberflaeche::protokoll.clear();
        Sobald([] { return Offen(LigawahlF); }, [] { LigawahlF->reject(); });
        QCOMPARE(LigaWaehlen(), 19);
        QVERIFY(!QtOberflaeche::imProtokoll("Klang:klick"));
        MenuF->oeffnerSetzen(Menuepunkt::Tabelle, nullptr);
        QVERIFY(!MenuF->knopf(Menuepunkt::Tabelle)->isEnabled());
    }

    // Die Spielfrei-Tafel sperrt den Abschluss; Strg+W versteckt alles und zeigt es wieder.
    void spielfreiUndVerstecken()
    {
        int abschluesse = 0;
        const auto echterAbschluss = MenuF->abschluss;
        MenuF->abschluss = [&] { ++abschluesse; };
        MenuF->spielfreiZeigen(QStringLiteral("Anna"));
        MenuF->abschlussFolgen();
        QCOMPARE(abschluesse, 0);
        MenuF->spielfreiVerbergen();
        QTest::mouseClick(MenuF->Abschluss, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(abschluesse, 1);
        MenuF->abschluss = echterAbschluss;

        MainF->versteckenUmschalten();
        QVERIFY(MainF->versteckt());
        MainF->versteckenUmschalten();
        QVERIFY(!MainF->versteckt() && MenuF->isVisible() && LinkeF->isVisible());
    }

    // "Automatic" gehört dem Manager am Zug: der Computer spielt Annas Züge; an Bertas Zug zeigt der
    // Schalter Bertas Stand, ihr Klick schaltet ihre eigene Automatik, Annas hält nur der Knopf mit
    // Annas Namen an. Ausgeschaltet wartet auch Anna wieder.
    void automaticGehoertDemManagerAmZug()
    {
        Klicker weiter;
        S.AktManager = 0;
        MenueAnzeigen();
        const QString anna = Q(S.Manager[0].Name.text());
        const QString berta = Q(S.Manager[1].Name.text());
        const int tag = S.Spiel.Spieltag;
        S.Optionen[0][OptAutoaufstellung] = 0;
        QVERIFY(!LinkeF->Stopp[0]->isVisible());
        const int32_t kontoAn = S.Manager[0].Kontostand;
        QTest::mouseClick(LinkeF->Automatic, Qt::LeftButton);
        QCOMPARE(static_cast<int>(S.AktManager), 1);
        QCOMPARE(static_cast<int>(S.Optionen[0][OptAutoaufstellung]), 1); // der Computer hat aufgestellt
        // Bertas Zug: ihr Schalter ist aus, der Knopf darunter nennt Anna.
        QCOMPARE(LinkeF->Automatic->text(), QStringLiteral("Automatic"));
        QVERIFY(LinkeF->automatic(U(anna)) && !LinkeF->automatic());
        QVERIFY(LinkeF->Stopp[0]->isVisible() && !LinkeF->Stopp[1]->isVisible());
        QCOMPARE(LinkeF->Stopp[0]->text(), QStringLiteral("Autospiel %1 STOP").arg(anna));

        QTest::qWait(2500); // mehrere Takte: Bertas Zug gehört ihr
        QCOMPARE(static_cast<int>(S.AktManager), 1);
        QCOMPARE(S.Spiel.Spieltag, tag);

        // Bertas eigener Schalter: an und gleich wieder aus; Annas Automatik bleibt.
        QtOberflaeche::protokoll.clear();
        MenuF->setEnabled(false); // Bertas Zug soll dabei nicht schließen
        LinkeF->Stufe->setCurrentIndex(1); // Berta spielt der Computer wie früher, Anna auf Sieg
        LinkeF->automaticKlick();
        LinkeF->Stufe->setCurrentIndex(0);
        QCOMPARE(LinkeF->Automatic->text(), QStringLiteral("Autospiel STOP"));
        QCOMPARE(LinkeF->Stopp[1]->text(), QStringLiteral("Autospiel %1 STOP").arg(berta));
        QVERIFY(LinkeF->Stopp[1]->toolTip().contains(QStringLiteral("Stufe Alt")));
        QVERIFY(LinkeF->Stopp[0]->toolTip().contains(QStringLiteral("Stufe Neu")));
        LinkeF->automaticKlick();
        MenuF->setEnabled(true);
        QCOMPARE(LinkeF->Automatic->text(), QStringLiteral("Automatic"));
        QVERIFY(LinkeF->automatic(U(anna)) && !LinkeF->automatic(U(berta)));
        QCOMPARE(static_cast<int>(S.AktManager), 1);

        QTest::mouseClick(MenuF->AbschlussButton, Qt::LeftButton);
        QCOMPARE(S.Spiel.Spieltag, tag + 1);
        // Großzügig: das erste Anmelden beim Tongerät kann ohne Gerät Sekunden dauern.
        QTRY_COMPARE_WITH_TIMEOUT(static_cast<int>(S.AktManager), 1, 20000);
        QCOMPARE(S.Spiel.Spieltag, tag + 1);
        // Seine eigenen Rückfragen beantwortet der Computer selbst.
        for (const auto& z : QtOberflaeche::protokoll) QVERIFY2(z.rfind("Unbeantwortet:", 0) != 0, z.c_str());

        // Annas Automatik hält der Knopf mit ihrem Namen an, auch an Bertas Zug; die Bilanz nennt
        // Kontostand vorher und nachher.
        QtOberflaeche::protokoll.clear();
        QTest::mouseClick(LinkeF->Stopp[0], Qt::LeftButton);
        QVERIFY(!LinkeF->automatic(U(anna)) && !LinkeF->Stopp[0]->isVisible());
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:" + U(anna) + ", das hat die Automatik"));
        QVERIFY(QtOberflaeche::imProtokoll("Kontostand: " + Geldtext(kontoAn) + " € → " +
                                           Geldtext(S.Manager[0].Kontostand) + " €"));
        QTest::mouseClick(MenuF->AbschlussButton, Qt::LeftButton);
        QCOMPARE(S.Spiel.Spieltag, tag + 2);
        QTest::qWait(2500);
        QCOMPARE(static_cast<int>(S.AktManager), 0);
        QCOMPARE(LinkeF->Automatic->text(), QStringLiteral("Automatic"));

        // Die Überziehungsgebühr zahlt auf Automatik der Computer: niemand muss klicken, der Zug schließt.
        // So tief im Minus, dass Sparbuch und Kredit (bis zum halben Vermögen) es nicht decken.
        const int64_t rest = BerechneVermoegen(0) - S.Manager[0].Kontostand;
        S.Manager[0].Kontostand = static_cast<int32_t>(-rest * 4 / 5);
        QtOberflaeche::protokoll.clear();
        QtOberflaeche::vorgaben.push_back("Abbrechen");
        QTest::mouseClick(LinkeF->Automatic, Qt::LeftButton);
        QVERIFY(!QtOberflaeche::imProtokoll("Kontoüberziehung"));
        // Keine Frage an Anna; eine Nachricht an Berta beim Zugbeginn darf die Vorgabe nehmen.
        for (const auto& z : QtOberflaeche::protokoll) QVERIFY2(z.rfind("Dialog:", 0) != 0, z.c_str());
        QtOberflaeche::vorgaben.clear();
        QCOMPARE(static_cast<int>(S.AktManager), 1);
        QTest::mouseClick(LinkeF->Stopp[0], Qt::LeftButton);
        QVERIFY(!LinkeF->Stopp[0]->isVisible());
    }

    // Die Abschlüsse aller Manager samt Tag: abgekürzt (Menü rollt, Live-Spiel) ist es Byte für Byte
    // dasselbe Spiel wie zugesehen, mit denselben Meldungen und Klängen. Zugesehen rollt das Menü
    // bei Tempo 1 allein schon fast vier Sekunden.
    void abschlussAbgekuerzt()
    {
        QVERIFY(BeispielSpielAnlegen());
        MenueAnzeigen();
        const Spielstand anfang = S;
        const Sitzung_ sitzung = Sitzung;
        const auto ablauf = [&] {
            Sitzung = sitzung;
            MenueAnzeigen();
            for (int m = 0; m <= anfang.Spiel.ManagerHoch; ++m) MenuF->abschlussFolgen();
        };
        const std::vector<QPushButton*> knoepfe{MenuF->Abkuerzen, SpielenF->Abkuerzen};
        qint64 ms = 0;
        const std::string zugesehen = Gespielt(anfang, ablauf, knoepfe, false, ms);
        const auto gesehen = QtOberflaeche::protokoll;
        const std::string abgekuerzt = Gespielt(anfang, ablauf, knoepfe, true, ms);
        QCOMPARE(S.Spiel.Spieltag, anfang.Spiel.Spieltag + 1);
        QVERIFY(zugesehen == abgekuerzt);
        QCOMPARE(QtOberflaeche::protokoll, gesehen);
        QVERIFY2(ms < 2500, std::to_string(ms).c_str());
        QVERIFY(!QtOberflaeche::abkuerzen && !WarteSperre::aktiv() && !MenuF->Abkuerzen->isVisible());
    }

    // --screenshots legt jedes Fenster als Bild ab, auch die eines echt gespielten Tages.
    void bildschirmfotos()
    {
        const QString ziel = ordner.path() + QStringLiteral("/fotos");
        GefundeneAbschnitte.clear();
        const QStringList dateien = BildschirmfotosMachen(ziel);
        // Keine Beschriftung auf irgendeinem Bild ist abgeschnitten oder überlappt eine andere.
        QVERIFY2(GefundeneAbschnitte.isEmpty(), qPrintable(GefundeneAbschnitte.join(QLatin1Char('\n'))));
        QVERIFY2(dateien.size() >= 24, qPrintable(QString::number(dateien.size())));
        for (const QString& d : dateien) QVERIFY2(QImage(d).width() > 100, qPrintable(d));
        // Auch Start, Ligawahl und Saisonende werden gemessen, mit den längsten Namen.
        for (const char* name : {"02_start", "03_start_eingabe", "16_ligawahl", "31_spielen_live", "32_spielen_liga",
                                 "33_tabelle_nach_spieltag", "34_spielen_pokal", "35_spielen_chl",
                                 "46_saisonende_start", "47_saisonende_bundesliga", "50_saisonende_auf_zur"})
            QVERIFY2(dateien.contains(QDir(ziel).filePath(QString::fromLatin1(name) + ".png")), name);
    }
};

QTEST_MAIN(FensterTest)
#include "FensterTest.moc"

// Ligastärke mit Spion, Grafik, Legende, Ewigentabelle und Einstellungen am Bildschirm.
#include "Bildschirmtest.h"
#include "core/Konto.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "records/Ligastaerke.h"
#include "records/screens/EwigenFrm.h"
#include "records/screens/LegendeFrm.h"
#include "records/screens/LigaStarkeFrm.h"
#include "records/screens/RecordsFenster.h"
#include "records/screens/StatistikFrm.h"
#include "tools/screens/EinstellFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace torvane;

class RecordsTest : public Bildschirmtest {
    Q_OBJECT

    QWidget haupt;

private slots:
    void initTestCase()
    {
        QVERIFY(umgebung());
        S.KlangAus = true;
        HauptfensterSetzen(&haupt);
        MenuF = new TMenuF(&haupt);
        RecordsFensterAnlegen(&haupt);
    }
    void init()
    {
        QVERIFY(BeispielSpielAnlegen());
        QtOberflaeche::protokoll.clear();
        QtOberflaeche::vorgaben.clear();
    }

    // Alle fünf Knöpfe öffnen ihr Fenster, keiner sagt mehr "Kommt bald".
    void menueKnoepfe()
    {
        for (Menuepunkt p : {Menuepunkt::Statistik, Menuepunkt::Einstellungen, Menuepunkt::Legende, Menuepunkt::Ewigentabelle}) {
            QVERIFY(MenuF->knopf(p)->isEnabled());
            QVERIFY(MenuF->knopf(p)->toolTip().isEmpty());
            MenuF->unterKlick(p);
        }
        QVERIFY(StatistikF->isVisible() && EinstellF->isVisible() && LegendeF->isVisible() && EwigenF->isVisible());
        for (QWidget* w : {static_cast<QWidget*>(StatistikF), static_cast<QWidget*>(EinstellF),
                           static_cast<QWidget*>(LegendeF), static_cast<QWidget*>(EwigenF)})
            w->hide();
        QVERIFY(MenuF->knopf(Menuepunkt::LigaStaerke)->toolTip().isEmpty());
    }

    // Seite 2 kostet bei jedem Öffnen; ohne Wahl kein Spion; der Spion bucht, klingt, schiebt und gibt frei.
    void ligastaerkeUndSpion()
    {
        S.Spiel.AnzeigeLiga = 4;
        LigaStarkeF->zeigen();
        QCOMPARE(LigaStarkeF->ListBox1->count(), 18);
        QVERIFY(LigaStarkeF->Ligaschnitt->text().startsWith(QStringLiteral("Ligaschnitt: ")));

        Manager_& mg = S.Manager[S.AktManager];
        const int32_t konto = mg.Kontostand;
        LigaStarkeF->Seiten->setCurrentIndex(1);
        QCOMPARE(mg.Kontostand, konto - 1000);
        QVERIFY(QtOberflaeche::imProtokoll("Kosten 1.000 €"));
        QCOMPARE(LigaStarkeF->Grid->rowCount(), S.Spiel.MannschaftHoch);
        QVERIFY(LigaStarkeF->EigenerVerein->text().startsWith(Q(mg.Vereinsname.text()) + QStringLiteral(" = ")));
        QVERIFY(!LigaStarkeF->Spioniere->isEnabled());
        LigaStarkeF->Seiten->setCurrentIndex(0);
        LigaStarkeF->Seiten->setCurrentIndex(1);
        QCOMPARE(mg.Kontostand, konto - 2000);

        // Die Suche springt schon beim Tippen zum ersten passenden Verein.
        S.Mannschaft[40].Name = "Zebra Zwickau";
        LigaStarkeF->sortieren(1);
        QTest::keyClicks(LigaStarkeF->Suche, QStringLiteral("zebra z"));
        const int zeile = LigaStarkeF->Grid->currentRow();
        QVERIFY(zeile >= 0);
        const int verein = LigaStarkeF->Grid->item(zeile, 0)->data(Qt::UserRole).toInt();
        QCOMPARE(verein, 40);
        const int preis = SpionagePreis(S.Mannschaft[verein].Gesamt, mg.Liga);
        QCOMPARE(LigaStarkeF->Kostet->text(), QStringLiteral("Kostet nur: ") + Q(Geldtext(preis)) + QStringLiteral(" €"));
        QVERIFY(LigaStarkeF->Spioniere->isEnabled());
        const int y = LigaStarkeF->Spioniere->y();
        QtOberflaeche::protokoll.clear();
        S.KlangAus = false;
        QTest::mouseClick(LigaStarkeF->Spioniere, Qt::LeftButton);
        S.KlangAus = true;
        QCOMPARE(mg.Kontostand, konto - 2000 - preis);
        QCOMPARE(QtOberflaeche::protokoll, (std::vector<std::string>{"Klang:scroll", "Klang:aus"}));
        QVERIFY(LigaStarkeF->Spioniere->y() > y);
        QVERIFY(LigaStarkeF->Werte[0]->text().endsWith(QString::number(S.Mannschaft[verein].Verteidigung)));
        QVERIFY(LigaStarkeF->Seiten->isEnabled());
        QVERIFY(!LigaStarkeF->Spioniere->isEnabled()); // derselbe Bericht kostet nicht zweimal aus Versehen

        // Der nächste Besuch (auch eines anderen Managers) beginnt ohne Wahl und ohne die bezahlten Werte.
        LigaStarkeF->hide();
        LigaStarkeF->zeigen();
        LigaStarkeF->Seiten->setCurrentIndex(1);
        QCOMPARE(LigaStarkeF->Grid->currentRow(), -1);
        QVERIFY(LigaStarkeF->Werte[0]->text().isEmpty() && LigaStarkeF->Gewaehlt->text().isEmpty());
        QVERIFY(!LigaStarkeF->Spioniere->isEnabled());
        LigaStarkeF->Grid->setCurrentCell(zeile, 0);
        QVERIFY(LigaStarkeF->Spioniere->isEnabled());
        QCOMPARE(LigaStarkeF->Spioniere->y(), y);

        // Der Einsatz im Menü frischt die offene Ligastärke auf.
        LigaStarkeF->Seiten->setCurrentIndex(0);
        const int fremd = ManagerVerein(0) == 55 ? 56 : 55;
        S.Mannschaft[fremd].Gesamt = 999;
        MenueAnzeigeVerbinden(); // sie hört es über die Menüpforte
        MenuF->einsatzHochKlick();
        MenueAnzeigeSetzen(nullptr);
        QVERIFY(LigaStarkeF->ListBox1->item(0)->text().endsWith(QStringLiteral("999")));
        LigaStarkeF->hide();
    }

    // Neues Spiel: Hinweis "Noch nicht gespielt" über der Platzgrafik, ausgeblendet daneben; Klick füllt.
    void grafikHinweise()
    {
        StatistikF->zeigen();
        const QPoint p(100, 100);
        QMouseEvent bewegt(QEvent::MouseMove, p, StatistikF->Image2->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
        QApplication::sendEvent(StatistikF->Image2, &bewegt);
        QVERIFY(StatistikF->Panel1->isVisible());
        QCOMPARE(StatistikF->Panel1->text(), QStringLiteral("Noch nicht gespielt"));
        const QPoint aussen(3, 3);
        QMouseEvent weg(QEvent::MouseMove, aussen, StatistikF->Image2->mapToGlobal(aussen), Qt::NoButton,
                        Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(StatistikF->Image2, &weg);
        QVERIFY(!StatistikF->Panel1->isVisible());

        StatistikF->fuellen(QPoint(2, 275));
        QCOMPARE(StatistikF->Image1->pixmap().toImage().pixel(1, 1), qRgb(0, 0, 0));
        StatistikF->hide();
    }

    // Saison 12: die Leiste steht auf 2 (Saisons 3..12), zurück auf 0 zeigt 1..10.
    void legendeBildlauf()
    {
        S.Spiel.Saison = 12;
        S.Saisonbilanz[S.AktManager].laengeSetzen(13);
        LegendeF->zeigen();
        QVERIFY(LegendeF->ScrollBar1->isEnabled());
        QCOMPARE(LegendeF->ScrollBar1->maximum(), 2);
        QCOMPARE(LegendeF->Zellen[0][0]->text(), QStringLiteral("3"));
        LegendeF->ScrollBar1->setValue(0);
        QCOMPARE(LegendeF->Zellen[9][0]->text(), QStringLiteral("10"));
        QCOMPARE(LegendeF->Werte[0]->text(), QStringLiteral("Kein Spiel"));
        LegendeF->hide();

        S.Spiel.Saison = 1;
        LegendeF->zeigen();
        QVERIFY(!LegendeF->ScrollBar1->isEnabled());
        LegendeF->hide();
    }

    void ewigeTabelleMarkiertDenEigenenVerein()
    {
        EwigenF->zeigen();
        QCOMPARE(EwigenF->ListBox1->count(), S.Spiel.MannschaftHoch);
        QVERIFY(EwigenF->ListBox1->currentItem()->text().contains(Q(VereinVon(S.AktManager).Name.text())));
        // Die Legende sagt, warum Oberligapunkte so wenig zählen.
        QVERIFY(EwigenF->Legende->isVisible() && EwigenF->Legende->text().contains(QStringLiteral("Oberliga ein Viertel")));
        EwigenF->hide();
    }

    // Schalter schreiben ihre Bytes; die Champions League setzt den Spielablauf auf "Gefudelt";
    // "Ändern" benennt Manager und Verein um und frischt das Menü auf.
    void einstellungen()
    {
        const int m = S.AktManager;
        EinstellF->zeigen();
        EinstellF->Tempo->setCurrentIndex(2);
        QCOMPARE(S.Optionen[m][OptTempo], 3);
        EinstellF->Chl->click();
        QCOMPARE(S.Optionen[m][OptTempo], 0);
        QCOMPARE(EinstellF->Tempo->currentIndex(), -1);
        QCOMPARE(EinstellF->Tempo->placeholderText(), QStringLiteral("Gefudelt"));
        EinstellF->Liga->setCurrentIndex(2);
        QCOMPARE(S.Optionen[m][OptAnzeigeLiga], 2);

        int aufgefrischt = 0;
        auto vorher = EinstellF->nachAenderung;
        EinstellF->nachAenderung = [&] { ++aufgefrischt; };
        EinstellF->Name->setText(QStringLiteral("Hanna"));
        EinstellF->Verein->setText(QStringLiteral("  Blau-Weiß Neustadt  "));
        QtOberflaeche::vorgaben.push_back("Ja");
        QTest::mouseClick(EinstellF->Aendern, Qt::LeftButton);
        QCOMPARE(aufgefrischt, 1);
        QCOMPARE(S.Manager[m].Name.text(), std::string("Hanna"));
        QCOMPARE(VereinVon(m).Name.text(), std::string("Blau-Weiß Neustadt"));
        QCOMPARE(EinstellF->Verein->text(), QStringLiteral("Blau-Weiß Neustadt"));
        QVERIFY(EinstellF->Aendern->isEnabled());
        EinstellF->nachAenderung = vorher;
        EinstellF->hide();
    }
};

QTEST_MAIN(RecordsTest)
#include "RecordsTest.moc"

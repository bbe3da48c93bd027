// Was ein neuer Spieler tippt: Namen wörtlich, Ränder abgeschnitten, Laden vom
// Startbildschirm, Enter und Escape, Fenster am gemeinsamen Ort.
#include "Bildschirmtest.h"
#include "core/SpielstandDatei.h"
#include "core/screens/DiskFrm.h"
#include "core/screens/MailFrm.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "flow/screens/StartFrm.h"
#include "match/screens/NSpieltagFrm.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

using namespace torvane;

namespace {

const QString Roh = QStringLiteral("<u>Jörg</u>&€");

// So entscheidet Qt selbst, ob ein Schild HTML zeichnet.
bool Woertlich(const QLabel* l)
{
    return l->textFormat() == Qt::PlainText || (l->textFormat() == Qt::AutoText && !Qt::mightBeRichText(l->text()));
}

// Was ein HTML-Tooltip dem Auge zeigt.
QString TippGezeigt(const QString& tipp)
{
    if (!Qt::mightBeRichText(tipp)) return tipp;
    QTextDocument d;
    d.setHtml(tipp);
    return d.toPlainText();
}

void Aktiv(QWidget* w)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

class EingabeTest : public Bildschirmtest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(fensterStarten());
        S.KlangAus = true;
    }

    // Ein gespeichertes Spiel mit HTML im Managernamen wird vom Startbildschirm geladen:
    // dieselbe Frage und Sperre wie auf "Disk", danach zeigt das Menü das geladene Spiel
    // und den Namen wörtlich.
    void ladenVomStartbildschirm()
    {
        QVERIFY(BeispielSpielAnlegen());
        S.Manager[0].Name = U(Roh);
        S.Manager[0].Kontostand = 4242;
        QVERIFY(SaveOrdnerAnlegen());
        QVERIFY(SpielstandDatei("save", SpielstandPfad("Gestern")));
        QtOberflaeche::protokoll.clear();

        bool gesehen = false;
        Sobald([] { return Offen(StartF) && StartF->StartKnopf->isVisible(); }, [&] {
            QVERIFY(StartF->SpielLaden->isVisible());
            QTest::mouseClick(StartF->SpielLaden, Qt::LeftButton);
            QVERIFY(StartF->Ladetafel->isVisible() && !StartF->StartKnopf->isVisible());
            QCOMPARE(StartF->Ladeliste->count(), 1);
            QCOMPARE(StartF->Ladeliste->item(0)->text(), QStringLiteral("Gestern.lig"));
            // Zurück und wieder hin, dann laden.
            QTest::mouseClick(StartF->LadenZurueck, Qt::LeftButton);
            QVERIFY(StartF->StartKnopf->isVisible() && !StartF->Ladetafel->isVisible());
            QTest::mouseClick(StartF->SpielLaden, Qt::LeftButton);
            gesehen = true;
            QtOberflaeche::vorgaben.push_back("Ja");
            QTest::mouseClick(StartF->Laden, Qt::LeftButton);
        });
        QVERIFY(MainF->spielAnlegen());
        QVERIFY(gesehen);
        QVERIFY(QtOberflaeche::imProtokoll("Aktuelles Spiel Spiel abbrechen und"));
        QVERIFY(QtOberflaeche::imProtokoll("Laden erst wieder beim nächsten Programmstart möglich."));
        QCOMPARE(S.Manager[0].Kontostand, 4242);
        QCOMPARE(S.Spielname, std::string("Gestern"));
        QVERIFY(!S.Neuanlage);
        QVERIFY(LadenGesperrt());
        QVERIFY(MenuF->isVisible() && !MenuF->Disk->isVisible());
        QCOMPARE(MenuF->P1->text(), Roh);
        QVERIFY(Woertlich(MenuF->P1));
    }

    // Neues Spiel nach dem Laden: kein "Spiel laden" mehr; " Bert " ist "Bert"; Enter im
    // Formular drückt "Weiter".
    void gepolsterteNamenAmStart()
    {
        QtOberflaeche::protokoll.clear();
        bool gesehen = false;
        Sobald([] { return Offen(StartF) && StartF->StartKnopf->isVisible(); }, [&] {
            QVERIFY(!StartF->SpielLaden->isVisible());
            QTest::mouseClick(StartF->StartKnopf, Qt::LeftButton);
            // Leer, doppelt und Ränder prüft die Regel (NeuanlageStart); hier, dass die Felder ankommen.
            const QString verein1 = StartF->VereinFeld->itemText(3);
            const QString verein2 = StartF->VereinFeld->itemText(20);
            StartF->NameFeld->setText(QStringLiteral("Anna"));
            StartF->VereinFeld->setEditText(verein1);
            QTest::mouseClick(StartF->Aktivieren, Qt::LeftButton);
            StartF->NameFeld->setText(QStringLiteral(" Bert "));
            StartF->VereinFeld->setEditText(verein2);
            Aktiv(StartF);
            StartF->NameFeld->setFocus();
            QtOberflaeche::vorgaben.push_back("Ok");
            QTest::keyClick(StartF->NameFeld, Qt::Key_Return);
            gesehen = !StartF->isVisible();
            if (!gesehen) StartF->Weiter->click(); // sonst bliebe der Test hier stehen
        });
        QVERIFY(MainF->spielAnlegen());
        QVERIFY2(gesehen, "Enter hat Weiter nicht gedrückt");
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:2 Spieler\r\nwurde(n) Ausgewählt !"));
        QCOMPARE(S.Manager[1].Name.text(), std::string("Bert"));
        QCOMPARE(MenuF->P1->text(), QStringLiteral("Anna"));
    }

    // Der Speicherbildschirm: mehr als 100 Zeichen passen nicht ins Feld (leer und Ränder: SpielstandDisk).
    void langeSpielnamen()
    {
        TDiskF disk(MainF);
        disk.zeigen();
        disk.Edit1->clear();
        QTest::keyClicks(disk.Edit1, QString(120, QLatin1Char('x')));
        QCOMPARE(disk.Edit1->text().size(), SpielnameHoechstlaenge);
    }

    // Namen mit HTML-Zeichen in Menü, Nachricht, Meldungsfenster, Tabelle und Tooltip: wörtlich.
    void namenWoertlich()
    {
        S.Manager[S.AktManager].Name = U(Roh);
        S.Manager[S.AktManager].Vereinsname = "<b>FC</b> &amp; Co";
        MenuF->menueZeichnen();
        MenuF->spielfreiZeigen(Roh);
        QCOMPARE(MenuF->P2->text(), QStringLiteral("<b>FC</b> &amp; Co"));
        for (const QLabel* l : {MenuF->P1, MenuF->P2, MenuF->LabelSpielFrei}) QVERIFY2(Woertlich(l), qPrintable(l->objectName()));
        MenuF->spielfreiVerbergen();

        TMailF mail(MainF);
        mail.fuellen(Roh, Roh, NachrichtArtLesen("OK"), 1);
        mail.show();
        const auto schilder = mail.findChildren<QLabel*>();
        QVERIFY(std::count_if(schilder.begin(), schilder.end(), [](const QLabel* l) { return l->text() == Roh; }) == 2);
        for (const QLabel* l : schilder) QVERIFY2(Woertlich(l), qPrintable(l->objectName()));
        mail.hide();

        bool gesehen = false;
        QtOberflaeche::nieZeigen = false;
        Sobald([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; }, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            gesehen = text && text->text() == Roh && Woertlich(text);
            box->accept();
        });
        Hinweis(U(Roh));
        QtOberflaeche::nieZeigen = true;
        QVERIFY(gesehen);

        const int verein = VereinAufPlatz(4, 1);
        S.Mannschaft[verein].Name = "<i>Kicker</i>";
        TabelleF->zeichnen(4);
        TabelleF->show();
        QCOMPARE(TabelleF->Zeilen[0].Name->text(), QStringLiteral("<i>Kicker</i>"));
        QVERIFY(Woertlich(TabelleF->Zeilen[0].Name));
        TabelleF->hide();

        SpielenF->zeileZeigen(0, 2, verein, 0, "<i>Kicker</i>");
        SpielenF->zeilenMeldung(0, U(Roh) + "\r\n\r\n<b>Pokaleinnahmen !</b>");
        QCOMPARE(TippGezeigt(SpielenF->Reihen[0].Heim->toolTip()), QStringLiteral("<i>Kicker</i>"));
        QVERIFY(TippGezeigt(SpielenF->Reihen[0].Meldung->toolTip()).startsWith(Roh + QStringLiteral("\n\n<b>")));
        QVERIFY(!SpielenF->Reihen[0].Meldung->text().contains(QStringLiteral("<u>")));
        SpielenF->hide();

        // Das Tooltipfenster selbst bleibt HTML-fähig, sonst stünden die Masken roh darin.
        QToolTip::showText(MainF->mapToGlobal(QPoint(20, 20)), TippWoertlich(Roh), MainF);
        const QLabel* tipp = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible()) tipp = qobject_cast<QLabel*>(w);
        QVERIFY(tipp);
        QVERIFY(tipp->textFormat() != Qt::PlainText);
        QToolTip::hideText();
    }

    // Escape schließt Tabelle und Spieltage aus dem Menü, aber nicht die Tabelle, die
    // auf das Weiter eines Spieltags wartet; beide öffnen am gemeinsamen Ort.
    void escapeUndOrt()
    {
        TabelleF->nachSpieltag(4, SpielenF);
        TabelleF->hide();
        // Das Hauptfenster rückt (Rahmen, Maximieren, Strg+W), der Ort rückt mit.
        MainF->showNormal();
        QTest::qWait(20);
        const QPoint vorher = MainF->pos();
        MainF->move(vorher + QPoint(30, 20));
        QTRY_VERIFY(MainF->pos() != vorher);
        for (QWidget* w : std::initializer_list<QWidget*>{TabelleF, NSpieltagF}) {
            if (w == TabelleF) TabelleF->zeigen();
            else NSpieltagF->zeigen();
            // Am gemeinsamen Ort, doch ganz auf dem Bildschirm: die Tabelle rückt nach links.
            const QPoint ort = MainF->mapToGlobal(LinkeF->pos());
            QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
            QCOMPARE(w->pos().y(), ort.y());
            QVERIFY(w->pos().x() <= ort.x());
            Aktiv(w);
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        }

        S.Befehl = Befehlswert::TabelleWeiterZeigen;
        TabelleF->nachSpieltag(4, nullptr);
        Aktiv(TabelleF);
        QTest::keyClick(TabelleF, Qt::Key_Escape);
        QVERIFY(TabelleF->isVisible());
        QTest::mouseClick(TabelleF->Weiter, Qt::LeftButton);
        QCOMPARE(S.Befehl, Befehlswert::TabelleWeiter);
        TabelleF->hide();
    }
};

QTEST_MAIN(EingabeTest)
#include "EingabeTest.moc"

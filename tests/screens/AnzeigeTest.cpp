// Was jeder Manager sieht: Meldungen einer ganzen Saison ganz lesbar und so breit wie ihr Text,
// Nachricht und Zahlenrad mittig auf dem fragenden Fenster, und jedes Fenster zeigt nach einem
// Managerwechsel den neuen Manager.
#include "Bildschirmtest.h"
#include "core/AutoOberflaeche.h"
#include "core/Zufall.h"
#include "core/screens/MailFrm.h"
#include "core/screens/RechnerFrm.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "match/screens/PokalspieleFrm.h"
#include "season/Pleite.h"
#include "squad/screens/TransferFrm.h"
#include "season/Saisonende.h"

#include <QAbstractButton>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QtTest>

#include <set>

using namespace torvane;

namespace {

struct Gemeldet {
    std::string kopf, text;
    NachrichtArt art;
    int bild;
};

// Merkt jede Nachricht und antwortet wie der Automat.
struct Sammler : AutoOberflaeche {
    std::vector<Gemeldet> meldungen;
    Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x, int y,
                          int bild) override
    {
        meldungen.push_back({kopf, text, art, bild});
        return AutoOberflaeche::nachricht(kopf, text, art, x, y, bild);
    }
};

int Breiteste(const QFontMetrics& fm, const QString& text)
{
    int b = 0;
    for (const QString& z : text.split(QLatin1Char('\n'))) b = qMax(b, fm.horizontalAdvance(z));
    return b;
}

// Jede Nachricht im echten Fenster: nichts abgeschnitten, Text und Kopf ganz zu sehen,
// in Spalten Aufgefülltes in fester Schrift, nie breiter als das Hauptfenster. Leer, wenn alles passt.
QStringList NachrichtPruefen(const Gemeldet& m, const QWidget& haupt)
{
    TMailF f;
    const QString text = Zeilen(m.text);
    f.fuellen(Zeilen(m.kopf), text, m.art, m.bild);
    f.show();
    QApplication::processEvents();
    QStringList funde = AbgeschnitteneTexte(&f, Q(m.kopf));
    auto* feld = f.findChild<QLabel*>(QStringLiteral("Text"));
    auto* kopf = f.findChild<QLabel*>(QStringLiteral("Kopf"));
    if (!feld || !kopf) return {QStringLiteral("ohne Text- oder Kopffeld")};
    if (!feld->wordWrap() && Breiteste(QFontMetrics(feld->font()), text) > feld->contentsRect().width())
        funde << Q(m.kopf) + QStringLiteral(": Text breiter als sein Feld");
    if (TMailF::InSpalten(text) != QFontInfo(feld->font()).fixedPitch())
        funde << Q(m.kopf) + QStringLiteral(": Spalten ohne feste Schrift");
    if (f.width() > haupt.width())
        funde << Q(m.kopf) + QStringLiteral(": %1 Pixel breit, Hauptfenster %2").arg(f.width()).arg(haupt.width());
    return funde;
}

// Alle Texte eines Fensters: Schilder, Knöpfe, Rahmen, Zellen, Eingabefelder und der Titel.
QString Texte(const QWidget* w)
{
    QStringList t{w->windowTitle()};
    for (const QLabel* l : w->findChildren<QLabel*>()) t << l->text();
    for (const QAbstractButton* b : w->findChildren<QAbstractButton*>()) t << b->text();
    for (const QGroupBox* g : w->findChildren<QGroupBox*>()) t << g->title();
    for (const QLineEdit* e : w->findChildren<QLineEdit*>()) t << e->text();
    for (const QTableWidget* tab : w->findChildren<QTableWidget*>())
        for (int r = 0; r < tab->rowCount(); ++r)
            for (int s = 0; s < tab->columnCount(); ++s)
                if (const QTableWidgetItem* i = tab->item(r, s)) t << i->text();
    // Gemalte Teile des Spiels (Kadergitter, Marktliste, Kurven) zählen über ihr Bild mit;
    // Qt's eigene Felder nicht, deren Schreibmarke blinkt.
    for (QWidget* g : w->findChildren<QWidget*>()) {
        const auto* l = qobject_cast<QLabel*>(g);
        // Bilder nur, wo sie Zahlen zeigen (die Kurven "Image1".."Image3"); Stadion und Lager wechseln ihre Fotos.
        const bool bildchen = l && !l->pixmap().isNull() && l->objectName().startsWith(QStringLiteral("Image"));
        if (!g->isVisible() || !(bildchen || QByteArray(g->metaObject()->className()).startsWith("torvane::"))) continue;
        const QImage bild = bildchen ? l->pixmap().toImage() : g->grab().toImage();
        t << QString::fromLatin1(QCryptographicHash::hash(QByteArrayView(bild.constBits(), bild.sizeInBytes()),
                                                          QCryptographicHash::Md5)
                                     .toHex());
    }
    return t.join(QLatin1Char('\n'));
}

// Das offene Fenster außer Hauptfenster, Seitenleiste und Menü.
QWidget* OffenesFenster()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != MainF && w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup) return w;
    return nullptr;
}

} // namespace

class AnzeigeTest : public Bildschirmtest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(ordner.isValid());
        TestPfade(ordner);
        S.KlangAus = true;
    }

    // Eine ganze Saison mit zwei Managern ohne Bildschirm, dann jede ihrer Meldungen im Fenster:
    // die besten Sechs nach Spieltag 17 und 34, Schecks, Aufstieg, Training, Ereignisse.
    void meldungenEinerSaisonPassen()
    {
        Sammler sammler;
        OberflaecheSetzen(&sammler);
        S = Spielstand{};
        ZufallSetzen(17);
        QVERIFY(NeuesSpielOhneBildschirm({{"Quirin", "SV Kickersdorf"}, {"Berta", "FC Fallera"}}));
        for (int i = 0; i < 2000 && Sitzung.BeendeteSaisons == 0 && !SpielVorbei(); ++i) AbschlussClick();
        QCOMPARE(Sitzung.BeendeteSaisons, 1L);
        // Der längste Kopf der Saison: ein Scheck an einen langen Verein mit langem Namen.
        S.Manager[0].Vereinsname = "Galashiels Academicals FC";
        S.Manager[0].Name = "Maximilianus Xy";
        sammler.meldungen.push_back({ScheckKopf(0), "\r\nDer Fußballbund gibt zu verstehen das Management zu ändern,"
                                                     "zudem wird Ihnen ein Scheck in Höhe von 660.000 € überreicht.",
                                     NachrichtArtLesen("ok"), -1});
        OberflaecheSetzen(&ui);
        // Schmaler als der Bildschirm, wie unter Zoom: die Meldungen richten sich nach dem Hauptfenster.
        QWidget haupt;
        haupt.setGeometry(0, 0, 640, 480);
        haupt.show();
        HauptfensterSetzen(&haupt);

        std::set<std::string> gesehen;
        int besteSechs = 0, schecks = 0;
        QStringList funde;
        for (const Gemeldet& m : sammler.meldungen) {
            besteSechs += m.kopf == "Die 6 Besten Liga-Manschaften nach Punkten + Toren";
            schecks += m.kopf.find(" unter dem Management von ") != std::string::npos;
            // Je Kopf und Textanfang einmal: gleich gebaute Meldungen messen sich gleich.
            if (!gesehen.insert(m.kopf + m.text.substr(0, 40)).second) continue;
            funde << NachrichtPruefen(m, haupt);
        }
        HauptfensterSetzen(nullptr);
        QCOMPARE(besteSechs, 2);
        // Die mit Punkten aufgefüllte Liste steht in fester Schrift: jede Zeile gleich breit.
        for (const Gemeldet& m : sammler.meldungen) {
            if (m.kopf != "Die 6 Besten Liga-Manschaften nach Punkten + Toren") continue;
            const QString text = Zeilen(m.text);
            QVERIFY(TMailF::InSpalten(text));
            const QFontMetrics fm(FesteSchrift(10));
            const QStringList zeilen = text.split(QLatin1Char('\n'));
            for (const QString& z : zeilen) QCOMPARE(fm.horizontalAdvance(z), fm.horizontalAdvance(zeilen[0]));
        }
        // Fließtext mit Auslassungspunkten am Satzende bleibt in der Textschrift.
        for (const char* fliesstext : {"\nDer Fußballbund Gratuliert zu diesem hervorragenden Tabellenplatz,",
                                       "Nach der Sommerpause ...\nbeginnt Saison 2"})
            QVERIFY2(!TMailF::InSpalten(QString::fromUtf8(fliesstext)), fliesstext);
        QCOMPARE(schecks, 3); // zwei Manager und der lange Kopf
        QVERIFY2(funde.isEmpty(), qPrintable(funde.join(QLatin1Char('\n'))));
    }

    // Nachricht und Zahlenrad stehen mittig auf dem Fenster, das fragt (hier die "Bank" unten rechts),
    // nicht in der Ecke; eine überlange Zeile bricht erst am Bildschirmrand um.
    void mittigAufDemFragendenFenster()
    {
        QWidget haupt;
        haupt.setGeometry(0, 0, 800, 600); // der ganze Bildschirm ohne Anzeige
        haupt.show();
        HauptfensterSetzen(&haupt);
        QDialog bank(&haupt);
        bank.setGeometry(330, 230, 400, 300);
        bank.show();
        bank.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bank));
        QtOberflaeche::nieZeigen = false;
        QtOberflaeche::tempo = 0.0;

        QPoint mitteNachricht, mitteRechner;
        int textBreite = 0, feldBreite = 0;
        const QString lang = QStringLiteral("Eine Zeile, die länger ist als das Fenster im Ruhezustand.");
        Sobald([] { return Offen(MailF); }, [&] {
            mitteNachricht = MailF->frameGeometry().center();
            auto* feld = MailF->findChild<QLabel*>(QStringLiteral("Text"));
            textBreite = QFontMetrics(feld->font()).horizontalAdvance(lang);
            feldBreite = feld->contentsRect().width();
            MailF->findChild<QPushButton*>(QStringLiteral("Weiter"))->click();
        });
        Nachricht("Bank", U(lang), "ok");
        QVERIFY(qAbs(mitteNachricht.x() - bank.frameGeometry().center().x()) <= 2);
        QVERIFY(qAbs(mitteNachricht.y() - bank.frameGeometry().center().y()) <= 2);
        QVERIFY2(feldBreite >= textBreite, qPrintable(QStringLiteral("%1 < %2").arg(feldBreite).arg(textBreite)));

        bank.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bank));
        Sobald([] { return Offen(RechnerF); }, [&] {
            mitteRechner = RechnerF->frameGeometry().center();
            RechnerF->reject();
        });
        QCOMPARE(Zahleneingabe(0, "Ich brauch was !"), 0);
        QVERIFY(qAbs(mitteRechner.x() - bank.frameGeometry().center().x()) <= 2);
        QVERIFY(qAbs(mitteRechner.y() - bank.frameGeometry().center().y()) <= 2);

        // Der Dialog des Fenstersystems ebenso, mit dem Titel, wem die Meldung gilt (Vertragsende).
        bank.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bank));
        QString titel;
        QPoint mitteDialog;
        Sobald([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; }, [&] {
            QWidget* box = QApplication::activeModalWidget();
            titel = box->windowTitle();
            mitteDialog = box->frameGeometry().center();
            static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
        {
            const MeldungsTitel wessen("Quirin – SV Kickersdorf");
            Hinweis("Der Vertrag von Heinz Beispiel ist ausgelaufen.");
        }
        QCOMPARE(titel, QStringLiteral("Quirin – SV Kickersdorf"));
        QVERIFY(qAbs(mitteDialog.x() - bank.frameGeometry().center().x()) <= 2);
        QVERIFY(qAbs(mitteDialog.y() - bank.frameGeometry().center().y()) <= 2);

        // Breiter als der Bildschirm: umbrechen statt abschneiden.
        TMailF f;
        f.fuellen(QStringLiteral("Bank"), QString(400, QLatin1Char('x')).replace(QStringLiteral("xxxxx"), QStringLiteral("xxxx ")),
                  NachrichtArtLesen("ok"), -1);
        QVERIFY(f.findChild<QLabel*>(QStringLiteral("Text"))->wordWrap());
        QVERIFY(f.width() <= haupt.screen()->availableGeometry().width());
        // In Spalten Gesetztes behält seine Zeilen und rollt: zu breit wie zu lang.
        const QString spalten = QStringLiteral("Kickersdorf.........(1)");
        for (const QString& liste : {spalten + QString(90, QLatin1Char('x')), QStringList(80, spalten).join(u'\n')}) {
            f.fuellen(QStringLiteral("Liste"), liste, NachrichtArtLesen("ok"), -1);
            QVERIFY(!f.findChild<QLabel*>(QStringLiteral("Text"))->wordWrap());
            QVERIFY(f.width() <= haupt.width());
            QVERIFY(f.height() <= haupt.screen()->availableGeometry().height());
        }
        QtOberflaeche::nieZeigen = true;
        HauptfensterSetzen(nullptr);
    }

    // Jedes Fenster des Menüs, das den Stand eines Managers zeigt: als Quirin geöffnet, zu Berta
    // gewechselt (das Fenster bleibt offen) und noch einmal geöffnet, zeigt es genau, was es frisch
    // für Berta zeigt, und nicht mehr, was es für Quirin zeigte.
    void jedesFensterZeigtDenManagerAmZug()
    {
        TestUmgebung(ordner, ui);
        S.KlangAus = true;
        FensterAnlegen();
        MainF->resize(800, 600);
        MainF->show();
        QVERIFY(BeispielSpielAnlegen());
        S.Manager[0].Kontostand = 1234567;
        S.Manager[1].Kontostand = 7654321;
        S.Manager[1].Trainingsstunden = 7;
        S.Manager[1].Einsatz = 30;
        S.Manager[1].Sparbuch = 250000;
        S.Manager[1].Plaetze = 15000;
        S.Manager[1].Werbeanfragen = 25.0f;
        S.Manager[1].TotoTip = "111111111";
        LigawahlDialog = [] { return 55; }; // Oberliga
        auto oeffnen = [](Menuepunkt p, int m) {
            S.AktManager = static_cast<uint8_t>(m);
            MenueAnzeigen();
            MenuF->unterKlick(p);
            return OffenesFenster();
        };
        QStringList fehler, geprueft;
        for (int k = 0; k < MenuepunktZahl; ++k) {
            const Menuepunkt p = PunktAmPlatz(k);
            if (p == Menuepunkt::NeuerSpieler || p == Menuepunkt::NeuesSpiel || p == Menuepunkt::Editor ||
                !MenuF->knopf(p)->isEnabled())
                continue;
            const QString knopf = MenuF->knopf(p)->text();
            QWidget* w = oeffnen(p, 1);
            if (!w) {
                fehler << knopf + QStringLiteral(": kein Fenster");
                continue;
            }
            const QString berta = Texte(w);
            w->hide();
            QCOMPARE(oeffnen(p, 0), w);
            const QString quirin = Texte(w);
            // Ligen, Tabellen und Rekorde sehen für beide gleich aus; zu prüfen gibt es dort nichts.
            if (quirin == berta) {
                w->hide();
                continue;
            }
            geprueft << knopf;
            S.AktManager = 1;
            MenueAnzeigen();
            if (Texte(w) != berta) fehler << knopf + QStringLiteral(": offen beim Wechsel noch Quirins Stand");
            w->hide();
            QCOMPARE(oeffnen(p, 1), w);
            if (Texte(w) != berta) fehler << knopf + QStringLiteral(": neu geöffnet nicht Bertas Stand");
            w->hide();
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
        // Alle Fenster mit eigenem Stand eines Managers waren dabei.
        for (const char* name : {"Aufstellung", "Spielsystem", "Training", "Info", "Bank", "Stadion", "Werbung",
                                 "TotoTip", "Einstellungen", "Legende", "Statistik"})
            QVERIFY2(geprueft.contains(QString::fromUtf8(name)), name);
    }

    // Die gemalten Spaltentitel des Transfermarkts passen in ihre Spalten und überlappen sich nicht.
    void transfermarktKopf()
    {
        const QFontMetrics fm(Schrift(8, true));
        for (int k = 0; k < TMarktliste::Spalten; ++k) {
            const QString t = QString::fromUtf8(TMarktliste::SpalteTitel[k]);
            QVERIFY2(fm.horizontalAdvance(t) <= TMarktliste::SpalteBreite[k], qPrintable(t));
            if (k + 1 < TMarktliste::Spalten)
                QVERIFY2(TMarktliste::SpalteX[k] + TMarktliste::SpalteBreite[k] <= TMarktliste::SpalteX[k + 1], qPrintable(t));
        }
        QCOMPARE(QString::fromUtf8(TMarktliste::SpalteTitel[1]), QStringLiteral("Pos."));
        QCOMPARE(TransferF->Trainerkopf->text(), QStringLiteral("Trainerverpflichtung"));
    }

    // Die Champions-League-Tabelle kappt keinen Namen, auch nicht 25 Zeichen lange.
    void championsLeagueMitLangenNamen()
    {
        int v = 0;
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i)
            if (S.Mannschaft[i].ChlRunde == std::to_string(S.ChlTabelle[3].ChlSlot)) v = i;
        QVERIFY(v > 0);
        S.Mannschaft[v].Name = "Galashiels Academicals FC";
        PokalspieleF->zeigen();
        const QString t = PokalspieleF->ChlTabelleText->text();
        QVERIFY(t.contains(QStringLiteral("Galashiels Academicals FC")));
        QTextDocument d;
        d.setDefaultFont(PokalspieleF->ChlTabelleText->font());
        d.setHtml(t);
        QVERIFY2(d.idealWidth() <= PokalspieleF->ChlTabelleText->contentsRect().width(),
                 qPrintable(QString::number(d.idealWidth())));
        PokalspieleF->hide();
    }
};

QTEST_MAIN(AnzeigeTest)
#include "AnzeigeTest.moc"

// Kleine Fensterregeln: Klänge und Bilder vorhanden, Ligawahl, Menüknöpfe,
// Seitenleiste, Hauptfenster und die Bildschirmfotos.
#include "core/Funky.h"
#include "core/Variablen.h"
#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/LigawahlFrm.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace torvane;

namespace {

// Klickt in der Ligawahl, sobald sie offen ist, den Knopf name (leer: schließt ohne Wahl).
void BeiLigawahl(const QString& name)
{
    auto* uhr = new QTimer;
    QObject::connect(uhr, &QTimer::timeout, [uhr, name] {
        if (!LigawahlF->isVisible()) return;
        uhr->stop();
        uhr->deleteLater();
        if (name.isEmpty()) LigawahlF->reject();
        else QTest::mouseClick(LigawahlF->findChild<QPushButton*>(name), Qt::LeftButton);
    });
    uhr->start(10);
}

} // namespace

class FensterTest : public QObject {
    Q_OBJECT

    QtOberflaeche ui;
    QTemporaryDir ordner;

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
        FensterAnlegen();
        QVERIFY(BeispielSpielAnlegen());
        MainF->resize(800, 600);
        MainF->show();
        MainF->anordnen();
        MenueAnzeigen();
        MenuF->show();
        LinkeF->show();
    }

    void cleanupTestCase() { OberflaecheSetzen(nullptr); }

    // Jeder Klang, den das Spiel spielt, liegt in musik/, gleich wie er geschrieben ist.
    void klangDateien()
    {
        const char* const namen[] = {"klick", "klick2", "kasse",  "tataa",     "tataA",     "saisonende", "error",
                                     "scroll", "Pfiff1", "Pfiff2", "ToorH",     "ToorG",     "Lach",       "trans",
                                     "ding",  "Ding",   "userwarn", "rechner", "Rechner",   "kling",      "ton1",
                                     "speichern", "Speichern", "aus", "Explosion", "44mag", "glasbk",   "axe",
                                     "OhOh",  "laser",  "bumm",   "torvane"};
        for (const char* n : namen) QVERIFY2(!KlangDatei(QString::fromLatin1(n)).isEmpty(), n);
        QCOMPARE(QFileInfo(KlangDatei("tataA")).fileName(), QStringLiteral("tataa.wav"));
        QVERIFY(KlangDatei("gibtsnicht").isEmpty());
    }

    // Jedes Bild der Nachrichten ist gemalt; unbekannte Nummern zeigen keins.
    void nachrichtBilder()
    {
        QList<int> nummern;
        for (int i = 0; i <= 9; ++i) nummern << i;
        for (int n = 1; n <= 12; ++n) nummern << 100 + n;
        for (int i : nummern) {
            const QString name = NachrichtBildName(i);
            QVERIFY2(!name.isEmpty(), qPrintable(QString::number(i)));
            const QImage b = Bild(name, QSize(40, 40)).toImage();
            QVERIFY2(b.pixelColor(20, 20).alpha() > 0, qPrintable(name));
        }
        QVERIFY(NachrichtBildName(-1).isEmpty());
        QVERIFY(NachrichtBildName(10).isEmpty());
        QVERIFY(NachrichtBildName(113).isEmpty());
    }

    // Die Ligawahl setzt AnzeigeLiga und gibt den ersten Verein; ohne Wahl bleibt die Liga.
    void ligawahl()
    {
        S.Optionen[S.AktManager][OptAnzeigeLiga] = 0;
        QtOberflaeche::protokoll.clear();
        BeiLigawahl(QStringLiteral("Liga3"));
        QCOMPARE(LigaWaehlen(), 37);
        QCOMPARE(S.Spiel.AnzeigeLiga, 3);
        QVERIFY(QtOberflaeche::imProtokoll("Klang:klick"));
        QtOberflaeche::protokoll.clear();
        BeiLigawahl(QString());
        QCOMPARE(LigaWaehlen(), 37);
        QVERIFY(!QtOberflaeche::imProtokoll("Klang:klick"));
    }

    // "Tabelle" öffnet erst nach der Ligawahl, mit dem ersten Verein der gewählten Liga.
    void unterknopfMitLigawahl()
    {
        S.Optionen[S.AktManager][OptAnzeigeLiga] = 0;
        int geoeffnet = 0;
        MenuF->oeffnerSetzen(8, [&] { ++geoeffnet; });
        QVERIFY(MenuF->K[8]->isEnabled());
        const float punkte = S.Manager[S.AktManager].Managerpunkte;
        BeiLigawahl(QStringLiteral("Liga2"));
        MenuF->unterKlick(8);
        QCOMPARE(geoeffnet, 1);
        QCOMPARE(S.Spiel.AnzeigeErster, 19);
        QVERIFY(S.Manager[S.AktManager].Managerpunkte > punkte);
        MenuF->oeffnerSetzen(8, nullptr);
        QVERIFY(!MenuF->K[8]->isEnabled());
    }

    // "Automatic" schließt beim Einschalten den Zug einmal; die Spielfrei-Tafel sperrt den Abschluss.
    void automaticUndSpielfrei()
    {
        int abschluesse = 0;
        MenuF->abschluss = [&] { ++abschluesse; };
        QTest::mouseClick(LinkeF->Automatic, Qt::LeftButton);
        QCOMPARE(LinkeF->Automatic->text(), QStringLiteral("Autospiel STOP"));
        QCOMPARE(abschluesse, 1);
        QTest::mouseClick(LinkeF->Automatic, Qt::LeftButton);
        QCOMPARE(LinkeF->Automatic->text(), QStringLiteral("Automatic"));
        QCOMPARE(abschluesse, 1);

        MenuF->spielfreiZeigen(QStringLiteral("Anna"));
        QCOMPARE(MenuF->LabelSpielFrei->text(), QStringLiteral("Anna"));
        MenuF->abschlussFolgen();
        QCOMPARE(abschluesse, 1);
        MenuF->spielfreiVerbergen();
        QTest::mouseClick(MenuF->Abschluss, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(abschluesse, 2);
        MenuF->abschluss = nullptr;
    }

    // Hochrollen bis 0, Herunterrollen bis zur alten Höhe; dabei sind die Knöpfe gesperrt.
    void rollen()
    {
        const int voll = MenuF->Panel1->height();
        MenuF->bedienungFreigeben(false);
        MenuF->hochrollen();
        QCOMPARE(MenuF->Panel1->height(), 0);
        QCOMPARE(MenuF->Abschluss->y(), 0);
        QVERIFY(!MenuF->AbschlussButton->isEnabled());
        MenuF->runterrollen();
        MenuF->bedienungFreigeben(true);
        QCOMPARE(MenuF->Panel1->height(), voll);
        QVERIFY(MenuF->AbschlussButton->isEnabled());
        QVERIFY(!MenuF->K[20]->isEnabled()); // Ungebautes bleibt gesperrt
    }

    // Rechtsklick färbt schwarz, Doppelklick zufällig; Strg+W versteckt und zeigt wieder.
    void hauptfenster()
    {
        ZufallSetzen(99);
        const int r = Zufall(0, 255);
        const int g = Zufall(0, 255);
        const int b = Zufall(0, 255);
        ZufallSetzen(99);
        QTest::mouseDClick(MainF, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(MainF->palette().color(QPalette::Window), QColor(r, g, b));
        QTest::mouseClick(MainF, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(MainF->palette().color(QPalette::Window), QColor(Qt::black));

        MainF->versteckenUmschalten();
        QVERIFY(MainF->versteckt());
        MainF->versteckenUmschalten();
        QVERIFY(!MainF->versteckt());
        QVERIFY(MenuF->isVisible() && LinkeF->isVisible());
    }

    // --screenshots legt jedes Fenster als nicht leeres Bild ab.
    void bildschirmfotos()
    {
        const QString ziel = ordner.path() + QStringLiteral("/fotos");
        const QStringList dateien = BildschirmfotosMachen(ziel);
        QVERIFY2(dateien.size() >= 24, qPrintable(QString::number(dateien.size())));
        for (const QString& d : dateien) {
            const QImage bild(d);
            QVERIFY2(!bild.isNull() && bild.width() > 100, qPrintable(d));
        }
    }
};

QTEST_MAIN(FensterTest)
#include "FensterTest.moc"

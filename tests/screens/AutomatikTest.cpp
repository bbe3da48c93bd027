// Der Schalter "Automatic" der Seitenleiste: der Computermanager spielt die Züge dessen,
// der ihn einschaltete, über den gewöhnlichen Abschluss; die anderen spielen selbst.
#include "Bildschirmtest.h"
#include "flow/Zug.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"

#include <QtTest>

using namespace torvane;

class AutomatikTest : public QObject {
    Q_OBJECT

    QtOberflaeche ui;
    QTemporaryDir ordner;

private slots:
    void initTestCase()
    {
        QVERIFY(ordner.isValid());
        TestUmgebung(ordner, ui);
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

    // Quirin schaltet ein: sein Zug wird gespielt und geschlossen, Berta bleibt am Zug, bis sie
    // selbst schließt; nach dem Spieltag ist Quirin wieder von selbst dran. Ausgeschaltet wartet er.
    void spieltNurDieZuegeDesEinschaltenden()
    {
        Klicker weiter;
        QCOMPARE(static_cast<int>(S.AktManager), 0);
        S.Optionen[0][OptAutoaufstellung] = 0;
        QTest::mouseClick(LinkeF->Automatic, Qt::LeftButton);
        QCOMPARE(LinkeF->Automatic->text(), QStringLiteral("Autospiel STOP"));
        QCOMPARE(static_cast<int>(S.AktManager), 1);
        QCOMPARE(static_cast<int>(S.Optionen[0][OptAutoaufstellung]), 1); // der Computer hat aufgestellt

        // Bertas Zug gehört ihr: auch nach mehreren Takten ist sie noch dran.
        QTest::qWait(2500);
        QCOMPARE(static_cast<int>(S.AktManager), 1);
        QCOMPARE(S.Spiel.Spieltag, 0);

        QTest::mouseClick(MenuF->AbschlussButton, Qt::LeftButton);
        QCOMPARE(S.Spiel.Spieltag, 1);
        QTRY_COMPARE_WITH_TIMEOUT(static_cast<int>(S.AktManager), 1, 5000);
        QCOMPARE(S.Spiel.Spieltag, 1);
        // Keine Rückfrage des Computers an den Menschen.
        for (const auto& z : QtOberflaeche::protokoll) QVERIFY2(z.rfind("Unbeantwortet:", 0) != 0, z.c_str());

        QTest::mouseClick(LinkeF->Automatic, Qt::LeftButton);
        QCOMPARE(LinkeF->Automatic->text(), QStringLiteral("Automatic"));
        QTest::mouseClick(MenuF->AbschlussButton, Qt::LeftButton);
        QCOMPARE(S.Spiel.Spieltag, 2);
        QTest::qWait(2500);
        QCOMPARE(static_cast<int>(S.AktManager), 0);
    }
};

QTEST_MAIN(AutomatikTest)
#include "AutomatikTest.moc"

// Der Ratgeber im Fenster: der Knopf der Seitenleiste öffnet ihn, jede Zeile zeigt einen Rat mit
// dem Knopf zu ihrem Bildschirm, und Öffnen wie Lesen ändern kein Byte des Spielstands.
#include "Bildschirmtest.h"
#include "core/Oberflaeche.h"
#include "core/SpielstandDatei.h"
#include "finance/screens/BankFrm.h"
#include "flow/Neuanlage.h"
#include "flow/Ratgeber.h"
#include "flow/Zug.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "flow/screens/RatgeberFrm.h"

#include <QFrame>
#include <QLabel>
#include <QtTest>

using namespace torvane;

class RatgeberFensterTest : public Bildschirmtest {
    Q_OBJECT

    QList<QFrame*> zeilen() const
    {
        QList<QFrame*> z;
        for (QFrame* f : RatgeberF->Liste->findChildren<QFrame*>())
            if (f->objectName().startsWith(QStringLiteral("Rat"))) z << f;
        return z;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(spielfensterStarten());
    }

    void zeilenWieDieRegel()
    {
        Manager_& mg = S.Manager[S.AktManager];
        mg.Kontostand = -500000; // Dispo beim Abschluss: der dringendste Rat
        mg.Werbeanfragen = 3.0f;
        auto* knopf = LinkeF->findChild<QPushButton*>(QStringLiteral("Ratgeber"));
        QVERIFY(knopf);
        const std::string vorher = SpielstandSchreiben();
        knopf->click();
        QVERIFY(RatgeberF->isVisible());
        QCOMPARE(SpielstandSchreiben(), vorher);

        const std::vector<Rat> raete = Ratschlaege(S.AktManager);
        QVERIFY(raete.size() >= 2);
        const auto z = zeilen();
        QCOMPARE(z.size(), static_cast<qsizetype>(raete.size()));
        QVERIFY(!RatgeberF->Leer->isVisible());
        for (int i = 0; i < z.size(); ++i) {
            auto* text = z[i]->findChild<QLabel*>(QStringLiteral("Text"));
            auto* ziel = z[i]->findChild<QPushButton*>(QStringLiteral("Knopf"));
            QVERIFY(text && ziel);
            QCOMPARE(text->text(), Q(raete[static_cast<size_t>(i)].text));
            QCOMPARE(ziel->text(), Q(raete[static_cast<size_t>(i)].ziel));
        }

        // Der Knopf der ersten Zeile öffnet die Bank über den Öffner des Menüs.
        QVERIFY(raete.front().thema == Rat::Ueberziehung);
        z.front()->findChild<QPushButton*>(QStringLiteral("Knopf"))->click();
        QVERIFY(!RatgeberF->isVisible());
        QVERIFY(BankF->isVisible());
        BankF->close();

        // Noch einmal geöffnet: die Zeilen werden ersetzt, nicht angehängt.
        knopf->click();
        QCOMPARE(zeilen().size(), static_cast<qsizetype>(raete.size()));

        // Offen zeichnet er neu, wenn die Stufe wechselt oder der Stand sich ändert.
        LinkeF->Stufe->setCurrentIndex(1);
        QVERIFY(RatgeberF->Kopf->text().contains(QStringLiteral("Stufe Alt")));
        mg.Kontostand = 5000000;
        SpielstandGeaendert();
        QCOMPARE(zeilen().size(), static_cast<qsizetype>(Ratschlaege(S.AktManager, AssistentStufe::Alt).size()));
        QVERIFY(zeilen().size() != static_cast<qsizetype>(raete.size()) ||
                zeilen().front()->findChild<QLabel*>(QStringLiteral("Text"))->text() != Q(raete.front().text));
        LinkeF->Stufe->setCurrentIndex(0);
        RatgeberF->close();
    }
};

QTEST_MAIN(RatgeberFensterTest)
#include "RatgeberFensterTest.moc"

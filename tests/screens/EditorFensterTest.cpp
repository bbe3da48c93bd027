// Das Editorfenster: Listen wechseln, Zellen im Gitter prüfen, Popup-Einträge,
// Speichern, Schließen mit Frage, die Testsaison im eigenen Prozess, der Menüknopf.
#include "Bildschirmtest.h"
#include "core/Daten.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "tools/screens/EditorFrm.h"
#include "tools/screens/HilfeFrm.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

using namespace torvane;

namespace {

QByteArray Datei(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class EditorFensterTest : public Bildschirmtest {
    Q_OBJECT

    QString daten;

    void datenKopieren()
    {
        daten = ordner.path() + QStringLiteral("/daten/");
        QDir().mkpath(daten);
        for (const char* n : DatenDateien) {
            QFile::remove(daten + QString::fromLatin1(n));
            QVERIFY(QFile::copy(QStringLiteral(TORVANE_QUELLEN "/daten/") + QString::fromLatin1(n),
                                daten + QString::fromLatin1(n)));
        }
        DatenOrdnerSetzen(U(daten));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(umgebung());
        S.KlangAus = false;
    }
    void init() { datenKopieren(); }

    // Das Gitter folgt den Regeln: fetter Knopf, Status, gesperrte Spalte hält die Auswahl,
    // der alte Name kehrt zurück, neuer Eintrag, Einfügen, Wechsel mit Frage, Schließen.
    void bearbeitenImGitter()
    {
        TEditorF f;
        f.zeigen();
        QVERIFY(f.Titel->text().isEmpty());
        QCOMPARE(f.Grid->rowCount(), 0);
        QTest::mouseClick(f.Mannschaften, Qt::LeftButton);
        QCOMPARE(f.Titel->text(), QStringLiteral("Mannschaften"));
        QCOMPARE(f.Status->text(), QStringLiteral("262 Mannschaften"));
        QCOMPARE(f.Grid->rowCount(), 262);
        QVERIFY(f.Mannschaften->font().bold());
        QVERIFY(!f.Spieler->font().bold());

        f.Grid->setCurrentCell(2, 0);
        QtOberflaeche::protokoll.clear();
        f.Grid->setCurrentCell(5, 1);
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:Ändern verboten."));
        QCOMPARE(f.Grid->currentRow(), 2);
        QCOMPARE(f.Grid->currentColumn(), 0);

        const QString alt = f.Grid->item(2, 0)->text();
        f.Grid->item(2, 0)->setText(QString(26, QLatin1Char('z')));
        f.Grid->setCurrentCell(3, 0);
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:Ein Mannschaftsname darf nur max. 25 Zeichen haben."));
        QCOMPARE(f.Grid->item(2, 0)->text(), alt);
        QCOMPARE(f.Grid->currentRow(), 3);

        // Wirklich getippt: der Zelleditor übergibt beim Verlassen.
        f.Grid->editItem(f.Grid->item(3, 0));
        auto* eingabe = f.Grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(eingabe);
        QTest::keyClick(eingabe, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(eingabe, QStringLiteral("FC Gitter"));
        QTest::keyClick(eingabe, Qt::Key_Return);
        QApplication::processEvents(); // die Übergabe kommt über die Ereignisschleife
        QCOMPARE(Q(f.editor.zelle(4, 1)), QStringLiteral("FC Gitter"));
        f.Grid->setCurrentCell(79, 0);
        f.neuerEintragKlick();
        QCOMPARE(f.Grid->rowCount(), 263);
        QCOMPARE(f.Grid->item(79, 0)->text(), QStringLiteral("80"));
        QCOMPARE(f.Status->text(), QStringLiteral("263 Mannschaften"));
        QApplication::clipboard()->setText(QStringLiteral("SV Neuzugang"));
        f.einfuegenKlick();
        QCOMPARE(f.Grid->item(79, 0)->text(), QStringLiteral("SV Neuzugang"));

        // Wechsel zu den Spielern: erst die Frage, "Ja" speichert.
        QtOberflaeche::vorgaben.push_back("Ja");
        QtOberflaeche::protokoll.clear();
        QTest::mouseClick(f.Spieler, Qt::LeftButton);
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:Speichern und vorhandene Datei überschreiben ?"));
        QVERIFY(Datei(daten + "Mansch.dat").contains("FC Gitter\r\n"));
        QVERIFY(Datei(daten + "Mansch.dat").contains("SV Neuzugang\r\n5\r\nD\r\n"));
        QCOMPARE(f.Titel->text(), QStringLiteral("Spieler"));
        QVERIFY(f.Spieler->font().bold() && !f.Mannschaften->font().bold());

        // Schließen mit Änderungen fragt; "Abbrechen" lässt offen, "Nein" verwirft.
        f.Grid->setCurrentCell(0, 0);
        f.Grid->item(0, 0)->setText(QStringLiteral("Zacharias"));
        QtOberflaeche::vorgaben.push_back("Abbrechen");
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        QtOberflaeche::vorgaben.push_back("Nein");
        QVERIFY(f.close());
        QCOMPARE(Datei(daten + "Spieler.dat"), Datei(QStringLiteral(TORVANE_QUELLEN "/daten/Spieler.dat")));
        QVERIFY(QtOberflaeche::vorgaben.empty());
    }

    // Mit der Maus Abgelehntes: die gesperrte Zelle wird nicht ausgewählt, ungültige Werte nennen
    // den Grund, und Zurückgenommenes gilt beim Listenwechsel nicht als Änderung.
    void abgelehnteEingaben()
    {
        TEditorF f;
        f.zeigen();
        QTest::mouseClick(f.Nationen, Qt::LeftButton);
        auto klick = [&f](int z, int s) {
            QTest::mouseClick(f.Grid->viewport(), Qt::LeftButton, {}, f.Grid->visualItemRect(f.Grid->item(z, s)).center());
            QApplication::processEvents();
        };
        klick(1, 2);
        klick(4, 1);
        QVERIFY(QtOberflaeche::imProtokoll("Dialog:Ändern verboten."));
        QCOMPARE(f.Grid->selectedItems(), QList<QTableWidgetItem*>{f.Grid->item(1, 2)});

        const struct {
            int spalte;
            const char* text;
            const char* grund;
        } falsch[] = {{2, "9999", "von -128 bis 127"}, {2, "abc", "von -128 bis 127"}, {0, "Nirgendwo und überall 26 Z", "max. 25 Zeichen"}};
        for (const auto& x : falsch) {
            klick(1, x.spalte);
            const QString alt = f.Grid->item(1, x.spalte)->text();
            f.Grid->item(1, x.spalte)->setText(QString::fromUtf8(x.text));
            QtOberflaeche::protokoll.clear();
            klick(3, 0);
            QVERIFY2(QtOberflaeche::imProtokoll(x.grund), x.text);
            QCOMPARE(f.Grid->item(1, x.spalte)->text(), alt);
        }
        QVERIFY(!f.editor.geaendert());
        QtOberflaeche::protokoll.clear();
        QTest::mouseClick(f.Mannschaften, Qt::LeftButton);
        QVERIFY(QtOberflaeche::protokoll.empty());
        QCOMPARE(f.Titel->text(), QStringLiteral("Mannschaften"));
    }

    // Die Testsaison: auf den ausgelieferten Daten ohne Befund mit Meistern, auf einem
    // kaputten Datenordner mit Namen des Problems und ohne Saison; nichts wird verändert.
    void testsaison()
    {
        TEditorF f;
        if (!QFileInfo(f.programm).fileName().startsWith(QStringLiteral("torvane")))
            QSKIP("Das Spielprogramm liegt nicht neben dem Test");
        f.zeigen();
        QTest::mouseClick(f.Mannschaften, Qt::LeftButton);
        f.Grid->setCurrentCell(0, 0);
        f.Grid->item(0, 0)->setText(QStringLiteral("FC Testlauf"));
        QTest::mouseClick(f.Testsaison, Qt::LeftButton);
        QVERIFY(f.BerichtF->isVisible());
        const QString b = f.Bericht->toPlainText();
        QVERIFY2(b.startsWith(QStringLiteral("Keine Probleme gefunden.\n\nMeister Bundesliga: ")), qPrintable(b));
        QVERIFY2(b.contains(QStringLiteral("Absteiger in die 2.Liga: ")), qPrintable(b));
        QVERIFY(f.isEnabled());
        QCOMPARE(Datei(daten + "Mansch.dat"), Datei(QStringLiteral(TORVANE_QUELLEN "/daten/Mansch.dat")));
        QVERIFY(f.editor.geaendert());
        QtOberflaeche::vorgaben.push_back("Nein");
        f.close();

        // Kaputte Spielpläne: die Prüfung nennt sie, gespielt wird nicht.
        QFile sptg(daten + "Sptg.dat");
        QVERIFY(sptg.open(QIODevice::WriteOnly));
        sptg.write("1\r\n19\r\n");
        sptg.close();
        TEditorF g;
        g.zeigen();
        QTest::mouseClick(g.Testsaison, Qt::LeftButton);
        QCOMPARE(g.Bericht->toPlainText(),
                 QStringLiteral("Probleme:\n- Der Lader weist die Datei ab: Sptg.dat, Zeile 2: Zahl außerhalb von 1 bis "
                                "18\n\nDie Saison wurde nicht gespielt.\n"));
        QCOMPARE(Datei(daten + "Sptg.dat"), QByteArray("1\r\n19\r\n"));
    }

    // Der Menüknopf "Editor" öffnet das Fenster; kein Unterknopf sagt mehr "Kommt bald" für ihn.
    void menueknopf()
    {
        FensterAnlegen();
        QVERIFY(MenuF->knopf(Menuepunkt::Editor)->isEnabled());
        QVERIFY(MenuF->knopf(Menuepunkt::Editor)->toolTip().isEmpty());
        MenuF->knopf(Menuepunkt::Editor)->click();
        QVERIFY(EditorF->isVisible());
        QVERIFY(EditorF->close());

        // Ein zweiter Klick mit ungespeicherten Änderungen holt den offenen Editor nach vorn und
        // behält sie; erst das Schließen fragt.
        MenuF->knopf(Menuepunkt::Editor)->click();
        QTest::mouseClick(EditorF->Mannschaften, Qt::LeftButton);
        EditorF->Grid->setCurrentCell(79, 0);
        EditorF->neuerEintragKlick();
        QVERIFY(EditorF->editor.geaendert());
        MenuF->knopf(Menuepunkt::Editor)->click();
        QVERIFY(EditorF->editor.geaendert());
        QCOMPARE(EditorF->Grid->rowCount(), 263);
        QtOberflaeche::vorgaben.push_back("Nein");
        QVERIFY(EditorF->close());
        QVERIFY(QtOberflaeche::vorgaben.empty());
    }

    // Die Hilfe fragt vor dem Verwerfen eines bearbeiteten Textes wie der Editor.
    void hilfeFragtVorDemVerwerfen()
    {
        FensterAnlegen();
        HilfeF->zeigen();
        const QString text = HilfeF->Memo1->toPlainText();
        QTest::keyClicks(HilfeF->Memo1, QStringLiteral("Neu"));
        HilfeF->zeigen(); // zweiter Klick: nur nach vorn
        QCOMPARE(HilfeF->Memo1->toPlainText(), QStringLiteral("Neu") + text);
        QtOberflaeche::vorgaben.push_back("Abbrechen");
        QVERIFY(!HilfeF->close());
        QVERIFY(HilfeF->isVisible());
        QtOberflaeche::vorgaben.push_back("Ja");
        QVERIFY(HilfeF->close());
        QVERIFY(Datei(daten + "Hilfe.dat").startsWith("Neu"));
        HilfeF->zeigen();
        QTest::keyClicks(HilfeF->Memo1, QStringLiteral("X"));
        QtOberflaeche::vorgaben.push_back("Nein");
        QVERIFY(HilfeF->close());
        QVERIFY(Datei(daten + "Hilfe.dat").startsWith("Neu"));

        // Was Windows-1252 nicht kennt, wird vor dem Speichern genannt; "Nein" schreibt nichts.
        HilfeF->zeigen();
        HilfeF->Memo1->insertPlainText(QStringLiteral("Łódź ✓ "));
        QtOberflaeche::vorgaben.push_back("Nein");
        QVERIFY(!HilfeF->speichern());
        QVERIFY(QtOberflaeche::imProtokoll(":\r\nŁ ź ✓\r\n"));
        QVERIFY(Datei(daten + "Hilfe.dat").startsWith("Neu"));
        QtOberflaeche::vorgaben.push_back("Ja");
        QVERIFY(HilfeF->speichern());
        QVERIFY(Datei(daten + "Hilfe.dat").startsWith("?\xF3" "d? ? Neu"));
        QVERIFY(HilfeF->close());
        QVERIFY(QtOberflaeche::vorgaben.empty());
    }

    // Die ausgelieferte Hilfe erklärt auch Ratgeber, Automatic, Zahlenrad, die Tasten und "Disk".
    void hilfeNenntDieBedienung()
    {
        DatenOrdnerSetzen(TORVANE_QUELLEN "/daten/");
        THilfeF h;
        h.laden();
        const QString t = h.Memo1->toPlainText();
        for (const char* wort : {"Ratgeber", "Automatic", "Zahlenrad", "F1", "Strg+S", "Strg+Q", "Escape",
                                 "\"Disk\" bis zum nächsten Programmstart"})
            QVERIFY2(t.contains(QString::fromUtf8(wort)), wort);
    }
};

QTEST_MAIN(EditorFensterTest)
#include "EditorFensterTest.moc"

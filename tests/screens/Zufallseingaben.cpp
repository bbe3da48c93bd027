// Zufallseingaben am echten Fenster: ausgehend von einem angespielten Spiel wählt jeder
// Schritt ein sichtbares, bedienbares Element irgendeines Fensters und bedient es wie ein
// Mensch (Klicks, Tippen, Tasten, Regler, Listen). Dialoge, Zahlenrad und Nachrichten werden
// dabei ebenso zufällig beantwortet. Nach jedem Schritt gelten die Invarianten des Spielstands,
// es gab keinen Laufzeitfehler, und die Ereignisschleife kam in der Frist zurück.
//
//   TORVANE_ZUFALL_SAAT=S TORVANE_ZUFALL_SCHRITTE=N  wiederholt einen Lauf genau (ohne Zeit hängt kein
//   Ablauf an der Uhr; auch das Malen ändert nichts am Lauf).
//   TORVANE_ZUFALL_SPRACHE=en  bedient die Fenster auf Englisch.
//   TORVANE_ZUFALL_MALEN=10  malt nur jeden zehnten Schritt: lange Läufe gehen gut doppelt so schnell.
//
// Fundstellen, mit Saat und Schritten zum Wiederholen:
//   105 / 2743  Trainingslager: eine Verletzung wird länger als zehn Wochen (die Invariante war zu eng)
//   100 / 2338  Startbildschirm: lange ohne Ausgang, bis auch Escape gedrückt wird (der Test)
//   101 / 2959  dasselbe
//     2 / 3     Schließen über den Rahmen kam an der Sperre vorbei: sendEvent nimmt die Herkunft (der Test)
//     3 / 993   Abschluss trotz offenem modalem Totoschein: QTest geht an der Modalität vorbei (der Test)
//     6 / 66    "Maximieren" buchte Runde für Runde, das Konto im Menü blieb beim alten Stand
#include "../flow/Invarianten.h"
#include "Bildschirmtest.h"
#include "core/Konto.h"
#include "core/Pfade.h"
#include "core/SpielstandDatei.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "finance/Bank.h"
#include "finance/Vermoegen.h"
#include "flow/Autoplay.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <thread>

using namespace torvane;

namespace {

uint64_t Umgebung(const char* name, uint64_t vorgabe)
{
    const char* e = std::getenv(name);
    if (!e || !*e) return vorgabe;
    return std::strtoull(e, nullptr, 10);
}

const uint64_t Saat = Umgebung("TORVANE_ZUFALL_SAAT", 24);
const uint64_t Schritte = Umgebung("TORVANE_ZUFALL_SCHRITTE", 1800);
// Die Sprache der Fenster ("de", "en").
const std::string Sprachwahl = [] {
    const char* e = std::getenv("TORVANE_ZUFALL_SPRACHE");
    return std::string(e && *e ? e : "de");
}();
// 1: jede Aktion ausgeben (zum Vergleich zweier Läufe).
const bool Mitschreiben = Umgebung("TORVANE_ZUFALL_PROTOKOLL", 0) != 0;
// Frist für einen Schritt samt allem, was er auslöst (ein ganzer Spieltag, eine Testsaison).
const int FristSekunden = static_cast<int>(Umgebung("TORVANE_ZUFALL_FRIST", 120));
// Für lange Läufe: gemalt wird nur in jedem n-ten Schritt, dann alle Fenster ganz
// (das Malen kostet sonst die meiste Zeit eines Schritts).
const uint64_t MalenJe = std::max<uint64_t>(1, Umgebung("TORVANE_ZUFALL_MALEN", 1));

// Tippt Zeichen für Zeichen; was kein ASCII ist, kommt als Text ohne Taste.
// Wie QTest über notify: sendEvent nähme den Ereignissen die Herkunft vom Benutzer.
void Tippen(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, c.toLatin1());
            continue;
        }
        for (const QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QSpontaneKeyEvent::setSpontaneous(&e);
            qApp->notify(w->focusWidget() ? w->focusWidget() : w, &e);
        }
    }
}

// Texte, wie sie jemand eintippen könnte: Zahlen, absurde Beträge, Namen mit Auszeichnung.
const char* const Texte[] = {"0", "1", "7", "42", "999", "100000", "2147483647", "99999999999", "-5", "abc",
                             "Müller", "<b>Fett</b>", "<img src=x>", "&amp;", "A&B", "%1 %2", "\\n", "'\"",
                             "Ödön Ärger", "                ", "Zwölf Boxkämpfer jagen Viktor",
                             "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", "../../x", "€€€"};

struct Zufall {
    std::mt19937_64 g;
    explicit Zufall(uint64_t s) : g(s) {}
    int bis(int n) { return n <= 1 ? 0 : static_cast<int>(g() % static_cast<uint64_t>(n)); }
    bool chance(int prozent) { return bis(100) < prozent; }
};

// Fenster in fester Reihenfolge: die Liste der Anwendung ist nach Adressen sortiert.
QString Schluessel(const QWidget* w)
{
    return QString::fromLatin1(w->metaObject()->className()) + u'|' + w->objectName() + u'|' + w->windowTitle();
}

bool Bedienbar(const QWidget* w) { return w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0; }

// Die bedienbaren Kinder von w, in der Reihenfolge von findChildren. Unter einem verborgenen
// oder gesperrten Element und unter einem eigenen Fenster ist keins mehr bedienbar: diese Äste
// bleiben ungelesen (das Suchen kostete sonst ein Viertel eines langen Laufs).
void BedienbareKinder(const QWidget* w, std::vector<QWidget*>& alle)
{
    for (QObject* o : w->children()) {
        if (!o->isWidgetType()) continue;
        auto* k = static_cast<QWidget*>(o);
        if (!k->isVisible() || !k->isEnabled() || k->isWindow()) continue;
        if (Bedienbar(k)) alle.push_back(k);
        BedienbareKinder(k, alle);
    }
}

// Alle bedienbaren Elemente unter den Fenstern, in fester Reihenfolge.
std::vector<QWidget*> Elemente(const std::vector<QWidget*>& fenster)
{
    std::vector<QWidget*> alle;
    for (QWidget* f : fenster) {
        if (!Bedienbar(f)) continue;
        alle.push_back(f);
        BedienbareKinder(f, alle);
    }
    // "Automatic" schließt Züge am Takt der Uhr: ein Lauf ließe sich nicht wiederholen.
    std::erase_if(alle, [](QWidget* w) { return LinkeF && w == LinkeF->Automatic; });
    return alle;
}

std::vector<QWidget*> Fenster()
{
    std::vector<QWidget*> f;
    // Tipps erscheinen nach der Uhr, nicht nach den Eingaben.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (Bedienbar(w) && w->windowType() != Qt::ToolTip) f.push_back(w);
    std::stable_sort(f.begin(), f.end(), [](QWidget* a, QWidget* b) { return Schluessel(a) < Schluessel(b); });
    return f;
}

// Was ein Mensch jetzt erreichen kann: ein offenes Aufklappfenster, sonst der oberste modale
// Dialog (QTest ginge an der Modalität vorbei), sonst alle Fenster.
std::vector<QWidget*> Erreichbar()
{
    if (QWidget* p = QApplication::activePopupWidget()) return Elemente({p});
    if (QWidget* m = QApplication::activeModalWidget()) return Elemente({m});
    return Elemente(Fenster());
}

class Lauf : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        return (e->type() == QEvent::UpdateRequest || e->type() == QEvent::Paint) && schritt % MalenJe != 0;
    }

    Zufall z{Saat};
    // Die Antworten in inneren Schleifen ziehen aus einem eigenen, je Schritt neu gesäten Strom:
    // wie oft eine Schleife läuft, hängt auch an Uhren des Spiels und soll die Schritte nicht verschieben.
    Zufall h{0};
    std::atomic<uint64_t> schritt{0};
    int helferAktionen = 0;
    std::vector<std::string> protokoll; // die letzten Aktionen, für die Fehlermeldung

    void merken(const std::string& s)
    {
        protokoll.push_back(std::to_string(schritt) + ": " + s);
        if (Mitschreiben) std::cout << protokoll.back() << "\n";
        if (protokoll.size() > 40) protokoll.erase(protokoll.begin());
    }

    // Eine Aktion auf w, wie sie ein Mensch tun könnte.
    void bedienen(QWidget* w, Zufall& z)
    {
        const QString name = Schluessel(w);
        const QRect r = w->rect();
        const QPoint p(z.bis(r.width()), z.bis(r.height()));
        const int art = z.bis(100);
        merken(U(name) + " art " + std::to_string(art));
        if (art < 4) {
            const Qt::Key tasten[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Up,
                                      Qt::Key_Down,   Qt::Key_F1,     Qt::Key_Delete};
            QTest::keyClick(w, tasten[z.bis(std::size(tasten))]);
        } else if (art < 6) {
            const std::pair<Qt::Key, Qt::KeyboardModifiers> kuerzel[] = {
                {Qt::Key_S, Qt::ControlModifier}, {Qt::Key_Q, Qt::ControlModifier}, {Qt::Key_W, Qt::ControlModifier},
                {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_Tab, Qt::ShiftModifier}, {Qt::Key_F4, Qt::AltModifier}};
            const auto& [t, m] = kuerzel[z.bis(std::size(kuerzel))];
            QTest::keyClick(w, t, m);
        } else if (art < 7) {
            // Schließen über den Fensterrahmen.
            QCloseEvent e;
            QSpontaneKeyEvent::setSpontaneous(&e);
            QWidget* f = w->window();
            QPointer<QWidget> halt(f);
            qApp->notify(f, &e);
            if (halt && e.isAccepted()) f->hide();
        } else if (auto* t = qobject_cast<QLineEdit*>(w); t && art < 60) {
            QTest::mouseClick(t, Qt::LeftButton, {}, p);
            if (z.chance(50)) QTest::keyClick(t, Qt::Key_A, Qt::ControlModifier);
            Tippen(t, QString::fromUtf8(Texte[z.bis(std::size(Texte))]));
            if (z.chance(40)) QTest::keyClick(t, Qt::Key_Return);
        } else if ((qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)) && art < 50) {
            Tippen(w, QString::fromUtf8(Texte[z.bis(std::size(Texte))]));
        } else if (auto* s = qobject_cast<QAbstractSpinBox*>(w); s && art < 60) {
            if (z.chance(50)) {
                QTest::keyClick(s, Qt::Key_A, Qt::ControlModifier);
                Tippen(s, QString::fromUtf8(Texte[z.bis(8)]));
                QTest::keyClick(s, Qt::Key_Return);
            } else {
                QTest::keyClick(s, z.chance(50) ? Qt::Key_Up : Qt::Key_PageDown);
            }
        } else if (auto* s = qobject_cast<QAbstractSlider*>(w); s && art < 60) {
            const Qt::Key tasten[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                                      Qt::Key_End};
            QTest::keyClick(s, tasten[z.bis(std::size(tasten))]);
        } else if (auto* c = qobject_cast<QComboBox*>(w); c && art < 50) {
            QTest::keyClick(c, z.chance(50) ? Qt::Key_Down : Qt::Key_Up);
            if (c->isEditable() && z.chance(30)) Tippen(c, QString::fromUtf8(Texte[z.bis(std::size(Texte))]));
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model() && art < 60) {
            const int zeilen = v->model()->rowCount(v->rootIndex());
            if (zeilen > 0) {
                const QModelIndex i = v->model()->index(z.bis(zeilen), 0, v->rootIndex());
                v->scrollTo(i);
                const QPoint mitte = v->visualRect(i).center();
                if (z.chance(30)) QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, mitte);
                else QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, mitte);
            }
        } else if (art < 75) {
            QTest::mouseClick(w, Qt::LeftButton, {}, p);
        } else if (art < 85) {
            QTest::mouseClick(w, Qt::RightButton, {}, p);
        } else if (art < 93) {
            QTest::mouseDClick(w, Qt::LeftButton, {}, p);
        } else {
            QWheelEvent rad(QPointF(p), QPointF(w->mapToGlobal(p)), QPoint(), QPoint(0, z.chance(50) ? 120 : -120),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&rad);
            qApp->notify(w, &rad);
        }
    }

    // Während ein Schritt in einer inneren Schleife hängt (Dialog, Zahlenrad, Warten):
    // meist das bedienen, worauf gewartet wird, manchmal irgendetwas anderes.
    void helfen()
    {
        QTimer::singleShot(0, this, [this] { helfen(); });
        if (helferAktionen > 5000) return;
        // Nur wer wartet, bekommt hier Antwort; alles andere ist der nächste Schritt.
        if (!QApplication::activePopupWidget() && !QApplication::activeModalWidget() && !WarteSperre::aktiv()) return;
        std::vector<QWidget*> elemente = Erreichbar();
        if (WarteSperre::aktiv() && !h.chance(10))
            std::erase_if(elemente, [](QWidget* w) { return !WarteSperre::nimmtEingaben(w); });
        // Lange in einem Dialog: nur noch Knöpfe, damit der Schritt ein Ende findet.
        if (++helferAktionen > 150 && h.chance(20)) {
            // Escape verlässt, was sich verlassen lässt (Startbildschirm, Zahlenrad, Listen).
            if (QWidget* m = QApplication::activeModalWidget()) {
                merken("Escape " + U(Schluessel(m)));
                QTest::keyClick(m, Qt::Key_Escape);
                return;
            }
        }
        if (helferAktionen > 150) {
            std::vector<QWidget*> knoepfe;
            for (QWidget* w : elemente)
                if (qobject_cast<QAbstractButton*>(w)) knoepfe.push_back(w);
            if (!knoepfe.empty()) {
                QWidget* k = knoepfe[static_cast<size_t>(h.bis(static_cast<int>(knoepfe.size())))];
                merken("Knopf " + U(Schluessel(k)) + " " + U(static_cast<QAbstractButton*>(k)->text()));
                QTest::mouseClick(k, Qt::LeftButton);
                return;
            }
        }
        if (elemente.empty()) return;
        bedienen(elemente[static_cast<size_t>(h.bis(static_cast<int>(elemente.size())))], h);
    }

    void fehlschlag(const std::string& was)
    {
        std::ostringstream s;
        s << "Zufallseingaben: " << was << "\n  Wiederholen mit TORVANE_ZUFALL_SAAT=" << Saat
          << " TORVANE_ZUFALL_SCHRITTE=" << schritt + 1 << "\n  Zuletzt:\n";
        for (const auto& p : protokoll) s << "    " << p << "\n";
        QFAIL(s.str().c_str());
    }
};

// Was die Fenster vom Manager am Zug zeigen, nach Fenster und Feld (Objektnamen): jedes offene
// Fenster mit einem dieser Felder muss den Stand zeigen, auch was ohne Klick gebucht wurde
// (Zugbeginn, Angebote, Ereignisse) oder in einem anderen Fenster. Das Vermögen rein gerechnet:
// BerechneVermoegen buchte die Abgabe.
struct Kennzahl {
    const char* fenster;
    const char* feld;
    QString (*soll)(const Manager_& mg, int m);
};
QString Euro(int64_t v) { return Q(GeldMitEuro(v)); }
const Kennzahl Kennzahlen[] = {
    {"MenuF", "P1", [](const Manager_& mg, int) { return Q(mg.Name.text()); }},
    {"MenuF", "P3", [](const Manager_&, int) { return Q(SaisonText()).trimmed(); }},
    {"MenuF", "P4", [](const Manager_& mg, int) { return QString::fromUtf8(LigaNamen.at(static_cast<size_t>(mg.Liga))); }},
    {"MenuF", "P5", [](const Manager_& mg, int) { return Q(Geldtext(mg.Kontostand)); }},
    {"InfoF", "Vermoegen", [](const Manager_&, int m) { return Euro(VermoegenWert(m)); }},
    {"InfoF", "Liquiditaet", [](const Manager_&, int m) { return Euro(VermoegenWert(m) / 2); }},
    {"InfoF", "Sparbuch", [](const Manager_& mg, int) { return Euro(mg.Sparbuch); }},
    {"InfoF", "Geldanlage", [](const Manager_& mg, int) { return Euro(mg.AnlageWert); }},
    {"BankF", "Sparbuch", [](const Manager_& mg, int) { return Euro(mg.Sparbuch); }},
    {"BankF", "Kredit", [](const Manager_& mg, int) { return Euro(mg.Kredit); }},
    {"BankF", "AktienAnzahl", [](const Manager_& mg, int) { return Tq("%1 Aktien").arg(mg.Aktien); }},
    {"AufstellF", "WertLabel", [](const Manager_& mg, int) { return Euro(mg.KaderWert); }},
    {"AufstellF", "GehaelterLabel", [](const Manager_& mg, int) { return Euro(mg.KaderGehalt); }},
};

// Hochgerollt (Tag, Spielende) zeichnet erst das Abrollen; vorher gilt kein Stand.
std::string AnzeigeAbweichung()
{
    if (!MenuF || !MenuF->isVisible() || !MenuF->AbschlussButton->isEnabled() || S.Neuanlage ||
        S.Spiel.ManagerHoch < 0 || S.AktManager > S.Spiel.ManagerHoch)
        return {};
    const int m = S.AktManager;
    const Manager_& mg = S.Manager[m];
    for (const Kennzahl& k : Kennzahlen) {
        const QString fenster = QString::fromLatin1(k.fenster);
        const QWidget* f = fenster == u"MenuF" ? MenuF : nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!f && w->objectName() == fenster) f = w;
        if (!f || !f->isVisible()) continue;
        const auto* l = f->findChild<const QLabel*>(QString::fromLatin1(k.feld));
        if (!l) return std::string(k.fenster) + " hat kein Feld " + k.feld;
        if (const QString soll = k.soll(mg, m); l->text() != soll)
            return U(fenster + u'.' + l->objectName() + " zeigt " + l->text() + " statt " + soll);
    }
    return {};
}

} // namespace

class Zufallseingaben : public Bildschirmtest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(umgebung());
        QVERIFY2(SpracheSetzen(Sprachwahl, Pfade.Sprachen), Sprachwahl.c_str());
        QtOberflaeche::nieZeigen = false;
        QtOberflaeche::festeSaat = static_cast<uint32_t>(Saat);
        // Auch der Editor schreibt nur in den Temp-Ordner.
        const QString daten = ordner.filePath(QStringLiteral("daten"));
        QDir().mkpath(daten);
        for (const QString& d : QDir(QStringLiteral(TORVANE_QUELLEN "/daten")).entryList(QDir::Files))
            QVERIFY(QFile::copy(QStringLiteral(TORVANE_QUELLEN "/daten/") + d, daten + u'/' + d));
        Pfade.Daten = U(daten) + "/";
        Pfade.Benutzer = U(ordner.filePath(QStringLiteral("benutzer")));

        // Ein angespieltes Spiel: zwei Manager, einige Tage vom Automaten gespielt.
        AutoplayOptionen o;
        o.manager = 2;
        o.saat = static_cast<uint32_t>(Saat);
        o.tage = 12;
        o.neustart = false;
        o.speichern = U(ordner.filePath(QStringLiteral("angespielt.lig")));
        std::ostringstream aus, fehler;
        QCOMPARE(Autoplay(o, aus, fehler), 0);
        OberflaecheSetzen(&ui);
        FensterAnlegen();
        QVERIFY(SpielstandDatei("load", o.speichern));
        SpielAnlegenNachLaden();
        MainF->show();
        MenueAnzeigen();
        LinkeF->show();
        MenuF->show();
        // Die Warnungen des Offscreen-Fensters ("raise()") würden die Ausgabe füllen.
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext&, const QString& m) {
            if (t >= QtCriticalMsg) std::cerr << U(m) << std::endl;
        });
        std::cout << "Zufallseingaben: Saat " << Saat << ", " << Schritte << " Schritte" << std::endl;
    }

    void schritte()
    {
        Lauf lauf;
        if (MalenJe > 1) qApp->installEventFilter(&lauf);
        lauf.helfen();
        // Hängt ein Schritt, endet der Lauf mit Saat und Schritt, statt still zu stehen.
        std::atomic<bool> fertig{false};
        std::thread waechter([&] {
            uint64_t zuletzt = ~0ULL;
            auto seit = std::chrono::steady_clock::now();
            while (!fertig) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const uint64_t jetzt = lauf.schritt;
                if (jetzt != zuletzt) {
                    zuletzt = jetzt;
                    seit = std::chrono::steady_clock::now();
                } else if (std::chrono::steady_clock::now() - seit > std::chrono::seconds(FristSekunden)) {
                    std::cerr << "Zufallseingaben: keine Antwort der Ereignisschleife seit " << FristSekunden
                              << " s\n  Wiederholen mit TORVANE_ZUFALL_SAAT=" << Saat
                              << " TORVANE_ZUFALL_SCHRITTE=" << jetzt + 1 << std::endl;
                    std::abort(); // QtTest zeigt dann die Stapel aller Threads

                }
            }
        });
        struct Ende {
            std::atomic<bool>& f;
            std::thread& t;
            ~Ende()
            {
                f = true;
                t.join();
            }
        } ende{fertig, waechter};

        // Beendet sich das Spiel, startet der Test es neu, statt selbst zu enden.
        bool beendet = false;
        MainF->stattBeenden = [&] { beendet = true; };
        struct Zurueck {
            ~Zurueck() { MainF->stattBeenden = nullptr; }
        } zurueck;
        Invarianten pruefer;
        for (lauf.schritt = 0; lauf.schritt < Schritte; ++lauf.schritt) {
            QtOberflaeche::festeSaat = static_cast<uint32_t>(lauf.z.g());
            QtOberflaeche::protokoll.clear();
            lauf.helferAktionen = 0;
            lauf.h.g.seed(Saat * 1000003ULL + lauf.schritt);
            if (MalenJe > 1 && lauf.schritt % MalenJe == 0)
                for (QWidget* f : Fenster()) f->repaint(); // holt auch die liegen gebliebenen Anfragen nach
            const std::vector<QWidget*> elemente = Erreichbar();
            if (!elemente.empty())
                lauf.bedienen(elemente[static_cast<size_t>(lauf.z.bis(static_cast<int>(elemente.size())))], lauf.z);
            QApplication::processEvents();
            if (beendet) {
                // Wie ein neuer Start des Programms: Vorspann, Startbildschirm, neues oder geladenes Spiel.
                // Endet auch das (Abbruch im Startbildschirm), endet das Programm wieder.
                do {
                    lauf.merken("Programm beendet, neu gestartet");
                    beendet = false;
                    for (QWidget* w : QApplication::topLevelWidgets())
                        if (w != MainF) w->hide();
                    lauf.helferAktionen = 0;
                    MainF->show();
                } while (!MainF->spielAnlegen() || beendet);
            } else if ((!MainF->isVisible() || MainF->versteckt()) && lauf.z.chance(20)) {
                // Versteckt (Strg+W) oder geschlossen: irgendwann holt man es zurück.
                lauf.merken("Strg+W");
                if (MainF->versteckt()) MainF->versteckenUmschalten();
                else MainF->show();
            }
            if (lauf.helferAktionen > 5000) {
                lauf.fehlschlag("der Schritt findet kein Ende (über 5000 Antworten)");
                return;
            }
            if (!SpielAnwendung::gefangen.empty()) {
                lauf.fehlschlag("Laufzeitfehler: " + SpielAnwendung::gefangen.front());
                return;
            }
            if (WarteSperre::aktiv()) {
                lauf.fehlschlag("die Sperre blieb nach dem Warten bestehen");
                return;
            }
            if (const std::string a = AnzeigeAbweichung(); !a.empty()) {
                lauf.fehlschlag("Anzeige veraltet: " + a);
                return;
            }
            pruefer.fehler.clear();
            pruefer.pruefen();
            if (!pruefer.fehler.empty()) {
                lauf.fehlschlag("Invariante verletzt: " + pruefer.fehler.front());
                return;
            }
        }
        std::cout << "Zufallseingaben: " << lauf.schritt << " Schritte ohne Befund (Saat " << Saat << ")" << std::endl;
    }
};

int main(int argc, char** argv)
{
    // Die Testsaison des Editors startet dieses Programm mit --autoplay.
    if (const int rc = AutoplayFallsVerlangt(argc, argv); rc >= 0) return rc;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lange Läufe dauern länger als die fünf Minuten von QtTest; Hänger fängt der Wächter.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) qputenv("QTEST_FUNCTION_TIMEOUT", "604800000");
    SpielAnwendung app(argc, argv);
    Zufallseingaben t;
    return QTest::qExec(&t, argc, argv);
}

#include "Zufallseingaben.moc"

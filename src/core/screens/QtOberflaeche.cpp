#include "core/screens/QtOberflaeche.h"

#include "core/Fehler.h"
#include "core/Pfade.h"
#include "core/Variablen.h"
#include "core/screens/MailFrm.h"
#include "core/screens/RechnerFrm.h"
#include "core/screens/Stil.h"

#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <map>

namespace torvane {

QString Q(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
std::string U(const QString& s) { return s.toUtf8().toStdString(); }
QString Tq(const char* deutsch) { return QString::fromUtf8(T(deutsch)); }
QString TCq(const char* kontext, const char* deutsch) { return QString::fromUtf8(TC(kontext, deutsch)); }
QString Zeilen(const std::string& utf8)
{
    QString t = Q(utf8);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// --- Orte ---
namespace {
QPointer<QWidget> gHaupt;
QPointer<QWidget> gSpieltag;
QPoint gStandardOrt;
bool gStandardOrtGesetzt = false;
} // namespace

QWidget* Hauptfenster() { return gHaupt; }
void HauptfensterSetzen(QWidget* w) { gHaupt = w; }
QWidget* Spieltagfenster() { return gSpieltag; }
void SpieltagfensterSetzen(QWidget* w) { gSpieltag = w; }
// Gemerkt relativ zum Hauptfenster: bewegt es sich (Rahmen, Maximieren, Strg+W), wandert der Ort mit.
void StandardOrtSetzen(QPoint global)
{
    gStandardOrt = gHaupt ? gHaupt->mapFromGlobal(global) : global;
    gStandardOrtGesetzt = true;
}
QPoint StandardOrt()
{
    const QPoint lokal = gStandardOrtGesetzt ? gStandardOrt : QPoint(0, 0);
    return gHaupt ? gHaupt->mapToGlobal(lokal) : lokal;
}
void AmStandardOrt(QWidget* w)
{
    const QPoint ort = StandardOrt();
    AufDenBildschirm(w, ort);
    w->show();
    // Erst sichtbar kennt das Fenster seinen Rahmen; sonst steht es um den Rahmen versetzt
    // oder ragt über den Bildschirmrand.
    AufDenBildschirm(w, ort);
    w->raise();
    w->activateWindow();
}

// --- Einstellungen für Tests ---
std::deque<std::string> QtOberflaeche::vorgaben;
bool QtOberflaeche::nieZeigen = false;
std::vector<std::string> QtOberflaeche::protokoll;
double QtOberflaeche::tempo = 1.0;
std::optional<uint32_t> QtOberflaeche::festeSaat;
bool QtOberflaeche::abkuerzen = false;
bool QtOberflaeche::dialogOrtGesetzt = false;
QPoint QtOberflaeche::dialogOrt;

bool QtOberflaeche::imProtokoll(const std::string& teil)
{
    for (const auto& z : protokoll)
        if (z.find(teil) != std::string::npos) return true;
    return false;
}

DialogOrt::DialogOrt(QPoint global)
    : vorherGesetzt_(QtOberflaeche::dialogOrtGesetzt), vorher_(QtOberflaeche::dialogOrt)
{
    QtOberflaeche::dialogOrtGesetzt = true;
    QtOberflaeche::dialogOrt = global;
}
DialogOrt::~DialogOrt()
{
    QtOberflaeche::dialogOrtGesetzt = vorherGesetzt_;
    QtOberflaeche::dialogOrt = vorher_;
}

// --- Die Sperre während des Wartens ---
namespace {

std::vector<WarteSperre::Art> gSperrStapel;
std::vector<QPointer<QAbstractButton>> gAbkuerzKnoepfe;
// Die laufenden Pausen (verschachtelt möglich); Abkürzen beendet sie alle.
std::vector<QEventLoop*> gPausen;

// Escape während einer Pause: der sichtbare Abkürzknopf, wo immer der Fokus gerade steht.
bool EscapeKuerztAb(const QEvent* e)
{
    if (e->type() != QEvent::KeyPress || static_cast<const QKeyEvent*>(e)->key() != Qt::Key_Escape) return false;
    if (gSperrStapel.empty() || gSperrStapel.back() != WarteSperre::Art::Pause) return false;
    for (const QPointer<QAbstractButton>& k : gAbkuerzKnoepfe)
        if (k && k->isVisible() && k->isEnabled()) {
            k->click();
            return true;
        }
    return false;
}

bool IstEingabe(const QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    // Schließt das Spiel selbst ein Fenster, kommt das an; nur der Rahmen des Fensters wird abgewiesen.
    case QEvent::Close: return e->spontaneous();
    default: return false;
    }
}

// Innerhalb heißt auch: ein Aufklappfenster (Liste eines Auswahlfelds) gehört zu seinem Besitzer.
bool Innerhalb(const QWidget* w, const QWidget* fenster)
{
    for (; w; w = w->parentWidget())
        if (w == fenster) return true;
    return false;
}

bool Freigegeben(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (w->property("torvaneImWarten").toBool()) return true;
    return false;
}

class Sperrfilter : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (EscapeKuerztAb(e)) return true;
        if (!IstEingabe(e) || WarteSperre::nimmtEingaben(o)) return false;
        // Ein abgewiesenes Tastenkürzel gilt als vom Fenster übernommen: dann feuert es nicht.
        if (e->type() == QEvent::ShortcutOverride) e->accept();
        else e->ignore();
        return true;
    }
};

Sperrfilter* gSperrfilter = nullptr;

} // namespace

WarteSperre::WarteSperre(Art art)
{
    if (gSperrStapel.empty() && qApp) {
        if (!gSperrfilter) gSperrfilter = new Sperrfilter;
        qApp->installEventFilter(gSperrfilter);
    }
    gSperrStapel.push_back(art);
}

WarteSperre::~WarteSperre()
{
    gSperrStapel.pop_back();
    if (gSperrStapel.empty() && qApp && gSperrfilter) qApp->removeEventFilter(gSperrfilter);
}

bool WarteSperre::aktiv() { return !gSperrStapel.empty(); }

bool WarteSperre::nimmtEingaben(const QObject* o)
{
    if (gSperrStapel.empty() || !o) return true;
    // Tastenkürzel und Aktionen gehören zu dem Element, an dem sie hängen.
    const QObject* k = o;
    while (k && !k->isWidgetType()) k = k->parent();
    // Ereignisse an die Fenster des Systems gehen weiter an die Elemente und werden dort geprüft.
    if (!k) return !o->inherits("QShortcut") && !o->inherits("QAction");
    const auto* w = static_cast<const QWidget*>(k);
    if (gSperrStapel.back() == Art::Dialog) return Innerhalb(w, QApplication::activeModalWidget());
    return Freigegeben(w);
}

void ImWartenBedienbar(QWidget* w) { w->setProperty("torvaneImWarten", true); }

void AbkuerzKnopf(QAbstractButton* knopf)
{
    ImWartenBedienbar(knopf);
    gAbkuerzKnoepfe.emplace_back(knopf);
}

void AbkuerzenBeginnen()
{
    QtOberflaeche::abkuerzen = true;
    for (QEventLoop* p : gPausen) p->quit();
}

void AbkuerzenAnbieten(QAbstractButton* knopf, bool ja)
{
    QtOberflaeche::abkuerzen = false;
    knopf->setVisible(ja);
}

namespace {

bool VorgabeNehmen(std::string& a)
{
    if (QtOberflaeche::vorgaben.empty()) return false;
    a = QtOberflaeche::vorgaben.front();
    QtOberflaeche::vorgaben.pop_front();
    return true;
}

} // namespace

QString KlangDatei(const QString& name)
{
    const QDir d(Q(Pfade.Musik));
    if (Pfade.Musik.empty() || !d.exists()) return {};
    const QString gesucht = name.toLower() + QStringLiteral(".wav");
    for (const QString& datei : d.entryList(QDir::Files))
        if (datei.toLower() == gesucht) return d.filePath(datei);
    return {};
}

namespace {

// --- Klänge ---
// Jede Wave-Datei wird beim ersten Abspielen geladen und dann behalten.
class Klangspieler {
public:
    static Klangspieler& ich()
    {
        static Klangspieler k;
        return k;
    }

    // Ohne Ausgabegerät bleibt das Spiel still und sagt nichts.
    bool stumm() const { return !geraet_; }

    // nullptr, wenn es die Datei nicht gibt.
    QSoundEffect* finde(const QString& name)
    {
        const QString datei = KlangDatei(name);
        if (datei.isEmpty()) return nullptr;
        QSoundEffect*& e = effekte_[datei];
        if (!e) {
            e = new QSoundEffect(qApp);
            e->setSource(QUrl::fromLocalFile(datei));
        }
        return e;
    }

private:
    Klangspieler() { geraet_ = !QMediaDevices::audioOutputs().isEmpty(); }

    bool geraet_ = false;
    std::map<QString, QSoundEffect*> effekte_;
};

// Längste Wartezeit für "bis zum Ende", damit ein hängendes Gerät das Spiel nicht anhält.
constexpr int KlangHoechstMs = 6000;

} // namespace

void QtOberflaeche::klang(const std::string& name, bool bisEnde)
{
    protokoll.push_back((bisEnde ? "KlangEnde:" : "Klang:") + name);
    Klangspieler& k = Klangspieler::ich();
    if (k.stumm() || abkuerzen) return;
    const QString n = Q(name);
    QSoundEffect* e = k.finde(n);
    if (!e) {
        // Eine fehlende Datei ist ein Fehler des Spiels, kein stummes Gerät: einmal melden.
        static std::vector<QString> gemeldet;
        if (std::find(gemeldet.begin(), gemeldet.end(), n.toLower()) == gemeldet.end()) {
            gemeldet.push_back(n.toLower());
            Meldung(DialogArt::Information, T("Sound defekt !"));
        }
        return;
    }
    if (e->status() == QSoundEffect::Error) return;
    e->stop();
    e->play();
    if (!bisEnde) return;
    const WarteSperre sperre;
    QElapsedTimer uhr;
    uhr.start();
    // Erst warten, bis er läuft (Laden ist asynchron), dann bis er verklungen ist.
    while (uhr.elapsed() < KlangHoechstMs) {
        if (abkuerzen) {
            e->stop();
            break;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (e->status() == QSoundEffect::Error) break;
        if (e->status() == QSoundEffect::Ready && !e->isPlaying() && uhr.elapsed() > 50) break;
        QThread::msleep(10);
    }
}

void QtOberflaeche::warte(int ms, bool still)
{
    if (abkuerzen) return;
    const int dauer = QtOberflaeche::dauer(ms);
    const WarteSperre sperre;
    if (dauer <= 0) {
        if (!still) QApplication::processEvents();
        return;
    }
    if (still) {
        QThread::msleep(static_cast<unsigned long>(dauer));
        return;
    }
    QEventLoop schleife;
    QTimer::singleShot(dauer, &schleife, &QEventLoop::quit);
    struct Eingetragen {
        explicit Eingetragen(QEventLoop* s) { gPausen.push_back(s); }
        ~Eingetragen() { gPausen.pop_back(); }
    } eingetragen(&schleife);
    schleife.exec();
}

int QtOberflaeche::zahleneingabe(int anfang, const std::string& frage, int x, int y)
{
    protokoll.push_back("Zahl:" + frage);
    abkuerzen = false;
    std::string a;
    if (VorgabeNehmen(a)) {
        bool ok = false;
        const int z = Q(a).toInt(&ok);
        return ok ? z : 0;
    }
    if (nieZeigen) {
        protokoll.push_back("Unbeantwortet:" + frage);
        return 0;
    }
    const WarteSperre sperre(WarteSperre::Art::Dialog);
    return TRechnerF::eingabe(anfang, Q(frage), x, y);
}

Befehlswert QtOberflaeche::nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x,
                                     int y, int bild)
{
    protokoll.push_back("Nachricht:" + kopf + "|" + text);
    if (art.typ != NachrichtArt::Auto) abkuerzen = false; // nur wer gefragt wird, soll es auch lesen
    std::string a;
    if (art.typ != NachrichtArt::Auto && VorgabeNehmen(a)) {
        // Eine Vorgabe, die kein Knopf ist, wirkt wie "Weiter": weder Ja noch Nein.
        if (a.empty()) return Befehlswert::Keiner;
        for (const Befehlswert b : {Befehlswert::Ja, Befehlswert::Nein})
            if (a == BefehlName(b)) return b;
        return Befehlswert::NachrichtWeiter;
    }
    if (nieZeigen) {
        if (art.typ == NachrichtArt::Auto) return Befehlswert::Keiner;
        if (art.typ != NachrichtArt::Ok) protokoll.push_back("Unbeantwortet:" + kopf);
        return art.typ == NachrichtArt::Jein ? Befehlswert::Nein : Befehlswert::NachrichtWeiter;
    }
    TMailF f(Hauptfenster());
    f.fuellen(Zeilen(kopf), Zeilen(text), art, bild);
    f.platzieren(x, y);
    const WarteSperre sperre(WarteSperre::Art::Dialog);
    return f.zeigen();
}

Antwort QtOberflaeche::dialog(DialogArt art, const std::string& text, Knoepfe knoepfe)
{
    protokoll.push_back("Dialog:" + text);
    abkuerzen = false;
    if (dialogVorgabe) return dialogVorgabe(art, text, knoepfe);
    std::string a;
    if (VorgabeNehmen(a)) {
        if (a == "Ja") return Antwort::Ja;
        if (a == "Nein") return Antwort::Nein;
        if (a == "Abbrechen") return Antwort::Abbrechen;
        return Antwort::Ok;
    }
    if (nieZeigen) {
        // Ohne Antwort die vorsichtigste Wahl: nichts bestätigen.
        if (knoepfe == Knoepfe::Ok) return Antwort::Ok;
        protokoll.push_back("Unbeantwortet:" + text);
        return knoepfe == Knoepfe::JaNein ? Antwort::Nein : Antwort::Abbrechen;
    }
    QMessageBox::StandardButtons k = QMessageBox::Ok;
    switch (knoepfe) {
    case Knoepfe::Ok: k = QMessageBox::Ok; break;
    case Knoepfe::JaNein: k = QMessageBox::Yes | QMessageBox::No; break;
    case Knoepfe::JaAbbrechen: k = QMessageBox::Yes | QMessageBox::Cancel; break;
    case Knoepfe::JaNeinAbbrechen: k = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case Knoepfe::OkAbbrechen: k = QMessageBox::Ok | QMessageBox::Cancel; break;
    }
    const QMessageBox::Icon icon = art == DialogArt::Warnung       ? QMessageBox::Warning
                                   : art == DialogArt::Fehler       ? QMessageBox::Critical
                                   : art == DialogArt::Bestaetigung ? QMessageBox::Question
                                                                    : QMessageBox::Information;
    QWidget* eltern = Hauptfenster() ? Hauptfenster() : hauptfenster;
    const QString titel = Q(MeldungsTitel::aktuell());
    QMessageBox box(icon, titel.isEmpty() ? QStringLiteral("Torvane") : titel, Zeilen(text), k, eltern);
    box.setTextFormat(Qt::PlainText); // Namen und Spielstände stehen wörtlich im Text
    const std::pair<QMessageBox::StandardButton, const char*> beschriftung[] = {{QMessageBox::Yes, N_("Ja")},
                                                                                {QMessageBox::No, N_("Nein")},
                                                                                {QMessageBox::Cancel, N_("Abbrechen")},
                                                                                {QMessageBox::Ok, N_("OK")}};
    for (const auto& [knopf, text] : beschriftung)
        if (QAbstractButton* b = box.button(knopf)) b->setText(Tq(text));
    if (dialogOrtGesetzt) {
        box.adjustSize();
        AufDenBildschirm(&box, dialogOrt);
    } else if (eltern && eltern->isVisible()) {
        box.adjustSize();
        MittigAuf(&box, FragendesFenster(&box));
    }
    const WarteSperre sperre(WarteSperre::Art::Dialog);
    switch (box.exec()) {
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    case QMessageBox::Cancel: return Antwort::Abbrechen;
    default: return Antwort::Ok;
    }
}

void QtOberflaeche::warteAufBefehl(Befehlswert erwartet)
{
    QEventLoop schleife;
    QTimer uhr;
    QObject::connect(&uhr, &QTimer::timeout, &schleife, [&] {
        if (S.Befehl == erwartet || QCoreApplication::closingDown()) schleife.quit();
    });
    uhr.start(dauer(20));
    const WarteSperre sperre;
    if (S.Befehl != erwartet) schleife.exec();
}

// --- Anwendung ---
std::vector<std::string> SpielAnwendung::gefangen;
SpielAnwendung::SpielAnwendung(int& argc, char** argv) : QApplication(argc, argv)
{
    TexteWoertlich();
    FokusZurueckgeben();
}

bool SpielAnwendung::notify(QObject* empfaenger, QEvent* e)
{
    try {
        return QApplication::notify(empfaenger, e);
    } catch (const Laufzeitfehler& f) {
        QtOberflaeche::abkuerzen = false;
        gefangen.emplace_back(f.what());
        FehlerMeldung(f.what());
    } catch (const std::exception& f) {
        QtOberflaeche::abkuerzen = false;
        gefangen.emplace_back(f.what());
        FehlerMeldung(Tf("Laufzeitfehler: %1", {f.what()}));
    }
    return false;
}

} // namespace torvane

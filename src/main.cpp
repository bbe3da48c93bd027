// Ein Programm: das Spielfenster, das Spiel ohne Bildschirm (--autoplay)
// oder die Bildschirmfotos.
#include "core/Datei.h"
#include "core/Pfade.h"
#include "core/SpielstandDatei.h"
#include "core/Sprache.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "flow/Autoplay.h"
#include "flow/Neuanlage.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/MainFrm.h"
#include "tools/screens/ProgrammInfoFrm.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <filesystem>
#include <string>

using namespace torvane;

namespace {

// Was auf der Befehlszeile stand; gelesen an genau einer Stelle.
struct Aufruf {
    bool hilfe = false;
    bool version = false;
    bool stumm = false;
    std::string screenshots; // Ordner, leer: keine Fotos
    std::string datei;       // Spielstand, der gleich geladen wird
    int zoom = 0;            // 0: die gespeicherte Einstellung
    std::string sprache;     // leer: die gespeicherte Einstellung, sonst die des Systems
    std::string fehler;      // unbekannter oder unvollständiger Schalter
};

// Schalter von Qt selbst, auf die ein Wert folgt (der kein Spielstand ist).
bool QtSchalterMitWert(const std::string& s)
{
    for (const char* q : {"-platform", "-platformtheme", "-platformpluginpath", "-plugin", "-style", "-stylesheet",
                          "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-display", "-geometry", "-session"})
        if (s == q) return true;
    return false;
}

Aufruf AufrufLesen(int argc, char** argv)
{
    Aufruf a;
    for (int i = 1; i < argc; ++i) {
        const std::string s = argv[i];
        if (s == "--help" || s == "-h") {
            a.hilfe = true;
        } else if (s == "--version") {
            a.version = true;
        } else if (s == "--stumm") {
            a.stumm = true;
        } else if (s == "--screenshots") {
            if (i + 1 >= argc) {
                a.fehler = T("--screenshots braucht einen Ordner");
                break;
            }
            a.screenshots = argv[++i];
        } else if (s == "--zoom") {
            a.zoom = i + 1 < argc ? std::atoi(argv[++i]) : 0;
            if (!ZoomErlaubt(a.zoom)) {
                a.fehler = T("--zoom braucht 100, 125, 150 oder 200");
                break;
            }
        } else if (s == "--sprache") {
            a.sprache = i + 1 < argc ? argv[++i] : "";
            if (!SpracheBekannt(a.sprache, Pfade.Sprachen, a.fehler)) break;
        } else if (QtSchalterMitWert(s)) {
            ++i;
        } else if (s.rfind("-", 0) == 0 && s.rfind("-platform", 0) != 0 && s.rfind("-style", 0) != 0) {
            a.fehler = Tf("Unbekannter Schalter: %1", {s});
            break;
        } else if (a.datei.empty()) {
            a.datei = s;
        } else {
            a.fehler = Tf("Nur ein Spielstand auf einmal: %1", {s});
            break;
        }
    }
    return a;
}

// Eine Zeile der Hilfe: links der Aufruf, ab Spalte 33 was er tut; weitere Zeilen der
// Beschreibung rücken gleich weit ein.
void HilfeZeile(const char* aufruf, const char* text)
{
    std::string z = std::string("  ") + T(aufruf);
    z.resize(std::max<size_t>(z.size() + 1, 32), ' ');
    for (const char* c = T(text); *c; ++c) z += *c == '\n' ? std::string("\n") + std::string(32, ' ') : std::string(1, *c);
    std::puts(z.c_str());
}

void HilfeZeigen()
{
    std::puts(T("Torvane - Die FußballManagerSimulation"));
    std::puts("");
    std::puts(T("Aufruf:"));
    HilfeZeile("torvane", N_("das Spiel im Fenster"));
    // Übersetzer: Großgeschriebene Wörter (DATEI, ORDNER, SAISONS) stehen für das, was man einsetzt.
    HilfeZeile(N_("torvane DATEI.lig"), N_("das Spiel mit diesem Spielstand"));
    HilfeZeile(N_("torvane --autoplay SAISONS"), N_("spielt ohne Bildschirm mit Computermanagern"));
    std::puts("");
    std::puts(T("Schalter:"));
    HilfeZeile("--stumm", N_("ohne Klänge"));
    HilfeZeile(N_("--screenshots ORDNER"), N_("jedes Fenster mit Beispieldaten als PNG ablegen"));
    HilfeZeile("--zoom 100|125|150|200", N_("Größe der Fenster in Prozent (sonst wie im Fenster \"Info\" eingestellt)"));
    HilfeZeile("--sprache de|en",
               N_("Sprache des Spiels (sonst wie im Fenster \"Info\" eingestellt oder die des Systems)"));
    HilfeZeile("--managers 1..4", N_("(mit --autoplay) Zahl der Manager"));
    HilfeZeile("--seed S", N_("(mit --autoplay) feste Saat, gleiches Spiel bei jedem Lauf"));
    HilfeZeile("--days N", N_("(mit --autoplay) nach genau N Wettbewerbstagen aufhören\n"
                              "(Liga-, Pokal- und Champions-League-Tage zählen je einen)"));
    HilfeZeile(N_("--load DATEI"), N_("(mit --autoplay) einen Spielstand laden"));
    HilfeZeile(N_("--save DATEI"), N_("(mit --autoplay) am Ende speichern"));
    HilfeZeile(N_("--daten ORDNER"), N_("(mit --autoplay) die Spielwelt aus ORDNER lesen"));
    HilfeZeile("--no-restart", N_("(mit --autoplay) kein neues Spiel, wenn alle pleite sind"));
    HilfeZeile("--passiv", N_("(mit --autoplay) die Manager schließen ihre Züge nur ab"));
    HilfeZeile("--stufe alt|neu|gemischt", N_("(mit --autoplay) wie der Computermanager spielt: neu auf Sieg,\n"
                                              "alt wie früher, gemischt beide im Wechsel in einer Welt"));
    HilfeZeile(N_("--bericht DATEI"), N_("(mit --autoplay) Bilanzbericht als HTML, daneben CSV"));
    HilfeZeile("--meldungen", N_("(mit --autoplay) die Meldungen des Spiels ausgeben"));
    HilfeZeile("--ereignis N", N_("(mit --autoplay, für Entwickler) Ereignis N gleich zu Beginn"));
    HilfeZeile("--version", N_("die Version"));
    HilfeZeile("--help", N_("diese Hilfe"));
}

void PfadeFestlegen()
{
    PfadeSetzen(U(QApplication::applicationDirPath()),
                U(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

int Bildschirmfotos(const std::string& ordner)
{
    const QStringList dateien = BildschirmfotosMachen(Q(ordner));
    for (const QString& d : dateien) std::printf("%s\n", d.toLocal8Bit().constData());
    if (dateien.isEmpty()) {
        std::fprintf(stderr, "%s\n", Tf("Keine Bilder geschrieben (%1)", {ordner}).c_str());
        return 1;
    }
    return 0;
}

// Ohne Bildschirm denkt sich Qt einen von 800 × 600 Pixeln, zu klein für den Spieltag. Für die
// Fotos einer, auf den das größte Fenster bei jedem Zoom passt, in Punkten immer gleich groß.
// Gibt die Datei zurück, die Qt beim Start liest.
QString GedachterBildschirm()
{
    const double faktor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QStringLiteral("offscreen")) return {};
    const QString datei =
        QDir::temp().filePath(QStringLiteral("torvane-bildschirm-%1.json").arg(QCoreApplication::applicationPid()));
    // Der Name im Temp-Ordner ist vorhersehbar: nie durch einen dort hingelegten Link schreiben.
    const QByteArray inhalt = QStringLiteral("{\"screens\": [{\"name\": \"Fotos\", \"x\": 0, \"y\": 0, \"width\": %1, "
                                             "\"height\": %2, \"logicalDpi\": 96, \"dpr\": 1}]}")
                                  .arg(qRound(GroesstesFenster.width() * faktor))
                                  .arg(qRound(GroesstesFenster.height() * faktor))
                                  .toUtf8();
    std::string grund;
    if (!DateiSicherErsetzen(QFile::encodeName(datei).toStdString(), inhalt.toStdString(), grund)) return {};
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(datei));
    return datei;
}

// Die freie Fläche des Bildschirms, bevor der Zoom feststeht: Qt kennt sie erst mit einer
// Anwendung, nimmt den Zoom aber nur bei ihrem Anlegen. Daher eine kurze Anwendung vorab,
// nur wenn mehr als 100 % verlangt sein kann.
QSize BildschirmMessen(const Aufruf& a, int argc, char** argv)
{
    if ((a.zoom == 0 ? ZoomGespeichert() : a.zoom) <= 100) return {};
    // Qt nimmt seine Schalter aus argv; die echte Anwendung braucht sie noch.
    std::vector<char*> kopie(argv, argv + argc + 1);
    int n = argc;
    const QGuiApplication vorab(n, kopie.data());
    return FreiInPixeln();
}

// Das Spiel im Fenster.
int FensterSpiel(SpielAnwendung& app, const std::string& datei)
{
    // Eine zweite Kopie mit demselben Save-Ordner wird abgewiesen (auch ein Lauf ohne Bildschirm,
    // der dorthin speichert). Die Sperre einer abgestürzten Kopie hat das System schon gelöst.
    // Lässt sich im Ordner nichts anlegen, kann auch niemand dort speichern: gespielt wird trotzdem.
    SaveOrdnerAnlegen();
    OrdnerSperre sperre;
    if (std::string grund; !sperre.nehmen(Pfade.Save, grund) && sperre.belegt()) {
        Meldung(DialogArt::Fehler, grund);
        return 1;
    }
    FensterAnlegen();
    // Ein Spielstand aus der Befehlszeile (Doppelklick im Dateimanager) ersetzt den
    // Startbildschirm; relativ zum Ordner, aus dem das Spiel gestartet wurde. Der Name bleibt
    // in den Bytes der Befehlszeile: ein Name, der kein UTF-8 ist, wird sonst unkenntlich.
    if (!datei.empty()) {
        std::error_code f;
        const std::filesystem::path p = std::filesystem::absolute(datei, f);
        MainF->startDatei = f ? datei : p.string();
    }
    MainF->show();
    // Das erste Zeigen des Hauptfensters legt das Spiel an.
    QTimer::singleShot(0, MainF, [] {
        if (!MainF->spielAnlegen()) MainF->beenden();
    });
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    // Ohne Bildschirm und ohne Qt-Anwendung.
    if (const int rc = AutoplayFallsVerlangt(argc, argv); rc >= 0) return rc;
    // Die Sprache steht vor dem ersten Text fest, auch dem der Befehlszeile.
    PfadeSetzen(ProgrammOrdnerAusSystem(argc > 0 ? argv[0] : nullptr), BenutzerOrdnerAusUmgebung());
    // Die Bildschirmfotos sind deutsch, wenn nichts anderes verlangt ist: dieselben Bilder auf jedem Rechner.
    std::string sprache = VerlangteSprache(argc, argv);
    for (int i = 1; i < argc && sprache.empty(); ++i)
        if (std::strcmp(argv[i], "--screenshots") == 0) sprache = "de";
    SpracheVorDemStartSetzen(sprache);
    const Aufruf aufruf = AufrufLesen(argc, argv);
    if (aufruf.hilfe) {
        HilfeZeigen();
        return 0;
    }
    if (aufruf.version) {
        std::printf("Torvane %s\n", ProgrammVersion);
        return 0;
    }
    if (!aufruf.fehler.empty()) {
        std::fprintf(stderr, "%s\n", aufruf.fehler.c_str());
        HilfeZeigen();
        return 2;
    }
    // Fotos gehen auch ohne Bildschirm.
    if (!aufruf.screenshots.empty() && std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Der Zoom muss vor der Anwendung feststehen; Qt vergrößert dann jedes Fenster.
    // Die Bilder für die Seite des Spiels entstehen in 100 %, wenn nichts anderes verlangt ist.
    ZoomVorDemStartSetzen(aufruf.zoom != 0 || aufruf.screenshots.empty() ? aufruf.zoom : 100,
                          aufruf.screenshots.empty() ? BildschirmMessen(aufruf, argc, argv) : QSize());
    const QString bildschirm = aufruf.screenshots.empty() ? QString() : GedachterBildschirm();
    SpielAnwendung app(argc, argv);
    if (!bildschirm.isEmpty()) QFile::remove(bildschirm);
    QApplication::setApplicationName(QStringLiteral("Torvane"));
    PfadeFestlegen();
    // Gesät wird erst nach den Grundwerten (im Spielaufbau): der Aktienkurs
    // des ersten Spiels kommt aus dem festen Anfangszustand des Zufalls.
    S.KlangAus = aufruf.stumm;

    QtOberflaeche ui;
    OberflaecheSetzen(&ui);
    const int rc = aufruf.screenshots.empty() ? FensterSpiel(app, aufruf.datei) : Bildschirmfotos(aufruf.screenshots);
    OberflaecheSetzen(nullptr);
    return rc;
}

#include "flow/screens/MainFrm.h"

#include "core/Oberflaeche.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "core/screens/Bilder.h"
#include "core/screens/DiskFrm.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Zierzufall.h"
#include "finance/screens/StadionWerbung.h"
#include "finance/screens/BankFrm.h"
#include "finance/screens/InfoFrm.h"
#include "finance/screens/StadionFrm.h"
#include "finance/screens/TototipFrm.h"
#include "finance/screens/WerbungFrm.h"
#include "match/screens/PokalspieleFrm.h"
#include "match/screens/TabelleFrm.h"
#include "records/screens/EwigenFrm.h"
#include "records/screens/LegendeFrm.h"
#include "records/screens/LigaStarkeFrm.h"
#include "records/screens/StatistikFrm.h"
#include "squad/screens/AufstellFrm.h"
#include "squad/screens/SpielsystemFrm.h"
#include "squad/screens/TrainingFrm.h"
#include "squad/screens/TrainingsLagerFrm.h"
#include "squad/screens/TransferFrm.h"
#include "tools/screens/EinstellFrm.h"
#include "finance/screens/TrainingBankFenster.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/LigawahlFrm.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MenuFrm.h"
#include "flow/screens/RatgeberFrm.h"
#include "flow/screens/StartFrm.h"
#include "flow/screens/VorStartFrm.h"
#include "match/screens/SpielenFrm.h"
#include "match/screens/SpieltagFenster.h"
#include "records/screens/RecordsFenster.h"
#include "season/screens/EndeFrm.h"
#include "squad/screens/KaderFenster.h"
#include "season/screens/PleiteFrm.h"
#include "tools/screens/EditorFrm.h"
#include "tools/screens/HilfeFrm.h"
#include "tools/screens/ProgrammInfoFrm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTime>
#include <QTimer>

#include <functional>
#include <utility>

namespace torvane {

TMainF* MainF = nullptr;

TMainF::TMainF(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("MainF"));
    setWindowTitle(QStringLiteral("Torvane"));
    setWindowIcon(QIcon(Bild(QStringLiteral("ball"), QSize(64, 64))));
    resize(800, 600);
    setMinimumSize(800, 600);
    setAutoFillBackground(true);
    farbeSetzen(Qt::black);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TMainF::uhrTakt);

    // Qt kennt keine systemweite Taste; Strg+W wirkt, solange das Spiel die Tastatur hat.
    auto* verstecken = new QShortcut(QKeySequence(QStringLiteral("Ctrl+W")), this);
    verstecken->setContext(Qt::ApplicationShortcut);
    connect(verstecken, &QShortcut::activated, this, &TMainF::versteckenUmschalten);

    // Enter schließt den Zug wie ein Klick auf die Abschlusstafel.
    for (const auto taste : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(taste), this);
        enter->setContext(Qt::WindowShortcut);
        connect(enter, &QShortcut::activated, this, [] {
            if (MenuF && MenuF->isVisible()) MenuF->abschlussFolgen();
        });
    }
}

void TMainF::farbeSetzen(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

void TMainF::anordnen()
{
    if (!LinkeF || !MenuF) return;
    const int breite = LinkeF->width() + MenuF->width();
    const int hoehe = qMax(LinkeF->height(), MenuF->vollHoehe + MenuF->Abschluss->height());
    const int x = qMax(0, (width() - breite) / 2);
    const int y = qMax(0, (height() - hoehe) / 2 + 11);
    LinkeF->move(x, y);
    MenuF->move(x + LinkeF->width(), y);
    StandardOrtSetzen(mapToGlobal(QPoint(x, y)));
}

void TMainF::uhrStarten() { Timer1->start(); }
void TMainF::uhrAnhalten() { Timer1->stop(); }

void TMainF::uhrTakt()
{
    if (LinkeF) LinkeF->uhrZeigen(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
}

void TMainF::versteckenUmschalten()
{
    if (!versteckt_ && isVisible() && !isMinimized()) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != this && w->isVisible() && !w->isModal()) w->hide();
        versteckt_ = true;
        // Verkleinert statt verborgen: so bleibt das Spiel in der Taskleiste erreichbar.
        showMinimized();
    } else {
        versteckt_ = false;
        showMaximized();
        if (LinkeF) LinkeF->show();
        if (MenuF) MenuF->show();
        activateWindow();
    }
}

void TMainF::changeEvent(QEvent* e)
{
    // Aus der Taskleiste zurückgeholt: wie ein zweites Strg+W.
    if (e->type() == QEvent::WindowStateChange && versteckt_ && !isMinimized()) {
        versteckt_ = false;
        if (LinkeF) LinkeF->show();
        if (MenuF) MenuF->show();
    }
    QWidget::changeEvent(e);
}

void TMainF::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton) farbeSetzen(Qt::black);
}

void TMainF::mouseDoubleClickEvent(QMouseEvent*)
{
    const int r = Zierzufall(0, 255);
    const int g = Zierzufall(0, 255);
    const int b = Zierzufall(0, 255);
    farbeSetzen(QColor(r, g, b));
}

void TMainF::closeEvent(QCloseEvent* e)
{
    if (endet_) {
        e->accept();
        return;
    }
    // Schließen heißt hier: der Abschiedsbildschirm fragt.
    e->ignore();
    if (EndeF) QTimer::singleShot(0, EndeF, &TEndeF::oeffnen);
}

void TMainF::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    anordnen();
}

void TMainF::beenden()
{
    if (stattBeenden) return stattBeenden();
    endet_ = true;
    Timer1->stop();
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

bool TMainF::spielAnlegen()
{
    // Splash, solange die Daten geladen werden.
    if (LinkeF) LinkeF->hide();
    if (MenuF) MenuF->hide();
    if (VorStartF) {
        if (QScreen* s = QGuiApplication::primaryScreen())
            VorStartF->move(s->geometry().center() - QPoint(VorStartF->width() / 2, VorStartF->height() / 2));
        VorStartF->show();
        VorStartF->raise();
        Warte(2000);
    }
    const bool daten = SpielAnlegenBeginnen();
    if (VorStartF) VorStartF->hide();
    if (!daten) return false;
    ZufallSetzen(QtOberflaeche::festeSaat ? *QtOberflaeche::festeSaat
                                          : static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));

    farbeSetzen(Qt::black);
    showMaximized();
    // Nur beim ersten Mal; misslingt es, kommt der Startbildschirm.
    const bool vonDatei =
        !startDatei.empty() && DateiLaden(std::exchange(startDatei, {})) == DiskFolge::MenueNeuUndSchliessen;
    if (!vonDatei && StartF && !StartF->ausfuehren()) return false;

    if (vonDatei || (StartF && StartF->geladen)) SpielAnlegenNachLaden();
    else SpielAnlegenAbschliessen();
    anordnen();
    MenueAnzeigen();
    if (LinkeF) LinkeF->show();
    if (MenuF) {
        MenuF->show();
        MenuF->abschlussFokussieren();
    }
    return true;
}

void ManagerAnzeigenAuffrischen()
{
    if (LinkeF) LinkeF->automatikZeigen();
    // Die Fenster mit dem Stand eines Managers und wie sie sich neu zeichnen. Beim Öffnen zeichnet
    // jedes sich selbst; offen geblieben (Laden, Einstellungen, Automatik) zeichnet es hier neu.
    const std::pair<QWidget*, std::function<void()>> fenster[] = {
        {AufstellF, [] { AufstellF->zeichnen(); }},
        {SpielsystemF, [] { SpielsystemF->zeichnen(); }},
        {TrainingF, [] { TrainingF->zeichnen(); }},
        {TrainingsLagerF, [] { TrainingsLagerF->zeichnen(); }},
        {TransferF, [] { TransferF->zeichnen(); }},
        {InfoF, [] { InfoF->fuellen(); }},
        {BankF, [] { BankF->zeichnen(); }},
        {StadionF, [] { StadionF->auffrischen(); }},
        {WerbungF, [] { WerbungF->auffrischen(); }},
        {TototipF, [] { TototipF->zeigen(); }},
        {StatistikF, [] { StatistikF->zeichnen(); }},
        {LigaStarkeF, [] { LigaStarkeF->zeigen(); }},
        {LegendeF, [] { LegendeF->fuellen(); }},
        {EwigenF, [] { EwigenF->fuellen(); }},
        // Die Tabelle nach einem Spieltag wartet noch auf "Weiter": die bleibt, wie sie ist.
        {TabelleF, [] { if (!TabelleF->Weiter->isVisible()) TabelleF->zeichnen(TabelleF->liga()); }},
        {PokalspieleF, [] { PokalspieleF->zeichnen(); }},
        {EinstellF, [] { EinstellF->zeigen(); }},
    };
    for (const auto& [w, zeichnen] : fenster)
        if (w && w->isVisible()) zeichnen();
}

void FensterSchliessen()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == MainF || w == Spieltagfenster() || !w->isVisible()) continue;
        // Ein gerade laufender modaler Dialog schließt sich selbst.
        if (w->isModal() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip) continue;
        w->close();
    }
    const WarteSperre sperre; // ein zweiter Klick auf den Abschluss kommt hier nicht dazwischen
    QApplication::processEvents();
}

namespace {

// Was der Zugablauf am Menü zeigt.
class QtMenueanzeige : public Menueanzeige {
public:
    void fensterSchliessen() override { FensterSchliessen(); }
    void menueZeigen() override
    {
        hochgerollt_ = false; // ein neuer oder geladener Stand ist ganz
        if (MainF) MainF->uhrStarten();
        if (MenuF) MenuF->menueZeichnen();
        ManagerAnzeigenAuffrischen();
    }
    void spielstandGeaendert() override
    {
        // Ohne Spiel (oder während der Tag den Manager weiterreicht) gibt es nichts zu zeigen; hochgerollt
        // baut der Abschluss den Stand um (Tag, Saisonende), das Abrollen zeichnet ihn dann neu.
        if (S.Neuanlage || hochgerollt_ || S.Spiel.ManagerHoch < 0 || S.AktManager > S.Spiel.ManagerHoch) return;
        // Auch eine Meldung mitten in einer Regel zeichnet neu: steht der Manager gerade auf keinem
        // Verein (Testsaison des Editors, Umbau), bleibt das Menü, wie es ist.
        const Manager_& mg = S.Manager[S.AktManager];
        if (mg.Liga < 1 || mg.Liga > 4 || mg.Platz < 1 || mg.Platz > 18 || !LigaHatVereine(mg.Liga)) return;
        if (MenuF) MenuF->menueZeichnen();
        // Die Stärken hängen am Einsatz; die Grafik nicht: ihr Zeichnen rechnet das Vermögen neu.
        if (LigaStarkeF && LigaStarkeF->isVisible()) LigaStarkeF->auffrischen();
        // Der offene Ratgeber rät aus dem neuen Stand.
        if (RatgeberF && RatgeberF->isVisible()) RatgeberF->fuellen();
    }
    void aufrollen() override
    {
        hochgerollt_ = true;
        if (MainF) MainF->uhrAnhalten();
        if (LinkeF) LinkeF->setEnabled(false);
        if (MenuF) {
            MenuF->bedienungFreigeben(false);
            MenuF->hochrollen();
        }
    }
    void abrollen() override
    {
        hochgerollt_ = false;
        if (MenuF) {
            MenuF->runterrollen();
            MenuF->bedienungFreigeben(true);
        }
        if (MainF) MainF->uhrStarten();
    }
    void seitenleisteFreigeben() override
    {
        if (LinkeF) LinkeF->setEnabled(true);
    }
    void tagBeginnt() override
    {
        if (LinkeF) LinkeF->hide();
        if (MenuF) MenuF->hide();
    }
    void tagEndet() override
    {
        if (MainF && MainF->isVisible() && !MainF->versteckt()) {
            if (LinkeF) LinkeF->show();
            if (MenuF) MenuF->show();
        }
    }
    void spielfreiZeigen(const std::string& name) override
    {
        if (MenuF) MenuF->spielfreiZeigen(Q(name));
    }
    void spielfreiVerbergen() override
    {
        if (MenuF) MenuF->spielfreiVerbergen();
    }
    void abschlussFokus() override
    {
        if (MenuF) MenuF->abschlussFokussieren();
    }

    bool hochgerollt() const { return hochgerollt_; }

private:
    bool hochgerollt_ = false;
};

QtMenueanzeige gQtMenue;

} // namespace

void MenueAnzeigeVerbinden() { MenueAnzeigeSetzen(&gQtMenue); }

bool MenueHochgerollt() { return gQtMenue.hochgerollt(); }

void FensterAnlegen()
{
    MainF = new TMainF;
    HauptfensterSetzen(MainF);
    LinkeF = new TLinkeF(MainF);
    MenuF = new TMenuF(MainF);
    LinkeF->hide();
    MenuF->hide();
    VorStartF = new TVorStartF;
    StartF = new TStartF(MainF);
    LigawahlF = new TLigawahlF(MainF);
    DiskF = new TDiskF(MainF);
    PleiteF = new TPleiteF(MainF);
    EndeF = new TEndeF(MainF);
    HilfeF = new THilfeF(MainF);
    ProgrammInfoF = new TProgrammInfoF(MainF);

    MenueAnzeigeVerbinden();
    PleiteAnzeigeVerbinden();
    LigawahlDialog = [] { return LigawahlF->waehlen(); };

    MenuF->abschluss = [] {
        try {
            // Auch nach dem Klick eines Menschen: der Zugbeginn eines Managers auf Automatik wartet auf niemanden.
            const Vertretung vertretung = LinkeF->vertreten();
            AbschlussClick();
        } catch (...) {
            // Ein Laufzeitfehler mitten im Tag: Spieltag zu, Menü wieder bedienbar;
            // die Meldung zeigt danach die Ereignisgrenze.
            if (SpielenF) SpielenF->hide();
            gQtMenue.tagEndet();
            gQtMenue.abrollen();
            gQtMenue.seitenleisteFreigeben();
            MenueAnzeigen();
            throw;
        }
    };
    MenuF->diskOeffnen = [] { DiskF->zeigen(); };
    MenuF->hilfeOeffnen = [] { HilfeF->zeigen(); };
    MenuF->infoOeffnen = [] { ProgrammInfoF->oeffnen(); };
    MenuF->tschuessOeffnen = [] { EndeF->oeffnen(); };
    DiskF->nachLaden = [] { MenueAnzeigen(); };
    DiskF->nachLadesperre = [] { MenuF->Disk->setVisible(false); };
    // Spieltag, Tabelle, Spieltage, Pokalspiele und Saisonende (hängt sich selbst ans Menü).
    SpieltagsfensterAnlegen(MainF);
    StadionWerbungFensterAnlegen(MainF);
    RecordsFensterAnlegen(MainF);
    KaderFensterAnlegen(MainF);
    TrainingBankFensterAnlegen(MainF);
    EditorFensterAnlegen(MainF);
    RatgeberFensterAnlegen(MainF);
    MenuF->oeffnerSetzen(Menuepunkt::NeuerSpieler, [] {
        if (NeuerSpielerKlick()) MenueAnzeigen();
    });
    MenuF->oeffnerSetzen(Menuepunkt::NeuesSpiel, [] {
        if (NeuesSpielKlick() && !MainF->spielAnlegen()) MainF->beenden();
    });
}

} // namespace torvane

#include "flow/screens/Bildschirmfotos.h"

#include "core/Funky.h"
#include "core/Oberflaeche.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/screens/Bilder.h"
#include "core/screens/DiskFrm.h"
#include "core/screens/MailFrm.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/RechnerFrm.h"
#include "core/screens/Stil.h"
#include "finance/screens/StadionWerbung.h"
#include "finance/screens/TrainingBankFenster.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/LigawahlFrm.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "flow/screens/StartFrm.h"
#include "flow/screens/VorStartFrm.h"
#include "match/screens/SpieltagFenster.h"
#include "records/screens/RecordsFenster.h"
#include "season/screens/EndeFrm.h"
#include "season/screens/EreignisFotos.h"
#include "season/screens/PleiteFrm.h"
#include "squad/screens/KaderFenster.h"
#include "tools/screens/EditorFrm.h"
#include "tools/screens/HilfeFrm.h"
#include "tools/screens/ProgrammInfoFrm.h"

#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include <utility>

namespace torvane {

bool BeispielSpielAnlegen()
{
    ZufallSetzen(4711);
    return NeuesSpielOhneBildschirm({{"Quirin", "SV Kickersdorf"}, {"Berta", "FC Fallera"}});
}

bool Foto(QWidget* w, const QString& ordner, const QString& name, QStringList& fertig)
{
    QApplication::processEvents();
    const QString datei = QDir(ordner).filePath(name + QStringLiteral(".png"));
    if (!w->grab().save(datei)) return false;
    fertig << datei;
    return true;
}

FotoRuhe::FotoRuhe() : nieZeigen_(QtOberflaeche::nieZeigen), tempo_(QtOberflaeche::tempo)
{
    QtOberflaeche::nieZeigen = true;
    QtOberflaeche::tempo = 0.0;
}

FotoRuhe::~FotoRuhe()
{
    QtOberflaeche::nieZeigen = nieZeigen_;
    QtOberflaeche::tempo = tempo_;
}

namespace {

// Alle Spielbilder auf einem Bogen, mit Namen darunter.
QPixmap Bilderbogen()
{
    const QStringList namen = BildNamen();
    const int spalten = 8;
    const int zeilen = (static_cast<int>(namen.size()) + spalten - 1) / spalten;
    QPixmap bogen = Malgrund(QSize(spalten * 110, zeilen * 126));
    bogen.fill(Farbe::Creme);
    QPainter p(&bogen);
    p.setFont(Schrift(8));
    for (int i = 0; i < namen.size(); ++i) {
        const int x = (i % spalten) * 110 + 5;
        const int y = (i / spalten) * 126 + 5;
        p.drawPixmap(x, y, Bild(namen[i], QSize(100, 100)));
        p.drawText(QRect(x, y + 102, 100, 16), Qt::AlignCenter, namen[i]);
    }
    return bogen;
}

} // namespace

QStringList BildschirmfotosMachen(const QString& ordner)
{
    QStringList fertig;
    if (!QDir().mkpath(ordner)) return fertig;
    QtOberflaeche::nieZeigen = true;
    QtOberflaeche::tempo = 0.0;
    if (!MainF) FensterAnlegen();

    // Ohne Grunddaten zeigen die Fenster eben leere Felder.
    const bool spiel = BeispielSpielAnlegen();

    {
        QPixmap b = Bilderbogen();
        const QString datei = QDir(ordner).filePath(QStringLiteral("bilder.png"));
        if (b.save(datei)) fertig << datei;
    }

    VorStartF->show();
    Foto(VorStartF, ordner, QStringLiteral("01_systemcheck"), fertig);
    VorStartF->hide();

    // Startbildschirm nach dem Vorspann, dann mit zwei eingetragenen Managern.
    StartF->show();
    StartF->Kopf->move(0, 10);
    StartF->Untertitel->setText(QStringLiteral("Eine FußballManagerSimulation *"));
    StartF->Version->setText(QStringLiteral("V ") + QString::fromUtf8(ProgrammVersion));
    StartF->Bild1->setVisible(true);
    StartF->StartKnopf->setVisible(true);
    StartF->SpielLaden->setVisible(true);
    Foto(StartF, ordner, QStringLiteral("02_start"), fertig);
    if (spiel) {
        // Die Ladeliste mit zwei Spielständen aus einem eigenen Ordner.
        const QTemporaryDir saves;
        const std::string save = std::exchange(Pfade.Save, U(saves.path()) + "/");
        for (const char* n : {"Quirin mit SV Kickersdorf", "Saison 2"}) SpielstandDatei("save", SpielstandPfad(n));
        StartF->ladelisteZeigen();
        Foto(StartF, ordner, QStringLiteral("start_laden"), fertig);
        StartF->ladelisteSchliessen();
        Pfade.Save = save;
        const int mh = S.Spiel.ManagerHoch;
        StartF->startKlick();
        StartF->aktivierenKlick();
        StartF->NameFeld->setText(QStringLiteral("Berta"));
        StartF->VereinFeld->setEditText(QStringLiteral("FC Fallera"));
        StartF->Fortschritt->setText(QStringLiteral("Initzialisiere .."));
        Foto(StartF, ordner, QStringLiteral("03_start_eingabe"), fertig);
        S.Spiel.ManagerHoch = mh;
        // Der Startbildschirm hat die Slots neu beschrieben: das Beispielspiel frisch anlegen.
        BeispielSpielAnlegen();
    }
    StartF->hide();

    // Hauptfenster mit Seitenleiste und Menü.
    MainF->resize(800, 600);
    MainF->show();
    MainF->anordnen();
    if (spiel) MenueAnzeigen();
    LinkeF->uhrZeigen(QStringLiteral("20:15:00"));
    LinkeF->show();
    MenuF->show();
    MenuF->hauptKlick(0);
    Foto(MainF, ordner, QStringLiteral("04_hauptfenster"), fertig);
    MenuF->hauptKlick(1);
    Foto(MenuF, ordner, QStringLiteral("05_menu_information"), fertig);
    MenuF->hauptKlick(2);
    if (spiel) {
        S.Manager[S.AktManager].Einsatz = 40;
        S.Manager[S.AktManager].Kontostand = -123456;
        MenuF->menueAnzeigen();
    }
    Foto(MenuF, ordner, QStringLiteral("06_menu_finanzen"), fertig);
    MenuF->hauptKlick(3);
    if (spiel) {
        S.Manager[S.AktManager].Einsatz = -70;
        S.Spiel.Spieltag = 33;
        MenuF->menueAnzeigen();
    }
    Foto(MenuF, ordner, QStringLiteral("07_menu_sonstiges"), fertig);
    MenuF->spielfreiZeigen(QStringLiteral("Berta"));
    Foto(MenuF, ordner, QStringLiteral("08_menu_spielfrei"), fertig);
    if (spiel) {
        // Getippte Namen erscheinen wörtlich, nie als HTML.
        const Manager_ vorher = S.Manager[S.AktManager];
        S.Manager[S.AktManager].Name = "<u>Jörg</u>&€";
        S.Manager[S.AktManager].Vereinsname = "<i>FC</i> &amp; Co";
        MenuF->menueAnzeigen();
        MenuF->spielfreiZeigen(Q(S.Manager[S.AktManager].Name.text()));
        Foto(MenuF, ordner, QStringLiteral("menu_name_roh"), fertig);
        S.Manager[S.AktManager] = vorher;
        MenuF->menueAnzeigen();
    }
    MenuF->spielfreiVerbergen();
    Foto(LinkeF, ordner, QStringLiteral("09_seitenleiste"), fertig);

    // Nachrichtenfenster in allen Arten.
    struct Art {
        const char* datei;
        const char* art;
        int bild;
        const char* kopf;
        const char* text;
    };
    const Art arten[] = {
        {"10_nachricht_ok", "OK", 1, "Neues vom Training, Quirin",
         "\r\nHeinz Beispiel\r\n\r\nDer Spieler hat eine Prellung\r\n und fällt damit 5 Wochen aus."},
        {"11_nachricht_jein", "JEIN", 6, "Quirin", "\r\n\r\nMöchten Sie 1.000 Aktien für 987.000 € kaufen ?"},
        {"12_nachricht_alles", "ALLES", 5, "Pokalauslosung", "\r\nWollen Sie die Spiele sehen ?"},
        {"13_nachricht_auto", "Auto1500", 4, "Beispielspiel", "\r\n\r\nA U T O S P E I C H E N"},
        {"14_nachricht_trainer", "OK", 107, "Opa Horst",
         "Der Vertrag ist zu Ende und steht dem Verein als Trainer nicht mehr zu Verfügung"},
    };
    for (const Art& a : arten) {
        TMailF f(MainF);
        f.fuellen(QString::fromUtf8(a.kopf), Zeilen(a.text), NachrichtArtLesen(a.art), a.bild);
        f.show();
        Foto(&f, ordner, QString::fromUtf8(a.datei), fertig);
    }

    {
        TRechnerF r(MainF);
        r.vorbereiten(1234500, QStringLiteral("Wie viele Sitzplätze ?"));
        r.show();
        r.raeder[6]->zifferSetzen(7);
        QEnterEvent rein(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(r.raeder[6], &rein);
        Foto(&r, ordner, QStringLiteral("15_zahleneingabe"), fertig);
    }

    LigawahlF->show();
    Foto(LigawahlF, ordner, QStringLiteral("16_ligawahl"), fertig);
    LigawahlF->hide();

    DiskF->zeigen();
    Foto(DiskF, ordner, QStringLiteral("17_disk"), fertig);
    DiskF->hide();

    PleiteF->zeigen(QStringLiteral("Quirin hat´s geschafft"));
    Foto(PleiteF, ordner, QStringLiteral("18_pleite"), fertig);
    PleiteF->hide();

    EndeF->show();
    Foto(EndeF, ordner, QStringLiteral("19_ende"), fertig);
    EndeF->hide();

    HilfeF->zeigen();
    Foto(HilfeF, ordner, QStringLiteral("20_hilfe"), fertig);
    HilfeF->hide();

    ProgrammInfoF->show();
    Foto(ProgrammInfoF, ordner, QStringLiteral("21_info"), fertig);
    ProgrammInfoF->hide();

    MainF->hide();
    // Die Fenster des Spieltags und des Saisonendes (mit eigenem Beispielspiel).
    fertig << SpieltagsBildschirmfotos(ordner);
    fertig << StadionWerbungBildschirmfotos(ordner);
    fertig << RecordsBildschirmfotos(ordner);
    fertig << KaderBildschirmfotos(ordner);
    fertig << TrainingBankBildschirmfotos(ordner);
    fertig << EreignisBildschirmfotos(ordner);
    fertig << EditorBildschirmfotos(ordner);
    return fertig;
}

} // namespace torvane

#include "flow/screens/StartFrm.h"

#include "core/Oberflaeche.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/Neuanlage.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace torvane {

TStartF* StartF = nullptr;

namespace {
constexpr int Breite = 560;
constexpr int Hoehe = 440;
} // namespace

TStartF::TStartF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("StartF"), Tq("Wer soll Spielen ?"));
    setFixedSize(Breite, Hoehe);
    ImWartenBedienbar(this); // der Doppelklick fragt auch während des Vorspanns

    Kopf = new QWidget(this);
    Kopf->setGeometry(0, 210, Breite, 100);
    Titel = Schild(Kopf, QStringLiteral("Titel"), QRect(0, 0, Breite, 56), Schrift(34, true));
    Titel->setText(QStringLiteral("Torvane"));
    Titel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen)));
    Untertitel = Schild(Kopf, QStringLiteral("Untertitel"), QRect(0, 56, Breite, 24), Schrift(12, true));
    Untertitel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));
    Version = Schild(Kopf, QStringLiteral("Version"), QRect(0, 80, Breite, 18), Schrift(9));

    Bild1 = Element<QLabel>(this, QStringLiteral("Bild1"), QRect(20, 112, 220, 220));
    Bild1->setPixmap(Bild(QStringLiteral("start"), Bild1->size()));
    Bild1->setVisible(false);

    StartKnopf =
        Knopf(this, Tq("Start"), QStringLiteral("StartKnopf"), QRect(Breite / 2 + 60, 220, 160, 48));
    StartKnopf->setFont(Schrift(16, true));
    StartKnopf->setVisible(false);
    connect(StartKnopf, &QPushButton::clicked, this, &TStartF::startKlick);

    // Knöpfe ohne Enter-Automatik: Enter gehört "Weiter" und "Laden" (unten).
    auto knopf = [this](const QString& text, const QString& name, QWidget* eltern, QRect ort, void (TStartF::*klick)()) {
        auto* b = Knopf(eltern, text, name, ort);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, klick);
        return b;
    };
    SpielLaden = knopf(Tq("Spiel laden"), QStringLiteral("SpielLaden"), this,
                       QRect(Breite / 2 + 60, 278, 160, 30), &TStartF::ladelisteZeigen);
    SpielLaden->setVisible(false);

    // Weiße Tafel rechts vom Bild: die Eingabe der Manager oder die Liste der Spielstände.
    auto tafel = [this](const QString& name, int hoehe) {
        auto* t = Element<QWidget>(this, name, QRect(256, 112, 284, hoehe));
        t->setAttribute(Qt::WA_StyledBackground);
        t->setStyleSheet(QStringLiteral("QWidget#%1 { background: white; border: 2px solid %2; border-radius: 10px; }")
                             .arg(name, Hex(Farbe::RasenHell)));
        return t;
    };
    Eingabe = tafel(QStringLiteral("Eingabe"), 0);
    Ueberschrift = Kopfzeile(Tq("1. Spieler"), Eingabe);
    Ueberschrift->setObjectName(QStringLiteral("Ueberschrift"));
    Ueberschrift->setGeometry(10, 10, 264, 30);
    auto* nameL = new QLabel(Tq("Name"), Eingabe);
    nameL->setGeometry(12, 50, 260, 18);
    NameFeld = new QLineEdit(Eingabe);
    NameFeld->setObjectName(QStringLiteral("NameFeld"));
    NameFeld->setGeometry(12, 70, 260, 26);
    NameFeld->setMaxLength(15);
    auto* vereinL = new QLabel(Tq("Mannschaft"), Eingabe);
    vereinL->setGeometry(12, 104, 260, 18);
    VereinFeld = new QComboBox(Eingabe);
    VereinFeld->setObjectName(QStringLiteral("VereinFeld"));
    VereinFeld->setGeometry(12, 124, 260, 26);
    VereinFeld->setEditable(true);
    VereinFeld->setInsertPolicy(QComboBox::NoInsert);
    VereinFeld->lineEdit()->setMaxLength(25);
    VereinFeld->setMaxVisibleItems(15);
    Aktivieren = knopf(QString(), QStringLiteral("Aktivieren"), Eingabe, QRect(12, 166, 260, 30), &TStartF::aktivierenKlick);
    Zurueck = knopf(Tq("Zurück"), QStringLiteral("Zurueck"), Eingabe, QRect(12, 206, 120, 30),
                    &TStartF::zurueckKlick);
    Weiter = knopf(Tq("Weiter"), QStringLiteral("Weiter"), Eingabe, QRect(152, 206, 120, 30),
                   &TStartF::weiterKlick);
    Eingabe->setVisible(false);

    Ladetafel = tafel(QStringLiteral("Ladetafel"), 250);
    auto* ladeKopf = Kopfzeile(Tq("Spiel laden"), Ladetafel);
    ladeKopf->setGeometry(10, 10, 264, 30);
    Ladeliste = new QListWidget(Ladetafel);
    Ladeliste->setObjectName(QStringLiteral("Ladeliste"));
    Ladeliste->setGeometry(12, 48, 260, 150);
    KeinSpielstand = new QLabel(Tq("Noch kein Spielstand gespeichert."), Ladetafel);
    KeinSpielstand->setObjectName(QStringLiteral("KeinSpielstand"));
    KeinSpielstand->setGeometry(20, 100, 244, 40);
    KeinSpielstand->setAlignment(Qt::AlignCenter);
    KeinSpielstand->setWordWrap(true);
    LadenZurueck = knopf(Tq("Zurück"), QStringLiteral("LadenZurueck"), Ladetafel, QRect(12, 206, 120, 30),
                         &TStartF::ladelisteSchliessen);
    Laden = knopf(Tq("Laden"), QStringLiteral("Laden"), Ladetafel, QRect(152, 206, 120, 30), &TStartF::ladenGeklickt);
    connect(Ladeliste, &QListWidget::currentRowChanged, this, [this](int zeile) { Laden->setEnabled(zeile >= 0); });
    connect(Ladeliste, &QListWidget::itemDoubleClicked, this, &TStartF::ladenGeklickt);
    Ladetafel->setVisible(false);

    // Enter drückt "Weiter" bzw. "Laden", solange eine der Tafeln den Fokus hat.
    for (const auto taste : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* weiter = new QShortcut(QKeySequence(taste), Eingabe);
        weiter->setContext(Qt::WidgetWithChildrenShortcut);
        connect(weiter, &QShortcut::activated, this, [this] {
            if (Eingabe->isEnabled() && Weiter->isVisible() && Weiter->isEnabled()) weiterKlick();
        });
        auto* laden = new QShortcut(QKeySequence(taste), Ladetafel);
        laden->setContext(Qt::WidgetWithChildrenShortcut);
        connect(laden, &QShortcut::activated, this, [this] {
            if (Laden->isEnabled()) ladenGeklickt();
        });
    }

    Fortschritt = new QLabel(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setGeometry(20, 396, Breite - 40, 28);
    Fortschritt->setFont(Schrift(13, true));
    Fortschritt->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen)));
}

namespace {
// Nicht jede Plattform kann Fenster durchscheinen lassen (offscreen etwa nicht).
bool DurchsichtMoeglich() { return QGuiApplication::platformName() != QStringLiteral("offscreen"); }
} // namespace

void TStartF::vorspann()
{
    vorspannLaeuft_ = true;
    for (int o = 0; o <= 255; o += 10) {
        if (DurchsichtMoeglich()) setWindowOpacity(o / 255.0);
        Warte(10);
        if (!isVisible()) return;
    }
    if (DurchsichtMoeglich()) setWindowOpacity(1.0);
    Klang("torvane");
    const QString untertitel = Tq("Eine FußballManagerSimulation *");
    for (int i = 1; i <= untertitel.size(); ++i) {
        Untertitel->setText(untertitel.left(i));
        Warte(20);
        if (!isVisible()) return;
    }
    Version->setText(QStringLiteral("V ") + QString::fromUtf8(ProgrammVersion));
    Warte(2000);
    if (!isVisible()) return;
    Kopf->move(Kopf->x(), Kopf->y() - 200);
    Bild1->setVisible(true);
    Warte(2500);
    if (!isVisible()) return;
    Klang("bumm");
    StartKnopf->setVisible(true);
    SpielLaden->setVisible(!LadenGesperrt());
    StartKnopf->setFocus();
    vorspannLaeuft_ = false;
}

void TStartF::startKlick()
{
    StartVorschlag();
    VereinFeld->clear();
    for (const std::string& n : StartVereinsliste()) VereinFeld->addItem(Q(n));
    StartKnopf->setVisible(false);
    SpielLaden->setVisible(false);
    Eingabe->setVisible(true);
    slotZeigen();
    // Die Eingabetafel klappt auf.
    for (int h = 0; h <= 250; h += 25) {
        Eingabe->resize(Eingabe->width(), h);
        Warte(10);
    }
    NameFeld->setFocus();
}

std::string TStartF::name() const { return U(NameFeld->text()); }
std::string TStartF::verein() const { return U(VereinFeld->currentText()); }

void TStartF::slotZeigen()
{
    const int m = S.Spiel.ManagerHoch;
    Ueberschrift->setText(Q(StartUeberschrift(m)));
    NameFeld->setText(Q(S.Manager[m].Name.text()));
    VereinFeld->setEditText(Q(S.Manager[m].Vereinsname.text()));
    Zurueck->setVisible(m > 0);
    Aktivieren->setVisible(m < 3);
    Aktivieren->setText(Q(StartAktivierenText(m)));
}

void TStartF::aktivierenKlick()
{
    StartSpielerAktivieren(name(), verein());
    slotZeigen();
}

void TStartF::zurueckKlick()
{
    StartZurueck(name(), verein());
    slotZeigen();
}

void TStartF::weiterKlick()
{
    if (!StartWeiter(name(), verein())) return;
    Eingabe->setEnabled(false);
    StartFortschritt([this](const std::string& t) { Fortschritt->setText(Q(t)); });
    accept();
}

void TStartF::ladelisteZeigen()
{
    StartKnopf->setVisible(false);
    SpielLaden->setVisible(false);
    Ladeliste->clear();
    for (const std::string& n : SpielstandListe()) Ladeliste->addItem(Q(n) + QStringLiteral(".lig"));
    KeinSpielstand->setVisible(Ladeliste->count() == 0);
    Laden->setEnabled(false);
    if (Ladeliste->count() > 0) Ladeliste->setCurrentRow(0);
    Ladetafel->setVisible(true);
    Ladeliste->setFocus();
}

void TStartF::ladenGeklickt()
{
    const QListWidgetItem* e = Ladeliste->currentItem();
    if (!e || !Ladetafel->isVisible()) return;
    const DiskFolge f = LadenKlick(ListenName(U(e->text())));
    if (f == DiskFolge::MenueNeuUndSchliessen) {
        geladen = true;
        accept();
        return;
    }
    // Nach der Ladefrage gilt die Sperre bis zum nächsten Start, auch bei "Nein".
    if (LadenGesperrt()) ladelisteSchliessen();
}

void TStartF::ladelisteSchliessen()
{
    Ladetafel->setVisible(false);
    StartKnopf->setVisible(true);
    SpielLaden->setVisible(!LadenGesperrt());
    StartKnopf->setFocus();
}

bool TStartF::ausfuehren()
{
    beendenGewuenscht = false;
    geladen = false;
    if (DurchsichtMoeglich()) setWindowOpacity(0.0);
    Kopf->move(0, 210);
    Untertitel->clear();
    Version->clear();
    Bild1->setVisible(false);
    StartKnopf->setVisible(false);
    SpielLaden->setVisible(false);
    Ladetafel->setVisible(false);
    Eingabe->setVisible(false);
    Eingabe->setEnabled(true);
    Eingabe->resize(Eingabe->width(), 0);
    Fortschritt->clear();
    if (QWidget* h = Hauptfenster()) move(h->frameGeometry().center() - QPoint(Breite / 2, Hoehe / 2));
    QTimer::singleShot(0, this, &TStartF::vorspann);
    exec();
    if (DurchsichtMoeglich()) setWindowOpacity(1.0);
    return !beendenGewuenscht;
}

void TStartF::mouseDoubleClickEvent(QMouseEvent*)
{
    if (Meldung(DialogArt::Bestaetigung, T("Programm schon beenden ?"), Knoepfe::OkAbbrechen) == Antwort::Ok) {
        beendenGewuenscht = true;
        QDialog::reject();
    }
}

void TStartF::reject()
{
    // Escape verlässt erst die Liste der Spielstände; sonst fragt es wie der Doppelklick.
    if (Ladetafel->isVisible()) {
        ladelisteSchliessen();
        return;
    }
    mouseDoubleClickEvent(nullptr);
}

} // namespace torvane

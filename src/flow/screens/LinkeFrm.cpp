#include "flow/screens/LinkeFrm.h"

#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "core/Variablen.h"
#include "flow/Assistent.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/MenuFrm.h"
#include "season/Pleite.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <tuple>

namespace torvane {

TLinkeF* LinkeF = nullptr;

TLinkeF::TLinkeF(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("LinkeF"));
    setAttribute(Qt::WA_StyledBackground);
    StilSetzen(this);
    setFixedSize(300, 556);

    Titel = new QLabel(QStringLiteral("Torvane"), this);
    Titel->setObjectName(QStringLiteral("Titel"));
    Titel->setGeometry(0, 12, 300, 56);
    Titel->setAlignment(Qt::AlignCenter);
    Titel->setFont(Schrift(30, true));
    Titel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen)));

    Untertitel = new QLabel(QStringLiteral("Die FußballManagerSimulation"), this);
    Untertitel->setObjectName(QStringLiteral("Untertitel"));
    Untertitel->setGeometry(0, 66, 300, 24);
    Untertitel->setAlignment(Qt::AlignCenter);
    Untertitel->setFont(Schrift(11, true));
    Untertitel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));

    Bild1 = new QLabel(this);
    Bild1->setObjectName(QStringLiteral("Bild1"));
    Bild1->setGeometry(20, 104, 260, 260);
    Bild1->setPixmap(Bild(QStringLiteral("linke"), Bild1->size()));

    Uhr = new QLabel(QStringLiteral("00:00:00"), this);
    Uhr->setObjectName(QStringLiteral("Uhr"));
    Uhr->setGeometry(60, 380, 180, 44);
    Uhr->setAlignment(Qt::AlignCenter);
    Uhr->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 20, QFont::Bold));
    Uhr->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border-radius: 8px; }")
                           .arg(Hex(Farbe::Nacht), Hex(Farbe::Sonne)));

    Version = new QLabel(QString::fromStdString(VersionLang()), this);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(0, 436, 300, 20);
    Version->setAlignment(Qt::AlignCenter);
    Version->setFont(Schrift(9));

    Automatic = new QPushButton(QStringLiteral("Automatic"), this);
    Automatic->setObjectName(QStringLiteral("Automatic"));
    Automatic->setGeometry(80, 500, 140, 30);
    Automatic->setToolTip(QStringLiteral("Der Computer spielt Ihre Züge, bis Sie ihn anhalten"));
    connect(Automatic, &QPushButton::clicked, this, &TLinkeF::automaticKlick);

    // Eine Sekunde Luft zwischen zwei Zügen, damit "Autospiel STOP" noch zu treffen ist.
    automatikTimer_ = new QTimer(this);
    automatikTimer_->setInterval(1000);
    connect(automatikTimer_, &QTimer::timeout, this, &TLinkeF::automatikTakt);
}

void TLinkeF::uhrZeigen(const QString& zeit) { Uhr->setText(zeit); }

void TLinkeF::automaticKlick()
{
    automatic_ = !automatic_ && !SpielVorbei();
    Automatic->setText(automatic_ ? QStringLiteral("Autospiel STOP") : QStringLiteral("Automatic"));
    if (!automatic_) {
        automatikTimer_->stop();
        return;
    }
    automatikName_ = S.Manager[S.AktManager].Name.text();
    automatikTimer_->start();
    automatikTakt();
}

void TLinkeF::automatikTakt()
{
    // Gesperrt ist die Seitenleiste vom Abschluss bis nach dem "Ding" des nächsten Zuges: solange
    // läuft noch ein Abschluss, in den kein zweiter geraten darf.
    if (!automatic_ || automatikLaeuft_ || !isEnabled() || !MenuF || !MenuF->isVisible() || !MenuF->isEnabled())
        return;
    // Während ein Dialog auf eine Antwort wartet, wird nichts geschlossen.
    if (QApplication::activeModalWidget() || WarteSperre::aktiv()) return;
    int m = -1;
    for (int s = 0; s <= S.Spiel.ManagerHoch; ++s)
        if (S.Manager[s].Name.text() == automatikName_) m = s;
    // Ist er aus dem Spiel, gibt es nichts mehr zu spielen.
    if (m < 0) {
        automaticKlick();
        return;
    }
    if (m != S.AktManager) return;
    struct Sperre {
        bool& b;
        explicit Sperre(bool& x) : b(x) { b = true; }
        ~Sperre() { b = false; }
    } sperre(automatikLaeuft_);
    const auto stand = std::make_tuple(S.AktManager, S.Spiel.Spieltag, S.Spiel.Wettbewerb, GespielteTage);
    try {
        if (ZugOffen && HatSpiel(m)) AssistentZug(m);
        MenuF->abschlussFolgen();
    } catch (...) {
        // Nach einem Laufzeitfehler nicht jede Sekunde denselben Fehler: der Mensch übernimmt.
        if (automatic_) automaticKlick();
        throw;
    }
    // Lehnt der Mensch den Abschluss ab (etwa die Überziehungsgebühr), will er selbst ran.
    if (stand == std::make_tuple(S.AktManager, S.Spiel.Spieltag, S.Spiel.Wettbewerb, GespielteTage) && automatic_)
        automaticKlick();
}

} // namespace torvane

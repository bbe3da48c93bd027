#include "flow/screens/LinkeFrm.h"

#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "core/Variablen.h"
#include "flow/Assistent.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "flow/screens/RatgeberFrm.h"
#include "season/Pleite.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <tuple>

namespace torvane {

TLinkeF* LinkeF = nullptr;

TLinkeF::TLinkeF(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("LinkeF"));
    setAttribute(Qt::WA_StyledBackground);
    StilSetzen(this);
    setFixedSize(300, 556);

    Titel = Schild(this, QStringLiteral("Titel"), QRect(0, 12, 300, 56), Schrift(30, true));
    Titel->setText(QStringLiteral("Torvane"));
    Titel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen)));

    Untertitel = Schild(this, QStringLiteral("Untertitel"), QRect(0, 66, 300, 24), Schrift(11, true));
    Untertitel->setText(Tq("Die FußballManagerSimulation"));
    Untertitel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));

    Bild1 = Element<QLabel>(this, QStringLiteral("Bild1"), QRect(50, 98, 200, 200));
    Bild1->setPixmap(Bild(QStringLiteral("linke"), Bild1->size()));

    Uhr = new QLabel(QStringLiteral("00:00:00"), this);
    Uhr->setObjectName(QStringLiteral("Uhr"));
    Uhr->setGeometry(60, 308, 180, 44);
    Uhr->setAlignment(Qt::AlignCenter);
    Uhr->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 20, QFont::Bold));
    Uhr->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border-radius: 8px; }")
                           .arg(Hex(Farbe::Nacht), Hex(Farbe::Sonne)));

    Version = new QLabel(QString::fromStdString(VersionLang()), this);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(0, 358, 300, 20);
    Version->setAlignment(Qt::AlignCenter);
    Version->setFont(Schrift(9));

    Automatic = new QPushButton(Tq("Automatic"), this);
    Automatic->setObjectName(QStringLiteral("Automatic"));
    Automatic->setGeometry(12, 390, 126, 30);
    connect(Automatic, &QPushButton::clicked, this, &TLinkeF::automaticKlick);
    // Die Stufe gilt für den Manager, dessen Automatik als Nächste eingeschaltet wird.
    Stufe = new QComboBox(this);
    Stufe->setObjectName(QStringLiteral("Stufe"));
    Stufe->setGeometry(141, 390, 50, 30);
    Stufe->addItems({TCq("Stufe", "Neu"), TCq("Stufe", "Alt")});
    Stufe->setToolTip(Tq("Wie der Computer spielt: Neu spielt auf Sieg, Alt hält den Verein nur am Leben"));
    // Der offene Ratgeber rät in der Stufe, die jetzt gilt.
    connect(Stufe, &QComboBox::currentIndexChanged, this, &TLinkeF::automatikZeigen);
    for (size_t i = 0; i < Stopp.size(); ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Stopp%1").arg(i));
        b->setGeometry(20, 430 + static_cast<int>(i) * 31, 260, 27);
        b->setFont(Schrift(9, true));
        b->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: white; border-color: %1; }")
                             .arg(Hex(Farbe::Rot)));
        b->setVisible(false);
        connect(b, &QPushButton::clicked, this, [this, i] {
            if (i < automatik_.size()) automatikAus(automatik_[i].name);
        });
        Stopp[i] = b;
    }
    automatikZeigen();

    // Eine Sekunde Luft zwischen zwei Zügen, damit "Autospiel STOP" noch zu treffen ist.
    automatikTimer_ = new QTimer(this);
    automatikTimer_->setInterval(1000);
    connect(automatikTimer_, &QTimer::timeout, this, &TLinkeF::automatikTakt);
}

void TLinkeF::uhrZeigen(const QString& zeit) { Uhr->setText(zeit); }

namespace {

std::string AktuellerName()
{
    return S.AktManager <= 3 && S.Spiel.ManagerHoch >= 0 ? S.Manager[S.AktManager].Name.text() : std::string();
}

} // namespace

bool TLinkeF::automatic(const std::string& name) const
{
    return std::any_of(automatik_.begin(), automatik_.end(), [&](const auto& v) { return v.name == name; });
}

bool TLinkeF::automatic() const { return automatic(AktuellerName()); }

AssistentStufe TLinkeF::stufe() const
{
    const std::string name = AktuellerName();
    const auto v = std::find_if(automatik_.begin(), automatik_.end(), [&](const auto& a) { return a.name == name; });
    if (v != automatik_.end()) return v->stufe;
    return Stufe->currentIndex() == 1 ? AssistentStufe::Alt : AssistentStufe::Neu;
}

Vertretung TLinkeF::vertreten() const
{
    // Nur im eigenen Zug (Abschluss und Zugbeginn): was der Tag oder das Saisonende meldet, gilt allen
    // Managern und wartet auf einen Menschen.
    return Vertretung([this](int m) { return !MenueHochgerollt() && automatic(S.Manager[m].Name.text()); });
}

void TLinkeF::automaticKlick()
{
    const std::string name = AktuellerName();
    if (automatic(name)) {
        automatikAus(name);
        return;
    }
    if (SpielVorbei() || name.empty()) return;
    const AssistentStufe gewaehlt = stufe();
    automatik_.push_back(VertretungBeginnen(S.AktManager));
    automatik_.back().stufe = gewaehlt;
    automatikZeigen();
    automatikTimer_->start();
    automatikTakt();
}

void TLinkeF::automatikAus(const std::string& name)
{
    const auto v = std::find_if(automatik_.begin(), automatik_.end(), [&](const auto& a) { return a.name == name; });
    if (v == automatik_.end()) return;
    const Vertretungsstand vorher = *v;
    automatik_.erase(v);
    if (automatik_.empty()) automatikTimer_->stop();
    automatikZeigen();
    for (int m = 0; m <= S.Spiel.ManagerHoch && m <= 3; ++m)
        if (S.Manager[m].Name.text() == name) Hinweis(VertretungText(name, VertretungBilanz(vorher, m)));
}

void TLinkeF::automatikZeigen()
{
    // Wer nicht mehr im Spiel ist (Pleite, neues oder geladenes Spiel), spielt nicht weiter.
    std::erase_if(automatik_, [](const Vertretungsstand& v) {
        for (int s = 0; s <= S.Spiel.ManagerHoch && s <= 3; ++s)
            if (S.Manager[s].Name.text() == v.name) return false;
        return true;
    });
    const bool an = automatic();
    Automatic->setText(an ? Tq("Autospiel STOP") : Tq("Automatic"));
    Automatic->setToolTip(TippWoertlich(
        an ? Tq("Automatik von %1 anhalten").arg(Q(AktuellerName()))
           : Tq("Der Computer spielt die Züge von %1, bis sie angehalten wird").arg(Q(AktuellerName()))));
    for (size_t i = 0; i < Stopp.size(); ++i) {
        const bool da = i < automatik_.size();
        Stopp[i]->setVisible(da);
        if (!da) continue;
        const QString n = Q(automatik_[i].name);
        const QString stufe = automatik_[i].stufe == AssistentStufe::Alt ? TCq("Stufe", "Alt") : TCq("Stufe", "Neu");
        Stopp[i]->setText(Tq("Autospiel %1 STOP").arg(n));
        Stopp[i]->setToolTip(TippWoertlich(Tq("Automatik von %1 (Stufe %2) anhalten").arg(n, stufe)));
    }
    // Mit der Automatik oder der Wahl wechselt die Stufe, in der der Ratgeber rät.
    if (RatgeberF && RatgeberF->isVisible()) RatgeberF->fuellen();
}

void TLinkeF::automatikTakt()
{
    // Gesperrt ist die Seitenleiste vom Abschluss bis nach dem "Ding" des nächsten Zuges: solange
    // läuft noch ein Abschluss, in den kein zweiter geraten darf.
    if (automatik_.empty() || automatikLaeuft_ || !isEnabled() || !MenuF || !MenuF->isVisible() ||
        !MenuF->isEnabled())
        return;
    // Während ein Dialog auf eine Antwort wartet, wird nichts geschlossen.
    if (QApplication::activeModalWidget() || WarteSperre::aktiv()) return;
    automatikZeigen();
    const std::string name = AktuellerName();
    if (!automatic(name)) return;
    const int m = S.AktManager;
    struct Sperre {
        bool& b;
        explicit Sperre(bool& x) : b(x) { b = true; }
        ~Sperre() { b = false; }
    } sperre(automatikLaeuft_);
    const auto stand = std::make_tuple(S.AktManager, S.Spiel.Spieltag, S.Spiel.Wettbewerb, Sitzung.GespielteTage);
    try {
        const Vertretung vertretung = vertreten();
        const auto v = std::find_if(automatik_.begin(), automatik_.end(), [&](const auto& a) { return a.name == name; });
        if (Sitzung.ZugOffen && HatSpiel(m)) AssistentZug(m, v->stufe);
        MenuF->abschlussFolgen();
    } catch (...) {
        // Nach einem Laufzeitfehler nicht jede Sekunde denselben Fehler: der Mensch übernimmt.
        automatikAus(name);
        throw;
    }
    // Lehnt der Mensch den Abschluss ab (etwa die Überziehungsgebühr), will er selbst ran.
    if (stand == std::make_tuple(S.AktManager, S.Spiel.Spieltag, S.Spiel.Wettbewerb, Sitzung.GespielteTage))
        automatikAus(name);
    else
        automatikZeigen();
}

} // namespace torvane

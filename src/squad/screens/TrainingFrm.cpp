#include "squad/screens/TrainingFrm.h"

#include "core/Konto.h"
#include "core/Variablen.h"
#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "finance/screens/Tafelfelder.h"

#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace torvane {

TTrainingF* TrainingF = nullptr;

namespace {
const char* const Linienname[3] = {N_("Verteidigung"), N_("Mittelfeld"), N_("Angriff")};
QString Euro(int64_t v) { return Q(Geldtext(static_cast<double>(v)) + Waehrung); }
} // namespace

TBallSkala::TBallSkala(Skala s, QWidget* eltern) : QWidget(eltern), skala(s)
{
    setFixedSize(BallPlaetze * BallAbstand, BallAbstand);
    setCursor(Qt::PointingHandCursor);
}

void TBallSkala::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    static const QPixmap ball = Bild(QStringLiteral("ball"), QSize(BallAbstand - 6, BallAbstand - 6));
    for (int i = 0; i < BallPlaetze; ++i) {
        const QRect platz(i * BallAbstand + 3, 3, BallAbstand - 6, BallAbstand - 6);
        if (i < baelle) {
            p.drawPixmap(platz, ball);
        } else {
            p.setPen(QPen(Farbe::RasenHell, 1.5, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(platz.adjusted(4, 4, -4, -4));
        }
    }
}

void TBallSkala::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) emit geklickt(static_cast<int>(e->position().x()));
}

TTrainingF::TTrainingF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("TrainingF"), Tq("Training"), QSize(700, 580));

    auto* stunden = Gruppe(this, Tq("Trainingszeit"), QRect(10, 50, 330, 84));
    Stunden = new QSlider(Qt::Horizontal, stunden);
    Stunden->setObjectName(QStringLiteral("Stunden"));
    Stunden->setGeometry(14, 24, 300, 24);
    Stunden->setRange(1, 10);
    Stunden->setToolTip(Tq("Langes Training erhöht das Verletztungsrisiko"));
    StundenLabel = Beschrift(stunden, QString(), QRect(14, 52, 300, 22), 10, true, QStringLiteral("StundenLabel"));
    StundenLabel->setAlignment(Qt::AlignCenter);
    connect(Stunden, &QSlider::valueChanged, this, [this](int n) {
        if (S.Manager[S.AktManager].Trainingsstunden == n) return;
        StundenSetzen(S.AktManager, n);
        zeichnen();
    });

    auto* schwer = Gruppe(this, Tq("Schwerpunkt"), QRect(10, 142, 330, 150));
    for (int i = 0; i < 3; ++i) {
        const int y = 26 + i * 40;
        Beschrift(schwer, Tq(Linienname[i]), QRect(14, y, 100, 26), 10, true);
        Runter[i] = new QToolButton(schwer);
        Runter[i]->setObjectName(QStringLiteral("Runter%1").arg(i));
        Runter[i]->setArrowType(Qt::DownArrow);
        Runter[i]->setGeometry(116, y, 26, 26);
        Hoch[i] = new QToolButton(schwer);
        Hoch[i]->setObjectName(QStringLiteral("Hoch%1").arg(i));
        Hoch[i]->setArrowType(Qt::UpArrow);
        Hoch[i]->setGeometry(146, y, 26, 26);
        Gauge[i] = Balken(schwer, QStringLiteral("Gauge%1").arg(i), QRect(180, y, 136, 26), QStringLiteral("%v %"));
        const auto linie = static_cast<Linie>(i);
        connect(Hoch[i], &QToolButton::clicked, this, [this, linie] {
            if (SchwerpunktHoch(S.AktManager, linie)) zeichnen();
        });
        connect(Runter[i], &QToolButton::clicked, this, [this, linie] {
            if (SchwerpunktRunter(S.AktManager, linie)) zeichnen();
        });
    }

    auto* trainer = Gruppe(this, Tq("Sondertrainer"), QRect(350, 50, 340, 242));
    TrainerName = Beschrift(trainer, QString(), QRect(12, 22, 316, 24), 10, true, QStringLiteral("TrainerName"));
    TrainerDaten = new QWidget(trainer);
    TrainerDaten->setGeometry(0, 48, 340, 190);
    TrainerBild = new QLabel(TrainerDaten);
    TrainerBild->setObjectName(QStringLiteral("TrainerBild"));
    TrainerBild->setGeometry(12, 0, 96, 96);
    Stufe = Beschrift(TrainerDaten, QString(), QRect(12, 100, 96, 22), 10, true, QStringLiteral("Stufe"));
    Stufe->setAlignment(Qt::AlignCenter);
    auto zeile = [this](const QString& text, int y, const QString& name) {
        Beschrift(TrainerDaten, text, QRect(114, y, 112, 24), 9);
        return Wertfeld(TrainerDaten, name, QRect(226, y, 104, 24));
    };
    BringtNoch = zeile(Tq("Bringt noch"), 0, QStringLiteral("BringtNoch"));
    Gehalt = zeile(Tq("Gehalt pro Spiel"), 30, QStringLiteral("Gehalt"));
    Spiele = zeile(Tq("Spiele"), 60, QStringLiteral("Spiele"));
    Kosten = zeile(Tq("Kündigen kostet"), 100, QStringLiteral("Kosten"));
    Beschrift(TrainerDaten, Tq("2% Wertverlust je Spiel"), QRect(114, 128, 216, 20), 8);
    Kuendigen = new QPushButton(Tq("Kündigen"), TrainerDaten);
    Kuendigen->setObjectName(QStringLiteral("Kuendigen"));
    Kuendigen->setGeometry(226, 150, 104, 30);
    connect(Kuendigen, &QPushButton::clicked, this, [this] {
        TrainerKuendigen(S.AktManager);
        zeichnen();
    });

    auto* baelle = Gruppe(this, Tq("Trainingsbälle"), QRect(10, 300, 680, 140));
    Beschrift(baelle, Tq("Technik"), QRect(14, 26, 110, 40), 10, true);
    Beschrift(baelle, Tq("Konstitution"), QRect(14, 70, 110, 40), 10, true);
    Technik = new TBallSkala(Skala::Technik, baelle);
    Technik->setObjectName(QStringLiteral("Technik"));
    Technik->move(124, 26);
    Konstitution = new TBallSkala(Skala::Konstitution, baelle);
    Konstitution->setObjectName(QStringLiteral("Konstitution"));
    Konstitution->move(124, 70);
    connect(Technik, &TBallSkala::geklickt, this, [this](int x) { ballGeklickt(Skala::Technik, x); });
    connect(Konstitution, &TBallSkala::geklickt, this, [this](int x) { ballGeklickt(Skala::Konstitution, x); });
    BallMarke = new QLabel(baelle);
    BallMarke->setObjectName(QStringLiteral("BallMarke"));
    BallMarke->setGeometry(590, 30, 70, 70);
    BallMarke->setPixmap(Bild(QStringLiteral("ball"), QSize(70, 70)));
    BaelleLabel = Beschrift(baelle, QString(), QRect(124, 112, 440, 22), 10, true, QStringLiteral("BaelleLabel"));
    BaelleLabel->setAlignment(Qt::AlignCenter);
    Blinker = new QTimer(this);
    connect(Blinker, &QTimer::timeout, this,
            [this] { BallMarke->setVisible(FreieBaelle(S.AktManager) > 0 && !BallMarke->isVisible()); });
    // In Tests (ohne Zeit) blinkt nichts.
    if (QtOberflaeche::dauer(500) > 0) Blinker->start(QtOberflaeche::dauer(500));

    auto* ergebnis = Gruppe(this, Tq("Trainingsergebnisse"), QRect(10, 448, 680, 122));
    Ergebnis = Beschrift(ergebnis, QString(), QRect(14, 22, 652, 94), 10, false, QStringLiteral("Ergebnis"));
    Ergebnis->setWordWrap(true);
    Ergebnis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TTrainingF::ballGeklickt(Skala s, int x)
{
    if (BallKlick(S.AktManager, s, x)) zeichnen();
}

void TTrainingF::zeichnen()
{
    const int m = S.AktManager;
    const Manager_& mg = S.Manager[m];
    {
        const QSignalBlocker still(Stunden);
        Stunden->setValue(mg.Trainingsstunden);
    }
    StundenLabel->setText(Q(StundenText(mg.Trainingsstunden)));
    const int werte[3] = {mg.TrainingVerteidigung, mg.TrainingMittelfeld, mg.TrainingAngriff};
    for (int i = 0; i < 3; ++i)
        Gauge[i]->setValue(werte[i]);

    Technik->baelle = mg.BaelleTechnik;
    Konstitution->baelle = mg.BaelleKonstitution;
    Technik->update();
    Konstitution->update();
    BaelleLabel->setText(Q(BaelleText(m)));
    BallMarke->setVisible(FreieBaelle(m) > 0);

    const bool trainer = HatTrainer(m);
    TrainerDaten->setVisible(trainer);
    if (trainer) {
        const int t = mg.Trainer;
        TrainerName->setText(Tq("Unser Trainer heißt, %1").arg(QString::fromUtf8(Sondertrainer.at(static_cast<size_t>(t)).Name)));
        TrainerBild->setPixmap(Bild(QStringLiteral("trainer%1").arg(t), TrainerBild->size()));
        Stufe->setText(Tq("Stufe %1").arg(mg.TrainerStufe));
        BringtNoch->setText(Euro(mg.TrainerPreis));
        Gehalt->setText(Euro(mg.TrainerGehalt));
        Spiele->setText(QString::number(mg.TrainerSpiele));
        Kosten->setText(Euro(TrainerKuendigungskosten(m)));
    } else {
        TrainerName->setText(Tq("Wir haben keinen Trainer"));
    }
    Ergebnis->setText(Zeilen(TrainingsergebnisText()));
}

void TTrainingF::zeigen()
{
    zeichnen();
    AmStandardOrt(this);
}

} // namespace torvane

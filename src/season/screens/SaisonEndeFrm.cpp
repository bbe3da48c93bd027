#include "season/screens/SaisonEndeFrm.h"

#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace torvane {

TSaisonEndeF* SaisonEndeF = nullptr;

namespace {

constexpr int PanelBreite = 680;
constexpr int PanelHoehe = 420;
constexpr int FetteHoehe = 72;

QLabel* Schild(QWidget* eltern, const QString& name, QRect ort, const QFont& f, const QColor& farbe,
               const QString& text = QString())
{
    auto* l = Element<QLabel>(eltern, name, ort);
    l->setText(text);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("QLabel#%1 { color: %2; }").arg(name, Hex(farbe)));
    return l;
}

} // namespace

TSaisonEndeF::TSaisonEndeF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("SaisonEndeF"), Tq("Saisonende"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowModality(Qt::ApplicationModal);
    // Unten bleibt Platz für "Überspringen".
    setMinimumSize(PanelBreite + 80, PanelHoehe + 2 * FetteHoehe + 120);
    resize(900, 660);

    FetteLiga = Schild(this, QStringLiteral("FetteLiga"), QRect(20, 0, 860, FetteHoehe), Schrift(30, true), Farbe::Sonne);

    Panel = new QFrame(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->resize(PanelBreite, PanelHoehe);
    Panel->setStyleSheet(QStringLiteral("QFrame#Panel { background: %1; border: 3px solid %2; border-radius: 14px; }")
                             .arg(Hex(Farbe::Creme), Hex(Farbe::Sonne)));
    const QColor gruen = Farbe::Rasen.darker(120);
    Meister1 = Schild(Panel, QStringLiteral("Meister1"), QRect(0, 14, PanelBreite, 30), Schrift(15, true), gruen);
    M1 = Schild(Panel, QStringLiteral("M1"), QRect(10, 46, PanelBreite - 20, 44), Schrift(22, true), Farbe::Nacht);
    G1 = Schild(Panel, QStringLiteral("G1"), QRect(0, 92, PanelBreite, 24), Schrift(11, true), Farbe::Tinte);
    const int spalte = (PanelBreite - 60) / 2;
    Label3D5 = Schild(Panel, QStringLiteral("Label3D5"), QRect(20, 134, spalte, 24), Schrift(11, true), gruen,
                      Tq("2. Platz"));
    Label3D6 = Schild(Panel, QStringLiteral("Label3D6"), QRect(40 + spalte, 134, spalte, 24), Schrift(11, true), gruen,
                      Tq("3. Platz"));
    M2 = Schild(Panel, QStringLiteral("M2"), QRect(20, 160, spalte, 30), Schrift(14, true), Farbe::Nacht);
    M3 = Schild(Panel, QStringLiteral("M3"), QRect(40 + spalte, 160, spalte, 30), Schrift(14, true), Farbe::Nacht);
    G2 = Schild(Panel, QStringLiteral("G2"), QRect(20, 192, spalte, 22), Schrift(10), Farbe::Tinte);
    G3 = Schild(Panel, QStringLiteral("G3"), QRect(40 + spalte, 192, spalte, 22), Schrift(10), Farbe::Tinte);

    auto* linie = new QFrame(Panel);
    linie->setObjectName(QStringLiteral("Linie"));
    linie->setGeometry(40, 226, PanelBreite - 80, 2);
    linie->setStyleSheet(QStringLiteral("QFrame#Linie { background: %1; }").arg(Hex(Farbe::Sonne)));

    Ab1 = Schild(Panel, QStringLiteral("Ab1"), QRect(0, 238, PanelBreite, 32), Schrift(15, true), Farbe::Rot);
    const int drittel = (PanelBreite - 60) / 3;
    std::array<QLabel*, 3> a{};
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("A%1").arg(i + 1);
        a[static_cast<size_t>(i)] = Schild(Panel, name, QRect(20 + i * (drittel + 10), 278, drittel, 48),
                                           Schrift(11, true), Farbe::Tinte);
        a[static_cast<size_t>(i)]->setStyleSheet(
            QStringLiteral("QLabel#%1 { color: %2; background: rgb(255,205,210); border-radius: 8px; }")
                .arg(name, Hex(Farbe::Tinte)));
    }
    A1 = a[0];
    A2 = a[1];
    A3 = a[2];

    BitBtn1 = new QPushButton(Tq("Weiter"), Panel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(PanelBreite - 170, PanelHoehe - 58, 150, 40);
    BitBtn1->setFont(Schrift(11, true));
    BitBtn1->setAutoDefault(true);
    BitBtn1->setVisible(false);
    ImWartenBedienbar(BitBtn1);
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        BitBtn1->setVisible(false);
        blinkenBeenden();
        S.Befehl = Befehlswert::Weiter;
    });
    Panel->setVisible(false);

    Abkuerzen = new QPushButton(Tq("Überspringen"), this);
    Abkuerzen->setObjectName(QStringLiteral("Abkuerzen"));
    Abkuerzen->resize(170, 40);
    Abkuerzen->setFont(Schrift(11, true));
    Abkuerzen->setFocusPolicy(Qt::NoFocus); // Enter bleibt beim "Weiter"
    Abkuerzen->setToolTip(Tq("Zeigt den Rest des Saisonendes sofort (Taste Escape); "
                             "Meldungen an Sie erscheinen trotzdem."));
    Abkuerzen->setVisible(false);
    AbkuerzKnopf(Abkuerzen);
    connect(Abkuerzen, &QPushButton::clicked, this, [this] {
        AbkuerzenBeginnen();
        if (BitBtn1->isVisible()) BitBtn1->click();
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(33000);
    connect(Timer1, &QTimer::timeout, this, [] { Klang("saisonende"); });

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2, &QTimer::timeout, this, [this] {
        Timer2->stop();
        QApplication::beep();
        hide();
    });

    // "Absteiger" blinkt: 200 ms leer, 500 ms sichtbar.
    Blinker = new QTimer(this);
    Blinker->setObjectName(QStringLiteral("Blinker"));
    Blinker->setSingleShot(true);
    connect(Blinker, &QTimer::timeout, this, [this] {
        ab1An_ = !ab1An_;
        Ab1->setText(ab1An_ ? ab1Text_ : QString());
        Blinker->start(ab1An_ ? 500 : 200);
    });

    anordnen();
}

void TSaisonEndeF::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient verlauf(0, 0, 0, height());
    verlauf.setColorAt(0.0, Farbe::Nacht);
    verlauf.setColorAt(1.0, Farbe::Rasen.darker(170));
    p.fillRect(rect(), verlauf);
    // Etwas Konfetti; immer an denselben Stellen, damit nichts flimmert.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor farben[] = {Farbe::Sonne, Farbe::Himmel, Farbe::Limette, QColor(255, 138, 101)};
    unsigned z = 12345u;
    for (int i = 0; i < 90; ++i) {
        z = z * 1103515245u + 12345u;
        const int x = static_cast<int>((z >> 8) % static_cast<unsigned>(std::max(1, width())));
        z = z * 1103515245u + 12345u;
        const int y = static_cast<int>((z >> 8) % static_cast<unsigned>(std::max(1, height())));
        QColor c = farben[i % 4];
        c.setAlpha(110);
        p.setBrush(c);
        p.save();
        p.translate(x, y);
        p.rotate(i * 37 % 180);
        p.drawRoundedRect(QRectF(-4, -2, 8, 4), 1.5, 1.5);
        p.restore();
    }
}

void TSaisonEndeF::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    anordnen();
}

void TSaisonEndeF::anordnen()
{
    Panel->move((width() - PanelBreite) / 2, std::max(FetteHoehe + 30, (height() - PanelHoehe) / 2 + 40));
    FetteLiga->setGeometry(20, FetteLiga->y(), width() - 40, FetteHoehe);
    Abkuerzen->move(width() - Abkuerzen->width() - 20, height() - Abkuerzen->height() - 16);
}

void TSaisonEndeF::mittig() { FetteLiga->move(20, (height() - FetteHoehe) / 2); }

void TSaisonEndeF::blinkenBeenden()
{
    Blinker->stop();
    ab1An_ = true;
    Ab1->setText(ab1Text_);
}

void TSaisonEndeF::oeffnen(const std::string& fetteLiga)
{
    Timer2->stop();
    blinkenBeenden();
    Panel->setVisible(false);
    BitBtn1->setVisible(false);
    AbkuerzenAnbieten(Abkuerzen, true);
    FetteLiga->setText(Q(fetteLiga));
    QWidget* haupt = Hauptfenster();
    if (haupt && haupt->isVisible()) setGeometry(haupt->geometry());
    mittig();
    // Einblenden: die Deckkraft steigt von 30 auf 255, bei jedem Vielfachen von 12 ein Schritt.
    // Ohne Fenstersystem (offscreen) gibt es keine Deckkraft; gewartet wird trotzdem.
    const bool deckkraft = QGuiApplication::platformName() != QStringLiteral("offscreen") &&
                           QGuiApplication::platformName() != QStringLiteral("minimal");
    if (deckkraft) setWindowOpacity(30 / 255.0);
    show();
    raise();
    activateWindow();
    for (int o = 30; o <= 255; ++o) {
        if (o % 12 != 0) continue;
        if (deckkraft) setWindowOpacity(o / 255.0);
        Warte(15);
    }
    if (deckkraft) setWindowOpacity(1.0);
    Timer1->start();
}

void TSaisonEndeF::ligaZeigen(const std::string& ligaName)
{
    Panel->setVisible(false);
    BitBtn1->setVisible(false);
    for (QLabel* a : {A1, A2, A3}) a->clear();
    ab1Text_.clear();
    blinkenBeenden();
    FetteLiga->setText(Q(ligaName));
    mittig();
}

void TSaisonEndeF::ueberschriftSchieben()
{
    const int ziel = Panel->y() - FetteHoehe - 4;
    int y = FetteLiga->y();
    if (y <= ziel) {
        FetteLiga->move(20, ziel);
        return;
    }
    while (y > ziel) {
        y = std::max(ziel, y - 2);
        FetteLiga->move(20, y);
        Warte(20);
    }
}

void TSaisonEndeF::tafelZeigen(const std::string& meister, const std::array<std::string, 3>& vereine,
                               const std::array<std::string, 3>& praemien)
{
    Meister1->setText(Q(meister));
    M1->setText(Q(vereine[0]));
    M2->setText(Q(vereine[1]));
    M3->setText(Q(vereine[2]));
    G1->setText(Q(praemien[0]));
    G2->setText(Q(praemien[1]));
    G3->setText(Q(praemien[2]));
    Panel->setVisible(true);
    Panel->raise();
}

void TSaisonEndeF::wechselZeigen(const std::string& ab1, const std::array<std::string, 3>& vereine, Wechsel art,
                                 bool blinken)
{
    ab1Text_ = Q(ab1);
    blinkenBeenden();
    // Wer aufsteigt, steht auf Grün, wer absteigt, auf Rot.
    const bool auf = art == Wechsel::Aufstieg;
    for (QLabel* a : {A1, A2, A3})
        a->setStyleSheet(QStringLiteral("QLabel#%1 { color: %2; background: %3; border-radius: 8px; }")
                             .arg(a->objectName(), Hex(Farbe::Tinte),
                                  auf ? QStringLiteral("rgb(200,230,201)") : QStringLiteral("rgb(255,205,210)")));
    A1->setText(Q(vereine[0]));
    A2->setText(Q(vereine[1]));
    A3->setText(Q(vereine[2]));
    Panel->setVisible(true);
    if (blinken) Blinker->start(500);
}

void TSaisonEndeF::weiterZeigen()
{
    BitBtn1->setVisible(true);
    BitBtn1->setFocus();
    // Abgekürzt: weiter, sobald die Regel auf den Knopf wartet.
    if (QtOberflaeche::abkuerzen)
        QTimer::singleShot(0, BitBtn1, [this] {
            if (BitBtn1->isVisible()) BitBtn1->click();
        });
}

void TSaisonEndeF::tafelVerbergen()
{
    blinkenBeenden();
    Panel->setVisible(false);
}

void TSaisonEndeF::musikAus() { Timer1->stop(); }

void TSaisonEndeF::textZeigen(const std::string& text)
{
    Panel->setVisible(false);
    FetteLiga->setText(Q(text));
    mittig();
}

void TSaisonEndeF::schliessen()
{
    AbkuerzenAnbieten(Abkuerzen, false);
    Timer1->stop();
    blinkenBeenden();
    Timer2->start(QtOberflaeche::dauer(250));
}

} // namespace torvane

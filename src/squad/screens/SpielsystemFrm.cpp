#include "squad/screens/SpielsystemFrm.h"

#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "core/screens/Zierzufall.h"
#include "squad/Kader.h"
#include "squad/Spielsystem.h"
#include "squad/screens/KaderFenster.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <cmath>

namespace torvane {

TSpielsystemF* SpielsystemF = nullptr;

namespace {

// Das Bild der Grunddaten ist 270 x 190 Pixel groß; gezeichnet wird es anderthalbfach.
constexpr int BildB = 270, BildH = 190;
constexpr double Mass = 1.5;

QPointF Ziel(int system, int r)
{
    return {static_cast<double>(S.SpielSysteme[0][r][system]), static_cast<double>(S.SpielSysteme[1][r][system])};
}

} // namespace

TSpielfeld::TSpielfeld(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("Feld"));
    setFixedSize(static_cast<int>(BildB * Mass), static_cast<int>(BildH * Mass));
}

void TSpielfeld::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Rasen in Streifen, Linien weiß; das eigene Tor unten.
    for (int i = 0; i < 8; ++i)
        p.fillRect(QRectF(0, i * height() / 8.0, width(), height() / 8.0 + 1), i % 2 ? Farbe::Rasen : Farbe::Rasen.lighter(112));
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(QRectF(6, 6, width() - 12, height() - 12));
    p.drawLine(QPointF(6, 6), QPointF(width() - 6, 6));
    p.drawEllipse(QPointF(width() / 2.0, 6), 45, 45);
    p.drawRect(QRectF(width() / 2.0 - 80, height() - 66, 160, 60));
    p.drawRect(QRectF(width() / 2.0 - 36, height() - 28, 72, 22));
    p.setFont(Schrift(9, true));
    for (size_t r = 1; r < figuren.size(); ++r) {
        const QPointF m = figuren[r] * Mass;
        const bool laeuft = schritt % 2 == 1;
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(r == 1 ? QColor(30, 90, 220) : (laeuft ? Farbe::Sonne.darker(115) : Farbe::Sonne));
        p.drawEllipse(m, laeuft ? 10.0 : 11.0, laeuft ? 11.0 : 10.0);
        p.setPen(r == 1 ? Qt::white : Qt::black);
        p.drawText(QRectF(m.x() - 11, m.y() - 10, 22, 20), Qt::AlignCenter, QString::number(r));
    }
}

TSpielsystemF::TSpielsystemF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("SpielsystemF"), Tq("Spielsystem"), QSize(700, 370));
    Untertitel = Schild(this, QStringLiteral("Untertitel"), QRect(10, 44, 680, 22), Schrift(9));
    Untertitel->setText(Tq("Kompensieren von Stärken b.z.w Schwächen in Verteidigung, Mittelfeld und Angriff"));

    for (int n = 1; n <= 5; ++n) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("BitBtn%1").arg(n));
        b->setGeometry(10, 70 + (n - 1) * 44, 120, 38);
        b->setFont(Schrift(13, true));
        connect(b, &QPushButton::clicked, this, [this, n] { systemKlick(n); });
        BitBtn[static_cast<size_t>(n - 1)] = b;
    }
    OhneAnimation = new QCheckBox(Tq("ohne Animation"), this);
    OhneAnimation->setObjectName(QStringLiteral("OhneAnimation"));
    OhneAnimation->setGeometry(10, 296, 130, 24);

    Feld = new TSpielfeld(this);
    Feld->move(140, 70);

    auto* tafel = new QFrame(this);
    tafel->setObjectName(QStringLiteral("Staerken"));
    tafel->setGeometry(555, 70, 135, 285);
    tafel->setStyleSheet(
        QStringLiteral("QFrame#Staerken { background: %1; border-radius: 8px; } QLabel { color: white; }")
            .arg(Hex(Farbe::Nacht)));
    SystemLabel = Schild(tafel, QStringLiteral("SystemLabel"), QRect(5, 8, 125, 36), Schrift(17, true));
    SystemLabel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Sonne)));
    auto figur = [&](const QString& name, int y, const QColor& farbe) {
        QLabel* l = Schild(tafel, name, QRect(10, y, 120, 40), Schrift(9, true), Qt::AlignLeft);
        l->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(farbe)));
        return l;
    };
    VerteidigungLabel = figur(QStringLiteral("VerteidigungLabel"), 56, Farbe::Limette);
    MittelfeldLabel = figur(QStringLiteral("MittelfeldLabel"), 100, QColor(0, 255, 255));
    AngriffLabel = figur(QStringLiteral("AngriffLabel"), 144, QColor(255, 255, 0));
    GesamtLabel = figur(QStringLiteral("GesamtLabel"), 190, Qt::white);
    auto* incl = Schild(tafel, QString(), QRect(10, 246, 120, 24), Schrift(8), Qt::AlignLeft);
    incl->setText(Tq("incl. Einsatz"));
}

void TSpielsystemF::zeichnen()
{
    const int m = S.AktManager;
    const Mannschaft_& v = VereinVon(m);
    SystemLabel->setText(Q(SystemText(S.Manager[m].SpielSystem.roh())));
    VerteidigungLabel->setText(Tq("Verteidigung:\n%1").arg(v.Verteidigung));
    MittelfeldLabel->setText(Tq("Mittelfeld:\n%1").arg(v.Mittelfeld));
    AngriffLabel->setText(Tq("Angriff:\n%1").arg(v.Angriff));
    GesamtLabel->setText(Tq("Gesamt: %1").arg(v.Gesamt));
    for (int n = 1; n <= 5; ++n) {
        QPushButton* b = BitBtn[static_cast<size_t>(n - 1)];
        b->setText(Q(SystemText(SystemCode(n))));
        b->setStyleSheet(n == gewaehlt ? QStringLiteral("QPushButton { color: %1; background: %2; }")
                                             .arg(Hex(Farbe::Rot), Hex(Farbe::Creme))
                                       : QString());
    }
}

void TSpielsystemF::zeigen()
{
    gewaehlt = GewaehltesSystem(S.AktManager);
    zeichnen();
    AmStandardOrt(this);
    if (gewaehlt > 0) systemKlick(gewaehlt);
}

void TSpielsystemF::systemKlick(int n)
{
    if (beschaeftigt_) return;
    const Beschaeftigt sperre(this, beschaeftigt_);
    gewaehlt = n;
    WaehleSystem(S.AktManager, n);
    zeichnen();
    aufstellen(n);
}

void TSpielsystemF::aufstellen(int n)
{
    std::vector<QPointF> ziel(12);
    for (int r = 1; r <= 11; ++r) ziel[static_cast<size_t>(r)] = Ziel(n, r);
    if (OhneAnimation->isChecked() || !isVisible()) {
        Feld->figuren = ziel;
        Feld->schritt = 0;
        Feld->update();
        return;
    }
    // Jeder Spieler startet irgendwo außerhalb des Bildes und läuft auf seinen Platz.
    std::vector<QPointF> lage(12);
    for (int r = 1; r <= 11; ++r) {
        int x = 0, y = 0;
        do {
            x = Zierzufall(-100, BildB + 100);
            y = Zierzufall(-100, BildH + 100);
        } while ((x >= 0 && x <= BildB) || (y >= 0 && y <= BildH));
        lage[static_cast<size_t>(r)] = QPointF(x, y);
    }
    bool unterwegs = true;
    for (int schritt = 0; unterwegs && schritt < 1000; ++schritt) {
        unterwegs = false;
        for (int r = 1; r <= 11; ++r) {
            QPointF& p = lage[static_cast<size_t>(r)];
            const QPointF d = ziel[static_cast<size_t>(r)] - p;
            const double weite = std::hypot(d.x(), d.y());
            const double tritt = Zierzufall(0, 1) + 4;
            if (weite <= tritt) {
                p = ziel[static_cast<size_t>(r)];
            } else {
                p += d * (tritt / weite);
                unterwegs = true;
            }
        }
        Feld->figuren = lage;
        Feld->schritt = schritt;
        Feld->update();
        Warte(15);
    }
    Feld->schritt = 0;
    Feld->update();
}

} // namespace torvane

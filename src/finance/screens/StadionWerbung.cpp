#include "finance/screens/StadionWerbung.h"

#include "core/Variablen.h"
#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "finance/Sponsoren.h"
#include "finance/screens/StadionFrm.h"
#include "finance/screens/TototipFrm.h"
#include "finance/screens/WerbungFrm.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/MenuFrm.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace torvane {

void StadionWerbungFensterAnlegen(QWidget* haupt)
{
    if (!StadionF) StadionF = new TStadionF(haupt);
    if (!WerbungF) WerbungF = new TWerbungF(haupt);
    if (!TototipF) TototipF = new TTototipF(haupt);
    if (MenuF) {
        MenuF->oeffnerSetzen(Menuepunkt::Stadion, [] { StadionF->zeigen(); });
        MenuF->oeffnerSetzen(Menuepunkt::Werbung, [] { WerbungF->zeigen(); });
        MenuF->oeffnerSetzen(Menuepunkt::TotoTip, [] { TototipF->zeigen(); });
    }
}

// --- Bilder: gezeichnet auf 128 x 96 (Attraktionen) bzw. 100 x 100 (Trikots) Einheiten ---

namespace {

const QColor Umriss{38, 50, 56};

void Stift(QPainter& p, qreal breite = 1.6)
{
    p.setPen(QPen(Umriss, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QColor Ton(int i, int s = 150, int v = 235) { return QColor::fromHsv((i * 47) % 360, s, v); }

// Tribüne mit bunten Zuschauern und ein Streifen Rasen unten.
void Tribuene(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 144, 156));
    p.drawRect(QRectF(0, 66, 128, 18));
    const QColor bunt[] = {Farbe::Rot, Farbe::Sonne, Qt::white, Farbe::Himmel, Farbe::Limette};
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < 24; ++i) {
            p.setBrush(bunt[(i * 3 + r) % 5]);
            p.drawEllipse(QPointF(4 + i * 5.2 + (r % 2) * 2.5, 70 + r * 5), 1.6, 1.6);
        }
    for (int i = 0; i < 8; ++i) {
        p.setBrush(i % 2 ? Farbe::Rasen : Farbe::RasenHell.darker(115));
        p.drawRect(QRectF(i * 16, 84, 16.5, 12));
    }
}

void Kreis(QPainter& p, QPointF m, qreal r, const QColor& c)
{
    Stift(p);
    p.setBrush(c);
    p.drawEllipse(m, r, r);
}

void Kasten(QPainter& p, QRectF r, const QColor& c, qreal rund = 3)
{
    Stift(p);
    p.setBrush(c);
    p.drawRoundedRect(r, rund, rund);
}

void Beschriften(QPainter& p, QRectF r, const QString& t, int punkte, const QColor& c)
{
    QFont f = Schrift(punkte, true);
    f.setPixelSize(punkte);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, t);
}

using Zeichner = void (*)(QPainter&, int);

void Eimer(QPainter& p, int)
{
    Kasten(p, QRectF(50, 24, 28, 36), QColor(96, 125, 139), 2);
    Kasten(p, QRectF(46, 18, 36, 7), QColor(69, 90, 100), 2);
    Stift(p, 1.2);
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(57 + i * 7, 30), QPointF(57 + i * 7, 55));
}

void Galgen(QPainter& p, int)
{
    Stift(p, 3);
    p.drawLine(QPointF(46, 62), QPointF(46, 12));
    p.drawLine(QPointF(44, 12), QPointF(80, 12));
    p.drawLine(QPointF(46, 22), QPointF(56, 12));
    Stift(p, 1.2);
    p.drawLine(QPointF(74, 12), QPointF(74, 26));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(74, 30), 4, 4);
}

void Automat(QPainter& p, int i)
{
    Kasten(p, QRectF(44, 10, 40, 54), i == 12 ? QColor(176, 190, 197) : Farbe::Rot);
    Kasten(p, QRectF(50, 16, 28, 20), i == 12 ? Farbe::Nacht : Farbe::Creme, 2);
    if (i == 12) Beschriften(p, QRectF(50, 16, 28, 20), QStringLiteral("101"), 8, Farbe::Limette);
    if (i == 4) Kreis(p, QPointF(64, 50), 5, QColor(121, 85, 72));
    if (i == 2)
        for (int k = 0; k < 4; ++k) Kasten(p, QRectF(52 + k * 6, 42, 4, 14), Qt::white, 1);
}

void Eis(QPainter& p, int)
{
    Stift(p);
    p.setBrush(QColor(255, 204, 128));
    p.drawPolygon(QPolygonF({QPointF(52, 34), QPointF(76, 34), QPointF(64, 64)}));
    Kreis(p, QPointF(58, 28), 8, QColor(248, 187, 208));
    Kreis(p, QPointF(70, 28), 8, QColor(255, 245, 157));
    Kreis(p, QPointF(64, 20), 8, QColor(121, 85, 72));
}

void Stange(QPainter& p, int)
{
    QPainterPath stock;
    stock.moveTo(70, 64);
    stock.lineTo(70, 24);
    stock.arcTo(QRectF(50, 12, 20, 22), 0, 180);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stock);
    p.setPen(QPen(Farbe::Rot, 7, Qt::DotLine, Qt::FlatCap));
    p.drawPath(stock);
}

void Flasche(QPainter& p, int)
{
    Stift(p);
    p.setBrush(QColor(93, 64, 55));
    QPainterPath f;
    f.moveTo(60, 10);
    f.lineTo(68, 10);
    f.lineTo(68, 22);
    f.quadTo(76, 28, 76, 38);
    f.lineTo(76, 64);
    f.lineTo(52, 64);
    f.lineTo(52, 38);
    f.quadTo(52, 28, 60, 22);
    f.closeSubpath();
    p.drawPath(f);
    Kasten(p, QRectF(52, 40, 24, 10), Farbe::Rot, 1);
}

void Bier(QPainter& p, int i)
{
    const int n = i == 8 ? 3 : 1;
    for (int k = 0; k < n; ++k) {
        const qreal x = 64 - (n - 1) * 14 + k * 28 - 10;
        Kasten(p, QRectF(x, 24, 20, 38), Farbe::Sonne, 2);
        Stift(p, 2.5);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x + 15, 30, 12, 20), -90 * 16, 180 * 16);
        Kreis(p, QPointF(x + 6, 23), 5, Qt::white);
        Kreis(p, QPointF(x + 14, 22), 6, Qt::white);
    }
}

void Pommes(QPainter& p, int)
{
    for (int k = 0; k < 7; ++k) Kasten(p, QRectF(50 + k * 4, 14 + (k % 3) * 4, 4, 30), Farbe::Sonne, 1);
    Stift(p);
    p.setBrush(Farbe::Rot);
    p.drawPolygon(QPolygonF({QPointF(46, 36), QPointF(82, 36), QPointF(76, 64), QPointF(52, 64)}));
}

void Schneebaelle(QPainter& p, int)
{
    Kreis(p, QPointF(52, 44), 11, Qt::white);
    Kreis(p, QPointF(74, 30), 9, Qt::white);
    Kreis(p, QPointF(80, 54), 7, Qt::white);
}

void Lautsprecher(QPainter& p, int)
{
    Kasten(p, QRectF(46, 12, 36, 52), QColor(55, 71, 79));
    Kreis(p, QPointF(64, 26), 7, QColor(144, 164, 174));
    Kreis(p, QPointF(64, 48), 11, QColor(144, 164, 174));
    Kreis(p, QPointF(64, 48), 4, Umriss);
    Stift(p, 1.6);
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k <= 3; ++k) p.drawArc(QRectF(80 - k * 4, 38 - k * 6, k * 10, k * 12 + 20), -50 * 16, 100 * 16);
}

void Burger(QPainter& p, int i)
{
    const qreal s = i == 14 ? 1.3 : 0.9;
    auto r = [&](qreal y, qreal h) { return QRectF(64 - 22 * s, 38 + (y - 38) * s, 44 * s, h * s); };
    Stift(p);
    p.setBrush(QColor(255, 183, 77));
    p.drawChord(r(20, 24), 0, 180 * 16);
    Kasten(p, r(31, 5), QColor(124, 179, 66), 2);
    Kasten(p, r(36, 7), QColor(121, 85, 72), 2);
    Kasten(p, r(43, 7), QColor(255, 183, 77), 3);
}

void Leinwand(QPainter& p, int i)
{
    Kasten(p, QRectF(36, 12, 56, 38), Qt::white, 2);
    Stift(p, 2);
    p.drawLine(QPointF(50, 50), QPointF(44, 64));
    p.drawLine(QPointF(78, 50), QPointF(84, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(Farbe::Rot);
    QPainterPath herz;
    herz.moveTo(64, 42);
    herz.cubicTo(44, 30, 54, 16, 64, 24);
    herz.cubicTo(74, 16, 84, 30, 64, 42);
    if (i == 30) p.drawPath(herz);
    else {
        p.setBrush(Farbe::Nacht);
        p.drawPolygon(QPolygonF({QPointF(58, 22), QPointF(58, 40), QPointF(74, 31)}));
    }
}

void Pizza(QPainter& p, int)
{
    Kreis(p, QPointF(64, 38), 24, QColor(255, 204, 128));
    Kreis(p, QPointF(64, 38), 19, QColor(239, 83, 80));
    for (const QPointF& z : {QPointF(56, 32), QPointF(71, 30), QPointF(62, 46), QPointF(74, 44)})
        Kreis(p, z, 3.5, QColor(183, 28, 28));
}

void Schwein(QPainter& p, int)
{
    const QColor rosa(248, 187, 208);
    Kreis(p, QPointF(64, 38), 22, rosa);
    Stift(p);
    p.setBrush(rosa);
    p.drawPolygon(QPolygonF({QPointF(46, 24), QPointF(44, 10), QPointF(56, 18)}));
    p.drawPolygon(QPolygonF({QPointF(82, 24), QPointF(84, 10), QPointF(72, 18)}));
    p.setBrush(QColor(240, 98, 146));
    p.drawEllipse(QPointF(64, 44), 9, 6);
    p.setBrush(Umriss);
    p.drawEllipse(QPointF(61, 44), 1.5, 2);
    p.drawEllipse(QPointF(67, 44), 1.5, 2);
    p.drawEllipse(QPointF(56, 32), 2, 2);
    p.drawEllipse(QPointF(72, 32), 2, 2);
}

void Ball(QPainter& p, int)
{
    Kreis(p, QPointF(64, 38), 22, Qt::white);
    p.setBrush(Umriss);
    QPolygonF f;
    for (int k = 0; k < 5; ++k) {
        const qreal w = (k * 72 - 90) * 3.14159265 / 180;
        f << QPointF(64 + 8 * std::cos(w), 38 + 8 * std::sin(w));
    }
    p.drawPolygon(f);
}

void Zeitung(QPainter& p, int)
{
    Kasten(p, QRectF(42, 12, 44, 52), Qt::white, 1);
    Beschriften(p, QRectF(42, 14, 44, 12), QStringLiteral("BLATT"), 9, Umriss);
    Stift(p, 1.2);
    for (int k = 0; k < 6; ++k) p.drawLine(QPointF(47, 32 + k * 5), QPointF(81, 32 + k * 5));
}

void Torte(QPainter& p, int)
{
    Kasten(p, QRectF(40, 34, 48, 28), QColor(248, 187, 208), 4);
    Kasten(p, QRectF(40, 30, 48, 8), Qt::white, 4);
    for (int k = 0; k < 3; ++k) {
        Kasten(p, QRectF(50 + k * 12, 16, 4, 14), Farbe::Sonne, 1);
        Kreis(p, QPointF(52 + k * 12, 13), 2.5, Farbe::Rot);
    }
}

void Fliege(QPainter& p, int)
{
    Stift(p);
    p.setBrush(Farbe::Nacht);
    p.drawPolygon(QPolygonF({QPointF(40, 24), QPointF(64, 38), QPointF(40, 52)}));
    p.drawPolygon(QPolygonF({QPointF(88, 24), QPointF(64, 38), QPointF(88, 52)}));
    Kreis(p, QPointF(64, 38), 6, Farbe::Nacht);
}

void Kreuz(QPainter& p, int)
{
    Kreis(p, QPointF(64, 38), 24, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(Farbe::Rot);
    p.drawRect(QRectF(58, 22, 12, 32));
    p.drawRect(QRectF(48, 32, 32, 12));
}

void Buegeleisen(QPainter& p, int)
{
    Stift(p);
    p.setBrush(QColor(79, 195, 247));
    p.drawPolygon(QPolygonF({QPointF(40, 58), QPointF(88, 58), QPointF(88, 44), QPointF(60, 34), QPointF(48, 44)}));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(58, 22, 28, 24), 0, 180 * 16);
}

void Handschuh(QPainter& p, int)
{
    Kreis(p, QPointF(62, 34), 18, Farbe::Rot);
    Kreis(p, QPointF(46, 40), 8, Farbe::Rot);
    Kasten(p, QRectF(54, 48, 18, 14), Qt::white, 2);
}

void Teddy(QPainter& p, int i)
{
    const QColor fell = i == 29 ? QColor(255, 204, 153) : QColor(161, 136, 127);
    Kreis(p, QPointF(52, 18), 6, fell);
    Kreis(p, QPointF(76, 18), 6, fell);
    Kreis(p, QPointF(64, 30), 14, fell);
    Kreis(p, QPointF(64, 56), 12, fell);
    p.setBrush(Umriss);
    p.drawEllipse(QPointF(59, 28), 1.8, 1.8);
    p.drawEllipse(QPointF(69, 28), 1.8, 1.8);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(58, 30, 12, 8), 200 * 16, 140 * 16);
}

void Wappen(QPainter& p, int i)
{
    Stift(p, 2);
    p.setBrush(i == 35 ? Farbe::Nacht : QColor(96, 125, 139));
    QPainterPath s;
    s.moveTo(44, 14);
    s.lineTo(84, 14);
    s.lineTo(84, 38);
    s.quadTo(84, 56, 64, 64);
    s.quadTo(44, 56, 44, 38);
    s.closeSubpath();
    p.drawPath(s);
    Beschriften(p, QRectF(44, 18, 40, 30), i == 35 ? QStringLiteral("SET") : QStringLiteral("BG"), 12, Farbe::Sonne);
}

void Karte(QPainter& p, int)
{
    Kasten(p, QRectF(38, 18, 52, 34), Farbe::Nacht, 4);
    Kasten(p, QRectF(44, 26, 10, 8), Farbe::Sonne, 1);
    Beschriften(p, QRectF(42, 38, 46, 10), QStringLiteral("1234 5678"), 7, Qt::white);
}

void Fragezeichen(QPainter& p, int)
{
    Kreis(p, QPointF(64, 38), 24, Farbe::Sonne);
    Beschriften(p, QRectF(40, 14, 48, 48), QStringLiteral("?"), 36, Umriss);
}

void Sonne(QPainter& p, int)
{
    Stift(p, 2.5);
    for (int k = 0; k < 12; ++k) {
        const qreal w = k * 30 * 3.14159265 / 180;
        p.drawLine(QPointF(64 + 20 * std::cos(w), 38 + 20 * std::sin(w)),
                   QPointF(64 + 28 * std::cos(w), 38 + 28 * std::sin(w)));
    }
    Kreis(p, QPointF(64, 38), 16, Farbe::Sonne);
}

void Mauer(QPainter& p, int)
{
    for (int r = 0; r < 5; ++r)
        for (int k = 0; k < 4; ++k) Kasten(p, QRectF(36 + k * 14 + (r % 2) * 7, 14 + r * 10, 14, 10), QColor(188, 90, 60), 1);
}

void Roentgen(QPainter& p, int)
{
    Kasten(p, QRectF(40, 10, 48, 56), QColor(38, 50, 56), 3);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(64, 22), 6, 6);
    p.drawLine(QPointF(64, 28), QPointF(64, 50));
    for (int k = 0; k < 3; ++k) p.drawLine(QPointF(56, 33 + k * 5), QPointF(72, 33 + k * 5));
    p.drawLine(QPointF(64, 50), QPointF(56, 62));
    p.drawLine(QPointF(64, 50), QPointF(72, 62));
}

void Geist(QPainter& p, int)
{
    Stift(p);
    p.setBrush(QColor(255, 255, 255, 230));
    QPainterPath g;
    g.moveTo(44, 62);
    g.lineTo(44, 32);
    g.arcTo(QRectF(44, 12, 40, 40), 180, -180);
    g.lineTo(84, 62);
    for (int k = 0; k < 4; ++k) g.lineTo(79 - k * 10, 56 + (k % 2) * 6);
    g.closeSubpath();
    p.drawPath(g);
    p.setBrush(Umriss);
    p.drawEllipse(QPointF(57, 30), 3, 4);
    p.drawEllipse(QPointF(71, 30), 3, 4);
    p.drawEllipse(QPointF(64, 42), 3, 5);
}

// Welches Motiv zu welcher Attraktion gehört.
const Zeichner Motive[37] = {
    Eimer,    Galgen,     Automat,   Eis,      Automat,   Stange,     Flasche, Bier,     Bier,   Pommes,
    Schneebaelle, Lautsprecher, Automat, Burger, Burger,  Leinwand,   Pizza,   Schwein,  Ball,   Zeitung,
    Torte,    Fliege,     Kreuz,     Lautsprecher, Buegeleisen, Handschuh, Teddy, Wappen, Karte,  Teddy,
    Leinwand, Fragezeichen, Sonne,   Mauer,    Roentgen,  Wappen,     Geist,
};

} // namespace

QPixmap AttraktionBild(int index, QSize groesse)
{
    QPixmap bild(groesse);
    bild.fill(Farbe::Nacht);
    if (index < 0 || index >= 37) return bild;
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse.width() / 128.0, groesse.height() / 96.0);
    QLinearGradient himmel(0, 0, 0, 70);
    himmel.setColorAt(0, Ton(index, 90, 250));
    himmel.setColorAt(1, Farbe::Himmel);
    p.fillRect(QRectF(0, 0, 128, 70), himmel);
    Tribuene(p);
    Motive[index](p, index);
    Beschriften(p, QRectF(2, 2, 24, 12), QString::number(index + 1), 9, Umriss);
    return bild;
}

QPixmap TrikotBild(int sponsor, QSize groesse)
{
    QPixmap bild = Malgrund(groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse.width() / 100.0, groesse.height() / 100.0);
    const bool risiko = sponsor == RisikoSponsor;
    const QColor farbe = risiko ? Umriss : Ton(sponsor + 3, 170, 220);
    Stift(p, 2.5);
    p.setBrush(farbe);
    p.drawPolygon(QPolygonF({QPointF(30, 14), QPointF(42, 10), QPointF(58, 10), QPointF(70, 14), QPointF(92, 34),
                             QPointF(80, 46), QPointF(72, 40), QPointF(72, 92), QPointF(28, 92), QPointF(28, 40),
                             QPointF(20, 46), QPointF(8, 34)}));
    p.setBrush(Qt::white);
    p.drawChord(QRectF(42, 2, 16, 16), 180 * 16, 180 * 16);
    if (risiko) {
        Kasten(p, QRectF(36, 38, 28, 28), Qt::white, 4);
        p.setBrush(Umriss);
        for (const QPointF& z : {QPointF(43, 45), QPointF(50, 52), QPointF(57, 59), QPointF(57, 45), QPointF(43, 59)})
            p.drawEllipse(z, 2.6, 2.6);
        Beschriften(p, QRectF(28, 70, 44, 18), QStringLiteral("? ? ?"), 12, Farbe::Sonne);
        return bild;
    }
    // Das Zeichen des Sponsors: sein Anfangsbuchstabe auf einem Schild.
    const QString name = QString::fromUtf8(sponsor >= 0 && sponsor < 24 ? TrikotSponsoren[static_cast<size_t>(sponsor)] : "?");
    QChar zeichen = QLatin1Char('?');
    for (const QChar c : name)
        if (c.isLetter()) {
            zeichen = c.toUpper();
            break;
        }
    Kreis(p, QPointF(50, 56), 17, Qt::white);
    Beschriften(p, QRectF(33, 39, 34, 34), QString(zeichen), 24, farbe.darker(160));
    return bild;
}

// --- Bildschirmfotos ---

namespace {

// Alle Bilder einer Art auf einem Bogen, mit Nummer.
QPixmap Bogen(int anzahl, int spalten, QSize groesse, QPixmap (*bild)(int, QSize))
{
    const int zeilen = (anzahl + spalten - 1) / spalten;
    QPixmap bogen = Malgrund(QSize(spalten * (groesse.width() + 8) + 8, zeilen * (groesse.height() + 8) + 8));
    bogen.fill(Farbe::Creme);
    QPainter p(&bogen);
    for (int i = 0; i < anzahl; ++i)
        p.drawPixmap(8 + (i % spalten) * (groesse.width() + 8), 8 + (i / spalten) * (groesse.height() + 8),
                     bild(i, groesse));
    return bogen;
}

} // namespace

QStringList StadionWerbungBildschirmfotos(const QString& ordner)
{
    QStringList fertig;
    if (!QDir().mkpath(ordner)) return fertig;
    FotoRuhe ruhe;
    StadionWerbungFensterAnlegen(Hauptfenster());

    auto bogen = [&](const QString& name, const QPixmap& b) {
        const QString datei = QDir(ordner).filePath(name + QStringLiteral(".png"));
        if (b.save(datei)) fertig << datei;
    };
    bogen(QStringLiteral("61_stadion_attraktionen"), Bogen(37, 6, QSize(128, 96), &AttraktionBild));
    bogen(QStringLiteral("64_werbung_trikotbilder"), Bogen(24, 8, QSize(80, 80), &TrikotBild));

    if (BeispielSpielAnlegen()) {
        const int m = S.AktManager;
        Manager_& mg = S.Manager[m];
        mg.Komfortpunkte = 42;
        mg.Plaetze = 18500;
        mg.DauerkartenImVerkauf = 4000;
        mg.DauerkartenVerkauft = 1234;
        StadionF->zeigen();
        for (int i = 0; i < 11; ++i) {
            StadionF->ueberblendungBeenden();
            StadionF->attraktionWeiter();
        }
        StadionF->ueberblendungBeenden();
        Foto(StadionF, ordner, QStringLiteral("60_stadion"), fertig);
        StadionF->hide();

        mg.Werbeanfragen = 6.4f;
        S.Werbevertraege[m][1] = {1200, 30, 12, 8, {}};
        S.Werbevertraege[m][4] = {2500, 40, 33, 12, {}};
        S.Werbevertraege[m][6] = {150000, 60, 21, 5, {}};
        mg.Werbeeinnahmen = 3700;
        WerbungF->zeigen();
        WerbungF->trikotKlick(7);
        Foto(WerbungF, ordner, QStringLiteral("62_werbung"), fertig);
        WerbungF->bandenGeklickt(5); // Oberliga: kein Fernsehen
        Foto(WerbungF, ordner, QStringLiteral("63_werbung_fernsehtraum"), fertig);
        WerbungF->nein();
        WerbungF->bandenGeklickt(2);
        Foto(WerbungF, ordner, QStringLiteral("63_werbung_angebot"), fertig);
        WerbungF->hide();

        TototipF->zeigen();
        Foto(TototipF, ordner, QStringLiteral("65_toto"), fertig);
        TototipF->setzen();
        for (char t : {'1', '0', '2', '1'}) TototipF->tippen(t);
        Foto(TototipF, ordner, QStringLiteral("66_toto_tipps"), fertig);
        for (char t : {'1', '1', '0', '2', '2'}) TototipF->tippen(t);
        Foto(TototipF, ordner, QStringLiteral("67_toto_abgegeben"), fertig);
        TototipF->hide();
    }

    return fertig;
}

} // namespace torvane

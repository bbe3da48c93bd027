#include "core/screens/Bilder.h"

#include "core/Pfade.h"
#include "core/screens/Stil.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>
#include <map>

namespace torvane {

namespace {

// Alle Bilder werden auf 100 × 100 Einheiten gezeichnet und dann skaliert.
const QColor Umriss{38, 50, 56};

void Stift(QPainter& p, qreal breite = 2.0) { p.setPen(QPen(Umriss, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); }

void Hintergrund(QPainter& p, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 14, 14);
}

void Ball(QPainter& p, QPointF m, qreal r)
{
    Stift(p, r / 12);
    p.setBrush(Qt::white);
    p.drawEllipse(m, r, r);
    // Ein Fünfeck in der Mitte, fünf halbe am Rand: genug, dass jeder einen Fußball sieht.
    auto fuenfeck = [&](QPointF z, qreal rr, qreal drehung) {
        QPolygonF f;
        for (int i = 0; i < 5; ++i) {
            const qreal w = qDegreesToRadians(drehung + i * 72.0 - 90.0);
            f << QPointF(z.x() + rr * std::cos(w), z.y() + rr * std::sin(w));
        }
        return f;
    };
    p.setBrush(Umriss);
    p.drawPolygon(fuenfeck(m, r * 0.32, 0));
    p.save();
    QPainterPath kreis;
    kreis.addEllipse(m, r, r);
    p.setClipPath(kreis);
    for (int i = 0; i < 5; ++i) {
        const qreal w = qDegreesToRadians(i * 72.0 - 90.0);
        const QPointF z(m.x() + r * 0.95 * std::cos(w), m.y() + r * 0.95 * std::sin(w));
        p.drawPolygon(fuenfeck(z, r * 0.28, 36));
        p.drawLine(QPointF(m.x() + r * 0.32 * std::cos(w), m.y() + r * 0.32 * std::sin(w)), z);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    Stift(p, r / 12);
    p.drawEllipse(m, r, r);
}

void Gesicht(QPainter& p, QPointF m, qreal r, const QColor& haut, bool lacht = true)
{
    Stift(p);
    p.setBrush(haut);
    p.drawEllipse(m, r, r);
    p.setBrush(Umriss);
    p.drawEllipse(QPointF(m.x() - r * 0.35, m.y() - r * 0.15), r * 0.09, r * 0.12);
    p.drawEllipse(QPointF(m.x() + r * 0.35, m.y() - r * 0.15), r * 0.09, r * 0.12);
    p.setBrush(Qt::NoBrush);
    const QRectF mund(m.x() - r * 0.4, m.y() + (lacht ? 0.0 : 0.35) * r, r * 0.8, r * 0.5);
    p.drawArc(mund, lacht ? 200 * 16 : 20 * 16, lacht ? 140 * 16 : 140 * 16);
}

void Sterne(QPainter& p, const QList<QPointF>& orte, qreal r, const QColor& c)
{
    Stift(p, 1.2);
    p.setBrush(c);
    for (const QPointF& z : orte) {
        QPolygonF s;
        for (int i = 0; i < 10; ++i) {
            const qreal w = qDegreesToRadians(i * 36.0 - 90.0);
            const qreal rr = (i % 2 == 0) ? r : r * 0.45;
            s << QPointF(z.x() + rr * std::cos(w), z.y() + rr * std::sin(w));
        }
        p.drawPolygon(s);
    }
}

void Rasenflaeche(QPainter& p, const QRectF& r)
{
    p.setPen(Qt::NoPen);
    const int streifen = 6;
    for (int i = 0; i < streifen; ++i) {
        p.setBrush(i % 2 ? Farbe::Rasen : Farbe::RasenHell.darker(115));
        p.drawRect(QRectF(r.x() + r.width() * i / streifen, r.y(), r.width() / streifen + 0.5, r.height()));
    }
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(3, 3, -3, -3));
    p.drawLine(QPointF(r.center().x(), r.y() + 3), QPointF(r.center().x(), r.bottom() - 3));
    p.drawEllipse(r.center(), r.height() * 0.18, r.height() * 0.18);
}

void Pokal(QPainter& p, QPointF m, qreal s)
{
    const QColor gold(255, 193, 7);
    Stift(p, 2);
    p.setBrush(gold);
    QPainterPath becher;
    becher.moveTo(m.x() - 22 * s, m.y() - 30 * s);
    becher.lineTo(m.x() + 22 * s, m.y() - 30 * s);
    becher.cubicTo(m.x() + 22 * s, m.y() + 2 * s, m.x() + 8 * s, m.y() + 8 * s, m.x() + 5 * s, m.y() + 12 * s);
    becher.lineTo(m.x() - 5 * s, m.y() + 12 * s);
    becher.cubicTo(m.x() - 8 * s, m.y() + 8 * s, m.x() - 22 * s, m.y() + 2 * s, m.x() - 22 * s, m.y() - 30 * s);
    p.drawPath(becher);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(m.x() - 34 * s, m.y() - 26 * s, 18 * s, 20 * s), 90 * 16, 180 * 16);
    p.drawArc(QRectF(m.x() + 16 * s, m.y() - 26 * s, 18 * s, 20 * s), 270 * 16, 180 * 16);
    p.setBrush(gold);
    p.drawRect(QRectF(m.x() - 5 * s, m.y() + 12 * s, 10 * s, 10 * s));
    p.setBrush(QColor(121, 85, 72));
    p.drawRoundedRect(QRectF(m.x() - 18 * s, m.y() + 22 * s, 36 * s, 10 * s), 2, 2);
    Sterne(p, {QPointF(m.x(), m.y() - 14 * s)}, 7 * s, Qt::white);
}

void Stadion(QPainter& p, bool nacht)
{
    Hintergrund(p, nacht ? Farbe::Nacht : Farbe::Himmel);
    if (nacht) Sterne(p, {QPointF(15, 14), QPointF(50, 10), QPointF(84, 16)}, 3, Farbe::Sonne);
    else {
        p.setPen(Qt::NoPen);
        p.setBrush(Farbe::Sonne);
        p.drawEllipse(QPointF(80, 20), 9, 9);
    }
    // Flutlichtmasten
    Stift(p, 2);
    for (qreal x : {14.0, 86.0}) {
        p.drawLine(QPointF(x, 60), QPointF(x, 22));
        p.setBrush(nacht ? QColor(255, 241, 118) : QColor(224, 224, 224));
        p.drawRect(QRectF(x - 7, 16, 14, 7));
    }
    if (nacht) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 241, 118, 60));
        p.drawPolygon(QPolygonF({QPointF(8, 23), QPointF(20, 23), QPointF(60, 70), QPointF(25, 70)}));
        p.drawPolygon(QPolygonF({QPointF(80, 23), QPointF(92, 23), QPointF(75, 70), QPointF(40, 70)}));
    }
    // Tribüne
    Stift(p, 2);
    p.setBrush(QColor(144, 164, 174));
    QPainterPath tribuene;
    tribuene.moveTo(6, 72);
    tribuene.lineTo(10, 40);
    tribuene.quadTo(50, 28, 90, 40);
    tribuene.lineTo(94, 72);
    tribuene.closeSubpath();
    p.drawPath(tribuene);
    // Zuschauerreihen als bunte Punkte
    p.setPen(Qt::NoPen);
    const QColor bunt[] = {Farbe::Rot, Farbe::Sonne, Qt::white, Farbe::Himmel};
    for (int reihe = 0; reihe < 3; ++reihe)
        for (int i = 0; i < 14; ++i) {
            p.setBrush(bunt[(i + reihe) % 4]);
            p.drawEllipse(QPointF(16 + i * 5.2, 44 + reihe * 7 - (reihe == 0 ? 0 : 0)), 1.7, 1.7);
        }
    Rasenflaeche(p, QRectF(6, 64, 88, 30));
}

void Manager(QPainter& p)
{
    Hintergrund(p, QColor(255, 224, 178));
    Stift(p);
    p.setBrush(Farbe::Nacht);
    QPainterPath koerper;
    koerper.moveTo(18, 96);
    koerper.cubicTo(18, 66, 30, 60, 50, 60);
    koerper.cubicTo(70, 60, 82, 66, 82, 96);
    koerper.closeSubpath();
    p.drawPath(koerper);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(42, 61), QPointF(58, 61), QPointF(50, 76)}));
    p.setBrush(Farbe::Rot);
    p.drawPolygon(QPolygonF({QPointF(48, 64), QPointF(52, 64), QPointF(54, 84), QPointF(50, 90), QPointF(46, 84)}));
    Gesicht(p, QPointF(50, 38), 18, QColor(255, 204, 153));
    p.setBrush(QColor(93, 64, 55));
    p.drawChord(QRectF(32, 19, 36, 26), 20 * 16, 140 * 16);
}

void Spieler(QPainter& p, const QColor& trikot, const QString& nummer)
{
    Hintergrund(p, QColor(200, 230, 201));
    Stift(p);
    p.setBrush(trikot);
    QPolygonF hemd({QPointF(30, 48), QPointF(42, 44), QPointF(58, 44), QPointF(70, 48), QPointF(80, 62),
                    QPointF(70, 68), QPointF(68, 94), QPointF(32, 94), QPointF(30, 68), QPointF(20, 62)});
    p.drawPolygon(hemd);
    p.setFont(Schrift(14, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(32, 58, 36, 28), Qt::AlignCenter, nummer);
    Gesicht(p, QPointF(50, 28), 15, QColor(255, 204, 153));
    Ball(p, QPointF(84, 86), 9);
}

void Verletzung(QPainter& p)
{
    Hintergrund(p, QColor(255, 205, 210));
    Gesicht(p, QPointF(50, 52), 32, QColor(255, 204, 153), false);
    // Pflaster über Kreuz
    p.save();
    p.translate(34, 34);
    Stift(p, 1.5);
    p.setBrush(QColor(255, 224, 178));
    p.rotate(45);
    p.drawRoundedRect(QRectF(-16, -5, 32, 10), 4, 4);
    p.rotate(-90);
    p.drawRoundedRect(QRectF(-16, -5, 32, 10), 4, 4);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(Farbe::Rot);
    p.drawRect(QRectF(74, 10, 6, 18));
    p.drawRect(QRectF(68, 16, 18, 6));
}

void Wunder(QPainter& p)
{
    Hintergrund(p, QColor(225, 190, 231));
    p.setPen(QPen(Farbe::Sonne, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(30, 10, 40, 12));
    Gesicht(p, QPointF(50, 55), 28, QColor(255, 204, 153));
    Sterne(p, {QPointF(16, 20), QPointF(84, 26), QPointF(82, 80), QPointF(18, 82)}, 7, Farbe::Sonne);
}

void Nichts(QPainter& p)
{
    Hintergrund(p, QColor(207, 216, 220));
    Gesicht(p, QPointF(50, 58), 26, QColor(255, 204, 153), false);
    p.setFont(Schrift(26, true));
    p.setPen(Farbe::Nacht);
    p.drawText(QRectF(55, 0, 40, 40), Qt::AlignCenter, QStringLiteral("?"));
    p.drawText(QRectF(5, 0, 40, 40), Qt::AlignCenter, QStringLiteral("?"));
}

void Diskette(QPainter& p)
{
    Hintergrund(p, QColor(187, 222, 251));
    Stift(p);
    p.setBrush(Farbe::Nacht);
    QPolygonF d({QPointF(18, 14), QPointF(74, 14), QPointF(86, 26), QPointF(86, 86), QPointF(18, 86)});
    p.drawPolygon(d);
    p.setBrush(QColor(189, 189, 189));
    p.drawRect(QRectF(32, 14, 34, 22));
    p.setBrush(Farbe::Nacht);
    p.drawRect(QRectF(54, 18, 8, 14));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(26, 48, 52, 32), 3, 3);
    Ball(p, QPointF(52, 64), 11);
}

void Geld(QPainter& p)
{
    Hintergrund(p, QColor(220, 237, 200));
    Stift(p);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(129, 199, 132));
        p.drawRoundedRect(QRectF(12 + i * 4, 24 + i * 8, 56, 30), 3, 3);
    }
    p.setFont(Schrift(16, true));
    p.setPen(Farbe::Rasen.darker(150));
    p.drawText(QRectF(20, 40, 56, 30), Qt::AlignCenter, QStringLiteral("€"));
    Stift(p);
    const QColor gold(255, 193, 7);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(gold);
        p.drawEllipse(QRectF(60, 76 - i * 7, 28, 12));
    }
}

void Zeugnis(QPainter& p)
{
    Hintergrund(p, QColor(255, 236, 179));
    Stift(p);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(22, 10, 56, 78));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(30, 48 + i * 9), QPointF(70, 48 + i * 9));
    Sterne(p, {QPointF(36, 28), QPointF(50, 24), QPointF(64, 28)}, 7, Farbe::Sonne);
    p.setPen(QPen(Farbe::Rot, 3));
    p.drawLine(QPointF(60, 80), QPointF(68, 88));
    p.drawLine(QPointF(68, 88), QPointF(86, 66));
}

void Sessel(QPainter& p)
{
    Hintergrund(p, QColor(255, 204, 188));
    Stift(p);
    p.setBrush(Farbe::Rot);
    p.drawRoundedRect(QRectF(26, 14, 48, 50), 10, 10);
    p.setBrush(Farbe::Rot.darker(120));
    p.drawRoundedRect(QRectF(18, 50, 64, 24), 8, 8);
    p.drawRoundedRect(QRectF(12, 40, 14, 34), 6, 6);
    p.drawRoundedRect(QRectF(74, 40, 14, 34), 6, 6);
    p.setBrush(Umriss);
    p.drawRect(QRectF(22, 74, 6, 12));
    p.drawRect(QRectF(72, 74, 6, 12));
    Sterne(p, {QPointF(50, 36)}, 9, Farbe::Sonne);
}

void Pleite(QPainter& p)
{
    Hintergrund(p, QColor(255, 205, 210));
    // Das zerbrochene Sparschwein
    Stift(p);
    p.setBrush(QColor(248, 187, 208));
    p.drawChord(QRectF(14, 30, 72, 56), 0, 180 * 16);
    p.drawPolygon(QPolygonF({QPointF(14, 58), QPointF(40, 58), QPointF(34, 66), QPointF(46, 74), QPointF(14, 74)}));
    p.drawPolygon(QPolygonF({QPointF(86, 58), QPointF(56, 58), QPointF(62, 68), QPointF(52, 74), QPointF(86, 74)}));
    p.drawEllipse(QRectF(80, 44, 12, 12));
    p.setBrush(Umriss);
    p.drawEllipse(QPointF(70, 44), 2, 2);
    p.drawRect(QRectF(44, 32, 12, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 193, 7));
    p.drawEllipse(QRectF(36, 82, 10, 5));
    p.drawEllipse(QRectF(56, 84, 10, 5));
}

void Ausgang(QPainter& p)
{
    Hintergrund(p, QColor(200, 230, 201));
    Stift(p);
    p.setBrush(QColor(141, 110, 99));
    p.drawRect(QRectF(46, 14, 36, 76));
    p.setBrush(Farbe::Sonne);
    p.drawEllipse(QPointF(76, 54), 3, 3);
    // Wegrennendes Männchen
    p.setPen(QPen(Farbe::Rasen, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(28, 28), 6, 6);
    p.drawLine(QPointF(26, 36), QPointF(22, 58));
    p.drawLine(QPointF(22, 58), QPointF(12, 76));
    p.drawLine(QPointF(22, 58), QPointF(34, 74));
    p.drawLine(QPointF(24, 44), QPointF(38, 50));
    p.drawLine(QPointF(24, 44), QPointF(12, 50));
}

void Ende(QPainter& p)
{
    Hintergrund(p, QColor(255, 171, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 235, 59));
    p.drawEllipse(QPointF(50, 62), 26, 26);
    p.setBrush(QColor(255, 138, 101));
    p.drawRect(QRectF(2, 62, 96, 10));
    Rasenflaeche(p, QRectF(4, 70, 92, 26));
    Stift(p, 2);
    p.setBrush(Qt::white);
    p.drawLine(QPointF(20, 70), QPointF(20, 50));
    p.drawLine(QPointF(80, 70), QPointF(80, 50));
    p.drawLine(QPointF(20, 50), QPointF(80, 50));
    Sterne(p, {QPointF(14, 14), QPointF(86, 20)}, 4, Qt::white);
}

void Systemcheck(QPainter& p)
{
    Hintergrund(p, Farbe::Rasen);
    // Zahnrad hinter dem Ball
    p.save();
    p.translate(50, 50);
    Stift(p, 2);
    p.setBrush(QColor(176, 190, 197));
    for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-6, -42, 12, 14));
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 32, 32);
    p.restore();
    Ball(p, QPointF(50, 50), 22);
}

void Start(QPainter& p)
{
    Hintergrund(p, Farbe::Himmel);
    Rasenflaeche(p, QRectF(2, 50, 96, 48));
    // Tor
    Stift(p, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(58, 62), QPointF(58, 30));
    p.drawLine(QPointF(58, 30), QPointF(94, 30));
    p.drawLine(QPointF(94, 30), QPointF(94, 62));
    p.setPen(QPen(QColor(255, 255, 255, 140), 0.8));
    for (int i = 1; i < 6; ++i) p.drawLine(QPointF(58 + i * 6, 30), QPointF(58 + i * 6, 62));
    for (int i = 1; i < 5; ++i) p.drawLine(QPointF(58, 30 + i * 6.4), QPointF(94, 30 + i * 6.4));
    Ball(p, QPointF(28, 74), 12);
    p.setPen(QPen(Qt::white, 1.5, Qt::DashLine));
    p.drawArc(QRectF(30, 36, 56, 60), 60 * 16, 100 * 16);
}

void Hilfe(QPainter& p)
{
    Hintergrund(p, QColor(187, 222, 251));
    Stift(p, 3);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 50), 38, 38);
    p.setFont(Schrift(40, true));
    p.setPen(Farbe::Nacht);
    p.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter, QStringLiteral("?"));
}

void Info(QPainter& p)
{
    Hintergrund(p, QColor(200, 230, 201));
    Stift(p, 3);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 50), 38, 38);
    p.setFont(Schrift(40, true));
    p.setPen(Farbe::Rasen);
    p.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter, QStringLiteral("i"));
}

// Die zwölf Sondertrainer: jeder bekommt ein eigenes Gesicht aus Haut, Haar, Brille und Bart.
void Trainer(QPainter& p, int n)
{
    const QColor hintergrund[] = {QColor(255, 224, 178), QColor(200, 230, 201), QColor(187, 222, 251),
                                  QColor(225, 190, 231)};
    const QColor haut[] = {QColor(255, 204, 153), QColor(241, 194, 125), QColor(224, 172, 105),
                           QColor(198, 134, 66), QColor(141, 85, 36)};
    const QColor haar[] = {QColor(93, 64, 55), QColor(33, 33, 33), QColor(255, 213, 79), QColor(189, 189, 189),
                           QColor(230, 81, 0), QColor(245, 245, 245)};
    Hintergrund(p, hintergrund[n % 4]);
    Stift(p);
    p.setBrush(n % 2 ? Farbe::Rasen : Farbe::Nacht);
    p.drawChord(QRectF(14, 70, 72, 60), 0, 180 * 16);
    const QColor h = haut[(n * 3) % 5];
    Gesicht(p, QPointF(50, 46), 24, h, n % 3 != 1);
    Stift(p);
    p.setBrush(haar[n % 6]);
    if (n % 4 != 3) p.drawChord(QRectF(24, 20, 52, 34), 10 * 16, 160 * 16); // Haare, sonst Glatze
    if (n % 3 == 0) {                                                          // Brille
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(41, 43), 6, 6);
        p.drawEllipse(QPointF(59, 43), 6, 6);
        p.drawLine(QPointF(47, 43), QPointF(53, 43));
    }
    if (n % 5 == 2) { // Schnauzbart
        p.setBrush(haar[n % 6]);
        p.drawChord(QRectF(38, 52, 24, 10), 0, 180 * 16);
    }
    // Trillerpfeife an der Kordel
    p.setPen(QPen(Farbe::Sonne, 1.5));
    p.drawLine(QPointF(40, 70), QPointF(50, 84));
    p.drawLine(QPointF(60, 70), QPointF(50, 84));
    Stift(p, 1.2);
    p.setBrush(QColor(189, 189, 189));
    p.drawRoundedRect(QRectF(46, 82, 12, 6), 2, 2);
    p.setFont(Schrift(9, true));
    p.setPen(Umriss);
    p.drawText(QRectF(74, 4, 22, 16), Qt::AlignCenter, QString::number(n));
}

using Zeichner = std::function<void(QPainter&)>;

const std::map<QString, Zeichner>& Zeichnungen()
{
    static const std::map<QString, Zeichner> z = [] {
        std::map<QString, Zeichner> m;
        m[QStringLiteral("ball")] = [](QPainter& p) {
            Hintergrund(p, Farbe::RasenHell);
            Ball(p, QPointF(50, 50), 36);
        };
        m[QStringLiteral("pokal")] = [](QPainter& p) {
            Hintergrund(p, QColor(255, 236, 179));
            Pokal(p, QPointF(50, 52), 1.2);
        };
        m[QStringLiteral("baelle")] = [](QPainter& p) { // Trainingsbälle im Netz
            Hintergrund(p, Farbe::RasenHell);
            for (const QPointF b : {QPointF(34, 62), QPointF(66, 62), QPointF(50, 36)}) Ball(p, b, 17);
        };
        m[QStringLiteral("stadion")] = [](QPainter& p) { Stadion(p, false); };
        m[QStringLiteral("linke")] = [](QPainter& p) { Stadion(p, true); };
        m[QStringLiteral("manager")] = Manager;
        m[QStringLiteral("spieler")] = [](QPainter& p) { Spieler(p, Farbe::Rot, QStringLiteral("10")); };
        m[QStringLiteral("verletzung")] = Verletzung;
        m[QStringLiteral("wunder")] = Wunder;
        m[QStringLiteral("nichts")] = Nichts;
        m[QStringLiteral("diskette")] = Diskette;
        m[QStringLiteral("geld")] = Geld;
        m[QStringLiteral("zeugnis")] = Zeugnis;
        m[QStringLiteral("sessel")] = Sessel;
        m[QStringLiteral("pleite")] = Pleite;
        m[QStringLiteral("ausgang")] = Ausgang;
        m[QStringLiteral("ende")] = Ende;
        m[QStringLiteral("systemcheck")] = Systemcheck;
        m[QStringLiteral("start")] = Start;
        m[QStringLiteral("hilfe")] = Hilfe;
        m[QStringLiteral("info")] = Info;
        for (int n = 1; n <= 12; ++n)
            m[QStringLiteral("trainer%1").arg(n)] = [n](QPainter& p) { Trainer(p, n); };
        return m;
    }();
    return z;
}

} // namespace

QStringList BildNamen()
{
    QStringList n;
    for (const auto& [name, _] : Zeichnungen()) n << name;
    return n;
}

QPixmap Malgrund(QSize groesse)
{
    const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap bild(groesse * dpr);
    bild.setDevicePixelRatio(dpr);
    return bild;
}

QLabel* Bildschild(QWidget* eltern, const QString& name, QSize groesse)
{
    auto* l = new QLabel(eltern);
    l->setAlignment(Qt::AlignCenter);
    l->setPixmap(Bild(name, groesse));
    return l;
}

QPixmap Bild(const QString& name, QSize groesse)
{
    // Bei vergrößerten Fenstern (Zoom) in voller Auflösung, damit nichts verschwimmt.
    const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString datei = QString::fromStdString(Pfade.Grafik) + name + QStringLiteral(".png");
    if (!Pfade.Grafik.empty() && QFile::exists(datei)) {
        QPixmap geladen(datei);
        if (!geladen.isNull()) {
            QPixmap b = geladen.scaled(groesse * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            b.setDevicePixelRatio(dpr);
            return b;
        }
    }
    QPixmap bild = Malgrund(groesse);
    bild.fill(Qt::transparent);
    const auto it = Zeichnungen().find(name);
    if (it == Zeichnungen().end()) return bild;
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(groesse.width() / 100.0, groesse.height() / 100.0);
    // Alles bleibt in der runden Kachel, auch was bis an den Rand gemalt wird.
    QPainterPath kachel;
    kachel.addRoundedRect(QRectF(2, 2, 96, 96), 14, 14);
    p.setClipPath(kachel);
    it->second(p);
    return bild;
}

QString NachrichtBildName(int bild)
{
    static const char* const namen[] = {"ball",    "verletzung", "wunder",  "nichts",  "diskette",
                                        "baelle",  "geld",       "zeugnis", "spieler", "sessel"};
    if (bild >= 0 && bild <= 9) return QString::fromLatin1(namen[bild]);
    if (bild >= 101 && bild <= 112) return QStringLiteral("trainer%1").arg(bild - 100);
    return {};
}

} // namespace torvane

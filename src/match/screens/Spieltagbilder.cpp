#include "match/screens/Spieltagbilder.h"

#include "core/Pfade.h"
#include "core/screens/Stil.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <array>
#include <cmath>

namespace torvane {

namespace {

const QColor Umriss{38, 50, 56};
const QColor RasenDunkel{56, 142, 60};
const QColor RasenLicht{76, 164, 80};
const QColor Kreide{250, 250, 245};

// Eine eigene Datei in grafik/spieltag/ geht vor, wenn sie sich laden lässt und passt.
bool AusDatei(const QString& name, QSize groesse, QPixmap& bild)
{
    if (Pfade.Grafik.empty()) return false;
    const QString datei = QString::fromUtf8(Pfade.Grafik.c_str()) + QStringLiteral("spieltag/") + name +
                          QStringLiteral(".png");
    if (!QFile::exists(datei)) return false;
    QPixmap p;
    if (!p.load(datei) || p.isNull()) return false;
    bild = p.size() == groesse ? p : p.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return true;
}

QPixmap Leer(QSize groesse)
{
    QPixmap p(groesse);
    p.fill(Qt::transparent);
    return p;
}

void Tor(QPainter& p, qreal x, qreal breite)
{
    // Ein Tor mit Netz; links ragt es nach außen, rechts ebenso.
    const QRectF r(x, 122, breite, 56);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRect(r);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    for (qreal y = r.top() + 7; y < r.bottom(); y += 7) p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    for (qreal xx = r.left() + 3; xx < r.right(); xx += 3) p.drawLine(QPointF(xx, r.top()), QPointF(xx, r.bottom()));
    p.setPen(QPen(Kreide, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

QPixmap Spielfeld()
{
    QPixmap bild(500, 300);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // Gemähte Streifen
    for (int i = 0; i < 10; ++i) p.fillRect(QRect(i * 50, 0, 50, 300), i % 2 ? RasenDunkel : RasenLicht);
    p.setPen(QPen(Kreide, 2));
    p.setBrush(Qt::NoBrush);
    const QRectF feld(14, 12, 472, 276);
    p.drawRect(feld);
    p.drawLine(QPointF(250, feld.top()), QPointF(250, feld.bottom()));
    p.drawEllipse(QPointF(250, 150), 40, 40);
    p.setBrush(Kreide);
    p.drawEllipse(QPointF(250, 150), 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
    // Strafräume, Torräume, Elfmeterpunkte, Teilkreise
    for (const bool links : {true, false}) {
        const qreal linie = links ? feld.left() : feld.right();
        const qreal richtung = links ? 1.0 : -1.0;
        const qreal tiefe16 = 70, tiefe5 = 24;
        const QRectF strafraum = links ? QRectF(linie, 70, tiefe16, 160) : QRectF(linie - tiefe16, 70, tiefe16, 160);
        const QRectF torraum = links ? QRectF(linie, 115, tiefe5, 70) : QRectF(linie - tiefe5, 115, tiefe5, 70);
        p.drawRect(strafraum);
        p.drawRect(torraum);
        const QPointF punkt(linie + richtung * 48, 150);
        p.setBrush(Kreide);
        p.drawEllipse(punkt, 2, 2);
        p.setBrush(Qt::NoBrush);
        const QRectF bogen(punkt.x() - 32, 150 - 32, 64, 64);
        if (links) p.drawArc(bogen, -52 * 16, 104 * 16);
        else p.drawArc(bogen, 128 * 16, 104 * 16);
        Tor(p, links ? linie - 10 : linie, 10);
    }
    // Eckfahnen-Viertelkreise
    const qreal r = 8;
    p.drawArc(QRectF(feld.left() - r, feld.top() - r, 2 * r, 2 * r), 270 * 16, 90 * 16);
    p.drawArc(QRectF(feld.right() - r, feld.top() - r, 2 * r, 2 * r), 180 * 16, 90 * 16);
    p.drawArc(QRectF(feld.left() - r, feld.bottom() - r, 2 * r, 2 * r), 0, 90 * 16);
    p.drawArc(QRectF(feld.right() - r, feld.bottom() - r, 2 * r, 2 * r), 90 * 16, 90 * 16);
    return bild;
}

QPolygonF Fuenfeck(QPointF z, qreal r, qreal drehung)
{
    QPolygonF f;
    for (int i = 0; i < 5; ++i) {
        const qreal w = qDegreesToRadians(drehung + i * 72.0 - 90.0);
        f << QPointF(z.x() + r * std::cos(w), z.y() + r * std::sin(w));
    }
    return f;
}

// Bild 5..11: der Ball, je Bild um 18 Grad gedreht. Vier Schritte ergeben 72 Grad,
// also wieder dasselbe Muster: der Sprung von 11 auf 8 fällt nicht auf.
QPixmap BallBild(int nummer)
{
    QPixmap bild = Leer({32, 32});
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF m(16, 15);
    const qreal r = 8.5;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(17.5, 25), 7.5, 2.5);
    p.setPen(QPen(Umriss, 1.1));
    p.setBrush(Qt::white);
    p.drawEllipse(m, r, r);
    const qreal drehung = (nummer - 8) * 18.0;
    p.save();
    QPainterPath kreis;
    kreis.addEllipse(m, r, r);
    p.setClipPath(kreis);
    p.setBrush(Umriss);
    p.drawPolygon(Fuenfeck(m, r * 0.36, drehung));
    for (int i = 0; i < 5; ++i) {
        const qreal w = qDegreesToRadians(drehung + i * 72.0 - 90.0);
        const QPointF z(m.x() + r * 1.0 * std::cos(w), m.y() + r * 1.0 * std::sin(w));
        p.drawPolygon(Fuenfeck(z, r * 0.30, drehung + 36));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Umriss, 1.1));
    p.drawEllipse(m, r, r);
    return bild;
}

// Bild 3 und 4: ein Spieler im Lauf, Heim in Rot, Gast in Blau.
QPixmap SpielerBild(bool heim)
{
    QPixmap bild = Leer({32, 32});
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor trikot = heim ? QColor(211, 47, 47) : QColor(30, 136, 229);
    const QColor hose = heim ? Qt::white : QColor(13, 71, 161);
    const QColor haut(255, 204, 128);
    // Wer nach rechts stürmt, schaut nach rechts.
    const qreal s = heim ? -1.0 : 1.0;
    auto x = [s](qreal v) { return 16 + s * (v - 16); };
    p.setPen(QPen(Umriss, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Beine im Schritt
    p.setPen(QPen(Umriss, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x(15), 21), QPointF(x(10), 29));
    p.drawLine(QPointF(x(17), 21), QPointF(x(22), 28));
    p.setPen(QPen(Umriss, 1.2));
    p.setBrush(hose);
    p.drawRoundedRect(QRectF(11.5, 18, 9, 5), 1.5, 1.5);
    // Rumpf und Arme
    p.setBrush(trikot);
    QPolygonF rumpf;
    rumpf << QPointF(x(11), 10) << QPointF(x(21), 10) << QPointF(x(20.5), 19) << QPointF(x(11.5), 19);
    p.drawPolygon(rumpf);
    p.setPen(QPen(trikot.darker(130), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x(20.5), 11.5), QPointF(x(26), 16));
    p.drawLine(QPointF(x(11.5), 11.5), QPointF(x(7), 8));
    // Kopf
    p.setPen(QPen(Umriss, 1.2));
    p.setBrush(haut);
    p.drawEllipse(QPointF(x(16.5), 5.5), 4, 4);
    return bild;
}

QPixmap KarteBild(const QColor& farbe)
{
    QPixmap bild = Leer({32, 32});
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(-12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(QRectF(-8, -11, 18, 25), 2.5, 2.5);
    p.setPen(QPen(Umriss, 1.2));
    p.setBrush(farbe);
    p.drawRoundedRect(QRectF(-9.5, -13, 18, 25), 2.5, 2.5);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawLine(QPointF(-6, -10), QPointF(-6, -4));
    return bild;
}

QPixmap VerletzungBild()
{
    QPixmap bild = Leer({32, 32});
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Umriss, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(211, 47, 47));
    p.drawRect(QRectF(13, 7, 6, 18));
    p.drawRect(QRectF(7, 13, 18, 6));
    return bild;
}

QPixmap Muster()
{
    QPixmap bild(24, 24);
    bild.fill(Farbe::Creme);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor zart(Farbe::RasenHell.red(), Farbe::RasenHell.green(), Farbe::RasenHell.blue(), 38);
    p.setPen(Qt::NoPen);
    p.setBrush(zart);
    // Ein kleines Karo mit Punkt: ruhig genug, dass die Schrift darauf lesbar bleibt.
    QPolygonF raute;
    raute << QPointF(12, 2) << QPointF(22, 12) << QPointF(12, 22) << QPointF(2, 12);
    p.drawPolygon(raute);
    p.setBrush(QColor(Farbe::Rasen.red(), Farbe::Rasen.green(), Farbe::Rasen.blue(), 45));
    p.drawEllipse(QPointF(0, 0), 1.6, 1.6);
    p.drawEllipse(QPointF(24, 0), 1.6, 1.6);
    p.drawEllipse(QPointF(0, 24), 1.6, 1.6);
    p.drawEllipse(QPointF(24, 24), 1.6, 1.6);
    return bild;
}

} // namespace

QFont CourierSchrift(int punkte, bool fett)
{
    QFont f(QStringLiteral("Courier New"));
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("Nimbus Mono PS")});
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}

QString CourierCss()
{
    return QStringLiteral("font-family: 'Courier New', 'DejaVu Sans Mono', 'Liberation Mono', monospace;");
}

QString SpieltagBildName(int symbol)
{
    switch (symbol) {
    case 0: return QStringLiteral("gelb");
    case 1: return QStringLiteral("rot");
    case 2: return QStringLiteral("verletzt");
    case 3: return QStringLiteral("heimspieler");
    case 4: return QStringLiteral("gastspieler");
    default:
        if (symbol >= 5 && symbol <= 11) return QStringLiteral("ball%1").arg(symbol);
        return QString();
    }
}

QPixmap SpielfeldBild()
{
    static QPixmap gemerkt;
    if (gemerkt.isNull() && !AusDatei(QStringLiteral("platz"), {500, 300}, gemerkt)) gemerkt = Spielfeld();
    return gemerkt;
}

QPixmap SpieltagSymbol(int index)
{
    static std::array<QPixmap, 12> gemerkt;
    if (index < 0 || index > 11) return Leer({SpieltagSymbolGroesse, SpieltagSymbolGroesse});
    QPixmap& b = gemerkt[static_cast<size_t>(index)];
    if (!b.isNull()) return b;
    if (AusDatei(SpieltagBildName(index), {SpieltagSymbolGroesse, SpieltagSymbolGroesse}, b)) return b;
    switch (index) {
    case 0: b = KarteBild(QColor(255, 214, 0)); break;
    case 1: b = KarteBild(QColor(229, 57, 53)); break;
    case 2: b = VerletzungBild(); break;
    case 3: b = SpielerBild(true); break;
    case 4: b = SpielerBild(false); break;
    default: b = BallBild(index); break;
    }
    return b;
}

QPixmap HintergrundMuster()
{
    static QPixmap gemerkt;
    if (gemerkt.isNull() && !AusDatei(QStringLiteral("muster"), {24, 24}, gemerkt)) gemerkt = Muster();
    return gemerkt;
}

} // namespace torvane

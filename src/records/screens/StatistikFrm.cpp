#include "records/screens/StatistikFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "records/Grafik.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <vector>

namespace torvane {

TStatistikF* StatistikF = nullptr;

namespace {

const QColor Grau(160, 160, 164);
const QColor Rahmen(110, 110, 114);
const QColor Gitter(96, 96, 96);
const QColor GitterHell(215, 215, 215);
const QColor Silber(192, 192, 192);
const QColor Blassgelb(255, 255, 204);

QFont Arial(int punkte, bool fett = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}

void Titel(QPainter& p, int x, const std::string& text)
{
    p.setFont(Arial(10, true));
    p.setPen(QColor(0, 0, 200));
    p.drawText(QRect(x, 2, 440, 16), Qt::AlignLeft | Qt::AlignVCenter, Q(text));
}

// Beschriftung, die rechtsbündig bei x endet; y ist die Oberkante.
void Achse(QPainter& p, int x, int y, int zahl)
{
    p.setFont(Arial(8));
    p.setPen(Qt::black);
    p.drawText(QRect(0, y, x, 12), Qt::AlignRight | Qt::AlignVCenter, QString::number(zahl));
}

// Graue Fläche, Titel und Rahmen: der Grund jeder der drei Grafiken.
void Grundbild(QPainter& p, int titelX, const std::string& titel, QRect rahmen)
{
    p.fillRect(QRect(0, 0, p.device()->width(), p.device()->height()), Grau);
    Titel(p, titelX, titel);
    p.setPen(Rahmen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rahmen.adjusted(0, 0, -1, -1));
}

QPixmap Geldbild(int m)
{
    Statistik_& st = S.Statistik[m];
    QPixmap bild(480, 279);
    QPainter p(&bild);
    Grundbild(p, 42, GeldTitel(m), QRect(25, 20, 445, 250));
    const int neu = st.Geldpunkte[147];
    for (int k = 26; k >= 1; --k) {
        Achse(p, 24, 10 * k + 3, GeldAchse(st.Geldgrenze, k));
        if (k >= 2) {
            p.setPen(GeldLinieAktuell(neu, k) ? GitterHell : Gitter);
            p.drawLine(24, 10 * k, 469, 10 * k);
        }
    }
    for (int i = 1; i <= 147; ++i) {
        const QPoint a(3 * i + 23, 269 - st.Geldpunkte[i - 1]), b(3 * i + 26, 269 - st.Geldpunkte[i]);
        const bool letzter = i == 147;
        p.setPen(QPen(letzter ? Farbe::Sonne : Qt::black, 1));
        p.drawLine(a + QPoint(1, 1), b + QPoint(1, 1));
        p.setPen(QPen(letzter ? Farbe::Sonne : Qt::white, 1));
        p.drawLine(a, b);
    }
    return bild;
}

QPixmap Platzbild(int m)
{
    Statistik_& st = S.Statistik[m];
    QPixmap bild(265, 230);
    QPainter p(&bild);
    Grundbild(p, 42, PlatzTitel(), QRect(17, 21, 240, 201));
    for (int platz = 1; platz <= 18; ++platz) {
        Achse(p, 16, 11 * platz + 10 - 4, platz);
        p.setPen(Gitter);
        p.drawLine(10, 11 * platz + 22, 256, 11 * platz + 22);
    }
    for (int d = 1; d <= 34; ++d) {
        const int platz = PlatzByte(st, d);
        const int oben = 11 * platz + 11;
        if (oben < 221) p.fillRect(7 * d + 11, oben, 7, 221 - oben, Silber);
        else p.fillRect(7 * d + 11, 220, 7, 1, Silber);
    }
    return bild;
}

QPixmap Staerkebild(int m)
{
    Statistik_& st = S.Statistik[m];
    QPixmap bild(200, 177);
    QPainter p(&bild);
    Grundbild(p, 40, StaerkeTitel(m), QRect(21, 27, 170, 141));
    for (int s = 0; s <= 140; s += 10) {
        Achse(p, 20, s + 20 + 1, 140 - s);
        if (s < 130) {
            p.setPen(Gitter);
            p.drawLine(20, s + 37, 190, s + 37);
        }
    }
    for (int i = 1; i <= 168; ++i) {
        const int wert = StaerkeByte(st, i);
        if (wert == 0) continue;
        p.setPen(i >= 167 ? Farbe::Sonne : Farbe::Rot);
        p.drawLine(i + 21, 166, i + 21, 166 - wert);
    }
    return bild;
}

QLabel* Bildfeld(QWidget* eltern, const QString& name, QRect ort)
{
    auto* l = Element<QLabel>(eltern, name, ort);
    l->setMouseTracking(true);
    return l;
}

} // namespace

TStatistikF::TStatistikF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("StatistikF"), Tq("Statistik"));
    setFixedSize(500, 530);
    setMouseTracking(true);
    Image1 = Bildfeld(this, QStringLiteral("Image1"), QRect(10, 10, 480, 279));
    Image2 = Bildfeld(this, QStringLiteral("Image2"), QRect(10, 295, 265, 230));
    Image3 = Bildfeld(this, QStringLiteral("Image3"), QRect(290, 295, 200, 177));
    for (QLabel* l : {Image1, Image2, Image3}) l->installEventFilter(this);
    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFont(Arial(8));
    Panel1->setAutoFillBackground(true);
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setStyleSheet(QStringLiteral("background: %1; color: black; padding: 2px;").arg(Hex(Blassgelb)));
    Panel1->hide();
}

void TStatistikF::zeigen()
{
    zeichnen();
    AmStandardOrt(this);
}

void TStatistikF::zeichnen()
{
    const int m = S.AktManager;
    Panel1->hide();
    GrafikAuffrischen(m);
    Image1->setPixmap(Geldbild(m));
    Image2->setPixmap(Platzbild(m));
    Image3->setPixmap(Staerkebild(m));
}

void TStatistikF::hinweis(QLabel* bild, QPoint p)
{
    std::string text;
    if (bild == Image2) text = PlatzHinweis(S.AktManager, p.x(), p.y());
    else if (bild == Image3) text = StaerkeHinweis(S.AktManager, p.x(), p.y());
    if (text.empty()) {
        Panel1->hide();
        return;
    }
    Panel1->setText(Q(text));
    Panel1->adjustSize();
    QPoint ort = bild->mapTo(this, p) + QPoint(12, 14);
    ort.setX(std::min(ort.x(), width() - Panel1->width() - 2));
    ort.setY(std::min(ort.y(), height() - Panel1->height() - 2));
    Panel1->move(ort);
    Panel1->show();
    Panel1->raise();
}

void TStatistikF::fuellen(QPoint p)
{
    QImage bild = Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    if (!bild.rect().contains(p)) return;
    const QRgb alt = bild.pixel(p), neu = qRgb(0, 0, 0);
    if (alt == neu) return;
    std::vector<QPoint> offen{p};
    while (!offen.empty()) {
        const QPoint q = offen.back();
        offen.pop_back();
        if (!bild.rect().contains(q) || bild.pixel(q) != alt) continue;
        bild.setPixel(q, neu);
        offen.insert(offen.end(), {q + QPoint(1, 0), q - QPoint(1, 0), q + QPoint(0, 1), q - QPoint(0, 1)});
    }
    Image1->setPixmap(QPixmap::fromImage(bild));
}

bool TStatistikF::eventFilter(QObject* o, QEvent* e)
{
    auto* bild = qobject_cast<QLabel*>(o);
    if (bild && e->type() == QEvent::MouseMove) {
        hinweis(bild, static_cast<QMouseEvent*>(e)->position().toPoint());
        return true; // sonst blendet das Fenster darunter den Hinweis gleich wieder aus
    }
    if (bild && e->type() == QEvent::Leave)
        Panel1->hide();
    else if (bild == Image1 && e->type() == QEvent::MouseButtonPress)
        fuellen(static_cast<QMouseEvent*>(e)->position().toPoint());
    return QDialog::eventFilter(o, e);
}

void TStatistikF::mouseMoveEvent(QMouseEvent* e)
{
    Panel1->hide();
    QDialog::mouseMoveEvent(e);
}

} // namespace torvane

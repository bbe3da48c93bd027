#include "records/screens/LegendeFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "records/Karriere.h"

#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QSignalBlocker>

namespace torvane {

TLegendeF* LegendeF = nullptr;

namespace {

constexpr int RasterY = 60; // Oberkante der Kopfzeile

} // namespace

TLegendeF::TLegendeF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("LegendeF"), Tq("Legende"));
    setFixedSize(720, 540);
    auto* titel = Kopfzeile(Tq("Legende"), this);
    titel->setObjectName(QStringLiteral("Titel"));
    titel->setGeometry(10, 8, 700, 34);

    // Die Namen der Wettbewerbe bleiben in jeder Sprache.
    const char* const koepfe[7] = {N_("Saison"), "Liga", N_("Platz"), "DFB-Pokal", "UEFA-Pokal",
                                   "P. d. Pokalsieger", "Championslig"};
    const int links[7] = {10, 70, 120, 170, 290, 410, 540};
    const int breiten[7] = {58, 48, 48, 118, 118, 128, 140};
    const QColor farben[7] = {palette().color(QPalette::Window), Qt::white, QColor(0, 255, 0),
                              QColor(250, 250, 100), QColor(250, 250, 140), QColor(250, 250, 180),
                              QColor(250, 250, 220)};
    QFont kopfSchrift = Schrift(9, true);
    QFont zellSchrift = kopfSchrift;
    zellSchrift.setPointSize(kopfSchrift.pointSize() + 1);
    for (int c = 0; c < 7; ++c) {
        QLabel* k = Schild(this, QStringLiteral("Kopf%1").arg(c + 1), QRect(links[c], RasterY, breiten[c], 24),
                           kopfSchrift);
        k->setText(c == 1 ? TCq("Spaltentitel", "Liga") : c < 3 ? Tq(koepfe[c]) : QString::fromUtf8(koepfe[c]));
        Kopf[static_cast<size_t>(c)] = k;
        // Die letzte Spalte heißt im Spiel so kurz; der Tipp sagt, was gemeint ist.
        if (c == 6) k->setToolTip(QStringLiteral("Champions League"));
        for (int r = 0; r < 10; ++r) {
            // Jede Zelle nimmt Breite, linken Rand und Höhe ihres Kopfes.
            QLabel* z = Schild(this, QStringLiteral("Zelle%1_%2").arg(r).arg(c),
                               QRect(links[c], RasterY + 26 * r + 25, breiten[c], 24), zellSchrift);
            z->setAutoFillBackground(true);
            QPalette p = z->palette();
            p.setColor(QPalette::Window, farben[c]);
            p.setColor(QPalette::WindowText, Qt::black);
            z->setPalette(p);
            Zellen[static_cast<size_t>(r)][static_cast<size_t>(c)] = z;
        }
    }
    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(684, RasterY + 25, 18, 26 * 10 - 2);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { rasterZeigen(); });

    const char* const quoten[5] = {N_("Spiele gesamt"), N_(" Gewonnene Heimspiele"), N_(" Gewonnene Auswärtsspiele"),
                                   N_(" Gewinnquote"), N_(" Unentschiedenquote")};
    const int statY = RasterY + 25 + 26 * 10 + 40;
    Label3D1 = Schild(this, QStringLiteral("Label3D1"), QRect(10, statY - 32, 600, 24), Schrift(10, true),
                      Qt::AlignLeft);
    for (int i = 0; i < 5; ++i) {
        const int x = 10 + (i % 2) * 350, y = statY + (i / 2) * 36;
        QLabel* t = Schild(this, QStringLiteral("Quote%1").arg(i + 1), QRect(x, y, 220, 32), Schrift(9),
                           Qt::AlignLeft);
        t->setText(Tq(quoten[i]));
        QLabel* w = Schild(this, QStringLiteral("Wert%1").arg(i + 1), QRect(x + 220, y, 90, 32), Schrift(10, true),
                           Qt::AlignRight);
        w->setAutoFillBackground(true);
        w->setStyleSheet(QStringLiteral("background: %1; padding-right: 4px;").arg(Hex(Farbe::Creme)));
        Werte[static_cast<size_t>(i)] = w;
    }
}

void TLegendeF::zeigen()
{
    fuellen();
    AmStandardOrt(this);
}

void TLegendeF::fuellen()
{
    const int maximum = KarriereMaximum(S.Spiel.Saison);
    {
        const QSignalBlocker b(ScrollBar1);
        ScrollBar1->setRange(0, maximum);
        ScrollBar1->setValue(maximum);
        ScrollBar1->setEnabled(maximum > 0);
    }
    rasterZeigen();
    const QString punkt = QLocale::system().decimalPoint();
    const Quoten_ q = KarriereQuoten(S.AktManager, punkt.isEmpty() ? ',' : punkt.at(0).toLatin1());
    const std::string werte[5] = {q.spiele, q.heim, q.auswaerts, q.gewinn, q.remis};
    for (size_t i = 0; i < 5; ++i) Werte[i]->setText(Q(werte[i]));
    Label3D1->setText(Q(q.ohnePunkte));
}

void TLegendeF::rasterZeigen()
{
    const auto raster = KarriereRaster(S.AktManager, ScrollBar1->value());
    for (size_t r = 0; r < raster.size(); ++r)
        for (size_t c = 0; c < 7; ++c) Zellen[r][c]->setText(Q(raster[r][c]));
}

} // namespace torvane

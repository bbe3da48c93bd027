#include "match/screens/NSpieltagFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "match/screens/Spieltagbilder.h"
#include "match/Anzeige.h"
#include "match/Spieltag.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>

namespace torvane {

TNSpieltagF* NSpieltagF = nullptr;

namespace {

constexpr int Breite = 640;
constexpr int ListeOben = 132;
constexpr int ZeilenHoehe = 32;

} // namespace

TNSpieltagF::TNSpieltagF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("NSpieltagF"), Tq("Spieltage"));
    setFixedSize(Breite, ListeOben + 9 * ZeilenHoehe + 14);

    Ueberschrift = Kopfzeile(QString(), this);
    Ueberschrift->setObjectName(QStringLiteral("Ueberschrift"));
    Ueberschrift->setGeometry(10, 8, Breite - 20, 34);

    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(20, 52, Breite - 40, 20);
    ScrollBar1->setRange(1, 34);
    ScrollBar1->setPageStep(1);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int tag) { zeichnen(liga_, tag); });

    Runde = Schild(this, QStringLiteral("Runde"), QRect(20, 80, 160, 40), Schrift(12, true), Qt::AlignLeft);
    Runde->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen.darker(130))));
    Spieltag = Schild(this, QStringLiteral("Spieltag"), QRect(180, 80, Breite - 200, 40), Schrift(13, true),
                      Qt::AlignRight);
    Spieltag->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));

    for (int p = 0; p < 9; ++p) {
        Zeile& z = Zeilen[static_cast<size_t>(p)];
        const QString n = QString::number(p + 1);
        z.Reihe = new QFrame(this);
        z.Reihe->setObjectName(QStringLiteral("Reihe") + n);
        z.Reihe->setGeometry(14, ListeOben + p * ZeilenHoehe, Breite - 28, ZeilenHoehe - 4);
        z.Reihe->setStyleSheet(QStringLiteral("QFrame#Reihe%1 { background: white; border: 1px solid %2; border-radius: 5px; }")
                                   .arg(n, Hex(Farbe::RasenHell)));
        const int h = ZeilenHoehe - 4;
        z.HeimPlatz = Schild(z.Reihe, QStringLiteral("HeimPlatz") + n, QRect(4, 0, 30, h), Schrift(9), Qt::AlignRight);
        z.Heim = Schild(z.Reihe, QStringLiteral("Heim") + n, QRect(40, 0, 220, h), Schrift(10, true), Qt::AlignLeft);
        auto* strich = Schild(z.Reihe, QStringLiteral("Strich") + n, QRect(258, 0, 14, h), Schrift(10, true),
                              Qt::AlignHCenter);
        strich->setText(QStringLiteral("-"));
        z.GastPlatz = Schild(z.Reihe, QStringLiteral("GastPlatz") + n, QRect(272, 0, 30, h), Schrift(9), Qt::AlignRight);
        z.Gast = Schild(z.Reihe, QStringLiteral("Gast") + n, QRect(308, 0, 220, h), Schrift(10, true), Qt::AlignLeft);
        z.Ergebnis = Schild(z.Reihe, QStringLiteral("Ergebnis") + n, QRect(530, 0, 70, h), CourierSchrift(12), Qt::AlignLeft);
    }
}

void TNSpieltagF::zeichnen(int liga, int tag)
{
    liga_ = std::clamp(liga, 1, 4);
    tag = std::clamp(tag, 1, 34);
    const QString ligaName = QString::fromUtf8(LigaNamen[static_cast<size_t>(liga_)]);
    setWindowTitle(Tq("Spieltage der %1").arg(ligaName));
    Ueberschrift->setText(Tq("Spieltage der %1").arg(ligaName));
    if (ScrollBar1->value() != tag) {
        const QSignalBlocker still(ScrollBar1);
        ScrollBar1->setValue(tag);
    }
    Runde->setText(tag < 18 ? Tq("Hinrunde") : Tq("Rückrunde"));
    Spieltag->setText(Tq("%1. Spieltag der %2").arg(QString::number(tag), ligaName));

    const bool daten = LigaHatVereine(liga_);
    for (int p = 1; p <= 9; ++p) {
        Zeile& z = Zeilen[static_cast<size_t>(p - 1)];
        const int heim = daten ? SpielplanMannschaft(liga_, tag, p, 0) : 0;
        const int gast = daten ? SpielplanMannschaft(liga_, tag, p, 1) : 0;
        auto verein = [](QLabel* platz, QLabel* name, int v) {
            if (v <= 0) {
                platz->clear();
                name->clear();
                return;
            }
            const Mannschaft_& m = S.Mannschaft[v];
            platz->setText(QString::number(m.Platz) + QLatin1Char('.'));
            name->setText(Q(m.Name.text()));
            const bool manager = ManagerVonVerein(v) >= 0;
            name->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(manager ? Farbe::Rot : Farbe::Tinte)));
        };
        verein(z.HeimPlatz, z.Heim, heim);
        verein(z.GastPlatz, z.Gast, gast);
        z.Ergebnis->setText(daten ? Q(ErgebnisAusrichten(S.Ergebnisse[liga_][tag][p].text())) : QString());
    }
}

void TNSpieltagF::zeigen()
{
    zeichnen(S.Spiel.AnzeigeLiga, std::clamp(static_cast<int>(S.Spiel.Spieltag), 1, 34));
    AmStandardOrt(this);
}

} // namespace torvane

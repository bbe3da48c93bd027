#include "finance/screens/InfoFrm.h"

#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "finance/Info.h"
#include "finance/screens/Tafelfelder.h"

#include <QProgressBar>

namespace torvane {

TInfoF* InfoF = nullptr;

TInfoF::TInfoF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("InfoF"), Tq("Info"), QSize(730, 560));

    auto zeile = [](QWidget* g, const QString& text, int y, const QString& name, int x = 140, int breite = 130) {
        Beschrift(g, text, QRect(12, y, x - 14, 24), 9, true);
        return Wertfeld(g, name, QRect(x, y, breite, 24));
    };
    auto neben = [](QWidget* g, int y, const QString& name, int x, int breite) {
        return Beschrift(g, QString(), QRect(x, y, breite, 24), 8, false, name);
    };

    auto* geld = Gruppe(this, Tq("Finanzen"), QRect(10, 50, 380, 326));
    Vermoegen = zeile(geld, Tq("Vereinsvermögen"), 24, QStringLiteral("Vermoegen"));
    Liquiditaet = zeile(geld, Tq("Liquidität"), 56, QStringLiteral("Liquiditaet"));
    Werbeeinnahmen = zeile(geld, Tq("Werbeeinnahmen"), 88, QStringLiteral("Werbeeinnahmen"));
    Geldanlage = zeile(geld, Tq("Geldanlage"), 120, QStringLiteral("Geldanlage"));
    Sparbuch = zeile(geld, Tq("Sparbuch"), 152, QStringLiteral("Sparbuch"));
    SparZinsen = neben(geld, 152, QStringLiteral("SparZinsen"), 276, 100);
    Kontozinsen = zeile(geld, Tq("Kontozinsen"), 184, QStringLiteral("Kontozinsen"));
    Zuschuesse = zeile(geld, Tq("Zuschüsse"), 216, QStringLiteral("Zuschuesse"));
    Einnahmen = zeile(geld, Tq("Einnahmen"), 244, QStringLiteral("Einnahmen"));
    Beschrift(geld, Tq("ohne Zuschauereinnahmen"), QRect(12, 266, 200, 16), 7);
    Kosten = zeile(geld, Tq("Kosten"), 288, QStringLiteral("Kosten"));

    auto* stadion = Gruppe(this, Tq("Stadion"), QRect(400, 50, 320, 214));
    Stadiongroesse = zeile(stadion, Tq("Stadiongröße"), 24, QStringLiteral("Stadiongroesse"), 150, 156);
    Zuschauerschnitt =
        zeile(stadion, Tq("Zuschauerschnitt"), 54, QStringLiteral("Zuschauerschnitt"), 150, 156);
    Sollschnitt = zeile(stadion, Tq("Sollschnitt"), 84, QStringLiteral("Sollschnitt"), 150, 156);
    LetzteZuschauer =
        zeile(stadion, Tq("Letzte Zuschauer"), 114, QStringLiteral("LetzteZuschauer"), 150, 156);
    Auslastung = zeile(stadion, Tq("Stadionauslastung"), 144, QStringLiteral("Auslastung"), 150, 156);
    Eintrittspreis = zeile(stadion, Tq("Eintrittspreis"), 174, QStringLiteral("Eintrittspreis"), 150, 156);

    auto* schulden = Gruppe(this, Tq("Schulden"), QRect(400, 272, 320, 134));
    Kredit = zeile(schulden, Tq("Flexibler Kredit"), 24, QStringLiteral("Kredit"), 150, 156);
    KreditZinsen = neben(schulden, 48, QStringLiteral("KreditZinsen"), 150, 160);
    Darlehen = zeile(schulden, Tq("Darlehen"), 76, QStringLiteral("Darlehen"), 150, 156);
    DarlehenText = neben(schulden, 100, QStringLiteral("DarlehenText"), 12, 300);

    Managerqualitaet =
        Gruppe(this, Tq("Managerqualität"), QRect(10, 384, 380, 148), QStringLiteral("Managerqualitaet"));
    for (int s = 0; s < 4; ++s) {
        N[s] = Beschrift(Managerqualitaet, QString(), QRect(12, 24 + s * 25, 130, 22), 9, true,
                         QStringLiteral("N%1").arg(s));
        P[s] = Balken(Managerqualitaet, QStringLiteral("P%1").arg(s), QRect(146, 26 + s * 25, 220, 18),
                      QStringLiteral("%v"));
    }

    Spieler = Gruppe(this, QString(), QRect(396, 414, 326, 136), QStringLiteral("Spieler"));
    SpielerText = Beschrift(Spieler, QString(), QRect(10, 24, 308, 104), 9, false, QStringLiteral("SpielerText"));
    SpielerText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool TInfoF::fuellen()
{
    const Infotafel t = VermoegenBuchenUndInfo(S.AktManager);
    FeldZeigen(Vermoegen, t.Vermoegen);
    FeldZeigen(Liquiditaet, t.Liquiditaet);
    FeldZeigen(Werbeeinnahmen, t.Werbeeinnahmen);
    FeldZeigen(Geldanlage, t.Geldanlage);
    FeldZeigen(Sparbuch, t.Sparbuch);
    SparZinsen->setText(Q(t.SparZinsen));
    FeldZeigen(Kontozinsen, t.Kontozinsen);
    FeldZeigen(Zuschuesse, t.Zuschuesse);
    FeldZeigen(Einnahmen, t.Einnahmen);
    FeldZeigen(Kosten, t.Kosten);
    FeldZeigen(Stadiongroesse, t.Stadiongroesse);
    FeldZeigen(Zuschauerschnitt, t.Zuschauerschnitt);
    FeldZeigen(Sollschnitt, t.Sollschnitt);
    FeldZeigen(LetzteZuschauer, t.LetzteZuschauer);
    FeldZeigen(Auslastung, t.Auslastung);
    FeldZeigen(Eintrittspreis, t.Eintrittspreis);
    FeldZeigen(Kredit, t.Kredit);
    KreditZinsen->setText(Q(t.KreditZinsen));
    FeldZeigen(Darlehen, t.Darlehen);
    DarlehenText->setText(Q(t.DarlehenText));

    const int n = static_cast<int>(t.Manager.size());
    for (int s = 0; s < 4; ++s) {
        N[s]->setVisible(s < n);
        P[s]->setVisible(s < n);
        if (s >= n) continue;
        N[s]->setText(Q(t.Manager[static_cast<size_t>(s)].Name));
        P[s]->setValue(t.Manager[static_cast<size_t>(s)].Punkte);
    }
    // Nur so hoch, dass die Zeilen der aktiven Manager zu sehen sind.
    Managerqualitaet->resize(Managerqualitaet->width(), (n - 1) * 25 + 48);
    Spieler->setTitle(Q(t.SpielerKopf));
    SpielerText->setText(Zeilen(t.SpielerText));
    return t.kritisch;
}

void TInfoF::zeigen()
{
    // Erst die neuen Zahlen zeigen, dann über ihnen warnen.
    const bool kritisch = fuellen();
    AmStandardOrt(this);
    if (kritisch) Warnung(Tz(VermoegenKritischText));
}

} // namespace torvane

#include "records/screens/RecordsFenster.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "flow/Zug.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/MenuFrm.h"
#include "match/screens/SpieltagFenster.h"
#include "records/screens/EwigenFrm.h"
#include "records/screens/LegendeFrm.h"
#include "records/screens/LigaStarkeFrm.h"
#include "records/screens/StatistikFrm.h"
#include "tools/screens/EinstellFrm.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <cmath>

namespace torvane {

void RecordsFensterAnlegen(QWidget* haupt)
{
    if (!LigaStarkeF) LigaStarkeF = new TLigaStarkeF(haupt);
    if (!StatistikF) StatistikF = new TStatistikF(haupt);
    if (!LegendeF) LegendeF = new TLegendeF(haupt);
    if (!EwigenF) EwigenF = new TEwigenF(haupt);
    if (!EinstellF) EinstellF = new TEinstellF(haupt);
    EinstellF->nachAenderung = [] { MenueAnzeigen(); };
    if (!MenuF) return;
    MenuF->oeffnerSetzen(Menuepunkt::Statistik, [] { StatistikF->zeigen(); });
    MenuF->oeffnerSetzen(Menuepunkt::LigaStaerke, [] { LigaStarkeF->zeigen(); }); // die Liga hat das Menü schon gewählt
    MenuF->oeffnerSetzen(Menuepunkt::Einstellungen, [] { EinstellF->zeigen(); });
    MenuF->oeffnerSetzen(Menuepunkt::Legende, [] { LegendeF->zeigen(); });
    MenuF->oeffnerSetzen(Menuepunkt::Ewigentabelle, [] { EwigenF->zeigen(); });
}

namespace {

// Eine Geschichte für die Grafiken und die Karriere, wie sie nach ein paar Saisons aussähe.
void Geschichte(int m)
{
    Statistik_& st = S.Statistik[m];
    for (int i = 0; i < 165; ++i)
        st.Teamstaerken[i] = i < 40 ? 0 : static_cast<uint8_t>(45 + (i - 40) / 3 + static_cast<int>(6 * std::sin(i / 7.0)));
    st.Geldgrenze = 250;
    for (int i = 0; i < 148; ++i)
        st.Geldpunkte[i] = static_cast<int16_t>(60 + i / 2 + static_cast<int>(25 * std::sin(i / 11.0)));
    S.Spiel.Saison = 13;
    S.Saisonbilanz[m].laengeSetzen(14);
    // Die Beispielrunden schreiben sich anders als die des Spiels; auch sie zeigt die Tafel übersetzt.
    const char* const runden[4] = {"1.Runde", N_("Achtelfinale"), N_("Halbfinale"), "Sieger"};
    for (int s = 1; s <= 13; ++s) {
        Saisonbilanz_& b = S.Saisonbilanz[m][s];
        b.Liga = static_cast<uint8_t>(std::max(1, 4 - s / 3));
        b.Platz = static_cast<uint8_t>(1 + (s * 7) % 18);
        b.DfbErgebnis = runden[s % 4];
        b.UefaErgebnis = s > 6 ? runden[(s + 1) % 4] : "-";
        b.PdpErgebnis = s == 9 ? "Finale" : "-";
        b.ChlErgebnis = s > 10 ? std::to_string(1 + s % 4) + ". Platz" : "-";
    }
    Manager_& mg = S.Manager[m];
    mg.SpieleGespielt = 1234;
    mg.HeimSpiele = 617;
    mg.HeimSiege = 301;
    mg.AuswaertsSpiele = 617;
    mg.AuswaertsSiege = 205;
    mg.Remis = 333;
}

} // namespace

QStringList RecordsBildschirmfotos(const QString& ordner)
{
    QStringList fertig;
    if (!QDir().mkpath(ordner)) return fertig;
    FotoRuhe ruhe;
    RecordsFensterAnlegen(Hauptfenster());

    // Ohne Grunddaten gibt es nichts zu zeigen: die Fenster lesen alle aus dem Spielstand.
    if (!BeispielSpielAnlegen()) {
        return fertig;
    }
    {
        TageStillSpielen(9);
        S.AktManager = 0;
        Geschichte(0);
        for (int d = 1; d <= 8; ++d) S.Statistik[0].Plaetze[d - 1] = static_cast<uint8_t>(12 - d);
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i)
            S.Mannschaft[i].EwigePunkte = static_cast<float>((S.Spiel.MannschaftHoch - i) * 7 % 900);
    }

    S.Spiel.AnzeigeLiga = 4;
    LigaStarkeF->zeigen();
    Foto(LigaStarkeF, ordner, QStringLiteral("70_ligastaerke"), fertig);
    LigaStarkeF->Seiten->setCurrentIndex(1);
    LigaStarkeF->Grid->setCurrentCell(3, 1);
    LigaStarkeF->spionierenGeklickt();
    Foto(LigaStarkeF, ordner, QStringLiteral("71_ligastaerke_spionage"), fertig);
    LigaStarkeF->hide();

    Fotografieren(EwigenF, ordner, QStringLiteral("72_ewige_tabelle"), fertig);

    StatistikF->zeigen();
    {
        const QPoint p(7 * 5 + 14, 150);
        QMouseEvent bewegt(QEvent::MouseMove, p, StatistikF->Image2->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
        QApplication::sendEvent(StatistikF->Image2, &bewegt);
    }
    Foto(StatistikF, ordner, QStringLiteral("73_grafik"), fertig);
    StatistikF->hide();

    Fotografieren(LegendeF, ordner, QStringLiteral("74_karriere"), fertig);

    Fotografieren(EinstellF, ordner, QStringLiteral("75_einstellungen"), fertig);

    return fertig;
}

} // namespace torvane

#include "match/screens/SpieltagFenster.h"

#include "core/AutoOberflaeche.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/MenuFrm.h"
#include "match/Anzeige.h"
#include "match/Spieltag.h"
#include "match/screens/NSpieltagFrm.h"
#include "match/screens/PokalspieleFrm.h"
#include "match/screens/SpielenFrm.h"
#include "match/screens/TabelleFrm.h"
#include "season/Saisonende.h"
#include "season/screens/SaisonEndeFrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <set>

namespace torvane {

void SpieltagsfensterAnlegen(QWidget* haupt)
{
    if (!SpielenF) SpielenF = new TSpielenF(haupt);
    if (!TabelleF) TabelleF = new TTabelleF(haupt);
    if (!NSpieltagF) NSpieltagF = new TNSpieltagF(haupt);
    if (!PokalspieleF) PokalspieleF = new TPokalspieleF(haupt);
    if (!SaisonEndeF) SaisonEndeF = new TSaisonEndeF(haupt);
    TagesanzeigeSetzen(SpielenF);
    SpieltagfensterSetzen(SpielenF);
    SaisonendeAnzeigeSetzen(SaisonEndeF);
    if (MenuF) {
        // Unterknöpfe "Tabelle", "Spieltage" und "Pokalspiele"; die Liga hat das Menü schon gewählt.
        MenuF->oeffnerSetzen(Menuepunkt::Tabelle, [] { TabelleF->zeigen(); });
        MenuF->oeffnerSetzen(Menuepunkt::Spieltage, [] { NSpieltagF->zeigen(); });
        MenuF->oeffnerSetzen(Menuepunkt::Pokalspiele, [] { PokalspieleF->zeigen(); });
    }
}

namespace {

// Setzt für seine Lebensdauer den Automaten und die stille Anzeige ein.
class StillerTag {
public:
    StillerTag() : ui_(&UI()), anzeige_(&Tagesanzeige())
    {
        OberflaecheSetzen(&automat_);
        TagesanzeigeSetzen(nullptr);
    }
    ~StillerTag()
    {
        OberflaecheSetzen(ui_);
        TagesanzeigeSetzen(anzeige_);
    }
    StillerTag(const StillerTag&) = delete;
    StillerTag& operator=(const StillerTag&) = delete;

private:
    AutoOberflaeche automat_;
    Oberflaeche* ui_;
    Spieltagsanzeige* anzeige_;
};

} // namespace

void TageStillSpielen(int bisSpieltag)
{
    bisSpieltag = std::clamp(bisSpieltag, 0, 34);
    StillerTag still;
    for (;;) {
        if (S.Spiel.Wettbewerb == Wettbewerb_::Liga) {
            if (S.Spiel.Spieltag >= bisSpieltag) break;
            SETZE(S.Spiel.Spieltag, S.Spiel.Spieltag + 1);
        }
        WettbewerbstagSpielen();
    }
}

namespace {

struct Fotograf {
    QString ordner;
    QStringList fertig;
    std::set<QString> gemacht;

    bool foto(QWidget* w, const QString& name)
    {
        if (!w || gemacht.count(name)) return false;
        QApplication::processEvents();
        const QString datei = QDir(ordner).filePath(name + QStringLiteral(".png"));
        GefundeneAbschnitte << AbgeschnitteneTexte(w, name);
        if (!w->grab().save(datei)) return false;
        gemacht.insert(name);
        fertig << datei;
        return true;
    }
};

// Spielt einen Tag über den Bildschirm; der Wächter fotografiert und drückt "Weiter".
void TagMitFotos(const std::function<void()>& waechter)
{
    QTimer uhr;
    uhr.setInterval(2);
    QObject::connect(&uhr, &QTimer::timeout, waechter);
    uhr.start();
    SpielenF->spielen();
    uhr.stop();
    QApplication::processEvents();
}

} // namespace

QStringList SpieltagsBildschirmfotos(const QString& ordner)
{
    Fotograf f{ordner, {}, {}};
    if (!QDir().mkpath(ordner)) return {};
    FotoRuhe ruhe;
    SpieltagsfensterAnlegen(Hauptfenster());

    if (!BeispielSpielAnlegen()) {
        // Ohne Grunddaten nur die leeren Fenster.
        TabelleF->zeichnen(1);
        f.foto(TabelleF, QStringLiteral("30_tabelle"));
        return f.fertig;
    }

    // Eine Saison bis nach dem 9. Spieltag, dann zusehen.
    TageStillSpielen(9);
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        S.Optionen[m][OptZeigeDfb] = 1;
        S.Optionen[m][OptZeigeChl] = 1;
        S.Optionen[m][OptTempo] = 0;
    }
    S.Optionen[0][OptAnzeigeLiga] = 0;
    S.Manager[0].TotoTip = "102102102";

    // Ligatag 10
    SETZE(S.Spiel.Spieltag, S.Spiel.Spieltag + 1);
    TagMitFotos([&] {
        if (SpielenF->Live->isVisible() && SpielenF->minute() >= 60)
            f.foto(SpielenF, QStringLiteral("31_spielen_live"));
        if (TabelleF->isVisible() && TabelleF->Weiter->isVisible()) {
            if (TabelleF->liga() == 4) f.foto(TabelleF, QStringLiteral("33_tabelle_nach_spieltag"));
            TabelleF->Weiter->click();
        } else if (SpielenF->Weiter->isVisible()) {
            if (S.Spiel.AnzeigeLiga == 4)
                f.foto(SpielenF, QStringLiteral("32_spielen_liga"));
            SpielenF->Weiter->click();
        }
    });

    // DFB-Pokal nach Spieltag 10, dann ChampionsLige
    for (const char* name : {"34_spielen_pokal", "35_spielen_chl"}) {
        const QString n = QString::fromUtf8(name);
        TagMitFotos([&] {
            if (SpielenF->Weiter->isVisible()) {
                f.foto(SpielenF, n);
                SpielenF->Weiter->click();
            }
        });
    }

    // Siegertafel und Toto, Vorfall in der Live-Ansicht: über die Pforte gezeichnet.
    {
        TSpielenF* s = SpielenF;
        // Die Texte wie die Regeln sie schreiben, in der Sprache des Spiels.
        s->titel(T("DFB-Pokalspiele"));
        s->kopf("DFB-Pokal", TWert("Finale"));
        s->zeilenLeeren();
        s->meldungenLeeren();
        const int heim = ManagerVerein(0), gast = VereinAufPlatz(1, 1);
        s->zeileZeigen(0, 2, heim, gast, S.Mannschaft[heim].Name.text() + " (" + std::to_string(S.Mannschaft[heim].Liga) + ")");
        s->zeileZeigen(0, 3, heim, gast, S.Mannschaft[gast].Name.text() + " (1)");
        s->zeileZeigen(0, 1, heim, gast, Tf("Zuschauer %1", {"31.415"}));
        s->zeileZeigen(0, 4, heim, gast, "  3:2");
        s->verliererZeigen(0, 3);
        s->zeilenMeldung(0, S.Manager[0].Name.text() + NL + NL + T("Das DFB-Pokalspiel brachte Ihnen zusätzlich") + NL +
                                Tf("%1 Pokaleinnahmen !", {"60.000 €"}));
        s->siegerZeigen(S.Mannschaft[heim].Name.text(), T("Sieger im DFB-Pokal bekommt 2.000.000 € Siegesprämie"));
        s->totoZeigen();
        s->totoZeile(0, Tf("%1:%2 Richtig", {S.Manager[0].Name.text(), "7"}));
        s->totoZeile(1, "-");
        s->weiterZeigen(T("Weiter"));
        f.foto(s, QStringLiteral("36_spielen_sieger_toto"));
        s->siegerVerbergen();
        s->totoVerbergen();

        s->liveBeginnen(S.Mannschaft[heim].Name.text(), true, S.Mannschaft[gast].Name.text(), false,
                        Tf("zahlende Zuschauer %1", {"31.415"}));
        s->minuteZeigen(77);
        s->spielstandZeigen("2:1");
        s->anteilZeigen(Tf("Spielanteile: %1 % : %2 %", {"47", "53"}));
        s->HansDampf->setChecked(true);
        s->ballZeigen(300, 180, 10, 3, 330);
        s->symbolZeigen(0, 110, 8);
        s->symbolZeigen(1, 142, 8);
        s->aktionZeigen(1, S.Manager[0].Kader[1].Vorname.text() + " " + S.Manager[0].Kader[1].Nachname.text());
        s->symbolZeigen(2, 360, 8);
        s->aktionZeigen(2, "Piet Probe");
        f.foto(s, QStringLiteral("37_spielen_live_vorfall"));
        s->HansDampf->setChecked(false);
        s->liveBeenden();
        s->tagBeendet();
        QApplication::processEvents();
    }

    // Aus dem Menü: Tabelle, Spieltage, Pokalspiele
    S.Befehl = Befehlswert::Keiner;
    TabelleF->zeichnen(4);
    TabelleF->show();
    f.foto(TabelleF, QStringLiteral("38_tabelle"));
    TabelleF->hide();
    TabelleF->zeichnen(1);
    TabelleF->show();
    f.foto(TabelleF, QStringLiteral("39_tabelle_bundesliga"));
    TabelleF->hide();

    NSpieltagF->zeichnen(4, S.Spiel.Spieltag);
    NSpieltagF->show();
    f.foto(NSpieltagF, QStringLiteral("40_spieltage"));
    NSpieltagF->zeichnen(4, 20);
    f.foto(NSpieltagF, QStringLiteral("41_spieltage_rueckrunde"));
    NSpieltagF->hide();

    PokalspieleF->zeichnen();
    PokalspieleF->show();
    const char* const seiten[] = {"42_pokal_dfb", "43_pokal_uefa", "44_pokal_pdp", "45_pokal_chl"};
    for (int i = 0; i < 4; ++i) {
        PokalspieleF->seiteWaehlen(i);
        if (i == 0) {
            QEvent rein(QEvent::Enter);
            QApplication::sendEvent(PokalspieleF->Pokale[0].Paarungen[2].Gast, &rein);
        }
        f.foto(PokalspieleF, QString::fromUtf8(seiten[i]));
    }
    PokalspieleF->hide();

    // Saisonende mit den Vereinen der Tabelle
    {
        TSaisonEndeF* e = SaisonEndeF;
        e->resize(900, 660);
        // Meister, Zweiter und ein Absteiger mit dem längsten Vereinsnamen, den das Spiel erlaubt.
        for (int platz : {1, 2, 17}) S.Mannschaft[VereinAufPlatz(1, platz)].Name = "TSV Oberröblingen-Westend";
        e->oeffnen(Tf("Saison %1 ist zu Ende", {Geldtext(S.Spiel.Saison)}));
        f.foto(e, QStringLiteral("46_saisonende_start"));
        auto liga = [&](int l, bool blinken) {
            const int erster = VereinAufPlatz(l, 1);
            e->ligaZeigen(LigaNamen[static_cast<size_t>(l)]);
            e->ueberschriftSchieben();
            e->tafelZeigen(Tf("Fußballmeister %1", {LigaNamen[static_cast<size_t>(l)]}),
                           {S.Mannschaft[erster].Name.text(), S.Mannschaft[erster + 1].Name.text(),
                            S.Mannschaft[erster + 2].Name.text()},
                           {Tf("bekommt %1", {Geldtext(Platzpraemie(l, 1)) + Waehrung}),
                            Tf("bekommt %1", {Geldtext(Platzpraemie(l, 2)) + Waehrung}),
                            Tf("bekommt %1", {Geldtext(Platzpraemie(l, 3)) + Waehrung})});
            e->wechselZeigen(Tf("Absteiger in die %1", {LigaNamen[static_cast<size_t>(l + 1)]}),
                             {S.Mannschaft[erster + 15].Name.text(), S.Mannschaft[erster + 16].Name.text(),
                              S.Mannschaft[erster + 17].Name.text()},
                             Saisonendeanzeige::Wechsel::Abstieg, blinken);
            e->weiterZeigen();
        };
        liga(1, false);
        f.foto(e, QStringLiteral("47_saisonende_bundesliga"));
        liga(4, true);
        f.foto(e, QStringLiteral("48_saisonende_oberliga"));
        e->wechselZeigen(Tf("Aufstieg in die %1", {LigaNamen[4]}),
                         {S.Mannschaft[73].Name.text(), S.Mannschaft[74].Name.text(), S.Mannschaft[75].Name.text()},
                         Saisonendeanzeige::Wechsel::Aufstieg, false);
        f.foto(e, QStringLiteral("49_saisonende_aufstieg"));
        e->tafelVerbergen();
        e->musikAus();
        e->textZeigen(Tf("Auf zur %1.Saison", {std::to_string(S.Spiel.Saison + 1)}));
        f.foto(e, QStringLiteral("50_saisonende_auf_zur"));
        e->Timer2->stop();
        e->hide();
    }

    return f.fertig;
}

} // namespace torvane

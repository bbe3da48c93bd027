// Das Saisonende: Prämien, Managerpunkte, Auf- und Abstieg, Scheck des Verbands,
// Alterung und auslaufende Verträge, dann die neue Saison.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace torvane {

// Der Saisonende-Bildschirm als Pforte; ohne Bildschirm geschieht nichts.
// Gewartet wird über Befehlswert::Weiter (WarteAufBefehl), Pausen über Warte.
class Saisonendeanzeige {
public:
    virtual ~Saisonendeanzeige() = default;
    // Bildschirm öffnen (Einblenden), FetteLiga = "Saison 3 ist zu Ende".
    virtual void oeffnen(const std::string& fetteLiga) { (void)fetteLiga; }
    // Neue Liga: Tafel und "Weiter" verbergen, A1..A3 leeren, FetteLiga mittig zeigen.
    virtual void ligaZeigen(const std::string& ligaName) { (void)ligaName; }
    // FetteLiga über die Tafel schieben (nach der Pause).
    virtual void ueberschriftSchieben() {}
    // Die Tafel: Meister1, M1..M3, G1..G3.
    virtual void tafelZeigen(const std::string& meister, const std::array<std::string, 3>& vereine,
                             const std::array<std::string, 3>& praemien)
    {
        (void)meister, (void)vereine, (void)praemien;
    }
    // Ab1 und A1..A3; art: Auf- oder Abstieg; blinken: Ab1 blinkt, solange auf "Weiter" gewartet wird.
    enum class Wechsel { Abstieg, Aufstieg };
    virtual void wechselZeigen(const std::string& ab1, const std::array<std::string, 3>& vereine, Wechsel art,
                               bool blinken)
    {
        (void)ab1, (void)vereine, (void)art, (void)blinken;
    }
    // "Weiter" zeigen; sein Klick schreibt Befehlswert::Weiter nach Befehl.
    virtual void weiterZeigen() {}
    virtual void tafelVerbergen() {}
    // Musik aus, Timer1 aus.
    virtual void musikAus() {}
    // FetteLiga mittig mit einem Text ("Auf zur 4.Saison", "und Tschüß").
    virtual void textZeigen(const std::string& text) { (void)text; }
    // Piepen und schließen.
    virtual void schliessen() {}
};

Saisonendeanzeige& SaisonendeAnzeige();
void SaisonendeAnzeigeSetzen(Saisonendeanzeige* a); // nullptr: wieder die stille Anzeige

// Preisgeld der Plätze 1..3 einer Liga (sonst 0).
int32_t Platzpraemie(int liga, int platz);
// Scheck des Fußballbunds für Platz und Liga.
int32_t Verbandsscheck(int liga, int platz);
// Urteil des Fußballbunds nach Platz, mit seinem Komma am Ende.
std::string Verbandsurteil(int platz);
// Kopf der Scheck-Nachricht für Manager m (gekürzt wie im Spiel).
std::string ScheckKopf(int m);

// Das ganze Saisonende. false, wenn dabei der letzte Manager gegangen ist (das Spiel ist aus).
bool Saisonende();

// Teilschritte, einzeln prüfbar.
// Tauscht für Liga 1..3 die drei Letzten mit den drei Ersten der nächsten Liga.
void LigenTauschen();
// Alterung, Formwechsel, Karten und Verletzungen, auslaufende Verträge des Managers m.
void KaderAltern(int m);
void VertraegeAuslaufen(int m);

// Die Meldung an einen Manager, der in die Verbandsliga fällt.
std::string VerbandsligaText();

} // namespace torvane

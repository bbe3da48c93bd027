// Das Managermenü, wie die Regeln es kennen: die Tafel seiner Unterknöpfe und die Pforte,
// über die Zugablauf und Aktionen es (und die offenen Fenster) neu zeichnen lassen.
#pragma once

#include "core/Sprache.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace torvane {

// Die Unterknöpfe in der Reihenfolge ihrer Plätze, je sechs unter einem Hauptknopf.
enum class Menuepunkt : uint8_t {
    Aufstellung, Spielsystem, Training, Trainingslager, Frei1, Frei2,
    Info, Statistik, Tabelle, Spieltage, LigaStaerke, Pokalspiele,
    Bank, Stadion, Werbung, TotoTip, Transfermarkt, Frei3,
    NeuerSpieler, NeuesSpiel, Editor, Einstellungen, Legende, Ewigentabelle,
};
constexpr int MenuepunktZahl = 24;
constexpr int PunkteJeGruppe = 6;

struct Menueeintrag {
    const char* text; // die Beschriftung (beim Zeigen durch T); nullptr: ein freier Platz, der nie erscheint
    bool ligaWaehlen; // zeigt eine Liga: erst wählen, dann öffnen
};

inline constexpr std::array<Menueeintrag, MenuepunktZahl> Menuetafel{{
    {N_("Aufstellung"), false},   {N_("Spielsystem"), false},   {N_("Training"), false},
    {N_("Trainingslager"), false}, {nullptr, false},              {nullptr, false},
    {N_("Info"), false},          {N_("Statistik"), false},     {N_("Tabelle"), true},
    {N_("Spieltage"), true},      {N_("LigaStärke"), true},     {N_("Pokalspiele"), false},
    {N_("Bank"), false},          {N_("Stadion"), false},       {N_("Werbung"), false},
    {N_("TotoTip"), false},       {N_("Transfermarkt"), false}, {nullptr, false},
    {N_("Neuer Spieler"), false}, {N_("Neues Spiel"), false},   {N_("Editor"), false},
    {N_("Einstellungen"), false}, {N_("Legende"), false},       {N_("Ewigentabelle"), false},
}};

constexpr int Platz(Menuepunkt p) { return static_cast<int>(p); }
constexpr Menuepunkt PunktAmPlatz(int platz) { return static_cast<Menuepunkt>(platz); }
constexpr const Menueeintrag& Eintrag(Menuepunkt p) { return Menuetafel[static_cast<size_t>(p)]; }
constexpr bool Frei(Menuepunkt p) { return Eintrag(p).text == nullptr; }

// --- Die Pforte zum Managermenü ---
// Was Zugablauf und Aktionen am Menü und an der Seitenleiste sichtbar machen. Ohne
// Bildschirm geschieht nichts; das Qt-Menü setzt sich mit MenueAnzeigeSetzen ein.
class Menueanzeige {
public:
    virtual ~Menueanzeige() = default;
    // Alle offenen Fenster außer Hauptfenster, Seitenleiste, Menü und Spieltag schließen.
    virtual void fensterSchliessen() {}
    // Das Menü aus dem Spielstand neu zeichnen (AktManager) und die Uhr starten.
    virtual void menueZeigen() {}
    // Der Spielstand hat sich geändert: Menü und offene Fenster zeichnen ihn neu.
    // Nur zeichnen: nichts ändern und keinen Zufall ziehen.
    virtual void spielstandGeaendert() {}
    // Uhr anhalten, Seitenleiste und Menü sperren, oberes Feld hochrollen.
    virtual void aufrollen() {}
    // Oberes Feld herunterrollen, Menü freigeben, Uhr starten.
    virtual void abrollen() {}
    // Seitenleiste wieder freigeben (nach "Ding").
    virtual void seitenleisteFreigeben() {}
    // Vor dem Spieltag Seitenleiste und Menü verbergen, danach wieder zeigen.
    virtual void tagBeginnt() {}
    virtual void tagEndet() {}
    // Das Feld "S p i e l f r e i" mit dem Namen des Managers.
    virtual void spielfreiZeigen(const std::string& name) { (void)name; }
    virtual void spielfreiVerbergen() {}
    // Den Abschlussknopf in den Fokus nehmen (Enter schließt den Zug).
    virtual void abschlussFokus() {}
};

Menueanzeige& MenueAnzeige();
void MenueAnzeigeSetzen(Menueanzeige* a); // nullptr: wieder die stille Anzeige

} // namespace torvane

// Die Pokalwettbewerbe: DFB-Pokal, Uefa Pokal, Pokal der Pokalsieger.
// Die ChampionsLige steht in Champions.h.
#pragma once

#include "core/Variablen.h"

#include <string>
#include <string_view>

namespace torvane {

// Pokale und ChampionsLige einer neuen Saison aufsetzen und die ersten Runden auslosen.
void PokaleVorbereiten();

// Lost die nächste Runde eines der drei Pokale aus; für die ChampionsLige wird nur
// der Tabellenplatz der Manager in die Saisonbilanz geschrieben.
void PokalAuslosen(Wettbewerb_ wettbewerb);

// Ein Pokaltag; vom Wettbewerbstag aufgerufen.
void DfbPokaltag();
void UefaPokaltag();
void PdpPokaltag();
// Ein Spieltag der ChampionsLige (Champions.cpp).
void ChlSpieltagSpielen();

// Ein Europapokalspiel verbuchen und nach dem Rückspiel entscheiden, wer weiterkommt.
// Ob Hin- oder Rückspiel, steht im Eintrag selbst (B = -1 vor dem Hinspiel).
// Gibt nach dem Rückspiel den Verein zurück, der weiterkommt, nach dem Hinspiel 0.
// zeile: Zeile der Paarung in der Ergebnisliste (für Meldungen daneben).
int RueckspielEntscheiden(KurzText<12>& heim, KurzText<12>& gast, int zeile, int gastVerein, int heimVerein,
                          int toreHeim, int toreGast);

// Fragt (nur wenn Pokalspiele gezeigt werden) jeden ausgeschiedenen Manager,
// ob er die Spiele dieses Pokals weiter sehen will.
void PokalAusgeschieden(Wettbewerb_ wettbewerb, int zeile);

// Europapokal-Eintrag "A3B-1C0D0": Wert nach einem Buchstaben lesen bzw. ersetzen.
std::string CodeWert(std::string_view code, char buchstabe);
// Derselbe Wert als Ausschnitt von code, ohne eine Zeichenkette anzulegen.
std::string_view CodeTeil(std::string_view code, char buchstabe);
std::string CodeSetzen(std::string_view code, char buchstabe, std::string_view wert);
// Paarungsnummer eines Eintrags, wie die Auslosung sie schreibt ("7" Gastgeber, "-7" Gast);
// 0 für alles andere, auch "07".
int Paarungsnummer(std::string_view eintrag);
// Der Wert als Zahl; ein fehlender oder kaputter Wert ist ein Laufzeitfehler.
int CodeZahl(std::string_view code, char buchstabe);

// Das Wettbewerbsfeld eines Vereins (DfbRunde, UefaRunde, PdpRunde, ChlRunde).
KurzText<12>& PokalFeld(Mannschaft_& m, Wettbewerb_ wettbewerb);
// Das Feld der Saisonbilanz für einen Pokal oder die ChampionsLige.
KurzText<14>& BilanzFeld(Saisonbilanz_& b, Wettbewerb_ wettbewerb);

// Stufe der Runde nach Zahl der Paarungen: 0 erste Runde ... 5 Finale.
int RundenStufe(int paarungen);
// Rundenname der Auslosung nach Zahl der Paarungen (32 "1.Runde" ... 1 "Finale").
std::string RundenName(int paarungen);
// Rundenfaktor des Pokaltags nach Zahl der Paarungen.
int Rundenfaktor(Wettbewerb_ wettbewerb, int paarungen);

// Verein des Managers m, über den Vereinsnamen gesucht (0, wenn es ihn nicht gibt).
int PokalVereinVon(int m);

} // namespace torvane

// Die Live-Ansicht eines Managerspiels: die Ballspur der letzten Spielberechnung
// Minute für Minute abspielen, dabei Karten und Verletzungen der Managervereine.
#pragma once

namespace torvane {

// Spielt das eben berechnete Spiel heim gegen gast ab (liest Spielverlauf, Zuschauer,
// HeimManager, GastManager). Nur aufrufen, wenn jemand zusieht: nur hier entstehen Vorfälle.
void LiveSpiel(int heim, int gast);

// Ein Vorfall für den Verein des Managers m; tafel 1 ("Aktion1", Heim) oder 2 ("Aktion2", Gast).
void Aktion(int m, int tafel);

} // namespace torvane

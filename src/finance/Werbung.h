// Werbeverträge: drei Banden (Platz 1..3), Allgemeine Werbung (4), Fernsehen (5), die je
// Spiel zahlen, und drei Trikotplätze (6..8), die einmal bei der Unterschrift zahlen.
//
// Ohne Bildschirm (Computermanager): WerbeangebotMachen holt ein Angebot (kostet eine
// Anfrage, ändert sonst nichts), WerbevertragAnnehmen unterschreibt es,
// WerbevertragKuendigen kündigt ohne Rückfrage zu Kuendigungskosten. Alle geben zurück,
// ob etwas geschehen ist. Das Werbefenster ruft die Klick-Varianten mit Meldungen und
// Rückfragen.
//
// Unterschreiben und Kündigen haben zwei Schritte wie die Bank: ...Pruefen rechnet einen
// Plan (Buchung, Werbeeinnahmen, der neue Vertrag) oder eine Ablehnung und ändert nichts;
// WerbungAusfuehren weist den Plan nur zu; WerbungHandeln ist prüfen, ablehnen oder
// rückfragen, ausführen.
#pragma once

#include "core/Variablen.h"

#include <cstdint>
#include <optional>
#include <string>

namespace torvane {

constexpr int WerbungBande1 = 1;
constexpr int WerbungAllgemein = 4;
constexpr int WerbungFernsehen = 5;
constexpr int WerbungTrikot1 = 6;
constexpr int WerbungTrikot3 = 8;

inline bool IstTrikotplatz(int platz) { return platz >= WerbungTrikot1 && platz <= WerbungTrikot3; }

struct Werbeangebot {
    int platz = 0; // 1..8
    int32_t betrag = 0;
    int16_t spiele = 0;
    int16_t sponsor = 0;
    int spruch = -1; // nur Banden, Allgemein, Fernsehen
};

// Zugkraft des Vereins: Moral div 10 + Spieler im Kader + (19 - Tabellenplatz).
int Zugkraft(int m);

// Betrag eines Angebots aus den Ziehungen (Sponsor, Spiele) für Liga und Zugkraft.
int64_t Bandenbetrag(int liga, int platz, int sponsor, int spiele, int zugkraft);
int64_t Trikotbetrag(int liga, int platz, int sponsor, int spiele, int zugkraft);

bool WerbeplatzFrei(int m, int platz);
// Fernsehwerbung gibt es erst ab der 3. Liga.
bool FernsehenMoeglich(int m);
// Wie viele ganze Werbeanfragen der Manager noch stellen kann (jede verbraucht eine).
int OffeneWerbeanfragen(int m);
// Ein Angebot für einen freien Platz, wenn mindestens eine Anfrage da ist (verbraucht sie).
std::optional<Werbeangebot> WerbeangebotMachen(int m, int platz);
// Was Unterschreiben oder Kündigen ändert. Buchung passt ganz aufs Konto.
struct Werbeplan {
    int platz = 0;
    int64_t Buchung = 0;
    int32_t Werbeeinnahmen = 0;
    Werbevertrag_ Vertrag{};
    std::string Rueckfrage; // "" : keine
    const char* Klang = nullptr;
};
struct Werbepruefung {
    std::optional<Werbeplan> plan;
    std::string ablehnung; // leer: still abgelehnt
};
Werbepruefung WerbevertragAnnehmenPruefen(int m, const Werbeangebot& a);
Werbepruefung WerbevertragKuendigenPruefen(int m, int platz);
void WerbungAusfuehren(int m, const Werbeplan& p);
bool WerbungHandeln(int m, const Werbepruefung& pruefung, bool fragen);

// Unterschreibt: Platz belegt, Geld aufs Konto (Banden: eine Zahlung sofort), Klang "kasse".
bool WerbevertragAnnehmen(int m, const Werbeangebot& a);
// Was das Kündigen eines laufenden Vertrags kostet; nie negativ.
int64_t Kuendigungskosten(int m, int platz);
bool WerbevertragKuendigen(int m, int platz);

// --- Texte ---
std::string WerbeSponsorName(int platz, int sponsor);
// Zeile eines Platzes: frei ("- Klicke hier ... -") oder "noch R (G) Spiel(e) je B €".
std::string WerbeplatzText(int m, int platz);
// "n Spiel(e) je B €" bzw. "n Spiele für einmalig B €" (beim Risiko-Sponsor nur Fragezeichen).
std::string AngebotText(const Werbeangebot& a);
// Art des Platzes 1..5: "für die Bande", "Werbung hier und da", "Wir komm´n ins Fehrnsehen".
std::string Werbeart(int platz);

// --- Klicks des Werbefensters ---
enum class WerbeKlick { Traum, Angebot, Niemand, Gekuendigt, Behalten };
// Klick auf Platz 1..5: Fernsehtraum in der 4. Liga, ein Angebot (in angebot), die Meldung
// "Keiner da ...", oder bei laufendem Vertrag die Frage nach der Kündigung.
WerbeKlick BandenKlick(int m, int platz, Werbeangebot& angebot);
// Klick auf einen freien Trikotplatz: Angebot oder die Meldung "Kein Werbepartner ...".
bool TrikotAnfragen(int m, int platz, Werbeangebot& angebot);
// Kündigen mit Rückfrage (Banden und Trikots); true, wenn gekündigt.
bool WerbungKuendigenFragen(int m, int platz);

} // namespace torvane

// Die Bank: Darlehen, Flinker Kredit, Sparbuch, Geldanlage und eigene Aktien.
//
// Jede Handlung hat zwei Schritte: ...Pruefen rechnet über den jetzigen Stand einen Plan
// (alle neuen Werte, jede Grenz- und Kontoprüfung schon gemacht) oder eine Ablehnung mit
// ihrem Text und ändert nichts; BankAusfuehren weist den Plan nur noch zu. BankHandeln ist
// der Klick: prüfen, die Ablehnung zeigen oder rückfragen (wenn fragen gesetzt ist; ein
// Computermanager ruft mit fragen = false), dann ausführen. Ein Bildschirm oder der
// Computermanager darf eine Prüfung allein als Probelauf rufen.
//
// Die Namen von früher (DarlehenAufnehmen, KreditAufnehmen ...) sind dieser Klick.
// Die ...Klick-Funktionen sind die Knöpfe des Bankbildschirms: sie fragen den
// Betrag am Zahlenrad ab und rufen dann die Handlung.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace torvane {

// Was eine Bankhandlung ändert. Buchung passt ganz aufs Konto, auch nach der Abgabe.
struct Bankplan {
    int64_t Buchung = 0;  // aufs Konto, negativ: ab
    bool Abgabe = false;  // vorher das Vermögen rechnen (Abgabe über der Grenze)
    int32_t Kredit = 0;
    int32_t Sparbuch = 0;
    int32_t DarlehenRate = 0;
    int16_t DarlehenRestSpiele = 0;
    int32_t AnlageBetrag = 0;
    int32_t AnlageWert = 0;
    int16_t Aktien = 0;
    std::string Rueckfrage; // "" : keine
    const char* Klang = nullptr;
};
struct Bankpruefung {
    std::optional<Bankplan> plan;
    std::string ablehnung; // Text der Ablehnung; leer: still abgelehnt
};
void BankAusfuehren(int m, const Bankplan& p);
bool BankHandeln(int m, const Bankpruefung& pruefung, bool fragen);

// --- Darlehen ---
constexpr int DarlehenSchritt = 1000000; // Liste "Darlehen": 1 .. 100 Mio. in Millionen
constexpr int DarlehenLaufzeitMax = 200; // Spiele; Rate mal Laufzeit bleibt ein Kontowert

struct Darlehensangebot {
    int64_t Rate = 0;
    int64_t Gesamt = 0;
    double ZinsenProSpiel = 0.0;
};
// R = round((T / 200 + 1) * A * 1,05 / T), genau gerechnet; G = R * T; Zinsen = R - A / T.
Darlehensangebot DarlehenBerechnen(int64_t betrag, int spiele);
Bankpruefung DarlehenPruefen(int m, int64_t betrag, int spiele);
Bankpruefung DarlehenAbloesenPruefen(int m);
// "Will ich".
bool DarlehenAufnehmen(int m, int64_t betrag, int spiele, bool fragen = true);
// "Weg damit": kostet 96 % der Restschuld (95 % plus 1 % Gebühr).
bool DarlehenAbloesen(int m, bool fragen = true);

// --- Flinker Kredit ---
// Die Grenze: Kredit + n höchstens Vermögen div 2. KreditrahmenPruefen: ist überhaupt noch Rahmen frei?
Bankpruefung KreditrahmenPruefen(int m);
Bankpruefung KreditAufnehmenPruefen(int m, int64_t n);
Bankpruefung KreditTilgenPruefen(int m, int64_t n);
bool KreditAufnehmen(int m, int64_t n);
// Mehr als die Schuld tilgen schenkt der Bank den Rest (fragt, wenn fragen gesetzt ist).
bool KreditTilgen(int m, int64_t n, bool fragen = true);

// --- Sparbuch, Geldanlage ---
Bankpruefung SparbuchPruefen(int m, int64_t n);
Bankpruefung AnlageEroeffnenPruefen(int m, int64_t n);
Bankpruefung AnlageKuendigenPruefen(int m);
// Das Sparbuch auf n setzen; die Differenz geht vom bzw. aufs Konto.
bool SparbuchSetzen(int m, int64_t n);
// Neue Anlage von n (1 000 .. 10 000 000), kostet 5 % Gebühr.
bool AnlageEroeffnen(int m, int64_t n);
// Kündigen bringt AnlageBeiKuendigung des Werts.
bool AnlageKuendigen(int m, bool fragen = true);
// Was eine Anlage vom Wert w beim Kündigen bringt: 90 %, Hälften zur geraden Zahl.
int64_t AnlageBeiKuendigung(int64_t wert);

// --- Zinsen je Ligaspieltag ---
// Genau in Tausendsteln, Hälften zur geraden Zahl: der Abschluss bucht sie, die Vorschau, der
// Ratgeber und die Infotafel nennen dieselben Beträge.
// Aufs Konto: Guthaben 0,1 %, im Minus 1,5 % Dispo (dann negativ).
int64_t KontozinsenProSpiel(int64_t konto);
// Vom Konto: 1,2 % des Flinken Kredits.
int64_t KreditzinsenProSpiel(int64_t kredit);
// Aufs Sparbuch: 0,3 %.
int64_t SparzinsenProSpiel(int64_t sparbuch);
// Die Gebühr beim Abschluss, wenn das Konto über 10 % des Vermögens im Minus ist:
// ein Zehntel des Minus plus 1 000, auf Tausender abgerundet.
int64_t Ueberziehungsgebuehr(int64_t konto);

// --- Aktien ---
constexpr int AktienMax = 20000;
Bankpruefung AktienPruefen(int m, int p);
// Auf p Aktien kaufen oder verkaufen (zum aktuellen Kurs), gemessen an den gehaltenen.
bool AktienSetzen(int m, int p);
// "Wert merken".
void AktienkursMerken(int m);
// Die gehaltenen Aktien zum aktuellen Kurs.
int64_t AktienWert(int m);

// --- Knöpfe des Bildschirms (mit Zahlenrad) ---
bool KreditTilgenKlick(int m);    // "-"
bool KreditAufnehmenKlick(int m); // "+"
bool SparbuchKlick(int m);        // "Ändern"
bool AnlageKlick(int m);          // Anlegen bzw. kündigen

// --- Anzeige ---
// Geld mit Tausenderpunkten und " €"; mit Nachkommastellen, wo es welche gibt.
std::string GeldMitEuro(int64_t betrag);
std::string GeldMitEuro(double betrag, int stellen);
// "HaHa, ..." (zwei Fassungen: Darlehen mit Zeilenwechsel nach "nicht ", Kredit ohne);
// im Katalog mit \n, gezeigt mit Tz.
extern const char* const DarlehenZuHochText;
extern const char* const KreditZuHochText;

} // namespace torvane

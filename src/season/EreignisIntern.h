// Gemeinsames der Ereignisdateien: die Arbeitswerte eines Aufrufs und kleine Helfer.
#pragma once

#include "core/Bruch.h"
#include "core/Sprache.h"
#include "core/Variablen.h"

#include <cstdint>
#include <string>

namespace torvane::ereignis {

// Überschrift, Text, Knopfart und Bild der Schlussmeldung; wer selbst fragt, schaltet sie ab.
struct Ablauf {
    std::string kopf;
    std::string text; // leer: es bleibt beim Anfangstext
    std::string art = "OK";
    int bild = -1;
    bool schlussmeldung = true;
};

// Steht unter zwei Leerzeilen.
constexpr const char* Anfangstext = N_("Ritz Ratz Rotz, Finger in die ....");

// Zufall oder die Ziehung des Tests.
int32_t Z(int32_t von, int32_t bis);
inline int AktM() { return S.AktManager; }
inline Manager_& Akt() { return S.Manager[S.AktManager]; }
inline int Liga() { return Akt().Liga; }
// Betrag auf das Konto (negativ: ab) nach der Regel von KontoBuchen; gibt den gebuchten Betrag.
int64_t Buchen(int64_t betrag);
// Kosten ganz oder gar nicht. Trägt das Konto sie nicht, fällt das Ereignis aus: false, und der
// Aufrufer kehrt zurück, ohne etwas zu geben oder zu nehmen; die Schlussmeldung sagt es.
bool Bezahlt(Ablauf& a, int64_t kosten);
std::string Betrag(int64_t x);
std::string Zahltext(int64_t x);
// Ein Managerpunkt weniger, nie unter 1.
void ManagerpunktAbziehen();
// Ein Ereignis spielen; Umleitungen rufen es erneut mit denselben Arbeitswerten.
void Spielen(int n, Ablauf& a);

// Eine Zeile der Ereignistafel: Nummer (wie gezogen und gezählt), Name, was es tut.
struct Ereignisart {
    int nummer;
    const char* name;
    void (*spielen)(Ablauf&);
};
// Die Zeile zu n, nullptr außerhalb von 1 .. EreignisAnzahl.
const Ereignisart* Art(int n);

// Spieler (EreignisSpieler.cpp)
void SpielerVerkauft(Ablauf& a);
void SpielerWeg(Ablauf& a);
void Managerzeugnis(Ablauf& a);
void SpielerUmsonst(Ablauf& a);
void AngebotFuerSpieler(Ablauf& a);

// Aktien und Verein (EreignisAktien.cpp)
void KursHoch(Ablauf& a);
void KursRunter(Ablauf& a);
void FanAktien(Ablauf& a);
void Aktienlotterie(Ablauf& a);
void Computerfehler(Ablauf& a);
void Aktiengebuehr(Ablauf& a);
void Aktienbonus(Ablauf& a);
void Vereinskauf(Ablauf& a);
void Aktienzuwachs(Ablauf& a);
void AktienVerkaufen(Ablauf& a);
void AktienAngebot(Ablauf& a);
void BilligeAktien(Ablauf& a);

} // namespace torvane::ereignis

// Gemeinsames der Ereignisdateien: die Arbeitswerte eines Aufrufs und kleine Helfer.
#pragma once

#include "core/Bruch.h"
#include "core/Variablen.h"

#include <cstdint>
#include <string>

namespace torvane::ereignis {

// Überschrift, Text, Knopfart und Bild der Schlussmeldung; wer selbst fragt, schaltet sie ab.
struct Ablauf {
    std::string kopf;
    std::string text;
    std::string art = "OK";
    int bild = -1;
    bool schlussmeldung = true;
};

constexpr const char* Anfangstext = "\r\n\r\nRitz Ratz Rotz, Finger in die ....";

// Zufall oder die Ziehung des Tests.
int32_t Z(int32_t von, int32_t bis);
inline int AktM() { return S.AktManager; }
inline Manager_& Akt() { return S.Manager[S.AktManager]; }
inline int Liga() { return Akt().Liga; }
// Betrag auf das Konto (negativ: ab) nach der Regel von KontoBuchen; gibt den gebuchten Betrag.
int64_t Buchen(int64_t betrag);
std::string Betrag(int64_t x);
std::string Zahltext(int64_t x);
// Ein Managerpunkt weniger, nie unter 1.
void ManagerpunktAbziehen();
// Ein Ereignis spielen; Umleitungen rufen es erneut mit denselben Arbeitswerten.
void Spielen(int n, Ablauf& a);

// Spieler (EreignisSpieler.cpp)
void SpielerVerkauft(Ablauf& a);     // 16
void SpielerWeg(Ablauf& a);          // 17
void Managerzeugnis(Ablauf& a);      // 19, 20
void SpielerUmsonst(Ablauf& a);      // 21
void AngebotFuerSpieler(Ablauf& a);  // 31, 32

// Aktien und Verein (EreignisAktien.cpp)
void KursHoch(Ablauf& a);            // 26
void KursRunter(Ablauf& a);          // 27
void FanAktien(Ablauf& a);           // 28
void Aktienlotterie(Ablauf& a);      // 29
void Computerfehler(Ablauf& a);      // 30
void Aktiengebuehr(Ablauf& a);       // 33
void Aktienbonus(Ablauf& a);         // 34
void Vereinskauf(Ablauf& a);         // 37
void Aktienzuwachs(Ablauf& a);       // 38
void AktienVerkaufen(Ablauf& a);     // 39
void AktienAngebot(Ablauf& a);       // 40
void BilligeAktien(Ablauf& a);       // 41

} // namespace torvane::ereignis

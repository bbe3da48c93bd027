// Die Pforte zum Spieltagsbildschirm. Die Regeln eines Wettbewerbstags
// (Liga, Pokale, ChampionsLige, Live-Ansicht) zeichnen nur hierüber;
// der Qt-Bildschirm setzt sie um, ohne Bildschirm tut die stille Anzeige nichts.
// Warten auf Knöpfe geht über Befehl und WarteAufBefehl (core/Oberflaeche.h).
#pragma once

#include <string>
#include <vector>

namespace torvane {

class Spieltagsanzeige {
public:
    virtual ~Spieltagsanzeige() = default;

    // --- Ergebnisliste des Tages ---
    // Fenstertitel, z. B. "Meisterschaft der Bundesliga", "DFB-Pokalspiele".
    virtual void titel(const std::string& text) = 0;
    // Überschrift der Liste in zwei Teilen: Wettbewerb ("Bundesliga") und Tag/Runde.
    virtual void kopf(const std::string& wettbewerb, const std::string& tag) = 0;
    // Eine Zelle: zeile 0..7 (Liga 0..8), spalte 1 Zuschauer, 2 Heim, 3 Gast, 4 Ergebnis.
    // heim/gast sind die Vereinsindizes der Zeile (für die Hervorhebung der Managervereine);
    // text ist der fertige Zelleninhalt.
    virtual void zeileZeigen(int zeile, int spalte, int heim, int gast, const std::string& text) = 0;
    // Der Ausgeschiedene der Zeile grau (spalte 2 oder 3).
    virtual void verliererZeigen(int zeile, int spalte) = 0;
    // Alle Zeilen leeren (nächste Seite der Paarungen).
    virtual void zeilenLeeren() = 0;
    // Ein Hinweis neben einer Zeile (Pokaleinnahmen usw.); bleibt bis meldungenLeeren.
    virtual void zeilenMeldung(int zeile, const std::string& text) = 0;
    virtual void meldungenLeeren() = 0;
    // Ort für ein Nachrichtenfenster neben der Zeile (Versatz wie bei Nachricht).
    struct Ort {
        int x = -1;
        int y = -1;
    };
    virtual Ort zeilenOrt(int zeile) = 0;
    // Der Weiter-Knopf; ein Klick schreibt Befehlswert::Weiter nach Befehl und verbirgt ihn.
    virtual void weiterZeigen(const std::string& beschriftung) = 0;
    virtual void weiterVerbergen() = 0;
    // Die Siegertafel; ein Klick verbirgt sie.
    virtual void siegerZeigen(const std::string& verein, const std::string& text) = 0;
    virtual void siegerVerbergen() = 0;
    // Die Totozeilen ("Toto1".."Toto4"), slot 0..3.
    virtual void totoZeigen() = 0;
    virtual void totoZeile(int slot, const std::string& text) = 0;
    virtual void totoVerbergen() = 0;
    // Nicht mit der Versteck-Taste verborgen.
    virtual bool hauptfensterSichtbar() = 0;
    // Die Tabelle über dem Spieltag; ihr Weiter-Knopf ist sichtbar, solange
    // Befehl TabelleWeiterZeigen lautet, und schreibt TabelleWeiter.
    virtual void tabelleZeigen(int liga) = 0;
    virtual void tabelleSchliessen() = 0;
    // Der Tag ist fertig; der Bildschirm schließt sich.
    virtual void tagBeendet() = 0;

    // --- Live-Ansicht ---
    virtual void liveBeginnen(const std::string& heim, bool heimIstManager, const std::string& gast,
                              bool gastIstManager, const std::string& zuschauer) = 0;
    // Die Spielminute 0..90; der Bildschirm schreibt sie als "n min.".
    virtual void minuteZeigen(int minute) = 0;
    virtual void spielstandZeigen(const std::string& text) = 0;
    virtual void anteilZeigen(const std::string& text) = 0;
    // Platz neu zeichnen mit dem Ball (Bild 5..11) bei x, y und, wenn spielerBild >= 0,
    // dem Spielerbild (3 Heim, 4 Gast) bei spielerX; danach den Bildschirm auffrischen.
    virtual void ballZeigen(int x, int y, int bild, int spielerBild, int spielerX) = 0;
    // Das Häkchen "Hans Dampf Aktivieren".
    virtual bool hansDampf() = 0;
    // Symbol auf den Platz: 0 Gelb, 1 Rot, 2 Verletzung.
    virtual void symbolZeigen(int symbol, int x, int y) = 0;
    // Vorfalltafel 1 ("Aktion1", Heim) oder 2 ("Aktion2", Gast).
    virtual void aktionZeigen(int tafel, const std::string& text) = 0;
    virtual void aktionVerbergen(int tafel) = 0;
    virtual void liveBeenden() = 0;
    // Sieht jemand zu? Sonst spielt die Live-Ansicht nur, was das Spiel verändert.
    virtual bool siehtZu() { return true; }
};

// Tut nichts; ein Tag ohne Bildschirm.
class StilleAnzeige : public Spieltagsanzeige {
public:
    void titel(const std::string&) override {}
    void kopf(const std::string&, const std::string&) override {}
    void zeileZeigen(int, int, int, int, const std::string&) override {}
    void verliererZeigen(int, int) override {}
    void zeilenLeeren() override {}
    void zeilenMeldung(int, const std::string&) override {}
    void meldungenLeeren() override {}
    Ort zeilenOrt(int) override { return {}; }
    void weiterZeigen(const std::string&) override {}
    void weiterVerbergen() override {}
    void siegerZeigen(const std::string&, const std::string&) override {}
    void siegerVerbergen() override {}
    void totoZeigen() override {}
    void totoZeile(int, const std::string&) override {}
    void totoVerbergen() override {}
    bool hauptfensterSichtbar() override { return true; }
    void tabelleZeigen(int) override {}
    void tabelleSchliessen() override {}
    void tagBeendet() override {}
    void liveBeginnen(const std::string&, bool, const std::string&, bool, const std::string&) override {}
    void minuteZeigen(int) override {}
    void spielstandZeigen(const std::string&) override {}
    void anteilZeigen(const std::string&) override {}
    void ballZeigen(int, int, int, int, int) override {}
    bool hansDampf() override { return false; }
    void symbolZeigen(int, int, int) override {}
    void aktionZeigen(int, const std::string&) override {}
    void aktionVerbergen(int) override {}
    void liveBeenden() override {}
    bool siehtZu() override { return false; }
};

// Schreibt jeden Aufruf mit, für Tests. Setzt sich beim Anlegen ein und beim Ende wieder aus.
// Protokoll: "titel:t", "kopf:w|t", "zeile:z:s:text", "grau:z:s", "leeren", "meldung:z:text",
// "meldungenLeeren", "weiter:b", "weiterAus", "sieger:v|t", "siegerAus", "toto", "toto:slot:text",
// "totoAus", "tabelle:l", "tabelleZu", "tagEnde", "live:h|g|zuschauer", "minute:n", "stand:t",
// "anteil:t", "symbol:s:x:y", "aktion:tafel:text", "aktionAus:tafel", "liveEnde".
// Ballbilder werden nur gezählt.
class ProtokollAnzeige : public Spieltagsanzeige {
public:
    ProtokollAnzeige();
    ~ProtokollAnzeige() override;
    ProtokollAnzeige(const ProtokollAnzeige&) = delete;
    ProtokollAnzeige& operator=(const ProtokollAnzeige&) = delete;

    std::vector<std::string> protokoll;
    long baelle = 0;
    int letzterBallX = 0;
    bool hauptfenster = true;
    bool hansDampfAn = false;

    bool enthaelt(const std::string& teil) const;
    size_t anzahl(const std::string& teil) const;
    void leeren() { protokoll.clear(); }

    void titel(const std::string& text) override;
    void kopf(const std::string& wettbewerb, const std::string& tag) override;
    void zeileZeigen(int zeile, int spalte, int heim, int gast, const std::string& text) override;
    void verliererZeigen(int zeile, int spalte) override;
    void zeilenLeeren() override;
    void zeilenMeldung(int zeile, const std::string& text) override;
    void meldungenLeeren() override;
    Ort zeilenOrt(int) override { return {}; }
    void weiterZeigen(const std::string& beschriftung) override;
    void weiterVerbergen() override;
    void siegerZeigen(const std::string& verein, const std::string& text) override;
    void siegerVerbergen() override;
    void totoZeigen() override;
    void totoZeile(int slot, const std::string& text) override;
    void totoVerbergen() override;
    bool hauptfensterSichtbar() override { return hauptfenster; }
    void tabelleZeigen(int liga) override;
    void tabelleSchliessen() override;
    void tagBeendet() override;
    void liveBeginnen(const std::string& heim, bool heimIstManager, const std::string& gast, bool gastIstManager,
                      const std::string& zuschauer) override;
    void minuteZeigen(int minute) override;
    void spielstandZeigen(const std::string& text) override;
    void anteilZeigen(const std::string& text) override;
    void ballZeigen(int x, int y, int bild, int spielerBild, int spielerX) override;
    bool hansDampf() override { return hansDampfAn; }
    void symbolZeigen(int symbol, int x, int y) override;
    void aktionZeigen(int tafel, const std::string& text) override;
    void aktionVerbergen(int tafel) override;
    void liveBeenden() override;

private:
    Spieltagsanzeige* vorher_;
};

// Die aktuelle Anzeige (zu Beginn die stille); nullptr setzt die stille wieder ein.
Spieltagsanzeige& Tagesanzeige();
void TagesanzeigeSetzen(Spieltagsanzeige* a);

// --- was die Regeln aufrufen ---
void ZeileZeigen(int zeile, int spalte, int heim, int gast, const std::string& text);
// Zeigt den Weiter-Knopf und wartet, bis er Befehlswert::Weiter nach Befehl geschrieben hat.
// Ohne Beschriftung heißt er "Weiter" in der Sprache des Spiels.
void WeiterAbwarten(const std::string& beschriftung = {});
// Ergebnistext mit so vielen Leerzeichen davor, dass der Doppelpunkt an der dritten Stelle steht.
std::string ErgebnisAusrichten(const std::string& text);
// Spielablauf-Faktor des Managers m (Optionsbyte 9).
int Tempo(int m);

} // namespace torvane

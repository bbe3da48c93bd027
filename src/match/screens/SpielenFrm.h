// Der Spieltagsbildschirm "Spielen": die Ergebnisliste des Tages mit Meldungen,
// Siegertafel, Totozeilen und dem Weiter-Knopf, darunter die Live-Ansicht auf
// dem gezeichneten Platz. Er ist die Spieltagsanzeige, über die der Wettbewerbstag
// zeichnet; er rechnet selbst nichts.
#pragma once

#include "match/Anzeige.h"
#include "match/Spieltag.h"

#include <QDialog>
#include <QLabel>
#include <QPixmap>

#include <array>
#include <vector>

class QCheckBox;
class QFrame;
class QPushButton;
class QTimer;

namespace torvane {

// Ein Schild, das auf Klick etwas tut (Siegertafel).
class TKlickSchild : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

// Der Platz der Live-Ansicht (500 × 300) mit Ball, Spieler und Symbolen.
class TPlatz : public QWidget {
    Q_OBJECT
public:
    explicit TPlatz(QWidget* eltern = nullptr);

    void ball(int x, int y, int bild, int spielerBild, int spielerX);
    void symbol(int symbol, int x, int y);
    // Symbole einer Platzhälfte weg (1 links: "Aktion1", 2 rechts: "Aktion2").
    void symboleLeeren(int tafel);
    void allesLeeren();

    int ballX() const { return ballX_; }
    int ballY() const { return ballY_; }
    int ballBild() const { return ballBild_; }
    int spielerBild() const { return spielerBild_; }
    int symbolAnzahl() const { return static_cast<int>(symbole_.size()); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Symbol {
        int nummer, x, y;
    };
    int ballX_ = 234, ballY_ = 134, ballBild_ = 8;
    int spielerBild_ = -1, spielerX_ = 0;
    std::vector<Symbol> symbole_;
};

class TSpielenF : public QDialog, public Spieltagsanzeige {
    Q_OBJECT
public:
    explicit TSpielenF(QWidget* eltern = nullptr);

    // Startet den Wettbewerbstag, wenn nicht schon einer läuft (der Zugablauf
    // ruft den Tag selbst auf; dies ist der Weg über den Bildschirm).
    void spielen();
    bool tagLaeuft() const { return tagLaeuft_; }

    // --- Spieltagsanzeige ---
    void titel(const std::string& text) override;
    void kopf(const std::string& wettbewerb, const std::string& tag) override;
    void zeileZeigen(int zeile, int spalte, int heim, int gast, const std::string& text) override;
    void verliererZeigen(int zeile, int spalte) override;
    void zeilenLeeren() override;
    void zeilenMeldung(int zeile, const std::string& text) override;
    void meldungenLeeren() override;
    Ort zeilenOrt(int zeile) override;
    void weiterZeigen(const std::string& beschriftung) override;
    void weiterVerbergen() override;
    void siegerZeigen(const std::string& verein, const std::string& text) override;
    void siegerVerbergen() override;
    void totoZeigen() override;
    void totoZeile(int slot, const std::string& text) override;
    void totoVerbergen() override;
    bool hauptfensterSichtbar() override;
    void tabelleZeigen(int liga) override;
    void tabelleSchliessen() override;
    void tagBeendet() override;
    void liveBeginnen(const std::string& heim, bool heimIstManager, const std::string& gast, bool gastIstManager,
                      const std::string& zuschauer) override;
    void minuteZeigen(int minute) override;
    // Die zuletzt gezeigte Spielminute der Live-Ansicht.
    int minute() const { return minute_; }
    void spielstandZeigen(const std::string& text) override;
    void anteilZeigen(const std::string& text) override;
    void ballZeigen(int x, int y, int bild, int spielerBild, int spielerX) override;
    bool hansDampf() override;
    void symbolZeigen(int symbol, int x, int y) override;
    void aktionZeigen(int tafel, const std::string& text) override;
    void aktionVerbergen(int tafel) override;
    void liveBeenden() override;

    // Eine Zeile der Ergebnisliste; die Namen folgen dem Muster "Zuschauer0", "Heim0" ...
    struct Zeile {
        QLabel* Zuschauer;
        QLabel* Heim;
        QLabel* Gast;
        QLabel* Ergebnis;
        QLabel* Meldung;
    };
    static constexpr int Zeilenzahl = 9;
    std::array<Zeile, Zeilenzahl> Reihen{};

    QLabel *Kopf, *Tag;
    QPushButton* Weiter;
    // Überspringt den Rest des laufenden Live-Spiels und der Ergebnisliste bis "Weiter".
    QPushButton* Abkuerzen;
    TKlickSchild* Sieger;
    QFrame* TotoPanel;
    std::array<QLabel*, 4> Toto{};
    // Live-Ansicht
    QFrame* Live;
    TPlatz* Platz;
    QLabel *Man1, *Man2, *Spielstand, *Zeit, *Zusch, *Anteil, *Aktion1, *Aktion2;
    QCheckBox* HansDampf;
    QTimer* Timer1;

    // Gezählte Bildwechsel des Balls (für Tests: die Ansicht hat sich bewegt).
    long ballBilder = 0;

protected:
    void paintEvent(QPaintEvent* e) override;
    void reject() override {}

private:
    void sichtbar();
    void zeileFaerben(int zeile);
    QLabel* zelle(int zeile, int spalte) const;

    bool tagLaeuft_ = false;
    int minute_ = 0;
    // Vereine der Zeile, für die Hervorhebung der Managervereine; als Griff, denn die Zeilen
    // stehen noch, wenn die Tabelle danach umsortiert.
    std::array<std::array<Vereinsgriff, 2>, Zeilenzahl> vereine_{};
    std::array<std::array<bool, 2>, Zeilenzahl> grau_{};
};

extern TSpielenF* SpielenF;

} // namespace torvane

// Eine schlichte Ergebnisliste des Spieltags: zeigt, was der Wettbewerbstag
// zeichnet (Paarungen, Ergebnisse, Tabelle, Toto) und wartet auf "Weiter".
// Sie steht ein, bis der richtige Spieltagsbildschirm mit Live-Ansicht da ist.
#pragma once

#include "match/Anzeige.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace torvane {

class TErgebnislisteF : public QDialog, public Spieltagsanzeige {
    Q_OBJECT
public:
    explicit TErgebnislisteF(QWidget* eltern = nullptr);

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
    bool hauptfensterSichtbar() override;
    void tabelleZeigen(int liga) override;
    void tabelleSchliessen() override;
    void tagBeendet() override;
    void liveBeginnen(const std::string& heim, bool heimIstManager, const std::string& gast, bool gastIstManager,
                      const std::string& zuschauer) override;
    void minuteZeigen(const std::string& text) override;
    void spielstandZeigen(const std::string& text) override;
    void anteilZeigen(const std::string&) override {}
    void ballZeigen(int, int, int, int, int) override {}
    bool hansDampf() override { return false; }
    void symbolZeigen(int, int, int) override {}
    void aktionZeigen(int tafel, const std::string& text) override;
    void aktionVerbergen(int) override {}
    void liveBeenden() override;

    QLabel *Kopf, *Tag, *Sieger, *Live, *Toto;
    QTableWidget *Liste, *Tabelle;
    QPushButton *Weiter, *TabelleWeiter;

protected:
    void reject() override {}

private:
    void sichtbar();
};

extern TErgebnislisteF* ErgebnislisteF;

} // namespace torvane

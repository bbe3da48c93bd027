#include "finance/screens/BankFrm.h"

#include "core/Variablen.h"
#include "finance/Bank.h"
#include "finance/screens/Tafelfelder.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <functional>

namespace torvane {

TBankF* BankF = nullptr;

namespace {
QString Euro(int64_t v) { return Q(GeldMitEuro(v)); }
} // namespace

TBankF::TBankF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("BankF"), Tq("Bank"), QSize(760, 570));
    auto* zins =
        Beschrift(this, Tq("Guthabenzins 1 %  -  Dispozins 15 %"), QRect(10, 46, 740, 20), 10, true);
    zins->setAlignment(Qt::AlignCenter);
    // Jeder Knopf handelt für den Manager am Zug; danach zeigt das Fenster den neuen Stand.
    auto handeln = [this](QPushButton* knopf, std::function<void()> regel) {
        connect(knopf, &QPushButton::clicked, this, [this, regel] {
            regel();
            zeichnen();
        });
    };

    // --- Darlehen ---
    auto* dg = Gruppe(this, Tq("Darlehen"), QRect(10, 72, 370, 262));
    Beschrift(dg, Tq("Mit fester Laufzeit zu 5% Zinsen Bearbeitungsgebühr 5%"), QRect(12, 22, 350, 20), 8);
    Darlehen = Element<QComboBox>(dg, QStringLiteral("Darlehen"), QRect(12, 46, 200, 26));
    for (int i = 1; i <= 100; ++i)
        Darlehen->addItem(Euro(static_cast<int64_t>(i) * DarlehenSchritt));
    Laufzeit = Element<QScrollBar>(dg, QStringLiteral("Laufzeit"), QRect(12, 82, 240, 20));
    Laufzeit->setOrientation(Qt::Horizontal);
    Laufzeit->setRange(1, DarlehenLaufzeitMax);
    Laufzeit->setValue(50);
    LaufzeitLabel = Beschrift(dg, QString(), QRect(260, 80, 100, 24), 10, true, QStringLiteral("LaufzeitLabel"));
    auto zeile = [dg](const QString& text, int y, const QString& name) {
        Beschrift(dg, text, QRect(12, y, 130, 24));
        return Wertfeld(dg, name, QRect(150, y, 206, 24));
    };
    Rate = zeile(Tq("Rate"), 112, QStringLiteral("Rate"));
    Gesamt = zeile(Tq("Gesamt"), 140, QStringLiteral("Gesamt"));
    Zinsen = zeile(Tq("Zinsen p. Spiel"), 168, QStringLiteral("Zinsen"));
    LaeuftNoch = Beschrift(dg, QString(), QRect(12, 196, 344, 22), 10, true, QStringLiteral("LaeuftNoch"));
    WillIch = Knopf(dg, Tq("Will ich"), QStringLiteral("WillIch"), QRect(12, 224, 164, 30));
    WegDamit = Knopf(dg, Tq("Weg damit"), QStringLiteral("WegDamit"), QRect(192, 224, 164, 30));
    connect(Darlehen, &QComboBox::currentIndexChanged, this, [this] { zeichnen(); });
    connect(Laufzeit, &QScrollBar::valueChanged, this, [this] { zeichnen(); });
    handeln(WillIch, [this] { DarlehenAufnehmen(S.AktManager, betrag(), laufzeit()); });
    handeln(WegDamit, [] { DarlehenAbloesen(S.AktManager); });

    // --- Flinker Kredit ---
    auto* kg = Gruppe(this, Tq("Flinker Kredit"), QRect(390, 72, 360, 124));
    Beschrift(kg, Tq("Schnelles Geld ohne Gebühr zu 12% Zinsen"), QRect(12, 22, 336, 20), 8);
    Kredit = Wertfeld(kg, QStringLiteral("Kredit"), QRect(12, 56, 200, 30));
    KreditMinus = Knopf(kg, QStringLiteral("-"), QStringLiteral("KreditMinus"), QRect(224, 56, 56, 30));
    KreditPlus = Knopf(kg, QStringLiteral("+"), QStringLiteral("KreditPlus"), QRect(290, 56, 56, 30));
    handeln(KreditMinus, [] { KreditTilgenKlick(S.AktManager); });
    handeln(KreditPlus, [] { KreditAufnehmenKlick(S.AktManager); });

    // --- Sparbuch ---
    auto* sg = Gruppe(this, Tq("Sparbuch"), QRect(390, 204, 360, 130));
    Beschrift(sg, Tq("Sparbuch bringt 3% Zinsen"), QRect(12, 22, 336, 20), 8);
    Sparbuch = Wertfeld(sg, QStringLiteral("Sparbuch"), QRect(12, 56, 200, 30));
    Aendern = Knopf(sg, Tq("Ändern"), QStringLiteral("Aendern"), QRect(224, 56, 122, 30));
    handeln(Aendern, [] { SparbuchKlick(S.AktManager); });

    // --- Geldanlage ---
    auto* ag = Gruppe(this, Tq("Geldanlage"), QRect(10, 342, 370, 218));
    Beschrift(ag, Tq("Geldanlage bringt 5% Zinsen"), QRect(12, 22, 350, 20), 8);
    AnlageText = Beschrift(ag, QString(), QRect(12, 44, 346, 122), 10, false, QStringLiteral("AnlageText"));
    AnlageText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AnlageText->setWordWrap(true);
    AnlageKnopf = Knopf(ag, QString(), QStringLiteral("AnlageKnopf"), QRect(12, 174, 344, 32));
    handeln(AnlageKnopf, [] { AnlageKlick(S.AktManager); });

    // --- Eigene Aktien ---
    auto* kk = Gruppe(this, Tq("Eigene Aktien"), QRect(390, 342, 360, 218));
    Kurs = Beschrift(kk, QString(), QRect(12, 26, 200, 24), 11, true, QStringLiteral("Kurs"));
    Gemerkt = Beschrift(kk, QString(), QRect(12, 52, 200, 22), 9, false, QStringLiteral("Gemerkt"));
    WertMerken = Knopf(kk, Tq("Wert merken"), QStringLiteral("WertMerken"), QRect(224, 30, 122, 30));
    Aktien = Element<QScrollBar>(kk, QStringLiteral("Aktien"), QRect(12, 90, 334, 22));
    Aktien->setOrientation(Qt::Horizontal);
    Aktien->setRange(0, AktienMax);
    Aktien->setPageStep(100);
    Aktien->setSingleStep(10);
    AktienAnzahl = Beschrift(kk, QString(), QRect(12, 118, 334, 22), 10, true, QStringLiteral("AktienAnzahl"));
    AktienAnzahl->setAlignment(Qt::AlignCenter);
    ImWert = Wertfeld(kk, QStringLiteral("ImWert"), QRect(12, 150, 334, 30));
    ImWert->setAlignment(Qt::AlignCenter);
    handeln(WertMerken, [] { AktienkursMerken(S.AktManager); });
    // Nur eine Bewegung des Benutzers handelt; zeichnen() stellt den Balken mit gesperrten Signalen hin.
    connect(Aktien, &QScrollBar::valueChanged, this, [this](int p) {
        AktienSetzen(S.AktManager, p);
        zeichnen();
    });
}

int64_t TBankF::betrag() const { return static_cast<int64_t>(Darlehen->currentIndex() + 1) * DarlehenSchritt; }
int TBankF::laufzeit() const { return Laufzeit->value(); }

void TBankF::zeichnen()
{
    const Manager_& mg = S.Manager[S.AktManager];
    const int t = laufzeit();
    const Darlehensangebot a = DarlehenBerechnen(betrag(), t);
    LaufzeitLabel->setText(Tq("%1 Spiel(e)").arg(t));
    Rate->setText(Euro(a.Rate));
    Gesamt->setText(Euro(a.Gesamt));
    Zinsen->setText(Q(GeldMitEuro(a.ZinsenProSpiel, 2)));
    LaeuftNoch->setText(mg.DarlehenRestSpiele > 0
                            ? Tq("Läuft noch %1  Rate %2").arg(mg.DarlehenRestSpiele).arg(Euro(mg.DarlehenRate))
                            : QString());
    WegDamit->setEnabled(mg.DarlehenRestSpiele > 0);

    Kredit->setText(Euro(mg.Kredit));
    Sparbuch->setText(Euro(mg.Sparbuch));

    if (mg.AnlageBetrag == 0) {
        AnlageText->setText(
            Tq("An die Zukunft denken !\nGeldanlage bringt 0,5 % pro Spiel !\n"
               "Anlegen kostet 5 % des Anlagebetrages!\nKündigen kostet 10 % des Endbetrages!"));
        AnlageKnopf->setText(Tq("Geld anlegen"));
    } else {
        AnlageText->setText(Tq("Angelegtes Geld %1\nAktueller Betrag %2\nBei Kündigung %3")
                                .arg(Euro(mg.AnlageBetrag), Euro(mg.AnlageWert),
                                     Euro(AnlageBeiKuendigung(mg.AnlageWert))));
        AnlageKnopf->setText(Tq("Anlage Kündigen"));
    }

    const int64_t kurs = S.Spiel.Aktienkurs;
    Kurs->setText(Tq("1 Aktie %1").arg(Euro(kurs)));
    Gemerkt->setText(Tq("Gemerkt %1").arg(Euro(mg.AktienkursGemerkt)));
    {
        const QSignalBlocker still(Aktien);
        Aktien->setValue(mg.Aktien);
    }
    AktienAnzahl->setText(Tq("%1 Aktien").arg(mg.Aktien));
    ImWert->setText(Tq("Im Wert von %1").arg(Euro(AktienWert(S.AktManager))));
}

void TBankF::zeigen()
{
    zeichnen();
    AmStandardOrt(this);
}

} // namespace torvane

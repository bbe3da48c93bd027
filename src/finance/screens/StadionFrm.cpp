#include "finance/screens/StadionFrm.h"

#include "core/Konto.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "finance/Stadion.h"
#include "finance/Vermoegen.h"
#include "finance/screens/StadionWerbung.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <cmath>

namespace torvane {

TStadionF* StadionF = nullptr;

namespace {

constexpr int BildBreite = 256;
constexpr int BildHoehe = 192;
constexpr int Zellen = 32;

QString Euro(double v) { return Q(Geldtext(v)) + QStringLiteral(" €"); }

QLabel* Beschriftung(QWidget* eltern, const QString& text, int y)
{
    QLabel* l = Schild(eltern, QString(), QRect(14, y, 186, 28), Schrift(10, true), Qt::AlignLeft);
    l->setText(text);
    return l;
}

QLabel* Wert(QWidget* eltern, const QString& name, int y, int breite = 150)
{
    QLabel* l = Schild(eltern, name, QRect(204, y, breite, 28), Schrift(11, true));
    l->setStyleSheet(QStringLiteral("QLabel { background: white; color: %1; border: 1px solid %2; border-radius: 4px; }")
                         .arg(Hex(Farbe::Nacht), Hex(Farbe::RasenHell)));
    return l;
}

QLabel* Klein(QWidget* eltern, const QString& name, QRect ort)
{
    QLabel* l = Schild(eltern, name, ort, Schrift(8), Qt::AlignLeft);
    l->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen.darker(140))));
    return l;
}

QToolButton* Rad(QWidget* eltern, const QString& name, bool hoch, int x, int y)
{
    auto* b = new QToolButton(eltern);
    b->setObjectName(name);
    b->setArrowType(hoch ? Qt::UpArrow : Qt::DownArrow);
    b->setGeometry(x, y + 1, 26, 26);
    b->setAutoRepeat(true);
    return b;
}

} // namespace

TStadionF::TStadionF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("StadionF"), Tq("Stadion"), QSize(852, 432));

    Beschriftung(this, Tq("Stadionkosten"), 54);
    Stadionkosten = Wert(this, QStringLiteral("Stadionkosten"), 54);

    Beschriftung(this, Tq("Stadionkomfort"), 96);
    Komfort = Wert(this, QStringLiteral("Komfort"), 96);
    KomfortKaufen = Knopf(this, Tq("Zulegen"), QStringLiteral("KomfortKaufen"), QRect(362, 96, 90, 28));
    KomfortVerkaufen =
        Knopf(this, Tq("Verkaufen"), QStringLiteral("KomfortVerkaufen"), QRect(456, 96, 110, 28));
    KomfortPreis = Klein(this, QStringLiteral("KomfortPreis"), QRect(30, 126, 260, 20));
    KomfortRueck = Klein(this, QStringLiteral("KomfortRueck"), QRect(300, 126, 266, 20));

    Beschriftung(this, Tq("Stadiongröße"), 160);
    Plaetze = Wert(this, QStringLiteral("Plaetze"), 160);
    PlaetzeKaufen = Knopf(this, Tq("Zulegen"), QStringLiteral("PlaetzeKaufen"), QRect(362, 160, 90, 28));
    PlaetzeVerschrotten =
        Knopf(this, Tq("Verschrotten"), QStringLiteral("PlaetzeVerschrotten"), QRect(456, 160, 110, 28));
    PlatzPreis = Klein(this, QStringLiteral("PlatzPreis"), QRect(30, 190, 260, 20));
    PlatzRueck = Klein(this, QStringLiteral("PlatzRueck"), QRect(300, 190, 266, 20));

    Beschriftung(this, Tq("Eintrittspreis"), 226);
    Eintrittspreis = Wert(this, QStringLiteral("Eintrittspreis"), 226);
    EintrittHoch = Rad(this, QStringLiteral("EintrittHoch"), true, 362, 226);
    EintrittRunter = Rad(this, QStringLiteral("EintrittRunter"), false, 390, 226);
    Beschriftung(this, Tq("Dauerkartenpreis"), 262);
    Dauerkartenpreis = Wert(this, QStringLiteral("Dauerkartenpreis"), 262);
    DauerHoch = Rad(this, QStringLiteral("DauerHoch"), true, 362, 262);
    DauerRunter = Rad(this, QStringLiteral("DauerRunter"), false, 390, 262);
    Beschriftung(this, Tq("Pokalspielzuschlag"), 298);
    Pokalzuschlag = Wert(this, QStringLiteral("Pokalzuschlag"), 298);
    PokalHoch = Rad(this, QStringLiteral("PokalHoch"), true, 362, 298);
    PokalRunter = Rad(this, QStringLiteral("PokalRunter"), false, 390, 298);

    Beschriftung(this, Tq("Dauerkarten im Verkauf"), 344);
    ImVerkauf = Wert(this, QStringLiteral("ImVerkauf"), 344);
    Mehr = Knopf(this, Tq("Mehr"), QStringLiteral("Mehr"), QRect(362, 344, 90, 28));
    Weniger = Knopf(this, Tq("Weniger"), QStringLiteral("Weniger"), QRect(456, 344, 110, 28));
    Verkauft = Schild(this, QStringLiteral("Verkauft"), QRect(14, 384, 552, 28), Schrift(10), Qt::AlignLeft);

    Bild = new QLabel(this);
    Bild->setObjectName(QStringLiteral("Bild"));
    Bild->setGeometry(584, 54, BildBreite, BildHoehe);
    Bild->setStyleSheet(QStringLiteral("QLabel { background: %1; border-radius: 6px; }").arg(Hex(Farbe::Nacht)));
    Attraktion = Schild(this, QStringLiteral("Attraktion"), QRect(584, 254, BildBreite, 110), Schrift(10, true),
                        Qt::AlignHCenter | Qt::AlignTop);
    Attraktion->setWordWrap(true);
    Attraktion->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));

    anzeige_ = QPixmap(BildBreite, BildHoehe);
    anzeige_.fill(Farbe::Nacht);
    // Die Reihenfolge der Zellen wird einmal beim Anlegen gezogen.
    folge_ = UeberblendReihenfolge();

    connect(KomfortKaufen, &QPushButton::clicked, this, [this] { tat(&KomfortKaufenFragen); });
    connect(KomfortVerkaufen, &QPushButton::clicked, this, [this] { tat(&KomfortVerkaufenFragen); });
    connect(PlaetzeKaufen, &QPushButton::clicked, this, [this] { tat(&PlaetzeKaufenFragen); });
    connect(PlaetzeVerschrotten, &QPushButton::clicked, this, [this] { tat(&PlaetzeVerschrottenFragen); });
    connect(Mehr, &QPushButton::clicked, this, [this] { tat(&DauerkartenDazuFragen); });
    connect(Weniger, &QPushButton::clicked, this, [this] { tat(&DauerkartenEntnehmenFragen); });
    connect(EintrittHoch, &QToolButton::clicked, this, [this] { tat(&EintrittspreisAendern, true); });
    connect(EintrittRunter, &QToolButton::clicked, this, [this] { tat(&EintrittspreisAendern, false); });
    connect(DauerHoch, &QToolButton::clicked, this, [this] { tat(&DauerkartenpreisAendern, true); });
    connect(DauerRunter, &QToolButton::clicked, this, [this] { tat(&DauerkartenpreisAendern, false); });
    connect(PokalHoch, &QToolButton::clicked, this, [this] { tat(&PokalzuschlagAendern, true); });
    connect(PokalRunter, &QToolButton::clicked, this, [this] { tat(&PokalzuschlagAendern, false); });

    Uhr.setInterval(3000);
    connect(&Uhr, &QTimer::timeout, this, [this] { attraktionWeiter(); });
    connect(&blende_, &QTimer::timeout, this, [this] { blendeSchritt(); });
}

void TStadionF::zeigen()
{
    auffrischen();
    AmStandardOrt(this);
    attraktionWeiter();
    Uhr.start();
}

void TStadionF::auffrischen()
{
    const int m = S.AktManager;
    const Manager_& mg = S.Manager[m];
    const int32_t kp = Komfortpreis(mg.Liga), pp = Platzpreis(mg.Liga);
    Stadionkosten->setText(Euro(StadionkostenWert(m)));
    Komfort->setText(QString::number(mg.Komfortpunkte) + QStringLiteral(" %"));
    KomfortPreis->setText(Tq("Verbessern für je %1").arg(Euro(kp)));
    KomfortRueck->setText(Tq("Verhökern für \"oh je\" %1").arg(Euro(KomfortRueckpreis(mg.Liga))));
    Plaetze->setText(Tq("%1 Plätze").arg(Q(Geldtext(mg.Plaetze))));
    PlatzPreis->setText(Tq("Erhöhen pro Platz für %1").arg(Euro(pp)));
    PlatzRueck->setText(Tq("Schrottpreis pro Platz %1").arg(Euro(PlatzRueckpreis(mg.Liga))));
    Eintrittspreis->setText(Euro(mg.Eintrittspreis));
    Dauerkartenpreis->setText(Euro(mg.Dauerkartenpreis));
    Pokalzuschlag->setText(QString::number(mg.Pokalzuschlag) + QStringLiteral(" %"));
    ImVerkauf->setText(Q(Geldtext(mg.DauerkartenImVerkauf)));
    Verkauft->setText(Tq("Verkaufte Dauerkarten %1 Stück").arg(Q(Geldtext(mg.DauerkartenVerkauft))));
}

void TStadionF::tat(bool (*regel)(int))
{
    regel(S.AktManager);
    auffrischen();
}

void TStadionF::tat(bool (*regel)(int, bool), bool hoch)
{
    regel(S.AktManager, hoch);
    auffrischen();
}

void TStadionF::attraktionWeiter()
{
    if (blende_.isActive()) return;
    const int komfort = S.Manager[S.AktManager].Komfortpunkte;
    index_ = AttraktionNaechste(index_, komfort);
    if (index_ < 0) {
        anzeige_.fill(Farbe::Nacht);
        Bild->setPixmap(anzeige_);
        Attraktion->setText(Tq(KeinKomfortText));
        return;
    }
    Attraktion->setText(Tq(Attraktionen[static_cast<size_t>(index_)]));
    ziel_ = AttraktionBild(index_, QSize(BildBreite, BildHoehe));
    // Während der Überblendung steht die Uhr.
    Uhr.stop();
    schritt_ = 0;
    blende_.start(QtOberflaeche::dauer(40));
}

void TStadionF::blendeSchritt()
{
    const int zb = BildBreite / Zellen, zh = BildHoehe / Zellen;
    {
        QPainter p(&anzeige_);
        for (int i = 0; i < Zellen && schritt_ * Zellen + i < static_cast<int>(folge_.size()); ++i) {
            const auto [x, y] = folge_[static_cast<size_t>(schritt_ * Zellen + i)];
            const QRect zelle(x * zb, y * zh, zb, zh);
            p.drawPixmap(zelle, ziel_, zelle);
        }
    }
    Bild->setPixmap(anzeige_);
    if (++schritt_ < Zellen) return;
    blende_.stop();
    if (isVisible()) Uhr.start();
}

void TStadionF::ueberblendungBeenden()
{
    while (blende_.isActive()) blendeSchritt();
}

void TStadionF::hideEvent(QHideEvent* e)
{
    Uhr.stop();
    if (blende_.isActive()) ueberblendungBeenden();
    QDialog::hideEvent(e);
}

} // namespace torvane

#include "finance/screens/WerbungFrm.h"

#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "finance/Sponsoren.h"
#include "finance/screens/StadionWerbung.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace torvane {

TWerbungF* WerbungF = nullptr;

namespace {

constexpr int Breite = 760;
constexpr int BandenOben = 80;
constexpr int BandenAbstand = 44;
constexpr int TrikotOben = 340;
constexpr int TrikotAbstand = 84;
constexpr int TrikotBildKante = 72;

const char* const BandenTitel[6] = {"", N_("Bandenwerbung 1"), N_("Bandenwerbung 2"), N_("Bandenwerbung 3"),
                                    N_("Allgemeine Werbung"), N_("TV Werbung")};

QColor Artfarbe(int platz)
{
    if (platz == WerbungAllgemein) return Farbe::Sonne;
    if (platz == WerbungFernsehen) return Farbe::Rot;
    return Farbe::Rasen; // weiße Schrift darauf: Hellgrün wäre zu blass
}

} // namespace

TWerbungF::TWerbungF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("WerbungF"), Tq("Werbung"),
                   QSize(Breite, TrikotOben + 3 * TrikotAbstand + 8));

    auto ueberschrift = [this](const QString& text, int y) {
        QLabel* l = Schild(this, QString(), QRect(14, y, 420, 26), Schrift(11, true), Qt::AlignLeft);
        l->setText(text);
        l->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen.darker(130))));
    };
    ueberschrift(Tq("Werbeeinnahmen je Spiel"), 48);
    ueberschrift(Tq("Trikotwerbung einmalige Zahlung"), TrikotOben - 30);

    Anfragen = Element<QPushButton>(this, QStringLiteral("Anfragen"), QRect(Breite - 224, 48, 210, 26));
    Anfragen->setToolTip(Tq("Werbeanfragen"));
    connect(Anfragen, &QPushButton::clicked, this, [this] { anfragenKlick(); });

    for (int s = 1; s <= 5; ++s) {
        const int y = BandenOben + (s - 1) * BandenAbstand;
        const QString n = QString::number(s);
        Titel[s] = Schild(this, QStringLiteral("Titel") + n, QRect(14, y, 164, 34), Schrift(10, true), Qt::AlignLeft);
        Titel[s]->setText(Tq(BandenTitel[s]));
        Sponsor[s] = Schild(this, QStringLiteral("Sponsor") + n, QRect(182, y, 226, 34), Schrift(10), Qt::AlignLeft);
        Sponsor[s]->setWordWrap(true);
        B[s] = Element<QPushButton>(this, QStringLiteral("B") + n, QRect(412, y, Breite - 426, 34));
        B[s]->setToolTip(Tq("Anwerben oder Kündigen"));
        connect(B[s], &QPushButton::clicked, this, [this, s] { bandenGeklickt(s); });
    }

    for (int s = WerbungTrikot1; s <= WerbungTrikot3; ++s) {
        const int y = TrikotOben + (s - WerbungTrikot1) * TrikotAbstand;
        const QString n = QString::number(s);
        Bild[s] = new QLabel(this);
        Bild[s]->setObjectName(QStringLiteral("Bild") + n);
        Bild[s]->setGeometry(14, y, TrikotBildKante, TrikotBildKante);
        Bild[s]->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid %1; border-radius: 6px; }")
                                   .arg(Hex(Farbe::RasenHell)));
        Titel[s] = Schild(this, QStringLiteral("Titel") + n, QRect(96, y, 420, 22), Schrift(10, true), Qt::AlignLeft);
        Titel[s]->setText(Tq(TrikotTitel[static_cast<size_t>(s - WerbungTrikot1)]));
        L[s] = Element<QPushButton>(this, QStringLiteral("L") + n, QRect(96, y + 24, 470, 46));
        L[s]->setStyleSheet(QStringLiteral("QPushButton { background: white; color: %1; border: 1px solid %2;"
                                           " border-radius: 4px; text-align: left; padding-left: 8px; }"
                                           "QPushButton:hover { background: %3; }")
                                .arg(Hex(Farbe::Nacht), Hex(Farbe::RasenHell), Hex(Farbe::Creme)));
        connect(L[s], &QPushButton::clicked, this, [this, s] { trikotKlick(s); });
        B[s] = Element<QPushButton>(this, QStringLiteral("Bu") + n, QRect(578, y + 30, Breite - 592, 34));
        connect(B[s], &QPushButton::clicked, this, [this, s] { trikotKnopf(s); });
    }

    // Die Angebotstafel liegt über den Plätzen je Spiel.
    Tafel = new QFrame(this);
    Tafel->setObjectName(QStringLiteral("Tafel"));
    Tafel->setGeometry(120, BandenOben - 6, 520, 5 * BandenAbstand + 4);
    auto zeile = [this](const QString& name, int y, int h, const QFont& f) {
        QLabel* l = Schild(Tafel, name, QRect(12, y, 496, h), f, Qt::AlignHCenter);
        l->setWordWrap(true);
        return l;
    };
    TafelArt = zeile(QStringLiteral("TafelArt"), 10, 30, Schrift(12, true));
    TafelSponsor = zeile(QStringLiteral("TafelSponsor"), 46, 34, Schrift(13, true));
    TafelBetrag = zeile(QStringLiteral("TafelBetrag"), 82, 26, Schrift(12, true));
    QFont kursiv = Schrift(11);
    kursiv.setItalic(true);
    TafelSpruch = zeile(QStringLiteral("TafelSpruch"), 110, 24, kursiv);
    TafelNotiz = zeile(QStringLiteral("TafelNotiz"), 136, 22, Schrift(9));
    Ja = Knopf(Tafel, Tq("Ja"), QStringLiteral("Ja"), QRect(140, 176, 110, 32));
    Nein = Knopf(Tafel, Tq("Nein"), QStringLiteral("Nein"), QRect(270, 176, 110, 32));
    connect(Ja, &QPushButton::clicked, this, [this] { ja(); });
    connect(Nein, &QPushButton::clicked, this, [this] { nein(); });
    Tafel->hide();
}

void TWerbungF::zeigen()
{
    tafel_ = {};
    trikot_ = {};
    tafelZeigen(false);
    auffrischen();
    AmStandardOrt(this);
}

void TWerbungF::auffrischen()
{
    const int m = S.AktManager;
    Anfragen->setText(Tq("Werbeanfragen %1").arg(OffeneWerbeanfragen(m)));
    const bool frei = !Tafel->isVisible();
    for (int s = 1; s <= 8; ++s) {
        const Werbevertrag_& v = S.Werbevertraege[m][s];
        const bool laeuft = v.SpieleRest > 0;
        if (!IstTrikotplatz(s)) {
            Sponsor[s]->setText(laeuft ? Q(WerbeSponsorName(s, v.Sponsor)) : QString());
            B[s]->setText(Q(WerbeplatzText(m, s)));
            B[s]->setEnabled(frei);
            continue;
        }
        const Werbeangebot& a = trikot_[static_cast<size_t>(s)];
        const bool angebot = !laeuft && a.platz == s;
        QString text = Q(WerbeplatzText(m, s));
        if (laeuft) text = Q(WerbeSponsorName(s, v.Sponsor)) + QLatin1Char('\n') + text;
        if (angebot) text = Q(WerbeSponsorName(s, a.sponsor)) + QLatin1Char('\n') + Q(AngebotText(a));
        L[s]->setText(text);
        L[s]->setEnabled(frei);
        B[s]->setVisible(laeuft || angebot);
        B[s]->setText(laeuft ? Tq("Kündigen") : Tq("Vertrag"));
        B[s]->setEnabled(frei);
        const int sponsor = laeuft ? v.Sponsor : a.sponsor;
        Bild[s]->setPixmap(laeuft || angebot ? TrikotBild(sponsor, QSize(TrikotBildKante - 4, TrikotBildKante - 4))
                                             : QPixmap());
        Bild[s]->setAlignment(Qt::AlignCenter);
    }
}

void TWerbungF::tafelZeigen(bool zeigen)
{
    Tafel->setVisible(zeigen);
    if (zeigen) Tafel->raise();
    auffrischen();
}

void TWerbungF::bandenGeklickt(int platz)
{
    if (Tafel->isVisible()) return;
    Werbeangebot a;
    switch (BandenKlick(S.AktManager, platz, a)) {
    case WerbeKlick::Traum:
        tafel_ = {};
        Tafel->setStyleSheet(QStringLiteral("QFrame#Tafel { background: white; border: 3px solid %1; border-radius: 8px; }")
                                 .arg(Hex(Farbe::Rot)));
        TafelArt->setStyleSheet(QString());
        TafelArt->setText(Tq("Fernsewerbung in der 4.Liga ???"));
        TafelSponsor->setText(Tq("Träum weiter ..."));
        TafelBetrag->clear();
        TafelSpruch->clear();
        TafelNotiz->clear();
        Ja->hide();
        Nein->move(205, Nein->y());
        tafelZeigen(true);
        return;
    case WerbeKlick::Angebot: {
        tafel_ = a;
        const QColor farbe = Artfarbe(platz);
        Tafel->setStyleSheet(QStringLiteral("QFrame#Tafel { background: white; border: 3px solid %1; border-radius: 8px; }")
                                 .arg(Hex(farbe)));
        TafelArt->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border-radius: 6px; }")
                                    .arg(Hex(farbe), Hex(platz == WerbungAllgemein ? Farbe::Tinte : QColor(Qt::white))));
        TafelArt->setText(Q(Werbeart(platz)));
        TafelSponsor->setText(Q(WerbeSponsorName(platz, a.sponsor)));
        TafelBetrag->setText(Q(AngebotText(a)));
        TafelSpruch->setText(a.spruch >= 0 ? Tq(WerbeSprueche[static_cast<size_t>(a.spruch)]) : QString());
        TafelNotiz->setText(Tq("gibt´s noch als einmalige Sonderzahlung dazu"));
        Ja->show();
        Nein->move(270, Nein->y());
        tafelZeigen(true);
        return;
    }
    default: auffrischen();
    }
}

void TWerbungF::ja()
{
    if (tafel_.platz != 0) WerbevertragAnnehmen(S.AktManager, tafel_);
    tafel_ = {};
    tafelZeigen(false);
}

void TWerbungF::nein()
{
    // Die Anfrage bleibt verbraucht.
    tafel_ = {};
    tafelZeigen(false);
}

void TWerbungF::reject()
{
    if (Tafel->isVisible()) return nein();
    QDialog::reject();
}

void TWerbungF::trikotKlick(int platz)
{
    if (Tafel->isVisible() || !WerbeplatzFrei(S.AktManager, platz)) return;
    Werbeangebot a;
    if (TrikotAnfragen(S.AktManager, platz, a)) trikot_[static_cast<size_t>(platz)] = a;
    auffrischen();
}

void TWerbungF::trikotKnopf(int platz)
{
    if (Tafel->isVisible()) return;
    const int m = S.AktManager;
    Werbeangebot& a = trikot_[static_cast<size_t>(platz)];
    if (!WerbeplatzFrei(m, platz))
        WerbungKuendigenFragen(m, platz);
    else if (a.platz == platz)
        WerbevertragAnnehmen(m, a);
    a = {};
    auffrischen();
}

void TWerbungF::anfragenKlick()
{
    const double v = S.Manager[S.AktManager].Werbeanfragen;
    Hinweis(Tf("Werbeanfragen: %1", {U(QString::number(v, 'g', 9).replace(QLatin1Char('.'), QLatin1Char(',')))}));
}

void TWerbungF::hideEvent(QHideEvent* e)
{
    // Ein Angebot lebt nur, solange es zu sehen ist.
    tafel_ = {};
    trikot_ = {};
    Tafel->hide();
    QDialog::hideEvent(e);
}

} // namespace torvane

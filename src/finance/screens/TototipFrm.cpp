#include "finance/screens/TototipFrm.h"

#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "match/Spieltag.h"
#include "match/screens/Spieltagbilder.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <cstdlib>

namespace torvane {

TTototipF* TototipF = nullptr;

namespace {

constexpr int Breite = 720;
constexpr int ListeOben = 56;
constexpr int ReihenHoehe = 30;
constexpr int Fallhoehe = 110;
constexpr int ListeUnten = ListeOben + 9 * ReihenHoehe + Fallhoehe;

// Oberkante der Reihe p vor dem Tipp und auf dem Stapel (Paarung 1 oben, 9 unten).
int Start(int p) { return ListeOben + (p - 1) * ReihenHoehe; }
int Gestapelt(int p) { return ListeUnten - (10 - p) * ReihenHoehe; }

QString Euro(double v) { return Q(Geldtext(v)) + QStringLiteral(" €"); }

QString VereinName(int v) { return v > 0 && v < S.Mannschaft.laenge() ? Q(S.Mannschaft[v].Name.text()) : QString(); }

} // namespace

TTototipF::TTototipF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("TototipF"), Tq("TotoTip"), QSize(Breite, ListeUnten + 104));

    auto* liste = new QFrame(this);
    liste->setObjectName(QStringLiteral("Liste"));
    liste->setGeometry(10, ListeOben - 4, 440, ListeUnten - ListeOben + 8);
    liste->setStyleSheet(QStringLiteral("QFrame#Liste { background: %1; border-radius: 8px; }")
                             .arg(Hex(QColor(220, 237, 200))));
    liste->lower();

    for (int p = 1; p <= 9; ++p) {
        Reihe& r = Reihen[static_cast<size_t>(p)];
        const QString n = QString::number(p);
        r.Rahmen = new QFrame(this);
        r.Rahmen->setObjectName(QStringLiteral("Reihe") + n);
        r.Rahmen->setGeometry(16, Start(p), 428, ReihenHoehe - 2);
        r.Rahmen->setStyleSheet(QStringLiteral("QFrame#Reihe%1 { background: white; border: 1px solid %2; border-radius: 5px; }")
                                    .arg(n, Hex(Farbe::Rasen)));
        r.Nummer = Schild(r.Rahmen, QStringLiteral("Nummer") + n, QRect(4, 0, 24, ReihenHoehe - 2), Schrift(9, true),
                          Qt::AlignRight);
        r.Nummer->setText(n + QLatin1Char('.'));
        r.Paarung = Schild(r.Rahmen, QStringLiteral("Paarung") + n, QRect(34, 0, 340, ReihenHoehe - 2), Schrift(9),
                           Qt::AlignLeft);
        r.Tip = Schild(r.Rahmen, QStringLiteral("Tip") + n, QRect(380, 2, 40, ReihenHoehe - 6), Schrift(12, true));
        r.Tip->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border-radius: 4px; }")
                                 .arg(Hex(Farbe::Creme), Hex(Farbe::Rot)));
    }

    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(464, ListeOben, 244, 38);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { setzen(); });

    auto* tafelKopf = Schild(this, QStringLiteral("Gewinntafel"), QRect(464, ListeOben + 48, 244, 22), Schrift(10, true));
    tafelKopf->setText(Tq("Gewinne"));
    for (int k = 3; k <= 9; ++k) {
        QLabel*& l = Gewinne[static_cast<size_t>(k - 3)];
        l = Schild(this, QStringLiteral("Gewinn") + QString::number(k), QRect(474, ListeOben + 48 + (k - 2) * 22, 224, 22),
                   CourierSchrift(10), Qt::AlignLeft);
    }

    auto tipKnopf = [this](const QString& name, const QString& text, const QString& hinweis, int x) {
        auto* b = Knopf(this, text, name, QRect(x, ListeOben + 234, 70, 48));
        b->setToolTip(hinweis);
        b->setFont(Schrift(16, true));
        return b;
    };
    Heimsieg = tipKnopf(QStringLiteral("Heimsieg"), QStringLiteral("1"), Tq("für Heimsieg"), 470);
    Unentschieden = tipKnopf(QStringLiteral("Unentschieden"), QStringLiteral("0"), Tq("für Unentschieden"), 552);
    Auswaertssieg = tipKnopf(QStringLiteral("Auswaertssieg"), QStringLiteral("2"), Tq("für Auswärtssieg"), 634);
    connect(Heimsieg, &QPushButton::clicked, this, [this] { tippen('1'); });
    connect(Unentschieden, &QPushButton::clicked, this, [this] { tippen('0'); });
    connect(Auswaertssieg, &QPushButton::clicked, this, [this] { tippen('2'); });
    Hinweistext = Schild(this, QStringLiteral("Hinweistext"), QRect(464, ListeOben + 290, 244, 60), Schrift(10, true),
                         Qt::AlignHCenter | Qt::AlignTop);
    Hinweistext->setWordWrap(true);

    auto info = [this](const QString& name, int y) {
        QLabel* l = Schild(this, name, QRect(10, y, Breite - 20, 42), Schrift(10), Qt::AlignLeft);
        l->setWordWrap(true);
        l->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid %1; border-radius: 6px;"
                                        " padding-left: 8px; }")
                             .arg(Hex(Farbe::RasenHell)));
        return l;
    };
    InfoHeim = info(QStringLiteral("InfoHeim"), ListeUnten + 10);
    InfoGast = info(QStringLiteral("InfoGast"), ListeUnten + 56);

    // Solange der Schein offen ist, bleibt alles andere stehen.
    setModal(true);
}

void TTototipF::reiheFuellen(int p, int heim, int gast, char tip)
{
    Reihe& r = Reihen[static_cast<size_t>(p)];
    r.Paarung->setText(VereinName(heim) + QStringLiteral("  -  ") + VereinName(gast));
    r.Tip->setText(tip ? QString(QChar(tip)) : QString());
    r.Rahmen->show();
}

void TTototipF::reiheZurueck(int p) { Reihen[static_cast<size_t>(p)].Rahmen->move(16, Start(p)); }

void TTototipF::tippknoepfe(bool an)
{
    for (QPushButton* b : {Heimsieg, Unentschieden, Auswaertssieg}) {
        b->setVisible(an);
        b->setEnabled(an && !faellt_);
    }
    InfoHeim->setVisible(an);
    InfoGast->setVisible(an);
}

void TTototipF::zeigen()
{
    schein_ = {};
    faellt_ = false;
    const int m = S.AktManager;
    const Manager_& mg = S.Manager[m];
    BitBtn1->setText(Tq("TotoTip für %1").arg(Euro(TotoEinsatz(mg.Liga))));
    for (int k = 3; k <= 9; ++k)
        Gewinne[static_cast<size_t>(k - 3)]->setText(
            Tq("%1 Richtig %2").arg(QString::number(k), Euro(TotoGewinn(mg.Liga, k)).rightJustified(14)));
    const std::string_view tip = mg.TotoTip.roh();
    BitBtn1->setVisible(tip.empty());
    tippknoepfe(false);
    // Ein abgegebener Tipp steht auf dem Stapel, mit den Paarungen des nächsten Spieltags.
    const TotoPaarungen paarungen = NaechstePaarungen(mg.Liga);
    for (int p = 1; p <= 9; ++p) {
        Reihe& r = Reihen[static_cast<size_t>(p)];
        if (tip.empty()) {
            r.Rahmen->hide();
            continue;
        }
        const char t = static_cast<size_t>(p) <= tip.size() ? tip[static_cast<size_t>(p - 1)] : '\0';
        reiheFuellen(p, paarungen.heim[static_cast<size_t>(p)], paarungen.gast[static_cast<size_t>(p)], t);
        r.Rahmen->move(16, Gestapelt(p));
    }
    Hinweistext->setText(tip.empty() ? QString() : Tq("Der Tipp ist abgegeben."));
    if (!isVisible()) AmStandardOrt(this);
}

void TTototipF::setzen()
{
    if (schein_.laeuft() || TotoSetzen(S.AktManager, schein_) != TotoStart::Gesetzt) return;
    BitBtn1->hide();
    for (int p = 1; p <= 9; ++p) {
        reiheFuellen(p, schein_.heim[static_cast<size_t>(p)], schein_.gast[static_cast<size_t>(p)], '\0');
        reiheZurueck(p);
    }
    ziel_ = Gestapelt(9);
    tippknoepfe(true);
    infoZeigen();
}

void TTototipF::infoZeigen()
{
    const int p = schein_.offen;
    auto text = [](int v) {
        if (v <= 0 || v >= S.Mannschaft.laenge()) return QString();
        const Mannschaft_& mm = S.Mannschaft[v];
        return Tq("%1:   Stärke=%2  Moral=%3  Platz=%4")
            .arg(Q(mm.Name.text()), QString::number(mm.Gesamt), QString::number(mm.Moral), QString::number(mm.Platz));
    };
    InfoHeim->setText(p > 0 ? text(schein_.heim[static_cast<size_t>(p)]) : QString());
    InfoGast->setText(p > 0 ? text(schein_.gast[static_cast<size_t>(p)]) : QString());
    Hinweistext->setText(p > 0 ? Tq("Paarung %1 tippen").arg(p) : QString());
}

void TTototipF::tippen(char tip)
{
    if (faellt_ || !schein_.laeuft()) return;
    const int p = schein_.offen;
    if (!TotoTippen(schein_, tip)) return;
    Reihen[static_cast<size_t>(p)].Tip->setText(QString(QChar(tip)));
    Klang("Explosion");
    fallen(p);
    if (schein_.offen > 0)
        infoZeigen();
    else
        zeigen();
}

void TTototipF::fallen(int p)
{
    // Keine Tipps, solange die Reihe fällt, auch nicht nach einem Laufzeitfehler.
    struct Sperre {
        TTototipF* f;
        explicit Sperre(TTototipF* f) : f(f) { f->faellt_ = true; f->tippknoepfe(true); }
        ~Sperre() { f->faellt_ = false; f->tippknoepfe(f->schein_.laeuft()); }
    } sperre(this);
    QFrame* r = Reihen[static_cast<size_t>(p)].Rahmen;
    int y = r->y();
    for (int schritt = 1; y < ziel_; ++schritt) {
        y = std::min(y + 2, ziel_);
        r->move(r->x(), y);
        if (schritt % 3 == 0) Warte(std::abs(ziel_ - y) / 10);
    }
    ziel_ -= ReihenHoehe;
}

void TTototipF::hideEvent(QHideEvent* e)
{
    QDialog::hideEvent(e);
    // Unfertig verlassen: Tipp und Einsatz sind verloren.
    if (schein_.laeuft()) TotoVerlassen(schein_);
}

} // namespace torvane

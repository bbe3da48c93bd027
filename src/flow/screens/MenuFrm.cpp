#include "flow/screens/MenuFrm.h"

#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "flow/screens/MainFrm.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace torvane {

TMenuF* MenuF = nullptr;

void TKlickPanel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) emit geklickt();
}

namespace {

const char* const Hauptknopftexte[4] = {"&Mannschaft ", "&Information", "&Finanzen", "&Sonstiges"};

QLabel* Tafelfeld(QWidget* eltern, const QString& name, QRect ort, int punkte = 10, bool fett = true)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setGeometry(ort);
    l->setFont(Schrift(punkte, fett));
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("QLabel { background: white; color: %1; border: 1px solid %2; border-radius: 4px; }")
                         .arg(Hex(Farbe::Nacht), Hex(Farbe::RasenHell)));
    return l;
}

QLabel* Beschriftung(QWidget* eltern, const QString& text, QRect ort)
{
    auto* l = new QLabel(text, eltern);
    l->setGeometry(ort);
    l->setFont(Schrift(9, true));
    l->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen.darker(130))));
    return l;
}

QProgressBar* Anzeige(QWidget* eltern, const QString& name, QRect ort, const QColor& farbe, bool umgekehrt = false)
{
    auto* g = new QProgressBar(eltern);
    g->setObjectName(name);
    g->setGeometry(ort);
    g->setRange(0, 100);
    g->setValue(0);
    g->setTextVisible(false);
    g->setInvertedAppearance(umgekehrt);
    g->setStyleSheet(QStringLiteral("QProgressBar { background: white; border: 1px solid %1; border-radius: 4px; }"
                                    "QProgressBar::chunk { background: %2; border-radius: 3px; }")
                         .arg(Hex(Farbe::Tinte), Hex(farbe)));
    return g;
}

constexpr int MenueBreite = 250;
constexpr int TafelHoehe = 472;
constexpr int AbschlussHoehe = 84;

} // namespace

TMenuF::TMenuF(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("MenuF"));
    setAttribute(Qt::WA_StyledBackground);
    StilSetzen(this);
    setFixedSize(MenueBreite, TafelHoehe + AbschlussHoehe);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, MenueBreite, TafelHoehe);

    Beschriftung(Panel1, QStringLiteral("Managemet"), QRect(6, 6, 80, 20));
    P1 = Tafelfeld(Panel1, QStringLiteral("P1"), QRect(86, 4, 158, 22));
    Beschriftung(Panel1, QStringLiteral("Verein"), QRect(6, 32, 80, 20));
    P2 = Tafelfeld(Panel1, QStringLiteral("P2"), QRect(86, 30, 158, 22), 9);
    P3 = Tafelfeld(Panel1, QStringLiteral("P3"), QRect(6, 56, 96, 22));
    P4 = Tafelfeld(Panel1, QStringLiteral("P4"), QRect(106, 56, 138, 22));

    Beschriftung(Panel1, QStringLiteral("Moral"), QRect(6, 86, 60, 18));
    Gauge1 = Anzeige(Panel1, QStringLiteral("Gauge1"), QRect(60, 86, 184, 16), Farbe::Sonne);
    L4 = new QLabel(Panel1);
    L4->setObjectName(QStringLiteral("L4"));
    L4->setGeometry(60, 104, 184, 18);
    L4->setAlignment(Qt::AlignCenter);
    L4->setFont(Schrift(10, true));

    Beschriftung(Panel1, QStringLiteral("Einsatz der Mannschaft"), QRect(6, 128, 238, 18));
    Gauge2 = Anzeige(Panel1, QStringLiteral("Gauge2"), QRect(6, 156, 98, 16), Farbe::Limette, true);
    Gauge3 = Anzeige(Panel1, QStringLiteral("Gauge3"), QRect(146, 156, 98, 16), Farbe::Rot);
    UpDown1Hoch = new QToolButton(Panel1);
    UpDown1Hoch->setObjectName(QStringLiteral("UpDown1Hoch"));
    UpDown1Hoch->setArrowType(Qt::UpArrow);
    UpDown1Hoch->setGeometry(110, 146, 30, 18);
    UpDown1Runter = new QToolButton(Panel1);
    UpDown1Runter->setObjectName(QStringLiteral("UpDown1Runter"));
    UpDown1Runter->setArrowType(Qt::DownArrow);
    UpDown1Runter->setGeometry(110, 164, 30, 18);
    connect(UpDown1Hoch, &QToolButton::clicked, this, &TMenuF::einsatzHochKlick);
    connect(UpDown1Runter, &QToolButton::clicked, this, &TMenuF::einsatzRunterKlick);
    L2 = new QLabel(Panel1);
    L2->setObjectName(QStringLiteral("L2"));
    L2->setGeometry(6, 186, 238, 20);
    L2->setAlignment(Qt::AlignCenter);
    L2->setFont(Schrift(10, true));
    L2->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));

    Beschriftung(Panel1, QStringLiteral("Konto"), QRect(6, 214, 50, 20));
    P5 = Tafelfeld(Panel1, QStringLiteral("P5"), QRect(56, 212, 160, 24), 11);
    L1 = new QLabel(QString::fromUtf8(Waehrung), Panel1);
    L1->setObjectName(QStringLiteral("L1"));
    L1->setGeometry(218, 212, 28, 24);
    L1->setFont(Schrift(12, true));

    for (int n = 0; n < 4; ++n) {
        auto* b = new QPushButton(QString::fromUtf8(Hauptknopftexte[n]), Panel1);
        b->setObjectName(QStringLiteral("M%1").arg(n));
        b->setGeometry(6, 244 + n * 40, 108, 34);
        connect(b, &QPushButton::clicked, this, [this, n] { hauptKlick(n); });
        M[static_cast<size_t>(n)] = b;
    }
    for (int k = 0; k < MenuepunktZahl; ++k) {
        const char* text = Eintrag(PunktAmPlatz(k)).text;
        auto* b = new QPushButton(text ? QString::fromUtf8(text) : QString(), Panel1);
        b->setObjectName(QStringLiteral("K%1").arg(k));
        b->setGeometry(122, 244, 122, 24);
        b->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border-color: %3; }"
                                        "QPushButton:hover { background: %4; }"
                                        "QPushButton:disabled { background: #eeeeee; color: #9e9e9e; border-color: #bdbdbd; }")
                             .arg(Hex(Farbe::Creme), Hex(Farbe::Nacht), Hex(Farbe::RasenHell), Hex(Farbe::Sonne)));
        b->setVisible(false);
        b->setEnabled(false);
        b->setToolTip(QStringLiteral("Kommt bald"));
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, k] { unterKlick(PunktAmPlatz(k)); });
        K[static_cast<size_t>(k)] = b;
    }

    auto unten = [this](const QString& text, const QString& name, QRect ort) {
        auto* b = new QPushButton(text, Panel1);
        b->setObjectName(name);
        b->setGeometry(ort);
        return b;
    };
    Disk = unten(QStringLiteral("Disk"), QStringLiteral("Disk"), QRect(6, 414, 116, 26));
    Hilfe = unten(QStringLiteral("Hilfe"), QStringLiteral("Hilfe"), QRect(128, 414, 116, 26));
    Info = unten(QStringLiteral("Info"), QStringLiteral("Info"), QRect(6, 442, 116, 26));
    Tschuess = unten(QStringLiteral("Tschüss"), QStringLiteral("Tschuess"), QRect(128, 442, 116, 26));
    connect(Disk, &QPushButton::clicked, this, [this] {
        FensterSchliessen();
        if (diskOeffnen) diskOeffnen();
    });
    connect(Hilfe, &QPushButton::clicked, this, [this] {
        FensterSchliessen();
        if (hilfeOeffnen) hilfeOeffnen();
    });
    connect(Info, &QPushButton::clicked, this, [this] {
        if (infoOeffnen) infoOeffnen();
    });
    connect(Tschuess, &QPushButton::clicked, this, [this] {
        if (tschuessOeffnen) tschuessOeffnen();
    });
    tastenkuerzelAnlegen();

    Abschluss = new TKlickPanel(this);
    Abschluss->setObjectName(QStringLiteral("Abschluss"));
    Abschluss->setGeometry(0, TafelHoehe, MenueBreite, AbschlussHoehe);
    Abschluss->setStyleSheet(QStringLiteral("QFrame#Abschluss { background: %1; border-top: 3px solid %2; }")
                                 .arg(Hex(Farbe::Rasen), Hex(Farbe::Sonne)));
    Abschluss->setCursor(Qt::PointingHandCursor);
    Abschluss->setToolTip(QStringLiteral("Zug abschließen (Enter)"));
    Label3D1 = new QLabel(Abschluss);
    Label3D1->setObjectName(QStringLiteral("Label3D1"));
    Label3D1->setGeometry(4, 6, 242, 22);
    Label3D1->setAlignment(Qt::AlignCenter);
    Label3D1->setFont(Schrift(11, true));
    Label3D1->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Zitrone)));
    Label3D2 = new QLabel(Abschluss);
    Label3D2->setObjectName(QStringLiteral("Label3D2"));
    Label3D2->setGeometry(4, 28, 242, 20);
    Label3D2->setAlignment(Qt::AlignCenter);
    Label3D2->setFont(Schrift(10, true));
    Label3D2->setStyleSheet(QStringLiteral("color: white;"));
    for (QLabel* l : {Label3D1, Label3D2}) l->setAttribute(Qt::WA_TransparentForMouseEvents);
    AbschlussButton = new QPushButton(QStringLiteral("Zug abschließen"), Abschluss);
    AbschlussButton->setObjectName(QStringLiteral("AbschlussButton"));
    AbschlussButton->setGeometry(55, 52, 140, 26);
    AbschlussButton->setDefault(true);
    AbschlussButton->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border-color: white; }"
                                                  "QPushButton:focus { border: 2px solid white; }")
                                       .arg(Hex(Farbe::Sonne), Hex(Farbe::Nacht)));
    connect(AbschlussButton, &QPushButton::clicked, this, &TMenuF::abschlussFolgen);
    connect(Abschluss, &TKlickPanel::geklickt, this, &TMenuF::abschlussFolgen);
    Abkuerzen = new QPushButton(QStringLiteral("Überspringen"), Abschluss);
    Abkuerzen->setObjectName(QStringLiteral("Abkuerzen"));
    Abkuerzen->setGeometry(AbschlussButton->geometry());
    Abkuerzen->setFocusPolicy(Qt::NoFocus);
    Abkuerzen->setToolTip(QStringLiteral("Rollt das Menü sofort ein oder aus (Taste Escape)"));
    Abkuerzen->setVisible(false);
    AbkuerzKnopf(Abkuerzen);
    connect(Abkuerzen, &QPushButton::clicked, this, &AbkuerzenBeginnen);

    PanelSpielfrei = new QFrame(Abschluss);
    PanelSpielfrei->setObjectName(QStringLiteral("PanelSpielfrei"));
    PanelSpielfrei->setGeometry(0, 0, MenueBreite, AbschlussHoehe);
    PanelSpielfrei->setStyleSheet(QStringLiteral("QFrame#PanelSpielfrei { background: %1; }").arg(Hex(Farbe::Nacht)));
    auto* spielfrei = new QLabel(QStringLiteral("S p i e l f r e i"), PanelSpielfrei);
    spielfrei->setGeometry(0, 10, MenueBreite, 30);
    spielfrei->setAlignment(Qt::AlignCenter);
    spielfrei->setFont(Schrift(15, true));
    spielfrei->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Sonne)));
    LabelSpielFrei = new QLabel(PanelSpielfrei);
    LabelSpielFrei->setObjectName(QStringLiteral("LabelSpielFrei"));
    LabelSpielFrei->setGeometry(0, 44, MenueBreite, 26);
    LabelSpielFrei->setAlignment(Qt::AlignCenter);
    LabelSpielFrei->setFont(Schrift(12, true));
    LabelSpielFrei->setStyleSheet(QStringLiteral("color: white;"));
    PanelSpielfrei->setVisible(false);

    vollHoehe = TafelHoehe;
}

void TMenuF::abschlussFolgen()
{
    if (!isEnabled() || !AbschlussButton->isEnabled() || PanelSpielfrei->isVisible()) return;
    if (abschluss) abschluss();
}

void TMenuF::oeffnerSetzen(Menuepunkt p, std::function<void()> oeffner)
{
    QPushButton* b = knopf(p);
    auto& o = oeffner_[static_cast<size_t>(Platz(p))];
    o = std::move(oeffner);
    const bool da = static_cast<bool>(o);
    b->setEnabled(da);
    b->setToolTip(da ? QString() : QStringLiteral("Kommt bald"));
}

void TMenuF::menueZeichnen()
{
    // AnzeigeErster setzt die Regel (MenueAnzeigen); hier wird nur gezeichnet.
    const int m = S.AktManager;
    const Manager_& mg = S.Manager[m];
    P1->setText(Q(mg.Name.text()));
    TextEinpassen(P2, Q(mg.Vereinsname.text()));
    P3->setText(Q(SaisonText()).trimmed());
    P4->setText(mg.Liga >= 0 && mg.Liga < static_cast<int>(LigaNamen.size()) ? QString::fromUtf8(LigaNamen[mg.Liga])
                                                                             : QString());
    kontoZeichnen();
    const int moral = VereinVon(m).Moral;
    Gauge1->setValue(qBound(0, moral, 100));
    L4->setText(Q(MoralWort(moral)));
    einsatzZeichnen();
    const Abschlusstexte t = AbschlussTexte();
    Label3D1->setText(Q(t.wettbewerb));
    // Lange Texte ("Meisterschaft  LETZTER SPIELTAG") kleiner setzen, damit sie ganz zu lesen sind.
    for (int punkte = 11; punkte >= 7; --punkte) {
        Label3D1->setFont(Schrift(punkte, true));
        if (QFontMetrics(Label3D1->font()).horizontalAdvance(Label3D1->text()) <= Label3D1->width() - 4) break;
    }
    Label3D2->setText(Q(t.tag));
    // Nach einer Ladefrage gibt es den Speicherbildschirm erst beim nächsten Start wieder.
    Disk->setVisible(!LadenGesperrt());
}

void TMenuF::kontoZeichnen()
{
    const int32_t konto = S.Manager[S.AktManager].Kontostand;
    P5->setText(Q(Geldtext(konto)));
    P5->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border: 1px solid %3; border-radius: 4px; }")
                          .arg(Hex(konto >= 0 ? Farbe::Limette : Farbe::Rot), konto >= 0 ? Hex(Farbe::Nacht)
                                                                                          : QStringLiteral("white"),
                               Hex(Farbe::Tinte)));
    L1->setText(QString::fromUtf8(Waehrung).trimmed());
}

void TMenuF::einsatzZeichnen()
{
    const int e = S.Manager[S.AktManager].Einsatz;
    L2->setText(Q(EinsatzText(e)));
    // Beide Anzeigen jedes Mal setzen: sonst stünde nach einem Managerwechsel
    // noch der Ausschlag des Vorgängers auf der anderen Seite.
    Gauge3->setValue(e >= 1 ? qMin(e, 100) : 0);
    Gauge2->setValue(e < 0 ? qMin(-e, 100) : 0);
}

void TMenuF::einsatzHochKlick()
{
    if (EinsatzHoch()) EinsatzBerechnen();
    einsatzZeichnen();
}

void TMenuF::einsatzRunterKlick()
{
    if (EinsatzRunter()) EinsatzBerechnen();
    einsatzZeichnen();
}

void TMenuF::hauptKlick(int n)
{
    HauptknopfKlick();
    setEnabled(false);
    for (int i = 0; i < 4; ++i) {
        QFont f = M[static_cast<size_t>(i)]->font();
        f.setBold(i == n);
        M[static_cast<size_t>(i)]->setFont(f);
    }
    if (n != letzteGruppe && letzteGruppe >= 0) {
        for (int k = PunkteJeGruppe * letzteGruppe; k < PunkteJeGruppe * (letzteGruppe + 1); ++k) {
            if (!K[static_cast<size_t>(k)]->isVisible()) continue;
            K[static_cast<size_t>(k)]->setVisible(false);
            WarteSekunden(0.03);
        }
    }
    for (int i = 0; i < PunkteJeGruppe; ++i) {
        const Menuepunkt p = PunktAmPlatz(PunkteJeGruppe * n + i);
        QPushButton* b = knopf(p);
        b->move(122, 244 + i * 27);
        QFont f = b->font();
        f.setBold(false);
        b->setFont(f);
        if (!b->isVisible() && !Frei(p)) {
            b->setVisible(true);
            WarteSekunden(0.05);
        }
    }
    letzteGruppe = n;
    setEnabled(true);
}

void TMenuF::unterKlick(Menuepunkt p)
{
    const auto& o = oeffner_[static_cast<size_t>(Platz(p))];
    if (!o) return;
    UnterknopfKlick();
    if (Eintrag(p).ligaWaehlen) {
        const int erster = LigaWaehlen();
        if (erster <= 0) return; // ohne Wahl geschlossen
        S.Spiel.AnzeigeErster = erster;
    }
    o();
}

bool TMenuF::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Enter) {
        if (auto* b = qobject_cast<QPushButton*>(o)) {
            if (hervor_ && hervor_ != b) {
                QFont f = hervor_->font();
                f.setBold(false);
                hervor_->setFont(f);
            }
            QFont f = b->font();
            f.setBold(true);
            b->setFont(f);
            hervor_ = b;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TMenuF::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) Klang("OhOh");
}

namespace {

// Solange das Menü rollt, zeigt es "Überspringen"; danach ist auch das Abkürzen vorbei, damit der
// Tag oder der neue Zug wieder zum Zusehen beginnt.
class Rollen {
public:
    explicit Rollen(QPushButton* knopf) : knopf_(knopf)
    {
        AbkuerzenAnbieten(knopf_, true);
        knopf_->setEnabled(true); // das übrige Menü ist gesperrt
        knopf_->raise();
    }
    ~Rollen() { AbkuerzenAnbieten(knopf_, false); }
    Rollen(const Rollen&) = delete;
    Rollen& operator=(const Rollen&) = delete;

private:
    QPushButton* knopf_;
};

} // namespace

void TMenuF::hochrollen()
{
    const Rollen rollen(Abkuerzen);
    vollHoehe = Panel1->height() > 0 ? Panel1->height() : vollHoehe;
    int h = Panel1->height();
    while (h > 0) {
        h -= 4;
        Panel1->setFixedHeight(qMax(h, 0));
        Abschluss->move(0, qMax(h, 0));
        setFixedHeight(qMax(h, 0) + AbschlussHoehe);
        Warte(10);
    }
}

void TMenuF::runterrollen()
{
    const Rollen rollen(Abkuerzen);
    int h = Panel1->height();
    while (h < vollHoehe) {
        h = qMin(h + 2, vollHoehe);
        Panel1->setFixedHeight(h);
        Abschluss->move(0, h);
        setFixedHeight(h + AbschlussHoehe);
        Warte(10);
    }
}

void TMenuF::spielfreiZeigen(const QString& name)
{
    LabelSpielFrei->setText(name);
    PanelSpielfrei->setVisible(true);
    PanelSpielfrei->raise();
}

void TMenuF::spielfreiVerbergen() { PanelSpielfrei->setVisible(false); }

// Nie an einem offenen Dialog oder einer wartenden Regel vorbei, und nicht, solange der Knopf
// gesperrt ist (während des Spieltags ist das ganze Menü gesperrt).
static bool KuerzelFreiFuer(const QPushButton* b)
{
    return !QApplication::activeModalWidget() && !QApplication::activePopupWidget() && WarteSperre::nimmtEingaben(b) &&
           b->isEnabled() && b->window()->isVisible();
}

bool KuerzelFrei(const QPushButton* b) { return KuerzelFreiFuer(b) && b->isVisible(); }

void TMenuF::tastenkuerzelAnlegen()
{
    const struct {
        QPushButton* knopf;
        const char* taste;
        const char* tipp;
    } kuerzel[] = {{Hilfe, "F1", "Hilfe (F1)"},
                   {Disk, "Ctrl+S", "Spielstände speichern und laden (Strg+S)"},
                   {Tschuess, "Ctrl+Q", "Spiel beenden (Strg+Q)"}};
    for (const auto& k : kuerzel) {
        k.knopf->setToolTip(QString::fromUtf8(k.tipp));
        auto* s = new QShortcut(QKeySequence(QString::fromLatin1(k.taste)), this);
        s->setContext(Qt::ApplicationShortcut);
        QPushButton* b = k.knopf;
        connect(s, &QShortcut::activated, b, [this, b] {
            if (KuerzelFrei(b)) b->click();
            // "Disk" ist nach dem Laden verborgen: die Taste sagt, warum, statt nichts zu tun.
            else if (b == Disk && LadenGesperrt() && KuerzelFreiFuer(b)) Hinweis(Tz(SperrText));
        });
    }
}

void TMenuF::bedienungFreigeben(bool an)
{
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w)) w->setEnabled(an);
    }
    // Gesperrte Unterknöpfe bleiben gesperrt.
    if (an)
        for (size_t k = 0; k < K.size(); ++k) K[k]->setEnabled(static_cast<bool>(oeffner_[k]));
}

void TMenuF::abschlussFokussieren()
{
    if (AbschlussButton->isVisible() && AbschlussButton->isEnabled() && MainF && MainF->isVisible())
        AbschlussButton->setFocus();
}

} // namespace torvane

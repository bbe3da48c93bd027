#include "squad/screens/AufstellFrm.h"

#include "core/Konto.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "squad/Kader.h"
#include "squad/Spielsystem.h"
#include "squad/Verhandlung.h"
#include "squad/screens/KaderFenster.h"
#include "squad/screens/VerhandelFrm.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <array>

namespace torvane {

TAufstellF* AufstellF = nullptr;

namespace {

struct Spaltenbereich {
    int von, bis;
    const char* kopf;
    const char* info1; // Klickhinweis
    const char* info2; // Bedeutung
};

// Die Texte gehen beim Zeigen durch Tq().
const std::array<Spaltenbereich, 11> Spalten = {{
    {0, 180, N_("Name"), "", ""},
    {180, 216, N_("Alter"), "", N_("Alter 17 - ?")},
    {216, 246, N_("St."), "", N_("Stärke 1 - 120")},
    {246, 276, N_("Tec"), N_("LinksKlick für 1 x Technik, RechtsKlick x 5"), N_("Technik 0 - 120")},
    {276, 306, N_("Kon"), N_("LinksKlick für 1 x Konstution, RechtsKlick x 5"), N_("Konstution 0 - 60")},
    {306, 336, N_("Form"), N_("LinksKlick für 1 x Form, RechtsKlick x 5"), N_("Form -10 - 10")},
    {336, 388, N_("Gehalt"), "", N_("Gehalt")},
    {388, 416, N_("Vtr"), N_("LinksKlick für Vertragsverhandlung"), N_("Vertragsdauer 1 - 6 Jahre")},
    {418, 444, N_("Nat"), "", N_("Gelbe-Rote Karten National")},
    {444, 471, N_("Int"), "", N_("Gelbe-Rote Karten InterNational")},
    {472, 492, N_("Vl"), "", ""},
}};

constexpr int GitterX = 10, GitterY = 70;

int Manager() { return S.AktManager; }

QString Karten(int gelb, int rot)
{
    if (gelb == 0 && rot == 0) return QString();
    return QString::number(gelb) + QLatin1Char('/') + QString::number(rot);
}

void Lampe(QFrame* f, bool rot)
{
    f->setStyleSheet(QStringLiteral("QFrame { background: %1; border: 1px solid #333; border-radius: 7px; }")
                         .arg(rot ? Hex(Farbe::Rot) : Hex(Farbe::Limette)));
}

} // namespace

// --- Gitter ---

TKaderGitter::TKaderGitter(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("Gitter"));
    setMouseTracking(true);
    setFixedSize(492, 23 * Zeilenhoehe);
}

int TKaderGitter::Spalte(int x)
{
    for (size_t s = 0; s < Spalten.size(); ++s)
        if (x >= Spalten[s].von && x < Spalten[s].bis) return static_cast<int>(s);
    return -1;
}

int TKaderGitter::SpaltenMitte(int spalte)
{
    const auto& s = Spalten.at(static_cast<size_t>(spalte));
    return (s.von + s.bis) / 2;
}

void TKaderGitter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(250, 250, 245));
    const Manager_& mg = S.Manager[Manager()];
    const QFont normal = Schrift(8), fett = Schrift(8, true);
    for (int i = 1; i <= std::min<int>(mg.KaderAnzahl, 23); ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        const int y = (i - 1) * Zeilenhoehe;
        const QRect zeile(0, y, width(), Zeilenhoehe);
        if (s.Eingesetzt != 0)
            p.fillRect(zeile, Farbe::RasenHell.lighter(150));
        else if (i % 2 == 0)
            p.fillRect(zeile, QColor(238, 238, 230));
        p.fillRect(QRect(0, y + 2, 5, Zeilenhoehe - 4), PositionsFarbe(s.Position.roh()));
        auto zelle = [&](int spalte, const QString& text, const QColor& farbe, bool dick = false,
                         Qt::Alignment a = Qt::AlignRight) {
            const auto& sp = Spalten[static_cast<size_t>(spalte)];
            p.setFont(dick ? fett : normal);
            p.setPen(farbe);
            p.drawText(QRect(sp.von + 3, y, sp.bis - sp.von - 6, Zeilenhoehe), a | Qt::AlignVCenter, text);
        };
        const QColor tinte = Farbe::Tinte;
        zelle(0, Q(s.Vorname.text() + " " + s.Nachname.text()), s.Transferstatus > 0 ? Farbe::Rot : tinte,
              s.Eingesetzt != 0, Qt::AlignLeft);
        zelle(1, QString::number(s.Alter), tinte);
        zelle(2, QString::number(s.Staerke), tinte, true);
        zelle(3, QString::number(s.Technik), tinte);
        zelle(4, QString::number(s.Konstitution), tinte);
        zelle(5, QString::number(s.Form), s.Form < 0 ? Farbe::Rot : tinte);
        zelle(6, Q(Geldtext(s.Gehalt)), tinte);
        const bool laeuftAus = VertragLaeuftAus(s);
        if (laeuftAus) {
            const auto& sp = Spalten[7];
            p.fillRect(QRect(sp.von + 1, y + 1, sp.bis - sp.von - 2, Zeilenhoehe - 2), Farbe::Sonne);
        }
        zelle(7, Tq("%1.J").arg(s.Vertrag), laeuftAus ? Farbe::Rot : tinte,
              laeuftAus, Qt::AlignCenter);
        zelle(8, Karten(s.GelbNational, s.RotNational), tinte, false, Qt::AlignCenter);
        zelle(9, Karten(s.GelbInternational, s.RotInternational), tinte, false, Qt::AlignCenter);
        if (s.Verletzt > 0) zelle(10, QString::number(s.Verletzt), Farbe::Rot, true, Qt::AlignCenter);
    }
    p.setPen(QColor(200, 200, 190));
    for (const auto& sp : Spalten) p.drawLine(sp.bis, 0, sp.bis, height());
}

void TKaderGitter::mousePressEvent(QMouseEvent* e)
{
    const int zeile = static_cast<int>(e->position().y()) / Zeilenhoehe + 1;
    const int spalte = Spalte(static_cast<int>(e->position().x()));
    if (spalte < 0 || zeile > S.Manager[Manager()].KaderAnzahl) return;
    if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton)
        emit klick(zeile, spalte, e->button() == Qt::RightButton);
}

void TKaderGitter::mouseMoveEvent(QMouseEvent* e)
{
    const int zeile = static_cast<int>(e->position().y()) / Zeilenhoehe + 1;
    emit ueber(zeile, Spalte(static_cast<int>(e->position().x())));
}

// --- Fenster ---

TAufstellF::TAufstellF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("AufstellF"), Tq("Aufstellung"));
    setFixedSize(780, 540);

    Ueberschrift = Kopfzeile(QString(), this);
    Ueberschrift->setObjectName(QStringLiteral("Ueberschrift"));
    Ueberschrift->setGeometry(10, 8, 760, 34);

    for (const auto& sp : Spalten) {
        // Zwei Pixel Luft zu jeder Seite: die Titel stehen mittig, der Nachbar bleibt frei.
        auto* k = Schild(this, QString(), QRect(GitterX + sp.von - 2, 48, sp.bis - sp.von + 4, 20), Schrift(8, true));
        k->setText(Tq(sp.kopf));
        k->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen.darker(140))));
    }
    Gitter = new TKaderGitter(this);
    Gitter->move(GitterX, GitterY);
    connect(Gitter, &TKaderGitter::klick, this, &TAufstellF::gitterKlick);
    connect(Gitter, &TKaderGitter::ueber, this, &TAufstellF::infoZeigen);

    const QString schwarz = QStringLiteral("QLabel { background: black; color: %1; padding-left: 6px; }");
    Info1 = Schild(this, QStringLiteral("Info1"), QRect(GitterX, 470, 492, 26), Schrift(9, true), Qt::AlignLeft);
    Info1->setStyleSheet(schwarz.arg(Hex(Farbe::Sonne)));
    Info2 = Schild(this, QStringLiteral("Info2"), QRect(GitterX, 500, 492, 26), Schrift(9, true), Qt::AlignLeft);
    Info2->setStyleSheet(schwarz.arg(Hex(Farbe::Limette)));

    // Übersicht
    auto* tafel = new QFrame(this);
    tafel->setObjectName(QStringLiteral("Uebersicht"));
    tafel->setGeometry(515, 48, 255, 478);
    tafel->setStyleSheet(QStringLiteral("QFrame#Uebersicht { background: %1; border-radius: 8px; }"
                                        "QLabel { color: white; } QCheckBox { color: white; }")
                             .arg(Hex(Farbe::Nacht)));
    SystemLabel = Schild(tafel, QStringLiteral("SystemLabel"), QRect(10, 8, 235, 40), Schrift(20, true));
    SystemLabel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Sonne)));
    auto figur = [&](const QString& name, int y, const QColor& farbe) {
        QLabel* l = Schild(tafel, name, QRect(20, y, 215, 24), Schrift(11, true), Qt::AlignLeft);
        l->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(farbe)));
        return l;
    };
    VerteidigungLabel = figur(QStringLiteral("VerteidigungLabel"), 56, Farbe::Limette);
    MittelfeldLabel = figur(QStringLiteral("MittelfeldLabel"), 82, QColor(0, 255, 255));
    AngriffLabel = figur(QStringLiteral("AngriffLabel"), 108, QColor(255, 255, 0));
    GesamtLabel = figur(QStringLiteral("GesamtLabel"), 138, Qt::white);
    auto* schnittKopf = Schild(tafel, QString(), QRect(20, 174, 215, 20), Schrift(9, true), Qt::AlignLeft);
    schnittKopf->setText(Tq("Schnitt Eingesetzte"));
    SchnittLabel = Schild(tafel, QStringLiteral("SchnittLabel"), QRect(20, 194, 215, 22), Schrift(9), Qt::AlignLeft);
    auto* gehaltKopf = Schild(tafel, QString(), QRect(20, 224, 215, 20), Schrift(9, true), Qt::AlignLeft);
    gehaltKopf->setText(Tq("Spielergehälter"));
    GehaelterLabel =
        Schild(tafel, QStringLiteral("GehaelterLabel"), QRect(20, 244, 215, 22), Schrift(10), Qt::AlignLeft);
    auto* wertKopf = Schild(tafel, QString(), QRect(20, 272, 215, 20), Schrift(9, true), Qt::AlignLeft);
    wertKopf->setText(Tq("Spielerwert ca."));
    WertLabel = Schild(tafel, QStringLiteral("WertLabel"), QRect(20, 292, 215, 22), Schrift(10), Qt::AlignLeft);

    Autoaufstellung = Element<QCheckBox>(tafel, QStringLiteral("Autoaufstellung"), QRect(20, 326, 215, 24));
    Autoaufstellung->setText(Tq("Autoaufstellung"));
    Aktualisieren =
        Knopf(tafel, Tq("Aktualisieren"), QStringLiteral("Aktualisieren"), QRect(20, 356, 215, 32));
    Aktualisieren->setEnabled(false);
    Maximieren = Knopf(tafel, Tq("Maximieren"), QStringLiteral("Maximieren"), QRect(20, 394, 215, 32));
    KostenInfo = Knopf(tafel, Tq("Kosten Info"), QStringLiteral("KostenInfo"), QRect(20, 432, 215, 32));

    connect(Autoaufstellung, &QCheckBox::clicked, this, [this](bool an) {
        AutoaufstellungSetzen(Manager(), an);
        zeichnen();
    });
    connect(Maximieren, &QPushButton::clicked, this, [this] { maximierenKlick(); });
    connect(KostenInfo, &QPushButton::clicked, this, [] { torvane::KostenInfo(); });

    // Spielerkarte
    Karte = new QFrame(this);
    Karte->setObjectName(QStringLiteral("Karte"));
    Karte->setFixedSize(300, 168);
    Karte->setStyleSheet(QStringLiteral("QFrame#Karte { background: %1; border: 2px solid %2; border-radius: 8px; }")
                             .arg(Hex(Farbe::Creme), Hex(Farbe::Rasen)));
    KartePosition = Schild(Karte, QStringLiteral("KartePosition"), QRect(10, 6, 280, 22), Schrift(11, true),
                           Qt::AlignLeft);
    KarteName = Schild(Karte, QStringLiteral("KarteName"), QRect(10, 28, 280, 22), Schrift(10, true), Qt::AlignLeft);
    KarteWert = Schild(Karte, QStringLiteral("KarteWert"), QRect(10, 50, 280, 20), Schrift(9), Qt::AlignLeft);
    KarteGesundheit =
        Schild(Karte, QStringLiteral("KarteGesundheit"), QRect(10, 70, 280, 34), Schrift(9, true), Qt::AlignLeft);
    KarteGesundheit->setWordWrap(true);
    Verkaufen = new QPushButton(Tq("Spieler Verkaufen"), Karte);
    Verkaufen->setObjectName(QStringLiteral("Verkaufen"));
    Verkaufen->setGeometry(34, 108, 250, 26);
    LampeVerkaufen = new QFrame(Karte);
    LampeVerkaufen->setGeometry(12, 114, 14, 14);
    NeuerVertrag = new QPushButton(Tq("Neuer Vertrag"), Karte);
    NeuerVertrag->setObjectName(QStringLiteral("NeuerVertrag"));
    NeuerVertrag->setGeometry(34, 137, 250, 26);
    LampeVertrag = new QFrame(Karte);
    LampeVertrag->setGeometry(12, 143, 14, 14);
    Karte->hide();
    connect(Verkaufen, &QPushButton::clicked, this, [this] { verkaufenKlick(); });
    connect(NeuerVertrag, &QPushButton::clicked, this, [this] { vertragKlick(); });
}

void TAufstellF::reject()
{
    if (Karte->isVisible()) {
        karteZeile = 0;
        Karte->hide();
        return;
    }
    QDialog::reject();
}

void TAufstellF::zeigen()
{
    karteZeile = 0;
    Karte->hide();
    Info1->clear();
    Info2->clear();
    zeichnen();
    AmStandardOrt(this);
}

void TAufstellF::zeichnen()
{
    const int m = Manager();
    const Manager_& mg = S.Manager[m];
    const Mannschaft_& v = VereinVon(m);
    Ueberschrift->setText(Q(AufstellungsUeberschrift()));
    setWindowTitle(Ueberschrift->text());
    Autoaufstellung->setChecked(S.Optionen[m][OptAutoaufstellung] != 0);
    SystemLabel->setText(Q(SystemText(mg.SpielSystem.roh())));
    VerteidigungLabel->setText(Tq("Verteidigung: %1").arg(v.Verteidigung));
    MittelfeldLabel->setText(Tq("Mittelfeld: %1").arg(v.Mittelfeld));
    AngriffLabel->setText(Tq("Angriff: %1").arg(v.Angriff));
    GesamtLabel->setText(Tq("Gesamt: %1").arg(v.Gesamt));
    const Schnitt_ s = SchnittEingesetzte(m);
    SchnittLabel->setText(s.leer ? QString()
                                 : Tq("Tec %1   Kon %2   Form %3").arg(s.Technik).arg(s.Konstitution).arg(s.Form));
    GehaelterLabel->setText(Q(Geldtext(mg.KaderGehalt) + Waehrung));
    WertLabel->setText(Q(Geldtext(mg.KaderWert) + Waehrung));
    if (karteZeile > mg.KaderAnzahl) karteZeile = 0;
    if (karteZeile > 0)
        karteZeigen(karteZeile);
    else
        Karte->hide();
    Gitter->update();
}

void TAufstellF::infoZeigen(int zeile, int spalte)
{
    const int m = Manager();
    const Manager_& mg = S.Manager[m];
    if (spalte < 0 || zeile < 1 || zeile > mg.KaderAnzahl) return;
    const auto& sp = Spalten[static_cast<size_t>(spalte)];
    const Kaderspieler_& s = mg.Kader[zeile];
    QString eins = Tq(sp.info1), zwei = Tq(sp.info2);
    if (spalte == 0) {
        eins = Tq("%1 Spieler Eingesetzt, RechtsKlick mehr Info").arg(AnzahlEingesetzt(m));
        zwei = QString::number(zeile) + QStringLiteral(". ") +
               Q(s.Vorname.text() + " " + s.Nachname.text() + " = " + SpielerZustand(m, zeile));
    } else if (spalte == 10) {
        zwei = Tq("%1 Spiele Verletzt").arg(s.Verletzt);
    }
    Info1->setText(eins);
    Info2->setText(zwei);
}

void TAufstellF::gitterKlick(int zeile, int spalte, bool rechts)
{
    if (beschaeftigt_) return;
    const int m = Manager();
    if (zeile < 1 || zeile > S.Manager[m].KaderAnzahl) return;
    switch (spalte) {
    case 0:
        if (rechts) {
            karteZeile = karteZeile == zeile ? 0 : zeile;
        } else {
            AufstellungKlick(m, zeile);
        }
        break;
    case 3: PunkteKaufen(m, zeile, Attribut::Technik, rechts ? 5 : 1); break;
    case 4: PunkteKaufen(m, zeile, Attribut::Konstitution, rechts ? 5 : 1); break;
    case 5: PunkteKaufen(m, zeile, Attribut::Form, rechts ? 5 : 1); break;
    case 7:
        if (!rechts) vertragsgespraech(zeile);
        break;
    default: break;
    }
    zeichnen();
    infoZeigen(zeile, spalte);
}

void TAufstellF::karteZeigen(int zeile)
{
    const Kaderspieler_& s = S.Manager[Manager()].Kader[zeile];
    KartePosition->setText(Q(PositionsName(s.Position.roh())));
    KartePosition->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; padding-left: 4px; }")
                                     .arg(Hex(PositionsFarbe(s.Position.roh())), Hex(Farbe::Nacht)));
    KarteName->setText(Q(s.Vorname.text() + " " + s.Nachname.text() + AltersBemerkung(s.Alter)));
    KarteWert->setText(Tq("Spielerwert ca. %1").arg(Q(Geldtext(s.Wert) + Waehrung)));
    const size_t art = static_cast<size_t>(std::clamp<int>(s.VerletzungArt, 0, 10));
    KarteGesundheit->setText(Q(TWert(Gesundheitstexte[art])));
    KarteGesundheit->setStyleSheet(QStringLiteral("color: %1;").arg(s.Verletzt > 0 ? Hex(Farbe::Rot) : QStringLiteral("blue")));
    const bool gelistet = s.Transferstatus > 0;
    Verkaufen->setText(gelistet ? Tq("NICHT Verkaufen") : Tq("Spieler Verkaufen"));
    Lampe(LampeVerkaufen, gelistet);
    Lampe(LampeVertrag, VertragLaeuftAus(s));
    // Neben der Zeile, rechts von der Namensspalte, ganz im Fenster.
    const int y = std::clamp(GitterY + (zeile - 1) * TKaderGitter::Zeilenhoehe, GitterY, height() - Karte->height() - 8);
    Karte->move(GitterX + 184, y);
    Karte->show();
    Karte->raise();
}

void TAufstellF::verkaufenKlick()
{
    if (beschaeftigt_ || karteZeile < 1) return;
    SpielerVerkaufen(Manager(), karteZeile);
    zeichnen();
}

void TAufstellF::vertragKlick()
{
    if (beschaeftigt_ || karteZeile < 1) return;
    vertragsgespraech(karteZeile);
    zeichnen();
}

void TAufstellF::vertragsgespraech(int i)
{
    const Beschaeftigt sperre(this, beschaeftigt_);
    karteZeile = 0;
    Karte->hide();
    if (VertragsVerhandlungOeffnen(Manager(), i, Verhandlungsregler()) && VerhandelF) VerhandelF->oeffnen();
    // Was das Gespräch geändert hat, steht nun im Gitter (wie "Aktualisieren").
    zeichnen();
}

void TAufstellF::maximierenKlick()
{
    if (beschaeftigt_) return;
    const Beschaeftigt sperre(this, beschaeftigt_);
    torvane::Maximieren(Manager(), [this] { zeichnen(); });
    zeichnen();
}

} // namespace torvane

#include "match/screens/PokalspieleFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "match/screens/Spieltagbilder.h"
#include "match/Champions.h"
#include "match/Pokal.h"
#include "match/Pokaltafel.h"

#include <QEvent>
#include <QFrame>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>

#include <algorithm>
#include <vector>

namespace torvane {

TPokalspieleF* PokalspieleF = nullptr;

namespace {

constexpr int Breite = 1000;
constexpr int Hoehe = 640;
constexpr int ReiheOben = 52;
constexpr int ReiheHoehe = 24;

QLabel* Siegertafel(QWidget* eltern, const QString& name, QRect ort)
{
    auto* l = Element<QLabel>(eltern, name, ort);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    l->setTextFormat(Qt::RichText);
    l->setFont(Schrift(12, true));
    l->setStyleSheet(QStringLiteral("QLabel#%1 { background: %2; color: %3; border: 3px solid %4; border-radius: 10px; }")
                         .arg(name, Hex(Farbe::Sonne), Hex(Farbe::Nacht), Hex(Farbe::Sonne.darker(130))));
    l->setVisible(false);
    return l;
}

QString Farbname(int verein)
{
    const bool manager = verein > 0 && ManagerVonVerein(verein) >= 0;
    return Hex(manager ? Farbe::Rot : Farbe::Tinte);
}

bool Gueltig(int v) { return v > 0 && v < S.Mannschaft.laenge(); }

} // namespace

QString UebersichtRunde(int paarungen)
{
    static const char* const namen[] = {N_("1.Runde"),    N_("2.Runde"),    N_("1/8 Finale"),
                                        N_("1/4 Finale"), N_("1/2 Finale"), N_("Finale")};
    return Tq(namen[RundenStufe(paarungen)]);
}

TPokalspieleF::TPokalspieleF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("PokalspieleF"), Tq("Pokalspiele"));
    setFixedSize(Breite, Hoehe);

    Seiten = new QTabWidget(this);
    Seiten->setObjectName(QStringLiteral("Seiten"));
    Seiten->setGeometry(8, 8, Breite - 16, Hoehe - 16);
    Seiten->setFont(Schrift(10, true));
    Seiten->setStyleSheet(QStringLiteral("QTabWidget::pane { border: 2px solid %1; border-radius: 6px; background: %2; }"
                                         "QTabBar::tab { background: %1; color: white; padding: 6px 14px;"
                                         " border-top-left-radius: 6px; border-top-right-radius: 6px; margin-right: 2px; }"
                                         "QTabBar::tab:selected { background: %3; }")
                              .arg(Hex(Farbe::RasenHell), Hex(Farbe::Creme), Hex(Farbe::Rasen)));

    const char* const reiter[3] = {"DFB Pokal", "UEFA Pokal", "Pokal d. Pokalsieger"};
    const int seitenBreite = Breite - 24;
    for (int w = 0; w < 3; ++w) {
        Pokalseite& s = Pokale[static_cast<size_t>(w)];
        s.Seite = new QWidget;
        s.Seite->setObjectName(QStringLiteral("Pokalseite%1").arg(w + 1));
        s.Kopf = Kopfzeile(QString(), s.Seite);
        s.Kopf->setObjectName(QStringLiteral("Kopf%1").arg(w + 1));
        s.Kopf->setGeometry(8, 8, seitenBreite - 20, 34);
        for (int p = 0; p < 32; ++p) {
            const QString n = QStringLiteral("%1_%2").arg(w + 1).arg(p + 1);
            Paarung& pa = s.Paarungen[static_cast<size_t>(p)];
            pa.Reihe = new QFrame(s.Seite);
            pa.Reihe->setObjectName(QStringLiteral("Reihe") + n);
            pa.Reihe->setStyleSheet(QStringLiteral("QFrame#Reihe%1 { background: white; border: 1px solid %2; border-radius: 5px; }")
                                        .arg(n, Hex(Farbe::RasenHell)));
            pa.Heim = Schild(pa.Reihe, QStringLiteral("Heim") + n, QRect(), Schrift(9, true), Qt::AlignRight);
            pa.Strich = Schild(pa.Reihe, QStringLiteral("Strich") + n, QRect(), Schrift(9, true), Qt::AlignHCenter);
            pa.Strich->setText(QStringLiteral("-"));
            pa.Gast = Schild(pa.Reihe, QStringLiteral("Gast") + n, QRect(), Schrift(9, true), Qt::AlignLeft);
            pa.Stand = Schild(pa.Reihe, QStringLiteral("Stand") + n, QRect(), CourierSchrift(9, true), Qt::AlignLeft);
            if (w == 0) {
                for (QLabel* l : {pa.Heim, pa.Gast}) {
                    l->setAttribute(Qt::WA_Hover);
                    l->installEventFilter(this);
                }
            }
        }
        reihenAnordnen(s, 32);
        s.Sieger = Siegertafel(s.Seite, QStringLiteral("Sieger%1").arg(w + 1),
                               QRect(seitenBreite / 2 - 260, ReiheOben + 16 * ReiheHoehe + 20, 520, 90));
        Seiten->addTab(s.Seite, QString::fromUtf8(reiter[w]));
    }
    Hinweis = Schild(Pokale[0].Seite, QStringLiteral("Hinweis"), QRect(8, Hoehe - 96, seitenBreite - 20, 24),
                     Schrift(10, true), Qt::AlignHCenter);
    Hinweis->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));

    // ChampionsLige
    auto* chl = new QWidget;
    chl->setObjectName(QStringLiteral("ChlSeite"));
    ChlKopf = Kopfzeile(QString(), chl);
    ChlKopf->setObjectName(QStringLiteral("ChlKopf"));
    ChlKopf->setGeometry(8, 8, seitenBreite - 20, 34);
    ChlTabelleText = new QLabel(chl);
    ChlTabelleText->setObjectName(QStringLiteral("ChlTabelle"));
    ChlTabelleText->setGeometry(8, 50, 500, 330);
    ChlTabelleText->setFont(CourierSchrift(10, false));
    ChlTabelleText->setTextFormat(Qt::RichText);
    ChlTabelleText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ChlTabelleText->setStyleSheet(QStringLiteral("QLabel#ChlTabelle { background: white; border: 1px solid %1;"
                                                 " border-radius: 6px; padding: 6px; }")
                                      .arg(Hex(Farbe::RasenHell)));
    const int rx = 520, rb = seitenBreite - rx - 12;
    ChlScroll = new QScrollBar(Qt::Horizontal, chl);
    ChlScroll->setObjectName(QStringLiteral("ChlScroll"));
    ChlScroll->setGeometry(rx, 52, rb, 20);
    ChlScroll->setRange(1, 15);
    ChlScroll->setPageStep(1);
    connect(ChlScroll, &QScrollBar::valueChanged, this, &TPokalspieleF::chlSpieltagZeigen);
    ChlTag = Schild(chl, QStringLiteral("ChlTag"), QRect(rx, 76, rb, 24), Schrift(11, true), Qt::AlignHCenter);
    for (int p = 0; p < 8; ++p) {
        QLabel* l = Schild(chl, QStringLiteral("ChlPaarung%1").arg(p + 1), QRect(rx, 104 + p * 35, rb, 32), Schrift(8, true),
                           Qt::AlignHCenter);
        l->setTextFormat(Qt::RichText);
        l->setStyleSheet(QStringLiteral("QLabel#ChlPaarung%1 { background: white; border: 1px solid %2; border-radius: 5px; }")
                             .arg(p + 1)
                             .arg(Hex(Farbe::Himmel)));
        ChlPaarung[static_cast<size_t>(p)] = l;
    }
    ChlSieger = Siegertafel(chl, QStringLiteral("ChlSieger"), QRect(seitenBreite / 2 - 260, 400, 520, 90));
    Seiten->addTab(chl, QStringLiteral("Champions League"));
}

void TPokalspieleF::reihenAnordnen(Pokalseite& s, int paarungen)
{
    const int seitenBreite = Breite - 24;
    const bool breit = paarungen <= 16;
    const int spalte = breit ? 720 : (seitenBreite - 30) / 2;
    const QFont f = Schrift(breit ? 10 : 8, true);
    for (int p = 0; p < 32; ++p) {
        Paarung& pa = s.Paarungen[static_cast<size_t>(p)];
        const int x = breit ? (seitenBreite - spalte) / 2 : 8 + (p / 16) * (spalte + 12);
        pa.Reihe->setGeometry(x, ReiheOben + (p % 16) * ReiheHoehe, spalte, ReiheHoehe - 3);
        const int h = ReiheHoehe - 3;
        const int stand = breit ? 80 : 62;
        const int name = (spalte - stand - 14 - 8) / 2;
        pa.Heim->setGeometry(4, 0, name, h);
        pa.Strich->setGeometry(4 + name, 0, 14, h);
        pa.Gast->setGeometry(18 + name, 0, name, h);
        pa.Stand->setGeometry(spalte - stand, 0, stand - 4, h);
        for (QLabel* l : {pa.Heim, pa.Strich, pa.Gast}) l->setFont(f);
    }
}

void TPokalspieleF::pokalZeichnen(Wettbewerb_ w)
{
    Pokalseite& s = Pokale[static_cast<size_t>(WettbewerbNr(w) - 1)];
    static const char* const koepfe[] = {"", "DFB Pokal  -  ", "UEFA Pokal  -  ", "Pokal der Pokalsieger  -  "};
    static const char* const sieger[] = {"", N_("DFB Pokalsieger der %1. Saison"), N_("UEFA Pokalsieger der %1. Saison"),
                                         N_("Pokal d. Pokalsieger der %1. Saison")};
    const Pokaltafel tafel = PokaltafelLesen(w);
    const std::vector<Pokalpaarung>& liste = tafel.paarungen;
    const bool hinspiele = tafel.hinspiele;
    const int siegerVerein = tafel.sieger;
    QString runde;
    if (!liste.empty()) runde = UebersichtRunde(static_cast<int>(liste.size()));
    else if (siegerVerein) runde = Tq("Sieger");
    if (w != Wettbewerb_::Dfb && !liste.empty()) runde = (hinspiele ? Tq("%1 Hinspiele") : Tq("%1 Rückspiele")).arg(runde);
    s.Kopf->setText(QString::fromUtf8(koepfe[WettbewerbNr(w)]) + runde);

    reihenAnordnen(s, static_cast<int>(liste.size()));
    for (int p = 0; p < 32; ++p) {
        Paarung& pa = s.Paarungen[static_cast<size_t>(p)];
        const bool da = p < static_cast<int>(liste.size());
        pa.Reihe->setVisible(da);
        if (!da) continue;
        const Pokalpaarung& g = liste[static_cast<size_t>(p)];
        auto name = [w](QLabel* l, int v) {
            l->setProperty("verein", v);
            if (!Gueltig(v)) {
                l->setText(QStringLiteral("?"));
                return;
            }
            const Mannschaft_& m = S.Mannschaft[v];
            const std::string zusatz = w == Wettbewerb_::Dfb ? std::to_string(m.Liga) : m.Nation.text();
            l->setText(Q(m.Name.text() + " (" + zusatz + ")"));
            l->setStyleSheet(QStringLiteral("color: %1;").arg(Farbname(v)));
        };
        name(pa.Heim, g.heim);
        name(pa.Gast, g.gast);
        QString stand;
        if (w != Wettbewerb_::Dfb && Gueltig(g.heim) && Gueltig(g.gast)) {
            stand = Q(Hinspielstand(PokalFeld(S.Mannschaft[g.heim], w).text(), PokalFeld(S.Mannschaft[g.gast], w).text()));
        }
        pa.Stand->setText(stand);
    }

    if (liste.empty() && siegerVerein) {
        s.Sieger->setText(QStringLiteral("<div>") + Tq(sieger[WettbewerbNr(w)]).arg(QString::number(S.Spiel.Saison)).toHtmlEscaped() +
                          QStringLiteral("</div><div style=\"font-size:18pt\">") +
                          Q(S.Mannschaft[siegerVerein].Name.text()).toHtmlEscaped() + QStringLiteral("</div>"));
        s.Sieger->setVisible(true);
    } else {
        s.Sieger->setVisible(false);
    }
}

void TPokalspieleF::chlZeichnen()
{
    const int tag = S.Spiel.ChlSpieltag;
    ChlKopf->setText(Tq("Champions League Spieltag %1/15").arg(QString::number(tag)));
    // Die Namensspalte wächst mit dem längsten Namen (bis 25 Zeichen); bei 20 ist es der alte Kopf.
    int nameBreite = 20;
    for (int k = 1; k <= 16; ++k) {
        const int v = S.ChlTabelle[k].ChlSlot > 0 ? ChlVereinSuchen(S.ChlTabelle[k].ChlSlot) : 0;
        if (Gueltig(v)) nameBreite = std::max(nameBreite, static_cast<int>(Q(S.Mannschaft[v].Name.text()).size()));
    }
    // Die Köpfe stehen über Zahlenspalten fester Breite (Platz 8, Punkte 6, dann 3 + 7, 2 + 5, 3 + 5).
    const QString kopf = TCq("ChampionsLige", "Platz").leftJustified(8) +
                         TCq("ChampionsLige", "Mannschaft").leftJustified(nameBreite + 1) +
                         // Übersetzer: Spaltenköpfe in Festbreitenschrift; Länge und Lage der Wörter beibehalten.
                         Tq("Punkte   T.diff.  Tore+   Tore-");
    // Passt die Zeile nicht in die Tafel, wird die Schrift kleiner statt den Namen zu kappen.
    int punkte = 10;
    while (punkte > 7 && QFontMetrics(CourierSchrift(punkte, true)).horizontalAdvance(kopf) >
                             ChlTabelleText->contentsRect().width() - 12)
        --punkte;
    QString t = QStringLiteral("<pre style=\"margin:0; ") + CourierCss() +
                QStringLiteral(" font-size:%1pt;\"><b>").arg(punkte) + kopf.toHtmlEscaped() + QStringLiteral("</b>\n");
    int erster = 0;
    for (int k = 1; k <= 16; ++k) {
        const ChlEintrag_& e = S.ChlTabelle[k];
        const int v = e.ChlSlot > 0 ? ChlVereinSuchen(e.ChlSlot) : 0;
        if (k == 1) erster = v;
        const QString name = Gueltig(v) ? Q(S.Mannschaft[v].Name.text()) : QString();
        const int diff = Tordifferenz(e);
        const QString zeile = (QString::number(k) + QLatin1Char('.')).leftJustified(8) +
                              name.leftJustified(nameBreite + 1) + QString::number(e.ChlPunkte).rightJustified(6) +
                              QStringLiteral("   ") + QString::number(diff).rightJustified(7) + QStringLiteral("  ") +
                              QString::number(e.ChlTore).rightJustified(5) + QStringLiteral("   ") +
                              QString::number(e.ChlGegentore).rightJustified(5);
        const bool manager = Gueltig(v) && ManagerVonVerein(v) >= 0;
        t += manager ? QStringLiteral("<span style=\"color:%1\"><b>%2</b></span>\n").arg(Hex(Farbe::Rot), zeile.toHtmlEscaped())
                     : zeile.toHtmlEscaped() + QLatin1Char('\n');
    }
    t += QStringLiteral("</pre>");
    ChlTabelleText->setText(t);

    const int zeigen = std::clamp(tag, 1, 15);
    if (ChlScroll->value() != zeigen) {
        const QSignalBlocker still(ChlScroll);
        ChlScroll->setValue(zeigen);
    }
    chlSpieltagZeigen(zeigen);

    if (tag >= 15 && Gueltig(erster)) {
        ChlSieger->setText(QStringLiteral("<div>") +
                           Tq("Champions League Gewinner der %1. Saison").arg(QString::number(S.Spiel.Saison)).toHtmlEscaped() +
                           QStringLiteral("</div><div style=\"font-size:18pt\">") +
                           Q(S.Mannschaft[erster].Name.text()).toHtmlEscaped() + QStringLiteral("</div>"));
        ChlSieger->setVisible(true);
    } else {
        ChlSieger->setVisible(false);
    }
}

void TPokalspieleF::chlSpieltagZeigen(int tag)
{
    tag = std::clamp(tag, 1, 15);
    ChlTag->setText(Tq("Spieltag %1").arg(QString::number(tag)));
    for (int p = 1; p <= 8; ++p) {
        QLabel* l = ChlPaarung[static_cast<size_t>(p - 1)];
        const int heim = ChlVereinSuchen(S.ChlSpieltage[tag][p][0]);
        const int gast = ChlVereinSuchen(S.ChlSpieltage[tag][p][1]);
        if (!Gueltig(heim) && !Gueltig(gast)) {
            l->clear();
            continue;
        }
        auto name = [](int v) {
            if (!Gueltig(v)) return QStringLiteral("?");
            return QStringLiteral("<span style=\"color:%1\">%2</span>")
                .arg(Farbname(v), Q(S.Mannschaft[v].Name.text()).toHtmlEscaped());
        };
        const std::string erg = S.ChlTabelle[tag].ChlErgebnisse[p].text();
        l->setText(name(heim) + QStringLiteral(" - ") + name(gast) + QStringLiteral("<br><span style=\"") + CourierCss() + QStringLiteral("\">") +
                   Q(erg.empty() ? "-:-" : erg).toHtmlEscaped() + QStringLiteral("</span>"));
    }
}

void TPokalspieleF::zeichnen()
{
    for (const Wettbewerb_ w : Pokalwettbewerbe) pokalZeichnen(w);
    chlZeichnen();
    Hinweis->clear();
}

void TPokalspieleF::zeigen()
{
    zeichnen();
    AmStandardOrt(this);
}

void TPokalspieleF::seiteWaehlen(int seite) { Seiten->setCurrentIndex(std::clamp(seite, 0, 3)); }

bool TPokalspieleF::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Enter || e->type() == QEvent::Leave) {
        const int v = o->property("verein").toInt();
        if (e->type() == QEvent::Leave || !Gueltig(v)) {
            Hinweis->clear();
        } else {
            const Mannschaft_& m = S.Mannschaft[v];
            Hinweis->setText(Tq("Tabelle: %1   Stärke: %2").arg(QString::number(m.Platz), QString::number(m.Gesamt)));
        }
    }
    return QDialog::eventFilter(o, e);
}

} // namespace torvane

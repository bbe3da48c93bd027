#include "match/screens/TabelleFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "match/screens/Spieltagbilder.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace torvane {

TTabelleF* TabelleF = nullptr;

namespace {

constexpr int ZeilenAbstand = 24;
constexpr int ErsteZeile = 30;
constexpr int Breite = 700;

struct Spalte {
    int x;
    int breite;
    Qt::Alignment ausrichtung;
};
// Platz und Name haben keinen Kopf; die Köpfe stehen über ihren Spalten.
constexpr Spalte SpaltePunkte{312, 34, Qt::AlignRight};
constexpr Spalte SpalteTore{352, 120, Qt::AlignHCenter};
constexpr Spalte SpalteS{478, 26, Qt::AlignRight};
constexpr Spalte SpalteU{506, 26, Qt::AlignRight};
constexpr Spalte SpalteN{534, 26, Qt::AlignRight};
constexpr Spalte SpalteLegende{570, 106, Qt::AlignHCenter};

QLabel* Zelle(QWidget* eltern, const QString& name, int x, int breite, Qt::Alignment a, const QFont& f)
{
    auto* l = Element<QLabel>(eltern, name, QRect(x, 0, breite, ZeilenAbstand - 2));
    l->setAlignment(a | Qt::AlignVCenter);
    l->setFont(f);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

QFont Arial(int punkte, bool fett)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}

// Die letzten Ergebnisse farbig: Sieg grün, Remis grau, Niederlage rot.
// Die Zeichen kommen aus dem Spielstand: jedes wird maskiert, auch ein fremdes.
// Gespeichert sind S, U, V; gezeigt werden sie in der Sprache des Spiels.
QString LegendeText(const std::string& text)
{
    const QString sieg = TCq("Legende", "S"), remis = TCq("Legende", "U"), niederlage = TCq("Legende", "V");
    QString t = QStringLiteral("<span style=\"") + CourierCss() + QStringLiteral("\">");
    for (const QChar c : Q(text)) {
        const char* farbe = c == u'S' ? "#1b5e20" : c == u'V' ? "#b71c1c" : c == u'U' ? "#455a64" : "#9e9e9e";
        const QString zeichen = c == u'S' ? sieg : c == u'V' ? niederlage : c == u'U' ? remis : QString(c);
        t += QStringLiteral("<span style=\"color:%1\">%2</span>").arg(QString::fromLatin1(farbe), zeichen.toHtmlEscaped());
    }
    return t + QStringLiteral("</span>");
}

} // namespace

QColor TTabelleF::Balkenfarbe(int liga, int platz)
{
    const QColor gruen(129, 199, 132), gelb(255, 224, 130), grau(224, 224, 224), hellrot(239, 154, 154);
    if (platz == 1) return gruen;
    if (platz <= 3) return gelb;
    if (platz <= 5) return liga == 1 ? gelb : grau;
    if (platz <= 15) return grau;
    return hellrot;
}

TTabelleF::TTabelleF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("TabelleF"), Tq("Tabelle"));
    const int tafelHoehe = ErsteZeile + 18 * ZeilenAbstand + 4;
    setFixedSize(Breite, 48 + tafelHoehe + 52);

    Ueberschrift = Kopfzeile(QString(), this);
    Ueberschrift->setObjectName(QStringLiteral("Ueberschrift"));
    Ueberschrift->setGeometry(10, 8, Breite - 20, 34);

    auto* tafel = new QWidget(this);
    tafel->setObjectName(QStringLiteral("Tafel"));
    tafel->setGeometry(0, 48, Breite, tafelHoehe);

    // Einzelne Buchstaben im Zusammenhang "Tabelle": anderswo meinen sie anderes.
    const std::pair<QString, Spalte> koepfe[] = {
        {TCq("Tabelle", "P"), SpaltePunkte}, {TCq("Tabelle", "Tore + Diff."), SpalteTore},
        {TCq("Tabelle", "S"), SpalteS},      {TCq("Tabelle", "U"), SpalteU},
        {TCq("Tabelle", "N"), SpalteN},      {TCq("Tabelle", "Legende"), SpalteLegende}};
    for (const auto& [text, s] : koepfe) {
        auto* k = new QLabel(text, tafel);
        k->setGeometry(12 + s.x, 4, s.breite, 22);
        k->setAlignment(s.ausrichtung | Qt::AlignVCenter);
        k->setFont(Arial(9, true));
        k->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen.darker(140))));
    }

    for (int p = 1; p <= 18; ++p) {
        Zeile& z = Zeilen[static_cast<size_t>(p - 1)];
        const QString n = QString::number(p);
        z.Balken = new QFrame(tafel);
        z.Balken->setObjectName(QStringLiteral("Balken") + n);
        z.Balken->setGeometry(12, ErsteZeile + (p - 1) * ZeilenAbstand, Breite - 24, ZeilenAbstand - 2);
        const QFont normal = Arial(10, false), fett = Arial(10, true);
        z.Platz = Zelle(z.Balken, QStringLiteral("Platz") + n, 4, 26, Qt::AlignRight, fett);
        z.Name = Zelle(z.Balken, QStringLiteral("Name") + n, 40, 268, Qt::AlignLeft, fett);
        z.Punkte = Zelle(z.Balken, QStringLiteral("Punkte") + n, SpaltePunkte.x, SpaltePunkte.breite,
                        SpaltePunkte.ausrichtung, fett);
        z.Tore = Zelle(z.Balken, QStringLiteral("Tore") + n, SpalteTore.x, SpalteTore.breite, SpalteTore.ausrichtung,
                      normal);
        z.S = Zelle(z.Balken, QStringLiteral("S") + n, SpalteS.x, SpalteS.breite, SpalteS.ausrichtung, normal);
        z.U = Zelle(z.Balken, QStringLiteral("U") + n, SpalteU.x, SpalteU.breite, SpalteU.ausrichtung, normal);
        z.N = Zelle(z.Balken, QStringLiteral("N") + n, SpalteN.x, SpalteN.breite, SpalteN.ausrichtung, normal);
        z.Legende = Zelle(z.Balken, QStringLiteral("Legende") + n, SpalteLegende.x, SpalteLegende.breite,
                         SpalteLegende.ausrichtung, CourierSchrift(10));
        z.Legende->setTextFormat(Qt::RichText);
    }

    Weiter = new QPushButton(Tq("Weiter"), this);
    Weiter->setObjectName(QStringLiteral("Weiter"));
    Weiter->setGeometry(Breite - 150, height() - 46, 136, 36);
    // Enter drückt "Weiter", sobald er den Fokus hat.
    Weiter->setAutoDefault(true);
    Weiter->setVisible(false);
    ImWartenBedienbar(this); // Weiter und Schließen beenden das Warten des Spieltags
    connect(Weiter, &QPushButton::clicked, this, [this] {
        Weiter->setVisible(false);
        S.Befehl = Befehlswert::TabelleWeiter;
    });
}

void TTabelleF::zeichnen(int liga)
{
    if (liga < 1 || liga > 4) liga = 4;
    liga_ = liga;
    S.Spiel.AnzeigeErster = VereinAufPlatz(liga, 1);
    const QString text = Tq("Tabelle der %1 am %2. Spieltag")
                             .arg(QString::fromUtf8(LigaNamen[static_cast<size_t>(liga)]), QString::number(S.Spiel.Spieltag));
    setWindowTitle(text);
    Ueberschrift->setText(text);
    const bool daten = LigaHatVereine(liga);
    for (int p = 1; p <= 18; ++p) {
        Zeile& z = Zeilen[static_cast<size_t>(p - 1)];
        const QColor farbe = Balkenfarbe(liga, p);
        z.Balken->setStyleSheet(QStringLiteral("QFrame#Balken%1 { background: %2; border-radius: 5px; }")
                                    .arg(p)
                                    .arg(Hex(farbe)));
        z.Platz->setText(QString::number(p) + QLatin1Char('.'));
        if (!daten) {
            for (QLabel* l : {z.Name, z.Punkte, z.Tore, z.S, z.U, z.N, z.Legende}) l->clear();
            continue;
        }
        const int i = VereinAufPlatz(liga, p);
        const Mannschaft_& v = S.Mannschaft[i];
        const bool manager = ManagerVonVerein(i) >= 0;
        z.Name->setText(Q(v.Name.text()));
        z.Name->setStyleSheet(manager ? QStringLiteral("color: %1;").arg(Hex(Farbe::Weinrot))
                                      : QStringLiteral("color: %1;").arg(Hex(Farbe::Tinte)));
        z.Punkte->setText(QString::number(v.Punkte));
        const int diff = Tordifferenz(v);
        z.Tore->setText(QStringLiteral("%1 : %2   %3")
                            .arg(v.Tore)
                            .arg(v.Gegentore)
                            .arg(diff > 0 ? QStringLiteral("+") + QString::number(diff) : QString::number(diff)));
        z.S->setText(QString::number(v.Siege));
        z.U->setText(QString::number(v.Unentschieden));
        z.N->setText(QString::number(v.Niederlagen));
        z.Legende->setText(LegendeText(v.Legende.text()));
    }
    // Der Weiter-Knopf gehört zum Warten nach einem Spieltag.
    Weiter->setVisible(S.Befehl == Befehlswert::TabelleWeiterZeigen);
}

void TTabelleF::zeigen()
{
    zeichnen(S.Spiel.AnzeigeLiga);
    AmStandardOrt(this);
}

void TTabelleF::nachSpieltag(int liga, QWidget* ueber)
{
    zeichnen(liga);
    if (ueber) MittigAuf(this, ueber);
    show();
    raise();
    activateWindow();
    if (Weiter->isVisible()) Weiter->setFocus();
}

void TTabelleF::closeEvent(QCloseEvent* e)
{
    Weiter->setVisible(false);
    S.Befehl = Befehlswert::TabelleWeiter;
    // Nicht QDialog::closeEvent: es riefe reject() und damit close() im Schließen, das dann abbricht.
    e->accept();
}

void TTabelleF::reject()
{
    // Escape schließt nur, wenn die Tabelle nicht auf das Weiter eines Spieltags wartet.
    if (!Weiter->isVisible()) close();
}

} // namespace torvane

#include "squad/screens/TransferFrm.h"

#include "core/Konto.h"
#include "core/Variablen.h"
#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "squad/Markt.h"
#include "squad/Verhandlung.h"
#include "squad/screens/KaderFenster.h"
#include "squad/screens/VerhandelFrm.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

namespace torvane {

TTransferF* TransferF = nullptr;

namespace {

// Der Buchstabe bleibt im Spielstand deutsch; gezeigt wird er in der Sprache des Spielers.
QString Positionsbuchstabe(std::string_view p)
{
    if (p == "T") return TCq("Positionsbuchstabe", "T");
    if (p == "V") return TCq("Positionsbuchstabe", "V");
    if (p == "M") return TCq("Positionsbuchstabe", "M");
    if (p == "S") return TCq("Positionsbuchstabe", "S");
    return Q(std::string(p));
}

} // namespace

// --- Liste ---

TMarktliste::TMarktliste(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("Liste"));
    setMouseTracking(true);
    setFixedSize(444, Kopf + 11 * Zeilenhoehe + 4);
}

void TMarktliste::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Farbe::Nacht);
    p.setPen(Farbe::Sonne);
    p.setFont(Schrift(11, true));
    p.drawText(QRect(8, 0, width() - 16, 22), Qt::AlignLeft | Qt::AlignVCenter, Tq("Spielerverpflichtung"));
    p.setFont(Schrift(8, true));
    p.setPen(Qt::white);
    const auto* x = SpalteX;
    const auto* b = SpalteBreite;
    for (int k = 0; k < Spalten; ++k)
        // Die Stärke-Spalte ist schmal: ein eigener Zusammenhang erlaubt eine kurze Übersetzung.
        p.drawText(QRect(x[k], 22, b[k], 18), (k == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                   k == 3 ? TCq("Spaltenkopf", "Stärke") : Tq(SpalteTitel[k]));
    p.setFont(Schrift(8));
    for (int i = 1; i <= 11; ++i) {
        const Kaderspieler_& s = S.Transferliste[i];
        const int y = Kopf + (i - 1) * Zeilenhoehe;
        if (s.Transferstatus == 0) continue;
        if (i == hell) p.fillRect(QRect(2, y, width() - 4, Zeilenhoehe), Farbe::Rasen);
        auto zelle = [&](int k, const QString& text, const QColor& farbe) {
            p.setPen(farbe);
            p.drawText(QRect(x[k], y, b[k], Zeilenhoehe), (k == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                       text);
        };
        const QColor farbe = PositionsFarbe(s.Position.roh());
        // Zwei lange Namen passen nicht in die Spalte: gekürzt statt über die Position gemalt.
        zelle(0, p.fontMetrics().elidedText(Q(s.Vorname.text() + " " + s.Nachname.text()), Qt::ElideRight, b[0]), Qt::white);
        zelle(1, Positionsbuchstabe(s.Position.roh()), farbe == Qt::black ? QColor(Qt::white) : farbe);
        zelle(2, QString::number(s.Alter), Qt::white);
        zelle(3, QString::number(s.Staerke), Qt::white);
        zelle(4, Q(Geldtext(s.Wert) + Waehrung), Qt::white);
        zelle(5, Q(Geldtext(s.Gehalt)), Farbe::Sonne);
        zelle(6, Tq("%1.J").arg(s.Vertrag), Qt::white);
    }
}

void TMarktliste::mouseMoveEvent(QMouseEvent* e)
{
    const int y = static_cast<int>(e->position().y()) - Kopf;
    const int z = y < 0 ? 0 : y / Zeilenhoehe + 1;
    if (z != hell) {
        hell = z > 11 ? 0 : z;
        update();
    }
}

void TMarktliste::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    const int y = static_cast<int>(e->position().y()) - Kopf;
    if (y < 0) return;
    const int z = y / Zeilenhoehe + 1;
    if (z >= 1 && z <= 11) emit gewaehlt(z);
}

void TMarktliste::leaveEvent(QEvent*)
{
    hell = 0;
    update();
}

// --- Fenster ---

TTransferF::TTransferF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("TransferF"), Tq("Transfermarkt"), QSize(800, 500));

    Liste = new TMarktliste(this);
    Liste->move(10, 50);
    connect(Liste, &TMarktliste::gewaehlt, this, &TTransferF::spielerKlick);
    auto* hinweis = Schild(this, QString(), QRect(10, 300, 444, 40), Schrift(8), Qt::AlignLeft | Qt::AlignTop);
    hinweis->setWordWrap(true);
    hinweis->setText(Tq("Ein Klick auf einen Spieler öffnet die Verhandlung. Gehalt: was er pro Spiel "
                        "verlangt. Jede Verhandlung kostet 2% vom Spielerwert."));

    // Die rechte Hälfte: Kopf wie links, darunter die Werbung, die Auswahl und das Blättern.
    Trainerkopf = Schild(this, QStringLiteral("Trainerkopf"), QRect(462, 50, 328, 22), Schrift(11, true), Qt::AlignLeft);
    Trainerkopf->setText(Tq("Trainerverpflichtung"));
    Trainerkopf->setIndent(8);
    Trainerkopf->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; }").arg(Hex(Farbe::Nacht), Hex(Farbe::Sonne)));
    Werbetext = Schild(this, QStringLiteral("Werbetext"), QRect(462, 76, 328, 56), Schrift(8), Qt::AlignLeft | Qt::AlignTop);
    Werbetext->setWordWrap(true);
    Werbetext->setText(Tq("Tanzen die Jungs Ihen auf der Nase, ist die Trainingsbeteidigung unter aller "
                          "Sau und möchten Sie die Trainingseffizienz erhöhen, dann sind Sie hier genau "
                          "richtig !"));
    Auswahltext = Schild(this, QStringLiteral("Auswahltext"), QRect(462, 132, 328, 20), Schrift(8, true), Qt::AlignLeft);

    Trainerbox = new QGroupBox(this);
    Trainerbox->setObjectName(QStringLiteral("Trainerbox"));
    Trainerbox->setGeometry(462, 184, 328, 300);
    Trainerbox->setFont(Schrift(11, true));
    TrainerBild = Schild(Trainerbox, QStringLiteral("TrainerBild"), QRect(10, 28, 110, 110), Schrift(8));
    TrainerStufe = Schild(Trainerbox, QStringLiteral("TrainerStufe"), QRect(10, 140, 110, 22), Schrift(10, true));
    TrainerText = Schild(Trainerbox, QStringLiteral("TrainerText"), QRect(130, 28, 190, 134), Schrift(8),
                         Qt::AlignLeft | Qt::AlignTop);
    TrainerText->setWordWrap(true);
    Kostet = Schild(Trainerbox, QStringLiteral("Kostet"), QRect(10, 170, 310, 22), Schrift(10), Qt::AlignLeft);
    Gehalt = Schild(Trainerbox, QStringLiteral("Gehalt"), QRect(10, 194, 310, 22), Schrift(10), Qt::AlignLeft);
    Wertverlust = Schild(Trainerbox, QString(), QRect(10, 218, 320, 20), Schrift(8), Qt::AlignLeft);
    Wertverlust->setText(Tq("2% Wertverlust je Spiel"));
    auto* spieleText = Schild(Trainerbox, QString(), QRect(10, 250, 60, 30), Schrift(10), Qt::AlignLeft);
    spieleText->setText(Tq("Spiele"));
    Spiele = new QSpinBox(Trainerbox);
    Spiele->setObjectName(QStringLiteral("Spiele"));
    Spiele->setRange(1, 100);
    Spiele->setValue(50);
    Spiele->setGeometry(70, 250, 70, 30);
    HerDamit = new QPushButton(Tq("Her damit"), Trainerbox);
    HerDamit->setObjectName(QStringLiteral("HerDamit"));
    HerDamit->setGeometry(170, 248, 148, 34);

    // Geblättert wird über der Tafel, mit Stand: so sieht niemand darin einen Rollbalken.
    Blaetterstand = Schild(this, QStringLiteral("Blaetterstand"), QRect(462, 154, 120, 24), Schrift(9, true), Qt::AlignLeft);
    Blaettern = new QScrollBar(Qt::Horizontal, this);
    Blaettern->setObjectName(QStringLiteral("Blaettern"));
    Blaettern->setGeometry(586, 155, 204, 22);
    Blaettern->setPageStep(1);
    Blaettern->setToolTip(Tq("Trainer blättern"));

    connect(Blaettern, &QScrollBar::valueChanged, this, [this](int t) { trainerZeigen(t); });
    connect(Spiele, &QSpinBox::valueChanged, this, [this] { trainerZeigen(Blaettern->value()); });
    connect(HerDamit, &QPushButton::clicked, this, [this] { herDamit(); });
}

void TTransferF::zeigen()
{
    zeichnen();
    AmStandardOrt(this);
}

void TTransferF::zeichnen()
{
    const int n = AngeboteneTrainer(S.AktManager);
    Blaettern->setRange(1, n);
    Auswahltext->setText(Q(TrainerUeberschrift()));
    trainerZeigen(Blaettern->value());
    Liste->update();
}

void TTransferF::trainerZeigen(int t)
{
    if (t < 1 || t > 12) return;
    Blaetterstand->setText(Tq("Trainer %1 von %2").arg(t).arg(Blaettern->maximum()));
    const Trainereintrag_& e = S.Trainermarkt[t];
    if (e.Nummer == -1) {
        Trainerbox->setTitle(Tq("Auf der Arbeit"));
        TrainerBild->clear();
        TrainerStufe->clear();
        TrainerText->setText(Tq("Dieser Trainer wurde schon Verpflichtet !"));
        Kostet->setText(Tq("Kostet"));
        Gehalt->setText(Tq("Gehalt pro Spiel"));
        return;
    }
    const Sondertrainer_& st = Sondertrainer.at(static_cast<size_t>(t));
    Trainerbox->setTitle(QString::fromUtf8(st.Name));
    TrainerBild->setPixmap(Bild(QStringLiteral("trainer%1").arg(t), QSize(110, 110)));
    TrainerStufe->setText(Tq("Stufe %1").arg(e.Stufe));
    TrainerText->setText(Q(TWert(st.Beschreibung)));
    const Trainerbedingungen_ b = TrainerBedingungen(t, Spiele->value());
    Kostet->setText(Tq("Kostet  %1").arg(Q(Geldtext(b.Kostet) + Waehrung)));
    Gehalt->setText(Tq("Gehalt pro Spiel  %1").arg(Q(Geldtext(b.GehaltProSpiel) + Waehrung)));
}

void TTransferF::spielerKlick(int i)
{
    if (beschaeftigt_ || i < 1 || i > 11) return;
    // Der Spieler bleibt für das ganze Gespräch fest; ein weiterer Klick wartet, bis es vorbei ist.
    const Beschaeftigt sperre(this, beschaeftigt_);
    if (KaufVerhandlungOeffnen(S.AktManager, i, Verhandlungsregler()) && VerhandelF) VerhandelF->oeffnen();
    Liste->hell = 0;
    zeichnen();
}

void TTransferF::herDamit()
{
    if (beschaeftigt_) return;
    const int t = Blaettern->value();
    if (TrainerVerpflichten(S.AktManager, t, Spiele->value())) {
        trainerZeigen(t);
        close();
    }
}

} // namespace torvane

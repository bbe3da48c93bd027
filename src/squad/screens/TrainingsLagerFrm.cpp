#include "squad/screens/TrainingsLagerFrm.h"

#include "core/Konto.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "finance/screens/Tafelfelder.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MenuFrm.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

namespace torvane {

TTrainingsLagerF* TrainingsLagerF = nullptr;

QPixmap LagerBild(int lager, QSize groesse)
{
    QPixmap bild(groesse);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse.width() / 200.0, groesse.height() / 100.0);
    p.setPen(Qt::NoPen);
    if (lager == 1) {
        // Bahnhof bei Nacht: Backstein, Uhr, Gleise.
        p.fillRect(QRectF(0, 0, 200, 100), QColor(55, 71, 79));
        p.setBrush(QColor(141, 110, 99));
        p.drawRect(QRectF(40, 30, 120, 50));
        p.setBrush(QColor(93, 64, 55));
        p.drawPolygon(QPolygonF({QPointF(30, 32), QPointF(100, 8), QPointF(170, 32)}));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(100, 24), 8, 8);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(QPointF(100, 24), QPointF(100, 18));
        p.drawLine(QPointF(100, 24), QPointF(104, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 213, 79));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(52 + i * 26, 44, 14, 18));
        p.fillRect(QRectF(0, 84, 200, 16), QColor(38, 50, 56));
        p.setPen(QPen(QColor(176, 190, 197), 2));
        p.drawLine(QPointF(0, 88), QPointF(200, 88));
        p.drawLine(QPointF(0, 96), QPointF(200, 96));
    } else if (lager == 2) {
        // Gasthof am Waldrand.
        p.fillRect(QRectF(0, 0, 200, 100), QColor(179, 229, 252));
        p.setBrush(QColor(104, 159, 56));
        p.drawEllipse(QRectF(-40, 60, 300, 90));
        p.setBrush(QColor(27, 94, 32));
        for (int i = 0; i < 4; ++i)
            p.drawPolygon(QPolygonF({QPointF(10 + i * 14, 72), QPointF(18 + i * 14, 36), QPointF(26 + i * 14, 72)}));
        p.setBrush(QColor(161, 136, 127));
        p.drawRect(QRectF(90, 44, 80, 36));
        p.setBrush(QColor(121, 85, 72));
        p.drawPolygon(QPolygonF({QPointF(84, 46), QPointF(130, 20), QPointF(176, 46)}));
        p.setBrush(QColor(255, 248, 225));
        p.drawRect(QRectF(100, 54, 14, 12));
        p.drawRect(QRectF(146, 54, 14, 12));
        p.setBrush(QColor(93, 64, 55));
        p.drawRect(QRectF(124, 60, 12, 20));
    } else {
        // Sporthotel unter Palmen, mit Becken.
        p.fillRect(QRectF(0, 0, 200, 100), QColor(79, 195, 247));
        p.setBrush(QColor(255, 235, 59));
        p.drawEllipse(QPointF(170, 20), 12, 12);
        p.fillRect(QRectF(0, 78, 200, 22), QColor(255, 224, 178));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(70, 22, 70, 58));
        p.setBrush(QColor(2, 136, 209));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                p.drawRect(QRectF(76 + c * 16, 28 + r * 12, 10, 7));
        p.setBrush(QColor(0, 188, 212));
        p.drawRoundedRect(QRectF(146, 82, 46, 12), 4, 4);
        p.setBrush(QColor(121, 85, 72));
        p.drawRect(QRectF(28, 40, 5, 44));
        p.setBrush(QColor(56, 142, 60));
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(30, 40);
            p.rotate(-70 + i * 35);
            p.drawEllipse(QRectF(0, -4, 26, 8));
            p.restore();
        }
    }
    return bild;
}

namespace {

// Der Bericht der Reise: jede Person eine Zeile, die wächst; der Schluss darunter.
class ListenBericht : public Lagerbericht {
public:
    explicit ListenBericht(QListWidget* l) : liste_(l) {}
    void zeile(const std::string& text, Art art) override
    {
        const QString t = Q(text);
        if (art == Art::Name || art == Art::Schluss || liste_->count() == 0) {
            auto* eintrag = new QListWidgetItem(t, liste_);
            if (art == Art::Schluss) eintrag->setFont(Schrift(10, true));
        } else {
            QListWidgetItem* letzter = liste_->item(liste_->count() - 1);
            letzter->setText(letzter->text() + (art == Art::Taetigkeit ? QStringLiteral(" … ") : QStringLiteral(": ")) +
                             t);
        }
        liste_->scrollToBottom();
    }

private:
    QListWidget* liste_;
};

// Sperrt während der Reise Menü, Seitenleiste und die eigenen Knöpfe; gibt sie auch nach einem Fehler frei.
class Reisesperre {
public:
    Reisesperre(TTrainingsLagerF* f, bool& laeuft) : f_(f), laeuft_(laeuft)
    {
        laeuft_ = true;
        setzen(false);
    }
    ~Reisesperre()
    {
        setzen(true);
        laeuft_ = false;
    }
    Reisesperre(const Reisesperre&) = delete;
    Reisesperre& operator=(const Reisesperre&) = delete;

private:
    void setzen(bool an)
    {
        if (MenuF) MenuF->setEnabled(an);
        if (LinkeF) LinkeF->setEnabled(an);
        f_->HinGehen->setEnabled(an);
        f_->Tage->setEnabled(an);
        for (auto& l : f_->Felder)
            l.Bild->setEnabled(an);
    }
    TTrainingsLagerF* f_;
    bool& laeuft_;
};

} // namespace

TTrainingsLagerF::TTrainingsLagerF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("TrainingsLagerF"), Tq("Trainingslager"), QSize(780, 600),
                   Tq("Komm´t wir fahren ins Trainingslager"));

    for (int i = 0; i < 3; ++i) {
        const int c = i + 1;
        Lagerfeld& f = Felder[static_cast<size_t>(i)];
        f.Gruppe = Gruppe(this, Tq(Lager[static_cast<size_t>(c)].Name),
                          QRect(10 + i * 256, 50, 248, 340), QStringLiteral("Lager%1").arg(c));
        f.Bild = new QLabel(f.Gruppe);
        f.Bild->setObjectName(QStringLiteral("LagerBild%1").arg(c));
        f.Bild->setGeometry(10, 24, 228, 114);
        f.Bild->setCursor(Qt::PointingHandCursor);
        f.Bild->installEventFilter(this);
        f.Text = Beschrift(f.Gruppe, Tq(Lager[static_cast<size_t>(c)].Beschreibung),
                           QRect(10, 144, 228, 150), 8);
        f.Text->setWordWrap(true);
        f.Text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        f.Preis = Wertfeld(f.Gruppe, QStringLiteral("Preis%1").arg(c), QRect(10, 302, 228, 28));
        f.Preis->setAlignment(Qt::AlignCenter);
    }

    auto* tage = Gruppe(this, Tq("Dauer"), QRect(10, 398, 300, 100));
    Tage = new QSlider(Qt::Horizontal, tage);
    Tage->setObjectName(QStringLiteral("Tage"));
    Tage->setGeometry(14, 28, 272, 24);
    Tage->setRange(1, 10);
    Tage->setValue(5);
    connect(Tage, &QSlider::valueChanged, this, [this] { zeichnen(); });
    TageLabel = Beschrift(tage, QString(), QRect(14, 60, 272, 24), 11, true, QStringLiteral("TageLabel"));
    TageLabel->setAlignment(Qt::AlignCenter);

    auto* steig = Gruppe(this, Tq("Steigerung der Fähigkeiten"), QRect(320, 398, 450, 150));
    auto spanne = [steig](const QString& text, int y, const QString& name) {
        Beschrift(steig, text, QRect(20, y, 140, 24), 10, true);
        auto* w = Wertfeld(steig, name, QRect(170, y, 150, 24));
        w->setAlignment(Qt::AlignCenter);
        return w;
    };
    Technik = spanne(Tq("Technik"), 26, QStringLiteral("SpanneTechnik"));
    Konstitution = spanne(Tq("Konstution"), 56, QStringLiteral("SpanneKonstitution"));
    Form = spanne(Tq("Form"), 86, QStringLiteral("SpanneForm"));
    Genesung = spanne(Tq("Genesung"), 116, QStringLiteral("SpanneGenesung"));

    HinGehen = new QPushButton(Tq("Hin geh´n"), this);
    HinGehen->setObjectName(QStringLiteral("HinGehen"));
    HinGehen->setGeometry(10, 508, 300, 40);
    HinGehen->setFont(Schrift(13, true));
    connect(HinGehen, &QPushButton::clicked, this, &TTrainingsLagerF::hinGehen);

    BerichtTafel = new QWidget(this);
    BerichtTafel->setObjectName(QStringLiteral("BerichtTafel"));
    BerichtTafel->setGeometry(10, 50, 760, 540);
    BerichtTafel->setAttribute(Qt::WA_StyledBackground);
    BerichtTafel->setStyleSheet(
        QStringLiteral("QWidget#BerichtTafel { background: %1; border: 3px solid %2; border-radius: 8px; }")
            .arg(Hex(Farbe::Creme), Hex(Farbe::Rasen)));
    Kopfzeile(Tq("Bericht aus dem Trainingslager"), BerichtTafel)->setGeometry(10, 10, 740, 34);
    Bericht = new QListWidget(BerichtTafel);
    Bericht->setObjectName(QStringLiteral("Bericht"));
    Bericht->setGeometry(10, 52, 740, 478);
    Bericht->setFont(Schrift(10));
    Bericht->setSelectionMode(QAbstractItemView::NoSelection);
    Bericht->setFocusPolicy(Qt::NoFocus);
    Bericht->viewport()->installEventFilter(this);
    Bericht->setToolTip(Tq("Klick schließt den Bericht"));
    BerichtTafel->hide();
}

bool TTrainingsLagerF::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        if (o == Bericht->viewport()) {
            if (!reise_) BerichtTafel->hide();
            return true;
        }
        for (int i = 0; i < 3; ++i)
            if (o == Felder[static_cast<size_t>(i)].Bild && Felder[static_cast<size_t>(i)].Bild->isEnabled()) {
                lagerKlick(i + 1);
                return true;
            }
    }
    return QDialog::eventFilter(o, e);
}

void TTrainingsLagerF::lagerKlick(int lager)
{
    if (reise_) return;
    if (!LagerErlaubt(S.Manager[S.AktManager].Liga, lager)) {
        zeichnen();
        Felder[static_cast<size_t>(lager - 1)].Preis->setText(Tq(LagerVerbotenText));
        return;
    }
    lager_ = lager;
    zeichnen();
}

void TTrainingsLagerF::zeichnen()
{
    const Manager_& mg = S.Manager[S.AktManager];
    const int tage = Tage->value();
    for (int i = 0; i < 3; ++i) {
        const int c = i + 1;
        Lagerfeld& f = Felder[static_cast<size_t>(i)];
        const bool erlaubt = LagerErlaubt(mg.Liga, c);
        QPixmap bild = LagerBild(c, f.Bild->size());
        if (!erlaubt) bild = QPixmap::fromImage(bild.toImage().convertToFormat(QImage::Format_Grayscale8));
        f.Bild->setPixmap(bild);
        f.Text->setStyleSheet(erlaubt ? QString() : QStringLiteral("color: #6d6d6d;")); // blasser, aber lesbar
        const bool gewaehlt = c == lager_;
        f.Preis->setText(
            gewaehlt
                ? Tq("Kostet %1").arg(Q(Geldtext(static_cast<double>(LagerBerechnen(mg.KaderAnzahl, c, tage).Preis)) + Waehrung))
                : Tq("Ab %1").arg(Q(LigaNamen[static_cast<size_t>(5 - c)])));
        TonSetzen(f.Preis, gewaehlt && erlaubt ? Ton::Gut : Ton::Neutral);
    }
    TageLabel->setText(Tq("für %1 Tag(e)").arg(tage));
    const Lagerwerte w = LagerBerechnen(mg.KaderAnzahl, lager_, tage);
    auto text = [](const Spanne& s) { return Tq("%1 bis %2").arg(s.von).arg(s.bis); };
    Technik->setText(text(w.Technik));
    Konstitution->setText(text(w.Konstitution));
    Form->setText(text(w.Form));
    Genesung->setText(text(w.Genesung));
}

void TTrainingsLagerF::zeigen()
{
    BerichtTafel->hide();
    zeichnen();
    AmStandardOrt(this);
}

void TTrainingsLagerF::hinGehen()
{
    if (reise_) return;
    const Reisesperre sperre(this, reise_);
    Bericht->clear();
    BerichtTafel->show();
    BerichtTafel->raise();
    ListenBericht bericht(Bericht);
    bool gefahren = false;
    try {
        gefahren = LagerFahren(S.AktManager, lager_, Tage->value(), bericht);
    } catch (...) {
        BerichtTafel->hide();
        throw;
    }
    if (!gefahren) BerichtTafel->hide();
    zeichnen();
}

void TTrainingsLagerF::closeEvent(QCloseEvent* e)
{
    // Mitten in der Reise bleibt das Fenster offen; der Bericht endet von selbst.
    if (reise_)
        e->ignore();
    else
        QDialog::closeEvent(e);
}

void TTrainingsLagerF::reject()
{
    if (!reise_) QDialog::reject();
}

} // namespace torvane

#include "core/screens/MailFrm.h"

#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <tuple>

namespace torvane {

TMailF* MailF = nullptr;

TMailF::TMailF(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("MailF"));
    setWindowTitle(Tq("Nachricht"));
    StilSetzen(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    bild_ = new QLabel(this);
    bild_->setObjectName(QStringLiteral("Bild"));
    bild_->setFixedSize(96, 96);
    kopf_ = Kopfzeile(QString(), this);
    kopf_->setObjectName(QStringLiteral("Kopf"));
    // Ein Kopf mit langem Vereins- und Managernamen bricht um, statt das Fenster zu verbreitern.
    kopf_->setWordWrap(true);
    kopf_->setMaximumHeight(QWIDGETSIZE_MAX);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("Text"));
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    text_->setFont(Schrift(11));
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Lange Listen rollen, statt das Fenster über den Bildschirm wachsen zu lassen.
    rolle_ = new QScrollArea(this);
    rolle_->setObjectName(QStringLiteral("Rolle"));
    rolle_->setFrameShape(QFrame::NoFrame);
    rolle_->setWidgetResizable(true);
    rolle_->viewport()->setAutoFillBackground(false);
    rolle_->setWidget(text_);
    text_->setAutoFillBackground(false);

    // Jeder Knopf meldet seinen Befehl, nicht seine Beschriftung; sein Name bleibt der des Befehls.
    const std::tuple<QPushButton**, Befehlswert, const char*> knopfwerte[] = {
        {&weiter_, Befehlswert::NachrichtWeiter, N_("Weiter")}, {&ja_, Befehlswert::Ja, N_("Ja")},
        {&nein_, Befehlswert::Nein, N_("Nein")}};
    for (const auto& [knopf, wert, beschriftung] : knopfwerte) {
        const QString name = Q(std::string(BefehlName(wert)));
        auto* k = new QPushButton(Tq(beschriftung), this);
        k->setObjectName(name);
        k->setMinimumWidth(90);
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, [this, w = wert] {
            gedrueckt = w;
            accept();
        });
        *knopf = k;
    }

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(weiter_);
    knoepfe->addWidget(ja_);
    knoepfe->addWidget(nein_);
    knoepfe->addStretch();
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(bild_, 0, Qt::AlignTop);
    mitte->addWidget(rolle_, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(kopf_);
    l->addLayout(mitte, 1);
    l->addLayout(knoepfe);
}

void TMailF::fuellen(const QString& kopf, const QString& text, const NachrichtArt& art, int bild)
{
    art_ = art;
    gedrueckt = Befehlswert::Keiner;
    kopf_->setText(kopf);
    kopf_->setVisible(!kopf.trimmed().isEmpty());
    text_->setText(text);
    const QString b = NachrichtBildName(bild);
    bild_->setVisible(!b.isEmpty());
    if (!b.isEmpty()) bild_->setPixmap(Bild(b, bild_->size()));
    weiter_->setVisible(art.typ == NachrichtArt::Ok || art.typ == NachrichtArt::Alles);
    ja_->setVisible(art.typ == NachrichtArt::Jein || art.typ == NachrichtArt::Alles);
    nein_->setVisible(art.typ == NachrichtArt::Jein || art.typ == NachrichtArt::Alles);
    if (weiter_->isVisibleTo(this)) weiter_->setDefault(true);
    else if (ja_->isVisibleTo(this)) ja_->setDefault(true);
    // Mit Punkten oder Leerzeichen in Spalten gesetzte Listen brauchen gleich breite Zeichen.
    const bool spalten = InSpalten(text);
    text_->setFont(spalten ? FesteSchrift(10) : Schrift(11));
    // Fließtext bricht an der Breite des Hauptfensters um, nie breiter als der Bildschirm;
    // in Spalten Gesetztes behält seine Zeilen und rollt, wenn es nicht passt.
    text_->setWordWrap(false);
    const QSize natur = text_->sizeHint();
    const QWidget* haupt = Hauptfenster();
    const QScreen* s = haupt ? haupt->screen() : screen();
    const QRect frei = s ? s->availableGeometry().adjusted(0, 0, -40, -60) : QRect(0, 0, 1200, 800);
    const int breite = qMin(haupt ? haupt->width() : frei.width(), frei.width());
    const QMargins m = layout()->contentsMargins();
    const int daneben = m.left() + m.right() + (bild_->isVisibleTo(this) ? bild_->width() + layout()->spacing() : 0);
    const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int fensterBreite = qBound(qMin(460, breite), daneben + natur.width(), breite);
    int textBreite = fensterBreite - daneben;
    int textHoehe = natur.height();
    if (!spalten && textBreite < natur.width()) {
        text_->setWordWrap(true);
        textHoehe = text_->heightForWidth(textBreite);
    }
    rolle_->setHorizontalScrollBarPolicy(spalten ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (spalten && natur.width() > textBreite) textHoehe += leiste;
    // Höher als der Bildschirm: die Liste rollt senkrecht.
    rolle_->setFixedSize(textBreite, textHoehe);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->invalidate();
    layout()->activate();
    const int ohneText = (layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(fensterBreite) : sizeHint().height()) -
                         textHoehe;
    if (ohneText + textHoehe > frei.height()) rolle_->setFixedHeight(qMax(3 * leiste, frei.height() - ohneText));
    layout()->invalidate();
    layout()->activate();
    setFixedSize(fensterBreite, qMax(160, layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(fensterBreite)
                                                                        : sizeHint().height()));
}

bool TMailF::InSpalten(const QString& text)
{
    // Punkte zwischen zwei Wörtern ("Kickersdorf.....(4)") oder drei Leerzeichen mitten in der
    // Zeile: hier wurde auf Spalten aufgefüllt. Ein "..." am Satzende zählt nicht.
    static const QRegularExpression punkte(QStringLiteral("\\S\\.{2,}\\S"));
    for (const QString& z : text.split(QLatin1Char('\n')))
        if (z.contains(punkte) || z.trimmed().contains(QStringLiteral("   "))) return true;
    return false;
}

void TMailF::platzieren(int x, int y)
{
    QWidget* haupt = Hauptfenster() ? Hauptfenster() : parentWidget();
    if (x == -1 && y == -1 && Spieltagfenster() && Spieltagfenster()->isVisible()) MittigAuf(this, Spieltagfenster());
    else if ((x == 0 && y == 0) || (x == -1 && y == -1)) MittigAuf(this, FragendesFenster(this));
    else if (haupt) AufDenBildschirm(this, haupt->frameGeometry().topLeft() + QPoint(x, y));
}

Befehlswert TMailF::zeigen()
{
    TMailF* vorher = MailF;
    MailF = this;
    if (art_.typ == NachrichtArt::Auto) {
        QTimer::singleShot(QtOberflaeche::dauer(art_.autoMs), this, [this] { done(QDialog::Accepted); });
    }
    exec();
    MailF = vorher;
    return art_.typ == NachrichtArt::Auto ? Befehlswert::Keiner : gedrueckt;
}

void TMailF::reject()
{
    // Ohne Wahl zu schließen geht nur, wo es nichts zu wählen gibt.
    if (art_.typ == NachrichtArt::Ok) {
        gedrueckt = Befehlswert::NachrichtWeiter;
        QDialog::reject();
    } else if (art_.typ == NachrichtArt::Auto) {
        QDialog::reject();
    }
}

} // namespace torvane

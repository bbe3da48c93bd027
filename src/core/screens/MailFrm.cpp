#include "core/screens/MailFrm.h"

#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace torvane {

TMailF* MailF = nullptr;

TMailF::TMailF(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("MailF"));
    setWindowTitle(QStringLiteral("Nachricht"));
    StilSetzen(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    bild_ = new QLabel(this);
    bild_->setObjectName(QStringLiteral("Bild"));
    bild_->setFixedSize(96, 96);
    kopf_ = Kopfzeile(QString(), this);
    kopf_->setObjectName(QStringLiteral("Kopf"));
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("Text"));
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    text_->setFont(Schrift(11));
    text_->setMinimumWidth(300);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Jeder Knopf meldet seinen Befehl, nicht seine Beschriftung.
    const std::pair<QPushButton**, Befehlswert> knopfwerte[] = {
        {&weiter_, Befehlswert::NachrichtWeiter}, {&ja_, Befehlswert::Ja}, {&nein_, Befehlswert::Nein}};
    for (const auto& [knopf, wert] : knopfwerte) {
        const QString name = Q(std::string(BefehlName(wert)));
        auto* k = new QPushButton(name, this);
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
    mitte->addWidget(text_, 1);
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
    text_->setFont(InSpalten(text) ? FesteSchrift(10) : Schrift(11));
    // Das Fenster wächst mit seiner längsten Zeile; erst was breiter als der Bildschirm wäre, bricht um.
    text_->setWordWrap(false);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->invalidate();
    layout()->activate();
    int breite = qMax(460, sizeHint().width());
    const QScreen* s = Hauptfenster() ? Hauptfenster()->screen() : screen();
    const int grenze = s ? s->availableGeometry().width() - 40 : 1200;
    if (breite > grenze) {
        text_->setWordWrap(true);
        breite = grenze;
    }
    const int hoehe = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(breite) : sizeHint().height();
    setFixedSize(breite, qMax(160, hoehe));
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
    else if (haupt) move(haupt->frameGeometry().topLeft() + QPoint(x, y));
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

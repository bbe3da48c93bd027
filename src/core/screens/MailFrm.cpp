#include "core/screens/MailFrm.h"

#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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

    weiter_ = new QPushButton(QStringLiteral("Weiter"), this);
    ja_ = new QPushButton(QStringLiteral("Ja"), this);
    nein_ = new QPushButton(QStringLiteral("Nein"), this);
    for (QPushButton* k : {weiter_, ja_, nein_}) {
        k->setObjectName(k->text());
        k->setMinimumWidth(90);
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, [this, k] {
            gedrueckt = k->text();
            accept();
        });
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
    gedrueckt.clear();
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
    setFixedWidth(460);
    adjustSize();
    setFixedSize(460, qMax(160, sizeHint().height()));
}

void TMailF::platzieren(int x, int y)
{
    QWidget* bezug = (x == -1 && y == -1 && Spieltagfenster()) ? Spieltagfenster() : Hauptfenster();
    if (!bezug) bezug = parentWidget();
    if (!bezug) return;
    const QRect r = bezug->frameGeometry();
    if ((x == 0 && y == 0) || (x == -1 && y == -1)) move(r.center() - QPoint(width() / 2, height() / 2));
    else move(r.topLeft() + QPoint(x, y));
}

QString TMailF::zeigen()
{
    TMailF* vorher = MailF;
    MailF = this;
    if (art_.typ == NachrichtArt::Auto) {
        const int ms = static_cast<int>(art_.autoMs * QtOberflaeche::tempo);
        QTimer::singleShot(ms, this, [this] { done(QDialog::Accepted); });
    }
    exec();
    MailF = vorher;
    return art_.typ == NachrichtArt::Auto ? QString() : gedrueckt;
}

void TMailF::reject()
{
    // Ohne Wahl zu schließen geht nur, wo es nichts zu wählen gibt.
    if (art_.typ == NachrichtArt::Ok) {
        gedrueckt = QStringLiteral("Weiter");
        QDialog::reject();
    } else if (art_.typ == NachrichtArt::Auto) {
        QDialog::reject();
    }
}

} // namespace torvane

#include "core/screens/RechnerFrm.h"

#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace torvane {

TRechnerF* RechnerF = nullptr;

TRad::TRad(QWidget* eltern) : QLabel(eltern)
{
    setFixedSize(34, 48);
    setAlignment(Qt::AlignCenter);
    setFont(Schrift(20, true));
    setCursor(Qt::PointingHandCursor);
    setToolTip(Tq("Links: +1, Rechts: -1"));
    zeichnen();
}

void TRad::zifferSetzen(int z)
{
    ziffer_ = ((z % 10) + 10) % 10;
    zeichnen();
}

void TRad::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) zifferSetzen(ziffer_ + 1);
    else if (e->button() == Qt::RightButton) zifferSetzen(ziffer_ - 1);
}

void TRad::wheelEvent(QWheelEvent* e) { zifferSetzen(ziffer_ + (e->angleDelta().y() > 0 ? 1 : -1)); }

void TRad::enterEvent(QEnterEvent*)
{
    hervor_ = true;
    zeichnen();
}

void TRad::leaveEvent(QEvent*)
{
    hervor_ = false;
    zeichnen();
}

void TRad::zeichnen()
{
    setText(QString::number(ziffer_));
    setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border: 2px solid %3; border-radius: 6px; }")
                      .arg(Hex(hervor_ ? Farbe::Sonne : QColor(Qt::white)), Hex(Farbe::Nacht),
                           Hex(hervor_ ? Farbe::Rot : Farbe::Rasen)));
}

TRechnerF::TRechnerF(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("RechnerF"));
    StilSetzen(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    frage_ = Kopfzeile(QString(), this);
    frage_->setObjectName(QStringLiteral("Frage"));
    frage_->setWordWrap(true);

    auto* reihe = new QHBoxLayout;
    reihe->setSpacing(4);
    for (int i = 0; i < 9; ++i) {
        raeder[static_cast<size_t>(i)] = new TRad(this);
        raeder[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Rad%1").arg(i + 1));
        reihe->addWidget(raeder[static_cast<size_t>(i)]);
        // Dreiergruppen wie bei Geldbeträgen
        if (i == 2 || i == 5) reihe->addSpacing(8);
    }

    auto* nullenK = new QPushButton(Tq("Nullen"), this);
    auto* anfangK = new QPushButton(Tq("Anfangswert"), this);
    auto* okK = new QPushButton(Tq("OK"), this);
    nullenK->setObjectName(QStringLiteral("Nullen"));
    anfangK->setObjectName(QStringLiteral("Anfangswert"));
    okK->setObjectName(QStringLiteral("OK"));
    okK->setDefault(true);
    // Enter heißt immer OK, auch wenn einer der anderen Knöpfe den Fokus hat.
    nullenK->setAutoDefault(false);
    anfangK->setAutoDefault(false);
    connect(nullenK, &QPushButton::clicked, this, &TRechnerF::nullen);
    connect(anfangK, &QPushButton::clicked, this, &TRechnerF::anfangswert);
    connect(okK, &QPushButton::clicked, this, &QDialog::accept);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(nullenK);
    knoepfe->addWidget(anfangK);
    knoepfe->addStretch();
    knoepfe->addWidget(okK);

    auto* hinweis = new QLabel(Tq("Ziffern tippen oder Räder klicken (links +1, rechts −1). "
                                  "Enter übernimmt, Esc bricht ab."),
                               this);
    hinweis->setObjectName(QStringLiteral("Hinweis"));
    hinweis->setFont(Schrift(8));
    hinweis->setAlignment(Qt::AlignCenter);

    auto* l = new QVBoxLayout(this);
    l->addWidget(frage_);
    l->addLayout(reihe);
    l->addWidget(hinweis);
    l->addLayout(knoepfe);
    setFixedSize(sizeHint().expandedTo(QSize(400, 150)));
}

void TRechnerF::vorbereiten(int anfang, const QString& frage)
{
    // Das Rad hat neun Stellen und kein Vorzeichen.
    anfang_ = qBound(0, anfang, 999999999);
    setWindowTitle(frage);
    frage_->setText(frage);
    anfangswert();
}

int TRechnerF::zahl() const
{
    int z = 0;
    for (const TRad* r : raeder) z = z * 10 + r->ziffer();
    return z;
}

void TRechnerF::zahlSetzen(int z)
{
    for (int i = 8; i >= 0; --i) {
        raeder[static_cast<size_t>(i)]->zifferSetzen(z % 10);
        z /= 10;
    }
}

void TRechnerF::nullen()
{
    zahlSetzen(0);
    getippt_ = true; // weiter getippte Ziffern hängen sich an
}

void TRechnerF::anfangswert()
{
    zahlSetzen(anfang_);
    getippt_ = false;
}

void TRechnerF::keyPressEvent(QKeyEvent* e)
{
    const QString t = e->text();
    if (t.size() == 1 && t[0].isDigit() && t[0].unicode() < 128) {
        const int alt = getippt_ ? zahl() : 0;
        getippt_ = true;
        // Eine zehnte Stelle passt nicht aufs Rad.
        if (alt <= 99999999) zahlSetzen(alt * 10 + t[0].digitValue());
        return;
    }
    if (e->key() == Qt::Key_Backspace) {
        getippt_ = true;
        zahlSetzen(zahl() / 10);
        return;
    }
    QDialog::keyPressEvent(e);
}

int TRechnerF::eingabe(int anfang, const QString& frage, int x, int y)
{
    TRechnerF f(Hauptfenster());
    f.vorbereiten(anfang, frage);
    // Ohne eigenen Abstand mittig auf dem Fenster, das nach der Zahl fragt.
    if (x == 0 && y == 0) MittigAuf(&f, FragendesFenster(&f));
    else if (QWidget* h = Hauptfenster()) AufDenBildschirm(&f, h->frameGeometry().topLeft() + QPoint(x, y));
    TRechnerF* vorher = RechnerF;
    RechnerF = &f;
    const int ergebnis = f.exec() == QDialog::Accepted ? f.zahl() : 0;
    RechnerF = vorher;
    return ergebnis;
}

} // namespace torvane

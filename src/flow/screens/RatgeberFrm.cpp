#include "flow/screens/RatgeberFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/Ratgeber.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MenuFrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace torvane {

TRatgeberF* RatgeberF = nullptr;

TRatgeberF::TRatgeberF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("RatgeberF"), Tq("Ratgeber"), QSize(620, 520));
    Kopf = Schild(this, QStringLiteral("Kopf"), QRect(14, 46, 592, 22), Schrift(10, true), Qt::AlignLeft);

    auto* flaeche = new QScrollArea(this);
    flaeche->setObjectName(QStringLiteral("Flaeche"));
    flaeche->setGeometry(10, 72, 600, 398);
    flaeche->setWidgetResizable(true);
    flaeche->setFrameShape(QFrame::NoFrame);
    Liste = new QWidget(flaeche);
    Liste->setObjectName(QStringLiteral("Liste"));
    zeilen_ = new QVBoxLayout(Liste);
    zeilen_->setContentsMargins(4, 4, 4, 4);
    zeilen_->setSpacing(6);
    Leer = new QLabel(Tq("Alles im Lot: heute gibt es nichts zu raten. Viel Glück beim Spiel!"), Liste);
    Leer->setObjectName(QStringLiteral("Leer"));
    Leer->setWordWrap(true);
    Leer->setFont(Schrift(10, true));
    zeilen_->addWidget(Leer);
    zeilen_->addStretch(1);
    flaeche->setWidget(Liste);

    Schliessen = new QPushButton(Tq("Schließen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    Schliessen->setGeometry(250, 480, 120, 30);
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::close);
}

void TRatgeberF::fuellen()
{
    // Alte Zeilen weg; das Schild für die leere Liste und der Abstand bleiben.
    while (zeilen_->count() > 2) {
        QLayoutItem* z = zeilen_->takeAt(1);
        delete z->widget();
        delete z;
    }
    // Er rät, was der Computer in der Stufe täte, in der er für diesen Manager spielt oder spielen würde.
    const AssistentStufe stufe = LinkeF ? LinkeF->stufe() : AssistentStufe::Neu;
    const std::vector<Rat> raete = Ratschlaege(S.AktManager, stufe);
    TextEinpassen(Kopf, Tq("Für %1: was der Computermanager (Stufe %2) jetzt täte, das Wichtigste zuerst")
                            .arg(Q(S.Manager[S.AktManager].Name.text()),
                                 stufe == AssistentStufe::Alt ? TCq("Stufe", "Alt") : TCq("Stufe", "Neu")));
    Leer->setVisible(raete.empty());
    int n = 0;
    for (const Rat& r : raete) {
        auto* zeile = new QFrame(Liste);
        zeile->setObjectName(QStringLiteral("Rat%1").arg(n));
        zeile->setStyleSheet(QStringLiteral("QFrame#Rat%1 { background: %2; border: 1px solid %3; border-radius: 6px; }")
                                 .arg(n)
                                 .arg(Hex(r.dringlichkeit >= 80 ? QColor(255, 235, 238) : Farbe::Creme), Hex(Farbe::RasenHell)));
        auto* h = new QHBoxLayout(zeile);
        h->setContentsMargins(8, 6, 8, 6);
        auto* text = new QLabel(Q(r.text), zeile);
        text->setObjectName(QStringLiteral("Text"));
        text->setWordWrap(true);
        text->setFont(Schrift(9, r.dringlichkeit >= 80));
        h->addWidget(text, 1);
        auto* knopf = new QPushButton(Q(r.ziel), zeile);
        knopf->setObjectName(QStringLiteral("Knopf"));
        knopf->setFixedWidth(130);
        const Menuepunkt k = r.knopf;
        connect(knopf, &QPushButton::clicked, this, [this, k] {
            close();
            if (oeffnen) oeffnen(k);
        });
        h->addWidget(knopf);
        zeilen_->insertWidget(1 + n, zeile);
        ++n;
    }
}

void TRatgeberF::zeigen()
{
    fuellen();
    AmStandardOrt(this);
}

void RatgeberFensterAnlegen(QWidget* haupt)
{
    if (!RatgeberF) RatgeberF = new TRatgeberF(haupt);
    RatgeberF->oeffnen = [](Menuepunkt k) {
        if (MenuF) MenuF->unterKlick(k);
    };
    if (!LinkeF || LinkeF->findChild<QPushButton*>(QStringLiteral("Ratgeber"))) return;
    // In der Seitenleiste neben "Automatic": sie ist gesperrt, solange der Tag läuft.
    auto* b = new QPushButton(Tq("Ratgeber"), LinkeF);
    b->setObjectName(QStringLiteral("Ratgeber"));
    b->setGeometry(194, 390, 94, 30);
    b->setToolTip(Tq("Was jetzt zu tun wäre, und warum"));
    QObject::connect(b, &QPushButton::clicked, [] { RatgeberF->zeigen(); });
}

} // namespace torvane

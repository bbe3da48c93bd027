#include "season/screens/EndeFrm.h"

#include "core/Oberflaeche.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "core/screens/Zierzufall.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "season/Pleite.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace torvane {

TEndeF* EndeF = nullptr;

TEndeF::TEndeF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("EndeF"), Tq("SpielEnde"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setFixedSize(360, 290);

    auto* bild = Bildschild(this, QStringLiteral("ende"), QSize(120, 120));
    auto* frage = Mittig(this, Tq("Schon Feierabend ?"), Schrift(13, true));
    Speicherort = Mittig(this, QString(), Schrift(8, false));
    Speicherort->setObjectName(QStringLiteral("Speicherort"));
    Speicherort->setWordWrap(true);
    BitBtn1 = new QPushButton(Tq("E N D E"), this);
    BitBtn2 = new QPushButton(Tq("Abbrechchen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {BitBtn1, BitBtn2}) {
        b->setMinimumHeight(34);
        b->setAutoDefault(false);
    }
    BitBtn2->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TEndeF::endeKlick);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BitBtn1);
    knoepfe->addWidget(BitBtn2);
    auto* l = new QVBoxLayout(this);
    l->addWidget(bild);
    l->addWidget(frage);
    l->addWidget(Speicherort);
    l->addLayout(knoepfe);
}

void TEndeF::oeffnen()
{
    if (isVisible()) return;
    BitBtn1->setText(Tq("E N D E"));
    // Ein Pfad hat keine Leerzeichen zum Umbrechen: in der Mitte gekürzt, ganz im Tipp.
    const QString pfad = S.Spielname.empty() ? QString() : Q(SpielstandPfad(S.Spielname));
    const int breite = width() - 2 * layout()->contentsMargins().left();
    Speicherort->setText(pfad.isEmpty() ? QString()
                                        : Tq("Gespeichert wird unter:") + QLatin1Char('\n') +
                                              Speicherort->fontMetrics().elidedText(pfad, Qt::ElideMiddle, breite));
    Speicherort->setToolTip(TippWoertlich(pfad));
    setEnabled(true);
    if (QWidget* h = Hauptfenster()) move(h->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    exec();
}

void TEndeF::endeKlick()
{
    FensterSchliessen();
    setEnabled(false);
    if (!S.Spielname.empty()) BitBtn1->setText(Tq("Autospeichern aktiv"));
    EndeAutospeichern();

    // Weg mit dem Fenster, dann bebt das Menü immer stärker.
    move(-2 * width() - 100, -2 * height() - 100);
    if (MainF) MainF->uhrAnhalten();
    Klang("44mag");
    const QPoint linksHeim = LinkeF ? LinkeF->pos() : QPoint();
    const QPoint menueHeim = MenuF ? MenuF->pos() : QPoint();
    for (int k = 1; k <= 35; ++k) {
        if (LinkeF) LinkeF->move(linksHeim + QPoint(Zierzufall(-k, k), Zierzufall(-k, k)));
        if (MenuF) MenuF->move(menueHeim + QPoint(Zierzufall(-k, k), Zierzufall(-k, k)));
        Warte(100);
    }
    if (LinkeF) LinkeF->move(linksHeim);
    if (MenuF) MenuF->move(menueHeim);

    Klang("scroll");
    const int breite = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry().width() : 2000;
    const int rand = MainF ? MainF->width() : 800;
    for (int schritt = 0; schritt < breite; ++schritt) {
        const bool linksDraussen = !LinkeF || LinkeF->x() + LinkeF->width() < 0;
        const bool rechtsDraussen = !MenuF || MenuF->x() > rand;
        if (linksDraussen && rechtsDraussen) break;
        if (LinkeF && !linksDraussen) LinkeF->move(LinkeF->x() - 4, LinkeF->y());
        if (MenuF && !rechtsDraussen) MenuF->move(MenuF->x() + 4, MenuF->y());
        Warte(5);
    }
    Klang("glasbk", 1);
    accept();
    if (MainF) MainF->beenden();
}

} // namespace torvane

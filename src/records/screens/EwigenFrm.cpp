#include "records/screens/EwigenFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "match/screens/Spieltagbilder.h"
#include "records/EwigeTabelle.h"

#include <QLabel>
#include <QListWidget>

namespace torvane {

TEwigenF* EwigenF = nullptr;

TEwigenF::TEwigenF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("EwigenF"), Tq("Ewige Tabelle"), QSize(560, 560));
    Kopf = Schild(this, QStringLiteral("Kopf"), QRect(10, 48, 540, 20), Schrift(8, true), Qt::AlignLeft);
    Kopf->setText(Tq(EwigeKopf));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(10, 70, 540, 424);
    ListBox1->setFont(CourierSchrift(10, false));
    Legende = Schild(this, QStringLiteral("Legende"), QRect(10, 498, 540, 56), Schrift(8), Qt::AlignLeft | Qt::AlignTop);
    Legende->setWordWrap(true);
    Legende->setText(Tq(EwigeLegende));
}

void TEwigenF::zeigen()
{
    fuellen();
    AmStandardOrt(this);
}

void TEwigenF::fuellen()
{
    int eigene = -1;
    const auto zeilen = EwigeTabelle(S.AktManager, eigene);
    ListBox1->clear();
    for (const std::string& z : zeilen) ListBox1->addItem(Q(z));
    if (eigene >= 0) {
        ListBox1->setCurrentRow(eigene);
        ListBox1->scrollToItem(ListBox1->item(eigene), QAbstractItemView::PositionAtCenter);
    }
}

} // namespace torvane

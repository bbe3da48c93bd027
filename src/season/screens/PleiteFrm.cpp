#include "season/screens/PleiteFrm.h"

#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/screens/MainFrm.h"
#include "season/Pleite.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace torvane {

TPleiteF* PleiteF = nullptr;

TPleiteF::TPleiteF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("PleiteF"), Tq("Lizenzentzug"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setFixedSize(460, 330);

    auto* kopf = Kopfzeile(Tq("Lizenzentzug"), this);
    kopf->setGeometry(10, 10, 440, 34);
    kopf->setStyleSheet(kopf->styleSheet().replace(Hex(Farbe::Rasen), Hex(Farbe::Rot)));
    Bild1 = Element<QLabel>(this, QStringLiteral("Bild1"), QRect(20, 56, 120, 120));
    Bild1->setPixmap(Bild(QStringLiteral("pleite"), Bild1->size()));
    Bild2 = Element<QLabel>(this, QStringLiteral("Bild2"), QRect(320, 56, 120, 120));
    Bild2->setPixmap(Bild(QStringLiteral("ausgang"), Bild2->size()));
    Label1 = Schild(this, QStringLiteral("Label1"), QRect(150, 56, 160, 130), Schrift(10, true));
    Label1->setText(Tq(PleiteText));
    Label1->setWordWrap(true);
    Label2 = Schild(this, QStringLiteral("Label2"), QRect(20, 196, 420, 40), Schrift(16, true));
    Label2->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rot)));
    BitBtn1 = Knopf(this, Tq("und Tschüss"), QStringLiteral("BitBtn1"), QRect(150, 260, 160, 40));
    BitBtn1->setFont(Schrift(12, true));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { tschuess_ = true; });
}

void TPleiteF::zeigen(const QString& label2)
{
    tschuess_ = false;
    Label2->setText(label2);
    if (QWidget* h = Hauptfenster()) move(h->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    setModal(true);
    show();
    raise();
}

void TPleiteF::warteAufTschuess()
{
    QEventLoop schleife;
    QTimer uhr;
    QObject::connect(&uhr, &QTimer::timeout, &schleife, [&] {
        if (tschuess_ || QCoreApplication::closingDown()) schleife.quit();
    });
    uhr.start(QtOberflaeche::dauer(20));
    const WarteSperre sperre(WarteSperre::Art::Dialog);
    if (!tschuess_) schleife.exec();
    hide();
}

namespace {
class QtPleiteanzeige : public Pleiteanzeige {
public:
    void zeigen(const std::string& label2) override
    {
        if (PleiteF) PleiteF->zeigen(Q(label2));
    }
    void warteAufTschuess() override
    {
        if (PleiteF) PleiteF->warteAufTschuess();
    }
    void programmBeenden() override
    {
        if (MainF) MainF->beenden();
    }
};
} // namespace

void PleiteAnzeigeVerbinden()
{
    static QtPleiteanzeige anzeige;
    PleiteAnzeigeSetzen(&anzeige);
}

} // namespace torvane

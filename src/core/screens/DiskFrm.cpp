#include "core/screens/DiskFrm.h"

#include "core/SpielstandDatei.h"
#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace torvane {

TDiskF* DiskF = nullptr;

TDiskF::TDiskF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("DiskF"), Tq("Disk"));
    setFixedSize(420, 420);

    auto* kopf = new QHBoxLayout;
    auto* bild = new QLabel(this);
    bild->setPixmap(Bild(QStringLiteral("diskette"), QSize(64, 64)));
    kopf->addWidget(bild);
    kopf->addWidget(Kopfzeile(Tq("Spielstände"), this), 1);

    auto* beschriftung = new QLabel(Tq("Spielbezeichnung"), this);
    beschriftung->setFont(Schrift(10, true));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(SpielnameHoechstlaenge);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));

    Speichern = new QPushButton(Tq("Speichern"), this);
    Laden = new QPushButton(Tq("Laden"), this);
    Loeschen = new QPushButton(Tq("Löschen"), this);
    Speichern->setObjectName(QStringLiteral("Speichern"));
    Laden->setObjectName(QStringLiteral("Laden"));
    Loeschen->setObjectName(QStringLiteral("Loeschen"));
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {Speichern, Laden, Loeschen}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(30);
        knoepfe->addWidget(b);
    }

    auto* l = new QVBoxLayout(this);
    l->addLayout(kopf);
    l->addWidget(beschriftung);
    l->addWidget(Edit1);
    l->addWidget(ListBox1, 1);
    l->addLayout(knoepfe);

    connect(Edit1, &QLineEdit::textEdited, this, &TDiskF::textGeaendert);
    connect(ListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* e) { Edit1->setText(angenommen_ = Q(ListenName(U(e->text())))); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* e) {
        Edit1->setText(angenommen_ = Q(ListenName(U(e->text()))));
        ladenGeklickt();
    });
    connect(Speichern, &QPushButton::clicked, this, &TDiskF::speichernGeklickt);
    connect(Laden, &QPushButton::clicked, this, &TDiskF::ladenGeklickt);
    connect(Loeschen, &QPushButton::clicked, this, &TDiskF::loeschenGeklickt);
}

void TDiskF::zeigen()
{
    SaveOrdnerAnlegen();
    auffrischen();
    angenommen_ = Q(SpielnameVorschlag());
    Edit1->setText(angenommen_);
    AmStandardOrt(this);
}

void TDiskF::auffrischen()
{
    ListBox1->clear();
    for (const std::string& n : SpielstandListe()) ListBox1->addItem(Q(n) + QStringLiteral(".lig"));
}

void TDiskF::textGeaendert(const QString& neu)
{
    const QString ergebnis = Q(SpielnameEingabe(U(neu), U(angenommen_)));
    angenommen_ = ergebnis;
    if (Edit1->text() != ergebnis) {
        const QSignalBlocker sperre(Edit1);
        Edit1->setText(ergebnis);
    }
}

namespace {
// Die Dialoge des Bildschirms stehen 100 Pixel rechts und 200 unter dem Standardort.
QPoint DiskDialogOrt() { return StandardOrt() + QPoint(100, 200); }
} // namespace

void TDiskF::folge(int diskFolge)
{
    switch (static_cast<DiskFolge>(diskFolge)) {
    case DiskFolge::ListeAuffrischen: auffrischen(); break;
    case DiskFolge::Bleiben: break;
    case DiskFolge::MenueNeuUndSchliessen:
        if (nachLaden) nachLaden();
        close();
        break;
    }
}

void TDiskF::speichernGeklickt()
{
    const DialogOrt ort(DiskDialogOrt());
    folge(static_cast<int>(SpeichernKlick(U(Edit1->text()))));
}

void TDiskF::ladenGeklickt()
{
    const DialogOrt ort(DiskDialogOrt());
    const bool vorher = LadenGesperrt();
    const DiskFolge f = LadenKlick(U(Edit1->text()));
    if (!vorher && LadenGesperrt() && nachLadesperre) nachLadesperre();
    folge(static_cast<int>(f));
}

void TDiskF::loeschenGeklickt()
{
    const DialogOrt ort(DiskDialogOrt());
    folge(static_cast<int>(LoeschenKlick(U(Edit1->text()))));
}

} // namespace torvane

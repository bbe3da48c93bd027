#include "squad/screens/VerhandelFrm.h"

#include "core/Konto.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "squad/Verhandlung.h"
#include "squad/screens/KaderFenster.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace torvane {

TVerhandelF* VerhandelF = nullptr;

namespace {

QSlider* Schieber(QWidget* eltern, const QString& name, int von, int bis, QRect ort)
{
    auto* s = Element<QSlider>(eltern, name, ort);
    s->setOrientation(Qt::Horizontal);
    s->setRange(von, bis);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    return s;
}

} // namespace

TVerhandelF::TVerhandelF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("VerhandelF"), Tq("Verhandlungen"));
    setFixedSize(520, 470);
    setModal(true);

    Titel = Kopfzeile(QString(), this);
    Titel->setObjectName(QStringLiteral("Titel"));
    Titel->setGeometry(10, 8, 500, 34);

    Spielerbox = new QGroupBox(this);
    Spielerbox->setObjectName(QStringLiteral("Spielerbox"));
    Spielerbox->setGeometry(10, 50, 500, 70);
    Spielerbox->setFont(Schrift(11, true));
    PositionLabel = Schild(Spielerbox, QStringLiteral("PositionLabel"), QRect(12, 26, 250, 30), Schrift(12, true),
                           Qt::AlignLeft);
    AlterLabel = Schild(Spielerbox, QStringLiteral("AlterLabel"), QRect(280, 26, 80, 30), Schrift(11), Qt::AlignLeft);
    StaerkeLabel =
        Schild(Spielerbox, QStringLiteral("StaerkeLabel"), QRect(360, 26, 130, 30), Schrift(11), Qt::AlignLeft);

    Abloesebox = new QGroupBox(Tq("Ablösesumme"), this);
    Abloesebox->setObjectName(QStringLiteral("Abloesebox"));
    Abloesebox->setGeometry(10, 128, 500, 70);
    Abloesebox->setStyleSheet(QStringLiteral("QLabel:disabled { color: #9e9e9e; }"));
    AbloeseWert = Schild(Abloesebox, QStringLiteral("AbloeseWert"), QRect(12, 24, 150, 36), Schrift(11, true),
                         Qt::AlignLeft);
    AbloeseRegler = Schieber(Abloesebox, QStringLiteral("AbloeseRegler"), -5, 5, QRect(170, 26, 315, 32));

    auto* gehaltBox = new QGroupBox(Tq("Gehalt pro Spiel"), this);
    gehaltBox->setGeometry(10, 204, 500, 70);
    GehaltWert =
        Schild(gehaltBox, QStringLiteral("GehaltWert"), QRect(12, 24, 150, 36), Schrift(11, true), Qt::AlignLeft);
    GehaltRegler = Schieber(gehaltBox, QStringLiteral("GehaltRegler"), -5, 5, QRect(170, 26, 315, 32));

    auto* jahreBox = new QGroupBox(Tq("Vertragsjahre"), this);
    jahreBox->setGeometry(10, 280, 500, 70);
    JahreWert =
        Schild(jahreBox, QStringLiteral("JahreWert"), QRect(12, 24, 150, 36), Schrift(11, true), Qt::AlignLeft);
    JahreRegler = Schieber(jahreBox, QStringLiteral("JahreRegler"), 1, 6, QRect(170, 26, 315, 32));

    ZusageLabel = Schild(this, QStringLiteral("ZusageLabel"), QRect(10, 356, 500, 26), Schrift(10, true));
    Gebuehrtext = Schild(this, QStringLiteral("Gebuehrtext"), QRect(10, 382, 500, 36), Schrift(8));
    Gebuehrtext->setWordWrap(true);
    Gebuehrtext->setText(Tq("Jede Verhandlung kostet 2% vom Spielerwert Ver- handlungsgebühr. Der Betrag "
                            "wurde Ihnen abgebucht."));

    Anbieten = new QPushButton(Tq("Anbieten"), this);
    Anbieten->setObjectName(QStringLiteral("Anbieten"));
    Anbieten->setGeometry(10, 424, 200, 36);
    Abbrechen = new QPushButton(Tq("Verhandlung Abbrechen"), this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    Abbrechen->setGeometry(310, 424, 200, 36);

    for (QSlider* s : {AbloeseRegler, GehaltRegler, JahreRegler})
        connect(s, &QSlider::valueChanged, this, [this] { reglerGeaendert(); });
    connect(Anbieten, &QPushButton::clicked, this, [this] { anbietenGeklickt(); });
    connect(Abbrechen, &QPushButton::clicked, this, [this] { abbrechen(); });
}

Regler_ TVerhandelF::regler() const
{
    return {AbloeseRegler->value(), GehaltRegler->value(), JahreRegler->value()};
}

void TVerhandelF::reglerSetzen(const Regler_& r)
{
    const QSignalBlocker a(AbloeseRegler), g(GehaltRegler), j(JahreRegler);
    AbloeseRegler->setValue(r.Abloese);
    GehaltRegler->setValue(r.Gehalt);
    JahreRegler->setValue(r.Jahre);
}

Regler_ Verhandlungsregler() { return VerhandelF ? VerhandelF->regler() : Regler_{}; }

void TVerhandelF::zeichnen()
{
    const bool kauf = Sitzung.Verhandlung.Art == Verhandlungsart::Kauf;
    Titel->setText(Q(VerhandlungsTitel(Sitzung.Verhandlung.Art)));
    setWindowTitle(Titel->text());
    if (Sitzung.Verhandlung.Manager >= 0) {
        const Kaderspieler_& k = S.Manager[Sitzung.Verhandlung.Manager].Kader[0];
        Spielerbox->setTitle(Q(k.Vorname.text() + " " + k.Nachname.text()));
        PositionLabel->setText(Q(PositionsTitel(k.Position.roh())));
        const QColor farbe = PositionsFarbe(k.Position.roh());
        // Dunkles Schild wie in Aufstellung und Markt: nur darauf sind alle Positionsfarben lesbar.
        PositionLabel->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border-radius: 4px; "
                                                    "padding-left: 6px; }")
                                         .arg(Hex(Farbe::Nacht), Hex(farbe)));
        AlterLabel->setText(TCq("Alter", "%1.J").arg(k.Alter));
        StaerkeLabel->setText(Tq("Stärke %1").arg(k.Staerke));
    }
    Abloesebox->setEnabled(kauf);
    AbloeseWert->setText(Q(Geldtext(Sitzung.Verhandlung.Abloese) + Waehrung));
    GehaltWert->setText(Q(Geldtext(Sitzung.Verhandlung.Angebotsgehalt) + Waehrung));
    JahreWert->setText(Tq("%1 Jahre").arg(Sitzung.Verhandlung.Jahre));
    ZusageLabel->setText(Q(ZusageText(Sitzung.Verhandlung.Zusage)));
}

void TVerhandelF::reglerGeaendert()
{
    VerhandlungRechnen(regler());
    zeichnen();
}

void TVerhandelF::oeffnen()
{
    if (!Sitzung.Verhandlung.Offen || isVisible()) return;
    zeichnen();
    MittigAuf(this, FragendesFenster(this));
    exec();
}

void TVerhandelF::anbietenGeklickt()
{
    if (beschaeftigt_ || !Sitzung.Verhandlung.Offen) return;
    {
        const Beschaeftigt sperre(this, beschaeftigt_);
        torvane::Anbieten();
    }
    if (!Sitzung.Verhandlung.Offen) accept();
}

void TVerhandelF::abbrechen()
{
    if (beschaeftigt_) return;
    VerhandlungAbbrechen();
    accept();
}

void TVerhandelF::reject()
{
    // Schließen mit dem Fensterknopf oder Escape ist ein Abbruch; nicht mitten im Angebot.
    if (beschaeftigt_) return;
    if (Sitzung.Verhandlung.Offen) VerhandlungAbbrechen();
    QDialog::reject();
}

} // namespace torvane

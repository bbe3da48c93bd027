#include "tools/screens/EinstellFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "tools/Einstellungen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace torvane {

TEinstellF* EinstellF = nullptr;

TEinstellF::TEinstellF(QWidget* eltern) : QDialog(eltern)
{
    FensterMitKopf(this, QStringLiteral("EinstellF"), Tq("Einstellungen"), QSize(480, 470));

    auto kasten = [this](QWidget* eltern, const char* name, const char* text, QRect ort, int byte) {
        auto* k = new QCheckBox(Tq(text), eltern);
        k->setObjectName(QString::fromUtf8(name));
        k->setGeometry(ort);
        connect(k, &QCheckBox::toggled, this, [this, byte](bool an) {
            OptionSchalten(S.AktManager, byte, an);
            // Die Champions League setzt den Spielablauf zurück: die Liste zeigt es gleich.
            if (byte == OptZeigeChl) fuellen();
        });
        return k;
    };
    Autoaufstellung = kasten(this, "Autoaufstellung", N_("Autoaufstellung"), QRect(16, 52, 440, 24), OptAutoaufstellung);
    Transferklang = kasten(this, "Transferklang", N_("Transfermarktveränderungen Akustisch melden "),
                           QRect(16, 78, 440, 24), OptTransferKlang);
    Dauerkarten = kasten(this, "Dauerkarten", N_("Dauerkartenverkaufsnachricht zeigen"), QRect(16, 104, 440, 24),
                         OptDauerkartenMeldung);

    auto* pokale = new QGroupBox(Tq("Pokalspiele zeigen"), this);
    pokale->setObjectName(QStringLiteral("Pokalspiele"));
    pokale->setGeometry(16, 136, 448, 86);
    Dfb = kasten(pokale, "Dfb", "DFB Pokal", QRect(12, 24, 200, 24), OptZeigeDfb);
    Uefa = kasten(pokale, "Uefa", "UEFA Pokal", QRect(12, 52, 200, 24), OptZeigeUefa);
    Pdp = kasten(pokale, "Pdp", "Pokal d. Pokalsieger", QRect(224, 24, 210, 24), OptZeigePdp);
    Chl = kasten(pokale, "Chl", "Championsleague", QRect(224, 52, 210, 24), OptZeigeChl);

    Schild(this, QStringLiteral("LigaText"), QRect(16, 234, 150, 26), Schrift(9), Qt::AlignLeft)
        ->setText(Tq("zeige Liga ..."));
    Liga = new QComboBox(this);
    Liga->setObjectName(QStringLiteral("Liga"));
    Liga->setGeometry(170, 234, 180, 26);
    Liga->addItems({TCq("Liga", "Auswahl"), QStringLiteral("Bundersliga"), QStringLiteral("2.Liga"),
                    QStringLiteral("Regionalliga"), QStringLiteral("Oberliga")});
    connect(Liga, &QComboBox::currentIndexChanged, this, [](int i) {
        if (i >= 0) AnzeigeLigaWaehlen(S.AktManager, i);
    });

    Schild(this, QStringLiteral("TempoText"), QRect(16, 266, 150, 26), Schrift(9), Qt::AlignLeft)
        ->setText(Tq("Spielablauf "));
    Tempo = new QComboBox(this);
    Tempo->setObjectName(QStringLiteral("Tempo"));
    Tempo->setGeometry(170, 266, 180, 26);
    for (size_t i = 1; i < Tempotexte.size(); ++i) Tempo->addItem(Tq(Tempotexte[i]));
    Tempo->setPlaceholderText(Tq(Tempotexte[0]));
    connect(Tempo, &QComboBox::currentIndexChanged, this, [](int i) {
        if (i >= 0) TempoWaehlen(S.AktManager, i);
    });

    auto* namen = new QGroupBox(Tq("Name und Verein"), this);
    namen->setObjectName(QStringLiteral("Namen"));
    namen->setGeometry(16, 306, 448, 150);
    Schild(namen, QStringLiteral("NameText"), QRect(12, 26, 80, 26), Schrift(9), Qt::AlignLeft)
        ->setText(Tq("Name"));
    Name = new QLineEdit(namen);
    Name->setObjectName(QStringLiteral("Name"));
    Name->setGeometry(96, 26, 336, 26);
    Schild(namen, QStringLiteral("VereinText"), QRect(12, 60, 80, 26), Schrift(9), Qt::AlignLeft)
        ->setText(Tq("Verein"));
    Verein = new QLineEdit(namen);
    Verein->setObjectName(QStringLiteral("Verein"));
    Verein->setGeometry(96, 60, 336, 26);
    Aendern = new QPushButton(Tq("Ändern"), namen);
    Aendern->setObjectName(QStringLiteral("Aendern"));
    Aendern->setGeometry(312, 100, 120, 34);
    Aendern->setAutoDefault(false);
    connect(Aendern, &QPushButton::clicked, this, &TEinstellF::aendern);
}

void TEinstellF::zeigen()
{
    fuellen();
    Name->setText(Q(S.Manager[S.AktManager].Name.text()));
    Verein->setText(Q(S.Manager[S.AktManager].Vereinsname.text()));
    AmStandardOrt(this);
}

void TEinstellF::fuellen()
{
    const int m = S.AktManager;
    const std::pair<QCheckBox*, int> kaesten[] = {{Autoaufstellung, OptAutoaufstellung},
                                                  {Transferklang, OptTransferKlang},
                                                  {Dauerkarten, OptDauerkartenMeldung},
                                                  {Dfb, OptZeigeDfb},
                                                  {Uefa, OptZeigeUefa},
                                                  {Pdp, OptZeigePdp},
                                                  {Chl, OptZeigeChl}};
    for (const auto& [k, byte] : kaesten) {
        const QSignalBlocker b(k);
        k->setChecked(OptionAn(m, byte));
    }
    {
        const QSignalBlocker b(Liga);
        const int l = S.Optionen[m][OptAnzeigeLiga];
        Liga->setCurrentIndex(l >= 0 && l <= 4 ? l : 0);
    }
    const QSignalBlocker b(Tempo);
    Tempo->setCurrentIndex(TempoEintrag(m));
}

void TEinstellF::aendern()
{
    Aendern->setEnabled(false);
    struct Freigabe {
        QPushButton* k;
        ~Freigabe() { k->setEnabled(true); }
    } freigabe{Aendern};
    const int m = S.AktManager;
    if (!NamenAendern(m, U(Name->text()), U(Verein->text()))) return;
    Name->setText(Q(S.Manager[m].Name.text()));
    Verein->setText(Q(S.Manager[m].Vereinsname.text()));
    if (nachAenderung) nachAenderung();
}

} // namespace torvane

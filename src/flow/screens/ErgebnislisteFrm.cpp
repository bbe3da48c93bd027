#include "flow/screens/ErgebnislisteFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/screens/MainFrm.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace torvane {

TErgebnislisteF* ErgebnislisteF = nullptr;

namespace {

QTableWidget* Gitter(QWidget* eltern, const QStringList& koepfe)
{
    auto* t = new QTableWidget(0, static_cast<int>(koepfe.size()), eltern);
    t->setHorizontalHeaderLabels(koepfe);
    t->verticalHeader()->setVisible(false);
    t->verticalHeader()->setDefaultSectionSize(22);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->horizontalHeader()->setStretchLastSection(false);
    t->setStyleSheet(QStringLiteral("QTableWidget { background: white; gridline-color: %1; }"
                                    "QHeaderView::section { background: %2; color: white; border: none; padding: 2px; }")
                         .arg(Hex(Farbe::RasenHell), Hex(Farbe::Rasen)));
    return t;
}

QTableWidgetItem* Zelle(QTableWidget* t, int zeile, int spalte)
{
    while (t->rowCount() <= zeile) t->insertRow(t->rowCount());
    QTableWidgetItem* e = t->item(zeile, spalte);
    if (!e) {
        e = new QTableWidgetItem;
        t->setItem(zeile, spalte, e);
    }
    return e;
}

} // namespace

TErgebnislisteF::TErgebnislisteF(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("ErgebnislisteF"));
    setWindowTitle(QStringLiteral("Spieltag"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    StilSetzen(this);
    setFixedSize(550, 556);

    Kopf = Kopfzeile(QString(), this);
    Kopf->setObjectName(QStringLiteral("Kopf"));
    Tag = new QLabel(this);
    Tag->setObjectName(QStringLiteral("Tag"));
    Tag->setAlignment(Qt::AlignCenter);
    Tag->setFont(Schrift(11, true));
    Liste = Gitter(this, {QStringLiteral("Zuschauer"), QStringLiteral("Heim"), QStringLiteral("Gast"),
                          QStringLiteral("Ergebnis"), QStringLiteral("")});
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setColumnWidth(0, 126);
    Liste->setColumnWidth(1, 146);
    Liste->setColumnWidth(2, 146);
    Liste->setColumnWidth(3, 60);
    Liste->setColumnWidth(4, 40);
    Tabelle = Gitter(this, {QStringLiteral("Pl."), QStringLiteral("Verein"), QStringLiteral("S"),
                            QStringLiteral("U"), QStringLiteral("N"), QStringLiteral("Tore"), QStringLiteral("Punkte")});
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    const int breiten[] = {36, 220, 34, 34, 34, 70, 60};
    for (int i = 0; i < 7; ++i) Tabelle->setColumnWidth(i, breiten[i]);
    Tabelle->setVisible(false);
    Live = new QLabel(this);
    Live->setObjectName(QStringLiteral("Live"));
    Live->setAlignment(Qt::AlignCenter);
    Live->setFont(Schrift(10, true));
    Sieger = new QLabel(this);
    Sieger->setObjectName(QStringLiteral("Sieger"));
    Sieger->setAlignment(Qt::AlignCenter);
    Sieger->setWordWrap(true);
    Sieger->setFont(Schrift(12, true));
    Sieger->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border-radius: 6px; padding: 4px; }")
                              .arg(Hex(Farbe::Sonne), Hex(Farbe::Nacht)));
    Sieger->setVisible(false);
    Toto = new QLabel(this);
    Toto->setObjectName(QStringLiteral("Toto"));
    Toto->setVisible(false);
    Weiter = new QPushButton(QStringLiteral("Weiter"), this);
    Weiter->setObjectName(QStringLiteral("Weiter"));
    Weiter->setVisible(false);
    TabelleWeiter = new QPushButton(QStringLiteral("Weiter"), this);
    TabelleWeiter->setObjectName(QStringLiteral("TabelleWeiter"));
    TabelleWeiter->setVisible(false);
    for (QPushButton* b : {Weiter, TabelleWeiter}) {
        b->setMinimumHeight(32);
        b->setAutoDefault(false);
    }
    connect(Weiter, &QPushButton::clicked, this, [this] {
        Weiter->setVisible(false);
        S.Befehl = "weiter";
    });
    connect(TabelleWeiter, &QPushButton::clicked, this, [this] {
        TabelleWeiter->setVisible(false);
        S.Befehl = "tabelleweiter";
    });

    auto* l = new QVBoxLayout(this);
    l->addWidget(Kopf);
    l->addWidget(Tag);
    l->addWidget(Liste, 1);
    l->addWidget(Tabelle, 1);
    l->addWidget(Live);
    l->addWidget(Sieger);
    l->addWidget(Toto);
    l->addWidget(Weiter);
    l->addWidget(TabelleWeiter);
}

void TErgebnislisteF::sichtbar()
{
    if (isVisible()) return;
    AmStandardOrt(this);
}

void TErgebnislisteF::titel(const std::string& text)
{
    setWindowTitle(Q(text));
    Kopf->setText(Q(text));
    sichtbar();
}

void TErgebnislisteF::kopf(const std::string& wettbewerb, const std::string& tag)
{
    Kopf->setText(Q(wettbewerb));
    Tag->setText(Q(tag));
    sichtbar();
}

void TErgebnislisteF::zeileZeigen(int zeile, int spalte, int heim, int gast, const std::string& text)
{
    if (zeile < 0 || spalte < 1 || spalte > 4) return;
    QTableWidgetItem* e = Zelle(Liste, zeile, spalte - 1);
    e->setText(Q(text));
    // Die Vereine der Manager fett.
    const bool manager = (heim > 0 && heim <= S.Spiel.MannschaftHoch && ManagerVonVerein(heim) >= 0) ||
                         (gast > 0 && gast <= S.Spiel.MannschaftHoch && ManagerVonVerein(gast) >= 0);
    QFont f = e->font();
    f.setBold(manager);
    e->setFont(f);
    sichtbar();
}

void TErgebnislisteF::verliererZeigen(int zeile, int spalte)
{
    if (zeile < 0 || spalte < 1 || spalte > 4) return;
    Zelle(Liste, zeile, spalte - 1)->setForeground(Qt::gray);
}

void TErgebnislisteF::zeilenLeeren() { Liste->setRowCount(0); }

void TErgebnislisteF::zeilenMeldung(int zeile, const std::string& text)
{
    if (zeile < 0) return;
    QTableWidgetItem* e = Zelle(Liste, zeile, 4);
    e->setText(QStringLiteral("€"));
    e->setToolTip(Q(text));
}

void TErgebnislisteF::meldungenLeeren()
{
    for (int z = 0; z < Liste->rowCount(); ++z)
        if (QTableWidgetItem* e = Liste->item(z, 4)) e->setText(QString());
}

void TErgebnislisteF::weiterZeigen(const std::string& beschriftung)
{
    Weiter->setText(Q(beschriftung));
    Weiter->setVisible(true);
    sichtbar();
    Weiter->setFocus();
}

void TErgebnislisteF::weiterVerbergen() { Weiter->setVisible(false); }

void TErgebnislisteF::siegerZeigen(const std::string& verein, const std::string& text)
{
    Sieger->setText(Q(verein) + QStringLiteral("\n") + Zeilen(text));
    Sieger->setVisible(true);
}

void TErgebnislisteF::siegerVerbergen() { Sieger->setVisible(false); }

void TErgebnislisteF::totoZeigen() { Toto->setVisible(true); }

void TErgebnislisteF::totoZeile(int slot, const std::string& text)
{
    QStringList zeilen = Toto->text().split(QLatin1Char('\n'));
    while (zeilen.size() < 4) zeilen << QString();
    if (slot >= 0 && slot < 4) zeilen[slot] = Q(text) == QStringLiteral("-") ? QString() : Q(text);
    Toto->setText(zeilen.join(QLatin1Char('\n')).trimmed());
}

void TErgebnislisteF::totoVerbergen()
{
    Toto->clear();
    Toto->setVisible(false);
}

bool TErgebnislisteF::hauptfensterSichtbar() { return MainF && MainF->isVisible() && !MainF->versteckt(); }

void TErgebnislisteF::tabelleZeigen(int liga)
{
    Tabelle->setRowCount(0);
    for (int p = 1; p <= 18; ++p) {
        const Mannschaft_& v = S.Mannschaft[VereinAufPlatz(liga, p)];
        const QStringList werte = {QString::number(v.Platz), Q(v.Name.text()), QString::number(v.Siege),
                                   QString::number(v.Unentschieden), QString::number(v.Niederlagen),
                                   QStringLiteral("%1:%2").arg(v.Tore).arg(v.Gegentore), QString::number(v.Punkte)};
        const bool manager = ManagerVonVerein(VereinAufPlatz(liga, p)) >= 0;
        for (int s = 0; s < werte.size(); ++s) {
            QTableWidgetItem* e = Zelle(Tabelle, p - 1, s);
            e->setText(werte[s]);
            QFont f = e->font();
            f.setBold(manager);
            e->setFont(f);
        }
    }
    Kopf->setText(QString::fromUtf8(LigaNamen[static_cast<size_t>(liga)]));
    Liste->setVisible(false);
    Weiter->setVisible(false);
    Tabelle->setVisible(true);
    TabelleWeiter->setVisible(S.Befehl == "tabellebitbtn1sichtbar");
    sichtbar();
    TabelleWeiter->setFocus();
}

void TErgebnislisteF::tabelleSchliessen()
{
    Tabelle->setVisible(false);
    TabelleWeiter->setVisible(false);
    Liste->setVisible(true);
}

void TErgebnislisteF::tagBeendet()
{
    Weiter->setVisible(false);
    TabelleWeiter->setVisible(false);
    Live->clear();
    hide();
}

void TErgebnislisteF::liveBeginnen(const std::string& heim, bool, const std::string& gast, bool,
                                   const std::string& zuschauer)
{
    Live->setText(Q(heim) + QStringLiteral(" - ") + Q(gast) + QStringLiteral("   ") + Q(zuschauer));
    sichtbar();
}

void TErgebnislisteF::minuteZeigen(const std::string& text)
{
    Live->setText(Live->text().section(QStringLiteral("  |  "), 0, 0) + QStringLiteral("  |  ") + Q(text));
}

void TErgebnislisteF::spielstandZeigen(const std::string& text) { Tag->setText(Q(text)); }

void TErgebnislisteF::aktionZeigen(int, const std::string& text) { Live->setToolTip(Zeilen(text)); }

void TErgebnislisteF::liveBeenden() { Live->clear(); }

} // namespace torvane

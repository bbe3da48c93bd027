#include "records/screens/LigaStarkeFrm.h"

#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Text.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "match/screens/Spieltagbilder.h"
#include "records/Ligastaerke.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>

namespace torvane {

TLigaStarkeF* LigaStarkeF = nullptr;

namespace {

constexpr int Breite = 620;
constexpr int Hoehe = 560;
constexpr const char* BesteTitel[4] = {N_(" Beste Verteidigung"), N_(" Bestes Mittelfeld"), N_(" Bester Angriff"),
                                       N_(" Beste Moral")};
constexpr const char* Teilnamen[4] = {N_("Verteidigung"), N_("Mittelfeld"), N_("Angriff"), N_("Moral")};

QLabel* Tafel(QWidget* eltern, const QString& name, QRect ort)
{
    QLabel* l = Schild(eltern, name, ort, Schrift(9), Qt::AlignLeft | Qt::AlignVCenter);
    l->setFrameShape(QFrame::StyledPanel);
    l->setAutoFillBackground(true);
    l->setStyleSheet(QStringLiteral("background: %1; padding-left: 6px;").arg(Hex(Farbe::Creme)));
    return l;
}

} // namespace

TLigaStarkeF::TLigaStarkeF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("LigaStarkeF"), Tq("LigaStärke"));
    setFixedSize(Breite, Hoehe);
    Seiten = new QTabWidget(this);
    Seiten->setObjectName(QStringLiteral("Seiten"));
    Seiten->setGeometry(8, 8, Breite - 16, Hoehe - 16);

    // --- Seite 1 ---
    auto* s1 = new QWidget;
    Kopf1 = Schild(s1, QStringLiteral("Kopf1"), QRect(8, 8, 420, 28), CourierSchrift(10, true), Qt::AlignLeft);
    // Übersetzer: Festbreitenschrift über der Liste, höchstens 46 Zeichen.
    Kopf1->setText(Tq("Nr.   -   Mannschaft (Tabellenplatz)  -  Stärke"));
    ListBox1 = new QListWidget(s1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 40, 420, 400);
    ListBox1->setFont(CourierSchrift(10, false));
    Ligaschnitt = Schild(s1, QStringLiteral("Ligaschnitt"), QRect(8, 448, 420, 26), Schrift(10, true),
                         Qt::AlignLeft);
    for (int i = 0; i < 4; ++i) {
        Beste[static_cast<size_t>(i)] =
            Tafel(s1, QStringLiteral("Beste%1").arg(i + 1), QRect(436, 40 + i * 100, 152, 88));
        Beste[static_cast<size_t>(i)]->setToolTip(Tq(BesteTitel[i]));
        Beste[static_cast<size_t>(i)]->setWordWrap(true);
        Beste[static_cast<size_t>(i)]->setTextFormat(Qt::RichText); // Namen maskiert beim Füllen
    }
    Seiten->addTab(s1, Tq("Liga"));

    // --- Seite 2 ---
    auto* s2 = new QWidget;
    EigenerVerein = Schild(s2, QStringLiteral("EigenerVerein"), QRect(8, 6, 400, 24), Schrift(10, true),
                           Qt::AlignLeft);
    Grid = new QTableWidget(0, 5, s2);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setGeometry(8, 32, 400, 440);
    // Übersetzer: schmale Spalten, kaum Platz für mehr als vier Zeichen.
    Grid->setHorizontalHeaderLabels({Tq("Nr."), Tq("Mannschaft"), TCq("Spaltentitel", "Stärke"), Tq("Nation"),
                                     TCq("Spaltentitel", "Liga")});
    Grid->verticalHeader()->setVisible(false);
    Grid->verticalHeader()->setDefaultSectionSize(20);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setFont(CourierSchrift(9, false));
    for (int c : {0, 2, 3, 4}) Grid->setColumnWidth(c, c == 3 ? 50 : 46);
    Grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(Grid, &QTableWidget::currentCellChanged, this, [this](int zeile) { zeileGewaehlt(zeile); });

    const int x = 418, b = 168;
    NachStaerke = new QPushButton(Tq("Sortiert nach Stärke"), s2);
    NachName = new QPushButton(Tq("Sortiert nach Name"), s2);
    NachNation = new QPushButton(Tq("Sortiert nach Nation"), s2);
    int y = 32;
    for (QPushButton* k : {NachStaerke, NachName, NachNation}) {
        k->setGeometry(x, y, b, 30);
        k->setAutoDefault(false);
        y += 36;
    }
    NachStaerke->setObjectName(QStringLiteral("NachStaerke"));
    NachName->setObjectName(QStringLiteral("NachName"));
    NachNation->setObjectName(QStringLiteral("NachNation"));
    connect(NachStaerke, &QPushButton::clicked, this, [this] { sortieren(0); });
    connect(NachName, &QPushButton::clicked, this, [this] { sortieren(1); });
    connect(NachNation, &QPushButton::clicked, this, [this] { sortieren(2); });

    Schild(s2, QStringLiteral("SucheText"), QRect(x, 146, b, 20), Schrift(9), Qt::AlignLeft)
        ->setText(Tq("Suche"));
    Suche = new QLineEdit(s2);
    Suche->setObjectName(QStringLiteral("Suche"));
    Suche->setGeometry(x, 166, b, 26);
    connect(Suche, &QLineEdit::textEdited, this, &TLigaStarkeF::suchen);

    Gewaehlt = Schild(s2, QStringLiteral("Gewaehlt"), QRect(x, 210, b, 40), Schrift(10, true), Qt::AlignLeft);
    Gewaehlt->setWordWrap(true);
    Kostet = Schild(s2, QStringLiteral("Kostet"), QRect(x, 252, b, 22), Schrift(9), Qt::AlignLeft);

    // Die vier Werte liegen unter dem Knopf; der Spion schiebt ihn weg.
    for (int i = 0; i < 4; ++i) {
        QLabel* w = Tafel(s2, QStringLiteral("Wert%1").arg(i + 1), QRect(x, 284 + i * 28, b, 24));
        w->setToolTip(Tq(Teilnamen[i]));
        Werte[static_cast<size_t>(i)] = w;
    }
    spionY_ = 284;
    Spioniere = new QPushButton(Tq("Spioniere"), s2);
    Spioniere->setObjectName(QStringLiteral("Spioniere"));
    Spioniere->setGeometry(x, spionY_, b, 4 * 28 - 4);
    Spioniere->setAutoDefault(false);
    Spioniere->setEnabled(false);
    Spioniere->raise();
    connect(Spioniere, &QPushButton::clicked, this, &TLigaStarkeF::spionierenGeklickt);
    Seiten->addTab(s2, Tq("Alle Mannschaften"));

    connect(Seiten, &QTabWidget::currentChanged, this, [this](int seite) {
        if (seite == 1) alleOeffnen();
    });
}

void TLigaStarkeF::zeigen()
{
    {
        const QSignalBlocker b(Seiten);
        Seiten->setCurrentIndex(0);
    }
    seite2Bezahlt_ = false;
    // Jeder Besuch beginnt ohne Wahl: was ein Manager bezahlt hat, sieht nur er, und nur diesmal.
    verein_ = 0;
    {
        const QSignalBlocker b(Grid);
        Grid->setRowCount(0);
    }
    zeileGewaehlt(-1);
    ersteSeiteZeichnen(S.Spiel.AnzeigeLiga);
    AmStandardOrt(this);
}

void TLigaStarkeF::auffrischen()
{
    ersteSeiteZeichnen(liga_);
    if (seite2Bezahlt_) listeZeigen();
}

void TLigaStarkeF::ersteSeiteZeichnen(int liga)
{
    liga_ = liga >= 1 && liga <= 4 ? liga : 4;
    setWindowTitle(Tq("LigaStärke %1").arg(QString::fromUtf8(LigaNamen[static_cast<size_t>(liga_)])));
    const LigaStaerkeSeite_ s = LigaStaerkeSeite(liga_);
    ListBox1->clear();
    for (const std::string& z : s.zeilen) ListBox1->addItem(Q(z));
    Ligaschnitt->setText(Q(LigaschnittText(s.schnitt)));
    for (size_t i = 0; i < 4; ++i)
        Beste[i]->setText(QStringLiteral("<b>%1</b><br>%2<br>%3")
                              .arg(Tq(BesteTitel[i]).toHtmlEscaped(), Q(s.beste[i].name).toHtmlEscaped(),
                                   QString::number(s.beste[i].wert)));
}

void TLigaStarkeF::alleOeffnen()
{
    if (!AlleMannschaftenBezahlen()) {
        const QSignalBlocker b(Seiten);
        Seiten->setCurrentIndex(0);
        return;
    }
    seite2Bezahlt_ = true;
    art_ = 0;
    listeZeigen();
}

void TLigaStarkeF::sortieren(int art)
{
    art_ = art;
    listeZeigen();
}

void TLigaStarkeF::listeZeigen()
{
    const auto liste = StaerkeListe(static_cast<Sortierung>(art_));
    const QSignalBlocker b(Grid);
    Grid->setRowCount(static_cast<int>(liste.size()));
    const int eigener = ManagerVerein(S.AktManager);
    int eigeneZeile = 0, gewaehlt = -1;
    for (int r = 0; r < static_cast<int>(liste.size()); ++r) {
        const Staerkeeintrag_& e = liste[static_cast<size_t>(r)];
        const QString zellen[5] = {Q(RechtsText(std::to_string(r + 1), 4)), Q(e.name),
                                   Q(RechtsText(std::to_string(e.staerke), 5)), Q(e.nation),
                                   Q(RechtsText(e.liga, 3))};
        for (int c = 0; c < 5; ++c) {
            auto* it = new QTableWidgetItem(zellen[c]);
            it->setData(Qt::UserRole, e.verein);
            if (c != 1 && c != 3) it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Grid->setItem(r, c, it);
        }
        if (e.verein == eigener) eigeneZeile = r + 1;
        if (e.verein == verein_) gewaehlt = r;
    }
    EigenerVerein->setText(Q(S.Manager[S.AktManager].Vereinsname.text()) + QStringLiteral(" = ") +
                           QString::number(eigeneZeile));
    Grid->setCurrentCell(gewaehlt, 0);
    if (gewaehlt < 0) zeileGewaehlt(-1);
}

void TLigaStarkeF::suchen(const QString& text)
{
    std::vector<Staerkeeintrag_> liste;
    for (int r = 0; r < Grid->rowCount(); ++r) liste.push_back({U(Grid->item(r, 1)->text()), 0, {}, {}, 0});
    const int r = StaerkeSuche(liste, U(text));
    if (r >= 0) {
        Grid->setCurrentCell(r, 1);
        Grid->scrollToItem(Grid->item(r, 1), QAbstractItemView::PositionAtCenter);
    }
}

void TLigaStarkeF::zeileGewaehlt(int zeile)
{
    QTableWidgetItem* it = zeile >= 0 ? Grid->item(zeile, 0) : nullptr;
    verein_ = it ? it->data(Qt::UserRole).toInt() : 0;
    // Neue Wahl: der Knopf deckt die Werte wieder zu; ohne Verein gibt es nichts auszuspionieren.
    Spioniere->move(Spioniere->x(), spionY_);
    Spioniere->setEnabled(verein_ > 0);
    for (QLabel* w : Werte) w->clear();
    if (verein_ <= 0) {
        Gewaehlt->clear();
        Kostet->clear();
        return;
    }
    const Mannschaft_& v = S.Mannschaft[verein_];
    Gewaehlt->setText(Q(v.Name.text()));
    Kostet->setText(Tq("Kostet nur: %1").arg(Q(Geldtext(Spionagekosten(verein_)) + Waehrung)));
}

void TLigaStarkeF::spionierenGeklickt()
{
    if (verein_ <= 0 || !Spioniere->isEnabled()) return;
    const int verein = verein_;
    if (!Spionieren(verein)) return;
    Spioniere->setEnabled(false);
    Seiten->setEnabled(false);
    struct Freigabe {
        QTabWidget* s;
        ~Freigabe() { s->setEnabled(true); }
    } freigabe{Seiten};
    const Mannschaft_& v = S.Mannschaft[verein];
    const int werte[4] = {v.Verteidigung, v.Mittelfeld, v.Angriff, v.Moral};
    for (size_t i = 0; i < 4; ++i)
        Werte[i]->setText(Tq(Teilnamen[i]) + QStringLiteral(": ") + QString::number(werte[i]));
    // Pixel für Pixel nach unten aus dem Bild.
    while (Spioniere->y() < Seiten->currentWidget()->height()) {
        Spioniere->move(Spioniere->x(), Spioniere->y() + 1);
        Warte(10);
        if (!isVisible()) break;
    }
    Klang("aus");
}

} // namespace torvane

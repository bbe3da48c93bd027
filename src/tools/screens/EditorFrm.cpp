#include "tools/screens/EditorFrm.h"

#include "flow/screens/Bildschirmfotos.h"

#include "core/Fehler.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/screens/MenuFrm.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

namespace torvane {

TEditorF* EditorF = nullptr;

namespace {

QPushButton* Knopf(const QString& text, const QString& name, QWidget* eltern)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// Sperrt das Fenster, solange die Testsaison läuft; auch nach einem Fehler wieder frei.
struct Sperre {
    QWidget* w;
    explicit Sperre(QWidget* fenster) : w(fenster) { w->setEnabled(false); }
    ~Sperre() { w->setEnabled(true); }
};

} // namespace

TEditorF::TEditorF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("EditorF"), Tq("Mannschafts + Spieler Editor"));
    setFixedSize(600, 600);
    programm = QCoreApplication::applicationDirPath() + QStringLiteral("/torvane");
    if (!QFileInfo(programm).isExecutable()) programm = QCoreApplication::applicationFilePath();

    Titel = Kopfzeile(QString(), this);
    Titel->setObjectName(QStringLiteral("Titel"));
    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setFont(Schrift(9));
    Status->setFrameShape(QFrame::Panel);
    Status->setFrameShadow(QFrame::Sunken);
    Mannschaften = Knopf(Tq("Mannschaften"), QStringLiteral("Mannschaften"), this);
    Spieler = Knopf(TCq("Liste", "Spieler"), QStringLiteral("Spieler"), this);
    Nationen = Knopf(Tq("Nationen"), QStringLiteral("Nationen"), this);
    Speichern = Knopf(Tq("Speichern"), QStringLiteral("Speichern"), this);
    Testsaison = Knopf(Tq("Testsaison"), QStringLiteral("Testsaison"), this);
    Testsaison->setToolTip(Tq("Eine Saison ohne Bildschirm auf den bearbeiteten Daten"));
    Schliessen = Knopf(Tq("Schließen"), QStringLiteral("Schliessen"), this);

    Grid = new QTableWidget(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    Grid->verticalHeader()->setDefaultSectionSize(20);
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu = new QMenu(this);
    PopupMenu->addAction(Tq("Neuer Eintrag"), this, &TEditorF::neuerEintragKlick);
    PopupMenu->addAction(Tq("Einfügen"), this, &TEditorF::einfuegenKlick);
    connect(Grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu->popup(Grid->viewport()->mapToGlobal(p)); });
    connect(Grid, &QTableWidget::currentCellChanged, this, &TEditorF::zelleGewechselt);
    connect(Grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
        if (umschalten_ || it->row() + 1 != editor.zeile() || it->column() + 1 != editor.spalte()) return;
        editor.zelleSetzen(U(it->text()));
    });

    connect(Mannschaften, &QPushButton::clicked, this, [this] { listeZeigen(EditorListe::Mannschaften); });
    connect(Spieler, &QPushButton::clicked, this, [this] { listeZeigen(EditorListe::Spieler); });
    connect(Nationen, &QPushButton::clicked, this, [this] { listeZeigen(EditorListe::Nationen); });
    connect(Speichern, &QPushButton::clicked, this, &TEditorF::speichernGeklickt);
    connect(Testsaison, &QPushButton::clicked, this, &TEditorF::testsaisonKlick);
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::close);

    auto* links = new QVBoxLayout;
    for (QPushButton* b : {Mannschaften, Spieler, Nationen}) links->addWidget(b);
    links->addSpacing(20);
    links->addWidget(Speichern);
    links->addWidget(Testsaison);
    links->addStretch(1);
    links->addWidget(Schliessen);
    auto* mitte = new QHBoxLayout;
    mitte->addLayout(links);
    mitte->addWidget(Grid, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Titel);
    l->addLayout(mitte, 1);
    l->addWidget(Status);

    // Der Bericht der Testsaison in einem eigenen Fenster, das offen bleiben darf.
    BerichtF = new QDialog(this);
    FensterEinrichten(BerichtF, QStringLiteral("BerichtF"), Tq("Testsaison"));
    BerichtF->resize(560, 460);
    Bericht = new QPlainTextEdit(BerichtF);
    Bericht->setObjectName(QStringLiteral("Bericht"));
    Bericht->setReadOnly(true);
    Bericht->setFont(Schrift(10));
    auto* ok = Knopf(Tq("OK"), QStringLiteral("BerichtOk"), BerichtF);
    connect(ok, &QPushButton::clicked, BerichtF, &QDialog::accept);
    auto* bl = new QVBoxLayout(BerichtF);
    bl->addWidget(Kopfzeile(Tq("Testsaison"), BerichtF));
    bl->addWidget(Bericht, 1);
    bl->addWidget(ok, 0, Qt::AlignRight);
    fuellen();
}

void TEditorF::zeigen()
{
    // Ein zweiter Klick auf "Editor" holt den offenen nach vorn, statt seine Änderungen zu verwerfen.
    if (isVisible() && editor.geaendert()) {
        raise();
        activateWindow();
        return;
    }
    editor = Editor{};
    fuellen();
    AmStandardOrt(this);
}

void TEditorF::zeileZeigen(int z)
{
    if (z < 1 || z > editor.zeilen() || z > Grid->rowCount()) return;
    umschalten_ = true;
    for (int s = 1; s <= editor.spalten(); ++s) {
        QTableWidgetItem* it = Grid->item(z - 1, s - 1);
        if (!it) {
            it = new QTableWidgetItem;
            Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
            if (editor.spalteEditierbar(s)) f |= Qt::ItemIsEditable;
            it->setFlags(f);
            Grid->setItem(z - 1, s - 1, it);
        }
        it->setText(Q(editor.zelle(z, s)));
    }
    umschalten_ = false;
}

void TEditorF::fuellen()
{
    umschalten_ = true;
    Grid->clear();
    const auto kopf = editor.kopf();
    const auto breiten = editor.breiten();
    Grid->setColumnCount(static_cast<int>(kopf.size()));
    Grid->setRowCount(editor.zeilen());
    QStringList k;
    for (const auto& t : kopf) k << Q(t);
    Grid->setHorizontalHeaderLabels(k);
    // Jede Spalte mindestens so breit wie ihr Titel.
    const QFontMetrics titel(Grid->horizontalHeader()->font());
    for (int s = 0; s < static_cast<int>(breiten.size()); ++s)
        Grid->setColumnWidth(s, qMax(breiten[static_cast<size_t>(s)], titel.horizontalAdvance(k.value(s)) + 12));
    for (int z = 1; z <= editor.zeilen(); ++z) zeileZeigen(z);
    umschalten_ = true;
    if (editor.zeile() >= 1) Grid->setCurrentCell(editor.zeile() - 1, editor.spalte() - 1);
    umschalten_ = false;
    Titel->setText(Q(editor.titel()));
    Status->setText(Q(editor.status()));
    // Der Knopf der gezeigten Liste ist fett.
    const std::pair<QPushButton*, EditorListe> knoepfe[] = {{Mannschaften, EditorListe::Mannschaften},
                                                           {Spieler, EditorListe::Spieler},
                                                           {Nationen, EditorListe::Nationen}};
    for (const auto& [b, l] : knoepfe) {
        QFont f = b->font();
        f.setBold(editor.liste() == l);
        b->setFont(f);
    }
}

void TEditorF::zelleGewechselt(int zeile, int spalte, int alteZeile, int alteSpalte)
{
    if (umschalten_ || zeile < 0 || spalte < 0) return;
    const int vorher = editor.zeile();
    const bool ok = editor.auswahl(zeile + 1, spalte + 1);
    // Prüfung und Wiederherstellen können die verlassene Zeile geändert haben.
    zeileZeigen(vorher);
    if (ok) return;
    auto zurueck = [this, alteZeile, alteSpalte] {
        umschalten_ = true;
        if (editor.zeile() >= 1) Grid->setCurrentCell(editor.zeile() - 1, editor.spalte() - 1);
        else if (alteZeile >= 0) Grid->setCurrentCell(alteZeile, alteSpalte);
        else Grid->setCurrentCell(-1, -1);
        umschalten_ = false;
    };
    zurueck();
    // Ein Mausklick wählt die abgelehnte Zelle erst nach diesem Signal aus: danach noch einmal zurück.
    QTimer::singleShot(0, this, zurueck);
}

void TEditorF::listeZeigen(EditorListe l)
{
    editor.listeWaehlen(l);
    fuellen();
}

void TEditorF::speichernGeklickt()
{
    editor.speichern();
    fuellen();
}

void TEditorF::neuerEintragKlick()
{
    if (editor.neuerEintrag()) {
        fuellen();
        Grid->scrollToItem(Grid->item(editor.zeile() - 1, 0));
    }
}

void TEditorF::einfuegenKlick()
{
    editor.einfuegen(U(QApplication::clipboard()->text()));
    zeileZeigen(editor.zeile());
}

void TEditorF::testsaisonKlick()
{
    QTemporaryDir tmp;
    if (!tmp.isValid()) {
        FehlerMeldung(T("Für die Testsaison fehlt ein Temp-Ordner."));
        return;
    }
    const std::string ordner = U(tmp.path());
    const bool geschrieben = editor.testdatenSchreiben(ordner);
    fuellen();
    if (!geschrieben) return;
    const std::vector<std::string> probleme = DatenProbleme(ordner);
    std::string aus, fehler;
    int rc = -1;
    if (probleme.empty()) {
        const Sperre sperre(this);
        Status->setText(Tq("Die Testsaison läuft ..."));
        QProcess p;
        // Deutsch, damit der Bericht die Zeilen des Automaten findet; er setzt sie selbst in die Sprache.
        p.start(programm, {QStringLiteral("--autoplay"), QStringLiteral("1"), QStringLiteral("--daten"), tmp.path(),
                           QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--no-restart"),
                           QStringLiteral("--sprache"), QStringLiteral("de")});
        QElapsedTimer uhr;
        uhr.start();
        const WarteSperre warten;
        while (!p.waitForFinished(50)) {
            if (p.state() == QProcess::NotRunning) break;
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (uhr.elapsed() > testsaisonSekunden * 1000LL) {
                p.kill();
                p.waitForFinished(2000);
                fehler = Tf("Die Saison ist nach %1 Sekunden nicht fertig.", {std::to_string(testsaisonSekunden)});
                break;
            }
        }
        aus = U(QString::fromUtf8(p.readAllStandardOutput()));
        if (fehler.empty()) fehler = U(QString::fromUtf8(p.readAllStandardError()));
        if (p.error() == QProcess::FailedToStart) fehler = Tf("Das Programm startet nicht: %1", {U(programm)});
        rc = p.exitStatus() == QProcess::NormalExit && p.error() != QProcess::FailedToStart ? p.exitCode() : 1;
        if (rc == 0 && !fehler.empty()) rc = 1;
        Status->setText(Q(editor.status()));
    }
    Bericht->setPlainText(Q(TestsaisonBericht(probleme, aus, fehler, rc)));
    BerichtF->show();
    BerichtF->raise();
}

void TEditorF::closeEvent(QCloseEvent* e)
{
    // Eine offene Zelleingabe gilt noch: der Fokuswechsel übergibt sie dem Gitter.
    if (QWidget* w = QApplication::focusWidget(); w && w != Grid && Grid->isAncestorOf(w)) Grid->setFocus();
    if (editor.schliessen()) {
        BerichtF->hide();
        e->accept();
    } else {
        fuellen();
        e->ignore();
    }
}

void EditorFensterAnlegen(QWidget* haupt)
{
    EditorF = new TEditorF(haupt);
    if (MenuF) MenuF->oeffnerSetzen(Menuepunkt::Editor, [] { EditorF->zeigen(); });
}

QStringList EditorBildschirmfotos(const QString& ordner)
{
    QStringList fertig;
    TEditorF f;
    f.zeigen();
    auto foto = [&](QWidget* w, const QString& name) {
        QApplication::processEvents();
        const QString datei = ordner + QStringLiteral("/") + name + QStringLiteral(".png");
        GefundeneAbschnitte << AbgeschnitteneTexte(w, name);
        if (w->grab().save(datei)) fertig << datei;
    };
    f.listeZeigen(EditorListe::Mannschaften);
    f.Grid->setCurrentCell(76, 0);
    f.Grid->scrollToItem(f.Grid->item(70, 0), QAbstractItemView::PositionAtTop);
    foto(&f, QStringLiteral("editor_mannschaften"));
    f.listeZeigen(EditorListe::Spieler);
    f.Grid->setCurrentCell(2, 1);
    foto(&f, QStringLiteral("editor_spieler"));
    f.listeZeigen(EditorListe::Nationen);
    foto(&f, QStringLiteral("editor_nationen"));
    f.testsaisonKlick();
    foto(f.BerichtF, QStringLiteral("editor_testsaison"));
    f.BerichtF->hide();
    f.hide();
    return fertig;
}

} // namespace torvane

#include "flow/screens/Bildschirmfotos.h"
#include "flow/screens/Bildschirmtexte.h"

#include "core/Datei.h"
#include "core/Oberflaeche.h"
#include "core/Pfade.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "core/screens/Bilder.h"
#include "core/screens/DiskFrm.h"
#include "core/screens/MailFrm.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/RechnerFrm.h"
#include "core/screens/Stil.h"
#include "finance/screens/StadionWerbung.h"
#include "finance/screens/TrainingBankFenster.h"
#include "flow/Neuanlage.h"
#include "match/Spieltag.h"
#include "season/Saisonende.h"
#include "flow/Zug.h"
#include "flow/screens/LigawahlFrm.h"
#include "flow/screens/LinkeFrm.h"
#include "flow/screens/MainFrm.h"
#include "flow/screens/MenuFrm.h"
#include "flow/screens/RatgeberFrm.h"
#include "flow/screens/StartFrm.h"
#include "flow/screens/VorStartFrm.h"
#include "match/screens/SpieltagFenster.h"
#include "records/screens/RecordsFenster.h"
#include "season/screens/EndeFrm.h"
#include "season/screens/EreignisFotos.h"
#include "season/screens/PleiteFrm.h"
#include "squad/screens/KaderFenster.h"
#include "tools/screens/EditorFrm.h"
#include "tools/screens/HilfeFrm.h"
#include "tools/screens/ProgrammInfoFrm.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QComboBox>
#include <QEnterEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace torvane {

bool BeispielLangeNamen = false;

bool BeispielSpielAnlegen()
{
    ZufallSetzen(4711);
    const bool lang = BeispielLangeNamen;
    // 15 und 25 Zeichen, die Spieler je 20 und 20: was die Eingabe höchstens annimmt.
    if (!NeuesSpielOhneBildschirm({{lang ? "Maximilian Graf" : "Quirin", lang ? "TSV Oberröblingen-Westend" : "SV Kickersdorf"},
                                   {"Berta", "FC Fallera"}}))
        return false;
    if (lang) {
        for (Kaderspieler_* k : {&S.Manager[0].Kader[1], &S.Manager[0].Kader[2], &S.Manager[0].Kader[3], &S.Transferliste[1]}) {
            k->Vorname.setzen("Karl-Heinz-Friedrich");
            k->Nachname.setzen("Meyer-Hohenfriedberg");
        }
    }
    return true;
}

QStringList GefundeneAbschnitte;
namespace {
// Jeder Text auf den Bildern, für ordner/texte.txt.
QStringList GezeigteTexte;
} // namespace

namespace {

QString Beschreibung(const QWidget* w, const QString& name)
{
    const QString objekt = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    return name + QLatin1Char('/') + objekt;
}

QString Befund(const QWidget* w, const QString& name, const QString& text, int braucht, int hat)
{
    return QStringLiteral("%1: »%2« braucht %3, hat %4 Pixel").arg(Beschreibung(w, name), text).arg(braucht).arg(hat);
}

int Breiteste(const QFontMetrics& fm, const QString& text)
{
    int b = 0;
    for (const QString& z : text.split(QLatin1Char('\n'))) b = qMax(b, fm.horizontalAdvance(z));
    return b;
}

// Was vom Kopf einer Tabelle und ihren Zellen abgeschnitten ist.
void TabelleMessen(const QTableWidget* t, const QString& name, QStringList& funde)
{
    for (int s = 0; s < t->columnCount(); ++s) {
        if (t->isColumnHidden(s)) continue;
        const int breite = t->columnWidth(s);
        if (const QTableWidgetItem* k = t->horizontalHeaderItem(s); k && t->horizontalHeader()->isVisible()) {
            const QFontMetrics fm(k->font());
            const int braucht = Breiteste(fm, k->text()) + 8;
            if (braucht > breite) funde << Befund(t, name, k->text(), braucht, breite) + QStringLiteral(" (Spaltentitel)");
        }
        for (int r = 0; r < t->rowCount(); ++r) {
            const QTableWidgetItem* i = t->item(r, s);
            if (!i || i->text().isEmpty() || t->isRowHidden(r)) continue;
            const QFontMetrics fm(i->data(Qt::FontRole).isValid() ? i->font() : t->font());
            const int braucht = Breiteste(fm, i->text()) + 6;
            if (braucht > breite) {
                funde << Befund(t, name, i->text(), braucht, breite) + QStringLiteral(" (Zelle)");
                break; // eine Zelle je Spalte reicht
            }
        }
    }
}

// Wo ein Schild seinen Text hinmalt, in den Koordinaten seines Elternteils.
QRect Textflaeche(const QLabel* l)
{
    const QFontMetrics fm(l->font());
    const QStringList zeilen = l->text().split(QLatin1Char('\n'));
    const QSize g(Breiteste(fm, l->text()), fm.height() * static_cast<int>(zeilen.size()));
    const QRect cr = l->contentsRect();
    return QStyle::alignedRect(l->layoutDirection(), QStyle::visualAlignment(l->layoutDirection(), l->alignment()), g, cr)
        .translated(l->pos());
}

// Schilder desselben Fensters, deren Texte übereinander liegen.
void UeberlappungMessen(const QList<const QLabel*>& schilder, const QString& name, QStringList& funde)
{
    for (qsizetype i = 0; i < schilder.size(); ++i)
        for (qsizetype j = i + 1; j < schilder.size(); ++j) {
            const QLabel* a = schilder[i];
            const QLabel* b = schilder[j];
            if (a->parentWidget() != b->parentWidget()) continue;
            const QRect x = Textflaeche(a).intersected(Textflaeche(b));
            if (x.width() > 1 && x.height() > 2)
                funde << QStringLiteral("%1: »%2« überlappt »%3«").arg(Beschreibung(a, name), a->text(), b->text());
        }
}

// Sichtbare Knöpfe desselben Fensters, die einander verdecken.
void KnopfUeberlappungMessen(const QList<const QAbstractButton*>& knoepfe, const QString& name, QStringList& funde)
{
    for (qsizetype i = 0; i < knoepfe.size(); ++i)
        for (qsizetype j = i + 1; j < knoepfe.size(); ++j) {
            const QAbstractButton* a = knoepfe[i];
            const QAbstractButton* b = knoepfe[j];
            if (a->parentWidget() == b->parentWidget() && a->geometry().intersects(b->geometry()))
                funde << QStringLiteral("%1: Knopf »%2« verdeckt »%3«").arg(Beschreibung(a, name), a->text(), b->text());
        }
}

// Relative Leuchtdichte und Kontrastverhältnis nach WCAG.
double Leuchtdichte(const QColor& c)
{
    auto kanal = [](int v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.red()) + 0.7152 * kanal(c.green()) + 0.0722 * kanal(c.blue());
}

double Kontrast(const QColor& a, const QColor& b)
{
    const double la = Leuchtdichte(a), lb = Leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Schrift, die sich zu wenig von ihrem Grund abhebt (unter 4,5 : 1). Der Grund ist die häufigste
// Farbe, die das Fenster unter dem Schild wirklich malt (Stylesheet, Eltern, Bild), die Schrift
// die Farbe, mit der das Schild malt.
void KontrastMessen(const QWidget* fenster, const QList<const QLabel*>& schilder, const QString& name, QStringList& funde)
{
    if (schilder.isEmpty()) return;
    const QImage bild = const_cast<QWidget*>(fenster)->grab().toImage(); // malt nur, ändert nichts
    const double dpr = bild.devicePixelRatio();
    for (const QLabel* l : schilder) {
        if (!l->isEnabled() || !l->pixmap().isNull()) continue;
        // Von einer Tafel verdeckt: zu sehen ist die Tafel, nicht das Schild.
        const QWidget* oben = fenster->childAt(l->mapTo(fenster, l->rect().center()));
        if (oben && oben != l && !oben->isAncestorOf(l)) continue;
        const QRect r = QRect(QPointF(l->mapTo(fenster, QPoint(0, 0)) * dpr).toPoint(), l->size() * dpr)
                            .intersected(bild.rect());
        QHash<QRgb, int> zahl;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) ++zahl[bild.pixel(x, y)];
        if (zahl.isEmpty()) continue;
        const QColor grund = QColor::fromRgb(std::max_element(zahl.keyValueBegin(), zahl.keyValueEnd(), [](auto a, auto b) {
                                                 return a.second < b.second;
                                             })->first);
        const QColor schrift = l->palette().color(l->foregroundRole());
        if (const double k = Kontrast(schrift, grund); k < 4.5)
            funde << QStringLiteral("%1: »%2« %3 auf %4, Kontrast %5 : 1")
                         .arg(Beschreibung(l, name), l->text(), Hex(schrift), Hex(grund))
                         .arg(k, 0, 'f', 1);
    }
}

} // namespace

QStringList AbgeschnitteneTexte(const QWidget* fenster, const QString& name)
{
    QStringList funde;
    QList<const QLabel*> schilder, lesbar;
    QList<const QAbstractButton*> knoepfe;
    QList<const QWidget*> alle{fenster};
    for (const QWidget* w : fenster->findChildren<QWidget*>()) alle << w;
    for (const QWidget* w : alle) {
        if (!w->isVisibleTo(fenster) && w != fenster) continue;
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            if (l->text().trimmed().isEmpty() || l->textFormat() == Qt::RichText) continue;
            lesbar << l;
            if (l->wordWrap()) continue;
            schilder << l;
            const int rand = 2 * l->margin() + qMax(0, l->indent());
            const int hat = l->contentsRect().width() - rand;
            const int braucht = Breiteste(QFontMetrics(l->font()), l->text());
            if (braucht > hat) funde << Befund(l, name, l->text(), braucht, hat);
        } else if (const auto* c = qobject_cast<const QCheckBox*>(w)) {
            const int kaestchen = c->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, c) +
                                  c->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, c);
            const int braucht = Breiteste(QFontMetrics(c->font()), c->text().remove(QLatin1Char('&'))) + kaestchen;
            if (braucht > c->width()) funde << Befund(c, name, c->text(), braucht, c->width());
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            knoepfe << b;
            if (b->text().isEmpty()) continue;
            const int bild = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
            int braucht = Breiteste(QFontMetrics(b->font()), QString(b->text()).remove(QLatin1Char('&'))) + bild + 8;
            // Ein Knopf mit Stilrand braucht dazu seinen Innenabstand (die Breite, die er sich wünscht).
            if (qobject_cast<const QPushButton*>(b)) braucht = qMax(braucht, b->sizeHint().width());
            if (braucht > b->width()) funde << Befund(b, name, b->text(), braucht, b->width());
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            if (g->title().isEmpty()) continue;
            const int braucht = QFontMetrics(g->font()).horizontalAdvance(g->title()) + 16;
            if (braucht > g->width()) funde << Befund(g, name, g->title(), braucht, g->width());
        } else if (const auto* t = qobject_cast<const QTableWidget*>(w)) {
            TabelleMessen(t, name, funde);
        } else if (const auto* liste = qobject_cast<const QListWidget*>(w)) {
            const QFontMetrics fm(liste->font());
            const int hat = liste->viewport()->width();
            for (int i = 0; i < liste->count(); ++i) {
                const int braucht = Breiteste(fm, liste->item(i)->text()) + 8;
                if (braucht > hat) {
                    funde << Befund(liste, name, liste->item(i)->text(), braucht, hat) + QStringLiteral(" (Zeile)");
                    break;
                }
            }
        } else if (const auto* a = qobject_cast<const QAbstractScrollArea*>(w)) {
            // Ein waagrechter Rollbalken heißt: der Inhalt passt nicht in seine Tafel.
            if (a->horizontalScrollBar()->isVisible())
                funde << Befund(a, name, QStringLiteral("waagrechter Rollbalken"), a->horizontalScrollBar()->maximum(), 0);
        }
    }
    UeberlappungMessen(schilder, name, funde);
    KnopfUeberlappungMessen(knoepfe, name, funde);
    KontrastMessen(fenster, lesbar, name, funde);
    // Der Zoom richtet sich nach dem größten Fenster; ein größeres ragte bei ihm über den Bildschirm.
    if (fenster->isWindow() && fenster->size().boundedTo(GroesstesFenster) != fenster->size())
        funde << QStringLiteral("%1: %2 × %3 Punkte, größer als GroesstesFenster")
                     .arg(Beschreibung(fenster, name))
                     .arg(fenster->width())
                     .arg(fenster->height());
    return funde;
}

bool Foto(QWidget* w, const QString& ordner, const QString& name, QStringList& fertig)
{
    QApplication::processEvents();
    GefundeneAbschnitte << AbgeschnitteneTexte(w, name);
    GezeigteTexte << SichtbareTexte(w, name);
    const QString datei = QDir(ordner).filePath(name + QStringLiteral(".png"));
    if (!w->grab().save(datei)) return false;
    fertig << datei;
    return true;
}

FotoRuhe::FotoRuhe() : nieZeigen_(QtOberflaeche::nieZeigen), tempo_(QtOberflaeche::tempo)
{
    QtOberflaeche::nieZeigen = true;
    QtOberflaeche::tempo = 0.0;
}

FotoRuhe::~FotoRuhe()
{
    QtOberflaeche::nieZeigen = nieZeigen_;
    QtOberflaeche::tempo = tempo_;
}

namespace {

// Alle Spielbilder auf einem Bogen, mit Namen darunter.
QPixmap Bilderbogen()
{
    const QStringList namen = BildNamen();
    const int spalten = 8;
    const int zeilen = (static_cast<int>(namen.size()) + spalten - 1) / spalten;
    QPixmap bogen = Malgrund(QSize(spalten * 110, zeilen * 126));
    bogen.fill(Farbe::Creme);
    QPainter p(&bogen);
    p.setFont(Schrift(8));
    for (int i = 0; i < namen.size(); ++i) {
        const int x = (i % spalten) * 110 + 5;
        const int y = (i / spalten) * 126 + 5;
        p.drawPixmap(x, y, Bild(namen[i], QSize(100, 100)));
        p.drawText(QRect(x, y + 102, 100, 16), Qt::AlignCenter, namen[i]);
    }
    return bogen;
}

} // namespace

QStringList BildschirmfotosMachen(const QString& ordner)
{
    QStringList fertig;
    if (!QDir().mkpath(ordner)) return fertig;
    // Was mit den längsten Namen passt, passt immer.
    const struct LangeNamen {
        LangeNamen() { BeispielLangeNamen = true; }
        ~LangeNamen() { BeispielLangeNamen = false; }
    } langeNamen;
    QtOberflaeche::nieZeigen = true;
    QtOberflaeche::tempo = 0.0;
    if (!MainF) FensterAnlegen();

    // Ohne Grunddaten zeigen die Fenster eben leere Felder.
    const bool spiel = BeispielSpielAnlegen();

    {
        QPixmap b = Bilderbogen();
        const QString datei = QDir(ordner).filePath(QStringLiteral("bilder.png"));
        if (b.save(datei)) fertig << datei;
    }

    Fotografieren(VorStartF, ordner, QStringLiteral("01_systemcheck"), fertig);

    // Startbildschirm nach dem Vorspann, dann mit zwei eingetragenen Managern.
    StartF->show();
    StartF->Kopf->move(0, 10);
    StartF->Untertitel->setText(Tq("Eine FußballManagerSimulation *"));
    StartF->Version->setText(QStringLiteral("V ") + QString::fromUtf8(ProgrammVersion));
    StartF->Bild1->setVisible(true);
    StartF->StartKnopf->setVisible(true);
    StartF->SpielLaden->setVisible(true);
    Foto(StartF, ordner, QStringLiteral("02_start"), fertig);
    if (spiel) {
        // Die Ladeliste mit zwei Spielständen aus einem eigenen Ordner.
        const QTemporaryDir saves;
        const std::string save = std::exchange(Pfade.Save, U(saves.path()) + "/");
        for (const std::string& n : {Tf("%1 mit %2", {"Quirin", "SV Kickersdorf"}), Tf("Saison %1", {"2"})})
            SpielstandDatei("save", SpielstandPfad(n));
        StartF->ladelisteZeigen();
        Foto(StartF, ordner, QStringLiteral("start_laden"), fertig);
        StartF->ladelisteSchliessen();
        Pfade.Save = save;
        const int mh = S.Spiel.ManagerHoch;
        StartF->startKlick();
        StartF->aktivierenKlick();
        // Die längsten Namen, die die Eingabe annimmt.
        StartF->NameFeld->setText(QStringLiteral("Maximilian Graf"));
        StartF->VereinFeld->setEditText(QStringLiteral("TSV Oberröblingen-Westend"));
        StartF->Fortschritt->setText(Tq("Initzialisiere ") + QStringLiteral(".."));
        Foto(StartF, ordner, QStringLiteral("03_start_eingabe"), fertig);
        S.Spiel.ManagerHoch = mh;
        // Der Startbildschirm hat die Slots neu beschrieben: das Beispielspiel frisch anlegen.
        BeispielSpielAnlegen();
    }
    StartF->hide();

    // Hauptfenster mit Seitenleiste und Menü.
    MainF->resize(800, 600);
    MainF->show();
    MainF->anordnen();
    if (spiel) MenueAnzeigen();
    // Die Uhr steht: auf einem langsamen Rechner zeigte das Bild sonst die Zeit der Aufnahme.
    MainF->uhrAnhalten();
    LinkeF->uhrZeigen(QStringLiteral("20:15:00"));
    LinkeF->show();
    MenuF->show();
    MenuF->hauptKlick(0);
    Foto(MainF, ordner, QStringLiteral("04_hauptfenster"), fertig);
    MenuF->hauptKlick(1);
    Foto(MenuF, ordner, QStringLiteral("05_menu_information"), fertig);
    MenuF->hauptKlick(2);
    if (spiel) {
        S.Manager[S.AktManager].Einsatz = 40;
        S.Manager[S.AktManager].Kontostand = -123456;
        MenuF->menueZeichnen();
    }
    Foto(MenuF, ordner, QStringLiteral("06_menu_finanzen"), fertig);
    MenuF->hauptKlick(3);
    if (spiel) {
        S.Manager[S.AktManager].Einsatz = -70;
        S.Spiel.Spieltag = 33;
        MenuF->menueZeichnen();
    }
    Foto(MenuF, ordner, QStringLiteral("07_menu_sonstiges"), fertig);
    MenuF->spielfreiZeigen(QStringLiteral("Berta"));
    Foto(MenuF, ordner, QStringLiteral("08_menu_spielfrei"), fertig);
    if (spiel) {
        // Getippte Namen erscheinen wörtlich, nie als HTML.
        const Manager_ vorher = S.Manager[S.AktManager];
        S.Manager[S.AktManager].Name = "<u>Jörg</u>&€";
        S.Manager[S.AktManager].Vereinsname = "<i>FC</i> &amp; Co";
        MenuF->menueZeichnen();
        MenuF->spielfreiZeigen(Q(S.Manager[S.AktManager].Name.text()));
        Foto(MenuF, ordner, QStringLiteral("menu_name_roh"), fertig);
        S.Manager[S.AktManager] = vorher;
        MenuF->menueZeichnen();
    }
    MenuF->spielfreiVerbergen();
    Foto(LinkeF, ordner, QStringLiteral("09_seitenleiste"), fertig);
    if (spiel) {
        // Beide Manager auf Automatik (das Menü gesperrt, damit der Computer nicht gleich zieht).
        MenuF->setEnabled(false);
        for (int m : {1, 0}) {
            S.AktManager = static_cast<uint8_t>(m);
            LinkeF->automaticKlick();
        }
        Foto(LinkeF, ordner, QStringLiteral("09_seitenleiste_automatik"), fertig);
        for (int m : {0, 1}) LinkeF->automatikAus(S.Manager[m].Name.text());
        MenuF->setEnabled(true);
    }
    if (spiel && RatgeberF) {
        RatgeberF->fuellen();
        Foto(RatgeberF, ordner, QStringLiteral("ratgeber"), fertig);
    }

    // Nachrichtenfenster in allen Arten.
    // Die Beispiele in der Sprache des Spiels, mit den Texten, die das Spiel selbst zeigt.
    struct Art {
        const char* datei;
        const char* art;
        int bild;
        std::string kopf;
        std::string text;
    };
    const Art arten[] = {
        {"10_nachricht_ok", "OK", 1, Tf("Neues vom Training, %1", {"Quirin"}),
         std::string("\r\nHeinz Beispiel\r\n\r\n") + T("Der Spieler hat eine Prellung") + "\r\n" +
             Tf(" und fällt damit %1 Wochen aus.", {"5"})},
        {"11_nachricht_jein", "JEIN", 6, "Quirin",
         "\r\n\r\n" + Tf("Möchten Sie 1.000 Aktien für %1 kaufen ?", {"987.000 €"})},
        {"12_nachricht_alles", "ALLES", 5, T("Pokalauslosung"), std::string("\r\n") + T("Wollen Sie die Spiele sehen ?")},
        {"13_nachricht_auto", "Auto1500", 4, T("Beispielspiel"), std::string("\r\n\r\n") + T("A U T O S P E I C H E N")},
        {"14_nachricht_trainer", "OK", 107, "Opa Horst",
         T("Der Vertrag ist zu Ende und steht dem Verein als Trainer nicht mehr zu Verfügung")},
    };
    for (const Art& a : arten) {
        TMailF f(MainF);
        f.fuellen(Q(a.kopf), Zeilen(a.text), NachrichtArtLesen(a.art), a.bild);
        f.show();
        Foto(&f, ordner, QString::fromUtf8(a.datei), fertig);
    }

    if (spiel) {
        // Die Meldungen der Saison mit den längsten Zeilen: die besten Sechs (mit Punkten in
        // Spalten) und der Scheck des Fußballbunds an einen langen Vereinsnamen.
        QtOberflaeche::protokoll.clear();
        const auto vorher = std::make_unique<Spielstand>(S); // groß: nicht auf den Stapel
        BesteSechs();
        S.Manager[0].Vereinsname = "Galashiels Academicals FC";
        const std::string scheck = ScheckKopf(0);
        S = *vorher;
        for (const std::string& z : QtOberflaeche::protokoll) {
            if (z.rfind("Nachricht:", 0) != 0) continue;
            const size_t strich = z.find('|');
            TMailF f(MainF);
            f.fuellen(Q(z.substr(10, strich - 10)), Zeilen(z.substr(strich + 1)), NachrichtArtLesen("ok"), -1);
            f.show();
            Foto(&f, ordner, QStringLiteral("14_nachricht_beste_sechs"), fertig);
        }
        TMailF f(MainF);
        f.fuellen(Q(scheck),
                  Zeilen("\r\n" + Tf("%1zudem wird Ihnen ein Scheck in Höhe von %2 überreicht.",
                                         {Verbandsurteil(5), "1.340.000 €"})),
                  NachrichtArtLesen("ok"), -1);
        f.show();
        Foto(&f, ordner, QStringLiteral("14_nachricht_scheck"), fertig);
    }

    {
        TRechnerF r(MainF);
        r.vorbereiten(1234500, Tq("Wie viele Sitzplätze ?"));
        r.show();
        r.raeder[6]->zifferSetzen(7);
        QEnterEvent rein(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(r.raeder[6], &rein);
        Foto(&r, ordner, QStringLiteral("15_zahleneingabe"), fertig);
    }

    Fotografieren(LigawahlF, ordner, QStringLiteral("16_ligawahl"), fertig);

    Fotografieren(DiskF, ordner, QStringLiteral("17_disk"), fertig);

    PleiteF->zeigen(Tq("%1 hat´s geschafft").arg(QStringLiteral("Quirin")));
    Foto(PleiteF, ordner, QStringLiteral("18_pleite"), fertig);
    PleiteF->hide();

    Fotografieren(EndeF, ordner, QStringLiteral("19_ende"), fertig);

    Fotografieren(HilfeF, ordner, QStringLiteral("20_hilfe"), fertig);

    Fotografieren(ProgrammInfoF, ordner, QStringLiteral("21_info"), fertig);

    MainF->hide();
    // Die Fenster des Spieltags und des Saisonendes (mit eigenem Beispielspiel).
    fertig << SpieltagsBildschirmfotos(ordner);
    fertig << StadionWerbungBildschirmfotos(ordner);
    fertig << RecordsBildschirmfotos(ordner);
    fertig << KaderBildschirmfotos(ordner);
    fertig << TrainingBankBildschirmfotos(ordner);
    fertig << EreignisBildschirmfotos(ordner);
    fertig << EditorBildschirmfotos(ordner);
    // Jedes abgeschnittene Wort einmal nennen: wer Bilder macht, soll es auch lesen.
    GefundeneAbschnitte.removeDuplicates();
    for (const QString& f : GefundeneAbschnitte) qWarning("Abgeschnitten: %s", qPrintable(f));
    // Daneben, was die Bilder an Text zeigen: so lässt sich prüfen, ob alles übersetzt ist.
    std::string grund;
    if (!DateiSicherErsetzen(U(QDir(ordner).filePath(QStringLiteral("texte.txt"))),
                             GezeigteTexte.join(QLatin1Char('\n')).toStdString() + "\n", grund))
        qWarning("texte.txt: %s", grund.c_str());
    GezeigteTexte.clear();
    return fertig;
}

} // namespace torvane

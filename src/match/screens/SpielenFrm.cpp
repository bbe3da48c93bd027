#include "match/screens/SpielenFrm.h"

#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/screens/MainFrm.h"
#include "match/Spiel.h"
#include "match/Spieltag.h"
#include "match/screens/Spieltagbilder.h"
#include "match/screens/TabelleFrm.h"

#include <QCheckBox>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace torvane {

TSpielenF* SpielenF = nullptr;

void TKlickSchild::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) emit geklickt();
    QLabel::mousePressEvent(e);
}

// --- Platz ---

TPlatz::TPlatz(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("Platz"));
    setFixedSize(PlatzBreite, PlatzHoehe);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPlatz::ball(int x, int y, int bild, int spielerBild, int spielerX)
{
    ballX_ = x;
    ballY_ = y;
    ballBild_ = bild;
    spielerBild_ = spielerBild;
    spielerX_ = spielerX;
    update();
}

void TPlatz::symbol(int nummer, int x, int y)
{
    symbole_.push_back({nummer, x, y});
    update();
}

void TPlatz::symboleLeeren(int tafel)
{
    // Die Vorfälle der Heimelf stehen links der Mitte, die der Gäste rechts.
    std::erase_if(symbole_, [tafel](const Symbol& s) { return (s.x < PlatzBreite / 2) == (tafel == 1); });
    update();
}

void TPlatz::allesLeeren()
{
    symbole_.clear();
    ballX_ = 234;
    ballY_ = 134;
    ballBild_ = 8;
    spielerBild_ = -1;
    update();
}

void TPlatz::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, SpielfeldBild());
    for (const Symbol& s : symbole_) p.drawPixmap(s.x, s.y, SpieltagSymbol(s.nummer));
    if (spielerBild_ >= 0) p.drawPixmap(spielerX_, ballY_, SpieltagSymbol(spielerBild_));
    p.drawPixmap(ballX_, ballY_, SpieltagSymbol(ballBild_));
}

// --- Spieltagsbildschirm ---

namespace {

constexpr int Breite = 1000;
constexpr int Hoehe = 700;
constexpr int ListeOben = 52;
constexpr int ZeilenHoehe = 28;
constexpr int MeldungX = 728;

QString Tafelstil(const QString& name, const QColor& grund, const QColor& schrift, int radius = 6)
{
    return QStringLiteral("QLabel#%1 { background: %2; color: %3; border-radius: %4px; padding: 2px 6px; }")
        .arg(name, Hex(grund), Hex(schrift))
        .arg(radius);
}

bool GueltigerVerein(int v) { return v > 0 && v < S.Mannschaft.laenge(); }

} // namespace

TSpielenF::TSpielenF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("SpielenF"), Tq("Spielen"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setFixedSize(Breite, Hoehe);

    // Kopf: Wettbewerb links, Tag oder Runde rechts
    auto* band = new QFrame(this);
    band->setObjectName(QStringLiteral("KopfBand"));
    band->setGeometry(10, 8, Breite - 20, 36);
    band->setStyleSheet(QStringLiteral("QFrame#KopfBand { background: %1; border-radius: 6px; }").arg(Hex(Farbe::Rasen)));
    Kopf = Schild(band, QStringLiteral("Kopf"), QRect(12, 0, 460, 36), Schrift(15, true), Qt::AlignLeft | Qt::AlignVCenter);
    Kopf->setStyleSheet(QStringLiteral("color: white;"));
    Tag = Schild(band, QStringLiteral("Tag"), QRect(480, 0, Breite - 20 - 492, 36), Schrift(12, true),
                 Qt::AlignRight | Qt::AlignVCenter);
    Tag->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Zitrone)));

    for (int z = 0; z < Zeilenzahl; ++z) {
        const QString n = QString::number(z);
        const int y = ListeOben + z * ZeilenHoehe;
        auto* reihe = new QFrame(this);
        reihe->setObjectName(QStringLiteral("Reihe") + n);
        reihe->setGeometry(10, y, MeldungX - 16, ZeilenHoehe - 3);
        reihe->setStyleSheet(QStringLiteral("QFrame#Reihe%1 { background: rgba(255,255,255,215); border: 1px solid %2;"
                                            " border-radius: 5px; }")
                                 .arg(n, Hex(Farbe::RasenHell)));
        Zeile& r = Reihen[static_cast<size_t>(z)];
        const int h = ZeilenHoehe - 3;
        r.Zuschauer = Schild(reihe, QStringLiteral("Zuschauer") + n, QRect(6, 0, 112, h), Schrift(8),
                             Qt::AlignLeft | Qt::AlignVCenter);
        r.Zuschauer->setStyleSheet(QStringLiteral("color: #546e7a;"));
        r.Heim = Schild(reihe, QStringLiteral("Heim") + n, QRect(120, 0, 248, h), Schrift(10, true),
                        Qt::AlignRight | Qt::AlignVCenter);
        auto* strich = Schild(reihe, QStringLiteral("Strich") + n, QRect(368, 0, 16, h), Schrift(10, true));
        strich->setText(QStringLiteral("-"));
        r.Gast = Schild(reihe, QStringLiteral("Gast") + n, QRect(384, 0, 248, h), Schrift(10, true),
                        Qt::AlignLeft | Qt::AlignVCenter);
        r.Ergebnis = Schild(reihe, QStringLiteral("Ergebnis") + n, QRect(632, 0, 78, h), CourierSchrift(11),
                            Qt::AlignLeft | Qt::AlignVCenter);
        r.Ergebnis->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));
        r.Meldung = Schild(this, QStringLiteral("Meldung") + n, QRect(MeldungX, y - 1, Breite - MeldungX - 10, ZeilenHoehe - 1),
                           Schrift(7), Qt::AlignLeft | Qt::AlignVCenter);
        r.Meldung->setWordWrap(true);
        r.Meldung->setTextFormat(Qt::RichText); // maskiert in zeilenMeldung
        r.Meldung->setStyleSheet(Tafelstil(r.Meldung->objectName(), QColor(255, 241, 118), Farbe::Tinte, 4));
        r.Meldung->setVisible(false);
        reihe->setVisible(false);
    }

    // Unten: Siegertafel, Toto, Weiter; darüber bei Bedarf die Live-Ansicht
    const int unten = ListeOben + Zeilenzahl * ZeilenHoehe + 10;
    TotoPanel = new QFrame(this);
    TotoPanel->setObjectName(QStringLiteral("TotoPanel"));
    TotoPanel->setGeometry(10, unten + 14, 380, 150);
    TotoPanel->setStyleSheet(QStringLiteral("QFrame#TotoPanel { background: white; border: 2px solid %1; border-radius: 8px; }")
                                 .arg(Hex(Farbe::Himmel)));
    auto* totoKopf = Schild(TotoPanel, QStringLiteral("TotoKopf"), QRect(0, 4, 380, 26), Schrift(12, true));
    totoKopf->setText(Tq("Toto"));
    totoKopf->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Nacht)));
    for (int i = 0; i < 4; ++i) {
        Toto[static_cast<size_t>(i)] = Schild(TotoPanel, QStringLiteral("Toto%1").arg(i + 1), QRect(16, 34 + i * 27, 350, 24),
                                              Schrift(10, true), Qt::AlignLeft | Qt::AlignVCenter);
        Toto[static_cast<size_t>(i)]->setText(QStringLiteral("-"));
    }
    TotoPanel->setVisible(false);

    Sieger = new TKlickSchild(this);
    Sieger->setObjectName(QStringLiteral("Sieger"));
    Sieger->setGeometry(410, unten + 14, Breite - 420, 120);
    Sieger->setAlignment(Qt::AlignCenter);
    Sieger->setWordWrap(true);
    Sieger->setTextFormat(Qt::RichText);
    Sieger->setFont(Schrift(12, true));
    Sieger->setStyleSheet(QStringLiteral("QLabel#Sieger { background: %1; color: %2; border: 3px solid %3;"
                                         " border-radius: 10px; padding: 6px; }")
                              .arg(Hex(Farbe::Sonne), Hex(Farbe::Nacht), Hex(Farbe::Sonne.darker(130))));
    Sieger->setCursor(Qt::PointingHandCursor);
    Sieger->setVisible(false);
    connect(Sieger, &TKlickSchild::geklickt, Sieger, &QWidget::hide);
    ImWartenBedienbar(Sieger);

    Weiter = new QPushButton(Tq("Weiter"), this);
    Weiter->setObjectName(QStringLiteral("Weiter"));
    Weiter->setGeometry(Breite - 200, Hoehe - 50, 190, 40);
    Weiter->setFont(Schrift(11, true));
    // Enter drückt "Weiter", sobald er den Fokus hat.
    Weiter->setAutoDefault(true);
    Weiter->setVisible(false);
    ImWartenBedienbar(Weiter);
    connect(Weiter, &QPushButton::clicked, this, [this] {
        Weiter->setVisible(false);
        S.Befehl = Befehlswert::Weiter;
    });

    Abkuerzen = new QPushButton(Tq("Überspringen"), this);
    Abkuerzen->setObjectName(QStringLiteral("Abkuerzen"));
    Abkuerzen->setGeometry(Breite - 400, Hoehe - 50, 190, 40);
    Abkuerzen->setFont(Schrift(11, true));
    Abkuerzen->setFocusPolicy(Qt::NoFocus); // Enter und Leertaste bleiben beim "Weiter"
    Abkuerzen->setToolTip(Tq("Zeigt den Rest sofort (Taste Escape): dieselben Ergebnisse, "
                             "Karten und Verletzungen, nur ohne Warten."));
    Abkuerzen->setVisible(false);
    AbkuerzKnopf(Abkuerzen);
    connect(Abkuerzen, &QPushButton::clicked, this, &AbkuerzenBeginnen);

    // Live-Ansicht
    Live = new QFrame(this);
    Live->setObjectName(QStringLiteral("Live"));
    Live->setGeometry(10, unten, Breite - 20, 326);
    Live->setStyleSheet(QStringLiteral("QFrame#Live { background: %1; border-radius: 10px; }").arg(Hex(Farbe::Rasen.darker(160))));
    Platz = new TPlatz(Live);
    Platz->move(13, 13);
    const int rx = 528, rb = Live->width() - rx - 13;
    const int halb = (rb - 10) / 2;
    Man1 = Schild(Live, QStringLiteral("Man1"), QRect(rx, 13, halb, 44), Schrift(10, true));
    Man2 = Schild(Live, QStringLiteral("Man2"), QRect(rx + halb + 10, 13, halb, 44), Schrift(10, true));
    for (QLabel* m : {Man1, Man2}) m->setWordWrap(true);
    Spielstand = Schild(Live, QStringLiteral("Spielstand"), QRect(rx, 66, rb, 84), CourierSchrift(46));
    Spielstand->setStyleSheet(Tafelstil(QStringLiteral("Spielstand"), QColor(33, 33, 33), Farbe::Sonne, 8));
    Zeit = Schild(Live, QStringLiteral("Zeit"), QRect(rx, 160, halb, 32), CourierSchrift(14));
    Zeit->setStyleSheet(Tafelstil(QStringLiteral("Zeit"), Farbe::Creme, Farbe::Nacht));
    Zusch = Schild(Live, QStringLiteral("Zusch"), QRect(rx + halb + 10, 160, halb, 32), Schrift(8, true));
    Zusch->setWordWrap(true);
    Zusch->setStyleSheet(Tafelstil(QStringLiteral("Zusch"), Farbe::Creme, Farbe::Nacht));
    Anteil = Schild(Live, QStringLiteral("Anteil"), QRect(rx, 202, rb, 32), Schrift(10, true));
    Anteil->setStyleSheet(Tafelstil(QStringLiteral("Anteil"), Farbe::Himmel, Farbe::Nacht));
    HansDampf = new QCheckBox(Tq("Hans Dampf Aktivieren"), Live);
    HansDampf->setObjectName(QStringLiteral("HansDampf"));
    ImWartenBedienbar(HansDampf);
    HansDampf->setGeometry(rx, 246, rb, 28);
    HansDampf->setFont(Schrift(10, true));
    HansDampf->setFocusPolicy(Qt::NoFocus);
    HansDampf->setToolTip(Tq("Der Ball läuft ohne Pausen; Tore und Vorfälle halten weiter an."));
    HansDampf->setStyleSheet(QStringLiteral("QCheckBox { color: white; spacing: 8px; }"
                                            "QCheckBox::indicator { width: 14px; height: 14px; background: white;"
                                            " border: 2px solid %1; border-radius: 3px; }"
                                            "QCheckBox::indicator:checked { background: %1; border-color: white; }")
                                 .arg(Hex(Farbe::Sonne)));
    Aktion1 = Schild(Platz, QStringLiteral("Aktion1"), QRect(26, 44, 200, 26), Schrift(9, true));
    Aktion2 = Schild(Platz, QStringLiteral("Aktion2"), QRect(276, 44, 200, 26), Schrift(9, true));
    for (QLabel* a : {Aktion1, Aktion2}) {
        a->setStyleSheet(Tafelstil(a->objectName(), QColor(255, 255, 255, 230), Farbe::Tinte));
        a->setVisible(false);
    }
    Live->setVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        hide();
    });
}

void TSpielenF::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawTiledPixmap(rect(), HintergrundMuster());
}

void TSpielenF::spielen()
{
    if (tagLaeuft_) return;
    tagLaeuft_ = true;
    try {
        WettbewerbstagSpielen();
    } catch (...) {
        tagLaeuft_ = false;
        AbkuerzenAnbieten(Abkuerzen, false);
        throw;
    }
    tagLaeuft_ = false;
}

void TSpielenF::sichtbar()
{
    // Ein neuer Tag darf nicht vom Schließen des vorigen erwischt werden.
    Timer1->stop();
    if (isVisible()) return;
    QWidget* haupt = Hauptfenster();
    if (haupt && haupt->isVisible()) {
        const QRect r = haupt->frameGeometry();
        QPoint ort = r.center() - QPoint(width() / 2, height() / 2);
        // Ist das Hauptfenster kleiner als der Spieltag, nicht über den Bildschirmrand hinaus.
        if (const QScreen* schirm = haupt->screen()) {
            const QRect frei = schirm->availableGeometry();
            ort.setX(std::clamp(ort.x(), frei.left(), std::max(frei.left(), frei.right() - width())));
            ort.setY(std::clamp(ort.y(), frei.top(), std::max(frei.top(), frei.bottom() - height())));
        }
        move(ort);
        show();
        raise();
    } else {
        AmStandardOrt(this);
    }
}

QLabel* TSpielenF::zelle(int zeile, int spalte) const
{
    const Zeile& r = Reihen[static_cast<size_t>(zeile)];
    switch (spalte) {
    case 1: return r.Zuschauer;
    case 2: return r.Heim;
    case 3: return r.Gast;
    case 4: return r.Ergebnis;
    default: return nullptr;
    }
}

void TSpielenF::zeileFaerben(int zeile)
{
    Zeile& r = Reihen[static_cast<size_t>(zeile)];
    for (int seite = 0; seite < 2; ++seite) {
        QLabel* l = seite == 0 ? r.Heim : r.Gast;
        const int v = VereinZu(vereine_[static_cast<size_t>(zeile)][static_cast<size_t>(seite)]);
        QColor farbe = Farbe::Tinte;
        if (grau_[static_cast<size_t>(zeile)][static_cast<size_t>(seite)]) farbe = QColor(109, 109, 109);
        else if (GueltigerVerein(v) && ManagerVonVerein(v) >= 0) farbe = Farbe::Rot;
        l->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(farbe)));
    }
    const bool belegt = !r.Zuschauer->text().isEmpty() || !r.Heim->text().isEmpty() || !r.Gast->text().isEmpty() ||
                        !r.Ergebnis->text().isEmpty();
    r.Heim->parentWidget()->setVisible(belegt);
}

void TSpielenF::titel(const std::string& text)
{
    // Ein neuer Abschnitt des Tages: keine Zeile des vorigen darf stehen bleiben
    // (ein Pokaltag füllt nur acht Zeilen, der Ligatag davor neun).
    zeilenLeeren();
    setWindowTitle(Q(text));
    sichtbar();
}

void TSpielenF::kopf(const std::string& wettbewerb, const std::string& tag)
{
    Kopf->setText(Q(wettbewerb));
    Tag->setText(Q(tag));
    sichtbar();
}

void TSpielenF::zeileZeigen(int zeile, int spalte, int heim, int gast, const std::string& text)
{
    if (zeile < 0 || zeile >= Zeilenzahl) return;
    QLabel* l = zelle(zeile, spalte);
    if (!l) return;
    vereine_[static_cast<size_t>(zeile)] = {GriffAuf(heim), GriffAuf(gast)};
    l->setText(Q(text));
    l->setToolTip(spalte == 2 || spalte == 3 ? TippWoertlich(Q(text)) : QString());
    zeileFaerben(zeile);
    sichtbar();
    // Die Liste läuft: abkürzbar bis zum nächsten "Weiter".
    if (!Weiter->isVisible()) Abkuerzen->setVisible(true);
}

void TSpielenF::verliererZeigen(int zeile, int spalte)
{
    if (zeile < 0 || zeile >= Zeilenzahl || (spalte != 2 && spalte != 3)) return;
    grau_[static_cast<size_t>(zeile)][static_cast<size_t>(spalte - 2)] = true;
    zeileFaerben(zeile);
}

void TSpielenF::zeilenLeeren()
{
    for (int z = 0; z < Zeilenzahl; ++z) {
        Zeile& r = Reihen[static_cast<size_t>(z)];
        for (QLabel* l : {r.Zuschauer, r.Heim, r.Gast, r.Ergebnis}) {
            l->clear();
            l->setToolTip(QString());
        }
        vereine_[static_cast<size_t>(z)] = {};
        grau_[static_cast<size_t>(z)] = {false, false};
        zeileFaerben(z);
    }
}

void TSpielenF::zeilenMeldung(int zeile, const std::string& text)
{
    if (zeile < 0 || zeile >= Zeilenzahl) return;
    QLabel* m = Reihen[static_cast<size_t>(zeile)].Meldung;
    // Knapp in die Zeile: Name fett, der Rest dahinter; ganz im Tooltip.
    QStringList teile = Zeilen(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QString kurz;
    if (!teile.isEmpty()) {
        const QString name = teile.takeFirst();
        kurz = QStringLiteral("<b>") + name.toHtmlEscaped() + QStringLiteral(":</b> ") +
               teile.join(QLatin1Char(' ')).toHtmlEscaped();
    }
    const QString vorher = m->isVisible() ? m->text() : QString();
    m->setText(vorher.isEmpty() ? kurz : vorher + QStringLiteral("<br>") + kurz);
    const QString tipp = m->isVisible() ? m->property("tippText").toString() : QString();
    m->setProperty("tippText", tipp.isEmpty() ? Zeilen(text) : tipp + QStringLiteral("\n\n") + Zeilen(text));
    m->setToolTip(TippWoertlich(m->property("tippText").toString()));
    m->setVisible(true);
    m->raise();
}

void TSpielenF::meldungenLeeren()
{
    for (Zeile& r : Reihen) {
        r.Meldung->clear();
        r.Meldung->setToolTip(QString());
        r.Meldung->setVisible(false);
    }
}

Spieltagsanzeige::Ort TSpielenF::zeilenOrt(int zeile)
{
    if (zeile < 0 || zeile >= Zeilenzahl || !isVisible()) return {-1, -1};
    QWidget* haupt = Hauptfenster();
    if (!haupt) return {-1, -1};
    // Unter die Zeile, rechts neben die Namen: die Zeile selbst bleibt lesbar.
    const QPoint global = mapToGlobal(QPoint(Breite / 2, ListeOben + (zeile + 1) * ZeilenHoehe + 4));
    const QPoint o = global - haupt->frameGeometry().topLeft();
    // (0, 0) und (-1, -1) hätten beim Nachrichtenfenster eine andere Bedeutung.
    if ((o.x() == 0 && o.y() == 0) || (o.x() == -1 && o.y() == -1)) return {1, 1};
    return {o.x(), o.y()};
}

void TSpielenF::weiterZeigen(const std::string& beschriftung)
{
    AbkuerzenAnbieten(Abkuerzen, false);
    Weiter->setText(Q(beschriftung));
    Weiter->setVisible(true);
    Weiter->raise();
    sichtbar();
    Weiter->setFocus();
}

void TSpielenF::weiterVerbergen() { Weiter->setVisible(false); }

void TSpielenF::siegerZeigen(const std::string& verein, const std::string& text)
{
    Sieger->setText(QStringLiteral("<div style=\"font-size:17pt\">") + Q(verein).toHtmlEscaped() +
                    QStringLiteral("</div><div>") + Zeilen(text).toHtmlEscaped() + QStringLiteral("</div>"));
    Sieger->setVisible(true);
    Sieger->raise();
    sichtbar();
}

void TSpielenF::siegerVerbergen() { Sieger->setVisible(false); }

void TSpielenF::totoZeigen()
{
    TotoPanel->setVisible(true);
    TotoPanel->raise();
}

void TSpielenF::totoZeile(int slot, const std::string& text)
{
    if (slot < 0 || slot > 3) return;
    Toto[static_cast<size_t>(slot)]->setText(Q(text));
}

void TSpielenF::totoVerbergen()
{
    TotoPanel->setVisible(false);
    for (QLabel* l : Toto) l->setText(QStringLiteral("-"));
}

bool TSpielenF::hauptfensterSichtbar()
{
    // Ohne Hauptfenster (Bildschirmtests) gilt es als sichtbar.
    if (!MainF) return true;
    return MainF->isVisible() && !MainF->versteckt();
}

void TSpielenF::tabelleZeigen(int liga)
{
    if (!TabelleF) TabelleF = new TTabelleF(parentWidget());
    TabelleF->nachSpieltag(liga, this);
}

void TSpielenF::tabelleSchliessen()
{
    if (TabelleF) TabelleF->hide();
}

void TSpielenF::tagBeendet()
{
    AbkuerzenAnbieten(Abkuerzen, false);
    Weiter->setVisible(false);
    Live->setVisible(false);
    tabelleSchliessen();
    Timer1->start(QtOberflaeche::dauer(10));
}

void TSpielenF::liveBeginnen(const std::string& heim, bool heimIstManager, const std::string& gast,
                             bool gastIstManager, const std::string& zuschauer)
{
    sichtbar();
    // Jedes Live-Spiel beginnt zum Zusehen, auch wenn das vorige abgekürzt wurde.
    AbkuerzenAnbieten(Abkuerzen, true);
    const QColor hellrot(255, 205, 210);
    Man1->setText(Q(heim));
    Man2->setText(Q(gast));
    Man1->setStyleSheet(Tafelstil(QStringLiteral("Man1"), heimIstManager ? Farbe::Rot : hellrot,
                                  heimIstManager ? Qt::white : Farbe::Tinte));
    Man2->setStyleSheet(Tafelstil(QStringLiteral("Man2"), gastIstManager ? Farbe::Rot : hellrot,
                                  gastIstManager ? Qt::white : Farbe::Tinte));
    Zusch->setText(Q(zuschauer));
    Platz->allesLeeren();
    Aktion1->setVisible(false);
    Aktion2->setVisible(false);
    Live->setVisible(true);
    Live->raise();
}

void TSpielenF::minuteZeigen(int minute)
{
    minute_ = minute;
    Zeit->setText(Tq("%1 min.").arg(minute));
}

void TSpielenF::spielstandZeigen(const std::string& text) { Spielstand->setText(Q(text)); }

void TSpielenF::anteilZeigen(const std::string& text) { Anteil->setText(Q(text)); }

void TSpielenF::ballZeigen(int x, int y, int bild, int spielerBild, int spielerX)
{
    ++ballBilder;
    Platz->ball(x, y, bild, spielerBild, spielerX);
}

bool TSpielenF::hansDampf() { return HansDampf->isChecked(); }

void TSpielenF::symbolZeigen(int symbol, int x, int y) { Platz->symbol(symbol, x, y); }

void TSpielenF::aktionZeigen(int tafel, const std::string& text)
{
    QLabel* a = tafel == 1 ? Aktion1 : Aktion2;
    TextEinpassen(a, Q(text));
    a->setVisible(true);
    a->raise();
}

void TSpielenF::aktionVerbergen(int tafel)
{
    (tafel == 1 ? Aktion1 : Aktion2)->setVisible(false);
    Platz->symboleLeeren(tafel);
}

void TSpielenF::liveBeenden() { Live->setVisible(false); }

} // namespace torvane

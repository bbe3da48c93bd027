#include "tools/screens/ProgrammInfoFrm.h"

#include "core/Pfade.h"
#include "core/Sprache.h"
#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "flow/Neuanlage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace torvane {

TProgrammInfoF* ProgrammInfoF = nullptr;

namespace {
// Vor der Anwendung gibt es noch keinen Anwendungsnamen; daher ausdrücklich.
QSettings Einstellungen() { return QSettings(QStringLiteral("Torvane"), QStringLiteral("Torvane")); }
const QString ZoomSchluessel = QStringLiteral("Ansicht/Zoom");
const QString SpracheSchluessel = QStringLiteral("Ansicht/Sprache");
} // namespace

bool ZoomErlaubt(int prozent) { return std::find(std::begin(ZoomStufen), std::end(ZoomStufen), prozent) != std::end(ZoomStufen); }

QList<int> PassendeZoomStufen(QSize freiInPixeln, QSize groesstes)
{
    QList<int> stufen;
    for (const int z : ZoomStufen)
        if (z == 100 || (groesstes * (z / 100.0)).boundedTo(freiInPixeln) == groesstes * (z / 100.0)) stufen << z;
    return stufen;
}

QSize FreiInPixeln()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {};
    // Unter Zoom zählt Qt in vergrößerten Punkten; zurück in Pixel.
    return s->availableGeometry().size() * qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

int ZoomGespeichert()
{
    const int z = Einstellungen().value(ZoomSchluessel, 100).toInt();
    return ZoomErlaubt(z) ? z : 100;
}

void ZoomSpeichern(int prozent)
{
    if (ZoomErlaubt(prozent)) Einstellungen().setValue(ZoomSchluessel, prozent);
}

void ZoomVorDemStartSetzen(int prozent, QSize freiInPixeln)
{
    if (prozent == 0 && qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    int z = ZoomErlaubt(prozent) ? prozent : ZoomGespeichert();
    // Gespeichert bleibt die Wahl: auf dem großen Bildschirm gilt sie wieder.
    if (freiInPixeln.isValid()) z = qMin(z, PassendeZoomStufen(freiInPixeln).constLast());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(z / 100.0));
}

QString SpracheGespeichert() { return Einstellungen().value(SpracheSchluessel).toString(); }

void SpracheSpeichern(const QString& kuerzel) { Einstellungen().setValue(SpracheSchluessel, kuerzel); }

void SpracheVorDemStartSetzen(const std::string& verlangt)
{
    const std::string gespeichert = U(SpracheGespeichert());
    const std::string k = !verlangt.empty()     ? verlangt
                          : !gespeichert.empty() ? gespeichert
                                                 : SpracheAusUmgebung(Pfade.Sprachen);
    SpracheSetzen(k, Pfade.Sprachen);
}

TProgrammInfoF::TProgrammInfoF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("ProgrammInfoF"), Tq("Info"));
    setFixedSize(400, 510);

    auto* bild = Bildschild(this, QStringLiteral("pokal"), QSize(110, 110));
    auto* titel = Mittig(this, QStringLiteral("Torvane"), Schrift(26, true));
    titel->setStyleSheet(QStringLiteral("color: %1;").arg(Hex(Farbe::Rasen)));
    auto* version = Mittig(this, Tq("Die FußballManagerSimulation") + QStringLiteral("\n") + Q(VersionLang()), Schrift(10, true));
    version->setObjectName(QStringLiteral("Version"));
    auto* text = new QLabel(
        Tq("Ein bis vier Manager übernehmen je einen Verein der Oberliga und versuchen, "
           "mit Geschick und etwas Glück bis in die Bundesliga aufzusteigen.\n\n"
           "Alle Vereine, Spieler, Bilder und Klänge sind frei erfunden und "
           "mit eigenen Werkzeugen erzeugt. Ähnlichkeiten mit echten Vereinen "
           "sind rein zufällig."),
        this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    // Die Größe gilt für alle Fenster; Qt kann sie nur beim Start festlegen.
    auto* zoomZeile = new QHBoxLayout;
    auto* zoomText = new QLabel(Tq("Fenstergröße"), this);
    zoomText->setFont(Schrift(10, true));
    Zoom = new QComboBox(this);
    Zoom->setObjectName(QStringLiteral("Zoom"));
    // Nur, was auf diesen Bildschirm passt.
    for (const int z : PassendeZoomStufen(FreiInPixeln())) Zoom->addItem(QStringLiteral("%1 %").arg(z), z);
    ZoomZeigen();
    Zoom->setToolTip(Tq("Für große Bildschirme; gilt ab dem nächsten Start"));
    auto* zoomHinweis = new QLabel(Tq("ab dem nächsten Start"), this);
    zoomZeile->addStretch(1);
    zoomZeile->addWidget(zoomText);
    zoomZeile->addWidget(Zoom);
    zoomZeile->addWidget(zoomHinweis);
    zoomZeile->addStretch(1);
    connect(Zoom, &QComboBox::currentIndexChanged, this, [this](int i) { ZoomSpeichern(Zoom->itemData(i).toInt()); });
    // Die Namen der Sprachen in ihrer eigenen Sprache, damit jeder die seine findet.
    auto* spracheZeile = new QHBoxLayout;
    auto* spracheText = new QLabel(QStringLiteral("Sprache / Language"), this);
    spracheText->setFont(Schrift(10, true));
    SpracheWahl = new QComboBox(this);
    SpracheWahl->setObjectName(QStringLiteral("Sprache"));
    SpracheWahl->addItem(Tq("System"), QString());
    for (const std::string& k : SprachenImOrdner(Pfade.Sprachen))
        SpracheWahl->addItem(k == "de" ? QStringLiteral("Deutsch") : k == "en" ? QStringLiteral("English") : Q(k), Q(k));
    SpracheZeigen();
    SpracheWahl->setToolTip(Tq("Gilt ab dem nächsten Start"));
    spracheZeile->addStretch(1);
    spracheZeile->addWidget(spracheText);
    spracheZeile->addWidget(SpracheWahl);
    spracheZeile->addWidget(new QLabel(Tq("ab dem nächsten Start"), this));
    spracheZeile->addStretch(1);
    connect(SpracheWahl, &QComboBox::currentIndexChanged, this,
            [this](int i) { SpracheSpeichern(SpracheWahl->itemData(i).toString()); });
    auto* ok = new QPushButton(Tq("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* l = new QVBoxLayout(this);
    l->addWidget(bild);
    l->addWidget(titel);
    l->addWidget(version);
    l->addWidget(text, 1);
    l->addLayout(zoomZeile);
    l->addLayout(spracheZeile);
    l->addWidget(ok, 0, Qt::AlignCenter);
}

void TProgrammInfoF::ZoomZeigen()
{
    // Passt die gespeicherte Stufe nicht auf diesen Bildschirm, läuft das Spiel in der größten,
    // die passt; das Zeigen allein speichert nichts.
    const QSignalBlocker still(Zoom);
    const int i = Zoom->findData(ZoomGespeichert());
    Zoom->setCurrentIndex(i >= 0 ? i : Zoom->count() - 1);
}

void TProgrammInfoF::SpracheZeigen()
{
    const QSignalBlocker still(SpracheWahl);
    const int i = SpracheWahl->findData(SpracheGespeichert());
    SpracheWahl->setCurrentIndex(i >= 0 ? i : 0);
}

void TProgrammInfoF::oeffnen()
{
    ZoomZeigen();
    SpracheZeigen();
    MittigAuf(this, Hauptfenster());
    exec();
}

} // namespace torvane

#include "core/screens/Stil.h"

#include "core/screens/QtOberflaeche.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <map>

namespace torvane {

QString Hex(const QColor& c) { return c.name(QColor::HexRgb); }

QFont Schrift(int punkte, bool fett)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}

QFont FesteSchrift(int punkte, bool fett)
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}

QWidget* FragendesFenster(const QWidget* ausser)
{
    for (QWidget* w : {QApplication::activeModalWidget(), QApplication::activeWindow()})
        if (w && w != ausser && w->isVisible()) return w;
    return Hauptfenster();
}

void MittigAuf(QWidget* w, const QWidget* bezug)
{
    if (!bezug) bezug = FragendesFenster(w);
    if (!bezug || !bezug->isVisible()) return;
    // Die Größe steht erst nach dem Layout fest; das Fenster misst sich vorher selbst.
    if (!w->isVisible()) w->adjustSize();
    const QSize g = w->isVisible() ? w->frameGeometry().size() : w->size();
    AufDenBildschirm(w, bezug->frameGeometry().center() - QPoint(g.width() / 2, g.height() / 2), bezug->screen());
}

void AufDenBildschirm(QWidget* w, QPoint ort, const QScreen* s)
{
    if (!s) s = QGuiApplication::screenAt(ort);
    if (!s) s = w->screen();
    const QSize g = w->isVisible() ? w->frameGeometry().size() : w->size();
    if (s) {
        const QRect frei = s->availableGeometry();
        ort.setX(qBound(frei.left(), ort.x(), qMax(frei.left(), frei.right() - g.width())));
        ort.setY(qBound(frei.top(), ort.y(), qMax(frei.top(), frei.bottom() - g.height())));
    }
    w->move(ort);
}

void StilSetzen(QWidget* w)
{
    w->setStyleSheet(QStringLiteral(
                         "QWidget#%1 { background-color: %2; }"
                         "QLabel { color: %3; }"
                         "QPushButton { background-color: %4; color: white; border: 2px solid %5;"
                         "  border-radius: 6px; padding: 3px 8px; }"
                         "QPushButton:hover { background-color: %5; }"
                         "QPushButton:pressed { background-color: %6; color: %3; }"
                         "QPushButton:disabled { background-color: #bdbdbd; border-color: #9e9e9e; color: #eeeeee; }"
                         "QLineEdit, QComboBox, QListWidget, QPlainTextEdit { background: white; color: %3;"
                         "  border: 1px solid %4; border-radius: 4px; padding: 2px; }")
                         .arg(w->objectName(), Hex(Farbe::Creme), Hex(Farbe::Tinte), Hex(Farbe::Rasen),
                              Hex(Farbe::RasenHell), Hex(Farbe::Sonne)));
    w->setFont(Schrift(10));
}

QLabel* Kopfzeile(const QString& text, QWidget* eltern)
{
    auto* l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(Schrift(13, true));
    l->setMaximumHeight(40);
    l->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: white; border-radius: 6px; padding: 4px; }")
                         .arg(Hex(Farbe::Rasen)));
    return l;
}

QLabel* Mittig(QWidget* eltern, const QString& text, const QFont& f)
{
    auto* l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(f);
    return l;
}

QPushButton* Knopf(QWidget* eltern, const QString& text, const QString& name, QRect ort)
{
    auto* b = Element<QPushButton>(eltern, name, ort);
    b->setText(text);
    return b;
}

QLabel* Schild(QWidget* eltern, const QString& name, QRect ort, const QFont& f, Qt::Alignment a)
{
    auto* l = Element<QLabel>(eltern, name, ort);
    l->setFont(f);
    l->setAlignment((a & Qt::AlignVertical_Mask) ? a : a | Qt::AlignVCenter);
    return l;
}

void FensterEinrichten(QWidget* w, const QString& name, const QString& titel)
{
    w->setObjectName(name);
    w->setWindowTitle(titel);
    w->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    StilSetzen(w);
}

QLabel* FensterMitKopf(QWidget* w, const QString& name, const QString& titel, QSize groesse, const QString& kopf)
{
    FensterEinrichten(w, name, titel);
    w->setFixedSize(groesse);
    QLabel* k = Kopfzeile(kopf.isNull() ? titel : kopf, w);
    k->setGeometry(10, 8, groesse.width() - 20, 34);
    return k;
}

namespace {

// Beim ersten Zeigen (Polish) stellt jedes Schild ohne ausdrückliches Format auf reinen Text.
// Nicht das Tooltipfenster: Tooltips mit Namen maskiert TippWoertlich.
class WoertlichFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Polish)
            if (auto* l = qobject_cast<QLabel*>(o); l && l->textFormat() == Qt::AutoText && l->windowType() != Qt::ToolTip)
                l->setTextFormat(Qt::PlainText);
        return false;
    }
};

// Schließt ein Fenster (eine Nachricht, eine Frage, die Verhandlung), bekommt das Fenster die
// Tastatur zurück, aus dem es kam: der Transfermarkt unter der Verhandlung, die Pokalspiele
// unter ihrer Frage. Alle Fenster gehören dem Hauptfenster; manche Fenstermanager gäben sie
// sonst ihm, und Escape und Enter gingen ins Leere, bis der Spieler klickt.
class FokusFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show && e->type() != QEvent::Hide) return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isWindow() || (w->windowType() != Qt::Dialog && w->windowType() != Qt::Window)) return false;
        if (e->type() == QEvent::Show) {
            QWidget* aktiv = QApplication::activeWindow();
            // Auch ohne Herkunft neu eintragen: ein späteres Fenster an derselben Adresse erbt nichts.
            if (aktiv && aktiv != w) herkunft_[w] = aktiv;
            else herkunft_.erase(w);
            return false;
        }
        const auto it = herkunft_.find(w);
        if (it == herkunft_.end()) return false;
        const QPointer<QWidget> zurueck = it->second;
        herkunft_.erase(it);
        QTimer::singleShot(0, this, [zurueck] {
            if (zurueck && zurueck->isVisible() && !zurueck->isActiveWindow() && !QApplication::activePopupWidget() &&
                (!QApplication::activeModalWidget() || QApplication::activeModalWidget() == zurueck))
                zurueck->activateWindow();
        });
        return false;
    }

private:
    std::map<QWidget*, QPointer<QWidget>> herkunft_;
};

// Jeder Filter einmal je Anwendung (die Tests legen mehrere nacheinander an).
template <class Filter> void EinmalFiltern()
{
    static QApplication* schon = nullptr;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || app == schon) return;
    schon = app;
    app->installEventFilter(new Filter(app));
}

} // namespace

void FokusZurueckgeben() { EinmalFiltern<FokusFilter>(); }

void TexteWoertlich() { EinmalFiltern<WoertlichFilter>(); }

void TextEinpassen(QLabel* l, const QString& text, int kleinste)
{
    // Die Größe, die das Schild von Haus aus hat, nicht die eines vorigen langen Namens.
    l->ensurePolished();
    if (!l->property("grundPunkte").isValid()) l->setProperty("grundPunkte", l->font().pointSize());
    const int platz = l->contentsRect().width() - 2 * l->margin() - qMax(0, l->indent());
    QFont f = l->font();
    for (int p = l->property("grundPunkte").toInt(); p >= kleinste; --p) {
        f.setPointSize(p);
        if (QFontMetrics(f).horizontalAdvance(text) <= platz) break;
    }
    l->setFont(f);
    const QString gezeigt = QFontMetrics(f).elidedText(text, Qt::ElideRight, platz);
    l->setText(gezeigt);
    l->setToolTip(gezeigt == text ? QString() : TippWoertlich(text));
}

QString TippWoertlich(const QString& text)
{
    if (text.isEmpty()) return text;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace torvane

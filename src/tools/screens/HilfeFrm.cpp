#include "tools/screens/HilfeFrm.h"

#include "core/Cp1252.h"
#include "core/Datei.h"
#include "core/Oberflaeche.h"
#include "core/Pfade.h"
#include "core/screens/Bilder.h"
#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"

#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

THilfeF* HilfeF = nullptr;

THilfeF::THilfeF(QWidget* eltern) : QDialog(eltern)
{
    FensterEinrichten(this, QStringLiteral("HilfeF"), Tq("Hilfe"));
    setFixedSize(550, 556);

    auto* kopf = new QHBoxLayout;
    auto* bild = new QLabel(this);
    bild->setPixmap(Bild(QStringLiteral("hilfe"), QSize(56, 56)));
    kopf->addWidget(bild);
    kopf->addWidget(Kopfzeile(Tq("Hilfe"), this), 1);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(Schrift(10));
    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status"));
    Speichern = new QPushButton(Tq("Speichern"), this);
    Speichern->setObjectName(QStringLiteral("Speichern"));
    Schliessen = new QPushButton(Tq("Schließen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    for (QPushButton* b : {Speichern, Schliessen}) b->setAutoDefault(false);
    connect(Speichern, &QPushButton::clicked, this, [this] {
        if (speichern()) Klang("speichern");
    });
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::close);
    connect(Memo1, &QPlainTextEdit::modificationChanged, this,
            [this](bool geaendert) { Status->setText(geaendert ? Tq("geändert") : QString()); });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(Status, 1);
    knoepfe->addWidget(Speichern);
    knoepfe->addWidget(Schliessen);
    auto* l = new QVBoxLayout(this);
    l->addLayout(kopf);
    l->addWidget(Memo1, 1);
    l->addLayout(knoepfe);
}

QString THilfeF::datei() const { return Q(Pfade.Daten) + name_; }

QString HilfeDateiName()
{
    // Eine Sprache ohne eigene Hilfe liest die deutsche.
    if (Sprache() != "de") {
        const QString eigene = QStringLiteral("Hilfe.%1.dat").arg(Q(Sprache()));
        if (QFile::exists(Q(Pfade.Daten) + eigene)) return eigene;
    }
    return QStringLiteral("Hilfe.dat");
}

void THilfeF::laden()
{
    // Gespeichert wird, was gezeigt wurde; nur der Name, denn der Datenordner kann vor dem
    // Schreiben in den Benutzerordner wechseln.
    name_ = HilfeDateiName();
    QFile f(datei());
    QString text;
    if (f.open(QIODevice::ReadOnly)) {
        const QByteArray roh = f.readAll();
        text = Q(Cp1252NachUtf8(std::string_view(roh.constData(), static_cast<size_t>(roh.size()))));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    Memo1->setPlainText(text);
    Memo1->document()->setModified(false);
}

bool THilfeF::speichern()
{
    QString text = Memo1->toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    // Die Datei ist Windows-1252: was sie nicht halten kann, wird vorher genannt, nicht still zu "?".
    std::string fehlt;
    for (const std::string& z : NichtInCp1252(U(text))) fehlt += (fehlt.empty() ? "" : " ") + z;
    if (!fehlt.empty() && !Frage(Tz("Diese Zeichen kann die Hilfe nicht speichern, sie würden zu \"?\":\n%1\n\n"
                                    "Trotzdem speichern ?",
                                    {fehlt})))
        return false;
    const std::string roh = Utf8NachCp1252(U(text));
    // Ein Abbruch mitten im Schreiben lässt die alte Hilfe ganz, ein Link an ihrer Stelle sein Ziel.
    // Ein installiertes Spiel schreibt in die Kopie der Daten im Benutzerordner.
    std::string grund;
    if (!DatenBeschreibbarMachen() || !DateiSicherErsetzen(QFile::encodeName(datei()).toStdString(), roh, grund)) {
        FehlerMeldung(Tz("Die Hilfe konnte nicht gespeichert werden.\n%1", {U(datei())}) +
                      (grund.empty() ? std::string() : NL + grund));
        return false;
    }
    Memo1->document()->setModified(false);
    return true;
}

void THilfeF::zeigen()
{
    if (isVisible() && Memo1->document()->isModified()) {
        raise();
        activateWindow();
        return;
    }
    laden();
    AmStandardOrt(this);
}

void THilfeF::closeEvent(QCloseEvent* e)
{
    if (!Memo1->document()->isModified()) return e->accept();
    switch (Meldung(DialogArt::Bestaetigung, T("Die Änderungen sind noch nicht gespeichert. Vorher speichern ?"),
                    Knoepfe::JaNeinAbbrechen)) {
    case Antwort::Ja:
        if (speichern()) return e->accept();
        return e->ignore();
    case Antwort::Nein:
        Memo1->document()->setModified(false);
        return e->accept();
    default: return e->ignore();
    }
}

} // namespace torvane

#include "core/screens/QtOberflaeche.h"

#include "core/Funky.h"
#include "core/Variablen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace torvane {

QString Q(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
std::string U(const QString& s) { return s.toUtf8().toStdString(); }

void QtOberflaeche::klang(const std::string&, bool) {}

void QtOberflaeche::warte(int ms, bool still)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < ms) {
        if (!still) QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(still ? static_cast<unsigned long>(ms) : 5);
        if (still) break;
    }
}

int QtOberflaeche::zahleneingabe(int anfang, const std::string& frage, int, int)
{
    bool ok = false;
    const int z = QInputDialog::getInt(hauptfenster, Q(frage), Q(frage), anfang, 0, 999999999, 1, &ok);
    return ok ? z : 0;
}

std::string QtOberflaeche::nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int,
                                     int, int)
{
    QMessageBox box(hauptfenster);
    box.setWindowTitle(QStringLiteral("Nachricht"));
    box.setText(Q(kopf));
    box.setInformativeText(Q(text));
    switch (art.typ) {
    case NachrichtArt::Jein: {
        auto* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.exec();
        return box.clickedButton() == static_cast<QAbstractButton*>(ja) ? "Ja" : "Nein";
    }
    case NachrichtArt::Alles: {
        auto* weiter = box.addButton(QStringLiteral("Weiter"), QMessageBox::AcceptRole);
        auto* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.exec();
        return box.clickedButton() == static_cast<QAbstractButton*>(weiter) ? "Weiter"
               : box.clickedButton() == static_cast<QAbstractButton*>(ja) ? "Ja" : "Nein";
    }
    case NachrichtArt::Auto:
        box.setStandardButtons(QMessageBox::NoButton);
        QTimer::singleShot(art.autoMs, &box, &QMessageBox::accept);
        box.exec();
        return "";
    default:
        box.addButton(QStringLiteral("Weiter"), QMessageBox::AcceptRole);
        box.exec();
        return "Weiter";
    }
}

Antwort QtOberflaeche::dialog(DialogArt art, const std::string& text, Knoepfe knoepfe)
{
    if (dialogVorgabe) return dialogVorgabe(art, text, knoepfe);
    QMessageBox::StandardButtons k = QMessageBox::Ok;
    switch (knoepfe) {
    case Knoepfe::Ok: k = QMessageBox::Ok; break;
    case Knoepfe::JaNein: k = QMessageBox::Yes | QMessageBox::No; break;
    case Knoepfe::JaAbbrechen: k = QMessageBox::Yes | QMessageBox::Cancel; break;
    case Knoepfe::JaNeinAbbrechen: k = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case Knoepfe::OkAbbrechen: k = QMessageBox::Ok | QMessageBox::Cancel; break;
    }
    QMessageBox::Icon icon = art == DialogArt::Warnung       ? QMessageBox::Warning
                             : art == DialogArt::Fehler       ? QMessageBox::Critical
                             : art == DialogArt::Bestaetigung ? QMessageBox::Question
                                                              : QMessageBox::Information;
    QMessageBox box(icon, QStringLiteral("Torvane"), Q(text), k, hauptfenster);
    switch (box.exec()) {
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    case QMessageBox::Cancel: return Antwort::Abbrechen;
    default: return Antwort::Ok;
    }
}

void QtOberflaeche::warteAufBefehl(const std::string& erwartet)
{
    while (S.Befehl != erwartet) {
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
        if (QApplication::closingDown()) return;
    }
}

} // namespace torvane

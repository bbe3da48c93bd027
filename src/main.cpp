// Ein Programm: das Spielfenster, oder mit --autoplay das Spiel ohne Bildschirm.
#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/Variablen.h"
#include "core/screens/QtOberflaeche.h"

#include <QApplication>
#include <QDateTime>
#include <QMainWindow>
#include <QStandardPaths>

#include <cstdio>

using namespace torvane;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane"));
    PfadeSetzen(U(QApplication::applicationDirPath()),
                U(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    ZufallSetzen(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));

    QtOberflaeche ui;
    OberflaecheSetzen(&ui);

    QMainWindow fenster;
    ui.hauptfenster = &fenster;
    fenster.setWindowTitle(QStringLiteral("Torvane"));
    fenster.resize(800, 600);
    fenster.setStyleSheet(QStringLiteral("background-color: black;"));
    fenster.show();
    const int rc = app.exec();
    OberflaecheSetzen(nullptr);
    return rc;
}

// Kleine Bausteine der Finanz- und Trainingsfenster: Gruppen, Beschriftungen und
// Wertfelder, deren Farbe sagt, ob ein Wert gut, bedenklich oder belanglos ist.
#pragma once

#include "core/screens/QtOberflaeche.h"
#include "core/screens/Stil.h"
#include "finance/Info.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

namespace torvane {

inline QGroupBox* Gruppe(QWidget* eltern, const QString& titel, QRect ort, const QString& name = {})
{
    auto* g = new QGroupBox(titel, eltern);
    if (!name.isEmpty()) g->setObjectName(name);
    g->setGeometry(ort);
    g->setFont(Schrift(10, true));
    g->setStyleSheet(QStringLiteral("QGroupBox { border: 2px solid %1; border-radius: 6px; margin-top: 10px; }"
                                    "QGroupBox::title { subcontrol-origin: margin; left: 10px; color: %2; }")
                         .arg(Hex(Farbe::RasenHell), Hex(Farbe::Rasen.darker(130))));
    return g;
}

inline QLabel* Beschrift(QWidget* eltern, const QString& text, QRect ort, int punkte = 10, bool fett = false,
                         const QString& name = {})
{
    auto* l = new QLabel(text, eltern);
    if (!name.isEmpty()) l->setObjectName(name);
    l->setGeometry(ort);
    l->setFont(Schrift(punkte, fett));
    return l;
}

// Ein Wertfeld: weiße Tafel mit rechtsbündiger Zahl.
inline QLabel* Wertfeld(QWidget* eltern, const QString& name, QRect ort)
{
    auto* l = Schild(eltern, name, ort, Schrift(10, true), Qt::AlignRight);
    l->setStyleSheet(
        QStringLiteral("QLabel { background: white; border: 1px solid %1; border-radius: 4px; padding: 0 6px; }")
            .arg(Hex(Farbe::RasenHell)));
    return l;
}

// Farbe eines Wertfelds: hellgrün gut, rot Warnung, blass belanglos.
inline void TonSetzen(QLabel* l, Ton ton)
{
    const QString grund = ton == Ton::Gut       ? Hex(Farbe::Limette)
                          : ton == Ton::Warnung ? Hex(Farbe::Rot)
                                                : QStringLiteral("#eeeeee");
    const QString schrift = ton == Ton::Warnung ? QStringLiteral("white") : Hex(Farbe::Tinte);
    l->setStyleSheet(
        QStringLiteral(
            "QLabel { background: %1; color: %2; border: 1px solid %3; border-radius: 4px; padding: 0 6px; }")
            .arg(grund, schrift, Hex(Farbe::RasenHell)));
}

// Ein gelber Balken 0..100 mit seinem Wert in der Mitte (format wie "%v %").
inline QProgressBar* Balken(QWidget* eltern, const QString& name, QRect ort, const QString& format)
{
    auto* b = new QProgressBar(eltern);
    b->setObjectName(name);
    b->setGeometry(ort);
    b->setRange(0, 100);
    b->setFormat(format);
    b->setStyleSheet(QStringLiteral("QProgressBar { background: white; border: 1px solid %1; border-radius: 4px;"
                                    " text-align: center; }"
                                    "QProgressBar::chunk { background: %2; border-radius: 3px; }")
                         .arg(Hex(Farbe::Tinte), Hex(Farbe::Sonne)));
    return b;
}

inline void FeldZeigen(QLabel* l, const Infofeld& f)
{
    l->setText(Q(f.text));
    TonSetzen(l, f.ton);
}

} // namespace torvane

// "--screenshots": einige Ereignisse mit ihrem Nachrichtenfenster als Bilder.
#pragma once

#include <QString>
#include <QStringList>

namespace torvane {

// Spielt ausgewählte Ereignisse im Beispielspiel und legt ihre Meldungen als ereignis_*.png ab.
QStringList EreignisBildschirmfotos(const QString& ordner);

} // namespace torvane

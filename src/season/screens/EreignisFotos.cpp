#include "season/screens/EreignisFotos.h"

#include "core/AutoOberflaeche.h"
#include "core/Variablen.h"
#include "core/screens/MailFrm.h"
#include "core/screens/QtOberflaeche.h"
#include "flow/screens/Bildschirmfotos.h"
#include "season/Ereignis.h"

#include <QFileInfo>
#include <QApplication>
#include <QDir>

#include <algorithm>
#include <deque>

namespace torvane {

namespace {

// Zeigt jede Meldung im echten Nachrichtenfenster, fotografiert es und antwortet wie der Automat.
class Fotooberflaeche : public AutoOberflaeche {
public:
    QString datei;
    QStringList fertig;

    Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x, int y,
                          int bild) override
    {
        TMailF f(Hauptfenster());
        f.fuellen(QString::fromStdString(kopf), Zeilen(text), art, bild);
        f.show();
        QApplication::processEvents();
        if (!datei.isEmpty()) GefundeneAbschnitte << AbgeschnitteneTexte(&f, QFileInfo(datei).baseName());
        if (!datei.isEmpty() && f.grab().save(datei)) fertig << datei;
        datei.clear();
        return AutoOberflaeche::nachricht(kopf, text, art, x, y, bild);
    }
};

struct EreignisFoto {
    const char* name;
    int ereignis;
    std::deque<int32_t> ziehungen;
};

} // namespace

QStringList EreignisBildschirmfotos(const QString& ordner)
{
    if (!QDir().mkpath(ordner) || !BeispielSpielAnlegen()) return {};
    Fotooberflaeche ui;
    Oberflaeche* vorher = &UI();
    OberflaecheSetzen(&ui);
    S.AktManager = 0;
    S.Spiel.Saison = 2;
    const EreignisFoto fotos[] = {
        {"ereignis_geld", 3, {98}},
        {"ereignis_spieler", 21, {17, 0, 1, 1, 20, 0, 1}},
        {"ereignis_komfort", 23, {3}},
        {"ereignis_zeugnis", 19, {}},
        {"ereignis_ball", 1, {0}},
        {"ereignis_aktien", 40, {2, 120, 850}},
        {"ereignis_nichts", 43, {}},
    };
    for (const EreignisFoto& f : fotos) {
        std::deque<int32_t> z = f.ziehungen;
        Sitzung.EreignisZiehung = [&z](int32_t von, int32_t bis) {
            if (z.empty()) return von;
            const int32_t v = z.front();
            z.pop_front();
            return std::clamp(v, std::min(von, bis), std::max(von, bis));
        };
        if (f.ereignis == 19) S.Manager[0].Managerpunkte = 12.0f;
        ui.datei = QDir(ordner).filePath(QString::fromLatin1(f.name) + QStringLiteral(".png"));
        Ereignis(f.ereignis);
    }
    Sitzung.EreignisZiehung = nullptr;
    OberflaecheSetzen(vorher);
    return ui.fertig;
}

} // namespace torvane

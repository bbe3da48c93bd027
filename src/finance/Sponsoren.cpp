#include "finance/Sponsoren.h"

#include "core/Sprache.h"

namespace torvane {

const std::array<const char*, 18> BandenSponsoren = {
    "Bimbos Schuhputzservice",
    "Ötztürk - Pommes",
    "Ihr Rasenmähermann",
    "Clown Pepe und seine Balljongleure",
    "Helmut`s Rasenpflege",
    "Oberdorfer Domspatzen",
    "Messer,Knüppel+Tränengas HULIG",
    "Fußballschuhe aus Krokodilleder",
    "Autohaus Ozon",
    "Lotusblüten aus Tailand (He He)",
    "Schweden Stahl KG",
    "Topato AG",
    "Bundesbank",
    "Öko-Öl",
    "Mikrosoft",
    "RiTus Tools",
    "HASE-SÄGEN",
    "Torvane",
};

const std::array<const char*, 24> TrikotSponsoren = {
    "Grabsteine und Fußpflege Erdnagel (Würg)",
    "Angelos`s Eiscafe, kom macke eine kleine Spiel",
    "Wie Süüüüüß.  Hundenschule Frau Frolik",
    "Rettet den Wald \"Verein der Werwölfe\" (knurrr)",
    "Zauberhafte Zaubereien (Huhu)",
    "Brauerei Hopfen (Eh, Komasaufen)",
    "Metzgerei BSE-Frei (Hack`n)",
    "RUF MICH AN ... SOFORT (Hechel, Lechz)",
    "Moosis Modestüble (Daisy darf geschlagen werden)",
    "Elektroschock REW (ZZZZzitttterr)",
    "Reisebüro um die Welt",
    "R I S I K O",
    "Museum der Antike",
    "Tritt ein. Sekte von Zeugen",
    "Rauchen fördert das Wohlsein",
    "FernOst Schrott. Neues bei Tobi",
    "Programmieren in 3 Tagen. Abendkurs Bitschubser",
    "Türe zu wir kommen im Nuh, Panzerknacker",
    "Flughafen Messerschmitt (Alte Zeiten Opa)",
    "Stimmen aus dem All. TV-Kaiser",
    "Peterchen´s Mondfahrt",
    "F1 Fahrstunden in Monte Carlo",
    "**** Der Schöpfer ****",
    "Torvane. Das Spiel zum Verein",
};

const std::array<const char*, 3> TrikotTitel = {
    N_("Trikotwerbung mit kleinem Sticker"),
    N_("Trikotwerbezusatz"),
    N_("Trikotwerbung hinten und vorne"),
};

const std::array<const char*, 24> WerbeSprueche = {
    N_("Na ja"), N_("Sonderangebot"), N_("Jetzt zum Superpreis"), N_("Weltweit Filialen"),
    N_("Schlagen Sie zu"), N_("Immer dabei"), N_("AffenTittenGeil"), N_("Einmaliges Angebot"),
    N_("Einfach Toll"), N_("Kennt jeder"), N_("Muß man haben"), N_("Gilt nur für Heute"),
    N_("Geld durch Werbung"), N_("Bärenstark"), N_("Was will man mehr !"), N_("Da geht was !"),
    N_("Los, mach mit !"), N_("Noch nie da gewesen !"), N_("Sag es weiter !"), N_("Nur für Dich !"),
    N_("Das Haut einen um !"), N_("Das gibt´s nur Einmal ..."), N_("... das kommt nie wieder !"), N_("Weitersagen"),
};

} // namespace torvane

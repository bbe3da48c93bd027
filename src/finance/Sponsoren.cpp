#include "finance/Sponsoren.h"

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
    "Trikotwerbung mit kleinem Sticker",
    "Trikotwerbezusatz",
    "Trikotwerbung hinten und vorne",
};

const std::array<const char*, 24> WerbeSprueche = {
    "Na ja", "Sonderangebot", "Jetzt zum Superpreis", "Weltweit Filialen", "Schlagen Sie zu",
    "Immer dabei", "AffenTittenGeil", "Einmaliges Angebot", "Einfach Toll", "Kennt jeder",
    "Muß man haben", "Gilt nur für Heute", "Geld durch Werbung", "Bärenstark", "Was will man mehr !",
    "Da geht was !", "Los, mach mit !", "Noch nie da gewesen !", "Sag es weiter !", "Nur für Dich !",
    "Das Haut einen um !", "Das gibt´s nur Einmal ...", "... das kommt nie wieder !", "Weitersagen",
};

} // namespace torvane

#!/usr/bin/env python3
"""Erzeugt die Grunddaten der Spielwelt in daten/.

Alles ist frei erfunden: Vereine aus echten Ortsnamen plus landesüblichen
Präfixen, Spieler aus eigenen Namenslisten je Nation. Fester Zufallsstartwert,
ein zweiter Lauf liefert dieselben Bytes.

Format aller Dateien: ein Wert pro Zeile, Windows-1252, CRLF, abschließendes CRLF.

Aufruf: python3 scripts/daten_erzeugen.py [zielordner]
"""

import os
import random
import sys

STARTWERT = 19982001

NAME_MAX_VEREIN = 25
NAME_MAX_SPIELER = 20

# ---------------------------------------------------------------------------
# Nationen: (Name, Kürzel, Bonus, Vereine im Ausland, Spieler im Pool)
# Bonus wirkt bei Saisonstart auf die Stärke der ausländischen Vereine.
# Deutschland steht vorn; die Vereinszahl 0 heißt: deutsche Vereine kommen
# aus den Ligalisten weiter unten.
# ---------------------------------------------------------------------------
NATIONEN = [
    ("Deutschland", "D", 8, 0, 1180),
    ("Spanien", "E", 10, 8, 80),
    ("Italien", "I", 9, 8, 80),
    ("England", "GB", 9, 8, 80),
    ("Frankreich", "F", 7, 8, 80),
    ("Niederlande", "NL", 6, 8, 80),
    ("Portugal", "P", 6, 8, 80),
    ("Türkei", "TR", 4, 7, 55),
    ("Russland", "RUS", 4, 7, 55),
    ("Belgien", "B", 3, 7, 55),
    ("Ukraine", "UKR", 3, 7, 55),
    ("Griechenland", "GR", 2, 7, 55),
    ("Tschechien", "CZ", 2, 7, 55),
    ("Kroatien", "HR", 2, 6, 55),
    ("Schottland", "SCO", 1, 7, 55),
    ("Schweiz", "CH", 1, 7, 55),
    ("Dänemark", "DK", 1, 7, 55),
    ("Österreich", "A", 0, 7, 55),
    ("Serbien", "SRB", 0, 6, 55),
    ("Schweden", "S", -1, 6, 45),
    ("Polen", "PL", -2, 6, 55),
    ("Rumänien", "RO", -2, 6, 45),
    ("Norwegen", "N", -3, 6, 45),
    ("Bulgarien", "BG", -5, 6, 45),
    ("Ungarn", "H", -6, 6, 45),
]

# ---------------------------------------------------------------------------
# Deutsche Vereine, Liga 1 bis 5. Oben die großen Städte, unten die Dörfer.
# ---------------------------------------------------------------------------
DEUTSCHE_LIGEN = {
    1: [
        "Hanseatia Hamburg", "FC Isar München", "SV Domstadt Köln",
        "Germania Frankfurt", "SC Neckar Stuttgart", "Phönix Dortmund",
        "Rheinstern Düsseldorf", "Concordia Essen", "Viktoria Leipzig",
        "SC Weserstadt Bremen", "Elbflorenz Dresden", "Sportfreunde Hannover",
        "Frankonia Nürnberg", "Rhenania Duisburg", "Borussia Spandau",
        "Teutonia Bielefeld", "Westfalia Bochum", "Kurpfalz Mannheim",
    ],
    2: [
        "Borussia Wiesbaden", "Fuggerstadt Augsburg", "Alemannia Münster",
        "SV Saxonia Chemnitz", "Eintracht Kiel", "Fortuna Lübeck",
        "Union Oldenburg", "Rot-Weiß Kassel", "SpVgg Osnabrück",
        "Viktoria Aachen", "Blau-Weiß Magdeburg", "Concordia Erfurt",
        "SC Ostsee Rostock", "Sportfreunde Halle", "VfR Heidelberg",
        "Olympia Darmstadt", "Germania Regensburg", "Welfen Braunschweig",
    ],
    3: [
        "Borussia Paderborn", "TSV Göttingen 05", "FC Donau Ulm",
        "Goldstadt Pforzheim", "SV Main Würzburg", "Union Siegen",
        "Rhein-Mosel Koblenz", "SV Porta Trier", "Germania Reutlingen",
        "Eintracht Bayreuth", "VfB Gießen", "SC Rhön Fulda",
        "FC Domreiter Bamberg", "SV Hildesheim 1906", "TuS Hamm 09",
        "Sportfreunde Gütersloh", "Tuspo Landshut", "Eintracht Flensburg",
    ],
    4: [
        "SV Eichenau", "Borussia Hagenbeck", "TSV Weilheim",
        "FC Rottweil 08", "SpVgg Dinkelsbühl", "VfB Lindau",
        "TuS Wetzlar", "SC Bad Tölz", "Eintracht Celle",
        "TSG Ravensburg", "SV Husum", "Fortuna Lemgo",
        "ASV Cuxhaven", "SG Wolfhagen", "TSV Nördlingen",
        "Germania Eschwege", "FC Tegernsee", "SpVgg Mindelheim",
    ],
    5: [
        "SV Blaubeuren", "TSV Obernzell", "FC Eggenfelden", "SC Vilsbiburg",
        "SG Hinterzarten", "TuS Bad Ems", "SV Kirchheimbolanden", "VfL Zwiesel",
        "TSV Murnau", "FC Grafing", "SpVgg Pfaffenhofen", "SV Altötting",
        "TuS Sulingen", "FC Quakenbrück", "SV Uelzen", "TSV Bad Segeberg",
        "SG Ratzeburg", "VfR Marbach", "FC Schotten", "SV Bad Wildungen",
        "TSV Rothenburg", "Eintracht Gifhorn", "SC Ahlbeck", "FSV Zittau",
    ],
}

# ---------------------------------------------------------------------------
# Ausländische Vereine: Orte und Namensmuster je Nation ("{}" = Ort).
# "{gen}" = Ort im Genitiv. Bewusst kleinere Orte, damit keine bekannten
# Profivereine herauskommen.
# ---------------------------------------------------------------------------
AUSLAND_VEREINE = {
    "E": (["Aranjuez", "Talavera", "Lorca", "Ronda", "Cuenca", "Teruel",
           "Écija", "Linares", "Úbeda", "Zamora", "Béjar", "Motril"],
          ["Real {}", "Atlético {}", "CD {}", "UD {}", "Racing {}",
           "Sporting {}", "Deportivo {}", "CF {}"]),
    "I": (["Lucca", "Pavia", "Rieti", "Trani", "Asti", "Viterbo", "Sondrio",
           "Matera", "Biella", "Foligno", "Chieti", "Lodi"],
          ["AC {}", "US {}", "Virtus {}", "Sporting {}", "Pro {}",
           "Audace {}", "{} Calcio", "Fulgor {}"]),
    "GB": (["Bideford", "Whitby", "Ludlow", "Stamford", "Barnstaple",
            "Hexham", "Kendal", "Tewkesbury", "Malvern", "Ripon", "Wetherby",
            "Dorking", "Bridport"],
           ["{} Town", "{} United", "{} Rovers", "{} Athletic",
            "{} Wanderers", "{} City", "{} Albion", "{} Rangers"]),
    "F": (["Annecy", "Vichy", "Chartres", "Colmar", "Tarbes", "Cognac",
           "Dieppe", "Vannes", "Brive", "Mâcon", "Épinal", "Cholet", "Agen"],
          ["Olympique {}", "Racing {}", "Stade {}", "AS {}", "FC {}",
           "US {}", "SC {}", "Étoile {}"]),
    "NL": (["Gouda", "Delft", "Assen", "Hoorn", "Meppel", "Tiel", "Weert",
            "Harderwijk", "Kampen", "Zutphen", "Dokkum", "Sneek"],
           ["VV {}", "SC {}", "FC {}", "Go Ahead {}", "Sparta {}",
            "Quick {}", "SV {}", "{} Boys"]),
    "P": (["Tomar", "Viseu", "Lamego", "Elvas", "Évora", "Aveiro", "Covilhã",
           "Beja", "Fafe", "Lagos", "Mafra", "Peniche"],
          ["Sporting {}", "Académica {}", "União {}", "Desportivo {}",
           "SC {}", "Atlético {}", "GD {}", "CD {}"]),
    "TR": (["Bolu", "Tokat", "Ordu", "Aydin", "Isparta", "Çorum", "Edirne",
            "Amasya", "Kütahya", "Nigde", "Tarsus", "Bartin"],
           ["{}spor", "{} Belediyespor", "{} Gücü", "{} Idmanyurdu",
            "{} Demirspor", "{} Gençlerbirligi"]),
    "RUS": (["Kaluga", "Twer", "Pskow", "Kostroma", "Wladimir", "Smolensk",
             "Kursk", "Tambow", "Rjasan", "Pensa", "Orjol", "Wologda"],
            ["Dynamo {}", "Lokomotive {}", "Torpedo {}", "Spartak {}",
             "Metallurg {}", "Saturn {}", "Fakel {}", "Sokol {}"]),
    "B": (["Aalst", "Tienen", "Ieper", "Dinant", "Spa", "Hasselt", "Ninove",
           "Ronse", "Ath", "Diest", "Tongeren", "Bastogne", "Wavre", "Geel"],
          ["KV {}", "Racing {}", "Sporting {}", "Royal {}", "Olympic {}",
           "Union {}", "Excelsior {}", "Cercle {}"]),
    "UKR": (["Poltawa", "Tscherkassy", "Schytomyr", "Winnyzja", "Sumy",
             "Riwne", "Uschhorod", "Kowel", "Krementschuk", "Mukatschewo",
             "Berdytschiw"],
            ["Dynamo {}", "Metalist {}", "Karpaty {}", "Nywa {}",
             "Krywbas {}", "Obolon {}", "Naftowyk {}", "Zorja {}"]),
    "GR": (["Kavala", "Serres", "Veria", "Kozani", "Karditsa", "Trikala",
            "Chania", "Rethymno", "Kalamata", "Sparti", "Florina", "Edessa",
            "Agrinio"],
           ["AO {}", "Apollon {}", "Aris {}", "Ethnikos {}", "Iraklis {}",
            "Asteras {}", "Atromitos {}", "Niki {}"]),
    "CZ": (["Kolín", "Písek", "Tábor", "Znojmo", "Beroun", "Klatovy",
            "Vsetín", "Šumperk", "Náchod", "Žatec", "Kladno", "Cheb"],
           ["Slavia {}", "Viktoria {}", "Baník {}", "Dukla {}", "Slovan {}",
            "Bohemians {}", "Tatran {}", "SK {}", "FK {}"]),
    "HR": (["Vinkovci", "Karlovac", "Sisak", "Vukovar", "Cakovec",
            "Požega", "Knin", "Makarska", "Samobor", "Virovitica"],
           ["NK {}", "HNK {}", "Dinamo {}", "Slaven {}", "Jadran {}",
            "Mladost {}", "Rudar {}"]),
    "SCO": (["Peebles", "Oban", "Nairn", "Crieff", "Dunbar", "Largs",
             "Pitlochry", "Thurso", "Lanark", "Galashiels", "Kelso"],
            ["{} Thistle", "{} Academicals", "{} Rovers", "{} Athletic",
             "{} United", "{} Albion", "Heart of {}"]),
    "CH": (["Chur", "Olten", "Frauenfeld", "Zug", "Locarno", "Delémont",
            "Sierre", "Martigny", "Burgdorf", "Glarus", "Davos", "Herisau",
            "Einsiedeln"],
           ["FC {}", "SC {}", "BSC {}", "Young Fellows {}", "Concordia {}",
            "Étoile {}", "Stade {}"]),
    "DK": (["Ribe", "Nakskov", "Skagen", "Tønder", "Holbæk", "Svendborg",
            "Nyborg", "Thisted", "Kalundborg", "Grenaa", "Ringkøbing",
            "Skive"],
           ["{} BK", "{} IF", "{} FC", "{} Boldklub", "Fremad {}",
            "{} GIF"]),
    "A": (["Krems", "Leoben", "Wels", "Lienz", "Kufstein", "Gmunden",
           "Villach", "Hallein", "Tulln", "Feldkirch", "Spittal",
           "Zell am See"],
          ["SV {}", "Admira {}", "Rapid {}", "Austria {}", "Sturm {}",
           "Wacker {}", "ASK {}", "Union {}", "Blau-Weiß {}"]),
    "SRB": (["Šabac", "Kraljevo", "Valjevo", "Smederevo", "Sombor",
             "Vranje", "Leskovac", "Loznica", "Kikinda", "Paracin"],
            ["FK {}", "Radnicki {}", "Sloboda {}", "Borac {}", "Proleter {}",
             "Mladost {}", "OFK {}", "Napredak {}"]),
    "S": (["Ystad", "Visby", "Falun", "Arvika", "Motala", "Skövde",
           "Lidköping", "Kiruna", "Nyköping", "Ljungby", "Eksjö", "Sala"],
          ["{gen} IF", "{gen} FF", "{gen} BK", "IFK {}", "{} IS", "{gen} AIK"]),
    "PL": (["Zamosc", "Kalisz", "Nysa", "Legnica", "Sandomierz", "Gniezno",
            "Siedlce", "Chelm", "Suwalki", "Tarnów", "Rzeszów"],
           ["Polonia {}", "Odra {}", "Stal {}", "Górnik {}", "Ruch {}",
            "Olimpia {}", "Warta {}", "Hutnik {}", "KS {}"]),
    "RO": (["Alba Iulia", "Deva", "Turda", "Medias", "Slatina", "Zalau",
            "Caracal", "Dej", "Lugoj", "Tecuci", "Focsani"],
           ["Gloria {}", "Dinamo {}", "Progresul {}", "Unirea {}",
            "Universitatea {}", "Chimia {}", "Metalul {}", "CS {}"]),
    "N": (["Røros", "Lillehammer", "Gjøvik", "Kongsberg", "Halden",
           "Narvik", "Harstad", "Førde", "Florø", "Voss", "Notodden",
           "Elverum"],
          ["{} FK", "{} IL", "{} BK", "{} Fotball", "IF {}", "SK {}"]),
    "BG": (["Pleven", "Haskowo", "Jambol", "Gabrowo", "Kjustendil",
            "Pasardschik", "Dobritsch", "Silistra", "Widin", "Kasanlak",
            "Sliwen"],
           ["Lokomotive {}", "Botew {}", "Spartak {}", "Slawia {}",
            "Minjor {}", "Chimik {}", "Etar {}"]),
    "H": (["Eger", "Vác", "Szolnok", "Baja", "Gyula", "Kalocsa", "Ózd",
           "Makó", "Keszthely", "Tata", "Szekszárd", "Hatvan"],
          ["{} FC", "Honvéd {}", "Vasas {}", "Haladás {}", "Dózsa {}",
           "Bányász {}", "Volán {}", "Kinizsi {}"]),
}

# Echte Vereine, die trotz kleiner Orte nicht vorkommen sollen.
VEREINE_VERBOTEN = {
    "Real Zamora", "UD Talavera", "CF Talavera", "CD Linares", "Linares CF",
    "Real Jaén", "AC Pavia", "US Lucca", "AS Lucca", "Pro Patria",
    "AC Rieti", "US Foligno", "AS Matera", "Kendal Town", "Whitby Town",
    "Ludlow Town", "Stamford Town", "Ripon City", "Malvern Town",
    "Hexham Athletic", "Annecy FC", "FC Annecy", "Stade Lavallois",
    "US Chartres", "FC Chartres", "SC Colmar", "Stade Brive", "FC Cholet",
    "SO Cholet", "Go Ahead Eagles", "FC Delft", "VV Assen", "Sporting Tomar",
    "Académica Viseu", "Desportivo Aves", "Sporting Covilhã", "SC Covilhã",
    "SC Beja", "AD Fafe", "CD Mafra", "GD Peniche", "Bolu Belediyespor",
    "Tokatspor", "Orduspor", "Ispartaspor", "Çorumspor", "Edirnespor",
    "Amasyaspor", "Kütahyaspor", "Tarsus Idmanyurdu", "Bartinspor",
    "Dynamo Kaluga", "Lokomotive Kaluga", "Volga Twer", "Spartak Kostroma",
    "Torpedo Wladimir", "Dynamo Kursk", "Spartak Tambow", "Metallurg Lipezk",
    "Zenit Pensa", "Dynamo Wologda", "KV Aalst", "Eendracht Aalst",
    "Racing Tienen", "KV Ieper", "Sporting Hasselt", "KSK Ronse",
    "Racing Geel", "Vorskla Poltawa", "Dnipro Tscherkassy",
    "Polissja Schytomyr", "Nywa Winnyzja", "Weres Riwne", "Wolyn Luzk",
    "Krementschuk", "AO Kavala", "Apollon Kalamata", "Iraklis Psachna",
    "Asteras Tripolis", "Veria", "Atromitos Athen", "Tatran Prešov",
    "Baník Most", "SK Kladno", "FK Kladno", "Union Cheb", "Viktoria Žižkov",
    "Slovan Liberec", "Bohemians Praha", "FK Náchod", "NK Vinkovci",
    "HNK Vukovar", "Segesta Sisak", "NK Karlovac", "Slaven Belupo",
    "NK Samobor", "Peebles Rovers", "Nairn County", "Dunbar United",
    "Largs Thistle", "Kelso United", "Lanark United", "FC Chur",
    "SC Zug", "FC Locarno", "SR Delémont", "FC Sierre", "FC Martigny",
    "SC Burgdorf", "FC Frauenfeld", "FC Olten", "FC Herisau", "FC Einsiedeln",
    "HC Davos", "Skive IK", "Thisted FC", "Nykøbing FC", "Holbæk B&I",
    "Svendborg fB", "Kalundborg GB", "Ribe BK", "Admira Wacker",
    "SV Krems", "DSV Leoben", "WSG Tirol", "FC Kufstein", "SV Gmunden",
    "Villacher SV", "SV Spittal", "SV Lienz", "Radnicki Niš",
    "Radnicki Kragujevac", "Sloboda Užice", "Borac Cacak",
    "Mladost Lucani", "Napredak Kruševac", "Radnicki Sombor", "FK Loznica",
    "OFK Beograd", "FK Smederevo", "FK Valjevo", "Ystads IF", "Visby IF",
    "IFK Falun", "Arvika FF", "Motala AIK", "Skövde AIK", "IFK Mora",
    "Lidköpings FK", "Kiruna FF", "Nyköpings BIS", "IFK Eksjö",
    "Unia Tarnów", "Odra Opole", "Olimpia Elblag", "Stal Rzeszów",
    "Polonia Warschau", "Wigry Suwalki", "Hetman Zamosc", "KS Kalisz",
    "Miedz Legnica", "Stal Mielec", "Gloria Bistrita", "Gloria Buzau",
    "Unirea Alba Iulia", "Unirea Focsani", "Gaz Metan Medias",
    "CS Turda", "Unirea Dej", "CS Caracal", "Gjøvik FF", "Lillehammer FK",
    "Kongsberg IF", "Halden FK", "Narvik FK", "Harstad IL", "Førde IL",
    "Florø SK", "Voss IL", "Notodden FK", "Elverum IL", "Røros IL",
    "Spartak Pleven", "Dimitrowgrad", "Chaskowo", "Jambol", "Botew Wraza",
    "Etar Weliko Tarnowo", "Dobrudscha Dobritsch", "Egri FC", "Vác FC",
    "Szolnoki MÁV", "Bajai FC", "Gyulai FC", "Ózdi FC", "Makó FC",
    "Tatabánya Bányász", "Hatvan FC", "Szekszárd FC", "Tata FC",
    "Keszthely FC", "Kalocsa FC",
}

# Reservierte Namen: Vorschläge des Spiels für neu angelegte Manager.
VEREINE_RESERVIERT = {"AC Achern", "BF Burgen", "Cham", "DFF Dörgen",
                      "Erlangen", "FC Fallera", "Gerau"}

# ---------------------------------------------------------------------------
# Spielernamen je Nation: (Vornamen, Nachnamen). Transliteriert, wo ein
# Zeichen nicht in Windows-1252 liegt.
# ---------------------------------------------------------------------------
NAMEN = {
    "D": (
        "Thomas Michael Andreas Stefan Markus Christian Frank Jürgen Uwe Jens "
        "Dirk Sven Torsten Ralf Carsten Oliver Matthias Tobias Florian "
        "Sebastian Daniel Marco Holger Bernd Klaus Rainer Wolfgang Dieter "
        "Peter Jörg Heiko Mario Kai Lars Tim Jan Björn Patrick Benjamin "
        "Alexander Dennis Philipp Marcel Timo Dominik Rüdiger Hans-Jörg "
        "Karl-Heinz Uli Manfred Olaf Norbert Axel Volker Günter Steffen "
        "Hendrik Nils Malte Jonas Kevin René Mirko Ingo",
        "Müller Schmidt Schneider Fischer Weber Meyer Wagner Becker Schulz "
        "Hoffmann Schäfer Koch Bauer Richter Klein Wolf Schröder Neumann "
        "Schwarz Zimmermann Braun Krüger Hofmann Hartmann Lange Schmitt "
        "Werner Schmitz Krause Meier Lehmann Schmid Schulze Maier Köhler "
        "Herrmann König Walter Mayer Huber Kaiser Fuchs Peters Lang Scholz "
        "Möller Weiß Jung Hahn Schubert Vogel Friedrich Keller Günther Frank "
        "Berger Winkler Roth Beck Lorenz Baumann Franke Albrecht Schuster "
        "Simon Ludwig Böhm Winter Kraus Martin Schumacher Krämer Vogt Stein "
        "Jäger Otto Sommer Groß Seidel Heinrich Brandt Haas Schreiber Graf "
        "Schulte Dietrich Ziegler Kuhn Kühn Pohl Engel Horn Busch Bergmann "
        "Voigt Sauer Arnold Wolff Pfeiffer Kretschmer Brinkmann Overbeck "
        "Hinrichs Ostermann Lindemann Kampmann Westphal Janßen Rademacher "
        "Tiedemann Grabowski Wittkamp Dahlmann Kleinschmidt Kuzorra Szepanski "
        "Nowotka Gerdes Hölscher Terhorst Brüggemann"),
    "I": (
        "Marco Luca Andrea Alessandro Francesco Matteo Lorenzo Davide Simone "
        "Federico Stefano Giuseppe Antonio Roberto Paolo Massimo Fabio "
        "Riccardo Daniele Gianluca Salvatore Vincenzo Nicola Emanuele Claudio "
        "Enrico Pietro Giorgio Alberto Cristiano Domenico Tommaso Gennaro "
        "Raffaele",
        "Rossi Russo Ferrari Esposito Bianchi Romano Colombo Ricci Marino "
        "Greco Bruno Gallo Conti De_Luca Mancini Costa Giordano Rizzo "
        "Lombardi Moretti Barbieri Fontana Santoro Mariani Rinaldi Caruso "
        "Ferrara Galli Martini Leone Longo Gentile Martinelli Vitale Serra "
        "Coppola De_Santis D'Angelo Marchetti Parisi Ferraro Fabbri Bellini "
        "Cattaneo Guerra Pellegrini Palumbo Sanna"),
    "E": (
        "Javier Carlos David Daniel Sergio Pablo Alejandro Jorge Miguel "
        "Antonio José Juan Manuel Francisco Rubén Álvaro Iván Raúl Adrián "
        "Diego Fernando Óscar Alberto Roberto Ignacio Gonzalo Íñigo Borja "
        "Víctor Luis Mario Jesús Rafael Andrés Santiago",
        "García Fernández González Rodríguez López Martínez Sánchez Pérez "
        "Gómez Martín Jiménez Ruiz Hernández Díaz Moreno Muñoz Álvarez Romero "
        "Alonso Gutiérrez Navarro Torres Domínguez Vázquez Ramos Gil Ramírez "
        "Serrano Blanco Molina Morales Suárez Ortega Delgado Castro Ortiz "
        "Rubio Marín Sanz Iglesias Medina Garrido Cortés Castillo Lozano "
        "Guerrero Cano Prieto Méndez Calvo"),
    "F": (
        "Julien Nicolas Sébastien Mathieu Thomas Guillaume Alexandre Romain "
        "Pierre Laurent Christophe Frédéric Olivier Jérôme Cédric Stéphane "
        "Benoît Florent Maxime Antoine Yannick Grégory Vincent Damien Fabien "
        "Ludovic Arnaud Thierry Didier Bruno Loïc Hugo Clément Raphaël",
        "Martin Bernard Dubois Durand Leroy Moreau Simon Laurent Lefèvre "
        "Michel Garnier Faure Rousseau Blanc Guérin Henry Roussel Perrin "
        "Morin Mathieu Clément Gauthier Dumont Fontaine Chevalier Robin "
        "Masson Gérard Boyer Denis Lemaire Duval Joly Roger Roche Roy Noël "
        "Lucas Meunier Marchand Dufour Blanchard Giraud Brun Gaillard Barbier "
        "Roux Vidal Carpentier Picard Lacroix Leclerc Bertrand Colin"),
    "GB": (
        "James John David Michael Paul Mark Steven Andrew Richard Gary Lee "
        "Darren Craig Stuart Ian Neil Simon Martin Jamie Ryan Daniel Matthew "
        "Adam Chris Ben Tom Danny Wayne Jason Scott Nick Graham Tony Robbie "
        "Alan",
        "Smith Jones Taylor Brown Williams Wilson Johnson Davies Robinson "
        "Wright Thompson Evans Walker White Roberts Green Hall Wood Jackson "
        "Clarke Harris Lewis Hughes Edwards Turner Hill Cooper Ward Morris "
        "Parker Cook Baker Harrison Morgan Bennett Shaw Bailey Holmes Barnes "
        "Fletcher Pearson Lloyd Marsh Dixon Chapman Webb Palmer Mason Mills "
        "Kelly Atkinson Sutton Rowley Ashworth"),
    "SCO": (
        "Callum Jamie Ross Scott Craig Stuart Gordon Alistair Graeme Kenny "
        "Duncan Fraser Euan Hamish Angus Iain Murray Neil Colin Gavin Dougie "
        "Kieran Lewis Stevie Allan Barry Derek Grant Malcolm Robbie Rory "
        "Fergus",
        "MacDonald Campbell Stewart Robertson Thomson Anderson Scott Murray "
        "Reid Clark Ross Paterson Young Mitchell Morrison Watson Fraser "
        "Henderson McKenzie Gray Hamilton Graham Kerr Ferguson Grant McLean "
        "Sutherland Crawford Cameron Gordon Hunter Kennedy Duncan Burns "
        "Boyle McGregor Docherty Lindsay Munro Baird McAllister Drummond "
        "Galloway Buchanan"),
    "NL": (
        "Jan Pieter Dirk Kees Henk Ruud Frank Arjen Wesley Bas Jeroen Niels "
        "Sander Bram Joris Thijs Maarten Stijn Koen Wouter Joost Robin "
        "Ronald Edwin Patrick Erik Gijs Sjoerd Jaap Teun Rik Wim",
        "de_Jong de_Vries van_den_Berg van_Dijk Bakker Janssen Visser Smit "
        "Meijer de_Boer Mulder de_Groot Bos Vos Hendriks van_Leeuwen Dekker "
        "Brouwer de_Wit Dijkstra Smits de_Graaf van_der_Meer van_der_Linden "
        "Kok Jacobs de_Haan Vermeulen van_den_Heuvel van_der_Veen "
        "van_den_Broek de_Bruijn van_der_Heijden Schouten van_Beek Willems "
        "van_Vliet van_de_Ven Hoekstra Maas Verhoeven Koster van_Dam Prins "
        "Blom Huisman Kuipers Veenstra"),
    "P": (
        "João Pedro Rui Nuno Tiago Bruno Ricardo Paulo Luís Miguel Hugo "
        "Sérgio Vítor André Fábio Diogo Gonçalo Rafael Filipe Hélder Jorge "
        "Carlos Márcio Fernando Armando Joaquim Duarte Rodrigo Simão Tomás "
        "Henrique Abel",
        "Silva Santos Ferreira Pereira Oliveira Costa Rodrigues Martins Jesus "
        "Sousa Fernandes Gonçalves Gomes Lopes Marques Alves Almeida Ribeiro "
        "Pinto Carvalho Teixeira Moreira Correia Mendes Nunes Soares Vieira "
        "Monteiro Cardoso Rocha Neves Coelho Cruz Cunha Pires Ramos Reis "
        "Simões Antunes Matos Fonseca Machado Araújo Barbosa Tavares "
        "Lourenço Castro Figueiredo Azevedo Freitas"),
    "B": (
        "Jan Bart Wim Tom Pieter Koen Jelle Wout Stijn Geert Luc Marc "
        "Philippe Olivier Yves Didier Jean-Marc Frédéric Gilles Laurent "
        "Michaël Sven Kristof Glenn Nico Timmy Jens Steven Dirk Hans Johan",
        "Peeters Janssens Maes Jacobs Mertens Willems Claes Goossens Wouters "
        "De_Smet Dubois Lambert Dupont Hermans Michiels Aerts Van_Damme "
        "Declercq Desmet Vermeersch Cools Verstraete Lemmens Segers Bogaert "
        "Van_Acker Hendrickx Claessens Leclercq Renard Lejeune Gilson Delvaux "
        "Simons Vandenberghe Coppens De_Backer Verhaegen Smets Pauwels"),
    "TR": (
        "Mehmet Ahmet Mustafa Hakan Emre Burak Serkan Volkan Arda Tolga "
        "Selçuk Ömer Ozan Umut Gökhan Okan Cengiz Murat Yusuf Tuncay Hasan "
        "Hüseyin Ibrahim Kemal Ersin Onur Caner Oguzhan Sinan Kaan Tarik "
        "Fatih Alper Ismail",
        "Yilmaz Kaya Demir Sahin Çelik Yildiz Yildirim Öztürk Aydin Özdemir "
        "Arslan Dogan Kiliç Aslan Çetin Kara Koç Kurt Özkan Simsek Polat "
        "Korkmaz Karaca Erdem Aktas Güler Tekin Akin Keskin Ünal Bulut Kaplan "
        "Uçar Tas Acar Sezer Toprak Altun Turan Ergün Bayram"),
    "GR": (
        "Giorgos Kostas Nikos Dimitris Giannis Vasilis Christos Panagiotis "
        "Michalis Thanasis Stelios Angelos Sotiris Lefteris Alexandros "
        "Theofanis Manolis Pavlos Spyros Stavros Antonis Ilias Kyriakos "
        "Apostolos Takis Fotis Grigoris Andreas Konstantinos Savvas",
        "Papadopoulos Papadakis Georgiou Nikolaidis Dimitriou Konstantinou "
        "Ioannidis Vlachos Pappas Karagiannis Oikonomou Makris Christodoulou "
        "Alexiou Angelopoulos Antoniou Athanasiou Doukas Galanis Kyriakidis "
        "Lambrou Mavridis Panagiotou Papageorgiou Petridis Sotiriou Stavrou "
        "Theodorou Tsolakis Vasileiou Zervas Kanellos Mitropoulos Raptis "
        "Samaras Tzanetos Chatzis Koutsoukos Kontos Xanthopoulos"),
    "RUS": (
        "Sergej Alexej Dmitri Andrej Igor Wladimir Juri Oleg Pawel Nikolai "
        "Iwan Michail Jewgeni Alexander Roman Wiktor Anatoli Maxim Denis "
        "Wadim Konstantin Arkadi Witali Ruslan Boris Gennadi Stanislaw "
        "Wassili Artjom Kirill Fjodor",
        "Iwanow Smirnow Kusnezow Popow Wassiljew Petrow Sokolow Michailow "
        "Nowikow Fjodorow Morosow Wolkow Alexejew Lebedew Semjonow Jegorow "
        "Pawlow Koslow Stepanow Nikolajew Orlow Andrejew Makarow Nikitin "
        "Sacharow Saizew Solowjow Borissow Jakowlew Grigorjew Romanow "
        "Worobjow Sergejew Kusmin Frolow Alexandrow Dmitrijew Koroljow "
        "Gussew Kisseljow Iljin Maximow Poljakow Sorokin Winogradow "
        "Kowaljow Below Medwedew Antonow Tarassow"),
    "UKR": (
        "Andrij Oleksandr Serhij Jurij Wolodymyr Mykola Taras Bohdan Ihor "
        "Oleh Wiktor Wassyl Dmytro Roman Artem Maksym Ruslan Witalij "
        "Anatolij Petro Stepan Jaroslaw Mychajlo Denys Pawlo Oleksij Jewhen "
        "Anton Jehor Iwan",
        "Schewtschenko Kowalenko Bondarenko Tkatschenko Kowaltschuk "
        "Krawtschenko Oliinyk Schewtschuk Polischtschuk Bojko Melnyk Lysenko "
        "Rudenko Sawtschenko Petrenko Klymenko Pawlenko Kusmenko Ponomarenko "
        "Wowk Moros Ruban Tkatschuk Kostenko Lewtschenko Karpenko Danyljuk "
        "Martschuk Hawryljuk Sawtschuk Iwantschenko Kowal Bilyk Hontschar "
        "Sydorenko Wakulenko Kuschnir Tscherednyk Hrytsenko Didenko Jaremtschuk"),
    "CZ": (
        "Jan Petr Pavel Tomáš Martin Jirí Josef Jaroslav Miroslav Zdenek "
        "Michal Lukáš Jakub Vladimír Karel Radek Milan Roman David Ondrej "
        "Marek Libor Daniel Vratislav Stanislav Václav Luboš Antonín Filip "
        "Vojtech Patrik Aleš Bohumil",
        "Novák Svoboda Novotný Dvorák Cerný Procházka Kucera Veselý Horák "
        "Nemec Pokorný Marek Pospíšil Hájek Jelínek Král Ružicka Beneš Fiala "
        "Sedlácek Doležal Zeman Kolár Navrátil Cermák Urban Vanek Blažek Kríž "
        "Kovár Bartoš Vlcek Polák Musil Kopecký Šimek Konecný Malý Holub "
        "Štepánek Kadlec Soukup Mareš Vacek Skála Štastný Bureš"),
    "PL": (
        "Piotr Krzysztof Tomasz Marcin Pawel Michal Lukasz Jakub Kamil "
        "Grzegorz Adam Marek Andrzej Jacek Dariusz Robert Mariusz Wojciech "
        "Rafal Sebastian Bartosz Jaroslaw Artur Maciej Damian Mateusz "
        "Zbigniew Radoslaw Slawomir Przemyslaw Janusz Tadeusz Arkadiusz",
        "Nowak Kowalski Wisniewski Wójcik Kowalczyk Kaminski Lewandowski "
        "Zielinski Szymanski Wozniak Dabrowski Kozlowski Jankowski Mazur "
        "Wojciechowski Kwiatkowski Krawczyk Kaczmarek Piotrowski Grabowski "
        "Zajac Pawlowski Michalski Król Wieczorek Jablonski Wróbel "
        "Nowakowski Majewski Olszewski Jaworski Malinowski Stepien Górski "
        "Rutkowski Michalak Sikora Ostrowski Baran Duda Szewczyk Tomaszewski "
        "Pietrzak Marciniak Wróblewski Zalewski Jakubowski"),
    "S": (
        "Anders Johan Mikael Fredrik Henrik Magnus Patrik Jonas Niklas "
        "Mattias Andreas Tobias Kim Olof Gustav Erik Per Lars Björn Sven "
        "Håkan Pontus Kristoffer Marcus Oscar Viktor Emil Linus Joakim Rasmus",
        "Johansson Andersson Karlsson Nilsson Eriksson Larsson Olsson "
        "Persson Svensson Gustafsson Pettersson Jonsson Jansson Hansson "
        "Bengtsson Jönsson Lindberg Jakobsson Magnusson Lindström Olofsson "
        "Lindqvist Lindgren Berg Axelsson Bergström Lundberg Lind Lundgren "
        "Mattsson Berglund Fredriksson Sandberg Henriksson Sjöberg Wallin "
        "Engström Danielsson Håkansson Lundin Nyström Holmberg Åberg "
        "Sundberg Ekström"),
    "DK": (
        "Jens Lars Søren Morten Anders Thomas Martin Peter Rasmus Mads "
        "Jesper Henrik Kasper Nicklas Christian Michael Brian Jakob Mikkel "
        "Frederik Jonas Kim Allan Bo Ulrik Torben Niels Jannik Dennis Simon "
        "Steffen",
        "Jensen Nielsen Hansen Pedersen Andersen Christensen Larsen Sørensen "
        "Rasmussen Jørgensen Petersen Madsen Kristensen Olsen Thomsen "
        "Christiansen Poulsen Johansen Møller Mortensen Knudsen Jakobsen "
        "Jacobsen Mikkelsen Olesen Frederiksen Laursen Henriksen Lund Holm "
        "Vestergaard Kjær Bech Dahl Nørgaard Bak Juhl Lauridsen Skov "
        "Østergaard Iversen"),
    "N": (
        "Ole Tore Rune Ståle Kjetil Øyvind Jan Even Lars Bjørn Espen Trond "
        "Vegard Henning Håvard Eirik Magnus Sindre Fredrik Torstein Knut "
        "Geir Arild Roar Stig Kristian Tarjei Aksel Jostein Sigurd",
        "Hansen Johansen Olsen Larsen Andersen Pedersen Nilsen Kristiansen "
        "Jensen Karlsen Johnsen Pettersen Eriksen Berg Haugen Hagen "
        "Johannessen Andreassen Jacobsen Dahl Jørgensen Halvorsen Henriksen "
        "Lund Sørensen Jakobsen Moen Gundersen Iversen Strand Solberg "
        "Svendsen Eide Knutsen Martinsen Paulsen Bakken Kristoffersen "
        "Mathisen Lie Amundsen Nygård Rønning Solheim Aasen Bjørnstad Lunde "
        "Fjeld"),
    "A": (
        "Andreas Christian Markus Michael Thomas Martin Stefan Herbert "
        "Gerhard Franz Johann Josef Wolfgang Manfred Reinhard Helmut Roland "
        "Harald Günther Florian Lukas David Marcel Mario Raphael Sebastian "
        "Dominik Patrick Alexander Toni Walter Ernst",
        "Gruber Huber Bauer Wagner Müller Pichler Steiner Moser Mayer Hofer "
        "Leitner Berger Fuchs Eder Fischer Schmid Winkler Weber Schwarz Maier "
        "Schneider Reiter Mayr Schmidt Wimmer Egger Brunner Lang Baumgartner "
        "Auer Binder Lechner Wolf Wallner Aigner Ebner Koller Lehner Haas "
        "Schuster Holzer Stadler Strasser Plank Kogler Ortner Pirker Zach"),
    "CH": (
        "Beat Urs Reto Stéphane Patrick Daniel Marcel Christoph Stefan "
        "Pascal Fabian Yves Philippe Johann Xavier Michel Jürg Rolf Ruedi "
        "Hanspeter Kurt Lukas Silvan Raphael Nicolas Alain Sandro Ramon "
        "Mirco Gianni Fabio Adrian",
        "Müller Meier Schmid Keller Weber Huber Schneider Meyer Steiner "
        "Fischer Gerber Brunner Baumann Frei Zimmermann Moser Widmer Wyss "
        "Graf Roth Suter Bühler Kälin Hess Bachmann Lüthi Marti Sutter "
        "Hürlimann Wüthrich Zürcher Rochat Favre Bonvin Chappuis Fontana "
        "Bernasconi Rossi Pellegrini Dubois Perret Aebischer Egli Imhof "
        "Tschopp Vogel Zbinden Gisler Schnyder"),
    "HR": (
        "Ivan Luka Mario Marko Ante Josip Dario Igor Davor Zvonimir Robert "
        "Nikola Tomislav Krunoslav Stjepan Dražen Goran Marin Mateo Domagoj "
        "Vedran Niko Boris Silvio Hrvoje Mislav Andrej Tin Bruno Darijo "
        "Petar Dejan",
        "Horvat Kovacevic Babic Maric Juric Novak Kovacic Kneževic Vukovic "
        "Markovic Petrovic Matic Tomic Pavlovic Peric Božic Blaževic Grgic "
        "Pavic Radic Šaric Lovric Vidovic Perkovic Barišic Kolar Mikulic "
        "Brkic Vrdoljak Rukavina Šimunovic Jukic Filipovic Cosic Bašic "
        "Loncar Bešlic Galic Medic Zoric"),
    "SRB": (
        "Nemanja Aleksandar Dejan Zoran Dragan Milan Nikola Stefan Marko "
        "Dušan Branislav Goran Miloš Vladimir Dragoljub Slobodan Siniša "
        "Predrag Savo Mladen Ivica Bojan Darko Uroš Filip Lazar Luka Srdjan "
        "Nenad Radomir Zdravko Saša",
        "Jovanovic Petrovic Nikolic Markovic Djordjevic Stojanovic Ilic "
        "Stankovic Pavlovic Miloševic Popovic Živkovic Lukic Maric Tomic "
        "Jankovic Kostic Ristic Savic Mitrovic Todorovic Kovacevic "
        "Radovanovic Vasic Simic Dimitrijevic Nedeljkovic Obradovic "
        "Vuckovic Gajic Lazovic Pantic Krstic Djukic Milic Stevanovic Djuric "
        "Mijailovic Sekulic Bogdanovic"),
    "RO": (
        "Ion Gheorghe Florin Adrian Mihai Cristian Daniel Marius Ionut "
        "Bogdan Andrei Alexandru Cosmin Dorin Ovidiu Sorin Claudiu Lucian "
        "Costel Dumitru Viorel Gabriel Razvan Vlad Tiberiu Dan Laurentiu "
        "Iulian Nicolae Catalin Emil Ciprian Valentin",
        "Popescu Ionescu Popa Dumitru Stan Stoica Gheorghe Matei Ciobanu "
        "Rusu Munteanu Constantin Mihai Dinu Marin Tudor Florea Barbu Nistor "
        "Moldovan Lazar Cristea Preda Dobre Neagu Radu Ene Voicu Toma "
        "Ungureanu Sârbu Iordache Enache Manole Vasilescu Dragomir Petrescu "
        "Sandu Oprea Turcanu Cojocaru Lupu Mocanu Balan Anghel Pârvu "
        "Ardeleanu Chiriac Grigore Costache"),
    "H": (
        "László István Zoltán Gábor Péter Tamás Attila János Sándor Ferenc "
        "József Balázs Krisztián Zsolt Csaba Gergely Dániel Ádám Norbert "
        "Róbert Imre Lajos Tibor Miklós Dávid Bence Levente Roland Gyula "
        "Károly Szabolcs Márton",
        "Nagy Kovács Tóth Szabó Horváth Varga Kiss Molnár Németh Farkas "
        "Balogh Papp Takács Juhász Lakatos Mészáros Oláh Simon Rácz Fekete "
        "Szilágyi Török Fehér Balázs Gál Kis Szücs Kocsis Orsós Pintér Fodor "
        "Sipos Magyar Lukács Gulyás Biró Katona László Bogdán Vörös Halász "
        "Jakab Boros Vincze Hegedüs"),
    "BG": (
        "Christo Dimitar Georgi Iwan Petar Stojan Krassimir Stilijan Martin "
        "Walentin Welislaw Swetoslaw Nikolai Emil Plamen Radostin Ljuboslaw "
        "Iwailo Todor Zwetan Bojko Daniel Stanislaw Atanas Kiril Wassil "
        "Borislaw Jordan Trifon Angel",
        "Iwanow Georgiew Dimitrow Petrow Nikolow Christow Stojanow Todorow "
        "Iliew Angelow Atanassow Petkow Kolew Jordanow Marinow Popow "
        "Michajlow Kostadinow Stefanow Dontschew Toschew Welkow Kirow Slawow "
        "Penew Jankow Zwetkow Raikow Milanow Bonew Wassilew Simeonow Kamenow "
        "Manolow Bojadschiew Zanew Ganew Paskalew Borissow Delew Gruew"),
}

# Namen echter, bekannter Spieler und Trainer, die zufällig entstehen könnten.
SPIELER_VERBOTEN = {
    "Thomas Müller", "Dieter Müller", "Bernd Schneider", "Jens Lehmann",
    "Uli Stein", "Klaus Fischer", "Andreas Möller", "Frank Baumann",
    "Bernd Schuster", "Timo Werner", "Norbert Meier", "Dirk Schuster",
    "Wolfgang Wolf", "Jens Keller", "Michael Schumacher", "Ralf Schumacher",
    "Marcel Schäfer", "Frank Schmidt", "Olaf Thon", "Christian Wolf",
    "Paolo Rossi", "Giuseppe Rossi", "Marco Rossi", "Roberto Mancini",
    "Antonio Conte", "Federico Marchetti", "Andrea Conti", "Andrea Costa",
    "Fernando Torres", "Sergio Ramos", "Diego López", "Jesús Navas",
    "Miguel Torres", "Luis Suárez", "Jorge Molina", "Rubén Castro",
    "Víctor Ruiz", "Álvaro Domínguez", "Antonio López", "Pablo Hernández",
    "Javier Martínez", "David Castro", "Thierry Henry", "Laurent Blanc",
    "Thomas Meunier", "Ian Wright", "John Barnes", "Danny Mills",
    "Alan Smith", "Andrew Johnson", "Paul Robinson", "Scott Parker",
    "Paul Parker", "Mark Wright", "Lee Dixon", "Neil Webb", "Simon Davies",
    "Steven Taylor", "Graham Taylor", "David White", "Richard Wright",
    "Ian Walker", "Kevin Davies", "Mark Hughes", "Michael Brown",
    "Callum McGregor", "Barry Ferguson", "Craig Gordon", "Allan McGregor",
    "Duncan Ferguson", "Colin Cameron", "Scott Brown", "Frank de_Boer",
    "Ronald de_Boer", "Erik Meijer", "Jan Mulder", "Jeroen Verhoeven",
    "Rui Costa", "Nuno Gomes", "Ricardo Carvalho", "Paulo Sousa",
    "João Pinto", "Bruno Alves", "Fernando Santos", "Jorge Costa",
    "Ricardo Pereira", "Bruno Fernandes", "André Silva", "Tiago Mendes",
    "Hugo Almeida", "Paulo Ferreira", "Pedro Mendes", "Carlos Martins",
    "Nuno Mendes", "Diogo Costa", "Michaël Goossens", "Timmy Simons",
    "Jelle Van_Damme", "Arda Turan", "Burak Yilmaz", "Ömer Toprak",
    "Umut Bulut", "Giorgos Samaras", "Kyriakos Papadopoulos",
    "Oleg Kusnezow", "Andrij Schewtschenko", "Denys Bojko",
    "Wiktor Kowalenko", "Jan Polák", "Michal Kadlec", "Václav Kadlec",
    "Jirí Nemec", "Robert Lewandowski", "Piotr Zielinski",
    "Radoslaw Majewski", "Mariusz Lewandowski", "Piotr Nowak",
    "Marcin Kaminski", "Henrik Larsson", "Anders Svensson",
    "Mikael Nilsson", "Patrik Andersson", "Pontus Jansson",
    "Kristoffer Olsson", "Joakim Nilsson", "Martin Jørgensen",
    "Christian Poulsen", "Thomas Sørensen", "Lars Olsen", "Morten Olsen",
    "Henrik Larsen", "Jakob Poulsen", "Peter Møller", "Allan Nielsen",
    "Jannik Vestergaard", "Rasmus Kristensen", "Martin Laursen",
    "Jesper Olsen", "Peter Madsen", "Steffen Iversen", "Henning Berg",
    "Espen Johnsen", "Roar Strand", "Tore Pedersen", "Christian Fuchs",
    "Mario Haas", "Michael Wagner", "Walter Kogler", "Alain Sutter",
    "Beat Sutter", "Patrick Müller", "Fabian Frei", "Urs Fischer",
    "Silvan Widmer", "Philippe Perret", "Johann Vogel", "Mateo Kovacic",
    "Dario Kneževic", "Silvio Maric", "Josip Šimunovic", "Dejan Stankovic",
    "Savo Miloševic", "Filip Kostic", "Aleksandar Mitrovic",
    "Milan Jovanovic", "Stefan Savic", "Lazar Markovic",
    "Darko Kovacevic", "Filip Djordjevic", "Gheorghe Popescu",
    "Dan Petrescu", "Dorin Munteanu", "Catalin Munteanu",
    "Viorel Moldovan", "Sándor Kocsis", "Roland Juhász",
    "Krisztián Németh", "Ádám Nagy", "Csaba Fehér", "Stilijan Petrow",
    "Martin Petrow", "Emil Kostadinow", "Trifon Iwanow", "Iwailo Petkow",
    "Walentin Iliew", "Iwan Iwanow", "Plamen Nikolow",
}

# Anteile der Positionen im Spielerpool.
POSITIONEN_ANTEIL = {"T": 0.10, "V": 1 / 3, "M": 1 / 3}


def liste(text):
    # "_" verbindet mehrteilige Nachnamen wie "van der Meer".
    return [w.replace("_", " ") for w in text.split()]


def genitiv(ort):
    # schwedisch: "Ystads IF", aber "Kiruna IF"
    return ort if ort[-1] in "aeiouyåäös" else ort + "s"


def ohne_doppelte(folge):
    gesehen = set()
    return [x for x in folge if not (x in gesehen or gesehen.add(x))]


# ---------------------------------------------------------------------------
# Erzeugung
# ---------------------------------------------------------------------------

def nationen_zeilen():
    zeilen = [str(len(NATIONEN))]
    for name, kuerzel, bonus, _, _ in NATIONEN:
        zeilen += [name, kuerzel, str(bonus)]
    return zeilen


def auslaendische_vereine(rng, vergeben):
    """Je Nation die gewünschte Zahl Vereine, jeder Ort nur einmal."""
    vereine = []
    for _, kuerzel, _, anzahl, _ in NATIONEN[1:]:
        orte, muster = AUSLAND_VEREINE[kuerzel]
        orte = orte[:]
        rng.shuffle(orte)
        genutzt = {m: 0 for m in muster}
        gefunden = 0
        for ort in orte:
            if gefunden == anzahl:
                break
            # seltener genutzte Muster zuerst, damit ein Land abwechslungsreich klingt
            kandidaten = sorted(muster, key=lambda m: (genutzt[m], rng.random()))
            for m in kandidaten:
                name = m.format(ort, gen=genitiv(ort))
                if (len(name) <= NAME_MAX_VEREIN and name not in vergeben
                        and name not in VEREINE_VERBOTEN):
                    vergeben.add(name)
                    genutzt[m] += 1
                    vereine.append((name, 1, kuerzel))
                    gefunden += 1
                    break
        if gefunden < anzahl:
            raise SystemExit("zu wenige Orte für " + kuerzel)
    return vereine


def vereine_zeilen(rng):
    vereine = []
    vergeben = set()
    for liga in (1, 2, 3, 4, 5):
        for name in DEUTSCHE_LIGEN[liga]:
            vergeben.add(name)
            vereine.append((name, liga, "D"))
    vereine += auslaendische_vereine(rng, vergeben)
    zeilen = [str(len(vereine))]
    for name, liga, nation in vereine:
        zeilen += [name, str(liga), nation]
    return zeilen


def positionen(anzahl, rng):
    t = round(anzahl * POSITIONEN_ANTEIL["T"])
    v = round(anzahl * POSITIONEN_ANTEIL["V"])
    m = round(anzahl * POSITIONEN_ANTEIL["M"])
    pos = ["T"] * t + ["V"] * v + ["M"] * m + ["S"] * (anzahl - t - v - m)
    rng.shuffle(pos)
    return pos


def spieler_zeilen(rng):
    vergeben = set()
    verboten = {x.replace("_", " ") for x in SPIELER_VERBOTEN}
    spieler = []
    for _, kuerzel, _, _, anzahl in NATIONEN:
        vornamen, nachnamen = (ohne_doppelte(liste(t)) for t in NAMEN[kuerzel])
        moeglich = [(v, n) for v in vornamen for n in nachnamen]
        rng.shuffle(moeglich)
        gewaehlt = 0
        for v, n in moeglich:
            voll = v + " " + n
            if voll in vergeben or voll in verboten:
                continue
            if len(v) > NAME_MAX_SPIELER or len(n) > NAME_MAX_SPIELER:
                raise SystemExit("Name zu lang: " + voll)
            vergeben.add(voll)
            spieler.append((v, n, kuerzel))
            gewaehlt += 1
            if gewaehlt == anzahl:
                break
        if gewaehlt < anzahl:
            raise SystemExit("zu wenige Namen für " + kuerzel)
    rng.shuffle(spieler)
    pos = positionen(len(spieler), rng)
    zeilen = [str(len(spieler))]
    for (v, n, nation), p in zip(spieler, pos):
        zeilen += [v, n, p, nation]
    return zeilen


def jeder_gegen_jeden(n, rng):
    """Einfache Runde nach der Kreismethode (Berger-Tabellen).

    Slot n-1 steht fest und wechselt jedes Mal das Heimrecht; bei den übrigen
    Paarungen hängt das Heimrecht am Abstand i. So hat jeder Slot höchstens
    einmal zwei Heim- oder Auswärtsspiele hintereinander. Die Slotnummern
    werden zum Schluss gemischt, damit nicht Platz 1 gegen 18 anfängt.
    """
    m = n - 1
    tage = []
    for r in range(m):
        paare = [(r, m) if r % 2 == 0 else (m, r)]
        for i in range(1, n // 2):
            a, b = (r + i) % m, (r - i) % m
            paare.append((a, b) if i % 2 == 1 else (b, a))
        tage.append(paare)
    nummer = list(range(1, n + 1))
    rng.shuffle(nummer)
    return [[(nummer[h], nummer[a]) for h, a in t] for t in tage]


def spielplan_zeilen(n, rng):
    zeilen = []
    for tag in jeder_gegen_jeden(n, rng):
        for heim, gast in tag:
            zeilen += [str(heim), str(gast)]
    return zeilen


# Spielsysteme auf einem 300 x 200 Pixel großen Spielfeldbild, Angriff nach
# oben. Eine Position ist die linke obere Ecke einer Marke von 32 x 32 Pixeln.
FELD_BREITE, FELD_HOEHE, MARKE = 300, 200, 32
SYSTEME = ["343", "352", "442", "451", "433"]
REIHE_Y = {"T": 176, "V": 138, "M": 94, "S": 44}
ABSTAND_X = {1: 0, 2: 96, 3: 80, 4: 66, 5: 52}


def reihe(anzahl, linie):
    """Mittelpunkte einer Mannschaftsreihe; Außen leicht vorgeschoben wie auf
    einer Taktiktafel, im 5er-Mittelfeld der Mittlere als Sechser zurück."""
    punkte = []
    for i in range(anzahl):
        x = FELD_BREITE // 2 + round((i - (anzahl - 1) / 2) * ABSTAND_X[anzahl])
        y = REIHE_Y[linie]
        aussen = anzahl >= 4 and i in (0, anzahl - 1)
        if linie == "V" and aussen:
            y -= 10
        elif linie == "M" and aussen:
            y -= 8
        elif linie == "M" and anzahl == 5 and i == 2:
            y += 10
        punkte.append((x, y))
    return punkte


def spielsystem_zeilen():
    zeilen = ["0"] * 24  # System 0 wird gelesen, aber nicht benutzt
    for code in SYSTEME:
        v, m, s = (int(c) for c in code)
        mitten = reihe(1, "T") + reihe(v, "V") + reihe(m, "M") + reihe(s, "S")
        zeilen += ["0", code]
        for x, y in mitten:
            zeilen += [str(x - MARKE // 2), str(y - MARKE // 2)]
    return zeilen


HILFE = """\
Torvane - Hilfe
===============

SPIELSTART
Auf dem Startbildschirm tragen ein bis vier Manager ihren Namen und ihren
Verein ein. Alle fangen in der Oberliga (4.Liga) an. Das Ziel: ab in die
Bundesliga und dann ran an die Pokale Europas!

DAS MANAGERMENÜ
Über Mannschaft, Information, Finanzen und Sonstiges erreichen Sie alle
Bildschirme. Oben sehen Sie Moral, Einsatz und Kontostand Ihres Vereins.
Ist alles erledigt, klicken Sie auf "Zug abschließen" (oder drücken Enter).
Dann ist der nächste Manager dran, nach dem letzten wird gespielt.

MANNSCHAFT
Unter "Aufstellung" stellen Sie Ihre Elf auf, unter "Spielsystem" wählen
Sie die Formation (z.B. 4-4-2). Training und Trainingslager machen die
Jungs fit. Verletzte und gesperrte Spieler können nicht mitspielen.

TRANSFERMARKT
Auf dem Transfermarkt gibt es Spieler und Trainer. Achten Sie auf Gehalt
und Vertrag - ein Star, der nur auf der Bank sitzt, frißt Ihr Konto auf.

FINANZEN
Bank: Darlehen, Kredit, Sparbuch und Aktien. Stadion: mehr Plätze bringen
mehr Zuschauer und mehr Geld. Werbung: Sponsoren zahlen an jedem Spieltag.
Und wer Glück hat, räumt beim TotoTip ab.

SPIELTAGE UND SAISONENDE
Eine Saison hat 34 Spieltage. Dazwischen laufen DFB-Pokal, Uefa Pokal,
Pokal der Pokalsieger und die ChampionsLige. Nach dem 34. Spieltag steigen
die Besten auf und die Letzten ab, und Ihre Spieler werden ein Jahr älter.
Wer in die Verbandsliga absteigt oder pleite ist, fliegt raus!
Wer nicht zusehen will, drückt "Überspringen" oder Escape: der Rest des
Live-Spiels, der Ergebnisliste, des Saisonendes oder des rollenden Menüs
kommt sofort, mit genau denselben Ergebnissen. Meldungen an Sie erscheinen trotzdem.

SPEICHERN
Mit "Disk" speichern und laden Sie Ihre Spiele. Ab und zu speichert
Torvane auch von selbst. Nach dem Laden eines Spielstands verschwindet
"Disk" bis zum nächsten Programmstart: Laden geht erst nach einem
Neustart wieder, gespeichert wird bis dahin automatisch.

RATGEBER UND AUTOMATIC
Der "Ratgeber" in der linken Leiste zeigt, was der Computermanager an
Ihrer Stelle jetzt täte, das Wichtigste zuerst und jeweils mit Grund.
Sein Knopf führt gleich zum passenden Bildschirm; entscheiden müssen
Sie selbst. Mit "Automatic" spielt der Computer die Züge des Managers,
der gerade dran ist, bis Sie "Autospiel STOP" drücken.

DAS ZAHLENRAD
Wo eine Zahl gefragt ist (Plätze, Beträge), erscheint das Zahlenrad.
Tippen Sie die Ziffern ein oder klicken Sie auf die Räder: links +1,
rechts -1. "Nullen" löscht alles, "Anfangswert" holt die alte Zahl
zurück. Nur OK oder Enter übernimmt die Zahl, Escape heißt 0.

SPRACHE
Torvane spricht Deutsch oder Englisch. Die Wahl steht im Fenster "Info"
unter "Sprache / Language" und gilt ab dem nächsten Start; "System"
nimmt die Sprache des Rechners. Nur für einen Start: torvane --sprache en
(oder de). Spielstände haben keine Sprache: ein deutscher und ein
englischer Spieler können sich einen teilen.

TASTEN
F1       diese Hilfe
Strg+S   "Disk": Spielstände speichern und laden
Strg+Q   Spiel beenden
Enter    im Menü "Zug abschließen", im Zahlenrad und in Meldungen OK
Escape   schließt die offene Tafel oder das Fenster, bricht Fragen ab
         im laufenden Spieltag, Saisonende und rollenden Menü: "Überspringen"

Viel Glück und immer ein volles Stadion!
"""

# Dieselbe Hilfe für das Spiel auf Englisch.
HILFE_EN = """\
Torvane - Help
==============

GETTING STARTED
On the start screen, one to four managers enter their names and their
clubs. Everybody starts in the Oberliga (4th tier). The goal: up into the
Bundesliga, and then go for the cups of Europe!

THE MANAGER MENU
Team, Information, Finances and Other lead to every screen. At the top
you see the morale, the commitment and the bank balance of your club.
When you are done, click "End turn" (or press Enter). Then it is the
next manager's turn; after the last one, the matches are played.

TEAM
Under "Line-up" you pick your eleven, under "Playing system" the
formation (e.g. 4-4-2). Training and the training camp keep the lads
fit. Injured and suspended players cannot play.

TRANSFER MARKET
The transfer market has players and coaches. Mind the wages and the
contract - a star who only warms the bench eats up your account.

FINANCES
Bank: loans, quick credit, a savings account and shares. Stadium: more
seats bring more spectators and more money. Advertising: sponsors pay
on every matchday. And if you are lucky, you clean up at the TotoTip.

MATCHDAYS AND END OF SEASON
A season has 34 matchdays. In between run the DFB-Pokal, the Uefa Pokal,
the Pokal der Pokalsieger and the ChampionsLige. After matchday 34 the
best go up, the worst go down, and your players grow a year older.
Whoever goes down into the Verbandsliga or goes broke is out!
If you don't want to watch, press "Skip" or Escape: the rest of the
live match, the results list, the end of season or the rolling menu
comes at once, with exactly the same results. Messages to you still appear.

SAVING
With "Disk" you save and load your games. Now and then Torvane also
saves on its own. After loading a saved game, "Disk" disappears until
the next start of the program: loading works again only after a
restart, and until then the game is saved automatically.

ADVISOR AND AUTOMATIC
The "Advisor" in the left bar shows what the computer manager would do
in your place right now, the most important first, each with a reason.
Its button takes you straight to the right screen; the decisions are
yours. With "Automatic" the computer plays the turns of the manager
whose turn it is, until you press "Autoplay STOP".

THE NUMBER WHEEL
Wherever a number is asked for (seats, amounts), the number wheel appears.
Type in the digits or click the wheels: left +1, right -1. "Zero"
clears everything, "Start value" brings back the old number. Only OK
or Enter takes the number, Escape means 0.

LANGUAGE
Torvane speaks German or English. The choice is in the "Info" window
under "Sprache / Language" and counts from the next start; "System"
takes the language of your computer. For one start only:
torvane --sprache en (or de). Saved games have no language: a German
and an English player can share one.

KEYS
F1       this help
Ctrl+S   "Disk": save and load games
Ctrl+Q   quit the game
Enter    in the menu "End turn", in the number wheel and in messages OK
Escape   closes the open board or window, cancels questions;
         during a matchday, the end of season and the rolling menu: "Skip"

Good luck, and may your stadium always be full!
"""


def schreiben(ordner, dateiname, zeilen):
    # Windows-1252 streng: ein Zeichen außerhalb bricht hier ab, nicht im Spiel.
    daten = "".join(z + "\r\n" for z in zeilen).encode("cp1252")
    with open(os.path.join(ordner, dateiname), "wb") as f:
        f.write(daten)


def main():
    wurzel = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ordner = sys.argv[1] if len(sys.argv) > 1 else os.path.join(wurzel, "daten")
    os.makedirs(ordner, exist_ok=True)
    # eigener Generator je Datei: eine Änderung an einer Liste verschiebt
    # nicht die Zufallsfolge der anderen Dateien
    schreiben(ordner, "Nationen.dat", nationen_zeilen())
    schreiben(ordner, "Mansch.dat", vereine_zeilen(random.Random(STARTWERT + 1)))
    schreiben(ordner, "Spieler.dat", spieler_zeilen(random.Random(STARTWERT + 2)))
    schreiben(ordner, "Sptg.dat", spielplan_zeilen(18, random.Random(STARTWERT + 3)))
    schreiben(ordner, "ChlSptg.dat", spielplan_zeilen(16, random.Random(STARTWERT + 4)))
    schreiben(ordner, "SpielSystem.dat", spielsystem_zeilen())
    schreiben(ordner, "Hilfe.dat", HILFE.splitlines())
    schreiben(ordner, "Hilfe.en.dat", HILFE_EN.splitlines())


if __name__ == "__main__":
    main()

#include "titles/title_lists.h"

#include <string>

#include "platform/runtime_error.h"

namespace kelo {

namespace {
// 1: a visit to a city: prefix, one blank, city.
constexpr std::string_view kCittaPrefissi[] = {
    "Andando a", "In visita a", "Ricordi da", "Un viaggio a", "Souvenir da", "Quattro passi a", "Una gita a",
    "Saluti da", "Tornando da", "Diretti a", "In partenza per", "Nel cuore di",
};
constexpr std::string_view kCitta[] = {
    "Milano", "Parigi", "Londra", "Venezia", "New York", "Napoli", "Parma", "Berlino", "Basilea", "Madrid",
    "Torino", "Rio", "Tokio", "Lisbona", "Pechino", "Melbourne", "Mosca", "Palermo", "Roma", "Bologna", "Firenze",
    "Genova", "Vienna", "Praga",
};
// 2: a dedication: the prefix brings its own blank; prefix 6 leaves the name alone.
constexpr std::string_view kDedicaPrefissi[] = {
    "Dedicato a ", "Per ", "Una canzone per ", "Ricordando ", "Omaggio a ", "", "I sogni di ", "La bella ",
    "Dolce ", "Cara ", "La piccola ", "Pensando a ",
};
constexpr std::string_view kDedica[] = {
    "Maria", "Giulia", "Francesca", "Chiara", "Sara", "Laura", "Elena", "Anna", "Valentina", "Silvia", "Alessia",
    "Martina", "Federica", "Paola", "Roberta", "Simona", "Claudia", "Giorgia", "Elisa", "Marta", "Beatrice",
    "Lucia", "Cristina", "Serena",
};
// 3: greetings.
constexpr std::string_view kSaluti[] = {
    "Addio!", "Good-bye!", "Arrivederci", "Un buon dì...", "Ciao ciao!", "Buonanotte!", "Sogni d'oro...",
    "Una buona giornata", "Carissimi saluti", "Cordialmente", "Tanti auguri!", "Bonjour!", "A presto!",
    "Un bell'incontro", "Cordialità", "Con affetto...", "Baci", "Un caro saluto!", "Omaggi", "Auf Wiedersehen!",
    "Hasta la vista!", "Halo!", "Tenerezza", "Auguroni!",
};
// 4: a day, a season or a time span.
constexpr std::string_view kGiornoPrefissi[] = {
    "Un indimenticabile ", "Un breve ", "Un lungo ", "Un grande ", "Un felice ", "Un fantastico ",
};
constexpr std::string_view kGiorno[] = {
    "lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato", "anno", "autunno", "inverno", "mese",
    "giorno", "mattino",
};
// 5: flowers.
constexpr std::string_view kFioriPrefissi[] = {
    "Le mie ", "Un vaso di ", "Un mazzo di ", "Cogliendo ", "Le belle ", "Incantevoli ",
};
constexpr std::string_view kFiori[] = {
    "dalie", "margherite", "rose", "peonie", "violette", "primule", "ortensie", "camelie", "genziane", "mimose",
    "ginestre", "magnolie", "petunie",
};
// 6: comic and cartoon characters.
constexpr std::string_view kFumetti[] = {
    "Paperino", "Calimero", "Topo Gigio", "Gatto Silvestro", "Titti", "Topolino", "I puffi", "Gastone",
    "Qui, quo, qua", "Nonna papera", "Zio Paperone", "Braccio di Ferro", "Snoopy", "Charlie Brown", "Soldino",
    "Nonna Abelarda", "Flip", "Pluto", "Pippo", "Bassotti", "Duffy", "Gambadilegno", "Lucky Luke", "Tintin",
};
// 7: fairy tales and fables.
constexpr std::string_view kFiabe[] = {
    "La bella addormentata nel bosco", "Biancaneve e i sette nani", "Pollicino", "Pinocchio", "Alì Babà",
    "Cappuccetto rosso", "Cenerentola", "La lampada di Aladino", "I tre musicanti", "La piccola fiammiferaia",
    "Il soldatino di piombo", "La cicala e la formica", "La volpe e l'uva", "Il buon Carletto", "Lo zar Saltan",
    "Il gatto dagli stivali", "Il brutto anatroccolo", "Alice nel paese delle meraviglie", "Hansel e Gretel",
    "Il gatto e la volpe", "C'era una volta...", "Il castello fatato", "La regina delle nevi", "Momo",
};
// 8: journeys and vehicles.
constexpr std::string_view kViaggi[] = {
    "In sella alla moto", "Pedalando...", "Una lunga crociera", "Sul battello", "Un giro in bici",
    "Una bella camminata", "Paesaggio dal finestrino", "Il treno dei desideri", "Volando lontano",
    "Acrobazie sui pattini", "Sul cavallo a dondolo", "Cavalcando nelle praterie", "Motori ruggenti",
    "A tutta velocità", "Sfrecciando con la moto", "Di stazione in stazione", "Espresso", "Volteggi nel cielo",
    "A 'caval di san Francesco'", "Rally", "Vecchia Cinquecento", "Rolls Royce", "Taxi!!",
    "La Maratona di New York",
};
// 9: proverbs, with their own quotes.
constexpr std::string_view kProverbi[] = {
    "'Non è mai troppo tardi'", "'Chi fa da sè fa per tre'", "'Non ci sono più le mezze stagioni...'",
    "'Chi va al mulino s'infarina'", "'Chi va piano va sano e va lontano'", "'Tra il dire e il fare...'",
    "'Le ultime parole famose...'", "'Non cascar dal pero!'", "'Uomo avvisato mezzo salvato...'",
    "'Il buongiorno si vede dal mattino'", "'Il mattino ha l'oro in bocca'", "'Una rondine non fa primavera'",
    "'L'erba del vicino è sempre la più verde'", "'Chi troppo vuole nulla stringe'",
    "'Tanto va la gatta al lardo...'", "'Chi non risica non rosica'", "'Chi la fa l'aspetti'",
    "'Non svegliare il can che dorme!'", "'Nelle braccia di Morfeo'", "'Meglio soli che male accompagnati...",
    "'Can che abbaia non morde'", "'Il gioco è bello quand'è corto'", "'Non piangere sul latte versato...'",
    "Aforisma",
};
// 10: stars, planets and moons.
constexpr std::string_view kAstri[] = {
    "Orion", "Andromeda", "Alpha Centauri", "Halley", "Cassiopea", "Orsa maggiore", "Aldebaran", "Antares",
    "Pegaso", "Perseo", "Mercurio", "Venere", "Saturno", "Urano", "Nettuno", "Plutone", "Europa", "Ganimede",
    "Callisto", "Io", "Amalthea", "Prometheus", "Pandora", "Encelado", "Oberon", "Ariel",
};
// 11: novels.
constexpr std::string_view kLibri[] = {
    "I tre moschettieri", "Dalla Terra alla Luna", "Cime tempestose", "Odissea", "Don Chisciotte",
    "Il vecchio e il mare", "Guglielmo Tell", "L'isola del tesoro", "Via col vento", "I promessi sposi", "1984",
    "Guerra e pace", "Moby Dick", "I ragazzi della via Pal", "Capitan Nemo", "I bucanieri", "Giro intorno al mondo",
    "Odissea nello spazio", "Cronache marziane", "Passaggio a nord-ovest", "Ventimila leghe sotto i mari",
    "Le tigri di Mompracem", "I cavalieri dell'Apocalisse", "Orient-express", "Il segreto dei templari",
    "L'ultima spiaggia", "Viaggio al polo sud", "Il Milione", "La storia infinita", "Il giardino segreto",
    "Passaggio in India", "Solaris",
};
// 12: the sea and the beach.
constexpr std::string_view kMare[] = {
    "Sulla spiaggia", "Al mare", "Il faro", "Conchiglie", "Stella marina", "Orizzonti", "Oceano", "Mare mosso",
    "Isola deserta", "Il marinaio", "Navigando", "La barchetta", "Riflessi sull'acqua", "Orme sulla sabbia",
    "Castello di sabbia", "Giocando sulla spiaggia", "Giochi di luce", "Alta marea", "Bassa marea", "Mare d'agosto",
    "Nuotando", "Bagnanti", "Tramonti tropicali", "Riflessi notturni",
};
// 13: history.
constexpr std::string_view kStoria[] = {
    "I Nibelunghi", "Maya", "Aztec", "Alessandro Magno", "Colombo", "Medioevo", "Rinascimento", "Sol Levante",
    "La scoperta dell'America", "Indie orientali", "Conquistadores", "Amerigo", "Le tre caravelle", "Impero romano",
    "Mandarino", "'700", "Homo Sapiens", "Preistoria", "Dinosauri", "Verso il futuro", "Eventi del passato",
    "Il castello", "Ultimo baluardo", "Roccaforte", "Napoleone", "Sant'Elena", "Waterloo",
};
// 14: classical myths.
constexpr std::string_view kMiti[] = {
    "Le imprese di Ercole", "Apollo", "Il mito di Arianna", "Paride", "La sibilla", "Bacco", "Le tre Grazie",
    "Le fatiche di Sisifo", "Teseo", "Polifemo", "Artemide", "Il canto delle sirene", "Gli argonauti",
    "Il ritorno di Ulisse", "Il tallone di Achille", "La maga Circe", "Ciclopi", "Vulcano", "I fulmini di Zeus",
    "Il centauro", "Diana", "Eolo", "La tela di Penelope",
};
// 15: woods, mountains and waters; "Cascate" stands twice.
constexpr std::string_view kNatura[] = {
    "Nel bosco", "Sul sentiero", "In mezzo al verde", "In cima al monte", "Arrampicata", "Aria di montagna",
    "La pineta", "La pioggia nel pineto", "All'ombra delle piante", "Pic-nic sul prato", "Sul crinale",
    "Acqua di sorgente", "Foreste siberiane", "Cascate", "Mormorii d'acqua", "Un ruscello a primavera",
    "Il risveglio della natura", "Passeggiando nel parco", "Orme sulla neve", "Il volo dell'aquila", "Rapide",
    "Laghetto alpino", "Cascate", "Cinghiali nel bosco",
};
// 16: music, second list.
constexpr std::string_view kMusica2[] = {
    "Serenata", "Canzoncina", "Ritornello", "Canta che ti passa", "Note in libertà", "Degni di nota",
    "Musica antica", "Strofetta", "Strimpellata", "Melody", "Harmony", "Inno", "A Guido d'Arezzo", "Sonatina",
    "Invenzione", "Allegretto", "Meditazione musicale", "Motivetto", "Musica per te",
};
// 17: music, first list.
constexpr std::string_view kMusica1[] = {
    "Wolfgang", "Ludwig", "Concertino", "Jingle", "Ostinato", "Postludio", "Interludio", "Preludio", "Fantasia",
    "Elegia", "Note giocose", "Variazioni", "Canzoncina", "Senza pretese", "Inciso musicale",
    "La musica della gioia", "Relax", "Pausa musicale", "Franz",
};
// 18: gems and treasures.
constexpr std::string_view kGemme[] = {
    "Riflessi dorati", "Nozze d'argento", "Brillanti", "Topazio", "Acquamarina", "Il mio tesoro", "Diamanti grezzi",
    "Preziosi", "Collana di perle", "Gemma splendente", "Lo scrigno aperto", "L'isola del tesoro", "Turchese",
    "Rubino", "Zaffiro", "L'oro dei Maya", "Berillio", "Ametista", "Opale", "Gemme antiche", "Agata", "Cristalli",
    "Le ricchezze del mare", "Alla conquista dell'oro",
};
// 19: sky, dawn and night.
constexpr std::string_view kCielo[] = {
    "Alba sul mare", "Aurora boreale", "Tramonto", "Notturno", "Cielo stellato", "Nubi all'orizzonte",
    "Nuvole sparse", "Cielo d'estate", "Luci della città", "Via Lattea", "Chiarori mattutini", "Notte fonda",
    "Prime luci del giorno", "Sole che sorge", "Luna piena", "Mezzaluna", "Cosmica visione", "Stella polare",
    "Cirri", "Tempesta", "La lunga notte", "Notte sui monti", "Albeggiando", "Quarto di luna",
};
// 20: animals.
constexpr std::string_view kAnimali[] = {
    "Saltando coi canguri", "L'ultimo panda", "Bradipo", "Tartarughe marine", "Nuotando coi delfini",
    "Cavalli nella prateria", "Il ciuchetto", "Tigri", "Pecorelle", "Nell'alveare", "Rinoceronte", "Ir re Leone",
    "L'orso bruno", "La gallina dalle uova d'oro", "La gazzella", "Il pavone", "Scoiattoli",
    "Il ritorno delle rondini", "Il canto del cigno", "Pinguini", "La lepre e la tartaruga", "Farfalle",
    "L'astuta volpe", "Scimmiette", "Il canto del pettirosso", "Mucche al pascolo", "Cavalluccio marino",
    "Anatre in volo", "Il porcellino", "Sulle tracce del lupo", "La marmotta", "Rane nello stagno",
};
// 21: exclamations and praise.
constexpr std::string_view kEsclamazioni[] = {
    "Alè!", "Hip-hip-Urrà!", "Splash!", "Evviva!", "Mega-galattico", "Evvai...", "Stratosferico", "Niente male...",
    "La più bella", "Viva la Musica!", "Capperi", "Grande...", "Indimenticabile", "Precipitevolissimevolmente",
    "La migliore di tutte", "Perbacco...", "Tormentone", "Hit", "Jingle", "Spot", "Clap clap clap...",
    "Il successo dell'anno", "La canzone del secolo", "Din-don-dan",
};
// 22: a boy's or man's adventures; prefix 7 ends in two blanks.
constexpr std::string_view kPersonaggioPrefissi[] = {
    "I ricordi di ", "Il gatto di ", "Il furbo ", "Il piccolo ", "L'astuto ", "Il mitico ", "Il buon  ",
    "La canzone di ", "I sogni di ", "Le vacanze di ", "In viaggio con ", "Il ritorno di ", "Le avventure di ",
};
constexpr std::string_view kPersonaggio[] = {
    "Marco", "Luca", "Giovanni", "Paolo", "Andrea", "Stefano", "Giuseppe", "Franco", "Pietro", "Carlo", "Roberto",
    "Alberto", "Tommaso", "Matteo", "Antonio", "Davide", "John", "Pierre", "Hans", "Carlos", "Ivan", "Peter",
    "Miguel", "Jacques",
};
// 23: Bible stories.
constexpr std::string_view kBibbia[] = {
    "La Creazione", "Il Diluvio universale", "Fuga dall'Egitto", "Davide e Golia", "Il carro di fuoco",
    "Caino e Abele", "Gerusalemme", "La grotta di Nazareth", "I tre magi", "Gli angeli e i pastori",
    "La sapienza di Salomone", "La regina di Saba", "Esodo", "La terra promessa", "Il Cantico dei Cantici",
    "Fuoco sacro", "Sansone e i filistei", "Liberazione", "Gli ultimi giorni", "L'arca di Noè", "Samuele",
    "Le mura di Gerico", "Giubileo", "Mosé",
};
// 24: children's games.
constexpr std::string_view kGiochi[] = {
    "La guerra dei soldatini", "Indiani e cowboy", "Giochi di biglie", "Il trenino dell'mfanzia",
    "La stanza dei giochi", "Partitina", "Cavallo a dondolo", "Tiro a segno", "Nascondino", "Giochi di guerra",
    "Sul triciclo", "Sull'altalena", "Corsa in bicicletta", "Quattro cantoni", "Calci al pallone",
    "Giochi col gatto", "Tamburello", "Mosca cieca", "La pignatta", "Caccia al tesoro", "Scacco matto", "Peluche",
    "Acrobazie", "Sullo slittino", "Ping-pong", "Fuochi d'artificio",
};

constexpr TitleLists kLists[kTitleTypes] = {
    {kCittaPrefissi, " ", kCitta},
    {kDedicaPrefissi, "", kDedica},
    {{}, "", kSaluti},
    {kGiornoPrefissi, "", kGiorno},
    {kFioriPrefissi, "", kFiori},
    {{}, "", kFumetti},
    {{}, "", kFiabe},
    {{}, "", kViaggi},
    {{}, "", kProverbi},
    {{}, "", kAstri},
    {{}, "", kLibri},
    {{}, "", kMare},
    {{}, "", kStoria},
    {{}, "", kMiti},
    {{}, "", kNatura},
    {{}, "", kMusica2},
    {{}, "", kMusica1},
    {{}, "", kGemme},
    {{}, "", kCielo},
    {{}, "", kAnimali},
    {{}, "", kEsclamazioni},
    {kPersonaggioPrefissi, "", kPersonaggio},
    {{}, "", kBibbia},
    {{}, "", kGiochi},
};
}  // namespace

const TitleLists& titleLists(int type) {
    if (type < 1 || type > kTitleTypes)
        raise(ErrorCode::SubscriptOutOfRange, "titleLists(" + std::to_string(type) + ")");
    return kLists[type - 1];
}

}  // namespace kelo

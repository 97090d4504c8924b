// ruotario-cli: the studies of Ruotario from a terminal.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/Versione.h"
#include "cli/Comandi.h"

namespace {

using namespace ruotario::cli;

struct VoceComando {
  std::string_view nome;
  Comando comando;
  std::string_view descrizione;
  std::string_view uso;  // the command's own options, for "COMANDO --help"
};

// Options shared by the constants method commands.
#define USO_KOSTANTI                                                                                \
  "  [--archivio FILE] [--ruota NOME|1..10] [--inizio N] [--fine N] [--colpi 1..99]\n"              \
  "  [--spia 1..90] [--posizione tutte|1..5] [--kostante 1..800 | --ambate A1[,A2[,A3]]]\n"         \
  "  [--attive 1,2,3] [--formato testo|csv|json]\n"                                                 \
  "  Predefiniti: Bari, spia 1, tutte le posizioni, 9 colpi, kostante 200 (ambate 2 e 20,\n"        \
  "  terza ambata 1), attive la 1 e la 2, dall'estrazione 3594 (o dalla 1) all'ultima.\n"           \
  "  [--caso] aggiunge la percentuale di vincita per puro caso (testo e json; in JSON l'oggetto\n"  \
  "  Caso: ambate, casi, vincenti, atteso, atteso_percentuale, osservato_percentuale, p, testo).\n" \
  "  Con --ambate la seconda ambata non indicata è la vertibile della prima, la terza è 1;\n"     \
  "  0 indica una casella vuota.\n"

constexpr VoceComando kComandi[] = {
    {"info", ComandoInfo, "numero di estrazioni, prima e ultima data, dimensione, validità dell'archivio",
     "  [--archivio FILE] [--formato testo|csv|json]\n"},
    {"verifica", ComandoVerifica, "controllo completo dell'archivio, riga per riga",
     "  [--archivio FILE] [--formato testo|csv|json]\n"
     "  Elenca i primi 200 problemi, poi i totali per tipo (lunghezza, data, ordine, doppia, numero,\n"
     "  ripetuto); in JSON le chiavi Righe, Valido, ProblemiTotali, PerTipo e Problemi. I byte non\n"
     "  stampabili del file sono scritti come \\xHH.\n"
     "  Stato di uscita 1 quando l'archivio non supera il controllo di validità.\n"},
    {"importa", ComandoImporta, "sostituisce l'archivio con FILE, tenendo il vecchio in copiaEstrazioni.txt",
     "  FILE [--archivio FILE] [--forza]\n"
     "  Il file viene controllato prima: se non supera il controllo di validità l'archivio resta\n"
     "  com'è, a meno di --forza. Stato di uscita 1 quando l'importazione non è avvenuta.\n"},
    {"esporta", ComandoEsporta, "copia l'archivio come estrazioni.txt nella CARTELLA indicata",
     "  CARTELLA [--archivio FILE] [--sovrascrivi]\n"
     "  Un estrazioni.txt già presente nella cartella viene sostituito solo con --sovrascrivi.\n"
     "  Stato di uscita 1 quando la copia non è avvenuta.\n"},
    {"aggiorna", ComandoAggiorna, "aggiorna l'archivio dagli archivi pubblicati (predefinito: l'archivio ufficiale)",
     "  [--da URL|FILE|CARTELLA]...  fonti da leggere, anche più di una (predefinita: l'indirizzo ufficiale);\n"
     "               formati riconosciuti dal contenuto: archivio storico (data TAB ruota TAB numeri),\n"
     "               file per ruota, CSV data;ruota;numero1..numero5, archivio di Ruotario, e ZIP di questi\n"
     "  [--sostituisci]  le date in conflitto prendono i numeri delle fonti\n"
     "  [--inserisci]    inserisce le date mancanti precedenti all'ultima (i numeri dei record successivi cambiano)\n"
     "  [--prova]        dice che cosa cambierebbe, senza scrivere nulla\n"
     "  [--archivio FILE] [--formato testo|json]\n"
     "  Aggiunge in coda le date successive all'ultima estrazione; non modifica mai un'estrazione presente\n"
     "  senza --sostituisci. Le righe scartate sono elencate. Prima di scrivere copia l'archivio in\n"
     "  copiaEstrazioni.txt; la ruota Nazionale va in nazionale.txt. JSON: Aggiunte, PrimaData, UltimaData,\n"
     "  Conflitti, Scartate, Copia (e Inserite, Mancanti, Precedenti, Sostituite, Nazionale, Scritto,\n"
     "  Errore).\n"
     "  Stato di uscita 0 se l'archivio è aggiornato, 1 per un errore, 2 per un errore d'uso, 3 se restano\n"
     "  conflitti non risolti.\n"},
    {"esempio", ComandoEsempio, "scrive un archivio di esempio casuale sullo standard output",
     "  [--estrazioni N] [--seme S]\n"
     "  Senza --estrazioni segue il calendario reale dal 07/01/1939 ad agosto 2026.\n"},
    {"filtra", ComandoFiltra, "filtra un'estrazione incollata come testo (file o standard input) e la accoda",
     "  [FILE]   testo da filtrare (predefinito, o con -: lo standard input)\n"
     "  [--accoda]   accoda l'estrazione all'archivio, solo se completa, possibile (nessun numero\n"
     "               ripetuto su una ruota, nessuna ruota uguale a un'altra) e successiva all'ultima\n"
     "  [--forza]    con --accoda: accoda anche un'estrazione incompleta (00 al posto dei numeri\n"
     "               mancanti), impossibile o non successiva all'ultima\n"
     "  [--archivio FILE] [--formato testo|csv|json]\n"
     "  In JSON le chiavi Data, Completa, Ruote, Mancanze, Anomalie e, con --accoda, Accodata.\n"
     "  Stato di uscita 1 quando l'estrazione trovata è incompleta o impossibile, o non è stata accodata.\n"},
    {"spia", ComandoSpia, "numeri successori di una spia: sortite, percentuali e ritardi relativi",
     "  [--tipo numero|ambo|terno|cadenza|decina|figura|somma|differenza|distanza|ciclometrica]\n"
     "  [--spia V[,V2[,V3]]]   valore della spia (due valori per ambo, tre per terno)\n"
     "  [--combinazione and|or|xor]   solo ambo e terno (predefinita: and per ambo, or per terno)\n"
     "  [--posizione tutte|1..5|A-B]  posizione della spia, o coppia di posizioni A-B per\n"
     "                           somma, differenza, distanza e ciclometrica (predefinita: tutte)\n"
     "  [--tutte-le-sortite]     conta ogni sortita, non una sola per caso\n"
     "  [--caso]                 aggiunge il confronto con il puro caso: colonne Atteso e p, e la riga\n"
     "                           \"Per puro caso\"; in JSON l'oggetto Caso (chiavi atteso, atteso_percentuale,\n"
     "                           massimo_atteso, massimo_atteso_percentuale, massimo_95,\n"
     "                           massimo_95_percentuale, migliore, p_migliore, testo) e la chiave p di ogni numero\n"
     "  [--archivio FILE] [--ruota NOME|1..10] [--inizio N] [--fine N] [--colpi 1..20]\n"
     "  [--formato testo|csv|json]\n"
     "  Predefiniti: ruota Bari, colpi 9, inizio dal record 2723 (dal primo se l'archivio è più corto),\n"
     "  fine all'ultimo record.\n"},
    {"zevedive", ComandoZevedive, "ZevedIVE: somma dei migliori successori di quindici spie di un'estrazione",
     "  [--estrazione N]   estrazione SPIA, numero di record (predefinita: l'ultima)\n"
     "  [--velocita 0|1|2] inizio del periodo: record 1, 2723 o 3594 (predefinita: 0)\n"
     "  [--top N | --tutti] primi N successori di ogni studio, o tutti (predefinito: 2)\n"
     "  [--colpi 1..20]    (predefiniti: 2)\n"
     "  [--caso]           per ognuno degli studi sommati, il confronto con il puro caso; in JSON\n"
     "                     l'elenco Caso (chiavi di spia --caso, più spia, tipo numero|somma e casi)\n"
     "  [--archivio FILE] [--ruota NOME|1..10] [--formato testo|csv|json]\n"},
    {"kostanti", ComandoKostanti, "statistica metodo delle kostanti: verifica delle ambate dopo un numero spia",
     USO_KOSTANTI},
    {"migliore-ambata", ComandoMiglioreAmbata, "cerca l'ambata (1..90) con la percentuale di vincita più alta",
     USO_KOSTANTI "  [--varia principale|secondaria|terza]  ambata da sostituire (predefinita: secondaria)\n"
                  "  [--senza-veloce]  a pari percentuale non preferisce la media colpi più bassa\n"
                  "  [--fuori-campione [QUOTA]]  cerca sulla prima QUOTA del periodo (predefinita 0.7, anche 70%)\n"
                  "                  e verifica la migliore sul resto; in JSON le chiavi quota, migliore, ambate,\n"
                  "                  campione e fuori_campione (inizio, fine, casi_conclusi, casi_vincenti,\n"
                  "                  percentuale, atteso_percentuale, p)\n"
                  "  Con --caso il vincitore è confrontato con il migliore dei candidati provati per puro\n"
                  "  caso: in Caso anche candidati, massimo_atteso_percentuale, massimo_95_percentuale e\n"
                  "  p_migliore (probabilità che il migliore arrivi fin lì per caso)\n"},
    {"abbinamenti", ComandoAbbinamenti, "sceglie gli abbinamenti alle ambate e conta le vincite con ambo",
     USO_KOSTANTI "  [--modo auto|frequenti|probabili|manuale] (predefinito: auto)\n"
                  "  [--quanti 1..5] numero di abbinamenti (predefinito: 3)\n"
                  "  [--abbinamenti a,b,c]  gli abbinamenti scelti a mano (solo con --modo manuale)\n"
                  "  [--senza-ambo-capigioco]  non conta le vincite con due capigioco\n"
                  "  [--seme S]  seme dei numeri casuali (solo con --modo probabili)\n"
                  "  Stato di uscita 1 quando la statistica non ha estrazioni vincenti.\n"},
    {"ritardi", ComandoRitardi,
     "frequenze e ritardi di numeri, ambi, terni o gruppi, per ruota, posizione o sulle dieci ruote insieme, "
     "e il tabellone analitico, con la probabilità per caso",
     "  [--archivio FILE] [--ruota NOME|1..10|tutte|nazionale] [--inizio N] [--fine N]\n"
     "  [--ultime N]       le ultime N estrazioni dell'archivio fino a --fine (non con --inizio)\n"
     "  [--ambi | --terni | --gruppo G]  gli ambi (4005 per ruota), i terni (117480 per ruota) o un\n"
     "                     gruppo di numeri al posto dei numeri: G è decina:0..8, cadenza:0..9,\n"
     "                     figura:1..9 o un elenco 3,17,45; il gruppo esce quando esce uno dei suoi numeri\n"
     "  [--posizione 1..5] solo il numero (o il gruppo) estratto in quella posizione (estratto determinato)\n"
     "  [--ruote-insieme]  il numero su una qualsiasi delle dieci ruote: conta ogni estrazione in cui almeno\n"
     "                     una ruota è stata estratta (con --ruota tutte invece ogni ruota per sé)\n"
     "  [--tabellone]      il tabellone analitico: i ritardi attuali dei 90 numeri su ogni ruota, più la\n"
     "                     Nazionale quando c'è nazionale.txt accanto all'archivio\n"
     "  [--top N]          solo i primi N più ritardatari (ritardo attuale, poi massimo)\n"
     "  [--formato testo|csv|json]\n"
     "  Predefiniti: Bari, dalla prima all'ultima estrazione, tutti i numeri in ordine.\n"
     "  Contano solo le estrazioni in cui la ruota è stata estratta. Ogni ritardo si misura dall'uscita\n"
     "  precedente, anche se questa cade prima del periodo: il periodo sceglie i ritardi che contano\n"
     "  (quelli che finiscono dentro di esso e quello in corso). La Nazionale ha le sue estrazioni: del\n"
     "  periodo contano quelle con le date comprese fra la prima e l'ultima estrazione del periodo.\n"
     "  JSON: Ruota, Inizio, Fine, Ambi, Tipo, Posizione (con --posizione), \"Estrazioni\" (estrazioni di\n"
     "  ogni ruota nel periodo) e l'elenco \"Numeri\", i cui oggetti hanno Numero (o Ambo \"n1-n2\", Terno\n"
     "  \"a-b-c\", Gruppo), Ruota (quando le ruote sono più d'una), Posizione (con --posizione), Frequenza,\n"
     "  RitardoAttuale, RitardoMassimo, DataUltima, DataRecord, Probabilita e Attesi.\n"
     "  DataUltima: data dell'ultima uscita fino alla fine del periodo (null se mai uscito).\n"
     "  DataRecord: data dell'uscita che ha chiuso il ritardo massimo; l'ultima estrazione del periodo\n"
     "  quando il massimo è il ritardo in corso (il numero è al suo record); la più recente a pari merito.\n"
     "  Probabilita: probabilità che per solo caso resti assente almeno RitardoAttuale estrazioni: per\n"
     "  estrazione 17/18 un numero, 89/90 un numero in una posizione, 1-2/801 un ambo, 1-1/11748 un terno,\n"
     "  C(90-g,5)/C(90,5) un gruppo di g numeri; sulle dieci ruote insieme alla potenza delle ruote estratte\n"
     "  (da 0 a 1; nel testo e nel CSV in percentuale).\n"
     "  Attesi: quante voci delle ruote studiate ci si attende per caso con un ritardo almeno pari:\n"
     "  le voci per ruota (90, 4005, 117480 o 1) per il numero di ruote per la probabilità.\n"},
    {"sistema", ComandoSistema, "sistemi: sviluppo integrale, sistema ridotto con garanzia verificata, spoglio",
     "  sviluppa --numeri LISTA --per K [--posta S]\n"
     "      tutte le colonne di K numeri (1..10) dei numeri indicati (per esempio 1-10,23,45)\n"
     "  riduci --numeri LISTA --per K [--garanzia T] [--se M] [--seme N] [--sforzo N] [--posta S]\n"
     "      meno colonne con la garanzia: sorte T (2..5, predefinita 2) se escono M dei numeri\n"
     "      (T..5, predefinito T), provata su ogni caso; al massimo 40 numeri. Il seme (predefinito 1)\n"
     "      rende la ricerca ripetibile; --sforzo in milioni di passi (predefinito 20)\n"
     "  garanzia [FILE] [--numeri LISTA] [--garanzia T [--se M]]\n"
     "      la garanzia più forte del sistema per ogni quantità di numeri estratti, con un controesempio\n"
     "      per la sorte successiva; con --garanzia verifica quella sola (stato di uscita 1 se non vale)\n"
     "  spoglio [FILE] [--ruote LISTA|tutte] [--inizio N] [--fine N] [--colpi 1..99] [--posta S]\n"
     "          [--sorti LISTA] [--premi FILE] [--giocate] [--archivio FILE]\n"
     "      il sistema giocato sulle estrazioni: ogni giocata dura --colpi estrazioni, una posta per\n"
     "      colonna, sorte e colpo; vincite, costo, lordo, netto e saldo con i valori attesi per caso\n"
     "      (p = probabilità di vincere altrettante volte o più per caso). Sorti predefinite: dall'ambo\n"
     "      alla lunghezza della colonna. Premi e ritenuta da premi.txt nella cartella dei dati.\n"
     "      Con --giocate anche la tabella di ogni giocata (nel CSV al posto di quella delle colonne)\n"
     "  [--formato testo|csv|json]\n"
     "  FILE (o lo standard input se manca o è -): una colonna per riga, i numeri separati da spazi;\n"
     "  le righe che iniziano con # sono note. Nel testo sviluppa e riduci scrivono proprio così le\n"
     "  colonne (riassunto in note #); in JSON le colonne sono l'elenco Colonne.\n"},
    {"previsioni", ComandoPrevisioni, "registro delle previsioni: aggiungi, elenco, salda, elimina",
     "  aggiungi --numeri N1[,N2...] [--ruote NOME[,NOME...]|tutte] [--sorte estratto|ambo|terno|quaterna|cinquina]\n"
     "           [--colpi 1..99] [--origine TESTO] [--nota TESTO]\n"
     "           gioca dopo l'ultima estrazione dell'archivio (predefiniti: Bari, estratto, 9 colpi)\n"
     "  elenco [--stato tutte|in-gioco|saldate]   le previsioni, saldate sull'archivio com'è ora\n"
     "  salda     salda le previsioni sull'archivio e dice quante sono saldate ora\n"
     "  elimina N elimina la previsione numero N\n"
     "  [--archivio FILE] [--registro FILE] [--formato testo|csv|json]\n"
     "  Il registro è previsioni.sqlite nella cartella dell'archivio. JSON di elenco: \"Previsioni\" (Id,\n"
     "  Salvata, DataChiave, Numeri, Ruote, Sorte, Colpi, Origine, Nota, Stato, Colpo, RuotaVinta,\n"
     "  SorteVinta, DataEsito, Probabilita), \"Saldate\", \"Vinte\", \"AtteseCaso\", \"ProbabilitaCoda\".\n"},
    {"verifica-metodo", ComandoVerificaMetodo, "rigioca un metodo nel tempo, estrazione per estrazione, contro il caso",
     "  [--metodo ritardatario|spia|kostanti|zevedive] (predefinito: spia)\n"
     "  [--ruota NOME|1..10] [--colpi N] (predefiniti: Bari; 9 colpi, 2 per zevedive)\n"
     "  [--studio-da N]  primo record studiato dal metodo (predefinito: 1)\n"
     "  [--inizio N] [--fine N]  prima e ultima estrazione in cui fare una previsione\n"
     "  spia:     [--spia 1..90] [--posizione tutte|1..5] [--tutte-le-sortite]\n"
     "  kostanti: [--spia 1..90] [--posizione tutte|1..5] [--kostante 1..800 | --ambate A1[,A2[,A3]]]\n"
     "            [--attive 1,2,3]\n"
     "  zevedive: [--top N | --tutti]\n"
     "  [--elenco]  nel testo, anche una riga per previsione\n"
     "  [--archivio FILE] [--formato testo|csv|json]\n"
     "  A ogni estrazione D il metodo usa solo le estrazioni fino a D e prevede un estratto per i colpi\n"
     "  successivi; la previsione seguente si fa all'estrazione in cui questa si è saldata. ritardatario:\n"
     "  il numero più in ritardo (il più piccolo a parità); spia: il migliore successore della spia, dove\n"
     "  lo studio apre un caso; kostanti: le ambate attive, dove la statistica apre un caso; zevedive: il\n"
     "  primo numero di ZevedIVE con D come estrazione spia. JSON: Previsioni, Vinte, AtteseCaso,\n"
     "  ProbabilitaCoda (probabilità di vincerne almeno altrettante per caso), PercentualeVinte,\n"
     "  PercentualeAttesa ed Elenco (Record, Data, Numeri, Probabilita, Vinta, Colpo, DataEsito).\n"},
};

void aiuto(std::ostream& out) {
  out << "Uso: ruotario-cli COMANDO [OPZIONI]\n\nComandi:\n";
  for (const auto& c : kComandi) {
    std::string nome(c.nome);
    nome.resize(18, ' ');
    out << "  " << nome << c.descrizione << '\n';
  }
  out << "\nOpzioni comuni:\n"
         "  --archivio FILE       archivio delle estrazioni (predefinito: estrazioni.txt nella cartella dei "
         "dati)\n"
         "  --ruota NOME|1..10    ruota studiata (predefinita: Bari)\n"
         "  --inizio N, --fine N  prima e ultima estrazione del periodo (numero di record)\n"
         "  --colpi N             colpi di gioco osservati dopo ogni caso\n"
         "  --formato testo|csv|json  formato del risultato (predefinito: testo)\n"
         "  --caso                confronto con il puro caso (spia, zevedive, kostanti, migliore-ambata):\n"
         "                        atteso = sortite o vincite attese per caso, p = probabilità di fare\n"
         "                        altrettanto o meglio per caso, massimo_atteso = mediana del migliore\n"
         "                        dei 90 numeri per caso, massimo_95 = il suo 95° percentile;\n"
         "                        zevedive aggiunge CasoComplessivo, gli stessi valori su tutti i suoi studi\n"
         "  --help                questo aiuto\n"
         "  --version             versione del programma\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> parole(argv + 1, argv + argc);
  if (parole.empty() || parole[0] == "--help" || parole[0] == "-h" || parole[0] == "aiuto") {
    aiuto(parole.empty() ? std::cerr : std::cout);
    return parole.empty() ? 2 : 0;
  }
  if (parole[0] == "--version") {
    std::cout << "ruotario-cli " << ruotario::kVersione << '\n';
    return 0;
  }
  const std::string nome = parole[0];
  parole.erase(parole.begin());
  for (const auto& c : kComandi) {
    if (c.nome != nome) continue;
    for (const auto& p : parole) {
      if (p == "--help" || p == "-h") {
        std::cout << "Uso: ruotario-cli " << c.nome << " [OPZIONI]\n" << c.descrizione << "\n\nOpzioni:\n" << c.uso;
        return 0;
      }
    }
    try {
      Argomenti a(std::move(parole));
      return c.comando(a, std::cout, std::cerr);
    } catch (const ErroreUso& e) {
      std::cerr << "ruotario-cli " << nome << ": " << e.what() << "\n(ruotario-cli --help per l'aiuto)\n";
      return 2;
    }
  }
  std::cerr << "ruotario-cli: comando sconosciuto \"" << nome << "\"\n(ruotario-cli --help per l'aiuto)\n";
  return 2;
}

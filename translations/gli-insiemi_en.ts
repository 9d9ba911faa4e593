<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Sito dell&apos;autore:</source>
        <translation>Author&apos;s website:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Email:</translation>
    </message>
    <message>
        <source>Autore</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>C h i u d i</source>
        <translation>C l o s e</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ClassListEditor</name>
    <message>
        <source>Elenco degli alunni</source>
        <translation>List of the pupils</translation>
    </message>
    <message>
        <source>Nome dell&apos;alunno</source>
        <translation>Name of the pupil</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Togli</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Incolla elenco</source>
        <translation>Paste a list</translation>
    </message>
    <message>
        <source>Aggiunge i nomi copiati, uno per riga.</source>
        <translation>Adds the copied names, one a line.</translation>
    </message>
    <message>
        <source>Nomi aggiunti: %1.</source>
        <translation>Names added: %1.</translation>
    </message>
    <message>
        <source>Non ci sono nomi da aggiungere.</source>
        <translation>There are no names to add.</translation>
    </message>
    <message>
        <source>Già presenti: %1.</source>
        <translation>Already there: %1.</translation>
    </message>
</context>
<context>
    <name>ClassSetDialog</name>
    <message>
        <source>Schede per la classe</source>
        <translation>Class set</translation>
    </message>
    <message>
        <source>Numero di schede</source>
        <translation>Number of sheets</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Con le soluzioni</source>
        <translation>With solutions</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Save PDF...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 non scritto: %2</source>
        <translation>%1 not written: %2</translation>
    </message>
    <message>
        <source>Confronta due insiemi con i segni &lt;, = e &gt;; schede per l&apos;insegnante.</source>
        <translation>Compares two sets with the signs &lt;, = and &gt;; worksheets for the teacher.</translation>
    </message>
    <message>
        <source>Scrive i risultati di ogni alunno nel FILE CSV ed esce.</source>
        <translation>Writes the results of every pupil to the CSV file FILE and ends.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>argomento sconosciuto: %1</source>
        <translation>unknown argument: %1</translation>
    </message>
</context>
<context>
    <name>DrillScreen</name>
    <message>
        <source>VERIFICA</source>
        <translation>CHECK</translation>
    </message>
    <message>
        <source>AVANTI</source>
        <translation>NEXT</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>STABILIRE UNA RELAZIONE TRA DUE INSIEMI</source>
        <translation>FIND THE RELATION BETWEEN TWO SETS</translation>
    </message>
    <message>
        <source> OBIETTIVO:   CONFRONTA I  DUE INSIEMI</source>
        <translation> GOAL:   COMPARE THE  TWO SETS</translation>
    </message>
    <message>
        <source>segno di relazione</source>
        <translation>relation sign</translation>
    </message>
    <message>
        <source>insieme di sinistra</source>
        <translation>left set</translation>
    </message>
    <message>
        <source>insieme di destra</source>
        <translation>right set</translation>
    </message>
    <message>
        <source>E s a t t o</source>
        <translation>R i g h t</translation>
    </message>
    <message>
        <source>Esatto</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>E r r a t o</source>
        <translation>W r o n g</translation>
    </message>
    <message>
        <source>Errato</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>alunno che risponde</source>
        <translation>the pupil answering</translation>
    </message>
    <message>
        <source>Ascolta</source>
        <translation>Listen</translation>
    </message>
</context>
<context>
    <name>FigureCatalogue</name>
    <message>
        <source>spazio vuoto</source>
        <translation>empty space</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>funnel</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>lamp</translation>
    </message>
    <message>
        <source>sveglia</source>
        <translation>alarm clock</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>sailing boat</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>flag</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>candle</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>dice</translation>
    </message>
    <message>
        <source>aquilone</source>
        <translation>kite</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>chair</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>fir tree</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>cherries</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>cat</translation>
    </message>
    <message>
        <source>tromba</source>
        <translation>trumpet</translation>
    </message>
    <message>
        <source>cornice</source>
        <translation>frame</translation>
    </message>
</context>
<context>
    <name>Mistake</name>
    <message>
        <source>scambia &lt; e &gt;</source>
        <translation>mixes up &lt; and &gt;</translation>
    </message>
    <message>
        <source>non vede =</source>
        <translation>misses =</translation>
    </message>
    <message>
        <source>sbaglia di uno</source>
        <translation>is off by one</translation>
    </message>
    <message>
        <source>vede = dove non c&apos;è</source>
        <translation>sees = where there is none</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>con questo nome c&apos;è già una cartella</source>
        <translation>there is already a folder with this name</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>non c&apos;è il permesso di scrivere in questa cartella</source>
        <translation>there is no permission to write in this folder</translation>
    </message>
    <message>
        <source>il disco è protetto dalla scrittura</source>
        <translation>the disk is write-protected</translation>
    </message>
    <message>
        <source>non c&apos;è abbastanza spazio sul disco</source>
        <translation>there is not enough space on the disk</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>disk error</translation>
    </message>
    <message>
        <source>errore del sistema numero %1</source>
        <translation>system error number %1</translation>
    </message>
    <message>
        <source>Non è stato possibile salvare il file &quot;%1&quot;: %2.</source>
        <translation>The file &quot;%1&quot; could not be saved: %2.</translation>
    </message>
    <message>
        <source>il file è protetto dalla scrittura</source>
        <translation>the file is write-protected</translation>
    </message>
</context>
<context>
    <name>PrintFailure</name>
    <message>
        <source>La coda della stampante è ferma.</source>
        <translation>The printer&apos;s queue is stopped.</translation>
    </message>
    <message>
        <source>La stampante non esiste più.</source>
        <translation>The printer no longer exists.</translation>
    </message>
    <message>
        <source>Il server di stampa non risponde.</source>
        <translation>The print server does not answer.</translation>
    </message>
    <message>
        <source>La stampante ha rifiutato la stampa.</source>
        <translation>The printer refused the job.</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>La stampante predefinita è </source>
        <translation>The default printer is </translation>
    </message>
    <message>
        <source>La stampante scelta è </source>
        <translation>The chosen printer is </translation>
    </message>
</context>
<context>
    <name>PrinterChooser</name>
    <message>
        <source>C H I U D I</source>
        <translation>C L O S E</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>it</source>
        <comment>language code of the drill&apos;s voice</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>Server dei risultati</source>
        <translation>Results server</translation>
    </message>
</context>
<context>
    <name>PupilDayModel</name>
    <message>
        <source>Giorno</source>
        <translation>Day</translation>
    </message>
</context>
<context>
    <name>PupilList</name>
    <message>
        <source>Il nome è vuoto.</source>
        <translation>The name is empty.</translation>
    </message>
    <message>
        <source>Un nome sta su una riga sola.</source>
        <translation>A name fits on one line only.</translation>
    </message>
    <message>
        <source>Questo nome c&apos;è già.</source>
        <translation>This name is already there.</translation>
    </message>
    <message>
        <source>Scegli prima un nome dell&apos;elenco.</source>
        <translation>Choose a name from the list first.</translation>
    </message>
</context>
<context>
    <name>PupilSummaryModel</name>
    <message>
        <source>Alunno</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Ultimo giorno</source>
        <translation>Last day</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>Ospite</source>
        <translation>Guest</translation>
    </message>
    <message>
        <source>Alunno</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Esercizi</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Giusti</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Sbagliati</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Giusti (%)</source>
        <translation>Right (%)</translation>
    </message>
    <message>
        <source>Secondi in media</source>
        <translation>Mean seconds</translation>
    </message>
    <message>
        <source>Ultimo giorno</source>
        <translation>Last day</translation>
    </message>
    <message>
        <source>Errore più frequente</source>
        <translation>Most frequent mistake</translation>
    </message>
    <message>
        <source>la cartella %1 non esiste</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>%1 è una cartella</source>
        <translation>%1 is a folder</translation>
    </message>
</context>
<context>
    <name>ResultsModels</name>
    <message>
        <source>Esercizi</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Giusti</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Sbagliati</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Giusti in %</source>
        <translation>Right in %</translation>
    </message>
    <message>
        <source>Secondi in media</source>
        <translation>Mean seconds</translation>
    </message>
    <message>
        <source>Errore più frequente</source>
        <translation>Most frequent mistake</translation>
    </message>
    <message>
        <source>%1 giusti, %2 sbagliati</source>
        <translation>%1 right, %2 wrong</translation>
    </message>
    <message>
        <source>Ospite</source>
        <translation>Guest</translation>
    </message>
</context>
<context>
    <name>ResultsScreen</name>
    <message>
        <source>Oggi</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Questa settimana</source>
        <translation>This week</translation>
    </message>
    <message>
        <source>Tutti i giorni</source>
        <translation>All days</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Risultati degli alunni</source>
        <translation>Pupils&apos; results</translation>
    </message>
    <message>
        <source>Giorno per giorno</source>
        <translation>Day by day</translation>
    </message>
    <message>
        <source>Messaggio</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Esporta CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Save PDF...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Risultati dell&apos;alunno scelto...</source>
        <translation>The chosen pupil&apos;s results...</translation>
    </message>
    <message>
        <source>Tutti i risultati...</source>
        <translation>All results...</translation>
    </message>
    <message>
        <source>Risultati eliminati.</source>
        <translation>Results deleted.</translation>
    </message>
    <message>
        <source>Scegli un alunno per vedere i suoi giorni.</source>
        <translation>Choose a pupil to see their days.</translation>
    </message>
    <message>
        <source>Caricamento...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Nessun risultato in questo periodo.</source>
        <translation>No results in this period.</translation>
    </message>
    <message>
        <source>Giorno per giorno: %1 (caricamento...)</source>
        <translation>Day by day: %1 (loading...)</translation>
    </message>
    <message>
        <source>Giorno per giorno: %1</source>
        <translation>Day by day: %1</translation>
    </message>
    <message>
        <source>Risultati: %1 (%2)</source>
        <translation>Results: %1 (%2)</translation>
    </message>
    <message>
        <source>Risultati della classe %1: %2 (%3)</source>
        <translation>Results of class %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Esporta i risultati in CSV</source>
        <translation>Export the results as CSV</translation>
    </message>
    <message>
        <source>Tabelle CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>risultati.csv</source>
        <translation>results.csv</translation>
    </message>
    <message>
        <source>Esportazione in %1...</source>
        <translation>Exporting to %1...</translation>
    </message>
    <message>
        <source>Risultati esportati in %1</source>
        <translation>Results exported to %1</translation>
    </message>
    <message>
        <source>Non è stato possibile esportare i risultati in %1: %2</source>
        <translation>The results could not be exported to %1: %2</translation>
    </message>
    <message>
        <source>Stampa in corso...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>Non è stato possibile preparare la pagina.</source>
        <translation>The page could not be prepared.</translation>
    </message>
    <message>
        <source>Non è stato possibile stampare i risultati su %1.</source>
        <translation>The results could not be printed on %1.</translation>
    </message>
    <message>
        <source>Risultati inviati a %1</source>
        <translation>Results sent to %1</translation>
    </message>
    <message>
        <source>Salva i risultati in PDF</source>
        <translation>Save the results as PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>risultati.pdf</source>
        <translation>results.pdf</translation>
    </message>
    <message>
        <source>Salvataggio in %1...</source>
        <translation>Saving in %1...</translation>
    </message>
    <message>
        <source>la pagina non si è potuta preparare</source>
        <translation>the page could not be prepared</translation>
    </message>
    <message>
        <source>Non è stato possibile salvare il file &quot;%1&quot;: %2.</source>
        <translation>The file &quot;%1&quot; could not be saved: %2.</translation>
    </message>
    <message>
        <source>Salvata in %1</source>
        <translation>Saved in %1</translation>
    </message>
    <message>
        <source>Eliminare tutti i risultati di %1?

Ogni sua risposta, di ogni giorno, sarà cancellata per sempre da %2. Non si può annullare.</source>
        <translation>Delete all results of %1?

Every answer, of every day, will be erased for good from %2. This cannot be undone.</translation>
    </message>
    <message>
        <source>Eliminare i risultati di tutti gli alunni e degli ospiti?

Ogni risposta salvata, di ogni giorno, sarà cancellata per sempre da %1. Non si può annullare.</source>
        <translation>Delete the results of all pupils and guests?

Every saved answer, of every day, will be erased for good from %1. This cannot be undone.</translation>
    </message>
</context>
<context>
    <name>ResultsSender</name>
    <message>
        <source>Le risposte non si possono leggere da %1 per inviarle al server: %2</source>
        <translation>The answers cannot be read from %1 to send them to the server: %2</translation>
    </message>
    <message>
        <source>Le risposte restano su questo computer e partono appena il server risponde.</source>
        <translation>The answers stay on this computer and are sent as soon as the server answers.</translation>
    </message>
</context>
<context>
    <name>ResultsStore</name>
    <message>
        <source>il server %1</source>
        <translation>the server %1</translation>
    </message>
    <message>
        <source>Connessione riuscita: %1, tabelle dei risultati alla versione %2.</source>
        <translation>Connected: %1, results tables at version %2.</translation>
    </message>
    <message>
        <source>Manca il driver di Qt SQL per i risultati in %1.</source>
        <translation>The Qt SQL driver for the results in %1 is missing.</translation>
    </message>
    <message>
        <source>I risultati in %1 non si possono portare alla versione di questo programma: %2</source>
        <translation>The results in %1 cannot be moved to this program&apos;s version: %2</translation>
    </message>
    <message>
        <source>I risultati in %1 vengono da una versione più nuova del programma: aggiornare il programma.</source>
        <translation>The results in %1 come from a newer version of the program: please update the program.</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>La risposta non è stata salvata in %1: il file è di sola lettura.</source>
        <translation>The answer was not saved in %1: the file is read-only.</translation>
    </message>
    <message>
        <source>La risposta non è stata salvata in %1: %2</source>
        <translation>The answer was not saved in %1: %2</translation>
    </message>
    <message>
        <source>I risultati in %1 non si possono leggere: %2</source>
        <translation>The results in %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>I risultati in %1 non si possono cancellare: il file è di sola lettura.</source>
        <translation>The results in %1 cannot be deleted: the file is read-only.</translation>
    </message>
    <message>
        <source>I risultati in %1 non si possono cancellare: %2</source>
        <translation>The results in %1 cannot be deleted: %2</translation>
    </message>
    <message>
        <source>La cartella dei risultati %1 non si può creare.</source>
        <translation>The results folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Il file dei risultati %1 non si può leggere: mancano i permessi.</source>
        <translation>The results file %1 cannot be read: permission is missing.</translation>
    </message>
    <message>
        <source>Il file dei risultati %1 non si può aprire: %2</source>
        <translation>The results file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Il file dei risultati %1 è di sola lettura: le risposte nuove non vengono salvate.</source>
        <translation>The results file %1 is read-only: new answers are not saved.</translation>
    </message>
    <message>
        <source>Il file dei risultati %1 è danneggiato e non si può mettere da parte.</source>
        <translation>The results file %1 is damaged and cannot be moved aside.</translation>
    </message>
    <message>
        <source>Il file dei risultati era danneggiato: è stato messo da parte come %1 e i risultati nuovi vanno in un file nuovo, %2.</source>
        <translation>The results file was damaged: it was moved aside as %1, and new results go to a new file, %2.</translation>
    </message>
    <message>
        <source>Il disco del file dei risultati %1 è pieno: le risposte nuove non vengono salvate.</source>
        <translation>The disk of the results file %1 is full: new answers are not saved.</translation>
    </message>
    <message>
        <source>Fonte dei risultati: %1. Questo computer non ha ancora inviato risposte.</source>
        <translation>Source of the results: %1. This computer has not sent any answers yet.</translation>
    </message>
    <message>
        <source>Fonte dei risultati: %1. Ultimo invio di questo computer: %2.</source>
        <translation>Source of the results: %1. Last sent from this computer: %2.</translation>
    </message>
    <message>
        <source>Le risposte non si possono salvare: il modulo dei risultati non si apre (%1).</source>
        <translation>The answers cannot be saved: the results module does not open (%1).</translation>
    </message>
    <message>
        <source>%1 non trovato</source>
        <translation>%1 not found</translation>
    </message>
</context>
<context>
    <name>ScorePanel</name>
    <message>
        <source>Oper</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <translation> Correct answers</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <translation> Wrong answers</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <translation>Answer time</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Seconds taken for each answer</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Seconds taken for each exercise</translation>
    </message>
</context>
<context>
    <name>ServerFault</name>
    <message>
        <source>Il server %1 non si trova: il nome è sbagliato o la rete non funziona.</source>
        <translation>The server %1 cannot be found: the name is wrong or the network is not working.</translation>
    </message>
    <message>
        <source>Il server %1 non risponde: è spento o non raggiungibile.</source>
        <translation>The server %1 does not answer: it is switched off or cannot be reached.</translation>
    </message>
    <message>
        <source>La connessione con il server %1 si è interrotta.</source>
        <translation>The connection to the server %1 was broken.</translation>
    </message>
    <message>
        <source>Il server %1 non offre una connessione cifrata, ma le impostazioni la richiedono (sslmode).</source>
        <translation>The server %1 offers no encrypted connection, but the settings require one (sslmode).</translation>
    </message>
    <message>
        <source>Il certificato del server %1 non è valido o non si può verificare.</source>
        <translation>The certificate of the server %1 is not valid or cannot be verified.</translation>
    </message>
    <message>
        <source>Manca la password per il server %1: va scritta nel file delle password (~/.pgpass) o nel file dei servizi.</source>
        <translation>The password for the server %1 is missing: it belongs in the password file (~/.pgpass) or the service file.</translation>
    </message>
    <message>
        <source>Il server %1 rifiuta la password: correggerla nel file delle password (~/.pgpass) o nel file dei servizi.</source>
        <translation>The server %1 refuses the password: correct it in the password file (~/.pgpass) or the service file.</translation>
    </message>
    <message>
        <source>Sul server %1 non esiste l&apos;utente indicato.</source>
        <translation>The given user does not exist on the server %1.</translation>
    </message>
    <message>
        <source>Il server %1 non accetta questo computer o questo utente (pg_hba.conf).</source>
        <translation>The server %1 does not let this computer or this user in (pg_hba.conf).</translation>
    </message>
    <message>
        <source>Sul server %1 non esiste il database indicato.</source>
        <translation>The given database does not exist on the server %1.</translation>
    </message>
    <message>
        <source>Sul server %1 l&apos;utente non ha il permesso di usare le tabelle dei risultati.</source>
        <translation>On the server %1 the user may not use the results tables.</translation>
    </message>
    <message>
        <source>Nel database del server %1 mancano le tabelle dei risultati: vanno create con scripts/school-server.sql.</source>
        <translation>The database of the server %1 lacks the results tables: create them with scripts/school-server.sql.</translation>
    </message>
    <message>
        <source>Le tabelle dei risultati sul server %1 sono di una versione più vecchia: vanno aggiornate con scripts/school-server.sql.</source>
        <translation>The results tables on the server %1 are of an older version: update them with scripts/school-server.sql.</translation>
    </message>
    <message>
        <source>Le tabelle dei risultati sul server %1 sono di una versione più nuova del programma: va aggiornato il programma.</source>
        <translation>The results tables on the server %1 are of a newer version of the program: update the program.</translation>
    </message>
    <message>
        <source>Il server %1 risponde con un errore: %2</source>
        <translation>The server %1 answers with an error: %2</translation>
    </message>
</context>
<context>
    <name>ServerSection</name>
    <message>
        <source>Server dei risultati</source>
        <translation>Results server</translation>
    </message>
    <message>
        <source>nessuno: i risultati restano su questo computer</source>
        <translation>none: the results stay on this computer</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Servizio</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>dal file dei servizi (pg_service.conf)</source>
        <translation>from the service file (pg_service.conf)</translation>
    </message>
    <message>
        <source>Prova connessione</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>predefinita</source>
        <translation>default</translation>
    </message>
    <message>
        <source>Porta</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Cifratura (sslmode)</source>
        <translation>Encryption (sslmode)</translation>
    </message>
    <message>
        <source>Esito della prova</source>
        <translation>Result of the test</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Porta:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>Utente:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Cifratura (sslmode):</source>
        <translation>Encryption (sslmode):</translation>
    </message>
    <message>
        <source>Servizio:</source>
        <translation>Service:</translation>
    </message>
    <message>
        <source>La password non si scrive qui: va nel file delle password (~/.pgpass) o nel file dei servizi.</source>
        <translation>The password is not typed here: it belongs in the password file (~/.pgpass) or the service file.</translation>
    </message>
    <message>
        <source>Nessun server: i risultati restano su questo computer.</source>
        <translation>No server: the results stay on this computer.</translation>
    </message>
    <message>
        <source>Prova in corso con %1...</source>
        <translation>Testing %1...</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Il nome del server è troppo lungo.</source>
        <translation>The server&apos;s name is too long.</translation>
    </message>
    <message>
        <source>Il nome del server «%1» non è valido: sono ammessi lettere, cifre, punti e trattini, oppure la cartella di un socket.</source>
        <translation>The server name &quot;%1&quot; is not valid: letters, digits, dots and hyphens are allowed, or a socket&apos;s folder.</translation>
    </message>
    <message>
        <source>La porta %1 non è valida: deve essere fra 1 e 65535.</source>
        <translation>The port %1 is not valid: it must be between 1 and 65535.</translation>
    </message>
    <message>
        <source>La modalità SSL «%1» non esiste: valori ammessi %2.</source>
        <translation>The SSL mode &quot;%1&quot; does not exist: allowed values are %2.</translation>
    </message>
    <message>
        <source>Il nome del servizio «%1» non è valido: sono ammessi lettere, cifre, punti, trattini e trattini bassi.</source>
        <translation>The service name &quot;%1&quot; is not valid: letters, digits, dots, hyphens and underscores are allowed.</translation>
    </message>
    <message>
        <source>La porta «%1» non è valida: deve essere fra 1 e 65535.</source>
        <translation>The port &quot;%1&quot; is not valid: it must be between 1 and 65535.</translation>
    </message>
    <message>
        <source>servizio %1</source>
        <translation>service %1</translation>
    </message>
    <message>
        <source>%1 (servizio %2)</source>
        <translation>%1 (service %2)</translation>
    </message>
    <message>
        <source>Il nome del database è troppo lungo: al massimo 63 byte.</source>
        <translation>The database&apos;s name is too long: 63 bytes at most.</translation>
    </message>
    <message>
        <source>Il nome dell&apos;utente è troppo lungo: al massimo 63 byte.</source>
        <translation>The user&apos;s name is too long: 63 bytes at most.</translation>
    </message>
    <message>
        <source>Il nome del database contiene caratteri di controllo.</source>
        <translation>The database&apos;s name contains control characters.</translation>
    </message>
    <message>
        <source>Il nome dell&apos;utente contiene caratteri di controllo.</source>
        <translation>The user&apos;s name contains control characters.</translation>
    </message>
</context>
<context>
    <name>SetLevel</name>
    <message>
        <source>fino a 5</source>
        <translation>up to 5</translation>
    </message>
    <message>
        <source>fino a 15</source>
        <translation>up to 15</translation>
    </message>
    <message>
        <source>fino a 10</source>
        <translation>up to 10</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Impostazioni</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Voce</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>Il programma parla</source>
        <translation>The program speaks</translation>
    </message>
    <message>
        <source>Grandezza degli insiemi</source>
        <translation>Size of the sets</translation>
    </message>
    <message>
        <source>Nome della classe</source>
        <translation>Name of the class</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Le modifiche valgono dal prossimo esercizio.</source>
        <translation>The changes apply from the next exercise.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Nome e Cognome   </source>
        <translation>Name and surname   </translation>
    </message>
    <message>
        <source>Scrivi il segno di relazione ra i due insiemi: &lt; = &gt;</source>
        <translation>Write the relation sign between the two sets: &lt; = &gt;</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Printing problem with the printer in use.</translation>
    </message>
    <message>
        <source>Soluzioni</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Scheda %1 di %2</source>
        <translation>Worksheet %1 of %2</translation>
    </message>
    <message>
        <source>Scheda</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Esercizio 1</source>
        <translation>Exercise 1</translation>
    </message>
    <message>
        <source>Esercizio 2</source>
        <translation>Exercise 2</translation>
    </message>
    <message>
        <source>Esercizio 3</source>
        <translation>Exercise 3</translation>
    </message>
    <message>
        <source>Esercizio 4</source>
        <translation>Exercise 4</translation>
    </message>
    <message>
        <source>la pagina non si è potuta disegnare</source>
        <translation>the page could not be drawn</translation>
    </message>
    <message>
        <source>le pagine non si sono potute disegnare</source>
        <translation>the pages could not be drawn</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>SOLO    MOUSE    PER UN CORRETTO FUNZIONAMENTO</source>
        <translation>MOUSE    ONLY    FOR CORRECT OPERATION</translation>
    </message>
    <message>
        <source>Il nuovo software di Brivano</source>
        <translation>The new software by Brivano</translation>
    </message>
    <message>
        <source>VAI</source>
        <translation>GO</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Stampa schede</source>
        <translation>Print worksheets</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Vers.  %1</source>
        <translation>Ver.  %1</translation>
    </message>
    <message>
        <source>Risultati...</source>
        <translation>Results...</translation>
    </message>
    <message>
        <source>Impostazioni...</source>
        <translation>Settings...</translation>
    </message>
</context>
<context>
    <name>WhoAreYouScreen</name>
    <message>
        <source>Chi sei?</source>
        <translation>Who are you?</translation>
    </message>
    <message>
        <source>Nomi della classe</source>
        <translation>Names of the class</translation>
    </message>
    <message>
        <source>Ospite</source>
        <translation>Guest</translation>
    </message>
    <message>
        <source>senza nome</source>
        <translation>without a name</translation>
    </message>
</context>
<context>
    <name>WorksheetScreen</name>
    <message>
        <source>Visualizza la seconda parte</source>
        <translation>Show the second part</translation>
    </message>
    <message>
        <source>Visualiza la prima parte</source>
        <translation>Show the first part</translation>
    </message>
    <message>
        <source>Scheda - Gli insiemi</source>
        <translation>Worksheet - Gli insiemi</translation>
    </message>
    <message>
        <source>Schede per la classe - Gli insiemi</source>
        <translation>Class set - Gli insiemi</translation>
    </message>
    <message>
        <source>Salva la scheda in PDF</source>
        <translation>Save the worksheet as PDF</translation>
    </message>
    <message>
        <source>Salva le schede in PDF</source>
        <translation>Save the worksheets as PDF</translation>
    </message>
    <message>
        <source>scheda.pdf</source>
        <translation>worksheet.pdf</translation>
    </message>
    <message>
        <source>schede-classe.pdf</source>
        <translation>class-set.pdf</translation>
    </message>
    <message>
        <source>insieme di %1, esercizio %2</source>
        <translation>%1 set, exercise %2</translation>
    </message>
    <message>
        <source>sinistra</source>
        <translation>left</translation>
    </message>
    <message>
        <source>destra</source>
        <translation>right</translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA         </source>
        <translation>WORKSHEET VIEW         </translation>
    </message>
    <message>
        <source>VISUALIZZA 1° ESERCIZIO</source>
        <translation>SHOW EXERCISE 1</translation>
    </message>
    <message>
        <source>VISUALIZZA 2° ESERCIZIO</source>
        <translation>SHOW EXERCISE 2</translation>
    </message>
    <message>
        <source>VISUALIZZA 3° ESERCIZIO</source>
        <translation>SHOW EXERCISE 3</translation>
    </message>
    <message>
        <source>VISUALIZZA 4° ESERCIZIO</source>
        <translation>SHOW EXERCISE 4</translation>
    </message>
    <message>
        <source>STAMPA</source>
        <translation>PRINT</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Visualizza la prima parte</source>
        <translation>Show the first part</translation>
    </message>
    <message>
        <source> SCHEDA: mettere il segno di relazione</source>
        <translation> WORKSHEET: put in the relation sign</translation>
    </message>
    <message>
        <source>Seleziona stampante</source>
        <translation>Select printer</translation>
    </message>
    <message>
        <source>&amp;Salva PDF...</source>
        <translation>&amp;Save PDF...</translation>
    </message>
    <message>
        <source>Schede per la &amp;classe...</source>
        <translation>&amp;Class set...</translation>
    </message>
    <message>
        <source>GLI INSIEMI - scheda</source>
        <translation>GLI INSIEMI - worksheet</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; esiste già. Sostituirlo?</source>
        <translation>The file &quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Schede per la classe</source>
        <translation>Class set</translation>
    </message>
    <message>
        <source>Preparazione della scheda %1 di %2</source>
        <translation>Preparing worksheet %1 of %2</translation>
    </message>
    <message>
        <source>Preparazione delle soluzioni</source>
        <translation>Preparing the solutions</translation>
    </message>
    <message>
        <source>Invio alla stampante...</source>
        <translation>Sending to the printer...</translation>
    </message>
    <message>
        <source>Scrittura del file...</source>
        <translation>Writing the file...</translation>
    </message>
    <message>
        <source>Scheda inviata a %1</source>
        <translation>Sheet sent to %1</translation>
    </message>
    <message>
        <source>Salvata in %1</source>
        <translation>Saved in %1</translation>
    </message>
    <message>
        <source>Salvate in %1</source>
        <translation>Saved in %1</translation>
    </message>
    <message>
        <source>Schede inviate a %1</source>
        <translation>Sheets sent to %1</translation>
    </message>
</context>
</TS>

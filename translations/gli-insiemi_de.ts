<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it_IT">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Sito dell&apos;autore:</source>
        <translation>Website des Autors:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Autore</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>C h i u d i</source>
        <translation>S c h l i e ß e n</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ClassListEditor</name>
    <message>
        <source>Elenco degli alunni</source>
        <translation>Liste der Kinder</translation>
    </message>
    <message>
        <source>Nome dell&apos;alunno</source>
        <translation>Name des Kindes</translation>
    </message>
    <message>
        <source>Aggiungi</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Togli</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Incolla elenco</source>
        <translation>Liste einfügen</translation>
    </message>
    <message>
        <source>Aggiunge i nomi copiati, uno per riga.</source>
        <translation>Fügt die kopierten Namen ein, einen je Zeile.</translation>
    </message>
    <message>
        <source>Nomi aggiunti: %1.</source>
        <translation>Namen hinzugefügt: %1.</translation>
    </message>
    <message>
        <source>Non ci sono nomi da aggiungere.</source>
        <translation>Es gibt keine Namen zum Hinzufügen.</translation>
    </message>
    <message>
        <source>Già presenti: %1.</source>
        <translation>Schon vorhanden: %1.</translation>
    </message>
</context>
<context>
    <name>ClassSetDialog</name>
    <message>
        <source>Schede per la classe</source>
        <translation>Klassensatz</translation>
    </message>
    <message>
        <source>Numero di schede</source>
        <translation>Anzahl Blätter</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>von %1 bis %2</translation>
    </message>
    <message>
        <source>Con le soluzioni</source>
        <translation>Mit Lösungen</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 non scritto: %2</source>
        <translation>%1 nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>Confronta due insiemi con i segni &lt;, = e &gt;; schede per l&apos;insegnante.</source>
        <translation>Vergleicht zwei Mengen mit den Zeichen &lt;, = und &gt;; Arbeitsblätter für die Lehrkraft.</translation>
    </message>
    <message>
        <source>Scrive i risultati di ogni alunno nel FILE CSV ed esce.</source>
        <translation>Schreibt die Ergebnisse jedes Schülers in die CSV-Datei FILE und endet.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>argomento sconosciuto: %1</source>
        <translation>unbekanntes Argument: %1</translation>
    </message>
</context>
<context>
    <name>DrillScreen</name>
    <message>
        <source>VERIFICA</source>
        <translation>PRÜFEN</translation>
    </message>
    <message>
        <source>AVANTI</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>STABILIRE UNA RELAZIONE TRA DUE INSIEMI</source>
        <translation>EINE RELATION ZWISCHEN ZWEI MENGEN BESTIMMEN</translation>
    </message>
    <message>
        <source> OBIETTIVO:   CONFRONTA I  DUE INSIEMI</source>
        <translation> ZIEL:   VERGLEICHE DIE  ZWEI MENGEN</translation>
    </message>
    <message>
        <source>segno di relazione</source>
        <translation>Relationszeichen</translation>
    </message>
    <message>
        <source>insieme di sinistra</source>
        <translation>linke Menge</translation>
    </message>
    <message>
        <source>insieme di destra</source>
        <translation>rechte Menge</translation>
    </message>
    <message>
        <source>E s a t t o</source>
        <translation>R i c h t i g</translation>
    </message>
    <message>
        <source>Esatto</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>E r r a t o</source>
        <translation>F a l s c h</translation>
    </message>
    <message>
        <source>Errato</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>alunno che risponde</source>
        <translation>der Schüler, der antwortet</translation>
    </message>
    <message>
        <source>Ascolta</source>
        <translation>Anhören</translation>
    </message>
</context>
<context>
    <name>FigureCatalogue</name>
    <message>
        <source>spazio vuoto</source>
        <translation>leerer Platz</translation>
    </message>
    <message>
        <source>imbuto</source>
        <translation>Trichter</translation>
    </message>
    <message>
        <source>lampada</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>sveglia</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>barca a vela</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>bandiera</source>
        <translation>Fahne</translation>
    </message>
    <message>
        <source>candela</source>
        <translation>Kerze</translation>
    </message>
    <message>
        <source>dado</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>aquilone</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>sedia</source>
        <translation>Stuhl</translation>
    </message>
    <message>
        <source>abete</source>
        <translation>Tanne</translation>
    </message>
    <message>
        <source>ciliegie</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>gatto</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>tromba</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>cornice</source>
        <translation>Rahmen</translation>
    </message>
</context>
<context>
    <name>Mistake</name>
    <message>
        <source>scambia &lt; e &gt;</source>
        <translation>verwechselt &lt; und &gt;</translation>
    </message>
    <message>
        <source>non vede =</source>
        <translation>übersieht =</translation>
    </message>
    <message>
        <source>sbaglia di uno</source>
        <translation>liegt um eins daneben</translation>
    </message>
    <message>
        <source>vede = dove non c&apos;è</source>
        <translation>sieht = wo keins ist</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>con questo nome c&apos;è già una cartella</source>
        <translation>es gibt schon einen Ordner mit diesem Namen</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>den Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>non c&apos;è il permesso di scrivere in questa cartella</source>
        <translation>für diesen Ordner fehlt die Schreibberechtigung</translation>
    </message>
    <message>
        <source>il disco è protetto dalla scrittura</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>non c&apos;è abbastanza spazio sul disco</source>
        <translation>auf dem Datenträger ist nicht genug Platz</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>Datenträgerfehler</translation>
    </message>
    <message>
        <source>errore del sistema numero %1</source>
        <translation>Systemfehler Nummer %1</translation>
    </message>
    <message>
        <source>Non è stato possibile salvare il file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>il file è protetto dalla scrittura</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>PrintFailure</name>
    <message>
        <source>La coda della stampante è ferma.</source>
        <translation>Die Druckerwarteschlange ist angehalten.</translation>
    </message>
    <message>
        <source>La stampante non esiste più.</source>
        <translation>Den Drucker gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>Il server di stampa non risponde.</source>
        <translation>Der Druckserver antwortet nicht.</translation>
    </message>
    <message>
        <source>La stampante ha rifiutato la stampa.</source>
        <translation>Der Drucker hat den Auftrag abgelehnt.</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>La stampante predefinita è </source>
        <translation>Der Standarddrucker ist </translation>
    </message>
    <message>
        <source>La stampante scelta è </source>
        <translation>Der gewählte Drucker ist </translation>
    </message>
</context>
<context>
    <name>PrinterChooser</name>
    <message>
        <source>C H I U D I</source>
        <translation>S C H L I E S S E N</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>it</source>
        <comment>language code of the drill&apos;s voice</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Server dei risultati</source>
        <translation>Ergebnisserver</translation>
    </message>
</context>
<context>
    <name>PupilDayModel</name>
    <message>
        <source>Giorno</source>
        <translation>Tag</translation>
    </message>
</context>
<context>
    <name>PupilList</name>
    <message>
        <source>Il nome è vuoto.</source>
        <translation>Der Name ist leer.</translation>
    </message>
    <message>
        <source>Un nome sta su una riga sola.</source>
        <translation>Ein Name steht in einer einzigen Zeile.</translation>
    </message>
    <message>
        <source>Questo nome c&apos;è già.</source>
        <translation>Diesen Namen gibt es schon.</translation>
    </message>
    <message>
        <source>Scegli prima un nome dell&apos;elenco.</source>
        <translation>Wähle zuerst einen Namen aus der Liste.</translation>
    </message>
</context>
<context>
    <name>PupilSummaryModel</name>
    <message>
        <source>Alunno</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Ultimo giorno</source>
        <translation>Letzter Tag</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>Ospite</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Alunno</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Esercizi</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Giusti</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Sbagliati</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Giusti (%)</source>
        <translation>Richtig (%)</translation>
    </message>
    <message>
        <source>Secondi in media</source>
        <translation>Sekunden im Mittel</translation>
    </message>
    <message>
        <source>Ultimo giorno</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Errore più frequente</source>
        <translation>Häufigster Fehler</translation>
    </message>
    <message>
        <source>la cartella %1 non esiste</source>
        <translation>den Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>%1 è una cartella</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
</context>
<context>
    <name>ResultsModels</name>
    <message>
        <source>Esercizi</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Giusti</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Sbagliati</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Giusti in %</source>
        <translation>Richtig in %</translation>
    </message>
    <message>
        <source>Secondi in media</source>
        <translation>Sekunden im Mittel</translation>
    </message>
    <message>
        <source>Errore più frequente</source>
        <translation>Häufigster Fehler</translation>
    </message>
    <message>
        <source>%1 giusti, %2 sbagliati</source>
        <translation>%1 richtig, %2 falsch</translation>
    </message>
    <message>
        <source>Ospite</source>
        <translation>Gast</translation>
    </message>
</context>
<context>
    <name>ResultsScreen</name>
    <message>
        <source>Oggi</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Questa settimana</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Tutti i giorni</source>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>Risultati</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Periodo:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Risultati degli alunni</source>
        <translation>Ergebnisse der Schüler</translation>
    </message>
    <message>
        <source>Giorno per giorno</source>
        <translation>Tag für Tag</translation>
    </message>
    <message>
        <source>Messaggio</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Esporta CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Risultati dell&apos;alunno scelto...</source>
        <translation>Ergebnisse des gewählten Schülers...</translation>
    </message>
    <message>
        <source>Tutti i risultati...</source>
        <translation>Alle Ergebnisse...</translation>
    </message>
    <message>
        <source>Risultati eliminati.</source>
        <translation>Ergebnisse gelöscht.</translation>
    </message>
    <message>
        <source>Scegli un alunno per vedere i suoi giorni.</source>
        <translation>Wähle einen Schüler, um seine Tage zu sehen.</translation>
    </message>
    <message>
        <source>Caricamento...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Nessun risultato in questo periodo.</source>
        <translation>Keine Ergebnisse in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>Giorno per giorno: %1 (caricamento...)</source>
        <translation>Tag für Tag: %1 (wird geladen...)</translation>
    </message>
    <message>
        <source>Giorno per giorno: %1</source>
        <translation>Tag für Tag: %1</translation>
    </message>
    <message>
        <source>Risultati: %1 (%2)</source>
        <translation>Ergebnisse: %1 (%2)</translation>
    </message>
    <message>
        <source>Risultati della classe %1: %2 (%3)</source>
        <translation>Ergebnisse der Klasse %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Esporta i risultati in CSV</source>
        <translation>Ergebnisse als CSV exportieren</translation>
    </message>
    <message>
        <source>Tabelle CSV (*.csv)</source>
        <translation>CSV-Tabellen (*.csv)</translation>
    </message>
    <message>
        <source>risultati.csv</source>
        <translation>ergebnisse.csv</translation>
    </message>
    <message>
        <source>Esportazione in %1...</source>
        <translation>Export nach %1...</translation>
    </message>
    <message>
        <source>Risultati esportati in %1</source>
        <translation>Ergebnisse exportiert nach %1</translation>
    </message>
    <message>
        <source>Non è stato possibile esportare i risultati in %1: %2</source>
        <translation>Die Ergebnisse konnten nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Stampa in corso...</source>
        <translation>Wird gedruckt...</translation>
    </message>
    <message>
        <source>Non è stato possibile preparare la pagina.</source>
        <translation>Die Seite konnte nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>Non è stato possibile stampare i risultati su %1.</source>
        <translation>Die Ergebnisse konnten nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>Risultati inviati a %1</source>
        <translation>Ergebnisse an %1 gesendet</translation>
    </message>
    <message>
        <source>Salva i risultati in PDF</source>
        <translation>Ergebnisse als PDF speichern</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>risultati.pdf</source>
        <translation>ergebnisse.pdf</translation>
    </message>
    <message>
        <source>Salvataggio in %1...</source>
        <translation>Wird in %1 gespeichert...</translation>
    </message>
    <message>
        <source>la pagina non si è potuta preparare</source>
        <translation>die Seite konnte nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>Non è stato possibile salvare il file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Salvata in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Eliminare tutti i risultati di %1?

Ogni sua risposta, di ogni giorno, sarà cancellata per sempre da %2. Non si può annullare.</source>
        <translation>Alle Ergebnisse von %1 löschen?

Jede Antwort, von jedem Tag, wird für immer aus %2 gelöscht. Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Eliminare i risultati di tutti gli alunni e degli ospiti?

Ogni risposta salvata, di ogni giorno, sarà cancellata per sempre da %1. Non si può annullare.</source>
        <translation>Die Ergebnisse aller Schüler und Gäste löschen?

Jede gespeicherte Antwort, von jedem Tag, wird für immer aus %1 gelöscht. Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>ResultsSender</name>
    <message>
        <source>Le risposte non si possono leggere da %1 per inviarle al server: %2</source>
        <translation>Die Antworten können nicht aus %1 gelesen werden, um sie an den Server zu senden: %2</translation>
    </message>
    <message>
        <source>Le risposte restano su questo computer e partono appena il server risponde.</source>
        <translation>Die Antworten bleiben auf diesem Computer und werden gesendet, sobald der Server antwortet.</translation>
    </message>
</context>
<context>
    <name>ResultsStore</name>
    <message>
        <source>il server %1</source>
        <translation>der Server %1</translation>
    </message>
    <message>
        <source>Connessione riuscita: %1, tabelle dei risultati alla versione %2.</source>
        <translation>Verbindung hergestellt: %1, Ergebnistabellen in Version %2.</translation>
    </message>
    <message>
        <source>Manca il driver di Qt SQL per i risultati in %1.</source>
        <translation>Für die Ergebnisse in %1 fehlt der Qt-SQL-Treiber.</translation>
    </message>
    <message>
        <source>I risultati in %1 non si possono portare alla versione di questo programma: %2</source>
        <translation>Die Ergebnisse in %1 lassen sich nicht auf die Version dieses Programms bringen: %2</translation>
    </message>
    <message>
        <source>I risultati in %1 vengono da una versione più nuova del programma: aggiornare il programma.</source>
        <translation>Die Ergebnisse in %1 stammen von einer neueren Version des Programms: bitte das Programm aktualisieren.</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>La risposta non è stata salvata in %1: il file è di sola lettura.</source>
        <translation>Die Antwort wurde nicht in %1 gespeichert: die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>La risposta non è stata salvata in %1: %2</source>
        <translation>Die Antwort wurde nicht in %1 gespeichert: %2</translation>
    </message>
    <message>
        <source>I risultati in %1 non si possono leggere: %2</source>
        <translation>Die Ergebnisse in %1 lassen sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>I risultati in %1 non si possono cancellare: il file è di sola lettura.</source>
        <translation>Die Ergebnisse in %1 lassen sich nicht löschen: die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>I risultati in %1 non si possono cancellare: %2</source>
        <translation>Die Ergebnisse in %1 lassen sich nicht löschen: %2</translation>
    </message>
    <message>
        <source>La cartella dei risultati %1 non si può creare.</source>
        <translation>Der Ordner für die Ergebnisse, %1, lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>Il file dei risultati %1 non si può leggere: mancano i permessi.</source>
        <translation>Die Ergebnisdatei %1 lässt sich nicht lesen: die Berechtigung fehlt.</translation>
    </message>
    <message>
        <source>Il file dei risultati %1 non si può aprire: %2</source>
        <translation>Die Ergebnisdatei %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Il file dei risultati %1 è di sola lettura: le risposte nuove non vengono salvate.</source>
        <translation>Die Ergebnisdatei %1 ist schreibgeschützt: neue Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Il file dei risultati %1 è danneggiato e non si può mettere da parte.</source>
        <translation>Die Ergebnisdatei %1 ist beschädigt und lässt sich nicht beiseitelegen.</translation>
    </message>
    <message>
        <source>Il file dei risultati era danneggiato: è stato messo da parte come %1 e i risultati nuovi vanno in un file nuovo, %2.</source>
        <translation>Die Ergebnisdatei war beschädigt: sie wurde als %1 beiseitegelegt, neue Ergebnisse kommen in eine neue Datei, %2.</translation>
    </message>
    <message>
        <source>Il disco del file dei risultati %1 è pieno: le risposte nuove non vengono salvate.</source>
        <translation>Der Datenträger der Ergebnisdatei %1 ist voll: neue Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Fonte dei risultati: %1. Questo computer non ha ancora inviato risposte.</source>
        <translation>Quelle der Ergebnisse: %1. Dieser Computer hat noch keine Antworten gesendet.</translation>
    </message>
    <message>
        <source>Fonte dei risultati: %1. Ultimo invio di questo computer: %2.</source>
        <translation>Quelle der Ergebnisse: %1. Letzte Sendung dieses Computers: %2.</translation>
    </message>
    <message>
        <source>Le risposte non si possono salvare: il modulo dei risultati non si apre (%1).</source>
        <translation>Die Antworten können nicht gespeichert werden: Das Ergebnismodul lässt sich nicht öffnen (%1).</translation>
    </message>
    <message>
        <source>%1 non trovato</source>
        <translation>%1 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>ScorePanel</name>
    <message>
        <source>Oper</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <translation> Richtige Antworten</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <translation> Falsche Antworten</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <translation>Einzelzeit</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Sekunden für jede Antwort</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Sekunden für jede Aufgabe</translation>
    </message>
</context>
<context>
    <name>ServerFault</name>
    <message>
        <source>Il server %1 non si trova: il nome è sbagliato o la rete non funziona.</source>
        <translation>Der Server %1 wird nicht gefunden: Der Name ist falsch oder das Netzwerk funktioniert nicht.</translation>
    </message>
    <message>
        <source>Il server %1 non risponde: è spento o non raggiungibile.</source>
        <translation>Der Server %1 antwortet nicht: Er ist ausgeschaltet oder nicht erreichbar.</translation>
    </message>
    <message>
        <source>La connessione con il server %1 si è interrotta.</source>
        <translation>Die Verbindung zum Server %1 wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Il server %1 non offre una connessione cifrata, ma le impostazioni la richiedono (sslmode).</source>
        <translation>Der Server %1 bietet keine verschlüsselte Verbindung, die Einstellungen verlangen aber eine (sslmode).</translation>
    </message>
    <message>
        <source>Il certificato del server %1 non è valido o non si può verificare.</source>
        <translation>Das Zertifikat des Servers %1 ist ungültig oder kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>Manca la password per il server %1: va scritta nel file delle password (~/.pgpass) o nel file dei servizi.</source>
        <translation>Für den Server %1 fehlt das Passwort: Es gehört in die Passwortdatei (~/.pgpass) oder in die Dienstdatei.</translation>
    </message>
    <message>
        <source>Il server %1 rifiuta la password: correggerla nel file delle password (~/.pgpass) o nel file dei servizi.</source>
        <translation>Der Server %1 lehnt das Passwort ab: Korrigieren Sie es in der Passwortdatei (~/.pgpass) oder in der Dienstdatei.</translation>
    </message>
    <message>
        <source>Sul server %1 non esiste l&apos;utente indicato.</source>
        <translation>Auf dem Server %1 gibt es den angegebenen Benutzer nicht.</translation>
    </message>
    <message>
        <source>Il server %1 non accetta questo computer o questo utente (pg_hba.conf).</source>
        <translation>Der Server %1 lässt diesen Computer oder diesen Benutzer nicht zu (pg_hba.conf).</translation>
    </message>
    <message>
        <source>Sul server %1 non esiste il database indicato.</source>
        <translation>Auf dem Server %1 gibt es die angegebene Datenbank nicht.</translation>
    </message>
    <message>
        <source>Sul server %1 l&apos;utente non ha il permesso di usare le tabelle dei risultati.</source>
        <translation>Auf dem Server %1 darf der Benutzer die Ergebnistabellen nicht verwenden.</translation>
    </message>
    <message>
        <source>Nel database del server %1 mancano le tabelle dei risultati: vanno create con scripts/school-server.sql.</source>
        <translation>In der Datenbank des Servers %1 fehlen die Ergebnistabellen: Legen Sie sie mit scripts/school-server.sql an.</translation>
    </message>
    <message>
        <source>Le tabelle dei risultati sul server %1 sono di una versione più vecchia: vanno aggiornate con scripts/school-server.sql.</source>
        <translation>Die Ergebnistabellen auf dem Server %1 stammen von einer älteren Version: Aktualisieren Sie sie mit scripts/school-server.sql.</translation>
    </message>
    <message>
        <source>Le tabelle dei risultati sul server %1 sono di una versione più nuova del programma: va aggiornato il programma.</source>
        <translation>Die Ergebnistabellen auf dem Server %1 stammen von einer neueren Version des Programms: Aktualisieren Sie das Programm.</translation>
    </message>
    <message>
        <source>Il server %1 risponde con un errore: %2</source>
        <translation>Der Server %1 antwortet mit einem Fehler: %2</translation>
    </message>
</context>
<context>
    <name>ServerSection</name>
    <message>
        <source>Server dei risultati</source>
        <translation>Ergebnisserver</translation>
    </message>
    <message>
        <source>nessuno: i risultati restano su questo computer</source>
        <translation>keiner: Die Ergebnisse bleiben auf diesem Computer</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Servizio</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>dal file dei servizi (pg_service.conf)</source>
        <translation>aus der Dienstdatei (pg_service.conf)</translation>
    </message>
    <message>
        <source>Prova connessione</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>predefinita</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Porta</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Cifratura (sslmode)</source>
        <translation>Verschlüsselung (sslmode)</translation>
    </message>
    <message>
        <source>Esito della prova</source>
        <translation>Ergebnis des Tests</translation>
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
        <translation>Datenbank:</translation>
    </message>
    <message>
        <source>Utente:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Cifratura (sslmode):</source>
        <translation>Verschlüsselung (sslmode):</translation>
    </message>
    <message>
        <source>Servizio:</source>
        <translation>Dienst:</translation>
    </message>
    <message>
        <source>La password non si scrive qui: va nel file delle password (~/.pgpass) o nel file dei servizi.</source>
        <translation>Das Passwort wird nicht hier eingegeben: Es gehört in die Passwortdatei (~/.pgpass) oder in die Dienstdatei.</translation>
    </message>
    <message>
        <source>Nessun server: i risultati restano su questo computer.</source>
        <translation>Kein Server: Die Ergebnisse bleiben auf diesem Computer.</translation>
    </message>
    <message>
        <source>Prova in corso con %1...</source>
        <translation>Test mit %1 läuft...</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Il nome del server è troppo lungo.</source>
        <translation>Der Name des Servers ist zu lang.</translation>
    </message>
    <message>
        <source>Il nome del server «%1» non è valido: sono ammessi lettere, cifre, punti e trattini, oppure la cartella di un socket.</source>
        <translation>Der Servername „%1“ ist ungültig: Erlaubt sind Buchstaben, Ziffern, Punkte und Bindestriche oder der Ordner eines Sockets.</translation>
    </message>
    <message>
        <source>La porta %1 non è valida: deve essere fra 1 e 65535.</source>
        <translation>Der Port %1 ist ungültig: Er muss zwischen 1 und 65535 liegen.</translation>
    </message>
    <message>
        <source>La modalità SSL «%1» non esiste: valori ammessi %2.</source>
        <translation>Den SSL-Modus „%1“ gibt es nicht: Erlaubt sind %2.</translation>
    </message>
    <message>
        <source>Il nome del servizio «%1» non è valido: sono ammessi lettere, cifre, punti, trattini e trattini bassi.</source>
        <translation>Der Dienstname „%1“ ist ungültig: Erlaubt sind Buchstaben, Ziffern, Punkte, Bindestriche und Unterstriche.</translation>
    </message>
    <message>
        <source>La porta «%1» non è valida: deve essere fra 1 e 65535.</source>
        <translation>Der Port „%1“ ist ungültig: Er muss zwischen 1 und 65535 liegen.</translation>
    </message>
    <message>
        <source>servizio %1</source>
        <translation>Dienst %1</translation>
    </message>
    <message>
        <source>%1 (servizio %2)</source>
        <translation>%1 (Dienst %2)</translation>
    </message>
    <message>
        <source>Il nome del database è troppo lungo: al massimo 63 byte.</source>
        <translation>Der Name der Datenbank ist zu lang: höchstens 63 Byte.</translation>
    </message>
    <message>
        <source>Il nome dell&apos;utente è troppo lungo: al massimo 63 byte.</source>
        <translation>Der Name des Benutzers ist zu lang: höchstens 63 Byte.</translation>
    </message>
    <message>
        <source>Il nome del database contiene caratteri di controllo.</source>
        <translation>Der Name der Datenbank enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>Il nome dell&apos;utente contiene caratteri di controllo.</source>
        <translation>Der Name des Benutzers enthält Steuerzeichen.</translation>
    </message>
</context>
<context>
    <name>SetLevel</name>
    <message>
        <source>fino a 5</source>
        <translation>bis 5</translation>
    </message>
    <message>
        <source>fino a 15</source>
        <translation>bis 15</translation>
    </message>
    <message>
        <source>fino a 10</source>
        <translation>bis 10</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Impostazioni</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Voce</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Il programma parla</source>
        <translation>Das Programm spricht</translation>
    </message>
    <message>
        <source>Grandezza degli insiemi</source>
        <translation>Größe der Mengen</translation>
    </message>
    <message>
        <source>Nome della classe</source>
        <translation>Name der Klasse</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Le modifiche valgono dal prossimo esercizio.</source>
        <translation>Die Änderungen gelten ab der nächsten Aufgabe.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Nome e Cognome   </source>
        <translation>Vor- und Nachname   </translation>
    </message>
    <message>
        <source>Scrivi il segno di relazione ra i due insiemi: &lt; = &gt;</source>
        <translation>Setze das Relationszeichen zwischen die zwei Mengen: &lt; = &gt;</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Druckproblem mit dem verwendeten Drucker.</translation>
    </message>
    <message>
        <source>Soluzioni</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Scheda %1 di %2</source>
        <translation>Arbeitsblatt %1 von %2</translation>
    </message>
    <message>
        <source>Scheda</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Esercizio 1</source>
        <translation>Aufgabe 1</translation>
    </message>
    <message>
        <source>Esercizio 2</source>
        <translation>Aufgabe 2</translation>
    </message>
    <message>
        <source>Esercizio 3</source>
        <translation>Aufgabe 3</translation>
    </message>
    <message>
        <source>Esercizio 4</source>
        <translation>Aufgabe 4</translation>
    </message>
    <message>
        <source>la pagina non si è potuta disegnare</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>le pagine non si sono potute disegnare</source>
        <translation>die Seiten konnten nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>SOLO    MOUSE    PER UN CORRETTO FUNZIONAMENTO</source>
        <translation>NUR    MAUS    FÜR EINWANDFREIEN BETRIEB</translation>
    </message>
    <message>
        <source>Il nuovo software di Brivano</source>
        <translation>Die neue Software von Brivano</translation>
    </message>
    <message>
        <source>VAI</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Stampa schede</source>
        <translation>Arbeitsblätter drucken</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Vers.  %1</source>
        <translation>Vers.  %1</translation>
    </message>
    <message>
        <source>Risultati...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Impostazioni...</source>
        <translation>Einstellungen...</translation>
    </message>
</context>
<context>
    <name>WhoAreYouScreen</name>
    <message>
        <source>Chi sei?</source>
        <translation>Wer bist du?</translation>
    </message>
    <message>
        <source>Nomi della classe</source>
        <translation>Namen der Klasse</translation>
    </message>
    <message>
        <source>Ospite</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>senza nome</source>
        <translation>ohne Namen</translation>
    </message>
</context>
<context>
    <name>WorksheetScreen</name>
    <message>
        <source>Visualizza la seconda parte</source>
        <translation>Zweiten Teil zeigen</translation>
    </message>
    <message>
        <source>Visualiza la prima parte</source>
        <translation>Ersten Teil zeigen</translation>
    </message>
    <message>
        <source>Scheda - Gli insiemi</source>
        <translation>Arbeitsblatt - Gli insiemi</translation>
    </message>
    <message>
        <source>Schede per la classe - Gli insiemi</source>
        <translation>Klassensatz - Gli insiemi</translation>
    </message>
    <message>
        <source>Salva la scheda in PDF</source>
        <translation>Arbeitsblatt als PDF speichern</translation>
    </message>
    <message>
        <source>Salva le schede in PDF</source>
        <translation>Klassensatz als PDF speichern</translation>
    </message>
    <message>
        <source>scheda.pdf</source>
        <translation>arbeitsblatt.pdf</translation>
    </message>
    <message>
        <source>schede-classe.pdf</source>
        <translation>klassensatz.pdf</translation>
    </message>
    <message>
        <source>insieme di %1, esercizio %2</source>
        <translation>Menge %1, Aufgabe %2</translation>
    </message>
    <message>
        <source>sinistra</source>
        <translation>links</translation>
    </message>
    <message>
        <source>destra</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA         </source>
        <translation>ARBEITSBLATT ANSEHEN         </translation>
    </message>
    <message>
        <source>VISUALIZZA 1° ESERCIZIO</source>
        <translation>AUFGABE 1 ZEIGEN</translation>
    </message>
    <message>
        <source>VISUALIZZA 2° ESERCIZIO</source>
        <translation>AUFGABE 2 ZEIGEN</translation>
    </message>
    <message>
        <source>VISUALIZZA 3° ESERCIZIO</source>
        <translation>AUFGABE 3 ZEIGEN</translation>
    </message>
    <message>
        <source>VISUALIZZA 4° ESERCIZIO</source>
        <translation>AUFGABE 4 ZEIGEN</translation>
    </message>
    <message>
        <source>STAMPA</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Visualizza la prima parte</source>
        <translation>Ersten Teil zeigen</translation>
    </message>
    <message>
        <source> SCHEDA: mettere il segno di relazione</source>
        <translation> ARBEITSBLATT: Relationszeichen setzen</translation>
    </message>
    <message>
        <source>Seleziona stampante</source>
        <translation>Drucker wählen</translation>
    </message>
    <message>
        <source>&amp;Salva PDF...</source>
        <translation>Als PDF &amp;speichern...</translation>
    </message>
    <message>
        <source>Schede per la &amp;classe...</source>
        <translation>&amp;Klassensatz...</translation>
    </message>
    <message>
        <source>GLI INSIEMI - scheda</source>
        <translation>GLI INSIEMI - Arbeitsblatt</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Il file &quot;%1&quot; esiste già. Sostituirlo?</source>
        <translation>Die Datei „%1“ gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Schede per la classe</source>
        <translation>Klassensatz</translation>
    </message>
    <message>
        <source>Preparazione della scheda %1 di %2</source>
        <translation>Arbeitsblatt %1 von %2 wird vorbereitet</translation>
    </message>
    <message>
        <source>Preparazione delle soluzioni</source>
        <translation>Lösungen werden vorbereitet</translation>
    </message>
    <message>
        <source>Invio alla stampante...</source>
        <translation>Wird an den Drucker gesendet...</translation>
    </message>
    <message>
        <source>Scrittura del file...</source>
        <translation>Datei wird geschrieben...</translation>
    </message>
    <message>
        <source>Scheda inviata a %1</source>
        <translation>Blatt an %1 gesendet</translation>
    </message>
    <message>
        <source>Salvata in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Salvate in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Schede inviate a %1</source>
        <translation>Blätter an %1 gesendet</translation>
    </message>
</context>
</TS>

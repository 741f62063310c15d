<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>About Ryvanta</source>
        <translation>Informazioni su Ryvanta</translation>
    </message>
    <message>
        <source>Ryvanta Version %1</source>
        <translation>Ryvanta versione %1</translation>
    </message>
    <message>
        <source>Biorhythms from the date of birth</source>
        <translation>Bioritmi dalla data di nascita</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Chart</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Biological year, %1 highlighted</source>
        <translation>Anno biologico, %1 in evidenza</translation>
    </message>
    <message>
        <source>Physical, emotional and intellectual rhythms of %1 %2</source>
        <translation>Ritmi fisico, emotivo e intellettuale di %1 %2</translation>
    </message>
    <message>
        <source>Summary of the rhythms of %1 %2</source>
        <translation>Sintesi dei ritmi di %1 %2</translation>
    </message>
    <message>
        <source>; %1: %2, level %3</source>
        <translation>; %1: %2, livello %3</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>selected</source>
        <translation>selezionato</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>contrassegnato</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <translation>Calendario, %1 %2</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>%1 %2 level %3</source>
        <translation>%1 %2 livello %3</translation>
    </message>
    <message>
        <source>Moon: new moon</source>
        <translation>Fase lunare: luna nuova</translation>
    </message>
    <message>
        <source>Moon: full moon</source>
        <translation>Fase lunare: luna piena</translation>
    </message>
    <message>
        <source>Critical day (level %1)</source>
        <translation>Giorno critico (livello %1)</translation>
    </message>
    <message>
        <source>No rhythm is in its critical window.</source>
        <translation>Nessun ritmo è nella sua finestra critica.</translation>
    </message>
    <message>
        <source>In the critical window: %1</source>
        <translation>Nella finestra critica: %1</translation>
    </message>
    <message>
        <source>Biorhythms of %1</source>
        <translation>Bioritmi di %1</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fisico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotivo</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellettuale</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>(Default)</source>
        <translation>(Standard)</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ritmi</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sintesi</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellettivo</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotivo</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fisico</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Data nasc.</translation>
    </message>
    <message>
        <source>Biological year</source>
        <translation>Anno biologico</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>
Writes an iCalendar file to import into a calendar program: each
long-cycle boundary as an event at its time of day, and each critical day
(level 13 or more) as an all-day event, for N months (1 to 60, default 12)
from the given month (default: today&apos;s). --name leads every event&apos;s title
and keeps two persons born on the same day apart. Importing the file again
updates its events. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Scrive un file iCalendar da importare in un programma di calendario: ogni
giorno saliente del ciclo lungo come evento alla sua ora del giorno e ogni
giorno critico (livello 13 o più) come evento di un’intera giornata, per N
mesi (da 1 a 60, predefinito 12) a partire dal mese indicato (predefinito:
quello di oggi). --name apre il titolo di ogni evento e distingue due persone
nate lo stesso giorno. Importando di nuovo il file se ne aggiornano gli
eventi. Se è impostata, RYVANTA_TODAY indica la data di oggi.
</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossibile scrivere “%1”: %2</translation>
    </message>
    <message>
        <source>--months must be a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--months deve essere un numero da 1 a %1, non “%2”</translation>
    </message>
    <message>
        <source>--months %1 from %2 runs past %3-12; at most %4 months are left</source>
        <translation>--months %1 da %2 va oltre %3-12; restano al massimo %4 mesi</translation>
    </message>
    <message>
        <source>
Without a command, ryvanta opens its window.

Commands:
  report     one month of a person&apos;s biorhythms as a table (text) or JSON
  render     the window with a charted month as a PNG image
  sheet      a charted month with its table of days as a one-page PDF
  calendar   a person&apos;s long-cycle boundaries and critical days as an
             iCalendar (.ics) file

Options:
  --help     show this help and exit
  --version  show the version and exit

The date taken as today is the machine&apos;s, or RYVANTA_TODAY (YYYY-MM-DD)
when that variable is set.
</source>
        <translation>
Senza un comando, ryvanta apre la sua finestra.

Comandi:
  report     un mese dei bioritmi di una persona come tabella (testo) o JSON
  render     la finestra con il grafico di un mese come immagine PNG
  sheet      il grafico e la tabella dei giorni di un mese (PDF di una pagina)
  calendar   i giorni salienti del ciclo lungo e i giorni critici di una
             persona come file iCalendar (.ics)

Opzioni:
  --help     mostra questo aiuto ed esce
  --version  mostra la versione ed esce

Come data di oggi vale quella del computer, oppure RYVANTA_TODAY (YYYY-MM-DD)
se questa variabile è impostata.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see ryvanta --help)</source>
        <translation>opzione sconosciuta “%1” (vedi ryvanta --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see ryvanta --help)</source>
        <translation>comando sconosciuto “%1” (vedi ryvanta --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossibile scrivere sullo standard output</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossibile scrivere sullo standard output: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: opzione sconosciuta “%2”</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;--%2&apos;</source>
        <translation>%1: opzione sconosciuta “--%2”</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <translation>%1: argomento inatteso “%2”</translation>
    </message>
    <message>
        <source>%1 needs --output %2</source>
        <translation>%1 richiede --output %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output richiede un nome di file</translation>
    </message>
    <message>
        <source>--name needs printable text of 1 to %1 characters, not &apos;%2&apos;</source>
        <translation>--name richiede un testo stampabile da 1 a %1 caratteri, non “%2”</translation>
    </message>
    <message>
        <source>%1 needs a date YYYY-MM-DD that exists, not &apos;%2&apos;</source>
        <translation>%1 richiede una data YYYY-MM-DD esistente, non “%2”</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01-01 and %3-12-31, not %4</source>
        <translation>%1 deve essere compreso tra %2-01-01 e %3-12-31, non %4</translation>
    </message>
    <message>
        <source>%1 needs --birth YYYY-MM-DD</source>
        <translation>%1 richiede --birth YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 needs a month YYYY-MM, not &apos;%2&apos;</source>
        <translation>%1 richiede un mese YYYY-MM, non “%2”</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01 and %3-12, not %4</source>
        <translation>%1 deve essere compreso tra %2-01 e %3-12, non %4</translation>
    </message>
    <message>
        <source>Invalid date of birth! Date of birth must be in the past.</source>
        <translation>Data di nascita non valida! La data di nascita deve essere nel passato.</translation>
    </message>
    <message>
        <source>The person was not born yet at the period of interest!</source>
        <translation>Nel periodo considerato la persona non era ancora nata!</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>
Draws the window as it stands once the birth date is entered and the month
(default: today&apos;s) is charted, and writes it as a PNG image. --compare
inserts a second birth date and charts the month in comparison mode, with
each person&apos;s first long-cycle boundary marked (year view only). --day
picks that day in current-month mode; --chart writes only the chart;
--scale draws at 1 to 4 times the size. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Disegna la finestra com’è dopo aver inserito la data di nascita e tracciato
il grafico del mese (predefinito: quello di oggi) e la scrive come immagine
PNG. --compare inserisce una seconda data di nascita e mostra il mese in
modalità confronto, segnando il primo giorno saliente del ciclo lungo di
ciascuna persona (solo vista annuale). --day sceglie quel giorno in modalità
“Mese corrente”; --chart scrive solo il grafico; --scale disegna da 1 a 4
volte più grande. Se è impostata, RYVANTA_TODAY indica la data di oggi.
</translation>
    </message>
    <message>
        <source>render cannot change the scale of a running application</source>
        <translation>render non può cambiare la scala di un’applicazione in esecuzione</translation>
    </message>
    <message>
        <source>the screen settings draw at %1 times the size, not %2</source>
        <translation>le impostazioni dello schermo disegnano in scala %1, non %2</translation>
    </message>
    <message>
        <source>the image could not be encoded as PNG</source>
        <translation>impossibile codificare l’immagine in PNG</translation>
    </message>
    <message>
        <source>--view must be year, rhythms or summary, not &apos;%1&apos;</source>
        <translation>--view deve essere year, rhythms o summary, non “%1”</translation>
    </message>
    <message>
        <source>--day needs a day of the month, not &apos;%1&apos;</source>
        <translation>--day richiede un giorno del mese, non “%1”</translation>
    </message>
    <message>
        <source>--scale must be 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--scale deve essere 1, 2, 3 o 4, non “%1”</translation>
    </message>
    <message>
        <source>--compare draws the year view only, not --view %1</source>
        <translation>--compare disegna solo la vista annuale, non --view %1</translation>
    </message>
    <message>
        <source>--day must lie between 1 and %1 in %2, not %3</source>
        <translation>--day deve essere compreso tra 1 e %1 in %2, non %3</translation>
    </message>
    <message>
        <source>--day cannot be used with --view summary</source>
        <translation>--day non si può usare con --view summary</translation>
    </message>
    <message>
        <source>
Charts one month of the biorhythms of a person born on the given date:
each day&apos;s age, rhythm values, critical level and moon mark, and the
long-cycle boundaries of the month. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Presenta un mese dei bioritmi di una persona nata alla data indicata: per
ogni giorno l’età, i valori dei ritmi, il livello critico e la fase lunare,
e i giorni salienti del ciclo lungo nel mese. Se è impostata, RYVANTA_TODAY
indica la data di oggi.
</translation>
    </message>
    <message>
        <source>report needs --month YYYY-MM</source>
        <translation>report richiede --month YYYY-MM</translation>
    </message>
    <message>
        <source>--format must be text or json, not &apos;%1&apos;</source>
        <translation>--format deve essere text o json, non “%1”</translation>
    </message>
    <message>
        <source>
Writes one page as a PDF file: the chart of the month (default: today&apos;s) as
the window draws it, in the chosen view, and a table of the month&apos;s days
with their rhythm values, critical levels and long-cycle boundaries.
--compare adds a second person (year view only); --name heads the page;
--paper is a4 (the default) or letter. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Scrive una pagina come file PDF: il grafico del mese (predefinito: quello di
oggi) come lo disegna la finestra, nella vista scelta, e una tabella dei
giorni del mese con i valori dei ritmi, i livelli critici e i giorni
salienti del ciclo lungo. --compare aggiunge una seconda persona (solo vista
annuale); --name diventa il titolo della pagina; --paper è a4 (predefinito)
o letter. Se è impostata, RYVANTA_TODAY indica la data di oggi.
</translation>
    </message>
    <message>
        <source>sheet needs a widget application to draw in</source>
        <translation>sheet richiede un’applicazione a widget in cui disegnare</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>impossibile disegnare la pagina</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper deve essere a4 o letter, non “%1”</translation>
    </message>
</context>
<context>
    <name>CriticalDays</name>
    <message>
        <source>        This is one of the most unfavorable days. Your vital power is low.</source>
        <translation>        È uno dei giorni più sfavorevoli. La tua energia vitale è bassa.</translation>
    </message>
    <message>
        <source>        The day is very unfavorable for you. Be careful, if you are not young and healthy.</source>
        <translation>        Giornata molto sfavorevole per te. Sii prudente se non sei giovane e in salute.</translation>
    </message>
    <message>
        <source>        The day is unfavorable. </source>
        <translation>        Giornata sfavorevole. </translation>
    </message>
    <message>
        <source>        The day is hard enough</source>
        <translation>        Giornata piuttosto dura</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Export to calendar</source>
        <translation>Esporta nel calendario</translation>
    </message>
    <message>
        <source>&amp;Export to calendar...</source>
        <translation>&amp;Esporta nel calendario...</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>File iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be written to
%1:
%2</source>
        <translation>Impossibile scrivere il calendario in
%1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aiuto di %1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Inserisci al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Modes</name>
    <message>
        <source>        Insert date of birth into the calendar  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Inserisci la data di nascita nel calendario [M-A-G] e avvia con “&lt; &gt; ”.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to start or &quot;Insert&quot;  button to begin comparison procedure.</source>
        <translation>        Premi “&lt; &gt; ” per avviare o “Inserisci” per iniziare un confronto.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to study biorhythms for last date of birth or &quot;Insert&quot; to continue comparison.</source>
        <translation>        Premi “&lt; &gt; ” per i bioritmi dell’ultima data di nascita o “Inserisci” per continuare il confronto.</translation>
    </message>
    <message>
        <source>        Click the calendar or unselect Current month button to return to the birth date insertion mode.</source>
        <translation>        Fai clic sul calendario o disattiva “Mese corrente” per tornare a inserire la data di nascita.</translation>
    </message>
    <message>
        <source>        Use  &quot;&gt; &gt;&quot;  button to investigate the rest of the month.</source>
        <translation>        Usa il pulsante “&gt; &gt;” per esaminare il resto del mese.</translation>
    </message>
    <message>
        <source>         Sorry! Date of birth must be in the past.</source>
        <translation>         Spiacenti! Data di nascita nel futuro.</translation>
    </message>
    <message>
        <source>        Use Current month tool and the calendar to study biorhythms more carefully.</source>
        <translation>        Usa “Mese corrente” e il calendario per studiare i bioritmi più a fondo.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button  or insert second date of birth to compare biorhythms.</source>
        <translation>        Premi “&lt; &gt; ” o inserisci un’altra data di nascita per il confronto.</translation>
    </message>
    <message>
        <source>        Press  &quot;Compare&quot;  button to start comparison or &quot;&lt; &gt;&quot; to study  biorhythms for second birth date.</source>
        <translation>        Premi “Confronta” per avviare il confronto o “&lt; &gt;” per i bioritmi della seconda data di nascita.</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Data nasc.:</translation>
    </message>
    <message>
        <source>Birth date: </source>
        <translation>Data nasc.: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Invalid date of birth! 
 Date of birth must be in the past.</source>
        <translation>Data di nascita non valida! 
 La data di nascita deve essere nel passato.</translation>
    </message>
    <message>
        <source>The person was not born yet 
 at the period of interest!</source>
        <translation>Nel periodo considerato 
 la persona non era ancora nata!</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>new</source>
        <translation>nuova</translation>
    </message>
    <message>
        <source>full</source>
        <translation>piena</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
</context>
<context>
    <name>Persons</name>
    <message>
        <source>Alert</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

The change is kept in this window; saving it is tried again with your next change and when the window closes.</source>
        <translation>Impossibile salvare la lista delle persone in
%1

Motivo: %2.

La modifica resta in questa finestra; il salvataggio verrà ritentato alla prossima modifica e alla chiusura della finestra.</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

Persons added or removed in this window since it was last saved are lost.</source>
        <translation>Impossibile salvare la lista delle persone in
%1

Motivo: %2.

Le persone aggiunte o rimosse in questa finestra dall’ultimo salvataggio sono andate perse.</translation>
    </message>
    <message>
        <source>The stored list is left exactly as it is until you add or remove a person; then it is kept, as it stands, as the value &quot;%1&quot; beside the new list in
%2</source>
        <translation>La lista salvata resta esattamente com’è finché non aggiungi o rimuovi una persona; a quel punto viene conservata così com’è, come valore “%1”, accanto alla nuova lista in
%2</translation>
    </message>
    <message>
        <source>The stored persons list is not a list of persons, so the list starts empty.
</source>
        <translation>La lista delle persone salvata non è una lista di persone, quindi si parte da una lista vuota.
</translation>
    </message>
    <message>
        <source>No person could be read from it, so the list starts empty.
</source>
        <translation>Non è stato possibile leggerne alcuna persona, quindi si parte da una lista vuota.
</translation>
    </message>
    <message>
        <source>The stored persons list could not be read completely.
</source>
        <translation>Impossibile leggere per intero la lista delle persone salvata.
</translation>
    </message>
    <message>
        <source>The settings file cannot be read, so the persons list starts empty:
%1

The file is left as it is. Persons you add or remove are kept in this window; saving them is tried with each change and when the window closes.</source>
        <translation>Impossibile leggere il file delle impostazioni, quindi la lista delle persone parte vuota:
%1

Il file resta invariato. Le persone che aggiungi o rimuovi restano in questa finestra; il salvataggio verrà tentato a ogni modifica e alla chiusura della finestra.</translation>
    </message>
    <message>
        <source>No person could be read from it.</source>
        <translation>Non è stato possibile leggerne alcuna persona.</translation>
    </message>
    <message>
        <source>The settings file could not be read completely:
%1

%2 A copy of the file as it is was kept as:
%3

The file is written anew when you add or remove a person.</source>
        <translation>Impossibile leggere per intero il file delle impostazioni:
%1

%2 Una copia del file così com’è è stata conservata come:
%3

Il file verrà riscritto quando aggiungerai o rimuoverai una persona.</translation>
    </message>
    <message>
        <source>Birth date: 00.00.00</source>
        <translation>Data nasc.: 00/00/00</translation>
    </message>
    <message>
        <source>Birth date:        </source>
        <translation>Data nasc.:        </translation>
    </message>
    <message>
        <source>        Insert date of birth  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Inserisci la data di nascita [M-A-G] e avvia con “&lt; &gt; ”.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>To add new item into the list (Name) 
 insert date of birth into the calendar  
  [M-Y-D] and press button &quot;List&quot; again </source>
        <translation>Per aggiungere una voce alla lista (Nome) 
 inserisci la data di nascita nel calendario 
 [M-A-G] e premi di nuovo il pulsante “Lista” </translation>
    </message>
    <message>
        <source>To add new item into the list,  
 please, insert name.</source>
        <translation>Per aggiungere una voce alla lista 
 inserisci un nome.</translation>
    </message>
    <message>
        <source> The list is too long! 
 Remove unnecessary items 
 to add new ones.</source>
        <translation> La lista è troppo lunga! 
 Rimuovi le voci superflue 
 per aggiungerne di nuove.</translation>
    </message>
    <message>
        <source>Do you really want  to remove this item from the list?</source>
        <translation>Vuoi davvero rimuovere questa voce dalla lista?</translation>
    </message>
    <message numerus="yes">
        <source>The %n persons before the damaged entry are shown.
</source>
        <translation>
            <numerusform>Viene mostrata %n persona, quella che precede la voce danneggiata.
</numerusform>
            <numerusform>Vengono mostrate le %n persone che precedono la voce danneggiata.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n persons of its list are shown.</source>
        <translation>
            <numerusform>Viene mostrata %n persona della sua lista.</numerusform>
            <numerusform>Vengono mostrate le %n persone della sua lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>Birth date: %1
</source>
        <translation>Data nasc.: %1
</translation>
    </message>
    <message>
        <source>(Name)</source>
        <translation>(Nome)</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The month could not be printed.</source>
        <translation>Impossibile stampare il mese.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Età</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fisico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotivo</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellettuale</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Finestre</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Biorhythms of %1 for %2 (long-cycle phase %3)

</source>
        <translation>Bioritmi per la data di nascita %1 – %2 (fase del ciclo lungo %3)

</translation>
    </message>
    <message>
        <source>
Long-cycle boundaries
</source>
        <translation>
Giorni salienti del ciclo lungo
</translation>
    </message>
    <message>
        <source>None falls in this month.
</source>
        <translation>Nessuno in questo mese.
</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ritmi</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sintesi</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fisico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotivo</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellettuale</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Finestre</translation>
    </message>
    <message>
        <source>Boundary 1</source>
        <translation>Giorno saliente 1</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Giorno saliente</translation>
    </message>
    <message>
        <source>Boundary 2</source>
        <translation>Giorno saliente 2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Data di nascita: %1</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, data di nascita: %2</translation>
    </message>
    <message>
        <source>Biorhythms compared</source>
        <translation>Bioritmi a confronto</translation>
    </message>
    <message>
        <source>Biorhythms</source>
        <translation>Bioritmi</translation>
    </message>
    <message>
        <source>%1 view</source>
        <translation>Vista: %1</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Livello %1: %2</translation>
    </message>
    <message>
        <source>Windows: the rhythms in their critical window, F1 physical, F2 emotional, F3 intellectual.</source>
        <translation>Finestre: i ritmi nella loro finestra critica, F1 fisico, F2 emotivo, F3 intellettuale.</translation>
    </message>
    <message>
        <source>Boundary: where the long cycle&apos;s divisions H1, H2 and H3 meet, with its time of day and the moon then; shaded rows have two or three rhythms critical.</source>
        <translation>Giorno saliente: incontro delle divisioni H1, H2 e H3 del ciclo lungo, con l’ora e la luna del momento; le righe ombreggiate hanno due o tre ritmi critici.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About ...</source>
        <translation>In&amp;formazioni...</translation>
    </message>
    <message>
        <source>Biorhythms info for  given day of tiredness</source>
        <translation>Info sui bioritmi del giorno critico indicato</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Previous date</source>
        <translation>Data precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Data successiva</translation>
    </message>
    <message>
        <source> Start.</source>
        <translation> Avvia.</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Inserisci </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Current month</source>
        <translation>Mese corrente</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Sposta</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>Ri&amp;dimensiona</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Riduci a &amp;icona</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>I&amp;ngrandisci</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Chiudi	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>S&amp;tampa...	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Please, be convinced that file MScal.ocx is installed in your computer.</source>
        <translation>Verifica che il file MScal.ocx sia installato nel computer.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Utilità</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>(Time)</source>
        <translation>(Ora)</translation>
    </message>
</context>
</TS>

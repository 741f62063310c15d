<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>About</name>
    <message>
        <source>About Ryvanta</source>
        <translation>Over Ryvanta</translation>
    </message>
    <message>
        <source>Ryvanta Version %1</source>
        <translation>Ryvanta versie %1</translation>
    </message>
    <message>
        <source>Biorhythms from the date of birth</source>
        <translation>Bioritmes op basis van de geboortedatum</translation>
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
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Biological year, %1 highlighted</source>
        <translation>Biologisch jaar, %1 uitgelicht</translation>
    </message>
    <message>
        <source>Physical, emotional and intellectual rhythms of %1 %2</source>
        <translation>Fysiek, emotioneel en intellectueel ritme in %1 %2</translation>
    </message>
    <message>
        <source>Summary of the rhythms of %1 %2</source>
        <translation>Totaal van de ritmes in %1 %2</translation>
    </message>
    <message>
        <source>; %1: %2, level %3</source>
        <translation>; %1: %2, niveau %3</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>selected</source>
        <translation>geselecteerd</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>gemarkeerd</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <translation>Kalender, %1 %2</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>%1 %2 level %3</source>
        <translation>%1 %2 niveau %3</translation>
    </message>
    <message>
        <source>Moon: new moon</source>
        <translation>Maan: nieuwe maan</translation>
    </message>
    <message>
        <source>Moon: full moon</source>
        <translation>Maan: volle maan</translation>
    </message>
    <message>
        <source>Critical day (level %1)</source>
        <translation>Kritieke dag (niveau %1)</translation>
    </message>
    <message>
        <source>No rhythm is in its critical window.</source>
        <translation>Geen enkel ritme is in zijn kritieke fase.</translation>
    </message>
    <message>
        <source>In the critical window: %1</source>
        <translation>In de kritieke fase: %1</translation>
    </message>
    <message>
        <source>Biorhythms of %1</source>
        <translation>Bioritmes van %1</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fysiek</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotioneel</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectueel</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>(Default)</source>
        <translation>(Basis)</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ritmes</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellect</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotie</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fysiek</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Geboorte</translation>
    </message>
    <message>
        <source>Biological year</source>
        <translation>Biologisch jaar</translation>
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
Schrijft een iCalendar-bestand om in een agendaprogramma te importeren: elke
markante dag als gebeurtenis op het bijbehorende tijdstip en elke kritieke dag
(niveau 13 of hoger) als gebeurtenis voor de hele dag, voor N maanden (1 tot
en met 60, standaard 12) vanaf de opgegeven maand (standaard: de huidige).
--name staat vooraan in de titel van elke gebeurtenis en houdt twee personen
die op dezelfde dag zijn geboren uit elkaar. Wordt het bestand opnieuw
geïmporteerd, dan worden de gebeurtenissen bijgewerkt. Als RYVANTA_TODAY is
ingesteld, geldt die datum als vandaag.
</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>kan &apos;%1&apos; niet schrijven: %2</translation>
    </message>
    <message>
        <source>--months must be a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--months moet een getal van 1 tot en met %1 zijn, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--months %1 from %2 runs past %3-12; at most %4 months are left</source>
        <translation>--months %1 vanaf %2 loopt verder dan %3-12; er resten hoogstens %4 maanden</translation>
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
Zonder opdracht opent ryvanta zijn venster.

Opdrachten:
  report     één maand bioritmes van een persoon als tabel (tekst) of JSON
  render     het venster met de grafiek van een maand als PNG-afbeelding
  sheet      de grafiek van een maand met een dagtabel als PDF van één pagina
  calendar   de markante dagen en kritieke dagen van een persoon als
             iCalendar-bestand (.ics)

Opties:
  --help     deze hulptekst tonen en stoppen
  --version  de versie tonen en stoppen

Als vandaag geldt de datum van de computer, of RYVANTA_TODAY (YYYY-MM-DD)
als die variabele is ingesteld.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see ryvanta --help)</source>
        <translation>onbekende optie &apos;%1&apos; (zie ryvanta --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see ryvanta --help)</source>
        <translation>onbekende opdracht &apos;%1&apos; (zie ryvanta --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>kan niet naar de standaarduitvoer schrijven</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kan niet naar de standaarduitvoer schrijven: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 vereist een waarde</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: onbekende optie &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;--%2&apos;</source>
        <translation>%1: onbekende optie &apos;--%2&apos;</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <translation>%1: onverwacht argument &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 needs --output %2</source>
        <translation>%1 vereist --output %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output vereist een bestandsnaam</translation>
    </message>
    <message>
        <source>--name needs printable text of 1 to %1 characters, not &apos;%2&apos;</source>
        <translation>--name vereist afdrukbare tekst van 1 tot en met %1 tekens, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 needs a date YYYY-MM-DD that exists, not &apos;%2&apos;</source>
        <translation>%1 vereist een bestaande datum YYYY-MM-DD, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01-01 and %3-12-31, not %4</source>
        <translation>%1 moet tussen %2-01-01 en %3-12-31 liggen, niet %4</translation>
    </message>
    <message>
        <source>%1 needs --birth YYYY-MM-DD</source>
        <translation>%1 vereist --birth YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 needs a month YYYY-MM, not &apos;%2&apos;</source>
        <translation>%1 vereist een maand YYYY-MM, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01 and %3-12, not %4</source>
        <translation>%1 moet tussen %2-01 en %3-12 liggen, niet %4</translation>
    </message>
    <message>
        <source>Invalid date of birth! Date of birth must be in the past.</source>
        <translation>Ongeldige geboortedatum! De geboortedatum moet in het verleden liggen.</translation>
    </message>
    <message>
        <source>The person was not born yet at the period of interest!</source>
        <translation>Deze persoon was in de gekozen periode nog niet geboren!</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Gebruik:</translation>
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
Tekent het venster zoals het eruitziet als de geboortedatum is ingevoerd en de
grafiek van de maand (standaard: de huidige) wordt getoond, en slaat het op als
PNG-afbeelding. --compare voegt een tweede geboortedatum in en toont de maand
in de vergelijkingsmodus, met de eerste markante dag van elke persoon
gemarkeerd (alleen jaarweergave). --day kiest die dag in de modus Huidige
maand; --chart schrijft alleen de grafiek; --scale tekent op 1 tot 4 keer de
grootte. Als RYVANTA_TODAY is ingesteld, geldt die datum als vandaag.
</translation>
    </message>
    <message>
        <source>render cannot change the scale of a running application</source>
        <translation>render kan de schaal van een actieve toepassing niet wijzigen</translation>
    </message>
    <message>
        <source>the screen settings draw at %1 times the size, not %2</source>
        <translation>de scherminstellingen tekenen op %1 keer de grootte, niet op %2</translation>
    </message>
    <message>
        <source>the image could not be encoded as PNG</source>
        <translation>de afbeelding kon niet als PNG worden gecodeerd</translation>
    </message>
    <message>
        <source>--view must be year, rhythms or summary, not &apos;%1&apos;</source>
        <translation>--view moet year, rhythms of summary zijn, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--day needs a day of the month, not &apos;%1&apos;</source>
        <translation>--day vereist een dag van de maand, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--scale must be 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--scale moet 1, 2, 3 of 4 zijn, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--compare draws the year view only, not --view %1</source>
        <translation>--compare tekent alleen de jaarweergave, niet --view %1</translation>
    </message>
    <message>
        <source>--day must lie between 1 and %1 in %2, not %3</source>
        <translation>--day moet in %2 tussen 1 en %1 liggen, niet %3</translation>
    </message>
    <message>
        <source>--day cannot be used with --view summary</source>
        <translation>--day kan niet samen met --view summary worden gebruikt</translation>
    </message>
    <message>
        <source>
Charts one month of the biorhythms of a person born on the given date:
each day&apos;s age, rhythm values, critical level and moon mark, and the
long-cycle boundaries of the month. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Geeft één maand bioritmes weer van een persoon die op de opgegeven datum is
geboren: per dag de leeftijd, de waarden van de ritmes, het niveau en de
maanmarkering, en de markante dagen van de maand. Als RYVANTA_TODAY is
ingesteld, geldt die datum als vandaag.
</translation>
    </message>
    <message>
        <source>report needs --month YYYY-MM</source>
        <translation>report vereist --month YYYY-MM</translation>
    </message>
    <message>
        <source>--format must be text or json, not &apos;%1&apos;</source>
        <translation>--format moet text of json zijn, niet &apos;%1&apos;</translation>
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
Schrijft één pagina als PDF-bestand: de grafiek van de maand (standaard: de
huidige) zoals het venster die tekent, in de gekozen weergave, en een tabel
van de dagen van de maand met de waarden van de ritmes, de niveaus en de
markante dagen. --compare voegt een tweede persoon toe (alleen
jaarweergave); --name komt boven aan de pagina; --paper is a4 (standaard)
of letter. Als RYVANTA_TODAY is ingesteld, geldt die datum als vandaag.
</translation>
    </message>
    <message>
        <source>sheet needs a widget application to draw in</source>
        <translation>sheet heeft een widgettoepassing nodig om in te tekenen</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>de pagina kon niet worden getekend</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper moet a4 of letter zijn, niet &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CriticalDays</name>
    <message>
        <source>        This is one of the most unfavorable days. Your vital power is low.</source>
        <translation>        Dit is een van de ongunstigste dagen. Uw levenskracht is laag.</translation>
    </message>
    <message>
        <source>        The day is very unfavorable for you. Be careful, if you are not young and healthy.</source>
        <translation>        Deze dag is erg ongunstig voor u. Wees voorzichtig als u niet jong en gezond bent.</translation>
    </message>
    <message>
        <source>        The day is unfavorable. </source>
        <translation>        Deze dag is ongunstig. </translation>
    </message>
    <message>
        <source>        The day is hard enough</source>
        <translation>        Deze dag is vrij zwaar.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Export to calendar</source>
        <translation>Exporteren naar agenda</translation>
    </message>
    <message>
        <source>&amp;Export to calendar...</source>
        <translation>&amp;Exporteren naar agenda...</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-bestanden (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be written to
%1:
%2</source>
        <translation>De agenda kon niet worden opgeslagen in
%1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Help bij %1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Voer niet meer dan %1 tekens in.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Modes</name>
    <message>
        <source>        Insert date of birth into the calendar  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Kies de geboortedatum in de kalender [M-J-D] en start met “&lt; &gt;”.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to start or &quot;Insert&quot;  button to begin comparison procedure.</source>
        <translation>        Druk op “&lt; &gt;” om te starten of op “Invoegen” om te gaan vergelijken.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to study biorhythms for last date of birth or &quot;Insert&quot; to continue comparison.</source>
        <translation>        Druk op “&lt; &gt;” voor de laatste geboortedatum of op “Invoegen” om verder te vergelijken.</translation>
    </message>
    <message>
        <source>        Click the calendar or unselect Current month button to return to the birth date insertion mode.</source>
        <translation>        Klik in de kalender of zet “Huidige maand” uit om weer een geboortedatum in te voeren.</translation>
    </message>
    <message>
        <source>        Use  &quot;&gt; &gt;&quot;  button to investigate the rest of the month.</source>
        <translation>        Bekijk met “&gt; &gt;” de rest van de maand.</translation>
    </message>
    <message>
        <source>         Sorry! Date of birth must be in the past.</source>
        <translation>         Sorry! Kies een geboortedatum in het verleden.</translation>
    </message>
    <message>
        <source>        Use Current month tool and the calendar to study biorhythms more carefully.</source>
        <translation>        Bekijk de bioritmes nauwkeuriger met “Huidige maand” en de kalender.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button  or insert second date of birth to compare biorhythms.</source>
        <translation>        Druk op “&lt; &gt;” of kies een tweede geboortedatum om te vergelijken.</translation>
    </message>
    <message>
        <source>        Press  &quot;Compare&quot;  button to start comparison or &quot;&lt; &gt;&quot; to study  biorhythms for second birth date.</source>
        <translation>        Druk op “Vergelijken” om de vergelijking te starten of op “&lt; &gt;” voor de tweede geboortedatum.</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Geb. datum:</translation>
    </message>
    <message>
        <source>Birth date: </source>
        <translation>Geb. datum: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Invalid date of birth! 
 Date of birth must be in the past.</source>
        <translation>Ongeldige geboortedatum! 
 De geboortedatum moet in het verleden liggen.</translation>
    </message>
    <message>
        <source>The person was not born yet 
 at the period of interest!</source>
        <translation>Deze persoon was in de gekozen 
 periode nog niet geboren!</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>new</source>
        <translation>nieuw</translation>
    </message>
    <message>
        <source>full</source>
        <translation>vol</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
</context>
<context>
    <name>Persons</name>
    <message>
        <source>Alert</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

The change is kept in this window; saving it is tried again with your next change and when the window closes.</source>
        <translation>De personenlijst kon niet worden opgeslagen in
%1

Reden: %2.

De wijziging blijft in dit venster bewaard; het opslaan wordt opnieuw geprobeerd bij uw volgende wijziging en bij het sluiten van het venster.</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

Persons added or removed in this window since it was last saved are lost.</source>
        <translation>De personenlijst kon niet worden opgeslagen in
%1

Reden: %2.

Personen die sinds de laatste keer opslaan in dit venster zijn toegevoegd of verwijderd, gaan verloren.</translation>
    </message>
    <message>
        <source>The stored list is left exactly as it is until you add or remove a person; then it is kept, as it stands, as the value &quot;%1&quot; beside the new list in
%2</source>
        <translation>De opgeslagen lijst blijft precies zoals hij is totdat u een persoon toevoegt of verwijdert; dan wordt hij ongewijzigd bewaard als de waarde “%1” naast de nieuwe lijst in
%2</translation>
    </message>
    <message>
        <source>The stored persons list is not a list of persons, so the list starts empty.
</source>
        <translation>De opgeslagen personenlijst is geen lijst met personen; de lijst begint daarom leeg.
</translation>
    </message>
    <message>
        <source>No person could be read from it, so the list starts empty.
</source>
        <translation>Er kon geen enkele persoon uit worden gelezen; de lijst begint daarom leeg.
</translation>
    </message>
    <message>
        <source>The stored persons list could not be read completely.
</source>
        <translation>De opgeslagen personenlijst kon niet volledig worden gelezen.
</translation>
    </message>
    <message>
        <source>The settings file cannot be read, so the persons list starts empty:
%1

The file is left as it is. Persons you add or remove are kept in this window; saving them is tried with each change and when the window closes.</source>
        <translation>Het instellingenbestand kan niet worden gelezen; de personenlijst begint daarom leeg:
%1

Het bestand blijft zoals het is. Personen die u toevoegt of verwijdert, blijven in dit venster bewaard; bij elke wijziging en bij het sluiten van het venster wordt geprobeerd ze op te slaan.</translation>
    </message>
    <message>
        <source>No person could be read from it.</source>
        <translation>Er kon geen enkele persoon uit worden gelezen.</translation>
    </message>
    <message>
        <source>The settings file could not be read completely:
%1

%2 A copy of the file as it is was kept as:
%3

The file is written anew when you add or remove a person.</source>
        <translation>Het instellingenbestand kon niet volledig worden gelezen:
%1

%2 Een kopie van het bestand zoals het nu is, is bewaard als:
%3

Het bestand wordt opnieuw geschreven zodra u een persoon toevoegt of verwijdert.</translation>
    </message>
    <message>
        <source>Birth date: 00.00.00</source>
        <translation>Geb. datum: 00-00-00</translation>
    </message>
    <message>
        <source>Birth date:        </source>
        <translation>Geb. datum:        </translation>
    </message>
    <message>
        <source>        Insert date of birth  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Kies de geboortedatum [M-J-D] en start met “&lt; &gt;”.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <source>To add new item into the list (Name) 
 insert date of birth into the calendar  
  [M-Y-D] and press button &quot;List&quot; again </source>
        <translation>Om een persoon in de lijst (Naam) op te nemen, 
 kiest u de geboortedatum in de kalender 
 [M-J-D] en drukt u opnieuw op “Lijst”. </translation>
    </message>
    <message>
        <source>To add new item into the list,  
 please, insert name.</source>
        <translation>Voer een naam in om een persoon 
 in de lijst op te nemen.</translation>
    </message>
    <message>
        <source> The list is too long! 
 Remove unnecessary items 
 to add new ones.</source>
        <translation> De lijst is te lang! 
 Wis overbodige personen 
 om nieuwe op te nemen.</translation>
    </message>
    <message>
        <source>Do you really want  to remove this item from the list?</source>
        <translation>Wilt u deze persoon echt uit de lijst wissen?</translation>
    </message>
    <message numerus="yes">
        <source>The %n persons before the damaged entry are shown.
</source>
        <translation>
            <numerusform>Er wordt %n persoon getoond die vóór de beschadigde vermelding staat.
</numerusform>
            <numerusform>Er worden %n personen getoond die vóór de beschadigde vermelding staan.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n persons of its list are shown.</source>
        <translation>
            <numerusform>Er wordt %n persoon uit de lijst getoond.</numerusform>
            <numerusform>Alle %n personen uit de lijst worden getoond.</numerusform>
        </translation>
    </message>
    <message>
        <source>Birth date: %1
</source>
        <translation>Geb. datum: %1
</translation>
    </message>
    <message>
        <source>(Name)</source>
        <translation>(Naam)</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The month could not be printed.</source>
        <translation>De maand kon niet worden afgedrukt.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Leeftijd</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fysiek</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotioneel</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectueel</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fasen</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Biorhythms of %1 for %2 (long-cycle phase %3)

</source>
        <translation>Bioritmes voor geboortedatum %1 in %2 (fase in de lange cyclus: %3)

</translation>
    </message>
    <message>
        <source>
Long-cycle boundaries
</source>
        <translation>
Markante dagen van de lange cyclus
</translation>
    </message>
    <message>
        <source>None falls in this month.
</source>
        <translation>Deze maand heeft er geen.
</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ritmes</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fysiek</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotioneel</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectueel</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fasen</translation>
    </message>
    <message>
        <source>Boundary 1</source>
        <translation>Markante dag 1</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Markante dag</translation>
    </message>
    <message>
        <source>Boundary 2</source>
        <translation>Markante dag 2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Geboren op %1</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, geboren op %2</translation>
    </message>
    <message>
        <source>Biorhythms compared</source>
        <translation>Vergelijking van bioritmes</translation>
    </message>
    <message>
        <source>Biorhythms</source>
        <translation>Bioritmes</translation>
    </message>
    <message>
        <source>%1 view</source>
        <translation>Weergave: %1</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Niveau %1: %2</translation>
    </message>
    <message>
        <source>Windows: the rhythms in their critical window, F1 physical, F2 emotional, F3 intellectual.</source>
        <translation>Fasen: de ritmes in hun kritieke fase, F1 fysiek, F2 emotioneel, F3 intellectueel.</translation>
    </message>
    <message>
        <source>Boundary: where the long cycle&apos;s divisions H1, H2 and H3 meet, with its time of day and the moon then; shaded rows have two or three rhythms critical.</source>
        <translation>Markante dag: overgang tussen de delen H1, H2 en H3 van de lange cyclus, met tijdstip en maan; in gekleurde rijen zijn twee of drie ritmes kritiek.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Over ...</translation>
    </message>
    <message>
        <source>Biorhythms info for  given day of tiredness</source>
        <translation>Bioritme-info voor de getoonde kritieke dag</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Previous date</source>
        <translation>Vorige datum</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Volgende maand</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Volgende datum</translation>
    </message>
    <message>
        <source> Start.</source>
        <translation> Start.</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Invoegen </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Opnieuw beginnen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Current month</source>
        <translation>Huidige maand</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Vorige grootte</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>Ver&amp;plaatsen</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Formaat wijzigen</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimaliseren</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximaliseren</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Sluiten	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Afdrukken...	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Please, be convinced that file MScal.ocx is installed in your computer.</source>
        <translation>Controleer of het bestand MScal.ocx op uw computer is geïnstalleerd.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>(Time)</source>
        <translation>(Tijd)</translation>
    </message>
</context>
</TS>

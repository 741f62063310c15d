<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About Ryvanta</source>
        <translation>Über Ryvanta</translation>
    </message>
    <message>
        <source>Ryvanta Version %1</source>
        <translation>Ryvanta Version %1</translation>
    </message>
    <message>
        <source>Biorhythms from the date of birth</source>
        <translation>Biorhythmen anhand des Geburtsdatums</translation>
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
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Biological year, %1 highlighted</source>
        <translation>Biologisches Jahr, %1 hervorgehoben</translation>
    </message>
    <message>
        <source>Physical, emotional and intellectual rhythms of %1 %2</source>
        <translation>Physischer, emotionaler und intellektueller Rhythmus im %1 %2</translation>
    </message>
    <message>
        <source>Summary of the rhythms of %1 %2</source>
        <translation>Summe der Rhythmen im %1 %2</translation>
    </message>
    <message>
        <source>; %1: %2, level %3</source>
        <translation>; %1: %2, Stufe %3</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>markiert</translation>
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
        <translation>%1 %2 Stufe %3</translation>
    </message>
    <message>
        <source>Moon: new moon</source>
        <translation>Mond: Neumond</translation>
    </message>
    <message>
        <source>Moon: full moon</source>
        <translation>Mond: Vollmond</translation>
    </message>
    <message>
        <source>Critical day (level %1)</source>
        <translation>Kritischer Tag (Stufe %1)</translation>
    </message>
    <message>
        <source>No rhythm is in its critical window.</source>
        <translation>Kein Rhythmus ist in seiner kritischen Phase.</translation>
    </message>
    <message>
        <source>In the critical window: %1</source>
        <translation>In der kritischen Phase: %1</translation>
    </message>
    <message>
        <source>Biorhythms of %1</source>
        <translation>Biorhythmen: %1</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physisch</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellektuell</translation>
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
        <translation>3 Rhythmen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellektuell</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physisch</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Geburt</translation>
    </message>
    <message>
        <source>Biological year</source>
        <translation>Biologisches Jahr</translation>
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
Schreibt eine iCalendar-Datei zum Import in ein Kalenderprogramm: jeden
Grenztag des langen Zyklus als Termin zu seiner Uhrzeit und jeden kritischen
Tag (Stufe 13 oder höher) als ganztägigen Termin, für N Monate (1 bis 60,
Standard: 12) ab dem angegebenen Monat (Standard: der aktuelle). --name steht
am Anfang jedes Termintitels und hält zwei am selben Tag geborene Personen
auseinander. Beim erneuten Import der Datei werden ihre Termine aktualisiert.
Als heutiges Datum gilt RYVANTA_TODAY, falls gesetzt.
</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--months must be a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--months muss eine Zahl von 1 bis %1 sein, nicht „%2“</translation>
    </message>
    <message>
        <source>--months %1 from %2 runs past %3-12; at most %4 months are left</source>
        <translation>--months %1 ab %2 reicht über %3-12 hinaus; es bleiben höchstens %4 Monate</translation>
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
Ohne Befehl öffnet ryvanta sein Fenster.

Befehle:
  report     einen Monat der Biorhythmen einer Person als Tabelle (Text)
             oder JSON ausgeben
  render     das Fenster mit einem dargestellten Monat als PNG-Bild speichern
  sheet      einen dargestellten Monat mit seiner Tagestabelle als
             einseitiges PDF speichern
  calendar   die Grenztage des langen Zyklus und die kritischen Tage einer
             Person als iCalendar-Datei (.ics) speichern

Optionen:
  --help     diese Hilfe anzeigen und beenden
  --version  die Version anzeigen und beenden

Als heutiges Datum gilt das des Rechners oder RYVANTA_TODAY (YYYY-MM-DD),
falls diese Variable gesetzt ist.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see ryvanta --help)</source>
        <translation>unbekannte Option „%1“ (siehe ryvanta --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see ryvanta --help)</source>
        <translation>unbekannter Befehl „%1“ (siehe ryvanta --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 benötigt einen Wert</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: unbekannte Option „%2“</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;--%2&apos;</source>
        <translation>%1: unbekannte Option „--%2“</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <translation>%1: unerwartetes Argument „%2“</translation>
    </message>
    <message>
        <source>%1 needs --output %2</source>
        <translation>%1 benötigt --output %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output benötigt einen Dateinamen</translation>
    </message>
    <message>
        <source>--name needs printable text of 1 to %1 characters, not &apos;%2&apos;</source>
        <translation>--name benötigt druckbaren Text aus 1 bis %1 Zeichen, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 needs a date YYYY-MM-DD that exists, not &apos;%2&apos;</source>
        <translation>%1 benötigt ein gültiges Datum YYYY-MM-DD, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01-01 and %3-12-31, not %4</source>
        <translation>%1 muss zwischen %2-01-01 und %3-12-31 liegen, nicht %4</translation>
    </message>
    <message>
        <source>%1 needs --birth YYYY-MM-DD</source>
        <translation>%1 benötigt --birth YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 needs a month YYYY-MM, not &apos;%2&apos;</source>
        <translation>%1 benötigt einen Monat YYYY-MM, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01 and %3-12, not %4</source>
        <translation>%1 muss zwischen %2-01 und %3-12 liegen, nicht %4</translation>
    </message>
    <message>
        <source>Invalid date of birth! Date of birth must be in the past.</source>
        <translation>Ungültiges Geburtsdatum! Das Geburtsdatum muss in der Vergangenheit liegen.</translation>
    </message>
    <message>
        <source>The person was not born yet at the period of interest!</source>
        <translation>Die Person war im gewählten Zeitraum noch nicht geboren!</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
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
Zeichnet das Fenster so, wie es aussieht, wenn das Geburtsdatum eingegeben
und der Monat (Standard: der aktuelle) dargestellt ist, und speichert es als
PNG-Bild. --compare fügt ein zweites Geburtsdatum ein und stellt den Monat im
Vergleich dar, mit dem ersten Grenztag jeder Person markiert (nur in der
Jahresansicht). --day wählt diesen Tag im Modus „Aktueller Monat“; --chart
speichert nur das Diagramm; --scale zeichnet in 1- bis 4-facher Größe. Als
heutiges Datum gilt RYVANTA_TODAY, falls gesetzt.
</translation>
    </message>
    <message>
        <source>render cannot change the scale of a running application</source>
        <translation>render kann die Skalierung einer laufenden Anwendung nicht ändern</translation>
    </message>
    <message>
        <source>the screen settings draw at %1 times the size, not %2</source>
        <translation>die Bildschirmeinstellungen geben die %1-fache Größe vor, nicht die %2-fache</translation>
    </message>
    <message>
        <source>the image could not be encoded as PNG</source>
        <translation>das Bild konnte nicht als PNG kodiert werden</translation>
    </message>
    <message>
        <source>--view must be year, rhythms or summary, not &apos;%1&apos;</source>
        <translation>--view muss year, rhythms oder summary sein, nicht „%1“</translation>
    </message>
    <message>
        <source>--day needs a day of the month, not &apos;%1&apos;</source>
        <translation>--day benötigt einen Tag des Monats, nicht „%1“</translation>
    </message>
    <message>
        <source>--scale must be 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--scale muss 1, 2, 3 oder 4 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>--compare draws the year view only, not --view %1</source>
        <translation>--compare zeichnet nur die Jahresansicht, nicht --view %1</translation>
    </message>
    <message>
        <source>--day must lie between 1 and %1 in %2, not %3</source>
        <translation>--day muss im Monat %2 zwischen 1 und %1 liegen, nicht %3</translation>
    </message>
    <message>
        <source>--day cannot be used with --view summary</source>
        <translation>--day kann nicht zusammen mit --view summary verwendet werden</translation>
    </message>
    <message>
        <source>
Charts one month of the biorhythms of a person born on the given date:
each day&apos;s age, rhythm values, critical level and moon mark, and the
long-cycle boundaries of the month. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Stellt einen Monat der Biorhythmen einer am angegebenen Datum geborenen
Person dar: für jeden Tag Alter, Rhythmuswerte, kritische Stufe und
Mondmarkierung sowie die Grenztage des langen Zyklus in diesem Monat. Als
heutiges Datum gilt RYVANTA_TODAY, falls gesetzt.
</translation>
    </message>
    <message>
        <source>report needs --month YYYY-MM</source>
        <translation>report benötigt --month YYYY-MM</translation>
    </message>
    <message>
        <source>--format must be text or json, not &apos;%1&apos;</source>
        <translation>--format muss text oder json sein, nicht „%1“</translation>
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
Schreibt eine Seite als PDF-Datei: das Diagramm des Monats (Standard: der
aktuelle) so, wie das Fenster es zeichnet, in der gewählten Ansicht, und eine
Tabelle der Tage des Monats mit Rhythmuswerten, kritischen Stufen und den
Grenztagen des langen Zyklus. --compare fügt eine zweite Person hinzu (nur in
der Jahresansicht); --name steht als Überschrift auf der Seite; --paper ist
a4 (Standard) oder letter. Als heutiges Datum gilt RYVANTA_TODAY, falls
gesetzt.
</translation>
    </message>
    <message>
        <source>sheet needs a widget application to draw in</source>
        <translation>sheet benötigt zum Zeichnen eine Widget-Anwendung</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper muss a4 oder letter sein, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>CriticalDays</name>
    <message>
        <source>        This is one of the most unfavorable days. Your vital power is low.</source>
        <translation>        Einer der ungünstigsten Tage. Ihre Lebenskraft ist gering.</translation>
    </message>
    <message>
        <source>        The day is very unfavorable for you. Be careful, if you are not young and healthy.</source>
        <translation>        Ein sehr ungünstiger Tag für Sie. Vorsicht, wenn Sie nicht jung und gesund sind.</translation>
    </message>
    <message>
        <source>        The day is unfavorable. </source>
        <translation>        Der Tag ist ungünstig. </translation>
    </message>
    <message>
        <source>        The day is hard enough</source>
        <translation>        Der Tag ist schwer genug</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Export to calendar</source>
        <translation>In Kalender exportieren</translation>
    </message>
    <message>
        <source>&amp;Export to calendar...</source>
        <translation>In &amp;Kalender exportieren...</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be written to
%1:
%2</source>
        <translation>Der Kalender konnte nicht in
%1
gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
</context>
<context>
    <name>Modes</name>
    <message>
        <source>        Insert date of birth into the calendar  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Geburtsdatum im Kalender eingeben [M-J-T] und mit „&lt; &gt;“ starten.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to start or &quot;Insert&quot;  button to begin comparison procedure.</source>
        <translation>        Mit „&lt; &gt;“ starten oder mit „Einfügen“ einen Vergleich beginnen.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to study biorhythms for last date of birth or &quot;Insert&quot; to continue comparison.</source>
        <translation>        Mit „&lt; &gt;“ Biorhythmen zum letzten Geburtsdatum ansehen, mit „Einfügen“ weiter vergleichen.</translation>
    </message>
    <message>
        <source>        Click the calendar or unselect Current month button to return to the birth date insertion mode.</source>
        <translation>        Kalender anklicken oder „Aktueller Monat“ ausschalten, um ein Geburtsdatum einzugeben.</translation>
    </message>
    <message>
        <source>        Use  &quot;&gt; &gt;&quot;  button to investigate the rest of the month.</source>
        <translation>        Mit „&gt; &gt;“ den Rest des Monats erkunden.</translation>
    </message>
    <message>
        <source>         Sorry! Date of birth must be in the past.</source>
        <translation>         Leider! Das Geburtsdatum muss zurückliegen.</translation>
    </message>
    <message>
        <source>        Use Current month tool and the calendar to study biorhythms more carefully.</source>
        <translation>        Mit „Aktueller Monat“ und Kalender die Biorhythmen genauer untersuchen.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button  or insert second date of birth to compare biorhythms.</source>
        <translation>        „&lt; &gt;“ drücken oder zum Vergleich ein zweites Geburtsdatum eingeben.</translation>
    </message>
    <message>
        <source>        Press  &quot;Compare&quot;  button to start comparison or &quot;&lt; &gt;&quot; to study  biorhythms for second birth date.</source>
        <translation>        „Vergleichen“ startet den Vergleich, „&lt; &gt;“ zeigt die Biorhythmen zum zweiten Geburtsdatum.</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Geb.-Datum:</translation>
    </message>
    <message>
        <source>Birth date: </source>
        <translation>Geb.-Datum: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Invalid date of birth! 
 Date of birth must be in the past.</source>
        <translation>Ungültiges Geburtsdatum! 
 Es muss in der Vergangenheit liegen.</translation>
    </message>
    <message>
        <source>The person was not born yet 
 at the period of interest!</source>
        <translation>Die Person war im gewählten 
 Zeitraum noch nicht geboren!</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>full</source>
        <translation>voll</translation>
    </message>
    <message>
        <source>none</source>
        <translation>kein</translation>
    </message>
</context>
<context>
    <name>Persons</name>
    <message>
        <source>Alert</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

The change is kept in this window; saving it is tried again with your next change and when the window closes.</source>
        <translation>Die Personenliste konnte nicht in
%1
gespeichert werden.

Grund: %2.

Die Änderung bleibt in diesem Fenster erhalten; das Speichern wird bei Ihrer nächsten Änderung und beim Schließen des Fensters erneut versucht.</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

Persons added or removed in this window since it was last saved are lost.</source>
        <translation>Die Personenliste konnte nicht in
%1
gespeichert werden.

Grund: %2.

Personen, die seit dem letzten Speichern in diesem Fenster hinzugefügt oder entfernt wurden, gehen verloren.</translation>
    </message>
    <message>
        <source>The stored list is left exactly as it is until you add or remove a person; then it is kept, as it stands, as the value &quot;%1&quot; beside the new list in
%2</source>
        <translation>Die gespeicherte Liste bleibt genau so, wie sie ist, bis Sie eine Person hinzufügen oder entfernen. Dann wird sie unverändert als Wert „%1“ neben der neuen Liste aufbewahrt in:
%2</translation>
    </message>
    <message>
        <source>The stored persons list is not a list of persons, so the list starts empty.
</source>
        <translation>Die gespeicherte Personenliste ist keine Liste von Personen, daher ist die Liste zunächst leer.
</translation>
    </message>
    <message>
        <source>No person could be read from it, so the list starts empty.
</source>
        <translation>Daraus konnte keine Person gelesen werden, daher ist die Liste zunächst leer.
</translation>
    </message>
    <message>
        <source>The stored persons list could not be read completely.
</source>
        <translation>Die gespeicherte Personenliste konnte nicht vollständig gelesen werden.
</translation>
    </message>
    <message>
        <source>The settings file cannot be read, so the persons list starts empty:
%1

The file is left as it is. Persons you add or remove are kept in this window; saving them is tried with each change and when the window closes.</source>
        <translation>Die Einstellungsdatei kann nicht gelesen werden, daher ist die Personenliste zunächst leer:
%1

Die Datei bleibt unverändert. Personen, die Sie hinzufügen oder entfernen, bleiben in diesem Fenster erhalten; das Speichern wird bei jeder Änderung und beim Schließen des Fensters versucht.</translation>
    </message>
    <message>
        <source>No person could be read from it.</source>
        <translation>Aus der Datei konnte keine Person gelesen werden.</translation>
    </message>
    <message>
        <source>The settings file could not be read completely:
%1

%2 A copy of the file as it is was kept as:
%3

The file is written anew when you add or remove a person.</source>
        <translation>Die Einstellungsdatei konnte nicht vollständig gelesen werden:
%1

%2 Eine unveränderte Kopie der Datei wurde gesichert als:
%3

Die Datei wird neu geschrieben, sobald Sie eine Person hinzufügen oder entfernen.</translation>
    </message>
    <message>
        <source>Birth date: 00.00.00</source>
        <translation>Geboren: 00.00.00</translation>
    </message>
    <message>
        <source>Birth date:        </source>
        <translation>Geb.-Datum:        </translation>
    </message>
    <message>
        <source>        Insert date of birth  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Geburtsdatum eingeben [M-J-T] und mit „&lt; &gt;“ starten.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>To add new item into the list (Name) 
 insert date of birth into the calendar  
  [M-Y-D] and press button &quot;List&quot; again </source>
        <translation>Um einen neuen Eintrag (Name) anzulegen, 
 geben Sie das Geburtsdatum im Kalender 
 [M-J-T] ein und drücken Sie erneut „Liste“. </translation>
    </message>
    <message>
        <source>To add new item into the list,  
 please, insert name.</source>
        <translation>Um einen neuen Eintrag anzulegen, 
 geben Sie bitte einen Namen ein.</translation>
    </message>
    <message>
        <source> The list is too long! 
 Remove unnecessary items 
 to add new ones.</source>
        <translation> Die Liste ist voll! 
 Entfernen Sie nicht benötigte Einträge, 
 um neue anzulegen.</translation>
    </message>
    <message>
        <source>Do you really want  to remove this item from the list?</source>
        <translation>Möchten Sie diesen Eintrag wirklich aus der Liste entfernen?</translation>
    </message>
    <message numerus="yes">
        <source>The %n persons before the damaged entry are shown.
</source>
        <translation>
            <numerusform>%n Person vor dem beschädigten Eintrag wird angezeigt.
</numerusform>
            <numerusform>Die %n Personen vor dem beschädigten Eintrag werden angezeigt.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n persons of its list are shown.</source>
        <translation>
            <numerusform>%n Person aus der Liste der Datei wird angezeigt.</numerusform>
            <numerusform>Die %n Personen aus der Liste der Datei werden angezeigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Birth date: %1
</source>
        <translation>Geboren: %1
</translation>
    </message>
    <message>
        <source>(Name)</source>
        <translation>(Name)</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The month could not be printed.</source>
        <translation>Der Monat konnte nicht gedruckt werden.</translation>
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
        <translation>Alter</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physisch</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellektuell</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Phasen</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Biorhythms of %1 for %2 (long-cycle phase %3)

</source>
        <translation>Biorhythmen für %2, Geburtsdatum %1 (Phase des langen Zyklus %3)

</translation>
    </message>
    <message>
        <source>
Long-cycle boundaries
</source>
        <translation>
Grenztage des langen Zyklus
</translation>
    </message>
    <message>
        <source>None falls in this month.
</source>
        <translation>In diesem Monat liegt keiner.
</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 Rhythmen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physisch</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellektuell</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Phasen</translation>
    </message>
    <message>
        <source>Boundary 1</source>
        <translation>Grenztag 1</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Grenztag</translation>
    </message>
    <message>
        <source>Boundary 2</source>
        <translation>Grenztag 2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Geboren am %1</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, geboren am %2</translation>
    </message>
    <message>
        <source>Biorhythms compared</source>
        <translation>Biorhythmen im Vergleich</translation>
    </message>
    <message>
        <source>Biorhythms</source>
        <translation>Biorhythmen</translation>
    </message>
    <message>
        <source>%1 view</source>
        <translation>Ansicht: %1</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <source>Windows: the rhythms in their critical window, F1 physical, F2 emotional, F3 intellectual.</source>
        <translation>Phasen: die Rhythmen in ihrer kritischen Phase, F1 physisch, F2 emotional, F3 intellektuell.</translation>
    </message>
    <message>
        <source>Boundary: where the long cycle&apos;s divisions H1, H2 and H3 meet, with its time of day and the moon then; shaded rows have two or three rhythms critical.</source>
        <translation>Grenztag: Tag, an dem die Abschnitte H1, H2 und H3 des langen Zyklus aufeinandertreffen, mit Uhrzeit und Mondphase zu diesem Zeitpunkt; in schattierten Zeilen sind zwei oder drei Rhythmen kritisch.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <source>Biorhythms info for  given day of tiredness</source>
        <translation>Biorhythmus-Info zum angezeigten kritischen Tag</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Previous date</source>
        <translation>Vorheriges Datum</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Nächstes Datum</translation>
    </message>
    <message>
        <source> Start.</source>
        <translation> Start</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Einfügen </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Current month</source>
        <translation>Aktueller Monat</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe ändern</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Schließen	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Please, be convinced that file MScal.ocx is installed in your computer.</source>
        <translation>Bitte stellen Sie sicher, dass die Datei MScal.ocx auf Ihrem Computer installiert ist.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>(Time)</source>
        <translation>(Zeit)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>About</name>
    <message>
        <source>About Ryvanta</source>
        <translation>O programie Ryvanta</translation>
    </message>
    <message>
        <source>Ryvanta Version %1</source>
        <translation>Ryvanta, wersja %1</translation>
    </message>
    <message>
        <source>Biorhythms from the date of birth</source>
        <translation>Biorytmy na podstawie daty urodzenia</translation>
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
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Biological year, %1 highlighted</source>
        <translation>Rok biologiczny, wyróżniony miesiąc: %1</translation>
    </message>
    <message>
        <source>Physical, emotional and intellectual rhythms of %1 %2</source>
        <translation>Rytm fizyczny, emocjonalny i intelektualny – %1 %2</translation>
    </message>
    <message>
        <source>Summary of the rhythms of %1 %2</source>
        <translation>Suma rytmów – %1 %2</translation>
    </message>
    <message>
        <source>; %1: %2, level %3</source>
        <translation>; %1: %2, poziom %3</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>selected</source>
        <translation>wybrany</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>oznaczony</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <translation>Kalendarz, %1 %2</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>%1 %2 level %3</source>
        <translation>%1 %2 poziom %3</translation>
    </message>
    <message>
        <source>Moon: new moon</source>
        <translation>Księżyc: nów</translation>
    </message>
    <message>
        <source>Moon: full moon</source>
        <translation>Księżyc: pełnia</translation>
    </message>
    <message>
        <source>Critical day (level %1)</source>
        <translation>Dzień krytyczny (poziom %1)</translation>
    </message>
    <message>
        <source>No rhythm is in its critical window.</source>
        <translation>Żaden rytm nie jest w oknie krytycznym.</translation>
    </message>
    <message>
        <source>In the critical window: %1</source>
        <translation>W oknie krytycznym: %1</translation>
    </message>
    <message>
        <source>Biorhythms of %1</source>
        <translation>Biorytmy – %1</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fizyczny</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocjonalny</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelektualny</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>(Default)</source>
        <translation>(Domyślny)</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 rytmy</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelekt</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocje</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Ciało</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Data ur.</translation>
    </message>
    <message>
        <source>Biological year</source>
        <translation>Rok biologiczny</translation>
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
Zapisuje plik iCalendar do zaimportowania w programie kalendarzowym: każdy
dzień graniczny długiego cyklu jako wydarzenie o godzinie, o której się
zaczyna, a każdy dzień krytyczny (poziom 13 lub wyższy) jako wydarzenie
całodniowe, przez N miesięcy (od 1 do 60, domyślnie 12) od podanego
miesiąca (domyślnie bieżącego). --name rozpoczyna tytuł każdego wydarzenia
i pozwala odróżnić dwie osoby urodzone tego samego dnia. Ponowny import
pliku aktualizuje jego wydarzenia. Dzisiejszą datę można zastąpić zmienną
RYVANTA_TODAY.
</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>nie można zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>--months must be a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--months musi być liczbą od 1 do %1, a nie „%2”</translation>
    </message>
    <message>
        <source>--months %1 from %2 runs past %3-12; at most %4 months are left</source>
        <translation>--months %1 od %2 wykracza poza %3-12; można podać najwyżej %4</translation>
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
Bez polecenia ryvanta otwiera swoje okno.

Polecenia:
  report     biorytmy osoby w jednym miesiącu jako tabela (tekst) lub JSON
  render     okno z wykresem miesiąca jako obraz PNG
  sheet      wykres miesiąca z tabelą dni jako jednostronicowy plik PDF
  calendar   dni graniczne długiego cyklu i dni krytyczne osoby jako plik
             iCalendar (.ics)

Opcje:
  --help     wyświetla tę pomoc i kończy działanie
  --version  wyświetla wersję i kończy działanie

Za dzisiejszą datę przyjmowana jest data komputera lub, jeśli ustawiono
zmienną RYVANTA_TODAY (YYYY-MM-DD), jej wartość.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see ryvanta --help)</source>
        <translation>nieznana opcja „%1” (zob. ryvanta --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see ryvanta --help)</source>
        <translation>nieznane polecenie „%1” (zob. ryvanta --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>nie można pisać na standardowe wyjście</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>nie można pisać na standardowe wyjście: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: nieznana opcja „%2”</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;--%2&apos;</source>
        <translation>%1: nieznana opcja „--%2”</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <translation>%1: nieoczekiwany argument „%2”</translation>
    </message>
    <message>
        <source>%1 needs --output %2</source>
        <translation>%1 wymaga --output %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>--name needs printable text of 1 to %1 characters, not &apos;%2&apos;</source>
        <translation>--name wymaga tekstu drukowalnego o długości od 1 do %1 znaków, a nie „%2”</translation>
    </message>
    <message>
        <source>%1 needs a date YYYY-MM-DD that exists, not &apos;%2&apos;</source>
        <translation>%1 wymaga istniejącej daty w postaci YYYY-MM-DD, a nie „%2”</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01-01 and %3-12-31, not %4</source>
        <translation>%1 musi się mieścić między %2-01-01 a %3-12-31, a nie %4</translation>
    </message>
    <message>
        <source>%1 needs --birth YYYY-MM-DD</source>
        <translation>%1 wymaga --birth YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 needs a month YYYY-MM, not &apos;%2&apos;</source>
        <translation>%1 wymaga miesiąca w postaci YYYY-MM, a nie „%2”</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01 and %3-12, not %4</source>
        <translation>%1 musi się mieścić między %2-01 a %3-12, a nie %4</translation>
    </message>
    <message>
        <source>Invalid date of birth! Date of birth must be in the past.</source>
        <translation>Nieprawidłowa data urodzenia! Data urodzenia musi być z przeszłości.</translation>
    </message>
    <message>
        <source>The person was not born yet at the period of interest!</source>
        <translation>W wybranym okresie ta osoba jeszcze się nie urodziła!</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Użycie:</translation>
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
Rysuje okno w takim stanie, w jakim jest po wybraniu daty urodzenia
i pokazaniu miesiąca (domyślnie bieżącego), i zapisuje je jako obraz PNG.
--compare wstawia drugą datę urodzenia i pokazuje miesiąc w trybie
porównania, z zaznaczonym pierwszym dniem granicznym długiego cyklu każdej
osoby (tylko widok roczny). --day wybiera ten dzień w trybie „Bieżący
miesiąc”; --chart zapisuje tylko wykres; --scale rysuje w skali od 1 do 4.
Dzisiejszą datę można zastąpić zmienną RYVANTA_TODAY.
</translation>
    </message>
    <message>
        <source>render cannot change the scale of a running application</source>
        <translation>render nie może zmienić skali działającej już aplikacji</translation>
    </message>
    <message>
        <source>the screen settings draw at %1 times the size, not %2</source>
        <translation>ustawienia ekranu wymuszają skalę %1, a nie %2</translation>
    </message>
    <message>
        <source>the image could not be encoded as PNG</source>
        <translation>nie udało się zakodować obrazu jako PNG</translation>
    </message>
    <message>
        <source>--view must be year, rhythms or summary, not &apos;%1&apos;</source>
        <translation>--view musi mieć wartość year, rhythms lub summary, a nie „%1”</translation>
    </message>
    <message>
        <source>--day needs a day of the month, not &apos;%1&apos;</source>
        <translation>--day wymaga dnia miesiąca, a nie „%1”</translation>
    </message>
    <message>
        <source>--scale must be 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--scale musi mieć wartość 1, 2, 3 lub 4, a nie „%1”</translation>
    </message>
    <message>
        <source>--compare draws the year view only, not --view %1</source>
        <translation>--compare rysuje tylko widok roczny, a nie --view %1</translation>
    </message>
    <message>
        <source>--day must lie between 1 and %1 in %2, not %3</source>
        <translation>--day musi się mieścić między 1 a %1 w miesiącu %2, a nie %3</translation>
    </message>
    <message>
        <source>--day cannot be used with --view summary</source>
        <translation>opcji --day nie można użyć z --view summary</translation>
    </message>
    <message>
        <source>
Charts one month of the biorhythms of a person born on the given date:
each day&apos;s age, rhythm values, critical level and moon mark, and the
long-cycle boundaries of the month. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Zestawia jeden miesiąc biorytmów osoby urodzonej w podanym dniu: dla
każdego dnia wiek, wartości rytmów, poziom dnia krytycznego i nów lub
pełnię, a także dni graniczne długiego cyklu w tym miesiącu. Dzisiejszą
datę można zastąpić zmienną RYVANTA_TODAY.
</translation>
    </message>
    <message>
        <source>report needs --month YYYY-MM</source>
        <translation>report wymaga --month YYYY-MM</translation>
    </message>
    <message>
        <source>--format must be text or json, not &apos;%1&apos;</source>
        <translation>--format musi mieć wartość text lub json, a nie „%1”</translation>
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
Zapisuje jedną stronę jako plik PDF: wykres miesiąca (domyślnie bieżącego)
taki jak w oknie, w wybranym widoku, oraz tabelę dni miesiąca z wartościami
rytmów, poziomami dni krytycznych i dniami granicznymi długiego cyklu.
--compare dodaje drugą osobę (tylko widok roczny); --name nadaje stronie
tytuł; --paper to a4 (domyślnie) lub letter. Dzisiejszą datę można zastąpić
zmienną RYVANTA_TODAY.
</translation>
    </message>
    <message>
        <source>sheet needs a widget application to draw in</source>
        <translation>sheet wymaga do rysowania aplikacji z widżetami</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>nie udało się narysować strony</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper musi mieć wartość a4 lub letter, a nie „%1”</translation>
    </message>
</context>
<context>
    <name>CriticalDays</name>
    <message>
        <source>        This is one of the most unfavorable days. Your vital power is low.</source>
        <translation>        To jeden z najbardziej niekorzystnych dni. Twoje siły witalne są osłabione.</translation>
    </message>
    <message>
        <source>        The day is very unfavorable for you. Be careful, if you are not young and healthy.</source>
        <translation>        Ten dzień jest bardzo niekorzystny. Osoby starsze i słabsze powinny uważać.</translation>
    </message>
    <message>
        <source>        The day is unfavorable. </source>
        <translation>        Ten dzień jest niekorzystny. </translation>
    </message>
    <message>
        <source>        The day is hard enough</source>
        <translation>        Ten dzień jest dość trudny</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Export to calendar</source>
        <translation>Eksportuj do kalendarza</translation>
    </message>
    <message>
        <source>&amp;Export to calendar...</source>
        <translation>Eksportuj do ka&amp;lendarza...</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Pliki iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be written to
%1:
%2</source>
        <translation>Nie udało się zapisać kalendarza w pliku
%1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 – pomoc</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Wpisz nie więcej niż %1 znaków.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Modes</name>
    <message>
        <source>        Insert date of birth into the calendar  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Wybierz w kalendarzu datę urodzenia [M-R-D] i naciśnij „&lt; &gt; ”, by zacząć.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to start or &quot;Insert&quot;  button to begin comparison procedure.</source>
        <translation>        Naciśnij „&lt; &gt; ”, by zacząć, lub „Wstaw”, by przejść do porównania.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to study biorhythms for last date of birth or &quot;Insert&quot; to continue comparison.</source>
        <translation>        „&lt; &gt; ” pokaże biorytmy ostatniej daty urodzenia, a „Wstaw” pozwoli dalej porównywać.</translation>
    </message>
    <message>
        <source>        Click the calendar or unselect Current month button to return to the birth date insertion mode.</source>
        <translation>        Kliknij kalendarz lub wyłącz „Bieżący miesiąc”, by wrócić do wyboru daty urodzenia.</translation>
    </message>
    <message>
        <source>        Use  &quot;&gt; &gt;&quot;  button to investigate the rest of the month.</source>
        <translation>        Przyciskiem „&gt; &gt;” przejrzysz resztę miesiąca.</translation>
    </message>
    <message>
        <source>         Sorry! Date of birth must be in the past.</source>
        <translation>         Niestety, data urodzenia musi być z przeszłości.</translation>
    </message>
    <message>
        <source>        Use Current month tool and the calendar to study biorhythms more carefully.</source>
        <translation>        Użyj narzędzia „Bieżący miesiąc” i kalendarza, aby dokładniej zbadać biorytmy.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button  or insert second date of birth to compare biorhythms.</source>
        <translation>        Naciśnij „&lt; &gt; ” lub wybierz drugą datę urodzenia, aby porównać biorytmy.</translation>
    </message>
    <message>
        <source>        Press  &quot;Compare&quot;  button to start comparison or &quot;&lt; &gt;&quot; to study  biorhythms for second birth date.</source>
        <translation>        „Porównaj” rozpocznie porównanie, a „&lt; &gt;” pokaże biorytmy drugiej daty urodzenia.</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Data ur.:</translation>
    </message>
    <message>
        <source>Birth date: </source>
        <translation>Data ur.: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Invalid date of birth! 
 Date of birth must be in the past.</source>
        <translation>Nieprawidłowa data urodzenia! 
 Data urodzenia musi być z przeszłości.</translation>
    </message>
    <message>
        <source>The person was not born yet 
 at the period of interest!</source>
        <translation>W wybranym okresie ta osoba 
 jeszcze się nie urodziła!</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>new</source>
        <translation>nów</translation>
    </message>
    <message>
        <source>full</source>
        <translation>pełnia</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>Persons</name>
    <message>
        <source>Alert</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

The change is kept in this window; saving it is tried again with your next change and when the window closes.</source>
        <translation>Nie udało się zapisać listy osób w
%1

Powód: %2.

Zmiana pozostaje w tym oknie; program spróbuje ją zapisać ponownie przy następnej zmianie i przy zamykaniu okna.</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

Persons added or removed in this window since it was last saved are lost.</source>
        <translation>Nie udało się zapisać listy osób w
%1

Powód: %2.

Zmiany na liście (osoby dodane lub usunięte w tym oknie od ostatniego zapisu) zostaną utracone.</translation>
    </message>
    <message>
        <source>The stored list is left exactly as it is until you add or remove a person; then it is kept, as it stands, as the value &quot;%1&quot; beside the new list in
%2</source>
        <translation>Zapisana lista pozostaje nietknięta, dopóki nie dodasz lub nie usuniesz osoby; wtedy zostanie zachowana w niezmienionej postaci jako wartość „%1” obok nowej listy w
%2</translation>
    </message>
    <message>
        <source>The stored persons list is not a list of persons, so the list starts empty.
</source>
        <translation>Zapisana lista osób nie jest prawidłową listą osób, dlatego na starcie lista jest pusta.
</translation>
    </message>
    <message>
        <source>No person could be read from it, so the list starts empty.
</source>
        <translation>Nie udało się z niej odczytać żadnej osoby, dlatego na starcie lista jest pusta.
</translation>
    </message>
    <message>
        <source>The stored persons list could not be read completely.
</source>
        <translation>Nie udało się odczytać całej zapisanej listy osób.
</translation>
    </message>
    <message>
        <source>The settings file cannot be read, so the persons list starts empty:
%1

The file is left as it is. Persons you add or remove are kept in this window; saving them is tried with each change and when the window closes.</source>
        <translation>Nie można odczytać pliku ustawień, dlatego na starcie lista osób jest pusta:
%1

Plik pozostaje bez zmian. Osoby dodane lub usunięte są przechowywane w tym oknie; program spróbuje zapisać listę przy każdej zmianie i przy zamykaniu okna.</translation>
    </message>
    <message>
        <source>No person could be read from it.</source>
        <translation>Nie udało się z niego odczytać żadnej osoby.</translation>
    </message>
    <message>
        <source>The settings file could not be read completely:
%1

%2 A copy of the file as it is was kept as:
%3

The file is written anew when you add or remove a person.</source>
        <translation>Nie udało się odczytać całego pliku ustawień:
%1

%2 Kopię pliku w obecnej postaci zachowano jako:
%3

Plik zostanie zapisany od nowa, gdy dodasz lub usuniesz osobę.</translation>
    </message>
    <message>
        <source>Birth date: 00.00.00</source>
        <translation>Data ur.: 00.00.00</translation>
    </message>
    <message>
        <source>Birth date:        </source>
        <translation>Data ur.:        </translation>
    </message>
    <message>
        <source>        Insert date of birth  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Wybierz datę urodzenia [M-R-D] i naciśnij „&lt; &gt; ”, by zacząć.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>To add new item into the list (Name) 
 insert date of birth into the calendar  
  [M-Y-D] and press button &quot;List&quot; again </source>
        <translation>Aby dodać nową pozycję do listy (Imię), 
 wybierz w kalendarzu datę urodzenia 
  [M-R-D] i ponownie naciśnij „Lista”. </translation>
    </message>
    <message>
        <source>To add new item into the list,  
 please, insert name.</source>
        <translation>Aby dodać nową pozycję do listy, 
 wpisz imię.</translation>
    </message>
    <message>
        <source> The list is too long! 
 Remove unnecessary items 
 to add new ones.</source>
        <translation> Lista jest za długa! 
 Usuń zbędne pozycje, 
 aby dodać nowe.</translation>
    </message>
    <message>
        <source>Do you really want  to remove this item from the list?</source>
        <translation>Czy na pewno usunąć tę pozycję z listy?</translation>
    </message>
    <message numerus="yes">
        <source>The %n persons before the damaged entry are shown.
</source>
        <translation>
            <numerusform>Pokazano %n osobę zapisaną przed uszkodzonym wpisem.
</numerusform>
            <numerusform>Pokazano %n osoby zapisane przed uszkodzonym wpisem.
</numerusform>
            <numerusform>Pokazano %n osób zapisanych przed uszkodzonym wpisem.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n persons of its list are shown.</source>
        <translation>
            <numerusform>Pokazano %n osobę z zapisanej w nim listy.</numerusform>
            <numerusform>Pokazano %n osoby z zapisanej w nim listy.</numerusform>
            <numerusform>Pokazano %n osób z zapisanej w nim listy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Birth date: %1
</source>
        <translation>Data ur.: %1
</translation>
    </message>
    <message>
        <source>(Name)</source>
        <translation>(Imię)</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The month could not be printed.</source>
        <translation>Nie udało się wydrukować miesiąca.</translation>
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
        <translation>Wiek</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Ciało</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocje</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelekt</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Okna</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godz.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Oznaczenie</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Biorhythms of %1 for %2 (long-cycle phase %3)

</source>
        <translation>Biorytmy osoby urodzonej %1 – %2 (faza długiego cyklu %3)

</translation>
    </message>
    <message>
        <source>
Long-cycle boundaries
</source>
        <translation>
Dni graniczne długiego cyklu
</translation>
    </message>
    <message>
        <source>None falls in this month.
</source>
        <translation>Żaden nie przypada w tym miesiącu.
</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 rytmy</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godz.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Ciało</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocje</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelekt</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Okna</translation>
    </message>
    <message>
        <source>Boundary 1</source>
        <translation>Granica 1</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Granica</translation>
    </message>
    <message>
        <source>Boundary 2</source>
        <translation>Granica 2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Data urodzenia: %1</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, ur. %2</translation>
    </message>
    <message>
        <source>Biorhythms compared</source>
        <translation>Porównanie biorytmów</translation>
    </message>
    <message>
        <source>Biorhythms</source>
        <translation>Biorytmy</translation>
    </message>
    <message>
        <source>%1 view</source>
        <translation>Widok: %1</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Poziom %1: %2</translation>
    </message>
    <message>
        <source>Windows: the rhythms in their critical window, F1 physical, F2 emotional, F3 intellectual.</source>
        <translation>Okna: rytmy w oknie krytycznym, F1 fizyczny, F2 emocjonalny, F3 intelektualny.</translation>
    </message>
    <message>
        <source>Boundary: where the long cycle&apos;s divisions H1, H2 and H3 meet, with its time of day and the moon then; shaded rows have two or three rhythms critical.</source>
        <translation>Granica: dzień graniczny (styk części H1, H2 i H3 długiego cyklu) z godziną i fazą Księżyca; zacienione wiersze mają dwa lub trzy rytmy krytyczne.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Biorhythms info for  given day of tiredness</source>
        <translation>Informacje o biorytmach w dniu obniżonej formy</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Previous date</source>
        <translation>Poprzednia data</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Następna data</translation>
    </message>
    <message>
        <source> Start.</source>
        <translation> Start.</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Wstaw </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>Current month</source>
        <translation>Bieżący miesiąc</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>Prz&amp;enieś</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Rozmiar</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimalizuj</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ksymalizuj</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Zamknij	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drukuj...	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Please, be convinced that file MScal.ocx is installed in your computer.</source>
        <translation>Upewnij się, że na komputerze jest zainstalowany plik MScal.ocx.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narz.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>(Time)</source>
        <translation>(Godz.)</translation>
    </message>
</context>
</TS>

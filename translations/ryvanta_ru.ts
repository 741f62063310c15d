<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>About Ryvanta</source>
        <translation>О программе Ryvanta</translation>
    </message>
    <message>
        <source>Ryvanta Version %1</source>
        <translation>Ryvanta, версия %1</translation>
    </message>
    <message>
        <source>Biorhythms from the date of birth</source>
        <translation>Биоритмы по дате рождения</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Chart</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Biological year, %1 highlighted</source>
        <translation>Биологический год, выделен %1</translation>
    </message>
    <message>
        <source>Physical, emotional and intellectual rhythms of %1 %2</source>
        <translation>Физический, эмоциональный и интеллектуальный ритмы за %1 %2</translation>
    </message>
    <message>
        <source>Summary of the rhythms of %1 %2</source>
        <translation>Сумма ритмов за %1 %2</translation>
    </message>
    <message>
        <source>; %1: %2, level %3</source>
        <translation>; %1: %2, уровень %3</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>selected</source>
        <translation>выбран</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>отмечен</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <translation>Календарь, %1 %2</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>%1 %2 level %3</source>
        <translation>%1 %2 уровень %3</translation>
    </message>
    <message>
        <source>Moon: new moon</source>
        <translation>Луна: новолуние</translation>
    </message>
    <message>
        <source>Moon: full moon</source>
        <translation>Луна: полнолуние</translation>
    </message>
    <message>
        <source>Critical day (level %1)</source>
        <translation>Критический день (уровень %1)</translation>
    </message>
    <message>
        <source>No rhythm is in its critical window.</source>
        <translation>Ни один ритм не находится в критическом интервале.</translation>
    </message>
    <message>
        <source>In the critical window: %1</source>
        <translation>В критическом интервале: %1</translation>
    </message>
    <message>
        <source>Biorhythms of %1</source>
        <translation>Биоритмы: %1</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Физический</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Эмоциональный</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Интеллектуальный</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>(Default)</source>
        <translation>(Общий)</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ритма</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Интелл.</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Эмоц.</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Физич.</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Рождение</translation>
    </message>
    <message>
        <source>Biological year</source>
        <translation>Биологический год</translation>
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
Записывает файл iCalendar для импорта в программу-календарь: каждую границу
большого цикла как событие в её время суток, а каждый критический день
(уровень 13 и выше) как событие на весь день, за N месяцев (от 1 до 60,
по умолчанию 12), начиная с указанного месяца (по умолчанию текущего).
Имя из --name предваряет название каждого события и позволяет различать
двух людей, родившихся в один день. Повторный импорт файла обновляет его
события. Сегодняшняя дата — RYVANTA_TODAY, если переменная задана.
</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>--months must be a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--months: нужно число от 1 до %1, а не «%2»</translation>
    </message>
    <message>
        <source>--months %1 from %2 runs past %3-12; at most %4 months are left</source>
        <translation>--months %1 с %2 выходит за %3-12; осталось месяцев: не более %4</translation>
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
Без команды ryvanta открывает своё окно.

Команды:
  report     биоритмы человека за один месяц в виде таблицы (text) или JSON
  render     окно с графиком месяца в виде изображения PNG
  sheet      график месяца с таблицей дней в виде одностраничного PDF
  calendar   границы большого цикла и критические дни человека в виде
             файла iCalendar (.ics)

Параметры:
  --help     показать эту справку и выйти
  --version  показать версию и выйти

Сегодняшней датой считается дата компьютера или RYVANTA_TODAY (YYYY-MM-DD),
если эта переменная задана.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see ryvanta --help)</source>
        <translation>неизвестный параметр «%1» (см. ryvanta --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see ryvanta --help)</source>
        <translation>неизвестная команда «%1» (см. ryvanta --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>не удаётся записать в стандартный вывод</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не удаётся записать в стандартный вывод: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1: требуется значение</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: неизвестный параметр «%2»</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;--%2&apos;</source>
        <translation>%1: неизвестный параметр «--%2»</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <translation>%1: лишний аргумент «%2»</translation>
    </message>
    <message>
        <source>%1 needs --output %2</source>
        <translation>%1: требуется --output %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output: требуется имя файла</translation>
    </message>
    <message>
        <source>--name needs printable text of 1 to %1 characters, not &apos;%2&apos;</source>
        <translation>--name: нужен текст из печатных символов длиной от 1 до %1, а не «%2»</translation>
    </message>
    <message>
        <source>%1 needs a date YYYY-MM-DD that exists, not &apos;%2&apos;</source>
        <translation>%1: нужна существующая дата YYYY-MM-DD, а не «%2»</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01-01 and %3-12-31, not %4</source>
        <translation>%1: допустимы даты с %2-01-01 по %3-12-31, а не %4</translation>
    </message>
    <message>
        <source>%1 needs --birth YYYY-MM-DD</source>
        <translation>%1: требуется --birth YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 needs a month YYYY-MM, not &apos;%2&apos;</source>
        <translation>%1: нужен месяц YYYY-MM, а не «%2»</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01 and %3-12, not %4</source>
        <translation>%1: допустимы месяцы с %2-01 по %3-12, а не %4</translation>
    </message>
    <message>
        <source>Invalid date of birth! Date of birth must be in the past.</source>
        <translation>Неверная дата рождения! Дата рождения должна быть в прошлом.</translation>
    </message>
    <message>
        <source>The person was not born yet at the period of interest!</source>
        <translation>В выбранный период этот человек ещё не родился!</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Запуск:</translation>
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
Рисует окно таким, каким оно становится после ввода даты рождения и вывода
графика месяца (по умолчанию текущего), и сохраняет его как изображение PNG.
--compare вставляет вторую дату рождения и строит график месяца в режиме
сравнения, отмечая первую границу большого цикла каждого человека (только
вид year). --day выбирает день D в режиме «Текущий месяц»; --chart
сохраняет только график; --scale задаёт масштаб от 1 до 4.
Сегодняшняя дата — RYVANTA_TODAY, если переменная задана.
</translation>
    </message>
    <message>
        <source>render cannot change the scale of a running application</source>
        <translation>render не может изменить масштаб уже запущенного приложения</translation>
    </message>
    <message>
        <source>the screen settings draw at %1 times the size, not %2</source>
        <translation>настройки экрана задают масштаб %1, а не %2</translation>
    </message>
    <message>
        <source>the image could not be encoded as PNG</source>
        <translation>не удалось закодировать изображение в PNG</translation>
    </message>
    <message>
        <source>--view must be year, rhythms or summary, not &apos;%1&apos;</source>
        <translation>--view: допустимо year, rhythms или summary, а не «%1»</translation>
    </message>
    <message>
        <source>--day needs a day of the month, not &apos;%1&apos;</source>
        <translation>--day: нужен день месяца, а не «%1»</translation>
    </message>
    <message>
        <source>--scale must be 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--scale: допустимо 1, 2, 3 или 4, а не «%1»</translation>
    </message>
    <message>
        <source>--compare draws the year view only, not --view %1</source>
        <translation>--compare строит только вид year, а не --view %1</translation>
    </message>
    <message>
        <source>--day must lie between 1 and %1 in %2, not %3</source>
        <translation>--day: в %2 допустимы дни от 1 до %1, а не %3</translation>
    </message>
    <message>
        <source>--day cannot be used with --view summary</source>
        <translation>--day нельзя использовать с --view summary</translation>
    </message>
    <message>
        <source>
Charts one month of the biorhythms of a person born on the given date:
each day&apos;s age, rhythm values, critical level and moon mark, and the
long-cycle boundaries of the month. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Выводит биоритмы человека, родившегося в указанную дату, за один месяц:
для каждого дня возраст, значения ритмов, уровень критичности и отметку
луны, а также границы большого цикла в этом месяце.
Сегодняшняя дата — RYVANTA_TODAY, если переменная задана.
</translation>
    </message>
    <message>
        <source>report needs --month YYYY-MM</source>
        <translation>report: требуется --month YYYY-MM</translation>
    </message>
    <message>
        <source>--format must be text or json, not &apos;%1&apos;</source>
        <translation>--format: допустимо text или json, а не «%1»</translation>
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
Сохраняет одну страницу в файл PDF: график месяца (по умолчанию текущего)
в выбранном виде, как его рисует окно, и таблицу дней месяца со значениями
ритмов, уровнями критичности и границами большого цикла.
--compare добавляет второго человека (только вид year); --name задаёт
заголовок страницы; --paper — a4 (по умолчанию) или letter.
Сегодняшняя дата — RYVANTA_TODAY, если переменная задана.
</translation>
    </message>
    <message>
        <source>sheet needs a widget application to draw in</source>
        <translation>sheet: для рисования нужно приложение с виджетами</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>не удалось нарисовать страницу</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper: допустимо a4 или letter, а не «%1»</translation>
    </message>
</context>
<context>
    <name>CriticalDays</name>
    <message>
        <source>        This is one of the most unfavorable days. Your vital power is low.</source>
        <translation>        Один из самых неблагоприятных дней. Силы на спаде.</translation>
    </message>
    <message>
        <source>        The day is very unfavorable for you. Be careful, if you are not young and healthy.</source>
        <translation>        Очень неблагоприятный день. Осторожнее, если вы немолоды или нездоровы.</translation>
    </message>
    <message>
        <source>        The day is unfavorable. </source>
        <translation>        Неблагоприятный день. </translation>
    </message>
    <message>
        <source>        The day is hard enough</source>
        <translation>        Нелёгкий день</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Export to calendar</source>
        <translation>Экспорт в календарь</translation>
    </message>
    <message>
        <source>&amp;Export to calendar...</source>
        <translation>&amp;Экспорт в календарь...</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Файлы iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be written to
%1:
%2</source>
        <translation>Не удалось записать календарь в файл
%1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Справка %1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Введите не более %1 символов.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Modes</name>
    <message>
        <source>        Insert date of birth into the calendar  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Укажите дату рождения в календаре [М-Г-Д] и нажмите кнопку «&lt; &gt;».</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to start or &quot;Insert&quot;  button to begin comparison procedure.</source>
        <translation>        Нажмите «&lt; &gt;» для старта или «Вставить», чтобы начать сравнение.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to study biorhythms for last date of birth or &quot;Insert&quot; to continue comparison.</source>
        <translation>        «&lt; &gt;» — биоритмы последней даты рождения; «Вставить» — продолжить сравнение.</translation>
    </message>
    <message>
        <source>        Click the calendar or unselect Current month button to return to the birth date insertion mode.</source>
        <translation>        Для ввода даты рождения щёлкните по календарю или отключите «Текущий месяц».</translation>
    </message>
    <message>
        <source>        Use  &quot;&gt; &gt;&quot;  button to investigate the rest of the month.</source>
        <translation>        Нажимайте «&gt; &gt;», чтобы изучить остаток месяца.</translation>
    </message>
    <message>
        <source>         Sorry! Date of birth must be in the past.</source>
        <translation>         Увы! Дата рождения — в будущем.</translation>
    </message>
    <message>
        <source>        Use Current month tool and the calendar to study biorhythms more carefully.</source>
        <translation>        Для подробного изучения используйте «Текущий месяц» и календарь.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button  or insert second date of birth to compare biorhythms.</source>
        <translation>        Нажмите «&lt; &gt;» или укажите вторую дату рождения для сравнения.</translation>
    </message>
    <message>
        <source>        Press  &quot;Compare&quot;  button to start comparison or &quot;&lt; &gt;&quot; to study  biorhythms for second birth date.</source>
        <translation>        Нажмите «Сравнить» для сравнения или «&lt; &gt;» для второй даты рождения.</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Дата рожд.:</translation>
    </message>
    <message>
        <source>Birth date: </source>
        <translation>Дата рожд.: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Invalid date of birth! 
 Date of birth must be in the past.</source>
        <translation>Неверная дата рождения! 
 Дата рождения должна быть в прошлом.</translation>
    </message>
    <message>
        <source>The person was not born yet 
 at the period of interest!</source>
        <translation>В выбранный период этот человек 
 ещё не родился!</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>new</source>
        <translation>новая</translation>
    </message>
    <message>
        <source>full</source>
        <translation>полная</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>Persons</name>
    <message>
        <source>Alert</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

The change is kept in this window; saving it is tried again with your next change and when the window closes.</source>
        <translation>Не удалось сохранить список людей в
%1

Причина: %2.

Изменение сохранено в этом окне; попытка записи повторится при следующем изменении и при закрытии окна.</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

Persons added or removed in this window since it was last saved are lost.</source>
        <translation>Не удалось сохранить список людей в
%1

Причина: %2.

Люди, добавленные или удалённые в этом окне после последнего сохранения, потеряны.</translation>
    </message>
    <message>
        <source>The stored list is left exactly as it is until you add or remove a person; then it is kept, as it stands, as the value &quot;%1&quot; beside the new list in
%2</source>
        <translation>Сохранённый список останется в точности как есть, пока вы не добавите или не удалите человека; тогда он будет сохранён в нынешнем виде как значение «%1» рядом с новым списком в
%2</translation>
    </message>
    <message>
        <source>The stored persons list is not a list of persons, so the list starts empty.
</source>
        <translation>Сохранённые данные не являются списком людей, поэтому список пока пуст.
</translation>
    </message>
    <message>
        <source>No person could be read from it, so the list starts empty.
</source>
        <translation>Из него не удалось прочитать ни одного человека, поэтому список пока пуст.
</translation>
    </message>
    <message>
        <source>The stored persons list could not be read completely.
</source>
        <translation>Не удалось полностью прочитать сохранённый список людей.
</translation>
    </message>
    <message>
        <source>The settings file cannot be read, so the persons list starts empty:
%1

The file is left as it is. Persons you add or remove are kept in this window; saving them is tried with each change and when the window closes.</source>
        <translation>Не удаётся прочитать файл настроек, поэтому список людей пока пуст:
%1

Файл оставлен без изменений. Добавленные и удалённые люди хранятся в этом окне; попытка сохранить их повторяется при каждом изменении и при закрытии окна.</translation>
    </message>
    <message>
        <source>No person could be read from it.</source>
        <translation>Из него не удалось прочитать ни одного человека.</translation>
    </message>
    <message>
        <source>The settings file could not be read completely:
%1

%2 A copy of the file as it is was kept as:
%3

The file is written anew when you add or remove a person.</source>
        <translation>Не удалось полностью прочитать файл настроек:
%1

%2 Копия файла в нынешнем виде сохранена как:
%3

Файл будет записан заново, когда вы добавите или удалите человека.</translation>
    </message>
    <message>
        <source>Birth date: 00.00.00</source>
        <translation>Дата рожд.: 00.00.00</translation>
    </message>
    <message>
        <source>Birth date:        </source>
        <translation>Дата рожд.:        </translation>
    </message>
    <message>
        <source>        Insert date of birth  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Укажите дату рождения [М-Г-Д] и нажмите кнопку «&lt; &gt;».</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>To add new item into the list (Name) 
 insert date of birth into the calendar  
  [M-Y-D] and press button &quot;List&quot; again </source>
        <translation>Чтобы добавить запись в список (Имя), 
 укажите дату рождения в календаре 
  [М-Г-Д] и снова нажмите «Список» </translation>
    </message>
    <message>
        <source>To add new item into the list,  
 please, insert name.</source>
        <translation>Чтобы добавить запись в список,  
 введите имя.</translation>
    </message>
    <message>
        <source> The list is too long! 
 Remove unnecessary items 
 to add new ones.</source>
        <translation> Список переполнен! 
 Удалите ненужные записи, 
 чтобы добавить новые.</translation>
    </message>
    <message>
        <source>Do you really want  to remove this item from the list?</source>
        <translation>Вы действительно хотите удалить эту запись из списка?</translation>
    </message>
    <message numerus="yes">
        <source>The %n persons before the damaged entry are shown.
</source>
        <translation>
            <numerusform>Показан %n человек, стоящий в списке перед повреждённой записью.
</numerusform>
            <numerusform>Показаны %n человека, стоящие в списке перед повреждённой записью.
</numerusform>
            <numerusform>Показаны %n человек, стоящие в списке перед повреждённой записью.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n persons of its list are shown.</source>
        <translation>
            <numerusform>Показан %n человек из его списка.</numerusform>
            <numerusform>Показаны %n человека из его списка.</numerusform>
            <numerusform>Показаны %n человек из его списка.</numerusform>
        </translation>
    </message>
    <message>
        <source>Birth date: %1
</source>
        <translation>Дата: %1
</translation>
    </message>
    <message>
        <source>(Name)</source>
        <translation>(Имя)</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The month could not be printed.</source>
        <translation>Не удалось напечатать месяц.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Возраст</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Физич.</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Эмоц.</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Интелл.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Интервалы</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Обозн.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Biorhythms of %1 for %2 (long-cycle phase %3)

</source>
        <translation>Биоритмы для даты рождения %1: %2 (фаза большого цикла %3)

</translation>
    </message>
    <message>
        <source>
Long-cycle boundaries
</source>
        <translation>
Границы большого цикла
</translation>
    </message>
    <message>
        <source>None falls in this month.
</source>
        <translation>В этом месяце границ нет.
</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ритма</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Физич.</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Эмоц.</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Интелл.</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Интервалы</translation>
    </message>
    <message>
        <source>Boundary 1</source>
        <translation>Граница 1</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Граница</translation>
    </message>
    <message>
        <source>Boundary 2</source>
        <translation>Граница 2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Дата рождения: %1</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, дата рождения: %2</translation>
    </message>
    <message>
        <source>Biorhythms compared</source>
        <translation>Сравнение биоритмов</translation>
    </message>
    <message>
        <source>Biorhythms</source>
        <translation>Биоритмы</translation>
    </message>
    <message>
        <source>%1 view</source>
        <translation>Вид «%1»</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Уровень %1: %2</translation>
    </message>
    <message>
        <source>Windows: the rhythms in their critical window, F1 physical, F2 emotional, F3 intellectual.</source>
        <translation>Интервалы: ритмы в критическом интервале; F1 — физический, F2 — эмоциональный, F3 — интеллектуальный.</translation>
    </message>
    <message>
        <source>Boundary: where the long cycle&apos;s divisions H1, H2 and H3 meet, with its time of day and the moon then; shaded rows have two or three rhythms critical.</source>
        <translation>Граница: схождение делений H1, H2 и H3 большого цикла, его время суток и луна; в закрашенных строках критичны два или три ритма.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Biorhythms info for  given day of tiredness</source>
        <translation>Сведения о биоритмах в выбранный день спада</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Previous date</source>
        <translation>Предыдущая дата</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Следующая дата</translation>
    </message>
    <message>
        <source> Start.</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Current month</source>
        <translation>Текущий месяц</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Переместить</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Размер</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Р&amp;азвернуть</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Закрыть	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Пе&amp;чать...	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Please, be convinced that file MScal.ocx is installed in your computer.</source>
        <translation>Убедитесь, что на компьютере установлен файл MScal.ocx.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инстр</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>(Time)</source>
        <translation>(Время)</translation>
    </message>
</context>
</TS>

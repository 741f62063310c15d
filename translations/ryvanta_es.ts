<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>About Ryvanta</source>
        <translation>Acerca de Ryvanta</translation>
    </message>
    <message>
        <source>Ryvanta Version %1</source>
        <translation>Ryvanta versión %1</translation>
    </message>
    <message>
        <source>Biorhythms from the date of birth</source>
        <translation>Biorritmos a partir de la fecha de nacimiento</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Biological year, %1 highlighted</source>
        <translation>Año biológico, con %1 resaltado</translation>
    </message>
    <message>
        <source>Physical, emotional and intellectual rhythms of %1 %2</source>
        <translation>Ritmos físico, emocional e intelectual de %1 de %2</translation>
    </message>
    <message>
        <source>Summary of the rhythms of %1 %2</source>
        <translation>Resumen de los ritmos de %1 de %2</translation>
    </message>
    <message>
        <source>; %1: %2, level %3</source>
        <translation>; %1: %2, nivel %3</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>selected</source>
        <translation>seleccionado</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <translation>Calendario, %1 de %2</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>%1 %2 level %3</source>
        <translation>%1 %2 nivel %3</translation>
    </message>
    <message>
        <source>Moon: new moon</source>
        <translation>Fase lunar: luna nueva</translation>
    </message>
    <message>
        <source>Moon: full moon</source>
        <translation>Fase lunar: luna llena</translation>
    </message>
    <message>
        <source>Critical day (level %1)</source>
        <translation>Día crítico (nivel %1)</translation>
    </message>
    <message>
        <source>No rhythm is in its critical window.</source>
        <translation>Ningún ritmo está en su intervalo crítico.</translation>
    </message>
    <message>
        <source>In the critical window: %1</source>
        <translation>En el intervalo crítico: %1</translation>
    </message>
    <message>
        <source>Biorhythms of %1</source>
        <translation>Biorritmos: %1</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelectual</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>(Default)</source>
        <translation>(Normal)</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ritmos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Biological year</source>
        <translation>Año biológico</translation>
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
Crea un archivo iCalendar para importarlo en un programa de calendario: cada
día límite del ciclo largo como un evento a su hora, y cada día crítico
(nivel 13 o más) como un evento de día completo, durante N meses (de 1 a 60,
12 por defecto) a partir del mes indicado (por defecto, el actual). --name
encabeza el título de cada evento y distingue a dos personas nacidas el mismo
día. Si se vuelve a importar el archivo, se actualizan sus eventos. Si
RYVANTA_TODAY está definida, se toma como fecha de hoy.
</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>--months must be a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--months debe ser un número de 1 a %1, no «%2»</translation>
    </message>
    <message>
        <source>--months %1 from %2 runs past %3-12; at most %4 months are left</source>
        <translation>--months %1 desde %2 pasa de %3-12; quedan como máximo %4 meses</translation>
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
Sin un comando, ryvanta abre su ventana.

Comandos:
  report     un mes de los biorritmos de una persona como tabla (texto) o JSON
  render     la ventana con el gráfico de un mes, como imagen PNG
  sheet      el gráfico de un mes con su tabla de días, como PDF de una página
  calendar   los días límite del ciclo largo y los días críticos de una
             persona, como archivo iCalendar (.ics)

Opciones:
  --help     muestra esta ayuda y termina
  --version  muestra la versión y termina

La fecha que se toma como hoy es la del equipo, o RYVANTA_TODAY (YYYY-MM-DD)
si esa variable está definida.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see ryvanta --help)</source>
        <translation>opción desconocida «%1» (consulte ryvanta --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see ryvanta --help)</source>
        <translation>comando desconocido «%1» (consulte ryvanta --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>no se puede escribir en la salida estándar</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: opción desconocida «%2»</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;--%2&apos;</source>
        <translation>%1: opción desconocida «--%2»</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <translation>%1: argumento inesperado «%2»</translation>
    </message>
    <message>
        <source>%1 needs --output %2</source>
        <translation>%1 necesita --output %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--name needs printable text of 1 to %1 characters, not &apos;%2&apos;</source>
        <translation>--name necesita un texto imprimible de 1 a %1 caracteres, no «%2»</translation>
    </message>
    <message>
        <source>%1 needs a date YYYY-MM-DD that exists, not &apos;%2&apos;</source>
        <translation>%1 necesita una fecha YYYY-MM-DD que exista, no «%2»</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01-01 and %3-12-31, not %4</source>
        <translation>%1 debe estar entre %2-01-01 y %3-12-31, no %4</translation>
    </message>
    <message>
        <source>%1 needs --birth YYYY-MM-DD</source>
        <translation>%1 necesita --birth YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 needs a month YYYY-MM, not &apos;%2&apos;</source>
        <translation>%1 necesita un mes YYYY-MM, no «%2»</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01 and %3-12, not %4</source>
        <translation>%1 debe estar entre %2-01 y %3-12, no %4</translation>
    </message>
    <message>
        <source>Invalid date of birth! Date of birth must be in the past.</source>
        <translation>¡Fecha de nacimiento no válida! La fecha de nacimiento no puede ser futura.</translation>
    </message>
    <message>
        <source>The person was not born yet at the period of interest!</source>
        <translation>¡La persona aún no había nacido en el periodo consultado!</translation>
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
Dibuja la ventana tal como queda al elegir la fecha de nacimiento y mostrar el
gráfico del mes (por defecto, el actual), y la guarda como imagen PNG.
--compare inserta una segunda fecha de nacimiento y muestra el mes en modo de
comparación, con el primer día límite del ciclo largo de cada persona marcado
(solo en la vista anual). --day elige ese día en el modo «Mes actual»;
--chart guarda solo el gráfico; --scale dibuja a un tamaño de 1 a 4 veces.
Si RYVANTA_TODAY está definida, se toma como fecha de hoy.
</translation>
    </message>
    <message>
        <source>render cannot change the scale of a running application</source>
        <translation>render no puede cambiar la escala de una aplicación en ejecución</translation>
    </message>
    <message>
        <source>the screen settings draw at %1 times the size, not %2</source>
        <translation>la configuración de la pantalla dibuja a %1 veces el tamaño, no a %2</translation>
    </message>
    <message>
        <source>the image could not be encoded as PNG</source>
        <translation>no se ha podido codificar la imagen como PNG</translation>
    </message>
    <message>
        <source>--view must be year, rhythms or summary, not &apos;%1&apos;</source>
        <translation>--view debe ser year, rhythms o summary, no «%1»</translation>
    </message>
    <message>
        <source>--day needs a day of the month, not &apos;%1&apos;</source>
        <translation>--day necesita un día del mes, no «%1»</translation>
    </message>
    <message>
        <source>--scale must be 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--scale debe ser 1, 2, 3 o 4, no «%1»</translation>
    </message>
    <message>
        <source>--compare draws the year view only, not --view %1</source>
        <translation>--compare solo dibuja la vista anual, no --view %1</translation>
    </message>
    <message>
        <source>--day must lie between 1 and %1 in %2, not %3</source>
        <translation>--day debe estar entre 1 y %1 en %2, no %3</translation>
    </message>
    <message>
        <source>--day cannot be used with --view summary</source>
        <translation>--day no se puede usar con --view summary</translation>
    </message>
    <message>
        <source>
Charts one month of the biorhythms of a person born on the given date:
each day&apos;s age, rhythm values, critical level and moon mark, and the
long-cycle boundaries of the month. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Muestra un mes de los biorritmos de una persona nacida en la fecha indicada:
la edad, los valores de los ritmos, el nivel crítico y la marca de luna de
cada día, y los días límite del ciclo largo del mes. Si RYVANTA_TODAY está
definida, se toma como fecha de hoy.
</translation>
    </message>
    <message>
        <source>report needs --month YYYY-MM</source>
        <translation>report necesita --month YYYY-MM</translation>
    </message>
    <message>
        <source>--format must be text or json, not &apos;%1&apos;</source>
        <translation>--format debe ser text o json, no «%1»</translation>
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
Crea un archivo PDF de una página: el gráfico del mes (por defecto, el actual)
tal como lo dibuja la ventana, en la vista elegida, y una tabla de los días
del mes con los valores de los ritmos, los niveles críticos y los días límite
del ciclo largo. --compare añade una segunda persona (solo en la vista anual);
--name encabeza la página; --paper es a4 (por defecto) o letter. Si
RYVANTA_TODAY está definida, se toma como fecha de hoy.
</translation>
    </message>
    <message>
        <source>sheet needs a widget application to draw in</source>
        <translation>sheet necesita una aplicación de widgets en la que dibujar</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se ha podido dibujar la página</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper debe ser a4 o letter, no «%1»</translation>
    </message>
</context>
<context>
    <name>CriticalDays</name>
    <message>
        <source>        This is one of the most unfavorable days. Your vital power is low.</source>
        <translation>        Es uno de los días más desfavorables. Su energía vital es baja.</translation>
    </message>
    <message>
        <source>        The day is very unfavorable for you. Be careful, if you are not young and healthy.</source>
        <translation>        El día le es muy desfavorable. Cuídese si no es joven o tiene la salud delicada.</translation>
    </message>
    <message>
        <source>        The day is unfavorable. </source>
        <translation>        El día es desfavorable. </translation>
    </message>
    <message>
        <source>        The day is hard enough</source>
        <translation>        El día es bastante duro</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Export to calendar</source>
        <translation>Exportar al calendario</translation>
    </message>
    <message>
        <source>&amp;Export to calendar...</source>
        <translation>&amp;Exportar al calendario...</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be written to
%1:
%2</source>
        <translation>No se ha podido escribir el calendario en
%1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Escriba como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Modes</name>
    <message>
        <source>        Insert date of birth into the calendar  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Elija la fecha de nacimiento en el calendario [M-A-D] y pulse «&lt; &gt;».</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to start or &quot;Insert&quot;  button to begin comparison procedure.</source>
        <translation>        Pulse «&lt; &gt;» para empezar o «Insertar» para iniciar una comparación.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to study biorhythms for last date of birth or &quot;Insert&quot; to continue comparison.</source>
        <translation>        Pulse «&lt; &gt;» para ver los biorritmos de la última fecha o «Insertar» para seguir comparando.</translation>
    </message>
    <message>
        <source>        Click the calendar or unselect Current month button to return to the birth date insertion mode.</source>
        <translation>        Pulse en el calendario o desactive «Mes actual» para volver a elegir la fecha de nacimiento.</translation>
    </message>
    <message>
        <source>        Use  &quot;&gt; &gt;&quot;  button to investigate the rest of the month.</source>
        <translation>        Use «&gt; &gt;» para recorrer el resto del mes.</translation>
    </message>
    <message>
        <source>         Sorry! Date of birth must be in the past.</source>
        <translation>         ¡Lo sentimos! Solo fechas pasadas.</translation>
    </message>
    <message>
        <source>        Use Current month tool and the calendar to study biorhythms more carefully.</source>
        <translation>        Use «Mes actual» y el calendario para estudiar los biorritmos con detalle.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button  or insert second date of birth to compare biorhythms.</source>
        <translation>        Pulse «&lt; &gt;» o elija otra fecha de nacimiento para comparar biorritmos.</translation>
    </message>
    <message>
        <source>        Press  &quot;Compare&quot;  button to start comparison or &quot;&lt; &gt;&quot; to study  biorhythms for second birth date.</source>
        <translation>        Pulse «Comparar» para iniciar la comparación o «&lt; &gt;» para ver los biorritmos de la segunda.</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Nacimiento:</translation>
    </message>
    <message>
        <source>Birth date: </source>
        <translation>Nacimiento: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Invalid date of birth! 
 Date of birth must be in the past.</source>
        <translation>¡Fecha de nacimiento no válida! 
 La fecha de nacimiento no puede ser futura.</translation>
    </message>
    <message>
        <source>The person was not born yet 
 at the period of interest!</source>
        <translation>¡La persona aún no había nacido 
 en el periodo consultado!</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>new</source>
        <translation>nueva</translation>
    </message>
    <message>
        <source>full</source>
        <translation>llena</translation>
    </message>
    <message>
        <source>none</source>
        <translation>—</translation>
    </message>
</context>
<context>
    <name>Persons</name>
    <message>
        <source>Alert</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

The change is kept in this window; saving it is tried again with your next change and when the window closes.</source>
        <translation>No se ha podido guardar la lista de personas en
%1

Motivo: %2.

El cambio se conserva en esta ventana; se volverá a intentar guardarlo con el próximo cambio y al cerrar la ventana.</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

Persons added or removed in this window since it was last saved are lost.</source>
        <translation>No se ha podido guardar la lista de personas en
%1

Motivo: %2.

Se han perdido las personas añadidas o quitadas en esta ventana desde la última vez que se guardó.</translation>
    </message>
    <message>
        <source>The stored list is left exactly as it is until you add or remove a person; then it is kept, as it stands, as the value &quot;%1&quot; beside the new list in
%2</source>
        <translation>La lista guardada se deja tal cual hasta que añada o quite una persona; entonces se conserva, sin cambios, como el valor «%1» junto a la nueva lista en
%2</translation>
    </message>
    <message>
        <source>The stored persons list is not a list of persons, so the list starts empty.
</source>
        <translation>La lista de personas guardada no es una lista de personas, así que la lista empieza vacía.
</translation>
    </message>
    <message>
        <source>No person could be read from it, so the list starts empty.
</source>
        <translation>No se ha podido leer ninguna persona de ella, así que la lista empieza vacía.
</translation>
    </message>
    <message>
        <source>The stored persons list could not be read completely.
</source>
        <translation>No se ha podido leer entera la lista de personas guardada.
</translation>
    </message>
    <message>
        <source>The settings file cannot be read, so the persons list starts empty:
%1

The file is left as it is. Persons you add or remove are kept in this window; saving them is tried with each change and when the window closes.</source>
        <translation>No se puede leer el archivo de configuración, así que la lista de personas empieza vacía:
%1

El archivo se deja tal cual. Las personas que añada o quite se conservan en esta ventana; se intentará guardarlas con cada cambio y al cerrar la ventana.</translation>
    </message>
    <message>
        <source>No person could be read from it.</source>
        <translation>No se ha podido leer ninguna persona de él.</translation>
    </message>
    <message>
        <source>The settings file could not be read completely:
%1

%2 A copy of the file as it is was kept as:
%3

The file is written anew when you add or remove a person.</source>
        <translation>No se ha podido leer entero el archivo de configuración:
%1

%2 Se ha guardado una copia del archivo tal como está en:
%3

El archivo se volverá a escribir cuando añada o quite una persona.</translation>
    </message>
    <message>
        <source>Birth date: 00.00.00</source>
        <translation>Nac.: 00/00/00</translation>
    </message>
    <message>
        <source>Birth date:        </source>
        <translation>Nacimiento:        </translation>
    </message>
    <message>
        <source>        Insert date of birth  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Elija la fecha de nacimiento [M-A-D] y pulse «&lt; &gt;».</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>To add new item into the list (Name) 
 insert date of birth into the calendar  
  [M-Y-D] and press button &quot;List&quot; again </source>
        <translation>Para añadir una persona a la lista (Nombre), 
 elija la fecha de nacimiento en el calendario 
 [M-A-D] y vuelva a pulsar «Lista».</translation>
    </message>
    <message>
        <source>To add new item into the list,  
 please, insert name.</source>
        <translation>Para añadir una persona a la lista, 
 escriba su nombre.</translation>
    </message>
    <message>
        <source> The list is too long! 
 Remove unnecessary items 
 to add new ones.</source>
        <translation> ¡La lista es demasiado larga! 
 Quite las entradas que sobren 
 para añadir otras nuevas.</translation>
    </message>
    <message>
        <source>Do you really want  to remove this item from the list?</source>
        <translation>¿Seguro que desea quitar esta persona de la lista?</translation>
    </message>
    <message numerus="yes">
        <source>The %n persons before the damaged entry are shown.
</source>
        <translation>
            <numerusform>Se muestra %n persona, la anterior a la entrada dañada.
</numerusform>
            <numerusform>Se muestran las %n personas anteriores a la entrada dañada.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n persons of its list are shown.</source>
        <translation>
            <numerusform>Se muestra %n persona de su lista.</numerusform>
            <numerusform>Se muestran las %n personas de su lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>Birth date: %1
</source>
        <translation>Nac.: %1
</translation>
    </message>
    <message>
        <source>(Name)</source>
        <translation>(Nombre)</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The month could not be printed.</source>
        <translation>No se ha podido imprimir el mes.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Intervalos</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Biorhythms of %1 for %2 (long-cycle phase %3)

</source>
        <translation>%2: biorritmos de una persona nacida el %1 (fase del ciclo largo: %3)

</translation>
    </message>
    <message>
        <source>
Long-cycle boundaries
</source>
        <translation>
Días límite del ciclo largo
</translation>
    </message>
    <message>
        <source>None falls in this month.
</source>
        <translation>No hay ninguno en este mes.
</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ritmos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Intervalos</translation>
    </message>
    <message>
        <source>Boundary 1</source>
        <translation>Día límite 1</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Día límite</translation>
    </message>
    <message>
        <source>Boundary 2</source>
        <translation>Día límite 2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Nacimiento: %1</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, nacimiento: %2</translation>
    </message>
    <message>
        <source>Biorhythms compared</source>
        <translation>Comparación de biorritmos</translation>
    </message>
    <message>
        <source>Biorhythms</source>
        <translation>Biorritmos</translation>
    </message>
    <message>
        <source>%1 view</source>
        <translation>Vista: %1</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message>
        <source>Windows: the rhythms in their critical window, F1 physical, F2 emotional, F3 intellectual.</source>
        <translation>Intervalos: los ritmos en su intervalo crítico, F1 físico, F2 emocional, F3 intelectual.</translation>
    </message>
    <message>
        <source>Boundary: where the long cycle&apos;s divisions H1, H2 and H3 meet, with its time of day and the moon then; shaded rows have two or three rhythms critical.</source>
        <translation>Día límite: donde se unen las divisiones H1, H2 y H3 del ciclo largo, con su hora y la luna de entonces; filas sombreadas: dos o tres ritmos críticos.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Biorhythms info for  given day of tiredness</source>
        <translation>Información de biorritmos del día crítico mostrado</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Previous date</source>
        <translation>Fecha anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Fecha siguiente</translation>
    </message>
    <message>
        <source> Start.</source>
        <translation> Iniciar.</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Insertar </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Current month</source>
        <translation>Mes actual</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Cerrar	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Please, be convinced that file MScal.ocx is installed in your computer.</source>
        <translation>Compruebe que el archivo MScal.ocx está instalado en su equipo.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Útiles</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>(Time)</source>
        <translation>(Hora)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>About Ryvanta</source>
        <translation>À propos de Ryvanta</translation>
    </message>
    <message>
        <source>Ryvanta Version %1</source>
        <translation>Ryvanta version %1</translation>
    </message>
    <message>
        <source>Biorhythms from the date of birth</source>
        <translation>Biorythmes selon la date de naissance</translation>
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
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Biological year, %1 highlighted</source>
        <translation>Année biologique, mois de %1 mis en évidence</translation>
    </message>
    <message>
        <source>Physical, emotional and intellectual rhythms of %1 %2</source>
        <translation>Rythmes physique, émotionnel et intellectuel de %1 %2</translation>
    </message>
    <message>
        <source>Summary of the rhythms of %1 %2</source>
        <translation>Synthèse des rythmes de %1 %2</translation>
    </message>
    <message>
        <source>; %1: %2, level %3</source>
        <translation>&#x202f;; %1&#xa0;: %2, niveau %3</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>selected</source>
        <translation>sélectionné</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marqué</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <translation>Calendrier, %1 %2</translation>
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
        <translation>Lune&#xa0;: nouvelle lune</translation>
    </message>
    <message>
        <source>Moon: full moon</source>
        <translation>Lune&#xa0;: pleine lune</translation>
    </message>
    <message>
        <source>Critical day (level %1)</source>
        <translation>Jour critique (niveau %1)</translation>
    </message>
    <message>
        <source>No rhythm is in its critical window.</source>
        <translation>Aucun rythme n’est dans sa fenêtre critique.</translation>
    </message>
    <message>
        <source>In the critical window: %1</source>
        <translation>En fenêtre critique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Biorhythms of %1</source>
        <translation>Biorythmes – %1</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physique</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Émotionnel</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectuel</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>(Default)</source>
        <translation>(Défaut)</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 rythmes</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectuel</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Émotif</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physique</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>Biological year</source>
        <translation>Année biologique</translation>
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
Enregistre un fichier iCalendar à importer dans un logiciel d’agenda&#xa0;: chaque
jour charnière du cycle long comme un événement à son heure, et chaque jour
critique (niveau 13 ou plus) comme un événement sur toute la journée, sur
N mois (1 à 60, 12 par défaut) à partir du mois donné (par défaut&#xa0;: le mois
actuel). --name ouvre le titre de chaque événement et distingue deux
personnes nées le même jour. Importer de nouveau le fichier met à jour ses
événements. La date du jour est RYVANTA_TODAY si cette variable est définie.
</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>--months must be a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--months doit être un nombre de 1 à %1, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--months %1 from %2 runs past %3-12; at most %4 months are left</source>
        <translation>--months %1 à partir de %2 dépasse %3-12&#x202f;; il reste au plus %4 mois</translation>
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
Sans commande, ryvanta ouvre sa fenêtre.

Commandes&#xa0;:
  report     un mois des biorythmes d’une personne, en tableau (text) ou JSON
  render     la fenêtre avec un mois tracé, en image PNG
  sheet      un mois tracé et le tableau de ses jours, en PDF d’une page
  calendar   les jours charnières du cycle long et les jours critiques
             d’une personne, en fichier iCalendar (.ics)

Options&#xa0;:
  --help     afficher cette aide et quitter
  --version  afficher la version et quitter

La date du jour est celle de la machine, ou RYVANTA_TODAY (YYYY-MM-DD)
si cette variable est définie.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see ryvanta --help)</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» (voir ryvanta --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see ryvanta --help)</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;» (voir ryvanta --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossible d’écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 exige une valeur</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1&#xa0;: option inconnue «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;--%2&apos;</source>
        <translation>%1&#xa0;: option inconnue «&#xa0;--%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <translation>%1&#xa0;: argument inattendu «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs --output %2</source>
        <translation>%1 exige --output %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output exige un nom de fichier</translation>
    </message>
    <message>
        <source>--name needs printable text of 1 to %1 characters, not &apos;%2&apos;</source>
        <translation>--name exige un texte imprimable de 1 à %1 caractères, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a date YYYY-MM-DD that exists, not &apos;%2&apos;</source>
        <translation>%1 exige une date YYYY-MM-DD qui existe, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01-01 and %3-12-31, not %4</source>
        <translation>%1 doit se situer entre %2-01-01 et %3-12-31, et non %4</translation>
    </message>
    <message>
        <source>%1 needs --birth YYYY-MM-DD</source>
        <translation>%1 exige --birth YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 needs a month YYYY-MM, not &apos;%2&apos;</source>
        <translation>%1 exige un mois YYYY-MM, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01 and %3-12, not %4</source>
        <translation>%1 doit se situer entre %2-01 et %3-12, et non %4</translation>
    </message>
    <message>
        <source>Invalid date of birth! Date of birth must be in the past.</source>
        <translation>Date de naissance non valide&#x202f;! La date de naissance doit être dans le passé.</translation>
    </message>
    <message>
        <source>The person was not born yet at the period of interest!</source>
        <translation>Cette personne n’était pas encore née à la période demandée&#x202f;!</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Usage&#xa0;:</translation>
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
Dessine la fenêtre telle qu’elle apparaît une fois la date de naissance saisie
et le mois (par défaut&#xa0;: le mois actuel) tracé, et l’enregistre en image PNG.
--compare insère une seconde date de naissance et trace le mois en mode
comparaison, en marquant le premier jour charnière du cycle long de chaque
personne (vue annuelle seulement). --day choisit le jour indiqué en mode
Mois en cours&#x202f;; --chart n’enregistre que le graphique&#x202f;; --scale dessine de
1 à 4 fois plus grand. La date du jour est RYVANTA_TODAY si cette variable
est définie.
</translation>
    </message>
    <message>
        <source>render cannot change the scale of a running application</source>
        <translation>render ne peut pas changer l’échelle d’une application déjà lancée</translation>
    </message>
    <message>
        <source>the screen settings draw at %1 times the size, not %2</source>
        <translation>les réglages de l’écran imposent l’échelle %1, et non %2</translation>
    </message>
    <message>
        <source>the image could not be encoded as PNG</source>
        <translation>l’image n’a pas pu être encodée en PNG</translation>
    </message>
    <message>
        <source>--view must be year, rhythms or summary, not &apos;%1&apos;</source>
        <translation>--view doit valoir year, rhythms ou summary, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--day needs a day of the month, not &apos;%1&apos;</source>
        <translation>--day exige un jour du mois, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--scale must be 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--scale doit valoir 1, 2, 3 ou 4, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--compare draws the year view only, not --view %1</source>
        <translation>--compare ne dessine que la vue annuelle, et non --view %1</translation>
    </message>
    <message>
        <source>--day must lie between 1 and %1 in %2, not %3</source>
        <translation>--day doit se situer entre 1 et %1 pour %2, et non %3</translation>
    </message>
    <message>
        <source>--day cannot be used with --view summary</source>
        <translation>--day ne peut pas s’utiliser avec --view summary</translation>
    </message>
    <message>
        <source>
Charts one month of the biorhythms of a person born on the given date:
each day&apos;s age, rhythm values, critical level and moon mark, and the
long-cycle boundaries of the month. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Présente un mois des biorythmes d’une personne née à la date donnée&#xa0;: pour
chaque jour, l’âge, les valeurs des rythmes, le niveau et la lune (nouvelle
ou pleine), puis les jours charnières du cycle long du mois. La date du jour
est RYVANTA_TODAY si cette variable est définie.
</translation>
    </message>
    <message>
        <source>report needs --month YYYY-MM</source>
        <translation>report exige --month YYYY-MM</translation>
    </message>
    <message>
        <source>--format must be text or json, not &apos;%1&apos;</source>
        <translation>--format doit valoir text ou json, et non «&#xa0;%1&#xa0;»</translation>
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
Enregistre la feuille du mois en fichier PDF d’une page&#xa0;: le graphique du mois
(par défaut&#xa0;: le mois actuel) tel que la fenêtre le dessine, dans la vue
choisie, et un tableau des jours du mois avec les valeurs des rythmes, les
niveaux et les jours charnières du cycle long. --compare ajoute une seconde
personne (vue annuelle seulement)&#x202f;; --name donne son titre à la page&#x202f;;
--paper vaut a4 (par défaut) ou letter. La date du jour est RYVANTA_TODAY si
cette variable est définie.
</translation>
    </message>
    <message>
        <source>sheet needs a widget application to draw in</source>
        <translation>sheet a besoin d’une application à widgets pour dessiner</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n’a pas pu être dessinée</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper doit valoir a4 ou letter, et non «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>CriticalDays</name>
    <message>
        <source>        This is one of the most unfavorable days. Your vital power is low.</source>
        <translation>        C’est l’un des jours les plus défavorables. Votre vitalité est faible.</translation>
    </message>
    <message>
        <source>        The day is very unfavorable for you. Be careful, if you are not young and healthy.</source>
        <translation>        Jour très défavorable. Prudence si vous n’êtes pas jeune et en bonne santé.</translation>
    </message>
    <message>
        <source>        The day is unfavorable. </source>
        <translation>        Jour défavorable. </translation>
    </message>
    <message>
        <source>        The day is hard enough</source>
        <translation>        Jour assez difficile</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Export to calendar</source>
        <translation>Exporter vers l’agenda</translation>
    </message>
    <message>
        <source>&amp;Export to calendar...</source>
        <translation>&amp;Exporter vers l’agenda…</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be written to
%1:
%2</source>
        <translation>Impossible d’enregistrer l’agenda dans
%1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir %1 caractères au maximum.</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Modes</name>
    <message>
        <source>        Insert date of birth into the calendar  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Choisissez la date de naissance au calendrier [M-A-J] et cliquez sur «&#xa0;&lt; &gt;&#xa0;».</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to start or &quot;Insert&quot;  button to begin comparison procedure.</source>
        <translation>        Cliquez sur «&#xa0;&lt; &gt;&#xa0;» pour démarrer ou sur «&#xa0;Insérer&#xa0;» pour comparer.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to study biorhythms for last date of birth or &quot;Insert&quot; to continue comparison.</source>
        <translation>        Cliquez sur «&#xa0;&lt; &gt;&#xa0;» pour la dernière date de naissance ou sur «&#xa0;Insérer&#xa0;» pour continuer.</translation>
    </message>
    <message>
        <source>        Click the calendar or unselect Current month button to return to the birth date insertion mode.</source>
        <translation>        Cliquez sur le calendrier ou désactivez «&#xa0;Mois en cours&#xa0;» pour saisir une date de naissance.</translation>
    </message>
    <message>
        <source>        Use  &quot;&gt; &gt;&quot;  button to investigate the rest of the month.</source>
        <translation>        Utilisez «&#xa0;&gt; &gt;&#xa0;» pour parcourir le reste du mois.</translation>
    </message>
    <message>
        <source>         Sorry! Date of birth must be in the past.</source>
        <translation>         Désolé&#x202f;! Choisissez une date passée.</translation>
    </message>
    <message>
        <source>        Use Current month tool and the calendar to study biorhythms more carefully.</source>
        <translation>        Utilisez l’outil «&#xa0;Mois en cours&#xa0;» et le calendrier pour un examen détaillé.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button  or insert second date of birth to compare biorhythms.</source>
        <translation>        Cliquez sur «&#xa0;&lt; &gt;&#xa0;» ou insérez une 2e date de naissance pour comparer.</translation>
    </message>
    <message>
        <source>        Press  &quot;Compare&quot;  button to start comparison or &quot;&lt; &gt;&quot; to study  biorhythms for second birth date.</source>
        <translation>        Cliquez sur «&#xa0;Comparer&#xa0;» pour lancer la comparaison ou sur «&#xa0;&lt; &gt;&#xa0;» pour la 2e date.</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Birth date: </source>
        <translation>Naissance&#xa0;: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Invalid date of birth! 
 Date of birth must be in the past.</source>
        <translation>Date de naissance non valide&#x202f;!
La date de naissance doit être dans le passé.</translation>
    </message>
    <message>
        <source>The person was not born yet 
 at the period of interest!</source>
        <translation>Cette personne n’était pas encore née
à la période demandée&#x202f;!</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>new</source>
        <translation>nouvelle</translation>
    </message>
    <message>
        <source>full</source>
        <translation>pleine</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>Persons</name>
    <message>
        <source>Alert</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

The change is kept in this window; saving it is tried again with your next change and when the window closes.</source>
        <translation>Impossible d’enregistrer la liste des personnes dans
%1

Motif&#xa0;: %2.

La modification est conservée dans cette fenêtre&#x202f;; l’enregistrement sera tenté de nouveau à votre prochaine modification et à la fermeture de la fenêtre.</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

Persons added or removed in this window since it was last saved are lost.</source>
        <translation>Impossible d’enregistrer la liste des personnes dans
%1

Motif&#xa0;: %2.

Les personnes ajoutées ou retirées dans cette fenêtre depuis le dernier enregistrement sont perdues.</translation>
    </message>
    <message>
        <source>The stored list is left exactly as it is until you add or remove a person; then it is kept, as it stands, as the value &quot;%1&quot; beside the new list in
%2</source>
        <translation>La liste enregistrée reste telle quelle jusqu’à ce que vous ajoutiez ou retiriez une personne&#x202f;; elle est alors conservée en l’état, sous la valeur «&#xa0;%1&#xa0;», à côté de la nouvelle liste dans
%2</translation>
    </message>
    <message>
        <source>The stored persons list is not a list of persons, so the list starts empty.
</source>
        <translation>La liste des personnes enregistrée n’est pas une liste de personnes&#x202f;; la liste est donc vide au départ.
</translation>
    </message>
    <message>
        <source>No person could be read from it, so the list starts empty.
</source>
        <translation>Aucune personne n’a pu y être lue&#x202f;; la liste est donc vide au départ.
</translation>
    </message>
    <message>
        <source>The stored persons list could not be read completely.
</source>
        <translation>La liste des personnes enregistrée n’a pas pu être lue entièrement.
</translation>
    </message>
    <message>
        <source>The settings file cannot be read, so the persons list starts empty:
%1

The file is left as it is. Persons you add or remove are kept in this window; saving them is tried with each change and when the window closes.</source>
        <translation>Le fichier de paramètres est illisible&#x202f;; la liste des personnes est donc vide au départ&#xa0;:
%1

Le fichier est laissé tel quel. Les personnes que vous ajoutez ou retirez sont conservées dans cette fenêtre&#x202f;; leur enregistrement est tenté à chaque modification et à la fermeture de la fenêtre.</translation>
    </message>
    <message>
        <source>No person could be read from it.</source>
        <translation>Aucune personne n’a pu y être lue.</translation>
    </message>
    <message>
        <source>The settings file could not be read completely:
%1

%2 A copy of the file as it is was kept as:
%3

The file is written anew when you add or remove a person.</source>
        <translation>Le fichier de paramètres n’a pas pu être lu entièrement&#xa0;:
%1

%2 Une copie du fichier en l’état a été conservée sous&#xa0;:
%3

Le fichier sera réécrit dès que vous ajouterez ou retirerez une personne.</translation>
    </message>
    <message>
        <source>Birth date: 00.00.00</source>
        <translation>Naissance&#xa0;: 00/00/0000</translation>
    </message>
    <message>
        <source>Birth date:        </source>
        <translation>Naissance&#xa0;:        </translation>
    </message>
    <message>
        <source>        Insert date of birth  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Choisissez la date de naissance [M-A-J] puis «&#xa0;&lt; &gt;&#xa0;».</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>To add new item into the list (Name) 
 insert date of birth into the calendar  
  [M-Y-D] and press button &quot;List&quot; again </source>
        <translation>Pour ajouter une personne à la liste (Nom),
saisissez sa date de naissance dans le calendrier
[M-A-J] puis cliquez de nouveau sur «&#xa0;Liste&#xa0;».</translation>
    </message>
    <message>
        <source>To add new item into the list,  
 please, insert name.</source>
        <translation>Pour ajouter une personne à la liste,
veuillez saisir un nom.</translation>
    </message>
    <message>
        <source> The list is too long! 
 Remove unnecessary items 
 to add new ones.</source>
        <translation>La liste est pleine&#x202f;!
Retirez les entrées inutiles
pour en ajouter de nouvelles.</translation>
    </message>
    <message>
        <source>Do you really want  to remove this item from the list?</source>
        <translation>Voulez-vous vraiment retirer cette personne de la liste&#x202f;?</translation>
    </message>
    <message numerus="yes">
        <source>The %n persons before the damaged entry are shown.
</source>
        <translation>
            <numerusform>%n personne précédant l’entrée endommagée est affichée.
</numerusform>
            <numerusform>Les %n personnes précédant l’entrée endommagée sont affichées.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n persons of its list are shown.</source>
        <translation>
            <numerusform>%n personne de sa liste est affichée.</numerusform>
            <numerusform>Les %n personnes de sa liste sont affichées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Birth date: %1
</source>
        <translation>Naissance&#xa0;: %1
</translation>
    </message>
    <message>
        <source>(Name)</source>
        <translation>(Nom)</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>The month could not be printed.</source>
        <translation>Impossible d’imprimer le mois.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physique</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Émotionnel</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectuel</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Biorhythms of %1 for %2 (long-cycle phase %3)

</source>
        <translation>Biorythmes, date de naissance %1 – %2 (phase du cycle long %3)

</translation>
    </message>
    <message>
        <source>
Long-cycle boundaries
</source>
        <translation>
Jours charnières du cycle long
</translation>
    </message>
    <message>
        <source>None falls in this month.
</source>
        <translation>Aucun ne tombe ce mois-ci.
</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 rythmes</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physique</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Émotionnel</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectuel</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>Boundary 1</source>
        <translation>Charnière 1</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Charnière</translation>
    </message>
    <message>
        <source>Boundary 2</source>
        <translation>Charnière 2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Né(e) le %1</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, né(e) le %2</translation>
    </message>
    <message>
        <source>Biorhythms compared</source>
        <translation>Comparaison de biorythmes</translation>
    </message>
    <message>
        <source>Biorhythms</source>
        <translation>Biorythmes</translation>
    </message>
    <message>
        <source>%1 view</source>
        <translation>Vue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Niveau %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Windows: the rhythms in their critical window, F1 physical, F2 emotional, F3 intellectual.</source>
        <translation>Fenêtres&#xa0;: rythmes dans leur fenêtre critique, F1 physique, F2 émotionnel, F3 intellectuel.</translation>
    </message>
    <message>
        <source>Boundary: where the long cycle&apos;s divisions H1, H2 and H3 meet, with its time of day and the moon then; shaded rows have two or three rhythms critical.</source>
        <translation>Charnière&#xa0;: jonction des divisions H1, H2 et H3 du cycle long, avec son heure et la lune à ce moment&#x202f;; les lignes grisées ont deux ou trois rythmes critiques.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos…</translation>
    </message>
    <message>
        <source>Biorhythms info for  given day of tiredness</source>
        <translation>Infos sur les biorythmes du jour critique affiché</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Previous date</source>
        <translation>Date précédente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Date suivante</translation>
    </message>
    <message>
        <source> Start.</source>
        <translation> Démarrer</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Current month</source>
        <translation>Mois en cours</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>A&amp;grandir</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Fermer	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer…	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Please, be convinced that file MScal.ocx is installed in your computer.</source>
        <translation>Vérifiez que le fichier MScal.ocx est bien installé sur votre ordinateur.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>(Time)</source>
        <translation>(Heure)</translation>
    </message>
</context>
</TS>

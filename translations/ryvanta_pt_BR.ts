<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>About Ryvanta</source>
        <translation>Sobre o Ryvanta</translation>
    </message>
    <message>
        <source>Ryvanta Version %1</source>
        <translation>Ryvanta versão %1</translation>
    </message>
    <message>
        <source>Biorhythms from the date of birth</source>
        <translation>Biorritmos a partir da data de nascimento</translation>
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
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Biological year, %1 highlighted</source>
        <translation>Ano biológico, %1 em destaque</translation>
    </message>
    <message>
        <source>Physical, emotional and intellectual rhythms of %1 %2</source>
        <translation>Ritmos físico, emocional e intelectual de %1 de %2</translation>
    </message>
    <message>
        <source>Summary of the rhythms of %1 %2</source>
        <translation>Resumo dos ritmos de %1 de %2</translation>
    </message>
    <message>
        <source>; %1: %2, level %3</source>
        <translation>; %1: %2, nível %3</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
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
        <translation>Próximo</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>selected</source>
        <translation>selecionado</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <translation>Calendário, %1 de %2</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>%1 %2 level %3</source>
        <translation>%1 %2 nível %3</translation>
    </message>
    <message>
        <source>Moon: new moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>Moon: full moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Critical day (level %1)</source>
        <translation>Dia crítico (nível %1)</translation>
    </message>
    <message>
        <source>No rhythm is in its critical window.</source>
        <translation>Nenhum ritmo está na sua janela crítica.</translation>
    </message>
    <message>
        <source>In the critical window: %1</source>
        <translation>Na janela crítica: %1</translation>
    </message>
    <message>
        <source>Biorhythms of %1</source>
        <translation>Biorritmos de %1</translation>
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
        <translation>(Padrão)</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ritmos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
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
        <translation>Nasc.</translation>
    </message>
    <message>
        <source>Biological year</source>
        <translation>Ano biológico</translation>
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
Grava um arquivo iCalendar para importar em um programa de calendário: cada
dia marcante como um evento na sua hora do dia e cada dia crítico (nível 13
ou mais) como um evento de dia inteiro, durante N meses (1 a 60, padrão 12)
a partir do mês indicado (padrão: o atual). --name inicia o título de cada
evento e distingue duas pessoas nascidas no mesmo dia. Importar o arquivo de
novo atualiza os seus eventos. A data de hoje é RYVANTA_TODAY, se definida.
</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>não foi possível gravar “%1”: %2</translation>
    </message>
    <message>
        <source>--months must be a number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--months deve ser um número de 1 a %1, e não “%2”</translation>
    </message>
    <message>
        <source>--months %1 from %2 runs past %3-12; at most %4 months are left</source>
        <translation>--months %1 a partir de %2 ultrapassa %3-12; o máximo de meses possível é %4</translation>
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
Sem um comando, o ryvanta abre a sua janela.

Comandos:
  report     um mês dos biorritmos de uma pessoa como tabela (text) ou JSON
  render     a janela com o gráfico de um mês como imagem PNG
  sheet      o gráfico de um mês com a tabela dos dias como PDF de uma página
  calendar   os dias marcantes e os dias críticos de uma pessoa como arquivo
             iCalendar (.ics)

Opções:
  --help     mostra esta ajuda e sai
  --version  mostra a versão e sai

A data usada como hoje é a do computador, ou RYVANTA_TODAY (YYYY-MM-DD)
quando essa variável estiver definida.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see ryvanta --help)</source>
        <translation>opção desconhecida “%1” (veja ryvanta --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see ryvanta --help)</source>
        <translation>comando desconhecido “%1” (veja ryvanta --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>não foi possível gravar na saída padrão</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>não foi possível gravar na saída padrão: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;</source>
        <translation>%1: opção desconhecida “%2”</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;--%2&apos;</source>
        <translation>%1: opção desconhecida “--%2”</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <translation>%1: argumento inesperado “%2”</translation>
    </message>
    <message>
        <source>%1 needs --output %2</source>
        <translation>%1 precisa de --output %2</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>--name needs printable text of 1 to %1 characters, not &apos;%2&apos;</source>
        <translation>--name precisa de um texto imprimível de 1 a %1 caracteres, e não “%2”</translation>
    </message>
    <message>
        <source>%1 needs a date YYYY-MM-DD that exists, not &apos;%2&apos;</source>
        <translation>%1 precisa de uma data YYYY-MM-DD que exista, e não “%2”</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01-01 and %3-12-31, not %4</source>
        <translation>%1 deve estar entre %2-01-01 e %3-12-31, e não %4</translation>
    </message>
    <message>
        <source>%1 needs --birth YYYY-MM-DD</source>
        <translation>%1 precisa de --birth YYYY-MM-DD</translation>
    </message>
    <message>
        <source>%1 needs a month YYYY-MM, not &apos;%2&apos;</source>
        <translation>%1 precisa de um mês YYYY-MM, e não “%2”</translation>
    </message>
    <message>
        <source>%1 must lie between %2-01 and %3-12, not %4</source>
        <translation>%1 deve estar entre %2-01 e %3-12, e não %4</translation>
    </message>
    <message>
        <source>Invalid date of birth! Date of birth must be in the past.</source>
        <translation>Data de nascimento inválida! A data de nascimento deve estar no passado.</translation>
    </message>
    <message>
        <source>The person was not born yet at the period of interest!</source>
        <translation>A pessoa ainda não tinha nascido no período escolhido!</translation>
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
Desenha a janela como ela fica depois de informada a data de nascimento e
mostrado o mês no gráfico (padrão: o atual) e a grava como imagem PNG.
--compare insere uma segunda data de nascimento e mostra o mês no modo de
comparação, com o primeiro dia marcante de cada pessoa assinalado (só no
modo anual). --day seleciona esse dia no modo Mês atual; --chart grava só o
gráfico; --scale desenha de 1 a 4 vezes o tamanho. A data de hoje é
RYVANTA_TODAY, se definida.
</translation>
    </message>
    <message>
        <source>render cannot change the scale of a running application</source>
        <translation>render não pode mudar a escala de um aplicativo em execução</translation>
    </message>
    <message>
        <source>the screen settings draw at %1 times the size, not %2</source>
        <translation>as configurações da tela desenham em %1 vezes o tamanho, e não em %2</translation>
    </message>
    <message>
        <source>the image could not be encoded as PNG</source>
        <translation>não foi possível codificar a imagem como PNG</translation>
    </message>
    <message>
        <source>--view must be year, rhythms or summary, not &apos;%1&apos;</source>
        <translation>--view deve ser year, rhythms ou summary, e não “%1”</translation>
    </message>
    <message>
        <source>--day needs a day of the month, not &apos;%1&apos;</source>
        <translation>--day precisa de um dia do mês, e não “%1”</translation>
    </message>
    <message>
        <source>--scale must be 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--scale deve ser 1, 2, 3 ou 4, e não “%1”</translation>
    </message>
    <message>
        <source>--compare draws the year view only, not --view %1</source>
        <translation>--compare desenha só o modo anual, e não --view %1</translation>
    </message>
    <message>
        <source>--day must lie between 1 and %1 in %2, not %3</source>
        <translation>--day deve estar entre 1 e %1 em %2, e não %3</translation>
    </message>
    <message>
        <source>--day cannot be used with --view summary</source>
        <translation>--day não pode ser usado com --view summary</translation>
    </message>
    <message>
        <source>
Charts one month of the biorhythms of a person born on the given date:
each day&apos;s age, rhythm values, critical level and moon mark, and the
long-cycle boundaries of the month. Today is RYVANTA_TODAY when set.
</source>
        <translation>
Mostra um mês dos biorritmos de uma pessoa nascida na data indicada: de
cada dia, a idade, os valores dos ritmos, o nível e a marca da lua; e os
dias marcantes do mês. A data de hoje é RYVANTA_TODAY, se definida.
</translation>
    </message>
    <message>
        <source>report needs --month YYYY-MM</source>
        <translation>report precisa de --month YYYY-MM</translation>
    </message>
    <message>
        <source>--format must be text or json, not &apos;%1&apos;</source>
        <translation>--format deve ser text ou json, e não “%1”</translation>
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
Grava uma página como arquivo PDF: o gráfico do mês (padrão: o atual) como a
janela o desenha, no modo de exibição escolhido, e uma tabela dos dias do mês
com os valores dos ritmos, os níveis e os dias marcantes.
--compare inclui uma segunda pessoa (só no modo anual); --name dá o título da
página; --paper é a4 (o padrão) ou letter. A data de hoje é RYVANTA_TODAY, se
definida.
</translation>
    </message>
    <message>
        <source>sheet needs a widget application to draw in</source>
        <translation>sheet precisa de um aplicativo com widgets para desenhar</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>não foi possível desenhar a página</translation>
    </message>
    <message>
        <source>--paper must be a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper deve ser a4 ou letter, e não “%1”</translation>
    </message>
</context>
<context>
    <name>CriticalDays</name>
    <message>
        <source>        This is one of the most unfavorable days. Your vital power is low.</source>
        <translation>        Um dos dias mais desfavoráveis. Sua energia vital está baixa.</translation>
    </message>
    <message>
        <source>        The day is very unfavorable for you. Be careful, if you are not young and healthy.</source>
        <translation>        O dia é muito desfavorável para você. Cuidado, se não for jovem e saudável.</translation>
    </message>
    <message>
        <source>        The day is unfavorable. </source>
        <translation>        O dia é desfavorável. </translation>
    </message>
    <message>
        <source>        The day is hard enough</source>
        <translation>        O dia é um tanto difícil</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Export to calendar</source>
        <translation>Exportar para o calendário</translation>
    </message>
    <message>
        <source>&amp;Export to calendar...</source>
        <translation>&amp;Exportar para o calendário...</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Arquivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be written to
%1:
%2</source>
        <translation>Não foi possível gravar o calendário em
%1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ajuda do %1</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Digite no máximo %1 caracteres.</translation>
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
        <translation>Incluir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
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
        <translation>        Escolha a data de nascimento no calendário [M-A-D] e clique em “&lt; &gt;”.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to start or &quot;Insert&quot;  button to begin comparison procedure.</source>
        <translation>        Clique em “&lt; &gt;” para iniciar ou em “Inserir” para começar uma comparação.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button to study biorhythms for last date of birth or &quot;Insert&quot; to continue comparison.</source>
        <translation>        Clique em “&lt; &gt;” para ver os biorritmos da última data ou em “Inserir” para seguir comparando.</translation>
    </message>
    <message>
        <source>        Click the calendar or unselect Current month button to return to the birth date insertion mode.</source>
        <translation>        Clique no calendário ou desative “Mês atual” para voltar a escolher a data de nascimento.</translation>
    </message>
    <message>
        <source>        Use  &quot;&gt; &gt;&quot;  button to investigate the rest of the month.</source>
        <translation>        Use o botão “&gt; &gt;” para examinar o restante do mês.</translation>
    </message>
    <message>
        <source>         Sorry! Date of birth must be in the past.</source>
        <translation>         Desculpe! A data deve estar no passado.</translation>
    </message>
    <message>
        <source>        Use Current month tool and the calendar to study biorhythms more carefully.</source>
        <translation>        Use “Mês atual” e o calendário para analisar os biorritmos em detalhe.</translation>
    </message>
    <message>
        <source>        Press &quot;&lt; &gt; &quot; button  or insert second date of birth to compare biorhythms.</source>
        <translation>        Clique em “&lt; &gt;” ou escolha outra data de nascimento para comparar.</translation>
    </message>
    <message>
        <source>        Press  &quot;Compare&quot;  button to start comparison or &quot;&lt; &gt;&quot; to study  biorhythms for second birth date.</source>
        <translation>        Clique em “Comparar” para iniciar a comparação ou em “&lt; &gt;” para analisar a segunda data.</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Nascimento:</translation>
    </message>
    <message>
        <source>Birth date: </source>
        <translation>Nascimento: </translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Invalid date of birth! 
 Date of birth must be in the past.</source>
        <translation>Data de nascimento inválida! 
 A data de nascimento deve estar no passado.</translation>
    </message>
    <message>
        <source>The person was not born yet 
 at the period of interest!</source>
        <translation>A pessoa ainda não tinha nascido 
 no período escolhido!</translation>
    </message>
</context>
<context>
    <name>Moon</name>
    <message>
        <source>new</source>
        <translation>nova</translation>
    </message>
    <message>
        <source>full</source>
        <translation>cheia</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
</context>
<context>
    <name>Persons</name>
    <message>
        <source>Alert</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

The change is kept in this window; saving it is tried again with your next change and when the window closes.</source>
        <translation>Não foi possível salvar a lista de pessoas em
%1

Motivo: %2.

A alteração continua nesta janela; o programa tentará salvá-la de novo na próxima alteração e ao fechar a janela.</translation>
    </message>
    <message>
        <source>The persons list could not be saved in
%1

Why: %2.

Persons added or removed in this window since it was last saved are lost.</source>
        <translation>Não foi possível salvar a lista de pessoas em
%1

Motivo: %2.

As pessoas incluídas ou removidas nesta janela desde o último salvamento foram perdidas.</translation>
    </message>
    <message>
        <source>The stored list is left exactly as it is until you add or remove a person; then it is kept, as it stands, as the value &quot;%1&quot; beside the new list in
%2</source>
        <translation>A lista armazenada fica exatamente como está até que você inclua ou remova uma pessoa; então ela é guardada, tal como está, como o valor “%1” ao lado da nova lista em
%2</translation>
    </message>
    <message>
        <source>The stored persons list is not a list of persons, so the list starts empty.
</source>
        <translation>A lista de pessoas armazenada não é uma lista de pessoas; por isso, a lista começa vazia.
</translation>
    </message>
    <message>
        <source>No person could be read from it, so the list starts empty.
</source>
        <translation>Não foi possível ler nenhuma pessoa dela; por isso, a lista começa vazia.
</translation>
    </message>
    <message>
        <source>The stored persons list could not be read completely.
</source>
        <translation>Não foi possível ler por completo a lista de pessoas armazenada.
</translation>
    </message>
    <message>
        <source>The settings file cannot be read, so the persons list starts empty:
%1

The file is left as it is. Persons you add or remove are kept in this window; saving them is tried with each change and when the window closes.</source>
        <translation>Não é possível ler o arquivo de configurações; por isso, a lista de pessoas começa vazia:
%1

O arquivo fica como está. As pessoas que você incluir ou remover ficam nesta janela; o programa tentará salvá-las a cada alteração e ao fechar a janela.</translation>
    </message>
    <message>
        <source>No person could be read from it.</source>
        <translation>Não foi possível ler nenhuma pessoa dele.</translation>
    </message>
    <message>
        <source>The settings file could not be read completely:
%1

%2 A copy of the file as it is was kept as:
%3

The file is written anew when you add or remove a person.</source>
        <translation>Não foi possível ler por completo o arquivo de configurações:
%1

%2 Uma cópia do arquivo no estado atual foi guardada como:
%3

O arquivo será gravado de novo quando você incluir ou remover uma pessoa.</translation>
    </message>
    <message>
        <source>Birth date: 00.00.00</source>
        <translation>Nasc.: 00/00/0000</translation>
    </message>
    <message>
        <source>Birth date:        </source>
        <translation>Nascimento:        </translation>
    </message>
    <message>
        <source>        Insert date of birth  [M-Y-D] and press &quot;&lt; &gt; &quot; button to start.</source>
        <translation>        Escolha a data de nascimento [M-A-D] e clique em “&lt; &gt;”.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>To add new item into the list (Name) 
 insert date of birth into the calendar  
  [M-Y-D] and press button &quot;List&quot; again </source>
        <translation>Para incluir um item na lista (Nome), 
 escolha a data de nascimento no calendário 
  [M-A-D] e clique de novo em “Lista”. </translation>
    </message>
    <message>
        <source>To add new item into the list,  
 please, insert name.</source>
        <translation>Para incluir um item na lista, 
 digite um nome.</translation>
    </message>
    <message>
        <source> The list is too long! 
 Remove unnecessary items 
 to add new ones.</source>
        <translation> A lista está longa demais! 
 Remova os itens desnecessários 
 para incluir novos.</translation>
    </message>
    <message>
        <source>Do you really want  to remove this item from the list?</source>
        <translation>Deseja realmente remover este item da lista?</translation>
    </message>
    <message numerus="yes">
        <source>The %n persons before the damaged entry are shown.
</source>
        <translation>
            <numerusform>É exibida %n pessoa, anterior ao registro danificado.
</numerusform>
            <numerusform>São exibidas %n pessoas, anteriores ao registro danificado.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n persons of its list are shown.</source>
        <translation>
            <numerusform>É exibida %n pessoa da lista do arquivo.</numerusform>
            <numerusform>São exibidas %n pessoas da lista do arquivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Birth date: %1
</source>
        <translation>Nasc.: %1
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
        <translation>Não foi possível imprimir o mês.</translation>
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
        <translation>Idade</translation>
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
        <translation>Nível</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Janelas</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Fase lunar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Rótulo</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Biorhythms of %1 for %2 (long-cycle phase %3)

</source>
        <translation>Biorritmos – data de nascimento %1 – %2 (fase do ciclo longo: %3)

</translation>
    </message>
    <message>
        <source>
Long-cycle boundaries
</source>
        <translation>
Dias marcantes do ciclo longo
</translation>
    </message>
    <message>
        <source>None falls in this month.
</source>
        <translation>Nenhum dia marcante neste mês.
</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Year</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>3 rhythms</source>
        <translation>3 ritmos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Nível</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Janelas</translation>
    </message>
    <message>
        <source>Boundary 1</source>
        <translation>Dia marcante 1</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Dia marcante</translation>
    </message>
    <message>
        <source>Boundary 2</source>
        <translation>Dia marcante 2</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Nascimento: %1</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1 (nascimento: %2)</translation>
    </message>
    <message>
        <source>Biorhythms compared</source>
        <translation>Comparação de biorritmos</translation>
    </message>
    <message>
        <source>Biorhythms</source>
        <translation>Biorritmos</translation>
    </message>
    <message>
        <source>%1 view</source>
        <translation>Modo de exibição: %1</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Nível %1: %2</translation>
    </message>
    <message>
        <source>Windows: the rhythms in their critical window, F1 physical, F2 emotional, F3 intellectual.</source>
        <translation>Janelas: os ritmos na sua janela crítica, F1 físico, F2 emocional, F3 intelectual.</translation>
    </message>
    <message>
        <source>Boundary: where the long cycle&apos;s divisions H1, H2 and H3 meet, with its time of day and the moon then; shaded rows have two or three rhythms critical.</source>
        <translation>Dia marcante: encontro das divisões H1, H2 e H3 do ciclo longo, com a hora e a lua do momento; linhas sombreadas têm dois ou três ritmos críticos.</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Biorhythms info for  given day of tiredness</source>
        <translation>Informações de biorritmo sobre o dia crítico mostrado</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Previous date</source>
        <translation>Data anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Próxima data</translation>
    </message>
    <message>
        <source> Start.</source>
        <translation> Iniciar</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Inserir </translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Current month</source>
        <translation>Mês atual</translation>
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
        <translation>&amp;Tamanho</translation>
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
        <translation>&amp;Fechar	Alt+F4</translation>
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
        <translation>Verifique se o arquivo MScal.ocx está instalado no seu computador.</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ações</translation>
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>missing value after '%1' (see vantrel --help)</source>
        <translation>waarde ontbreekt na '%1' (zie vantrel --help)</translation>
    </message>
    <message>
        <source>unknown language '%1' after --lang (it can be en, nl or de)</source>
        <translation>onbekende taal '%1' na --lang (kan en, nl of de zijn)</translation>
    </message>
    <message>
        <source>unexpected argument '%1'; files are opened from the window</source>
        <translation>onverwacht argument '%1'; bestanden open je in het venster</translation>
    </message>
    <message>
        <source>unknown option '%1' (see vantrel --help)</source>
        <translation>onbekende optie '%1' (zie vantrel --help)</translation>
    </message>
    <message>
        <source>Usage: vantrel [--help | --version] [--lang CODE] [--lesson LINK] [Qt options]</source>
        <translation>Gebruik: vantrel [--help | --version] [--lang CODE] [--lesson LINK] [Qt-opties]</translation>
    </message>
    <message>
        <source>Play creator and watch Darwinian evolution happen: feed the organisms you like,
shoot the ones you don't, and see the population change. Opens its window, with
the lesson a teacher's link holds when --lesson gives one.</source>
        <translation>Speel schepper en zie darwinistische evolutie gebeuren: voer de organismen die je
leuk vindt, dood de andere en zie hoe de populatie verandert. Het programma opent
zijn venster, met de les uit de link van een leraar als --lesson die geeft.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>deze hulp tonen en stoppen</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>de versie tonen en stoppen</translation>
    </message>
    <message>
        <source>the language of the program: en, nl or de</source>
        <translation>de taal van het programma: en, nl of de</translation>
    </message>
    <message>
        <source>open the lesson of a link (the address or its #lesson=)</source>
        <translation>de les uit een link openen (het adres of zijn #lesson=)</translation>
    </message>
    <message>
        <source>Qt's own options work as in every Qt program, for example:</source>
        <translation>De eigen opties van Qt werken zoals in elk Qt-programma, bijvoorbeeld:</translation>
    </message>
    <message>
        <source>window system plugin: xcb, wayland or offscreen</source>
        <translation>plug-in van het venstersysteem: xcb, wayland of offscreen</translation>
    </message>
    <message>
        <source>X display to open the window on</source>
        <translation>X-display waarop het venster opent</translation>
    </message>
    <message>
        <source>widget style, for example Fusion</source>
        <translation>stijl van de bedieningselementen, bijvoorbeeld Fusion</translation>
    </message>
    <message>
        <source>lay the windows out from right to left</source>
        <translation>vensters van rechts naar links opbouwen</translation>
    </message>
    <message>
        <source>Keys, files and environment: man vantrel</source>
        <translation>Toetsen, bestanden en omgeving: man vantrel</translation>
    </message>
</context>
<context>
    <name>LabCli</name>
    <message>
        <source>--learner LIST</source>
        <translation>--learner LIJST</translation>
    </message>
    <message>
        <source>the judge clicks K times, then a learner trained on those clicks
plays on alone until stable or --max-clicks; a condition per K,
0 for none. Adds the CSV columns learner,judge_clicks and the
judge's clicks to the summary. Example: --learner 0,10,30,100</source>
        <translation>de scheidsrechter klikt K keer, daarna speelt een leerling die op die
klikken getraind is alleen verder tot stabiel of --max-clicks; een
conditie per K, 0 voor geen. Voegt de CSV-kolommen learner,judge_clicks
en de klikken van de scheidsrechter aan de samenvatting toe.
Voorbeeld: --learner 0,10,30,100</translation>
    </message>
    <message>
        <source>--population LIST</source>
        <translation>--population LIJST</translation>
    </message>
    <message>
        <source>--creativity LIST</source>
        <translation>--creativity LIJST</translation>
    </message>
    <message>
        <source>--bonus LIST</source>
        <translation>--bonus LIJST</translation>
    </message>
    <message>
        <source>--strictness LIST</source>
        <translation>--strictness LIJST</translation>
    </message>
    <message>
        <source>--csv FILE</source>
        <translation>--csv BESTAND</translation>
    </message>
    <message>
        <source>the goal; repeat the option for several goals (a condition each).
Keys and words: color (red blue brown green black purple yellow
orange gray bordeaux), intensity (pale light medium dark), shape
(line triangle square polygon circle), size (tiny small medium large
giant), thickness (fine thin medium fat thick), linestyle (broken thin
medium bold heavy), spokes (yes no).
Example: --goal color=green,shape=square,spokes=yes</source>
        <translation>het doel; herhaal de optie voor meerdere doelen (elk een conditie).
Sleutels en woorden: color (red blue brown green black purple yellow
orange gray bordeaux), intensity (pale light medium dark), shape
(line triangle square polygon circle), size (tiny small medium large
giant), thickness (fine thin medium fat thick), linestyle (broken thin
medium bold heavy), spokes (yes no); ze zijn in elke taal gelijk.
Voorbeeld: --goal color=green,shape=square,spokes=yes</translation>
    </message>
    <message>
        <source>start population box, 2 to 1000 (default 10; the table then holds
one organism fewer). Example: --population 10,50</source>
        <translation>startpopulatie (vak “Beginnen met”), 2 tot 1000 (standaard 10;
de tabel bevat dan één organisme minder). Voorbeeld: --population 10,50</translation>
    </message>
    <message>
        <source>chance of a mutation in percent, 0 to 99 (default 10).
Example: --creativity 5,20,50</source>
        <translation>kans op een mutatie in procenten, 0 tot 99 (standaard 10).
Voorbeeld: --creativity 5,20,50</translation>
    </message>
    <message>
        <source>survival bonus of a feed (default 1). Example: --bonus 1</source>
        <translation>overlevingsbonus van een voerbeurt (standaard 1). Voorbeeld: --bonus 1</translation>
    </message>
    <message>
        <source>0 to 1 (default 1): with probability 1 - strictness the judge errs on
purpose, shooting a hit or feeding a miss. Example: --strictness 1,0.9</source>
        <translation>0 tot 1 (standaard 1): met kans 1 - strictness vergist de
scheidsrechter zich expres en doodt een treffer of voert een misser.
Voorbeeld: --strictness 1,0.9</translation>
    </message>
    <message>
        <source>runs per condition (default 100). Example: --runs 200</source>
        <translation>rondes per conditie (standaard 100). Voorbeeld: --runs 200</translation>
    </message>
    <message>
        <source>base seed, 0 to 4294967295 (default 1). Example: --seed 7</source>
        <translation>startwaarde van het toeval, 0 tot 4294967295 (standaard 1).
Voorbeeld: --seed 7</translation>
    </message>
    <message>
        <source>a run that is not stable after N clicks ends as not reached
(default 1000000). Example: --max-clicks 50000</source>
        <translation>een ronde die na N klikken niet stabiel is, eindigt als niet bereikt
(standaard 1000000). Voorbeeld: --max-clicks 50000</translation>
    </message>
    <message>
        <source>judge by G for the first --warmup-clicks clicks (same strictness),
then switch to --goal and count from there.
Example: --warmup-goal color=green --warmup-clicks 100</source>
        <translation>de scheidsrechter oordeelt de eerste --warmup-clicks klikken naar G
(even streng), gaat dan over op --goal en telt vanaf daar.
Voorbeeld: --warmup-goal color=green --warmup-clicks 100</translation>
    </message>
    <message>
        <source>length of the warm-up (default 100). Example: --warmup-clicks 100</source>
        <translation>lengte van de opwarmfase (standaard 100).
Voorbeeld: --warmup-clicks 100</translation>
    </message>
    <message>
        <source>write one line per run: run,mode,started_utc,population,creativity,
bonus,goal,feeds,shots,clicks,first_match_click,stable_click,
reached_by,condition,seed,strictness,pupil,lesson (the last two as
--pupil and --lesson give them). Written atomically at the end, also
after Ctrl+C (with the runs finished so far).
Example: --csv runs.csv</source>
        <translation>schrijft één regel per ronde: run,mode,started_utc,population,
creativity,bonus,goal,feeds,shots,clicks,first_match_click,
stable_click,reached_by,condition,seed,strictness,pupil,lesson (de
laatste twee zoals --pupil en --lesson ze geven). Aan het eind in één
keer geschreven, ook na Ctrl+C (met de rondes die klaar zijn); in elke
taal gelijk. Voorbeeld: --csv runs.csv</translation>
    </message>
    <message>
        <source>threads (default: the number of cores). Example: --jobs 2</source>
        <translation>threads (standaard: het aantal processorkernen). Voorbeeld: --jobs 2</translation>
    </message>
    <message>
        <source>play only the K-th of N equal shares of the runs (every N-th run
from run K), to spread one sweep over several machines. The shards'
CSV lines, merged and sorted by run, equal the single-machine CSV.
Example with GNU parallel over two hosts:
  parallel -S host1,host2 --return shard{}.csv --cleanup \
    vantrel-lab --goal shape=square --runs 200 --seed 7 \
    --shard {}/4 --csv shard{}.csv ::: 1 2 3 4
  { head -n 1 shard1.csv; tail -q -n +2 shard*.csv | sort -t, -k1,1n; } \
    &gt; runs.csv</source>
        <translation>speelt alleen het K-de van N gelijke delen van de rondes (elke N-de
ronde vanaf ronde K), om één reeks over meerdere machines te spreiden.
De CSV-regels van de delen, samengevoegd en gesorteerd op run, zijn
gelijk aan de CSV van één machine.
Voorbeeld met GNU parallel over twee machines:
  parallel -S host1,host2 --return shard{}.csv --cleanup \
    vantrel-lab --goal shape=square --runs 200 --seed 7 \
    --shard {}/4 --csv shard{}.csv ::: 1 2 3 4
  { head -n 1 shard1.csv; tail -q -n +2 shard*.csv | sort -t, -k1,1n; } \
    &gt; runs.csv</translation>
    </message>
    <message>
        <source>no progress bar (it is drawn on standard error only when that is a
terminal).</source>
        <translation>geen voortgangsbalk (die verschijnt alleen op standaardfout, als dat
een terminal is).</translation>
    </message>
    <message>
        <source>the language of this help, the messages and the summary: en, nl or de
(default: from LANGUAGE, LC_ALL, LC_MESSAGES or LANG). The CSV is the
same in every language. Example: --lang de</source>
        <translation>de taal van deze hulp, de meldingen en de samenvatting: en, nl of de
(standaard: uit LANGUAGE, LC_ALL, LC_MESSAGES of LANG). De CSV is in
elke taal gelijk. Voorbeeld: --lang nl</translation>
    </message>
    <message>
        <source>this text.</source>
        <translation>deze tekst.</translation>
    </message>
    <message>
        <source>Usage: vantrel-lab --goal KEY=WORD[,KEY=WORD...] [options]</source>
        <translation>Gebruik: vantrel-lab --goal SLEUTEL=WOORD[,SLEUTEL=WOORD…] [opties]</translation>
    </message>
    <message>
        <source>Plays the Vantrel experiments automatically: a judge feeds the shown organism when it meets
the goal and shoots it otherwise, exactly as a user's clicks would, until every organism
meets the goal (stable) or the click limit. Each run has its own population and random
source, seeded from --seed and the run's number, so the output is the same on every machine
and for every --jobs.</source>
        <translation>Speelt de Vantrel-experimenten automatisch: een scheidsrechter voert het getoonde
organisme als het aan het doel voldoet en doodt het anders, precies zoals klikken met de
hand, tot elk organisme aan het doel voldoet (stabiel) of tot de kliklimiet. Elke ronde
heeft een eigen populatie en toevalsbron, afgeleid van --seed en het nummer van de
ronde, dus de uitvoer is op elke machine en bij elke --jobs gelijk.</translation>
    </message>
    <message>
        <source>A LIST is comma-separated values; every combination of the lists (and every --goal) is one
condition, and each condition is played --runs times.</source>
        <translation>Een LIJST is een reeks waarden gescheiden door komma's; elke combinatie van de lijsten
(en elke --goal) is één conditie, en elke conditie wordt --runs keer gespeeld.</translation>
    </message>
    <message>
        <source>Prints a summary per condition on standard output: runs, reached, and the first quartile,
median and third quartile of the clicks to the first match and to stable (over the runs in
which that happened). Then each condition is compared with the first condition of the same
goal by the clicks to stable of its runs that became stable: the difference of the medians
with a 95% bootstrap interval (seeded from the clicks compared), the Mann-Whitney test's
two-sided p-value (adjusted by Holm's method when there are several comparisons), and
"No clear difference" when the interval holds 0. The CSV holds none of this.</source>
        <translation>Drukt per conditie een samenvatting af op standaarduitvoer: rondes, bereikt, en het
eerste kwartiel, de mediaan en het derde kwartiel van de klikken tot de eerste treffer en
tot stabiel (over de rondes waarin dat gebeurde). Daarna wordt elke conditie vergeleken met
de eerste conditie met hetzelfde doel, op de klikken tot stabiel van haar rondes die stabiel
werden: het verschil van de medianen met een 95%-bootstrapinterval (afgeleid van de
vergeleken klikken), de tweezijdige p-waarde van de Mann-Whitney-toets (gecorrigeerd met de
methode van Holm bij meer vergelijkingen), en “Geen duidelijk verschil” als het interval 0
bevat. De CSV bevat hier niets van.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the CSV could not be written, 2 bad options (before any work),
130 stopped by Ctrl+C (finished runs are still written).</source>
        <translation>Afsluitstatus: 0 klaar, 1 de CSV kon niet worden geschreven, 2 foute opties (voor er
werk is gedaan), 130 gestopt met Ctrl+C (klare rondes worden toch geschreven).</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Voorbeeld:</translation>
    </message>
    <message>
        <source>%1 is not a whole number from %2 to %3</source>
        <translation>%1 is geen geheel getal van %2 tot %3</translation>
    </message>
    <message>
        <source>no organism can meet %1</source>
        <translation>geen organisme kan aan %1 voldoen</translation>
    </message>
    <message>
        <source>empty goal: give key=value pairs such as shape=square,spokes=yes</source>
        <translation>leeg doel: geef paren sleutel=waarde, bijvoorbeeld shape=square,spokes=yes</translation>
    </message>
    <message>
        <source>%1 is not key=value</source>
        <translation>%1 heeft niet de vorm sleutel=waarde</translation>
    </message>
    <message>
        <source>unknown key %1 (keys: color or colour, intensity, shape, size, thickness, linestyle, spokes)</source>
        <translation>onbekende sleutel %1 (sleutels: color of colour, intensity, shape, size, thickness, linestyle, spokes)</translation>
    </message>
    <message>
        <source>key %1 given twice</source>
        <translation>sleutel %1 twee keer opgegeven</translation>
    </message>
    <message>
        <source>unknown %1 %2 (one of %3)</source>
        <translation>onbekende waarde %2 voor %1 (één van %3)</translation>
    </message>
    <message>
        <source>%1 is not a number from 0 to 1</source>
        <translation>%1 is geen getal van 0 tot 1</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>geen bestandsnaam</translation>
    </message>
    <message>
        <source>%1 is not K/N with 1 &lt;= K &lt;= N</source>
        <translation>%1 is niet K/N met 1 &lt;= K &lt;= N</translation>
    </message>
    <message>
        <source>%1 is not a language of this program (it can be en, nl or de)</source>
        <translation>%1 is geen taal van dit programma (kan en, nl of de zijn)</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>onbekende optie %1 (zie --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (options start with --)</source>
        <translation>onverwacht argument %1 (opties beginnen met --)</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>neemt geen waarde</translation>
    </message>
    <message>
        <source>missing value</source>
        <translation>waarde ontbreekt</translation>
    </message>
    <message>
        <source>missing (for example --goal shape=square,spokes=yes)</source>
        <translation>ontbreekt (bijvoorbeeld --goal shape=square,spokes=yes)</translation>
    </message>
    <message>
        <source>needs --warmup-goal</source>
        <translation>heeft --warmup-goal nodig</translation>
    </message>
    <message>
        <source>more than %1 runs in all (runs times conditions)</source>
        <translation>meer dan %1 rondes in totaal (rondes maal condities)</translation>
    </message>
    <message numerus="yes">
        <source>%1/%2 runs</source>
        <translation>
            <numerusform>%1/%2 ronde</numerusform>
            <numerusform>%1/%2 rondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped; %1 of %2 runs finished</source>
        <translation>
            <numerusform>gestopt; %1 van %2 ronde klaar</numerusform>
            <numerusform>gestopt; %1 van %2 rondes klaar</numerusform>
        </translation>
    </message>
    <message>
        <source>--summarize FILES</source>
        <translation>--summarize BESTANDEN</translation>
    </message>
    <message>
        <source>play nothing: pool the runs of these CSV files (vantrel-lab's and the
notebook's exports) and print their summary, per pupil where the
files name several. The shards of a sweep give the whole sweep's.
Example: --summarize shard1.csv shard2.csv</source>
        <translation>speelt niets: voegt de rondes van deze CSV-bestanden samen (van
vantrel-lab en uit het labschrift) en drukt hun samenvatting af, per
leerling als de bestanden er meer noemen. De delen van een reeks geven
die van de hele reeks. Voorbeeld: --summarize shard1.csv shard2.csv</translation>
    </message>
    <message>
        <source>no file to summarize</source>
        <translation>geen bestand om samen te vatten</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kan niet worden gelezen</translation>
    </message>
    <message>
        <source>--pupil NAME</source>
        <translation>--pupil NAAM</translation>
    </message>
    <message>
        <source>the name in the CSV's pupil column (default: none).
Example: --pupil Anna</source>
        <translation>de naam in de kolom pupil van de CSV (standaard: geen).
Voorbeeld: --pupil Anna</translation>
    </message>
    <message>
        <source>--lesson ID</source>
        <translation>--lesson ID</translation>
    </message>
    <message>
        <source>the lesson's 8 hex digits in the CSV's lesson column (default: none).
Example: --lesson 0a1b2c3d</source>
        <translation>de 8 hexadecimale cijfers van de les in de kolom lesson van de CSV
(standaard: geen). Voorbeeld: --lesson 0a1b2c3d</translation>
    </message>
    <message>
        <source>%1 is not a lesson's 8 hex digits</source>
        <translation>%1 zijn niet de 8 hexadecimale cijfers van een les</translation>
    </message>
</context>
<context>
    <name>LabSummary</name>
    <message>
        <source>By the judge's clicks to stable (the learner's clicks left out):</source>
        <translation>Naar de klikken van de scheidsrechter tot stabiel (zonder de klikken van de leerling):</translation>
    </message>
    <message>
        <source>Condition %1 (learner after %2 clicks): the learner brought %3 of %4 runs to stable.</source>
        <translation>Conditie %1 (leerling na %2 klikken): de leerling maakte %3 van %4 rondes stabiel.</translation>
    </message>
    <message>
        <source>Condition %1: pop %2 · creativity %3% · bonus %4 · strictness %5</source>
        <translation>Conditie %1: pop. %2 · creativiteit %3% · bonus %4 · strengheid %5</translation>
    </message>
    <message numerus="yes">
        <source>%1 runs, %2 reached</source>
        <translation>
            <numerusform>%1 ronde, %2 bereikt</numerusform>
            <numerusform>%1 rondes, %2 bereikt</numerusform>
        </translation>
    </message>
    <message>
        <source>first match %1 · stable %2 (q1 / median / q3 clicks) · goal %3</source>
        <translation>eerste treffer %1 · stabiel %2 (q1 / mediaan / q3 klikken) · doel %3</translation>
    </message>
    <message>
        <source>cond</source>
        <translation>cond.</translation>
    </message>
    <message>
        <source>pop</source>
        <translation>pop.</translation>
    </message>
    <message>
        <source>creat</source>
        <translation>creat.</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>bonus</translation>
    </message>
    <message>
        <source>strict</source>
        <translation>streng</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>rondes</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>bereikt</translation>
    </message>
    <message>
        <source>first match q1/med/q3</source>
        <translation>eerste treffer q1/med/q3</translation>
    </message>
    <message>
        <source>stable q1/med/q3</source>
        <translation>stabiel q1/med/q3</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>doel</translation>
    </message>
    <message>
        <source>Condition %1 against %2: %3 of %4 and %5 of %6 runs became stable, too few to compare (at least %7 each).</source>
        <translation>Conditie %1 tegen %2: %3 van %4 en %5 van %6 rondes werden stabiel, te weinig om te vergelijken (minstens %7 per conditie).</translation>
    </message>
    <message>
        <source>Condition %1 against %2: median %3 against %4 clicks to stable (%5 of %6 and %7 of %8 runs stable), </source>
        <translation>Conditie %1 tegen %2: mediaan %3 tegen %4 klikken tot stabiel (%5 van %6 en %7 van %8 rondes stabiel), </translation>
    </message>
    <message>
        <source>difference %1 (95% interval %2 to %3), Mann-Whitney %4 (exact). </source>
        <translation>verschil %1 (95%-interval %2 tot %3), Mann-Whitney %4 (exact). </translation>
    </message>
    <message>
        <source>difference %1 (95% interval %2 to %3), Mann-Whitney %4 (normal approximation). </source>
        <translation>verschil %1 (95%-interval %2 tot %3), Mann-Whitney %4 (normale benadering). </translation>
    </message>
    <message>
        <source>No clear difference.</source>
        <translation>Geen duidelijk verschil.</translation>
    </message>
    <message>
        <source>Condition %1 needs fewer clicks.</source>
        <translation>Conditie %1 heeft minder klikken nodig.</translation>
    </message>
    <message>
        <source>Condition %1 needs more clicks.</source>
        <translation>Conditie %1 heeft meer klikken nodig.</translation>
    </message>
    <message>
        <source>Against the first condition of the same goal, by the clicks to stable of the runs that became stable (runs stopped at the click limit are left out):</source>
        <translation>Tegen de eerste conditie met hetzelfde doel, op de klikken tot stabiel van de rondes die stabiel werden (rondes gestopt bij de kliklimiet tellen niet mee):</translation>
    </message>
    <message>
        <source>Against the first condition of the same goal, by the clicks to stable of the runs that became stable (runs stopped at the click limit are left out); the p-values are adjusted for the %1 comparisons (Holm):</source>
        <translation>Tegen de eerste conditie met hetzelfde doel, op de klikken tot stabiel van de rondes die stabiel werden (rondes gestopt bij de kliklimiet tellen niet mee); de p-waarden zijn gecorrigeerd voor de %1 vergelijkingen (Holm):</translation>
    </message>
</context>
</TS>

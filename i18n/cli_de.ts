<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>missing value after '%1' (see vantrel --help)</source>
        <translation>Wert fehlt nach '%1' (siehe vantrel --help)</translation>
    </message>
    <message>
        <source>unknown language '%1' after --lang (it can be en, nl or de)</source>
        <translation>unbekannte Sprache '%1' nach --lang (möglich sind en, nl oder de)</translation>
    </message>
    <message>
        <source>unexpected argument '%1'; files are opened from the window</source>
        <translation>unerwartetes Argument '%1'; Dateien öffnest du im Fenster</translation>
    </message>
    <message>
        <source>unknown option '%1' (see vantrel --help)</source>
        <translation>unbekannte Option '%1' (siehe vantrel --help)</translation>
    </message>
    <message>
        <source>Usage: vantrel [--help | --version] [--lang CODE] [--lesson LINK] [Qt options]</source>
        <translation>Aufruf: vantrel [--help | --version] [--lang CODE] [--lesson LINK] [Qt-Optionen]</translation>
    </message>
    <message>
        <source>Play creator and watch Darwinian evolution happen: feed the organisms you like,
shoot the ones you don't, and see the population change. Opens its window, with
the lesson a teacher's link holds when --lesson gives one.</source>
        <translation>Spiel Schöpfer und sieh zu, wie darwinsche Evolution geschieht: Füttere die
Organismen, die dir gefallen, töte die anderen und sieh, wie sich die Population
verändert. Das Programm öffnet sein Fenster, mit der Lektion aus dem Link einer
Lehrkraft, wenn --lesson einen angibt.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>print this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>print the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>the language of the program: en, nl or de</source>
        <translation>die Sprache des Programms: en, nl oder de</translation>
    </message>
    <message>
        <source>open the lesson of a link (the address or its #lesson=)</source>
        <translation>die Lektion eines Links öffnen (die Adresse oder ihr #lesson=)</translation>
    </message>
    <message>
        <source>Qt's own options work as in every Qt program, for example:</source>
        <translation>Die Optionen von Qt wirken wie in jedem Qt-Programm, zum Beispiel:</translation>
    </message>
    <message>
        <source>window system plugin: xcb, wayland or offscreen</source>
        <translation>Plugin des Fenstersystems: xcb, wayland oder offscreen</translation>
    </message>
    <message>
        <source>X display to open the window on</source>
        <translation>X-Display, auf dem sich das Fenster öffnet</translation>
    </message>
    <message>
        <source>widget style, for example Fusion</source>
        <translation>Stil der Bedienelemente, zum Beispiel Fusion</translation>
    </message>
    <message>
        <source>lay the windows out from right to left</source>
        <translation>Fenster von rechts nach links aufbauen</translation>
    </message>
    <message>
        <source>Keys, files and environment: man vantrel</source>
        <translation>Tasten, Dateien und Umgebung: man vantrel</translation>
    </message>
</context>
<context>
    <name>LabCli</name>
    <message>
        <source>--learner LIST</source>
        <translation>--learner LISTE</translation>
    </message>
    <message>
        <source>the judge clicks K times, then a learner trained on those clicks
plays on alone until stable or --max-clicks; a condition per K,
0 for none. Adds the CSV columns learner,judge_clicks and the
judge's clicks to the summary. Example: --learner 0,10,30,100</source>
        <translation>der Schiedsrichter klickt K-mal, dann spielt ein auf diese Klicks
trainierter Lerner allein weiter bis stabil oder --max-clicks; eine
Bedingung je K, 0 für keinen. Fügt die CSV-Spalten learner,judge_clicks
und die Klicks des Schiedsrichters zur Zusammenfassung hinzu.
Beispiel: --learner 0,10,30,100</translation>
    </message>
    <message>
        <source>--population LIST</source>
        <translation>--population LISTE</translation>
    </message>
    <message>
        <source>--creativity LIST</source>
        <translation>--creativity LISTE</translation>
    </message>
    <message>
        <source>--bonus LIST</source>
        <translation>--bonus LISTE</translation>
    </message>
    <message>
        <source>--strictness LIST</source>
        <translation>--strictness LISTE</translation>
    </message>
    <message>
        <source>--csv FILE</source>
        <translation>--csv DATEI</translation>
    </message>
    <message>
        <source>the goal; repeat the option for several goals (a condition each).
Keys and words: color (red blue brown green black purple yellow
orange gray bordeaux), intensity (pale light medium dark), shape
(line triangle square polygon circle), size (tiny small medium large
giant), thickness (fine thin medium fat thick), linestyle (broken thin
medium bold heavy), spokes (yes no).
Example: --goal color=green,shape=square,spokes=yes</source>
        <translation>das Ziel; wiederhole die Option für mehrere Ziele (je eine Bedingung).
Schlüssel und Wörter: color (red blue brown green black purple yellow
orange gray bordeaux), intensity (pale light medium dark), shape
(line triangle square polygon circle), size (tiny small medium large
giant), thickness (fine thin medium fat thick), linestyle (broken thin
medium bold heavy), spokes (yes no); sie sind in jeder Sprache gleich.
Beispiel: --goal color=green,shape=square,spokes=yes</translation>
    </message>
    <message>
        <source>start population box, 2 to 1000 (default 10; the table then holds
one organism fewer). Example: --population 10,50</source>
        <translation>Feld „Beginnen mit“, 2 bis 1000 (Standard 10; die Tabelle enthält
dann einen Organismus weniger). Beispiel: --population 10,50</translation>
    </message>
    <message>
        <source>chance of a mutation in percent, 0 to 99 (default 10).
Example: --creativity 5,20,50</source>
        <translation>Chance auf eine Mutation in Prozent, 0 bis 99 (Standard 10).
Beispiel: --creativity 5,20,50</translation>
    </message>
    <message>
        <source>survival bonus of a feed (default 1). Example: --bonus 1</source>
        <translation>Überlebensbonus einer Fütterung (Standard 1). Beispiel: --bonus 1</translation>
    </message>
    <message>
        <source>0 to 1 (default 1): with probability 1 - strictness the judge errs on
purpose, shooting a hit or feeding a miss. Example: --strictness 1,0.9</source>
        <translation>0 bis 1 (Standard 1): mit der Wahrscheinlichkeit 1 - strictness irrt
der Schiedsrichter absichtlich, tötet einen Treffer oder füttert einen
Fehlgriff. Beispiel: --strictness 1,0.9</translation>
    </message>
    <message>
        <source>runs per condition (default 100). Example: --runs 200</source>
        <translation>Durchgänge je Bedingung (Standard 100). Beispiel: --runs 200</translation>
    </message>
    <message>
        <source>base seed, 0 to 4294967295 (default 1). Example: --seed 7</source>
        <translation>Startwert des Zufalls, 0 bis 4294967295 (Standard 1). Beispiel: --seed 7</translation>
    </message>
    <message>
        <source>a run that is not stable after N clicks ends as not reached
(default 1000000). Example: --max-clicks 50000</source>
        <translation>ein Durchgang, der nach N Klicks nicht stabil ist, endet als nicht
erreicht (Standard 1000000). Beispiel: --max-clicks 50000</translation>
    </message>
    <message>
        <source>judge by G for the first --warmup-clicks clicks (same strictness),
then switch to --goal and count from there.
Example: --warmup-goal color=green --warmup-clicks 100</source>
        <translation>der Schiedsrichter urteilt in den ersten --warmup-clicks Klicks nach G
(gleiche Strenge), wechselt dann zu --goal und zählt von dort an.
Beispiel: --warmup-goal color=green --warmup-clicks 100</translation>
    </message>
    <message>
        <source>length of the warm-up (default 100). Example: --warmup-clicks 100</source>
        <translation>Länge der Aufwärmphase (Standard 100). Beispiel: --warmup-clicks 100</translation>
    </message>
    <message>
        <source>write one line per run: run,mode,started_utc,population,creativity,
bonus,goal,feeds,shots,clicks,first_match_click,stable_click,
reached_by,condition,seed,strictness,pupil,lesson (the last two as
--pupil and --lesson give them). Written atomically at the end, also
after Ctrl+C (with the runs finished so far).
Example: --csv runs.csv</source>
        <translation>schreibt eine Zeile je Durchgang: run,mode,started_utc,population,
creativity,bonus,goal,feeds,shots,clicks,first_match_click,
stable_click,reached_by,condition,seed,strictness,pupil,lesson (die
letzten beiden, wie --pupil und --lesson sie angeben). Am Ende in einem
Stück geschrieben, auch nach Strg+C (mit den bis dahin fertigen
Durchgängen); in jeder Sprache gleich. Beispiel: --csv runs.csv</translation>
    </message>
    <message>
        <source>threads (default: the number of cores). Example: --jobs 2</source>
        <translation>Threads (Standard: die Zahl der Prozessorkerne). Beispiel: --jobs 2</translation>
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
        <translation>spielt nur den K-ten von N gleichen Teilen der Durchgänge (jeden N-ten
Durchgang ab Durchgang K), um eine Versuchsreihe auf mehrere Rechner
zu verteilen. Die CSV-Zeilen der Teile, zusammengeführt und nach run
sortiert, gleichen der CSV eines einzigen Rechners.
Beispiel mit GNU parallel auf zwei Rechnern:
  parallel -S host1,host2 --return shard{}.csv --cleanup \
    vantrel-lab --goal shape=square --runs 200 --seed 7 \
    --shard {}/4 --csv shard{}.csv ::: 1 2 3 4
  { head -n 1 shard1.csv; tail -q -n +2 shard*.csv | sort -t, -k1,1n; } \
    &gt; runs.csv</translation>
    </message>
    <message>
        <source>no progress bar (it is drawn on standard error only when that is a
terminal).</source>
        <translation>kein Fortschrittsbalken (er erscheint ohnehin nur auf der
Standardfehlerausgabe, wenn sie ein Terminal ist).</translation>
    </message>
    <message>
        <source>the language of this help, the messages and the summary: en, nl or de
(default: from LANGUAGE, LC_ALL, LC_MESSAGES or LANG). The CSV is the
same in every language. Example: --lang de</source>
        <translation>die Sprache dieser Hilfe, der Meldungen und der Zusammenfassung: en,
nl oder de (Standard: aus LANGUAGE, LC_ALL, LC_MESSAGES oder LANG).
Die CSV ist in jeder Sprache gleich. Beispiel: --lang de</translation>
    </message>
    <message>
        <source>this text.</source>
        <translation>dieser Text.</translation>
    </message>
    <message>
        <source>Usage: vantrel-lab --goal KEY=WORD[,KEY=WORD...] [options]</source>
        <translation>Aufruf: vantrel-lab --goal SCHLÜSSEL=WORT[,SCHLÜSSEL=WORT …] [Optionen]</translation>
    </message>
    <message>
        <source>Plays the Vantrel experiments automatically: a judge feeds the shown organism when it meets
the goal and shoots it otherwise, exactly as a user's clicks would, until every organism
meets the goal (stable) or the click limit. Each run has its own population and random
source, seeded from --seed and the run's number, so the output is the same on every machine
and for every --jobs.</source>
        <translation>Spielt die Vantrel-Experimente automatisch: Ein Schiedsrichter füttert den gezeigten
Organismus, wenn er das Ziel erfüllt, und tötet ihn sonst, genau wie Klicks von Hand,
bis jeder Organismus das Ziel erfüllt (stabil) oder die Klickgrenze erreicht ist. Jeder
Durchgang hat seine eigene Population und Zufallsquelle, abgeleitet von --seed und der
Nummer des Durchgangs; so ist die Ausgabe auf jedem Rechner und bei jedem --jobs gleich.</translation>
    </message>
    <message>
        <source>A LIST is comma-separated values; every combination of the lists (and every --goal) is one
condition, and each condition is played --runs times.</source>
        <translation>Eine LISTE sind durch Kommas getrennte Werte; jede Kombination der Listen (und jedes
--goal) ist eine Bedingung, und jede Bedingung wird --runs-mal gespielt.</translation>
    </message>
    <message>
        <source>Prints a summary per condition on standard output: runs, reached, and the first quartile,
median and third quartile of the clicks to the first match and to stable (over the runs in
which that happened). Then each condition is compared with the first condition of the same
goal by the clicks to stable of its runs that became stable: the difference of the medians
with a 95% bootstrap interval (seeded from the clicks compared), the Mann-Whitney test's
two-sided p-value (adjusted by Holm's method when there are several comparisons), and
"No clear difference" when the interval holds 0. The CSV holds none of this.</source>
        <translation>Gibt je Bedingung eine Zusammenfassung auf der Standardausgabe aus: Durchgänge, erreicht,
und das erste Quartil, den Median und das dritte Quartil der Klicks bis zum ersten Treffer
und bis stabil (über die Durchgänge, in denen das geschah). Dann wird jede Bedingung mit der
ersten Bedingung mit demselben Ziel verglichen, nach den Klicks bis stabil ihrer stabil
gewordenen Durchgänge: die Differenz der Mediane mit einem 95-%-Bootstrap-Intervall
(abgeleitet von den verglichenen Klicks), der zweiseitige p-Wert des Mann-Whitney-Tests
(nach Holm korrigiert, wenn es mehrere Vergleiche gibt) und „Kein klarer Unterschied“, wenn
das Intervall 0 enthält. Die CSV enthält nichts davon.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the CSV could not be written, 2 bad options (before any work),
130 stopped by Ctrl+C (finished runs are still written).</source>
        <translation>Exit-Status: 0 fertig, 1 die CSV ließ sich nicht schreiben, 2 falsche Optionen (vor jeder
Arbeit), 130 mit Strg+C gestoppt (fertige Durchgänge werden trotzdem geschrieben).</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <source>%1 is not a whole number from %2 to %3</source>
        <translation>%1 ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>no organism can meet %1</source>
        <translation>kein Organismus kann %1 erfüllen</translation>
    </message>
    <message>
        <source>empty goal: give key=value pairs such as shape=square,spokes=yes</source>
        <translation>leeres Ziel: gib Paare Schlüssel=Wert an, zum Beispiel shape=square,spokes=yes</translation>
    </message>
    <message>
        <source>%1 is not key=value</source>
        <translation>%1 hat nicht die Form Schlüssel=Wert</translation>
    </message>
    <message>
        <source>unknown key %1 (keys: color or colour, intensity, shape, size, thickness, linestyle, spokes)</source>
        <translation>unbekannter Schlüssel %1 (Schlüssel: color oder colour, intensity, shape, size, thickness, linestyle, spokes)</translation>
    </message>
    <message>
        <source>key %1 given twice</source>
        <translation>Schlüssel %1 zweimal angegeben</translation>
    </message>
    <message>
        <source>unknown %1 %2 (one of %3)</source>
        <translation>unbekannter Wert %2 für %1 (erlaubt: %3)</translation>
    </message>
    <message>
        <source>%1 is not a number from 0 to 1</source>
        <translation>%1 ist keine Zahl von 0 bis 1</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>%1 is not K/N with 1 &lt;= K &lt;= N</source>
        <translation>%1 ist nicht K/N mit 1 &lt;= K &lt;= N</translation>
    </message>
    <message>
        <source>%1 is not a language of this program (it can be en, nl or de)</source>
        <translation>%1 ist keine Sprache dieses Programms (möglich sind en, nl oder de)</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>unbekannte Option %1 (siehe --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1 (options start with --)</source>
        <translation>unerwartetes Argument %1 (Optionen beginnen mit --)</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>nimmt keinen Wert</translation>
    </message>
    <message>
        <source>missing value</source>
        <translation>Wert fehlt</translation>
    </message>
    <message>
        <source>missing (for example --goal shape=square,spokes=yes)</source>
        <translation>fehlt (zum Beispiel --goal shape=square,spokes=yes)</translation>
    </message>
    <message>
        <source>needs --warmup-goal</source>
        <translation>braucht --warmup-goal</translation>
    </message>
    <message>
        <source>more than %1 runs in all (runs times conditions)</source>
        <translation>mehr als %1 Durchgänge insgesamt (Durchgänge mal Bedingungen)</translation>
    </message>
    <message numerus="yes">
        <source>%1/%2 runs</source>
        <translation>
            <numerusform>%1/%2 Durchgang</numerusform>
            <numerusform>%1/%2 Durchgänge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped; %1 of %2 runs finished</source>
        <translation>
            <numerusform>gestoppt; %1 von %2 Durchgang fertig</numerusform>
            <numerusform>gestoppt; %1 von %2 Durchgängen fertig</numerusform>
        </translation>
    </message>
    <message>
        <source>--summarize FILES</source>
        <translation>--summarize DATEIEN</translation>
    </message>
    <message>
        <source>play nothing: pool the runs of these CSV files (vantrel-lab's and the
notebook's exports) and print their summary, per pupil where the
files name several. The shards of a sweep give the whole sweep's.
Example: --summarize shard1.csv shard2.csv</source>
        <translation>spielt nichts: legt die Durchgänge dieser CSV-Dateien zusammen (von
vantrel-lab und aus dem Laborheft) und gibt ihre Zusammenfassung aus,
je Schüler, wenn die Dateien mehrere nennen. Die Teile einer Reihe
ergeben die der ganzen Reihe. Beispiel: --summarize shard1.csv shard2.csv</translation>
    </message>
    <message>
        <source>no file to summarize</source>
        <translation>keine Datei zum Zusammenfassen</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>--pupil NAME</source>
        <translation>--pupil NAME</translation>
    </message>
    <message>
        <source>the name in the CSV's pupil column (default: none).
Example: --pupil Anna</source>
        <translation>der Name in der Spalte pupil der CSV (Standard: keiner).
Beispiel: --pupil Anna</translation>
    </message>
    <message>
        <source>--lesson ID</source>
        <translation>--lesson ID</translation>
    </message>
    <message>
        <source>the lesson's 8 hex digits in the CSV's lesson column (default: none).
Example: --lesson 0a1b2c3d</source>
        <translation>die 8 Hexadezimalziffern der Lektion in der Spalte lesson der CSV
(Standard: keine). Beispiel: --lesson 0a1b2c3d</translation>
    </message>
    <message>
        <source>%1 is not a lesson's 8 hex digits</source>
        <translation>%1 sind nicht die 8 Hexadezimalziffern einer Lektion</translation>
    </message>
</context>
<context>
    <name>LabSummary</name>
    <message>
        <source>By the judge's clicks to stable (the learner's clicks left out):</source>
        <translation>Nach den Klicks des Schiedsrichters bis stabil (ohne die Klicks des Lerners):</translation>
    </message>
    <message>
        <source>Condition %1 (learner after %2 clicks): the learner brought %3 of %4 runs to stable.</source>
        <translation>Bedingung %1 (Lerner nach %2 Klicks): der Lerner machte %3 von %4 Durchgängen stabil.</translation>
    </message>
    <message>
        <source>Condition %1: pop %2 · creativity %3% · bonus %4 · strictness %5</source>
        <translation>Bedingung %1: Pop. %2 · Kreativität %3 % · Bonus %4 · Strenge %5</translation>
    </message>
    <message numerus="yes">
        <source>%1 runs, %2 reached</source>
        <translation>
            <numerusform>%1 Durchgang, %2 erreicht</numerusform>
            <numerusform>%1 Durchgänge, %2 erreicht</numerusform>
        </translation>
    </message>
    <message>
        <source>first match %1 · stable %2 (q1 / median / q3 clicks) · goal %3</source>
        <translation>erster Treffer %1 · stabil %2 (Q1 / Median / Q3 der Klicks) · Ziel %3</translation>
    </message>
    <message>
        <source>cond</source>
        <translation>Bed.</translation>
    </message>
    <message>
        <source>pop</source>
        <translation>Pop.</translation>
    </message>
    <message>
        <source>creat</source>
        <translation>Kreat.</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>strict</source>
        <translation>streng</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>Durchg.</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>erreicht</translation>
    </message>
    <message>
        <source>first match q1/med/q3</source>
        <translation>erster Treffer Q1/Med./Q3</translation>
    </message>
    <message>
        <source>stable q1/med/q3</source>
        <translation>stabil Q1/Med./Q3</translation>
    </message>
    <message>
        <source>goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Condition %1 against %2: %3 of %4 and %5 of %6 runs became stable, too few to compare (at least %7 each).</source>
        <translation>Bedingung %1 gegen %2: %3 von %4 und %5 von %6 Durchgängen wurden stabil, zu wenige für einen Vergleich (mindestens %7 je Bedingung).</translation>
    </message>
    <message>
        <source>Condition %1 against %2: median %3 against %4 clicks to stable (%5 of %6 and %7 of %8 runs stable), </source>
        <translation>Bedingung %1 gegen %2: Median %3 gegen %4 Klicks bis stabil (%5 von %6 und %7 von %8 Durchgängen stabil), </translation>
    </message>
    <message>
        <source>difference %1 (95% interval %2 to %3), Mann-Whitney %4 (exact). </source>
        <translation>Differenz %1 (95-%-Intervall %2 bis %3), Mann-Whitney %4 (exakt). </translation>
    </message>
    <message>
        <source>difference %1 (95% interval %2 to %3), Mann-Whitney %4 (normal approximation). </source>
        <translation>Differenz %1 (95-%-Intervall %2 bis %3), Mann-Whitney %4 (Normalverteilungsnäherung). </translation>
    </message>
    <message>
        <source>No clear difference.</source>
        <translation>Kein klarer Unterschied.</translation>
    </message>
    <message>
        <source>Condition %1 needs fewer clicks.</source>
        <translation>Bedingung %1 braucht weniger Klicks.</translation>
    </message>
    <message>
        <source>Condition %1 needs more clicks.</source>
        <translation>Bedingung %1 braucht mehr Klicks.</translation>
    </message>
    <message>
        <source>Against the first condition of the same goal, by the clicks to stable of the runs that became stable (runs stopped at the click limit are left out):</source>
        <translation>Gegen die erste Bedingung mit demselben Ziel, nach den Klicks bis stabil der stabil gewordenen Durchgänge (an der Klickgrenze gestoppte Durchgänge zählen nicht):</translation>
    </message>
    <message>
        <source>Against the first condition of the same goal, by the clicks to stable of the runs that became stable (runs stopped at the click limit are left out); the p-values are adjusted for the %1 comparisons (Holm):</source>
        <translation>Gegen die erste Bedingung mit demselben Ziel, nach den Klicks bis stabil der stabil gewordenen Durchgänge (an der Klickgrenze gestoppte Durchgänge zählen nicht); die p-Werte sind für die %1 Vergleiche korrigiert (Holm):</translation>
    </message>
</context>
</TS>

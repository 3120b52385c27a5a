<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ExperimentPages</name>
    <message>
        <source>Experiments</source>
        <translation>Experimente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Get started with vantrel 2.0

Vantrel is a fun application that shows you some principles of Darwinian evolution in a visual way.

First, you should play around with the tool a bit to discover how it works.

You can do that the easy way by pressing the light bulb button ("idea"). Then, try to develop an organism by pressing the "food" button or the "shoot" button, depending on how well the current organism fits your order.

For example, if you need to create a green circle, you press the "shoot" button when a red line is presented, but you might press the "food" button when you see a blue circle, hoping that it will mutate into a green one.</source>
        <translation>Los geht's mit Vantrel 2.0

Vantrel ist ein Programm zum Ausprobieren, das dir anschaulich einige Prinzipien der Evolution nach Darwin zeigt.

Spiel zuerst ein bisschen mit dem Programm herum, um herauszufinden, wie es funktioniert.

Am einfachsten geht das mit dem Knopf mit der Glühbirne („Idee“). Versuche dann, einen Organismus zu entwickeln, indem du auf „Füttern“ oder auf „Töten“ drückst – je nachdem, wie gut der aktuelle Organismus zu deinem Auftrag passt.

Wenn du zum Beispiel einen grünen Kreis erschaffen sollst, drückst du „Töten“, sobald eine rote Linie erscheint. Bei einem blauen Kreis drückst du vielleicht „Füttern“, in der Hoffnung, dass er zu einem grünen mutiert.</translation>
    </message>
    <message>
        <source>Exp 1</source>
        <translation>Exp. 1</translation>
    </message>
    <message>
        <source>Size matters.

When you start with a small population, it will drift far more easy than does a larger population. In a large population, it takes more time for new standards to break through.

For this experiment, you should perform the same task twice, but with a different population setting. In each case, count the number of clicks (feed and shoot) it takes before the population is stable.

First, set the start population count at 10. Press the "new" button to start with a fresh population, and develop an organism as described by the idea button. Keep clicking "feed" and "shoot" until your population developes an organism as described by the idea button.

Second, do the same with a population count of 50. You will see that it takes longer to develop the same organism in the second case.</source>
        <translation>Die Größe zählt.

Wenn du mit einer kleinen Population beginnst, driftet sie viel leichter als eine größere. In einer großen Population dauert es länger, bis sich etwas Neues durchsetzt.

Für dieses Experiment machst du dieselbe Aufgabe zweimal, aber mit einer anderen Größe der Population. Zähle jedes Mal die Klicks (Füttern und Töten), bis die Population stabil ist.

Stelle zuerst die Startpopulation auf 10. Drücke „Neu“, um mit einer frischen Population zu beginnen, und entwickle einen Organismus, wie ihn der Ideen-Knopf beschreibt. Klicke so lange auf „Füttern“ und „Töten“, bis deine Population einen Organismus entwickelt, wie ihn der Ideen-Knopf beschreibt.

Mach danach dasselbe mit einer Population von 50. Du wirst sehen, dass es im zweiten Fall länger dauert, denselben Organismus zu entwickeln.</translation>
    </message>
    <message>
        <source>Exp 2</source>
        <translation>Exp. 2</translation>
    </message>
    <message>
        <source>Creativity counts.

The effect of high creativity during evolution can be shown with a simple experiment with three populations (count=20) with different creativity settings (5%, 20% and 50%). 

In the first case, the population will develop new mutations slowly. This is a positive effect when the population does not need to change. 

With very high creativity settings, children will differ from their parents in a radical way (for example, a blue circle and a black line can give birth to a red triangle). This is positive when the population needs to change to survive.</source>
        <translation>Kreativität zählt.

Wie sich hohe Kreativität in der Evolution auswirkt, zeigt ein einfaches Experiment mit drei Populationen (Anzahl=20) mit unterschiedlicher Kreativität (5 %, 20 % und 50 %).

Im ersten Fall entwickelt die Population nur langsam neue Mutationen. Das ist gut, wenn sich die Population nicht verändern muss.

Bei sehr hoher Kreativität unterscheiden sich die Kinder stark von ihren Eltern (zum Beispiel können ein blauer Kreis und eine schwarze Linie ein rotes Dreieck hervorbringen). Das ist gut, wenn sich die Population verändern muss, um zu überleben.</translation>
    </message>
    <message>
        <source>Exp 3</source>
        <translation>Exp. 3</translation>
    </message>
    <message>
        <source>Large populations support more genetic diversity.

In this experiment, you will try to develop two organisms at the same time in the same population. You perform this tast twice, once with a small population (count=10), once with a larger population (count=30).

In the small population, you will see it is very difficult not to undo the effects of one positive evolution while concentrating on the second. The population will drift between the two aims.

In the larger population, it will take a while to develop two different organisms but there will be a steady growth towards both aims.</source>
        <translation>Große Populationen erhalten mehr genetische Vielfalt.

In diesem Experiment versuchst du, in derselben Population gleichzeitig zwei Organismen zu entwickeln. Du machst das zweimal: einmal mit einer kleinen Population (Anzahl=10) und einmal mit einer größeren (Anzahl=30).

In der kleinen Population merkst du, wie schwer es ist, den Fortschritt beim einen Organismus nicht wieder zunichtezumachen, während du dich auf den zweiten konzentrierst. Die Population pendelt zwischen den beiden Zielen hin und her.

In der größeren Population dauert es eine Weile, bis sich zwei verschiedene Organismen entwickeln, aber sie kommt beiden Zielen stetig näher.</translation>
    </message>
    <message>
        <source>Exp 4</source>
        <translation>Exp. 4</translation>
    </message>
    <message>
        <source>Add constraints, add time.

The more constraints you have, the more difficult it will be to develop an organism that fits these.

Perform five conditions, each one starting with a new population. Each experiment adds a constraint (shape, color, line size, type of line, rotation, presence of spokes,...).

Write down the number of clicks it takes to develop an organism that fits all constraints. You will notice that the number of clicks needed will rise.</source>
        <translation>Mehr Anforderungen, mehr Zeit.

Je mehr Anforderungen ein Organismus erfüllen muss, desto schwieriger ist es, ihn zu entwickeln.

Spiel fünf Bedingungen durch, jede mit einer neuen Population. Mit jeder Bedingung kommt eine Anforderung dazu (Form, Farbe, Linienstärke, Linienart, Drehung, mit oder ohne Speichen …).

Schreib auf, wie viele Klicks du brauchst, bis ein Organismus alle Anforderungen erfüllt. Du wirst merken, dass du immer mehr Klicks brauchst.</translation>
    </message>
    <message>
        <source>Exp 5</source>
        <translation>Exp. 5</translation>
    </message>
    <message>
        <source>The influence of God.

You are the God of the Vantrel universe. In this experiment, there are two conditions. In one condition, you are very strict about which organisms you tolerate (say, for example, you shoot all non-green and feed all green organisms). In the other case, you occasionally let a "misser" slip through an kill a "hitter".

Notice the effect on your population after a hundred clicks in each case.

After a hundred clicks, press the "idea" button and follow the instruction. Count the number of clicks it takes before a fitting organism developes. This will be substantially smaller in the "loose" condition than in the "strict" condition.</source>
        <translation>Der Einfluss Gottes.

Du bist der Gott des Vantrel-Universums. In diesem Experiment gibt es zwei Bedingungen. In der einen bist du sehr streng damit, welche Organismen du duldest (du tötest zum Beispiel alle nicht grünen und fütterst alle grünen Organismen). In der anderen lässt du ab und zu einen „Fehlgriff“ durchgehen und tötest einen „Treffer“.

Achte darauf, wie sich deine Population in beiden Fällen nach hundert Klicks verändert hat.

Drücke nach hundert Klicks auf „Idee“ und folge der Anweisung. Zähle, wie viele Klicks es dauert, bis sich ein passender Organismus entwickelt. Unter der „lockeren“ Bedingung sind es deutlich weniger als unter der „strengen“.</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>Error opening webpage</source>
        <translation>Fehler beim Öffnen der Webseite</translation>
    </message>
    <message>
        <source>Error Opening Webpage</source>
        <translation>Fehler beim Öffnen der Webseite</translation>
    </message>
    <message>
        <source>Error w71: Out of Memory</source>
        <translation>Fehler w71: Nicht genug Speicher</translation>
    </message>
    <message>
        <source>Error w72: File not found</source>
        <translation>Fehler w72: Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Error w73: Directory not</source>
        <translation>Fehler w73: Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>Error w74: Wrong format in EXE</source>
        <translation>Fehler w74: Falsches Format der EXE-Datei</translation>
    </message>
    <message>
        <source>Error Nr: %1 in ShellExecute</source>
        <translation>Fehler Nr. %1 in ShellExecute</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>Opened %1. Organisms: %2</source>
        <translation>%1 geöffnet. Organismen: %2</translation>
    </message>
    <message>
        <source>File %1 makes a table of %2 columns; a table can have at most %3.</source>
        <translation>Die Datei %1 ergibt eine Tabelle mit %2 Spalten; eine Tabelle kann höchstens %3 haben.</translation>
    </message>
    <message>
        <source>File %1 makes a table of %2 rows and %3 columns, more than the program can hold (at most %4 cells).</source>
        <translation>Die Datei %1 ergibt eine Tabelle mit %2 Zeilen und %3 Spalten, mehr als das Programm fassen kann (höchstens %4 Zellen).</translation>
    </message>
    <message>
        <source>File %1 is a spreadsheet or another packed file, not a table file. Open reads the table files that Save writes.</source>
        <translation>Die Datei %1 ist eine Tabellenkalkulation oder eine andere gepackte Datei, keine Tabellendatei. „Öffnen“ liest die Tabellendateien, die „Speichern“ schreibt.</translation>
    </message>
    <message>
        <source>File %1 holds binary data, not text: it is not a table file.</source>
        <translation>Die Datei %1 enthält Binärdaten, keinen Text: Sie ist keine Tabellendatei.</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben der Datei</translation>
    </message>
    <message>
        <source>File %1 holds no rows below the title row.</source>
        <translation>Die Datei %1 enthält keine Zeilen unter der Titelzeile.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Open organisms file</source>
        <translation>Organismen-Datei öffnen</translation>
    </message>
    <message>
        <source>save organisms file</source>
        <translation>Organismen-Datei speichern</translation>
    </message>
    <message>
        <source>Simple Table Files (%1)</source>
        <translation>Einfache Tabellendateien (%1)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Alle Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>Cell %1 holds %2 characters; a cell can hold at most %3</source>
        <translation>Die Zelle %1 enthält %2 Zeichen; eine Zelle kann höchstens %3 enthalten</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Ordner</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>DNA</source>
        <translation>DNA</translation>
    </message>
    <message>
        <source>Survival</source>
        <translation>Überleben</translation>
    </message>
</context>
<context>
    <name>FamilyTree</name>
    <message>
        <source>%1 · loaded root</source>
        <translation>%1 · Wurzel aus einer Datei</translation>
    </message>
    <message>
        <source>loaded in step %1</source>
        <translation>aus einer Datei geöffnet in Schritt %1</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Stammbaum</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the previous tree</source>
        <translation>Zurück zum vorigen Stammbaum</translation>
    </message>
    <message>
        <source>Back to the tree shown before (Alt+Left)</source>
        <translation>Zurück zum Stammbaum, der vorher zu sehen war (Alt+Links)</translation>
    </message>
    <message>
        <source>No organism selected.</source>
        <translation>Kein Organismus ausgewählt.</translation>
    </message>
    <message>
        <source>first parent</source>
        <translation>erster Elternteil</translation>
    </message>
    <message>
        <source>second parent</source>
        <translation>zweiter Elternteil</translation>
    </message>
    <message>
        <source>mutation</source>
        <translation>Mutation</translation>
    </message>
    <message>
        <source>root</source>
        <translation>Wurzel</translation>
    </message>
    <message>
        <source>Digits: </source>
        <translation>Ziffern: </translation>
    </message>
    <message>
        <source> from the first parent, </source>
        <translation> vom ersten Elternteil, </translation>
    </message>
    <message>
        <source> from the second parent (underlined), </source>
        <translation> vom zweiten Elternteil (unterstrichen), </translation>
    </message>
    <message>
        <source> mutation (bold, boxed), </source>
        <translation> Mutation (fett, eingerahmt), </translation>
    </message>
    <message>
        <source> root (founder or loaded).</source>
        <translation> Wurzel (Gründer oder geladen).</translation>
    </message>
    <message>
        <source> Click a living ancestor to select it, a dead one to see its tree.</source>
        <translation> Klicke auf einen lebenden Vorfahren, um ihn auszuwählen, auf einen toten, um seinen Stammbaum zu sehen.</translation>
    </message>
    <message>
        <source>Parents</source>
        <translation>Eltern</translation>
    </message>
    <message>
        <source>Grandparents</source>
        <translation>Großeltern</translation>
    </message>
    <message>
        <source>Great-grandparents</source>
        <translation>Urgroßeltern</translation>
    </message>
    <message>
        <source>Great-great-grandparents</source>
        <translation>Ururgroßeltern</translation>
    </message>
    <message>
        <source>Great-great-great-grandparents</source>
        <translation>Urururgroßeltern</translation>
    </message>
    <message>
        <source>ID %1 · living</source>
        <translation>ID %1 · lebt</translation>
    </message>
    <message>
        <source>ID %1 · dead</source>
        <translation>ID %1 · tot</translation>
    </message>
    <message>
        <source>%1 · root</source>
        <translation>%1 · Wurzel</translation>
    </message>
    <message>
        <source>%1 · root (P1 %2, P2 %3)</source>
        <translation>%1 · Wurzel (P1 %2, P2 %3)</translation>
    </message>
    <message>
        <source>there at the start</source>
        <translation>von Anfang an da</translation>
    </message>
    <message>
        <source>born in step %1</source>
        <translation>geboren in Schritt %1</translation>
    </message>
    <message>
        <source>shot in step %1</source>
        <translation>getötet in Schritt %1</translation>
    </message>
    <message>
        <source>replaced by a new gene pool in step %1</source>
        <translation>ersetzt durch einen neuen Genpool in Schritt %1</translation>
    </message>
    <message>
        <source>replaced by a load in step %1</source>
        <translation>ersetzt durch eine geöffnete Tabelle in Schritt %1</translation>
    </message>
    <message>
        <source>living</source>
        <translation>lebt</translation>
    </message>
    <message>
        <source>Gene pool %1 · P1 %2 · P2 %3 · survival at birth %4
%5 · %6</source>
        <translation>Genpool %1 · P1 %2 · P2 %3 · Überleben bei der Geburt %4
%5 · %6</translation>
    </message>
    <message numerus="yes">
        <source>%n first parent</source>
        <translation>
            <numerusform>%n vom ersten Elternteil</numerusform>
            <numerusform>%n vom ersten Elternteil</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second parent</source>
        <translation>
            <numerusform>%n vom zweiten Elternteil</numerusform>
            <numerusform>%n vom zweiten Elternteil</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mutation</source>
        <translation>
            <numerusform>%n Mutation</numerusform>
            <numerusform>%n Mutationen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n root</source>
        <translation>
            <numerusform>%n von der Wurzel</numerusform>
            <numerusform>%n von der Wurzel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Restore population</source>
        <translation>Population wiederherstellen</translation>
    </message>
    <message>
        <source>There is no journal to restore from in this run.</source>
        <translation>In dieser Sitzung gibt es kein Journal, aus dem du etwas wiederherstellen kannst.</translation>
    </message>
    <message>
        <source>There is no earlier run to restore.</source>
        <translation>Es gibt keine frühere Sitzung zum Wiederherstellen.</translation>
    </message>
    <message>
        <source>Vantrel ended unexpectedly. Restore the population of that run (%1, %2)?</source>
        <translation>Vantrel wurde unerwartet beendet. Möchtest du die Population dieser Sitzung wiederherstellen (%1, %2)?</translation>
    </message>
    <message numerus="yes">
        <source>%n organisms</source>
        <translation>
            <numerusform>%n Organismus</numerusform>
            <numerusform>%n Organismen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n steps</source>
        <translation>
            <numerusform>%n Schritt</numerusform>
            <numerusform>%n Schritte</numerusform>
        </translation>
    </message>
    <message>
        <source>Vantrel cannot keep its journal in %1 (%2). It goes on without one: undo still works, but a crash would lose the population.</source>
        <translation>Vantrel kann sein Journal nicht in %1 führen (%2). Es arbeitet ohne weiter: Rückgängig geht weiterhin, aber bei einem Absturz wäre die Population verloren.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged and cannot be restored.</source>
        <translation>Das Journal %1 ist beschädigt und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The journal %1 was written by a newer version of Vantrel and cannot be read by this one.</source>
        <translation>Das Journal %1 wurde von einer neueren Version von Vantrel geschrieben und kann von dieser nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>The journal %1 was damaged: the last %n steps could not be restored.</source>
        <translation>
            <numerusform>Das Journal %1 war beschädigt: Der letzte Schritt konnte nicht wiederhergestellt werden.</numerusform>
            <numerusform>Das Journal %1 war beschädigt: Die letzten %n Schritte konnten nicht wiederhergestellt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The journal %1 breaks off; it was restored as far as it fits.</source>
        <translation>Das Journal %1 bricht ab; es wurde so weit wiederhergestellt, wie es reicht.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>in den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the journal is locked by another program</source>
        <translation>das Journal ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>the journal is damaged</source>
        <translation>das Journal ist beschädigt</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>Export runs</source>
        <translation>Durchgänge exportieren</translation>
    </message>
    <message>
        <source>CSV files (%1)</source>
        <translation>CSV-Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Save workbook</source>
        <translation>Arbeitsmappe speichern</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>No spreadsheet program</source>
        <translation>Keine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>%1.

Save the workbook to a file instead?</source>
        <translation>%1.

Die Arbeitsmappe stattdessen als Datei speichern?</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>%1: larger than %2 MB, skipped.</source>
        <translation>%1: größer als %2 MB, übersprungen.</translation>
    </message>
    <message>
        <source>%1: not a runs file, skipped.</source>
        <translation>%1: keine Datei mit Durchgängen, übersprungen.</translation>
    </message>
    <message>
        <source>%1, line %2: damaged, skipped.</source>
        <translation>%1, Zeile %2: beschädigt, übersprungen.</translation>
    </message>
    <message>
        <source>%1, line %2: run %3 was read before, skipped.</source>
        <translation>%1, Zeile %2: Durchgang %3 wurde schon gelesen, übersprungen.</translation>
    </message>
    <message>
        <source>%1, line %2: more than %3 runs in all, the rest skipped.</source>
        <translation>%1, Zeile %2: mehr als %3 Durchgänge insgesamt, der Rest übersprungen.</translation>
    </message>
    <message>
        <source>No runs to summarize.</source>
        <translation>Keine Durchgänge zum Zusammenfassen.</translation>
    </message>
    <message>
        <source>Runs of no lesson, kept apart:</source>
        <translation>Durchgänge ohne Lektion, getrennt gehalten:</translation>
    </message>
    <message>
        <source>Runs of another lesson (%1), kept apart:</source>
        <translation>Durchgänge einer anderen Lektion (%1), getrennt gehalten:</translation>
    </message>
    <message>
        <source>Runs without a name:</source>
        <translation>Durchgänge ohne Namen:</translation>
    </message>
    <message>
        <source>Pupil %1:</source>
        <translation>Schüler %1:</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>What to do</source>
        <translation>Was du tust</translation>
    </message>
    <message>
        <source>Your counts</source>
        <translation>Deine Zählungen</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Durchgang</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Füttern</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Töten</translation>
    </message>
    <message>
        <source>Clicks to first match</source>
        <translation>Klicks bis zum ersten Treffer</translation>
    </message>
    <message>
        <source>Clicks to stable</source>
        <translation>Klicks bis stabil</translation>
    </message>
    <message>
        <source>Set the start population to 10 and press "New" for a fresh population.</source>
        <translation>Stelle die Startpopulation auf 10 und drücke „Neu“ für eine frische Population.</translation>
    </message>
    <message>
        <source>Take the lesson's goal, or press the idea button (the light bulb) for one.</source>
        <translation>Nimm das Ziel der Lektion, oder drücke den Ideen-Knopf (die Glühbirne) für eines.</translation>
    </message>
    <message>
        <source>Feed and shoot until an organism matches the goal, then go on until the population is stable. Write down your counts.</source>
        <translation>Füttere und töte, bis ein Organismus zum Ziel passt, und mach weiter, bis die Population stabil ist. Schreib deine Zahlen auf.</translation>
    </message>
    <message>
        <source>Do the same with a start population of 50.</source>
        <translation>Mach dasselbe mit einer Startpopulation von 50.</translation>
    </message>
    <message>
        <source>Which population reached the goal in fewer clicks?</source>
        <translation>Welche Population hat das Ziel mit weniger Klicks erreicht?</translation>
    </message>
    <message>
        <source>Why does a small population drift more easily than a large one?</source>
        <translation>Warum driftet eine kleine Population leichter als eine große?</translation>
    </message>
    <message>
        <source>Compare your counts with your classmates'. Did everyone find the same difference?</source>
        <translation>Vergleiche deine Zahlen mit denen deiner Mitschüler. Haben alle denselben Unterschied gefunden?</translation>
    </message>
    <message>
        <source>Set the start population to 20 and the creativity to 5, then press "New".</source>
        <translation>Stelle die Startpopulation auf 20 und die Kreativität auf 5, dann drücke „Neu“.</translation>
    </message>
    <message>
        <source>Feed and shoot towards the goal until the population is stable. Write down your counts.</source>
        <translation>Füttere und töte auf das Ziel hin, bis die Population stabil ist. Schreib deine Zahlen auf.</translation>
    </message>
    <message>
        <source>Do the same with the creativity at 20, and again at 50, each time after "New".</source>
        <translation>Mach dasselbe mit der Kreativität auf 20 und noch einmal auf 50, jedes Mal nach „Neu“.</translation>
    </message>
    <message>
        <source>At which creativity did the children look most like their parents?</source>
        <translation>Bei welcher Kreativität sahen die Kinder ihren Eltern am ähnlichsten?</translation>
    </message>
    <message>
        <source>Which setting reached the goal in the fewest clicks, and which was hardest to keep stable?</source>
        <translation>Welche Einstellung hat das Ziel mit den wenigsten Klicks erreicht, und bei welcher blieb die Population am schwersten stabil?</translation>
    </message>
    <message>
        <source>When is high creativity good for a population, and when is low creativity better?</source>
        <translation>Wann ist hohe Kreativität gut für eine Population, und wann ist niedrige besser?</translation>
    </message>
    <message>
        <source>Choose two different organisms to develop at the same time, for example a green circle and a red line.</source>
        <translation>Wähle zwei verschiedene Organismen, die du gleichzeitig entwickelst, zum Beispiel einen grünen Kreis und eine rote Linie.</translation>
    </message>
    <message>
        <source>Set the start population to 10 and press "New".</source>
        <translation>Stelle die Startpopulation auf 10 und drücke „Neu“.</translation>
    </message>
    <message>
        <source>Feed what looks like either of them and shoot the rest until both are in the population. Write down your counts.</source>
        <translation>Füttere, was einem der beiden ähnelt, und töte den Rest, bis beide in der Population sind. Schreib deine Zahlen auf.</translation>
    </message>
    <message>
        <source>Do the same with a start population of 30.</source>
        <translation>Mach dasselbe mit einer Startpopulation von 30.</translation>
    </message>
    <message>
        <source>In the small population, could you keep both organisms, or did it drift between them?</source>
        <translation>Konntest du in der kleinen Population beide Organismen behalten, oder driftete sie zwischen ihnen hin und her?</translation>
    </message>
    <message>
        <source>How did the larger population move towards both aims?</source>
        <translation>Wie hat sich die größere Population auf beide Ziele zubewegt?</translation>
    </message>
    <message>
        <source>Why can a larger population hold more different organisms?</source>
        <translation>Warum kann eine größere Population mehr verschiedene Organismen halten?</translation>
    </message>
    <message>
        <source>Press "New" and develop an organism with one demand, for example its shape. Write down your counts.</source>
        <translation>Drücke „Neu“ und entwickle einen Organismus mit einer Vorgabe, zum Beispiel seiner Form. Schreib deine Zahlen auf.</translation>
    </message>
    <message>
        <source>Press "New" again and add a second demand, for example its colour.</source>
        <translation>Drücke wieder „Neu“ und nimm eine zweite Vorgabe dazu, zum Beispiel seine Farbe.</translation>
    </message>
    <message>
        <source>Go on until you have five conditions, each adding one demand: line width, kind of line, spokes.</source>
        <translation>Mach weiter, bis du fünf Bedingungen hast, jede mit einer Vorgabe mehr: Linienbreite, Art der Linie, Speichen.</translation>
    </message>
    <message>
        <source>How did the number of clicks change with each demand you added?</source>
        <translation>Wie hat sich die Zahl der Klicks mit jeder neuen Vorgabe verändert?</translation>
    </message>
    <message>
        <source>Did every demand add the same number of clicks? Which one cost the most?</source>
        <translation>Hat jede Vorgabe gleich viele Klicks mehr gekostet? Welche hat am meisten gekostet?</translation>
    </message>
    <message>
        <source>What does this tell you about how long nature takes to shape an organism with many features?</source>
        <translation>Was sagt dir das darüber, wie lange die Natur braucht, um einen Organismus mit vielen Merkmalen zu formen?</translation>
    </message>
    <message>
        <source>Press "New" and be strict for a hundred clicks: feed every green organism and shoot all others.</source>
        <translation>Drücke „Neu“ und sei hundert Klicks lang streng: Füttere jeden grünen Organismus und töte alle anderen.</translation>
    </message>
    <message>
        <source>Press the idea button (the light bulb) and follow the idea. Write down your counts until an organism fits it.</source>
        <translation>Drücke den Ideen-Knopf (die Glühbirne) und folge der Idee. Schreib deine Zahlen auf, bis ein Organismus dazu passt.</translation>
    </message>
    <message>
        <source>Press "New" and be loose for a hundred clicks: now and then let a non-green organism live and shoot a green one.</source>
        <translation>Drücke „Neu“ und sei hundert Klicks lang locker: Lass ab und zu einen nicht grünen Organismus leben und töte einen grünen.</translation>
    </message>
    <message>
        <source>Press the idea button again and write down your counts until an organism fits.</source>
        <translation>Drücke wieder den Ideen-Knopf und schreib deine Zahlen auf, bis ein Organismus passt.</translation>
    </message>
    <message>
        <source>How did your population look after a hundred strict clicks, and after a hundred loose ones?</source>
        <translation>Wie sah deine Population nach hundert strengen Klicks aus, und wie nach hundert lockeren?</translation>
    </message>
    <message>
        <source>After which condition did the idea take fewer clicks?</source>
        <translation>Nach welcher Bedingung hat die Idee weniger Klicks gebraucht?</translation>
    </message>
    <message>
        <source>Why can letting a few "missers" live help a population to change later?</source>
        <translation>Warum kann es einer Population helfen, sich später zu verändern, wenn ein paar „Fehlgriffe“ leben dürfen?</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>This link does not hold a Vantrel lesson.</source>
        <translation>Dieser Link enthält keine Vantrel-Lektion.</translation>
    </message>
</context>
<context>
    <name>Learner</name>
    <message>
        <source>What you select for</source>
        <translation>Worauf du selektierst</translation>
    </message>
    <message>
        <source>Judge like me</source>
        <translation>Urteile wie ich</translation>
    </message>
    <message>
        <source>keeps %1, strength %2%</source>
        <translation>behält %1, Stärke %2 %</translation>
    </message>
    <message>
        <source>shoots %1, strength %2%</source>
        <translation>tötet %1, Stärke %2 %</translation>
    </message>
    <message numerus="yes">
        <source>Predicted %1 of your last %n clicks</source>
        <translation>
            <numerusform>%1 deines letzten Klicks vorhergesagt</numerusform>
            <numerusform>%1 deiner letzten %n Klicks vorhergesagt</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget what it learned</source>
        <translation>Gelerntes vergessen</translation>
    </message>
    <message>
        <source>Chance kept</source>
        <translation>Chance aufs Behalten</translation>
    </message>
    <message>
        <source>Clicks</source>
        <translation>Klicks</translation>
    </message>
    <message>
        <source>Clicks per second</source>
        <translation>Klicks pro Sekunde</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Feed and kill organisms: it learns what you select for from your clicks.</source>
        <translation>Füttere und töte Organismen: aus deinen Klicks lernt es, worauf du selektierst.</translation>
    </message>
    <message>
        <source>%1% kept</source>
        <translation>%1 % behalten</translation>
    </message>
    <message numerus="yes">
        <source>Judged %1 of %n clicks</source>
        <translation>
            <numerusform>%1 von %n Klick beurteilt</numerusform>
            <numerusform>%1 von %n Klicks beurteilt</numerusform>
        </translation>
    </message>
    <message>
        <source>Your clicks: %1</source>
        <translation>Deine Klicks: %1</translation>
    </message>
    <message>
        <source>Clicks of the learner: %1</source>
        <translation>Klicks des Lernmodells: %1</translation>
    </message>
</context>
</TS>

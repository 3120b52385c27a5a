<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>IdeaOpening</name>
    <message>
        <source>You, the Almighty, have decided to make a living being that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>Jij, de Almachtige, hebt besloten een levend wezen te maken dat</translation>
    </message>
    <message>
        <source>Create an organism that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>Schep een organisme dat</translation>
    </message>
    <message>
        <source>Make an organism that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>Maak een organisme dat</translation>
    </message>
    <message>
        <source>Use your divine powers to make a being that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>Gebruik je goddelijke krachten om een wezen te maken dat</translation>
    </message>
    <message>
        <source>The world needs an organism that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>De wereld heeft een organisme nodig dat</translation>
    </message>
</context>
<context>
    <name>IdeaSentence</name>
    <message>
        <source>looks like %1.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>eruitziet als %1.</translation>
    </message>
    <message>
        <source>looks %1 with %2 lines.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>er %1 uitziet en met %2 lijnen getekend is.</translation>
    </message>
    <message>
        <source>is %1 with spokes.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>%1 is en spaken heeft.</translation>
    </message>
    <message>
        <source>is %1 without spokes.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>%1 is en geen spaken heeft.</translation>
    </message>
    <message>
        <source>is %1 with spokes and %2 lines.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>%1 met spaken en met %2 lijnen is.</translation>
    </message>
    <message>
        <source>is %1 without spokes, with %2 lines.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>%1 zonder spaken, maar met %2 lijnen is.</translation>
    </message>
    <message>
        <source>will be called "%1".</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>“%1” gaat heten.</translation>
    </message>
</context>
<context>
    <name>GoalSentence</name>
    <message>
        <source>looks like %1.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>ziet eruit als %1.</translation>
    </message>
    <message>
        <source>looks %1 with %2 lines.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>ziet er %1 uit en is met %2 lijnen getekend.</translation>
    </message>
    <message>
        <source>is %1 with spokes.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>is %1 en heeft spaken.</translation>
    </message>
    <message>
        <source>is %1 without spokes.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>is %1 en heeft geen spaken.</translation>
    </message>
    <message>
        <source>is %1 with spokes and %2 lines.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>is %1 met spaken en met %2 lijnen.</translation>
    </message>
    <message>
        <source>is %1 without spokes, with %2 lines.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>is %1 zonder spaken, maar met %2 lijnen.</translation>
    </message>
    <message>
        <source>will be called "%1".</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>gaat “%1” heten.</translation>
    </message>
</context>
<context>
    <name>OrganismInWords</name>
    <message>
        <source>an invisible organism</source>
        <extracomment>The organism as the program sees it. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>een onzichtbaar organisme</translation>
    </message>
    <message>
        <source>%1 with spokes and %2 lines</source>
        <extracomment>The organism as the program sees it. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 met spaken en %2 lijnen</translation>
    </message>
    <message>
        <source>%1 without spokes and %2 lines</source>
        <extracomment>The organism as the program sees it. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 zonder spaken, met %2 lijnen</translation>
    </message>
</context>
<context>
    <name>GoalInWords</name>
    <message>
        <source>organism</source>
        <extracomment>The noun said when a goal chooses no shape. Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>het organisme</translation>
    </message>
    <message>
        <source>%1 with spokes</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 met spaken</translation>
    </message>
    <message>
        <source>%1 without spokes</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 zonder spaken</translation>
    </message>
    <message>
        <source>%1 with %2 lines</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 met %2 lijnen</translation>
    </message>
    <message>
        <source>%1 with spokes and %2 lines</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 met spaken en %2 lijnen</translation>
    </message>
    <message>
        <source>%1 without spokes, with %2 lines</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 zonder spaken, met %2 lijnen</translation>
    </message>
</context>
<context>
    <name>IdeaIntensity</name>
    <message>
        <source>pale</source>
        <extracomment>Joined to the colour as one word (hellrot, lichtrood).</extracomment>
        <translation>bleek</translation>
    </message>
    <message>
        <source>light</source>
        <extracomment>Joined to the colour as one word (hellrot, lichtrood).</extracomment>
        <translation>licht</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Joined to the colour as one word (hellrot, lichtrood).</extracomment>
        <translation>midden</translation>
    </message>
    <message>
        <source>dark</source>
        <extracomment>Joined to the colour as one word (hellrot, lichtrood).</extracomment>
        <translation>donker</translation>
    </message>
</context>
<context>
    <name>IdeaColour</name>
    <message>
        <source>red</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>rood/rode</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>blauw/blauwe</translation>
    </message>
    <message>
        <source>brown</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>bruin/bruine</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>groen/groene</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>zwart/zwarte</translation>
    </message>
    <message>
        <source>purple</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>paars/paarse</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>geel/gele</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>gray</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>grijs/grijze</translation>
    </message>
    <message>
        <source>bordeaux</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>bordeauxrood/bordeauxrode</translation>
    </message>
</context>
<context>
    <name>IdeaLookalike</name>
    <message>
        <source>strawberry</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>de aardbei</translation>
    </message>
    <message>
        <source>wheel</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>het wiel</translation>
    </message>
    <message>
        <source>cube on its side</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>de kubus op zijn kant</translation>
    </message>
    <message>
        <source>marble</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>de knikker</translation>
    </message>
    <message>
        <source>windmill</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>de windmolen</translation>
    </message>
</context>
<context>
    <name>IdeaLineStyle</name>
    <message>
        <source>broken</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>onderbroken</translation>
    </message>
    <message>
        <source>thin</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>dun/dunne</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>middeldik/middeldikke</translation>
    </message>
    <message>
        <source>bold</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>vet/vette</translation>
    </message>
    <message>
        <source>heavy</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>zwaar/zware</translation>
    </message>
</context>
<context>
    <name>IdeaSpokes</name>
    <message>
        <source>with spokes</source>
        <extracomment>Shown on its own in the list of judged words.</extracomment>
        <translation>met spaken</translation>
    </message>
    <message>
        <source>without spokes</source>
        <extracomment>Shown on its own in the list of judged words.</extracomment>
        <translation>zonder spaken</translation>
    </message>
</context>
<context>
    <name>IdeaSize</name>
    <message>
        <source>tiny</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>piepklein/piepkleine</translation>
    </message>
    <message>
        <source>small</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>klein/kleine</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>middelgroot/middelgrote</translation>
    </message>
    <message>
        <source>large</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>groot/grote</translation>
    </message>
    <message>
        <source>giant</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>reusachtig/reusachtige</translation>
    </message>
</context>
<context>
    <name>IdeaThickness</name>
    <message>
        <source>fine</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>fijn/fijne</translation>
    </message>
    <message>
        <source>thin</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>dun/dunne</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>middeldik/middeldikke</translation>
    </message>
    <message>
        <source>fat</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>breed/brede</translation>
    </message>
    <message>
        <source>thick</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>dik/dikke</translation>
    </message>
</context>
<context>
    <name>IdeaShape</name>
    <message>
        <source>line</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>de lijn</translation>
    </message>
    <message>
        <source>triangle</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>de driehoek</translation>
    </message>
    <message>
        <source>square</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>het vierkant</translation>
    </message>
    <message>
        <source>polygon</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>de veelhoek</translation>
    </message>
    <message>
        <source>circle</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>de cirkel</translation>
    </message>
</context>
</TS>

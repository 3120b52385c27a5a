<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>IdeaOpening</name>
    <message>
        <source>You, the Almighty, have decided to make a living being that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>Du, der Allmächtige, hast beschlossen, ein Lebewesen zu erschaffen, das</translation>
    </message>
    <message>
        <source>Create an organism that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>Erschaffe einen Organismus, der</translation>
    </message>
    <message>
        <source>Make an organism that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>Mach einen Organismus, der</translation>
    </message>
    <message>
        <source>Use your divine powers to make a being that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>Nutze deine göttlichen Kräfte, um ein Wesen zu erschaffen, das</translation>
    </message>
    <message>
        <source>The world needs an organism that</source>
        <extracomment>Opens the idea. Ends in the relative pronoun that agrees with its noun, the rest of the sentence follows as a relative clause.</extracomment>
        <translation>Die Welt braucht einen Organismus, der</translation>
    </message>
</context>
<context>
    <name>IdeaSentence</name>
    <message>
        <source>looks like %1.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>wie %1 aussieht.</translation>
    </message>
    <message>
        <source>looks %1 with %2 lines.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>%1 aussieht und mit %2 Linien gezeichnet ist.</translation>
    </message>
    <message>
        <source>is %1 with spokes.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>%1 ist und Speichen hat.</translation>
    </message>
    <message>
        <source>is %1 without spokes.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>%1 ist und keine Speichen hat.</translation>
    </message>
    <message>
        <source>is %1 with spokes and %2 lines.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>%1 mit Speichen und mit %2 Linien ist.</translation>
    </message>
    <message>
        <source>is %1 without spokes, with %2 lines.</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>%1 ohne Speichen, aber mit %2 Linien ist.</translation>
    </message>
    <message>
        <source>will be called "%1".</source>
        <extracomment>Follows the opening as a relative clause (verb last). %1 and %2 are composed: a noun phrase with its article (nominative), a colour on its own, or an adjective before the plural lines after with (dative).</extracomment>
        <translation>„%1“ heißen soll.</translation>
    </message>
</context>
<context>
    <name>GoalSentence</name>
    <message>
        <source>looks like %1.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>sieht aus wie %1.</translation>
    </message>
    <message>
        <source>looks %1 with %2 lines.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>sieht %1 aus und ist mit %2 Linien gezeichnet.</translation>
    </message>
    <message>
        <source>is %1 with spokes.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>ist %1 und hat Speichen.</translation>
    </message>
    <message>
        <source>is %1 without spokes.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>ist %1 und hat keine Speichen.</translation>
    </message>
    <message>
        <source>is %1 with spokes and %2 lines.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>ist %1 mit Speichen und mit %2 Linien.</translation>
    </message>
    <message>
        <source>is %1 without spokes, with %2 lines.</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>ist %1 ohne Speichen, aber mit %2 Linien.</translation>
    </message>
    <message>
        <source>will be called "%1".</source>
        <extracomment>The same sentence shown on its own as the goal, without its subject (the organism).</extracomment>
        <translation>soll „%1“ heißen.</translation>
    </message>
</context>
<context>
    <name>OrganismInWords</name>
    <message>
        <source>an invisible organism</source>
        <extracomment>The organism as the program sees it. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>ein unsichtbarer Organismus</translation>
    </message>
    <message>
        <source>%1 with spokes and %2 lines</source>
        <extracomment>The organism as the program sees it. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 mit Speichen und %2 Linien</translation>
    </message>
    <message>
        <source>%1 without spokes and %2 lines</source>
        <extracomment>The organism as the program sees it. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 ohne Speichen, mit %2 Linien</translation>
    </message>
</context>
<context>
    <name>GoalInWords</name>
    <message>
        <source>organism</source>
        <extracomment>The noun said when a goal chooses no shape. Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>der Organismus</translation>
    </message>
    <message>
        <source>%1 with spokes</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 mit Speichen</translation>
    </message>
    <message>
        <source>%1 without spokes</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 ohne Speichen</translation>
    </message>
    <message>
        <source>%1 with %2 lines</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 mit %2 Linien</translation>
    </message>
    <message>
        <source>%1 with spokes and %2 lines</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 mit Speichen und %2 Linien</translation>
    </message>
    <message>
        <source>%1 without spokes, with %2 lines</source>
        <extracomment>A goal of chosen words. %1 is a noun phrase with its article (nominative), %2 the adjectives before the plural lines after with (dative).</extracomment>
        <translation>%1 ohne Speichen, mit %2 Linien</translation>
    </message>
</context>
<context>
    <name>IdeaIntensity</name>
    <message>
        <source>pale</source>
        <extracomment>Joined to the colour as one word (hellrot, lichtrood).</extracomment>
        <translation>blass</translation>
    </message>
    <message>
        <source>light</source>
        <extracomment>Joined to the colour as one word (hellrot, lichtrood).</extracomment>
        <translation>hell</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>Joined to the colour as one word (hellrot, lichtrood).</extracomment>
        <translation>mittel</translation>
    </message>
    <message>
        <source>dark</source>
        <extracomment>Joined to the colour as one word (hellrot, lichtrood).</extracomment>
        <translation>dunkel</translation>
    </message>
</context>
<context>
    <name>IdeaColour</name>
    <message>
        <source>red</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>rot</translation>
    </message>
    <message>
        <source>blue</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>blau</translation>
    </message>
    <message>
        <source>brown</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>braun</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>grün</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>purple</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>violett</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>gelb</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>orange/orangefarben</translation>
    </message>
    <message>
        <source>gray</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>grau</translation>
    </message>
    <message>
        <source>bordeaux</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>bordeauxrot</translation>
    </message>
</context>
<context>
    <name>IdeaLookalike</name>
    <message>
        <source>strawberry</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>die Erdbeere</translation>
    </message>
    <message>
        <source>wheel</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>das Rad</translation>
    </message>
    <message>
        <source>cube on its side</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>der Würfel auf der Seite</translation>
    </message>
    <message>
        <source>marble</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>die Murmel</translation>
    </message>
    <message>
        <source>windmill</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>die Windmühle</translation>
    </message>
</context>
<context>
    <name>IdeaLineStyle</name>
    <message>
        <source>broken</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>gestrichelt</translation>
    </message>
    <message>
        <source>thin</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>dünn</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>mittelstark</translation>
    </message>
    <message>
        <source>bold</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>fett</translation>
    </message>
    <message>
        <source>heavy</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>kräftig</translation>
    </message>
</context>
<context>
    <name>IdeaSpokes</name>
    <message>
        <source>with spokes</source>
        <extracomment>Shown on its own in the list of judged words.</extracomment>
        <translation>mit Speichen</translation>
    </message>
    <message>
        <source>without spokes</source>
        <extracomment>Shown on its own in the list of judged words.</extracomment>
        <translation>ohne Speichen</translation>
    </message>
</context>
<context>
    <name>IdeaSize</name>
    <message>
        <source>tiny</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>winzig</translation>
    </message>
    <message>
        <source>small</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>klein</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>mittelgroß</translation>
    </message>
    <message>
        <source>large</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>groß</translation>
    </message>
    <message>
        <source>giant</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>riesig</translation>
    </message>
</context>
<context>
    <name>IdeaThickness</name>
    <message>
        <source>fine</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>fein</translation>
    </message>
    <message>
        <source>thin</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>dünn</translation>
    </message>
    <message>
        <source>medium</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>mittelstark</translation>
    </message>
    <message>
        <source>fat</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>breit</translation>
    </message>
    <message>
        <source>thick</source>
        <extracomment>One form, or the form on its own and the form that takes endings before a noun, separated by a slash (rood/rode).</extracomment>
        <translation>dick</translation>
    </message>
</context>
<context>
    <name>IdeaShape</name>
    <message>
        <source>line</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>die Linie</translation>
    </message>
    <message>
        <source>triangle</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>das Dreieck</translation>
    </message>
    <message>
        <source>square</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>das Quadrat</translation>
    </message>
    <message>
        <source>polygon</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>das Vieleck</translation>
    </message>
    <message>
        <source>circle</source>
        <extracomment>Starts with the definite article, which gives the gender: der/die/das, de/het.</extracomment>
        <translation>der Kreis</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>vantrel::PopulationWindow</name>
    <message numerus="yes">
        <source>%Ln organism(s)</source>
        <translation>
            <numerusform>%Ln organism</numerusform>
            <numerusform>%Ln organisms</numerusform>
        </translation>
    </message>
</context>
</TS>

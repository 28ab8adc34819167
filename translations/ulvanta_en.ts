<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BuildController</name>
    <message numerus="yes">
        <source>Built %1: %n icon(s), %2 extracted</source>
        <translation>
            <numerusform>Built %1: %n icon, %2 extracted</numerusform>
            <numerusform>Built %1: %n icons, %2 extracted</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportController</name>
    <message numerus="yes">
        <source>%1 item(s) were successfully added</source>
        <translation>
            <numerusform>%1 item was successfully added</numerusform>
            <numerusform>%1 items were successfully added</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ulvanta::intake::IntakeNotes</name>
    <message numerus="yes">
        <source>%n link(s) skipped: it would start a program</source>
        <translation>
            <numerusform>%n link skipped: it would start a program</numerusform>
            <numerusform>%n links skipped: they would start programs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) changed so that it does not read as a section</source>
        <translation>
            <numerusform>%n title changed so that it does not read as a section</numerusform>
            <numerusform>%n titles changed so that they do not read as sections</numerusform>
        </translation>
    </message>
</context>
</TS>

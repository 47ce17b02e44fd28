<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="it_IT">
<context>
    <name>velmo::PersonalFoodCommands</name>
    <message numerus="yes">
        <source>Importati %n alimenti da %1: %2 nuovi, %3 aggiornati.</source>
        <translation>
            <numerusform>Importati %n alimenti da %1: %2 nuovi, %3 aggiornati.</numerusform>
            <numerusform>Importati %n alimenti da %1: %2 nuovi, %3 aggiornati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Esportati %n alimenti personali in %1.</source>
        <translation>
            <numerusform>Esportati %n alimenti personali in %1.</numerusform>
            <numerusform>Esportati %n alimenti personali in %1.</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="it_IT">
<context>
    <name>FoodDatabase</name>
    <message numerus="yes">
        <source>mancano le tabelle %1</source>
        <translation>
            <numerusform>manca la tabella %1</numerusform>
            <numerusform>mancano le tabelle %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MealFile</name>
    <message numerus="yes">
        <source>e altri %n errori</source>
        <translation>
            <numerusform>e un altro errore</numerusform>
            <numerusform>e altri %n errori</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NutrientReport</name>
    <message numerus="yes">
        <source>(%n alimenti senza valore)</source>
        <translation>
            <numerusform>(%n alimento senza valore)</numerusform>
            <numerusform>(%n alimenti senza valore)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PersonCommand</name>
    <message numerus="yes">
        <source>persona importata in %1 con %n giorni</source>
        <translation>
            <numerusform>persona importata in %1 con %n giorno</numerusform>
            <numerusform>persona importata in %1 con %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Media giornaliera di %n giorni</source>
        <translation>
            <numerusform>Media giornaliera di %n giorno</numerusform>
            <numerusform>Media giornaliera di %n giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PersonalFood</name>
    <message numerus="yes">
        <source>servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), ce ne sono %n</source>
        <translation>
            <numerusform>servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), ce n&apos;è %n</numerusform>
            <numerusform>servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), ce ne sono %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>e altri %n errori</source>
        <translation>
            <numerusform>e un altro errore</numerusform>
            <numerusform>e altri %n errori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>servono tanti campi quante sono le colonne dell&apos;intestazione (%1), ce ne sono %n</source>
        <translation>
            <numerusform>servono tanti campi quante sono le colonne dell&apos;intestazione (%1), ce n&apos;è %n</numerusform>
            <numerusform>servono tanti campi quante sono le colonne dell&apos;intestazione (%1), ce ne sono %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanReport</name>
    <message numerus="yes">
        <source>%n anni</source>
        <translation>
            <numerusform>%n anno</numerusform>
            <numerusform>%n anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Media giornaliera di %n giorni</source>
        <translation>
            <numerusform>Media giornaliera di %n giorno</numerusform>
            <numerusform>Media giornaliera di %n giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VelmoPasto</name>
    <message numerus="yes">
        <source>importati %n alimenti da %1 in %2: %3 nuovi, %4 aggiornati.</source>
        <translation>
            <numerusform>importato %n alimento da %1 in %2: nuovi %3, aggiornati %4.</numerusform>
            <numerusform>importati %n alimenti da %1 in %2: %3 nuovi, %4 aggiornati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmo::MainWindowModel</name>
    <message numerus="yes">
        <source>%1 e di altre %n persone</source>
        <translation>
            <numerusform>%1 e di un&apos;altra persona</numerusform>
            <numerusform>%1 e di altre %n persone</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nei giorni salvati di %1 (%n giorni)</source>
        <translation>
            <numerusform>in %n giorno salvato di %1</numerusform>
            <numerusform>nei giorni salvati di %1 (%n giorni)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n pasti abituali</source>
        <translation>
            <numerusform>in %n pasto abituale</numerusform>
            <numerusform>in %n pasti abituali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmo::PersonalFoodCommands</name>
    <message numerus="yes">
        <source>Importati %n alimenti da %1: %2 nuovi, %3 aggiornati.</source>
        <translation>
            <numerusform>Importato %n alimento da %1: nuovi %2, aggiornati %3.</numerusform>
            <numerusform>Importati %n alimenti da %1: %2 nuovi, %3 aggiornati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Esportati %n alimenti personali in %1.</source>
        <translation>
            <numerusform>Esportato %n alimento personale in %1.</numerusform>
            <numerusform>Esportati %n alimenti personali in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmo::PersonsWindowModel</name>
    <message numerus="yes">
        <source>Età: %n anni</source>
        <translation>
            <numerusform>Età: %n anno</numerusform>
            <numerusform>Età: %n anni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmo::WeekModel</name>
    <message numerus="yes">
        <source>%n giorni senza nulla di memorizzato</source>
        <translation>
            <numerusform>%n giorno senza nulla di memorizzato</numerusform>
            <numerusform>%n giorni senza nulla di memorizzato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n giorni con alimenti che non si trovano più nel catalogo</source>
        <translation>
            <numerusform>%n giorno con alimenti che non si trovano più nel catalogo</numerusform>
            <numerusform>%n giorni con alimenti che non si trovano più nel catalogo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Media giornaliera di %n giorni su 7</source>
        <translation>
            <numerusform>Media giornaliera di %n giorno su 7</numerusform>
            <numerusform>Media giornaliera di %n giorni su 7</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmo::ui::FoodSearchWindow</name>
    <message numerus="yes">
        <source>%n alimenti trovati.</source>
        <translation>
            <numerusform>%n alimento trovato.</numerusform>
            <numerusform>%n alimenti trovati.</numerusform>
        </translation>
    </message>
</context>
</TS>

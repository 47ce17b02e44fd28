<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>BalanceCommand</name>
    <message>
        <source>nessuna persona con questo nome</source>
        <translation>no person has this name</translation>
    </message>
    <message>
        <source>della persona mancano età o peso, senza i quali il fabbisogno non si calcola: completarli nella finestra &quot;Persone...&quot; o indicare --kcal N</source>
        <translation>the person lacks an age or a weight, without which the requirement cannot be calculated: complete them in the &quot;Persons...&quot; window or give --kcal N</translation>
    </message>
    <message>
        <source>uso: --bilancia FILE [--kcal N | --persona NOME] [--tolleranza P] [--libero N,N...] [--piu-vicino] (vedere velmo-pasto --help)</source>
        <translation>usage: --bilancia FILE [--kcal N | --persona NAME] [--tolleranza P] [--libero N,N...] [--piu-vicino] (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>--kcal vuole l&apos;energia da raggiungere in kcal, tra 1 e 20000</source>
        <translation>--kcal takes the energy to reach in kcal, from 1 to 20000</translation>
    </message>
    <message>
        <source>--tolleranza vuole una percentuale maggiore di 0 e al più 50</source>
        <translation>--tolleranza takes a percentage greater than 0 and at most 50</translation>
    </message>
    <message>
        <source>--libero vuole i numeri degli alimenti da cambiare, contati da 1 nell&apos;ordine del file e separati da virgole: %1 non lo è</source>
        <translation>--libero takes the numbers of the foods to change, counted from 1 in the file&apos;s order and separated by commas: %1 is not one</translation>
    </message>
    <message>
        <source>--libero: il file ha %1 alimenti, non c&apos;è il %2</source>
        <translation>--libero: the file has %1 foods, there is no food %2</translation>
    </message>
    <message>
        <source>nessun piano rispetta tutti gli obiettivi: nulla è scritto; il piano più vicino con --piu-vicino, o liberare altri alimenti e allargare i limiti
</source>
        <translation>no plan meets every target: nothing was written; the closest plan with --piu-vicino, or free more foods and widen the limits
</translation>
    </message>
    <message>
        <source>il giorno bilanciato non si può scrivere come file</source>
        <translation>the balanced day cannot be written as a file</translation>
    </message>
    <message>
        <source>--persona bilancia una giornata sul fabbisogno del giorno: per un pasto indicare la sua energia con --kcal N</source>
        <translation>--persona balances a day against the day&apos;s requirement: for a meal give its energy with --kcal N</translation>
    </message>
    <message>
        <source>Bilanciamento delle quantità:
  --bilancia FILE       propone i pesi degli alimenti del pasto o del giorno FILE che
                        raggiungono l&apos;energia (con la tolleranza) e rispettano le quote
                        di grassi e carboidrati, grassi saturi &lt; 10 %En,
                        zuccheri &lt; 15 %En e la fibra per 1000 kcal, restando il più
                        vicino possibile ai pesi scritti; scrive il file bilanciato
                        sullo standard output e i totali contro gli obiettivi sullo
                        standard error
  --kcal N              l&apos;energia da raggiungere, in kcal
  --persona NOME        il fabbisogno di oggi della persona e i suoi riferimenti, con
                        proteine, calcio e ferro tra il PRI o l&apos;AI e il livello
                        massimo
  --tolleranza P        quanto l&apos;energia può scostarsi, in percento (3 se non indicata)
  --libero N,N...       gli alimenti da cambiare, contati da 1 nell&apos;ordine del file;
                        gli altri restano fissi (senza: tutti liberi, tra 0 e tre
                        porzioni standard, o 300 g)
  --piu-vicino          quando nessun piano rispetta tutti gli obiettivi, scrive
                        comunque il piano più vicino
Con --bilancia il codice di uscita 4 dice che nessun piano rispetta tutti gli obiettivi:
gli obiettivi in conflitto sono nominati sullo standard error e sullo standard output non
c&apos;è nulla, o il piano più vicino con --piu-vicino.

</source>
        <translation>Balancing the quantities:
  --bilancia FILE       proposes the weights of the foods of the meal or day FILE that
                        reach the energy (within the tolerance) and keep the shares
                        of fat and carbohydrate, saturated fat &lt; 10 %En,
                        sugars &lt; 15 %En and the fibre per 1000 kcal, staying as
                        close as possible to the weights written; writes the balanced
                        file to standard output and the totals against the targets to
                        standard error
  --kcal N              the energy to reach, in kcal
  --persona NOME        the person&apos;s requirement today and her references, with
                        protein, calcium and iron between the PRI or AI and the
                        upper level
  --tolleranza P        how far the energy may stray, in percent (3 if not given)
  --libero N,N...       the foods to change, counted from 1 in the file&apos;s order;
                        the others stay fixed (without it: all free, from 0 to three
                        standard portions, or 300 g)
  --piu-vicino          when no plan meets every target, writes the closest plan
                        all the same
With --bilancia the exit code 4 says that no plan meets every target: the conflicting
targets are named on standard error and standard output holds nothing, or the closest
plan with --piu-vicino.

</translation>
    </message>
    <message>
        <source>sotto i 10 anni si conosce solo il metabolismo basale, non il fabbisogno: indicare --kcal N</source>
        <translation>under 10 years only the basal metabolism is known, not the requirement: give --kcal N</translation>
    </message>
    <message>
        <source>della persona mancano il livello di attività o le attività fisiche auspicabili, senza i quali il fabbisogno non si calcola: sceglierli nella finestra &quot;Persone...&quot; o indicare --kcal N</source>
        <translation>the person&apos;s activity level or desirable physical activities are missing, and without them the requirement cannot be worked out: choose them in the &quot;Persons...&quot; window or give --kcal N</translation>
    </message>
    <message>
        <source>il fabbisogno %1: indicare --kcal N</source>
        <translation>the requirement %1: give --kcal N</translation>
    </message>
</context>
<context>
    <name>Balancer</name>
    <message>
        <source>%1 di %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>superare %1</source>
        <translation>exceeding %1</translation>
    </message>
    <message>
        <source>scendere sotto %1</source>
        <translation>going below %1</translation>
    </message>
    <message>
        <source>Con questi alimenti %1 non rispetta l&apos;obiettivo.</source>
        <translation>With these foods %1 does not meet its target.</translation>
    </message>
    <message>
        <source>Con questi alimenti %1 non scende a %2 senza mancare altri obiettivi.</source>
        <translation>With these foods %1 does not come down to %2 without missing other targets.</translation>
    </message>
    <message>
        <source>Con questi alimenti %1 non arriva a %2 senza mancare altri obiettivi.</source>
        <translation>With these foods %1 does not reach %2 without missing other targets.</translation>
    </message>
    <message>
        <source>Con questi alimenti %1 non scende a %2.</source>
        <translation>With these foods %1 does not come down to %2.</translation>
    </message>
    <message>
        <source>Con questi alimenti %1 non arriva a %2.</source>
        <translation>With these foods %1 does not reach %2.</translation>
    </message>
    <message>
        <source>Con questi alimenti %1 scende al minimo a %2</source>
        <translation>With these foods %1 comes down at least to %2</translation>
    </message>
    <message>
        <source>Con questi alimenti %1 arriva al massimo a %2</source>
        <translation>With these foods %1 reaches at most %2</translation>
    </message>
    <message>
        <source> senza %1</source>
        <translation> without %1</translation>
    </message>
    <message>
        <source> né </source>
        <translation> or </translation>
    </message>
    <message>
        <source>%1: tra il minimo e il massimo non c&apos;è un peso possibile con questo passo; allargare i limiti o scegliere il passo di un grammo</source>
        <translation>%1: there is no weight with this step between the minimum and the maximum; widen the limits or choose a step of one gram</translation>
    </message>
    <message>
        <source>tutti gli alimenti sono fissi: liberarne almeno uno perché se ne possa cambiare il peso</source>
        <translation>every food is fixed: free at least one so that its weight can change</translation>
    </message>
    <message>
        <source>il risolutore non ha trovato un piano in tempo: fissare qualche alimento o ridurre gli obiettivi e riprovare</source>
        <translation>the solver found no plan in time: fix some foods or drop some targets and try again</translation>
    </message>
    <message>
        <source>l&apos;energia</source>
        <translation>the energy</translation>
    </message>
    <message>
        <source>Energia</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>la quota di energia delle proteine</source>
        <translation>the share of energy from protein</translation>
    </message>
    <message>
        <source>Proteine</source>
        <translation>Protein</translation>
    </message>
    <message>
        <source>la quota di energia dei grassi</source>
        <translation>the share of energy from fat</translation>
    </message>
    <message>
        <source>Grassi</source>
        <translation>Fat</translation>
    </message>
    <message>
        <source>la quota di energia dei carboidrati</source>
        <translation>the share of energy from carbohydrate</translation>
    </message>
    <message>
        <source>Carboidrati</source>
        <translation>Carbohydrate</translation>
    </message>
    <message>
        <source>la quota di energia dei grassi saturi</source>
        <translation>the share of energy from saturated fat</translation>
    </message>
    <message>
        <source>Grassi saturi</source>
        <translation>Saturated fat</translation>
    </message>
    <message>
        <source>la quota di energia degli zuccheri</source>
        <translation>the share of energy from sugars</translation>
    </message>
    <message>
        <source>Zuccheri</source>
        <translation>Sugars</translation>
    </message>
    <message>
        <source>la fibra</source>
        <translation>the fibre</translation>
    </message>
    <message>
        <source>Fibra</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>n.d.</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>non verificabile: mancano i valori di %1</source>
        <translation>cannot be verified: the values of %1 are missing</translation>
    </message>
    <message>
        <source>raggiunto sui valori noti (mancano quelli di %1)</source>
        <translation>reached on the known values (those of %1 are missing)</translation>
    </message>
    <message>
        <source>raggiunto</source>
        <translation>reached</translation>
    </message>
    <message>
        <source>mancato di %1</source>
        <translation>missed by %1</translation>
    </message>
    <message>
        <source>%1: %2 (obiettivo %3), %4</source>
        <translation>%1: %2 (target %3), %4</translation>
    </message>
    <message>
        <source>la quantità di %1</source>
        <translation>the amount of %1</translation>
    </message>
    <message>
        <source>non verificabile</source>
        <translation>cannot be verified</translation>
    </message>
    <message>
        <source>nessun alimento da bilanciare</source>
        <translation>no food to balance</translation>
    </message>
    <message>
        <source>il piano più vicino che rispetta le quote di energia è vuoto: spuntare l&apos;obiettivo dell&apos;energia e dargli un minimo</source>
        <translation>the closest plan that meets the shares of energy is empty: tick the energy target and give it a minimum</translation>
    </message>
    <message>
        <source>%1 sui valori noti</source>
        <translation>%1 on the known values</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message>
        <source>Grafico dei grammi di protidi, lipidi e glucidi</source>
        <translation>Chart of the grams of protein, fat and carbohydrate</translation>
    </message>
</context>
<context>
    <name>CalculatorCommandLine</name>
    <message>
        <source>Argomento non riconosciuto: &quot;%1&quot;.</source>
        <translation>Unrecognised argument: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--%1 è indicato più di una volta.</source>
        <translation>--%1 is given more than once.</translation>
    </message>
    <message>
        <source>Manca il valore di --%1.</source>
        <translation>The value of --%1 is missing.</translation>
    </message>
</context>
<context>
    <name>CatalogueRefusal</name>
    <message>
        <source>Il file è danneggiato o non è un archivio di Velmo. Ripristinarlo da una copia di sicurezza, oppure aprire gli alimenti personali nella finestra di Velmo, che lo mette da parte (senza cancellarlo) e inizia un archivio nuovo.
Dettagli: %1</source>
        <translation>The file is damaged or is not a Velmo file. Restore it from a backup, or open the personal foods in the Velmo window, which sets it aside (without deleting it) and starts a new file.
Details: %1</translation>
    </message>
    <message>
        <source>Il percorso non indica un file: spostare o rinominare ciò che si trova al suo posto.</source>
        <translation>The path does not name a file: move or rename what is in its place.</translation>
    </message>
    <message>
        <source>Permessi insufficienti: il file e la sua cartella devono essere leggibili e scrivibili. Dare a sé stessi questi permessi su entrambi e riprovare.</source>
        <translation>Insufficient permissions: the file and its folder must be readable and writable. Give yourself these permissions on both and try again.</translation>
    </message>
    <message>
        <source>Manca il driver SQLite di Qt: installare il pacchetto libqt6sql6-sqlite.</source>
        <translation>Qt&apos;s SQLite driver is missing: install the package libqt6sql6-sqlite.</translation>
    </message>
    <message>
        <source>Il file è stato scritto da una versione più recente di Velmo (formato %1, questa versione legge fino al formato %2): aggiornare Velmo.</source>
        <translation>The file was written by a newer version of Velmo (format %1; this version reads up to format %2): update Velmo.</translation>
    </message>
</context>
<context>
    <name>ConsoleOutput</name>
    <message>
        <source>disco pieno</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>spazio su disco dell&apos;utente esaurito</source>
        <translation>the user&apos;s disk quota is used up</translation>
    </message>
    <message>
        <source>la pipe è stata chiusa da chi leggeva</source>
        <translation>the pipe was closed by its reader</translation>
    </message>
    <message>
        <source>lo standard output è chiuso</source>
        <translation>standard output is closed</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura del dispositivo</source>
        <translation>device read or write error</translation>
    </message>
    <message>
        <source>il file ha raggiunto la dimensione massima</source>
        <translation>the file has reached its maximum size</translation>
    </message>
    <message>
        <source>permessi insufficienti</source>
        <translation>insufficient permissions</translation>
    </message>
    <message>
        <source>errore di sistema n. %1</source>
        <translation>system error no. %1</translation>
    </message>
    <message>
        <source>%1: impossibile scrivere il risultato sullo standard output: %2</source>
        <translation>%1: cannot write the result to standard output: %2</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>la riga supera %1 caratteri (mancano le virgolette di chiusura?)</source>
        <translation>the line exceeds %1 characters (closing quotes missing?)</translation>
    </message>
    <message>
        <source>virgolette fuori posto</source>
        <translation>quotes out of place</translation>
    </message>
    <message>
        <source>testo dopo un campo tra virgolette</source>
        <translation>text after a quoted field</translation>
    </message>
    <message>
        <source>virgolette non chiuse</source>
        <translation>unclosed quotes</translation>
    </message>
    <message>
        <source>virgolette non chiuse: una voce tra virgolette deve finire con &quot; (le virgolette al suo interno vanno raddoppiate)</source>
        <translation>unclosed quotes: a quoted field must end with &quot; (the quotes inside it are doubled)</translation>
    </message>
    <message>
        <source>testo dopo le virgolette di chiusura: una voce tra virgolette deve essere seguita da &quot;%1&quot; (le virgolette al suo interno vanno raddoppiate)</source>
        <translation>text after the closing quotes: a quoted field must be followed by &quot;%1&quot; (the quotes inside it are doubled)</translation>
    </message>
</context>
<context>
    <name>DayFigures</name>
    <message>
        <source>n.d.</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>sotto l&apos;intervallo</source>
        <translation>below the range</translation>
    </message>
    <message>
        <source>nell&apos;intervallo</source>
        <translation>within the range</translation>
    </message>
    <message>
        <source>sopra l&apos;intervallo</source>
        <translation>above the range</translation>
    </message>
    <message>
        <source>Giorno %1 kcal = %2 % di %3 kcal</source>
        <translation>Day %1 kcal = %2 % of %3 kcal</translation>
    </message>
    <message>
        <source>Giorno %1 kcal; nessun fabbisogno calcolato con cui confrontarlo</source>
        <translation>Day %1 kcal; no requirement computed to compare it with</translation>
    </message>
    <message>
        <source>Pasto %1 kcal = %2 % di %3 kcal</source>
        <translation>Meal %1 kcal = %2 % of %3 kcal</translation>
    </message>
    <message>
        <source>Pasto %1 kcal; fabbisogno %2 kcal</source>
        <translation>Meal %1 kcal; requirement %2 kcal</translation>
    </message>
    <message>
        <source>Giorno %1 kcal; fabbisogno %2 kcal</source>
        <translation>Day %1 kcal; requirement %2 kcal</translation>
    </message>
    <message>
        <source>Pasto %1 kcal; nessun fabbisogno calcolato con cui confrontarlo</source>
        <translation>Meal %1 kcal; no requirement computed to compare it with</translation>
    </message>
    <message>
        <source>Media giornaliera %1 kcal = %2 % di %3 kcal</source>
        <translation>Daily average %1 kcal = %2 % of %3 kcal</translation>
    </message>
    <message>
        <source>Media giornaliera %1 kcal; fabbisogno %2 kcal</source>
        <translation>Daily average %1 kcal; requirement %2 kcal</translation>
    </message>
    <message>
        <source>Media giornaliera %1 kcal; nessun fabbisogno calcolato con cui confrontarlo</source>
        <translation>Daily average %1 kcal; no computed requirement to compare it with</translation>
    </message>
</context>
<context>
    <name>DayFile</name>
    <message>
        <source>più di dodici alimenti nel pasto %1: la tabella del pasto ha %2 righe; lettura interrotta</source>
        <translation>more than twelve foods in the meal %1: the meal table has %2 rows; reading stopped</translation>
    </message>
    <message>
        <source>più di %1 pasti: un giorno ne ha al massimo %1; lettura interrotta</source>
        <translation>more than %1 meals: a day has at most %1; reading stopped</translation>
    </message>
    <message>
        <source>manca &quot;]&quot; alla fine della riga: un pasto inizia con una riga [Nome del pasto]</source>
        <translation>&quot;]&quot; is missing at the end of the line: a meal starts with a line [Meal name]</translation>
    </message>
    <message>
        <source>il pasto %1 c&apos;è già alla riga %2: i pasti di un giorno hanno nomi diversi</source>
        <translation>the meal %1 is already on line %2: the meals of a day have different names</translation>
    </message>
    <message>
        <source>manca il nome del pasto tra &quot;[&quot; e &quot;]&quot;</source>
        <translation>the meal&apos;s name is missing between &quot;[&quot; and &quot;]&quot;</translation>
    </message>
    <message>
        <source>il nome del pasto %1 è più lungo di %2 caratteri</source>
        <translation>the meal name %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>il nome del pasto %1 contiene &quot;]&quot; o un carattere di controllo</source>
        <translation>the meal name %1 holds &quot;]&quot; or a control character</translation>
    </message>
    <message>
        <source>il nome del pasto %1 inizia o finisce con spazi</source>
        <translation>the meal name %1 begins or ends with blanks</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>(pasto senza nome)</source>
        <translation>(meal without a name)</translation>
    </message>
    <message>
        <source>Pasto</source>
        <translation>Meal</translation>
    </message>
    <message>
        <source>Quota: % energia del giorno</source>
        <translation>Share: % of the day&apos;s energy</translation>
    </message>
    <message>
        <source>Totali del giorno</source>
        <translation>Totals of the day</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Attenzione</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Informazione</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Il file %1 esiste già.
Sostituirlo?</source>
        <translation>The file %1 already exists.
Replace it?</translation>
    </message>
</context>
<context>
    <name>EnergyCalculator</name>
    <message>
        <source>Usa --help per l&apos;elenco delle opzioni.</source>
        <translation>Use --help for the list of options.</translation>
    </message>
    <message>
        <source>Valore non valido per --sesso: &quot;%1&quot; (usare F o M).</source>
        <translation>Invalid value for --sesso: &quot;%1&quot; (use F or M).</translation>
    </message>
    <message>
        <source>Valore non valido per --anni: &quot;%1&quot; (un numero intero di anni, da 0 a %2).</source>
        <translation>Invalid value for --anni: &quot;%1&quot; (a whole number of years, from 0 to %2).</translation>
    </message>
    <message>
        <source>Età non accettata: --anni &quot;%1&quot; vale %2 anni; l&apos;età va da 0 a %3 anni.</source>
        <translation>Age not accepted: --anni &quot;%1&quot; is %2 years; the age goes from 0 to %3 years.</translation>
    </message>
    <message>
        <source>Valore non valido per --peso: &quot;%1&quot; (i kg, da 1 a %2, come 70 o 70,5; tre cifre dopo la virgola o il punto potrebbero essere migliaia).</source>
        <translation>Invalid value for --peso: &quot;%1&quot; (the kg, from 1 to %2, such as 70 or 70.5; three digits after the comma or the point could be thousands).</translation>
    </message>
    <message>
        <source>Peso non accettato: --peso &quot;%1&quot; vale %2 kg; il peso va da 1 a %3 kg.</source>
        <translation>Weight not accepted: --peso &quot;%1&quot; is %2 kg; the weight goes from 1 to %3 kg.</translation>
    </message>
    <message>
        <source>Valore non valido per --attivita: &quot;%1&quot; (usare leggera, moderata o pesante).</source>
        <translation>Invalid value for --attivita: &quot;%1&quot; (use leggera (light), moderata (moderate) or pesante (heavy)).</translation>
    </message>
    <message>
        <source>Valore non valido per --auspicabili: &quot;%1&quot; (usare si o no).</source>
        <translation>Invalid value for --auspicabili: &quot;%1&quot; (use si (yes) or no (no)).</translation>
    </message>
    <message>
        <source>Dai 18 ai 59 anni servono --attivita e --auspicabili.</source>
        <translation>From 18 to 59 years --attivita and --auspicabili are required.</translation>
    </message>
    <message>
        <source>Dai 60 anni in su serve --auspicabili (l&apos;attività è sempre leggera).</source>
        <translation>From 60 years up --auspicabili is required (the activity is always light).</translation>
    </message>
    <message>
        <source>Nota: dai 60 anni in su l&apos;attività è sempre leggera.</source>
        <translation>Note: from 60 years up the activity is always light.</translation>
    </message>
    <message>
        <source>Nota: sotto i 18 anni le opzioni di attività non contano.</source>
        <translation>Note: under 18 years the activity options do not count.</translation>
    </message>
    <message>
        <source>In questo caso essendo minore di 10 anni, viene calcolato il solo Metabolismo Basale</source>
        <translation>As the age is under 10 years, only the Basal Metabolism is calculated</translation>
    </message>
    <message>
        <source>Metabolismo Basale = %1 kcal</source>
        <translation>Basal Metabolism = %1 kcal</translation>
    </message>
    <message>
        <source>Livello di Attività Fisica (LAF) = %1</source>
        <translation>Physical Activity Level (PAL) = %1</translation>
    </message>
    <message>
        <source>Fabbisogno Energetico = %1 kcal</source>
        <translation>Energy Requirement = %1 kcal</translation>
    </message>
    <message>
        <source>%1 g di PROTIDI</source>
        <translation>%1 g of PROTEIN</translation>
    </message>
    <message>
        <source>%1 g di LIPIDI</source>
        <translation>%1 g of FAT</translation>
    </message>
    <message>
        <source>%1 g di GLUCIDI</source>
        <translation>%1 g of CARBOHYDRATE</translation>
    </message>
    <message>
        <source>Uso: velmo-fabbisogno --sesso F|M --anni N --peso KG [--attivita leggera|moderata|pesante]
                      [--auspicabili si|no] [--csv] [--lingua it|en]

Calcola il metabolismo basale, il livello di attività fisica (LAF), il fabbisogno energetico
giornaliero e la sua suddivisione in grammi di protidi, lipidi e glucidi per una dieta
equilibrata, con gli stessi valori che mostrano le finestre del programma.

Opzioni:
  --sesso F|M           F per femmina, M per maschio
  --anni N              età in anni compiuti (numero intero, da 0 a 120)
  --peso KG             peso in kg, da 1 a 350; i decimali (con la virgola o il punto) sono
                        arrotondati al kg intero
  --attivita LIVELLO    livello di attività fisica: leggera, moderata o pesante
                        (richiesto dai 18 ai 59 anni)
  --auspicabili si|no   con o senza le attività fisiche auspicabili
                        (richiesto dai 18 anni in su)
  --csv                 una riga CSV preceduta dall&apos;intestazione
  --lingua it|en        la lingua dei messaggi: it italiano, en inglese (senza l&apos;opzione,
                        quella di LANGUAGE o delle impostazioni locali)
  -h, --help            mostra questo aiuto

Sotto i 10 anni viene calcolato il solo metabolismo basale; dai 10 ai 17 anni il LAF è fisso
e le opzioni di attività non contano; dai 60 anni in su l&apos;attività è sempre leggera.
I numeri sono scritti secondo le impostazioni locali dell&apos;utente. Nei valori il loro separatore
delle migliaia è letto come tale (1.000 in italiano, 1,000 in inglese: mille); altrimenti tre
cifre dopo la virgola o il punto sono rifiutate, perché potrebbero essere migliaia.
I valori sono stime e non sostituiscono il parere di un medico o di un dietista.

Codici di uscita: 0 calcolo eseguito, 2 argomenti mancanti o non validi, 3 impossibile scrivere
il risultato sullo standard output (disco pieno, output chiuso, pipe interrotta).
</source>
        <translation>Usage: velmo-fabbisogno --sesso F|M --anni N --peso KG [--attivita leggera|moderata|pesante]
                        [--auspicabili si|no] [--csv] [--lingua it|en]

Calculates the basal metabolism, the physical activity level (PAL), the daily energy
requirement and its division into grams of protein, fat and carbohydrate for a balanced
diet, with the same values that the program&apos;s windows show.

Options:
  --sesso F|M           F for female, M for male
  --anni N              age in completed years (a whole number, from 0 to 120)
  --peso KG             weight in kg, from 1 to 350; decimals (with a comma or a point) are
                        rounded to the whole kg
  --attivita LIVELLO    physical activity level: leggera (light), moderata (moderate) or
                        pesante (heavy) (required from 18 to 59 years)
  --auspicabili si|no   with (si) or without (no) the desirable physical activities
                        (required from 18 years up)
  --csv                 one CSV line preceded by its header
  --lingua it|en        the language of the messages: it Italian, en English (without the
                        option, that of LANGUAGE or of the locale settings)
  -h, --help            show this help

Under 10 years only the basal metabolism is calculated; from 10 to 17 years the PAL is fixed
and the activity options do not count; from 60 years up the activity is always light.
Numbers are written according to the user&apos;s locale settings. In the values its thousands
separator is read as such (1.000 in Italian, 1,000 in English: one thousand); otherwise three
digits after the comma or the point are refused, because they could be thousands.
The values are estimates and do not replace the advice of a doctor or a dietitian.

Exit codes: 0 calculation done, 2 missing or invalid arguments, 3 the result could not be
written to standard output (disk full, output closed, broken pipe).
</translation>
    </message>
    <message>
        <source>Manca l&apos;opzione %1.</source>
        <translation>Option %1 is missing.</translation>
    </message>
</context>
<context>
    <name>EnergyModel</name>
    <message>
        <source>Adolescente (fino a 17 anni)</source>
        <translation>Adolescent (up to 17 years)</translation>
    </message>
    <message>
        <source>Adulta (Da 18 anni in su)</source>
        <translation>Adult (18 years and over)</translation>
    </message>
    <message>
        <source>Adulto (Da 18 anni in su)</source>
        <translation>Adult (18 years and over)</translation>
    </message>
</context>
<context>
    <name>EnergyPrintout</name>
    <message>
        <source>Fabbisogno Energetico -  %1</source>
        <translation>Energy Requirement -  %1</translation>
    </message>
    <message>
        <source>Anni %1</source>
        <translation>Age: %1</translation>
    </message>
    <message>
        <source>Peso %1 kg</source>
        <translation>Weight: %1 kg</translation>
    </message>
    <message>
        <source>Il tuo Metabolismo Basale è di %1 kcal/giorno</source>
        <translation>Your Basal Metabolism is %1 kcal/day</translation>
    </message>
    <message>
        <source>Il tuo livello di Attività Fisica (LAF) è di %1</source>
        <translation>Your Physical Activity Level (PAL) is %1</translation>
    </message>
    <message>
        <source>Il tuo FABBISOGNO ENERGETICO è di %1 kcal/giorno</source>
        <translation>Your ENERGY REQUIREMENT is %1 kcal/day</translation>
    </message>
    <message>
        <source>Che in una DIETA EQUILIBRATA va così suddiviso:</source>
        <translation>Which in a BALANCED DIET is divided as follows:</translation>
    </message>
    <message>
        <source>%1 g di PROTIDI</source>
        <translation>%1 g of PROTEIN</translation>
    </message>
    <message>
        <source>%1 g di LIPIDI</source>
        <translation>%1 g of FAT</translation>
    </message>
    <message>
        <source>%1 g di GLUCIDI</source>
        <translation>%1 g of CARBOHYDRATE</translation>
    </message>
    <message>
        <source>Fabbisogno Energetico - %1.pdf</source>
        <translation>Energy Requirement - %1.pdf</translation>
    </message>
    <message>
        <source>Inserisci il tuo NOME</source>
        <translation>Enter your NAME</translation>
    </message>
    <message>
        <source>NOME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Accertati di aver inserito i dati prima di stampare.</source>
        <translation>Make sure you have entered the data before printing.</translation>
    </message>
    <message>
        <source>Salva il fabbisogno energetico in PDF</source>
        <translation>Save the energy requirement as PDF</translation>
    </message>
    <message>
        <source>File PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Stampa in corso...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>La stampa non è riuscita.</source>
        <translation>Printing failed.</translation>
    </message>
</context>
<context>
    <name>EnergyWindowForm</name>
    <message>
        <source>Anni</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Età in anni compiuti; dopo due cifre si passa al peso</source>
        <translation>Age in completed years; after two digits the weight follows</translation>
    </message>
    <message>
        <source>Peso kg</source>
        <translation>Weight kg</translation>
    </message>
    <message>
        <source>Peso in kg</source>
        <translation>Weight in kg</translation>
    </message>
    <message>
        <source>Peso in kg, due cifre; poi il livello di attività</source>
        <translation>Weight in kg, two digits; then the activity level</translation>
    </message>
    <message>
        <source>Inserire il Peso sempre a 2 cifre, anteponendo lo 0 se il peso e minore di 10 Kg.</source>
        <translation>Always enter the Weight with 2 digits, with a leading 0 if the weight is under 10 kg.</translation>
    </message>
    <message>
        <source>Livello di attività</source>
        <translation>Activity level</translation>
    </message>
    <message>
        <source>Attività fisiche consigliate per i soggettti sedentari per il mantenimento del tono muscolare e cardiocircolatorio</source>
        <translation>Physical activities recommended for sedentary people to keep up muscle and cardiovascular tone</translation>
    </message>
    <message>
        <source>Metabolismo Basale = </source>
        <translation>Basal Metabolism = </translation>
    </message>
    <message>
        <source>kcal</source>
        <translation>kcal</translation>
    </message>
    <message>
        <source>Livello di Attività Fisica =</source>
        <translation>Physical Activity Level =</translation>
    </message>
    <message>
        <source>Fabbisogno energetico in kcal</source>
        <translation>Energy requirement in kcal</translation>
    </message>
    <message>
        <source>Calcolato, oppure scritto per averne la suddivisione</source>
        <translation>Calculated, or typed to get its division</translation>
    </message>
    <message>
        <source>kcal                Fabbisogno Energetico</source>
        <translation>kcal                Energy Requirement</translation>
    </message>
    <message>
        <source>g di PROTIDI</source>
        <translation>g of PROTEIN</translation>
    </message>
    <message>
        <source>g di LIPIDI</source>
        <translation>g of FAT</translation>
    </message>
    <message>
        <source>g di GLUCIDI</source>
        <translation>g of CARBOHYDRATE</translation>
    </message>
    <message>
        <source>Stampa il riepilogo</source>
        <translation>Print the summary</translation>
    </message>
    <message>
        <source>Torna alla finestra iniziale</source>
        <translation>Back to the start window</translation>
    </message>
</context>
<context>
    <name>FoodCategory</name>
    <message>
        <source>&amp;Bevande alcoliche</source>
        <translation>&amp;Alcoholic drinks</translation>
    </message>
    <message>
        <source>Bevande alcoliche</source>
        <translation>Alcoholic drinks</translation>
    </message>
    <message>
        <source>&amp;Carni fresche</source>
        <translation>Fres&amp;h meat</translation>
    </message>
    <message>
        <source>Carni fresche</source>
        <translation>Fresh meat</translation>
    </message>
    <message>
        <source>Carni &amp;trasformate e conservate</source>
        <translation>&amp;Processed and preserved meat</translation>
    </message>
    <message>
        <source>Carni trasformate e conservate</source>
        <translation>Processed and preserved meat</translation>
    </message>
    <message>
        <source>Cereali e &amp;derivati</source>
        <translation>&amp;Cereals and cereal products</translation>
    </message>
    <message>
        <source>Cereali e derivati</source>
        <translation>Cereals and cereal products</translation>
    </message>
    <message>
        <source>D&amp;olci</source>
        <translation>S&amp;weets</translation>
    </message>
    <message>
        <source>Dolci</source>
        <translation>Sweets</translation>
    </message>
    <message>
        <source>&amp;Fast Food a base di carne</source>
        <translation>Meat-&amp;based fast food</translation>
    </message>
    <message>
        <source>Fast Food a base di carne</source>
        <translation>Meat-based fast food</translation>
    </message>
    <message>
        <source>Formaggi e &amp;latticini</source>
        <translation>Cheese and &amp;dairy products</translation>
    </message>
    <message>
        <source>Formaggi e latticini</source>
        <translation>Cheese and dairy products</translation>
    </message>
    <message>
        <source>F&amp;rattaglie</source>
        <translation>&amp;Offal</translation>
    </message>
    <message>
        <source>Frattaglie</source>
        <translation>Offal</translation>
    </message>
    <message>
        <source>Fr&amp;utta</source>
        <translation>Fr&amp;uit</translation>
    </message>
    <message>
        <source>Frutta</source>
        <translation>Fruit</translation>
    </message>
    <message>
        <source>Latte e &amp;yogurt</source>
        <translation>Mil&amp;k and yoghurt</translation>
    </message>
    <message>
        <source>Latte e yogurt</source>
        <translation>Milk and yoghurt</translation>
    </message>
    <message>
        <source>L&amp;egumi</source>
        <translation>Pu&amp;lses</translation>
    </message>
    <message>
        <source>Legumi</source>
        <translation>Pulses</translation>
    </message>
    <message>
        <source>&amp;Oli e grassi</source>
        <translation>Oils and fa&amp;ts</translation>
    </message>
    <message>
        <source>Oli e grassi</source>
        <translation>Oils and fats</translation>
    </message>
    <message>
        <source>&amp;Prodotti della pesca</source>
        <translation>Fish and &amp;seafood</translation>
    </message>
    <message>
        <source>Prodotti della pesca</source>
        <translation>Fish and seafood</translation>
    </message>
    <message>
        <source>Pro&amp;dotti vari</source>
        <translation>M&amp;iscellaneous products</translation>
    </message>
    <message>
        <source>Prodotti vari</source>
        <translation>Miscellaneous products</translation>
    </message>
    <message>
        <source>&amp;Uova</source>
        <translation>&amp;Eggs</translation>
    </message>
    <message>
        <source>Uova</source>
        <translation>Eggs</translation>
    </message>
    <message>
        <source>&amp;Verdure ed ortaggi</source>
        <translation>&amp;Vegetables</translation>
    </message>
    <message>
        <source>Verdure ed ortaggi</source>
        <translation>Vegetables</translation>
    </message>
    <message>
        <source>Alimenti perso&amp;nali</source>
        <translation>Pe&amp;rsonal foods</translation>
    </message>
    <message>
        <source>Alimenti personali</source>
        <translation>Personal foods</translation>
    </message>
</context>
<context>
    <name>FoodDatabase</name>
    <message>
        <source>Impossibile aprire l&apos;archivio degli alimenti:
%1

%2</source>
        <translation>Cannot open the food database:
%1

%2</translation>
    </message>
    <message>
        <source>nella tabella %1 mancano le colonne %2</source>
        <translation>the table %1 lacks the columns %2</translation>
    </message>
    <message>
        <source>non contiene nessuna delle sedici tabelle degli alimenti</source>
        <translation>it holds none of the sixteen food tables</translation>
    </message>
    <message numerus="yes">
        <source>mancano le tabelle %1</source>
        <translation>
            <numerusform>the table %1 is missing</numerusform>
            <numerusform>the tables %1 are missing</numerusform>
        </translation>
    </message>
    <message>
        <source>Il file non esiste.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Il percorso non indica un file.</source>
        <translation>The path does not name a file.</translation>
    </message>
    <message>
        <source>Il file non è leggibile (permessi insufficienti).</source>
        <translation>The file cannot be read (insufficient permissions).</translation>
    </message>
    <message>
        <source>Il file è vuoto: non è un archivio di alimenti valido.</source>
        <translation>The file is empty: it is not a valid food database.</translation>
    </message>
    <message>
        <source>Manca il driver SQLite di Qt (pacchetto libqt6sql6-sqlite).</source>
        <translation>Qt&apos;s SQLite driver is missing (package libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>Errore del motore di database: %1</source>
        <translation>Database engine error: %1</translation>
    </message>
    <message>
        <source>Il file non è un archivio di alimenti valido (%1).</source>
        <translation>The file is not a valid food database (%1).</translation>
    </message>
</context>
<context>
    <name>FoodFormModel</name>
    <message>
        <source>Modifica alimento personale</source>
        <translation>Modify personal food</translation>
    </message>
    <message>
        <source>Nuovo alimento personale</source>
        <translation>New personal food</translation>
    </message>
    <message>
        <source>&amp;Nome</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Parte &amp;edibile</source>
        <translation>&amp;Edible part</translation>
    </message>
    <message>
        <source>&amp;Lipidi</source>
        <translation>F&amp;at</translation>
    </message>
    <message>
        <source>Ene&amp;rgia</source>
        <translation>Ene&amp;rgy</translation>
    </message>
    <message>
        <source>&amp;Fibra</source>
        <translation>&amp;Fibre</translation>
    </message>
    <message>
        <source>C&amp;olesterolo</source>
        <translation>Ch&amp;olesterol</translation>
    </message>
    <message>
        <source>%1: indicare la percentuale edibile (da 1 a 100).</source>
        <translation>%1: give the edible percentage (from 1 to 100).</translation>
    </message>
    <message>
        <source>%1: %2 non è un numero.</source>
        <translation>%1: %2 is not a number.</translation>
    </message>
    <message>
        <source>

Conservare i valori indicati?</source>
        <translation>

Keep these values?</translation>
    </message>
    <message>
        <source>&amp;Protidi</source>
        <translation>&amp;Protein</translation>
    </message>
    <message>
        <source>&amp;Glucidi</source>
        <translation>&amp;Carbohydrate</translation>
    </message>
    <message>
        <source>Misure: %1</source>
        <translation>Measures: %1</translation>
    </message>
    <message>
        <source>Salvare l&apos;alimento prima di chiudere la finestra?</source>
        <translation>Save the food before closing the window?</translation>
    </message>
    <message>
        <source>L&apos;alimento &quot;%1&quot; è stato cambiato da un&apos;altra finestra di Velmo o da velmo-pasto dopo l&apos;apertura di questa finestra. Salvando, i valori di questa finestra prendono il posto dei suoi.</source>
        <translation>The food &quot;%1&quot; was changed by another Velmo window or by velmo-pasto after this window opened. Saving replaces its values with this window&apos;s.</translation>
    </message>
    <message>
        <source>Salva questi valori</source>
        <translation>Save these values</translation>
    </message>
    <message>
        <source>Conserva i valori</source>
        <translation>Keep the values</translation>
    </message>
</context>
<context>
    <name>FoodSearch</name>
    <message>
        <source>Impossibile leggere gli alimenti della categoria &quot;%1&quot;: %2</source>
        <translation>Cannot read the foods of the category &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>GrossWeightHint</name>
    <message>
        <source>Solo grammi interi: i decimali non sono accettati</source>
        <translation>Whole grams only: decimals are not accepted</translation>
    </message>
    <message>
        <source>Solo cifre: il peso lordo si scrive in grammi interi</source>
        <translation>Digits only: the gross weight is written in whole grams</translation>
    </message>
    <message>
        <source>Riga bloccata: togli la spunta per cambiare il peso lordo</source>
        <translation>Row locked: clear its tick to change the gross weight</translation>
    </message>
    <message>
        <source>Invio non calcola la riga: spunta la sua casella di blocco (Tab, poi Spazio)</source>
        <translation>Enter does not calculate the row: tick its lock box (Tab, then Space)</translation>
    </message>
    <message>
        <source>Al massimo %1 cifre: il peso lordo arriva a %2 g</source>
        <translation>At most %1 digits: the gross weight goes up to %2 g</translation>
    </message>
</context>
<context>
    <name>HouseholdMeasure</name>
    <message>
        <source>&quot;%1&quot; non è un numero di porzioni: scrivere per esempio 2, %2 o ½.</source>
        <translation>&quot;%1&quot; is not a number of portions: type for example 2, %2 or ½.</translation>
    </message>
    <message>
        <source>Il numero di porzioni deve essere maggiore di zero.</source>
        <translation>The number of portions must be greater than zero.</translation>
    </message>
    <message>
        <source>Al massimo %1 porzioni alla volta: scrivere un numero più piccolo.</source>
        <translation>At most %1 portions at a time: type a smaller number.</translation>
    </message>
    <message>
        <source>Questo alimento non ha parte edibile (0 %): non se ne può indicare una porzione; scrivere il peso lordo in grammi.</source>
        <translation>This food has no edible part (0 %): it cannot take a portion; type the gross weight in grams.</translation>
    </message>
    <message>
        <source>Il peso lordo supererebbe 9.999.999 g: scegliere meno porzioni.</source>
        <translation>The gross weight would exceed 9,999,999 g: choose fewer portions.</translation>
    </message>
    <message>
        <source>La porzione pesa meno di 1 g: scegliere più porzioni o scrivere il peso lordo in grammi.</source>
        <translation>The portion weighs less than 1 g: choose more portions or type the gross weight in grams.</translation>
    </message>
</context>
<context>
    <name>LpSolver</name>
    <message>
        <source>impossibile caricare il risolutore per il bilanciamento (%1): reinstallare Velmo con la libreria GLPK (libglpk40)</source>
        <translation>cannot load the solver for balancing (%1): reinstall Velmo with the GLPK library (libglpk40)</translation>
    </message>
</context>
<context>
    <name>MacroChartObject</name>
    <message>
        <source>n.d.</source>
        <translation>n/a</translation>
    </message>
</context>
<context>
    <name>MealComposer</name>
    <message>
        <source>l&apos;alimento %1 non è nella categoria &quot;%2&quot; (forse %3?)</source>
        <translation>the food %1 is not in the category &quot;%2&quot; (did you mean %3?)</translation>
    </message>
    <message>
        <source>l&apos;alimento %1 non è nella categoria &quot;%2&quot;</source>
        <translation>the food %1 is not in the category &quot;%2&quot;</translation>
    </message>
    <message>
        <source>impossibile leggere la categoria &quot;%1&quot;</source>
        <translation>cannot read the category &quot;%1&quot;</translation>
    </message>
    <message>
        <source>riga %1: nessuna riga libera per %2</source>
        <translation>line %1: no free row for %2</translation>
    </message>
    <message>
        <source>riga %1: la riga di %2 non è stata calcolata</source>
        <translation>line %1: the row of %2 was not calculated</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>l&apos;alimento %1 non è più nell&apos;archivio</source>
        <translation>the food %1 is no longer in the database</translation>
    </message>
</context>
<context>
    <name>MealCsv</name>
    <message>
        <source>Alimento</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>Totale del giorno</source>
        <translation>Total of the day</translation>
    </message>
    <message>
        <source>Pasto</source>
        <translation>Meal</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>MealDay</name>
    <message>
        <source>Colazione</source>
        <translation>Breakfast</translation>
    </message>
    <message>
        <source>Spuntino</source>
        <translation>Morning snack</translation>
    </message>
    <message>
        <source>Pranzo</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Merenda</source>
        <translation>Afternoon snack</translation>
    </message>
    <message>
        <source>Cena</source>
        <translation>Dinner</translation>
    </message>
</context>
<context>
    <name>MealFile</name>
    <message>
        <source>attese tre voci separate da &quot;;&quot; (categoria;alimento;grammi), trovate %1</source>
        <translation>expected three fields separated by &quot;;&quot; (category;food;grams), found %1</translation>
    </message>
    <message>
        <source>manca la categoria</source>
        <translation>the category is missing</translation>
    </message>
    <message>
        <source>categoria sconosciuta %1 (l&apos;elenco delle categorie è in velmo-pasto --help)</source>
        <translation>unknown category %1 (the list of categories is in velmo-pasto --help)</translation>
    </message>
    <message>
        <source>manca il nome dell&apos;alimento</source>
        <translation>the food&apos;s name is missing</translation>
    </message>
    <message>
        <source>il peso lordo %1 non è un numero intero di grammi</source>
        <translation>the gross weight %1 is not a whole number of grams</translation>
    </message>
    <message>
        <source>il peso lordo è 0: un alimento del pasto pesa almeno 1 grammo</source>
        <translation>the gross weight is 0: a food of the meal weighs at least 1 gram</translation>
    </message>
    <message>
        <source>il peso lordo %1 è troppo grande (al massimo %2 cifre)</source>
        <translation>the gross weight %1 is too large (at most %2 digits)</translation>
    </message>
    <message>
        <source>lettura interrotta da un errore del sistema (%1)</source>
        <translation>reading stopped by a system error (%1)</translation>
    </message>
    <message>
        <source>il testo supera 1 MB: non è un file di pasto; lettura interrotta</source>
        <translation>the text exceeds 1 MB: it is not a meal file; reading stopped</translation>
    </message>
    <message>
        <source>nessun alimento da calcolare: il testo è vuoto o contiene solo commenti</source>
        <translation>no food to compute: the text is empty or holds only comments</translation>
    </message>
    <message>
        <source>il testo contiene un carattere nullo: non è un file di testo; lettura interrotta</source>
        <translation>the text contains a null character: it is not a text file; reading stopped</translation>
    </message>
    <message>
        <source>più di dodici alimenti: la tabella del pasto ha %1 righe; lettura interrotta</source>
        <translation>more than twelve foods: the meal table has %1 rows; reading stopped</translation>
    </message>
    <message>
        <source>la riga è più lunga di %1 caratteri</source>
        <translation>the line is longer than %1 characters</translation>
    </message>
    <message>
        <source>il testo non è in codifica UTF-8; salvare il file come UTF-8</source>
        <translation>the text is not in UTF-8 encoding; save the file as UTF-8</translation>
    </message>
    <message>
        <source>impossibile leggere %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>e altri %n errori</source>
        <translation>
            <numerusform>and one more error</numerusform>
            <numerusform>and %n more errors</numerusform>
        </translation>
    </message>
    <message>
        <source>la porzione %1 non dice quale misura</source>
        <translation>the portion %1 does not say which measure</translation>
    </message>
    <message>
        <source>la riga, come Velmo la salva, supera i %1 caratteri: accorciare il nome o la porzione</source>
        <translation>the line, as Velmo saves it, is longer than %1 characters: shorten the name or the portion</translation>
    </message>
</context>
<context>
    <name>MealFoods</name>
    <message>
        <source>%1 è il file da leggere: scegliere un altro file</source>
        <translation>%1 is the file to read: choose another file</translation>
    </message>
    <message>
        <source>%1 è un archivio di Velmo, che andrebbe perduto: scegliere un altro file</source>
        <translation>%1 is a store of Velmo&apos;s, which would be lost: choose another file</translation>
    </message>
</context>
<context>
    <name>MeasureStore</name>
    <message>
        <source>impossibile leggere le misure dall&apos;archivio degli alimenti (%1): reinstallare Velmo</source>
        <translation>cannot read the measures from the food database (%1): reinstall Velmo</translation>
    </message>
    <message>
        <source>impossibile leggere le misure dall&apos;archivio degli alimenti personali (%1)</source>
        <translation>cannot read the measures from the personal foods&apos; store (%1)</translation>
    </message>
</context>
<context>
    <name>NutrientGroup</name>
    <message>
        <source>Energia e macronutrienti</source>
        <translation>Energy and macronutrients</translation>
    </message>
    <message>
        <source>Carboidrati</source>
        <translation>Carbohydrates</translation>
    </message>
    <message>
        <source>Lipidi</source>
        <translation>Lipids</translation>
    </message>
    <message>
        <source>Minerali</source>
        <translation>Minerals</translation>
    </message>
    <message>
        <source>Vitamine</source>
        <translation>Vitamins</translation>
    </message>
    <message>
        <source>Altro</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>NutrientReport</name>
    <message>
        <source>n.d.</source>
        <translation>n/a</translation>
    </message>
    <message numerus="yes">
        <source>(%n alimenti senza valore)</source>
        <translation>
            <numerusform>(%n food without a value)</numerusform>
            <numerusform>(%n foods without a value)</numerusform>
        </translation>
    </message>
    <message>
        <source>Profilo nutrizionale</source>
        <translation>Nutrient profile</translation>
    </message>
    <message>
        <source>UL %1 %2</source>
        <translation>UL %1 %2</translation>
    </message>
    <message>
        <source>Iodio</source>
        <translation>Iodine</translation>
    </message>
    <message>
        <source>Biotina</source>
        <translation>Biotin</translation>
    </message>
    <message>
        <source>Cloro</source>
        <translation>Chloride</translation>
    </message>
    <message>
        <source>Fluoro</source>
        <translation>Fluoride</translation>
    </message>
    <message>
        <source>Molibdeno</source>
        <translation>Molybdenum</translation>
    </message>
    <message>
        <source>Cromo</source>
        <translation>Chromium</translation>
    </message>
    <message>
        <source>Non disponibili nei dati degli alimenti</source>
        <translation>Not available in the food data</translation>
    </message>
</context>
<context>
    <name>NutrientStore</name>
    <message>
        <source>impossibile leggere i nutrienti dall&apos;archivio degli alimenti (%1): reinstallare Velmo</source>
        <translation>cannot read the nutrients from the food database (%1): reinstall Velmo</translation>
    </message>
    <message>
        <source>l&apos;alimento %1 non è nell&apos;archivio</source>
        <translation>the food %1 is not in the database</translation>
    </message>
    <message>
        <source>%1 è un alimento personale, e l&apos;archivio degli alimenti personali non è aperto</source>
        <translation>%1 is a personal food, and the personal foods&apos; file is not open</translation>
    </message>
</context>
<context>
    <name>PaperNames</name>
    <message>
        <source> Foglio: %1,  Landscape</source>
        <translation> Sheet: %1,  Landscape</translation>
    </message>
    <message>
        <source> Foglio: %1,  Portrait</source>
        <translation> Sheet: %1,  Portrait</translation>
    </message>
    <message>
        <source> Foglio: %1</source>
        <translation> Sheet: %1</translation>
    </message>
</context>
<context>
    <name>PastoCommandLine</name>
    <message>
        <source>--cerca non si usa insieme ad altri argomenti (%1)</source>
        <translation>--cerca does not go with other arguments (%1)</translation>
    </message>
    <message>
        <source>indicare --cerca una volta sola</source>
        <translation>give --cerca only once</translation>
    </message>
    <message>
        <source>manca il testo da cercare dopo --cerca</source>
        <translation>the text to search for is missing after --cerca</translation>
    </message>
    <message>
        <source>il testo da cercare è vuoto</source>
        <translation>the text to search for is empty</translation>
    </message>
    <message>
        <source>fabbisogno non valido %1: indicare le kcal al giorno, un numero maggiore di 0 e al massimo 32767 (per esempio --fabbisogno 2244)</source>
        <translation>invalid requirement %1: give the kcal a day, a number above 0 and at most 32767 (for example --fabbisogno 2244)</translation>
    </message>
    <message>
        <source>manca il fabbisogno dopo --fabbisogno (le kcal al giorno, per esempio --fabbisogno 2244)</source>
        <translation>the requirement is missing after --fabbisogno (the kcal a day, for example --fabbisogno 2244)</translation>
    </message>
    <message>
        <source>indicare un solo file (vedere velmo-pasto --help)</source>
        <translation>give one file only (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>--importa-alimenti e --esporta-alimenti vanno usati da soli (vedere velmo-pasto --help)</source>
        <translation>--importa-alimenti and --esporta-alimenti go alone (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>--forza vale solo con --importa-alimenti (vedere velmo-pasto --help)</source>
        <translation>--forza applies only with --importa-alimenti (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>il nome del file è vuoto (per leggere lo standard input ometterlo o scrivere &quot;-&quot;)</source>
        <translation>the file name is empty (to read standard input, leave it out or write &quot;-&quot;)</translation>
    </message>
    <message>
        <source>opzione sconosciuta %1 (vedere velmo-pasto --help)</source>
        <translation>unknown option %1 (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>--importa-alimenti vuole un solo FILE.csv (vedere velmo-pasto --help)</source>
        <translation>--importa-alimenti takes one FILE.csv only (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>  %1 (tabella %2)
</source>
        <translation>  %1 (table %2)
</translation>
    </message>
    <message>
        <source>  %1 (i propri alimenti, nell&apos;archivio %2)
</source>
        <translation>  %1 (the user&apos;s own foods, in the database %2)
</translation>
    </message>
    <message>
        <source>Calcola le calorie e i nutrienti di un pasto, come la tabella di composizione di Velmo.
Legge il FILE indicato, oppure lo standard input se il FILE manca o è &quot;-&quot;. Il FILE è un file
normale: una pipe con nome, un dispositivo o un socket si passano come standard input.

</source>
        <translation>Computes the calories and nutrients of a meal, as Velmo&apos;s composition table does.
Reads the given FILE, or standard input if FILE is missing or is &quot;-&quot;. FILE must be a
regular file: pass a named pipe, a device or a socket as standard input.

</translation>
    </message>
    <message>
        <source>Ogni riga descrive un alimento, al massimo dodici:
  categoria;alimento;grammi
- categoria: il titolo della categoria (per esempio &quot;Frutta&quot;) o il nome della sua tabella;
- alimento: il nome esatto dell&apos;alimento, come appare nella griglia degli alimenti;
- grammi: il peso lordo, un numero intero di grammi.
Una voce che contiene &quot;;&quot; o virgolette, o che inizia o finisce con spazi, va tra virgolette
doppie, raddoppiando quelle al suo interno: &quot;Pasta; sugo&quot;, &quot;Torta &quot;&quot;della nonna&quot;&quot;&quot;.
Le righe vuote e quelle che iniziano con &quot;#&quot; sono ignorate. Il testo è in UTF-8, con righe
di al massimo %1 caratteri e in tutto al massimo 1 MB; la lettura si ferma alla tredicesima
riga di alimenti e alla prima riga che non è testo.

</source>
        <translation>Each line describes a food, at most twelve:
  category;food;grams
- category: the heading of the category (for example &quot;Frutta&quot;) or the name of its table;
- food: the exact name of the food, as it appears in the food grid;
- grams: the gross weight, a whole number of grams.
A field that contains &quot;;&quot; or quotes, or that begins or ends with blanks, goes between double
quotes, with the quotes inside it doubled: &quot;Pasta; sugo&quot;, &quot;Torta &quot;&quot;della nonna&quot;&quot;&quot;.
Blank lines and lines that begin with &quot;#&quot; are ignored. The text is in UTF-8, with lines of
at most %1 characters and at most 1 MB in all; reading stops at the thirteenth food line
and at the first line that is not text.

</translation>
    </message>
    <message>
        <source>Sullo standard output stampa la tabella: una riga per alimento (nome, peso lordo, peso netto,
protidi, lipidi, glucidi, energia, fibra, colesterolo) e la riga dei totali, con i numeri
nel formato della lingua dell&apos;utente.

</source>
        <translation>On standard output it prints the table: one line per food (name, gross weight, net weight,
protein, fat, carbohydrate, energy, fibre, cholesterol) and the totals line, with the numbers
in the format of the user&apos;s locale.

</translation>
    </message>
    <message>
        <source>Categorie:
</source>
        <translation>Categories:
</translation>
    </message>
    <message>
        <source>  %1 (%3; tabella %2)
</source>
        <translation>  %1 (%3; table %2)
</translation>
    </message>
    <message>
        <source>--fabbisogno non si usa con --nutrienti --csv, che stampa solo il profilo (vedere velmo-pasto --help)</source>
        <translation>--fabbisogno does not go with --nutrienti --csv, which prints the profile only (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>--sesso, --anni, --gravidanza, --allattamento e --riferimento valgono solo con --nutrienti</source>
        <translation>--sesso, --anni, --gravidanza, --allattamento and --riferimento apply only with --nutrienti</translation>
    </message>
    <message>
        <source>indicare il sesso con --sesso M o --sesso F insieme a --anni</source>
        <translation>give the sex with --sesso M or --sesso F together with --anni</translation>
    </message>
    <message>
        <source>indicare l&apos;età con --anni N, in anni interi da 1 a 120</source>
        <translation>give the age with --anni N, in whole years from 1 to 120</translation>
    </message>
    <message>
        <source>--gravidanza e --allattamento valgono per una donna (--sesso F), uno solo alla volta</source>
        <translation>--gravidanza and --allattamento apply to a woman (--sesso F), one at a time</translation>
    </message>
    <message>
        <source>riferimento sconosciuto %1: indicare --riferimento larn o --riferimento efsa</source>
        <translation>unknown reference %1: give --riferimento larn or --riferimento efsa</translation>
    </message>
    <message>
        <source>Una giornata: una riga [Nome] (per esempio [Colazione]) inizia un pasto; al massimo %1 pasti,
con nomi diversi di al massimo %2 caratteri, ognuno di al massimo dodici alimenti; gli
alimenti prima della prima riga [Nome] formano un pasto senza nome. Di una giornata stampa la
tabella di ogni pasto sotto il suo nome, poi i totali del giorno con la quota dell&apos;energia di
ogni pasto; con --csv una colonna Pasto in testa e la riga &quot;Totale del giorno&quot;; con
--fabbisogno il confronto di ogni pasto e del giorno; con --nutrienti il profilo del giorno.

</source>
        <translation>A day: a line [Name] (for example [Colazione]) starts a meal; at most %1 meals, with
different names of at most %2 characters, each of at most twelve foods; the foods before the
first [Name] line make a meal without a name. For a day it prints each meal&apos;s table under its
name, then the day&apos;s totals with each meal&apos;s share of the energy; with --csv a Meal column
in front and the line &quot;Total of the day&quot;; with --fabbisogno each meal and the day against
the requirement; with --nutrienti the day&apos;s profile.

</translation>
    </message>
    <message>
        <source>--pdf vuole un solo FILE.pdf e non si usa con --csv (vedere velmo-pasto --help)</source>
        <translation>--pdf takes one FILE.pdf and does not go with --csv (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>Codici di uscita: 0 pasto calcolato (o alimenti importati o esportati); 1 archivio degli
alimenti (%1, accanto al programma o in ../share/velmo) o archivio degli alimenti personali
mancante, illeggibile o incompleto; 2 errore nelle opzioni o nel testo (i messaggi indicano
la riga; sono mostrati i primi %2 errori e il numero dei successivi); 3 impossibile scrivere
il risultato sullo standard output (disco pieno, output chiuso, pipe interrotta) o il
FILE.pdf di --pdf, che allora non c&apos;è. Gli alimenti
importati sono nell&apos;archivio se e solo se il codice è 0.
Con i codici 1 e 2 non viene stampato nulla sullo standard output.

</source>
        <translation>Exit codes: 0 meal computed (or foods imported or exported); 1 food database (%1,
beside the program or in ../share/velmo) or personal foods database missing, unreadable
or incomplete; 2 error in the options or in the text (the messages give the line; the
first %2 errors are shown and the number of the others); 3 the result could not be
written to standard output (disk full, output closed, broken pipe) or to the FILE.pdf of
--pdf, which is then not there. The imported foods
are in the database if and only if the code is 0.
With codes 1 and 2 nothing is printed on standard output.

</translation>
    </message>
    <message>
        <source>Uso: velmo-pasto [--csv] [--fabbisogno KCAL] [FILE]
     velmo-pasto --nutrienti [--csv] [--fabbisogno KCAL] [--sesso M|F --anni N
                 [--gravidanza|--allattamento] [--riferimento larn|efsa]] [FILE]
     velmo-pasto --pdf FILE.pdf [--fabbisogno KCAL] [FILE]
     velmo-pasto --pdf FILE.pdf --persona NOME --data AAAA-MM-GG [--settimana]
     velmo-pasto --cerca TESTO
     velmo-pasto --importa-alimenti FILE.csv [--forza]
     velmo-pasto --esporta-alimenti
     velmo-pasto --classifica CHIAVE [--categoria NOME] [--per 100g|100kcal|porzione]

</source>
        <translation>Usage: velmo-pasto [--csv] [--fabbisogno KCAL] [FILE]
       velmo-pasto --nutrienti [--csv] [--fabbisogno KCAL] [--sesso M|F --anni N
                 [--gravidanza|--allattamento] [--riferimento larn|efsa]] [FILE]
       velmo-pasto --pdf FILE.pdf [--fabbisogno KCAL] [FILE]
       velmo-pasto --pdf FILE.pdf --persona NOME --data AAAA-MM-GG [--settimana]
       velmo-pasto --cerca TEXT
       velmo-pasto --importa-alimenti FILE.csv [--forza]
       velmo-pasto --esporta-alimenti
       velmo-pasto --classifica CHIAVE [--categoria NOME] [--per 100g|100kcal|porzione]

</translation>
    </message>
    <message>
        <source>Una porzione: al posto dei grammi, o dopo i grammi come quarto campo, si può scrivere una
porzione, un numero (anche ½ o 1,5) e una misura dell&apos;alimento (&quot;2 fette&quot;), o &quot;1 porzione&quot; per
la porzione standard LARN del suo gruppo; una misura che l&apos;alimento non ha è un errore che
elenca le sue misure.

</source>
        <translation>A portion: in place of the grams, or after the grams as a fourth field, a portion can be
written, a number (also ½ or 1.5) and a measure of the food (&quot;2 fette&quot;), or &quot;1 porzione&quot; for
the LARN standard portion of its group; a measure the food does not have is an error that
lists its measures.

</translation>
    </message>
    <message>
        <source>Opzioni:
  --csv     stampa la tabella in formato CSV (RFC 4180) con le intestazioni della finestra
  --nutrienti  dopo i totali stampa il profilo nutrizionale del pasto: 47 nutrienti e i valori
            derivati (sale, quota dell&apos;energia da proteine, lipidi, carboidrati, acidi grassi
            saturi, polinsaturi, 18:2 e 18:3 e zuccheri, fibra per 1000 kcal), per gruppi. Un valore
            che manca nei dati di un alimento non vale zero: il totale degli altri è un limite
            inferiore (&quot;≥ 12,3 mg (2 alimenti senza valore)&quot;); &quot;n.d.&quot; se nessun alimento ha il
            valore. Con --csv stampa solo il profilo, una riga per nutriente: chiave,nutriente,unita,
            quantita,limite_inferiore,alimenti_senza_valore,riferimento,tipo,percentuale,limite_massimo
  --sesso M|F, --anni N  con --nutrienti: confronta il profilo con i livelli di riferimento
            di una persona di quel sesso e di quell&apos;età (anni interi da 1 a 120): il riferimento
            (PRI, altrimenti AI, altrimenti SDT o intervallo RI), la percentuale raggiunta e il
            livello massimo tollerabile (UL); tra parentesi quadre dove l&apos;unità del riferimento
            non è quella dei dati degli alimenti. Senza, solo le quantità
  --gravidanza, --allattamento  con --sesso F: i riferimenti della gravidanza o
            dell&apos;allattamento
  --riferimento larn|efsa  i livelli LARN 2014 (SINU; il predefinito) o i valori di
            riferimento dell&apos;EFSA
  --cerca TESTO  non calcola un pasto: elenca gli alimenti di tutte le categorie il cui nome,
            o un loro nome comune (&quot;insalata&quot;: le lattughe), contiene ogni parola del TESTO
            (senza distinguere maiuscole, accenti e apostrofi tipografici), una riga
            &quot;categoria;alimento&quot; per alimento: prima quelli che hanno il TESTO per nome comune,
            poi quelli il cui nome o un nome comune inizia con la prima parola, poi gli altri,
            in ordine alfabetico; aggiungendo &quot;;grammi&quot; la riga diventa una riga valida di un
            pasto (i nomi che lo richiedono sono già tra virgolette). Nessun alimento trovato:
            non stampa nulla ed esce con 0
  --fabbisogno KCAL  confronta il pasto con un fabbisogno giornaliero di KCAL kcal (un numero
            maggiore di 0 e al più 32767): una riga dopo i totali, o cinque colonne in più con --csv
  --importa-alimenti FILE.csv  aggiunge agli alimenti personali quelli del file CSV (UTF-8,
            RFC 4180, intestazione alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,
            colesterolo, poi a scelta, in qualsiasi ordine, altri nutrienti con la loro sigla
            INFOODS, per esempio CA (calcio, mg), FE, VITC, per 100 g di parte edibile; numeri
            con punto o virgola decimale; valori vuoti = sconosciuti; a scelta una colonna misure
            con le misure casalinghe, nome=grammi di parte edibile separate da |, al più 10, per
            esempio fetta=30|panino=60). Un alimento con lo
            stesso nome viene aggiornato; i nutrienti che il file non ha tengono il loro valore. Tutte le righe o nessuna; il riepilogo
            va sullo standard error. Sono rifiutati, con il numero della riga, anche i valori
            che la finestra dell&apos;alimento fa confermare (energia lontana più del 15% da quella
            di proteine, lipidi e carboidrati; proteine, lipidi e carboidrati oltre 100 g).
  --forza   con --importa-alimenti: importa anche i valori da confermare
  --esporta-alimenti  stampa gli alimenti personali in quel formato CSV (solo le otto
            colonne se nessun alimento ha altri nutrienti)
  --pdf FILE.pdf  invece delle tabelle scrive nel FILE.pdf il piano stampato del pasto o della
            giornata (A4 verticale): pasti con grammi edibili e lordi, totali del giorno con i
            riferimenti (con --fabbisogno, anche il confronto; con --nutrienti --sesso --anni, i
            riferimenti di quella persona), grafico dei macronutrienti, profilo nutrizionale; il
            file è leggibile solo dal proprio utente e non serve uno schermo. Se non può essere
            scritto esce con 3 e non lascia alcun file
  --lingua it|en  la lingua dei messaggi e di questo aiuto: it italiano, en inglese (senza,
            quella di LANGUAGE o della lingua dell&apos;utente); si usa con ogni altra opzione
  -h, --help  mostra questo aiuto

</source>
        <translation>Options:
  --csv     prints the table as CSV (RFC 4180) with the headings of the window
  --nutrienti  after the totals prints the meal&apos;s nutrient profile: 47 nutrients and the
            derived values (salt, share of energy from protein, fat, carbohydrate, saturated,
            polyunsaturated, 18:2 and 18:3 fatty acids and sugars, fibre per 1000 kcal), by group. A
            value missing from a food&apos;s data is not zero: the total of the others is a lower
            bound (&quot;≥ 12.3 mg (2 foods without a value)&quot;); &quot;n/a&quot; when no food has the
            value. With --csv prints the profile only, one line per nutrient: chiave,nutriente,unita,
            quantita,limite_inferiore,alimenti_senza_valore,riferimento,tipo,percentuale,limite_massimo
  --sesso M|F, --anni N  with --nutrienti: compares the profile with the reference intakes
            of a person of that sex and age (whole years from 1 to 120): the reference
            (PRI, else AI, else SDT or RI range), the share reached and the tolerable
            upper level (UL); in square brackets where the reference&apos;s unit is not that
            of the food data. Without them, amounts only
  --gravidanza, --allattamento  with --sesso F: the references of pregnancy or
            lactation
  --riferimento larn|efsa  the LARN 2014 intakes (SINU; the default) or EFSA&apos;s dietary
            reference values
  --cerca TEXT  computes no meal: lists the foods of every category whose name contains
            every word of TEXT (ignoring case, accents and typographic apostrophes), one
            &quot;category;food&quot; line per food: first those whose name begins with the first
            word, then the others, in alphabetical order; adding &quot;;grams&quot; makes the line a
            valid line of a meal (names that need it are already quoted). Under Italian the
            Italian names are searched, and their common names too (&quot;insalata&quot;: the
            lettuces), those having TEXT as a common name first. No food found: prints
            nothing and exits with 0
  --fabbisogno KCAL  compares the meal with a daily requirement of KCAL kcal (a number
            above 0 and at most 32767): one line after the totals, or five more columns with --csv
  --importa-alimenti FILE.csv  adds the foods of the CSV file to the personal foods (UTF-8,
            RFC 4180, heading alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,
            colesterolo, then at will, in any order, other nutrients by their INFOODS tag, for
            example CA (calcium, mg), FE, VITC, per 100 g of edible part; numbers with a
            decimal point or comma; empty values = unknown; at will a column misure with the
            household measures, name=grams of edible part separated by |, at most 10, for
            example fetta=30|panino=60). A food with the same name is
            updated; the nutrients the file has no column for keep their value. All lines or none; the summary goes to
            standard error. Also refused, with the number of the line, are the values that
            the food window asks to confirm (energy more than 15% away from that of protein,
            fat and carbohydrate; protein, fat and carbohydrate above 100 g).
  --forza   with --importa-alimenti: imports the values to confirm as well
  --esporta-alimenti  prints the personal foods in that CSV format (only the eight
            columns when no food has other nutrients)
  --pdf FILE.pdf  instead of the tables writes the printed plan of the meal or day into
            FILE.pdf (A4 portrait): meals with edible and gross grams, the day&apos;s totals with
            their references (with --fabbisogno, the comparison too; with --nutrienti --sesso
            --anni, that person&apos;s references), macronutrient chart, nutrient profile; the file
            is readable by its owner alone and no display is needed. If it cannot be written,
            exits with 3 and leaves no file
  --lingua it|en  the language of the messages and of this help: it Italian, en English
            (without it, that of LANGUAGE or of the user&apos;s locale); goes with any other option
  -h, --help  shows this help

</translation>
    </message>
</context>
<context>
    <name>PersonCommand</name>
    <message>
        <source>nessun file scritto</source>
        <translation>no file written</translation>
    </message>
    <message>
        <source>nessuna persona con questo nome</source>
        <translation>no person has this name</translation>
    </message>
    <message>
        <source>impossibile scrivere %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>nessuna persona importata</source>
        <translation>no person imported</translation>
    </message>
    <message>
        <source>nessuna persona importata: per sostituirla aggiungere --sostituisci</source>
        <translation>no person imported: to replace the one there, add --sostituisci</translation>
    </message>
    <message>
        <source>--esporta-persona NOME FILE e --importa-persona FILE [--sostituisci] vanno usati da soli, una volta (vedere velmo-pasto --help)</source>
        <translation>--esporta-persona NOME FILE and --importa-persona FILE [--sostituisci] go alone, once (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>--esporta-persona vuole il NOME della persona e il FILE da scrivere (&quot;-&quot; per lo standard output)</source>
        <translation>--esporta-persona wants the NOME (name) of the person and the FILE to write (&quot;-&quot; for standard output)</translation>
    </message>
    <message>
        <source>--importa-persona vuole un solo FILE</source>
        <translation>--importa-persona wants one FILE</translation>
    </message>
    <message numerus="yes">
        <source>persona importata in %1 con %n giorni</source>
        <translation>
            <numerusform>person imported into %1 with %n day</numerusform>
            <numerusform>person imported into %1 with %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>la data di --data non è valida: scriverla come AAAA-MM-GG, per esempio 2026-03-02</source>
        <translation>the date of --data is not valid: write it as YYYY-MM-DD, for example 2026-03-02</translation>
    </message>
    <message>
        <source>nessun giorno conservato per la persona in questa data</source>
        <translation>no day stored for the person on this date</translation>
    </message>
    <message>
        <source>nessun giorno conservato per la persona nei sette giorni da questa data</source>
        <translation>no day stored for the person in the seven days from this date</translation>
    </message>
    <message numerus="yes">
        <source>Media giornaliera di %n giorni</source>
        <translation>
            <numerusform>Daily average of %n day</numerusform>
            <numerusform>Daily average of %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>--persona NOME e --data AAAA-MM-GG vanno dati una volta, con al più --settimana e --csv o --pdf FILE.pdf (vedere velmo-pasto --help)</source>
        <translation>--persona NOME and --data AAAA-MM-GG are given once, with at most --settimana and --csv or --pdf FILE.pdf (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>la persona ha troppi giorni per un file che l&apos;importazione possa leggere (al massimo 20 MB)</source>
        <translation>the person has too many days for a file an import can read (20 MB at most)</translation>
    </message>
    <message>
        <source>attenzione: gli alimenti dei giorni non sono stati controllati: %1</source>
        <translation>warning: the foods of the days were not checked: %1</translation>
    </message>
    <message>
        <source>Persone:
  --esporta-persona NOME FILE  non calcola un pasto: scrive nel FILE (&quot;-&quot; per lo standard
            output) tutto ciò che Velmo conserva della persona NOME: dati, pesi e giorni con i
            loro pasti, in un file JSON (&quot;formato&quot;: &quot;velmo-persona&quot;, &quot;versione&quot;: 1, o 2 se
            una riga ha una porzione; vedere docs/persona-json.md) leggibile solo dal proprio
            utente
  --importa-persona FILE  aggiunge la persona del FILE, tutta o niente; una persona con lo
            stesso nome è rifiutata. I giorni che nominano alimenti che qui non ci sono sono
            importati con un avviso e si aprono quando gli alimenti ci sono
  --sostituisci  con --importa-persona: sostituisce la persona con lo stesso nome, con tutti
            i suoi pesi e giorni
  --persona NOME --data AAAA-MM-GG  stampa il giorno conservato della persona in quella data
            come si stampa un file di un giorno (con --csv, in CSV); esce con 2 se la persona
            o il giorno non ci sono
  --settimana  con --persona e --data: i sette giorni da quella data, ciascuno con i suoi
            totali, poi la media giornaliera dei giorni conservati (con --csv, una colonna
            Data; con --pdf FILE.pdf, il piano stampato della settimana)
  --pdf FILE.pdf  con --persona e --data: scrive nel FILE.pdf il piano da consegnare alla
            persona (A4 verticale): dati della persona, fabbisogno, pasti con grammi edibili
            e lordi, totali, grafico dei macronutrienti e nutrienti; il file è leggibile solo
            dal proprio utente. Non serve uno schermo. Se non può essere scritto esce con 3 e
            non lascia alcun file
  Le persone sono nell&apos;archivio privato %1; i messaggi non ripetono né il nome né i dati
  della persona.

</source>
        <translation>Persons:
  --esporta-persona NOME FILE  computes no meal: writes to FILE (&quot;-&quot; for standard output)
            everything Velmo keeps of the person NOME (name): details, weights and days with
            their meals, as a JSON file (&quot;formato&quot;: &quot;velmo-persona&quot;, &quot;versione&quot;: 1, or 2 if
            a row has a portion; see docs/persona-json.md) readable by its owner alone
  --importa-persona FILE  adds the person of FILE, all or nothing; a person with the same
            name is refused. Days naming foods that are not here are imported with a
            warning, and open once the foods are here
  --sostituisci  with --importa-persona: replaces the person with the same name, with all
            their weights and days
  --persona NOME --data AAAA-MM-GG  prints the stored day of the person NOME (name) on that
            date (AAAA-MM-GG: YYYY-MM-DD) as a day file is printed (with --csv, as CSV); exits
            with 2 if the person or the day is not there
  --settimana  with --persona and --data: the seven days from that date (settimana: week),
            each with its totals, then the daily average of the stored days (with --csv, a
            Data (date) column; with --pdf FILE.pdf, the week&apos;s printed plan)
  --pdf FILE.pdf  with --persona and --data: writes into FILE.pdf the plan to hand to the
            person (A4 portrait): the person&apos;s data, requirement, meals with edible and gross
            grams, totals, macronutrient chart and nutrients; the file is readable by its owner
            alone. No display is needed. If it cannot be written, exits with 3 and leaves no
            file
  The persons are in the private file %1; the messages repeat neither the name nor the
  person&apos;s data.

</translation>
    </message>
    <message>
        <source>attenzione: alcuni giorni nominano alimenti che qui non ci sono, e la finestra li mostra senza quelle righe (gli alimenti personali si aggiungono con --importa-alimenti):</source>
        <translation>warning: some days name foods that are not here, and the window shows them without those rows (personal foods are added with --importa-alimenti):</translation>
    </message>
</context>
<context>
    <name>PersonJson</name>
    <message>
        <source>campo &quot;%1&quot;: %2</source>
        <translation>field &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>campo sconosciuto: toglierlo (vedere il formato del file)</source>
        <translation>unknown field: remove it (see the file format)</translation>
    </message>
    <message>
        <source>manca o non è un testo tra virgolette</source>
        <translation>missing or not a text in double quotes</translation>
    </message>
    <message>
        <source>manca o non è un numero</source>
        <translation>missing or not a number</translation>
    </message>
    <message>
        <source>manca o non è un elenco tra parentesi quadre</source>
        <translation>missing or not a list in square brackets</translation>
    </message>
    <message>
        <source>data non valida: scriverla come AAAA-MM-GG, per esempio &quot;2026-01-31&quot;</source>
        <translation>invalid date: write it as YYYY-MM-DD, for example &quot;2026-01-31&quot;</translation>
    </message>
    <message>
        <source>valore non ammesso: scrivere uno fra %1</source>
        <translation>value not allowed: write one of %1</translation>
    </message>
    <message>
        <source>non è un oggetto tra parentesi graffe</source>
        <translation>not an object in braces</translation>
    </message>
    <message>
        <source>categoria sconosciuta: scrivere il titolo di una categoria, come &quot;Frutta&quot;</source>
        <translation>unknown category: write the heading of a category, such as &quot;Frutta&quot;</translation>
    </message>
    <message>
        <source>il file supera i 20 MB: non è l&apos;esportazione di una persona di Velmo</source>
        <translation>the file is larger than 20 MB: it is not a person exported by Velmo</translation>
    </message>
    <message>
        <source>riga %1: il testo non è JSON valido (controllare virgole, virgolette e parentesi)</source>
        <translation>line %1: the text is not valid JSON (check commas, quotes and brackets)</translation>
    </message>
    <message>
        <source>il file non è l&apos;esportazione di una persona di Velmo: manca &quot;formato&quot;: &quot;velmo-persona&quot;</source>
        <translation>the file is not a person exported by Velmo: &quot;formato&quot;: &quot;velmo-persona&quot; is missing</translation>
    </message>
    <message>
        <source>il file è stato scritto da una versione più recente di Velmo (versione %1 del formato): aggiornare Velmo</source>
        <translation>the file was written by a newer version of Velmo (version %1 of the format): update Velmo</translation>
    </message>
    <message>
        <source>campo &quot;versione&quot;: deve essere %1 o %2</source>
        <translation>field &quot;versione&quot;: it must be %1 or %2</translation>
    </message>
    <message>
        <source>scritto due volte nello stesso oggetto: uno dei due valori andrebbe perso</source>
        <translation>written twice in the same object: one of the two values would be lost</translation>
    </message>
</context>
<context>
    <name>PersonMetrics</name>
    <message>
        <source>sotto i 18 anni le classi dell&apos;adulto non si applicano</source>
        <translation>under 18 years the adult classes do not apply</translation>
    </message>
    <message>
        <source>sottopeso</source>
        <translation>underweight</translation>
    </message>
    <message>
        <source>normopeso</source>
        <translation>normal weight</translation>
    </message>
    <message>
        <source>sovrappeso</source>
        <translation>overweight</translation>
    </message>
    <message>
        <source>obesità di I grado</source>
        <translation>obesity class I</translation>
    </message>
    <message>
        <source>obesità di II grado</source>
        <translation>obesity class II</translation>
    </message>
    <message>
        <source>obesità di III grado</source>
        <translation>obesity class III</translation>
    </message>
    <message>
        <source>Il fabbisogno non comprende l&apos;energia in più che la gravidanza richiede dal secondo trimestre: aggiungerla secondo il trimestre.</source>
        <translation>The requirement leaves out the extra energy that a pregnancy needs from the second trimester: add it for the trimester.</translation>
    </message>
    <message>
        <source>Il fabbisogno non comprende l&apos;energia in più che l&apos;allattamento richiede: aggiungerla.</source>
        <translation>The requirement leaves out the extra energy that breastfeeding needs: add it.</translation>
    </message>
    <message>
        <source>non si calcola oltre i %1 anni o i %2 kg</source>
        <translation>is not computed past %1 years or %2 kg</translation>
    </message>
</context>
<context>
    <name>PersonRules</name>
    <message>
        <source>Il nome è vuoto: scriverlo.</source>
        <translation>The name is empty: write it.</translation>
    </message>
    <message>
        <source>Il nome è troppo lungo: al massimo %1 caratteri.</source>
        <translation>The name is too long: at most %1 characters.</translation>
    </message>
    <message>
        <source>La data del peso manca, non è valida o è nel futuro: correggerla.</source>
        <translation>The date of the weight is missing, not valid or in the future: correct it.</translation>
    </message>
    <message>
        <source>Il peso deve essere fra 2 e 400 kg.</source>
        <translation>The weight must be between 2 and 400 kg.</translation>
    </message>
    <message>
        <source>La circonferenza della vita deve essere fra 30 e 250 cm.</source>
        <translation>The waist circumference must be between 30 and 250 cm.</translation>
    </message>
    <message>
        <source>La data di nascita manca, non è valida o è nel futuro: correggerla.</source>
        <translation>The date of birth is missing, not valid or in the future: correct it.</translation>
    </message>
    <message>
        <source>L&apos;altezza deve essere fra 40 e 250 cm.</source>
        <translation>The height must be between 40 and 250 cm.</translation>
    </message>
    <message>
        <source>Gravidanza e allattamento valgono solo per una donna.</source>
        <translation>Pregnancy and lactation apply to a woman only.</translation>
    </message>
    <message>
        <source>Le note sono troppo lunghe: al massimo %1 caratteri.</source>
        <translation>The notes are too long: at most %1 characters.</translation>
    </message>
    <message>
        <source>Due pesi hanno la stessa data: tenerne uno.</source>
        <translation>Two weights have the same date: keep one.</translation>
    </message>
    <message>
        <source>Un pasto ha al massimo %1 alimenti.</source>
        <translation>A meal has at most %1 foods.</translation>
    </message>
    <message>
        <source>Categoria sconosciuta: indicare il titolo di una categoria o il nome della sua tabella.</source>
        <translation>Unknown category: give the heading of a category or the name of its table.</translation>
    </message>
    <message>
        <source>I grammi devono essere un numero intero maggiore di 0, di al massimo %1 cifre.</source>
        <translation>The grams must be a whole number above 0, of at most %1 digits.</translation>
    </message>
    <message>
        <source>Un giorno ha al massimo %1 pasti.</source>
        <translation>A day has at most %1 meals.</translation>
    </message>
    <message>
        <source>La data del giorno manca, non è valida o è ripetuta.</source>
        <translation>The date of the day is missing, not valid or repeated.</translation>
    </message>
    <message>
        <source>Il nome di un pasto non può contenere &quot;]&quot; né cominciare o finire con uno spazio.</source>
        <translation>A meal&apos;s name cannot contain &quot;]&quot; or begin or end with a space.</translation>
    </message>
    <message>
        <source>La porzione va scritta come &quot;2 fette&quot;: un numero, poi la misura, su una riga di al massimo %1 caratteri.</source>
        <translation>Write the portion as &quot;2 slices&quot;: a number, then the measure, on one line of at most %1 characters.</translation>
    </message>
    <message>
        <source>Il nome contiene caratteri di controllo o invisibili (a capo, tabulazioni, spazi senza larghezza): toglierli.</source>
        <translation>The name contains control or invisible characters (line breaks, tabs, zero-width spaces): remove them.</translation>
    </message>
    <message>
        <source>Il nome di una persona non può cominciare o finire con uno spazio.</source>
        <translation>A person&apos;s name cannot begin or end with a space.</translation>
    </message>
    <message>
        <source>Il pasto %1 c&apos;è già: i pasti di un giorno hanno nomi diversi.</source>
        <translation>The meal %1 is already there: the meals of a day have different names.</translation>
    </message>
    <message>
        <source>Gravidanza e allattamento valgono dai %1 anni in su.</source>
        <translation>Pregnancy and lactation apply from the age of %1.</translation>
    </message>
    <message>
        <source>La data di nascita è di più di %1 anni fa: correggerla.</source>
        <translation>The date of birth is more than %1 years ago: correct it.</translation>
    </message>
</context>
<context>
    <name>PersonStore</name>
    <message>
        <source>Modifica non salvata: il profilo della persona è stato modificato da un&apos;altra finestra di Velmo dopo che è stato letto. Rileggerlo e ripetere la modifica.</source>
        <translation>Change not saved: the person&apos;s record was changed by another Velmo window after it was read. Read it again and repeat the change.</translation>
    </message>
    <message>
        <source>Modifica non salvata: il giorno è stato modificato da un&apos;altra finestra di Velmo dopo che è stato letto. Rileggerlo e ripetere la modifica.</source>
        <translation>Change not saved: the day was changed by another Velmo window after it was read. Read it again and repeat the change.</translation>
    </message>
    <message>
        <source>La data del giorno non è valida.</source>
        <translation>The date of the day is not valid.</translation>
    </message>
    <message>
        <source>Nessun pasto abituale con questo nome: forse è stato eliminato da un&apos;altra finestra di Velmo.</source>
        <translation>No habitual meal has this name: another Velmo window may have deleted it.</translation>
    </message>
    <message>
        <source>Esiste già una persona con questo nome: sceglierne un altro.</source>
        <translation>A person with this name already exists: choose another one.</translation>
    </message>
    <message>
        <source>Il file delle persone nomina una categoria di alimenti che questa versione di Velmo non conosce: aggiornare Velmo.</source>
        <translation>The persons&apos; file names a food category that this version of Velmo does not know: update Velmo.</translation>
    </message>
    <message>
        <source>Il file è danneggiato o non è un archivio delle persone di Velmo: ripristinarlo da una copia di sicurezza, oppure spostarlo altrove perché Velmo ne crei uno nuovo.
Dettagli: %1</source>
        <translation>The file is damaged or is not a Velmo persons&apos; file: restore it from a backup, or move it elsewhere so that Velmo makes a new one.
Details: %1</translation>
    </message>
    <message>
        <source>Il file è stato scritto da una versione più recente di Velmo (formato %1, questa versione legge fino al formato %2): aggiornare Velmo.</source>
        <translation>The file was written by a newer version of Velmo (format %1; this version reads up to format %2): update Velmo.</translation>
    </message>
    <message>
        <source>Il file non è un archivio delle persone di Velmo: spostarlo o rinominarlo, poi riprovare.</source>
        <translation>The file is not a Velmo persons&apos; file: move or rename it, then try again.</translation>
    </message>
    <message>
        <source>Impossibile aprire l&apos;archivio delle persone:
%1

%2

Il file non è stato modificato; Velmo funziona anche senza.</source>
        <translation>Cannot open the persons&apos; file:
%1

%2

The file was not changed; Velmo works without it.</translation>
    </message>
    <message>
        <source>Il file non esiste: nessuna persona è stata ancora aggiunta.</source>
        <translation>The file does not exist: no person has been added yet.</translation>
    </message>
    <message>
        <source>Operazione non riuscita: il file è in uso da un&apos;altra finestra di Velmo, riprova fra qualche istante.</source>
        <translation>Not done: the file is in use by another Velmo window, try again in a moment.</translation>
    </message>
    <message>
        <source>Operazione non riuscita sull&apos;archivio delle persone %1; nulla è stato modificato:
%2</source>
        <translation>Not done on the persons&apos; file %1; nothing was changed:
%2</translation>
    </message>
    <message>
        <source>La persona è stata eliminata, ma il suo nome si legge ancora nel file %1 (forse un&apos;altra finestra di Velmo lo sta leggendo): chiudere le altre finestre di Velmo e riprovare.</source>
        <translation>The person was deleted, but the name can still be read in the file %1 (another Velmo window may be reading it): close the other Velmo windows and try again.</translation>
    </message>
    <message>
        <source>Nessuna persona con questo nome: forse è stata eliminata, nella finestra Persone o in un&apos;altra finestra di Velmo.</source>
        <translation>No person has this name: it may have been deleted, in the Persons window or in another Velmo window.</translation>
    </message>
</context>
<context>
    <name>PersonalCatalogue</name>
    <message>
        <source>Impossibile aprire l&apos;archivio degli alimenti personali:
%1

%2</source>
        <translation>Cannot open the personal foods file:
%1

%2</translation>
    </message>
    <message>
        <source>Il file non è un archivio di alimenti personali di Velmo: indicare un altro file o spostarlo.</source>
        <translation>The file is not a Velmo personal foods file: name another file or move it.</translation>
    </message>
    <message>
        <source>Impossibile creare l&apos;archivio degli alimenti personali</source>
        <translation>Cannot create the personal foods file</translation>
    </message>
    <message>
        <source>Impossibile rinominare il file %1.</source>
        <translation>Cannot rename the file %1.</translation>
    </message>
    <message>
        <source>%1; l&apos;archivio non è stato modificato:
%2

%3</source>
        <translation>%1; the file has not been changed:
%2

%3</translation>
    </message>
    <message>
        <source>Esiste già un alimento personale di nome &quot;%1&quot;.</source>
        <translation>A personal food called &quot;%1&quot; already exists.</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;alimento nell&apos;archivio degli alimenti personali</source>
        <translation>Cannot save the food in the personal foods file</translation>
    </message>
    <message>
        <source>l&apos;alimento &quot;%1&quot; non è più nell&apos;archivio</source>
        <translation>the food &quot;%1&quot; is no longer in the file</translation>
    </message>
    <message>
        <source>Impossibile eliminare l&apos;alimento dall&apos;archivio degli alimenti personali</source>
        <translation>Cannot delete the food from the personal foods file</translation>
    </message>
    <message>
        <source>Impossibile importare gli alimenti nell&apos;archivio degli alimenti personali</source>
        <translation>Cannot import the foods into the personal foods file</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;archivio degli alimenti personali:
%1

%2</source>
        <translation>Cannot read the personal foods file:
%1

%2</translation>
    </message>
    <message>
        <source>Impossibile aggiornare il formato dell&apos;archivio degli alimenti personali</source>
        <translation>Cannot update the format of the personal foods archive</translation>
    </message>
</context>
<context>
    <name>PersonalFood</name>
    <message>
        <source>Parte edibile</source>
        <translation>Edible part</translation>
    </message>
    <message>
        <source>Lipidi</source>
        <translation>Fat</translation>
    </message>
    <message>
        <source>Energia</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Fibra</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Colesterolo</source>
        <translation>Cholesterol</translation>
    </message>
    <message>
        <source>Il nome dell&apos;alimento è vuoto.</source>
        <translation>The name of the food is empty.</translation>
    </message>
    <message>
        <source>Il nome dell&apos;alimento deve avere almeno due caratteri.</source>
        <translation>The name of the food must have at least two characters.</translation>
    </message>
    <message>
        <source>Il nome dell&apos;alimento è troppo lungo (al massimo %1 caratteri).</source>
        <translation>The name of the food is too long (at most %1 characters).</translation>
    </message>
    <message>
        <source>%1: il valore deve essere compreso fra %2 e %3 %4.</source>
        <translation>%1: the value must be between %2 and %3 %4.</translation>
    </message>
    <message numerus="yes">
        <source>servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), ce ne sono %n</source>
        <translation>
            <numerusform>8 fields are needed (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), there is %n</numerusform>
            <numerusform>8 fields are needed (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), there are %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: manca il valore</source>
        <translation>%1: the value is missing</translation>
    </message>
    <message>
        <source>%1: %2 non è un numero (usare cifre e al più un separatore decimale, punto o virgola)</source>
        <translation>%1: %2 is not a number (use digits and at most one decimal separator, point or comma)</translation>
    </message>
    <message>
        <source>la prima riga deve essere l&apos;intestazione alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo</source>
        <translation>the first line must be the header alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>l&apos;alimento %1 compare già alla riga %2</source>
        <translation>the food %1 already appears on line %2</translation>
    </message>
    <message>
        <source>il file supera %1 MB</source>
        <translation>the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>il file non è testo UTF-8</source>
        <translation>the file is not UTF-8 text</translation>
    </message>
    <message>
        <source>riga 1: %1</source>
        <translation>line 1: %1</translation>
    </message>
    <message numerus="yes">
        <source>e altri %n errori</source>
        <translation>
            <numerusform>and %n more error</numerusform>
            <numerusform>and %n more errors</numerusform>
        </translation>
    </message>
    <message>
        <source>impossibile leggere %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>Protidi</source>
        <translation>Protein</translation>
    </message>
    <message>
        <source>Glucidi</source>
        <translation>Carbohydrate</translation>
    </message>
    <message>
        <source>L&apos;energia indicata (%1 kcal) differisce di più del 15% da quella calcolata da protidi, lipidi e glucidi (4 × %2 + 9 × %3 + 4 × %4 = %5 kcal); può essere giusta, per esempio per l&apos;alcol o i polioli.</source>
        <translation>The energy given (%1 kcal) differs by more than 15% from the energy computed from protein, fat and carbohydrate (4 × %2 + 9 × %3 + 4 × %4 = %5 kcal); it may be right, for example because of alcohol or polyols.</translation>
    </message>
    <message>
        <source>Protidi, lipidi e glucidi insieme fanno %1 g, più dei 100 g di alimento a cui si riferiscono.</source>
        <translation>Protein, fat and carbohydrate together make %1 g, more than the 100 g of food they refer to.</translation>
    </message>
    <message numerus="yes">
        <source>servono tanti campi quante sono le colonne dell&apos;intestazione (%1), ce ne sono %n</source>
        <translation>
            <numerusform>as many fields as the header has columns (%1) are needed, there is %n</numerusform>
            <numerusform>as many fields as the header has columns (%1) are needed, there are %n</numerusform>
        </translation>
    </message>
    <message>
        <source>la colonna %1 compare più volte</source>
        <translation>the column %1 appears more than once</translation>
    </message>
    <message>
        <source>Acqua</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Alcol etilico</source>
        <translation>Alcohol, ethyl</translation>
    </message>
    <message>
        <source>Amido</source>
        <translation>Starch</translation>
    </message>
    <message>
        <source>Zuccheri totali</source>
        <translation>Sugars, total</translation>
    </message>
    <message>
        <source>Lattosio</source>
        <translation>Lactose</translation>
    </message>
    <message>
        <source>Acidi grassi saturi totali</source>
        <translation>Fatty acids, total saturated</translation>
    </message>
    <message>
        <source>Acidi grassi monoinsaturi totali</source>
        <translation>Fatty acids, total monounsaturated</translation>
    </message>
    <message>
        <source>Acidi grassi polinsaturi totali</source>
        <translation>Fatty acids, total polyunsaturated</translation>
    </message>
    <message>
        <source>Acidi grassi trans totali</source>
        <translation>Fatty acids, total trans</translation>
    </message>
    <message>
        <source>Acidi grassi 18:2 (isomeri non distinti)</source>
        <translation>18:2 undifferentiated</translation>
    </message>
    <message>
        <source>Acidi grassi 18:3 (isomeri non distinti)</source>
        <translation>18:3 undifferentiated</translation>
    </message>
    <message>
        <source>Acido eicosapentaenoico 20:5 n-3 (EPA)</source>
        <translation>20:5 n-3 (EPA)</translation>
    </message>
    <message>
        <source>Acido docosaesaenoico 22:6 n-3 (DHA)</source>
        <translation>22:6 n-3 (DHA)</translation>
    </message>
    <message>
        <source>Calcio</source>
        <translation>Calcium, Ca</translation>
    </message>
    <message>
        <source>Ferro</source>
        <translation>Iron, Fe</translation>
    </message>
    <message>
        <source>Magnesio</source>
        <translation>Magnesium, Mg</translation>
    </message>
    <message>
        <source>Fosforo</source>
        <translation>Phosphorus, P</translation>
    </message>
    <message>
        <source>Potassio</source>
        <translation>Potassium, K</translation>
    </message>
    <message>
        <source>Sodio</source>
        <translation>Sodium, Na</translation>
    </message>
    <message>
        <source>Zinco</source>
        <translation>Zinc, Zn</translation>
    </message>
    <message>
        <source>Rame</source>
        <translation>Copper, Cu</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganese, Mn</translation>
    </message>
    <message>
        <source>Selenio</source>
        <translation>Selenium, Se</translation>
    </message>
    <message>
        <source>Vitamina A (equivalenti di attività del retinolo)</source>
        <translation>Vitamin A, RAE</translation>
    </message>
    <message>
        <source>Retinolo</source>
        <translation>Retinol</translation>
    </message>
    <message>
        <source>Beta-carotene</source>
        <translation>Carotene, beta</translation>
    </message>
    <message>
        <source>Vitamina D (D2 + D3)</source>
        <translation>Vitamin D (D2 + D3)</translation>
    </message>
    <message>
        <source>Vitamina E (alfa-tocoferolo)</source>
        <translation>Vitamin E (alpha-tocopherol)</translation>
    </message>
    <message>
        <source>Vitamina K (fillochinone)</source>
        <translation>Vitamin K (phylloquinone)</translation>
    </message>
    <message>
        <source>Vitamina C (acido ascorbico totale)</source>
        <translation>Vitamin C, total ascorbic acid</translation>
    </message>
    <message>
        <source>Tiamina (vitamina B1)</source>
        <translation>Thiamin</translation>
    </message>
    <message>
        <source>Riboflavina (vitamina B2)</source>
        <translation>Riboflavin</translation>
    </message>
    <message>
        <source>Niacina (preformata)</source>
        <translation>Niacin</translation>
    </message>
    <message>
        <source>Acido pantotenico</source>
        <translation>Pantothenic acid</translation>
    </message>
    <message>
        <source>Vitamina B6</source>
        <translation>Vitamin B-6</translation>
    </message>
    <message>
        <source>Folati totali</source>
        <translation>Folate, total</translation>
    </message>
    <message>
        <source>Folati (equivalenti alimentari di folato)</source>
        <translation>Folate, DFE</translation>
    </message>
    <message>
        <source>Vitamina B12</source>
        <translation>Vitamin B-12</translation>
    </message>
    <message>
        <source>Colina totale</source>
        <translation>Choline, total</translation>
    </message>
    <message>
        <source>Caffeina</source>
        <translation>Caffeine</translation>
    </message>
    <message>
        <source>%1 non è una misura: scrivere nome=grammi, per esempio fetta=30, le misure separate da &quot;|&quot;.</source>
        <translation>%1 is not a measure: write name=grams, for example slice=30, the measures separated by &quot;|&quot;.</translation>
    </message>
    <message>
        <source>%1: i grammi di parte edibile devono essere maggiori di 0 e al più %2.</source>
        <translation>%1: the grams of edible part must be above 0 and at most %2.</translation>
    </message>
    <message>
        <source>La misura %1 compare più volte.</source>
        <translation>The measure %1 appears more than once.</translation>
    </message>
    <message>
        <source>Al massimo %1 misure per alimento.</source>
        <translation>At most %1 measures per food.</translation>
    </message>
    <message>
        <source>misure: %1</source>
        <translation>measures: %1</translation>
    </message>
    <message>
        <source>colonna sconosciuta %1: dopo le otto colonne possono venire solo le sigle INFOODS dei nutrienti (per esempio CA, FE, VITC) e misure</source>
        <translation>unknown column %1: after the eight columns only the nutrients&apos; INFOODS tags (for example CA, FE, VITC) and misure may follow</translation>
    </message>
    <message>
        <source>Il nome di misura %1 è troppo lungo (al massimo %2 caratteri) o contiene caratteri di controllo o invisibili.</source>
        <translation>The measure name %1 is too long (at most %2 characters) or contains control or invisible characters.</translation>
    </message>
    <message>
        <source>Il nome dell&apos;alimento contiene caratteri di controllo o invisibili.</source>
        <translation>The food name contains control or invisible characters.</translation>
    </message>
    <message>
        <source>lettura annullata</source>
        <translation>reading cancelled</translation>
    </message>
    <message>
        <source>Il nome di misura %1 non ha lettere: scrivere una parola, per esempio fetta.</source>
        <translation>The measure name %1 has no letters: write a word, for example slice.</translation>
    </message>
    <message>
        <source>Scrivere le migliaia senza separatore (%1) e i decimali con &quot;%2&quot;.</source>
        <translation>Write thousands without a separator (%1) and decimals with &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1: i grammi %2 non sono chiari.</source>
        <translation>%1: the grams %2 are unclear.</translation>
    </message>
    <message>
        <source>%1: il valore %2 non è chiaro.</source>
        <translation>%1: the value %2 is unclear.</translation>
    </message>
    <message>
        <source>le colonne devono essere separate da virgole, non da punti e virgola</source>
        <translation>the columns must be separated by commas, not by semicolons</translation>
    </message>
</context>
<context>
    <name>PlanPrinting</name>
    <message>
        <source>La settimana è quella dei giorni conservati di una persona: scegliere prima la persona corrente nella finestra Persone.</source>
        <translation>The week is a person&apos;s stored days: first choose the current person in the Persons window.</translation>
    </message>
    <message>
        <source>Esporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Stampa piano</source>
        <translation>Print plan</translation>
    </message>
    <message>
        <source>Il piano non è stato stampato: %1</source>
        <translation>The plan was not printed: %1</translation>
    </message>
    <message>
        <source>piano.pdf</source>
        <translation>plan.pdf</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1: %2. Scegliere un&apos;altra cartella o liberare spazio e riprovare.</source>
        <translation>Cannot write %1: %2. Choose another folder or free some space and try again.</translation>
    </message>
    <message>
        <source>la finestra mostra il giorno del %1: stamparlo con quella data, o scegliere la settimana.</source>
        <translation>the window shows the day of %1: print it with that date, or choose the week.</translation>
    </message>
</context>
<context>
    <name>PlanReport</name>
    <message>
        <source>attività leggera</source>
        <translation>light activity</translation>
    </message>
    <message>
        <source>attività moderata</source>
        <translation>moderate activity</translation>
    </message>
    <message>
        <source>attività pesante</source>
        <translation>heavy activity</translation>
    </message>
    <message>
        <source>livello di attività non scelto</source>
        <translation>activity level not chosen</translation>
    </message>
    <message>
        <source>con le attività fisiche auspicabili</source>
        <translation>with the desirable physical activities</translation>
    </message>
    <message>
        <source>senza le attività fisiche auspicabili</source>
        <translation>without the desirable physical activities</translation>
    </message>
    <message>
        <source>attività fisiche auspicabili non indicate</source>
        <translation>desirable physical activities not stated</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>femmina</source>
        <translation>female</translation>
    </message>
    <message>
        <source>maschio</source>
        <translation>male</translation>
    </message>
    <message>
        <source>Età</source>
        <translation>Age</translation>
    </message>
    <message numerus="yes">
        <source>%n anni</source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message>
        <source>Manca la data di nascita della persona (o è dopo la data del piano): età, fabbisogno e riferimenti non sono calcolati. Correggerla nella finestra Persone.</source>
        <translation>The person&apos;s birth date is missing (or after the plan&apos;s date): age, requirement and references are not computed. Correct it in the Persons window.</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>%1 kg (del %2)</source>
        <translation>%1 kg (on %2)</translation>
    </message>
    <message>
        <source>Nessun peso registrato per la persona: indice di massa corporea e fabbisogno non sono calcolati. Aggiungere un peso nella finestra Persone.</source>
        <translation>No weight recorded for the person: body mass index and requirement are not computed. Add a weight in the Persons window.</translation>
    </message>
    <message>
        <source>Indice di massa corporea</source>
        <translation>Body mass index</translation>
    </message>
    <message>
        <source>Fabbisogno</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>metabolismo basale %1 kcal</source>
        <translation>basal metabolism %1 kcal</translation>
    </message>
    <message>
        <source> × LAF %1</source>
        <translation> × PAL %1</translation>
    </message>
    <message>
        <source>; LAF dell&apos;età (da 10 a 17 anni)</source>
        <translation>; PAL of the age (10 to 17 years)</translation>
    </message>
    <message>
        <source>; sotto i 10 anni solo il metabolismo basale</source>
        <translation>; under 10 years the basal metabolism only</translation>
    </message>
    <message>
        <source>Il fabbisogno non è calcolato: scegliere il livello di attività e le attività fisiche auspicabili della persona nella finestra Persone.</source>
        <translation>The requirement is not computed: choose the person&apos;s activity level and desirable physical activities in the Persons window.</translation>
    </message>
    <message>
        <source>Calcolo</source>
        <translation>Computed from</translation>
    </message>
    <message>
        <source>Ripartizione</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>proteine %1 % (%2 g), lipidi %3 % (%4 g), carboidrati %5 % (%6 g)</source>
        <translation>protein %1 % (%2 g), fat %3 % (%4 g), carbohydrate %5 % (%6 g)</translation>
    </message>
    <message>
        <source>Pasto</source>
        <translation>Meal</translation>
    </message>
    <message numerus="yes">
        <source>Media giornaliera di %n giorni</source>
        <translation>
            <numerusform>Daily average of %n day</numerusform>
            <numerusform>Daily average of %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>Totali del pasto</source>
        <translation>Meal totals</translation>
    </message>
    <message>
        <source>Totali del giorno</source>
        <translation>Day totals</translation>
    </message>
    <message>
        <source>Nutrienti: media giornaliera della settimana</source>
        <translation>Nutrients: the week&apos;s daily average</translation>
    </message>
    <message>
        <source>Nutrienti</source>
        <translation>Nutrients</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <translation>Printed on %1</translation>
    </message>
    <message>
        <source>Composizione degli alimenti: USDA SR28; riferimenti: EFSA</source>
        <translation>Food composition: USDA SR28; references: EFSA</translation>
    </message>
    <message>
        <source>Composizione degli alimenti: USDA SR28; riferimenti: LARN 2014 (SINU)</source>
        <translation>Food composition: USDA SR28; references: LARN 2014 (SINU)</translation>
    </message>
    <message>
        <source>I valori sono stime calcolate dai dati di composizione degli alimenti.</source>
        <translation>The values are estimates computed from food composition data.</translation>
    </message>
    <message>
        <source>Piano del pasto</source>
        <translation>Meal plan</translation>
    </message>
    <message>
        <source>Piano alimentare del giorno</source>
        <translation>Day&apos;s eating plan</translation>
    </message>
    <message>
        <source>Piano alimentare della settimana</source>
        <translation>Week&apos;s eating plan</translation>
    </message>
    <message>
        <source>Il piano non ha alimenti: nessun pasto da mostrare. Aggiungere alimenti ai pasti e stampare di nuovo.</source>
        <translation>The plan has no foods: no meal to show. Add foods to the meals and print again.</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Condizione</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>gravidanza</source>
        <translation>pregnancy</translation>
    </message>
    <message>
        <source>allattamento</source>
        <translation>lactation</translation>
    </message>
    <message>
        <source>Il fabbisogno non è calcolato: sotto i 10 anni si conosce solo il metabolismo basale.</source>
        <translation>The requirement is not calculated: under 10 years only the basal metabolism is known.</translation>
    </message>
    <message>
        <source>Giorni senza piano conservato: %1; la media è dei giorni con alimenti.</source>
        <translation>Days without a stored plan: %1; the average is of the days with foods.</translation>
    </message>
    <message>
        <source>Nessuna persona indicata: i riferimenti dei nutrienti sono quelli di un uomo adulto di %1 anni.</source>
        <translation>No person given: the nutrients&apos; references are those of an adult man of %1.</translation>
    </message>
    <message>
        <source>Il giorno %1 non entra nella media: %2</source>
        <translation>%1 is left out of the average: %2</translation>
    </message>
    <message>
        <source>non calcolabile, fuori dalla media: vedere «Da sapere»</source>
        <translation>cannot be worked out, left out of the average: see “Please note”</translation>
    </message>
    <message>
        <source>Il fabbisogno %1.</source>
        <translation>The requirement %1.</translation>
    </message>
</context>
<context>
    <name>PlanReportRenderer</name>
    <message>
        <source>Persona</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Fabbisogno</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>Da sapere</source>
        <translation>Please note</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Alimento</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>Porzione</source>
        <translation>Portion</translation>
    </message>
    <message>
        <source>Grammi edibili</source>
        <translation>Edible grams</translation>
    </message>
    <message>
        <source>Grammi lordi (per la spesa)</source>
        <translation>Gross grams (for shopping)</translation>
    </message>
    <message>
        <source>Energia</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>%1 — %2, %3 del giorno</source>
        <translation>%1 — %2, %3 of the day</translation>
    </message>
    <message>
        <source>nessun alimento in questo pasto</source>
        <translation>no food in this meal</translation>
    </message>
    <message>
        <source>Nutriente</source>
        <translation>Nutrient</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Riferimento</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Rispetto al riferimento</source>
        <translation>Against the reference</translation>
    </message>
    <message>
        <source>Energia da proteine, lipidi e carboidrati (la fascia chiara è l&apos;intervallo di riferimento)</source>
        <translation>Energy from protein, fat and carbohydrate (the light band is the reference range)</translation>
    </message>
    <message>
        <source>% rif.</source>
        <translation>% ref.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>impossibile iniziare la stampa</source>
        <translation>cannot start printing</translation>
    </message>
    <message>
        <source>impossibile aggiungere una pagina</source>
        <translation>cannot add a page</translation>
    </message>
    <message>
        <source>Pagina %1 di %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>PortionChoiceModel</name>
    <message>
        <source>Nessun alimento da misurare: scegliere prima un alimento nella griglia.</source>
        <translation>No food to measure: first choose a food in the grid.</translation>
    </message>
    <message>
        <source>Impossibile leggere le misure di %1: %2</source>
        <translation>Cannot read the measures of %1: %2</translation>
    </message>
    <message>
        <source>La porzione pesa meno di 1 g: sceglierne una più grande o scrivere il peso lordo.</source>
        <translation>The portion weighs less than 1 g: choose a larger one or type the gross weight.</translation>
    </message>
    <message>
        <source>La riga è bloccata: sbloccarla per cambiarne il peso.</source>
        <translation>The row is locked: unlock it to change its weight.</translation>
    </message>
</context>
<context>
    <name>PortionText</name>
    <message>
        <source>1 %1 (%2 g)</source>
        <translation>1 %1 (%2 g)</translation>
    </message>
    <message>
        <source>1 porzione standard (%1 ml, %2 g)</source>
        <translation>1 standard portion (%1 ml, %2 g)</translation>
    </message>
    <message>
        <source>1 porzione standard (%1 g)</source>
        <translation>1 standard portion (%1 g)</translation>
    </message>
    <message>
        <source>grammi di parte edibile</source>
        <translation>grams of edible part</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un peso: scrivere i grammi di parte edibile, per esempio 80.</source>
        <translation>&quot;%1&quot; is not a weight: type the grams of edible part, for example 80.</translation>
    </message>
    <message>
        <source>la porzione %1 non è una misura di %2 (si può scrivere: %3; o i grammi di peso lordo)</source>
        <translation>the portion %1 is not a measure of %2 (you can write: %3; or the gross weight in grams)</translation>
    </message>
    <message>
        <source>porzione standard</source>
        <translation>standard portion</translation>
    </message>
    <message>
        <source>porzioni standard</source>
        <translation>standard portions</translation>
    </message>
    <message>
        <source>g di parte edibile</source>
        <translation>g of edible part</translation>
    </message>
    <message>
        <source>la porzione %1 non è chiara: %2 può essere in migliaia o con decimali; scrivere le migliaia senza separatore (%3) o i decimali senza gli zeri finali (%4)</source>
        <translation>the portion %1 is unclear: %2 may be thousands or decimals; write thousands without a separator (%3) or decimals without the trailing zeros (%4)</translation>
    </message>
</context>
<context>
    <name>PrintModuleModel</name>
    <message>
        <source>L&apos; oggetto da stampare
e&apos; di tipo errato.</source>
        <translation>The object to print
is of the wrong type.</translation>
    </message>
    <message>
        <source>Stampa di %1

L&apos; oggetto da stampare
e&apos; di tipo errato.</source>
        <translation>Printing %1

The object to print
is of the wrong type.</translation>
    </message>
    <message>
        <source>Parametri errati.

La larghezza e l&apos; altezza di stampa
richieste devono essere &gt; 0.</source>
        <translation>Wrong parameters.

The requested print width
and height must be &gt; 0.</translation>
    </message>
    <message>
        <source>Orientamento errato</source>
        <translation>Wrong orientation</translation>
    </message>
    <message>
        <source>Formato grafico sconosciuto.

L&apos; operazione di stampa viene interrotta.</source>
        <translation>Unknown picture format.

The print operation is stopped.</translation>
    </message>
    <message>
        <source>Si e&apos; verificata una condizione
inaspettata elaborando l&apos; immagine.</source>
        <translation>An unexpected condition occurred
while processing the picture.</translation>
    </message>
</context>
<context>
    <name>PrintRoutines</name>
    <message>
        <source> Errore in %1</source>
        <translation> Error in %1</translation>
    </message>
    <message>
        <source>Non posso accedere alla stampante richiesta.
</source>
        <translation>Cannot access the requested printer.
</translation>
    </message>
    <message>
        <source>Le dimensioni di stampa richieste
sono superiori a quelle del foglio
della stampante selezionata.

Posso cambiare la scala?</source>
        <translation>The requested print size
is larger than the sheet
of the selected printer.

Shall I change the scale?</translation>
    </message>
    <message>
        <source> Errore di Scala</source>
        <translation> Scale Error</translation>
    </message>
    <message>
        <source>Stampa su file PDF</source>
        <translation>Print to PDF file</translation>
    </message>
    <message>
        <source>File PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Errore di StartDoc.
</source>
        <translation>StartDoc error.
</translation>
    </message>
    <message>
        <source>Stampa interrotta.
R1 = %1
R2 = %2
R3 = %3
R4 = %4
</source>
        <translation>Printing interrupted.
R1 = %1
R2 = %2
R3 = %3
R4 = %4
</translation>
    </message>
    <message>
        <source>La funzione di Stampa
ha trovato una situazione imprevista.

Codice di errore = 482
Errore della stampante</source>
        <translation>The Print function
met an unexpected situation.

Error code = 482
Printer error</translation>
    </message>
    <message>
        <source>Esistono già:
%1

Sostituirli?</source>
        <translation>These already exist:
%1

Replace them?</translation>
    </message>
</context>
<context>
    <name>PrintSetupWindowForm</name>
    <message>
        <source> Anteprina di Stampa</source>
        <translation> Print Preview</translation>
    </message>
    <message>
        <source>Stampante</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Proprieta&apos;</source>
        <translation>P&amp;roperties</translation>
    </message>
    <message>
        <source>Stampa in corso...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>Larghezza:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>[mm]</source>
        <translation>[mm]</translation>
    </message>
    <message>
        <source>Altezza:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Stampa fuori foglio</source>
        <translation>Off the sheet</translation>
    </message>
    <message>
        <source>Dimensioni Stampa [mm]</source>
        <translation>Print Size [mm]</translation>
    </message>
    <message>
        <source>Largh&amp;ezza:</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>Alte&amp;zza:</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>&amp;Mantieni proporzioni</source>
        <translation>&amp;Keep proportions</translation>
    </message>
    <message>
        <source>Usa tutto il foglio</source>
        <translation>Use the whole sheet</translation>
    </message>
    <message>
        <source>M a &amp;x</source>
        <translation>Ma&amp;x</translation>
    </message>
    <message>
        <source>Margini Stampa [mm]</source>
        <translation>Print Margins [mm]</translation>
    </message>
    <message>
        <source>S&amp;inistro:</source>
        <translation>&amp;Left:</translation>
    </message>
    <message>
        <source>S&amp;uperiore:</source>
        <translation>&amp;Top:</translation>
    </message>
    <message>
        <source>Stampa &amp;al centro</source>
        <translation>C&amp;entre on sheet</translation>
    </message>
    <message>
        <source>Imposta i margini a 0</source>
        <translation>Set the margins to 0</translation>
    </message>
    <message>
        <source>&amp;0 / 0</source>
        <translation>&amp;0 / 0</translation>
    </message>
    <message>
        <source>1 :  </source>
        <translation>1 :  </translation>
    </message>
    <message>
        <source>OK o Invio per confermare</source>
        <translation>OK or Enter to confirm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>N. &amp;di copie:</source>
        <translation>Cop&amp;ies:</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>%1 non contiene %2</source>
        <translation>%1 does not contain %2</translation>
    </message>
</context>
<context>
    <name>QtPrinterService</name>
    <message>
        <source>Nessun file PDF indicato: la stampa non è stata eseguita.</source>
        <translation>No PDF file given: nothing was printed.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non è disponibile.</source>
        <translation>The printer &quot;%1&quot; is not available.</translation>
    </message>
    <message>
        <source>Impossibile avviare la stampa su &quot;%1&quot;.</source>
        <translation>Cannot start printing on &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>La stampa si è interrotta.</source>
        <translation>Printing was interrupted.</translation>
    </message>
    <message>
        <source>La stampa su &quot;%1&quot; non è riuscita.</source>
        <translation>Printing on &quot;%1&quot; failed.</translation>
    </message>
    <message>
        <source>Proprietà della stampante</source>
        <translation>Printer Properties</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>scrittura non riuscita (disco pieno o file troppo grande)</source>
        <translation>writing failed (disk full or file too large)</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>RankingCommand</name>
    <message>
        <source>--%1 vuole un valore, una volta sola (vedere velmo-pasto --help)</source>
        <translation>--%1 takes one value, given once (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>categoria sconosciuta %1: indicare il titolo di una categoria o il nome della sua tabella (vedere velmo-pasto --help)</source>
        <translation>unknown category %1: give the title of a category or the name of its table (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>%1 è un valore derivato da altri nutrienti e non si classifica: indicare un nutriente misurato (vedere velmo-pasto --help)</source>
        <translation>%1 is a value derived from other nutrients and is not ranked: give a measured nutrient (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>nutriente sconosciuto %1: indicare la chiave INFOODS di un nutriente, per esempio CA o VITC (vedere velmo-pasto --help)</source>
        <translation>unknown nutrient %1: give the INFOODS key of a nutrient, for example CA or VITC (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source># %1 (%2): %3 per 100 g di parte edibile
</source>
        <translation># %1 (%2): %3 per 100 g of edible part
</translation>
    </message>
    <message>
        <source># %1 (%2): %3 per 100 kcal
</source>
        <translation># %1 (%2): %3 per 100 kcal
</translation>
    </message>
    <message>
        <source>n.d.</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>base non valida %1: indicare --per 100g, --per 100kcal oppure --per porzione</source>
        <translation>invalid basis %1: give --per 100g, --per 100kcal or --per porzione</translation>
    </message>
    <message>
        <source># %1 (%2): %3 per porzione standard
</source>
        <translation># %1 (%2): %3 per standard portion
</translation>
    </message>
    <message>
        <source>--classifica CHIAVE si usa solo con --categoria NOME e --per 100g|100kcal|porzione (vedere velmo-pasto --help)</source>
        <translation>--classifica KEY goes only with --categoria NAME and --per 100g|100kcal|porzione (see velmo-pasto --help)</translation>
    </message>
    <message>
        <source>Classifica:
  --classifica CHIAVE  non calcola un pasto: elenca gli alimenti dal più ricco al meno ricco del
            nutriente CHIAVE, la chiave INFOODS di un nutriente misurato (la colonna chiave di
            --nutrienti --csv, per esempio CA calcio, FE ferro, VITC vitamina C; non i valori
            derivati come SALE o le quote dell&apos;energia). La prima riga inizia con &quot;#&quot; e dice il
            nutriente, la sua unità e la base; poi una riga &quot;categoria;alimento;valore&quot; per
            alimento, il valore nel formato dei numeri di --csv. Gli alimenti senza il valore
            (&quot;n.d.&quot;: non è zero) vengono per ultimi; a parità di valore l&apos;ordine è alfabetico.
            Gli alimenti personali hanno i nutrienti che la loro finestra o il loro CSV hanno dato,
            &quot;n.d.&quot; gli altri.
  --categoria NOME  solo gli alimenti della categoria NOME (il titolo o il nome della tabella,
            come nelle righe di un pasto); senza, tutte le categorie
  --per 100g|100kcal|porzione  il valore per 100 g di parte edibile (senza l&apos;opzione), per
            100 kcal dell&apos;alimento (&quot;n.d.&quot; se l&apos;energia non è nota o è zero) o per porzione
            standard LARN del suo gruppo (&quot;n.d.&quot; per un alimento che non ne ha una)

</source>
        <translation>Ranking:
  --classifica KEY  computes no meal: lists the foods from the richest to the poorest in the
            nutrient KEY, the INFOODS key of a measured nutrient (the chiave column of
            --nutrienti --csv, for example CA calcium, FE iron, VITC vitamin C; not the derived
            values such as SALE or the shares of energy). The first line begins with &quot;#&quot; and
            names the nutrient, its unit and the basis; then one &quot;categoria;alimento;valore&quot; line
            per food, the value in the number format of --csv. Foods without the value (&quot;n/a&quot;:
            it is not zero) come last; foods of equal value in alphabetical order. Personal
            foods have the nutrients their window or their CSV gave them, &quot;n/a&quot; the others.
  --categoria NAME  only the foods of the category NAME (the title or the table name, as in the
            lines of a meal); without it, every category
  --per 100g|100kcal|porzione  the value per 100 g of edible part (without the option), per
            100 kcal of the food (&quot;n/a&quot; when its energy is unknown or zero) or per LARN
            standard portion of its group (&quot;n/a&quot; for a food that has none)

</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>Nessun alimento del pasto è bloccato: bloccare le righe da salvare come alimento.</source>
        <translation>No food of the meal is locked: lock the rows to save as a food.</translation>
    </message>
    <message>
        <source>Il peso netto del pasto è zero: non si può riportare a 100 g.</source>
        <translation>The net weight of the meal is zero: it cannot be scaled to 100 g.</translation>
    </message>
    <message>
        <source>I valori del pasto sono troppo grandi per essere riportati a 100 g.</source>
        <translation>The meal&apos;s values are too large to be scaled to 100 g.</translation>
    </message>
</context>
<context>
    <name>ReferenceConditionNote</name>
    <message>
        <source>in gravidanza +1, +8, +26 g (I, II, III trimestre)</source>
        <translation>in pregnancy +1, +8, +26 g (1st, 2nd, 3rd trimester)</translation>
    </message>
    <message>
        <source>in allattamento +21, +14 g (I, II semestre)</source>
        <translation>when breastfeeding +21, +14 g (1st, 2nd half-year)</translation>
    </message>
    <message>
        <source>in allattamento EFSA indica un valore più alto, non verificato: qui vale quello degli adulti</source>
        <translation>when breastfeeding EFSA gives a higher value, not verified: the adults&apos; value is used here</translation>
    </message>
</context>
<context>
    <name>ReferenceIntakes</name>
    <message>
        <source>La tabella dei valori di riferimento non si legge: %1</source>
        <translation>The table of reference values cannot be read: %1</translation>
    </message>
    <message>
        <source>La tabella dei valori di riferimento non ha le colonne attese: %1.</source>
        <translation>The table of reference values does not have the expected columns: %1.</translation>
    </message>
    <message>
        <source>Riga %1 della tabella dei valori di riferimento: %2 campi invece di %3.</source>
        <translation>Line %1 of the table of reference values: %2 fields instead of %3.</translation>
    </message>
    <message>
        <source>non disponibile nei dati degli alimenti</source>
        <translation>not available in the food data</translation>
    </message>
    <message>
        <source>Riga %1 della tabella dei valori di riferimento: il campo &quot;%2&quot; non può valere &quot;%3&quot;.</source>
        <translation>Line %1 of the table of reference values: the field &quot;%2&quot; cannot be &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>La tabella dei valori di riferimento manca dal programma: reinstallare Velmo.</source>
        <translation>The table of reference values is missing from the program: reinstall Velmo.</translation>
    </message>
</context>
<context>
    <name>ReferenceUnitNote</name>
    <message>
        <source>LARN in g, qui in mg</source>
        <translation>LARN in g, here in mg</translation>
    </message>
    <message>
        <source>EFSA in g, qui in mg</source>
        <translation>EFSA in g, here in mg</translation>
    </message>
    <message>
        <source>Riferimento in retinolo equivalenti (RE); alimenti in RAE, che contano i carotenoidi la metà</source>
        <translation>Reference in retinol equivalents (RE); foods in RAE, which count carotenoids at half</translation>
    </message>
    <message>
        <source>Riferimento in niacina equivalenti (NE, compresa quella dal triptofano); alimenti in niacina preformata</source>
        <translation>Reference in niacin equivalents (NE, including that from tryptophan); foods in preformed niacin</translation>
    </message>
    <message>
        <source>UL per il retinolo preformato (non per i carotenoidi)</source>
        <translation>UL for preformed retinol (not for carotenoids)</translation>
    </message>
    <message>
        <source>Riferimento in µg di folati (la tabella non dice se DFE); alimenti in folati totali</source>
        <translation>Reference in µg of folate (the table does not say whether DFE); foods in total folate</translation>
    </message>
    <message>
        <source>Riferimento per gli acidi grassi n-6 in tutto; alimenti: solo acido linoleico (18:2)</source>
        <translation>Reference for all n-6 fatty acids; foods: linoleic acid (18:2) only</translation>
    </message>
    <message>
        <source>Riferimento in alfa-tocoferolo equivalenti; alimenti in solo alfa-tocoferolo</source>
        <translation>Reference in alpha-tocopherol equivalents; foods in alpha-tocopherol only</translation>
    </message>
</context>
<context>
    <name>RequirementComparison</name>
    <message>
        <source>Pasto %1 kcal = %2 % di %3 kcal</source>
        <translation>Meal %1 kcal = %2 % of %3 kcal</translation>
    </message>
    <message>
        <source>Pasto %1 kcal = %2 % di %3 kcal (%4)</source>
        <translation>Meal %1 kcal = %2 % of %3 kcal (%4)</translation>
    </message>
    <message>
        <source>Pasto %1 kcal = %2 % di %3 kcal · Protidi %4 % Lipidi %5 % Glucidi %6 % dell&apos;energia</source>
        <translation>Meal %1 kcal = %2 % of %3 kcal · Protein %4 % Fat %5 % Carbohydrate %6 % of energy</translation>
    </message>
    <message>
        <source>Pasto %1 kcal = %2 % di %3 kcal (%4) · Protidi %5 % Lipidi %6 % Glucidi %7 % dell&apos;energia</source>
        <translation>Meal %1 kcal = %2 % of %3 kcal (%4) · Protein %5 % Fat %6 % Carbohydrate %7 % of energy</translation>
    </message>
    <message>
        <source>Fabbisogno: kcal</source>
        <translation>Requirement: kcal</translation>
    </message>
    <message>
        <source>Pasto: % del fabbisogno</source>
        <translation>Meal: % of requirement</translation>
    </message>
    <message>
        <source>Protidi: % energia</source>
        <translation>Protein: % energy</translation>
    </message>
    <message>
        <source>Lipidi: % energia</source>
        <translation>Fat: % energy</translation>
    </message>
    <message>
        <source>Glucidi: % energia</source>
        <translation>Carbohydrate: % energy</translation>
    </message>
    <message>
        <source>Giorno %1 kcal = %2 % di %3 kcal</source>
        <translation>Day %1 kcal = %2 % of %3 kcal</translation>
    </message>
    <message>
        <source>Giorno %1 kcal = %2 % di %3 kcal · Protidi %4 % Lipidi %5 % Glucidi %6 % dell&apos;energia</source>
        <translation>Day %1 kcal = %2 % of %3 kcal · Protein %4 % Fat %5 % Carbohydrate %6 % of energy</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>è una cartella, non un file</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>la cartella %1 non esiste</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>%1 non è una cartella</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>permessi insufficienti</source>
        <translation>insufficient permissions</translation>
    </message>
    <message>
        <source>impossibile creare il file</source>
        <translation>the file cannot be created</translation>
    </message>
    <message>
        <source>impossibile sostituire il file esistente</source>
        <translation>the existing file cannot be replaced</translation>
    </message>
    <message>
        <source>scrittura non riuscita (disco pieno o file troppo grande)</source>
        <translation>writing failed (disk full or file too large)</translation>
    </message>
    <message>
        <source>non è un file normale (è una pipe, un dispositivo o un socket): indicare un file salvato su disco</source>
        <translation>it is not a regular file (it is a pipe, a device or a socket): give a file saved on disk</translation>
    </message>
    <message>
        <source>il file non esiste</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici nel percorso</source>
        <translation>too many symbolic links in the path</translation>
    </message>
    <message>
        <source>il nome del file è troppo lungo</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>errore di sistema n. %1</source>
        <translation>system error no. %1</translation>
    </message>
    <message>
        <source>impossibile renderlo leggibile solo al suo proprietario</source>
        <translation>cannot make it readable by its owner alone</translation>
    </message>
    <message>
        <source>il nome del file ha caratteri che non sono UTF-8 (rinominare il file)</source>
        <translation>the file&apos;s name has characters that are not UTF-8 (rename the file)</translation>
    </message>
    <message>
        <source>i collegamenti simbolici formano un cerchio</source>
        <translation>the symbolic links form a loop</translation>
    </message>
</context>
<context>
    <name>SqlStatements</name>
    <message>
        <source>L&apos;archivio è in uso da un altro programma (un&apos;altra finestra di Velmo o velmo-pasto): riprovare fra poco.</source>
        <translation>The file is in use by another program (another Velmo window or velmo-pasto): try again shortly.</translation>
    </message>
    <message>
        <source>Il file o la sua cartella sono in sola lettura: renderli scrivibili (il permesso di scrittura per sé stessi) e riprovare.</source>
        <translation>The file or its folder is read-only: make them writable (write permission for yourself) and try again.</translation>
    </message>
    <message>
        <source>Impossibile aprire o creare i file dell&apos;archivio nella sua cartella: controllare che la cartella esista e sia scrivibile, poi riprovare.</source>
        <translation>Cannot open or create the file&apos;s files in its folder: check that the folder exists and is writable, then try again.</translation>
    </message>
    <message>
        <source>Il disco è pieno: liberare spazio e riprovare.</source>
        <translation>The disk is full: free some space and try again.</translation>
    </message>
    <message>
        <source>Errore di lettura o scrittura sul disco: controllare il disco e riprovare.</source>
        <translation>Disk read or write error: check the disk and try again.</translation>
    </message>
    <message>
        <source>Il file è danneggiato.</source>
        <translation>The file is damaged.</translation>
    </message>
    <message>
        <source>Errore imprevisto dell&apos;archivio: riprovare; se si ripete, conservare il file e segnalarlo.</source>
        <translation>Unexpected database error: try again; if it happens again, keep the file and report it.</translation>
    </message>
    <message>
        <source>%1
Dettagli: %2</source>
        <translation>%1
Details: %2</translation>
    </message>
    <message>
        <source>nessun risultato</source>
        <translation>no result</translation>
    </message>
</context>
<context>
    <name>SystemPrinters</name>
    <message>
        <source>impossibile caricare la stampa (%1): reinstallare Velmo con Qt Print Support (libqt6printsupport6)</source>
        <translation>cannot load printing (%1): reinstall Velmo with Qt Print Support (libqt6printsupport6)</translation>
    </message>
</context>
<context>
    <name>TextPrinting</name>
    <message>
        <source>File PDF</source>
        <translation>PDF file</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>lingua sconosciuta &quot;%1&quot;: --lingua vuole it (italiano) o en (inglese)</source>
        <translation>unknown language &quot;%1&quot;: --lingua takes it (Italian) or en (English)</translation>
    </message>
    <message>
        <source>manca la lingua dopo --lingua: it (italiano) o en (inglese)</source>
        <translation>missing language after --lingua: it (Italian) or en (English)</translation>
    </message>
</context>
<context>
    <name>UserFolder</name>
    <message>
        <source>La cartella %1 era accessibile anche ad altri utenti del computer: ora lo è solo al suo proprietario.</source>
        <translation>The folder %1 was open to other users of the computer as well: now only its owner can reach it.</translation>
    </message>
    <message>
        <source>Il file %1 era accessibile anche ad altri utenti del computer: ora lo è solo al suo proprietario.</source>
        <translation>The file %1 was open to other users of the computer as well: now only its owner can reach it.</translation>
    </message>
    <message>
        <source>La cartella %1 è accessibile anche ad altri utenti del computer e non è stato possibile cambiarlo (%2): cambiarne i permessi (chmod 700).</source>
        <translation>The folder %1 is open to other users of the computer as well and this could not be changed (%2): change its permissions (chmod 700).</translation>
    </message>
    <message>
        <source>Il file %1 è accessibile anche ad altri utenti del computer e non è stato possibile cambiarlo (%2): cambiarne i permessi (chmod 600).</source>
        <translation>The file %1 is open to other users of the computer as well and this could not be changed (%2): change its permissions (chmod 600).</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella %1: controllare che la cartella che la contiene esista e sia scrivibile.</source>
        <translation>The folder %1 cannot be created: check that the folder that contains it exists and is writable.</translation>
    </message>
    <message>
        <source>%1 non è una cartella.</source>
        <translation>%1 is not a folder.</translation>
    </message>
    <message>
        <source>Impossibile creare il file %1 (%2): controllare che la cartella sia scrivibile.</source>
        <translation>The file %1 cannot be created (%2): check that the folder is writable.</translation>
    </message>
</context>
<context>
    <name>VelmoPasto</name>
    <message>
        <source>%1 (gli alimenti personali non sono cercati)</source>
        <translation>%1 (the personal foods are not searched)</translation>
    </message>
    <message>
        <source>il nome del file da importare è vuoto</source>
        <translation>the name of the file to import is empty</translation>
    </message>
    <message>
        <source>nessun alimento importato</source>
        <translation>no food imported</translation>
    </message>
    <message>
        <source>se i valori da confermare sono giusti, importarli con --forza</source>
        <translation>if the values to confirm are right, import them with --forza</translation>
    </message>
    <message numerus="yes">
        <source>importati %n alimenti da %1 in %2: %3 nuovi, %4 aggiornati.</source>
        <translation>
            <numerusform>imported %n food from %1 into %2: %3 new, %4 updated.</numerusform>
            <numerusform>imported %n foods from %1 into %2: %3 new, %4 updated.</numerusform>
        </translation>
    </message>
    <message>
        <source>impossibile leggere lo standard input: è una cartella, non un file</source>
        <translation>cannot read standard input: it is a folder, not a file</translation>
    </message>
    <message>
        <source>impossibile leggere lo standard input: indicare il pasto come FILE</source>
        <translation>cannot read standard input: give the meal as FILE</translation>
    </message>
    <message>
        <source>nessun alimento da calcolare: i pasti del giorno sono vuoti</source>
        <translation>no food to compute: the day&apos;s meals are empty</translation>
    </message>
    <message>
        <source>impossibile scrivere %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>nessun file scritto</source>
        <translation>no file written</translation>
    </message>
    <message>
        <source>impossibile avviare %1, il programma che scrive i PDF: reinstallare Velmo</source>
        <translation>cannot start %1, the program that writes the PDFs: reinstall Velmo</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>velmo</name>
    <message>
        <source>Uso: velmo [--lingua it|en] [FILE]

Apre la finestra di Velmo: le calorie e i nutrienti di un pasto composto dagli alimenti scelti
per categoria, e il fabbisogno energetico giornaliero. Con FILE apre all&apos;avvio quel pasto (un
file .pasto salvato dal menu Pasto, lo stesso testo che legge velmo-pasto); un file che non si
può leggere, che non è un file normale o che ha una riga sbagliata è segnalato da un messaggio.

Opzioni:
  -h, --help         mostra questo aiuto ed esce, senza aprire la finestra
  --lingua it|en     la lingua dell&apos;interfaccia: it italiano, en inglese. Senza l&apos;opzione
                     vale la variabile d&apos;ambiente LANGUAGE, poi la lingua del sistema
                     (LC_ALL, LC_MESSAGES, LANG): inglese se è inglese, altrimenti italiano

Con la variabile d&apos;ambiente VELMO_ESCI_DOPO_AVVIO=1 il programma termina appena la finestra
principale è mostrata: serve a verificare un&apos;installazione.

Codici di uscita: 0 il programma è terminato normalmente; 1 l&apos;archivio degli alimenti manca o
non si può leggere (un messaggio lo dice); 2 --lingua non indica né it né en (un messaggio lo
dice); 3 impossibile scrivere questo aiuto.
</source>
        <translation>Usage: velmo [--lingua it|en] [FILE]

Opens Velmo&apos;s window: the calories and nutrients of a meal made of foods chosen by
category, and the daily energy requirement. With FILE it opens that meal at start-up (a
.pasto file saved from the Meal menu, the same text that velmo-pasto reads); a file that
cannot be read, is not a regular file or has a wrong line is reported in a message.

Options:
  -h, --help         show this help and exit, without opening the window
  --lingua it|en     the interface language: it Italian, en English. Without the option
                     the LANGUAGE environment variable applies, then the system language
                     (LC_ALL, LC_MESSAGES, LANG): English if it is English, otherwise Italian

With the environment variable VELMO_ESCI_DOPO_AVVIO=1 the program ends as soon as the main
window is shown: this is for checking an installation.

Exit codes: 0 the program ended normally; 1 the food database is missing or cannot be read
(a message says so); 2 --lingua names neither it nor en (a message says so); 3 this help
could not be written.
</translation>
    </message>
</context>
<context>
    <name>velmo::BalanceModel</name>
    <message>
        <source>Il pasto non ha alimenti da bilanciare: scegliere gli alimenti, scriverne il peso e bloccarli nella tabella.</source>
        <translation>The meal has no foods to balance: choose the foods, write their weight and lock them in the table.</translation>
    </message>
    <message>
        <source>La finestra mostra un pasto, non un giorno: bilanciare il pasto, o aprire un giorno o aggiungere un pasto con &quot;Aggiungi pasto...&quot;.</source>
        <translation>The window shows a meal, not a day: balance the meal, or open a day or add a meal with &quot;Add meal...&quot;.</translation>
    </message>
    <message>
        <source>Nessun pasto del giorno ha alimenti da bilanciare: scegliere gli alimenti, scriverne il peso e bloccarli nella tabella.</source>
        <translation>No meal of the day has foods to balance: choose the foods, write their weight and lock them in the table.</translation>
    </message>
    <message>
        <source>Le quantità non possono essere bilanciate: %1</source>
        <translation>The quantities cannot be balanced: %1</translation>
    </message>
    <message>
        <source>Fabbisogno di %1</source>
        <translation>Requirement of %1</translation>
    </message>
    <message>
        <source>Fabbisogno dell&apos;ultimo calcolo</source>
        <translation>Requirement of the last calculation</translation>
    </message>
    <message>
        <source>; %1: %2 % del giorno (guida LARN)</source>
        <translation>; %1: %2 % of the day (LARN guide)</translation>
    </message>
    <message>
        <source>; un pasto senza nome abituale: %1 % del giorno, come il pranzo</source>
        <translation>; a meal without a usual name: %1 % of the day, as lunch</translation>
    </message>
    <message>
        <source>%1: %2 kcal al giorno%3.</source>
        <translation>%1: %2 kcal a day%3.</translation>
    </message>
    <message>
        <source>Nessun fabbisogno calcolato (né persona corrente né finestra del fabbisogno): l&apos;energia resta quella di ora, %1 kcal.</source>
        <translation>No requirement calculated (neither a current person nor an energy window): the energy stays as it is now, %1 kcal.</translation>
    </message>
    <message>
        <source>Nessuna proposta: %1</source>
        <translation>No proposal: %1</translation>
    </message>
    <message>
        <source>Nessun piano rispetta tutti gli obiettivi. Ecco il più vicino, con ciò che manca a ogni obiettivo:</source>
        <translation>No plan meets every target. Here is the closest one, with what each target misses:</translation>
    </message>
    <message>
        <source>Totale: %1 → %2 di peso lordo, %3 → %4 kcal</source>
        <translation>Total: %1 → %2 gross weight, %3 → %4 kcal</translation>
    </message>
    <message>
        <source>A 0 g, lasciano il pasto: %1</source>
        <translation>At 0 g, these leave the meal: %1</translation>
    </message>
    <message>
        <source>bilanciamento delle quantità</source>
        <translation>balancing of the quantities</translation>
    </message>
    <message>
        <source>La proposta non può essere scritta nella tabella: %1</source>
        <translation>The proposal cannot be written into the table: %1</translation>
    </message>
    <message>
        <source>Calcolo della proposta in corso...</source>
        <translation>Calculating the proposal...</translation>
    </message>
    <message>
        <source>%1 non è un limite valido: scrivere un numero da 0 a %2, per esempio %3, o lasciare la cella vuota per togliere il limite.</source>
        <translation>%1 is not a valid bound: type a number from 0 to %2, for example %3, or leave the cell empty to remove the bound.</translation>
    </message>
    <message>
        <source>%1 non è un peso valido: scrivere i grammi lordi, da 0 a %2.</source>
        <translation>%1 is not a valid weight: type the gross grams, from 0 to %2.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 non ha un fabbisogno calcolato (si completa nella finestra Persone): l&apos;energia resta quella di ora, %2 kcal; i riferimenti sono i suoi.</source>
        <translation>%1 has no calculated requirement (it is completed in the Persons window): the energy stays as it is now, %2 kcal; the references are this person&apos;s.</translation>
    </message>
    <message>
        <source>Per %1 il fabbisogno %2: l&apos;energia resta quella di ora, %3 kcal; i riferimenti sono i suoi.</source>
        <translation>For %1 the requirement %2: the energy stays as it is now, %3 kcal; the references are this person&apos;s.</translation>
    </message>
    <message>
        <source>I riferimenti dei nutrienti sono quelli di un uomo adulto di %1 anni: per quelli di un&apos;altra persona, sceglierla come persona corrente.</source>
        <translation>The nutrient references are those of an adult man of %1: for another person&apos;s, choose that person as the current person.</translation>
    </message>
</context>
<context>
    <name>velmo::BalanceRowsModel</name>
    <message>
        <source>Alimento</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>Fisso</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>Minimo</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Massimo</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Peso lordo ora</source>
        <translation>Gross weight now</translation>
    </message>
    <message>
        <source>Peso lordo proposto</source>
        <translation>Proposed gross weight</translation>
    </message>
    <message>
        <source>Parte edibile</source>
        <translation>Edible part</translation>
    </message>
    <message>
        <source>Porzione</source>
        <translation>Portion</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>½ porzione (%1)</source>
        <translation>½ portion (%1)</translation>
    </message>
</context>
<context>
    <name>velmo::BalanceTargetsModel</name>
    <message>
        <source>Obiettivo</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Minimo</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Massimo</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Unità</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>velmo::DataControl</name>
    <message>
        <source>archivio degli alimenti non aperto</source>
        <translation>food database not open</translation>
    </message>
    <message>
        <source>Impossibile leggere gli alimenti di questa categoria.

%1</source>
        <translation>Cannot read the foods of this category.

%1</translation>
    </message>
</context>
<context>
    <name>velmo::DayCopies</name>
    <message>
        <source>Riprova</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>giorno di %1 del %2</source>
        <translation>day of %1 on %2</translation>
    </message>
    <message>
        <source>Nessuna persona nell&apos;archivio: aggiungerne una con &quot;Persone...&quot; nel menu Persona.</source>
        <translation>No person in the archive: add one with &quot;Persons...&quot; in the Person menu.</translation>
    </message>
    <message>
        <source>Il giorno ha già %1 pasti: il pasto non è stato copiato.</source>
        <translation>The day already has %1 meals: the meal was not copied.</translation>
    </message>
    <message>
        <source>copia di %1</source>
        <translation>copy of %1</translation>
    </message>
    <message>
        <source>copia di %1 nel %2</source>
        <translation>copy of %1 to the %2</translation>
    </message>
    <message>
        <source>Il giorno di destinazione ha già %1 pasti: il pasto non è stato copiato.</source>
        <translation>The target day already has %1 meals: the meal was not copied.</translation>
    </message>
    <message>
        <source>Il giorno non è stato copiato: è il giorno che la finestra mostra. Scegliere un&apos;altra data o un&apos;altra persona.</source>
        <translation>The day was not copied: it is the day the window shows. Choose another date or another person.</translation>
    </message>
    <message>
        <source>copia del giorno nel %1</source>
        <translation>copy of the day to the %1</translation>
    </message>
    <message>
        <source>Il pasto non ha alimenti bloccati: non c&apos;è nulla da salvare come pasto abituale.</source>
        <translation>The meal has no locked foods: there is nothing to save as a habitual meal.</translation>
    </message>
    <message>
        <source>Nome del pasto abituale:</source>
        <translation>Name of the habitual meal:</translation>
    </message>
    <message>
        <source>Pasti abituali</source>
        <translation>Habitual meals</translation>
    </message>
    <message>
        <source>C&apos;è già un pasto abituale %1: sostituirlo?</source>
        <translation>There is already a habitual meal %1: replace it?</translation>
    </message>
    <message>
        <source>pasto abituale %1</source>
        <translation>habitual meal %1</translation>
    </message>
    <message>
        <source>Un giorno ha al massimo %1 pasti: per inserire un pasto abituale, rimuoverne prima un altro.</source>
        <translation>A day has at most %1 meals: to insert a habitual meal, remove another one first.</translation>
    </message>
    <message>
        <source>inserimento di %1</source>
        <translation>insertion of %1</translation>
    </message>
    <message>
        <source>Il pasto abituale %1 non può essere inserito: %2</source>
        <translation>The habitual meal %1 cannot be inserted: %2</translation>
    </message>
    <message>
        <source>Il pasto non è stato copiato: è il pasto che la tabella mostra. Scegliere un altro pasto o &quot;(aggiungi come nuovo pasto)&quot;.</source>
        <translation>The meal was not copied: it is the meal the table shows. Choose another meal or &quot;(add as a new meal)&quot;.</translation>
    </message>
    <message>
        <source>Il pasto non è stato copiato: il giorno non ha più quel pasto. Scegliere di nuovo il pasto.</source>
        <translation>The meal was not copied: the day no longer has that meal. Choose the meal again.</translation>
    </message>
    <message>
        <source>Il %1 ha già un piano: sostituirlo con il giorno mostrato?</source>
        <translation>The %1 already has a plan: replace it with the day shown?</translation>
    </message>
    <message>
        <source>Copia giorno in</source>
        <translation>Copy day to</translation>
    </message>
    <message>
        <source>Il pasto %1 del %2 ha già degli alimenti: sostituirli con quelli del pasto mostrato?</source>
        <translation>The meal %1 of the %2 already has foods: replace them with those of the shown meal?</translation>
    </message>
    <message>
        <source>Copia pasto in</source>
        <translation>Copy meal to</translation>
    </message>
    <message>
        <source>Il pasto non ha alimenti bloccati: non c&apos;è nulla da copiare.</source>
        <translation>The meal has no locked foods: there is nothing to copy.</translation>
    </message>
    <message>
        <source>Modifica non salvata: il pasto abituale %1 è stato modificato da un&apos;altra finestra di Velmo.</source>
        <translation>Change not saved: the habitual meal %1 was changed by another Velmo window.</translation>
    </message>
    <message>
        <source>Eliminare il pasto abituale %1?</source>
        <translation>Delete the habitual meal %1?</translation>
    </message>
    <message>
        <source>eliminazione di %1</source>
        <translation>deletion of %1</translation>
    </message>
    <message>
        <source>Sostituisci</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Il giorno mostrato è senza le righe di alimenti che non si trovano nell&apos;archivio, e la copia non le avrà:
%1</source>
        <translation>The day shown is without the rows of foods that are not in the archive, and the copy will not have them:
%1</translation>
    </message>
    <message>
        <source>Copia senza queste righe</source>
        <translation>Copy without these rows</translation>
    </message>
</context>
<context>
    <name>velmo::DayPanelModel</name>
    <message>
        <source>Pasto</source>
        <translation>Meal</translation>
    </message>
    <message>
        <source>Energia</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Quota</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Guida LARN</source>
        <translation>LARN guide</translation>
    </message>
    <message>
        <source>circa %1 %</source>
        <translation>about %1 %</translation>
    </message>
    <message>
        <source>Il pannello del giorno non può essere calcolato: %1</source>
        <translation>The day panel cannot be computed: %1</translation>
    </message>
</context>
<context>
    <name>velmo::DayPlan</name>
    <message>
        <source>Pasto</source>
        <translation>Meal</translation>
    </message>
    <message>
        <source>passaggio a %1</source>
        <translation>switch to %1</translation>
    </message>
    <message>
        <source>Il pasto %1 non può essere mostrato: %2</source>
        <translation>The meal %1 cannot be shown: %2</translation>
    </message>
    <message>
        <source>c&apos;è già un pasto %1: i pasti di un giorno hanno nomi diversi</source>
        <translation>there is already a meal %1: the meals of a day have different names</translation>
    </message>
    <message>
        <source>Pasti del giorno</source>
        <translation>Meals of the day</translation>
    </message>
    <message>
        <source>Nuovo nome del pasto %1:</source>
        <translation>New name of the meal %1:</translation>
    </message>
    <message>
        <source>Il pasto non è stato rinominato: %1. Scegliere un altro nome.</source>
        <translation>The meal was not renamed: %1. Choose another name.</translation>
    </message>
    <message>
        <source>rinomina di %1 in %2</source>
        <translation>renaming %1 to %2</translation>
    </message>
    <message>
        <source>Un giorno ha al massimo %1 pasti: per aggiungerne uno, rimuoverne prima un altro.</source>
        <translation>A day has at most %1 meals: to add one, remove another first.</translation>
    </message>
    <message>
        <source>Pasto %1</source>
        <translation>Meal %1</translation>
    </message>
    <message>
        <source>Nome del nuovo pasto:</source>
        <translation>Name of the new meal:</translation>
    </message>
    <message>
        <source>Il pasto non è stato aggiunto: %1. Scegliere un altro nome.</source>
        <translation>The meal was not added: %1. Choose another name.</translation>
    </message>
    <message>
        <source>aggiunta di %1</source>
        <translation>adding %1</translation>
    </message>
    <message>
        <source>Un giorno ha almeno un pasto: l&apos;ultimo rimasto non si può rimuovere.</source>
        <translation>A day has at least one meal: the last one left cannot be removed.</translation>
    </message>
    <message>
        <source>rimozione di %1</source>
        <translation>removing %1</translation>
    </message>
    <message>
        <source>Il pasto %1 non può essere rimosso: %2</source>
        <translation>The meal %1 cannot be removed: %2</translation>
    </message>
</context>
<context>
    <name>velmo::EnergyWindowControls</name>
    <message>
        <source>Leggera</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Moderata</source>
        <translation>Moderate</translation>
    </message>
    <message>
        <source>Pesante</source>
        <translation>Heavy</translation>
    </message>
    <message>
        <source>Con attività fisiche auspicabili</source>
        <translation>With desirable physical activities</translation>
    </message>
    <message>
        <source>Senza le attività fisiche auspicabili</source>
        <translation>Without desirable physical activities</translation>
    </message>
</context>
<context>
    <name>velmo::EnergyWindowModel</name>
    <message>
        <source>Calcolo del Fabbisogno Energetico Giornaliero per le persone di sesso femminile</source>
        <translation>Calculation of the Daily Energy Requirement for females</translation>
    </message>
    <message>
        <source>Calcolo del Fabbisogno Energetico Giornaliero per le persone di sesso maschile</source>
        <translation>Calculation of the Daily Energy Requirement for males</translation>
    </message>
    <message>
        <source>Sesso Femmina </source>
        <translation>Sex: Female </translation>
    </message>
    <message>
        <source>Sesso Maschio</source>
        <translation>Sex: Male</translation>
    </message>
    <message>
        <source>Non hai messo gli anni!!</source>
        <translation>You have not entered the age!!</translation>
    </message>
    <message>
        <source>In questo caso essendo minore di 10 anni, viene calcolato il solo Metabolismo Basale</source>
        <translation>As the age is under 10 years, only the Basal Metabolism is calculated</translation>
    </message>
    <message>
        <source>Non hai messo il peso!!</source>
        <translation>You have not entered the weight!!</translation>
    </message>
    <message>
        <source>Non hai scelto l&apos;attività</source>
        <translation>You have not chosen the activity</translation>
    </message>
    <message>
        <source>Con una Attività %1 %2</source>
        <translation>Activity: %1, %2</translation>
    </message>
    <message>
        <source>Gli anni devono essere al massimo %1: il fabbisogno non è calcolato.</source>
        <translation>The age must be at most %1 years: the requirement is not computed.</translation>
    </message>
    <message>
        <source>Il peso deve essere al massimo di %1 kg: il fabbisogno non è calcolato.</source>
        <translation>The weight must be at most %1 kg: the requirement is not computed.</translation>
    </message>
</context>
<context>
    <name>velmo::FoodGridModel</name>
    <message>
        <source>alimenti</source>
        <translation>food</translation>
    </message>
    <message>
        <source>edibile</source>
        <translation>edible</translation>
    </message>
    <message>
        <source>proteine</source>
        <translation>protein</translation>
    </message>
    <message>
        <source>lipidi</source>
        <translation>fat</translation>
    </message>
    <message>
        <source>carboidrati</source>
        <translation>carbohydrate</translation>
    </message>
    <message>
        <source>energia</source>
        <translation>energy</translation>
    </message>
    <message>
        <source>fibra</source>
        <translation>fibre</translation>
    </message>
    <message>
        <source>colesterolo</source>
        <translation>cholesterol</translation>
    </message>
</context>
<context>
    <name>velmo::LauncherModel</name>
    <message>
        <source>Versione %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>velmo::MainWindowModel</name>
    <message>
        <source>Alimenti</source>
        <translation>Foods</translation>
    </message>
    <message>
        <source>Sei alla fine dell&apos;Archivio</source>
        <translation>You are at the end of the list</translation>
    </message>
    <message>
        <source>Sei all&apos;inizio dell&apos;Archivio</source>
        <translation>You are at the start of the list</translation>
    </message>
    <message>
        <source> - Valutazione calorica e nutrizionale in una dieta</source>
        <translation> - Calorie and nutrient assessment of a diet</translation>
    </message>
    <message>
        <source>Scegli un alimento: Scelta alimenti o Ctrl+F</source>
        <translation>Choose a food: Foods menu or Ctrl+F</translation>
    </message>
    <message>
        <source>L&apos;alimento &quot;%1&quot; non è più fra gli alimenti della categoria: la riga mostra il primo alimento della categoria.</source>
        <translation>The food &quot;%1&quot; is no longer among the category&apos;s foods: the row shows the category&apos;s first food.</translation>
    </message>
    <message>
        <source>aggiornamento degli alimenti personali</source>
        <translation>update of the personal foods</translation>
    </message>
    <message>
        <source>Il nuovo nome di &quot;%1&quot; non è stato scritto nei giorni delle persone, che lo nominano ancora come prima: %2</source>
        <translation>The new name of &quot;%1&quot; was not written in the persons&apos; days, which still name it as before: %2</translation>
    </message>
    <message>
        <source>Questi alimenti personali sono stati eliminati e non tornano nel pasto: %1.</source>
        <translation>These personal foods have been deleted and do not come back into the meal: %1.</translation>
    </message>
    <message>
        <source>L&apos;alimento eliminato è tolto anche dal pasto e dal giorno: %1.</source>
        <translation>The deleted food is also taken out of the meal and the day: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 e di altre %n persone</source>
        <translation>
            <numerusform>%1 and %n other person</numerusform>
            <numerusform>%1 and %n other persons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>nei giorni salvati di %1 (%n giorni)</source>
        <translation>
            <numerusform>in %n saved day of %1</numerusform>
            <numerusform>in the saved days of %1 (%n days)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n pasti abituali</source>
        <translation>
            <numerusform>in %n habitual meal</numerusform>
            <numerusform>in %n habitual meals</numerusform>
        </translation>
    </message>
    <message>
        <source>È %1.</source>
        <translation>It is %1.</translation>
    </message>
    <message>
        <source> e </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Non si è potuto controllare in quali giorni delle persone è usato.</source>
        <translation>It could not be checked in which of the persons&apos; days it is used.</translation>
    </message>
    <message>
        <source>Questi alimenti personali non sono più nell&apos;archivio (eliminati o rinominati da un&apos;altra finestra di Velmo o da velmo-pasto) e sono tolti dal pasto: %1.</source>
        <translation>These personal foods are no longer in the archive (deleted or renamed by another Velmo window or by velmo-pasto) and are taken out of the meal: %1.</translation>
    </message>
</context>
<context>
    <name>velmo::MealDocument</name>
    <message>
        <source>Pasti di Velmo</source>
        <translation>Velmo meals</translation>
    </message>
    <message>
        <source>Tutti i file</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Senza nome</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Apri pasto</source>
        <translation>Open meal</translation>
    </message>
    <message>
        <source>il pasto contiene alimenti personali, ma l&apos;archivio degli alimenti personali non si può aprire</source>
        <translation>the meal contains personal foods, but the personal foods database cannot be opened</translation>
    </message>
    <message>
        <source>Il pasto %1 non può essere aperto:
%2</source>
        <translation>The meal %1 cannot be opened:
%2</translation>
    </message>
    <message>
        <source>Impossibile salvare il pasto in %1: %2</source>
        <translation>The meal cannot be saved in %1: %2</translation>
    </message>
    <message>
        <source>Salva pasto</source>
        <translation>Save meal</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>File CSV</source>
        <translation>CSV files</translation>
    </message>
    <message>
        <source>Impossibile esportare il pasto in %1: %2</source>
        <translation>The meal cannot be exported to %1: %2</translation>
    </message>
    <message>
        <source>Salvare le modifiche al pasto?</source>
        <translation>Save the changes to the meal?</translation>
    </message>
    <message>
        <source>nuovo pasto</source>
        <translation>new meal</translation>
    </message>
    <message>
        <source>apertura di %1</source>
        <translation>opening %1</translation>
    </message>
    <message>
        <source>nuovo giorno</source>
        <translation>new day</translation>
    </message>
    <message>
        <source>Impossibile salvare il giorno in %1: il primo pasto non ha nome né alimenti. Dargli un nome con &quot;Rinomina pasto...&quot; o rimuoverlo, poi salvare di nuovo.</source>
        <translation>The day cannot be saved in %1: the first meal has neither a name nor foods. Give it a name with &quot;Rename meal...&quot; or remove it, then save again.</translation>
    </message>
    <message>
        <source>Impossibile esportare il giorno in %1: %2</source>
        <translation>The day cannot be exported to %1: %2</translation>
    </message>
    <message>
        <source>Salvare le modifiche al giorno?</source>
        <translation>Save the changes to the day?</translation>
    </message>
    <message>
        <source>Pasto</source>
        <translation>Meal</translation>
    </message>
    <message>
        <source>Il giorno non può essere mostrato:
%1</source>
        <translation>The day cannot be shown:
%1</translation>
    </message>
    <message>
        <source>Impossibile salvare il pasto in %1: la tabella non ha alimenti bloccati, e un file senza alimenti non si potrebbe riaprire. Bloccare almeno un alimento, poi salvare di nuovo.</source>
        <translation>Cannot save the meal to %1: the table has no locked foods, and a file without foods could not be opened again. Lock at least one food, then save again.</translation>
    </message>
    <message>
        <source>Il file %1 è stato cambiato da un altro programma o da un&apos;altra finestra dopo che Velmo lo ha aperto o salvato.
Sostituirlo con il pasto della tabella?
(No: salvarlo con un altro nome)</source>
        <translation>The file %1 has been changed by another program or another window since Velmo opened or saved it.
Replace it with the meal in the table?
(No: save it under another name)</translation>
    </message>
    <message>
        <source>pasto</source>
        <comment>file name</comment>
        <translation>meal</translation>
    </message>
    <message>
        <source>giorno</source>
        <comment>file name</comment>
        <translation>day</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Mostra senza queste righe</source>
        <translation>Show without these rows</translation>
    </message>
    <message>
        <source>Il giorno nomina alimenti che non si trovano nell&apos;archivio:
%1

Mostrarlo senza queste righe? Il giorno salvato le conserva finché non viene cambiato.</source>
        <translation>The day names foods that are not in the archive:
%1

Show it without these rows? The stored day keeps them until it is changed.</translation>
    </message>
</context>
<context>
    <name>velmo::MealGrid</name>
    <message>
        <source>Peso lordo: g</source>
        <translation>Gross weight: g</translation>
    </message>
    <message>
        <source> Peso netto: g</source>
        <translation> Net weight: g</translation>
    </message>
    <message>
        <source>Protidi: g</source>
        <translation>Protein: g</translation>
    </message>
    <message>
        <source>Lipidi: g</source>
        <translation>Fat: g</translation>
    </message>
    <message>
        <source>Glucidi: g</source>
        <translation>Carbohydr.: g</translation>
    </message>
    <message>
        <source>Energia: kcal</source>
        <translation>Energy: kcal</translation>
    </message>
    <message>
        <source>Fibra alim: g</source>
        <translation>Dietary fibre: g</translation>
    </message>
    <message>
        <source>Colesterolo: mg</source>
        <translation>Cholesterol: mg</translation>
    </message>
    <message>
        <source>Calcolo per una persona</source>
        <translation>Total for one person</translation>
    </message>
    <message>
        <source>Inserire quantità sul campo peso lordo</source>
        <translation>Enter a quantity in the gross weight box</translation>
    </message>
</context>
<context>
    <name>velmo::MealSteps</name>
    <message>
        <source>blocco di %1</source>
        <translation>locking %1</translation>
    </message>
    <message>
        <source>blocco della riga %1</source>
        <translation>locking row %1</translation>
    </message>
    <message>
        <source>sblocco di %1</source>
        <translation>unlocking %1</translation>
    </message>
    <message>
        <source>sblocco della riga %1</source>
        <translation>unlocking row %1</translation>
    </message>
    <message>
        <source>rifiuto del blocco di %1</source>
        <translation>refused lock of %1</translation>
    </message>
    <message>
        <source>rifiuto del blocco della riga %1</source>
        <translation>refused lock of row %1</translation>
    </message>
</context>
<context>
    <name>velmo::NutrientProfileModel</name>
    <message>
        <source>Nutriente</source>
        <translation>Nutrient</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Riferimento</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Rispetto al riferimento</source>
        <translation>Against the reference</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>sotto AR</source>
        <translation>below AR</translation>
    </message>
    <message>
        <source>sotto il riferimento</source>
        <translation>below the reference</translation>
    </message>
    <message>
        <source>raggiunto</source>
        <translation>reached</translation>
    </message>
    <message>
        <source>oltre il massimo</source>
        <translation>above the maximum</translation>
    </message>
    <message>
        <source>Nessuna riga bloccata: bloccare le righe della tabella di composizione per vedere il profilo del pasto.</source>
        <translation>No row is locked: lock the rows of the composition table to see the profile of the meal.</translation>
    </message>
    <message>
        <source>Il pasto delle righe bloccate (alimenti: %1)</source>
        <translation>The meal of the locked rows (foods: %1)</translation>
    </message>
    <message>
        <source>Profilo non disponibile: %1.</source>
        <translation>Profile not available: %1.</translation>
    </message>
    <message>
        <source>Nessun alimento corrente: sceglierne uno nell&apos;elenco degli alimenti.</source>
        <translation>No current food: choose one in the list of foods.</translation>
    </message>
    <message>
        <source>%1: scrivere il peso lordo nella riga aperta per vederne la porzione.</source>
        <translation>%1: write the gross weight in the open row to see its portion.</translation>
    </message>
    <message>
        <source>%1, %2 g lordi (%3 g netti)</source>
        <translation>%1, %2 g gross (%3 g net)</translation>
    </message>
    <message>
        <source>%1, per 100 g di parte edibile</source>
        <translation>%1, per 100 g of edible part</translation>
    </message>
    <message>
        <source>%1: n.d.</source>
        <translation>%1: n/a</translation>
    </message>
    <message>
        <source>%1: %2 %3 (%4 %)</source>
        <translation>%1: %2 %3 (%4 %)</translation>
    </message>
    <message>
        <source>Non c&apos;è nessun profilo da esportare: %1</source>
        <translation>There is no profile to export: %1</translation>
    </message>
    <message>
        <source>Profilo nutrizionale</source>
        <translation>Nutrient profile</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>profilo.csv</source>
        <translation>profile.csv</translation>
    </message>
    <message>
        <source>File CSV</source>
        <translation>CSV files</translation>
    </message>
    <message>
        <source>Impossibile esportare il profilo in %1: %2</source>
        <translation>Cannot export the profile to %1: %2</translation>
    </message>
    <message>
        <source>Nessun alimento nei pasti del giorno: bloccare le righe della tabella di composizione per vedere il profilo del giorno.</source>
        <translation>No food in the day&apos;s meals: lock the rows of the composition table to see the day&apos;s profile.</translation>
    </message>
    <message>
        <source>Il giorno: tutti i suoi pasti (pasti: %1, alimenti: %2)</source>
        <translation>The day: all its meals (meals: %1, foods: %2)</translation>
    </message>
    <message>
        <source>La settimana non è disponibile: aprire l&apos;archivio delle persone con «Settimana...» (menu «Persona»).</source>
        <translation>The week is not available: open the persons&apos; file with “Week...” (menu “Person”).</translation>
    </message>
    <message>
        <source>Nessuna media della settimana %1: %2</source>
        <translation>No average of the week %1: %2</translation>
    </message>
    <message>
        <source>La media giornaliera della settimana %1, dei giorni con alimenti memorizzati (%2). Una media di quantità minime («≥») è anch&apos;essa una quantità minima.</source>
        <translation>The daily average of the week %1, of the days with stored foods (%2). An average of minimum amounts (“≥”) is itself a minimum amount.</translation>
    </message>
    <message>
        <source>Impossibile leggere le porzioni di %1: %2.</source>
        <translation>Cannot read the portions of %1: %2.</translation>
    </message>
    <message>
        <source>%1 non ha né una porzione standard né misure casalinghe: scegliere «L&apos;alimento corrente, nel peso della riga aperta» e scrivere il peso lordo nella riga.</source>
        <translation>%1 has neither a standard portion nor household measures: choose “The current food, in the weight of the open row” and type the gross weight in the row.</translation>
    </message>
    <message>
        <source>%1, per porzione: %2</source>
        <translation>%1, per portion: %2</translation>
    </message>
    <message>
        <source>Sotto i 6 mesi di età non ci sono livelli di riferimento.</source>
        <translation>Under 6 months of age there are no reference intakes.</translation>
    </message>
</context>
<context>
    <name>velmo::NutrientRankingModel</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Tutte le categorie</source>
        <translation>All categories</translation>
    </message>
    <message>
        <source>per 100 g di parte edibile</source>
        <translation>per 100 g of edible part</translation>
    </message>
    <message>
        <source>per 100 kcal</source>
        <translation>per 100 kcal</translation>
    </message>
    <message>
        <source>Alimenti: %1.</source>
        <translation>Foods: %1.</translation>
    </message>
    <message>
        <source>Alimenti con il valore: %1; senza il valore (n.d.: non disponibile, non è zero), in fondo alla lista: %2.</source>
        <translation>Foods with the value: %1; without it (n/a: not available, not zero), at the bottom of the list: %2.</translation>
    </message>
    <message>
        <source>n.d.</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>Alimento</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Per 100 g</source>
        <translation>Per 100 g</translation>
    </message>
    <message>
        <source>Per 100 kcal</source>
        <translation>Per 100 kcal</translation>
    </message>
    <message>
        <source>per porzione standard</source>
        <translation>per standard portion</translation>
    </message>
    <message>
        <source>Per porzione standard</source>
        <translation>Per standard portion</translation>
    </message>
    <message>
        <source>Alimenti con il valore: %1; senza porzione standard (n.d.), in fondo alla lista: %2.</source>
        <translation>Foods with the value: %1; without a standard portion (n/a), at the bottom of the list: %2.</translation>
    </message>
    <message>
        <source>Alimenti con il valore: %1; in fondo alla lista (n.d.), senza il valore (non disponibile, non è zero): %2, senza porzione standard: %3.</source>
        <translation>Foods with the value: %1; at the bottom of the list (n/a), without the value (not available, not zero): %2, without a standard portion: %3.</translation>
    </message>
    <message>
        <source>Alimenti con il valore: %1; senza energia nota o con 0 kcal (n.d.), in fondo alla lista: %2.</source>
        <translation>Foods with the value: %1; without known energy or with 0 kcal (n/a), at the bottom of the list: %2.</translation>
    </message>
    <message>
        <source>Alimenti con il valore: %1; in fondo alla lista (n.d.), senza il valore (non disponibile, non è zero): %2, senza energia nota o con 0 kcal: %3.</source>
        <translation>Foods with the value: %1; at the bottom of the list (n/a), without the value (not available, not zero): %2, without known energy or with 0 kcal: %3.</translation>
    </message>
</context>
<context>
    <name>velmo::PersonListModel</name>
    <message>
        <source>persona corrente</source>
        <translation>current person</translation>
    </message>
    <message>
        <source>nome di %1</source>
        <translation>name of %1</translation>
    </message>
</context>
<context>
    <name>velmo::PersonSession</name>
    <message>
        <source>Modifica non fatta: la persona è stata modificata da un&apos;altra finestra di Velmo. La finestra Persone la mostra ora com&apos;è salvata: ripetere la modifica.</source>
        <translation>Change not made: the person was changed by another Velmo window. The Persons window now shows it as stored: make the change again.</translation>
    </message>
    <message>
        <source>Modifica non fatta: la persona ha giorni conservati che questo passo non conosce. Per eliminarla con i suoi giorni usare &quot;Elimina persona&quot;.</source>
        <translation>Change not made: the person has stored days this step does not know. To delete the person with the days, use &quot;Delete person&quot;.</translation>
    </message>
</context>
<context>
    <name>velmo::PersonalFoodCommands</name>
    <message>
        <source>File CSV (*.csv);;Tutti i file (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>

Velmo continua senza alimenti personali; il file non viene modificato.</source>
        <translation>

Velmo carries on without personal foods; the file is left unchanged.</translation>
    </message>
    <message>
        <source>

Mettere da parte il file danneggiato (viene rinominato, non cancellato) e iniziare un archivio nuovo e vuoto?

No: Velmo continua senza alimenti personali e non scrive nulla; la domanda sarà ripetuta al prossimo uso degli alimenti personali.</source>
        <translation>

Set the damaged file aside (it is renamed, not deleted) and start a new, empty one?

No: Velmo carries on without personal foods and writes nothing; you will be asked again the next time you use personal foods.</translation>
    </message>
    <message>
        <source>Il file danneggiato è stato conservato come:
%1

È stato creato un archivio nuovo e vuoto:
%2</source>
        <translation>The damaged file has been kept as:
%1

A new, empty file has been created:
%2</translation>
    </message>
    <message>
        <source>Importa alimenti personali</source>
        <translation>Import personal foods</translation>
    </message>
    <message>
        <source>Alcuni alimenti del file %1 hanno valori da confermare:

%2

Importarli comunque?</source>
        <translation>Some foods in the file %1 have values to confirm:

%2

Import them anyway?</translation>
    </message>
    <message>
        <source>Il file %1 non è stato importato: nessun alimento è stato aggiunto o modificato.

%2</source>
        <translation>The file %1 was not imported: no food has been added or changed.

%2</translation>
    </message>
    <message numerus="yes">
        <source>Importati %n alimenti da %1: %2 nuovi, %3 aggiornati.</source>
        <translation>
            <numerusform>Imported %n food from %1: %2 new, %3 updated.</numerusform>
            <numerusform>Imported %n foods from %1: %2 new, %3 updated.</numerusform>
        </translation>
    </message>
    <message>
        <source>Esporta alimenti personali</source>
        <translation>Export personal foods</translation>
    </message>
    <message numerus="yes">
        <source>Esportati %n alimenti personali in %1.</source>
        <translation>
            <numerusform>Exported %n personal food to %1.</numerusform>
            <numerusform>Exported %n personal foods to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Impossibile scrivere %1:
%2</source>
        <translation>Cannot write %1:
%2</translation>
    </message>
    <message>
        <source>Nome del nuovo alimento personale (i valori sono per 100 g del peso netto del pasto):</source>
        <translation>Name of the new personal food (the values are per 100 g of the meal&apos;s net weight):</translation>
    </message>
    <message>
        <source>Salva pasto come alimento</source>
        <translation>Save meal as food</translation>
    </message>
    <message>
        <source>Esiste già un alimento personale di nome &quot;%1&quot;. Sostituirlo?</source>
        <translation>A personal food called &quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>Creato l&apos;alimento personale &quot;%1&quot; (parte edibile 100%), per 100 g di pasto:
%2.</source>
        <translation>Created the personal food &quot;%1&quot; (edible part 100%), per 100 g of meal:
%2.</translation>
    </message>
    <message>
        <source>n.d. (un ingrediente non ha il valore)</source>
        <translation>n/a (an ingredient lacks the value)</translation>
    </message>
    <message>
        <source>Eliminare l&apos;alimento personale &quot;%1&quot;?

L&apos;eliminazione non si può annullare, e i pasti e i giorni salvati che lo contengono non si potranno più aprire finché non si crea di nuovo un alimento con questo nome.</source>
        <translation>Delete the personal food &quot;%1&quot;?

The deletion cannot be undone, and the saved meals and days that contain it will not open until a food of this name is created again.</translation>
    </message>
    <message>
        <source>Sostituito l&apos;alimento personale &quot;%1&quot; (parte edibile 100%), per 100 g di pasto:
%2.</source>
        <translation>Replaced the personal food &quot;%1&quot; (edible part 100%), per 100 g of meal:
%2.</translation>
    </message>
    <message>
        <source>I file dei pasti e dei giorni salvati che nominano l&apos;alimento non si potranno più aprire finché non gli si ridà il nome di prima.</source>
        <translation>Saved meal and day files that name the food will not open until it is given its former name again.</translation>
    </message>
    <message>
        <source>Il nuovo nome non si potrà annullare, e le modifiche fatte finora non si potranno più annullare con &quot;Annulla&quot; (un&apos;eliminazione di una persona compresa). %1

Dare il nuovo nome?</source>
        <translation>The new name cannot be undone, and the changes made so far can no longer be undone with &quot;Undo&quot; (a person&apos;s deletion included). %1

Give the new name?</translation>
    </message>
    <message>
        <source>%1

Dare il nuovo nome?</source>
        <translation>%1

Give the new name?</translation>
    </message>
    <message>
        <source>alimenti-personali.csv</source>
        <translation>personal-foods.csv</translation>
    </message>
    <message>
        <source>Lì prenderà i valori nuovi.</source>
        <translation>There it will take the new values.</translation>
    </message>
    <message>
        <source>Dai il nuovo nome</source>
        <translation>Give the new name</translation>
    </message>
    <message>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Sostituisci</source>
        <translation>Replace</translation>
    </message>
</context>
<context>
    <name>velmo::PersonsWindowModel</name>
    <message>
        <source>La data scelta viene prima della nascita: scegliere una data successiva.</source>
        <translation>The chosen date comes before the birth: choose a later date.</translation>
    </message>
    <message numerus="yes">
        <source>Età: %n anni</source>
        <translation>
            <numerusform>Age: %n year</numerusform>
            <numerusform>Age: %n years</numerusform>
        </translation>
    </message>
    <message>
        <source>Indice di massa corporea: aggiungere un peso per calcolarlo.</source>
        <translation>Body mass index: add a weight to calculate it.</translation>
    </message>
    <message>
        <source>Indice di massa corporea: %1</source>
        <translation>Body mass index: %1</translation>
    </message>
    <message>
        <source>Fabbisogno energetico: aggiungere un peso per calcolarlo.</source>
        <translation>Energy requirement: add a weight to calculate it.</translation>
    </message>
    <message>
        <source>Peso per il calcolo: %1 kg (intero, come nelle finestre LAF)</source>
        <translation>Weight for the calculation: %1 kg (whole, as in the PAL windows)</translation>
    </message>
    <message>
        <source>Metabolismo basale: %1 kcal</source>
        <translation>Basal metabolism: %1 kcal</translation>
    </message>
    <message>
        <source>Sotto i 10 anni si calcola il solo metabolismo basale.</source>
        <translation>Under 10 years only the basal metabolism is calculated.</translation>
    </message>
    <message>
        <source>Per il fabbisogno scegliere, con «Modifica...», l&apos;attività e le attività fisiche auspicabili.</source>
        <translation>For the requirement choose, with “Edit...”, the activity and the desirable physical activities.</translation>
    </message>
    <message>
        <source>LAF: %1</source>
        <translation>PAL: %1</translation>
    </message>
    <message>
        <source>Fabbisogno energetico: %1 kcal</source>
        <translation>Energy requirement: %1 kcal</translation>
    </message>
    <message>
        <source>Protidi %1 % = %2 g · Lipidi %3 % = %4 g · Glucidi %5 % = %6 g</source>
        <translation>Protein %1 % = %2 g · Fat %3 % = %4 g · Carbohydrate %5 % = %6 g</translation>
    </message>
    <message>
        <source>nuova persona %1</source>
        <translation>new person %1</translation>
    </message>
    <message>
        <source>modifica di %1</source>
        <translation>change of %1</translation>
    </message>
    <message>
        <source>Eliminare %1 con tutti i suoi pesi e giorni? Nell&apos;archivio delle persone non ne resterà traccia; il comando Modifica &gt; Annulla (Ctrl+Z) la riporta finché Velmo è aperto.</source>
        <translation>Delete %1 with all their weights and days? No trace will be left in the persons&apos; file; the command Edit &gt; Undo (Ctrl+Z) brings the person back while Velmo is open.</translation>
    </message>
    <message>
        <source>Elimina persona</source>
        <translation>Delete person</translation>
    </message>
    <message>
        <source>eliminazione di %1</source>
        <translation>deletion of %1</translation>
    </message>
    <message>
        <source>Fabbisogno energetico: %1.</source>
        <translation>Energy requirement: %1.</translation>
    </message>
</context>
<context>
    <name>velmo::StoredDays</name>
    <message>
        <source>Riprova</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>giorno di %1 del %2</source>
        <translation>day of %1 on %2</translation>
    </message>
    <message>
        <source>Nessuna persona corrente: scegliere una persona con &quot;Giorno della persona...&quot; nel menu Persona, o renderla corrente nella finestra Persone.</source>
        <translation>No current person: choose a person with &quot;Person&apos;s day...&quot; in the Person menu, or make one current in the Persons window.</translation>
    </message>
    <message>
        <source>Il giorno di %1 del %2 è stato modificato da un&apos;altra finestra di Velmo. Rileggere il giorno salvato (le modifiche di questa finestra si perdono) o mantenere questo giorno al posto di quello salvato?</source>
        <translation>The day of %1 on %2 was changed by another Velmo window. Read the stored day again (the changes made in this window are lost) or keep this day in place of the stored one?</translation>
    </message>
    <message>
        <source>Rileggi il giorno salvato</source>
        <translation>Read the stored day again</translation>
    </message>
    <message>
        <source>Mantieni questo giorno</source>
        <translation>Keep this day</translation>
    </message>
    <message>
        <source>La persona %1 non è più nell&apos;archivio: il giorno resta nella finestra, non salvato. Per conservarlo, salvarlo in un file con &quot;Salva con nome...&quot;.</source>
        <translation>The person %1 is no longer in the archive: the day stays in the window, not stored. To keep it, save it to a file with &quot;Save as...&quot;.</translation>
    </message>
    <message>
        <source>rilettura del giorno</source>
        <translation>day read again</translation>
    </message>
    <message>
        <source>L&apos;ultima modifica del giorno non è stata salvata nell&apos;archivio delle persone. Lasciare il giorno senza salvarla?</source>
        <translation>The day&apos;s last change was not stored in the persons&apos; archive. Leave the day without storing it?</translation>
    </message>
    <message>
        <source>Lascia il giorno</source>
        <translation>Leave the day</translation>
    </message>
</context>
<context>
    <name>velmo::WeekModel</name>
    <message>
        <source>Giorno</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Energia (kcal)</source>
        <translation>Energy (kcal)</translation>
    </message>
    <message>
        <source>% fabbisogno</source>
        <translation>% of requirement</translation>
    </message>
    <message>
        <source>Proteine (g)</source>
        <translation>Protein (g)</translation>
    </message>
    <message>
        <source>Proteine (%En)</source>
        <translation>Protein (%En)</translation>
    </message>
    <message>
        <source>Lipidi (g)</source>
        <translation>Fat (g)</translation>
    </message>
    <message>
        <source>Lipidi (%En)</source>
        <translation>Fat (%En)</translation>
    </message>
    <message>
        <source>Carboidrati (g)</source>
        <translation>Carbohydrate (g)</translation>
    </message>
    <message>
        <source>Carboidrati (%En)</source>
        <translation>Carbohydrate (%En)</translation>
    </message>
    <message>
        <source>Fibra (g)</source>
        <translation>Fibre (g)</translation>
    </message>
    <message>
        <source>Media giornaliera</source>
        <translation>Daily average</translation>
    </message>
    <message>
        <source>nessun giorno</source>
        <translation>no day</translation>
    </message>
    <message>
        <source>nulla di memorizzato</source>
        <translation>nothing stored</translation>
    </message>
    <message>
        <source>non calcolabile</source>
        <translation>cannot be computed</translation>
    </message>
    <message>
        <source>n.d.</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>dal %1 al %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Nessuna persona corrente: sceglierne una in «Persone...» (menu «Persona») per vedere la sua settimana.</source>
        <translation>No current person: choose one in “Persons...” (menu “Person”) to see their week.</translation>
    </message>
    <message>
        <source>L&apos;archivio delle persone non è disponibile.</source>
        <translation>The persons&apos; file is not available.</translation>
    </message>
    <message>
        <source>Fabbisogno al %1: %2 kcal</source>
        <translation>Requirement on %1: %2 kcal</translation>
    </message>
    <message>
        <source>Nessun fabbisogno con cui confrontare i giorni: in «Persone...» servono la data di nascita, il peso e le scelte sull&apos;attività fisica (sotto i 10 anni si calcola solo il metabolismo di base).</source>
        <translation>No requirement to set the days against: “Persons...” needs the date of birth, the weight and the physical activity choices (under 10 years only the basal metabolism is calculated).</translation>
    </message>
    <message>
        <source>Il profilo degli alimenti non è disponibile: %1.</source>
        <translation>The foods&apos; profile is not available: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n giorni senza nulla di memorizzato</source>
        <translation>
            <numerusform>%n day with nothing stored</numerusform>
            <numerusform>%n days with nothing stored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n giorni con alimenti che non si trovano più nel catalogo</source>
        <translation>
            <numerusform>%n day with foods no longer in the catalogue</numerusform>
            <numerusform>%n days with foods no longer in the catalogue</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessun giorno della settimana ha alimenti memorizzati: non c&apos;è una media da calcolare.</source>
        <translation>No day of the week has stored foods: there is no average to calculate.</translation>
    </message>
    <message numerus="yes">
        <source>Media giornaliera di %n giorni su 7</source>
        <translation>
            <numerusform>Daily average of %n day of 7</numerusform>
            <numerusform>Daily average of %n days of 7</numerusform>
        </translation>
    </message>
    <message>
        <source> (non contati: %1)</source>
        <translation> (not counted: %1)</translation>
    </message>
    <message>
        <source>: %1 kcal</source>
        <translation>: %1 kcal</translation>
    </message>
    <message>
        <source>, %1 del fabbisogno</source>
        <translation>, %1 of the requirement</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>La settimana non può essere esportata. %1</source>
        <translation>The week cannot be exported. %1</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>settimana-%1.csv</source>
        <translation>week-%1.csv</translation>
    </message>
    <message>
        <source>File CSV</source>
        <translation>CSV files</translation>
    </message>
    <message>
        <source>Impossibile esportare la settimana in %1: %2. Scegliere un&apos;altra cartella o liberare spazio e riprovare.</source>
        <translation>Cannot export the week to %1: %2. Choose another folder or free some space and try again.</translation>
    </message>
    <message>
        <source>Nessun giorno della settimana si può calcolare (%1): non c&apos;è una media da calcolare.</source>
        <translation>No day of the week can be worked out (%1): there is no average to compute.</translation>
    </message>
    <message>
        <source>Nessun fabbisogno con cui confrontare i giorni: %1.</source>
        <translation>No requirement to set the days against: %1.</translation>
    </message>
</context>
<context>
    <name>velmo::WeightListModel</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Peso (kg)</source>
        <translation>Weight (kg)</translation>
    </message>
    <message>
        <source>Vita (cm)</source>
        <translation>Waist (cm)</translation>
    </message>
    <message>
        <source>peso del %1</source>
        <translation>weight of %1</translation>
    </message>
    <message>
        <source>eliminazione del peso del %1</source>
        <translation>deletion of the weight of %1</translation>
    </message>
</context>
<context>
    <name>velmo::printing::PrintWindowModel</name>
    <message>
        <source>Anteprima di stampa</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Overflow: la scala indicata è fuori dai limiti ammessi.</source>
        <translation>Overflow: the given scale is outside the allowed limits.</translation>
    </message>
    <message>
        <source>Il numero di copie deve essere almeno 1.
Non è stato stampato nulla.</source>
        <translation>The number of copies must be at least 1.
Nothing was printed.</translation>
    </message>
    <message>
        <source>Sca&amp;la:</source>
        <translation>Sc&amp;ale:</translation>
    </message>
    <message>
        <source>Sca&amp;la X:</source>
        <translation>Sc&amp;ale X:</translation>
    </message>
    <message>
        <source>Stampare %1 copie? Ogni copia è un lavoro di stampa a sé e non si può interrompere.</source>
        <translation>Print %1 copies? Each copy is a print job of its own and cannot be stopped.</translation>
    </message>
</context>
<context>
    <name>velmo::printing::SheetPreview</name>
    <message>
        <source>Errore di Copia</source>
        <translation>Copy Error</translation>
    </message>
    <message>
        <source>Non posso salvare l&apos;anteprima nel file
%1</source>
        <translation>Cannot save the preview to the file
%1</translation>
    </message>
</context>
<context>
    <name>velmo::ui::AppWindows</name>
    <message>
        <source>femmina</source>
        <translation>female</translation>
    </message>
    <message>
        <source>maschio</source>
        <translation>male</translation>
    </message>
    <message>
        <source>Velmo apre un solo pasto per volta, il primo dei file indicati (%1).
Non sono stati aperti: %2.
Per vederli, aprirli con &quot;Apri...&quot; dal menu Pasto.</source>
        <translation>Velmo opens one meal at a time, the first of the files given (%1).
Not opened: %2.
To see them, open them with &quot;Open...&quot; from the Meal menu.</translation>
    </message>
</context>
<context>
    <name>velmo::ui::BalanceWindow</name>
    <message>
        <source>Bilancia quantità</source>
        <translation>Balance quantities</translation>
    </message>
    <message>
        <source>&amp;Bilanciare:</source>
        <translation>&amp;Balance:</translation>
    </message>
    <message>
        <source>Che cosa bilanciare</source>
        <translation>What to balance</translation>
    </message>
    <message>
        <source>il pasto mostrato</source>
        <translation>the meal shown</translation>
    </message>
    <message>
        <source>tutti i pasti del giorno</source>
        <translation>every meal of the day</translation>
    </message>
    <message>
        <source>Alimenti da bilanciare</source>
        <translation>Foods to balance</translation>
    </message>
    <message>
        <source>Anteprima della proposta</source>
        <translation>Preview of the proposal</translation>
    </message>
    <message>
        <source>A&amp;pplica</source>
        <translation>A&amp;pply</translation>
    </message>
    <message>
        <source>Applica i pesi proposti alla tabella</source>
        <translation>Apply the proposed weights to the table</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Chiudi senza cambiare nulla</source>
        <translation>Close without changing anything</translation>
    </message>
    <message>
        <source>Obiettivi</source>
        <translation>Targets</translation>
    </message>
    <message>
        <source>&amp;Nutriente:</source>
        <translation>&amp;Nutrient:</translation>
    </message>
    <message>
        <source>Nutriente da aggiungere agli obiettivi</source>
        <translation>Nutrient to add to the targets</translation>
    </message>
    <message>
        <source>A&amp;ggiungi</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>Aggiungi il nutriente agli obiettivi</source>
        <translation>Add the nutrient to the targets</translation>
    </message>
    <message>
        <source>&amp;Alimenti (pesi lordi)</source>
        <translation>&amp;Foods (gross weights)</translation>
    </message>
    <message>
        <source>Ant&amp;eprima</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Obiettivi</source>
        <translation>&amp;Targets</translation>
    </message>
</context>
<context>
    <name>velmo::ui::ChoiceDialog</name>
    <message>
        <source>Fabbisogno energetico per un uomo</source>
        <translation>Energy requirement for a man</translation>
    </message>
    <message>
        <source>Uomo</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Fabbisogno energetico per una donna</source>
        <translation>Energy requirement for a woman</translation>
    </message>
    <message>
        <source>Donna</source>
        <translation>Woman</translation>
    </message>
</context>
<context>
    <name>velmo::ui::CompositionTableView</name>
    <message>
        <source>Totale, %1</source>
        <translation>Total, %1</translation>
    </message>
    <message>
        <source>Scegli il numero delle persone</source>
        <translation>Choose the number of persons</translation>
    </message>
    <message>
        <source>Peso lordo, riga %1</source>
        <translation>Gross weight, row %1</translation>
    </message>
    <message>
        <source>Grammi interi dell&apos;alimento scelto; poi Tab e Spazio per bloccare la riga</source>
        <translation>Whole grams of the chosen food; then Tab and Space to lock the row</translation>
    </message>
    <message>
        <source>Blocca riga %1</source>
        <translation>Lock row %1</translation>
    </message>
    <message>
        <source>Blocca la riga e calcola la porzione</source>
        <translation>Lock the row and calculate the portion</translation>
    </message>
    <message>
        <source>Blocca la riga e calcola la porzione: Spazio la blocca e apre la riga successiva, di nuovo Spazio la sblocca e la svuota</source>
        <translation>Lock the row and calculate the portion: Space locks it and opens the next row, Space again unlocks and empties it</translation>
    </message>
    <message>
        <source>Porzione: %1</source>
        <translation>Portion: %1</translation>
    </message>
</context>
<context>
    <name>velmo::ui::DayPanel</name>
    <message>
        <source>Pasti del giorno</source>
        <translation>Meals of the day</translation>
    </message>
    <message>
        <source>Totali del giorno</source>
        <translation>Totals of the day</translation>
    </message>
    <message>
        <source>Energia da proteine, lipidi e carboidrati, con gli intervalli di riferimento</source>
        <translation>Energy from protein, fat and carbohydrate, with the reference ranges</translation>
    </message>
    <message>
        <source>Energia da proteine, lipidi e carboidrati</source>
        <translation>Energy from protein, fat and carbohydrate</translation>
    </message>
    <message>
        <source>Da</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Quota</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Intervallo</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Giudizio</source>
        <translation>Assessment</translation>
    </message>
    <message>
        <source>Data del giorno della persona</source>
        <translation>Date of the person&apos;s day</translation>
    </message>
    <message>
        <source>Bilancia quantità...</source>
        <translation>Balance quantities...</translation>
    </message>
    <message>
        <source>Bilancia le quantità di tutti i pasti del giorno</source>
        <translation>Balance the quantities of every meal of the day</translation>
    </message>
</context>
<context>
    <name>velmo::ui::DayTargetDialog</name>
    <message>
        <source>Persona</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>&amp;Persona:</source>
        <translation>&amp;Person:</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Data:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>Pasto del giorno da sostituire, o nuovo pasto</source>
        <translation>Meal of the day to replace, or new meal</translation>
    </message>
    <message>
        <source>&amp;Al posto di:</source>
        <translation>&amp;In place of:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>(aggiungi come nuovo pasto)</source>
        <translation>(add as a new meal)</translation>
    </message>
</context>
<context>
    <name>velmo::ui::EnergyWindow</name>
    <message>
        <source>Protidi</source>
        <translation>Protein</translation>
    </message>
    <message>
        <source>Lipidi</source>
        <translation>Fat</translation>
    </message>
    <message>
        <source>Glucidi</source>
        <translation>Carbs</translation>
    </message>
    <message>
        <source>g di macronutrienti</source>
        <translation>g of macronutrients</translation>
    </message>
</context>
<context>
    <name>velmo::ui::FoodGridView</name>
    <message>
        <source>Alimenti della categoria</source>
        <translation>Foods of the category</translation>
    </message>
    <message>
        <source>Le frecce scelgono l&apos;alimento della riga aperta; Tab porta al suo peso lordo</source>
        <translation>The arrows choose the food of the open row; Tab goes to its gross weight</translation>
    </message>
</context>
<context>
    <name>velmo::ui::FoodSearchWindow</name>
    <message>
        <source>Alimento</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Cerca alimento</source>
        <translation>Find food</translation>
    </message>
    <message>
        <source>Parole del nome, per esempio: pane integrale</source>
        <translation>Words of the name, for example: whole-wheat bread</translation>
    </message>
    <message>
        <source>Testo da cercare</source>
        <translation>Text to find</translation>
    </message>
    <message>
        <source>Alimenti trovati</source>
        <translation>Foods found</translation>
    </message>
    <message>
        <source>Invio o doppio clic sceglie l&apos;alimento</source>
        <translation>Enter or a double click chooses the food</translation>
    </message>
    <message>
        <source>Scrivere una o più parole del nome dell&apos;alimento.</source>
        <translation>Write one or more words of the name of the food.</translation>
    </message>
    <message>
        <source>Nessun alimento trovato.</source>
        <translation>No food found.</translation>
    </message>
    <message numerus="yes">
        <source>%n alimenti trovati.</source>
        <translation>
            <numerusform>%n food found.</numerusform>
            <numerusform>%n foods found.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 alimenti trovati; sono mostrati i primi %2: aggiungere altre parole per restringere la ricerca.</source>
        <translation>%1 foods found; the first %2 are shown: add more words to narrow the search.</translation>
    </message>
    <message>
        <source>Trovato come «%1», un nome comune di questo alimento</source>
        <translation>Found as “%1”, a common name of this food</translation>
    </message>
    <message>
        <source>Gli alimenti il cui nome, o un nome comune come «insalata», contiene tutte le parole scritte, senza distinguere maiuscole e accenti</source>
        <translation>The foods whose name contains every word written, regardless of capitals and accents</translation>
    </message>
</context>
<context>
    <name>velmo::ui::FoodWindow</name>
    <message>
        <source>Valori per 100 g di parte edibile; un valore lasciato vuoto resta sconosciuto.</source>
        <translation>Values per 100 g of edible part; a value left empty stays unknown.</translation>
    </message>
    <message>
        <source>Obbligatorio, nel formato dei numeri della lingua dell&apos;utente</source>
        <translation>Required, in the number format of the user&apos;s language</translation>
    </message>
    <message>
        <source>Facoltativo, nel formato dei numeri della lingua dell&apos;utente</source>
        <translation>Optional, in the number format of the user&apos;s language</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva l&apos;alimento</source>
        <translation>Save the food</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Annulla senza salvare</source>
        <translation>Cancel without saving</translation>
    </message>
    <message>
        <source>Altri nutrienti (facoltativi)</source>
        <translation>Other nutrients (optional)</translation>
    </message>
    <message>
        <source>Mostra o nasconde gli altri nutrienti (facoltativi)</source>
        <translation>Shows or hides the other nutrients (optional)</translation>
    </message>
    <message>
        <source>fetta=30|cucchiaio=10</source>
        <translation>slice=30|spoon=10</translation>
    </message>
    <message>
        <source>Misure</source>
        <translation>Measures</translation>
    </message>
    <message>
        <source>Facoltative, al massimo %1: nome=grammi di parte edibile di una misura, separate da |, per esempio fetta=30|cucchiaio=10</source>
        <translation>Optional, at most %1: name=grams of edible part of one measure, separated by |, for example slice=30|spoon=10</translation>
    </message>
    <message>
        <source>&amp;Misure</source>
        <translation>&amp;Measures</translation>
    </message>
</context>
<context>
    <name>velmo::ui::HabitualMealDialog</name>
    <message>
        <source>Inserisci pasto abituale</source>
        <translation>Insert habitual meal</translation>
    </message>
    <message>
        <source>Nessun pasto abituale: salvarne uno con &quot;Salva come pasto abituale...&quot; nel menu Persona.</source>
        <translation>No habitual meal: save one with &quot;Save as habitual meal...&quot; in the Person menu.</translation>
    </message>
    <message>
        <source>&amp;Pasti abituali:</source>
        <translation>&amp;Habitual meals:</translation>
    </message>
    <message>
        <source>Pasti abituali</source>
        <translation>Habitual meals</translation>
    </message>
    <message>
        <source>Come &amp;nuovo pasto del giorno</source>
        <translation>As a &amp;new meal of the day</translation>
    </message>
    <message>
        <source>Al posto degli &amp;alimenti del pasto mostrato</source>
        <translation>In place of the shown meal&apos;s &amp;foods</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Elimina</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Elimina il pasto abituale scelto</source>
        <translation>Delete the chosen habitual meal</translation>
    </message>
</context>
<context>
    <name>velmo::ui::HelpWindow</name>
    <message>
        <source>Guida di Velmo</source>
        <translation>Velmo Help</translation>
    </message>
    <message>
        <source>Pagina della guida</source>
        <translation>Help page</translation>
    </message>
    <message>
        <source>&amp;Indietro</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Sommario</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Cerca:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>Cerca nella guida</source>
        <translation>Search the help</translation>
    </message>
    <message>
        <source>parole da cercare in tutte le pagine</source>
        <translation>words to look for in every page</translation>
    </message>
    <message>
        <source>Pagine trovate</source>
        <translation>Pages found</translation>
    </message>
    <message>
        <source>Nessuna pagina contiene tutte queste parole: prova con meno parole o con altre.</source>
        <translation>No page contains all these words: try fewer words or other ones.</translation>
    </message>
</context>
<context>
    <name>velmo::ui::LauncherWindow</name>
    <message>
        <source>Avviso: Prego leggere le avvertenze disponibili nel CDROM e nella cartella nel file Leggimi.txt</source>
        <translation>Notice: Please read the warnings on the CD-ROM and in the file Leggimi.txt in the program folder</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Apri il calcolatore Velmo</source>
        <translation>Open the Velmo calculator</translation>
    </message>
    <message>
        <source>Fabbisogno energetico</source>
        <translation>Energy requirement</translation>
    </message>
    <message>
        <source>Esci dal programma</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Fabbisogno Energetico</source>
        <translation>Energy Requirement</translation>
    </message>
</context>
<context>
    <name>velmo::ui::MacroChartView</name>
    <message>
        <source>Protidi     Lipidi     Glucidi</source>
        <translation>Protein     Fat     Carbohydrate</translation>
    </message>
</context>
<context>
    <name>velmo::ui::MainMenuBar</name>
    <message>
        <source>&amp;Pasto</source>
        <translation>&amp;Meal</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Apri...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva &amp;con nome...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>&amp;N° Persone</source>
        <translation>&amp;No. of persons</translation>
    </message>
    <message>
        <source>&amp;Scelta alimenti</source>
        <translation>&amp;Foods</translation>
    </message>
    <message>
        <source>Cerca &amp;alimento...</source>
        <translation>Fi&amp;nd food...</translation>
    </message>
    <message>
        <source>&amp;Nuovo alimento...</source>
        <translation>&amp;New food...</translation>
    </message>
    <message>
        <source>&amp;Modifica alimento...</source>
        <translation>&amp;Edit food...</translation>
    </message>
    <message>
        <source>&amp;Elimina alimento</source>
        <translation>&amp;Delete food</translation>
    </message>
    <message>
        <source>&amp;Importa alimenti personali...</source>
        <translation>&amp;Import personal foods...</translation>
    </message>
    <message>
        <source>E&amp;sporta alimenti personali...</source>
        <translation>E&amp;xport personal foods...</translation>
    </message>
    <message>
        <source>Salva pasto come &amp;alimento...</source>
        <translation>Save meal as &amp;food...</translation>
    </message>
    <message>
        <source>&amp;Gestione alimenti personali</source>
        <translation>Mana&amp;ge personal foods</translation>
    </message>
    <message>
        <source>&amp;LAF</source>
        <translation>&amp;PAL</translation>
    </message>
    <message>
        <source>LAF &amp;Femmina</source>
        <translation>PAL &amp;Female</translation>
    </message>
    <message>
        <source>LAF &amp;Maschio</source>
        <translation>PAL &amp;Male</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>P&amp;rint</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Ripeti</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>File &amp;recenti</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>%1: il file non c&apos;è più</source>
        <translation>%1: the file is no longer there</translation>
    </message>
    <message>
        <source>&amp;Rimuovi i file mancanti</source>
        <translation>&amp;Remove missing files</translation>
    </message>
    <message>
        <source>&amp;Svuota elenco</source>
        <translation>&amp;Clear list</translation>
    </message>
    <message>
        <source>Alimenti r&amp;icchi di...</source>
        <translation>&amp;Foods rich in...</translation>
    </message>
    <message>
        <source>&amp;Profilo nutrizionale</source>
        <translation>Nutrient &amp;profile</translation>
    </message>
    <message>
        <source>Nuovo &amp;giorno</source>
        <translation>New &amp;day</translation>
    </message>
    <message>
        <source>Pasto s&amp;uccessivo</source>
        <translation>Ne&amp;xt meal</translation>
    </message>
    <message>
        <source>Pasto prece&amp;dente</source>
        <translation>Previo&amp;us meal</translation>
    </message>
    <message>
        <source>R&amp;inomina pasto...</source>
        <translation>Rena&amp;me meal...</translation>
    </message>
    <message>
        <source>Aggiungi pas&amp;to...</source>
        <translation>Add mea&amp;l...</translation>
    </message>
    <message>
        <source>Rimuo&amp;vi pasto</source>
        <translation>Remo&amp;ve meal</translation>
    </message>
    <message>
        <source>&amp;Persona</source>
        <translation>Per&amp;son</translation>
    </message>
    <message>
        <source>&amp;Persone...</source>
        <translation>&amp;Persons...</translation>
    </message>
    <message>
        <source>&amp;Settimana...</source>
        <translation>&amp;Week...</translation>
    </message>
    <message>
        <source>&amp;Esporta PDF...</source>
        <translation>&amp;Export PDF...</translation>
    </message>
    <message>
        <source>&amp;Intestazione dello studio...</source>
        <translation>Pra&amp;ctice heading...</translation>
    </message>
    <message>
        <source>&amp;Giorno della persona...</source>
        <translation>Person&apos;s &amp;day...</translation>
    </message>
    <message>
        <source>Copia gi&amp;orno in...</source>
        <translation>Copy d&amp;ay to...</translation>
    </message>
    <message>
        <source>Salva come pasto &amp;abituale...</source>
        <translation>Save as &amp;habitual meal...</translation>
    </message>
    <message>
        <source>Copia pas&amp;to in...</source>
        <translation>Copy &amp;meal to...</translation>
    </message>
    <message>
        <source>I&amp;nserisci pasto abituale...</source>
        <translation>&amp;Insert habitual meal...</translation>
    </message>
    <message>
        <source>Sta&amp;mpa piano...</source>
        <translation>Print p&amp;lan...</translation>
    </message>
    <message>
        <source>&amp;Bilancia quantità...</source>
        <translation>&amp;Balance quantities...</translation>
    </message>
    <message>
        <source>Propone i pesi che raggiungono gli obiettivi</source>
        <translation>Proposes the weights that meet the targets</translation>
    </message>
</context>
<context>
    <name>velmo::ui::MainStatusBar</name>
    <message>
        <source>Pasto e fabbisogno</source>
        <translation>Meal and requirement</translation>
    </message>
    <message>
        <source>Suggerimento</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Persona corrente</source>
        <translation>Current person</translation>
    </message>
    <message>
        <source>Persona: %1</source>
        <translation>Person: %1</translation>
    </message>
</context>
<context>
    <name>velmo::ui::MainToolBar</name>
    <message>
        <source>Primo alimento</source>
        <translation>First food</translation>
    </message>
    <message>
        <source>Alimento precedente</source>
        <translation>Previous food</translation>
    </message>
    <message>
        <source>Alimento successivo</source>
        <translation>Next food</translation>
    </message>
    <message>
        <source>Ultimo alimento</source>
        <translation>Last food</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Guida</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>velmo::ui::MainWindow</name>
    <message>
        <source>Area di lavoro</source>
        <translation>Work area</translation>
    </message>
    <message>
        <source>Giorno</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Chiudi il pannello</source>
        <translation>Close the panel</translation>
    </message>
    <message>
        <source>Stacca il pannello</source>
        <translation>Detach the panel</translation>
    </message>
    <message>
        <source>Nessuna persona corrente</source>
        <translation>No current person</translation>
    </message>
    <message>
        <source>Giorno di %1:</source>
        <translation>Day of %1:</translation>
    </message>
    <message>
        <source>Giorno della persona</source>
        <translation>Person&apos;s day</translation>
    </message>
    <message>
        <source>Copia giorno in</source>
        <translation>Copy day to</translation>
    </message>
    <message>
        <source>Copia pasto in</source>
        <translation>Copy meal to</translation>
    </message>
    <message>
        <source>P&amp;orzione...</source>
        <translation>P&amp;ortion...</translation>
    </message>
    <message>
        <source>Peso lordo da una misura o da una porzione dell&apos;alimento</source>
        <translation>Gross weight from a measure or a portion of the food</translation>
    </message>
    <message>
        <source>Lettura del file in corso...</source>
        <translation>Reading the file...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Importa alimenti personali</source>
        <translation>Import personal foods</translation>
    </message>
    <message>
        <source>Avanzamento della lettura del file</source>
        <translation>Progress of reading the file</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è più tra gli alimenti.</source>
        <translation>&quot;%1&quot; is no longer among the foods.</translation>
    </message>
    <message>
        <source>Giorno di %1 (nessuna persona corrente):</source>
        <translation>Day of %1 (no current person):</translation>
    </message>
    <message>
        <source>Giorno di %1 (fabbisogno di %2):</source>
        <translation>Day of %1 (requirement of %2):</translation>
    </message>
    <message>
        <source>Apri un giorno di %1:</source>
        <translation>Open a day of %1:</translation>
    </message>
</context>
<context>
    <name>velmo::ui::MealSelector</name>
    <message>
        <source>Pasto mostrato nella tabella</source>
        <translation>Meal shown in the table</translation>
    </message>
    <message>
        <source>Pasti</source>
        <translation>Meals</translation>
    </message>
    <message>
        <source>Comandi dei pasti del giorno</source>
        <translation>Commands on the meals of the day</translation>
    </message>
    <message>
        <source>Rinomina, aggiungi o rimuovi un pasto del giorno</source>
        <translation>Rename, add or remove a meal of the day</translation>
    </message>
    <message>
        <source>Il pasto del giorno che la tabella mostra (Ctrl+Pag↓ e Ctrl+Pag↑ per cambiarlo)</source>
        <translation>The meal of the day the table shows (Ctrl+PgDown and Ctrl+PgUp to change it)</translation>
    </message>
</context>
<context>
    <name>velmo::ui::NutrientProfileWindow</name>
    <message>
        <source>Profilo nutrizionale</source>
        <translation>Nutrient profile</translation>
    </message>
    <message>
        <source>Il pasto (righe bloccate)</source>
        <translation>The meal (locked rows)</translation>
    </message>
    <message>
        <source>L&apos;alimento corrente, per 100 g</source>
        <translation>The current food, per 100 g</translation>
    </message>
    <message>
        <source>L&apos;alimento corrente, nel peso della riga aperta</source>
        <translation>The current food, in the weight of the open row</translation>
    </message>
    <message>
        <source>Di che cosa mostrare il profilo</source>
        <translation>What to show the profile of</translation>
    </message>
    <message>
        <source>&amp;Profilo di:</source>
        <translation>&amp;Profile of:</translation>
    </message>
    <message>
        <source>Che cosa mostra il profilo</source>
        <translation>What the profile shows</translation>
    </message>
    <message>
        <source>«≥»: alcuni alimenti non hanno il valore, la quantità è la somma dei valori noti e il vero totale può essere maggiore. «n.d.»: nessun alimento ha il valore.</source>
        <translation>“≥”: some foods lack the value, the amount is the sum of the known values and the true total may be higher. “n/a” (not available): no food has the value.</translation>
    </message>
    <message>
        <source>Legenda</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Nutrienti che mancano nei dati degli alimenti</source>
        <translation>Nutrients missing from the food data</translation>
    </message>
    <message>
        <source>Nutrienti</source>
        <translation>Nutrients</translation>
    </message>
    <message>
        <source>Scegliere un nutriente per vedere gli alimenti che lo danno.</source>
        <translation>Choose a nutrient to see the foods that give it.</translation>
    </message>
    <message>
        <source>Alimenti che danno il nutriente scelto</source>
        <translation>Foods that give the chosen nutrient</translation>
    </message>
    <message>
        <source>Nessuna persona (solo quantità)</source>
        <translation>No person (amounts only)</translation>
    </message>
    <message>
        <source>Donna</source>
        <translation>Woman</translation>
    </message>
    <message>
        <source>Uomo</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Persona</source>
        <translation>Person</translation>
    </message>
    <message>
        <source> anni</source>
        <translation> years</translation>
    </message>
    <message>
        <source>Età in anni</source>
        <translation>Age in years</translation>
    </message>
    <message>
        <source>&amp;Gravidanza</source>
        <translation>Pre&amp;gnancy</translation>
    </message>
    <message>
        <source>Gravidanza</source>
        <translation>Pregnancy</translation>
    </message>
    <message>
        <source>A&amp;llattamento</source>
        <translation>&amp;Lactation</translation>
    </message>
    <message>
        <source>Allattamento</source>
        <translation>Lactation</translation>
    </message>
    <message>
        <source>LARN 2014</source>
        <translation>LARN 2014</translation>
    </message>
    <message>
        <source>EFSA</source>
        <translation>EFSA</translation>
    </message>
    <message>
        <source>Valori di riferimento</source>
        <translation>Reference values</translation>
    </message>
    <message>
        <source>Pe&amp;rsona:</source>
        <translation>Pe&amp;rson:</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copia la tabella negli appunti</source>
        <translation>Copy the table to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>Esporta il profilo in un file CSV</source>
        <translation>Export the profile to a CSV file</translation>
    </message>
    <message>
        <source>C&amp;hiudi</source>
        <translation>Clo&amp;se</translation>
    </message>
    <message>
        <source>Chiudi la finestra</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>Alimenti che danno %1:</source>
        <translation>Foods that give %1:</translation>
    </message>
    <message>
        <source>Il giorno (tutti i pasti)</source>
        <translation>The day (all meals)</translation>
    </message>
    <message>
        <source>La media giornaliera della settimana</source>
        <translation>The week&apos;s daily average</translation>
    </message>
    <message>
        <source>L&apos;alimento corrente, per porzione</source>
        <translation>The current food, per portion</translation>
    </message>
    <message>
        <source>Porzione dell&apos;alimento corrente</source>
        <translation>Portion of the current food</translation>
    </message>
    <message>
        <source>Porzi&amp;one:</source>
        <translation>Port&amp;ion:</translation>
    </message>
    <message>
        <source>meno di 1 anno</source>
        <translation>under 1 year</translation>
    </message>
</context>
<context>
    <name>velmo::ui::PersonForm</name>
    <message>
        <source>Nuova persona</source>
        <translation>New person</translation>
    </message>
    <message>
        <source>Persona: %1</source>
        <translation>Person: %1</translation>
    </message>
    <message>
        <source>Donna</source>
        <translation>Woman</translation>
    </message>
    <message>
        <source>Uomo</source>
        <translation>Man</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>Non scelta</source>
        <translation>Not chosen</translation>
    </message>
    <message>
        <source>Non scelte</source>
        <translation>Not chosen</translation>
    </message>
    <message>
        <source>Nessuna</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Gravidanza</source>
        <translation>Pregnancy</translation>
    </message>
    <message>
        <source>Allattamento</source>
        <translation>Lactation</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Sesso:</source>
        <translation>&amp;Sex:</translation>
    </message>
    <message>
        <source>Sesso</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>&amp;Data di nascita:</source>
        <translation>&amp;Date of birth:</translation>
    </message>
    <message>
        <source>Data di nascita</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>&amp;Altezza:</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>Altezza</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>A&amp;ttività (da 18 a 59 anni):</source>
        <translation>Ac&amp;tivity (from 18 to 59 years):</translation>
    </message>
    <message>
        <source>Attività</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Attività fisiche a&amp;uspicabili (da 18 anni):</source>
        <translation>Desirable physical activ&amp;ities (from 18 years):</translation>
    </message>
    <message>
        <source>Attività fisiche auspicabili</source>
        <translation>Desirable physical activities</translation>
    </message>
    <message>
        <source>Gravidanza o a&amp;llattamento:</source>
        <translation>Pregnancy or &amp;lactation:</translation>
    </message>
    <message>
        <source>Gravidanza o allattamento</source>
        <translation>Pregnancy or lactation</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otes:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Sotto i 10 anni si calcola il solo metabolismo basale; da 10 a 17 anni il LAF è fisso; dai 60 anni l&apos;attività è leggera.</source>
        <translation>Under 10 years only the basal metabolism is calculated; from 10 to 17 years the PAL is fixed; from 60 years the activity is light.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velmo::ui::PersonsWindow</name>
    <message>
        <source>Persone</source>
        <translation>Persons</translation>
    </message>
    <message>
        <source>&amp;Persone:</source>
        <translation>&amp;Persons:</translation>
    </message>
    <message>
        <source>&amp;Nuova...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>Nuova persona</source>
        <translation>New person</translation>
    </message>
    <message>
        <source>&amp;Modifica...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>Modifica la persona</source>
        <translation>Edit the person</translation>
    </message>
    <message>
        <source>&amp;Elimina persona</source>
        <translation>&amp;Delete person</translation>
    </message>
    <message>
        <source>Elimina persona</source>
        <translation>Delete person</translation>
    </message>
    <message>
        <source>Imposta come persona &amp;corrente</source>
        <translation>Set as &amp;current person</translation>
    </message>
    <message>
        <source>Imposta come persona corrente</source>
        <translation>Set as current person</translation>
    </message>
    <message>
        <source>Nessuna persona c&amp;orrente</source>
        <translation>N&amp;o current person</translation>
    </message>
    <message>
        <source>Nessuna persona corrente</source>
        <translation>No current person</translation>
    </message>
    <message>
        <source>C&amp;hiudi</source>
        <translation>Clo&amp;se</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Persona scelta</source>
        <translation>Chosen person</translation>
    </message>
    <message>
        <source>Data alla quale calcolare età e fabbisogno</source>
        <translation>Date at which to calculate age and requirement</translation>
    </message>
    <message>
        <source>Calcolo &amp;alla data:</source>
        <translation>Calculation &amp;at the date:</translation>
    </message>
    <message>
        <source>Età, indice di massa corporea e fabbisogno</source>
        <translation>Age, body mass index and requirement</translation>
    </message>
    <message>
        <source>Pesi</source>
        <translation>Weights</translation>
    </message>
    <message>
        <source>Pesi per data</source>
        <translation>Weights by date</translation>
    </message>
    <message>
        <source>Data del peso</source>
        <translation>Date of the weight</translation>
    </message>
    <message>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <source>Peso in kg</source>
        <translation>Weight in kg</translation>
    </message>
    <message>
        <source>non misurata</source>
        <translation>not measured</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>Circonferenza della vita in cm</source>
        <translation>Waist circumference in cm</translation>
    </message>
    <message>
        <source>&amp;Data:</source>
        <translation>Da&amp;te:</translation>
    </message>
    <message>
        <source>Pe&amp;so:</source>
        <translation>&amp;Weight:</translation>
    </message>
    <message>
        <source>&amp;Vita:</source>
        <translation>Wa&amp;ist:</translation>
    </message>
    <message>
        <source>A&amp;ggiungi peso</source>
        <translation>Add wei&amp;ght</translation>
    </message>
    <message>
        <source>Aggiungi peso</source>
        <translation>Add weight</translation>
    </message>
    <message>
        <source>&amp;Rimuovi peso</source>
        <translation>&amp;Remove weight</translation>
    </message>
    <message>
        <source>Rimuovi peso</source>
        <translation>Remove weight</translation>
    </message>
    <message>
        <source>Grafico del peso per data</source>
        <translation>Chart of the weight by date</translation>
    </message>
    <message>
        <source>Scegliere una persona nell&apos;elenco, o crearne una con «Nuova...».</source>
        <translation>Choose a person in the list, or create one with “New...”.</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>velmo::ui::PlanPrintDialog</name>
    <message>
        <source>Esporta il piano in PDF</source>
        <translation>Export the plan as PDF</translation>
    </message>
    <message>
        <source>Stampa il piano</source>
        <translation>Print the plan</translation>
    </message>
    <message>
        <source>Il giorno della finestra</source>
        <translation>The window&apos;s day</translation>
    </message>
    <message>
        <source>La settimana conservata della persona corrente</source>
        <translation>The current person&apos;s stored week</translation>
    </message>
    <message>
        <source>Il pasto mostrato nella tabella</source>
        <translation>The meal the table shows</translation>
    </message>
    <message>
        <source>Che cosa stampare</source>
        <translation>What to print</translation>
    </message>
    <message>
        <source>Data del piano, o primo giorno della settimana</source>
        <translation>The plan&apos;s date, or the week&apos;s first day</translation>
    </message>
    <message>
        <source>Note per la persona</source>
        <translation>Notes for the person</translation>
    </message>
    <message>
        <source>&amp;Piano</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>&amp;Esporta...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>&amp;Stampa...</source>
        <translation>P&amp;rint...</translation>
    </message>
    <message>
        <source>Esporta il piano</source>
        <translation>Export the plan</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velmo::ui::PortionDialog</name>
    <message>
        <source>Porzione</source>
        <translation>Portion</translation>
    </message>
    <message>
        <source>Alimento:</source>
        <translation>Food:</translation>
    </message>
    <message>
        <source>Misura</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>&amp;Misura:</source>
        <translation>&amp;Measure:</translation>
    </message>
    <message>
        <source>Quantità</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Quante misure: ½, 1, 2, 3 o un numero scritto</source>
        <translation>How many measures: ½, 1, 2, 3 or a typed number</translation>
    </message>
    <message>
        <source>&amp;Quantità:</source>
        <translation>&amp;Quantity:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velmo::ui::PracticeHeadingDialog</name>
    <message>
        <source>Intestazione dello studio</source>
        <translation>Practice heading</translation>
    </message>
    <message>
        <source>&amp;Nome dello studio</source>
        <translation>Practice&apos;s &amp;name</translation>
    </message>
    <message>
        <source>&amp;Titolo</source>
        <translation>&amp;Title</translation>
    </message>
    <message>
        <source>&amp;Indirizzo</source>
        <translation>&amp;Address</translation>
    </message>
    <message>
        <source>T&amp;elefono</source>
        <translation>T&amp;elephone</translation>
    </message>
    <message>
        <source>E-&amp;mail</source>
        <translation>E-&amp;mail</translation>
    </message>
    <message>
        <source>Logo (file di un&apos;immagine)</source>
        <translation>Logo (a picture file)</translation>
    </message>
    <message>
        <source>&amp;Sfoglia...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>Scegli il logo</source>
        <translation>Choose the logo</translation>
    </message>
    <message>
        <source>&amp;Logo</source>
        <translation>&amp;Logo</translation>
    </message>
    <message>
        <source>Conferma l&apos;intestazione</source>
        <translation>Confirm the heading</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Logo dello studio</source>
        <translation>The practice&apos;s logo</translation>
    </message>
    <message>
        <source>Immagini (*.png *.jpg *.jpeg *.svg *.bmp)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.svg *.bmp)</translation>
    </message>
    <message>
        <source>L&apos;intestazione non è stata salvata: il file delle impostazioni non può essere scritto. Controllare lo spazio e i permessi della cartella di configurazione.</source>
        <translation>The heading was not saved: the settings file cannot be written. Check the space and the permissions of the configuration folder.</translation>
    </message>
    <message>
        <source>Il logo %1 non si può leggere come immagine: scegliere un file PNG, JPEG, SVG o BMP, o lasciare vuoto il campo.</source>
        <translation>The logo %1 cannot be read as a picture: choose a PNG, JPEG, SVG or BMP file, or leave the field empty.</translation>
    </message>
</context>
<context>
    <name>velmo::ui::PrintSetupWindow</name>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>velmo::ui::QtDialogs</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velmo::ui::RankingWindow</name>
    <message>
        <source>Alimenti ricchi di...</source>
        <translation>Foods rich in...</translation>
    </message>
    <message>
        <source>Nutriente</source>
        <translation>Nutrient</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Base del confronto</source>
        <translation>Basis of comparison</translation>
    </message>
    <message>
        <source>&amp;Nutriente:</source>
        <translation>&amp;Nutrient:</translation>
    </message>
    <message>
        <source>&amp;Categoria:</source>
        <translation>&amp;Category:</translation>
    </message>
    <message>
        <source>&amp;Valore:</source>
        <translation>&amp;Value:</translation>
    </message>
    <message>
        <source>Alimenti dal più ricco</source>
        <translation>Foods, richest first</translation>
    </message>
    <message>
        <source>Invio o doppio clic sceglie l&apos;alimento</source>
        <translation>Enter or a double click chooses the food</translation>
    </message>
</context>
<context>
    <name>velmo::ui::UpDown</name>
    <message>
        <source>Aumenta</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>Diminuisci</source>
        <translation>Decrease</translation>
    </message>
</context>
<context>
    <name>velmo::ui::WeekWindow</name>
    <message>
        <source>Settimana</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Giorni della settimana</source>
        <translation>Days of the week</translation>
    </message>
    <message>
        <source>«≥»: alcuni alimenti non hanno il valore, la quantità è la somma dei valori noti e il vero totale può essere maggiore; la media di quantità minime è anch&apos;essa una quantità minima. I giorni senza alimenti memorizzati non entrano nella media.</source>
        <translation>“≥”: some foods lack the value, the amount is the sum of the known values and the true total may be greater; an average of minimum amounts is itself a minimum amount. Days without stored foods do not enter the average.</translation>
    </message>
    <message>
        <source>Grafico dell&apos;energia di ogni giorno rispetto al fabbisogno</source>
        <translation>Chart of each day&apos;s energy against the requirement</translation>
    </message>
    <message>
        <source>Grafico delle quote di energia da proteine, lipidi e carboidrati di ogni giorno</source>
        <translation>Chart of each day&apos;s shares of energy from protein, fat and carbohydrate</translation>
    </message>
    <message>
        <source>Primo giorno della settimana</source>
        <translation>First day of the week</translation>
    </message>
    <message>
        <source>Settimana &amp;dal:</source>
        <translation>Week &amp;from:</translation>
    </message>
    <message>
        <source>◀ Settimana &amp;precedente</source>
        <translation>◀ &amp;Previous week</translation>
    </message>
    <message>
        <source>Settimana precedente</source>
        <translation>Previous week</translation>
    </message>
    <message>
        <source>Settimana &amp;successiva ▶</source>
        <translation>&amp;Next week ▶</translation>
    </message>
    <message>
        <source>Settimana successiva</source>
        <translation>Next week</translation>
    </message>
    <message>
        <source>&amp;Questa settimana</source>
        <translation>&amp;This week</translation>
    </message>
    <message>
        <source>Questa settimana, da lunedì</source>
        <translation>This week, from Monday</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>Esporta la settimana in un file CSV</source>
        <translation>Export the week to a CSV file</translation>
    </message>
    <message>
        <source>Profilo della &amp;media...</source>
        <translation>Profile of the &amp;average...</translation>
    </message>
    <message>
        <source>Profilo nutrizionale della media giornaliera della settimana</source>
        <translation>Nutrient profile of the week&apos;s daily average</translation>
    </message>
    <message>
        <source>C&amp;hiudi</source>
        <translation>Clo&amp;se</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Energia (kcal)</source>
        <translation>Energy (kcal)</translation>
    </message>
    <message>
        <source>Fabbisogno</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>Energia per giorno (kcal)</source>
        <translation>Energy per day (kcal)</translation>
    </message>
    <message>
        <source>Proteine</source>
        <translation>Protein</translation>
    </message>
    <message>
        <source>Lipidi</source>
        <translation>Fat</translation>
    </message>
    <message>
        <source>Carboidrati</source>
        <translation>Carbohydrate</translation>
    </message>
    <message>
        <source>Quote dell&apos;energia per giorno (%En)</source>
        <translation>Shares of energy per day (%En)</translation>
    </message>
</context>
</TS>

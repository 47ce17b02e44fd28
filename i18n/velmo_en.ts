<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
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
        <translation>Invalid value for --attivita: &quot;%1&quot; (use leggera, moderata or pesante: light, moderate or heavy).</translation>
    </message>
    <message>
        <source>Valore non valido per --auspicabili: &quot;%1&quot; (usare si o no).</source>
        <translation>Invalid value for --auspicabili: &quot;%1&quot; (use si or no: yes or no).</translation>
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
</context>
<context>
    <name>velmo::LauncherModel</name>
    <message>
        <source>Versione %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>velmo::printing::PrintWindowModel</name>
    <message>
        <source>Anteprima di stampa</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Scala:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>Scala X:</source>
        <translation>Scale X:</translation>
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
    <name>velmo::ui::PrintSetupWindow</name>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
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
</TS>

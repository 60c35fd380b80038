<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Vexalon</name>
    <message>
        <source>To operate the radio outside license-free frequencies, you are REQUIRED to be a licensed radio amateur. You can render your radio illegal for you to operate, or damage the radio with invalid settings. YOU DO THIS ON YOUR OWN RESPONSIBILITY.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to continue?</source>
        <translation>Per usare la radio al di fuori delle frequenze libere da licenza è OBBLIGATORIO essere radioamatori con licenza. Potresti rendere illegale per te l&apos;uso della radio, o danneggiarla con impostazioni non valide. LO FAI SOTTO LA TUA RESPONSABILITÀ.<byte value="xd"/>
<byte value="xd"/>
Vuoi davvero continuare?</translation>
    </message>
    <message>
        <source> - Advanced mode</source>
        <translation> - Modalità avanzata</translation>
    </message>
    <message>
        <source>RX frequency (Hz)</source>
        <translation>Frequenza RX (Hz)</translation>
    </message>
    <message>
        <source>TX frequency (Hz)</source>
        <translation>Frequenza TX (Hz)</translation>
    </message>
    <message>
        <source> (PMR %1)</source>
        <translation> (PMR %1)</translation>
    </message>
    <message>
        <source> (invalid)</source>
        <translation> (non valida)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Can.</translation>
    </message>
    <message>
        <source>RX MHz</source>
        <translation>RX MHz</translation>
    </message>
    <message>
        <source>RX QT/DQT</source>
        <translation>RX QT/DQT</translation>
    </message>
    <message>
        <source>TX MHz</source>
        <translation>TX MHz</translation>
    </message>
    <message>
        <source>TX QT/DQT</source>
        <translation>TX QT/DQT</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Busy lockout</source>
        <translation>Blocco occupato</translation>
    </message>
    <message>
        <source>HT-446 channel card</source>
        <translation>Scheda canali HT-446</translation>
    </message>
    <message>
        <source>Plan file: </source>
        <translation>File del piano canali: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Ch is the position of the channel knob.</source>
        <translation>«Can.» è la posizione del selettore dei canali.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Cut along the dashed line and keep the card with the radio.</source>
        <translation>Ritaglia lungo la linea tratteggiata e conserva la scheda insieme alla radio.</translation>
    </message>
    <message>
        <source>HT-446 channels</source>
        <translation>Canali HT-446</translation>
    </message>
    <message>
        <source>Unable to draw the channel card.</source>
        <translation>Impossibile generare la scheda canali.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossibile scrivere in %1.</translation>
    </message>
    <message>
        <source>Ch #%1</source>
        <translation>Can. %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Same as CTCSS but in the radio maker&apos;s terms</source>
        <translation>Equivale a CTCSS (QT) e DCS (DQT), con i termini del produttore della radio</translation>
    </message>
    <message>
        <source>RX channel / frequency</source>
        <translation>Canale / frequenza RX</translation>
    </message>
    <message>
        <source>QT / DQT</source>
        <translation>QT / DQT</translation>
    </message>
    <message>
        <source>TX channel / frequency</source>
        <translation>Canale / frequenza TX</translation>
    </message>
    <message>
        <source>Shifts oscillator frequency to prevent certain harmonics in audio, or something</source>
        <translation>Sposta la frequenza dell&apos;oscillatore per evitare certe armoniche nell&apos;audio, o qualcosa del genere</translation>
    </message>
    <message>
        <source>Busy lock.</source>
        <translation>Blocco occ.</translation>
    </message>
    <message>
        <source>Channel busy lockout</source>
        <translation>Blocco canale occupato (BCL)</translation>
    </message>
    <message>
        <source>Defines what the Monitor button below PTT does.</source>
        <translation>Definisce cosa fa il tasto Monitor sotto il PTT.</translation>
    </message>
    <message>
        <source>Squelch.</source>
        <translation>Livello di squelch.</translation>
    </message>
    <message>
        <source>Defines whether radio beeps on certain functions, but this does not mean roger beep.</source>
        <translation>Definisce se la radio emette un beep con certe funzioni, ma non si tratta del roger beep.</translation>
    </message>
    <message>
        <source>It says battery saving, it probably will save battery. No idea how.</source>
        <translation>Dice risparmio batteria, probabilmente fa risparmiare batteria. Non ho idea di come.</translation>
    </message>
    <message>
        <source>Enables or disables self-programming mode on the radio.</source>
        <translation>Attiva o disattiva la modalità di autoprogrammazione della radio.</translation>
    </message>
    <message>
        <source>Turn on advanced mode</source>
        <translation>Attiva modalità avanzata</translation>
    </message>
    <message>
        <source>Maximum time you can transmit continuously.</source>
        <translation>Tempo massimo di trasmissione continua.</translation>
    </message>
    <message>
        <source>If your transmission is timed out, this is the time you need to wait.</source>
        <translation>Se la trasmissione è stata interrotta dal timer, è il tempo da attendere prima di poter trasmettere di nuovo.</translation>
    </message>
    <message>
        <source>If you stop transmission before timing out, this is the time you need to wait before timer is reset.</source>
        <translation>Se smetti di trasmettere prima che scada il timer, è il tempo da attendere prima che il timer si azzeri.</translation>
    </message>
    <message>
        <source>If you are a licensed radio amateur, you may turn on advanced mode to configure channel frequencies outside the usual PMR446 frequency range.

Frequencies are given in Hz instead of PMR446 channels in drop-down list. Actual frequency range depends on your radio: some say radios has 430 - 490 MHz range, but my radios has 422 - 455 MHz range. Radio will beep continuously if it can&apos;t tune to receive frequency, and beeps once refusing to transmit if it can&apos;t tune to transmit frequency.</source>
        <translation>Se sei un radioamatore con licenza, puoi attivare la modalità avanzata per impostare frequenze dei canali al di fuori della normale gamma PMR446.

Le frequenze si inseriscono in Hz invece di scegliere i canali PMR446 dall&apos;elenco a discesa. La gamma di frequenze effettiva dipende dalla radio: c&apos;è chi dice che queste radio coprono 430 - 490 MHz, ma le mie coprono 422 - 455 MHz. La radio emette un beep continuo se non riesce a sintonizzarsi sulla frequenza di ricezione, e un solo beep rifiutandosi di trasmettere se non riesce a sintonizzarsi sulla frequenza di trasmissione.</translation>
    </message>
    <message>
        <source>Load frequencies from file...</source>
        <translation>Carica frequenze da file...</translation>
    </message>
    <message>
        <source>Load frequencies + settings from file...</source>
        <translation>Carica frequenze + impostazioni da file...</translation>
    </message>
    <message>
        <source>Save frequencies to file...</source>
        <translation>Salva frequenze su file...</translation>
    </message>
    <message>
        <source>Save frequencies + settings to file...</source>
        <translation>Salva frequenze + impostazioni su file...</translation>
    </message>
    <message>
        <source>Save channel card as PDF...</source>
        <translation>Salva scheda canali come PDF...</translation>
    </message>
    <message>
        <source>Restore radio from backup...</source>
        <translation>Ripristina radio da backup...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Configuration files (*.ini)</source>
        <translation>File di configurazione (*.ini)</translation>
    </message>
    <message>
        <source>CHIRP CSV files (*.csv)</source>
        <translation>File CSV CHIRP (*.csv)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Vexalon radio backups (*.vxbackup)</source>
        <translation>Backup radio Vexalon (*.vxbackup)</translation>
    </message>
    <message>
        <source>&amp;Read radio settings</source>
        <translation>&amp;Leggi dalla radio</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canali</translation>
    </message>
    <message>
        <source>&amp;Other settings and info</source>
        <translation>&amp;Altre impostazioni e info</translation>
    </message>
    <message>
        <source>&amp;Write radio settings</source>
        <translation>&amp;Scrivi sulla radio</translation>
    </message>
    <message>
        <source>Select serial port to use</source>
        <translation>Seleziona la porta seriale da usare</translation>
    </message>
    <message>
        <source>&amp;Load / save</source>
        <translation>Ca&amp;rica / salva</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>A CSV file holds no settings: only the channels were saved. Save to an INI file to keep the settings too.</source>
        <translation>Un file CSV non contiene impostazioni: sono stati salvati solo i canali. Salva in un file INI per conservare anche le impostazioni.</translation>
    </message>
    <message>
        <source>Nothing has been read from the radio, loaded from a file or edited since the program started. Writing now replaces all 15 channels in the radio with empty channels and its settings with the ones shown.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>Dall&apos;avvio del programma non è stato letto nulla dalla radio, né caricato da file, né modificato. Scrivendo ora, tutti i 15 canali della radio verranno sostituiti da canali vuoti e le sue impostazioni da quelle mostrate.<byte value="xd"/>
<byte value="xd"/>
Scrivere comunque?</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first, then its backup.</source>
        <translation>Scegli prima la porta seriale della radio, poi il suo backup.</translation>
    </message>
    <message>
        <source>Restore the radio from the backup of an HT-446%1 taken on %2?<byte value="xd"/>
<byte value="xd"/>
This replaces every channel and the settings in the radio with the ones in the backup. A backup of what the radio holds now is taken first. The window stays as it is.</source>
        <translation>Ripristinare la radio dal backup di un HT-446%1 eseguito il %2?<byte value="xd"/>
<byte value="xd"/>
Tutti i canali e le impostazioni della radio verranno sostituiti da quelli del backup. Prima viene eseguito un backup del contenuto attuale della radio. La finestra resta com&apos;è.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 secondo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>Monitor key:</source>
        <translation>Tasto Monitor:</translation>
    </message>
    <message>
        <source>Squelch level:</source>
        <translation>Squelch:</translation>
    </message>
    <message>
        <source>Beep tones:</source>
        <translation>Segnali acustici:</translation>
    </message>
    <message>
        <source>Battery saving:</source>
        <translation>Risparmio batteria:</translation>
    </message>
    <message>
        <source>Self-programming:</source>
        <translation>Autoprogrammazione:</translation>
    </message>
    <message>
        <source>Time out timer (TOT):</source>
        <translation>Timer TX (TOT):</translation>
    </message>
    <message>
        <source>TOT rekey time:</source>
        <translation>Attesa dopo TOT:</translation>
    </message>
    <message>
        <source>TOT reset time:</source>
        <translation>Azzeramento TOT:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Monitor momentary</source>
        <translation>Monitor momentaneo</translation>
    </message>
    <message>
        <source>Monitor lock</source>
        <translation>Monitor bloccato</translation>
    </message>
    <message>
        <source>Squelch off momentary</source>
        <translation>Squelch aperto moment.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>WARNING! This is experimental software: works for me but might not for you.</source>
        <translation>ATTENZIONE! Questo software è sperimentale: a me funziona, ma a te potrebbe non funzionare.</translation>
    </message>
    <message>
        <source>Start with selecting serial port from the list.</source>
        <translation>Inizia scegliendo la porta seriale dall&apos;elenco.</translation>
    </message>
    <message>
        <source>Closing when the transfer has finished...</source>
        <translation>Chiusura al termine del trasferimento...</translation>
    </message>
    <message>
        <source>The serial port %1 is no longer there. Plug the cable in again or choose another port.</source>
        <translation>La porta seriale %1 non c&apos;è più. Ricollega il cavo o scegli un&apos;altra porta.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Monitor key</source>
        <translation>Tasto Monitor</translation>
    </message>
    <message>
        <source>Time out timer (TOT)</source>
        <translation>Timer di trasmissione (TOT)</translation>
    </message>
    <message>
        <source>TOT rekey time</source>
        <translation>Attesa dopo TOT</translation>
    </message>
    <message>
        <source>TOT reset time</source>
        <translation>Azzeramento TOT</translation>
    </message>
    <message>
        <source>Radio not connected or turned on. Cable needs to be connected and radio turned on.</source>
        <translation>Radio non collegata o spenta. Il cavo deve essere collegato e la radio accesa.</translation>
    </message>
    <message>
        <source>No response from serial port. Check you are using the right port.</source>
        <translation>Nessuna risposta dalla porta seriale. Verifica di usare la porta giusta.</translation>
    </message>
    <message>
        <source>Unknown response from radio: %1</source>
        <translation>Risposta sconosciuta dalla radio: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1. Your user needs access to serial devices (on Debian: membership of the group dialout).</source>
        <translation>%1. Il tuo utente deve avere accesso ai dispositivi seriali (su Debian: far parte del gruppo dialout).</translation>
    </message>
    <message>
        <source>Lost the connection to the radio. Check the cable and the radio, then try again.</source>
        <translation>Persa la connessione con la radio. Controlla il cavo e la radio, poi riprova.</translation>
    </message>
    <message>
        <source>The line from the radio never falls quiet. Check the cable and the port, then try again.</source>
        <translation>La linea dalla radio non tace mai. Controlla il cavo e la porta, poi riprova.</translation>
    </message>
    <message>
        <source>Stopped before the end, as asked.</source>
        <translation>Interrotto prima della fine, come richiesto.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Fatto!</translation>
    </message>
    <message>
        <source>Finished with errors: the settings could not be read; they keep their earlier values.</source>
        <translation>Terminato con errori: non è stato possibile leggere le impostazioni, che mantengono i valori precedenti.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 and the settings could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Terminato con errori: non è stato possibile leggere il canale %1 né le impostazioni, che mantengono i valori precedenti.</numerusform>
            <numerusform>Terminato con errori: non è stato possibile leggere i canali %1 né le impostazioni, che mantengono i valori precedenti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Terminato con errori: non è stato possibile leggere il canale %1, che mantiene i valori precedenti.</numerusform>
            <numerusform>Terminato con errori: non è stato possibile leggere i canali %1, che mantengono i valori precedenti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>Verificato: la radio contiene quanto scritto.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected. Reading will take few seconds, please wait...</source>
        <translation>Rilevata radio HT-446%1 supportata. La lettura richiede alcuni secondi, attendere...</translation>
    </message>
    <message>
        <source>Reading channels...</source>
        <translation>Lettura dei canali...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read channel %1.</source>
        <translation>[!] Impossibile leggere il canale %1.</translation>
    </message>
    <message>
        <source>Reading settings...</source>
        <translation>Lettura delle impostazioni...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read settings.</source>
        <translation>[!] Impossibile leggere le impostazioni.</translation>
    </message>
    <message>
        <source>[!] The radio holds %1 for &quot;%2&quot;, which is not in its list. A write stores FF there unless you choose a value first.</source>
        <translation>[!] La radio contiene %1 per «%2», un valore che non è nel suo elenco. Scrivendo verrà memorizzato FF, a meno che tu non scelga prima un valore.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected, continuing. This takes few seconds.</source>
        <translation>Rilevata radio HT-446%1 supportata, si prosegue. Ci vorranno alcuni secondi.</translation>
    </message>
    <message>
        <source>With a backup of the radio before it and a check after it, the write takes about %1 seconds.</source>
        <translation>Con un backup della radio prima e una verifica dopo, la scrittura richiede circa %1 secondi.</translation>
    </message>
    <message>
        <source>Backing up what the radio holds...</source>
        <translation>Backup del contenuto della radio...</translation>
    </message>
    <message>
        <source>What the radio held is kept in %1.</source>
        <translation>Il contenuto della radio è salvato in %1.</translation>
    </message>
    <message numerus="yes">
        <source>The radio&apos;s blocks at %1 could not be read, so no backup was kept.</source>
        <translation>
            <numerusform>Non è stato possibile leggere il blocco della radio all&apos;indirizzo %1, quindi non è stato salvato alcun backup.</numerusform>
            <numerusform>Non è stato possibile leggere i blocchi della radio agli indirizzi %1, quindi non è stato salvato alcun backup.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup of the radio could not be saved: %1</source>
        <translation>Impossibile salvare il backup della radio: %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Without a backup, what the radio holds now cannot be put back. Write anyway?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Senza un backup, il contenuto attuale della radio non potrà essere ripristinato. Scrivere comunque?</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected.</source>
        <translation>Rilevata radio HT-446%1 supportata.</translation>
    </message>
    <message>
        <source>Writing channels...</source>
        <translation>Scrittura dei canali...</translation>
    </message>
    <message>
        <source> Ch %1 QT/DQT failed, unknown response from radio: %2</source>
        <translation> Canale %1: QT/DQT non riuscito, risposta sconosciuta dalla radio: %2</translation>
    </message>
    <message>
        <source> Ch %1 frequency failed, unknown response from radio: %2</source>
        <translation> Canale %1: frequenza non riuscita, risposta sconosciuta dalla radio: %2</translation>
    </message>
    <message>
        <source>Writing DT/QDT settings...</source>
        <translation>Scrittura delle impostazioni QT/DQT...</translation>
    </message>
    <message>
        <source>Writing settings...</source>
        <translation>Scrittura delle impostazioni...</translation>
    </message>
    <message>
        <source>Checking what the radio holds now...</source>
        <translation>Verifica del contenuto attuale della radio...</translation>
    </message>
    <message>
        <source>[!] The block at %1 could not be read back, so it is not verified.</source>
        <translation>[!] Non è stato possibile rileggere il blocco all&apos;indirizzo %1, quindi non è verificato.</translation>
    </message>
    <message>
        <source>%1 MHz RX</source>
        <translation>%1 MHz in ricezione</translation>
    </message>
    <message>
        <source>%1 MHz TX</source>
        <translation>%1 MHz in trasmissione</translation>
    </message>
    <message>
        <source>[!] Ch %1 holds %2, which normal mode cannot show. Writing from normal mode will clear it; advanced mode keeps it.</source>
        <translation>[!] Il canale %1 contiene %2, che la modalità normale non può mostrare. Scrivendo in modalità normale verrà cancellato; la modalità avanzata lo conserva.</translation>
    </message>
    <message>
        <source>[!] Ch %1 RX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Canale %1: «%2» in ricezione non è una frequenza in Hz (solo cifre, multiplo di 10 Hz). Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>[!] Ch %1 TX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Canale %1: «%2» in trasmissione non è una frequenza in Hz (solo cifre, multiplo di 10 Hz). Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 of %2 blocks were written; the radio may now hold a mix of old and new channels.</source>
        <translation>Sono stati scritti %1 blocchi su %2; ora la radio potrebbe contenere un misto di canali vecchi e nuovi.</translation>
    </message>
    <message>
        <source>What the radio held before is in %1; restore it once the radio answers again.</source>
        <translation>Il contenuto precedente della radio è in %1: ripristinalo quando la radio risponderà di nuovo.</translation>
    </message>
    <message>
        <source>This backup is of an HT-446%1, but the radio on the port is an HT-446%2. Nothing was written.</source>
        <translation>Questo backup è di un HT-446%1, ma la radio sulla porta è un HT-446%2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Nothing was written; the radio keeps what it held.</source>
        <translation>Non è stato scritto nulla; la radio mantiene il suo contenuto.</translation>
    </message>
    <message>
        <source>The radio holds what the plan would write.</source>
        <translation>La radio contiene ciò che il piano canali scriverebbe.</translation>
    </message>
    <message>
        <source>Finished with errors: no backup was kept.</source>
        <translation>Terminato con errori: non è stato salvato alcun backup.</translation>
    </message>
    <message>
        <source>Not in use</source>
        <translation>Non in uso</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup.</source>
        <translation>%1 non è un backup di radio Vexalon.</translation>
    </message>
    <message>
        <source>%1 was made by another version of Vexalon, in a backup format this one does not know.</source>
        <translation>%1 è stato creato da un&apos;altra versione di Vexalon, in un formato di backup che questa non conosce.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: its checksum does not match what it holds.</source>
        <translation>%1 è danneggiato o incompleto: il suo checksum non corrisponde al contenuto.</translation>
    </message>
    <message>
        <source>%1 is damaged: its checksum matches, but it does not hold a whole backup.</source>
        <translation>%1 è danneggiato: il checksum corrisponde, ma non contiene un backup completo.</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>its RX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>la frequenza di ricezione %1 non è una frequenza in Hz (solo cifre, multiplo di 10 Hz).</translation>
    </message>
    <message>
        <source>its TX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>la frequenza di trasmissione %1 non è una frequenza in Hz (solo cifre, multiplo di 10 Hz).</translation>
    </message>
    <message>
        <source>is not a number of MHz</source>
        <translation>non è un numero di MHz</translation>
    </message>
    <message>
        <source>is not above zero</source>
        <translation>non è maggiore di zero</translation>
    </message>
    <message>
        <source>is not a whole multiple of 10 Hz</source>
        <translation>non è un multiplo intero di 10 Hz</translation>
    </message>
    <message>
        <source>is not below 1000 MHz</source>
        <translation>non è inferiore a 1000 MHz</translation>
    </message>
    <message>
        <source>the radio has no cross mode %1 (CrossMode).</source>
        <translation>la radio non ha la modalità incrociata %1 (CrossMode).</translation>
    </message>
    <message>
        <source>the radio has no tone mode %1 (Tone).</source>
        <translation>la radio non ha la modalità di tono %1 (Tone).</translation>
    </message>
    <message>
        <source>the radio has no tone %1 Hz (%2).</source>
        <translation>la radio non ha il subtono %1 Hz (%2).</translation>
    </message>
    <message>
        <source>the radio has no DTCS code %1 (%2).</source>
        <translation>la radio non ha il codice DTCS %1 (%2).</translation>
    </message>
    <message>
        <source>the radio has DTCS codes of normal polarity only (DtcsPolarity %1).</source>
        <translation>la radio ha solo codici DTCS a polarità normale (DtcsPolarity %1).</translation>
    </message>
    <message>
        <source>the RX frequency (Frequency %1) %2.</source>
        <translation>la frequenza di ricezione (Frequency %1) %2.</translation>
    </message>
    <message>
        <source>the offset (Offset %1) is not a number of MHz.</source>
        <translation>l&apos;offset (Offset %1) non è un numero di MHz.</translation>
    </message>
    <message>
        <source>Frequency %1 with Duplex %2 and Offset %3</source>
        <translation>Frequency %1 con Duplex %2 e Offset %3</translation>
    </message>
    <message>
        <source>Offset %1 with Duplex &quot;split&quot;</source>
        <translation>Offset %1 con Duplex &quot;split&quot;</translation>
    </message>
    <message>
        <source>Duplex %1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; and &quot;off&quot;.</source>
        <translation>Duplex %1 non è nessuno dei valori &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; e &quot;off&quot;.</translation>
    </message>
    <message>
        <source>the TX frequency (%1) %2.</source>
        <translation>la frequenza di trasmissione (%1) %2.</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canale %1: %2</translation>
    </message>
    <message>
        <source>its TX frequency is set while its RX frequency is not in use; a row holds a TX frequency only beside an RX frequency.</source>
        <translation>la frequenza di trasmissione è impostata mentre quella di ricezione non è in uso; una riga contiene una frequenza di trasmissione solo accanto a una di ricezione.</translation>
    </message>
    <message>
        <source>The CSV layout cannot hold these channels:
%1</source>
        <translation>Il formato CSV non può contenere questi canali:
%1</translation>
    </message>
    <message>
        <source>This is not a CSV channel plan: %1</source>
        <translation>Questo non è un piano dei canali CSV: %1</translation>
    </message>
    <message>
        <source>the quoted field that starts on line %1 is never closed.</source>
        <translation>il campo tra virgolette che inizia alla riga %1 non viene mai chiuso.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>il file è vuoto.</translation>
    </message>
    <message>
        <source>it has no %1 column.</source>
        <translation>il file non ha la colonna %1.</translation>
    </message>
    <message>
        <source>Line %1: location %2 is skipped; the radio has channels 1 to 15.</source>
        <translation>Riga %1: la posizione %2 viene saltata; la radio ha i canali da 1 a 15.</translation>
    </message>
    <message>
        <source>Line %1: another row for channel %2 (after line %3) is skipped.</source>
        <translation>Riga %1: un&apos;altra riga per il canale %2 (dopo la riga %3) viene saltata.</translation>
    </message>
    <message>
        <source>Channel %1 (line %2): %3</source>
        <translation>Canale %1 (riga %2): %3</translation>
    </message>
    <message>
        <source>Channel %1 (line %2) is left not in use: %3</source>
        <translation>Il canale %1 (riga %2) resta inutilizzato: %3</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: the file may have been cut short.</source>
        <translation>Il campo tra virgolette che inizia alla riga %1 non viene mai chiuso: il file potrebbe essere stato troncato.</translation>
    </message>
    <message>
        <source>%1 more rows for other locations or repeated channels are skipped.</source>
        <translation>Altre %1 righe per altre posizioni o canali ripetuti vengono saltate.</translation>
    </message>
    <message>
        <source>%1 was not written. %2</source>
        <translation>%1 non è stato scritto. %2</translation>
    </message>
    <message>
        <source>%1 was not loaded. %2</source>
        <translation>%1 non è stato caricato. %2</translation>
    </message>
    <message>
        <source>The configuration file did not have settings included, but frequencies had been loaded.</source>
        <translation>Il file di configurazione non conteneva impostazioni, ma le frequenze sono state caricate.</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan.</source>
        <translation>%1 non è un piano dei canali Vexalon.</translation>
    </message>
    <message>
        <source>This configuration file is save in normal mode but you are in advanced mode.<byte value="xd"/>
Please restart this software to normal mode.</source>
        <translation>Questo file di configurazione è stato salvato in modalità normale, ma sei in modalità avanzata.<byte value="xd"/>
Riavvia il programma in modalità normale.</translation>
    </message>
    <message numerus="yes">
        <source>Channels %1 hold frequencies in the radio that normal mode could not show, so the window shows them as not in use. Writing now clears them in the radio.<byte value="xd"/>
<byte value="xd"/>
To keep them, answer No, turn on advanced mode (Other settings and info) and read the radio again.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>
            <numerusform>Il canale %1 contiene nella radio una frequenza che la modalità normale non ha potuto mostrare, quindi la finestra la mostra come non in uso. Scrivendo ora verrà cancellata nella radio.<byte value="xd"/>
<byte value="xd"/>
Per conservarla, rispondere No, attivare la modalità avanzata (Altre impostazioni e info) e rileggere la radio.<byte value="xd"/>
<byte value="xd"/>
Scrivere comunque?</numerusform>
            <numerusform>I canali %1 contengono nella radio frequenze che la modalità normale non ha potuto mostrare, quindi la finestra le mostra come non in uso. Scrivendo ora verranno cancellate nella radio.<byte value="xd"/>
<byte value="xd"/>
Per conservarle, rispondere No, attivare la modalità avanzata (Altre impostazioni e info) e rileggere la radio.<byte value="xd"/>
<byte value="xd"/>
Scrivere comunque?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup; it is not replaced. Choose another file.</source>
        <translation>%1 non è un backup di radio Vexalon; il file non viene sostituito. Scegliere un altro file.</translation>
    </message>
    <message>
        <source>%1 is not a CSV channel plan; it is not replaced. Choose another file.</source>
        <translation>%1 non è un piano dei canali CSV; il file non viene sostituito. Scegliere un altro file.</translation>
    </message>
    <message>
        <source>[%1] is missing.</source>
        <translation>[%1] manca.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is not a whole number.</source>
        <translation>[%1] %2 %3 non è un numero intero.</translation>
    </message>
    <message>
        <source>[%1] %2 has no value.</source>
        <translation>[%1] %2 non ha un valore.</translation>
    </message>
    <message>
        <source>[%1] %2 is missing.</source>
        <translation>[%1] %2 manca.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 lies outside 0 to %4.</source>
        <translation>[%1] %2 %3 è fuori dall&apos;intervallo da 0 a %4.</translation>
    </message>
    <message>
        <source>%1 more are missing or cannot be used.</source>
        <translation>Altri %1 mancano o non sono utilizzabili.</translation>
    </message>
    <message>
        <source>Some of the plan in %1 is missing or cannot be used; these take their defaults:
%2</source>
        <translation>Parte del piano in %1 manca o non è utilizzabile; valgono i valori predefiniti:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan; the plan is not saved into it. Choose another file.</source>
        <translation>%1 non è un piano dei canali Vexalon; il piano non viene salvato al suo interno. Scegliere un altro file.</translation>
    </message>
    <message numerus="yes">
        <source>[!] The radio did not acknowledge %n other writes.</source>
        <translation>
            <numerusform>[!] La radio non ha confermato %n altra scrittura.</numerusform>
            <numerusform>[!] La radio non ha confermato altre %n scritture.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written. What the radio held before is in %1; restore it or write again.</source>
        <translation>
            <numerusform>Terminato con errori: %n blocco riletto è diverso da quanto scritto. Il contenuto precedente della radio è in %1: ripristinalo o scrivi di nuovo.</numerusform>
            <numerusform>Terminato con errori: %n blocchi riletti sono diversi da quanto scritto. Il contenuto precedente della radio è in %1: ripristinalo o scrivi di nuovo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written; write again.</source>
        <translation>
            <numerusform>Terminato con errori: %n blocco riletto è diverso da quanto scritto; scrivi di nuovo.</numerusform>
            <numerusform>Terminato con errori: %n blocchi riletti sono diversi da quanto scritto; scrivi di nuovo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified. What the radio held before is in %1; read the radio to check it, or restore it.</source>
        <translation>
            <numerusform>Terminato con errori: non è stato possibile rileggere %n blocco, quindi la scrittura non è verificata. Il contenuto precedente della radio è in %1: leggi la radio per controllare, oppure ripristinalo.</numerusform>
            <numerusform>Terminato con errori: non è stato possibile rileggere %n blocchi, quindi la scrittura non è verificata. Il contenuto precedente della radio è in %1: leggi la radio per controllare, oppure ripristinalo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified; read the radio to check it.</source>
        <translation>
            <numerusform>Terminato con errori: non è stato possibile rileggere %n blocco, quindi la scrittura non è verificata; leggi la radio per controllare.</numerusform>
            <numerusform>Terminato con errori: non è stato possibile rileggere %n blocchi, quindi la scrittura non è verificata; leggi la radio per controllare.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes were not acknowledged, although the radio holds what was written.</source>
        <translation>
            <numerusform>Terminato con errori: %n scrittura non è stata confermata, anche se la radio contiene quanto scritto.</numerusform>
            <numerusform>Terminato con errori: %n scritture non sono state confermate, anche se la radio contiene quanto scritto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks differ from what the plan would write.</source>
        <translation>
            <numerusform>Terminato con errori: %n blocco è diverso da ciò che il piano canali scriverebbe.</numerusform>
            <numerusform>Terminato con errori: %n blocchi sono diversi da ciò che il piano canali scriverebbe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read, so the check is not complete.</source>
        <translation>
            <numerusform>Terminato con errori: non è stato possibile leggere %n blocco, quindi la verifica non è completa.</numerusform>
            <numerusform>Terminato con errori: non è stato possibile leggere %n blocchi, quindi la verifica non è completa.</numerusform>
        </translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>la porta non è aperta</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>la porta è già aperta</translation>
    </message>
    <message>
        <source>nothing arrived in time</source>
        <translation>non è arrivato nulla in tempo</translation>
    </message>
    <message>
        <source>a framing, overrun or parity error on the line</source>
        <translation>un errore di trama, di overrun o di parità sulla linea</translation>
    </message>
    <message>
        <source>the connection to the device was lost</source>
        <translation>la connessione con il dispositivo è andata persa</translation>
    </message>
    <message>
        <source>the port is in use by another program</source>
        <translation>la porta è usata da un altro programma</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>non è una porta seriale</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2.</source>
        <translation>la cartella %1 non può essere creata: %2.</translation>
    </message>
    <message>
        <source>the folder %1 holds too many backups of this second.</source>
        <translation>la cartella %1 contiene troppi backup di questo secondo.</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks are not sent: the radio already holds them as they are.</source>
        <translation>
            <numerusform>%n blocco non viene inviato: la radio lo contiene già così.</numerusform>
            <numerusform>%n blocchi non vengono inviati: la radio li contiene già così.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio already holds all of it; nothing was sent.</source>
        <translation>La radio contiene già tutto; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the language of this translation, in that language</comment>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Save diagnostic report...</source>
        <translation>Salva rapporto diagnostico...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>The diagnostic report was saved to %1.</source>
        <translation>Il rapporto diagnostico è stato salvato in %1.</translation>
    </message>
    <message>
        <source>USB adapter %1</source>
        <translation>adattatore USB %1</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>dispositivo inesistente</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>porta seriale integrata</translation>
    </message>
    <message>
        <source>built-in serial port where no hardware answers</source>
        <translation>porta seriale integrata su cui nessun hardware risponde</translation>
    </message>
    <message>
        <source>pseudo-terminal: a program, not a cable</source>
        <translation>pseudo-terminale: un programma, non un cavo</translation>
    </message>
    <message>
        <source>the system says nothing of this device</source>
        <translation>il sistema non dice nulla di questo dispositivo</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>driver %1</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>timer di latenza %1 ms</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Test radio connection...</source>
        <translation>Prova collegamento radio...</translation>
    </message>
    <message>
        <source>bank 0</source>
        <translation>il banco 0</translation>
    </message>
    <message>
        <source>bank 1</source>
        <translation>il banco 1</translation>
    </message>
    <message>
        <source>the first tone index table</source>
        <translation>la prima tabella dei toni</translation>
    </message>
    <message>
        <source>the second tone index table</source>
        <translation>la seconda tabella dei toni</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>le impostazioni</translation>
    </message>
    <message>
        <source>The radio lets %1 be read.</source>
        <translation>Leggibile: %1.</translation>
    </message>
    <message>
        <source>The radio lets only %1 of the %2 reads of %3 be read.</source>
        <translation>Leggibile solo in parte (%1 letture su %2): %3.</translation>
    </message>
    <message>
        <source>The radio refuses reads of %1 (15).</source>
        <translation>Lettura rifiutata dalla radio (15): %1.</translation>
    </message>
    <message>
        <source>The radio does not answer reads of %1.</source>
        <translation>Nessuna risposta della radio alla lettura: %1.</translation>
    </message>
    <message>
        <source>The radio answers reads of %1 with other bytes than the blocks.</source>
        <translation>La radio risponde alla lettura con byte diversi dai blocchi: %1.</translation>
    </message>
    <message>
        <source>Radio: HT-446%1 (identity %2).</source>
        <translation>Radio: HT-446%1 (identità %2).</translation>
    </message>
    <message>
        <source>The radio&apos;s answer to the programming command: %1</source>
        <translation>Risposta della radio al comando di programmazione: %1</translation>
    </message>
    <message>
        <source>Reaction time of the radio: least %1 ms, median %2 ms, most %3 ms, against the %4 ms quiet gap.</source>
        <translation>Tempo di reazione della radio: minimo %1 ms, mediana %2 ms, massimo %3 ms, con una pausa di silenzio di %4 ms.</translation>
    </message>
    <message>
        <source>Longest pause inside a reply: %1 ms, against the %2 ms quiet gap.</source>
        <translation>Pausa più lunga all’interno di una risposta: %1 ms, con una pausa di silenzio di %2 ms.</translation>
    </message>
    <message>
        <source>Not ready to write: %1 cannot be read whole.</source>
        <translation>Non pronto per la scrittura, non leggibile per intero: %1.</translation>
    </message>
    <message>
        <source>Ready to write: the radio answers in time and lets its channels and settings be read.</source>
        <translation>Pronto per la scrittura: la radio risponde in tempo e lascia leggere canali e impostazioni.</translation>
    </message>
    <message>
        <source>Not ready to write: the radio answers with an HT-446 identity that Vexalon does not know. Please send the developers a diagnostic report of this test.</source>
        <translation>Non pronto per la scrittura: la radio risponde con un’identità HT-446 che Vexalon non conosce. Invia agli sviluppatori un rapporto diagnostico di questa prova.</translation>
    </message>
    <message>
        <source>Not ready to write safely: the radio&apos;s replies leave less than %1 ms of the %2 ms quiet gap, which a busy computer may cut.</source>
        <translation>Non pronto per una scrittura sicura: le risposte della radio lasciano meno di %1 ms dei %2 ms di pausa di silenzio, che un computer occupato può interrompere.</translation>
    </message>
    <message>
        <source>Compare radio with this plan...</source>
        <translation>Confronta la radio con questo piano...</translation>
    </message>
    <message>
        <source>All plan files (*.ini *.csv)</source>
        <translation>Tutti i file di piano (*.ini *.csv)</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first.</source>
        <translation>Scegliere prima la porta seriale della radio.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>The window holds edits that were neither saved nor written to the radio. Close without saving them?</source>
        <translation>La finestra contiene modifiche né salvate né scritte nella radio. Chiudere senza salvarle?</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the backup holds the rest.</source>
        <translation>Questa radio non consente di leggere: %1. Il backup contiene il resto.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the rest is compared.</source>
        <translation>Questa radio non consente di leggere: %1. Il resto viene confrontato.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back; it acknowledged every block written there.</source>
        <translation>Questa radio non consente di rileggere: %1. Ha confermato ogni blocco scritto lì.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back, and it did not acknowledge every block written there.</source>
        <translation>Questa radio non consente di rileggere: %1. Non ha confermato ogni blocco scritto lì.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes the radio does not let be read back were not acknowledged; write again.</source>
        <translation>
            <numerusform>Terminato con errori: %n scrittura che la radio non consente di rileggere non è stata confermata; scrivere di nuovo.</numerusform>
            <numerusform>Terminato con errori: %n scritture che la radio non consente di rileggere non sono state confermate; scrivere di nuovo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup holds nothing of %1, which the radio does not let be read; they are made from bank 0, as a write makes them.</source>
        <translation>Il backup non contiene ciò che la radio non consente di leggere: %1. Queste parti vengono create dal banco 0, come in una scrittura.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the plan %4.</source>
        <translation>[!] %1: %2: la radio contiene %3, il piano %4.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the backup %4.</source>
        <translation>[!] %1: %2: la radio contiene %3, il backup %4.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the plan %3.</source>
        <translation>[!] %1: la radio contiene %2, il piano %3.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the backup %3.</source>
        <translation>[!] %1: la radio contiene %2, il backup %3.</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>frequenza RX</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>frequenza TX</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>tono RX</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>tono TX</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canale %1</translation>
    </message>
    <message>
        <source>Channel %1 (bank 1 copy)</source>
        <translation>Canale %1 (copia nel banco 1)</translation>
    </message>
    <message>
        <source>flags and closing bytes</source>
        <translation>flag e byte finali</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the plan %3.</source>
        <translation>[!] %1 la radio contiene %2, il piano %3.</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the backup %3.</source>
        <translation>[!] %1 la radio contiene %2, il backup %3.</translation>
    </message>
    <message>
        <source>the channel 0 slot of bank %1</source>
        <translation>lo slot del canale 0 del banco %1</translation>
    </message>
    <message>
        <source>the block at %1</source>
        <translation>il blocco a %1</translation>
    </message>
    <message>
        <source>The clipboard holds no channel line in CHIRP&apos;s CSV layout; nothing was pasted.</source>
        <translation>Gli appunti non contengono una riga di canale nel formato CSV di CHIRP; non è stato incollato nulla.</translation>
    </message>
    <message>
        <source>A channel not in use has nothing to copy.</source>
        <translation>Un canale non in uso non ha nulla da copiare.</translation>
    </message>
    <message>
        <source>The pasted channel&apos;s frequency is no PMR446 channel; advanced mode takes it. Nothing was pasted.</source>
        <translation>La frequenza del canale incollato non è un canale PMR446; la modalità avanzata la accetta. Non è stato incollato nulla.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Vexalon</name>
    <message>
        <source>To operate the radio outside license-free frequencies, you are REQUIRED to be a licensed radio amateur. You can render your radio illegal for you to operate, or damage the radio with invalid settings. YOU DO THIS ON YOUR OWN RESPONSIBILITY.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to continue?</source>
        <translation>Um das Funkgerät außerhalb der lizenzfreien Frequenzen zu betreiben, MÜSSEN Sie ein zugelassener Funkamateur sein. Mit ungültigen Einstellungen können Sie Ihr Funkgerät so verändern, dass Sie es nicht mehr legal betreiben dürfen, oder es beschädigen. SIE TUN DIES AUF EIGENE VERANTWORTUNG.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source> - Advanced mode</source>
        <translation> - Erweiterter Modus</translation>
    </message>
    <message>
        <source>RX frequency (Hz)</source>
        <translation>Empfangsfrequenz (Hz)</translation>
    </message>
    <message>
        <source>TX frequency (Hz)</source>
        <translation>Sendefrequenz (Hz)</translation>
    </message>
    <message>
        <source> (PMR %1)</source>
        <translation> (PMR %1)</translation>
    </message>
    <message>
        <source> (invalid)</source>
        <translation> (ungültig)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Kan.</translation>
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
        <translation>Kanalbelegt-Sperre</translation>
    </message>
    <message>
        <source>HT-446 channel card</source>
        <translation>HT-446-Kanalkarte</translation>
    </message>
    <message>
        <source>Plan file: </source>
        <translation>Plandatei: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Ch is the position of the channel knob.</source>
        <translation>Kan. ist die Stellung des Kanalwahlschalters.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Cut along the dashed line and keep the card with the radio.</source>
        <translation>An der gestrichelten Linie ausschneiden und die Karte beim Funkgerät aufbewahren.</translation>
    </message>
    <message>
        <source>HT-446 channels</source>
        <translation>HT-446-Kanäle</translation>
    </message>
    <message>
        <source>Unable to draw the channel card.</source>
        <translation>Die Kanalkarte konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Ch #%1</source>
        <translation>Kan. %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Same as CTCSS but in the radio maker&apos;s terms</source>
        <translation>Dasselbe wie CTCSS (bzw. DCS), nur in den Begriffen des Geräteherstellers</translation>
    </message>
    <message>
        <source>RX channel / frequency</source>
        <translation>RX-Kanal / Frequenz</translation>
    </message>
    <message>
        <source>QT / DQT</source>
        <translation>QT / DQT</translation>
    </message>
    <message>
        <source>TX channel / frequency</source>
        <translation>TX-Kanal / Frequenz</translation>
    </message>
    <message>
        <source>Shifts oscillator frequency to prevent certain harmonics in audio, or something</source>
        <translation>Verschiebt die Oszillatorfrequenz, um bestimmte Oberwellen im Ton zu vermeiden, oder so ähnlich</translation>
    </message>
    <message>
        <source>Busy lock.</source>
        <translation>Belegtsperre</translation>
    </message>
    <message>
        <source>Channel busy lockout</source>
        <translation>Kanalbelegt-Sperre (BCL): kein Senden auf belegtem Kanal</translation>
    </message>
    <message>
        <source>Defines what the Monitor button below PTT does.</source>
        <translation>Legt fest, was die Monitortaste unter der PTT-Taste tut.</translation>
    </message>
    <message>
        <source>Squelch.</source>
        <translation>Rauschsperre.</translation>
    </message>
    <message>
        <source>Defines whether radio beeps on certain functions, but this does not mean roger beep.</source>
        <translation>Legt fest, ob das Funkgerät bei bestimmten Funktionen piept; gemeint ist nicht der Roger-Beep.</translation>
    </message>
    <message>
        <source>It says battery saving, it probably will save battery. No idea how.</source>
        <translation>Da steht Batteriesparen, also spart es wohl Batterie. Keine Ahnung, wie.</translation>
    </message>
    <message>
        <source>Enables or disables self-programming mode on the radio.</source>
        <translation>Schaltet den Selbstprogrammiermodus am Funkgerät ein oder aus.</translation>
    </message>
    <message>
        <source>Turn on advanced mode</source>
        <translation>Erweiterten Modus an</translation>
    </message>
    <message>
        <source>Maximum time you can transmit continuously.</source>
        <translation>Längste Zeit, die Sie am Stück senden können.</translation>
    </message>
    <message>
        <source>If your transmission is timed out, this is the time you need to wait.</source>
        <translation>Hat das Sendezeitlimit Ihre Aussendung beendet, müssen Sie so lange warten.</translation>
    </message>
    <message>
        <source>If you stop transmission before timing out, this is the time you need to wait before timer is reset.</source>
        <translation>Beenden Sie die Aussendung vor Ablauf der Sendezeit, müssen Sie so lange warten, bis der Zähler zurückgesetzt ist.</translation>
    </message>
    <message>
        <source>If you are a licensed radio amateur, you may turn on advanced mode to configure channel frequencies outside the usual PMR446 frequency range.

Frequencies are given in Hz instead of PMR446 channels in drop-down list. Actual frequency range depends on your radio: some say radios has 430 - 490 MHz range, but my radios has 422 - 455 MHz range. Radio will beep continuously if it can&apos;t tune to receive frequency, and beeps once refusing to transmit if it can&apos;t tune to transmit frequency.</source>
        <translation>Als lizenzierter Funkamateur können Sie den erweiterten Modus einschalten, um Kanalfrequenzen außerhalb des üblichen PMR446-Frequenzbereichs einzustellen.

Die Frequenzen werden dann in Hz eingegeben statt als PMR446-Kanäle aus der Liste gewählt. Der tatsächliche Frequenzbereich hängt vom Funkgerät ab: Manche sagen, die Geräte können 430 - 490 MHz, meine können aber 422 - 455 MHz. Das Funkgerät piept ununterbrochen, wenn es die Empfangsfrequenz nicht einstellen kann, und piept einmal und sendet nicht, wenn es die Sendefrequenz nicht einstellen kann.</translation>
    </message>
    <message>
        <source>Load frequencies from file...</source>
        <translation>Frequenzen aus Datei laden...</translation>
    </message>
    <message>
        <source>Load frequencies + settings from file...</source>
        <translation>Frequenzen + Einstellungen aus Datei laden...</translation>
    </message>
    <message>
        <source>Save frequencies to file...</source>
        <translation>Frequenzen in Datei speichern...</translation>
    </message>
    <message>
        <source>Save frequencies + settings to file...</source>
        <translation>Frequenzen + Einstellungen in Datei speichern...</translation>
    </message>
    <message>
        <source>Save channel card as PDF...</source>
        <translation>Kanalkarte als PDF speichern...</translation>
    </message>
    <message>
        <source>Restore radio from backup...</source>
        <translation>Funkgerät aus Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Configuration files (*.ini)</source>
        <translation>Konfigurationsdateien (*.ini)</translation>
    </message>
    <message>
        <source>CHIRP CSV files (*.csv)</source>
        <translation>CHIRP-CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Vexalon radio backups (*.vxbackup)</source>
        <translation>Vexalon-Funkgerätesicherungen (*.vxbackup)</translation>
    </message>
    <message>
        <source>&amp;Read radio settings</source>
        <translation>Funkgerät &amp;auslesen</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanäle</translation>
    </message>
    <message>
        <source>&amp;Other settings and info</source>
        <translation>&amp;Weitere Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Write radio settings</source>
        <translation>Ins Funkgerät &amp;schreiben</translation>
    </message>
    <message>
        <source>Select serial port to use</source>
        <translation>Seriellen Port auswählen</translation>
    </message>
    <message>
        <source>&amp;Load / save</source>
        <translation>&amp;Laden / Speichern</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>A CSV file holds no settings: only the channels were saved. Save to an INI file to keep the settings too.</source>
        <translation>Eine CSV-Datei enthält keine Einstellungen: Es wurden nur die Kanäle gespeichert. Speichern Sie in eine INI-Datei, um auch die Einstellungen zu behalten.</translation>
    </message>
    <message>
        <source>Nothing has been read from the radio, loaded from a file or edited since the program started. Writing now replaces all 15 channels in the radio with empty channels and its settings with the ones shown.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>Seit dem Programmstart wurde nichts aus dem Funkgerät gelesen, aus einer Datei geladen oder bearbeitet. Wenn Sie jetzt schreiben, werden alle 15 Kanäle im Funkgerät durch leere Kanäle ersetzt und seine Einstellungen durch die angezeigten.<byte value="xd"/>
<byte value="xd"/>
Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first, then its backup.</source>
        <translation>Wählen Sie zuerst den seriellen Port des Funkgeräts, dann seine Sicherung.</translation>
    </message>
    <message>
        <source>Restore the radio from the backup of an HT-446%1 taken on %2?<byte value="xd"/>
<byte value="xd"/>
This replaces every channel and the settings in the radio with the ones in the backup. A backup of what the radio holds now is taken first. The window stays as it is.</source>
        <translation>Das Funkgerät aus der Sicherung eines HT-446%1 vom %2 wiederherstellen?<byte value="xd"/>
<byte value="xd"/>
Dabei werden alle Kanäle und die Einstellungen im Funkgerät durch die aus der Sicherung ersetzt. Vorher wird der jetzige Inhalt des Funkgeräts gesichert. Das Fenster bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Monitor key:</source>
        <translation>Monitortaste:</translation>
    </message>
    <message>
        <source>Squelch level:</source>
        <translation>Rauschsperre:</translation>
    </message>
    <message>
        <source>Beep tones:</source>
        <translation>Signaltöne:</translation>
    </message>
    <message>
        <source>Battery saving:</source>
        <translation>Batteriesparen:</translation>
    </message>
    <message>
        <source>Self-programming:</source>
        <translation>Selbstprogr.:</translation>
    </message>
    <message>
        <source>Time out timer (TOT):</source>
        <translation>Sendezeitlimit (TOT):</translation>
    </message>
    <message>
        <source>TOT rekey time:</source>
        <translation>TOT-Sperrzeit:</translation>
    </message>
    <message>
        <source>TOT reset time:</source>
        <translation>TOT-Rücksetzzeit:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Monitor momentary</source>
        <translation>Monitor kurz</translation>
    </message>
    <message>
        <source>Monitor lock</source>
        <translation>Monitor dauernd</translation>
    </message>
    <message>
        <source>Squelch off momentary</source>
        <translation>Rauschsperre kurz aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>WARNING! This is experimental software: works for me but might not for you.</source>
        <translation>WARNUNG! Dies ist experimentelle Software: Bei mir funktioniert sie, bei Ihnen vielleicht nicht.</translation>
    </message>
    <message>
        <source>Start with selecting serial port from the list.</source>
        <translation>Wählen Sie zuerst den seriellen Port aus der Liste.</translation>
    </message>
    <message>
        <source>Closing when the transfer has finished...</source>
        <translation>Das Fenster schließt, sobald die Übertragung beendet ist...</translation>
    </message>
    <message>
        <source>The serial port %1 is no longer there. Plug the cable in again or choose another port.</source>
        <translation>Der serielle Port %1 ist nicht mehr vorhanden. Stecken Sie das Kabel wieder ein oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Monitor key</source>
        <translation>Monitortaste</translation>
    </message>
    <message>
        <source>Time out timer (TOT)</source>
        <translation>Sendezeitlimit (TOT)</translation>
    </message>
    <message>
        <source>TOT rekey time</source>
        <translation>TOT-Sperrzeit</translation>
    </message>
    <message>
        <source>TOT reset time</source>
        <translation>TOT-Rücksetzzeit</translation>
    </message>
    <message>
        <source>Radio not connected or turned on. Cable needs to be connected and radio turned on.</source>
        <translation>Funkgerät nicht angeschlossen oder nicht eingeschaltet. Das Kabel muss angeschlossen und das Funkgerät eingeschaltet sein.</translation>
    </message>
    <message>
        <source>No response from serial port. Check you are using the right port.</source>
        <translation>Keine Antwort vom seriellen Port. Prüfen Sie, ob Sie den richtigen Port verwenden.</translation>
    </message>
    <message>
        <source>Unknown response from radio: %1</source>
        <translation>Unbekannte Antwort vom Funkgerät: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1. Your user needs access to serial devices (on Debian: membership of the group dialout).</source>
        <translation>%1. Ihr Benutzer braucht Zugriff auf serielle Geräte (unter Debian: Mitgliedschaft in der Gruppe dialout).</translation>
    </message>
    <message>
        <source>Lost the connection to the radio. Check the cable and the radio, then try again.</source>
        <translation>Die Verbindung zum Funkgerät ist abgebrochen. Prüfen Sie Kabel und Funkgerät und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The line from the radio never falls quiet. Check the cable and the port, then try again.</source>
        <translation>Die Leitung vom Funkgerät wird nie still. Prüfen Sie Kabel und Port und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Stopped before the end, as asked.</source>
        <translation>Wie gewünscht vor dem Ende angehalten.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Finished with errors: the settings could not be read; they keep their earlier values.</source>
        <translation>Mit Fehlern beendet: Die Einstellungen konnten nicht gelesen werden; sie behalten ihre bisherigen Werte.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 and the settings could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: Kanal %1 und die Einstellungen konnten nicht gelesen werden; sie behalten ihre bisherigen Werte.</numerusform>
            <numerusform>Mit Fehlern beendet: Die Kanäle %1 und die Einstellungen konnten nicht gelesen werden; sie behalten ihre bisherigen Werte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: Kanal %1 konnte nicht gelesen werden; er behält seine bisherigen Werte.</numerusform>
            <numerusform>Mit Fehlern beendet: Die Kanäle %1 konnten nicht gelesen werden; sie behalten ihre bisherigen Werte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>Überprüft: Das Funkgerät enthält, was geschrieben wurde.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected. Reading will take few seconds, please wait...</source>
        <translation>Unterstütztes Funkgerät HT-446%1 erkannt. Das Auslesen dauert einige Sekunden, bitte warten...</translation>
    </message>
    <message>
        <source>Reading channels...</source>
        <translation>Kanäle werden gelesen...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read channel %1.</source>
        <translation>[!] Kanal %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Reading settings...</source>
        <translation>Einstellungen werden gelesen...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read settings.</source>
        <translation>[!] Die Einstellungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>[!] The radio holds %1 for &quot;%2&quot;, which is not in its list. A write stores FF there unless you choose a value first.</source>
        <translation>[!] Das Funkgerät enthält für „%2“ den Wert %1, der nicht in der Liste steht. Beim Schreiben wird dort FF gespeichert, sofern Sie nicht vorher einen Wert wählen.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected, continuing. This takes few seconds.</source>
        <translation>Unterstütztes Funkgerät HT-446%1 erkannt, es geht weiter. Das dauert einige Sekunden.</translation>
    </message>
    <message>
        <source>With a backup of the radio before it and a check after it, the write takes about %1 seconds.</source>
        <translation>Mit einer Sicherung des Funkgeräts vorher und einer Prüfung danach dauert das Schreiben etwa %1 Sekunden.</translation>
    </message>
    <message>
        <source>Backing up what the radio holds...</source>
        <translation>Der Inhalt des Funkgeräts wird gesichert...</translation>
    </message>
    <message>
        <source>What the radio held is kept in %1.</source>
        <translation>Der bisherige Inhalt des Funkgeräts ist in %1 gesichert.</translation>
    </message>
    <message numerus="yes">
        <source>The radio&apos;s blocks at %1 could not be read, so no backup was kept.</source>
        <translation>
            <numerusform>Der Block des Funkgeräts bei %1 konnte nicht gelesen werden, daher wurde keine Sicherung angelegt.</numerusform>
            <numerusform>Die Blöcke des Funkgeräts bei %1 konnten nicht gelesen werden, daher wurde keine Sicherung angelegt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup of the radio could not be saved: %1</source>
        <translation>Die Sicherung des Funkgeräts konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Without a backup, what the radio holds now cannot be put back. Write anyway?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Ohne Sicherung lässt sich der jetzige Inhalt des Funkgeräts nicht wiederherstellen. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected.</source>
        <translation>Unterstütztes Funkgerät HT-446%1 erkannt.</translation>
    </message>
    <message>
        <source>Writing channels...</source>
        <translation>Kanäle werden geschrieben...</translation>
    </message>
    <message>
        <source> Ch %1 QT/DQT failed, unknown response from radio: %2</source>
        <translation> Kanal %1: QT/DQT fehlgeschlagen, unbekannte Antwort vom Funkgerät: %2</translation>
    </message>
    <message>
        <source> Ch %1 frequency failed, unknown response from radio: %2</source>
        <translation> Kanal %1: Frequenz fehlgeschlagen, unbekannte Antwort vom Funkgerät: %2</translation>
    </message>
    <message>
        <source>Writing DT/QDT settings...</source>
        <translation>QT/DQT-Einstellungen werden geschrieben...</translation>
    </message>
    <message>
        <source>Writing settings...</source>
        <translation>Einstellungen werden geschrieben...</translation>
    </message>
    <message>
        <source>Checking what the radio holds now...</source>
        <translation>Der jetzige Inhalt des Funkgeräts wird geprüft...</translation>
    </message>
    <message>
        <source>[!] The block at %1 could not be read back, so it is not verified.</source>
        <translation>[!] Der Block bei %1 konnte nicht zurückgelesen werden und ist daher nicht überprüft.</translation>
    </message>
    <message>
        <source>%1 MHz RX</source>
        <translation>Empfangsfrequenz %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz TX</source>
        <translation>Sendefrequenz %1 MHz</translation>
    </message>
    <message>
        <source>[!] Ch %1 holds %2, which normal mode cannot show. Writing from normal mode will clear it; advanced mode keeps it.</source>
        <translation>[!] Kanal %1 enthält %2, die der normale Modus nicht anzeigen kann. Schreiben im normalen Modus löscht sie; der erweiterte Modus behält sie.</translation>
    </message>
    <message>
        <source>[!] Ch %1 RX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Kanal %1, Empfangsfrequenz: „%2“ ist keine Frequenz in Hz (nur Ziffern, ein Vielfaches von 10 Hz). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>[!] Ch %1 TX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Kanal %1, Sendefrequenz: „%2“ ist keine Frequenz in Hz (nur Ziffern, ein Vielfaches von 10 Hz). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 of %2 blocks were written; the radio may now hold a mix of old and new channels.</source>
        <translation>%1 von %2 Blöcken wurden geschrieben; das Funkgerät enthält jetzt womöglich eine Mischung aus alten und neuen Kanälen.</translation>
    </message>
    <message>
        <source>What the radio held before is in %1; restore it once the radio answers again.</source>
        <translation>Der vorherige Inhalt des Funkgeräts liegt in %1; stellen Sie ihn wieder her, sobald das Funkgerät wieder antwortet.</translation>
    </message>
    <message>
        <source>This backup is of an HT-446%1, but the radio on the port is an HT-446%2. Nothing was written.</source>
        <translation>Diese Sicherung stammt von einem HT-446%1, am Port hängt aber ein HT-446%2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Nothing was written; the radio keeps what it held.</source>
        <translation>Es wurde nichts geschrieben; das Funkgerät behält seinen bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>The radio holds what the plan would write.</source>
        <translation>Das Funkgerät enthält, was der Kanalplan schreiben würde.</translation>
    </message>
    <message>
        <source>Finished with errors: no backup was kept.</source>
        <translation>Mit Fehlern beendet: Es wurde keine Sicherung angelegt.</translation>
    </message>
    <message>
        <source>Not in use</source>
        <translation>Nicht benutzt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup.</source>
        <translation>%1 ist keine Vexalon-Funkgerätesicherung.</translation>
    </message>
    <message>
        <source>%1 was made by another version of Vexalon, in a backup format this one does not know.</source>
        <translation>%1 wurde von einer anderen Version von Vexalon in einem Sicherungsformat erstellt, das diese Version nicht kennt.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: its checksum does not match what it holds.</source>
        <translation>%1 ist beschädigt oder unvollständig: Die Prüfsumme passt nicht zum Inhalt.</translation>
    </message>
    <message>
        <source>%1 is damaged: its checksum matches, but it does not hold a whole backup.</source>
        <translation>%1 ist beschädigt: Die Prüfsumme stimmt, aber die Datei enthält keine vollständige Sicherung.</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>its RX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>die Empfangsfrequenz %1 ist keine Frequenz in Hz (nur Ziffern, ein Vielfaches von 10 Hz).</translation>
    </message>
    <message>
        <source>its TX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>die Sendefrequenz %1 ist keine Frequenz in Hz (nur Ziffern, ein Vielfaches von 10 Hz).</translation>
    </message>
    <message>
        <source>is not a number of MHz</source>
        <translation>ist keine Zahl in MHz</translation>
    </message>
    <message>
        <source>is not above zero</source>
        <translation>ist nicht größer als null</translation>
    </message>
    <message>
        <source>is not a whole multiple of 10 Hz</source>
        <translation>ist kein ganzzahliges Vielfaches von 10 Hz</translation>
    </message>
    <message>
        <source>is not below 1000 MHz</source>
        <translation>liegt nicht unter 1000 MHz</translation>
    </message>
    <message>
        <source>the radio has no cross mode %1 (CrossMode).</source>
        <translation>das Funkgerät kennt keinen Kreuzmodus %1 (CrossMode).</translation>
    </message>
    <message>
        <source>the radio has no tone mode %1 (Tone).</source>
        <translation>das Funkgerät kennt keinen Tonmodus %1 (Tone).</translation>
    </message>
    <message>
        <source>the radio has no tone %1 Hz (%2).</source>
        <translation>das Funkgerät kennt keinen Subton %1 Hz (%2).</translation>
    </message>
    <message>
        <source>the radio has no DTCS code %1 (%2).</source>
        <translation>das Funkgerät kennt keinen DTCS-Code %1 (%2).</translation>
    </message>
    <message>
        <source>the radio has DTCS codes of normal polarity only (DtcsPolarity %1).</source>
        <translation>das Funkgerät kennt nur DTCS-Codes mit normaler Polarität (DtcsPolarity %1).</translation>
    </message>
    <message>
        <source>the RX frequency (Frequency %1) %2.</source>
        <translation>die Empfangsfrequenz (Frequency %1) %2.</translation>
    </message>
    <message>
        <source>the offset (Offset %1) is not a number of MHz.</source>
        <translation>die Ablage (Offset %1) ist keine Zahl in MHz.</translation>
    </message>
    <message>
        <source>Frequency %1 with Duplex %2 and Offset %3</source>
        <translation>Frequency %1 mit Duplex %2 und Offset %3</translation>
    </message>
    <message>
        <source>Offset %1 with Duplex &quot;split&quot;</source>
        <translation>Offset %1 mit Duplex &quot;split&quot;</translation>
    </message>
    <message>
        <source>Duplex %1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; and &quot;off&quot;.</source>
        <translation>Duplex %1 ist keiner der Werte &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; und &quot;off&quot;.</translation>
    </message>
    <message>
        <source>the TX frequency (%1) %2.</source>
        <translation>die Sendefrequenz (%1) %2.</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanal %1: %2</translation>
    </message>
    <message>
        <source>its TX frequency is set while its RX frequency is not in use; a row holds a TX frequency only beside an RX frequency.</source>
        <translation>eine Sendefrequenz ist eingestellt, aber keine Empfangsfrequenz; eine Zeile enthält eine Sendefrequenz nur zusammen mit einer Empfangsfrequenz.</translation>
    </message>
    <message>
        <source>The CSV layout cannot hold these channels:
%1</source>
        <translation>Das CSV-Format kann diese Kanäle nicht aufnehmen:
%1</translation>
    </message>
    <message>
        <source>This is not a CSV channel plan: %1</source>
        <translation>Dies ist kein CSV-Kanalplan: %1</translation>
    </message>
    <message>
        <source>the quoted field that starts on line %1 is never closed.</source>
        <translation>das Feld in Anführungszeichen ab Zeile %1 wird nie geschlossen.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>it has no %1 column.</source>
        <translation>die Datei hat keine Spalte %1.</translation>
    </message>
    <message>
        <source>Line %1: location %2 is skipped; the radio has channels 1 to 15.</source>
        <translation>Zeile %1: Speicherplatz %2 wird übersprungen; das Funkgerät hat die Kanäle 1 bis 15.</translation>
    </message>
    <message>
        <source>Line %1: another row for channel %2 (after line %3) is skipped.</source>
        <translation>Zeile %1: eine weitere Zeile für Kanal %2 (nach Zeile %3) wird übersprungen.</translation>
    </message>
    <message>
        <source>Channel %1 (line %2): %3</source>
        <translation>Kanal %1 (Zeile %2): %3</translation>
    </message>
    <message>
        <source>Channel %1 (line %2) is left not in use: %3</source>
        <translation>Kanal %1 (Zeile %2) bleibt unbenutzt: %3</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: the file may have been cut short.</source>
        <translation>Das Feld in Anführungszeichen ab Zeile %1 wird nie geschlossen: Die Datei ist womöglich abgeschnitten.</translation>
    </message>
    <message>
        <source>%1 more rows for other locations or repeated channels are skipped.</source>
        <translation>%1 weitere Zeilen für andere Speicherplätze oder wiederholte Kanäle werden übersprungen.</translation>
    </message>
    <message>
        <source>%1 was not written. %2</source>
        <translation>%1 wurde nicht geschrieben. %2</translation>
    </message>
    <message>
        <source>%1 was not loaded. %2</source>
        <translation>%1 wurde nicht geladen. %2</translation>
    </message>
    <message>
        <source>The configuration file did not have settings included, but frequencies had been loaded.</source>
        <translation>Die Konfigurationsdatei enthielt keine Einstellungen, die Frequenzen wurden aber geladen.</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan.</source>
        <translation>%1 ist kein Vexalon-Kanalplan.</translation>
    </message>
    <message>
        <source>This configuration file is save in normal mode but you are in advanced mode.<byte value="xd"/>
Please restart this software to normal mode.</source>
        <translation>Diese Konfigurationsdatei wurde im normalen Modus gespeichert, Sie sind aber im erweiterten Modus.<byte value="xd"/>
Bitte starten Sie das Programm im normalen Modus neu.</translation>
    </message>
    <message numerus="yes">
        <source>Channels %1 hold frequencies in the radio that normal mode could not show, so the window shows them as not in use. Writing now clears them in the radio.<byte value="xd"/>
<byte value="xd"/>
To keep them, answer No, turn on advanced mode (Other settings and info) and read the radio again.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>
            <numerusform>Kanal %1 enthält im Funkgerät eine Frequenz, die der normale Modus nicht anzeigen konnte; das Fenster zeigt sie daher als nicht benutzt. Wenn Sie jetzt schreiben, wird sie im Funkgerät gelöscht.<byte value="xd"/>
<byte value="xd"/>
Um sie zu behalten, antworten Sie mit Nein, schalten den erweiterten Modus ein (Weitere Einstellungen) und lesen das Funkgerät erneut.<byte value="xd"/>
<byte value="xd"/>
Trotzdem schreiben?</numerusform>
            <numerusform>Die Kanäle %1 enthalten im Funkgerät Frequenzen, die der normale Modus nicht anzeigen konnte; das Fenster zeigt sie daher als nicht benutzt. Wenn Sie jetzt schreiben, werden sie im Funkgerät gelöscht.<byte value="xd"/>
<byte value="xd"/>
Um sie zu behalten, antworten Sie mit Nein, schalten den erweiterten Modus ein (Weitere Einstellungen) und lesen das Funkgerät erneut.<byte value="xd"/>
<byte value="xd"/>
Trotzdem schreiben?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup; it is not replaced. Choose another file.</source>
        <translation>%1 ist keine Vexalon-Funkgerätesicherung; die Datei wird nicht ersetzt. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is not a CSV channel plan; it is not replaced. Choose another file.</source>
        <translation>%1 ist kein CSV-Kanalplan; die Datei wird nicht ersetzt. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>[%1] is missing.</source>
        <translation>[%1] fehlt.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is not a whole number.</source>
        <translation>[%1] %2 %3 ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>[%1] %2 has no value.</source>
        <translation>[%1] %2 hat keinen Wert.</translation>
    </message>
    <message>
        <source>[%1] %2 is missing.</source>
        <translation>[%1] %2 fehlt.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 lies outside 0 to %4.</source>
        <translation>[%1] %2 %3 liegt außerhalb von 0 bis %4.</translation>
    </message>
    <message>
        <source>%1 more are missing or cannot be used.</source>
        <translation>%1 weitere fehlen oder sind nicht verwendbar.</translation>
    </message>
    <message>
        <source>Some of the plan in %1 is missing or cannot be used; these take their defaults:
%2</source>
        <translation>Ein Teil des Plans in %1 fehlt oder ist nicht verwendbar; dafür gelten die Vorgaben:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan; the plan is not saved into it. Choose another file.</source>
        <translation>%1 ist kein Vexalon-Kanalplan; der Plan wird nicht darin gespeichert. Wählen Sie eine andere Datei.</translation>
    </message>
    <message numerus="yes">
        <source>[!] The radio did not acknowledge %n other writes.</source>
        <translation>
            <numerusform>[!] Das Funkgerät hat %n weiteren Schreibvorgang nicht bestätigt.</numerusform>
            <numerusform>[!] Das Funkgerät hat %n weitere Schreibvorgänge nicht bestätigt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written. What the radio held before is in %1; restore it or write again.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: %n Block wurde anders zurückgelesen, als er geschrieben wurde. Der vorherige Inhalt des Funkgeräts liegt in %1; stellen Sie ihn wieder her oder schreiben Sie erneut.</numerusform>
            <numerusform>Mit Fehlern beendet: %n Blöcke wurden anders zurückgelesen, als sie geschrieben wurden. Der vorherige Inhalt des Funkgeräts liegt in %1; stellen Sie ihn wieder her oder schreiben Sie erneut.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written; write again.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: %n Block wurde anders zurückgelesen, als er geschrieben wurde; schreiben Sie erneut.</numerusform>
            <numerusform>Mit Fehlern beendet: %n Blöcke wurden anders zurückgelesen, als sie geschrieben wurden; schreiben Sie erneut.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified. What the radio held before is in %1; read the radio to check it, or restore it.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: %n Block konnte nicht zurückgelesen werden, daher ist das Schreiben nicht überprüft. Der vorherige Inhalt des Funkgeräts liegt in %1; lesen Sie das Funkgerät zur Kontrolle aus oder stellen Sie den vorherigen Inhalt wieder her.</numerusform>
            <numerusform>Mit Fehlern beendet: %n Blöcke konnten nicht zurückgelesen werden, daher ist das Schreiben nicht überprüft. Der vorherige Inhalt des Funkgeräts liegt in %1; lesen Sie das Funkgerät zur Kontrolle aus oder stellen Sie den vorherigen Inhalt wieder her.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified; read the radio to check it.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: %n Block konnte nicht zurückgelesen werden, daher ist das Schreiben nicht überprüft; lesen Sie das Funkgerät zur Kontrolle aus.</numerusform>
            <numerusform>Mit Fehlern beendet: %n Blöcke konnten nicht zurückgelesen werden, daher ist das Schreiben nicht überprüft; lesen Sie das Funkgerät zur Kontrolle aus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes were not acknowledged, although the radio holds what was written.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: %n Schreibvorgang wurde nicht bestätigt, obwohl das Funkgerät enthält, was geschrieben wurde.</numerusform>
            <numerusform>Mit Fehlern beendet: %n Schreibvorgänge wurden nicht bestätigt, obwohl das Funkgerät enthält, was geschrieben wurde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks differ from what the plan would write.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: %n Block weicht von dem ab, was der Kanalplan schreiben würde.</numerusform>
            <numerusform>Mit Fehlern beendet: %n Blöcke weichen von dem ab, was der Kanalplan schreiben würde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read, so the check is not complete.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: %n Block konnte nicht gelesen werden, daher ist die Prüfung unvollständig.</numerusform>
            <numerusform>Mit Fehlern beendet: %n Blöcke konnten nicht gelesen werden, daher ist die Prüfung unvollständig.</numerusform>
        </translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>der Anschluss ist nicht geöffnet</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>der Anschluss ist bereits geöffnet</translation>
    </message>
    <message>
        <source>nothing arrived in time</source>
        <translation>es kam nichts rechtzeitig an</translation>
    </message>
    <message>
        <source>a framing, overrun or parity error on the line</source>
        <translation>ein Rahmen-, Überlauf- oder Paritätsfehler auf der Leitung</translation>
    </message>
    <message>
        <source>the connection to the device was lost</source>
        <translation>die Verbindung zum Gerät ist verloren gegangen</translation>
    </message>
    <message>
        <source>the port is in use by another program</source>
        <translation>der Anschluss wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>kein serieller Anschluss</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2.</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>the folder %1 holds too many backups of this second.</source>
        <translation>der Ordner %1 enthält zu viele Sicherungen aus dieser Sekunde.</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks are not sent: the radio already holds them as they are.</source>
        <translation>
            <numerusform>%n Block wird nicht gesendet: das Funkgerät enthält ihn bereits so.</numerusform>
            <numerusform>%n Blöcke werden nicht gesendet: das Funkgerät enthält sie bereits so.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio already holds all of it; nothing was sent.</source>
        <translation>Das Funkgerät enthält bereits alles; nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the language of this translation, in that language</comment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Save diagnostic report...</source>
        <translation>Diagnosebericht speichern...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The diagnostic report was saved to %1.</source>
        <translation>Der Diagnosebericht wurde unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>USB adapter %1</source>
        <translation>USB-Adapter %1</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>eingebaute serielle Schnittstelle</translation>
    </message>
    <message>
        <source>built-in serial port where no hardware answers</source>
        <translation>eingebaute serielle Schnittstelle, an der keine Hardware antwortet</translation>
    </message>
    <message>
        <source>pseudo-terminal: a program, not a cable</source>
        <translation>Pseudo-Terminal: ein Programm, kein Kabel</translation>
    </message>
    <message>
        <source>the system says nothing of this device</source>
        <translation>das System sagt nichts über dieses Gerät</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>Treiber %1</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>Latenz-Timer %1 ms</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Test radio connection...</source>
        <translation>Verbindung zum Funkgerät testen...</translation>
    </message>
    <message>
        <source>bank 0</source>
        <translation>Bank 0</translation>
    </message>
    <message>
        <source>bank 1</source>
        <translation>Bank 1</translation>
    </message>
    <message>
        <source>the first tone index table</source>
        <translation>die erste Tontabelle</translation>
    </message>
    <message>
        <source>the second tone index table</source>
        <translation>die zweite Tontabelle</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>die Einstellungen</translation>
    </message>
    <message>
        <source>The radio lets %1 be read.</source>
        <translation>Lesbar: %1.</translation>
    </message>
    <message>
        <source>The radio lets only %1 of the %2 reads of %3 be read.</source>
        <translation>Nur teilweise lesbar (%1 von %2 Lesebefehlen): %3.</translation>
    </message>
    <message>
        <source>The radio refuses reads of %1 (15).</source>
        <translation>Lesen vom Funkgerät verweigert (15): %1.</translation>
    </message>
    <message>
        <source>The radio does not answer reads of %1.</source>
        <translation>Keine Antwort des Funkgeräts beim Lesen: %1.</translation>
    </message>
    <message>
        <source>The radio answers reads of %1 with other bytes than the blocks.</source>
        <translation>Das Funkgerät antwortet beim Lesen mit anderen Bytes als den Blöcken: %1.</translation>
    </message>
    <message>
        <source>Radio: HT-446%1 (identity %2).</source>
        <translation>Funkgerät: HT-446%1 (Kennung %2).</translation>
    </message>
    <message>
        <source>The radio&apos;s answer to the programming command: %1</source>
        <translation>Antwort des Funkgeräts auf den Programmierbefehl: %1</translation>
    </message>
    <message>
        <source>Reaction time of the radio: least %1 ms, median %2 ms, most %3 ms, against the %4 ms quiet gap.</source>
        <translation>Reaktionszeit des Funkgeräts: mindestens %1 ms, Median %2 ms, höchstens %3 ms, bei %4 ms Ruhepause.</translation>
    </message>
    <message>
        <source>Longest pause inside a reply: %1 ms, against the %2 ms quiet gap.</source>
        <translation>Längste Pause innerhalb einer Antwort: %1 ms, bei %2 ms Ruhepause.</translation>
    </message>
    <message>
        <source>Not ready to write: %1 cannot be read whole.</source>
        <translation>Nicht bereit zum Schreiben, nicht vollständig lesbar: %1.</translation>
    </message>
    <message>
        <source>Ready to write: the radio answers in time and lets its channels and settings be read.</source>
        <translation>Bereit zum Schreiben: Das Funkgerät antwortet rechtzeitig und lässt seine Kanäle und Einstellungen lesen.</translation>
    </message>
    <message>
        <source>Not ready to write: the radio answers with an HT-446 identity that Vexalon does not know. Please send the developers a diagnostic report of this test.</source>
        <translation>Nicht bereit zum Schreiben: Das Funkgerät meldet sich mit einer HT-446-Kennung, die Vexalon nicht kennt. Bitte senden Sie den Entwicklern einen Diagnosebericht dieses Tests.</translation>
    </message>
    <message>
        <source>Not ready to write safely: the radio&apos;s replies leave less than %1 ms of the %2 ms quiet gap, which a busy computer may cut.</source>
        <translation>Nicht sicher bereit zum Schreiben: Die Antworten des Funkgeräts lassen weniger als %1 ms der %2 ms Ruhepause übrig; ein ausgelasteter Computer kann sie abschneiden.</translation>
    </message>
    <message>
        <source>Compare radio with this plan...</source>
        <translation>Funkgerät mit diesem Plan vergleichen...</translation>
    </message>
    <message>
        <source>All plan files (*.ini *.csv)</source>
        <translation>Alle Plandateien (*.ini *.csv)</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first.</source>
        <translation>Wählen Sie zuerst die serielle Schnittstelle des Funkgeräts.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>The window holds edits that were neither saved nor written to the radio. Close without saving them?</source>
        <translation>Das Fenster enthält Änderungen, die weder gespeichert noch ins Funkgerät geschrieben wurden. Ohne Speichern schließen?</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the backup holds the rest.</source>
        <translation>Dieses Funkgerät lässt Folgendes nicht lesen: %1. Die Sicherung enthält den Rest.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the rest is compared.</source>
        <translation>Dieses Funkgerät lässt Folgendes nicht lesen: %1. Der Rest wird verglichen.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back; it acknowledged every block written there.</source>
        <translation>Dieses Funkgerät lässt Folgendes nicht zurücklesen: %1. Es hat jeden dorthin geschriebenen Block bestätigt.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back, and it did not acknowledge every block written there.</source>
        <translation>Dieses Funkgerät lässt Folgendes nicht zurücklesen: %1. Es hat nicht jeden dorthin geschriebenen Block bestätigt.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes the radio does not let be read back were not acknowledged; write again.</source>
        <translation>
            <numerusform>Mit Fehlern beendet: %n Schreibvorgang, den das Funkgerät nicht zurücklesen lässt, wurde nicht bestätigt; erneut schreiben.</numerusform>
            <numerusform>Mit Fehlern beendet: %n Schreibvorgänge, die das Funkgerät nicht zurücklesen lässt, wurden nicht bestätigt; erneut schreiben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup holds nothing of %1, which the radio does not let be read; they are made from bank 0, as a write makes them.</source>
        <translation>Die Sicherung enthält nicht, was das Funkgerät nicht lesen lässt: %1. Es wird aus Bank 0 erzeugt, wie ein Schreibvorgang es erzeugt.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the plan %4.</source>
        <translation>[!] %1: %2: im Funkgerät %3, im Plan %4.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the backup %4.</source>
        <translation>[!] %1: %2: im Funkgerät %3, in der Sicherung %4.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the plan %3.</source>
        <translation>[!] %1: im Funkgerät %2, im Plan %3.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the backup %3.</source>
        <translation>[!] %1: im Funkgerät %2, in der Sicherung %3.</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>RX-Frequenz</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>TX-Frequenz</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>RX-Ton</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>TX-Ton</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1 (bank 1 copy)</source>
        <translation>Kanal %1 (Kopie in Bank 1)</translation>
    </message>
    <message>
        <source>flags and closing bytes</source>
        <translation>Flags und Schlussbytes</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the plan %3.</source>
        <translation>[!] %1 im Funkgerät %2, im Plan %3.</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the backup %3.</source>
        <translation>[!] %1 im Funkgerät %2, in der Sicherung %3.</translation>
    </message>
    <message>
        <source>the channel 0 slot of bank %1</source>
        <translation>der Kanal-0-Platz in Bank %1</translation>
    </message>
    <message>
        <source>the block at %1</source>
        <translation>der Block bei %1</translation>
    </message>
    <message>
        <source>The clipboard holds no channel line in CHIRP&apos;s CSV layout; nothing was pasted.</source>
        <translation>Die Zwischenablage enthält keine Kanalzeile im CSV-Format von CHIRP; nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>A channel not in use has nothing to copy.</source>
        <translation>Ein nicht belegter Kanal hat nichts zu kopieren.</translation>
    </message>
    <message>
        <source>The pasted channel&apos;s frequency is no PMR446 channel; advanced mode takes it. Nothing was pasted.</source>
        <translation>Die Frequenz des eingefügten Kanals ist kein PMR446-Kanal; der erweiterte Modus nimmt sie an. Nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Vexalon</name>
    <message>
        <source>To operate the radio outside license-free frequencies, you are REQUIRED to be a licensed radio amateur. You can render your radio illegal for you to operate, or damage the radio with invalid settings. YOU DO THIS ON YOUR OWN RESPONSIBILITY.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to continue?</source>
        <translation>Om de radio buiten de licentievrije frequenties te gebruiken, MOET je een gelicentieerde zendamateur zijn. Met ongeldige instellingen kun je je radio zo veranderen dat je hem niet meer legaal mag gebruiken, of hem beschadigen. JE DOET DIT OP EIGEN VERANTWOORDELIJKHEID.<byte value="xd"/>
<byte value="xd"/>
Weet je zeker dat je wilt doorgaan?</translation>
    </message>
    <message>
        <source> - Advanced mode</source>
        <translation> - Geavanceerde modus</translation>
    </message>
    <message>
        <source>RX frequency (Hz)</source>
        <translation>Ontvangstfrequentie (Hz)</translation>
    </message>
    <message>
        <source>TX frequency (Hz)</source>
        <translation>Zendfrequentie (Hz)</translation>
    </message>
    <message>
        <source> (PMR %1)</source>
        <translation> (PMR %1)</translation>
    </message>
    <message>
        <source> (invalid)</source>
        <translation> (ongeldig)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
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
        <translation>Bezet-blokkering</translation>
    </message>
    <message>
        <source>HT-446 channel card</source>
        <translation>HT-446-kanaalkaart</translation>
    </message>
    <message>
        <source>Plan file: </source>
        <translation>Planbestand: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Ch is the position of the channel knob.</source>
        <translation>Kan. is de stand van de kanaalknop.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Cut along the dashed line and keep the card with the radio.</source>
        <translation>Knip langs de gestreepte lijn en bewaar de kaart bij de radio.</translation>
    </message>
    <message>
        <source>HT-446 channels</source>
        <translation>HT-446-kanalen</translation>
    </message>
    <message>
        <source>Unable to draw the channel card.</source>
        <translation>De kanaalkaart kan niet worden getekend.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Kan niet schrijven naar %1.</translation>
    </message>
    <message>
        <source>Ch #%1</source>
        <translation>Kan. %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Same as CTCSS but in the radio maker&apos;s terms</source>
        <translation>Hetzelfde als CTCSS (of DCS), maar in de termen van de fabrikant</translation>
    </message>
    <message>
        <source>RX channel / frequency</source>
        <translation>RX-kanaal / frequentie</translation>
    </message>
    <message>
        <source>QT / DQT</source>
        <translation>QT / DQT</translation>
    </message>
    <message>
        <source>TX channel / frequency</source>
        <translation>TX-kanaal / frequentie</translation>
    </message>
    <message>
        <source>Shifts oscillator frequency to prevent certain harmonics in audio, or something</source>
        <translation>Verschuift de oscillatorfrequentie om bepaalde harmonischen in het geluid te voorkomen, of zoiets</translation>
    </message>
    <message>
        <source>Busy lock.</source>
        <translation>Bezet-blok.</translation>
    </message>
    <message>
        <source>Channel busy lockout</source>
        <translation>Zendblokkering bij bezet kanaal (BCL)</translation>
    </message>
    <message>
        <source>Defines what the Monitor button below PTT does.</source>
        <translation>Bepaalt wat de Monitor-knop onder de PTT doet.</translation>
    </message>
    <message>
        <source>Squelch.</source>
        <translation>Squelch.</translation>
    </message>
    <message>
        <source>Defines whether radio beeps on certain functions, but this does not mean roger beep.</source>
        <translation>Bepaalt of de radio piept bij bepaalde functies; dit is niet de roger beep.</translation>
    </message>
    <message>
        <source>It says battery saving, it probably will save battery. No idea how.</source>
        <translation>Er staat batterijbesparing, dus het spaart waarschijnlijk de batterij. Geen idee hoe.</translation>
    </message>
    <message>
        <source>Enables or disables self-programming mode on the radio.</source>
        <translation>Schakelt de zelfprogrammeermodus van de radio in of uit.</translation>
    </message>
    <message>
        <source>Turn on advanced mode</source>
        <translation>Geavanceerde modus aan</translation>
    </message>
    <message>
        <source>Maximum time you can transmit continuously.</source>
        <translation>De langste tijd dat je aan één stuk kunt zenden.</translation>
    </message>
    <message>
        <source>If your transmission is timed out, this is the time you need to wait.</source>
        <translation>Als de tijdslimiet je uitzending heeft afgebroken, moet je zo lang wachten.</translation>
    </message>
    <message>
        <source>If you stop transmission before timing out, this is the time you need to wait before timer is reset.</source>
        <translation>Als je stopt met zenden voordat de tijd om is, moet je zo lang wachten voordat de timer weer op nul staat.</translation>
    </message>
    <message>
        <source>If you are a licensed radio amateur, you may turn on advanced mode to configure channel frequencies outside the usual PMR446 frequency range.

Frequencies are given in Hz instead of PMR446 channels in drop-down list. Actual frequency range depends on your radio: some say radios has 430 - 490 MHz range, but my radios has 422 - 455 MHz range. Radio will beep continuously if it can&apos;t tune to receive frequency, and beeps once refusing to transmit if it can&apos;t tune to transmit frequency.</source>
        <translation>Als gelicentieerde zendamateur kun je de geavanceerde modus inschakelen om kanaalfrequenties buiten het gebruikelijke PMR446-frequentiebereik in te stellen.

De frequenties worden dan in Hz ingevoerd in plaats van als PMR446-kanalen gekozen uit de keuzelijst. Het werkelijke frequentiebereik hangt af van je radio: sommigen zeggen dat de radio&apos;s 430 - 490 MHz halen, maar de mijne halen 422 - 455 MHz. De radio piept onafgebroken als hij niet op de ontvangstfrequentie kan afstemmen, en piept één keer en weigert te zenden als hij niet op de zendfrequentie kan afstemmen.</translation>
    </message>
    <message>
        <source>Load frequencies from file...</source>
        <translation>Frequenties laden uit bestand...</translation>
    </message>
    <message>
        <source>Load frequencies + settings from file...</source>
        <translation>Frequenties + instellingen laden uit bestand...</translation>
    </message>
    <message>
        <source>Save frequencies to file...</source>
        <translation>Frequenties opslaan in bestand...</translation>
    </message>
    <message>
        <source>Save frequencies + settings to file...</source>
        <translation>Frequenties + instellingen opslaan in bestand...</translation>
    </message>
    <message>
        <source>Save channel card as PDF...</source>
        <translation>Kanaalkaart opslaan als PDF...</translation>
    </message>
    <message>
        <source>Restore radio from backup...</source>
        <translation>Radio herstellen uit back-up...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Configuration files (*.ini)</source>
        <translation>Configuratiebestanden (*.ini)</translation>
    </message>
    <message>
        <source>CHIRP CSV files (*.csv)</source>
        <translation>CHIRP-CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-documenten (*.pdf)</translation>
    </message>
    <message>
        <source>Vexalon radio backups (*.vxbackup)</source>
        <translation>Vexalon-radioback-ups (*.vxbackup)</translation>
    </message>
    <message>
        <source>&amp;Read radio settings</source>
        <translation>Radio &amp;uitlezen</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanalen</translation>
    </message>
    <message>
        <source>&amp;Other settings and info</source>
        <translation>&amp;Overige instellingen</translation>
    </message>
    <message>
        <source>&amp;Write radio settings</source>
        <translation>Naar radio &amp;schrijven</translation>
    </message>
    <message>
        <source>Select serial port to use</source>
        <translation>Kies de seriële poort</translation>
    </message>
    <message>
        <source>&amp;Load / save</source>
        <translation>&amp;Laden / opslaan</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>A CSV file holds no settings: only the channels were saved. Save to an INI file to keep the settings too.</source>
        <translation>Een CSV-bestand bevat geen instellingen: alleen de kanalen zijn opgeslagen. Sla op als INI-bestand om ook de instellingen te bewaren.</translation>
    </message>
    <message>
        <source>Nothing has been read from the radio, loaded from a file or edited since the program started. Writing now replaces all 15 channels in the radio with empty channels and its settings with the ones shown.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>Sinds de start van het programma is er niets uit de radio gelezen, uit een bestand geladen of bewerkt. Als je nu schrijft, worden alle 15 kanalen in de radio vervangen door lege kanalen en de instellingen door de getoonde.<byte value="xd"/>
<byte value="xd"/>
Toch schrijven?</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first, then its backup.</source>
        <translation>Kies eerst de seriële poort van de radio en daarna de back-up.</translation>
    </message>
    <message>
        <source>Restore the radio from the backup of an HT-446%1 taken on %2?<byte value="xd"/>
<byte value="xd"/>
This replaces every channel and the settings in the radio with the ones in the backup. A backup of what the radio holds now is taken first. The window stays as it is.</source>
        <translation>De radio herstellen uit de back-up van een HT-446%1, gemaakt op %2?<byte value="xd"/>
<byte value="xd"/>
Dit vervangt alle kanalen en de instellingen in de radio door die uit de back-up. Eerst wordt een back-up gemaakt van wat de radio nu bevat. Het venster blijft zoals het is.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 seconden</translation>
    </message>
    <message>
        <source>Monitor key:</source>
        <translation>Monitortoets:</translation>
    </message>
    <message>
        <source>Squelch level:</source>
        <translation>Squelch:</translation>
    </message>
    <message>
        <source>Beep tones:</source>
        <translation>Pieptonen:</translation>
    </message>
    <message>
        <source>Battery saving:</source>
        <translation>Batterijbesparing:</translation>
    </message>
    <message>
        <source>Self-programming:</source>
        <translation>Zelfprogrammering:</translation>
    </message>
    <message>
        <source>Time out timer (TOT):</source>
        <translation>Zendtijdlimiet (TOT):</translation>
    </message>
    <message>
        <source>TOT rekey time:</source>
        <translation>TOT-wachttijd:</translation>
    </message>
    <message>
        <source>TOT reset time:</source>
        <translation>TOT-resettijd:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Monitor momentary</source>
        <translation>Monitor kort</translation>
    </message>
    <message>
        <source>Monitor lock</source>
        <translation>Monitor vast</translation>
    </message>
    <message>
        <source>Squelch off momentary</source>
        <translation>Squelch kort uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>WARNING! This is experimental software: works for me but might not for you.</source>
        <translation>WAARSCHUWING! Dit is experimentele software: werkt bij mij, maar misschien niet bij jou.</translation>
    </message>
    <message>
        <source>Start with selecting serial port from the list.</source>
        <translation>Kies eerst de seriële poort uit de lijst.</translation>
    </message>
    <message>
        <source>Closing when the transfer has finished...</source>
        <translation>Het venster sluit zodra de overdracht klaar is...</translation>
    </message>
    <message>
        <source>The serial port %1 is no longer there. Plug the cable in again or choose another port.</source>
        <translation>De seriële poort %1 is er niet meer. Sluit de kabel opnieuw aan of kies een andere poort.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Monitor key</source>
        <translation>Monitortoets</translation>
    </message>
    <message>
        <source>Time out timer (TOT)</source>
        <translation>Zendtijdlimiet (TOT)</translation>
    </message>
    <message>
        <source>TOT rekey time</source>
        <translation>TOT-wachttijd</translation>
    </message>
    <message>
        <source>TOT reset time</source>
        <translation>TOT-resettijd</translation>
    </message>
    <message>
        <source>Radio not connected or turned on. Cable needs to be connected and radio turned on.</source>
        <translation>Radio niet aangesloten of niet aan. De kabel moet aangesloten zijn en de radio moet aan staan.</translation>
    </message>
    <message>
        <source>No response from serial port. Check you are using the right port.</source>
        <translation>Geen antwoord van de seriële poort. Controleer of je de juiste poort gebruikt.</translation>
    </message>
    <message>
        <source>Unknown response from radio: %1</source>
        <translation>Onbekend antwoord van de radio: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>%1. Your user needs access to serial devices (on Debian: membership of the group dialout).</source>
        <translation>%1. Je gebruiker heeft toegang tot seriële apparaten nodig (op Debian: lidmaatschap van de groep dialout).</translation>
    </message>
    <message>
        <source>Lost the connection to the radio. Check the cable and the radio, then try again.</source>
        <translation>De verbinding met de radio is verbroken. Controleer de kabel en de radio en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>The line from the radio never falls quiet. Check the cable and the port, then try again.</source>
        <translation>De lijn van de radio wordt nooit stil. Controleer de kabel en de poort en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>Stopped before the end, as asked.</source>
        <translation>Voor het einde gestopt, zoals gevraagd.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Klaar!</translation>
    </message>
    <message>
        <source>Finished with errors: the settings could not be read; they keep their earlier values.</source>
        <translation>Voltooid met fouten: de instellingen konden niet worden gelezen; ze houden hun vorige waarden.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 and the settings could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Voltooid met fouten: kanaal %1 en de instellingen konden niet worden gelezen; ze houden hun vorige waarden.</numerusform>
            <numerusform>Voltooid met fouten: de kanalen %1 en de instellingen konden niet worden gelezen; ze houden hun vorige waarden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Voltooid met fouten: kanaal %1 kon niet worden gelezen; het houdt zijn vorige waarden.</numerusform>
            <numerusform>Voltooid met fouten: de kanalen %1 konden niet worden gelezen; ze houden hun vorige waarden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>Gecontroleerd: de radio bevat wat er geschreven is.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected. Reading will take few seconds, please wait...</source>
        <translation>Ondersteunde radio HT-446%1 gevonden. Uitlezen duurt een paar seconden, even geduld...</translation>
    </message>
    <message>
        <source>Reading channels...</source>
        <translation>Kanalen lezen...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read channel %1.</source>
        <translation>[!] Kanaal %1 kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>Reading settings...</source>
        <translation>Instellingen lezen...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read settings.</source>
        <translation>[!] De instellingen konden niet worden gelezen.</translation>
    </message>
    <message>
        <source>[!] The radio holds %1 for &quot;%2&quot;, which is not in its list. A write stores FF there unless you choose a value first.</source>
        <translation>[!] De radio bevat %1 voor &quot;%2&quot;; die waarde staat niet in de lijst. Bij schrijven wordt daar FF opgeslagen, tenzij je eerst een waarde kiest.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected, continuing. This takes few seconds.</source>
        <translation>Ondersteunde radio HT-446%1 gevonden, we gaan verder. Dit duurt een paar seconden.</translation>
    </message>
    <message>
        <source>With a backup of the radio before it and a check after it, the write takes about %1 seconds.</source>
        <translation>Met een back-up van de radio vooraf en een controle achteraf duurt het schrijven ongeveer %1 seconden.</translation>
    </message>
    <message>
        <source>Backing up what the radio holds...</source>
        <translation>Back-up maken van wat de radio bevat...</translation>
    </message>
    <message>
        <source>What the radio held is kept in %1.</source>
        <translation>Wat de radio bevatte, is bewaard in %1.</translation>
    </message>
    <message numerus="yes">
        <source>The radio&apos;s blocks at %1 could not be read, so no backup was kept.</source>
        <translation>
            <numerusform>Het blok van de radio op %1 kon niet worden gelezen, dus er is geen back-up bewaard.</numerusform>
            <numerusform>De blokken van de radio op %1 konden niet worden gelezen, dus er is geen back-up bewaard.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup of the radio could not be saved: %1</source>
        <translation>De back-up van de radio kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Without a backup, what the radio holds now cannot be put back. Write anyway?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Zonder back-up kan wat de radio nu bevat niet worden teruggezet. Toch schrijven?</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected.</source>
        <translation>Ondersteunde radio HT-446%1 gevonden.</translation>
    </message>
    <message>
        <source>Writing channels...</source>
        <translation>Kanalen schrijven...</translation>
    </message>
    <message>
        <source> Ch %1 QT/DQT failed, unknown response from radio: %2</source>
        <translation> Kanaal %1: QT/DQT mislukt, onbekend antwoord van de radio: %2</translation>
    </message>
    <message>
        <source> Ch %1 frequency failed, unknown response from radio: %2</source>
        <translation> Kanaal %1: frequentie mislukt, onbekend antwoord van de radio: %2</translation>
    </message>
    <message>
        <source>Writing DT/QDT settings...</source>
        <translation>QT/DQT-instellingen schrijven...</translation>
    </message>
    <message>
        <source>Writing settings...</source>
        <translation>Instellingen schrijven...</translation>
    </message>
    <message>
        <source>Checking what the radio holds now...</source>
        <translation>Controleren wat de radio nu bevat...</translation>
    </message>
    <message>
        <source>[!] The block at %1 could not be read back, so it is not verified.</source>
        <translation>[!] Het blok op %1 kon niet worden teruggelezen en is dus niet gecontroleerd.</translation>
    </message>
    <message>
        <source>%1 MHz RX</source>
        <translation>ontvangstfrequentie %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz TX</source>
        <translation>zendfrequentie %1 MHz</translation>
    </message>
    <message>
        <source>[!] Ch %1 holds %2, which normal mode cannot show. Writing from normal mode will clear it; advanced mode keeps it.</source>
        <translation>[!] Kanaal %1 bevat %2, die de normale modus niet kan tonen. Schrijven vanuit de normale modus wist die; de geavanceerde modus houdt die.</translation>
    </message>
    <message>
        <source>[!] Ch %1 RX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Kanaal %1, ontvangstfrequentie: &quot;%2&quot; is geen frequentie in Hz (alleen cijfers, een veelvoud van 10 Hz). Er is niets geschreven.</translation>
    </message>
    <message>
        <source>[!] Ch %1 TX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Kanaal %1, zendfrequentie: &quot;%2&quot; is geen frequentie in Hz (alleen cijfers, een veelvoud van 10 Hz). Er is niets geschreven.</translation>
    </message>
    <message>
        <source>%1 of %2 blocks were written; the radio may now hold a mix of old and new channels.</source>
        <translation>%1 van %2 blokken zijn geschreven; de radio kan nu een mengsel van oude en nieuwe kanalen bevatten.</translation>
    </message>
    <message>
        <source>What the radio held before is in %1; restore it once the radio answers again.</source>
        <translation>Wat de radio eerst bevatte, staat in %1; zet dat terug zodra de radio weer antwoordt.</translation>
    </message>
    <message>
        <source>This backup is of an HT-446%1, but the radio on the port is an HT-446%2. Nothing was written.</source>
        <translation>Deze back-up is van een HT-446%1, maar de radio op de poort is een HT-446%2. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>Nothing was written; the radio keeps what it held.</source>
        <translation>Er is niets geschreven; de radio houdt wat hij had.</translation>
    </message>
    <message>
        <source>The radio holds what the plan would write.</source>
        <translation>De radio bevat wat het kanaalplan zou schrijven.</translation>
    </message>
    <message>
        <source>Finished with errors: no backup was kept.</source>
        <translation>Voltooid met fouten: er is geen back-up bewaard.</translation>
    </message>
    <message>
        <source>Not in use</source>
        <translation>Niet in gebruik</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup.</source>
        <translation>%1 is geen Vexalon-back-up van een portofoon.</translation>
    </message>
    <message>
        <source>%1 was made by another version of Vexalon, in a backup format this one does not know.</source>
        <translation>%1 is gemaakt door een andere versie van Vexalon, in een back-upformaat dat deze versie niet kent.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: its checksum does not match what it holds.</source>
        <translation>%1 is beschadigd of onvolledig: de controlesom klopt niet met de inhoud.</translation>
    </message>
    <message>
        <source>%1 is damaged: its checksum matches, but it does not hold a whole backup.</source>
        <translation>%1 is beschadigd: de controlesom klopt, maar het bevat geen volledige back-up.</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>%1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>its RX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>de ontvangstfrequentie %1 is geen frequentie in Hz (alleen cijfers, een veelvoud van 10 Hz).</translation>
    </message>
    <message>
        <source>its TX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>de zendfrequentie %1 is geen frequentie in Hz (alleen cijfers, een veelvoud van 10 Hz).</translation>
    </message>
    <message>
        <source>is not a number of MHz</source>
        <translation>is geen getal in MHz</translation>
    </message>
    <message>
        <source>is not above zero</source>
        <translation>is niet groter dan nul</translation>
    </message>
    <message>
        <source>is not a whole multiple of 10 Hz</source>
        <translation>is geen geheel veelvoud van 10 Hz</translation>
    </message>
    <message>
        <source>is not below 1000 MHz</source>
        <translation>ligt niet onder 1000 MHz</translation>
    </message>
    <message>
        <source>the radio has no cross mode %1 (CrossMode).</source>
        <translation>de radio kent geen kruismodus %1 (CrossMode).</translation>
    </message>
    <message>
        <source>the radio has no tone mode %1 (Tone).</source>
        <translation>de radio kent geen toonmodus %1 (Tone).</translation>
    </message>
    <message>
        <source>the radio has no tone %1 Hz (%2).</source>
        <translation>de radio kent geen CTCSS-toon %1 Hz (%2).</translation>
    </message>
    <message>
        <source>the radio has no DTCS code %1 (%2).</source>
        <translation>de radio kent geen DTCS-code %1 (%2).</translation>
    </message>
    <message>
        <source>the radio has DTCS codes of normal polarity only (DtcsPolarity %1).</source>
        <translation>de radio kent alleen DTCS-codes met normale polariteit (DtcsPolarity %1).</translation>
    </message>
    <message>
        <source>the RX frequency (Frequency %1) %2.</source>
        <translation>de ontvangstfrequentie (Frequency %1) %2.</translation>
    </message>
    <message>
        <source>the offset (Offset %1) is not a number of MHz.</source>
        <translation>de offset (Offset %1) is geen getal in MHz.</translation>
    </message>
    <message>
        <source>Frequency %1 with Duplex %2 and Offset %3</source>
        <translation>Frequency %1 met Duplex %2 en Offset %3</translation>
    </message>
    <message>
        <source>Offset %1 with Duplex &quot;split&quot;</source>
        <translation>Offset %1 met Duplex &quot;split&quot;</translation>
    </message>
    <message>
        <source>Duplex %1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; and &quot;off&quot;.</source>
        <translation>Duplex %1 is geen van de waarden &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; en &quot;off&quot;.</translation>
    </message>
    <message>
        <source>the TX frequency (%1) %2.</source>
        <translation>de zendfrequentie (%1) %2.</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanaal %1: %2</translation>
    </message>
    <message>
        <source>its TX frequency is set while its RX frequency is not in use; a row holds a TX frequency only beside an RX frequency.</source>
        <translation>de zendfrequentie is ingesteld terwijl de ontvangstfrequentie niet in gebruik is; een rij bevat alleen een zendfrequentie naast een ontvangstfrequentie.</translation>
    </message>
    <message>
        <source>The CSV layout cannot hold these channels:
%1</source>
        <translation>Het CSV-formaat kan deze kanalen niet bevatten:
%1</translation>
    </message>
    <message>
        <source>This is not a CSV channel plan: %1</source>
        <translation>Dit is geen CSV-kanaalplan: %1</translation>
    </message>
    <message>
        <source>the quoted field that starts on line %1 is never closed.</source>
        <translation>het veld tussen aanhalingstekens dat op regel %1 begint, wordt nooit gesloten.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>het bestand is leeg.</translation>
    </message>
    <message>
        <source>it has no %1 column.</source>
        <translation>het bestand heeft geen kolom %1.</translation>
    </message>
    <message>
        <source>Line %1: location %2 is skipped; the radio has channels 1 to 15.</source>
        <translation>Regel %1: geheugenplaats %2 wordt overgeslagen; de radio heeft de kanalen 1 tot en met 15.</translation>
    </message>
    <message>
        <source>Line %1: another row for channel %2 (after line %3) is skipped.</source>
        <translation>Regel %1: nog een rij voor kanaal %2 (na regel %3) wordt overgeslagen.</translation>
    </message>
    <message>
        <source>Channel %1 (line %2): %3</source>
        <translation>Kanaal %1 (regel %2): %3</translation>
    </message>
    <message>
        <source>Channel %1 (line %2) is left not in use: %3</source>
        <translation>Kanaal %1 (regel %2) blijft ongebruikt: %3</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: the file may have been cut short.</source>
        <translation>Het veld tussen aanhalingstekens dat op regel %1 begint, wordt nooit gesloten: het bestand is misschien afgekapt.</translation>
    </message>
    <message>
        <source>%1 more rows for other locations or repeated channels are skipped.</source>
        <translation>Nog %1 rijen voor andere geheugenplaatsen of herhaalde kanalen worden overgeslagen.</translation>
    </message>
    <message>
        <source>%1 was not written. %2</source>
        <translation>%1 is niet geschreven. %2</translation>
    </message>
    <message>
        <source>%1 was not loaded. %2</source>
        <translation>%1 is niet geladen. %2</translation>
    </message>
    <message>
        <source>The configuration file did not have settings included, but frequencies had been loaded.</source>
        <translation>Het configuratiebestand bevatte geen instellingen, maar de frequenties zijn geladen.</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan.</source>
        <translation>%1 is geen Vexalon-kanaalplan.</translation>
    </message>
    <message>
        <source>This configuration file is save in normal mode but you are in advanced mode.<byte value="xd"/>
Please restart this software to normal mode.</source>
        <translation>Dit configuratiebestand is opgeslagen in de normale modus, maar je bent in de geavanceerde modus.<byte value="xd"/>
Start het programma opnieuw in de normale modus.</translation>
    </message>
    <message numerus="yes">
        <source>Channels %1 hold frequencies in the radio that normal mode could not show, so the window shows them as not in use. Writing now clears them in the radio.<byte value="xd"/>
<byte value="xd"/>
To keep them, answer No, turn on advanced mode (Other settings and info) and read the radio again.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>
            <numerusform>Kanaal %1 bevat in de radio een frequentie die de normale modus niet kon tonen; het venster toont die daarom als niet in gebruik. Als je nu schrijft, wordt die in de radio gewist.<byte value="xd"/>
<byte value="xd"/>
Om die te houden: antwoord Nee, zet de geavanceerde modus aan (Overige instellingen) en lees de radio opnieuw.<byte value="xd"/>
<byte value="xd"/>
Toch schrijven?</numerusform>
            <numerusform>De kanalen %1 bevatten in de radio frequenties die de normale modus niet kon tonen; het venster toont ze daarom als niet in gebruik. Als je nu schrijft, worden ze in de radio gewist.<byte value="xd"/>
<byte value="xd"/>
Om ze te houden: antwoord Nee, zet de geavanceerde modus aan (Overige instellingen) en lees de radio opnieuw.<byte value="xd"/>
<byte value="xd"/>
Toch schrijven?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup; it is not replaced. Choose another file.</source>
        <translation>%1 is geen Vexalon-back-up van een portofoon; het bestand wordt niet vervangen. Kies een ander bestand.</translation>
    </message>
    <message>
        <source>%1 is not a CSV channel plan; it is not replaced. Choose another file.</source>
        <translation>%1 is geen CSV-kanaalplan; het bestand wordt niet vervangen. Kies een ander bestand.</translation>
    </message>
    <message>
        <source>[%1] is missing.</source>
        <translation>[%1] ontbreekt.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is not a whole number.</source>
        <translation>[%1] %2 %3 is geen geheel getal.</translation>
    </message>
    <message>
        <source>[%1] %2 has no value.</source>
        <translation>[%1] %2 heeft geen waarde.</translation>
    </message>
    <message>
        <source>[%1] %2 is missing.</source>
        <translation>[%1] %2 ontbreekt.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 lies outside 0 to %4.</source>
        <translation>[%1] %2 %3 ligt buiten 0 tot en met %4.</translation>
    </message>
    <message>
        <source>%1 more are missing or cannot be used.</source>
        <translation>Nog %1 ontbreken of zijn onbruikbaar.</translation>
    </message>
    <message>
        <source>Some of the plan in %1 is missing or cannot be used; these take their defaults:
%2</source>
        <translation>Een deel van het plan in %1 ontbreekt of is onbruikbaar; daarvoor gelden de standaardwaarden:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan; the plan is not saved into it. Choose another file.</source>
        <translation>%1 is geen Vexalon-kanaalplan; het plan wordt er niet in opgeslagen. Kies een ander bestand.</translation>
    </message>
    <message numerus="yes">
        <source>[!] The radio did not acknowledge %n other writes.</source>
        <translation>
            <numerusform>[!] De radio heeft %n andere schrijfopdracht niet bevestigd.</numerusform>
            <numerusform>[!] De radio heeft %n andere schrijfopdrachten niet bevestigd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written. What the radio held before is in %1; restore it or write again.</source>
        <translation>
            <numerusform>Voltooid met fouten: %n blok leest anders terug dan wat er geschreven is. Wat de radio eerst bevatte, staat in %1; zet dat terug of schrijf opnieuw.</numerusform>
            <numerusform>Voltooid met fouten: %n blokken lezen anders terug dan wat er geschreven is. Wat de radio eerst bevatte, staat in %1; zet dat terug of schrijf opnieuw.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written; write again.</source>
        <translation>
            <numerusform>Voltooid met fouten: %n blok leest anders terug dan wat er geschreven is; schrijf opnieuw.</numerusform>
            <numerusform>Voltooid met fouten: %n blokken lezen anders terug dan wat er geschreven is; schrijf opnieuw.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified. What the radio held before is in %1; read the radio to check it, or restore it.</source>
        <translation>
            <numerusform>Voltooid met fouten: %n blok kon niet worden teruggelezen, dus het schrijven is niet gecontroleerd. Wat de radio eerst bevatte, staat in %1; lees de radio uit om het te controleren, of zet dat terug.</numerusform>
            <numerusform>Voltooid met fouten: %n blokken konden niet worden teruggelezen, dus het schrijven is niet gecontroleerd. Wat de radio eerst bevatte, staat in %1; lees de radio uit om het te controleren, of zet dat terug.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified; read the radio to check it.</source>
        <translation>
            <numerusform>Voltooid met fouten: %n blok kon niet worden teruggelezen, dus het schrijven is niet gecontroleerd; lees de radio uit om het te controleren.</numerusform>
            <numerusform>Voltooid met fouten: %n blokken konden niet worden teruggelezen, dus het schrijven is niet gecontroleerd; lees de radio uit om het te controleren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes were not acknowledged, although the radio holds what was written.</source>
        <translation>
            <numerusform>Voltooid met fouten: %n schrijfopdracht is niet bevestigd, hoewel de radio bevat wat er geschreven is.</numerusform>
            <numerusform>Voltooid met fouten: %n schrijfopdrachten zijn niet bevestigd, hoewel de radio bevat wat er geschreven is.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks differ from what the plan would write.</source>
        <translation>
            <numerusform>Voltooid met fouten: %n blok wijkt af van wat het kanaalplan zou schrijven.</numerusform>
            <numerusform>Voltooid met fouten: %n blokken wijken af van wat het kanaalplan zou schrijven.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read, so the check is not complete.</source>
        <translation>
            <numerusform>Voltooid met fouten: %n blok kon niet worden gelezen, dus de controle is niet volledig.</numerusform>
            <numerusform>Voltooid met fouten: %n blokken konden niet worden gelezen, dus de controle is niet volledig.</numerusform>
        </translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>de poort is niet geopend</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>de poort is al geopend</translation>
    </message>
    <message>
        <source>nothing arrived in time</source>
        <translation>er kwam niets op tijd binnen</translation>
    </message>
    <message>
        <source>a framing, overrun or parity error on the line</source>
        <translation>een frame-, overloop- of pariteitsfout op de lijn</translation>
    </message>
    <message>
        <source>the connection to the device was lost</source>
        <translation>de verbinding met het apparaat is verbroken</translation>
    </message>
    <message>
        <source>the port is in use by another program</source>
        <translation>de poort wordt door een ander programma gebruikt</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>geen seriële poort</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2.</source>
        <translation>de map %1 kan niet worden aangemaakt: %2.</translation>
    </message>
    <message>
        <source>the folder %1 holds too many backups of this second.</source>
        <translation>de map %1 bevat te veel back-ups van deze seconde.</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks are not sent: the radio already holds them as they are.</source>
        <translation>
            <numerusform>%n blok wordt niet verzonden: de portofoon bevat het al zo.</numerusform>
            <numerusform>%n blokken worden niet verzonden: de portofoon bevat ze al zo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio already holds all of it; nothing was sent.</source>
        <translation>De portofoon bevat alles al; er is niets verzonden.</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the language of this translation, in that language</comment>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Save diagnostic report...</source>
        <translation>Diagnoserapport opslaan...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>The diagnostic report was saved to %1.</source>
        <translation>Het diagnoserapport is opgeslagen in %1.</translation>
    </message>
    <message>
        <source>USB adapter %1</source>
        <translation>USB-adapter %1</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>apparaat bestaat niet</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>ingebouwde seriële poort</translation>
    </message>
    <message>
        <source>built-in serial port where no hardware answers</source>
        <translation>ingebouwde seriële poort waarop geen hardware antwoordt</translation>
    </message>
    <message>
        <source>pseudo-terminal: a program, not a cable</source>
        <translation>pseudoterminal: een programma, geen kabel</translation>
    </message>
    <message>
        <source>the system says nothing of this device</source>
        <translation>het systeem zegt niets over dit apparaat</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>stuurprogramma %1</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>latentietimer %1 ms</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Test radio connection...</source>
        <translation>Verbinding met radio testen...</translation>
    </message>
    <message>
        <source>bank 0</source>
        <translation>bank 0</translation>
    </message>
    <message>
        <source>bank 1</source>
        <translation>bank 1</translation>
    </message>
    <message>
        <source>the first tone index table</source>
        <translation>de eerste toontabel</translation>
    </message>
    <message>
        <source>the second tone index table</source>
        <translation>de tweede toontabel</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>de instellingen</translation>
    </message>
    <message>
        <source>The radio lets %1 be read.</source>
        <translation>Leesbaar: %1.</translation>
    </message>
    <message>
        <source>The radio lets only %1 of the %2 reads of %3 be read.</source>
        <translation>Maar gedeeltelijk leesbaar (%1 van %2 leesopdrachten): %3.</translation>
    </message>
    <message>
        <source>The radio refuses reads of %1 (15).</source>
        <translation>Lezen geweigerd door de radio (15): %1.</translation>
    </message>
    <message>
        <source>The radio does not answer reads of %1.</source>
        <translation>Geen antwoord van de radio bij het lezen: %1.</translation>
    </message>
    <message>
        <source>The radio answers reads of %1 with other bytes than the blocks.</source>
        <translation>De radio antwoordt bij het lezen met andere bytes dan de blokken: %1.</translation>
    </message>
    <message>
        <source>Radio: HT-446%1 (identity %2).</source>
        <translation>Radio: HT-446%1 (identiteit %2).</translation>
    </message>
    <message>
        <source>The radio&apos;s answer to the programming command: %1</source>
        <translation>Antwoord van de radio op de programmeeropdracht: %1</translation>
    </message>
    <message>
        <source>Reaction time of the radio: least %1 ms, median %2 ms, most %3 ms, against the %4 ms quiet gap.</source>
        <translation>Reactietijd van de radio: minimaal %1 ms, mediaan %2 ms, maximaal %3 ms, tegenover de stiltepauze van %4 ms.</translation>
    </message>
    <message>
        <source>Longest pause inside a reply: %1 ms, against the %2 ms quiet gap.</source>
        <translation>Langste pauze binnen een antwoord: %1 ms, tegenover de stiltepauze van %2 ms.</translation>
    </message>
    <message>
        <source>Not ready to write: %1 cannot be read whole.</source>
        <translation>Niet klaar om te schrijven, niet volledig leesbaar: %1.</translation>
    </message>
    <message>
        <source>Ready to write: the radio answers in time and lets its channels and settings be read.</source>
        <translation>Klaar om te schrijven: de radio antwoordt op tijd en laat zijn kanalen en instellingen lezen.</translation>
    </message>
    <message>
        <source>Not ready to write: the radio answers with an HT-446 identity that Vexalon does not know. Please send the developers a diagnostic report of this test.</source>
        <translation>Niet klaar om te schrijven: de radio antwoordt met een HT-446-identiteit die Vexalon niet kent. Stuur de ontwikkelaars een diagnoserapport van deze test.</translation>
    </message>
    <message>
        <source>Not ready to write safely: the radio&apos;s replies leave less than %1 ms of the %2 ms quiet gap, which a busy computer may cut.</source>
        <translation>Niet veilig klaar om te schrijven: de antwoorden van de radio laten minder dan %1 ms van de stiltepauze van %2 ms over, en een drukke computer kan ze afkappen.</translation>
    </message>
    <message>
        <source>Compare radio with this plan...</source>
        <translation>Radio met dit plan vergelijken...</translation>
    </message>
    <message>
        <source>All plan files (*.ini *.csv)</source>
        <translation>Alle planbestanden (*.ini *.csv)</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first.</source>
        <translation>Kies eerst de seriële poort van de radio.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leegmaken</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>The window holds edits that were neither saved nor written to the radio. Close without saving them?</source>
        <translation>Het venster bevat wijzigingen die niet zijn opgeslagen of naar de radio geschreven. Sluiten zonder op te slaan?</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the backup holds the rest.</source>
        <translation>Deze radio laat dit niet uitlezen: %1. De back-up bevat de rest.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the rest is compared.</source>
        <translation>Deze radio laat dit niet uitlezen: %1. De rest wordt vergeleken.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back; it acknowledged every block written there.</source>
        <translation>Deze radio laat dit niet teruglezen: %1. Hij heeft elk blok bevestigd dat daar geschreven is.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back, and it did not acknowledge every block written there.</source>
        <translation>Deze radio laat dit niet teruglezen: %1. Hij heeft niet elk blok bevestigd dat daar geschreven is.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes the radio does not let be read back were not acknowledged; write again.</source>
        <translation>
            <numerusform>Voltooid met fouten: %n schrijfopdracht die de radio niet laat teruglezen is niet bevestigd; schrijf opnieuw.</numerusform>
            <numerusform>Voltooid met fouten: %n schrijfopdrachten die de radio niet laat teruglezen zijn niet bevestigd; schrijf opnieuw.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup holds nothing of %1, which the radio does not let be read; they are made from bank 0, as a write makes them.</source>
        <translation>De back-up bevat niet wat de radio niet laat uitlezen: %1. Dat wordt uit bank 0 gemaakt, zoals bij schrijven.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the plan %4.</source>
        <translation>[!] %1: %2: de radio bevat %3, het plan %4.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the backup %4.</source>
        <translation>[!] %1: %2: de radio bevat %3, de back-up %4.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the plan %3.</source>
        <translation>[!] %1: de radio bevat %2, het plan %3.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the backup %3.</source>
        <translation>[!] %1: de radio bevat %2, de back-up %3.</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>RX-frequentie</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>TX-frequentie</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>RX-toon</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>TX-toon</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Vergrendeling</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanaal %1</translation>
    </message>
    <message>
        <source>Channel %1 (bank 1 copy)</source>
        <translation>Kanaal %1 (kopie in bank 1)</translation>
    </message>
    <message>
        <source>flags and closing bytes</source>
        <translation>vlaggen en slotbytes</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the plan %3.</source>
        <translation>[!] %1 de radio bevat %2, het plan %3.</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the backup %3.</source>
        <translation>[!] %1 de radio bevat %2, de back-up %3.</translation>
    </message>
    <message>
        <source>the channel 0 slot of bank %1</source>
        <translation>de kanaal-0-plaats in bank %1</translation>
    </message>
    <message>
        <source>the block at %1</source>
        <translation>het blok op %1</translation>
    </message>
    <message>
        <source>The clipboard holds no channel line in CHIRP&apos;s CSV layout; nothing was pasted.</source>
        <translation>Het klembord bevat geen kanaalregel in het CSV-formaat van CHIRP; er is niets geplakt.</translation>
    </message>
    <message>
        <source>A channel not in use has nothing to copy.</source>
        <translation>Een kanaal dat niet in gebruik is, heeft niets om te kopiëren.</translation>
    </message>
    <message>
        <source>The pasted channel&apos;s frequency is no PMR446 channel; advanced mode takes it. Nothing was pasted.</source>
        <translation>De frequentie van het geplakte kanaal is geen PMR446-kanaal; de geavanceerde modus neemt hem aan. Er is niets geplakt.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Vexalon</name>
    <message>
        <source>To operate the radio outside license-free frequencies, you are REQUIRED to be a licensed radio amateur. You can render your radio illegal for you to operate, or damage the radio with invalid settings. YOU DO THIS ON YOUR OWN RESPONSIBILITY.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to continue?</source>
        <translation>Aby używać radia poza częstotliwościami niewymagającymi pozwolenia, MUSISZ być licencjonowanym krótkofalowcem. Nieprawidłowymi ustawieniami możesz sprawić, że nie wolno ci będzie legalnie używać radia, albo je uszkodzić. ROBISZ TO NA WŁASNĄ ODPOWIEDZIALNOŚĆ.<byte value="xd"/>
<byte value="xd"/>
Czy na pewno chcesz kontynuować?</translation>
    </message>
    <message>
        <source> - Advanced mode</source>
        <translation> - Tryb zaawansowany</translation>
    </message>
    <message>
        <source>RX frequency (Hz)</source>
        <translation>Częstotliwość RX (Hz)</translation>
    </message>
    <message>
        <source>TX frequency (Hz)</source>
        <translation>Częstotliwość TX (Hz)</translation>
    </message>
    <message>
        <source> (PMR %1)</source>
        <translation> (PMR %1)</translation>
    </message>
    <message>
        <source> (invalid)</source>
        <translation> (nieprawidłowa)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
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
        <translation>Blokada zajętego kanału</translation>
    </message>
    <message>
        <source>HT-446 channel card</source>
        <translation>Karta kanałów HT-446</translation>
    </message>
    <message>
        <source>Plan file: </source>
        <translation>Plik planu: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Ch is the position of the channel knob.</source>
        <translation>Kan. to położenie pokrętła kanałów.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Cut along the dashed line and keep the card with the radio.</source>
        <translation>Wytnij wzdłuż linii przerywanej i trzymaj kartę przy radiu.</translation>
    </message>
    <message>
        <source>HT-446 channels</source>
        <translation>Kanały HT-446</translation>
    </message>
    <message>
        <source>Unable to draw the channel card.</source>
        <translation>Nie można narysować karty kanałów.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>Ch #%1</source>
        <translation>Kan. %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Same as CTCSS but in the radio maker&apos;s terms</source>
        <translation>To samo co CTCSS (lub DCS), tylko w nazewnictwie producenta radia</translation>
    </message>
    <message>
        <source>RX channel / frequency</source>
        <translation>Kanał / częstotliwość RX</translation>
    </message>
    <message>
        <source>QT / DQT</source>
        <translation>QT / DQT</translation>
    </message>
    <message>
        <source>TX channel / frequency</source>
        <translation>Kanał / częstotliwość TX</translation>
    </message>
    <message>
        <source>Shifts oscillator frequency to prevent certain harmonics in audio, or something</source>
        <translation>Przesuwa częstotliwość oscylatora, aby uniknąć pewnych harmonicznych w dźwięku, czy coś w tym rodzaju</translation>
    </message>
    <message>
        <source>Busy lock.</source>
        <translation>Blok. zaj.</translation>
    </message>
    <message>
        <source>Channel busy lockout</source>
        <translation>Blokada nadawania na zajętym kanale (BCL)</translation>
    </message>
    <message>
        <source>Defines what the Monitor button below PTT does.</source>
        <translation>Określa, co robi przycisk Monitor pod PTT.</translation>
    </message>
    <message>
        <source>Squelch.</source>
        <translation>Blokada szumów (squelch).</translation>
    </message>
    <message>
        <source>Defines whether radio beeps on certain functions, but this does not mean roger beep.</source>
        <translation>Określa, czy radio piszczy przy niektórych funkcjach; nie chodzi o roger beep.</translation>
    </message>
    <message>
        <source>It says battery saving, it probably will save battery. No idea how.</source>
        <translation>Jest napisane „oszczędzanie baterii”, więc pewnie oszczędza baterię. Nie mam pojęcia jak.</translation>
    </message>
    <message>
        <source>Enables or disables self-programming mode on the radio.</source>
        <translation>Włącza lub wyłącza w radiu tryb samoprogramowania.</translation>
    </message>
    <message>
        <source>Turn on advanced mode</source>
        <translation>Włącz tryb zaawansowany</translation>
    </message>
    <message>
        <source>Maximum time you can transmit continuously.</source>
        <translation>Najdłuższy czas nieprzerwanego nadawania.</translation>
    </message>
    <message>
        <source>If your transmission is timed out, this is the time you need to wait.</source>
        <translation>Tyle trzeba odczekać, gdy nadawanie zostało przerwane po przekroczeniu limitu czasu.</translation>
    </message>
    <message>
        <source>If you stop transmission before timing out, this is the time you need to wait before timer is reset.</source>
        <translation>Jeśli przerwiesz nadawanie przed upływem limitu, tyle trzeba odczekać, zanim licznik się wyzeruje.</translation>
    </message>
    <message>
        <source>If you are a licensed radio amateur, you may turn on advanced mode to configure channel frequencies outside the usual PMR446 frequency range.

Frequencies are given in Hz instead of PMR446 channels in drop-down list. Actual frequency range depends on your radio: some say radios has 430 - 490 MHz range, but my radios has 422 - 455 MHz range. Radio will beep continuously if it can&apos;t tune to receive frequency, and beeps once refusing to transmit if it can&apos;t tune to transmit frequency.</source>
        <translation>Jeśli jesteś licencjonowanym krótkofalowcem, możesz włączyć tryb zaawansowany, aby ustawiać częstotliwości kanałów poza zwykłym zakresem PMR446.

Częstotliwości podaje się wtedy w Hz, zamiast wybierać kanały PMR446 z listy. Rzeczywisty zakres częstotliwości zależy od radia: niektórzy piszą, że te radia mają zakres 430 - 490 MHz, ale moje mają 422 - 455 MHz. Radio piszczy bez przerwy, jeśli nie może dostroić się do częstotliwości odbioru, a piszczy raz i odmawia nadawania, jeśli nie może dostroić się do częstotliwości nadawania.</translation>
    </message>
    <message>
        <source>Load frequencies from file...</source>
        <translation>Wczytaj częstotliwości z pliku...</translation>
    </message>
    <message>
        <source>Load frequencies + settings from file...</source>
        <translation>Wczytaj częstotliwości + ustawienia z pliku...</translation>
    </message>
    <message>
        <source>Save frequencies to file...</source>
        <translation>Zapisz częstotliwości do pliku...</translation>
    </message>
    <message>
        <source>Save frequencies + settings to file...</source>
        <translation>Zapisz częstotliwości + ustawienia do pliku...</translation>
    </message>
    <message>
        <source>Save channel card as PDF...</source>
        <translation>Zapisz kartę kanałów jako PDF...</translation>
    </message>
    <message>
        <source>Restore radio from backup...</source>
        <translation>Przywróć radio z kopii zapasowej...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Configuration files (*.ini)</source>
        <translation>Pliki konfiguracji (*.ini)</translation>
    </message>
    <message>
        <source>CHIRP CSV files (*.csv)</source>
        <translation>Pliki CSV programu CHIRP (*.csv)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Vexalon radio backups (*.vxbackup)</source>
        <translation>Kopie zapasowe radia Vexalon (*.vxbackup)</translation>
    </message>
    <message>
        <source>&amp;Read radio settings</source>
        <translation>&amp;Odczytaj z radia</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanały</translation>
    </message>
    <message>
        <source>&amp;Other settings and info</source>
        <translation>&amp;Pozostałe ustawienia</translation>
    </message>
    <message>
        <source>&amp;Write radio settings</source>
        <translation>&amp;Zapisz do radia</translation>
    </message>
    <message>
        <source>Select serial port to use</source>
        <translation>Wybierz port szeregowy</translation>
    </message>
    <message>
        <source>&amp;Load / save</source>
        <translation>&amp;Wczytaj / zapisz</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>A CSV file holds no settings: only the channels were saved. Save to an INI file to keep the settings too.</source>
        <translation>Plik CSV nie zawiera ustawień: zapisano tylko kanały. Zapisz do pliku INI, aby zachować także ustawienia.</translation>
    </message>
    <message>
        <source>Nothing has been read from the radio, loaded from a file or edited since the program started. Writing now replaces all 15 channels in the radio with empty channels and its settings with the ones shown.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>Od uruchomienia programu nic nie zostało odczytane z radia, wczytane z pliku ani zmienione. Zapis zastąpi teraz wszystkie 15 kanałów w radiu pustymi kanałami, a jego ustawienia – ustawieniami widocznymi w oknie.<byte value="xd"/>
<byte value="xd"/>
Zapisać mimo to?</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first, then its backup.</source>
        <translation>Najpierw wybierz port szeregowy radia, potem jego kopię zapasową.</translation>
    </message>
    <message>
        <source>Restore the radio from the backup of an HT-446%1 taken on %2?<byte value="xd"/>
<byte value="xd"/>
This replaces every channel and the settings in the radio with the ones in the backup. A backup of what the radio holds now is taken first. The window stays as it is.</source>
        <translation>Przywrócić radio z kopii zapasowej HT-446%1 wykonanej %2?<byte value="xd"/>
<byte value="xd"/>
Wszystkie kanały i ustawienia w radiu zostaną zastąpione tymi z kopii zapasowej. Najpierw zostanie wykonana kopia zapasowa obecnej zawartości radia. Okno pozostanie bez zmian.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Monitor key:</source>
        <translation>Przycisk MON:</translation>
    </message>
    <message>
        <source>Squelch level:</source>
        <translation>Poziom SQL:</translation>
    </message>
    <message>
        <source>Beep tones:</source>
        <translation>Sygnały dźwiękowe:</translation>
    </message>
    <message>
        <source>Battery saving:</source>
        <translation>Oszczędzanie baterii:</translation>
    </message>
    <message>
        <source>Self-programming:</source>
        <translation>Samoprogramowanie:</translation>
    </message>
    <message>
        <source>Time out timer (TOT):</source>
        <translation>Limit nadawania (TOT):</translation>
    </message>
    <message>
        <source>TOT rekey time:</source>
        <translation>Przerwa po TOT:</translation>
    </message>
    <message>
        <source>TOT reset time:</source>
        <translation>Czas resetu TOT:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Monitor momentary</source>
        <translation>Monitor chwilowy</translation>
    </message>
    <message>
        <source>Monitor lock</source>
        <translation>Monitor stały</translation>
    </message>
    <message>
        <source>Squelch off momentary</source>
        <translation>SQL chwilowo wył.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>WARNING! This is experimental software: works for me but might not for you.</source>
        <translation>UWAGA! To oprogramowanie eksperymentalne: u mnie działa, ale u ciebie może nie działać.</translation>
    </message>
    <message>
        <source>Start with selecting serial port from the list.</source>
        <translation>Zacznij od wybrania portu szeregowego z listy.</translation>
    </message>
    <message>
        <source>Closing when the transfer has finished...</source>
        <translation>Okno zamknie się po zakończeniu przesyłania...</translation>
    </message>
    <message>
        <source>The serial port %1 is no longer there. Plug the cable in again or choose another port.</source>
        <translation>Portu szeregowego %1 już nie ma. Podłącz ponownie kabel albo wybierz inny port.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Monitor key</source>
        <translation>Przycisk MON</translation>
    </message>
    <message>
        <source>Time out timer (TOT)</source>
        <translation>Limit nadawania (TOT)</translation>
    </message>
    <message>
        <source>TOT rekey time</source>
        <translation>Przerwa po TOT</translation>
    </message>
    <message>
        <source>TOT reset time</source>
        <translation>Czas resetu TOT</translation>
    </message>
    <message>
        <source>Radio not connected or turned on. Cable needs to be connected and radio turned on.</source>
        <translation>Radio nie jest podłączone albo nie jest włączone. Kabel musi być podłączony, a radio włączone.</translation>
    </message>
    <message>
        <source>No response from serial port. Check you are using the right port.</source>
        <translation>Brak odpowiedzi z portu szeregowego. Sprawdź, czy używasz właściwego portu.</translation>
    </message>
    <message>
        <source>Unknown response from radio: %1</source>
        <translation>Nieznana odpowiedź radia: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1. Your user needs access to serial devices (on Debian: membership of the group dialout).</source>
        <translation>%1. Twój użytkownik potrzebuje dostępu do urządzeń szeregowych (w Debianie: członkostwa w grupie dialout).</translation>
    </message>
    <message>
        <source>Lost the connection to the radio. Check the cable and the radio, then try again.</source>
        <translation>Utracono połączenie z radiem. Sprawdź kabel i radio, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The line from the radio never falls quiet. Check the cable and the port, then try again.</source>
        <translation>Linia od radia nigdy nie cichnie. Sprawdź kabel i port, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Stopped before the end, as asked.</source>
        <translation>Zatrzymano przed końcem, zgodnie z poleceniem.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Gotowe!</translation>
    </message>
    <message>
        <source>Finished with errors: the settings could not be read; they keep their earlier values.</source>
        <translation>Zakończono z błędami: nie udało się odczytać ustawień; zachowują poprzednie wartości.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 and the settings could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Zakończono z błędami: nie udało się odczytać kanału %1 ani ustawień; zachowują poprzednie wartości.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać kanałów %1 ani ustawień; zachowują poprzednie wartości.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać kanałów %1 ani ustawień; zachowują poprzednie wartości.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Zakończono z błędami: nie udało się odczytać kanału %1; zachowuje poprzednie wartości.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać kanałów %1; zachowują poprzednie wartości.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać kanałów %1; zachowują poprzednie wartości.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>Zweryfikowano: radio zawiera to, co zapisano.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected. Reading will take few seconds, please wait...</source>
        <translation>Wykryto obsługiwane radio HT-446%1. Odczyt potrwa kilka sekund, proszę czekać...</translation>
    </message>
    <message>
        <source>Reading channels...</source>
        <translation>Odczyt kanałów...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read channel %1.</source>
        <translation>[!] Nie udało się odczytać kanału %1.</translation>
    </message>
    <message>
        <source>Reading settings...</source>
        <translation>Odczyt ustawień...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read settings.</source>
        <translation>[!] Nie udało się odczytać ustawień.</translation>
    </message>
    <message>
        <source>[!] The radio holds %1 for &quot;%2&quot;, which is not in its list. A write stores FF there unless you choose a value first.</source>
        <translation>[!] Radio ma dla „%2” wartość %1, której nie ma na liście. Zapis umieści tam FF, chyba że najpierw wybierzesz wartość.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected, continuing. This takes few seconds.</source>
        <translation>Wykryto obsługiwane radio HT-446%1, kontynuuję. To potrwa kilka sekund.</translation>
    </message>
    <message>
        <source>With a backup of the radio before it and a check after it, the write takes about %1 seconds.</source>
        <translation>Z kopią zapasową radia przed zapisem i sprawdzeniem po nim zapis trwa około %1 s.</translation>
    </message>
    <message>
        <source>Backing up what the radio holds...</source>
        <translation>Tworzenie kopii zapasowej zawartości radia...</translation>
    </message>
    <message>
        <source>What the radio held is kept in %1.</source>
        <translation>Poprzednia zawartość radia jest zachowana w pliku %1.</translation>
    </message>
    <message numerus="yes">
        <source>The radio&apos;s blocks at %1 could not be read, so no backup was kept.</source>
        <translation>
            <numerusform>Nie udało się odczytać bloku radia pod adresem %1, więc nie zachowano kopii zapasowej.</numerusform>
            <numerusform>Nie udało się odczytać bloków radia pod adresami %1, więc nie zachowano kopii zapasowej.</numerusform>
            <numerusform>Nie udało się odczytać bloków radia pod adresami %1, więc nie zachowano kopii zapasowej.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup of the radio could not be saved: %1</source>
        <translation>Nie udało się zapisać kopii zapasowej radia: %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Without a backup, what the radio holds now cannot be put back. Write anyway?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Bez kopii zapasowej nie da się przywrócić obecnej zawartości radia. Zapisać mimo to?</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected.</source>
        <translation>Wykryto obsługiwane radio HT-446%1.</translation>
    </message>
    <message>
        <source>Writing channels...</source>
        <translation>Zapis kanałów...</translation>
    </message>
    <message>
        <source> Ch %1 QT/DQT failed, unknown response from radio: %2</source>
        <translation> Kanał %1: zapis QT/DQT nieudany, nieznana odpowiedź radia: %2</translation>
    </message>
    <message>
        <source> Ch %1 frequency failed, unknown response from radio: %2</source>
        <translation> Kanał %1: zapis częstotliwości nieudany, nieznana odpowiedź radia: %2</translation>
    </message>
    <message>
        <source>Writing DT/QDT settings...</source>
        <translation>Zapis ustawień QT/DQT...</translation>
    </message>
    <message>
        <source>Writing settings...</source>
        <translation>Zapis ustawień...</translation>
    </message>
    <message>
        <source>Checking what the radio holds now...</source>
        <translation>Sprawdzanie obecnej zawartości radia...</translation>
    </message>
    <message>
        <source>[!] The block at %1 could not be read back, so it is not verified.</source>
        <translation>[!] Nie udało się odczytać z powrotem bloku pod adresem %1, więc nie został zweryfikowany.</translation>
    </message>
    <message>
        <source>%1 MHz RX</source>
        <translation>częstotliwość odbioru %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz TX</source>
        <translation>częstotliwość nadawania %1 MHz</translation>
    </message>
    <message>
        <source>[!] Ch %1 holds %2, which normal mode cannot show. Writing from normal mode will clear it; advanced mode keeps it.</source>
        <translation>[!] Kanał %1: %2 – tryb normalny nie potrafi tego pokazać. Zapis z trybu normalnego to wyczyści; tryb zaawansowany to zachowa.</translation>
    </message>
    <message>
        <source>[!] Ch %1 RX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Kanał %1, częstotliwość RX: „%2” to nie jest częstotliwość w Hz (tylko cyfry, wielokrotność 10 Hz). Nic nie zapisano.</translation>
    </message>
    <message>
        <source>[!] Ch %1 TX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Kanał %1, częstotliwość TX: „%2” to nie jest częstotliwość w Hz (tylko cyfry, wielokrotność 10 Hz). Nic nie zapisano.</translation>
    </message>
    <message>
        <source>%1 of %2 blocks were written; the radio may now hold a mix of old and new channels.</source>
        <translation>Zapisano %1 z %2 bloków; radio może teraz zawierać mieszaninę starych i nowych kanałów.</translation>
    </message>
    <message>
        <source>What the radio held before is in %1; restore it once the radio answers again.</source>
        <translation>Poprzednia zawartość radia jest w pliku %1; przywróć ją, gdy radio znów zacznie odpowiadać.</translation>
    </message>
    <message>
        <source>This backup is of an HT-446%1, but the radio on the port is an HT-446%2. Nothing was written.</source>
        <translation>Ta kopia zapasowa pochodzi z HT-446%1, ale radio na tym porcie to HT-446%2. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>Nothing was written; the radio keeps what it held.</source>
        <translation>Nic nie zapisano; radio zachowuje dotychczasową zawartość.</translation>
    </message>
    <message>
        <source>The radio holds what the plan would write.</source>
        <translation>Radio zawiera to, co zapisałby plan kanałów.</translation>
    </message>
    <message>
        <source>Finished with errors: no backup was kept.</source>
        <translation>Zakończono z błędami: nie zachowano kopii zapasowej.</translation>
    </message>
    <message>
        <source>Not in use</source>
        <translation>Nieużywany</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup.</source>
        <translation>%1 nie jest kopią zapasową radiotelefonu Vexalon.</translation>
    </message>
    <message>
        <source>%1 was made by another version of Vexalon, in a backup format this one does not know.</source>
        <translation>%1 utworzyła inna wersja programu Vexalon, w formacie kopii zapasowej, którego ta wersja nie zna.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: its checksum does not match what it holds.</source>
        <translation>%1 jest uszkodzony lub niekompletny: suma kontrolna nie zgadza się z zawartością.</translation>
    </message>
    <message>
        <source>%1 is damaged: its checksum matches, but it does not hold a whole backup.</source>
        <translation>%1 jest uszkodzony: suma kontrolna się zgadza, ale plik nie zawiera pełnej kopii zapasowej.</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Nie można odczytać pliku %1.</translation>
    </message>
    <message>
        <source>its RX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>częstotliwość RX %1 nie jest częstotliwością w Hz (tylko cyfry, wielokrotność 10 Hz).</translation>
    </message>
    <message>
        <source>its TX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>częstotliwość TX %1 nie jest częstotliwością w Hz (tylko cyfry, wielokrotność 10 Hz).</translation>
    </message>
    <message>
        <source>is not a number of MHz</source>
        <translation>nie jest liczbą MHz</translation>
    </message>
    <message>
        <source>is not above zero</source>
        <translation>nie jest większa od zera</translation>
    </message>
    <message>
        <source>is not a whole multiple of 10 Hz</source>
        <translation>nie jest całkowitą wielokrotnością 10 Hz</translation>
    </message>
    <message>
        <source>is not below 1000 MHz</source>
        <translation>nie jest mniejsza niż 1000 MHz</translation>
    </message>
    <message>
        <source>the radio has no cross mode %1 (CrossMode).</source>
        <translation>radiotelefon nie obsługuje trybu krzyżowego %1 (CrossMode).</translation>
    </message>
    <message>
        <source>the radio has no tone mode %1 (Tone).</source>
        <translation>radiotelefon nie obsługuje trybu tonu %1 (Tone).</translation>
    </message>
    <message>
        <source>the radio has no tone %1 Hz (%2).</source>
        <translation>radiotelefon nie obsługuje tonu CTCSS %1 Hz (%2).</translation>
    </message>
    <message>
        <source>the radio has no DTCS code %1 (%2).</source>
        <translation>radiotelefon nie obsługuje kodu DTCS %1 (%2).</translation>
    </message>
    <message>
        <source>the radio has DTCS codes of normal polarity only (DtcsPolarity %1).</source>
        <translation>radiotelefon obsługuje tylko kody DTCS o normalnej polaryzacji (DtcsPolarity %1).</translation>
    </message>
    <message>
        <source>the RX frequency (Frequency %1) %2.</source>
        <translation>częstotliwość RX (Frequency %1) %2.</translation>
    </message>
    <message>
        <source>the offset (Offset %1) is not a number of MHz.</source>
        <translation>przesunięcie (Offset %1) nie jest liczbą MHz.</translation>
    </message>
    <message>
        <source>Frequency %1 with Duplex %2 and Offset %3</source>
        <translation>Frequency %1 z Duplex %2 i Offset %3</translation>
    </message>
    <message>
        <source>Offset %1 with Duplex &quot;split&quot;</source>
        <translation>Offset %1 z Duplex &quot;split&quot;</translation>
    </message>
    <message>
        <source>Duplex %1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; and &quot;off&quot;.</source>
        <translation>Duplex %1 nie jest żadną z wartości &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; i &quot;off&quot;.</translation>
    </message>
    <message>
        <source>the TX frequency (%1) %2.</source>
        <translation>częstotliwość TX (%1) %2.</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanał %1: %2</translation>
    </message>
    <message>
        <source>its TX frequency is set while its RX frequency is not in use; a row holds a TX frequency only beside an RX frequency.</source>
        <translation>częstotliwość TX jest ustawiona, a częstotliwość RX nie jest używana; wiersz może zawierać częstotliwość TX tylko obok częstotliwości RX.</translation>
    </message>
    <message>
        <source>The CSV layout cannot hold these channels:
%1</source>
        <translation>Format CSV nie może pomieścić tych kanałów:
%1</translation>
    </message>
    <message>
        <source>This is not a CSV channel plan: %1</source>
        <translation>To nie jest plan kanałów CSV: %1</translation>
    </message>
    <message>
        <source>the quoted field that starts on line %1 is never closed.</source>
        <translation>pole w cudzysłowie zaczynające się w wierszu %1 nie jest nigdy zamknięte.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>plik jest pusty.</translation>
    </message>
    <message>
        <source>it has no %1 column.</source>
        <translation>plik nie ma kolumny %1.</translation>
    </message>
    <message>
        <source>Line %1: location %2 is skipped; the radio has channels 1 to 15.</source>
        <translation>Wiersz %1: pozycja %2 zostaje pominięta; radiotelefon ma kanały od 1 do 15.</translation>
    </message>
    <message>
        <source>Line %1: another row for channel %2 (after line %3) is skipped.</source>
        <translation>Wiersz %1: kolejny wiersz dla kanału %2 (po wierszu %3) zostaje pominięty.</translation>
    </message>
    <message>
        <source>Channel %1 (line %2): %3</source>
        <translation>Kanał %1 (wiersz %2): %3</translation>
    </message>
    <message>
        <source>Channel %1 (line %2) is left not in use: %3</source>
        <translation>Kanał %1 (wiersz %2) pozostaje nieużywany: %3</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: the file may have been cut short.</source>
        <translation>Pole w cudzysłowie zaczynające się w wierszu %1 nie jest nigdy zamknięte: plik mógł zostać ucięty.</translation>
    </message>
    <message>
        <source>%1 more rows for other locations or repeated channels are skipped.</source>
        <translation>Pominięto kolejne wiersze dla innych pozycji lub powtórzonych kanałów: %1.</translation>
    </message>
    <message>
        <source>%1 was not written. %2</source>
        <translation>Nie zapisano pliku %1. %2</translation>
    </message>
    <message>
        <source>%1 was not loaded. %2</source>
        <translation>Nie wczytano pliku %1. %2</translation>
    </message>
    <message>
        <source>The configuration file did not have settings included, but frequencies had been loaded.</source>
        <translation>Plik konfiguracyjny nie zawierał ustawień, ale częstotliwości zostały wczytane.</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan.</source>
        <translation>%1 nie jest planem kanałów Vexalon.</translation>
    </message>
    <message>
        <source>This configuration file is save in normal mode but you are in advanced mode.<byte value="xd"/>
Please restart this software to normal mode.</source>
        <translation>Ten plik konfiguracyjny zapisano w trybie normalnym, a jesteś w trybie zaawansowanym.<byte value="xd"/>
Uruchom program ponownie w trybie normalnym.</translation>
    </message>
    <message numerus="yes">
        <source>Channels %1 hold frequencies in the radio that normal mode could not show, so the window shows them as not in use. Writing now clears them in the radio.<byte value="xd"/>
<byte value="xd"/>
To keep them, answer No, turn on advanced mode (Other settings and info) and read the radio again.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>
            <numerusform>Kanał %1 ma w radiu częstotliwość, której tryb normalny nie potrafił pokazać, dlatego okno pokazuje ją jako nieużywaną. Zapis teraz wyczyści ją w radiu.<byte value="xd"/>
<byte value="xd"/>
Aby ją zachować, odpowiedz Nie, włącz tryb zaawansowany (Pozostałe ustawienia) i odczytaj radio ponownie.<byte value="xd"/>
<byte value="xd"/>
Zapisać mimo to?</numerusform>
            <numerusform>Kanały %1 mają w radiu częstotliwości, których tryb normalny nie potrafił pokazać, dlatego okno pokazuje je jako nieużywane. Zapis teraz wyczyści je w radiu.<byte value="xd"/>
<byte value="xd"/>
Aby je zachować, odpowiedz Nie, włącz tryb zaawansowany (Pozostałe ustawienia) i odczytaj radio ponownie.<byte value="xd"/>
<byte value="xd"/>
Zapisać mimo to?</numerusform>
            <numerusform>Kanały %1 mają w radiu częstotliwości, których tryb normalny nie potrafił pokazać, dlatego okno pokazuje je jako nieużywane. Zapis teraz wyczyści je w radiu.<byte value="xd"/>
<byte value="xd"/>
Aby je zachować, odpowiedz Nie, włącz tryb zaawansowany (Pozostałe ustawienia) i odczytaj radio ponownie.<byte value="xd"/>
<byte value="xd"/>
Zapisać mimo to?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup; it is not replaced. Choose another file.</source>
        <translation>%1 nie jest kopią zapasową radiotelefonu Vexalon; plik nie zostanie zastąpiony. Wybierz inny plik.</translation>
    </message>
    <message>
        <source>%1 is not a CSV channel plan; it is not replaced. Choose another file.</source>
        <translation>%1 nie jest planem kanałów CSV; plik nie zostanie zastąpiony. Wybierz inny plik.</translation>
    </message>
    <message>
        <source>[%1] is missing.</source>
        <translation>Brak [%1].</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is not a whole number.</source>
        <translation>[%1] %2 %3 nie jest liczbą całkowitą.</translation>
    </message>
    <message>
        <source>[%1] %2 has no value.</source>
        <translation>[%1] %2 nie ma wartości.</translation>
    </message>
    <message>
        <source>[%1] %2 is missing.</source>
        <translation>Brak [%1] %2.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 lies outside 0 to %4.</source>
        <translation>[%1] %2 %3 wykracza poza zakres od 0 do %4.</translation>
    </message>
    <message>
        <source>%1 more are missing or cannot be used.</source>
        <translation>Kolejne braki lub wartości nie do użycia: %1.</translation>
    </message>
    <message>
        <source>Some of the plan in %1 is missing or cannot be used; these take their defaults:
%2</source>
        <translation>Części planu w %1 brakuje lub nie da się jej użyć; w tych miejscach obowiązują wartości domyślne:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan; the plan is not saved into it. Choose another file.</source>
        <translation>%1 nie jest planem kanałów Vexalon; plan nie zostanie w nim zapisany. Wybierz inny plik.</translation>
    </message>
    <message numerus="yes">
        <source>[!] The radio did not acknowledge %n other writes.</source>
        <translation>
            <numerusform>[!] Radio nie potwierdziło %n innego zapisu.</numerusform>
            <numerusform>[!] Radio nie potwierdziło innych zapisów: %n.</numerusform>
            <numerusform>[!] Radio nie potwierdziło innych zapisów: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written. What the radio held before is in %1; restore it or write again.</source>
        <translation>
            <numerusform>Zakończono z błędami: w %n bloku odczyt różni się od tego, co zapisano. Poprzednia zawartość radia jest w pliku %1; przywróć ją albo zapisz ponownie.</numerusform>
            <numerusform>Zakończono z błędami: w %n blokach odczyt różni się od tego, co zapisano. Poprzednia zawartość radia jest w pliku %1; przywróć ją albo zapisz ponownie.</numerusform>
            <numerusform>Zakończono z błędami: w %n blokach odczyt różni się od tego, co zapisano. Poprzednia zawartość radia jest w pliku %1; przywróć ją albo zapisz ponownie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written; write again.</source>
        <translation>
            <numerusform>Zakończono z błędami: w %n bloku odczyt różni się od tego, co zapisano; zapisz ponownie.</numerusform>
            <numerusform>Zakończono z błędami: w %n blokach odczyt różni się od tego, co zapisano; zapisz ponownie.</numerusform>
            <numerusform>Zakończono z błędami: w %n blokach odczyt różni się od tego, co zapisano; zapisz ponownie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified. What the radio held before is in %1; read the radio to check it, or restore it.</source>
        <translation>
            <numerusform>Zakończono z błędami: nie udało się odczytać z powrotem %n bloku, więc zapis nie został zweryfikowany. Poprzednia zawartość radia jest w pliku %1; odczytaj radio, aby to sprawdzić, albo ją przywróć.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać z powrotem %n bloków, więc zapis nie został zweryfikowany. Poprzednia zawartość radia jest w pliku %1; odczytaj radio, aby to sprawdzić, albo ją przywróć.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać z powrotem %n bloków, więc zapis nie został zweryfikowany. Poprzednia zawartość radia jest w pliku %1; odczytaj radio, aby to sprawdzić, albo ją przywróć.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified; read the radio to check it.</source>
        <translation>
            <numerusform>Zakończono z błędami: nie udało się odczytać z powrotem %n bloku, więc zapis nie został zweryfikowany; odczytaj radio, aby to sprawdzić.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać z powrotem %n bloków, więc zapis nie został zweryfikowany; odczytaj radio, aby to sprawdzić.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać z powrotem %n bloków, więc zapis nie został zweryfikowany; odczytaj radio, aby to sprawdzić.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes were not acknowledged, although the radio holds what was written.</source>
        <translation>
            <numerusform>Zakończono z błędami: radio nie potwierdziło %n zapisu, choć zawiera to, co zapisano.</numerusform>
            <numerusform>Zakończono z błędami: radio nie potwierdziło %n zapisów, choć zawiera to, co zapisano.</numerusform>
            <numerusform>Zakończono z błędami: radio nie potwierdziło %n zapisów, choć zawiera to, co zapisano.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks differ from what the plan would write.</source>
        <translation>
            <numerusform>Zakończono z błędami: %n blok różni się od tego, co zapisałby plan kanałów.</numerusform>
            <numerusform>Zakończono z błędami: %n bloki różnią się od tego, co zapisałby plan kanałów.</numerusform>
            <numerusform>Zakończono z błędami: %n bloków różni się od tego, co zapisałby plan kanałów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read, so the check is not complete.</source>
        <translation>
            <numerusform>Zakończono z błędami: nie udało się odczytać %n bloku, więc sprawdzenie nie jest pełne.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać %n bloków, więc sprawdzenie nie jest pełne.</numerusform>
            <numerusform>Zakończono z błędami: nie udało się odczytać %n bloków, więc sprawdzenie nie jest pełne.</numerusform>
        </translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>port nie jest otwarty</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>port jest już otwarty</translation>
    </message>
    <message>
        <source>nothing arrived in time</source>
        <translation>nic nie nadeszło na czas</translation>
    </message>
    <message>
        <source>a framing, overrun or parity error on the line</source>
        <translation>błąd ramki, przepełnienia lub parzystości na linii</translation>
    </message>
    <message>
        <source>the connection to the device was lost</source>
        <translation>utracono połączenie z urządzeniem</translation>
    </message>
    <message>
        <source>the port is in use by another program</source>
        <translation>port jest używany przez inny program</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>to nie jest port szeregowy</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2.</source>
        <translation>nie można utworzyć folderu %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 holds too many backups of this second.</source>
        <translation>folder %1 zawiera zbyt wiele kopii zapasowych z tej sekundy.</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks are not sent: the radio already holds them as they are.</source>
        <translation>
            <numerusform>%n blok nie jest wysyłany: radiotelefon już go zawiera w tej postaci.</numerusform>
            <numerusform>%n bloki nie są wysyłane: radiotelefon już je zawiera w tej postaci.</numerusform>
            <numerusform>%n bloków nie jest wysyłanych: radiotelefon już je zawiera w tej postaci.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio already holds all of it; nothing was sent.</source>
        <translation>Radiotelefon już zawiera wszystko; nic nie zostało wysłane.</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the language of this translation, in that language</comment>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Save diagnostic report...</source>
        <translation>Zapisz raport diagnostyczny...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>The diagnostic report was saved to %1.</source>
        <translation>Raport diagnostyczny zapisano w %1.</translation>
    </message>
    <message>
        <source>USB adapter %1</source>
        <translation>adapter USB %1</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>brak takiego urządzenia</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>wbudowany port szeregowy</translation>
    </message>
    <message>
        <source>built-in serial port where no hardware answers</source>
        <translation>wbudowany port szeregowy, na którym nie odpowiada żaden sprzęt</translation>
    </message>
    <message>
        <source>pseudo-terminal: a program, not a cable</source>
        <translation>pseudoterminal: program, a nie kabel</translation>
    </message>
    <message>
        <source>the system says nothing of this device</source>
        <translation>system nic nie mówi o tym urządzeniu</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>sterownik %1</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>timer opóźnienia %1 ms</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Test radio connection...</source>
        <translation>Testuj połączenie z radiem...</translation>
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
        <translation>pierwsza tabela tonów</translation>
    </message>
    <message>
        <source>the second tone index table</source>
        <translation>druga tabela tonów</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>ustawienia</translation>
    </message>
    <message>
        <source>The radio lets %1 be read.</source>
        <translation>Do odczytu: %1.</translation>
    </message>
    <message>
        <source>The radio lets only %1 of the %2 reads of %3 be read.</source>
        <translation>Tylko częściowo do odczytu (%1 z %2 odczytów): %3.</translation>
    </message>
    <message>
        <source>The radio refuses reads of %1 (15).</source>
        <translation>Radio odmawia odczytu (15): %1.</translation>
    </message>
    <message>
        <source>The radio does not answer reads of %1.</source>
        <translation>Radio nie odpowiada na odczyt: %1.</translation>
    </message>
    <message>
        <source>The radio answers reads of %1 with other bytes than the blocks.</source>
        <translation>Radio odpowiada na odczyt innymi bajtami niż bloki: %1.</translation>
    </message>
    <message>
        <source>Radio: HT-446%1 (identity %2).</source>
        <translation>Radio: HT-446%1 (identyfikator %2).</translation>
    </message>
    <message>
        <source>The radio&apos;s answer to the programming command: %1</source>
        <translation>Odpowiedź radia na polecenie programowania: %1</translation>
    </message>
    <message>
        <source>Reaction time of the radio: least %1 ms, median %2 ms, most %3 ms, against the %4 ms quiet gap.</source>
        <translation>Czas reakcji radia: najkrótszy %1 ms, mediana %2 ms, najdłuższy %3 ms, wobec %4 ms przerwy ciszy.</translation>
    </message>
    <message>
        <source>Longest pause inside a reply: %1 ms, against the %2 ms quiet gap.</source>
        <translation>Najdłuższa przerwa wewnątrz odpowiedzi: %1 ms, wobec %2 ms przerwy ciszy.</translation>
    </message>
    <message>
        <source>Not ready to write: %1 cannot be read whole.</source>
        <translation>Niegotowe do zapisu, nie da się odczytać w całości: %1.</translation>
    </message>
    <message>
        <source>Ready to write: the radio answers in time and lets its channels and settings be read.</source>
        <translation>Gotowe do zapisu: radio odpowiada na czas i pozwala odczytać kanały oraz ustawienia.</translation>
    </message>
    <message>
        <source>Not ready to write: the radio answers with an HT-446 identity that Vexalon does not know. Please send the developers a diagnostic report of this test.</source>
        <translation>Niegotowe do zapisu: radio odpowiada identyfikatorem HT-446, którego Vexalon nie zna. Wyślij twórcom raport diagnostyczny z tego testu.</translation>
    </message>
    <message>
        <source>Not ready to write safely: the radio&apos;s replies leave less than %1 ms of the %2 ms quiet gap, which a busy computer may cut.</source>
        <translation>Niegotowe do bezpiecznego zapisu: odpowiedzi radia zostawiają mniej niż %1 ms z %2 ms przerwy ciszy, a zajęty komputer może je uciąć.</translation>
    </message>
    <message>
        <source>Compare radio with this plan...</source>
        <translation>Porównaj radio z tym planem...</translation>
    </message>
    <message>
        <source>All plan files (*.ini *.csv)</source>
        <translation>Wszystkie pliki planów (*.ini *.csv)</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first.</source>
        <translation>Najpierw wybierz port szeregowy radia.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <source>The window holds edits that were neither saved nor written to the radio. Close without saving them?</source>
        <translation>Okno zawiera zmiany, które nie zostały zapisane ani wgrane do radia. Zamknąć bez zapisywania?</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the backup holds the rest.</source>
        <translation>To radio nie pozwala odczytać: %1. Kopia zapasowa zawiera resztę.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the rest is compared.</source>
        <translation>To radio nie pozwala odczytać: %1. Porównywana jest reszta.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back; it acknowledged every block written there.</source>
        <translation>To radio nie pozwala odczytać z powrotem: %1. Potwierdziło każdy zapisany tam blok.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back, and it did not acknowledge every block written there.</source>
        <translation>To radio nie pozwala odczytać z powrotem: %1. Nie potwierdziło każdego zapisanego tam bloku.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes the radio does not let be read back were not acknowledged; write again.</source>
        <translation>
            <numerusform>Zakończono z błędami: radio nie potwierdziło %n zapisu, którego nie pozwala odczytać z powrotem; zapisz ponownie.</numerusform>
            <numerusform>Zakończono z błędami: radio nie potwierdziło %n zapisów, których nie pozwala odczytać z powrotem; zapisz ponownie.</numerusform>
            <numerusform>Zakończono z błędami: radio nie potwierdziło %n zapisów, których nie pozwala odczytać z powrotem; zapisz ponownie.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup holds nothing of %1, which the radio does not let be read; they are made from bank 0, as a write makes them.</source>
        <translation>Kopia zapasowa nie zawiera tego, czego radio nie pozwala odczytać: %1. Te części powstają z banku 0, tak jak przy zapisie.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the plan %4.</source>
        <translation>[!] %1: %2: radio zawiera %3, plan %4.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the backup %4.</source>
        <translation>[!] %1: %2: radio zawiera %3, kopia zapasowa %4.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the plan %3.</source>
        <translation>[!] %1: radio zawiera %2, plan %3.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the backup %3.</source>
        <translation>[!] %1: radio zawiera %2, kopia zapasowa %3.</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>częstotliwość RX</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>częstotliwość TX</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>ton RX</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>ton TX</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanał %1</translation>
    </message>
    <message>
        <source>Channel %1 (bank 1 copy)</source>
        <translation>Kanał %1 (kopia w banku 1)</translation>
    </message>
    <message>
        <source>flags and closing bytes</source>
        <translation>flagi i bajty końcowe</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the plan %3.</source>
        <translation>[!] %1 radio zawiera %2, plan %3.</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the backup %3.</source>
        <translation>[!] %1 radio zawiera %2, kopia zapasowa %3.</translation>
    </message>
    <message>
        <source>the channel 0 slot of bank %1</source>
        <translation>miejsce kanału 0 w banku %1</translation>
    </message>
    <message>
        <source>the block at %1</source>
        <translation>blok pod adresem %1</translation>
    </message>
    <message>
        <source>The clipboard holds no channel line in CHIRP&apos;s CSV layout; nothing was pasted.</source>
        <translation>Schowek nie zawiera wiersza kanału w formacie CSV programu CHIRP; nic nie wklejono.</translation>
    </message>
    <message>
        <source>A channel not in use has nothing to copy.</source>
        <translation>Nieużywany kanał nie ma nic do skopiowania.</translation>
    </message>
    <message>
        <source>The pasted channel&apos;s frequency is no PMR446 channel; advanced mode takes it. Nothing was pasted.</source>
        <translation>Częstotliwość wklejonego kanału nie jest kanałem PMR446; tryb zaawansowany ją przyjmie. Nic nie wklejono.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Vexalon</name>
    <message>
        <source>To operate the radio outside license-free frequencies, you are REQUIRED to be a licensed radio amateur. You can render your radio illegal for you to operate, or damage the radio with invalid settings. YOU DO THIS ON YOUR OWN RESPONSIBILITY.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Advanced mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (PMR %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (invalid)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX QT/DQT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX QT/DQT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy lockout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HT-446 channel card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch is the position of the channel knob.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut along the dashed line and keep the card with the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HT-446 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to draw the channel card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as CTCSS but in the radio maker&apos;s terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX channel / frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT / DQT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX channel / frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifts oscillator frequency to prevent certain harmonics in audio, or something</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel busy lockout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defines what the Monitor button below PTT does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defines whether radio beeps on certain functions, but this does not mean roger beep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It says battery saving, it probably will save battery. No idea how.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enables or disables self-programming mode on the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn on advanced mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum time you can transmit continuously.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If your transmission is timed out, this is the time you need to wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you stop transmission before timing out, this is the time you need to wait before timer is reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you are a licensed radio amateur, you may turn on advanced mode to configure channel frequencies outside the usual PMR446 frequency range.

Frequencies are given in Hz instead of PMR446 channels in drop-down list. Actual frequency range depends on your radio: some say radios has 430 - 490 MHz range, but my radios has 422 - 455 MHz range. Radio will beep continuously if it can&apos;t tune to receive frequency, and beeps once refusing to transmit if it can&apos;t tune to transmit frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load frequencies from file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load frequencies + settings from file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save frequencies to file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save frequencies + settings to file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save channel card as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore radio from backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration files (*.ini)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHIRP CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vexalon radio backups (*.vxbackup)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read radio settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other settings and info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write radio settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select serial port to use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load / save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A CSV file holds no settings: only the channels were saved. Save to an INI file to keep the settings too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been read from the radio, loaded from a file or edited since the program started. Writing now replaces all 15 channels in the radio with empty channels and its settings with the ones shown.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first, then its backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the radio from the backup of an HT-446%1 taken on %2?<byte value="xd"/>
<byte value="xd"/>
This replaces every channel and the settings in the radio with the ones in the backup. A backup of what the radio holds now is taken first. The window stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep tones:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery saving:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self-programming:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time out timer (TOT):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT rekey time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT reset time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor momentary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch off momentary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING! This is experimental software: works for me but might not for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with selecting serial port from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing when the transfer has finished...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port %1 is no longer there. Plug the cable in again or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time out timer (TOT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT rekey time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT reset time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio not connected or turned on. Cable needs to be connected and radio turned on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No response from serial port. Check you are using the right port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown response from radio: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Your user needs access to serial devices (on Debian: membership of the group dialout).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost the connection to the radio. Check the cable and the radio, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line from the radio never falls quiet. Check the cable and the port, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before the end, as asked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: the settings could not be read; they keep their earlier values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: channel %1 and the settings could not be read; they keep their earlier values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: channels %1 and the settings could not be read; they keep their earlier values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: channel %1 could not be read; it keeps its earlier values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: channels %1 could not be read; they keep their earlier values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 block read back different from what was written. What the radio held before is in %2; restore it or write again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 blocks read back different from what was written. What the radio held before is in %2; restore it or write again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 block read back different from what was written; write again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 blocks read back different from what was written; write again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 block could not be read back, so the write is not verified. What the radio held before is in %2; read the radio to check it, or restore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 blocks could not be read back, so the write is not verified. What the radio held before is in %2; read the radio to check it, or restore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 block could not be read back, so the write is not verified; read the radio to check it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 blocks could not be read back, so the write is not verified; read the radio to check it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 write was not acknowledged, although the radio holds what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 writes were not acknowledged, although the radio holds what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected. Reading will take few seconds, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading channels...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read channel %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[!] The radio holds %1 for &quot;%2&quot;, which is not in its list. A write stores FF there unless you choose a value first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected, continuing. This takes few seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a backup of the radio before it and a check after it, the write takes about %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up what the radio holds...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the radio held is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s block at %1 could not be read, so no backup was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s blocks at %1 could not be read, so no backup was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup of the radio could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Without a backup, what the radio holds now cannot be put back. Write anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing channels...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ch %1 QT/DQT failed, unknown response from radio: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ch %1 frequency failed, unknown response from radio: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing DT/QDT settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking what the radio holds now...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[!] The block at %1 reads back as %2 instead of %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[!] The block at %1 could not be read back, so it is not verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz RX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[!] Ch %1 holds %2, which normal mode cannot show. Writing from normal mode will clear it; advanced mode keeps it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[!] Ch %1 RX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[!] Ch %1 TX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 blocks were written; the radio may now hold a mix of old and new channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the radio held before is in %1; restore it once the radio answers again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This backup is of an HT-446%1, but the radio on the port is an HT-446%2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written; the radio keeps what it held.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 block differs from what the plan would write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 blocks differ from what the plan would write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 block could not be read, so the check is not complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: %1 blocks could not be read, so the check is not complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio holds what the plan would write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with errors: no backup was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Vexalon</name>
    <message>
        <source>To operate the radio outside license-free frequencies, you are REQUIRED to be a licensed radio amateur. You can render your radio illegal for you to operate, or damage the radio with invalid settings. YOU DO THIS ON YOUR OWN RESPONSIBILITY.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to continue?</source>
        <translation>Para usar la radio fuera de las frecuencias de uso libre es OBLIGATORIO ser radioaficionado con licencia. Puede hacer que usar su radio le sea ilegal, o dañarla con ajustes no válidos. LO HACE BAJO SU PROPIA RESPONSABILIDAD.<byte value="xd"/>
<byte value="xd"/>
¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source> - Advanced mode</source>
        <translation> - Modo avanzado</translation>
    </message>
    <message>
        <source>RX frequency (Hz)</source>
        <translation>Frecuencia RX (Hz)</translation>
    </message>
    <message>
        <source>TX frequency (Hz)</source>
        <translation>Frecuencia TX (Hz)</translation>
    </message>
    <message>
        <source> (PMR %1)</source>
        <translation> (PMR %1)</translation>
    </message>
    <message>
        <source> (invalid)</source>
        <translation> (no válida)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
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
        <translation>Despl.</translation>
    </message>
    <message>
        <source>Busy lockout</source>
        <translation>Bloqueo ocupado</translation>
    </message>
    <message>
        <source>HT-446 channel card</source>
        <translation>Tarjeta de canales HT-446</translation>
    </message>
    <message>
        <source>Plan file: </source>
        <translation>Archivo del plan de canales: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Ch is the position of the channel knob.</source>
        <translation>«Can.» es la posición del selector de canales.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Cut along the dashed line and keep the card with the radio.</source>
        <translation>Recorte por la línea discontinua y guarde la tarjeta con la radio.</translation>
    </message>
    <message>
        <source>HT-446 channels</source>
        <translation>Canales HT-446</translation>
    </message>
    <message>
        <source>Unable to draw the channel card.</source>
        <translation>No se puede generar la tarjeta de canales.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>No se puede escribir en %1.</translation>
    </message>
    <message>
        <source>Ch #%1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Same as CTCSS but in the radio maker&apos;s terms</source>
        <translation>Equivale a CTCSS (QT) y DCS (DQT), con los términos del fabricante de la radio</translation>
    </message>
    <message>
        <source>RX channel / frequency</source>
        <translation>Canal / frecuencia RX</translation>
    </message>
    <message>
        <source>QT / DQT</source>
        <translation>QT / DQT</translation>
    </message>
    <message>
        <source>TX channel / frequency</source>
        <translation>Canal / frecuencia TX</translation>
    </message>
    <message>
        <source>Shifts oscillator frequency to prevent certain harmonics in audio, or something</source>
        <translation>Desplaza la frecuencia del oscilador para evitar ciertos armónicos en el audio, o algo así</translation>
    </message>
    <message>
        <source>Busy lock.</source>
        <translation>Bloq. ocup.</translation>
    </message>
    <message>
        <source>Channel busy lockout</source>
        <translation>Bloqueo de canal ocupado (BCL)</translation>
    </message>
    <message>
        <source>Defines what the Monitor button below PTT does.</source>
        <translation>Define qué hace la tecla Monitor situada bajo el PTT.</translation>
    </message>
    <message>
        <source>Squelch.</source>
        <translation>Nivel de squelch.</translation>
    </message>
    <message>
        <source>Defines whether radio beeps on certain functions, but this does not mean roger beep.</source>
        <translation>Define si la radio pita con ciertas funciones, pero no se trata del roger beep.</translation>
    </message>
    <message>
        <source>It says battery saving, it probably will save battery. No idea how.</source>
        <translation>Dice ahorro de batería, así que probablemente ahorra batería. Ni idea de cómo.</translation>
    </message>
    <message>
        <source>Enables or disables self-programming mode on the radio.</source>
        <translation>Activa o desactiva el modo de autoprogramación de la radio.</translation>
    </message>
    <message>
        <source>Turn on advanced mode</source>
        <translation>Activar modo avanzado</translation>
    </message>
    <message>
        <source>Maximum time you can transmit continuously.</source>
        <translation>Tiempo máximo de transmisión continua.</translation>
    </message>
    <message>
        <source>If your transmission is timed out, this is the time you need to wait.</source>
        <translation>Si el temporizador ha cortado su transmisión, es el tiempo que debe esperar para volver a transmitir.</translation>
    </message>
    <message>
        <source>If you stop transmission before timing out, this is the time you need to wait before timer is reset.</source>
        <translation>Si deja de transmitir antes de que venza el temporizador, es el tiempo que debe esperar para que el temporizador se reinicie.</translation>
    </message>
    <message>
        <source>If you are a licensed radio amateur, you may turn on advanced mode to configure channel frequencies outside the usual PMR446 frequency range.

Frequencies are given in Hz instead of PMR446 channels in drop-down list. Actual frequency range depends on your radio: some say radios has 430 - 490 MHz range, but my radios has 422 - 455 MHz range. Radio will beep continuously if it can&apos;t tune to receive frequency, and beeps once refusing to transmit if it can&apos;t tune to transmit frequency.</source>
        <translation>Si es radioaficionado con licencia, puede activar el modo avanzado para configurar frecuencias de canal fuera del rango PMR446 habitual.

Las frecuencias se indican en Hz en lugar de elegir canales PMR446 en la lista desplegable. El rango de frecuencias real depende de su radio: hay quien dice que estas radios cubren 430 - 490 MHz, pero las mías cubren 422 - 455 MHz. La radio pita sin parar si no puede sintonizar la frecuencia de recepción, y pita una vez negándose a transmitir si no puede sintonizar la frecuencia de transmisión.</translation>
    </message>
    <message>
        <source>Load frequencies from file...</source>
        <translation>Cargar frecuencias desde archivo...</translation>
    </message>
    <message>
        <source>Load frequencies + settings from file...</source>
        <translation>Cargar frecuencias + ajustes desde archivo...</translation>
    </message>
    <message>
        <source>Save frequencies to file...</source>
        <translation>Guardar frecuencias en archivo...</translation>
    </message>
    <message>
        <source>Save frequencies + settings to file...</source>
        <translation>Guardar frecuencias + ajustes en archivo...</translation>
    </message>
    <message>
        <source>Save channel card as PDF...</source>
        <translation>Guardar tarjeta de canales como PDF...</translation>
    </message>
    <message>
        <source>Restore radio from backup...</source>
        <translation>Restaurar radio desde copia de seguridad...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Configuration files (*.ini)</source>
        <translation>Archivos de configuración (*.ini)</translation>
    </message>
    <message>
        <source>CHIRP CSV files (*.csv)</source>
        <translation>Archivos CSV de CHIRP (*.csv)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Vexalon radio backups (*.vxbackup)</source>
        <translation>Copias de seguridad de radio Vexalon (*.vxbackup)</translation>
    </message>
    <message>
        <source>&amp;Read radio settings</source>
        <translation>&amp;Leer de la radio</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canales</translation>
    </message>
    <message>
        <source>&amp;Other settings and info</source>
        <translation>&amp;Otros ajustes e info</translation>
    </message>
    <message>
        <source>&amp;Write radio settings</source>
        <translation>&amp;Escribir en la radio</translation>
    </message>
    <message>
        <source>Select serial port to use</source>
        <translation>Seleccione el puerto serie que va a usar</translation>
    </message>
    <message>
        <source>&amp;Load / save</source>
        <translation>Cargar / &amp;guardar</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Pto.:</translation>
    </message>
    <message>
        <source>A CSV file holds no settings: only the channels were saved. Save to an INI file to keep the settings too.</source>
        <translation>Un archivo CSV no guarda ajustes: solo se han guardado los canales. Guarde en un archivo INI para conservar también los ajustes.</translation>
    </message>
    <message>
        <source>Nothing has been read from the radio, loaded from a file or edited since the program started. Writing now replaces all 15 channels in the radio with empty channels and its settings with the ones shown.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>Desde que se inició el programa no se ha leído nada de la radio, ni cargado de un archivo, ni editado. Si escribe ahora, los 15 canales de la radio se sustituirán por canales vacíos y sus ajustes por los que se muestran.<byte value="xd"/>
<byte value="xd"/>
¿Escribir de todos modos?</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first, then its backup.</source>
        <translation>Elija primero el puerto serie de la radio y después su copia de seguridad.</translation>
    </message>
    <message>
        <source>Restore the radio from the backup of an HT-446%1 taken on %2?<byte value="xd"/>
<byte value="xd"/>
This replaces every channel and the settings in the radio with the ones in the backup. A backup of what the radio holds now is taken first. The window stays as it is.</source>
        <translation>¿Restaurar la radio desde la copia de seguridad de un HT-446%1 hecha el %2?<byte value="xd"/>
<byte value="xd"/>
Todos los canales y los ajustes de la radio se sustituirán por los de la copia. Antes se hace una copia de seguridad de lo que contiene ahora la radio. La ventana queda como está.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Monitor key:</source>
        <translation>Tecla Monitor:</translation>
    </message>
    <message>
        <source>Squelch level:</source>
        <translation>Squelch:</translation>
    </message>
    <message>
        <source>Beep tones:</source>
        <translation>Tonos de aviso:</translation>
    </message>
    <message>
        <source>Battery saving:</source>
        <translation>Ahorro de batería:</translation>
    </message>
    <message>
        <source>Self-programming:</source>
        <translation>Autoprogramación:</translation>
    </message>
    <message>
        <source>Time out timer (TOT):</source>
        <translation>Temporizador TX (TOT):</translation>
    </message>
    <message>
        <source>TOT rekey time:</source>
        <translation>Espera tras TOT:</translation>
    </message>
    <message>
        <source>TOT reset time:</source>
        <translation>Reinicio TOT:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Monitor momentary</source>
        <translation>Monitor momentáneo</translation>
    </message>
    <message>
        <source>Monitor lock</source>
        <translation>Monitor bloqueado</translation>
    </message>
    <message>
        <source>Squelch off momentary</source>
        <translation>Squelch abierto moment.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>WARNING! This is experimental software: works for me but might not for you.</source>
        <translation>¡ATENCIÓN! Este software es experimental: a mí me funciona, pero puede que a usted no.</translation>
    </message>
    <message>
        <source>Start with selecting serial port from the list.</source>
        <translation>Empiece eligiendo el puerto serie en la lista.</translation>
    </message>
    <message>
        <source>Closing when the transfer has finished...</source>
        <translation>Se cerrará cuando termine la transferencia...</translation>
    </message>
    <message>
        <source>The serial port %1 is no longer there. Plug the cable in again or choose another port.</source>
        <translation>El puerto serie %1 ya no está. Vuelva a conectar el cable o elija otro puerto.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Monitor key</source>
        <translation>Tecla Monitor</translation>
    </message>
    <message>
        <source>Time out timer (TOT)</source>
        <translation>Temporizador de transmisión (TOT)</translation>
    </message>
    <message>
        <source>TOT rekey time</source>
        <translation>Espera tras TOT</translation>
    </message>
    <message>
        <source>TOT reset time</source>
        <translation>Reinicio TOT</translation>
    </message>
    <message>
        <source>Radio not connected or turned on. Cable needs to be connected and radio turned on.</source>
        <translation>Radio no conectada o apagada. El cable debe estar conectado y la radio encendida.</translation>
    </message>
    <message>
        <source>No response from serial port. Check you are using the right port.</source>
        <translation>No hay respuesta del puerto serie. Compruebe que usa el puerto correcto.</translation>
    </message>
    <message>
        <source>Unknown response from radio: %1</source>
        <translation>Respuesta desconocida de la radio: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>%1. Your user needs access to serial devices (on Debian: membership of the group dialout).</source>
        <translation>%1. Su usuario necesita acceso a los dispositivos serie (en Debian: pertenecer al grupo dialout).</translation>
    </message>
    <message>
        <source>Lost the connection to the radio. Check the cable and the radio, then try again.</source>
        <translation>Se perdió la conexión con la radio. Compruebe el cable y la radio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The line from the radio never falls quiet. Check the cable and the port, then try again.</source>
        <translation>La línea de la radio nunca queda en silencio. Compruebe el cable y el puerto y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Stopped before the end, as asked.</source>
        <translation>Detenido antes del final, como se pidió.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>Finished with errors: the settings could not be read; they keep their earlier values.</source>
        <translation>Terminado con errores: no se pudieron leer los ajustes; conservan sus valores anteriores.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 and the settings could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Terminado con errores: no se pudieron leer el canal %1 ni los ajustes; conservan sus valores anteriores.</numerusform>
            <numerusform>Terminado con errores: no se pudieron leer los canales %1 ni los ajustes; conservan sus valores anteriores.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Terminado con errores: no se pudo leer el canal %1; conserva sus valores anteriores.</numerusform>
            <numerusform>Terminado con errores: no se pudieron leer los canales %1; conservan sus valores anteriores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>Verificado: la radio contiene lo que se escribió.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected. Reading will take few seconds, please wait...</source>
        <translation>Detectada radio HT-446%1 compatible. La lectura tardará unos segundos, espere...</translation>
    </message>
    <message>
        <source>Reading channels...</source>
        <translation>Leyendo canales...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read channel %1.</source>
        <translation>[!] No se pudo leer el canal %1.</translation>
    </message>
    <message>
        <source>Reading settings...</source>
        <translation>Leyendo ajustes...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read settings.</source>
        <translation>[!] No se pudieron leer los ajustes.</translation>
    </message>
    <message>
        <source>[!] The radio holds %1 for &quot;%2&quot;, which is not in its list. A write stores FF there unless you choose a value first.</source>
        <translation>[!] La radio contiene %1 para «%2», un valor que no está en su lista. Al escribir se guardará FF, salvo que antes elija un valor.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected, continuing. This takes few seconds.</source>
        <translation>Detectada radio HT-446%1 compatible, continuando. Tardará unos segundos.</translation>
    </message>
    <message>
        <source>With a backup of the radio before it and a check after it, the write takes about %1 seconds.</source>
        <translation>Con una copia de seguridad de la radio antes y una comprobación después, la escritura tarda unos %1 segundos.</translation>
    </message>
    <message>
        <source>Backing up what the radio holds...</source>
        <translation>Haciendo copia de seguridad de la radio...</translation>
    </message>
    <message>
        <source>What the radio held is kept in %1.</source>
        <translation>Lo que contenía la radio se ha guardado en %1.</translation>
    </message>
    <message numerus="yes">
        <source>The radio&apos;s blocks at %1 could not be read, so no backup was kept.</source>
        <translation>
            <numerusform>No se pudo leer el bloque de la radio en la dirección %1, así que no se guardó ninguna copia de seguridad.</numerusform>
            <numerusform>No se pudieron leer los bloques de la radio en las direcciones %1, así que no se guardó ninguna copia de seguridad.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup of the radio could not be saved: %1</source>
        <translation>No se pudo guardar la copia de seguridad de la radio: %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Without a backup, what the radio holds now cannot be put back. Write anyway?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Sin una copia de seguridad, lo que contiene ahora la radio no se podrá recuperar. ¿Escribir de todos modos?</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected.</source>
        <translation>Detectada radio HT-446%1 compatible.</translation>
    </message>
    <message>
        <source>Writing channels...</source>
        <translation>Escribiendo canales...</translation>
    </message>
    <message>
        <source> Ch %1 QT/DQT failed, unknown response from radio: %2</source>
        <translation> Canal %1: fallo de QT/DQT, respuesta desconocida de la radio: %2</translation>
    </message>
    <message>
        <source> Ch %1 frequency failed, unknown response from radio: %2</source>
        <translation> Canal %1: fallo de la frecuencia, respuesta desconocida de la radio: %2</translation>
    </message>
    <message>
        <source>Writing DT/QDT settings...</source>
        <translation>Escribiendo ajustes QT/DQT...</translation>
    </message>
    <message>
        <source>Writing settings...</source>
        <translation>Escribiendo ajustes...</translation>
    </message>
    <message>
        <source>Checking what the radio holds now...</source>
        <translation>Comprobando lo que contiene ahora la radio...</translation>
    </message>
    <message>
        <source>[!] The block at %1 could not be read back, so it is not verified.</source>
        <translation>[!] No se pudo releer el bloque en la dirección %1, así que no está verificado.</translation>
    </message>
    <message>
        <source>%1 MHz RX</source>
        <translation>%1 MHz en recepción</translation>
    </message>
    <message>
        <source>%1 MHz TX</source>
        <translation>%1 MHz en transmisión</translation>
    </message>
    <message>
        <source>[!] Ch %1 holds %2, which normal mode cannot show. Writing from normal mode will clear it; advanced mode keeps it.</source>
        <translation>[!] El canal %1 contiene %2, que el modo normal no puede mostrar. Al escribir en modo normal se borrará; el modo avanzado lo conserva.</translation>
    </message>
    <message>
        <source>[!] Ch %1 RX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Canal %1: «%2» en recepción no es una frecuencia en Hz (solo dígitos, múltiplo de 10 Hz). No se ha escrito nada.</translation>
    </message>
    <message>
        <source>[!] Ch %1 TX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Canal %1: «%2» en transmisión no es una frecuencia en Hz (solo dígitos, múltiplo de 10 Hz). No se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 of %2 blocks were written; the radio may now hold a mix of old and new channels.</source>
        <translation>Se escribieron %1 de %2 bloques; puede que la radio contenga ahora una mezcla de canales antiguos y nuevos.</translation>
    </message>
    <message>
        <source>What the radio held before is in %1; restore it once the radio answers again.</source>
        <translation>Lo que contenía antes la radio está en %1; restáurelo cuando la radio vuelva a responder.</translation>
    </message>
    <message>
        <source>This backup is of an HT-446%1, but the radio on the port is an HT-446%2. Nothing was written.</source>
        <translation>Esta copia de seguridad es de un HT-446%1, pero la radio conectada al puerto es un HT-446%2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Nothing was written; the radio keeps what it held.</source>
        <translation>No se ha escrito nada; la radio conserva lo que tenía.</translation>
    </message>
    <message>
        <source>The radio holds what the plan would write.</source>
        <translation>La radio contiene lo que escribiría el plan de canales.</translation>
    </message>
    <message>
        <source>Finished with errors: no backup was kept.</source>
        <translation>Terminado con errores: no se guardó ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>Not in use</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup.</source>
        <translation>%1 no es una copia de seguridad de radio de Vexalon.</translation>
    </message>
    <message>
        <source>%1 was made by another version of Vexalon, in a backup format this one does not know.</source>
        <translation>%1 se creó con otra versión de Vexalon, en un formato de copia de seguridad que esta no conoce.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: its checksum does not match what it holds.</source>
        <translation>%1 está dañado o incompleto: su suma de comprobación no coincide con su contenido.</translation>
    </message>
    <message>
        <source>%1 is damaged: its checksum matches, but it does not hold a whole backup.</source>
        <translation>%1 está dañado: su suma de comprobación coincide, pero no contiene una copia de seguridad completa.</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>its RX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>su frecuencia de recepción %1 no es una frecuencia en Hz (solo dígitos, múltiplo de 10 Hz).</translation>
    </message>
    <message>
        <source>its TX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>su frecuencia de transmisión %1 no es una frecuencia en Hz (solo dígitos, múltiplo de 10 Hz).</translation>
    </message>
    <message>
        <source>is not a number of MHz</source>
        <translation>no es un número de MHz</translation>
    </message>
    <message>
        <source>is not above zero</source>
        <translation>no es mayor que cero</translation>
    </message>
    <message>
        <source>is not a whole multiple of 10 Hz</source>
        <translation>no es un múltiplo entero de 10 Hz</translation>
    </message>
    <message>
        <source>is not below 1000 MHz</source>
        <translation>no es inferior a 1000 MHz</translation>
    </message>
    <message>
        <source>the radio has no cross mode %1 (CrossMode).</source>
        <translation>la radio no tiene el modo cruzado %1 (CrossMode).</translation>
    </message>
    <message>
        <source>the radio has no tone mode %1 (Tone).</source>
        <translation>la radio no tiene el modo de tono %1 (Tone).</translation>
    </message>
    <message>
        <source>the radio has no tone %1 Hz (%2).</source>
        <translation>la radio no tiene el subtono %1 Hz (%2).</translation>
    </message>
    <message>
        <source>the radio has no DTCS code %1 (%2).</source>
        <translation>la radio no tiene el código DTCS %1 (%2).</translation>
    </message>
    <message>
        <source>the radio has DTCS codes of normal polarity only (DtcsPolarity %1).</source>
        <translation>la radio solo tiene códigos DTCS de polaridad normal (DtcsPolarity %1).</translation>
    </message>
    <message>
        <source>the RX frequency (Frequency %1) %2.</source>
        <translation>la frecuencia de recepción (Frequency %1) %2.</translation>
    </message>
    <message>
        <source>the offset (Offset %1) is not a number of MHz.</source>
        <translation>el desplazamiento (Offset %1) no es un número de MHz.</translation>
    </message>
    <message>
        <source>Frequency %1 with Duplex %2 and Offset %3</source>
        <translation>Frequency %1 con Duplex %2 y Offset %3</translation>
    </message>
    <message>
        <source>Offset %1 with Duplex &quot;split&quot;</source>
        <translation>Offset %1 con Duplex &quot;split&quot;</translation>
    </message>
    <message>
        <source>Duplex %1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; and &quot;off&quot;.</source>
        <translation>Duplex %1 no es ninguno de los valores &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; y &quot;off&quot;.</translation>
    </message>
    <message>
        <source>the TX frequency (%1) %2.</source>
        <translation>la frecuencia de transmisión (%1) %2.</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1: %2</translation>
    </message>
    <message>
        <source>its TX frequency is set while its RX frequency is not in use; a row holds a TX frequency only beside an RX frequency.</source>
        <translation>su frecuencia de transmisión está fijada mientras la de recepción no está en uso; una fila solo contiene una frecuencia de transmisión junto a una de recepción.</translation>
    </message>
    <message>
        <source>The CSV layout cannot hold these channels:
%1</source>
        <translation>El formato CSV no puede contener estos canales:
%1</translation>
    </message>
    <message>
        <source>This is not a CSV channel plan: %1</source>
        <translation>Esto no es un plan de canales CSV: %1</translation>
    </message>
    <message>
        <source>the quoted field that starts on line %1 is never closed.</source>
        <translation>el campo entre comillas que empieza en la línea %1 nunca se cierra.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>el archivo está vacío.</translation>
    </message>
    <message>
        <source>it has no %1 column.</source>
        <translation>el archivo no tiene la columna %1.</translation>
    </message>
    <message>
        <source>Line %1: location %2 is skipped; the radio has channels 1 to 15.</source>
        <translation>Línea %1: se omite la posición %2; la radio tiene los canales 1 a 15.</translation>
    </message>
    <message>
        <source>Line %1: another row for channel %2 (after line %3) is skipped.</source>
        <translation>Línea %1: se omite otra fila para el canal %2 (tras la línea %3).</translation>
    </message>
    <message>
        <source>Channel %1 (line %2): %3</source>
        <translation>Canal %1 (línea %2): %3</translation>
    </message>
    <message>
        <source>Channel %1 (line %2) is left not in use: %3</source>
        <translation>El canal %1 (línea %2) queda sin usar: %3</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: the file may have been cut short.</source>
        <translation>El campo entre comillas que empieza en la línea %1 nunca se cierra: puede que el archivo esté cortado.</translation>
    </message>
    <message>
        <source>%1 more rows for other locations or repeated channels are skipped.</source>
        <translation>Se omiten %1 filas más para otras posiciones o canales repetidos.</translation>
    </message>
    <message>
        <source>%1 was not written. %2</source>
        <translation>%1 no se ha escrito. %2</translation>
    </message>
    <message>
        <source>%1 was not loaded. %2</source>
        <translation>%1 no se ha cargado. %2</translation>
    </message>
    <message>
        <source>The configuration file did not have settings included, but frequencies had been loaded.</source>
        <translation>El archivo de configuración no incluía ajustes, pero se han cargado las frecuencias.</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan.</source>
        <translation>%1 no es un plan de canales de Vexalon.</translation>
    </message>
    <message>
        <source>This configuration file is save in normal mode but you are in advanced mode.<byte value="xd"/>
Please restart this software to normal mode.</source>
        <translation>Este archivo de configuración se guardó en modo normal, pero usted está en modo avanzado.<byte value="xd"/>
Reinicie el programa en modo normal.</translation>
    </message>
    <message numerus="yes">
        <source>Channels %1 hold frequencies in the radio that normal mode could not show, so the window shows them as not in use. Writing now clears them in the radio.<byte value="xd"/>
<byte value="xd"/>
To keep them, answer No, turn on advanced mode (Other settings and info) and read the radio again.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>
            <numerusform>El canal %1 contiene en la radio una frecuencia que el modo normal no pudo mostrar, por eso la ventana la muestra sin usar. Si escribe ahora, se borrará en la radio.<byte value="xd"/>
<byte value="xd"/>
Para conservarla, responda No, active el modo avanzado (Otros ajustes e info) y vuelva a leer la radio.<byte value="xd"/>
<byte value="xd"/>
¿Escribir de todos modos?</numerusform>
            <numerusform>Los canales %1 contienen en la radio frecuencias que el modo normal no pudo mostrar, por eso la ventana las muestra sin usar. Si escribe ahora, se borrarán en la radio.<byte value="xd"/>
<byte value="xd"/>
Para conservarlas, responda No, active el modo avanzado (Otros ajustes e info) y vuelva a leer la radio.<byte value="xd"/>
<byte value="xd"/>
¿Escribir de todos modos?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup; it is not replaced. Choose another file.</source>
        <translation>%1 no es una copia de seguridad de radio de Vexalon; el archivo no se sustituye. Elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 is not a CSV channel plan; it is not replaced. Choose another file.</source>
        <translation>%1 no es un plan de canales CSV; el archivo no se sustituye. Elija otro archivo.</translation>
    </message>
    <message>
        <source>[%1] is missing.</source>
        <translation>Falta [%1].</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is not a whole number.</source>
        <translation>[%1] %2 %3 no es un número entero.</translation>
    </message>
    <message>
        <source>[%1] %2 has no value.</source>
        <translation>[%1] %2 no tiene valor.</translation>
    </message>
    <message>
        <source>[%1] %2 is missing.</source>
        <translation>Falta [%1] %2.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 lies outside 0 to %4.</source>
        <translation>[%1] %2 %3 está fuera del rango de 0 a %4.</translation>
    </message>
    <message>
        <source>%1 more are missing or cannot be used.</source>
        <translation>Otros %1 faltan o no se pueden usar.</translation>
    </message>
    <message>
        <source>Some of the plan in %1 is missing or cannot be used; these take their defaults:
%2</source>
        <translation>Parte del plan de %1 falta o no se puede usar; se toman los valores predeterminados:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan; the plan is not saved into it. Choose another file.</source>
        <translation>%1 no es un plan de canales de Vexalon; el plan no se guarda en él. Elija otro archivo.</translation>
    </message>
    <message numerus="yes">
        <source>[!] The radio did not acknowledge %n other writes.</source>
        <translation>
            <numerusform>[!] La radio no confirmó %n escritura más.</numerusform>
            <numerusform>[!] La radio no confirmó %n escrituras más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written. What the radio held before is in %1; restore it or write again.</source>
        <translation>
            <numerusform>Terminado con errores: %n bloque releído es distinto de lo escrito. Lo que contenía antes la radio está en %1; restáurelo o vuelva a escribir.</numerusform>
            <numerusform>Terminado con errores: %n bloques releídos son distintos de lo escrito. Lo que contenía antes la radio está en %1; restáurelo o vuelva a escribir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written; write again.</source>
        <translation>
            <numerusform>Terminado con errores: %n bloque releído es distinto de lo escrito; vuelva a escribir.</numerusform>
            <numerusform>Terminado con errores: %n bloques releídos son distintos de lo escrito; vuelva a escribir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified. What the radio held before is in %1; read the radio to check it, or restore it.</source>
        <translation>
            <numerusform>Terminado con errores: no se pudo releer %n bloque, así que la escritura no está verificada. Lo que contenía antes la radio está en %1; lea la radio para comprobarlo, o restáurelo.</numerusform>
            <numerusform>Terminado con errores: no se pudieron releer %n bloques, así que la escritura no está verificada. Lo que contenía antes la radio está en %1; lea la radio para comprobarlo, o restáurelo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified; read the radio to check it.</source>
        <translation>
            <numerusform>Terminado con errores: no se pudo releer %n bloque, así que la escritura no está verificada; lea la radio para comprobarlo.</numerusform>
            <numerusform>Terminado con errores: no se pudieron releer %n bloques, así que la escritura no está verificada; lea la radio para comprobarlo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes were not acknowledged, although the radio holds what was written.</source>
        <translation>
            <numerusform>Terminado con errores: %n escritura no fue confirmada, aunque la radio contiene lo que se escribió.</numerusform>
            <numerusform>Terminado con errores: %n escrituras no fueron confirmadas, aunque la radio contiene lo que se escribió.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks differ from what the plan would write.</source>
        <translation>
            <numerusform>Terminado con errores: %n bloque difiere de lo que escribiría el plan de canales.</numerusform>
            <numerusform>Terminado con errores: %n bloques difieren de lo que escribiría el plan de canales.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read, so the check is not complete.</source>
        <translation>
            <numerusform>Terminado con errores: no se pudo leer %n bloque, así que la comprobación no está completa.</numerusform>
            <numerusform>Terminado con errores: no se pudieron leer %n bloques, así que la comprobación no está completa.</numerusform>
        </translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>el puerto no está abierto</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>el puerto ya está abierto</translation>
    </message>
    <message>
        <source>nothing arrived in time</source>
        <translation>no llegó nada a tiempo</translation>
    </message>
    <message>
        <source>a framing, overrun or parity error on the line</source>
        <translation>un error de trama, de desbordamiento o de paridad en la línea</translation>
    </message>
    <message>
        <source>the connection to the device was lost</source>
        <translation>se perdió la conexión con el dispositivo</translation>
    </message>
    <message>
        <source>the port is in use by another program</source>
        <translation>el puerto está en uso por otro programa</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>no es un puerto serie</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2.</source>
        <translation>no se puede crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 holds too many backups of this second.</source>
        <translation>la carpeta %1 contiene demasiadas copias de seguridad de este segundo.</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks are not sent: the radio already holds them as they are.</source>
        <translation>
            <numerusform>%n bloque no se envía: la radio ya lo contiene tal cual.</numerusform>
            <numerusform>%n bloques no se envían: la radio ya los contiene tal cual.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio already holds all of it; nothing was sent.</source>
        <translation>La radio ya lo contiene todo; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the language of this translation, in that language</comment>
        <translation>Español</translation>
    </message>
    <message>
        <source>Save diagnostic report...</source>
        <translation>Guardar informe de diagnóstico...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>The diagnostic report was saved to %1.</source>
        <translation>El informe de diagnóstico se guardó en %1.</translation>
    </message>
    <message>
        <source>USB adapter %1</source>
        <translation>adaptador USB %1</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>el dispositivo no existe</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>puerto serie integrado</translation>
    </message>
    <message>
        <source>built-in serial port where no hardware answers</source>
        <translation>puerto serie integrado en el que no responde ningún hardware</translation>
    </message>
    <message>
        <source>pseudo-terminal: a program, not a cable</source>
        <translation>pseudoterminal: un programa, no un cable</translation>
    </message>
    <message>
        <source>the system says nothing of this device</source>
        <translation>el sistema no dice nada de este dispositivo</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>controlador %1</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>temporizador de latencia %1 ms</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Test radio connection...</source>
        <translation>Probar conexión con la radio...</translation>
    </message>
    <message>
        <source>bank 0</source>
        <translation>el banco 0</translation>
    </message>
    <message>
        <source>bank 1</source>
        <translation>el banco 1</translation>
    </message>
    <message>
        <source>the first tone index table</source>
        <translation>la primera tabla de tonos</translation>
    </message>
    <message>
        <source>the second tone index table</source>
        <translation>la segunda tabla de tonos</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>los ajustes</translation>
    </message>
    <message>
        <source>The radio lets %1 be read.</source>
        <translation>Se puede leer: %1.</translation>
    </message>
    <message>
        <source>The radio lets only %1 of the %2 reads of %3 be read.</source>
        <translation>Solo se puede leer en parte (%1 de %2 lecturas): %3.</translation>
    </message>
    <message>
        <source>The radio refuses reads of %1 (15).</source>
        <translation>La radio rechaza la lectura (15): %1.</translation>
    </message>
    <message>
        <source>The radio does not answer reads of %1.</source>
        <translation>La radio no responde a la lectura: %1.</translation>
    </message>
    <message>
        <source>The radio answers reads of %1 with other bytes than the blocks.</source>
        <translation>La radio responde a la lectura con otros bytes que los bloques: %1.</translation>
    </message>
    <message>
        <source>Radio: HT-446%1 (identity %2).</source>
        <translation>Radio: HT-446%1 (identidad %2).</translation>
    </message>
    <message>
        <source>The radio&apos;s answer to the programming command: %1</source>
        <translation>Respuesta de la radio a la orden de programación: %1</translation>
    </message>
    <message>
        <source>Reaction time of the radio: least %1 ms, median %2 ms, most %3 ms, against the %4 ms quiet gap.</source>
        <translation>Tiempo de reacción de la radio: mínimo %1 ms, mediana %2 ms, máximo %3 ms, frente a la pausa de silencio de %4 ms.</translation>
    </message>
    <message>
        <source>Longest pause inside a reply: %1 ms, against the %2 ms quiet gap.</source>
        <translation>Pausa más larga dentro de una respuesta: %1 ms, frente a la pausa de silencio de %2 ms.</translation>
    </message>
    <message>
        <source>Not ready to write: %1 cannot be read whole.</source>
        <translation>No está lista para escribir, no se puede leer entero: %1.</translation>
    </message>
    <message>
        <source>Ready to write: the radio answers in time and lets its channels and settings be read.</source>
        <translation>Lista para escribir: la radio responde a tiempo y deja leer sus canales y ajustes.</translation>
    </message>
    <message>
        <source>Not ready to write: the radio answers with an HT-446 identity that Vexalon does not know. Please send the developers a diagnostic report of this test.</source>
        <translation>No está lista para escribir: la radio responde con una identidad HT-446 que Vexalon no conoce. Envíe a los desarrolladores un informe de diagnóstico de esta prueba.</translation>
    </message>
    <message>
        <source>Not ready to write safely: the radio&apos;s replies leave less than %1 ms of the %2 ms quiet gap, which a busy computer may cut.</source>
        <translation>No está lista para escribir con seguridad: las respuestas de la radio dejan menos de %1 ms de los %2 ms de la pausa de silencio, y un ordenador ocupado puede cortarlas.</translation>
    </message>
    <message>
        <source>Compare radio with this plan...</source>
        <translation>Comparar la radio con este plan...</translation>
    </message>
    <message>
        <source>All plan files (*.ini *.csv)</source>
        <translation>Todos los archivos de plan (*.ini *.csv)</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first.</source>
        <translation>Elija primero el puerto serie de la radio.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>The window holds edits that were neither saved nor written to the radio. Close without saving them?</source>
        <translation>La ventana tiene cambios que no se han guardado ni escrito en la radio. ¿Cerrar sin guardarlos?</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the backup holds the rest.</source>
        <translation>Esta radio no permite leer: %1. La copia de seguridad guarda el resto.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the rest is compared.</source>
        <translation>Esta radio no permite leer: %1. Se compara el resto.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back; it acknowledged every block written there.</source>
        <translation>Esta radio no permite volver a leer: %1. Ha confirmado cada bloque escrito allí.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back, and it did not acknowledge every block written there.</source>
        <translation>Esta radio no permite volver a leer: %1. No ha confirmado todos los bloques escritos allí.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes the radio does not let be read back were not acknowledged; write again.</source>
        <translation>
            <numerusform>Terminado con errores: %n escritura que la radio no permite volver a leer no fue confirmada; vuelva a escribir.</numerusform>
            <numerusform>Terminado con errores: %n escrituras que la radio no permite volver a leer no fueron confirmadas; vuelva a escribir.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup holds nothing of %1, which the radio does not let be read; they are made from bank 0, as a write makes them.</source>
        <translation>La copia de seguridad no contiene lo que la radio no permite leer: %1. Se crea a partir del banco 0, como en una escritura.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the plan %4.</source>
        <translation>[!] %1: %2: la radio tiene %3, el plan %4.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the backup %4.</source>
        <translation>[!] %1: %2: la radio tiene %3, la copia de seguridad %4.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the plan %3.</source>
        <translation>[!] %1: la radio tiene %2, el plan %3.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the backup %3.</source>
        <translation>[!] %1: la radio tiene %2, la copia de seguridad %3.</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>frecuencia RX</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>frecuencia TX</translation>
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
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Channel %1 (bank 1 copy)</source>
        <translation>Canal %1 (copia en el banco 1)</translation>
    </message>
    <message>
        <source>flags and closing bytes</source>
        <translation>indicadores y bytes finales</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the plan %3.</source>
        <translation>[!] %1 la radio tiene %2, el plan %3.</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the backup %3.</source>
        <translation>[!] %1 la radio tiene %2, la copia de seguridad %3.</translation>
    </message>
    <message>
        <source>the channel 0 slot of bank %1</source>
        <translation>la posición del canal 0 del banco %1</translation>
    </message>
    <message>
        <source>the block at %1</source>
        <translation>el bloque en %1</translation>
    </message>
    <message>
        <source>The clipboard holds no channel line in CHIRP&apos;s CSV layout; nothing was pasted.</source>
        <translation>El portapapeles no contiene ninguna línea de canal en el formato CSV de CHIRP; no se ha pegado nada.</translation>
    </message>
    <message>
        <source>A channel not in use has nothing to copy.</source>
        <translation>Un canal sin usar no tiene nada que copiar.</translation>
    </message>
    <message>
        <source>The pasted channel&apos;s frequency is no PMR446 channel; advanced mode takes it. Nothing was pasted.</source>
        <translation>La frecuencia del canal pegado no es un canal PMR446; el modo avanzado la admite. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
</TS>

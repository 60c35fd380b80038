<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Vexalon</name>
    <message>
        <source>To operate the radio outside license-free frequencies, you are REQUIRED to be a licensed radio amateur. You can render your radio illegal for you to operate, or damage the radio with invalid settings. YOU DO THIS ON YOUR OWN RESPONSIBILITY.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to continue?</source>
        <translation>Pour utiliser la radio en dehors des fréquences libres de licence, vous DEVEZ être radioamateur titulaire d&apos;une licence. Vous risquez de rendre l&apos;utilisation de votre radio illégale pour vous, ou de l&apos;endommager avec des réglages non valides. VOUS LE FAITES SOUS VOTRE PROPRE RESPONSABILITÉ.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source> - Advanced mode</source>
        <translation> - Mode avancé</translation>
    </message>
    <message>
        <source>RX frequency (Hz)</source>
        <translation>Fréquence RX (Hz)</translation>
    </message>
    <message>
        <source>TX frequency (Hz)</source>
        <translation>Fréquence TX (Hz)</translation>
    </message>
    <message>
        <source> (PMR %1)</source>
        <translation> (PMR %1)</translation>
    </message>
    <message>
        <source> (invalid)</source>
        <translation> (non valide)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
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
        <translation>Décal.</translation>
    </message>
    <message>
        <source>Busy lockout</source>
        <translation>Verrou occupé</translation>
    </message>
    <message>
        <source>HT-446 channel card</source>
        <translation>Fiche des canaux HT-446</translation>
    </message>
    <message>
        <source>Plan file: </source>
        <translation>Fichier du plan de canaux&#xa0;: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date&#xa0;: </translation>
    </message>
    <message>
        <source>Ch is the position of the channel knob.</source>
        <translation>«&#xa0;Can.&#xa0;» est la position du sélecteur de canaux.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Cut along the dashed line and keep the card with the radio.</source>
        <translation>Découpez le long des pointillés et gardez la fiche avec la radio.</translation>
    </message>
    <message>
        <source>HT-446 channels</source>
        <translation>Canaux HT-446</translation>
    </message>
    <message>
        <source>Unable to draw the channel card.</source>
        <translation>Impossible de générer la fiche des canaux.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Impossible d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>Ch #%1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Same as CTCSS but in the radio maker&apos;s terms</source>
        <translation>Équivalent de CTCSS (QT) et DCS (DQT), dans les termes du fabricant de la radio</translation>
    </message>
    <message>
        <source>RX channel / frequency</source>
        <translation>Canal / fréquence RX</translation>
    </message>
    <message>
        <source>QT / DQT</source>
        <translation>QT / DQT</translation>
    </message>
    <message>
        <source>TX channel / frequency</source>
        <translation>Canal / fréquence TX</translation>
    </message>
    <message>
        <source>Shifts oscillator frequency to prevent certain harmonics in audio, or something</source>
        <translation>Décale la fréquence de l&apos;oscillateur pour éviter certaines harmoniques dans l&apos;audio, ou quelque chose comme ça</translation>
    </message>
    <message>
        <source>Busy lock.</source>
        <translation>Verr. occ.</translation>
    </message>
    <message>
        <source>Channel busy lockout</source>
        <translation>Verrouillage canal occupé (BCL)</translation>
    </message>
    <message>
        <source>Defines what the Monitor button below PTT does.</source>
        <translation>Définit l&apos;action de la touche Monitor située sous le PTT.</translation>
    </message>
    <message>
        <source>Squelch.</source>
        <translation>Niveau de squelch.</translation>
    </message>
    <message>
        <source>Defines whether radio beeps on certain functions, but this does not mean roger beep.</source>
        <translation>Définit si la radio émet un bip pour certaines fonctions&#xa0;; il ne s&apos;agit pas du roger bip.</translation>
    </message>
    <message>
        <source>It says battery saving, it probably will save battery. No idea how.</source>
        <translation>C&apos;est écrit «&#xa0;économie de batterie&#xa0;», ça économise sans doute la batterie. Comment, aucune idée.</translation>
    </message>
    <message>
        <source>Enables or disables self-programming mode on the radio.</source>
        <translation>Active ou désactive le mode d&apos;auto-programmation de la radio.</translation>
    </message>
    <message>
        <source>Turn on advanced mode</source>
        <translation>Activer le mode avancé</translation>
    </message>
    <message>
        <source>Maximum time you can transmit continuously.</source>
        <translation>Durée maximale d&apos;émission continue.</translation>
    </message>
    <message>
        <source>If your transmission is timed out, this is the time you need to wait.</source>
        <translation>Si votre émission a été coupée par la minuterie, c&apos;est le temps à attendre avant de pouvoir réémettre.</translation>
    </message>
    <message>
        <source>If you stop transmission before timing out, this is the time you need to wait before timer is reset.</source>
        <translation>Si vous arrêtez d&apos;émettre avant la coupure, c&apos;est le temps à attendre avant que la minuterie soit remise à zéro.</translation>
    </message>
    <message>
        <source>If you are a licensed radio amateur, you may turn on advanced mode to configure channel frequencies outside the usual PMR446 frequency range.

Frequencies are given in Hz instead of PMR446 channels in drop-down list. Actual frequency range depends on your radio: some say radios has 430 - 490 MHz range, but my radios has 422 - 455 MHz range. Radio will beep continuously if it can&apos;t tune to receive frequency, and beeps once refusing to transmit if it can&apos;t tune to transmit frequency.</source>
        <translation>Si vous êtes radioamateur titulaire d&apos;une licence, vous pouvez activer le mode avancé pour configurer des fréquences de canal hors de la plage PMR446 habituelle.

Les fréquences sont alors saisies en Hz au lieu de choisir des canaux PMR446 dans la liste déroulante. La plage de fréquences réelle dépend de votre radio&#xa0;: certains disent que ces radios couvrent 430 - 490 MHz, mais les miennes couvrent 422 - 455 MHz. La radio bipe en continu si elle ne peut pas se caler sur la fréquence de réception, et bipe une fois en refusant d&apos;émettre si elle ne peut pas se caler sur la fréquence d&apos;émission.</translation>
    </message>
    <message>
        <source>Load frequencies from file...</source>
        <translation>Charger les fréquences depuis un fichier...</translation>
    </message>
    <message>
        <source>Load frequencies + settings from file...</source>
        <translation>Charger fréquences + réglages depuis un fichier...</translation>
    </message>
    <message>
        <source>Save frequencies to file...</source>
        <translation>Enregistrer les fréquences dans un fichier...</translation>
    </message>
    <message>
        <source>Save frequencies + settings to file...</source>
        <translation>Enregistrer fréquences + réglages dans un fichier...</translation>
    </message>
    <message>
        <source>Save channel card as PDF...</source>
        <translation>Enregistrer la fiche des canaux en PDF...</translation>
    </message>
    <message>
        <source>Restore radio from backup...</source>
        <translation>Restaurer la radio depuis une sauvegarde...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Configuration files (*.ini)</source>
        <translation>Fichiers de configuration (*.ini)</translation>
    </message>
    <message>
        <source>CHIRP CSV files (*.csv)</source>
        <translation>Fichiers CSV CHIRP (*.csv)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Vexalon radio backups (*.vxbackup)</source>
        <translation>Sauvegardes de radio Vexalon (*.vxbackup)</translation>
    </message>
    <message>
        <source>&amp;Read radio settings</source>
        <translation>&amp;Lire la radio</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canaux</translation>
    </message>
    <message>
        <source>&amp;Other settings and info</source>
        <translation>&amp;Autres réglages et infos</translation>
    </message>
    <message>
        <source>&amp;Write radio settings</source>
        <translation>Éc&amp;rire dans la radio</translation>
    </message>
    <message>
        <source>Select serial port to use</source>
        <translation>Choisissez le port série à utiliser</translation>
    </message>
    <message>
        <source>&amp;Load / save</source>
        <translation>Charger / &amp;enreg.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>A CSV file holds no settings: only the channels were saved. Save to an INI file to keep the settings too.</source>
        <translation>Un fichier CSV ne contient pas de réglages&#xa0;: seuls les canaux ont été enregistrés. Enregistrez dans un fichier INI pour conserver aussi les réglages.</translation>
    </message>
    <message>
        <source>Nothing has been read from the radio, loaded from a file or edited since the program started. Writing now replaces all 15 channels in the radio with empty channels and its settings with the ones shown.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>Depuis le démarrage du programme, rien n&apos;a été lu dans la radio, chargé depuis un fichier ni modifié. Écrire maintenant remplace les 15 canaux de la radio par des canaux vides, et ses réglages par ceux affichés.<byte value="xd"/>
<byte value="xd"/>
Écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first, then its backup.</source>
        <translation>Choisissez d&apos;abord le port série de la radio, puis sa sauvegarde.</translation>
    </message>
    <message>
        <source>Restore the radio from the backup of an HT-446%1 taken on %2?<byte value="xd"/>
<byte value="xd"/>
This replaces every channel and the settings in the radio with the ones in the backup. A backup of what the radio holds now is taken first. The window stays as it is.</source>
        <translation>Restaurer la radio à partir de la sauvegarde d&apos;un HT-446%1 faite le %2&#xa0;?<byte value="xd"/>
<byte value="xd"/>
Tous les canaux et les réglages de la radio seront remplacés par ceux de la sauvegarde. Une sauvegarde du contenu actuel de la radio est faite d&apos;abord. La fenêtre reste telle quelle.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Monitor key:</source>
        <translation>Touche MONI&#xa0;:</translation>
    </message>
    <message>
        <source>Squelch level:</source>
        <translation>Squelch&#xa0;:</translation>
    </message>
    <message>
        <source>Beep tones:</source>
        <translation>Bips sonores&#xa0;:</translation>
    </message>
    <message>
        <source>Battery saving:</source>
        <translation>Économie batterie&#xa0;:</translation>
    </message>
    <message>
        <source>Self-programming:</source>
        <translation>Auto-programmation&#xa0;:</translation>
    </message>
    <message>
        <source>Time out timer (TOT):</source>
        <translation>Minuterie TX (TOT)&#xa0;:</translation>
    </message>
    <message>
        <source>TOT rekey time:</source>
        <translation>Attente après TOT&#xa0;:</translation>
    </message>
    <message>
        <source>TOT reset time:</source>
        <translation>Réarmement TOT&#xa0;:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Monitor momentary</source>
        <translation>Monitor (appui)</translation>
    </message>
    <message>
        <source>Monitor lock</source>
        <translation>Monitor (verrouillé)</translation>
    </message>
    <message>
        <source>Squelch off momentary</source>
        <translation>Squelch ouvert (appui)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>WARNING! This is experimental software: works for me but might not for you.</source>
        <translation>ATTENTION&#xa0;! Ce logiciel est expérimental&#xa0;: il fonctionne chez moi, mais peut-être pas chez vous.</translation>
    </message>
    <message>
        <source>Start with selecting serial port from the list.</source>
        <translation>Commencez par choisir le port série dans la liste.</translation>
    </message>
    <message>
        <source>Closing when the transfer has finished...</source>
        <translation>Fermeture dès la fin du transfert...</translation>
    </message>
    <message>
        <source>The serial port %1 is no longer there. Plug the cable in again or choose another port.</source>
        <translation>Le port série %1 n&apos;est plus là. Rebranchez le câble ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Monitor key</source>
        <translation>Touche Monitor</translation>
    </message>
    <message>
        <source>Time out timer (TOT)</source>
        <translation>Minuterie d&apos;émission (TOT)</translation>
    </message>
    <message>
        <source>TOT rekey time</source>
        <translation>Attente après TOT</translation>
    </message>
    <message>
        <source>TOT reset time</source>
        <translation>Réarmement TOT</translation>
    </message>
    <message>
        <source>Radio not connected or turned on. Cable needs to be connected and radio turned on.</source>
        <translation>Radio non connectée ou éteinte. Le câble doit être branché et la radio allumée.</translation>
    </message>
    <message>
        <source>No response from serial port. Check you are using the right port.</source>
        <translation>Aucune réponse du port série. Vérifiez que vous utilisez le bon port.</translation>
    </message>
    <message>
        <source>Unknown response from radio: %1</source>
        <translation>Réponse inconnue de la radio&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1. Your user needs access to serial devices (on Debian: membership of the group dialout).</source>
        <translation>%1. Votre utilisateur doit avoir accès aux ports série (sous Debian&#xa0;: être membre du groupe dialout).</translation>
    </message>
    <message>
        <source>Lost the connection to the radio. Check the cable and the radio, then try again.</source>
        <translation>Connexion avec la radio perdue. Vérifiez le câble et la radio, puis réessayez.</translation>
    </message>
    <message>
        <source>The line from the radio never falls quiet. Check the cable and the port, then try again.</source>
        <translation>La ligne venant de la radio ne se tait jamais. Vérifiez le câble et le port, puis réessayez.</translation>
    </message>
    <message>
        <source>Stopped before the end, as asked.</source>
        <translation>Arrêté avant la fin, comme demandé.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Finished with errors: the settings could not be read; they keep their earlier values.</source>
        <translation>Terminé avec des erreurs&#xa0;: les réglages n&apos;ont pas pu être lus&#xa0;; ils gardent leurs valeurs précédentes.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 and the settings could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: le canal %1 et les réglages n&apos;ont pas pu être lus&#xa0;; ils gardent leurs valeurs précédentes.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: les canaux %1, ainsi que les réglages, n&apos;ont pas pu être lus&#xa0;; ils gardent leurs valeurs précédentes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: channels %1 could not be read; they keep their earlier values.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: le canal %1 n&apos;a pas pu être lu&#xa0;; il garde ses valeurs précédentes.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: les canaux %1 n&apos;ont pas pu être lus&#xa0;; ils gardent leurs valeurs précédentes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>Vérifié&#xa0;: la radio contient ce qui a été écrit.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected. Reading will take few seconds, please wait...</source>
        <translation>Radio HT-446%1 prise en charge détectée. La lecture prend quelques secondes, veuillez patienter...</translation>
    </message>
    <message>
        <source>Reading channels...</source>
        <translation>Lecture des canaux...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read channel %1.</source>
        <translation>[!] Impossible de lire le canal %1.</translation>
    </message>
    <message>
        <source>Reading settings...</source>
        <translation>Lecture des réglages...</translation>
    </message>
    <message>
        <source>[!] Couldn&apos;t read settings.</source>
        <translation>[!] Impossible de lire les réglages.</translation>
    </message>
    <message>
        <source>[!] The radio holds %1 for &quot;%2&quot;, which is not in its list. A write stores FF there unless you choose a value first.</source>
        <translation>[!] La radio contient %1 pour «&#xa0;%2&#xa0;», valeur absente de sa liste. Une écriture y enregistrera FF, sauf si vous choisissez d&apos;abord une valeur.</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected, continuing. This takes few seconds.</source>
        <translation>Radio HT-446%1 prise en charge détectée, l&apos;opération continue. Cela prend quelques secondes.</translation>
    </message>
    <message>
        <source>With a backup of the radio before it and a check after it, the write takes about %1 seconds.</source>
        <translation>Avec une sauvegarde de la radio avant et une vérification après, l&apos;écriture prend environ %1 secondes.</translation>
    </message>
    <message>
        <source>Backing up what the radio holds...</source>
        <translation>Sauvegarde du contenu de la radio...</translation>
    </message>
    <message>
        <source>What the radio held is kept in %1.</source>
        <translation>Le contenu de la radio est conservé dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>The radio&apos;s blocks at %1 could not be read, so no backup was kept.</source>
        <translation>
            <numerusform>Le bloc de la radio à l&apos;adresse %1 n&apos;a pas pu être lu&#xa0;: aucune sauvegarde n&apos;a donc été conservée.</numerusform>
            <numerusform>Les blocs de la radio aux adresses %1 n&apos;ont pas pu être lus&#xa0;: aucune sauvegarde n&apos;a donc été conservée.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup of the radio could not be saved: %1</source>
        <translation>La sauvegarde de la radio n&apos;a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Without a backup, what the radio holds now cannot be put back. Write anyway?</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Sans sauvegarde, le contenu actuel de la radio ne pourra pas être rétabli. Écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Supported HT-446%1 radio detected.</source>
        <translation>Radio HT-446%1 prise en charge détectée.</translation>
    </message>
    <message>
        <source>Writing channels...</source>
        <translation>Écriture des canaux...</translation>
    </message>
    <message>
        <source> Ch %1 QT/DQT failed, unknown response from radio: %2</source>
        <translation> Canal %1&#xa0;: échec QT/DQT, réponse inconnue de la radio&#xa0;: %2</translation>
    </message>
    <message>
        <source> Ch %1 frequency failed, unknown response from radio: %2</source>
        <translation> Canal %1&#xa0;: échec de la fréquence, réponse inconnue de la radio&#xa0;: %2</translation>
    </message>
    <message>
        <source>Writing DT/QDT settings...</source>
        <translation>Écriture des réglages QT/DQT...</translation>
    </message>
    <message>
        <source>Writing settings...</source>
        <translation>Écriture des réglages...</translation>
    </message>
    <message>
        <source>Checking what the radio holds now...</source>
        <translation>Vérification du contenu actuel de la radio...</translation>
    </message>
    <message>
        <source>[!] The block at %1 could not be read back, so it is not verified.</source>
        <translation>[!] Le bloc à l&apos;adresse %1 n&apos;a pas pu être relu&#xa0;; il n&apos;est donc pas vérifié.</translation>
    </message>
    <message>
        <source>%1 MHz RX</source>
        <translation>%1 MHz en réception</translation>
    </message>
    <message>
        <source>%1 MHz TX</source>
        <translation>%1 MHz en émission</translation>
    </message>
    <message>
        <source>[!] Ch %1 holds %2, which normal mode cannot show. Writing from normal mode will clear it; advanced mode keeps it.</source>
        <translation>[!] Le canal %1 contient %2, ce que le mode normal ne peut pas afficher. Une écriture en mode normal l&apos;effacera&#xa0;; le mode avancé le conserve.</translation>
    </message>
    <message>
        <source>[!] Ch %1 RX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Canal %1&#xa0;: «&#xa0;%2&#xa0;» en réception n&apos;est pas une fréquence en Hz (chiffres uniquement, multiple de 10 Hz). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>[!] Ch %1 TX &quot;%2&quot; is not a frequency in Hz (digits only, a multiple of 10 Hz). Nothing was written.</source>
        <translation>[!] Canal %1&#xa0;: «&#xa0;%2&#xa0;» en émission n&apos;est pas une fréquence en Hz (chiffres uniquement, multiple de 10 Hz). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 of %2 blocks were written; the radio may now hold a mix of old and new channels.</source>
        <translation>%1 blocs sur %2 ont été écrits&#xa0;; la radio peut maintenant contenir un mélange d&apos;anciens et de nouveaux canaux.</translation>
    </message>
    <message>
        <source>What the radio held before is in %1; restore it once the radio answers again.</source>
        <translation>Le contenu précédent de la radio est dans %1&#xa0;; restaurez-le dès que la radio répondra de nouveau.</translation>
    </message>
    <message>
        <source>This backup is of an HT-446%1, but the radio on the port is an HT-446%2. Nothing was written.</source>
        <translation>Cette sauvegarde provient d&apos;un HT-446%1, mais la radio branchée sur le port est un HT-446%2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Nothing was written; the radio keeps what it held.</source>
        <translation>Rien n&apos;a été écrit&#xa0;; la radio conserve son contenu.</translation>
    </message>
    <message>
        <source>The radio holds what the plan would write.</source>
        <translation>La radio contient ce que le plan de canaux écrirait.</translation>
    </message>
    <message>
        <source>Finished with errors: no backup was kept.</source>
        <translation>Terminé avec des erreurs&#xa0;: aucune sauvegarde n&apos;a été conservée.</translation>
    </message>
    <message>
        <source>Not in use</source>
        <translation>Non utilisé</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup.</source>
        <translation>%1 n&apos;est pas une sauvegarde de radio Vexalon.</translation>
    </message>
    <message>
        <source>%1 was made by another version of Vexalon, in a backup format this one does not know.</source>
        <translation>%1 a été créé par une autre version de Vexalon, dans un format de sauvegarde que celle-ci ne connaît pas.</translation>
    </message>
    <message>
        <source>%1 is damaged or incomplete: its checksum does not match what it holds.</source>
        <translation>%1 est endommagé ou incomplet : sa somme de contrôle ne correspond pas à son contenu.</translation>
    </message>
    <message>
        <source>%1 is damaged: its checksum matches, but it does not hold a whole backup.</source>
        <translation>%1 est endommagé : sa somme de contrôle est correcte, mais il ne contient pas une sauvegarde complète.</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>its RX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>sa fréquence de réception %1 n&apos;est pas une fréquence en Hz (chiffres uniquement, multiple de 10 Hz).</translation>
    </message>
    <message>
        <source>its TX frequency %1 is not a frequency in Hz (digits only, a multiple of 10 Hz).</source>
        <translation>sa fréquence d&apos;émission %1 n&apos;est pas une fréquence en Hz (chiffres uniquement, multiple de 10 Hz).</translation>
    </message>
    <message>
        <source>is not a number of MHz</source>
        <translation>n&apos;est pas un nombre de MHz</translation>
    </message>
    <message>
        <source>is not above zero</source>
        <translation>n&apos;est pas supérieure à zéro</translation>
    </message>
    <message>
        <source>is not a whole multiple of 10 Hz</source>
        <translation>n&apos;est pas un multiple entier de 10 Hz</translation>
    </message>
    <message>
        <source>is not below 1000 MHz</source>
        <translation>n&apos;est pas inférieure à 1000 MHz</translation>
    </message>
    <message>
        <source>the radio has no cross mode %1 (CrossMode).</source>
        <translation>la radio n&apos;a pas de mode croisé %1 (CrossMode).</translation>
    </message>
    <message>
        <source>the radio has no tone mode %1 (Tone).</source>
        <translation>la radio n&apos;a pas de mode de tonalité %1 (Tone).</translation>
    </message>
    <message>
        <source>the radio has no tone %1 Hz (%2).</source>
        <translation>la radio n&apos;a pas de tonalité CTCSS %1 Hz (%2).</translation>
    </message>
    <message>
        <source>the radio has no DTCS code %1 (%2).</source>
        <translation>la radio n&apos;a pas de code DTCS %1 (%2).</translation>
    </message>
    <message>
        <source>the radio has DTCS codes of normal polarity only (DtcsPolarity %1).</source>
        <translation>la radio n&apos;a que des codes DTCS de polarité normale (DtcsPolarity %1).</translation>
    </message>
    <message>
        <source>the RX frequency (Frequency %1) %2.</source>
        <translation>la fréquence de réception (Frequency %1) %2.</translation>
    </message>
    <message>
        <source>the offset (Offset %1) is not a number of MHz.</source>
        <translation>le décalage (Offset %1) n&apos;est pas un nombre de MHz.</translation>
    </message>
    <message>
        <source>Frequency %1 with Duplex %2 and Offset %3</source>
        <translation>Frequency %1 avec Duplex %2 et Offset %3</translation>
    </message>
    <message>
        <source>Offset %1 with Duplex &quot;split&quot;</source>
        <translation>Offset %1 avec Duplex &quot;split&quot;</translation>
    </message>
    <message>
        <source>Duplex %1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; and &quot;off&quot;.</source>
        <translation>Duplex %1 n&apos;est aucune des valeurs &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot; et &quot;off&quot;.</translation>
    </message>
    <message>
        <source>the TX frequency (%1) %2.</source>
        <translation>la fréquence d&apos;émission (%1) %2.</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1 : %2</translation>
    </message>
    <message>
        <source>its TX frequency is set while its RX frequency is not in use; a row holds a TX frequency only beside an RX frequency.</source>
        <translation>sa fréquence d&apos;émission est réglée alors que sa fréquence de réception n&apos;est pas utilisée ; une ligne ne contient une fréquence d&apos;émission qu&apos;à côté d&apos;une fréquence de réception.</translation>
    </message>
    <message>
        <source>The CSV layout cannot hold these channels:
%1</source>
        <translation>Le format CSV ne peut pas contenir ces canaux :
%1</translation>
    </message>
    <message>
        <source>This is not a CSV channel plan: %1</source>
        <translation>Ce n&apos;est pas un plan de canaux CSV : %1</translation>
    </message>
    <message>
        <source>the quoted field that starts on line %1 is never closed.</source>
        <translation>le champ entre guillemets qui commence à la ligne %1 n&apos;est jamais fermé.</translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation>le fichier est vide.</translation>
    </message>
    <message>
        <source>it has no %1 column.</source>
        <translation>le fichier n&apos;a pas de colonne %1.</translation>
    </message>
    <message>
        <source>Line %1: location %2 is skipped; the radio has channels 1 to 15.</source>
        <translation>Ligne %1 : l&apos;emplacement %2 est ignoré ; la radio a les canaux 1 à 15.</translation>
    </message>
    <message>
        <source>Line %1: another row for channel %2 (after line %3) is skipped.</source>
        <translation>Ligne %1 : une autre ligne pour le canal %2 (après la ligne %3) est ignorée.</translation>
    </message>
    <message>
        <source>Channel %1 (line %2): %3</source>
        <translation>Canal %1 (ligne %2) : %3</translation>
    </message>
    <message>
        <source>Channel %1 (line %2) is left not in use: %3</source>
        <translation>Le canal %1 (ligne %2) reste inutilisé : %3</translation>
    </message>
    <message>
        <source>The quoted field that starts on line %1 is never closed: the file may have been cut short.</source>
        <translation>Le champ entre guillemets qui commence à la ligne %1 n&apos;est jamais fermé : le fichier a peut-être été tronqué.</translation>
    </message>
    <message>
        <source>%1 more rows for other locations or repeated channels are skipped.</source>
        <translation>%1 autres lignes pour d&apos;autres emplacements ou des canaux répétés sont ignorées.</translation>
    </message>
    <message>
        <source>%1 was not written. %2</source>
        <translation>%1 n&apos;a pas été écrit. %2</translation>
    </message>
    <message>
        <source>%1 was not loaded. %2</source>
        <translation>%1 n&apos;a pas été chargé. %2</translation>
    </message>
    <message>
        <source>The configuration file did not have settings included, but frequencies had been loaded.</source>
        <translation>Le fichier de configuration ne contenait pas de réglages, mais les fréquences ont été chargées.</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan.</source>
        <translation>%1 n&apos;est pas un plan de canaux Vexalon.</translation>
    </message>
    <message>
        <source>This configuration file is save in normal mode but you are in advanced mode.<byte value="xd"/>
Please restart this software to normal mode.</source>
        <translation>Ce fichier de configuration a été enregistré en mode normal, mais vous êtes en mode avancé.<byte value="xd"/>
Veuillez redémarrer le logiciel en mode normal.</translation>
    </message>
    <message numerus="yes">
        <source>Channels %1 hold frequencies in the radio that normal mode could not show, so the window shows them as not in use. Writing now clears them in the radio.<byte value="xd"/>
<byte value="xd"/>
To keep them, answer No, turn on advanced mode (Other settings and info) and read the radio again.<byte value="xd"/>
<byte value="xd"/>
Write anyway?</source>
        <translation>
            <numerusform>Le canal %1 contient dans la radio une fréquence que le mode normal n&apos;a pas pu afficher&#xa0;; la fenêtre la montre donc comme non utilisée. Écrire maintenant l&apos;efface dans la radio.<byte value="xd"/>
<byte value="xd"/>
Pour la conserver, répondez Non, activez le mode avancé (Autres réglages et infos) et relisez la radio.<byte value="xd"/>
<byte value="xd"/>
Écrire quand même&#xa0;?</numerusform>
            <numerusform>Les canaux %1 contiennent dans la radio des fréquences que le mode normal n&apos;a pas pu afficher&#xa0;; la fenêtre les montre donc comme non utilisées. Écrire maintenant les efface dans la radio.<byte value="xd"/>
<byte value="xd"/>
Pour les conserver, répondez Non, activez le mode avancé (Autres réglages et infos) et relisez la radio.<byte value="xd"/>
<byte value="xd"/>
Écrire quand même&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a Vexalon radio backup; it is not replaced. Choose another file.</source>
        <translation>%1 n&apos;est pas une sauvegarde de radio Vexalon&#xa0;; le fichier n&apos;est pas remplacé. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is not a CSV channel plan; it is not replaced. Choose another file.</source>
        <translation>%1 n&apos;est pas un plan de canaux CSV&#xa0;; le fichier n&apos;est pas remplacé. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>[%1] is missing.</source>
        <translation>[%1] manque.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 is not a whole number.</source>
        <translation>[%1] %2 %3 n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>[%1] %2 has no value.</source>
        <translation>[%1] %2 n&apos;a pas de valeur.</translation>
    </message>
    <message>
        <source>[%1] %2 is missing.</source>
        <translation>[%1] %2 manque.</translation>
    </message>
    <message>
        <source>[%1] %2 %3 lies outside 0 to %4.</source>
        <translation>[%1] %2 %3 sort de la plage de 0 à %4.</translation>
    </message>
    <message>
        <source>%1 more are missing or cannot be used.</source>
        <translation>%1 autres manquent ou sont inutilisables.</translation>
    </message>
    <message>
        <source>Some of the plan in %1 is missing or cannot be used; these take their defaults:
%2</source>
        <translation>Une partie du plan dans %1 manque ou est inutilisable&#xa0;; les valeurs par défaut s&apos;appliquent&#xa0;:
%2</translation>
    </message>
    <message>
        <source>%1 is not a Vexalon channel plan; the plan is not saved into it. Choose another file.</source>
        <translation>%1 n&apos;est pas un plan de canaux Vexalon&#xa0;; le plan n&apos;y est pas enregistré. Choisissez un autre fichier.</translation>
    </message>
    <message numerus="yes">
        <source>[!] The radio did not acknowledge %n other writes.</source>
        <translation>
            <numerusform>[!] La radio n&apos;a pas acquitté %n autre écriture.</numerusform>
            <numerusform>[!] La radio n&apos;a pas acquitté %n autres écritures.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written. What the radio held before is in %1; restore it or write again.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: %n bloc relu diffère de ce qui a été écrit. Le contenu précédent de la radio est dans %1&#xa0;; restaurez-le ou écrivez à nouveau.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: %n blocs relus diffèrent de ce qui a été écrit. Le contenu précédent de la radio est dans %1&#xa0;; restaurez-le ou écrivez à nouveau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks read back different from what was written; write again.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: %n bloc relu diffère de ce qui a été écrit&#xa0;; écrivez à nouveau.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: %n blocs relus diffèrent de ce qui a été écrit&#xa0;; écrivez à nouveau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified. What the radio held before is in %1; read the radio to check it, or restore it.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: %n bloc n&apos;a pas pu être relu, l&apos;écriture n&apos;est donc pas vérifiée. Le contenu précédent de la radio est dans %1&#xa0;; lisez la radio pour vérifier, ou restaurez-le.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: %n blocs n&apos;ont pas pu être relus, l&apos;écriture n&apos;est donc pas vérifiée. Le contenu précédent de la radio est dans %1&#xa0;; lisez la radio pour vérifier, ou restaurez-le.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read back, so the write is not verified; read the radio to check it.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: %n bloc n&apos;a pas pu être relu, l&apos;écriture n&apos;est donc pas vérifiée&#xa0;; lisez la radio pour vérifier.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: %n blocs n&apos;ont pas pu être relus, l&apos;écriture n&apos;est donc pas vérifiée&#xa0;; lisez la radio pour vérifier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes were not acknowledged, although the radio holds what was written.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: %n écriture n&apos;a pas été acquittée, bien que la radio contienne ce qui a été écrit.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: %n écritures n&apos;ont pas été acquittées, bien que la radio contienne ce qui a été écrit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks differ from what the plan would write.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: %n bloc diffère de ce que le plan de canaux écrirait.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: %n blocs diffèrent de ce que le plan de canaux écrirait.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n blocks could not be read, so the check is not complete.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: %n bloc n&apos;a pas pu être lu, la vérification est donc incomplète.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: %n blocs n&apos;ont pas pu être lus, la vérification est donc incomplète.</numerusform>
        </translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>le port n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>le port est déjà ouvert</translation>
    </message>
    <message>
        <source>nothing arrived in time</source>
        <translation>rien n&apos;est arrivé à temps</translation>
    </message>
    <message>
        <source>a framing, overrun or parity error on the line</source>
        <translation>une erreur de trame, de débordement ou de parité sur la ligne</translation>
    </message>
    <message>
        <source>the connection to the device was lost</source>
        <translation>la connexion avec l&apos;appareil a été perdue</translation>
    </message>
    <message>
        <source>the port is in use by another program</source>
        <translation>le port est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>pas un port série</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2.</source>
        <translation>le dossier %1 ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <source>the folder %1 holds too many backups of this second.</source>
        <translation>le dossier %1 contient trop de sauvegardes de cette seconde.</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks are not sent: the radio already holds them as they are.</source>
        <translation>
            <numerusform>%n bloc n&apos;est pas envoyé : la radio le contient déjà tel quel.</numerusform>
            <numerusform>%n blocs ne sont pas envoyés : la radio les contient déjà tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio already holds all of it; nothing was sent.</source>
        <translation>La radio contient déjà tout ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>English</source>
        <comment>the name of the language of this translation, in that language</comment>
        <translation>Français</translation>
    </message>
    <message>
        <source>Save diagnostic report...</source>
        <translation>Enregistrer un rapport de diagnostic...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The diagnostic report was saved to %1.</source>
        <translation>Le rapport de diagnostic a été enregistré dans %1.</translation>
    </message>
    <message>
        <source>USB adapter %1</source>
        <translation>adaptateur USB %1</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>périphérique introuvable</translation>
    </message>
    <message>
        <source>built-in serial port</source>
        <translation>port série intégré</translation>
    </message>
    <message>
        <source>built-in serial port where no hardware answers</source>
        <translation>port série intégré où aucun matériel ne répond</translation>
    </message>
    <message>
        <source>pseudo-terminal: a program, not a cable</source>
        <translation>pseudo-terminal : un programme, pas un câble</translation>
    </message>
    <message>
        <source>the system says nothing of this device</source>
        <translation>le système ne dit rien de ce périphérique</translation>
    </message>
    <message>
        <source>driver %1</source>
        <translation>pilote %1</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>délai de latence %1 ms</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Test radio connection...</source>
        <translation>Tester la connexion à la radio...</translation>
    </message>
    <message>
        <source>bank 0</source>
        <translation>la banque 0</translation>
    </message>
    <message>
        <source>bank 1</source>
        <translation>la banque 1</translation>
    </message>
    <message>
        <source>the first tone index table</source>
        <translation>la première table des tonalités</translation>
    </message>
    <message>
        <source>the second tone index table</source>
        <translation>la seconde table des tonalités</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>les réglages</translation>
    </message>
    <message>
        <source>The radio lets %1 be read.</source>
        <translation>Lisible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The radio lets only %1 of the %2 reads of %3 be read.</source>
        <translation>Lisible en partie seulement (%1 lectures sur %2)&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The radio refuses reads of %1 (15).</source>
        <translation>Lecture refusée par la radio (15)&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The radio does not answer reads of %1.</source>
        <translation>Pas de réponse de la radio à la lecture&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The radio answers reads of %1 with other bytes than the blocks.</source>
        <translation>La radio répond à la lecture par d’autres octets que les blocs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Radio: HT-446%1 (identity %2).</source>
        <translation>Radio&#xa0;: HT-446%1 (identité %2).</translation>
    </message>
    <message>
        <source>The radio&apos;s answer to the programming command: %1</source>
        <translation>Réponse de la radio à la commande de programmation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reaction time of the radio: least %1 ms, median %2 ms, most %3 ms, against the %4 ms quiet gap.</source>
        <translation>Temps de réaction de la radio&#xa0;: minimum %1 ms, médiane %2 ms, maximum %3 ms, pour un silence de %4 ms.</translation>
    </message>
    <message>
        <source>Longest pause inside a reply: %1 ms, against the %2 ms quiet gap.</source>
        <translation>Plus longue pause dans une réponse&#xa0;: %1 ms, pour un silence de %2 ms.</translation>
    </message>
    <message>
        <source>Not ready to write: %1 cannot be read whole.</source>
        <translation>Pas prêt pour l’écriture, illisible en entier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Ready to write: the radio answers in time and lets its channels and settings be read.</source>
        <translation>Prêt pour l’écriture&#xa0;: la radio répond à temps et laisse lire ses canaux et ses réglages.</translation>
    </message>
    <message>
        <source>Not ready to write: the radio answers with an HT-446 identity that Vexalon does not know. Please send the developers a diagnostic report of this test.</source>
        <translation>Pas prêt pour l’écriture&#xa0;: la radio répond avec une identité HT-446 que Vexalon ne connaît pas. Merci d’envoyer aux développeurs un rapport de diagnostic de ce test.</translation>
    </message>
    <message>
        <source>Not ready to write safely: the radio&apos;s replies leave less than %1 ms of the %2 ms quiet gap, which a busy computer may cut.</source>
        <translation>Pas prêt pour une écriture sûre&#xa0;: les réponses de la radio laissent moins de %1 ms sur les %2 ms de silence, ce qu’un ordinateur chargé peut couper.</translation>
    </message>
    <message>
        <source>Compare radio with this plan...</source>
        <translation>Comparer la radio avec ce plan...</translation>
    </message>
    <message>
        <source>All plan files (*.ini *.csv)</source>
        <translation>Tous les fichiers de plan (*.ini *.csv)</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio first.</source>
        <translation>Choisissez d&apos;abord le port série de la radio.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>The window holds edits that were neither saved nor written to the radio. Close without saving them?</source>
        <translation>La fenêtre contient des modifications ni enregistrées ni écrites dans la radio. Fermer sans les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the backup holds the rest.</source>
        <translation>Cette radio ne laisse pas lire ceci&#xa0;: %1. La sauvegarde contient le reste.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read; the rest is compared.</source>
        <translation>Cette radio ne laisse pas lire ceci&#xa0;: %1. Le reste est comparé.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back; it acknowledged every block written there.</source>
        <translation>Cette radio ne laisse pas relire ceci&#xa0;: %1. Elle a acquitté chaque bloc qui y a été écrit.</translation>
    </message>
    <message>
        <source>This radio does not let %1 be read back, and it did not acknowledge every block written there.</source>
        <translation>Cette radio ne laisse pas relire ceci&#xa0;: %1. Elle n&apos;a pas acquitté chaque bloc qui y a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>Finished with errors: %n writes the radio does not let be read back were not acknowledged; write again.</source>
        <translation>
            <numerusform>Terminé avec des erreurs&#xa0;: %n écriture que la radio ne laisse pas relire n&apos;a pas été acquittée&#xa0;; écrivez à nouveau.</numerusform>
            <numerusform>Terminé avec des erreurs&#xa0;: %n écritures que la radio ne laisse pas relire n&apos;ont pas été acquittées&#xa0;; écrivez à nouveau.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup holds nothing of %1, which the radio does not let be read; they are made from bank 0, as a write makes them.</source>
        <translation>La sauvegarde ne contient pas ce que la radio ne laisse pas lire&#xa0;: %1. Ces parties sont recréées à partir de la banque 0, comme lors d&apos;une écriture.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the plan %4.</source>
        <translation>[!] %1&#xa0;: %2&#xa0;: la radio contient %3, le plan %4.</translation>
    </message>
    <message>
        <source>[!] %1: %2: the radio holds %3, the backup %4.</source>
        <translation>[!] %1&#xa0;: %2&#xa0;: la radio contient %3, la sauvegarde %4.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the plan %3.</source>
        <translation>[!] %1&#xa0;: la radio contient %2, le plan %3.</translation>
    </message>
    <message>
        <source>[!] In %1, the radio holds %2, the backup %3.</source>
        <translation>[!] %1&#xa0;: la radio contient %2, la sauvegarde %3.</translation>
    </message>
    <message>
        <source>RX frequency</source>
        <translation>fréquence RX</translation>
    </message>
    <message>
        <source>TX frequency</source>
        <translation>fréquence TX</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>tonalité RX</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>tonalité TX</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Verrouillage</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Channel %1 (bank 1 copy)</source>
        <translation>Canal %1 (copie en banque 1)</translation>
    </message>
    <message>
        <source>flags and closing bytes</source>
        <translation>indicateurs et octets de fin</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the plan %3.</source>
        <translation>[!] %1 la radio contient %2, le plan %3.</translation>
    </message>
    <message>
        <source>[!] %1 the radio holds %2, the backup %3.</source>
        <translation>[!] %1 la radio contient %2, la sauvegarde %3.</translation>
    </message>
    <message>
        <source>the channel 0 slot of bank %1</source>
        <translation>l&apos;emplacement du canal 0 de la banque %1</translation>
    </message>
    <message>
        <source>the block at %1</source>
        <translation>le bloc à %1</translation>
    </message>
    <message>
        <source>The clipboard holds no channel line in CHIRP&apos;s CSV layout; nothing was pasted.</source>
        <translation>Le presse-papiers ne contient aucune ligne de canal au format CSV de CHIRP&#xa0;; rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>A channel not in use has nothing to copy.</source>
        <translation>Un canal inutilisé n&apos;a rien à copier.</translation>
    </message>
    <message>
        <source>The pasted channel&apos;s frequency is no PMR446 channel; advanced mode takes it. Nothing was pasted.</source>
        <translation>La fréquence du canal collé n&apos;est pas un canal PMR446&#xa0;; le mode avancé l&apos;accepte. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AttemptState</name>
    <message>
        <source>pending</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>réussie</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échouée</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompue</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>command</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>update: write even where the instrument holds newer firmware.</source>
        <translation>update : écrire même si l&apos;instrument contient un micrologiciel plus récent.</translation>
    </message>
    <message>
        <source>history: only this instrument&apos;s attempts.</source>
        <translation>history : seulement les tentatives de cet instrument.</translation>
    </message>
    <message>
        <source>history: only attempts started on this day (UTC) or later.</source>
        <translation>history : seulement les tentatives commencées ce jour (UTC) ou après.</translation>
    </message>
    <message>
        <source>history: the attempts as CSV, a header row first.</source>
        <translation>history : les tentatives en CSV, précédées d&apos;une ligne d&apos;en-tête.</translation>
    </message>
    <message>
        <source>--serial, --since and --csv go with history only.</source>
        <translation>--serial, --since et --csv ne vont qu&apos;avec history.</translation>
    </message>
    <message>
        <source>--serial: expected a serial number above 0, not %1.</source>
        <translation>--serial : numéro de série supérieur à 0 attendu, et non %1.</translation>
    </message>
    <message>
        <source>--model: expected one of %1, not %2.</source>
        <translation>--model : l&apos;un de %1 attendu, et non %2.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>No display to open the window on; use a command instead: rz-firmware-updater check | update | restore (see --help).</source>
        <translation>Aucun écran où ouvrir la fenêtre ; utilisez plutôt une commande : rz-firmware-updater check | update | restore (voir --help).</translation>
    </message>
    <message>
        <source>restore: the model to bootstrap when nothing answers; history, pending: only this model&apos;s.</source>
        <translation>restore : le modèle à amorcer si rien ne répond ; history, pending : seulement ceux de ce modèle.</translation>
    </message>
    <message>
        <source>pending: let the record of this instrument&apos;s unfinished update go.</source>
        <translation>pending : écarter l&apos;enregistrement de la mise à jour non terminée de cet instrument.</translation>
    </message>
    <message>
        <source>--discard goes with pending only.</source>
        <translation>--discard ne va qu&apos;avec pending.</translation>
    </message>
    <message>
        <source>Brings the one connected instrument to the firmware this release carries.

Commands:
  check     find the instrument and compare its firmware with this release
  update    check, then write what differs
  restore   check, bootstrapping the named model if nothing answers, then
            rewrite every component of an instrument in boot mode;
            without --model, the one update on record that did not
            finish names the model, if there is exactly one
  history   every update and restore on record, newest first
  pending   the updates on record that did not finish; --discard lets
            one go
  release   what the release carries and who signed it, without an
            instrument

Exit codes:
   0  done: up to date, or written successfully
   1  a write or a query failed
   2  bad usage
   3  no instrument found
   4  refused before any write (no release found, firmware not signed by a
      trusted key, newer firmware without --allow-downgrade, unknown model,
      missing or corrupt image, restore of a working instrument, update of
      one that needs a restore, another updater running on the machine);
      release: the release is refused
   5  the instrument stopped answering: a call to it did not return within
      its time; the next update or restore of that instrument finishes
      the update on record
  10  check: an update is available
  11  check: a restore is needed
  128+N  stopped by signal N (130 SIGINT, 129 SIGHUP, 131 SIGQUIT,
      143 SIGTERM): at once before anything was erased, otherwise once
      the firmware being written was written successfully (a stop during
      a write that failed exits 1)

A command that fails or refuses prints its reason on standard error too,
after the program&apos;s name.

Without a command the window opens.</source>
        <translation>Met l&apos;instrument connecté au micrologiciel que contient cette version.

Commandes :
  check     trouver l&apos;instrument et comparer son micrologiciel avec cette
            version
  update    vérifier, puis écrire ce qui diffère
  restore   vérifier, en amorçant le modèle nommé si rien ne répond, puis
            réécrire chaque composant d&apos;un instrument en mode d&apos;amorçage ;
            sans --model, la mise à jour enregistrée qui ne s&apos;est pas
            terminée nomme le modèle, s&apos;il n&apos;y en a qu&apos;une
  history   chaque mise à jour et restauration enregistrée, la plus récente
            d&apos;abord
  pending   les mises à jour enregistrées qui ne se sont pas terminées ;
            --discard en écarte une
  release   ce que contient la version et qui l&apos;a signée, sans instrument

Codes de sortie :
   0  terminé : à jour, ou écrit avec succès
   1  une écriture ou une requête a échoué
   2  mauvaise utilisation
   3  aucun instrument trouvé
   4  refusé avant toute écriture (aucun micrologiciel trouvé, micrologiciel
      non signé par une clé de confiance, micrologiciel plus récent sans
      --allow-downgrade, modèle inconnu, image manquante ou corrompue,
      restauration d&apos;un instrument qui fonctionne, mise à jour d&apos;un
      instrument qui doit être restauré, un autre programme de mise à jour
      tourne sur la machine);
      release : la version est refusée
   5  l&apos;instrument a cessé de répondre : un appel n&apos;est pas revenu dans
      son délai ; la prochaine mise à jour ou restauration de cet
      instrument termine la mise à jour enregistrée
  10  check : une mise à jour est disponible
  11  check : une restauration est nécessaire
  128+N  arrêté par le signal N (130 SIGINT, 129 SIGHUP, 131 SIGQUIT,
      143 SIGTERM) : aussitôt si rien n&apos;a encore été effacé, sinon une
      fois le micrologiciel en cours d&apos;écriture écrit avec succès (un
      arrêt pendant une écriture qui échoue sort avec 1)

Une commande qui échoue ou refuse affiche aussi sa raison sur la sortie
d&apos;erreur standard, après le nom du programme.

Sans commande, la fenêtre s&apos;ouvre.</translation>
    </message>
    <message>
        <source>check, update, restore, history, pending or release</source>
        <translation>check, update, restore, history, pending ou release</translation>
    </message>
    <message>
        <source>check, update, restore, release: the release in this folder (relative to the working folder) rather than ./firmware or the installed one.</source>
        <translation>check, update, restore, release : la version de ce dossier (relatif au dossier de travail) au lieu de ./firmware ou de la version installée.</translation>
    </message>
    <message>
        <source>Print one JSON report on standard output at the end; the lines go to standard error. history, pending: the rows as JSON. release: what the release carries as JSON.</source>
        <translation>Afficher un rapport JSON sur la sortie standard à la fin ; les lignes vont sur la sortie d&apos;erreur standard. history, pending : les entrées en JSON. release : le contenu de la version en JSON.</translation>
    </message>
    <message>
        <source>check, update, restore, release: print only the verdict line; reasons still go to standard error.</source>
        <translation>check, update, restore, release : n&apos;afficher que la ligne du verdict ; les raisons vont toujours sur la sortie d&apos;erreur standard.</translation>
    </message>
    <message>
        <source>Expected one command: check, update, restore, history, pending or release (see --help).</source>
        <translation>Une commande attendue : check, update, restore, history, pending ou release (voir --help).</translation>
    </message>
    <message>
        <source>--quiet goes with check, update, restore and release, without --json.</source>
        <translation>--quiet ne va qu&apos;avec check, update, restore et release, sans --json.</translation>
    </message>
    <message>
        <source>--firmware goes with check, update, restore and release.</source>
        <translation>--firmware ne va qu&apos;avec check, update, restore et release.</translation>
    </message>
    <message>
        <source>--firmware: expected the release&apos;s folder.</source>
        <translation>--firmware : dossier de la version attendu.</translation>
    </message>
    <message>
        <source>check, update, restore: standard output is a stream of JSON objects, one a line, as the run goes: its lines, steps, progress and stop notices, then the report --json prints.</source>
        <translation>check, update, restore : la sortie standard devient un flux d&apos;objets JSON, un par ligne, au fil de l&apos;exécution : ses lignes, étapes, progression et avis d&apos;arrêt, puis le rapport qu&apos;affiche --json.</translation>
    </message>
    <message>
        <source>--events goes with check, update and restore only.</source>
        <translation>--events ne va qu&apos;avec check, update et restore.</translation>
    </message>
    <message>
        <source>--events and --json do not go together: the events end with the report --json prints.</source>
        <translation>--events et --json ne vont pas ensemble : les événements se terminent par le rapport qu&apos;affiche --json.</translation>
    </message>
    <message>
        <source>--events and --quiet do not go together: the events carry the verdict.</source>
        <translation>--events et --quiet ne vont pas ensemble : les événements portent déjà le verdict.</translation>
    </message>
</context>
<context>
    <name>DeviceSelectorDialog</name>
    <message>
        <source>Device Select</source>
        <translation>Sélection de l&apos;appareil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Unable to open device. If the device is not connected to the PC, please connect the device and restart this application. If you want to bootstrap your device, please select your device type below.</source>
        <translation>Impossible d&apos;ouvrir l&apos;appareil. Si l&apos;appareil n&apos;est pas connecté au PC, connectez-le puis redémarrez cette application. Si vous souhaitez amorcer l&apos;appareil, sélectionnez son type ci-dessous.</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>Début (UTC)</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>No update attempts on record.</source>
        <translation>Aucune tentative de mise à jour enregistrée.</translation>
    </message>
    <message>
        <source>--serial: expected a serial number above 0, not %1.</source>
        <translation>--serial : numéro de série supérieur à 0 attendu, et non %1.</translation>
    </message>
    <message>
        <source>--since: expected a date as YYYY-MM-DD, not %1.</source>
        <translation>--since : date attendue au format YYYY-MM-DD, et non %1.</translation>
    </message>
    <message>
        <source>--json and --csv cannot be combined.</source>
        <translation>--json et --csv ne peuvent pas être combinés.</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Update History</source>
        <translation>Historique des mises à jour</translation>
    </message>
    <message>
        <source>Update history</source>
        <translation>Historique des mises à jour</translation>
    </message>
    <message>
        <source>any</source>
        <translation>toutes</translation>
    </message>
    <message>
        <source>&amp;Serial number:</source>
        <translation>&amp;Numéro de série :</translation>
    </message>
    <message>
        <source>Open Session Log</source>
        <translation>Ouvrir le journal de session</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>The history could not be read.</source>
        <translation>L&apos;historique n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>The history could not be saved to %1.

%2</source>
        <translation>L&apos;historique n&apos;a pas pu être enregistré dans %1.

%2</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>update</source>
        <translation>mise à jour</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restauration</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>The session log could not be opened. It is:

%1</source>
        <translation>Le journal de session n&apos;a pas pu être ouvert. Il se trouve ici :

%1</translation>
    </message>
</context>
<context>
    <name>LogMenu</name>
    <message>
        <source>Update History...</source>
        <translation>Historique des mises à jour...</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Save Log As...</source>
        <translation>Enregistrer le journal sous...</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>Save Log As</source>
        <translation>Enregistrer le journal sous</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>The log could not be saved to %1.

%2</source>
        <translation>Le journal n&apos;a pas pu être enregistré dans %1.

%2</translation>
    </message>
    <message>
        <source>The log folder could not be opened. It is:

%1</source>
        <translation>Le dossier des journaux n&apos;a pas pu être ouvert. Il se trouve ici :

%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 Firmware Updater</source>
        <translation>Mise à jour du micrologiciel %1</translation>
    </message>
</context>
<context>
    <name>OperatorText</name>
    <message>
        <source>Elapsed %1</source>
        <translation>Écoulé : %1</translation>
    </message>
    <message>
        <source>Checking Firmware Versions...</source>
        <translation>Vérification des versions du micrologiciel...</translation>
    </message>
    <message>
        <source>Failed to open boot device.</source>
        <translation>Impossible d&apos;ouvrir l&apos;appareil en mode d&apos;amorçage.</translation>
    </message>
    <message>
        <source>Checking firmware version
Estimated 30 seconds
Please Wait</source>
        <translation>Vérification de la version du micrologiciel
Environ 30 secondes
Veuillez patienter</translation>
    </message>
    <message>
        <source>Looking to bootstrap device.</source>
        <translation>Recherche d&apos;un appareil à amorcer.</translation>
    </message>
    <message>
        <source>The last update of %1 serial %2 did not finish.</source>
        <translation>La dernière mise à jour de %1 numéro de série %2 ne s&apos;est pas terminée.</translation>
    </message>
    <message>
        <source>The instrument that answers is not the one whose update did not finish.</source>
        <translation>L&apos;instrument qui répond n&apos;est pas celui dont la mise à jour ne s&apos;est pas terminée.</translation>
    </message>
    <message>
        <source>Bootstrapping Device
Please Wait...</source>
        <translation>Amorçage de l&apos;appareil
Veuillez patienter...</translation>
    </message>
    <message>
        <source>Failed to detect device.</source>
        <translation>Aucun appareil détecté.</translation>
    </message>
    <message>
        <source>Cycle the power on the device, restart the firmware updater,  and try again.</source>
        <translation>Éteignez puis rallumez l&apos;appareil, redémarrez le programme de mise à jour et réessayez.</translation>
    </message>
    <message>
        <source>If you continue to receive this message, contact Pellanor.</source>
        <translation>Si ce message persiste, contactez Pellanor.</translation>
    </message>
    <message>
        <source>Attempting to bootstrap firmware.</source>
        <translation>Tentative d&apos;amorçage du micrologiciel.</translation>
    </message>
    <message>
        <source>Found serial %1</source>
        <translation>Numéro de série %1 trouvé</translation>
    </message>
    <message>
        <source>Firmware can now be restored.</source>
        <translation>Le micrologiciel peut maintenant être restauré.</translation>
    </message>
    <message>
        <source>Press Restore to continue.</source>
        <translation>Appuyez sur « Restaurer » pour continuer.</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>%1 trouvé</translation>
    </message>
    <message>
        <source>Serial %1, with firmware %2</source>
        <translation>Numéro de série %1, micrologiciel %2</translation>
    </message>
    <message>
        <source>This release has no firmware for this device type.</source>
        <translation>Cette version ne contient aucun micrologiciel pour ce type d&apos;appareil.</translation>
    </message>
    <message>
        <source>The last update of this instrument did not finish.</source>
        <translation>La dernière mise à jour de cet instrument ne s&apos;est pas terminée.</translation>
    </message>
    <message>
        <source>Firmware requires update.</source>
        <translation>Le micrologiciel doit être mis à jour.</translation>
    </message>
    <message>
        <source>Press Update to continue.</source>
        <translation>Appuyez sur « Mettre à jour » pour continuer.</translation>
    </message>
    <message>
        <source>Firmware does not require update.</source>
        <translation>Le micrologiciel n&apos;a pas besoin d&apos;être mis à jour.</translation>
    </message>
    <message>
        <source>Cancelling operation.</source>
        <translation>Annulation de l&apos;opération.</translation>
    </message>
    <message>
        <source>Firmware can now be updated.</source>
        <translation>Le micrologiciel peut maintenant être mis à jour.</translation>
    </message>
    <message>
        <source>Updating Firmware</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Updating Device
DO NOT UNPLUG THE DEVICE
This process can take several minutes
Please Wait...</source>
        <translation>Mise à jour de l&apos;appareil
NE DÉBRANCHEZ PAS L&apos;APPAREIL
Cette opération peut prendre plusieurs minutes
Veuillez patienter...</translation>
    </message>
    <message>
        <source>Restoring Device</source>
        <translation>Restauration de l&apos;appareil</translation>
    </message>
    <message>
        <source>Performing Device Restore
DO NOT UNPLUG DEVICE
This process will take up to 10 minutes
Please Wait...</source>
        <translation>Restauration de l&apos;appareil en cours
NE DÉBRANCHEZ PAS L&apos;APPAREIL
Cette opération peut prendre jusqu&apos;à 10 minutes
Veuillez patienter...</translation>
    </message>
    <message>
        <source>Could not clear the update record: %1</source>
        <translation>Impossible d&apos;effacer l&apos;enregistrement de la mise à jour : %1</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>Micrologiciel mis à jour avec succès.</translation>
    </message>
    <message>
        <source>Firmware updated unsuccessfully.</source>
        <translation>Échec de la mise à jour du micrologiciel.</translation>
    </message>
    <message>
        <source>Check device connections and re-run the software.</source>
        <translation>Vérifiez les connexions de l&apos;appareil et relancez le logiciel.</translation>
    </message>
    <message>
        <source>If problem persists, contact Pellanor.</source>
        <translation>Si le problème persiste, contactez Pellanor.</translation>
    </message>
    <message>
        <source>You may now close the software.</source>
        <translation>Vous pouvez maintenant fermer le logiciel.</translation>
    </message>
    <message>
        <source>Cannot record the update before writing: %1</source>
        <translation>Impossible d&apos;enregistrer la mise à jour avant l&apos;écriture : %1</translation>
    </message>
    <message>
        <source>Failed presetting the instrument.</source>
        <translation>Échec du préréglage de l&apos;instrument.</translation>
    </message>
    <message>
        <source>Failed Clearing</source>
        <translation>Échec de l&apos;effacement</translation>
    </message>
    <message>
        <source>Failed Writing</source>
        <translation>Échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>The connected instrument is not the one checked; nothing was written.</source>
        <translation>L&apos;instrument connecté n&apos;est pas celui qui a été vérifié ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot use the key file %1.</source>
        <translation>Impossible d&apos;utiliser le fichier de clé %1.</translation>
    </message>
    <message>
        <source>The firmware in %1 is not signed; nothing will be written.</source>
        <translation>Le micrologiciel dans %1 n&apos;est pas signé ; rien ne sera écrit.</translation>
    </message>
    <message>
        <source>Cannot read the revoked keys in %1; no key is trusted.</source>
        <translation>Impossible de lire les clés révoquées dans %1 ; aucune clé n&apos;est considérée comme fiable.</translation>
    </message>
    <message>
        <source>The firmware in %1 is not signed by a trusted key; nothing will be written.</source>
        <translation>Le micrologiciel dans %1 n&apos;est pas signé par une clé de confiance ; rien ne sera écrit.</translation>
    </message>
    <message>
        <source>Cannot keep a private copy of the firmware: %1</source>
        <translation>Impossible de conserver une copie privée du micrologiciel : %1</translation>
    </message>
    <message>
        <source>Missing firmware image: %1</source>
        <translation>Image du micrologiciel manquante : %1</translation>
    </message>
    <message>
        <source>Firmware image does not match the release checksum: %1</source>
        <translation>L&apos;image du micrologiciel ne correspond pas à la somme de contrôle de la version : %1</translation>
    </message>
    <message>
        <source>%1 firmware updater</source>
        <translation>Mise à jour du micrologiciel %1</translation>
    </message>
    <message>
        <source>Using RZ API version %1</source>
        <translation>Version de l&apos;API RZ utilisée : %1</translation>
    </message>
    <message>
        <source>Please read below before continuing.</source>
        <translation>Veuillez lire ce qui suit avant de continuer.</translation>
    </message>
    <message>
        <source>Updates %1 to firmware version %2</source>
        <translation>Met à jour %1 vers la version %2 du micrologiciel</translation>
    </message>
    <message>
        <source>Ensure only one Pellanor device is connected to the PC.</source>
        <translation>Assurez-vous qu&apos;un seul appareil Pellanor est connecté au PC.</translation>
    </message>
    <message>
        <source>Do NOT disconnect the device at any time during the update.</source>
        <translation>Ne débranchez JAMAIS l&apos;appareil pendant la mise à jour.</translation>
    </message>
    <message>
        <source>Disconnecting the device during an update can leave your device in an unoperable state.</source>
        <translation>Débrancher l&apos;appareil pendant une mise à jour peut le rendre inutilisable.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Connect %1 devices over %2.</source>
        <translation>Connectez les appareils %1 en %2.</translation>
    </message>
    <message>
        <source>Could not keep a log file: %1</source>
        <translation>Impossible de conserver un fichier journal : %1</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un fichier de périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>%1 is %2, not a file.</source>
        <translation>%1 est %2, pas un fichier.</translation>
    </message>
    <message>
        <source>The update history could not be read: %1</source>
        <translation>L&apos;historique des mises à jour n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>%1 was replaced while it was being opened.</source>
        <translation>%1 a été remplacé pendant son ouverture.</translation>
    </message>
    <message>
        <source>it fails its integrity check</source>
        <translation>la vérification d&apos;intégrité échoue</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id could not be kept: %1</source>
        <translation>Le plus grand identifiant de tentative de l&apos;historique des mises à jour n&apos;a pas pu être conservé : %1</translation>
    </message>
    <message>
        <source>The update history could not be read; it was kept as %1 and a new one started.</source>
        <translation>L&apos;historique des mises à jour n&apos;a pas pu être lu ; il a été conservé sous %1 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The update history could not be written: %1</source>
        <translation>L&apos;historique des mises à jour n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>The instrument needs a restore; use restore.</source>
        <translation>L&apos;instrument doit être restauré ; utilisez restore.</translation>
    </message>
    <message>
        <source>The instrument answers normally; use update.</source>
        <translation>L&apos;instrument répond normalement ; utilisez update.</translation>
    </message>
    <message>
        <source>No instrument answers. To bootstrap it, name its model: restore --model %1.</source>
        <translation>Aucun instrument ne répond. Pour l&apos;amorcer, indiquez son modèle : restore --model %1.</translation>
    </message>
    <message>
        <source>No instrument answers. If one is connected, restore --model MODEL can bootstrap it.</source>
        <translation>Aucun instrument ne répond. Si un instrument est connecté, restore --model MODEL peut l&apos;amorcer.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>clearing %1</source>
        <translation>l&apos;effacement de %1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>l&apos;écriture de %1</translation>
    </message>
    <message>
        <source>Skipping %1, already current version.</source>
        <translation>%1 ignoré : version déjà à jour.</translation>
    </message>
    <message>
        <source>Failed writing %1.</source>
        <translation>Échec de l&apos;écriture de %1.</translation>
    </message>
    <message>
        <source>Updating %1, estimated %2.</source>
        <translation>Mise à jour de %1, durée estimée : %2.</translation>
    </message>
    <message>
        <source>asking the device library its version</source>
        <translation>l&apos;interrogation de la bibliothèque de l&apos;appareil sur sa version</translation>
    </message>
    <message>
        <source>The instrument stopped answering while %1: no answer for %2.</source>
        <translation>L&apos;instrument a cessé de répondre pendant %1 : aucune réponse depuis %2.</translation>
    </message>
    <message>
        <source>Still working: %1 for %2, estimated %3; keep the instrument connected.</source>
        <translation>Toujours en cours : %1 depuis %2, durée estimée : %3 ; laissez l&apos;instrument connecté.</translation>
    </message>
    <message>
        <source>closing the instrument</source>
        <translation>la fermeture de l&apos;instrument</translation>
    </message>
    <message>
        <source>opening the instrument</source>
        <translation>l&apos;ouverture de l&apos;instrument</translation>
    </message>
    <message>
        <source>listing the instruments</source>
        <translation>l&apos;énumération des instruments</translation>
    </message>
    <message>
        <source>reading the firmware number</source>
        <translation>la lecture du numéro du micrologiciel</translation>
    </message>
    <message>
        <source>reading the FPGA status</source>
        <translation>la lecture de l&apos;état du FPGA</translation>
    </message>
    <message>
        <source>Failed to retrieve firmware versions.</source>
        <translation>Impossible de lire les versions du micrologiciel.</translation>
    </message>
    <message>
        <source>FPGA failed to load.</source>
        <translation>Le FPGA n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>Cannot Find Device</source>
        <translation>Appareil introuvable</translation>
    </message>
    <message>
        <source>Unable to find device.</source>
        <translation>Impossible de trouver l&apos;appareil.</translation>
    </message>
    <message>
        <source>Failed to open device.</source>
        <translation>Impossible d&apos;ouvrir l&apos;appareil.</translation>
    </message>
    <message>
        <source>presetting the instrument</source>
        <translation>le préréglage de l&apos;instrument</translation>
    </message>
    <message>
        <source>bootstrapping the instrument</source>
        <translation>l&apos;amorçage de l&apos;instrument</translation>
    </message>
    <message>
        <source>reading the serial number from flash</source>
        <translation>la lecture du numéro de série en mémoire flash</translation>
    </message>
    <message>
        <source>FX3</source>
        <translation>FX3</translation>
    </message>
    <message>
        <source>FX3 program</source>
        <translation>programme FX3</translation>
    </message>
    <message>
        <source>Failed clearing boot FX3 device.</source>
        <translation>Échec de l&apos;effacement du FX3 d&apos;amorçage.</translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation>FPGA</translation>
    </message>
    <message>
        <source>Failed clearing FPGA.</source>
        <translation>Échec de l&apos;effacement du FPGA.</translation>
    </message>
    <message>
        <source>reading the device type</source>
        <translation>la lecture du type d&apos;appareil</translation>
    </message>
    <message>
        <source>reading the firmware versions</source>
        <translation>la lecture des versions du micrologiciel</translation>
    </message>
    <message>
        <source>reading the serial number</source>
        <translation>la lecture du numéro de série</translation>
    </message>
    <message>
        <source>Failed to retrieve serial number.</source>
        <translation>Impossible de lire le numéro de série.</translation>
    </message>
    <message>
        <source>Failed to read the boot device&apos;s serial number or type.</source>
        <translation>Impossible de lire le numéro de série ou le type de l&apos;appareil en mode d&apos;amorçage.</translation>
    </message>
    <message>
        <source>boot Fx3</source>
        <translation>Fx3 d&apos;amorçage</translation>
    </message>
    <message>
        <source>Failed clearing boot Fx3 device.</source>
        <translation>Échec de l&apos;effacement du Fx3 d&apos;amorçage.</translation>
    </message>
    <message>
        <source>run Fx3</source>
        <translation>Fx3 d&apos;exécution</translation>
    </message>
    <message>
        <source>run Fx3 device</source>
        <translation>Fx3 d&apos;exécution</translation>
    </message>
    <message>
        <source>Failed clearing run Fx3.</source>
        <translation>Échec de l&apos;effacement du Fx3 d&apos;exécution.</translation>
    </message>
    <message>
        <source>Failed to open RZ.</source>
        <translation>Impossible d&apos;ouvrir le RZ.</translation>
    </message>
    <message>
        <source>Looking for RZ boot device...</source>
        <translation>Recherche d&apos;un RZ en mode d&apos;amorçage...</translation>
    </message>
    <message>
        <source>Failed to open RZ boot device.</source>
        <translation>Impossible d&apos;ouvrir le RZ en mode d&apos;amorçage.</translation>
    </message>
    <message>
        <source>Cannot read the update record: %1; every component will be rewritten.</source>
        <translation>Impossible de lire l&apos;enregistrement de la mise à jour : %1 ; tous les composants seront réécrits.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 est %2</translation>
    </message>
    <message>
        <source>Updates are recorded for this account only: %1</source>
        <translation>Les mises à jour ne sont enregistrées que pour ce compte : %1</translation>
    </message>
    <message>
        <source>Cannot take the updater lock: %1</source>
        <translation>Impossible de prendre le verrou du programme de mise à jour : %1</translation>
    </message>
    <message>
        <source>Another firmware updater is already running.</source>
        <translation>Un autre programme de mise à jour du micrologiciel est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Firmware is being written; stopping now could leave the instrument unusable. The updater will stop when the write ends, in at most %1.</source>
        <translation>Le micrologiciel est en cours d&apos;écriture ; l&apos;arrêter maintenant pourrait rendre l&apos;instrument inutilisable. Le programme s&apos;arrêtera à la fin de l&apos;écriture, dans %1 au plus.</translation>
    </message>
    <message>
        <source>Firmware is being written; the updater cannot be paused now. The write goes on.</source>
        <translation>Le micrologiciel est en cours d&apos;écriture ; le programme ne peut pas être suspendu maintenant. L&apos;écriture continue.</translation>
    </message>
    <message>
        <source>Invalid device type</source>
        <translation>Type d&apos;appareil non valide</translation>
    </message>
    <message>
        <source>%1: it is not a minisign public key</source>
        <translation>%1 : ce n&apos;est pas une clé publique minisign</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>The %1 ended as %2; the log says why.</source>
        <translation>La commande %1 s&apos;est terminée ainsi : %2 ; le journal en donne la raison.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Could not record the device library&apos;s calls: %1: %2</source>
        <translation>Impossible d&apos;enregistrer les appels à la bibliothèque de l&apos;appareil : %1 : %2</translation>
    </message>
    <message>
        <source>Firmware is being written; stopping now could leave the instrument unusable. The updater will stop when the write ends, in at most %1; still to write: %2.</source>
        <translation>Le micrologiciel est en cours d&apos;écriture ; l&apos;arrêter maintenant pourrait rendre l&apos;instrument inutilisable. Le programme s&apos;arrêtera à la fin de l&apos;écriture, dans %1 au plus ; reste à écrire : %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list of components</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Stopped before anything was erased.</source>
        <translation>Arrêté avant que quoi que ce soit ne soit effacé.</translation>
    </message>
    <message>
        <source>The verified copy of the firmware cannot be used (%1); the device library was not called.</source>
        <translation>La copie vérifiée du micrologiciel ne peut pas être utilisée (%1) ; la bibliothèque de l&apos;appareil n&apos;a pas été appelée.</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 a disparu</translation>
    </message>
    <message>
        <source>%1 was changed</source>
        <translation>%1 a été modifié</translation>
    </message>
    <message>
        <source>cannot enter %1: %2</source>
        <translation>impossible d&apos;entrer dans %1 : %2</translation>
    </message>
    <message>
        <source>RZ_STALL_SCALE must be a number from 0.001 to 1000, not &quot;%1&quot;.</source>
        <translation>RZ_STALL_SCALE doit être un nombre de 0,001 à 1000, et non « %1 ».</translation>
    </message>
    <message>
        <source>The firmware in %1 cannot be checked: %2; nothing will be written.</source>
        <translation>Le micrologiciel dans %1 ne peut pas être vérifié : %2 ; rien ne sera écrit.</translation>
    </message>
    <message>
        <source>its attempt ids are used up</source>
        <translation>ses identifiants de tentative sont épuisés</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id in %1 is beyond any it can hold; it is left out.</source>
        <translation>Le plus grand identifiant de tentative de l&apos;historique des mises à jour dans %1 dépasse tout identifiant qu&apos;il peut contenir ; il est ignoré.</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id in %1 is beyond any it can hold; it was kept as %2.</source>
        <translation>Le plus grand identifiant de tentative de l&apos;historique des mises à jour dans %1 dépasse tout identifiant qu&apos;il peut contenir ; il a été conservé sous %2.</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>plus grand que %1 Kio</translation>
    </message>
    <message>
        <source>%1: it is %2</source>
        <translation>%1 : c&apos;est %2</translation>
    </message>
    <message>
        <source>%1 must be an absolute path, not &quot;%2&quot;.</source>
        <translation>%1 doit être un chemin absolu, et non « %2 ».</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater restore` to continue.</source>
        <translation>Lancez `rz-firmware-updater restore` pour continuer.</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater update --allow-downgrade` to continue.</source>
        <translation>Lancez `rz-firmware-updater update --allow-downgrade` pour continuer.</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater update` to continue.</source>
        <translation>Lancez `rz-firmware-updater update` pour continuer.</translation>
    </message>
    <message>
        <source>Using the firmware installed with the updater: %1</source>
        <translation>Utilisation du micrologiciel installé avec le programme de mise à jour : %1</translation>
    </message>
    <message>
        <source>No firmware found in %1 or in %2; nothing will be written.</source>
        <translation>Aucun micrologiciel trouvé dans %1 ni dans %2 ; rien ne sera écrit.</translation>
    </message>
    <message>
        <source>Showing this account&apos;s own update history, kept in %1: %2</source>
        <translation>Affichage de l&apos;historique des mises à jour propre à ce compte, conservé dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 holds newer firmware than this release; to write this release anyway, run `rz-firmware-updater update --allow-downgrade`.</source>
        <translation>%1 contient un micrologiciel plus récent que cette version ; pour écrire cette version malgré tout, lancez `rz-firmware-updater update --allow-downgrade`.</translation>
    </message>
    <message>
        <source>%1 now holds firmware %2.</source>
        <translation>%1 contient maintenant le micrologiciel %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers, not even to a bootstrap as %1.</source>
        <translation>Instrument introuvable : aucun ne répond, même pas à un amorçage en tant que %1.</translation>
    </message>
    <message>
        <source>This release has no firmware for the instrument of serial %1, which reports the device type %2.</source>
        <translation>Cette version ne contient aucun micrologiciel pour l&apos;instrument de numéro de série %1, qui indique le type d&apos;appareil %2.</translation>
    </message>
    <message>
        <source>Stopped before anything was erased on %1.</source>
        <translation>Arrêté avant que quoi que ce soit ne soit effacé sur %1.</translation>
    </message>
    <message>
        <source>The verified copy of the firmware for %1 cannot be used (%2); the device library was not called.</source>
        <translation>La copie vérifiée du micrologiciel pour %1 est inutilisable (%2) ; la bibliothèque de l&apos;appareil n&apos;a pas été appelée.</translation>
    </message>
    <message>
        <source>Cannot record the update of %1 before writing: %2</source>
        <translation>Impossible d&apos;enregistrer la mise à jour de %1 avant l&apos;écriture : %2</translation>
    </message>
    <message>
        <source>Failed presetting %1.</source>
        <translation>Échec du préréglage de %1.</translation>
    </message>
    <message>
        <source>Failed clearing %1 of %2.</source>
        <translation>Échec de l&apos;effacement de %1 de %2.</translation>
    </message>
    <message>
        <source>Failed writing %1 of %2.</source>
        <translation>Échec de l&apos;écriture de %1 de %2.</translation>
    </message>
    <message>
        <source>The connected instrument is not %1, the one checked; nothing was written.</source>
        <translation>L&apos;instrument connecté n&apos;est pas %1, celui qui a été vérifié ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Failed opening %1: %2</source>
        <translation>Échec de l&apos;ouverture de %1 : %2</translation>
    </message>
    <message>
        <source>%1 holds newer firmware than this release; the downgrade was declined.</source>
        <translation>%1 contient un micrologiciel plus récent que cette version ; la rétrogradation a été refusée.</translation>
    </message>
    <message>
        <source>%1 needs a restore; use restore.</source>
        <translation>%1 doit être restauré ; utilisez restore.</translation>
    </message>
    <message>
        <source>%1 answers normally; use update.</source>
        <translation>%1 répond normalement ; utilisez update.</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers. To bootstrap it, name its model: restore --model %1.</source>
        <translation>Instrument introuvable : aucun ne répond. Pour l&apos;amorcer, indiquez son modèle : restore --model %1.</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers. If one is connected, restore --model MODEL can bootstrap it.</source>
        <translation>Instrument introuvable : aucun ne répond. Si un instrument est connecté, restore --model MODEL peut l&apos;amorcer.</translation>
    </message>
    <message>
        <source>%1 stopped answering while %2: no answer for %3.</source>
        <translation>%1 a cessé de répondre pendant %2 : aucune réponse depuis %3.</translation>
    </message>
    <message>
        <source>only members of the group %1 may use %2; add the account %3 to that group (sudo adduser %3 %1), then log out and log in again.</source>
        <translation>seuls les membres du groupe %1 peuvent utiliser %2 ; ajoutez le compte %3 à ce groupe (sudo adduser %3 %1), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Another firmware updater is already running: process %1 of the account %2.</source>
        <translation>Un autre programme de mise à jour du micrologiciel est déjà en cours d&apos;exécution : processus %1 du compte %2.</translation>
    </message>
    <message>
        <source>This build cannot update the %1: no calls of the device library write its %2 image.</source>
        <translation>Cette version ne peut pas mettre à jour le %1 : aucun appel de la bibliothèque de l’appareil n’écrit son image %2.</translation>
    </message>
    <message>
        <source>No update or restore on record is unfinished.</source>
        <translation>Aucune mise à jour ni restauration non terminée n&apos;est enregistrée.</translation>
    </message>
    <message>
        <source>No unfinished update of serial %1 is on record.</source>
        <translation>Aucune mise à jour non terminée du numéro de série %1 n&apos;est enregistrée.</translation>
    </message>
    <message>
        <source>Several models of serial %1 have unfinished updates on record; name one with --model.</source>
        <translation>Plusieurs modèles de numéro de série %1 ont des mises à jour non terminées enregistrées ; indiquez-en un avec --model.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>The record of the unfinished update of %1 was discarded; a later check takes the instrument as it answers.</source>
        <translation>L&apos;enregistrement de la mise à jour non terminée de %1 a été écarté ; une vérification ultérieure prendra l&apos;instrument tel qu&apos;il répond.</translation>
    </message>
    <message>
        <source>Bootstrapping it as %1, the model on record.</source>
        <translation>Amorçage en tant que %1, le modèle enregistré.</translation>
    </message>
    <message>
        <source>The last update of %1 did not finish; it is finished by rewriting the instrument.</source>
        <translation>La dernière mise à jour de %1 ne s&apos;est pas terminée ; elle est terminée en réécrivant l&apos;instrument.</translation>
    </message>
    <message>
        <source>Nothing answers. The last update of %1 did not finish: if this is that instrument, run `rz-firmware-updater restore` to finish it; otherwise `rz-firmware-updater restore --model MODEL`.</source>
        <translation>Rien ne répond. La dernière mise à jour de %1 ne s&apos;est pas terminée : s&apos;il s&apos;agit de cet instrument, lancez `rz-firmware-updater restore` pour la terminer ; sinon, `rz-firmware-updater restore --model MODEL`.</translation>
    </message>
    <message>
        <source>Nothing answers. The updates of %1 did not finish: run `rz-firmware-updater restore --model MODEL` with the connected instrument&apos;s model; `rz-firmware-updater pending` lists them.</source>
        <translation>Rien ne répond. Les mises à jour de %1 ne se sont pas terminées : lancez `rz-firmware-updater restore --model MODEL` avec le modèle de l&apos;instrument connecté ; `rz-firmware-updater pending` les liste.</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Start the update again when ready.</source>
        <translation>Rien n&apos;a été modifié sur l&apos;instrument. Relancez la mise à jour quand vous serez prêt.</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Get this release again, whole and signed by a trusted key, then start the update again.</source>
        <translation>Rien n&apos;a été modifié sur l&apos;instrument. Récupérez à nouveau cette version, complète et signée par une clé de confiance, puis relancez la mise à jour.</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Connect only the instrument to update, then start again.</source>
        <translation>Rien n&apos;a été modifié sur l&apos;instrument. Ne connectez que l&apos;instrument à mettre à jour, puis recommencez.</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Once what the line above names is put right, start the update again.</source>
        <translation>Rien n&apos;a été modifié sur l&apos;instrument. Une fois corrigé ce que signale la ligne ci-dessus, relancez la mise à jour.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver gives no handle to bound its queries by</source>
        <translation>le pilote SQLite de Qt ne fournit aucun handle permettant de limiter la durée de ses requêtes</translation>
    </message>
    <message>
        <source>it did not answer within %1</source>
        <translation>il n&apos;a pas répondu dans un délai de %1</translation>
    </message>
    <message>
        <source>it holds a view, a trigger or a virtual table, which no update history does</source>
        <translation>il contient une vue, un déclencheur ou une table virtuelle, ce qu&apos;aucun historique des mises à jour ne contient</translation>
    </message>
    <message>
        <source>it holds no table of attempts</source>
        <translation>il ne contient aucune table des tentatives</translation>
    </message>
    <message>
        <source>its table of attempts has no column %1</source>
        <translation>sa table des tentatives n&apos;a pas de colonne %1</translation>
    </message>
    <message>
        <source>its table of attempts computes a column, which no update history does</source>
        <translation>sa table des tentatives calcule une colonne, ce que ne fait aucun historique des mises à jour</translation>
    </message>
    <message>
        <source>This attempt is not recorded in the update history.</source>
        <translation>Cette tentative n&apos;est pas enregistrée dans l&apos;historique des mises à jour.</translation>
    </message>
    <message>
        <source>The update history holds no unfinished attempt of %1 %2 to mark as discarded.</source>
        <translation>L&apos;historique des mises à jour ne contient aucune tentative non terminée de %1 %2 à marquer comme écartée.</translation>
    </message>
    <message>
        <source>Rehearsal: the device library replays the recording %1; no instrument is written, and the update history and the pending records are left as they are.</source>
        <translation>Répétition : la bibliothèque de l&apos;appareil rejoue l&apos;enregistrement %1 ; aucun instrument n&apos;est écrit, et l&apos;historique des mises à jour et les enregistrements des mises à jour en attente restent tels quels.</translation>
    </message>
    <message>
        <source>RZ_STALL_SCALE is %1: every call&apos;s estimate and the time it is allowed are %1 times their usual length.</source>
        <translation>RZ_STALL_SCALE vaut %1 : l&apos;estimation de chaque appel et le temps qui lui est accordé valent %1 fois leur durée habituelle.</translation>
    </message>
    <message>
        <source>1 millisecond</source>
        <translation>1 milliseconde</translation>
    </message>
    <message numerus="yes">
        <source>%n milliseconds</source>
        <translation>
            <numerusform>%n milliseconde</numerusform>
            <numerusform>%n millisecondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Still working: %1 for %2, estimated %3, scaled by RZ_STALL_SCALE=%4 to %5; keep the instrument connected.</source>
        <translation>Toujours en cours : %1 depuis %2, durée estimée : %3, soit %5 avec RZ_STALL_SCALE=%4 ; laissez l&apos;instrument connecté.</translation>
    </message>
    <message>
        <source>The instrument stopped answering while %1: no answer for %2, the time allowed scaled by RZ_STALL_SCALE=%3.</source>
        <translation>L&apos;instrument a cessé de répondre pendant %1 : aucune réponse depuis %2, le temps accordé étant multiplié par RZ_STALL_SCALE=%3.</translation>
    </message>
    <message>
        <source>%1 stopped answering while %2: no answer for %3, the time allowed scaled by RZ_STALL_SCALE=%4.</source>
        <translation>%1 a cessé de répondre pendant %2 : aucune réponse depuis %3, le temps accordé étant multiplié par RZ_STALL_SCALE=%4.</translation>
    </message>
    <message>
        <source>%1 must be an absolute path, not &quot;%2&quot;: the working folder no longer exists.</source>
        <translation>%1 doit être un chemin absolu, et non « %2 » : le dossier de travail n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Its signature file names no key that can be read.</source>
        <translation>Son fichier de signature ne désigne aucune clé lisible.</translation>
    </message>
    <message>
        <source>It is signed by key %1, which this machine does not trust: ask the administrator whether key %1 is the maker&apos;s.</source>
        <translation>Il est signé par la clé %1, à laquelle cette machine ne fait pas confiance : demandez à l&apos;administrateur si la clé %1 est celle du fabricant.</translation>
    </message>
    <message>
        <source>It is signed by key %1, which the administrator revoked: get a release signed by a key in use.</source>
        <translation>Il est signé par la clé %1, que l&apos;administrateur a révoquée : procurez-vous une version signée par une clé en service.</translation>
    </message>
    <message>
        <source>Its signature by key %1 does not hold for its list of images: the list or the signature was changed after signing; get the release again.</source>
        <translation>Sa signature par la clé %1 ne correspond pas à sa liste d&apos;images : la liste ou la signature a été modifiée après la signature ; procurez-vous de nouveau la version.</translation>
    </message>
    <message>
        <source>boot</source>
        <translation>amorçage</translation>
    </message>
    <message>
        <source>run</source>
        <translation>exécution</translation>
    </message>
    <message>
        <source>Release folder: %1</source>
        <translation>Dossier de la version : %1</translation>
    </message>
    <message>
        <source>The release&apos;s signed list does not name the image %1.</source>
        <translation>La liste signée de la version ne nomme pas l&apos;image %1.</translation>
    </message>
    <message>
        <source>Signed by key %1, which the administrator revoked.</source>
        <translation>Signée par la clé %1, que l&apos;administrateur a révoquée.</translation>
    </message>
    <message>
        <source>Signed by key %1, which this machine does not know.</source>
        <translation>Signée par la clé %1, que cette machine ne connaît pas.</translation>
    </message>
    <message>
        <source>Signed by key %1, which is not trusted while the revoked keys cannot be read.</source>
        <translation>Signée par la clé %1, qui n&apos;est pas de confiance tant que les clés révoquées ne peuvent pas être lues.</translation>
    </message>
    <message>
        <source>Signed by key %1, which this machine trusts.</source>
        <translation>Signée par la clé %1, à laquelle cette machine fait confiance.</translation>
    </message>
    <message>
        <source>No release found: nothing can be written.</source>
        <translation>Aucune version trouvée : rien ne peut être écrit.</translation>
    </message>
    <message>
        <source>The release in %1 can be written.</source>
        <translation>La version de %1 peut être écrite.</translation>
    </message>
    <message>
        <source>The release in %1 is refused: nothing in it will be written.</source>
        <translation>La version de %1 est refusée : rien n&apos;en sera écrit.</translation>
    </message>
    <message>
        <source>  %1 %2: %3 (missing)</source>
        <translation>  %1 %2 : %3 (manquante)</translation>
    </message>
    <message>
        <source>  %1 %2: %3 (not in the signed list)</source>
        <translation>  %1 %2 : %3 (absente de la liste signée)</translation>
    </message>
    <message>
        <source>  %1 %2: %3</source>
        <translation>  %1 %2 : %3</translation>
    </message>
    <message>
        <source>No firmware found in %1; nothing will be written.</source>
        <translation>Aucun micrologiciel trouvé dans %1 ; rien ne sera écrit.</translation>
    </message>
</context>
<context>
    <name>PLProgressDialog</name>
    <message>
        <source>Please Wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Écoulé : %1</translation>
    </message>
</context>
<context>
    <name>PendingCommand</name>
    <message>
        <source>--discard: expected a serial number above 0, not %1.</source>
        <translation>--discard : numéro de série supérieur à 0 attendu, et non %1.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Since (UTC)</source>
        <translation>Depuis (UTC)</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>Composants</translation>
    </message>
</context>
<context>
    <name>StartRefusal</name>
    <message>
        <source>The firmware updater cannot start.</source>
        <translation>Le programme de mise à jour du micrologiciel ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>The account %1 is not in the group %2, whose members may use the firmware updater.</source>
        <translation>Le compte %1 n&apos;appartient pas au groupe %2, dont les membres peuvent utiliser le programme de mise à jour du micrologiciel.</translation>
    </message>
    <message>
        <source>Ask whoever administers this computer to add the account to the group, for example with:

sudo adduser %1 %2

Then log out, log in again and start the updater anew.</source>
        <translation>Demandez à la personne qui administre cet ordinateur d&apos;ajouter le compte au groupe, par exemple avec :

sudo adduser %1 %2

Puis déconnectez-vous, reconnectez-vous et relancez le programme de mise à jour.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Check Versions</source>
        <translation>Vérifier les versions</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Your device appears to have a newer firmware version.
Installing this will overwrite your firmware with an older version.
Are you sure you wish to continue?</source>
        <translation>Votre appareil semble avoir une version plus récente du micrologiciel.
L&apos;installation remplacera votre micrologiciel par une version plus ancienne.
Voulez-vous vraiment continuer ?</translation>
    </message>
</context>
</TS>

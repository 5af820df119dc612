<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AttemptState</name>
    <message>
        <source>pending</source>
        <translation>ausstehend</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>erfolgreich</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>update: write even where the instrument holds newer firmware.</source>
        <translation>update: auch schreiben, wenn das Gerät eine neuere Firmware hat.</translation>
    </message>
    <message>
        <source>history: only this instrument&apos;s attempts.</source>
        <translation>history: nur die Versuche dieses Geräts.</translation>
    </message>
    <message>
        <source>history: only attempts started on this day (UTC) or later.</source>
        <translation>history: nur Versuche, die an diesem Tag (UTC) oder später begonnen haben.</translation>
    </message>
    <message>
        <source>history: the attempts as CSV, a header row first.</source>
        <translation>history: die Versuche als CSV, zuerst eine Kopfzeile.</translation>
    </message>
    <message>
        <source>--serial, --since and --csv go with history only.</source>
        <translation>--serial, --since und --csv gehören nur zu history.</translation>
    </message>
    <message>
        <source>--serial: expected a serial number above 0, not %1.</source>
        <translation>--serial: Seriennummer größer als 0 erwartet, nicht %1.</translation>
    </message>
    <message>
        <source>--model: expected one of %1, not %2.</source>
        <translation>--model: einer von %1 erwartet, nicht %2.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>No display to open the window on; use a command instead: rz-firmware-updater check | update | restore (see --help).</source>
        <translation>Kein Bildschirm, auf dem sich das Fenster öffnen kann; verwenden Sie stattdessen einen Befehl: rz-firmware-updater check | update | restore (siehe --help).</translation>
    </message>
    <message>
        <source>restore: the model to bootstrap when nothing answers; history, pending: only this model&apos;s.</source>
        <translation>restore: das Modell, das per Bootstrap gestartet wird, wenn nichts antwortet; history, pending: nur die dieses Modells.</translation>
    </message>
    <message>
        <source>pending: let the record of this instrument&apos;s unfinished update go.</source>
        <translation>pending: den Datensatz der nicht abgeschlossenen Aktualisierung dieses Geräts verwerfen.</translation>
    </message>
    <message>
        <source>--discard goes with pending only.</source>
        <translation>--discard gehört nur zu pending.</translation>
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
        <translation>Bringt das eine angeschlossene Gerät auf die Firmware dieser Version.

Befehle:
  check     das Gerät suchen und seine Firmware mit dieser Version
            vergleichen
  update    prüfen, dann schreiben, was abweicht
  restore   prüfen, das genannte Modell per Bootstrap starten, wenn nichts
            antwortet, dann jede Komponente eines Geräts im Boot-Modus neu
            schreiben; ohne --model nennt die aufgezeichnete, nicht
            abgeschlossene Aktualisierung das Modell, sofern es genau
            eine gibt
  history   jede Aktualisierung und Wiederherstellung im Verlauf, neueste
            zuerst
  pending   die aufgezeichneten Aktualisierungen, die nicht abgeschlossen
            wurden; --discard verwirft eine davon
  release   was die Version enthält und wer sie signiert hat, ohne Gerät

Exit-Codes:
   0  fertig: aktuell oder erfolgreich geschrieben
   1  ein Schreibvorgang oder eine Abfrage ist fehlgeschlagen
   2  falscher Aufruf
   3  kein Gerät gefunden
   4  vor jedem Schreiben abgelehnt (keine Firmware gefunden, Firmware nicht
      mit einem vertrauenswürdigen Schlüssel signiert, neuere Firmware ohne
      --allow-downgrade, unbekanntes Modell, fehlendes oder beschädigtes
      Abbild, Wiederherstellung eines funktionierenden Geräts,
      Aktualisierung eines Geräts, das eine Wiederherstellung braucht, ein
      anderer Updater läuft auf dem Rechner);
      release: die Version wird abgelehnt
   5  das Gerät antwortet nicht mehr: ein Aufruf kehrte nicht innerhalb
      seiner Zeit zurück; die nächste Aktualisierung oder Wiederherstellung
      dieses Geräts schließt die aufgezeichnete Aktualisierung ab
  10  check: eine Aktualisierung ist verfügbar
  11  check: eine Wiederherstellung ist nötig
  128+N  durch Signal N beendet (130 SIGINT, 129 SIGHUP, 131 SIGQUIT,
      143 SIGTERM): sofort, solange nichts gelöscht wurde, sonst sobald
      die gerade geschriebene Firmware erfolgreich geschrieben ist (ein
      Stopp während eines fehlschlagenden Schreibvorgangs endet mit 1)

Ein Befehl, der fehlschlägt oder ablehnt, gibt seinen Grund auch auf der
Standardfehlerausgabe aus, nach dem Namen des Programms.

Ohne Befehl öffnet sich das Fenster.</translation>
    </message>
    <message>
        <source>check, update, restore, history, pending or release</source>
        <translation>check, update, restore, history, pending oder release</translation>
    </message>
    <message>
        <source>check, update, restore, release: the release in this folder (relative to the working folder) rather than ./firmware or the installed one.</source>
        <translation>check, update, restore, release: die Version in diesem Ordner (relativ zum Arbeitsordner) statt ./firmware oder der installierten.</translation>
    </message>
    <message>
        <source>Print one JSON report on standard output at the end; the lines go to standard error. history, pending: the rows as JSON. release: what the release carries as JSON.</source>
        <translation>Am Ende einen JSON-Bericht auf der Standardausgabe ausgeben; die Zeilen gehen auf die Standardfehlerausgabe. history, pending: die Einträge als JSON. release: was die Version enthält, als JSON.</translation>
    </message>
    <message>
        <source>check, update, restore, release: print only the verdict line; reasons still go to standard error.</source>
        <translation>check, update, restore, release: nur die Ergebniszeile ausgeben; Gründe gehen weiterhin auf die Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Expected one command: check, update, restore, history, pending or release (see --help).</source>
        <translation>Genau ein Befehl erwartet: check, update, restore, history, pending oder release (siehe --help).</translation>
    </message>
    <message>
        <source>--quiet goes with check, update, restore and release, without --json.</source>
        <translation>--quiet gehört zu check, update, restore und release, ohne --json.</translation>
    </message>
    <message>
        <source>--firmware goes with check, update, restore and release.</source>
        <translation>--firmware gehört zu check, update, restore und release.</translation>
    </message>
    <message>
        <source>--firmware: expected the release&apos;s folder.</source>
        <translation>--firmware: Ordner der Version erwartet.</translation>
    </message>
    <message>
        <source>check, update, restore: standard output is a stream of JSON objects, one a line, as the run goes: its lines, steps, progress and stop notices, then the report --json prints.</source>
        <translation>check, update, restore: die Standardausgabe wird ein Strom von JSON-Objekten, eines je Zeile, während der Lauf geschieht: seine Zeilen, Schritte, Fortschritt und Hinweise zum Abbruch, dann der Bericht, den --json ausgibt.</translation>
    </message>
    <message>
        <source>--events goes with check, update and restore only.</source>
        <translation>--events gehört nur zu check, update und restore.</translation>
    </message>
    <message>
        <source>--events and --json do not go together: the events end with the report --json prints.</source>
        <translation>--events und --json gehen nicht zusammen: die Ereignisse enden mit dem Bericht, den --json ausgibt.</translation>
    </message>
    <message>
        <source>--events and --quiet do not go together: the events carry the verdict.</source>
        <translation>--events und --quiet schließen sich aus: die Ereignisse enthalten das Ergebnis bereits.</translation>
    </message>
</context>
<context>
    <name>DeviceSelectorDialog</name>
    <message>
        <source>Device Select</source>
        <translation>Geräteauswahl</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unable to open device. If the device is not connected to the PC, please connect the device and restart this application. If you want to bootstrap your device, please select your device type below.</source>
        <translation>Das Gerät kann nicht geöffnet werden. Wenn das Gerät nicht mit dem PC verbunden ist, schließen Sie es bitte an und starten Sie diese Anwendung neu. Wenn Sie das Gerät per Bootstrap starten möchten, wählen Sie unten bitte den Gerätetyp aus.</translation>
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
        <translation>Beginn (UTC)</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>No update attempts on record.</source>
        <translation>Keine Aktualisierungsversuche im Verlauf.</translation>
    </message>
    <message>
        <source>--serial: expected a serial number above 0, not %1.</source>
        <translation>--serial: Seriennummer größer als 0 erwartet, nicht %1.</translation>
    </message>
    <message>
        <source>--since: expected a date as YYYY-MM-DD, not %1.</source>
        <translation>--since: Datum als YYYY-MM-DD erwartet, nicht %1.</translation>
    </message>
    <message>
        <source>--json and --csv cannot be combined.</source>
        <translation>--json und --csv können nicht kombiniert werden.</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Update History</source>
        <translation>Aktualisierungsverlauf</translation>
    </message>
    <message>
        <source>Update history</source>
        <translation>Aktualisierungsverlauf</translation>
    </message>
    <message>
        <source>any</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>&amp;Serial number:</source>
        <translation>&amp;Seriennummer:</translation>
    </message>
    <message>
        <source>Open Session Log</source>
        <translation>Sitzungsprotokoll öffnen</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>The history could not be read.</source>
        <translation>Der Verlauf konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>The history could not be saved to %1.

%2</source>
        <translation>Der Verlauf konnte nicht in %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>The session log could not be opened. It is:

%1</source>
        <translation>Das Sitzungsprotokoll konnte nicht geöffnet werden. Es liegt hier:

%1</translation>
    </message>
</context>
<context>
    <name>LogMenu</name>
    <message>
        <source>Update History...</source>
        <translation>Aktualisierungsverlauf...</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>Save Log As...</source>
        <translation>Protokoll speichern unter...</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Save Log As</source>
        <translation>Protokoll speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>The log could not be saved to %1.

%2</source>
        <translation>Das Protokoll konnte nicht in %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>The log folder could not be opened. It is:

%1</source>
        <translation>Der Protokollordner konnte nicht geöffnet werden. Er liegt hier:

%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 Firmware Updater</source>
        <translation>%1 Firmware-Aktualisierung</translation>
    </message>
</context>
<context>
    <name>OperatorText</name>
    <message>
        <source>Elapsed %1</source>
        <translation>Vergangen: %1</translation>
    </message>
    <message>
        <source>Checking Firmware Versions...</source>
        <translation>Firmware-Versionen werden geprüft...</translation>
    </message>
    <message>
        <source>Failed to open boot device.</source>
        <translation>Boot-Gerät konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Checking firmware version
Estimated 30 seconds
Please Wait</source>
        <translation>Firmware-Version wird geprüft
Geschätzt 30 Sekunden
Bitte warten</translation>
    </message>
    <message>
        <source>Looking to bootstrap device.</source>
        <translation>Gerät soll per Bootstrap gestartet werden.</translation>
    </message>
    <message>
        <source>The last update of %1 serial %2 did not finish.</source>
        <translation>Die letzte Aktualisierung von %1 mit Seriennummer %2 wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>The instrument that answers is not the one whose update did not finish.</source>
        <translation>Das antwortende Gerät ist nicht das Gerät, dessen Aktualisierung nicht abgeschlossen wurde.</translation>
    </message>
    <message>
        <source>Bootstrapping Device
Please Wait...</source>
        <translation>Gerät wird per Bootstrap gestartet
Bitte warten...</translation>
    </message>
    <message>
        <source>Failed to detect device.</source>
        <translation>Gerät wurde nicht erkannt.</translation>
    </message>
    <message>
        <source>Cycle the power on the device, restart the firmware updater,  and try again.</source>
        <translation>Schalten Sie das Gerät aus und wieder ein, starten Sie die Firmware-Aktualisierung neu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>If you continue to receive this message, contact Pellanor.</source>
        <translation>Wenn diese Meldung weiterhin erscheint, wenden Sie sich an Pellanor.</translation>
    </message>
    <message>
        <source>Attempting to bootstrap firmware.</source>
        <translation>Firmware wird per Bootstrap gestartet.</translation>
    </message>
    <message>
        <source>Found serial %1</source>
        <translation>Seriennummer %1 gefunden</translation>
    </message>
    <message>
        <source>Firmware can now be restored.</source>
        <translation>Die Firmware kann jetzt wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Press Restore to continue.</source>
        <translation>Klicken Sie auf „Wiederherstellen“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>%1 gefunden</translation>
    </message>
    <message>
        <source>Serial %1, with firmware %2</source>
        <translation>Seriennummer %1, Firmware %2</translation>
    </message>
    <message>
        <source>This release has no firmware for this device type.</source>
        <translation>Diese Version enthält keine Firmware für diesen Gerätetyp.</translation>
    </message>
    <message>
        <source>The last update of this instrument did not finish.</source>
        <translation>Die letzte Aktualisierung dieses Geräts wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Firmware requires update.</source>
        <translation>Die Firmware muss aktualisiert werden.</translation>
    </message>
    <message>
        <source>Press Update to continue.</source>
        <translation>Klicken Sie auf „Aktualisieren“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Firmware does not require update.</source>
        <translation>Die Firmware muss nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Cancelling operation.</source>
        <translation>Vorgang wird abgebrochen.</translation>
    </message>
    <message>
        <source>Firmware can now be updated.</source>
        <translation>Die Firmware kann jetzt aktualisiert werden.</translation>
    </message>
    <message>
        <source>Updating Firmware</source>
        <translation>Firmware wird aktualisiert</translation>
    </message>
    <message>
        <source>Updating Device
DO NOT UNPLUG THE DEVICE
This process can take several minutes
Please Wait...</source>
        <translation>Gerät wird aktualisiert
GERÄT NICHT TRENNEN
Dieser Vorgang kann mehrere Minuten dauern
Bitte warten...</translation>
    </message>
    <message>
        <source>Restoring Device</source>
        <translation>Gerät wird wiederhergestellt</translation>
    </message>
    <message>
        <source>Performing Device Restore
DO NOT UNPLUG DEVICE
This process will take up to 10 minutes
Please Wait...</source>
        <translation>Gerät wird wiederhergestellt
GERÄT NICHT TRENNEN
Dieser Vorgang dauert bis zu 10 Minuten
Bitte warten...</translation>
    </message>
    <message>
        <source>Could not clear the update record: %1</source>
        <translation>Der Aktualisierungsdatensatz konnte nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>Firmware erfolgreich aktualisiert.</translation>
    </message>
    <message>
        <source>Firmware updated unsuccessfully.</source>
        <translation>Firmware-Aktualisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Check device connections and re-run the software.</source>
        <translation>Prüfen Sie die Geräteverbindungen und starten Sie die Software erneut.</translation>
    </message>
    <message>
        <source>If problem persists, contact Pellanor.</source>
        <translation>Wenn das Problem weiterhin besteht, wenden Sie sich an Pellanor.</translation>
    </message>
    <message>
        <source>You may now close the software.</source>
        <translation>Sie können die Software jetzt schließen.</translation>
    </message>
    <message>
        <source>Cannot record the update before writing: %1</source>
        <translation>Die Aktualisierung kann vor dem Schreiben nicht aufgezeichnet werden: %1</translation>
    </message>
    <message>
        <source>Failed presetting the instrument.</source>
        <translation>Voreinstellen des Geräts fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Failed Clearing</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed Writing</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>The connected instrument is not the one checked; nothing was written.</source>
        <translation>Das angeschlossene Gerät ist nicht das geprüfte; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot use the key file %1.</source>
        <translation>Die Schlüsseldatei %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The firmware in %1 is not signed; nothing will be written.</source>
        <translation>Die Firmware in %1 ist nicht signiert; es wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot read the revoked keys in %1; no key is trusted.</source>
        <translation>Die widerrufenen Schlüssel in %1 können nicht gelesen werden; keinem Schlüssel wird vertraut.</translation>
    </message>
    <message>
        <source>The firmware in %1 is not signed by a trusted key; nothing will be written.</source>
        <translation>Die Firmware in %1 ist nicht mit einem vertrauenswürdigen Schlüssel signiert; es wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot keep a private copy of the firmware: %1</source>
        <translation>Es kann keine private Kopie der Firmware angelegt werden: %1</translation>
    </message>
    <message>
        <source>Missing firmware image: %1</source>
        <translation>Firmware-Abbild fehlt: %1</translation>
    </message>
    <message>
        <source>Firmware image does not match the release checksum: %1</source>
        <translation>Das Firmware-Abbild stimmt nicht mit der Prüfsumme der Version überein: %1</translation>
    </message>
    <message>
        <source>%1 firmware updater</source>
        <translation>%1 Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Using RZ API version %1</source>
        <translation>Verwendet RZ-API-Version %1</translation>
    </message>
    <message>
        <source>Please read below before continuing.</source>
        <translation>Bitte lesen Sie die folgenden Hinweise, bevor Sie fortfahren.</translation>
    </message>
    <message>
        <source>Updates %1 to firmware version %2</source>
        <translation>Aktualisiert %1 auf Firmware-Version %2</translation>
    </message>
    <message>
        <source>Ensure only one Pellanor device is connected to the PC.</source>
        <translation>Stellen Sie sicher, dass nur ein Pellanor-Gerät mit dem PC verbunden ist.</translation>
    </message>
    <message>
        <source>Do NOT disconnect the device at any time during the update.</source>
        <translation>Trennen Sie das Gerät während der Aktualisierung zu KEINEM Zeitpunkt.</translation>
    </message>
    <message>
        <source>Disconnecting the device during an update can leave your device in an unoperable state.</source>
        <translation>Wird das Gerät während einer Aktualisierung getrennt, kann es danach unbrauchbar sein.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Connect %1 devices over %2.</source>
        <translation>Schließen Sie %1-Geräte über %2 an.</translation>
    </message>
    <message>
        <source>Could not keep a log file: %1</source>
        <translation>Es konnte keine Protokolldatei angelegt werden: %1</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>eine Gerätedatei</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>%1 is %2, not a file.</source>
        <translation>%1 ist %2, keine Datei.</translation>
    </message>
    <message>
        <source>The update history could not be read: %1</source>
        <translation>Der Aktualisierungsverlauf konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 was replaced while it was being opened.</source>
        <translation>%1 wurde ersetzt, während es geöffnet wurde.</translation>
    </message>
    <message>
        <source>it fails its integrity check</source>
        <translation>die Integritätsprüfung schlägt fehl</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id could not be kept: %1</source>
        <translation>Die höchste Vorgangsnummer des Aktualisierungsverlaufs konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The update history could not be read; it was kept as %1 and a new one started.</source>
        <translation>Der Aktualisierungsverlauf konnte nicht gelesen werden; er wurde als %1 aufbewahrt und ein neuer begonnen.</translation>
    </message>
    <message>
        <source>The update history could not be written: %1</source>
        <translation>Der Aktualisierungsverlauf konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The instrument needs a restore; use restore.</source>
        <translation>Das Gerät muss wiederhergestellt werden; verwenden Sie restore.</translation>
    </message>
    <message>
        <source>The instrument answers normally; use update.</source>
        <translation>Das Gerät antwortet normal; verwenden Sie update.</translation>
    </message>
    <message>
        <source>No instrument answers. To bootstrap it, name its model: restore --model %1.</source>
        <translation>Kein Gerät antwortet. Um es per Bootstrap zu starten, geben Sie sein Modell an: restore --model %1.</translation>
    </message>
    <message>
        <source>No instrument answers. If one is connected, restore --model MODEL can bootstrap it.</source>
        <translation>Kein Gerät antwortet. Ist eines angeschlossen, kann restore --model MODEL es per Bootstrap starten.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>clearing %1</source>
        <translation>dem Löschen von %1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>dem Schreiben von %1</translation>
    </message>
    <message>
        <source>Skipping %1, already current version.</source>
        <translation>%1 wird übersprungen, bereits aktuelle Version.</translation>
    </message>
    <message>
        <source>Failed writing %1.</source>
        <translation>Schreiben von %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Updating %1, estimated %2.</source>
        <translation>%1 wird aktualisiert, geschätzt %2.</translation>
    </message>
    <message>
        <source>asking the device library its version</source>
        <translation>der Abfrage der Version der Gerätebibliothek</translation>
    </message>
    <message>
        <source>The instrument stopped answering while %1: no answer for %2.</source>
        <translation>Das Gerät antwortet nicht mehr bei %1: seit %2 keine Antwort.</translation>
    </message>
    <message>
        <source>Still working: %1 for %2, estimated %3; keep the instrument connected.</source>
        <translation>Noch beschäftigt mit %1 seit %2, geschätzt %3; lassen Sie das Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>closing the instrument</source>
        <translation>dem Schließen des Geräts</translation>
    </message>
    <message>
        <source>opening the instrument</source>
        <translation>dem Öffnen des Geräts</translation>
    </message>
    <message>
        <source>listing the instruments</source>
        <translation>dem Auflisten der Geräte</translation>
    </message>
    <message>
        <source>reading the firmware number</source>
        <translation>dem Lesen der Firmware-Nummer</translation>
    </message>
    <message>
        <source>reading the FPGA status</source>
        <translation>dem Lesen des FPGA-Status</translation>
    </message>
    <message>
        <source>Failed to retrieve firmware versions.</source>
        <translation>Firmware-Versionen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>FPGA failed to load.</source>
        <translation>FPGA konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Cannot Find Device</source>
        <translation>Gerät nicht gefunden</translation>
    </message>
    <message>
        <source>Unable to find device.</source>
        <translation>Gerät wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Failed to open device.</source>
        <translation>Gerät konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>presetting the instrument</source>
        <translation>dem Voreinstellen des Geräts</translation>
    </message>
    <message>
        <source>bootstrapping the instrument</source>
        <translation>dem Bootstrap des Geräts</translation>
    </message>
    <message>
        <source>reading the serial number from flash</source>
        <translation>dem Lesen der Seriennummer aus dem Flash-Speicher</translation>
    </message>
    <message>
        <source>FX3</source>
        <translation>FX3</translation>
    </message>
    <message>
        <source>FX3 program</source>
        <translation>FX3-Programm</translation>
    </message>
    <message>
        <source>Failed clearing boot FX3 device.</source>
        <translation>Löschen des Boot-FX3 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation>FPGA</translation>
    </message>
    <message>
        <source>Failed clearing FPGA.</source>
        <translation>Löschen des FPGA fehlgeschlagen.</translation>
    </message>
    <message>
        <source>reading the device type</source>
        <translation>dem Lesen des Gerätetyps</translation>
    </message>
    <message>
        <source>reading the firmware versions</source>
        <translation>dem Lesen der Firmware-Versionen</translation>
    </message>
    <message>
        <source>reading the serial number</source>
        <translation>dem Lesen der Seriennummer</translation>
    </message>
    <message>
        <source>Failed to retrieve serial number.</source>
        <translation>Seriennummer konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Failed to read the boot device&apos;s serial number or type.</source>
        <translation>Seriennummer oder Typ des Boot-Geräts konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>boot Fx3</source>
        <translation>Boot-Fx3</translation>
    </message>
    <message>
        <source>Failed clearing boot Fx3 device.</source>
        <translation>Löschen des Boot-Fx3 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>run Fx3</source>
        <translation>Run-Fx3</translation>
    </message>
    <message>
        <source>run Fx3 device</source>
        <translation>Run-Fx3</translation>
    </message>
    <message>
        <source>Failed clearing run Fx3.</source>
        <translation>Löschen des Run-Fx3 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Failed to open RZ.</source>
        <translation>RZ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Looking for RZ boot device...</source>
        <translation>RZ-Boot-Gerät wird gesucht...</translation>
    </message>
    <message>
        <source>Failed to open RZ boot device.</source>
        <translation>RZ-Boot-Gerät konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot read the update record: %1; every component will be rewritten.</source>
        <translation>Der Aktualisierungsdatensatz kann nicht gelesen werden: %1; alle Komponenten werden neu geschrieben.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>Updates are recorded for this account only: %1</source>
        <translation>Aktualisierungen werden nur für dieses Konto aufgezeichnet: %1</translation>
    </message>
    <message>
        <source>Cannot take the updater lock: %1</source>
        <translation>Die Sperre der Firmware-Aktualisierung kann nicht gesetzt werden: %1</translation>
    </message>
    <message>
        <source>Another firmware updater is already running.</source>
        <translation>Eine andere Firmware-Aktualisierung läuft bereits.</translation>
    </message>
    <message>
        <source>Firmware is being written; stopping now could leave the instrument unusable. The updater will stop when the write ends, in at most %1.</source>
        <translation>Die Firmware wird geschrieben; ein Abbruch jetzt könnte das Gerät unbrauchbar machen. Die Aktualisierung wird beendet, sobald das Schreiben abgeschlossen ist, spätestens in %1.</translation>
    </message>
    <message>
        <source>Firmware is being written; the updater cannot be paused now. The write goes on.</source>
        <translation>Die Firmware wird geschrieben; die Aktualisierung kann jetzt nicht angehalten werden. Der Schreibvorgang läuft weiter.</translation>
    </message>
    <message>
        <source>Invalid device type</source>
        <translation>Ungültiger Gerätetyp</translation>
    </message>
    <message>
        <source>%1: it is not a minisign public key</source>
        <translation>%1: kein öffentlicher minisign-Schlüssel</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>The %1 ended as %2; the log says why.</source>
        <translation>Der Befehl %1 endete mit „%2“; der Grund steht im Protokoll.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Could not record the device library&apos;s calls: %1: %2</source>
        <translation>Die Aufrufe der Gerätebibliothek konnten nicht aufgezeichnet werden: %1: %2</translation>
    </message>
    <message>
        <source>Firmware is being written; stopping now could leave the instrument unusable. The updater will stop when the write ends, in at most %1; still to write: %2.</source>
        <translation>Die Firmware wird geschrieben; ein Abbruch jetzt könnte das Gerät unbrauchbar machen. Die Aktualisierung wird beendet, sobald das Schreiben abgeschlossen ist, spätestens in %1; noch zu schreiben: %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list of components</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Stopped before anything was erased.</source>
        <translation>Abgebrochen, bevor etwas gelöscht wurde.</translation>
    </message>
    <message>
        <source>The verified copy of the firmware cannot be used (%1); the device library was not called.</source>
        <translation>Die geprüfte Kopie der Firmware kann nicht verwendet werden (%1); die Gerätebibliothek wurde nicht aufgerufen.</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 ist verschwunden</translation>
    </message>
    <message>
        <source>%1 was changed</source>
        <translation>%1 wurde verändert</translation>
    </message>
    <message>
        <source>cannot enter %1: %2</source>
        <translation>%1 kann nicht betreten werden: %2</translation>
    </message>
    <message>
        <source>RZ_STALL_SCALE must be a number from 0.001 to 1000, not &quot;%1&quot;.</source>
        <translation>RZ_STALL_SCALE muss eine Zahl von 0,001 bis 1000 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The firmware in %1 cannot be checked: %2; nothing will be written.</source>
        <translation>Die Firmware in %1 kann nicht geprüft werden: %2; es wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>its attempt ids are used up</source>
        <translation>seine Vorgangsnummern sind aufgebraucht</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id in %1 is beyond any it can hold; it is left out.</source>
        <translation>Die höchste Vorgangsnummer des Aktualisierungsverlaufs in %1 liegt jenseits jeder Nummer, die er fassen kann; sie wird nicht beachtet.</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id in %1 is beyond any it can hold; it was kept as %2.</source>
        <translation>Die höchste Vorgangsnummer des Aktualisierungsverlaufs in %1 liegt jenseits jeder Nummer, die er fassen kann; sie wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>größer als %1 KiB</translation>
    </message>
    <message>
        <source>%1: it is %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 must be an absolute path, not &quot;%2&quot;.</source>
        <translation>%1 muss ein absoluter Pfad sein, nicht „%2“.</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater restore` to continue.</source>
        <translation>Führen Sie `rz-firmware-updater restore` aus, um fortzufahren.</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater update --allow-downgrade` to continue.</source>
        <translation>Führen Sie `rz-firmware-updater update --allow-downgrade` aus, um fortzufahren.</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater update` to continue.</source>
        <translation>Führen Sie `rz-firmware-updater update` aus, um fortzufahren.</translation>
    </message>
    <message>
        <source>Using the firmware installed with the updater: %1</source>
        <translation>Die mit der Firmware-Aktualisierung installierte Firmware wird verwendet: %1</translation>
    </message>
    <message>
        <source>No firmware found in %1 or in %2; nothing will be written.</source>
        <translation>Keine Firmware in %1 oder in %2 gefunden; es wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>Showing this account&apos;s own update history, kept in %1: %2</source>
        <translation>Gezeigt wird der eigene Aktualisierungsverlauf dieses Kontos, abgelegt in %1: %2</translation>
    </message>
    <message>
        <source>%1 holds newer firmware than this release; to write this release anyway, run `rz-firmware-updater update --allow-downgrade`.</source>
        <translation>%1 hat eine neuere Firmware als diese Version; um diese Version trotzdem zu schreiben, führen Sie `rz-firmware-updater update --allow-downgrade` aus.</translation>
    </message>
    <message>
        <source>%1 now holds firmware %2.</source>
        <translation>%1 hat jetzt die Firmware %2.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht beschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers, not even to a bootstrap as %1.</source>
        <translation>Das Gerät wird nicht gefunden: keines antwortet, auch nicht auf einen Bootstrap als %1.</translation>
    </message>
    <message>
        <source>This release has no firmware for the instrument of serial %1, which reports the device type %2.</source>
        <translation>Diese Version enthält keine Firmware für das Gerät mit Seriennummer %1, das den Gerätetyp %2 meldet.</translation>
    </message>
    <message>
        <source>Stopped before anything was erased on %1.</source>
        <translation>Abgebrochen, bevor auf %1 etwas gelöscht wurde.</translation>
    </message>
    <message>
        <source>The verified copy of the firmware for %1 cannot be used (%2); the device library was not called.</source>
        <translation>Die geprüfte Kopie der Firmware für %1 kann nicht verwendet werden (%2); die Gerätebibliothek wurde nicht aufgerufen.</translation>
    </message>
    <message>
        <source>Cannot record the update of %1 before writing: %2</source>
        <translation>Die Aktualisierung von %1 kann vor dem Schreiben nicht aufgezeichnet werden: %2</translation>
    </message>
    <message>
        <source>Failed presetting %1.</source>
        <translation>Voreinstellen von %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Failed clearing %1 of %2.</source>
        <translation>Löschen von %1 auf %2 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Failed writing %1 of %2.</source>
        <translation>Schreiben von %1 auf %2 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The connected instrument is not %1, the one checked; nothing was written.</source>
        <translation>Das angeschlossene Gerät ist nicht %1, das geprüfte; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Failed opening %1: %2</source>
        <translation>Öffnen von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 holds newer firmware than this release; the downgrade was declined.</source>
        <translation>%1 hat eine neuere Firmware als diese Version; das Zurückstufen wurde abgelehnt.</translation>
    </message>
    <message>
        <source>%1 needs a restore; use restore.</source>
        <translation>%1 muss wiederhergestellt werden; verwenden Sie restore.</translation>
    </message>
    <message>
        <source>%1 answers normally; use update.</source>
        <translation>%1 antwortet normal; verwenden Sie update.</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers. To bootstrap it, name its model: restore --model %1.</source>
        <translation>Das Gerät wird nicht gefunden: keines antwortet. Um es per Bootstrap zu starten, geben Sie sein Modell an: restore --model %1.</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers. If one is connected, restore --model MODEL can bootstrap it.</source>
        <translation>Das Gerät wird nicht gefunden: keines antwortet. Ist eines angeschlossen, kann restore --model MODEL es per Bootstrap starten.</translation>
    </message>
    <message>
        <source>%1 stopped answering while %2: no answer for %3.</source>
        <translation>%1 antwortet nicht mehr bei %2: seit %3 keine Antwort.</translation>
    </message>
    <message>
        <source>only members of the group %1 may use %2; add the account %3 to that group (sudo adduser %3 %1), then log out and log in again.</source>
        <translation>nur Mitglieder der Gruppe %1 dürfen %2 verwenden; nehmen Sie das Konto %3 in diese Gruppe auf (sudo adduser %3 %1), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Another firmware updater is already running: process %1 of the account %2.</source>
        <translation>Eine andere Firmware-Aktualisierung läuft bereits: Prozess %1 des Kontos %2.</translation>
    </message>
    <message>
        <source>This build cannot update the %1: no calls of the device library write its %2 image.</source>
        <translation>Dieser Build kann das %1 nicht aktualisieren: Kein Aufruf der Gerätebibliothek schreibt sein %2-Abbild.</translation>
    </message>
    <message>
        <source>No update or restore on record is unfinished.</source>
        <translation>Es ist keine nicht abgeschlossene Aktualisierung oder Wiederherstellung aufgezeichnet.</translation>
    </message>
    <message>
        <source>No unfinished update of serial %1 is on record.</source>
        <translation>Es ist keine nicht abgeschlossene Aktualisierung von Seriennummer %1 aufgezeichnet.</translation>
    </message>
    <message>
        <source>Several models of serial %1 have unfinished updates on record; name one with --model.</source>
        <translation>Für mehrere Modelle mit Seriennummer %1 sind nicht abgeschlossene Aktualisierungen aufgezeichnet; nennen Sie eines mit --model.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>%1 kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The record of the unfinished update of %1 was discarded; a later check takes the instrument as it answers.</source>
        <translation>Der Datensatz der nicht abgeschlossenen Aktualisierung von %1 wurde verworfen; eine spätere Prüfung nimmt das Gerät so, wie es antwortet.</translation>
    </message>
    <message>
        <source>Bootstrapping it as %1, the model on record.</source>
        <translation>Es wird als %1, das aufgezeichnete Modell, per Bootstrap gestartet.</translation>
    </message>
    <message>
        <source>The last update of %1 did not finish; it is finished by rewriting the instrument.</source>
        <translation>Die letzte Aktualisierung von %1 wurde nicht abgeschlossen; sie wird abgeschlossen, indem das Gerät neu geschrieben wird.</translation>
    </message>
    <message>
        <source>Nothing answers. The last update of %1 did not finish: if this is that instrument, run `rz-firmware-updater restore` to finish it; otherwise `rz-firmware-updater restore --model MODEL`.</source>
        <translation>Nichts antwortet. Die letzte Aktualisierung von %1 wurde nicht abgeschlossen: Ist dies dieses Gerät, führen Sie `rz-firmware-updater restore` aus, um sie abzuschließen; andernfalls `rz-firmware-updater restore --model MODEL`.</translation>
    </message>
    <message>
        <source>Nothing answers. The updates of %1 did not finish: run `rz-firmware-updater restore --model MODEL` with the connected instrument&apos;s model; `rz-firmware-updater pending` lists them.</source>
        <translation>Nichts antwortet. Die Aktualisierungen von %1 wurden nicht abgeschlossen: Führen Sie `rz-firmware-updater restore --model MODEL` mit dem Modell des angeschlossenen Geräts aus; `rz-firmware-updater pending` listet sie auf.</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Start the update again when ready.</source>
        <translation>Am Gerät wurde nichts verändert. Starten Sie die Aktualisierung erneut, wenn Sie bereit sind.</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Get this release again, whole and signed by a trusted key, then start the update again.</source>
        <translation>Am Gerät wurde nichts verändert. Beschaffen Sie diese Version erneut, vollständig und mit einem vertrauenswürdigen Schlüssel signiert, und starten Sie dann die Aktualisierung erneut.</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Connect only the instrument to update, then start again.</source>
        <translation>Am Gerät wurde nichts verändert. Schließen Sie nur das zu aktualisierende Gerät an und starten Sie dann erneut.</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Once what the line above names is put right, start the update again.</source>
        <translation>Am Gerät wurde nichts verändert. Sobald behoben ist, was die Zeile darüber nennt, starten Sie die Aktualisierung erneut.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver gives no handle to bound its queries by</source>
        <translation>der SQLite-Treiber von Qt liefert kein Handle, mit dem sich die Dauer seiner Abfragen begrenzen ließe</translation>
    </message>
    <message>
        <source>it did not answer within %1</source>
        <translation>er hat nicht innerhalb von %1 geantwortet</translation>
    </message>
    <message>
        <source>it holds a view, a trigger or a virtual table, which no update history does</source>
        <translation>er enthält eine Sicht, einen Trigger oder eine virtuelle Tabelle, was kein Aktualisierungsverlauf tut</translation>
    </message>
    <message>
        <source>it holds no table of attempts</source>
        <translation>er enthält keine Tabelle der Versuche</translation>
    </message>
    <message>
        <source>its table of attempts has no column %1</source>
        <translation>seiner Tabelle der Versuche fehlt die Spalte %1</translation>
    </message>
    <message>
        <source>its table of attempts computes a column, which no update history does</source>
        <translation>seine Tabelle der Versuche berechnet eine Spalte, was kein Aktualisierungsverlauf tut</translation>
    </message>
    <message>
        <source>This attempt is not recorded in the update history.</source>
        <translation>Dieser Versuch wird nicht im Aktualisierungsverlauf aufgezeichnet.</translation>
    </message>
    <message>
        <source>The update history holds no unfinished attempt of %1 %2 to mark as discarded.</source>
        <translation>Der Aktualisierungsverlauf enthält keinen nicht abgeschlossenen Versuch von %1 %2, der als verworfen markiert werden könnte.</translation>
    </message>
    <message>
        <source>Rehearsal: the device library replays the recording %1; no instrument is written, and the update history and the pending records are left as they are.</source>
        <translation>Probelauf: Die Gerätebibliothek spielt die Aufzeichnung %1 ab; kein Gerät wird beschrieben, und der Aktualisierungsverlauf und die Aktualisierungsdatensätze bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>RZ_STALL_SCALE is %1: every call&apos;s estimate and the time it is allowed are %1 times their usual length.</source>
        <translation>RZ_STALL_SCALE ist %1: Die Schätzung jedes Aufrufs und die ihm erlaubte Zeit sind %1-mal so lang wie üblich.</translation>
    </message>
    <message>
        <source>1 millisecond</source>
        <translation>1 Millisekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n milliseconds</source>
        <translation>
            <numerusform>%n Millisekunde</numerusform>
            <numerusform>%n Millisekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Still working: %1 for %2, estimated %3, scaled by RZ_STALL_SCALE=%4 to %5; keep the instrument connected.</source>
        <translation>Noch beschäftigt mit %1 seit %2, geschätzt %3, durch RZ_STALL_SCALE=%4 skaliert auf %5; lassen Sie das Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>The instrument stopped answering while %1: no answer for %2, the time allowed scaled by RZ_STALL_SCALE=%3.</source>
        <translation>Das Gerät antwortet nicht mehr bei %1: seit %2 keine Antwort, die erlaubte Zeit durch RZ_STALL_SCALE=%3 skaliert.</translation>
    </message>
    <message>
        <source>%1 stopped answering while %2: no answer for %3, the time allowed scaled by RZ_STALL_SCALE=%4.</source>
        <translation>%1 antwortet nicht mehr bei %2: seit %3 keine Antwort, die erlaubte Zeit durch RZ_STALL_SCALE=%4 skaliert.</translation>
    </message>
    <message>
        <source>%1 must be an absolute path, not &quot;%2&quot;: the working folder no longer exists.</source>
        <translation>%1 muss ein absoluter Pfad sein, nicht „%2“: Der Arbeitsordner existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Its signature file names no key that can be read.</source>
        <translation>Ihre Signaturdatei nennt keinen lesbaren Schlüssel.</translation>
    </message>
    <message>
        <source>It is signed by key %1, which this machine does not trust: ask the administrator whether key %1 is the maker&apos;s.</source>
        <translation>Sie ist mit dem Schlüssel %1 signiert, dem dieser Rechner nicht vertraut: Fragen Sie den Administrator, ob der Schlüssel %1 der des Herstellers ist.</translation>
    </message>
    <message>
        <source>It is signed by key %1, which the administrator revoked: get a release signed by a key in use.</source>
        <translation>Sie ist mit dem Schlüssel %1 signiert, den der Administrator widerrufen hat: Besorgen Sie eine Version, die mit einem gültigen Schlüssel signiert ist.</translation>
    </message>
    <message>
        <source>Its signature by key %1 does not hold for its list of images: the list or the signature was changed after signing; get the release again.</source>
        <translation>Ihre Signatur mit dem Schlüssel %1 passt nicht zu ihrer Liste der Images: Die Liste oder die Signatur wurde nach dem Signieren geändert; besorgen Sie die Version erneut.</translation>
    </message>
    <message>
        <source>boot</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Release folder: %1</source>
        <translation>Ordner der Version: %1</translation>
    </message>
    <message>
        <source>The release&apos;s signed list does not name the image %1.</source>
        <translation>Die signierte Liste der Version nennt das Abbild %1 nicht.</translation>
    </message>
    <message>
        <source>Signed by key %1, which the administrator revoked.</source>
        <translation>Signiert mit dem Schlüssel %1, den der Administrator widerrufen hat.</translation>
    </message>
    <message>
        <source>Signed by key %1, which this machine does not know.</source>
        <translation>Signiert mit dem Schlüssel %1, den dieser Rechner nicht kennt.</translation>
    </message>
    <message>
        <source>Signed by key %1, which is not trusted while the revoked keys cannot be read.</source>
        <translation>Signiert mit dem Schlüssel %1, dem nicht vertraut wird, solange die widerrufenen Schlüssel nicht gelesen werden können.</translation>
    </message>
    <message>
        <source>Signed by key %1, which this machine trusts.</source>
        <translation>Signiert mit dem Schlüssel %1, dem dieser Rechner vertraut.</translation>
    </message>
    <message>
        <source>No release found: nothing can be written.</source>
        <translation>Keine Version gefunden: Es kann nichts geschrieben werden.</translation>
    </message>
    <message>
        <source>The release in %1 can be written.</source>
        <translation>Die Version in %1 kann geschrieben werden.</translation>
    </message>
    <message>
        <source>The release in %1 is refused: nothing in it will be written.</source>
        <translation>Die Version in %1 wird abgelehnt: Nichts daraus wird geschrieben.</translation>
    </message>
    <message>
        <source>  %1 %2: %3 (missing)</source>
        <translation>  %1 %2: %3 (fehlt)</translation>
    </message>
    <message>
        <source>  %1 %2: %3 (not in the signed list)</source>
        <translation>  %1 %2: %3 (nicht in der signierten Liste)</translation>
    </message>
    <message>
        <source>  %1 %2: %3</source>
        <translation>  %1 %2: %3</translation>
    </message>
    <message>
        <source>No firmware found in %1; nothing will be written.</source>
        <translation>Keine Firmware in %1 gefunden; es wird nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>PLProgressDialog</name>
    <message>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Vergangen: %1</translation>
    </message>
</context>
<context>
    <name>PendingCommand</name>
    <message>
        <source>--discard: expected a serial number above 0, not %1.</source>
        <translation>--discard: Seriennummer größer als 0 erwartet, nicht %1.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Since (UTC)</source>
        <translation>Seit (UTC)</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>Komponenten</translation>
    </message>
</context>
<context>
    <name>StartRefusal</name>
    <message>
        <source>The firmware updater cannot start.</source>
        <translation>Die Firmware-Aktualisierung kann nicht starten.</translation>
    </message>
    <message>
        <source>The account %1 is not in the group %2, whose members may use the firmware updater.</source>
        <translation>Das Konto %1 gehört nicht zur Gruppe %2, deren Mitglieder die Firmware-Aktualisierung verwenden dürfen.</translation>
    </message>
    <message>
        <source>Ask whoever administers this computer to add the account to the group, for example with:

sudo adduser %1 %2

Then log out, log in again and start the updater anew.</source>
        <translation>Bitten Sie die Person, die diesen Computer verwaltet, das Konto in die Gruppe aufzunehmen, zum Beispiel mit:

sudo adduser %1 %2

Melden Sie sich dann ab und wieder an und starten Sie die Aktualisierung erneut.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Check Versions</source>
        <translation>Versionen prüfen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Your device appears to have a newer firmware version.
Installing this will overwrite your firmware with an older version.
Are you sure you wish to continue?</source>
        <translation>Ihr Gerät scheint eine neuere Firmware-Version zu haben.
Die Installation überschreibt Ihre Firmware mit einer älteren Version.
Möchten Sie wirklich fortfahren?</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Backups</name>
    <message>
        <source>is a symbolic link; backups are not written through one</source>
        <translation>ist ein symbolischer Link; Sicherungen werden nicht über einen Link geschrieben</translation>
    </message>
    <message>
        <source>is not a directory</source>
        <translation>ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the system names no data directory</source>
        <translation>das System nennt kein Datenverzeichnis</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>no backup number is left; remove the backups with the highest numbers</source>
        <translation>keine Sicherungsnummer mehr frei; entfernen Sie die Sicherungen mit den höchsten Nummern</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The backup could not be written.
%1: %2</source>
        <translation>Die Sicherung konnte nicht geschrieben werden.
%1: %2</translation>
    </message>
</context>
<context>
    <name>Comm</name>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Stable path</source>
        <translation>Fester Pfad</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB-ID</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Choose the port under Radio &gt; Serial Port.</source>
        <translation>Wählen Sie die Schnittstelle unter Funkgerät &gt; Serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>%1: no such device. Plug the cable in, or choose the port under Radio &gt; Serial Port.</source>
        <translation>%1: Gerät nicht vorhanden. Stecken Sie das Kabel ein oder wählen Sie die Schnittstelle unter Funkgerät &gt; Serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>%1: Permission denied. Add your user to the dialout group and log in again.</source>
        <translation>%1: Zugriff verweigert. Nehmen Sie Ihren Benutzer in die Gruppe dialout auf und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>%1: busy, another program is using it. Close that program and try again.</source>
        <translation>%1: belegt, ein anderes Programm verwendet sie. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1: busy, in use by %2. Close that program and try again.</source>
        <translation>%1: belegt, verwendet von %2. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1: no reply from the radio. Check the cable and the port under Radio &gt; Serial Port.</source>
        <translation>%1: keine Antwort vom Funkgerät. Prüfen Sie das Kabel und die Schnittstelle unter Funkgerät &gt; Serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>%1: the radio held the line with flow control (XOFF) and did not release it in time, so the command could not be sent.</source>
        <translation>%1: Das Funkgerät hat die Leitung per Flusssteuerung (XOFF) angehalten und nicht rechtzeitig freigegeben; der Befehl konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>%1: the line hung up (%2). Check that the cable is still plugged in.</source>
        <translation>%1: Die Verbindung wurde getrennt (%2). Prüfen Sie, ob das Kabel noch steckt.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Find radio</source>
        <translation>Funkgerät suchen</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>not valid %1 text (it starts with the %1 byte order mark)</source>
        <translation>kein gültiger %1-Text (er beginnt mit der %1-Bytereihenfolgemarke)</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>größer als %1 MiB</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1: a field longer than %2 characters</source>
        <translation>%1: ein Feld länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1: more than %2 columns</source>
        <translation>%1: mehr als %2 Spalten</translation>
    </message>
    <message>
        <source>no rows</source>
        <translation>keine Zeilen</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>no memory slot after PR</source>
        <translation>kein Speicherplatz nach PR</translation>
    </message>
    <message>
        <source>no Location</source>
        <translation>keine Location</translation>
    </message>
    <message>
        <source>Location %1 is out of range (1..193, L1..U6, PR)</source>
        <translation>Location %1 liegt außerhalb des Bereichs (1..193, L1..U6, PR)</translation>
    </message>
    <message>
        <source>Location %1 is not a number or a label L1..U6, PR</source>
        <translation>Location %1 ist weder eine Zahl noch eine Bezeichnung L1..U6, PR</translation>
    </message>
    <message>
        <source>duplicate Location %1 (already on line %2)</source>
        <translation>Location %1 doppelt (schon in Zeile %2)</translation>
    </message>
    <message>
        <source>Tone %1: this radio has no DTCS</source>
        <translation>Tone %1: dieses Funkgerät hat kein DTCS</translation>
    </message>
    <message>
        <source>Tone Cross (%1): this radio has no cross tone modes</source>
        <translation>Tone Cross (%1): dieses Funkgerät hat keine Cross-Tone-Betriebsarten</translation>
    </message>
    <message>
        <source>Tone TSQL-R: this radio has no reverse tone squelch</source>
        <translation>Tone TSQL-R: dieses Funkgerät hat keine umgekehrte Tonsperre</translation>
    </message>
    <message>
        <source>Tone %1 is not a tone mode</source>
        <translation>Tone %1 ist keine Tonbetriebsart</translation>
    </message>
    <message>
        <source>Frequency %1 is not a number</source>
        <translation>Frequency %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>Frequency %1 MHz is not in a band of this radio</source>
        <translation>Frequency %1 MHz liegt in keinem Band dieses Funkgeräts</translation>
    </message>
    <message>
        <source>Offset %1 is not a number</source>
        <translation>Offset %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>stored as simplex: transmit %1</source>
        <translation>als Simplex gespeichert: Senden auf %1</translation>
    </message>
    <message>
        <source>a memory channel shifts by the VFO offset of its band, %1 MHz, not by Offset %2 MHz</source>
        <translation>ein Speicherkanal verwendet die VFO-Ablage seines Bandes, %1 MHz, nicht Offset %2 MHz</translation>
    </message>
    <message>
        <source>stored as a split channel: transmit %1 (%2)</source>
        <translation>als Split-Kanal gespeichert: Senden auf %1 (%2)</translation>
    </message>
    <message>
        <source>Duplex off: this radio cannot inhibit transmitting</source>
        <translation>Duplex off: dieses Funkgerät kann das Senden nicht sperren</translation>
    </message>
    <message>
        <source>Duplex %1 is not a shift</source>
        <translation>Duplex %1 ist keine Ablagerichtung</translation>
    </message>
    <message>
        <source>TStep %1 is not a number</source>
        <translation>TStep %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>TStep %1 kHz is not offered: %2</source>
        <translation>TStep %1 kHz wird nicht angeboten: %2</translation>
    </message>
    <message>
        <source>TStep %1 does not hold %2: %3</source>
        <translation>TStep %1 passt nicht zu %2: %3</translation>
    </message>
    <message>
        <source>Frequency %1 -&gt; %2: no step of the radio holds it, the nearest on the %3 step</source>
        <translation>Frequency %1 -&gt; %2: kein Kanalraster des Funkgeräts passt, die nächste im %3-Raster</translation>
    </message>
    <message>
        <source>Mode %1: the radio chooses the mode by band</source>
        <translation>Mode %1: das Funkgerät wählt die Betriebsart nach dem Band</translation>
    </message>
    <message>
        <source>Mode %1 is not available on this radio</source>
        <translation>Mode %1 ist bei diesem Funkgerät nicht verfügbar</translation>
    </message>
    <message>
        <source>Skip S: %1 has no lock-out</source>
        <translation>Skip S: %1 hat keine Suchlauf-Sperre</translation>
    </message>
    <message>
        <source>Skip P: this radio has no priority scan marks</source>
        <translation>Skip P: dieses Funkgerät hat keine Prioritätsmarken</translation>
    </message>
    <message>
        <source>Skip %1 is not S or P</source>
        <translation>Skip %1 ist weder S noch P</translation>
    </message>
    <message>
        <source>Name %1: %2 has no name</source>
        <translation>Name %1: %2 hat keinen Namen</translation>
    </message>
    <message>
        <source>Name %1 -&gt; %2</source>
        <translation>Name %1 -&gt; %2</translation>
    </message>
    <message>
        <source>the channel cannot be built</source>
        <translation>der Kanal kann nicht gebildet werden</translation>
    </message>
    <message>
        <source>TStep %1 -&gt; %2 on the 800 MHz band</source>
        <translation>TStep %1 -&gt; %2 im 800-MHz-Band</translation>
    </message>
    <message>
        <source>transmit frequency %1 would become %2 on the %3 step</source>
        <translation>Sendefrequenz %1 würde im %3-Raster zu %2</translation>
    </message>
    <message>
        <source>Frequency %1 -&gt; %2 (rounded to the step)</source>
        <translation>Frequency %1 -&gt; %2 (auf das Kanalraster gerundet)</translation>
    </message>
    <message>
        <source>%1 cannot be a split channel (transmit %2)</source>
        <translation>%1 kann kein Split-Kanal sein (Senden auf %2)</translation>
    </message>
    <message>
        <source>transmit frequency %1 is not in the band of Frequency %2 MHz</source>
        <translation>Sendefrequenz %1 liegt nicht im Band von Frequency %2 MHz</translation>
    </message>
    <message>
        <source>no %1 %2 in the first row</source>
        <translation>keine %2 %1 in der ersten Zeile</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>: applied</source>
        <translation>: übernommen</translation>
    </message>
    <message>
        <source>: adjusted: </source>
        <translation>: angepasst: </translation>
    </message>
    <message>
        <source>: refused: </source>
        <translation>: abgelehnt: </translation>
    </message>
    <message>
        <source>rows after the first %1 were not read</source>
        <translation>Zeilen nach den ersten %1 wurden nicht gelesen</translation>
    </message>
    <message>
        <source>%1 applied, %2 adjusted, %3 refused</source>
        <translation>%1 übernommen, %2 angepasst, %3 abgelehnt</translation>
    </message>
    <message>
        <source>1 pasted row would run past channel 180:</source>
        <translation>1 eingefügte Zeile würde über Kanal 180 hinausgehen:</translation>
    </message>
    <message>
        <source>%1 pasted rows would run past channel 180:</source>
        <translation>%1 eingefügte Zeilen würden über Kanal 180 hinausgehen:</translation>
    </message>
    <message>
        <source>
line %1</source>
        <translation>
Zeile %1</translation>
    </message>
    <message>
        <source>: no channel after PR</source>
        <translation>: kein Kanal nach PR</translation>
    </message>
    <message>
        <source> would go to %1</source>
        <translation> käme nach %1</translation>
    </message>
    <message>
        <source>, replacing %1 MHz</source>
        <translation>, ersetzt %1 MHz</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
    </message>
    <message>
        <source>
Yes: paste them into %1..PR as well.
No: paste only the %2 row(s) up to 180.
Cancel: paste nothing.</source>
        <translation>
Ja: auch in %1..PR einfügen.
Nein: nur die %2 Zeile(n) bis 180 einfügen.
Abbrechen: nichts einfügen.</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>eine normale Datei</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>ein Verzeichnis</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>ein FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>File Open error.
%1: %2</source>
        <translation>Fehler beim Öffnen der Datei.
%1: %2</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>%1, not a regular file</source>
        <translation>%1, keine normale Datei</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>größer als %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ist ein Verzeichnis</translation>
    </message>
</context>
<context>
    <name>QCoreApplication</name>
    <message>
        <source> OK writes them to the radio as they are.</source>
        <translation> OK schreibt sie unverändert ins Funkgerät.</translation>
    </message>
</context>
<context>
    <name>RadioFinder</name>
    <message>
        <source>answered: QV-R381</source>
        <translation>Antwort: QV-R381</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>search stopped</source>
        <translation>Suche angehalten</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>echoes what it receives</source>
        <translation>sendet zurück, was es empfängt</translation>
    </message>
    <message>
        <source>answered: not a QV-R381</source>
        <translation>Antwort: kein QV-R381</translation>
    </message>
    <message>
        <source>line failed</source>
        <translation>Leitung gestört</translation>
    </message>
</context>
<context>
    <name>RuleBreaks</name>
    <message>
        <source>The radio&apos;s memory holds values outside the radio&apos;s rules. They were read as they are:</source>
        <translation>Der Speicher des Funkgeräts enthält Werte außerhalb seiner Regeln. Sie wurden unverändert gelesen:</translation>
    </message>
    <message>
        <source>The memory holds values outside the radio&apos;s rules:</source>
        <translation>Der Speicher enthält Werte außerhalb der Regeln des Funkgeräts:</translation>
    </message>
    <message>
        <source>not 11 digits</source>
        <translation>nicht 11 Ziffern</translation>
    </message>
    <message>
        <source>not below 1 GHz</source>
        <translation>nicht unter 1 GHz</translation>
    </message>
    <message>
        <source>in no band of the radio</source>
        <translation>in keinem Band des Funkgeräts</translation>
    </message>
    <message>
        <source>outside the band limits %1..%2 MHz</source>
        <translation>außerhalb der Bandgrenzen %1..%2 MHz</translation>
    </message>
    <message>
        <source>receive frequency %1 %2</source>
        <translation>Empfangsfrequenz %1 %2</translation>
    </message>
    <message>
        <source>step code &quot;%1&quot; is not 0..9</source>
        <translation>Rastercode &quot;%1&quot; ist nicht 0..9</translation>
    </message>
    <message>
        <source>shift code &quot;%1&quot; is not 0..3</source>
        <translation>Ablagecode &quot;%1&quot; ist nicht 0..3</translation>
    </message>
    <message>
        <source>field %1 &quot;%2&quot; is not 0 or 1</source>
        <translation>Feld %1 &quot;%2&quot; ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>tone code &quot;%1&quot; is not 01..39</source>
        <translation>Toncode &quot;%1&quot; ist nicht 01..39</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; is not 9 digits</source>
        <translation>Ablage &quot;%1&quot; hat nicht 9 Ziffern</translation>
    </message>
    <message>
        <source>lock-out &quot;%1&quot; is not 0 or 1</source>
        <translation>Suchlauf-Sperre &quot;%1&quot; ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>transmit frequency %1 %2</source>
        <translation>Sendefrequenz %1 %2</translation>
    </message>
    <message>
        <source>transmit frequency %1 is not in the band of the receive frequency</source>
        <translation>Sendefrequenz %1 liegt nicht im Band der Empfangsfrequenz</translation>
    </message>
    <message>
        <source>split step code &quot;%1&quot; is not the step code &quot;%2&quot;</source>
        <translation>Split-Rastercode &quot;%1&quot; ist nicht der Rastercode &quot;%2&quot;</translation>
    </message>
    <message>
        <source>split step code without a transmit frequency</source>
        <translation>Split-Rastercode ohne Sendefrequenz</translation>
    </message>
    <message>
        <source>output power &quot;%1&quot; is not 0..3</source>
        <translation>Sendeleistung &quot;%1&quot; ist nicht 0..3</translation>
    </message>
    <message>
        <source>a split channel outside slots 001..180</source>
        <translation>ein Split-Kanal außerhalb der Plätze 001..180</translation>
    </message>
    <message>
        <source>lock-out outside slots 001..180</source>
        <translation>Suchlauf-Sperre außerhalb der Plätze 001..180</translation>
    </message>
    <message>
        <source>a name outside slots 001..180 and PR</source>
        <translation>ein Name außerhalb der Plätze 001..180 und PR</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; breaks the name rule</source>
        <translation>Name &quot;%1&quot; verletzt die Namensregel</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About VXL-R381</source>
        <translation>Über VXL-R381</translation>
    </message>
    <message>
        <source>QV-R381 Memory Editor</source>
        <translation>QV-R381 Speicher-Editor</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright (C) HALVORD. All rights reserved.</source>
        <translation>Copyright (C) HALVORD. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the About box.</source>
        <translation>Schließt das Fenster Über VXL-R381.</translation>
    </message>
    <message>
        <source>Program name, version and copyright.</source>
        <translation>Programmname, Version und Copyright.</translation>
    </message>
</context>
<context>
    <name>TApplicationShell</name>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
<context>
    <name>TCALL</name>
    <message>
        <source>CALL Channel</source>
        <translation>CALL-Kanal</translation>
    </message>
    <message>
        <source>Edit CALL VHF</source>
        <translation>CALL VHF bearbeiten</translation>
    </message>
    <message>
        <source>Edit CALL UHF</source>
        <translation>CALL UHF bearbeiten</translation>
    </message>
    <message>
        <source>The CALL channel edited, VHF or UHF; Page Up and Page Down move between them.</source>
        <translation>Der bearbeitete CALL-Kanal, VHF oder UHF; Bild auf und Bild ab wechseln zwischen beiden.</translation>
    </message>
</context>
<context>
    <name>TChannelTable</name>
    <message>
        <source>Bulk Edit %1 Channel(s)</source>
        <translation>%1 Kanal/Kanäle gemeinsam bearbeiten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>&amp;Kanalraster</translation>
    </message>
    <message>
        <source>S&amp;hift</source>
        <translation>&amp;Ablagerichtung</translation>
    </message>
    <message>
        <source>&amp;Tone/CTCSS</source>
        <translation>&amp;Subton/CTCSS</translation>
    </message>
    <message>
        <source>T&amp;one Frequency</source>
        <translation>Subton&amp;frequenz</translation>
    </message>
    <message>
        <source>&amp;CTCSS Frequency</source>
        <translation>&amp;CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <translation>Suchlauf-S&amp;perre</translation>
    </message>
    <message>
        <source>Channel Table - VXL-R381</source>
        <translation>Kanaltabelle - VXL-R381</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>name or frequency</source>
        <translation>Name oder Frequenz</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy Rows as CSV</source>
        <translation>Zeilen als CSV &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Rows Here</source>
        <translation>Zeilen hier &amp;einfügen</translation>
    </message>
    <message>
        <source>Paste Rows to Their &amp;Locations</source>
        <translation>Zeilen an ihren &amp;Plätzen einfügen</translation>
    </message>
    <message>
        <source>&amp;Bulk Edit...</source>
        <translation>&amp;Gemeinsam bearbeiten...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Swap Two Rows</source>
        <translation>Zwei Zeilen &amp;tauschen</translation>
    </message>
    <message>
        <source>&amp;Insert empty slot here</source>
        <translation>Leeren Platz hier ei&amp;nfügen</translation>
    </message>
    <message>
        <source>Delete and close the &amp;gap</source>
        <translation>Löschen und &amp;Lücke schließen</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>%1 gefunden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>&quot;%1&quot; nicht gefunden</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>Slot %1 holds a channel.
</source>
        <translation>Platz %1 enthält einen Kanal.
</translation>
    </message>
    <message>
        <source>Swap %1 with it, or insert %1 here and move the channels from %2 on down to the next empty slot?</source>
        <translation>%1 damit tauschen, oder %1 hier einfügen und die Kanäle ab %2 bis zum nächsten leeren Platz nach unten schieben?</translation>
    </message>
    <message>
        <source>&amp;Swap</source>
        <translation>&amp;Tauschen</translation>
    </message>
    <message>
        <source>&amp;Insert here</source>
        <translation>Hier &amp;einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Insert the %1 here and move the channels from %2 on down to the next empty slots?</source>
        <translation>Die %1 hier einfügen und die Kanäle ab %2 bis zu den nächsten leeren Plätzen nach unten schieben?</translation>
    </message>
    <message>
        <source>%1 row(s) copied as CSV</source>
        <translation>%1 Zeile(n) als CSV kopiert</translation>
    </message>
    <message>
        <source>Paste cancelled: nothing changed</source>
        <translation>Einfügen abgebrochen: nichts geändert</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>The step %1 would move these frequencies:
%2</source>
        <translation>Das Kanalraster %1 würde diese Frequenzen verschieben:
%2</translation>
    </message>
    <message>
        <source>

These channels keep their step, which holds their split Tx frequency: %1</source>
        <translation>

Diese Kanäle behalten ihr Kanalraster, das zu ihrer Split-Sendefrequenz passt: %1</translation>
    </message>
    <message>
        <source>

Apply the step anyway?</source>
        <translation>

Das Kanalraster trotzdem setzen?</translation>
    </message>
    <message>
        <source>Bulk edit cancelled: nothing changed</source>
        <translation>Gemeinsame Bearbeitung abgebrochen: nichts geändert</translation>
    </message>
    <message>
        <source>Select exactly two rows to swap.</source>
        <translation>Wählen Sie genau zwei Zeilen zum Tauschen.</translation>
    </message>
    <message>
        <source>Value set in every chosen channel when %1 is ticked.</source>
        <translation>Wert, der in allen ausgewählten Kanälen gesetzt wird, wenn %1 angekreuzt ist.</translation>
    </message>
    <message>
        <source>Sets %1 in every chosen channel.</source>
        <translation>Setzt %1 in allen ausgewählten Kanälen.</translation>
    </message>
    <message>
        <source>Sets the ticked values in every chosen channel.</source>
        <translation>Setzt die angekreuzten Werte in allen ausgewählten Kanälen.</translation>
    </message>
    <message>
        <source>Closes the window without a change.</source>
        <translation>Schließt das Fenster, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>A name or frequency to look for; Enter finds the next channel holding it.</source>
        <translation>Ein Name oder eine Frequenz, nach der gesucht wird; die Eingabetaste findet den nächsten Kanal, der sie enthält.</translation>
    </message>
    <message>
        <source>Finds the next channel holding the text.</source>
        <translation>Findet den nächsten Kanal, der den Text enthält.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Every memory channel with all its settings, one row each; typing or F2 edits the current cell.</source>
        <translation>Alle Speicherkanäle mit allen Einstellungen, einer pro Zeile; Tippen oder F2 bearbeitet die aktuelle Zelle.</translation>
    </message>
    <message>
        <source>Channel numbers</source>
        <translation>Kanalnummern</translation>
    </message>
    <message>
        <source>The channel column, kept in view while the table scrolls sideways.</source>
        <translation>Die Kanalspalte; sie bleibt sichtbar, während die Tabelle seitlich rollt.</translation>
    </message>
    <message>
        <source>Outcome of the last change in the table.</source>
        <translation>Ergebnis der letzten Änderung in der Tabelle.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
</context>
<context>
    <name>TChannelTableModel</name>
    <message>
        <source>Edit %1 %2</source>
        <translation>%1 %2 bearbeiten</translation>
    </message>
    <message>
        <source>%1 %2 adjusted: %3</source>
        <translation>%1 %2 angepasst: %3</translation>
    </message>
    <message>
        <source>%1 channel(s) changed</source>
        <translation>%1 Kanal/Kanäle geändert</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>%1 und %2 tauschen</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>%1 nach %2 verschieben</translation>
    </message>
    <message>
        <source>Insert %1 at %2</source>
        <translation>%1 bei %2 einfügen</translation>
    </message>
    <message>
        <source>Move %1 Up</source>
        <translation>%1 nach oben</translation>
    </message>
    <message>
        <source>Move %1 Down</source>
        <translation>%1 nach unten</translation>
    </message>
    <message>
        <source>Insert Empty Slot %1</source>
        <translation>Leeren Platz %1 einfügen</translation>
    </message>
    <message>
        <source>Delete %1 and Close the Gap</source>
        <translation>%1 löschen und Lücke schließen</translation>
    </message>
    <message>
        <source>No row could be pasted.
</source>
        <translation>Keine Zeile konnte eingefügt werden.
</translation>
    </message>
    <message>
        <source>Paste %1 Row(s)</source>
        <translation>%1 Zeile(n) einfügen</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 Kanäle</translation>
    </message>
</context>
<context>
    <name>TDTMF</name>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMF-Code</translation>
    </message>
    <message>
        <source>Edit DTMF %1</source>
        <translation>DTMF %1 bearbeiten</translation>
    </message>
    <message>
        <source>The DTMF memory edited, 0 to 9; Page Up and Page Down move between them.</source>
        <translation>Der bearbeitete DTMF-Speicher, 0 bis 9; Bild auf und Bild ab wechseln zwischen ihnen.</translation>
    </message>
    <message>
        <source>Up to %1 characters: digits, A to D, * and #.</source>
        <translation>Bis zu %1 Zeichen: Ziffern, A bis D, * und #.</translation>
    </message>
</context>
<context>
    <name>TDocumentHistory</name>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>TEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <translation>Der Inhalt wurde geändert.
Sollen die Änderungen übernommen werden? </translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>Der Inhalt wurde geändert.
Sollen die Änderungen übernommen werden?</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>Ungültige Frequenz.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>Ungültige Ablage.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Invalid Memory name.
Please check and try again.</source>
        <translation>Ungültiger Speichername.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>Die Frequenz wurde gerundet.</translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>Ungültige Kanalnummer.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>Ungültiges Zeichen.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Stores the changes in the document and closes the window.</source>
        <translation>Übernimmt die Änderungen in das Dokument und schließt das Fenster.</translation>
    </message>
    <message>
        <source>Closes the window; asks first whether to keep changes.</source>
        <translation>Schließt das Fenster; fragt vorher, ob Änderungen übernommen werden sollen.</translation>
    </message>
</context>
<context>
    <name>TFrequencyEditor</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>RX-Frequenz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Kanalraster</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Ablage plus</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Ablage minus</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>Ablage -7.6MHz</translation>
    </message>
    <message>
        <source>Tone/CTCSS</source>
        <translation>Subton/CTCSS</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Subton</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Subtonfrequenz</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>The band whose record is edited; Page Up and Page Down move between them.</source>
        <translation>Das Band, dessen Eintrag bearbeitet wird; Bild auf und Bild ab wechseln zwischen den Bändern.</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, for example 145.500; Enter checks it.</source>
        <translation>Empfangsfrequenz in MHz, zum Beispiel 145.500; die Eingabetaste prüft sie.</translation>
    </message>
    <message>
        <source>Channel step that the frequency is rounded to.</source>
        <translation>Kanalraster, auf das die Frequenz gerundet wird.</translation>
    </message>
    <message>
        <source>Swaps the receive and the transmit frequency.</source>
        <translation>Vertauscht Empfangs- und Sendefrequenz.</translation>
    </message>
    <message>
        <source>Transmits on the receive frequency.</source>
        <translation>Sendet auf der Empfangsfrequenz.</translation>
    </message>
    <message>
        <source>Transmits above the receive frequency by the offset.</source>
        <translation>Sendet um die Ablage oberhalb der Empfangsfrequenz.</translation>
    </message>
    <message>
        <source>Transmits below the receive frequency by the offset.</source>
        <translation>Sendet um die Ablage unterhalb der Empfangsfrequenz.</translation>
    </message>
    <message>
        <source>Transmits 7.6 MHz below the receive frequency.</source>
        <translation>Sendet 7.6 MHz unterhalb der Empfangsfrequenz.</translation>
    </message>
    <message>
        <source>Sends the tone frequency while transmitting.</source>
        <translation>Sendet beim Senden den Subton mit.</translation>
    </message>
    <message>
        <source>Opens the squelch only for signals carrying the CTCSS frequency.</source>
        <translation>Öffnet die Rauschsperre nur für Signale mit der CTCSS-Frequenz.</translation>
    </message>
    <message>
        <source>The tone sent when Tone is on.</source>
        <translation>Der Subton, der gesendet wird, wenn Subton eingeschaltet ist.</translation>
    </message>
    <message>
        <source>The tone the squelch waits for when CTCSS is on.</source>
        <translation>Der Ton, auf den die Rauschsperre wartet, wenn CTCSS eingeschaltet ist.</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>VXL-R381 Help</source>
        <translation>VXL-R381 Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find in the manual (Ctrl+F)</source>
        <translation>Im Handbuch suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Topics of the manual; Enter shows the chosen topic.</source>
        <translation>Themen des Handbuchs; die Eingabetaste zeigt das gewählte Thema.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>The text of the manual; Tab moves between its links.</source>
        <translation>Der Text des Handbuchs; die Tabulatortaste springt von Link zu Link.</translation>
    </message>
    <message>
        <source>Search the manual</source>
        <translation>Handbuch durchsuchen</translation>
    </message>
    <message>
        <source>Words to find in the manual; Enter or F3 finds the next place, Shift+F3 the one before.</source>
        <translation>Wörter, die im Handbuch gesucht werden; Eingabetaste oder F3 findet die nächste Stelle, Umschalt+F3 die vorige.</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>File Open error.</source>
        <translation>Fehler beim Öffnen der Datei.</translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation>Die Daten wurden geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>the name does not end in &quot;.381&quot;</source>
        <translation>der Name endet nicht auf &quot;.381&quot;</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Nothing to paste.
</source>
        <translation>Nichts zum Einfügen.
</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Paste %1 rows</source>
        <translation>%1 Zeilen einfügen</translation>
    </message>
    <message>
        <source>Some pasted rows were adjusted or refused.
</source>
        <translation>Einige eingefügte Zeilen wurden angepasst oder abgelehnt.
</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste: %1</source>
        <translation>Einfügen: %1</translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation>Ungültige Funktion.</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation>VFO %1</translation>
    </message>
    <message>
        <source>CALL VHF</source>
        <translation>CALL VHF</translation>
    </message>
    <message>
        <source>CALL UHF</source>
        <translation>CALL UHF</translation>
    </message>
    <message>
        <source>DTMF %1</source>
        <translation>DTMF %1</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Sicherung öffnen</translation>
    </message>
    <message>
        <source>Offset : %1MHz</source>
        <translation>Ablage : %1MHz</translation>
    </message>
    <message>
        <source>Tx Frequency : %1MHz</source>
        <translation>TX-Frequenz : %1MHz</translation>
    </message>
    <message>
        <source>CT : %1</source>
        <translation>CT : %1</translation>
    </message>
    <message>
        <source>T : %1</source>
        <translation>T : %1</translation>
    </message>
    <message>
        <source>%1 is invalid.
Please check comport status.</source>
        <translation>%1 ist ungültig.
Bitte prüfen Sie die Schnittstelle.</translation>
    </message>
    <message>
        <source>Com&amp;1</source>
        <translation>Com&amp;1</translation>
    </message>
    <message>
        <source>Com&amp;2</source>
        <translation>Com&amp;2</translation>
    </message>
    <message>
        <source>Stop Serial &amp;Trace</source>
        <translation>Serielle &amp;Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Serial &amp;Trace...</source>
        <translation>Serielle &amp;Aufzeichnung...</translation>
    </message>
    <message>
        <source>Tracing the serial port into %1</source>
        <translation>Die serielle Schnittstelle wird in %1 aufgezeichnet</translation>
    </message>
    <message>
        <source>Cannot write the trace file.</source>
        <translation>Die Aufzeichnungsdatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Serial Trace</source>
        <translation>Serielle Aufzeichnung</translation>
    </message>
    <message>
        <source>Text files (*.txt *.log);;All files (*)</source>
        <translation>Textdateien (*.txt *.log);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Invalid COM port.
Please check comport status.</source>
        <translation>Ungültige COM-Schnittstelle.
Bitte prüfen Sie die Schnittstelle.</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Aus dem Funkgerät lesen</translation>
    </message>
    <message>
        <source>Invalid COM port.
Please check and try again.</source>
        <translation>Ungültige COM-Schnittstelle.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>In das Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation>Sollen die Daten in das Funkgerät geschrieben werden?</translation>
    </message>
    <message>
        <source>Do you want to open the backup taken before the write?
%1
It holds the whole memory meant for the radio; write it again once the radio answers.</source>
        <translation>Möchten Sie die vor dem Schreiben angelegte Sicherung öffnen?
%1
Sie enthält den ganzen für das Funkgerät bestimmten Speicher; schreiben Sie sie erneut, sobald das Funkgerät antwortet.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Si&amp;cherung öffnen...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export &amp;Listing as PDF...</source>
        <translation>&amp;Liste als PDF exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Serial &amp;Port...</source>
        <translation>Serieller &amp;Port...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Channel Table</source>
        <translation>&amp;Kanaltabelle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Memory Channel</source>
        <translation>Speicherkanal</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>CALL Channel</source>
        <translation>CALL-Kanal</translation>
    </message>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source> ch.</source>
        <translation> Nr.</translation>
    </message>
    <message>
        <source> RX Frequency</source>
        <translation> RX-Frequenz</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Name</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>RX-Frequenz</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMF-Code</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Edit Comment</source>
        <translation>Kommentar bearbeiten</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>Es gibt keinen Standarddrucker.</translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>Der Drucker konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The listing could not be printed.</source>
        <translation>Die Liste konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Export Listing as PDF</source>
        <translation>Liste als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The listing could not be exported.</source>
        <translation>Die Liste konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>The listing could not be exported.
%1: the file could not be written.</source>
        <translation>Die Liste konnte nicht exportiert werden.
%1: die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1
%2 applied, %3 adjusted, %4 refused.</source>
        <translation>%1
%2 übernommen, %3 angepasst, %4 abgelehnt.</translation>
    </message>
    <message>
        <source>
OK stores the applied and adjusted rows; slots the file does not name keep their content. Cancel stores nothing.</source>
        <translation>
OK speichert die übernommenen und angepassten Zeilen; Plätze, die die Datei nicht nennt, behalten ihren Inhalt. Abbrechen speichert nichts.</translation>
    </message>
    <message>
        <source>
No row can be stored.</source>
        <translation>
Keine Zeile kann gespeichert werden.</translation>
    </message>
    <message>
        <source>VXL-R381 Files(*.381)</source>
        <translation>VXL-R381-Dateien(*.381)</translation>
    </message>
    <message>
        <source> [Radio]</source>
        <translation> [Funkgerät]</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>No such file or directory; it is removed from the recent files</source>
        <translation>Datei oder Verzeichnis nicht gefunden; der Eintrag wird aus den zuletzt geöffneten Dateien entfernt</translation>
    </message>
    <message>
        <source>not a .381 file; only data files can be dropped here</source>
        <translation>keine .381-Datei; hier können nur Datendateien abgelegt werden</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>The memory of the radio: memory channels, VFOs, CALL channels, DTMF memories and a comment.</source>
        <translation>Der Speicher des Funkgeräts: Speicherkanäle, VFOs, CALL-Kanäle, DTMF-Speicher und ein Kommentar.</translation>
    </message>
    <message>
        <source>Starts a new document with the default channels.</source>
        <translation>Beginnt ein neues Dokument mit den Standardkanälen.</translation>
    </message>
    <message>
        <source>Opens a data file.</source>
        <translation>Öffnet eine Datendatei.</translation>
    </message>
    <message>
        <source>Saves the document to its data file.</source>
        <translation>Speichert das Dokument in seiner Datendatei.</translation>
    </message>
    <message>
        <source>Prints the channel listing.</source>
        <translation>Druckt die Kanalliste.</translation>
    </message>
    <message>
        <source>Reads the whole memory of the radio into the document.</source>
        <translation>Liest den ganzen Speicher des Funkgeräts in das Dokument.</translation>
    </message>
    <message>
        <source>Writes the whole document into the radio.</source>
        <translation>Schreibt das ganze Dokument in das Funkgerät.</translation>
    </message>
    <message>
        <source>Copies the selected row to the clipboard and empties it.</source>
        <translation>Kopiert die ausgewählte Zeile in die Zwischenablage und leert die Zeile.</translation>
    </message>
    <message>
        <source>Copies the selected row to the clipboard.</source>
        <translation>Kopiert die ausgewählte Zeile in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Puts the row on the clipboard into the selected row.</source>
        <translation>Setzt die Zeile aus der Zwischenablage in die ausgewählte Zeile ein.</translation>
    </message>
    <message>
        <source>Enter opens the editor of the selected row.</source>
        <translation>Die Eingabetaste öffnet den Editor der ausgewählten Zeile.</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>Memory channels 1 to 180, L1 to U6 and PR with their receive frequency and name.</source>
        <translation>Speicherkanäle 1 bis 180, L1 bis U6 und PR mit ihrer Empfangsfrequenz und ihrem Namen.</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFOs</translation>
    </message>
    <message>
        <source>The VFO of each band with its receive frequency.</source>
        <translation>Der VFO jedes Bandes mit seiner Empfangsfrequenz.</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>CALL-Kanäle</translation>
    </message>
    <message>
        <source>The VHF and the UHF CALL channel with their receive frequency.</source>
        <translation>Der VHF- und der UHF-CALL-Kanal mit ihrer Empfangsfrequenz.</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>DTMF memories 0 to 9 with their codes.</source>
        <translation>DTMF-Speicher 0 bis 9 mit ihren Codes.</translation>
    </message>
    <message>
        <source>A one-line comment saved with the document.</source>
        <translation>Ein einzeiliger Kommentar, der mit dem Dokument gespeichert wird.</translation>
    </message>
    <message>
        <source>Selected row details</source>
        <translation>Details der ausgewählten Zeile</translation>
    </message>
    <message>
        <source>Details of the selected row of the active list.</source>
        <translation>Details der ausgewählten Zeile in der aktiven Liste.</translation>
    </message>
    <message>
        <source>Transmit frequency, or the offset of a VFO</source>
        <translation>Sendefrequenz oder die Ablage eines VFO</translation>
    </message>
    <message>
        <source>Shift direction; R for reverse</source>
        <translation>Ablagerichtung; R für Reverse</translation>
    </message>
    <message>
        <source>Tone or CTCSS frequency</source>
        <translation>Subton- oder CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>File, Radio, Edit, View and Help commands.</source>
        <translation>Befehle der Menüs Datei, Funkgerät, Bearbeiten, Ansicht und Hilfe.</translation>
    </message>
    <message>
        <source>Export the listing as a PDF file instead?</source>
        <translation>Die Liste stattdessen als PDF-Datei exportieren?</translation>
    </message>
</context>
<context>
    <name>TMemory</name>
    <message>
        <source>Memory Channel</source>
        <translation>Speicherkanal</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>Speicherkanal-Nummer</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Suchlauf-Sperre</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>The channel edited: 1 to 180, L1 to U6 or PR; Page Up and Page Down move between channels.</source>
        <translation>Der bearbeitete Kanal: 1 bis 180, L1 bis U6 oder PR; Bild auf und Bild ab wechseln zwischen den Kanälen.</translation>
    </message>
    <message>
        <source>Next or previous channel</source>
        <translation>Nächster oder vorheriger Kanal</translation>
    </message>
    <message>
        <source>Moves to the next or the previous channel, as Page Up and Page Down do.</source>
        <translation>Wechselt zum nächsten oder vorherigen Kanal, wie Bild auf und Bild ab.</translation>
    </message>
    <message>
        <source>The name the radio shows for the channel.</source>
        <translation>Der Name, den das Funkgerät für den Kanal anzeigt.</translation>
    </message>
    <message>
        <source>The radio skips the channel when scanning.</source>
        <translation>Das Funkgerät überspringt den Kanal beim Suchlauf.</translation>
    </message>
</context>
<context>
    <name>TPortListModel</name>
    <message>
        <source>answered: QV-R381</source>
        <translation>Antwort: QV-R381</translation>
    </message>
</context>
<context>
    <name>TReadForm</name>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Reading data from the Radio.</source>
        <translation>Daten werden aus dem Funkgerät gelesen.</translation>
    </message>
</context>
<context>
    <name>TSerialPortForm</name>
    <message>
        <source>Serial Port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;Devices present:</source>
        <translation>&amp;Vorhandene Geräte:</translation>
    </message>
    <message>
        <source>Other device &amp;path:</source>
        <translation>Anderer Geräte&amp;pfad:</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0, /dev/serial/by-id/..., a link</source>
        <translation>/dev/ttyUSB0, /dev/serial/by-id/..., ein Link</translation>
    </message>
    <message>
        <source>&amp;Use for:</source>
        <translation>&amp;Verwenden für:</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <translation>%1 (jetzt %2)</translation>
    </message>
    <message>
        <source>Find &amp;radio</source>
        <translation>Funkgerät &amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Stop search</source>
        <translation>Suche &amp;anhalten</translation>
    </message>
    <message>
        <source>No device to try: plug the cable in or type the device path.</source>
        <translation>Kein Gerät zum Ausprobieren: Stecken Sie das Kabel ein oder geben Sie den Gerätepfad ein.</translation>
    </message>
    <message>
        <source>Trying %1 (%2 of %3)...</source>
        <translation>%1 wird versucht (%2 von %3)...</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>Suche angehalten.</translation>
    </message>
    <message numerus="yes">
        <source>No radio answered on the %n device(s) tried.</source>
        <translation>
            <numerusform>Auf dem %n ausprobierten Gerät hat kein Funkgerät geantwortet.</numerusform>
            <numerusform>Auf keinem der %n ausprobierten Geräte hat ein Funkgerät geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio answers on %1.</source>
        <translation>Das Funkgerät antwortet auf %1.</translation>
    </message>
    <message>
        <source>Choose a device in the list or type its path.</source>
        <translation>Wählen Sie ein Gerät in der Liste oder geben Sie seinen Pfad ein.</translation>
    </message>
    <message>
        <source>Devices present</source>
        <translation>Vorhandene Geräte</translation>
    </message>
    <message>
        <source>Serial devices found on this computer; choose the one the radio is on.</source>
        <translation>Auf diesem Computer gefundene serielle Geräte; wählen Sie das, an dem das Funkgerät hängt.</translation>
    </message>
    <message>
        <source>Other device path</source>
        <translation>Anderer Gerätepfad</translation>
    </message>
    <message>
        <source>Path of a device that is not in the list.</source>
        <translation>Pfad eines Geräts, das nicht in der Liste steht.</translation>
    </message>
    <message>
        <source>Use for</source>
        <translation>Verwenden für</translation>
    </message>
    <message>
        <source>The port name, COM1 or COM2, that the chosen device is used for.</source>
        <translation>Der Schnittstellenname, COM1 oder COM2, für den das gewählte Gerät verwendet wird.</translation>
    </message>
    <message>
        <source>Asks each device in turn whether a radio answers.</source>
        <translation>Fragt jedes Gerät der Reihe nach, ob ein Funkgerät antwortet.</translation>
    </message>
    <message>
        <source>Stops the search for the radio.</source>
        <translation>Hält die Suche nach dem Funkgerät an.</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source>How many devices have been asked.</source>
        <translation>Wie viele Geräte schon gefragt wurden.</translation>
    </message>
    <message>
        <source>Outcome of the search for the radio.</source>
        <translation>Ergebnis der Suche nach dem Funkgerät.</translation>
    </message>
    <message>
        <source>Uses the chosen device and closes the window.</source>
        <translation>Verwendet das gewählte Gerät und schließt das Fenster.</translation>
    </message>
    <message>
        <source>Closes the window without a change.</source>
        <translation>Schließt das Fenster, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>trying...</source>
        <translation>wird versucht...</translation>
    </message>
</context>
<context>
    <name>TSplitChannelEditor</name>
    <message>
        <source>Tx Frequency</source>
        <translation>TX-Frequenz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>Split-Kanal</translation>
    </message>
    <message>
        <source>Transmit frequency in MHz of a split channel.</source>
        <translation>Sendefrequenz eines Split-Kanals in MHz.</translation>
    </message>
    <message>
        <source>Transmits on the Tx Frequency instead of a shift.</source>
        <translation>Sendet auf der TX-Frequenz statt mit einer Ablage.</translation>
    </message>
</context>
<context>
    <name>TTransferForm</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reads the whole memory of the radio into the document.</source>
        <translation>Liest den ganzen Speicher des Funkgeräts in das Dokument.</translation>
    </message>
    <message>
        <source>Writes the whole document into the memory of the radio.</source>
        <translation>Schreibt das ganze Dokument in den Speicher des Funkgeräts.</translation>
    </message>
    <message>
        <source>Where the transfer stands</source>
        <translation>Stand der Übertragung</translation>
    </message>
    <message>
        <source>Read progress</source>
        <translation>Lesefortschritt</translation>
    </message>
    <message>
        <source>Write progress</source>
        <translation>Schreibfortschritt</translation>
    </message>
    <message>
        <source>How much of the memory has been transferred</source>
        <translation>Wie viel des Speichers schon übertragen wurde</translation>
    </message>
    <message>
        <source>Stops reading; what has been read so far stays in the document</source>
        <translation>Bricht das Lesen ab; was bis dahin gelesen wurde, bleibt im Dokument</translation>
    </message>
    <message>
        <source>Stops writing; the radio keeps what it has been sent so far</source>
        <translation>Bricht das Schreiben ab; das Funkgerät behält, was ihm bis dahin gesendet wurde</translation>
    </message>
</context>
<context>
    <name>TVFO</name>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Output Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Edit VFO %1</source>
        <translation>VFO %1 bearbeiten</translation>
    </message>
    <message>
        <source>Distance in MHz between the receive and the transmit frequency of a shift.</source>
        <translation>Abstand in MHz zwischen Empfangs- und Sendefrequenz bei einer Ablage.</translation>
    </message>
    <message>
        <source>Transmit power of the band.</source>
        <translation>Sendeleistung des Bandes.</translation>
    </message>
</context>
<context>
    <name>TWelcome</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Memory Channel Editor for QV-R381</source>
        <translation>Speicherkanal-Editor für QV-R381</translation>
    </message>
</context>
<context>
    <name>TWriteForm</name>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Writing data to the Radio.</source>
        <translation>Daten werden in das Funkgerät geschrieben.</translation>
    </message>
</context>
<context>
    <name>TableRules</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Kanalraster</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>Tone/CTCSS</source>
        <translation>Subton/CTCSS</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Subtonfrequenz</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Suchlauf-Sperre</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>Bulk Edit</source>
        <translation>Gemeinsam bearbeiten</translation>
    </message>
    <message>
        <source>: shift kept: </source>
        <translation>: Ablagerichtung beibehalten: </translation>
    </message>
    <message>
        <source>: split transmit frequency %1 MHz dropped</source>
        <translation>: Split-Sendefrequenz %1 MHz entfernt</translation>
    </message>
    <message>
        <source>: no lock-out on this channel</source>
        <translation>: keine Suchlauf-Sperre auf diesem Kanal</translation>
    </message>
    <message>
        <source>Select one or more channels first.</source>
        <translation>Wählen Sie zuerst einen oder mehrere Kanäle.</translation>
    </message>
    <message>
        <source>Nothing to change.</source>
        <translation>Nichts zu ändern.</translation>
    </message>
    <message>
        <source>Invalid Step.</source>
        <translation>Ungültiges Kanalraster.</translation>
    </message>
    <message>
        <source>Invalid tone frequency.</source>
        <translation>Ungültige Subtonfrequenz.</translation>
    </message>
    <message>
        <source>: step kept: it would move the split Tx frequency %1 MHz to %2 MHz</source>
        <translation>: Kanalraster beibehalten: es würde die Split-Sendefrequenz %1 MHz auf %2 MHz verschieben</translation>
    </message>
    <message>
        <source>: not changed: </source>
        <translation>: nicht geändert: </translation>
    </message>
    <message>
        <source>: step set to %1 on this band</source>
        <translation>: Kanalraster in diesem Band auf %1 gesetzt</translation>
    </message>
    <message>
        <source>: frequency rounded to the step: %1 MHz</source>
        <translation>: Frequenz auf das Kanalraster gerundet: %1 MHz</translation>
    </message>
    <message>
        <source>%1 empty slot(s) left as they are</source>
        <translation>%1 leere(r) Platz/Plätze unverändert</translation>
    </message>
    <message>
        <source>Tx %1 MHz is not in the band of Rx %2 MHz.</source>
        <translation>Senden %1 MHz liegt nicht im Band von Empfang %2 MHz.</translation>
    </message>
    <message>
        <source>Tx %1 MHz is outside the band limits %2-%3 MHz.</source>
        <translation>Senden %1 MHz liegt außerhalb der Bandgrenzen %2-%3 MHz.</translation>
    </message>
    <message>
        <source>Tx %1 MHz lies in a range this radio does not use.</source>
        <translation>Senden %1 MHz liegt in einem Bereich, den dieses Funkgerät nicht nutzt.</translation>
    </message>
    <message>
        <source>There is no such cell.</source>
        <translation>Diese Zelle gibt es nicht.</translation>
    </message>
    <message>
        <source>A channel&apos;s number cannot be typed over; move the row instead.</source>
        <translation>Die Nummer eines Kanals kann nicht überschrieben werden; verschieben Sie stattdessen die Zeile.</translation>
    </message>
    <message>
        <source>Slot %1 is empty: enter a receive frequency first.</source>
        <translation>Platz %1 ist leer: geben Sie zuerst eine Empfangsfrequenz ein.</translation>
    </message>
    <message>
        <source>Enter a receive frequency; use Clear to empty a slot.</source>
        <translation>Geben Sie eine Empfangsfrequenz ein; mit Leeren wird ein Platz geleert.</translation>
    </message>
    <message>
        <source>
Change or clear the Tx frequency first.</source>
        <translation>
Ändern oder entfernen Sie zuerst die Sendefrequenz.</translation>
    </message>
    <message>
        <source>-7.6MHz Shift needs 300 MHz or more: now Simplex</source>
        <translation>Ablage -7.6MHz braucht 300 MHz oder mehr: jetzt Simplex</translation>
    </message>
    <message>
        <source>Invalid Step.
Choose one of %1.</source>
        <translation>Ungültiges Kanalraster.
Wählen Sie eines von %1.</translation>
    </message>
    <message>
        <source>To split a channel, enter its transmit frequency in the Tx Frequency column.</source>
        <translation>Für einen Split-Kanal geben Sie seine Sendefrequenz in der Spalte Sendefrequenz ein.</translation>
    </message>
    <message>
        <source>Invalid Shift.
Choose Simplex, Plus, Minus or -7.6MHz.</source>
        <translation>Ungültige Ablagerichtung.
Wählen Sie Simplex, Plus, Minus oder -7.6MHz.</translation>
    </message>
    <message>
        <source>split transmit frequency %1 MHz dropped</source>
        <translation>Split-Sendefrequenz %1 MHz entfernt</translation>
    </message>
    <message>
        <source>Reverse is On or Off.</source>
        <translation>Reverse ist On oder Off.</translation>
    </message>
    <message>
        <source>A split channel has no reverse.</source>
        <translation>Ein Split-Kanal hat kein Reverse.</translation>
    </message>
    <message>
        <source>Tone/CTCSS is Off, Tone or CTCSS.</source>
        <translation>Subton/CTCSS ist Off, Tone oder CTCSS.</translation>
    </message>
    <message>
        <source>Invalid tone frequency.
Choose one of %1.</source>
        <translation>Ungültige Subtonfrequenz.
Wählen Sie eine von %1.</translation>
    </message>
    <message>
        <source>Only channels 001..180 can be split.</source>
        <translation>Nur die Kanäle 001..180 können Split-Kanäle sein.</translation>
    </message>
    <message>
        <source>Tx %1 MHz lies on no step of the radio together with Rx %2 MHz.</source>
        <translation>Senden %1 MHz liegt mit Empfang %2 MHz in keinem gemeinsamen Kanalraster des Funkgeräts.</translation>
    </message>
    <message>
        <source>step set to %1, which holds both frequencies</source>
        <translation>Kanalraster auf %1 gesetzt, das zu beiden Frequenzen passt</translation>
    </message>
    <message>
        <source>%1 replaced by the split</source>
        <translation>%1 durch den Split ersetzt</translation>
    </message>
    <message>
        <source>reverse turned off</source>
        <translation>Reverse ausgeschaltet</translation>
    </message>
    <message>
        <source>Lock Out applies to channels 001..180 only.</source>
        <translation>Die Suchlauf-Sperre gilt nur für die Kanäle 001..180.</translation>
    </message>
    <message>
        <source>Lock Out is On or Off.</source>
        <translation>Suchlauf-Sperre ist On oder Off.</translation>
    </message>
    <message>
        <source>Channels L1..U6 carry no name.</source>
        <translation>Die Kanäle L1..U6 haben keinen Namen.</translation>
    </message>
    <message>
        <source>Invalid Memory name.
Please check and try again.
Up to 7 characters A-Z, 0-9 and space, each may be followed by one &apos;.&apos;.</source>
        <translation>Ungültiger Speichername.
Bitte prüfen und erneut versuchen.
Bis zu 7 Zeichen A-Z, 0-9 und Leerzeichen, jedes darf von einem &apos;.&apos; gefolgt sein.</translation>
    </message>
    <message>
        <source>name written in capitals: %1</source>
        <translation>Name in Großbuchstaben geschrieben: %1</translation>
    </message>
    <message>
        <source>This change would move the split Tx frequency %1 MHz to %2 MHz.</source>
        <translation>Diese Änderung würde die Split-Sendefrequenz %1 MHz auf %2 MHz verschieben.</translation>
    </message>
    <message>
        <source>step set to %1 on this band</source>
        <translation>Kanalraster in diesem Band auf %1 gesetzt</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>Die Frequenz wurde gerundet.</translation>
    </message>
    <message>
        <source> Rx %1 MHz</source>
        <translation> Empfang %1 MHz</translation>
    </message>
    <message>
        <source>, Tx %1 MHz</source>
        <translation>, Senden %1 MHz</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>RX-Frequenz</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>TX-Frequenz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>A channel&apos;s number is its slot: drag the row, or use Move Up, Move Down or Swap.</source>
        <translation>Die Nummer eines Kanals ist sein Platz: ziehen Sie die Zeile oder verwenden Sie Nach oben, Nach unten oder Tauschen.</translation>
    </message>
    <message>
        <source>A memory channel shifts by its band&apos;s VFO offset; change it in the VFO editor.</source>
        <translation>Ein Speicherkanal verwendet die VFO-Ablage seines Bandes; ändern Sie sie im VFO-Editor.</translation>
    </message>
    <message>
        <source>A split channel has no reverse; clear its Tx Frequency first.</source>
        <translation>Ein Split-Kanal hat kein Reverse; entfernen Sie zuerst seine Sendefrequenz.</translation>
    </message>
    <message>
        <source>Only channels 001..180 move, insert and close up; use Swap for L1..U6 and PR.</source>
        <translation>Nur die Kanäle 001..180 lassen sich verschieben, einfügen und zusammenschieben; für L1..U6 und PR verwenden Sie Tauschen.</translation>
    </message>
    <message>
        <source>This radio type offers no -7.6MHz Shift.</source>
        <translation>Dieser Gerätetyp bietet keine Ablage -7.6MHz.</translation>
    </message>
    <message>
        <source>The -7.6MHz Shift needs a frequency of 300 MHz or more.</source>
        <translation>Die Ablage -7.6MHz braucht eine Frequenz von 300 MHz oder mehr.</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>Ungültige Ablage.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>A simplex or split channel has no offset; choose Plus or Minus Shift first.</source>
        <translation>Ein Simplex- oder Split-Kanal hat keine Ablage; wählen Sie zuerst Ablage plus oder minus.</translation>
    </message>
    <message>
        <source>The -7.6MHz Shift always shifts by 7.60 MHz.</source>
        <translation>Die Ablage -7.6MHz beträgt immer 7.60 MHz.</translation>
    </message>
    <message>
        <source>A memory channel shifts by the VFO offset of its band, %1 MHz; change that offset in the VFO editor.</source>
        <translation>Ein Speicherkanal verwendet die VFO-Ablage seines Bandes, %1 MHz; ändern Sie diese Ablage im VFO-Editor.</translation>
    </message>
    <message>
        <source>Invalid Memory name.
Please check and try again.</source>
        <translation>Ungültiger Speichername.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>Ungültige Frequenz.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>lock-out</source>
        <translation>Suchlauf-Sperre</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1: %2 dropped (from %3)</source>
        <translation>%1: %2 entfernt (von %3)</translation>
    </message>
    <message>
        <source>Choose two different slots to swap.</source>
        <translation>Wählen Sie zwei verschiedene Plätze zum Tauschen.</translation>
    </message>
    <message>
        <source>There is no such slot.</source>
        <translation>Diesen Platz gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 channel(s) do not fit from %2 on.</source>
        <translation>%1 Kanal/Kanäle passen ab %2 nicht hinein.</translation>
    </message>
    <message>
        <source>Slot %1 holds a channel.</source>
        <translation>Platz %1 enthält einen Kanal.</translation>
    </message>
    <message>
        <source>There are not enough empty slots from %1 to 180 to insert here.
Delete or move a channel first.</source>
        <translation>Von %1 bis 180 gibt es nicht genug leere Plätze, um hier einzufügen.
Löschen oder verschieben Sie zuerst einen Kanal.</translation>
    </message>
    <message>
        <source>Channel 001 is the first; nothing moves above it.</source>
        <translation>Kanal 001 ist der erste; darüber lässt sich nichts verschieben.</translation>
    </message>
    <message>
        <source>Channel 180 is the last; nothing moves below it.</source>
        <translation>Kanal 180 ist der letzte; darunter lässt sich nichts verschieben.</translation>
    </message>
    <message>
        <source>Slot %1 holds a channel: inserting would push it out of 001..180.
Delete or move it first.</source>
        <translation>Platz %1 enthält einen Kanal: Einfügen würde ihn aus 001..180 hinausschieben.
Löschen oder verschieben Sie ihn zuerst.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>memory channel %1</source>
        <translation>Speicherkanal %1</translation>
    </message>
    <message>
        <source>memory channel PR</source>
        <translation>Speicherkanal PR</translation>
    </message>
    <message>
        <source>the wake-up line</source>
        <translation>die Weckzeile</translation>
    </message>
    <message>
        <source>the identification</source>
        <translation>die Kennung</translation>
    </message>
    <message>
        <source>the radio type</source>
        <translation>der Gerätetyp</translation>
    </message>
    <message>
        <source>the band limits</source>
        <translation>die Bandgrenzen</translation>
    </message>
    <message>
        <source>CALL channel %1</source>
        <translation>CALL-Kanal %1</translation>
    </message>
    <message>
        <source>VFO band %1</source>
        <translation>VFO-Band %1</translation>
    </message>
    <message>
        <source>DTMF memory %1</source>
        <translation>DTMF-Speicher %1</translation>
    </message>
    <message>
        <source>the closing &quot;PS&quot; commands</source>
        <translation>die abschließenden &quot;PS&quot;-Befehle</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>das Ende</translation>
    </message>
    <message>
        <source>%1: the radio echoes what it receives.</source>
        <translation>%1: Das Funkgerät sendet zurück, was es empfängt.</translation>
    </message>
    <message>
        <source>%1: the radio is not a QV-R381.</source>
        <translation>%1: Das Funkgerät ist kein QV-R381.</translation>
    </message>
    <message>
        <source>%1: no reply from the radio.</source>
        <translation>%1: keine Antwort vom Funkgerät.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Invalid reply from the radio.
The reply to &quot;%1&quot; %2.</source>
        <translation>Ungültige Antwort vom Funkgerät.
Die Antwort auf &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>has no 11-digit frequency</source>
        <translation>hat keine 11-stellige Frequenz</translation>
    </message>
    <message>
        <source>has no one-digit code in field %1</source>
        <translation>hat keinen einstelligen Code in Feld %1</translation>
    </message>
    <message>
        <source>has a control character in field %1</source>
        <translation>hat ein Steuerzeichen in Feld %1</translation>
    </message>
    <message>
        <source>has more than %1 characters in field %2</source>
        <translation>hat mehr als %1 Zeichen in Feld %2</translation>
    </message>
    <message>
        <source>has no two-digit tone code in field %1</source>
        <translation>hat keinen zweistelligen Toncode in Feld %1</translation>
    </message>
    <message>
        <source>has no 9-digit offset in field 11</source>
        <translation>hat keine 9-stellige Ablage in Feld 11</translation>
    </message>
    <message>
        <source>has %1 fields instead of 13</source>
        <translation>hat %1 statt 13 Felder</translation>
    </message>
    <message>
        <source>is for slot &quot;%1&quot;</source>
        <translation>gilt für Platz &quot;%1&quot;</translation>
    </message>
    <message>
        <source>has no one-digit lock-out</source>
        <translation>hat keine einstellige Suchlauf-Sperre</translation>
    </message>
    <message>
        <source>is no transmit frequency and step</source>
        <translation>ist keine Sendefrequenz mit Kanalraster</translation>
    </message>
    <message>
        <source>is longer than a name</source>
        <translation>ist länger als ein Name</translation>
    </message>
    <message>
        <source>holds a character no name has</source>
        <translation>enthält ein Zeichen, das kein Name hat</translation>
    </message>
    <message>
        <source>has %1 fields instead of 11</source>
        <translation>hat %1 statt 11 Felder</translation>
    </message>
    <message>
        <source>has %1 fields instead of 12</source>
        <translation>hat %1 statt 12 Felder</translation>
    </message>
    <message>
        <source>is for band &quot;%1&quot;</source>
        <translation>gilt für Band &quot;%1&quot;</translation>
    </message>
    <message>
        <source>is no output power code</source>
        <translation>ist kein Sendeleistungscode</translation>
    </message>
    <message>
        <source>is not DTMF memory %1</source>
        <translation>ist nicht DTMF-Speicher %1</translation>
    </message>
    <message>
        <source>has a DTMF code longer than 16 characters</source>
        <translation>hat einen DTMF-Code mit mehr als 16 Zeichen</translation>
    </message>
    <message>
        <source>has a character no DTMF code has</source>
        <translation>enthält ein Zeichen, das kein DTMF-Code hat</translation>
    </message>
    <message>
        <source>does not start with the echo &quot;%1&quot;</source>
        <translation>beginnt nicht mit dem Echo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>is no radio type</source>
        <translation>ist kein Gerätetyp</translation>
    </message>
    <message>
        <source>is no band limit list</source>
        <translation>ist keine Liste der Bandgrenzen</translation>
    </message>
    <message>
        <source>Invalid COM port.
Please check and try again.</source>
        <translation>Ungültige COM-Schnittstelle.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>Zeitüberschreitung bei der Verbindung.</translation>
    </message>
    <message>
        <source>Invalid the radio.
Please check and try again.</source>
        <translation>Ungültiges Funkgerät.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>The radio echoes what it receives.
Every command came back unanswered: please check the cable and the radio, and try again.</source>
        <translation>Das Funkgerät sendet zurück, was es empfängt.
Jeder Befehl kam unbeantwortet zurück: Bitte prüfen Sie Kabel und Funkgerät und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1: &quot;ID&quot; came back as it was sent.</source>
        <translation>%1: &quot;ID&quot; kam unverändert zurück.</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Es wurde nichts in das Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>The radio took the whole memory; only the closing &quot;PS 1&quot; went unanswered.</source>
        <translation>Das Funkgerät hat den ganzen Speicher übernommen; nur das abschließende &quot;PS 1&quot; blieb unbeantwortet.</translation>
    </message>
    <message>
        <source>The radio took the whole memory; the closing &quot;PS 0&quot; went unanswered and &quot;PS 1&quot; was not sent.</source>
        <translation>Das Funkgerät hat den ganzen Speicher übernommen; das abschließende &quot;PS 0&quot; blieb unbeantwortet und &quot;PS 1&quot; wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>The radio answered none of the memory sent; %1 may have changed, the rest is its old memory.</source>
        <translation>Das Funkgerät hat auf nichts vom gesendeten Speicher geantwortet; %1 kann sich geändert haben, der Rest ist sein alter Speicher.</translation>
    </message>
    <message>
        <source>The radio took the memory up to %1; it now holds old and new memory mixed.</source>
        <translation>Das Funkgerät hat den Speicher bis %1 übernommen; es enthält jetzt alten und neuen Speicher gemischt.</translation>
    </message>
</context>
</TS>

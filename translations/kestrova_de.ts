<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CheckMessage</name>
    <message>
        <source>Enter the GPRS APN.</source>
        <translation>Geben Sie den GPRS-APN ein.</translation>
    </message>
    <message>
        <source>Enter the mail server.</source>
        <translation>Geben Sie den Mailserver ein.</translation>
    </message>
    <message>
        <source>Enter the mail server&apos;s port.</source>
        <translation>Geben Sie den Port des Mailservers ein.</translation>
    </message>
    <message>
        <source>Enter an e-mail address.</source>
        <translation>Geben Sie eine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;@&quot;.</source>
        <translation>Die E-Mail-Adresse enthält kein „@“.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;.&quot;.</source>
        <translation>Die E-Mail-Adresse enthält keinen „.“.</translation>
    </message>
    <message>
        <source>Enter the password of the sender&apos;s e-mail account.</source>
        <translation>Geben Sie das Passwort des E-Mail-Kontos des Absenders ein.</translation>
    </message>
    <message>
        <source>The phone number is too short or holds more than digits.</source>
        <translation>Die Telefonnummer ist zu kurz oder enthält mehr als Ziffern.</translation>
    </message>
    <message>
        <source>The first phone number is too short.</source>
        <translation>Die erste Telefonnummer ist zu kurz.</translation>
    </message>
    <message>
        <source>The second recipient is too short.</source>
        <translation>Der zweite Empfänger ist zu kurz.</translation>
    </message>
    <message>
        <source>The third recipient is too short.</source>
        <translation>Der dritte Empfänger ist zu kurz.</translation>
    </message>
    <message>
        <source>Enter the first phone number: the SMS remote control answers it.</source>
        <translation>Geben Sie die erste Telefonnummer ein: Die SMS-Fernsteuerung antwortet ihr.</translation>
    </message>
    <message>
        <source>A phone number holds digits only (and a &quot;+&quot; in front when it is international).</source>
        <translation>Eine Telefonnummer enthält nur Ziffern (und ein „+“ davor, wenn sie international ist).</translation>
    </message>
    <message>
        <source>Check the phone number: it may hold digits only.</source>
        <translation>Prüfen Sie die Telefonnummer: Sie darf nur Ziffern enthalten.</translation>
    </message>
    <message>
        <source>Enter the first phone number or an e-mail address.</source>
        <translation>Geben Sie die erste Telefonnummer oder eine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Check the recipient: a phone number of digits or an e-mail address.</source>
        <translation>Prüfen Sie den Empfänger: eine Telefonnummer aus Ziffern oder eine E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>Enter the MMS URL.</source>
        <translation>Geben Sie die MMS-URL ein.</translation>
    </message>
    <message>
        <source>Enter the APN.</source>
        <translation>Geben Sie den APN ein.</translation>
    </message>
    <message>
        <source>Enter the MMS gateway.</source>
        <translation>Geben Sie das MMS-Gateway ein.</translation>
    </message>
    <message>
        <source>Enter the MMS port.</source>
        <translation>Geben Sie den MMS-Port ein.</translation>
    </message>
    <message>
        <source>The MMS gateway has no &quot;.&quot;.</source>
        <translation>Das MMS-Gateway enthält keinen „.“.</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Eine Telefonnummer hat höchstens %1 Ziffern.</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Geben Sie eine ganze Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>Geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters.</source>
        <translation>Geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.</source>
        <translation>%1: Der Text braucht in der Kamera %2 Bytes, es passen aber nur %3. Ein chinesisches Zeichen braucht 2 Bytes.</translation>
    </message>
    <message>
        <source>%1: the character &quot;%2&quot; cannot be stored on the camera.</source>
        <translation>%1: Das Zeichen „%2“ kann in der Kamera nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Card report: %1</source>
        <comment>field.title</comment>
        <translation>Kartenbericht: %1</translation>
    </message>
    <message>
        <source>Deployment: %1</source>
        <comment>field.deployment</comment>
        <translation>Einsatz: %1</translation>
    </message>
    <message>
        <source>camera %1</source>
        <comment>field.camera_part</comment>
        <translation>Kamera %1</translation>
    </message>
    <message>
        <source>set up by %1</source>
        <comment>field.setup_by_part</comment>
        <translation>eingerichtet von %1</translation>
    </message>
    <message numerus="yes">
        <source>From %1 (%2) to %3 (%4): %n day(s).</source>
        <comment>field.period</comment>
        <translation>
            <numerusform>Von %1 (%2) bis %3 (%4): %n Tag.</numerusform>
            <numerusform>Von %1 (%2) bis %3 (%4): %n Tage.</numerusform>
        </translation>
    </message>
    <message>
        <source>as the cameras table says</source>
        <comment>field.start_cameras_table</comment>
        <translation>laut Kameratabelle</translation>
    </message>
    <message>
        <source>when the card was written</source>
        <comment>field.start_written</comment>
        <translation>als die Karte beschrieben wurde</translation>
    </message>
    <message>
        <source>the clock menu.dat set</source>
        <comment>field.start_camera_clock</comment>
        <translation>die von menu.dat gestellte Uhr</translation>
    </message>
    <message>
        <source>the first picture</source>
        <comment>field.start_first_picture</comment>
        <translation>das erste Bild</translation>
    </message>
    <message>
        <source>retrieved</source>
        <comment>field.end_retrieved</comment>
        <translation>entnommen</translation>
    </message>
    <message>
        <source>the last picture</source>
        <comment>field.end_last_picture</comment>
        <translation>das letzte Bild</translation>
    </message>
    <message>
        <source>Camera: %1. It was set to do this:</source>
        <comment>field.camera</comment>
        <translation>Kamera: %1. Sie war so eingestellt:</translation>
    </message>
    <message>
        <source>The card holds no readable camera menu (menu.dat): the schedule is not known.</source>
        <comment>field.no_menu</comment>
        <translation>Die Karte enthält kein lesbares Kameramenü (menu.dat): Der Zeitplan ist nicht bekannt.</translation>
    </message>
    <message numerus="yes">
        <source>Working: %1 of %n day(s).</source>
        <comment>field.working</comment>
        <translation>
            <numerusform>In Betrieb: %1 von %n Tag.</numerusform>
            <numerusform>In Betrieb: %1 von %n Tagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Down: %1. The time lapse took no picture at any of its times.</source>
        <comment>field.down</comment>
        <translation>Ausgefallen: %1. Der Zeitraffer hat zu keiner seiner Zeiten ein Bild aufgenommen.</translation>
    </message>
    <message>
        <source>No pictures: %1. The camera was active 24 hours or more without taking a picture.</source>
        <comment>field.no_pictures</comment>
        <translation>Keine Bilder: %1. Die Kamera war 24 Stunden oder länger aktiv, ohne ein Bild aufzunehmen.</translation>
    </message>
    <message>
        <source>No pictures from %1 to %2: %3 of active time.</source>
        <comment>field.gap</comment>
        <translation>Keine Bilder von %1 bis %2: %3 aktive Zeit.</translation>
    </message>
    <message numerus="yes">
        <source>Card full: no picture after %1 and no room for one, %n day(s) lost.</source>
        <comment>field.card_full</comment>
        <translation>
            <numerusform>Karte voll: kein Bild nach dem %1 und kein Platz für eines, %n Tag verloren.</numerusform>
            <numerusform>Karte voll: kein Bild nach dem %1 und kein Platz für eines, %n Tage verloren.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card is full and SD cycle is on: the oldest pictures have been overwritten.</source>
        <comment>field.overwrites</comment>
        <translation>Die Karte ist voll und der SD-Zyklus ist eingeschaltet: Die ältesten Bilder wurden überschrieben.</translation>
    </message>
    <message>
        <source>Clock: the first picture came %1 after the start.</source>
        <comment>field.clock_first_after</comment>
        <translation>Uhr: Das erste Bild kam %1 nach dem Beginn.</translation>
    </message>
    <message>
        <source>Clock: the first picture is dated %1 before the start.</source>
        <comment>field.clock_first_before</comment>
        <translation>Uhr: Das erste Bild ist %1 vor dem Beginn datiert.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 ahead.</source>
        <comment>field.clock_ahead</comment>
        <translation>Uhr: %1 zeigt %2, aufgenommen um %3: Die Uhr der Kamera geht %4 vor.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 behind.</source>
        <comment>field.clock_behind</comment>
        <translation>Uhr: %1 zeigt %2, aufgenommen um %3: Die Uhr der Kamera geht %4 nach.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is right to the minute.</source>
        <comment>field.clock_right</comment>
        <translation>Uhr: %1 zeigt %2, aufgenommen um %3: Die Uhr der Kamera geht auf die Minute genau.</translation>
    </message>
    <message>
        <source>That is an hour: daylight saving time?</source>
        <comment>field.clock_hour_off</comment>
        <translation>Das ist eine Stunde: Sommerzeit?</translation>
    </message>
    <message>
        <source>That is 12 hours: a 12-hour clock read as a 24-hour one?</source>
        <comment>field.clock_half_day_off</comment>
        <translation>Das sind 12 Stunden: eine 12-Stunden-Uhr als 24-Stunden-Uhr gelesen?</translation>
    </message>
    <message>
        <source>Clock: it gains %1 a day.</source>
        <comment>field.clock_gains</comment>
        <translation>Uhr: Sie geht %1 am Tag vor.</translation>
    </message>
    <message>
        <source>Clock: it loses %1 a day.</source>
        <comment>field.clock_loses</comment>
        <translation>Uhr: Sie geht %1 am Tag nach.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before the deployment started (the earliest %1).</source>
        <comment>field.clock_before_start</comment>
        <translation>
            <numerusform>Uhr: %n Bild ist vor dem Beginn des Einsatzes datiert (das früheste %1).</numerusform>
            <numerusform>Uhr: %n Bilder sind vor dem Beginn des Einsatzes datiert (das früheste %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before 2010.</source>
        <comment>field.clock_before_2010</comment>
        <translation>
            <numerusform>Uhr: %n Bild ist vor 2010 datiert.</numerusform>
            <numerusform>Uhr: %n Bilder sind vor 2010 datiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated 2010-01-01 or 2011-01-01, where a camera&apos;s clock starts after losing its power.</source>
        <comment>field.clock_factory</comment>
        <translation>
            <numerusform>Uhr: %n Bild ist auf 2010-01-01 oder 2011-01-01 datiert, wo die Uhr einer Kamera nach einem Stromverlust beginnt.</numerusform>
            <numerusform>Uhr: %n Bilder sind auf 2010-01-01 oder 2011-01-01 datiert, wo die Uhr einer Kamera nach einem Stromverlust beginnt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by %3: daylight saving time.</source>
        <comment>field.clock_shift_hour</comment>
        <translation>
            <numerusform>Uhr: An %n Tag, %1 bis %2, halten die Bilder den Zeitplan nur um %3 verschoben ein: Sommerzeit.</numerusform>
            <numerusform>Uhr: An %n Tagen, %1 bis %2, halten die Bilder den Zeitplan nur um %3 verschoben ein: Sommerzeit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by 12 hours: a 12-hour clock read as a 24-hour one.</source>
        <comment>field.clock_shift_half_day</comment>
        <translation>
            <numerusform>Uhr: An %n Tag, %1 bis %2, halten die Bilder den Zeitplan nur um 12 Stunden verschoben ein: eine 12-Stunden-Uhr als 24-Stunden-Uhr gelesen.</numerusform>
            <numerusform>Uhr: An %n Tagen, %1 bis %2, halten die Bilder den Zeitplan nur um 12 Stunden verschoben ein: eine 12-Stunden-Uhr als 24-Stunden-Uhr gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clock: nothing found wrong.</source>
        <comment>field.clock_fine</comment>
        <translation>Uhr: Nichts Falsches gefunden.</translation>
    </message>
    <message>
        <source>Card: pictures %1 (%2), videos %3 (%4).</source>
        <comment>field.card</comment>
        <translation>Karte: Bilder %1 (%2), Videos %3 (%4).</translation>
    </message>
    <message>
        <source>Free on the card: %1.</source>
        <comment>field.card_free</comment>
        <translation>Frei auf der Karte: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Damaged: %n file(s).</source>
        <comment>field.damaged</comment>
        <translation>
            <numerusform>Beschädigt: %n Datei.</numerusform>
            <numerusform>Beschädigt: %n Dateien.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>field.damaged_more</comment>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>empty (0 bytes)</source>
        <comment>field.damage_empty</comment>
        <translation>leer (0 Bytes)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>field.damage_unreadable</comment>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>not what its name says</source>
        <comment>field.damage_not_its_kind</comment>
        <translation>nicht das, was ihr Name sagt</translation>
    </message>
    <message>
        <source>no end marker: the camera lost power while writing it</source>
        <comment>field.damage_no_end_marker</comment>
        <translation>keine Endmarke: Die Kamera verlor beim Schreiben den Strom</translation>
    </message>
    <message>
        <source>shorter than its header says: the camera stopped writing it</source>
        <comment>field.damage_truncated</comment>
        <translation>kürzer, als ihr Kopf angibt: Die Kamera hörte auf, sie zu schreiben</translation>
    </message>
    <message>
        <source>its header points outside the file</source>
        <comment>field.damage_bad_header</comment>
        <translation>ihr Kopf zeigt aus der Datei hinaus</translation>
    </message>
    <message numerus="yes">
        <source>The file counter started again: %n number(s) found twice, %1 among them.</source>
        <comment>field.repeated</comment>
        <translation>
            <numerusform>Der Dateizähler begann von vorn: %n Nummer doppelt gefunden, darunter %1.</numerusform>
            <numerusform>Der Dateizähler begann von vorn: %n Nummern doppelt gefunden, darunter %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) tell no time of their own: the file system&apos;s time stands in (%1 among them).</source>
        <comment>field.file_time</comment>
        <translation>
            <numerusform>%n Datei nennt keine eigene Zeit: Die Zeit des Dateisystems steht dafür (darunter %1).</numerusform>
            <numerusform>%n Dateien nennen keine eigene Zeit: Die Zeit des Dateisystems steht dafür (darunter %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card holds no pictures or videos.</source>
        <comment>field.no_media</comment>
        <translation>Die Karte enthält keine Bilder oder Videos.</translation>
    </message>
    <message>
        <source>Pictures a day:</source>
        <comment>field.chart</comment>
        <translation>Bilder pro Tag:</translation>
    </message>
    <message>
        <source>Measured against estimated:</source>
        <comment>field.comparison</comment>
        <translation>Gemessen gegenüber geschätzt:</translation>
    </message>
    <message>
        <source>Pictures: %1, about %2 estimated.</source>
        <comment>field.pictures_estimated</comment>
        <translation>Bilder: %1, geschätzt etwa %2.</translation>
    </message>
    <message>
        <source>Pictures: %1.</source>
        <comment>field.pictures_only</comment>
        <translation>Bilder: %1.</translation>
    </message>
    <message>
        <source>Triggers a day: %1 measured, %2 assumed.</source>
        <comment>field.triggers</comment>
        <translation>Auslösungen pro Tag: %1 gemessen, %2 angenommen.</translation>
    </message>
    <message>
        <source>Megabytes a picture: %1 measured, %2 assumed (%3).</source>
        <comment>field.megabytes</comment>
        <translation>Megabyte pro Bild: %1 gemessen, %2 angenommen (%3).</translation>
    </message>
    <message>
        <source>For the next setup: %1</source>
        <comment>field.next_setup</comment>
        <translation>Für die nächste Einrichtung: %1</translation>
    </message>
    <message>
        <source>before the deployment</source>
        <comment>field.state_before</comment>
        <translation>vor dem Einsatz</translation>
    </message>
    <message>
        <source>working</source>
        <comment>field.state_working</comment>
        <translation>in Betrieb</translation>
    </message>
    <message>
        <source>no pictures</source>
        <comment>field.state_no_pictures</comment>
        <translation>keine Bilder</translation>
    </message>
    <message>
        <source>down</source>
        <comment>field.state_down</comment>
        <translation>ausgefallen</translation>
    </message>
    <message>
        <source>card full</source>
        <comment>field.state_card_full</comment>
        <translation>Karte voll</translation>
    </message>
    <message>
        <source>after the deployment</source>
        <comment>field.state_after</comment>
        <translation>nach dem Einsatz</translation>
    </message>
    <message>
        <source>Card report...</source>
        <comment>field.menu_card_report</comment>
        <translation>Kartenbericht...</translation>
    </message>
    <message>
        <source>Card report</source>
        <comment>field.window_title</comment>
        <translation>Kartenbericht</translation>
    </message>
    <message>
        <source>Card or folder:</source>
        <comment>field.folder_label</comment>
        <translation>Karte oder Ordner:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>field.browse</comment>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>field.read</comment>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>field.cancel</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reading the card: %1 of %2 files</source>
        <comment>field.reading</comment>
        <translation>Die Karte wird gelesen: %1 von %2 Dateien</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <comment>field.cancelled</comment>
        <translation>Das Lesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <comment>field.not_a_folder</comment>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>Export to Camtrap DP...</source>
        <comment>field.export</comment>
        <translation>Als Camtrap DP exportieren...</translation>
    </message>
    <message>
        <source>The Camtrap DP package is in %1 (pictures and videos: %2).</source>
        <comment>field.exported</comment>
        <translation>Das Camtrap-DP-Paket liegt in %1 (Bilder und Videos: %2).</translation>
    </message>
    <message>
        <source>Left empty, as neither the card nor the log knows them: %1. The package does not validate until they are filled in.</source>
        <comment>field.export_missing</comment>
        <translation>Leer gelassen, da weder die Karte noch das Protokoll sie kennt: %1. Das Paket ist erst gültig, wenn sie eingetragen sind.</translation>
    </message>
    <message>
        <source>No package was written: %1</source>
        <comment>field.export_failed</comment>
        <translation>Es wurde kein Paket geschrieben: %1</translation>
    </message>
    <message>
        <source>Nothing is written onto the card: choose a folder elsewhere.</source>
        <comment>field.export_on_card</comment>
        <translation>Auf die Karte wird nichts geschrieben: Wählen Sie einen Ordner an anderer Stelle.</translation>
    </message>
    <message>
        <source>Use %1 triggers a day</source>
        <comment>field.use_triggers</comment>
        <translation>%1 Auslösungen pro Tag übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>field.close</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1, %2: pictures %3, videos %4, time lapse %5 of %6.</source>
        <comment>field.day_detail</comment>
        <translation>%1, %2: Bilder %3, Videos %4, Zeitraffer %5 von %6.</translation>
    </message>
    <message>
        <source>Days:</source>
        <comment>field.days_label</comment>
        <translation>Tage:</translation>
    </message>
    <message>
        <source>estimated</source>
        <comment>field.estimate_legend</comment>
        <translation>geschätzt</translation>
    </message>
    <message>
        <source>First picture: %1</source>
        <comment>field.first_picture</comment>
        <translation>Erstes Bild: %1</translation>
    </message>
    <message>
        <source>Last picture: %1</source>
        <comment>field.last_picture</comment>
        <translation>Letztes Bild: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>field.no_thumbnail</comment>
        <translation>(keines)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>field.damaged_file</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The card&apos;s return is logged in %1.</source>
        <comment>field.retrieval_logged</comment>
        <translation>Die Rückkehr der Karte ist in %1 protokolliert.</translation>
    </message>
    <message>
        <source>The card&apos;s return could not be logged in %1: %2</source>
        <comment>field.retrieval_not_logged</comment>
        <translation>Die Rückkehr der Karte konnte nicht in %1 protokolliert werden: %2</translation>
    </message>
    <message>
        <source>The log holds no card written that this one brings back: its return is logged on its own.</source>
        <comment>field.retrieval_alone</comment>
        <translation>Das Protokoll enthält keine geschriebene Karte, die zu dieser passt: Ihre Rückkehr wird für sich allein protokolliert.</translation>
    </message>
</context>
<context>
    <name>FleetText</name>
    <message>
        <source>Set up many cards...</source>
        <comment>fleet.menu_many_cards</comment>
        <translation>Viele Karten einrichten...</translation>
    </message>
    <message>
        <source>Save kit from card...</source>
        <comment>fleet.menu_save_kit</comment>
        <translation>Satz von der Karte speichern...</translation>
    </message>
    <message>
        <source>Set up many cards</source>
        <comment>fleet.window_title</comment>
        <translation>Viele Karten einrichten</translation>
    </message>
    <message>
        <source>Kit file:</source>
        <comment>fleet.kit_label</comment>
        <translation>Satzdatei:</translation>
    </message>
    <message>
        <source>Cameras (CSV):</source>
        <comment>fleet.cameras_label</comment>
        <translation>Kameras (CSV):</translation>
    </message>
    <message>
        <source>Log file:</source>
        <comment>fleet.log_label</comment>
        <translation>Protokolldatei:</translation>
    </message>
    <message>
        <source>Set up by:</source>
        <comment>fleet.setup_by_label</comment>
        <translation>Eingerichtet von:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>fleet.browse</comment>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>fleet.start</comment>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>fleet.stop</comment>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>fleet.close</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cards done:</source>
        <comment>fleet.cards_done</comment>
        <translation>Fertige Karten:</translation>
    </message>
    <message>
        <source>Choose a kit file, then press Start.</source>
        <comment>fleet.choose_kit</comment>
        <translation>Wählen Sie eine Satzdatei und drücken Sie dann „Starten“.</translation>
    </message>
    <message>
        <source>Insert the card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_card_for</comment>
        <translation>Karte für Kamera %1 einstecken (%2 von %3)</translation>
    </message>
    <message>
        <source>Insert the next card (%1 written)</source>
        <comment>fleet.insert_next_card</comment>
        <translation>Nächste Karte einstecken (%1 geschrieben)</translation>
    </message>
    <message>
        <source>Writing the card for camera %1 (%2)...</source>
        <comment>fleet.writing</comment>
        <translation>Karte für Kamera %1 wird geschrieben (%2)...</translation>
    </message>
    <message>
        <source>The card for camera %1 is done and ejected: remove it.</source>
        <comment>fleet.remove_ejected</comment>
        <translation>Die Karte für Kamera %1 ist fertig und ausgeworfen: bitte entnehmen.</translation>
    </message>
    <message>
        <source>The card for camera %1 is done: unmount and remove the card at %2.</source>
        <comment>fleet.remove_card</comment>
        <translation>Die Karte für Kamera %1 ist fertig: bitte die Karte in %2 auswerfen und entnehmen.</translation>
    </message>
    <message>
        <source>The card at %1 was left as it was: remove it.</source>
        <comment>fleet.remove_skipped</comment>
        <translation>Die Karte in %1 blieb unverändert: bitte entnehmen.</translation>
    </message>
    <message>
        <source>The card at %1 holds the files of another camera (serial text %2). Replace them with the settings of camera %3?</source>
        <comment>fleet.ask_other_camera</comment>
        <translation>Die Karte in %1 enthält die Dateien einer anderen Kamera (Seriennummerntext %2). Durch die Einstellungen von Kamera %3 ersetzen?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 holds other settings than this kit&apos;s. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_other_kit</comment>
        <translation>%2 auf der Karte in %1 enthält andere Einstellungen als dieser Satz. Durch die Einstellungen von Kamera %3 ersetzen?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 is damaged or cannot be read. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_damaged</comment>
        <translation>%2 auf der Karte in %1 ist beschädigt oder nicht lesbar. Durch die Einstellungen von Kamera %3 ersetzen?</translation>
    </message>
    <message>
        <source>done</source>
        <comment>fleet.result_done</comment>
        <translation>fertig</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <comment>fleet.result_failed</comment>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>incomplete (stopped)</source>
        <comment>fleet.result_incomplete</comment>
        <translation>unvollständig (angehalten)</translation>
    </message>
    <message>
        <source>left as it was</source>
        <comment>fleet.result_skipped</comment>
        <translation>unverändert gelassen</translation>
    </message>
    <message>
        <source>Every camera&apos;s card is written (%1).</source>
        <comment>fleet.all_done</comment>
        <translation>Die Karten aller Kameras sind geschrieben (%1).</translation>
    </message>
    <message>
        <source>One card written (camera %1).</source>
        <comment>fleet.one_card_written</comment>
        <translation>Eine Karte geschrieben (Kamera %1).</translation>
    </message>
    <message>
        <source>Stopped; %1 cards written.</source>
        <comment>fleet.stopped</comment>
        <translation>Angehalten; %1 Karten geschrieben.</translation>
    </message>
    <message>
        <source>Stopped during the card for camera %1: that card is incomplete and must be written again.</source>
        <comment>fleet.stopped_during_card</comment>
        <translation>Während der Karte für Kamera %1 angehalten: Diese Karte ist unvollständig und muss neu geschrieben werden.</translation>
    </message>
    <message>
        <source>The card for camera %1 failed: %2</source>
        <comment>fleet.card_failed</comment>
        <translation>Die Karte für Kamera %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <comment>fleet.input_unusable</comment>
        <translation>%1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The kit &quot;%1&quot; was saved: %2</source>
        <comment>fleet.kit_saved</comment>
        <translation>Der Satz „%1“ wurde gespeichert: %2</translation>
    </message>
    <message>
        <source>No kit was saved: %1</source>
        <comment>fleet.kit_not_saved</comment>
        <translation>Es wurde kein Satz gespeichert: %1</translation>
    </message>
    <message>
        <source>%1 holds no settings file.</source>
        <comment>fleet.no_settings_file</comment>
        <translation>%1 enthält keine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>Cards are still being set up. Stop and close the window?</source>
        <comment>fleet.ask_stop_first</comment>
        <translation>Es werden noch Karten eingerichtet. Anhalten und das Fenster schließen?</translation>
    </message>
    <message>
        <source>These cameras have a card done in the log and are passed over: %1</source>
        <comment>fleet.passing_over_done</comment>
        <translation>Diese Kameras haben laut Protokoll schon eine fertige Karte und werden übersprungen: %1</translation>
    </message>
    <message>
        <source>Every camera has a card done in the log: nothing is left to write.</source>
        <comment>fleet.nothing_left</comment>
        <translation>Laut Protokoll hat jede Kamera eine fertige Karte: Es bleibt nichts zu schreiben.</translation>
    </message>
    <message>
        <source>Insert another card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_another_card_for</comment>
        <translation>Eine andere Karte für Kamera %1 einstecken (%2 von %3)</translation>
    </message>
    <message>
        <source>Camera %1 already has a card done (%2). Write another card for it, which replaces that one?</source>
        <comment>fleet.ask_again</comment>
        <translation>Kamera %1 hat schon eine fertige Karte (%2). Eine weitere Karte für sie schreiben, die jene ersetzt?</translation>
    </message>
    <message>
        <source>done; it replaces the %1</source>
        <comment>fleet.result_done_replacing</comment>
        <translation>fertig; sie ersetzt: %1</translation>
    </message>
    <message>
        <source>The card for camera %1 is not done.</source>
        <comment>fleet.card_not_written</comment>
        <translation>Die Karte für Kamera %1 ist nicht fertig.</translation>
    </message>
    <message>
        <source>These cameras still have no card: %1</source>
        <comment>fleet.still_without_card</comment>
        <translation>Diese Kameras haben noch keine Karte: %1</translation>
    </message>
    <message>
        <source>the card is read-only or locked; nothing was written</source>
        <comment>fleet.read_only_card</comment>
        <translation>die Karte ist schreibgeschützt oder gesperrt; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>The card at %1:</source>
        <comment>fleet.card_warnings</comment>
        <translation>Die Karte in %1:</translation>
    </message>
    <message>
        <source>The log has the card at %1 as the card of camera %2 (%3).</source>
        <comment>fleet.card_of_other_camera</comment>
        <translation>Laut Protokoll ist die Karte in %1 die Karte von Kamera %2 (%3).</translation>
    </message>
    <message>
        <source>Write the settings of camera %1 onto it all the same?</source>
        <comment>fleet.ask_write_anyway</comment>
        <translation>Die Einstellungen von Kamera %1 trotzdem darauf schreiben?</translation>
    </message>
    <message>
        <source>%1 on the card is a link; nothing was written</source>
        <comment>fleet.file_is_link_on_card</comment>
        <translation>%1 auf der Karte ist eine Verknüpfung; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>%1 on the card is a folder or a device, not a file; nothing was written</source>
        <comment>fleet.file_not_regular_on_card</comment>
        <translation>%1 auf der Karte ist ein Ordner oder ein Gerät, keine Datei; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the card has %1 free, but the files need %2; nothing was written</source>
        <comment>fleet.no_room_on_card</comment>
        <translation>auf der Karte sind %1 frei, die Dateien brauchen aber %2; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the card is only partly written: %1 already hold the new settings. %2 Write the card again before it goes out.</source>
        <comment>fleet.partly_written</comment>
        <translation>die Karte ist nur teilweise geschrieben: %1 enthalten schon die neuen Einstellungen. %2 Schreiben Sie die Karte erneut, bevor sie hinausgeht.</translation>
    </message>
    <message>
        <source>it is still mounted</source>
        <comment>fleet.still_mounted</comment>
        <translation>sie ist noch eingehängt</translation>
    </message>
    <message>
        <source>The card for camera %1 is done, but it did not eject (%2): unmount and remove the card at %3 by hand.</source>
        <comment>fleet.remove_by_hand</comment>
        <translation>Die Karte für Kamera %1 ist fertig, wurde aber nicht ausgeworfen (%2): bitte die Karte in %3 von Hand aushängen und entnehmen.</translation>
    </message>
    <message>
        <source>The card at %1 is not done: remove it.</source>
        <comment>fleet.remove_failed</comment>
        <translation>Die Karte in %1 ist nicht fertig: bitte entnehmen.</translation>
    </message>
    <message>
        <source>The card at %1 is not done and did not eject (%2): unmount and remove it by hand.</source>
        <comment>fleet.remove_failed_by_hand</comment>
        <translation>Die Karte in %1 ist nicht fertig und wurde nicht ausgeworfen (%2): bitte von Hand aushängen und entnehmen.</translation>
    </message>
    <message>
        <source>the log could not be written: %1</source>
        <comment>fleet.log_not_written</comment>
        <translation>das Protokoll konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The log %1 ended in half a row (line %2): that row is kept on a line of its own, and the new row is below it.</source>
        <comment>fleet.log_ended_damaged</comment>
        <translation>Das Protokoll %1 endete mit einer halben Zeile (Zeile %2): Sie bleibt auf einer eigenen Zeile erhalten, die neue Zeile steht darunter.</translation>
    </message>
    <message>
        <source>The log %1 was saved over by another program since the last row; the new row went into the file there now.</source>
        <comment>fleet.log_replaced</comment>
        <translation>Das Protokoll %1 wurde seit der letzten Zeile von einem anderen Programm überschrieben; die neue Zeile steht in der Datei, die jetzt dort liegt.</translation>
    </message>
    <message>
        <source>Cameras and their cards (double-click one to write its card next):</source>
        <comment>fleet.cameras_table_label</comment>
        <translation>Kameras und ihre Karten (Doppelklick: deren Karte als nächste):</translation>
    </message>
    <message>
        <source>Set up in the field:</source>
        <comment>fleet.set_up_in_field_label</comment>
        <translation>Aufgestellt am:</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>fleet.column_camera</comment>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Location</source>
        <comment>fleet.column_location</comment>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Card</source>
        <comment>fleet.column_card</comment>
        <translation>Karte</translation>
    </message>
    <message>
        <source>State</source>
        <comment>fleet.column_state</comment>
        <translation>Stand</translation>
    </message>
    <message>
        <source>waiting</source>
        <comment>fleet.state_waiting</comment>
        <translation>wartet</translation>
    </message>
    <message>
        <source>next: insert its card</source>
        <comment>fleet.state_next</comment>
        <translation>als Nächste: Karte einstecken</translation>
    </message>
    <message>
        <source>writing</source>
        <comment>fleet.state_writing</comment>
        <translation>wird geschrieben</translation>
    </message>
    <message>
        <source>done earlier (%1)</source>
        <comment>fleet.state_done_before</comment>
        <translation>schon fertig (%1)</translation>
    </message>
    <message>
        <source>The time set up in the field cannot be used: %1</source>
        <comment>fleet.time_unusable</comment>
        <translation>Die Zeit der Aufstellung kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2</source>
        <comment>fleet.name_unusable</comment>
        <translation>„%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The kit holds passwords (%1): keep the file to yourself.</source>
        <comment>fleet.kit_holds_passwords</comment>
        <translation>Der Satz enthält Passwörter (%1): Behalten Sie die Datei für sich.</translation>
    </message>
    <message>
        <source>card %1 written %2</source>
        <comment>fleet.card_named_written_at</comment>
        <translation>Karte %1, geschrieben %2</translation>
    </message>
    <message>
        <source>card written %1</source>
        <comment>fleet.card_written_at</comment>
        <translation>Karte, geschrieben %1</translation>
    </message>
    <message>
        <source>Cards:</source>
        <comment>fleet.mode_label</comment>
        <translation>Karten:</translation>
    </message>
    <message>
        <source>Set up for the field</source>
        <comment>fleet.mode_set_up</comment>
        <translation>Für den Einsatz einrichten</translation>
    </message>
    <message>
        <source>Returned from the field</source>
        <comment>fleet.mode_returned</comment>
        <translation>Aus dem Einsatz zurück</translation>
    </message>
    <message>
        <source>Choose the deployment log, then press Start.</source>
        <comment>fleet.choose_log</comment>
        <translation>Wählen Sie das Einsatzprotokoll und drücken Sie dann „Starten“.</translation>
    </message>
    <message>
        <source>Cameras and their returned cards:</source>
        <comment>fleet.cameras_returned_label</comment>
        <translation>Kameras und ihre zurückgekommenen Karten:</translation>
    </message>
    <message>
        <source>in the field (card written %1)</source>
        <comment>fleet.state_in_field</comment>
        <translation>im Einsatz (Karte geschrieben %1)</translation>
    </message>
    <message>
        <source>returned (read %1)</source>
        <comment>fleet.state_returned</comment>
        <translation>zurück (gelesen %1)</translation>
    </message>
    <message>
        <source>reading</source>
        <comment>fleet.state_reading</comment>
        <translation>wird gelesen</translation>
    </message>
    <message>
        <source>Insert a returned card (read so far: %1)</source>
        <comment>fleet.insert_returned_card</comment>
        <translation>Zurückgekommene Karte einstecken (bisher gelesen: %1)</translation>
    </message>
    <message>
        <source>Reading the card at %1...</source>
        <comment>fleet.reading_card</comment>
        <translation>Die Karte unter %1 wird gelesen...</translation>
    </message>
    <message>
        <source>returned: %1</source>
        <comment>fleet.result_returned</comment>
        <translation>zurück: %1</translation>
    </message>
    <message>
        <source>The card at %1 was not read to the end or its return not logged (%2): remove it.</source>
        <comment>fleet.return_not_read</comment>
        <translation>Die Karte unter %1 wurde nicht zu Ende gelesen oder ihre Rückkehr nicht protokolliert (%2): bitte entnehmen.</translation>
    </message>
    <message>
        <source>The card of %1 is read, its return logged, and it is ejected: remove it and insert the next one.</source>
        <comment>fleet.returned_ejected</comment>
        <translation>Die Karte von %1 ist gelesen, ihre Rückkehr protokolliert und sie ist ausgeworfen: bitte entnehmen und die nächste einstecken.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged: unmount and remove the card at %2, then insert the next one.</source>
        <comment>fleet.returned_remove</comment>
        <translation>Die Karte von %1 ist gelesen und ihre Rückkehr protokolliert: Hängen Sie die Karte unter %2 aus, entnehmen Sie sie und stecken Sie dann die nächste ein.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged, but it was not ejected (%2): unmount and remove the card at %3.</source>
        <comment>fleet.returned_remove_by_hand</comment>
        <translation>Die Karte von %1 ist gelesen und ihre Rückkehr protokolliert, aber sie wurde nicht ausgeworfen (%2): Hängen Sie die Karte unter %3 aus und entnehmen Sie sie.</translation>
    </message>
    <message>
        <source>Stopped. Returned cards read: %1.</source>
        <comment>fleet.returns_stopped</comment>
        <translation>Angehalten. Gelesene zurückgekommene Karten: %1.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 in this folder is a link to another file; nothing was written.</source>
        <comment>notice.file_is_link</comment>
        <translation>%1 in diesem Ordner ist ein Link auf eine andere Datei; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No folder chosen: choose the card&apos;s folder first.</source>
        <comment>notice.no_folder_chosen</comment>
        <translation>Kein Ordner gewählt: bitte zuerst den Ordner der Speicherkarte wählen.</translation>
    </message>
    <message>
        <source>Another write to %1 is in progress; nothing was written. Try again in a moment.</source>
        <comment>notice.write_in_progress</comment>
        <translation>In %1 wird gerade schon geschrieben; es wurde nichts gespeichert. Bitte gleich noch einmal versuchen.</translation>
    </message>
    <message>
        <source>The file %1 was written, but it could not be read back to check it. Generate it again, or use Load from card to check it.</source>
        <comment>notice.written_unchecked</comment>
        <translation>Die Datei %1 wurde geschrieben, konnte aber nicht zur Prüfung zurückgelesen werden. Bitte erneut erzeugen oder mit „Von der Karte laden“ prüfen.</translation>
    </message>
    <message>
        <source>the path is too long.</source>
        <comment>notice.reason_path_too_long</comment>
        <translation>der Pfad ist zu lang.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <comment>notice.file_written</comment>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Replace the menu.dat in %1 with the factory settings?</source>
        <comment>notice.confirm_factory_reset</comment>
        <translation>Die menu.dat in %1 durch die Werkseinstellungen ersetzen?</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535.</source>
        <comment>notice.port_not_number</comment>
        <translation>Der Port muss eine ganze Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>The download page could not be opened. Its address is %1</source>
        <comment>notice.url_not_opened</comment>
        <translation>Die Download-Seite konnte nicht geöffnet werden. Ihre Adresse lautet %1</translation>
    </message>
    <message>
        <source>This model does not send e-mail.</source>
        <comment>notice.model_sends_no_email</comment>
        <translation>Dieses Modell versendet keine E-Mails.</translation>
    </message>
    <message>
        <source>Load from card</source>
        <comment>notice.menu_load_from_card</comment>
        <translation>Von der Karte laden</translation>
    </message>
    <message>
        <source>Load profile...</source>
        <comment>notice.menu_load_profile</comment>
        <translation>Profil laden...</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <comment>notice.menu_save_profile</comment>
        <translation>Profil speichern...</translation>
    </message>
    <message>
        <source>Restore previous file</source>
        <comment>notice.menu_restore_previous</comment>
        <translation>Vorherige Datei wiederherstellen</translation>
    </message>
    <message>
        <source>There is no %1 in this folder; the form was left as it was.</source>
        <comment>notice.file_absent</comment>
        <translation>In diesem Ordner gibt es keine %1; das Formular blieb unverändert.</translation>
    </message>
    <message>
        <source>%1 in this folder is damaged; the form was left as it was.</source>
        <comment>notice.file_damaged</comment>
        <translation>%1 in diesem Ordner ist beschädigt; das Formular blieb unverändert.</translation>
    </message>
    <message>
        <source>%1 in this folder was written for a different camera model; the form was left as it was.</source>
        <comment>notice.file_other_form</comment>
        <translation>%1 in diesem Ordner stammt von einem anderen Kameramodell; das Formular blieb unverändert.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be used: %2</source>
        <comment>notice.profile_unusable</comment>
        <translation>Das Profil %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Profile saved.</source>
        <comment>notice.profile_saved</comment>
        <translation>Profil gespeichert.</translation>
    </message>
    <message>
        <source>No earlier %1 from this folder is kept in the history.</source>
        <comment>notice.no_previous_file</comment>
        <translation>Im Verlauf ist keine frühere %1 aus diesem Ordner aufbewahrt.</translation>
    </message>
    <message>
        <source>Write back the %1 this folder held before %2?</source>
        <comment>notice.ask_restore_previous</comment>
        <translation>Die %1, die dieser Ordner vor %2 enthielt, zurückschreiben?</translation>
    </message>
    <message>
        <source>No copy of the replaced file could be kept, so it cannot be restored later.</source>
        <comment>notice.no_copy_kept</comment>
        <translation>Von der ersetzten Datei konnte keine Kopie aufbewahrt werden; sie lässt sich später nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>More...</source>
        <comment>notice.menu_more</comment>
        <translation>Mehr...</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <comment>notice.loaded_from</comment>
        <translation>Geladen aus %1</translation>
    </message>
    <message>
        <source>%1 in this folder is the factory reset record; it holds no settings to load.</source>
        <comment>notice.file_is_factory_reset</comment>
        <translation>%1 in diesem Ordner ist der Datensatz zum Zurücksetzen auf die Werkseinstellungen; er enthält keine Einstellungen zum Laden.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <comment>notice.ask_replace_profile</comment>
        <translation>%1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>No lock could be made to write %1 safely (%2); nothing was written.</source>
        <comment>notice.lock_unavailable</comment>
        <translation>Für %1 konnte keine Schreibsperre angelegt werden (%2); es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is not valid UTF-8 text, so the file cannot be written there. Rename the folder (or mount the card under another name) and choose it again.</source>
        <comment>notice.name_not_utf8</comment>
        <translation>Der Name des Ordners ist kein gültiger UTF-8-Text, daher kann dort keine Datei geschrieben werden. Bitte den Ordner umbenennen (oder die Karte unter einem anderen Namen einhängen) und erneut wählen.</translation>
    </message>
    <message>
        <source>The file %1 was written, but the card did not confirm the change to its folder (%2). Generate it again, or check the card with &quot;kestrova inspect&quot;.</source>
        <comment>notice.folder_not_flushed</comment>
        <translation>Die Datei %1 wurde geschrieben, aber die Karte hat die Änderung ihres Ordners nicht bestätigt (%2). Bitte erneut erzeugen oder die Karte mit &quot;kestrova inspect&quot; prüfen.</translation>
    </message>
    <message>
        <source>Its camera clock will be set to the current time; every other setting stays as it was.</source>
        <comment>notice.restore_sets_clock</comment>
        <translation>Die Kamerauhr darin wird auf die aktuelle Zeit gesetzt; alle anderen Einstellungen bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>%1 was restored as it was before %2.</source>
        <comment>notice.restored_from</comment>
        <translation>%1 wurde wiederhergestellt, wie sie vor %2 war.</translation>
    </message>
    <message>
        <source>The kept copy of %1 cannot be written back: %2.</source>
        <comment>notice.previous_copy_damaged</comment>
        <translation>Die aufbewahrte Kopie von %1 kann nicht zurückgeschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 in %2 holds settings (%3). Load them into the form?</source>
        <comment>notice.ask_load_from_folder</comment>
        <translation>%1 in %2 enthält Einstellungen (%3). Sollen sie in das Formular geladen werden?</translation>
    </message>
    <message>
        <source>%1, clock %2</source>
        <comment>notice.holds_menu_of</comment>
        <translation>%1, Uhrzeit %2</translation>
    </message>
    <message>
        <source>The %1 this folder held before %2 came from the card %3; which card the folder holds now is not known. Write it back?</source>
        <comment>notice.ask_restore_from_card</comment>
        <translation>Die %1, die dieser Ordner vor %2 enthielt, stammt von der Karte %3; welche Karte der Ordner jetzt enthält, ist nicht bekannt. Zurückschreiben?</translation>
    </message>
    <message>
        <source>%1 was not written back: it came from the card %2, but the folder now holds the card %3.</source>
        <comment>notice.restore_other_card</comment>
        <translation>%1 wurde nicht zurückgeschrieben: Die Datei stammt von der Karte %2, der Ordner enthält jetzt aber die Karte %3.</translation>
    </message>
</context>
<context>
    <name>ProfileReason</name>
    <message>
        <source>%1 is not allowed; use a position 0..%2 or one of: %3</source>
        <translation>%1 ist nicht erlaubt; geben Sie einen Listenplatz 0..%2 oder einen dieser Werte an: %3</translation>
    </message>
    <message>
        <source>Enter a whole number (got %1).</source>
        <translation>Geben Sie eine ganze Zahl ein (angegeben: %1).</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2 (got %3).</source>
        <translation>Geben Sie eine ganze Zahl von %1 bis %2 ein (angegeben: %3).</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Eine Telefonnummer hat höchstens %1 Ziffern.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>What the camera will do</source>
        <comment>summary.strip_title</comment>
        <translation>Was die Kamera tun wird</translation>
    </message>
    <message>
        <source>Triggers a day (assumed):</source>
        <comment>summary.assumed_triggers</comment>
        <translation>Auslösungen pro Tag (angenommen):</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <comment>summary.warning_line</comment>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Print settings sheet...</source>
        <comment>summary.menu_print_sheet</comment>
        <translation>Einstellungsblatt drucken...</translation>
    </message>
    <message>
        <source>Settings sheet: %1</source>
        <comment>summary.sheet_title</comment>
        <translation>Einstellungsblatt: %1</translation>
    </message>
    <message>
        <source>Camera model</source>
        <comment>summary.sheet_model</comment>
        <translation>Kameramodell</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>summary.sheet_folder</comment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>summary.sheet_date</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Check value</source>
        <comment>summary.sheet_check_value</comment>
        <translation>Prüfwert</translation>
    </message>
    <message>
        <source>none yet: these settings do not pass the checks before writing</source>
        <comment>summary.sheet_no_check</comment>
        <translation>noch keiner: diese Einstellungen bestehen die Prüfung vor dem Schreiben noch nicht</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>summary.sheet_settings</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>summary.sheet_warnings</comment>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>None.</source>
        <comment>summary.sheet_no_warnings</comment>
        <translation>Keine.</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <comment>summary.hidden_value</comment>
        <translation>(verborgen)</translation>
    </message>
    <message>
        <source>The settings sheet could not be printed: %1</source>
        <comment>summary.sheet_print_failed</comment>
        <translation>Das Einstellungsblatt konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>Changed on the card:</source>
        <comment>summary.changed_header</comment>
        <translation>Auf der Karte geändert:</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <comment>summary.changed_line</comment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: changed</source>
        <comment>summary.changed_hidden_line</comment>
        <translation>%1: geändert</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment>summary.changed_more</comment>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>New file.</source>
        <comment>summary.change_new_file</comment>
        <translation>Neue Datei.</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <comment>summary.change_nothing</comment>
        <translation>Keine Einstellung wurde geändert.</translation>
    </message>
    <message>
        <source>It replaced a damaged file.</source>
        <comment>summary.change_replaced_damaged</comment>
        <translation>Sie hat eine beschädigte Datei ersetzt.</translation>
    </message>
    <message>
        <source>It replaced the factory reset record.</source>
        <comment>summary.change_replaced_factory</comment>
        <translation>Sie hat den Datensatz zum Zurücksetzen auf die Werkseinstellungen ersetzt.</translation>
    </message>
    <message>
        <source>It replaced a file written for another camera model.</source>
        <comment>summary.change_replaced_other</comment>
        <translation>Sie hat eine Datei für ein anderes Kameramodell ersetzt.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>summary.seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>summary.minutes</comment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>summary.hours</comment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>summary.hours_minutes</comment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <comment>summary.minutes_seconds</comment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <comment>summary.megabytes</comment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <comment>summary.gigabytes</comment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1.</source>
        <comment>summary.trigger_photos1</comment>
        <translation>Bei Bewegung: 1 Foto mit %1.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1.</source>
        <comment>summary.trigger_photos2</comment>
        <translation>Bei Bewegung: 2 Fotos mit %1.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1.</source>
        <comment>summary.trigger_photos3</comment>
        <translation>Bei Bewegung: 3 Fotos mit %1.</translation>
    </message>
    <message>
        <source>On motion: a %1 video at %2.</source>
        <comment>summary.trigger_video</comment>
        <translation>Bei Bewegung: ein Video von %1 mit %2.</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video1</comment>
        <translation>Bei Bewegung: 1 Foto mit %1 und ein Video von %2 mit %3.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video2</comment>
        <translation>Bei Bewegung: 2 Fotos mit %1 und ein Video von %2 mit %3.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video3</comment>
        <translation>Bei Bewegung: 3 Fotos mit %1 und ein Video von %2 mit %3.</translation>
    </message>
    <message>
        <source>After each trigger it waits %1 before the next.</source>
        <comment>summary.wait_after_trigger</comment>
        <translation>Nach jeder Auslösung wartet sie %1 bis zur nächsten.</translation>
    </message>
    <message>
        <source>After each trigger it is ready again at once.</source>
        <comment>summary.no_wait</comment>
        <translation>Nach jeder Auslösung ist sie sofort wieder bereit.</translation>
    </message>
    <message>
        <source>The motion sensor is on (sensitivity: %1).</source>
        <comment>summary.motion_on</comment>
        <translation>Der Bewegungssensor ist eingeschaltet (Empfindlichkeit: %1).</translation>
    </message>
    <message>
        <source>The motion sensor is off.</source>
        <comment>summary.motion_off</comment>
        <translation>Der Bewegungssensor ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>The side sensors are on.</source>
        <comment>summary.side_on</comment>
        <translation>Die seitlichen Sensoren sind eingeschaltet.</translation>
    </message>
    <message>
        <source>The side sensors are off.</source>
        <comment>summary.side_off</comment>
        <translation>Die seitlichen Sensoren sind ausgeschaltet.</translation>
    </message>
    <message>
        <source>It is active all day.</source>
        <comment>summary.active_all_day</comment>
        <translation>Sie ist den ganzen Tag aktiv.</translation>
    </message>
    <message>
        <source>It is active %1 (%2 a day).</source>
        <comment>summary.active_one_window</comment>
        <translation>Aktiv: %1 (%2 am Tag).</translation>
    </message>
    <message>
        <source>It is active %1 and %2 (%3 a day).</source>
        <comment>summary.active_two_windows</comment>
        <translation>Aktiv: %1 und %2 (%3 am Tag).</translation>
    </message>
    <message>
        <source>Its timers leave no time in which it is active.</source>
        <comment>summary.active_never</comment>
        <translation>Die Zeitschaltuhren lassen keine Zeit, in der sie aktiv ist.</translation>
    </message>
    <message>
        <source>And one photo every %1 while active: %2 a day.</source>
        <comment>summary.time_lapse</comment>
        <translation>Dazu ein Foto alle %1, solange sie aktiv ist: %2 am Tag.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time and the text &quot;%1&quot;.</source>
        <comment>summary.stamp_time_and_text</comment>
        <translation>Auf den Bildern stehen die Zeit und der Text „%1“.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time.</source>
        <comment>summary.stamp_time</comment>
        <translation>Auf den Bildern steht die Zeit.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the text &quot;%1&quot;.</source>
        <comment>summary.stamp_text</comment>
        <translation>Auf den Bildern steht der Text „%1“.</translation>
    </message>
    <message>
        <source>Nothing is stamped on the pictures.</source>
        <comment>summary.stamp_nothing</comment>
        <translation>Auf den Bildern steht nichts.</translation>
    </message>
    <message>
        <source>When the card is full, the oldest files are overwritten.</source>
        <comment>summary.sd_cycle_on</comment>
        <translation>Ist die Karte voll, werden die ältesten Dateien überschrieben.</translation>
    </message>
    <message>
        <source>When the card is full, the camera stops recording.</source>
        <comment>summary.sd_cycle_off</comment>
        <translation>Ist die Karte voll, hört die Kamera auf aufzuzeichnen.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1 when it reads this card; insert the card soon, or the clock runs behind by the time in between.</source>
        <comment>summary.clock_set</comment>
        <translation>Beim Lesen dieser Karte wird die Uhr der Kamera auf %1 gestellt; die Karte bald einsetzen, sonst geht die Uhr um die Zeit dazwischen nach.</translation>
    </message>
    <message>
        <source>This record returns the camera to its factory settings.</source>
        <comment>summary.factory_reset</comment>
        <translation>Dieser Datensatz setzt die Kamera auf die Werkseinstellungen zurück.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, card use about %2.</source>
        <comment>summary.estimate_photos</comment>
        <translation>Geschätzt pro Tag: Bilder etwa %1, Speicherbedarf etwa %2.</translation>
    </message>
    <message>
        <source>Estimated a day: video about %1, card use about %2.</source>
        <comment>summary.estimate_video</comment>
        <translation>Geschätzt pro Tag: Video etwa %1, Speicherbedarf etwa %2.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, video about %2, card use about %3.</source>
        <comment>summary.estimate_both</comment>
        <translation>Geschätzt pro Tag: Bilder etwa %1, Video etwa %2, Speicherbedarf etwa %3.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2.</source>
        <comment>summary.card_lasts</comment>
        <translation>Tage, bis die Karte (%1 frei) voll ist: etwa %2.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2; then the oldest files are overwritten.</source>
        <comment>summary.card_overwrites</comment>
        <translation>Tage, bis die Karte (%1 frei) voll ist: etwa %2; danach werden die ältesten Dateien überschrieben.</translation>
    </message>
    <message>
        <source>MMS sending is off.</source>
        <comment>summary.mms_off</comment>
        <translation>Der MMS-Versand ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS to %2.</source>
        <comment>summary.mms_sends</comment>
        <translation>Sie sendet jedes Bild als %1-MMS an %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture to %1.</source>
        <comment>summary.sends_sms</comment>
        <translation>Sie sendet für jedes Bild eine SMS an %1.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; messages: at most %2 a day, %3 a month.</source>
        <comment>summary.messages_limit</comment>
        <translation>Bilder pro Tag: höchstens %1; Nachrichten: höchstens %2 am Tag, %3 im Monat.</translation>
    </message>
    <message>
        <source>E-mail sending is off.</source>
        <comment>summary.email_off</comment>
        <translation>Der E-Mail-Versand ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>It e-mails each picture to %1 through %2, port %3, from %4.</source>
        <comment>summary.email_sends</comment>
        <translation>Sie mailt jedes Bild über %2, Port %3, von %4 an %1.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; e-mails: at most %2 a day, %3 a month.</source>
        <comment>summary.emails_limit</comment>
        <translation>Bilder pro Tag: höchstens %1; E-Mails: höchstens %2 am Tag, %3 im Monat.</translation>
    </message>
    <message>
        <source>SMS remote control is off.</source>
        <comment>summary.remote_off</comment>
        <translation>Die SMS-Fernsteuerung ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>Network: the operator preset for %1, %2.</source>
        <comment>summary.network_preset</comment>
        <translation>Netz: die Betreibervorgabe für %1, %2.</translation>
    </message>
    <message>
        <source>Network: typed in (APN %1).</source>
        <comment>summary.network_typed</comment>
        <translation>Netz: von Hand eingegeben (APN %1).</translation>
    </message>
    <message>
        <source>%1 and %2 are both off: the camera never takes a picture.</source>
        <comment>summary.conflict_never_pictures</comment>
        <translation>%1 und %2 sind beide aus: Die Kamera nimmt nie ein Bild auf.</translation>
    </message>
    <message>
        <source>%1 is on with start and stop both at %2: its window is empty, or the whole day, depending on the camera.</source>
        <comment>summary.conflict_timer_empty</comment>
        <translation>%1 ist eingeschaltet, Start und Stopp sind beide %2: Das Zeitfenster ist leer oder der ganze Tag, je nach Kamera.</translation>
    </message>
    <message>
        <source>%1 and %2 overlap (%3): that time counts once.</source>
        <comment>summary.conflict_timers_overlap</comment>
        <translation>%1 und %2 überschneiden sich (%3): Diese Zeit zählt einmal.</translation>
    </message>
    <message>
        <source>%1 is on with an interval of 0: the camera cannot take a photo every 0 seconds.</source>
        <comment>summary.conflict_time_lapse_zero</comment>
        <translation>%1 ist eingeschaltet mit einem Intervall von 0: Die Kamera kann nicht alle 0 Sekunden ein Foto aufnehmen.</translation>
    </message>
    <message>
        <source>The %1 interval (%2) is longer than the active window %3: only one photo is taken in it.</source>
        <comment>summary.conflict_time_lapse_long</comment>
        <translation>Das Intervall von %1 (%2) ist länger als das aktive Zeitfenster %3: Darin wird nur ein Foto aufgenommen.</translation>
    </message>
    <message>
        <source>%1 is 0 s while %2 is %3: each motion starts the next capture at once, which fills the card and drains the battery.</source>
        <comment>summary.conflict_zero_interval</comment>
        <translation>%1 ist 0 s, während %2 auf %3 steht: Jede Bewegung startet sofort die nächste Aufnahme, das füllt die Karte und leert den Akku.</translation>
    </message>
    <message>
        <source>%1 is %2, but no recipient is given: nothing is sent.</source>
        <comment>summary.conflict_no_recipient</comment>
        <translation>%1 ist %2, aber kein Empfänger ist angegeben: Es wird nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 is empty: the camera has no one to e-mail.</source>
        <comment>summary.conflict_email_no_recipient</comment>
        <translation>%1 ist leer: Die Kamera hat niemanden, dem sie mailen kann.</translation>
    </message>
    <message>
        <source>%1 is 0, which means no limit, not none: every picture is sent.</source>
        <comment>summary.conflict_unlimited</comment>
        <translation>%1 ist 0, das heißt unbegrenzt, nicht keine: Jedes Bild wird gesendet.</translation>
    </message>
    <message>
        <source>The PC&apos;s clock is not synchronised with a time server: the camera&apos;s clock will be as far off as the PC&apos;s.</source>
        <comment>summary.conflict_clock_not_synced</comment>
        <translation>Die Uhr des PCs ist nicht mit einem Zeitserver abgeglichen: Die Uhr der Kamera geht dann genauso falsch wie die des PCs.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1, before 2024: the PC&apos;s clock looks wrong.</source>
        <comment>summary.conflict_clock_early</comment>
        <translation>Die Uhr der Kamera wird auf %1 gestellt, vor 2024: Die Uhr des PCs scheint falsch zu gehen.</translation>
    </message>
    <message>
        <source>The card is read-only: nothing can be written to it (is its lock switch on?).</source>
        <comment>summary.conflict_card_read_only</comment>
        <translation>Die Karte ist schreibgeschützt: Es kann nichts darauf geschrieben werden (ist der Sperrschieber aktiv?).</translation>
    </message>
    <message>
        <source>The card&apos;s free space (%1) holds less than one day at about %2 a day.</source>
        <comment>summary.conflict_card_short</comment>
        <translation>Der freie Platz der Karte (%1) reicht bei etwa %2 am Tag für weniger als einen Tag.</translation>
    </message>
    <message>
        <source>The card is larger than 32 GB and formatted as %1: many cameras read only FAT32 cards up to 32 GB, so this one may not work.</source>
        <comment>summary.conflict_card_not_fat32</comment>
        <translation>Die Karte ist größer als 32 GB und als %1 formatiert: Viele Kameras lesen nur FAT32-Karten bis 32 GB, diese könnte also nicht funktionieren.</translation>
    </message>
    <message>
        <source>The card still holds pictures from an earlier deployment (files in DCIM: %1).</source>
        <comment>summary.conflict_card_old_files</comment>
        <translation>Auf der Karte sind noch Bilder eines früheren Einsatzes (Dateien in DCIM: %1).</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS; recipients: %2.</source>
        <comment>summary.mms_sends_unnamed</comment>
        <translation>Sie sendet jedes Bild als %1-MMS; Empfänger: %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture; recipients: %1.</source>
        <comment>summary.sends_sms_unnamed</comment>
        <translation>Sie sendet für jedes Bild eine SMS; Empfänger: %1.</translation>
    </message>
    <message>
        <source>It e-mails each picture through %1, port %2.</source>
        <comment>summary.email_sends_unnamed</comment>
        <translation>Sie sendet jedes Bild per E-Mail über %1, Port %2.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of MMS.</source>
        <comment>summary.mms_data</comment>
        <translation>Daten pro Monat: etwa %1 per MMS.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of e-mail.</source>
        <comment>summary.email_data</comment>
        <translation>Daten pro Monat: etwa %1 per E-Mail.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while %3 sends pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode</comment>
        <translation>%1 steht in menu.dat auf %2, während %3 Bilder sendet: In diesem Modus nimmt die Kamera keine Fotos auf, daher wird keines gesendet.</translation>
    </message>
    <message>
        <source>These are the form&apos;s settings: they are not written to a card.</source>
        <comment>summary.sheet_not_written</comment>
        <translation>Dies sind die Einstellungen des Formulars: Sie sind nicht auf eine Karte geschrieben.</translation>
    </message>
    <message>
        <source>Assumed for the estimates</source>
        <comment>summary.sheet_assumed</comment>
        <translation>Annahmen der Schätzungen</translation>
    </message>
    <message>
        <source>Triggers a day: %1</source>
        <comment>summary.assume_triggers</comment>
        <translation>Auslösungen pro Tag: %1</translation>
    </message>
    <message>
        <source>A picture at %1: %2 MB</source>
        <comment>summary.assume_picture</comment>
        <translation>Ein Bild mit %1: %2 MB</translation>
    </message>
    <message>
        <source>A second of video at %1: %2 MB (Motion-JPEG AVI)</source>
        <comment>summary.assume_video</comment>
        <translation>Eine Sekunde Video mit %1: %2 MB (Motion-JPEG AVI)</translation>
    </message>
    <message>
        <source>An MMS at %1: %2 KB</source>
        <comment>summary.assume_mms</comment>
        <translation>Eine MMS mit %1: %2 KB</translation>
    </message>
    <message>
        <source>An e-mail at %1: %2 KB</source>
        <comment>summary.assume_email</comment>
        <translation>Eine E-Mail mit %1: %2 KB</translation>
    </message>
    <message>
        <source>Pictures sent for each trigger: %1</source>
        <comment>summary.assume_sent_per_trigger</comment>
        <translation>Gesendete Bilder je Auslösung: %1</translation>
    </message>
    <message>
        <source>Time to take one photo: %1 s</source>
        <comment>summary.assume_photo_capture</comment>
        <translation>Zeit für ein Foto: %1 s</translation>
    </message>
    <message>
        <source>Days in a month: %1</source>
        <comment>summary.assume_month</comment>
        <translation>Tage im Monat: %1</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2)</source>
        <comment>summary.report_model</comment>
        <translation>Was die Kamera tun wird (Modell %1, %2)</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2, from the preferences; give --model for another)</source>
        <comment>summary.report_model_stored</comment>
        <translation>Was die Kamera tun wird (Modell %1, %2, aus den Einstellungen; --model wählt ein anderes)</translation>
    </message>
    <message>
        <source>about %1</source>
        <comment>summary.report_about</comment>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>(assumed: %1)</source>
        <comment>summary.report_assumed</comment>
        <translation>(angenommen: %1)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>summary.report_warning</comment>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>When it is active depends on how the camera reads a timer that starts and stops at the same time (see the warnings).</source>
        <comment>summary.active_unknown</comment>
        <translation>Wann sie aktiv ist, hängt davon ab, wie die Kamera eine Zeitschaltuhr mit gleichem Start und Stopp auslegt (siehe Warnungen).</translation>
    </message>
    <message>
        <source>Triggers a day that each capture and the wait after it allow: at most %1.</source>
        <comment>summary.trigger_cap</comment>
        <translation>Auslösungen pro Tag, die jede Aufnahme und die Wartezeit danach zulassen: höchstens %1.</translation>
    </message>
    <message>
        <source>normal</source>
        <comment>summary.sensitivity_normal</comment>
        <translation>normal</translation>
    </message>
    <message>
        <source>high</source>
        <comment>summary.sensitivity_high</comment>
        <translation>hoch</translation>
    </message>
    <message>
        <source>low</source>
        <comment>summary.sensitivity_low</comment>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>summary.value_video_only</comment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.messages_no_limit</comment>
        <translation>Bilder pro Tag: unbegrenzt; Nachrichten: etwa %1 am Tag, %2 im Monat (geschätzt: ein gesendetes Bild je Auslösung, angenommene Auslösungen pro Tag: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.messages_no_limit_menu</comment>
        <translation>Bilder pro Tag: unbegrenzt; Nachrichten: etwa %1 am Tag, %2 im Monat (geschätzt nach den Bildern, die laut menu.dat aufgenommen werden).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.emails_no_limit</comment>
        <translation>Bilder pro Tag: unbegrenzt; E-Mails: etwa %1 am Tag, %2 im Monat (geschätzt: ein gesendetes Bild je Auslösung, angenommene Auslösungen pro Tag: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.emails_no_limit_menu</comment>
        <translation>Bilder pro Tag: unbegrenzt; E-Mails: etwa %1 am Tag, %2 im Monat (geschätzt nach den Bildern, die laut menu.dat aufgenommen werden).</translation>
    </message>
    <message>
        <source>SMS remote control is on; its hour setting is %1.</source>
        <comment>summary.remote_on</comment>
        <translation>Die SMS-Fernsteuerung ist eingeschaltet; ihre Stundeneinstellung ist %1.</translation>
    </message>
    <message>
        <source>%1 is %2, but no phone number for SMS is given: nothing is sent.</source>
        <comment>summary.conflict_no_phone</comment>
        <translation>%1 ist %2, aber keine Telefonnummer für SMS ist angegeben: Es wird nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while setup.dat and smtp.dat send pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode_both</comment>
        <translation>%1 steht in menu.dat auf %2, während setup.dat und smtp.dat Bilder senden: In diesem Modus nimmt die Kamera keine Fotos auf, daher wird keines gesendet.</translation>
    </message>
    <message>
        <source>Beep sound</source>
        <comment>summary.caption_beep_sound</comment>
        <translation>Signalton</translation>
    </message>
    <message>
        <source>Overwrite when full (SD cycle)</source>
        <comment>summary.caption_sd_cycle</comment>
        <translation>Überschreiben, wenn voll (SD-Zyklus)</translation>
    </message>
    <message>
        <source>Timer 2</source>
        <comment>summary.caption_timer2</comment>
        <translation>Zeitschaltuhr 2</translation>
    </message>
    <message>
        <source>SMS remote control</source>
        <comment>summary.caption_remote_control</comment>
        <translation>SMS-Fernsteuerung</translation>
    </message>
    <message>
        <source>Bearer</source>
        <comment>summary.caption_bearer</comment>
        <translation>Übertragungsweg</translation>
    </message>
    <message>
        <source>Phone number scope</source>
        <comment>summary.caption_phone_scope</comment>
        <translation>Art der Rufnummer</translation>
    </message>
    <message>
        <source>E-mail settings mode</source>
        <comment>summary.caption_smtp_mode</comment>
        <translation>Modus der E-Mail-Einstellungen</translation>
    </message>
    <message>
        <source>E-mail status</source>
        <comment>summary.caption_smtp_status</comment>
        <translation>E-Mail-Status</translation>
    </message>
    <message>
        <source>Mail server</source>
        <comment>summary.caption_smtp_server</comment>
        <translation>Mailserver</translation>
    </message>
    <message>
        <source>Sender address</source>
        <comment>summary.caption_sender_email</comment>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>Domestic</source>
        <comment>summary.value_domestic</comment>
        <translation>Inland</translation>
    </message>
    <message>
        <source>International</source>
        <comment>summary.value_international</comment>
        <translation>International</translation>
    </message>
</context>
<context>
    <name>kestrova::CardFileActions</name>
    <message>
        <source>it is not valid JSON: %1 at offset %2</source>
        <translation>es ist kein gültiges JSON: %1 an Position %2</translation>
    </message>
    <message>
        <source>it must hold one JSON object of settings</source>
        <translation>es muss genau ein JSON-Objekt mit Einstellungen enthalten</translation>
    </message>
    <message>
        <source>it names &quot;%1&quot; twice; which value is meant cannot be told</source>
        <translation>es nennt „%1“ zweimal; welcher Wert gemeint ist, lässt sich nicht sagen</translation>
    </message>
    <message>
        <source>it is the report of a damaged file (%1); its values cannot be trusted</source>
        <translation>es ist der Bericht einer beschädigten Datei (%1); seinen Werten ist nicht zu trauen</translation>
    </message>
    <message>
        <source>it holds the unknown setting &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>es enthält die unbekannte Einstellung „%1“; war „%2“ gemeint?</translation>
    </message>
    <message>
        <source>it holds the settings of a %1 file, not of %2</source>
        <translation>es enthält die Einstellungen einer %1-Datei, nicht von %2</translation>
    </message>
    <message>
        <source>larger than a profile (%1 bytes)</source>
        <translation>größer als ein Profil (%1 Bytes)</translation>
    </message>
    <message>
        <source>larger than a profile (more than %1 bytes)</source>
        <translation>größer als ein Profil (mehr als %1 Bytes)</translation>
    </message>
    <message>
        <source>it reads as a damaged file</source>
        <translation>sie liest sich als beschädigte Datei</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CameraList</name>
    <message>
        <source>expected a number from %1 to %2, got %3</source>
        <translation>erwartet wurde eine Zahl von %1 bis %2, nicht %3</translation>
    </message>
    <message>
        <source>expected four characters (0-9, A-Z), got %1</source>
        <translation>erwartet wurden vier Zeichen (0-9, A-Z), nicht %1</translation>
    </message>
    <message>
        <source>%1: the character %2 is none of 0-9, A-Z</source>
        <translation>%1: Das Zeichen %2 ist keines von 0-9, A-Z</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>es enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>it has no column &quot;%1&quot;</source>
        <translation>sie hat keine Spalte „%1“</translation>
    </message>
    <message>
        <source>it names the column &quot;%1&quot; twice</source>
        <translation>sie nennt die Spalte „%1“ zweimal</translation>
    </message>
    <message>
        <source>it has a column &quot;serial&quot;, but the kit has no menu</source>
        <translation>sie hat eine Spalte „serial“, der Satz hat aber kein Menü</translation>
    </message>
    <message>
        <source>it has the column &quot;%1&quot;, which is no setting of the kit&apos;s sections nor a column the log carries; did you mean &quot;%2&quot;?</source>
        <translation>sie hat die Spalte „%1“, die weder eine Einstellung der Abschnitte des Satzes noch eine Spalte des Protokolls ist; war „%2“ gemeint?</translation>
    </message>
    <message>
        <source>every camera needs an id</source>
        <translation>jede Kamera braucht eine Kennung</translation>
    </message>
    <message>
        <source>the camera %1 has a row before this one</source>
        <translation>die Kamera %1 hat schon eine Zeile davor</translation>
    </message>
    <message>
        <source>the row gives a %1 but no %2: give both or neither</source>
        <translation>die Zeile nennt %1, aber nicht %2: beide angeben oder keines</translation>
    </message>
    <message>
        <source>it holds no camera: it needs a row after the header</source>
        <translation>sie enthält keine Kamera: nach der Kopfzeile braucht es eine Zeile</translation>
    </message>
    <message>
        <source>row %1 (camera %2): %3</source>
        <translation>Zeile %1 (Kamera %2): %3</translation>
    </message>
    <message>
        <source>row %1 (camera %2), column %3: %4</source>
        <translation>Zeile %1 (Kamera %2), Spalte %3: %4</translation>
    </message>
    <message>
        <source>expected a date and time with its UTC offset, as %1, got %2</source>
        <translation>erwartet wurden Datum und Uhrzeit mit UTC-Versatz, etwa %1, nicht %2</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CsvTable</name>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>Zeile %1 hat %2 Felder, die Kopfzeile %3</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not begin with one</source>
        <translation>Zeile %1: ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>Zeile %1: Text nach dem schließenden Anführungszeichen eines Felds</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>it is empty: it needs a header row</source>
        <translation>sie ist leer: sie braucht eine Kopfzeile</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::KitFiles</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::LogValues</name>
    <message>
        <source>it holds %1 characters; at most %2 are taken</source>
        <translation>es hat %1 Zeichen; höchstens %2 werden angenommen</translation>
    </message>
    <message>
        <source>it holds the character %1, which shows nothing, breaks the line or turns the text around</source>
        <translation>es enthält das Zeichen %1, das nichts zeigt, die Zeile umbricht oder den Text umdreht</translation>
    </message>
    <message>
        <source>it begins with &quot;%1&quot;, which a spreadsheet takes for a formula</source>
        <translation>es beginnt mit „%1“, was eine Tabellenkalkulation für eine Formel hält</translation>
    </message>
</context>
</TS>

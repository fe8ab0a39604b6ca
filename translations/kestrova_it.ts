<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CheckMessage</name>
    <message>
        <source>Enter the GPRS APN.</source>
        <translation>Inserire l&apos;APN GPRS.</translation>
    </message>
    <message>
        <source>Enter the mail server.</source>
        <translation>Inserire il server di posta.</translation>
    </message>
    <message>
        <source>Enter the mail server&apos;s port.</source>
        <translation>Inserire la porta del server di posta.</translation>
    </message>
    <message>
        <source>Enter an e-mail address.</source>
        <translation>Inserire un indirizzo e-mail.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;@&quot;.</source>
        <translation>L&apos;indirizzo e-mail non contiene «@».</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;.&quot;.</source>
        <translation>L&apos;indirizzo e-mail non contiene «.».</translation>
    </message>
    <message>
        <source>Enter the password of the sender&apos;s e-mail account.</source>
        <translation>Inserire la password dell&apos;account e-mail del mittente.</translation>
    </message>
    <message>
        <source>The phone number is too short or holds more than digits.</source>
        <translation>Il numero di telefono è troppo corto o contiene altro oltre alle cifre.</translation>
    </message>
    <message>
        <source>The first phone number is too short.</source>
        <translation>Il primo numero di telefono è troppo corto.</translation>
    </message>
    <message>
        <source>The second recipient is too short.</source>
        <translation>Il secondo destinatario è troppo corto.</translation>
    </message>
    <message>
        <source>The third recipient is too short.</source>
        <translation>Il terzo destinatario è troppo corto.</translation>
    </message>
    <message>
        <source>Enter the first phone number: the SMS remote control answers it.</source>
        <translation>Inserire il primo numero di telefono: il controllo remoto via SMS risponde a quello.</translation>
    </message>
    <message>
        <source>A phone number holds digits only (and a &quot;+&quot; in front when it is international).</source>
        <translation>Un numero di telefono contiene solo cifre (e un «+» davanti se è internazionale).</translation>
    </message>
    <message>
        <source>Check the phone number: it may hold digits only.</source>
        <translation>Controllare il numero di telefono: può contenere solo cifre.</translation>
    </message>
    <message>
        <source>Enter the first phone number or an e-mail address.</source>
        <translation>Inserire il primo numero di telefono o un indirizzo e-mail.</translation>
    </message>
    <message>
        <source>Check the recipient: a phone number of digits or an e-mail address.</source>
        <translation>Controllare il destinatario: un numero di telefono di sole cifre o un indirizzo e-mail.</translation>
    </message>
    <message>
        <source>Enter the MMS URL.</source>
        <translation>Inserire l&apos;URL MMS.</translation>
    </message>
    <message>
        <source>Enter the APN.</source>
        <translation>Inserire l&apos;APN.</translation>
    </message>
    <message>
        <source>Enter the MMS gateway.</source>
        <translation>Inserire il gateway MMS.</translation>
    </message>
    <message>
        <source>Enter the MMS port.</source>
        <translation>Inserire la porta MMS.</translation>
    </message>
    <message>
        <source>The MMS gateway has no &quot;.&quot;.</source>
        <translation>Il gateway MMS non contiene «.».</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Un numero di telefono ha al massimo %1 cifre.</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Inserire un numero intero da %1 a %2.</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters.</source>
        <translation>Inserire al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.</source>
        <translation>%1: il testo occupa %2 byte nella fotocamera, ma ne entrano solo %3. Un carattere cinese occupa 2 byte.</translation>
    </message>
    <message>
        <source>%1: the character &quot;%2&quot; cannot be stored on the camera.</source>
        <translation>%1: il carattere «%2» non può essere memorizzato nella fotocamera.</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Card report: %1</source>
        <comment>field.title</comment>
        <translation>Rapporto della scheda: %1</translation>
    </message>
    <message>
        <source>Deployment: %1</source>
        <comment>field.deployment</comment>
        <translation>Installazione: %1</translation>
    </message>
    <message>
        <source>camera %1</source>
        <comment>field.camera_part</comment>
        <translation>fotocamera %1</translation>
    </message>
    <message>
        <source>set up by %1</source>
        <comment>field.setup_by_part</comment>
        <translation>installata da %1</translation>
    </message>
    <message numerus="yes">
        <source>From %1 (%2) to %3 (%4): %n day(s).</source>
        <comment>field.period</comment>
        <translation>
            <numerusform>Dal %1 (%2) al %3 (%4): %n giorno.</numerusform>
            <numerusform>Dal %1 (%2) al %3 (%4): %n giorni.</numerusform>
        </translation>
    </message>
    <message>
        <source>as the cameras table says</source>
        <comment>field.start_cameras_table</comment>
        <translation>secondo la tabella delle fotocamere</translation>
    </message>
    <message>
        <source>when the card was written</source>
        <comment>field.start_written</comment>
        <translation>quando la scheda è stata scritta</translation>
    </message>
    <message>
        <source>the clock menu.dat set</source>
        <comment>field.start_camera_clock</comment>
        <translation>l&apos;orologio impostato da menu.dat</translation>
    </message>
    <message>
        <source>the first picture</source>
        <comment>field.start_first_picture</comment>
        <translation>la prima immagine</translation>
    </message>
    <message>
        <source>retrieved</source>
        <comment>field.end_retrieved</comment>
        <translation>ritirata</translation>
    </message>
    <message>
        <source>the last picture</source>
        <comment>field.end_last_picture</comment>
        <translation>l&apos;ultima immagine</translation>
    </message>
    <message>
        <source>Camera: %1. It was set to do this:</source>
        <comment>field.camera</comment>
        <translation>Fotocamera: %1. Era impostata così:</translation>
    </message>
    <message>
        <source>The card holds no readable camera menu (menu.dat): the schedule is not known.</source>
        <comment>field.no_menu</comment>
        <translation>La scheda non contiene un menu della fotocamera leggibile (menu.dat): la programmazione non è nota.</translation>
    </message>
    <message numerus="yes">
        <source>Working: %1 of %n day(s).</source>
        <comment>field.working</comment>
        <translation>
            <numerusform>In funzione: %1 su %n giorno.</numerusform>
            <numerusform>In funzione: %1 su %n giorni.</numerusform>
        </translation>
    </message>
    <message>
        <source>Down: %1. The time lapse took no picture at any of its times.</source>
        <comment>field.down</comment>
        <translation>Ferma: %1. Il time lapse non ha scattato alcuna immagine in nessuno dei suoi orari.</translation>
    </message>
    <message>
        <source>No pictures: %1. The camera was active 24 hours or more without taking a picture.</source>
        <comment>field.no_pictures</comment>
        <translation>Nessuna immagine: %1. La fotocamera è rimasta attiva 24 ore o più senza scattare.</translation>
    </message>
    <message>
        <source>No pictures from %1 to %2: %3 of active time.</source>
        <comment>field.gap</comment>
        <translation>Nessuna immagine dal %1 al %2: %3 di tempo attivo.</translation>
    </message>
    <message numerus="yes">
        <source>Card full: no picture after %1 and no room for one, %n day(s) lost.</source>
        <comment>field.card_full</comment>
        <translation>
            <numerusform>Scheda piena: nessuna immagine dopo il %1 e nessuno spazio per una, %n giorno perso.</numerusform>
            <numerusform>Scheda piena: nessuna immagine dopo il %1 e nessuno spazio per una, %n giorni persi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card is full and SD cycle is on: the oldest pictures have been overwritten.</source>
        <comment>field.overwrites</comment>
        <translation>La scheda è piena e il ciclo SD è attivo: le immagini più vecchie sono state sovrascritte.</translation>
    </message>
    <message>
        <source>Clock: the first picture came %1 after the start.</source>
        <comment>field.clock_first_after</comment>
        <translation>Orologio: la prima immagine è arrivata %1 dopo l&apos;inizio.</translation>
    </message>
    <message>
        <source>Clock: the first picture is dated %1 before the start.</source>
        <comment>field.clock_first_before</comment>
        <translation>Orologio: la prima immagine è datata %1 prima dell&apos;inizio.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 ahead.</source>
        <comment>field.clock_ahead</comment>
        <translation>Orologio: %1 mostra %2, scattata alle %3: l&apos;orologio della fotocamera è avanti di %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 behind.</source>
        <comment>field.clock_behind</comment>
        <translation>Orologio: %1 mostra %2, scattata alle %3: l&apos;orologio della fotocamera è indietro di %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is right to the minute.</source>
        <comment>field.clock_right</comment>
        <translation>Orologio: %1 mostra %2, scattata alle %3: l&apos;orologio della fotocamera è giusto al minuto.</translation>
    </message>
    <message>
        <source>That is an hour: daylight saving time?</source>
        <comment>field.clock_hour_off</comment>
        <translation>È un&apos;ora: l&apos;ora legale?</translation>
    </message>
    <message>
        <source>That is 12 hours: a 12-hour clock read as a 24-hour one?</source>
        <comment>field.clock_half_day_off</comment>
        <translation>Sono 12 ore: un orologio a 12 ore letto come uno a 24 ore?</translation>
    </message>
    <message>
        <source>Clock: it gains %1 a day.</source>
        <comment>field.clock_gains</comment>
        <translation>Orologio: va avanti di %1 al giorno.</translation>
    </message>
    <message>
        <source>Clock: it loses %1 a day.</source>
        <comment>field.clock_loses</comment>
        <translation>Orologio: va indietro di %1 al giorno.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before the deployment started (the earliest %1).</source>
        <comment>field.clock_before_start</comment>
        <translation>
            <numerusform>Orologio: %n immagine datata prima dell&apos;inizio dell&apos;installazione (la prima %1).</numerusform>
            <numerusform>Orologio: %n immagini datate prima dell&apos;inizio dell&apos;installazione (la prima %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before 2010.</source>
        <comment>field.clock_before_2010</comment>
        <translation>
            <numerusform>Orologio: %n immagine datata prima del 2010.</numerusform>
            <numerusform>Orologio: %n immagini datate prima del 2010.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated 2010-01-01 or 2011-01-01, where a camera&apos;s clock starts after losing its power.</source>
        <comment>field.clock_factory</comment>
        <translation>
            <numerusform>Orologio: %n immagine datata 2010-01-01 o 2011-01-01, da cui riparte l&apos;orologio di una fotocamera rimasta senza alimentazione.</numerusform>
            <numerusform>Orologio: %n immagini datate 2010-01-01 o 2011-01-01, da cui riparte l&apos;orologio di una fotocamera rimasta senza alimentazione.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by %3: daylight saving time.</source>
        <comment>field.clock_shift_hour</comment>
        <translation>
            <numerusform>Orologio: per %n giorno, dal %1 al %2, le immagini seguono la programmazione solo se spostate di %3: l&apos;ora legale.</numerusform>
            <numerusform>Orologio: per %n giorni, dal %1 al %2, le immagini seguono la programmazione solo se spostate di %3: l&apos;ora legale.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by 12 hours: a 12-hour clock read as a 24-hour one.</source>
        <comment>field.clock_shift_half_day</comment>
        <translation>
            <numerusform>Orologio: per %n giorno, dal %1 al %2, le immagini seguono la programmazione solo se spostate di 12 ore: un orologio a 12 ore letto come uno a 24 ore.</numerusform>
            <numerusform>Orologio: per %n giorni, dal %1 al %2, le immagini seguono la programmazione solo se spostate di 12 ore: un orologio a 12 ore letto come uno a 24 ore.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clock: nothing found wrong.</source>
        <comment>field.clock_fine</comment>
        <translation>Orologio: nessun problema trovato.</translation>
    </message>
    <message>
        <source>Card: pictures %1 (%2), videos %3 (%4).</source>
        <comment>field.card</comment>
        <translation>Scheda: immagini %1 (%2), video %3 (%4).</translation>
    </message>
    <message>
        <source>Free on the card: %1.</source>
        <comment>field.card_free</comment>
        <translation>Libero sulla scheda: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Damaged: %n file(s).</source>
        <comment>field.damaged</comment>
        <translation>
            <numerusform>Danneggiato: %n file.</numerusform>
            <numerusform>Danneggiati: %n file.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>field.damaged_more</comment>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>empty (0 bytes)</source>
        <comment>field.damage_empty</comment>
        <translation>vuoto (0 byte)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>field.damage_unreadable</comment>
        <translation>illeggibile: %1</translation>
    </message>
    <message>
        <source>not what its name says</source>
        <comment>field.damage_not_its_kind</comment>
        <translation>non è ciò che dice il suo nome</translation>
    </message>
    <message>
        <source>no end marker: the camera lost power while writing it</source>
        <comment>field.damage_no_end_marker</comment>
        <translation>senza marcatore di fine: la fotocamera ha perso l&apos;alimentazione mentre lo scriveva</translation>
    </message>
    <message>
        <source>shorter than its header says: the camera stopped writing it</source>
        <comment>field.damage_truncated</comment>
        <translation>più corto di quanto dica la sua intestazione: la fotocamera ha smesso di scriverlo</translation>
    </message>
    <message>
        <source>its header points outside the file</source>
        <comment>field.damage_bad_header</comment>
        <translation>la sua intestazione punta fuori dal file</translation>
    </message>
    <message numerus="yes">
        <source>The file counter started again: %n number(s) found twice, %1 among them.</source>
        <comment>field.repeated</comment>
        <translation>
            <numerusform>Il contatore dei file è ripartito: %n numero trovato due volte, tra cui %1.</numerusform>
            <numerusform>Il contatore dei file è ripartito: %n numeri trovati due volte, tra cui %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) tell no time of their own: the file system&apos;s time stands in (%1 among them).</source>
        <comment>field.file_time</comment>
        <translation>
            <numerusform>%n file non indica un orario proprio: vale quello del file system (tra cui %1).</numerusform>
            <numerusform>%n file non indicano un orario proprio: vale quello del file system (tra cui %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card holds no pictures or videos.</source>
        <comment>field.no_media</comment>
        <translation>La scheda non contiene immagini né video.</translation>
    </message>
    <message>
        <source>Pictures a day:</source>
        <comment>field.chart</comment>
        <translation>Immagini al giorno:</translation>
    </message>
    <message>
        <source>Measured against estimated:</source>
        <comment>field.comparison</comment>
        <translation>Misurato rispetto alla stima:</translation>
    </message>
    <message>
        <source>Pictures: %1, about %2 estimated.</source>
        <comment>field.pictures_estimated</comment>
        <translation>Immagini: %1, circa %2 stimate.</translation>
    </message>
    <message>
        <source>Pictures: %1.</source>
        <comment>field.pictures_only</comment>
        <translation>Immagini: %1.</translation>
    </message>
    <message>
        <source>Triggers a day: %1 measured, %2 assumed.</source>
        <comment>field.triggers</comment>
        <translation>Attivazioni al giorno: %1 misurate, %2 ipotizzate.</translation>
    </message>
    <message>
        <source>Megabytes a picture: %1 measured, %2 assumed (%3).</source>
        <comment>field.megabytes</comment>
        <translation>Megabyte per immagine: %1 misurati, %2 ipotizzati (%3).</translation>
    </message>
    <message>
        <source>For the next setup: %1</source>
        <comment>field.next_setup</comment>
        <translation>Per la prossima installazione: %1</translation>
    </message>
    <message>
        <source>before the deployment</source>
        <comment>field.state_before</comment>
        <translation>prima dell&apos;installazione</translation>
    </message>
    <message>
        <source>working</source>
        <comment>field.state_working</comment>
        <translation>in funzione</translation>
    </message>
    <message>
        <source>no pictures</source>
        <comment>field.state_no_pictures</comment>
        <translation>nessuna immagine</translation>
    </message>
    <message>
        <source>down</source>
        <comment>field.state_down</comment>
        <translation>ferma</translation>
    </message>
    <message>
        <source>card full</source>
        <comment>field.state_card_full</comment>
        <translation>scheda piena</translation>
    </message>
    <message>
        <source>after the deployment</source>
        <comment>field.state_after</comment>
        <translation>dopo l&apos;installazione</translation>
    </message>
    <message>
        <source>Card report...</source>
        <comment>field.menu_card_report</comment>
        <translation>Rapporto della scheda...</translation>
    </message>
    <message>
        <source>Card report</source>
        <comment>field.window_title</comment>
        <translation>Rapporto della scheda</translation>
    </message>
    <message>
        <source>Card or folder:</source>
        <comment>field.folder_label</comment>
        <translation>Scheda o cartella:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>field.browse</comment>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>field.read</comment>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>field.cancel</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Reading the card: %1 of %2 files</source>
        <comment>field.reading</comment>
        <translation>Lettura della scheda: %1 di %2 file</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <comment>field.cancelled</comment>
        <translation>La lettura è stata annullata.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <comment>field.not_a_folder</comment>
        <translation>%1 non è una cartella.</translation>
    </message>
    <message>
        <source>Export to Camtrap DP...</source>
        <comment>field.export</comment>
        <translation>Esporta in Camtrap DP...</translation>
    </message>
    <message>
        <source>The Camtrap DP package is in %1 (pictures and videos: %2).</source>
        <comment>field.exported</comment>
        <translation>Il pacchetto Camtrap DP si trova in %1 (immagini e video: %2).</translation>
    </message>
    <message>
        <source>Left empty, as neither the card nor the log knows them: %1. The package does not validate until they are filled in.</source>
        <comment>field.export_missing</comment>
        <translation>Lasciati vuoti, perché né la scheda né il registro li conoscono: %1. Il pacchetto non è valido finché non vengono compilati.</translation>
    </message>
    <message>
        <source>No package was written: %1</source>
        <comment>field.export_failed</comment>
        <translation>Nessun pacchetto è stato scritto: %1</translation>
    </message>
    <message>
        <source>Nothing is written onto the card: choose a folder elsewhere.</source>
        <comment>field.export_on_card</comment>
        <translation>Sulla scheda non si scrive nulla: scegliere una cartella altrove.</translation>
    </message>
    <message>
        <source>Use %1 triggers a day</source>
        <comment>field.use_triggers</comment>
        <translation>Usa %1 attivazioni al giorno</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>field.close</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1, %2: pictures %3, videos %4, time lapse %5 of %6.</source>
        <comment>field.day_detail</comment>
        <translation>%1, %2: immagini %3, video %4, time lapse %5 di %6.</translation>
    </message>
    <message>
        <source>Days:</source>
        <comment>field.days_label</comment>
        <translation>Giorni:</translation>
    </message>
    <message>
        <source>estimated</source>
        <comment>field.estimate_legend</comment>
        <translation>stima</translation>
    </message>
    <message>
        <source>First picture: %1</source>
        <comment>field.first_picture</comment>
        <translation>Prima immagine: %1</translation>
    </message>
    <message>
        <source>Last picture: %1</source>
        <comment>field.last_picture</comment>
        <translation>Ultima immagine: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>field.no_thumbnail</comment>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>field.damaged_file</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The card&apos;s return is logged in %1.</source>
        <comment>field.retrieval_logged</comment>
        <translation>Il rientro della scheda è registrato in %1.</translation>
    </message>
    <message>
        <source>The card&apos;s return could not be logged in %1: %2</source>
        <comment>field.retrieval_not_logged</comment>
        <translation>Non è stato possibile registrare il rientro della scheda in %1: %2</translation>
    </message>
    <message>
        <source>The log holds no card written that this one brings back: its return is logged on its own.</source>
        <comment>field.retrieval_alone</comment>
        <translation>Il registro non contiene alcuna scheda scritta a cui questa corrisponda: il suo rientro viene registrato a sé.</translation>
    </message>
</context>
<context>
    <name>FleetText</name>
    <message>
        <source>Set up many cards...</source>
        <comment>fleet.menu_many_cards</comment>
        <translation>Configura molte schede...</translation>
    </message>
    <message>
        <source>Save kit from card...</source>
        <comment>fleet.menu_save_kit</comment>
        <translation>Salva kit dalla scheda...</translation>
    </message>
    <message>
        <source>Set up many cards</source>
        <comment>fleet.window_title</comment>
        <translation>Configura molte schede</translation>
    </message>
    <message>
        <source>Kit file:</source>
        <comment>fleet.kit_label</comment>
        <translation>File del kit:</translation>
    </message>
    <message>
        <source>Cameras (CSV):</source>
        <comment>fleet.cameras_label</comment>
        <translation>Fotocamere (CSV):</translation>
    </message>
    <message>
        <source>Log file:</source>
        <comment>fleet.log_label</comment>
        <translation>File di registro:</translation>
    </message>
    <message>
        <source>Set up by:</source>
        <comment>fleet.setup_by_label</comment>
        <translation>Installata da:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>fleet.browse</comment>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>fleet.start</comment>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>fleet.stop</comment>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>fleet.close</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cards done:</source>
        <comment>fleet.cards_done</comment>
        <translation>Schede completate:</translation>
    </message>
    <message>
        <source>Choose a kit file, then press Start.</source>
        <comment>fleet.choose_kit</comment>
        <translation>Scegliere un file del kit, poi premere Avvia.</translation>
    </message>
    <message>
        <source>Insert the card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_card_for</comment>
        <translation>Inserire la scheda della fotocamera %1 (%2 di %3)</translation>
    </message>
    <message>
        <source>Insert the next card (%1 written)</source>
        <comment>fleet.insert_next_card</comment>
        <translation>Inserire la scheda successiva (%1 scritte)</translation>
    </message>
    <message>
        <source>Writing the card for camera %1 (%2)...</source>
        <comment>fleet.writing</comment>
        <translation>Scrittura della scheda della fotocamera %1 (%2)...</translation>
    </message>
    <message>
        <source>The card for camera %1 is done and ejected: remove it.</source>
        <comment>fleet.remove_ejected</comment>
        <translation>La scheda della fotocamera %1 è pronta ed espulsa: estrarla.</translation>
    </message>
    <message>
        <source>The card for camera %1 is done: unmount and remove the card at %2.</source>
        <comment>fleet.remove_card</comment>
        <translation>La scheda della fotocamera %1 è pronta: smontare ed estrarre la scheda in %2.</translation>
    </message>
    <message>
        <source>The card at %1 was left as it was: remove it.</source>
        <comment>fleet.remove_skipped</comment>
        <translation>La scheda in %1 è rimasta com&apos;era: estrarla.</translation>
    </message>
    <message>
        <source>The card at %1 holds the files of another camera (serial text %2). Replace them with the settings of camera %3?</source>
        <comment>fleet.ask_other_camera</comment>
        <translation>La scheda in %1 contiene i file di un&apos;altra fotocamera (testo seriale %2). Sostituirli con le impostazioni della fotocamera %3?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 holds other settings than this kit&apos;s. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_other_kit</comment>
        <translation>%2 sulla scheda in %1 contiene impostazioni diverse da quelle di questo kit. Sostituirlo con le impostazioni della fotocamera %3?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 is damaged or cannot be read. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_damaged</comment>
        <translation>%2 sulla scheda in %1 è danneggiato o illeggibile. Sostituirlo con le impostazioni della fotocamera %3?</translation>
    </message>
    <message>
        <source>done</source>
        <comment>fleet.result_done</comment>
        <translation>completata</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <comment>fleet.result_failed</comment>
        <translation>non riuscita: %1</translation>
    </message>
    <message>
        <source>incomplete (stopped)</source>
        <comment>fleet.result_incomplete</comment>
        <translation>incompleta (fermata)</translation>
    </message>
    <message>
        <source>left as it was</source>
        <comment>fleet.result_skipped</comment>
        <translation>lasciata com&apos;era</translation>
    </message>
    <message>
        <source>Every camera&apos;s card is written (%1).</source>
        <comment>fleet.all_done</comment>
        <translation>Le schede di tutte le fotocamere sono scritte (%1).</translation>
    </message>
    <message>
        <source>One card written (camera %1).</source>
        <comment>fleet.one_card_written</comment>
        <translation>Una scheda scritta (fotocamera %1).</translation>
    </message>
    <message>
        <source>Stopped; %1 cards written.</source>
        <comment>fleet.stopped</comment>
        <translation>Fermato; %1 schede scritte.</translation>
    </message>
    <message>
        <source>Stopped during the card for camera %1: that card is incomplete and must be written again.</source>
        <comment>fleet.stopped_during_card</comment>
        <translation>Fermato durante la scheda della fotocamera %1: la scheda è incompleta e va scritta di nuovo.</translation>
    </message>
    <message>
        <source>The card for camera %1 failed: %2</source>
        <comment>fleet.card_failed</comment>
        <translation>La scheda della fotocamera %1 non è riuscita: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <comment>fleet.input_unusable</comment>
        <translation>%1 non può essere usato: %2</translation>
    </message>
    <message>
        <source>The kit &quot;%1&quot; was saved: %2</source>
        <comment>fleet.kit_saved</comment>
        <translation>Il kit «%1» è stato salvato: %2</translation>
    </message>
    <message>
        <source>No kit was saved: %1</source>
        <comment>fleet.kit_not_saved</comment>
        <translation>Nessun kit è stato salvato: %1</translation>
    </message>
    <message>
        <source>%1 holds no settings file.</source>
        <comment>fleet.no_settings_file</comment>
        <translation>%1 non contiene alcun file di impostazioni.</translation>
    </message>
    <message>
        <source>Cards are still being set up. Stop and close the window?</source>
        <comment>fleet.ask_stop_first</comment>
        <translation>Le schede sono ancora in preparazione. Fermare e chiudere la finestra?</translation>
    </message>
    <message>
        <source>These cameras have a card done in the log and are passed over: %1</source>
        <comment>fleet.passing_over_done</comment>
        <translation>Queste fotocamere hanno già una scheda completata nel registro e vengono saltate: %1</translation>
    </message>
    <message>
        <source>Every camera has a card done in the log: nothing is left to write.</source>
        <comment>fleet.nothing_left</comment>
        <translation>Secondo il registro ogni fotocamera ha una scheda completata: non resta nulla da scrivere.</translation>
    </message>
    <message>
        <source>Insert another card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_another_card_for</comment>
        <translation>Inserire un&apos;altra scheda per la fotocamera %1 (%2 di %3)</translation>
    </message>
    <message>
        <source>Camera %1 already has a card done (%2). Write another card for it, which replaces that one?</source>
        <comment>fleet.ask_again</comment>
        <translation>La fotocamera %1 ha già una scheda completata (%2). Scriverne un&apos;altra che la sostituisca?</translation>
    </message>
    <message>
        <source>done; it replaces the %1</source>
        <comment>fleet.result_done_replacing</comment>
        <translation>completata; sostituisce: %1</translation>
    </message>
    <message>
        <source>The card for camera %1 is not done.</source>
        <comment>fleet.card_not_written</comment>
        <translation>La scheda della fotocamera %1 non è completata.</translation>
    </message>
    <message>
        <source>These cameras still have no card: %1</source>
        <comment>fleet.still_without_card</comment>
        <translation>Queste fotocamere non hanno ancora una scheda: %1</translation>
    </message>
    <message>
        <source>the card is read-only or locked; nothing was written</source>
        <comment>fleet.read_only_card</comment>
        <translation>la scheda è di sola lettura o bloccata; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>The card at %1:</source>
        <comment>fleet.card_warnings</comment>
        <translation>La scheda in %1:</translation>
    </message>
    <message>
        <source>The log has the card at %1 as the card of camera %2 (%3).</source>
        <comment>fleet.card_of_other_camera</comment>
        <translation>Secondo il registro la scheda in %1 è la scheda della fotocamera %2 (%3).</translation>
    </message>
    <message>
        <source>Write the settings of camera %1 onto it all the same?</source>
        <comment>fleet.ask_write_anyway</comment>
        <translation>Scrivere comunque le impostazioni della fotocamera %1?</translation>
    </message>
    <message>
        <source>%1 on the card is a link; nothing was written</source>
        <comment>fleet.file_is_link_on_card</comment>
        <translation>%1 sulla scheda è un collegamento; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>%1 on the card is a folder or a device, not a file; nothing was written</source>
        <comment>fleet.file_not_regular_on_card</comment>
        <translation>%1 sulla scheda è una cartella o un dispositivo, non un file; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>the card has %1 free, but the files need %2; nothing was written</source>
        <comment>fleet.no_room_on_card</comment>
        <translation>la scheda ha %1 liberi, ma i file richiedono %2; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>the card is only partly written: %1 already hold the new settings. %2 Write the card again before it goes out.</source>
        <comment>fleet.partly_written</comment>
        <translation>la scheda è scritta solo in parte: %1 contengono già le nuove impostazioni. %2 Riscrivere la scheda prima di portarla fuori.</translation>
    </message>
    <message>
        <source>it is still mounted</source>
        <comment>fleet.still_mounted</comment>
        <translation>è ancora montata</translation>
    </message>
    <message>
        <source>The card for camera %1 is done, but it did not eject (%2): unmount and remove the card at %3 by hand.</source>
        <comment>fleet.remove_by_hand</comment>
        <translation>La scheda della fotocamera %1 è pronta, ma non è stata espulsa (%2): smontare ed estrarre a mano la scheda in %3.</translation>
    </message>
    <message>
        <source>The card at %1 is not done: remove it.</source>
        <comment>fleet.remove_failed</comment>
        <translation>La scheda in %1 non è completata: estrarla.</translation>
    </message>
    <message>
        <source>The card at %1 is not done and did not eject (%2): unmount and remove it by hand.</source>
        <comment>fleet.remove_failed_by_hand</comment>
        <translation>La scheda in %1 non è completata e non è stata espulsa (%2): smontarla ed estrarla a mano.</translation>
    </message>
    <message>
        <source>the log could not be written: %1</source>
        <comment>fleet.log_not_written</comment>
        <translation>non è stato possibile scrivere il registro: %1</translation>
    </message>
    <message>
        <source>The log %1 ended in half a row (line %2): that row is kept on a line of its own, and the new row is below it.</source>
        <comment>fleet.log_ended_damaged</comment>
        <translation>Il registro %1 terminava con mezza riga (riga %2): quella riga è conservata su una riga a sé e la nuova riga è sotto.</translation>
    </message>
    <message>
        <source>The log %1 was saved over by another program since the last row; the new row went into the file there now.</source>
        <comment>fleet.log_replaced</comment>
        <translation>Il registro %1 è stato sovrascritto da un altro programma dopo l&apos;ultima riga; la nuova riga è andata nel file che ora si trova lì.</translation>
    </message>
    <message>
        <source>Cameras and their cards (double-click one to write its card next):</source>
        <comment>fleet.cameras_table_label</comment>
        <translation>Fotocamere e schede (doppio clic: la sua scheda è la prossima):</translation>
    </message>
    <message>
        <source>Set up in the field:</source>
        <comment>fleet.set_up_in_field_label</comment>
        <translation>Installata sul campo:</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>fleet.column_camera</comment>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Location</source>
        <comment>fleet.column_location</comment>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Card</source>
        <comment>fleet.column_card</comment>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>State</source>
        <comment>fleet.column_state</comment>
        <translation>Stato</translation>
    </message>
    <message>
        <source>waiting</source>
        <comment>fleet.state_waiting</comment>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>next: insert its card</source>
        <comment>fleet.state_next</comment>
        <translation>prossima: inserire la sua scheda</translation>
    </message>
    <message>
        <source>writing</source>
        <comment>fleet.state_writing</comment>
        <translation>in scrittura</translation>
    </message>
    <message>
        <source>done earlier (%1)</source>
        <comment>fleet.state_done_before</comment>
        <translation>completata in precedenza (%1)</translation>
    </message>
    <message>
        <source>The time set up in the field cannot be used: %1</source>
        <comment>fleet.time_unusable</comment>
        <translation>L&apos;ora di installazione sul campo non può essere usata: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2</source>
        <comment>fleet.name_unusable</comment>
        <translation>«%1» non può essere usato: %2</translation>
    </message>
    <message>
        <source>The kit holds passwords (%1): keep the file to yourself.</source>
        <comment>fleet.kit_holds_passwords</comment>
        <translation>Il kit contiene password (%1): tenere il file per sé.</translation>
    </message>
    <message>
        <source>card %1 written %2</source>
        <comment>fleet.card_named_written_at</comment>
        <translation>scheda %1 scritta il %2</translation>
    </message>
    <message>
        <source>card written %1</source>
        <comment>fleet.card_written_at</comment>
        <translation>scheda scritta il %1</translation>
    </message>
    <message>
        <source>Cards:</source>
        <comment>fleet.mode_label</comment>
        <translation>Schede:</translation>
    </message>
    <message>
        <source>Set up for the field</source>
        <comment>fleet.mode_set_up</comment>
        <translation>Da preparare per il campo</translation>
    </message>
    <message>
        <source>Returned from the field</source>
        <comment>fleet.mode_returned</comment>
        <translation>Rientrate dal campo</translation>
    </message>
    <message>
        <source>Choose the deployment log, then press Start.</source>
        <comment>fleet.choose_log</comment>
        <translation>Scegliere il registro delle installazioni, poi premere Avvia.</translation>
    </message>
    <message>
        <source>Cameras and their returned cards:</source>
        <comment>fleet.cameras_returned_label</comment>
        <translation>Fotocamere e le loro schede rientrate:</translation>
    </message>
    <message>
        <source>in the field (card written %1)</source>
        <comment>fleet.state_in_field</comment>
        <translation>sul campo (scheda scritta il %1)</translation>
    </message>
    <message>
        <source>returned (read %1)</source>
        <comment>fleet.state_returned</comment>
        <translation>rientrata (letta il %1)</translation>
    </message>
    <message>
        <source>reading</source>
        <comment>fleet.state_reading</comment>
        <translation>in lettura</translation>
    </message>
    <message>
        <source>Insert a returned card (read so far: %1)</source>
        <comment>fleet.insert_returned_card</comment>
        <translation>Inserire una scheda rientrata (lette finora: %1)</translation>
    </message>
    <message>
        <source>Reading the card at %1...</source>
        <comment>fleet.reading_card</comment>
        <translation>Lettura della scheda in %1...</translation>
    </message>
    <message>
        <source>returned: %1</source>
        <comment>fleet.result_returned</comment>
        <translation>rientrata: %1</translation>
    </message>
    <message>
        <source>The card at %1 was not read to the end or its return not logged (%2): remove it.</source>
        <comment>fleet.return_not_read</comment>
        <translation>La scheda in %1 non è stata letta fino in fondo o il suo rientro non è stato registrato (%2): estrarla.</translation>
    </message>
    <message>
        <source>The card of %1 is read, its return logged, and it is ejected: remove it and insert the next one.</source>
        <comment>fleet.returned_ejected</comment>
        <translation>La scheda di %1 è letta, il suo rientro registrato ed è espulsa: estrarla e inserire la successiva.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged: unmount and remove the card at %2, then insert the next one.</source>
        <comment>fleet.returned_remove</comment>
        <translation>La scheda di %1 è letta e il suo rientro registrato: smontare ed estrarre la scheda in %2, poi inserire la successiva.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged, but it was not ejected (%2): unmount and remove the card at %3.</source>
        <comment>fleet.returned_remove_by_hand</comment>
        <translation>La scheda di %1 è letta e il suo rientro registrato, ma non è stata espulsa (%2): smontare ed estrarre la scheda in %3.</translation>
    </message>
    <message>
        <source>Stopped. Returned cards read: %1.</source>
        <comment>fleet.returns_stopped</comment>
        <translation>Interrotto. Schede rientrate lette: %1.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 in this folder is a link to another file; nothing was written.</source>
        <comment>notice.file_is_link</comment>
        <translation>%1 in questa cartella è un collegamento a un altro file; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>No folder chosen: choose the card&apos;s folder first.</source>
        <comment>notice.no_folder_chosen</comment>
        <translation>Nessuna cartella scelta: scegliere prima la cartella della scheda.</translation>
    </message>
    <message>
        <source>Another write to %1 is in progress; nothing was written. Try again in a moment.</source>
        <comment>notice.write_in_progress</comment>
        <translation>È in corso un&apos;altra scrittura su %1; non è stato scritto nulla. Riprovare tra poco.</translation>
    </message>
    <message>
        <source>The file %1 was written, but it could not be read back to check it. Generate it again, or use Load from card to check it.</source>
        <comment>notice.written_unchecked</comment>
        <translation>Il file %1 è stato scritto, ma non è stato possibile rileggerlo per controllarlo. Generarlo di nuovo o controllarlo con «Carica dalla scheda».</translation>
    </message>
    <message>
        <source>the path is too long.</source>
        <comment>notice.reason_path_too_long</comment>
        <translation>il percorso è troppo lungo.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <comment>notice.file_written</comment>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Replace the menu.dat in %1 with the factory settings?</source>
        <comment>notice.confirm_factory_reset</comment>
        <translation>Sostituire il file menu.dat in %1 con le impostazioni di fabbrica?</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535.</source>
        <comment>notice.port_not_number</comment>
        <translation>La porta deve essere un numero intero da 1 a 65535.</translation>
    </message>
    <message>
        <source>The download page could not be opened. Its address is %1</source>
        <comment>notice.url_not_opened</comment>
        <translation>Impossibile aprire la pagina di download. Il suo indirizzo è %1</translation>
    </message>
    <message>
        <source>This model does not send e-mail.</source>
        <comment>notice.model_sends_no_email</comment>
        <translation>Questo modello non invia e-mail.</translation>
    </message>
    <message>
        <source>Load from card</source>
        <comment>notice.menu_load_from_card</comment>
        <translation>Carica dalla scheda</translation>
    </message>
    <message>
        <source>Load profile...</source>
        <comment>notice.menu_load_profile</comment>
        <translation>Carica profilo...</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <comment>notice.menu_save_profile</comment>
        <translation>Salva profilo...</translation>
    </message>
    <message>
        <source>Restore previous file</source>
        <comment>notice.menu_restore_previous</comment>
        <translation>Ripristina il file precedente</translation>
    </message>
    <message>
        <source>There is no %1 in this folder; the form was left as it was.</source>
        <comment>notice.file_absent</comment>
        <translation>In questa cartella non c&apos;è %1; il modulo è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>%1 in this folder is damaged; the form was left as it was.</source>
        <comment>notice.file_damaged</comment>
        <translation>%1 in questa cartella è danneggiato; il modulo è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>%1 in this folder was written for a different camera model; the form was left as it was.</source>
        <comment>notice.file_other_form</comment>
        <translation>%1 in questa cartella è stato scritto per un altro modello di fotocamera; il modulo è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be used: %2</source>
        <comment>notice.profile_unusable</comment>
        <translation>Il profilo %1 non può essere usato: %2</translation>
    </message>
    <message>
        <source>Profile saved.</source>
        <comment>notice.profile_saved</comment>
        <translation>Profilo salvato.</translation>
    </message>
    <message>
        <source>No earlier %1 from this folder is kept in the history.</source>
        <comment>notice.no_previous_file</comment>
        <translation>Nella cronologia non è conservato un %1 precedente di questa cartella.</translation>
    </message>
    <message>
        <source>Write back the %1 this folder held before %2?</source>
        <comment>notice.ask_restore_previous</comment>
        <translation>Ripristinare il %1 presente in questa cartella prima del %2?</translation>
    </message>
    <message>
        <source>No copy of the replaced file could be kept, so it cannot be restored later.</source>
        <comment>notice.no_copy_kept</comment>
        <translation>Non è stato possibile conservare una copia del file sostituito, quindi non potrà essere ripristinato.</translation>
    </message>
    <message>
        <source>More...</source>
        <comment>notice.menu_more</comment>
        <translation>Altro...</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <comment>notice.loaded_from</comment>
        <translation>Caricato da %1</translation>
    </message>
    <message>
        <source>%1 in this folder is the factory reset record; it holds no settings to load.</source>
        <comment>notice.file_is_factory_reset</comment>
        <translation>%1 in questa cartella è il record di ripristino delle impostazioni di fabbrica; non contiene impostazioni da caricare.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <comment>notice.ask_replace_profile</comment>
        <translation>%1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>No lock could be made to write %1 safely (%2); nothing was written.</source>
        <comment>notice.lock_unavailable</comment>
        <translation>Non è stato possibile creare il blocco per scrivere %1 (%2); non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is not valid UTF-8 text, so the file cannot be written there. Rename the folder (or mount the card under another name) and choose it again.</source>
        <comment>notice.name_not_utf8</comment>
        <translation>Il nome della cartella non è un testo UTF-8 valido, quindi non è possibile scrivervi il file. Rinominare la cartella (o montare la scheda con un altro nome) e sceglierla di nuovo.</translation>
    </message>
    <message>
        <source>The file %1 was written, but the card did not confirm the change to its folder (%2). Generate it again, or check the card with &quot;kestrova inspect&quot;.</source>
        <comment>notice.folder_not_flushed</comment>
        <translation>Il file %1 è stato scritto, ma la scheda non ha confermato la modifica della cartella (%2). Generarlo di nuovo o controllare la scheda con &quot;kestrova inspect&quot;.</translation>
    </message>
    <message>
        <source>Its camera clock will be set to the current time; every other setting stays as it was.</source>
        <comment>notice.restore_sets_clock</comment>
        <translation>L&apos;orologio della fotocamera in esso viene impostato sull&apos;ora attuale; tutte le altre impostazioni restano com&apos;erano.</translation>
    </message>
    <message>
        <source>%1 was restored as it was before %2.</source>
        <comment>notice.restored_from</comment>
        <translation>%1 è stato ripristinato com&apos;era prima del %2.</translation>
    </message>
    <message>
        <source>The kept copy of %1 cannot be written back: %2.</source>
        <comment>notice.previous_copy_damaged</comment>
        <translation>La copia conservata di %1 non può essere riscritta: %2.</translation>
    </message>
    <message>
        <source>%1 in %2 holds settings (%3). Load them into the form?</source>
        <comment>notice.ask_load_from_folder</comment>
        <translation>%1 in %2 contiene delle impostazioni (%3). Caricarle nel modulo?</translation>
    </message>
    <message>
        <source>%1, clock %2</source>
        <comment>notice.holds_menu_of</comment>
        <translation>%1, orologio %2</translation>
    </message>
    <message>
        <source>The %1 this folder held before %2 came from the card %3; which card the folder holds now is not known. Write it back?</source>
        <comment>notice.ask_restore_from_card</comment>
        <translation>Il %1 presente in questa cartella prima del %2 proviene dalla scheda %3; non si sa quale scheda ci sia ora nella cartella. Riscriverlo?</translation>
    </message>
    <message>
        <source>%1 was not written back: it came from the card %2, but the folder now holds the card %3.</source>
        <comment>notice.restore_other_card</comment>
        <translation>%1 non è stato riscritto: proviene dalla scheda %2, ma ora la cartella contiene la scheda %3.</translation>
    </message>
</context>
<context>
    <name>ProfileReason</name>
    <message>
        <source>%1 is not allowed; use a position 0..%2 or one of: %3</source>
        <translation>%1 non è ammesso; usare una posizione 0..%2 o una di queste voci: %3</translation>
    </message>
    <message>
        <source>Enter a whole number (got %1).</source>
        <translation>Inserire un numero intero (ricevuto %1).</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2 (got %3).</source>
        <translation>Inserire un numero intero da %1 a %2 (ricevuto %3).</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Un numero di telefono ha al massimo %1 cifre.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>What the camera will do</source>
        <comment>summary.strip_title</comment>
        <translation>Cosa farà la fotocamera</translation>
    </message>
    <message>
        <source>Triggers a day (assumed):</source>
        <comment>summary.assumed_triggers</comment>
        <translation>Attivazioni al giorno (ipotesi):</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <comment>summary.warning_line</comment>
        <translation>Avviso: %1</translation>
    </message>
    <message>
        <source>Print settings sheet...</source>
        <comment>summary.menu_print_sheet</comment>
        <translation>Stampa scheda impostazioni...</translation>
    </message>
    <message>
        <source>Settings sheet: %1</source>
        <comment>summary.sheet_title</comment>
        <translation>Scheda impostazioni: %1</translation>
    </message>
    <message>
        <source>Camera model</source>
        <comment>summary.sheet_model</comment>
        <translation>Modello di fotocamera</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>summary.sheet_folder</comment>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>summary.sheet_date</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Check value</source>
        <comment>summary.sheet_check_value</comment>
        <translation>Valore di controllo</translation>
    </message>
    <message>
        <source>none yet: these settings do not pass the checks before writing</source>
        <comment>summary.sheet_no_check</comment>
        <translation>non ancora: queste impostazioni non superano i controlli prima della scrittura</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>summary.sheet_settings</comment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>summary.sheet_warnings</comment>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>None.</source>
        <comment>summary.sheet_no_warnings</comment>
        <translation>Nessuno.</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <comment>summary.hidden_value</comment>
        <translation>(nascosto)</translation>
    </message>
    <message>
        <source>The settings sheet could not be printed: %1</source>
        <comment>summary.sheet_print_failed</comment>
        <translation>Impossibile stampare la scheda impostazioni: %1</translation>
    </message>
    <message>
        <source>Changed on the card:</source>
        <comment>summary.changed_header</comment>
        <translation>Modificato sulla scheda:</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <comment>summary.changed_line</comment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: changed</source>
        <comment>summary.changed_hidden_line</comment>
        <translation>%1: modificato</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment>summary.changed_more</comment>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>New file.</source>
        <comment>summary.change_new_file</comment>
        <translation>Nuovo file.</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <comment>summary.change_nothing</comment>
        <translation>Nessuna impostazione modificata.</translation>
    </message>
    <message>
        <source>It replaced a damaged file.</source>
        <comment>summary.change_replaced_damaged</comment>
        <translation>Ha sostituito un file danneggiato.</translation>
    </message>
    <message>
        <source>It replaced the factory reset record.</source>
        <comment>summary.change_replaced_factory</comment>
        <translation>Ha sostituito il record di ripristino delle impostazioni di fabbrica.</translation>
    </message>
    <message>
        <source>It replaced a file written for another camera model.</source>
        <comment>summary.change_replaced_other</comment>
        <translation>Ha sostituito un file scritto per un altro modello di fotocamera.</translation>
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
        <translation>Al movimento: 1 foto a %1.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1.</source>
        <comment>summary.trigger_photos2</comment>
        <translation>Al movimento: 2 foto a %1.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1.</source>
        <comment>summary.trigger_photos3</comment>
        <translation>Al movimento: 3 foto a %1.</translation>
    </message>
    <message>
        <source>On motion: a %1 video at %2.</source>
        <comment>summary.trigger_video</comment>
        <translation>Al movimento: un video di %1 a %2.</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video1</comment>
        <translation>Al movimento: 1 foto a %1 e un video di %2 a %3.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video2</comment>
        <translation>Al movimento: 2 foto a %1 e un video di %2 a %3.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video3</comment>
        <translation>Al movimento: 3 foto a %1 e un video di %2 a %3.</translation>
    </message>
    <message>
        <source>After each trigger it waits %1 before the next.</source>
        <comment>summary.wait_after_trigger</comment>
        <translation>Dopo ogni attivazione attende %1 prima della successiva.</translation>
    </message>
    <message>
        <source>After each trigger it is ready again at once.</source>
        <comment>summary.no_wait</comment>
        <translation>Dopo ogni attivazione è subito di nuovo pronta.</translation>
    </message>
    <message>
        <source>The motion sensor is on (sensitivity: %1).</source>
        <comment>summary.motion_on</comment>
        <translation>Il sensore di movimento è attivo (sensibilità: %1).</translation>
    </message>
    <message>
        <source>The motion sensor is off.</source>
        <comment>summary.motion_off</comment>
        <translation>Il sensore di movimento è disattivato.</translation>
    </message>
    <message>
        <source>The side sensors are on.</source>
        <comment>summary.side_on</comment>
        <translation>I sensori laterali sono attivi.</translation>
    </message>
    <message>
        <source>The side sensors are off.</source>
        <comment>summary.side_off</comment>
        <translation>I sensori laterali sono disattivati.</translation>
    </message>
    <message>
        <source>It is active all day.</source>
        <comment>summary.active_all_day</comment>
        <translation>È attiva tutto il giorno.</translation>
    </message>
    <message>
        <source>It is active %1 (%2 a day).</source>
        <comment>summary.active_one_window</comment>
        <translation>Attiva: %1 (%2 al giorno).</translation>
    </message>
    <message>
        <source>It is active %1 and %2 (%3 a day).</source>
        <comment>summary.active_two_windows</comment>
        <translation>Attiva: %1 e %2 (%3 al giorno).</translation>
    </message>
    <message>
        <source>Its timers leave no time in which it is active.</source>
        <comment>summary.active_never</comment>
        <translation>I timer non lasciano alcun periodo di attività.</translation>
    </message>
    <message>
        <source>And one photo every %1 while active: %2 a day.</source>
        <comment>summary.time_lapse</comment>
        <translation>Inoltre una foto ogni %1 mentre è attiva: %2 al giorno.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time and the text &quot;%1&quot;.</source>
        <comment>summary.stamp_time_and_text</comment>
        <translation>Sulle immagini vengono impressi l&apos;ora e il testo «%1».</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time.</source>
        <comment>summary.stamp_time</comment>
        <translation>Sulle immagini viene impressa l&apos;ora.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the text &quot;%1&quot;.</source>
        <comment>summary.stamp_text</comment>
        <translation>Sulle immagini viene impresso il testo «%1».</translation>
    </message>
    <message>
        <source>Nothing is stamped on the pictures.</source>
        <comment>summary.stamp_nothing</comment>
        <translation>Sulle immagini non viene impresso nulla.</translation>
    </message>
    <message>
        <source>When the card is full, the oldest files are overwritten.</source>
        <comment>summary.sd_cycle_on</comment>
        <translation>Quando la scheda è piena, i file più vecchi vengono sovrascritti.</translation>
    </message>
    <message>
        <source>When the card is full, the camera stops recording.</source>
        <comment>summary.sd_cycle_off</comment>
        <translation>Quando la scheda è piena, la fotocamera smette di registrare.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1 when it reads this card; insert the card soon, or the clock runs behind by the time in between.</source>
        <comment>summary.clock_set</comment>
        <translation>L&apos;orologio della fotocamera viene impostato su %1 quando legge questa scheda; inserire presto la scheda, altrimenti l&apos;orologio resterà indietro del tempo trascorso.</translation>
    </message>
    <message>
        <source>This record returns the camera to its factory settings.</source>
        <comment>summary.factory_reset</comment>
        <translation>Questo record riporta la fotocamera alle impostazioni di fabbrica.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, card use about %2.</source>
        <comment>summary.estimate_photos</comment>
        <translation>Stima al giorno: immagini circa %1, spazio sulla scheda circa %2.</translation>
    </message>
    <message>
        <source>Estimated a day: video about %1, card use about %2.</source>
        <comment>summary.estimate_video</comment>
        <translation>Stima al giorno: video circa %1, spazio sulla scheda circa %2.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, video about %2, card use about %3.</source>
        <comment>summary.estimate_both</comment>
        <translation>Stima al giorno: immagini circa %1, video circa %2, spazio sulla scheda circa %3.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2.</source>
        <comment>summary.card_lasts</comment>
        <translation>Giorni prima che la scheda (%1 liberi) sia piena: circa %2.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2; then the oldest files are overwritten.</source>
        <comment>summary.card_overwrites</comment>
        <translation>Giorni prima che la scheda (%1 liberi) sia piena: circa %2; poi i file più vecchi vengono sovrascritti.</translation>
    </message>
    <message>
        <source>MMS sending is off.</source>
        <comment>summary.mms_off</comment>
        <translation>L&apos;invio MMS è disattivato.</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS to %2.</source>
        <comment>summary.mms_sends</comment>
        <translation>Invia ogni immagine come MMS %1 a %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture to %1.</source>
        <comment>summary.sends_sms</comment>
        <translation>Invia un SMS per ogni immagine a %1.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; messages: at most %2 a day, %3 a month.</source>
        <comment>summary.messages_limit</comment>
        <translation>Immagini al giorno: al massimo %1; messaggi: al massimo %2 al giorno, %3 al mese.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of MMS.</source>
        <comment>summary.mms_data</comment>
        <translation>Dati al mese: circa %1 di MMS.</translation>
    </message>
    <message>
        <source>E-mail sending is off.</source>
        <comment>summary.email_off</comment>
        <translation>L&apos;invio di e-mail è disattivato.</translation>
    </message>
    <message>
        <source>It e-mails each picture to %1 through %2, port %3, from %4.</source>
        <comment>summary.email_sends</comment>
        <translation>Invia ogni immagine per e-mail a %1 tramite %2, porta %3, da %4.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; e-mails: at most %2 a day, %3 a month.</source>
        <comment>summary.emails_limit</comment>
        <translation>Immagini al giorno: al massimo %1; e-mail: al massimo %2 al giorno, %3 al mese.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of e-mail.</source>
        <comment>summary.email_data</comment>
        <translation>Dati al mese: circa %1 di e-mail.</translation>
    </message>
    <message>
        <source>SMS remote control is off.</source>
        <comment>summary.remote_off</comment>
        <translation>Il controllo remoto via SMS è disattivato.</translation>
    </message>
    <message>
        <source>Network: the operator preset for %1, %2.</source>
        <comment>summary.network_preset</comment>
        <translation>Rete: la preimpostazione dell&apos;operatore per %1, %2.</translation>
    </message>
    <message>
        <source>Network: typed in (APN %1).</source>
        <comment>summary.network_typed</comment>
        <translation>Rete: inserita a mano (APN %1).</translation>
    </message>
    <message>
        <source>%1 is on with start and stop both at %2: its window is empty, or the whole day, depending on the camera.</source>
        <comment>summary.conflict_timer_empty</comment>
        <translation>%1 è attivo con avvio e arresto entrambi alle %2: la finestra è vuota o copre tutto il giorno, a seconda della fotocamera.</translation>
    </message>
    <message>
        <source>%1 and %2 overlap (%3): that time counts once.</source>
        <comment>summary.conflict_timers_overlap</comment>
        <translation>%1 e %2 si sovrappongono (%3): quel periodo conta una volta sola.</translation>
    </message>
    <message>
        <source>%1 is on with an interval of 0: the camera cannot take a photo every 0 seconds.</source>
        <comment>summary.conflict_time_lapse_zero</comment>
        <translation>%1 è attivo con un intervallo di 0: la fotocamera non può scattare una foto ogni 0 secondi.</translation>
    </message>
    <message>
        <source>The %1 interval (%2) is longer than the active window %3: only one photo is taken in it.</source>
        <comment>summary.conflict_time_lapse_long</comment>
        <translation>L&apos;intervallo di %1 (%2) è più lungo della finestra attiva %3: in essa si scatta una sola foto.</translation>
    </message>
    <message>
        <source>%1 is 0 s while %2 is %3: each motion starts the next capture at once, which fills the card and drains the battery.</source>
        <comment>summary.conflict_zero_interval</comment>
        <translation>%1 è 0 s mentre %2 è %3: ogni movimento avvia subito la cattura successiva, riempiendo la scheda e scaricando la batteria.</translation>
    </message>
    <message>
        <source>%1 is %2, but no recipient is given: nothing is sent.</source>
        <comment>summary.conflict_no_recipient</comment>
        <translation>%1 è %2, ma non è indicato alcun destinatario: non viene inviato nulla.</translation>
    </message>
    <message>
        <source>%1 is empty: the camera has no one to e-mail.</source>
        <comment>summary.conflict_email_no_recipient</comment>
        <translation>%1 è vuoto: la fotocamera non ha nessuno a cui inviare e-mail.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while %3 sends pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode</comment>
        <translation>%1 è %2 in menu.dat mentre %3 invia immagini: in questa modalità la fotocamera non scatta foto, quindi non ne invia nessuna.</translation>
    </message>
    <message>
        <source>The PC&apos;s clock is not synchronised with a time server: the camera&apos;s clock will be as far off as the PC&apos;s.</source>
        <comment>summary.conflict_clock_not_synced</comment>
        <translation>L&apos;orologio del PC non è sincronizzato con un server dell&apos;ora: l&apos;orologio della fotocamera sarà sbagliato quanto quello del PC.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1, before 2024: the PC&apos;s clock looks wrong.</source>
        <comment>summary.conflict_clock_early</comment>
        <translation>L&apos;orologio della fotocamera viene impostato su %1, prima del 2024: l&apos;orologio del PC sembra sbagliato.</translation>
    </message>
    <message>
        <source>The card is read-only: nothing can be written to it (is its lock switch on?).</source>
        <comment>summary.conflict_card_read_only</comment>
        <translation>La scheda è di sola lettura: non vi si può scrivere nulla (l&apos;interruttore di blocco è attivo?).</translation>
    </message>
    <message>
        <source>The card&apos;s free space (%1) holds less than one day at about %2 a day.</source>
        <comment>summary.conflict_card_short</comment>
        <translation>Lo spazio libero della scheda (%1) basta per meno di un giorno a circa %2 al giorno.</translation>
    </message>
    <message>
        <source>The card is larger than 32 GB and formatted as %1: many cameras read only FAT32 cards up to 32 GB, so this one may not work.</source>
        <comment>summary.conflict_card_not_fat32</comment>
        <translation>La scheda è più grande di 32 GB ed è formattata come %1: molte fotocamere leggono solo schede FAT32 fino a 32 GB, quindi questa potrebbe non funzionare.</translation>
    </message>
    <message>
        <source>The card still holds pictures from an earlier deployment (files in DCIM: %1).</source>
        <comment>summary.conflict_card_old_files</comment>
        <translation>La scheda contiene ancora immagini di un&apos;installazione precedente (file in DCIM: %1).</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS; recipients: %2.</source>
        <comment>summary.mms_sends_unnamed</comment>
        <translation>Invia ogni foto come MMS %1; destinatari: %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture; recipients: %1.</source>
        <comment>summary.sends_sms_unnamed</comment>
        <translation>Invia un SMS per ogni foto; destinatari: %1.</translation>
    </message>
    <message>
        <source>It e-mails each picture through %1, port %2.</source>
        <comment>summary.email_sends_unnamed</comment>
        <translation>Invia ogni foto per e-mail tramite %1, porta %2.</translation>
    </message>
    <message>
        <source>%1 and %2 are both off: the camera never takes a picture.</source>
        <comment>summary.conflict_never_pictures</comment>
        <translation>%1 ed %2 sono entrambi disattivati: la fotocamera non scatta mai.</translation>
    </message>
    <message>
        <source>%1 is 0, which means no limit, not none: every picture is sent.</source>
        <comment>summary.conflict_unlimited</comment>
        <translation>%1 è 0, che significa senza limite e non zero immagini: ogni immagine viene inviata.</translation>
    </message>
    <message>
        <source>These are the form&apos;s settings: they are not written to a card.</source>
        <comment>summary.sheet_not_written</comment>
        <translation>Queste sono le impostazioni del modulo: non sono scritte su una scheda.</translation>
    </message>
    <message>
        <source>Assumed for the estimates</source>
        <comment>summary.sheet_assumed</comment>
        <translation>Ipotesi delle stime</translation>
    </message>
    <message>
        <source>Triggers a day: %1</source>
        <comment>summary.assume_triggers</comment>
        <translation>Attivazioni al giorno: %1</translation>
    </message>
    <message>
        <source>A picture at %1: %2 MB</source>
        <comment>summary.assume_picture</comment>
        <translation>Un&apos;immagine a %1: %2 MB</translation>
    </message>
    <message>
        <source>A second of video at %1: %2 MB (Motion-JPEG AVI)</source>
        <comment>summary.assume_video</comment>
        <translation>Un secondo di video a %1: %2 MB (Motion-JPEG AVI)</translation>
    </message>
    <message>
        <source>An MMS at %1: %2 KB</source>
        <comment>summary.assume_mms</comment>
        <translation>Un MMS a %1: %2 KB</translation>
    </message>
    <message>
        <source>An e-mail at %1: %2 KB</source>
        <comment>summary.assume_email</comment>
        <translation>Un&apos;e-mail a %1: %2 KB</translation>
    </message>
    <message>
        <source>Pictures sent for each trigger: %1</source>
        <comment>summary.assume_sent_per_trigger</comment>
        <translation>Immagini inviate per attivazione: %1</translation>
    </message>
    <message>
        <source>Time to take one photo: %1 s</source>
        <comment>summary.assume_photo_capture</comment>
        <translation>Tempo per scattare una foto: %1 s</translation>
    </message>
    <message>
        <source>Days in a month: %1</source>
        <comment>summary.assume_month</comment>
        <translation>Giorni in un mese: %1</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2)</source>
        <comment>summary.report_model</comment>
        <translation>Cosa farà la fotocamera (modello %1, %2)</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2, from the preferences; give --model for another)</source>
        <comment>summary.report_model_stored</comment>
        <translation>Cosa farà la fotocamera (modello %1, %2, dalle preferenze; --model ne indica un altro)</translation>
    </message>
    <message>
        <source>about %1</source>
        <comment>summary.report_about</comment>
        <translation>circa %1</translation>
    </message>
    <message>
        <source>(assumed: %1)</source>
        <comment>summary.report_assumed</comment>
        <translation>(ipotesi: %1)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>summary.report_warning</comment>
        <translation>avviso: %1</translation>
    </message>
    <message>
        <source>When it is active depends on how the camera reads a timer that starts and stops at the same time (see the warnings).</source>
        <comment>summary.active_unknown</comment>
        <translation>Quando è attiva dipende da come la fotocamera interpreta un timer con avvio e arresto alla stessa ora (vedi gli avvisi).</translation>
    </message>
    <message>
        <source>Triggers a day that each capture and the wait after it allow: at most %1.</source>
        <comment>summary.trigger_cap</comment>
        <translation>Attivazioni al giorno consentite da ogni cattura e dall&apos;attesa successiva: al massimo %1.</translation>
    </message>
    <message>
        <source>normal</source>
        <comment>summary.sensitivity_normal</comment>
        <translation>normale</translation>
    </message>
    <message>
        <source>high</source>
        <comment>summary.sensitivity_high</comment>
        <translation>alta</translation>
    </message>
    <message>
        <source>low</source>
        <comment>summary.sensitivity_low</comment>
        <translation>bassa</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>summary.value_video_only</comment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.messages_no_limit</comment>
        <translation>Immagini al giorno: nessun limite; messaggi: circa %1 al giorno, %2 al mese (stima: un&apos;immagine inviata per ogni attivazione, attivazioni al giorno ipotizzate: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.messages_no_limit_menu</comment>
        <translation>Immagini al giorno: nessun limite; messaggi: circa %1 al giorno, %2 al mese (stima in base alle immagini previste da menu.dat).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.emails_no_limit</comment>
        <translation>Immagini al giorno: nessun limite; e-mail: circa %1 al giorno, %2 al mese (stima: un&apos;immagine inviata per ogni attivazione, attivazioni al giorno ipotizzate: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.emails_no_limit_menu</comment>
        <translation>Immagini al giorno: nessun limite; e-mail: circa %1 al giorno, %2 al mese (stima in base alle immagini previste da menu.dat).</translation>
    </message>
    <message>
        <source>SMS remote control is on; its hour setting is %1.</source>
        <comment>summary.remote_on</comment>
        <translation>Il controllo remoto via SMS è attivo; l&apos;impostazione delle ore è %1.</translation>
    </message>
    <message>
        <source>%1 is %2, but no phone number for SMS is given: nothing is sent.</source>
        <comment>summary.conflict_no_phone</comment>
        <translation>%1 è %2, ma non è indicato alcun numero di telefono per gli SMS: non viene inviato nulla.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while setup.dat and smtp.dat send pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode_both</comment>
        <translation>%1 è %2 in menu.dat mentre setup.dat e smtp.dat inviano immagini: in questa modalità la fotocamera non scatta foto, quindi non ne viene inviata nessuna.</translation>
    </message>
    <message>
        <source>Beep sound</source>
        <comment>summary.caption_beep_sound</comment>
        <translation>Segnale acustico</translation>
    </message>
    <message>
        <source>Overwrite when full (SD cycle)</source>
        <comment>summary.caption_sd_cycle</comment>
        <translation>Sovrascrivi quando piena (ciclo SD)</translation>
    </message>
    <message>
        <source>Timer 2</source>
        <comment>summary.caption_timer2</comment>
        <translation>Timer 2</translation>
    </message>
    <message>
        <source>SMS remote control</source>
        <comment>summary.caption_remote_control</comment>
        <translation>Controllo remoto via SMS</translation>
    </message>
    <message>
        <source>Bearer</source>
        <comment>summary.caption_bearer</comment>
        <translation>Canale di trasporto</translation>
    </message>
    <message>
        <source>Phone number scope</source>
        <comment>summary.caption_phone_scope</comment>
        <translation>Tipo di numero</translation>
    </message>
    <message>
        <source>E-mail settings mode</source>
        <comment>summary.caption_smtp_mode</comment>
        <translation>Modalità delle impostazioni e-mail</translation>
    </message>
    <message>
        <source>E-mail status</source>
        <comment>summary.caption_smtp_status</comment>
        <translation>Stato e-mail</translation>
    </message>
    <message>
        <source>Mail server</source>
        <comment>summary.caption_smtp_server</comment>
        <translation>Server di posta</translation>
    </message>
    <message>
        <source>Sender address</source>
        <comment>summary.caption_sender_email</comment>
        <translation>Indirizzo del mittente</translation>
    </message>
    <message>
        <source>Domestic</source>
        <comment>summary.value_domestic</comment>
        <translation>Nazionale</translation>
    </message>
    <message>
        <source>International</source>
        <comment>summary.value_international</comment>
        <translation>Internazionale</translation>
    </message>
</context>
<context>
    <name>kestrova::CardFileActions</name>
    <message>
        <source>it is not valid JSON: %1 at offset %2</source>
        <translation>non è un JSON valido: %1 alla posizione %2</translation>
    </message>
    <message>
        <source>it must hold one JSON object of settings</source>
        <translation>deve contenere un solo oggetto JSON di impostazioni</translation>
    </message>
    <message>
        <source>it names &quot;%1&quot; twice; which value is meant cannot be told</source>
        <translation>nomina «%1» due volte; non si può stabilire quale valore sia inteso</translation>
    </message>
    <message>
        <source>it is the report of a damaged file (%1); its values cannot be trusted</source>
        <translation>è il rapporto di un file danneggiato (%1); i suoi valori non sono affidabili</translation>
    </message>
    <message>
        <source>it holds the unknown setting &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>contiene l&apos;impostazione sconosciuta «%1»; intendevi «%2»?</translation>
    </message>
    <message>
        <source>it holds the settings of a %1 file, not of %2</source>
        <translation>contiene le impostazioni di un file %1, non di %2</translation>
    </message>
    <message>
        <source>larger than a profile (%1 bytes)</source>
        <translation>più grande di un profilo (%1 byte)</translation>
    </message>
    <message>
        <source>larger than a profile (more than %1 bytes)</source>
        <translation>più grande di un profilo (più di %1 byte)</translation>
    </message>
    <message>
        <source>it reads as a damaged file</source>
        <translation>risulta un file danneggiato</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CameraList</name>
    <message>
        <source>expected a number from %1 to %2, got %3</source>
        <translation>atteso un numero da %1 a %2, trovato %3</translation>
    </message>
    <message>
        <source>expected four characters (0-9, A-Z), got %1</source>
        <translation>attesi quattro caratteri (0-9, A-Z), trovato %1</translation>
    </message>
    <message>
        <source>%1: the character %2 is none of 0-9, A-Z</source>
        <translation>%1: il carattere %2 non è tra 0-9, A-Z</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>it has no column &quot;%1&quot;</source>
        <translation>non ha la colonna «%1»</translation>
    </message>
    <message>
        <source>it names the column &quot;%1&quot; twice</source>
        <translation>nomina due volte la colonna «%1»</translation>
    </message>
    <message>
        <source>it has a column &quot;serial&quot;, but the kit has no menu</source>
        <translation>ha la colonna «serial», ma il kit non ha un menu</translation>
    </message>
    <message>
        <source>it has the column &quot;%1&quot;, which is no setting of the kit&apos;s sections nor a column the log carries; did you mean &quot;%2&quot;?</source>
        <translation>ha la colonna «%1», che non è un&apos;impostazione delle sezioni del kit né una colonna del registro; forse «%2»?</translation>
    </message>
    <message>
        <source>every camera needs an id</source>
        <translation>ogni fotocamera ha bisogno di un identificativo</translation>
    </message>
    <message>
        <source>the camera %1 has a row before this one</source>
        <translation>la fotocamera %1 ha già una riga prima di questa</translation>
    </message>
    <message>
        <source>the row gives a %1 but no %2: give both or neither</source>
        <translation>la riga dà %1 ma non %2: indicarli entrambi o nessuno</translation>
    </message>
    <message>
        <source>it holds no camera: it needs a row after the header</source>
        <translation>non contiene fotocamere: serve una riga dopo l&apos;intestazione</translation>
    </message>
    <message>
        <source>row %1 (camera %2): %3</source>
        <translation>riga %1 (fotocamera %2): %3</translation>
    </message>
    <message>
        <source>row %1 (camera %2), column %3: %4</source>
        <translation>riga %1 (fotocamera %2), colonna %3: %4</translation>
    </message>
    <message>
        <source>expected a date and time with its UTC offset, as %1, got %2</source>
        <translation>attese data e ora con lo scarto da UTC, come %1, trovato %2</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CsvTable</name>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>la riga %1 ha %2 campi, l&apos;intestazione %3</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not begin with one</source>
        <translation>riga %1: virgolette dentro un campo che non inizia con esse</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>riga %1: testo dopo le virgolette di chiusura di un campo</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>riga %1: un campo tra virgolette non viene mai chiuso</translation>
    </message>
    <message>
        <source>it is empty: it needs a header row</source>
        <translation>è vuoto: serve una riga di intestazione</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>non è testo UTF-8</translation>
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
        <translation>contiene %1 caratteri; se ne accettano al massimo %2</translation>
    </message>
    <message>
        <source>it holds the character %1, which shows nothing, breaks the line or turns the text around</source>
        <translation>contiene il carattere %1, che non mostra nulla, va a capo o capovolge il testo</translation>
    </message>
    <message>
        <source>it begins with &quot;%1&quot;, which a spreadsheet takes for a formula</source>
        <translation>inizia con «%1», che un foglio di calcolo prende per una formula</translation>
    </message>
</context>
</TS>

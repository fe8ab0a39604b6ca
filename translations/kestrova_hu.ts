<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>CheckMessage</name>
    <message>
        <source>Enter the GPRS APN.</source>
        <translation>Adja meg a GPRS APN-t.</translation>
    </message>
    <message>
        <source>Enter the mail server.</source>
        <translation>Adja meg a levelezőkiszolgálót.</translation>
    </message>
    <message>
        <source>Enter the mail server&apos;s port.</source>
        <translation>Adja meg a levelezőkiszolgáló portját.</translation>
    </message>
    <message>
        <source>Enter an e-mail address.</source>
        <translation>Adjon meg egy e-mail-címet.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;@&quot;.</source>
        <translation>Az e-mail-címben nincs „@”.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;.&quot;.</source>
        <translation>Az e-mail-címben nincs „.”.</translation>
    </message>
    <message>
        <source>Enter the password of the sender&apos;s e-mail account.</source>
        <translation>Adja meg a feladó e-mail-fiókjának jelszavát.</translation>
    </message>
    <message>
        <source>The phone number is too short or holds more than digits.</source>
        <translation>A telefonszám túl rövid, vagy nem csak számjegyekből áll.</translation>
    </message>
    <message>
        <source>The first phone number is too short.</source>
        <translation>Az első telefonszám túl rövid.</translation>
    </message>
    <message>
        <source>The second recipient is too short.</source>
        <translation>A második címzett túl rövid.</translation>
    </message>
    <message>
        <source>The third recipient is too short.</source>
        <translation>A harmadik címzett túl rövid.</translation>
    </message>
    <message>
        <source>Enter the first phone number: the SMS remote control answers it.</source>
        <translation>Adja meg az első telefonszámot: az SMS-es távvezérlés erre válaszol.</translation>
    </message>
    <message>
        <source>A phone number holds digits only (and a &quot;+&quot; in front when it is international).</source>
        <translation>A telefonszám csak számjegyekből áll (nemzetközi számnál elöl egy „+” jellel).</translation>
    </message>
    <message>
        <source>Check the phone number: it may hold digits only.</source>
        <translation>Ellenőrizze a telefonszámot: csak számjegyeket tartalmazhat.</translation>
    </message>
    <message>
        <source>Enter the first phone number or an e-mail address.</source>
        <translation>Adja meg az első telefonszámot vagy egy e-mail-címet.</translation>
    </message>
    <message>
        <source>Check the recipient: a phone number of digits or an e-mail address.</source>
        <translation>Ellenőrizze a címzettet: számjegyekből álló telefonszám vagy e-mail-cím.</translation>
    </message>
    <message>
        <source>Enter the MMS URL.</source>
        <translation>Adja meg az MMS URL-címét.</translation>
    </message>
    <message>
        <source>Enter the APN.</source>
        <translation>Adja meg az APN-t.</translation>
    </message>
    <message>
        <source>Enter the MMS gateway.</source>
        <translation>Adja meg az MMS-átjárót.</translation>
    </message>
    <message>
        <source>Enter the MMS port.</source>
        <translation>Adja meg az MMS-portot.</translation>
    </message>
    <message>
        <source>The MMS gateway has no &quot;.&quot;.</source>
        <translation>Az MMS-átjáróban nincs „.”.</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>A telefonszám legfeljebb %1 számjegyből áll.</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Adjon meg egy egész számot %1 és %2 között.</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>Adjon meg egy egész számot.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters.</source>
        <translation>Legfeljebb %1 karaktert adjon meg.</translation>
    </message>
    <message>
        <source>%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.</source>
        <translation>%1: a szöveg %2 bájtot foglal a kamerában, de csak %3 fér el. Egy kínai karakter 2 bájt.</translation>
    </message>
    <message>
        <source>%1: the character &quot;%2&quot; cannot be stored on the camera.</source>
        <translation>%1: a(z) „%2” karakter nem tárolható a kamerában.</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Card report: %1</source>
        <comment>field.title</comment>
        <translation>Kártyajelentés: %1</translation>
    </message>
    <message>
        <source>Deployment: %1</source>
        <comment>field.deployment</comment>
        <translation>Kihelyezés: %1</translation>
    </message>
    <message>
        <source>camera %1</source>
        <comment>field.camera_part</comment>
        <translation>kamera: %1</translation>
    </message>
    <message>
        <source>set up by %1</source>
        <comment>field.setup_by_part</comment>
        <translation>telepítette: %1</translation>
    </message>
    <message numerus="yes">
        <source>From %1 (%2) to %3 (%4): %n day(s).</source>
        <comment>field.period</comment>
        <translation>
            <numerusform>%1 (%2) – %3 (%4): %n nap.</numerusform>
        </translation>
    </message>
    <message>
        <source>as the cameras table says</source>
        <comment>field.start_cameras_table</comment>
        <translation>a kameratábla szerint</translation>
    </message>
    <message>
        <source>when the card was written</source>
        <comment>field.start_written</comment>
        <translation>a kártya írásakor</translation>
    </message>
    <message>
        <source>the clock menu.dat set</source>
        <comment>field.start_camera_clock</comment>
        <translation>a menu.dat által beállított óra</translation>
    </message>
    <message>
        <source>the first picture</source>
        <comment>field.start_first_picture</comment>
        <translation>az első kép</translation>
    </message>
    <message>
        <source>retrieved</source>
        <comment>field.end_retrieved</comment>
        <translation>begyűjtve</translation>
    </message>
    <message>
        <source>the last picture</source>
        <comment>field.end_last_picture</comment>
        <translation>az utolsó kép</translation>
    </message>
    <message>
        <source>Camera: %1. It was set to do this:</source>
        <comment>field.camera</comment>
        <translation>Kamera: %1. Így volt beállítva:</translation>
    </message>
    <message>
        <source>The card holds no readable camera menu (menu.dat): the schedule is not known.</source>
        <comment>field.no_menu</comment>
        <translation>A kártyán nincs olvasható kameramenü (menu.dat): az ütemezés nem ismert.</translation>
    </message>
    <message numerus="yes">
        <source>Working: %1 of %n day(s).</source>
        <comment>field.working</comment>
        <translation>
            <numerusform>Működött: %1 / %n nap.</numerusform>
        </translation>
    </message>
    <message>
        <source>Down: %1. The time lapse took no picture at any of its times.</source>
        <comment>field.down</comment>
        <translation>Nem működött: %1. Az időzített felvétel egyik időpontjában sem készített képet.</translation>
    </message>
    <message>
        <source>No pictures: %1. The camera was active 24 hours or more without taking a picture.</source>
        <comment>field.no_pictures</comment>
        <translation>Nincs kép: %1. A kamera legalább 24 órán át működött anélkül, hogy képet készített volna.</translation>
    </message>
    <message>
        <source>No pictures from %1 to %2: %3 of active time.</source>
        <comment>field.gap</comment>
        <translation>Nincs kép ettől: %1, eddig: %2; %3 működési idő.</translation>
    </message>
    <message numerus="yes">
        <source>Card full: no picture after %1 and no room for one, %n day(s) lost.</source>
        <comment>field.card_full</comment>
        <translation>
            <numerusform>A kártya megtelt: %1 után nincs kép, és egynek sincs hely, %n nap elveszett.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card is full and SD cycle is on: the oldest pictures have been overwritten.</source>
        <comment>field.overwrites</comment>
        <translation>A kártya megtelt, és az SD-ciklus be van kapcsolva: a legrégebbi képek felülíródtak.</translation>
    </message>
    <message>
        <source>Clock: the first picture came %1 after the start.</source>
        <comment>field.clock_first_after</comment>
        <translation>Óra: az első kép %1 idővel a kezdés után készült.</translation>
    </message>
    <message>
        <source>Clock: the first picture is dated %1 before the start.</source>
        <comment>field.clock_first_before</comment>
        <translation>Óra: az első kép dátuma %1 idővel a kezdés előtti.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 ahead.</source>
        <comment>field.clock_ahead</comment>
        <translation>Óra: %1 ezt mutatja: %2, felvéve ekkor: %3; a kamera órája %4 idővel siet.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 behind.</source>
        <comment>field.clock_behind</comment>
        <translation>Óra: %1 ezt mutatja: %2, felvéve ekkor: %3; a kamera órája %4 idővel késik.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is right to the minute.</source>
        <comment>field.clock_right</comment>
        <translation>Óra: %1 ezt mutatja: %2, felvéve ekkor: %3; a kamera órája percre pontos.</translation>
    </message>
    <message>
        <source>That is an hour: daylight saving time?</source>
        <comment>field.clock_hour_off</comment>
        <translation>Ez egy óra: nyári időszámítás?</translation>
    </message>
    <message>
        <source>That is 12 hours: a 12-hour clock read as a 24-hour one?</source>
        <comment>field.clock_half_day_off</comment>
        <translation>Ez 12 óra: 12 órás órát 24 órásként olvastak?</translation>
    </message>
    <message>
        <source>Clock: it gains %1 a day.</source>
        <comment>field.clock_gains</comment>
        <translation>Óra: naponta %1 idővel siet.</translation>
    </message>
    <message>
        <source>Clock: it loses %1 a day.</source>
        <comment>field.clock_loses</comment>
        <translation>Óra: naponta %1 idővel késik.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before the deployment started (the earliest %1).</source>
        <comment>field.clock_before_start</comment>
        <translation>
            <numerusform>Óra: %n kép dátuma a kihelyezés kezdete előtti (a legkorábbi: %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before 2010.</source>
        <comment>field.clock_before_2010</comment>
        <translation>
            <numerusform>Óra: %n kép dátuma 2010 előtti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated 2010-01-01 or 2011-01-01, where a camera&apos;s clock starts after losing its power.</source>
        <comment>field.clock_factory</comment>
        <translation>
            <numerusform>Óra: %n kép dátuma 2010-01-01 vagy 2011-01-01; innen indul újra a kamera órája, ha elveszti a tápellátást.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by %3: daylight saving time.</source>
        <comment>field.clock_shift_hour</comment>
        <translation>
            <numerusform>Óra: %n napon, %1 és %2 között a képek csak %3 eltolással követik az ütemezést: nyári időszámítás.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by 12 hours: a 12-hour clock read as a 24-hour one.</source>
        <comment>field.clock_shift_half_day</comment>
        <translation>
            <numerusform>Óra: %n napon, %1 és %2 között a képek csak 12 órás eltolással követik az ütemezést: 12 órás órát 24 órásként olvastak.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clock: nothing found wrong.</source>
        <comment>field.clock_fine</comment>
        <translation>Óra: nem találtunk hibát.</translation>
    </message>
    <message>
        <source>Card: pictures %1 (%2), videos %3 (%4).</source>
        <comment>field.card</comment>
        <translation>Kártya: képek %1 (%2), videók %3 (%4).</translation>
    </message>
    <message>
        <source>Free on the card: %1.</source>
        <comment>field.card_free</comment>
        <translation>Szabad hely a kártyán: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Damaged: %n file(s).</source>
        <comment>field.damaged</comment>
        <translation>
            <numerusform>Sérült: %n fájl.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>field.damaged_more</comment>
        <translation>
            <numerusform>és még %n</numerusform>
        </translation>
    </message>
    <message>
        <source>empty (0 bytes)</source>
        <comment>field.damage_empty</comment>
        <translation>üres (0 bájt)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>field.damage_unreadable</comment>
        <translation>nem olvasható: %1</translation>
    </message>
    <message>
        <source>not what its name says</source>
        <comment>field.damage_not_its_kind</comment>
        <translation>nem az, amit a neve mond</translation>
    </message>
    <message>
        <source>no end marker: the camera lost power while writing it</source>
        <comment>field.damage_no_end_marker</comment>
        <translation>nincs zárójele: a kamera írás közben elvesztette a tápellátást</translation>
    </message>
    <message>
        <source>shorter than its header says: the camera stopped writing it</source>
        <comment>field.damage_truncated</comment>
        <translation>rövidebb, mint a fejléce mondja: a kamera abbahagyta az írását</translation>
    </message>
    <message>
        <source>its header points outside the file</source>
        <comment>field.damage_bad_header</comment>
        <translation>a fejléce a fájlon kívülre mutat</translation>
    </message>
    <message numerus="yes">
        <source>The file counter started again: %n number(s) found twice, %1 among them.</source>
        <comment>field.repeated</comment>
        <translation>
            <numerusform>A fájlszámláló újraindult: %n szám kétszer szerepel, köztük ez: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) tell no time of their own: the file system&apos;s time stands in (%1 among them).</source>
        <comment>field.file_time</comment>
        <translation>
            <numerusform>%n fájl nem tartalmaz saját időt: a fájlrendszer ideje áll helyette (köztük ez: %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card holds no pictures or videos.</source>
        <comment>field.no_media</comment>
        <translation>A kártyán nincs kép vagy videó.</translation>
    </message>
    <message>
        <source>Pictures a day:</source>
        <comment>field.chart</comment>
        <translation>Képek naponta:</translation>
    </message>
    <message>
        <source>Measured against estimated:</source>
        <comment>field.comparison</comment>
        <translation>Mért és becsült:</translation>
    </message>
    <message>
        <source>Pictures: %1, about %2 estimated.</source>
        <comment>field.pictures_estimated</comment>
        <translation>Képek: %1, becslés szerint kb. %2.</translation>
    </message>
    <message>
        <source>Pictures: %1.</source>
        <comment>field.pictures_only</comment>
        <translation>Képek: %1.</translation>
    </message>
    <message>
        <source>Triggers a day: %1 measured, %2 assumed.</source>
        <comment>field.triggers</comment>
        <translation>Napi kioldások: mért %1, feltételezett %2.</translation>
    </message>
    <message>
        <source>Megabytes a picture: %1 measured, %2 assumed (%3).</source>
        <comment>field.megabytes</comment>
        <translation>Megabájt képenként: mért %1, feltételezett %2 (%3).</translation>
    </message>
    <message>
        <source>For the next setup: %1</source>
        <comment>field.next_setup</comment>
        <translation>A következő beállításhoz: %1</translation>
    </message>
    <message>
        <source>before the deployment</source>
        <comment>field.state_before</comment>
        <translation>kihelyezés előtt</translation>
    </message>
    <message>
        <source>working</source>
        <comment>field.state_working</comment>
        <translation>működött</translation>
    </message>
    <message>
        <source>no pictures</source>
        <comment>field.state_no_pictures</comment>
        <translation>nincs kép</translation>
    </message>
    <message>
        <source>down</source>
        <comment>field.state_down</comment>
        <translation>nem működött</translation>
    </message>
    <message>
        <source>card full</source>
        <comment>field.state_card_full</comment>
        <translation>a kártya megtelt</translation>
    </message>
    <message>
        <source>after the deployment</source>
        <comment>field.state_after</comment>
        <translation>kihelyezés után</translation>
    </message>
    <message>
        <source>Card report...</source>
        <comment>field.menu_card_report</comment>
        <translation>Kártyajelentés...</translation>
    </message>
    <message>
        <source>Card report</source>
        <comment>field.window_title</comment>
        <translation>Kártyajelentés</translation>
    </message>
    <message>
        <source>Card or folder:</source>
        <comment>field.folder_label</comment>
        <translation>Kártya vagy mappa:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>field.browse</comment>
        <translation>Tallózás...</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>field.read</comment>
        <translation>Beolvasás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>field.cancel</comment>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Reading the card: %1 of %2 files</source>
        <comment>field.reading</comment>
        <translation>A kártya olvasása: %1 / %2 fájl</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <comment>field.cancelled</comment>
        <translation>Az olvasás megszakadt.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <comment>field.not_a_folder</comment>
        <translation>%1 nem mappa.</translation>
    </message>
    <message>
        <source>Export to Camtrap DP...</source>
        <comment>field.export</comment>
        <translation>Exportálás Camtrap DP formátumba...</translation>
    </message>
    <message>
        <source>The Camtrap DP package is in %1 (pictures and videos: %2).</source>
        <comment>field.exported</comment>
        <translation>A Camtrap DP csomag itt található: %1 (képek és videók: %2).</translation>
    </message>
    <message>
        <source>Left empty, as neither the card nor the log knows them: %1. The package does not validate until they are filled in.</source>
        <comment>field.export_missing</comment>
        <translation>Üresen maradtak, mert sem a kártya, sem a napló nem ismeri őket: %1. A csomag csak kitöltésük után érvényes.</translation>
    </message>
    <message>
        <source>No package was written: %1</source>
        <comment>field.export_failed</comment>
        <translation>Nem készült csomag: %1</translation>
    </message>
    <message>
        <source>Nothing is written onto the card: choose a folder elsewhere.</source>
        <comment>field.export_on_card</comment>
        <translation>A kártyára semmi sem kerül: válasszon máshol egy mappát.</translation>
    </message>
    <message>
        <source>Use %1 triggers a day</source>
        <comment>field.use_triggers</comment>
        <translation>Napi %1 kioldás használata</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>field.close</comment>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>%1, %2: pictures %3, videos %4, time lapse %5 of %6.</source>
        <comment>field.day_detail</comment>
        <translation>%1, %2: képek %3, videók %4, időzített felvétel %5 / %6.</translation>
    </message>
    <message>
        <source>Days:</source>
        <comment>field.days_label</comment>
        <translation>Napok:</translation>
    </message>
    <message>
        <source>estimated</source>
        <comment>field.estimate_legend</comment>
        <translation>becslés</translation>
    </message>
    <message>
        <source>First picture: %1</source>
        <comment>field.first_picture</comment>
        <translation>Első kép: %1</translation>
    </message>
    <message>
        <source>Last picture: %1</source>
        <comment>field.last_picture</comment>
        <translation>Utolsó kép: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>field.no_thumbnail</comment>
        <translation>(nincs)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>field.damaged_file</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The card&apos;s return is logged in %1.</source>
        <comment>field.retrieval_logged</comment>
        <translation>A kártya visszaérkezése naplózva: %1.</translation>
    </message>
    <message>
        <source>The card&apos;s return could not be logged in %1: %2</source>
        <comment>field.retrieval_not_logged</comment>
        <translation>A kártya visszaérkezését nem sikerült naplózni (%1): %2</translation>
    </message>
    <message>
        <source>The log holds no card written that this one brings back: its return is logged on its own.</source>
        <comment>field.retrieval_alone</comment>
        <translation>A napló nem tartalmaz olyan megírt kártyát, amelynek ez megfelelne: a visszaérkezését önállóan naplózzuk.</translation>
    </message>
</context>
<context>
    <name>FleetText</name>
    <message>
        <source>Set up many cards...</source>
        <comment>fleet.menu_many_cards</comment>
        <translation>Több kártya beállítása...</translation>
    </message>
    <message>
        <source>Save kit from card...</source>
        <comment>fleet.menu_save_kit</comment>
        <translation>Készlet mentése a kártyáról...</translation>
    </message>
    <message>
        <source>Set up many cards</source>
        <comment>fleet.window_title</comment>
        <translation>Több kártya beállítása</translation>
    </message>
    <message>
        <source>Kit file:</source>
        <comment>fleet.kit_label</comment>
        <translation>Készletfájl:</translation>
    </message>
    <message>
        <source>Cameras (CSV):</source>
        <comment>fleet.cameras_label</comment>
        <translation>Kamerák (CSV):</translation>
    </message>
    <message>
        <source>Log file:</source>
        <comment>fleet.log_label</comment>
        <translation>Naplófájl:</translation>
    </message>
    <message>
        <source>Set up by:</source>
        <comment>fleet.setup_by_label</comment>
        <translation>Telepítette:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>fleet.browse</comment>
        <translation>Tallózás...</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>fleet.start</comment>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>fleet.stop</comment>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>fleet.close</comment>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Cards done:</source>
        <comment>fleet.cards_done</comment>
        <translation>Elkészült kártyák:</translation>
    </message>
    <message>
        <source>Choose a kit file, then press Start.</source>
        <comment>fleet.choose_kit</comment>
        <translation>Válasszon készletfájlt, majd nyomja meg az Indítás gombot.</translation>
    </message>
    <message>
        <source>Insert the card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_card_for</comment>
        <translation>Helyezze be a(z) %1 kamera kártyáját (%2/%3)</translation>
    </message>
    <message>
        <source>Insert the next card (%1 written)</source>
        <comment>fleet.insert_next_card</comment>
        <translation>Helyezze be a következő kártyát (%1 megírva)</translation>
    </message>
    <message>
        <source>Writing the card for camera %1 (%2)...</source>
        <comment>fleet.writing</comment>
        <translation>A(z) %1 kamera kártyájának írása (%2)...</translation>
    </message>
    <message>
        <source>The card for camera %1 is done and ejected: remove it.</source>
        <comment>fleet.remove_ejected</comment>
        <translation>A(z) %1 kamera kártyája elkészült és ki lett adva: vegye ki.</translation>
    </message>
    <message>
        <source>The card for camera %1 is done: unmount and remove the card at %2.</source>
        <comment>fleet.remove_card</comment>
        <translation>A(z) %1 kamera kártyája elkészült: válassza le és vegye ki a(z) %2 helyen lévő kártyát.</translation>
    </message>
    <message>
        <source>The card at %1 was left as it was: remove it.</source>
        <comment>fleet.remove_skipped</comment>
        <translation>A(z) %1 helyen lévő kártya változatlan maradt: vegye ki.</translation>
    </message>
    <message>
        <source>The card at %1 holds the files of another camera (serial text %2). Replace them with the settings of camera %3?</source>
        <comment>fleet.ask_other_camera</comment>
        <translation>A(z) %1 helyen lévő kártyán egy másik kamera fájljai vannak (sorozatszöveg: %2). Lecseréli őket a(z) %3 kamera beállításaira?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 holds other settings than this kit&apos;s. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_other_kit</comment>
        <translation>A(z) %1 helyen lévő kártya %2 fájljában más beállítások vannak, mint ebben a készletben. Lecseréli a(z) %3 kamera beállításaira?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 is damaged or cannot be read. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_damaged</comment>
        <translation>A(z) %1 helyen lévő kártya %2 fájlja sérült vagy nem olvasható. Lecseréli a(z) %3 kamera beállításaira?</translation>
    </message>
    <message>
        <source>done</source>
        <comment>fleet.result_done</comment>
        <translation>kész</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <comment>fleet.result_failed</comment>
        <translation>sikertelen: %1</translation>
    </message>
    <message>
        <source>incomplete (stopped)</source>
        <comment>fleet.result_incomplete</comment>
        <translation>befejezetlen (leállítva)</translation>
    </message>
    <message>
        <source>left as it was</source>
        <comment>fleet.result_skipped</comment>
        <translation>változatlanul hagyva</translation>
    </message>
    <message>
        <source>Every camera&apos;s card is written (%1).</source>
        <comment>fleet.all_done</comment>
        <translation>Minden kamera kártyája megírva (%1).</translation>
    </message>
    <message>
        <source>One card written (camera %1).</source>
        <comment>fleet.one_card_written</comment>
        <translation>Egy kártya megírva (%1 kamera).</translation>
    </message>
    <message>
        <source>Stopped; %1 cards written.</source>
        <comment>fleet.stopped</comment>
        <translation>Leállítva; %1 kártya megírva.</translation>
    </message>
    <message>
        <source>Stopped during the card for camera %1: that card is incomplete and must be written again.</source>
        <comment>fleet.stopped_during_card</comment>
        <translation>Leállítva a(z) %1 kamera kártyája közben: a kártya befejezetlen, újra meg kell írni.</translation>
    </message>
    <message>
        <source>The card for camera %1 failed: %2</source>
        <comment>fleet.card_failed</comment>
        <translation>A(z) %1 kamera kártyája sikertelen: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <comment>fleet.input_unusable</comment>
        <translation>A(z) %1 nem használható: %2</translation>
    </message>
    <message>
        <source>The kit &quot;%1&quot; was saved: %2</source>
        <comment>fleet.kit_saved</comment>
        <translation>A(z) „%1” készlet elmentve: %2</translation>
    </message>
    <message>
        <source>No kit was saved: %1</source>
        <comment>fleet.kit_not_saved</comment>
        <translation>Nem lett készlet mentve: %1</translation>
    </message>
    <message>
        <source>%1 holds no settings file.</source>
        <comment>fleet.no_settings_file</comment>
        <translation>A(z) %1 nem tartalmaz beállításfájlt.</translation>
    </message>
    <message>
        <source>Cards are still being set up. Stop and close the window?</source>
        <comment>fleet.ask_stop_first</comment>
        <translation>A kártyák beállítása még folyamatban van. Leállítja és bezárja az ablakot?</translation>
    </message>
    <message>
        <source>These cameras have a card done in the log and are passed over: %1</source>
        <comment>fleet.passing_over_done</comment>
        <translation>Ezeknek a kameráknak a napló szerint már van kész kártyájuk, ezért kimaradnak: %1</translation>
    </message>
    <message>
        <source>Every camera has a card done in the log: nothing is left to write.</source>
        <comment>fleet.nothing_left</comment>
        <translation>A napló szerint minden kamerának van kész kártyája: nincs több írnivaló.</translation>
    </message>
    <message>
        <source>Insert another card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_another_card_for</comment>
        <translation>Helyezzen be egy másik kártyát a(z) %1 kamerához (%2/%3)</translation>
    </message>
    <message>
        <source>Camera %1 already has a card done (%2). Write another card for it, which replaces that one?</source>
        <comment>fleet.ask_again</comment>
        <translation>A(z) %1 kamerának már van kész kártyája (%2). Ír neki egy másik kártyát, amely azt felváltja?</translation>
    </message>
    <message>
        <source>done; it replaces the %1</source>
        <comment>fleet.result_done_replacing</comment>
        <translation>kész; ezt váltja fel: %1</translation>
    </message>
    <message>
        <source>The card for camera %1 is not done.</source>
        <comment>fleet.card_not_written</comment>
        <translation>A(z) %1 kamera kártyája nincs kész.</translation>
    </message>
    <message>
        <source>These cameras still have no card: %1</source>
        <comment>fleet.still_without_card</comment>
        <translation>Ezeknek a kameráknak még nincs kártyájuk: %1</translation>
    </message>
    <message>
        <source>the card is read-only or locked; nothing was written</source>
        <comment>fleet.read_only_card</comment>
        <translation>a kártya csak olvasható vagy zárolt; semmi sem lett megírva</translation>
    </message>
    <message>
        <source>The card at %1:</source>
        <comment>fleet.card_warnings</comment>
        <translation>A(z) %1 helyen lévő kártya:</translation>
    </message>
    <message>
        <source>The log has the card at %1 as the card of camera %2 (%3).</source>
        <comment>fleet.card_of_other_camera</comment>
        <translation>A napló szerint a(z) %1 helyen lévő kártya a(z) %2 kamera kártyája (%3).</translation>
    </message>
    <message>
        <source>Write the settings of camera %1 onto it all the same?</source>
        <comment>fleet.ask_write_anyway</comment>
        <translation>Mégis ráírja a(z) %1 kamera beállításait?</translation>
    </message>
    <message>
        <source>%1 on the card is a link; nothing was written</source>
        <comment>fleet.file_is_link_on_card</comment>
        <translation>A kártyán lévő %1 egy hivatkozás; semmi sem lett megírva</translation>
    </message>
    <message>
        <source>%1 on the card is a folder or a device, not a file; nothing was written</source>
        <comment>fleet.file_not_regular_on_card</comment>
        <translation>A kártyán lévő %1 mappa vagy eszköz, nem fájl; semmi sem lett megírva</translation>
    </message>
    <message>
        <source>the card has %1 free, but the files need %2; nothing was written</source>
        <comment>fleet.no_room_on_card</comment>
        <translation>a kártyán %1 szabad, de a fájloknak %2 kell; semmi sem lett megírva</translation>
    </message>
    <message>
        <source>the card is only partly written: %1 already hold the new settings. %2 Write the card again before it goes out.</source>
        <comment>fleet.partly_written</comment>
        <translation>a kártya csak részben lett megírva: a(z) %1 már az új beállításokat tartalmazza. %2 Írja újra a kártyát, mielőtt kikerül.</translation>
    </message>
    <message>
        <source>it is still mounted</source>
        <comment>fleet.still_mounted</comment>
        <translation>még csatolva van</translation>
    </message>
    <message>
        <source>The card for camera %1 is done, but it did not eject (%2): unmount and remove the card at %3 by hand.</source>
        <comment>fleet.remove_by_hand</comment>
        <translation>A(z) %1 kamera kártyája elkészült, de nem lett kiadva (%2): kézzel válassza le és vegye ki a(z) %3 helyen lévő kártyát.</translation>
    </message>
    <message>
        <source>The card at %1 is not done: remove it.</source>
        <comment>fleet.remove_failed</comment>
        <translation>A(z) %1 helyen lévő kártya nincs kész: vegye ki.</translation>
    </message>
    <message>
        <source>The card at %1 is not done and did not eject (%2): unmount and remove it by hand.</source>
        <comment>fleet.remove_failed_by_hand</comment>
        <translation>A(z) %1 helyen lévő kártya nincs kész, és nem lett kiadva (%2): kézzel válassza le és vegye ki.</translation>
    </message>
    <message>
        <source>the log could not be written: %1</source>
        <comment>fleet.log_not_written</comment>
        <translation>a naplót nem sikerült írni: %1</translation>
    </message>
    <message>
        <source>The log %1 ended in half a row (line %2): that row is kept on a line of its own, and the new row is below it.</source>
        <comment>fleet.log_ended_damaged</comment>
        <translation>A(z) %1 napló fél sorral végződött (%2. sor): ez a sor külön sorban megmarad, az új sor alatta van.</translation>
    </message>
    <message>
        <source>The log %1 was saved over by another program since the last row; the new row went into the file there now.</source>
        <comment>fleet.log_replaced</comment>
        <translation>A(z) %1 naplót egy másik program felülírta az utolsó sor óta; az új sor az ott most lévő fájlba került.</translation>
    </message>
    <message>
        <source>Cameras and their cards (double-click one to write its card next):</source>
        <comment>fleet.cameras_table_label</comment>
        <translation>Kamerák és kártyáik (dupla kattintás: az ő kártyája jön):</translation>
    </message>
    <message>
        <source>Set up in the field:</source>
        <comment>fleet.set_up_in_field_label</comment>
        <translation>Kihelyezve:</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>fleet.column_camera</comment>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Location</source>
        <comment>fleet.column_location</comment>
        <translation>Helyszín</translation>
    </message>
    <message>
        <source>Card</source>
        <comment>fleet.column_card</comment>
        <translation>Kártya</translation>
    </message>
    <message>
        <source>State</source>
        <comment>fleet.column_state</comment>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>waiting</source>
        <comment>fleet.state_waiting</comment>
        <translation>várakozik</translation>
    </message>
    <message>
        <source>next: insert its card</source>
        <comment>fleet.state_next</comment>
        <translation>következik: helyezze be a kártyáját</translation>
    </message>
    <message>
        <source>writing</source>
        <comment>fleet.state_writing</comment>
        <translation>írás folyamatban</translation>
    </message>
    <message>
        <source>done earlier (%1)</source>
        <comment>fleet.state_done_before</comment>
        <translation>korábban elkészült (%1)</translation>
    </message>
    <message>
        <source>The time set up in the field cannot be used: %1</source>
        <comment>fleet.time_unusable</comment>
        <translation>A kihelyezés ideje nem használható: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2</source>
        <comment>fleet.name_unusable</comment>
        <translation>A(z) „%1” nem használható: %2</translation>
    </message>
    <message>
        <source>The kit holds passwords (%1): keep the file to yourself.</source>
        <comment>fleet.kit_holds_passwords</comment>
        <translation>A készlet jelszavakat tartalmaz (%1): a fájlt tartsa meg magának.</translation>
    </message>
    <message>
        <source>card %1 written %2</source>
        <comment>fleet.card_named_written_at</comment>
        <translation>%1 kártya, megírva: %2</translation>
    </message>
    <message>
        <source>card written %1</source>
        <comment>fleet.card_written_at</comment>
        <translation>kártya, megírva: %1</translation>
    </message>
    <message>
        <source>Cards:</source>
        <comment>fleet.mode_label</comment>
        <translation>Kártyák:</translation>
    </message>
    <message>
        <source>Set up for the field</source>
        <comment>fleet.mode_set_up</comment>
        <translation>Terepre előkészítés</translation>
    </message>
    <message>
        <source>Returned from the field</source>
        <comment>fleet.mode_returned</comment>
        <translation>Terepről visszahozott</translation>
    </message>
    <message>
        <source>Choose the deployment log, then press Start.</source>
        <comment>fleet.choose_log</comment>
        <translation>Válassza ki a kihelyezési naplót, majd nyomja meg az Indítás gombot.</translation>
    </message>
    <message>
        <source>Cameras and their returned cards:</source>
        <comment>fleet.cameras_returned_label</comment>
        <translation>Kamerák és visszahozott kártyáik:</translation>
    </message>
    <message>
        <source>in the field (card written %1)</source>
        <comment>fleet.state_in_field</comment>
        <translation>terepen (kártya megírva: %1)</translation>
    </message>
    <message>
        <source>returned (read %1)</source>
        <comment>fleet.state_returned</comment>
        <translation>visszahozva (beolvasva: %1)</translation>
    </message>
    <message>
        <source>reading</source>
        <comment>fleet.state_reading</comment>
        <translation>beolvasás folyamatban</translation>
    </message>
    <message>
        <source>Insert a returned card (read so far: %1)</source>
        <comment>fleet.insert_returned_card</comment>
        <translation>Helyezzen be egy visszahozott kártyát (eddig beolvasva: %1)</translation>
    </message>
    <message>
        <source>Reading the card at %1...</source>
        <comment>fleet.reading_card</comment>
        <translation>A(z) %1 helyen lévő kártya beolvasása...</translation>
    </message>
    <message>
        <source>returned: %1</source>
        <comment>fleet.result_returned</comment>
        <translation>visszahozva: %1</translation>
    </message>
    <message>
        <source>The card at %1 was not read to the end or its return not logged (%2): remove it.</source>
        <comment>fleet.return_not_read</comment>
        <translation>A(z) %1 helyen lévő kártyát nem sikerült végig beolvasni, vagy a visszaérkezését naplózni (%2): vegye ki.</translation>
    </message>
    <message>
        <source>The card of %1 is read, its return logged, and it is ejected: remove it and insert the next one.</source>
        <comment>fleet.returned_ejected</comment>
        <translation>%1 kártyája beolvasva, visszaérkezése naplózva, és ki lett adva: vegye ki, és helyezze be a következőt.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged: unmount and remove the card at %2, then insert the next one.</source>
        <comment>fleet.returned_remove</comment>
        <translation>%1 kártyája beolvasva, visszaérkezése naplózva: válassza le és vegye ki a(z) %2 helyen lévő kártyát, majd helyezze be a következőt.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged, but it was not ejected (%2): unmount and remove the card at %3.</source>
        <comment>fleet.returned_remove_by_hand</comment>
        <translation>%1 kártyája beolvasva, visszaérkezése naplózva, de nem lett kiadva (%2): válassza le és vegye ki a(z) %3 helyen lévő kártyát.</translation>
    </message>
    <message>
        <source>Stopped. Returned cards read: %1.</source>
        <comment>fleet.returns_stopped</comment>
        <translation>Leállítva. Beolvasott visszahozott kártyák: %1.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 in this folder is a link to another file; nothing was written.</source>
        <comment>notice.file_is_link</comment>
        <translation>A mappában lévő %1 egy másik fájlra mutató hivatkozás, ezért a program nem írta felül.</translation>
    </message>
    <message>
        <source>No folder chosen: choose the card&apos;s folder first.</source>
        <comment>notice.no_folder_chosen</comment>
        <translation>Nincs mappa kiválasztva: előbb válassza ki a kártya mappáját.</translation>
    </message>
    <message>
        <source>Another write to %1 is in progress; nothing was written. Try again in a moment.</source>
        <comment>notice.write_in_progress</comment>
        <translation>A(z) %1 fájlba éppen más folyamat ír; a program nem írt semmit. Próbálja újra kicsit később.</translation>
    </message>
    <message>
        <source>The file %1 was written, but it could not be read back to check it. Generate it again, or use Load from card to check it.</source>
        <comment>notice.written_unchecked</comment>
        <translation>A(z) %1 fájl elkészült, de ellenőrzésre nem sikerült visszaolvasni. Hozza létre újra, vagy ellenőrizze a „Betöltés a kártyáról” paranccsal.</translation>
    </message>
    <message>
        <source>the path is too long.</source>
        <comment>notice.reason_path_too_long</comment>
        <translation>az elérési út túl hosszú.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <comment>notice.file_written</comment>
        <translation>Fájl: %1</translation>
    </message>
    <message>
        <source>Replace the menu.dat in %1 with the factory settings?</source>
        <comment>notice.confirm_factory_reset</comment>
        <translation>Lecseréli a(z) %1 mappában lévő menu.dat fájlt a gyári beállításokra?</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535.</source>
        <comment>notice.port_not_number</comment>
        <translation>A portnak 1 és 65535 közötti egész számnak kell lennie.</translation>
    </message>
    <message>
        <source>The download page could not be opened. Its address is %1</source>
        <comment>notice.url_not_opened</comment>
        <translation>A letöltési oldalt nem sikerült megnyitni. A címe: %1</translation>
    </message>
    <message>
        <source>This model does not send e-mail.</source>
        <comment>notice.model_sends_no_email</comment>
        <translation>Ez a modell nem küld e-mailt.</translation>
    </message>
    <message>
        <source>Load from card</source>
        <comment>notice.menu_load_from_card</comment>
        <translation>Betöltés a kártyáról</translation>
    </message>
    <message>
        <source>Load profile...</source>
        <comment>notice.menu_load_profile</comment>
        <translation>Profil betöltése...</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <comment>notice.menu_save_profile</comment>
        <translation>Profil mentése...</translation>
    </message>
    <message>
        <source>Restore previous file</source>
        <comment>notice.menu_restore_previous</comment>
        <translation>Előző fájl visszaállítása</translation>
    </message>
    <message>
        <source>There is no %1 in this folder; the form was left as it was.</source>
        <comment>notice.file_absent</comment>
        <translation>Ebben a mappában nincs %1; az űrlap változatlan maradt.</translation>
    </message>
    <message>
        <source>%1 in this folder is damaged; the form was left as it was.</source>
        <comment>notice.file_damaged</comment>
        <translation>A mappában lévő %1 sérült; az űrlap változatlan maradt.</translation>
    </message>
    <message>
        <source>%1 in this folder was written for a different camera model; the form was left as it was.</source>
        <comment>notice.file_other_form</comment>
        <translation>A mappában lévő %1 egy másik kameramodellhez készült; az űrlap változatlan maradt.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be used: %2</source>
        <comment>notice.profile_unusable</comment>
        <translation>A(z) %1 profil nem használható: %2</translation>
    </message>
    <message>
        <source>Profile saved.</source>
        <comment>notice.profile_saved</comment>
        <translation>Profil elmentve.</translation>
    </message>
    <message>
        <source>No earlier %1 from this folder is kept in the history.</source>
        <comment>notice.no_previous_file</comment>
        <translation>Az előzményekben nincs megőrizve korábbi %1 ebből a mappából.</translation>
    </message>
    <message>
        <source>Write back the %1 this folder held before %2?</source>
        <comment>notice.ask_restore_previous</comment>
        <translation>Visszaállítja a(z) %1 fájlt, amely %2 előtt volt ebben a mappában?</translation>
    </message>
    <message>
        <source>No copy of the replaced file could be kept, so it cannot be restored later.</source>
        <comment>notice.no_copy_kept</comment>
        <translation>A lecserélt fájlról nem sikerült másolatot megőrizni, így később nem állítható vissza.</translation>
    </message>
    <message>
        <source>More...</source>
        <comment>notice.menu_more</comment>
        <translation>Továbbiak...</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <comment>notice.loaded_from</comment>
        <translation>Betöltve innen: %1</translation>
    </message>
    <message>
        <source>%1 in this folder is the factory reset record; it holds no settings to load.</source>
        <comment>notice.file_is_factory_reset</comment>
        <translation>A mappában lévő %1 a gyári beállításokat visszaállító rekord; nincs benne betölthető beállítás.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <comment>notice.ask_replace_profile</comment>
        <translation>A(z) %1 már létezik. Lecseréli?</translation>
    </message>
    <message>
        <source>No lock could be made to write %1 safely (%2); nothing was written.</source>
        <comment>notice.lock_unavailable</comment>
        <translation>Nem sikerült zárolást létrehozni a(z) %1 írásához (%2); a program nem írt semmit.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is not valid UTF-8 text, so the file cannot be written there. Rename the folder (or mount the card under another name) and choose it again.</source>
        <comment>notice.name_not_utf8</comment>
        <translation>A mappa neve nem érvényes UTF-8 szöveg, ezért a fájl nem írható bele. Nevezze át a mappát (vagy csatlakoztassa a kártyát más néven), és válassza ki újra.</translation>
    </message>
    <message>
        <source>The file %1 was written, but the card did not confirm the change to its folder (%2). Generate it again, or check the card with &quot;kestrova inspect&quot;.</source>
        <comment>notice.folder_not_flushed</comment>
        <translation>A(z) %1 fájl meg lett írva, de a kártya nem erősítette meg a mappa változását (%2). Hozza létre újra, vagy ellenőrizze a kártyát a &quot;kestrova inspect&quot; paranccsal.</translation>
    </message>
    <message>
        <source>Its camera clock will be set to the current time; every other setting stays as it was.</source>
        <comment>notice.restore_sets_clock</comment>
        <translation>A benne lévő kameraóra a pontos időre áll; minden más beállítás változatlan marad.</translation>
    </message>
    <message>
        <source>%1 was restored as it was before %2.</source>
        <comment>notice.restored_from</comment>
        <translation>A(z) %1 vissza lett állítva a(z) %2 előtti állapotára.</translation>
    </message>
    <message>
        <source>The kept copy of %1 cannot be written back: %2.</source>
        <comment>notice.previous_copy_damaged</comment>
        <translation>A(z) %1 megőrzött másolata nem írható vissza: %2.</translation>
    </message>
    <message>
        <source>%1 in %2 holds settings (%3). Load them into the form?</source>
        <comment>notice.ask_load_from_folder</comment>
        <translation>A(z) %2 mappában lévő %1 fájlban beállítások vannak (%3). Betölti őket az űrlapba?</translation>
    </message>
    <message>
        <source>%1, clock %2</source>
        <comment>notice.holds_menu_of</comment>
        <translation>%1, óra %2</translation>
    </message>
    <message>
        <source>The %1 this folder held before %2 came from the card %3; which card the folder holds now is not known. Write it back?</source>
        <comment>notice.ask_restore_from_card</comment>
        <translation>A(z) %1 fájl, amely %2 előtt ebben a mappában volt, a(z) %3 kártyáról származik; nem tudni, most melyik kártya van a mappában. Visszaírja?</translation>
    </message>
    <message>
        <source>%1 was not written back: it came from the card %2, but the folder now holds the card %3.</source>
        <comment>notice.restore_other_card</comment>
        <translation>A(z) %1 fájl nem lett visszaírva: a(z) %2 kártyáról származik, de a mappában most a(z) %3 kártya van.</translation>
    </message>
</context>
<context>
    <name>ProfileReason</name>
    <message>
        <source>%1 is not allowed; use a position 0..%2 or one of: %3</source>
        <translation>%1 nem megengedett; adjon meg egy 0..%2 pozíciót vagy ezek egyikét: %3</translation>
    </message>
    <message>
        <source>Enter a whole number (got %1).</source>
        <translation>Adjon meg egy egész számot (megadott érték: %1).</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2 (got %3).</source>
        <translation>Adjon meg egy egész számot %1 és %2 között (megadott érték: %3).</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>A telefonszám legfeljebb %1 számjegyből áll.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>What the camera will do</source>
        <comment>summary.strip_title</comment>
        <translation>Mit fog tenni a kamera</translation>
    </message>
    <message>
        <source>Triggers a day (assumed):</source>
        <comment>summary.assumed_triggers</comment>
        <translation>Napi kioldások (feltételezett):</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <comment>summary.warning_line</comment>
        <translation>Figyelem: %1</translation>
    </message>
    <message>
        <source>Print settings sheet...</source>
        <comment>summary.menu_print_sheet</comment>
        <translation>Beállítási lap nyomtatása...</translation>
    </message>
    <message>
        <source>Settings sheet: %1</source>
        <comment>summary.sheet_title</comment>
        <translation>Beállítási lap: %1</translation>
    </message>
    <message>
        <source>Camera model</source>
        <comment>summary.sheet_model</comment>
        <translation>Kameramodell</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>summary.sheet_folder</comment>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>summary.sheet_date</comment>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Check value</source>
        <comment>summary.sheet_check_value</comment>
        <translation>Ellenőrző érték</translation>
    </message>
    <message>
        <source>none yet: these settings do not pass the checks before writing</source>
        <comment>summary.sheet_no_check</comment>
        <translation>még nincs: ezek a beállítások még nem felelnek meg az írás előtti ellenőrzésnek</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>summary.sheet_settings</comment>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>summary.sheet_warnings</comment>
        <translation>Figyelmeztetések</translation>
    </message>
    <message>
        <source>None.</source>
        <comment>summary.sheet_no_warnings</comment>
        <translation>Nincs.</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <comment>summary.hidden_value</comment>
        <translation>(rejtett)</translation>
    </message>
    <message>
        <source>The settings sheet could not be printed: %1</source>
        <comment>summary.sheet_print_failed</comment>
        <translation>A beállítási lapot nem sikerült kinyomtatni: %1</translation>
    </message>
    <message>
        <source>Changed on the card:</source>
        <comment>summary.changed_header</comment>
        <translation>A kártyán módosult:</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <comment>summary.changed_line</comment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: changed</source>
        <comment>summary.changed_hidden_line</comment>
        <translation>%1: módosítva</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment>summary.changed_more</comment>
        <translation>és még %1</translation>
    </message>
    <message>
        <source>New file.</source>
        <comment>summary.change_new_file</comment>
        <translation>Új fájl.</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <comment>summary.change_nothing</comment>
        <translation>Egyetlen beállítás sem változott.</translation>
    </message>
    <message>
        <source>It replaced a damaged file.</source>
        <comment>summary.change_replaced_damaged</comment>
        <translation>Egy sérült fájlt cserélt le.</translation>
    </message>
    <message>
        <source>It replaced the factory reset record.</source>
        <comment>summary.change_replaced_factory</comment>
        <translation>A gyári beállításokat visszaállító rekordot cserélte le.</translation>
    </message>
    <message>
        <source>It replaced a file written for another camera model.</source>
        <comment>summary.change_replaced_other</comment>
        <translation>Egy másik kameramodellhez készült fájlt cserélt le.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>summary.seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>summary.minutes</comment>
        <translation>%1 perc</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>summary.hours</comment>
        <translation>%1 óra</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>summary.hours_minutes</comment>
        <translation>%1 óra %2 perc</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <comment>summary.minutes_seconds</comment>
        <translation>%1 perc %2 s</translation>
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
        <translation>Mozgásra: 1 fénykép (%1).</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1.</source>
        <comment>summary.trigger_photos2</comment>
        <translation>Mozgásra: 2 fénykép (%1).</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1.</source>
        <comment>summary.trigger_photos3</comment>
        <translation>Mozgásra: 3 fénykép (%1).</translation>
    </message>
    <message>
        <source>On motion: a %1 video at %2.</source>
        <comment>summary.trigger_video</comment>
        <translation>Mozgásra: egy %1 hosszú videó (%2).</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video1</comment>
        <translation>Mozgásra: 1 fénykép (%1) és egy %2 hosszú videó (%3).</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video2</comment>
        <translation>Mozgásra: 2 fénykép (%1) és egy %2 hosszú videó (%3).</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video3</comment>
        <translation>Mozgásra: 3 fénykép (%1) és egy %2 hosszú videó (%3).</translation>
    </message>
    <message>
        <source>After each trigger it waits %1 before the next.</source>
        <comment>summary.wait_after_trigger</comment>
        <translation>Minden kioldás után %1 várakozik a következőig.</translation>
    </message>
    <message>
        <source>After each trigger it is ready again at once.</source>
        <comment>summary.no_wait</comment>
        <translation>Minden kioldás után azonnal újra kész.</translation>
    </message>
    <message>
        <source>The motion sensor is on (sensitivity: %1).</source>
        <comment>summary.motion_on</comment>
        <translation>A mozgásérzékelő be van kapcsolva (érzékenység: %1).</translation>
    </message>
    <message>
        <source>The motion sensor is off.</source>
        <comment>summary.motion_off</comment>
        <translation>A mozgásérzékelő ki van kapcsolva.</translation>
    </message>
    <message>
        <source>The side sensors are on.</source>
        <comment>summary.side_on</comment>
        <translation>Az oldalsó érzékelők be vannak kapcsolva.</translation>
    </message>
    <message>
        <source>The side sensors are off.</source>
        <comment>summary.side_off</comment>
        <translation>Az oldalsó érzékelők ki vannak kapcsolva.</translation>
    </message>
    <message>
        <source>It is active all day.</source>
        <comment>summary.active_all_day</comment>
        <translation>Egész nap működik.</translation>
    </message>
    <message>
        <source>It is active %1 (%2 a day).</source>
        <comment>summary.active_one_window</comment>
        <translation>Működik: %1 (napi %2).</translation>
    </message>
    <message>
        <source>It is active %1 and %2 (%3 a day).</source>
        <comment>summary.active_two_windows</comment>
        <translation>Működik: %1 és %2 (napi %3).</translation>
    </message>
    <message>
        <source>Its timers leave no time in which it is active.</source>
        <comment>summary.active_never</comment>
        <translation>Az időkapcsolók nem hagynak működési időt.</translation>
    </message>
    <message>
        <source>And one photo every %1 while active: %2 a day.</source>
        <comment>summary.time_lapse</comment>
        <translation>Ezenkívül működés közben %1 időközönként egy fénykép: napi %2.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time and the text &quot;%1&quot;.</source>
        <comment>summary.stamp_time_and_text</comment>
        <translation>A képekre rákerül az idő és a(z) „%1” szöveg.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time.</source>
        <comment>summary.stamp_time</comment>
        <translation>A képekre rákerül az idő.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the text &quot;%1&quot;.</source>
        <comment>summary.stamp_text</comment>
        <translation>A képekre rákerül a(z) „%1” szöveg.</translation>
    </message>
    <message>
        <source>Nothing is stamped on the pictures.</source>
        <comment>summary.stamp_nothing</comment>
        <translation>A képekre semmi sem kerül.</translation>
    </message>
    <message>
        <source>When the card is full, the oldest files are overwritten.</source>
        <comment>summary.sd_cycle_on</comment>
        <translation>Ha a kártya megtelik, a legrégebbi fájlok felülíródnak.</translation>
    </message>
    <message>
        <source>When the card is full, the camera stops recording.</source>
        <comment>summary.sd_cycle_off</comment>
        <translation>Ha a kártya megtelik, a kamera leállítja a felvételt.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1 when it reads this card; insert the card soon, or the clock runs behind by the time in between.</source>
        <comment>summary.clock_set</comment>
        <translation>Amikor a kamera beolvassa ezt a kártyát, az órája %1 időre áll be; hamar helyezze be a kártyát, különben az óra a közben eltelt idővel késni fog.</translation>
    </message>
    <message>
        <source>This record returns the camera to its factory settings.</source>
        <comment>summary.factory_reset</comment>
        <translation>Ez a rekord visszaállítja a kamera gyári beállításait.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, card use about %2.</source>
        <comment>summary.estimate_photos</comment>
        <translation>Becslés naponta: kb. %1 kép, kb. %2 a kártyán.</translation>
    </message>
    <message>
        <source>Estimated a day: video about %1, card use about %2.</source>
        <comment>summary.estimate_video</comment>
        <translation>Becslés naponta: kb. %1 videó, kb. %2 a kártyán.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, video about %2, card use about %3.</source>
        <comment>summary.estimate_both</comment>
        <translation>Becslés naponta: kb. %1 kép, kb. %2 videó, kb. %3 a kártyán.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2.</source>
        <comment>summary.card_lasts</comment>
        <translation>Napok, amíg a kártya (%1 szabad) megtelik: kb. %2.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2; then the oldest files are overwritten.</source>
        <comment>summary.card_overwrites</comment>
        <translation>Napok, amíg a kártya (%1 szabad) megtelik: kb. %2; ezután a legrégebbi fájlok felülíródnak.</translation>
    </message>
    <message>
        <source>MMS sending is off.</source>
        <comment>summary.mms_off</comment>
        <translation>Az MMS-küldés ki van kapcsolva.</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS to %2.</source>
        <comment>summary.mms_sends</comment>
        <translation>Minden képet %1 MMS-ként küld el ide: %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture to %1.</source>
        <comment>summary.sends_sms</comment>
        <translation>Minden képről SMS-t küld ide: %1.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; messages: at most %2 a day, %3 a month.</source>
        <comment>summary.messages_limit</comment>
        <translation>Képek naponta: legfeljebb %1; üzenetek: legfeljebb napi %2, havi %3.</translation>
    </message>
    <message>
        <source>E-mail sending is off.</source>
        <comment>summary.email_off</comment>
        <translation>Az e-mail-küldés ki van kapcsolva.</translation>
    </message>
    <message>
        <source>It e-mails each picture to %1 through %2, port %3, from %4.</source>
        <comment>summary.email_sends</comment>
        <translation>Minden képet e-mailben küld ide: %1, a(z) %2 kiszolgálón át (port: %3), erről a címről: %4.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; e-mails: at most %2 a day, %3 a month.</source>
        <comment>summary.emails_limit</comment>
        <translation>Képek naponta: legfeljebb %1; e-mailek: legfeljebb napi %2, havi %3.</translation>
    </message>
    <message>
        <source>SMS remote control is off.</source>
        <comment>summary.remote_off</comment>
        <translation>Az SMS-távvezérlés ki van kapcsolva.</translation>
    </message>
    <message>
        <source>Network: the operator preset for %1, %2.</source>
        <comment>summary.network_preset</comment>
        <translation>Hálózat: a szolgáltatói előbeállítás (%1, %2).</translation>
    </message>
    <message>
        <source>Network: typed in (APN %1).</source>
        <comment>summary.network_typed</comment>
        <translation>Hálózat: kézzel megadva (APN: %1).</translation>
    </message>
    <message>
        <source>%1 and %2 are both off: the camera never takes a picture.</source>
        <comment>summary.conflict_never_pictures</comment>
        <translation>%1 és %2 is ki van kapcsolva: a kamera soha nem készít képet.</translation>
    </message>
    <message>
        <source>%1 is on with start and stop both at %2: its window is empty, or the whole day, depending on the camera.</source>
        <comment>summary.conflict_timer_empty</comment>
        <translation>%1 be van kapcsolva, de a kezdés és a befejezés is %2: az időablak üres vagy egész napos, a kamerától függően.</translation>
    </message>
    <message>
        <source>%1 is on with an interval of 0: the camera cannot take a photo every 0 seconds.</source>
        <comment>summary.conflict_time_lapse_zero</comment>
        <translation>%1 be van kapcsolva 0 időközzel: a kamera nem tud 0 másodpercenként képet készíteni.</translation>
    </message>
    <message>
        <source>The %1 interval (%2) is longer than the active window %3: only one photo is taken in it.</source>
        <comment>summary.conflict_time_lapse_long</comment>
        <translation>A(z) %1 időköze (%2) hosszabb, mint a(z) %3 működési időablak: abban csak egy kép készül.</translation>
    </message>
    <message>
        <source>%1 is 0 s while %2 is %3: each motion starts the next capture at once, which fills the card and drains the battery.</source>
        <comment>summary.conflict_zero_interval</comment>
        <translation>%1 értéke 0 s, miközben %2 értéke %3: minden mozgás azonnal elindítja a következő felvételt, ami megtölti a kártyát és lemeríti az akkumulátort.</translation>
    </message>
    <message>
        <source>%1 is %2, but no recipient is given: nothing is sent.</source>
        <comment>summary.conflict_no_recipient</comment>
        <translation>%1 értéke %2, de nincs megadva címzett: semmi sem lesz elküldve.</translation>
    </message>
    <message>
        <source>%1 is empty: the camera has no one to e-mail.</source>
        <comment>summary.conflict_email_no_recipient</comment>
        <translation>%1 üres: a kamera senkinek sem tud e-mailt küldeni.</translation>
    </message>
    <message>
        <source>%1 is 0, which means no limit, not none: every picture is sent.</source>
        <comment>summary.conflict_unlimited</comment>
        <translation>%1 értéke 0, ami korlátlant jelent, nem nullát: minden kép el lesz küldve.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while %3 sends pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode</comment>
        <translation>A menu.dat fájlban %1 értéke %2, miközben a(z) %3 képeket küld: ebben a módban a kamera nem készít fényképet, így semmit sem küld.</translation>
    </message>
    <message>
        <source>The PC&apos;s clock is not synchronised with a time server: the camera&apos;s clock will be as far off as the PC&apos;s.</source>
        <comment>summary.conflict_clock_not_synced</comment>
        <translation>A számítógép órája nincs szinkronizálva időszerverrel: a kamera órája ugyanannyit fog tévedni, mint a számítógépé.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1, before 2024: the PC&apos;s clock looks wrong.</source>
        <comment>summary.conflict_clock_early</comment>
        <translation>A kamera órája %1 időre áll be, ami 2024 előtti: a számítógép órája valószínűleg rosszul jár.</translation>
    </message>
    <message>
        <source>The card is read-only: nothing can be written to it (is its lock switch on?).</source>
        <comment>summary.conflict_card_read_only</comment>
        <translation>A kártya csak olvasható: semmi sem írható rá (be van kapcsolva az írásvédelmi kapcsoló?).</translation>
    </message>
    <message>
        <source>The card&apos;s free space (%1) holds less than one day at about %2 a day.</source>
        <comment>summary.conflict_card_short</comment>
        <translation>A kártya szabad helye (%1) kevesebb mint egy napra elég napi kb. %2 mellett.</translation>
    </message>
    <message>
        <source>The card is larger than 32 GB and formatted as %1: many cameras read only FAT32 cards up to 32 GB, so this one may not work.</source>
        <comment>summary.conflict_card_not_fat32</comment>
        <translation>A kártya nagyobb 32 GB-nál, és %1 formátumú: sok kamera csak legfeljebb 32 GB-os FAT32 kártyát olvas, így ez lehet, hogy nem fog működni.</translation>
    </message>
    <message>
        <source>The card still holds pictures from an earlier deployment (files in DCIM: %1).</source>
        <comment>summary.conflict_card_old_files</comment>
        <translation>A kártyán még egy korábbi kihelyezés képei vannak (fájlok a DCIM mappában: %1).</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS; recipients: %2.</source>
        <comment>summary.mms_sends_unnamed</comment>
        <translation>Minden képet %1 MMS-ként küld el; címzettek: %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture; recipients: %1.</source>
        <comment>summary.sends_sms_unnamed</comment>
        <translation>Minden képről SMS-t küld; címzettek: %1.</translation>
    </message>
    <message>
        <source>It e-mails each picture through %1, port %2.</source>
        <comment>summary.email_sends_unnamed</comment>
        <translation>Minden képet e-mailben küld a(z) %1 kiszolgálón át, %2. port.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of MMS.</source>
        <comment>summary.mms_data</comment>
        <translation>Havi adatforgalom: kb. %1 MMS-ként.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of e-mail.</source>
        <comment>summary.email_data</comment>
        <translation>Havi adatforgalom: kb. %1 e-mailként.</translation>
    </message>
    <message>
        <source>%1 and %2 overlap (%3): that time counts once.</source>
        <comment>summary.conflict_timers_overlap</comment>
        <translation>%1 és %2 átfedik egymást (%3): ez az idő egyszer számít.</translation>
    </message>
    <message>
        <source>These are the form&apos;s settings: they are not written to a card.</source>
        <comment>summary.sheet_not_written</comment>
        <translation>Ezek az űrlap beállításai: nincsenek kártyára írva.</translation>
    </message>
    <message>
        <source>Assumed for the estimates</source>
        <comment>summary.sheet_assumed</comment>
        <translation>A becslések feltevései</translation>
    </message>
    <message>
        <source>Triggers a day: %1</source>
        <comment>summary.assume_triggers</comment>
        <translation>Napi kioldások: %1</translation>
    </message>
    <message>
        <source>A picture at %1: %2 MB</source>
        <comment>summary.assume_picture</comment>
        <translation>Egy kép (%1): %2 MB</translation>
    </message>
    <message>
        <source>A second of video at %1: %2 MB (Motion-JPEG AVI)</source>
        <comment>summary.assume_video</comment>
        <translation>Egy másodpercnyi videó (%1): %2 MB (Motion-JPEG AVI)</translation>
    </message>
    <message>
        <source>An MMS at %1: %2 KB</source>
        <comment>summary.assume_mms</comment>
        <translation>Egy MMS (%1): %2 KB</translation>
    </message>
    <message>
        <source>An e-mail at %1: %2 KB</source>
        <comment>summary.assume_email</comment>
        <translation>Egy e-mail (%1): %2 KB</translation>
    </message>
    <message>
        <source>Pictures sent for each trigger: %1</source>
        <comment>summary.assume_sent_per_trigger</comment>
        <translation>Kioldásonként elküldött képek: %1</translation>
    </message>
    <message>
        <source>Time to take one photo: %1 s</source>
        <comment>summary.assume_photo_capture</comment>
        <translation>Egy fénykép elkészítésének ideje: %1 s</translation>
    </message>
    <message>
        <source>Days in a month: %1</source>
        <comment>summary.assume_month</comment>
        <translation>Napok egy hónapban: %1</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2)</source>
        <comment>summary.report_model</comment>
        <translation>Mit fog tenni a kamera (%1. modell, %2)</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2, from the preferences; give --model for another)</source>
        <comment>summary.report_model_stored</comment>
        <translation>Mit fog tenni a kamera (%1. modell, %2, a beállításokból; másikat a --model ad meg)</translation>
    </message>
    <message>
        <source>about %1</source>
        <comment>summary.report_about</comment>
        <translation>kb. %1</translation>
    </message>
    <message>
        <source>(assumed: %1)</source>
        <comment>summary.report_assumed</comment>
        <translation>(feltételezve: %1)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>summary.report_warning</comment>
        <translation>figyelmeztetés: %1</translation>
    </message>
    <message>
        <source>When it is active depends on how the camera reads a timer that starts and stops at the same time (see the warnings).</source>
        <comment>summary.active_unknown</comment>
        <translation>Az, hogy mikor működik, attól függ, hogyan értelmezi a kamera az azonos kezdési és befejezési idejű időkapcsolót (lásd a figyelmeztetéseket).</translation>
    </message>
    <message>
        <source>Triggers a day that each capture and the wait after it allow: at most %1.</source>
        <comment>summary.trigger_cap</comment>
        <translation>Napi kioldások, amennyit a felvételek és az utánuk következő várakozás megenged: legfeljebb %1.</translation>
    </message>
    <message>
        <source>normal</source>
        <comment>summary.sensitivity_normal</comment>
        <translation>normál</translation>
    </message>
    <message>
        <source>high</source>
        <comment>summary.sensitivity_high</comment>
        <translation>magas</translation>
    </message>
    <message>
        <source>low</source>
        <comment>summary.sensitivity_low</comment>
        <translation>alacsony</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>summary.value_video_only</comment>
        <translation>Videó</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.messages_no_limit</comment>
        <translation>Képek naponta: korlátlan; üzenetek: napi kb. %1, havi %2 (becslés: kioldásonként egy elküldött kép, feltételezett napi kioldások: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.messages_no_limit_menu</comment>
        <translation>Képek naponta: korlátlan; üzenetek: napi kb. %1, havi %2 (becslés a menu.dat szerint készülő képekből).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.emails_no_limit</comment>
        <translation>Képek naponta: korlátlan; e-mailek: napi kb. %1, havi %2 (becslés: kioldásonként egy elküldött kép, feltételezett napi kioldások: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.emails_no_limit_menu</comment>
        <translation>Képek naponta: korlátlan; e-mailek: napi kb. %1, havi %2 (becslés a menu.dat szerint készülő képekből).</translation>
    </message>
    <message>
        <source>SMS remote control is on; its hour setting is %1.</source>
        <comment>summary.remote_on</comment>
        <translation>Az SMS-távvezérlés be van kapcsolva; az óra beállítása: %1.</translation>
    </message>
    <message>
        <source>%1 is %2, but no phone number for SMS is given: nothing is sent.</source>
        <comment>summary.conflict_no_phone</comment>
        <translation>%1 értéke %2, de nincs megadva telefonszám az SMS-hez: semmi sem lesz elküldve.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while setup.dat and smtp.dat send pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode_both</comment>
        <translation>A menu.dat fájlban %1 értéke %2, miközben a setup.dat és az smtp.dat képeket küldenek: ebben a módban a kamera nem készít fényképet, így semmi sem lesz elküldve.</translation>
    </message>
    <message>
        <source>Beep sound</source>
        <comment>summary.caption_beep_sound</comment>
        <translation>Hangjelzés</translation>
    </message>
    <message>
        <source>Overwrite when full (SD cycle)</source>
        <comment>summary.caption_sd_cycle</comment>
        <translation>Felülírás, ha megtelt (SD-ciklus)</translation>
    </message>
    <message>
        <source>Timer 2</source>
        <comment>summary.caption_timer2</comment>
        <translation>2. időkapcsoló</translation>
    </message>
    <message>
        <source>SMS remote control</source>
        <comment>summary.caption_remote_control</comment>
        <translation>SMS-távvezérlés</translation>
    </message>
    <message>
        <source>Bearer</source>
        <comment>summary.caption_bearer</comment>
        <translation>Átviteli mód</translation>
    </message>
    <message>
        <source>Phone number scope</source>
        <comment>summary.caption_phone_scope</comment>
        <translation>Telefonszám típusa</translation>
    </message>
    <message>
        <source>E-mail settings mode</source>
        <comment>summary.caption_smtp_mode</comment>
        <translation>E-mail-beállítások módja</translation>
    </message>
    <message>
        <source>E-mail status</source>
        <comment>summary.caption_smtp_status</comment>
        <translation>E-mail állapota</translation>
    </message>
    <message>
        <source>Mail server</source>
        <comment>summary.caption_smtp_server</comment>
        <translation>Levelezőkiszolgáló</translation>
    </message>
    <message>
        <source>Sender address</source>
        <comment>summary.caption_sender_email</comment>
        <translation>Feladó címe</translation>
    </message>
    <message>
        <source>Domestic</source>
        <comment>summary.value_domestic</comment>
        <translation>Belföldi</translation>
    </message>
    <message>
        <source>International</source>
        <comment>summary.value_international</comment>
        <translation>Nemzetközi</translation>
    </message>
</context>
<context>
    <name>kestrova::CardFileActions</name>
    <message>
        <source>it is not valid JSON: %1 at offset %2</source>
        <translation>nem érvényes JSON: %1 a(z) %2. pozíción</translation>
    </message>
    <message>
        <source>it must hold one JSON object of settings</source>
        <translation>egyetlen, beállításokat tartalmazó JSON-objektumnak kell lennie benne</translation>
    </message>
    <message>
        <source>it names &quot;%1&quot; twice; which value is meant cannot be told</source>
        <translation>kétszer szerepel benne a(z) „%1”; nem dönthető el, melyik érték az érvényes</translation>
    </message>
    <message>
        <source>it is the report of a damaged file (%1); its values cannot be trusted</source>
        <translation>egy sérült fájl jelentése (%1); az értékei nem megbízhatók</translation>
    </message>
    <message>
        <source>it holds the unknown setting &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>ismeretlen beállítást tartalmaz: „%1”; erre gondolt: „%2”?</translation>
    </message>
    <message>
        <source>it holds the settings of a %1 file, not of %2</source>
        <translation>egy %1 fájl beállításait tartalmazza, nem a(z) %2 fájlét</translation>
    </message>
    <message>
        <source>larger than a profile (%1 bytes)</source>
        <translation>nagyobb, mint egy profil (%1 bájt)</translation>
    </message>
    <message>
        <source>larger than a profile (more than %1 bytes)</source>
        <translation>nagyobb, mint egy profil (több mint %1 bájt)</translation>
    </message>
    <message>
        <source>it reads as a damaged file</source>
        <translation>sérült fájlként olvasható be</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CameraList</name>
    <message>
        <source>expected a number from %1 to %2, got %3</source>
        <translation>%1 és %2 közötti számot várt, de ezt kapta: %3</translation>
    </message>
    <message>
        <source>expected four characters (0-9, A-Z), got %1</source>
        <translation>négy karaktert várt (0-9, A-Z), de ezt kapta: %1</translation>
    </message>
    <message>
        <source>%1: the character %2 is none of 0-9, A-Z</source>
        <translation>%1: a(z) %2 karakter nem 0-9 vagy A-Z</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>vezérlőkaraktert tartalmaz</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>%1. sor, %2 oszlop: %3</translation>
    </message>
    <message>
        <source>it has no column &quot;%1&quot;</source>
        <translation>nincs benne „%1” oszlop</translation>
    </message>
    <message>
        <source>it names the column &quot;%1&quot; twice</source>
        <translation>kétszer szerepel benne a(z) „%1” oszlop</translation>
    </message>
    <message>
        <source>it has a column &quot;serial&quot;, but the kit has no menu</source>
        <translation>van benne „serial” oszlop, de a készletben nincs menü</translation>
    </message>
    <message>
        <source>it has the column &quot;%1&quot;, which is no setting of the kit&apos;s sections nor a column the log carries; did you mean &quot;%2&quot;?</source>
        <translation>van benne „%1” oszlop, amely nem a készlet részeinek beállítása és nem is naplóoszlop; erre gondolt: „%2”?</translation>
    </message>
    <message>
        <source>every camera needs an id</source>
        <translation>minden kamerának kell azonosító</translation>
    </message>
    <message>
        <source>the camera %1 has a row before this one</source>
        <translation>a(z) %1 kamerának már van sora ez előtt</translation>
    </message>
    <message>
        <source>the row gives a %1 but no %2: give both or neither</source>
        <translation>a sor megadja ezt: %1, de ezt nem: %2; adja meg mindkettőt vagy egyiket sem</translation>
    </message>
    <message>
        <source>it holds no camera: it needs a row after the header</source>
        <translation>nincs benne kamera: a fejléc után kell egy sor</translation>
    </message>
    <message>
        <source>row %1 (camera %2): %3</source>
        <translation>%1. sor (%2 kamera): %3</translation>
    </message>
    <message>
        <source>row %1 (camera %2), column %3: %4</source>
        <translation>%1. sor (%2 kamera), %3 oszlop: %4</translation>
    </message>
    <message>
        <source>expected a date and time with its UTC offset, as %1, got %2</source>
        <translation>dátumot és időt várt UTC-eltéréssel, például %1, de ezt kapta: %2</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CsvTable</name>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>a(z) %1. sorban %2 mező van, a fejlécben %3</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not begin with one</source>
        <translation>%1. sor: idézőjel egy olyan mezőben, amely nem idézőjellel kezdődik</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>%1. sor: szöveg egy mező záró idézőjele után</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>%1. sor: egy idézőjeles mező sosem záródik le</translation>
    </message>
    <message>
        <source>it is empty: it needs a header row</source>
        <translation>üres: fejlécsor kell bele</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>nem UTF-8 szöveg</translation>
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
        <translation>%1 karakterből áll; legfeljebb %2 fogadható el</translation>
    </message>
    <message>
        <source>it holds the character %1, which shows nothing, breaks the line or turns the text around</source>
        <translation>tartalmazza a(z) %1 karaktert, amely nem látszik, sort tör vagy megfordítja a szöveget</translation>
    </message>
    <message>
        <source>it begins with &quot;%1&quot;, which a spreadsheet takes for a formula</source>
        <translation>„%1” karakterrel kezdődik, amit a táblázatkezelő képletnek vesz</translation>
    </message>
</context>
</TS>

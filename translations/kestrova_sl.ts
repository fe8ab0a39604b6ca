<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl" sourcelanguage="en">
<context>
    <name>CheckMessage</name>
    <message>
        <source>Enter the GPRS APN.</source>
        <translation>Vnesite GPRS APN.</translation>
    </message>
    <message>
        <source>Enter the mail server.</source>
        <translation>Vnesite poštni strežnik.</translation>
    </message>
    <message>
        <source>Enter the mail server&apos;s port.</source>
        <translation>Vnesite vrata poštnega strežnika.</translation>
    </message>
    <message>
        <source>Enter an e-mail address.</source>
        <translation>Vnesite e-poštni naslov.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;@&quot;.</source>
        <translation>E-poštni naslov nima znaka »@«.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;.&quot;.</source>
        <translation>E-poštni naslov nima znaka ».«.</translation>
    </message>
    <message>
        <source>Enter the password of the sender&apos;s e-mail account.</source>
        <translation>Vnesite geslo e-poštnega računa pošiljatelja.</translation>
    </message>
    <message>
        <source>The phone number is too short or holds more than digits.</source>
        <translation>Telefonska številka je prekratka ali ne vsebuje samo števk.</translation>
    </message>
    <message>
        <source>The first phone number is too short.</source>
        <translation>Prva telefonska številka je prekratka.</translation>
    </message>
    <message>
        <source>The second recipient is too short.</source>
        <translation>Drugi prejemnik je prekratek.</translation>
    </message>
    <message>
        <source>The third recipient is too short.</source>
        <translation>Tretji prejemnik je prekratek.</translation>
    </message>
    <message>
        <source>Enter the first phone number: the SMS remote control answers it.</source>
        <translation>Vnesite prvo telefonsko številko: upravljanje na daljavo prek SMS odgovarja nanjo.</translation>
    </message>
    <message>
        <source>A phone number holds digits only (and a &quot;+&quot; in front when it is international).</source>
        <translation>Telefonska številka vsebuje samo števke (in spredaj »+«, če je mednarodna).</translation>
    </message>
    <message>
        <source>Check the phone number: it may hold digits only.</source>
        <translation>Preverite telefonsko številko: vsebuje lahko samo števke.</translation>
    </message>
    <message>
        <source>Enter the first phone number or an e-mail address.</source>
        <translation>Vnesite prvo telefonsko številko ali e-poštni naslov.</translation>
    </message>
    <message>
        <source>Check the recipient: a phone number of digits or an e-mail address.</source>
        <translation>Preverite prejemnika: telefonska številka iz števk ali e-poštni naslov.</translation>
    </message>
    <message>
        <source>Enter the MMS URL.</source>
        <translation>Vnesite URL za MMS.</translation>
    </message>
    <message>
        <source>Enter the APN.</source>
        <translation>Vnesite APN.</translation>
    </message>
    <message>
        <source>Enter the MMS gateway.</source>
        <translation>Vnesite prehod za MMS.</translation>
    </message>
    <message>
        <source>Enter the MMS port.</source>
        <translation>Vnesite vrata za MMS.</translation>
    </message>
    <message>
        <source>The MMS gateway has no &quot;.&quot;.</source>
        <translation>Prehod za MMS nima znaka ».«.</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Telefonska številka ima največ toliko števk: %1.</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Vnesite celo število od %1 do %2.</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>Vnesite celo število.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters.</source>
        <translation>Vnesite največ toliko znakov: %1.</translation>
    </message>
    <message>
        <source>%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.</source>
        <translation>%1: besedilo v kameri zavzame %2 bajtov, prostora pa je le za %3. Kitajski znak zavzame 2 bajta.</translation>
    </message>
    <message>
        <source>%1: the character &quot;%2&quot; cannot be stored on the camera.</source>
        <translation>%1: znaka »%2« ni mogoče shraniti v kamero.</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Card report: %1</source>
        <comment>field.title</comment>
        <translation>Poročilo kartice: %1</translation>
    </message>
    <message>
        <source>Deployment: %1</source>
        <comment>field.deployment</comment>
        <translation>Postavitev: %1</translation>
    </message>
    <message>
        <source>camera %1</source>
        <comment>field.camera_part</comment>
        <translation>kamera %1</translation>
    </message>
    <message>
        <source>set up by %1</source>
        <comment>field.setup_by_part</comment>
        <translation>namestil %1</translation>
    </message>
    <message numerus="yes">
        <source>From %1 (%2) to %3 (%4): %n day(s).</source>
        <comment>field.period</comment>
        <translation>
            <numerusform>Od %1 (%2) do %3 (%4): %n dan.</numerusform>
            <numerusform>Od %1 (%2) do %3 (%4): %n dneva.</numerusform>
            <numerusform>Od %1 (%2) do %3 (%4): %n dnevi.</numerusform>
            <numerusform>Od %1 (%2) do %3 (%4): %n dni.</numerusform>
        </translation>
    </message>
    <message>
        <source>as the cameras table says</source>
        <comment>field.start_cameras_table</comment>
        <translation>po tabeli kamer</translation>
    </message>
    <message>
        <source>when the card was written</source>
        <comment>field.start_written</comment>
        <translation>ko je bila kartica zapisana</translation>
    </message>
    <message>
        <source>the clock menu.dat set</source>
        <comment>field.start_camera_clock</comment>
        <translation>ura, ki jo je nastavila datoteka menu.dat</translation>
    </message>
    <message>
        <source>the first picture</source>
        <comment>field.start_first_picture</comment>
        <translation>prva slika</translation>
    </message>
    <message>
        <source>retrieved</source>
        <comment>field.end_retrieved</comment>
        <translation>pobrana</translation>
    </message>
    <message>
        <source>the last picture</source>
        <comment>field.end_last_picture</comment>
        <translation>zadnja slika</translation>
    </message>
    <message>
        <source>Camera: %1. It was set to do this:</source>
        <comment>field.camera</comment>
        <translation>Kamera: %1. Nastavljena je bila takole:</translation>
    </message>
    <message>
        <source>The card holds no readable camera menu (menu.dat): the schedule is not known.</source>
        <comment>field.no_menu</comment>
        <translation>Na kartici ni berljivega menija kamere (menu.dat): urnik ni znan.</translation>
    </message>
    <message numerus="yes">
        <source>Working: %1 of %n day(s).</source>
        <comment>field.working</comment>
        <translation>
            <numerusform>Delovala: %1 od %n dneva.</numerusform>
            <numerusform>Delovala: %1 od %n dni.</numerusform>
            <numerusform>Delovala: %1 od %n dni.</numerusform>
            <numerusform>Delovala: %1 od %n dni.</numerusform>
        </translation>
    </message>
    <message>
        <source>Down: %1. The time lapse took no picture at any of its times.</source>
        <comment>field.down</comment>
        <translation>Ni delovala: %1. Časovni zamik ni posnel slike ob nobenem od svojih časov.</translation>
    </message>
    <message>
        <source>No pictures: %1. The camera was active 24 hours or more without taking a picture.</source>
        <comment>field.no_pictures</comment>
        <translation>Ni slik: %1. Kamera je bila dejavna 24 ur ali več, ne da bi posnela sliko.</translation>
    </message>
    <message>
        <source>No pictures from %1 to %2: %3 of active time.</source>
        <comment>field.gap</comment>
        <translation>Ni slik od %1 do %2: %3 dejavnega časa.</translation>
    </message>
    <message numerus="yes">
        <source>Card full: no picture after %1 and no room for one, %n day(s) lost.</source>
        <comment>field.card_full</comment>
        <translation>
            <numerusform>Kartica polna: po %1 ni slike in ni prostora za nobeno, izgubljen %n dan.</numerusform>
            <numerusform>Kartica polna: po %1 ni slike in ni prostora za nobeno, izgubljena %n dneva.</numerusform>
            <numerusform>Kartica polna: po %1 ni slike in ni prostora za nobeno, izgubljeni %n dnevi.</numerusform>
            <numerusform>Kartica polna: po %1 ni slike in ni prostora za nobeno, izgubljenih %n dni.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card is full and SD cycle is on: the oldest pictures have been overwritten.</source>
        <comment>field.overwrites</comment>
        <translation>Kartica je polna in kroženje SD je vklopljeno: najstarejše slike so prepisane.</translation>
    </message>
    <message>
        <source>Clock: the first picture came %1 after the start.</source>
        <comment>field.clock_first_after</comment>
        <translation>Ura: prva slika je prišla %1 po začetku.</translation>
    </message>
    <message>
        <source>Clock: the first picture is dated %1 before the start.</source>
        <comment>field.clock_first_before</comment>
        <translation>Ura: prva slika ima datum %1 pred začetkom.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 ahead.</source>
        <comment>field.clock_ahead</comment>
        <translation>Ura: %1 kaže %2, posneto ob %3: ura kamere prehiteva za %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 behind.</source>
        <comment>field.clock_behind</comment>
        <translation>Ura: %1 kaže %2, posneto ob %3: ura kamere zaostaja za %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is right to the minute.</source>
        <comment>field.clock_right</comment>
        <translation>Ura: %1 kaže %2, posneto ob %3: ura kamere je točna na minuto.</translation>
    </message>
    <message>
        <source>That is an hour: daylight saving time?</source>
        <comment>field.clock_hour_off</comment>
        <translation>To je ena ura: poletni čas?</translation>
    </message>
    <message>
        <source>That is 12 hours: a 12-hour clock read as a 24-hour one?</source>
        <comment>field.clock_half_day_off</comment>
        <translation>To je 12 ur: 12-urna ura, prebrana kot 24-urna?</translation>
    </message>
    <message>
        <source>Clock: it gains %1 a day.</source>
        <comment>field.clock_gains</comment>
        <translation>Ura: na dan prehiteva za %1.</translation>
    </message>
    <message>
        <source>Clock: it loses %1 a day.</source>
        <comment>field.clock_loses</comment>
        <translation>Ura: na dan zaostaja za %1.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before the deployment started (the earliest %1).</source>
        <comment>field.clock_before_start</comment>
        <translation>
            <numerusform>Ura: %n slika ima datum pred začetkom postavitve (najzgodnejša %1).</numerusform>
            <numerusform>Ura: %n sliki imata datum pred začetkom postavitve (najzgodnejša %1).</numerusform>
            <numerusform>Ura: %n slike imajo datum pred začetkom postavitve (najzgodnejša %1).</numerusform>
            <numerusform>Ura: %n slik ima datum pred začetkom postavitve (najzgodnejša %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before 2010.</source>
        <comment>field.clock_before_2010</comment>
        <translation>
            <numerusform>Ura: %n slika ima datum pred letom 2010.</numerusform>
            <numerusform>Ura: %n sliki imata datum pred letom 2010.</numerusform>
            <numerusform>Ura: %n slike imajo datum pred letom 2010.</numerusform>
            <numerusform>Ura: %n slik ima datum pred letom 2010.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated 2010-01-01 or 2011-01-01, where a camera&apos;s clock starts after losing its power.</source>
        <comment>field.clock_factory</comment>
        <translation>
            <numerusform>Ura: %n slika ima datum 2010-01-01 ali 2011-01-01, od koder ura kamere začne po izgubi napajanja.</numerusform>
            <numerusform>Ura: %n sliki imata datum 2010-01-01 ali 2011-01-01, od koder ura kamere začne po izgubi napajanja.</numerusform>
            <numerusform>Ura: %n slike imajo datum 2010-01-01 ali 2011-01-01, od koder ura kamere začne po izgubi napajanja.</numerusform>
            <numerusform>Ura: %n slik ima datum 2010-01-01 ali 2011-01-01, od koder ura kamere začne po izgubi napajanja.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by %3: daylight saving time.</source>
        <comment>field.clock_shift_hour</comment>
        <translation>
            <numerusform>Ura: %n dan, od %1 do %2, slike sledijo urniku le, če jih zamaknemo za %3: poletni čas.</numerusform>
            <numerusform>Ura: %n dneva, od %1 do %2, slike sledijo urniku le, če jih zamaknemo za %3: poletni čas.</numerusform>
            <numerusform>Ura: %n dni, od %1 do %2, slike sledijo urniku le, če jih zamaknemo za %3: poletni čas.</numerusform>
            <numerusform>Ura: %n dni, od %1 do %2, slike sledijo urniku le, če jih zamaknemo za %3: poletni čas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by 12 hours: a 12-hour clock read as a 24-hour one.</source>
        <comment>field.clock_shift_half_day</comment>
        <translation>
            <numerusform>Ura: %n dan, od %1 do %2, slike sledijo urniku le, če jih zamaknemo za 12 ur: 12-urna ura, prebrana kot 24-urna.</numerusform>
            <numerusform>Ura: %n dneva, od %1 do %2, slike sledijo urniku le, če jih zamaknemo za 12 ur: 12-urna ura, prebrana kot 24-urna.</numerusform>
            <numerusform>Ura: %n dni, od %1 do %2, slike sledijo urniku le, če jih zamaknemo za 12 ur: 12-urna ura, prebrana kot 24-urna.</numerusform>
            <numerusform>Ura: %n dni, od %1 do %2, slike sledijo urniku le, če jih zamaknemo za 12 ur: 12-urna ura, prebrana kot 24-urna.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clock: nothing found wrong.</source>
        <comment>field.clock_fine</comment>
        <translation>Ura: ni najdenih napak.</translation>
    </message>
    <message>
        <source>Card: pictures %1 (%2), videos %3 (%4).</source>
        <comment>field.card</comment>
        <translation>Kartica: slike %1 (%2), videoposnetki %3 (%4).</translation>
    </message>
    <message>
        <source>Free on the card: %1.</source>
        <comment>field.card_free</comment>
        <translation>Prosto na kartici: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Damaged: %n file(s).</source>
        <comment>field.damaged</comment>
        <translation>
            <numerusform>Poškodovana: %n datoteka.</numerusform>
            <numerusform>Poškodovani: %n datoteki.</numerusform>
            <numerusform>Poškodovane: %n datoteke.</numerusform>
            <numerusform>Poškodovanih: %n datotek.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>field.damaged_more</comment>
        <translation>
            <numerusform>in še %n</numerusform>
            <numerusform>in še %n</numerusform>
            <numerusform>in še %n</numerusform>
            <numerusform>in še %n</numerusform>
        </translation>
    </message>
    <message>
        <source>empty (0 bytes)</source>
        <comment>field.damage_empty</comment>
        <translation>prazna (0 bajtov)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>field.damage_unreadable</comment>
        <translation>ni je mogoče prebrati: %1</translation>
    </message>
    <message>
        <source>not what its name says</source>
        <comment>field.damage_not_its_kind</comment>
        <translation>ni to, kar pravi njeno ime</translation>
    </message>
    <message>
        <source>no end marker: the camera lost power while writing it</source>
        <comment>field.damage_no_end_marker</comment>
        <translation>brez končne oznake: kamera je med pisanjem izgubila napajanje</translation>
    </message>
    <message>
        <source>shorter than its header says: the camera stopped writing it</source>
        <comment>field.damage_truncated</comment>
        <translation>krajša, kot pravi njena glava: kamera jo je nehala pisati</translation>
    </message>
    <message>
        <source>its header points outside the file</source>
        <comment>field.damage_bad_header</comment>
        <translation>njena glava kaže izven datoteke</translation>
    </message>
    <message numerus="yes">
        <source>The file counter started again: %n number(s) found twice, %1 among them.</source>
        <comment>field.repeated</comment>
        <translation>
            <numerusform>Števec datotek je začel znova: %n številka najdena dvakrat, med njimi %1.</numerusform>
            <numerusform>Števec datotek je začel znova: %n številki najdeni dvakrat, med njimi %1.</numerusform>
            <numerusform>Števec datotek je začel znova: %n številke najdene dvakrat, med njimi %1.</numerusform>
            <numerusform>Števec datotek je začel znova: %n številk najdenih dvakrat, med njimi %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) tell no time of their own: the file system&apos;s time stands in (%1 among them).</source>
        <comment>field.file_time</comment>
        <translation>
            <numerusform>%n datoteka nima lastnega časa: namesto njega velja čas datotečnega sistema (med njimi %1).</numerusform>
            <numerusform>%n datoteki nimata lastnega časa: namesto njega velja čas datotečnega sistema (med njimi %1).</numerusform>
            <numerusform>%n datoteke nimajo lastnega časa: namesto njega velja čas datotečnega sistema (med njimi %1).</numerusform>
            <numerusform>%n datotek nima lastnega časa: namesto njega velja čas datotečnega sistema (med njimi %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card holds no pictures or videos.</source>
        <comment>field.no_media</comment>
        <translation>Na kartici ni slik ali videoposnetkov.</translation>
    </message>
    <message>
        <source>Pictures a day:</source>
        <comment>field.chart</comment>
        <translation>Slike na dan:</translation>
    </message>
    <message>
        <source>Measured against estimated:</source>
        <comment>field.comparison</comment>
        <translation>Izmerjeno v primerjavi z oceno:</translation>
    </message>
    <message>
        <source>Pictures: %1, about %2 estimated.</source>
        <comment>field.pictures_estimated</comment>
        <translation>Slike: %1, ocenjeno približno %2.</translation>
    </message>
    <message>
        <source>Pictures: %1.</source>
        <comment>field.pictures_only</comment>
        <translation>Slike: %1.</translation>
    </message>
    <message>
        <source>Triggers a day: %1 measured, %2 assumed.</source>
        <comment>field.triggers</comment>
        <translation>Sprožitve na dan: izmerjeno %1, privzeto %2.</translation>
    </message>
    <message>
        <source>Megabytes a picture: %1 measured, %2 assumed (%3).</source>
        <comment>field.megabytes</comment>
        <translation>Megabajtov na sliko: izmerjeno %1, privzeto %2 (%3).</translation>
    </message>
    <message>
        <source>For the next setup: %1</source>
        <comment>field.next_setup</comment>
        <translation>Za naslednjo nastavitev: %1</translation>
    </message>
    <message>
        <source>before the deployment</source>
        <comment>field.state_before</comment>
        <translation>pred postavitvijo</translation>
    </message>
    <message>
        <source>working</source>
        <comment>field.state_working</comment>
        <translation>delovala</translation>
    </message>
    <message>
        <source>no pictures</source>
        <comment>field.state_no_pictures</comment>
        <translation>ni slik</translation>
    </message>
    <message>
        <source>down</source>
        <comment>field.state_down</comment>
        <translation>ni delovala</translation>
    </message>
    <message>
        <source>card full</source>
        <comment>field.state_card_full</comment>
        <translation>kartica polna</translation>
    </message>
    <message>
        <source>after the deployment</source>
        <comment>field.state_after</comment>
        <translation>po postavitvi</translation>
    </message>
    <message>
        <source>Card report...</source>
        <comment>field.menu_card_report</comment>
        <translation>Poročilo kartice...</translation>
    </message>
    <message>
        <source>Card report</source>
        <comment>field.window_title</comment>
        <translation>Poročilo kartice</translation>
    </message>
    <message>
        <source>Card or folder:</source>
        <comment>field.folder_label</comment>
        <translation>Kartica ali mapa:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>field.browse</comment>
        <translation>Prebrskaj...</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>field.read</comment>
        <translation>Preberi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>field.cancel</comment>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Reading the card: %1 of %2 files</source>
        <comment>field.reading</comment>
        <translation>Branje kartice: %1 od %2 datotek</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <comment>field.cancelled</comment>
        <translation>Branje je bilo preklicano.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <comment>field.not_a_folder</comment>
        <translation>%1 ni mapa.</translation>
    </message>
    <message>
        <source>Export to Camtrap DP...</source>
        <comment>field.export</comment>
        <translation>Izvozi v Camtrap DP...</translation>
    </message>
    <message>
        <source>The Camtrap DP package is in %1 (pictures and videos: %2).</source>
        <comment>field.exported</comment>
        <translation>Paket Camtrap DP je v %1 (slike in videoposnetki: %2).</translation>
    </message>
    <message>
        <source>Left empty, as neither the card nor the log knows them: %1. The package does not validate until they are filled in.</source>
        <comment>field.export_missing</comment>
        <translation>Ostali so prazni, ker jih ne pozna ne kartica ne dnevnik: %1. Paket je veljaven šele, ko so izpolnjeni.</translation>
    </message>
    <message>
        <source>No package was written: %1</source>
        <comment>field.export_failed</comment>
        <translation>Noben paket ni bil zapisan: %1</translation>
    </message>
    <message>
        <source>Nothing is written onto the card: choose a folder elsewhere.</source>
        <comment>field.export_on_card</comment>
        <translation>Na kartico se ne zapiše nič: izberite mapo drugje.</translation>
    </message>
    <message>
        <source>Use %1 triggers a day</source>
        <comment>field.use_triggers</comment>
        <translation>Uporabi %1 sprožitev na dan</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>field.close</comment>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>%1, %2: pictures %3, videos %4, time lapse %5 of %6.</source>
        <comment>field.day_detail</comment>
        <translation>%1, %2: slike %3, videoposnetki %4, časovni zamik %5 od %6.</translation>
    </message>
    <message>
        <source>Days:</source>
        <comment>field.days_label</comment>
        <translation>Dnevi:</translation>
    </message>
    <message>
        <source>estimated</source>
        <comment>field.estimate_legend</comment>
        <translation>ocena</translation>
    </message>
    <message>
        <source>First picture: %1</source>
        <comment>field.first_picture</comment>
        <translation>Prva slika: %1</translation>
    </message>
    <message>
        <source>Last picture: %1</source>
        <comment>field.last_picture</comment>
        <translation>Zadnja slika: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>field.no_thumbnail</comment>
        <translation>(ni slike)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>field.damaged_file</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The card&apos;s return is logged in %1.</source>
        <comment>field.retrieval_logged</comment>
        <translation>Vrnitev kartice je zapisana v dnevnik %1.</translation>
    </message>
    <message>
        <source>The card&apos;s return could not be logged in %1: %2</source>
        <comment>field.retrieval_not_logged</comment>
        <translation>Vrnitve kartice ni bilo mogoče zapisati v dnevnik %1: %2</translation>
    </message>
    <message>
        <source>The log holds no card written that this one brings back: its return is logged on its own.</source>
        <comment>field.retrieval_alone</comment>
        <translation>Dnevnik ne vsebuje zapisane kartice, ki bi ji ta ustrezala: njena vrnitev je zapisana samostojno.</translation>
    </message>
</context>
<context>
    <name>FleetText</name>
    <message>
        <source>Set up many cards...</source>
        <comment>fleet.menu_many_cards</comment>
        <translation>Nastavi več kartic...</translation>
    </message>
    <message>
        <source>Save kit from card...</source>
        <comment>fleet.menu_save_kit</comment>
        <translation>Shrani komplet s kartice...</translation>
    </message>
    <message>
        <source>Set up many cards</source>
        <comment>fleet.window_title</comment>
        <translation>Nastavitev več kartic</translation>
    </message>
    <message>
        <source>Kit file:</source>
        <comment>fleet.kit_label</comment>
        <translation>Datoteka kompleta:</translation>
    </message>
    <message>
        <source>Cameras (CSV):</source>
        <comment>fleet.cameras_label</comment>
        <translation>Kamere (CSV):</translation>
    </message>
    <message>
        <source>Log file:</source>
        <comment>fleet.log_label</comment>
        <translation>Dnevniška datoteka:</translation>
    </message>
    <message>
        <source>Set up by:</source>
        <comment>fleet.setup_by_label</comment>
        <translation>Namestil:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>fleet.browse</comment>
        <translation>Prebrskaj...</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>fleet.start</comment>
        <translation>Začni</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>fleet.stop</comment>
        <translation>Ustavi</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>fleet.close</comment>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>Cards done:</source>
        <comment>fleet.cards_done</comment>
        <translation>Dokončane kartice:</translation>
    </message>
    <message>
        <source>Choose a kit file, then press Start.</source>
        <comment>fleet.choose_kit</comment>
        <translation>Izberite datoteko kompleta in pritisnite Začni.</translation>
    </message>
    <message>
        <source>Insert the card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_card_for</comment>
        <translation>Vstavite kartico za kamero %1 (%2 od %3)</translation>
    </message>
    <message>
        <source>Insert the next card (%1 written)</source>
        <comment>fleet.insert_next_card</comment>
        <translation>Vstavite naslednjo kartico (zapisanih: %1)</translation>
    </message>
    <message>
        <source>Writing the card for camera %1 (%2)...</source>
        <comment>fleet.writing</comment>
        <translation>Zapisovanje kartice za kamero %1 (%2) ...</translation>
    </message>
    <message>
        <source>The card for camera %1 is done and ejected: remove it.</source>
        <comment>fleet.remove_ejected</comment>
        <translation>Kartica za kamero %1 je pripravljena in izvržena: odstranite jo.</translation>
    </message>
    <message>
        <source>The card for camera %1 is done: unmount and remove the card at %2.</source>
        <comment>fleet.remove_card</comment>
        <translation>Kartica za kamero %1 je pripravljena: odklopite in odstranite kartico v %2.</translation>
    </message>
    <message>
        <source>The card at %1 was left as it was: remove it.</source>
        <comment>fleet.remove_skipped</comment>
        <translation>Kartica v %1 je ostala nespremenjena: odstranite jo.</translation>
    </message>
    <message>
        <source>The card at %1 holds the files of another camera (serial text %2). Replace them with the settings of camera %3?</source>
        <comment>fleet.ask_other_camera</comment>
        <translation>Kartica v %1 vsebuje datoteke druge kamere (serijsko besedilo %2). Jih želite zamenjati z nastavitvami kamere %3?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 holds other settings than this kit&apos;s. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_other_kit</comment>
        <translation>Datoteka %2 na kartici v %1 vsebuje drugačne nastavitve od tega kompleta. Jo želite zamenjati z nastavitvami kamere %3?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 is damaged or cannot be read. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_damaged</comment>
        <translation>Datoteka %2 na kartici v %1 je poškodovana ali neberljiva. Jo želite zamenjati z nastavitvami kamere %3?</translation>
    </message>
    <message>
        <source>done</source>
        <comment>fleet.result_done</comment>
        <translation>dokončano</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <comment>fleet.result_failed</comment>
        <translation>ni uspelo: %1</translation>
    </message>
    <message>
        <source>incomplete (stopped)</source>
        <comment>fleet.result_incomplete</comment>
        <translation>nedokončano (ustavljeno)</translation>
    </message>
    <message>
        <source>left as it was</source>
        <comment>fleet.result_skipped</comment>
        <translation>ostala nespremenjena</translation>
    </message>
    <message>
        <source>Every camera&apos;s card is written (%1).</source>
        <comment>fleet.all_done</comment>
        <translation>Kartice vseh kamer so zapisane (%1).</translation>
    </message>
    <message>
        <source>One card written (camera %1).</source>
        <comment>fleet.one_card_written</comment>
        <translation>Zapisana je ena kartica (kamera %1).</translation>
    </message>
    <message>
        <source>Stopped; %1 cards written.</source>
        <comment>fleet.stopped</comment>
        <translation>Ustavljeno; zapisanih kartic: %1.</translation>
    </message>
    <message>
        <source>Stopped during the card for camera %1: that card is incomplete and must be written again.</source>
        <comment>fleet.stopped_during_card</comment>
        <translation>Ustavljeno med kartico za kamero %1: kartica je nedokončana in jo je treba zapisati znova.</translation>
    </message>
    <message>
        <source>The card for camera %1 failed: %2</source>
        <comment>fleet.card_failed</comment>
        <translation>Kartica za kamero %1 ni uspela: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <comment>fleet.input_unusable</comment>
        <translation>%1 ni mogoče uporabiti: %2</translation>
    </message>
    <message>
        <source>The kit &quot;%1&quot; was saved: %2</source>
        <comment>fleet.kit_saved</comment>
        <translation>Komplet »%1« je shranjen: %2</translation>
    </message>
    <message>
        <source>No kit was saved: %1</source>
        <comment>fleet.kit_not_saved</comment>
        <translation>Komplet ni bil shranjen: %1</translation>
    </message>
    <message>
        <source>%1 holds no settings file.</source>
        <comment>fleet.no_settings_file</comment>
        <translation>%1 ne vsebuje nobene datoteke z nastavitvami.</translation>
    </message>
    <message>
        <source>Cards are still being set up. Stop and close the window?</source>
        <comment>fleet.ask_stop_first</comment>
        <translation>Kartice se še pripravljajo. Želite ustaviti in zapreti okno?</translation>
    </message>
    <message>
        <source>These cameras have a card done in the log and are passed over: %1</source>
        <comment>fleet.passing_over_done</comment>
        <translation>Te kamere imajo po dnevniku že dokončano kartico in so preskočene: %1</translation>
    </message>
    <message>
        <source>Every camera has a card done in the log: nothing is left to write.</source>
        <comment>fleet.nothing_left</comment>
        <translation>Po dnevniku ima vsaka kamera dokončano kartico: ničesar ni več za zapisati.</translation>
    </message>
    <message>
        <source>Insert another card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_another_card_for</comment>
        <translation>Vstavite drugo kartico za kamero %1 (%2 od %3)</translation>
    </message>
    <message>
        <source>Camera %1 already has a card done (%2). Write another card for it, which replaces that one?</source>
        <comment>fleet.ask_again</comment>
        <translation>Kamera %1 že ima dokončano kartico (%2). Ji želite zapisati drugo kartico, ki nadomesti tisto?</translation>
    </message>
    <message>
        <source>done; it replaces the %1</source>
        <comment>fleet.result_done_replacing</comment>
        <translation>dokončano; nadomešča: %1</translation>
    </message>
    <message>
        <source>The card for camera %1 is not done.</source>
        <comment>fleet.card_not_written</comment>
        <translation>Kartica za kamero %1 ni dokončana.</translation>
    </message>
    <message>
        <source>These cameras still have no card: %1</source>
        <comment>fleet.still_without_card</comment>
        <translation>Te kamere še nimajo kartice: %1</translation>
    </message>
    <message>
        <source>the card is read-only or locked; nothing was written</source>
        <comment>fleet.read_only_card</comment>
        <translation>kartica je samo za branje ali zaklenjena; nič ni bilo zapisano</translation>
    </message>
    <message>
        <source>The card at %1:</source>
        <comment>fleet.card_warnings</comment>
        <translation>Kartica v %1:</translation>
    </message>
    <message>
        <source>The log has the card at %1 as the card of camera %2 (%3).</source>
        <comment>fleet.card_of_other_camera</comment>
        <translation>Po dnevniku je kartica v %1 kartica kamere %2 (%3).</translation>
    </message>
    <message>
        <source>Write the settings of camera %1 onto it all the same?</source>
        <comment>fleet.ask_write_anyway</comment>
        <translation>Vseeno zapisati nanjo nastavitve kamere %1?</translation>
    </message>
    <message>
        <source>%1 on the card is a link; nothing was written</source>
        <comment>fleet.file_is_link_on_card</comment>
        <translation>%1 na kartici je povezava; nič ni bilo zapisano</translation>
    </message>
    <message>
        <source>%1 on the card is a folder or a device, not a file; nothing was written</source>
        <comment>fleet.file_not_regular_on_card</comment>
        <translation>%1 na kartici je mapa ali naprava, ne datoteka; nič ni bilo zapisano</translation>
    </message>
    <message>
        <source>the card has %1 free, but the files need %2; nothing was written</source>
        <comment>fleet.no_room_on_card</comment>
        <translation>kartica ima prostih %1, datoteke pa potrebujejo %2; nič ni bilo zapisano</translation>
    </message>
    <message>
        <source>the card is only partly written: %1 already hold the new settings. %2 Write the card again before it goes out.</source>
        <comment>fleet.partly_written</comment>
        <translation>kartica je zapisana le delno: %1 že vsebujejo nove nastavitve. %2 Pred odhodom kartico zapišite znova.</translation>
    </message>
    <message>
        <source>it is still mounted</source>
        <comment>fleet.still_mounted</comment>
        <translation>še je priklopljena</translation>
    </message>
    <message>
        <source>The card for camera %1 is done, but it did not eject (%2): unmount and remove the card at %3 by hand.</source>
        <comment>fleet.remove_by_hand</comment>
        <translation>Kartica za kamero %1 je pripravljena, vendar ni bila izvržena (%2): ročno odklopite in odstranite kartico v %3.</translation>
    </message>
    <message>
        <source>The card at %1 is not done: remove it.</source>
        <comment>fleet.remove_failed</comment>
        <translation>Kartica v %1 ni dokončana: odstranite jo.</translation>
    </message>
    <message>
        <source>The card at %1 is not done and did not eject (%2): unmount and remove it by hand.</source>
        <comment>fleet.remove_failed_by_hand</comment>
        <translation>Kartica v %1 ni dokončana in ni bila izvržena (%2): ročno jo odklopite in odstranite.</translation>
    </message>
    <message>
        <source>the log could not be written: %1</source>
        <comment>fleet.log_not_written</comment>
        <translation>dnevnika ni bilo mogoče zapisati: %1</translation>
    </message>
    <message>
        <source>The log %1 ended in half a row (line %2): that row is kept on a line of its own, and the new row is below it.</source>
        <comment>fleet.log_ended_damaged</comment>
        <translation>Dnevnik %1 se je končal s pol vrstice (vrstica %2): ta vrstica je ohranjena v svoji vrstici, nova vrstica je pod njo.</translation>
    </message>
    <message>
        <source>The log %1 was saved over by another program since the last row; the new row went into the file there now.</source>
        <comment>fleet.log_replaced</comment>
        <translation>Dnevnik %1 je od zadnje vrstice prepisal drug program; nova vrstica je šla v datoteko, ki je zdaj tam.</translation>
    </message>
    <message>
        <source>Cameras and their cards (double-click one to write its card next):</source>
        <comment>fleet.cameras_table_label</comment>
        <translation>Kamere in kartice (dvoklik: njena kartica je naslednja):</translation>
    </message>
    <message>
        <source>Set up in the field:</source>
        <comment>fleet.set_up_in_field_label</comment>
        <translation>Nameščeno na terenu:</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>fleet.column_camera</comment>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Location</source>
        <comment>fleet.column_location</comment>
        <translation>Lokacija</translation>
    </message>
    <message>
        <source>Card</source>
        <comment>fleet.column_card</comment>
        <translation>Kartica</translation>
    </message>
    <message>
        <source>State</source>
        <comment>fleet.column_state</comment>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>waiting</source>
        <comment>fleet.state_waiting</comment>
        <translation>čaka</translation>
    </message>
    <message>
        <source>next: insert its card</source>
        <comment>fleet.state_next</comment>
        <translation>naslednja: vstavite njeno kartico</translation>
    </message>
    <message>
        <source>writing</source>
        <comment>fleet.state_writing</comment>
        <translation>zapisovanje</translation>
    </message>
    <message>
        <source>done earlier (%1)</source>
        <comment>fleet.state_done_before</comment>
        <translation>dokončano prej (%1)</translation>
    </message>
    <message>
        <source>The time set up in the field cannot be used: %1</source>
        <comment>fleet.time_unusable</comment>
        <translation>Časa namestitve na terenu ni mogoče uporabiti: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2</source>
        <comment>fleet.name_unusable</comment>
        <translation>»%1« ni mogoče uporabiti: %2</translation>
    </message>
    <message>
        <source>The kit holds passwords (%1): keep the file to yourself.</source>
        <comment>fleet.kit_holds_passwords</comment>
        <translation>Komplet vsebuje gesla (%1): datoteko obdržite zase.</translation>
    </message>
    <message>
        <source>card %1 written %2</source>
        <comment>fleet.card_named_written_at</comment>
        <translation>kartica %1, zapisana %2</translation>
    </message>
    <message>
        <source>card written %1</source>
        <comment>fleet.card_written_at</comment>
        <translation>kartica, zapisana %1</translation>
    </message>
    <message>
        <source>Cards:</source>
        <comment>fleet.mode_label</comment>
        <translation>Kartice:</translation>
    </message>
    <message>
        <source>Set up for the field</source>
        <comment>fleet.mode_set_up</comment>
        <translation>Priprava za teren</translation>
    </message>
    <message>
        <source>Returned from the field</source>
        <comment>fleet.mode_returned</comment>
        <translation>Vrnjene s terena</translation>
    </message>
    <message>
        <source>Choose the deployment log, then press Start.</source>
        <comment>fleet.choose_log</comment>
        <translation>Izberite dnevnik postavitev in pritisnite Začni.</translation>
    </message>
    <message>
        <source>Cameras and their returned cards:</source>
        <comment>fleet.cameras_returned_label</comment>
        <translation>Kamere in njihove vrnjene kartice:</translation>
    </message>
    <message>
        <source>in the field (card written %1)</source>
        <comment>fleet.state_in_field</comment>
        <translation>na terenu (kartica zapisana %1)</translation>
    </message>
    <message>
        <source>returned (read %1)</source>
        <comment>fleet.state_returned</comment>
        <translation>vrnjena (prebrana %1)</translation>
    </message>
    <message>
        <source>reading</source>
        <comment>fleet.state_reading</comment>
        <translation>branje</translation>
    </message>
    <message>
        <source>Insert a returned card (read so far: %1)</source>
        <comment>fleet.insert_returned_card</comment>
        <translation>Vstavite vrnjeno kartico (doslej prebranih: %1)</translation>
    </message>
    <message>
        <source>Reading the card at %1...</source>
        <comment>fleet.reading_card</comment>
        <translation>Branje kartice na %1...</translation>
    </message>
    <message>
        <source>returned: %1</source>
        <comment>fleet.result_returned</comment>
        <translation>vrnjena: %1</translation>
    </message>
    <message>
        <source>The card at %1 was not read to the end or its return not logged (%2): remove it.</source>
        <comment>fleet.return_not_read</comment>
        <translation>Kartica na %1 ni bila prebrana do konca ali njena vrnitev ni bila zapisana (%2): odstranite jo.</translation>
    </message>
    <message>
        <source>The card of %1 is read, its return logged, and it is ejected: remove it and insert the next one.</source>
        <comment>fleet.returned_ejected</comment>
        <translation>Kartica %1 je prebrana, njena vrnitev zapisana in izvržena je: odstranite jo in vstavite naslednjo.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged: unmount and remove the card at %2, then insert the next one.</source>
        <comment>fleet.returned_remove</comment>
        <translation>Kartica %1 je prebrana in njena vrnitev zapisana: odklopite in odstranite kartico na %2, nato vstavite naslednjo.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged, but it was not ejected (%2): unmount and remove the card at %3.</source>
        <comment>fleet.returned_remove_by_hand</comment>
        <translation>Kartica %1 je prebrana in njena vrnitev zapisana, vendar ni bila izvržena (%2): odklopite in odstranite kartico na %3.</translation>
    </message>
    <message>
        <source>Stopped. Returned cards read: %1.</source>
        <comment>fleet.returns_stopped</comment>
        <translation>Ustavljeno. Prebrane vrnjene kartice: %1.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 in this folder is a link to another file; nothing was written.</source>
        <comment>notice.file_is_link</comment>
        <translation>Datoteka %1 v tej mapi je povezava na drugo datoteko; nič ni bilo zapisano.</translation>
    </message>
    <message>
        <source>No folder chosen: choose the card&apos;s folder first.</source>
        <comment>notice.no_folder_chosen</comment>
        <translation>Mapa ni izbrana: najprej izberite mapo kartice.</translation>
    </message>
    <message>
        <source>Another write to %1 is in progress; nothing was written. Try again in a moment.</source>
        <comment>notice.write_in_progress</comment>
        <translation>V datoteko %1 že piše drug postopek; nič ni bilo zapisano. Poskusite znova čez trenutek.</translation>
    </message>
    <message>
        <source>The file %1 was written, but it could not be read back to check it. Generate it again, or use Load from card to check it.</source>
        <comment>notice.written_unchecked</comment>
        <translation>Datoteka %1 je bila zapisana, vendar je ni bilo mogoče prebrati za preverjanje. Ustvarite jo znova ali jo preverite z ukazom »Naloži s kartice«.</translation>
    </message>
    <message>
        <source>the path is too long.</source>
        <comment>notice.reason_path_too_long</comment>
        <translation>pot je predolga.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <comment>notice.file_written</comment>
        <translation>Datoteka: %1</translation>
    </message>
    <message>
        <source>Replace the menu.dat in %1 with the factory settings?</source>
        <comment>notice.confirm_factory_reset</comment>
        <translation>Želite menu.dat v %1 zamenjati s tovarniškimi nastavitvami?</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535.</source>
        <comment>notice.port_not_number</comment>
        <translation>Vrata morajo biti celo število od 1 do 65535.</translation>
    </message>
    <message>
        <source>The download page could not be opened. Its address is %1</source>
        <comment>notice.url_not_opened</comment>
        <translation>Strani za prenos ni bilo mogoče odpreti. Njen naslov je %1</translation>
    </message>
    <message>
        <source>This model does not send e-mail.</source>
        <comment>notice.model_sends_no_email</comment>
        <translation>Ta model ne pošilja e-pošte.</translation>
    </message>
    <message>
        <source>Load from card</source>
        <comment>notice.menu_load_from_card</comment>
        <translation>Naloži s kartice</translation>
    </message>
    <message>
        <source>Load profile...</source>
        <comment>notice.menu_load_profile</comment>
        <translation>Naloži profil...</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <comment>notice.menu_save_profile</comment>
        <translation>Shrani profil...</translation>
    </message>
    <message>
        <source>Restore previous file</source>
        <comment>notice.menu_restore_previous</comment>
        <translation>Obnovi prejšnjo datoteko</translation>
    </message>
    <message>
        <source>There is no %1 in this folder; the form was left as it was.</source>
        <comment>notice.file_absent</comment>
        <translation>V tej mapi ni datoteke %1; obrazec je ostal nespremenjen.</translation>
    </message>
    <message>
        <source>%1 in this folder is damaged; the form was left as it was.</source>
        <comment>notice.file_damaged</comment>
        <translation>Datoteka %1 v tej mapi je poškodovana; obrazec je ostal nespremenjen.</translation>
    </message>
    <message>
        <source>%1 in this folder was written for a different camera model; the form was left as it was.</source>
        <comment>notice.file_other_form</comment>
        <translation>Datoteka %1 v tej mapi je bila zapisana za drug model kamere; obrazec je ostal nespremenjen.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be used: %2</source>
        <comment>notice.profile_unusable</comment>
        <translation>Profila %1 ni mogoče uporabiti: %2</translation>
    </message>
    <message>
        <source>Profile saved.</source>
        <comment>notice.profile_saved</comment>
        <translation>Profil shranjen.</translation>
    </message>
    <message>
        <source>No earlier %1 from this folder is kept in the history.</source>
        <comment>notice.no_previous_file</comment>
        <translation>V zgodovini ni shranjene starejše datoteke %1 iz te mape.</translation>
    </message>
    <message>
        <source>Write back the %1 this folder held before %2?</source>
        <comment>notice.ask_restore_previous</comment>
        <translation>Želite obnoviti datoteko %1, ki je bila v tej mapi pred %2?</translation>
    </message>
    <message>
        <source>No copy of the replaced file could be kept, so it cannot be restored later.</source>
        <comment>notice.no_copy_kept</comment>
        <translation>Kopije zamenjane datoteke ni bilo mogoče shraniti, zato je pozneje ne bo mogoče obnoviti.</translation>
    </message>
    <message>
        <source>More...</source>
        <comment>notice.menu_more</comment>
        <translation>Več...</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <comment>notice.loaded_from</comment>
        <translation>Naloženo iz %1</translation>
    </message>
    <message>
        <source>%1 in this folder is the factory reset record; it holds no settings to load.</source>
        <comment>notice.file_is_factory_reset</comment>
        <translation>Datoteka %1 v tej mapi je zapis za ponastavitev na tovarniške nastavitve; ne vsebuje nastavitev, ki bi jih bilo mogoče naložiti.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <comment>notice.ask_replace_profile</comment>
        <translation>%1 že obstaja. Jo želite zamenjati?</translation>
    </message>
    <message>
        <source>No lock could be made to write %1 safely (%2); nothing was written.</source>
        <comment>notice.lock_unavailable</comment>
        <translation>Ključavnice za pisanje %1 ni bilo mogoče ustvariti (%2); nič ni bilo zapisano.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is not valid UTF-8 text, so the file cannot be written there. Rename the folder (or mount the card under another name) and choose it again.</source>
        <comment>notice.name_not_utf8</comment>
        <translation>Ime mape ni veljavno besedilo UTF-8, zato vanjo ni mogoče zapisati datoteke. Preimenujte mapo (ali priklopite kartico pod drugim imenom) in jo izberite znova.</translation>
    </message>
    <message>
        <source>The file %1 was written, but the card did not confirm the change to its folder (%2). Generate it again, or check the card with &quot;kestrova inspect&quot;.</source>
        <comment>notice.folder_not_flushed</comment>
        <translation>Datoteka %1 je bila zapisana, vendar kartica ni potrdila spremembe svoje mape (%2). Ustvarite jo znova ali preverite kartico z &quot;kestrova inspect&quot;.</translation>
    </message>
    <message>
        <source>Its camera clock will be set to the current time; every other setting stays as it was.</source>
        <comment>notice.restore_sets_clock</comment>
        <translation>Ura kamere v njej bo nastavljena na trenutni čas; vse druge nastavitve ostanejo, kot so bile.</translation>
    </message>
    <message>
        <source>%1 was restored as it was before %2.</source>
        <comment>notice.restored_from</comment>
        <translation>Datoteka %1 je bila obnovljena, kot je bila pred %2.</translation>
    </message>
    <message>
        <source>The kept copy of %1 cannot be written back: %2.</source>
        <comment>notice.previous_copy_damaged</comment>
        <translation>Shranjene kopije datoteke %1 ni mogoče zapisati nazaj: %2.</translation>
    </message>
    <message>
        <source>%1 in %2 holds settings (%3). Load them into the form?</source>
        <comment>notice.ask_load_from_folder</comment>
        <translation>Datoteka %1 v mapi %2 vsebuje nastavitve (%3). Jih želite naložiti v obrazec?</translation>
    </message>
    <message>
        <source>%1, clock %2</source>
        <comment>notice.holds_menu_of</comment>
        <translation>%1, ura %2</translation>
    </message>
    <message>
        <source>The %1 this folder held before %2 came from the card %3; which card the folder holds now is not known. Write it back?</source>
        <comment>notice.ask_restore_from_card</comment>
        <translation>Datoteka %1, ki je bila v tej mapi pred %2, izvira s kartice %3; ni znano, katera kartica je zdaj v mapi. Jo želite zapisati nazaj?</translation>
    </message>
    <message>
        <source>%1 was not written back: it came from the card %2, but the folder now holds the card %3.</source>
        <comment>notice.restore_other_card</comment>
        <translation>Datoteka %1 ni bila zapisana nazaj: izvira s kartice %2, v mapi pa je zdaj kartica %3.</translation>
    </message>
</context>
<context>
    <name>ProfileReason</name>
    <message>
        <source>%1 is not allowed; use a position 0..%2 or one of: %3</source>
        <translation>%1 ni dovoljeno; uporabite položaj 0..%2 ali eno od teh možnosti: %3</translation>
    </message>
    <message>
        <source>Enter a whole number (got %1).</source>
        <translation>Vnesite celo število (vneseno: %1).</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2 (got %3).</source>
        <translation>Vnesite celo število od %1 do %2 (vneseno: %3).</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Telefonska številka ima največ toliko števk: %1.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>What the camera will do</source>
        <comment>summary.strip_title</comment>
        <translation>Kaj bo kamera naredila</translation>
    </message>
    <message>
        <source>Triggers a day (assumed):</source>
        <comment>summary.assumed_triggers</comment>
        <translation>Sprožitev na dan (predvideno):</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <comment>summary.warning_line</comment>
        <translation>Opozorilo: %1</translation>
    </message>
    <message>
        <source>Print settings sheet...</source>
        <comment>summary.menu_print_sheet</comment>
        <translation>Natisni list z nastavitvami...</translation>
    </message>
    <message>
        <source>Settings sheet: %1</source>
        <comment>summary.sheet_title</comment>
        <translation>List z nastavitvami: %1</translation>
    </message>
    <message>
        <source>Camera model</source>
        <comment>summary.sheet_model</comment>
        <translation>Model kamere</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>summary.sheet_folder</comment>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>summary.sheet_date</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Check value</source>
        <comment>summary.sheet_check_value</comment>
        <translation>Kontrolna vrednost</translation>
    </message>
    <message>
        <source>none yet: these settings do not pass the checks before writing</source>
        <comment>summary.sheet_no_check</comment>
        <translation>še ni: te nastavitve še ne prestanejo preverjanja pred zapisom</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>summary.sheet_settings</comment>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>summary.sheet_warnings</comment>
        <translation>Opozorila</translation>
    </message>
    <message>
        <source>None.</source>
        <comment>summary.sheet_no_warnings</comment>
        <translation>Nobenih.</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <comment>summary.hidden_value</comment>
        <translation>(skrito)</translation>
    </message>
    <message>
        <source>The settings sheet could not be printed: %1</source>
        <comment>summary.sheet_print_failed</comment>
        <translation>Lista z nastavitvami ni bilo mogoče natisniti: %1</translation>
    </message>
    <message>
        <source>Changed on the card:</source>
        <comment>summary.changed_header</comment>
        <translation>Spremenjeno na kartici:</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <comment>summary.changed_line</comment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: changed</source>
        <comment>summary.changed_hidden_line</comment>
        <translation>%1: spremenjeno</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment>summary.changed_more</comment>
        <translation>in še %1</translation>
    </message>
    <message>
        <source>New file.</source>
        <comment>summary.change_new_file</comment>
        <translation>Nova datoteka.</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <comment>summary.change_nothing</comment>
        <translation>Nobena nastavitev se ni spremenila.</translation>
    </message>
    <message>
        <source>It replaced a damaged file.</source>
        <comment>summary.change_replaced_damaged</comment>
        <translation>Nadomestila je poškodovano datoteko.</translation>
    </message>
    <message>
        <source>It replaced the factory reset record.</source>
        <comment>summary.change_replaced_factory</comment>
        <translation>Nadomestila je zapis za ponastavitev na tovarniške nastavitve.</translation>
    </message>
    <message>
        <source>It replaced a file written for another camera model.</source>
        <comment>summary.change_replaced_other</comment>
        <translation>Nadomestila je datoteko, zapisano za drug model kamere.</translation>
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
        <translation>Ob gibanju: 1 fotografija v ločljivosti %1.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1.</source>
        <comment>summary.trigger_photos2</comment>
        <translation>Ob gibanju: 2 fotografiji v ločljivosti %1.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1.</source>
        <comment>summary.trigger_photos3</comment>
        <translation>Ob gibanju: 3 fotografije v ločljivosti %1.</translation>
    </message>
    <message>
        <source>On motion: a %1 video at %2.</source>
        <comment>summary.trigger_video</comment>
        <translation>Ob gibanju: video dolžine %1 v ločljivosti %2.</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video1</comment>
        <translation>Ob gibanju: 1 fotografija v ločljivosti %1 in video dolžine %2 v ločljivosti %3.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video2</comment>
        <translation>Ob gibanju: 2 fotografiji v ločljivosti %1 in video dolžine %2 v ločljivosti %3.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video3</comment>
        <translation>Ob gibanju: 3 fotografije v ločljivosti %1 in video dolžine %2 v ločljivosti %3.</translation>
    </message>
    <message>
        <source>After each trigger it waits %1 before the next.</source>
        <comment>summary.wait_after_trigger</comment>
        <translation>Po vsaki sprožitvi počaka %1 do naslednje.</translation>
    </message>
    <message>
        <source>After each trigger it is ready again at once.</source>
        <comment>summary.no_wait</comment>
        <translation>Po vsaki sprožitvi je takoj spet pripravljena.</translation>
    </message>
    <message>
        <source>The motion sensor is on (sensitivity: %1).</source>
        <comment>summary.motion_on</comment>
        <translation>Senzor gibanja je vklopljen (občutljivost: %1).</translation>
    </message>
    <message>
        <source>The motion sensor is off.</source>
        <comment>summary.motion_off</comment>
        <translation>Senzor gibanja je izklopljen.</translation>
    </message>
    <message>
        <source>The side sensors are on.</source>
        <comment>summary.side_on</comment>
        <translation>Stranski senzorji so vklopljeni.</translation>
    </message>
    <message>
        <source>The side sensors are off.</source>
        <comment>summary.side_off</comment>
        <translation>Stranski senzorji so izklopljeni.</translation>
    </message>
    <message>
        <source>It is active all day.</source>
        <comment>summary.active_all_day</comment>
        <translation>Dejavna je ves dan.</translation>
    </message>
    <message>
        <source>It is active %1 (%2 a day).</source>
        <comment>summary.active_one_window</comment>
        <translation>Dejavna: %1 (%2 na dan).</translation>
    </message>
    <message>
        <source>It is active %1 and %2 (%3 a day).</source>
        <comment>summary.active_two_windows</comment>
        <translation>Dejavna: %1 in %2 (%3 na dan).</translation>
    </message>
    <message>
        <source>Its timers leave no time in which it is active.</source>
        <comment>summary.active_never</comment>
        <translation>Časovniki ne puščajo nobenega časa delovanja.</translation>
    </message>
    <message>
        <source>And one photo every %1 while active: %2 a day.</source>
        <comment>summary.time_lapse</comment>
        <translation>In ena fotografija vsakih %1 med delovanjem: %2 na dan.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time and the text &quot;%1&quot;.</source>
        <comment>summary.stamp_time_and_text</comment>
        <translation>Na slikah sta čas in besedilo »%1«.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time.</source>
        <comment>summary.stamp_time</comment>
        <translation>Na slikah je čas.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the text &quot;%1&quot;.</source>
        <comment>summary.stamp_text</comment>
        <translation>Na slikah je besedilo »%1«.</translation>
    </message>
    <message>
        <source>Nothing is stamped on the pictures.</source>
        <comment>summary.stamp_nothing</comment>
        <translation>Na slikah ni ničesar.</translation>
    </message>
    <message>
        <source>When the card is full, the oldest files are overwritten.</source>
        <comment>summary.sd_cycle_on</comment>
        <translation>Ko je kartica polna, se najstarejše datoteke prepišejo.</translation>
    </message>
    <message>
        <source>When the card is full, the camera stops recording.</source>
        <comment>summary.sd_cycle_off</comment>
        <translation>Ko je kartica polna, kamera preneha snemati.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1 when it reads this card; insert the card soon, or the clock runs behind by the time in between.</source>
        <comment>summary.clock_set</comment>
        <translation>Ko kamera prebere to kartico, se njena ura nastavi na %1; kartico kmalu vstavite, sicer bo ura zaostajala za vmes pretečeni čas.</translation>
    </message>
    <message>
        <source>This record returns the camera to its factory settings.</source>
        <comment>summary.factory_reset</comment>
        <translation>Ta zapis ponastavi kamero na tovarniške nastavitve.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, card use about %2.</source>
        <comment>summary.estimate_photos</comment>
        <translation>Ocena na dan: slik približno %1, porabe kartice približno %2.</translation>
    </message>
    <message>
        <source>Estimated a day: video about %1, card use about %2.</source>
        <comment>summary.estimate_video</comment>
        <translation>Ocena na dan: videa približno %1, porabe kartice približno %2.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, video about %2, card use about %3.</source>
        <comment>summary.estimate_both</comment>
        <translation>Ocena na dan: slik približno %1, videa približno %2, porabe kartice približno %3.</translation>
    </message>
    <message>
        <source>MMS sending is off.</source>
        <comment>summary.mms_off</comment>
        <translation>Pošiljanje MMS je izklopljeno.</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS to %2.</source>
        <comment>summary.mms_sends</comment>
        <translation>Vsako sliko pošlje kot MMS %1 na %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture to %1.</source>
        <comment>summary.sends_sms</comment>
        <translation>Za vsako sliko pošlje SMS na %1.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; messages: at most %2 a day, %3 a month.</source>
        <comment>summary.messages_limit</comment>
        <translation>Slik na dan: največ %1; sporočil: največ %2 na dan, %3 na mesec.</translation>
    </message>
    <message>
        <source>E-mail sending is off.</source>
        <comment>summary.email_off</comment>
        <translation>Pošiljanje e-pošte je izklopljeno.</translation>
    </message>
    <message>
        <source>It e-mails each picture to %1 through %2, port %3, from %4.</source>
        <comment>summary.email_sends</comment>
        <translation>Vsako sliko pošlje po e-pošti na %1 prek %2, vrata %3, z naslova %4.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; e-mails: at most %2 a day, %3 a month.</source>
        <comment>summary.emails_limit</comment>
        <translation>Slik na dan: največ %1; e-poštnih sporočil: največ %2 na dan, %3 na mesec.</translation>
    </message>
    <message>
        <source>SMS remote control is off.</source>
        <comment>summary.remote_off</comment>
        <translation>Upravljanje prek SMS je izklopljeno.</translation>
    </message>
    <message>
        <source>Network: the operator preset for %1, %2.</source>
        <comment>summary.network_preset</comment>
        <translation>Omrežje: prednastavitev operaterja za %1, %2.</translation>
    </message>
    <message>
        <source>Network: typed in (APN %1).</source>
        <comment>summary.network_typed</comment>
        <translation>Omrežje: vneseno ročno (APN %1).</translation>
    </message>
    <message>
        <source>%1 and %2 are both off: the camera never takes a picture.</source>
        <comment>summary.conflict_never_pictures</comment>
        <translation>%1 in %2 sta oba izklopljena: kamera nikoli ne posname slike.</translation>
    </message>
    <message>
        <source>%1 is on with start and stop both at %2: its window is empty, or the whole day, depending on the camera.</source>
        <comment>summary.conflict_timer_empty</comment>
        <translation>%1 je vklopljen, začetek in konec pa sta oba ob %2: okno je prazno ali traja ves dan, odvisno od kamere.</translation>
    </message>
    <message>
        <source>%1 and %2 overlap (%3): that time counts once.</source>
        <comment>summary.conflict_timers_overlap</comment>
        <translation>%1 in %2 se prekrivata (%3): ta čas se šteje enkrat.</translation>
    </message>
    <message>
        <source>%1 is on with an interval of 0: the camera cannot take a photo every 0 seconds.</source>
        <comment>summary.conflict_time_lapse_zero</comment>
        <translation>%1 je vklopljen z intervalom 0: kamera ne more posneti fotografije vsakih 0 sekund.</translation>
    </message>
    <message>
        <source>The %1 interval (%2) is longer than the active window %3: only one photo is taken in it.</source>
        <comment>summary.conflict_time_lapse_long</comment>
        <translation>Interval za %1 (%2) je daljši od okna delovanja %3: v njem se posname le ena fotografija.</translation>
    </message>
    <message>
        <source>%1 is 0 s while %2 is %3: each motion starts the next capture at once, which fills the card and drains the battery.</source>
        <comment>summary.conflict_zero_interval</comment>
        <translation>%1 je 0 s, %2 pa je %3: vsak gib takoj sproži naslednji posnetek, kar napolni kartico in izprazni baterijo.</translation>
    </message>
    <message>
        <source>%1 is %2, but no recipient is given: nothing is sent.</source>
        <comment>summary.conflict_no_recipient</comment>
        <translation>%1 je %2, vendar ni podanega prejemnika: nič ne bo poslano.</translation>
    </message>
    <message>
        <source>%1 is empty: the camera has no one to e-mail.</source>
        <comment>summary.conflict_email_no_recipient</comment>
        <translation>%1 je prazno: kamera nima komu poslati e-pošte.</translation>
    </message>
    <message>
        <source>%1 is 0, which means no limit, not none: every picture is sent.</source>
        <comment>summary.conflict_unlimited</comment>
        <translation>%1 je 0, kar pomeni brez omejitve, ne nič: poslana bo vsaka slika.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while %3 sends pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode</comment>
        <translation>%1 je v menu.dat %2, %3 pa pošilja slike: v tem načinu kamera ne posname fotografij, zato ne pošlje nobene.</translation>
    </message>
    <message>
        <source>The PC&apos;s clock is not synchronised with a time server: the camera&apos;s clock will be as far off as the PC&apos;s.</source>
        <comment>summary.conflict_clock_not_synced</comment>
        <translation>Ura računalnika ni usklajena s časovnim strežnikom: ura kamere bo odstopala toliko kot računalnikova.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1, before 2024: the PC&apos;s clock looks wrong.</source>
        <comment>summary.conflict_clock_early</comment>
        <translation>Ura kamere se nastavi na %1, pred letom 2024: ura računalnika je videti napačna.</translation>
    </message>
    <message>
        <source>The card is read-only: nothing can be written to it (is its lock switch on?).</source>
        <comment>summary.conflict_card_read_only</comment>
        <translation>Kartica je samo za branje: nanjo ni mogoče ničesar zapisati (je stikalo za zaklep vklopljeno?).</translation>
    </message>
    <message>
        <source>The card&apos;s free space (%1) holds less than one day at about %2 a day.</source>
        <comment>summary.conflict_card_short</comment>
        <translation>Prosti prostor na kartici (%1) zadošča za manj kot en dan pri približno %2 na dan.</translation>
    </message>
    <message>
        <source>The card is larger than 32 GB and formatted as %1: many cameras read only FAT32 cards up to 32 GB, so this one may not work.</source>
        <comment>summary.conflict_card_not_fat32</comment>
        <translation>Kartica je večja od 32 GB in formatirana kot %1: mnoge kamere berejo le kartice FAT32 do 32 GB, zato ta morda ne bo delovala.</translation>
    </message>
    <message>
        <source>The card still holds pictures from an earlier deployment (files in DCIM: %1).</source>
        <comment>summary.conflict_card_old_files</comment>
        <translation>Na kartici so še slike s prejšnje postavitve (datotek v DCIM: %1).</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS; recipients: %2.</source>
        <comment>summary.mms_sends_unnamed</comment>
        <translation>Vsako sliko pošlje kot MMS %1; prejemnikov: %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture; recipients: %1.</source>
        <comment>summary.sends_sms_unnamed</comment>
        <translation>Za vsako sliko pošlje SMS; prejemnikov: %1.</translation>
    </message>
    <message>
        <source>It e-mails each picture through %1, port %2.</source>
        <comment>summary.email_sends_unnamed</comment>
        <translation>Vsako sliko pošlje po e-pošti prek %1, vrata %2.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2.</source>
        <comment>summary.card_lasts</comment>
        <translation>Dni, dokler kartica (%1 prostih) ne bo polna: približno %2.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2; then the oldest files are overwritten.</source>
        <comment>summary.card_overwrites</comment>
        <translation>Dni, dokler kartica (%1 prostih) ne bo polna: približno %2; nato se najstarejše datoteke prepišejo.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of MMS.</source>
        <comment>summary.mms_data</comment>
        <translation>Podatkov na mesec: približno %1 prek MMS.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of e-mail.</source>
        <comment>summary.email_data</comment>
        <translation>Podatkov na mesec: približno %1 prek e-pošte.</translation>
    </message>
    <message>
        <source>These are the form&apos;s settings: they are not written to a card.</source>
        <comment>summary.sheet_not_written</comment>
        <translation>To so nastavitve obrazca: niso zapisane na kartico.</translation>
    </message>
    <message>
        <source>Assumed for the estimates</source>
        <comment>summary.sheet_assumed</comment>
        <translation>Predpostavke ocen</translation>
    </message>
    <message>
        <source>Triggers a day: %1</source>
        <comment>summary.assume_triggers</comment>
        <translation>Sprožitev na dan: %1</translation>
    </message>
    <message>
        <source>A picture at %1: %2 MB</source>
        <comment>summary.assume_picture</comment>
        <translation>Ena slika v ločljivosti %1: %2 MB</translation>
    </message>
    <message>
        <source>A second of video at %1: %2 MB (Motion-JPEG AVI)</source>
        <comment>summary.assume_video</comment>
        <translation>Ena sekunda videa v ločljivosti %1: %2 MB (Motion-JPEG AVI)</translation>
    </message>
    <message>
        <source>An MMS at %1: %2 KB</source>
        <comment>summary.assume_mms</comment>
        <translation>En MMS v ločljivosti %1: %2 KB</translation>
    </message>
    <message>
        <source>An e-mail at %1: %2 KB</source>
        <comment>summary.assume_email</comment>
        <translation>Eno e-poštno sporočilo v ločljivosti %1: %2 KB</translation>
    </message>
    <message>
        <source>Pictures sent for each trigger: %1</source>
        <comment>summary.assume_sent_per_trigger</comment>
        <translation>Poslanih slik na sprožitev: %1</translation>
    </message>
    <message>
        <source>Time to take one photo: %1 s</source>
        <comment>summary.assume_photo_capture</comment>
        <translation>Čas za eno fotografijo: %1 s</translation>
    </message>
    <message>
        <source>Days in a month: %1</source>
        <comment>summary.assume_month</comment>
        <translation>Dni v mesecu: %1</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2)</source>
        <comment>summary.report_model</comment>
        <translation>Kaj bo kamera naredila (model %1, %2)</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2, from the preferences; give --model for another)</source>
        <comment>summary.report_model_stored</comment>
        <translation>Kaj bo kamera naredila (model %1, %2, iz nastavitev; drugega določi --model)</translation>
    </message>
    <message>
        <source>about %1</source>
        <comment>summary.report_about</comment>
        <translation>približno %1</translation>
    </message>
    <message>
        <source>(assumed: %1)</source>
        <comment>summary.report_assumed</comment>
        <translation>(predpostavka: %1)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>summary.report_warning</comment>
        <translation>opozorilo: %1</translation>
    </message>
    <message>
        <source>When it is active depends on how the camera reads a timer that starts and stops at the same time (see the warnings).</source>
        <comment>summary.active_unknown</comment>
        <translation>Kdaj je dejavna, je odvisno od tega, kako kamera razume časovnik z enakim začetkom in koncem (glejte opozorila).</translation>
    </message>
    <message>
        <source>Triggers a day that each capture and the wait after it allow: at most %1.</source>
        <comment>summary.trigger_cap</comment>
        <translation>Sprožitev na dan, ki jih dopuščata posnetek in čakanje po njem: največ %1.</translation>
    </message>
    <message>
        <source>normal</source>
        <comment>summary.sensitivity_normal</comment>
        <translation>normalna</translation>
    </message>
    <message>
        <source>high</source>
        <comment>summary.sensitivity_high</comment>
        <translation>visoka</translation>
    </message>
    <message>
        <source>low</source>
        <comment>summary.sensitivity_low</comment>
        <translation>nizka</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>summary.value_video_only</comment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.messages_no_limit</comment>
        <translation>Slik na dan: brez omejitve; sporočil: približno %1 na dan, %2 na mesec (ocena: ena poslana slika na sprožitev, predvidenih sprožitev na dan: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.messages_no_limit_menu</comment>
        <translation>Slik na dan: brez omejitve; sporočil: približno %1 na dan, %2 na mesec (ocena po slikah, ki jih predvideva menu.dat).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.emails_no_limit</comment>
        <translation>Slik na dan: brez omejitve; e-poštnih sporočil: približno %1 na dan, %2 na mesec (ocena: ena poslana slika na sprožitev, predvidenih sprožitev na dan: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.emails_no_limit_menu</comment>
        <translation>Slik na dan: brez omejitve; e-poštnih sporočil: približno %1 na dan, %2 na mesec (ocena po slikah, ki jih predvideva menu.dat).</translation>
    </message>
    <message>
        <source>SMS remote control is on; its hour setting is %1.</source>
        <comment>summary.remote_on</comment>
        <translation>Upravljanje prek SMS je vklopljeno; nastavitev ur je %1.</translation>
    </message>
    <message>
        <source>%1 is %2, but no phone number for SMS is given: nothing is sent.</source>
        <comment>summary.conflict_no_phone</comment>
        <translation>%1 je %2, vendar ni podane telefonske številke za SMS: nič ne bo poslano.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while setup.dat and smtp.dat send pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode_both</comment>
        <translation>%1 je v menu.dat %2, setup.dat in smtp.dat pa pošiljata slike: v tem načinu kamera ne posname fotografij, zato ne bo poslana nobena.</translation>
    </message>
    <message>
        <source>Beep sound</source>
        <comment>summary.caption_beep_sound</comment>
        <translation>Zvočni signal</translation>
    </message>
    <message>
        <source>Overwrite when full (SD cycle)</source>
        <comment>summary.caption_sd_cycle</comment>
        <translation>Prepiši, ko je polna (krog SD)</translation>
    </message>
    <message>
        <source>Timer 2</source>
        <comment>summary.caption_timer2</comment>
        <translation>Časovnik 2</translation>
    </message>
    <message>
        <source>SMS remote control</source>
        <comment>summary.caption_remote_control</comment>
        <translation>Upravljanje prek SMS</translation>
    </message>
    <message>
        <source>Bearer</source>
        <comment>summary.caption_bearer</comment>
        <translation>Prenosni način</translation>
    </message>
    <message>
        <source>Phone number scope</source>
        <comment>summary.caption_phone_scope</comment>
        <translation>Vrsta telefonske številke</translation>
    </message>
    <message>
        <source>E-mail settings mode</source>
        <comment>summary.caption_smtp_mode</comment>
        <translation>Način nastavitev e-pošte</translation>
    </message>
    <message>
        <source>E-mail status</source>
        <comment>summary.caption_smtp_status</comment>
        <translation>Stanje e-pošte</translation>
    </message>
    <message>
        <source>Mail server</source>
        <comment>summary.caption_smtp_server</comment>
        <translation>Poštni strežnik</translation>
    </message>
    <message>
        <source>Sender address</source>
        <comment>summary.caption_sender_email</comment>
        <translation>Naslov pošiljatelja</translation>
    </message>
    <message>
        <source>Domestic</source>
        <comment>summary.value_domestic</comment>
        <translation>Domača</translation>
    </message>
    <message>
        <source>International</source>
        <comment>summary.value_international</comment>
        <translation>Mednarodna</translation>
    </message>
</context>
<context>
    <name>kestrova::CardFileActions</name>
    <message>
        <source>it is not valid JSON: %1 at offset %2</source>
        <translation>ni veljaven JSON: %1 na odmiku %2</translation>
    </message>
    <message>
        <source>it must hold one JSON object of settings</source>
        <translation>vsebovati mora en objekt JSON z nastavitvami</translation>
    </message>
    <message>
        <source>it names &quot;%1&quot; twice; which value is meant cannot be told</source>
        <translation>dvakrat navaja »%1«; ni mogoče ugotoviti, katera vrednost je mišljena</translation>
    </message>
    <message>
        <source>it is the report of a damaged file (%1); its values cannot be trusted</source>
        <translation>je poročilo o poškodovani datoteki (%1); njenim vrednostim ni mogoče zaupati</translation>
    </message>
    <message>
        <source>it holds the unknown setting &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>vsebuje neznano nastavitev »%1«; ste mislili »%2«?</translation>
    </message>
    <message>
        <source>it holds the settings of a %1 file, not of %2</source>
        <translation>vsebuje nastavitve datoteke vrste %1, ne datoteke %2</translation>
    </message>
    <message>
        <source>larger than a profile (%1 bytes)</source>
        <translation>večja od profila (%1 bajtov)</translation>
    </message>
    <message>
        <source>larger than a profile (more than %1 bytes)</source>
        <translation>večja od profila (več kot %1 bajtov)</translation>
    </message>
    <message>
        <source>it reads as a damaged file</source>
        <translation>prebere se kot poškodovana datoteka</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CameraList</name>
    <message>
        <source>expected a number from %1 to %2, got %3</source>
        <translation>pričakovano je število od %1 do %2, dobljeno %3</translation>
    </message>
    <message>
        <source>expected four characters (0-9, A-Z), got %1</source>
        <translation>pričakovani so štirje znaki (0–9, A–Z), dobljeno %1</translation>
    </message>
    <message>
        <source>%1: the character %2 is none of 0-9, A-Z</source>
        <translation>%1: znak %2 ni med 0–9, A–Z</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>vsebuje krmilni znak</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>vrstica %1, stolpec %2: %3</translation>
    </message>
    <message>
        <source>it has no column &quot;%1&quot;</source>
        <translation>nima stolpca »%1«</translation>
    </message>
    <message>
        <source>it names the column &quot;%1&quot; twice</source>
        <translation>stolpec »%1« navaja dvakrat</translation>
    </message>
    <message>
        <source>it has a column &quot;serial&quot;, but the kit has no menu</source>
        <translation>ima stolpec »serial«, komplet pa nima menija</translation>
    </message>
    <message>
        <source>it has the column &quot;%1&quot;, which is no setting of the kit&apos;s sections nor a column the log carries; did you mean &quot;%2&quot;?</source>
        <translation>ima stolpec »%1«, ki ni nastavitev razdelkov kompleta niti stolpec dnevnika; ste mislili »%2«?</translation>
    </message>
    <message>
        <source>every camera needs an id</source>
        <translation>vsaka kamera potrebuje oznako</translation>
    </message>
    <message>
        <source>the camera %1 has a row before this one</source>
        <translation>kamera %1 ima vrstico že pred to</translation>
    </message>
    <message>
        <source>the row gives a %1 but no %2: give both or neither</source>
        <translation>vrstica navaja %1, ne pa %2: navedite oboje ali nič</translation>
    </message>
    <message>
        <source>it holds no camera: it needs a row after the header</source>
        <translation>ne vsebuje nobene kamere: za glavo potrebuje vrstico</translation>
    </message>
    <message>
        <source>row %1 (camera %2): %3</source>
        <translation>vrstica %1 (kamera %2): %3</translation>
    </message>
    <message>
        <source>row %1 (camera %2), column %3: %4</source>
        <translation>vrstica %1 (kamera %2), stolpec %3: %4</translation>
    </message>
    <message>
        <source>expected a date and time with its UTC offset, as %1, got %2</source>
        <translation>pričakovana sta datum in čas z zamikom od UTC, kot %1, dobljeno %2</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CsvTable</name>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>vrstica %1 ima %2 polj, glava %3</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not begin with one</source>
        <translation>vrstica %1: narekovaj v polju, ki se ne začne z njim</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>vrstica %1: besedilo za zaključnim narekovajem polja</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>vrstica %1: polje v narekovajih ni nikoli zaprto</translation>
    </message>
    <message>
        <source>it is empty: it needs a header row</source>
        <translation>je prazna: potrebuje vrstico z glavo</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ni besedilo UTF-8</translation>
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
        <translation>ima %1 znakov; sprejetih je največ %2</translation>
    </message>
    <message>
        <source>it holds the character %1, which shows nothing, breaks the line or turns the text around</source>
        <translation>vsebuje znak %1, ki ne prikaže ničesar, prelomi vrstico ali obrne besedilo</translation>
    </message>
    <message>
        <source>it begins with &quot;%1&quot;, which a spreadsheet takes for a formula</source>
        <translation>začne se z »%1«, kar preglednica razume kot formulo</translation>
    </message>
</context>
</TS>

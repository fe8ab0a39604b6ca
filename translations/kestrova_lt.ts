<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
<context>
    <name>CheckMessage</name>
    <message>
        <source>Enter the GPRS APN.</source>
        <translation>Įveskite GPRS APN.</translation>
    </message>
    <message>
        <source>Enter the mail server.</source>
        <translation>Įveskite pašto serverį.</translation>
    </message>
    <message>
        <source>Enter the mail server&apos;s port.</source>
        <translation>Įveskite pašto serverio prievadą.</translation>
    </message>
    <message>
        <source>Enter an e-mail address.</source>
        <translation>Įveskite el. pašto adresą.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;@&quot;.</source>
        <translation>El. pašto adrese nėra „@“.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;.&quot;.</source>
        <translation>El. pašto adrese nėra „.“.</translation>
    </message>
    <message>
        <source>Enter the password of the sender&apos;s e-mail account.</source>
        <translation>Įveskite siuntėjo el. pašto paskyros slaptažodį.</translation>
    </message>
    <message>
        <source>The phone number is too short or holds more than digits.</source>
        <translation>Telefono numeris per trumpas arba jame yra ne tik skaitmenys.</translation>
    </message>
    <message>
        <source>The first phone number is too short.</source>
        <translation>Pirmasis telefono numeris per trumpas.</translation>
    </message>
    <message>
        <source>The second recipient is too short.</source>
        <translation>Antrasis gavėjas per trumpas.</translation>
    </message>
    <message>
        <source>The third recipient is too short.</source>
        <translation>Trečiasis gavėjas per trumpas.</translation>
    </message>
    <message>
        <source>Enter the first phone number: the SMS remote control answers it.</source>
        <translation>Įveskite pirmąjį telefono numerį: SMS nuotolinis valdymas atsako į jį.</translation>
    </message>
    <message>
        <source>A phone number holds digits only (and a &quot;+&quot; in front when it is international).</source>
        <translation>Telefono numerį sudaro tik skaitmenys (ir „+“ priekyje, jei jis tarptautinis).</translation>
    </message>
    <message>
        <source>Check the phone number: it may hold digits only.</source>
        <translation>Patikrinkite telefono numerį: jame gali būti tik skaitmenys.</translation>
    </message>
    <message>
        <source>Enter the first phone number or an e-mail address.</source>
        <translation>Įveskite pirmąjį telefono numerį arba el. pašto adresą.</translation>
    </message>
    <message>
        <source>Check the recipient: a phone number of digits or an e-mail address.</source>
        <translation>Patikrinkite gavėją: telefono numeris iš skaitmenų arba el. pašto adresas.</translation>
    </message>
    <message>
        <source>Enter the MMS URL.</source>
        <translation>Įveskite MMS URL.</translation>
    </message>
    <message>
        <source>Enter the APN.</source>
        <translation>Įveskite APN.</translation>
    </message>
    <message>
        <source>Enter the MMS gateway.</source>
        <translation>Įveskite MMS šliuzą.</translation>
    </message>
    <message>
        <source>Enter the MMS port.</source>
        <translation>Įveskite MMS prievadą.</translation>
    </message>
    <message>
        <source>The MMS gateway has no &quot;.&quot;.</source>
        <translation>MMS šliuze nėra „.“.</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Telefono numeryje gali būti daugiausia %1 skaitmenų.</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Įveskite sveikąjį skaičių nuo %1 iki %2.</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>Įveskite sveikąjį skaičių.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters.</source>
        <translation>Įveskite ne daugiau kaip %1 simbolių.</translation>
    </message>
    <message>
        <source>%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.</source>
        <translation>%1: tekstas kameroje užima %2 baitų, bet telpa tik %3. Kinų rašmuo užima 2 baitus.</translation>
    </message>
    <message>
        <source>%1: the character &quot;%2&quot; cannot be stored on the camera.</source>
        <translation>%1: simbolio „%2“ negalima išsaugoti kameroje.</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Card report: %1</source>
        <comment>field.title</comment>
        <translation>Kortelės ataskaita: %1</translation>
    </message>
    <message>
        <source>Deployment: %1</source>
        <comment>field.deployment</comment>
        <translation>Pastatymas: %1</translation>
    </message>
    <message>
        <source>camera %1</source>
        <comment>field.camera_part</comment>
        <translation>kamera %1</translation>
    </message>
    <message>
        <source>set up by %1</source>
        <comment>field.setup_by_part</comment>
        <translation>įrengė %1</translation>
    </message>
    <message numerus="yes">
        <source>From %1 (%2) to %3 (%4): %n day(s).</source>
        <comment>field.period</comment>
        <translation>
            <numerusform>Nuo %1 (%2) iki %3 (%4): %n diena.</numerusform>
            <numerusform>Nuo %1 (%2) iki %3 (%4): %n dienos.</numerusform>
            <numerusform>Nuo %1 (%2) iki %3 (%4): %n dienų.</numerusform>
        </translation>
    </message>
    <message>
        <source>as the cameras table says</source>
        <comment>field.start_cameras_table</comment>
        <translation>pagal kamerų lentelę</translation>
    </message>
    <message>
        <source>when the card was written</source>
        <comment>field.start_written</comment>
        <translation>kai kortelė buvo įrašyta</translation>
    </message>
    <message>
        <source>the clock menu.dat set</source>
        <comment>field.start_camera_clock</comment>
        <translation>failo menu.dat nustatytas laikrodis</translation>
    </message>
    <message>
        <source>the first picture</source>
        <comment>field.start_first_picture</comment>
        <translation>pirmoji nuotrauka</translation>
    </message>
    <message>
        <source>retrieved</source>
        <comment>field.end_retrieved</comment>
        <translation>paimta</translation>
    </message>
    <message>
        <source>the last picture</source>
        <comment>field.end_last_picture</comment>
        <translation>paskutinė nuotrauka</translation>
    </message>
    <message>
        <source>Camera: %1. It was set to do this:</source>
        <comment>field.camera</comment>
        <translation>Kamera: %1. Ji buvo nustatyta taip:</translation>
    </message>
    <message>
        <source>The card holds no readable camera menu (menu.dat): the schedule is not known.</source>
        <comment>field.no_menu</comment>
        <translation>Kortelėje nėra nuskaitomo kameros meniu (menu.dat): tvarkaraštis nežinomas.</translation>
    </message>
    <message numerus="yes">
        <source>Working: %1 of %n day(s).</source>
        <comment>field.working</comment>
        <translation>
            <numerusform>Veikė: %1 iš %n dienos.</numerusform>
            <numerusform>Veikė: %1 iš %n dienų.</numerusform>
            <numerusform>Veikė: %1 iš %n dienų.</numerusform>
        </translation>
    </message>
    <message>
        <source>Down: %1. The time lapse took no picture at any of its times.</source>
        <comment>field.down</comment>
        <translation>Neveikė: %1. Laiko intervalų fotografavimas nepadarė nė vienos nuotraukos nė vienu savo laiku.</translation>
    </message>
    <message>
        <source>No pictures: %1. The camera was active 24 hours or more without taking a picture.</source>
        <comment>field.no_pictures</comment>
        <translation>Nuotraukų nėra: %1. Kamera veikė 24 valandas ar ilgiau nepadariusi nė vienos nuotraukos.</translation>
    </message>
    <message>
        <source>No pictures from %1 to %2: %3 of active time.</source>
        <comment>field.gap</comment>
        <translation>Nuotraukų nėra nuo %1 iki %2: %3 veikimo laiko.</translation>
    </message>
    <message numerus="yes">
        <source>Card full: no picture after %1 and no room for one, %n day(s) lost.</source>
        <comment>field.card_full</comment>
        <translation>
            <numerusform>Kortelė pilna: po %1 nuotraukų nėra ir vietos nebeliko, prarasta %n diena.</numerusform>
            <numerusform>Kortelė pilna: po %1 nuotraukų nėra ir vietos nebeliko, prarastos %n dienos.</numerusform>
            <numerusform>Kortelė pilna: po %1 nuotraukų nėra ir vietos nebeliko, prarasta %n dienų.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card is full and SD cycle is on: the oldest pictures have been overwritten.</source>
        <comment>field.overwrites</comment>
        <translation>Kortelė pilna, o SD ciklas įjungtas: seniausios nuotraukos perrašytos.</translation>
    </message>
    <message>
        <source>Clock: the first picture came %1 after the start.</source>
        <comment>field.clock_first_after</comment>
        <translation>Laikrodis: pirmoji nuotrauka padaryta %1 po pradžios.</translation>
    </message>
    <message>
        <source>Clock: the first picture is dated %1 before the start.</source>
        <comment>field.clock_first_before</comment>
        <translation>Laikrodis: pirmosios nuotraukos data yra %1 prieš pradžią.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 ahead.</source>
        <comment>field.clock_ahead</comment>
        <translation>Laikrodis: %1 rodo %2, nufotografuota %3: kameros laikrodis skuba %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 behind.</source>
        <comment>field.clock_behind</comment>
        <translation>Laikrodis: %1 rodo %2, nufotografuota %3: kameros laikrodis vėluoja %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is right to the minute.</source>
        <comment>field.clock_right</comment>
        <translation>Laikrodis: %1 rodo %2, nufotografuota %3: kameros laikrodis tikslus minutės tikslumu.</translation>
    </message>
    <message>
        <source>That is an hour: daylight saving time?</source>
        <comment>field.clock_hour_off</comment>
        <translation>Tai viena valanda: vasaros laikas?</translation>
    </message>
    <message>
        <source>That is 12 hours: a 12-hour clock read as a 24-hour one?</source>
        <comment>field.clock_half_day_off</comment>
        <translation>Tai 12 valandų: 12 valandų laikrodis perskaitytas kaip 24 valandų?</translation>
    </message>
    <message>
        <source>Clock: it gains %1 a day.</source>
        <comment>field.clock_gains</comment>
        <translation>Laikrodis: per parą jis paskuba %1.</translation>
    </message>
    <message>
        <source>Clock: it loses %1 a day.</source>
        <comment>field.clock_loses</comment>
        <translation>Laikrodis: per parą jis pavėluoja %1.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before the deployment started (the earliest %1).</source>
        <comment>field.clock_before_start</comment>
        <translation>
            <numerusform>Laikrodis: %n nuotrauka datuota prieš pastatymo pradžią (ankstyviausia %1).</numerusform>
            <numerusform>Laikrodis: %n nuotraukos datuotos prieš pastatymo pradžią (ankstyviausia %1).</numerusform>
            <numerusform>Laikrodis: %n nuotraukų datuota prieš pastatymo pradžią (ankstyviausia %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before 2010.</source>
        <comment>field.clock_before_2010</comment>
        <translation>
            <numerusform>Laikrodis: %n nuotrauka datuota anksčiau nei 2010 m.</numerusform>
            <numerusform>Laikrodis: %n nuotraukos datuotos anksčiau nei 2010 m.</numerusform>
            <numerusform>Laikrodis: %n nuotraukų datuota anksčiau nei 2010 m.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated 2010-01-01 or 2011-01-01, where a camera&apos;s clock starts after losing its power.</source>
        <comment>field.clock_factory</comment>
        <translation>
            <numerusform>Laikrodis: %n nuotrauka datuota 2010-01-01 arba 2011-01-01, nuo kurių kameros laikrodis pradeda netekęs maitinimo.</numerusform>
            <numerusform>Laikrodis: %n nuotraukos datuotos 2010-01-01 arba 2011-01-01, nuo kurių kameros laikrodis pradeda netekęs maitinimo.</numerusform>
            <numerusform>Laikrodis: %n nuotraukų datuota 2010-01-01 arba 2011-01-01, nuo kurių kameros laikrodis pradeda netekęs maitinimo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by %3: daylight saving time.</source>
        <comment>field.clock_shift_hour</comment>
        <translation>
            <numerusform>Laikrodis: %n dieną, nuo %1 iki %2, nuotraukos atitinka tvarkaraštį tik paslinktos %3: vasaros laikas.</numerusform>
            <numerusform>Laikrodis: %n dienas, nuo %1 iki %2, nuotraukos atitinka tvarkaraštį tik paslinktos %3: vasaros laikas.</numerusform>
            <numerusform>Laikrodis: %n dienų, nuo %1 iki %2, nuotraukos atitinka tvarkaraštį tik paslinktos %3: vasaros laikas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by 12 hours: a 12-hour clock read as a 24-hour one.</source>
        <comment>field.clock_shift_half_day</comment>
        <translation>
            <numerusform>Laikrodis: %n dieną, nuo %1 iki %2, nuotraukos atitinka tvarkaraštį tik paslinktos 12 valandų: 12 valandų laikrodis perskaitytas kaip 24 valandų.</numerusform>
            <numerusform>Laikrodis: %n dienas, nuo %1 iki %2, nuotraukos atitinka tvarkaraštį tik paslinktos 12 valandų: 12 valandų laikrodis perskaitytas kaip 24 valandų.</numerusform>
            <numerusform>Laikrodis: %n dienų, nuo %1 iki %2, nuotraukos atitinka tvarkaraštį tik paslinktos 12 valandų: 12 valandų laikrodis perskaitytas kaip 24 valandų.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clock: nothing found wrong.</source>
        <comment>field.clock_fine</comment>
        <translation>Laikrodis: klaidų nerasta.</translation>
    </message>
    <message>
        <source>Card: pictures %1 (%2), videos %3 (%4).</source>
        <comment>field.card</comment>
        <translation>Kortelė: nuotraukos %1 (%2), vaizdo įrašai %3 (%4).</translation>
    </message>
    <message>
        <source>Free on the card: %1.</source>
        <comment>field.card_free</comment>
        <translation>Laisva kortelėje: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Damaged: %n file(s).</source>
        <comment>field.damaged</comment>
        <translation>
            <numerusform>Sugadinta: %n failas.</numerusform>
            <numerusform>Sugadinta: %n failai.</numerusform>
            <numerusform>Sugadinta: %n failų.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>field.damaged_more</comment>
        <translation>
            <numerusform>ir dar %n</numerusform>
            <numerusform>ir dar %n</numerusform>
            <numerusform>ir dar %n</numerusform>
        </translation>
    </message>
    <message>
        <source>empty (0 bytes)</source>
        <comment>field.damage_empty</comment>
        <translation>tuščias (0 baitų)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>field.damage_unreadable</comment>
        <translation>neįmanoma nuskaityti: %1</translation>
    </message>
    <message>
        <source>not what its name says</source>
        <comment>field.damage_not_its_kind</comment>
        <translation>ne tai, ką sako jo pavadinimas</translation>
    </message>
    <message>
        <source>no end marker: the camera lost power while writing it</source>
        <comment>field.damage_no_end_marker</comment>
        <translation>nėra pabaigos žymės: rašant kamera neteko maitinimo</translation>
    </message>
    <message>
        <source>shorter than its header says: the camera stopped writing it</source>
        <comment>field.damage_truncated</comment>
        <translation>trumpesnis, nei nurodo jo antraštė: kamera nustojo jį rašyti</translation>
    </message>
    <message>
        <source>its header points outside the file</source>
        <comment>field.damage_bad_header</comment>
        <translation>jo antraštė rodo už failo ribų</translation>
    </message>
    <message numerus="yes">
        <source>The file counter started again: %n number(s) found twice, %1 among them.</source>
        <comment>field.repeated</comment>
        <translation>
            <numerusform>Failų skaitiklis pradėjo iš naujo: %n numeris rastas du kartus, tarp jų %1.</numerusform>
            <numerusform>Failų skaitiklis pradėjo iš naujo: %n numeriai rasti du kartus, tarp jų %1.</numerusform>
            <numerusform>Failų skaitiklis pradėjo iš naujo: %n numerių rasta du kartus, tarp jų %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) tell no time of their own: the file system&apos;s time stands in (%1 among them).</source>
        <comment>field.file_time</comment>
        <translation>
            <numerusform>%n failas nenurodo savo laiko: vietoje jo imamas failų sistemos laikas (tarp jų %1).</numerusform>
            <numerusform>%n failai nenurodo savo laiko: vietoje jo imamas failų sistemos laikas (tarp jų %1).</numerusform>
            <numerusform>%n failų nenurodo savo laiko: vietoje jo imamas failų sistemos laikas (tarp jų %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card holds no pictures or videos.</source>
        <comment>field.no_media</comment>
        <translation>Kortelėje nėra nuotraukų ar vaizdo įrašų.</translation>
    </message>
    <message>
        <source>Pictures a day:</source>
        <comment>field.chart</comment>
        <translation>Nuotraukos per dieną:</translation>
    </message>
    <message>
        <source>Measured against estimated:</source>
        <comment>field.comparison</comment>
        <translation>Išmatuota, palyginti su numatyta:</translation>
    </message>
    <message>
        <source>Pictures: %1, about %2 estimated.</source>
        <comment>field.pictures_estimated</comment>
        <translation>Nuotraukos: %1, numatyta apie %2.</translation>
    </message>
    <message>
        <source>Pictures: %1.</source>
        <comment>field.pictures_only</comment>
        <translation>Nuotraukos: %1.</translation>
    </message>
    <message>
        <source>Triggers a day: %1 measured, %2 assumed.</source>
        <comment>field.triggers</comment>
        <translation>Suveikimai per dieną: išmatuota %1, numatyta %2.</translation>
    </message>
    <message>
        <source>Megabytes a picture: %1 measured, %2 assumed (%3).</source>
        <comment>field.megabytes</comment>
        <translation>Megabaitai nuotraukai: išmatuota %1, numatyta %2 (%3).</translation>
    </message>
    <message>
        <source>For the next setup: %1</source>
        <comment>field.next_setup</comment>
        <translation>Kitam nustatymui: %1</translation>
    </message>
    <message>
        <source>before the deployment</source>
        <comment>field.state_before</comment>
        <translation>prieš pastatymą</translation>
    </message>
    <message>
        <source>working</source>
        <comment>field.state_working</comment>
        <translation>veikė</translation>
    </message>
    <message>
        <source>no pictures</source>
        <comment>field.state_no_pictures</comment>
        <translation>nuotraukų nėra</translation>
    </message>
    <message>
        <source>down</source>
        <comment>field.state_down</comment>
        <translation>neveikė</translation>
    </message>
    <message>
        <source>card full</source>
        <comment>field.state_card_full</comment>
        <translation>kortelė pilna</translation>
    </message>
    <message>
        <source>after the deployment</source>
        <comment>field.state_after</comment>
        <translation>po pastatymo</translation>
    </message>
    <message>
        <source>Card report...</source>
        <comment>field.menu_card_report</comment>
        <translation>Kortelės ataskaita...</translation>
    </message>
    <message>
        <source>Card report</source>
        <comment>field.window_title</comment>
        <translation>Kortelės ataskaita</translation>
    </message>
    <message>
        <source>Card or folder:</source>
        <comment>field.folder_label</comment>
        <translation>Kortelė arba aplankas:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>field.browse</comment>
        <translation>Naršyti...</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>field.read</comment>
        <translation>Skaityti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>field.cancel</comment>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Reading the card: %1 of %2 files</source>
        <comment>field.reading</comment>
        <translation>Skaitoma kortelė: %1 iš %2 failų</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <comment>field.cancelled</comment>
        <translation>Skaitymas atšauktas.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <comment>field.not_a_folder</comment>
        <translation>%1 nėra aplankas.</translation>
    </message>
    <message>
        <source>Export to Camtrap DP...</source>
        <comment>field.export</comment>
        <translation>Eksportuoti į Camtrap DP...</translation>
    </message>
    <message>
        <source>The Camtrap DP package is in %1 (pictures and videos: %2).</source>
        <comment>field.exported</comment>
        <translation>Camtrap DP paketas yra aplanke %1 (nuotraukos ir vaizdo įrašai: %2).</translation>
    </message>
    <message>
        <source>Left empty, as neither the card nor the log knows them: %1. The package does not validate until they are filled in.</source>
        <comment>field.export_missing</comment>
        <translation>Palikta tuščia, nes jų nežino nei kortelė, nei žurnalas: %1. Paketas galioja tik juos užpildžius.</translation>
    </message>
    <message>
        <source>No package was written: %1</source>
        <comment>field.export_failed</comment>
        <translation>Paketas neįrašytas: %1</translation>
    </message>
    <message>
        <source>Nothing is written onto the card: choose a folder elsewhere.</source>
        <comment>field.export_on_card</comment>
        <translation>Į kortelę niekas nerašoma: pasirinkite aplanką kitur.</translation>
    </message>
    <message>
        <source>Use %1 triggers a day</source>
        <comment>field.use_triggers</comment>
        <translation>Naudoti %1 suveikimų per dieną</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>field.close</comment>
        <translation>Uždaryti</translation>
    </message>
    <message>
        <source>%1, %2: pictures %3, videos %4, time lapse %5 of %6.</source>
        <comment>field.day_detail</comment>
        <translation>%1, %2: nuotraukos %3, vaizdo įrašai %4, laiko intervalai %5 iš %6.</translation>
    </message>
    <message>
        <source>Days:</source>
        <comment>field.days_label</comment>
        <translation>Dienos:</translation>
    </message>
    <message>
        <source>estimated</source>
        <comment>field.estimate_legend</comment>
        <translation>numatyta</translation>
    </message>
    <message>
        <source>First picture: %1</source>
        <comment>field.first_picture</comment>
        <translation>Pirmoji nuotrauka: %1</translation>
    </message>
    <message>
        <source>Last picture: %1</source>
        <comment>field.last_picture</comment>
        <translation>Paskutinė nuotrauka: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>field.no_thumbnail</comment>
        <translation>(nėra)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>field.damaged_file</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The card&apos;s return is logged in %1.</source>
        <comment>field.retrieval_logged</comment>
        <translation>Kortelės grąžinimas įrašytas į žurnalą %1.</translation>
    </message>
    <message>
        <source>The card&apos;s return could not be logged in %1: %2</source>
        <comment>field.retrieval_not_logged</comment>
        <translation>Kortelės grąžinimo nepavyko įrašyti į žurnalą %1: %2</translation>
    </message>
    <message>
        <source>The log holds no card written that this one brings back: its return is logged on its own.</source>
        <comment>field.retrieval_alone</comment>
        <translation>Žurnale nėra įrašytos kortelės, kurią ši atitiktų: jos grąžinimas įrašomas atskirai.</translation>
    </message>
</context>
<context>
    <name>FleetText</name>
    <message>
        <source>Set up many cards...</source>
        <comment>fleet.menu_many_cards</comment>
        <translation>Paruošti daug kortelių...</translation>
    </message>
    <message>
        <source>Save kit from card...</source>
        <comment>fleet.menu_save_kit</comment>
        <translation>Išsaugoti rinkinį iš kortelės...</translation>
    </message>
    <message>
        <source>Set up many cards</source>
        <comment>fleet.window_title</comment>
        <translation>Daugelio kortelių paruošimas</translation>
    </message>
    <message>
        <source>Kit file:</source>
        <comment>fleet.kit_label</comment>
        <translation>Rinkinio failas:</translation>
    </message>
    <message>
        <source>Cameras (CSV):</source>
        <comment>fleet.cameras_label</comment>
        <translation>Kameros (CSV):</translation>
    </message>
    <message>
        <source>Log file:</source>
        <comment>fleet.log_label</comment>
        <translation>Žurnalo failas:</translation>
    </message>
    <message>
        <source>Set up by:</source>
        <comment>fleet.setup_by_label</comment>
        <translation>Įrengė:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>fleet.browse</comment>
        <translation>Naršyti...</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>fleet.start</comment>
        <translation>Pradėti</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>fleet.stop</comment>
        <translation>Sustabdyti</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>fleet.close</comment>
        <translation>Uždaryti</translation>
    </message>
    <message>
        <source>Cards done:</source>
        <comment>fleet.cards_done</comment>
        <translation>Paruoštos kortelės:</translation>
    </message>
    <message>
        <source>Choose a kit file, then press Start.</source>
        <comment>fleet.choose_kit</comment>
        <translation>Pasirinkite rinkinio failą ir spauskite „Pradėti“.</translation>
    </message>
    <message>
        <source>Insert the card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_card_for</comment>
        <translation>Įdėkite kameros %1 kortelę (%2 iš %3)</translation>
    </message>
    <message>
        <source>Insert the next card (%1 written)</source>
        <comment>fleet.insert_next_card</comment>
        <translation>Įdėkite kitą kortelę (įrašyta: %1)</translation>
    </message>
    <message>
        <source>Writing the card for camera %1 (%2)...</source>
        <comment>fleet.writing</comment>
        <translation>Rašoma kameros %1 kortelė (%2)...</translation>
    </message>
    <message>
        <source>The card for camera %1 is done and ejected: remove it.</source>
        <comment>fleet.remove_ejected</comment>
        <translation>Kameros %1 kortelė paruošta ir išstumta: išimkite ją.</translation>
    </message>
    <message>
        <source>The card for camera %1 is done: unmount and remove the card at %2.</source>
        <comment>fleet.remove_card</comment>
        <translation>Kameros %1 kortelė paruošta: atjunkite ir išimkite kortelę %2.</translation>
    </message>
    <message>
        <source>The card at %1 was left as it was: remove it.</source>
        <comment>fleet.remove_skipped</comment>
        <translation>Kortelė %1 liko nepakeista: išimkite ją.</translation>
    </message>
    <message>
        <source>The card at %1 holds the files of another camera (serial text %2). Replace them with the settings of camera %3?</source>
        <comment>fleet.ask_other_camera</comment>
        <translation>Kortelėje %1 yra kitos kameros failai (serijos tekstas %2). Pakeisti juos kameros %3 nustatymais?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 holds other settings than this kit&apos;s. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_other_kit</comment>
        <translation>Kortelės %1 faile %2 yra kitokie nustatymai nei šiame rinkinyje. Pakeisti jį kameros %3 nustatymais?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 is damaged or cannot be read. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_damaged</comment>
        <translation>Kortelės %1 failas %2 sugadintas arba neperskaitomas. Pakeisti jį kameros %3 nustatymais?</translation>
    </message>
    <message>
        <source>done</source>
        <comment>fleet.result_done</comment>
        <translation>paruošta</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <comment>fleet.result_failed</comment>
        <translation>nepavyko: %1</translation>
    </message>
    <message>
        <source>incomplete (stopped)</source>
        <comment>fleet.result_incomplete</comment>
        <translation>nebaigta (sustabdyta)</translation>
    </message>
    <message>
        <source>left as it was</source>
        <comment>fleet.result_skipped</comment>
        <translation>palikta nepakeista</translation>
    </message>
    <message>
        <source>Every camera&apos;s card is written (%1).</source>
        <comment>fleet.all_done</comment>
        <translation>Visų kamerų kortelės įrašytos (%1).</translation>
    </message>
    <message>
        <source>One card written (camera %1).</source>
        <comment>fleet.one_card_written</comment>
        <translation>Įrašyta viena kortelė (kamera %1).</translation>
    </message>
    <message>
        <source>Stopped; %1 cards written.</source>
        <comment>fleet.stopped</comment>
        <translation>Sustabdyta; įrašyta kortelių: %1.</translation>
    </message>
    <message>
        <source>Stopped during the card for camera %1: that card is incomplete and must be written again.</source>
        <comment>fleet.stopped_during_card</comment>
        <translation>Sustabdyta rašant kameros %1 kortelę: ji nebaigta ir turi būti įrašyta iš naujo.</translation>
    </message>
    <message>
        <source>The card for camera %1 failed: %2</source>
        <comment>fleet.card_failed</comment>
        <translation>Kameros %1 kortelė nepavyko: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <comment>fleet.input_unusable</comment>
        <translation>%1 naudoti negalima: %2</translation>
    </message>
    <message>
        <source>The kit &quot;%1&quot; was saved: %2</source>
        <comment>fleet.kit_saved</comment>
        <translation>Rinkinys „%1“ išsaugotas: %2</translation>
    </message>
    <message>
        <source>No kit was saved: %1</source>
        <comment>fleet.kit_not_saved</comment>
        <translation>Rinkinys neišsaugotas: %1</translation>
    </message>
    <message>
        <source>%1 holds no settings file.</source>
        <comment>fleet.no_settings_file</comment>
        <translation>%1 nėra nustatymų failo.</translation>
    </message>
    <message>
        <source>Cards are still being set up. Stop and close the window?</source>
        <comment>fleet.ask_stop_first</comment>
        <translation>Kortelės vis dar ruošiamos. Sustabdyti ir uždaryti langą?</translation>
    </message>
    <message>
        <source>These cameras have a card done in the log and are passed over: %1</source>
        <comment>fleet.passing_over_done</comment>
        <translation>Šios kameros žurnale jau turi paruoštą kortelę ir praleidžiamos: %1</translation>
    </message>
    <message>
        <source>Every camera has a card done in the log: nothing is left to write.</source>
        <comment>fleet.nothing_left</comment>
        <translation>Žurnale visos kameros turi paruoštą kortelę: nieko neliko įrašyti.</translation>
    </message>
    <message>
        <source>Insert another card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_another_card_for</comment>
        <translation>Įdėkite kitą kortelę kamerai %1 (%2 iš %3)</translation>
    </message>
    <message>
        <source>Camera %1 already has a card done (%2). Write another card for it, which replaces that one?</source>
        <comment>fleet.ask_again</comment>
        <translation>Kamera %1 jau turi paruoštą kortelę (%2). Įrašyti jai kitą kortelę, kuri pakeis anąją?</translation>
    </message>
    <message>
        <source>done; it replaces the %1</source>
        <comment>fleet.result_done_replacing</comment>
        <translation>paruošta; ji pakeičia: %1</translation>
    </message>
    <message>
        <source>The card for camera %1 is not done.</source>
        <comment>fleet.card_not_written</comment>
        <translation>Kameros %1 kortelė neparuošta.</translation>
    </message>
    <message>
        <source>These cameras still have no card: %1</source>
        <comment>fleet.still_without_card</comment>
        <translation>Šios kameros dar neturi kortelės: %1</translation>
    </message>
    <message>
        <source>the card is read-only or locked; nothing was written</source>
        <comment>fleet.read_only_card</comment>
        <translation>kortelė tik skaitoma arba užrakinta; nieko neįrašyta</translation>
    </message>
    <message>
        <source>The card at %1:</source>
        <comment>fleet.card_warnings</comment>
        <translation>Kortelė %1:</translation>
    </message>
    <message>
        <source>The log has the card at %1 as the card of camera %2 (%3).</source>
        <comment>fleet.card_of_other_camera</comment>
        <translation>Žurnale kortelė %1 yra kameros %2 kortelė (%3).</translation>
    </message>
    <message>
        <source>Write the settings of camera %1 onto it all the same?</source>
        <comment>fleet.ask_write_anyway</comment>
        <translation>Vis tiek įrašyti į ją kameros %1 nustatymus?</translation>
    </message>
    <message>
        <source>%1 on the card is a link; nothing was written</source>
        <comment>fleet.file_is_link_on_card</comment>
        <translation>%1 kortelėje yra nuoroda; nieko neįrašyta</translation>
    </message>
    <message>
        <source>%1 on the card is a folder or a device, not a file; nothing was written</source>
        <comment>fleet.file_not_regular_on_card</comment>
        <translation>%1 kortelėje yra aplankas arba įrenginys, ne failas; nieko neįrašyta</translation>
    </message>
    <message>
        <source>the card has %1 free, but the files need %2; nothing was written</source>
        <comment>fleet.no_room_on_card</comment>
        <translation>kortelėje laisva %1, bet failams reikia %2; nieko neįrašyta</translation>
    </message>
    <message>
        <source>the card is only partly written: %1 already hold the new settings. %2 Write the card again before it goes out.</source>
        <comment>fleet.partly_written</comment>
        <translation>kortelė įrašyta tik iš dalies: %1 jau turi naujus nustatymus. %2 Prieš išnešdami įrašykite kortelę iš naujo.</translation>
    </message>
    <message>
        <source>it is still mounted</source>
        <comment>fleet.still_mounted</comment>
        <translation>ji vis dar prijungta</translation>
    </message>
    <message>
        <source>The card for camera %1 is done, but it did not eject (%2): unmount and remove the card at %3 by hand.</source>
        <comment>fleet.remove_by_hand</comment>
        <translation>Kameros %1 kortelė paruošta, bet neišstumta (%2): rankiniu būdu atjunkite ir išimkite kortelę %3.</translation>
    </message>
    <message>
        <source>The card at %1 is not done: remove it.</source>
        <comment>fleet.remove_failed</comment>
        <translation>Kortelė %1 neparuošta: išimkite ją.</translation>
    </message>
    <message>
        <source>The card at %1 is not done and did not eject (%2): unmount and remove it by hand.</source>
        <comment>fleet.remove_failed_by_hand</comment>
        <translation>Kortelė %1 neparuošta ir neišstumta (%2): rankiniu būdu ją atjunkite ir išimkite.</translation>
    </message>
    <message>
        <source>the log could not be written: %1</source>
        <comment>fleet.log_not_written</comment>
        <translation>žurnalo nepavyko įrašyti: %1</translation>
    </message>
    <message>
        <source>The log %1 ended in half a row (line %2): that row is kept on a line of its own, and the new row is below it.</source>
        <comment>fleet.log_ended_damaged</comment>
        <translation>Žurnalas %1 baigėsi puse eilutės (%2 eil.): ji paliekama atskiroje eilutėje, o nauja eilutė yra po ja.</translation>
    </message>
    <message>
        <source>The log %1 was saved over by another program since the last row; the new row went into the file there now.</source>
        <comment>fleet.log_replaced</comment>
        <translation>Žurnalą %1 po paskutinės eilutės perrašė kita programa; nauja eilutė įrašyta į dabar ten esantį failą.</translation>
    </message>
    <message>
        <source>Cameras and their cards (double-click one to write its card next):</source>
        <comment>fleet.cameras_table_label</comment>
        <translation>Kameros ir jų kortelės (dukart spustelėkite – jos kortelė bus kita):</translation>
    </message>
    <message>
        <source>Set up in the field:</source>
        <comment>fleet.set_up_in_field_label</comment>
        <translation>Įrengta lauke:</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>fleet.column_camera</comment>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Location</source>
        <comment>fleet.column_location</comment>
        <translation>Vieta</translation>
    </message>
    <message>
        <source>Card</source>
        <comment>fleet.column_card</comment>
        <translation>Kortelė</translation>
    </message>
    <message>
        <source>State</source>
        <comment>fleet.column_state</comment>
        <translation>Būsena</translation>
    </message>
    <message>
        <source>waiting</source>
        <comment>fleet.state_waiting</comment>
        <translation>laukia</translation>
    </message>
    <message>
        <source>next: insert its card</source>
        <comment>fleet.state_next</comment>
        <translation>kita: įdėkite jos kortelę</translation>
    </message>
    <message>
        <source>writing</source>
        <comment>fleet.state_writing</comment>
        <translation>rašoma</translation>
    </message>
    <message>
        <source>done earlier (%1)</source>
        <comment>fleet.state_done_before</comment>
        <translation>paruošta anksčiau (%1)</translation>
    </message>
    <message>
        <source>The time set up in the field cannot be used: %1</source>
        <comment>fleet.time_unusable</comment>
        <translation>Įrengimo lauke laiko naudoti negalima: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2</source>
        <comment>fleet.name_unusable</comment>
        <translation>„%1“ naudoti negalima: %2</translation>
    </message>
    <message>
        <source>The kit holds passwords (%1): keep the file to yourself.</source>
        <comment>fleet.kit_holds_passwords</comment>
        <translation>Rinkinyje yra slaptažodžių (%1): failą laikykite tik sau.</translation>
    </message>
    <message>
        <source>card %1 written %2</source>
        <comment>fleet.card_named_written_at</comment>
        <translation>kortelė %1, įrašyta %2</translation>
    </message>
    <message>
        <source>card written %1</source>
        <comment>fleet.card_written_at</comment>
        <translation>kortelė, įrašyta %1</translation>
    </message>
    <message>
        <source>Cards:</source>
        <comment>fleet.mode_label</comment>
        <translation>Kortelės:</translation>
    </message>
    <message>
        <source>Set up for the field</source>
        <comment>fleet.mode_set_up</comment>
        <translation>Paruošti lauko darbams</translation>
    </message>
    <message>
        <source>Returned from the field</source>
        <comment>fleet.mode_returned</comment>
        <translation>Grąžintos iš lauko</translation>
    </message>
    <message>
        <source>Choose the deployment log, then press Start.</source>
        <comment>fleet.choose_log</comment>
        <translation>Pasirinkite pastatymų žurnalą ir spauskite „Pradėti“.</translation>
    </message>
    <message>
        <source>Cameras and their returned cards:</source>
        <comment>fleet.cameras_returned_label</comment>
        <translation>Kameros ir jų grąžintos kortelės:</translation>
    </message>
    <message>
        <source>in the field (card written %1)</source>
        <comment>fleet.state_in_field</comment>
        <translation>lauke (kortelė įrašyta %1)</translation>
    </message>
    <message>
        <source>returned (read %1)</source>
        <comment>fleet.state_returned</comment>
        <translation>grąžinta (nuskaityta %1)</translation>
    </message>
    <message>
        <source>reading</source>
        <comment>fleet.state_reading</comment>
        <translation>skaitoma</translation>
    </message>
    <message>
        <source>Insert a returned card (read so far: %1)</source>
        <comment>fleet.insert_returned_card</comment>
        <translation>Įdėkite grąžintą kortelę (iki šiol nuskaityta: %1)</translation>
    </message>
    <message>
        <source>Reading the card at %1...</source>
        <comment>fleet.reading_card</comment>
        <translation>Skaitoma kortelė %1...</translation>
    </message>
    <message>
        <source>returned: %1</source>
        <comment>fleet.result_returned</comment>
        <translation>grąžinta: %1</translation>
    </message>
    <message>
        <source>The card at %1 was not read to the end or its return not logged (%2): remove it.</source>
        <comment>fleet.return_not_read</comment>
        <translation>Kortelė %1 nebuvo nuskaityta iki galo arba jos grąžinimas neįrašytas (%2): išimkite ją.</translation>
    </message>
    <message>
        <source>The card of %1 is read, its return logged, and it is ejected: remove it and insert the next one.</source>
        <comment>fleet.returned_ejected</comment>
        <translation>%1 kortelė nuskaityta, jos grąžinimas įrašytas ir ji išstumta: išimkite ją ir įdėkite kitą.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged: unmount and remove the card at %2, then insert the next one.</source>
        <comment>fleet.returned_remove</comment>
        <translation>%1 kortelė nuskaityta ir jos grąžinimas įrašytas: atjunkite ir išimkite kortelę %2, tada įdėkite kitą.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged, but it was not ejected (%2): unmount and remove the card at %3.</source>
        <comment>fleet.returned_remove_by_hand</comment>
        <translation>%1 kortelė nuskaityta ir jos grąžinimas įrašytas, bet ji nebuvo išstumta (%2): atjunkite ir išimkite kortelę %3.</translation>
    </message>
    <message>
        <source>Stopped. Returned cards read: %1.</source>
        <comment>fleet.returns_stopped</comment>
        <translation>Sustabdyta. Nuskaitytų grąžintų kortelių: %1.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 in this folder is a link to another file; nothing was written.</source>
        <comment>notice.file_is_link</comment>
        <translation>Failas %1 šiame aplanke yra nuoroda į kitą failą; niekas neįrašyta.</translation>
    </message>
    <message>
        <source>No folder chosen: choose the card&apos;s folder first.</source>
        <comment>notice.no_folder_chosen</comment>
        <translation>Aplankas nepasirinktas: pirmiausia pasirinkite kortelės aplanką.</translation>
    </message>
    <message>
        <source>Another write to %1 is in progress; nothing was written. Try again in a moment.</source>
        <comment>notice.write_in_progress</comment>
        <translation>Vyksta kitas įrašymas į %1; nieko neįrašyta. Pabandykite dar kartą po akimirkos.</translation>
    </message>
    <message>
        <source>The file %1 was written, but it could not be read back to check it. Generate it again, or use Load from card to check it.</source>
        <comment>notice.written_unchecked</comment>
        <translation>Failas %1 įrašytas, bet jo nepavyko nuskaityti patikrinimui. Sukurkite jį iš naujo arba patikrinkite komanda „Įkelti iš kortelės“.</translation>
    </message>
    <message>
        <source>the path is too long.</source>
        <comment>notice.reason_path_too_long</comment>
        <translation>kelias per ilgas.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <comment>notice.file_written</comment>
        <translation>Failas: %1</translation>
    </message>
    <message>
        <source>Replace the menu.dat in %1 with the factory settings?</source>
        <comment>notice.confirm_factory_reset</comment>
        <translation>Pakeisti menu.dat aplanke %1 gamykliniais nustatymais?</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535.</source>
        <comment>notice.port_not_number</comment>
        <translation>Prievadas turi būti sveikasis skaičius nuo 1 iki 65535.</translation>
    </message>
    <message>
        <source>The download page could not be opened. Its address is %1</source>
        <comment>notice.url_not_opened</comment>
        <translation>Atsisiuntimo puslapio atidaryti nepavyko. Jo adresas: %1</translation>
    </message>
    <message>
        <source>This model does not send e-mail.</source>
        <comment>notice.model_sends_no_email</comment>
        <translation>Šis modelis nesiunčia el. laiškų.</translation>
    </message>
    <message>
        <source>Load from card</source>
        <comment>notice.menu_load_from_card</comment>
        <translation>Įkelti iš kortelės</translation>
    </message>
    <message>
        <source>Load profile...</source>
        <comment>notice.menu_load_profile</comment>
        <translation>Įkelti profilį...</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <comment>notice.menu_save_profile</comment>
        <translation>Išsaugoti profilį...</translation>
    </message>
    <message>
        <source>Restore previous file</source>
        <comment>notice.menu_restore_previous</comment>
        <translation>Atkurti ankstesnį failą</translation>
    </message>
    <message>
        <source>There is no %1 in this folder; the form was left as it was.</source>
        <comment>notice.file_absent</comment>
        <translation>Šiame aplanke nėra failo %1; forma liko nepakeista.</translation>
    </message>
    <message>
        <source>%1 in this folder is damaged; the form was left as it was.</source>
        <comment>notice.file_damaged</comment>
        <translation>Failas %1 šiame aplanke yra sugadintas; forma liko nepakeista.</translation>
    </message>
    <message>
        <source>%1 in this folder was written for a different camera model; the form was left as it was.</source>
        <comment>notice.file_other_form</comment>
        <translation>Failas %1 šiame aplanke skirtas kitam kameros modeliui; forma liko nepakeista.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be used: %2</source>
        <comment>notice.profile_unusable</comment>
        <translation>Profilio %1 naudoti negalima: %2</translation>
    </message>
    <message>
        <source>Profile saved.</source>
        <comment>notice.profile_saved</comment>
        <translation>Profilis išsaugotas.</translation>
    </message>
    <message>
        <source>No earlier %1 from this folder is kept in the history.</source>
        <comment>notice.no_previous_file</comment>
        <translation>Istorijoje nėra išsaugoto ankstesnio failo %1 iš šio aplanko.</translation>
    </message>
    <message>
        <source>Write back the %1 this folder held before %2?</source>
        <comment>notice.ask_restore_previous</comment>
        <translation>Atkurti failą %1, kuris buvo šiame aplanke iki %2?</translation>
    </message>
    <message>
        <source>No copy of the replaced file could be kept, so it cannot be restored later.</source>
        <comment>notice.no_copy_kept</comment>
        <translation>Pakeisto failo kopijos išsaugoti nepavyko, todėl vėliau jo atkurti nebus galima.</translation>
    </message>
    <message>
        <source>More...</source>
        <comment>notice.menu_more</comment>
        <translation>Daugiau...</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <comment>notice.loaded_from</comment>
        <translation>Įkelta iš %1</translation>
    </message>
    <message>
        <source>%1 in this folder is the factory reset record; it holds no settings to load.</source>
        <comment>notice.file_is_factory_reset</comment>
        <translation>Failas %1 šiame aplanke yra gamyklinių nustatymų atkūrimo įrašas; jame nėra nustatymų, kuriuos būtų galima įkelti.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <comment>notice.ask_replace_profile</comment>
        <translation>%1 jau yra. Pakeisti?</translation>
    </message>
    <message>
        <source>No lock could be made to write %1 safely (%2); nothing was written.</source>
        <comment>notice.lock_unavailable</comment>
        <translation>Nepavyko sukurti užrakto %1 rašymui (%2); nieko neįrašyta.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is not valid UTF-8 text, so the file cannot be written there. Rename the folder (or mount the card under another name) and choose it again.</source>
        <comment>notice.name_not_utf8</comment>
        <translation>Aplanko pavadinimas nėra tinkamas UTF-8 tekstas, todėl į jį failo įrašyti negalima. Pervadinkite aplanką (arba prijunkite kortelę kitu pavadinimu) ir pasirinkite jį iš naujo.</translation>
    </message>
    <message>
        <source>The file %1 was written, but the card did not confirm the change to its folder (%2). Generate it again, or check the card with &quot;kestrova inspect&quot;.</source>
        <comment>notice.folder_not_flushed</comment>
        <translation>Failas %1 įrašytas, bet kortelė nepatvirtino savo aplanko pakeitimo (%2). Sukurkite jį iš naujo arba patikrinkite kortelę komanda &quot;kestrova inspect&quot;.</translation>
    </message>
    <message>
        <source>Its camera clock will be set to the current time; every other setting stays as it was.</source>
        <comment>notice.restore_sets_clock</comment>
        <translation>Jame esantis kameros laikrodis bus nustatytas į dabartinį laiką; visi kiti nustatymai liks tokie, kokie buvo.</translation>
    </message>
    <message>
        <source>%1 was restored as it was before %2.</source>
        <comment>notice.restored_from</comment>
        <translation>Failas %1 atkurtas toks, koks buvo iki %2.</translation>
    </message>
    <message>
        <source>The kept copy of %1 cannot be written back: %2.</source>
        <comment>notice.previous_copy_damaged</comment>
        <translation>Išsaugotos failo %1 kopijos negalima įrašyti atgal: %2.</translation>
    </message>
    <message>
        <source>%1 in %2 holds settings (%3). Load them into the form?</source>
        <comment>notice.ask_load_from_folder</comment>
        <translation>Aplanko %2 faile %1 yra nustatymų (%3). Įkelti juos į formą?</translation>
    </message>
    <message>
        <source>%1, clock %2</source>
        <comment>notice.holds_menu_of</comment>
        <translation>%1, laikrodis %2</translation>
    </message>
    <message>
        <source>The %1 this folder held before %2 came from the card %3; which card the folder holds now is not known. Write it back?</source>
        <comment>notice.ask_restore_from_card</comment>
        <translation>Failas %1, kuris šiame aplanke buvo iki %2, yra iš kortelės %3; nežinoma, kuri kortelė dabar yra aplanke. Įrašyti jį atgal?</translation>
    </message>
    <message>
        <source>%1 was not written back: it came from the card %2, but the folder now holds the card %3.</source>
        <comment>notice.restore_other_card</comment>
        <translation>Failas %1 neįrašytas atgal: jis yra iš kortelės %2, bet aplanke dabar yra kortelė %3.</translation>
    </message>
</context>
<context>
    <name>ProfileReason</name>
    <message>
        <source>%1 is not allowed; use a position 0..%2 or one of: %3</source>
        <translation>%1 neleidžiama; nurodykite poziciją 0..%2 arba vieną iš šių: %3</translation>
    </message>
    <message>
        <source>Enter a whole number (got %1).</source>
        <translation>Įveskite sveikąjį skaičių (įvesta %1).</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2 (got %3).</source>
        <translation>Įveskite sveikąjį skaičių nuo %1 iki %2 (įvesta %3).</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Telefono numeryje gali būti daugiausia %1 skaitmenų.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>What the camera will do</source>
        <comment>summary.strip_title</comment>
        <translation>Ką darys kamera</translation>
    </message>
    <message>
        <source>Triggers a day (assumed):</source>
        <comment>summary.assumed_triggers</comment>
        <translation>Suveikimų per parą (numatoma):</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <comment>summary.warning_line</comment>
        <translation>Įspėjimas: %1</translation>
    </message>
    <message>
        <source>Print settings sheet...</source>
        <comment>summary.menu_print_sheet</comment>
        <translation>Spausdinti nustatymų lapą...</translation>
    </message>
    <message>
        <source>Settings sheet: %1</source>
        <comment>summary.sheet_title</comment>
        <translation>Nustatymų lapas: %1</translation>
    </message>
    <message>
        <source>Camera model</source>
        <comment>summary.sheet_model</comment>
        <translation>Kameros modelis</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>summary.sheet_folder</comment>
        <translation>Aplankas</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>summary.sheet_date</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Check value</source>
        <comment>summary.sheet_check_value</comment>
        <translation>Kontrolinė reikšmė</translation>
    </message>
    <message>
        <source>none yet: these settings do not pass the checks before writing</source>
        <comment>summary.sheet_no_check</comment>
        <translation>dar nėra: šie nustatymai dar neatitinka patikrinimo prieš įrašymą</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>summary.sheet_settings</comment>
        <translation>Nustatymai</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>summary.sheet_warnings</comment>
        <translation>Įspėjimai</translation>
    </message>
    <message>
        <source>None.</source>
        <comment>summary.sheet_no_warnings</comment>
        <translation>Nėra.</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <comment>summary.hidden_value</comment>
        <translation>(paslėpta)</translation>
    </message>
    <message>
        <source>The settings sheet could not be printed: %1</source>
        <comment>summary.sheet_print_failed</comment>
        <translation>Nustatymų lapo išspausdinti nepavyko: %1</translation>
    </message>
    <message>
        <source>Changed on the card:</source>
        <comment>summary.changed_header</comment>
        <translation>Pakeista kortelėje:</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <comment>summary.changed_line</comment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: changed</source>
        <comment>summary.changed_hidden_line</comment>
        <translation>%1: pakeista</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment>summary.changed_more</comment>
        <translation>ir dar %1</translation>
    </message>
    <message>
        <source>New file.</source>
        <comment>summary.change_new_file</comment>
        <translation>Naujas failas.</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <comment>summary.change_nothing</comment>
        <translation>Nė vienas nustatymas nepasikeitė.</translation>
    </message>
    <message>
        <source>It replaced a damaged file.</source>
        <comment>summary.change_replaced_damaged</comment>
        <translation>Jis pakeitė sugadintą failą.</translation>
    </message>
    <message>
        <source>It replaced the factory reset record.</source>
        <comment>summary.change_replaced_factory</comment>
        <translation>Jis pakeitė gamyklinių nustatymų atkūrimo įrašą.</translation>
    </message>
    <message>
        <source>It replaced a file written for another camera model.</source>
        <comment>summary.change_replaced_other</comment>
        <translation>Jis pakeitė failą, įrašytą kitam kameros modeliui.</translation>
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
        <translation>%1 val.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>summary.hours_minutes</comment>
        <translation>%1 val. %2 min</translation>
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
        <translation>Aptikus judesį: 1 nuotrauka, %1.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1.</source>
        <comment>summary.trigger_photos2</comment>
        <translation>Aptikus judesį: 2 nuotraukos, %1.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1.</source>
        <comment>summary.trigger_photos3</comment>
        <translation>Aptikus judesį: 3 nuotraukos, %1.</translation>
    </message>
    <message>
        <source>On motion: a %1 video at %2.</source>
        <comment>summary.trigger_video</comment>
        <translation>Aptikus judesį: %1 vaizdo įrašas, %2.</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video1</comment>
        <translation>Aptikus judesį: 1 nuotrauka, %1, ir %2 vaizdo įrašas, %3.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video2</comment>
        <translation>Aptikus judesį: 2 nuotraukos, %1, ir %2 vaizdo įrašas, %3.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video3</comment>
        <translation>Aptikus judesį: 3 nuotraukos, %1, ir %2 vaizdo įrašas, %3.</translation>
    </message>
    <message>
        <source>After each trigger it waits %1 before the next.</source>
        <comment>summary.wait_after_trigger</comment>
        <translation>Po kiekvieno suveikimo ji laukia %1 iki kito.</translation>
    </message>
    <message>
        <source>After each trigger it is ready again at once.</source>
        <comment>summary.no_wait</comment>
        <translation>Po kiekvieno suveikimo ji iš karto vėl pasiruošusi.</translation>
    </message>
    <message>
        <source>The motion sensor is on (sensitivity: %1).</source>
        <comment>summary.motion_on</comment>
        <translation>Judesio jutiklis įjungtas (jautrumas: %1).</translation>
    </message>
    <message>
        <source>The motion sensor is off.</source>
        <comment>summary.motion_off</comment>
        <translation>Judesio jutiklis išjungtas.</translation>
    </message>
    <message>
        <source>The side sensors are on.</source>
        <comment>summary.side_on</comment>
        <translation>Šoniniai jutikliai įjungti.</translation>
    </message>
    <message>
        <source>The side sensors are off.</source>
        <comment>summary.side_off</comment>
        <translation>Šoniniai jutikliai išjungti.</translation>
    </message>
    <message>
        <source>It is active all day.</source>
        <comment>summary.active_all_day</comment>
        <translation>Ji veikia visą parą.</translation>
    </message>
    <message>
        <source>It is active %1 (%2 a day).</source>
        <comment>summary.active_one_window</comment>
        <translation>Veikia: %1 (%2 per parą).</translation>
    </message>
    <message>
        <source>It is active %1 and %2 (%3 a day).</source>
        <comment>summary.active_two_windows</comment>
        <translation>Veikia: %1 ir %2 (%3 per parą).</translation>
    </message>
    <message>
        <source>Its timers leave no time in which it is active.</source>
        <comment>summary.active_never</comment>
        <translation>Laikmačiai nepalieka laiko, kai ji veiktų.</translation>
    </message>
    <message>
        <source>And one photo every %1 while active: %2 a day.</source>
        <comment>summary.time_lapse</comment>
        <translation>Ir viena nuotrauka kas %1 veikimo metu: %2 per parą.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time and the text &quot;%1&quot;.</source>
        <comment>summary.stamp_time_and_text</comment>
        <translation>Ant nuotraukų dedamas laikas ir tekstas „%1“.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time.</source>
        <comment>summary.stamp_time</comment>
        <translation>Ant nuotraukų dedamas laikas.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the text &quot;%1&quot;.</source>
        <comment>summary.stamp_text</comment>
        <translation>Ant nuotraukų dedamas tekstas „%1“.</translation>
    </message>
    <message>
        <source>Nothing is stamped on the pictures.</source>
        <comment>summary.stamp_nothing</comment>
        <translation>Ant nuotraukų nieko nededama.</translation>
    </message>
    <message>
        <source>When the card is full, the oldest files are overwritten.</source>
        <comment>summary.sd_cycle_on</comment>
        <translation>Kai kortelė pilna, seniausi failai perrašomi.</translation>
    </message>
    <message>
        <source>When the card is full, the camera stops recording.</source>
        <comment>summary.sd_cycle_off</comment>
        <translation>Kai kortelė pilna, kamera nustoja įrašinėti.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1 when it reads this card; insert the card soon, or the clock runs behind by the time in between.</source>
        <comment>summary.clock_set</comment>
        <translation>Kai kamera nuskaitys šią kortelę, jos laikrodis bus nustatytas į %1; įdėkite kortelę greitai, kitaip laikrodis vėluos tiek, kiek laiko praeis.</translation>
    </message>
    <message>
        <source>This record returns the camera to its factory settings.</source>
        <comment>summary.factory_reset</comment>
        <translation>Šis įrašas grąžina kamerą į gamyklinius nustatymus.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, card use about %2.</source>
        <comment>summary.estimate_photos</comment>
        <translation>Numatoma per parą: nuotraukų apie %1, kortelės vietos apie %2.</translation>
    </message>
    <message>
        <source>Estimated a day: video about %1, card use about %2.</source>
        <comment>summary.estimate_video</comment>
        <translation>Numatoma per parą: vaizdo įrašų apie %1, kortelės vietos apie %2.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, video about %2, card use about %3.</source>
        <comment>summary.estimate_both</comment>
        <translation>Numatoma per parą: nuotraukų apie %1, vaizdo įrašų apie %2, kortelės vietos apie %3.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2.</source>
        <comment>summary.card_lasts</comment>
        <translation>Dienų, kol kortelė (laisva %1) prisipildys: apie %2.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2; then the oldest files are overwritten.</source>
        <comment>summary.card_overwrites</comment>
        <translation>Dienų, kol kortelė (laisva %1) prisipildys: apie %2; tada seniausi failai perrašomi.</translation>
    </message>
    <message>
        <source>MMS sending is off.</source>
        <comment>summary.mms_off</comment>
        <translation>MMS siuntimas išjungtas.</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS to %2.</source>
        <comment>summary.mms_sends</comment>
        <translation>Kiekvieną nuotrauką siunčia kaip %1 MMS: %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture to %1.</source>
        <comment>summary.sends_sms</comment>
        <translation>Apie kiekvieną nuotrauką siunčia SMS: %1.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; messages: at most %2 a day, %3 a month.</source>
        <comment>summary.messages_limit</comment>
        <translation>Nuotraukų per parą: daugiausia %1; žinučių: daugiausia %2 per parą, %3 per mėnesį.</translation>
    </message>
    <message>
        <source>E-mail sending is off.</source>
        <comment>summary.email_off</comment>
        <translation>El. laiškų siuntimas išjungtas.</translation>
    </message>
    <message>
        <source>It e-mails each picture to %1 through %2, port %3, from %4.</source>
        <comment>summary.email_sends</comment>
        <translation>Kiekvieną nuotrauką el. paštu siunčia %1 per %2, prievadas %3, iš %4.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; e-mails: at most %2 a day, %3 a month.</source>
        <comment>summary.emails_limit</comment>
        <translation>Nuotraukų per parą: daugiausia %1; el. laiškų: daugiausia %2 per parą, %3 per mėnesį.</translation>
    </message>
    <message>
        <source>SMS remote control is off.</source>
        <comment>summary.remote_off</comment>
        <translation>Nuotolinis valdymas SMS žinutėmis išjungtas.</translation>
    </message>
    <message>
        <source>Network: the operator preset for %1, %2.</source>
        <comment>summary.network_preset</comment>
        <translation>Tinklas: operatoriaus išankstiniai nustatymai, %1, %2.</translation>
    </message>
    <message>
        <source>Network: typed in (APN %1).</source>
        <comment>summary.network_typed</comment>
        <translation>Tinklas: įvesta ranka (APN %1).</translation>
    </message>
    <message>
        <source>%1 and %2 are both off: the camera never takes a picture.</source>
        <comment>summary.conflict_never_pictures</comment>
        <translation>%1 ir %2 abu išjungti: kamera niekada nefotografuos.</translation>
    </message>
    <message>
        <source>%1 is on with start and stop both at %2: its window is empty, or the whole day, depending on the camera.</source>
        <comment>summary.conflict_timer_empty</comment>
        <translation>%1 įjungtas, o pradžia ir pabaiga abi %2: langas tuščias arba visa para, priklausomai nuo kameros.</translation>
    </message>
    <message>
        <source>%1 and %2 overlap (%3): that time counts once.</source>
        <comment>summary.conflict_timers_overlap</comment>
        <translation>%1 ir %2 persidengia (%3): tas laikas skaičiuojamas vieną kartą.</translation>
    </message>
    <message>
        <source>%1 is on with an interval of 0: the camera cannot take a photo every 0 seconds.</source>
        <comment>summary.conflict_time_lapse_zero</comment>
        <translation>%1 įjungtas su 0 intervalu: kamera negali fotografuoti kas 0 sekundžių.</translation>
    </message>
    <message>
        <source>The %1 interval (%2) is longer than the active window %3: only one photo is taken in it.</source>
        <comment>summary.conflict_time_lapse_long</comment>
        <translation>%1 intervalas (%2) ilgesnis už veikimo langą %3: jame padaroma tik viena nuotrauka.</translation>
    </message>
    <message>
        <source>%1 is 0 s while %2 is %3: each motion starts the next capture at once, which fills the card and drains the battery.</source>
        <comment>summary.conflict_zero_interval</comment>
        <translation>%1 yra 0 s, o %2 yra %3: kiekvienas judesys iš karto pradeda kitą įrašą, todėl kortelė prisipildo, o baterija išsikrauna.</translation>
    </message>
    <message>
        <source>%1 is %2, but no recipient is given: nothing is sent.</source>
        <comment>summary.conflict_no_recipient</comment>
        <translation>%1 yra %2, bet gavėjas nenurodytas: nieko nebus išsiųsta.</translation>
    </message>
    <message>
        <source>%1 is empty: the camera has no one to e-mail.</source>
        <comment>summary.conflict_email_no_recipient</comment>
        <translation>%1 tuščias: kamera neturi kam siųsti el. laiškų.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while %3 sends pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode</comment>
        <translation>%1 faile menu.dat yra %2, o %3 siunčia nuotraukas: šiuo režimu kamera nefotografuoja, todėl nieko nesiunčia.</translation>
    </message>
    <message>
        <source>The PC&apos;s clock is not synchronised with a time server: the camera&apos;s clock will be as far off as the PC&apos;s.</source>
        <comment>summary.conflict_clock_not_synced</comment>
        <translation>Kompiuterio laikrodis nesinchronizuotas su laiko serveriu: kameros laikrodis klys tiek pat, kiek kompiuterio.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1, before 2024: the PC&apos;s clock looks wrong.</source>
        <comment>summary.conflict_clock_early</comment>
        <translation>Kameros laikrodis nustatomas į %1, iki 2024 metų: atrodo, kad kompiuterio laikrodis klysta.</translation>
    </message>
    <message>
        <source>The card is read-only: nothing can be written to it (is its lock switch on?).</source>
        <comment>summary.conflict_card_read_only</comment>
        <translation>Kortelė tik skaitoma: į ją nieko negalima įrašyti (ar įjungtas užrakto jungiklis?).</translation>
    </message>
    <message>
        <source>The card&apos;s free space (%1) holds less than one day at about %2 a day.</source>
        <comment>summary.conflict_card_short</comment>
        <translation>Laisvos kortelės vietos (%1) užteks mažiau nei parai, kai per parą reikia apie %2.</translation>
    </message>
    <message>
        <source>The card is larger than 32 GB and formatted as %1: many cameras read only FAT32 cards up to 32 GB, so this one may not work.</source>
        <comment>summary.conflict_card_not_fat32</comment>
        <translation>Kortelė didesnė nei 32 GB ir suformatuota kaip %1: daug kamerų skaito tik iki 32 GB FAT32 korteles, todėl ši gali neveikti.</translation>
    </message>
    <message>
        <source>The card still holds pictures from an earlier deployment (files in DCIM: %1).</source>
        <comment>summary.conflict_card_old_files</comment>
        <translation>Kortelėje dar yra nuotraukų iš ankstesnio pastatymo (failų DCIM aplanke: %1).</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS; recipients: %2.</source>
        <comment>summary.mms_sends_unnamed</comment>
        <translation>Kiekvieną vaizdą siunčia kaip %1 MMS; gavėjų: %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture; recipients: %1.</source>
        <comment>summary.sends_sms_unnamed</comment>
        <translation>Apie kiekvieną vaizdą siunčia SMS; gavėjų: %1.</translation>
    </message>
    <message>
        <source>It e-mails each picture through %1, port %2.</source>
        <comment>summary.email_sends_unnamed</comment>
        <translation>Kiekvieną vaizdą siunčia el. paštu per %1, prievadas %2.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of MMS.</source>
        <comment>summary.mms_data</comment>
        <translation>Duomenų per mėnesį: apie %1 MMS žinutėmis.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of e-mail.</source>
        <comment>summary.email_data</comment>
        <translation>Duomenų per mėnesį: apie %1 el. laiškais.</translation>
    </message>
    <message>
        <source>%1 is 0, which means no limit, not none: every picture is sent.</source>
        <comment>summary.conflict_unlimited</comment>
        <translation>%1 yra 0, t. y. be apribojimų, o ne nė vienos: bus siunčiama kiekviena nuotrauka.</translation>
    </message>
    <message>
        <source>These are the form&apos;s settings: they are not written to a card.</source>
        <comment>summary.sheet_not_written</comment>
        <translation>Tai formos nustatymai: jie neįrašyti į kortelę.</translation>
    </message>
    <message>
        <source>Assumed for the estimates</source>
        <comment>summary.sheet_assumed</comment>
        <translation>Įverčių prielaidos</translation>
    </message>
    <message>
        <source>Triggers a day: %1</source>
        <comment>summary.assume_triggers</comment>
        <translation>Suveikimų per parą: %1</translation>
    </message>
    <message>
        <source>A picture at %1: %2 MB</source>
        <comment>summary.assume_picture</comment>
        <translation>Viena nuotrauka (%1): %2 MB</translation>
    </message>
    <message>
        <source>A second of video at %1: %2 MB (Motion-JPEG AVI)</source>
        <comment>summary.assume_video</comment>
        <translation>Viena vaizdo įrašo sekundė (%1): %2 MB (Motion-JPEG AVI)</translation>
    </message>
    <message>
        <source>An MMS at %1: %2 KB</source>
        <comment>summary.assume_mms</comment>
        <translation>Viena MMS žinutė (%1): %2 KB</translation>
    </message>
    <message>
        <source>An e-mail at %1: %2 KB</source>
        <comment>summary.assume_email</comment>
        <translation>Vienas el. laiškas (%1): %2 KB</translation>
    </message>
    <message>
        <source>Pictures sent for each trigger: %1</source>
        <comment>summary.assume_sent_per_trigger</comment>
        <translation>Išsiunčiamų nuotraukų per suveikimą: %1</translation>
    </message>
    <message>
        <source>Time to take one photo: %1 s</source>
        <comment>summary.assume_photo_capture</comment>
        <translation>Vienos nuotraukos darymo laikas: %1 s</translation>
    </message>
    <message>
        <source>Days in a month: %1</source>
        <comment>summary.assume_month</comment>
        <translation>Dienų per mėnesį: %1</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2)</source>
        <comment>summary.report_model</comment>
        <translation>Ką darys kamera (modelis %1, %2)</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2, from the preferences; give --model for another)</source>
        <comment>summary.report_model_stored</comment>
        <translation>Ką darys kamera (modelis %1, %2, iš nuostatų; kitą nurodo --model)</translation>
    </message>
    <message>
        <source>about %1</source>
        <comment>summary.report_about</comment>
        <translation>apie %1</translation>
    </message>
    <message>
        <source>(assumed: %1)</source>
        <comment>summary.report_assumed</comment>
        <translation>(numatyta: %1)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>summary.report_warning</comment>
        <translation>įspėjimas: %1</translation>
    </message>
    <message>
        <source>When it is active depends on how the camera reads a timer that starts and stops at the same time (see the warnings).</source>
        <comment>summary.active_unknown</comment>
        <translation>Kada ji veikia, priklauso nuo to, kaip kamera supranta laikmatį, kurio pradžia ir pabaiga sutampa (žr. įspėjimus).</translation>
    </message>
    <message>
        <source>Triggers a day that each capture and the wait after it allow: at most %1.</source>
        <comment>summary.trigger_cap</comment>
        <translation>Suveikimų per parą, kiek leidžia kiekvienas įrašas ir laukimas po jo: daugiausia %1.</translation>
    </message>
    <message>
        <source>normal</source>
        <comment>summary.sensitivity_normal</comment>
        <translation>normalus</translation>
    </message>
    <message>
        <source>high</source>
        <comment>summary.sensitivity_high</comment>
        <translation>didelis</translation>
    </message>
    <message>
        <source>low</source>
        <comment>summary.sensitivity_low</comment>
        <translation>mažas</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>summary.value_video_only</comment>
        <translation>Vaizdo įrašas</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.messages_no_limit</comment>
        <translation>Nuotraukų per parą: be apribojimų; žinučių: apie %1 per parą, %2 per mėnesį (įvertinta: po vieną nuotrauką kiekvienam suveikimui, numatoma suveikimų per parą: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.messages_no_limit_menu</comment>
        <translation>Nuotraukų per parą: be apribojimų; žinučių: apie %1 per parą, %2 per mėnesį (įvertinta pagal nuotraukas, kurias numato menu.dat).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.emails_no_limit</comment>
        <translation>Nuotraukų per parą: be apribojimų; el. laiškų: apie %1 per parą, %2 per mėnesį (įvertinta: po vieną nuotrauką kiekvienam suveikimui, numatoma suveikimų per parą: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.emails_no_limit_menu</comment>
        <translation>Nuotraukų per parą: be apribojimų; el. laiškų: apie %1 per parą, %2 per mėnesį (įvertinta pagal nuotraukas, kurias numato menu.dat).</translation>
    </message>
    <message>
        <source>SMS remote control is on; its hour setting is %1.</source>
        <comment>summary.remote_on</comment>
        <translation>Nuotolinis valdymas SMS žinutėmis įjungtas; valandų nustatymas: %1.</translation>
    </message>
    <message>
        <source>%1 is %2, but no phone number for SMS is given: nothing is sent.</source>
        <comment>summary.conflict_no_phone</comment>
        <translation>%1 yra %2, bet nenurodytas telefono numeris SMS žinutėms: nieko nebus išsiųsta.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while setup.dat and smtp.dat send pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode_both</comment>
        <translation>%1 faile menu.dat yra %2, o setup.dat ir smtp.dat siunčia nuotraukas: šiuo režimu kamera nefotografuoja, todėl nieko nesiunčiama.</translation>
    </message>
    <message>
        <source>Beep sound</source>
        <comment>summary.caption_beep_sound</comment>
        <translation>Garsinis signalas</translation>
    </message>
    <message>
        <source>Overwrite when full (SD cycle)</source>
        <comment>summary.caption_sd_cycle</comment>
        <translation>Perrašyti, kai pilna (SD ciklas)</translation>
    </message>
    <message>
        <source>Timer 2</source>
        <comment>summary.caption_timer2</comment>
        <translation>Laikmatis 2</translation>
    </message>
    <message>
        <source>SMS remote control</source>
        <comment>summary.caption_remote_control</comment>
        <translation>Nuotolinis valdymas SMS</translation>
    </message>
    <message>
        <source>Bearer</source>
        <comment>summary.caption_bearer</comment>
        <translation>Perdavimo būdas</translation>
    </message>
    <message>
        <source>Phone number scope</source>
        <comment>summary.caption_phone_scope</comment>
        <translation>Telefono numerio tipas</translation>
    </message>
    <message>
        <source>E-mail settings mode</source>
        <comment>summary.caption_smtp_mode</comment>
        <translation>El. pašto nustatymų režimas</translation>
    </message>
    <message>
        <source>E-mail status</source>
        <comment>summary.caption_smtp_status</comment>
        <translation>El. pašto būsena</translation>
    </message>
    <message>
        <source>Mail server</source>
        <comment>summary.caption_smtp_server</comment>
        <translation>Pašto serveris</translation>
    </message>
    <message>
        <source>Sender address</source>
        <comment>summary.caption_sender_email</comment>
        <translation>Siuntėjo adresas</translation>
    </message>
    <message>
        <source>Domestic</source>
        <comment>summary.value_domestic</comment>
        <translation>Vietinis</translation>
    </message>
    <message>
        <source>International</source>
        <comment>summary.value_international</comment>
        <translation>Tarptautinis</translation>
    </message>
</context>
<context>
    <name>kestrova::CardFileActions</name>
    <message>
        <source>it is not valid JSON: %1 at offset %2</source>
        <translation>tai negaliojantis JSON: %1, poslinkis %2</translation>
    </message>
    <message>
        <source>it must hold one JSON object of settings</source>
        <translation>jame turi būti vienas JSON objektas su nustatymais</translation>
    </message>
    <message>
        <source>it names &quot;%1&quot; twice; which value is meant cannot be told</source>
        <translation>jame du kartus nurodytas „%1“; negalima nustatyti, kuri reikšmė turima omenyje</translation>
    </message>
    <message>
        <source>it is the report of a damaged file (%1); its values cannot be trusted</source>
        <translation>tai sugadinto failo ataskaita (%1); jos reikšmėmis negalima pasitikėti</translation>
    </message>
    <message>
        <source>it holds the unknown setting &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>jame yra nežinomas nustatymas „%1“; gal turėjote omenyje „%2“?</translation>
    </message>
    <message>
        <source>it holds the settings of a %1 file, not of %2</source>
        <translation>jame yra %1 failo nustatymai, o ne %2</translation>
    </message>
    <message>
        <source>larger than a profile (%1 bytes)</source>
        <translation>didesnis nei profilis (%1 baitų)</translation>
    </message>
    <message>
        <source>larger than a profile (more than %1 bytes)</source>
        <translation>didesnis nei profilis (daugiau nei %1 baitų)</translation>
    </message>
    <message>
        <source>it reads as a damaged file</source>
        <translation>ji nuskaitoma kaip sugadintas failas</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CameraList</name>
    <message>
        <source>expected a number from %1 to %2, got %3</source>
        <translation>tikėtasi skaičiaus nuo %1 iki %2, gauta %3</translation>
    </message>
    <message>
        <source>expected four characters (0-9, A-Z), got %1</source>
        <translation>tikėtasi keturių simbolių (0–9, A–Z), gauta %1</translation>
    </message>
    <message>
        <source>%1: the character %2 is none of 0-9, A-Z</source>
        <translation>%1: simbolis %2 nėra nė vienas iš 0–9, A–Z</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>jame yra valdymo simbolis</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>%1 eilutė, stulpelis %2: %3</translation>
    </message>
    <message>
        <source>it has no column &quot;%1&quot;</source>
        <translation>joje nėra stulpelio „%1“</translation>
    </message>
    <message>
        <source>it names the column &quot;%1&quot; twice</source>
        <translation>stulpelis „%1“ nurodytas du kartus</translation>
    </message>
    <message>
        <source>it has a column &quot;serial&quot;, but the kit has no menu</source>
        <translation>joje yra stulpelis „serial“, bet rinkinyje nėra meniu</translation>
    </message>
    <message>
        <source>it has the column &quot;%1&quot;, which is no setting of the kit&apos;s sections nor a column the log carries; did you mean &quot;%2&quot;?</source>
        <translation>joje yra stulpelis „%1“, kuris nėra nei rinkinio skyrių nustatymas, nei žurnalo stulpelis; gal turėjote omenyje „%2“?</translation>
    </message>
    <message>
        <source>every camera needs an id</source>
        <translation>kiekvienai kamerai reikia identifikatoriaus</translation>
    </message>
    <message>
        <source>the camera %1 has a row before this one</source>
        <translation>kamera %1 jau turi eilutę prieš šią</translation>
    </message>
    <message>
        <source>the row gives a %1 but no %2: give both or neither</source>
        <translation>eilutėje nurodyta %1, bet nėra %2: nurodykite abu arba nė vieno</translation>
    </message>
    <message>
        <source>it holds no camera: it needs a row after the header</source>
        <translation>joje nėra kamerų: po antraštės reikia eilutės</translation>
    </message>
    <message>
        <source>row %1 (camera %2): %3</source>
        <translation>%1 eilutė (kamera %2): %3</translation>
    </message>
    <message>
        <source>row %1 (camera %2), column %3: %4</source>
        <translation>%1 eilutė (kamera %2), stulpelis %3: %4</translation>
    </message>
    <message>
        <source>expected a date and time with its UTC offset, as %1, got %2</source>
        <translation>tikėtasi datos ir laiko su UTC poslinkiu, pvz., %1, gauta %2</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CsvTable</name>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>%1 eilutėje yra %2 laukų, antraštėje – %3</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not begin with one</source>
        <translation>%1 eilutė: kabutė lauke, kuris ja neprasideda</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>%1 eilutė: tekstas po lauko uždarančiosios kabutės</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>%1 eilutė: kabutėse esantis laukas neuždaromas</translation>
    </message>
    <message>
        <source>it is empty: it needs a header row</source>
        <translation>jis tuščias: reikia antraštės eilutės</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>tai ne UTF-8 tekstas</translation>
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
        <translation>jame yra %1 simbolių; priimama daugiausia %2</translation>
    </message>
    <message>
        <source>it holds the character %1, which shows nothing, breaks the line or turns the text around</source>
        <translation>jame yra simbolis %1, kuris nieko nerodo, laužia eilutę arba apverčia tekstą</translation>
    </message>
    <message>
        <source>it begins with &quot;%1&quot;, which a spreadsheet takes for a formula</source>
        <translation>prasideda „%1“, kurį skaičiuoklė laiko formule</translation>
    </message>
</context>
</TS>

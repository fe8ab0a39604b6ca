<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>CheckMessage</name>
    <message>
        <source>Enter the GPRS APN.</source>
        <translation>Zadejte GPRS APN.</translation>
    </message>
    <message>
        <source>Enter the mail server.</source>
        <translation>Zadejte poštovní server.</translation>
    </message>
    <message>
        <source>Enter the mail server&apos;s port.</source>
        <translation>Zadejte port poštovního serveru.</translation>
    </message>
    <message>
        <source>Enter an e-mail address.</source>
        <translation>Zadejte e-mailovou adresu.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;@&quot;.</source>
        <translation>E-mailová adresa neobsahuje „@“.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;.&quot;.</source>
        <translation>E-mailová adresa neobsahuje „.“.</translation>
    </message>
    <message>
        <source>Enter the password of the sender&apos;s e-mail account.</source>
        <translation>Zadejte heslo e-mailového účtu odesílatele.</translation>
    </message>
    <message>
        <source>The phone number is too short or holds more than digits.</source>
        <translation>Telefonní číslo je příliš krátké nebo neobsahuje jen číslice.</translation>
    </message>
    <message>
        <source>The first phone number is too short.</source>
        <translation>První telefonní číslo je příliš krátké.</translation>
    </message>
    <message>
        <source>The second recipient is too short.</source>
        <translation>Druhý příjemce je příliš krátký.</translation>
    </message>
    <message>
        <source>The third recipient is too short.</source>
        <translation>Třetí příjemce je příliš krátký.</translation>
    </message>
    <message>
        <source>Enter the first phone number: the SMS remote control answers it.</source>
        <translation>Zadejte první telefonní číslo: dálkové ovládání přes SMS odpovídá na něj.</translation>
    </message>
    <message>
        <source>A phone number holds digits only (and a &quot;+&quot; in front when it is international).</source>
        <translation>Telefonní číslo obsahuje jen číslice (a „+“ na začátku, je-li mezinárodní).</translation>
    </message>
    <message>
        <source>Check the phone number: it may hold digits only.</source>
        <translation>Zkontrolujte telefonní číslo: smí obsahovat jen číslice.</translation>
    </message>
    <message>
        <source>Enter the first phone number or an e-mail address.</source>
        <translation>Zadejte první telefonní číslo nebo e-mailovou adresu.</translation>
    </message>
    <message>
        <source>Check the recipient: a phone number of digits or an e-mail address.</source>
        <translation>Zkontrolujte příjemce: telefonní číslo z číslic nebo e-mailová adresa.</translation>
    </message>
    <message>
        <source>Enter the MMS URL.</source>
        <translation>Zadejte URL pro MMS.</translation>
    </message>
    <message>
        <source>Enter the APN.</source>
        <translation>Zadejte APN.</translation>
    </message>
    <message>
        <source>Enter the MMS gateway.</source>
        <translation>Zadejte bránu MMS.</translation>
    </message>
    <message>
        <source>Enter the MMS port.</source>
        <translation>Zadejte port MMS.</translation>
    </message>
    <message>
        <source>The MMS gateway has no &quot;.&quot;.</source>
        <translation>Brána MMS neobsahuje „.“.</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Telefonní číslo má nejvýše %1 číslic.</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Zadejte celé číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>Zadejte celé číslo.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters.</source>
        <translation>Zadejte nejvýše %1 znaků.</translation>
    </message>
    <message>
        <source>%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.</source>
        <translation>%1: text zabírá v kameře %2 bajtů, ale vejde se jen %3. Čínský znak zabírá 2 bajty.</translation>
    </message>
    <message>
        <source>%1: the character &quot;%2&quot; cannot be stored on the camera.</source>
        <translation>%1: znak „%2“ nelze do kamery uložit.</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Card report: %1</source>
        <comment>field.title</comment>
        <translation>Zpráva o kartě: %1</translation>
    </message>
    <message>
        <source>Deployment: %1</source>
        <comment>field.deployment</comment>
        <translation>Instalace: %1</translation>
    </message>
    <message>
        <source>camera %1</source>
        <comment>field.camera_part</comment>
        <translation>kamera %1</translation>
    </message>
    <message>
        <source>set up by %1</source>
        <comment>field.setup_by_part</comment>
        <translation>instaloval %1</translation>
    </message>
    <message numerus="yes">
        <source>From %1 (%2) to %3 (%4): %n day(s).</source>
        <comment>field.period</comment>
        <translation>
            <numerusform>Od %1 (%2) do %3 (%4): %n den.</numerusform>
            <numerusform>Od %1 (%2) do %3 (%4): %n dny.</numerusform>
            <numerusform>Od %1 (%2) do %3 (%4): %n dní.</numerusform>
        </translation>
    </message>
    <message>
        <source>as the cameras table says</source>
        <comment>field.start_cameras_table</comment>
        <translation>podle tabulky kamer</translation>
    </message>
    <message>
        <source>when the card was written</source>
        <comment>field.start_written</comment>
        <translation>při zápisu karty</translation>
    </message>
    <message>
        <source>the clock menu.dat set</source>
        <comment>field.start_camera_clock</comment>
        <translation>hodiny nastavené souborem menu.dat</translation>
    </message>
    <message>
        <source>the first picture</source>
        <comment>field.start_first_picture</comment>
        <translation>první snímek</translation>
    </message>
    <message>
        <source>retrieved</source>
        <comment>field.end_retrieved</comment>
        <translation>vyzvednuta</translation>
    </message>
    <message>
        <source>the last picture</source>
        <comment>field.end_last_picture</comment>
        <translation>poslední snímek</translation>
    </message>
    <message>
        <source>Camera: %1. It was set to do this:</source>
        <comment>field.camera</comment>
        <translation>Kamera: %1. Byla nastavena takto:</translation>
    </message>
    <message>
        <source>The card holds no readable camera menu (menu.dat): the schedule is not known.</source>
        <comment>field.no_menu</comment>
        <translation>Karta neobsahuje čitelné menu kamery (menu.dat): rozvrh není znám.</translation>
    </message>
    <message numerus="yes">
        <source>Working: %1 of %n day(s).</source>
        <comment>field.working</comment>
        <translation>
            <numerusform>V provozu: %1 z %n dne.</numerusform>
            <numerusform>V provozu: %1 z %n dnů.</numerusform>
            <numerusform>V provozu: %1 z %n dnů.</numerusform>
        </translation>
    </message>
    <message>
        <source>Down: %1. The time lapse took no picture at any of its times.</source>
        <comment>field.down</comment>
        <translation>Mimo provoz: %1. Časosběr nepořídil snímek v žádném ze svých časů.</translation>
    </message>
    <message>
        <source>No pictures: %1. The camera was active 24 hours or more without taking a picture.</source>
        <comment>field.no_pictures</comment>
        <translation>Žádné snímky: %1. Kamera byla aktivní 24 hodin nebo déle, aniž by pořídila snímek.</translation>
    </message>
    <message>
        <source>No pictures from %1 to %2: %3 of active time.</source>
        <comment>field.gap</comment>
        <translation>Žádné snímky od %1 do %2: %3 aktivní doby.</translation>
    </message>
    <message numerus="yes">
        <source>Card full: no picture after %1 and no room for one, %n day(s) lost.</source>
        <comment>field.card_full</comment>
        <translation>
            <numerusform>Karta plná: po %1 žádný snímek a místo pro žádný, ztracen %n den.</numerusform>
            <numerusform>Karta plná: po %1 žádný snímek a místo pro žádný, ztraceny %n dny.</numerusform>
            <numerusform>Karta plná: po %1 žádný snímek a místo pro žádný, ztraceno %n dní.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card is full and SD cycle is on: the oldest pictures have been overwritten.</source>
        <comment>field.overwrites</comment>
        <translation>Karta je plná a cyklus SD je zapnutý: nejstarší snímky byly přepsány.</translation>
    </message>
    <message>
        <source>Clock: the first picture came %1 after the start.</source>
        <comment>field.clock_first_after</comment>
        <translation>Hodiny: první snímek přišel %1 po začátku.</translation>
    </message>
    <message>
        <source>Clock: the first picture is dated %1 before the start.</source>
        <comment>field.clock_first_before</comment>
        <translation>Hodiny: první snímek je datován %1 před začátkem.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 ahead.</source>
        <comment>field.clock_ahead</comment>
        <translation>Hodiny: %1 ukazuje %2, pořízeno v %3: hodiny kamery jdou napřed o %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 behind.</source>
        <comment>field.clock_behind</comment>
        <translation>Hodiny: %1 ukazuje %2, pořízeno v %3: hodiny kamery se zpožďují o %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is right to the minute.</source>
        <comment>field.clock_right</comment>
        <translation>Hodiny: %1 ukazuje %2, pořízeno v %3: hodiny kamery jdou přesně na minutu.</translation>
    </message>
    <message>
        <source>That is an hour: daylight saving time?</source>
        <comment>field.clock_hour_off</comment>
        <translation>To je hodina: letní čas?</translation>
    </message>
    <message>
        <source>That is 12 hours: a 12-hour clock read as a 24-hour one?</source>
        <comment>field.clock_half_day_off</comment>
        <translation>To je 12 hodin: dvanáctihodinové hodiny čtené jako čtyřiadvacetihodinové?</translation>
    </message>
    <message>
        <source>Clock: it gains %1 a day.</source>
        <comment>field.clock_gains</comment>
        <translation>Hodiny: denně se předbíhají o %1.</translation>
    </message>
    <message>
        <source>Clock: it loses %1 a day.</source>
        <comment>field.clock_loses</comment>
        <translation>Hodiny: denně se zpožďují o %1.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before the deployment started (the earliest %1).</source>
        <comment>field.clock_before_start</comment>
        <translation>
            <numerusform>Hodiny: %n snímek je datován před začátkem instalace (nejdřívější %1).</numerusform>
            <numerusform>Hodiny: %n snímky jsou datovány před začátkem instalace (nejdřívější %1).</numerusform>
            <numerusform>Hodiny: %n snímků je datováno před začátkem instalace (nejdřívější %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before 2010.</source>
        <comment>field.clock_before_2010</comment>
        <translation>
            <numerusform>Hodiny: %n snímek je datován před rokem 2010.</numerusform>
            <numerusform>Hodiny: %n snímky jsou datovány před rokem 2010.</numerusform>
            <numerusform>Hodiny: %n snímků je datováno před rokem 2010.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated 2010-01-01 or 2011-01-01, where a camera&apos;s clock starts after losing its power.</source>
        <comment>field.clock_factory</comment>
        <translation>
            <numerusform>Hodiny: %n snímek je datován 2010-01-01 nebo 2011-01-01, odkud hodiny kamery začínají po ztrátě napájení.</numerusform>
            <numerusform>Hodiny: %n snímky jsou datovány 2010-01-01 nebo 2011-01-01, odkud hodiny kamery začínají po ztrátě napájení.</numerusform>
            <numerusform>Hodiny: %n snímků je datováno 2010-01-01 nebo 2011-01-01, odkud hodiny kamery začínají po ztrátě napájení.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by %3: daylight saving time.</source>
        <comment>field.clock_shift_hour</comment>
        <translation>
            <numerusform>Hodiny: v %n dni, %1 až %2, snímky dodržují rozvrh jen posunuté o %3: letní čas.</numerusform>
            <numerusform>Hodiny: ve %n dnech, %1 až %2, snímky dodržují rozvrh jen posunuté o %3: letní čas.</numerusform>
            <numerusform>Hodiny: v %n dnech, %1 až %2, snímky dodržují rozvrh jen posunuté o %3: letní čas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by 12 hours: a 12-hour clock read as a 24-hour one.</source>
        <comment>field.clock_shift_half_day</comment>
        <translation>
            <numerusform>Hodiny: v %n dni, %1 až %2, snímky dodržují rozvrh jen posunuté o 12 hodin: dvanáctihodinové hodiny čtené jako čtyřiadvacetihodinové.</numerusform>
            <numerusform>Hodiny: ve %n dnech, %1 až %2, snímky dodržují rozvrh jen posunuté o 12 hodin: dvanáctihodinové hodiny čtené jako čtyřiadvacetihodinové.</numerusform>
            <numerusform>Hodiny: v %n dnech, %1 až %2, snímky dodržují rozvrh jen posunuté o 12 hodin: dvanáctihodinové hodiny čtené jako čtyřiadvacetihodinové.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clock: nothing found wrong.</source>
        <comment>field.clock_fine</comment>
        <translation>Hodiny: nenalezena žádná chyba.</translation>
    </message>
    <message>
        <source>Card: pictures %1 (%2), videos %3 (%4).</source>
        <comment>field.card</comment>
        <translation>Karta: snímky %1 (%2), videa %3 (%4).</translation>
    </message>
    <message>
        <source>Free on the card: %1.</source>
        <comment>field.card_free</comment>
        <translation>Volné místo na kartě: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Damaged: %n file(s).</source>
        <comment>field.damaged</comment>
        <translation>
            <numerusform>Poškozen: %n soubor.</numerusform>
            <numerusform>Poškozeny: %n soubory.</numerusform>
            <numerusform>Poškozeno: %n souborů.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>field.damaged_more</comment>
        <translation>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>empty (0 bytes)</source>
        <comment>field.damage_empty</comment>
        <translation>prázdný (0 bajtů)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>field.damage_unreadable</comment>
        <translation>nelze přečíst: %1</translation>
    </message>
    <message>
        <source>not what its name says</source>
        <comment>field.damage_not_its_kind</comment>
        <translation>není tím, co říká jeho název</translation>
    </message>
    <message>
        <source>no end marker: the camera lost power while writing it</source>
        <comment>field.damage_no_end_marker</comment>
        <translation>bez koncové značky: kamera při zápisu ztratila napájení</translation>
    </message>
    <message>
        <source>shorter than its header says: the camera stopped writing it</source>
        <comment>field.damage_truncated</comment>
        <translation>kratší, než uvádí jeho hlavička: kamera jej přestala zapisovat</translation>
    </message>
    <message>
        <source>its header points outside the file</source>
        <comment>field.damage_bad_header</comment>
        <translation>jeho hlavička ukazuje mimo soubor</translation>
    </message>
    <message numerus="yes">
        <source>The file counter started again: %n number(s) found twice, %1 among them.</source>
        <comment>field.repeated</comment>
        <translation>
            <numerusform>Počítadlo souborů začalo znovu: %n číslo nalezeno dvakrát, mezi nimi %1.</numerusform>
            <numerusform>Počítadlo souborů začalo znovu: %n čísla nalezena dvakrát, mezi nimi %1.</numerusform>
            <numerusform>Počítadlo souborů začalo znovu: %n čísel nalezeno dvakrát, mezi nimi %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) tell no time of their own: the file system&apos;s time stands in (%1 among them).</source>
        <comment>field.file_time</comment>
        <translation>
            <numerusform>%n soubor neuvádí vlastní čas: místo něj platí čas souborového systému (mezi nimi %1).</numerusform>
            <numerusform>%n soubory neuvádějí vlastní čas: místo něj platí čas souborového systému (mezi nimi %1).</numerusform>
            <numerusform>%n souborů neuvádí vlastní čas: místo něj platí čas souborového systému (mezi nimi %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card holds no pictures or videos.</source>
        <comment>field.no_media</comment>
        <translation>Karta neobsahuje žádné snímky ani videa.</translation>
    </message>
    <message>
        <source>Pictures a day:</source>
        <comment>field.chart</comment>
        <translation>Snímky za den:</translation>
    </message>
    <message>
        <source>Measured against estimated:</source>
        <comment>field.comparison</comment>
        <translation>Naměřeno oproti odhadu:</translation>
    </message>
    <message>
        <source>Pictures: %1, about %2 estimated.</source>
        <comment>field.pictures_estimated</comment>
        <translation>Snímky: %1, odhadem přibližně %2.</translation>
    </message>
    <message>
        <source>Pictures: %1.</source>
        <comment>field.pictures_only</comment>
        <translation>Snímky: %1.</translation>
    </message>
    <message>
        <source>Triggers a day: %1 measured, %2 assumed.</source>
        <comment>field.triggers</comment>
        <translation>Spuštění za den: naměřeno %1, předpokládáno %2.</translation>
    </message>
    <message>
        <source>Megabytes a picture: %1 measured, %2 assumed (%3).</source>
        <comment>field.megabytes</comment>
        <translation>Megabajtů na snímek: naměřeno %1, předpokládáno %2 (%3).</translation>
    </message>
    <message>
        <source>For the next setup: %1</source>
        <comment>field.next_setup</comment>
        <translation>Pro příští nastavení: %1</translation>
    </message>
    <message>
        <source>before the deployment</source>
        <comment>field.state_before</comment>
        <translation>před instalací</translation>
    </message>
    <message>
        <source>working</source>
        <comment>field.state_working</comment>
        <translation>v provozu</translation>
    </message>
    <message>
        <source>no pictures</source>
        <comment>field.state_no_pictures</comment>
        <translation>žádné snímky</translation>
    </message>
    <message>
        <source>down</source>
        <comment>field.state_down</comment>
        <translation>mimo provoz</translation>
    </message>
    <message>
        <source>card full</source>
        <comment>field.state_card_full</comment>
        <translation>karta plná</translation>
    </message>
    <message>
        <source>after the deployment</source>
        <comment>field.state_after</comment>
        <translation>po instalaci</translation>
    </message>
    <message>
        <source>Card report...</source>
        <comment>field.menu_card_report</comment>
        <translation>Zpráva o kartě...</translation>
    </message>
    <message>
        <source>Card report</source>
        <comment>field.window_title</comment>
        <translation>Zpráva o kartě</translation>
    </message>
    <message>
        <source>Card or folder:</source>
        <comment>field.folder_label</comment>
        <translation>Karta nebo složka:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>field.browse</comment>
        <translation>Procházet...</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>field.read</comment>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>field.cancel</comment>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Reading the card: %1 of %2 files</source>
        <comment>field.reading</comment>
        <translation>Čtení karty: %1 z %2 souborů</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <comment>field.cancelled</comment>
        <translation>Čtení bylo zrušeno.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <comment>field.not_a_folder</comment>
        <translation>%1 není složka.</translation>
    </message>
    <message>
        <source>Export to Camtrap DP...</source>
        <comment>field.export</comment>
        <translation>Exportovat do Camtrap DP...</translation>
    </message>
    <message>
        <source>The Camtrap DP package is in %1 (pictures and videos: %2).</source>
        <comment>field.exported</comment>
        <translation>Balíček Camtrap DP je ve složce %1 (snímky a videa: %2).</translation>
    </message>
    <message>
        <source>Left empty, as neither the card nor the log knows them: %1. The package does not validate until they are filled in.</source>
        <comment>field.export_missing</comment>
        <translation>Ponecháno prázdné, protože je nezná karta ani záznam: %1. Balíček je platný až po jejich doplnění.</translation>
    </message>
    <message>
        <source>No package was written: %1</source>
        <comment>field.export_failed</comment>
        <translation>Žádný balíček nebyl zapsán: %1</translation>
    </message>
    <message>
        <source>Nothing is written onto the card: choose a folder elsewhere.</source>
        <comment>field.export_on_card</comment>
        <translation>Na kartu se nic nezapisuje: zvolte složku jinde.</translation>
    </message>
    <message>
        <source>Use %1 triggers a day</source>
        <comment>field.use_triggers</comment>
        <translation>Použít %1 spuštění za den</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>field.close</comment>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>%1, %2: pictures %3, videos %4, time lapse %5 of %6.</source>
        <comment>field.day_detail</comment>
        <translation>%1, %2: snímky %3, videa %4, časosběr %5 z %6.</translation>
    </message>
    <message>
        <source>Days:</source>
        <comment>field.days_label</comment>
        <translation>Dny:</translation>
    </message>
    <message>
        <source>estimated</source>
        <comment>field.estimate_legend</comment>
        <translation>odhad</translation>
    </message>
    <message>
        <source>First picture: %1</source>
        <comment>field.first_picture</comment>
        <translation>První snímek: %1</translation>
    </message>
    <message>
        <source>Last picture: %1</source>
        <comment>field.last_picture</comment>
        <translation>Poslední snímek: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>field.no_thumbnail</comment>
        <translation>(žádný)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>field.damaged_file</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The card&apos;s return is logged in %1.</source>
        <comment>field.retrieval_logged</comment>
        <translation>Návrat karty je zapsán do protokolu %1.</translation>
    </message>
    <message>
        <source>The card&apos;s return could not be logged in %1: %2</source>
        <comment>field.retrieval_not_logged</comment>
        <translation>Návrat karty se nepodařilo zapsat do protokolu %1: %2</translation>
    </message>
    <message>
        <source>The log holds no card written that this one brings back: its return is logged on its own.</source>
        <comment>field.retrieval_alone</comment>
        <translation>Protokol neobsahuje žádnou zapsanou kartu, které by tato odpovídala: její návrat se zapíše samostatně.</translation>
    </message>
</context>
<context>
    <name>FleetText</name>
    <message>
        <source>Set up many cards...</source>
        <comment>fleet.menu_many_cards</comment>
        <translation>Nastavit více karet...</translation>
    </message>
    <message>
        <source>Save kit from card...</source>
        <comment>fleet.menu_save_kit</comment>
        <translation>Uložit sadu z karty...</translation>
    </message>
    <message>
        <source>Set up many cards</source>
        <comment>fleet.window_title</comment>
        <translation>Nastavení více karet</translation>
    </message>
    <message>
        <source>Kit file:</source>
        <comment>fleet.kit_label</comment>
        <translation>Soubor sady:</translation>
    </message>
    <message>
        <source>Cameras (CSV):</source>
        <comment>fleet.cameras_label</comment>
        <translation>Kamery (CSV):</translation>
    </message>
    <message>
        <source>Log file:</source>
        <comment>fleet.log_label</comment>
        <translation>Soubor záznamu:</translation>
    </message>
    <message>
        <source>Set up by:</source>
        <comment>fleet.setup_by_label</comment>
        <translation>Instaloval:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>fleet.browse</comment>
        <translation>Procházet...</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>fleet.start</comment>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>fleet.stop</comment>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>fleet.close</comment>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Cards done:</source>
        <comment>fleet.cards_done</comment>
        <translation>Hotové karty:</translation>
    </message>
    <message>
        <source>Choose a kit file, then press Start.</source>
        <comment>fleet.choose_kit</comment>
        <translation>Zvolte soubor sady a stiskněte Spustit.</translation>
    </message>
    <message>
        <source>Insert the card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_card_for</comment>
        <translation>Vložte kartu pro kameru %1 (%2 z %3)</translation>
    </message>
    <message>
        <source>Insert the next card (%1 written)</source>
        <comment>fleet.insert_next_card</comment>
        <translation>Vložte další kartu (zapsáno: %1)</translation>
    </message>
    <message>
        <source>Writing the card for camera %1 (%2)...</source>
        <comment>fleet.writing</comment>
        <translation>Zapisuje se karta pro kameru %1 (%2)...</translation>
    </message>
    <message>
        <source>The card for camera %1 is done and ejected: remove it.</source>
        <comment>fleet.remove_ejected</comment>
        <translation>Karta pro kameru %1 je hotová a vysunutá: vyjměte ji.</translation>
    </message>
    <message>
        <source>The card for camera %1 is done: unmount and remove the card at %2.</source>
        <comment>fleet.remove_card</comment>
        <translation>Karta pro kameru %1 je hotová: odpojte a vyjměte kartu v %2.</translation>
    </message>
    <message>
        <source>The card at %1 was left as it was: remove it.</source>
        <comment>fleet.remove_skipped</comment>
        <translation>Karta v %1 zůstala beze změny: vyjměte ji.</translation>
    </message>
    <message>
        <source>The card at %1 holds the files of another camera (serial text %2). Replace them with the settings of camera %3?</source>
        <comment>fleet.ask_other_camera</comment>
        <translation>Karta v %1 obsahuje soubory jiné kamery (sériový text %2). Nahradit je nastavením kamery %3?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 holds other settings than this kit&apos;s. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_other_kit</comment>
        <translation>Soubor %2 na kartě v %1 obsahuje jiná nastavení než tato sada. Nahradit ho nastavením kamery %3?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 is damaged or cannot be read. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_damaged</comment>
        <translation>Soubor %2 na kartě v %1 je poškozený nebo nečitelný. Nahradit ho nastavením kamery %3?</translation>
    </message>
    <message>
        <source>done</source>
        <comment>fleet.result_done</comment>
        <translation>hotovo</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <comment>fleet.result_failed</comment>
        <translation>selhalo: %1</translation>
    </message>
    <message>
        <source>incomplete (stopped)</source>
        <comment>fleet.result_incomplete</comment>
        <translation>nedokončeno (zastaveno)</translation>
    </message>
    <message>
        <source>left as it was</source>
        <comment>fleet.result_skipped</comment>
        <translation>ponecháno beze změny</translation>
    </message>
    <message>
        <source>Every camera&apos;s card is written (%1).</source>
        <comment>fleet.all_done</comment>
        <translation>Karty všech kamer jsou zapsány (%1).</translation>
    </message>
    <message>
        <source>One card written (camera %1).</source>
        <comment>fleet.one_card_written</comment>
        <translation>Zapsána jedna karta (kamera %1).</translation>
    </message>
    <message>
        <source>Stopped; %1 cards written.</source>
        <comment>fleet.stopped</comment>
        <translation>Zastaveno; zapsáno karet: %1.</translation>
    </message>
    <message>
        <source>Stopped during the card for camera %1: that card is incomplete and must be written again.</source>
        <comment>fleet.stopped_during_card</comment>
        <translation>Zastaveno během karty pro kameru %1: karta je nedokončená a je třeba ji zapsat znovu.</translation>
    </message>
    <message>
        <source>The card for camera %1 failed: %2</source>
        <comment>fleet.card_failed</comment>
        <translation>Karta pro kameru %1 selhala: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <comment>fleet.input_unusable</comment>
        <translation>%1 nelze použít: %2</translation>
    </message>
    <message>
        <source>The kit &quot;%1&quot; was saved: %2</source>
        <comment>fleet.kit_saved</comment>
        <translation>Sada „%1“ byla uložena: %2</translation>
    </message>
    <message>
        <source>No kit was saved: %1</source>
        <comment>fleet.kit_not_saved</comment>
        <translation>Žádná sada nebyla uložena: %1</translation>
    </message>
    <message>
        <source>%1 holds no settings file.</source>
        <comment>fleet.no_settings_file</comment>
        <translation>%1 neobsahuje žádný soubor s nastavením.</translation>
    </message>
    <message>
        <source>Cards are still being set up. Stop and close the window?</source>
        <comment>fleet.ask_stop_first</comment>
        <translation>Karty se stále nastavují. Zastavit a zavřít okno?</translation>
    </message>
    <message>
        <source>These cameras have a card done in the log and are passed over: %1</source>
        <comment>fleet.passing_over_done</comment>
        <translation>Tyto kamery mají podle protokolu už hotovou kartu a přeskočí se: %1</translation>
    </message>
    <message>
        <source>Every camera has a card done in the log: nothing is left to write.</source>
        <comment>fleet.nothing_left</comment>
        <translation>Podle protokolu má každá kamera hotovou kartu: nic nezbývá zapsat.</translation>
    </message>
    <message>
        <source>Insert another card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_another_card_for</comment>
        <translation>Vložte jinou kartu pro kameru %1 (%2 z %3)</translation>
    </message>
    <message>
        <source>Camera %1 already has a card done (%2). Write another card for it, which replaces that one?</source>
        <comment>fleet.ask_again</comment>
        <translation>Kamera %1 už má hotovou kartu (%2). Zapsat pro ni jinou kartu, která ji nahradí?</translation>
    </message>
    <message>
        <source>done; it replaces the %1</source>
        <comment>fleet.result_done_replacing</comment>
        <translation>hotovo; nahrazuje: %1</translation>
    </message>
    <message>
        <source>The card for camera %1 is not done.</source>
        <comment>fleet.card_not_written</comment>
        <translation>Karta pro kameru %1 není hotová.</translation>
    </message>
    <message>
        <source>These cameras still have no card: %1</source>
        <comment>fleet.still_without_card</comment>
        <translation>Tyto kamery ještě nemají kartu: %1</translation>
    </message>
    <message>
        <source>the card is read-only or locked; nothing was written</source>
        <comment>fleet.read_only_card</comment>
        <translation>karta je jen pro čtení nebo zamčená; nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>The card at %1:</source>
        <comment>fleet.card_warnings</comment>
        <translation>Karta v %1:</translation>
    </message>
    <message>
        <source>The log has the card at %1 as the card of camera %2 (%3).</source>
        <comment>fleet.card_of_other_camera</comment>
        <translation>Podle protokolu je karta v %1 kartou kamery %2 (%3).</translation>
    </message>
    <message>
        <source>Write the settings of camera %1 onto it all the same?</source>
        <comment>fleet.ask_write_anyway</comment>
        <translation>Přesto na ni zapsat nastavení kamery %1?</translation>
    </message>
    <message>
        <source>%1 on the card is a link; nothing was written</source>
        <comment>fleet.file_is_link_on_card</comment>
        <translation>%1 na kartě je odkaz; nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>%1 on the card is a folder or a device, not a file; nothing was written</source>
        <comment>fleet.file_not_regular_on_card</comment>
        <translation>%1 na kartě je složka nebo zařízení, ne soubor; nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>the card has %1 free, but the files need %2; nothing was written</source>
        <comment>fleet.no_room_on_card</comment>
        <translation>na kartě je volných %1, ale soubory potřebují %2; nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>the card is only partly written: %1 already hold the new settings. %2 Write the card again before it goes out.</source>
        <comment>fleet.partly_written</comment>
        <translation>karta je zapsaná jen zčásti: %1 už obsahují nové nastavení. %2 Než karta odejde, zapište ji znovu.</translation>
    </message>
    <message>
        <source>it is still mounted</source>
        <comment>fleet.still_mounted</comment>
        <translation>je stále připojená</translation>
    </message>
    <message>
        <source>The card for camera %1 is done, but it did not eject (%2): unmount and remove the card at %3 by hand.</source>
        <comment>fleet.remove_by_hand</comment>
        <translation>Karta pro kameru %1 je hotová, ale nebyla vysunuta (%2): ručně odpojte a vyjměte kartu v %3.</translation>
    </message>
    <message>
        <source>The card at %1 is not done: remove it.</source>
        <comment>fleet.remove_failed</comment>
        <translation>Karta v %1 není hotová: vyjměte ji.</translation>
    </message>
    <message>
        <source>The card at %1 is not done and did not eject (%2): unmount and remove it by hand.</source>
        <comment>fleet.remove_failed_by_hand</comment>
        <translation>Karta v %1 není hotová a nebyla vysunuta (%2): ručně ji odpojte a vyjměte.</translation>
    </message>
    <message>
        <source>the log could not be written: %1</source>
        <comment>fleet.log_not_written</comment>
        <translation>protokol se nepodařilo zapsat: %1</translation>
    </message>
    <message>
        <source>The log %1 ended in half a row (line %2): that row is kept on a line of its own, and the new row is below it.</source>
        <comment>fleet.log_ended_damaged</comment>
        <translation>Protokol %1 končil půlkou řádku (řádek %2): ten zůstává na vlastním řádku a nový řádek je pod ním.</translation>
    </message>
    <message>
        <source>The log %1 was saved over by another program since the last row; the new row went into the file there now.</source>
        <comment>fleet.log_replaced</comment>
        <translation>Protokol %1 od posledního řádku přepsal jiný program; nový řádek šel do souboru, který tam je teď.</translation>
    </message>
    <message>
        <source>Cameras and their cards (double-click one to write its card next):</source>
        <comment>fleet.cameras_table_label</comment>
        <translation>Kamery a jejich karty (dvojklik: její karta bude další):</translation>
    </message>
    <message>
        <source>Set up in the field:</source>
        <comment>fleet.set_up_in_field_label</comment>
        <translation>Instalováno v terénu:</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>fleet.column_camera</comment>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Location</source>
        <comment>fleet.column_location</comment>
        <translation>Místo</translation>
    </message>
    <message>
        <source>Card</source>
        <comment>fleet.column_card</comment>
        <translation>Karta</translation>
    </message>
    <message>
        <source>State</source>
        <comment>fleet.column_state</comment>
        <translation>Stav</translation>
    </message>
    <message>
        <source>waiting</source>
        <comment>fleet.state_waiting</comment>
        <translation>čeká</translation>
    </message>
    <message>
        <source>next: insert its card</source>
        <comment>fleet.state_next</comment>
        <translation>další: vložte její kartu</translation>
    </message>
    <message>
        <source>writing</source>
        <comment>fleet.state_writing</comment>
        <translation>zapisuje se</translation>
    </message>
    <message>
        <source>done earlier (%1)</source>
        <comment>fleet.state_done_before</comment>
        <translation>hotovo dříve (%1)</translation>
    </message>
    <message>
        <source>The time set up in the field cannot be used: %1</source>
        <comment>fleet.time_unusable</comment>
        <translation>Čas instalace v terénu nelze použít: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2</source>
        <comment>fleet.name_unusable</comment>
        <translation>„%1“ nelze použít: %2</translation>
    </message>
    <message>
        <source>The kit holds passwords (%1): keep the file to yourself.</source>
        <comment>fleet.kit_holds_passwords</comment>
        <translation>Sada obsahuje hesla (%1): soubor si nechte pro sebe.</translation>
    </message>
    <message>
        <source>card %1 written %2</source>
        <comment>fleet.card_named_written_at</comment>
        <translation>karta %1 zapsaná %2</translation>
    </message>
    <message>
        <source>card written %1</source>
        <comment>fleet.card_written_at</comment>
        <translation>karta zapsaná %1</translation>
    </message>
    <message>
        <source>Cards:</source>
        <comment>fleet.mode_label</comment>
        <translation>Karty:</translation>
    </message>
    <message>
        <source>Set up for the field</source>
        <comment>fleet.mode_set_up</comment>
        <translation>Příprava do terénu</translation>
    </message>
    <message>
        <source>Returned from the field</source>
        <comment>fleet.mode_returned</comment>
        <translation>Vrácené z terénu</translation>
    </message>
    <message>
        <source>Choose the deployment log, then press Start.</source>
        <comment>fleet.choose_log</comment>
        <translation>Zvolte protokol instalací a stiskněte Spustit.</translation>
    </message>
    <message>
        <source>Cameras and their returned cards:</source>
        <comment>fleet.cameras_returned_label</comment>
        <translation>Kamery a jejich vrácené karty:</translation>
    </message>
    <message>
        <source>in the field (card written %1)</source>
        <comment>fleet.state_in_field</comment>
        <translation>v terénu (karta zapsána %1)</translation>
    </message>
    <message>
        <source>returned (read %1)</source>
        <comment>fleet.state_returned</comment>
        <translation>vrácena (přečtena %1)</translation>
    </message>
    <message>
        <source>reading</source>
        <comment>fleet.state_reading</comment>
        <translation>čte se</translation>
    </message>
    <message>
        <source>Insert a returned card (read so far: %1)</source>
        <comment>fleet.insert_returned_card</comment>
        <translation>Vložte vrácenou kartu (dosud přečteno: %1)</translation>
    </message>
    <message>
        <source>Reading the card at %1...</source>
        <comment>fleet.reading_card</comment>
        <translation>Čte se karta v %1...</translation>
    </message>
    <message>
        <source>returned: %1</source>
        <comment>fleet.result_returned</comment>
        <translation>vrácena: %1</translation>
    </message>
    <message>
        <source>The card at %1 was not read to the end or its return not logged (%2): remove it.</source>
        <comment>fleet.return_not_read</comment>
        <translation>Karta v %1 nebyla přečtena do konce nebo se její návrat nezapsal (%2): vyjměte ji.</translation>
    </message>
    <message>
        <source>The card of %1 is read, its return logged, and it is ejected: remove it and insert the next one.</source>
        <comment>fleet.returned_ejected</comment>
        <translation>Karta %1 je přečtena, její návrat zapsán a je vysunutá: vyjměte ji a vložte další.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged: unmount and remove the card at %2, then insert the next one.</source>
        <comment>fleet.returned_remove</comment>
        <translation>Karta %1 je přečtena a její návrat zapsán: odpojte a vyjměte kartu v %2 a pak vložte další.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged, but it was not ejected (%2): unmount and remove the card at %3.</source>
        <comment>fleet.returned_remove_by_hand</comment>
        <translation>Karta %1 je přečtena a její návrat zapsán, ale nebyla vysunuta (%2): odpojte a vyjměte kartu v %3.</translation>
    </message>
    <message>
        <source>Stopped. Returned cards read: %1.</source>
        <comment>fleet.returns_stopped</comment>
        <translation>Zastaveno. Přečtené vrácené karty: %1.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 in this folder is a link to another file; nothing was written.</source>
        <comment>notice.file_is_link</comment>
        <translation>Soubor %1 v této složce je odkaz na jiný soubor; nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>No folder chosen: choose the card&apos;s folder first.</source>
        <comment>notice.no_folder_chosen</comment>
        <translation>Není zvolena složka: nejprve zvolte složku karty.</translation>
    </message>
    <message>
        <source>Another write to %1 is in progress; nothing was written. Try again in a moment.</source>
        <comment>notice.write_in_progress</comment>
        <translation>Probíhá jiný zápis do %1; nic nebylo zapsáno. Zkuste to za chvíli znovu.</translation>
    </message>
    <message>
        <source>The file %1 was written, but it could not be read back to check it. Generate it again, or use Load from card to check it.</source>
        <comment>notice.written_unchecked</comment>
        <translation>Soubor %1 byl zapsán, ale nepodařilo se ho přečíst zpět ke kontrole. Vytvořte ho znovu nebo ho zkontrolujte příkazem „Načíst z karty“.</translation>
    </message>
    <message>
        <source>the path is too long.</source>
        <comment>notice.reason_path_too_long</comment>
        <translation>cesta je příliš dlouhá.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <comment>notice.file_written</comment>
        <translation>Soubor: %1</translation>
    </message>
    <message>
        <source>Replace the menu.dat in %1 with the factory settings?</source>
        <comment>notice.confirm_factory_reset</comment>
        <translation>Nahradit soubor menu.dat v %1 továrním nastavením?</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535.</source>
        <comment>notice.port_not_number</comment>
        <translation>Port musí být celé číslo od 1 do 65535.</translation>
    </message>
    <message>
        <source>The download page could not be opened. Its address is %1</source>
        <comment>notice.url_not_opened</comment>
        <translation>Stránku ke stažení se nepodařilo otevřít. Její adresa je %1</translation>
    </message>
    <message>
        <source>This model does not send e-mail.</source>
        <comment>notice.model_sends_no_email</comment>
        <translation>Tento model neodesílá e-maily.</translation>
    </message>
    <message>
        <source>Load from card</source>
        <comment>notice.menu_load_from_card</comment>
        <translation>Načíst z karty</translation>
    </message>
    <message>
        <source>Load profile...</source>
        <comment>notice.menu_load_profile</comment>
        <translation>Načíst profil...</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <comment>notice.menu_save_profile</comment>
        <translation>Uložit profil...</translation>
    </message>
    <message>
        <source>Restore previous file</source>
        <comment>notice.menu_restore_previous</comment>
        <translation>Obnovit předchozí soubor</translation>
    </message>
    <message>
        <source>There is no %1 in this folder; the form was left as it was.</source>
        <comment>notice.file_absent</comment>
        <translation>V této složce není %1; formulář zůstal beze změny.</translation>
    </message>
    <message>
        <source>%1 in this folder is damaged; the form was left as it was.</source>
        <comment>notice.file_damaged</comment>
        <translation>Soubor %1 v této složce je poškozený; formulář zůstal beze změny.</translation>
    </message>
    <message>
        <source>%1 in this folder was written for a different camera model; the form was left as it was.</source>
        <comment>notice.file_other_form</comment>
        <translation>Soubor %1 v této složce byl zapsán pro jiný model kamery; formulář zůstal beze změny.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be used: %2</source>
        <comment>notice.profile_unusable</comment>
        <translation>Profil %1 nelze použít: %2</translation>
    </message>
    <message>
        <source>Profile saved.</source>
        <comment>notice.profile_saved</comment>
        <translation>Profil uložen.</translation>
    </message>
    <message>
        <source>No earlier %1 from this folder is kept in the history.</source>
        <comment>notice.no_previous_file</comment>
        <translation>V historii není uchován žádný dřívější %1 z této složky.</translation>
    </message>
    <message>
        <source>Write back the %1 this folder held before %2?</source>
        <comment>notice.ask_restore_previous</comment>
        <translation>Obnovit soubor %1, který byl v této složce před %2?</translation>
    </message>
    <message>
        <source>No copy of the replaced file could be kept, so it cannot be restored later.</source>
        <comment>notice.no_copy_kept</comment>
        <translation>Kopii nahrazeného souboru se nepodařilo uchovat, takže ho později nepůjde obnovit.</translation>
    </message>
    <message>
        <source>More...</source>
        <comment>notice.menu_more</comment>
        <translation>Další...</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <comment>notice.loaded_from</comment>
        <translation>Načteno z %1</translation>
    </message>
    <message>
        <source>%1 in this folder is the factory reset record; it holds no settings to load.</source>
        <comment>notice.file_is_factory_reset</comment>
        <translation>Soubor %1 v této složce je záznam pro obnovení továrního nastavení; neobsahuje žádná nastavení k načtení.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <comment>notice.ask_replace_profile</comment>
        <translation>%1 již existuje. Nahradit?</translation>
    </message>
    <message>
        <source>No lock could be made to write %1 safely (%2); nothing was written.</source>
        <comment>notice.lock_unavailable</comment>
        <translation>Zámek pro zápis %1 se nepodařilo vytvořit (%2); nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is not valid UTF-8 text, so the file cannot be written there. Rename the folder (or mount the card under another name) and choose it again.</source>
        <comment>notice.name_not_utf8</comment>
        <translation>Název složky není platný text UTF-8, proto do ní nelze soubor zapsat. Přejmenujte složku (nebo připojte kartu pod jiným názvem) a zvolte ji znovu.</translation>
    </message>
    <message>
        <source>The file %1 was written, but the card did not confirm the change to its folder (%2). Generate it again, or check the card with &quot;kestrova inspect&quot;.</source>
        <comment>notice.folder_not_flushed</comment>
        <translation>Soubor %1 byl zapsán, ale karta nepotvrdila změnu své složky (%2). Vytvořte ho znovu nebo zkontrolujte kartu příkazem &quot;kestrova inspect&quot;.</translation>
    </message>
    <message>
        <source>Its camera clock will be set to the current time; every other setting stays as it was.</source>
        <comment>notice.restore_sets_clock</comment>
        <translation>Hodiny fotoaparátu v něm se nastaví na aktuální čas; všechna ostatní nastavení zůstanou, jak byla.</translation>
    </message>
    <message>
        <source>%1 was restored as it was before %2.</source>
        <comment>notice.restored_from</comment>
        <translation>Soubor %1 byl obnoven do stavu před %2.</translation>
    </message>
    <message>
        <source>The kept copy of %1 cannot be written back: %2.</source>
        <comment>notice.previous_copy_damaged</comment>
        <translation>Uchovanou kopii souboru %1 nelze zapsat zpět: %2.</translation>
    </message>
    <message>
        <source>%1 in %2 holds settings (%3). Load them into the form?</source>
        <comment>notice.ask_load_from_folder</comment>
        <translation>Soubor %1 ve složce %2 obsahuje nastavení (%3). Načíst je do formuláře?</translation>
    </message>
    <message>
        <source>%1, clock %2</source>
        <comment>notice.holds_menu_of</comment>
        <translation>%1, hodiny %2</translation>
    </message>
    <message>
        <source>The %1 this folder held before %2 came from the card %3; which card the folder holds now is not known. Write it back?</source>
        <comment>notice.ask_restore_from_card</comment>
        <translation>Soubor %1, který byl v této složce před %2, pochází z karty %3; není známo, kterou kartu složka obsahuje nyní. Zapsat jej zpět?</translation>
    </message>
    <message>
        <source>%1 was not written back: it came from the card %2, but the folder now holds the card %3.</source>
        <comment>notice.restore_other_card</comment>
        <translation>Soubor %1 nebyl zapsán zpět: pochází z karty %2, ale složka nyní obsahuje kartu %3.</translation>
    </message>
</context>
<context>
    <name>ProfileReason</name>
    <message>
        <source>%1 is not allowed; use a position 0..%2 or one of: %3</source>
        <translation>%1 není dovoleno; použijte pozici 0..%2 nebo jednu z možností: %3</translation>
    </message>
    <message>
        <source>Enter a whole number (got %1).</source>
        <translation>Zadejte celé číslo (zadáno %1).</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2 (got %3).</source>
        <translation>Zadejte celé číslo od %1 do %2 (zadáno %3).</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Telefonní číslo má nejvýše %1 číslic.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>What the camera will do</source>
        <comment>summary.strip_title</comment>
        <translation>Co bude kamera dělat</translation>
    </message>
    <message>
        <source>Triggers a day (assumed):</source>
        <comment>summary.assumed_triggers</comment>
        <translation>Spuštění za den (předpoklad):</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <comment>summary.warning_line</comment>
        <translation>Upozornění: %1</translation>
    </message>
    <message>
        <source>Print settings sheet...</source>
        <comment>summary.menu_print_sheet</comment>
        <translation>Vytisknout list nastavení...</translation>
    </message>
    <message>
        <source>Settings sheet: %1</source>
        <comment>summary.sheet_title</comment>
        <translation>List nastavení: %1</translation>
    </message>
    <message>
        <source>Camera model</source>
        <comment>summary.sheet_model</comment>
        <translation>Model kamery</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>summary.sheet_folder</comment>
        <translation>Složka</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>summary.sheet_date</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Check value</source>
        <comment>summary.sheet_check_value</comment>
        <translation>Kontrolní hodnota</translation>
    </message>
    <message>
        <source>none yet: these settings do not pass the checks before writing</source>
        <comment>summary.sheet_no_check</comment>
        <translation>zatím žádná: tato nastavení zatím neprojdou kontrolou před zápisem</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>summary.sheet_settings</comment>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>summary.sheet_warnings</comment>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>None.</source>
        <comment>summary.sheet_no_warnings</comment>
        <translation>Žádná.</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <comment>summary.hidden_value</comment>
        <translation>(skryto)</translation>
    </message>
    <message>
        <source>The settings sheet could not be printed: %1</source>
        <comment>summary.sheet_print_failed</comment>
        <translation>List nastavení se nepodařilo vytisknout: %1</translation>
    </message>
    <message>
        <source>Changed on the card:</source>
        <comment>summary.changed_header</comment>
        <translation>Změněno na kartě:</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <comment>summary.changed_line</comment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: changed</source>
        <comment>summary.changed_hidden_line</comment>
        <translation>%1: změněno</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment>summary.changed_more</comment>
        <translation>a dalších %1</translation>
    </message>
    <message>
        <source>New file.</source>
        <comment>summary.change_new_file</comment>
        <translation>Nový soubor.</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <comment>summary.change_nothing</comment>
        <translation>Žádné nastavení se nezměnilo.</translation>
    </message>
    <message>
        <source>It replaced a damaged file.</source>
        <comment>summary.change_replaced_damaged</comment>
        <translation>Nahradil poškozený soubor.</translation>
    </message>
    <message>
        <source>It replaced the factory reset record.</source>
        <comment>summary.change_replaced_factory</comment>
        <translation>Nahradil záznam pro obnovení továrního nastavení.</translation>
    </message>
    <message>
        <source>It replaced a file written for another camera model.</source>
        <comment>summary.change_replaced_other</comment>
        <translation>Nahradil soubor zapsaný pro jiný model kamery.</translation>
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
        <translation>Při pohybu: 1 snímek v rozlišení %1.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1.</source>
        <comment>summary.trigger_photos2</comment>
        <translation>Při pohybu: 2 snímky v rozlišení %1.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1.</source>
        <comment>summary.trigger_photos3</comment>
        <translation>Při pohybu: 3 snímky v rozlišení %1.</translation>
    </message>
    <message>
        <source>On motion: a %1 video at %2.</source>
        <comment>summary.trigger_video</comment>
        <translation>Při pohybu: video o délce %1 v rozlišení %2.</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video1</comment>
        <translation>Při pohybu: 1 snímek v rozlišení %1 a video o délce %2 v rozlišení %3.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video2</comment>
        <translation>Při pohybu: 2 snímky v rozlišení %1 a video o délce %2 v rozlišení %3.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video3</comment>
        <translation>Při pohybu: 3 snímky v rozlišení %1 a video o délce %2 v rozlišení %3.</translation>
    </message>
    <message>
        <source>After each trigger it waits %1 before the next.</source>
        <comment>summary.wait_after_trigger</comment>
        <translation>Po každém spuštění čeká %1 do dalšího.</translation>
    </message>
    <message>
        <source>After each trigger it is ready again at once.</source>
        <comment>summary.no_wait</comment>
        <translation>Po každém spuštění je ihned znovu připravena.</translation>
    </message>
    <message>
        <source>The motion sensor is on (sensitivity: %1).</source>
        <comment>summary.motion_on</comment>
        <translation>Pohybové čidlo je zapnuté (citlivost: %1).</translation>
    </message>
    <message>
        <source>The motion sensor is off.</source>
        <comment>summary.motion_off</comment>
        <translation>Pohybové čidlo je vypnuté.</translation>
    </message>
    <message>
        <source>The side sensors are on.</source>
        <comment>summary.side_on</comment>
        <translation>Boční čidla jsou zapnutá.</translation>
    </message>
    <message>
        <source>The side sensors are off.</source>
        <comment>summary.side_off</comment>
        <translation>Boční čidla jsou vypnutá.</translation>
    </message>
    <message>
        <source>It is active all day.</source>
        <comment>summary.active_all_day</comment>
        <translation>Je aktivní celý den.</translation>
    </message>
    <message>
        <source>It is active %1 (%2 a day).</source>
        <comment>summary.active_one_window</comment>
        <translation>Aktivní: %1 (%2 denně).</translation>
    </message>
    <message>
        <source>It is active %1 and %2 (%3 a day).</source>
        <comment>summary.active_two_windows</comment>
        <translation>Aktivní: %1 a %2 (%3 denně).</translation>
    </message>
    <message>
        <source>Its timers leave no time in which it is active.</source>
        <comment>summary.active_never</comment>
        <translation>Časovače nenechávají žádný čas, kdy je aktivní.</translation>
    </message>
    <message>
        <source>And one photo every %1 while active: %2 a day.</source>
        <comment>summary.time_lapse</comment>
        <translation>A jeden snímek každých %1 během aktivity: %2 denně.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time and the text &quot;%1&quot;.</source>
        <comment>summary.stamp_time_and_text</comment>
        <translation>Na snímcích je vyznačen čas a text „%1“.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time.</source>
        <comment>summary.stamp_time</comment>
        <translation>Na snímcích je vyznačen čas.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the text &quot;%1&quot;.</source>
        <comment>summary.stamp_text</comment>
        <translation>Na snímcích je vyznačen text „%1“.</translation>
    </message>
    <message>
        <source>Nothing is stamped on the pictures.</source>
        <comment>summary.stamp_nothing</comment>
        <translation>Na snímcích není nic vyznačeno.</translation>
    </message>
    <message>
        <source>When the card is full, the oldest files are overwritten.</source>
        <comment>summary.sd_cycle_on</comment>
        <translation>Když je karta plná, nejstarší soubory se přepíší.</translation>
    </message>
    <message>
        <source>When the card is full, the camera stops recording.</source>
        <comment>summary.sd_cycle_off</comment>
        <translation>Když je karta plná, kamera přestane nahrávat.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1 when it reads this card; insert the card soon, or the clock runs behind by the time in between.</source>
        <comment>summary.clock_set</comment>
        <translation>Když kamera tuto kartu načte, nastaví se její hodiny na %1; vložte kartu brzy, jinak se hodiny zpozdí o čas, který mezitím uplyne.</translation>
    </message>
    <message>
        <source>This record returns the camera to its factory settings.</source>
        <comment>summary.factory_reset</comment>
        <translation>Tento záznam vrátí kameru do továrního nastavení.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, card use about %2.</source>
        <comment>summary.estimate_photos</comment>
        <translation>Odhad za den: snímků přibližně %1, místa na kartě přibližně %2.</translation>
    </message>
    <message>
        <source>Estimated a day: video about %1, card use about %2.</source>
        <comment>summary.estimate_video</comment>
        <translation>Odhad za den: videa přibližně %1, místa na kartě přibližně %2.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, video about %2, card use about %3.</source>
        <comment>summary.estimate_both</comment>
        <translation>Odhad za den: snímků přibližně %1, videa přibližně %2, místa na kartě přibližně %3.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2.</source>
        <comment>summary.card_lasts</comment>
        <translation>Dní, než se karta (volno %1) zaplní: přibližně %2.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2; then the oldest files are overwritten.</source>
        <comment>summary.card_overwrites</comment>
        <translation>Dní, než se karta (volno %1) zaplní: přibližně %2; potom se nejstarší soubory přepisují.</translation>
    </message>
    <message>
        <source>MMS sending is off.</source>
        <comment>summary.mms_off</comment>
        <translation>Odesílání MMS je vypnuté.</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS to %2.</source>
        <comment>summary.mms_sends</comment>
        <translation>Každý snímek odešle jako MMS %1 na %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture to %1.</source>
        <comment>summary.sends_sms</comment>
        <translation>Za každý snímek odešle SMS na %1.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; messages: at most %2 a day, %3 a month.</source>
        <comment>summary.messages_limit</comment>
        <translation>Snímků za den: nejvýše %1; zpráv: nejvýše %2 denně, %3 měsíčně.</translation>
    </message>
    <message>
        <source>E-mail sending is off.</source>
        <comment>summary.email_off</comment>
        <translation>Odesílání e-mailů je vypnuté.</translation>
    </message>
    <message>
        <source>It e-mails each picture to %1 through %2, port %3, from %4.</source>
        <comment>summary.email_sends</comment>
        <translation>Každý snímek pošle e-mailem na %1 přes %2, port %3, z adresy %4.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; e-mails: at most %2 a day, %3 a month.</source>
        <comment>summary.emails_limit</comment>
        <translation>Snímků za den: nejvýše %1; e-mailů: nejvýše %2 denně, %3 měsíčně.</translation>
    </message>
    <message>
        <source>SMS remote control is off.</source>
        <comment>summary.remote_off</comment>
        <translation>Dálkové ovládání přes SMS je vypnuté.</translation>
    </message>
    <message>
        <source>Network: the operator preset for %1, %2.</source>
        <comment>summary.network_preset</comment>
        <translation>Síť: předvolba operátora pro %1, %2.</translation>
    </message>
    <message>
        <source>Network: typed in (APN %1).</source>
        <comment>summary.network_typed</comment>
        <translation>Síť: zadaná ručně (APN %1).</translation>
    </message>
    <message>
        <source>%1 and %2 are both off: the camera never takes a picture.</source>
        <comment>summary.conflict_never_pictures</comment>
        <translation>%1 i %2 jsou vypnuté: kamera nikdy nic nezaznamená.</translation>
    </message>
    <message>
        <source>%1 and %2 overlap (%3): that time counts once.</source>
        <comment>summary.conflict_timers_overlap</comment>
        <translation>%1 a %2 se překrývají (%3): tento čas se počítá jednou.</translation>
    </message>
    <message>
        <source>%1 is on with an interval of 0: the camera cannot take a photo every 0 seconds.</source>
        <comment>summary.conflict_time_lapse_zero</comment>
        <translation>%1 je zapnutý s intervalem 0: kamera nemůže pořídit snímek každých 0 sekund.</translation>
    </message>
    <message>
        <source>The %1 interval (%2) is longer than the active window %3: only one photo is taken in it.</source>
        <comment>summary.conflict_time_lapse_long</comment>
        <translation>Interval pro %1 (%2) je delší než aktivní okno %3: pořídí se v něm jen jeden snímek.</translation>
    </message>
    <message>
        <source>%1 is 0 s while %2 is %3: each motion starts the next capture at once, which fills the card and drains the battery.</source>
        <comment>summary.conflict_zero_interval</comment>
        <translation>%1 je 0 s, zatímco %2 je %3: každý pohyb hned spustí další záznam, což zaplní kartu a vybije baterii.</translation>
    </message>
    <message>
        <source>%1 is %2, but no recipient is given: nothing is sent.</source>
        <comment>summary.conflict_no_recipient</comment>
        <translation>%1 je %2, ale není zadán žádný příjemce: nic se neodešle.</translation>
    </message>
    <message>
        <source>%1 is empty: the camera has no one to e-mail.</source>
        <comment>summary.conflict_email_no_recipient</comment>
        <translation>%1 je prázdné: kamera nemá komu poslat e-mail.</translation>
    </message>
    <message>
        <source>%1 is 0, which means no limit, not none: every picture is sent.</source>
        <comment>summary.conflict_unlimited</comment>
        <translation>%1 je 0, což znamená bez omezení, ne žádné: odešle se každý snímek.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while %3 sends pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode</comment>
        <translation>%1 je v menu.dat %2, zatímco %3 odesílá snímky: v tomto režimu kamera nefotí, takže se nic neodešle.</translation>
    </message>
    <message>
        <source>The PC&apos;s clock is not synchronised with a time server: the camera&apos;s clock will be as far off as the PC&apos;s.</source>
        <comment>summary.conflict_clock_not_synced</comment>
        <translation>Hodiny počítače nejsou synchronizované s časovým serverem: hodiny kamery budou mít stejnou chybu jako počítač.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1, before 2024: the PC&apos;s clock looks wrong.</source>
        <comment>summary.conflict_clock_early</comment>
        <translation>Hodiny kamery se nastaví na %1, tedy před rok 2024: hodiny počítače jsou zřejmě špatně.</translation>
    </message>
    <message>
        <source>The card is read-only: nothing can be written to it (is its lock switch on?).</source>
        <comment>summary.conflict_card_read_only</comment>
        <translation>Karta je jen pro čtení: nelze na ni nic zapsat (není zapnutý zámek?).</translation>
    </message>
    <message>
        <source>The card&apos;s free space (%1) holds less than one day at about %2 a day.</source>
        <comment>summary.conflict_card_short</comment>
        <translation>Volné místo na kartě (%1) vystačí při přibližně %2 denně na méně než jeden den.</translation>
    </message>
    <message>
        <source>The card is larger than 32 GB and formatted as %1: many cameras read only FAT32 cards up to 32 GB, so this one may not work.</source>
        <comment>summary.conflict_card_not_fat32</comment>
        <translation>Karta je větší než 32 GB a je naformátovaná jako %1: mnoho kamer čte jen karty FAT32 do 32 GB, takže tato nemusí fungovat.</translation>
    </message>
    <message>
        <source>The card still holds pictures from an earlier deployment (files in DCIM: %1).</source>
        <comment>summary.conflict_card_old_files</comment>
        <translation>Na kartě jsou ještě snímky z dřívějšího nasazení (souborů v DCIM: %1).</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS; recipients: %2.</source>
        <comment>summary.mms_sends_unnamed</comment>
        <translation>Každý snímek pošle jako MMS %1; příjemců: %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture; recipients: %1.</source>
        <comment>summary.sends_sms_unnamed</comment>
        <translation>Za každý snímek pošle SMS; příjemců: %1.</translation>
    </message>
    <message>
        <source>It e-mails each picture through %1, port %2.</source>
        <comment>summary.email_sends_unnamed</comment>
        <translation>Každý snímek pošle e-mailem přes %1, port %2.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of MMS.</source>
        <comment>summary.mms_data</comment>
        <translation>Data za měsíc: přibližně %1 přes MMS.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of e-mail.</source>
        <comment>summary.email_data</comment>
        <translation>Data za měsíc: přibližně %1 přes e-mail.</translation>
    </message>
    <message>
        <source>%1 is on with start and stop both at %2: its window is empty, or the whole day, depending on the camera.</source>
        <comment>summary.conflict_timer_empty</comment>
        <translation>%1 je zapnutý a začátek i konec jsou v %2: okno je prázdné, nebo trvá celý den, podle kamery.</translation>
    </message>
    <message>
        <source>These are the form&apos;s settings: they are not written to a card.</source>
        <comment>summary.sheet_not_written</comment>
        <translation>Toto jsou nastavení formuláře: nejsou zapsána na kartu.</translation>
    </message>
    <message>
        <source>Assumed for the estimates</source>
        <comment>summary.sheet_assumed</comment>
        <translation>Předpoklady odhadů</translation>
    </message>
    <message>
        <source>Triggers a day: %1</source>
        <comment>summary.assume_triggers</comment>
        <translation>Spuštění za den: %1</translation>
    </message>
    <message>
        <source>A picture at %1: %2 MB</source>
        <comment>summary.assume_picture</comment>
        <translation>Jeden snímek v rozlišení %1: %2 MB</translation>
    </message>
    <message>
        <source>A second of video at %1: %2 MB (Motion-JPEG AVI)</source>
        <comment>summary.assume_video</comment>
        <translation>Jedna sekunda videa v rozlišení %1: %2 MB (Motion-JPEG AVI)</translation>
    </message>
    <message>
        <source>An MMS at %1: %2 KB</source>
        <comment>summary.assume_mms</comment>
        <translation>Jedna MMS v rozlišení %1: %2 KB</translation>
    </message>
    <message>
        <source>An e-mail at %1: %2 KB</source>
        <comment>summary.assume_email</comment>
        <translation>Jeden e-mail v rozlišení %1: %2 KB</translation>
    </message>
    <message>
        <source>Pictures sent for each trigger: %1</source>
        <comment>summary.assume_sent_per_trigger</comment>
        <translation>Odeslaných snímků na spuštění: %1</translation>
    </message>
    <message>
        <source>Time to take one photo: %1 s</source>
        <comment>summary.assume_photo_capture</comment>
        <translation>Čas na pořízení jednoho snímku: %1 s</translation>
    </message>
    <message>
        <source>Days in a month: %1</source>
        <comment>summary.assume_month</comment>
        <translation>Dní v měsíci: %1</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2)</source>
        <comment>summary.report_model</comment>
        <translation>Co bude kamera dělat (model %1, %2)</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2, from the preferences; give --model for another)</source>
        <comment>summary.report_model_stored</comment>
        <translation>Co bude kamera dělat (model %1, %2, z předvoleb; jiný určí --model)</translation>
    </message>
    <message>
        <source>about %1</source>
        <comment>summary.report_about</comment>
        <translation>přibližně %1</translation>
    </message>
    <message>
        <source>(assumed: %1)</source>
        <comment>summary.report_assumed</comment>
        <translation>(předpoklad: %1)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>summary.report_warning</comment>
        <translation>upozornění: %1</translation>
    </message>
    <message>
        <source>When it is active depends on how the camera reads a timer that starts and stops at the same time (see the warnings).</source>
        <comment>summary.active_unknown</comment>
        <translation>Kdy je aktivní, závisí na tom, jak kamera chápe časovač se stejným začátkem a koncem (viz upozornění).</translation>
    </message>
    <message>
        <source>Triggers a day that each capture and the wait after it allow: at most %1.</source>
        <comment>summary.trigger_cap</comment>
        <translation>Spuštění za den, která dovolí každý záznam a čekání po něm: nejvýše %1.</translation>
    </message>
    <message>
        <source>normal</source>
        <comment>summary.sensitivity_normal</comment>
        <translation>normální</translation>
    </message>
    <message>
        <source>high</source>
        <comment>summary.sensitivity_high</comment>
        <translation>vysoká</translation>
    </message>
    <message>
        <source>low</source>
        <comment>summary.sensitivity_low</comment>
        <translation>nízká</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>summary.value_video_only</comment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.messages_no_limit</comment>
        <translation>Snímků za den: bez omezení; zpráv: přibližně %1 denně, %2 měsíčně (odhad: jeden odeslaný snímek na spuštění, předpokládaná spuštění za den: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.messages_no_limit_menu</comment>
        <translation>Snímků za den: bez omezení; zpráv: přibližně %1 denně, %2 měsíčně (odhad podle snímků, které pořídí nastavení v menu.dat).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.emails_no_limit</comment>
        <translation>Snímků za den: bez omezení; e-mailů: přibližně %1 denně, %2 měsíčně (odhad: jeden odeslaný snímek na spuštění, předpokládaná spuštění za den: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.emails_no_limit_menu</comment>
        <translation>Snímků za den: bez omezení; e-mailů: přibližně %1 denně, %2 měsíčně (odhad podle snímků, které pořídí nastavení v menu.dat).</translation>
    </message>
    <message>
        <source>SMS remote control is on; its hour setting is %1.</source>
        <comment>summary.remote_on</comment>
        <translation>Dálkové ovládání přes SMS je zapnuté; nastavení hodin je %1.</translation>
    </message>
    <message>
        <source>%1 is %2, but no phone number for SMS is given: nothing is sent.</source>
        <comment>summary.conflict_no_phone</comment>
        <translation>%1 je %2, ale není zadáno žádné telefonní číslo pro SMS: nic se neodešle.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while setup.dat and smtp.dat send pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode_both</comment>
        <translation>%1 je v menu.dat %2, zatímco setup.dat a smtp.dat odesílají snímky: v tomto režimu kamera nefotí, takže se nic neodešle.</translation>
    </message>
    <message>
        <source>Beep sound</source>
        <comment>summary.caption_beep_sound</comment>
        <translation>Zvukový signál</translation>
    </message>
    <message>
        <source>Overwrite when full (SD cycle)</source>
        <comment>summary.caption_sd_cycle</comment>
        <translation>Přepisovat při zaplnění (cyklus SD)</translation>
    </message>
    <message>
        <source>Timer 2</source>
        <comment>summary.caption_timer2</comment>
        <translation>Časovač 2</translation>
    </message>
    <message>
        <source>SMS remote control</source>
        <comment>summary.caption_remote_control</comment>
        <translation>Dálkové ovládání přes SMS</translation>
    </message>
    <message>
        <source>Bearer</source>
        <comment>summary.caption_bearer</comment>
        <translation>Přenosová cesta</translation>
    </message>
    <message>
        <source>Phone number scope</source>
        <comment>summary.caption_phone_scope</comment>
        <translation>Typ telefonního čísla</translation>
    </message>
    <message>
        <source>E-mail settings mode</source>
        <comment>summary.caption_smtp_mode</comment>
        <translation>Režim nastavení e-mailu</translation>
    </message>
    <message>
        <source>E-mail status</source>
        <comment>summary.caption_smtp_status</comment>
        <translation>Stav e-mailu</translation>
    </message>
    <message>
        <source>Mail server</source>
        <comment>summary.caption_smtp_server</comment>
        <translation>Poštovní server</translation>
    </message>
    <message>
        <source>Sender address</source>
        <comment>summary.caption_sender_email</comment>
        <translation>Adresa odesílatele</translation>
    </message>
    <message>
        <source>Domestic</source>
        <comment>summary.value_domestic</comment>
        <translation>Domácí</translation>
    </message>
    <message>
        <source>International</source>
        <comment>summary.value_international</comment>
        <translation>Mezinárodní</translation>
    </message>
</context>
<context>
    <name>kestrova::CardFileActions</name>
    <message>
        <source>it is not valid JSON: %1 at offset %2</source>
        <translation>není platný JSON: %1 na pozici %2</translation>
    </message>
    <message>
        <source>it must hold one JSON object of settings</source>
        <translation>musí obsahovat jeden objekt JSON s nastavením</translation>
    </message>
    <message>
        <source>it names &quot;%1&quot; twice; which value is meant cannot be told</source>
        <translation>uvádí „%1“ dvakrát; nelze určit, která hodnota je míněna</translation>
    </message>
    <message>
        <source>it is the report of a damaged file (%1); its values cannot be trusted</source>
        <translation>je to zpráva o poškozeném souboru (%1); jeho hodnotám nelze věřit</translation>
    </message>
    <message>
        <source>it holds the unknown setting &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>obsahuje neznámé nastavení „%1“; měli jste na mysli „%2“?</translation>
    </message>
    <message>
        <source>it holds the settings of a %1 file, not of %2</source>
        <translation>obsahuje nastavení souboru typu %1, ne souboru %2</translation>
    </message>
    <message>
        <source>larger than a profile (%1 bytes)</source>
        <translation>větší než profil (%1 bajtů)</translation>
    </message>
    <message>
        <source>larger than a profile (more than %1 bytes)</source>
        <translation>větší než profil (více než %1 bajtů)</translation>
    </message>
    <message>
        <source>it reads as a damaged file</source>
        <translation>načítá se jako poškozený soubor</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CameraList</name>
    <message>
        <source>expected a number from %1 to %2, got %3</source>
        <translation>očekáváno číslo od %1 do %2, zadáno %3</translation>
    </message>
    <message>
        <source>expected four characters (0-9, A-Z), got %1</source>
        <translation>očekávány čtyři znaky (0–9, A–Z), zadáno %1</translation>
    </message>
    <message>
        <source>%1: the character %2 is none of 0-9, A-Z</source>
        <translation>%1: znak %2 není žádný z 0–9, A–Z</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>obsahuje řídicí znak</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>řádek %1, sloupec %2: %3</translation>
    </message>
    <message>
        <source>it has no column &quot;%1&quot;</source>
        <translation>nemá sloupec „%1“</translation>
    </message>
    <message>
        <source>it names the column &quot;%1&quot; twice</source>
        <translation>uvádí sloupec „%1“ dvakrát</translation>
    </message>
    <message>
        <source>it has a column &quot;serial&quot;, but the kit has no menu</source>
        <translation>má sloupec „serial“, ale sada nemá nabídku</translation>
    </message>
    <message>
        <source>it has the column &quot;%1&quot;, which is no setting of the kit&apos;s sections nor a column the log carries; did you mean &quot;%2&quot;?</source>
        <translation>má sloupec „%1“, který není nastavením oddílů sady ani sloupcem protokolu; mysleli jste „%2“?</translation>
    </message>
    <message>
        <source>every camera needs an id</source>
        <translation>každá kamera potřebuje označení</translation>
    </message>
    <message>
        <source>the camera %1 has a row before this one</source>
        <translation>kamera %1 už má řádek před tímto</translation>
    </message>
    <message>
        <source>the row gives a %1 but no %2: give both or neither</source>
        <translation>řádek uvádí %1, ale ne %2: uveďte obojí, nebo nic</translation>
    </message>
    <message>
        <source>it holds no camera: it needs a row after the header</source>
        <translation>neobsahuje žádnou kameru: za záhlavím musí být řádek</translation>
    </message>
    <message>
        <source>row %1 (camera %2): %3</source>
        <translation>řádek %1 (kamera %2): %3</translation>
    </message>
    <message>
        <source>row %1 (camera %2), column %3: %4</source>
        <translation>řádek %1 (kamera %2), sloupec %3: %4</translation>
    </message>
    <message>
        <source>expected a date and time with its UTC offset, as %1, got %2</source>
        <translation>očekávány datum a čas s posunem od UTC, např. %1, zadáno %2</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CsvTable</name>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>řádek %1 má %2 polí, záhlaví %3</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not begin with one</source>
        <translation>řádek %1: uvozovka v poli, které jí nezačíná</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>řádek %1: text za uzavírací uvozovkou pole</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>řádek %1: pole v uvozovkách se nikdy neuzavře</translation>
    </message>
    <message>
        <source>it is empty: it needs a header row</source>
        <translation>je prázdná: potřebuje řádek záhlaví</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>není to text v UTF-8</translation>
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
        <translation>má %1 znaků; přijme se nejvýše %2</translation>
    </message>
    <message>
        <source>it holds the character %1, which shows nothing, breaks the line or turns the text around</source>
        <translation>obsahuje znak %1, který nic nezobrazí, zalomí řádek nebo otočí text</translation>
    </message>
    <message>
        <source>it begins with &quot;%1&quot;, which a spreadsheet takes for a formula</source>
        <translation>začíná znakem „%1“, který tabulkový procesor považuje za vzorec</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>CheckMessage</name>
    <message>
        <source>Enter the GPRS APN.</source>
        <translation>Anna GPRS-APN.</translation>
    </message>
    <message>
        <source>Enter the mail server.</source>
        <translation>Anna sähköpostipalvelin.</translation>
    </message>
    <message>
        <source>Enter the mail server&apos;s port.</source>
        <translation>Anna sähköpostipalvelimen portti.</translation>
    </message>
    <message>
        <source>Enter an e-mail address.</source>
        <translation>Anna sähköpostiosoite.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;@&quot;.</source>
        <translation>Sähköpostiosoitteessa ei ole merkkiä ”@”.</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;.&quot;.</source>
        <translation>Sähköpostiosoitteessa ei ole pistettä ”.”.</translation>
    </message>
    <message>
        <source>Enter the password of the sender&apos;s e-mail account.</source>
        <translation>Anna lähettäjän sähköpostitilin salasana.</translation>
    </message>
    <message>
        <source>The phone number is too short or holds more than digits.</source>
        <translation>Puhelinnumero on liian lyhyt tai siinä on muutakin kuin numeroita.</translation>
    </message>
    <message>
        <source>The first phone number is too short.</source>
        <translation>Ensimmäinen puhelinnumero on liian lyhyt.</translation>
    </message>
    <message>
        <source>The second recipient is too short.</source>
        <translation>Toinen vastaanottaja on liian lyhyt.</translation>
    </message>
    <message>
        <source>The third recipient is too short.</source>
        <translation>Kolmas vastaanottaja on liian lyhyt.</translation>
    </message>
    <message>
        <source>Enter the first phone number: the SMS remote control answers it.</source>
        <translation>Anna ensimmäinen puhelinnumero: tekstiviestikauko-ohjaus vastaa siihen.</translation>
    </message>
    <message>
        <source>A phone number holds digits only (and a &quot;+&quot; in front when it is international).</source>
        <translation>Puhelinnumerossa on vain numeroita (ja kansainvälisessä ”+” edessä).</translation>
    </message>
    <message>
        <source>Check the phone number: it may hold digits only.</source>
        <translation>Tarkista puhelinnumero: siinä saa olla vain numeroita.</translation>
    </message>
    <message>
        <source>Enter the first phone number or an e-mail address.</source>
        <translation>Anna ensimmäinen puhelinnumero tai sähköpostiosoite.</translation>
    </message>
    <message>
        <source>Check the recipient: a phone number of digits or an e-mail address.</source>
        <translation>Tarkista vastaanottaja: numeroista koostuva puhelinnumero tai sähköpostiosoite.</translation>
    </message>
    <message>
        <source>Enter the MMS URL.</source>
        <translation>Anna MMS-URL.</translation>
    </message>
    <message>
        <source>Enter the APN.</source>
        <translation>Anna APN.</translation>
    </message>
    <message>
        <source>Enter the MMS gateway.</source>
        <translation>Anna MMS-yhdyskäytävä.</translation>
    </message>
    <message>
        <source>Enter the MMS port.</source>
        <translation>Anna MMS-portti.</translation>
    </message>
    <message>
        <source>The MMS gateway has no &quot;.&quot;.</source>
        <translation>MMS-yhdyskäytävässä ei ole pistettä ”.”.</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Puhelinnumerossa on enintään %1 numeroa.</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>Anna kokonaisluku väliltä %1–%2.</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>Anna kokonaisluku.</translation>
    </message>
    <message>
        <source>Enter at most %1 characters.</source>
        <translation>Anna enintään %1 merkkiä.</translation>
    </message>
    <message>
        <source>%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.</source>
        <translation>%1: teksti vie kamerassa %2 tavua, mutta vain %3 mahtuu. Kiinalainen merkki vie 2 tavua.</translation>
    </message>
    <message>
        <source>%1: the character &quot;%2&quot; cannot be stored on the camera.</source>
        <translation>%1: merkkiä ”%2” ei voi tallentaa kameraan.</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Card report: %1</source>
        <comment>field.title</comment>
        <translation>Korttiraportti: %1</translation>
    </message>
    <message>
        <source>Deployment: %1</source>
        <comment>field.deployment</comment>
        <translation>Asennus: %1</translation>
    </message>
    <message>
        <source>camera %1</source>
        <comment>field.camera_part</comment>
        <translation>kamera %1</translation>
    </message>
    <message>
        <source>set up by %1</source>
        <comment>field.setup_by_part</comment>
        <translation>asentaja %1</translation>
    </message>
    <message numerus="yes">
        <source>From %1 (%2) to %3 (%4): %n day(s).</source>
        <comment>field.period</comment>
        <translation>
            <numerusform>%1 (%2) – %3 (%4): %n päivä.</numerusform>
            <numerusform>%1 (%2) – %3 (%4): %n päivää.</numerusform>
        </translation>
    </message>
    <message>
        <source>as the cameras table says</source>
        <comment>field.start_cameras_table</comment>
        <translation>kameroiden taulukon mukaan</translation>
    </message>
    <message>
        <source>when the card was written</source>
        <comment>field.start_written</comment>
        <translation>kun kortti kirjoitettiin</translation>
    </message>
    <message>
        <source>the clock menu.dat set</source>
        <comment>field.start_camera_clock</comment>
        <translation>menu.dat-tiedoston asettama kello</translation>
    </message>
    <message>
        <source>the first picture</source>
        <comment>field.start_first_picture</comment>
        <translation>ensimmäinen kuva</translation>
    </message>
    <message>
        <source>retrieved</source>
        <comment>field.end_retrieved</comment>
        <translation>noudettu</translation>
    </message>
    <message>
        <source>the last picture</source>
        <comment>field.end_last_picture</comment>
        <translation>viimeinen kuva</translation>
    </message>
    <message>
        <source>Camera: %1. It was set to do this:</source>
        <comment>field.camera</comment>
        <translation>Kamera: %1. Se oli asetettu näin:</translation>
    </message>
    <message>
        <source>The card holds no readable camera menu (menu.dat): the schedule is not known.</source>
        <comment>field.no_menu</comment>
        <translation>Kortilla ei ole luettavaa kameran valikkoa (menu.dat): aikataulua ei tiedetä.</translation>
    </message>
    <message numerus="yes">
        <source>Working: %1 of %n day(s).</source>
        <comment>field.working</comment>
        <translation>
            <numerusform>Toiminnassa: %1/%n päivä.</numerusform>
            <numerusform>Toiminnassa: %1/%n päivää.</numerusform>
        </translation>
    </message>
    <message>
        <source>Down: %1. The time lapse took no picture at any of its times.</source>
        <comment>field.down</comment>
        <translation>Poissa toiminnasta: %1. Ajastettu kuvaus ei ottanut kuvaa yhtenäkään ajastaan.</translation>
    </message>
    <message>
        <source>No pictures: %1. The camera was active 24 hours or more without taking a picture.</source>
        <comment>field.no_pictures</comment>
        <translation>Ei kuvia: %1. Kamera oli toiminnassa vähintään 24 tuntia ottamatta kuvaa.</translation>
    </message>
    <message>
        <source>No pictures from %1 to %2: %3 of active time.</source>
        <comment>field.gap</comment>
        <translation>Ei kuvia %1 – %2: %3 toiminta-aikaa.</translation>
    </message>
    <message numerus="yes">
        <source>Card full: no picture after %1 and no room for one, %n day(s) lost.</source>
        <comment>field.card_full</comment>
        <translation>
            <numerusform>Kortti täynnä: ei kuvaa %1 jälkeen eikä tilaa yhdellekään, %n päivä menetetty.</numerusform>
            <numerusform>Kortti täynnä: ei kuvaa %1 jälkeen eikä tilaa yhdellekään, %n päivää menetetty.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card is full and SD cycle is on: the oldest pictures have been overwritten.</source>
        <comment>field.overwrites</comment>
        <translation>Kortti on täynnä ja SD-kierrätys on päällä: vanhimmat kuvat on korvattu.</translation>
    </message>
    <message>
        <source>Clock: the first picture came %1 after the start.</source>
        <comment>field.clock_first_after</comment>
        <translation>Kello: ensimmäinen kuva tuli %1 alun jälkeen.</translation>
    </message>
    <message>
        <source>Clock: the first picture is dated %1 before the start.</source>
        <comment>field.clock_first_before</comment>
        <translation>Kello: ensimmäinen kuva on päivätty %1 ennen alkua.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 ahead.</source>
        <comment>field.clock_ahead</comment>
        <translation>Kello: %1 näyttää %2, otettu %3: kameran kello edistää %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 behind.</source>
        <comment>field.clock_behind</comment>
        <translation>Kello: %1 näyttää %2, otettu %3: kameran kello jätättää %4.</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is right to the minute.</source>
        <comment>field.clock_right</comment>
        <translation>Kello: %1 näyttää %2, otettu %3: kameran kello on minuutilleen oikeassa.</translation>
    </message>
    <message>
        <source>That is an hour: daylight saving time?</source>
        <comment>field.clock_hour_off</comment>
        <translation>Se on tunti: kesäaika?</translation>
    </message>
    <message>
        <source>That is 12 hours: a 12-hour clock read as a 24-hour one?</source>
        <comment>field.clock_half_day_off</comment>
        <translation>Se on 12 tuntia: 12 tunnin kello luettu 24 tunnin kelloksi?</translation>
    </message>
    <message>
        <source>Clock: it gains %1 a day.</source>
        <comment>field.clock_gains</comment>
        <translation>Kello: se edistää %1 päivässä.</translation>
    </message>
    <message>
        <source>Clock: it loses %1 a day.</source>
        <comment>field.clock_loses</comment>
        <translation>Kello: se jätättää %1 päivässä.</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before the deployment started (the earliest %1).</source>
        <comment>field.clock_before_start</comment>
        <translation>
            <numerusform>Kello: %n kuva on päivätty ennen asennuksen alkua (aikaisin %1).</numerusform>
            <numerusform>Kello: %n kuvaa on päivätty ennen asennuksen alkua (aikaisin %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before 2010.</source>
        <comment>field.clock_before_2010</comment>
        <translation>
            <numerusform>Kello: %n kuva on päivätty ennen vuotta 2010.</numerusform>
            <numerusform>Kello: %n kuvaa on päivätty ennen vuotta 2010.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated 2010-01-01 or 2011-01-01, where a camera&apos;s clock starts after losing its power.</source>
        <comment>field.clock_factory</comment>
        <translation>
            <numerusform>Kello: %n kuva on päivätty 2010-01-01 tai 2011-01-01, josta kameran kello alkaa virran katkettua.</numerusform>
            <numerusform>Kello: %n kuvaa on päivätty 2010-01-01 tai 2011-01-01, josta kameran kello alkaa virran katkettua.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by %3: daylight saving time.</source>
        <comment>field.clock_shift_hour</comment>
        <translation>
            <numerusform>Kello: %n päivänä, %1 – %2, kuvat noudattavat aikataulua vain %3 siirrettyinä: kesäaika.</numerusform>
            <numerusform>Kello: %n päivänä, %1 – %2, kuvat noudattavat aikataulua vain %3 siirrettyinä: kesäaika.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by 12 hours: a 12-hour clock read as a 24-hour one.</source>
        <comment>field.clock_shift_half_day</comment>
        <translation>
            <numerusform>Kello: %n päivänä, %1 – %2, kuvat noudattavat aikataulua vain 12 tuntia siirrettyinä: 12 tunnin kello luettu 24 tunnin kelloksi.</numerusform>
            <numerusform>Kello: %n päivänä, %1 – %2, kuvat noudattavat aikataulua vain 12 tuntia siirrettyinä: 12 tunnin kello luettu 24 tunnin kelloksi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clock: nothing found wrong.</source>
        <comment>field.clock_fine</comment>
        <translation>Kello: mitään vikaa ei löytynyt.</translation>
    </message>
    <message>
        <source>Card: pictures %1 (%2), videos %3 (%4).</source>
        <comment>field.card</comment>
        <translation>Kortti: kuvia %1 (%2), videoita %3 (%4).</translation>
    </message>
    <message>
        <source>Free on the card: %1.</source>
        <comment>field.card_free</comment>
        <translation>Vapaana kortilla: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Damaged: %n file(s).</source>
        <comment>field.damaged</comment>
        <translation>
            <numerusform>Vaurioitunut: %n tiedosto.</numerusform>
            <numerusform>Vaurioituneita: %n tiedostoa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>field.damaged_more</comment>
        <translation>
            <numerusform>ja %n muu</numerusform>
            <numerusform>ja %n muuta</numerusform>
        </translation>
    </message>
    <message>
        <source>empty (0 bytes)</source>
        <comment>field.damage_empty</comment>
        <translation>tyhjä (0 tavua)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>field.damage_unreadable</comment>
        <translation>ei voi lukea: %1</translation>
    </message>
    <message>
        <source>not what its name says</source>
        <comment>field.damage_not_its_kind</comment>
        <translation>ei sitä, mitä sen nimi sanoo</translation>
    </message>
    <message>
        <source>no end marker: the camera lost power while writing it</source>
        <comment>field.damage_no_end_marker</comment>
        <translation>ei loppumerkkiä: kameralta katkesi virta kirjoitettaessa</translation>
    </message>
    <message>
        <source>shorter than its header says: the camera stopped writing it</source>
        <comment>field.damage_truncated</comment>
        <translation>lyhyempi kuin sen otsake sanoo: kamera lakkasi kirjoittamasta sitä</translation>
    </message>
    <message>
        <source>its header points outside the file</source>
        <comment>field.damage_bad_header</comment>
        <translation>sen otsake osoittaa tiedoston ulkopuolelle</translation>
    </message>
    <message numerus="yes">
        <source>The file counter started again: %n number(s) found twice, %1 among them.</source>
        <comment>field.repeated</comment>
        <translation>
            <numerusform>Tiedostolaskuri alkoi alusta: %n numero löytyi kahdesti, muun muassa %1.</numerusform>
            <numerusform>Tiedostolaskuri alkoi alusta: %n numeroa löytyi kahdesti, muun muassa %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) tell no time of their own: the file system&apos;s time stands in (%1 among them).</source>
        <comment>field.file_time</comment>
        <translation>
            <numerusform>%n tiedosto ei kerro omaa aikaansa: tiedostojärjestelmän aika on sen tilalla (muun muassa %1).</numerusform>
            <numerusform>%n tiedostoa ei kerro omaa aikaansa: tiedostojärjestelmän aika on sen tilalla (muun muassa %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The card holds no pictures or videos.</source>
        <comment>field.no_media</comment>
        <translation>Kortilla ei ole kuvia eikä videoita.</translation>
    </message>
    <message>
        <source>Pictures a day:</source>
        <comment>field.chart</comment>
        <translation>Kuvia päivässä:</translation>
    </message>
    <message>
        <source>Measured against estimated:</source>
        <comment>field.comparison</comment>
        <translation>Mitattu verrattuna arvioon:</translation>
    </message>
    <message>
        <source>Pictures: %1, about %2 estimated.</source>
        <comment>field.pictures_estimated</comment>
        <translation>Kuvia: %1, arvio noin %2.</translation>
    </message>
    <message>
        <source>Pictures: %1.</source>
        <comment>field.pictures_only</comment>
        <translation>Kuvia: %1.</translation>
    </message>
    <message>
        <source>Triggers a day: %1 measured, %2 assumed.</source>
        <comment>field.triggers</comment>
        <translation>Laukaisuja päivässä: mitattu %1, oletettu %2.</translation>
    </message>
    <message>
        <source>Megabytes a picture: %1 measured, %2 assumed (%3).</source>
        <comment>field.megabytes</comment>
        <translation>Megatavua kuvaa kohden: mitattu %1, oletettu %2 (%3).</translation>
    </message>
    <message>
        <source>For the next setup: %1</source>
        <comment>field.next_setup</comment>
        <translation>Seuraavaa asennusta varten: %1</translation>
    </message>
    <message>
        <source>before the deployment</source>
        <comment>field.state_before</comment>
        <translation>ennen asennusta</translation>
    </message>
    <message>
        <source>working</source>
        <comment>field.state_working</comment>
        <translation>toiminnassa</translation>
    </message>
    <message>
        <source>no pictures</source>
        <comment>field.state_no_pictures</comment>
        <translation>ei kuvia</translation>
    </message>
    <message>
        <source>down</source>
        <comment>field.state_down</comment>
        <translation>poissa toiminnasta</translation>
    </message>
    <message>
        <source>card full</source>
        <comment>field.state_card_full</comment>
        <translation>kortti täynnä</translation>
    </message>
    <message>
        <source>after the deployment</source>
        <comment>field.state_after</comment>
        <translation>asennuksen jälkeen</translation>
    </message>
    <message>
        <source>Card report...</source>
        <comment>field.menu_card_report</comment>
        <translation>Korttiraportti...</translation>
    </message>
    <message>
        <source>Card report</source>
        <comment>field.window_title</comment>
        <translation>Korttiraportti</translation>
    </message>
    <message>
        <source>Card or folder:</source>
        <comment>field.folder_label</comment>
        <translation>Kortti tai kansio:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>field.browse</comment>
        <translation>Selaa...</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>field.read</comment>
        <translation>Lue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>field.cancel</comment>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Reading the card: %1 of %2 files</source>
        <comment>field.reading</comment>
        <translation>Luetaan korttia: %1/%2 tiedostoa</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <comment>field.cancelled</comment>
        <translation>Lukeminen peruutettiin.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <comment>field.not_a_folder</comment>
        <translation>%1 ei ole kansio.</translation>
    </message>
    <message>
        <source>Export to Camtrap DP...</source>
        <comment>field.export</comment>
        <translation>Vie Camtrap DP -muotoon...</translation>
    </message>
    <message>
        <source>The Camtrap DP package is in %1 (pictures and videos: %2).</source>
        <comment>field.exported</comment>
        <translation>Camtrap DP -paketti on kansiossa %1 (kuvia ja videoita: %2).</translation>
    </message>
    <message>
        <source>Left empty, as neither the card nor the log knows them: %1. The package does not validate until they are filled in.</source>
        <comment>field.export_missing</comment>
        <translation>Jätetty tyhjiksi, koska kortti tai loki ei tunne niitä: %1. Paketti on kelvollinen vasta, kun ne on täytetty.</translation>
    </message>
    <message>
        <source>No package was written: %1</source>
        <comment>field.export_failed</comment>
        <translation>Pakettia ei kirjoitettu: %1</translation>
    </message>
    <message>
        <source>Nothing is written onto the card: choose a folder elsewhere.</source>
        <comment>field.export_on_card</comment>
        <translation>Kortille ei kirjoiteta mitään: valitse kansio muualta.</translation>
    </message>
    <message>
        <source>Use %1 triggers a day</source>
        <comment>field.use_triggers</comment>
        <translation>Käytä %1 laukaisua päivässä</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>field.close</comment>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>%1, %2: pictures %3, videos %4, time lapse %5 of %6.</source>
        <comment>field.day_detail</comment>
        <translation>%1, %2: kuvia %3, videoita %4, ajastettu kuvaus %5/%6.</translation>
    </message>
    <message>
        <source>Days:</source>
        <comment>field.days_label</comment>
        <translation>Päivät:</translation>
    </message>
    <message>
        <source>estimated</source>
        <comment>field.estimate_legend</comment>
        <translation>arvio</translation>
    </message>
    <message>
        <source>First picture: %1</source>
        <comment>field.first_picture</comment>
        <translation>Ensimmäinen kuva: %1</translation>
    </message>
    <message>
        <source>Last picture: %1</source>
        <comment>field.last_picture</comment>
        <translation>Viimeinen kuva: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>field.no_thumbnail</comment>
        <translation>(ei kuvaa)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>field.damaged_file</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The card&apos;s return is logged in %1.</source>
        <comment>field.retrieval_logged</comment>
        <translation>Kortin palautus on kirjattu lokiin %1.</translation>
    </message>
    <message>
        <source>The card&apos;s return could not be logged in %1: %2</source>
        <comment>field.retrieval_not_logged</comment>
        <translation>Kortin palautusta ei voitu kirjata lokiin %1: %2</translation>
    </message>
    <message>
        <source>The log holds no card written that this one brings back: its return is logged on its own.</source>
        <comment>field.retrieval_alone</comment>
        <translation>Lokissa ei ole kirjoitettua korttia, jota tämä vastaisi: sen palautus kirjataan erikseen.</translation>
    </message>
</context>
<context>
    <name>FleetText</name>
    <message>
        <source>Set up many cards...</source>
        <comment>fleet.menu_many_cards</comment>
        <translation>Määritä monta korttia...</translation>
    </message>
    <message>
        <source>Save kit from card...</source>
        <comment>fleet.menu_save_kit</comment>
        <translation>Tallenna sarja kortilta...</translation>
    </message>
    <message>
        <source>Set up many cards</source>
        <comment>fleet.window_title</comment>
        <translation>Monen kortin määritys</translation>
    </message>
    <message>
        <source>Kit file:</source>
        <comment>fleet.kit_label</comment>
        <translation>Sarjatiedosto:</translation>
    </message>
    <message>
        <source>Cameras (CSV):</source>
        <comment>fleet.cameras_label</comment>
        <translation>Kamerat (CSV):</translation>
    </message>
    <message>
        <source>Log file:</source>
        <comment>fleet.log_label</comment>
        <translation>Lokitiedosto:</translation>
    </message>
    <message>
        <source>Set up by:</source>
        <comment>fleet.setup_by_label</comment>
        <translation>Asentaja:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>fleet.browse</comment>
        <translation>Selaa...</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>fleet.start</comment>
        <translation>Aloita</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>fleet.stop</comment>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>fleet.close</comment>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Cards done:</source>
        <comment>fleet.cards_done</comment>
        <translation>Valmiit kortit:</translation>
    </message>
    <message>
        <source>Choose a kit file, then press Start.</source>
        <comment>fleet.choose_kit</comment>
        <translation>Valitse sarjatiedosto ja paina sitten Aloita.</translation>
    </message>
    <message>
        <source>Insert the card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_card_for</comment>
        <translation>Aseta kameran %1 kortti (%2/%3)</translation>
    </message>
    <message>
        <source>Insert the next card (%1 written)</source>
        <comment>fleet.insert_next_card</comment>
        <translation>Aseta seuraava kortti (%1 kirjoitettu)</translation>
    </message>
    <message>
        <source>Writing the card for camera %1 (%2)...</source>
        <comment>fleet.writing</comment>
        <translation>Kirjoitetaan kameran %1 korttia (%2)...</translation>
    </message>
    <message>
        <source>The card for camera %1 is done and ejected: remove it.</source>
        <comment>fleet.remove_ejected</comment>
        <translation>Kameran %1 kortti on valmis ja poistettu käytöstä: poista se.</translation>
    </message>
    <message>
        <source>The card for camera %1 is done: unmount and remove the card at %2.</source>
        <comment>fleet.remove_card</comment>
        <translation>Kameran %1 kortti on valmis: irrota ja poista kortti kohdasta %2.</translation>
    </message>
    <message>
        <source>The card at %1 was left as it was: remove it.</source>
        <comment>fleet.remove_skipped</comment>
        <translation>Kohdan %1 korttia ei muutettu: poista se.</translation>
    </message>
    <message>
        <source>The card at %1 holds the files of another camera (serial text %2). Replace them with the settings of camera %3?</source>
        <comment>fleet.ask_other_camera</comment>
        <translation>Kohdan %1 kortilla on toisen kameran tiedostot (sarjateksti %2). Korvataanko ne kameran %3 asetuksilla?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 holds other settings than this kit&apos;s. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_other_kit</comment>
        <translation>Kohdan %1 kortin tiedostossa %2 on muut asetukset kuin tässä sarjassa. Korvataanko se kameran %3 asetuksilla?</translation>
    </message>
    <message>
        <source>%2 on the card at %1 is damaged or cannot be read. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_damaged</comment>
        <translation>Kohdan %1 kortin tiedosto %2 on vioittunut tai lukukelvoton. Korvataanko se kameran %3 asetuksilla?</translation>
    </message>
    <message>
        <source>done</source>
        <comment>fleet.result_done</comment>
        <translation>valmis</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <comment>fleet.result_failed</comment>
        <translation>epäonnistui: %1</translation>
    </message>
    <message>
        <source>incomplete (stopped)</source>
        <comment>fleet.result_incomplete</comment>
        <translation>kesken (pysäytetty)</translation>
    </message>
    <message>
        <source>left as it was</source>
        <comment>fleet.result_skipped</comment>
        <translation>jätetty ennalleen</translation>
    </message>
    <message>
        <source>Every camera&apos;s card is written (%1).</source>
        <comment>fleet.all_done</comment>
        <translation>Kaikkien kameroiden kortit on kirjoitettu (%1).</translation>
    </message>
    <message>
        <source>One card written (camera %1).</source>
        <comment>fleet.one_card_written</comment>
        <translation>Yksi kortti kirjoitettu (kamera %1).</translation>
    </message>
    <message>
        <source>Stopped; %1 cards written.</source>
        <comment>fleet.stopped</comment>
        <translation>Pysäytetty; %1 korttia kirjoitettu.</translation>
    </message>
    <message>
        <source>Stopped during the card for camera %1: that card is incomplete and must be written again.</source>
        <comment>fleet.stopped_during_card</comment>
        <translation>Pysäytetty kameran %1 kortin aikana: kortti on kesken ja se on kirjoitettava uudelleen.</translation>
    </message>
    <message>
        <source>The card for camera %1 failed: %2</source>
        <comment>fleet.card_failed</comment>
        <translation>Kameran %1 kortin kirjoitus epäonnistui: %2</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <comment>fleet.input_unusable</comment>
        <translation>Tiedostoa %1 ei voi käyttää: %2</translation>
    </message>
    <message>
        <source>The kit &quot;%1&quot; was saved: %2</source>
        <comment>fleet.kit_saved</comment>
        <translation>Sarja ”%1” tallennettiin: %2</translation>
    </message>
    <message>
        <source>No kit was saved: %1</source>
        <comment>fleet.kit_not_saved</comment>
        <translation>Sarjaa ei tallennettu: %1</translation>
    </message>
    <message>
        <source>%1 holds no settings file.</source>
        <comment>fleet.no_settings_file</comment>
        <translation>Kohteessa %1 ei ole asetustiedostoa.</translation>
    </message>
    <message>
        <source>Cards are still being set up. Stop and close the window?</source>
        <comment>fleet.ask_stop_first</comment>
        <translation>Kortteja määritetään yhä. Pysäytetäänkö ja suljetaanko ikkuna?</translation>
    </message>
    <message>
        <source>These cameras have a card done in the log and are passed over: %1</source>
        <comment>fleet.passing_over_done</comment>
        <translation>Näillä kameroilla on lokin mukaan jo valmis kortti, ja ne ohitetaan: %1</translation>
    </message>
    <message>
        <source>Every camera has a card done in the log: nothing is left to write.</source>
        <comment>fleet.nothing_left</comment>
        <translation>Lokin mukaan jokaisella kameralla on valmis kortti: kirjoitettavaa ei ole jäljellä.</translation>
    </message>
    <message>
        <source>Insert another card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_another_card_for</comment>
        <translation>Aseta toinen kortti kameralle %1 (%2/%3)</translation>
    </message>
    <message>
        <source>Camera %1 already has a card done (%2). Write another card for it, which replaces that one?</source>
        <comment>fleet.ask_again</comment>
        <translation>Kameralla %1 on jo valmis kortti (%2). Kirjoitetaanko sille toinen kortti, joka korvaa sen?</translation>
    </message>
    <message>
        <source>done; it replaces the %1</source>
        <comment>fleet.result_done_replacing</comment>
        <translation>valmis; se korvaa: %1</translation>
    </message>
    <message>
        <source>The card for camera %1 is not done.</source>
        <comment>fleet.card_not_written</comment>
        <translation>Kameran %1 kortti ei ole valmis.</translation>
    </message>
    <message>
        <source>These cameras still have no card: %1</source>
        <comment>fleet.still_without_card</comment>
        <translation>Näillä kameroilla ei vielä ole korttia: %1</translation>
    </message>
    <message>
        <source>the card is read-only or locked; nothing was written</source>
        <comment>fleet.read_only_card</comment>
        <translation>kortti on vain luku -tilassa tai lukittu; mitään ei kirjoitettu</translation>
    </message>
    <message>
        <source>The card at %1:</source>
        <comment>fleet.card_warnings</comment>
        <translation>Kohdan %1 kortti:</translation>
    </message>
    <message>
        <source>The log has the card at %1 as the card of camera %2 (%3).</source>
        <comment>fleet.card_of_other_camera</comment>
        <translation>Lokin mukaan kohdan %1 kortti on kameran %2 kortti (%3).</translation>
    </message>
    <message>
        <source>Write the settings of camera %1 onto it all the same?</source>
        <comment>fleet.ask_write_anyway</comment>
        <translation>Kirjoitetaanko kameran %1 asetukset siihen silti?</translation>
    </message>
    <message>
        <source>%1 on the card is a link; nothing was written</source>
        <comment>fleet.file_is_link_on_card</comment>
        <translation>Kortin %1 on linkki; mitään ei kirjoitettu</translation>
    </message>
    <message>
        <source>%1 on the card is a folder or a device, not a file; nothing was written</source>
        <comment>fleet.file_not_regular_on_card</comment>
        <translation>Kortin %1 on kansio tai laite, ei tiedosto; mitään ei kirjoitettu</translation>
    </message>
    <message>
        <source>the card has %1 free, but the files need %2; nothing was written</source>
        <comment>fleet.no_room_on_card</comment>
        <translation>kortilla on vapaana %1, mutta tiedostot tarvitsevat %2; mitään ei kirjoitettu</translation>
    </message>
    <message>
        <source>the card is only partly written: %1 already hold the new settings. %2 Write the card again before it goes out.</source>
        <comment>fleet.partly_written</comment>
        <translation>kortti on kirjoitettu vain osittain: tiedostoissa %1 on jo uudet asetukset. %2 Kirjoita kortti uudelleen ennen kuin se viedään maastoon.</translation>
    </message>
    <message>
        <source>it is still mounted</source>
        <comment>fleet.still_mounted</comment>
        <translation>se on yhä liitettynä</translation>
    </message>
    <message>
        <source>The card for camera %1 is done, but it did not eject (%2): unmount and remove the card at %3 by hand.</source>
        <comment>fleet.remove_by_hand</comment>
        <translation>Kameran %1 kortti on valmis, mutta sitä ei poistettu käytöstä (%2): irrota ja poista kohdan %3 kortti käsin.</translation>
    </message>
    <message>
        <source>The card at %1 is not done: remove it.</source>
        <comment>fleet.remove_failed</comment>
        <translation>Kohdan %1 kortti ei ole valmis: poista se.</translation>
    </message>
    <message>
        <source>The card at %1 is not done and did not eject (%2): unmount and remove it by hand.</source>
        <comment>fleet.remove_failed_by_hand</comment>
        <translation>Kohdan %1 kortti ei ole valmis, eikä sitä poistettu käytöstä (%2): irrota ja poista se käsin.</translation>
    </message>
    <message>
        <source>the log could not be written: %1</source>
        <comment>fleet.log_not_written</comment>
        <translation>lokia ei voitu kirjoittaa: %1</translation>
    </message>
    <message>
        <source>The log %1 ended in half a row (line %2): that row is kept on a line of its own, and the new row is below it.</source>
        <comment>fleet.log_ended_damaged</comment>
        <translation>Loki %1 päättyi puolikkaaseen riviin (rivi %2): se säilytetään omalla rivillään, ja uusi rivi on sen alla.</translation>
    </message>
    <message>
        <source>The log %1 was saved over by another program since the last row; the new row went into the file there now.</source>
        <comment>fleet.log_replaced</comment>
        <translation>Toinen ohjelma on tallentanut lokin %1 päälle edellisen rivin jälkeen; uusi rivi meni nyt siellä olevaan tiedostoon.</translation>
    </message>
    <message>
        <source>Cameras and their cards (double-click one to write its card next):</source>
        <comment>fleet.cameras_table_label</comment>
        <translation>Kamerat ja niiden kortit (kaksoisnapsauta, niin sen kortti on seuraava):</translation>
    </message>
    <message>
        <source>Set up in the field:</source>
        <comment>fleet.set_up_in_field_label</comment>
        <translation>Maastoon asennettu:</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>fleet.column_camera</comment>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Location</source>
        <comment>fleet.column_location</comment>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>Card</source>
        <comment>fleet.column_card</comment>
        <translation>Kortti</translation>
    </message>
    <message>
        <source>State</source>
        <comment>fleet.column_state</comment>
        <translation>Tila</translation>
    </message>
    <message>
        <source>waiting</source>
        <comment>fleet.state_waiting</comment>
        <translation>odottaa</translation>
    </message>
    <message>
        <source>next: insert its card</source>
        <comment>fleet.state_next</comment>
        <translation>seuraava: aseta sen kortti</translation>
    </message>
    <message>
        <source>writing</source>
        <comment>fleet.state_writing</comment>
        <translation>kirjoitetaan</translation>
    </message>
    <message>
        <source>done earlier (%1)</source>
        <comment>fleet.state_done_before</comment>
        <translation>valmis aiemmin (%1)</translation>
    </message>
    <message>
        <source>The time set up in the field cannot be used: %1</source>
        <comment>fleet.time_unusable</comment>
        <translation>Maastoon asennuksen aikaa ei voi käyttää: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2</source>
        <comment>fleet.name_unusable</comment>
        <translation>Kohtaa ”%1” ei voi käyttää: %2</translation>
    </message>
    <message>
        <source>The kit holds passwords (%1): keep the file to yourself.</source>
        <comment>fleet.kit_holds_passwords</comment>
        <translation>Sarjassa on salasanoja (%1): pidä tiedosto omana tietonasi.</translation>
    </message>
    <message>
        <source>card %1 written %2</source>
        <comment>fleet.card_named_written_at</comment>
        <translation>kortti %1, kirjoitettu %2</translation>
    </message>
    <message>
        <source>card written %1</source>
        <comment>fleet.card_written_at</comment>
        <translation>kortti, kirjoitettu %1</translation>
    </message>
    <message>
        <source>Cards:</source>
        <comment>fleet.mode_label</comment>
        <translation>Kortit:</translation>
    </message>
    <message>
        <source>Set up for the field</source>
        <comment>fleet.mode_set_up</comment>
        <translation>Valmistellaan maastoon</translation>
    </message>
    <message>
        <source>Returned from the field</source>
        <comment>fleet.mode_returned</comment>
        <translation>Palautettu maastosta</translation>
    </message>
    <message>
        <source>Choose the deployment log, then press Start.</source>
        <comment>fleet.choose_log</comment>
        <translation>Valitse asennusten lokitiedosto ja paina sitten Aloita.</translation>
    </message>
    <message>
        <source>Cameras and their returned cards:</source>
        <comment>fleet.cameras_returned_label</comment>
        <translation>Kamerat ja niiden palautetut kortit:</translation>
    </message>
    <message>
        <source>in the field (card written %1)</source>
        <comment>fleet.state_in_field</comment>
        <translation>maastossa (kortti kirjoitettu %1)</translation>
    </message>
    <message>
        <source>returned (read %1)</source>
        <comment>fleet.state_returned</comment>
        <translation>palautettu (luettu %1)</translation>
    </message>
    <message>
        <source>reading</source>
        <comment>fleet.state_reading</comment>
        <translation>luetaan</translation>
    </message>
    <message>
        <source>Insert a returned card (read so far: %1)</source>
        <comment>fleet.insert_returned_card</comment>
        <translation>Aseta palautettu kortti (luettu tähän mennessä: %1)</translation>
    </message>
    <message>
        <source>Reading the card at %1...</source>
        <comment>fleet.reading_card</comment>
        <translation>Luetaan korttia %1...</translation>
    </message>
    <message>
        <source>returned: %1</source>
        <comment>fleet.result_returned</comment>
        <translation>palautettu: %1</translation>
    </message>
    <message>
        <source>The card at %1 was not read to the end or its return not logged (%2): remove it.</source>
        <comment>fleet.return_not_read</comment>
        <translation>Korttia %1 ei luettu loppuun tai sen palautusta ei kirjattu (%2): poista se.</translation>
    </message>
    <message>
        <source>The card of %1 is read, its return logged, and it is ejected: remove it and insert the next one.</source>
        <comment>fleet.returned_ejected</comment>
        <translation>Kortti %1 on luettu, sen palautus kirjattu ja se on poistettu käytöstä: poista se ja aseta seuraava.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged: unmount and remove the card at %2, then insert the next one.</source>
        <comment>fleet.returned_remove</comment>
        <translation>Kortti %1 on luettu ja sen palautus kirjattu: irrota ja poista kortti %2 ja aseta sitten seuraava.</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged, but it was not ejected (%2): unmount and remove the card at %3.</source>
        <comment>fleet.returned_remove_by_hand</comment>
        <translation>Kortti %1 on luettu ja sen palautus kirjattu, mutta sitä ei poistettu käytöstä (%2): irrota ja poista kortti %3.</translation>
    </message>
    <message>
        <source>Stopped. Returned cards read: %1.</source>
        <comment>fleet.returns_stopped</comment>
        <translation>Pysäytetty. Luettuja palautettuja kortteja: %1.</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 in this folder is a link to another file; nothing was written.</source>
        <comment>notice.file_is_link</comment>
        <translation>Tämän kansion %1 on linkki toiseen tiedostoon, joten mitään ei kirjoitettu.</translation>
    </message>
    <message>
        <source>No folder chosen: choose the card&apos;s folder first.</source>
        <comment>notice.no_folder_chosen</comment>
        <translation>Kansiota ei ole valittu: valitse ensin muistikortin kansio.</translation>
    </message>
    <message>
        <source>Another write to %1 is in progress; nothing was written. Try again in a moment.</source>
        <comment>notice.write_in_progress</comment>
        <translation>Tiedostoon %1 kirjoitetaan jo; mitään ei kirjoitettu. Yritä hetken kuluttua uudelleen.</translation>
    </message>
    <message>
        <source>The file %1 was written, but it could not be read back to check it. Generate it again, or use Load from card to check it.</source>
        <comment>notice.written_unchecked</comment>
        <translation>Tiedosto %1 kirjoitettiin, mutta sitä ei voitu lukea takaisin tarkistusta varten. Luo se uudelleen tai tarkista se toiminnolla ”Lataa kortilta”.</translation>
    </message>
    <message>
        <source>the path is too long.</source>
        <comment>notice.reason_path_too_long</comment>
        <translation>polku on liian pitkä.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <comment>notice.file_written</comment>
        <translation>Tiedosto: %1</translation>
    </message>
    <message>
        <source>Replace the menu.dat in %1 with the factory settings?</source>
        <comment>notice.confirm_factory_reset</comment>
        <translation>Korvataanko kansion %1 menu.dat tehdasasetuksilla?</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535.</source>
        <comment>notice.port_not_number</comment>
        <translation>Portin on oltava kokonaisluku väliltä 1–65535.</translation>
    </message>
    <message>
        <source>The download page could not be opened. Its address is %1</source>
        <comment>notice.url_not_opened</comment>
        <translation>Lataussivua ei voitu avata. Sen osoite on %1</translation>
    </message>
    <message>
        <source>This model does not send e-mail.</source>
        <comment>notice.model_sends_no_email</comment>
        <translation>Tämä malli ei lähetä sähköpostia.</translation>
    </message>
    <message>
        <source>Load from card</source>
        <comment>notice.menu_load_from_card</comment>
        <translation>Lataa kortilta</translation>
    </message>
    <message>
        <source>Load profile...</source>
        <comment>notice.menu_load_profile</comment>
        <translation>Lataa profiili...</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <comment>notice.menu_save_profile</comment>
        <translation>Tallenna profiili...</translation>
    </message>
    <message>
        <source>Restore previous file</source>
        <comment>notice.menu_restore_previous</comment>
        <translation>Palauta edellinen tiedosto</translation>
    </message>
    <message>
        <source>There is no %1 in this folder; the form was left as it was.</source>
        <comment>notice.file_absent</comment>
        <translation>Tässä kansiossa ei ole tiedostoa %1; lomaketta ei muutettu.</translation>
    </message>
    <message>
        <source>%1 in this folder is damaged; the form was left as it was.</source>
        <comment>notice.file_damaged</comment>
        <translation>Tämän kansion %1 on vioittunut; lomaketta ei muutettu.</translation>
    </message>
    <message>
        <source>%1 in this folder was written for a different camera model; the form was left as it was.</source>
        <comment>notice.file_other_form</comment>
        <translation>Tämän kansion %1 on kirjoitettu toiselle kameramallille; lomaketta ei muutettu.</translation>
    </message>
    <message>
        <source>The profile %1 cannot be used: %2</source>
        <comment>notice.profile_unusable</comment>
        <translation>Profiilia %1 ei voi käyttää: %2</translation>
    </message>
    <message>
        <source>Profile saved.</source>
        <comment>notice.profile_saved</comment>
        <translation>Profiili tallennettu.</translation>
    </message>
    <message>
        <source>No earlier %1 from this folder is kept in the history.</source>
        <comment>notice.no_previous_file</comment>
        <translation>Historiassa ei ole tallessa aiempaa tiedostoa %1 tästä kansiosta.</translation>
    </message>
    <message>
        <source>Write back the %1 this folder held before %2?</source>
        <comment>notice.ask_restore_previous</comment>
        <translation>Palautetaanko tiedosto %1, joka oli tässä kansiossa ennen %2?</translation>
    </message>
    <message>
        <source>No copy of the replaced file could be kept, so it cannot be restored later.</source>
        <comment>notice.no_copy_kept</comment>
        <translation>Korvatusta tiedostosta ei voitu säilyttää kopiota, joten sitä ei voi palauttaa myöhemmin.</translation>
    </message>
    <message>
        <source>More...</source>
        <comment>notice.menu_more</comment>
        <translation>Lisää...</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <comment>notice.loaded_from</comment>
        <translation>Ladattu tiedostosta %1</translation>
    </message>
    <message>
        <source>%1 in this folder is the factory reset record; it holds no settings to load.</source>
        <comment>notice.file_is_factory_reset</comment>
        <translation>Tämän kansion %1 on tehdasasetusten palautustietue; siinä ei ole ladattavia asetuksia.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <comment>notice.ask_replace_profile</comment>
        <translation>%1 on jo olemassa. Korvataanko se?</translation>
    </message>
    <message>
        <source>No lock could be made to write %1 safely (%2); nothing was written.</source>
        <comment>notice.lock_unavailable</comment>
        <translation>Tiedoston %1 kirjoittamiseen tarvittavaa lukkoa ei voitu luoda (%2); mitään ei kirjoitettu.</translation>
    </message>
    <message>
        <source>The folder&apos;s name is not valid UTF-8 text, so the file cannot be written there. Rename the folder (or mount the card under another name) and choose it again.</source>
        <comment>notice.name_not_utf8</comment>
        <translation>Kansion nimi ei ole kelvollista UTF-8-tekstiä, joten siihen ei voi kirjoittaa tiedostoa. Nimeä kansio uudelleen (tai liitä kortti toisella nimellä) ja valitse se uudelleen.</translation>
    </message>
    <message>
        <source>The file %1 was written, but the card did not confirm the change to its folder (%2). Generate it again, or check the card with &quot;kestrova inspect&quot;.</source>
        <comment>notice.folder_not_flushed</comment>
        <translation>Tiedosto %1 kirjoitettiin, mutta kortti ei vahvistanut kansionsa muutosta (%2). Luo se uudelleen tai tarkista kortti komennolla &quot;kestrova inspect&quot;.</translation>
    </message>
    <message>
        <source>Its camera clock will be set to the current time; every other setting stays as it was.</source>
        <comment>notice.restore_sets_clock</comment>
        <translation>Sen kameran kello asetetaan nykyiseen aikaan; muut asetukset pysyvät ennallaan.</translation>
    </message>
    <message>
        <source>%1 was restored as it was before %2.</source>
        <comment>notice.restored_from</comment>
        <translation>Tiedosto %1 palautettiin sellaisena kuin se oli ennen %2.</translation>
    </message>
    <message>
        <source>The kept copy of %1 cannot be written back: %2.</source>
        <comment>notice.previous_copy_damaged</comment>
        <translation>Tiedoston %1 tallessa olevaa kopiota ei voi kirjoittaa takaisin: %2.</translation>
    </message>
    <message>
        <source>%1 in %2 holds settings (%3). Load them into the form?</source>
        <comment>notice.ask_load_from_folder</comment>
        <translation>Kansion %2 tiedostossa %1 on asetukset (%3). Ladataanko ne lomakkeeseen?</translation>
    </message>
    <message>
        <source>%1, clock %2</source>
        <comment>notice.holds_menu_of</comment>
        <translation>%1, kello %2</translation>
    </message>
    <message>
        <source>The %1 this folder held before %2 came from the card %3; which card the folder holds now is not known. Write it back?</source>
        <comment>notice.ask_restore_from_card</comment>
        <translation>Tiedosto %1, joka tässä kansiossa oli ennen %2, on peräisin kortilta %3; ei tiedetä, mikä kortti kansiossa nyt on. Kirjoitetaanko se takaisin?</translation>
    </message>
    <message>
        <source>%1 was not written back: it came from the card %2, but the folder now holds the card %3.</source>
        <comment>notice.restore_other_card</comment>
        <translation>Tiedostoa %1 ei kirjoitettu takaisin: se on peräisin kortilta %2, mutta kansiossa on nyt kortti %3.</translation>
    </message>
</context>
<context>
    <name>ProfileReason</name>
    <message>
        <source>%1 is not allowed; use a position 0..%2 or one of: %3</source>
        <translation>%1 ei käy; anna sijainti 0..%2 tai jokin näistä: %3</translation>
    </message>
    <message>
        <source>Enter a whole number (got %1).</source>
        <translation>Anna kokonaisluku (annettu %1).</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2 (got %3).</source>
        <translation>Anna kokonaisluku väliltä %1–%2 (annettu %3).</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>Puhelinnumerossa on enintään %1 numeroa.</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>What the camera will do</source>
        <comment>summary.strip_title</comment>
        <translation>Mitä kamera tekee</translation>
    </message>
    <message>
        <source>Triggers a day (assumed):</source>
        <comment>summary.assumed_triggers</comment>
        <translation>Laukaisuja päivässä (oletus):</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <comment>summary.warning_line</comment>
        <translation>Varoitus: %1</translation>
    </message>
    <message>
        <source>Print settings sheet...</source>
        <comment>summary.menu_print_sheet</comment>
        <translation>Tulosta asetussivu...</translation>
    </message>
    <message>
        <source>Settings sheet: %1</source>
        <comment>summary.sheet_title</comment>
        <translation>Asetussivu: %1</translation>
    </message>
    <message>
        <source>Camera model</source>
        <comment>summary.sheet_model</comment>
        <translation>Kameramalli</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>summary.sheet_folder</comment>
        <translation>Kansio</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>summary.sheet_date</comment>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Check value</source>
        <comment>summary.sheet_check_value</comment>
        <translation>Tarkistusarvo</translation>
    </message>
    <message>
        <source>none yet: these settings do not pass the checks before writing</source>
        <comment>summary.sheet_no_check</comment>
        <translation>ei vielä: nämä asetukset eivät läpäise kirjoittamista edeltäviä tarkistuksia</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>summary.sheet_settings</comment>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>summary.sheet_warnings</comment>
        <translation>Varoitukset</translation>
    </message>
    <message>
        <source>None.</source>
        <comment>summary.sheet_no_warnings</comment>
        <translation>Ei yhtään.</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <comment>summary.hidden_value</comment>
        <translation>(piilotettu)</translation>
    </message>
    <message>
        <source>The settings sheet could not be printed: %1</source>
        <comment>summary.sheet_print_failed</comment>
        <translation>Asetussivua ei voitu tulostaa: %1</translation>
    </message>
    <message>
        <source>Changed on the card:</source>
        <comment>summary.changed_header</comment>
        <translation>Kortilla muuttui:</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <comment>summary.changed_line</comment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: changed</source>
        <comment>summary.changed_hidden_line</comment>
        <translation>%1: muutettu</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment>summary.changed_more</comment>
        <translation>ja %1 muuta</translation>
    </message>
    <message>
        <source>New file.</source>
        <comment>summary.change_new_file</comment>
        <translation>Uusi tiedosto.</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <comment>summary.change_nothing</comment>
        <translation>Mikään asetus ei muuttunut.</translation>
    </message>
    <message>
        <source>It replaced a damaged file.</source>
        <comment>summary.change_replaced_damaged</comment>
        <translation>Se korvasi vioittuneen tiedoston.</translation>
    </message>
    <message>
        <source>It replaced the factory reset record.</source>
        <comment>summary.change_replaced_factory</comment>
        <translation>Se korvasi tehdasasetusten palautustietueen.</translation>
    </message>
    <message>
        <source>It replaced a file written for another camera model.</source>
        <comment>summary.change_replaced_other</comment>
        <translation>Se korvasi toiselle kameramallille kirjoitetun tiedoston.</translation>
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
        <translation>%1 Mt</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <comment>summary.gigabytes</comment>
        <translation>%1 Gt</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1.</source>
        <comment>summary.trigger_photos1</comment>
        <translation>Liikkeestä: 1 kuva, %1.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1.</source>
        <comment>summary.trigger_photos2</comment>
        <translation>Liikkeestä: 2 kuvaa, %1.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1.</source>
        <comment>summary.trigger_photos3</comment>
        <translation>Liikkeestä: 3 kuvaa, %1.</translation>
    </message>
    <message>
        <source>On motion: a %1 video at %2.</source>
        <comment>summary.trigger_video</comment>
        <translation>Liikkeestä: video (%1), %2.</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video1</comment>
        <translation>Liikkeestä: 1 kuva, %1, ja video (%2), %3.</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video2</comment>
        <translation>Liikkeestä: 2 kuvaa, %1, ja video (%2), %3.</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video3</comment>
        <translation>Liikkeestä: 3 kuvaa, %1, ja video (%2), %3.</translation>
    </message>
    <message>
        <source>After each trigger it waits %1 before the next.</source>
        <comment>summary.wait_after_trigger</comment>
        <translation>Jokaisen laukaisun jälkeen se odottaa %1 ennen seuraavaa.</translation>
    </message>
    <message>
        <source>After each trigger it is ready again at once.</source>
        <comment>summary.no_wait</comment>
        <translation>Jokaisen laukaisun jälkeen se on heti valmis uudelleen.</translation>
    </message>
    <message>
        <source>The motion sensor is on (sensitivity: %1).</source>
        <comment>summary.motion_on</comment>
        <translation>Liiketunnistin on päällä (herkkyys: %1).</translation>
    </message>
    <message>
        <source>The motion sensor is off.</source>
        <comment>summary.motion_off</comment>
        <translation>Liiketunnistin on pois päältä.</translation>
    </message>
    <message>
        <source>The side sensors are on.</source>
        <comment>summary.side_on</comment>
        <translation>Sivutunnistimet ovat päällä.</translation>
    </message>
    <message>
        <source>The side sensors are off.</source>
        <comment>summary.side_off</comment>
        <translation>Sivutunnistimet ovat pois päältä.</translation>
    </message>
    <message>
        <source>It is active all day.</source>
        <comment>summary.active_all_day</comment>
        <translation>Se on toiminnassa koko päivän.</translation>
    </message>
    <message>
        <source>It is active %1 (%2 a day).</source>
        <comment>summary.active_one_window</comment>
        <translation>Toiminnassa: %1 (%2 päivässä).</translation>
    </message>
    <message>
        <source>It is active %1 and %2 (%3 a day).</source>
        <comment>summary.active_two_windows</comment>
        <translation>Toiminnassa: %1 ja %2 (%3 päivässä).</translation>
    </message>
    <message>
        <source>Its timers leave no time in which it is active.</source>
        <comment>summary.active_never</comment>
        <translation>Ajastimet eivät jätä lainkaan toiminta-aikaa.</translation>
    </message>
    <message>
        <source>And one photo every %1 while active: %2 a day.</source>
        <comment>summary.time_lapse</comment>
        <translation>Lisäksi yksi kuva %1 välein toiminnan aikana: %2 päivässä.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time and the text &quot;%1&quot;.</source>
        <comment>summary.stamp_time_and_text</comment>
        <translation>Kuviin merkitään aika ja teksti ”%1”.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time.</source>
        <comment>summary.stamp_time</comment>
        <translation>Kuviin merkitään aika.</translation>
    </message>
    <message>
        <source>Pictures are stamped with the text &quot;%1&quot;.</source>
        <comment>summary.stamp_text</comment>
        <translation>Kuviin merkitään teksti ”%1”.</translation>
    </message>
    <message>
        <source>Nothing is stamped on the pictures.</source>
        <comment>summary.stamp_nothing</comment>
        <translation>Kuviin ei merkitä mitään.</translation>
    </message>
    <message>
        <source>When the card is full, the oldest files are overwritten.</source>
        <comment>summary.sd_cycle_on</comment>
        <translation>Kun kortti on täynnä, vanhimmat tiedostot korvataan.</translation>
    </message>
    <message>
        <source>When the card is full, the camera stops recording.</source>
        <comment>summary.sd_cycle_off</comment>
        <translation>Kun kortti on täynnä, kamera lopettaa tallentamisen.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1 when it reads this card; insert the card soon, or the clock runs behind by the time in between.</source>
        <comment>summary.clock_set</comment>
        <translation>Kameran kello asetetaan aikaan %1, kun se lukee tämän kortin; aseta kortti pian, tai kello jätättää välissä kuluneen ajan verran.</translation>
    </message>
    <message>
        <source>This record returns the camera to its factory settings.</source>
        <comment>summary.factory_reset</comment>
        <translation>Tämä tietue palauttaa kameran tehdasasetuksiin.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, card use about %2.</source>
        <comment>summary.estimate_photos</comment>
        <translation>Arvio päivässä: kuvia noin %1, kortin tilaa noin %2.</translation>
    </message>
    <message>
        <source>Estimated a day: video about %1, card use about %2.</source>
        <comment>summary.estimate_video</comment>
        <translation>Arvio päivässä: videota noin %1, kortin tilaa noin %2.</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, video about %2, card use about %3.</source>
        <comment>summary.estimate_both</comment>
        <translation>Arvio päivässä: kuvia noin %1, videota noin %2, kortin tilaa noin %3.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2.</source>
        <comment>summary.card_lasts</comment>
        <translation>Päiviä, kunnes kortti (%1 vapaana) on täynnä: noin %2.</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2; then the oldest files are overwritten.</source>
        <comment>summary.card_overwrites</comment>
        <translation>Päiviä, kunnes kortti (%1 vapaana) on täynnä: noin %2; sen jälkeen vanhimmat tiedostot korvataan.</translation>
    </message>
    <message>
        <source>MMS sending is off.</source>
        <comment>summary.mms_off</comment>
        <translation>MMS-lähetys on pois päältä.</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS to %2.</source>
        <comment>summary.mms_sends</comment>
        <translation>Se lähettää jokaisen kuvan %1-MMS-viestinä vastaanottajille %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture to %1.</source>
        <comment>summary.sends_sms</comment>
        <translation>Se lähettää jokaisesta kuvasta tekstiviestin vastaanottajille %1.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; messages: at most %2 a day, %3 a month.</source>
        <comment>summary.messages_limit</comment>
        <translation>Kuvia päivässä: enintään %1; viestejä: enintään %2 päivässä, %3 kuukaudessa.</translation>
    </message>
    <message>
        <source>E-mail sending is off.</source>
        <comment>summary.email_off</comment>
        <translation>Sähköpostin lähetys on pois päältä.</translation>
    </message>
    <message>
        <source>It e-mails each picture to %1 through %2, port %3, from %4.</source>
        <comment>summary.email_sends</comment>
        <translation>Se lähettää jokaisen kuvan sähköpostina osoitteeseen %1 palvelimen %2 (portti %3) kautta osoitteesta %4.</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; e-mails: at most %2 a day, %3 a month.</source>
        <comment>summary.emails_limit</comment>
        <translation>Kuvia päivässä: enintään %1; sähköposteja: enintään %2 päivässä, %3 kuukaudessa.</translation>
    </message>
    <message>
        <source>SMS remote control is off.</source>
        <comment>summary.remote_off</comment>
        <translation>Tekstiviestiohjaus on pois päältä.</translation>
    </message>
    <message>
        <source>Network: the operator preset for %1, %2.</source>
        <comment>summary.network_preset</comment>
        <translation>Verkko: operaattorin esiasetus, %1, %2.</translation>
    </message>
    <message>
        <source>Network: typed in (APN %1).</source>
        <comment>summary.network_typed</comment>
        <translation>Verkko: syötetty käsin (APN %1).</translation>
    </message>
    <message>
        <source>%1 and %2 are both off: the camera never takes a picture.</source>
        <comment>summary.conflict_never_pictures</comment>
        <translation>%1 ja %2 ovat molemmat pois päältä: kamera ei koskaan ota kuvaa.</translation>
    </message>
    <message>
        <source>%1 is on with start and stop both at %2: its window is empty, or the whole day, depending on the camera.</source>
        <comment>summary.conflict_timer_empty</comment>
        <translation>%1 on päällä, ja alku ja loppu ovat molemmat %2: jakso on tyhjä tai koko päivä kamerasta riippuen.</translation>
    </message>
    <message>
        <source>%1 and %2 overlap (%3): that time counts once.</source>
        <comment>summary.conflict_timers_overlap</comment>
        <translation>%1 ja %2 menevät päällekkäin (%3): tämä aika lasketaan kerran.</translation>
    </message>
    <message>
        <source>%1 is on with an interval of 0: the camera cannot take a photo every 0 seconds.</source>
        <comment>summary.conflict_time_lapse_zero</comment>
        <translation>%1 on päällä välillä 0: kamera ei voi ottaa kuvaa 0 sekunnin välein.</translation>
    </message>
    <message>
        <source>The %1 interval (%2) is longer than the active window %3: only one photo is taken in it.</source>
        <comment>summary.conflict_time_lapse_long</comment>
        <translation>Toiminnon %1 väli (%2) on pidempi kuin toimintajakso %3: siinä otetaan vain yksi kuva.</translation>
    </message>
    <message>
        <source>%1 is 0 s while %2 is %3: each motion starts the next capture at once, which fills the card and drains the battery.</source>
        <comment>summary.conflict_zero_interval</comment>
        <translation>%1 on 0 s, kun %2 on %3: jokainen liike käynnistää heti seuraavan tallennuksen, mikä täyttää kortin ja kuluttaa akun.</translation>
    </message>
    <message>
        <source>%1 is %2, but no recipient is given: nothing is sent.</source>
        <comment>summary.conflict_no_recipient</comment>
        <translation>%1 on %2, mutta vastaanottajaa ei ole annettu: mitään ei lähetetä.</translation>
    </message>
    <message>
        <source>%1 is empty: the camera has no one to e-mail.</source>
        <comment>summary.conflict_email_no_recipient</comment>
        <translation>%1 on tyhjä: kameralla ei ole ketään, jolle lähettää sähköpostia.</translation>
    </message>
    <message>
        <source>%1 is 0, which means no limit, not none: every picture is sent.</source>
        <comment>summary.conflict_unlimited</comment>
        <translation>%1 on 0, mikä tarkoittaa rajatonta, ei nollaa: jokainen kuva lähetetään.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while %3 sends pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode</comment>
        <translation>%1 on menu.dat-tiedostossa %2, mutta %3 lähettää kuvia: tässä tilassa kamera ei ota valokuvia, joten mitään ei lähetetä.</translation>
    </message>
    <message>
        <source>The PC&apos;s clock is not synchronised with a time server: the camera&apos;s clock will be as far off as the PC&apos;s.</source>
        <comment>summary.conflict_clock_not_synced</comment>
        <translation>Tietokoneen kelloa ei ole synkronoitu aikapalvelimeen: kameran kello on yhtä paljon väärässä kuin tietokoneen.</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1, before 2024: the PC&apos;s clock looks wrong.</source>
        <comment>summary.conflict_clock_early</comment>
        <translation>Kameran kello asetetaan aikaan %1, joka on ennen vuotta 2024: tietokoneen kello näyttää olevan väärässä.</translation>
    </message>
    <message>
        <source>The card is read-only: nothing can be written to it (is its lock switch on?).</source>
        <comment>summary.conflict_card_read_only</comment>
        <translation>Kortti on vain luku -tilassa: sille ei voi kirjoittaa mitään (onko lukituskytkin päällä?).</translation>
    </message>
    <message>
        <source>The card&apos;s free space (%1) holds less than one day at about %2 a day.</source>
        <comment>summary.conflict_card_short</comment>
        <translation>Kortin vapaa tila (%1) riittää alle päiväksi, kun käyttö on noin %2 päivässä.</translation>
    </message>
    <message>
        <source>The card is larger than 32 GB and formatted as %1: many cameras read only FAT32 cards up to 32 GB, so this one may not work.</source>
        <comment>summary.conflict_card_not_fat32</comment>
        <translation>Kortti on yli 32 Gt ja alustettu muotoon %1: monet kamerat lukevat vain enintään 32 Gt:n FAT32-kortteja, joten tämä ei ehkä toimi.</translation>
    </message>
    <message>
        <source>The card still holds pictures from an earlier deployment (files in DCIM: %1).</source>
        <comment>summary.conflict_card_old_files</comment>
        <translation>Kortilla on vielä kuvia aiemmasta käytöstä (tiedostoja DCIM-kansiossa: %1).</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS; recipients: %2.</source>
        <comment>summary.mms_sends_unnamed</comment>
        <translation>Se lähettää jokaisen kuvan %1-multimediaviestinä; vastaanottajia: %2.</translation>
    </message>
    <message>
        <source>It sends a text message for each picture; recipients: %1.</source>
        <comment>summary.sends_sms_unnamed</comment>
        <translation>Se lähettää jokaisesta kuvasta tekstiviestin; vastaanottajia: %1.</translation>
    </message>
    <message>
        <source>It e-mails each picture through %1, port %2.</source>
        <comment>summary.email_sends_unnamed</comment>
        <translation>Se lähettää jokaisen kuvan sähköpostilla palvelimen %1 kautta, portti %2.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of MMS.</source>
        <comment>summary.mms_data</comment>
        <translation>Dataa kuukaudessa: noin %1 MMS-viesteinä.</translation>
    </message>
    <message>
        <source>Data a month: about %1 of e-mail.</source>
        <comment>summary.email_data</comment>
        <translation>Dataa kuukaudessa: noin %1 sähköposteina.</translation>
    </message>
    <message>
        <source>These are the form&apos;s settings: they are not written to a card.</source>
        <comment>summary.sheet_not_written</comment>
        <translation>Nämä ovat lomakkeen asetukset: niitä ei ole kirjoitettu kortille.</translation>
    </message>
    <message>
        <source>Assumed for the estimates</source>
        <comment>summary.sheet_assumed</comment>
        <translation>Arvioiden oletukset</translation>
    </message>
    <message>
        <source>Triggers a day: %1</source>
        <comment>summary.assume_triggers</comment>
        <translation>Laukaisuja päivässä: %1</translation>
    </message>
    <message>
        <source>A picture at %1: %2 MB</source>
        <comment>summary.assume_picture</comment>
        <translation>Kuva (%1): %2 Mt</translation>
    </message>
    <message>
        <source>A second of video at %1: %2 MB (Motion-JPEG AVI)</source>
        <comment>summary.assume_video</comment>
        <translation>Sekunti videota (%1): %2 Mt (Motion-JPEG AVI)</translation>
    </message>
    <message>
        <source>An MMS at %1: %2 KB</source>
        <comment>summary.assume_mms</comment>
        <translation>MMS-viesti (%1): %2 kt</translation>
    </message>
    <message>
        <source>An e-mail at %1: %2 KB</source>
        <comment>summary.assume_email</comment>
        <translation>Sähköposti (%1): %2 kt</translation>
    </message>
    <message>
        <source>Pictures sent for each trigger: %1</source>
        <comment>summary.assume_sent_per_trigger</comment>
        <translation>Lähetettyjä kuvia laukaisua kohden: %1</translation>
    </message>
    <message>
        <source>Time to take one photo: %1 s</source>
        <comment>summary.assume_photo_capture</comment>
        <translation>Yhden kuvan ottamiseen kuluva aika: %1 s</translation>
    </message>
    <message>
        <source>Days in a month: %1</source>
        <comment>summary.assume_month</comment>
        <translation>Päiviä kuukaudessa: %1</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2)</source>
        <comment>summary.report_model</comment>
        <translation>Mitä kamera tekee (malli %1, %2)</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2, from the preferences; give --model for another)</source>
        <comment>summary.report_model_stored</comment>
        <translation>Mitä kamera tekee (malli %1, %2, asetuksista; toisen mallin valitsee --model)</translation>
    </message>
    <message>
        <source>about %1</source>
        <comment>summary.report_about</comment>
        <translation>noin %1</translation>
    </message>
    <message>
        <source>(assumed: %1)</source>
        <comment>summary.report_assumed</comment>
        <translation>(oletus: %1)</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>summary.report_warning</comment>
        <translation>varoitus: %1</translation>
    </message>
    <message>
        <source>When it is active depends on how the camera reads a timer that starts and stops at the same time (see the warnings).</source>
        <comment>summary.active_unknown</comment>
        <translation>Toiminta-aika riippuu siitä, miten kamera tulkitsee ajastimen, jonka alku ja loppu ovat samat (katso varoitukset).</translation>
    </message>
    <message>
        <source>Triggers a day that each capture and the wait after it allow: at most %1.</source>
        <comment>summary.trigger_cap</comment>
        <translation>Laukaisuja päivässä, jotka jokainen tallennus ja sen jälkeinen odotus sallivat: enintään %1.</translation>
    </message>
    <message>
        <source>normal</source>
        <comment>summary.sensitivity_normal</comment>
        <translation>normaali</translation>
    </message>
    <message>
        <source>high</source>
        <comment>summary.sensitivity_high</comment>
        <translation>korkea</translation>
    </message>
    <message>
        <source>low</source>
        <comment>summary.sensitivity_low</comment>
        <translation>matala</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>summary.value_video_only</comment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.messages_no_limit</comment>
        <translation>Kuvia päivässä: ei rajaa; viestejä: noin %1 päivässä, %2 kuukaudessa (arvio: yksi lähetetty kuva laukaisua kohden, oletettuja laukaisuja päivässä: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.messages_no_limit_menu</comment>
        <translation>Kuvia päivässä: ei rajaa; viestejä: noin %1 päivässä, %2 kuukaudessa (arvio menu.dat-tiedoston mukaan otettavista kuvista).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.emails_no_limit</comment>
        <translation>Kuvia päivässä: ei rajaa; sähköposteja: noin %1 päivässä, %2 kuukaudessa (arvio: yksi lähetetty kuva laukaisua kohden, oletettuja laukaisuja päivässä: %3).</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.emails_no_limit_menu</comment>
        <translation>Kuvia päivässä: ei rajaa; sähköposteja: noin %1 päivässä, %2 kuukaudessa (arvio menu.dat-tiedoston mukaan otettavista kuvista).</translation>
    </message>
    <message>
        <source>SMS remote control is on; its hour setting is %1.</source>
        <comment>summary.remote_on</comment>
        <translation>Tekstiviestiohjaus on päällä; sen tuntiasetus on %1.</translation>
    </message>
    <message>
        <source>%1 is %2, but no phone number for SMS is given: nothing is sent.</source>
        <comment>summary.conflict_no_phone</comment>
        <translation>%1 on %2, mutta tekstiviesteille ei ole annettu puhelinnumeroa: mitään ei lähetetä.</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while setup.dat and smtp.dat send pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode_both</comment>
        <translation>%1 on menu.dat-tiedostossa %2, mutta setup.dat ja smtp.dat lähettävät kuvia: tässä tilassa kamera ei ota valokuvia, joten mitään ei lähetetä.</translation>
    </message>
    <message>
        <source>Beep sound</source>
        <comment>summary.caption_beep_sound</comment>
        <translation>Merkkiääni</translation>
    </message>
    <message>
        <source>Overwrite when full (SD cycle)</source>
        <comment>summary.caption_sd_cycle</comment>
        <translation>Korvaa vanhat, kun täynnä (SD-kierto)</translation>
    </message>
    <message>
        <source>Timer 2</source>
        <comment>summary.caption_timer2</comment>
        <translation>Ajastin 2</translation>
    </message>
    <message>
        <source>SMS remote control</source>
        <comment>summary.caption_remote_control</comment>
        <translation>Tekstiviestiohjaus</translation>
    </message>
    <message>
        <source>Bearer</source>
        <comment>summary.caption_bearer</comment>
        <translation>Siirtotie</translation>
    </message>
    <message>
        <source>Phone number scope</source>
        <comment>summary.caption_phone_scope</comment>
        <translation>Puhelinnumeron tyyppi</translation>
    </message>
    <message>
        <source>E-mail settings mode</source>
        <comment>summary.caption_smtp_mode</comment>
        <translation>Sähköpostiasetusten tila</translation>
    </message>
    <message>
        <source>E-mail status</source>
        <comment>summary.caption_smtp_status</comment>
        <translation>Sähköpostin tila</translation>
    </message>
    <message>
        <source>Mail server</source>
        <comment>summary.caption_smtp_server</comment>
        <translation>Sähköpostipalvelin</translation>
    </message>
    <message>
        <source>Sender address</source>
        <comment>summary.caption_sender_email</comment>
        <translation>Lähettäjän osoite</translation>
    </message>
    <message>
        <source>Domestic</source>
        <comment>summary.value_domestic</comment>
        <translation>Kotimaa</translation>
    </message>
    <message>
        <source>International</source>
        <comment>summary.value_international</comment>
        <translation>Kansainvälinen</translation>
    </message>
</context>
<context>
    <name>kestrova::CardFileActions</name>
    <message>
        <source>it is not valid JSON: %1 at offset %2</source>
        <translation>se ei ole kelvollista JSONia: %1 kohdassa %2</translation>
    </message>
    <message>
        <source>it must hold one JSON object of settings</source>
        <translation>sen on sisällettävä yksi asetusten JSON-objekti</translation>
    </message>
    <message>
        <source>it names &quot;%1&quot; twice; which value is meant cannot be told</source>
        <translation>siinä on ”%1” kahdesti; ei voi tietää, kumpaa arvoa tarkoitetaan</translation>
    </message>
    <message>
        <source>it is the report of a damaged file (%1); its values cannot be trusted</source>
        <translation>se on vioittuneen tiedoston raportti (%1); sen arvoihin ei voi luottaa</translation>
    </message>
    <message>
        <source>it holds the unknown setting &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>siinä on tuntematon asetus ”%1”; tarkoititko ”%2”?</translation>
    </message>
    <message>
        <source>it holds the settings of a %1 file, not of %2</source>
        <translation>siinä on %1-tiedoston asetukset, ei tiedoston %2</translation>
    </message>
    <message>
        <source>larger than a profile (%1 bytes)</source>
        <translation>suurempi kuin profiili (%1 tavua)</translation>
    </message>
    <message>
        <source>larger than a profile (more than %1 bytes)</source>
        <translation>suurempi kuin profiili (yli %1 tavua)</translation>
    </message>
    <message>
        <source>it reads as a damaged file</source>
        <translation>se luetaan vioittuneeksi tiedostoksi</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CameraList</name>
    <message>
        <source>expected a number from %1 to %2, got %3</source>
        <translation>odotettiin lukua väliltä %1–%2, saatiin %3</translation>
    </message>
    <message>
        <source>expected four characters (0-9, A-Z), got %1</source>
        <translation>odotettiin neljää merkkiä (0-9, A-Z), saatiin %1</translation>
    </message>
    <message>
        <source>%1: the character %2 is none of 0-9, A-Z</source>
        <translation>%1: merkki %2 ei ole mikään merkeistä 0-9, A-Z</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>siinä on ohjausmerkki</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>rivi %1, sarake %2: %3</translation>
    </message>
    <message>
        <source>it has no column &quot;%1&quot;</source>
        <translation>siinä ei ole saraketta ”%1”</translation>
    </message>
    <message>
        <source>it names the column &quot;%1&quot; twice</source>
        <translation>siinä on sarake ”%1” kahdesti</translation>
    </message>
    <message>
        <source>it has a column &quot;serial&quot;, but the kit has no menu</source>
        <translation>siinä on sarake ”serial”, mutta sarjassa ei ole valikkoa</translation>
    </message>
    <message>
        <source>it has the column &quot;%1&quot;, which is no setting of the kit&apos;s sections nor a column the log carries; did you mean &quot;%2&quot;?</source>
        <translation>siinä on sarake ”%1”, joka ei ole sarjan osien asetus eikä lokiin vietävä sarake; tarkoititko ”%2”?</translation>
    </message>
    <message>
        <source>every camera needs an id</source>
        <translation>jokainen kamera tarvitsee tunnuksen</translation>
    </message>
    <message>
        <source>the camera %1 has a row before this one</source>
        <translation>kameralla %1 on jo rivi ennen tätä</translation>
    </message>
    <message>
        <source>the row gives a %1 but no %2: give both or neither</source>
        <translation>rivillä on %1 mutta ei %2: anna molemmat tai ei kumpaakaan</translation>
    </message>
    <message>
        <source>it holds no camera: it needs a row after the header</source>
        <translation>siinä ei ole kameroita: otsikkorivin jälkeen tarvitaan rivi</translation>
    </message>
    <message>
        <source>row %1 (camera %2): %3</source>
        <translation>rivi %1 (kamera %2): %3</translation>
    </message>
    <message>
        <source>row %1 (camera %2), column %3: %4</source>
        <translation>rivi %1 (kamera %2), sarake %3: %4</translation>
    </message>
    <message>
        <source>expected a date and time with its UTC offset, as %1, got %2</source>
        <translation>odotettiin päivämäärää ja aikaa UTC-poikkeamineen, esim. %1, saatiin %2</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CsvTable</name>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>rivillä %1 on %2 kenttää, otsikkorivillä %3</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not begin with one</source>
        <translation>rivi %1: lainausmerkki kentässä, joka ei ala lainausmerkillä</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>rivi %1: tekstiä kentän loppulainausmerkin jälkeen</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>rivi %1: lainausmerkeissä olevaa kenttää ei koskaan suljeta</translation>
    </message>
    <message>
        <source>it is empty: it needs a header row</source>
        <translation>se on tyhjä: siinä tarvitaan otsikkorivi</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>se ei ole UTF-8-tekstiä</translation>
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
        <translation>siinä on %1 merkkiä; enintään %2 hyväksytään</translation>
    </message>
    <message>
        <source>it holds the character %1, which shows nothing, breaks the line or turns the text around</source>
        <translation>siinä on merkki %1, joka ei näy, katkaisee rivin tai kääntää tekstin</translation>
    </message>
    <message>
        <source>it begins with &quot;%1&quot;, which a spreadsheet takes for a formula</source>
        <translation>se alkaa merkillä ”%1”, jonka taulukkolaskenta tulkitsee kaavaksi</translation>
    </message>
</context>
</TS>

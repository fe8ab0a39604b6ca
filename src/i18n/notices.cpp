#include "i18n/notices.h"

#include <QString>

namespace kestrova::i18n {

namespace {

using enum Notice;

// Columns by language number: Chinese, English, Deutsch, Suomi, Italiano, Francais, Magyar,
// Slovenian, Cesky, Japanese, Lithuanian. Like the other tables, the European languages are
// written without accents.
// clang-format off
constexpr std::array noticeTable{
    // Writing a settings file.
    NoticeRow{FileIsLink, "notice.file_is_link", {"该文件夹中的 %1 是指向其他文件的链接，未写入。", "%1 in that folder is a link to another file; it was not written.", "%1 in diesem Ordner ist ein Link auf eine andere Datei; sie wurde nicht geschrieben.", "%1 tassa kansiossa on linkki toiseen tiedostoon; sita ei kirjoitettu.", "%1 in questa cartella e un collegamento a un altro file; non e stato scritto.", "%1 dans ce dossier est un lien vers un autre fichier ; il n'a pas ete ecrit.", "A mappaban levo %1 egy masik fajlra mutato hivatkozas; nem lett irva.", "%1 v tej mapi je povezava na drugo datoteko; ni bila zapisana.", "%1 v teto slozce je odkaz na jiny soubor; nebyl zapsan.", "このフォルダーの %1 は別のファイルへのリンクです。書き込みませんでした。", "%1 siame aplanke yra nuoroda i kita faila; jis neirasytas."}},
    NoticeRow{NoFolderChosen, "notice.no_folder_chosen", {"未选择文件夹：请先选择存储卡所在的文件夹。", "No folder is chosen: choose the card's folder first.", "Kein Ordner gewaehlt: bitte zuerst den Ordner der Speicherkarte waehlen.", "Kansiota ei ole valittu: valitse ensin muistikortin kansio.", "Nessuna cartella scelta: scegliere prima la cartella della scheda.", "Aucun dossier choisi : choisissez d'abord le dossier de la carte.", "Nincs mappa kivalasztva: elobb valassza ki a kartya mappajat.", "Mapa ni izbrana: najprej izberite mapo kartice.", "Neni zvolena slozka: nejprve zvolte slozku karty.", "フォルダーが選択されていません。先にカードのフォルダーを選択してください。", "Aplankas nepasirinktas: pirmiausia pasirinkite korteles aplanka."}},
    NoticeRow{WriteInProgress, "notice.write_in_progress", {"另一个程序正在写入 %1，本次未写入。请稍后再试。", "Another write to %1 is in progress; nothing was written. Try again in a moment.", "%1 wird gerade anderweitig geschrieben; nichts wurde geschrieben. Bitte gleich noch einmal versuchen.", "Toinen kirjoitus tiedostoon %1 on kaynnissa; mitaan ei kirjoitettu. Yrita hetken kuluttua uudelleen.", "E in corso un'altra scrittura di %1; non e stato scritto nulla. Riprovare tra poco.", "Une autre ecriture de %1 est en cours ; rien n'a ete ecrit. Reessayez dans un instant.", "Egy masik iras folyik ide: %1; semmi sem lett irva. Probalja ujra kicsit kesobb.", "V %1 poteka drugo pisanje; nic ni bilo zapisano. Poskusite znova cez trenutek.", "Probiha jiny zapis do %1; nic nebylo zapsano. Zkuste to za chvili znovu.", "%1 には別の書き込みが進行中です。書き込みませんでした。しばらくしてからもう一度お試しください。", "Vyksta kitas irasymas i %1; niekas neirasyta. Pabandykite dar karta po akimirkos."}},
    NoticeRow{WrittenUnchecked, "notice.written_unchecked", {"文件 %1 已写入，但无法读回校验。请重新生成，或用“kestrova inspect”检查存储卡。", "The file %1 was written, but it could not be read back to check it. Generate it again, or check the card with \"kestrova inspect\".", "Die Datei %1 wurde geschrieben, konnte aber nicht zur Pruefung zurueckgelesen werden. Bitte erneut erzeugen oder die Karte mit \"kestrova inspect\" pruefen.", "Tiedosto %1 kirjoitettiin, mutta sita ei voitu lukea takaisin tarkistusta varten. Luo se uudelleen tai tarkista kortti komennolla \"kestrova inspect\".", "Il file %1 e stato scritto, ma non e stato possibile rileggerlo per controllarlo. Generarlo di nuovo o controllare la scheda con \"kestrova inspect\".", "Le fichier %1 a ete ecrit, mais n'a pas pu etre relu pour le verifier. Generez-le a nouveau ou verifiez la carte avec \"kestrova inspect\".", "A fajl meg lett irva (%1), de nem lehetett visszaolvasni az ellenorzeshez. Hozza letre ujra, vagy ellenorizze a kartyat a \"kestrova inspect\" paranccsal.", "Datoteka %1 je bila zapisana, vendar je ni bilo mogoce prebrati za preverjanje. Ustvarite jo znova ali preverite kartico z \"kestrova inspect\".", "Soubor %1 byl zapsan, ale nepodarilo se ho precist zpet ke kontrole. Vytvorte ho znovu nebo zkontrolujte kartu prikazem \"kestrova inspect\".", "ファイル %1 は書き込まれましたが、確認のために読み戻せませんでした。もう一度生成するか、「kestrova inspect」でカードを確認してください。", "Failas %1 irasytas, bet jo nepavyko nuskaityti patikrinimui. Sukurkite ji is naujo arba patikrinkite kortele komanda \"kestrova inspect\"."}},
    NoticeRow{ReasonPathTooLong, "notice.reason_path_too_long", {"路径太长。", "the path is too long.", "der Pfad ist zu lang.", "polku on liian pitka.", "il percorso e troppo lungo.", "le chemin est trop long.", "az eleresi ut tul hosszu.", "pot je predolga.", "cesta je prilis dlouha.", "パスが長すぎます。", "kelias per ilgas."}},

    // What a camera owner is told beyond the classic messages.
    NoticeRow{FileWritten, "notice.file_written", {"文件：%1", "File: %1", "Datei: %1", "Tiedosto: %1", "File: %1", "Fichier : %1", "Fajl: %1", "Datoteka: %1", "Soubor: %1", "ファイル: %1", "Failas: %1"}},
    NoticeRow{ConfirmFactoryReset, "notice.confirm_factory_reset", {"要用出厂设置替换 %1 中的 menu.dat 吗？", "Replace the menu.dat in %1 with the factory settings?", "Die menu.dat in %1 durch die Werkseinstellungen ersetzen?", "Korvataanko kansion %1 menu.dat tehdasasetuksilla?", "Sostituire il file menu.dat in %1 con le impostazioni di fabbrica?", "Remplacer le fichier menu.dat de %1 par les reglages d'usine ?", "Lecsereli a(z) %1 mappaban levo menu.dat fajlt a gyari beallitasokra?", "Zelite menu.dat v %1 zamenjati s tovarniskimi nastavitvami?", "Nahradit soubor menu.dat v %1 tovarnim nastavenim?", "%1 の menu.dat を工場出荷時の設定で置き換えますか？", "Pakeisti menu.dat aplanke %1 gamykliniais nustatymais?"}},
    NoticeRow{PortNotNumber, "notice.port_not_number", {"端口必须是 1 到 65535 之间的整数。", "The port must be a whole number from 1 to 65535.", "Der Port muss eine ganze Zahl von 1 bis 65535 sein.", "Portin on oltava kokonaisluku valilta 1-65535.", "La porta deve essere un numero intero da 1 a 65535.", "Le port doit etre un nombre entier de 1 a 65535.", "A portnak 1 es 65535 kozotti egesz szamnak kell lennie.", "Vrata morajo biti celo stevilo od 1 do 65535.", "Port musi byt cele cislo od 1 do 65535.", "ポートは 1 から 65535 までの整数で指定してください。", "Prievadas turi buti sveikasis skaicius nuo 1 iki 65535."}},
    NoticeRow{UrlNotOpened, "notice.url_not_opened", {"无法打开下载页面。其地址为：%1", "The download page could not be opened. Its address is %1", "Die Download-Seite konnte nicht geoeffnet werden. Ihre Adresse lautet %1", "Lataussivua ei voitu avata. Sen osoite on %1", "Impossibile aprire la pagina di download. Il suo indirizzo e %1", "La page de telechargement n'a pas pu etre ouverte. Son adresse est %1", "A letoltesi oldalt nem sikerult megnyitni. A cime: %1", "Strani za prenos ni bilo mogoce odpreti. Njen naslov je %1", "Stranku ke stazeni se nepodarilo otevrit. Jeji adresa je %1", "ダウンロードページを開けませんでした。アドレスは %1 です。", "Atsisiuntimo puslapio atidaryti nepavyko. Jo adresas: %1"}},
    NoticeRow{ModelSendsNoEmail, "notice.model_sends_no_email", {"此型号不发送电子邮件", "this model does not send e-mail", "dieses Modell versendet keine E-Mails", "tama malli ei laheta sahkopostia", "questo modello non invia e-mail", "ce modele n'envoie pas d'e-mails", "ez a modell nem kuld e-mailt", "ta model ne posilja e-poste", "tento model neodesila e-maily", "このモデルはメールを送信しません", "sis modelis nesiuncia el. laisku"}},
};
// clang-format on

} // namespace

std::span<const NoticeRow> noticeRows() {
    return noticeTable;
}

QString noticeText(Notice id, int language) {
    const NoticeRow& row = noticeTable[static_cast<std::size_t>(id)];
    Q_ASSERT(row.id == id);
    return QString::fromUtf8(row.texts[static_cast<std::size_t>(textLanguage(language) - 1)]);
}

} // namespace kestrova::i18n

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CheckMessage</name>
    <message>
        <source>Enter the GPRS APN.</source>
        <translation>GPRS APN を入力してください。</translation>
    </message>
    <message>
        <source>Enter the mail server.</source>
        <translation>メールサーバーを入力してください。</translation>
    </message>
    <message>
        <source>Enter the mail server&apos;s port.</source>
        <translation>メールサーバーのポートを入力してください。</translation>
    </message>
    <message>
        <source>Enter an e-mail address.</source>
        <translation>メールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;@&quot;.</source>
        <translation>メールアドレスに「@」がありません。</translation>
    </message>
    <message>
        <source>The e-mail address has no &quot;.&quot;.</source>
        <translation>メールアドレスに「.」がありません。</translation>
    </message>
    <message>
        <source>Enter the password of the sender&apos;s e-mail account.</source>
        <translation>送信者のメールアカウントのパスワードを入力してください。</translation>
    </message>
    <message>
        <source>The phone number is too short or holds more than digits.</source>
        <translation>電話番号が短すぎるか、数字以外の文字が含まれています。</translation>
    </message>
    <message>
        <source>The first phone number is too short.</source>
        <translation>1 番目の電話番号が短すぎます。</translation>
    </message>
    <message>
        <source>The second recipient is too short.</source>
        <translation>2 番目の宛先が短すぎます。</translation>
    </message>
    <message>
        <source>The third recipient is too short.</source>
        <translation>3 番目の宛先が短すぎます。</translation>
    </message>
    <message>
        <source>Enter the first phone number: the SMS remote control answers it.</source>
        <translation>1 番目の電話番号を入力してください。SMS リモート操作はこの番号に応答します。</translation>
    </message>
    <message>
        <source>A phone number holds digits only (and a &quot;+&quot; in front when it is international).</source>
        <translation>電話番号は数字のみです（国際番号の場合は先頭に「+」）。</translation>
    </message>
    <message>
        <source>Check the phone number: it may hold digits only.</source>
        <translation>電話番号を確認してください。数字のみ使用できます。</translation>
    </message>
    <message>
        <source>Enter the first phone number or an e-mail address.</source>
        <translation>1 番目の電話番号またはメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Check the recipient: a phone number of digits or an e-mail address.</source>
        <translation>宛先を確認してください。数字だけの電話番号かメールアドレスです。</translation>
    </message>
    <message>
        <source>Enter the MMS URL.</source>
        <translation>MMS URL を入力してください。</translation>
    </message>
    <message>
        <source>Enter the APN.</source>
        <translation>APN を入力してください。</translation>
    </message>
    <message>
        <source>Enter the MMS gateway.</source>
        <translation>MMS ゲートウェイを入力してください。</translation>
    </message>
    <message>
        <source>Enter the MMS port.</source>
        <translation>MMS ポートを入力してください。</translation>
    </message>
    <message>
        <source>The MMS gateway has no &quot;.&quot;.</source>
        <translation>MMS ゲートウェイに「.」がありません。</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>電話番号は最大 %1 桁です。</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Enter a whole number.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Enter at most %1 characters.</source>
        <translation>%1 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>%1: the text takes %2 bytes on the camera, but only %3 fit. A Chinese character takes 2 bytes.</source>
        <translation>%1：このテキストはカメラ上で %2 バイトになりますが、%3 バイトまでしか入りません。漢字 1 文字は 2 バイトです。</translation>
    </message>
    <message>
        <source>%1: the character &quot;%2&quot; cannot be stored on the camera.</source>
        <translation>%1：文字「%2」はカメラに保存できません。</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>Card report: %1</source>
        <comment>field.title</comment>
        <translation>カードレポート：%1</translation>
    </message>
    <message>
        <source>Deployment: %1</source>
        <comment>field.deployment</comment>
        <translation>設置：%1</translation>
    </message>
    <message>
        <source>camera %1</source>
        <comment>field.camera_part</comment>
        <translation>カメラ %1</translation>
    </message>
    <message>
        <source>set up by %1</source>
        <comment>field.setup_by_part</comment>
        <translation>設置者 %1</translation>
    </message>
    <message numerus="yes">
        <source>From %1 (%2) to %3 (%4): %n day(s).</source>
        <comment>field.period</comment>
        <translation>
            <numerusform>%1（%2）から %3（%4）まで：%n 日。</numerusform>
        </translation>
    </message>
    <message>
        <source>as the cameras table says</source>
        <comment>field.start_cameras_table</comment>
        <translation>カメラ表による</translation>
    </message>
    <message>
        <source>when the card was written</source>
        <comment>field.start_written</comment>
        <translation>カードへの書き込み時</translation>
    </message>
    <message>
        <source>the clock menu.dat set</source>
        <comment>field.start_camera_clock</comment>
        <translation>menu.dat が設定した時計</translation>
    </message>
    <message>
        <source>the first picture</source>
        <comment>field.start_first_picture</comment>
        <translation>最初の画像</translation>
    </message>
    <message>
        <source>retrieved</source>
        <comment>field.end_retrieved</comment>
        <translation>回収</translation>
    </message>
    <message>
        <source>the last picture</source>
        <comment>field.end_last_picture</comment>
        <translation>最後の画像</translation>
    </message>
    <message>
        <source>Camera: %1. It was set to do this:</source>
        <comment>field.camera</comment>
        <translation>カメラ：%1。次のように設定されていました：</translation>
    </message>
    <message>
        <source>The card holds no readable camera menu (menu.dat): the schedule is not known.</source>
        <comment>field.no_menu</comment>
        <translation>カードに読み取れるカメラメニュー（menu.dat）がありません。スケジュールは不明です。</translation>
    </message>
    <message numerus="yes">
        <source>Working: %1 of %n day(s).</source>
        <comment>field.working</comment>
        <translation>
            <numerusform>動作：%n 日中 %1 日。</numerusform>
        </translation>
    </message>
    <message>
        <source>Down: %1. The time lapse took no picture at any of its times.</source>
        <comment>field.down</comment>
        <translation>停止：%1。タイムラプスはどの予定時刻にも撮影しませんでした。</translation>
    </message>
    <message>
        <source>No pictures: %1. The camera was active 24 hours or more without taking a picture.</source>
        <comment>field.no_pictures</comment>
        <translation>画像なし：%1。カメラは 24 時間以上動作していたのに撮影しませんでした。</translation>
    </message>
    <message>
        <source>No pictures from %1 to %2: %3 of active time.</source>
        <comment>field.gap</comment>
        <translation>%1 から %2 まで画像なし：動作時間 %3。</translation>
    </message>
    <message numerus="yes">
        <source>Card full: no picture after %1 and no room for one, %n day(s) lost.</source>
        <comment>field.card_full</comment>
        <translation>
            <numerusform>カードがいっぱい：%1 以降は画像がなく、1 枚分の空きもありません。%n 日分が失われました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The card is full and SD cycle is on: the oldest pictures have been overwritten.</source>
        <comment>field.overwrites</comment>
        <translation>カードがいっぱいで SD サイクルがオンです：最も古い画像が上書きされました。</translation>
    </message>
    <message>
        <source>Clock: the first picture came %1 after the start.</source>
        <comment>field.clock_first_after</comment>
        <translation>時計：最初の画像は開始から %1 後です。</translation>
    </message>
    <message>
        <source>Clock: the first picture is dated %1 before the start.</source>
        <comment>field.clock_first_before</comment>
        <translation>時計：最初の画像の日時は開始より %1 前です。</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 ahead.</source>
        <comment>field.clock_ahead</comment>
        <translation>時計：%1 は %2 を示し、%3 に撮影されました。カメラの時計は %4 進んでいます。</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is %4 behind.</source>
        <comment>field.clock_behind</comment>
        <translation>時計：%1 は %2 を示し、%3 に撮影されました。カメラの時計は %4 遅れています。</translation>
    </message>
    <message>
        <source>Clock: %1 shows %2, taken at %3: the camera&apos;s clock is right to the minute.</source>
        <comment>field.clock_right</comment>
        <translation>時計：%1 は %2 を示し、%3 に撮影されました。カメラの時計は分単位で正確です。</translation>
    </message>
    <message>
        <source>That is an hour: daylight saving time?</source>
        <comment>field.clock_hour_off</comment>
        <translation>ちょうど 1 時間です。夏時間でしょうか？</translation>
    </message>
    <message>
        <source>That is 12 hours: a 12-hour clock read as a 24-hour one?</source>
        <comment>field.clock_half_day_off</comment>
        <translation>ちょうど 12 時間です。12 時間制の時計を 24 時間制として読んだのでしょうか？</translation>
    </message>
    <message>
        <source>Clock: it gains %1 a day.</source>
        <comment>field.clock_gains</comment>
        <translation>時計：1 日に %1 進みます。</translation>
    </message>
    <message>
        <source>Clock: it loses %1 a day.</source>
        <comment>field.clock_loses</comment>
        <translation>時計：1 日に %1 遅れます。</translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before the deployment started (the earliest %1).</source>
        <comment>field.clock_before_start</comment>
        <translation>
            <numerusform>時計：%n 枚の画像の日時が設置の開始より前です（最も早いもの %1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated before 2010.</source>
        <comment>field.clock_before_2010</comment>
        <translation>
            <numerusform>時計：%n 枚の画像の日時が 2010 年より前です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: %n picture(s) dated 2010-01-01 or 2011-01-01, where a camera&apos;s clock starts after losing its power.</source>
        <comment>field.clock_factory</comment>
        <translation>
            <numerusform>時計：%n 枚の画像の日時が 2010-01-01 または 2011-01-01 です。電源を失ったカメラの時計はここから始まります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by %3: daylight saving time.</source>
        <comment>field.clock_shift_hour</comment>
        <translation>
            <numerusform>時計：%n 日間（%1 から %2）、画像は %3 ずらしたときだけスケジュールに合います。夏時間です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Clock: on %n day(s), %1 to %2, the pictures keep the schedule only when shifted by 12 hours: a 12-hour clock read as a 24-hour one.</source>
        <comment>field.clock_shift_half_day</comment>
        <translation>
            <numerusform>時計：%n 日間（%1 から %2）、画像は 12 時間ずらしたときだけスケジュールに合います。12 時間制の時計を 24 時間制として読んでいます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Clock: nothing found wrong.</source>
        <comment>field.clock_fine</comment>
        <translation>時計：問題は見つかりませんでした。</translation>
    </message>
    <message>
        <source>Card: pictures %1 (%2), videos %3 (%4).</source>
        <comment>field.card</comment>
        <translation>カード：画像 %1 枚（%2）、動画 %3 本（%4）。</translation>
    </message>
    <message>
        <source>Free on the card: %1.</source>
        <comment>field.card_free</comment>
        <translation>カードの空き：%1。</translation>
    </message>
    <message numerus="yes">
        <source>Damaged: %n file(s).</source>
        <comment>field.damaged</comment>
        <translation>
            <numerusform>破損：%n 個のファイル。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>field.damaged_more</comment>
        <translation>
            <numerusform>ほか %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>empty (0 bytes)</source>
        <comment>field.damage_empty</comment>
        <translation>空（0 バイト）</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <comment>field.damage_unreadable</comment>
        <translation>読み取れません：%1</translation>
    </message>
    <message>
        <source>not what its name says</source>
        <comment>field.damage_not_its_kind</comment>
        <translation>名前が示す形式ではありません</translation>
    </message>
    <message>
        <source>no end marker: the camera lost power while writing it</source>
        <comment>field.damage_no_end_marker</comment>
        <translation>終了マーカーがありません。書き込み中にカメラの電源が切れました</translation>
    </message>
    <message>
        <source>shorter than its header says: the camera stopped writing it</source>
        <comment>field.damage_truncated</comment>
        <translation>ヘッダーの示す長さより短いです。カメラが書き込みを途中でやめました</translation>
    </message>
    <message>
        <source>its header points outside the file</source>
        <comment>field.damage_bad_header</comment>
        <translation>ヘッダーがファイルの外を指しています</translation>
    </message>
    <message numerus="yes">
        <source>The file counter started again: %n number(s) found twice, %1 among them.</source>
        <comment>field.repeated</comment>
        <translation>
            <numerusform>ファイル番号がやり直されました：%n 個の番号が 2 回見つかりました（%1 など）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) tell no time of their own: the file system&apos;s time stands in (%1 among them).</source>
        <comment>field.file_time</comment>
        <translation>
            <numerusform>%n 個のファイルに自身の日時がありません。代わりにファイルシステムの日時を使います（%1 など）。</numerusform>
        </translation>
    </message>
    <message>
        <source>The card holds no pictures or videos.</source>
        <comment>field.no_media</comment>
        <translation>カードに画像も動画もありません。</translation>
    </message>
    <message>
        <source>Pictures a day:</source>
        <comment>field.chart</comment>
        <translation>1日の画像数：</translation>
    </message>
    <message>
        <source>Measured against estimated:</source>
        <comment>field.comparison</comment>
        <translation>実測と見込みの比較：</translation>
    </message>
    <message>
        <source>Pictures: %1, about %2 estimated.</source>
        <comment>field.pictures_estimated</comment>
        <translation>画像：%1 枚、見込み 約 %2 枚。</translation>
    </message>
    <message>
        <source>Pictures: %1.</source>
        <comment>field.pictures_only</comment>
        <translation>画像：%1 枚。</translation>
    </message>
    <message>
        <source>Triggers a day: %1 measured, %2 assumed.</source>
        <comment>field.triggers</comment>
        <translation>1日のトリガー回数：実測 %1、想定 %2。</translation>
    </message>
    <message>
        <source>Megabytes a picture: %1 measured, %2 assumed (%3).</source>
        <comment>field.megabytes</comment>
        <translation>画像 1 枚あたりのメガバイト：実測 %1、想定 %2（%3）。</translation>
    </message>
    <message>
        <source>For the next setup: %1</source>
        <comment>field.next_setup</comment>
        <translation>次の設定には：%1</translation>
    </message>
    <message>
        <source>before the deployment</source>
        <comment>field.state_before</comment>
        <translation>設置前</translation>
    </message>
    <message>
        <source>working</source>
        <comment>field.state_working</comment>
        <translation>動作</translation>
    </message>
    <message>
        <source>no pictures</source>
        <comment>field.state_no_pictures</comment>
        <translation>画像なし</translation>
    </message>
    <message>
        <source>down</source>
        <comment>field.state_down</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>card full</source>
        <comment>field.state_card_full</comment>
        <translation>カードがいっぱい</translation>
    </message>
    <message>
        <source>after the deployment</source>
        <comment>field.state_after</comment>
        <translation>設置後</translation>
    </message>
    <message>
        <source>Card report...</source>
        <comment>field.menu_card_report</comment>
        <translation>カードレポート...</translation>
    </message>
    <message>
        <source>Card report</source>
        <comment>field.window_title</comment>
        <translation>カードレポート</translation>
    </message>
    <message>
        <source>Card or folder:</source>
        <comment>field.folder_label</comment>
        <translation>カードまたはフォルダ：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>field.browse</comment>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>field.read</comment>
        <translation>読み取り</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>field.cancel</comment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Reading the card: %1 of %2 files</source>
        <comment>field.reading</comment>
        <translation>カードを読み取り中：%2 個中 %1 個のファイル</translation>
    </message>
    <message>
        <source>Reading was cancelled.</source>
        <comment>field.cancelled</comment>
        <translation>読み取りをキャンセルしました。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <comment>field.not_a_folder</comment>
        <translation>%1 はフォルダではありません。</translation>
    </message>
    <message>
        <source>Export to Camtrap DP...</source>
        <comment>field.export</comment>
        <translation>Camtrap DP へエクスポート...</translation>
    </message>
    <message>
        <source>The Camtrap DP package is in %1 (pictures and videos: %2).</source>
        <comment>field.exported</comment>
        <translation>Camtrap DP パッケージは %1 にあります（画像と動画 %2）。</translation>
    </message>
    <message>
        <source>Left empty, as neither the card nor the log knows them: %1. The package does not validate until they are filled in.</source>
        <comment>field.export_missing</comment>
        <translation>カードにも記録にもないため空欄のままです：%1。これらを記入するまでパッケージは有効になりません。</translation>
    </message>
    <message>
        <source>No package was written: %1</source>
        <comment>field.export_failed</comment>
        <translation>パッケージは書き込まれませんでした：%1</translation>
    </message>
    <message>
        <source>Nothing is written onto the card: choose a folder elsewhere.</source>
        <comment>field.export_on_card</comment>
        <translation>カードには何も書き込みません。別の場所のフォルダを選んでください。</translation>
    </message>
    <message>
        <source>Use %1 triggers a day</source>
        <comment>field.use_triggers</comment>
        <translation>1日 %1 回のトリガーを使う</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>field.close</comment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1, %2: pictures %3, videos %4, time lapse %5 of %6.</source>
        <comment>field.day_detail</comment>
        <translation>%1、%2：画像 %3、動画 %4、タイムラプス %6 回中 %5 回。</translation>
    </message>
    <message>
        <source>Days:</source>
        <comment>field.days_label</comment>
        <translation>日：</translation>
    </message>
    <message>
        <source>estimated</source>
        <comment>field.estimate_legend</comment>
        <translation>見込み</translation>
    </message>
    <message>
        <source>First picture: %1</source>
        <comment>field.first_picture</comment>
        <translation>最初の画像：%1</translation>
    </message>
    <message>
        <source>Last picture: %1</source>
        <comment>field.last_picture</comment>
        <translation>最後の画像：%1</translation>
    </message>
    <message>
        <source>(none)</source>
        <comment>field.no_thumbnail</comment>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>field.damaged_file</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>The card&apos;s return is logged in %1.</source>
        <comment>field.retrieval_logged</comment>
        <translation>カードの回収を %1 に記録しました。</translation>
    </message>
    <message>
        <source>The card&apos;s return could not be logged in %1: %2</source>
        <comment>field.retrieval_not_logged</comment>
        <translation>カードの回収を %1 に記録できませんでした：%2</translation>
    </message>
    <message>
        <source>The log holds no card written that this one brings back: its return is logged on its own.</source>
        <comment>field.retrieval_alone</comment>
        <translation>ログには、このカードに対応する書き込み済みのカードがありません。回収は単独で記録されます。</translation>
    </message>
</context>
<context>
    <name>FleetText</name>
    <message>
        <source>Set up many cards...</source>
        <comment>fleet.menu_many_cards</comment>
        <translation>複数のカードを設定...</translation>
    </message>
    <message>
        <source>Save kit from card...</source>
        <comment>fleet.menu_save_kit</comment>
        <translation>カードからキットを保存...</translation>
    </message>
    <message>
        <source>Set up many cards</source>
        <comment>fleet.window_title</comment>
        <translation>複数のカードの設定</translation>
    </message>
    <message>
        <source>Kit file:</source>
        <comment>fleet.kit_label</comment>
        <translation>キットファイル：</translation>
    </message>
    <message>
        <source>Cameras (CSV):</source>
        <comment>fleet.cameras_label</comment>
        <translation>カメラ一覧 (CSV)：</translation>
    </message>
    <message>
        <source>Log file:</source>
        <comment>fleet.log_label</comment>
        <translation>記録ファイル：</translation>
    </message>
    <message>
        <source>Set up by:</source>
        <comment>fleet.setup_by_label</comment>
        <translation>設置者：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>fleet.browse</comment>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>fleet.start</comment>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>fleet.stop</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>fleet.close</comment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cards done:</source>
        <comment>fleet.cards_done</comment>
        <translation>完了したカード：</translation>
    </message>
    <message>
        <source>Choose a kit file, then press Start.</source>
        <comment>fleet.choose_kit</comment>
        <translation>キットファイルを選択してから「開始」を押してください。</translation>
    </message>
    <message>
        <source>Insert the card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_card_for</comment>
        <translation>カメラ %1 のカードを挿入してください（%3 枚中 %2 枚目）</translation>
    </message>
    <message>
        <source>Insert the next card (%1 written)</source>
        <comment>fleet.insert_next_card</comment>
        <translation>次のカードを挿入してください（書き込み済み %1 枚）</translation>
    </message>
    <message>
        <source>Writing the card for camera %1 (%2)...</source>
        <comment>fleet.writing</comment>
        <translation>カメラ %1 のカードに書き込んでいます（%2）...</translation>
    </message>
    <message>
        <source>The card for camera %1 is done and ejected: remove it.</source>
        <comment>fleet.remove_ejected</comment>
        <translation>カメラ %1 のカードは完了し、取り出せる状態になりました。取り出してください。</translation>
    </message>
    <message>
        <source>The card for camera %1 is done: unmount and remove the card at %2.</source>
        <comment>fleet.remove_card</comment>
        <translation>カメラ %1 のカードは完了しました。%2 のカードをアンマウントして取り出してください。</translation>
    </message>
    <message>
        <source>The card at %1 was left as it was: remove it.</source>
        <comment>fleet.remove_skipped</comment>
        <translation>%1 のカードは変更していません。取り出してください。</translation>
    </message>
    <message>
        <source>The card at %1 holds the files of another camera (serial text %2). Replace them with the settings of camera %3?</source>
        <comment>fleet.ask_other_camera</comment>
        <translation>%1 のカードには別のカメラのファイルがあります（シリアル文字 %2）。カメラ %3 の設定で置き換えますか？</translation>
    </message>
    <message>
        <source>%2 on the card at %1 holds other settings than this kit&apos;s. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_other_kit</comment>
        <translation>%1 のカードの %2 には、このキットとは異なる設定があります。カメラ %3 の設定で置き換えますか？</translation>
    </message>
    <message>
        <source>%2 on the card at %1 is damaged or cannot be read. Replace it with the settings of camera %3?</source>
        <comment>fleet.ask_damaged</comment>
        <translation>%1 のカードの %2 は壊れているか読み取れません。カメラ %3 の設定で置き換えますか？</translation>
    </message>
    <message>
        <source>done</source>
        <comment>fleet.result_done</comment>
        <translation>完了</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <comment>fleet.result_failed</comment>
        <translation>失敗：%1</translation>
    </message>
    <message>
        <source>incomplete (stopped)</source>
        <comment>fleet.result_incomplete</comment>
        <translation>未完了（停止）</translation>
    </message>
    <message>
        <source>left as it was</source>
        <comment>fleet.result_skipped</comment>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Every camera&apos;s card is written (%1).</source>
        <comment>fleet.all_done</comment>
        <translation>すべてのカメラのカードを書き込みました（%1 枚）。</translation>
    </message>
    <message>
        <source>One card written (camera %1).</source>
        <comment>fleet.one_card_written</comment>
        <translation>カードを 1 枚書き込みました（カメラ %1）。</translation>
    </message>
    <message>
        <source>Stopped; %1 cards written.</source>
        <comment>fleet.stopped</comment>
        <translation>停止しました。%1 枚のカードを書き込みました。</translation>
    </message>
    <message>
        <source>Stopped during the card for camera %1: that card is incomplete and must be written again.</source>
        <comment>fleet.stopped_during_card</comment>
        <translation>カメラ %1 のカードの書き込み中に停止しました。このカードは未完了のため、もう一度書き込む必要があります。</translation>
    </message>
    <message>
        <source>The card for camera %1 failed: %2</source>
        <comment>fleet.card_failed</comment>
        <translation>カメラ %1 のカードは失敗しました：%2</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <comment>fleet.input_unusable</comment>
        <translation>%1 は使用できません：%2</translation>
    </message>
    <message>
        <source>The kit &quot;%1&quot; was saved: %2</source>
        <comment>fleet.kit_saved</comment>
        <translation>キット「%1」を保存しました：%2</translation>
    </message>
    <message>
        <source>No kit was saved: %1</source>
        <comment>fleet.kit_not_saved</comment>
        <translation>キットは保存されませんでした：%1</translation>
    </message>
    <message>
        <source>%1 holds no settings file.</source>
        <comment>fleet.no_settings_file</comment>
        <translation>%1 に設定ファイルがありません。</translation>
    </message>
    <message>
        <source>Cards are still being set up. Stop and close the window?</source>
        <comment>fleet.ask_stop_first</comment>
        <translation>カードの設定はまだ進行中です。停止してウィンドウを閉じますか？</translation>
    </message>
    <message>
        <source>These cameras have a card done in the log and are passed over: %1</source>
        <comment>fleet.passing_over_done</comment>
        <translation>ログで完了済みのカードがあるため、次のカメラは飛ばします：%1</translation>
    </message>
    <message>
        <source>Every camera has a card done in the log: nothing is left to write.</source>
        <comment>fleet.nothing_left</comment>
        <translation>ログではすべてのカメラのカードが完了しています。書き込むものは残っていません。</translation>
    </message>
    <message>
        <source>Insert another card for camera %1 (%2 of %3)</source>
        <comment>fleet.insert_another_card_for</comment>
        <translation>カメラ %1 用に別のカードを挿入してください（%3 枚中 %2 枚目）</translation>
    </message>
    <message>
        <source>Camera %1 already has a card done (%2). Write another card for it, which replaces that one?</source>
        <comment>fleet.ask_again</comment>
        <translation>カメラ %1 にはすでに完了したカードがあります（%2）。それに代わる別のカードを書き込みますか？</translation>
    </message>
    <message>
        <source>done; it replaces the %1</source>
        <comment>fleet.result_done_replacing</comment>
        <translation>完了。置き換え元：%1</translation>
    </message>
    <message>
        <source>The card for camera %1 is not done.</source>
        <comment>fleet.card_not_written</comment>
        <translation>カメラ %1 のカードは完了していません。</translation>
    </message>
    <message>
        <source>These cameras still have no card: %1</source>
        <comment>fleet.still_without_card</comment>
        <translation>次のカメラにはまだカードがありません：%1</translation>
    </message>
    <message>
        <source>the card is read-only or locked; nothing was written</source>
        <comment>fleet.read_only_card</comment>
        <translation>カードは読み取り専用かロックされています。何も書き込んでいません</translation>
    </message>
    <message>
        <source>The card at %1:</source>
        <comment>fleet.card_warnings</comment>
        <translation>%1 のカード：</translation>
    </message>
    <message>
        <source>The log has the card at %1 as the card of camera %2 (%3).</source>
        <comment>fleet.card_of_other_camera</comment>
        <translation>ログでは、%1 のカードはカメラ %2 のカードです（%3）。</translation>
    </message>
    <message>
        <source>Write the settings of camera %1 onto it all the same?</source>
        <comment>fleet.ask_write_anyway</comment>
        <translation>それでもカメラ %1 の設定を書き込みますか？</translation>
    </message>
    <message>
        <source>%1 on the card is a link; nothing was written</source>
        <comment>fleet.file_is_link_on_card</comment>
        <translation>カード上の %1 はリンクです。何も書き込んでいません</translation>
    </message>
    <message>
        <source>%1 on the card is a folder or a device, not a file; nothing was written</source>
        <comment>fleet.file_not_regular_on_card</comment>
        <translation>カード上の %1 はフォルダかデバイスで、ファイルではありません。何も書き込んでいません</translation>
    </message>
    <message>
        <source>the card has %1 free, but the files need %2; nothing was written</source>
        <comment>fleet.no_room_on_card</comment>
        <translation>カードの空き容量は %1 ですが、ファイルには %2 必要です。何も書き込んでいません</translation>
    </message>
    <message>
        <source>the card is only partly written: %1 already hold the new settings. %2 Write the card again before it goes out.</source>
        <comment>fleet.partly_written</comment>
        <translation>カードは一部しか書き込まれていません。%1 はすでに新しい設定です。%2 持ち出す前にカードを書き直してください。</translation>
    </message>
    <message>
        <source>it is still mounted</source>
        <comment>fleet.still_mounted</comment>
        <translation>まだマウントされています</translation>
    </message>
    <message>
        <source>The card for camera %1 is done, but it did not eject (%2): unmount and remove the card at %3 by hand.</source>
        <comment>fleet.remove_by_hand</comment>
        <translation>カメラ %1 のカードは完了しましたが、取り出せませんでした（%2）。%3 のカードを手動でアンマウントして取り出してください。</translation>
    </message>
    <message>
        <source>The card at %1 is not done: remove it.</source>
        <comment>fleet.remove_failed</comment>
        <translation>%1 のカードは完了していません。取り出してください。</translation>
    </message>
    <message>
        <source>The card at %1 is not done and did not eject (%2): unmount and remove it by hand.</source>
        <comment>fleet.remove_failed_by_hand</comment>
        <translation>%1 のカードは完了しておらず、取り出せませんでした（%2）。手動でアンマウントして取り出してください。</translation>
    </message>
    <message>
        <source>the log could not be written: %1</source>
        <comment>fleet.log_not_written</comment>
        <translation>ログに書き込めませんでした：%1</translation>
    </message>
    <message>
        <source>The log %1 ended in half a row (line %2): that row is kept on a line of its own, and the new row is below it.</source>
        <comment>fleet.log_ended_damaged</comment>
        <translation>ログ %1 は行の途中で終わっていました（%2 行目）。その行はそのまま独立した行として残し、新しい行はその下に書きました。</translation>
    </message>
    <message>
        <source>The log %1 was saved over by another program since the last row; the new row went into the file there now.</source>
        <comment>fleet.log_replaced</comment>
        <translation>ログ %1 は前の行の後に別のプログラムによって上書き保存されました。新しい行は現在そこにあるファイルに書き込みました。</translation>
    </message>
    <message>
        <source>Cameras and their cards (double-click one to write its card next):</source>
        <comment>fleet.cameras_table_label</comment>
        <translation>カメラとそのカード（ダブルクリックで次に書き込むカメラを選択）：</translation>
    </message>
    <message>
        <source>Set up in the field:</source>
        <comment>fleet.set_up_in_field_label</comment>
        <translation>現地設置日時：</translation>
    </message>
    <message>
        <source>Camera</source>
        <comment>fleet.column_camera</comment>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Location</source>
        <comment>fleet.column_location</comment>
        <translation>場所</translation>
    </message>
    <message>
        <source>Card</source>
        <comment>fleet.column_card</comment>
        <translation>カード</translation>
    </message>
    <message>
        <source>State</source>
        <comment>fleet.column_state</comment>
        <translation>状態</translation>
    </message>
    <message>
        <source>waiting</source>
        <comment>fleet.state_waiting</comment>
        <translation>待機中</translation>
    </message>
    <message>
        <source>next: insert its card</source>
        <comment>fleet.state_next</comment>
        <translation>次：このカメラのカードを挿入</translation>
    </message>
    <message>
        <source>writing</source>
        <comment>fleet.state_writing</comment>
        <translation>書き込み中</translation>
    </message>
    <message>
        <source>done earlier (%1)</source>
        <comment>fleet.state_done_before</comment>
        <translation>以前に完了（%1）</translation>
    </message>
    <message>
        <source>The time set up in the field cannot be used: %1</source>
        <comment>fleet.time_unusable</comment>
        <translation>現地設置日時は使用できません：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used: %2</source>
        <comment>fleet.name_unusable</comment>
        <translation>「%1」は使用できません：%2</translation>
    </message>
    <message>
        <source>The kit holds passwords (%1): keep the file to yourself.</source>
        <comment>fleet.kit_holds_passwords</comment>
        <translation>このキットにはパスワードが含まれています（%1）。ファイルは他人に渡さないでください。</translation>
    </message>
    <message>
        <source>card %1 written %2</source>
        <comment>fleet.card_named_written_at</comment>
        <translation>カード %1（%2 に書き込み）</translation>
    </message>
    <message>
        <source>card written %1</source>
        <comment>fleet.card_written_at</comment>
        <translation>%1 に書き込んだカード</translation>
    </message>
    <message>
        <source>Cards:</source>
        <comment>fleet.mode_label</comment>
        <translation>カード：</translation>
    </message>
    <message>
        <source>Set up for the field</source>
        <comment>fleet.mode_set_up</comment>
        <translation>現地設置用に設定</translation>
    </message>
    <message>
        <source>Returned from the field</source>
        <comment>fleet.mode_returned</comment>
        <translation>現地から回収</translation>
    </message>
    <message>
        <source>Choose the deployment log, then press Start.</source>
        <comment>fleet.choose_log</comment>
        <translation>設置記録ファイルを選択してから「開始」を押してください。</translation>
    </message>
    <message>
        <source>Cameras and their returned cards:</source>
        <comment>fleet.cameras_returned_label</comment>
        <translation>カメラと回収したカード：</translation>
    </message>
    <message>
        <source>in the field (card written %1)</source>
        <comment>fleet.state_in_field</comment>
        <translation>現地設置中（カード書き込み %1）</translation>
    </message>
    <message>
        <source>returned (read %1)</source>
        <comment>fleet.state_returned</comment>
        <translation>回収済み（読み取り %1）</translation>
    </message>
    <message>
        <source>reading</source>
        <comment>fleet.state_reading</comment>
        <translation>読み取り中</translation>
    </message>
    <message>
        <source>Insert a returned card (read so far: %1)</source>
        <comment>fleet.insert_returned_card</comment>
        <translation>回収したカードを挿入してください（読み取り済み：%1）</translation>
    </message>
    <message>
        <source>Reading the card at %1...</source>
        <comment>fleet.reading_card</comment>
        <translation>%1 のカードを読み取っています...</translation>
    </message>
    <message>
        <source>returned: %1</source>
        <comment>fleet.result_returned</comment>
        <translation>回収済み：%1</translation>
    </message>
    <message>
        <source>The card at %1 was not read to the end or its return not logged (%2): remove it.</source>
        <comment>fleet.return_not_read</comment>
        <translation>%1 のカードを最後まで読み取れなかったか、回収を記録できませんでした（%2）。取り出してください。</translation>
    </message>
    <message>
        <source>The card of %1 is read, its return logged, and it is ejected: remove it and insert the next one.</source>
        <comment>fleet.returned_ejected</comment>
        <translation>%1 のカードを読み取り、回収を記録して取り出せる状態にしました。取り出して次のカードを挿入してください。</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged: unmount and remove the card at %2, then insert the next one.</source>
        <comment>fleet.returned_remove</comment>
        <translation>%1 のカードを読み取り、回収を記録しました。%2 のカードをマウント解除して取り出し、次のカードを挿入してください。</translation>
    </message>
    <message>
        <source>The card of %1 is read and its return logged, but it was not ejected (%2): unmount and remove the card at %3.</source>
        <comment>fleet.returned_remove_by_hand</comment>
        <translation>%1 のカードを読み取り、回収を記録しましたが、取り出せる状態にできませんでした（%2）。%3 のカードをマウント解除して取り出してください。</translation>
    </message>
    <message>
        <source>Stopped. Returned cards read: %1.</source>
        <comment>fleet.returns_stopped</comment>
        <translation>停止しました。読み取った回収カード：%1 枚。</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>%1 in this folder is a link to another file; nothing was written.</source>
        <comment>notice.file_is_link</comment>
        <translation>このフォルダの %1 は別のファイルへのリンクです。書き込みませんでした。</translation>
    </message>
    <message>
        <source>No folder chosen: choose the card&apos;s folder first.</source>
        <comment>notice.no_folder_chosen</comment>
        <translation>フォルダが選択されていません。先にカードのフォルダを選択してください。</translation>
    </message>
    <message>
        <source>Another write to %1 is in progress; nothing was written. Try again in a moment.</source>
        <comment>notice.write_in_progress</comment>
        <translation>%1 への別の書き込みが進行中のため、書き込みませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The file %1 was written, but it could not be read back to check it. Generate it again, or use Load from card to check it.</source>
        <comment>notice.written_unchecked</comment>
        <translation>ファイル %1 は書き込まれましたが、確認のために読み戻せませんでした。もう一度生成するか、「カードから読み込む」で確認してください。</translation>
    </message>
    <message>
        <source>the path is too long.</source>
        <comment>notice.reason_path_too_long</comment>
        <translation>パスが長すぎます。</translation>
    </message>
    <message>
        <source>File: %1</source>
        <comment>notice.file_written</comment>
        <translation>ファイル：%1</translation>
    </message>
    <message>
        <source>Replace the menu.dat in %1 with the factory settings?</source>
        <comment>notice.confirm_factory_reset</comment>
        <translation>%1 の menu.dat を工場出荷時の設定で置き換えますか？</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535.</source>
        <comment>notice.port_not_number</comment>
        <translation>ポートは 1 から 65535 までの整数で指定してください。</translation>
    </message>
    <message>
        <source>The download page could not be opened. Its address is %1</source>
        <comment>notice.url_not_opened</comment>
        <translation>ダウンロードページを開けませんでした。アドレスは %1 です。</translation>
    </message>
    <message>
        <source>This model does not send e-mail.</source>
        <comment>notice.model_sends_no_email</comment>
        <translation>このモデルはメールを送信しません。</translation>
    </message>
    <message>
        <source>Load from card</source>
        <comment>notice.menu_load_from_card</comment>
        <translation>カードから読み込む</translation>
    </message>
    <message>
        <source>Load profile...</source>
        <comment>notice.menu_load_profile</comment>
        <translation>プロファイルを読み込む...</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <comment>notice.menu_save_profile</comment>
        <translation>プロファイルを保存...</translation>
    </message>
    <message>
        <source>Restore previous file</source>
        <comment>notice.menu_restore_previous</comment>
        <translation>以前のファイルを復元</translation>
    </message>
    <message>
        <source>There is no %1 in this folder; the form was left as it was.</source>
        <comment>notice.file_absent</comment>
        <translation>このフォルダに %1 はありません。フォームは変更されていません。</translation>
    </message>
    <message>
        <source>%1 in this folder is damaged; the form was left as it was.</source>
        <comment>notice.file_damaged</comment>
        <translation>このフォルダの %1 は壊れています。フォームは変更されていません。</translation>
    </message>
    <message>
        <source>%1 in this folder was written for a different camera model; the form was left as it was.</source>
        <comment>notice.file_other_form</comment>
        <translation>このフォルダの %1 は別のカメラモデル用です。フォームは変更されていません。</translation>
    </message>
    <message>
        <source>The profile %1 cannot be used: %2</source>
        <comment>notice.profile_unusable</comment>
        <translation>プロファイル %1 は使用できません：%2</translation>
    </message>
    <message>
        <source>Profile saved.</source>
        <comment>notice.profile_saved</comment>
        <translation>プロファイルを保存しました。</translation>
    </message>
    <message>
        <source>No earlier %1 from this folder is kept in the history.</source>
        <comment>notice.no_previous_file</comment>
        <translation>このフォルダの以前の %1 は履歴に保存されていません。</translation>
    </message>
    <message>
        <source>Write back the %1 this folder held before %2?</source>
        <comment>notice.ask_restore_previous</comment>
        <translation>このフォルダに %2 より前にあった %1 を書き戻しますか？</translation>
    </message>
    <message>
        <source>No copy of the replaced file could be kept, so it cannot be restored later.</source>
        <comment>notice.no_copy_kept</comment>
        <translation>置き換えたファイルのコピーを保存できなかったため、後で復元することはできません。</translation>
    </message>
    <message>
        <source>More...</source>
        <comment>notice.menu_more</comment>
        <translation>その他...</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <comment>notice.loaded_from</comment>
        <translation>%1 から読み込みました。</translation>
    </message>
    <message>
        <source>%1 in this folder is the factory reset record; it holds no settings to load.</source>
        <comment>notice.file_is_factory_reset</comment>
        <translation>このフォルダの %1 は工場出荷時設定に戻すためのレコードです。読み込める設定は含まれていません。</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <comment>notice.ask_replace_profile</comment>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>No lock could be made to write %1 safely (%2); nothing was written.</source>
        <comment>notice.lock_unavailable</comment>
        <translation>%1 を書き込むためのロックを作成できませんでした（%2）。書き込みませんでした。</translation>
    </message>
    <message>
        <source>The folder&apos;s name is not valid UTF-8 text, so the file cannot be written there. Rename the folder (or mount the card under another name) and choose it again.</source>
        <comment>notice.name_not_utf8</comment>
        <translation>フォルダの名前が有効な UTF-8 テキストではないため、ファイルを書き込めません。フォルダの名前を変更して（またはカードを別の名前でマウントして）、もう一度選択してください。</translation>
    </message>
    <message>
        <source>The file %1 was written, but the card did not confirm the change to its folder (%2). Generate it again, or check the card with &quot;kestrova inspect&quot;.</source>
        <comment>notice.folder_not_flushed</comment>
        <translation>ファイル %1 は書き込まれましたが、カードがフォルダの変更を確認しませんでした（%2）。もう一度生成するか、「kestrova inspect」でカードを確認してください。</translation>
    </message>
    <message>
        <source>Its camera clock will be set to the current time; every other setting stays as it was.</source>
        <comment>notice.restore_sets_clock</comment>
        <translation>その中のカメラの時計は現在の時刻に設定され、その他の設定はそのまま残ります。</translation>
    </message>
    <message>
        <source>%1 was restored as it was before %2.</source>
        <comment>notice.restored_from</comment>
        <translation>%1 を %2 より前の状態に復元しました。</translation>
    </message>
    <message>
        <source>The kept copy of %1 cannot be written back: %2.</source>
        <comment>notice.previous_copy_damaged</comment>
        <translation>保存されている %1 のコピーは書き戻せません：%2。</translation>
    </message>
    <message>
        <source>%1 in %2 holds settings (%3). Load them into the form?</source>
        <comment>notice.ask_load_from_folder</comment>
        <translation>%2 の %1 に設定があります（%3）。フォームに読み込みますか？</translation>
    </message>
    <message>
        <source>%1, clock %2</source>
        <comment>notice.holds_menu_of</comment>
        <translation>%1、時計 %2</translation>
    </message>
    <message>
        <source>The %1 this folder held before %2 came from the card %3; which card the folder holds now is not known. Write it back?</source>
        <comment>notice.ask_restore_from_card</comment>
        <translation>このフォルダに %2 より前にあった %1 はカード %3 のものです。このフォルダが今どのカードかはわかりません。書き戻しますか？</translation>
    </message>
    <message>
        <source>%1 was not written back: it came from the card %2, but the folder now holds the card %3.</source>
        <comment>notice.restore_other_card</comment>
        <translation>%1 は書き戻しませんでした：カード %2 のものですが、このフォルダには今カード %3 があります。</translation>
    </message>
</context>
<context>
    <name>ProfileReason</name>
    <message>
        <source>%1 is not allowed; use a position 0..%2 or one of: %3</source>
        <translation>%1 は使用できません。位置 0..%2 か、次のいずれかを指定してください：%3</translation>
    </message>
    <message>
        <source>Enter a whole number (got %1).</source>
        <translation>整数を入力してください（入力値：%1）。</translation>
    </message>
    <message>
        <source>Enter a whole number from %1 to %2 (got %3).</source>
        <translation>%1 から %2 までの整数を入力してください（入力値：%3）。</translation>
    </message>
    <message>
        <source>A phone number holds at most %1 digits.</source>
        <translation>電話番号は最大 %1 桁です。</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>What the camera will do</source>
        <comment>summary.strip_title</comment>
        <translation>カメラの動作</translation>
    </message>
    <message>
        <source>Triggers a day (assumed):</source>
        <comment>summary.assumed_triggers</comment>
        <translation>1日のトリガー回数（想定）：</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <comment>summary.warning_line</comment>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>Print settings sheet...</source>
        <comment>summary.menu_print_sheet</comment>
        <translation>設定シートを印刷...</translation>
    </message>
    <message>
        <source>Settings sheet: %1</source>
        <comment>summary.sheet_title</comment>
        <translation>設定シート：%1</translation>
    </message>
    <message>
        <source>Camera model</source>
        <comment>summary.sheet_model</comment>
        <translation>カメラの機種</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>summary.sheet_folder</comment>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>summary.sheet_date</comment>
        <translation>日付</translation>
    </message>
    <message>
        <source>Check value</source>
        <comment>summary.sheet_check_value</comment>
        <translation>チェック値</translation>
    </message>
    <message>
        <source>none yet: these settings do not pass the checks before writing</source>
        <comment>summary.sheet_no_check</comment>
        <translation>まだありません：この設定は書き込み前のチェックを通りません</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>summary.sheet_settings</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Warnings</source>
        <comment>summary.sheet_warnings</comment>
        <translation>警告</translation>
    </message>
    <message>
        <source>None.</source>
        <comment>summary.sheet_no_warnings</comment>
        <translation>なし。</translation>
    </message>
    <message>
        <source>(hidden)</source>
        <comment>summary.hidden_value</comment>
        <translation>（非表示）</translation>
    </message>
    <message>
        <source>The settings sheet could not be printed: %1</source>
        <comment>summary.sheet_print_failed</comment>
        <translation>設定シートを印刷できませんでした：%1</translation>
    </message>
    <message>
        <source>Changed on the card:</source>
        <comment>summary.changed_header</comment>
        <translation>カードで変更された内容：</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <comment>summary.changed_line</comment>
        <translation>%1：%2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: changed</source>
        <comment>summary.changed_hidden_line</comment>
        <translation>%1：変更あり</translation>
    </message>
    <message>
        <source>New file.</source>
        <comment>summary.change_new_file</comment>
        <translation>新しいファイル。</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <comment>summary.change_nothing</comment>
        <translation>変更された設定はありません。</translation>
    </message>
    <message>
        <source>It replaced a damaged file.</source>
        <comment>summary.change_replaced_damaged</comment>
        <translation>破損したファイルを置き換えました。</translation>
    </message>
    <message>
        <source>It replaced the factory reset record.</source>
        <comment>summary.change_replaced_factory</comment>
        <translation>工場出荷時設定に戻すためのレコードを置き換えました。</translation>
    </message>
    <message>
        <source>It replaced a file written for another camera model.</source>
        <comment>summary.change_replaced_other</comment>
        <translation>別のカメラモデル用に書き込まれたファイルを置き換えました。</translation>
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
        <source>After each trigger it is ready again at once.</source>
        <comment>summary.no_wait</comment>
        <translation>各トリガーの後、すぐに次の撮影ができます。</translation>
    </message>
    <message>
        <source>The motion sensor is on (sensitivity: %1).</source>
        <comment>summary.motion_on</comment>
        <translation>動体センサーはオンです（感度：%1）。</translation>
    </message>
    <message>
        <source>The motion sensor is off.</source>
        <comment>summary.motion_off</comment>
        <translation>動体センサーはオフです。</translation>
    </message>
    <message>
        <source>The side sensors are on.</source>
        <comment>summary.side_on</comment>
        <translation>サイドセンサーはオンです。</translation>
    </message>
    <message>
        <source>The side sensors are off.</source>
        <comment>summary.side_off</comment>
        <translation>サイドセンサーはオフです。</translation>
    </message>
    <message>
        <source>It is active all day.</source>
        <comment>summary.active_all_day</comment>
        <translation>終日動作します。</translation>
    </message>
    <message>
        <source>Its timers leave no time in which it is active.</source>
        <comment>summary.active_never</comment>
        <translation>タイマーの設定では動作する時間がありません。</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time and the text &quot;%1&quot;.</source>
        <comment>summary.stamp_time_and_text</comment>
        <translation>画像に時刻と文字「%1」が入ります。</translation>
    </message>
    <message>
        <source>Pictures are stamped with the time.</source>
        <comment>summary.stamp_time</comment>
        <translation>画像に時刻が入ります。</translation>
    </message>
    <message>
        <source>Pictures are stamped with the text &quot;%1&quot;.</source>
        <comment>summary.stamp_text</comment>
        <translation>画像に文字「%1」が入ります。</translation>
    </message>
    <message>
        <source>Nothing is stamped on the pictures.</source>
        <comment>summary.stamp_nothing</comment>
        <translation>画像には何も入りません。</translation>
    </message>
    <message>
        <source>When the card is full, the oldest files are overwritten.</source>
        <comment>summary.sd_cycle_on</comment>
        <translation>カードがいっぱいになると、最も古いファイルが上書きされます。</translation>
    </message>
    <message>
        <source>When the card is full, the camera stops recording.</source>
        <comment>summary.sd_cycle_off</comment>
        <translation>カードがいっぱいになると、カメラは記録を停止します。</translation>
    </message>
    <message>
        <source>This record returns the camera to its factory settings.</source>
        <comment>summary.factory_reset</comment>
        <translation>このレコードはカメラを工場出荷時の設定に戻します。</translation>
    </message>
    <message>
        <source>E-mail sending is off.</source>
        <comment>summary.email_off</comment>
        <translation>メールの送信はオフです。</translation>
    </message>
    <message>
        <source>Network: typed in (APN %1).</source>
        <comment>summary.network_typed</comment>
        <translation>ネットワーク：手入力（APN %1）。</translation>
    </message>
    <message>
        <source>The card is read-only: nothing can be written to it (is its lock switch on?).</source>
        <comment>summary.conflict_card_read_only</comment>
        <translation>カードは読み取り専用です：何も書き込めません（ロックスイッチがオンになっていませんか？）。</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS; recipients: %2.</source>
        <comment>summary.mms_sends_unnamed</comment>
        <translation>各画像を %1 の MMS で送信します。宛先数：%2。</translation>
    </message>
    <message>
        <source>It sends a text message for each picture; recipients: %1.</source>
        <comment>summary.sends_sms_unnamed</comment>
        <translation>画像ごとに SMS を送信します。宛先数：%1。</translation>
    </message>
    <message>
        <source>It e-mails each picture through %1, port %2.</source>
        <comment>summary.email_sends_unnamed</comment>
        <translation>各画像を %1（ポート %2）経由でメール送信します。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <comment>summary.changed_more</comment>
        <translation>ほか%1件</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>summary.seconds</comment>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>summary.minutes</comment>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>summary.hours</comment>
        <translation>%1時間</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <comment>summary.hours_minutes</comment>
        <translation>%1時間%2分</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <comment>summary.minutes_seconds</comment>
        <translation>%1分%2秒</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1.</source>
        <comment>summary.trigger_photos1</comment>
        <translation>動きを検知すると：%1の静止画を1枚。</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1.</source>
        <comment>summary.trigger_photos2</comment>
        <translation>動きを検知すると：%1の静止画を2枚。</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1.</source>
        <comment>summary.trigger_photos3</comment>
        <translation>動きを検知すると：%1の静止画を3枚。</translation>
    </message>
    <message>
        <source>On motion: a %1 video at %2.</source>
        <comment>summary.trigger_video</comment>
        <translation>動きを検知すると：%2の動画を%1。</translation>
    </message>
    <message>
        <source>On motion: 1 photo at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video1</comment>
        <translation>動きを検知すると：%1の静止画を1枚と、%3の動画を%2。</translation>
    </message>
    <message>
        <source>On motion: 2 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video2</comment>
        <translation>動きを検知すると：%1の静止画を2枚と、%3の動画を%2。</translation>
    </message>
    <message>
        <source>On motion: 3 photos at %1 and a %2 video at %3.</source>
        <comment>summary.trigger_photos_video3</comment>
        <translation>動きを検知すると：%1の静止画を3枚と、%3の動画を%2。</translation>
    </message>
    <message>
        <source>After each trigger it waits %1 before the next.</source>
        <comment>summary.wait_after_trigger</comment>
        <translation>各トリガーの後、次まで%1待ちます。</translation>
    </message>
    <message>
        <source>It is active %1 (%2 a day).</source>
        <comment>summary.active_one_window</comment>
        <translation>動作時間：%1（1日%2）。</translation>
    </message>
    <message>
        <source>It is active %1 and %2 (%3 a day).</source>
        <comment>summary.active_two_windows</comment>
        <translation>動作時間：%1と%2（1日%3）。</translation>
    </message>
    <message>
        <source>And one photo every %1 while active: %2 a day.</source>
        <comment>summary.time_lapse</comment>
        <translation>さらに動作中は%1ごとに静止画を1枚：1日%2枚。</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1 when it reads this card; insert the card soon, or the clock runs behind by the time in between.</source>
        <comment>summary.clock_set</comment>
        <translation>カメラがこのカードを読み込むと、時計が%1に設定されます。カードはすぐに挿入してください。遅れると、その間の時間だけ時計が遅れます。</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, card use about %2.</source>
        <comment>summary.estimate_photos</comment>
        <translation>1日の見込み：画像約%1枚、カード使用量約%2。</translation>
    </message>
    <message>
        <source>Estimated a day: video about %1, card use about %2.</source>
        <comment>summary.estimate_video</comment>
        <translation>1日の見込み：動画約%1、カード使用量約%2。</translation>
    </message>
    <message>
        <source>Estimated a day: pictures about %1, video about %2, card use about %3.</source>
        <comment>summary.estimate_both</comment>
        <translation>1日の見込み：画像約%1枚、動画約%2、カード使用量約%3。</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2.</source>
        <comment>summary.card_lasts</comment>
        <translation>カード（空き%1）がいっぱいになるまでの日数：約%2日。</translation>
    </message>
    <message>
        <source>Days until the card (%1 free) is full: about %2; then the oldest files are overwritten.</source>
        <comment>summary.card_overwrites</comment>
        <translation>カード（空き%1）がいっぱいになるまでの日数：約%2日。その後は最も古いファイルが上書きされます。</translation>
    </message>
    <message>
        <source>MMS sending is off.</source>
        <comment>summary.mms_off</comment>
        <translation>MMSの送信はオフです。</translation>
    </message>
    <message>
        <source>It sends each picture as a %1 MMS to %2.</source>
        <comment>summary.mms_sends</comment>
        <translation>各画像を%1のMMSで%2に送信します。</translation>
    </message>
    <message>
        <source>It sends a text message for each picture to %1.</source>
        <comment>summary.sends_sms</comment>
        <translation>画像ごとに%1へSMSを送信します。</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; messages: at most %2 a day, %3 a month.</source>
        <comment>summary.messages_limit</comment>
        <translation>1日の画像：最大%1枚。メッセージ：1日最大%2通、1か月%3通。</translation>
    </message>
    <message>
        <source>Data a month: about %1 of MMS.</source>
        <comment>summary.mms_data</comment>
        <translation>1か月のデータ量：MMS約%1。</translation>
    </message>
    <message>
        <source>It e-mails each picture to %1 through %2, port %3, from %4.</source>
        <comment>summary.email_sends</comment>
        <translation>各画像を%2（ポート%3）経由で%4から%1へメール送信します。</translation>
    </message>
    <message>
        <source>Pictures a day: at most %1; e-mails: at most %2 a day, %3 a month.</source>
        <comment>summary.emails_limit</comment>
        <translation>1日の画像：最大%1枚。メール：1日最大%2通、1か月%3通。</translation>
    </message>
    <message>
        <source>Data a month: about %1 of e-mail.</source>
        <comment>summary.email_data</comment>
        <translation>1か月のデータ量：メール約%1。</translation>
    </message>
    <message>
        <source>SMS remote control is off.</source>
        <comment>summary.remote_off</comment>
        <translation>SMSリモート操作はオフです。</translation>
    </message>
    <message>
        <source>Network: the operator preset for %1, %2.</source>
        <comment>summary.network_preset</comment>
        <translation>ネットワーク：%1、%2の事業者プリセット。</translation>
    </message>
    <message>
        <source>%1 and %2 are both off: the camera never takes a picture.</source>
        <comment>summary.conflict_never_pictures</comment>
        <translation>%1と%2がどちらもオフです：カメラは撮影しません。</translation>
    </message>
    <message>
        <source>%1 is on with start and stop both at %2: its window is empty, or the whole day, depending on the camera.</source>
        <comment>summary.conflict_timer_empty</comment>
        <translation>%1がオンですが、開始と終了がどちらも%2です：カメラによっては、この時間帯は空か終日になります。</translation>
    </message>
    <message>
        <source>%1 and %2 overlap (%3): that time counts once.</source>
        <comment>summary.conflict_timers_overlap</comment>
        <translation>%1と%2が重なっています（%3）：重なった時間は一度だけ数えます。</translation>
    </message>
    <message>
        <source>%1 is on with an interval of 0: the camera cannot take a photo every 0 seconds.</source>
        <comment>summary.conflict_time_lapse_zero</comment>
        <translation>%1がオンで間隔が0です：カメラは0秒ごとには撮影できません。</translation>
    </message>
    <message>
        <source>The %1 interval (%2) is longer than the active window %3: only one photo is taken in it.</source>
        <comment>summary.conflict_time_lapse_long</comment>
        <translation>%1の間隔（%2）が動作時間帯%3より長いため、その時間帯には1枚しか撮影されません。</translation>
    </message>
    <message>
        <source>%1 is 0 s while %2 is %3: each motion starts the next capture at once, which fills the card and drains the battery.</source>
        <comment>summary.conflict_zero_interval</comment>
        <translation>%1が0秒で%2が%3です：動きのたびにすぐ次の撮影が始まり、カードがいっぱいになり電池も消耗します。</translation>
    </message>
    <message>
        <source>%1 is %2, but no recipient is given: nothing is sent.</source>
        <comment>summary.conflict_no_recipient</comment>
        <translation>%1は%2ですが、宛先がありません：何も送信されません。</translation>
    </message>
    <message>
        <source>%1 is empty: the camera has no one to e-mail.</source>
        <comment>summary.conflict_email_no_recipient</comment>
        <translation>%1が空です：メールの送信先がありません。</translation>
    </message>
    <message>
        <source>%1 is 0, which means no limit, not none: every picture is sent.</source>
        <comment>summary.conflict_unlimited</comment>
        <translation>%1が0ですが、これは「送信しない」ではなく「制限なし」の意味です：すべての画像が送信されます。</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while %3 sends pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode</comment>
        <translation>menu.datの%1が%2ですが、%3は画像を送信します：このモードでは静止画を撮影しないため、何も送信されません。</translation>
    </message>
    <message>
        <source>The PC&apos;s clock is not synchronised with a time server: the camera&apos;s clock will be as far off as the PC&apos;s.</source>
        <comment>summary.conflict_clock_not_synced</comment>
        <translation>PCの時計がタイムサーバーと同期していません：カメラの時計もPCと同じだけずれます。</translation>
    </message>
    <message>
        <source>The camera&apos;s clock is set to %1, before 2024: the PC&apos;s clock looks wrong.</source>
        <comment>summary.conflict_clock_early</comment>
        <translation>カメラの時計が2024年より前の%1に設定されます：PCの時計が間違っているようです。</translation>
    </message>
    <message>
        <source>The card&apos;s free space (%1) holds less than one day at about %2 a day.</source>
        <comment>summary.conflict_card_short</comment>
        <translation>カードの空き容量（%1）は、1日約%2では1日分に足りません。</translation>
    </message>
    <message>
        <source>The card is larger than 32 GB and formatted as %1: many cameras read only FAT32 cards up to 32 GB, so this one may not work.</source>
        <comment>summary.conflict_card_not_fat32</comment>
        <translation>カードは32 GBを超え、%1でフォーマットされています：多くのカメラは32 GBまでのFAT32カードしか読めないため、このカードは使えない可能性があります。</translation>
    </message>
    <message>
        <source>The card still holds pictures from an earlier deployment (files in DCIM: %1).</source>
        <comment>summary.conflict_card_old_files</comment>
        <translation>カードには前回の設置時の画像がまだ残っています（DCIM内のファイル：%1）。</translation>
    </message>
    <message>
        <source>These are the form&apos;s settings: they are not written to a card.</source>
        <comment>summary.sheet_not_written</comment>
        <translation>これはフォームの設定です：カードには書き込まれていません。</translation>
    </message>
    <message>
        <source>Assumed for the estimates</source>
        <comment>summary.sheet_assumed</comment>
        <translation>見込みの前提</translation>
    </message>
    <message>
        <source>Triggers a day: %1</source>
        <comment>summary.assume_triggers</comment>
        <translation>1日のトリガー回数：%1</translation>
    </message>
    <message>
        <source>A picture at %1: %2 MB</source>
        <comment>summary.assume_picture</comment>
        <translation>%1の静止画1枚：%2 MB</translation>
    </message>
    <message>
        <source>A second of video at %1: %2 MB (Motion-JPEG AVI)</source>
        <comment>summary.assume_video</comment>
        <translation>%1の動画1秒：%2 MB（Motion-JPEG AVI）</translation>
    </message>
    <message>
        <source>An MMS at %1: %2 KB</source>
        <comment>summary.assume_mms</comment>
        <translation>%1のMMS1通：%2 KB</translation>
    </message>
    <message>
        <source>An e-mail at %1: %2 KB</source>
        <comment>summary.assume_email</comment>
        <translation>%1のメール1通：%2 KB</translation>
    </message>
    <message>
        <source>Pictures sent for each trigger: %1</source>
        <comment>summary.assume_sent_per_trigger</comment>
        <translation>トリガーごとに送信する画像：%1</translation>
    </message>
    <message>
        <source>Time to take one photo: %1 s</source>
        <comment>summary.assume_photo_capture</comment>
        <translation>静止画1枚の撮影時間：%1秒</translation>
    </message>
    <message>
        <source>Days in a month: %1</source>
        <comment>summary.assume_month</comment>
        <translation>1か月の日数：%1</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2)</source>
        <comment>summary.report_model</comment>
        <translation>カメラの動作（機種%1、%2）</translation>
    </message>
    <message>
        <source>What the camera will do (model %1, %2, from the preferences; give --model for another)</source>
        <comment>summary.report_model_stored</comment>
        <translation>カメラの動作（機種%1、%2、設定から。別の機種は--modelで指定）</translation>
    </message>
    <message>
        <source>about %1</source>
        <comment>summary.report_about</comment>
        <translation>約%1</translation>
    </message>
    <message>
        <source>(assumed: %1)</source>
        <comment>summary.report_assumed</comment>
        <translation>（想定：%1）</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>summary.report_warning</comment>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>When it is active depends on how the camera reads a timer that starts and stops at the same time (see the warnings).</source>
        <comment>summary.active_unknown</comment>
        <translation>動作時間は、開始と終了が同じ時刻のタイマーをカメラがどう扱うかによって決まります（警告を参照）。</translation>
    </message>
    <message>
        <source>Triggers a day that each capture and the wait after it allow: at most %1.</source>
        <comment>summary.trigger_cap</comment>
        <translation>撮影とその後の待ち時間で可能な1日のトリガー回数：最大%1回。</translation>
    </message>
    <message>
        <source>normal</source>
        <comment>summary.sensitivity_normal</comment>
        <translation>標準</translation>
    </message>
    <message>
        <source>high</source>
        <comment>summary.sensitivity_high</comment>
        <translation>高</translation>
    </message>
    <message>
        <source>low</source>
        <comment>summary.sensitivity_low</comment>
        <translation>低</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>summary.value_video_only</comment>
        <translation>動画</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.messages_no_limit</comment>
        <translation>1日の画像：制限なし。メッセージ：1日約%1通、1か月約%2通（見込み：トリガーごとに画像1枚を送信、想定する1日のトリガー回数：%3）。</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; messages: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.messages_no_limit_menu</comment>
        <translation>1日の画像：制限なし。メッセージ：1日約%1通、1か月約%2通（menu.datの設定で撮影される画像からの見込み）。</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated: one picture sent for each trigger, triggers a day assumed: %3).</source>
        <comment>summary.emails_no_limit</comment>
        <translation>1日の画像：制限なし。メール：1日約%1通、1か月約%2通（見込み：トリガーごとに画像1枚を送信、想定する1日のトリガー回数：%3）。</translation>
    </message>
    <message>
        <source>Pictures a day: no limit; e-mails: about %1 a day, %2 a month (estimated from the pictures menu.dat makes).</source>
        <comment>summary.emails_no_limit_menu</comment>
        <translation>1日の画像：制限なし。メール：1日約%1通、1か月約%2通（menu.datの設定で撮影される画像からの見込み）。</translation>
    </message>
    <message>
        <source>SMS remote control is on; its hour setting is %1.</source>
        <comment>summary.remote_on</comment>
        <translation>SMSリモート操作はオンです。時間の設定は%1です。</translation>
    </message>
    <message>
        <source>%1 is %2, but no phone number for SMS is given: nothing is sent.</source>
        <comment>summary.conflict_no_phone</comment>
        <translation>%1は%2ですが、SMSを送る電話番号がありません：何も送信されません。</translation>
    </message>
    <message>
        <source>%1 is %2 in menu.dat while setup.dat and smtp.dat send pictures: the camera takes no photos in this mode, so none are sent.</source>
        <comment>summary.conflict_video_mode_both</comment>
        <translation>menu.datの%1が%2ですが、setup.datとsmtp.datは画像を送信します：このモードでは静止画を撮影しないため、何も送信されません。</translation>
    </message>
    <message>
        <source>Beep sound</source>
        <comment>summary.caption_beep_sound</comment>
        <translation>ビープ音</translation>
    </message>
    <message>
        <source>Overwrite when full (SD cycle)</source>
        <comment>summary.caption_sd_cycle</comment>
        <translation>満杯時に上書き（SDサイクル）</translation>
    </message>
    <message>
        <source>Timer 2</source>
        <comment>summary.caption_timer2</comment>
        <translation>タイマー2</translation>
    </message>
    <message>
        <source>SMS remote control</source>
        <comment>summary.caption_remote_control</comment>
        <translation>SMSリモート操作</translation>
    </message>
    <message>
        <source>Bearer</source>
        <comment>summary.caption_bearer</comment>
        <translation>ベアラー</translation>
    </message>
    <message>
        <source>Phone number scope</source>
        <comment>summary.caption_phone_scope</comment>
        <translation>電話番号の種類</translation>
    </message>
    <message>
        <source>E-mail settings mode</source>
        <comment>summary.caption_smtp_mode</comment>
        <translation>メール設定モード</translation>
    </message>
    <message>
        <source>E-mail status</source>
        <comment>summary.caption_smtp_status</comment>
        <translation>メールの状態</translation>
    </message>
    <message>
        <source>Mail server</source>
        <comment>summary.caption_smtp_server</comment>
        <translation>メールサーバー</translation>
    </message>
    <message>
        <source>Sender address</source>
        <comment>summary.caption_sender_email</comment>
        <translation>送信元アドレス</translation>
    </message>
    <message>
        <source>Domestic</source>
        <comment>summary.value_domestic</comment>
        <translation>国内</translation>
    </message>
    <message>
        <source>International</source>
        <comment>summary.value_international</comment>
        <translation>国際</translation>
    </message>
</context>
<context>
    <name>kestrova::CardFileActions</name>
    <message>
        <source>it is not valid JSON: %1 at offset %2</source>
        <translation>有効な JSON ではありません：%1（オフセット %2）</translation>
    </message>
    <message>
        <source>it must hold one JSON object of settings</source>
        <translation>設定の JSON オブジェクトを 1 つだけ含む必要があります</translation>
    </message>
    <message>
        <source>it names &quot;%1&quot; twice; which value is meant cannot be told</source>
        <translation>「%1」が 2 回指定されています。どちらの値を使うか判断できません</translation>
    </message>
    <message>
        <source>it is the report of a damaged file (%1); its values cannot be trusted</source>
        <translation>破損したファイルのレポートです（%1）。その値は信頼できません</translation>
    </message>
    <message>
        <source>it holds the unknown setting &quot;%1&quot;; did you mean &quot;%2&quot;?</source>
        <translation>不明な設定「%1」が含まれています。「%2」のことですか？</translation>
    </message>
    <message>
        <source>it holds the settings of a %1 file, not of %2</source>
        <translation>%1 ファイルの設定であり、%2 の設定ではありません</translation>
    </message>
    <message>
        <source>larger than a profile (%1 bytes)</source>
        <translation>プロファイルとしては大きすぎます（%1 バイト）</translation>
    </message>
    <message>
        <source>larger than a profile (more than %1 bytes)</source>
        <translation>プロファイルとしては大きすぎます（%1 バイト超）</translation>
    </message>
    <message>
        <source>it reads as a damaged file</source>
        <translation>破損したファイルとして読み取られます</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CameraList</name>
    <message>
        <source>expected a number from %1 to %2, got %3</source>
        <translation>%1 から %2 までの数値が必要ですが、%3 でした</translation>
    </message>
    <message>
        <source>expected four characters (0-9, A-Z), got %1</source>
        <translation>4 文字（0-9、A-Z）が必要ですが、%1 でした</translation>
    </message>
    <message>
        <source>%1: the character %2 is none of 0-9, A-Z</source>
        <translation>%1：文字 %2 は 0-9、A-Z のいずれでもありません</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>制御文字が含まれています</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>%1 行目、%2 列：%3</translation>
    </message>
    <message>
        <source>it has no column &quot;%1&quot;</source>
        <translation>「%1」列がありません</translation>
    </message>
    <message>
        <source>it names the column &quot;%1&quot; twice</source>
        <translation>「%1」列が 2 回あります</translation>
    </message>
    <message>
        <source>it has a column &quot;serial&quot;, but the kit has no menu</source>
        <translation>「serial」列がありますが、キットにメニューがありません</translation>
    </message>
    <message>
        <source>it has the column &quot;%1&quot;, which is no setting of the kit&apos;s sections nor a column the log carries; did you mean &quot;%2&quot;?</source>
        <translation>「%1」列がありますが、キットの各セクションの設定でもログの列でもありません。「%2」のことですか？</translation>
    </message>
    <message>
        <source>every camera needs an id</source>
        <translation>すべてのカメラに ID が必要です</translation>
    </message>
    <message>
        <source>the camera %1 has a row before this one</source>
        <translation>カメラ %1 はこの行より前の行にあります</translation>
    </message>
    <message>
        <source>the row gives a %1 but no %2: give both or neither</source>
        <translation>行には %1 がありますが %2 がありません。両方指定するか、どちらも指定しないでください</translation>
    </message>
    <message>
        <source>it holds no camera: it needs a row after the header</source>
        <translation>カメラがありません。見出し行の後に行が必要です</translation>
    </message>
    <message>
        <source>row %1 (camera %2): %3</source>
        <translation>%1 行目（カメラ %2）：%3</translation>
    </message>
    <message>
        <source>row %1 (camera %2), column %3: %4</source>
        <translation>%1 行目（カメラ %2）、%3 列：%4</translation>
    </message>
    <message>
        <source>expected a date and time with its UTC offset, as %1, got %2</source>
        <translation>UTC オフセット付きの日時（例：%1）が必要ですが、%2 でした</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::CsvTable</name>
    <message>
        <source>line %1 has %2 fields, the header %3</source>
        <translation>%1 行目のフィールド数は %2、見出し行は %3 です</translation>
    </message>
    <message>
        <source>line %1: a quote inside a field that does not begin with one</source>
        <translation>%1 行目：引用符で始まらないフィールドの中に引用符があります</translation>
    </message>
    <message>
        <source>line %1: text after the closing quote of a field</source>
        <translation>%1 行目：フィールドの閉じ引用符の後に文字があります</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>%1 行目：引用符で囲まれたフィールドが閉じられていません</translation>
    </message>
    <message>
        <source>it is empty: it needs a header row</source>
        <translation>空です。見出し行が必要です</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>UTF-8 のテキストではありません</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::KitFiles</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>kestrova::fleet::LogValues</name>
    <message>
        <source>it holds %1 characters; at most %2 are taken</source>
        <translation>%1 文字あります。最大 %2 文字までです</translation>
    </message>
    <message>
        <source>it holds the character %1, which shows nothing, breaks the line or turns the text around</source>
        <translation>文字 %1 が含まれています。この文字は何も表示しないか、改行するか、文字列を逆向きにします</translation>
    </message>
    <message>
        <source>it begins with &quot;%1&quot;, which a spreadsheet takes for a formula</source>
        <translation>「%1」で始まっています。表計算ソフトはこれを数式と見なします</translation>
    </message>
</context>
</TS>

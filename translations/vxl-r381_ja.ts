<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Backups</name>
    <message>
        <source>is a symbolic link; backups are not written through one</source>
        <translation>シンボリックリンクです。バックアップはリンク経由では書き込みません</translation>
    </message>
    <message>
        <source>is not a directory</source>
        <translation>ディレクトリではありません</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>別のユーザーの所有です</translation>
    </message>
    <message>
        <source>the system names no data directory</source>
        <translation>システムがデータディレクトリを指定していません</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>no backup number is left; remove the backups with the highest numbers</source>
        <translation>空いているバックアップ番号がありません。番号の大きいバックアップを削除してください</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>The backup could not be written.
%1: %2</source>
        <translation>バックアップを書き込めませんでした。
%1: %2</translation>
    </message>
</context>
<context>
    <name>Comm</name>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Stable path</source>
        <translation>固定パス</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>メーカー</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB ID</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Choose the port under Radio &gt; Serial Port.</source>
        <translation>「無線機」&gt;「シリアルポート」でポートを選んでください。</translation>
    </message>
    <message>
        <source>%1: no such device. Plug the cable in, or choose the port under Radio &gt; Serial Port.</source>
        <translation>%1: デバイスがありません。ケーブルを接続するか、「無線機」&gt;「シリアルポート」でポートを選んでください。</translation>
    </message>
    <message>
        <source>%1: Permission denied. Add your user to the dialout group and log in again.</source>
        <translation>%1: アクセスが拒否されました。ユーザーを dialout グループに追加し、ログインし直してください。</translation>
    </message>
    <message>
        <source>%1: busy, another program is using it. Close that program and try again.</source>
        <translation>%1: 使用中です。別のプログラムが使っています。そのプログラムを終了してからやり直してください。</translation>
    </message>
    <message>
        <source>%1: busy, in use by %2. Close that program and try again.</source>
        <translation>%1: 使用中です（%2 が使用）。そのプログラムを終了してからやり直してください。</translation>
    </message>
    <message>
        <source>%1: no reply from the radio. Check the cable and the port under Radio &gt; Serial Port.</source>
        <translation>%1: 無線機から応答がありません。ケーブルと「無線機」&gt;「シリアルポート」のポートを確認してください。</translation>
    </message>
    <message>
        <source>%1: the radio held the line with flow control (XOFF) and did not release it in time, so the command could not be sent.</source>
        <translation>%1: 無線機がフロー制御（XOFF）で回線を止めたまま時間内に解除しなかったため、コマンドを送信できませんでした。</translation>
    </message>
    <message>
        <source>%1: the line hung up (%2). Check that the cable is still plugged in.</source>
        <translation>%1: 回線が切断されました（%2）。ケーブルが接続されているか確認してください。</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>そのようなファイルやディレクトリはありません</translation>
    </message>
    <message>
        <source>Find radio</source>
        <translation>無線機を検索</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>not valid %1 text (it starts with the %1 byte order mark)</source>
        <translation>有効な %1 テキストではありません（%1 のバイトオーダーマークで始まっています）</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>%1 MiB を超えています</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>%1 行目、%2 列目</translation>
    </message>
    <message>
        <source>%1: a field longer than %2 characters</source>
        <translation>%1: %2 文字を超えるフィールドがあります</translation>
    </message>
    <message>
        <source>%1: more than %2 columns</source>
        <translation>%1: 列が %2 を超えています</translation>
    </message>
    <message>
        <source>no rows</source>
        <translation>行がありません</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>no memory slot after PR</source>
        <translation>PR の後にメモリーチャンネルはありません</translation>
    </message>
    <message>
        <source>no Location</source>
        <translation>Location がありません</translation>
    </message>
    <message>
        <source>Location %1 is out of range (1..193, L1..U6, PR)</source>
        <translation>Location %1 は範囲外です（1..193、L1..U6、PR）</translation>
    </message>
    <message>
        <source>Location %1 is not a number or a label L1..U6, PR</source>
        <translation>Location %1 は数値でも L1..U6、PR のラベルでもありません</translation>
    </message>
    <message>
        <source>duplicate Location %1 (already on line %2)</source>
        <translation>Location %1 が重複しています（%2 行目で既出）</translation>
    </message>
    <message>
        <source>Tone %1: this radio has no DTCS</source>
        <translation>Tone %1: この無線機には DTCS がありません</translation>
    </message>
    <message>
        <source>Tone Cross (%1): this radio has no cross tone modes</source>
        <translation>Tone Cross (%1): この無線機にはクロストーンモードがありません</translation>
    </message>
    <message>
        <source>Tone TSQL-R: this radio has no reverse tone squelch</source>
        <translation>Tone TSQL-R: この無線機にはリバーストーンスケルチがありません</translation>
    </message>
    <message>
        <source>Tone %1 is not a tone mode</source>
        <translation>Tone %1 はトーンモードではありません</translation>
    </message>
    <message>
        <source>Frequency %1 is not a number</source>
        <translation>Frequency %1 は数値ではありません</translation>
    </message>
    <message>
        <source>Frequency %1 MHz is not in a band of this radio</source>
        <translation>Frequency %1 MHz はこの無線機のバンド外です</translation>
    </message>
    <message>
        <source>Offset %1 is not a number</source>
        <translation>Offset %1 は数値ではありません</translation>
    </message>
    <message>
        <source>stored as simplex: transmit %1</source>
        <translation>シンプレックスとして保存: 送信 %1</translation>
    </message>
    <message>
        <source>a memory channel shifts by the VFO offset of its band, %1 MHz, not by Offset %2 MHz</source>
        <translation>メモリーチャンネルのシフト幅はそのバンドの VFO オフセット %1 MHz で、Offset %2 MHz ではありません</translation>
    </message>
    <message>
        <source>stored as a split channel: transmit %1 (%2)</source>
        <translation>スプリットチャンネルとして保存: 送信 %1（%2）</translation>
    </message>
    <message>
        <source>Duplex off: this radio cannot inhibit transmitting</source>
        <translation>Duplex off: この無線機は送信禁止にできません</translation>
    </message>
    <message>
        <source>Duplex %1 is not a shift</source>
        <translation>Duplex %1 はシフトではありません</translation>
    </message>
    <message>
        <source>TStep %1 is not a number</source>
        <translation>TStep %1 は数値ではありません</translation>
    </message>
    <message>
        <source>TStep %1 kHz is not offered: %2</source>
        <translation>TStep %1 kHz は選べません: %2</translation>
    </message>
    <message>
        <source>TStep %1 does not hold %2: %3</source>
        <translation>TStep %1 では %2 を設定できません: %3</translation>
    </message>
    <message>
        <source>Frequency %1 -&gt; %2: no step of the radio holds it, the nearest on the %3 step</source>
        <translation>Frequency %1 -&gt; %2: 無線機のどのステップにも合わないため、%3 ステップで最も近い値</translation>
    </message>
    <message>
        <source>Mode %1: the radio chooses the mode by band</source>
        <translation>Mode %1: 無線機はバンドによってモードを決めます</translation>
    </message>
    <message>
        <source>Mode %1 is not available on this radio</source>
        <translation>Mode %1 はこの無線機では使えません</translation>
    </message>
    <message>
        <source>Skip S: %1 has no lock-out</source>
        <translation>Skip S: %1 にはスキップがありません</translation>
    </message>
    <message>
        <source>Skip P: this radio has no priority scan marks</source>
        <translation>Skip P: この無線機には優先スキャンの指定がありません</translation>
    </message>
    <message>
        <source>Skip %1 is not S or P</source>
        <translation>Skip %1 は S でも P でもありません</translation>
    </message>
    <message>
        <source>Name %1: %2 has no name</source>
        <translation>Name %1: %2 には名前がありません</translation>
    </message>
    <message>
        <source>Name %1 -&gt; %2</source>
        <translation>Name %1 -&gt; %2</translation>
    </message>
    <message>
        <source>the channel cannot be built</source>
        <translation>チャンネルを作成できません</translation>
    </message>
    <message>
        <source>TStep %1 -&gt; %2 on the 800 MHz band</source>
        <translation>TStep %1 -&gt; %2（800 MHz バンド）</translation>
    </message>
    <message>
        <source>transmit frequency %1 would become %2 on the %3 step</source>
        <translation>送信周波数 %1 は %3 ステップでは %2 になります</translation>
    </message>
    <message>
        <source>Frequency %1 -&gt; %2 (rounded to the step)</source>
        <translation>Frequency %1 -&gt; %2（ステップに丸め）</translation>
    </message>
    <message>
        <source>%1 cannot be a split channel (transmit %2)</source>
        <translation>%1 はスプリットチャンネルにできません（送信 %2）</translation>
    </message>
    <message>
        <source>transmit frequency %1 is not in the band of Frequency %2 MHz</source>
        <translation>送信周波数 %1 は Frequency %2 MHz と同じバンドにありません</translation>
    </message>
    <message>
        <source>no %1 %2 in the first row</source>
        <translation>1 行目に %1 %2 がありません</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>columns</source>
        <translation>列</translation>
    </message>
    <message>
        <source>column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>: applied</source>
        <translation>: 適用</translation>
    </message>
    <message>
        <source>: adjusted: </source>
        <translation>: 調整: </translation>
    </message>
    <message>
        <source>: refused: </source>
        <translation>: 拒否: </translation>
    </message>
    <message>
        <source>rows after the first %1 were not read</source>
        <translation>最初の %1 行より後は読み込んでいません</translation>
    </message>
    <message>
        <source>%1 applied, %2 adjusted, %3 refused</source>
        <translation>適用 %1、調整 %2、拒否 %3</translation>
    </message>
    <message>
        <source>1 pasted row would run past channel 180:</source>
        <translation>貼り付ける 1 行がチャンネル 180 を超えます:</translation>
    </message>
    <message>
        <source>%1 pasted rows would run past channel 180:</source>
        <translation>貼り付ける %1 行がチャンネル 180 を超えます:</translation>
    </message>
    <message>
        <source>
line %1</source>
        <translation>
%1 行目</translation>
    </message>
    <message>
        <source>: no channel after PR</source>
        <translation>: PR の後にチャンネルはありません</translation>
    </message>
    <message>
        <source> would go to %1</source>
        <translation> は %1 に入ります</translation>
    </message>
    <message>
        <source>, replacing %1 MHz</source>
        <translation>（%1 MHz を置き換え）</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... ほか %1 件</translation>
    </message>
    <message>
        <source>
Yes: paste them into %1..PR as well.
No: paste only the %2 row(s) up to 180.
Cancel: paste nothing.</source>
        <translation>
はい: %1..PR にも貼り付けます。
いいえ: 180 までの %2 行だけ貼り付けます。
キャンセル: 何も貼り付けません。</translation>
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
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>通常のファイル</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>ディレクトリ</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>キャラクターデバイス</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ブロックデバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>存在しません</translation>
    </message>
    <message>
        <source>File Open error.
%1: %2</source>
        <translation>ファイルを開けません。
%1: %2</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>ファイル名がありません</translation>
    </message>
    <message>
        <source>%1, not a regular file</source>
        <translation>%1 です（通常のファイルではありません）</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>%1 を超えています</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ディレクトリです</translation>
    </message>
</context>
<context>
    <name>QCoreApplication</name>
    <message>
        <source> OK writes them to the radio as they are.</source>
        <translation>OK を押すとそのまま無線機に書き込みます。</translation>
    </message>
</context>
<context>
    <name>RadioFinder</name>
    <message>
        <source>answered: QV-R381</source>
        <translation>応答あり: QV-R381</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>search stopped</source>
        <translation>検索を停止</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセス拒否</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>デバイスなし</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>シリアルデバイスではない</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>開けない</translation>
    </message>
    <message>
        <source>echoes what it receives</source>
        <translation>受信した内容をそのまま返す</translation>
    </message>
    <message>
        <source>answered: not a QV-R381</source>
        <translation>応答あり: QV-R381 ではない</translation>
    </message>
    <message>
        <source>line failed</source>
        <translation>回線エラー</translation>
    </message>
</context>
<context>
    <name>RuleBreaks</name>
    <message>
        <source>The radio&apos;s memory holds values outside the radio&apos;s rules. They were read as they are:</source>
        <translation>無線機のメモリーに無線機の規則外の値があります。そのまま読み込みました:</translation>
    </message>
    <message>
        <source>The memory holds values outside the radio&apos;s rules:</source>
        <translation>メモリーに無線機の規則外の値があります:</translation>
    </message>
    <message>
        <source>not 11 digits</source>
        <translation>11 桁ではありません</translation>
    </message>
    <message>
        <source>not below 1 GHz</source>
        <translation>1 GHz 未満ではありません</translation>
    </message>
    <message>
        <source>in no band of the radio</source>
        <translation>無線機のどのバンドにもありません</translation>
    </message>
    <message>
        <source>outside the band limits %1..%2 MHz</source>
        <translation>バンド範囲 %1..%2 MHz の外です</translation>
    </message>
    <message>
        <source>receive frequency %1 %2</source>
        <translation>受信周波数 %1: %2</translation>
    </message>
    <message>
        <source>step code &quot;%1&quot; is not 0..9</source>
        <translation>ステップコード「%1」が 0..9 ではありません</translation>
    </message>
    <message>
        <source>shift code &quot;%1&quot; is not 0..3</source>
        <translation>シフトコード「%1」が 0..3 ではありません</translation>
    </message>
    <message>
        <source>field %1 &quot;%2&quot; is not 0 or 1</source>
        <translation>フィールド %1「%2」が 0 または 1 ではありません</translation>
    </message>
    <message>
        <source>tone code &quot;%1&quot; is not 01..39</source>
        <translation>トーンコード「%1」が 01..39 ではありません</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; is not 9 digits</source>
        <translation>オフセット「%1」が 9 桁ではありません</translation>
    </message>
    <message>
        <source>lock-out &quot;%1&quot; is not 0 or 1</source>
        <translation>スキップ「%1」が 0 または 1 ではありません</translation>
    </message>
    <message>
        <source>transmit frequency %1 %2</source>
        <translation>送信周波数 %1: %2</translation>
    </message>
    <message>
        <source>transmit frequency %1 is not in the band of the receive frequency</source>
        <translation>送信周波数 %1 が受信周波数と同じバンドにありません</translation>
    </message>
    <message>
        <source>split step code &quot;%1&quot; is not the step code &quot;%2&quot;</source>
        <translation>スプリットのステップコード「%1」がステップコード「%2」と異なります</translation>
    </message>
    <message>
        <source>split step code without a transmit frequency</source>
        <translation>送信周波数のないスプリットステップコード</translation>
    </message>
    <message>
        <source>output power &quot;%1&quot; is not 0..3</source>
        <translation>送信出力「%1」が 0..3 ではありません</translation>
    </message>
    <message>
        <source>a split channel outside slots 001..180</source>
        <translation>001..180 以外のスプリットチャンネル</translation>
    </message>
    <message>
        <source>lock-out outside slots 001..180</source>
        <translation>001..180 以外のスキップ</translation>
    </message>
    <message>
        <source>a name outside slots 001..180 and PR</source>
        <translation>001..180 と PR 以外の名前</translation>
    </message>
    <message>
        <source>name &quot;%1&quot; breaks the name rule</source>
        <translation>名前「%1」が名前の規則に反しています</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ほか %1 件</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About VXL-R381</source>
        <translation>VXL-R381 について</translation>
    </message>
    <message>
        <source>QV-R381 Memory Editor</source>
        <translation>QV-R381 メモリーエディター</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Copyright (C) HALVORD. All rights reserved.</source>
        <translation>Copyright (C) HALVORD. All rights reserved.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes the About box.</source>
        <translation>バージョン情報を閉じます。</translation>
    </message>
    <message>
        <source>Program name, version and copyright.</source>
        <translation>プログラム名、バージョン、著作権表示。</translation>
    </message>
</context>
<context>
    <name>TApplicationShell</name>
    <message>
        <source>Unknown error.</source>
        <translation>不明なエラーです。</translation>
    </message>
</context>
<context>
    <name>TCALL</name>
    <message>
        <source>CALL Channel</source>
        <translation>コールチャンネル</translation>
    </message>
    <message>
        <source>Edit CALL VHF</source>
        <translation>コール VHF の編集</translation>
    </message>
    <message>
        <source>Edit CALL UHF</source>
        <translation>コール UHF の編集</translation>
    </message>
    <message>
        <source>The CALL channel edited, VHF or UHF; Page Up and Page Down move between them.</source>
        <translation>編集するコールチャンネル（VHF または UHF）。Page Up キーと Page Down キーで切り替えます。</translation>
    </message>
</context>
<context>
    <name>TChannelTable</name>
    <message>
        <source>Bulk Edit %1 Channel(s)</source>
        <translation>%1 チャンネルの一括編集</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>ステップ(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;hift</source>
        <translation>シフト(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tone/CTCSS</source>
        <translation>トーン/CTCSS(&amp;T)</translation>
    </message>
    <message>
        <source>T&amp;one Frequency</source>
        <translation>トーン周波数(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;CTCSS Frequency</source>
        <translation>CTCSS周波数(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <translation>スキップ(&amp;L)</translation>
    </message>
    <message>
        <source>Channel Table - VXL-R381</source>
        <translation>チャンネル表 - VXL-R381</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>検索(&amp;F):</translation>
    </message>
    <message>
        <source>name or frequency</source>
        <translation>名前または周波数</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>表(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Copy Rows as CSV</source>
        <translation>行をCSVとしてコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste Rows Here</source>
        <translation>ここに行を貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Paste Rows to Their &amp;Locations</source>
        <translation>行を元の位置に貼り付け(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Bulk Edit...</source>
        <translation>一括編集(&amp;B)...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>クリア(&amp;L)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下へ移動(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Swap Two Rows</source>
        <translation>2 行を入れ替え(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Insert empty slot here</source>
        <translation>ここに空きを挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Delete and close the &amp;gap</source>
        <translation>削除して詰める(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>無線機(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>%1 が見つかりました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; not found</source>
        <translation>「%1」は見つかりません</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>Slot %1 holds a channel.
</source>
        <translation>%1 にはチャンネルがあります。
</translation>
    </message>
    <message>
        <source>Swap %1 with it, or insert %1 here and move the channels from %2 on down to the next empty slot?</source>
        <translation>%1 と入れ替えますか、それとも %1 をここに挿入して %2 以降のチャンネルを次の空きまで下へずらしますか?</translation>
    </message>
    <message>
        <source>&amp;Swap</source>
        <translation>入れ替え(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Insert here</source>
        <translation>ここに挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Insert the %1 here and move the channels from %2 on down to the next empty slots?</source>
        <translation>%1 をここに挿入し、%2 以降のチャンネルを次の空きまで下へずらしますか?</translation>
    </message>
    <message>
        <source>%1 row(s) copied as CSV</source>
        <translation>%1 行をCSVとしてコピーしました</translation>
    </message>
    <message>
        <source>Paste cancelled: nothing changed</source>
        <translation>貼り付けを中止しました: 変更はありません</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>The step %1 would move these frequencies:
%2</source>
        <translation>ステップ %1 では次の周波数が変わります:
%2</translation>
    </message>
    <message>
        <source>

These channels keep their step, which holds their split Tx frequency: %1</source>
        <translation>

次のチャンネルはスプリットの送信周波数に合うステップのままにします: %1</translation>
    </message>
    <message>
        <source>

Apply the step anyway?</source>
        <translation>

それでもステップを適用しますか?</translation>
    </message>
    <message>
        <source>Bulk edit cancelled: nothing changed</source>
        <translation>一括編集を中止しました: 変更はありません</translation>
    </message>
    <message>
        <source>Select exactly two rows to swap.</source>
        <translation>入れ替える行をちょうど 2 行選んでください。</translation>
    </message>
    <message>
        <source>Value set in every chosen channel when %1 is ticked.</source>
        <translation>%1 にチェックを入れると、選んだすべてのチャンネルに設定する値です。</translation>
    </message>
    <message>
        <source>Sets %1 in every chosen channel.</source>
        <translation>選んだすべてのチャンネルに %1 を設定します。</translation>
    </message>
    <message>
        <source>Sets the ticked values in every chosen channel.</source>
        <translation>チェックを入れた値を、選んだすべてのチャンネルに設定します。</translation>
    </message>
    <message>
        <source>Closes the window without a change.</source>
        <translation>何も変更せずにウィンドウを閉じます。</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>A name or frequency to look for; Enter finds the next channel holding it.</source>
        <translation>検索する名前または周波数。Enter キーで、それを含む次のチャンネルを探します。</translation>
    </message>
    <message>
        <source>Finds the next channel holding the text.</source>
        <translation>この文字列を含む次のチャンネルを探します。</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Every memory channel with all its settings, one row each; typing or F2 edits the current cell.</source>
        <translation>すべてのメモリーチャンネルとその設定を 1 行に 1 チャンネルずつ表示します。文字を入力するか F2 キーを押すと、現在のセルを編集します。</translation>
    </message>
    <message>
        <source>Channel numbers</source>
        <translation>チャンネル番号</translation>
    </message>
    <message>
        <source>The channel column, kept in view while the table scrolls sideways.</source>
        <translation>チャンネルの列です。表を横にスクロールしても表示されたままです。</translation>
    </message>
    <message>
        <source>Outcome of the last change in the table.</source>
        <translation>表での最後の変更の結果。</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>ヘルプの目次(&amp;H)</translation>
    </message>
</context>
<context>
    <name>TChannelTableModel</name>
    <message>
        <source>Edit %1 %2</source>
        <translation>%1 %2 の編集</translation>
    </message>
    <message>
        <source>%1 %2 adjusted: %3</source>
        <translation>%1 %2 を調整: %3</translation>
    </message>
    <message>
        <source>%1 channel(s) changed</source>
        <translation>%1 チャンネルを変更しました</translation>
    </message>
    <message>
        <source>Swap %1 and %2</source>
        <translation>%1 と %2 の入れ替え</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 の移動</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>%1 を %2 へ移動</translation>
    </message>
    <message>
        <source>Insert %1 at %2</source>
        <translation>%1 を %2 に挿入</translation>
    </message>
    <message>
        <source>Move %1 Up</source>
        <translation>%1 を上へ移動</translation>
    </message>
    <message>
        <source>Move %1 Down</source>
        <translation>%1 を下へ移動</translation>
    </message>
    <message>
        <source>Insert Empty Slot %1</source>
        <translation>空き %1 の挿入</translation>
    </message>
    <message>
        <source>Delete %1 and Close the Gap</source>
        <translation>%1 を削除して詰める</translation>
    </message>
    <message>
        <source>No row could be pasted.
</source>
        <translation>貼り付けられる行がありません。
</translation>
    </message>
    <message>
        <source>Paste %1 Row(s)</source>
        <translation>%1 行の貼り付け</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 チャンネル</translation>
    </message>
</context>
<context>
    <name>TDTMF</name>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>チャンネル番号</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMFコード</translation>
    </message>
    <message>
        <source>Edit DTMF %1</source>
        <translation>DTMF %1 の編集</translation>
    </message>
    <message>
        <source>The DTMF memory edited, 0 to 9; Page Up and Page Down move between them.</source>
        <translation>編集する DTMF メモリー（0～9）。Page Up キーと Page Down キーで切り替えます。</translation>
    </message>
    <message>
        <source>Up to %1 characters: digits, A to D, * and #.</source>
        <translation>%1 文字まで: 数字、A～D、* と #。</translation>
    </message>
</context>
<context>
    <name>TDocumentHistory</name>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
</context>
<context>
    <name>TEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <translation>内容が変更されています。
変更を反映しますか? </translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>内容が変更されています。
変更を反映しますか?</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>周波数が正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>オフセットが正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>Invalid Memory name.
Please check and try again.</source>
        <translation>メモリー名が正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>周波数を丸めました。</translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>チャンネル番号が正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>使えない文字です。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>Stores the changes in the document and closes the window.</source>
        <translation>変更をドキュメントに反映して、ウィンドウを閉じます。</translation>
    </message>
    <message>
        <source>Closes the window; asks first whether to keep changes.</source>
        <translation>ウィンドウを閉じます。変更がある場合は、反映するかどうかを先に確認します。</translation>
    </message>
</context>
<context>
    <name>TFrequencyEditor</name>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>シンプレックス</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>プラスシフト</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>マイナスシフト</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>-7.6MHz シフト</translation>
    </message>
    <message>
        <source>Tone/CTCSS</source>
        <translation>トーン/CTCSS</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>トーン周波数</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS周波数</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>The band whose record is edited; Page Up and Page Down move between them.</source>
        <translation>編集するバンド。Page Up キーと Page Down キーで切り替えます。</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, for example 145.500; Enter checks it.</source>
        <translation>受信周波数（MHz）。例: 145.500。Enter キーで確認します。</translation>
    </message>
    <message>
        <source>Channel step that the frequency is rounded to.</source>
        <translation>周波数を丸めるチャンネルステップ。</translation>
    </message>
    <message>
        <source>Swaps the receive and the transmit frequency.</source>
        <translation>受信周波数と送信周波数を入れ替えます。</translation>
    </message>
    <message>
        <source>Transmits on the receive frequency.</source>
        <translation>受信周波数で送信します。</translation>
    </message>
    <message>
        <source>Transmits above the receive frequency by the offset.</source>
        <translation>受信周波数よりオフセットの分だけ高い周波数で送信します。</translation>
    </message>
    <message>
        <source>Transmits below the receive frequency by the offset.</source>
        <translation>受信周波数よりオフセットの分だけ低い周波数で送信します。</translation>
    </message>
    <message>
        <source>Transmits 7.6 MHz below the receive frequency.</source>
        <translation>受信周波数より 7.6 MHz 低い周波数で送信します。</translation>
    </message>
    <message>
        <source>Sends the tone frequency while transmitting.</source>
        <translation>送信中にトーン周波数を送出します。</translation>
    </message>
    <message>
        <source>Opens the squelch only for signals carrying the CTCSS frequency.</source>
        <translation>CTCSS 周波数を含む信号のときだけスケルチを開きます。</translation>
    </message>
    <message>
        <source>The tone sent when Tone is on.</source>
        <translation>トーンがオンのときに送出するトーン。</translation>
    </message>
    <message>
        <source>The tone the squelch waits for when CTCSS is on.</source>
        <translation>CTCSS がオンのときにスケルチが待ち受けるトーン。</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>VXL-R381 Help</source>
        <translation>VXL-R381 ヘルプ</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>検索(&amp;S):</translation>
    </message>
    <message>
        <source>Find in the manual (Ctrl+F)</source>
        <translation>マニュアル内を検索 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>前を検索</translation>
    </message>
    <message>
        <source>Topics of the manual; Enter shows the chosen topic.</source>
        <translation>マニュアルのトピック。Enter キーで選んだトピックを表示します。</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>The text of the manual; Tab moves between its links.</source>
        <translation>マニュアルの本文。Tab キーでリンクからリンクへ移動します。</translation>
    </message>
    <message>
        <source>Search the manual</source>
        <translation>マニュアルを検索</translation>
    </message>
    <message>
        <source>Words to find in the manual; Enter or F3 finds the next place, Shift+F3 the one before.</source>
        <translation>マニュアルで探す語句。Enter キーまたは F3 キーで次の箇所を、Shift+F3 キーで前の箇所を探します。</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>見つかりません: %1</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>File Open error.</source>
        <translation>ファイルを開けません。</translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation>データが変更されています。
変更を保存しますか?</translation>
    </message>
    <message>
        <source>the name does not end in &quot;.381&quot;</source>
        <translation>名前が「.381」で終わっていません</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Nothing to paste.
</source>
        <translation>貼り付けるものがありません。
</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 の貼り付け</translation>
    </message>
    <message>
        <source>Paste %1 rows</source>
        <translation>%1 行の貼り付け</translation>
    </message>
    <message>
        <source>Some pasted rows were adjusted or refused.
</source>
        <translation>貼り付けた行の一部を調整または拒否しました。
</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Paste: %1</source>
        <translation>貼り付け: %1</translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation>この操作はできません。</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 の切り取り</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 の削除</translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation>VFO %1</translation>
    </message>
    <message>
        <source>CALL VHF</source>
        <translation>コール VHF</translation>
    </message>
    <message>
        <source>CALL UHF</source>
        <translation>コール UHF</translation>
    </message>
    <message>
        <source>DTMF %1</source>
        <translation>DTMF %1</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV のインポート</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV のエクスポート</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>ディレクトリです</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>バックアップを開く</translation>
    </message>
    <message>
        <source>Offset : %1MHz</source>
        <translation>オフセット : %1MHz</translation>
    </message>
    <message>
        <source>Tx Frequency : %1MHz</source>
        <translation>送信周波数 : %1MHz</translation>
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
        <translation>%1 は使えません。
COM ポートの状態を確認してください。</translation>
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
        <translation>シリアルトレースを停止(&amp;T)</translation>
    </message>
    <message>
        <source>Serial &amp;Trace...</source>
        <translation>シリアルトレース(&amp;T)...</translation>
    </message>
    <message>
        <source>Tracing the serial port into %1</source>
        <translation>シリアルポートを %1 に記録しています</translation>
    </message>
    <message>
        <source>Cannot write the trace file.</source>
        <translation>トレースファイルを書き込めません。</translation>
    </message>
    <message>
        <source>Serial Trace</source>
        <translation>シリアルトレース</translation>
    </message>
    <message>
        <source>Text files (*.txt *.log);;All files (*)</source>
        <translation>テキストファイル (*.txt *.log);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Invalid COM port.
Please check comport status.</source>
        <translation>COM ポートが正しくありません。
COM ポートの状態を確認してください。</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>無線機から読み込み</translation>
    </message>
    <message>
        <source>Invalid COM port.
Please check and try again.</source>
        <translation>COM ポートが正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>無線機へ書き込み</translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation>データを無線機に書き込みますか?</translation>
    </message>
    <message>
        <source>Do you want to open the backup taken before the write?
%1
It holds the whole memory meant for the radio; write it again once the radio answers.</source>
        <translation>書き込み前に作成したバックアップを開きますか?
%1
無線機に書き込むはずだったメモリー全体が入っています。無線機が応答するようになったら、もう一度書き込んでください。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>バックアップを開く(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSVをインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>CSVをエクスポート(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Export &amp;Listing as PDF...</source>
        <translation>リストをPDFでエクスポート(&amp;L)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>無線機(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>Serial &amp;Port...</source>
        <translation>シリアルポート(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Channel Table</source>
        <translation>チャンネル表(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>ヘルプの目次(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Memory Channel</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>CALL Channel</source>
        <translation>コールチャンネル</translation>
    </message>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source> ch.</source>
        <translation> ch.</translation>
    </message>
    <message>
        <source> RX Frequency</source>
        <translation> 受信周波数</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> 名前</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMFコード</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Edit Comment</source>
        <translation>コメントの編集</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>既定のプリンターがありません。</translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>プリンターを開けませんでした。</translation>
    </message>
    <message>
        <source>The listing could not be printed.</source>
        <translation>リストを印刷できませんでした。</translation>
    </message>
    <message>
        <source>Export Listing as PDF</source>
        <translation>リストをPDFでエクスポート</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF ファイル (*.pdf);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The listing could not be exported.</source>
        <translation>リストをエクスポートできませんでした。</translation>
    </message>
    <message>
        <source>The listing could not be exported.
%1: the file could not be written.</source>
        <translation>リストをエクスポートできませんでした。
%1: ファイルを書き込めませんでした。</translation>
    </message>
    <message>
        <source>%1
%2 applied, %3 adjusted, %4 refused.</source>
        <translation>%1
適用 %2、調整 %3、拒否 %4。</translation>
    </message>
    <message>
        <source>
OK stores the applied and adjusted rows; slots the file does not name keep their content. Cancel stores nothing.</source>
        <translation>
OK で適用・調整した行を保存します。ファイルにないチャンネルは内容をそのまま残します。キャンセルでは何も保存しません。</translation>
    </message>
    <message>
        <source>
No row can be stored.</source>
        <translation>
保存できる行がありません。</translation>
    </message>
    <message>
        <source>VXL-R381 Files(*.381)</source>
        <translation>VXL-R381 ファイル(*.381)</translation>
    </message>
    <message>
        <source> [Radio]</source>
        <translation> [無線機]</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>No such file or directory; it is removed from the recent files</source>
        <translation>そのようなファイルやディレクトリはありません。最近使ったファイルの一覧から削除します</translation>
    </message>
    <message>
        <source>not a .381 file; only data files can be dropped here</source>
        <translation>.381 ファイルではありません。ここにドロップできるのはデータファイルだけです</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>最近使ったファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>最近使ったファイルをクリア(&amp;C)</translation>
    </message>
    <message>
        <source>The memory of the radio: memory channels, VFOs, CALL channels, DTMF memories and a comment.</source>
        <translation>無線機のメモリー: メモリーチャンネル、VFO、コールチャンネル、DTMF メモリー、コメント。</translation>
    </message>
    <message>
        <source>Starts a new document with the default channels.</source>
        <translation>既定のチャンネルで新しいドキュメントを作成します。</translation>
    </message>
    <message>
        <source>Opens a data file.</source>
        <translation>データファイルを開きます。</translation>
    </message>
    <message>
        <source>Saves the document to its data file.</source>
        <translation>ドキュメントをそのデータファイルに保存します。</translation>
    </message>
    <message>
        <source>Prints the channel listing.</source>
        <translation>チャンネルのリストを印刷します。</translation>
    </message>
    <message>
        <source>Reads the whole memory of the radio into the document.</source>
        <translation>無線機のメモリー全体をドキュメントに読み込みます。</translation>
    </message>
    <message>
        <source>Writes the whole document into the radio.</source>
        <translation>ドキュメント全体を無線機に書き込みます。</translation>
    </message>
    <message>
        <source>Copies the selected row to the clipboard and empties it.</source>
        <translation>選んだ行をクリップボードにコピーして、その行を空にします。</translation>
    </message>
    <message>
        <source>Copies the selected row to the clipboard.</source>
        <translation>選んだ行をクリップボードにコピーします。</translation>
    </message>
    <message>
        <source>Puts the row on the clipboard into the selected row.</source>
        <translation>クリップボードの行を選んだ行に貼り付けます。</translation>
    </message>
    <message>
        <source>Enter opens the editor of the selected row.</source>
        <translation>Enter キーで選んだ行のエディターを開きます。</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Memory channels 1 to 180, L1 to U6 and PR with their receive frequency and name.</source>
        <translation>メモリーチャンネル 1～180、L1～U6、PR とその受信周波数と名前。</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>The VFO of each band with its receive frequency.</source>
        <translation>各バンドの VFO とその受信周波数。</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>コールチャンネル</translation>
    </message>
    <message>
        <source>The VHF and the UHF CALL channel with their receive frequency.</source>
        <translation>VHF と UHF のコールチャンネルとその受信周波数。</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>DTMF memories 0 to 9 with their codes.</source>
        <translation>DTMF メモリー 0～9 とそのコード。</translation>
    </message>
    <message>
        <source>A one-line comment saved with the document.</source>
        <translation>ドキュメントと一緒に保存される 1 行のコメント。</translation>
    </message>
    <message>
        <source>Selected row details</source>
        <translation>選んだ行の詳細</translation>
    </message>
    <message>
        <source>Details of the selected row of the active list.</source>
        <translation>アクティブな一覧で選んだ行の詳細。</translation>
    </message>
    <message>
        <source>Transmit frequency, or the offset of a VFO</source>
        <translation>送信周波数、または VFO のオフセット</translation>
    </message>
    <message>
        <source>Shift direction; R for reverse</source>
        <translation>シフトの方向。R はリバース</translation>
    </message>
    <message>
        <source>Tone or CTCSS frequency</source>
        <translation>トーン周波数または CTCSS 周波数</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>File, Radio, Edit, View and Help commands.</source>
        <translation>ファイル、無線機、編集、表示、ヘルプの各コマンド。</translation>
    </message>
    <message>
        <source>Export the listing as a PDF file instead?</source>
        <translation>代わりにリストを PDF ファイルにエクスポートしますか?</translation>
    </message>
</context>
<context>
    <name>TMemory</name>
    <message>
        <source>Memory Channel</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>メモリーチャンネル番号</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリー名</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 の編集</translation>
    </message>
    <message>
        <source>The channel edited: 1 to 180, L1 to U6 or PR; Page Up and Page Down move between channels.</source>
        <translation>編集するチャンネル: 1～180、L1～U6、PR。Page Up キーと Page Down キーでチャンネルを切り替えます。</translation>
    </message>
    <message>
        <source>Next or previous channel</source>
        <translation>次または前のチャンネル</translation>
    </message>
    <message>
        <source>Moves to the next or the previous channel, as Page Up and Page Down do.</source>
        <translation>Page Up キーや Page Down キーと同じく、次または前のチャンネルに移動します。</translation>
    </message>
    <message>
        <source>The name the radio shows for the channel.</source>
        <translation>無線機がこのチャンネルに表示する名前。</translation>
    </message>
    <message>
        <source>The radio skips the channel when scanning.</source>
        <translation>スキャン時に無線機がこのチャンネルを飛ばします。</translation>
    </message>
</context>
<context>
    <name>TPortListModel</name>
    <message>
        <source>answered: QV-R381</source>
        <translation>応答あり: QV-R381</translation>
    </message>
</context>
<context>
    <name>TReadForm</name>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Reading data from the Radio.</source>
        <translation>無線機からデータを読み込んでいます。</translation>
    </message>
</context>
<context>
    <name>TSerialPortForm</name>
    <message>
        <source>Serial Port</source>
        <translation>シリアルポート</translation>
    </message>
    <message>
        <source>&amp;Devices present:</source>
        <translation>接続されているデバイス(&amp;D):</translation>
    </message>
    <message>
        <source>Other device &amp;path:</source>
        <translation>その他のデバイスパス(&amp;P):</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0, /dev/serial/by-id/..., a link</source>
        <translation>/dev/ttyUSB0、/dev/serial/by-id/...、リンク</translation>
    </message>
    <message>
        <source>&amp;Use for:</source>
        <translation>使用するポート(&amp;U):</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <translation>%1（現在 %2）</translation>
    </message>
    <message>
        <source>Find &amp;radio</source>
        <translation>無線機を検索(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Stop search</source>
        <translation>検索を停止(&amp;S)</translation>
    </message>
    <message>
        <source>No device to try: plug the cable in or type the device path.</source>
        <translation>試すデバイスがありません。ケーブルを接続するか、デバイスのパスを入力してください。</translation>
    </message>
    <message>
        <source>Trying %1 (%2 of %3)...</source>
        <translation>%1 を試しています（%3 個中 %2 個目）...</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>検索を停止しました。</translation>
    </message>
    <message numerus="yes">
        <source>No radio answered on the %n device(s) tried.</source>
        <translation>
            <numerusform>試した %n 個のデバイスのどれにも無線機は応答しませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio answers on %1.</source>
        <translation>無線機は %1 で応答しています。</translation>
    </message>
    <message>
        <source>Choose a device in the list or type its path.</source>
        <translation>一覧からデバイスを選ぶか、パスを入力してください。</translation>
    </message>
    <message>
        <source>Devices present</source>
        <translation>接続されているデバイス</translation>
    </message>
    <message>
        <source>Serial devices found on this computer; choose the one the radio is on.</source>
        <translation>このコンピューターで見つかったシリアルデバイス。無線機がつながっているものを選んでください。</translation>
    </message>
    <message>
        <source>Other device path</source>
        <translation>その他のデバイスパス</translation>
    </message>
    <message>
        <source>Path of a device that is not in the list.</source>
        <translation>一覧にないデバイスのパス。</translation>
    </message>
    <message>
        <source>Use for</source>
        <translation>使用するポート</translation>
    </message>
    <message>
        <source>The port name, COM1 or COM2, that the chosen device is used for.</source>
        <translation>選んだデバイスを割り当てるポート名（COM1 または COM2）。</translation>
    </message>
    <message>
        <source>Asks each device in turn whether a radio answers.</source>
        <translation>各デバイスに順に、無線機が応答するかどうかを問い合わせます。</translation>
    </message>
    <message>
        <source>Stops the search for the radio.</source>
        <translation>無線機の検索を停止します。</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>検索の進行状況</translation>
    </message>
    <message>
        <source>How many devices have been asked.</source>
        <translation>問い合わせたデバイスの数。</translation>
    </message>
    <message>
        <source>Outcome of the search for the radio.</source>
        <translation>無線機の検索の結果。</translation>
    </message>
    <message>
        <source>Uses the chosen device and closes the window.</source>
        <translation>選んだデバイスを使用して、ウィンドウを閉じます。</translation>
    </message>
    <message>
        <source>Closes the window without a change.</source>
        <translation>何も変更せずにウィンドウを閉じます。</translation>
    </message>
    <message>
        <source>trying...</source>
        <translation>試行中...</translation>
    </message>
</context>
<context>
    <name>TSplitChannelEditor</name>
    <message>
        <source>Tx Frequency</source>
        <translation>送信周波数</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>スプリットチャンネル</translation>
    </message>
    <message>
        <source>Transmit frequency in MHz of a split channel.</source>
        <translation>スプリットチャンネルの送信周波数（MHz）。</translation>
    </message>
    <message>
        <source>Transmits on the Tx Frequency instead of a shift.</source>
        <translation>シフトではなく送信周波数で送信します。</translation>
    </message>
</context>
<context>
    <name>TTransferForm</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Reads the whole memory of the radio into the document.</source>
        <translation>無線機のメモリー全体をドキュメントに読み込みます。</translation>
    </message>
    <message>
        <source>Writes the whole document into the memory of the radio.</source>
        <translation>ドキュメント全体を無線機のメモリーに書き込みます。</translation>
    </message>
    <message>
        <source>Where the transfer stands</source>
        <translation>転送の状況</translation>
    </message>
    <message>
        <source>Read progress</source>
        <translation>読み込みの進行状況</translation>
    </message>
    <message>
        <source>Write progress</source>
        <translation>書き込みの進行状況</translation>
    </message>
    <message>
        <source>How much of the memory has been transferred</source>
        <translation>メモリーのうち転送が済んだ割合</translation>
    </message>
    <message>
        <source>Stops reading; what has been read so far stays in the document</source>
        <translation>読み込みを中止します。それまでに読み込んだ内容はドキュメントに残ります</translation>
    </message>
    <message>
        <source>Stops writing; the radio keeps what it has been sent so far</source>
        <translation>書き込みを中止します。それまでに送った内容は無線機に残ります</translation>
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
        <translation>オフセット</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Output Power</source>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>High</source>
        <translation>ハイ</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>ミドル</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>ロー</translation>
    </message>
    <message>
        <source>Edit VFO %1</source>
        <translation>VFO %1 の編集</translation>
    </message>
    <message>
        <source>Distance in MHz between the receive and the transmit frequency of a shift.</source>
        <translation>シフトするときの受信周波数と送信周波数の差（MHz）。</translation>
    </message>
    <message>
        <source>Transmit power of the band.</source>
        <translation>このバンドの送信出力。</translation>
    </message>
</context>
<context>
    <name>TWelcome</name>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>Memory Channel Editor for QV-R381</source>
        <translation>QV-R381 用メモリーチャンネルエディター</translation>
    </message>
</context>
<context>
    <name>TWriteForm</name>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Writing data to the Radio.</source>
        <translation>無線機にデータを書き込んでいます。</translation>
    </message>
</context>
<context>
    <name>TableRules</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Tone/CTCSS</source>
        <translation>トーン/CTCSS</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>トーン周波数</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS周波数</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 の設定</translation>
    </message>
    <message>
        <source>Bulk Edit</source>
        <translation>一括編集</translation>
    </message>
    <message>
        <source>: shift kept: </source>
        <translation>: シフトは変更せず: </translation>
    </message>
    <message>
        <source>: split transmit frequency %1 MHz dropped</source>
        <translation>: スプリットの送信周波数 %1 MHz を削除</translation>
    </message>
    <message>
        <source>: no lock-out on this channel</source>
        <translation>: このチャンネルにはスキップがありません</translation>
    </message>
    <message>
        <source>Select one or more channels first.</source>
        <translation>先にチャンネルを 1 つ以上選んでください。</translation>
    </message>
    <message>
        <source>Nothing to change.</source>
        <translation>変更する項目がありません。</translation>
    </message>
    <message>
        <source>Invalid Step.</source>
        <translation>ステップが正しくありません。</translation>
    </message>
    <message>
        <source>Invalid tone frequency.</source>
        <translation>トーン周波数が正しくありません。</translation>
    </message>
    <message>
        <source>: step kept: it would move the split Tx frequency %1 MHz to %2 MHz</source>
        <translation>: ステップは変更せず: スプリットの送信周波数 %1 MHz が %2 MHz に変わるため</translation>
    </message>
    <message>
        <source>: not changed: </source>
        <translation>: 変更なし: </translation>
    </message>
    <message>
        <source>: step set to %1 on this band</source>
        <translation>: このバンドではステップを %1 にしました</translation>
    </message>
    <message>
        <source>: frequency rounded to the step: %1 MHz</source>
        <translation>: 周波数をステップに丸めました: %1 MHz</translation>
    </message>
    <message>
        <source>%1 empty slot(s) left as they are</source>
        <translation>空きチャンネル %1 個はそのままです</translation>
    </message>
    <message>
        <source>Tx %1 MHz is not in the band of Rx %2 MHz.</source>
        <translation>送信 %1 MHz が受信 %2 MHz と同じバンドにありません。</translation>
    </message>
    <message>
        <source>Tx %1 MHz is outside the band limits %2-%3 MHz.</source>
        <translation>送信 %1 MHz がバンド範囲 %2-%3 MHz の外です。</translation>
    </message>
    <message>
        <source>Tx %1 MHz lies in a range this radio does not use.</source>
        <translation>送信 %1 MHz はこの無線機が使わない範囲です。</translation>
    </message>
    <message>
        <source>There is no such cell.</source>
        <translation>そのセルはありません。</translation>
    </message>
    <message>
        <source>A channel&apos;s number cannot be typed over; move the row instead.</source>
        <translation>チャンネル番号は上書きできません。行を移動してください。</translation>
    </message>
    <message>
        <source>Slot %1 is empty: enter a receive frequency first.</source>
        <translation>%1 は空です。先に受信周波数を入力してください。</translation>
    </message>
    <message>
        <source>Enter a receive frequency; use Clear to empty a slot.</source>
        <translation>受信周波数を入力してください。チャンネルを空にするにはクリアを使います。</translation>
    </message>
    <message>
        <source>
Change or clear the Tx frequency first.</source>
        <translation>
先に送信周波数を変更または消去してください。</translation>
    </message>
    <message>
        <source>-7.6MHz Shift needs 300 MHz or more: now Simplex</source>
        <translation>-7.6MHz シフトには 300 MHz 以上が必要です: シンプレックスにしました</translation>
    </message>
    <message>
        <source>Invalid Step.
Choose one of %1.</source>
        <translation>ステップが正しくありません。
%1 のいずれかを選んでください。</translation>
    </message>
    <message>
        <source>To split a channel, enter its transmit frequency in the Tx Frequency column.</source>
        <translation>スプリットにするには、送信周波数の列に送信周波数を入力してください。</translation>
    </message>
    <message>
        <source>Invalid Shift.
Choose Simplex, Plus, Minus or -7.6MHz.</source>
        <translation>シフトが正しくありません。
Simplex、Plus、Minus、-7.6MHz のいずれかを選んでください。</translation>
    </message>
    <message>
        <source>split transmit frequency %1 MHz dropped</source>
        <translation>スプリットの送信周波数 %1 MHz を削除</translation>
    </message>
    <message>
        <source>Reverse is On or Off.</source>
        <translation>リバースは On か Off です。</translation>
    </message>
    <message>
        <source>A split channel has no reverse.</source>
        <translation>スプリットチャンネルにはリバースがありません。</translation>
    </message>
    <message>
        <source>Tone/CTCSS is Off, Tone or CTCSS.</source>
        <translation>トーン/CTCSS は Off、Tone、CTCSS のいずれかです。</translation>
    </message>
    <message>
        <source>Invalid tone frequency.
Choose one of %1.</source>
        <translation>トーン周波数が正しくありません。
%1 のいずれかを選んでください。</translation>
    </message>
    <message>
        <source>Only channels 001..180 can be split.</source>
        <translation>スプリットにできるのはチャンネル 001..180 だけです。</translation>
    </message>
    <message>
        <source>Tx %1 MHz lies on no step of the radio together with Rx %2 MHz.</source>
        <translation>送信 %1 MHz と受信 %2 MHz の両方に合うステップがありません。</translation>
    </message>
    <message>
        <source>step set to %1, which holds both frequencies</source>
        <translation>両方の周波数に合うステップ %1 にしました</translation>
    </message>
    <message>
        <source>%1 replaced by the split</source>
        <translation>%1 をスプリットに置き換えました</translation>
    </message>
    <message>
        <source>reverse turned off</source>
        <translation>リバースをオフにしました</translation>
    </message>
    <message>
        <source>Lock Out applies to channels 001..180 only.</source>
        <translation>スキップはチャンネル 001..180 だけに使えます。</translation>
    </message>
    <message>
        <source>Lock Out is On or Off.</source>
        <translation>スキップは On か Off です。</translation>
    </message>
    <message>
        <source>Channels L1..U6 carry no name.</source>
        <translation>チャンネル L1..U6 には名前がありません。</translation>
    </message>
    <message>
        <source>Invalid Memory name.
Please check and try again.
Up to 7 characters A-Z, 0-9 and space, each may be followed by one &apos;.&apos;.</source>
        <translation>メモリー名が正しくありません。
確認してやり直してください。
A-Z、0-9、スペースで 7 文字まで。各文字の後に &apos;.&apos; を 1 つ付けられます。</translation>
    </message>
    <message>
        <source>name written in capitals: %1</source>
        <translation>名前を大文字にしました: %1</translation>
    </message>
    <message>
        <source>This change would move the split Tx frequency %1 MHz to %2 MHz.</source>
        <translation>この変更ではスプリットの送信周波数 %1 MHz が %2 MHz に変わります。</translation>
    </message>
    <message>
        <source>step set to %1 on this band</source>
        <translation>このバンドではステップを %1 にしました</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>周波数を丸めました。</translation>
    </message>
    <message>
        <source> Rx %1 MHz</source>
        <translation> 受信 %1 MHz</translation>
    </message>
    <message>
        <source>, Tx %1 MHz</source>
        <translation>、送信 %1 MHz</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>送信周波数</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>A channel&apos;s number is its slot: drag the row, or use Move Up, Move Down or Swap.</source>
        <translation>チャンネル番号は位置そのものです。行をドラッグするか、上へ移動・下へ移動・入れ替えを使ってください。</translation>
    </message>
    <message>
        <source>A memory channel shifts by its band&apos;s VFO offset; change it in the VFO editor.</source>
        <translation>メモリーチャンネルのシフト幅はバンドの VFO オフセットです。VFO エディターで変更してください。</translation>
    </message>
    <message>
        <source>A split channel has no reverse; clear its Tx Frequency first.</source>
        <translation>スプリットチャンネルにはリバースがありません。先に送信周波数を消去してください。</translation>
    </message>
    <message>
        <source>Only channels 001..180 move, insert and close up; use Swap for L1..U6 and PR.</source>
        <translation>移動・挿入・詰めができるのはチャンネル 001..180 だけです。L1..U6 と PR には入れ替えを使ってください。</translation>
    </message>
    <message>
        <source>This radio type offers no -7.6MHz Shift.</source>
        <translation>この無線機のタイプには -7.6MHz シフトがありません。</translation>
    </message>
    <message>
        <source>The -7.6MHz Shift needs a frequency of 300 MHz or more.</source>
        <translation>-7.6MHz シフトには 300 MHz 以上の周波数が必要です。</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>オフセットが正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>A simplex or split channel has no offset; choose Plus or Minus Shift first.</source>
        <translation>シンプレックスやスプリットのチャンネルにはオフセットがありません。先にプラスかマイナスのシフトを選んでください。</translation>
    </message>
    <message>
        <source>The -7.6MHz Shift always shifts by 7.60 MHz.</source>
        <translation>-7.6MHz シフトのシフト幅は常に 7.60 MHz です。</translation>
    </message>
    <message>
        <source>A memory channel shifts by the VFO offset of its band, %1 MHz; change that offset in the VFO editor.</source>
        <translation>メモリーチャンネルのシフト幅はバンドの VFO オフセット %1 MHz です。このオフセットは VFO エディターで変更してください。</translation>
    </message>
    <message>
        <source>Invalid Memory name.
Please check and try again.</source>
        <translation>メモリー名が正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>周波数が正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>split</source>
        <translation>スプリット</translation>
    </message>
    <message>
        <source>lock-out</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>%1: %2 dropped (from %3)</source>
        <translation>%1: %2 を削除（%3 から）</translation>
    </message>
    <message>
        <source>Choose two different slots to swap.</source>
        <translation>入れ替える 2 つの異なる位置を選んでください。</translation>
    </message>
    <message>
        <source>There is no such slot.</source>
        <translation>その位置はありません。</translation>
    </message>
    <message>
        <source>%1 channel(s) do not fit from %2 on.</source>
        <translation>%2 以降に %1 チャンネルは入りません。</translation>
    </message>
    <message>
        <source>Slot %1 holds a channel.</source>
        <translation>%1 にはチャンネルがあります。</translation>
    </message>
    <message>
        <source>There are not enough empty slots from %1 to 180 to insert here.
Delete or move a channel first.</source>
        <translation>%1 から 180 までに、ここへ挿入するだけの空きがありません。
先にチャンネルを削除または移動してください。</translation>
    </message>
    <message>
        <source>Channel 001 is the first; nothing moves above it.</source>
        <translation>チャンネル 001 が先頭です。それより上へは移動できません。</translation>
    </message>
    <message>
        <source>Channel 180 is the last; nothing moves below it.</source>
        <translation>チャンネル 180 が最後です。それより下へは移動できません。</translation>
    </message>
    <message>
        <source>Slot %1 holds a channel: inserting would push it out of 001..180.
Delete or move it first.</source>
        <translation>%1 にはチャンネルがあります。挿入すると 001..180 からはみ出します。
先に削除または移動してください。</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>memory channel %1</source>
        <translation>メモリーチャンネル %1</translation>
    </message>
    <message>
        <source>memory channel PR</source>
        <translation>メモリーチャンネル PR</translation>
    </message>
    <message>
        <source>the wake-up line</source>
        <translation>起動用の空行</translation>
    </message>
    <message>
        <source>the identification</source>
        <translation>識別</translation>
    </message>
    <message>
        <source>the radio type</source>
        <translation>無線機のタイプ</translation>
    </message>
    <message>
        <source>the band limits</source>
        <translation>バンド範囲</translation>
    </message>
    <message>
        <source>CALL channel %1</source>
        <translation>コールチャンネル %1</translation>
    </message>
    <message>
        <source>VFO band %1</source>
        <translation>VFO バンド %1</translation>
    </message>
    <message>
        <source>DTMF memory %1</source>
        <translation>DTMF メモリー %1</translation>
    </message>
    <message>
        <source>the closing &quot;PS&quot; commands</source>
        <translation>最後の「PS」コマンド</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>終わり</translation>
    </message>
    <message>
        <source>%1: the radio echoes what it receives.</source>
        <translation>%1: 無線機が受信した内容をそのまま返しています。</translation>
    </message>
    <message>
        <source>%1: the radio is not a QV-R381.</source>
        <translation>%1: 無線機は QV-R381 ではありません。</translation>
    </message>
    <message>
        <source>%1: no reply from the radio.</source>
        <translation>%1: 無線機から応答がありません。</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>何も変更していません。</translation>
    </message>
    <message>
        <source>Invalid reply from the radio.
The reply to &quot;%1&quot; %2.</source>
        <translation>無線機からの応答が正しくありません。
「%1」への応答: %2。</translation>
    </message>
    <message>
        <source>has no 11-digit frequency</source>
        <translation>11 桁の周波数がありません</translation>
    </message>
    <message>
        <source>has no one-digit code in field %1</source>
        <translation>フィールド %1 に 1 桁のコードがありません</translation>
    </message>
    <message>
        <source>has a control character in field %1</source>
        <translation>フィールド %1 に制御文字があります</translation>
    </message>
    <message>
        <source>has more than %1 characters in field %2</source>
        <translation>フィールド %2 が %1 文字を超えています</translation>
    </message>
    <message>
        <source>has no two-digit tone code in field %1</source>
        <translation>フィールド %1 に 2 桁のトーンコードがありません</translation>
    </message>
    <message>
        <source>has no 9-digit offset in field 11</source>
        <translation>フィールド 11 に 9 桁のオフセットがありません</translation>
    </message>
    <message>
        <source>has %1 fields instead of 13</source>
        <translation>フィールドが 13 ではなく %1 個です</translation>
    </message>
    <message>
        <source>is for slot &quot;%1&quot;</source>
        <translation>位置「%1」のものです</translation>
    </message>
    <message>
        <source>has no one-digit lock-out</source>
        <translation>1 桁のスキップがありません</translation>
    </message>
    <message>
        <source>is no transmit frequency and step</source>
        <translation>送信周波数とステップではありません</translation>
    </message>
    <message>
        <source>is longer than a name</source>
        <translation>名前より長いです</translation>
    </message>
    <message>
        <source>holds a character no name has</source>
        <translation>名前に使えない文字があります</translation>
    </message>
    <message>
        <source>has %1 fields instead of 11</source>
        <translation>フィールドが 11 ではなく %1 個です</translation>
    </message>
    <message>
        <source>has %1 fields instead of 12</source>
        <translation>フィールドが 12 ではなく %1 個です</translation>
    </message>
    <message>
        <source>is for band &quot;%1&quot;</source>
        <translation>バンド「%1」のものです</translation>
    </message>
    <message>
        <source>is no output power code</source>
        <translation>送信出力のコードではありません</translation>
    </message>
    <message>
        <source>is not DTMF memory %1</source>
        <translation>DTMF メモリー %1 ではありません</translation>
    </message>
    <message>
        <source>has a DTMF code longer than 16 characters</source>
        <translation>DTMF コードが 16 文字を超えています</translation>
    </message>
    <message>
        <source>has a character no DTMF code has</source>
        <translation>DTMF コードに使えない文字があります</translation>
    </message>
    <message>
        <source>does not start with the echo &quot;%1&quot;</source>
        <translation>エコー「%1」で始まっていません</translation>
    </message>
    <message>
        <source>is no radio type</source>
        <translation>無線機のタイプではありません</translation>
    </message>
    <message>
        <source>is no band limit list</source>
        <translation>バンド範囲の一覧ではありません</translation>
    </message>
    <message>
        <source>Invalid COM port.
Please check and try again.</source>
        <translation>COM ポートが正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>通信タイムアウトエラーです。</translation>
    </message>
    <message>
        <source>Invalid the radio.
Please check and try again.</source>
        <translation>無線機が正しくありません。
確認してやり直してください。</translation>
    </message>
    <message>
        <source>The radio echoes what it receives.
Every command came back unanswered: please check the cable and the radio, and try again.</source>
        <translation>無線機が受信した内容をそのまま返しています。
どのコマンドにも応答がありません。ケーブルと無線機を確認してやり直してください。</translation>
    </message>
    <message>
        <source>%1: &quot;ID&quot; came back as it was sent.</source>
        <translation>%1: 「ID」が送ったまま返ってきました。</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>無線機には何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The radio took the whole memory; only the closing &quot;PS 1&quot; went unanswered.</source>
        <translation>無線機はメモリー全体を受け取りました。最後の「PS 1」だけ応答がありませんでした。</translation>
    </message>
    <message>
        <source>The radio took the whole memory; the closing &quot;PS 0&quot; went unanswered and &quot;PS 1&quot; was not sent.</source>
        <translation>無線機はメモリー全体を受け取りました。最後の「PS 0」に応答がなく、「PS 1」は送信していません。</translation>
    </message>
    <message>
        <source>The radio answered none of the memory sent; %1 may have changed, the rest is its old memory.</source>
        <translation>送ったメモリーに無線機は一度も応答しませんでした。%1 は変わったかもしれません。それ以外は元のメモリーのままです。</translation>
    </message>
    <message>
        <source>The radio took the memory up to %1; it now holds old and new memory mixed.</source>
        <translation>無線機は %1 までのメモリーを受け取りました。現在は新旧のメモリーが混在しています。</translation>
    </message>
</context>
</TS>

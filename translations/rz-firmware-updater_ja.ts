<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AttemptState</name>
    <message>
        <source>pending</source>
        <translation>未完了</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>中断</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>update: write even where the instrument holds newer firmware.</source>
        <translation>update: 機器により新しい
ファームウェアが入っていても書き込む。</translation>
    </message>
    <message>
        <source>history: only this instrument&apos;s attempts.</source>
        <translation>history: この機器の試行のみ。</translation>
    </message>
    <message>
        <source>history: only attempts started on this day (UTC) or later.</source>
        <translation>history: この日 (UTC) 以降に開始した
試行のみ。</translation>
    </message>
    <message>
        <source>history: the attempts as CSV, a header row first.</source>
        <translation>history: 試行を CSV で出力
(先頭に見出し行)。</translation>
    </message>
    <message>
        <source>--serial, --since and --csv go with history only.</source>
        <translation>--serial、--since、--csv は history でのみ使えます。</translation>
    </message>
    <message>
        <source>--serial: expected a serial number above 0, not %1.</source>
        <translation>--serial: 0 より大きいシリアル番号を指定してください (%1 ではなく)。</translation>
    </message>
    <message>
        <source>--model: expected one of %1, not %2.</source>
        <translation>--model: %1 のいずれかを指定してください (%2 ではなく)。</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>このヘルプを表示して終了する。</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>バージョンを表示して終了する。</translation>
    </message>
    <message>
        <source>No display to open the window on; use a command instead: rz-firmware-updater check | update | restore (see --help).</source>
        <translation>ウィンドウを開くディスプレイがありません。代わりにコマンドを使ってください: rz-firmware-updater check | update | restore (--help を参照)。</translation>
    </message>
    <message>
        <source>restore: the model to bootstrap when nothing answers; history, pending: only this model&apos;s.</source>
        <translation>restore: 何も応答しないときに
ブートストラップするモデル。
history、pending: このモデルの分のみ。</translation>
    </message>
    <message>
        <source>pending: let the record of this instrument&apos;s unfinished update go.</source>
        <translation>pending: この機器の完了しなかった
更新の記録を破棄する。</translation>
    </message>
    <message>
        <source>--discard goes with pending only.</source>
        <translation>--discard は pending でのみ使えます。</translation>
    </message>
    <message>
        <source>Brings the one connected instrument to the firmware this release carries.

Commands:
  check     find the instrument and compare its firmware with this release
  update    check, then write what differs
  restore   check, bootstrapping the named model if nothing answers, then
            rewrite every component of an instrument in boot mode;
            without --model, the one update on record that did not
            finish names the model, if there is exactly one
  history   every update and restore on record, newest first
  pending   the updates on record that did not finish; --discard lets
            one go
  release   what the release carries and who signed it, without an
            instrument

Exit codes:
   0  done: up to date, or written successfully
   1  a write or a query failed
   2  bad usage
   3  no instrument found
   4  refused before any write (no release found, firmware not signed by a
      trusted key, newer firmware without --allow-downgrade, unknown model,
      missing or corrupt image, restore of a working instrument, update of
      one that needs a restore, another updater running on the machine);
      release: the release is refused
   5  the instrument stopped answering: a call to it did not return within
      its time; the next update or restore of that instrument finishes
      the update on record
  10  check: an update is available
  11  check: a restore is needed
  128+N  stopped by signal N (130 SIGINT, 129 SIGHUP, 131 SIGQUIT,
      143 SIGTERM): at once before anything was erased, otherwise once
      the firmware being written was written successfully (a stop during
      a write that failed exits 1)

A command that fails or refuses prints its reason on standard error too,
after the program&apos;s name.

Without a command the window opens.</source>
        <translation>接続されている 1 台の機器を、このリリースのファームウェアにします。

コマンド:
  check     機器を探し、そのファームウェアをこのリリースと比較する
  update    確認してから、異なる部分を書き込む
  restore   確認し、何も応答しなければ指定したモデルをブートストラップ
            してから、ブートモードの機器の全コンポーネントを書き直す。
            --model がなければ、記録にある完了しなかった更新が 1 件
            だけの場合に限り、モデルはその記録から分かる
  history   記録にあるすべての更新と復元 (新しい順)
  pending   記録にある完了しなかった更新。--discard でそのうち
            1 件を破棄する
  release   リリースの内容と署名者を、機器なしで表示する

終了コード:
   0  完了: 最新、または書き込みに成功
   1  書き込みまたは問い合わせに失敗
   2  使い方の誤り
   3  機器が見つからない
   4  書き込み前に拒否 (ファームウェアが見つからない、
      信頼できる鍵で署名されていないファームウェア、
      --allow-downgrade なしの新しいファームウェア、不明なモデル、
      イメージの欠落または破損、正常な機器の復元、復元が必要な機器の
      更新、このマシンで別のアップデーターが実行中)
      release: リリースが拒否された
   5  機器が応答しなくなった: 呼び出しが時間内に戻らなかった。完了
      しなかった更新は記録に残り、その機器の次の更新または復元で
      完了する
  10  check: 更新がある
  11  check: 復元が必要
  128+N  シグナル N で停止 (130 SIGINT、129 SIGHUP、131 SIGQUIT、
      143 SIGTERM): 何も消去していなければ直ちに、そうでなければ
      書き込み中のファームウェアの書き込みが成功した時点で (失敗する
      書き込み中の停止は 1 で終了)

失敗または拒否したコマンドは、その理由を標準エラー出力にも
プログラム名に続けて出力します。

コマンドなしではウィンドウが開きます。</translation>
    </message>
    <message>
        <source>check, update, restore, history, pending or release</source>
        <translation>check、update、restore、
history、pending または release</translation>
    </message>
    <message>
        <source>check, update, restore, release: the release in this folder (relative to the working folder) rather than ./firmware or the installed one.</source>
        <translation>check、update、restore、release:
./firmware やインストール済みのリリースではなく、
このフォルダー (作業フォルダーからの相対) のリリースを使う。</translation>
    </message>
    <message>
        <source>Print one JSON report on standard output at the end; the lines go to standard error. history, pending: the rows as JSON. release: what the release carries as JSON.</source>
        <translation>最後に JSON レポートを 1 つ標準出力に
出力する。各行は標準エラー出力に出る。
history、pending: 一覧を JSON で出力。
release: リリースの内容を JSON で出力。</translation>
    </message>
    <message>
        <source>check, update, restore, release: print only the verdict line; reasons still go to standard error.</source>
        <translation>check、update、restore、release:
判定の行だけを出力する。理由は引き続き
標準エラー出力に出る。</translation>
    </message>
    <message>
        <source>Expected one command: check, update, restore, history, pending or release (see --help).</source>
        <translation>コマンドを 1 つ指定してください: check、update、restore、history、pending または release (--help を参照)。</translation>
    </message>
    <message>
        <source>--quiet goes with check, update, restore and release, without --json.</source>
        <translation>--quiet は check、update、restore、release でのみ、--json なしで使えます。</translation>
    </message>
    <message>
        <source>--firmware goes with check, update, restore and release.</source>
        <translation>--firmware は check、update、restore、release でのみ使えます。</translation>
    </message>
    <message>
        <source>--firmware: expected the release&apos;s folder.</source>
        <translation>--firmware: リリースのフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>check, update, restore: standard output is a stream of JSON objects, one a line, as the run goes: its lines, steps, progress and stop notices, then the report --json prints.</source>
        <translation>check、update、restore: 標準出力を
JSON オブジェクトの流れにする
(1 行に 1 つ)。実行中に行、ステップ、
進捗、停止の通知を出し、最後に
--json のレポートを出力する。</translation>
    </message>
    <message>
        <source>--events goes with check, update and restore only.</source>
        <translation>--events は check、update、restore でのみ使えます。</translation>
    </message>
    <message>
        <source>--events and --json do not go together: the events end with the report --json prints.</source>
        <translation>--events と --json は同時に使えません: イベントは --json が出力するレポートで終わります。</translation>
    </message>
    <message>
        <source>--events and --quiet do not go together: the events carry the verdict.</source>
        <translation>--events と --quiet は同時に指定できません。イベントに判定が含まれています。</translation>
    </message>
</context>
<context>
    <name>DeviceSelectorDialog</name>
    <message>
        <source>Device Select</source>
        <translation>デバイスの選択</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Unable to open device. If the device is not connected to the PC, please connect the device and restart this application. If you want to bootstrap your device, please select your device type below.</source>
        <translation>デバイスを開けません。デバイスが PC に接続されていない場合は、接続してからこのアプリケーションを再起動してください。デバイスをブートストラップする場合は、下からデバイスの種類を選択してください。</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>開始 (UTC)</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>From</source>
        <translation>更新前</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>No update attempts on record.</source>
        <translation>記録された更新の試行はありません。</translation>
    </message>
    <message>
        <source>--serial: expected a serial number above 0, not %1.</source>
        <translation>--serial: 0 より大きいシリアル番号を指定してください (%1 ではなく)。</translation>
    </message>
    <message>
        <source>--since: expected a date as YYYY-MM-DD, not %1.</source>
        <translation>--since: 日付を YYYY-MM-DD で指定してください (%1 ではなく)。</translation>
    </message>
    <message>
        <source>--json and --csv cannot be combined.</source>
        <translation>--json と --csv は同時に指定できません。</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>From</source>
        <translation>更新前</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Update History</source>
        <translation>更新履歴</translation>
    </message>
    <message>
        <source>Update history</source>
        <translation>更新履歴</translation>
    </message>
    <message>
        <source>any</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>&amp;Serial number:</source>
        <translation>シリアル番号(&amp;S):</translation>
    </message>
    <message>
        <source>Open Session Log</source>
        <translation>セッションログを開く</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV に書き出す...</translation>
    </message>
    <message>
        <source>The history could not be read.</source>
        <translation>履歴を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV に書き出す</translation>
    </message>
    <message>
        <source>The history could not be saved to %1.

%2</source>
        <translation>履歴を %1 に保存できませんでした。

%2</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>The session log could not be opened. It is:

%1</source>
        <translation>セッションログを開けませんでした。場所:

%1</translation>
    </message>
</context>
<context>
    <name>LogMenu</name>
    <message>
        <source>Update History...</source>
        <translation>更新履歴...</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>すべてコピー</translation>
    </message>
    <message>
        <source>Save Log As...</source>
        <translation>ログに名前を付けて保存...</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>Save Log As</source>
        <translation>ログに名前を付けて保存</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>ログの保存</translation>
    </message>
    <message>
        <source>The log could not be saved to %1.

%2</source>
        <translation>ログを %1 に保存できませんでした。

%2</translation>
    </message>
    <message>
        <source>The log folder could not be opened. It is:

%1</source>
        <translation>ログフォルダーを開けませんでした。場所:

%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 Firmware Updater</source>
        <translation>%1 ファームウェア更新ツール</translation>
    </message>
</context>
<context>
    <name>OperatorText</name>
    <message>
        <source>Elapsed %1</source>
        <translation>経過時間 %1</translation>
    </message>
    <message>
        <source>Checking Firmware Versions...</source>
        <translation>ファームウェアのバージョンを確認しています...</translation>
    </message>
    <message>
        <source>Failed to open boot device.</source>
        <translation>ブートデバイスを開けませんでした。</translation>
    </message>
    <message>
        <source>Checking firmware version
Estimated 30 seconds
Please Wait</source>
        <translation>ファームウェアのバージョンを確認しています
所要時間の目安 30 秒
お待ちください</translation>
    </message>
    <message>
        <source>Looking to bootstrap device.</source>
        <translation>デバイスのブートストラップを試みます。</translation>
    </message>
    <message>
        <source>The last update of %1 serial %2 did not finish.</source>
        <translation>%1 (シリアル番号 %2) の前回の更新は完了していません。</translation>
    </message>
    <message>
        <source>The instrument that answers is not the one whose update did not finish.</source>
        <translation>応答している機器は、更新が完了しなかった機器ではありません。</translation>
    </message>
    <message>
        <source>Bootstrapping Device
Please Wait...</source>
        <translation>デバイスをブートストラップしています
お待ちください...</translation>
    </message>
    <message>
        <source>Failed to detect device.</source>
        <translation>デバイスを検出できませんでした。</translation>
    </message>
    <message>
        <source>Cycle the power on the device, restart the firmware updater,  and try again.</source>
        <translation>デバイスの電源を入れ直し、ファームウェア更新ツールを再起動してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>If you continue to receive this message, contact Pellanor.</source>
        <translation>このメッセージが繰り返し表示される場合は、Pellanor にお問い合わせください。</translation>
    </message>
    <message>
        <source>Attempting to bootstrap firmware.</source>
        <translation>ファームウェアのブートストラップを試みています。</translation>
    </message>
    <message>
        <source>Found serial %1</source>
        <translation>シリアル番号 %1 を検出しました</translation>
    </message>
    <message>
        <source>Firmware can now be restored.</source>
        <translation>ファームウェアを復元できるようになりました。</translation>
    </message>
    <message>
        <source>Press Restore to continue.</source>
        <translation>続行するには「復元」を押してください。</translation>
    </message>
    <message>
        <source>Found %1</source>
        <translation>%1 を検出しました</translation>
    </message>
    <message>
        <source>Serial %1, with firmware %2</source>
        <translation>シリアル番号 %1、ファームウェア %2</translation>
    </message>
    <message>
        <source>This release has no firmware for this device type.</source>
        <translation>このリリースには、この種類のデバイス用のファームウェアがありません。</translation>
    </message>
    <message>
        <source>The last update of this instrument did not finish.</source>
        <translation>この機器の前回の更新は完了していません。</translation>
    </message>
    <message>
        <source>Firmware requires update.</source>
        <translation>ファームウェアの更新が必要です。</translation>
    </message>
    <message>
        <source>Press Update to continue.</source>
        <translation>続行するには「更新」を押してください。</translation>
    </message>
    <message>
        <source>Firmware does not require update.</source>
        <translation>ファームウェアの更新は不要です。</translation>
    </message>
    <message>
        <source>Cancelling operation.</source>
        <translation>操作を取り消します。</translation>
    </message>
    <message>
        <source>Firmware can now be updated.</source>
        <translation>ファームウェアを更新できるようになりました。</translation>
    </message>
    <message>
        <source>Updating Firmware</source>
        <translation>ファームウェアを更新しています</translation>
    </message>
    <message>
        <source>Updating Device
DO NOT UNPLUG THE DEVICE
This process can take several minutes
Please Wait...</source>
        <translation>デバイスを更新しています
デバイスを取り外さないでください
この処理には数分かかることがあります
お待ちください...</translation>
    </message>
    <message>
        <source>Restoring Device</source>
        <translation>デバイスを復元しています</translation>
    </message>
    <message>
        <source>Performing Device Restore
DO NOT UNPLUG DEVICE
This process will take up to 10 minutes
Please Wait...</source>
        <translation>デバイスを復元しています
デバイスを取り外さないでください
この処理には最大 10 分かかります
お待ちください...</translation>
    </message>
    <message>
        <source>Could not clear the update record: %1</source>
        <translation>更新記録を消去できませんでした: %1</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>ファームウェアの更新に成功しました。</translation>
    </message>
    <message>
        <source>Firmware updated unsuccessfully.</source>
        <translation>ファームウェアの更新に失敗しました。</translation>
    </message>
    <message>
        <source>Check device connections and re-run the software.</source>
        <translation>デバイスの接続を確認し、ソフトウェアを再実行してください。</translation>
    </message>
    <message>
        <source>If problem persists, contact Pellanor.</source>
        <translation>問題が解決しない場合は、Pellanor にお問い合わせください。</translation>
    </message>
    <message>
        <source>You may now close the software.</source>
        <translation>ソフトウェアを終了してかまいません。</translation>
    </message>
    <message>
        <source>Cannot record the update before writing: %1</source>
        <translation>書き込み前に更新を記録できません: %1</translation>
    </message>
    <message>
        <source>Failed presetting the instrument.</source>
        <translation>機器のプリセットに失敗しました。</translation>
    </message>
    <message>
        <source>Failed Clearing</source>
        <translation>消去に失敗しました</translation>
    </message>
    <message>
        <source>Failed Writing</source>
        <translation>書き込みに失敗しました</translation>
    </message>
    <message>
        <source>The connected instrument is not the one checked; nothing was written.</source>
        <translation>接続されている機器は確認した機器ではありません。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Cannot use the key file %1.</source>
        <translation>鍵ファイル %1 を使用できません。</translation>
    </message>
    <message>
        <source>The firmware in %1 is not signed; nothing will be written.</source>
        <translation>%1 のファームウェアは署名されていません。何も書き込みません。</translation>
    </message>
    <message>
        <source>Cannot read the revoked keys in %1; no key is trusted.</source>
        <translation>%1 の失効した鍵を読み込めません。どの鍵も信頼しません。</translation>
    </message>
    <message>
        <source>The firmware in %1 is not signed by a trusted key; nothing will be written.</source>
        <translation>%1 のファームウェアは信頼できる鍵で署名されていません。何も書き込みません。</translation>
    </message>
    <message>
        <source>Cannot keep a private copy of the firmware: %1</source>
        <translation>ファームウェアの専用コピーを保持できません: %1</translation>
    </message>
    <message>
        <source>Missing firmware image: %1</source>
        <translation>ファームウェアイメージがありません: %1</translation>
    </message>
    <message>
        <source>Firmware image does not match the release checksum: %1</source>
        <translation>ファームウェアイメージがリリースのチェックサムと一致しません: %1</translation>
    </message>
    <message>
        <source>%1 firmware updater</source>
        <translation>%1 ファームウェア更新ツール</translation>
    </message>
    <message>
        <source>Using RZ API version %1</source>
        <translation>RZ API バージョン %1 を使用</translation>
    </message>
    <message>
        <source>Please read below before continuing.</source>
        <translation>続行する前に、以下をお読みください。</translation>
    </message>
    <message>
        <source>Updates %1 to firmware version %2</source>
        <translation>%1 をファームウェア バージョン %2 に更新します</translation>
    </message>
    <message>
        <source>Ensure only one Pellanor device is connected to the PC.</source>
        <translation>PC に接続されている Pellanor デバイスが 1 台だけであることを確認してください。</translation>
    </message>
    <message>
        <source>Do NOT disconnect the device at any time during the update.</source>
        <translation>更新中は、どの時点でもデバイスを絶対に取り外さないでください。</translation>
    </message>
    <message>
        <source>Disconnecting the device during an update can leave your device in an unoperable state.</source>
        <translation>更新中にデバイスを取り外すと、デバイスが動作しなくなることがあります。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Connect %1 devices over %2.</source>
        <translation>%1 デバイスは %2 で接続してください。</translation>
    </message>
    <message>
        <source>Could not keep a log file: %1</source>
        <translation>ログファイルを保持できませんでした: %1</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>シンボリックリンク</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>名前付きパイプ</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイスファイル</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>%1 is %2, not a file.</source>
        <translation>%1 はファイルではなく、%2 です。</translation>
    </message>
    <message>
        <source>The update history could not be read: %1</source>
        <translation>更新履歴を読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>%1 was replaced while it was being opened.</source>
        <translation>%1 は開いている間に置き換えられました。</translation>
    </message>
    <message>
        <source>it fails its integrity check</source>
        <translation>整合性チェックに失敗しました</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id could not be kept: %1</source>
        <translation>更新履歴の最大の試行 ID を保持できませんでした: %1</translation>
    </message>
    <message>
        <source>The update history could not be read; it was kept as %1 and a new one started.</source>
        <translation>更新履歴を読み込めませんでした。%1 として保管し、新しい履歴を開始しました。</translation>
    </message>
    <message>
        <source>The update history could not be written: %1</source>
        <translation>更新履歴に書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>The instrument needs a restore; use restore.</source>
        <translation>機器の復元が必要です。restore を使用してください。</translation>
    </message>
    <message>
        <source>The instrument answers normally; use update.</source>
        <translation>機器は正常に応答しています。update を使用してください。</translation>
    </message>
    <message>
        <source>No instrument answers. To bootstrap it, name its model: restore --model %1.</source>
        <translation>応答する機器がありません。ブートストラップするには、モデルを指定してください: restore --model %1。</translation>
    </message>
    <message>
        <source>No instrument answers. If one is connected, restore --model MODEL can bootstrap it.</source>
        <translation>応答する機器がありません。機器が接続されている場合は、restore --model MODEL でブートストラップできます。</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>clearing %1</source>
        <translation>%1 の消去</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>%1 の書き込み</translation>
    </message>
    <message>
        <source>Skipping %1, already current version.</source>
        <translation>%1 は最新のバージョンのため、スキップします。</translation>
    </message>
    <message>
        <source>Failed writing %1.</source>
        <translation>%1 の書き込みに失敗しました。</translation>
    </message>
    <message>
        <source>Updating %1, estimated %2.</source>
        <translation>%1 を更新しています (所要時間の目安 %2)。</translation>
    </message>
    <message>
        <source>asking the device library its version</source>
        <translation>デバイスライブラリのバージョンの問い合わせ</translation>
    </message>
    <message>
        <source>The instrument stopped answering while %1: no answer for %2.</source>
        <translation>%1中に機器が応答しなくなりました: %2 応答がありません。</translation>
    </message>
    <message>
        <source>Still working: %1 for %2, estimated %3; keep the instrument connected.</source>
        <translation>処理中: %1 (経過 %2、目安 %3)。機器を接続したままにしてください。</translation>
    </message>
    <message>
        <source>closing the instrument</source>
        <translation>機器を閉じる処理</translation>
    </message>
    <message>
        <source>opening the instrument</source>
        <translation>機器を開く処理</translation>
    </message>
    <message>
        <source>listing the instruments</source>
        <translation>機器の一覧取得</translation>
    </message>
    <message>
        <source>reading the firmware number</source>
        <translation>ファームウェア番号の読み取り</translation>
    </message>
    <message>
        <source>reading the FPGA status</source>
        <translation>FPGA の状態の読み取り</translation>
    </message>
    <message>
        <source>Failed to retrieve firmware versions.</source>
        <translation>ファームウェアのバージョンを取得できませんでした。</translation>
    </message>
    <message>
        <source>FPGA failed to load.</source>
        <translation>FPGA を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Cannot Find Device</source>
        <translation>デバイスが見つかりません</translation>
    </message>
    <message>
        <source>Unable to find device.</source>
        <translation>デバイスが見つかりません。</translation>
    </message>
    <message>
        <source>Failed to open device.</source>
        <translation>デバイスを開けませんでした。</translation>
    </message>
    <message>
        <source>presetting the instrument</source>
        <translation>機器のプリセット</translation>
    </message>
    <message>
        <source>bootstrapping the instrument</source>
        <translation>機器のブートストラップ</translation>
    </message>
    <message>
        <source>reading the serial number from flash</source>
        <translation>フラッシュからのシリアル番号の読み取り</translation>
    </message>
    <message>
        <source>FX3</source>
        <translation>FX3</translation>
    </message>
    <message>
        <source>FX3 program</source>
        <translation>FX3 プログラム</translation>
    </message>
    <message>
        <source>Failed clearing boot FX3 device.</source>
        <translation>ブート FX3 の消去に失敗しました。</translation>
    </message>
    <message>
        <source>FPGA</source>
        <translation>FPGA</translation>
    </message>
    <message>
        <source>Failed clearing FPGA.</source>
        <translation>FPGA の消去に失敗しました。</translation>
    </message>
    <message>
        <source>reading the device type</source>
        <translation>デバイスの種類の読み取り</translation>
    </message>
    <message>
        <source>reading the firmware versions</source>
        <translation>ファームウェアのバージョンの読み取り</translation>
    </message>
    <message>
        <source>reading the serial number</source>
        <translation>シリアル番号の読み取り</translation>
    </message>
    <message>
        <source>Failed to retrieve serial number.</source>
        <translation>シリアル番号を取得できませんでした。</translation>
    </message>
    <message>
        <source>Failed to read the boot device&apos;s serial number or type.</source>
        <translation>ブートデバイスのシリアル番号または種類を読み取れませんでした。</translation>
    </message>
    <message>
        <source>boot Fx3</source>
        <translation>ブート Fx3</translation>
    </message>
    <message>
        <source>Failed clearing boot Fx3 device.</source>
        <translation>ブート Fx3 の消去に失敗しました。</translation>
    </message>
    <message>
        <source>run Fx3</source>
        <translation>実行 Fx3</translation>
    </message>
    <message>
        <source>run Fx3 device</source>
        <translation>実行 Fx3</translation>
    </message>
    <message>
        <source>Failed clearing run Fx3.</source>
        <translation>実行 Fx3 の消去に失敗しました。</translation>
    </message>
    <message>
        <source>Failed to open RZ.</source>
        <translation>RZ を開けませんでした。</translation>
    </message>
    <message>
        <source>Looking for RZ boot device...</source>
        <translation>RZ ブートデバイスを探しています...</translation>
    </message>
    <message>
        <source>Failed to open RZ boot device.</source>
        <translation>RZ ブートデバイスを開けませんでした。</translation>
    </message>
    <message>
        <source>Cannot read the update record: %1; every component will be rewritten.</source>
        <translation>更新記録を読み込めません: %1。すべてのコンポーネントを書き直します。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 は %2 です</translation>
    </message>
    <message>
        <source>Updates are recorded for this account only: %1</source>
        <translation>更新はこのアカウントにのみ記録されます: %1</translation>
    </message>
    <message>
        <source>Cannot take the updater lock: %1</source>
        <translation>更新ツールのロックを取得できません: %1</translation>
    </message>
    <message>
        <source>Another firmware updater is already running.</source>
        <translation>別のファームウェア更新ツールが既に実行中です。</translation>
    </message>
    <message>
        <source>Firmware is being written; stopping now could leave the instrument unusable. The updater will stop when the write ends, in at most %1.</source>
        <translation>ファームウェアを書き込み中です。今停止すると機器が使用できなくなるおそれがあります。書き込みが終わった時点で更新ツールを停止します（最長で残り%1）。</translation>
    </message>
    <message>
        <source>Firmware is being written; the updater cannot be paused now. The write goes on.</source>
        <translation>ファームウェアを書き込み中のため、今は更新ツールを一時停止できません。書き込みを続けます。</translation>
    </message>
    <message>
        <source>Invalid device type</source>
        <translation>無効なデバイスの種類</translation>
    </message>
    <message>
        <source>%1: it is not a minisign public key</source>
        <translation>%1: minisign の公開鍵ではありません</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1、%2 行目</translation>
    </message>
    <message>
        <source>The %1 ended as %2; the log says why.</source>
        <translation>コマンド %1 は「%2」で終了しました。理由はログを参照してください。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Could not record the device library&apos;s calls: %1: %2</source>
        <translation>デバイスライブラリの呼び出しを記録できませんでした: %1: %2</translation>
    </message>
    <message>
        <source>Firmware is being written; stopping now could leave the instrument unusable. The updater will stop when the write ends, in at most %1; still to write: %2.</source>
        <translation>ファームウェアを書き込み中です。今停止すると機器が使用できなくなるおそれがあります。書き込みが終わった時点で更新ツールを停止します（最長で残り%1。これから書き込むもの: %2）。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list of components</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Stopped before anything was erased.</source>
        <translation>何も消去する前に停止しました。</translation>
    </message>
    <message>
        <source>The verified copy of the firmware cannot be used (%1); the device library was not called.</source>
        <translation>検証済みのファームウェアのコピーを使用できません（%1）。デバイスライブラリは呼び出されませんでした。</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 がなくなりました</translation>
    </message>
    <message>
        <source>%1 was changed</source>
        <translation>%1 が変更されました</translation>
    </message>
    <message>
        <source>cannot enter %1: %2</source>
        <translation>%1 に入れません: %2</translation>
    </message>
    <message>
        <source>RZ_STALL_SCALE must be a number from 0.001 to 1000, not &quot;%1&quot;.</source>
        <translation>RZ_STALL_SCALE は 0.001 から 1000 までの数値でなければなりません（「%1」は使えません）。</translation>
    </message>
    <message>
        <source>The firmware in %1 cannot be checked: %2; nothing will be written.</source>
        <translation>%1 のファームウェアを検証できません: %2。何も書き込みません。</translation>
    </message>
    <message>
        <source>its attempt ids are used up</source>
        <translation>試行 ID を使い切っています</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id in %1 is beyond any it can hold; it is left out.</source>
        <translation>%1 にある更新履歴の最大の試行 ID は、履歴が扱える範囲を超えています。無視します。</translation>
    </message>
    <message>
        <source>The update history&apos;s highest attempt id in %1 is beyond any it can hold; it was kept as %2.</source>
        <translation>%1 にある更新履歴の最大の試行 ID は、履歴が扱える範囲を超えています。%2 として保管しました。</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>%1 KiB を超えるファイル</translation>
    </message>
    <message>
        <source>%1: it is %2</source>
        <translation>%1: %2 です</translation>
    </message>
    <message>
        <source>%1 must be an absolute path, not &quot;%2&quot;.</source>
        <translation>%1 は絶対パスでなければなりません（「%2」は使えません）。</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater restore` to continue.</source>
        <translation>続行するには `rz-firmware-updater restore` を実行してください。</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater update --allow-downgrade` to continue.</source>
        <translation>続行するには `rz-firmware-updater update --allow-downgrade` を実行してください。</translation>
    </message>
    <message>
        <source>Run `rz-firmware-updater update` to continue.</source>
        <translation>続行するには `rz-firmware-updater update` を実行してください。</translation>
    </message>
    <message>
        <source>Using the firmware installed with the updater: %1</source>
        <translation>ファームウェア更新ツールと共にインストールされたファームウェアを使用します: %1</translation>
    </message>
    <message>
        <source>No firmware found in %1 or in %2; nothing will be written.</source>
        <translation>%1 にも %2 にもファームウェアが見つかりません。何も書き込みません。</translation>
    </message>
    <message>
        <source>Showing this account&apos;s own update history, kept in %1: %2</source>
        <translation>このアカウント自身の更新履歴（%1 に保存）を表示しています: %2</translation>
    </message>
    <message>
        <source>%1 holds newer firmware than this release; to write this release anyway, run `rz-firmware-updater update --allow-downgrade`.</source>
        <translation>%1 にはこのリリースより新しいファームウェアが入っています。それでもこのリリースを書き込むには `rz-firmware-updater update --allow-downgrade` を実行してください。</translation>
    </message>
    <message>
        <source>%1 now holds firmware %2.</source>
        <translation>%1 のファームウェアは %2 になりました。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers, not even to a bootstrap as %1.</source>
        <translation>機器が見つかりません: %1 としてのブートストラップにも応答する機器がありません。</translation>
    </message>
    <message>
        <source>This release has no firmware for the instrument of serial %1, which reports the device type %2.</source>
        <translation>このリリースには、デバイスタイプ %2 を報告するシリアル番号 %1 の機器用のファームウェアがありません。</translation>
    </message>
    <message>
        <source>Stopped before anything was erased on %1.</source>
        <translation>%1 で何も消去しないうちに停止しました。</translation>
    </message>
    <message>
        <source>The verified copy of the firmware for %1 cannot be used (%2); the device library was not called.</source>
        <translation>%1 用のファームウェアの検証済みコピーを使用できません（%2）。デバイスライブラリは呼び出されていません。</translation>
    </message>
    <message>
        <source>Cannot record the update of %1 before writing: %2</source>
        <translation>書き込み前に %1 の更新を記録できません: %2</translation>
    </message>
    <message>
        <source>Failed presetting %1.</source>
        <translation>%1 のプリセットに失敗しました。</translation>
    </message>
    <message>
        <source>Failed clearing %1 of %2.</source>
        <translation>%2 の %1 の消去に失敗しました。</translation>
    </message>
    <message>
        <source>Failed writing %1 of %2.</source>
        <translation>%2 の %1 の書き込みに失敗しました。</translation>
    </message>
    <message>
        <source>The connected instrument is not %1, the one checked; nothing was written.</source>
        <translation>接続されている機器は確認した %1 ではありません。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Failed opening %1: %2</source>
        <translation>%1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>%1 holds newer firmware than this release; the downgrade was declined.</source>
        <translation>%1 にはこのリリースより新しいファームウェアが入っています。ダウングレードは拒否されました。</translation>
    </message>
    <message>
        <source>%1 needs a restore; use restore.</source>
        <translation>%1 は復元が必要です。restore を使用してください。</translation>
    </message>
    <message>
        <source>%1 answers normally; use update.</source>
        <translation>%1 は正常に応答しています。update を使用してください。</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers. To bootstrap it, name its model: restore --model %1.</source>
        <translation>機器が見つかりません: 応答する機器がありません。ブートストラップするには、モデルを指定してください: restore --model %1。</translation>
    </message>
    <message>
        <source>Cannot find the instrument: none answers. If one is connected, restore --model MODEL can bootstrap it.</source>
        <translation>機器が見つかりません: 応答する機器がありません。接続されている場合は、restore --model MODEL でブートストラップできます。</translation>
    </message>
    <message>
        <source>%1 stopped answering while %2: no answer for %3.</source>
        <translation>%2中に %1 が応答しなくなりました: %3 応答がありません。</translation>
    </message>
    <message>
        <source>only members of the group %1 may use %2; add the account %3 to that group (sudo adduser %3 %1), then log out and log in again.</source>
        <translation>%2 を使用できるのはグループ %1 のメンバーだけです。アカウント %3 をこのグループに追加し（sudo adduser %3 %1）、ログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>Another firmware updater is already running: process %1 of the account %2.</source>
        <translation>別のファームウェア更新ツールが既に実行中です: アカウント %2 のプロセス %1。</translation>
    </message>
    <message>
        <source>This build cannot update the %1: no calls of the device library write its %2 image.</source>
        <translation>このビルドでは %1 を更新できません: デバイスライブラリに %2 イメージを書き込む呼び出しがありません。</translation>
    </message>
    <message>
        <source>No update or restore on record is unfinished.</source>
        <translation>完了しなかった更新または復元の記録はありません。</translation>
    </message>
    <message>
        <source>No unfinished update of serial %1 is on record.</source>
        <translation>シリアル番号 %1 の完了しなかった更新の記録はありません。</translation>
    </message>
    <message>
        <source>Several models of serial %1 have unfinished updates on record; name one with --model.</source>
        <translation>シリアル番号 %1 の複数のモデルに、完了しなかった更新の記録があります。--model でいずれかを指定してください。</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>%1 を削除できません。</translation>
    </message>
    <message>
        <source>The record of the unfinished update of %1 was discarded; a later check takes the instrument as it answers.</source>
        <translation>%1 の完了しなかった更新の記録を破棄しました。今後の確認では、機器を応答どおりに扱います。</translation>
    </message>
    <message>
        <source>Bootstrapping it as %1, the model on record.</source>
        <translation>記録にあるモデル %1 としてブートストラップします。</translation>
    </message>
    <message>
        <source>The last update of %1 did not finish; it is finished by rewriting the instrument.</source>
        <translation>%1 の前回の更新は完了していません。機器を書き直して完了させます。</translation>
    </message>
    <message>
        <source>Nothing answers. The last update of %1 did not finish: if this is that instrument, run `rz-firmware-updater restore` to finish it; otherwise `rz-firmware-updater restore --model MODEL`.</source>
        <translation>何も応答しません。%1 の前回の更新は完了していません: 接続されているのがその機器なら、`rz-firmware-updater restore` を実行して完了させてください。そうでなければ `rz-firmware-updater restore --model MODEL` を実行してください。</translation>
    </message>
    <message>
        <source>Nothing answers. The updates of %1 did not finish: run `rz-firmware-updater restore --model MODEL` with the connected instrument&apos;s model; `rz-firmware-updater pending` lists them.</source>
        <translation>何も応答しません。%1 の更新は完了していません: 接続されている機器のモデルを指定して `rz-firmware-updater restore --model MODEL` を実行してください。`rz-firmware-updater pending` で一覧を表示できます。</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Start the update again when ready.</source>
        <translation>機器は何も変更されていません。準備ができたら、もう一度更新を開始してください。</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Get this release again, whole and signed by a trusted key, then start the update again.</source>
        <translation>機器は何も変更されていません。欠けがなく信頼できる鍵で署名されたこのリリースを入手し直してから、もう一度更新を開始してください。</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Connect only the instrument to update, then start again.</source>
        <translation>機器は何も変更されていません。更新する機器だけを接続してから、もう一度開始してください。</translation>
    </message>
    <message>
        <source>Nothing on the instrument was changed. Once what the line above names is put right, start the update again.</source>
        <translation>機器は何も変更されていません。上の行に示された問題を解決してから、もう一度更新を開始してください。</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver gives no handle to bound its queries by</source>
        <translation>Qt の SQLite ドライバーには、クエリの時間を制限するためのハンドルがありません</translation>
    </message>
    <message>
        <source>it did not answer within %1</source>
        <translation>%1 以内に応答しませんでした</translation>
    </message>
    <message>
        <source>it holds a view, a trigger or a virtual table, which no update history does</source>
        <translation>ビュー、トリガー、または仮想テーブルがあります (更新履歴にはないものです)</translation>
    </message>
    <message>
        <source>it holds no table of attempts</source>
        <translation>試行のテーブルがありません</translation>
    </message>
    <message>
        <source>its table of attempts has no column %1</source>
        <translation>試行のテーブルに列 %1 がありません</translation>
    </message>
    <message>
        <source>its table of attempts computes a column, which no update history does</source>
        <translation>試行のテーブルに計算列があります (更新履歴にはないものです)</translation>
    </message>
    <message>
        <source>This attempt is not recorded in the update history.</source>
        <translation>この試行は更新履歴に記録されません。</translation>
    </message>
    <message>
        <source>The update history holds no unfinished attempt of %1 %2 to mark as discarded.</source>
        <translation>更新履歴には、破棄済みとして記録する %1 %2 の完了しなかった試行がありません。</translation>
    </message>
    <message>
        <source>Rehearsal: the device library replays the recording %1; no instrument is written, and the update history and the pending records are left as they are.</source>
        <translation>リハーサル: デバイスライブラリが記録 %1 を再生します。機器には何も書き込まず、更新履歴と未完了の更新記録もそのままにします。</translation>
    </message>
    <message>
        <source>RZ_STALL_SCALE is %1: every call&apos;s estimate and the time it is allowed are %1 times their usual length.</source>
        <translation>RZ_STALL_SCALE は %1 です: 各呼び出しの所要時間の目安と許容時間は、通常の %1 倍です。</translation>
    </message>
    <message>
        <source>1 millisecond</source>
        <translation>1 ミリ秒</translation>
    </message>
    <message numerus="yes">
        <source>%n milliseconds</source>
        <translation>
            <numerusform>%n ミリ秒</numerusform>
        </translation>
    </message>
    <message>
        <source>Still working: %1 for %2, estimated %3, scaled by RZ_STALL_SCALE=%4 to %5; keep the instrument connected.</source>
        <translation>処理中: %1 (経過 %2、目安 %3、RZ_STALL_SCALE=%4 により %5)。機器を接続したままにしてください。</translation>
    </message>
    <message>
        <source>The instrument stopped answering while %1: no answer for %2, the time allowed scaled by RZ_STALL_SCALE=%3.</source>
        <translation>%1中に機器が応答しなくなりました: %2 応答がありません (許容時間は RZ_STALL_SCALE=%3 で調整済み)。</translation>
    </message>
    <message>
        <source>%1 stopped answering while %2: no answer for %3, the time allowed scaled by RZ_STALL_SCALE=%4.</source>
        <translation>%2中に %1 が応答しなくなりました: %3 応答がありません (許容時間は RZ_STALL_SCALE=%4 で調整済み)。</translation>
    </message>
    <message>
        <source>%1 must be an absolute path, not &quot;%2&quot;: the working folder no longer exists.</source>
        <translation>%1 は絶対パスでなければなりません（「%2」は使えません）: 作業フォルダーがもう存在しません。</translation>
    </message>
    <message>
        <source>Its signature file names no key that can be read.</source>
        <translation>署名ファイルから読み取れる鍵が見つかりません。</translation>
    </message>
    <message>
        <source>It is signed by key %1, which this machine does not trust: ask the administrator whether key %1 is the maker&apos;s.</source>
        <translation>鍵 %1 で署名されていますが、このマシンはこの鍵を信頼していません。鍵 %1 がメーカーのものかどうか管理者に確認してください。</translation>
    </message>
    <message>
        <source>It is signed by key %1, which the administrator revoked: get a release signed by a key in use.</source>
        <translation>鍵 %1 で署名されていますが、この鍵は管理者によって失効されています。使用中の鍵で署名されたリリースを入手してください。</translation>
    </message>
    <message>
        <source>Its signature by key %1 does not hold for its list of images: the list or the signature was changed after signing; get the release again.</source>
        <translation>鍵 %1 による署名がイメージの一覧と一致しません。署名後に一覧または署名が変更されています。リリースを入手し直してください。</translation>
    </message>
    <message>
        <source>boot</source>
        <translation>ブート</translation>
    </message>
    <message>
        <source>run</source>
        <translation>ラン</translation>
    </message>
    <message>
        <source>Release folder: %1</source>
        <translation>リリースのフォルダー: %1</translation>
    </message>
    <message>
        <source>The release&apos;s signed list does not name the image %1.</source>
        <translation>リリースの署名済みリストにイメージ %1 がありません。</translation>
    </message>
    <message>
        <source>Signed by key %1, which the administrator revoked.</source>
        <translation>鍵 %1 で署名されています。この鍵は管理者によって失効されています。</translation>
    </message>
    <message>
        <source>Signed by key %1, which this machine does not know.</source>
        <translation>鍵 %1 で署名されています。このマシンはこの鍵を知りません。</translation>
    </message>
    <message>
        <source>Signed by key %1, which is not trusted while the revoked keys cannot be read.</source>
        <translation>鍵 %1 で署名されています。失効した鍵を読み取れない間は、この鍵は信頼されません。</translation>
    </message>
    <message>
        <source>Signed by key %1, which this machine trusts.</source>
        <translation>鍵 %1 で署名されています。このマシンはこの鍵を信頼しています。</translation>
    </message>
    <message>
        <source>No release found: nothing can be written.</source>
        <translation>リリースが見つかりません。何も書き込めません。</translation>
    </message>
    <message>
        <source>The release in %1 can be written.</source>
        <translation>%1 のリリースは書き込めます。</translation>
    </message>
    <message>
        <source>The release in %1 is refused: nothing in it will be written.</source>
        <translation>%1 のリリースは拒否されました。その中のものは何も書き込みません。</translation>
    </message>
    <message>
        <source>  %1 %2: %3 (missing)</source>
        <translation>  %1 %2: %3 (ありません)</translation>
    </message>
    <message>
        <source>  %1 %2: %3 (not in the signed list)</source>
        <translation>  %1 %2: %3 (署名済みリストにありません)</translation>
    </message>
    <message>
        <source>  %1 %2: %3</source>
        <translation>  %1 %2: %3</translation>
    </message>
    <message>
        <source>No firmware found in %1; nothing will be written.</source>
        <translation>%1 にファームウェアが見つかりません。何も書き込みません。</translation>
    </message>
</context>
<context>
    <name>PLProgressDialog</name>
    <message>
        <source>Please Wait</source>
        <translation>お待ちください</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>経過時間 %1</translation>
    </message>
</context>
<context>
    <name>PendingCommand</name>
    <message>
        <source>--discard: expected a serial number above 0, not %1.</source>
        <translation>--discard: 0 より大きいシリアル番号を指定してください (%1 ではなく)。</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Since (UTC)</source>
        <translation>開始 (UTC)</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>コンポーネント</translation>
    </message>
</context>
<context>
    <name>StartRefusal</name>
    <message>
        <source>The firmware updater cannot start.</source>
        <translation>ファームウェア更新ツールを起動できません。</translation>
    </message>
    <message>
        <source>The account %1 is not in the group %2, whose members may use the firmware updater.</source>
        <translation>アカウント %1 は、ファームウェア更新ツールを使用できるグループ %2 に属していません。</translation>
    </message>
    <message>
        <source>Ask whoever administers this computer to add the account to the group, for example with:

sudo adduser %1 %2

Then log out, log in again and start the updater anew.</source>
        <translation>このコンピューターの管理者に、アカウントをグループに追加するよう依頼してください。例:

sudo adduser %1 %2

その後、ログアウトして再度ログインし、更新ツールを起動し直してください。</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Check Versions</source>
        <translation>バージョン確認</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Your device appears to have a newer firmware version.
Installing this will overwrite your firmware with an older version.
Are you sure you wish to continue?</source>
        <translation>お使いのデバイスには、より新しいファームウェアが入っているようです。
インストールすると、ファームウェアが古いバージョンで上書きされます。
続行してもよろしいですか?</translation>
    </message>
</context>
</TS>
